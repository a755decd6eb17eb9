<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>QtUserInteraction</name>
    <message>
        <source>Titles (*.vob *.VOB *.iso *.ISO *.idx *.sub *.mkv *.mks *.sup)</source>
        <translation>Titel (*.vob *.VOB *.iso *.ISO *.idx *.sub *.mkv *.mks *.sup)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
</context>
<context>
    <name>quelm::TAbout</name>
    <message>
        <source>picture subtitles of a DVD</source>
        <translation>Bild-Untertitel einer DVD</translation>
    </message>
    <message>
        <source>turned into a text script</source>
        <translation>werden zu einem Textskript</translation>
    </message>
    <message>
        <source>written by Vennor</source>
        <translation>geschrieben von Vennor</translation>
    </message>
    <message>
        <source>Quelm reads the subtitles</source>
        <translation>Quelm liest die Untertitel</translation>
    </message>
    <message>
        <source>of a DVD title set, learns</source>
        <translation>eines DVD-Titelsets, lernt</translation>
    </message>
    <message>
        <source>every letter you show it</source>
        <translation>jeden Buchstaben, den Sie</translation>
    </message>
    <message>
        <source>and writes the text in the</source>
        <translation>ihm zeigen, und schreibt</translation>
    </message>
    <message>
        <source>format you choose.</source>
        <translation>den Text im Wunschformat.</translation>
    </message>
    <message>
        <source>--- thanks ---</source>
        <translation>--- Dank ---</translation>
    </message>
    <message>
        <source>to everyone who tried the</source>
        <translation>an alle, die die ersten</translation>
    </message>
    <message>
        <source>early builds and told us</source>
        <translation>Versionen ausprobiert und</translation>
    </message>
    <message>
        <source>where they went wrong,</source>
        <translation>uns Fehler gemeldet haben,</translation>
    </message>
    <message>
        <source>to the translators of the</source>
        <translation>an die Übersetzer der</translation>
    </message>
    <message>
        <source>language files,</source>
        <translation>Sprachdateien,</translation>
    </message>
    <message>
        <source>to all who wrote their own</source>
        <translation>an alle, die eigene</translation>
    </message>
    <message>
        <source>output formats and shared</source>
        <translation>Ausgabeformate geschrieben</translation>
    </message>
    <message>
        <source>them,</source>
        <translation>und geteilt haben,</translation>
    </message>
    <message>
        <source>to the patient people who</source>
        <translation>an die Geduldigen, die ihm</translation>
    </message>
    <message>
        <source>taught it a thousand</source>
        <translation>tausend Buchstaben einzeln</translation>
    </message>
    <message>
        <source>letters, one by one,</source>
        <translation>beigebracht haben,</translation>
    </message>
    <message>
        <source>and to you, for reading</source>
        <translation>und an Sie, weil Sie bis</translation>
    </message>
    <message>
        <source>this far.</source>
        <translation>hierher gelesen haben.</translation>
    </message>
    <message>
        <source>--- a word of advice ---</source>
        <translation>--- ein guter Rat ---</translation>
    </message>
    <message>
        <source>keep your dictionary</source>
        <translation>Hüten Sie Ihr Wörterbuch:</translation>
    </message>
    <message>
        <source>safe: it is your work.</source>
        <translation>es ist Ihre Arbeit.</translation>
    </message>
    <message>
        <source>Quelm is free to use.</source>
        <translation>Quelm ist kostenlos.</translation>
    </message>
    <message>
        <source>Enjoy your films!</source>
        <translation>Viel Freude beim Film!</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über Quelm</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>quelm::TChooseDir</name>
    <message>
        <source>Choose Directory</source>
        <translation>Verzeichnis wählen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>quelm::TEditDictionary</name>
    <message>
        <source>Named automatically, not yet confirmed</source>
        <translation>Automatisch benannt, noch nicht bestätigt</translation>
    </message>
    <message>
        <source>Dictionary</source>
        <translation>Wörterbuch</translation>
    </message>
    <message>
        <source>&amp;Find:</source>
        <translation>&amp;Suchen:</translation>
    </message>
    <message>
        <source>text of an entry</source>
        <translation>Text eines Eintrags</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Update textoutput too?</source>
        <translation>Die Textausgabe auch aktualisieren?</translation>
    </message>
    <message>
        <source>unreadable file</source>
        <translation>Datei nicht lesbar</translation>
    </message>
    <message>
        <source>file missing</source>
        <translation>Datei fehlt</translation>
    </message>
    <message>
        <source>Delete %1</source>
        <translation>%1 löschen</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Bestätigen</translation>
    </message>
    <message>
        <source>suggested: %1</source>
        <translation>vorgeschlagen: %1</translation>
    </message>
    <message>
        <source>(empty)</source>
        <translation>(leer)</translation>
    </message>
    <message>
        <source>No text: this shape is read as nothing</source>
        <translation>Ohne Text: diese Form wird beim Lesen weggelassen</translation>
    </message>
    <message>
        <source>All entries (%1)</source>
        <translation>Alle Einträge (%1)</translation>
    </message>
    <message>
        <source>Empty text (%1)</source>
        <translation>Ohne Text (%1)</translation>
    </message>
    <message>
        <source>Unconfirmed (%1)</source>
        <translation>Unbestätigt (%1)</translation>
    </message>
    <message>
        <source>Do you really want to delete &quot;%1&quot; [%2] ?</source>
        <translation>Wollen Sie „%1“ [%2] wirklich löschen?</translation>
    </message>
    <message>
        <source>Close without saving the changes?</source>
        <translation>Schließen, ohne die Änderungen zu speichern?</translation>
    </message>
    <message>
        <source>Shown: %1 of %2</source>
        <translation>Angezeigt: %1 von %2</translation>
    </message>
    <message>
        <source>Entries: %1</source>
        <translation>Einträge: %1</translation>
    </message>
</context>
<context>
    <name>quelm::TIFOInfo</name>
    <message>
        <source>reading ...</source>
        <translation>lese ...</translation>
    </message>
    <message>
        <source>Retrieving language info from :</source>
        <translation>Lese die Sprachangaben aus:</translation>
    </message>
