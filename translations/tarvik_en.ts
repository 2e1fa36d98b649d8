<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>AboutForm</name>
    <message>
        <source>O programie...</source>
        <translation>About...</translation>
    </message>
    <message>
        <source>Wersja %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>Zespół Tarvik Track Viewer</source>
        <translation>The Tarvik Track Viewer team</translation>
    </message>
    <message>
        <source>Przeglądarka scenerii symulatora pociągów EU07 (MaSzyna)</source>
        <translation>Scenery viewer for the EU07 (MaSzyna) train simulator</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>Artwork</name>
    <message>
        <source>Przeglądarka scenerii symulatora EU07</source>
        <translation>Scenery viewer for the EU07 simulator</translation>
    </message>
</context>
<context>
    <name>ChangedFiles</name>
    <message>
        <source>Plik lub pliki załadowane uległy zmianie. Czy przeładować?</source>
        <translation>One or more loaded files have changed. Reload?</translation>
    </message>
    <message>
        <source>
i %1 innych</source>
        <translation>
and %1 more</translation>
    </message>
</context>
<context>
    <name>ColorPreview</name>
    <message>
        <source>Tor zwykły:</source>
        <translation>Plain track:</translation>
    </message>
    <message>
        <source>Tor - prędkość szlakowa min-max:</source>
        <translation>Track - line speed min-max:</translation>
    </message>
    <message>
        <source>Tor - wysokość min-max:</source>
        <translation>Track - height min-max:</translation>
    </message>
    <message>
        <source>Tor - nachylenie min-max:</source>
        <translation>Track - gradient min-max:</translation>
    </message>
    <message>
        <source>Droga</source>
        <translation>Road</translation>
    </message>
    <message>
        <source>Rzeka</source>
        <translation>River</translation>
    </message>
</context>
<context>
    <name>ColorSchemes</name>
    <message>
        <source>Domyślny</source>
        <translation>Default</translation>
    </message>
    <message>
        <source>Jasny</source>
        <translation>Light</translation>
    </message>
</context>
<context>
    <name>ColorsForm</name>
    <message>
        <source>Tło:</source>
        <translation>Background:</translation>
    </message>
    <message>
        <source>Tory - standardowy:</source>
        <translation>Tracks - standard:</translation>
    </message>
    <message>
        <source>Gradient prędkości:</source>
        <translation>Speed scale:</translation>
    </message>
    <message>
        <source>Gradient wysokości:</source>
        <translation>Height scale:</translation>
    </message>
    <message>
        <source>Gradient nachylenia:</source>
        <translation>Gradient scale:</translation>
    </message>
    <message>
        <source>Trakcja:</source>
        <translation>Overhead lines:</translation>
    </message>
    <message>
        <source>Drogi:</source>
        <translation>Roads:</translation>
    </message>
    <message>
        <source>Rzeki:</source>
        <translation>Rivers:</translation>
    </message>
    <message>
        <source>Wybierz kolory</source>
        <translation>Choose colours</translation>
    </message>
    <message>
        <source>Kolory</source>
        <translation>Colours</translation>
    </message>
    <message>
        <source>Podgląd</source>
        <translation>Preview</translation>
    </message>
    <message>
        <source>Schemat:</source>
        <translation>Scheme:</translation>
    </message>
    <message>
        <source>(własny)</source>
        <translation>(custom)</translation>
    </message>
    <message>
        <source>Domyślne</source>
        <translation>Defaults</translation>
    </message>
    <message>
        <source>Anuluj</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>EditSourceForm</name>
    <message>
        <source>Wybierz edytor tekstowy...</source>
        <translation>Choose a text editor...</translation>
    </message>
    <message>
        <source>Programy (*.exe; *.com)|*.exe; *.com|Wszystkie pliki (*.*)|*.*</source>
        <translation>Programs (*.exe; *.com)|*.exe; *.com|All files (*.*)|*.*</translation>
    </message>
    <message>
        <source>Edytuj źródła...</source>
        <translation>Edit sources...</translation>
    </message>
    <message>
        <source>Edytor</source>
        <translation>Editor</translation>
    </message>
    <message>
        <source>Konfiguracja edytora</source>
        <translation>Editor settings</translation>
    </message>
    <message>
        <source>Nazwa:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>Plik edytora:</source>
        <translation>Editor program:</translation>
    </message>
    <message>
        <source>Podaj plik edytora</source>
        <translation>The editor&apos;s program file</translation>
    </message>
    <message>
        <source>Przeglądaj</source>
        <translation>Browse</translation>
    </message>
    <message>
        <source>Parametry:</source>
        <translation>Parameters:</translation>
    </message>
    <message>
        <source>Podaj parametry uruchomieniowe dla edytora</source>
        <translation>The parameters the editor is started with</translation>
    </message>
    <message>
        <source>Edytuj scenerię</source>
        <translation>Edit scenery</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Notatnik</source>
        <translation>Notepad</translation>
    </message>
    <message>
        <source>Nazwa pliku (%f)</source>
        <translation>File name (%f)</translation>
    </message>
    <message>
        <source>Numer wiersza (%l)</source>
        <translation>Line number (%l)</translation>
    </message>
    <message>
        <source>Błąd</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>(!Niezdefiniowany)</source>
        <translation>(!Undefined)</translation>
    </message>
</context>
<context>
    <name>EditSourceForm2</name>
    <message>
        <source>Wybierz pliki do edycji w &apos;</source>
        <translation>Choose the files to edit in &apos;</translation>
    </message>
    <message>
        <source>Zaznacz/odznacz &amp;wszystkie</source>
        <translation>Select/deselect &amp;all</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Anuluj</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>EditVerb</name>
    <message>
        <source>Edytuj w %1</source>
        <translation>Edit in %1</translation>
    </message>
</context>
<context>
    <name>GoToDialog</name>
    <message>
        <source>Przejdź do</source>
        <translation>Go to</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Anuluj</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>GoToPlace</name>
    <message>
        <source>Wpisz dwie liczby (x z).</source>
        <translation>Enter two numbers (x z).</translation>
    </message>
    <message>
        <source>Wpisz dwie liczby (x z) albo nazwę toru.</source>
        <translation>Enter two numbers (x z) or a track name.</translation>
    </message>
    <message>
        <source>Nie znaleziono toru o nazwie %1</source>
        <translation>No track named %1 was found</translation>
    </message>
</context>
<context>
    <name>LayerPainter</name>
    <message>
        <source>Wykryto błąd przetwarzania danych. Co uczynić?<byte value="xd"/>kliknij PRZERWIJ - aby zamknąć program,<byte value="xd"/>kliknij PONÓW - aby przerwać wykonywaną funkcję,<byte value="xd"/>kliknij IGNORUJ - aby kontynuować działanie mimo to.</source>
        <translation>A data processing error was detected. What should be done?<byte value="xd"/>click ABORT - to close the program,<byte value="xd"/>click RETRY - to stop the current operation,<byte value="xd"/>click IGNORE - to carry on regardless.</translation>
    </message>
    <message>
        <source>Błąd przetwarzania</source>
        <translation>Processing error</translation>
    </message>
</context>
<context>
    <name>LegendForm</name>
    <message>
        <source>Legenda</source>
        <translation>Legend</translation>
    </message>
</context>
<context>
    <name>LegendPicture</name>
    <message>
        <source>Tory - Vmax [km/h]:</source>
        <translation>Track Vmax [km/h]:</translation>
    </message>
    <message>
        <source>Tory - Wysokość [m]:</source>
        <translation>Track height [m]:</translation>
    </message>
    <message>
        <source>Tory - Wzniesi. [‰]:</source>
        <translation>Track gradient [‰]:</translation>
    </message>
    <message>
        <source>Trakcja</source>
        <translation>Overhead line</translation>
    </message>
    <message>
        <source>Rzeka</source>
        <translation>River</translation>
    </message>
    <message>
        <source>Droga</source>
        <translation>Road</translation>
    </message>
</context>
<context>
    <name>LoadProgressPanel</name>
    <message>
        <source>Przerwij</source>
        <translation>Abort</translation>
    </message>
    <message>
        <source>Przerwij wczytywanie scenerii (Esc)</source>
        <translation>Stop loading the scenery (Esc)</translation>
    </message>
