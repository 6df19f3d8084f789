// Documents and frame windows on the toolkit: the main window with its sheet
// area, menus and status bar, and the child windows that hold the views.
#include "platform/frame.h"

#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QCloseEvent>
#include <QIcon>
#include <QImage>
#include <QKeySequence>
#include <QLabel>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPixmap>
#include <QPointer>
#include <QShortcut>
#include <QStatusBar>
#include <QStyle>
#include <QToolBar>
#include <algorithm>

#include "platform/app.h"
#include "platform/document.h"
#include "platform/msgbox.h"
#include "platform/settings.h"
#include "platform/text1250.h"
#include "platform/viewhost.h"
#include "platform/window.h"

namespace velk {

namespace {

QString toDisplay(const std::string& text) { return QString::fromStdString(screenText(text)); }

MdiFrame* g_statusFrame = nullptr;

// Keys the sheet area knows by itself, whatever the accelerator table holds.
const Accelerator kSheetAreaKeys[] = {
    {"Ctrl+F6", kCmdWindowNext},
    {"Ctrl+Tab", kCmdWindowNext},
    {"Ctrl+Shift+F6", kCmdWindowPrevious},
    {"Ctrl+Shift+Tab", kCmdWindowPrevious},
};

}  // namespace

// ---------------------------------------------------------------------------------------
// Status bar

void DetachedStatusPanes::setPaneText(int pane, const std::string& text) {
    if (pane >= 0 && pane < 3) m_texts[pane] = text;
}

std::string DetachedStatusPanes::paneText(int pane) const {
    return pane >= 0 && pane < 3 ? m_texts[pane] : std::string();
}

namespace {

class StatusBarPanes : public StatusPanes {
public:
    StatusBarPanes(QStatusBar* bar, int panes, int paneWidth) : m_texts(static_cast<std::size_t>(panes)) {
        for (int i = 0; i < panes; ++i) {
            auto* label = new QLabel(bar);
            label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
            if (i == 0) {
                bar->addWidget(label, 1);
            } else {
                label->setFixedWidth(paneWidth);
                bar->addPermanentWidget(label);
            }
            m_labels.push_back(label);
        }
    }
    void setPaneText(int pane, const std::string& text) override {
        if (pane < 0 || pane >= static_cast<int>(m_labels.size())) return;
        std::string& held = m_texts[static_cast<std::size_t>(pane)];
        // Views set their texts often (every pointer move, every window coming
        // forward): a pane is drawn anew only when its text changes, and then by
        // the window's next paint like everything else.
        if (held == text) return;
        held = text;
        if (QLabel* label = m_labels[static_cast<std::size_t>(pane)]) label->setText(toDisplay(text));
    }
    std::string paneText(int pane) const override {
        if (pane < 0 || pane >= static_cast<int>(m_texts.size())) return std::string();
        return m_texts[static_cast<std::size_t>(pane)];
    }

private:
    std::vector<QPointer<QLabel>> m_labels;
    std::vector<std::string> m_texts;
};

}  // namespace

// ---------------------------------------------------------------------------------------
// Document

Document::Document() = default;

Document::~Document() = default;

bool Document::onNewDocument() {
    m_modified = false;
    return true;
}

void Document::setTitle(const std::string& title) {
    m_title = title;
    // Several windows of one document are told apart by a number after a colon.
    for (std::size_t i = 0; i < m_frames.size(); ++i)
        m_frames[i]->setTitle(m_frames.size() > 1 ? title + ":" + std::to_string(i + 1) : title);
}

bool Document::saveModified() {
    if (!m_modified) return true;
    // The title is the sheet's file name, Windows-1250; the prompt is the program's own.
    const std::string prompt = "¿Guardar los cambios en " + TextCodec1250::toUtf8(m_title) + "?";
    switch (messageBox(prompt, BoxButtons::YesNoCancel, BoxIcon::Warning)) {
        case BoxAnswer::No: return true;
        case BoxAnswer::Yes: return saveForClose() && !m_modified;
        default: return false;
    }
}

void Document::updateAllViews() {
    for (MdiChild* f : m_frames)
        if (f->view()) f->view()->invalidate(true);
}

void Document::attachFrame(MdiChild* frame) {
    m_frames.push_back(frame);
    setTitle(m_title);
}

void Document::detachFrame(MdiChild* frame) {
    m_frames.erase(std::remove(m_frames.begin(), m_frames.end(), frame), m_frames.end());
    setTitle(m_title);
}

bool Document::onCommand(int id) {
    if (id != kCmdFileClose) return false;
    if (!saveModified()) return true;
    // The document goes with its last window: close copies of the list.
    const std::vector<MdiChild*> frames = m_frames;
    for (MdiChild* f : frames) f->destroy();
    return true;
}

bool Document::hasCommand(int id) const { return id == kCmdFileClose; }

// ---------------------------------------------------------------------------------------
// Child frame

namespace {

// Every sheet window shows the same icon, made once: a window of its own would
// bring a new picture, and its scaled copy a new entry in the toolkit's cache.
// Never destroyed, as it must not outlive the application object. Until the
// program sets its own, the style's title-bar icon.
QIcon& sheetWindowIcon() {
    static QIcon* icon = new QIcon(QApplication::style()->standardIcon(QStyle::SP_TitleBarMenuButton));
    return *icon;
}

class ChildWindow : public QMdiSubWindow {
public:
    explicit ChildWindow(MdiChild* owner) : m_owner(owner) {}
    void release() { m_owner = nullptr; }

protected:
    void closeEvent(QCloseEvent* e) override {
        // Closing may ask the user and destroys this window: do it after the event.
        e->ignore();
        QMetaObject::invokeMethod(
            this, [this] { if (m_owner) m_owner->close(); }, Qt::QueuedConnection);
    }

private:
    MdiChild* m_owner;
};

}  // namespace

struct MdiChild::Impl {
    QPointer<ChildWindow> window;
    ViewHost* host = nullptr;
};

MdiChild::MdiChild() = default;

MdiChild::~MdiChild() {
    if (m_impl && m_impl->window) {
        ChildWindow* w = m_impl->window;
        w->release();
        if (QMdiArea* area = w->mdiArea()) area->removeSubWindow(w);
        w->hide();
        w->deleteLater();
    }
}

bool MdiChild::create(MdiFrame& frame, Document& document, std::unique_ptr<View> view) {
    if (!preCreateWindow() || !frame.impl()) return false;
    m_mainFrame = &frame;
    m_document = &document;
    m_view = std::move(view);
    m_impl = std::make_unique<Impl>();
    auto* window = new ChildWindow(this);
    window->setWindowIcon(sheetWindowIcon());
    m_impl->window = window;
    m_impl->host = new ViewHost(m_view.get(), window);
    window->setWidget(m_impl->host);
    window->setAttribute(Qt::WA_DeleteOnClose, false);
    // The area's own caption handling runs on a maximise or restore; the main
    // caption is put right once it has.
    QObject::connect(window, &QMdiSubWindow::windowStateChanged, window, [&frame] { frame.refreshTitle(); },
                     Qt::QueuedConnection);
    frame.addChild(this);
    document.attachFrame(this);
    return true;
}

void MdiChild::setTitle(const std::string& title) {
    m_title = title;
    if (m_impl && m_impl->window) m_impl->window->setWindowTitle(toDisplay(title));
    if (m_mainFrame) m_mainFrame->refreshTitle();
}

void MdiChild::show() {
    if (m_impl && m_impl->window) m_impl->window->show();
}

void MdiChild::activate() {
    if (m_mainFrame) m_mainFrame->childActivated(this);
}

bool MdiChild::isActive() const { return m_mainFrame && m_mainFrame->activeChild() == this; }

void MdiChild::showMaximized() {
    if (m_impl && m_impl->window) m_impl->window->showMaximized();
    if (m_mainFrame) m_mainFrame->refreshTitle();
}

void MdiChild::showNormal() {
    if (m_impl && m_impl->window) m_impl->window->showNormal();
    if (m_mainFrame) m_mainFrame->refreshTitle();
}

bool MdiChild::isMaximized() const { return m_impl && m_impl->window && m_impl->window->isMaximized(); }

bool MdiChild::close() {
    // Every window holds a sheet of its own: changes not saved are lost with any
    // window, not only with the document's last one, so any of them asks. The
    // window being closed is the one a Yes saves.
    if (m_document && m_document->isModifiedFlag()) {
        activate();
        if (!m_document->saveModified()) return false;
    }
    destroy();
    return true;
}

void MdiChild::destroy() {
    if (m_view) {
        m_view->onDestroy();
        m_view->killAllTimers();
    }
    m_view.reset();
    Document* doc = m_document;
    m_document = nullptr;
    if (doc) {
        doc->detachFrame(this);
        if (doc->frames().empty() && Application::instance()) Application::instance()->removeDocument(doc);
    }
    MdiFrame* frame = m_mainFrame;
    if (frame) frame->removeChild(this);  // deletes this window
}

// ---------------------------------------------------------------------------------------
// Main frame

namespace {

class MainWindow : public QMainWindow {
public:
    explicit MainWindow(MdiFrame* owner) : m_owner(owner) {
        // The bars are shown and hidden by the program's own commands only.
        setContextMenuPolicy(Qt::PreventContextMenu);
    }
    void release() { m_owner = nullptr; }

protected:
    void closeEvent(QCloseEvent* e) override {
        e->ignore();
        if (m_owner && Application::instance()) Application::instance()->exitApplication(true);
    }
    void resizeEvent(QResizeEvent* e) override {
        QMainWindow::resizeEvent(e);
        if (m_owner) m_owner->onSize(width(), height());
    }

private:
    MdiFrame* m_owner;
};

// Calls a function when the pointer leaves the watched widget.
class LeaveWatcher : public QObject {
public:
    LeaveWatcher(QObject* parent, std::function<void()> onLeave) : QObject(parent), m_onLeave(std::move(onLeave)) {}

protected:
    bool eventFilter(QObject* watched, QEvent* e) override {
        if (e->type() == QEvent::Leave) m_onLeave();
        return QObject::eventFilter(watched, e);
    }

private:
    std::function<void()> m_onLeave;
};

Qt::ToolBarArea areaOf(DockSide side) {
    switch (side) {
        case DockSide::Bottom: return Qt::BottomToolBarArea;
        case DockSide::Left: return Qt::LeftToolBarArea;
        case DockSide::Right: return Qt::RightToolBarArea;
        case DockSide::Top: break;
    }
    return Qt::TopToolBarArea;
}

QIcon iconOf(const Surface& image) {
    if (image.isNull()) return QIcon();
    const QImage wrapped(reinterpret_cast<const uchar*>(image.raw()), image.width(), image.height(),
                         image.width() * 4, QImage::Format_RGB32);
    return QIcon(QPixmap::fromImage(wrapped.copy()));
}

// The part of a string-table entry before (prompt) or after (tooltip) the line break.
std::string entryPart(const std::string& entry, bool tooltip) {
    const auto brk = entry.find('\n');
    if (brk == std::string::npos) return tooltip ? std::string() : entry;
    return tooltip ? entry.substr(brk + 1) : entry.substr(0, brk);
}

}  // namespace

struct MdiFrame::Impl {
    QPointer<MainWindow> window;
    QMdiArea* area = nullptr;
    QStatusBar* statusBar = nullptr;
    std::unique_ptr<StatusPanes> panes;
    MenuBar withoutSheet;
    MenuBar withSheet;
    bool showingSheetMenu = false;
    bool menusBuilt = false;
    std::vector<std::unique_ptr<MdiChild>> owned;