</context>
<context>
    <name>quelm::TMain</name>
    <message>
        <source>subtitles to text</source>
        <translation>Untertitel zu Text</translation>
    </message>
    <message>
        <source>change...</source>
        <translation>ändern...</translation>
    </message>
    <message>
        <source>Vob/Ifo root</source>
        <translation>Vob/Ifo-Verzeichnis</translation>
    </message>
    <message>
        <source>Output root</source>
        <translation>Ausgabeverzeichnis</translation>
    </message>
    <message>
        <source>same as vob root</source>
        <translation>wie Vob-Verzeichnis</translation>
    </message>
    <message>
        <source>Dictionary root</source>
        <translation>Wörterbuchverzeichnis</translation>
    </message>
    <message>
        <source>same as vob root (not recommended)</source>
        <translation>wie Vob-Verzeichnis (nicht empfohlen)</translation>
    </message>
    <message>
        <source>VOB root info</source>
        <translation>Inhalt des Vob-Verzeichnisses</translation>
    </message>
    <message>
        <source>Subtitle language</source>
        <translation>Untertitelsprache</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>Manuell</translation>
    </message>
    <message>
        <source>Select vobfile</source>
        <translation>Vob-Datei wählen</translation>
    </message>
    <message>
        <source>List of vobfiles</source>
        <translation>Liste der Vob-Dateien</translation>
    </message>
    <message>
        <source>add</source>
        <translation>hinzufügen</translation>
    </message>
    <message>
        <source>delete</source>
        <translation>entfernen</translation>
    </message>
    <message>
        <source>first</source>
        <translation>erster</translation>
    </message>
    <message>
        <source>back</source>
        <translation>zurück</translation>
    </message>
    <message>
        <source>next</source>
        <translation>nächster</translation>
    </message>
    <message>
        <source>all</source>
        <translation>alle</translation>
    </message>
    <message>
        <source>File position</source>
        <translation>Dateiposition</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>Chapter</source>
        <translation>Kapitel</translation>
    </message>
    <message>
        <source>save bitmap as...</source>
        <translation>Bild speichern...</translation>
    </message>
    <message>
        <source>auto save</source>
        <translation>autom. speichern</translation>
    </message>
    <message>
        <source>1 bit</source>
        <translation>1 Bit</translation>
    </message>
    <message>
        <source>4 bit</source>
        <translation>4 Bit</translation>
    </message>
    <message>
        <source>Colors</source>
        <translation>Farben</translation>
    </message>
    <message>
        <source>double click to change</source>
        <translation>Doppelklick zum Ändern</translation>
    </message>
    <message>
        <source>foregroundcolor</source>
        <translation>Vordergrundfarbe</translation>
    </message>
    <message>
        <source>backgroundcolor</source>
        <translation>Hintergrundfarbe</translation>
    </message>
    <message>
        <source>Auto colordetection</source>
        <translation>Farben automatisch erkennen</translation>
    </message>
    <message>
        <source>if checked colorsettimgs are done by autodetection</source>
        <translation>wenn angekreuzt, werden die Farben automatisch erkannt</translation>
    </message>
    <message>
        <source>OCR</source>
        <translation>Texterkennung</translation>
    </message>
    <message>
        <source>Width of space character (pixels) :</source>
        <translation>Breite des Leerzeichens (Pixel) :</translation>
    </message>
    <message>
        <source>automatic</source>
        <translation>automatisch</translation>
    </message>
    <message>
        <source>Interlace</source>
        <translation>Zeilensprung</translation>
    </message>
    <message>
        <source>Enable OCR on found subtitle</source>
        <translation>Texterkennung für gefundene Untertitel</translation>
    </message>
    <message>
        <source>Automatic close OCR window</source>
        <translation>Erkennungsfenster automatisch schließen</translation>
    </message>
    <message>
        <source> Learn </source>
        <translation> Lernen </translation>
    </message>
    <message>
        <source>while reading</source>
        <translation>beim Lesen</translation>
    </message>
    <message>
        <source>after reading</source>
        <translation>nach dem Lesen</translation>
    </message>
    <message>
        <source>automatically</source>
        <translation>automatisch</translation>
    </message>
    <message>
        <source>Script</source>
        <translation>Skript</translation>
    </message>
    <message>
        <source>clear</source>
        <translation>leeren</translation>
    </message>
    <message>
        <source>save to ...</source>
        <translation>speichern unter ...</translation>
    </message>
    <message>
        <source>Save the script (%1)</source>
        <translation>Das Skript speichern (%1)</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Save script as...</source>
        <translation>Skript &amp;speichern unter...</translation>
    </message>
    <message>
        <source>S&amp;ave bitmap as...</source>
        <translation>Bild speichern &amp;unter...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Settings</source>
        <translation>&amp;Einstellungen</translation>
    </message>
    <message>
        <source>&amp;Directories</source>
        <translation>&amp;Verzeichnisse</translation>
    </message>
    <message>
        <source>&amp;VOB/IFO root...</source>
        <translation>&amp;VOB/IFO-Verzeichnis...</translation>
    </message>
    <message>
        <source>&amp;Output root...</source>
        <translation>&amp;Ausgabeverzeichnis...</translation>
    </message>
    <message>
        <source>&amp;Dictionary root...</source>
        <translation>&amp;Wörterbuchverzeichnis...</translation>
    </message>
    <message>
        <source>&amp;Colors</source>
        <translation>&amp;Farben</translation>
    </message>
    <message>
        <source>&amp;%1. Color %1...</source>
        <translation>&amp;%1. Farbe %1...</translation>
    </message>
    <message>
        <source>Character color</source>
        <translation>Zeichenfarbe</translation>
    </message>
    <message>
        <source>Background color</source>
        <translation>Hintergrundfarbe</translation>
    </message>
    <message>
        <source>&amp;Autodetect</source>
        <translation>&amp;Automatisch erkennen</translation>
    </message>
    <message>
        <source>&amp;Manual selections</source>
        <translation>&amp;Manuelle Auswahl</translation>
    </message>
    <message>
        <source>Manual &amp;language</source>
        <translation>Manuelle &amp;Sprache</translation>
    </message>
    <message>
        <source>Manual &amp;vob</source>
        <translation>Manuelle &amp;Vob-Datei</translation>
    </message>
    <message>
        <source>&amp;Subtitle language</source>
        <translation>&amp;Untertitelsprache</translation>
    </message>
    <message>
        <source>&amp;Vob file selection...</source>
        <translation>V&amp;ob-Datei-Auswahl...</translation>
    </message>
    <message>
        <source>Position caching</source>
        <translation>Positionen zwischenspeichern</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>Eingeschaltet</translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation>Ausgeschaltet</translation>
    </message>
    <message>
        <source>&amp;OCR</source>
        <translation>&amp;Texterkennung</translation>
    </message>
    <message>
        <source>&amp;Enable OCR recognision</source>
        <translation>Texterkennung &amp;einschalten</translation>
    </message>
    <message>
        <source>&amp;Automatic close OCR window</source>
        <translation>Erkennungsfenster automatisch &amp;schließen</translation>
    </message>
    <message>
        <source>Suggestion language</source>
        <translation>Sprache der Vorschläge</translation>
    </message>
    <message>
        <source>GUI &amp;Language</source>
        <translation>&amp;Sprache der Oberfläche</translation>
    </message>
    <message>
        <source>&amp;Dictionary</source>
        <translation>&amp;Wörterbuch</translation>
    </message>
    <message>
        <source>&amp;Edit entries...</source>
        <translation>Einträge &amp;bearbeiten...</translation>
    </message>
    <message>
        <source>&amp;Update textoutput...</source>
        <translation>Textausgabe &amp;aktualisieren...</translation>
    </message>
    <message>
        <source>Learn &amp;while reading VOB</source>
        <translation>Beim &amp;Lesen der VOB lernen</translation>
    </message>
    <message>
        <source>Learn &amp;after reading VOB</source>
        <translation>&amp;Nach dem Lesen der VOB lernen</translation>
    </message>
    <message>
        <source>Learn a&amp;utomatically</source>
        <translation>A&amp;utomatisch lernen</translation>
    </message>
    <message>
        <source>&amp;Output</source>
        <translation>&amp;Ausgabe</translation>
    </message>
    <message>
        <source>&amp;Edit (new) format...</source>
        <translation>(Neues) Format &amp;bearbeiten...</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>Wer&amp;kzeuge</translation>
    </message>
    <message>
        <source>&amp;Edit tools...</source>
        <translation>Werkzeuge &amp;bearbeiten...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>Ü&amp;ber Quelm...</translation>
    </message>
    <message>
        <source>DVD VOB Files (*.vob);;All files (*)</source>
        <translation>DVD-VOB-Dateien (*.vob);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>DVD VOB Files (*.vob);;DVD images (*.iso);;Blu-ray subtitles (*.sup);;All files (*)</source>
        <translation>DVD-VOB-Dateien (*.vob);;DVD-Abbilder (*.iso);;Blu-ray-Untertitel (*.sup);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Bitmaps (*.bmp)</source>
        <translation>Bilder (*.bmp)</translation>
    </message>
    <message>
        <source>Last file in list reached!</source>
        <translation>Letzte Datei der Liste erreicht!</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>forced only</source>
        <translation>nur erzwungene</translation>
    </message>
    <message>
        <source>only the subtitles the disc forces on screen go into the script</source>
        <translation>nur die Untertitel, die die Disc erzwingt, kommen ins Skript</translation>
    </message>
    <message>
        <source>fix look-alikes</source>
        <translation>ähnliche Zeichen korrigieren</translation>
    </message>
    <message>
        <source>letters one shape stands for (I l |, O 0) are chosen by the stream language&apos;s words; the records and the dictionary keep what was recognised</source>
        <translation>Buchstaben, die gleich aussehen (I l |, O 0), werden nach den Wörtern der Sprache des Stroms gewählt; Datensätze und Wörterbuch behalten, was erkannt wurde</translation>
    </message>
    <message>
        <source>Open &amp;title...</source>
        <translation>&amp;Titel öffnen...</translation>
    </message>
    <message>
        <source>&amp;Getting started</source>
        <translation>&amp;Erste Schritte</translation>
    </message>
    <message>
        <source>Choose the folder of a title (File &gt; Open title...), then press first</source>
        <translation>Wählen Sie den Ordner eines Titels (Datei &gt; Titel öffnen...), dann drücken Sie erster</translation>
    </message>
    <message>
        <source>The last file is read. File &gt; Save script as... saves the script</source>
        <translation>Die letzte Datei ist gelesen. Datei &gt; Skript speichern unter... speichert das Skript</translation>
    </message>
    <message>
        <source>Press first to read the first subtitle, or all to read them all</source>
        <translation>Drücken Sie erster für den ersten Untertitel oder alle, um alle zu lesen</translation>
    </message>
    <message>
        <source>Subtitle %1 read. Press next or all to go on; File &gt; Save script as... saves the script</source>
        <translation>Untertitel %1 gelesen. Weiter mit nächster oder alle; Datei &gt; Skript speichern unter... speichert das Skript</translation>
    </message>
    <message>
        <source>Reading all: subtitle %1, %2 % of the file, %3:%4 elapsed</source>
        <translation>Lese alle: Untertitel %1, %2 % der Datei, %3:%4 vergangen</translation>
    </message>
    <message>
        <source>Open title</source>
        <translation>Titel öffnen</translation>
    </message>
    <message>
        <source>No such file or directory: %1</source>
        <translation>Keine solche Datei und kein solches Verzeichnis: %1</translation>
    </message>
    <message>
        <source>%1 holds no VOB file of a title.</source>
        <translation>%1 enthält keine VOB-Datei eines Titels.</translation>
    </message>
    <message numerus="yes">
        <source>All subtitles are read: %n in this run.</source>
        <translation>
            <numerusform>Alle Untertitel sind gelesen: %n in diesem Durchgang.</numerusform>
            <numerusform>Alle Untertitel sind gelesen: %n in diesem Durchgang.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The file is read: %n subtitle(s) in this run. Press all to read the next file.</source>
        <translation>
            <numerusform>Die Datei ist gelesen: %n Untertitel in diesem Durchgang. Drücken Sie alle für die nächste Datei.</numerusform>
            <numerusform>Die Datei ist gelesen: %n Untertitel in diesem Durchgang. Drücken Sie alle für die nächste Datei.</numerusform>
        </translation>
    </message>
    <message>
        <source>The script holds subtitles of another stream.
