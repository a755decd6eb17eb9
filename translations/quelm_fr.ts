<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>QtUserInteraction</name>
    <message>
        <source>Titles (*.vob *.VOB *.iso *.ISO *.idx *.sub *.mkv *.mks *.sup)</source>
        <translation>Titres (*.vob *.VOB *.iso *.ISO *.idx *.sub *.mkv *.mks *.sup)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Tous les fichiers (*)</translation>
    </message>
</context>
<context>
    <name>quelm::TAbout</name>
    <message>
        <source>picture subtitles of a DVD</source>
        <translation>les sous-titres en images</translation>
    </message>
    <message>
        <source>turned into a text script</source>
        <translation>d&apos;un DVD changés en texte</translation>
    </message>
    <message>
        <source>written by Vennor</source>
        <translation>écrit par Vennor</translation>
    </message>
    <message>
        <source>Quelm reads the subtitles</source>
        <translation>Quelm lit les sous-titres</translation>
    </message>
    <message>
        <source>of a DVD title set, learns</source>
        <translation>d&apos;un titre de DVD, apprend</translation>
    </message>
    <message>
        <source>every letter you show it</source>
        <translation>chaque lettre que vous lui</translation>
    </message>
    <message>
        <source>and writes the text in the</source>
        <translation>montrez et écrit le texte</translation>
    </message>
    <message>
        <source>format you choose.</source>
        <translation>au format de votre choix.</translation>
    </message>
    <message>
        <source>--- thanks ---</source>
        <translation>--- merci ---</translation>
    </message>
    <message>
        <source>to everyone who tried the</source>
        <translation>à tous ceux qui ont testé</translation>
    </message>
    <message>
        <source>early builds and told us</source>
        <translation>les premières versions et</translation>
    </message>
    <message>
        <source>where they went wrong,</source>
        <translation>signalé leurs défauts,</translation>
    </message>
    <message>
        <source>to the translators of the</source>
        <translation>aux traducteurs des</translation>
    </message>
    <message>
        <source>language files,</source>
        <translation>fichiers de langue,</translation>
    </message>
    <message>
        <source>to all who wrote their own</source>
        <translation>à tous ceux qui ont écrit</translation>
    </message>
    <message>
        <source>output formats and shared</source>
        <translation>et partagé leurs propres</translation>
    </message>
    <message>
        <source>them,</source>
        <translation>formats de sortie,</translation>
    </message>
    <message>
        <source>to the patient people who</source>
        <translation>aux gens patients qui lui</translation>
    </message>
    <message>
        <source>taught it a thousand</source>
        <translation>ont appris mille lettres,</translation>
    </message>
    <message>
        <source>letters, one by one,</source>
        <translation>une par une,</translation>
    </message>
    <message>
        <source>and to you, for reading</source>
        <translation>et à vous, qui avez lu</translation>
    </message>
    <message>
        <source>this far.</source>
        <translation>jusqu&apos;ici.</translation>
    </message>
    <message>
        <source>--- a word of advice ---</source>
        <translation>--- un conseil ---</translation>
    </message>
    <message>
        <source>keep your dictionary</source>
        <translation>gardez votre dictionnaire</translation>
    </message>
    <message>
        <source>safe: it is your work.</source>
        <translation>à l&apos;abri : c&apos;est votre travail.</translation>
    </message>
    <message>
        <source>Quelm is free to use.</source>
        <translation>Quelm est gratuit.</translation>
    </message>
    <message>
        <source>Enjoy your films!</source>
        <translation>Bons films !</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
</context>
<context>
    <name>quelm::TChooseDir</name>
    <message>
        <source>Choose Directory</source>
        <translation>Choisir un dossier</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>quelm::TEditDictionary</name>
    <message>
        <source>Named automatically, not yet confirmed</source>
        <translation>Nommées automatiquement, pas encore confirmées</translation>
    </message>
    <message>
        <source>Dictionary</source>
        <translation>Dictionnaire</translation>
    </message>
    <message>
        <source>&amp;Find:</source>
        <translation>&amp;Chercher :</translation>
    </message>
    <message>
        <source>text of an entry</source>
        <translation>texte d&apos;une entrée</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Update textoutput too?</source>
        <translation>Mettre aussi à jour le texte de sortie ?</translation>
    </message>
    <message>
        <source>unreadable file</source>
        <translation>fichier illisible</translation>
    </message>
    <message>
        <source>file missing</source>
        <translation>fichier manquant</translation>
    </message>
    <message>
        <source>Delete %1</source>
        <translation>Supprimer %1</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Confirmer</translation>
    </message>
    <message>
        <source>suggested: %1</source>
        <translation>suggéré : %1</translation>
    </message>
    <message>
        <source>(empty)</source>
        <translation>(vide)</translation>
    </message>
    <message>
        <source>No text: this shape is read as nothing</source>
        <translation>Sans texte : cette forme est omise à la lecture</translation>
    </message>
    <message>
        <source>All entries (%1)</source>
        <translation>Toutes les entrées (%1)</translation>
    </message>
    <message>
        <source>Empty text (%1)</source>
        <translation>Sans texte (%1)</translation>
    </message>
    <message>
        <source>Unconfirmed (%1)</source>
        <translation>Non confirmées (%1)</translation>
    </message>
    <message>
        <source>Do you really want to delete &quot;%1&quot; [%2] ?</source>
        <translation>Voulez-vous vraiment supprimer « %1 » [%2] ?</translation>
    </message>
    <message>
        <source>Close without saving the changes?</source>
        <translation>Fermer sans enregistrer les modifications ?</translation>
    </message>
    <message>
        <source>Shown: %1 of %2</source>
        <translation>Affichées : %1 sur %2</translation>
    </message>
    <message>
        <source>Entries: %1</source>
        <translation>Entrées : %1</translation>
    </message>
</context>
<context>
    <name>quelm::TIFOInfo</name>
    <message>
        <source>reading ...</source>
        <translation>lecture ...</translation>
    </message>
    <message>
        <source>Retrieving language info from :</source>
        <translation>Lecture des langues depuis :</translation>
    </message>