    struct ActionRef {
        QPointer<QAction> action;
        int id;
    };
    // The menus of one menu bar, made the first time the bar shows and kept while the
    // program runs: switching between the bars with and without a sheet only swaps
    // which set the menu bar holds, so opening sheet after sheet makes no new menus.
    struct MenuSet {
        std::vector<QPointer<QMenu>> menus;
        std::vector<ActionRef> actions;
        bool made = false;
    };
    MenuSet menuSets[2];  // without a sheet, with one

    struct ButtonRecord {
        int id = 0;
        QPointer<QAction> action;
        Surface image;
        CommandUpdate state{false, false};
    };
    struct BarRecord {
        ToolbarSpec barLayout;
        QPointer<QToolBar> bar;
        DockSide side = DockSide::Top;
        bool docked = false;
        std::vector<ButtonRecord> buttons;
    };
    std::vector<BarRecord> bars;
    std::vector<QPointer<QShortcut>> shortcuts;
    bool updatingButtons = false;
    MdiFrame* owner = nullptr;

    // Docks a bar at the side on a line of its own after the bars already there.
    void dock(BarRecord& rec, DockSide side) {
        const bool wasHidden = rec.bar->isHidden();
        const Qt::ToolBarArea area = areaOf(side);
        bool areaInUse = false;
        for (const BarRecord& other : bars)
            if (&other != &rec && other.docked && other.side == side) areaInUse = true;
        if (rec.docked) window->removeToolBar(rec.bar);
        if (areaInUse) window->addToolBarBreak(area);
        window->addToolBar(area, rec.bar);
        rec.side = side;
        rec.docked = true;
        rec.bar->setVisible(!wasHidden);
    }

