<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>FileDialogs</name>
    <message>
        <source>Open / Save Dialog error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error: %1
Error number: %2
Please report this error to the author.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 file (*.%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Save this %1 as:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LanguageMenu</name>
    <message>
        <source>&amp;Language</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Velloquin already speaks %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Velloquin will speak %1 the next time it starts.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Language</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>System</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Generate placed %1 words</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Generate cancelled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keyboard Shortcuts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Menu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Command</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keys</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Keyboard Shortcuts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Getting Started</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Getting Started</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About Velloquin</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Velloquin %1

A crossword puzzle maker.
Released under the MIT licence.

Settings file: %2
In the folder: %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About Velloquin</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <source>The settings file %1 could not be created.
Velloquin starts with the default settings; changes to them cannot be saved in this session.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It was removed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It was set aside as %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The unsaved changes kept from the last session could not be read.
%1
%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Velloquin was closed with unsaved changes to %1. Restore them?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Velloquin::AgreementWindow</name>
    <message>
        <source>Velloquin - End-User Agreement</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please read the following agreement before you use Velloquin.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Agreement text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>I &amp;agree to the terms of this agreement</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>I agree to the terms of this agreement</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>I do &amp;not agree</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>I do not agree</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Confirm your choice</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>VELLOQUIN END-USER AGREEMENT

Velloquin is free software, released under the MIT licence. You may use it, copy it, change it, merge it into other work, publish, distribute, sublicense and sell copies of it, as long as the copyright notice and this permission notice are kept in all copies or substantial portions of it.

Velloquin is provided &quot;as is&quot;, without warranty of any kind, express or implied, including but not limited to the warranties of merchantability, fitness for a particular purpose and noninfringement. In no event shall the authors or copyright holders be liable for any claim, damages or other liability, whether in an action of contract, tort or otherwise, arising from, out of or in connection with the software or its use.

The puzzles you make with Velloquin are yours.

Choose &quot;I agree&quot; and press OK to start Velloquin. If you do not agree, the program ends and nothing is written to your computer.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Velloquin::ColorPalettePopup</name>
    <message>
        <source>Color Palette</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Default</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Normal Colors</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>System Colors</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show Color Dialog</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Custom Color %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Normal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>System</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>More Colors...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Velloquin::MainWindow</name>
    <message>
        <source>Opened %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Colour</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;MS Word Document...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zoom O&amp;ut</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Fit Grid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Words Panel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Main toolbar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Separator</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Column numbers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Row numbers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Crossword grid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> (missing)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open Recent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; no longer exists. It was removed from the list.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Status</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last outcome</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Grid size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Words placed and stored</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Squares where two words cross</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Share of the grid&apos;s squares in use</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 placed, %2 stored</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 crossing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 crossings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1% used</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click a square, type a word and its clue, then Update — or import a word list and Generate</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Velloquin::Message</name>
    <message>
        <source>The word &apos;%1&apos; will not fit at (%2,%3).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add Word Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This word would interfere with another word.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Either the word is too long or the coordinates are invalid.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The shared letters do not match.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Too Many Words</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The list already holds %1 stored words, as many as a puzzle file can keep.
Place or remove some words before storing more.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can&apos;t move</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sorry the crossword can&apos;t be moved left because a word is using the x-coordinate zero</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sorry the crossword can&apos;t be moved right because a word is using the x-coordinate %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sorry the crossword can&apos;t be moved up because a word is using the y-coordinate zero</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sorry the crossword can&apos;t be moved down because a word is using the y-coordinate %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete Word Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error deleting word:
Subscript out of range
Error number 9</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Trim Grid to Words</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There are no words on the grid to trim it to.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No Words</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There are no words in the grid or the dropdown word list.
Please enter some words before generating a crossword.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Generate Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There was a problem generating the crossword.
You may need to increase the grid size or just try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Word too big</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>One of the words in your list is too big, please increase your grid size.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The crossword file &quot;%1&quot; looks damaged.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>word lies partly outside the grid.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>words lie partly outside the grid.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>word clashes with a crossing word.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>words clash with crossing words.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>word overlaps a word running the same way.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>words overlap words running the same way.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>word holds characters that are not letters.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>words hold characters that are not letters.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>They were kept as they were; check them before saving.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>entry without a word was dropped.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>entries without a word were dropped.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Damaged Crossword</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Word too small</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sorry but you cannot add a word with less than 3 characters.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Word Legth Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sorry, the mimimum leghth for a word is 3 characters.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no such word.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The word holds the control character %1, which no square can show.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The word or its clue holds a control character, which cannot be shown.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; cannot be opened as a crossword.
%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Its %1 value &apos;%2&apos; is not a whole number from %3 to %4.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 clue held</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 clues held</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> &quot;###&quot;, which a puzzle file reads as a line break; it was kept as &quot;# # #&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; is not a crossword puzzle file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file does not exist.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Its size of %1 by %2 squares cannot be opened again; a puzzle file holds 1 to 255 squares a side.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It holds more words than a puzzle file can keep.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; could not be saved.
%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; could not be read.
%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no settings file in this session.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It would be too large to be opened again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The settings cannot be saved: no settings file could be created at the start of this session.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it holds the control character %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no word before the clue</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&apos;%1&apos; is shorter than %2 letters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&apos;%1&apos; is already listed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a broken character was read as �</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import Word List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is too large to be a word list.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not open %1:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 word of the list was not added.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 words of the list were not added.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>... and %1 more.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Line %1: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 word was added to the list.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 words were added to the list.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 line held a broken character:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 lines held a broken character:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 line was skipped:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 lines were skipped:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Place %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Update %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change Clue</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move Puzzle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Resize</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Generate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Store %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The recovery copy %1 could not be read.
%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The recovery copy %1 holds a word with the control character %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>an untitled puzzle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It is a folder.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It is not a regular file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It is too large.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not a regular file</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Velloquin::SettingsPanel</name>
    <message>
        <source>Crossword Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move the whole crossword</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Title:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Topic:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Width:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Height:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change current setting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Layout:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Classic</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Thorough</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quick: words cross at random places</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Searches up to 2 seconds to fit every word</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Searches up to 3 seconds for the smallest grid that holds every word</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How the crossword is generated</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Background</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Grid Lines</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Squares</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move the whole crossword left one square</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move the whole crossword right one square</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move the whole crossword up one square</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move the whole crossword down one square</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Velloquin::StyledProgressBar</name>
    <message>
        <source>Searching..</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Velloquin::WaitPanel</name>
    <message>
        <source>Please wait</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Progress</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Velloquin::WordPanel</name>
    <message>
        <source>Selection</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Word list toolbar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Place for the word</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Placed %1 at %2,%3 %4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>across</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Updated %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Deleted %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No place found for %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 place found for %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 places found for %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No Word Entered</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please enter a word to add.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please enter valid numbers for Number, X, and Y.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No Word</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please enter a word to search for a grid position.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No Grid Words</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There are currently no words in the grid.
You may place this word at any positions that it will fit.
Click on the square you would like the word to start at,
select the orientation - Across/Down
Click the &apos;Update&apos; button to add the word at this location.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit Words &amp; Clues</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Word:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clue:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>X:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Y:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Across</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Update</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add / Update word on grid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete the selected word from grid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Store this  word in the dropdown list for inclusion later|Delete this word from the dropdown list.|Search for locations to place the word.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Create / Regenerate Crossword</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Velloquin::WordsDock</name>
    <message>
        <source>Words</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Words and clues</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Delete Word</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Velloquin::WordsModel</name>
    <message>
        <source>ACROSS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DOWN</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>NOT PLACED</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Answer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clue</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WebPageOptionsDialog</name>
    <message>
        <source>Web Page Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Allow &amp;Check (marks wrong letters)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Allow &amp;Reveal (shows letters and words)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Language of the page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Language of the page:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
