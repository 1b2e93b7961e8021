<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="de">
<context>
    <name>AnswerCheck</name>
    <message>
        <source>Incorrect.  Please try again.</source>
        <translation>Falsch. Versuch es noch einmal.</translation>
    </message>
    <message>
        <source>✓ Right!</source>
        <translation>✓ Richtig!</translation>
    </message>
</context>
<context>
    <name>BackForm</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Configure</source>
        <translation>&amp;Einstellungen</translation>
    </message>
    <message>
        <source>&amp;Scores</source>
        <translation>Er&amp;gebnisse</translation>
    </message>
    <message>
        <source>&amp;Progress</source>
        <translation>&amp;Fortschritt</translation>
    </message>
    <message>
        <source>&amp;Music Break</source>
        <translation>&amp;Musikpause</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>Ü&amp;ber</translation>
    </message>
    <message>
        <source>M&amp;ore</source>
        <translation>Meh&amp;r</translation>
    </message>
    <message>
        <source>Send us your &amp;comments</source>
        <translation>Schreib uns deine &amp;Meinung</translation>
    </message>
    <message>
        <source>&amp;Update Notification</source>
        <translation>Hinweis auf &amp;neue Versionen</translation>
    </message>
    <message>
        <source>Music Break</source>
        <translation>Musikpause</translation>
    </message>
</context>
<context>
    <name>Chart</name>
    <message>
        <source>%1%</source>
        <translation>%1 %</translation>
    </message>
</context>
<context>
    <name>ClassOverview</name>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Grade</source>
        <translation>Klasse</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Stufe</translation>
    </message>
    <message>
        <source>Last practice</source>
        <translation>Letzte Übung</translation>
    </message>
    <message>
        <source>Practices in 7 days</source>
        <translation>Übungen in 7 Tagen</translation>
    </message>
    <message>
        <source>%1 known</source>
        <translation>%1 sicher</translation>
    </message>
    <message>
        <source>%1 per minute</source>
        <translation>%1 pro Minute</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Alle</translation>
    </message>
    <message>
        <source>Up to %1</source>
        <translation>Bis %1</translation>
    </message>
    <message>
        <source>Just %1</source>
        <translation>Nur %1</translation>
    </message>
</context>
<context>
    <name>ClassReport</name>
    <message>
        <source>Add.</source>
        <translation>Add.</translation>
    </message>
    <message>
        <source>Sub.</source>
        <translation>Subtr.</translation>
    </message>
    <message>
        <source>Mult.</source>
        <translation>Mult.</translation>
    </message>
    <message>
        <source>Div.</source>
        <translation>Div.</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Grade</source>
        <translation>Klasse</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Stufe</translation>
    </message>
    <message>
        <source>Last</source>
        <translation>Letzte</translation>
    </message>
    <message>
        <source>Practices</source>
        <translation>Übungen</translation>
    </message>
    <message>
        <source>practice</source>
        <translation>Übung</translation>
    </message>
    <message>
        <source>in 7 days</source>
        <translation>in 7 Tagen</translation>
    </message>
    <message>
        <source>known</source>
        <translation>sicher</translation>
    </message>
    <message>
        <source>/min</source>
        <translation>/Min.</translation>
    </message>
    <message>
        <source>All children, %1</source>
        <translation>Alle Kinder, %1</translation>
    </message>
    <message>
        <source>Grade %1, %2</source>
        <translation>Klasse %1, %2</translation>
    </message>
    <message>
        <source>known: facts known of the operation's 100.</source>
        <translation>sicher: sichere Aufgaben der 100 der Rechenart.</translation>
    </message>
    <message>
        <source>/min: right answers per minute over the operation's latest 100 answers.</source>
        <translation>/Min.: richtige Antworten pro Minute in den letzten 100 Antworten der Rechenart.</translation>
    </message>
