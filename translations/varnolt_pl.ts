<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL">
<context>
    <name>varnolt::FileTypesDialog</name>
    <message>
        <location filename="../ui/FileTypesDialog.cpp" line="+16"/>
        <source>Change file type</source>
        <translation>Zmień typ pliku</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>File Type:</source>
        <translation>Typ pliku:</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
</context>
<context>
    <name>varnolt::MainWindow</name>
    <message>
        <location filename="../engine/TypeGroups.h" line="+32"/>
        <source>Music files</source>
        <translation>Pliki muzyczne</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Music Files</source>
        <translation>Pliki muzyczne</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Image files</source>
        <translation>Pliki graficzne</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Image Files</source>
        <translation>Pliki graficzne</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Vedio files</source>
        <translation>Pliki wideo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Vedio Files</source>
        <translation>Pliki wideo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Program files</source>
        <translation>Pliki programów</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Program Files</source>
        <translation>Pliki programów</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Document file</source>
        <translation>Dokumenty</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Document Files</source>
        <translation>Dokumenty</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Archive files</source>
        <translation>Archiwa</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Archive Files</source>
        <translation>Archiwa</translation>
    </message>
    <message>
        <location filename="../ui/MainWindow.cpp" line="+32"/>
        <source>Do not support folder size.</source>
        <translation>Sortowanie według rozmiaru nie obsługuje folderów.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The desktop could not open the user guide %1. You can open it yourself in a web browser.</source>
        <translation>Pulpit nie mógł otworzyć podręcznika użytkownika %1. Możesz go otworzyć samodzielnie w przeglądarce internetowej.</translation>
    </message>
    <message>
        <location filename="../ui/MainWindowFields.cpp" line="+31"/>
        <source>Text File (*.txt)</source>
        <translation>Plik tekstowy (*.txt)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Text Files (*.txt);;All Files (*)</source>
        <translation>Pliki tekstowe (*.txt);;Wszystkie pliki (*)</translation>
    </message>
    <message>
        <location filename="../ui/MainWindowLayout.cpp" line="+71"/>
        <location filename="../ui/MainWindowPanels.cpp" line="+179"/>
        <source>by file date</source>
        <translation>według daty</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>by file name</source>
        <translation>według nazwy</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>by file number</source>
        <translation>według liczby plików</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>by file type</source>
        <translation>według typu</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>by file size</source>
        <translation>według rozmiaru</translation>
    </message>
    <message>
        <location line="+82"/>
        <source>Run</source>
        <translation>Uruchom</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Classify Now</source>
        <translation>Sortuj teraz</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+1"/>
        <source>Stop</source>
        <translation>Zatrzymaj</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Preview</source>
        <translation>Podgląd</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Preview result</source>
        <translation>Pokaż podgląd wyniku</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Folder</source>
        <translation>Folder</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Add a folder</source>
        <translation>Dodaj folder</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Files</source>
        <translation>Pliki</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Add files</source>
        <translation>Dodaj pliki</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Remove</source>
        <translation>Usuń</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+347"/>
        <source>Delete</source>
        <translation>Usuń z listy</translation>
    </message>
    <message>
        <location line="-346"/>
        <source>Undo</source>
        <translation>Cofnij</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Undo the last operation</source>
        <translation>Cofnij ostatnią operację</translation>
    </message>
    <message>
        <location line="+2"/>
        <location filename="../ui/MainWindowMenus.cpp" line="+97"/>
        <source>Help</source>
        <translation>Pomoc</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Read help </source>
        <translation>Czytaj pomoc </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Exit</source>
        <translation>Zakończ</translation>
    </message>
    <message>
        <location line="+48"/>
        <source>Varnolt [ classify many files automatically ]</source>
        <translation>Varnolt [ automatyczne sortowanie wielu plików ]</translation>
    </message>
    <message>
        <location line="+220"/>
        <source>Classification methods</source>
        <translation>Metody sortowania</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Auto-Classify Files</source>
        <translation>Automatyczne sortowanie</translation>
    </message>
    <message>
        <location line="+61"/>
        <source>Add folder and file to be classified</source>
        <translation>Dodaj foldery i pliki do posortowania</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Folders and files to classify</source>
        <translation>Foldery i pliki do posortowania</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Add Folder</source>
        <translation>Dodaj folder</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Add Files</source>
        <translation>Dodaj pliki</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Add folder or files here</source>
        <translation>Dodaj tutaj foldery lub pliki</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Load last list</source>
        <translation>Wczytaj ostatnią listę</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Result Location: </source>
        <translation>Lokalizacja docelowa: </translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Select a folder</source>
        <translation>Wybierz folder</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Open the folder</source>
        <translation>Otwórz folder</translation>
    </message>
    <message>
        <location line="+36"/>
        <source>Preview results</source>
        <translation>Wynik podglądu</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Preview results here</source>
        <translation>Tutaj pojawi się podgląd</translation>
    </message>
    <message>
        <location filename="../ui/MainWindowPanels.cpp" line="+0"/>
        <source>by year</source>
        <translation>według roku</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>by month</source>
        <translation>według miesiąca</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>from Jan. to Dec.</source>
        <translation>od stycznia do grudnia</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>by week</source>
        <translation>według dnia tygodnia</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>from Mon. to Sun.</source>
        <translation>od poniedziałku do niedzieli</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>by day</source>
        <translation>według dnia</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>from 1st to 31st</source>
        <translation>od 1. do 31.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>by hour</source>
        <translation>według godziny</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>from 1st to 24th</source>
        <translation>od 1. do 24.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>include minute</source>
        <translation>z minutami</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>include second</source>
        <translation>z sekundami</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Creation Time</source>
        <translation>Czas utworzenia</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Last Access Time</source>
        <translation>Ostatni dostęp</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Last Write Time</source>
        <translation>Ostatnia modyfikacja</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Date Taken</source>
        <translation>Data wykonania</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Select a file time type: </source>
        <translation>Rodzaj czasu pliku: </translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Grouped subfolders</source>
        <translation>Zagnieżdżone podfoldery</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Use number Month</source>
        <translation>Miesiące jako liczby</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Use number of month and weekday</source>
        <translation>Miesiące i dni tygodnia jako liczby</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Use Abbr. Month</source>
        <translation>Skrócone miesiące</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Abbr. name of month and weekday</source>
        <translation>Skrócone nazwy miesięcy i dni tygodnia</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>by head letters of name</source>
        <translation>według pierwszych liter</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Number of letters: </source>
        <translation>Liczba liter: </translation>
    </message>
    <message>
        <location line="+2"/>
        <source>by word of the below list </source>
        <translation>według słowa z listy poniżej </translation>
    </message>
    <message>
        <location line="+4"/>
        <source>[one line as one subfolder] </source>
        <translation>[jeden wiersz na podfolder] </translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Save as</source>
        <translation>Zapisz jako</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Load</source>
        <translation>Wczytaj</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Change</source>
        <translation>Zmień</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Change %1</source>
        <translation>Zmień: %1</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Other:</source>
        <translation>Inne:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1: folder name</source>
        <translation>%1: nazwa folderu</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1: types</source>
        <translation>%1: typy</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Type:</source>
        <translation>Typy:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>First other group</source>
        <translation>Pierwsza własna grupa</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Second other group</source>
        <translation>Druga własna grupa</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Classify to every type </source>
        <translation>Folder dla każdego typu </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Use extension part as its folder name</source>
        <translation>Rozszerzenie staje się nazwą folderu</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Specify step of file size: </source>
        <translation>Krok rozmiaru pliku: </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>byte</source>
        <translation>bajt</translation>
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
        <translation>Jednostka kroku rozmiaru</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Specify Max. files number in each subfolder: </source>
        <translation>Maks. liczba plików w podfolderze: </translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Specify a subfolder name: </source>
        <translation>Nazwa podfolderów: </translation>
    </message>
    <message>
        <location line="+10"/>
        <source>[More Options]</source>
        <translation>[Więcej opcji]</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Move source files</source>
        <translation>Przenoś pliki źródłowe</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>or Copy if dont select Move</source>
        <translation>w przeciwnym razie są kopiowane</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Include subfolders</source>
        <translation>Uwzględniaj podfoldery</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Include folder name</source>
        <translation>Sortuj także foldery</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Only classify subfolder</source>
        <translation>Sortuj tylko podfoldery</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Exclude shortcut</source>
        <translation>Pomijaj skróty</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Exclude folder info file</source>
        <translation>Pomijaj informacje o folderze</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The file is used for folder configure</source>
        <translation>Plik przechowuje ustawienia folderu</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Exclude pic thumb file</source>
        <translation>Pomijaj pliki miniatur</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Keep sidecars with their photos</source>
        <translation>XMP razem ze zdjęciami</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>A photo&apos;s .xmp file goes where the photo goes</source>
        <translation>Plik .xmp zdjęcia trafia tam, gdzie zdjęcie</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Limit Preview number</source>
        <translation>Ogranicz podgląd</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Preview limit</source>
        <translation>Limit podglądu</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>File type filter:</source>
        <translation>Filtr typów plików:</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Custom Files</source>
        <translation>Własne typy plików</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>File type filter group</source>
        <translation>Grupa filtru typów plików</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Seperate each with &apos;;&apos;</source>
        <translation>Oddzielaj średnikiem &apos;;&apos;</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>File type filter list</source>
        <translation>Lista filtru typów plików</translation>
    </message>
    <message>
        <location filename="../ui/MainWindowSources.cpp" line="+33"/>
        <source>Add a folder to list</source>
        <translation>Dodaj folder do listy</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Select a folder to Save result</source>
        <translation>Wybierz folder na wynik</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The result folder does not exist!</source>
        <translation>Folder docelowy nie istnieje!</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>All Files (*)</source>
        <translation>Wszystkie pliki (*)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>These do not exist and were not added to the list:</source>
        <translation>Te elementy nie istnieją i nie zostały dodane do listy:</translation>
    </message>
    <message>
        <location filename="../ui/MainWindowMenus.cpp" line="-23"/>
        <source>More menus</source>
        <translation>Więcej menu</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Fi&amp;le</source>
        <extracomment>The menus&apos; letters (&amp;) must not be R, S, P, F, I, E, U, H or C: Alt with those presses toolbar buttons.</extracomment>
        <translation>P&amp;lik</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Add Folder...</source>
        <translation>&amp;Dodaj folder...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Add &amp;Files...</source>
        <translation>Dodaj p&amp;liki...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Remove</source>
        <translation>&amp;Usuń</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Load Last List</source>
        <translation>&amp;Wczytaj ostatnią listę</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Quit</source>
        <translation>&amp;Zakończ</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>S&amp;ort</source>
        <translation>S&amp;ortuj</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Preview</source>
        <translation>&amp;Podgląd</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Run</source>
        <translation>&amp;Uruchom</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Stop</source>
        <translation>&amp;Zatrzymaj</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Undo Last Run</source>
        <translation>&amp;Cofnij ostatnie sortowanie</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>&amp;User Guide</source>
        <translation>&amp;Podręcznik użytkownika</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;About Varnolt</source>
        <translation>&amp;O programie Varnolt</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>About &amp;Qt</source>
        <translation>O &amp;Qt</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Varnolt %1

