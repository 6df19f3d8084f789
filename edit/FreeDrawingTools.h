#pragma once
// Helpers of the free-drawing tools shared with the text dialog.
#include <string>

namespace velk {

// A text of nothing but blanks (the no-break space of the code page among them):
// as a text item it would show nothing and could not be found on the sheet.
bool isBlankText(const std::string& text);

// Device pixels per character of a text item at the zoom, for its stored
// extent: a table for the whole zooms 1 to 20, 0 for any other zoom.
int textExtentFactor(double zoom);

}  // namespace velk
