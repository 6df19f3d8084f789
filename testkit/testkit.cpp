// The headless driver of the program.
#include "testkit/testkit.h"

#include <QCoreApplication>
#include <QEvent>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "app/MainFrm.h"
#include "app/Velkarion.h"
#include "app/VelkarionDoc.h"
#include "dialogs/Librerias.h"
#include "model/DriveParameters.h"
#include "model/VelkarionView.h"
#include "platform/app.h"
#include "platform/colordlg.h"
#include "platform/print.h"
#include "platform/textentry.h"
#include "platform/document.h"
#include "platform/frame.h"
#include "platform/settings.h"
#include "platform/statusbar.h"
#include "platform/window.h"
#include "render/Clock.h"
#include "render/Paint.h"

namespace velk::testkit {

namespace {

Session* g_session = nullptr;

// One toolkit for the whole test program: it cannot be started twice.
void startToolkitOnce() {
    static bool started = false;
    if (started) return;
    started = true;
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    static int argc = 1;
    static char name[] = "velkarion_tests";
    static char* argv[] = {name, nullptr};
    Toolkit toolkit(argc, argv);
}

// Program-wide values back to what a fresh run starts with.
void resetProgramState() {
    g_firstPaintDone = 0;
    g_viewOnlyRepaint = 0;
    g_openOnInit = 0;
    g_currentTool = 0;
    g_toolSubKind = 0;
    g_itemPicked = 0;
    g_selectionCount = 0;
    g_pictureCount = 0;
    g_simSpeed = 50;
    g_analogSetpoint = 0.0f;
}

MdiChild* frameOf(CVelkarionView& view) {
    Application* app = Application::instance();
    if (!app || !app->mainFrame()) return nullptr;
    for (MdiChild* c : app->mainFrame()->children())
        if (c->view() == &view) return c;
    return nullptr;
}

void deleteClosedWindows() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

}  // namespace

Session::Session() : Session(SessionOptions{}) {}

Session::Session(const SessionOptions& options) {
    if (g_session) throw std::logic_error("one Session at a time");
    startToolkitOnce();

    std::error_code ec;
    m_previousDir = std::filesystem::current_path(ec).string();
    if (options.workDir.empty()) {
        std::string pattern = (std::filesystem::temp_directory_path() / "velkarion-XXXXXX").string();
        if (!mkdtemp(pattern.data())) throw std::runtime_error("cannot make a working directory");
        m_workDir = pattern;
        m_ownsWorkDir = true;
    } else {
        m_workDir = std::filesystem::absolute(options.workDir).string();
    }
    std::filesystem::current_path(m_workDir);
    g_session = this;

    install();
    resetProgramState();
    m_app = std::make_unique<CVelkarionApp>();
    std::vector<std::string> args{"velkarion"};
    args.insert(args.end(), options.args.begin(), options.args.end());
    if (!options.startupSheet && options.args.empty()) args.push_back(kNoSheetOption);
    m_app->setCommandLine(args);
    if (!m_app->InitInstance()) {
        m_app.reset();
        uninstall();
        throw std::runtime_error("the program did not start");
    }
    flush();
}

Session::~Session() {
    if (m_app) {
        m_app->closeAllDocuments(false);
        m_app.reset();
    }
    deleteClosedWindows();
    uninstall();
    resetProgramState();
    std::error_code ec;
    std::filesystem::current_path(m_previousDir, ec);
    if (m_ownsWorkDir) std::filesystem::remove_all(m_workDir, ec);
    g_session = nullptr;
}

void Session::install() {
    Settings::useFile((std::filesystem::path(m_workDir) / "settings.ini").string());
    setTimersAutomatic(false);
    setFixedClientSize(kClientWidth, kClientHeight);
    setMessageBoxHandler([this](const BoxRecord& box) {
        m_messages.push_back(box);
        if (box.buttons == BoxButtons::Ok) return BoxAnswer::Ok;
        if (!m_boxAnswers.empty()) {
            const BoxAnswer a = m_boxAnswers.front();
            m_boxAnswers.pop_front();
            return a;
        }
        if (m_defaultAnswer) return *m_defaultAnswer;
        return box.buttons == BoxButtons::OkCancel ? BoxAnswer::Cancel : BoxAnswer::No;
    });
    setFileDialogHandler([this](const FileDialogRequest& request) -> std::optional<std::string> {
        m_fileDialogs.push_back(request);
        if (m_fileAnswers.empty()) return std::nullopt;
        std::string path = m_fileAnswers.front();
        m_fileAnswers.pop_front();
        if (path.empty()) return std::nullopt;
        return path;
    });
    setInfoDialogHandler([this](const InfoDialog& dialog) {
        m_dialogs.push_back({dialog.name, dialog.caption, dialog.lines});
        return DialogResult::Ok;  // closed at once, as by Enter
    });
    // Nobody can close a dialog on an offscreen display: until a test answers them
    // itself, the remaining dialogs are cancelled at once.
    setTextEntryHandler([](const TextEntryRequest&) { return std::optional<std::string>(); });
    setColorDialogHandler([](Color) { return std::optional<Color>(); });
    setPrintDialogHandler([] { return false; });
    setPrintSetupHandler([] { return false; });
    setPrintPreviewHandler([](const std::vector<Surface>&) {});
    setModalDialogHandler([this](Dialog& dialog) {
        m_modalRuns.push_back(dialog.resourceId());
        for (auto it = m_dialogAnswers.begin(); it != m_dialogAnswers.end(); ++it) {
            if (it->first != dialog.resourceId()) continue;
            const DialogScript script = std::move(it->second);
            m_dialogAnswers.erase(it);
            DialogDriver driver(dialog);
            script(driver);
            if (dialog.isOpen())
                m_dialogFailures.push_back("dialog " + std::to_string(dialog.resourceId()) +
                                           " was left open by its script");
            return;
        }
        m_dialogFailures.push_back("dialog " + std::to_string(dialog.resourceId()) + " ran without an answer");
    });
}

void Session::uninstall() {
    setMessageBoxHandler(nullptr);
    setFileDialogHandler(nullptr);
    setInfoDialogHandler(nullptr);
    setTextEntryHandler(nullptr);
    setColorDialogHandler(nullptr);
    setPrintDialogHandler(nullptr);
    setPrintSetupHandler(nullptr);
    setPrintPreviewHandler(nullptr);
    setModalDialogHandler(nullptr);
    clearOpenDialogPreset();
    setTimersAutomatic(true);
    setFixedClientSize(0, 0);
    Settings::useFile(std::string());
}

CVelkarionApp& Session::app() { return *m_app; }

CMainFrame& Session::mainFrame() { return *static_cast<CMainFrame*>(m_app->mainFrame()); }

void Session::writeFile(const std::string& name, const std::string& bytes) const {
    std::ofstream out(std::filesystem::path(m_workDir) / name, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::vector<CVelkarionView*> Session::views() const {
    std::vector<CVelkarionView*> result;
    if (!m_app || !m_app->mainFrame()) return result;
    for (MdiChild* c : m_app->mainFrame()->children())
        if (auto* v = dynamic_cast<CVelkarionView*>(c->view())) result.push_back(v);
    return result;
}

CVelkarionView* Session::activeView() const {
    if (!m_app || !m_app->mainFrame() || !m_app->mainFrame()->activeChild()) return nullptr;
    return dynamic_cast<CVelkarionView*>(m_app->mainFrame()->activeChild()->view());
}

CVelkarionDoc& Session::document(CVelkarionView& view) {
    auto* doc = dynamic_cast<CVelkarionDoc*>(view.GetDocument());
    if (!doc) throw std::logic_error("the view has no sheet document");
    return *doc;
}

std::string Session::windowTitle(CVelkarionView& view) const {
    MdiChild* frame = frameOf(view);
    return frame ? frame->title() : std::string();
}

std::string Session::mainTitle() const { return m_app->mainFrame()->windowTitle(); }

bool Session::closeWindow(CVelkarionView& view) {
    MdiChild* frame = frameOf(view);
    if (!frame) throw std::logic_error("the view has no window");
    const bool closed = frame->close();
    deleteClosedWindows();
    flush();
    return closed;
}

StatusPanes& Session::statusPanes() {
    StatusPanes* panes = mainStatusPanes();
    if (!panes) throw NotBuiltYet("the main window has no status bar");
    return *panes;
}

std::string Session::paneText(int pane) { return statusPanes().paneText(pane); }

CVelkarionView& Session::newSheet() {
    const std::vector<CVelkarionView*> before = views();
    command(kCmdFileNew);
    const std::vector<CVelkarionView*> after = views();
    if (after.size() <= before.size()) throw std::runtime_error("File New made no window");
    return *after.back();
}

CVelkarionView& Session::openSheet(const std::string& path) {
    m_fileAnswers.push_front(path);
    const std::vector<CVelkarionView*> before = views();
    command(kCmdFileOpen);
    const std::vector<CVelkarionView*> after = views();
    if (after.size() <= before.size()) throw std::runtime_error("File Open made no window");
    return *after.back();
}

void Session::answerFileDialogs(std::vector<std::string> paths) {
    for (std::string& p : paths) m_fileAnswers.push_back(std::move(p));
}

void Session::answerBoxes(std::vector<BoxAnswer> answers) {
    for (BoxAnswer a : answers) m_boxAnswers.push_back(a);
}

int Session::dialogCount(const std::string& name) const {
    int n = 0;
    for (const DialogRecord& d : m_dialogs)
        if (d.name == name) ++n;
    return n;
}

CommandResult Session::command(CVelkarionView& view, int id) {
    MdiChild* frame = frameOf(view);
    if (!frame) throw std::logic_error("the view has no window");
    frame->activate();
    const CommandResult r = m_app->routeCommand(id);
    deleteClosedWindows();
    flush();
    throwDialogFailures();
    return r;
}

CommandResult Session::command(int id) {
    const CommandResult r = m_app->routeCommand(id);
    deleteClosedWindows();
    flush();
    throwDialogFailures();
    return r;
}

void Session::answerDialog(int resourceId, DialogScript script) {
    m_dialogAnswers.emplace_back(resourceId, std::move(script));
}

void Session::throwDialogFailures() {
    if (m_dialogFailures.empty()) return;
    std::string what = m_dialogFailures.front();
    m_dialogFailures.clear();
    throw std::logic_error(what);
}

void Session::openLibraries() {
    CLibreriasDlg dialog;
    dialog.runModal();
    flush();
    throwDialogFailures();
}

DialogDriver Session::modeless(int resourceId) {
    const std::vector<Dialog*> open = openModelessDialogs();
    for (auto it = open.rbegin(); it != open.rend(); ++it)
        if ((*it)->resourceId() == resourceId) return DialogDriver(**it);
    throw std::logic_error("no modeless dialog " + std::to_string(resourceId) + " is open");
}

// --- dialog driver ----------------------------------------------------------------------

void DialogDriver::require(int id) const {
    if (!m_dialog->row(id))
        throw std::logic_error("dialog " + std::to_string(m_dialog->resourceId()) + " has no control " +
                               std::to_string(id));
}

void DialogDriver::setText(int id, const std::string& utf8) {
    require(id);
    m_dialog->setFocus(id);
    m_dialog->userEdit(id, utf8);
}

void DialogDriver::click(int id) {
    require(id);
    m_dialog->userClick(id);
}

void DialogDriver::select(int id, int index) {
    require(id);
    m_dialog->userSelect(id, index);
}

void DialogDriver::select(int id, const std::string& item) {
    require(id);
    for (int i = 0; i < m_dialog->itemCount(id); ++i)
        if (m_dialog->itemText(id, i) == item) {
            m_dialog->userSelect(id, i);
            return;
        }
    throw std::logic_error("control " + std::to_string(id) + " has no item \"" + item + "\"");
}

void DialogDriver::scroll(int id, int code, int position) {
    require(id);
    m_dialog->userScroll(id, code, position);
}

std::string DialogDriver::text(int id) const {
    require(id);
    return m_dialog->text(id);
}

bool DialogDriver::checked(int id) const {
    require(id);
    return m_dialog->checked(id) != 0;
}

bool DialogDriver::visible(int id) const {
    require(id);
    return m_dialog->isVisible(id);
}

bool DialogDriver::enabled(int id) const {
    require(id);
    return m_dialog->isEnabled(id);
}

std::optional<bool> Session::isEnabled(CVelkarionView& view, int id) {
    if (MdiChild* frame = frameOf(view)) frame->activate();
    CommandUpdate state;
    if (m_app->commandState(id, state) == CommandResult::Unhandled) return std::nullopt;
    return state.enabled;
}

std::optional<bool> Session::isChecked(CVelkarionView& view, int id) {
    if (MdiChild* frame = frameOf(view)) frame->activate();
    CommandUpdate state;
    if (m_app->commandState(id, state) == CommandResult::Unhandled) return std::nullopt;
    return state.checked;
}

void Session::tick(CVelkarionView& view, int n) {
    for (int i = 0; i < n; ++i) {
        if (!view.hasTimer(kSimulationTimerId)) return;
        view.onTimer(kSimulationTimerId);
        flush();
    }
}

void Session::press(CVelkarionView& view, int x, int y) {
    m_buttons |= kMouseLeft;
    view.onLeftDown(m_buttons, {x, y});
    flush();
}

void Session::release(CVelkarionView& view, int x, int y) {
    m_buttons &= ~kMouseLeft;
    view.onLeftUp(m_buttons, {x, y});
    flush();
}

void Session::move(CVelkarionView& view, int x, int y) {
    view.onMouseMove(m_buttons, {x, y});
    flush();
}

void Session::doubleClick(CVelkarionView& view, int x, int y) {
    // As the desktop delivers it: down, up, double click, up.
    view.onLeftDown(kMouseLeft, {x, y});
    view.onLeftUp(0, {x, y});
    view.onLeftDoubleClick(kMouseLeft, {x, y});
    view.onLeftUp(0, {x, y});
    m_buttons &= ~kMouseLeft;
    flush();
    throwDialogFailures();
}

void Session::rightPress(CVelkarionView& view, int x, int y) {
    view.onRightDown(kMouseRight, {x, y});
    view.onRightUp(0, {x, y});
    flush();
}

void Session::key(CVelkarionView& view, int keyCode) {
    view.onKeyDown(keyCode, 1, 0);
    flush();
}

Point Session::unitsToWindow(CVelkarionView& view, int u, int v) {
    const SheetDocument* doc = view.GetDocument();
    const double zoom = doc ? doc->m_zoom : 2.0;
    const Point scroll = view.scrollPosition();
    return {static_cast<int>(std::trunc(u * zoom)) - scroll.x, static_cast<int>(std::trunc(v * zoom)) - scroll.y};
}

const Surface& Session::surface(CVelkarionView& view) {
    flush();
    return view.surface();
}

void Session::flush() {
    for (int round = 0; round < 4; ++round) {
        Toolkit::processEvents();
        runAllPendingPaints();
        bool pending = hasDeferredBoxes();
        for (int i = 0; i < liveViewCount(); ++i)
            if (liveView(i)->hasPendingPaint()) pending = true;
        if (!pending) break;
    }
}

}  // namespace velk::testkit
