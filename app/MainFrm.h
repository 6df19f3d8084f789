#pragma once
// The main window: both menu bars, seventeen toolbars (the main toolbar, the
// palette selector, thirteen component palettes of which the selector shows one,
// the drawing tools at the left edge and the colours at the right edge) and the
// three-pane status bar (pane 0 program name, pointer text or a command's prompt,
// pane 1 mode, pane 2 run state).
#include "platform/frame.h"
#include "res/Menus.h"
#include "res/Toolbars.h"

namespace velk {

class CMainFrame : public MdiFrame {
public:
    // Creates the window with its bars and menus; false ends start-up.
    bool LoadFrame();
    int OnCreate();
    bool PreCreateWindow() { return MdiFrame::preCreateWindow(); }
    // Palettes shown from the Show menu go at every resize; the current one stays.
    void OnSize(int width, int height);

    // The palette selector: shows palette `number` (1 to 13) alone and makes it
    // the current one.
    void OnPalette(int number);
    // A Show menu toggle: shows or hides the palette bar at once and flips its flag.
    void OnViewBar(int paletteIndex);
    void OnUpdateViewBar(int paletteIndex, CommandUpdate& cmdUI);

    // Which palettes the Show menu has shown, in bar order (supplies, protection,
    // contactors, fuses, motors, drives, wiring, contacts, sensors, switches,
    // coils, logic, sequential chart).
    int m_paletteVisible[kPaletteCount] = {};
    // The palette chosen with the selector, 0 before any: 1 supplies, 2 fuses,
    // 3 protection, 4 contactors, 5 motors, 6 contacts, 7 switches, 8 coils,
    // 9 wiring, 10 drives, 11 sensors, 12 logic, 13 sequential chart.
    int m_currentPalette = 0;

    // The bar index of palette `number`, -1 for a number without a palette.
    static int barOfPalette(int number);

    int onCreate() override { return OnCreate(); }
    bool preCreateWindow() override { return PreCreateWindow(); }
    void onSize(int width, int height) override { OnSize(width, height); }
    bool onCommand(int id) override;
    bool onCommandUpdate(int id, CommandUpdate& state) override;
    bool hasCommand(int id) const override;
};

// The settings section from which the toolbar layout is read when present.
constexpr const char* kBarStateSection = "AjustesDeBarrasDeHerrmientas";

}  // namespace velk
