<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>varnolt::FileTypesDialog</name>
    <message>
        <location filename="../ui/FileTypesDialog.cpp" line="+16"/>
        <source>Change file type</source>
        <translation>Cambiar tipo de archivo</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>File Type:</source>
        <translation>Tipo de archivo:</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>varnolt::MainWindow</name>
    <message>
        <location filename="../engine/TypeGroups.h" line="+32"/>
        <source>Music files</source>
        <translation>Música</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Music Files</source>
        <translation>Música</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Image files</source>
        <translation>Imágenes</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Image Files</source>
        <translation>Imágenes</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Vedio files</source>
        <translation>Vídeos</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Vedio Files</source>
        <translation>Vídeos</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Program files</source>
        <translation>Programas</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Program Files</source>
        <translation>Programas</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Document file</source>
        <translation>Documentos</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Document Files</source>
        <translation>Documentos</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Archive files</source>
        <translation>Comprimidos</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Archive Files</source>
        <translation>Comprimidos</translation>
    </message>
    <message>
        <location filename="../ui/MainWindow.cpp" line="+32"/>
        <source>Do not support folder size.</source>
        <translation>La clasificación por tamaño no admite carpetas.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The desktop could not open the user guide %1. You can open it yourself in a web browser.</source>
        <translation>El escritorio no pudo abrir la guía del usuario %1. Puede abrirla usted mismo en un navegador web.</translation>
    </message>
    <message>
        <location filename="../ui/MainWindowFields.cpp" line="+31"/>
        <source>Text File (*.txt)</source>
        <translation>Archivo de texto (*.txt)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Text Files (*.txt);;All Files (*)</source>
        <translation>Archivos de texto (*.txt);;Todos los archivos (*)</translation>
    </message>
    <message>
        <location filename="../ui/MainWindowLayout.cpp" line="+71"/>
        <location filename="../ui/MainWindowPanels.cpp" line="+179"/>
        <source>by file date</source>
        <translation>por fecha</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>by file name</source>
        <translation>por nombre</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>by file number</source>
        <translation>por cantidad</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>by file type</source>
        <translation>por tipo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>by file size</source>
        <translation>por tamaño</translation>
    </message>
    <message>
        <location line="+82"/>
        <source>Run</source>
        <translation>Ejecutar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Classify Now</source>
        <translation>Clasificar ahora</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+1"/>
        <source>Stop</source>
        <translation>Detener</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Preview</source>
        <translation>Vista previa</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Preview result</source>
        <translation>Ver una vista previa del resultado</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Folder</source>
        <translation>Carpeta</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Add a folder</source>
        <translation>Añadir una carpeta</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Files</source>
        <translation>Archivos</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Add files</source>
        <translation>Añadir archivos</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Remove</source>
        <translation>Quitar</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+347"/>
        <source>Delete</source>
        <translation>Quitar de la lista</translation>
    </message>
    <message>
        <location line="-346"/>
        <source>Undo</source>
        <translation>Deshacer</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Undo the last operation</source>
        <translation>Deshacer la última operación</translation>
    </message>
    <message>
        <location line="+2"/>
        <location filename="../ui/MainWindowMenus.cpp" line="+97"/>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Read help </source>
        <translation>Leer la ayuda </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <location line="+48"/>
        <source>Varnolt [ classify many files automatically ]</source>
        <translation>Varnolt [ clasifica muchos archivos automáticamente ]</translation>
    </message>
    <message>
        <location line="+220"/>
        <source>Classification methods</source>
        <translation>Métodos de clasificación</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Auto-Classify Files</source>
        <translation>Clasificación automática</translation>
    </message>
    <message>
        <location line="+61"/>
        <source>Add folder and file to be classified</source>
        <translation>Añada las carpetas y archivos que clasificar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Folders and files to classify</source>
        <translation>Carpetas y archivos que clasificar</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Add Folder</source>
        <translation>Añadir carpeta</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Add Files</source>
        <translation>Añadir archivos</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Add folder or files here</source>
        <translation>Añada aquí carpetas o archivos</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Load last list</source>
        <translation>Cargar la última lista</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Result Location: </source>
        <translation>Ubicación de destino: </translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Select a folder</source>
        <translation>Seleccionar una carpeta</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Open the folder</source>
        <translation>Abrir la carpeta</translation>
    </message>
    <message>
        <location line="+36"/>
        <source>Preview results</source>
        <translation>Resultado de la vista previa</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Preview results here</source>
        <translation>Aquí aparece la vista previa</translation>
    </message>
    <message>
        <location filename="../ui/MainWindowPanels.cpp" line="+0"/>
        <source>by year</source>
        <translation>por año</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>by month</source>
        <translation>por mes</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>from Jan. to Dec.</source>
        <translation>de ene. a dic.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>by week</source>
        <translation>por día de la semana</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>from Mon. to Sun.</source>
        <translation>de lun. a dom.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>by day</source>
        <translation>por día</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>from 1st to 31st</source>
        <translation>del 1 al 31</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>by hour</source>
        <translation>por hora</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>from 1st to 24th</source>
        <translation>de la 1.ª a la 24.ª</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>include minute</source>
        <translation>incluir minutos</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>include second</source>
        <translation>incluir segundos</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Creation Time</source>
        <translation>Fecha de creación</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Last Access Time</source>
        <translation>Último acceso</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Last Write Time</source>
        <translation>Última modificación</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Date Taken</source>
        <translation>Fecha de captura</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Select a file time type: </source>
        <translation>Tipo de fecha del archivo: </translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Grouped subfolders</source>
        <translation>Subcarpetas anidadas</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Use number Month</source>
        <translation>Meses en número</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Use number of month and weekday</source>
        <translation>Meses y días de la semana en número</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Use Abbr. Month</source>
        <translation>Meses abreviados</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Abbr. name of month and weekday</source>
        <translation>Nombres abreviados de meses y días de la semana</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>by head letters of name</source>
        <translation>por iniciales del nombre</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Number of letters: </source>
        <translation>Número de letras: </translation>
    </message>
    <message>
        <location line="+2"/>
        <source>by word of the below list </source>
        <translation>por palabras de la lista </translation>
    </message>
    <message>
        <location line="+4"/>
        <source>[one line as one subfolder] </source>
        <translation>[una línea por subcarpeta] </translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Save as</source>
        <translation>Guardar como</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Load</source>
        <translation>Cargar</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Change</source>
        <translation>Cambiar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Change %1</source>
        <translation>Cambiar %1</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Other:</source>
        <translation>Otro:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1: folder name</source>
        <translation>%1: nombre de la carpeta</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1: types</source>
        <translation>%1: tipos</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Type:</source>
        <translation>Tipos:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>First other group</source>
        <translation>Primer grupo propio</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Second other group</source>
        <translation>Segundo grupo propio</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Classify to every type </source>
        <translation>Una carpeta por tipo </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Use extension part as its folder name</source>
        <translation>La extensión sirve de nombre de carpeta</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Specify step of file size: </source>
        <translation>Intervalo de tamaño: </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>byte</source>
        <translation>byte</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>KB</source>
        <translation>KB</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>MB</source>
        <translation>MB</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>GB</source>
        <translation>GB</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Unit of the size step</source>
        <translation>Unidad del intervalo de tamaño</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Specify Max. files number in each subfolder: </source>
        <translation>Máximo de archivos por subcarpeta: </translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Specify a subfolder name: </source>
        <translation>Nombre de subcarpeta: </translation>
    </message>
    <message>
        <location line="+10"/>
        <source>[More Options]</source>
        <translation>[Más opciones]</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Move source files</source>
        <translation>Mover los originales</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>or Copy if dont select Move</source>
        <translation>si no, se copian</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Include subfolders</source>
        <translation>Incluir subcarpetas</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Include folder name</source>
        <translation>Clasificar carpetas</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Only classify subfolder</source>
        <translation>Solo subcarpetas</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Exclude shortcut</source>
        <translation>Excluir accesos directos</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Exclude folder info file</source>
        <translation>Excluir info. de carpeta</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The file is used for folder configure</source>
        <translation>Este archivo guarda la configuración de la carpeta</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Exclude pic thumb file</source>
        <translation>Excluir miniaturas</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Keep sidecars with their photos</source>
        <translation>XMP junto a sus fotos</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>A photo&apos;s .xmp file goes where the photo goes</source>
        <translation>El archivo .xmp de una foto va adonde va la foto</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Limit Preview number</source>
        <translation>Limitar la vista previa</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Preview limit</source>
        <translation>Límite de la vista previa</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>File type filter:</source>
        <translation>Filtro de tipos:</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Custom Files</source>
        <translation>Tipos personalizados</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>File type filter group</source>
        <translation>Grupo del filtro de tipos</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Seperate each with &apos;;&apos;</source>
        <translation>Sepárelos con &apos;;&apos;</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>File type filter list</source>
        <translation>Lista del filtro de tipos</translation>
    </message>
    <message>
        <location filename="../ui/MainWindowSources.cpp" line="+33"/>
        <source>Add a folder to list</source>
        <translation>Añadir una carpeta a la lista</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Select a folder to Save result</source>
        <translation>Seleccionar la carpeta del resultado</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The result folder does not exist!</source>
        <translation>¡La carpeta de destino no existe!</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>All Files (*)</source>
        <translation>Todos los archivos (*)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>These do not exist and were not added to the list:</source>
        <translation>Estos elementos no existen y no se han añadido a la lista:</translation>
    </message>
    <message>
        <location filename="../ui/MainWindowMenus.cpp" line="-23"/>
        <source>More menus</source>
        <translation>Más menús</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Fi&amp;le</source>
        <extracomment>The menus&apos; letters (&amp;) must not be R, S, P, F, I, E, U, H or C: Alt with those presses toolbar buttons.</extracomment>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Add Folder...</source>
        <translation>&amp;Añadir carpeta...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Add &amp;Files...</source>
        <translation>Añadir a&amp;rchivos...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Remove</source>
        <translation>&amp;Quitar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Load Last List</source>
        <translation>&amp;Cargar la última lista</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Quit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>S&amp;ort</source>
        <translation>&amp;Ordenar</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Preview</source>
        <translation>&amp;Vista previa</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Run</source>
        <translation>&amp;Ejecutar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Stop</source>
        <translation>&amp;Detener</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Undo Last Run</source>
        <translation>Des&amp;hacer la última ejecución</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>&amp;User Guide</source>
        <translation>&amp;Guía del usuario</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;About Varnolt</source>
        <translation>&amp;Acerca de Varnolt</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>About &amp;Qt</source>
        <translation>Acerca de &amp;Qt</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Varnolt %1