    void addItems(QMenu* menu, const std::vector<MenuItem>& items, std::vector<ActionRef>& actions) {
        for (const MenuItem& item : items) {
            if (!item.items.empty()) {
                QMenu* sub = menu->addMenu(toDisplay(item.text.substr(0, item.text.find('\t'))));
                addItems(sub, item.items, actions);
                continue;
            }
            if (item.id == 0) {
                menu->addSeparator();
                continue;
            }
            if (item.id == kCmdWindowNew) {
                // The list of sheet windows follows the Window menu's own entries.
                QObject::connect(menu, &QMenu::aboutToShow, menu, [this, menu] { fillWindowList(menu); });
            }
            if (item.id == kCmdRecentFile1) {
                // The recent files are put in place of this entry when the menu opens.
                QMenu* recent = menu->addMenu(toDisplay(item.text));
                QObject::connect(recent, &QMenu::aboutToShow, recent, [recent] { fillRecent(recent); });
                continue;
            }
            // The text after the tab shows the keys; the accelerator table sends them.
            QAction* action = menu->addAction(toDisplay(item.text));
            const int id = item.id;
            // The toolkit shows an action's status tip over pane 0 while it is hovered.
            if (owner) action->setStatusTip(toDisplay(owner->commandPromptOf(id)));
            QObject::connect(action, &QAction::triggered, action, [id] {
                if (Application* app = Application::instance()) app->routeCommand(id);
            });
            QObject::connect(action, &QAction::hovered, action, [this, id] {
                if (owner) owner->showCommandPrompt(id);
            });
            actions.push_back({action, id});
        }
        QObject::connect(menu, &QMenu::aboutToShow, menu, [this] { updateActions(); });
        QObject::connect(menu, &QMenu::aboutToHide, menu, [this] {
            if (owner) owner->endCommandPrompt();
        });
    }

