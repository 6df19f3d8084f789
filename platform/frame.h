#pragma once
// Frame windows of the multi-document program: the main window with its menu bar,
// the area of sheet windows and the status bar, and the child frame that holds one
// view in that area.
#include <memory>
#include <string>
#include <vector>

#include "platform/command.h"
#include "platform/statusbar.h"

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

    // The menus without a sheet open and with one.
    void setMenus(const MenuBar& withoutSheet, const MenuBar& withSheet);
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
    void cascade();
    void tile();
    void arrangeIcons();

    // The window's close button or Exit: true when every window closed.
    bool closeAll(bool ask);

    // Window commands and the status bar toggle.
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
};

}  // namespace velk
