<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>varnolt::FileTypesDialog</name>
    <message>
        <location filename="../ui/FileTypesDialog.cpp" line="+16"/>
        <source>Change file type</source>
        <translation>Dateityp ändern</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>File Type:</source>
        <translation>Dateityp:</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>varnolt::MainWindow</name>
    <message>
        <location filename="../engine/TypeGroups.h" line="+32"/>
        <source>Music files</source>
        <translation>Musikdateien</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Music Files</source>
        <translation>Musikdateien</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Image files</source>
        <translation>Bilddateien</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Image Files</source>
        <translation>Bilddateien</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Vedio files</source>
        <translation>Videodateien</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Vedio Files</source>
        <translation>Videodateien</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Program files</source>
        <translation>Programmdateien</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Program Files</source>
        <translation>Programmdateien</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Document file</source>
        <translation>Dokumente</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Document Files</source>
        <translation>Dokumente</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Archive files</source>
        <translation>Archivdateien</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Archive Files</source>
        <translation>Archivdateien</translation>
    </message>
    <message>
        <location filename="../ui/MainWindow.cpp" line="+32"/>
        <source>Do not support folder size.</source>
        <translation>Nach Größe lassen sich keine Ordner sortieren.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The desktop could not open the user guide %1. You can open it yourself in a web browser.</source>
        <translation>Der Desktop konnte das Benutzerhandbuch %1 nicht öffnen. Sie können es selbst in einem Webbrowser öffnen.</translation>
    </message>
    <message>
        <location filename="../ui/MainWindowFields.cpp" line="+31"/>
        <source>Text File (*.txt)</source>
        <translation>Textdatei (*.txt)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Text Files (*.txt);;All Files (*)</source>
        <translation>Textdateien (*.txt);;Alle Dateien (*)</translation>
    </message>
    <message>
        <location filename="../ui/MainWindowLayout.cpp" line="+71"/>
        <location filename="../ui/MainWindowPanels.cpp" line="+179"/>
        <source>by file date</source>
        <translation>nach Dateidatum</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>by file name</source>
        <translation>nach Dateiname</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>by file number</source>
        <translation>nach Dateianzahl</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>by file type</source>
        <translation>nach Dateityp</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>by file size</source>
        <translation>nach Dateigröße</translation>
    </message>
    <message>
        <location line="+82"/>
        <source>Run</source>
        <translation>Starten</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Classify Now</source>
        <translation>Jetzt sortieren</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+1"/>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Preview</source>
        <translation>Vorschau</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Preview result</source>
        <translation>Ergebnis in der Vorschau zeigen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Folder</source>
        <translation>Ordner</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Add a folder</source>
        <translation>Einen Ordner hinzufügen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Files</source>
        <translation>Dateien</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Add files</source>
        <translation>Dateien hinzufügen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+347"/>
        <source>Delete</source>
        <translation>Aus der Liste entfernen</translation>
    </message>
    <message>
        <location line="-346"/>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Undo the last operation</source>
        <translation>Den letzten Vorgang rückgängig machen</translation>
    </message>
    <message>
        <location line="+2"/>
        <location filename="../ui/MainWindowMenus.cpp" line="+97"/>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Read help </source>
        <translation>Hilfe lesen </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Close</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <location line="+48"/>
        <source>Varnolt [ classify many files automatically ]</source>
        <translation>Varnolt [ viele Dateien automatisch sortieren ]</translation>
    </message>
    <message>
        <location line="+220"/>
        <source>Classification methods</source>
        <translation>Sortiermethoden</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Auto-Classify Files</source>
        <translation>Automatisch sortieren</translation>
    </message>
    <message>
        <location line="+61"/>
        <source>Add folder and file to be classified</source>
        <translation>Zu sortierende Ordner und Dateien hinzufügen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Folders and files to classify</source>
        <translation>Zu sortierende Ordner und Dateien</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Add Folder</source>
        <translation>Ordner hinzufügen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Add Files</source>
        <translation>Dateien hinzufügen</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Add folder or files here</source>
        <translation>Ordner oder Dateien hier hinzufügen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Load last list</source>
        <translation>Letzte Liste laden</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Result Location: </source>
        <translation>Zielort: </translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Select a folder</source>
        <translation>Ordner auswählen</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Open the folder</source>
        <translation>Ordner öffnen</translation>
    </message>
    <message>
        <location line="+36"/>
        <source>Preview results</source>
        <translation>Ergebnis der Vorschau</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Preview results here</source>
        <translation>Hier erscheint die Vorschau</translation>
    </message>
    <message>
        <location filename="../ui/MainWindowPanels.cpp" line="+0"/>
        <source>by year</source>
        <translation>nach Jahr</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>by month</source>
        <translation>nach Monat</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>from Jan. to Dec.</source>
        <translation>von Jan. bis Dez.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>by week</source>
        <translation>nach Wochentag</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>from Mon. to Sun.</source>
        <translation>von Mo. bis So.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>by day</source>
        <translation>nach Tag</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>from 1st to 31st</source>
        <translation>vom 1. bis 31.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>by hour</source>
        <translation>nach Stunde</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>from 1st to 24th</source>
        <translation>von der 1. bis zur 24.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>include minute</source>
        <translation>mit Minute</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>include second</source>
        <translation>mit Sekunde</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Creation Time</source>
        <translation>Erstellungszeit</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Last Access Time</source>
        <translation>Letzter Zugriff</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Last Write Time</source>
        <translation>Letzte Änderung</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Date Taken</source>
        <translation>Aufnahmedatum</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Select a file time type: </source>
        <translation>Art der Dateizeit: </translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Grouped subfolders</source>
        <translation>Verschachtelte Unterordner</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Use number Month</source>
        <translation>Monate als Zahl</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Use number of month and weekday</source>
        <translation>Monate und Wochentage als Zahlen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Use Abbr. Month</source>
        <translation>Abgekürzte Monate</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Abbr. name of month and weekday</source>
        <translation>Abgekürzte Namen der Monate und Wochentage</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>by head letters of name</source>
        <translation>nach Anfangsbuchstaben</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Number of letters: </source>
        <translation>Buchstaben: </translation>
    </message>
    <message>
        <location line="+2"/>
        <source>by word of the below list </source>
        <translation>nach Wörtern der Liste </translation>
    </message>
    <message>
        <location line="+4"/>
        <source>[one line as one subfolder] </source>
        <translation>[eine Zeile je Unterordner] </translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Save as</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Load</source>
        <translation>Laden</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Change</source>
        <translation>Ändern</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Change %1</source>
        <translation>%1 ändern</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Other:</source>
        <translation>Eigene:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1: folder name</source>
        <translation>%1: Ordnername</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1: types</source>
        <translation>%1: Dateitypen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Type:</source>
        <translation>Typen:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>First other group</source>
        <translation>Erste eigene Gruppe</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Second other group</source>
        <translation>Zweite eigene Gruppe</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Classify to every type </source>
        <translation>Ein Ordner je Dateityp </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Use extension part as its folder name</source>
        <translation>Die Dateiendung wird zum Ordnernamen</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Specify step of file size: </source>
        <translation>Schrittweite der Dateigröße: </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>byte</source>
        <translation>Byte</translation>
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
        <translation>Einheit der Schrittweite</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Specify Max. files number in each subfolder: </source>
        <translation>Höchstzahl der Dateien je Unterordner: </translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Specify a subfolder name: </source>
        <translation>Name der Unterordner: </translation>
    </message>
    <message>
        <location line="+10"/>
        <source>[More Options]</source>
        <translation>[Weitere Optionen]</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Move source files</source>
        <translation>Quelldateien verschieben</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>or Copy if dont select Move</source>
        <translation>sonst werden sie kopiert</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Include subfolders</source>
        <translation>Mit Unterordnern</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Include folder name</source>
        <translation>Ordner mitsortieren</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Only classify subfolder</source>
        <translation>Nur Unterordner sortieren</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Exclude shortcut</source>
        <translation>Ohne Verknüpfungen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Exclude folder info file</source>
        <translation>Ohne Ordnerinfodateien</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The file is used for folder configure</source>
        <translation>Die Datei hält die Einstellungen eines Ordners</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Exclude pic thumb file</source>
        <translation>Ohne Miniaturbilder</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Keep sidecars with their photos</source>
        <translation>XMP-Dateien mitnehmen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>A photo&apos;s .xmp file goes where the photo goes</source>
        <translation>Die .xmp-Datei eines Fotos kommt dorthin, wo das Foto hinkommt</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Limit Preview number</source>
        <translation>Vorschau begrenzen</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Preview limit</source>
        <translation>Grenze der Vorschau</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>File type filter:</source>
        <translation>Dateitypfilter:</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Custom Files</source>
        <translation>Eigene Dateitypen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>File type filter group</source>
        <translation>Gruppe des Dateitypfilters</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Seperate each with &apos;;&apos;</source>
        <translation>Einträge mit &apos;;&apos; trennen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>File type filter list</source>
        <translation>Liste des Dateitypfilters</translation>
    </message>
    <message>
        <location filename="../ui/MainWindowSources.cpp" line="+33"/>
        <source>Add a folder to list</source>
        <translation>Ordner zur Liste hinzufügen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Select a folder to Save result</source>
        <translation>Ordner für das Ergebnis auswählen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The result folder does not exist!</source>
        <translation>Der Zielordner existiert nicht!</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>All Files (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>These do not exist and were not added to the list:</source>
        <translation>Diese gibt es nicht; sie wurden nicht in die Liste aufgenommen:</translation>
    </message>
    <message>
        <location filename="../ui/MainWindowMenus.cpp" line="-23"/>
        <source>More menus</source>
        <translation>Weitere Menüs</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Fi&amp;le</source>
        <extracomment>The menus&apos; letters (&amp;) must not be R, S, P, F, I, E, U, H or C: Alt with those presses toolbar buttons.</extracomment>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Add Folder...</source>
        <translation>&amp;Ordner hinzufügen...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Add &amp;Files...</source>
        <translation>&amp;Dateien hinzufügen...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Remove</source>
        <translation>&amp;Entfernen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Load Last List</source>
        <translation>&amp;Letzte Liste laden</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Quit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>S&amp;ort</source>
        <translation>S&amp;ortieren</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Preview</source>
        <translation>&amp;Vorschau</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Run</source>
        <translation>&amp;Ausführen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Stop</source>
        <translation>&amp;Stopp</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Undo Last Run</source>
        <translation>Letzten Lauf &amp;rückgängig machen</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>&amp;User Guide</source>
        <translation>Benutzer&amp;handbuch</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;About Varnolt</source>
        <translation>Ü&amp;ber Varnolt</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>About &amp;Qt</source>
        <translation>Über &amp;Qt</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Varnolt %1

Sorts files into folders by their date, name, number, type or size.

Licence: GNU General Public License, version 3 or later (GPL-3.0-or-later).</source>
        <translation>Varnolt %1

Sortiert Dateien nach Datum, Name, Anzahl, Typ oder Größe in Ordner.

Lizenz: GNU General Public License, Version 3 oder später (GPL-3.0-or-later).</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>About Varnolt</source>
        <translation>Über Varnolt</translation>
    </message>
</context>
<context>
    <name>varnolt::Messages</name>
    <message>
        <location filename="../engine/Messages.h" line="+16"/>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Confirmation</source>
        <translation>Bestätigung</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Please add folder or files to be classfied.</source>
        <translation>Bitte fügen Sie zu sortierende Ordner oder Dateien hinzu.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>You have not specified conditions(on left panel)!</source>
        <translation>Sie haben keine Sortiermethode gewählt (links)!</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Do you run it now? or click &apos;No&apos; to preview.</source>
        <translation>Jetzt ausführen? Mit „Nein“ sehen Sie zuerst die Vorschau.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>You have not specified result location!</source>
        <translation>Sie haben keinen Zielort angegeben!</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>You specified an invalid path of result location!</source>
        <translation>Der angegebene Zielort ist kein gültiger Pfad!</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Can not create result folder:%1</source>
        <translation>Der Zielordner kann nicht angelegt werden: %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The journal could not be completed in %1: %2</source>
        <translation>Das Journal in %1 konnte nicht abgeschlossen werden: %2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The journal cannot be written in %1: %2. Nothing was moved.</source>
        <translation>Das Journal kann in %1 nicht geschrieben werden: %2. Es wurde nichts verschoben.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The journal %1 cannot be read: %2</source>
        <translation>Das Journal %1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The journal in %1 cannot be locked: %2. Nothing was changed.</source>
        <translation>Das Journal in %1 kann nicht gesperrt werden: %2. Es wurde nichts geändert.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>There is nothing to undo.</source>
        <translation>Es gibt nichts rückgängig zu machen.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The desktop could not open the folder %1. You can open it yourself in a file manager.</source>
        <translation>Der Desktop konnte den Ordner %1 nicht öffnen. Sie können ihn selbst in einem Dateimanager öffnen.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>No word in the list.</source>
        <translation>Die Wortliste ist leer.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>No subfolder name was inputted.</source>
        <translation>Es wurde kein Ordnername eingegeben.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>No file type(extension part) was inputted.</source>
        <translation>Es wurde kein Dateityp (keine Dateiendung) eingegeben.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>No one kind of file types is selected.</source>
        <translation>Es ist keine Gruppe von Dateitypen ausgewählt.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>No subfolder name inputted.</source>
        <translation>Kein Name für die Unterordner eingegeben.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Invalid subfolder name was inputted.</source>
        <translation>Der eingegebene Ordnername ist ungültig.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Invalid subfolder name inputted.</source>
        <translation>Der Name der Unterordner ist ungültig.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Another run or undo is in progress. Please try again when it has finished.</source>
        <translation>Es läuft bereits ein anderes Sortieren oder Rückgängigmachen. Bitte versuchen Sie es erneut, wenn es beendet ist.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 Classification completed!
You can check result to decide if UNDO now.
Open the result location now?</source>
        <translation>Sortieren abgeschlossen: %1 Elemente.
Prüfen Sie das Ergebnis – Sie können es jetzt noch RÜCKGÄNGIG machen.
Zielort jetzt öffnen?</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Open the result location now?</source>
        <translation>Zielort jetzt öffnen?</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Do you want to STOP the operation?</source>
        <translation>Möchten Sie den Vorgang ANHALTEN?</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Do you want to STOP and EXIT?</source>
        <translation>Möchten Sie ANHALTEN und BEENDEN?</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Can not create new folder: %1, continue?</source>
        <translation>Der Ordner %1 kann nicht angelegt werden. Fortfahren?</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Do you want to UNDO the last operation ?</source>
        <translation>Möchten Sie den letzten Vorgang RÜCKGÄNGIG machen?</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Undo Confirmation</source>
        <translation>Rückgängig machen bestätigen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Undo done.</source>
        <translation>Rückgängig gemacht.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Undo done: %1 items put back.</source>
        <translation>Rückgängig gemacht: %1 Objekte zurückgelegt.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Preview done.</source>
        <translation>Vorschau fertig.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>[Target Folder]</source>
        <translation>[Zielordner]</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>File: %1</source>
        <translation>Datei: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Moving %1</source>
        <translation>Verschiebe %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Copying %1</source>
        <translation>Kopiere %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Files: %1, Categories: %2</source>
        <translation>Dateien: %1, Kategorien: %2</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Files: %1, New Categories: %2</source>
        <translation>Dateien: %1, neue Kategorien: %2</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Classify done. %1 files were classified!</source>
        <translation>Sortieren fertig: %1 Dateien einsortiert.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Undo %1 of %2</source>
        <translation>Rückgängig: %1 von %2</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 placed, %2 not placed</source>
        <translation>%1 einsortiert, %2 nicht einsortiert</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Stopped: %1 items moved</source>
        <translation>Angehalten: %1 Elemente verschoben</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Stopped: %1 items copied</source>
        <translation>Angehalten: %1 Elemente kopiert</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Preview stopped: %1 items</source>
        <translation>Vorschau angehalten: %1 Elemente</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Undo: %1 of %2 items put back; %3 could not be.</source>
        <translation>Rückgängig: %1 von %2 Elementen zurückgelegt; %3 ließen sich nicht zurücklegen.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Items not placed</source>
        <translation>Nicht einsortierte Elemente</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Items not put back</source>
        <translation>Nicht zurückgelegte Elemente</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>no category for it (no group holds its type, or no word matches)</source>
        <translation>keine Kategorie dafür (keine Gruppe enthält seinen Typ, oder kein Wort passt)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>cannot be read: %1</source>
        <translation>kann nicht gelesen werden: %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>its category folder cannot be made: %1</source>
        <translation>sein Kategorieordner kann nicht angelegt werden: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>cannot be moved: %1</source>
        <translation>kann nicht verschoben werden: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>cannot be copied: %1</source>
        <translation>kann nicht kopiert werden: %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>cannot be journaled: %1</source>
        <translation>kann nicht ins Journal geschrieben werden: %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>cannot be put back: %1</source>
        <translation>kann nicht zurückgelegt werden: %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>cannot be removed: %1</source>
        <translation>kann nicht entfernt werden: %1</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>the name holds a line break, which the journal cannot keep</source>
        <translation>der Name enthält einen Zeilenumbruch, den das Journal nicht festhalten kann</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>another file stands where the run put it</source>
        <translation>an der Stelle, an die der Lauf es gelegt hat, steht eine andere Datei</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>a copied folder stays where the run put it</source>
        <translation>ein kopierter Ordner bleibt, wo der Lauf ihn hingelegt hat</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the file there now is not the one the run put there; it stays</source>
        <translation>die Datei dort ist nicht die, die der Lauf dorthin gelegt hat; sie bleibt</translation>
    </message>
    <message>
        <location filename="../app/cli/ConsoleTexts.h" line="+10"/>
        <source>not moved: %1: %2</source>
        <translation>nicht verschoben: %1: %2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>not copied: %1: %2</source>
        <translation>nicht kopiert: %1: %2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>not put back: %1: %2</source>
        <translation>nicht zurückgelegt: %1: %2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>not placed: %1: %2</source>
        <translation>nicht einsortiert: %1: %2</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>No</source>
        <translation>Nein</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 items/s</source>
        <translation>%1 Elemente/s</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>cannot create the data folder %1: %2</source>
        <translation>der Datenordner %1 kann nicht angelegt werden: %2</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Run with --help for more information.</source>
        <translation>Mehr dazu mit --help.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>exactly one of --preview, --run and --undo is needed</source>
        <translation>genau eine der Optionen --preview, --run und --undo ist nötig</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>cannot read the word list %1: %2</source>
        <translation>die Wortliste %1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1: expected FOLDER=LIST</source>
        <translation>%1: erwartet wird FOLDER=LIST</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>--group-list: expected NAME=LIST with NAME one of %1</source>
        <translation>--group-list: erwartet wird NAME=LIST, NAME eines von %1</translation>
    </message>
</context>
<context>
    <name>varnolt::NameChecks</name>
    <message>
        <location filename="../ui/NameChecks.cpp" line="+15"/>
        <source>You should remove one of following nine characters from input text, because they are prohibited in Windows filenames:  \ / : * ? &quot; &lt; &gt; |</source>
        <translation>Bitte entfernen Sie diese neun Zeichen aus der Eingabe, denn Windows verbietet sie in Dateinamen:  \ / : * ? &quot; &lt; &gt; |</translation>
    </message>
</context>
<context>
    <name>varnolt::ReportDialog</name>
    <message>
        <location filename="../ui/ReportDialog.cpp" line="+26"/>
        <source>Item</source>
        <translation>Element</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Reason</source>
        <translation>Grund</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Items not placed</source>
        <translation>Nicht einsortierte Elemente</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Copy list</source>
        <translation>Liste &amp;kopieren</translation>
    </message>
</context>
<context>
    <name>varnolt::Settings</name>
    <message>
        <location filename="../ui/SettingsSaver.cpp" line="+68"/>
        <source>The source &quot;%1&quot;: its name holds a line break.</source>
        <translation>Die Quelle „%1“: Ihr Name enthält einen Zeilenumbruch.</translation>
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
        <translation>Die eigenen Gruppen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The Custom Files list</source>
        <translation>Die Liste der eigenen Dateitypen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The word list</source>
        <translation>Die Wortliste</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The source list</source>
        <translation>Die Quellliste</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The history of result locations</source>
        <translation>Der Verlauf der Zielorte</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The window&apos;s size and place</source>
        <translation>Größe und Lage des Fensters</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Not everything could be kept for the next start.</source>
        <translation>Nicht alles konnte für den nächsten Start gespeichert werden.</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Cannot open file &quot;%1&quot;. %2</source>
        <translation>Die Datei „%1“ kann nicht geöffnet werden. %2</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Cannot create file &quot;%1&quot;. %2</source>
        <translation>Die Datei „%1“ kann nicht angelegt werden. %2</translation>
    </message>
</context>
</TS>
