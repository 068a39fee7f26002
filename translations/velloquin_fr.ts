<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>CommandLine</name>
    <message>
        <source>Velloquin makes crossword puzzles: place words and clues on a grid by hand or automatically, then save, print or export the puzzle.</source>
        <translation>Velloquin crée des mots croisés : placez mots et définitions dans une grille à la main ou automatiquement, puis enregistrez, imprimez ou exportez la grille.</translation>
    </message>
    <message>
        <source>A puzzle file (.cwd) to open, an .ipuz file to import or a word list (.txt) to add to the stored words.</source>
        <translation>Un fichier de grille (.cwd) à ouvrir, un fichier .ipuz à importer ou une liste de mots (.txt) à mettre de côté.</translation>
    </message>
</context>
<context>
    <name>EditCommands</name>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rétablir</translation>
    </message>
    <message>
        <source>Copy Crossword &amp;Picture</source>
        <translation>Copier l&apos;&amp;image de la grille</translation>
    </message>
    <message>
        <source>Copy Crossword Image to clipboard.</source>
        <translation>Copier l&apos;image de la grille dans le presse-papiers.</translation>
    </message>
    <message>
        <source>Copy Crossword &amp;Clues</source>
        <translation>Copier les &amp;définitions</translation>
    </message>
</context>
<context>
    <name>ExportCommands</name>
    <message>
        <source> Save this ipuz crossword as:</source>
        <translation> Enregistrer cette grille ipuz sous :</translation>
    </message>
    <message>
        <source> Save this Across Lite puzzle as:</source>
        <translation> Enregistrer cette grille Across Lite sous :</translation>
    </message>
    <message>
        <source> Save this worksheet as:</source>
        <translation> Enregistrer cette fiche sous :</translation>
    </message>
    <message>
        <source> Save this web page as:</source>
        <translation> Enregistrer cette page web sous :</translation>
    </message>
    <message>
        <source> Save this .%1 file as:</source>
        <translation> Enregistrer ce fichier .%1 sous :</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exporter</translation>
    </message>
</context>
<context>
    <name>FileCommands</name>
    <message>
        <source>Save Changes</source>
        <translation>Enregistrer les modifications</translation>
    </message>
    <message>
        <source>Do you want to save changes to current crossword?</source>
        <translation>Voulez-vous enregistrer les modifications de la grille actuelle ?</translation>
    </message>
    <message>
        <source>Opened %1</source>
        <translation>%1 ouvert</translation>
    </message>
    <message>
        <source>Open Recent</source>
        <translation>Fichiers récents</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; no longer exists. It was removed from the list.</source>
        <translation>Le fichier « %1 » n&apos;existe plus. Il a été retiré de la liste.</translation>
    </message>
    <message>
        <source> (missing)</source>
        <translation> (introuvable)</translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation>Fichiers &amp;récents</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nouveau</translation>
    </message>
    <message>
        <source>Create a New Crossword.</source>
        <translation>Créer une nouvelle grille.</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Ouvrir</translation>
    </message>
    <message>
        <source>Open a Crossword.</source>
        <translation>Ouvrir une grille.</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>Save the current Crossword.</source>
        <translation>Enregistrer la grille actuelle.</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Enregistrer &amp;sous...</translation>
    </message>
</context>
<context>
    <name>FileDialogs</name>
    <message>
        <source>Open / Save Dialog error</source>
        <translation>Erreur de la boîte Ouvrir / Enregistrer</translation>
    </message>
    <message>
        <source>Error: %1
Error number: %2
Please report this error to the author.</source>
        <translation>Erreur : %1
Numéro d&apos;erreur : %2
Merci de signaler cette erreur aux auteurs.</translation>
    </message>
    <message>
        <source>%1 file (*.%2)</source>
        <translation>Fichier de %1 (*.%2)</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Erreur inconnue</translation>
    </message>
    <message>
        <source> Save this %1 as:</source>
        <translation> Enregistrer ce fichier de %1 sous :</translation>
    </message>
    <message>
        <source>Crossword</source>
        <translation>mots croisés</translation>
    </message>
    <message>
        <source> Select Crossword file to open:</source>
        <translation> Choisir un fichier de mots croisés à ouvrir :</translation>
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
        <translation>1. Cliquez sur la case de la grille où un mot doit commencer.
2. Tapez le mot, appuyez sur Tab et tapez sa définition.
3. Choisissez Horizontal ou Vertical et appuyez sur Valider (ou Entrée).

Vous pouvez aussi mettre de côté beaucoup de mots avec leurs définitions (ou utiliser Fichier &gt; Importer une liste de mots...) puis appuyer sur Créer / régénérer la grille pour les disposer tous d&apos;un coup.

La liste des mots à côté de la grille montre chaque mot et sa définition : choisissez une ligne pour trouver son mot, appuyez sur F2 pour corriger une définition, sur Suppr pour retirer un mot de la grille.

Quand la grille est prête, enregistrez-la, imprimez-la ou exportez-la avec le menu Exporter.</translation>
    </message>
    <message>
        <source>Keyboard Shortcuts</source>
        <translation>Raccourcis clavier</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menu</translation>
    </message>
    <message>
        <source>Command</source>
        <translation>Commande</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Touches</translation>
    </message>
    <message>
        <source>&amp;Keyboard Shortcuts</source>
        <translation>&amp;Raccourcis clavier</translation>
    </message>
    <message>
        <source>&amp;Getting Started</source>
        <translation>&amp;Premiers pas</translation>
    </message>
    <message>
        <source>Getting Started</source>
        <translation>Premiers pas</translation>
    </message>
    <message>
        <source>&amp;About Velloquin</source>
        <translation>À &amp;propos de Velloquin</translation>
    </message>
    <message>
        <source>Velloquin %1

A crossword puzzle maker.
Released under the MIT licence.

Settings file: %2
In the folder: %3</source>
        <translation>Velloquin %1

Un créateur de mots croisés.
Publié sous licence MIT.

Fichier des réglages : %2
Dans le dossier : %3</translation>
    </message>
    <message>
        <source>About Velloquin</source>
        <translation>À propos de Velloquin</translation>
    </message>
</context>
<context>
    <name>InterchangeCommands</name>
    <message>
        <source>Import ipuz</source>
        <translation>Importer un ipuz</translation>
    </message>
    <message>
        <source>&amp;Import Word List...</source>
        <translation>&amp;Importer une liste de mots...</translation>
    </message>
    <message>
        <source>Import ip&amp;uz...</source>
        <translation>Importer un ip&amp;uz...</translation>
    </message>
    <message>
        <source> Select a word list to import:</source>
        <translation> Choisir une liste de mots à importer :</translation>
    </message>
    <message>
        <source>Word list (*.txt);;All files (*)</source>
        <translation>Liste de mots (*.txt);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source> Select ipuz file to import:</source>
        <translation> Choisir un fichier ipuz à importer :</translation>
    </message>
    <message>
        <source>ipuz crossword file (*.ipuz)</source>
        <translation>Fichier de mots croisés ipuz (*.ipuz)</translation>
    </message>
</context>
<context>
    <name>LanguageMenu</name>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Langue</translation>
    </message>
    <message>
        <source>Velloquin already speaks %1.</source>
        <translation>Velloquin est déjà en %1.</translation>
    </message>
    <message>
        <source>Velloquin will speak %1 the next time it starts.</source>
        <translation>Velloquin sera en %1 au prochain démarrage.</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Système</translation>
    </message>