Start a new script for this one?</source>
        <translation>Das Skript enthält Untertitel eines anderen Stroms.
Für diesen ein neues Skript beginnen?</translation>
    </message>
    <message>
        <source>Cannot start %1</source>
        <translation>%1 kann nicht gestartet werden</translation>
    </message>
    <message>
        <source>From the subtitle stream</source>
        <translation>Aus dem Untertitelstrom</translation>
    </message>
    <message>
        <source>English (eng)</source>
        <translation>Englisch (eng)</translation>
    </message>
    <message>
        <source>German (deu)</source>
        <translation>Deutsch (deu)</translation>
    </message>
    <message>
        <source>French (fra)</source>
        <translation>Französisch (fra)</translation>
    </message>
    <message>
        <source>: nothing is suggested</source>
        <translation>: es gibt keine Vorschläge</translation>
    </message>
    <message>
        <source>No dictionary root is set: choose one under Settings, Directories, Dictionary root.</source>
        <translation>Kein Wörterbuchverzeichnis gesetzt: wählen Sie eines unter Einstellungen, Verzeichnisse, Wörterbuchverzeichnis.</translation>
    </message>
    <message>
        <source>Quelm records (*.records);;All files (*)</source>
        <translation>Quelm-Datensätze (*.records);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Save your work so you can continue later?</source>
        <translation>Ihre Arbeit speichern, damit Sie später weitermachen können?</translation>
    </message>
    <message>
        <source>The script holds records that have not been saved.
Save them before opening others?</source>
        <translation>Das Skript enthält Datensätze, die noch nicht gespeichert sind.
Vor dem Öffnen anderer speichern?</translation>
    </message>
    <message>
        <source>Save &amp;records as...</source>
        <translation>&amp;Datensätze speichern unter...</translation>
    </message>
    <message>
        <source>&amp;Open records...</source>
        <translation>Datensätze ö&amp;ffnen...</translation>
    </message>
    <message>
        <source>Save records as</source>
        <translation>Datensätze speichern unter</translation>
    </message>
    <message>
        <source>Open records</source>
        <translation>Datensätze öffnen</translation>
    </message>
    <message>
        <source>No record could be read:</source>
        <translation>Kein Datensatz konnte gelesen werden:</translation>
    </message>
    <message>
        <source>These damaged lines and their records were left out:</source>
        <translation>Diese beschädigten Zeilen und ihre Datensätze wurden ausgelassen:</translation>
    </message>
    <message>
        <source>... and %1 more</source>
        <translation>... und %1 weitere</translation>
    </message>
    <message>
        <source>Save script as</source>
        <translation>Skript speichern unter</translation>
    </message>
    <message>
        <source>Plain text (UTF-8)</source>
        <translation>Reiner Text (UTF-8)</translation>
    </message>
    <message>
        <source>Rich text (RTF)</source>
        <translation>Formatierter Text (RTF)</translation>
    </message>
    <message>
        <source>Cannot create file %1</source>
        <translation>Datei %1 kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>Auto colordetection needs four unique colors!<byte value="xd"/>Reset colors to default settings and proceed?</source>
        <translation>Die automatische Farberkennung braucht vier verschiedene Farben!</translation>
    </message>
    <message>
        <source>Cannot open file %1 (%2)</source>
        <translation>Datei %1 kann nicht geöffnet werden (%2)</translation>
    </message>
    <message>
        <source>subtitlenr. %1</source>
        <translation>Untertitel Nr. %1</translation>
    </message>
    <message>
        <source>U&amp;ndo last answer</source>
        <translation>Letzte Antwort &amp;zurücknehmen</translation>
    </message>
    <message>
        <source>Getting started

1. File &gt; Open title...: choose the folder of a title (the disc&apos;s folder or its VIDEO_TS), a VOB file, a disc image or a VobSub file.
2. Choose the subtitle language, then press first: the program shows the first subtitle and asks for each character it does not know yet. Type it and press Enter (Ctrl+Z takes a wrong answer back, also after the window has closed).
3. Press all: the rest is read; known characters are not asked again.
4. File &gt; Save script as... saves the script (SubRip by default; the Output menu holds the other formats).</source>
        <translation>Erste Schritte

1. Datei &gt; Titel öffnen...: wählen Sie den Ordner eines Titels (den Ordner der Disc oder ihr VIDEO_TS), eine VOB-Datei, ein Disc-Abbild oder eine VobSub-Datei.
2. Wählen Sie die Untertitelsprache und drücken Sie erster: das Programm zeigt den ersten Untertitel und fragt nach jedem Zeichen, das es noch nicht kennt. Geben Sie es ein und drücken Sie Enter (Strg+Z nimmt eine falsche Antwort zurück, auch nachdem das Fenster geschlossen ist).
3. Drücken Sie alle: der Rest wird gelesen; bekannte Zeichen werden nicht noch einmal erfragt.
4. Datei &gt; Skript speichern unter... speichert das Skript (als SubRip, wenn nicht anders gewählt; das Menü Ausgabe enthält die anderen Formate).</translation>
    </message>
</context>
<context>
    <name>quelm::TOCR</name>
    <message>
        <source>OCR</source>
        <translation>Texterkennung</translation>
    </message>
    <message>
        <source>Found character:</source>
        <translation>Gefundenes Zeichen:</translation>
    </message>
    <message>
        <source>Type the character(s) in the red frame, then Enter</source>
        <translation>Geben Sie die Zeichen im roten Rahmen ein, dann Enter</translation>
    </message>
    <message>
        <source>Textline in subpicture</source>
        <translation>Textzeile im Untertitelbild</translation>
    </message>
    <message>
        <source>Skip character</source>
        <translation>Zeichen auslassen</translation>
    </message>
    <message>
        <source>Skip textline</source>
        <translation>Zeile auslassen</translation>
    </message>
    <message>
        <source>Change color</source>
        <translation>Farbe ändern</translation>
    </message>
    <message>
        <source>Keep these colors</source>
        <translation>Diese Farben behalten</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Undo last answer</source>
        <translation>Letzte Antwort zurücknehmen</translation>
    </message>
    <message>
        <source>Suggested from the word: %1</source>
        <translation>Vorschlag aus dem Wort: %1</translation>
    </message>
    <message>
        <source>Nothing was typed for the character in the red frame.

Ignore this shape from now on? It is then learned as standing for nothing and left out wherever it occurs, which is right for a speck of dust.

No: back to the question.</source>
        <translation>Für das Zeichen im roten Rahmen wurde nichts eingegeben.

Diese Form ab jetzt übergehen? Sie wird dann als „nichts“ gelernt und überall weggelassen, wo sie vorkommt – richtig für ein Staubkorn.

Nein: zurück zur Frage.</translation>
    </message>
    <message>
        <source>Forget the last answer and ask about its character again (Ctrl+Z)</source>
        <translation>Die letzte Antwort vergessen und erneut nach ihrem Zeichen fragen (Strg+Z)</translation>
    </message>
