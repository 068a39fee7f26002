<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>CommandLine</name>
    <message>
        <source>Velloquin makes crossword puzzles: place words and clues on a grid by hand or automatically, then save, print or export the puzzle.</source>
        <translation>Velloquin erstellt Kreuzworträtsel: Wörter und Hinweise von Hand oder automatisch ins Gitter setzen, dann das Rätsel speichern, drucken oder exportieren.</translation>
    </message>
    <message>
        <source>A puzzle file (.cwd) to open, an .ipuz file to import or a word list (.txt) to add to the stored words.</source>
        <translation>Eine Rätseldatei (.cwd) zum Öffnen, eine .ipuz-Datei zum Importieren oder eine Wortliste (.txt), deren Wörter gemerkt werden.</translation>
    </message>
</context>
<context>
    <name>EditCommands</name>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Wiederholen</translation>
    </message>
    <message>
        <source>Copy Crossword &amp;Picture</source>
        <translation>Rätsel&amp;bild kopieren</translation>
    </message>
    <message>
        <source>Copy Crossword Image to clipboard.</source>
        <translation>Rätselbild in die Zwischenablage kopieren.</translation>
    </message>
    <message>
        <source>Copy Crossword &amp;Clues</source>
        <translation>Rätsel&amp;hinweise kopieren</translation>
    </message>
</context>
<context>
    <name>ExportCommands</name>
    <message>
        <source> Save this ipuz crossword as:</source>
        <translation> Dieses ipuz-Rätsel speichern unter:</translation>
    </message>
    <message>
        <source> Save this Across Lite puzzle as:</source>
        <translation> Dieses Across-Lite-Rätsel speichern unter:</translation>
    </message>
    <message>
        <source> Save this worksheet as:</source>
        <translation> Dieses Arbeitsblatt speichern unter:</translation>
    </message>
    <message>
        <source> Save this web page as:</source>
        <translation> Diese Webseite speichern unter:</translation>
    </message>
    <message>
        <source> Save this .%1 file as:</source>
        <translation> Diese .%1-Datei speichern unter:</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportieren</translation>
    </message>
</context>
<context>
    <name>FileCommands</name>
    <message>
        <source>Save Changes</source>
        <translation>Änderungen speichern</translation>
    </message>
    <message>
        <source>Do you want to save changes to current crossword?</source>
        <translation>Möchten Sie die Änderungen am aktuellen Rätsel speichern?</translation>
    </message>
    <message>
        <source>Opened %1</source>
        <translation>%1 geöffnet</translation>
    </message>
    <message>
        <source>Open Recent</source>
        <translation>Zuletzt geöffnet</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; no longer exists. It was removed from the list.</source>
        <translation>Die Datei &quot;%1&quot; existiert nicht mehr. Sie wurde aus der Liste entfernt.</translation>
    </message>
    <message>
        <source> (missing)</source>
        <translation> (fehlt)</translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation>&amp;Zuletzt geöffnet</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Neu</translation>
    </message>
    <message>
        <source>Create a New Crossword.</source>
        <translation>Neues Rätsel erstellen.</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>Ö&amp;ffnen</translation>
    </message>
    <message>
        <source>Open a Crossword.</source>
        <translation>Rätsel öffnen.</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>Save the current Crossword.</source>
        <translation>Aktuelles Rätsel speichern.</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Speichern &amp;unter...</translation>
    </message>
</context>
<context>
    <name>FileDialogs</name>
    <message>
        <source>Open / Save Dialog error</source>
        <translation>Fehler im Dialog Öffnen / Speichern</translation>
    </message>
    <message>
        <source>Error: %1
Error number: %2
Please report this error to the author.</source>
        <translation>Fehler: %1
Fehlernummer: %2
Bitte melden Sie diesen Fehler den Entwicklern.</translation>
    </message>
    <message>
        <source>%1 file (*.%2)</source>
        <translation>%1-Datei (*.%2)</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Unbekannter Fehler</translation>
    </message>
    <message>
        <source> Save this %1 as:</source>
        <translation> Dieses %1 speichern unter:</translation>
    </message>
    <message>
        <source>Crossword</source>
        <translation>Rätsel</translation>
    </message>
    <message>
        <source> Select Crossword file to open:</source>
        <translation> Rätseldatei zum Öffnen wählen:</translation>
    </message>
</context>
<context>
    <name>HelpCommands</name>
    <message>
        <source>1. Click a square of the grid where a word should start.
2. Type the word, press Tab and type its clue.
3. Choose Across or Down and press Update (or Enter).

Or store many words with their clues (or use File &gt; Import Word List...) and press Create / Regenerate Crossword to lay them all out at once.

The Words panel beside the grid lists every word and clue: select a row to find its word, press F2 to correct a clue, Delete to take a word off the grid.

When the puzzle is ready, save it, print it or export it from the Export menu.</source>
        <translation>1. Klicken Sie auf das Kästchen im Gitter, in dem ein Wort beginnen soll.
2. Geben Sie das Wort ein, drücken Sie Tab und geben Sie den Hinweis ein.
3. Wählen Sie Waagerecht oder Senkrecht und drücken Sie Eintragen (oder Enter).

Oder merken Sie viele Wörter mit ihren Hinweisen (oder nehmen Sie Datei &gt; Wortliste importieren...) und drücken Sie Rätsel erstellen / neu erstellen, um alle auf einmal anzuordnen.

Die Wörterliste neben dem Gitter zeigt jedes Wort und jeden Hinweis: Wählen Sie eine Zeile, um ihr Wort zu finden, drücken Sie F2, um einen Hinweis zu verbessern, und Entf, um ein Wort aus dem Gitter zu nehmen.

Wenn das Rätsel fertig ist, speichern, drucken oder exportieren Sie es über das Menü Exportieren.</translation>
    </message>
    <message>
        <source>Keyboard Shortcuts</source>
        <translation>Tastenkürzel</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menü</translation>
    </message>
    <message>
        <source>Command</source>
        <translation>Befehl</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Tasten</translation>
    </message>
    <message>
        <source>&amp;Keyboard Shortcuts</source>
        <translation>&amp;Tastenkürzel</translation>
    </message>
    <message>
        <source>&amp;Getting Started</source>
        <translation>&amp;Erste Schritte</translation>
    </message>
    <message>
        <source>Getting Started</source>
        <translation>Erste Schritte</translation>
    </message>
    <message>
        <source>&amp;About Velloquin</source>
        <translation>&amp;Über Velloquin</translation>
    </message>
    <message>
        <source>Velloquin %1

A crossword puzzle maker.
Released under the MIT licence.

Settings file: %2
In the folder: %3</source>
        <translation>Velloquin %1

Ein Programm zum Erstellen von Kreuzworträtseln.
Veröffentlicht unter der MIT-Lizenz.

Einstellungsdatei: %2
Im Ordner: %3</translation>
    </message>
    <message>
        <source>About Velloquin</source>
        <translation>Über Velloquin</translation>
    </message>
</context>
<context>
    <name>InterchangeCommands</name>
    <message>
        <source>Import ipuz</source>
        <translation>ipuz importieren</translation>
    </message>
    <message>
        <source>&amp;Import Word List...</source>
        <translation>Wortliste &amp;importieren...</translation>
    </message>
    <message>
        <source>Import ip&amp;uz...</source>
        <translation>ip&amp;uz importieren...</translation>
    </message>
    <message>
        <source> Select a word list to import:</source>
        <translation> Wortliste zum Importieren wählen:</translation>
    </message>
    <message>
        <source>Word list (*.txt);;All files (*)</source>
        <translation>Wortliste (*.txt);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source> Select ipuz file to import:</source>
        <translation> ipuz-Datei zum Importieren wählen:</translation>
    </message>
    <message>
        <source>ipuz crossword file (*.ipuz)</source>
        <translation>ipuz-Rätseldatei (*.ipuz)</translation>
    </message>