</context>
<context>
    <name>Config</name>
    <message>
        <source>Configuration</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Auto Advance</source>
        <translation>Automatisch weiter</translation>
    </message>
    <message>
        <source>Grade</source>
        <translation>Klasse</translation>
    </message>
    <message>
        <source>Big drill</source>
        <translation>Großes Rechenfenster</translation>
    </message>
    <message>
        <source>Answer sounds</source>
        <translation>Töne bei Antworten</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>Same as computer</source>
        <translation>Wie der Computer</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Problem Format</source>
        <translation>Aufgabenform</translation>
    </message>
    <message>
        <source>Advancement Criteria</source>
        <translation>Bedingungen zum Aufsteigen</translation>
    </message>
    <message>
        <source>problems right in </source>
        <translation>richtige Aufgaben in </translation>
    </message>
    <message>
        <source>- OR -</source>
        <translation>- ODER -</translation>
    </message>
    <message>
        <source>exersizes with 90% correct</source>
        <translation>Übungen mit 90 % richtig</translation>
    </message>
    <message>
        <source>* Configuring</source>
        <extracomment>the heading of the manual's topic on this window, as the translated manual writes it</extracomment>
        <translation>* Einstellungen</translation>
    </message>
</context>
<context>
    <name>ConfigRules</name>
    <message>
        <source>N/A</source>
        <translation>k. A.</translation>
    </message>
    <message>
        <source>Please set Advancement Criteria</source>
        <translation>Bitte lege die Bedingungen zum Aufsteigen fest</translation>
    </message>
    <message>
        <source>Please type the number of problems right as a whole number from 0 to 999.</source>
        <translation>Bitte gib die Zahl der richtigen Aufgaben als ganze Zahl von 0 bis 999 ein.</translation>
    </message>
    <message>
        <source>Please type the number of exercises as a whole number from 0 to 999.</source>
        <translation>Bitte gib die Zahl der Übungen als ganze Zahl von 0 bis 999 ein.</translation>
    </message>
</context>
<context>
    <name>Define</name>
    <message>
        <source>Define</source>
        <translation>Übung wählen</translation>
    </message>
    <message>
        <source>This screen is where you define which table you want to practice and for how long.  Current settings reflect your last practice session.</source>
        <translation>Hier wählst du, was du üben willst und wie lange. Ausgewählt ist deine letzte Übung.</translation>
    </message>
    <message>
        <source>Table</source>
        <translation>Rechenart</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Alle</translation>
    </message>
    <message>
        <source>Up to...</source>
        <translation>Bis...</translation>
    </message>
    <message>
        <source>Just...</source>
        <translation>Nur...</translation>
    </message>
    <message>
        <source>1 Minute</source>
        <translation>1 Minute</translation>
    </message>
    <message>
        <source>%1 Minutes</source>
        <translation>%1 Minuten</translation>
    </message>
    <message>
        <source>Okay</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>Documentation</name>
    <message>
        <source>Unable to open nbr.DOC</source>
        <translation>nbr.DOC kann nicht geöffnet werden</translation>
    </message>
</context>
<context>
    <name>DrillLayout</name>
    <message>
        <source>÷</source>
        <translation>:</translation>
    </message>
    <message>
        <source>/</source>
        <translation>:</translation>
    </message>
</context>
<context>
    <name>Evaluation</name>
    <message>
        <source>Good job!  You just got your best score!</source>
        <translation>Prima! Das ist dein bestes Ergebnis!</translation>
    </message>
    <message>
        <source>Congratulations! You have met the goal for this level!</source>
        <translation>Glückwunsch! Du hast das Ziel dieser Stufe erreicht!</translation>
    </message>
    <message>
        <source>Congratulations!!! You've met the goals for all your tables!</source>
        <translation>Herzlichen Glückwunsch!!! Du hast die Ziele aller deiner Reihen erreicht!</translation>
    </message>
    <message>
        <source>Great start!  You finished your first practice of this kind!</source>
        <translation>Guter Anfang! Du hast deine erste Übung dieser Art geschafft!</translation>
    </message>
    <message>
        <source>Good job!  You beat your best score!  Now for the goal!</source>
        <translation>Prima! Du hast deinen Rekord geschlagen! Jetzt auf zum Ziel!</translation>
    </message>
    <message>
        <source>So close!  Just a little more to beat your best score!</source>
        <translation>Fast! Nur noch ein bisschen, dann schlägst du deinen Rekord!</translation>
    </message>
