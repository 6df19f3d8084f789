#pragma once
// Dialogs built from tables. A dialog is a table of controls (one row per
// control, positions in dialog units), members that the dialog's exchange
// routine ties to the controls, and handlers keyed by (control id,
// notification). The Dialog object is the whole dialog: it keeps every control's
// state and runs the handlers, with or without a window. The toolkit window
// (dialog_qt.cpp) only shows that state and passes the user's input back through
// the "user input" calls, the same calls the test kit makes.
//
// Texts: captions and static texts are the program's own (UTF-8, shown as
// written); a control's text is kept as UTF-8. Members that hold texts the sheet
// keeps are Windows-1250 bytes, exchanged with sheetText().
//
// A dialog class in short:
//   constexpr ControlRow kRows[] = {
//       staticText("Tekst", {7, 9, 40, 8}),
//       edit(1000, 30, {50, 7, 100, 12}, kSheetText),
//       intEdit(1001, 0, 200, {50, 23, 30, 12}),
//       radio(1002, "Izq.", {50, 39, 30, 10}),
//       pushButton(IDOK, "OK", {100, 60, 50, 14}, kDefaultButton),
//       pushButton(IDCANCEL, "Cancel", {155, 60, 50, 14}),
//   };
//   class CMyDlg : public Dialog {
//       CMyDlg() : Dialog(dialogTemplate(210, "Caption", 210, 80, kRows)) {
//           on(1002, Notify::Clicked, [this] { takeValuesQuietly(); ...; showValues(); });
//       }
//       void DoDataExchange(DataExchange& dx) override {
//           dx.sheetText(1000, m_text); dx.integer(1001, m_value); dx.radio(1002, m_left);
//       }
//   };
// OnInitDialog fills the members and shows them; OnOK (default: takeValues,
// then close with OK) writes the exchange variables.
#include <cstddef>
#include <functional>
#include <set>
#include <string>
#include <vector>

#include "platform/cursor.h"
#include "platform/geometry.h"
#include "platform/infodlg.h"
#include "platform/surface.h"

