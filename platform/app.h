#pragma once
// The application of the document/view framework: one document template, the
// main frame, the command line, the recent-file list, New and the routing of
// commands. The toolkit itself is started once per process by Toolkit.
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/command.h"

namespace velk {

class Document;
class MdiChild;
class MdiFrame;
class View;

// Starts the toolkit for this process (once; later calls reuse it), with the
// standard dialogs in Polish, whichever of these starts it.
class Toolkit {
public:
    Toolkit(int& argc, char** argv);
    // For a part that needs the toolkit before the program or the test kit has
    // started it (fonts for drawing text): headless when there is no display.
    static void ensureStarted();
    // Runs the event loop until the program quits; its exit code.
    static int exec();
    static bool running();
    // Handles the events that are waiting now.
    static void processEvents();
    // The text the toolkit's standard dialogs show for one of their own English
    // texts (context "QPlatformTheme", e.g. "&Yes"), without the mnemonic: in
    // Polish, like the menus, where the toolkit's translations are installed.
    static std::string standardText(const char* english);
};

// How the framework makes the three parts of a sheet window.
struct DocTemplate {
    // Untitled documents are named this and a running number from 1.
    std::string untitledName;
    std::function<std::unique_ptr<Document>()> createDocument;
    std::function<std::unique_ptr<MdiChild>()> createFrame;
    std::function<std::unique_ptr<View>(Document&)> createView;
};

struct CommandLineInfo {
    enum class Shell { FileNew, FileOpen, Nothing };
    Shell shell = Shell::FileNew;
    std::string fileName;  // Windows-1250
};

class Application : public CommandTarget {
public:
    Application();
    ~Application() override;
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    static Application* instance();

    void setCommandLine(std::vector<std::string> args) { m_args = std::move(args); }
    const std::vector<std::string>& commandLine() const { return m_args; }
    // The first argument that is not an option is a file to open; none means New.
    CommandLineInfo parseCommandLine() const;
    // New, the opening of a file, or nothing; false when that failed.
    bool processShellCommand(const CommandLineInfo& info);

    // The settings key and the recent-file list of `recentCount` entries.
    void setRegistryKey(const std::string& key);
    void loadStdProfileSettings(int recentCount);
    const std::vector<std::string>& recentFiles() const { return m_recent; }
    void addToRecentFiles(const std::string& path);

    void addDocTemplate(DocTemplate tmpl);
    void setMainFrame(std::unique_ptr<MdiFrame> frame);
    MdiFrame* mainFrame() const { return m_mainFrame.get(); }

    // The framework's New: document, child frame and view, then the view's
    // initial update. The new document, or nullptr when its creation failed.
    Document* newDocument();
    // A second window on the active sheet's document.
    MdiChild* newWindow();
    // A file named on the command line or chosen from the recent files.
    virtual bool openDocumentFile(const std::string& path);

    std::vector<Document*> documents() const;
    void removeDocument(Document* doc);

    // Every window closes (asking to save when `ask`); false when one stayed open.
    bool closeAllDocuments(bool ask);
    // Exit: closes every window, then the main frame, and ends the event loop.
    bool exitApplication(bool ask = true);

    // Command routing: active view, its document, its child frame, the main frame,
    // the application.
    std::vector<CommandTarget*> commandChain() const;
    CommandResult routeCommand(int id);
    // The enabling answer for `id`: Unhandled when no target handles it at all.
    CommandResult commandState(int id, CommandUpdate& state) const;

    bool onCommand(int id) override;
    bool onCommandUpdate(int id, CommandUpdate& state) override;
    bool hasCommand(int id) const override;

private:
    MdiChild* createWindow(Document& doc);
    std::vector<std::string> m_args;
    std::vector<DocTemplate> m_templates;
    std::unique_ptr<MdiFrame> m_mainFrame;
    std::vector<std::unique_ptr<Document>> m_documents;
    std::vector<std::string> m_recent;
    int m_recentCount = 0;
    int m_untitledCount = 0;
};

}  // namespace velk