</context>
<context>
    <name>GetPlayer</name>
    <message>
        <source>The list of names cannot be read: the file %1 %2. Nothing has been changed. Please ask a grown-up to check the program folder.</source>
        <translation>Die Namensliste kann nicht gelesen werden: Die Datei %1 %2. Es wurde nichts geändert. Bitte frag einen Erwachsenen, den Programmordner zu prüfen.</translation>
    </message>
    <message>
        <source>The list is full: it holds 40 names. Please remove a name before adding a new one.</source>
        <translation>Die Liste ist voll: Sie hat 40 Namen. Bitte entferne einen Namen, bevor du einen neuen hinzufügst.</translation>
    </message>
    <message>
        <source>No more names can be added to this Numbrella: every player key has been used.</source>
        <translation>Diesem Numbrella können keine Namen mehr hinzugefügt werden: Alle Spielerschlüssel sind vergeben.</translation>
    </message>
    <message>
        <source>The list of names could not be saved: the file %1 cannot be written. Please ask a grown-up to check the program folder.</source>
        <translation>Die Namensliste konnte nicht gespeichert werden: Die Datei %1 kann nicht geschrieben werden. Bitte frag einen Erwachsenen, den Programmordner zu prüfen.</translation>
    </message>
    <message>
        <source>Please double-click on your name.</source>
        <translation>Doppelklicke auf deinen Namen.</translation>
    </message>
    <message>
        <source>User list</source>
        <translation>Liste der Spieler</translation>
    </message>
    <message>
        <source>That's me</source>
        <translation>Das bin ich</translation>
    </message>
    <message>
        <source>Click your name and click here to enter</source>
        <translation>Klick auf deinen Namen und dann hier, um anzufangen</translation>
    </message>
    <message>
        <source>Add new name</source>
        <translation>Neuer Name</translation>
    </message>
    <message>
        <source>This adds a new name to the list.</source>
        <translation>Fügt einen neuen Namen zur Liste hinzu.</translation>
    </message>
    <message>
        <source>Edit name</source>
        <translation>Name ändern</translation>
    </message>
    <message>
        <source>Allows you to edit the selected name.</source>
        <translation>Hier änderst du den gewählten Namen.</translation>
    </message>
    <message>
        <source>Remove name from list</source>
        <translation>Namen entfernen</translation>
    </message>
    <message>
        <source>Removes the selected name from the list.</source>
        <translation>Nimmt den gewählten Namen aus der Liste.</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Visit the Numbrella page</source>
        <translation>Zur Numbrella-Seite</translation>
    </message>
    <message>
        <source>Notify me of 'Numbrella' updates</source>
        <translation>Über neue Versionen informieren</translation>
    </message>
    <message>
        <source>Numbrella: practice makes progress</source>
        <translation>Numbrella: Übung macht den Meister</translation>
    </message>
    <message>
        <source>Please click on your name and then click the "That's me" button or just double-click on your name.</source>
        <translation>Klick bitte auf deinen Namen und dann auf „Das bin ich“, oder doppelklicke einfach auf deinen Namen.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Are you sure you want to remove %1 from this list?</source>
        <translation>Willst du %1 wirklich aus der Liste entfernen?</translation>
    </message>
</context>
<context>
    <name>Get_Str</name>
    <message>
        <source>Find</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>String to search for: </source>
        <translation>Gesuchtes Wort: </translation>
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
    <name>Grade</name>
    <message>
        <source>What grade are you in?</source>
        <translation>In welche Klasse gehst du?</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>N/A</source>
        <translation>k. A.</translation>
    </message>