</context>
<context>
    <name>PrintCommands</name>
    <message>
        <source>The printer could not be started.</source>
        <translation>L&apos;imprimante n&apos;a pas pu être démarrée.</translation>
    </message>
    <message>
        <source>A page could not be started on the printer.</source>
        <translation>Une page n&apos;a pas pu être commencée sur l&apos;imprimante.</translation>
    </message>
    <message>
        <source>The worksheet could not be written to &quot;%1&quot;: %2</source>
        <translation>La fiche n&apos;a pas pu être écrite dans « %1 » : %2</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Imprimer...</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Generate placed %1 words</source>
        <translation>La génération a placé %1 mots</translation>
    </message>
    <message>
        <source>Generate cancelled</source>
        <translation>Génération annulée</translation>
    </message>
    <message>
        <source>%1 shares no letter with the other words, so it cannot cross them. Place the other %2 words and keep it in the word list?</source>
        <translation>%1 n&apos;a aucune lettre commune avec les autres mots et ne peut donc pas les croiser. Placer les %2 autres mots et le garder dans la liste de mots ?</translation>
    </message>
    <message>
        <source>Generate Crossword</source>
        <translation>Générer la grille</translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <source>The settings file %1 could not be created.
Velloquin starts with the default settings; changes to them cannot be saved in this session.</source>
        <translation>Le fichier des réglages %1 n&apos;a pas pu être créé.
Velloquin démarre avec les réglages par défaut ; leurs modifications ne pourront pas être enregistrées pendant cette session.</translation>
    </message>
    <message>
        <source>It was removed.</source>
        <translation>Elle a été supprimée.</translation>
    </message>
    <message>
        <source>It was set aside as %1.</source>
        <translation>Elle a été mise de côté sous le nom %1.</translation>
    </message>
    <message>
        <source>The unsaved changes kept from the last session could not be read.
%1
%2</source>
        <translation>Les modifications non enregistrées conservées de la dernière session n&apos;ont pas pu être lues.
%1
%2</translation>
    </message>
    <message>
        <source>Velloquin was closed with unsaved changes to %1. Restore them?</source>
        <translation>Velloquin a été fermé avec des modifications non enregistrées de %1. Les restaurer ?</translation>
    </message>
</context>
<context>
    <name>Velloquin::AgreementWindow</name>
    <message>
        <source>Velloquin - End-User Agreement</source>
        <translation>Velloquin - Contrat d&apos;utilisation</translation>
    </message>
    <message>
        <source>Please read the following agreement before you use Velloquin.</source>
        <translation>Veuillez lire le contrat suivant avant d&apos;utiliser Velloquin.</translation>
    </message>
    <message>
        <source>Agreement text</source>
        <translation>Texte du contrat</translation>
    </message>
    <message>
        <source>I &amp;agree to the terms of this agreement</source>
        <translation>J&apos;&amp;accepte les conditions de ce contrat</translation>
    </message>
    <message>
        <source>I agree to the terms of this agreement</source>
        <translation>J&apos;accepte les conditions de ce contrat</translation>
    </message>
    <message>
        <source>I do &amp;not agree</source>
        <translation>Je &amp;refuse</translation>
    </message>
    <message>
        <source>I do not agree</source>
        <translation>Je refuse</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Confirm your choice</source>
        <translation>Confirmer votre choix</translation>
    </message>
    <message>
        <source>VELLOQUIN END-USER AGREEMENT

Velloquin is free software, released under the MIT licence. You may use it, copy it, change it, merge it into other work, publish, distribute, sublicense and sell copies of it, as long as the copyright notice and this permission notice are kept in all copies or substantial portions of it.

Velloquin is provided &quot;as is&quot;, without warranty of any kind, express or implied, including but not limited to the warranties of merchantability, fitness for a particular purpose and noninfringement. In no event shall the authors or copyright holders be liable for any claim, damages or other liability, whether in an action of contract, tort or otherwise, arising from, out of or in connection with the software or its use.

The puzzles you make with Velloquin are yours.

Choose &quot;I agree&quot; and press OK to start Velloquin. If you do not agree, the program ends and nothing is written to your computer.</source>
        <translation>CONTRAT D&apos;UTILISATION DE VELLOQUIN

Velloquin est un logiciel libre, publié sous licence MIT. Vous pouvez l&apos;utiliser, le copier, le modifier, l&apos;intégrer à d&apos;autres œuvres, le publier, le distribuer, le sous-licencier et en vendre des copies, à condition que l&apos;avis de droit d&apos;auteur et le présent avis d&apos;autorisation figurent dans toutes les copies ou parties substantielles.

Velloquin est fourni « tel quel », sans garantie d&apos;aucune sorte, explicite ou implicite, notamment sans garantie de qualité marchande, d&apos;adéquation à un usage particulier et d&apos;absence de contrefaçon. En aucun cas les auteurs ou titulaires du droit d&apos;auteur ne pourront être tenus responsables de toute réclamation, de tout dommage ou de toute autre responsabilité, que ce soit dans le cadre d&apos;un contrat, d&apos;un délit ou autrement, découlant du logiciel ou de son utilisation, ou en lien avec ceux-ci.

Les grilles que vous créez avec Velloquin vous appartiennent.

Choisissez « J&apos;accepte » et appuyez sur OK pour démarrer Velloquin. Si vous refusez, le programme se termine et rien n&apos;est écrit sur votre ordinateur.

(Seul le texte anglais de la licence MIT fait foi.)</translation>
    </message>
</context>
<context>
    <name>Velloquin::ColorPalettePopup</name>
    <message>
        <source>Color Palette</source>
        <translation>Palette de couleurs</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Par défaut</translation>
    </message>
    <message>
        <source>Normal Colors</source>
        <translation>Couleurs normales</translation>
    </message>
    <message>
        <source>System Colors</source>
        <translation>Couleurs du système</translation>
    </message>
    <message>
        <source>Show Color Dialog</source>
        <translation>Ouvrir le sélecteur de couleur</translation>
    </message>
    <message>
        <source>Custom Color %1</source>
        <translation>Couleur personnalisée %1</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normales</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Système</translation>
    </message>
    <message>
        <source>More Colors...</source>
        <translation>Autres couleurs...</translation>
    </message>
</context>
<context>
    <name>Velloquin::ExportFormats</name>
    <message>
        <source>&amp;MS Word Document...</source>
        <translation>Document &amp;MS Word...</translation>
    </message>
    <message>
        <source>Word document (*.docx)</source>
        <translation>Document Word (*.docx)</translation>
    </message>
    <message>
        <source>Puzzle as &amp;ipuz...</source>
        <translation>Grille en &amp;ipuz...</translation>
    </message>
    <message>
        <source>ipuz crossword file (*.ipuz)</source>
        <translation>Fichier de mots croisés ipuz (*.ipuz)</translation>
    </message>
    <message>
        <source>Puzzle as &amp;Across Lite puz...</source>
        <translation>Grille en puz &amp;Across Lite...</translation>
    </message>
    <message>
        <source>Across Lite puzzle file (*.puz)</source>
        <translation>Fichier de grille Across Lite (*.puz)</translation>
    </message>
    <message>
        <source>P&amp;DF worksheet...</source>
        <translation>Fiche P&amp;DF...</translation>
    </message>
    <message>
        <source>PDF document (*.pdf)</source>
        <translation>Document PDF (*.pdf)</translation>
    </message>
    <message>
        <source>&amp;Web Page (HTML)...</source>
        <translation>Page &amp;web (HTML)...</translation>
    </message>
    <message>
        <source>Web page (*.html *.htm)</source>
        <translation>Page web (*.html *.htm)</translation>
    </message>