Sorts files into folders by their date, name, number, type or size.

Licence: GNU General Public License, version 3 or later (GPL-3.0-or-later).</source>
        <translation>Varnolt %1

Ordena archivos en carpetas según su fecha, nombre, número, tipo o tamaño.

Licencia: GNU General Public License, versión 3 o posterior (GPL-3.0-or-later).</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>About Varnolt</source>
        <translation>Acerca de Varnolt</translation>
    </message>
</context>
<context>
    <name>varnolt::Messages</name>
    <message>
        <location filename="../engine/Messages.h" line="+16"/>
        <source>Information</source>
        <translation>Información</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Confirmation</source>
        <translation>Confirmación</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Warning</source>
        <translation>Advertencia</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Please add folder or files to be classfied.</source>
        <translation>Añada carpetas o archivos que clasificar.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>You have not specified conditions(on left panel)!</source>
        <translation>¡No ha elegido ningún método de clasificación (panel izquierdo)!</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Do you run it now? or click &apos;No&apos; to preview.</source>
        <translation>¿Ejecutar ahora? Pulse «No» para ver antes la vista previa.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>You have not specified result location!</source>
        <translation>¡No ha indicado la ubicación de destino!</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>You specified an invalid path of result location!</source>
        <translation>¡La ruta de destino indicada no es válida!</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Can not create result folder:%1</source>
        <translation>No se puede crear la carpeta de destino: %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The journal could not be completed in %1: %2</source>
        <translation>No se pudo completar el registro en %1: %2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The journal cannot be written in %1: %2. Nothing was moved.</source>
        <translation>No se puede escribir el registro en %1: %2. No se ha movido nada.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The journal %1 cannot be read: %2</source>
        <translation>No se puede leer el registro %1: %2</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The journal in %1 cannot be locked: %2. Nothing was changed.</source>
        <translation>No se puede bloquear el registro en %1: %2. No se ha cambiado nada.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>There is nothing to undo.</source>
        <translation>No hay nada que deshacer.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The desktop could not open the folder %1. You can open it yourself in a file manager.</source>
        <translation>El escritorio no pudo abrir la carpeta %1. Puede abrirla usted mismo en un gestor de archivos.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>No word in the list.</source>
        <translation>La lista de palabras está vacía.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>No subfolder name was inputted.</source>
        <translation>No se ha escrito ningún nombre de carpeta.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>No file type(extension part) was inputted.</source>
        <translation>No se ha escrito ningún tipo de archivo (extensión).</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>No one kind of file types is selected.</source>
        <translation>No hay ningún grupo de tipos de archivo seleccionado.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>No subfolder name inputted.</source>
        <translation>No se ha escrito el nombre de las subcarpetas.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Invalid subfolder name was inputted.</source>
        <translation>El nombre de carpeta escrito no es válido.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Invalid subfolder name inputted.</source>
        <translation>El nombre de las subcarpetas no es válido.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Another run or undo is in progress. Please try again when it has finished.</source>
        <translation>Hay otra clasificación o deshacer en curso. Vuelva a intentarlo cuando haya terminado.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 Classification completed!
