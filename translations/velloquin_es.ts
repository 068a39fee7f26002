<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>CommandLine</name>
    <message>
        <source>Velloquin makes crossword puzzles: place words and clues on a grid by hand or automatically, then save, print or export the puzzle.</source>
        <translation>Velloquin hace crucigramas: coloque palabras y pistas en una cuadrícula a mano o automáticamente y luego guarde, imprima o exporte el crucigrama.</translation>
    </message>
    <message>
        <source>A puzzle file (.cwd) to open, an .ipuz file to import or a word list (.txt) to add to the stored words.</source>
        <translation>Un archivo de crucigrama (.cwd) que abrir, un archivo .ipuz que importar o una lista de palabras (.txt) que añadir a las palabras guardadas.</translation>
    </message>
</context>
<context>
    <name>EditCommands</name>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Deshacer</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rehacer</translation>
    </message>
    <message>
        <source>Copy Crossword &amp;Picture</source>
        <translation>Copiar la &amp;imagen del crucigrama</translation>
    </message>
    <message>
        <source>Copy Crossword Image to clipboard.</source>
        <translation>Copiar la imagen del crucigrama al portapapeles.</translation>
    </message>
    <message>
        <source>Copy Crossword &amp;Clues</source>
        <translation>Copiar las &amp;pistas del crucigrama</translation>
    </message>
</context>
<context>
    <name>ExportCommands</name>
    <message>
        <source> Save this ipuz crossword as:</source>
        <translation> Guardar este crucigrama ipuz como:</translation>
    </message>
    <message>
        <source> Save this Across Lite puzzle as:</source>
        <translation> Guardar este crucigrama Across Lite como:</translation>
    </message>
    <message>
        <source> Save this worksheet as:</source>
        <translation> Guardar esta ficha como:</translation>
    </message>
    <message>
        <source> Save this web page as:</source>
        <translation> Guardar esta página web como:</translation>
    </message>
    <message>
        <source> Save this .%1 file as:</source>
        <translation> Guardar este archivo .%1 como:</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportar</translation>
    </message>
</context>
<context>
    <name>FileCommands</name>
    <message>
        <source>Save Changes</source>
        <translation>Guardar los cambios</translation>
    </message>
    <message>
        <source>Do you want to save changes to current crossword?</source>
        <translation>¿Desea guardar los cambios del crucigrama actual?</translation>
    </message>
    <message>
        <source>Opened %1</source>
        <translation>%1 abierto</translation>
    </message>
    <message>
        <source>Open Recent</source>
        <translation>Abrir reciente</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; no longer exists. It was removed from the list.</source>
        <translation>El archivo «%1» ya no existe. Se ha quitado de la lista.</translation>
    </message>
    <message>
        <source> (missing)</source>
        <translation> (no encontrado)</translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation>Abrir &amp;reciente</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nuevo</translation>
    </message>
    <message>
        <source>Create a New Crossword.</source>
        <translation>Crear un crucigrama nuevo.</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Abrir</translation>
    </message>
    <message>
        <source>Open a Crossword.</source>
        <translation>Abrir un crucigrama.</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <source>Save the current Crossword.</source>
        <translation>Guardar el crucigrama actual.</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Guardar &amp;como...</translation>
    </message>
</context>
<context>
    <name>FileDialogs</name>
    <message>
        <source>Open / Save Dialog error</source>
        <translation>Error del diálogo Abrir / Guardar</translation>
    </message>
    <message>
        <source>Error: %1
Error number: %2
Please report this error to the author.</source>
        <translation>Error: %1
Número de error: %2
Por favor, comunique este error a los autores.</translation>
    </message>
    <message>
        <source>%1 file (*.%2)</source>
        <translation>Archivo de %1 (*.%2)</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Error desconocido</translation>
    </message>
    <message>
        <source> Save this %1 as:</source>
        <translation> Guardar este %1 como:</translation>
    </message>
    <message>
        <source>Crossword</source>
        <translation>crucigrama</translation>
    </message>
    <message>
        <source> Select Crossword file to open:</source>
        <translation> Elija un archivo de crucigrama para abrir:</translation>
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
        <translation>1. Haga clic en la casilla de la cuadrícula donde debe empezar una palabra.
2. Escriba la palabra, pulse Tab y escriba su pista.
3. Elija Horizontal o Vertical y pulse Aplicar (o Intro).

También puede guardar muchas palabras con sus pistas (o usar Archivo &gt; Importar lista de palabras...) y pulsar Crear / regenerar el crucigrama para colocarlas todas a la vez.

La lista de palabras junto a la cuadrícula muestra cada palabra y su pista: elija una fila para encontrar su palabra, pulse F2 para corregir una pista y Supr para quitar una palabra de la cuadrícula.

Cuando el crucigrama esté listo, guárdelo, imprímalo o expórtelo desde el menú Exportar.</translation>
    </message>
    <message>
        <source>Keyboard Shortcuts</source>
        <translation>Atajos de teclado</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menú</translation>
    </message>
    <message>
        <source>Command</source>
        <translation>Orden</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Teclas</translation>
    </message>
    <message>
        <source>&amp;Keyboard Shortcuts</source>
        <translation>&amp;Atajos de teclado</translation>
    </message>
    <message>
        <source>&amp;Getting Started</source>
        <translation>&amp;Primeros pasos</translation>
    </message>
    <message>
        <source>Getting Started</source>
        <translation>Primeros pasos</translation>
    </message>
    <message>
        <source>&amp;About Velloquin</source>
        <translation>A&amp;cerca de Velloquin</translation>
    </message>
    <message>
        <source>Velloquin %1

A crossword puzzle maker.
Released under the MIT licence.

Settings file: %2
In the folder: %3</source>
        <translation>Velloquin %1

Un creador de crucigramas.
Publicado bajo la licencia MIT.

Archivo de ajustes: %2
En la carpeta: %3</translation>
    </message>
    <message>
        <source>About Velloquin</source>
        <translation>Acerca de Velloquin</translation>
    </message>
</context>
<context>
    <name>InterchangeCommands</name>
    <message>
        <source>Import ipuz</source>
        <translation>Importar ipuz</translation>
    </message>
    <message>
        <source>&amp;Import Word List...</source>
        <translation>&amp;Importar lista de palabras...</translation>
    </message>
    <message>
        <source>Import ip&amp;uz...</source>
        <translation>Importar ip&amp;uz...</translation>
    </message>
    <message>
        <source> Select a word list to import:</source>
        <translation> Elija una lista de palabras para importar:</translation>
    </message>
    <message>
        <source>Word list (*.txt);;All files (*)</source>
        <translation>Lista de palabras (*.txt);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source> Select ipuz file to import:</source>
        <translation> Elija un archivo ipuz para importar:</translation>
    </message>
    <message>
        <source>ipuz crossword file (*.ipuz)</source>
        <translation>Archivo de crucigrama ipuz (*.ipuz)</translation>
    </message>
</context>
<context>
    <name>LanguageMenu</name>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Idioma</translation>
    </message>
    <message>
        <source>Velloquin already speaks %1.</source>
        <translation>Velloquin ya está en %1.</translation>
    </message>
    <message>
        <source>Velloquin will speak %1 the next time it starts.</source>
        <translation>Velloquin estará en %1 la próxima vez que se inicie.</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Sistema</translation>
    </message>
