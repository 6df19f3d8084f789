#pragma once
// The seventeen toolbars of the main window: buttons in order, image sizes and
// the edges they dock at; and the palette buttons with the component each places.
#include <vector>

#include "platform/frame.h"

namespace velk {

// Toolbar indices in creation order.
enum ToolbarIndex : int {
    kBarMain = 0,
    kBarPaletteSelector = 1,
    kBarFirstPalette = 2,  // palettes 2 to 14
    kBarLastPalette = 14,
    kBarDrawingTools = 15,
    kBarColors = 16,
    kToolbarCount = 17,
};
constexpr int kPaletteCount = kBarLastPalette - kBarFirstPalette + 1;

// The seventeen bars, index order; every bar docked and shown as created.
const std::vector<ToolbarSpec>& mainFrameToolbars();

// One button of a component palette: the command and what it places (the type
// code, and for the link tool its sub-kind). Buttons that place nothing have
// type 0; a row with id 0 is a separator.
struct PaletteButton {
    int bar;  // IDR_PALETTE_...
    int id;
    int type;
    int subKind;
};
const std::vector<PaletteButton>& paletteButtons();
// The palette button of a command; nullptr when the command is none.
const PaletteButton* findPaletteButton(int id);

// The accelerator table of the main window.
const std::vector<Accelerator>& mainFrameAccelerators();

}  // namespace velk