</context>
<context>
    <name>quelm::TMain</name>
    <message>
        <source>subtitles to text</source>
        <translation>des sous-titres au texte</translation>
    </message>
    <message>
        <source>change...</source>
        <translation>changer...</translation>
    </message>
    <message>
        <source>Vob/Ifo root</source>
        <translation>Dossier Vob/Ifo</translation>
    </message>
    <message>
        <source>Output root</source>
        <translation>Dossier de sortie</translation>
    </message>
    <message>
        <source>same as vob root</source>
        <translation>comme le dossier Vob</translation>
    </message>
    <message>
        <source>Dictionary root</source>
        <translation>Dossier du dictionnaire</translation>
    </message>
    <message>
        <source>same as vob root (not recommended)</source>
        <translation>comme le dossier Vob (déconseillé)</translation>
    </message>
    <message>
        <source>VOB root info</source>
        <translation>Contenu du dossier Vob</translation>
    </message>
    <message>
        <source>Subtitle language</source>
        <translation>Langue des sous-titres</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>Manuel</translation>
    </message>
    <message>
        <source>Select vobfile</source>
        <translation>Choisir le fichier vob</translation>
    </message>
    <message>
        <source>List of vobfiles</source>
        <translation>Liste des fichiers vob</translation>
    </message>
    <message>
        <source>add</source>
        <translation>ajouter</translation>
    </message>
    <message>
        <source>delete</source>
        <translation>retirer</translation>
    </message>
    <message>
        <source>first</source>
        <translation>premier</translation>
    </message>
    <message>
        <source>back</source>
        <translation>retour</translation>
    </message>
    <message>
        <source>next</source>
        <translation>suivant</translation>
    </message>
    <message>
        <source>all</source>
        <translation>tous</translation>
    </message>
    <message>
        <source>File position</source>
        <translation>Position dans le fichier</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Temps</translation>
    </message>
    <message>
        <source>Chapter</source>
        <translation>Chapitre</translation>
    </message>
    <message>
        <source>save bitmap as...</source>
        <translation>sauver l&apos;image...</translation>
    </message>
    <message>
        <source>auto save</source>
        <translation>enreg. auto</translation>
    </message>
    <message>
        <source>1 bit</source>
        <translation>1 bit</translation>
    </message>
    <message>
        <source>4 bit</source>
        <translation>4 bits</translation>
    </message>
    <message>
        <source>Colors</source>
        <translation>Couleurs</translation>
    </message>
    <message>
        <source>double click to change</source>
        <translation>double-cliquer pour changer</translation>
    </message>
    <message>
        <source>foregroundcolor</source>
        <translation>couleur des caractères</translation>
    </message>
    <message>
        <source>backgroundcolor</source>
        <translation>couleur du fond</translation>
    </message>
    <message>
        <source>Auto colordetection</source>
        <translation>Détection auto des couleurs</translation>
    </message>
    <message>
        <source>if checked colorsettimgs are done by autodetection</source>
        <translation>si coché, les couleurs sont détectées automatiquement</translation>
    </message>
    <message>
        <source>OCR</source>
        <translation>Reconnaissance</translation>
    </message>
    <message>
        <source>Width of space character (pixels) :</source>
        <translation>Largeur de l&apos;espace (pixels) :</translation>
    </message>
    <message>
        <source>automatic</source>
        <translation>automatique</translation>
    </message>
    <message>
        <source>Interlace</source>
        <translation>Entrelacement</translation>
    </message>
    <message>
        <source>Enable OCR on found subtitle</source>
        <translation>Reconnaissance des sous-titres trouvés</translation>
    </message>
    <message>
        <source>Automatic close OCR window</source>
        <translation>Fermer automatiquement la fenêtre de reconnaissance</translation>
    </message>
    <message>
        <source> Learn </source>
        <translation> Apprendre </translation>
    </message>
    <message>
        <source>while reading</source>
        <translation>pendant la lecture</translation>
    </message>
    <message>
        <source>after reading</source>
        <translation>après la lecture</translation>
    </message>
    <message>
        <source>automatically</source>
        <translation>automatiquement</translation>
    </message>
    <message>
        <source>Script</source>
        <translation>Script</translation>
    </message>
    <message>
        <source>clear</source>
        <translation>effacer</translation>
    </message>
    <message>
        <source>save to ...</source>
        <translation>enregistrer sous ...</translation>
    </message>
    <message>
        <source>Save the script (%1)</source>
        <translation>Enregistrer le script (%1)</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Save script as...</source>
        <translation>&amp;Enregistrer le script sous...</translation>
    </message>
    <message>
        <source>S&amp;ave bitmap as...</source>
        <translation>Enregistrer l&apos;&amp;image sous...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Settings</source>
        <translation>&amp;Réglages</translation>
    </message>
    <message>
        <source>&amp;Directories</source>
        <translation>&amp;Dossiers</translation>
    </message>
    <message>
        <source>&amp;VOB/IFO root...</source>
        <translation>Dossier &amp;VOB/IFO...</translation>
    </message>
    <message>
        <source>&amp;Output root...</source>
        <translation>Dossier de &amp;sortie...</translation>
    </message>
    <message>
        <source>&amp;Dictionary root...</source>
        <translation>Dossier du &amp;dictionnaire...</translation>
    </message>
    <message>
        <source>&amp;Colors</source>
        <translation>&amp;Couleurs</translation>
    </message>
    <message>
        <source>&amp;%1. Color %1...</source>
        <translation>&amp;%1. Couleur %1...</translation>
    </message>
    <message>
        <source>Character color</source>
        <translation>Couleur des caractères</translation>
    </message>
    <message>
        <source>Background color</source>
        <translation>Couleur du fond</translation>
    </message>
    <message>
        <source>&amp;Autodetect</source>
        <translation>&amp;Détection automatique</translation>
    </message>
    <message>
        <source>&amp;Manual selections</source>
        <translation>Choix &amp;manuels</translation>
    </message>
    <message>
        <source>Manual &amp;language</source>
        <translation>&amp;Langue manuelle</translation>
    </message>
    <message>
        <source>Manual &amp;vob</source>
        <translation>Fichier &amp;vob manuel</translation>
    </message>
    <message>
        <source>&amp;Subtitle language</source>
        <translation>&amp;Langue des sous-titres</translation>
    </message>
    <message>
        <source>&amp;Vob file selection...</source>
        <translation>Choix du fichier &amp;vob...</translation>
    </message>
    <message>
        <source>Position caching</source>
        <translation>Mémoriser les positions</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>Activé</translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation>Désactivé</translation>
    </message>
    <message>
        <source>&amp;OCR</source>
        <translation>&amp;Reconnaissance</translation>
    </message>
    <message>
        <source>&amp;Enable OCR recognision</source>
        <translation>&amp;Activer la reconnaissance</translation>
    </message>
    <message>
        <source>&amp;Automatic close OCR window</source>
        <translation>&amp;Fermer automatiquement la fenêtre de reconnaissance</translation>
    </message>
    <message>
        <source>Suggestion language</source>
        <translation>Langue des suggestions</translation>
    </message>
    <message>
        <source>GUI &amp;Language</source>
        <translation>Langue de l&apos;&amp;interface</translation>
    </message>
    <message>
        <source>&amp;Dictionary</source>
        <translation>&amp;Dictionnaire</translation>
    </message>
    <message>
        <source>&amp;Edit entries...</source>
        <translation>&amp;Modifier les entrées...</translation>
    </message>
    <message>
        <source>&amp;Update textoutput...</source>
        <translation>Mettre à &amp;jour le texte...</translation>
    </message>
    <message>
        <source>Learn &amp;while reading VOB</source>
        <translation>Apprendre &amp;pendant la lecture du VOB</translation>
    </message>
    <message>
        <source>Learn &amp;after reading VOB</source>
        <translation>Apprendre &amp;après la lecture du VOB</translation>
    </message>
    <message>
        <source>Learn a&amp;utomatically</source>
        <translation>Apprendre a&amp;utomatiquement</translation>
    </message>
    <message>
        <source>&amp;Output</source>
        <translation>&amp;Sortie</translation>
    </message>
    <message>
        <source>&amp;Edit (new) format...</source>
        <translation>&amp;Modifier un format (nouveau)...</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>&amp;Outils</translation>
    </message>
    <message>
        <source>&amp;Edit tools...</source>
        <translation>&amp;Modifier les outils...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;À propos...</translation>
    </message>
    <message>
        <source>DVD VOB Files (*.vob);;All files (*)</source>
        <translation>Fichiers VOB de DVD (*.vob);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>DVD VOB Files (*.vob);;DVD images (*.iso);;Blu-ray subtitles (*.sup);;All files (*)</source>
        <translation>Fichiers VOB de DVD (*.vob);;Images de DVD (*.iso);;Sous-titres Blu-ray (*.sup);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Bitmaps (*.bmp)</source>
        <translation>Images (*.bmp)</translation>
    </message>
    <message>
        <source>Last file in list reached!</source>
        <translation>Dernier fichier de la liste atteint !</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>forced only</source>
        <translation>forcés seulement</translation>
    </message>
    <message>
        <source>only the subtitles the disc forces on screen go into the script</source>
        <translation>seuls les sous-titres que le disque impose à l&apos;écran vont dans le script</translation>
    </message>
    <message>
        <source>fix look-alikes</source>
        <translation>corriger les lettres semblables</translation>
    </message>
    <message>
        <source>letters one shape stands for (I l |, O 0) are chosen by the stream language&apos;s words; the records and the dictionary keep what was recognised</source>
        <translation>les lettres qui se ressemblent (I l |, O 0) sont choisies d&apos;après les mots de la langue du flux ; les enregistrements et le dictionnaire gardent ce qui a été reconnu</translation>
    </message>
    <message>
        <source>Open &amp;title...</source>
        <translation>Ouvrir un &amp;titre...</translation>
    </message>
    <message>
        <source>&amp;Getting started</source>
        <translation>&amp;Premiers pas</translation>
    </message>
    <message>
        <source>Choose the folder of a title (File &gt; Open title...), then press first</source>
        <translation>Choisissez le dossier d&apos;un titre (Fichier &gt; Ouvrir un titre...), puis appuyez sur premier</translation>
    </message>
    <message>
        <source>The last file is read. File &gt; Save script as... saves the script</source>
        <translation>Le dernier fichier est lu. Fichier &gt; Enregistrer le script sous... enregistre le script</translation>
    </message>
    <message>
        <source>Press first to read the first subtitle, or all to read them all</source>
        <translation>Appuyez sur premier pour lire le premier sous-titre, ou sur tous pour tout lire</translation>
    </message>
    <message>
        <source>Subtitle %1 read. Press next or all to go on; File &gt; Save script as... saves the script</source>
        <translation>Sous-titre %1 lu. Continuez avec suivant ou tous ; Fichier &gt; Enregistrer le script sous... enregistre le script</translation>
    </message>
    <message>
        <source>Reading all: subtitle %1, %2 % of the file, %3:%4 elapsed</source>
        <translation>Lecture de tous : sous-titre %1, %2 % du fichier, %3:%4 écoulé</translation>
    </message>
    <message>
        <source>Open title</source>
        <translation>Ouvrir un titre</translation>
    </message>
    <message>
        <source>No such file or directory: %1</source>
        <translation>Fichier ou dossier introuvable : %1</translation>
    </message>
    <message>
        <source>%1 holds no VOB file of a title.</source>
        <translation>%1 ne contient aucun fichier VOB d&apos;un titre.</translation>
    </message>
    <message numerus="yes">
        <source>All subtitles are read: %n in this run.</source>
        <translation>
            <numerusform>Tous les sous-titres sont lus : %n pendant cette lecture.</numerusform>
            <numerusform>Tous les sous-titres sont lus : %n pendant cette lecture.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The file is read: %n subtitle(s) in this run. Press all to read the next file.</source>
        <translation>
            <numerusform>Le fichier est lu : %n sous-titre pendant cette lecture. Appuyez sur tous pour lire le fichier suivant.</numerusform>
            <numerusform>Le fichier est lu : %n sous-titres pendant cette lecture. Appuyez sur tous pour lire le fichier suivant.</numerusform>
        </translation>
    </message>
    <message>
        <source>The script holds subtitles of another stream.