Sorts files into folders by their date, name, number, type or size.

Licence: GNU General Public License, version 3 or later (GPL-3.0-or-later).</source>
        <translation>Varnolt %1

Sortuje pliki do folderów według daty, nazwy, liczby, typu lub rozmiaru.

Licencja: GNU General Public License, wersja 3 lub późniejsza (GPL-3.0-or-later).</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>About Varnolt</source>
        <translation>O programie Varnolt</translation>
    </message>
</context>
<context>
    <name>varnolt::Messages</name>
    <message>
        <location filename="../engine/Messages.h" line="+16"/>
        <source>Information</source>
        <translation>Informacja</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Confirmation</source>
        <translation>Potwierdzenie</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Warning</source>
        <translation>Ostrzeżenie</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Error</source>
        <translation>Błąd</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Please add folder or files to be classfied.</source>
        <translation>Dodaj foldery lub pliki do posortowania.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>You have not specified conditions(on left panel)!</source>
        <translation>Nie wybrano metody sortowania (panel po lewej)!</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Do you run it now? or click &apos;No&apos; to preview.</source>
        <translation>Uruchomić teraz? Kliknij „Nie”, aby najpierw zobaczyć podgląd.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>You have not specified result location!</source>
        <translation>Nie podano lokalizacji docelowej!</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>You specified an invalid path of result location!</source>
        <translation>Podana lokalizacja docelowa jest nieprawidłowa!</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Can not create result folder:%1</source>
        <translation>Nie można utworzyć folderu docelowego: %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The journal could not be completed in %1: %2</source>
        <translation>Nie udało się dokończyć dziennika w %1: %2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The journal cannot be written in %1: %2. Nothing was moved.</source>
        <translation>Nie można zapisać dziennika w %1: %2. Nic nie zostało przeniesione.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The journal %1 cannot be read: %2</source>
        <translation>Nie można odczytać dziennika %1: %2</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The journal in %1 cannot be locked: %2. Nothing was changed.</source>
        <translation>Nie można zablokować dziennika w %1: %2. Nic nie zostało zmienione.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>There is nothing to undo.</source>
        <translation>Nie ma nic do cofnięcia.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The desktop could not open the folder %1. You can open it yourself in a file manager.</source>
        <translation>Pulpit nie mógł otworzyć folderu %1. Możesz go otworzyć samodzielnie w menedżerze plików.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>No word in the list.</source>
        <translation>Lista słów jest pusta.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>No subfolder name was inputted.</source>
        <translation>Nie wpisano nazwy folderu.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>No file type(extension part) was inputted.</source>
        <translation>Nie wpisano typu pliku (rozszerzenia).</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>No one kind of file types is selected.</source>
        <translation>Nie wybrano żadnej grupy typów plików.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>No subfolder name inputted.</source>
        <translation>Nie wpisano nazwy podfolderów.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Invalid subfolder name was inputted.</source>
        <translation>Wpisana nazwa folderu jest nieprawidłowa.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Invalid subfolder name inputted.</source>
        <translation>Nazwa podfolderów jest nieprawidłowa.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Another run or undo is in progress. Please try again when it has finished.</source>
        <translation>Trwa inne sortowanie lub cofanie. Spróbuj ponownie, gdy się zakończy.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 Classification completed!
