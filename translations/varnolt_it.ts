<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>varnolt::FileTypesDialog</name>
    <message>
        <location filename="../ui/FileTypesDialog.cpp" line="+16"/>
        <source>Change file type</source>
        <translation>Modifica tipo di file</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>File Type:</source>
        <translation>Tipo di file:</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
</context>
<context>
    <name>varnolt::MainWindow</name>
    <message>
        <location filename="../engine/TypeGroups.h" line="+32"/>
        <source>Music files</source>
        <translation>File musicali</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Music Files</source>
        <translation>File musicali</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Image files</source>
        <translation>File di immagine</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Image Files</source>
        <translation>File di immagine</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Vedio files</source>
        <translation>File video</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Vedio Files</source>
        <translation>File video</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Program files</source>
        <translation>File di programma</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Program Files</source>
        <translation>File di programma</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Document file</source>
        <translation>Documenti</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Document Files</source>
        <translation>Documenti</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Archive files</source>
        <translation>Archivi compressi</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Archive Files</source>
        <translation>Archivi compressi</translation>
    </message>
    <message>
        <location filename="../ui/MainWindow.cpp" line="+32"/>
        <source>Do not support folder size.</source>
        <translation>L’ordinamento per dimensione non supporta le cartelle.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The desktop could not open the user guide %1. You can open it yourself in a web browser.</source>
        <translation>Il desktop non ha potuto aprire la guida utente %1. Puoi aprirla tu stesso in un browser web.</translation>
    </message>
    <message>
        <location filename="../ui/MainWindowFields.cpp" line="+31"/>
        <source>Text File (*.txt)</source>
        <translation>File di testo (*.txt)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Text Files (*.txt);;All Files (*)</source>
        <translation>File di testo (*.txt);;Tutti i file (*)</translation>
    </message>
    <message>
        <location filename="../ui/MainWindowLayout.cpp" line="+71"/>
        <location filename="../ui/MainWindowPanels.cpp" line="+179"/>
        <source>by file date</source>
        <translation>per data</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>by file name</source>
        <translation>per nome</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>by file number</source>
        <translation>per numero di file</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>by file type</source>
        <translation>per tipo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>by file size</source>
        <translation>per dimensione</translation>
    </message>
    <message>
        <location line="+82"/>
        <source>Run</source>
        <translation>Esegui</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Classify Now</source>
        <translation>Classifica ora</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+1"/>
        <source>Stop</source>
        <translation>Ferma</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Preview</source>
        <translation>Anteprima</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Preview result</source>
        <translation>Mostra l’anteprima del risultato</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Folder</source>
        <translation>Cartella</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Add a folder</source>
        <translation>Aggiungi una cartella</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Files</source>
        <translation>File</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Add files</source>
        <translation>Aggiungi file</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Remove</source>
        <translation>Rimuovi</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+347"/>
        <source>Delete</source>
        <translation>Rimuovi dall’elenco</translation>
    </message>
    <message>
        <location line="-346"/>
        <source>Undo</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Undo the last operation</source>
        <translation>Annulla l’ultima operazione</translation>
    </message>
    <message>
        <location line="+2"/>
        <location filename="../ui/MainWindowMenus.cpp" line="+97"/>
        <source>Help</source>
        <translation>Guida</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Read help </source>
        <translation>Leggi la guida </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Exit</source>
        <translation>Esci</translation>
    </message>
    <message>
        <location line="+48"/>
        <source>Varnolt [ classify many files automatically ]</source>
        <translation>Varnolt [ classifica automaticamente molti file ]</translation>
    </message>
    <message>
        <location line="+220"/>
        <source>Classification methods</source>
        <translation>Metodi di classificazione</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Auto-Classify Files</source>
        <translation>Classificazione automatica</translation>
    </message>
    <message>
        <location line="+61"/>
        <source>Add folder and file to be classified</source>
        <translation>Aggiungi le cartelle e i file da classificare</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Folders and files to classify</source>
        <translation>Cartelle e file da classificare</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Add Folder</source>
        <translation>Aggiungi cartella</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Add Files</source>
        <translation>Aggiungi file</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Add folder or files here</source>
        <translation>Aggiungi qui cartelle o file</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Load last list</source>
        <translation>Carica l’ultimo elenco</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Result Location: </source>
        <translation>Destinazione: </translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Select a folder</source>
        <translation>Seleziona una cartella</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Open the folder</source>
        <translation>Apri la cartella</translation>
    </message>
    <message>
        <location line="+36"/>
        <source>Preview results</source>
        <translation>Risultato dell’anteprima</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Preview results here</source>
        <translation>Qui compare l’anteprima</translation>
    </message>
    <message>
        <location filename="../ui/MainWindowPanels.cpp" line="+0"/>
        <source>by year</source>
        <translation>per anno</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>by month</source>
        <translation>per mese</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>from Jan. to Dec.</source>
        <translation>da gen. a dic.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>by week</source>
        <translation>per giorno della settimana</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>from Mon. to Sun.</source>
        <translation>da lun. a dom.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>by day</source>
        <translation>per giorno</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>from 1st to 31st</source>
        <translation>dal 1 al 31</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>by hour</source>
        <translation>per ora</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>from 1st to 24th</source>
        <translation>dalla 1ª alla 24ª</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>include minute</source>
        <translation>includi i minuti</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>include second</source>
        <translation>includi i secondi</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Creation Time</source>
        <translation>Data di creazione</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Last Access Time</source>
        <translation>Ultimo accesso</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Last Write Time</source>
        <translation>Ultima modifica</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Date Taken</source>
        <translation>Data di scatto</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Select a file time type: </source>
        <translation>Tipo di data del file: </translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Grouped subfolders</source>
        <translation>Sottocartelle annidate</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Use number Month</source>
        <translation>Mesi in numeri</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Use number of month and weekday</source>
        <translation>Mesi e giorni della settimana in numeri</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Use Abbr. Month</source>
        <translation>Mesi abbreviati</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Abbr. name of month and weekday</source>
        <translation>Nomi abbreviati di mesi e giorni della settimana</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>by head letters of name</source>
        <translation>per lettere iniziali del nome</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Number of letters: </source>
        <translation>Numero di lettere: </translation>
    </message>
    <message>
        <location line="+2"/>
        <source>by word of the below list </source>
        <translation>per parola dell’elenco sotto </translation>
    </message>
    <message>
        <location line="+4"/>
        <source>[one line as one subfolder] </source>
        <translation>[una riga per sottocartella] </translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Save as</source>
        <translation>Salva con nome</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Load</source>
        <translation>Carica</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Change</source>
        <translation>Modifica</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Change %1</source>
        <translation>Modifica %1</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Other:</source>
        <translation>Altro:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1: folder name</source>
        <translation>%1: nome della cartella</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1: types</source>
        <translation>%1: tipi</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Type:</source>
        <translation>Tipi:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>First other group</source>
        <translation>Primo gruppo personalizzato</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Second other group</source>
        <translation>Secondo gruppo personalizzato</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Classify to every type </source>
        <translation>Una cartella per tipo </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Use extension part as its folder name</source>
        <translation>L’estensione diventa il nome della cartella</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Specify step of file size: </source>
        <translation>Intervallo di dimensione: </translation>
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
        <translation>Unità dell’intervallo di dimensione</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Specify Max. files number in each subfolder: </source>
        <translation>Numero massimo di file per sottocartella: </translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Specify a subfolder name: </source>
        <translation>Nome delle sottocartelle: </translation>
    </message>
    <message>
        <location line="+10"/>
        <source>[More Options]</source>
        <translation>[Altre opzioni]</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Move source files</source>
        <translation>Sposta i file di origine</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>or Copy if dont select Move</source>
        <translation>altrimenti vengono copiati</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Include subfolders</source>
        <translation>Includi le sottocartelle</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Include folder name</source>
        <translation>Classifica anche le cartelle</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Only classify subfolder</source>
        <translation>Solo le sottocartelle</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Exclude shortcut</source>
        <translation>Escludi i collegamenti</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Exclude folder info file</source>
        <translation>Escludi le info cartella</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The file is used for folder configure</source>
        <translation>Il file contiene le impostazioni della cartella</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Exclude pic thumb file</source>
        <translation>Escludi le miniature</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Keep sidecars with their photos</source>
        <translation>XMP insieme alle foto</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>A photo&apos;s .xmp file goes where the photo goes</source>
        <translation>Il file .xmp di una foto va dove va la foto</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Limit Preview number</source>
        <translation>Limita l’anteprima</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Preview limit</source>
        <translation>Limite dell’anteprima</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>File type filter:</source>
        <translation>Filtro per tipo:</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Custom Files</source>
        <translation>Tipi personalizzati</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>File type filter group</source>
        <translation>Gruppo del filtro per tipo</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Seperate each with &apos;;&apos;</source>
        <translation>Separali con &apos;;&apos;</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>File type filter list</source>
        <translation>Elenco del filtro per tipo</translation>
    </message>
    <message>
        <location filename="../ui/MainWindowSources.cpp" line="+33"/>
        <source>Add a folder to list</source>
        <translation>Aggiungi una cartella all’elenco</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Select a folder to Save result</source>
        <translation>Seleziona la cartella del risultato</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The result folder does not exist!</source>
        <translation>La cartella di destinazione non esiste.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>All Files (*)</source>
        <translation>Tutti i file (*)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>These do not exist and were not added to the list:</source>
        <translation>Questi elementi non esistono e non sono stati aggiunti all’elenco:</translation>
    </message>
    <message>
        <location filename="../ui/MainWindowMenus.cpp" line="-23"/>
        <source>More menus</source>
        <translation>Altri menu</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Fi&amp;le</source>
        <extracomment>The menus&apos; letters (&amp;) must not be R, S, P, F, I, E, U, H or C: Alt with those presses toolbar buttons.</extracomment>
        <translation>Fi&amp;le</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Add Folder...</source>
        <translation>&amp;Aggiungi cartella...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Add &amp;Files...</source>
        <translation>Aggiungi &amp;file...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Remove</source>
        <translation>&amp;Rimuovi</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Load Last List</source>
        <translation>&amp;Carica l&apos;ultimo elenco</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Quit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>S&amp;ort</source>
        <translation>&amp;Ordina</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Preview</source>
        <translation>&amp;Anteprima</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Run</source>
        <translation>A&amp;vvia</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Stop</source>
        <translation>&amp;Ferma</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Undo Last Run</source>
        <translation>Annulla l&apos;&amp;ultima esecuzione</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>&amp;User Guide</source>
        <translation>&amp;Guida utente</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;About Varnolt</source>
        <translation>&amp;Informazioni su Varnolt</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>About &amp;Qt</source>
        <translation>Informazioni su &amp;Qt</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Varnolt %1