</context>
<context>
    <name>Velloquin::MainWindow</name>
    <message>
        <source>Colour</source>
        <translation>Couleur</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>Zoom &amp;avant</translation>
    </message>
    <message>
        <source>Zoom O&amp;ut</source>
        <translation>Zoom a&amp;rrière</translation>
    </message>
    <message>
        <source>&amp;Fit Grid</source>
        <translation>&amp;Ajuster la grille</translation>
    </message>
    <message>
        <source>&amp;Words Panel</source>
        <translation>Liste des &amp;mots</translation>
    </message>
    <message>
        <source>Main toolbar</source>
        <translation>Barre d&apos;outils principale</translation>
    </message>
    <message>
        <source>Separator</source>
        <translation>Séparateur</translation>
    </message>
    <message>
        <source>Column numbers</source>
        <translation>Numéros de colonne</translation>
    </message>
    <message>
        <source>Row numbers</source>
        <translation>Numéros de ligne</translation>
    </message>
    <message>
        <source>Crossword grid</source>
        <translation>Grille de mots croisés</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>État</translation>
    </message>
    <message>
        <source>Last outcome</source>
        <translation>Dernier résultat</translation>
    </message>
    <message>
        <source>Grid size</source>
        <translation>Taille de la grille</translation>
    </message>
    <message>
        <source>Words placed and stored</source>
        <translation>Mots placés et mis de côté</translation>
    </message>
    <message>
        <source>Squares where two words cross</source>
        <translation>Cases où deux mots se croisent</translation>
    </message>
    <message>
        <source>Share of the grid&apos;s squares in use</source>
        <translation>Part des cases de la grille utilisées</translation>
    </message>
    <message>
        <source>%1 placed, %2 stored</source>
        <translation>%1 placés, %2 de côté</translation>
    </message>
    <message>
        <source>1 crossing</source>
        <translation>1 croisement</translation>
    </message>
    <message>
        <source>%1 crossings</source>
        <translation>%1 croisements</translation>
    </message>
    <message>
        <source>%1% used</source>
        <translation>%1 % utilisé</translation>
    </message>
    <message>
        <source>Click a square, type a word and its clue, then Update — or import a word list and Generate</source>
        <translation>Choisir une case, saisir mot et définition, Valider — ou importer une liste, Générer</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Édition</translation>
    </message>
    <message>
        <source>&amp;Copy..</source>
        <translation>&amp;Copier..</translation>
    </message>
    <message>
        <source>E&amp;xport</source>
        <translation>E&amp;xporter</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Affichage</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>&amp;Outils</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;ide</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Hide Answers</source>
        <translation>&amp;Masquer les réponses</translation>
    </message>
    <message>
        <source>Hide Answers.</source>
        <translation>Masquer les réponses.</translation>
    </message>
    <message>
        <source>&amp;Outline Mode</source>
        <translation>Mode &amp;contour</translation>
    </message>
    <message>
        <source>Outline Mode - don&apos;t show grid lines.</source>
        <translation>Mode contour - sans lignes de grille.</translation>
    </message>
    <message>
        <source>&amp;Save Current Settings as Default</source>
        <translation>&amp;Enregistrer les réglages actuels par défaut</translation>
    </message>
    <message>
        <source>Save current settings as default settings</source>
        <translation>Enregistrer les réglages actuels par défaut</translation>
    </message>
    <message>
        <source>&amp;Reset Settings to Original Values...</source>
        <translation>&amp;Rétablir les réglages d&apos;origine...</translation>
    </message>
    <message>
        <source>Reset settings to original values</source>
        <translation>Rétablir les réglages d&apos;origine</translation>
    </message>
    <message>
        <source>Tr&amp;im Grid to Words</source>
        <translation>Ré&amp;duire la grille aux mots</translation>
    </message>
    <message>
        <source>The original default settings have been restored.
If you would like these settings to take effect imediately then select &apos;Yes&apos;
otherwise the settings will take effect when you next start the application.

Change settings now?</source>
        <translation>Les réglages d&apos;origine ont été rétablis.
Pour qu&apos;ils s&apos;appliquent tout de suite, choisissez « Oui »,
sinon ils s&apos;appliqueront au prochain démarrage du programme.

Modifier les réglages maintenant ?</translation>
    </message>
    <message>
        <source>Reset Default Settings</source>
        <translation>Rétablir les réglages par défaut</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>Please enter valid numbers for X and Y (&gt;=5).</source>
        <translation>Saisissez des nombres valables pour X et Y (&gt;=5).</translation>
    </message>
    <message>
        <source>Warning. Changing the size of the crossword may result in the loss of Words
Do you wish to continue?</source>
        <translation>Attention : changer la taille de la grille peut faire perdre des mots.
Voulez-vous continuer ?</translation>
    </message>
    <message>
        <source>Change Settings</source>
        <translation>Modifier les réglages</translation>
    </message>
</context>
<context>
    <name>Velloquin::Message</name>
    <message>
        <source>The word &apos;%1&apos; will not fit at (%2,%3).</source>
        <translation>Le mot « %1 » ne tient pas en (%2,%3).</translation>
    </message>
    <message>
        <source>Add Word Error</source>
        <translation>Erreur d&apos;ajout du mot</translation>
    </message>
    <message>
        <source>This word would interfere with another word.</source>
        <translation>Ce mot gênerait un autre mot.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>Either the word is too long or the coordinates are invalid.</source>
        <translation>Le mot est trop long ou les coordonnées ne sont pas valables.</translation>
    </message>
    <message>
        <source>The shared letters do not match.</source>
        <translation>Les lettres communes ne correspondent pas.</translation>
    </message>
    <message>
        <source>Too Many Words</source>
        <translation>Trop de mots</translation>
    </message>
    <message>
        <source>The list already holds %1 stored words, as many as a puzzle file can keep.
Place or remove some words before storing more.</source>
        <translation>La liste contient déjà %1 mots mis de côté, le maximum qu&apos;un fichier de grille peut garder.
Placez ou retirez des mots avant d&apos;en mettre d&apos;autres de côté.</translation>
    </message>
    <message>
        <source>Can&apos;t move</source>
        <translation>Déplacement impossible</translation>
    </message>
    <message>
        <source>Sorry the crossword can&apos;t be moved left because a word is using the x-coordinate zero</source>
        <translation>Désolé, la grille ne peut pas être déplacée vers la gauche car un mot occupe la coordonnée x zéro</translation>
    </message>
    <message>
        <source>Sorry the crossword can&apos;t be moved right because a word is using the x-coordinate %1</source>
        <translation>Désolé, la grille ne peut pas être déplacée vers la droite car un mot occupe la coordonnée x %1</translation>
    </message>
    <message>
        <source>Sorry the crossword can&apos;t be moved up because a word is using the y-coordinate zero</source>
        <translation>Désolé, la grille ne peut pas être déplacée vers le haut car un mot occupe la coordonnée y zéro</translation>
    </message>
    <message>
        <source>Sorry the crossword can&apos;t be moved down because a word is using the y-coordinate %1</source>
        <translation>Désolé, la grille ne peut pas être déplacée vers le bas car un mot occupe la coordonnée y %1</translation>
    </message>
    <message>
        <source>Delete Word Error</source>
        <translation>Erreur de suppression du mot</translation>
    </message>
    <message>
        <source>Error deleting word:
Subscript out of range
Error number 9</source>
        <translation>Erreur lors de la suppression du mot :
