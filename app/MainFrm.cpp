// The main window: its bars, the palette selector and the Show menu toggles.
#include "app/MainFrm.h"

#include <cstdio>

#include "res/ButtonImages.h"
#include "res/Resource.h"
#include "res/Strings.h"

namespace velk {

namespace {

constexpr int kStatusPaneCount = 3;
constexpr int kStatusPaneWidth = 70;

// One palette: its selector command and number, its Show menu toggle and its bar.
struct PaletteRow {
    int selectorId;
    int number;
    int toggleId;
    int bar;
};

constexpr PaletteRow kPalettes[kPaletteCount] = {
    {ID_PALETTE_SUPPLIES, 1, ID_VIEW_BAR_SUPPLIES, 2},
    {ID_PALETTE_FUSES, 2, ID_VIEW_BAR_FUSES, 5},
    {ID_PALETTE_PROTECTION, 3, ID_VIEW_BAR_PROTECTION, 3},
    {ID_PALETTE_CONTACTORS, 4, ID_VIEW_BAR_CONTACTORS, 4},
    {ID_PALETTE_MOTORS, 5, ID_VIEW_BAR_MOTORS, 6},
    {ID_PALETTE_CONTACTS, 6, ID_VIEW_BAR_CONTACTS, 9},
    {ID_PALETTE_SWITCHES, 7, ID_VIEW_BAR_SWITCHES, 11},
    {ID_PALETTE_COILS, 8, ID_VIEW_BAR_COILS, 12},
    {ID_PALETTE_WIRING, 9, ID_VIEW_BAR_WIRING, 8},
    {ID_PALETTE_DRIVES, 10, ID_VIEW_BAR_DRIVES, 7},
    {ID_PALETTE_SENSORS, 11, ID_VIEW_BAR_SENSORS, 10},
    {ID_PALETTE_LOGIC, 12, ID_VIEW_BAR_LOGIC, 13},
    {ID_PALETTE_GRAFCET, 13, ID_VIEW_BAR_GRAFCET, 14},
};

const PaletteRow* paletteBySelector(int id) {
    for (const PaletteRow& p : kPalettes)
        if (p.selectorId == id) return &p;
    return nullptr;
}

const PaletteRow* paletteByToggle(int id) {
    for (const PaletteRow& p : kPalettes)
        if (p.toggleId == id) return &p;
    return nullptr;
}

void trace(const char* text) {
#ifndef NDEBUG
    std::fputs(text, stderr);
#else
    (void)text;
#endif
}

}  // namespace

int CMainFrame::barOfPalette(int number) {
    for (const PaletteRow& p : kPalettes)
        if (p.number == number) return p.bar;
    return -1;
}

bool CMainFrame::LoadFrame() {
    if (!create("Velkarion")) return false;
    setMenus(mainFrameMenu(), sheetWindowMenu());
    return true;
}

int CMainFrame::OnCreate() {
    setCommandStrings(&commandString);
    // Each bar docks at its side on a row of its own, in index order.
    for (const ToolbarSpec& barLayout : mainFrameToolbars())
        if (addToolbar(barLayout, toolbarImages(barLayout)) < 0) {
            trace("Failed to create toolbar\n");
            return -1;
        }
    // Pane 0 takes the free width; panes 1 and 2 are 70 pixels wide.
    if (!createStatusBar(kStatusPaneCount, kStatusPaneWidth)) {
        trace("Failed to create status bar\n");
        return -1;
    }
    setAccelerators(mainFrameAccelerators());
    // A sheet window shows the sheet of the New button.
    setSheetWindowIcon(commandButtonImage(ID_FILE_NEW, 16, 15));
    loadBarState(kBarStateSection);
    for (int bar = kBarFirstPalette; bar <= kBarLastPalette; ++bar) showToolbar(bar, false);
    m_currentPalette = 0;
    return 0;
}

void CMainFrame::OnSize(int width, int height) {
    for (int bar = kBarFirstPalette; bar <= kBarLastPalette; ++bar) showToolbar(bar, false);
    const int current = barOfPalette(m_currentPalette);
    if (current >= 0) showToolbar(current, true);
}

void CMainFrame::OnPalette(int number) {
    const int shown = barOfPalette(number);
    if (shown < 0) return;
    for (int bar = kBarFirstPalette; bar <= kBarLastPalette; ++bar)
        if (bar != shown) showToolbar(bar, false);
    showToolbar(shown, true);
    m_currentPalette = number;
}

void CMainFrame::OnViewBar(int paletteIndex) {
    if (paletteIndex < 0 || paletteIndex >= kPaletteCount) return;
    int& flag = m_paletteVisible[paletteIndex];
    flag = flag == 1 ? 0 : 1;
    showToolbar(kBarFirstPalette + paletteIndex, flag == 1);
}

void CMainFrame::OnUpdateViewBar(int paletteIndex, CommandUpdate& cmdUI) {
    cmdUI.enable(true);
    cmdUI.check(paletteIndex >= 0 && paletteIndex < kPaletteCount && m_paletteVisible[paletteIndex] == 1);
}

bool CMainFrame::onCommand(int id) {
    if (const PaletteRow* p = paletteBySelector(id)) {
        OnPalette(p->number);
        return true;
    }
    if (const PaletteRow* p = paletteByToggle(id)) {
        OnViewBar(p->bar - kBarFirstPalette);
        return true;
    }
    // Reached only when no sheet view is active, which handles both first.
    if (id == ID_TOOL_LIBRARIES || id == ID_TOOL_RESERVED) return true;
    return MdiFrame::onCommand(id);
}

bool CMainFrame::onCommandUpdate(int id, CommandUpdate& state) {
    if (const PaletteRow* p = paletteByToggle(id)) {
        OnUpdateViewBar(p->bar - kBarFirstPalette, state);
        return true;
    }
    return MdiFrame::onCommandUpdate(id, state);
}

bool CMainFrame::hasCommand(int id) const {
    return paletteBySelector(id) || paletteByToggle(id) || id == ID_TOOL_LIBRARIES || id == ID_TOOL_RESERVED ||
           MdiFrame::hasCommand(id);
}

}  // namespace velk
