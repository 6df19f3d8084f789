// Application start-up, the document template, Open and the About box.
#include "app/Velkarion.h"

#include "platform/print.h"

#include "app/ChildFrm.h"
#include "app/MainFrm.h"
#include "app/Presenta.h"
#include "app/VelkarionDoc.h"
#include "dialogs/Var_con1.h"
#include "dialogs/var_con2.h"
#include "model/VelkarionView.h"
#include "platform/filedlg.h"
#include "platform/msgbox.h"
#include "platform/print.h"
#include "platform/text1250.h"
#include "render/Paint.h"

namespace velk {

CVelkarionApp* g_app = nullptr;

namespace {

constexpr int kRecentFileEntries = 4;

}  // namespace

CVelkarionApp::CVelkarionApp() { g_app = this; }

CVelkarionApp::~CVelkarionApp() {
    // The set-point panels outlive their sheets but not the program.
    closeInverterPanel();
    closeRegulatorPanel();
    if (g_firstPaintSplash == &showSplashAfterPaint) g_firstPaintSplash = nullptr;
    if (g_app == this) g_app = nullptr;
}

bool CVelkarionApp::InitInstance() {
    setApplicationCaption("Velkarion");
    setRegistryKey(kRegistryKey);
    loadStdProfileSettings(kRecentFileEntries);

    DocTemplate sheets;
    sheets.untitledName = "Velkar";
    sheets.createDocument = [] { return std::make_unique<CVelkarionDoc>(); };
    sheets.createFrame = [] { return std::make_unique<CChildFrame>(); };
    sheets.createView = [](Document& doc) {
        auto view = std::make_unique<CVelkarionView>();
        view->setDocument(dynamic_cast<CVelkarionDoc*>(&doc));
        return std::unique_ptr<View>(std::move(view));
    };
    addDocTemplate(std::move(sheets));
    g_firstPaintSplash = &showSplashAfterPaint;

    auto frame = std::make_unique<CMainFrame>();
    if (!frame->LoadFrame()) return false;
    setMainFrame(std::move(frame));

    // The main window comes up before the first sheet window, which it holds.
    mainFrame()->show();
    CommandLineInfo info = parseCommandLine();
    for (const std::string& arg : commandLine())
        if (arg == kNoSheetOption) info.shell = CommandLineInfo::Shell::Nothing;
    return processShellCommand(info);
}

void CVelkarionApp::OnAppAbout() {
    CAboutDlg about;
    about.DoModal();
}

void CVelkarionApp::OnFileOpen() {
    g_openOnInit = 1;
    newDocument();
    g_openOnInit = 0;  // a New that failed before the initial update leaves it set
}

bool CVelkarionApp::openDocumentFile(const std::string& path) {
    presetNextOpenDialog(path);
    const std::size_t before = documents().size();
    OnFileOpen();
    clearOpenDialogPreset();
    return documents().size() > before;
}

bool CVelkarionApp::onCommand(int id) {
    switch (id) {
        case kCmdAppAbout: OnAppAbout(); return true;
        case kCmdFileOpen: OnFileOpen(); return true;
        case kCmdFilePrintSetup: runPrintSetup(); return true;
        default: return Application::onCommand(id);
    }
}

bool CVelkarionApp::hasCommand(int id) const {
    return id == kCmdAppAbout || id == kCmdFileOpen || id == kCmdFilePrintSetup || Application::hasCommand(id);
}

InfoDialog CAboutDlg::contents() {
    InfoDialog d;
    d.name = "about";
    d.caption = cp1250("Acerca de Velkarion");
    d.lines = {cp1250("Velkarion Versión 1.0"), cp1250("Editor y simulador de esquemas eléctricos de mando"),
               cp1250("Textos en castellano y en polaco")};
    return d;
}

DialogResult CAboutDlg::DoModal() { return runInfoDialog(contents()); }

int runVelkarion(int argc, char** argv) {
    Toolkit toolkit(argc, argv);
    int code = 0;
    {
        CVelkarionApp app;
        // Arguments arrive in UTF-8; the program holds names as Windows-1250.
        std::vector<std::string> args;
        for (int i = 0; i < argc; ++i) {
            std::string bytes;
            args.push_back(TextCodec1250::fromUtf8(argv[i], bytes) ? bytes : std::string(argv[i]));
        }
        app.setCommandLine(std::move(args));
        if (!app.InitInstance()) return 1;
        code = Toolkit::exec();
    }
    return code;
}

}  // namespace velk