Indice hors limites
Erreur numéro 9</translation>
    </message>
    <message>
        <source>Trim Grid to Words</source>
        <translation>Réduire la grille aux mots</translation>
    </message>
    <message>
        <source>There are no words on the grid to trim it to.</source>
        <translation>La grille ne contient aucun mot auquel la réduire.</translation>
    </message>
    <message>
        <source>No Words</source>
        <translation>Aucun mot</translation>
    </message>
    <message>
        <source>There are no words in the grid or the dropdown word list.
Please enter some words before generating a crossword.</source>
        <translation>Il n&apos;y a aucun mot dans la grille ni dans la liste de mots.
Saisissez des mots avant de générer une grille.</translation>
    </message>
    <message>
        <source>Generate Error</source>
        <translation>Erreur de génération</translation>
    </message>
    <message>
        <source>There was a problem generating the crossword.
You may need to increase the grid size or just try again.</source>
        <translation>Un problème est survenu lors de la génération de la grille.
Agrandissez la grille ou réessayez simplement.</translation>
    </message>
    <message>
        <source>Word too big</source>
        <translation>Mot trop long</translation>
    </message>
    <message>
        <source>One of the words in your list is too big, please increase your grid size.</source>
        <translation>Un des mots de votre liste est trop long, agrandissez la grille.</translation>
    </message>
    <message>
        <source>The crossword file &quot;%1&quot; looks damaged.</source>
        <translation>Le fichier de grille « %1 » semble endommagé.</translation>
    </message>
    <message>
        <source>word lies partly outside the grid.</source>
        <translation>mot dépasse de la grille.</translation>
    </message>
    <message>
        <source>words lie partly outside the grid.</source>
        <translation>mots dépassent de la grille.</translation>
    </message>
    <message>
        <source>word clashes with a crossing word.</source>
        <translation>mot ne concorde pas avec un mot croisé.</translation>
    </message>
    <message>
        <source>words clash with crossing words.</source>
        <translation>mots ne concordent pas avec des mots croisés.</translation>
    </message>
    <message>
        <source>word overlaps a word running the same way.</source>
        <translation>mot chevauche un mot de même sens.</translation>
    </message>
    <message>
        <source>words overlap words running the same way.</source>
        <translation>mots chevauchent des mots de même sens.</translation>
    </message>
    <message>
        <source>word holds characters that are not letters.</source>
        <translation>mot contient des caractères qui ne sont pas des lettres.</translation>
    </message>
    <message>
        <source>words hold characters that are not letters.</source>
        <translation>mots contiennent des caractères qui ne sont pas des lettres.</translation>
    </message>
    <message>
        <source>They were kept as they were; check them before saving.</source>
        <translation>Ils ont été gardés tels quels ; vérifiez-les avant d&apos;enregistrer.</translation>
    </message>
    <message>
        <source>entry without a word was dropped.</source>
        <translation>entrée sans mot a été écartée.</translation>
    </message>
    <message>
        <source>entries without a word were dropped.</source>
        <translation>entrées sans mot ont été écartées.</translation>
    </message>
    <message>
        <source>Damaged Crossword</source>
        <translation>Grille endommagée</translation>
    </message>
    <message>
        <source>Word too small</source>
        <translation>Mot trop court</translation>
    </message>
    <message>
        <source>Sorry but you cannot add a word with less than 3 characters.</source>
        <translation>Désolé, un mot de moins de 3 lettres ne peut pas être ajouté.</translation>
    </message>
    <message>
        <source>Word Legth Error</source>
        <translation>Erreur de longueur du mot</translation>
    </message>
    <message>
        <source>Sorry, the mimimum leghth for a word is 3 characters.</source>
        <translation>Désolé, un mot doit compter au moins 3 lettres.</translation>
    </message>
    <message>
        <source>There is no such word.</source>
        <translation>Ce mot n&apos;existe pas.</translation>
    </message>
    <message>
        <source>The word holds the control character %1, which no square can show.</source>
        <translation>Le mot contient le caractère de contrôle %1, qu&apos;aucune case ne peut afficher.</translation>
    </message>
    <message>
        <source>The word or its clue holds a control character, which cannot be shown.</source>
        <translation>Le mot ou sa définition contient un caractère de contrôle, qui ne peut pas être affiché.</translation>
    </message>
    <message>
        <source>Open Error</source>
        <translation>Erreur d&apos;ouverture</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; cannot be opened as a crossword.
%2</source>
        <translation>Le fichier « %1 » ne peut pas être ouvert comme grille de mots croisés.
%2</translation>
    </message>
    <message>
        <source>Its %1 value &apos;%2&apos; is not a whole number from %3 to %4.</source>
        <translation>Sa valeur %1 « %2 » n&apos;est pas un nombre entier de %3 à %4.</translation>
    </message>
    <message>
        <source>1 clue held</source>
        <translation>1 définition contenait</translation>
    </message>
    <message>
        <source>%1 clues held</source>
        <translation>%1 définitions contenaient</translation>
    </message>
    <message>
        <source> &quot;###&quot;, which a puzzle file reads as a line break; it was kept as &quot;# # #&quot;.</source>
        <translation> « ### », qu&apos;un fichier de grille lit comme un saut de ligne ; il a été gardé sous la forme « # # # ».</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; is not a crossword puzzle file.</source>
        <translation>Le fichier « %1 » n&apos;est pas un fichier de mots croisés.</translation>
    </message>
    <message>
        <source>The file does not exist.</source>
        <translation>Le fichier n&apos;existe pas.</translation>
    </message>
    <message>
        <source>Its size of %1 by %2 squares cannot be opened again; a puzzle file holds 1 to 255 squares a side.</source>
        <translation>Une taille de %1 sur %2 cases ne pourrait pas être rouverte ; un fichier de grille compte de 1 à 255 cases par côté.</translation>
    </message>
    <message>
        <source>It holds more words than a puzzle file can keep.</source>
        <translation>Elle contient plus de mots qu&apos;un fichier de grille ne peut en garder.</translation>
    </message>
    <message>
        <source>Save Error</source>
        <translation>Erreur d&apos;enregistrement</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; could not be saved.
%2</source>
        <translation>Le fichier « %1 » n&apos;a pas pu être enregistré.
%2</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; could not be read.
%2</source>
        <translation>Le fichier « %1 » n&apos;a pas pu être lu.