Start a new script for this one?</source>
        <translation>Le script contient des sous-titres d&apos;un autre flux.
Commencer un nouveau script pour celui-ci ?</translation>
    </message>
    <message>
        <source>Cannot start %1</source>
        <translation>Impossible de lancer %1</translation>
    </message>
    <message>
        <source>From the subtitle stream</source>
        <translation>Celle du flux de sous-titres</translation>
    </message>
    <message>
        <source>English (eng)</source>
        <translation>Anglais (eng)</translation>
    </message>
    <message>
        <source>German (deu)</source>
        <translation>Allemand (deu)</translation>
    </message>
    <message>
        <source>French (fra)</source>
        <translation>Français (fra)</translation>
    </message>
    <message>
        <source>: nothing is suggested</source>
        <translation> : aucune suggestion</translation>
    </message>
    <message>
        <source>No dictionary root is set: choose one under Settings, Directories, Dictionary root.</source>
        <translation>Aucun dossier de dictionnaire n&apos;est défini : choisissez-en un dans Réglages, Dossiers, Dossier du dictionnaire.</translation>
    </message>
    <message>
        <source>Quelm records (*.records);;All files (*)</source>
        <translation>Enregistrements Quelm (*.records);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Save your work so you can continue later?</source>
        <translation>Enregistrer votre travail pour le reprendre plus tard ?</translation>
    </message>
    <message>
        <source>The script holds records that have not been saved.
Save them before opening others?</source>
        <translation>Le script contient des enregistrements non sauvegardés.
Les sauvegarder avant d&apos;en ouvrir d&apos;autres ?</translation>
    </message>
    <message>
        <source>Save &amp;records as...</source>
        <translation>Sa&amp;uvegarder les enregistrements sous...</translation>
    </message>
    <message>
        <source>&amp;Open records...</source>
        <translation>&amp;Ouvrir des enregistrements...</translation>
    </message>
    <message>
        <source>Save records as</source>
        <translation>Sauvegarder les enregistrements sous</translation>
    </message>
    <message>
        <source>Open records</source>
        <translation>Ouvrir des enregistrements</translation>
    </message>
    <message>
        <source>No record could be read:</source>
        <translation>Aucun enregistrement n&apos;a pu être lu :</translation>
    </message>
    <message>
        <source>These damaged lines and their records were left out:</source>
        <translation>Ces lignes abîmées et leurs enregistrements ont été laissés de côté :</translation>
    </message>
    <message>
        <source>... and %1 more</source>
        <translation>... et %1 de plus</translation>
    </message>
    <message>
        <source>Save script as</source>
        <translation>Enregistrer le script sous</translation>
    </message>
    <message>
        <source>Plain text (UTF-8)</source>
        <translation>Texte brut (UTF-8)</translation>
    </message>
    <message>
        <source>Rich text (RTF)</source>
        <translation>Texte enrichi (RTF)</translation>
    </message>
    <message>
        <source>Cannot create file %1</source>
        <translation>Impossible de créer le fichier %1</translation>
    </message>
    <message>
        <source>Auto colordetection needs four unique colors!<byte value="xd"/>Reset colors to default settings and proceed?</source>
        <translation>La détection auto des couleurs demande quatre couleurs différentes !</translation>
    </message>
    <message>
        <source>Cannot open file %1 (%2)</source>
        <translation>Impossible d&apos;ouvrir le fichier %1 (%2)</translation>
    </message>
    <message>
        <source>subtitlenr. %1</source>
        <translation>sous-titre n° %1</translation>
    </message>
    <message>
        <source>U&amp;ndo last answer</source>
        <translation>A&amp;nnuler la dernière réponse</translation>
    </message>
    <message>
        <source>Getting started

1. File &gt; Open title...: choose the folder of a title (the disc&apos;s folder or its VIDEO_TS), a VOB file, a disc image or a VobSub file.
2. Choose the subtitle language, then press first: the program shows the first subtitle and asks for each character it does not know yet. Type it and press Enter (Ctrl+Z takes a wrong answer back, also after the window has closed).
3. Press all: the rest is read; known characters are not asked again.
4. File &gt; Save script as... saves the script (SubRip by default; the Output menu holds the other formats).</source>
        <translation>Premiers pas

1. Fichier &gt; Ouvrir un titre... : choisissez le dossier d&apos;un titre (le dossier du disque ou son VIDEO_TS), un fichier VOB, une image disque ou un fichier VobSub.
2. Choisissez la langue des sous-titres, puis appuyez sur premier : le programme montre le premier sous-titre et demande chaque caractère qu&apos;il ne connaît pas encore. Tapez-le et appuyez sur Entrée (Ctrl+Z reprend une réponse erronée, même après la fermeture de la fenêtre).
3. Appuyez sur tous : le reste est lu ; les caractères connus ne sont plus demandés.
4. Fichier &gt; Enregistrer le script sous... enregistre le script (en SubRip par défaut ; le menu Sortie propose les autres formats).</translation>
    </message>
</context>
<context>
    <name>quelm::TOCR</name>
    <message>
        <source>OCR</source>
        <translation>Reconnaissance</translation>
    </message>
    <message>
        <source>Found character:</source>
        <translation>Caractère trouvé :</translation>
    </message>
    <message>
        <source>Type the character(s) in the red frame, then Enter</source>
        <translation>Tapez le ou les caractères du cadre rouge, puis Entrée</translation>
    </message>
    <message>
        <source>Textline in subpicture</source>
        <translation>Ligne de texte du sous-titre</translation>
    </message>
    <message>
        <source>Skip character</source>
        <translation>Passer le caractère</translation>
    </message>
    <message>
        <source>Skip textline</source>
        <translation>Passer la ligne</translation>
    </message>
    <message>
        <source>Change color</source>
        <translation>Changer la couleur</translation>
    </message>
    <message>
        <source>Keep these colors</source>
        <translation>Garder ces couleurs</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>Interrompre</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Undo last answer</source>
        <translation>Annuler la dernière réponse</translation>
    </message>
    <message>
        <source>Suggested from the word: %1</source>
        <translation>Suggéré d&apos;après le mot : %1</translation>
    </message>
    <message>
        <source>Nothing was typed for the character in the red frame.

Ignore this shape from now on? It is then learned as standing for nothing and left out wherever it occurs, which is right for a speck of dust.

No: back to the question.</source>
        <translation>Rien n&apos;a été tapé pour le caractère du cadre rouge.

Ignorer désormais cette forme ? Elle est alors apprise comme ne valant rien et omise partout où elle apparaît, ce qui convient à une poussière.

Non : retour à la question.</translation>
    </message>
    <message>
        <source>Forget the last answer and ask about its character again (Ctrl+Z)</source>
        <translation>Oublier la dernière réponse et redemander son caractère (Ctrl+Z)</translation>
    </message>