</context>
<context>
    <name>LanguageMenu</name>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Sprache</translation>
    </message>
    <message>
        <source>Velloquin already speaks %1.</source>
        <translation>Velloquin ist bereits auf %1 eingestellt.</translation>
    </message>
    <message>
        <source>Velloquin will speak %1 the next time it starts.</source>
        <translation>Velloquin erscheint beim nächsten Start auf %1.</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>System</source>
        <translation>System</translation>
    </message>
</context>
<context>
    <name>PrintCommands</name>
    <message>
        <source>The printer could not be started.</source>
        <translation>Der Drucker konnte nicht gestartet werden.</translation>
    </message>
    <message>
        <source>A page could not be started on the printer.</source>
        <translation>Auf dem Drucker konnte keine Seite begonnen werden.</translation>
    </message>
    <message>
        <source>The worksheet could not be written to &quot;%1&quot;: %2</source>
        <translation>Das Arbeitsblatt konnte nicht nach &quot;%1&quot; geschrieben werden: %2</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Drucken...</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Generate placed %1 words</source>
        <translation>Erstellen hat %1 Wörter eingesetzt</translation>
    </message>
    <message>
        <source>Generate cancelled</source>
        <translation>Erstellen abgebrochen</translation>
    </message>
    <message>
        <source>%1 shares no letter with the other words, so it cannot cross them. Place the other %2 words and keep it in the word list?</source>
        <translation>%1 hat keinen Buchstaben mit den anderen Wörtern gemeinsam und kann sie daher nicht kreuzen. Die anderen %2 Wörter einsetzen und dieses Wort in der Wortliste behalten?</translation>
    </message>
    <message>
        <source>Generate Crossword</source>
        <translation>Rätsel erstellen</translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <source>The settings file %1 could not be created.
Velloquin starts with the default settings; changes to them cannot be saved in this session.</source>
        <translation>Die Einstellungsdatei %1 konnte nicht angelegt werden.
Velloquin startet mit den Standardeinstellungen; Änderungen daran können in dieser Sitzung nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>It was removed.</source>
        <translation>Sie wurde entfernt.</translation>
    </message>
    <message>
        <source>It was set aside as %1.</source>
        <translation>Sie wurde als %1 beiseitegelegt.</translation>
    </message>
    <message>
        <source>The unsaved changes kept from the last session could not be read.
%1
%2</source>
        <translation>Die aus der letzten Sitzung aufbewahrten ungespeicherten Änderungen konnten nicht gelesen werden.
%1
%2</translation>
    </message>
    <message>
        <source>Velloquin was closed with unsaved changes to %1. Restore them?</source>
        <translation>Velloquin wurde mit ungespeicherten Änderungen an %1 geschlossen. Sollen sie wiederhergestellt werden?</translation>
    </message>
</context>
<context>
    <name>Velloquin::AgreementWindow</name>
    <message>
        <source>Velloquin - End-User Agreement</source>
        <translation>Velloquin - Nutzungsvereinbarung</translation>
    </message>
    <message>
        <source>Please read the following agreement before you use Velloquin.</source>
        <translation>Bitte lesen Sie die folgende Vereinbarung, bevor Sie Velloquin verwenden.</translation>
    </message>
    <message>
        <source>Agreement text</source>
        <translation>Text der Vereinbarung</translation>
    </message>
    <message>
        <source>I &amp;agree to the terms of this agreement</source>
        <translation>Ich &amp;stimme den Bedingungen dieser Vereinbarung zu</translation>
    </message>
    <message>
        <source>I agree to the terms of this agreement</source>
        <translation>Ich stimme den Bedingungen dieser Vereinbarung zu</translation>
    </message>
    <message>
        <source>I do &amp;not agree</source>
        <translation>Ich stimme &amp;nicht zu</translation>
    </message>
    <message>
        <source>I do not agree</source>
        <translation>Ich stimme nicht zu</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Confirm your choice</source>
        <translation>Auswahl bestätigen</translation>
    </message>
    <message>
        <source>VELLOQUIN END-USER AGREEMENT

Velloquin is free software, released under the MIT licence. You may use it, copy it, change it, merge it into other work, publish, distribute, sublicense and sell copies of it, as long as the copyright notice and this permission notice are kept in all copies or substantial portions of it.

Velloquin is provided &quot;as is&quot;, without warranty of any kind, express or implied, including but not limited to the warranties of merchantability, fitness for a particular purpose and noninfringement. In no event shall the authors or copyright holders be liable for any claim, damages or other liability, whether in an action of contract, tort or otherwise, arising from, out of or in connection with the software or its use.

The puzzles you make with Velloquin are yours.

Choose &quot;I agree&quot; and press OK to start Velloquin. If you do not agree, the program ends and nothing is written to your computer.</source>
        <translation>VELLOQUIN NUTZUNGSVEREINBARUNG

Velloquin ist freie Software, veröffentlicht unter der MIT-Lizenz. Sie dürfen sie verwenden, kopieren, verändern, mit anderen Werken zusammenführen, veröffentlichen, verbreiten, unterlizenzieren und Kopien davon verkaufen, sofern der Urheberrechtshinweis und dieser Erlaubnishinweis in allen Kopien oder wesentlichen Teilen erhalten bleiben.

Velloquin wird ohne Mängelgewähr (&quot;as is&quot;) bereitgestellt, ohne ausdrückliche oder stillschweigende Gewährleistung jeglicher Art, einschließlich, aber nicht beschränkt auf die Gewährleistung der Marktgängigkeit, der Eignung für einen bestimmten Zweck und der Nichtverletzung von Rechten. In keinem Fall haften die Autoren oder Urheberrechtsinhaber für Ansprüche, Schäden oder sonstige Haftung, sei es aus Vertrag, unerlaubter Handlung oder anderweitig, die sich aus der Software oder ihrer Nutzung ergeben oder damit zusammenhängen.

Die Rätsel, die Sie mit Velloquin erstellen, gehören Ihnen.

Wählen Sie &quot;Ich stimme zu&quot; und drücken Sie OK, um Velloquin zu starten. Wenn Sie nicht zustimmen, wird das Programm beendet und nichts auf Ihren Computer geschrieben.

(Maßgeblich ist der englische Text der MIT-Lizenz.)</translation>
    </message>
</context>
<context>
    <name>Velloquin::ColorPalettePopup</name>
    <message>
        <source>Color Palette</source>
        <translation>Farbpalette</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Normal Colors</source>
        <translation>Normale Farben</translation>
    </message>
    <message>
        <source>System Colors</source>
        <translation>Systemfarben</translation>
    </message>
    <message>
        <source>Show Color Dialog</source>
        <translation>Farbauswahl öffnen</translation>
    </message>
    <message>
        <source>Custom Color %1</source>
        <translation>Eigene Farbe %1</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>System</source>
        <translation>System</translation>
    </message>
    <message>
        <source>More Colors...</source>
        <translation>Weitere Farben...</translation>
    </message>
</context>
<context>
    <name>Velloquin::ExportFormats</name>
    <message>
        <source>&amp;MS Word Document...</source>
        <translation>&amp;MS-Word-Dokument...</translation>
    </message>
    <message>
        <source>Word document (*.docx)</source>
        <translation>Word-Dokument (*.docx)</translation>
    </message>
    <message>
        <source>Puzzle as &amp;ipuz...</source>
        <translation>Rätsel als &amp;ipuz...</translation>
    </message>
    <message>
        <source>ipuz crossword file (*.ipuz)</source>
        <translation>ipuz-Rätseldatei (*.ipuz)</translation>
    </message>
    <message>
        <source>Puzzle as &amp;Across Lite puz...</source>
        <translation>Rätsel als &amp;Across-Lite-puz...</translation>
    </message>
    <message>
        <source>Across Lite puzzle file (*.puz)</source>
        <translation>Across-Lite-Rätseldatei (*.puz)</translation>
    </message>
    <message>
        <source>P&amp;DF worksheet...</source>
        <translation>P&amp;DF-Arbeitsblatt...</translation>
    </message>
    <message>
        <source>PDF document (*.pdf)</source>
        <translation>PDF-Dokument (*.pdf)</translation>
    </message>
    <message>
        <source>&amp;Web Page (HTML)...</source>
        <translation>&amp;Webseite (HTML)...</translation>
    </message>
    <message>
        <source>Web page (*.html *.htm)</source>
        <translation>Webseite (*.html *.htm)</translation>
    </message>