</context>
<context>
    <name>HUTIL2</name>
    <message>
        <source>String not found.</source>
        <translation>Nicht gefunden.</translation>
    </message>
    <message>
        <source>Numbrella Help</source>
        <translation>Numbrella-Hilfe</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>Find Next</source>
        <translation>Weitersuchen</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Table of Contents</source>
        <translation>Inhalt</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>HUTIL3</name>
    <message>
        <source>Numbrella Help</source>
        <translation>Numbrella-Hilfe</translation>
    </message>
    <message>
        <source>Table of Contents</source>
        <translation>Inhalt</translation>
    </message>
    <message>
        <source>Display Topic</source>
        <translation>Thema anzeigen</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>LevelFrame</name>
    <message>
        <source>Current Level</source>
        <translation>Aktuelle Stufe</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Alle</translation>
    </message>
    <message>
        <source>Up to</source>
        <translation>Bis</translation>
    </message>
    <message>
        <source>Just</source>
        <translation>Nur</translation>
    </message>
</context>
<context>
    <name>LineFormat</name>
    <message>
        <source>does not exist</source>
        <translation>gibt es nicht</translation>
    </message>
    <message>
        <source>is a link of another user</source>
        <translation>ist ein Verweis eines anderen Benutzers</translation>
    </message>
    <message>
        <source>is a link to nothing</source>
        <translation>ist ein Verweis ins Leere</translation>
    </message>
    <message>
        <source>cannot be read (%1)</source>
        <translation>kann nicht gelesen werden (%1)</translation>
    </message>
    <message>
        <source>is not a plain file</source>
        <translation>ist keine normale Datei</translation>
    </message>
    <message>
        <source>cannot be read</source>
        <translation>kann nicht gelesen werden</translation>
    </message>
</context>
<context>
    <name>MMControl</name>
    <message>
        <source>Prev</source>
        <translation>Zum Anfang</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Abspielen</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
</context>
<context>
    <name>M_Boxx</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>O</source>
        <comment>OK key</comment>
        <translation>O</translation>
    </message>
    <message>
        <source>Y</source>
        <comment>Yes key</comment>
        <translation>J</translation>
    </message>
    <message>
        <source>N</source>
        <comment>No key</comment>
        <translation>N</translation>
    </message>
</context>
<context>
    <name>Mastery</name>
    <message>
        <source>To practise</source>
        <translation>Zu üben</translation>
    </message>
    <message>
        <source>Learning</source>
        <translation>Am Lernen</translation>
    </message>
    <message>
        <source>Known</source>
        <translation>Sicher</translation>
    </message>
    <message>
        <source>Not yet asked</source>
        <translation>Noch nicht gefragt</translation>
    </message>
</context>
<context>
    <name>MessageBoxes</name>
    <message>
        <source>Your work could not be saved, because your name is no longer on the list of players. Please ask a grown-up for help.</source>
        <translation>Deine Arbeit konnte nicht gespeichert werden, weil dein Name nicht mehr in der Liste der Spieler steht. Bitte frag einen Erwachsenen um Hilfe.</translation>
    </message>
</context>
<context>
    <name>Music</name>
    <message>
        <source>Volume</source>
        <translation>Lautstärke</translation>
    </message>
    <message>
        <source>Music Break</source>
        <translation>Musikpause</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Sorry, but there are no music files.</source>
        <translation>Leider gibt es keine Musikdateien.</translation>
    </message>
    <message>
        <source>I'm sorry but your system doesn't support this function</source>
        <translation>Leider kann dein Computer das nicht.</translation>
    </message>
</context>
<context>
    <name>MusicPieces</name>
    <message>
        <source>No information on this piece of music</source>
        <translation>Keine Angaben zu diesem Musikstück</translation>
    </message>
</context>
<context>
    <name>NewGuy</name>
    <message>
        <source>What is your name?</source>
        <translation>Wie heißt du?</translation>
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
    <name>Practice</name>
    <message>
        <source>Correct</source>
        <translation>Richtig</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>Show Answer</source>
        <translation>Lösung zeigen</translation>
    </message>
    <message>
        <source>Enter</source>
        <translation>Enter</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Your score could not be saved: the file %1 cannot be written. Please ask a grown-up to check the program folder.</source>
        <translation>Dein Ergebnis konnte nicht gespeichert werden: Die Datei %1 kann nicht geschrieben werden. Bitte frag einen Erwachsenen, den Programmordner zu prüfen.</translation>
    </message>
    <message>
        <source>Your answers could not be saved: the file %1 cannot be written. Please ask a grown-up to check the program folder.</source>
        <translation>Deine Antworten konnten nicht gespeichert werden: Die Datei %1 kann nicht geschrieben werden. Bitte frag einen Erwachsenen, den Programmordner zu prüfen.</translation>
    </message>