%2</translation>
    </message>
    <message>
        <source>There is no settings file in this session.</source>
        <translation>Cette session n&apos;a pas de fichier de réglages.</translation>
    </message>
    <message>
        <source>It would be too large to be opened again.</source>
        <translation>Il serait trop grand pour être rouvert.</translation>
    </message>
    <message>
        <source>The settings cannot be saved: no settings file could be created at the start of this session.</source>
        <translation>Les réglages ne peuvent pas être enregistrés : aucun fichier de réglages n&apos;a pu être créé au début de cette session.</translation>
    </message>
    <message>
        <source>it holds the control character %1</source>
        <translation>elle contient le caractère de contrôle %1</translation>
    </message>
    <message>
        <source>no word before the clue</source>
        <translation>aucun mot avant la définition</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is shorter than %2 letters</source>
        <translation>« %1 » compte moins de %2 lettres</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is already listed</source>
        <translation>« %1 » est déjà dans la liste</translation>
    </message>
    <message>
        <source>a broken character was read as �</source>
        <translation>un caractère abîmé a été lu comme �</translation>
    </message>
    <message>
        <source>Import Word List</source>
        <translation>Importer une liste de mots</translation>
    </message>
    <message>
        <source>%1 is too large to be a word list.</source>
        <translation>%1 est trop grand pour être une liste de mots.</translation>
    </message>
    <message>
        <source>Could not open %1:</source>
        <translation>Impossible d&apos;ouvrir %1 :</translation>
    </message>
    <message>
        <source>1 word of the list was not added.</source>
        <translation>1 mot de la liste n&apos;a pas été ajouté.</translation>
    </message>
    <message>
        <source>%1 words of the list were not added.</source>
        <translation>%1 mots de la liste n&apos;ont pas été ajoutés.</translation>
    </message>
    <message>
        <source>... and %1 more.</source>
        <translation>... et %1 de plus.</translation>
    </message>
    <message>
        <source>Line %1: %2.</source>
        <translation>Ligne %1 : %2.</translation>
    </message>
    <message>
        <source>1 word was added to the list.</source>
        <translation>1 mot a été ajouté à la liste.</translation>
    </message>
    <message>
        <source>%1 words were added to the list.</source>
        <translation>%1 mots ont été ajoutés à la liste.</translation>
    </message>
    <message>
        <source>1 line held a broken character:</source>
        <translation>1 ligne contenait un caractère abîmé :</translation>
    </message>
    <message>
        <source>%1 lines held a broken character:</source>
        <translation>%1 lignes contenaient un caractère abîmé :</translation>
    </message>
    <message>
        <source>1 line was skipped:</source>
        <translation>1 ligne a été ignorée :</translation>
    </message>
    <message>
        <source>%1 lines were skipped:</source>
        <translation>%1 lignes ont été ignorées :</translation>
    </message>
    <message>
        <source>Place %1</source>
        <translation>Placer %1</translation>
    </message>
    <message>
        <source>Update %1</source>
        <translation>Modifier %1</translation>
    </message>
    <message>
        <source>Change Clue</source>
        <translation>Modifier la définition</translation>
    </message>
    <message>
        <source>Delete %1</source>
        <translation>Supprimer %1</translation>
    </message>
    <message>
        <source>Move Puzzle</source>
        <translation>Déplacer la grille</translation>
    </message>
    <message>
        <source>Resize</source>
        <translation>Redimensionner</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Modifier les réglages</translation>
    </message>
    <message>
        <source>Generate</source>
        <translation>Générer</translation>
    </message>
    <message>
        <source>Store %1</source>
        <translation>Mettre %1 de côté</translation>
    </message>
    <message>
        <source>Remove %1</source>
        <translation>Retirer %1</translation>
    </message>
    <message>
        <source>The recovery copy %1 could not be read.
%2</source>
        <translation>La copie de secours %1 n&apos;a pas pu être lue.
%2</translation>
    </message>
    <message>
        <source>The recovery copy %1 holds a word with the control character %2.</source>
        <translation>La copie de secours %1 contient un mot avec le caractère de contrôle %2.</translation>
    </message>
    <message>
        <source>an untitled puzzle</source>
        <translation>une grille sans titre</translation>
    </message>
    <message>
        <source>It is a folder.</source>
        <translation>C&apos;est un dossier.</translation>
    </message>
    <message>
        <source>It is not a regular file.</source>
        <translation>Ce n&apos;est pas un fichier ordinaire.</translation>
    </message>
    <message>
        <source>It is too large.</source>
        <translation>Il est trop grand.</translation>
    </message>
    <message>
        <source>Not a regular file</source>
        <translation>Pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>Save Picture</source>
        <translation>Enregistrer l&apos;image</translation>
    </message>
    <message>
        <source>The picture could not be saved as %1:
%2</source>
        <translation>L&apos;image n&apos;a pas pu être enregistrée sous %1 :