</context>
<context>
    <name>Velloquin::MainWindow</name>
    <message>
        <source>Colour</source>
        <translation>Farbe</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>Ver&amp;größern</translation>
    </message>
    <message>
        <source>Zoom O&amp;ut</source>
        <translation>Ver&amp;kleinern</translation>
    </message>
    <message>
        <source>&amp;Fit Grid</source>
        <translation>Gitter &amp;einpassen</translation>
    </message>
    <message>
        <source>&amp;Words Panel</source>
        <translation>&amp;Wörterliste</translation>
    </message>
    <message>
        <source>Main toolbar</source>
        <translation>Hauptwerkzeugleiste</translation>
    </message>
    <message>
        <source>Separator</source>
        <translation>Trennlinie</translation>
    </message>
    <message>
        <source>Column numbers</source>
        <translation>Spaltennummern</translation>
    </message>
    <message>
        <source>Row numbers</source>
        <translation>Zeilennummern</translation>
    </message>
    <message>
        <source>Crossword grid</source>
        <translation>Rätselgitter</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Last outcome</source>
        <translation>Letztes Ergebnis</translation>
    </message>
    <message>
        <source>Grid size</source>
        <translation>Gittergröße</translation>
    </message>
    <message>
        <source>Words placed and stored</source>
        <translation>Eingesetzte und gemerkte Wörter</translation>
    </message>
    <message>
        <source>Squares where two words cross</source>
        <translation>Kästchen, in denen sich zwei Wörter kreuzen</translation>
    </message>
    <message>
        <source>Share of the grid&apos;s squares in use</source>
        <translation>Anteil der belegten Kästchen</translation>
    </message>
    <message>
        <source>%1 placed, %2 stored</source>
        <translation>%1 eingesetzt, %2 gemerkt</translation>
    </message>
    <message>
        <source>1 crossing</source>
        <translation>1 Kreuzung</translation>
    </message>
    <message>
        <source>%1 crossings</source>
        <translation>%1 Kreuzungen</translation>
    </message>
    <message>
        <source>%1% used</source>
        <translation>%1% belegt</translation>
    </message>
    <message>
        <source>Click a square, type a word and its clue, then Update — or import a word list and Generate</source>
        <translation>Kästchen wählen, Wort und Hinweis eingeben, Eintragen — oder Wortliste laden, Erstellen</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Copy..</source>
        <translation>&amp;Kopieren..</translation>
    </message>
    <message>
        <source>E&amp;xport</source>
        <translation>E&amp;xportieren</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>&amp;Extras</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Hide Answers</source>
        <translation>Lösungen &amp;verbergen</translation>
    </message>
    <message>
        <source>Hide Answers.</source>
        <translation>Lösungen verbergen.</translation>
    </message>
    <message>
        <source>&amp;Outline Mode</source>
        <translation>&amp;Umrissmodus</translation>
    </message>
    <message>
        <source>Outline Mode - don&apos;t show grid lines.</source>
        <translation>Umrissmodus - keine Gitterlinien zeigen.</translation>
    </message>
    <message>
        <source>&amp;Save Current Settings as Default</source>
        <translation>Aktuelle Einstellungen als &amp;Standard speichern</translation>
    </message>
    <message>
        <source>Save current settings as default settings</source>
        <translation>Aktuelle Einstellungen als Standard speichern</translation>
    </message>
    <message>
        <source>&amp;Reset Settings to Original Values...</source>
        <translation>Einstellungen &amp;zurücksetzen...</translation>
    </message>
    <message>
        <source>Reset settings to original values</source>
        <translation>Einstellungen auf die ursprünglichen Werte zurücksetzen</translation>
    </message>
    <message>
        <source>Tr&amp;im Grid to Words</source>
        <translation>&amp;Gitter auf Wörter zuschneiden</translation>
    </message>
    <message>
        <source>The original default settings have been restored.
If you would like these settings to take effect imediately then select &apos;Yes&apos;
otherwise the settings will take effect when you next start the application.

Change settings now?</source>
        <translation>Die ursprünglichen Standardeinstellungen wurden wiederhergestellt.
Wenn sie sofort gelten sollen, wählen Sie &apos;Ja&apos;,
sonst gelten sie beim nächsten Start des Programms.

Einstellungen jetzt ändern?</translation>
    </message>
    <message>
        <source>Reset Default Settings</source>
        <translation>Standardeinstellungen zurücksetzen</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Please enter valid numbers for X and Y (&gt;=5).</source>
        <translation>Bitte geben Sie gültige Zahlen für X und Y ein (&gt;=5).</translation>
    </message>
    <message>
        <source>Warning. Changing the size of the crossword may result in the loss of Words
Do you wish to continue?</source>
        <translation>Achtung: Wenn Sie die Größe des Rätsels ändern, können Wörter verloren gehen.
Möchten Sie fortfahren?</translation>
    </message>
    <message>
        <source>Change Settings</source>
        <translation>Einstellungen ändern</translation>
    </message>
</context>
<context>
    <name>Velloquin::Message</name>
    <message>
        <source>The word &apos;%1&apos; will not fit at (%2,%3).</source>
        <translation>Das Wort &apos;%1&apos; passt nicht an die Stelle (%2,%3).</translation>
    </message>
    <message>
        <source>Add Word Error</source>
        <translation>Fehler beim Einsetzen</translation>
    </message>
    <message>
        <source>This word would interfere with another word.</source>
        <translation>Dieses Wort würde ein anderes Wort stören.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Either the word is too long or the coordinates are invalid.</source>
        <translation>Entweder ist das Wort zu lang oder die Koordinaten sind ungültig.</translation>
    </message>
    <message>
        <source>The shared letters do not match.</source>
        <translation>Die gemeinsamen Buchstaben stimmen nicht überein.</translation>
    </message>
    <message>
        <source>Too Many Words</source>
        <translation>Zu viele Wörter</translation>
    </message>
    <message>
        <source>The list already holds %1 stored words, as many as a puzzle file can keep.
Place or remove some words before storing more.</source>
        <translation>Die Liste enthält bereits %1 gemerkte Wörter, so viele, wie eine Rätseldatei aufnehmen kann.
Setzen Sie einige Wörter ein oder entfernen Sie sie, bevor Sie weitere merken.</translation>
    </message>
    <message>
        <source>Can&apos;t move</source>
        <translation>Verschieben nicht möglich</translation>
    </message>
    <message>
        <source>Sorry the crossword can&apos;t be moved left because a word is using the x-coordinate zero</source>
        <translation>Das Rätsel kann leider nicht nach links verschoben werden, weil ein Wort die x-Koordinate null belegt</translation>
    </message>
    <message>
        <source>Sorry the crossword can&apos;t be moved right because a word is using the x-coordinate %1</source>
        <translation>Das Rätsel kann leider nicht nach rechts verschoben werden, weil ein Wort die x-Koordinate %1 belegt</translation>
    </message>
    <message>
        <source>Sorry the crossword can&apos;t be moved up because a word is using the y-coordinate zero</source>
        <translation>Das Rätsel kann leider nicht nach oben verschoben werden, weil ein Wort die y-Koordinate null belegt</translation>
    </message>
    <message>
        <source>Sorry the crossword can&apos;t be moved down because a word is using the y-coordinate %1</source>
        <translation>Das Rätsel kann leider nicht nach unten verschoben werden, weil ein Wort die y-Koordinate %1 belegt</translation>
    </message>
    <message>
        <source>Delete Word Error</source>
        <translation>Fehler beim Löschen</translation>
    </message>
    <message>
        <source>Error deleting word:
Subscript out of range
Error number 9</source>
        <translation>Fehler beim Löschen des Wortes:
