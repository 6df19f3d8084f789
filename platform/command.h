#pragma once
// Commands: a menu item, toolbar button or accelerator sends a number; it goes to
// the active view, then its document, its child frame, the main frame and the
// application, and the first of them that has a handler runs it. Before a menu
// shows, each item asks the same chain for its enabling answer; an item that no
// target handles at all is disabled.
#include <cstddef>

namespace velk {

// The framework's own command numbers.
enum StandardCommand : int {
    kCmdFileNew = 57600,
    kCmdFileOpen = 57601,
    kCmdFileClose = 57602,
    kCmdFileSave = 57603,
    kCmdFileSaveAs = 57604,
    kCmdFilePrintSetup = 57606,
    kCmdFilePrint = 57607,
    kCmdFilePrintPreview = 57609,
    kCmdRecentFile1 = 57616,  // the recent-file entries follow one by one
    kCmdWindowNew = 57648,
    kCmdWindowArrange = 57649,
    kCmdWindowCascade = 57650,
    kCmdWindowTile = 57651,
    kCmdWindowNext = 57682,      // Ctrl+F6, Ctrl+Tab: the next sheet window
    kCmdWindowPrevious = 57683,  // Ctrl+Shift+F6, Ctrl+Shift+Tab
    kCmdSheetWindow1 = 65280,    // the Window menu's list of sheet windows, one by one
    kCmdAppAbout = 57664,
    kCmdAppExit = 57665,
    kCmdViewToolbar = 59392,
    kCmdViewStatusBar = 59393,
};
constexpr int kRecentFileCount = 4;
constexpr int kSheetWindowListLength = 9;

// What an enabling handler answers for one command.
struct CommandUpdate {
    bool enabled = true;
    bool checked = false;
    void enable(bool on) { enabled = on; }
    void check(bool on) { checked = on; }
};

class CommandTarget {
public:
    virtual ~CommandTarget() = default;
    // Runs the handler of `id`; false when this target has none.
    virtual bool onCommand(int id) { return false; }
    // Fills `state` from the enabling handler of `id`; false when there is none.
    virtual bool onCommandUpdate(int id, CommandUpdate& state) { return false; }
    // Whether this target has a handler for `id`.
    virtual bool hasCommand(int id) const { return false; }
};

// One row of a target's command table: the handler and, optionally, its
// enabling handler. Targets whose commands differ only in a number keep them in
// a table and answer the three calls above through these helpers.
template <class T>
struct CommandEntry {
    int id;
    void (T::*run)();
    void (T::*update)(CommandUpdate&);
};

template <class T, std::size_t N>
bool runCommandFrom(T& target, const CommandEntry<T> (&table)[N], int id) {
    for (const auto& e : table)
        if (e.id == id && e.run) {
            (target.*e.run)();
            return true;
        }
    return false;
}

template <class T, std::size_t N>
bool updateCommandFrom(T& target, const CommandEntry<T> (&table)[N], int id, CommandUpdate& state) {
    for (const auto& e : table)
        if (e.id == id && e.update) {
            (target.*e.update)(state);
            return true;
        }
    return false;
}

template <class T, std::size_t N>
bool tableHasCommand(const CommandEntry<T> (&table)[N], int id) {
    for (const auto& e : table)
        if (e.id == id && (e.run || e.update)) return true;
    return false;
}

// How a routed command or query came out.
enum class CommandResult { Handled, Disabled, Unhandled };

}  // namespace velk