</context>
<context>
    <name>PracticeRecord</name>
    <message>
        <source>Addition</source>
        <translation>Plus</translation>
    </message>
    <message>
        <source>Subtraction</source>
        <translation>Minus</translation>
    </message>
    <message>
        <source>Multiplication</source>
        <translation>Mal</translation>
    </message>
    <message>
        <source>Division</source>
        <translation>Geteilt</translation>
    </message>
    <message>
        <source>1 minute</source>
        <translation>1 Minute</translation>
    </message>
    <message>
        <source>%1 minutes</source>
        <translation>%1 Minuten</translation>
    </message>
</context>
<context>
    <name>PracticeSheet</name>
    <message>
        <source>÷</source>
        <translation>:</translation>
    </message>
    <message>
        <source>Practice sheet: %1</source>
        <translation>Übungsblatt: %1</translation>
    </message>
    <message>
        <source>%1, the answers</source>
        <translation>%1, die Lösungen</translation>
    </message>
    <message>
        <source>Name: %1</source>
        <translation>Name: %1</translation>
    </message>
    <message>
        <source>Date: %1</source>
        <translation>Datum: %1</translation>
    </message>
    <message>
        <source>Write the answer under the line of each problem. The answers are on page 2.</source>
        <translation>Schreib die Lösung unter den Strich jeder Aufgabe. Die Lösungen stehen auf Seite 2.</translation>
    </message>
    <message>
        <source>Write the answer on the line after each problem. The answers are on page 2.</source>
        <translation>Schreib die Lösung auf die Linie nach jeder Aufgabe. Die Lösungen stehen auf Seite 2.</translation>
    </message>
</context>
<context>
    <name>PrinterDevice</name>
    <message>
        <source>Numbrella could not find a printer, so nothing was printed.  Please ask a grown-up to set up a printer and try again.</source>
        <translation>Numbrella hat keinen Drucker gefunden, darum wurde nichts gedruckt. Bitte frag einen Erwachsenen, einen Drucker einzurichten, und versuch es noch einmal.</translation>
    </message>
    <message>
        <source>The printer did not take the pages, so they may not come out.  Please ask a grown-up to check that the printer is switched on and has paper, and try again.</source>
        <translation>Der Drucker hat die Seiten nicht angenommen, vielleicht kommen sie nicht heraus. Bitte frag einen Erwachsenen, ob der Drucker an ist und Papier hat, und versuch es noch einmal.</translation>
    </message>
</context>
<context>
    <name>Progress</name>
    <message>
        <source>The file could not be written.  Please choose another folder.</source>
        <translation>Die Datei konnte nicht geschrieben werden. Bitte wähle einen anderen Ordner.</translation>
    </message>
    <message>
        <source>All children</source>
        <translation>Alle Kinder</translation>
    </message>
    <message>
        <source>Print practice sheet</source>
        <translation>Übungsblatt drucken</translation>
    </message>
    <message>
        <source>Progress report</source>
        <translation>Lernbericht</translation>
    </message>
    <message>
        <source>Save as PDF</source>
        <translation>Als PDF speichern</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>Als CSV exportieren</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Class report</source>
        <translation>Klassenbericht</translation>
    </message>
    <message>
        <source>Progress of %1</source>
        <translation>Fortschritt von %1</translation>
    </message>
    <message>
        <source>All grades</source>
        <translation>Alle Klassen</translation>
    </message>
    <message>
        <source>Grade %1</source>
        <translation>Klasse %1</translation>
    </message>
    <message>
        <source>Slowest facts:</source>
        <translation>Langsamste Aufgaben:</translation>
    </message>
    <message>
        <source>%1 %2 sheet</source>
        <translation>%1 %2 Übungsblatt</translation>
    </message>
    <message>
        <source>%1 progress report</source>
        <translation>%1 Lernbericht</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>PDF-Dateien (*.pdf)</translation>
    </message>
    <message>
        <source>class report</source>
        <translation>Klassenbericht</translation>
    </message>
    <message>
        <source>children.csv</source>
        <translation>Kinder.csv</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV-Dateien (*.csv)</translation>
    </message>
