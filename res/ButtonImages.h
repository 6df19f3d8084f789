#pragma once
// Pictures of the toolbar buttons, drawn by the program itself: a component
// palette button shows the component's own symbol (its placement preview scaled
// into the button), the other buttons small drawn icons; a button with neither
// shows a short text.
#include <string>
#include <vector>

#include "platform/frame.h"
#include "platform/surface.h"

namespace velk {

// One picture per command button of the bar (separators have none), at the bar's
// image size.
std::vector<Surface> toolbarImages(const ToolbarSpec& barLayout);

// The picture of one button at the given size.
Surface commandButtonImage(int id, int width, int height);

// The component's placement preview, cropped to what it draws and scaled down into
// width x height; a null surface when the type's symbol draws nothing (yet).
// Scaling keeps the darkest pixel of each block, so one-pixel lines survive.
// Without texts the designation beside a symbol does not shrink the symbol.
Surface componentSymbolImage(int type, int width, int height, bool withTexts);

// Whether the buttons of a palette bar show their symbols' texts: only where the
// texts tell the buttons apart (the supplies differ by their letters).
bool paletteShowsSymbolTexts(int bar);

// The short text a button shows when it has no picture: the initials of the words
// of its tooltip (UTF-8 in, Windows-1250 out), three at most.
std::string buttonFallbackText(const std::string& tooltip);

}  // namespace velk