</context>
<context>
    <name>MainActions</name>
    <message>
        <source>Plik</source>
        <translation>File</translation>
    </message>
    <message>
        <source>Ładuj plik scenerii...</source>
        <translation>Load scenery file...</translation>
    </message>
    <message>
        <source>Ostatnio otwarte</source>
        <translation>Recently opened</translation>
    </message>
    <message>
        <source>Przeładuj</source>
        <translation>Reload</translation>
    </message>
    <message>
        <source>Edytuj źródła...</source>
        <translation>Edit sources...</translation>
    </message>
    <message>
        <source>Zapisz obraz scenerii do pliku...</source>
        <translation>Save scenery picture to file...</translation>
    </message>
    <message>
        <source>Kopiuj mapę</source>
        <translation>Copy map</translation>
    </message>
    <message>
        <source>Drukuj obraz scenerii...</source>
        <translation>Print scenery picture...</translation>
    </message>
    <message>
        <source>Podgląd wydruku</source>
        <translation>Print preview</translation>
    </message>
    <message>
        <source>Uruchom symulator...</source>
        <translation>Run simulator...</translation>
    </message>
    <message>
        <source>Właściwości...</source>
        <translation>Properties...</translation>
    </message>
    <message>
        <source>Zamknij</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>Narzędzia</source>
        <translation>Tools</translation>
    </message>
    <message>
        <source>Łapa</source>
        <translation>Hand</translation>
    </message>
    <message>
        <source>Lupa</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>Linijka</source>
        <translation>Ruler</translation>
    </message>
    <message>
        <source>Informacja</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>Łapa (Ctrl+1)</source>
        <translation>Hand (Ctrl+1)</translation>
    </message>
    <message>
        <source>Lupa (Ctrl+2)</source>
        <translation>Zoom (Ctrl+2)</translation>
    </message>
    <message>
        <source>Linijka (Ctrl+3)</source>
        <translation>Ruler (Ctrl+3)</translation>
    </message>
    <message>
        <source>Informacja o obiekcie na mapie</source>
        <translation>Information about an object on the map</translation>
    </message>
    <message>
        <source>Przejdź do...</source>
        <translation>Go to...</translation>
    </message>
    <message>
        <source>Poprzedni widok</source>
        <translation>Previous view</translation>
    </message>
    <message>
        <source>Następny widok</source>
        <translation>Next view</translation>
    </message>
    <message>
        <source>Okna</source>
        <translation>Windows</translation>
    </message>
    <message>
        <source>Legenda</source>
        <translation>Legend</translation>
    </message>
    <message>
        <source>Pokaż</source>
        <translation>Show</translation>
    </message>
    <message>
        <source>Rysuj na mapie</source>
        <translation>Draw on map</translation>
    </message>
    <message>
        <source>Miniaturka</source>
        <translation>Mini-map</translation>
    </message>
    <message>
        <source>Lista nazwanych torów</source>
        <translation>Named tracks list</translation>
    </message>
    <message>
        <source>Animowane powiększenie</source>
        <translation>Animated zoom</translation>
    </message>
    <message>
        <source>Problemy scenerii</source>
        <translation>Scenery problems</translation>
    </message>
    <message>
        <source>Problemy znalezione przy wczytaniu scenerii (Ctrl+Shift+P)</source>
        <translation>Problems found while loading the scenery (Ctrl+Shift+P)</translation>
    </message>
    <message>
        <source>Rysuj półprzezroczyste</source>
        <translation>Draw semi-transparent</translation>
    </message>
    <message>
        <source>Lista torów</source>
        <translation>Track list</translation>
    </message>
    <message>
        <source>Opcje</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>Rysuj</source>
        <translation>Draw</translation>
    </message>
    <message>
        <source>Tory</source>
        <translation>Tracks</translation>
    </message>
    <message>
        <source>Trakcję</source>
        <translation>Overhead lines</translation>
    </message>
    <message>
        <source>Drogi</source>
        <translation>Roads</translation>
    </message>
    <message>
        <source>Rzeki</source>
        <translation>Rivers</translation>
    </message>
    <message>
        <source>Ograniczenia</source>
        <translation>Speed limits</translation>
    </message>
    <message>
        <source>Wzniesienia</source>
        <translation>Gradients</translation>
    </message>
    <message>
        <source>Nazwy torów</source>
        <translation>Track names</translation>
    </message>
    <message>
        <source>Nazwy torów wzdłuż ich prostych odcinków (tryb autorski)</source>
        <translation>Track names along their straight stretches (author mode)</translation>
    </message>
    <message>
        <source>Typ mapy</source>
        <translation>Map type</translation>
    </message>
    <message>
        <source>Prędkość szlakowa</source>
        <translation>Line speed</translation>
    </message>
    <message>
        <source>Hipsometryczna</source>
        <translation>Hypsometric</translation>
    </message>
    <message>
        <source>Wzniesieniowa</source>
        <translation>Gradient</translation>
    </message>
    <message>
        <source>Zwykła</source>
        <translation>Plain</translation>
    </message>
    <message>
        <source>Nawigacja</source>
        <translation>Navigation</translation>
    </message>
    <message>
        <source>Kółko przybliża pod kursorem</source>
        <translation>Wheel zooms at the pointer</translation>
    </message>
    <message>
        <source>Nie przesuwaj kursora</source>
        <translation>Keep the pointer still</translation>
    </message>
    <message>
        <source>Wygląd</source>
        <translation>Appearance</translation>
    </message>
    <message>
        <source>Wygładzanie linii</source>
        <translation>Smooth lines</translation>
    </message>
    <message>
        <source>Linie i znaki na mapie i w zapisanych obrazach z wygładzonymi brzegami</source>
        <translation>Lines and signs on the map and in saved pictures with smoothed edges</translation>
    </message>
    <message>
        <source>Język</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>Zmiana języka działa od następnego uruchomienia programu</source>
        <translation>A new language takes effect at the next start</translation>
    </message>
    <message>
        <source>Polski</source>
        <translation>Polski</translation>
    </message>
    <message>
        <source>English</source>
        <translation>English</translation>
    </message>
    <message>
        <source>Systemowy</source>
        <translation>System</translation>
    </message>
    <message>
        <source>Kolory...</source>
        <translation>Colours...</translation>
    </message>
    <message>
        <source>Tryb pracy...</source>
        <translation>Work mode...</translation>
    </message>
    <message>
        <source>Pokazuj problemy po wczytaniu</source>
        <translation>Show problems after loading</translation>
    </message>
    <message>
        <source>Okno problemów otwiera się samo, gdy wczytanie znajdzie problemy</source>
        <translation>The problems window opens by itself when loading finds problems</translation>
    </message>
    <message>
        <source>Nie pytaj o błędy parsowania</source>
        <translation>Do not ask about parse errors</translation>
    </message>
    <message>
        <source>Błędne wiersze są pomijane bez pytania i trafiają na listę problemów</source>
        <translation>Faulty lines are skipped without asking and go to the problems list</translation>
    </message>
    <message>
        <source>Pomoc</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>O programie...</source>
        <translation>About...</translation>
    </message>
    <message>
        <source>Ustawienia...</source>
        <translation>Settings...</translation>
    </message>
    <message>
        <source>Przesuń w lewo</source>
        <translation>Move left</translation>
    </message>
    <message>
        <source>Przesuń w prawo</source>
        <translation>Move right</translation>
    </message>
    <message>
        <source>Przesuń w górę</source>
        <translation>Move up</translation>
    </message>
    <message>
        <source>Przesuń w dół</source>
        <translation>Move down</translation>
    </message>
    <message>
        <source>Przybliż</source>
        <translation>Zoom in</translation>
    </message>
    <message>
        <source>Oddal</source>
        <translation>Zoom out</translation>
    </message>
    <message>
        <source>Pokaż całą scenerię</source>
        <translation>Show the whole scenery</translation>
    </message>
    <message>
        <source>Przerysuj scenerię</source>
        <translation>Redraw scenery</translation>
    </message>
    <message>
        <source>Edytuj źródła</source>
        <translation>Edit sources</translation>
    </message>
    <message>
        <source>Ładuj plik scenerii (Ctrl+O)</source>
        <translation>Load scenery file (Ctrl+O)</translation>
    </message>
    <message>
        <source>Edytuj źródła (Ctrl+E)</source>
        <translation>Edit sources (Ctrl+E)</translation>
    </message>
    <message>
        <source>Przeładuj scenerię (F5)</source>
        <translation>Reload scenery (F5)</translation>
    </message>
    <message>
        <source>Zapisz obraz scenerii do pliku (Ctrl+S)</source>
        <translation>Save scenery picture to file (Ctrl+S)</translation>
    </message>
    <message>
        <source>Drukuj obraz scenerii (Ctrl+P); Podgląd wydruku (Alt+P)</source>
        <translation>Print scenery picture (Ctrl+P); Print preview (Alt+P)</translation>
    </message>
    <message>
        <source>Uruchom symulator z bierzącą scenerią</source>
        <translation>Run the simulator with the current scenery</translation>
    </message>