namespace velk {

class Dc;

constexpr int IDOK = 1;
constexpr int IDCANCEL = 2;
constexpr int IDC_STATIC = -1;

enum class ControlKind {
    Static,
    GroupBox,
    Edit,          // text, at most `limit` characters when `limit` > 0
    IntEdit,       // whole number within [minimum, maximum], checked at OK
    FloatEdit,     // number within [minimum, maximum], checked at OK
    CheckBox,      // toggles itself when clicked
    Radio,         // a group of its own: a click selects it, never clears others
    PushButton,
    BitmapButton,  // shows its up image, its down image while pressed
    SortedCombo,   // a simple combo box: an edit field (at most `limit` characters when `limit` > 0)
                   // over its list, always shown, items sorted; choosing an item copies it to the field
    Trackbar,      // horizontal, with ticks
    Spin,          // up-down arrows beside a buddy edit; see kBuddyNumber
    OwnerDrawn,    // an area the dialog paints itself (OnDrawItem) and that takes the mouse
};

enum ControlFlag : int {
    kReadOnly = 1,
    kDisabled = 2,
    kHidden = 4,
    kSheetText = 8,       // an edit of a text the sheet keeps: refuses what isSheetTextCharacter refuses
    kDefaultButton = 16,  // the push button Enter presses
    kTextRight = 32,      // static text
    kTextCenter = 64,     // static text
    kBuddyNumber = 128,   // spin: starts from its buddy's number and writes its position there
    kTicksBothSides = 256,  // trackbar: tick marks above and below the channel
};

// Position and size in dialog units: a horizontal unit is a quarter and a
// vertical unit an eighth of the dialog font's average character cell.
struct DialogBox {
    int x = 0, y = 0, cx = 0, cy = 0;
};

struct ControlRow {
    ControlKind kind = ControlKind::Static;
    int id = IDC_STATIC;
    const char* text = "";  // UTF-8
    DialogBox box;
    int flags = 0;
    int limit = 0;          // edits: characters (Windows-1250 bytes for sheet texts)
    double minimum = 0;     // int and float edits, trackbar, spin
    double maximum = 0;
    int buddy = 0;          // spin: the edit it sits beside
};

// --- rows, one helper per kind -------------------------------------------------------
constexpr ControlRow staticText(const char* text, DialogBox b, int flags = 0, int id = IDC_STATIC) {
    return {ControlKind::Static, id, text, b, flags};
}
constexpr ControlRow groupBox(const char* text, DialogBox b) { return {ControlKind::GroupBox, IDC_STATIC, text, b}; }
constexpr ControlRow edit(int id, int limit, DialogBox b, int flags = 0) {
    return {ControlKind::Edit, id, "", b, flags, limit};
}
constexpr ControlRow intEdit(int id, int minimum, int maximum, DialogBox b, int flags = 0, int limit = 0) {
    return {ControlKind::IntEdit, id, "", b, flags, limit, static_cast<double>(minimum), static_cast<double>(maximum)};
}
constexpr ControlRow floatEdit(int id, double minimum, double maximum, DialogBox b, int flags = 0) {
    return {ControlKind::FloatEdit, id, "", b, flags, 0, minimum, maximum};
}
constexpr ControlRow checkBox(int id, const char* text, DialogBox b, int flags = 0) {
    return {ControlKind::CheckBox, id, text, b, flags};
}
constexpr ControlRow radio(int id, const char* text, DialogBox b, int flags = 0) {
    return {ControlKind::Radio, id, text, b, flags};
}
constexpr ControlRow pushButton(int id, const char* text, DialogBox b, int flags = 0) {
    return {ControlKind::PushButton, id, text, b, flags};
}
constexpr ControlRow bitmapButton(int id, DialogBox b, int flags = 0) {
    return {ControlKind::BitmapButton, id, "", b, flags};
}
constexpr ControlRow sortedCombo(int id, DialogBox b, int flags = 0, int limit = 0) {
    return {ControlKind::SortedCombo, id, "", b, flags, limit};
}
constexpr ControlRow trackbar(int id, int minimum, int maximum, DialogBox b, int flags = 0) {
    return {ControlKind::Trackbar, id, "", b, flags, 0, static_cast<double>(minimum), static_cast<double>(maximum)};
}
constexpr ControlRow spin(int id, int buddy, int minimum, int maximum, DialogBox b, int flags = 0) {
    return {ControlKind::Spin,
            id,
            "",
            b,
            flags,
            0,
            static_cast<double>(minimum),
            static_cast<double>(maximum),
            buddy};
}
constexpr ControlRow ownerDrawn(int id, DialogBox b, int flags = 0) {
    return {ControlKind::OwnerDrawn, id, "", b, flags};
}

struct DialogTemplate {
    int resourceId = 0;
    const char* caption = "";  // UTF-8
    int width = 0, height = 0;  // dialog units
    const ControlRow* rows = nullptr;
    std::size_t count = 0;
};

template <std::size_t N>
constexpr DialogTemplate dialogTemplate(int resourceId, const char* caption, int width, int height,
                                        const ControlRow (&rows)[N]) {
    return {resourceId, caption, width, height, rows, N};
}

// Dialog units to pixels: the cell of the 8-point dialog font at 96 dpi.
constexpr int kDialogBaseX = 6;   // pixels per 4 horizontal units
constexpr int kDialogBaseY = 13;  // pixels per 8 vertical units
constexpr int dialogPixelsX(int units) { return units * kDialogBaseX / 4; }
constexpr int dialogPixelsY(int units) { return units * kDialogBaseY / 8; }

enum class Notify {
    Clicked,           // buttons, check boxes, radios
    Changed,           // the user changed an edit's text
    SelectionChanged,  // combo box
    Scrolled,          // trackbar and spin: scrollCode() and scrollPosition() tell how
    MouseDown,         // owner-drawn area: mousePoint() in the area's pixels
    MouseMove,
    MouseUp,
    RightDown,
};

// What one control shows now.
struct ControlState {
    std::string text;  // UTF-8
    int checked = 0;   // check boxes and radios
    bool visible = true;
    bool enabled = true;
    bool readOnly = false;
    std::vector<std::string> items;  // combo box, sorted
    int selection = -1;              // combo box
    int minimum = 0, maximum = 100;  // trackbar and spin
    int position = 0;
    int pageSize = 10;
    int tickFrequency = 1;
    std::vector<int> ticks;  // trackbar: single tick marks, ascending
    Surface upImage, downImage;  // bitmap button
    CursorShape cursor = CursorShape::Arrow;  // owner-drawn area: the pointer over it
};

class Dialog;

// Ties controls to members. Show puts members into controls; Take copies controls
// into members; Check validates without copying.
class DataExchange {
public:
    enum class Mode { Show, Check, Take, TakeQuietly };
    DataExchange(Dialog& dialog, Mode mode) : m_dialog(dialog), m_mode(mode) {}
    Mode mode() const { return m_mode; }
    bool taking() const { return m_mode != Mode::Show; }
    bool failed() const { return m_failedId != 0; }
    int failedId() const { return m_failedId; }
    const std::string& failure() const { return m_failure; }