    void fillWindowList(QMenu* menu) {
        for (QAction* a : menu->actions())
            if (a->property("sheetWindowEntry").toBool()) {
                menu->removeAction(a);
                a->deleteLater();
            }
        if (!owner) return;
        const std::vector<MdiFrame::WindowListEntry> list = owner->windowList();
        if (list.empty()) return;
        QAction* separator = menu->addSeparator();
        separator->setProperty("sheetWindowEntry", true);
        for (const MdiFrame::WindowListEntry& e : list) {
            QAction* a = menu->addAction(toDisplay(e.text));
            a->setProperty("sheetWindowEntry", true);
            a->setCheckable(true);
            a->setChecked(e.checked);
            const int id = e.id;
            QObject::connect(a, &QAction::triggered, a, [id] {
                if (Application* app = Application::instance()) app->routeCommand(id);
            });
        }
    }

    static void fillRecent(QMenu* menu) {
        menu->clear();
        Application* app = Application::instance();
        if (!app || app->recentFiles().empty()) {
            menu->addAction(QStringLiteral("-"))->setEnabled(false);
            return;
        }
        const auto& files = app->recentFiles();
        for (std::size_t i = 0; i < files.size(); ++i) {
            const int id = kCmdRecentFile1 + static_cast<int>(i);
            QAction* a = menu->addAction(QStringLiteral("&%1 ").arg(i + 1) + toDisplay(files[i]));
            QObject::connect(a, &QAction::triggered, a, [id] {
                if (Application* application = Application::instance()) application->routeCommand(id);
            });
        }
    }

    void updateActions() {
        Application* app = Application::instance();
        for (ActionRef& ref : menuSets[showingSheetMenu ? 1 : 0].actions) {
            if (!ref.action) continue;
            CommandUpdate state;
            const CommandResult r = app ? app->commandState(ref.id, state) : CommandResult::Unhandled;
            ref.action->setEnabled(r == CommandResult::Handled);
            ref.action->setCheckable(state.checked);
            ref.action->setChecked(state.checked);
        }
    }

    void build(bool sheetMenu) {
        if (!window) return;
        if (menusBuilt && sheetMenu == showingSheetMenu) return;
        menusBuilt = true;
        showingSheetMenu = sheetMenu;
        MenuSet& set = menuSets[sheetMenu ? 1 : 0];
        if (!set.made) {
            for (const MenuItem& top : sheetMenu ? withSheet : withoutSheet) {
                auto* menu = new QMenu(toDisplay(top.text), window);
                addItems(menu, top.items, set.actions);
                set.menus.push_back(menu);
            }
            set.made = true;
        }
        // The bar lets go of the other set's menus without deleting them.
        QMenuBar* bar = window->menuBar();
        bar->clear();
        for (const QPointer<QMenu>& menu : set.menus)
            if (menu) bar->addMenu(menu);
    }