%2</translation>
    </message>
    <message>
        <source>There is no picture to save.</source>
        <translation>Il n&apos;y a aucune image à enregistrer.</translation>
    </message>
    <message>
        <source>The picture could not be encoded.</source>
        <translation>L&apos;image n&apos;a pas pu être encodée.</translation>
    </message>
    <message>
        <source>The puzzle cannot be written as a web page.</source>
        <translation>La grille ne peut pas être écrite comme page web.</translation>
    </message>
    <message>
        <source>It has no words.</source>
        <translation>Elle ne contient aucun mot.</translation>
    </message>
    <message>
        <source>The word &apos;%1&apos; at %2 has no direction.</source>
        <translation>Le mot « %1 » en %2 n&apos;a pas de sens.</translation>
    </message>
    <message>
        <source>A word at %1 has no letters.</source>
        <translation>Un mot en %1 n&apos;a aucune lettre.</translation>
    </message>
    <message>
        <source>The word &apos;%1&apos; at %2 does not lie inside the grid.</source>
        <translation>Le mot « %1 » en %2 n&apos;est pas dans la grille.</translation>
    </message>
    <message>
        <source>The word &apos;%1&apos; at %2 holds a character that cannot be typed into a square.</source>
        <translation>Le mot « %1 » en %2 contient un caractère qui ne peut pas être tapé dans une case.</translation>
    </message>
    <message>
        <source>The word &apos;%1&apos; at %2 and a crossing word have different letters at %3.</source>
        <translation>Le mot « %1 » en %2 et un mot qui le croise ont des lettres différentes en %3.</translation>
    </message>
    <message>
        <source>The page cannot be written in the language &apos;%1&apos;.</source>
        <translation>La page ne peut pas être écrite dans la langue « %1 ».</translation>
    </message>
    <message>
        <source>The page&apos;s style or script is missing from the program.</source>
        <translation>Le style ou le script de la page manque dans le programme.</translation>
    </message>
    <message>
        <source>Could not write %1:</source>
        <translation>Impossible d&apos;écrire %1 :</translation>
    </message>
    <message>
        <source>Export Error</source>
        <translation>Erreur d&apos;exportation</translation>
    </message>
    <message>
        <source>The puzzle cannot be written as %1.</source>
        <translation>La grille ne peut pas être écrite en %1.</translation>
    </message>
    <message>
        <source>The word &apos;%1&apos; at %2 has fewer than two letters.</source>
        <translation>Le mot « %1 » en %2 a moins de deux lettres.</translation>
    </message>
    <message>
        <source>Two words start at %1.</source>
        <translation>Deux mots commencent en %1.</translation>
    </message>
    <message>
        <source>The letters &apos;%1&apos; at %2 form a run that is not one of its words.</source>
        <translation>Les lettres « %1 » en %2 forment une suite qui n&apos;est pas un de ses mots.</translation>
    </message>
    <message>
        <source>The word &apos;%1&apos; at %2 runs into other letters: the grid reads &apos;%3&apos; there.</source>
        <translation>Le mot « %1 » en %2 touche d&apos;autres lettres : la grille y indique « %3 ».</translation>
    </message>
    <message>
        <source>The word &apos;%1&apos; at %2 %3 runs into other letters.</source>
        <translation>Le mot « %1 » en %2 %3 touche d&apos;autres lettres.</translation>
    </message>
    <message>
        <source>The square at %1 has a style (such as a circle or shading), which the program cannot show.</source>
        <translation>La case en %1 a un style (comme un cercle ou une trame) que le programme ne peut pas afficher.</translation>
    </message>
    <message>
        <source>The square at %1 is labelled &apos;%2&apos;; the program numbers its squares 1, 2, 3 and so on.</source>
        <translation>La case en %1 porte l&apos;étiquette « %2 » ; le programme numérote ses cases 1, 2, 3 et ainsi de suite.</translation>
    </message>
    <message>
        <source>The white square at %1 has no solution letter.</source>
        <translation>La case blanche en %1 n&apos;a pas de lettre de solution.</translation>
    </message>
    <message>
        <source>The square at %1 holds &apos;%2&apos;; the program keeps one letter per square.</source>
        <translation>La case en %1 contient « %2 » ; le programme garde une lettre par case.</translation>
    </message>
    <message>
        <source>The white squares from %1 to %2 form a block of four letters. The program keeps words apart (no parallel words side by side), so this grid has no reading as its kind of puzzle.</source>
        <translation>Les cases blanches de %1 à %2 forment un bloc de quatre lettres. Le programme sépare les mots (pas de mots parallèles côte à côte) : cette grille ne peut donc pas être lue comme ses grilles.</translation>
    </message>
    <message>
        <source>The word &apos;%1&apos; at %2 %3 lies beside another word in a way the program&apos;s placement rules do not allow.</source>
        <translation>Le mot « %1 » en %2 %3 est placé à côté d&apos;un autre mot d&apos;une façon que les règles du programme n&apos;autorisent pas.</translation>
    </message>
    <message>
        <source>Its clues are not a list by direction.</source>
        <translation>Ses définitions ne sont pas une liste par sens.</translation>
    </message>
    <message>
        <source>It has clues in the direction &apos;%1&apos;; the program has only Across and Down.</source>
        <translation>Elle a des définitions dans le sens « %1 » ; le programme ne connaît qu&apos;Horizontal et Vertical.</translation>
    </message>
    <message>
        <source>Its %1 clues are not a list.</source>
        <translation>Ses définitions %1 ne sont pas une liste.</translation>
    </message>
    <message>
        <source>The %1 clue %2 spans squares of its own choosing; the program&apos;s words are the runs of letters.</source>
        <translation>La définition %1 %2 couvre des cases de son choix ; les mots du programme sont les suites de lettres.</translation>
    </message>
    <message>
        <source>A %1 clue has no number: &apos;%2&apos;.</source>
        <translation>Une définition %1 n&apos;a pas de numéro : « %2 ».</translation>
    </message>
    <message>
        <source>The %1 clue numbered &apos;%2&apos; does not name one square.</source>
        <translation>La définition %1 numérotée « %2 » ne désigne pas une seule case.</translation>
    </message>
    <message>
        <source>The %1 clue %2 has no text.</source>
        <translation>La définition %1 %2 n&apos;a pas de texte.</translation>
    </message>
    <message>
        <source>It starts with &quot;ipuz(&quot; but does not end with &quot;)&quot;.</source>
        <translation>Il commence par « ipuz( » mais ne se termine pas par « ) ».</translation>
    </message>
    <message>
        <source>It is empty.</source>
        <translation>Il est vide.</translation>
    </message>
    <message>
        <source>It is not valid JSON (%1 at character %2); the file may be truncated or damaged.</source>
        <translation>Ce n&apos;est pas du JSON valable (%1 au caractère %2) ; le fichier est peut-être tronqué ou endommagé.</translation>
    </message>
    <message>
        <source>It does not hold an ipuz object.</source>
        <translation>Il ne contient pas d&apos;objet ipuz.</translation>
    </message>
    <message>
        <source>It is not an ipuz crossword (its &quot;kind&quot; is %1).</source>
        <translation>Ce n&apos;est pas une grille ipuz de mots croisés (son « kind » est %1).</translation>
    </message>
    <message>
        <source>It has no ipuz &quot;version&quot;.</source>
        <translation>Il n&apos;a pas de « version » ipuz.</translation>
    </message>
    <message>
        <source>Its &quot;dimensions&quot; are not a width and height from 1 to %1.</source>
        <translation>Ses « dimensions » ne sont pas une largeur et une hauteur de 1 à %1.</translation>
    </message>
    <message>
        <source>Its &quot;puzzle&quot; grid does not have %1 rows.</source>
        <translation>Sa grille « puzzle » n&apos;a pas %1 lignes.</translation>
    </message>
    <message>
        <source>It has no &quot;solution&quot;, so the letters of its words are unknown.</source>
        <translation>Il n&apos;a pas de « solution » : les lettres de ses mots sont inconnues.</translation>
    </message>
    <message>
        <source>Its &quot;solution&quot; grid does not have %1 rows.</source>
        <translation>Sa grille « solution » n&apos;a pas %1 lignes.</translation>
    </message>
    <message>
        <source>Row %1 of its grid does not have %2 squares.</source>
        <translation>La ligne %1 de sa grille n&apos;a pas %2 cases.</translation>
    </message>
    <message>
        <source>The number %1 labels two squares.</source>
        <translation>Le numéro %1 désigne deux cases.</translation>
    </message>
    <message>
        <source>The white square at %1 belongs to no word of two or more letters, so the grid has no reading as the program&apos;s kind of puzzle.</source>
        <translation>La case blanche en %1 n&apos;appartient à aucun mot de deux lettres ou plus : la grille ne peut donc pas être lue comme les grilles du programme.</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Vertical</translation>
    </message>
    <message>
        <source>Across</source>
        <translation>Horizontal</translation>
    </message>
    <message>
        <source>The clue %1 has no square numbered %2.</source>
        <translation>La définition %1 n&apos;a pas de case numérotée %2.</translation>
    </message>
    <message>
        <source>The clue %1 belongs to no word: no %2 word starts at square %3.</source>
        <translation>La définition %1 n&apos;appartient à aucun mot : aucun mot %2 ne commence à la case %3.</translation>
    </message>
    <message>
        <source>The clue %1 is given twice.</source>
        <translation>La définition %1 figure deux fois.</translation>
    </message>
    <message>
        <source>The %1 word at %2 holds %3, which no word or clue may hold.</source>
        <translation>Le mot %1 en %2 contient %3, qu&apos;aucun mot ni aucune définition ne peut contenir.</translation>
    </message>
    <message>
        <source>the control character </source>
        <translation>le caractère de contrôle </translation>
    </message>
    <message>
        <source>half of a surrogate pair</source>
        <translation>une moitié de paire de substitution</translation>
    </message>
    <message>
        <source>Import Error</source>
        <translation>Erreur d&apos;importation</translation>
    </message>
    <message>
        <source>The file cannot be read as a puzzle.</source>
        <translation>Le fichier ne peut pas être lu comme une grille.</translation>
    </message>
    <message>
        <source>%1 cannot be read as a puzzle.</source>
        <translation>%1 ne peut pas être lu comme une grille.</translation>
    </message>
    <message>
        <source>It is too large to be a crossword.</source>
        <translation>Il est trop grand pour être une grille de mots croisés.</translation>
    </message>
    <message>
        <source>Choose the puzzle, the answer key or both.</source>
        <translation>Choisissez la grille, le corrigé ou les deux.</translation>
    </message>
    <message>
        <source>No file name was given for the worksheet.</source>
        <translation>Aucun nom de fichier n&apos;a été donné pour la fiche.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a folder, not a file name.</source>
        <translation>« %1 » est un dossier, pas un nom de fichier.</translation>
    </message>
    <message>
        <source>The worksheet could not be started.</source>
        <translation>La fiche n&apos;a pas pu être commencée.</translation>
    </message>
    <message>
        <source>A page of the worksheet could not be started.</source>
        <translation>Une page de la fiche n&apos;a pas pu être commencée.</translation>
    </message>
    <message>
        <source>The worksheet could not be written to &quot;%1&quot;: %2</source>
        <translation>La fiche n&apos;a pas pu être écrite dans « %1 » : %2</translation>
    </message>
    <message>
        <source>The puzzle cannot be written as Across Lite puz.</source>
        <translation>La grille ne peut pas être écrite en puz Across Lite.</translation>
    </message>
    <message>
        <source>a NUL character</source>
        <translation>un caractère NUL</translation>
    </message>
    <message>
        <source>The grid is %1 by %2 squares; the format allows at most 255 by 255.</source>
        <translation>La grille fait %1 sur %2 cases ; le format permet au plus 255 sur 255.</translation>
    </message>
    <message>
        <source>The letter %1 at (%2,%3) is outside ISO-8859-1.</source>
        <translation>La lettre %1 en (%2,%3) est hors d&apos;ISO-8859-1.</translation>
    </message>
    <message>
        <source>The square at (%1,%2) holds %3, which the format cannot hold as a letter.</source>
        <translation>La case en (%1,%2) contient %3, que le format ne peut pas garder comme lettre.</translation>
    </message>
    <message>
        <source>a blank</source>
        <translation>une espace</translation>
    </message>
    <message>
        <source>The clue for %1 %2</source>
        <translation>La définition du %1 %2</translation>
    </message>
    <message>
        <source>The title</source>
        <translation>Le titre</translation>
    </message>
    <message>
        <source>The author</source>
        <translation>L&apos;auteur</translation>
    </message>
    <message>
        <source>The copyright</source>
        <translation>La mention de droit d&apos;auteur</translation>
    </message>
    <message>
        <source>The subject</source>
        <translation>Le thème</translation>
    </message>
    <message>
        <source>%1 holds %2, which ISO-8859-1 cannot hold.</source>
        <translation>%1 contient %2, qu&apos;ISO-8859-1 ne peut pas représenter.</translation>
    </message>
    <message>
        <source>It has more clues than the format can count.</source>
        <translation>Elle a plus de définitions que le format ne peut en compter.</translation>
    </message>
    <message>
        <source>Word Document</source>
        <translation>Document Word</translation>
    </message>
    <message>
        <source>The document part &quot;%1&quot; could not be written.</source>
        <translation>La partie « %1 » du document n&apos;a pas pu être écrite.</translation>
    </message>
    <message>
        <source>No file name was given for the document.</source>
        <translation>Aucun nom de fichier n&apos;a été donné pour le document.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a folder, not a document file name.</source>
        <translation>« %1 » est un dossier, pas un nom de document.</translation>
    </message>
    <message>
        <source>There is no grid picture to put on the page.</source>
        <translation>Il n&apos;y a aucune image de grille à mettre sur la page.</translation>
    </message>
    <message>
        <source>The grid picture could not be stored in the document.</source>
        <translation>L&apos;image de la grille n&apos;a pas pu être placée dans le document.</translation>
    </message>
    <message>
        <source>Zip Package</source>
        <translation>Paquet zip</translation>
    </message>
    <message>
        <source>Could not create the document container: %1</source>
        <translation>Impossible de créer le conteneur du document : %1</translation>
    </message>
    <message>
        <source>Could not add &quot;%1&quot; to the document container: %2</source>
        <translation>Impossible d&apos;ajouter « %1 » au conteneur du document : %2</translation>
    </message>
    <message>
        <source>Could not complete the document container: %1</source>
        <translation>Impossible de terminer le conteneur du document : %1</translation>
    </message>
    <message>
        <source>Could not read back the document container.</source>
        <translation>Impossible de relire le conteneur du document.</translation>
    </message>
    <message>
        <source>Could not write &quot;%1&quot;: %2</source>
        <translation>Impossible d&apos;écrire « %1 » : %2</translation>
    </message>
    <message>
        <source>Could not open &quot;%1&quot;: %2</source>
        <translation>Impossible d&apos;ouvrir « %1 » : %2</translation>
    </message>
    <message>
        <source>Unreadable entry %1 in &quot;%2&quot;.</source>
        <translation>Entrée %1 illisible dans « %2 ».</translation>
    </message>
    <message>
        <source>Could not open entry &quot;%1&quot;.</source>
        <translation>Impossible d&apos;ouvrir l&apos;entrée « %1 ».</translation>
    </message>
    <message>
        <source>Could not read entry &quot;%1&quot;.</source>
        <translation>Impossible de lire l&apos;entrée « %1 ».</translation>
    </message>
    <message>
        <source>No Word Entered</source>
        <translation>Aucun mot saisi</translation>
    </message>
    <message>
        <source>Please enter a word to add.</source>
        <translation>Saisissez le mot à ajouter.</translation>
    </message>
    <message>
        <source>Only %1 of %2 words fit in this grid. Place these %1 words and keep the others in the word list?</source>
        <translation>Seuls %1 mots sur %2 tiennent dans cette grille. Placer ces %1 mots et garder les autres dans la liste de mots ?</translation>
    </message>