    // A text of the program's own (UTF-8 member).
    void text(int id, std::string& member);
    // A text the sheet keeps (Windows-1250 member).
    void sheetText(int id, std::string& member);
    void integer(int id, int& member);
    void number(int id, float& member);
    void number(int id, double& member);
    void check(int id, int& member);
    // 0 when the radio is selected, -1 when not.
    void radio(int id, int& member);
    void selection(int id, int& member);  // combo box: item index, -1 none
    void position(int id, int& member);   // trackbar or spin

private:
    bool skip(int id) const;
    void fail(int id, std::string message);
    bool checkLength(int id, const std::string& utf8);
    Dialog& m_dialog;
    Mode m_mode;
    int m_failedId = 0;
    std::string m_failure;
};

// Watches a dialog for its window (the toolkit shell).
class DialogObserver {
public:
    virtual ~DialogObserver() = default;
    virtual void controlChanged(int id) = 0;
    virtual void focusChanged(int id) = 0;
    virtual void closed() = 0;
};

class Dialog {
public:
    explicit Dialog(const DialogTemplate& tmpl);
    virtual ~Dialog();
    Dialog(const Dialog&) = delete;
    Dialog& operator=(const Dialog&) = delete;

    const DialogTemplate& dialogTemplate() const { return m_template; }
    int resourceId() const { return m_template.resourceId; }
    const ControlRow* row(int id) const;  // nullptr for an unknown id

    // --- what a dialog class overrides ------------------------------------------------
    virtual void DoDataExchange(DataExchange& dx) {}
    // After the controls exist; the default shows the members. True leaves the
    // focus on the first control that takes input (shown, enabled, not read-only),
    // unless the dialog has set it itself.
    virtual bool OnInitDialog();
    // Enter and the OK button: takes with validation, closes with OK.
    virtual void OnOK();
    // Escape, the close box and the Cancel button.
    virtual void OnCancel();
    virtual void OnDrawItem(int id, Dc& dc, int width, int height) {}
    // Paints on the dialog's own background, under its controls, in client pixels.
    virtual void OnPaint(Dc& dc) {}

    // --- runs ---------------------------------------------------------------------------
    // Modal: OK or Cancel.
    DialogResult runModal();
    // Modeless: opens the window (or its headless stand-in); false when it is open already.
    bool create();
    void showWindow(bool show);
    bool isWindowVisible() const { return m_windowVisible; }
    // Closes a modeless dialog; nothing happens when it is not open.
    void destroy();
    bool isOpen() const { return m_open; }
    bool isModal() const { return m_modal; }
    void endDialog(DialogResult result);
    DialogResult result() const;

    // --- exchange -----------------------------------------------------------------------
    // Controls into members; on a failure one message names the limit or range, the
    // focus goes to that control, nothing is copied and false comes back.
    bool takeValues();
    // Controls into members without messages: what cannot be taken stays in its
    // control and is not overwritten by the next showValues().
    void takeValuesQuietly();
    // For a number edit whose handler acts on every change: when its text is no
    // number within the row's range, the range message that OK would give is shown
    // at once and false comes back.
    bool checkNumber(int id);
    void showValues();

