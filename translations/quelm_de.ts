<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
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
        <source>Forget the last answer in this subtitle and ask about its character again (Ctrl+Z)</source>
        <translation>Die letzte Antwort in diesem Untertitel vergessen und erneut nach dem Zeichen fragen (Strg+Z)</translation>
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
</TS>