</context>
<context>
    <name>Velloquin::PrintPartsDialog</name>
    <message>
        <source>Print</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>Which pages do you want to print?</source>
        <translation>Quelles pages voulez-vous imprimer ?</translation>
    </message>
    <message>
        <source>Puzzle and &amp;answer key</source>
        <translation>Grille et &amp;corrigé</translation>
    </message>
    <message>
        <source>P&amp;uzzle only</source>
        <translation>&amp;Grille seule</translation>
    </message>
    <message>
        <source>Answer &amp;key only</source>
        <translation>Co&amp;rrigé seul</translation>
    </message>
    <message>
        <source>Pre&amp;view...</source>
        <translation>&amp;Aperçu...</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Imprimer...</translation>
    </message>
</context>
<context>
    <name>Velloquin::SettingsPanel</name>
    <message>
        <source>Crossword Settings</source>
        <translation>Réglages de la grille</translation>
    </message>
    <message>
        <source>Move the whole crossword</source>
        <translation>Déplacer toute la grille</translation>
    </message>
    <message>
        <source>Title:</source>
        <translation>Titre :</translation>
    </message>
    <message>
        <source>Topic:</source>
        <translation>Thème :</translation>
    </message>
    <message>
        <source>Width:</source>
        <translation>Larg. :</translation>
    </message>
    <message>
        <source>Height:</source>
        <translation>Haut. :</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Modifier</translation>
    </message>
    <message>
        <source>Change current setting</source>
        <translation>Modifier le réglage actuel</translation>
    </message>
    <message>
        <source>Layout:</source>
        <translation>Disposition :</translation>
    </message>
    <message>
        <source>Classic</source>
        <translation>Classique</translation>
    </message>
    <message>
        <source>Thorough</source>
        <translation>Approfondie</translation>
    </message>
    <message>
        <source>Fit</source>
        <translation>Ajustée</translation>
    </message>
    <message>
        <source>Quick: words cross at random places</source>
        <translation>Rapide : les mots se croisent au hasard</translation>
    </message>
    <message>
        <source>Searches up to 2 seconds to fit every word</source>
        <translation>Cherche jusqu&apos;à 2 secondes pour placer chaque mot</translation>
    </message>
    <message>
        <source>Searches up to 3 seconds for the smallest grid that holds every word</source>
        <translation>Cherche jusqu&apos;à 3 secondes la plus petite grille qui contient chaque mot</translation>
    </message>
    <message>
        <source>How the crossword is generated</source>
        <translation>Comment la grille est générée</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>Fond</translation>
    </message>
    <message>
        <source>Grid Lines</source>
        <translation>Lignes</translation>
    </message>
    <message>
        <source>Squares</source>
        <translation>Cases</translation>
    </message>
    <message>
        <source>Move the whole crossword left one square</source>
        <translation>Déplacer toute la grille d&apos;une case vers la gauche</translation>
    </message>
    <message>
        <source>Move the whole crossword right one square</source>
        <translation>Déplacer toute la grille d&apos;une case vers la droite</translation>
    </message>
    <message>
        <source>Move the whole crossword up one square</source>
        <translation>Déplacer toute la grille d&apos;une case vers le haut</translation>
    </message>
    <message>
        <source>Move the whole crossword down one square</source>
        <translation>Déplacer toute la grille d&apos;une case vers le bas</translation>
    </message>