</context>
<context>
    <name>quelm::TOutputIniEditor</name>
    <message>
        <source>A tag is between the characters &lt; and &gt;. Use &lt;&lt; if you want to add a hard &lt; character and &gt;&gt; for a hard &gt; character.</source>
        <translation>Ein Tag steht zwischen den Zeichen &lt; und &gt;. Schreiben Sie &lt;&lt; für ein echtes Zeichen &lt; und &gt;&gt; für ein echtes Zeichen &gt;.</translation>
    </message>
    <message>
        <source>You can use the following tags that will be filled with the data found in the subpictures:</source>
        <translation>Diese Tags können Sie verwenden; sie werden mit den Daten der Untertitelbilder gefüllt:</translation>
    </message>
    <message>
        <source>Only the body (the repeating subpicture structure) is filled; header and footer are copied as they stand.</source>
        <translation>Nur der wiederholte Teil wird gefüllt; Kopf- und Fußteil werden unverändert übernommen.</translation>
    </message>
    <message>
        <source>Tag names may be written in any case. Characters after a name are ignored (&lt;CRX&gt; is &lt;CR&gt;); a blank after &lt; or a name not listed here writes nothing.</source>
        <translation>Groß- und Kleinschreibung der Tag-Namen ist gleich. Zeichen nach einem Namen werden übergangen (&lt;CRX&gt; ist &lt;CR&gt;); ein Leerzeichen nach &lt; oder ein hier nicht genannter Name schreibt nichts.</translation>
    </message>
    <message>
        <source>Time code of the subpicture (hh:mm:ss):</source>
        <translation>Zeitcode des Untertitelbilds (hh:mm:ss):</translation>
    </message>
    <message>
        <source>&lt;HH&gt;   hours, two digits. An offset may follow: &lt;HH+1&gt; or &lt;HH1&gt; adds an hour, &lt;HH-2&gt;</source>
        <translation>&lt;HH&gt;   Stunden, zweistellig. Ein Versatz darf folgen: &lt;HH+1&gt; oder &lt;HH1&gt; zählt eine Stunde dazu,</translation>
    </message>
    <message>
        <source>       subtracts two. There is no wrap at 24 or 60; hour 01 with &lt;HH-2&gt; gives 0-1.</source>
        <translation>       &lt;HH-2&gt; zieht zwei ab. Kein Überlauf bei 24 oder 60; Stunde 01 mit &lt;HH-2&gt; ergibt 0-1.</translation>
    </message>
    <message>
        <source>&lt;H&gt;    the first digit of the hours only (0 for 05); takes no offset</source>
        <translation>&lt;H&gt;    nur die erste Ziffer der Stunden (0 bei 05); ohne Versatz</translation>
    </message>
    <message>
        <source>&lt;MM&gt;   minutes, two digits, offset as with &lt;HH&gt;</source>
        <translation>&lt;MM&gt;   Minuten, zweistellig, Versatz wie bei &lt;HH&gt;</translation>
    </message>
    <message>
        <source>&lt;M&gt;    the first digit of the minutes</source>
        <translation>&lt;M&gt;    die erste Ziffer der Minuten</translation>
    </message>
    <message>
        <source>&lt;SS&gt;   seconds, two digits, offset as with &lt;HH&gt;</source>
        <translation>&lt;SS&gt;   Sekunden, zweistellig, Versatz wie bei &lt;HH&gt;</translation>
    </message>
    <message>
        <source>&lt;S&gt;    the first digit of the seconds</source>
        <translation>&lt;S&gt;    die erste Ziffer der Sekunden</translation>
    </message>
    <message>
        <source>Chapter:</source>
        <translation>Kapitel:</translation>
    </message>
    <message>
        <source>&lt;CC&gt;   chapter, two digits (7 gives 07), offset as with &lt;HH&gt;: &lt;CC1&gt; in chapter 12 gives 13</source>
        <translation>&lt;CC&gt;   Kapitel, zweistellig (7 ergibt 07), Versatz wie bei &lt;HH&gt;: &lt;CC1&gt; in Kapitel 12 ergibt 13</translation>
    </message>
    <message>
        <source>&lt;C&gt;    the first character of the chapter number (the chapter itself below 10)</source>
        <translation>&lt;C&gt;    das erste Zeichen der Kapitelnummer (unter 10 das Kapitel selbst)</translation>
    </message>
    <message>
        <source>&lt;CR&gt;   ends the script line here; the rest of the body line starts a new one</source>
        <translation>&lt;CR&gt;   beendet hier die Skriptzeile; der Rest der Zeile beginnt eine neue</translation>
    </message>
    <message>
        <source>How the text lines of a subpicture are put together (without these tags they are joined</source>
        <translation>Wie die Textzeilen eines Untertitelbilds verbunden werden (ohne diese Tags stehen sie</translation>
    </message>
    <message>
        <source>on one line with &quot; | &quot; between them):</source>
        <translation>auf einer Zeile, getrennt durch &quot; | &quot;):</translation>
    </message>
    <message>
        <source>&lt;SUBPIC_SPLT=text&gt;  all text lines on one script line with text between them;</source>
        <translation>&lt;SUBPIC_SPLT=Text&gt;  alle Textzeilen auf einer Skriptzeile, Text dazwischen;</translation>
    </message>
    <message>
        <source>                    &lt;SUBPIC_SPLT=&gt; with nothing after = joins them with nothing</source>
        <translation>                    &lt;SUBPIC_SPLT=&gt; ohne etwas nach = fügt sie direkt aneinander</translation>
    </message>
    <message>
        <source>&lt;SUBPIC_BOLN=text&gt;  one script line per text line, text put before each line</source>
        <translation>&lt;SUBPIC_BOLN=Text&gt;  eine Skriptzeile je Textzeile, Text vor jeder Zeile</translation>
    </message>
    <message>
        <source>&lt;SUBPIC_EOLN=text&gt;  one script line per text line, text put after each line</source>
        <translation>&lt;SUBPIC_EOLN=Text&gt;  eine Skriptzeile je Textzeile, Text nach jeder Zeile</translation>
    </message>
    <message>
        <source>Note: Use only SUBPIC_SPLT or use SUBPIC_BOLN with SUBPIC_EOLN. If you mix them the last tag counts! Use them before your SUBPIC tag!</source>
        <translation>Hinweis: Verwenden Sie nur SUBPIC_SPLT oder SUBPIC_BOLN mit SUBPIC_EOLN. Gemischt zählt das letzte Tag! Setzen Sie sie vor das SUBPIC-Tag!</translation>
    </message>
    <message>
        <source>&lt;SUBPIC&gt;  the recognised text lines. Text before it on the body line prefixes the first</source>
        <translation>&lt;SUBPIC&gt;  die erkannten Textzeilen. Text davor in der Zeile steht vor der ersten</translation>
    </message>
    <message>
        <source>          line, text after it follows the last. Example: &lt;SUBPIC_BOLN=- &gt;&lt;SUBPIC_EOLN=;&gt;</source>
        <translation>          Zeile, Text danach folgt der letzten. Beispiel: &lt;SUBPIC_BOLN=- &gt;&lt;SUBPIC_EOLN=;&gt;</translation>
    </message>
    <message>
        <source>          [&lt;SUBPIC&gt;] gives [- line 1;  then  - line 2;  then  - line 3;]</source>
        <translation>          [&lt;SUBPIC&gt;] ergibt [- Zeile 1;  dann  - Zeile 2;  dann  - Zeile 3;]</translation>
    </message>
    <message>
        <source>          A character missing from the dictionary shows as &lt;ERROR&gt;.</source>
        <translation>          Ein Zeichen, das im Wörterbuch fehlt, erscheint als &lt;ERROR&gt;.</translation>
    </message>
    <message>
        <source>&lt;SUB_NR&gt;  the subtitle number shown in the main window when the script is rendered</source>
        <translation>&lt;SUB_NR&gt;  die Untertitelnummer, die das Hauptfenster beim Erstellen des Skripts zeigt</translation>
    </message>
    <message>
        <source>          (every subtitle gets the same number)</source>
        <translation>          (jeder Untertitel erhält dieselbe Nummer)</translation>
    </message>
    <message>
        <source>Exact display times, in milliseconds counted from the first picture of the title:</source>
        <translation>Genaue Anzeigezeiten, in Millisekunden ab dem ersten Bild des Titels:</translation>
    </message>
    <message>
        <source>&lt;START=fmt&gt;     when the subtitle appears</source>
        <translation>&lt;START=fmt&gt;     wann der Untertitel erscheint</translation>
    </message>
    <message>
        <source>&lt;END=fmt&gt;       when it disappears; a subtitle without an end of its own ends where the</source>
        <translation>&lt;END=fmt&gt;       wann er verschwindet; ein Untertitel ohne eigenes Ende endet, wo der</translation>
    </message>
    <message>
        <source>                next one starts, the last one 5 seconds after it started</source>
        <translation>                nächste beginnt, der letzte 5 Sekunden nach seinem Beginn</translation>
    </message>
    <message>
        <source>&lt;DURATION=fmt&gt;  how long it is shown</source>
        <translation>&lt;DURATION=fmt&gt;  wie lange er angezeigt wird</translation>
    </message>
    <message>
        <source>  fmt is text in which h (hours), hh, mm, ss, zzz (milliseconds) and cc (hundredths)</source>
        <translation>  fmt ist ein Text, in dem h (Stunden), hh, mm, ss, zzz (Millisekunden) und cc (Hundertstel)</translation>
    </message>
    <message>
        <source>  are replaced: &lt;START=hh:mm:ss,zzz&gt; gives 00:01:23,456 and &lt;END=h:mm:ss.cc&gt; 0:01:26.04.</source>
        <translation>  ersetzt werden: &lt;START=hh:mm:ss,zzz&gt; ergibt 00:01:23,456 und &lt;END=h:mm:ss.cc&gt; 0:01:26.04.</translation>
    </message>
    <message>
        <source>  With nothing after = the milliseconds are written as one number (for MATH_...).</source>
        <translation>  Ohne etwas nach = werden die Millisekunden als eine Zahl geschrieben (für MATH_...).</translation>
    </message>
    <message>
        <source>  Subtitles read before exact times were kept take their time code and no fraction.</source>
        <translation>  Untertitel, die vor dem Speichern genauer Zeiten gelesen wurden, nehmen ihren Zeitcode ohne Bruchteil.</translation>
    </message>
    <message>
        <source>&lt;INDEX&gt;   the subtitle&apos;s number in the script, counting from 1 (0 for the version line)</source>
        <translation>&lt;INDEX&gt;   die Nummer des Untertitels im Skript, ab 1 gezählt (0 für die Versionszeile)</translation>
    </message>
    <message>
        <source>&lt;FORCED&gt;  1 when the disc forces the subtitle on screen, else 0</source>
        <translation>&lt;FORCED&gt;  1, wenn die Disc den Untertitel erzwingt, sonst 0</translation>
    </message>
    <message>
        <source>In the [ini_info] section, skip_version_record=1 leaves out the version line that begins</source>
        <translation>Im Abschnitt [ini_info] lässt skip_version_record=1 die Versionszeile weg, mit der jedes</translation>
    </message>
    <message>
        <source>every script, as subtitle files need. With &quot;forced only&quot; checked (or quelm-cli convert</source>
        <translation>Skript beginnt, wie es Untertiteldateien verlangen. Mit &quot;forced only&quot; (oder quelm-cli convert</translation>
    </message>
    <message>
        <source>--forced-only) only forced subtitles are written.</source>
        <translation>--forced-only) werden nur erzwungene Untertitel geschrieben.</translation>
    </message>
    <message>
        <source>Date and time at which the script is rendered (examples for the date 08-05-2000 05:06:07;</source>
        <translation>Datum und Uhrzeit, zu der das Skript erstellt wird (Beispiele für den 08-05-2000 05:06:07;</translation>
    </message>
    <message>
        <source>names of days and months in your language):</source>
        <translation>Namen der Tage und Monate in Ihrer Sprache):</translation>
    </message>
    <message>
        <source>&lt;DATE_DDDD&gt;  full name of the weekday     Monday</source>
        <translation>&lt;DATE_DDDD&gt;  Name des Wochentags           Montag</translation>
    </message>
    <message>
        <source>&lt;DATE_DD&gt;    day of the month             08</source>
        <translation>&lt;DATE_DD&gt;    Tag des Monats               08</translation>
    </message>
    <message>
        <source>&lt;DATE_MMMM&gt;  full name of the month       May</source>
        <translation>&lt;DATE_MMMM&gt;  Name des Monats              Mai</translation>
    </message>
    <message>
        <source>&lt;DATE_MM&gt;    month                        05</source>
        <translation>&lt;DATE_MM&gt;    Monat                        05</translation>
    </message>
    <message>
        <source>&lt;DATE_YYYY&gt;  year                         2000</source>
        <translation>&lt;DATE_YYYY&gt;  Jahr                         2000</translation>
    </message>
    <message>
        <source>&lt;DATE_YY&gt;    year, two digits             00</source>
        <translation>&lt;DATE_YY&gt;    Jahr, zweistellig            00</translation>
    </message>
    <message>
        <source>&lt;DATE_HH&gt;    hour (24-hour clock)         05</source>
        <translation>&lt;DATE_HH&gt;    Stunde (24 Stunden)          05</translation>
    </message>
    <message>
        <source>&lt;DATE_H&gt;     hour without leading zero    5</source>
        <translation>&lt;DATE_H&gt;     Stunde ohne führende Null    5</translation>
    </message>
    <message>
        <source>&lt;DATE_NN&gt;    minute                       06</source>
        <translation>&lt;DATE_NN&gt;    Minute                       06</translation>
    </message>
    <message>
        <source>&lt;DATE_N&gt;     minute without leading zero  6</source>
        <translation>&lt;DATE_N&gt;     Minute ohne führende Null    6</translation>
    </message>
    <message>
        <source>&lt;DATE_SS&gt;    second                       07</source>
        <translation>&lt;DATE_SS&gt;    Sekunde                      07</translation>
    </message>
    <message>
        <source>&lt;DATE_S&gt;     second without leading zero  7</source>
        <translation>&lt;DATE_S&gt;     Sekunde ohne führende Null   7</translation>
    </message>
    <message>
        <source>Colours of the four palette panels, as numbers 0 to 255 without leading zeros:</source>
        <translation>Farben der vier Palettenfelder, als Zahlen 0 bis 255 ohne führende Nullen:</translation>
    </message>
    <message>
        <source>&lt;C1R&gt; &lt;C1G&gt; &lt;C1B&gt;  colour 1; &lt;C2R&gt; ... &lt;C4B&gt; likewise for colours 2 to 4.</source>
        <translation>&lt;C1R&gt; &lt;C1G&gt; &lt;C1B&gt;  Farbe 1; &lt;C2R&gt; ... &lt;C4B&gt; ebenso für die Farben 2 bis 4.</translation>
    </message>
    <message>
        <source>  The R tag gives the byte in which the colour value keeps blue, and the B tag the byte</source>
        <translation>  Das R-Tag liefert das Byte, in dem der Farbwert Blau hält, und das B-Tag das Byte</translation>
    </message>
    <message>
        <source>  that keeps red; G is green. For grey colours all three are the same.</source>
        <translation>  mit Rot; G ist Grün. Bei Grautönen sind alle drei gleich.</translation>
    </message>
    <message>
        <source>Arithmetic, whole numbers, worked strictly from left to right (2 ADD 3 MUL 4 gives 20):</source>
        <translation>Rechnen mit ganzen Zahlen, streng von links nach rechts (2 ADD 3 MUL 4 ergibt 20):</translation>
    </message>
    <message>
        <source>&lt;MATH_START&gt;     starts a calculation; the value tags that follow (time, chapter, date,</source>
        <translation>&lt;MATH_START&gt;     beginnt eine Rechnung; die folgenden Wert-Tags (Zeit, Kapitel, Datum,</translation>
    </message>
    <message>
        <source>                 colour, SUB_NR, START= and the others) feed it instead of being written</source>
        <translation>                 Farbe, SUB_NR, START= und die anderen) fließen ein, statt geschrieben zu werden</translation>
    </message>
    <message>
        <source>&lt;MATH_VALUE=n&gt;   the number n</source>
        <translation>&lt;MATH_VALUE=n&gt;   die Zahl n</translation>
    </message>
    <message>
        <source>&lt;MATH_ADD&gt; &lt;MATH_SUB&gt; &lt;MATH_MUL&gt; &lt;MATH_DIV&gt;   add, subtract, multiply, divide (the</source>
        <translation>&lt;MATH_ADD&gt; &lt;MATH_SUB&gt; &lt;MATH_MUL&gt; &lt;MATH_DIV&gt;   addieren, subtrahieren, multiplizieren,</translation>
    </message>
    <message>
        <source>                 division drops the fraction)</source>
        <translation>                 dividieren (die Division lässt den Rest weg)</translation>
    </message>
    <message>
        <source>&lt;MATH_WIDTH=n&gt;   pads the result with leading zeros to n characters; place it after</source>
        <translation>&lt;MATH_WIDTH=n&gt;   füllt das Ergebnis mit führenden Nullen auf n Zeichen; nach</translation>
    </message>
    <message>
        <source>                 MATH_START (MATH_START clears it)</source>
        <translation>                 MATH_START setzen (MATH_START löscht es)</translation>
    </message>
    <message>
        <source>&lt;MATH_RESULT&gt;    writes the result and ends the calculation</source>
        <translation>&lt;MATH_RESULT&gt;    schreibt das Ergebnis und beendet die Rechnung</translation>
    </message>
    <message>
        <source>Example: &lt;MATH_START&gt;&lt;CC&gt;&lt;MATH_MUL&gt;&lt;MATH_VALUE=10&gt;&lt;MATH_ADD&gt;&lt;SS&gt;</source>
        <translation>Beispiel: &lt;MATH_START&gt;&lt;CC&gt;&lt;MATH_MUL&gt;&lt;MATH_VALUE=10&gt;&lt;MATH_ADD&gt;&lt;SS&gt;</translation>
    </message>
    <message>
        <source>followed by &lt;MATH_RESULT&gt; writes 37 in chapter 3 at second 07.</source>
        <translation>gefolgt von &lt;MATH_RESULT&gt; schreibt in Kapitel 3 bei Sekunde 07 die Zahl 37.</translation>
    </message>
    <message>
        <source>A calculation left without MATH_RESULT takes in the values of the following subtitles</source>
        <translation>Eine Rechnung ohne MATH_RESULT nimmt die Werte der folgenden Untertitel auf,</translation>
    </message>
    <message>
        <source>until the next MATH_START or MATH_RESULT. A text that is no number (a day name, say) or a</source>
        <translation>bis zum nächsten MATH_START oder MATH_RESULT. Ein Text, der keine Zahl ist (etwa ein Tagesname),</translation>
    </message>
    <message>
        <source>division by zero stops the rendering with a message.</source>
        <translation>oder eine Division durch null hält das Erstellen mit einer Meldung an.</translation>
    </message>
    <message>
        <source>E&amp;xit without saving     </source>
        <translation>&amp;Beenden ohne Speichern     </translation>
    </message>
    <message>
        <source>Exit and &amp;save     </source>
        <translation>Beenden und &amp;speichern     </translation>
    </message>
    <message>
        <source>Open existing ini     </source>
        <translation>Vorhandene INI öffnen     </translation>
    </message>
    <message>
        <source>&amp;Clear all     </source>
        <translation>&amp;Alles leeren     </translation>
    </message>
    <message>
        <source>INI Name :</source>
        <translation>INI-Name :</translation>
    </message>
    <message>
        <source> Header (once)</source>
        <translation> Kopfteil (einmal)</translation>
    </message>
    <message>
        <source> Repeating subpicture structure </source>
        <translation> Wiederholter Teil je Untertitel </translation>
    </message>
    <message>
        <source> Footer (once) </source>
        <translation> Fußteil (einmal) </translation>
    </message>
    <message>
        <source>Open existing ini</source>
        <translation>Vorhandene INI öffnen</translation>
    </message>
    <message>
        <source>Save output format</source>
        <translation>Ausgabeformat speichern</translation>
    </message>
    <message>
        <source>Output INI Editor</source>
        <translation>Editor für Ausgabeformate</translation>
    </message>
    <message>
        <source>ini (*.ini);;all files (*)</source>
        <translation>ini (*.ini);;alle Dateien (*)</translation>
    </message>
    <message numerus="yes">
        <source> Header (once) (%n lines)</source>
        <translation>
            <numerusform> Kopfteil (einmal) (%n Zeile)</numerusform>
            <numerusform> Kopfteil (einmal) (%n Zeilen)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source> Repeating subpicture structure (%n lines)</source>
        <translation>
            <numerusform> Wiederholter Teil je Untertitel (%n Zeile)</numerusform>
            <numerusform> Wiederholter Teil je Untertitel (%n Zeilen)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source> Footer (once) (%n lines)</source>
        <translation>
            <numerusform> Fußteil (einmal) (%n Zeile)</numerusform>
            <numerusform> Fußteil (einmal) (%n Zeilen)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>quelm::TToolList</name>
    <message>
        <source>Tools</source>
        <translation>Werkzeuge</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>&amp;New...</source>
        <translation>&amp;Neu...</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>Choose a program</source>
        <translation>Programm wählen</translation>
    </message>
    <message>
        <source>%1 is not an executable program</source>
        <translation>%1 ist kein ausführbares Programm</translation>
    </message>
    <message>
        <source>Edit tools</source>
        <translation>Werkzeuge bearbeiten</translation>
    </message>
    <message>
        <source>Programs (*);;Scripts (*.sh *.py *.pl);;All files (*)</source>
        <translation>Programme (*);;Skripte (*.sh *.py *.pl);;Alle Dateien (*)</translation>
    </message>