Index außerhalb des gültigen Bereichs
Fehlernummer 9</translation>
    </message>
    <message>
        <source>Trim Grid to Words</source>
        <translation>Gitter auf Wörter zuschneiden</translation>
    </message>
    <message>
        <source>There are no words on the grid to trim it to.</source>
        <translation>Im Gitter stehen keine Wörter, auf die es zugeschnitten werden könnte.</translation>
    </message>
    <message>
        <source>No Words</source>
        <translation>Keine Wörter</translation>
    </message>
    <message>
        <source>There are no words in the grid or the dropdown word list.
Please enter some words before generating a crossword.</source>
        <translation>Weder im Gitter noch in der Wortliste stehen Wörter.
Bitte geben Sie einige Wörter ein, bevor Sie ein Rätsel erstellen.</translation>
    </message>
    <message>
        <source>Generate Error</source>
        <translation>Fehler beim Erstellen</translation>
    </message>
    <message>
        <source>There was a problem generating the crossword.
You may need to increase the grid size or just try again.</source>
        <translation>Beim Erstellen des Rätsels ist ein Problem aufgetreten.
Vergrößern Sie das Gitter oder versuchen Sie es einfach noch einmal.</translation>
    </message>
    <message>
        <source>Word too big</source>
        <translation>Wort zu lang</translation>
    </message>
    <message>
        <source>One of the words in your list is too big, please increase your grid size.</source>
        <translation>Eines der Wörter in Ihrer Liste ist zu lang, bitte vergrößern Sie das Gitter.</translation>
    </message>
    <message>
        <source>The crossword file &quot;%1&quot; looks damaged.</source>
        <translation>Die Rätseldatei &quot;%1&quot; scheint beschädigt zu sein.</translation>
    </message>
    <message>
        <source>word lies partly outside the grid.</source>
        <translation>Wort liegt teilweise außerhalb des Gitters.</translation>
    </message>
    <message>
        <source>words lie partly outside the grid.</source>
        <translation>Wörter liegen teilweise außerhalb des Gitters.</translation>
    </message>
    <message>
        <source>word clashes with a crossing word.</source>
        <translation>Wort passt nicht zu einem kreuzenden Wort.</translation>
    </message>
    <message>
        <source>words clash with crossing words.</source>
        <translation>Wörter passen nicht zu kreuzenden Wörtern.</translation>
    </message>
    <message>
        <source>word overlaps a word running the same way.</source>
        <translation>Wort überlappt ein Wort in derselben Richtung.</translation>
    </message>
    <message>
        <source>words overlap words running the same way.</source>
        <translation>Wörter überlappen Wörter in derselben Richtung.</translation>
    </message>
    <message>
        <source>word holds characters that are not letters.</source>
        <translation>Wort enthält Zeichen, die keine Buchstaben sind.</translation>
    </message>
    <message>
        <source>words hold characters that are not letters.</source>
        <translation>Wörter enthalten Zeichen, die keine Buchstaben sind.</translation>
    </message>
    <message>
        <source>They were kept as they were; check them before saving.</source>
        <translation>Sie wurden unverändert übernommen; prüfen Sie sie vor dem Speichern.</translation>
    </message>
    <message>
        <source>entry without a word was dropped.</source>
        <translation>Eintrag ohne Wort wurde verworfen.</translation>
    </message>
    <message>
        <source>entries without a word were dropped.</source>
        <translation>Einträge ohne Wort wurden verworfen.</translation>
    </message>
    <message>
        <source>Damaged Crossword</source>
        <translation>Beschädigtes Rätsel</translation>
    </message>
    <message>
        <source>Word too small</source>
        <translation>Wort zu kurz</translation>
    </message>
    <message>
        <source>Sorry but you cannot add a word with less than 3 characters.</source>
        <translation>Wörter mit weniger als 3 Buchstaben können leider nicht eingesetzt werden.</translation>
    </message>
    <message>
        <source>Word Legth Error</source>
        <translation>Fehler bei der Wortlänge</translation>
    </message>
    <message>
        <source>Sorry, the mimimum leghth for a word is 3 characters.</source>
        <translation>Ein Wort muss leider mindestens 3 Buchstaben lang sein.</translation>
    </message>
    <message>
        <source>There is no such word.</source>
        <translation>Dieses Wort gibt es nicht.</translation>
    </message>
    <message>
        <source>The word holds the control character %1, which no square can show.</source>
        <translation>Das Wort enthält das Steuerzeichen %1, das kein Kästchen anzeigen kann.</translation>
    </message>
    <message>
        <source>The word or its clue holds a control character, which cannot be shown.</source>
        <translation>Das Wort oder sein Hinweis enthält ein Steuerzeichen, das nicht angezeigt werden kann.</translation>
    </message>
    <message>
        <source>Open Error</source>
        <translation>Fehler beim Öffnen</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; cannot be opened as a crossword.
%2</source>
        <translation>Die Datei &apos;%1&apos; kann nicht als Rätsel geöffnet werden.
%2</translation>
    </message>
    <message>
        <source>Its %1 value &apos;%2&apos; is not a whole number from %3 to %4.</source>
        <translation>Ihr Wert %1 &apos;%2&apos; ist keine ganze Zahl von %3 bis %4.</translation>
    </message>
    <message>
        <source>1 clue held</source>
        <translation>1 Hinweis enthielt</translation>
    </message>
    <message>
        <source>%1 clues held</source>
        <translation>%1 Hinweise enthielten</translation>
    </message>
    <message>
        <source> &quot;###&quot;, which a puzzle file reads as a line break; it was kept as &quot;# # #&quot;.</source>
        <translation> &quot;###&quot;, was eine Rätseldatei als Zeilenumbruch liest; es wurde als &quot;# # #&quot; übernommen.</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; is not a crossword puzzle file.</source>
        <translation>Die Datei &apos;%1&apos; ist keine Rätseldatei.</translation>
    </message>
    <message>
        <source>The file does not exist.</source>
        <translation>Die Datei existiert nicht.</translation>
    </message>
    <message>
        <source>Its size of %1 by %2 squares cannot be opened again; a puzzle file holds 1 to 255 squares a side.</source>
        <translation>Eine Größe von %1 mal %2 Kästchen ließe sich nicht wieder öffnen; eine Rätseldatei fasst 1 bis 255 Kästchen je Seite.</translation>
    </message>
    <message>
        <source>It holds more words than a puzzle file can keep.</source>
        <translation>Es enthält mehr Wörter, als eine Rätseldatei aufnehmen kann.</translation>
    </message>
    <message>
        <source>Save Error</source>
        <translation>Fehler beim Speichern</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; could not be saved.
%2</source>
        <translation>Die Datei &apos;%1&apos; konnte nicht gespeichert werden.
%2</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; could not be read.
%2</source>
        <translation>Die Datei &apos;%1&apos; konnte nicht gelesen werden.