    // New texts or items: both sets are made again when they next show.
    void dropMenus() {
        menusBuilt = false;
        if (window) window->menuBar()->clear();
        for (MenuSet& set : menuSets) {
            for (const QPointer<QMenu>& menu : set.menus) delete menu.data();
            set = MenuSet();
        }
    }
};

MdiFrame::MdiFrame() = default;

MdiFrame::~MdiFrame() {
    if (g_statusFrame == this) g_statusFrame = nullptr;
    if (m_impl) {
        // The sheet windows go first; they still reach this frame while closing.
        while (!m_impl->owned.empty()) m_impl->owned.back()->destroy();
        if (m_impl->window) {
            MainWindow* w = m_impl->window;
            w->release();
            w->hide();
            delete w;
        }
    }
}

bool MdiFrame::create(const std::string& title) {
    if (!preCreateWindow()) return false;
    m_title = title;
    m_impl = std::make_unique<Impl>();
    m_impl->owner = this;
    m_impl->window = new MainWindow(this);
    m_impl->area = new QMdiArea(m_impl->window);
    m_impl->area->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_impl->area->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_impl->window->setCentralWidget(m_impl->area);
    m_impl->window->resize(1024, 768);
    // A window brought forward by a click goes the same way as one activated by a
    // command: the views on both sides hear of the change.
    QObject::connect(m_impl->area, &QMdiArea::subWindowActivated, m_impl->area, [this](QMdiSubWindow* w) {
        if (!w) return;
        for (MdiChild* c : m_children)
            if (c->impl() && c->impl()->window == w) {
                childActivated(c);
                return;
            }
    });
    // Toolbar buttons ask for their state when the program has nothing else to do.
    if (QAbstractEventDispatcher* dispatcher = QAbstractEventDispatcher::instance())
        QObject::connect(dispatcher, &QAbstractEventDispatcher::aboutToBlock, m_impl->window,
                         [this] { updateToolbarButtons(); });
    refreshTitle();
    if (onCreate() == -1) {
        m_impl.reset();
        return false;
    }
    return true;
}

void MdiFrame::setSheetWindowIcon(const Surface& image) {
    if (!image.isNull()) sheetWindowIcon() = iconOf(image);
}

void MdiFrame::setMenus(const MenuBar& withoutSheet, const MenuBar& withSheet) {
    if (!m_impl) return;
    m_impl->withoutSheet = withoutSheet;
    m_impl->withSheet = withSheet;
    m_impl->dropMenus();
    refreshMenus();
}

const MenuBar& MdiFrame::currentMenus() const {
    static const MenuBar none;
    if (!m_impl || !m_impl->menusBuilt) return none;
    return m_impl->showingSheetMenu ? m_impl->withSheet : m_impl->withoutSheet;
}

// ---------------------------------------------------------------------------------------
// Toolbars

int MdiFrame::addToolbar(const ToolbarSpec& barLayout, const std::vector<Surface>& images) {
    if (!m_impl || !m_impl->window) return -1;
    Impl::BarRecord rec;
    rec.barLayout = barLayout;
    auto* bar = new QToolBar(toDisplay(barLayout.title), m_impl->window);
    bar->setObjectName(QStringLiteral("bar%1").arg(barLayout.id));
    bar->setIconSize(QSize(std::max(1, barLayout.imageWidth), std::max(1, barLayout.imageHeight)));
    bar->setToolButtonStyle(Qt::ToolButtonIconOnly);
    rec.bar = bar;
    std::size_t image = 0;
    for (int id : barLayout.buttons) {
        if (id == 0) {
            bar->addSeparator();
            continue;
        }
        Impl::ButtonRecord button;
        button.id = id;
        if (image < images.size()) button.image = images[image];
        ++image;
        QAction* action = bar->addAction(iconOf(button.image), toDisplay(commandTooltipOf(id)));
        action->setToolTip(toDisplay(commandTooltipOf(id)));
        action->setStatusTip(toDisplay(commandPromptOf(id)));
        action->setEnabled(false);  // until the first enabling answer
        QObject::connect(action, &QAction::triggered, action, [id] {
            if (Application* app = Application::instance()) app->routeCommand(id);
        });
        QObject::connect(action, &QAction::hovered, action, [this, id] { showCommandPrompt(id); });
        // Leaving a button for a gap or separator of the bar ends its prompt too.
        if (QWidget* widget = bar->widgetForAction(action))
            widget->installEventFilter(new LeaveWatcher(widget, [this] { endCommandPrompt(); }));
        button.action = action;
        rec.buttons.push_back(std::move(button));
    }
    bar->installEventFilter(new LeaveWatcher(bar, [this] { endCommandPrompt(); }));
    m_impl->bars.push_back(std::move(rec));
    m_impl->dock(m_impl->bars.back(), barLayout.side);
    bar->setVisible(true);
    return static_cast<int>(m_impl->bars.size()) - 1;
}

int MdiFrame::toolbarCount() const { return m_impl ? static_cast<int>(m_impl->bars.size()) : 0; }

const ToolbarSpec& MdiFrame::toolbarSpec(int index) const {
    static const ToolbarSpec none;
    if (index < 0 || index >= toolbarCount()) return none;
    return m_impl->bars[static_cast<std::size_t>(index)].barLayout;
}

void MdiFrame::showToolbar(int index, bool show) {
    if (index < 0 || index >= toolbarCount()) return;
    if (QToolBar* bar = m_impl->bars[static_cast<std::size_t>(index)].bar) bar->setVisible(show);
}

bool MdiFrame::toolbarVisible(int index) const {
    if (index < 0 || index >= toolbarCount()) return false;
    const QToolBar* bar = m_impl->bars[static_cast<std::size_t>(index)].bar;
    return bar && !bar->isHidden();
}

DockSide MdiFrame::toolbarSide(int index) const {
    if (index < 0 || index >= toolbarCount()) return DockSide::Top;
    return m_impl->bars[static_cast<std::size_t>(index)].side;
}

void MdiFrame::dockToolbar(int index, DockSide side) {
    if (index < 0 || index >= toolbarCount()) return;
    Impl::BarRecord& rec = m_impl->bars[static_cast<std::size_t>(index)];
    if (rec.bar) m_impl->dock(rec, side);
}

bool MdiFrame::loadBarState(const std::string& section) {
    if (!Settings::hasSection(section)) return false;
    for (int i = 0; i < toolbarCount(); ++i) {
        const std::string bar = "Bar" + std::to_string(toolbarSpec(i).id);
        const int dock = Settings::readInt(section, bar + "Dock", -1);
        if (dock >= 0 && dock <= 3) dockToolbar(i, static_cast<DockSide>(dock));
        const int visible = Settings::readInt(section, bar + "Visible", -1);
        if (visible == 0 || visible == 1) showToolbar(i, visible == 1);
    }
    return true;
}

void MdiFrame::updateToolbarButtons() {
    if (!m_impl || m_impl->updatingButtons) return;
    Application* app = Application::instance();
    if (!app) return;
    m_impl->updatingButtons = true;
    for (Impl::BarRecord& rec : m_impl->bars) {
        // A hidden bar asks nothing: it is asked again when it shows.
        if (!rec.bar || rec.bar->isHidden()) continue;
        for (Impl::ButtonRecord& button : rec.buttons) {
            CommandUpdate state;
            const bool handled = app->commandState(button.id, state) == CommandResult::Handled;
            button.state = CommandUpdate{handled, state.checked};
            if (!button.action) continue;
            button.action->setEnabled(handled);
            button.action->setCheckable(state.checked);
            button.action->setChecked(state.checked);
        }
    }
    m_impl->updatingButtons = false;
}

CommandUpdate MdiFrame::toolbarButtonState(int index, int id) const {
    if (index >= 0 && index < toolbarCount())
        for (const Impl::ButtonRecord& b : m_impl->bars[static_cast<std::size_t>(index)].buttons)
            if (b.id == id) return b.state;
    return CommandUpdate{false, false};
}

Surface MdiFrame::toolbarButtonImage(int index, int id) const {
    if (index >= 0 && index < toolbarCount())
        for (const Impl::ButtonRecord& b : m_impl->bars[static_cast<std::size_t>(index)].buttons)
            if (b.id == id) return b.image;
    return Surface();
}

// ---------------------------------------------------------------------------------------
// Texts of commands and accelerators

void MdiFrame::setCommandStrings(std::function<std::string(int id)> lookup) {
    m_commandStrings = std::move(lookup);
    if (!m_impl) return;
    for (Impl::BarRecord& rec : m_impl->bars)
        for (Impl::ButtonRecord& b : rec.buttons)
            if (b.action) {
                b.action->setText(toDisplay(commandTooltipOf(b.id)));
                b.action->setToolTip(toDisplay(commandTooltipOf(b.id)));
                b.action->setStatusTip(toDisplay(commandPromptOf(b.id)));
            }
    m_impl->dropMenus();
    refreshMenus();
}

std::string MdiFrame::commandPromptOf(int id) const {
    return m_commandStrings ? entryPart(m_commandStrings(id), false) : std::string();
}

std::string MdiFrame::commandTooltipOf(int id) const {
    return m_commandStrings ? entryPart(m_commandStrings(id), true) : std::string();
}

void MdiFrame::showCommandPrompt(int id) {
    const std::string prompt = commandPromptOf(id);
    if (prompt.empty()) {
        endCommandPrompt();
        return;
    }
    m_prompt = prompt;
    if (m_impl && m_impl->statusBar) m_impl->statusBar->showMessage(toDisplay(prompt));
}

void MdiFrame::endCommandPrompt() {
    m_prompt.clear();
    if (m_impl && m_impl->statusBar) m_impl->statusBar->clearMessage();
}

void MdiFrame::setAccelerators(const std::vector<Accelerator>& table) {
    m_accelerators = table;
    if (!m_impl || !m_impl->window) return;
    for (auto& sc : m_impl->shortcuts) delete sc.data();
    m_impl->shortcuts.clear();
    for (const Accelerator& a : table) {
        auto* sc = new QShortcut(QKeySequence(QString::fromStdString(a.keys)), m_impl->window);
        sc->setContext(Qt::WindowShortcut);
        const int id = a.id;
        QObject::connect(sc, &QShortcut::activated, sc, [id] {
            if (Application* app = Application::instance()) app->routeCommand(id);
        });
        m_impl->shortcuts.push_back(sc);
    }
    // Ctrl+Tab stays with the sheet area, which cycles its windows by itself.
    for (const Accelerator& a : kSheetAreaKeys) {
        if (a.keys.find("Tab") != std::string::npos) continue;
        auto* sc = new QShortcut(QKeySequence(QString::fromStdString(a.keys)), m_impl->window);
        sc->setContext(Qt::WindowShortcut);
        const int id = a.id;
        QObject::connect(sc, &QShortcut::activated, sc, [id] {
            if (Application* app = Application::instance()) app->routeCommand(id);
        });
        m_impl->shortcuts.push_back(sc);
    }
}

CommandResult MdiFrame::pressAccelerator(const std::string& keys) {
    const QKeySequence pressed(QString::fromStdString(keys));
    Application* app = Application::instance();
    for (const Accelerator& a : m_accelerators)
        if (QKeySequence(QString::fromStdString(a.keys)) == pressed)
            return app ? app->routeCommand(a.id) : CommandResult::Unhandled;
    for (const Accelerator& a : kSheetAreaKeys)
        if (QKeySequence(QString::fromStdString(a.keys)) == pressed)
            return app ? app->routeCommand(a.id) : CommandResult::Unhandled;
    return CommandResult::Unhandled;
}

void MdiFrame::resize(int width, int height) {
    if (!m_impl || !m_impl->window) return;
    m_impl->window->resize(width, height);
    // A hidden window gets its resize event only when it shows.
    if (!m_impl->window->isVisible()) onSize(width, height);
}

void MdiFrame::refreshMenus() {
    if (m_impl) m_impl->build(!m_children.empty());
}

bool MdiFrame::createStatusBar(int panes, int paneWidth) {
    if (!m_impl || !m_impl->window || panes <= 0) return false;
    m_impl->statusBar = m_impl->window->statusBar();
    m_impl->panes = std::make_unique<StatusBarPanes>(m_impl->statusBar, panes, paneWidth);
    g_statusFrame = this;
    return true;
}

StatusPanes* MdiFrame::statusPanes() const { return m_impl ? m_impl->panes.get() : nullptr; }

void MdiFrame::setStatusBarVisible(bool visible) {
    if (m_impl && m_impl->statusBar) m_impl->statusBar->setVisible(visible);
}

bool MdiFrame::statusBarVisible() const {
    return m_impl && m_impl->statusBar && !m_impl->statusBar->isHidden();
}

void MdiFrame::show() {
    if (m_impl && m_impl->window) m_impl->window->show();
}

bool MdiFrame::isVisible() const { return m_impl && m_impl->window && m_impl->window->isVisible(); }

std::string MdiFrame::windowTitle() const {
    const MdiChild* active = activeChild();
    if (!active) return m_title;
    // A maximised sheet shows its name once, in brackets, as the sheet area does.
    return active->isMaximized() ? m_title + " - [" + active->title() + "]" : m_title + " - " + active->title();
}

std::vector<MdiFrame::WindowListEntry> MdiFrame::windowList() const {
    std::vector<WindowListEntry> list;
    for (std::size_t i = 0; i < m_children.size() && static_cast<int>(i) < kSheetWindowListLength; ++i) {
        const MdiChild* c = m_children[i];
        list.push_back({"&" + std::to_string(i + 1) + " " + c->title(), kCmdSheetWindow1 + static_cast<int>(i),
                        c == m_active});
    }
    return list;
}

void MdiFrame::activateNextChild(bool forward) {
    if (m_children.size() < 2) return;
    const auto it = std::find(m_children.begin(), m_children.end(), m_active);
    const std::size_t n = m_children.size();
    const std::size_t at = it == m_children.end() ? 0 : static_cast<std::size_t>(it - m_children.begin());
    m_children[forward ? (at + 1) % n : (at + n - 1) % n]->activate();
}

void MdiFrame::refreshTitle() {
    if (m_impl && m_impl->window) m_impl->window->setWindowTitle(toDisplay(windowTitle()));
}

std::vector<MdiChild*> MdiFrame::children() const { return m_children; }

MdiChild* MdiFrame::activeChild() const { return m_active; }

void MdiFrame::addChild(MdiChild* child) {
    m_children.push_back(child);
    if (m_impl) {
        m_impl->owned.emplace_back(child);
        if (m_impl->area && child->impl() && child->impl()->window) {
            QMdiSubWindow* w = child->impl()->window;
            m_impl->area->addSubWindow(w);
            const QSize area = m_impl->area->size();
            w->resize(std::max(320, area.width() * 3 / 4), std::max(240, area.height() * 3 / 4));
            // Each new window a step down and to the right of the one before.
            const int step = 24 * static_cast<int>((m_children.size() - 1) % 8);
            w->move(step, step);
        }
    }
    refreshMenus();
}

void MdiFrame::removeChild(MdiChild* child) {
    m_children.erase(std::remove(m_children.begin(), m_children.end(), child), m_children.end());
    // The window that comes forward is activated like any other, so that its view
    // hears of the change and shows its own mode again.
    if (m_active == child) m_active = nullptr;
    MdiChild* front = m_active ? m_active : (m_children.empty() ? nullptr : m_children.back());
    if (front) childActivated(front);
    refreshMenus();
    refreshTitle();
    if (m_impl) {
        auto& owned = m_impl->owned;
        auto it = std::find_if(owned.begin(), owned.end(), [child](const auto& p) { return p.get() == child; });
        if (it != owned.end()) {
            std::unique_ptr<MdiChild> dying = std::move(*it);
            owned.erase(it);
        }
    }
}

void MdiFrame::childActivated(MdiChild* child) {
    MdiChild* previous = m_active;
    // The views hear of the change once it is made, so the one coming forward
    // already finds itself the active one.
    m_active = child;
    if (previous != child) {
        if (previous && std::find(m_children.begin(), m_children.end(), previous) != m_children.end() &&
            previous->view())
            previous->view()->onActivate(false);
        if (child && child->view()) child->view()->onActivate(true);
    }
    if (m_impl && m_impl->area && child && child->impl() && child->impl()->window)
        m_impl->area->setActiveSubWindow(child->impl()->window);
    m_active = child;
    refreshTitle();
}

void MdiFrame::cascade() {
    if (m_impl && m_impl->area) m_impl->area->cascadeSubWindows();
}

void MdiFrame::tile() {
    if (m_impl && m_impl->area) m_impl->area->tileSubWindows();
}

void MdiFrame::arrangeIcons() {
    // Minimised windows line up along the bottom of the area by themselves.
}

bool MdiFrame::closeAll(bool ask) {
    Application* app = Application::instance();
    return app ? app->closeAllDocuments(ask) : true;
}

bool MdiFrame::onCommand(int id) {
    switch (id) {
        case kCmdWindowNew:
            if (Application* app = Application::instance()) app->newWindow();
            return true;
        case kCmdWindowCascade: cascade(); return true;
        case kCmdWindowTile: tile(); return true;
        case kCmdWindowArrange: arrangeIcons(); return true;
        case kCmdWindowNext: activateNextChild(true); return true;
        case kCmdWindowPrevious: activateNextChild(false); return true;
        case kCmdViewStatusBar: setStatusBarVisible(!statusBarVisible()); return true;
        case kCmdViewToolbar:
            if (toolbarCount() == 0) return false;
            showToolbar(0, !toolbarVisible(0));
            return true;
        default: break;
    }
    const int listed = id - kCmdSheetWindow1;
    if (listed >= 0 && listed < kSheetWindowListLength) {
        if (listed < static_cast<int>(m_children.size())) m_children[static_cast<std::size_t>(listed)]->activate();
        return true;
    }
    return false;
}

bool MdiFrame::onCommandUpdate(int id, CommandUpdate& state) {
    const int listed = id - kCmdSheetWindow1;
    if (listed >= 0 && listed < kSheetWindowListLength) {
        state.enable(listed < static_cast<int>(m_children.size()));
        state.check(state.enabled && m_children[static_cast<std::size_t>(listed)] == m_active);
        return true;
    }
    switch (id) {
        case kCmdWindowNew:
        case kCmdWindowCascade:
        case kCmdWindowTile:
        case kCmdWindowArrange: state.enable(activeChild() != nullptr); return true;
        case kCmdWindowNext:
        case kCmdWindowPrevious: state.enable(m_children.size() > 1); return true;
        case kCmdViewStatusBar:
            state.enable(m_impl && m_impl->statusBar);
            state.check(statusBarVisible());
            return true;
        case kCmdViewToolbar:
            if (toolbarCount() == 0) return false;
            state.enable(true);
            state.check(toolbarVisible(0));
            return true;
        default: return false;
    }
}

bool MdiFrame::hasCommand(int id) const {
    const int listed = id - kCmdSheetWindow1;
    return id == kCmdWindowNew || id == kCmdWindowCascade || id == kCmdWindowTile || id == kCmdWindowArrange ||
           id == kCmdWindowNext || id == kCmdWindowPrevious || (listed >= 0 && listed < kSheetWindowListLength) ||
           id == kCmdViewStatusBar || (id == kCmdViewToolbar && toolbarCount() > 0);
}

StatusPanes* mainStatusPanes() { return g_statusFrame ? g_statusFrame->statusPanes() : nullptr; }

}  // namespace velk
