#pragma once
// The status bar panes of the main window, as the sheet views use them:
// pane 0 the program name or pointer text, pane 1 the mode, pane 2 the run state.
#include <string>

namespace velk {

class StatusPanes {
public:
    virtual ~StatusPanes() = default;
    // Texts are Windows-1250 bytes; the pane shows a new text at the main
    // window's next paint.
    virtual void setPaneText(int pane, const std::string& text) = 0;
    virtual std::string paneText(int pane) const = 0;
};

}  // namespace velk

namespace velk {

// The panes of the main window's status bar; nullptr while there is none.
StatusPanes* mainStatusPanes();

// Panes that only keep their texts: for a view that lives without a main window.
class DetachedStatusPanes : public StatusPanes {
public:
    void setPaneText(int pane, const std::string& text) override;
    std::string paneText(int pane) const override;

private:
    std::string m_texts[3];
};

}  // namespace velk