    // --- controls by id (what the program does) -----------------------------------
    std::string text(int id) const;  // UTF-8
    void setText(int id, const std::string& utf8);
    int checked(int id) const;
    void setChecked(int id, int checked);
    bool isVisible(int id) const;
    void showControl(int id, bool show);
    bool isEnabled(int id) const;
    void enableControl(int id, bool enable);
    bool isReadOnly(int id) const;
    void setReadOnly(int id, bool readOnly);
    int focus() const { return m_focus; }
    void setFocus(int id);
    // Combo box.
    int addItem(int id, const std::string& utf8);  // its index in sorted order
    void clearItems(int id);
    int itemCount(int id) const;
    std::string itemText(int id, int index) const;
    int selection(int id) const;
    void setSelection(int id, int index);
    // Trackbar and spin.
    void setRange(int id, int minimum, int maximum);
    void setPosition(int id, int position);
    int position(int id) const;
    void setPageSize(int id, int page);
    void setTickFrequency(int id, int every);
    // A single tick mark; false (and none) outside the range.
    bool setTick(int id, int position);
    void clearTicks(int id);
    // Bitmap button.
    void setButtonImages(int id, Surface up, Surface down);
    // Owner-drawn area: paint again.
    void redraw(int id);
    // Owner-drawn area: the pointer's shape while it is over the area.
    void setCursor(int id, CursorShape shape);
    CursorShape cursor(int id) const;
    const ControlState* state(int id) const;

    // --- handlers --------------------------------------------------------------------------
    void on(int id, Notify notify, std::function<void()> handler);
    template <class T>
    struct HandlerRow {
        int id;
        Notify notify;
        void (T::*run)();
    };
    template <class T, std::size_t N>
    void addHandlers(T* self, const HandlerRow<T> (&rows)[N]) {
        for (const HandlerRow<T>& r : rows) on(r.id, r.notify, [self, run = r.run] { (self->*run)(); });
    }
    // While a Scrolled handler runs: the request (ScrollRequest numbers) and position.
    int scrollCode() const { return m_scrollCode; }
    int scrollPosition() const { return m_scrollPosition; }
    Point mousePoint() const { return m_mousePoint; }

    // --- user input (the window and the test kit) ---------------------------------
    // The user replaced the edit's text: characters an edit of sheet texts refuses
    // and characters beyond the limit are left out, each refusal with a beep.
    void userEdit(int id, const std::string& utf8);
    void userClick(int id);
    void userSelect(int id, int index);
    // Trackbar: thumb track or position to `position`, page up or down; spin: line
    // up or down.
    void userScroll(int id, int code, int position = 0);
    void userMouse(int id, Notify notify, Point p);
    void pressEnter();
    void pressEscape();
    void pressCloseBox();
    void setObserver(DialogObserver* observer) { m_observer = observer; }

private:
    friend class DataExchange;
    ControlState* mutableState(int id);
    void changed(int id);
    void notify(int id, Notify n);
    void reportFailure(const std::string& utf8);
    void open(bool modal);
    void close();
    DialogTemplate m_template;
    std::vector<ControlState> m_states;  // one per row
    struct Handler {
        int id;
        Notify notify;
        std::function<void()> run;
    };
    std::vector<Handler> m_handlers;
    std::set<int> m_keepShown;  // controls whose text a quiet take could not take
    DialogObserver* m_observer = nullptr;
    bool m_open = false;
    bool m_modal = false;
    bool m_windowVisible = false;
    int m_result = 0;  // DialogResult as int
    int m_focus = 0;
    int m_scrollCode = 0;
    int m_scrollPosition = 0;
    Point m_mousePoint;
};

// Headless use: a modal run goes to the handler instead of a window; the handler
// answers the dialog through its user-input calls and leaves it closed. While a
// handler is set, modeless dialogs get no window either. Pass nullptr to show
// dialogs again. Gives back the handler it replaces.
std::function<void(Dialog&)> setModalDialogHandler(std::function<void(Dialog&)> handler);
bool dialogsHeadless();
// Modeless dialogs that are open, oldest first.
std::vector<Dialog*> openModelessDialogs();
// The dialog as its window shows it (the window is made for this and not shown).
Surface renderDialog(Dialog& dialog);

// The toolkit shell (dialog_qt.cpp).
namespace dialogshell {
void runModal(Dialog& dialog);
void create(Dialog& dialog);
void show(Dialog& dialog, bool show);
void destroy(Dialog& dialog);
Surface render(Dialog& dialog);
}  // namespace dialogshell

}  // namespace velk