</context>
<context>
    <name>ProgressReport</name>
    <message>
        <source>%1 practice</source>
        <translation>%1 Übung</translation>
    </message>
    <message>
        <source>%1 practices</source>
        <translation>%1 Übungen</translation>
    </message>
    <message>
        <source>%1 right answer</source>
        <translation>%1 richtige Antwort</translation>
    </message>
    <message>
        <source>%1 right answers</source>
        <translation>%1 richtige Antworten</translation>
    </message>
    <message>
        <source>Facts known, week by week</source>
        <translation>Sichere Aufgaben, Woche für Woche</translation>
    </message>
    <message>
        <source>%1, %2: right answers of the latest practice (%3)</source>
        <translation>%1, %2: richtige Antworten der letzten Übung (%3)</translation>
    </message>
    <message>
        <source>%1, %2: right answers of the latest %3 practices (%4 to %5)</source>
        <translation>%1, %2: richtige Antworten der letzten %3 Übungen (%4 bis %5)</translation>
    </message>
    <message>
        <source># Right</source>
        <translation># Richtig</translation>
    </message>
    <message>
        <source>Goal</source>
        <translation>Ziel</translation>
    </message>
    <message>
        <source>Most Recent</source>
        <translation>Neueste</translation>
    </message>
    <message>
        <source>Facts to practise (%1)</source>
        <translation>Aufgaben zum Üben (%1)</translation>
    </message>
    <message>
        <source>None: no fact was missed at its last answer.</source>
        <translation>Keine: Bei keiner Aufgabe war die letzte Antwort falsch.</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>und %1 weitere</translation>
    </message>
    <message>
        <source>The ten slowest facts</source>
        <translation>Die zehn langsamsten Aufgaben</translation>
    </message>
    <message>
        <source>None yet: no fact was answered.</source>
        <translation>Noch keine: Es wurde noch keine Aufgabe beantwortet.</translation>
    </message>
    <message>
        <source>Fluency: %1 of the %2 facts of %3 known (%4%)</source>
        <translation>Sicherheit: %1 von %2 Aufgaben sicher, %3 (%4 %)</translation>
    </message>
    <message>
        <source>all tables</source>
        <translation>alle Reihen</translation>
    </message>
    <message>
        <source>table %1</source>
        <translation>%1er-Reihe</translation>
    </message>
    <message>
        <source>tables %1 to %2</source>
        <translation>Reihen %1 bis %2</translation>
    </message>
    <message>
        <source>tables %1</source>
        <translation>Reihen %1</translation>
    </message>
    <message>
        <source>tables %1 and %2</source>
        <translation>Reihen %1 und %2</translation>
    </message>
    <message>
        <source>Progress report</source>
        <translation>Lernbericht</translation>
    </message>
    <message>
        <source>Grade: %1      Level: %2</source>
        <translation>Klasse: %1      Stufe: %2</translation>
    </message>
    <message>
        <source>This week: %1, %2, %3</source>
        <translation>Diese Woche: %1, %2, %3</translation>
    </message>
    <message>
        <source>In all: %1, %2, %3</source>
        <translation>Insgesamt: %1, %2, %3</translation>
    </message>
    <message>
        <source>No practice yet.</source>
        <translation>Noch keine Übung.</translation>
    </message>
    <message>
        <source>Progress report of %1, %2</source>
        <translation>Lernbericht von %1, %2</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Seite %1 von %2</translation>
    </message>
