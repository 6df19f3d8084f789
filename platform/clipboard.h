#pragma once
// The system clipboard, as the program uses it: it only ever puts a bitmap there.
// Open, empty, hand over, close: the bitmap handed over then belongs to the
// clipboard, and nothing is read back by the program.
#include "platform/surface.h"

namespace velk {

// False while another window holds the clipboard open.
bool openClipboard();
void emptyClipboard();
// Puts a copy of the bitmap on the clipboard; false when the clipboard is not open.
bool setClipboardBitmap(const Surface& bitmap);
void closeClipboard();

// What the clipboard holds now: the bitmap, or a null surface when it holds none.
Surface clipboardBitmap();
// While set, openClipboard fails as when another window holds the clipboard.
void setClipboardHeldElsewhere(bool held);

}  // namespace velk
