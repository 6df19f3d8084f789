#pragma once
// The status bar panes of the main window, as the sheet views use them:
// pane 0 the program name or pointer text, pane 1 the mode, pane 2 the run state.
#include <string>

namespace velk {

class StatusPanes {
public:
    virtual ~StatusPanes() = default;
    // Texts are Windows-1250 bytes; the pane shows the new text at once.
    virtual void setPaneText(int pane, const std::string& text) = 0;
    virtual std::string paneText(int pane) const = 0;
};

}  // namespace velk