You can check result to decide if UNDO now.
Open the result location now?</source>
        <translation>Clasificación terminada: %1 elementos.
Revise el resultado: todavía puede DESHACERLO.
¿Abrir ahora la ubicación de destino?</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Open the result location now?</source>
        <translation>¿Abrir ahora la ubicación de destino?</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Do you want to STOP the operation?</source>
        <translation>¿Desea DETENER la operación?</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Do you want to STOP and EXIT?</source>
        <translation>¿Desea DETENER y SALIR?</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Can not create new folder: %1, continue?</source>
        <translation>No se puede crear la carpeta %1. ¿Continuar?</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Do you want to UNDO the last operation ?</source>
        <translation>¿Desea DESHACER la última operación?</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Undo Confirmation</source>
        <translation>Confirmar deshacer</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Undo done.</source>
        <translation>Deshecho.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Undo done: %1 items put back.</source>
        <translation>Deshecho: %1 elementos devueltos a su sitio.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Preview done.</source>
        <translation>Vista previa terminada.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>[Target Folder]</source>
        <translation>[Carpeta de destino]</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>File: %1</source>
        <translation>Archivo: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Moving %1</source>
        <translation>Moviendo %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Copying %1</source>
        <translation>Copiando %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Files: %1, Categories: %2</source>
        <translation>Archivos: %1, categorías: %2</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Files: %1, New Categories: %2</source>
        <translation>Archivos: %1, categorías nuevas: %2</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Classify done. %1 files were classified!</source>
        <translation>Clasificación terminada: %1 archivos clasificados.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Undo %1 of %2</source>
        <translation>Deshaciendo: %1 de %2</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 placed, %2 not placed</source>
        <translation>%1 colocados, %2 sin colocar</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Stopped: %1 items moved</source>
        <translation>Detenido: %1 elementos movidos</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Stopped: %1 items copied</source>
        <translation>Detenido: %1 elementos copiados</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Preview stopped: %1 items</source>
        <translation>Vista previa detenida: %1 elementos</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Undo: %1 of %2 items put back; %3 could not be.</source>
        <translation>Deshacer: %1 de %2 elementos devueltos a su sitio; %3 no se pudieron devolver.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Items not placed</source>
        <translation>Elementos sin colocar</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Items not put back</source>
        <translation>Elementos no devueltos</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>no category for it (no group holds its type, or no word matches)</source>
        <translation>sin categoría (ningún grupo contiene su tipo o ninguna palabra coincide)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>cannot be read: %1</source>
        <translation>no se puede leer: %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>its category folder cannot be made: %1</source>
        <translation>no se puede crear su carpeta de categoría: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>cannot be moved: %1</source>
        <translation>no se puede mover: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>cannot be copied: %1</source>
        <translation>no se puede copiar: %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>cannot be journaled: %1</source>
        <translation>no se puede anotar en el registro: %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>cannot be put back: %1</source>
        <translation>no se puede devolver a su sitio: %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>cannot be removed: %1</source>
        <translation>no se puede eliminar: %1</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>the name holds a line break, which the journal cannot keep</source>
        <translation>el nombre contiene un salto de línea, que el registro no puede guardar</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>another file stands where the run put it</source>
        <translation>otro archivo ocupa el lugar donde la ejecución lo dejó</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>a copied folder stays where the run put it</source>
        <translation>una carpeta copiada se queda donde la ejecución la dejó</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the file there now is not the one the run put there; it stays</source>
        <translation>el archivo que hay ahí no es el que dejó la ejecución; se queda</translation>
    </message>
    <message>
        <location filename="../app/cli/ConsoleTexts.h" line="+10"/>
        <source>not moved: %1: %2</source>
        <translation>no movido: %1: %2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>not copied: %1: %2</source>
        <translation>no copiado: %1: %2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>not put back: %1: %2</source>
        <translation>no devuelto: %1: %2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>not placed: %1: %2</source>
        <translation>sin colocar: %1: %2</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Yes</source>
        <translation>Sí</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 items/s</source>
        <translation>%1 elementos/s</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>cannot create the data folder %1: %2</source>
        <translation>no se puede crear la carpeta de datos %1: %2</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Run with --help for more information.</source>
        <translation>Ejecute con --help para más información.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>exactly one of --preview, --run and --undo is needed</source>
        <translation>se necesita exactamente una de --preview, --run y --undo</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>cannot read the word list %1: %2</source>
        <translation>no se puede leer la lista de palabras %1: %2</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1: expected FOLDER=LIST</source>
        <translation>%1: se esperaba FOLDER=LIST</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>--group-list: expected NAME=LIST with NAME one of %1</source>
        <translation>--group-list: se esperaba NAME=LIST, con NAME uno de %1</translation>
    </message>
