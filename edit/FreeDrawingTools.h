#pragma once
// Helpers of the free-drawing tools shared with the text dialog.
namespace velk {

// Device pixels per character of a text item at the zoom, for its stored
// extent: a table for the whole zooms 1 to 20, 0 for any other zoom.
int textExtentFactor(double zoom);

}  // namespace velk