</context>
<context>
    <name>quelm::TOutputIniEditor</name>
    <message>
        <source>A tag is between the characters &lt; and &gt;. Use &lt;&lt; if you want to add a hard &lt; character and &gt;&gt; for a hard &gt; character.</source>
        <translation>Une balise se place entre les caractères &lt; et &gt;. Écrivez &lt;&lt; pour un vrai caractère &lt; et &gt;&gt; pour un vrai caractère &gt;.</translation>
    </message>
    <message>
        <source>You can use the following tags that will be filled with the data found in the subpictures:</source>
        <translation>Vous pouvez employer les balises suivantes, remplies avec les données des sous-titres images :</translation>
    </message>
    <message>
        <source>Only the body (the repeating subpicture structure) is filled; header and footer are copied as they stand.</source>
        <translation>Seule la partie répétée est remplie ; l&apos;en-tête et le pied sont recopiés tels quels.</translation>
    </message>
    <message>
        <source>Tag names may be written in any case. Characters after a name are ignored (&lt;CRX&gt; is &lt;CR&gt;); a blank after &lt; or a name not listed here writes nothing.</source>
        <translation>Les noms de balises s&apos;écrivent en majuscules ou minuscules. Les caractères après un nom sont ignorés (&lt;CRX&gt; vaut &lt;CR&gt;) ; un espace après &lt; ou un nom absent de cette liste n&apos;écrit rien.</translation>
    </message>
    <message>
        <source>Time code of the subpicture (hh:mm:ss):</source>
        <translation>Code temporel du sous-titre (hh:mm:ss) :</translation>
    </message>
    <message>
        <source>&lt;HH&gt;   hours, two digits. An offset may follow: &lt;HH+1&gt; or &lt;HH1&gt; adds an hour, &lt;HH-2&gt;</source>
        <translation>&lt;HH&gt;   heures, deux chiffres. Un décalage peut suivre : &lt;HH+1&gt; ou &lt;HH1&gt; ajoute une heure,</translation>
    </message>
    <message>
        <source>       subtracts two. There is no wrap at 24 or 60; hour 01 with &lt;HH-2&gt; gives 0-1.</source>
        <translation>       &lt;HH-2&gt; en retire deux. Pas de retour à zéro à 24 ou 60 ; l&apos;heure 01 avec &lt;HH-2&gt; donne 0-1.</translation>
    </message>
    <message>
        <source>&lt;H&gt;    the first digit of the hours only (0 for 05); takes no offset</source>
        <translation>&lt;H&gt;    seulement le premier chiffre des heures (0 pour 05) ; sans décalage</translation>
    </message>
    <message>
        <source>&lt;MM&gt;   minutes, two digits, offset as with &lt;HH&gt;</source>
        <translation>&lt;MM&gt;   minutes, deux chiffres, décalage comme pour &lt;HH&gt;</translation>
    </message>
    <message>
        <source>&lt;M&gt;    the first digit of the minutes</source>
        <translation>&lt;M&gt;    le premier chiffre des minutes</translation>
    </message>
    <message>
        <source>&lt;SS&gt;   seconds, two digits, offset as with &lt;HH&gt;</source>
        <translation>&lt;SS&gt;   secondes, deux chiffres, décalage comme pour &lt;HH&gt;</translation>
    </message>
    <message>
        <source>&lt;S&gt;    the first digit of the seconds</source>
        <translation>&lt;S&gt;    le premier chiffre des secondes</translation>
    </message>
    <message>
        <source>Chapter:</source>
        <translation>Chapitre :</translation>
    </message>
    <message>
        <source>&lt;CC&gt;   chapter, two digits (7 gives 07), offset as with &lt;HH&gt;: &lt;CC1&gt; in chapter 12 gives 13</source>
        <translation>&lt;CC&gt;   chapitre, deux chiffres (7 donne 07), décalage comme pour &lt;HH&gt; : &lt;CC1&gt; au chapitre 12 donne 13</translation>
    </message>
    <message>
        <source>&lt;C&gt;    the first character of the chapter number (the chapter itself below 10)</source>
        <translation>&lt;C&gt;    le premier caractère du numéro de chapitre (le chapitre lui-même en dessous de 10)</translation>
    </message>
    <message>
        <source>&lt;CR&gt;   ends the script line here; the rest of the body line starts a new one</source>
        <translation>&lt;CR&gt;   termine ici la ligne du script ; la suite de la ligne en commence une nouvelle</translation>
    </message>
    <message>
        <source>How the text lines of a subpicture are put together (without these tags they are joined</source>
        <translation>Comment les lignes de texte d&apos;un sous-titre sont assemblées (sans ces balises, elles sont</translation>
    </message>
    <message>
        <source>on one line with &quot; | &quot; between them):</source>
        <translation>réunies sur une ligne, séparées par &quot; | &quot;) :</translation>
    </message>
    <message>
        <source>&lt;SUBPIC_SPLT=text&gt;  all text lines on one script line with text between them;</source>
        <translation>&lt;SUBPIC_SPLT=texte&gt; toutes les lignes sur une ligne du script, texte entre elles ;</translation>
    </message>
    <message>
        <source>                    &lt;SUBPIC_SPLT=&gt; with nothing after = joins them with nothing</source>
        <translation>                    &lt;SUBPIC_SPLT=&gt; sans rien après = les colle sans séparateur</translation>
    </message>
    <message>
        <source>&lt;SUBPIC_BOLN=text&gt;  one script line per text line, text put before each line</source>
        <translation>&lt;SUBPIC_BOLN=texte&gt; une ligne du script par ligne de texte, texte avant chaque ligne</translation>
    </message>
    <message>
        <source>&lt;SUBPIC_EOLN=text&gt;  one script line per text line, text put after each line</source>
        <translation>&lt;SUBPIC_EOLN=texte&gt; une ligne du script par ligne de texte, texte après chaque ligne</translation>
    </message>
    <message>
        <source>Note: Use only SUBPIC_SPLT or use SUBPIC_BOLN with SUBPIC_EOLN. If you mix them the last tag counts! Use them before your SUBPIC tag!</source>
        <translation>Remarque : employez soit SUBPIC_SPLT seul, soit SUBPIC_BOLN avec SUBPIC_EOLN. En cas de mélange, la dernière balise compte ! Placez-les avant la balise SUBPIC !</translation>
    </message>
    <message>
        <source>&lt;SUBPIC&gt;  the recognised text lines. Text before it on the body line prefixes the first</source>
        <translation>&lt;SUBPIC&gt;  les lignes de texte reconnues. Le texte placé avant précède la première</translation>
    </message>
    <message>
        <source>          line, text after it follows the last. Example: &lt;SUBPIC_BOLN=- &gt;&lt;SUBPIC_EOLN=;&gt;</source>
        <translation>          ligne, le texte placé après suit la dernière. Exemple : &lt;SUBPIC_BOLN=- &gt;&lt;SUBPIC_EOLN=;&gt;</translation>
    </message>
    <message>
        <source>          [&lt;SUBPIC&gt;] gives [- line 1;  then  - line 2;  then  - line 3;]</source>
        <translation>          [&lt;SUBPIC&gt;] donne [- ligne 1;  puis  - ligne 2;  puis  - ligne 3;]</translation>
    </message>
    <message>
        <source>          A character missing from the dictionary shows as &lt;ERROR&gt;.</source>
        <translation>          Un caractère absent du dictionnaire apparaît comme &lt;ERROR&gt;.</translation>
    </message>
    <message>
        <source>&lt;SUB_NR&gt;  the subtitle number shown in the main window when the script is rendered</source>
        <translation>&lt;SUB_NR&gt;  le numéro de sous-titre affiché dans la fenêtre principale au rendu du script</translation>
    </message>
    <message>
        <source>          (every subtitle gets the same number)</source>
        <translation>          (tous les sous-titres reçoivent le même numéro)</translation>
    </message>
    <message>
        <source>Exact display times, in milliseconds counted from the first picture of the title:</source>
        <translation>Temps d&apos;affichage exacts, en millisecondes depuis la première image du titre :</translation>
    </message>
    <message>
        <source>&lt;START=fmt&gt;     when the subtitle appears</source>
        <translation>&lt;START=fmt&gt;     quand le sous-titre apparaît</translation>
    </message>
    <message>
        <source>&lt;END=fmt&gt;       when it disappears; a subtitle without an end of its own ends where the</source>
        <translation>&lt;END=fmt&gt;       quand il disparaît ; un sous-titre sans fin propre s&apos;arrête où le</translation>
    </message>
    <message>
        <source>                next one starts, the last one 5 seconds after it started</source>
        <translation>                suivant commence, le dernier 5 secondes après son début</translation>
    </message>
    <message>
        <source>&lt;DURATION=fmt&gt;  how long it is shown</source>
        <translation>&lt;DURATION=fmt&gt;  combien de temps il est affiché</translation>
    </message>
    <message>
        <source>  fmt is text in which h (hours), hh, mm, ss, zzz (milliseconds) and cc (hundredths)</source>
        <translation>  fmt est un texte où h (heures), hh, mm, ss, zzz (millisecondes) et cc (centièmes)</translation>
    </message>
    <message>
        <source>  are replaced: &lt;START=hh:mm:ss,zzz&gt; gives 00:01:23,456 and &lt;END=h:mm:ss.cc&gt; 0:01:26.04.</source>
        <translation>  sont remplacés : &lt;START=hh:mm:ss,zzz&gt; donne 00:01:23,456 et &lt;END=h:mm:ss.cc&gt; 0:01:26.04.</translation>
    </message>
    <message>
        <source>  With nothing after = the milliseconds are written as one number (for MATH_...).</source>
        <translation>  Sans rien après =, les millisecondes sont écrites en un seul nombre (pour MATH_...).</translation>
    </message>
    <message>
        <source>  Subtitles read before exact times were kept take their time code and no fraction.</source>
        <translation>  Les sous-titres lus avant la conservation des temps exacts prennent leur code temporel, sans fraction.</translation>
    </message>
    <message>
        <source>&lt;INDEX&gt;   the subtitle&apos;s number in the script, counting from 1 (0 for the version line)</source>
        <translation>&lt;INDEX&gt;   le numéro du sous-titre dans le script, à partir de 1 (0 pour la ligne de version)</translation>
    </message>
    <message>
        <source>&lt;FORCED&gt;  1 when the disc forces the subtitle on screen, else 0</source>
        <translation>&lt;FORCED&gt;  1 quand le disque impose l&apos;affichage du sous-titre, sinon 0</translation>
    </message>
    <message>
        <source>In the [ini_info] section, skip_version_record=1 leaves out the version line that begins</source>
        <translation>Dans la section [ini_info], skip_version_record=1 omet la ligne de version qui ouvre</translation>
    </message>
    <message>
        <source>every script, as subtitle files need. With &quot;forced only&quot; checked (or quelm-cli convert</source>
        <translation>chaque script, comme l&apos;exigent les fichiers de sous-titres. Avec &quot;forced only&quot; coché (ou quelm-cli convert</translation>
    </message>
    <message>
        <source>--forced-only) only forced subtitles are written.</source>
        <translation>--forced-only), seuls les sous-titres forcés sont écrits.</translation>
    </message>
    <message>
        <source>Date and time at which the script is rendered (examples for the date 08-05-2000 05:06:07;</source>
        <translation>Date et heure du rendu du script (exemples pour le 08-05-2000 05:06:07 ;</translation>
    </message>
    <message>
        <source>names of days and months in your language):</source>
        <translation>noms des jours et des mois dans votre langue) :</translation>
    </message>
    <message>
        <source>&lt;DATE_DDDD&gt;  full name of the weekday     Monday</source>
        <translation>&lt;DATE_DDDD&gt;  nom du jour de la semaine     lundi</translation>
    </message>
    <message>
        <source>&lt;DATE_DD&gt;    day of the month             08</source>
        <translation>&lt;DATE_DD&gt;    jour du mois                 08</translation>
    </message>
    <message>
        <source>&lt;DATE_MMMM&gt;  full name of the month       May</source>
        <translation>&lt;DATE_MMMM&gt;  nom du mois                  mai</translation>
    </message>
    <message>
        <source>&lt;DATE_MM&gt;    month                        05</source>
        <translation>&lt;DATE_MM&gt;    mois                         05</translation>
    </message>
    <message>
        <source>&lt;DATE_YYYY&gt;  year                         2000</source>
        <translation>&lt;DATE_YYYY&gt;  année                        2000</translation>
    </message>
    <message>
        <source>&lt;DATE_YY&gt;    year, two digits             00</source>
        <translation>&lt;DATE_YY&gt;    année, deux chiffres         00</translation>
    </message>
    <message>
        <source>&lt;DATE_HH&gt;    hour (24-hour clock)         05</source>
        <translation>&lt;DATE_HH&gt;    heure (sur 24 heures)        05</translation>
    </message>
    <message>
        <source>&lt;DATE_H&gt;     hour without leading zero    5</source>
        <translation>&lt;DATE_H&gt;     heure sans zéro initial      5</translation>
    </message>
    <message>
        <source>&lt;DATE_NN&gt;    minute                       06</source>
        <translation>&lt;DATE_NN&gt;    minute                       06</translation>
    </message>
    <message>
        <source>&lt;DATE_N&gt;     minute without leading zero  6</source>
        <translation>&lt;DATE_N&gt;     minute sans zéro initial     6</translation>
    </message>
    <message>
        <source>&lt;DATE_SS&gt;    second                       07</source>
        <translation>&lt;DATE_SS&gt;    seconde                      07</translation>
    </message>
    <message>
        <source>&lt;DATE_S&gt;     second without leading zero  7</source>
        <translation>&lt;DATE_S&gt;     seconde sans zéro initial    7</translation>
    </message>
    <message>
        <source>Colours of the four palette panels, as numbers 0 to 255 without leading zeros:</source>
        <translation>Couleurs des quatre cases de la palette, en nombres de 0 à 255 sans zéros initiaux :</translation>
    </message>
    <message>
        <source>&lt;C1R&gt; &lt;C1G&gt; &lt;C1B&gt;  colour 1; &lt;C2R&gt; ... &lt;C4B&gt; likewise for colours 2 to 4.</source>
        <translation>&lt;C1R&gt; &lt;C1G&gt; &lt;C1B&gt;  couleur 1 ; &lt;C2R&gt; ... &lt;C4B&gt; de même pour les couleurs 2 à 4.</translation>
    </message>
    <message>
        <source>  The R tag gives the byte in which the colour value keeps blue, and the B tag the byte</source>
        <translation>  La balise R donne l&apos;octet où la valeur de couleur garde le bleu, et la balise B l&apos;octet</translation>
    </message>
    <message>
        <source>  that keeps red; G is green. For grey colours all three are the same.</source>
        <translation>  qui garde le rouge ; G est le vert. Pour les gris, les trois sont égaux.</translation>
    </message>
    <message>
        <source>Arithmetic, whole numbers, worked strictly from left to right (2 ADD 3 MUL 4 gives 20):</source>
        <translation>Calcul en nombres entiers, strictement de gauche à droite (2 ADD 3 MUL 4 donne 20) :</translation>
    </message>
    <message>
        <source>&lt;MATH_START&gt;     starts a calculation; the value tags that follow (time, chapter, date,</source>
        <translation>&lt;MATH_START&gt;     commence un calcul ; les balises de valeur qui suivent (temps, chapitre, date,</translation>
    </message>
    <message>
        <source>                 colour, SUB_NR, START= and the others) feed it instead of being written</source>
        <translation>                 couleur, SUB_NR, START= et les autres) l&apos;alimentent au lieu d&apos;être écrites</translation>
    </message>
    <message>
        <source>&lt;MATH_VALUE=n&gt;   the number n</source>
        <translation>&lt;MATH_VALUE=n&gt;   le nombre n</translation>
    </message>
    <message>
        <source>&lt;MATH_ADD&gt; &lt;MATH_SUB&gt; &lt;MATH_MUL&gt; &lt;MATH_DIV&gt;   add, subtract, multiply, divide (the</source>
        <translation>&lt;MATH_ADD&gt; &lt;MATH_SUB&gt; &lt;MATH_MUL&gt; &lt;MATH_DIV&gt;   additionner, soustraire, multiplier, diviser</translation>
    </message>
    <message>
        <source>                 division drops the fraction)</source>
        <translation>                 (la division abandonne la partie fractionnaire)</translation>
    </message>
    <message>
        <source>&lt;MATH_WIDTH=n&gt;   pads the result with leading zeros to n characters; place it after</source>
        <translation>&lt;MATH_WIDTH=n&gt;   complète le résultat par des zéros initiaux sur n caractères ; à placer</translation>
    </message>
    <message>
        <source>                 MATH_START (MATH_START clears it)</source>
        <translation>                 après MATH_START (MATH_START l&apos;annule)</translation>
    </message>
    <message>
        <source>&lt;MATH_RESULT&gt;    writes the result and ends the calculation</source>
        <translation>&lt;MATH_RESULT&gt;    écrit le résultat et termine le calcul</translation>
    </message>
    <message>
        <source>Example: &lt;MATH_START&gt;&lt;CC&gt;&lt;MATH_MUL&gt;&lt;MATH_VALUE=10&gt;&lt;MATH_ADD&gt;&lt;SS&gt;</source>
        <translation>Exemple : &lt;MATH_START&gt;&lt;CC&gt;&lt;MATH_MUL&gt;&lt;MATH_VALUE=10&gt;&lt;MATH_ADD&gt;&lt;SS&gt;</translation>
    </message>
    <message>
        <source>followed by &lt;MATH_RESULT&gt; writes 37 in chapter 3 at second 07.</source>
        <translation>suivi de &lt;MATH_RESULT&gt; écrit 37 au chapitre 3 à la seconde 07.</translation>
    </message>
    <message>
        <source>A calculation left without MATH_RESULT takes in the values of the following subtitles</source>
        <translation>Un calcul laissé sans MATH_RESULT reprend les valeurs des sous-titres suivants</translation>
    </message>
    <message>
        <source>until the next MATH_START or MATH_RESULT. A text that is no number (a day name, say) or a</source>
        <translation>jusqu&apos;au prochain MATH_START ou MATH_RESULT. Un texte qui n&apos;est pas un nombre (un nom de jour, par exemple) ou une</translation>
    </message>
    <message>
        <source>division by zero stops the rendering with a message.</source>
        <translation>division par zéro arrête le rendu avec un message.</translation>
    </message>
    <message>
        <source>E&amp;xit without saving     </source>
        <translation>&amp;Quitter sans enregistrer     </translation>
    </message>
    <message>
        <source>Exit and &amp;save     </source>
        <translation>Quitter et &amp;enregistrer     </translation>
    </message>
    <message>
        <source>Open existing ini     </source>
        <translation>Ouvrir un ini existant     </translation>
    </message>
    <message>
        <source>&amp;Clear all     </source>
        <translation>Tout &amp;effacer     </translation>
    </message>
    <message>
        <source>INI Name :</source>
        <translation>Nom INI :</translation>
    </message>
    <message>
        <source> Header (once)</source>
        <translation> En-tête (une fois)</translation>
    </message>
    <message>
        <source> Repeating subpicture structure </source>
        <translation> Partie répétée pour chaque sous-titre </translation>
    </message>
    <message>
        <source> Footer (once) </source>
        <translation> Pied (une fois) </translation>
    </message>
    <message>
        <source>Open existing ini</source>
        <translation>Ouvrir un ini existant</translation>
    </message>
    <message>
        <source>Save output format</source>
        <translation>Enregistrer le format de sortie</translation>
    </message>
    <message>
        <source>Output INI Editor</source>
        <translation>Éditeur de formats de sortie</translation>
    </message>
    <message>
        <source>ini (*.ini);;all files (*)</source>
        <translation>ini (*.ini);;tous les fichiers (*)</translation>
    </message>
    <message numerus="yes">
        <source> Header (once) (%n lines)</source>
        <translation>
            <numerusform> En-tête (une fois) (%n ligne)</numerusform>
            <numerusform> En-tête (une fois) (%n lignes)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source> Repeating subpicture structure (%n lines)</source>
        <translation>
            <numerusform> Partie répétée pour chaque sous-titre (%n ligne)</numerusform>
            <numerusform> Partie répétée pour chaque sous-titre (%n lignes)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source> Footer (once) (%n lines)</source>
        <translation>
            <numerusform> Pied (une fois) (%n ligne)</numerusform>
            <numerusform> Pied (une fois) (%n lignes)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>quelm::TToolList</name>
    <message>
        <source>Tools</source>
        <translation>Outils</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Fichier</translation>
    </message>
    <message>
        <source>&amp;New...</source>
        <translation>&amp;Nouveau...</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Supprimer</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>Choose a program</source>
        <translation>Choisir un programme</translation>
    </message>
    <message>
        <source>%1 is not an executable program</source>
        <translation>%1 n&apos;est pas un programme exécutable</translation>
    </message>
    <message>
        <source>Edit tools</source>
        <translation>Modifier les outils</translation>
    </message>
    <message>
        <source>Programs (*);;Scripts (*.sh *.py *.pl);;All files (*)</source>
        <translation>Programmes (*);;Scripts (*.sh *.py *.pl);;Tous les fichiers (*)</translation>
    </message>