</context>
<context>
    <name>PrintCommands</name>
    <message>
        <source>The printer could not be started.</source>
        <translation>No se pudo iniciar la impresora.</translation>
    </message>
    <message>
        <source>A page could not be started on the printer.</source>
        <translation>No se pudo empezar una página en la impresora.</translation>
    </message>
    <message>
        <source>The worksheet could not be written to &quot;%1&quot;: %2</source>
        <translation>No se pudo escribir la ficha en «%1»: %2</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Imprimir...</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Generate placed %1 words</source>
        <translation>Generar colocó %1 palabras</translation>
    </message>
    <message>
        <source>Generate cancelled</source>
        <translation>Generación cancelada</translation>
    </message>
    <message>
        <source>%1 shares no letter with the other words, so it cannot cross them. Place the other %2 words and keep it in the word list?</source>
        <translation>%1 no comparte ninguna letra con las demás palabras, así que no puede cruzarlas. ¿Colocar las otras %2 palabras y dejarla en la lista de palabras?</translation>
    </message>
    <message>
        <source>Generate Crossword</source>
        <translation>Generar el crucigrama</translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <source>The settings file %1 could not be created.
Velloquin starts with the default settings; changes to them cannot be saved in this session.</source>
        <translation>No se pudo crear el archivo de ajustes %1.
Velloquin se inicia con los ajustes predeterminados; sus cambios no se podrán guardar en esta sesión.</translation>
    </message>
    <message>
        <source>It was removed.</source>
        <translation>Se ha eliminado.</translation>
    </message>
    <message>
        <source>It was set aside as %1.</source>
        <translation>Se ha apartado como %1.</translation>
    </message>
    <message>
        <source>The unsaved changes kept from the last session could not be read.
%1
%2</source>
        <translation>No se pudieron leer los cambios sin guardar conservados de la última sesión.
%1
%2</translation>
    </message>
    <message>
        <source>Velloquin was closed with unsaved changes to %1. Restore them?</source>
        <translation>Velloquin se cerró con cambios sin guardar en %1. ¿Recuperarlos?</translation>
    </message>
</context>
<context>
    <name>Velloquin::AgreementWindow</name>
    <message>
        <source>Velloquin - End-User Agreement</source>
        <translation>Velloquin - Acuerdo de uso</translation>
    </message>
    <message>
        <source>Please read the following agreement before you use Velloquin.</source>
        <translation>Lea el siguiente acuerdo antes de usar Velloquin.</translation>
    </message>
    <message>
        <source>Agreement text</source>
        <translation>Texto del acuerdo</translation>
    </message>
    <message>
        <source>I &amp;agree to the terms of this agreement</source>
        <translation>&amp;Acepto las condiciones de este acuerdo</translation>
    </message>
    <message>
        <source>I agree to the terms of this agreement</source>
        <translation>Acepto las condiciones de este acuerdo</translation>
    </message>
    <message>
        <source>I do &amp;not agree</source>
        <translation>&amp;No acepto</translation>
    </message>
    <message>
        <source>I do not agree</source>
        <translation>No acepto</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Confirm your choice</source>
        <translation>Confirmar su elección</translation>
    </message>
    <message>
        <source>VELLOQUIN END-USER AGREEMENT

Velloquin is free software, released under the MIT licence. You may use it, copy it, change it, merge it into other work, publish, distribute, sublicense and sell copies of it, as long as the copyright notice and this permission notice are kept in all copies or substantial portions of it.

Velloquin is provided &quot;as is&quot;, without warranty of any kind, express or implied, including but not limited to the warranties of merchantability, fitness for a particular purpose and noninfringement. In no event shall the authors or copyright holders be liable for any claim, damages or other liability, whether in an action of contract, tort or otherwise, arising from, out of or in connection with the software or its use.

The puzzles you make with Velloquin are yours.

Choose &quot;I agree&quot; and press OK to start Velloquin. If you do not agree, the program ends and nothing is written to your computer.</source>
        <translation>ACUERDO DE USO DE VELLOQUIN

Velloquin es software libre, publicado bajo la licencia MIT. Puede usarlo, copiarlo, modificarlo, integrarlo en otras obras, publicarlo, distribuirlo, sublicenciarlo y vender copias, siempre que el aviso de derechos de autor y este aviso de permiso se conserven en todas las copias o partes sustanciales.

Velloquin se ofrece «tal cual», sin garantía de ningún tipo, expresa o implícita, incluidas, entre otras, las garantías de comerciabilidad, idoneidad para un fin determinado y no infracción. En ningún caso los autores o titulares de los derechos de autor serán responsables de ninguna reclamación, daño u otra responsabilidad, ya sea contractual, extracontractual o de otro tipo, que surja del software o de su uso, o en relación con ellos.

Los crucigramas que haga con Velloquin son suyos.

Elija «Acepto» y pulse Aceptar para iniciar Velloquin. Si no acepta, el programa termina y no se escribe nada en su ordenador.

(Solo el texto en inglés de la licencia MIT es vinculante.)</translation>
    </message>
</context>
<context>
    <name>Velloquin::ColorPalettePopup</name>
    <message>
        <source>Color Palette</source>
        <translation>Paleta de colores</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Predeterminado</translation>
    </message>
    <message>
        <source>Normal Colors</source>
        <translation>Colores normales</translation>
    </message>
    <message>
        <source>System Colors</source>
        <translation>Colores del sistema</translation>
    </message>
    <message>
        <source>Show Color Dialog</source>
        <translation>Abrir el selector de color</translation>
    </message>
    <message>
        <source>Custom Color %1</source>
        <translation>Color personalizado %1</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normales</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Sistema</translation>
    </message>
    <message>
        <source>More Colors...</source>
        <translation>Más colores...</translation>
    </message>
</context>
<context>
    <name>Velloquin::ExportFormats</name>
    <message>
        <source>&amp;MS Word Document...</source>
        <translation>Documento de &amp;MS Word...</translation>
    </message>
    <message>
        <source>Word document (*.docx)</source>
        <translation>Documento de Word (*.docx)</translation>
    </message>
    <message>
        <source>Puzzle as &amp;ipuz...</source>
        <translation>Crucigrama como &amp;ipuz...</translation>
    </message>
    <message>
        <source>ipuz crossword file (*.ipuz)</source>
        <translation>Archivo de crucigrama ipuz (*.ipuz)</translation>
    </message>
    <message>
        <source>Puzzle as &amp;Across Lite puz...</source>
        <translation>Crucigrama como puz de &amp;Across Lite...</translation>
    </message>
    <message>
        <source>Across Lite puzzle file (*.puz)</source>
        <translation>Archivo de crucigrama Across Lite (*.puz)</translation>
    </message>
    <message>
        <source>P&amp;DF worksheet...</source>
        <translation>Ficha P&amp;DF...</translation>
    </message>
    <message>
        <source>PDF document (*.pdf)</source>
        <translation>Documento PDF (*.pdf)</translation>
    </message>
    <message>
        <source>&amp;Web Page (HTML)...</source>
        <translation>Página &amp;web (HTML)...</translation>
    </message>
    <message>
        <source>Web page (*.html *.htm)</source>
        <translation>Página web (*.html *.htm)</translation>
    </message>