</context>
<context>
    <name>ProgressView</name>
    <message>
        <source>K</source>
        <translation>S</translation>
    </message>
    <message>
        <source>L</source>
        <translation>L</translation>
    </message>
    <message>
        <source>P</source>
        <translation>Ü</translation>
    </message>
    <message>
        <source>known</source>
        <translation>sicher</translation>
    </message>
    <message>
        <source>learning</source>
        <translation>am Lernen</translation>
    </message>
    <message>
        <source>to practise</source>
        <translation>zu üben</translation>
    </message>
    <message>
        <source>not yet asked</source>
        <translation>noch nicht gefragt</translation>
    </message>
    <message>
        <source>%1 = %2: %3</source>
        <translation>%1 = %2: %3</translation>
    </message>
    <message>
        <source>d MMM yyyy HH:mm</source>
        <translation>d. MMM HH:mm</translation>
    </message>
    <message>
        <source>right in %1, %2</source>
        <translation>richtig in %1, %2</translation>
    </message>
    <message>
        <source>Show Answer (%1)</source>
        <translation>Lösung zeigen (%1)</translation>
    </message>
    <message>
        <source>wrong: %1 (%2)</source>
        <translation>falsch: %1 (%2)</translation>
    </message>
    <message>
        <source>missed (%1), %2</source>
        <translation>falsch (%1), %2</translation>
    </message>
    <message>
        <source>Known %1   Learning %2   To practise %3   Not yet asked %4</source>
        <translation>Sicher %1   Am Lernen %2   Zu üben %3   Noch nicht gefragt %4</translation>
    </message>
</context>
<context>
    <name>PrtForm</name>
    <message>
        <source>Printing</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Print?</source>
        <translation>Drucken?</translation>
    </message>
    <message>
        <source>This topic only</source>
        <translation>Nur dieses Thema</translation>
    </message>
    <message>
        <source>The entire documentation</source>
        <translation>Die ganze Hilfe</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>ShowScores</name>
    <message>
        <source>All</source>
        <translation>Alle</translation>
    </message>
    <message>
        <source>Up to</source>
        <translation>Bis</translation>
    </message>
    <message>
        <source>Just</source>
        <translation>Nur</translation>
    </message>
    <message>
        <source>Your Scores</source>
        <translation>Deine Ergebnisse</translation>
    </message>
    <message>
        <source># Right</source>
        <translation># Richtig</translation>
    </message>
    <message>
        <source>Goal</source>
        <translation>Ziel</translation>
    </message>
    <message>
        <source>Most Recent</source>
        <translation>Neueste</translation>
    </message>
    <message>
        <source>Get Scores</source>
        <translation>Ergebnisse zeigen</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>You have no scores yet.</source>
        <translation>Du hast noch keine Ergebnisse.</translation>
    </message>
    <message>
        <source>No scores for this set yet.  Please select another.</source>
        <translation>Für diese Auswahl gibt es noch keine Ergebnisse. Bitte wähle eine andere.</translation>
    </message>
</context>
<context>
    <name>SwatchFrame</name>
    <message>
        <source>Colors</source>
        <translation>Farben</translation>
    </message>
</context>
<context>
    <name>TextResource</name>
    <message>
        <source>Aborting: %1 is missing.</source>
        <translation>Abbruch: %1 fehlt.</translation>
    </message>
    <message>
        <source>This probably means one of two things.  Either you installed NBR in a temporary folder or you moved QUBO.EXE after it was installed.  The remedy is to extract NBR.TXX from your original .ZIP file and put it in %1</source>
        <translation>Das hat wahrscheinlich einen von zwei Gründen: Entweder wurde NBR in einem vorläufigen Ordner installiert, oder QUBO.EXE wurde nach der Installation verschoben. Abhilfe: NBR.TXX aus der ursprünglichen .ZIP-Datei auspacken und hier ablegen: %1</translation>
    </message>
</context>
<context>
    <name>TextResources</name>
    <message>
        <source>Aborting</source>
        <translation>Abbruch</translation>
    </message>
</context>
</TS>