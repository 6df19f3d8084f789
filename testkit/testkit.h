#pragma once
// The headless driver: runs the real program without a screen, the way a user
// would drive it, for the project's tests and for acceptance checks.
//
// A Session starts the application in a fresh temporary working directory (so a
// "config.cfg" written there decides the settings of the sheets made afterwards),
// with its own settings file, timers that fire only through tick(), sheet windows of
// a fixed 800 x 600 client area, message boxes and file dialogs answered by the
// session, and the splash closed as soon as it shows. By default no sheet window
// is open at the start, so the first newSheet() gives "Velkar1".
//
// Every operation that makes the program do something runs the paints and deferred
// boxes it caused before it returns.
#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "app/MainFrm.h"
#include "app/Velkarion.h"
#include "app/VelkarionDoc.h"
#include "model/VelkarionView.h"
#include "platform/command.h"
#include "platform/dialog.h"
#include "platform/filedlg.h"
#include "platform/geometry.h"
#include "platform/infodlg.h"
#include "platform/msgbox.h"
#include "platform/surface.h"

#include "platform/statusbar.h"

namespace velk::testkit {

// An operation that needs a part of the program that is not there yet.
class NotBuiltYet : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A table-driven dialog as the user sees it: what a script does with it and reads
// from it. Unknown control ids throw, so that a mistyped id shows at once.
class DialogDriver {
public:
    explicit DialogDriver(Dialog& dialog) : m_dialog(&dialog) {}
    // Replaces the edit's text as typing or pasting would (refusals beep).
    void setText(int id, const std::string& utf8);
    void click(int id);
    void select(int id, int index);
    void select(int id, const std::string& item);
    // A trackbar or spin request (ScrollRequest numbers) with its thumb position.
    void scroll(int id, int code, int position = 0);
    void enter() { m_dialog->pressEnter(); }
    void escape() { m_dialog->pressEscape(); }
    void closeBox() { m_dialog->pressCloseBox(); }
    std::string text(int id) const;
    bool checked(int id) const;
    bool visible(int id) const;
    bool enabled(int id) const;
    int focus() const { return m_dialog->focus(); }
    bool isOpen() const { return m_dialog->isOpen(); }
    Dialog& dialog() { return *m_dialog; }

private:
    void require(int id) const;
    Dialog* m_dialog;
};

using DialogScript = std::function<void(DialogDriver&)>;

struct SessionOptions {
    // Command-line arguments after the program's name (a file to open).
    std::vector<std::string> args;
    // Start like the program does on an empty command line: with "Velkar1" open.
    bool startupSheet = false;
    // Run in this directory instead of a fresh temporary one (it is not removed).
    std::string workDir;
};

// A dialog of the About or splash kind as it was shown.
struct DialogRecord {
    std::string name;  // "about", "splash"
    std::string caption;
    std::vector<std::string> lines;
};

class Session {
public:
    Session();
    explicit Session(const SessionOptions& options);
    ~Session();
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    // --- the program ------------------------------------------------------------------
    CVelkarionApp& app();
    CMainFrame& mainFrame();
    const std::string& workDir() const { return m_workDir; }
    // Writes a file (bytes as given) into the working directory.
    void writeFile(const std::string& name, const std::string& bytes) const;

    // --- sheet windows ----------------------------------------------------------------
    CVelkarionView& newSheet();                         // File New
    CVelkarionView& openSheet(const std::string& path);  // File Open, dialog answered by `path`
    std::vector<CVelkarionView*> views() const;         // open sheet windows, oldest first
    CVelkarionView* activeView() const;
    CVelkarionDoc& document(CVelkarionView& view);
    std::string windowTitle(CVelkarionView& view) const;  // the child window's caption
    std::string mainTitle() const;                        // the main window's caption
    // The window's close button: false when the window stayed open.
    bool closeWindow(CVelkarionView& view);
    StatusPanes& statusPanes();
    std::string paneText(int pane);