</context>
<context>
    <name>MiniMapForm</name>
    <message>
        <source>Miniaturka</source>
        <translation>Mini-map</translation>
    </message>
</context>
<context>
    <name>PaintMap</name>
    <message>
        <source>Rysowanie: </source>
        <translation>Drawing: </translation>
    </message>
    <message>
        <source>Rysowanie...</source>
        <translation>Drawing...</translation>
    </message>
</context>
<context>
    <name>PicSizeForm</name>
    <message>
        <source>Podaj rozmiar obrazu</source>
        <translation>Picture size</translation>
    </message>
    <message>
        <source>Szerokość</source>
        <translation>Width</translation>
    </message>
    <message>
        <source>Wysokość</source>
        <translation>Height</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>PictureWriter</name>
    <message>
        <source>Nie można utworzyć pliku „%1”: %2</source>
        <translation>Cannot create file &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>Błąd zapisu pliku „%1”: %2</source>
        <translation>Error writing file &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>Nie można zapisać pustego obrazu do pliku „%1”</source>
        <translation>Cannot write an empty picture to &quot;%1&quot;</translation>
    </message>
    <message>
        <source>Błąd zapisu pliku „%1”</source>
        <translation>Error writing file &quot;%1&quot;</translation>
    </message>
    <message>
        <source>Zapis pliku „%1” został przerwany</source>
        <translation>Writing &quot;%1&quot; was stopped</translation>
    </message>
</context>
<context>
    <name>ProblemTexts</name>
    <message>
        <source>Błąd parsowania</source>
        <translation>Parse error</translation>
    </message>
    <message>
        <source>Błąd wczytywania</source>
        <translation>Load error</translation>
    </message>
    <message>
        <source>Brak dołączanego pliku</source>
        <translation>Missing included file</translation>
    </message>
    <message>
        <source>Cykliczne dołączenie</source>
        <translation>Cyclic include</translation>
    </message>
    <message>
        <source>Skład bez toru</source>
        <translation>Trainset without track</translation>
    </message>
    <message>
        <source>Niezłączone końce torów</source>
        <translation>Unjoined track ends</translation>
    </message>
    <message>
        <source>Powtórzony odcinek</source>
        <translation>Duplicate segment</translation>
    </message>
    <message>
        <source>Powtórzona nazwa toru</source>
        <translation>Duplicate track name</translation>
    </message>
    <message>
        <source>Pusta sceneria</source>
        <translation>Empty scenery</translation>
    </message>
    <message>
        <source>błąd</source>
        <translation>error</translation>
    </message>
    <message>
        <source>błędy</source>
        <translation>errors</translation>
    </message>
    <message>
        <source>błędów</source>
        <translation>errors</translation>
    </message>
    <message>
        <source>ostrzeżenie</source>
        <translation>warning</translation>
    </message>
    <message>
        <source>ostrzeżenia</source>
        <translation>warnings</translation>
    </message>
    <message>
        <source>ostrzeżeń</source>
        <translation>warnings</translation>
    </message>
    <message>
        <source>Problemy: </source>
        <translation>Problems: </translation>
    </message>
    <message>
        <source>Składnia symulatora</source>
        <translation>Simulator syntax</translation>
    </message>
</context>
<context>
    <name>ProblemsForm</name>
    <message>
        <source>Problemy scenerii</source>
        <translation>Scenery problems</translation>
    </message>
    <message>
        <source>Filtruj: rodzaj, plik lub opis</source>
        <translation>Filter: kind, file or description</translation>
    </message>
    <message>
        <source>Edytuj w tym miejscu</source>
        <translation>Edit at this place</translation>
    </message>
    <message>
        <source>Otwiera plik problemu w jego wierszu w pierwszym edytorze</source>
        <translation>Opens the problem&apos;s file at its line in the first editor</translation>
    </message>
    <message>
        <source>Nie wczytano scenerii.</source>
        <translation>No scenery loaded.</translation>
    </message>
    <message>
        <source>Wczytywanie i sprawdzanie scenerii...</source>
        <translation>Loading and checking the scenery...</translation>
    </message>
    <message>
        <source>Ten problem nie ma miejsca na mapie.</source>
        <translation>This problem has no place on the map.</translation>
    </message>
    <message>
        <source>Ten problem nie ma miejsca w pliku.</source>
        <translation>This problem has no place in a file.</translation>
    </message>
    <message>
        <source>Pokazano %1 z %2.</source>
        <translation>Showing %1 of %2.</translation>
    </message>
    <message>
        <source>Pominięto %1 dalszych problemów wczytywania (podano pierwsze %2).</source>
        <translation>%1 further load problems were left out (the first %2 are listed).</translation>
    </message>
    <message>
        <source>Nie znaleziono problemów.</source>
        <translation>No problems found.</translation>
    </message>
</context>
<context>
    <name>ProblemsLink</name>
    <message>
        <source>Pokaż problemy scenerii (Ctrl+Shift+P)</source>
        <translation>Show the scenery problems (Ctrl+Shift+P)</translation>
    </message>
    <message>
        <source>Problemy: %1</source>
        <translation>Problems: %1</translation>
    </message>
</context>
<context>
    <name>ProblemsModel</name>
    <message>
        <source>Rodzaj</source>
        <translation>Kind</translation>
    </message>
    <message>
        <source>Plik</source>
        <translation>File</translation>
    </message>
    <message>
        <source>Wiersz</source>
        <translation>Line</translation>
    </message>
    <message>
        <source>Opis</source>
        <translation>Description</translation>
    </message>
</context>
<context>
    <name>ProgramStarter</name>
    <message>
        <source>Nie wskazano pliku programu.</source>
        <translation>No program file was given.</translation>
    </message>
    <message>
        <source>Nie znaleziono takiego programu.</source>
        <translation>No such program was found.</translation>
    </message>
    <message>
        <source>Plik nie istnieje.</source>
        <translation>The file does not exist.</translation>
    </message>
    <message>
        <source>To jest folder, a nie program.</source>
        <translation>This is a folder, not a program.</translation>
    </message>
    <message>
        <source>To program dla Windows, a nie znaleziono programu wine, który by go uruchomił.</source>
        <translation>This is a Windows program, and no wine was found to run it.</translation>
    </message>
    <message>
        <source>Brak prawa do uruchomienia tego pliku.</source>
        <translation>No permission to run this file.</translation>
    </message>
    <message>
        <source>Folder roboczy %1 nie istnieje.</source>
        <translation>The working folder %1 does not exist.</translation>
    </message>
    <message>
        <source>System nie uruchomił programu (%1).</source>
        <translation>The system did not start the program (%1).</translation>
    </message>
    <message>
        <source>Nie można uruchomić programu</source>
        <translation>Cannot start the program</translation>
    </message>
    <message>
        <source>Nie można uruchomić programu %1</source>
        <translation>Cannot start the program %1</translation>
    </message>
