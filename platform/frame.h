#pragma once
// Frame windows of the multi-document program: the main window with its menu bar,
// the area of sheet windows and the status bar, and the child frame that holds one
// view in that area.
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/command.h"
#include "platform/statusbar.h"
#include "platform/surface.h"

namespace velk {

class Document;
class View;
class MdiFrame;

// One entry of a menu: a command (id above 0), a separator (id 0, no text) or a
// submenu (its own items). Texts are Windows-1250; "\t" starts the shortcut
// ("&Nowy\tCtrl+N"). The command kCmdRecentFile1 stands for the recent-file list.
struct MenuItem {
    std::string text;
    int id = 0;
    std::vector<MenuItem> items;
};
using MenuBar = std::vector<MenuItem>;

// The edge of the main window a toolbar docks at.
enum class DockSide { Top, Bottom, Left, Right };

// One toolbar: its command buttons in order (0 stands for a separator), the size
// of a button image and the edge it docks at. Each bar takes a row (or, at the
// left and right edges, a column) of its own.
struct ToolbarSpec {
    int id = 0;         // the toolbar's resource number
    std::string title;  // Windows-1250; shown when the bar floats
    std::vector<int> buttons;
    int imageWidth = 16;
    int imageHeight = 15;
    DockSide side = DockSide::Top;
};

// A key combination that sends a command wherever the focus is in the main
// window: "Ctrl+N", "Alt+Backspace", "Shift+Del", "Ctrl+Ins", "F6", "Shift+F6".
struct Accelerator {
    std::string keys;
    int id = 0;
};

class MdiChild : public CommandTarget {
public:
    MdiChild();
    ~MdiChild() override;
    MdiChild(const MdiChild&) = delete;
    MdiChild& operator=(const MdiChild&) = delete;

    // The window-creation hook; false ends the creation of the window.
    virtual bool preCreateWindow() { return true; }

    View* view() const { return m_view.get(); }
    Document* document() const { return m_document; }
    MdiFrame* mainFrame() const { return m_mainFrame; }

    void setTitle(const std::string& title);
    const std::string& title() const { return m_title; }

    void activate();
    bool isActive() const;
    void show();
    // Maximised in the sheet area: the main window's caption then carries the
    // sheet's name in brackets.
    void showMaximized();
    void showNormal();
    bool isMaximized() const;

    // Closes this window; the document's last window asks it first whether it may
    // close. False when the window stays open.
    bool close();
    // Closes without asking (the document is going away as a whole).
    void destroy();

    // Called by the framework when the window is made.
    bool create(MdiFrame& frame, Document& document, std::unique_ptr<View> view);

    struct Impl;
    Impl* impl() const { return m_impl.get(); }

private:
    std::unique_ptr<Impl> m_impl;
    std::unique_ptr<View> m_view;
    Document* m_document = nullptr;
    MdiFrame* m_mainFrame = nullptr;
    std::string m_title;
};

class MdiFrame : public CommandTarget {
public:
    MdiFrame();
    ~MdiFrame() override;
    MdiFrame(const MdiFrame&) = delete;
    MdiFrame& operator=(const MdiFrame&) = delete;

    // Makes the window (hidden) and runs onCreate; false ends start-up.
    bool create(const std::string& title);
    // The creation hook: bars and panes; -1 fails the creation.
    virtual int onCreate() { return 0; }
    // The window-creation hook; false ends the creation.
    virtual bool preCreateWindow() { return true; }

    // The icon every sheet window shows from now on, made once and shared by all.
    void setSheetWindowIcon(const Surface& image);
    // The menus without a sheet open and with one.
    void setMenus(const MenuBar& withoutSheet, const MenuBar& withSheet);
    // The menu bar on show now: the one with a sheet while a sheet window is open.
    const MenuBar& currentMenus() const;