%2</translation>
    </message>
    <message>
        <source>There is no settings file in this session.</source>
        <translation>In dieser Sitzung gibt es keine Einstellungsdatei.</translation>
    </message>
    <message>
        <source>It would be too large to be opened again.</source>
        <translation>Sie wäre zu groß, um wieder geöffnet zu werden.</translation>
    </message>
    <message>
        <source>The settings cannot be saved: no settings file could be created at the start of this session.</source>
        <translation>Die Einstellungen können nicht gespeichert werden: Beim Start dieser Sitzung konnte keine Einstellungsdatei angelegt werden.</translation>
    </message>
    <message>
        <source>it holds the control character %1</source>
        <translation>sie enthält das Steuerzeichen %1</translation>
    </message>
    <message>
        <source>no word before the clue</source>
        <translation>kein Wort vor dem Hinweis</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is shorter than %2 letters</source>
        <translation>&apos;%1&apos; ist kürzer als %2 Buchstaben</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is already listed</source>
        <translation>&apos;%1&apos; steht schon in der Liste</translation>
    </message>
    <message>
        <source>a broken character was read as �</source>
        <translation>ein fehlerhaftes Zeichen wurde als � gelesen</translation>
    </message>
    <message>
        <source>Import Word List</source>
        <translation>Wortliste importieren</translation>
    </message>
    <message>
        <source>%1 is too large to be a word list.</source>
        <translation>%1 ist zu groß für eine Wortliste.</translation>
    </message>
    <message>
        <source>Could not open %1:</source>
        <translation>%1 konnte nicht geöffnet werden:</translation>
    </message>
    <message>
        <source>1 word of the list was not added.</source>
        <translation>1 Wort der Liste wurde nicht übernommen.</translation>
    </message>
    <message>
        <source>%1 words of the list were not added.</source>
        <translation>%1 Wörter der Liste wurden nicht übernommen.</translation>
    </message>
    <message>
        <source>... and %1 more.</source>
        <translation>... und %1 weitere.</translation>
    </message>
    <message>
        <source>Line %1: %2.</source>
        <translation>Zeile %1: %2.</translation>
    </message>
    <message>
        <source>1 word was added to the list.</source>
        <translation>1 Wort wurde in die Liste übernommen.</translation>
    </message>
    <message>
        <source>%1 words were added to the list.</source>
        <translation>%1 Wörter wurden in die Liste übernommen.</translation>
    </message>
    <message>
        <source>1 line held a broken character:</source>
        <translation>1 Zeile enthielt ein fehlerhaftes Zeichen:</translation>
    </message>
    <message>
        <source>%1 lines held a broken character:</source>
        <translation>%1 Zeilen enthielten ein fehlerhaftes Zeichen:</translation>
    </message>
    <message>
        <source>1 line was skipped:</source>
        <translation>1 Zeile wurde übersprungen:</translation>
    </message>
    <message>
        <source>%1 lines were skipped:</source>
        <translation>%1 Zeilen wurden übersprungen:</translation>
    </message>
    <message>
        <source>Place %1</source>
        <translation>%1 einsetzen</translation>
    </message>
    <message>
        <source>Update %1</source>
        <translation>%1 ändern</translation>
    </message>
    <message>
        <source>Change Clue</source>
        <translation>Hinweis ändern</translation>
    </message>
    <message>
        <source>Delete %1</source>
        <translation>%1 löschen</translation>
    </message>
    <message>
        <source>Move Puzzle</source>
        <translation>Rätsel verschieben</translation>
    </message>
    <message>
        <source>Resize</source>
        <translation>Größe ändern</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Einstellungen ändern</translation>
    </message>
    <message>
        <source>Generate</source>
        <translation>Erstellen</translation>
    </message>
    <message>
        <source>Store %1</source>
        <translation>%1 merken</translation>
    </message>
    <message>
        <source>Remove %1</source>
        <translation>%1 entfernen</translation>
    </message>
    <message>
        <source>The recovery copy %1 could not be read.
%2</source>
        <translation>Die Wiederherstellungskopie %1 konnte nicht gelesen werden.
%2</translation>
    </message>
    <message>
        <source>The recovery copy %1 holds a word with the control character %2.</source>
        <translation>Die Wiederherstellungskopie %1 enthält ein Wort mit dem Steuerzeichen %2.</translation>
    </message>
    <message>
        <source>an untitled puzzle</source>
        <translation>einem unbenannten Rätsel</translation>
    </message>
    <message>
        <source>It is a folder.</source>
        <translation>Es ist ein Ordner.</translation>
    </message>
    <message>
        <source>It is not a regular file.</source>
        <translation>Es ist keine gewöhnliche Datei.</translation>
    </message>
    <message>
        <source>It is too large.</source>
        <translation>Sie ist zu groß.</translation>
    </message>
    <message>
        <source>Not a regular file</source>
        <translation>Keine gewöhnliche Datei</translation>
    </message>
    <message>
        <source>Save Picture</source>
        <translation>Bild speichern</translation>
    </message>
    <message>
        <source>The picture could not be saved as %1:
%2</source>
        <translation>Das Bild konnte nicht als %1 gespeichert werden:
