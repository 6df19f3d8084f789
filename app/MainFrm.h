#pragma once
// The main window: menu bar, the area of sheet windows and the three-pane status
// bar (pane 0 program name or pointer text, pane 1 mode, pane 2 run state).
#include "platform/frame.h"

namespace velk {

class CMainFrame : public MdiFrame {
public:
    // Creates the window with its menus; false ends start-up.
    bool LoadFrame();
    int OnCreate();
    bool PreCreateWindow() { return MdiFrame::preCreateWindow(); }

    int onCreate() override { return OnCreate(); }
    bool preCreateWindow() override { return PreCreateWindow(); }
};

// The menus without a sheet open and with one.
const MenuBar& mainFrameMenu();
const MenuBar& sheetWindowMenu();

}  // namespace velk