</context>
<context>
    <name>quelm::TVobSubToBmp</name>
    <message>
        <source>reading...</source>
        <translation>lecture...</translation>
    </message>
    <message>
        <source>Retrieving subpicture from :</source>
        <translation>Lecture du sous-titre depuis :</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>&amp;Arrêter</translation>
    </message>
    <message>
        <source>decoding...</source>
        <translation>décodage...</translation>
    </message>
</context>
<context>
    <name>quelm::core</name>
    <message>
        <source>%1: %2</source>
        <translation>%1 : %2</translation>
    </message>
    <message>
        <source>file too short for a BMP header</source>
        <translation>fichier trop court pour un en-tête BMP</translation>
    </message>
    <message>
        <source>not a BMP file (no &quot;BM&quot; signature)</source>
        <translation>pas un fichier BMP (pas de signature « BM »)</translation>
    </message>
    <message>
        <source>unsupported info header size %1</source>
        <translation>taille d&apos;en-tête d&apos;information non prise en charge : %1</translation>
    </message>
    <message>
        <source>info header runs past the end of the file</source>
        <translation>l&apos;en-tête d&apos;information dépasse la fin du fichier</translation>
    </message>
    <message>
        <source>invalid size %1 x %2</source>
        <translation>taille invalide %1 x %2</translation>
    </message>
    <message>
        <source>size %1 x %2 exceeds the limit of %3</source>
        <translation>la taille %1 x %2 dépasse la limite de %3</translation>
    </message>
    <message>
        <source>plane count %1 is not 1</source>
        <translation>le nombre de plans %1 n&apos;est pas 1</translation>
    </message>
    <message>
        <source>unsupported depth of %1 bits per pixel</source>
        <translation>profondeur non prise en charge de %1 bits par pixel</translation>
    </message>
    <message>
        <source>colour masks run past the end of the file</source>
        <translation>les masques de couleur dépassent la fin du fichier</translation>
    </message>
    <message>
        <source>unsupported colour masks</source>
        <translation>masques de couleur non pris en charge</translation>
    </message>
    <message>
        <source>compressed BMP files (compression %1) are not supported</source>
        <translation>les fichiers BMP compressés (compression %1) ne sont pas pris en charge</translation>
    </message>
    <message>
        <source>palette of %1 colours for %2 bits per pixel</source>
        <translation>palette de %1 couleurs pour %2 bits par pixel</translation>
    </message>
    <message>
        <source>palette runs past the end of the file</source>
        <translation>la palette dépasse la fin du fichier</translation>
    </message>
    <message>
        <source>pixel data offset %1 overlaps the palette</source>
        <translation>le début des données de pixels (%1) chevauche la palette</translation>
    </message>
    <message>
        <source>pixel data offset %1 overlaps the header</source>
        <translation>le début des données de pixels (%1) chevauche l&apos;en-tête</translation>
    </message>
    <message>
        <source>pixel data (%1 bytes at offset %2) runs past the end of the file (%3 bytes)</source>
        <translation>les données de pixels (%1 octets à la position %2) dépassent la fin du fichier (%3 octets)</translation>
    </message>
    <message>
        <source>pixel refers to colour %1 of a palette of %2</source>
        <translation>un pixel renvoie à la couleur %1 d&apos;une palette de %2</translation>
    </message>
    <message>
        <source>file not found</source>
        <translation>fichier introuvable</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>file too large</source>
        <translation>fichier trop volumineux</translation>
    </message>
    <message>
        <source>cannot read the file</source>
        <translation>le fichier ne peut pas être lu</translation>
    </message>
    <message>
        <source>Cannot create file %1</source>
        <translation>Impossible de créer le fichier %1</translation>
    </message>
    <message>
        <source>it is no DVD image or drive with a VIDEO_TS directory that can be read</source>
        <translation>ce n&apos;est pas une image ou un lecteur de DVD lisible avec un dossier VIDEO_TS</translation>
    </message>
    <message>
        <source>the disc holds no VIDEO_TS/%1</source>
        <translation>le disque ne contient pas VIDEO_TS/%1</translation>
    </message>
    <message>
        <source>the disc&apos;s VIDEO_TS/%1 cannot be opened</source>
        <translation>VIDEO_TS/%1 du disque ne peut pas être ouvert</translation>
    </message>
    <message>
        <source>the disc&apos;s VIDEO_TS/%1 is too large for an IFO</source>
        <translation>VIDEO_TS/%1 du disque est trop volumineux pour un IFO</translation>
    </message>
    <message>
        <source>the disc&apos;s VIDEO_TS/%1 cannot be read</source>
        <translation>VIDEO_TS/%1 du disque ne peut pas être lu</translation>
    </message>
    <message>
        <source>a read before the start of the file</source>
        <translation>une lecture avant le début du fichier</translation>
    </message>
    <message>
        <source>the disc is encrypted (block %1 is scrambled) and this program does not decrypt discs</source>
        <translation>le disque est chiffré (le bloc %1 est brouillé) et ce programme ne déchiffre pas les disques</translation>
    </message>
    <message>
        <source>the image or drive gives no block %1 (a damaged or cut image, or a drive refusing it, as drives do on an encrypted disc)</source>
        <translation>l&apos;image ou le lecteur ne fournit pas le bloc %1 (image endommagée ou tronquée, ou lecteur qui le refuse, comme sur un disque chiffré)</translation>
    </message>
    <message>
        <source>Unable to write to %1</source>
        <translation>Impossible d&apos;écrire dans %1</translation>
    </message>
    <message>
        <source>Stream write error</source>
        <translation>Erreur d&apos;écriture</translation>
    </message>
    <message>
        <source>not an ordinary file</source>
        <translation>pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>this build cannot read disc images</source>
        <translation>cette version ne sait pas lire les images de disque</translation>
    </message>
    <message>
        <source>Cannot read %1: %2</source>
        <translation>Impossible de lire %1 : %2</translation>
    </message>
    <message>
        <source>The PGS display set at byte %1 is damaged: %2</source>
        <translation>L&apos;ensemble d&apos;affichage PGS à l&apos;octet %1 est endommagé : %2</translation>
    </message>
    <message>
        <source>File opening error!</source>
        <translation>Erreur à l&apos;ouverture du fichier !</translation>
    </message>
    <message>
        <source>DEBUGMODE: invalid sequence in control header ... </source>
        <translation>DEBUGMODE : séquence invalide dans l&apos;en-tête de contrôle ... </translation>
    </message>
    <message>
        <source>out of memory</source>
        <translation>mémoire insuffisante</translation>
    </message>
    <message>
        <source>no Matroska header (%1)</source>
        <translation>pas d&apos;en-tête Matroska (%1)</translation>
    </message>
    <message>
        <source>the file is cut short: it ends at byte %1, its Matroska segment at byte %2</source>
        <translation>le fichier est tronqué : il se termine à l&apos;octet %1, son segment Matroska à l&apos;octet %2</translation>
    </message>
    <message>
        <source>damaged Matroska data near byte %1 (%2)</source>
        <translation>données Matroska endommagées vers l&apos;octet %1 (%2)</translation>
    </message>
    <message>
        <source>this build cannot read Matroska files</source>
        <translation>cette version ne sait pas lire les fichiers Matroska</translation>
    </message>
    <message>
        <source>a segment header is cut off after byte %1</source>
        <translation>un en-tête de segment est tronqué après l&apos;octet %1</translation>
    </message>
    <message>
        <source>segment %1 at byte %2 claims %3 bytes, %4 follow</source>
        <translation>le segment %1 à l&apos;octet %2 annonce %3 octets, %4 suivent</translation>
    </message>
    <message>
        <source>a window segment is shorter than its windows</source>
        <translation>un segment de fenêtres est plus court que ses fenêtres</translation>
    </message>
    <message>
        <source>an end segment without a composition before it</source>
        <translation>un segment de fin sans composition avant lui</translation>
    </message>
    <message>
        <source>unknown segment type %1</source>
        <translation>type de segment inconnu %1</translation>
    </message>
    <message>
        <source>a composition segment is shorter than 11 bytes</source>
        <translation>un segment de composition fait moins de 11 octets</translation>
    </message>
    <message>
        <source>a composition for a frame of %1 x %2 pixels</source>
        <translation>une composition pour une image de %1 x %2 pixels</translation>
    </message>
    <message>
        <source>a composition segment ends inside its object %1</source>
        <translation>un segment de composition se termine au milieu de son objet %1</translation>
    </message>
    <message>
        <source>a composition segment ends inside its object %1&apos;s cropping</source>
        <translation>un segment de composition se termine au milieu du recadrage de son objet %1</translation>
    </message>
    <message>
        <source>a palette segment is shorter than 2 bytes</source>
        <translation>un segment de palette fait moins de 2 octets</translation>
    </message>
    <message>
        <source>a palette segment ends inside an entry</source>
        <translation>un segment de palette se termine au milieu d&apos;une entrée</translation>
    </message>
    <message>
        <source>an object segment is shorter than 4 bytes</source>
        <translation>un segment d&apos;objet fait moins de 4 octets</translation>
    </message>
    <message>
        <source>object %1&apos;s first segment is shorter than 11 bytes</source>
        <translation>le premier segment de l&apos;objet %1 fait moins de 11 octets</translation>
    </message>
    <message>
        <source>object %1 of %2 x %3 pixels and %4 bytes</source>
        <translation>objet %1 de %2 x %3 pixels et %4 octets</translation>
    </message>
    <message>
        <source>a continuation of object %1 without its first segment</source>
        <translation>une suite de l&apos;objet %1 sans son premier segment</translation>
    </message>
    <message>
        <source>object %1 has more data than its %2 bytes</source>
        <translation>l&apos;objet %1 a plus de données que ses %2 octets</translation>
    </message>
    <message>
        <source>object %1 has more than %2 bytes</source>
        <translation>l&apos;objet %1 a plus de %2 octets</translation>
    </message>
    <message>
        <source>cannot read from byte %1: %2</source>
        <translation>lecture impossible à partir de l&apos;octet %1 : %2</translation>
    </message>
    <message>
        <source>no PGS segment at byte %1</source>
        <translation>pas de segment PGS à l&apos;octet %1</translation>
    </message>
    <message>
        <source>the file ends inside the segment at byte %1</source>
        <translation>le fichier se termine au milieu du segment à l&apos;octet %1</translation>
    </message>
    <message>
        <source>it holds no PGS composition</source>
        <translation>il ne contient aucune composition PGS</translation>
    </message>
    <message>
        <source>the display set at byte %1 has %2 bytes</source>
        <translation>l&apos;ensemble d&apos;affichage à l&apos;octet %1 fait %2 octets</translation>
    </message>
    <message>
        <source>it is read as packs, not unit by unit</source>
        <translation>il se lit par paquets, pas unité par unité</translation>
    </message>
    <message>
        <source>Cannot open file %1 (%2)</source>
        <translation>Impossible d&apos;ouvrir le fichier %1 (%2)</translation>
    </message>
    <message>
        <source>Cannot read the dictionary %1: not a file</source>
        <translation>Impossible de lire le dictionnaire %1 : ce n&apos;est pas un fichier</translation>
    </message>
    <message>
        <source>Cannot read the dictionary %1: file too large</source>
        <translation>Impossible de lire le dictionnaire %1 : fichier trop volumineux</translation>
    </message>
    <message>
        <source>Cannot read the dictionary %1</source>
        <translation>Impossible de lire le dictionnaire %1</translation>
    </message>
    <message>
        <source>Cannot write the dictionary %1: %2</source>
        <translation>Impossible d&apos;écrire le dictionnaire %1 : %2</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>Impossible d&apos;écrire %1 : %2</translation>
    </message>
    <message>
        <source>%1 is not a file</source>
        <translation>%1 n&apos;est pas un fichier</translation>
    </message>
    <message>
        <source>%1 is too large to be a dictionary</source>
        <translation>%1 est trop volumineux pour être un dictionnaire</translation>
    </message>
    <message>
        <source>Cannot read %1</source>
        <translation>Impossible de lire %1</translation>
    </message>
    <message>
        <source>no look-alike rules for language &apos;%1&apos; (%2)</source>
        <translation>aucune règle de caractères semblables pour la langue « %1 » (%2)</translation>
    </message>
    <message>
        <source>%1 does not exist</source>
        <translation>%1 n&apos;existe pas</translation>
    </message>
    <message>
        <source>%1 is too large</source>
        <translation>%1 est trop volumineux</translation>
    </message>
    <message>
        <source>%1 is too large for a records file</source>
        <translation>%1 est trop volumineux pour un fichier d&apos;enregistrements</translation>
    </message>
    <message>
        <source>%1, line %2: %3</source>
        <translation>%1, ligne %2 : %3</translation>
    </message>
    <message>
        <source>not UTF-8 text</source>
        <translation>pas du texte UTF-8</translation>
    </message>
    <message>
        <source>%1 inside the record begun on line %2</source>
        <translation>%1 à l&apos;intérieur de l&apos;enregistrement commencé à la ligne %2</translation>
    </message>
    <message>
        <source>%1 without a record</source>
        <translation>%1 sans enregistrement</translation>
    </message>
    <message>
        <source>a record needs a time code and a chapter line</source>
        <translation>un enregistrement a besoin d&apos;un code temporel et d&apos;une ligne de chapitre</translation>
    </message>
    <message>
        <source>text outside a record (expected %1)</source>
        <translation>texte hors d&apos;un enregistrement (attendu : %1)</translation>
    </message>
    <message>
        <source>the record begun here has no %1 (the file is cut short)</source>
        <translation>l&apos;enregistrement commencé ici n&apos;a pas de %1 (le fichier est tronqué)</translation>
    </message>
    <message>
        <source>Cannot create file %1: %2</source>
        <translation>Impossible de créer le fichier %1 : %2</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>« %1 » n&apos;est pas un nombre entier valide</translation>
    </message>
    <message>
        <source>Division by zero</source>
        <translation>Division par zéro</translation>
    </message>
    <message>
        <source>IFO is damaged: %1</source>
        <translation>IFO endommagé : %1</translation>
    </message>
    <message>
        <source>the file cannot be read</source>
        <translation>le fichier ne peut pas être lu</translation>
    </message>
    <message>
        <source>it ends before the subpicture stream count</source>
        <translation>il se termine avant le nombre de flux de sous-titres</translation>
    </message>
    <message>
        <source>%1 subpicture streams, at most 32 exist; the first 32 are shown</source>
        <translation>%1 flux de sous-titres, il en existe 32 au plus ; les 32 premiers sont affichés</translation>
    </message>
    <message>
        <source>it ends inside the subpicture stream list</source>
        <translation>il se termine au milieu de la liste des flux de sous-titres</translation>
    </message>
    <message>
        <source>it ends before the program chain table pointer</source>
        <translation>il se termine avant le pointeur de la table des chaînes de programmes</translation>
    </message>
    <message>
        <source>the program chain table lies outside the file</source>
        <translation>la table des chaînes de programmes est hors du fichier</translation>
    </message>
    <message>
        <source>the first program chain lies outside the file</source>
        <translation>la première chaîne de programmes est hors du fichier</translation>
    </message>
    <message>
        <source>the chapter table lies outside the file</source>
        <translation>la table des chapitres est hors du fichier</translation>
    </message>
    <message>
        <source>Files found</source>
        <translation>Fichiers trouvés</translation>
    </message>
    <message>
        <source>none</source>
        <translation>aucun</translation>
    </message>
    <message>
        <source>Directories</source>
        <translation>Dossiers</translation>
    </message>
    <message>
        <source>VOB        : %1</source>
        <translation>VOB          : %1</translation>
    </message>
    <message>
        <source>Output     : %1</source>
        <translation>Sortie       : %1</translation>
    </message>
    <message>
        <source>Dictionary : %1</source>
        <translation>Dictionnaire : %1</translation>
    </message>
    <message>
        <source>Languages</source>
        <translation>Langues</translation>
    </message>
    <message>
        <source>Streams : %1</source>
        <translation>Flux : %1</translation>
    </message>
    <message>
        <source>Chapter lengths</source>
        <translation>Durées des chapitres</translation>
    </message>
    <message>
        <source>none; switched to manual selection</source>
        <translation>aucune ; passage à la sélection manuelle</translation>
    </message>
    <message>
        <source>VobSub : %1</source>
        <translation>VobSub : %1</translation>
    </message>
    <message>
        <source>Frame : %1x%2</source>
        <translation>Image : %1x%2</translation>
    </message>
    <message>
        <source>File : %1</source>
        <translation>Fichier : %1</translation>
    </message>
    <message>
        <source>%1Frame : %2x%3</source>
        <translation>%1Image : %2x%3</translation>
    </message>
    <message>
        <source>not a &apos;key: value&apos; line</source>
        <translation>pas une ligne « clé : valeur »</translation>
    </message>
    <message>
        <source>the palette needs 16 colours of six hex digits</source>
        <translation>la palette demande 16 couleurs de six chiffres hexadécimaux</translation>
    </message>
    <message>
        <source>the delay is not [-]hh:mm:ss:ms</source>
        <translation>le délai n&apos;est pas de la forme [-]hh:mm:ss:ms</translation>
    </message>
    <message>
        <source>%1: %2 more damaged lines of %3</source>
        <translation>%1 : %2 autres lignes endommagées sur %3</translation>
    </message>
    <message>
        <source>%1 line %2: %3; the line is skipped</source>
        <translation>%1 ligne %2 : %3 ; la ligne est ignorée</translation>
    </message>
    <message>
        <source>the size is not WIDTHxHEIGHT (at most 4096x4096)</source>
        <translation>la taille n&apos;est pas de la forme LARGEURxHAUTEUR (4096x4096 au plus)</translation>
    </message>
    <message>
        <source>custom colors is not &apos;ON|OFF, tridx: bbbb, colors: c0, c1, c2, c3&apos;</source>
        <translation>custom colors n&apos;est pas de la forme « ON|OFF, tridx: bbbb, colors: c0, c1, c2, c3 »</translation>
    </message>
    <message>
        <source>the id line is not &apos;id: LANGUAGE, index: 0..31&apos;</source>
        <translation>la ligne id n&apos;est pas de la forme « id: LANGUE, index: 0..31 »</translation>
    </message>
    <message>
        <source>stream index %1 is named twice</source>
        <translation>l&apos;indice de flux %1 est nommé deux fois</translation>
    </message>
    <message>
        <source>the language code is longer than 8 letters</source>
        <translation>le code de langue dépasse 8 lettres</translation>
    </message>
    <message>
        <source>a timestamp before any &apos;id:&apos; line</source>
        <translation>un timestamp avant toute ligne « id: »</translation>
    </message>
    <message>
        <source>the timestamp line is not &apos;timestamp: hh:mm:ss:ms, filepos: HEX&apos;</source>
        <translation>la ligne timestamp n&apos;est pas de la forme « timestamp: hh:mm:ss:ms, filepos: HEX »</translation>
    </message>
    <message>
        <source>it holds a zero byte: this is no text</source>
        <translation>il contient un octet nul : ce n&apos;est pas du texte</translation>
    </message>
    <message>
        <source>%1: the file cannot be read</source>
        <translation>%1 : le fichier ne peut pas être lu</translation>
    </message>
    <message>
        <source>%1: larger than %2 MB; the rest is not read</source>
        <translation>%1 : plus de %2 Mo ; le reste n&apos;est pas lu</translation>
    </message>
    <message>
        <source>VOB Root</source>
        <translation>Dossier Vob/Ifo</translation>
    </message>
    <message>
        <source>Output Root</source>
        <translation>Dossier de sortie</translation>
    </message>
    <message>
        <source>Dictionary Root</source>
        <translation>Dossier du dictionnaire</translation>
    </message>
    <message>
        <source>empty file name</source>
        <translation>nom de fichier vide</translation>
    </message>
    <message>
        <source>it is a directory</source>
        <translation>c&apos;est un dossier</translation>
    </message>
    <message>
        <source>This build has no OCR engine</source>
        <translation>Cette version n&apos;a pas de moteur de reconnaissance</translation>
    </message>
    <message>
        <source>No OCR data for &apos;%1&apos;; install tesseract-ocr-%2</source>
        <translation>Pas de données de reconnaissance pour « %1 » ; installez tesseract-ocr-%2</translation>
    </message>
    <message>
        <source>No OCR data for &apos;%1&apos;; using English</source>
        <translation>Pas de données de reconnaissance pour « %1 » ; l&apos;anglais est utilisé</translation>
    </message>
    <message>
        <source>The OCR engine could not start with &apos;%1&apos;</source>
        <translation>Le moteur de reconnaissance n&apos;a pas pu démarrer avec « %1 »</translation>
    </message>
</context>
</TS>