%2</translation>
    </message>
    <message>
        <source>There is no picture to save.</source>
        <translation>Es gibt kein Bild zum Speichern.</translation>
    </message>
    <message>
        <source>The picture could not be encoded.</source>
        <translation>Das Bild konnte nicht kodiert werden.</translation>
    </message>
    <message>
        <source>The puzzle cannot be written as a web page.</source>
        <translation>Das Rätsel kann nicht als Webseite geschrieben werden.</translation>
    </message>
    <message>
        <source>It has no words.</source>
        <translation>Es enthält keine Wörter.</translation>
    </message>
    <message>
        <source>The word &apos;%1&apos; at %2 has no direction.</source>
        <translation>Das Wort &apos;%1&apos; bei %2 hat keine Richtung.</translation>
    </message>
    <message>
        <source>A word at %1 has no letters.</source>
        <translation>Ein Wort bei %1 hat keine Buchstaben.</translation>
    </message>
    <message>
        <source>The word &apos;%1&apos; at %2 does not lie inside the grid.</source>
        <translation>Das Wort &apos;%1&apos; bei %2 liegt nicht im Gitter.</translation>
    </message>
    <message>
        <source>The word &apos;%1&apos; at %2 holds a character that cannot be typed into a square.</source>
        <translation>Das Wort &apos;%1&apos; bei %2 enthält ein Zeichen, das sich nicht in ein Kästchen tippen lässt.</translation>
    </message>
    <message>
        <source>The word &apos;%1&apos; at %2 and a crossing word have different letters at %3.</source>
        <translation>Das Wort &apos;%1&apos; bei %2 und ein kreuzendes Wort haben bei %3 verschiedene Buchstaben.</translation>
    </message>
    <message>
        <source>The page cannot be written in the language &apos;%1&apos;.</source>
        <translation>Die Seite kann nicht in der Sprache &apos;%1&apos; geschrieben werden.</translation>
    </message>
    <message>
        <source>The page&apos;s style or script is missing from the program.</source>
        <translation>Stil oder Skript der Seite fehlen im Programm.</translation>
    </message>
    <message>
        <source>Could not write %1:</source>
        <translation>%1 konnte nicht geschrieben werden:</translation>
    </message>
    <message>
        <source>Export Error</source>
        <translation>Fehler beim Exportieren</translation>
    </message>
    <message>
        <source>The puzzle cannot be written as %1.</source>
        <translation>Das Rätsel kann nicht als %1 geschrieben werden.</translation>
    </message>
    <message>
        <source>The word &apos;%1&apos; at %2 has fewer than two letters.</source>
        <translation>Das Wort &apos;%1&apos; bei %2 hat weniger als zwei Buchstaben.</translation>
    </message>
    <message>
        <source>Two words start at %1.</source>
        <translation>Bei %1 beginnen zwei Wörter.</translation>
    </message>
    <message>
        <source>The letters &apos;%1&apos; at %2 form a run that is not one of its words.</source>
        <translation>Die Buchstaben &apos;%1&apos; bei %2 bilden eine Reihe, die keines seiner Wörter ist.</translation>
    </message>
    <message>
        <source>The word &apos;%1&apos; at %2 runs into other letters: the grid reads &apos;%3&apos; there.</source>
        <translation>Das Wort &apos;%1&apos; bei %2 stößt an andere Buchstaben: Im Gitter steht dort &apos;%3&apos;.</translation>
    </message>
    <message>
        <source>The word &apos;%1&apos; at %2 %3 runs into other letters.</source>
        <translation>Das Wort &apos;%1&apos; bei %2 %3 stößt an andere Buchstaben.</translation>
    </message>
    <message>
        <source>The square at %1 has a style (such as a circle or shading), which the program cannot show.</source>
        <translation>Das Kästchen bei %1 hat eine Gestaltung (etwa einen Kreis oder eine Schattierung), die das Programm nicht zeigen kann.</translation>
    </message>
    <message>
        <source>The square at %1 is labelled &apos;%2&apos;; the program numbers its squares 1, 2, 3 and so on.</source>
        <translation>Das Kästchen bei %1 ist mit &apos;%2&apos; beschriftet; das Programm nummeriert seine Kästchen 1, 2, 3 und so weiter.</translation>
    </message>
    <message>
        <source>The white square at %1 has no solution letter.</source>
        <translation>Das weiße Kästchen bei %1 hat keinen Lösungsbuchstaben.</translation>
    </message>
    <message>
        <source>The square at %1 holds &apos;%2&apos;; the program keeps one letter per square.</source>
        <translation>Das Kästchen bei %1 enthält &apos;%2&apos;; das Programm hat einen Buchstaben je Kästchen.</translation>
    </message>
    <message>
        <source>The white squares from %1 to %2 form a block of four letters. The program keeps words apart (no parallel words side by side), so this grid has no reading as its kind of puzzle.</source>
        <translation>Die weißen Kästchen von %1 bis %2 bilden einen Block aus vier Buchstaben. Das Programm hält Wörter auseinander (keine parallelen Wörter nebeneinander), daher lässt sich dieses Gitter nicht als seine Art Rätsel lesen.</translation>
    </message>
    <message>
        <source>The word &apos;%1&apos; at %2 %3 lies beside another word in a way the program&apos;s placement rules do not allow.</source>
        <translation>Das Wort &apos;%1&apos; bei %2 %3 liegt so neben einem anderen Wort, wie es die Regeln des Programms nicht erlauben.</translation>
    </message>
    <message>
        <source>Its clues are not a list by direction.</source>
        <translation>Seine Hinweise sind keine Liste nach Richtungen.</translation>
    </message>
    <message>
        <source>It has clues in the direction &apos;%1&apos;; the program has only Across and Down.</source>
        <translation>Es hat Hinweise in der Richtung &apos;%1&apos;; das Programm kennt nur Waagerecht und Senkrecht.</translation>
    </message>
    <message>
        <source>Its %1 clues are not a list.</source>
        <translation>Seine Hinweise %1 sind keine Liste.</translation>
    </message>
    <message>
        <source>The %1 clue %2 spans squares of its own choosing; the program&apos;s words are the runs of letters.</source>
        <translation>Der Hinweis %1 %2 umfasst selbst gewählte Kästchen; die Wörter des Programms sind die Buchstabenreihen.</translation>
    </message>
    <message>
        <source>A %1 clue has no number: &apos;%2&apos;.</source>
        <translation>Ein Hinweis %1 hat keine Nummer: &apos;%2&apos;.</translation>
    </message>
    <message>
        <source>The %1 clue numbered &apos;%2&apos; does not name one square.</source>
        <translation>Der Hinweis %1 mit der Nummer &apos;%2&apos; bezeichnet kein einzelnes Kästchen.</translation>
    </message>
    <message>
        <source>The %1 clue %2 has no text.</source>
        <translation>Der Hinweis %1 %2 hat keinen Text.</translation>
    </message>
    <message>
        <source>It starts with &quot;ipuz(&quot; but does not end with &quot;)&quot;.</source>
        <translation>Es beginnt mit &quot;ipuz(&quot;, endet aber nicht mit &quot;)&quot;.</translation>
    </message>
    <message>
        <source>It is empty.</source>
        <translation>Sie ist leer.</translation>
    </message>
    <message>
        <source>It is not valid JSON (%1 at character %2); the file may be truncated or damaged.</source>
        <translation>Es ist kein gültiges JSON (%1 bei Zeichen %2); die Datei ist vielleicht abgeschnitten oder beschädigt.</translation>
    </message>
    <message>
        <source>It does not hold an ipuz object.</source>
        <translation>Es enthält kein ipuz-Objekt.</translation>
    </message>
    <message>
        <source>It is not an ipuz crossword (its &quot;kind&quot; is %1).</source>
        <translation>Es ist kein ipuz-Kreuzworträtsel (sein &quot;kind&quot; ist %1).</translation>
    </message>
    <message>
        <source>It has no ipuz &quot;version&quot;.</source>
        <translation>Es hat keine ipuz-&quot;version&quot;.</translation>
    </message>
    <message>
        <source>Its &quot;dimensions&quot; are not a width and height from 1 to %1.</source>
        <translation>Seine &quot;dimensions&quot; sind keine Breite und Höhe von 1 bis %1.</translation>
    </message>
    <message>
        <source>Its &quot;puzzle&quot; grid does not have %1 rows.</source>
        <translation>Sein &quot;puzzle&quot;-Gitter hat nicht %1 Zeilen.</translation>
    </message>
    <message>
        <source>It has no &quot;solution&quot;, so the letters of its words are unknown.</source>
        <translation>Es hat keine &quot;solution&quot;, daher sind die Buchstaben seiner Wörter unbekannt.</translation>
    </message>
    <message>
        <source>Its &quot;solution&quot; grid does not have %1 rows.</source>
        <translation>Sein &quot;solution&quot;-Gitter hat nicht %1 Zeilen.</translation>
    </message>
    <message>
        <source>Row %1 of its grid does not have %2 squares.</source>
        <translation>Zeile %1 seines Gitters hat nicht %2 Kästchen.</translation>
    </message>
    <message>
        <source>The number %1 labels two squares.</source>
        <translation>Die Nummer %1 steht in zwei Kästchen.</translation>
    </message>
    <message>
        <source>The white square at %1 belongs to no word of two or more letters, so the grid has no reading as the program&apos;s kind of puzzle.</source>
        <translation>Das weiße Kästchen bei %1 gehört zu keinem Wort aus zwei oder mehr Buchstaben, daher lässt sich das Gitter nicht als die Art Rätsel des Programms lesen.</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Senkrecht</translation>
    </message>
    <message>
        <source>Across</source>
        <translation>Waagerecht</translation>
    </message>
    <message>
        <source>The clue %1 has no square numbered %2.</source>
        <translation>Zum Hinweis %1 gibt es kein Kästchen mit der Nummer %2.</translation>
    </message>
    <message>
        <source>The clue %1 belongs to no word: no %2 word starts at square %3.</source>
        <translation>Der Hinweis %1 gehört zu keinem Wort: Bei Kästchen %3 beginnt kein Wort %2.</translation>
    </message>
    <message>
        <source>The clue %1 is given twice.</source>
        <translation>Der Hinweis %1 kommt zweimal vor.</translation>
    </message>
    <message>
        <source>The %1 word at %2 holds %3, which no word or clue may hold.</source>
        <translation>Das Wort %1 bei %2 enthält %3, was kein Wort und kein Hinweis enthalten darf.</translation>
    </message>
    <message>
        <source>the control character </source>
        <translation>das Steuerzeichen </translation>
    </message>
    <message>
        <source>half of a surrogate pair</source>
        <translation>eine halbe Surrogat-Kombination</translation>
    </message>
    <message>
        <source>Import Error</source>
        <translation>Fehler beim Importieren</translation>
    </message>
    <message>
        <source>The file cannot be read as a puzzle.</source>
        <translation>Die Datei kann nicht als Rätsel gelesen werden.</translation>
    </message>
    <message>
        <source>%1 cannot be read as a puzzle.</source>
        <translation>%1 kann nicht als Rätsel gelesen werden.</translation>
    </message>
    <message>
        <source>It is too large to be a crossword.</source>
        <translation>Sie ist zu groß für ein Kreuzworträtsel.</translation>
    </message>
    <message>
        <source>Choose the puzzle, the answer key or both.</source>
        <translation>Wählen Sie das Rätsel, die Lösung oder beides.</translation>
    </message>
    <message>
        <source>No file name was given for the worksheet.</source>
        <translation>Für das Arbeitsblatt wurde kein Dateiname angegeben.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a folder, not a file name.</source>
        <translation>&quot;%1&quot; ist ein Ordner, kein Dateiname.</translation>
    </message>
    <message>
        <source>The worksheet could not be started.</source>
        <translation>Das Arbeitsblatt konnte nicht begonnen werden.</translation>
    </message>
    <message>
        <source>A page of the worksheet could not be started.</source>
        <translation>Eine Seite des Arbeitsblatts konnte nicht begonnen werden.</translation>
    </message>
    <message>
        <source>The worksheet could not be written to &quot;%1&quot;: %2</source>
        <translation>Das Arbeitsblatt konnte nicht nach &quot;%1&quot; geschrieben werden: %2</translation>
    </message>
    <message>
        <source>The puzzle cannot be written as Across Lite puz.</source>
        <translation>Das Rätsel kann nicht als Across-Lite-puz geschrieben werden.</translation>
    </message>
    <message>
        <source>a NUL character</source>
        <translation>ein NUL-Zeichen</translation>
    </message>
    <message>
        <source>The grid is %1 by %2 squares; the format allows at most 255 by 255.</source>
        <translation>Das Gitter hat %1 mal %2 Kästchen; das Format erlaubt höchstens 255 mal 255.</translation>
    </message>
    <message>
        <source>The letter %1 at (%2,%3) is outside ISO-8859-1.</source>
        <translation>Der Buchstabe %1 bei (%2,%3) liegt außerhalb von ISO-8859-1.</translation>
    </message>
    <message>
        <source>The square at (%1,%2) holds %3, which the format cannot hold as a letter.</source>
        <translation>Das Kästchen bei (%1,%2) enthält %3, was das Format nicht als Buchstaben speichern kann.</translation>
    </message>
    <message>
        <source>a blank</source>
        <translation>ein Leerzeichen</translation>
    </message>
    <message>
        <source>The clue for %1 %2</source>
        <translation>Der Hinweis zu %1 %2</translation>
    </message>
    <message>
        <source>The title</source>
        <translation>Der Titel</translation>
    </message>
    <message>
        <source>The author</source>
        <translation>Der Autor</translation>
    </message>
    <message>
        <source>The copyright</source>
        <translation>Der Urheberrechtsvermerk</translation>
    </message>
    <message>
        <source>The subject</source>
        <translation>Das Thema</translation>
    </message>
    <message>
        <source>%1 holds %2, which ISO-8859-1 cannot hold.</source>
        <translation>%1 enthält %2, was ISO-8859-1 nicht darstellen kann.</translation>
    </message>
    <message>
        <source>It has more clues than the format can count.</source>
        <translation>Es hat mehr Hinweise, als das Format zählen kann.</translation>
    </message>
    <message>
        <source>Word Document</source>
        <translation>Word-Dokument</translation>
    </message>
    <message>
        <source>The document part &quot;%1&quot; could not be written.</source>
        <translation>Der Dokumentteil &quot;%1&quot; konnte nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>No file name was given for the document.</source>
        <translation>Für das Dokument wurde kein Dateiname angegeben.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a folder, not a document file name.</source>
        <translation>&quot;%1&quot; ist ein Ordner, kein Dateiname für ein Dokument.</translation>
    </message>
    <message>
        <source>There is no grid picture to put on the page.</source>
        <translation>Es gibt kein Gitterbild für die Seite.</translation>
    </message>
    <message>
        <source>The grid picture could not be stored in the document.</source>
        <translation>Das Gitterbild konnte nicht im Dokument gespeichert werden.</translation>
    </message>
    <message>
        <source>Zip Package</source>
        <translation>Zip-Paket</translation>
    </message>
    <message>
        <source>Could not create the document container: %1</source>
        <translation>Der Dokumentcontainer konnte nicht angelegt werden: %1</translation>
    </message>
    <message>
        <source>Could not add &quot;%1&quot; to the document container: %2</source>
        <translation>&quot;%1&quot; konnte nicht zum Dokumentcontainer hinzugefügt werden: %2</translation>
    </message>
    <message>
        <source>Could not complete the document container: %1</source>
        <translation>Der Dokumentcontainer konnte nicht fertiggestellt werden: %1</translation>
    </message>
    <message>
        <source>Could not read back the document container.</source>
        <translation>Der Dokumentcontainer konnte nicht zurückgelesen werden.</translation>
    </message>
    <message>
        <source>Could not write &quot;%1&quot;: %2</source>
        <translation>&quot;%1&quot; konnte nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>Could not open &quot;%1&quot;: %2</source>
        <translation>&quot;%1&quot; konnte nicht geöffnet werden: %2</translation>
    </message>
    <message>
        <source>Unreadable entry %1 in &quot;%2&quot;.</source>
        <translation>Unlesbarer Eintrag %1 in &quot;%2&quot;.</translation>
    </message>
    <message>
        <source>Could not open entry &quot;%1&quot;.</source>
        <translation>Eintrag &quot;%1&quot; konnte nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>Could not read entry &quot;%1&quot;.</source>
        <translation>Eintrag &quot;%1&quot; konnte nicht gelesen werden.</translation>
    </message>
    <message>
        <source>No Word Entered</source>
        <translation>Kein Wort eingegeben</translation>
    </message>
    <message>
        <source>Please enter a word to add.</source>
        <translation>Bitte geben Sie das Wort ein, das eingesetzt werden soll.</translation>
    </message>
    <message>
        <source>Only %1 of %2 words fit in this grid. Place these %1 words and keep the others in the word list?</source>
        <translation>Nur %1 von %2 Wörtern passen in dieses Gitter. Diese %1 Wörter einsetzen und die anderen in der Wortliste behalten?</translation>
    </message>
