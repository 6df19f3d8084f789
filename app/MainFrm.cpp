// The main window and its menus.
#include "app/MainFrm.h"

#include "platform/command.h"
#include "platform/text1250.h"

namespace velk {

namespace {

constexpr int kStatusPaneCount = 3;
constexpr int kStatusPaneWidth = 70;

MenuItem item(const char* utf8, int id) { return MenuItem{cp1250(utf8), id, {}}; }
MenuItem separator() { return MenuItem{}; }
MenuItem menu(const char* utf8, std::vector<MenuItem> items) { return MenuItem{cp1250(utf8), 0, std::move(items)}; }

}  // namespace

const MenuBar& mainFrameMenu() {
    static const MenuBar bar = {
        menu("&Plik", {item("&Nowy\tCtrl+N", kCmdFileNew), item("&Otwórz...\tCtrl+O", kCmdFileOpen),
                       item("Konfiguracja Drukarki...", kCmdFilePrintSetup), separator(),
                       item("Ostatnio otwarte", kCmdRecentFile1), separator(), item("&Wyjście", kCmdAppExit)}),
        menu("&Pokaż", {item("Paski narzędzi", kCmdViewToolbar), item("Pasek statusu", kCmdViewStatusBar)}),
        menu("o programie", {item("O Velkarion...", kCmdAppAbout)}),
    };
    return bar;
}

const MenuBar& sheetWindowMenu() {
    static const MenuBar bar = {
        menu("&Plik", {item("&Nowy\tCtrl+N", kCmdFileNew), item("&Otwórz...\tCtrl+O", kCmdFileOpen),
                       item("&Zamknij", kCmdFileClose), item("Zapisz\tCtrl+G", kCmdFileSave),
                       item("Zapisz jako..", kCmdFileSaveAs), separator(), item("Importuj obrazek", 33040),
                       item("Eksportuj jak obrazek", 33041), separator(), item("&Drukuj...\tCtrl+I", kCmdFilePrint),
                       item("&Podgląd wydruku", kCmdFilePrintPreview),
                       item("Kon&figuracja wydruku...", kCmdFilePrintSetup), separator(),
                       item("Konfiguracja", 32784), separator(), item("Ostatnio otwarte", kCmdRecentFile1),
                       separator(), item("&Wyjście", kCmdAppExit)}),
        menu("Pokaż", {item("Pasek Narzędzi", kCmdViewToolbar), item("Pasek statusu", kCmdViewStatusBar)}),
        menu("Okno", {item("&Nowe okno", kCmdWindowNew), item("&Kaskada", kCmdWindowCascade),
                      item("&Mozaika", kCmdWindowTile), item("&Organizuj okna", kCmdWindowArrange)}),
        menu("O programie", {item("&About...", kCmdAppAbout)}),
    };
    return bar;
}

bool CMainFrame::LoadFrame() {
    if (!create("Velkarion")) return false;
    setMenus(mainFrameMenu(), sheetWindowMenu());
    return true;
}

int CMainFrame::OnCreate() {
    // Three text panes; the sheet views fill them.
    if (!createStatusBar(kStatusPaneCount, kStatusPaneWidth)) return -1;
    return 0;
}

}  // namespace velk