</context>
<context>
    <name>ProperytyForm</name>
    <message>
        <source>Właściwości toru</source>
        <translation>Track properties</translation>
    </message>
    <message>
        <source>Nazwa toru:</source>
        <translation>Track name:</translation>
    </message>
    <message>
        <source>Plik:</source>
        <translation>File:</translation>
    </message>
    <message>
        <source>Wiersz:</source>
        <translation>Line:</translation>
    </message>
    <message>
        <source>Współrzędne końców:</source>
        <translation>End coordinates:</translation>
    </message>
    <message>
        <source>Współrzędne końców w plikach scenerii:</source>
        <translation>End coordinates in the scenery files:</translation>
    </message>
    <message>
        <source>Informacje dodatkowe:</source>
        <translation>More information:</translation>
    </message>
    <message>
        <source>Dla zwrotnicy:</source>
        <translation>For a switch:</translation>
    </message>
    <message>
        <source>Długość P1-P3:</source>
        <translation>Length P1-P3:</translation>
    </message>
    <message>
        <source>Nachylenie |P1-P3|:</source>
        <translation>Gradient |P1-P3|:</translation>
    </message>
    <message>
        <source>Prędkość szlakowa:</source>
        <translation>Line speed:</translation>
    </message>
    <message>
        <source>Długość P1-P2:</source>
        <translation>Length P1-P2:</translation>
    </message>
    <message>
        <source>Nachylenie |P1-P2|:</source>
        <translation>Gradient |P1-P2|:</translation>
    </message>
    <message>
        <source>Skład na torze:</source>
        <translation>Trainset on the track:</translation>
    </message>
    <message>
        <source>Nazwa składu:</source>
        <translation>Trainset name:</translation>
    </message>
    <message>
        <source>Lokomotyw:</source>
        <translation>Locomotives:</translation>
    </message>
    <message>
        <source>Wagonów:</source>
        <translation>Cars:</translation>
    </message>
    <message>
        <source>W tym można prowdzić:</source>
        <translation>Of which drivable:</translation>
    </message>
    <message>
        <source>Lista zdarzeń:</source>
        <translation>Events:</translation>
    </message>
    <message>
        <source>Właściwości drogi</source>
        <translation>Road properties</translation>
    </message>
    <message>
        <source>Nazwa drogi:</source>
        <translation>Road name:</translation>
    </message>
    <message>
        <source>Właściwości rzeki</source>
        <translation>River properties</translation>
    </message>
    <message>
        <source>Nazwa rzeki:</source>
        <translation>River name:</translation>
    </message>
    <message>
        <source>Właściwości sieci trakcyjnej</source>
        <translation>Overhead line properties</translation>
    </message>
    <message>
        <source>Rodzaj:</source>
        <translation>Kind:</translation>
    </message>
    <message>
        <source>Sieć trakcyjna</source>
        <translation>Overhead line</translation>
    </message>
    <message>
        <source>(!Nie nazwany)</source>
        <translation>(!Unnamed)</translation>
    </message>
    <message>
        <source>(!Nie nazwana)</source>
        <translation>(!Unnamed)</translation>
    </message>
    <message>
        <source>Brak</source>
        <translation>None</translation>
    </message>
</context>
<context>
    <name>QtViewerDialogs</name>
    <message>
        <source>Programy wykonywalne</source>
        <translation>Executable programs</translation>
    </message>
    <message>
        <source>Wszystkie pliki (*)</source>
        <translation>All files (*)</translation>
    </message>
    <message>
        <source>Przerwij</source>
        <translation>Abort</translation>
    </message>
    <message>
        <source>Ponów</source>
        <translation>Retry</translation>
    </message>
    <message>
        <source>Ignoruj</source>
        <translation>Ignore</translation>
    </message>
</context>
<context>
    <name>RunSimForm</name>
    <message>
        <source>Wybierz skład</source>
        <translation>Choose a trainset</translation>
    </message>
    <message>
        <source>Znajdź rozklad (F8)</source>
        <translation>Find timetable (F8)</translation>
    </message>
    <message>
        <source>Kliknij prawym klawiszem, aby zobaczyć dodatkowe opcje!</source>
        <translation>Right-click to see more options!</translation>
    </message>
    <message>
        <source>Plik symulatora</source>
        <translation>Simulator program</translation>
    </message>
    <message>
        <source>Przeglądaj...</source>
        <translation>Browse...</translation>
    </message>
    <message>
        <source>Parametry:</source>
        <translation>Parameters:</translation>
    </message>
    <message>
        <source>Parametry programu - naciśnij prawy klawisz myszy, aby edytować</source>
        <translation>Program parameters - right-click to edit</translation>
    </message>
    <message>
        <source>Uruchom symulator</source>
        <translation>Run simulator</translation>
    </message>
    <message>
        <source>Anuluj</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Znajdź rozkład</source>
        <translation>Find timetable</translation>
    </message>
    <message>
        <source>Wstaw domyślne parametry</source>
        <translation>Insert default parameters</translation>
    </message>
    <message>
        <source>Wstaw domyślne parametry (wersje sprzed 06.2003)</source>
        <translation>Insert default parameters (versions before 06.2003)</translation>
    </message>
    <message>
        <source>Pełna ścieżka dostępu pliku scenerii (%p)</source>
        <translation>Full path of the scenery file (%p)</translation>
    </message>
    <message>
        <source>Relatywna ścieżka dostępu pliku scenerii (%r)</source>
        <translation>Relative path of the scenery file (%r)</translation>
    </message>
    <message>
        <source>Nazwa pliku scenerii (%s)</source>
        <translation>Scenery file name (%s)</translation>
    </message>
    <message>
        <source>Nazwa lokomotywy do prowadzenia (%v)</source>
        <translation>Name of the vehicle to drive (%v)</translation>
    </message>
    <message>
        <source>Tworzenie struktury składów...</source>
        <translation>Building the trainset tree...</translation>
    </message>
    <message>
        <source> na </source>
        <translation> on </translation>
    </message>
    <message>
        <source>Tworzenie struktury składów: </source>
        <translation>Building the trainset tree: </translation>
    </message>
    <message>
        <source>Wskaż plik programu symulatora</source>
        <translation>Choose the simulator program</translation>
    </message>
    <message>
        <source>Plik programu (*.exe)|*.exe</source>
        <translation>Program file (*.exe)|*.exe</translation>
    </message>
    <message>
        <source>Uruchamiam symulator...</source>
        <translation>Starting the simulator...</translation>
    </message>
    <message>
        <source>Nie można utworzyć relatywnej ścieżki dostępu do pliku %1<byte value="xd"/>%2<byte value="xd"/>%3</source>
        <translation>Cannot make a relative path to the file %1<byte value="xd"/>%2<byte value="xd"/>%3</translation>
    </message>
    <message>
        <source>Błąd</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Uruchamiam... </source>
        <translation>Starting... </translation>
    </message>
    <message>
        <source>Nie uruchomiono: </source>
        <translation>Not started: </translation>
    </message>
    <message>
        <source>Uruchomiono: </source>
        <translation>Started: </translation>
    </message>
    <message>
        <source>Pociąg: </source>
        <translation>Train: </translation>
    </message>
    <message>
        <source>; Pojazd: </source>
        <translation>; Vehicle: </translation>
    </message>
    <message>
        <source>&amp;Uruchom</source>
        <translation>&amp;Run</translation>
    </message>
</context>
<context>
    <name>Scenery</name>
    <message>
        <source>Brak parametru nr %1</source>
        <translation>Parameter no. %1 is missing</translation>
    </message>
    <message>
        <source>Błąd parsowania!
<byte value="xd"/>%1 %2</source>
        <translation>Parse error!