You can check result to decide if UNDO now.
Open the result location now?</source>
        <translation>Sortowanie zakończone, elementy: %1.
Sprawdź wynik – nadal możesz go COFNĄĆ.
Otworzyć teraz lokalizację docelową?</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Open the result location now?</source>
        <translation>Otworzyć teraz lokalizację docelową?</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Do you want to STOP the operation?</source>
        <translation>Czy chcesz ZATRZYMAĆ operację?</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Do you want to STOP and EXIT?</source>
        <translation>Czy chcesz ZATRZYMAĆ i ZAKOŃCZYĆ?</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Can not create new folder: %1, continue?</source>
        <translation>Nie można utworzyć folderu %1. Kontynuować?</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Do you want to UNDO the last operation ?</source>
        <translation>Czy chcesz COFNĄĆ ostatnią operację?</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Undo Confirmation</source>
        <translation>Potwierdź cofnięcie</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Undo done.</source>
        <translation>Cofnięto.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Undo done: %1 items put back.</source>
        <translation>Cofnięto: przywrócono elementy (%1).</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Preview done.</source>
        <translation>Podgląd gotowy.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>[Target Folder]</source>
        <translation>[Folder docelowy]</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>File: %1</source>
        <translation>Plik: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Moving %1</source>
        <translation>Przenoszenie: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Copying %1</source>
        <translation>Kopiowanie: %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Files: %1, Categories: %2</source>
        <translation>Pliki: %1, kategorie: %2</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Files: %1, New Categories: %2</source>
        <translation>Pliki: %1, nowe kategorie: %2</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Classify done. %1 files were classified!</source>
        <translation>Sortowanie zakończone, posortowane pliki: %1.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Undo %1 of %2</source>
        <translation>Cofanie: %1 z %2</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 placed, %2 not placed</source>
        <translation>umieszczone: %1, nieumieszczone: %2</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Stopped: %1 items moved</source>
        <translation>Zatrzymano, przeniesione elementy: %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Stopped: %1 items copied</source>
        <translation>Zatrzymano, skopiowane elementy: %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Preview stopped: %1 items</source>
        <translation>Podgląd zatrzymany, elementy: %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Undo: %1 of %2 items put back; %3 could not be.</source>
        <translation>Cofanie: przywrócono %1 z %2 elementów; nie udało się przywrócić: %3.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Items not placed</source>
        <translation>Nieumieszczone elementy</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Items not put back</source>
        <translation>Nieprzywrócone elementy</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>no category for it (no group holds its type, or no word matches)</source>
        <translation>brak kategorii (żadna grupa nie zawiera tego typu lub żadne słowo nie pasuje)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>cannot be read: %1</source>
        <translation>nie można odczytać: %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>its category folder cannot be made: %1</source>
        <translation>nie można utworzyć folderu kategorii: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>cannot be moved: %1</source>
        <translation>nie można przenieść: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>cannot be copied: %1</source>
        <translation>nie można skopiować: %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>cannot be journaled: %1</source>
        <translation>nie można zapisać w dzienniku: %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>cannot be put back: %1</source>
        <translation>nie można przywrócić: %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>cannot be removed: %1</source>
        <translation>nie można usunąć: %1</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>the name holds a line break, which the journal cannot keep</source>
        <translation>nazwa zawiera znak nowego wiersza, którego dziennik nie może przechować</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>another file stands where the run put it</source>
        <translation>w miejscu, w którym przebieg go umieścił, jest inny plik</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>a copied folder stays where the run put it</source>
        <translation>skopiowany folder zostaje tam, gdzie przebieg go umieścił</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the file there now is not the one the run put there; it stays</source>
        <translation>plik, który tam teraz jest, nie jest tym, który umieścił przebieg; zostaje</translation>
    </message>
    <message>
        <location filename="../app/cli/ConsoleTexts.h" line="+10"/>
        <source>not moved: %1: %2</source>
        <translation>nie przeniesiono: %1: %2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>not copied: %1: %2</source>
        <translation>nie skopiowano: %1: %2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>not put back: %1: %2</source>
        <translation>nie przywrócono: %1: %2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>not placed: %1: %2</source>
        <translation>nie umieszczono: %1: %2</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Yes</source>
        <translation>Tak</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>No</source>
        <translation>Nie</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 items/s</source>
        <translation>%1 elem./s</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>cannot create the data folder %1: %2</source>
        <translation>nie można utworzyć folderu danych %1: %2</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Run with --help for more information.</source>
        <translation>Uruchom z --help, aby dowiedzieć się więcej.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>exactly one of --preview, --run and --undo is needed</source>
        <translation>potrzebna jest dokładnie jedna z opcji --preview, --run i --undo</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>cannot read the word list %1: %2</source>
        <translation>nie można odczytać listy słów %1: %2</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1: expected FOLDER=LIST</source>
        <translation>%1: oczekiwano FOLDER=LIST</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>--group-list: expected NAME=LIST with NAME one of %1</source>
        <translation>--group-list: oczekiwano NAME=LIST, gdzie NAME to jedno z: %1</translation>
    </message>