</context>
<context>
    <name>Velloquin::MainWindow</name>
    <message>
        <source>Colour</source>
        <translation>Color</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>&amp;Acercar</translation>
    </message>
    <message>
        <source>Zoom O&amp;ut</source>
        <translation>A&amp;lejar</translation>
    </message>
    <message>
        <source>&amp;Fit Grid</source>
        <translation>Ajustar la &amp;cuadrícula</translation>
    </message>
    <message>
        <source>&amp;Words Panel</source>
        <translation>Lista de &amp;palabras</translation>
    </message>
    <message>
        <source>Main toolbar</source>
        <translation>Barra de herramientas principal</translation>
    </message>
    <message>
        <source>Separator</source>
        <translation>Separador</translation>
    </message>
    <message>
        <source>Column numbers</source>
        <translation>Números de columna</translation>
    </message>
    <message>
        <source>Row numbers</source>
        <translation>Números de fila</translation>
    </message>
    <message>
        <source>Crossword grid</source>
        <translation>Cuadrícula del crucigrama</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>Last outcome</source>
        <translation>Último resultado</translation>
    </message>
    <message>
        <source>Grid size</source>
        <translation>Tamaño de la cuadrícula</translation>
    </message>
    <message>
        <source>Words placed and stored</source>
        <translation>Palabras colocadas y guardadas</translation>
    </message>
    <message>
        <source>Squares where two words cross</source>
        <translation>Casillas donde se cruzan dos palabras</translation>
    </message>
    <message>
        <source>Share of the grid&apos;s squares in use</source>
        <translation>Parte de las casillas en uso</translation>
    </message>
    <message>
        <source>%1 placed, %2 stored</source>
        <translation>%1 colocadas, %2 guardadas</translation>
    </message>
    <message>
        <source>1 crossing</source>
        <translation>1 cruce</translation>
    </message>
    <message>
        <source>%1 crossings</source>
        <translation>%1 cruces</translation>
    </message>
    <message>
        <source>%1% used</source>
        <translation>%1 % en uso</translation>
    </message>
    <message>
        <source>Click a square, type a word and its clue, then Update — or import a word list and Generate</source>
        <translation>Elija una casilla, escriba palabra y pista, Aplicar — o importe una lista, Generar</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Editar</translation>
    </message>
    <message>
        <source>&amp;Copy..</source>
        <translation>&amp;Copiar..</translation>
    </message>
    <message>
        <source>E&amp;xport</source>
        <translation>E&amp;xportar</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ver</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>&amp;Herramientas</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ay&amp;uda</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Hide Answers</source>
        <translation>&amp;Ocultar las respuestas</translation>
    </message>
    <message>
        <source>Hide Answers.</source>
        <translation>Ocultar las respuestas.</translation>
    </message>
    <message>
        <source>&amp;Outline Mode</source>
        <translation>Modo &amp;contorno</translation>
    </message>
    <message>
        <source>Outline Mode - don&apos;t show grid lines.</source>
        <translation>Modo contorno - sin líneas de cuadrícula.</translation>
    </message>
    <message>
        <source>&amp;Save Current Settings as Default</source>
        <translation>&amp;Guardar los ajustes actuales como predeterminados</translation>
    </message>
    <message>
        <source>Save current settings as default settings</source>
        <translation>Guardar los ajustes actuales como predeterminados</translation>
    </message>
    <message>
        <source>&amp;Reset Settings to Original Values...</source>
        <translation>&amp;Restablecer los ajustes originales...</translation>
    </message>
    <message>
        <source>Reset settings to original values</source>
        <translation>Restablecer los ajustes originales</translation>
    </message>
    <message>
        <source>Tr&amp;im Grid to Words</source>
        <translation>Re&amp;cortar la cuadrícula a las palabras</translation>
    </message>
    <message>
        <source>The original default settings have been restored.
If you would like these settings to take effect imediately then select &apos;Yes&apos;
otherwise the settings will take effect when you next start the application.

Change settings now?</source>
        <translation>Se han restablecido los ajustes predeterminados originales.
Si quiere que se apliquen ya, elija «Sí»;
si no, se aplicarán la próxima vez que inicie el programa.

¿Cambiar los ajustes ahora?</translation>
    </message>
    <message>
        <source>Reset Default Settings</source>
        <translation>Restablecer los ajustes predeterminados</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Please enter valid numbers for X and Y (&gt;=5).</source>
        <translation>Escriba números válidos para X e Y (&gt;=5).</translation>
    </message>
    <message>
        <source>Warning. Changing the size of the crossword may result in the loss of Words
Do you wish to continue?</source>
        <translation>Atención: cambiar el tamaño del crucigrama puede hacer que se pierdan palabras.
¿Desea continuar?</translation>
    </message>
    <message>
        <source>Change Settings</source>
        <translation>Cambiar los ajustes</translation>
    </message>
</context>
<context>
    <name>Velloquin::Message</name>
    <message>
        <source>The word &apos;%1&apos; will not fit at (%2,%3).</source>
        <translation>La palabra «%1» no cabe en (%2,%3).</translation>
    </message>
    <message>
        <source>Add Word Error</source>
        <translation>Error al añadir la palabra</translation>
    </message>
    <message>
        <source>This word would interfere with another word.</source>
        <translation>Esta palabra chocaría con otra palabra.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Either the word is too long or the coordinates are invalid.</source>
        <translation>La palabra es demasiado larga o las coordenadas no son válidas.</translation>
    </message>
    <message>
        <source>The shared letters do not match.</source>
        <translation>Las letras compartidas no coinciden.</translation>
    </message>
    <message>
        <source>Too Many Words</source>
        <translation>Demasiadas palabras</translation>
    </message>
    <message>
        <source>The list already holds %1 stored words, as many as a puzzle file can keep.
Place or remove some words before storing more.</source>
        <translation>La lista ya tiene %1 palabras guardadas, tantas como caben en un archivo de crucigrama.
Coloque o quite algunas palabras antes de guardar más.</translation>
    </message>
    <message>
        <source>Can&apos;t move</source>
        <translation>No se puede mover</translation>
    </message>
    <message>
        <source>Sorry the crossword can&apos;t be moved left because a word is using the x-coordinate zero</source>
        <translation>Lo sentimos, el crucigrama no se puede mover a la izquierda porque una palabra ocupa la coordenada x cero</translation>
    </message>
    <message>
        <source>Sorry the crossword can&apos;t be moved right because a word is using the x-coordinate %1</source>
        <translation>Lo sentimos, el crucigrama no se puede mover a la derecha porque una palabra ocupa la coordenada x %1</translation>
    </message>
    <message>
        <source>Sorry the crossword can&apos;t be moved up because a word is using the y-coordinate zero</source>
        <translation>Lo sentimos, el crucigrama no se puede mover hacia arriba porque una palabra ocupa la coordenada y cero</translation>
    </message>
    <message>
        <source>Sorry the crossword can&apos;t be moved down because a word is using the y-coordinate %1</source>
        <translation>Lo sentimos, el crucigrama no se puede mover hacia abajo porque una palabra ocupa la coordenada y %1</translation>
    </message>
    <message>
        <source>Delete Word Error</source>
        <translation>Error al borrar la palabra</translation>
    </message>
    <message>
        <source>Error deleting word:
Subscript out of range
Error number 9</source>
        <translation>Error al borrar la palabra:
Índice fuera de rango
Error número 9</translation>
    </message>
    <message>
        <source>Trim Grid to Words</source>
        <translation>Recortar la cuadrícula a las palabras</translation>
    </message>
    <message>
        <source>There are no words on the grid to trim it to.</source>
        <translation>No hay palabras en la cuadrícula a las que recortarla.</translation>
    </message>
    <message>
        <source>No Words</source>
        <translation>Sin palabras</translation>
    </message>
    <message>
        <source>There are no words in the grid or the dropdown word list.
Please enter some words before generating a crossword.</source>
        <translation>No hay palabras en la cuadrícula ni en la lista de palabras.
Escriba algunas palabras antes de generar un crucigrama.</translation>
    </message>
    <message>
        <source>Generate Error</source>
        <translation>Error al generar</translation>
    </message>
    <message>
        <source>There was a problem generating the crossword.
You may need to increase the grid size or just try again.</source>
        <translation>Hubo un problema al generar el crucigrama.
Agrande la cuadrícula o simplemente vuelva a intentarlo.</translation>
    </message>
    <message>
        <source>Word too big</source>
        <translation>Palabra demasiado larga</translation>
    </message>
    <message>
        <source>One of the words in your list is too big, please increase your grid size.</source>
        <translation>Una de las palabras de su lista es demasiado larga; agrande la cuadrícula.</translation>
    </message>
    <message>
        <source>The crossword file &quot;%1&quot; looks damaged.</source>
        <translation>El archivo de crucigrama «%1» parece dañado.</translation>
    </message>
    <message>
        <source>word lies partly outside the grid.</source>
        <translation>palabra queda en parte fuera de la cuadrícula.</translation>
    </message>
    <message>
        <source>words lie partly outside the grid.</source>
        <translation>palabras quedan en parte fuera de la cuadrícula.</translation>
    </message>
    <message>
        <source>word clashes with a crossing word.</source>
        <translation>palabra no coincide con una palabra que la cruza.</translation>
    </message>
    <message>
        <source>words clash with crossing words.</source>
        <translation>palabras no coinciden con palabras que las cruzan.</translation>
    </message>
    <message>
        <source>word overlaps a word running the same way.</source>
        <translation>palabra se solapa con otra del mismo sentido.</translation>
    </message>
    <message>
        <source>words overlap words running the same way.</source>
        <translation>palabras se solapan con otras del mismo sentido.</translation>
    </message>
    <message>
        <source>word holds characters that are not letters.</source>
        <translation>palabra contiene caracteres que no son letras.</translation>
    </message>
    <message>
        <source>words hold characters that are not letters.</source>
        <translation>palabras contienen caracteres que no son letras.</translation>
    </message>
    <message>
        <source>They were kept as they were; check them before saving.</source>
        <translation>Se han dejado como estaban; revíselas antes de guardar.</translation>
    </message>
    <message>
        <source>entry without a word was dropped.</source>
        <translation>entrada sin palabra se ha descartado.</translation>
    </message>
    <message>
        <source>entries without a word were dropped.</source>
        <translation>entradas sin palabra se han descartado.</translation>
    </message>
    <message>
        <source>Damaged Crossword</source>
        <translation>Crucigrama dañado</translation>
    </message>
    <message>
        <source>Word too small</source>
        <translation>Palabra demasiado corta</translation>
    </message>
    <message>
        <source>Sorry but you cannot add a word with less than 3 characters.</source>
        <translation>Lo sentimos, no se puede añadir una palabra de menos de 3 letras.</translation>
    </message>
    <message>
        <source>Word Legth Error</source>
        <translation>Error de longitud de palabra</translation>
    </message>
    <message>
        <source>Sorry, the mimimum leghth for a word is 3 characters.</source>
        <translation>Lo sentimos, una palabra debe tener al menos 3 letras.</translation>
    </message>
    <message>
        <source>There is no such word.</source>
        <translation>Esa palabra no existe.</translation>
    </message>
    <message>
        <source>The word holds the control character %1, which no square can show.</source>
        <translation>La palabra contiene el carácter de control %1, que ninguna casilla puede mostrar.</translation>
    </message>
    <message>
        <source>The word or its clue holds a control character, which cannot be shown.</source>
        <translation>La palabra o su pista contiene un carácter de control, que no se puede mostrar.</translation>
    </message>
    <message>
        <source>Open Error</source>
        <translation>Error al abrir</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; cannot be opened as a crossword.
%2</source>
        <translation>El archivo «%1» no se puede abrir como crucigrama.
%2</translation>
    </message>
    <message>
        <source>Its %1 value &apos;%2&apos; is not a whole number from %3 to %4.</source>
        <translation>Su valor %1 «%2» no es un número entero de %3 a %4.</translation>
    </message>
    <message>
        <source>1 clue held</source>
        <translation>1 pista contenía</translation>
    </message>
    <message>
        <source>%1 clues held</source>
        <translation>%1 pistas contenían</translation>
    </message>
    <message>
        <source> &quot;###&quot;, which a puzzle file reads as a line break; it was kept as &quot;# # #&quot;.</source>
        <translation> «###», que un archivo de crucigrama lee como salto de línea; se ha guardado como «# # #».</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; is not a crossword puzzle file.</source>
        <translation>El archivo «%1» no es un archivo de crucigrama.</translation>
    </message>
    <message>
        <source>The file does not exist.</source>
        <translation>El archivo no existe.</translation>
    </message>
    <message>
        <source>Its size of %1 by %2 squares cannot be opened again; a puzzle file holds 1 to 255 squares a side.</source>
        <translation>Un tamaño de %1 por %2 casillas no se podría volver a abrir; un archivo de crucigrama admite de 1 a 255 casillas por lado.</translation>
    </message>
    <message>
        <source>It holds more words than a puzzle file can keep.</source>
        <translation>Contiene más palabras de las que caben en un archivo de crucigrama.</translation>
    </message>
    <message>
        <source>Save Error</source>
        <translation>Error al guardar</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; could not be saved.
%2</source>
        <translation>No se pudo guardar el archivo «%1».
%2</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; could not be read.
%2</source>
        <translation>No se pudo leer el archivo «%1».