<byte value="xd"/>%1 %2</translation>
    </message>
    <message>
        <source>Błąd parsowania</source>
        <translation>Parse error</translation>
    </message>
    <message>
        <source>Końce torów z %1 i z %2 mijają się o %3</source>
        <translation>Track ends from %1 and from %2 miss each other by %3</translation>
    </message>
    <message>
        <source>Odcinek toru powtarza odcinek z %1: te same końce i wektory kontrolne</source>
        <translation>A track segment repeats the segment from %1: the same ends and control vectors</translation>
    </message>
    <message>
        <source>Odcinek drogi powtarza odcinek z %1: te same końce i wektory kontrolne</source>
        <translation>A road segment repeats the segment from %1: the same ends and control vectors</translation>
    </message>
    <message>
        <source>Odcinek rzeki powtarza odcinek z %1: te same końce i wektory kontrolne</source>
        <translation>A river segment repeats the segment from %1: the same ends and control vectors</translation>
    </message>
    <message>
        <source>Odcinek sieci trakcyjnej powtarza odcinek z %1: te same końce i wektory kontrolne</source>
        <translation>An overhead line segment repeats the segment from %1: the same ends and control vectors</translation>
    </message>
    <message>
        <source>Nazwa toru „%1” jest już użyta w %2</source>
        <translation>The track name “%1” is already used in %2</translation>
    </message>
    <message>
        <source>Sceneria nie zawiera żadnego odcinka toru, drogi, rzeki ani sieci trakcyjnej</source>
        <translation>The scenery holds no segment of track, road, river or overhead line</translation>
    </message>
    <message>
        <source>Błąd odczytu pliku %1: %2</source>
        <translation>Error reading the file %1: %2</translation>
    </message>
    <message>
        <source>Nie można otworzyć pliku %1: %2</source>
        <translation>Cannot open the file %1: %2</translation>
    </message>
    <message>
        <source>to jest folder</source>
        <translation>it is a folder</translation>
    </message>
    <message>
        <source>to nie jest zwykły plik</source>
        <translation>it is not a regular file</translation>
    </message>
    <message>
        <source>Plik o nazwie %1 nie istnieje!</source>
        <translation>The file %1 does not exist!</translation>
    </message>
    <message>
        <source>Brak pliku</source>
        <translation>File missing</translation>
    </message>
    <message>
        <source>Wczytywanie przerwane przez użytkownika.</source>
        <translation>Loading stopped by the user.</translation>
    </message>
    <message>
        <source>Ładowanie... %1</source>
        <translation>Loading... %1</translation>
    </message>
    <message>
        <source>Ignoruj</source>
        <translation>Ignore</translation>
    </message>
    <message>
        <source>Ponów</source>
        <translation>Retry</translation>
    </message>
    <message>
        <source>Przerwij</source>
        <translation>Abort</translation>
    </message>
    <message>
        <source>Za mało parametrów w wierszu: %1 %2 (potrzeba %3) — odpowiedź: %4</source>
        <translation>Too few parameters in the line: %1 %2 (%3 needed) — answer: %4</translation>
    </message>
    <message>
        <source>%1 (%2, wiersz %3)</source>
        <translation>%1 (%2, line %3)</translation>
    </message>
    <message>
        <source>Brak dołączanego pliku: %1</source>
        <translation>Missing included file: %1</translation>
    </message>
    <message>
        <source>Przekroczono limit %1 wczytanych plików przy dołączaniu pliku %2</source>
        <translation>The limit of %1 loaded files was exceeded when including the file %2</translation>
    </message>
    <message>
        <source>Przekroczono limit %1 odcinków, które zmieści pamięć tego komputera</source>
        <translation>The limit of %1 segments that this computer&apos;s memory can hold was exceeded</translation>
    </message>
    <message>
        <source>Pominięto cykliczne dołączenie pliku %1</source>
        <translation>A cyclic include of the file %1 was skipped</translation>
    </message>
    <message>
        <source>Plik %1 dołącza sam siebie (wprost lub przez inne pliki). Ponowne dołączenie zostało pominięte.</source>
        <translation>The file %1 includes itself (directly or through other files). The repeated include was skipped.</translation>
    </message>
    <message>
        <source>Błąd</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Niepoprawny parametr orign - &apos;%1&apos;!</source>
        <translation>Invalid origin parameter - &apos;%1&apos;!</translation>
    </message>
    <message>
        <source>%1 — odcinek pominięty</source>
        <translation>%1 — segment skipped</translation>
    </message>
    <message>
        <source>Pociąg %1 nie ma toru: nie odnaleziono toru %2</source>
        <translation>The train %1 has no track: the track %2 was not found</translation>
    </message>
    <message>
        <source>Błąd przy odczycie drogi!</source>
        <translation>Error reading a segment!</translation>
    </message>
    <message>
        <source>Nie odnaleziono toru %1, do którego przypisany jest pociąg %2<byte value="xd"/>Czy chcesz sam przypisac pociąg do toru?</source>
        <translation>The track %1 that the train %2 is assigned to was not found.<byte value="xd"/>Do you want to assign the train to a track yourself?</translation>
    </message>
    <message>
        <source>Nieodnaleziony tor</source>
        <translation>Track not found</translation>
    </message>
    <message>
        <source>Przypisanie do toru</source>
        <translation>Assign to a track</translation>
    </message>
    <message>
        <source>Przypisz pociąg %1 do toru:</source>
        <translation>Assign the train %1 to the track:</translation>
    </message>
    <message>
        <source>Sceneria używa składni symulatora (%1); włącz «Odczyt zgodny z symulatorem»</source>
        <translation>The scenery uses the simulator&apos;s syntax (%1); turn on “Read as the simulator does”</translation>
    </message>
    <message>
        <source>komentarz /* */</source>
        <translation>a /* */ comment</translation>
    </message>
    <message>
        <source>dołączenie z «;»</source>
        <translation>an include with “;”</translation>
    </message>
    <message>
        <source>dołączenie z parametrami</source>
        <translation>an include with parameters</translation>
    </message>
    <message>
        <source>węzeł w jednym wierszu</source>
        <translation>a node on one line</translation>
    </message>
</context>
<context>
    <name>SceneryProperytyForm</name>
    <message>
        <source>Długość łączna (dokładność zależy od trybu pracy)</source>
        <translation>Total length (the precision depends on the work mode)</translation>
    </message>
    <message>
        <source>Przesuń suwak, aby zmienić skalę wykresu. Linie przerywane na wykresie oznaczają, że wykres wychodzi poza skalę.</source>
        <translation>Move the slider to change the chart&apos;s scale. Dashed lines on the chart mean that it goes beyond the scale.</translation>
    </message>
    <message>
        <source>Właściwości scenerii</source>
        <translation>Scenery properties</translation>
    </message>
    <message>
        <source>Scenerię tworzą:</source>
        <translation>The scenery is made of:</translation>
    </message>
    <message>
        <source>Liczba</source>
        <translation>Count</translation>
    </message>
    <message>
        <source>Długość [km]</source>
        <translation>Length [km]</translation>
    </message>
    <message>
        <source>Tory:</source>
        <translation>Tracks:</translation>
    </message>
    <message>
        <source>Drogi:</source>
        <translation>Roads:</translation>
    </message>
    <message>
        <source>Rzeki:</source>
        <translation>Rivers:</translation>
    </message>
    <message>
        <source>Trakcja:</source>
        <translation>Overhead lines:</translation>
    </message>
    <message>
        <source>Średnia prędkość:</source>
        <translation>Mean speed:</translation>
    </message>
    <message>
        <source>Średnie wzniesienie:</source>
        <translation>Mean gradient:</translation>
    </message>
    <message>
        <source>Powierzchnia:</source>
        <translation>Area:</translation>
    </message>
    <message>
        <source>Obciążenie pamięci:</source>
        <translation>Memory use:</translation>
    </message>
    <message>
        <source>Opis:</source>
        <translation>Description:</translation>
    </message>
    <message>
        <source>Typ trasy:</source>
        <translation>Line type:</translation>
    </message>
    <message>
        <source>0 km/h Wolna</source>
        <translation>0 km/h Slow</translation>
    </message>
    <message>
        <source>Szybka 160km/h</source>
        <translation>Fast 160km/h</translation>
    </message>
    <message>
        <source>Typ terenu (wg torów):</source>
        <translation>Terrain type (by tracks):</translation>
    </message>
    <message>
        <source>Płaski</source>
        <translation>Flat</translation>
    </message>
    <message>
        <source>Górzysty</source>
        <translation>Mountainous</translation>
    </message>
</context>
<context>
    <name>SplashScreenForm</name>
    <message>
        <source>Wersja %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>© 2026 Zespół Tarvik Track Viewer</source>
        <translation>© 2026 The Tarvik Track Viewer team</translation>
    </message>
    <message>
        <source>Ł A D O W A N I E . . .   %1</source>
        <translation>L O A D I N G . . .   %1</translation>
    </message>