Sorts files into folders by their date, name, number, type or size.

Licence: GNU General Public License, version 3 or later (GPL-3.0-or-later).</source>
        <translation>Varnolt %1

Ordina i file in cartelle secondo data, nome, numero, tipo o dimensione.

Licenza: GNU General Public License, versione 3 o successiva (GPL-3.0-or-later).</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>About Varnolt</source>
        <translation>Informazioni su Varnolt</translation>
    </message>
</context>
<context>
    <name>varnolt::Messages</name>
    <message>
        <location filename="../engine/Messages.h" line="+16"/>
        <source>Information</source>
        <translation>Informazioni</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Confirmation</source>
        <translation>Conferma</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Warning</source>
        <translation>Avviso</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Error</source>
        <translation>Errore</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Please add folder or files to be classfied.</source>
        <translation>Aggiungi cartelle o file da classificare.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>You have not specified conditions(on left panel)!</source>
        <translation>Non hai scelto alcun metodo di classificazione (pannello a sinistra).</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Do you run it now? or click &apos;No&apos; to preview.</source>
        <translation>Eseguire ora? Fai clic su «No» per vedere prima l’anteprima.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>You have not specified result location!</source>
        <translation>Non hai indicato la destinazione.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>You specified an invalid path of result location!</source>
        <translation>Il percorso di destinazione indicato non è valido.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Can not create result folder:%1</source>
        <translation>Impossibile creare la cartella di destinazione: %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The journal could not be completed in %1: %2</source>
        <translation>Impossibile completare il registro in %1: %2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The journal cannot be written in %1: %2. Nothing was moved.</source>
        <translation>Impossibile scrivere il registro in %1: %2. Non è stato spostato nulla.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The journal %1 cannot be read: %2</source>
        <translation>Impossibile leggere il registro %1: %2</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The journal in %1 cannot be locked: %2. Nothing was changed.</source>
        <translation>Impossibile bloccare il registro in %1: %2. Non è stato modificato nulla.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>There is nothing to undo.</source>
        <translation>Non c’è nulla da annullare.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The desktop could not open the folder %1. You can open it yourself in a file manager.</source>
        <translation>Il desktop non ha potuto aprire la cartella %1. Puoi aprirla tu stesso in un file manager.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>No word in the list.</source>
        <translation>L’elenco di parole è vuoto.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>No subfolder name was inputted.</source>
        <translation>Non è stato inserito alcun nome di cartella.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>No file type(extension part) was inputted.</source>
        <translation>Non è stato inserito alcun tipo di file (estensione).</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>No one kind of file types is selected.</source>
        <translation>Non è selezionato alcun gruppo di tipi di file.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>No subfolder name inputted.</source>
        <translation>Non è stato inserito il nome delle sottocartelle.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Invalid subfolder name was inputted.</source>
        <translation>Il nome di cartella inserito non è valido.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Invalid subfolder name inputted.</source>
        <translation>Il nome delle sottocartelle non è valido.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Another run or undo is in progress. Please try again when it has finished.</source>
        <translation>È in corso un’altra classificazione o un altro annullamento. Riprova quando sarà terminato.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 Classification completed!
