// The menu bars: texts as the program shows them, with their mnemonics and the
// keys after the tab, and the command each item sends.
#include "res/Menus.h"

#include "platform/text1250.h"
#include "res/Resource.h"

namespace velk {

namespace {

MenuItem item(const char* utf8, int id) { return MenuItem{cp1250(utf8), id, {}}; }
MenuItem separator() { return MenuItem{}; }
MenuItem menu(const char* utf8, std::vector<MenuItem> items) { return MenuItem{cp1250(utf8), 0, std::move(items)}; }

}  // namespace

const MenuBar& mainFrameMenu() {
    static const MenuBar bar = {
        menu("&Plik", {item("&Nowy\tCtrl+N", ID_FILE_NEW), item("&Otwórz...\tCtrl+O", ID_FILE_OPEN),
                       item("Konfiguracja Drukarki...", ID_FILE_PRINT_SETUP),
                       item("Ostatnio otwarte", ID_FILE_MRU_FILE1), item("&Wyjście", ID_APP_EXIT)}),
        menu("&Pokaż", {item("Paski narzędzi", ID_VIEW_TOOLBAR), item("Pasek statusu", ID_VIEW_STATUS_BAR)}),
        menu("o programie", {item("O Velkarion...", ID_APP_ABOUT)}),
    };
    return bar;
}

const MenuBar& sheetWindowMenu() {
    static const MenuBar bar = {
        menu("&Plik",
             {item("&Nowy\tCtrl+N", ID_FILE_NEW), item("&Otwórz...\tCtrl+O", ID_FILE_OPEN),
              item("&Zamknij", ID_FILE_CLOSE), item("Zapisz\tCtrl+G", ID_FILE_SAVE),
              item("Zapisz jako..", ID_FILE_SAVE_AS), separator(), item("Importuj obrazek", ID_FILE_IMPORT_PICTURE),
              item("Eksportuj jak obrazek", ID_FILE_EXPORT_PICTURE), separator(),
              item("&Drukuj...\tCtrl+I", ID_FILE_PRINT), item("&Podgląd wydruku", ID_FILE_PRINT_PREVIEW),
              item("Kon&figuracja wydruku...", ID_FILE_PRINT_SETUP), separator(),
              item("Konfiguracja", ID_FILE_CONFIGURATION), separator(), item("Ostatnio otwarte", ID_FILE_MRU_FILE1),
              separator(), item("&Wyjście", ID_APP_EXIT)}),
        menu("&Edycja",
             {item("&Cofnij\tCtrl+Z", ID_EDIT_UNDO), item("&Ponów\tCtrl+Y", ID_EDIT_REDO), separator(),
              item("Wy&tnij\tCtrl+X", ID_EDIT_CUT), item("&Kopiuj\tCtrl+C", ID_EDIT_COPY),
              item("Wklej\tCtrl+V", ID_EDIT_PASTE), separator(), item("Zaznacz wszys&tko", ID_EDIT_SELECT_ALL_ITEMS),
              separator(), item("C&ajetín", ID_EDIT_TITLE_BLOCK)}),
        menu("&Rysuj",
             {item("Zaznaczanie", ID_TOOL_SELECT), item("Linia", ID_TOOL_LINE), item("Prostokąt", ID_TOOL_RECTANGLE),
              item("&Elipsa", ID_TOOL_ELLIPSE), item("Prostokąt wypełniony", ID_TOOL_FILLED_RECTANGLE),
              item("Eli&psa wypełniona", ID_TOOL_FILLED_ELLIPSE), item("Wypeł&nij kolorem", ID_TOOL_FILL),
              item("&Kolor ( picker )", ID_TOOL_COLOR_PICKER), item("&Text", ID_TOOL_TEXT), separator(),
              item("biblioteki", ID_TOOL_LIBRARIES)}),
        menu("&Tryb", {item("&Edycja", ID_MODE_EDIT), item("Symulacja", ID_MODE_RUN), item("P&ausa", ID_MODE_PAUSE),
                       item("&Krok po Kroku", ID_MODE_STEP), separator(),
                       item("Intercambio E/S (PLC)", ID_MODE_PLC_EXCHANGE)}),
        menu("&Widok", {item("Zoom &Cofnij", ID_ZOOM_PREVIOUS), item("Zoom &Normal", ID_ZOOM_NORMAL),
                        item("Zoom &+", ID_ZOOM_IN), item("Zoom &-", ID_ZOOM_OUT), item("Zoom &Okno", ID_ZOOM_WINDOW),
                        item("Zoom &All", ID_ZOOM_ALL), separator(), item("&Odśwież", ID_VIEW_GRID)}),
        menu("Pokaż",
             {item("Pasek Narzędzi", ID_VIEW_TOOLBAR), item("Pasek statusu", ID_VIEW_STATUS_BAR), separator(),
              item("Źródła zasilania", ID_VIEW_BAR_SUPPLIES), item("Bezpieczniki", ID_VIEW_BAR_FUSES),
              item("Zabezpieczenia", ID_VIEW_BAR_PROTECTION), item("Styczniki, Rozłączniki", ID_VIEW_BAR_CONTACTORS),
              item("Silniki", ID_VIEW_BAR_MOTORS), item("Napędy", ID_VIEW_BAR_DRIVES),
              item("Styki I", ID_VIEW_BAR_CONTACTS), item("Styki II", ID_VIEW_BAR_SWITCHES),
              item("Czujniki", ID_VIEW_BAR_SENSORS), item("Cewki", ID_VIEW_BAR_COILS),
              item("Bloki &Logiczne", ID_VIEW_BAR_LOGIC), item("Bloki &Grafcet", ID_VIEW_BAR_GRAFCET),
              item("Połączenia, przewody", ID_VIEW_BAR_WIRING)}),
        menu("Okno", {item("&Nowe okno", ID_WINDOW_NEW), item("&Kaskada", ID_WINDOW_CASCADE),
                      item("&Mozaika", ID_WINDOW_TILE_HORZ), item("&Organizuj okna", ID_WINDOW_ARRANGE)}),
        menu("O programie", {item("&About...", ID_APP_ABOUT)}),
    };
    return bar;
}

}  // namespace velk
