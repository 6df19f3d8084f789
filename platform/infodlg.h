#pragma once
// Small modal dialogs that only inform: a picture, some lines of text and an OK
// button (the About box, the splash). Enter and Escape close them; a frameless
// one can also close on a click anywhere.
#include <functional>
#include <string>
#include <vector>

#include "platform/surface.h"

namespace velk {

struct InfoDialog {
    std::string name;                // tells the dialogs apart ("about", "splash")
    std::string caption;             // Windows-1250; unused when frameless
    std::vector<std::string> lines;  // Windows-1250 static texts, top to bottom
    const Surface* picture = nullptr;
    bool frameless = false;    // a pop-up without a caption bar
    bool closeOnClick = false;  // a click anywhere closes it with OK
    bool okButton = true;      // a visible OK button
};

enum class DialogResult { Ok, Cancel };

DialogResult runInfoDialog(const InfoDialog& dialog);

// Headless use: the handler takes every such dialog instead of the screen.
void setInfoDialogHandler(std::function<DialogResult(const InfoDialog&)> handler);

}  // namespace velk
