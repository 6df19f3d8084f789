#pragma once
// The application: start-up, the sheet document template, Open and the About box.
#include <string>
#include <vector>

#include "platform/app.h"
#include "platform/infodlg.h"

namespace velk {

class CVelkarionApp : public Application {
public:
    CVelkarionApp();
    ~CVelkarionApp() override;

    // Settings key, recent files, the document template, the main frame, the
    // command line; false ends the program.
    bool InitInstance();
    // About (57664).
    void OnAppAbout();
    // Open (57601): always a new window, whose initial update asks for the file.
    void OnFileOpen();

    // A file named on the command line or chosen from the recent files opens the
    // way Open does, with the file dialog answered by that name.
    bool openDocumentFile(const std::string& path) override;

    bool onCommand(int id) override;
    bool hasCommand(int id) const override;
};

// The About box: the program's name and version.
class CAboutDlg {
public:
    DialogResult DoModal();
    static InfoDialog contents();
};

// The one application object of the run; nullptr outside a run.
extern CVelkarionApp* g_app;

// The settings key under which the recent files and the bar layout are kept.
constexpr const char* kRegistryKey = "Local AppWizard-Generated Applications";
// Starts the program without a first sheet window (otherwise New).
constexpr const char* kNoSheetOption = "--empty";

// The whole program: start-up, event loop, shut-down; the exit code.
int runVelkarion(int argc, char** argv);

}  // namespace velk
