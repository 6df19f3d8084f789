#pragma once
// Drives the toolkit window of a table-driven dialog with synthetic key and mouse
// events, to check that the window passes what the user does to the dialog and
// shows its answer. Scenario tests drive dialogs through DialogDriver instead.
#include <functional>
#include <string>

#include <vector>

#include "platform/dialog.h"

namespace velk::testkit {

class DialogWindowDriver {
public:
    // Types the UTF-8 text key by key into the edit (or a combo box's field),
    // after selecting its text.
    void type(int id, const std::string& utf8);
    // A mouse click on item `index` of a combo box's list.
    void clickItem(int id, int index);
    // The items a combo box's list shows.
    std::vector<std::string> shownItems(int id) const;
    // The pointer moved to `p` (the control's pixels) over an owner-drawn area.
    void movePointer(int id, Point p);
    // The pointer's shape over the control.
    CursorShape shownCursor(int id) const;
    // A mouse click on the control.
    void click(int id);
    void pressEnter();
    void pressEscape();
    void closeBox();
    // What the window's control shows (an edit's or a combo box field's text).
    std::string shownText(int id) const;
    bool shownChecked(int id) const;
    // The id of the control that has the keyboard focus; 0 when none.
    int focusId() const;
};

// Runs `dialog` modally in its real window (the test kit's headless answering
// switched off for this run) and calls `script` once the window is up. A window
// still open two seconds later is cancelled and makes this return false.
bool runInWindow(Dialog& dialog, std::function<void(DialogWindowDriver&)> script);

}  // namespace velk::testkit