%2</translation>
    </message>
    <message>
        <source>There is no settings file in this session.</source>
        <translation>En esta sesión no hay archivo de ajustes.</translation>
    </message>
    <message>
        <source>It would be too large to be opened again.</source>
        <translation>Sería demasiado grande para volver a abrirse.</translation>
    </message>
    <message>
        <source>The settings cannot be saved: no settings file could be created at the start of this session.</source>
        <translation>Los ajustes no se pueden guardar: no se pudo crear un archivo de ajustes al inicio de esta sesión.</translation>
    </message>
    <message>
        <source>it holds the control character %1</source>
        <translation>contiene el carácter de control %1</translation>
    </message>
    <message>
        <source>no word before the clue</source>
        <translation>no hay palabra antes de la pista</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is shorter than %2 letters</source>
        <translation>«%1» tiene menos de %2 letras</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is already listed</source>
        <translation>«%1» ya está en la lista</translation>
    </message>
    <message>
        <source>a broken character was read as �</source>
        <translation>un carácter dañado se leyó como �</translation>
    </message>
    <message>
        <source>Import Word List</source>
        <translation>Importar lista de palabras</translation>
    </message>
    <message>
        <source>%1 is too large to be a word list.</source>
        <translation>%1 es demasiado grande para ser una lista de palabras.</translation>
    </message>
    <message>
        <source>Could not open %1:</source>
        <translation>No se pudo abrir %1:</translation>
    </message>
    <message>
        <source>1 word of the list was not added.</source>
        <translation>1 palabra de la lista no se añadió.</translation>
    </message>
    <message>
        <source>%1 words of the list were not added.</source>
        <translation>%1 palabras de la lista no se añadieron.</translation>
    </message>
    <message>
        <source>... and %1 more.</source>
        <translation>... y %1 más.</translation>
    </message>
    <message>
        <source>Line %1: %2.</source>
        <translation>Línea %1: %2.</translation>
    </message>
    <message>
        <source>1 word was added to the list.</source>
        <translation>Se añadió 1 palabra a la lista.</translation>
    </message>
    <message>
        <source>%1 words were added to the list.</source>
        <translation>Se añadieron %1 palabras a la lista.</translation>
    </message>
    <message>
        <source>1 line held a broken character:</source>
        <translation>1 línea contenía un carácter dañado:</translation>
    </message>
    <message>
        <source>%1 lines held a broken character:</source>
        <translation>%1 líneas contenían un carácter dañado:</translation>
    </message>
    <message>
        <source>1 line was skipped:</source>
        <translation>Se omitió 1 línea:</translation>
    </message>
    <message>
        <source>%1 lines were skipped:</source>
        <translation>Se omitieron %1 líneas:</translation>
    </message>
    <message>
        <source>Place %1</source>
        <translation>Colocar %1</translation>
    </message>
    <message>
        <source>Update %1</source>
        <translation>Cambiar %1</translation>
    </message>
    <message>
        <source>Change Clue</source>
        <translation>Cambiar la pista</translation>
    </message>
    <message>
        <source>Delete %1</source>
        <translation>Borrar %1</translation>
    </message>
    <message>
        <source>Move Puzzle</source>
        <translation>Mover el crucigrama</translation>
    </message>
    <message>
        <source>Resize</source>
        <translation>Cambiar el tamaño</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Cambiar los ajustes</translation>
    </message>
    <message>
        <source>Generate</source>
        <translation>Generar</translation>
    </message>
    <message>
        <source>Store %1</source>
        <translation>Guardar %1 en la lista</translation>
    </message>
    <message>
        <source>Remove %1</source>
        <translation>Quitar %1</translation>
    </message>
    <message>
        <source>The recovery copy %1 could not be read.
%2</source>
        <translation>No se pudo leer la copia de recuperación %1.
%2</translation>
    </message>
    <message>
        <source>The recovery copy %1 holds a word with the control character %2.</source>
        <translation>La copia de recuperación %1 contiene una palabra con el carácter de control %2.</translation>
    </message>
    <message>
        <source>an untitled puzzle</source>
        <translation>un crucigrama sin título</translation>
    </message>
    <message>
        <source>It is a folder.</source>
        <translation>Es una carpeta.</translation>
    </message>
    <message>
        <source>It is not a regular file.</source>
        <translation>No es un archivo normal.</translation>
    </message>
    <message>
        <source>It is too large.</source>
        <translation>Es demasiado grande.</translation>
    </message>
    <message>
        <source>Not a regular file</source>
        <translation>No es un archivo normal</translation>
    </message>
    <message>
        <source>Save Picture</source>
        <translation>Guardar imagen</translation>
    </message>
    <message>
        <source>The picture could not be saved as %1:
%2</source>
        <translation>No se pudo guardar la imagen como %1:
%2</translation>
    </message>
    <message>
        <source>There is no picture to save.</source>
        <translation>No hay ninguna imagen que guardar.</translation>
    </message>
    <message>
        <source>The picture could not be encoded.</source>
        <translation>No se pudo codificar la imagen.</translation>
    </message>
    <message>
        <source>The puzzle cannot be written as a web page.</source>
        <translation>El crucigrama no se puede escribir como página web.</translation>
    </message>
    <message>
        <source>It has no words.</source>
        <translation>No tiene palabras.</translation>
    </message>
    <message>
        <source>The word &apos;%1&apos; at %2 has no direction.</source>
        <translation>La palabra «%1» en %2 no tiene dirección.</translation>
    </message>
    <message>
        <source>A word at %1 has no letters.</source>
        <translation>Una palabra en %1 no tiene letras.</translation>
    </message>
    <message>
        <source>The word &apos;%1&apos; at %2 does not lie inside the grid.</source>
        <translation>La palabra «%1» en %2 no está dentro de la cuadrícula.</translation>
    </message>
    <message>
        <source>The word &apos;%1&apos; at %2 holds a character that cannot be typed into a square.</source>
        <translation>La palabra «%1» en %2 contiene un carácter que no se puede escribir en una casilla.</translation>
    </message>
    <message>
        <source>The word &apos;%1&apos; at %2 and a crossing word have different letters at %3.</source>
        <translation>La palabra «%1» en %2 y una palabra que la cruza tienen letras distintas en %3.</translation>
    </message>
    <message>
        <source>The page cannot be written in the language &apos;%1&apos;.</source>
        <translation>La página no se puede escribir en el idioma «%1».</translation>
    </message>
    <message>
        <source>The page&apos;s style or script is missing from the program.</source>
        <translation>Al programa le falta el estilo o el script de la página.</translation>
    </message>
    <message>
        <source>Could not write %1:</source>
        <translation>No se pudo escribir %1:</translation>
    </message>
    <message>
        <source>Export Error</source>
        <translation>Error al exportar</translation>
    </message>
    <message>
        <source>The puzzle cannot be written as %1.</source>
        <translation>El crucigrama no se puede escribir como %1.</translation>
    </message>
    <message>
        <source>The word &apos;%1&apos; at %2 has fewer than two letters.</source>
        <translation>La palabra «%1» en %2 tiene menos de dos letras.</translation>
    </message>
    <message>
        <source>Two words start at %1.</source>
        <translation>Dos palabras empiezan en %1.</translation>
    </message>
    <message>
        <source>The letters &apos;%1&apos; at %2 form a run that is not one of its words.</source>
        <translation>Las letras «%1» en %2 forman una serie que no es ninguna de sus palabras.</translation>
    </message>
    <message>
        <source>The word &apos;%1&apos; at %2 runs into other letters: the grid reads &apos;%3&apos; there.</source>
        <translation>La palabra «%1» en %2 choca con otras letras: en la cuadrícula pone «%3».</translation>
    </message>
    <message>
        <source>The word &apos;%1&apos; at %2 %3 runs into other letters.</source>
        <translation>La palabra «%1» en %2 %3 choca con otras letras.</translation>
    </message>
    <message>
        <source>The square at %1 has a style (such as a circle or shading), which the program cannot show.</source>
        <translation>La casilla en %1 tiene un estilo (como un círculo o un sombreado) que el programa no puede mostrar.</translation>
    </message>
    <message>
        <source>The square at %1 is labelled &apos;%2&apos;; the program numbers its squares 1, 2, 3 and so on.</source>
        <translation>La casilla en %1 lleva la etiqueta «%2»; el programa numera sus casillas 1, 2, 3, etc.</translation>
    </message>
    <message>
        <source>The white square at %1 has no solution letter.</source>
        <translation>La casilla blanca en %1 no tiene letra de solución.</translation>
    </message>
    <message>
        <source>The square at %1 holds &apos;%2&apos;; the program keeps one letter per square.</source>
        <translation>La casilla en %1 contiene «%2»; el programa guarda una letra por casilla.</translation>
    </message>
    <message>
        <source>The white squares from %1 to %2 form a block of four letters. The program keeps words apart (no parallel words side by side), so this grid has no reading as its kind of puzzle.</source>
        <translation>Las casillas blancas de %1 a %2 forman un bloque de cuatro letras. El programa mantiene separadas las palabras (sin palabras paralelas juntas), así que esta cuadrícula no se puede leer como sus crucigramas.</translation>
    </message>
    <message>
        <source>The word &apos;%1&apos; at %2 %3 lies beside another word in a way the program&apos;s placement rules do not allow.</source>
        <translation>La palabra «%1» en %2 %3 está junto a otra palabra de una forma que las reglas del programa no permiten.</translation>
    </message>
    <message>
        <source>Its clues are not a list by direction.</source>
        <translation>Sus pistas no son una lista por dirección.</translation>
    </message>
    <message>
        <source>It has clues in the direction &apos;%1&apos;; the program has only Across and Down.</source>
        <translation>Tiene pistas en la dirección «%1»; el programa solo tiene Horizontal y Vertical.</translation>
    </message>
    <message>
        <source>Its %1 clues are not a list.</source>
        <translation>Sus pistas %1 no son una lista.</translation>
    </message>
    <message>
        <source>The %1 clue %2 spans squares of its own choosing; the program&apos;s words are the runs of letters.</source>
        <translation>La pista %1 %2 abarca casillas elegidas por ella; las palabras del programa son las series de letras.</translation>
    </message>
    <message>
        <source>A %1 clue has no number: &apos;%2&apos;.</source>
        <translation>Una pista %1 no tiene número: «%2».</translation>
    </message>
    <message>
        <source>The %1 clue numbered &apos;%2&apos; does not name one square.</source>
        <translation>La pista %1 con el número «%2» no indica una sola casilla.</translation>
    </message>
    <message>
        <source>The %1 clue %2 has no text.</source>
        <translation>La pista %1 %2 no tiene texto.</translation>
    </message>
    <message>
        <source>It starts with &quot;ipuz(&quot; but does not end with &quot;)&quot;.</source>
        <translation>Empieza por «ipuz(» pero no termina en «)».</translation>
    </message>
    <message>
        <source>It is empty.</source>
        <translation>Está vacío.</translation>
    </message>
    <message>
        <source>It is not valid JSON (%1 at character %2); the file may be truncated or damaged.</source>
        <translation>No es JSON válido (%1 en el carácter %2); puede que el archivo esté cortado o dañado.</translation>
    </message>
    <message>
        <source>It does not hold an ipuz object.</source>
        <translation>No contiene un objeto ipuz.</translation>
    </message>
    <message>
        <source>It is not an ipuz crossword (its &quot;kind&quot; is %1).</source>
        <translation>No es un crucigrama ipuz (su «kind» es %1).</translation>
    </message>
    <message>
        <source>It has no ipuz &quot;version&quot;.</source>
        <translation>No tiene «version» de ipuz.</translation>
    </message>
    <message>
        <source>Its &quot;dimensions&quot; are not a width and height from 1 to %1.</source>
        <translation>Sus «dimensions» no son un ancho y un alto de 1 a %1.</translation>
    </message>
    <message>
        <source>Its &quot;puzzle&quot; grid does not have %1 rows.</source>
        <translation>Su cuadrícula «puzzle» no tiene %1 filas.</translation>
    </message>
    <message>
        <source>It has no &quot;solution&quot;, so the letters of its words are unknown.</source>
        <translation>No tiene «solution», así que las letras de sus palabras son desconocidas.</translation>
    </message>
    <message>
        <source>Its &quot;solution&quot; grid does not have %1 rows.</source>
        <translation>Su cuadrícula «solution» no tiene %1 filas.</translation>
    </message>
    <message>
        <source>Row %1 of its grid does not have %2 squares.</source>
        <translation>La fila %1 de su cuadrícula no tiene %2 casillas.</translation>
    </message>
    <message>
        <source>The number %1 labels two squares.</source>
        <translation>El número %1 aparece en dos casillas.</translation>
    </message>
    <message>
        <source>The white square at %1 belongs to no word of two or more letters, so the grid has no reading as the program&apos;s kind of puzzle.</source>
        <translation>La casilla blanca en %1 no pertenece a ninguna palabra de dos o más letras, así que la cuadrícula no se puede leer como los crucigramas del programa.</translation>
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
        <translation>La pista %1 no tiene ninguna casilla con el número %2.</translation>
    </message>
    <message>
        <source>The clue %1 belongs to no word: no %2 word starts at square %3.</source>
        <translation>La pista %1 no pertenece a ninguna palabra: ninguna palabra %2 empieza en la casilla %3.</translation>
    </message>
    <message>
        <source>The clue %1 is given twice.</source>
        <translation>La pista %1 aparece dos veces.</translation>
    </message>
    <message>
        <source>The %1 word at %2 holds %3, which no word or clue may hold.</source>
        <translation>La palabra %1 en %2 contiene %3, que ninguna palabra ni pista puede contener.</translation>
    </message>
    <message>
        <source>the control character </source>
        <translation>el carácter de control </translation>
    </message>
    <message>
        <source>half of a surrogate pair</source>
        <translation>la mitad de un par sustituto</translation>
    </message>
    <message>
        <source>Import Error</source>
        <translation>Error al importar</translation>
    </message>
    <message>
        <source>The file cannot be read as a puzzle.</source>
        <translation>El archivo no se puede leer como crucigrama.</translation>
    </message>
    <message>
        <source>%1 cannot be read as a puzzle.</source>
        <translation>%1 no se puede leer como crucigrama.</translation>
    </message>
    <message>
        <source>It is too large to be a crossword.</source>
        <translation>Es demasiado grande para ser un crucigrama.</translation>
    </message>
    <message>
        <source>Choose the puzzle, the answer key or both.</source>
        <translation>Elija el crucigrama, las soluciones o ambos.</translation>
    </message>
    <message>
        <source>No file name was given for the worksheet.</source>
        <translation>No se ha indicado un nombre de archivo para la ficha.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a folder, not a file name.</source>
        <translation>«%1» es una carpeta, no un nombre de archivo.</translation>
    </message>
    <message>
        <source>The worksheet could not be started.</source>
        <translation>No se pudo empezar la ficha.</translation>
    </message>
    <message>
        <source>A page of the worksheet could not be started.</source>
        <translation>No se pudo empezar una página de la ficha.</translation>
    </message>
    <message>
        <source>The worksheet could not be written to &quot;%1&quot;: %2</source>
        <translation>No se pudo escribir la ficha en «%1»: %2</translation>
    </message>
    <message>
        <source>The puzzle cannot be written as Across Lite puz.</source>
        <translation>El crucigrama no se puede escribir como puz de Across Lite.</translation>
    </message>
    <message>
        <source>a NUL character</source>
        <translation>un carácter NUL</translation>
    </message>
    <message>
        <source>The grid is %1 by %2 squares; the format allows at most 255 by 255.</source>
        <translation>La cuadrícula es de %1 por %2 casillas; el formato admite como máximo 255 por 255.</translation>
    </message>
    <message>
        <source>The letter %1 at (%2,%3) is outside ISO-8859-1.</source>
        <translation>La letra %1 en (%2,%3) está fuera de ISO-8859-1.</translation>
    </message>
    <message>
        <source>The square at (%1,%2) holds %3, which the format cannot hold as a letter.</source>
        <translation>La casilla en (%1,%2) contiene %3, que el formato no puede guardar como letra.</translation>
    </message>
    <message>
        <source>a blank</source>
        <translation>un espacio</translation>
    </message>
    <message>
        <source>The clue for %1 %2</source>
        <translation>La pista del %1 %2</translation>
    </message>
    <message>
        <source>The title</source>
        <translation>El título</translation>
    </message>
    <message>
        <source>The author</source>
        <translation>El autor</translation>
    </message>
    <message>
        <source>The copyright</source>
        <translation>El aviso de derechos de autor</translation>
    </message>
    <message>
        <source>The subject</source>
        <translation>El tema</translation>
    </message>
    <message>
        <source>%1 holds %2, which ISO-8859-1 cannot hold.</source>
        <translation>%1 contiene %2, que ISO-8859-1 no puede representar.</translation>
    </message>
    <message>
        <source>It has more clues than the format can count.</source>
        <translation>Tiene más pistas de las que el formato puede contar.</translation>
    </message>
    <message>
        <source>Word Document</source>
        <translation>Documento de Word</translation>
    </message>
    <message>
        <source>The document part &quot;%1&quot; could not be written.</source>
        <translation>No se pudo escribir la parte «%1» del documento.</translation>
    </message>
    <message>
        <source>No file name was given for the document.</source>
        <translation>No se ha indicado un nombre de archivo para el documento.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a folder, not a document file name.</source>
        <translation>«%1» es una carpeta, no un nombre de documento.</translation>
    </message>
    <message>
        <source>There is no grid picture to put on the page.</source>
        <translation>No hay ninguna imagen de la cuadrícula para la página.</translation>
    </message>
    <message>
        <source>The grid picture could not be stored in the document.</source>
        <translation>No se pudo guardar la imagen de la cuadrícula en el documento.</translation>
    </message>
    <message>
        <source>Zip Package</source>
        <translation>Paquete zip</translation>
    </message>
    <message>
        <source>Could not create the document container: %1</source>
        <translation>No se pudo crear el contenedor del documento: %1</translation>
    </message>
    <message>
        <source>Could not add &quot;%1&quot; to the document container: %2</source>
        <translation>No se pudo añadir «%1» al contenedor del documento: %2</translation>
    </message>
    <message>
        <source>Could not complete the document container: %1</source>
        <translation>No se pudo completar el contenedor del documento: %1</translation>
    </message>
    <message>
        <source>Could not read back the document container.</source>
        <translation>No se pudo volver a leer el contenedor del documento.</translation>
    </message>
    <message>
        <source>Could not write &quot;%1&quot;: %2</source>
        <translation>No se pudo escribir «%1»: %2</translation>
    </message>
    <message>
        <source>Could not open &quot;%1&quot;: %2</source>
        <translation>No se pudo abrir «%1»: %2</translation>
    </message>
    <message>
        <source>Unreadable entry %1 in &quot;%2&quot;.</source>
        <translation>Entrada %1 ilegible en «%2».</translation>
    </message>
    <message>
        <source>Could not open entry &quot;%1&quot;.</source>
        <translation>No se pudo abrir la entrada «%1».</translation>
    </message>
    <message>
        <source>Could not read entry &quot;%1&quot;.</source>
        <translation>No se pudo leer la entrada «%1».</translation>
    </message>
    <message>
        <source>No Word Entered</source>
        <translation>No se ha escrito ninguna palabra</translation>
    </message>
    <message>
        <source>Please enter a word to add.</source>
        <translation>Escriba la palabra que quiere añadir.</translation>
    </message>
    <message>
        <source>Only %1 of %2 words fit in this grid. Place these %1 words and keep the others in the word list?</source>
        <translation>Solo caben %1 de %2 palabras en esta cuadrícula. ¿Colocar estas %1 palabras y dejar las demás en la lista de palabras?</translation>
    </message>