</context>
<context>
    <name>Velloquin::StyledProgressBar</name>
    <message>
        <source>Searching..</source>
        <translation>Recherche..</translation>
    </message>
</context>
<context>
    <name>Velloquin::WaitPanel</name>
    <message>
        <source>Please wait</source>
        <translation>Veuillez patienter</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progression</translation>
    </message>
    <message>
        <source>Attempting to generate crossword  Please Wait</source>
        <translation>Génération de la grille en cours  Veuillez patienter</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Stop generating and keep the crossword as it was</source>
        <translation>Arrêter la génération et garder la grille telle qu&apos;elle était</translation>
    </message>
</context>
<context>
    <name>Velloquin::WordPanel</name>
    <message>
        <source>Selection</source>
        <translation>Sélection</translation>
    </message>
    <message>
        <source>Word list toolbar</source>
        <translation>Barre d&apos;outils de la liste de mots</translation>
    </message>
    <message>
        <source>Place for the word</source>
        <translation>Place pour le mot</translation>
    </message>
    <message>
        <source>Placed %1 at %2,%3 %4</source>
        <translation>%1 placé en %2,%3 %4</translation>
    </message>
    <message>
        <source>down</source>
        <translation>vertical</translation>
    </message>
    <message>
        <source>across</source>
        <translation>horizontal</translation>
    </message>
    <message>
        <source>Updated %1</source>
        <translation>%1 modifié</translation>
    </message>
    <message>
        <source>Deleted %1</source>
        <translation>%1 supprimé</translation>
    </message>
    <message>
        <source>No place found for %1</source>
        <translation>Aucune place trouvée pour %1</translation>
    </message>
    <message>
        <source>1 place found for %1</source>
        <translation>1 place trouvée pour %1</translation>
    </message>
    <message>
        <source>%1 places found for %2</source>
        <translation>%1 places trouvées pour %2</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>Please enter valid numbers for Number, X, and Y.</source>
        <translation>Saisissez des nombres valables pour Numéro, X et Y.</translation>
    </message>
    <message>
        <source>No Word</source>
        <translation>Aucun mot</translation>
    </message>
    <message>
        <source>Please enter a word to search for a grid position.</source>
        <translation>Saisissez un mot pour lequel chercher une place dans la grille.</translation>
    </message>
    <message>
        <source>No Grid Words</source>
        <translation>Aucun mot dans la grille</translation>
    </message>
    <message>
        <source>There are currently no words in the grid.
You may place this word at any positions that it will fit.
Click on the square you would like the word to start at,
select the orientation - Across/Down
Click the &apos;Update&apos; button to add the word at this location.</source>
        <translation>La grille ne contient encore aucun mot.
Vous pouvez placer ce mot partout où il tient.
Cliquez sur la case où le mot doit commencer,
choisissez le sens - Horizontal/Vertical
Cliquez sur « Valider » pour ajouter le mot à cet endroit.</translation>
    </message>
    <message>
        <source>Edit Words &amp; Clues</source>
        <translation>Mots &amp; définitions</translation>
    </message>
    <message>
        <source>Word:</source>
        <translation>Mot :</translation>
    </message>
    <message>
        <source>Clue:</source>
        <translation>Définition :</translation>
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
        <translation>Horizontal</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Vertical</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Valider</translation>
    </message>
    <message>
        <source>Add / Update word on grid</source>
        <translation>Ajouter / modifier le mot dans la grille</translation>
    </message>
    <message>
        <source>Delete the selected word from grid</source>
        <translation>Supprimer de la grille le mot sélectionné</translation>
    </message>
    <message>
        <source>Store this  word in the dropdown list for inclusion later|Delete this word from the dropdown list.|Search for locations to place the word.</source>
        <translation>Mettre ce mot de côté dans la liste pour plus tard|Supprimer ce mot de la liste.|Chercher des places pour le mot.</translation>
    </message>
    <message>
        <source>Create / Regenerate Crossword</source>
        <translation>Créer / régénérer la grille</translation>
    </message>
    <message>
        <source>S&amp;tore Word in the List</source>
        <translation>Mettre le mot de côté dans la lis&amp;te</translation>
    </message>
    <message>
        <source>Re&amp;move Word from the List</source>
        <translation>Retirer le &amp;mot de la liste</translation>
    </message>
    <message>
        <source>Search for &amp;Places for the Word</source>
        <translation>Chercher des &amp;places pour le mot</translation>
    </message>
</context>
<context>
    <name>Velloquin::WordsDock</name>
    <message>
        <source>Words</source>
        <translation>Mots</translation>
    </message>
    <message>
        <source>Words and clues</source>
        <translation>Mots et définitions</translation>
    </message>
    <message>
        <source>&amp;Delete Word</source>
        <translation>&amp;Supprimer le mot</translation>
    </message>
</context>
<context>
    <name>Velloquin::WordsModel</name>
    <message>
        <source>ACROSS</source>
        <translation>HORIZONTALEMENT</translation>
    </message>
    <message>
        <source>DOWN</source>
        <translation>VERTICALEMENT</translation>
    </message>
    <message>
        <source>NOT PLACED</source>
        <translation>NON PLACÉS</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>N°</translation>
    </message>
    <message>
        <source>Answer</source>
        <translation>Réponse</translation>
    </message>
    <message>
        <source>Clue</source>
        <translation>Définition</translation>
    </message>
</context>
<context>
    <name>WebPageOptionsDialog</name>
    <message>
        <source>Web Page Options</source>
        <translation>Options de la page web</translation>
    </message>
    <message>
        <source>Allow &amp;Check (marks wrong letters)</source>
        <translation>Autoriser la &amp;vérification (marque les lettres fausses)</translation>
    </message>
    <message>
        <source>Allow &amp;Reveal (shows letters and words)</source>
        <translation>Autoriser la &amp;solution (montre lettres et mots)</translation>
    </message>
    <message>
        <source>Language of the page</source>
        <translation>Langue de la page</translation>
    </message>
    <message>
        <source>&amp;Language of the page:</source>
        <translation>&amp;Langue de la page :</translation>
    </message>
</context>
<context>
    <name>WordExportFlow</name>
    <message>
        <source>Export to MS &amp;Word...</source>
        <translation>Exporter vers MS &amp;Word...</translation>
    </message>
    <message>
        <source>Export to MS Word.</source>
        <translation>Exporter vers MS Word.</translation>
    </message>
    <message>
        <source>The Word document has been saved as:
%1</source>
        <translation>Le document Word a été enregistré sous :
%1</translation>
    </message>
    <message>
        <source>Hide the answers</source>
        <translation>Masquer les réponses</translation>
    </message>
    <message>
        <source>The answers are currently being shown in the crossword.
Would you like to hide the answers in the export to Word?</source>
        <translation>Les réponses sont affichées dans la grille.
Voulez-vous les masquer dans l&apos;exportation vers Word ?</translation>
    </message>
    <message>
        <source> Save this Word document as:</source>
        <translation> Enregistrer ce document Word sous :</translation>
    </message>
    <message>
        <source>Exporting to Word
Please Wait</source>
        <translation>Exportation vers Word
Veuillez patienter</translation>
    </message>
</context>
</TS>