</context>
<context>
    <name>Velloquin::PrintPartsDialog</name>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Which pages do you want to print?</source>
        <translation>Welche Seiten möchten Sie drucken?</translation>
    </message>
    <message>
        <source>Puzzle and &amp;answer key</source>
        <translation>Rätsel und &amp;Lösung</translation>
    </message>
    <message>
        <source>P&amp;uzzle only</source>
        <translation>Nur &amp;Rätsel</translation>
    </message>
    <message>
        <source>Answer &amp;key only</source>
        <translation>Nur L&amp;ösung</translation>
    </message>
    <message>
        <source>Pre&amp;view...</source>
        <translation>&amp;Vorschau...</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Drucken...</translation>
    </message>
</context>
<context>
    <name>Velloquin::SettingsPanel</name>
    <message>
        <source>Crossword Settings</source>
        <translation>Rätsel-Einstellungen</translation>
    </message>
    <message>
        <source>Move the whole crossword</source>
        <translation>Ganzes Rätsel verschieben</translation>
    </message>
    <message>
        <source>Title:</source>
        <translation>Titel:</translation>
    </message>
    <message>
        <source>Topic:</source>
        <translation>Thema:</translation>
    </message>
    <message>
        <source>Width:</source>
        <translation>Breite:</translation>
    </message>
    <message>
        <source>Height:</source>
        <translation>Höhe:</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Ändern</translation>
    </message>
    <message>
        <source>Change current setting</source>
        <translation>Aktuelle Einstellung ändern</translation>
    </message>
    <message>
        <source>Layout:</source>
        <translation>Anordnung:</translation>
    </message>
    <message>
        <source>Classic</source>
        <translation>Klassisch</translation>
    </message>
    <message>
        <source>Thorough</source>
        <translation>Gründlich</translation>
    </message>
    <message>
        <source>Fit</source>
        <translation>Passend</translation>
    </message>
    <message>
        <source>Quick: words cross at random places</source>
        <translation>Schnell: Wörter kreuzen sich an zufälligen Stellen</translation>
    </message>
    <message>
        <source>Searches up to 2 seconds to fit every word</source>
        <translation>Sucht bis zu 2 Sekunden, um jedes Wort unterzubringen</translation>
    </message>
    <message>
        <source>Searches up to 3 seconds for the smallest grid that holds every word</source>
        <translation>Sucht bis zu 3 Sekunden nach dem kleinsten Gitter, das jedes Wort aufnimmt</translation>
    </message>
    <message>
        <source>How the crossword is generated</source>
        <translation>Wie das Rätsel erstellt wird</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>Hintergrund</translation>
    </message>
    <message>
        <source>Grid Lines</source>
        <translation>Gitterlinien</translation>
    </message>
    <message>
        <source>Squares</source>
        <translation>Kästchen</translation>
    </message>
    <message>
        <source>Move the whole crossword left one square</source>
        <translation>Ganzes Rätsel ein Kästchen nach links verschieben</translation>
    </message>
    <message>
        <source>Move the whole crossword right one square</source>
        <translation>Ganzes Rätsel ein Kästchen nach rechts verschieben</translation>
    </message>
    <message>
        <source>Move the whole crossword up one square</source>
        <translation>Ganzes Rätsel ein Kästchen nach oben verschieben</translation>
    </message>
    <message>
        <source>Move the whole crossword down one square</source>
        <translation>Ganzes Rätsel ein Kästchen nach unten verschieben</translation>
    </message>