</context>
<context>
    <name>quelm::TVobSubToBmp</name>
    <message>
        <source>reading...</source>
        <translation>lese...</translation>
    </message>
    <message>
        <source>Retrieving subpicture from :</source>
        <translation>Lese das Untertitelbild aus:</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>&amp;Stopp</translation>
    </message>
    <message>
        <source>decoding...</source>
        <translation>dekodiere...</translation>
    </message>
</context>
<context>
    <name>quelm::core</name>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>file too short for a BMP header</source>
        <translation>Datei zu kurz für einen BMP-Kopf</translation>
    </message>
    <message>
        <source>not a BMP file (no &quot;BM&quot; signature)</source>
        <translation>keine BMP-Datei (keine Signatur „BM“)</translation>
    </message>
    <message>
        <source>unsupported info header size %1</source>
        <translation>nicht unterstützte Größe des Info-Kopfs: %1</translation>
    </message>
    <message>
        <source>info header runs past the end of the file</source>
        <translation>der Info-Kopf reicht über das Dateiende hinaus</translation>
    </message>
    <message>
        <source>invalid size %1 x %2</source>
        <translation>ungültige Größe %1 x %2</translation>
    </message>
    <message>
        <source>size %1 x %2 exceeds the limit of %3</source>
        <translation>die Größe %1 x %2 überschreitet die Grenze von %3</translation>
    </message>
    <message>
        <source>plane count %1 is not 1</source>
        <translation>Ebenenzahl %1 ist nicht 1</translation>
    </message>
    <message>
        <source>unsupported depth of %1 bits per pixel</source>
        <translation>nicht unterstützte Farbtiefe von %1 Bit pro Pixel</translation>
    </message>
    <message>
        <source>colour masks run past the end of the file</source>
        <translation>die Farbmasken reichen über das Dateiende hinaus</translation>
    </message>
    <message>
        <source>unsupported colour masks</source>
        <translation>nicht unterstützte Farbmasken</translation>
    </message>
    <message>
        <source>compressed BMP files (compression %1) are not supported</source>
        <translation>komprimierte BMP-Dateien (Kompression %1) werden nicht unterstützt</translation>
    </message>
    <message>
        <source>palette of %1 colours for %2 bits per pixel</source>
        <translation>Palette mit %1 Farben bei %2 Bit pro Pixel</translation>
    </message>
    <message>
        <source>palette runs past the end of the file</source>
        <translation>die Palette reicht über das Dateiende hinaus</translation>
    </message>
    <message>
        <source>pixel data offset %1 overlaps the palette</source>
        <translation>der Beginn der Pixeldaten (%1) überlappt die Palette</translation>
    </message>
    <message>
        <source>pixel data offset %1 overlaps the header</source>
        <translation>der Beginn der Pixeldaten (%1) überlappt den Kopf</translation>
    </message>
    <message>
        <source>pixel data (%1 bytes at offset %2) runs past the end of the file (%3 bytes)</source>
        <translation>die Pixeldaten (%1 Byte ab Position %2) reichen über das Dateiende hinaus (%3 Byte)</translation>
    </message>
    <message>
        <source>pixel refers to colour %1 of a palette of %2</source>
        <translation>ein Pixel verweist auf Farbe %1 einer Palette mit %2 Farben</translation>
    </message>
    <message>
        <source>file not found</source>
        <translation>Datei nicht gefunden</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>keine reguläre Datei</translation>
    </message>
    <message>
        <source>file too large</source>
        <translation>Datei zu groß</translation>
    </message>
    <message>
        <source>cannot read the file</source>
        <translation>die Datei kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>Cannot create file %1</source>
        <translation>Datei %1 kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>it is no DVD image or drive with a VIDEO_TS directory that can be read</source>
        <translation>es ist kein lesbares DVD-Abbild oder Laufwerk mit einem VIDEO_TS-Verzeichnis</translation>
    </message>
    <message>
        <source>the disc holds no VIDEO_TS/%1</source>
        <translation>die Disc enthält kein VIDEO_TS/%1</translation>
    </message>
    <message>
        <source>the disc&apos;s VIDEO_TS/%1 cannot be opened</source>
        <translation>VIDEO_TS/%1 der Disc kann nicht geöffnet werden</translation>
    </message>
    <message>
        <source>the disc&apos;s VIDEO_TS/%1 is too large for an IFO</source>
        <translation>VIDEO_TS/%1 der Disc ist zu groß für eine IFO-Datei</translation>
    </message>
    <message>
        <source>the disc&apos;s VIDEO_TS/%1 cannot be read</source>
        <translation>VIDEO_TS/%1 der Disc kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>a read before the start of the file</source>
        <translation>ein Lesezugriff vor dem Dateianfang</translation>
    </message>
    <message>
        <source>the disc is encrypted (block %1 is scrambled) and this program does not decrypt discs</source>
        <translation>die Disc ist verschlüsselt (Block %1 ist verwürfelt), und dieses Programm entschlüsselt keine Discs</translation>
    </message>
    <message>
        <source>the image or drive gives no block %1 (a damaged or cut image, or a drive refusing it, as drives do on an encrypted disc)</source>
        <translation>das Abbild oder Laufwerk liefert Block %1 nicht (ein beschädigtes oder abgeschnittenes Abbild, oder ein Laufwerk verweigert ihn, wie bei verschlüsselten Discs üblich)</translation>
    </message>
    <message>
        <source>Unable to write to %1</source>
        <translation>In %1 kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>Stream write error</source>
        <translation>Fehler beim Schreiben</translation>
    </message>
    <message>
        <source>not an ordinary file</source>
        <translation>keine gewöhnliche Datei</translation>
    </message>
    <message>
        <source>this build cannot read disc images</source>
        <translation>diese Version kann keine Disc-Abbilder lesen</translation>
    </message>
    <message>
        <source>Cannot read %1: %2</source>
        <translation>%1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>The PGS display set at byte %1 is damaged: %2</source>
        <translation>Der PGS-Anzeigesatz bei Byte %1 ist beschädigt: %2</translation>
    </message>
    <message>
        <source>File opening error!</source>
        <translation>Fehler beim Öffnen der Datei!</translation>
    </message>
    <message>
        <source>DEBUGMODE: invalid sequence in control header ... </source>
        <translation>DEBUGMODE: ungültige Folge im Steuerkopf ... </translation>
    </message>
    <message>
        <source>out of memory</source>
        <translation>nicht genug Speicher</translation>
    </message>
    <message>
        <source>no Matroska header (%1)</source>
        <translation>kein Matroska-Kopf (%1)</translation>
    </message>
    <message>
        <source>the file is cut short: it ends at byte %1, its Matroska segment at byte %2</source>
        <translation>die Datei ist abgeschnitten: sie endet bei Byte %1, ihr Matroska-Segment bei Byte %2</translation>
    </message>
    <message>
        <source>damaged Matroska data near byte %1 (%2)</source>
        <translation>beschädigte Matroska-Daten bei Byte %1 (%2)</translation>
    </message>
    <message>
        <source>this build cannot read Matroska files</source>
        <translation>diese Version kann keine Matroska-Dateien lesen</translation>
    </message>
    <message>
        <source>a segment header is cut off after byte %1</source>
        <translation>ein Segmentkopf ist nach Byte %1 abgeschnitten</translation>
    </message>
    <message>
        <source>segment %1 at byte %2 claims %3 bytes, %4 follow</source>
        <translation>Segment %1 bei Byte %2 gibt %3 Byte an, es folgen %4</translation>
    </message>
    <message>
        <source>a window segment is shorter than its windows</source>
        <translation>ein Fenstersegment ist kürzer als seine Fenster</translation>
    </message>
    <message>
        <source>an end segment without a composition before it</source>
        <translation>ein Endsegment ohne vorangehende Komposition</translation>
    </message>
    <message>
        <source>unknown segment type %1</source>
        <translation>unbekannter Segmenttyp %1</translation>
    </message>
    <message>
        <source>a composition segment is shorter than 11 bytes</source>
        <translation>ein Kompositionssegment ist kürzer als 11 Byte</translation>
    </message>
    <message>
        <source>a composition for a frame of %1 x %2 pixels</source>
        <translation>eine Komposition für ein Bild von %1 x %2 Pixeln</translation>
    </message>
    <message>
        <source>a composition segment ends inside its object %1</source>
        <translation>ein Kompositionssegment endet innerhalb seines Objekts %1</translation>
    </message>
    <message>
        <source>a composition segment ends inside its object %1&apos;s cropping</source>
        <translation>ein Kompositionssegment endet innerhalb des Zuschnitts seines Objekts %1</translation>
    </message>
    <message>
        <source>a palette segment is shorter than 2 bytes</source>
        <translation>ein Palettensegment ist kürzer als 2 Byte</translation>
    </message>
    <message>
        <source>a palette segment ends inside an entry</source>
        <translation>ein Palettensegment endet innerhalb eines Eintrags</translation>
    </message>
    <message>
        <source>an object segment is shorter than 4 bytes</source>
        <translation>ein Objektsegment ist kürzer als 4 Byte</translation>
    </message>
    <message>
        <source>object %1&apos;s first segment is shorter than 11 bytes</source>
        <translation>das erste Segment von Objekt %1 ist kürzer als 11 Byte</translation>
    </message>
    <message>
        <source>object %1 of %2 x %3 pixels and %4 bytes</source>
        <translation>Objekt %1 mit %2 x %3 Pixeln und %4 Byte</translation>
    </message>
    <message>
        <source>a continuation of object %1 without its first segment</source>
        <translation>eine Fortsetzung von Objekt %1 ohne sein erstes Segment</translation>
    </message>
    <message>
        <source>object %1 has more data than its %2 bytes</source>
        <translation>Objekt %1 hat mehr Daten als seine %2 Byte</translation>
    </message>
    <message>
        <source>object %1 has more than %2 bytes</source>
        <translation>Objekt %1 hat mehr als %2 Byte</translation>
    </message>
    <message>
        <source>cannot read from byte %1: %2</source>
        <translation>ab Byte %1 nicht lesbar: %2</translation>
    </message>
    <message>
        <source>no PGS segment at byte %1</source>
        <translation>kein PGS-Segment bei Byte %1</translation>
    </message>
    <message>
        <source>the file ends inside the segment at byte %1</source>
        <translation>die Datei endet innerhalb des Segments bei Byte %1</translation>
    </message>
    <message>
        <source>it holds no PGS composition</source>
        <translation>sie enthält keine PGS-Komposition</translation>
    </message>
    <message>
        <source>the display set at byte %1 has %2 bytes</source>
        <translation>der Anzeigesatz bei Byte %1 hat %2 Byte</translation>
    </message>
    <message>
        <source>it is read as packs, not unit by unit</source>
        <translation>sie wird paketweise gelesen, nicht Einheit für Einheit</translation>
    </message>
    <message>
        <source>Cannot open file %1 (%2)</source>
        <translation>Datei %1 kann nicht geöffnet werden (%2)</translation>
    </message>
    <message>
        <source>Cannot read the dictionary %1: not a file</source>
        <translation>Das Wörterbuch %1 kann nicht gelesen werden: keine Datei</translation>
    </message>
    <message>
        <source>Cannot read the dictionary %1: file too large</source>
        <translation>Das Wörterbuch %1 kann nicht gelesen werden: Datei zu groß</translation>
    </message>
    <message>
        <source>Cannot read the dictionary %1</source>
        <translation>Das Wörterbuch %1 kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>Cannot write the dictionary %1: %2</source>
        <translation>Das Wörterbuch %1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>%1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>%1 is not a file</source>
        <translation>%1 ist keine Datei</translation>
    </message>
    <message>
        <source>%1 is too large to be a dictionary</source>
        <translation>%1 ist zu groß für ein Wörterbuch</translation>
    </message>
    <message>
        <source>Cannot read %1</source>
        <translation>%1 kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>no look-alike rules for language &apos;%1&apos; (%2)</source>
        <translation>keine Regeln für ähnlich aussehende Zeichen für die Sprache „%1“ (%2)</translation>
    </message>
    <message>
        <source>%1 does not exist</source>
        <translation>%1 existiert nicht</translation>
    </message>
    <message>
        <source>%1 is too large</source>
        <translation>%1 ist zu groß</translation>
    </message>
    <message>
        <source>%1 is too large for a records file</source>
        <translation>%1 ist zu groß für eine Datensatzdatei</translation>
    </message>
    <message>
        <source>%1, line %2: %3</source>
        <translation>%1, Zeile %2: %3</translation>
    </message>
    <message>
        <source>not UTF-8 text</source>
        <translation>kein UTF-8-Text</translation>
    </message>
    <message>
        <source>%1 inside the record begun on line %2</source>
        <translation>%1 innerhalb des in Zeile %2 begonnenen Datensatzes</translation>
    </message>
    <message>
        <source>%1 without a record</source>
        <translation>%1 ohne Datensatz</translation>
    </message>
    <message>
        <source>a record needs a time code and a chapter line</source>
        <translation>ein Datensatz braucht einen Zeitcode und eine Kapitelzeile</translation>
    </message>
    <message>
        <source>text outside a record (expected %1)</source>
        <translation>Text außerhalb eines Datensatzes (erwartet: %1)</translation>
    </message>
    <message>
        <source>the record begun here has no %1 (the file is cut short)</source>
        <translation>der hier begonnene Datensatz hat kein %1 (die Datei ist abgeschnitten)</translation>
    </message>
    <message>
        <source>Cannot create file %1: %2</source>
        <translation>Datei %1 kann nicht angelegt werden: %2</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>„%1“ ist keine gültige Ganzzahl</translation>
    </message>
    <message>
        <source>Division by zero</source>
        <translation>Division durch null</translation>
    </message>
    <message>
        <source>IFO is damaged: %1</source>
        <translation>IFO ist beschädigt: %1</translation>
    </message>
    <message>
        <source>the file cannot be read</source>
        <translation>die Datei kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>it ends before the subpicture stream count</source>
        <translation>sie endet vor der Anzahl der Untertitelspuren</translation>
    </message>
    <message>
        <source>%1 subpicture streams, at most 32 exist; the first 32 are shown</source>
        <translation>%1 Untertitelspuren, es gibt höchstens 32; die ersten 32 werden gezeigt</translation>
    </message>
    <message>
        <source>it ends inside the subpicture stream list</source>
        <translation>sie endet innerhalb der Liste der Untertitelspuren</translation>
    </message>
    <message>
        <source>it ends before the program chain table pointer</source>
        <translation>sie endet vor dem Verweis auf die Programmkettentabelle</translation>
    </message>
    <message>
        <source>the program chain table lies outside the file</source>
        <translation>die Programmkettentabelle liegt außerhalb der Datei</translation>
    </message>
    <message>
        <source>the first program chain lies outside the file</source>
        <translation>die erste Programmkette liegt außerhalb der Datei</translation>
    </message>
    <message>
        <source>the chapter table lies outside the file</source>
        <translation>die Kapiteltabelle liegt außerhalb der Datei</translation>
    </message>
    <message>
        <source>Files found</source>
        <translation>Gefundene Dateien</translation>
    </message>
    <message>
        <source>none</source>
        <translation>keine</translation>
    </message>
    <message>
        <source>Directories</source>
        <translation>Verzeichnisse</translation>
    </message>
    <message>
        <source>VOB        : %1</source>
        <translation>VOB          : %1</translation>
    </message>
    <message>
        <source>Output     : %1</source>
        <translation>Ausgabe      : %1</translation>
    </message>
    <message>
        <source>Dictionary : %1</source>
        <translation>Wörterbuch   : %1</translation>
    </message>
    <message>
        <source>Languages</source>
        <translation>Sprachen</translation>
    </message>
    <message>
        <source>Streams : %1</source>
        <translation>Spuren : %1</translation>
    </message>
    <message>
        <source>Chapter lengths</source>
        <translation>Kapitellängen</translation>
    </message>
    <message>
        <source>none; switched to manual selection</source>
        <translation>keine; auf manuelle Auswahl umgestellt</translation>
    </message>
    <message>
        <source>VobSub : %1</source>
        <translation>VobSub : %1</translation>
    </message>
    <message>
        <source>Frame : %1x%2</source>
        <translation>Bild : %1x%2</translation>
    </message>
    <message>
        <source>File : %1</source>
        <translation>Datei : %1</translation>
    </message>
    <message>
        <source>%1Frame : %2x%3</source>
        <translation>%1Bild : %2x%3</translation>
    </message>
    <message>
        <source>not a &apos;key: value&apos; line</source>
        <translation>keine Zeile der Form „Schlüssel: Wert“</translation>
    </message>
    <message>
        <source>the palette needs 16 colours of six hex digits</source>
        <translation>die Palette braucht 16 Farben aus je sechs Hexadezimalziffern</translation>
    </message>
    <message>
        <source>the delay is not [-]hh:mm:ss:ms</source>
        <translation>die Verzögerung hat nicht die Form [-]hh:mm:ss:ms</translation>
    </message>
    <message>
        <source>%1: %2 more damaged lines of %3</source>
        <translation>%1: %2 weitere beschädigte Zeilen von %3</translation>
    </message>
    <message>
        <source>%1 line %2: %3; the line is skipped</source>
        <translation>%1 Zeile %2: %3; die Zeile wird übergangen</translation>
    </message>
    <message>
        <source>the size is not WIDTHxHEIGHT (at most 4096x4096)</source>
        <translation>die Größe hat nicht die Form BREITExHÖHE (höchstens 4096x4096)</translation>
    </message>
    <message>
        <source>custom colors is not &apos;ON|OFF, tridx: bbbb, colors: c0, c1, c2, c3&apos;</source>
        <translation>custom colors hat nicht die Form „ON|OFF, tridx: bbbb, colors: c0, c1, c2, c3“</translation>
    </message>
    <message>
        <source>the id line is not &apos;id: LANGUAGE, index: 0..31&apos;</source>
        <translation>die id-Zeile hat nicht die Form „id: SPRACHE, index: 0..31“</translation>
    </message>
    <message>
        <source>stream index %1 is named twice</source>
        <translation>Spurindex %1 wird zweimal genannt</translation>
    </message>
    <message>
        <source>the language code is longer than 8 letters</source>
        <translation>der Sprachcode ist länger als 8 Buchstaben</translation>
    </message>
    <message>
        <source>a timestamp before any &apos;id:&apos; line</source>
        <translation>ein timestamp vor jeder „id:“-Zeile</translation>
    </message>
    <message>
        <source>the timestamp line is not &apos;timestamp: hh:mm:ss:ms, filepos: HEX&apos;</source>
        <translation>die timestamp-Zeile hat nicht die Form „timestamp: hh:mm:ss:ms, filepos: HEX“</translation>
    </message>
    <message>
        <source>it holds a zero byte: this is no text</source>
        <translation>sie enthält ein Nullbyte: das ist kein Text</translation>
    </message>
    <message>
        <source>%1: the file cannot be read</source>
        <translation>%1: die Datei kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>%1: larger than %2 MB; the rest is not read</source>
        <translation>%1: größer als %2 MB; der Rest wird nicht gelesen</translation>
    </message>
    <message>
        <source>VOB Root</source>
        <translation>Vob/Ifo-Verzeichnis</translation>
    </message>
    <message>
        <source>Output Root</source>
        <translation>Ausgabeverzeichnis</translation>
    </message>
    <message>
        <source>Dictionary Root</source>
        <translation>Wörterbuchverzeichnis</translation>
    </message>
    <message>
        <source>empty file name</source>
        <translation>leerer Dateiname</translation>
    </message>
    <message>
        <source>it is a directory</source>
        <translation>es ist ein Verzeichnis</translation>
    </message>
    <message>
        <source>This build has no OCR engine</source>
        <translation>Diese Version hat keine Texterkennungs-Engine</translation>
    </message>
    <message>
        <source>No OCR data for &apos;%1&apos;; install tesseract-ocr-%2</source>
        <translation>Keine Texterkennungsdaten für „%1“; installieren Sie tesseract-ocr-%2</translation>
    </message>
    <message>
        <source>No OCR data for &apos;%1&apos;; using English</source>
        <translation>Keine Texterkennungsdaten für „%1“; Englisch wird verwendet</translation>
    </message>
    <message>
        <source>The OCR engine could not start with &apos;%1&apos;</source>
        <translation>Die Texterkennungs-Engine konnte mit „%1“ nicht starten</translation>
    </message>
</context>
</TS>