</context>
<context>
    <name>TForm1</name>
    <message>
        <source>Wczytywanie scenerii...</source>
        <translation>Loading the scenery...</translation>
    </message>
    <message>
        <source>Tworzenie listy nazwanych torów...</source>
        <translation>Building the named tracks list...</translation>
    </message>
    <message>
        <source>Wczyt.+Optymaliz.+Rys.: </source>
        <translation>Load+Optimise+Draw: </translation>
    </message>
    <message>
        <source>Zmiana pliku</source>
        <translation>File changed</translation>
    </message>
    <message>
        <source>Wybierz plik scenerii</source>
        <translation>Choose a scenery file</translation>
    </message>
    <message>
        <source>Czy przeładować scenerię teraz?</source>
        <translation>Reload the scenery now?</translation>
    </message>
    <message>
        <source>Zmiany w scenerii</source>
        <translation>Scenery changes</translation>
    </message>
    <message>
        <source>Odległość między wybranymi punktami wynosi ok. %1</source>
        <translation>The distance between the chosen points is about %1</translation>
    </message>
    <message>
        <source>Linijka</source>
        <translation>Ruler</translation>
    </message>
    <message>
        <source>Bitmapa (*.bmp)|*.bmp|Format GIF (*.gif)|*.gif|Format JPEG (*.jpg)|*.jpg;*.jpeg|Format PNG (*.png)|*.png|Grafika wektorowa SVG (*.svg)|*.svg|Dokument PDF (*.pdf)|*.pdf</source>
        <translation>Bitmap (*.bmp)|*.bmp|GIF format (*.gif)|*.gif|JPEG format (*.jpg)|*.jpg;*.jpeg|PNG format (*.png)|*.png|SVG vector graphics (*.svg)|*.svg|PDF document (*.pdf)|*.pdf</translation>
    </message>
    <message>
        <source>Zapisz mapę jako...</source>
        <translation>Save map as...</translation>
    </message>
    <message>
        <source>Nie można rozpocząć wydruku na %1</source>
        <translation>Cannot start printing on %1</translation>
    </message>
    <message>
        <source>Edytuj w tym miejscu</source>
        <translation>Edit at this place</translation>
    </message>
    <message>
        <source>Kopiuj współrzędne</source>
        <translation>Copy coordinates</translation>
    </message>
    <message>
        <source>Pokaż w liście torów</source>
        <translation>Show in the track list</translation>
    </message>
    <message>
        <source>Odległość: %1</source>
        <translation>Distance: %1</translation>
    </message>
    <message>
        <source>Współrzędne x z w osiach scenerii albo nazwa toru:</source>
        <translation>Coordinates x z in the scenery&apos;s axes, or a track name:</translation>
    </message>
    <message>
        <source>Współrzędne x z w osiach scenerii:</source>
        <translation>Coordinates x z in the scenery&apos;s axes:</translation>
    </message>
    <message>
        <source>20% Legenda</source>
        <translation>20% Legend</translation>
    </message>
    <message>
        <source>30% MiniMap</source>
        <translation>30% Mini-map</translation>
    </message>
    <message>
        <source>40% TrackList</source>
        <translation>40% Track list</translation>
    </message>
    <message>
        <source>50% RunSim</source>
        <translation>50% Launcher</translation>
    </message>
    <message>
        <source>60% Properyty</source>
        <translation>60% Properties</translation>
    </message>
    <message>
        <source>70% SceneryProperyty</source>
        <translation>70% Scenery properties</translation>
    </message>
    <message>
        <source>80% WorkMode</source>
        <translation>80% Work mode</translation>
    </message>
    <message>
        <source>90% Czyt. konfig...</source>
        <translation>90% Reading settings...</translation>
    </message>
    <message>
        <source>Plik scenerii (*.scn)|*.scn|Wszystkie pliki (*.*)|*.*|Części scenerii (*.scm;*.inc)|*.scm;*.inc</source>
        <translation>Scenery file (*.scn)|*.scn|All files (*.*)|*.*|Scenery parts (*.scm;*.inc)|*.scm;*.inc</translation>
    </message>
    <message>
        <source>Błąd</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Nie udało się otworzyć podręcznika w przeglądarce:
%1</source>
        <translation>The manual could not be opened in the browser:
%1</translation>
    </message>
</context>
<context>
    <name>TimeTableForm</name>
    <message>
        <source>Nie można rozpocząć drukowania rozkładu do pliku %1.</source>
        <translation>Cannot start printing the timetable to the file %1.</translation>
    </message>
    <message>
        <source>Nie można rozpocząć drukowania rozkładu na drukarce %1.</source>
        <translation>Cannot start printing the timetable on the printer %1.</translation>
    </message>
    <message>
        <source>Nie można rozpocząć drukowania rozkładu.</source>
        <translation>Cannot start printing the timetable.</translation>
    </message>
    <message>
        <source>%1, wersja %2</source>
        <translation>%1, version %2</translation>
    </message>
    <message>
        <source>Rozkład</source>
        <translation>Timetable</translation>
    </message>
    <message>
        <source>Drukuj</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>Drukuj rozkład</source>
        <translation>Print the timetable</translation>
    </message>
    <message>
        <source>Nazwa pociągu %1 zawiera &quot;/&quot; lub &quot;..&quot;, a rozkład może leżeć tylko w folderze scenerii: %2</source>
        <translation>The train name %1 contains &quot;/&quot; or &quot;..&quot;, but a timetable can only be in the scenery folder: %2</translation>
    </message>
    <message>
        <source>Brak rozkładu</source>
        <translation>No timetable</translation>
    </message>
    <message>
        <source>Nie odnaleziono rozkładu dla pociągu %1
<byte value="xd"/>Rozkładu spodziewano się w: %2</source>
        <translation>No timetable was found for the train %1
<byte value="xd"/>It was expected in: %2</translation>
    </message>
    <message>
        <source>Rozkład dla %1</source>
        <translation>Timetable for %1</translation>
    </message>
    <message>
        <source>Błąd</source>
        <translation>Error</translation>
    </message>
</context>
<context>
    <name>TrackListBuilder</name>
    <message>
        <source>Nazwane tory</source>
        <translation>Named tracks</translation>
    </message>
    <message>
        <source>Tor</source>
        <translation>Track</translation>
    </message>
    <message>
        <source>Pociąg</source>
        <translation>Train</translation>
    </message>
    <message>
        <source>Zdarzenia</source>
        <translation>Events</translation>
    </message>
    <message>
        <source>Zdarzenie</source>
        <translation>Event</translation>
    </message>
    <message>
        <source>Pociągi</source>
        <translation>Trains</translation>
    </message>
    <message>
        <source>Wszystkie tory</source>
        <translation>All tracks</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>Nazwa</source>
        <translation>Name</translation>
    </message>
</context>
<context>
    <name>TrackListForm</name>
    <message>
        <source>Lista nazwanych torów</source>
        <translation>Named tracks list</translation>
    </message>
    <message>
        <source>Narzędzia</source>
        <translation>Tools</translation>
    </message>
    <message>
        <source>Pokazuj tor na mapie</source>
        <translation>Show the track on the map</translation>
    </message>
    <message>
        <source>Animowane powiększenie</source>
        <translation>Animated zoom</translation>
    </message>
    <message>
        <source>Okno właściwości</source>
        <translation>Properties window</translation>
    </message>
    <message>
        <source>Tworzenie listy...</source>
        <translation>Building the list...</translation>
    </message>
    <message>
        <source>Tworzenie listy: </source>
        <translation>Building the list: </translation>
    </message>
    <message>
        <source>Tor: %1</source>
        <translation>Track: %1</translation>
    </message>
    <message>
        <source>Tor: %1 -&gt; Wyszukiwanie...</source>
        <translation>Track: %1 -&gt; Searching...</translation>
    </message>
    <message>
        <source>(!Nienazwany)</source>
        <translation>(!Unnamed)</translation>
    </message>
</context>
<context>
    <name>TrackListModel</name>
    <message>
        <source>Źródło</source>
        <translation>Source</translation>
    </message>
</context>
<context>
    <name>ViewerApplication</name>
    <message>
        <source>Wystąpił nieznany błąd programu.</source>
        <translation>An unknown program error occurred.</translation>
    </message>
</context>
<context>
    <name>WindowStatus</name>
    <message>
        <source>Ładowanie... %1 (%2%)</source>
        <translation>Loading... %1 (%2%)</translation>
    </message>