</context>
<context>
    <name>Velloquin::StyledProgressBar</name>
    <message>
        <source>Searching..</source>
        <translation>Suche..</translation>
    </message>
</context>
<context>
    <name>Velloquin::WaitPanel</name>
    <message>
        <source>Please wait</source>
        <translation>Bitte warten</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Fortschritt</translation>
    </message>
    <message>
        <source>Attempting to generate crossword  Please Wait</source>
        <translation>Das Rätsel wird erstellt  Bitte warten</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Stop generating and keep the crossword as it was</source>
        <translation>Erstellen abbrechen und das Rätsel unverändert lassen</translation>
    </message>
</context>
<context>
    <name>Velloquin::WordPanel</name>
    <message>
        <source>Selection</source>
        <translation>Auswahl</translation>
    </message>
    <message>
        <source>Word list toolbar</source>
        <translation>Werkzeugleiste der Wortliste</translation>
    </message>
    <message>
        <source>Place for the word</source>
        <translation>Platz für das Wort</translation>
    </message>
    <message>
        <source>Placed %1 at %2,%3 %4</source>
        <translation>%1 bei %2,%3 %4 eingesetzt</translation>
    </message>
    <message>
        <source>down</source>
        <translation>senkrecht</translation>
    </message>
    <message>
        <source>across</source>
        <translation>waagerecht</translation>
    </message>
    <message>
        <source>Updated %1</source>
        <translation>%1 geändert</translation>
    </message>
    <message>
        <source>Deleted %1</source>
        <translation>%1 gelöscht</translation>
    </message>
    <message>
        <source>No place found for %1</source>
        <translation>Kein Platz für %1 gefunden</translation>
    </message>
    <message>
        <source>1 place found for %1</source>
        <translation>1 Platz für %1 gefunden</translation>
    </message>
    <message>
        <source>%1 places found for %2</source>
        <translation>%1 Plätze für %2 gefunden</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Please enter valid numbers for Number, X, and Y.</source>
        <translation>Bitte geben Sie gültige Zahlen für Nummer, X und Y ein.</translation>
    </message>
    <message>
        <source>No Word</source>
        <translation>Kein Wort</translation>
    </message>
    <message>
        <source>Please enter a word to search for a grid position.</source>
        <translation>Bitte geben Sie ein Wort ein, für das ein Platz im Gitter gesucht werden soll.</translation>
    </message>
    <message>
        <source>No Grid Words</source>
        <translation>Keine Wörter im Gitter</translation>
    </message>
    <message>
        <source>There are currently no words in the grid.
You may place this word at any positions that it will fit.
Click on the square you would like the word to start at,
select the orientation - Across/Down
Click the &apos;Update&apos; button to add the word at this location.</source>
        <translation>Im Gitter stehen noch keine Wörter.
Sie können dieses Wort überall einsetzen, wo es hineinpasst.
Klicken Sie auf das Kästchen, in dem das Wort beginnen soll,
wählen Sie die Richtung - Waagerecht/Senkrecht
Klicken Sie auf &apos;Eintragen&apos;, um das Wort dort einzusetzen.</translation>
    </message>
    <message>
        <source>Edit Words &amp; Clues</source>
        <translation>Wörter &amp; Hinweise</translation>
    </message>
    <message>
        <source>Word:</source>
        <translation>Wort:</translation>
    </message>
    <message>
        <source>Clue:</source>
        <translation>Hinweis:</translation>
    </message>
    <message>
        <source>X:</source>
        <translation>X:</translation>
    </message>
    <message>
        <source>Y:</source>
        <translation>Y:</translation>
    </message>
    <message>
        <source>Across</source>
        <translation>Waagerecht</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Senkrecht</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Eintragen</translation>
    </message>
    <message>
        <source>Add / Update word on grid</source>
        <translation>Wort im Gitter einsetzen / ändern</translation>
    </message>
    <message>
        <source>Delete the selected word from grid</source>
        <translation>Ausgewähltes Wort aus dem Gitter löschen</translation>
    </message>
    <message>
        <source>Store this  word in the dropdown list for inclusion later|Delete this word from the dropdown list.|Search for locations to place the word.</source>
        <translation>Dieses Wort für später in der Wortliste merken|Dieses Wort aus der Wortliste löschen.|Plätze für das Wort suchen.</translation>
    </message>
    <message>
        <source>Create / Regenerate Crossword</source>
        <translation>Rätsel erstellen / neu erstellen</translation>
    </message>
    <message>
        <source>S&amp;tore Word in the List</source>
        <translation>Wort in der Liste &amp;merken</translation>
    </message>
    <message>
        <source>Re&amp;move Word from the List</source>
        <translation>Wort aus der Liste ent&amp;fernen</translation>
    </message>
    <message>
        <source>Search for &amp;Places for the Word</source>
        <translation>&amp;Plätze für das Wort suchen</translation>
    </message>
</context>
<context>
    <name>Velloquin::WordsDock</name>
    <message>
        <source>Words</source>
        <translation>Wörter</translation>
    </message>
    <message>
        <source>Words and clues</source>
        <translation>Wörter und Hinweise</translation>
    </message>
    <message>
        <source>&amp;Delete Word</source>
        <translation>Wort &amp;löschen</translation>
    </message>
</context>
<context>
    <name>Velloquin::WordsModel</name>
    <message>
        <source>ACROSS</source>
        <translation>WAAGERECHT</translation>
    </message>
    <message>
        <source>DOWN</source>
        <translation>SENKRECHT</translation>
    </message>
    <message>
        <source>NOT PLACED</source>
        <translation>NICHT EINGESETZT</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>Nr.</translation>
    </message>
    <message>
        <source>Answer</source>
        <translation>Lösung</translation>
    </message>
    <message>
        <source>Clue</source>
        <translation>Hinweis</translation>
    </message>
</context>
<context>
    <name>WebPageOptionsDialog</name>
    <message>
        <source>Web Page Options</source>
        <translation>Optionen der Webseite</translation>
    </message>
    <message>
        <source>Allow &amp;Check (marks wrong letters)</source>
        <translation>&amp;Prüfen erlauben (markiert falsche Buchstaben)</translation>
    </message>
    <message>
        <source>Allow &amp;Reveal (shows letters and words)</source>
        <translation>&amp;Aufdecken erlauben (zeigt Buchstaben und Wörter)</translation>
    </message>
    <message>
        <source>Language of the page</source>
        <translation>Sprache der Seite</translation>
    </message>
    <message>
        <source>&amp;Language of the page:</source>
        <translation>&amp;Sprache der Seite:</translation>
    </message>
</context>
<context>
    <name>WordExportFlow</name>
    <message>
        <source>Export to MS &amp;Word...</source>
        <translation>Nach MS &amp;Word exportieren...</translation>
    </message>
    <message>
        <source>Export to MS Word.</source>
        <translation>Nach MS Word exportieren.</translation>
    </message>
    <message>
        <source>The Word document has been saved as:
%1</source>
        <translation>Das Word-Dokument wurde gespeichert als:
%1</translation>
    </message>
    <message>
        <source>Hide the answers</source>
        <translation>Lösungen verbergen</translation>
    </message>
    <message>
        <source>The answers are currently being shown in the crossword.
Would you like to hide the answers in the export to Word?</source>
        <translation>Im Rätsel werden gerade die Lösungen gezeigt.
Sollen die Lösungen beim Export nach Word verborgen werden?</translation>
    </message>
    <message>
        <source> Save this Word document as:</source>
        <translation> Dieses Word-Dokument speichern unter:</translation>
    </message>
    <message>
        <source>Exporting to Word
Please Wait</source>
        <translation>Export nach Word
Bitte warten</translation>
    </message>
</context>
</TS>