</context>
<context>
    <name>varnolt::NameChecks</name>
    <message>
        <location filename="../ui/NameChecks.cpp" line="+15"/>
        <source>You should remove one of following nine characters from input text, because they are prohibited in Windows filenames:  \ / : * ? &quot; &lt; &gt; |</source>
        <translation>Quite del texto los nueve caracteres siguientes, prohibidos en los nombres de archivo de Windows:  \ / : * ? &quot; &lt; &gt; |</translation>
    </message>
</context>
<context>
    <name>varnolt::ReportDialog</name>
    <message>
        <location filename="../ui/ReportDialog.cpp" line="+26"/>
        <source>Item</source>
        <translation>Elemento</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Reason</source>
        <translation>Motivo</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Items not placed</source>
        <translation>Elementos sin colocar</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Copy list</source>
        <translation>&amp;Copiar la lista</translation>
    </message>
</context>
<context>
    <name>varnolt::Settings</name>
    <message>
        <location filename="../ui/SettingsSaver.cpp" line="+68"/>
        <source>The source &quot;%1&quot;: its name holds a line break.</source>
        <translation>El origen «%1»: su nombre contiene un salto de línea.</translation>
    </message>
    <message>
        <location line="+71"/>
        <source>%1: %2</source>
        <extracomment>%1: the part of the settings (&quot;The word list&quot;); %2: why it was not kept</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The Other groups</source>
        <translation>Los grupos propios</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The Custom Files list</source>
        <translation>La lista de tipos personalizados</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The word list</source>
        <translation>La lista de palabras</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The source list</source>
        <translation>La lista de orígenes</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The history of result locations</source>
        <translation>El historial de ubicaciones de destino</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The window&apos;s size and place</source>
        <translation>El tamaño y la posición de la ventana</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Not everything could be kept for the next start.</source>
        <translation>No se ha podido guardar todo para el próximo inicio.</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Cannot open file &quot;%1&quot;. %2</source>
        <translation>No se puede abrir el archivo «%1». %2</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Cannot create file &quot;%1&quot;. %2</source>
        <translation>No se puede crear el archivo «%1». %2</translation>
    </message>
</context>
</TS>