</context>
<context>
    <name>varnolt::NameChecks</name>
    <message>
        <location filename="../ui/NameChecks.cpp" line="+15"/>
        <source>You should remove one of following nine characters from input text, because they are prohibited in Windows filenames:  \ / : * ? &quot; &lt; &gt; |</source>
        <translation>Usuń z tekstu następujące dziewięć znaków, zabronionych w nazwach plików systemu Windows:  \ / : * ? &quot; &lt; &gt; |</translation>
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
        <translation>Przyczyna</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Items not placed</source>
        <translation>Nieumieszczone elementy</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Copy list</source>
        <translation>&amp;Kopiuj listę</translation>
    </message>
</context>
<context>
    <name>varnolt::Settings</name>
    <message>
        <location filename="../ui/SettingsSaver.cpp" line="+68"/>
        <source>The source &quot;%1&quot;: its name holds a line break.</source>
        <translation>Źródło „%1”: jego nazwa zawiera znak nowego wiersza.</translation>
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
        <translation>Własne grupy</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The Custom Files list</source>
        <translation>Lista własnych typów plików</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The word list</source>
        <translation>Lista słów</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The source list</source>
        <translation>Lista źródeł</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The history of result locations</source>
        <translation>Historia lokalizacji docelowych</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The window&apos;s size and place</source>
        <translation>Rozmiar i położenie okna</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Not everything could be kept for the next start.</source>
        <translation>Nie wszystko udało się zachować do następnego uruchomienia.</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Cannot open file &quot;%1&quot;. %2</source>
        <translation>Nie można otworzyć pliku „%1”. %2</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Cannot create file &quot;%1&quot;. %2</source>
        <translation>Nie można utworzyć pliku „%1”. %2</translation>
    </message>
</context>
</TS>
