// The application of the framework: start of the toolkit, New, windows on a
// document, the recent files and the routing of commands.
#include "platform/app.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <algorithm>
#include <filesystem>

#include "platform/document.h"
#include "platform/frame.h"
#include "platform/settings.h"
#include "platform/window.h"

namespace velk {

namespace {

Application* g_instance = nullptr;
int g_toolkitArgc = 1;
char g_toolkitName[] = "velkarion";
char* g_toolkitArgv[] = {g_toolkitName, nullptr};
bool g_eventLoopRunning = false;

const char* const kRecentSection = "Recent File List";

std::string recentEntry(int i) { return "File" + std::to_string(i + 1); }

}  // namespace

// ---------------------------------------------------------------------------------------
// Toolkit

namespace {

// The one place the application object is made, whoever needs it first: the
// program's start, the test kit, or text drawing before either. Everything the
// program relies on in it is set here, so it is the same whichever way it came.
void startApplicationObject(char* programName) {
    if (QCoreApplication::instance()) return;
    // The toolkit keeps the argument vector for its whole life.
    if (programName) g_toolkitArgv[0] = programName;
    g_toolkitArgc = 1;
    new QApplication(g_toolkitArgc, g_toolkitArgv);
    QApplication::setQuitOnLastWindowClosed(false);
    // The standard dialogs (files, printing, message-box buttons) speak Polish like
    // the menus, with the toolkit's own translations.
    auto* translator = new QTranslator(qApp);
    if (translator->load(QLocale(QLocale::Polish), QStringLiteral("qtbase"), QStringLiteral("_"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(translator);
    else
        delete translator;
}

}  // namespace

Toolkit::Toolkit(int& argc, char** argv) { startApplicationObject(argc > 0 && argv ? argv[0] : nullptr); }

void Toolkit::ensureStarted() {
    if (QCoreApplication::instance()) return;
    // Without a screen (a test or benchmark drawing text) the toolkit runs headless.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM") && !qEnvironmentVariableIsSet("DISPLAY") &&
        !qEnvironmentVariableIsSet("WAYLAND_DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    startApplicationObject(nullptr);
}

std::string Toolkit::standardText(const char* english) {
    QString text = QCoreApplication::translate("QPlatformTheme", english);
    text.remove(QLatin1Char('&'));
    return text.toStdString();
}

int Toolkit::exec() {
    g_eventLoopRunning = true;
    const int code = QApplication::exec();
    g_eventLoopRunning = false;
    return code;
}

bool Toolkit::running() { return g_eventLoopRunning; }

void Toolkit::processEvents() {
    if (QCoreApplication::instance()) QCoreApplication::processEvents();
}

// ---------------------------------------------------------------------------------------
// Application

Application::Application() { g_instance = this; }

Application::~Application() {
    // Windows go before their documents; the main frame closes what is still open.
    m_mainFrame.reset();
    m_documents.clear();
    if (g_instance == this) g_instance = nullptr;
}

Application* Application::instance() { return g_instance; }

CommandLineInfo Application::parseCommandLine() const {
    CommandLineInfo info;
    for (std::size_t i = 1; i < m_args.size(); ++i) {
        const std::string& a = m_args[i];
        if (a.empty() || a[0] == '-') continue;
        info.shell = CommandLineInfo::Shell::FileOpen;
        info.fileName = a;
        break;
    }
    return info;
}

bool Application::processShellCommand(const CommandLineInfo& info) {
    switch (info.shell) {
        case CommandLineInfo::Shell::FileNew: return newDocument() != nullptr;
        case CommandLineInfo::Shell::FileOpen: return openDocumentFile(info.fileName);
        case CommandLineInfo::Shell::Nothing: return true;
    }
    return true;
}

void Application::setRegistryKey(const std::string& key) { Settings::setKey(key); }

void Application::loadStdProfileSettings(int recentCount) {
    m_recentCount = std::clamp(recentCount, 0, kRecentFileCount);
    m_recent.clear();
    for (int i = 0; i < m_recentCount; ++i) {
        const std::string path = Settings::readString(kRecentSection, recentEntry(i));
        if (!path.empty()) m_recent.push_back(path);
    }
}

void Application::addToRecentFiles(const std::string& path) {
    if (m_recentCount == 0 || path.empty()) return;
    m_recent.erase(std::remove(m_recent.begin(), m_recent.end(), path), m_recent.end());
    m_recent.insert(m_recent.begin(), path);
    if (static_cast<int>(m_recent.size()) > m_recentCount) m_recent.resize(static_cast<std::size_t>(m_recentCount));
    for (int i = 0; i < m_recentCount; ++i) {
        if (i < static_cast<int>(m_recent.size()))
            Settings::writeString(kRecentSection, recentEntry(i), m_recent[static_cast<std::size_t>(i)]);
        else
            Settings::removeEntry(kRecentSection, recentEntry(i));
    }
    Settings::sync();
}

void Application::addDocTemplate(DocTemplate tmpl) { m_templates.push_back(std::move(tmpl)); }

void Application::setMainFrame(std::unique_ptr<MdiFrame> frame) { m_mainFrame = std::move(frame); }

MdiChild* Application::createWindow(Document& doc) {
    if (m_templates.empty() || !m_mainFrame) return nullptr;
    const DocTemplate& t = m_templates.front();
    std::unique_ptr<MdiChild> child = t.createFrame();
    std::unique_ptr<View> view = t.createView(doc);
    if (!child || !view) return nullptr;
    MdiChild* raw = child.get();
    if (!raw->create(*m_mainFrame, doc, std::move(view))) return nullptr;
    child.release();  // the main frame owns it now
    return raw;
}

Document* Application::newDocument() {
    if (m_templates.empty() || !m_mainFrame) return nullptr;
    const DocTemplate& t = m_templates.front();
    m_documents.push_back(t.createDocument());
    Document* doc = m_documents.back().get();
    MdiChild* child = createWindow(*doc);
    if (!child) {
        removeDocument(doc);
        return nullptr;
    }
    ++m_untitledCount;
    doc->setTitle(t.untitledName + std::to_string(m_untitledCount));
    if (!doc->onNewDocument()) {
        --m_untitledCount;
        child->destroy();
        return nullptr;
    }
    // The view is set up before its window shows; the window then comes up active.
    child->view()->onInitialUpdate();
    child->show();
    child->activate();
    return doc;
}

MdiChild* Application::newWindow() {
    MdiChild* active = m_mainFrame ? m_mainFrame->activeChild() : nullptr;
    if (!active || !active->document()) return nullptr;
    MdiChild* child = createWindow(*active->document());
    if (!child) return nullptr;
    child->view()->onInitialUpdate();
    if (active->view()) child->view()->onNewWindowOf(*active->view());
    child->show();
    child->activate();
    return child;
}

bool Application::openDocumentFile(const std::string& path) {
    // The framework's own opening reads nothing: a window titled with the name.
    Document* doc = newDocument();
    if (!doc) return false;
    doc->setTitle(std::filesystem::path(path).filename().string());
    addToRecentFiles(path);
    return true;
}

std::vector<Document*> Application::documents() const {
    std::vector<Document*> docs;
    for (const auto& d : m_documents) docs.push_back(d.get());
    return docs;
}

void Application::removeDocument(Document* doc) {
    auto it = std::find_if(m_documents.begin(), m_documents.end(), [doc](const auto& p) { return p.get() == doc; });
    if (it == m_documents.end()) return;
    std::unique_ptr<Document> dying = std::move(*it);
    m_documents.erase(it);
}

bool Application::closeAllDocuments(bool ask) {
    if (ask)
        for (Document* doc : documents())
            if (!doc->saveModified()) return false;
    for (Document* doc : documents()) {
        const std::vector<MdiChild*> frames = doc->frames();
        for (MdiChild* f : frames) f->destroy();
    }
    return true;
}

bool Application::exitApplication(bool ask) {
    if (!closeAllDocuments(ask)) return false;
    if (Toolkit::running()) QCoreApplication::quit();
    return true;
}

std::vector<CommandTarget*> Application::commandChain() const {
    std::vector<CommandTarget*> chain;
    MdiChild* child = m_mainFrame ? m_mainFrame->activeChild() : nullptr;
    if (child) {
        if (child->view()) chain.push_back(child->view());
        if (child->document()) chain.push_back(child->document());
        chain.push_back(child);
    }
    if (m_mainFrame) chain.push_back(m_mainFrame.get());
    chain.push_back(const_cast<Application*>(this));
    return chain;
}

CommandResult Application::commandState(int id, CommandUpdate& state) const {
    const std::vector<CommandTarget*> chain = commandChain();
    for (CommandTarget* t : chain)
        if (t->onCommandUpdate(id, state)) return state.enabled ? CommandResult::Handled : CommandResult::Disabled;
    for (CommandTarget* t : chain)
        if (t->hasCommand(id)) {
            state.enabled = true;
            return CommandResult::Handled;
        }
    state.enabled = false;
    return CommandResult::Unhandled;
}

CommandResult Application::routeCommand(int id) {
    CommandUpdate state;
    const CommandResult s = commandState(id, state);
    if (s != CommandResult::Handled) return s;
    for (CommandTarget* t : commandChain())
        if (t->onCommand(id)) return CommandResult::Handled;
    return CommandResult::Unhandled;
}

bool Application::onCommand(int id) {
    if (id == kCmdFileNew) {
        newDocument();
        return true;
    }
    if (id == kCmdAppExit) {
        exitApplication(true);
        return true;
    }
    const int recent = id - kCmdRecentFile1;
    if (recent >= 0 && recent < static_cast<int>(m_recent.size())) {
        const std::string path = m_recent[static_cast<std::size_t>(recent)];
        openDocumentFile(path);
        return true;
    }
    return false;
}

bool Application::onCommandUpdate(int id, CommandUpdate& state) {
    const int recent = id - kCmdRecentFile1;
    if (recent >= 0 && recent < kRecentFileCount) {
        state.enable(recent < static_cast<int>(m_recent.size()));
        return true;
    }
    return false;
}

bool Application::hasCommand(int id) const {
    const int recent = id - kCmdRecentFile1;
    return id == kCmdFileNew || id == kCmdAppExit || (recent >= 0 && recent < kRecentFileCount);
}

}  // namespace velk