</context>
<context>
    <name>WorkModeForm</name>
    <message>
        <source>WYBÓR TRYBU:<byte value="xd"/>==============<byte value="xd"/>* Tryb użytkownika:<byte value="xd"/>  ~~~~~~~~~~~~~~~~~~~~<byte value="xd"/>  + Szybkość działania<byte value="xd"/>  - Niedokładne obliczenia<byte value="xd"/>  - Brak listy nazwanych torów<byte value="xd"/><byte value="xd"/>* Tryb autorski:<byte value="xd"/>  ~~~~~~~~~~~~~~~~~~~~<byte value="xd"/>  + Dokładne obliczenia<byte value="xd"/>  + Lista nazwanych torów<byte value="xd"/>  - Mała wydajność<byte value="xd"/><byte value="xd"/><byte value="xd"/>DOKŁADNOŚĆ:<byte value="xd"/>===============<byte value="xd"/>Określa, jaka dokładnośc ma być stosowana przy rysowaniu (nie odgrywa to roli na kształt lini) i obliczeniach.<byte value="xd"/>Przesuwając suwak w lewo zmniejsza się dokładność, ale wzrasta wydajność. Przesuwając suwak w prawo mamy większą dokładność, ale program wolniej pracuje.<byte value="xd"/><byte value="xd"/>Uwaga: Dwa ostatnie położenia suwaka w Trybie Użytkownika odpowadają dwóm pierwszym położeniom w Trybie Autorskim. Pozostałe pozycje są mniej dokładne (tryb użytkownika) lub bardziej dokładne (tryb autorski). Tak więc jeśli np. zależy Ci na liście nazwanych torów, a nie potrzebujesz dużych dokładności wybierz Tryb Autorski i przesuń suwak maksymalnie w lewo.<byte value="xd"/>Pamiętaj, że taka konfiguracja i tak będzie wolniejsza od analogicznego ustawianie w Trybie Użytkownika (przedostatnia pozycja suwaka z prawej).</source>
        <translation>CHOOSING THE MODE:<byte value="xd"/>==================<byte value="xd"/>* User mode:<byte value="xd"/>  ~~~~~~~~~~~~~~~~~~~~<byte value="xd"/>  + Fast<byte value="xd"/>  - Less precise calculations<byte value="xd"/>  - No named tracks list<byte value="xd"/><byte value="xd"/>* Author mode:<byte value="xd"/>  ~~~~~~~~~~~~~~~~~~~~<byte value="xd"/>  + Precise calculations<byte value="xd"/>  + Named tracks list<byte value="xd"/>  - Slower<byte value="xd"/><byte value="xd"/><byte value="xd"/>PRECISION:<byte value="xd"/>===============<byte value="xd"/>Sets the precision used for drawing (it does not affect the shape of lines) and for calculations.<byte value="xd"/>Moving the slider to the left lowers the precision but speeds the program up. Moving it to the right gives more precision, but the program works more slowly.<byte value="xd"/><byte value="xd"/>Note: The last two slider positions in User Mode match the first two in Author Mode. The other positions are less precise (user mode) or more precise (author mode). So if, for example, you want the named tracks list but do not need high precision, choose Author Mode and move the slider all the way to the left.<byte value="xd"/>Keep in mind that this setting will still be slower than the matching one in User Mode (the second slider position from the right).</translation>
    </message>
    <message>
        <source>Tryb pracy</source>
        <translation>Work mode</translation>
    </message>
    <message>
        <source>Użytkownika</source>
        <translation>User</translation>
    </message>
    <message>
        <source>Tryb użytkownika przeznaczony jest dla tych, którym zalezy na wydajności programu, a nie zależy na dokładności i pełnej funkcjonalnosci</source>
        <translation>User mode is for those who want the program fast and do not need precision and every function</translation>
    </message>
    <message>
        <source>Autorski</source>
        <translation>Author</translation>
    </message>
    <message>
        <source>Tryb autorski przeznaczony dla autorów scenerii, ktrym zależy na pełnej funkcjonalności programu</source>
        <translation>Author mode is for scenery authors who want every function of the program</translation>
    </message>
    <message>
        <source>Dokładność określa, z jaką precyzją maja być przeprowadzane obliczenia. Im suwak bardziej z lewej tym wydajność programu wzrasta, ale spada dokładność. Pamiętaj, że dokładność w dużej mierze zalezy od trybu pracy!</source>
        <translation>The precision sets how exactly the calculations are made. The further left the slider, the faster the program, but the lower the precision. Keep in mind that the precision depends largely on the work mode!</translation>
    </message>
    <message>
        <source>Dokładność:</source>
        <translation>Precision:</translation>
    </message>
    <message>
        <source>Domyślnie</source>
        <translation>Default</translation>
    </message>
    <message>
        <source>Domyślne ustawienie suwaka dokłasności w zależnosci od trybu pracy</source>
        <translation>The default precision for the work mode</translation>
    </message>
    <message>
        <source>&amp;Pomoc</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>Pomoc na temat powyższych funkcji</source>
        <translation>Help on the settings above</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Anuluj</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Szybko</source>
        <translation>Fast</translation>
    </message>
    <message>
        <source>Precyzyjnie</source>
        <translation>Precise</translation>
    </message>
    <message>
        <source>Pomoc wyboru trybu</source>
        <translation>Help on choosing the mode</translation>
    </message>
    <message>
        <source>Odczyt zgodny z symulatorem</source>
        <translation>Read as the simulator does</translation>
    </message>
    <message>
        <source>Czyta pliki scenerii tak jak symulator: węzły w jednym wierszu, dołączenia z parametrami (include;plik;p1;...;end), komentarze /* */ i wszystko po FirstInit. Wyłączony: odczyt wiersz po wierszu. Zmiana działa od następnego wczytania</source>
        <translation>Reads the scenery files as the simulator does: nodes on one line, includes with parameters (include;file;p1;...;end), /* */ comments and everything after FirstInit. Off: reading line by line. A change takes effect at the next load</translation>
    </message>
</context>
<context>
    <name>tarvik</name>
    <message>
        <source>%1: pominięto %2 dalszych problemów wczytywania (podano pierwsze %3)
</source>
        <translation>%1: %2 further load problems were left out (the first %3 are listed)
</translation>
    </message>
    <message>
        <source>tarvik: nieznane polecenie &apos;%1&apos;
</source>
        <translation>tarvik: unknown command &apos;%1&apos;
</translation>
    </message>
    <message>
        <source>nieznana warstwa %1</source>
        <translation>unknown layer %1</translation>
    </message>
    <message>
        <source>--gap wymaga wartości</source>
        <translation>--gap needs a value</translation>
    </message>
    <message>
        <source>--gap przyjmuje liczbę metrów, 0 lub więcej</source>
        <translation>--gap takes a number of metres, 0 or more</translation>
    </message>
    <message>
        <source>nieznana opcja %1</source>
        <translation>unknown option %1</translation>
    </message>
    <message>
        <source>--precision wymaga wartości</source>
        <translation>--precision needs a value</translation>
    </message>
    <message>
        <source>--precision przyjmuje liczbę całkowitą od 1 do 10</source>
        <translation>--precision takes a whole number from 1 to 10</translation>
    </message>
    <message>
        <source>--on-parse-error wymaga wartości</source>
        <translation>--on-parse-error needs a value</translation>
    </message>
    <message>
        <source>--on-parse-error przyjmuje ignore lub abort</source>
        <translation>--on-parse-error takes ignore or abort</translation>
    </message>
    <message>
        <source>można podać tylko jedną scenerię</source>
        <translation>only one scenery can be given</translation>
    </message>
    <message>
        <source>nie podano scenerii</source>
        <translation>no scenery given</translation>
    </message>
    <message>
        <source>tarvik %1: %2
użycie: tarvik %1 %3
</source>
        <translation>tarvik %1: %2