</context>
<context>
    <name>Velloquin::PrintPartsDialog</name>
    <message>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>Which pages do you want to print?</source>
        <translation>¿Qué páginas quiere imprimir?</translation>
    </message>
    <message>
        <source>Puzzle and &amp;answer key</source>
        <translation>Crucigrama y &amp;soluciones</translation>
    </message>
    <message>
        <source>P&amp;uzzle only</source>
        <translation>Solo el &amp;crucigrama</translation>
    </message>
    <message>
        <source>Answer &amp;key only</source>
        <translation>Solo las s&amp;oluciones</translation>
    </message>
    <message>
        <source>Pre&amp;view...</source>
        <translation>&amp;Vista previa...</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Imprimir...</translation>
    </message>
</context>
<context>
    <name>Velloquin::SettingsPanel</name>
    <message>
        <source>Crossword Settings</source>
        <translation>Ajustes del crucigrama</translation>
    </message>
    <message>
        <source>Move the whole crossword</source>
        <translation>Mover todo el crucigrama</translation>
    </message>
    <message>
        <source>Title:</source>
        <translation>Título:</translation>
    </message>
    <message>
        <source>Topic:</source>
        <translation>Tema:</translation>
    </message>
    <message>
        <source>Width:</source>
        <translation>Ancho:</translation>
    </message>
    <message>
        <source>Height:</source>
        <translation>Alto:</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Cambiar</translation>
    </message>
    <message>
        <source>Change current setting</source>
        <translation>Cambiar el ajuste actual</translation>
    </message>
    <message>
        <source>Layout:</source>
        <translation>Disposición:</translation>
    </message>
    <message>
        <source>Classic</source>
        <translation>Clásica</translation>
    </message>
    <message>
        <source>Thorough</source>
        <translation>Minuciosa</translation>
    </message>
    <message>
        <source>Fit</source>
        <translation>Ajustada</translation>
    </message>
    <message>
        <source>Quick: words cross at random places</source>
        <translation>Rápida: las palabras se cruzan en lugares al azar</translation>
    </message>
    <message>
        <source>Searches up to 2 seconds to fit every word</source>
        <translation>Busca hasta 2 segundos para colocar todas las palabras</translation>
    </message>
    <message>
        <source>Searches up to 3 seconds for the smallest grid that holds every word</source>
        <translation>Busca hasta 3 segundos la cuadrícula más pequeña que contenga todas las palabras</translation>
    </message>
    <message>
        <source>How the crossword is generated</source>
        <translation>Cómo se genera el crucigrama</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>Fondo</translation>
    </message>
    <message>
        <source>Grid Lines</source>
        <translation>Líneas</translation>
    </message>
    <message>
        <source>Squares</source>
        <translation>Casillas</translation>
    </message>
    <message>
        <source>Move the whole crossword left one square</source>
        <translation>Mover todo el crucigrama una casilla a la izquierda</translation>
    </message>
    <message>
        <source>Move the whole crossword right one square</source>
        <translation>Mover todo el crucigrama una casilla a la derecha</translation>
    </message>
    <message>
        <source>Move the whole crossword up one square</source>
        <translation>Mover todo el crucigrama una casilla hacia arriba</translation>
    </message>
    <message>
        <source>Move the whole crossword down one square</source>
        <translation>Mover todo el crucigrama una casilla hacia abajo</translation>
    </message>