You can check result to decide if UNDO now.
Open the result location now?</source>
        <translation>Classificazione completata: %1 elementi.
Controlla il risultato: puoi ancora ANNULLARLA.
Aprire ora la destinazione?</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Open the result location now?</source>
        <translation>Aprire ora la destinazione?</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Do you want to STOP the operation?</source>
        <translation>Vuoi FERMARE l’operazione?</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Do you want to STOP and EXIT?</source>
        <translation>Vuoi FERMARE e USCIRE?</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Can not create new folder: %1, continue?</source>
        <translation>Impossibile creare la cartella %1. Continuare?</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Do you want to UNDO the last operation ?</source>
        <translation>Vuoi ANNULLARE l’ultima operazione?</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Undo Confirmation</source>
        <translation>Conferma annullamento</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Undo done.</source>
        <translation>Annullamento completato.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Undo done: %1 items put back.</source>
        <translation>Annullamento completato: %1 elementi rimessi al loro posto.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Preview done.</source>
        <translation>Anteprima completata.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>[Target Folder]</source>
        <translation>[Cartella di destinazione]</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>File: %1</source>
        <translation>File: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Moving %1</source>
        <translation>Spostamento di %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Copying %1</source>
        <translation>Copia di %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Files: %1, Categories: %2</source>
        <translation>File: %1, categorie: %2</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Files: %1, New Categories: %2</source>
        <translation>File: %1, nuove categorie: %2</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Classify done. %1 files were classified!</source>
        <translation>Classificazione completata: %1 file classificati.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Undo %1 of %2</source>
        <translation>Annullamento: %1 di %2</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 placed, %2 not placed</source>
        <translation>%1 sistemati, %2 non sistemati</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Stopped: %1 items moved</source>
        <translation>Interrotto: %1 elementi spostati</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Stopped: %1 items copied</source>
        <translation>Interrotto: %1 elementi copiati</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Preview stopped: %1 items</source>
        <translation>Anteprima interrotta: %1 elementi</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Undo: %1 of %2 items put back; %3 could not be.</source>
        <translation>Annullamento: %1 di %2 elementi rimessi al loro posto; %3 non è stato possibile.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Items not placed</source>
        <translation>Elementi non sistemati</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Items not put back</source>
        <translation>Elementi non rimessi al loro posto</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>no category for it (no group holds its type, or no word matches)</source>
        <translation>nessuna categoria (nessun gruppo contiene il suo tipo o nessuna parola corrisponde)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>cannot be read: %1</source>
        <translation>impossibile leggerlo: %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>its category folder cannot be made: %1</source>
        <translation>impossibile creare la sua cartella di categoria: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>cannot be moved: %1</source>
        <translation>impossibile spostarlo: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>cannot be copied: %1</source>
        <translation>impossibile copiarlo: %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>cannot be journaled: %1</source>
        <translation>impossibile annotarlo nel registro: %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>cannot be put back: %1</source>
        <translation>impossibile rimetterlo al suo posto: %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>cannot be removed: %1</source>
        <translation>impossibile rimuoverlo: %1</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>the name holds a line break, which the journal cannot keep</source>
        <translation>il nome contiene un a capo, che il registro non può conservare</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>another file stands where the run put it</source>
        <translation>un altro file si trova dove l’esecuzione l’aveva messo</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>a copied folder stays where the run put it</source>
        <translation>una cartella copiata resta dove l’esecuzione l’ha messa</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the file there now is not the one the run put there; it stays</source>
        <translation>il file che c’è ora non è quello messo dall’esecuzione; resta lì</translation>
    </message>
    <message>
        <location filename="../app/cli/ConsoleTexts.h" line="+10"/>
        <source>not moved: %1: %2</source>
        <translation>non spostato: %1: %2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>not copied: %1: %2</source>
        <translation>non copiato: %1: %2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>not put back: %1: %2</source>
        <translation>non rimesso al suo posto: %1: %2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>not placed: %1: %2</source>
        <translation>non sistemato: %1: %2</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Yes</source>
        <translation>Sì</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 items/s</source>
        <translation>%1 elementi/s</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>cannot create the data folder %1: %2</source>
        <translation>impossibile creare la cartella dei dati %1: %2</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Run with --help for more information.</source>
        <translation>Esegui con --help per maggiori informazioni.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>exactly one of --preview, --run and --undo is needed</source>
        <translation>serve esattamente una tra --preview, --run e --undo</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>cannot read the word list %1: %2</source>
        <translation>impossibile leggere l’elenco di parole %1: %2</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1: expected FOLDER=LIST</source>
        <translation>%1: atteso FOLDER=LIST</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>--group-list: expected NAME=LIST with NAME one of %1</source>
        <translation>--group-list: atteso NAME=LIST, con NAME uno tra %1</translation>
    </message>