usage: tarvik %1 %3
</translation>
    </message>
    <message>
        <source>%1 wymaga wartości</source>
        <translation>%1 needs a value</translation>
    </message>
    <message>
        <source>--radius przyjmuje liczbę metrów, 0 lub więcej</source>
        <translation>--radius takes a number of metres, 0 or more</translation>
    </message>
    <message>
        <source>nieoczekiwany argument %1</source>
        <translation>unexpected argument %1</translation>
    </message>
    <message>
        <source>%1 musi być liczbą, a nie %2</source>
        <translation>%1 must be a number, not %2</translation>
    </message>
    <message>
        <source>nie podano punktu (X Z)</source>
        <translation>no point given (X Z)</translation>
    </message>
    <message>
        <source>nie podano Z</source>
        <translation>no Z given</translation>
    </message>
    <message>
        <source> -o PLIK [--size SZERxWYS] [--map velocity|height|gradient|plain] [--layers LISTA]
       [--signs LISTA] [--overlays LISTA] [--no-overlays] [--transparent] [--white]
       [--view MINX,MINY,MAXX,MAXY] [--settings PLIK]
  LISTA: rozdzielone przecinkami; warstwy spośród tracks,roads,rivers,traction;
  znaki spośród speed,gradient; nakładki spośród legend,minimap</source>
        <translation> -o FILE [--size WxH] [--map velocity|height|gradient|plain] [--layers LIST]
       [--signs LIST] [--overlays LIST] [--no-overlays] [--transparent] [--white]
       [--view MINX,MINY,MAXX,MAXY] [--settings FILE]
  LIST: comma-separated; layers from tracks,roads,rivers,traction; signs from
  speed,gradient; overlays from legend,minimap</translation>
    </message>
    <message>
        <source>--size przyjmuje SZERxWYS, każdy wymiar od 1 do 65535</source>
        <translation>--size takes WxH, each 1 to 65535</translation>
    </message>
    <message>
        <source>--view przyjmuje MINX,MINY,MAXX,MAXY, gdzie MIN jest mniejsze od MAX</source>
        <translation>--view takes MINX,MINY,MAXX,MAXY with MIN below MAX</translation>
    </message>
    <message>
        <source>--map przyjmuje velocity, height, gradient lub plain</source>
        <translation>--map takes velocity, height, gradient or plain</translation>
    </message>
    <message>
        <source>nieznany znak %1</source>
        <translation>unknown sign %1</translation>
    </message>
    <message>
        <source>nieznana nakładka %1</source>
        <translation>unknown overlay %1</translation>
    </message>
    <message>
        <source>nie podano pliku wyjściowego (-o PLIK)</source>
        <translation>no output file given (-o FILE)</translation>
    </message>
    <message>
        <source>plik wyjściowy musi mieć rozszerzenie .png, .bmp, .gif, .jpg, .jpeg, .svg lub .pdf</source>
        <translation>the output file must end in .png, .bmp, .gif, .jpg, .jpeg, .svg or .pdf</translation>
    </message>
    <message>
        <source>tarvik render: widok jest pusty; nic nie narysowano
</source>
        <translation>tarvik render: the view is empty; nothing was drawn
</translation>
    </message>
    <message>
        <source>SCENERIA [--author] [--precision 1..10] [--gap METRY] [--json]
       [--reader classic|simulator]</source>
        <translation>SCENERY [--author] [--precision 1..10] [--gap METRES] [--json]
       [--reader classic|simulator]</translation>
    </message>
    <message>
        <source>SCENERIA [--author] [--precision 1..10] [--on-parse-error ignore|abort]
       [--reader classic|simulator]</source>
        <translation>SCENERY [--author] [--precision 1..10] [--on-parse-error ignore|abort]
       [--reader classic|simulator]</translation>
    </message>
    <message>
        <source>--reader wymaga wartości</source>
        <translation>--reader needs a value</translation>
    </message>
    <message>
        <source>--reader przyjmuje classic lub simulator</source>
        <translation>--reader takes classic or simulator</translation>
    </message>
    <message>
        <source>SCENERIA X Z [--radius M] [--layers LISTA] [--author] [--precision 1..10]
       [--on-parse-error ignore|abort] [--reader classic|simulator]
  X Z: punkt w osiach scenerii; LISTA: rozdzielone przecinkami spośród
  tracks,roads,rivers,traction</source>
        <translation>SCENERY X Z [--radius M] [--layers LIST] [--author] [--precision 1..10]
       [--on-parse-error ignore|abort] [--reader classic|simulator]
  X Z: a point in the scenery&apos;s own axes; LIST: comma-separated from
  tracks,roads,rivers,traction</translation>
    </message>
    <message>
        <source>użycie: tarvik POLECENIE [ARGUMENTY]
       tarvik --help | --version

polecenia:
  check SCENERIA [--author] [--precision 1..10] [--gap METRY] [--json]
        [--reader classic|simulator]
      wczytuje scenerię i wypisuje, co może być w niej błędne: co napotkało
      wczytanie, końce torów bliższe niż METRY (domyślnie 0.5), lecz niepołączone,
      zdublowane odcinki oraz, z --author, nazwy torów użyte przez więcej niż jeden
      węzeł; kod wyjścia 3, gdy coś znajdzie
  dump SCENERIA [--author] [--precision 1..10] [--on-parse-error ignore|abort] [--summary]
       [--reader classic|simulator]
      wczytuje scenerię i wypisuje jej model jako JSON
  locate SCENERIA X Z [--radius M] [--layers LISTA] [--author] [--precision 1..10]
         [--on-parse-error ignore|abort] [--reader classic|simulator]
      wczytuje scenerię i wypisuje jako JSON odcinki blisko punktu X Z (w osiach
      scenerii), od najbliższego, każdy z plikiem i wierszem, z którego go wczytano
  render SCENERIA -o PLIK [--size SZERxWYS] [--map velocity|height|gradient|plain]
         [--layers LISTA] [--signs LISTA] [--overlays LISTA] [--no-overlays] [--transparent]
         [--white] [--view MINX,MINY,MAXX,MAXY] [--settings PLIK] [--author]
         [--precision 1..10] [--on-parse-error ignore|abort] [--reader classic|simulator]
      wczytuje scenerię i zapisuje jej mapę jako obraz PNG, BMP, GIF, JPEG, SVG lub PDF
  stats SCENERIA [--author] [--precision 1..10] [--on-parse-error ignore|abort]
        [--reader classic|simulator]
      wczytuje scenerię i wypisuje jej statystykę jako JSON

--reader simulator czyta pliki tak jak symulator (jeden strumień tokenów, dołączenia
z parametrami, ścieżki od folderu scenerii); classic, domyślny, wiersz po wierszu.
</source>
        <translation>usage: tarvik COMMAND [ARGS]
       tarvik --help | --version

commands:
  check SCENERY [--author] [--precision 1..10] [--gap METRES] [--json]
        [--reader classic|simulator]
      load a scenery and list what may be wrong in it: what the load met, track ends
      closer than METRES (default 0.5) but not joined, duplicate segments and, with
      --author, track names used by more than one node; exit status 3 when anything
      is found
  dump SCENERY [--author] [--precision 1..10] [--on-parse-error ignore|abort] [--summary]
       [--reader classic|simulator]
      load a scenery and print its model as JSON
  locate SCENERY X Z [--radius M] [--layers LIST] [--author] [--precision 1..10]
         [--on-parse-error ignore|abort] [--reader classic|simulator]
      load a scenery and print as JSON the segments near the point X Z (in the
      scenery&apos;s own axes), nearest first, each with the file and line it was read from
  render SCENERY -o FILE [--size WxH] [--map velocity|height|gradient|plain]
         [--layers LIST] [--signs LIST] [--overlays LIST] [--no-overlays] [--transparent]
         [--white] [--view MINX,MINY,MAXX,MAXY] [--settings FILE] [--author]
         [--precision 1..10] [--on-parse-error ignore|abort] [--reader classic|simulator]
      load a scenery and write its map as a PNG, BMP, GIF, JPEG, SVG or PDF picture
  stats SCENERY [--author] [--precision 1..10] [--on-parse-error ignore|abort]
        [--reader classic|simulator]
      load a scenery and print its statistics as JSON

--reader simulator reads the files as the simulator does (one stream of tokens, includes
with parameters, paths from the scenery&apos;s folder); classic, the default, line by line.
</translation>
    </message>
</context>
<context>
    <name>tarvik-viewer</name>
    <message>
        <source>użycie: tarvik-viewer [SCENERIA]
       tarvik-viewer /o SCENERIA    otwiera scenerię
       tarvik-viewer /e SCENERIA    otwiera ją, edytuje jej pliki, zamyka
       tarvik-viewer /p SCENERIA    otwiera ją, drukuje jej mapę, zamyka
       tarvik-viewer --help | --version
</source>
        <translation>usage: tarvik-viewer [SCENERY]
       tarvik-viewer /o SCENERY    open the scenery
       tarvik-viewer /e SCENERY    open it, edit its files, close
       tarvik-viewer /p SCENERY    open it, print its map, close
       tarvik-viewer --help | --version
</translation>
    </message>
    <message>
        <source>tarvik-viewer: brak ekranu, na którym można otworzyć okno (DISPLAY i WAYLAND_DISPLAY nie są ustawione)
</source>
        <translation>tarvik-viewer: no display to open the window on (DISPLAY and WAYLAND_DISPLAY are not set)
</translation>
    </message>
    <message>
        <source>0% Czyt. konfig....</source>
        <translation>0% Reading settings...</translation>
    </message>
</context>
</TS>