</context>
<context>
    <name>Velloquin::StyledProgressBar</name>
    <message>
        <source>Searching..</source>
        <translation>Buscando..</translation>
    </message>
</context>
<context>
    <name>Velloquin::WaitPanel</name>
    <message>
        <source>Please wait</source>
        <translation>Espere, por favor</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progreso</translation>
    </message>
    <message>
        <source>Attempting to generate crossword  Please Wait</source>
        <translation>Generando el crucigrama  Espere, por favor</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Stop generating and keep the crossword as it was</source>
        <translation>Dejar de generar y conservar el crucigrama como estaba</translation>
    </message>
</context>
<context>
    <name>Velloquin::WordPanel</name>
    <message>
        <source>Selection</source>
        <translation>Selección</translation>
    </message>
    <message>
        <source>Word list toolbar</source>
        <translation>Barra de herramientas de la lista de palabras</translation>
    </message>
    <message>
        <source>Place for the word</source>
        <translation>Lugar para la palabra</translation>
    </message>
    <message>
        <source>Placed %1 at %2,%3 %4</source>
        <translation>%1 colocada en %2,%3 %4</translation>
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
        <translation>%1 cambiada</translation>
    </message>
    <message>
        <source>Deleted %1</source>
        <translation>%1 borrada</translation>
    </message>
    <message>
        <source>No place found for %1</source>
        <translation>No se encontró lugar para %1</translation>
    </message>
    <message>
        <source>1 place found for %1</source>
        <translation>Se encontró 1 lugar para %1</translation>
    </message>
    <message>
        <source>%1 places found for %2</source>
        <translation>Se encontraron %1 lugares para %2</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Please enter valid numbers for Number, X, and Y.</source>
        <translation>Escriba números válidos para Número, X e Y.</translation>
    </message>
    <message>
        <source>No Word</source>
        <translation>Sin palabra</translation>
    </message>
    <message>
        <source>Please enter a word to search for a grid position.</source>
        <translation>Escriba una palabra para buscarle un lugar en la cuadrícula.</translation>
    </message>
    <message>
        <source>No Grid Words</source>
        <translation>No hay palabras en la cuadrícula</translation>
    </message>
    <message>
        <source>There are currently no words in the grid.
You may place this word at any positions that it will fit.
Click on the square you would like the word to start at,
select the orientation - Across/Down
Click the &apos;Update&apos; button to add the word at this location.</source>
        <translation>Todavía no hay palabras en la cuadrícula.
Puede colocar esta palabra en cualquier lugar donde quepa.
Haga clic en la casilla donde debe empezar la palabra,
elija la dirección - Horizontal/Vertical
Pulse «Aplicar» para añadir la palabra en ese lugar.</translation>
    </message>
    <message>
        <source>Edit Words &amp; Clues</source>
        <translation>Palabras y pistas</translation>
    </message>
    <message>
        <source>Word:</source>
        <translation>Palabra:</translation>
    </message>
    <message>
        <source>Clue:</source>
        <translation>Pista:</translation>
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
        <translation>Aplicar</translation>
    </message>
    <message>
        <source>Add / Update word on grid</source>
        <translation>Añadir / cambiar la palabra en la cuadrícula</translation>
    </message>
    <message>
        <source>Delete the selected word from grid</source>
        <translation>Borrar de la cuadrícula la palabra seleccionada</translation>
    </message>
    <message>
        <source>Store this  word in the dropdown list for inclusion later|Delete this word from the dropdown list.|Search for locations to place the word.</source>
        <translation>Guardar esta palabra en la lista para más tarde|Borrar esta palabra de la lista.|Buscar lugares donde colocar la palabra.</translation>
    </message>
    <message>
        <source>Create / Regenerate Crossword</source>
        <translation>Crear / regenerar el crucigrama</translation>
    </message>
    <message>
        <source>S&amp;tore Word in the List</source>
        <translation>Guardar la pala&amp;bra en la lista</translation>
    </message>
    <message>
        <source>Re&amp;move Word from the List</source>
        <translation>&amp;Quitar la palabra de la lista</translation>
    </message>
    <message>
        <source>Search for &amp;Places for the Word</source>
        <translation>Buscar &amp;lugares para la palabra</translation>
    </message>
</context>
<context>
    <name>Velloquin::WordsDock</name>
    <message>
        <source>Words</source>
        <translation>Palabras</translation>
    </message>
    <message>
        <source>Words and clues</source>
        <translation>Palabras y pistas</translation>
    </message>
    <message>
        <source>&amp;Delete Word</source>
        <translation>&amp;Borrar la palabra</translation>
    </message>
</context>
<context>
    <name>Velloquin::WordsModel</name>
    <message>
        <source>ACROSS</source>
        <translation>HORIZONTALES</translation>
    </message>
    <message>
        <source>DOWN</source>
        <translation>VERTICALES</translation>
    </message>
    <message>
        <source>NOT PLACED</source>
        <translation>SIN COLOCAR</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>N.º</translation>
    </message>
    <message>
        <source>Answer</source>
        <translation>Respuesta</translation>
    </message>
    <message>
        <source>Clue</source>
        <translation>Pista</translation>
    </message>
</context>
<context>
    <name>WebPageOptionsDialog</name>
    <message>
        <source>Web Page Options</source>
        <translation>Opciones de la página web</translation>
    </message>
    <message>
        <source>Allow &amp;Check (marks wrong letters)</source>
        <translation>Permitir &amp;comprobar (marca las letras incorrectas)</translation>
    </message>
    <message>
        <source>Allow &amp;Reveal (shows letters and words)</source>
        <translation>Permitir &amp;revelar (muestra letras y palabras)</translation>
    </message>
    <message>
        <source>Language of the page</source>
        <translation>Idioma de la página</translation>
    </message>
    <message>
        <source>&amp;Language of the page:</source>
        <translation>&amp;Idioma de la página:</translation>
    </message>
</context>
<context>
    <name>WordExportFlow</name>
    <message>
        <source>Export to MS &amp;Word...</source>
        <translation>Exportar a MS &amp;Word...</translation>
    </message>
    <message>
        <source>Export to MS Word.</source>
        <translation>Exportar a MS Word.</translation>
    </message>
    <message>
        <source>The Word document has been saved as:
%1</source>
        <translation>El documento de Word se ha guardado como:
%1</translation>
    </message>
    <message>
        <source>Hide the answers</source>
        <translation>Ocultar las respuestas</translation>
    </message>
    <message>
        <source>The answers are currently being shown in the crossword.
Would you like to hide the answers in the export to Word?</source>
        <translation>Ahora se muestran las respuestas en el crucigrama.
¿Quiere ocultarlas en la exportación a Word?</translation>
    </message>
    <message>
        <source> Save this Word document as:</source>
        <translation> Guardar este documento de Word como:</translation>
    </message>
    <message>
        <source>Exporting to Word
Please Wait</source>
        <translation>Exportando a Word
Espere, por favor</translation>
    </message>
</context>
</TS>