</context>
<context>
    <name>varnolt::NameChecks</name>
    <message>
        <location filename="../ui/NameChecks.cpp" line="+15"/>
        <source>You should remove one of following nine characters from input text, because they are prohibited in Windows filenames:  \ / : * ? &quot; &lt; &gt; |</source>
        <translation>Rimuovi dal testo i nove caratteri seguenti, vietati nei nomi di file di Windows:  \ / : * ? &quot; &lt; &gt; |</translation>
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
        <translation>Elementi non sistemati</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Copy list</source>
        <translation>&amp;Copia l’elenco</translation>
    </message>
</context>
<context>
    <name>varnolt::Settings</name>
    <message>
        <location filename="../ui/SettingsSaver.cpp" line="+68"/>
        <source>The source &quot;%1&quot;: its name holds a line break.</source>
        <translation>L’origine «%1»: il suo nome contiene un a capo.</translation>
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
        <translation>I gruppi personalizzati</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The Custom Files list</source>
        <translation>L’elenco dei tipi personalizzati</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The word list</source>
        <translation>L’elenco di parole</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The source list</source>
        <translation>L’elenco delle origini</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The history of result locations</source>
        <translation>La cronologia delle destinazioni</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The window&apos;s size and place</source>
        <translation>Le dimensioni e la posizione della finestra</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Not everything could be kept for the next start.</source>
        <translation>Non è stato possibile conservare tutto per il prossimo avvio.</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Cannot open file &quot;%1&quot;. %2</source>
        <translation>Impossibile aprire il file «%1». %2</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Cannot create file &quot;%1&quot;. %2</source>
        <translation>Impossibile creare il file «%1». %2</translation>
    </message>
</context>
</TS>