    // --- dialogs and boxes ----------------------------------------------------------
    // Queued answers for the next file dialogs; an empty path cancels. Without an
    // answer a dialog is cancelled.
    void answerFileDialogs(std::vector<std::string> paths);
    const std::vector<FileDialogRequest>& fileDialogs() const { return m_fileDialogs; }
    // Answers for the next boxes that ask (Yes/No, OK/Cancel); afterwards each
    // such box gets the default answer (No, Cancel unless set otherwise).
    void answerBoxes(std::vector<BoxAnswer> answers);
    void setDefaultAnswer(BoxAnswer answer) { m_defaultAnswer = answer; }
    const std::vector<BoxRecord>& messages() const { return m_messages; }
    void clearMessages() { m_messages.clear(); }
    const std::vector<DialogRecord>& dialogs() const { return m_dialogs; }
    // Message beeps sounded since the session started.
    int beeps() const { return beepCount() - m_beepsAtStart; }
    int dialogCount(const std::string& name) const;
    // Answers the next modal run of dialog `resourceId`: the script drives it and
    // must close it. A modal dialog without an answer, or left open by its script,
    // is cancelled and the operation that ran it throws.
    void answerDialog(int resourceId, DialogScript script);
    // Resource ids of the table-driven modal dialogs run so far, in order.
    const std::vector<int>& modalRuns() const { return m_modalRuns; }
    // The open modeless dialog of that resource (the newest); throws when none is open.
    DialogDriver modeless(int resourceId);
    // Runs the symbol libraries dialog modally (no menu command opens it).
    void openLibraries();

    // --- commands ---------------------------------------------------------------------
    // Routes `id` as a menu click would, with `view`'s window active.
    CommandResult command(CVelkarionView& view, int id);
    // The same with no sheet window involved (the main window's own menu).
    CommandResult command(int id);
    // The enabling answer; empty when nothing handles the command.
    std::optional<bool> isEnabled(CVelkarionView& view, int id);
    std::optional<bool> isChecked(CVelkarionView& view, int id);

    // --- time and input ---------------------------------------------------------------
    // n firings of the view's timer 1 (while it runs), each followed by its paints.
    void tick(CVelkarionView& view, int n = 1);
    void press(CVelkarionView& view, int x, int y);
    void release(CVelkarionView& view, int x, int y);
    void move(CVelkarionView& view, int x, int y);
    void doubleClick(CVelkarionView& view, int x, int y);
    void rightPress(CVelkarionView& view, int x, int y);
    void key(CVelkarionView& view, int keyCode);
    // The window pixel at which the view shows the drawing-unit point (u, v).
    Point unitsToWindow(CVelkarionView& view, int u, int v);

    // --- what is shown ----------------------------------------------------------------
    // The view's window surface after its pending paints.
    const Surface& surface(CVelkarionView& view);
    // Runs pending paints and deferred message boxes.
    void flush();

    static constexpr int kClientWidth = 800;
    static constexpr int kClientHeight = 600;

private:
    void install();
    void uninstall();
    std::unique_ptr<CVelkarionApp> m_app;
    std::string m_workDir;
    std::string m_previousDir;
    bool m_ownsWorkDir = false;
    std::deque<std::string> m_fileAnswers;
    std::vector<FileDialogRequest> m_fileDialogs;
    std::deque<BoxAnswer> m_boxAnswers;
    std::optional<BoxAnswer> m_defaultAnswer;
    std::vector<BoxRecord> m_messages;
    std::vector<DialogRecord> m_dialogs;
    std::deque<std::pair<int, DialogScript>> m_dialogAnswers;
    std::vector<int> m_modalRuns;
    std::vector<std::string> m_dialogFailures;
    void throwDialogFailures();
    int m_buttons = 0;
    int m_beepsAtStart = beepCount();
};

}  // namespace velk::testkit
