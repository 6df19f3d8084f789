#pragma once
// The desktop's colour chooser, modal, without a parent window. It opens on the
// given colour with that colour preselected.
#include <functional>
#include <optional>

#include "platform/color.h"

namespace velk {

// The chosen colour; empty when the user cancelled.
std::optional<Color> runColorDialog(Color initial);

// Headless use: the handler answers every colour dialog instead of the screen
// (it is told the colour the dialog would open on). Pass nullptr to show it again.
void setColorDialogHandler(std::function<std::optional<Color>(Color initial)> handler);

}  // namespace velk
