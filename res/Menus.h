#pragma once
// The two menu bars of the main window: without a sheet open and with one.
#include "platform/frame.h"

namespace velk {

const MenuBar& mainFrameMenu();    // no sheet open
const MenuBar& sheetWindowMenu();  // a sheet open

}  // namespace velk