    // --- toolbars ----------------------------------------------------------------------
    // Adds a bar, shown and docked at its side below (or beside) the bars before it.
    // `images` holds one picture per command button (separators have none); a
    // missing picture leaves the button blank. The bar's index, or -1 on failure.
    int addToolbar(const ToolbarSpec& barLayout, const std::vector<Surface>& images);
    int toolbarCount() const;
    const ToolbarSpec& toolbarSpec(int index) const;
    // Shows or hides a bar; the bars around it close up or make room.
    void showToolbar(int index, bool show);
    // Whether the bar is meant to be seen (also while the main window is hidden).
    bool toolbarVisible(int index) const;
    DockSide toolbarSide(int index) const;
    void dockToolbar(int index, DockSide side);
    // The bar layout stored in `section` of the settings: for each bar of resource
    // number R the entries "BarRVisible" (0/1) and "BarRDock" (0 top, 1 bottom,
    // 2 left, 3 right). Bars without entries stay as they are. False when the
    // section is absent.
    bool loadBarState(const std::string& section);
    // Asks the enabling handlers about every button, as the idle time does.
    void updateToolbarButtons();
    // The answer the button last got (enabled, checked); disabled before the first.
    CommandUpdate toolbarButtonState(int index, int id) const;
    // The picture a button shows (null when it has none).
    Surface toolbarButtonImage(int index, int id) const;

    // --- texts of commands -------------------------------------------------------------
    // The string-table entry of a command, Windows-1250: the status prompt, a line
    // break, the tooltip; empty when the command has none.
    void setCommandStrings(std::function<std::string(int id)> lookup);
    std::string commandPromptOf(int id) const;
    std::string commandTooltipOf(int id) const;
    // Fly-by help: while the pointer is on a menu item or toolbar button, pane 0
    // shows the command's prompt in place of its own text.
    void showCommandPrompt(int id);
    void endCommandPrompt();
    // The prompt on show now; empty when pane 0 shows its own text.
    const std::string& commandPrompt() const { return m_prompt; }

    // --- accelerators ------------------------------------------------------------------
    void setAccelerators(const std::vector<Accelerator>& table);
    const std::vector<Accelerator>& accelerators() const { return m_accelerators; }
    // What pressing the keys does: routes the command of their entry. Keys without
    // an entry that the sheet area knows itself (Ctrl+F6, Ctrl+Tab and the same with
    // Shift) cycle the sheet windows; other keys are unhandled.
    CommandResult pressAccelerator(const std::string& keys);

    // The size of the main window changed (after the bars have been laid out).
    virtual void onSize(int width, int height) {}
    void resize(int width, int height);
    // A status bar of `panes` text panes: pane 0 takes the free width, the others
    // `paneWidth` pixels each.
    bool createStatusBar(int panes, int paneWidth);
    StatusPanes* statusPanes() const;
    void setStatusBarVisible(bool visible);
    bool statusBarVisible() const;

    void show();
    bool isVisible() const;
    const std::string& title() const { return m_title; }
    // The caption as shown: the program's name and the active sheet's.
    std::string windowTitle() const;

    std::vector<MdiChild*> children() const;
    MdiChild* activeChild() const;
    // The Window menu's list of sheet windows: "&1 title" and so on, in the order
    // the windows were opened, the active one checked; the command of entry i is
    // kCmdSheetWindow1 + i.
    struct WindowListEntry {
        std::string text;  // as the child's title holds it (Windows-1250)
        int id = 0;
        bool checked = false;
    };
    std::vector<WindowListEntry> windowList() const;
    // The next (or previous) sheet window becomes the active one, round the list.
    void activateNextChild(bool forward);
    void cascade();
    void tile();
    void arrangeIcons();

    // The window's close button or Exit: true when every window closed.
    bool closeAll(bool ask);

    // Window commands, the status bar toggle and the toolbar toggle (which acts on
    // the first bar).
    bool onCommand(int id) override;
    bool onCommandUpdate(int id, CommandUpdate& state) override;
    bool hasCommand(int id) const override;

    // Framework bookkeeping.
    void addChild(MdiChild* child);
    void removeChild(MdiChild* child);
    void childActivated(MdiChild* child);
    void refreshMenus();
    void refreshTitle();

    struct Impl;
    Impl* impl() const { return m_impl.get(); }

private:
    std::unique_ptr<Impl> m_impl;
    std::string m_title;
    std::vector<MdiChild*> m_children;
    MdiChild* m_active = nullptr;
    std::function<std::string(int)> m_commandStrings;
    std::string m_prompt;
    std::vector<Accelerator> m_accelerators;
};

}  // namespace velk
