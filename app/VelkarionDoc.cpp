// The sheet document and its reading of "config.cfg".
#include "app/VelkarionDoc.h"

#include <filesystem>

#include "model/ConfigFile.h"
#include "model/VelkarionView.h"
#include "model/WholeFile.h"
#include "platform/app.h"
#include "platform/frame.h"
#include "platform/msgbox.h"
#include "platform/text1250.h"
#include "render/Clock.h"

namespace velk {

CVelkarionDoc::CVelkarionDoc() = default;
CVelkarionDoc::~CVelkarionDoc() = default;

bool CVelkarionDoc::OnNewDocument() {
    if (!Document::onNewDocument()) return false;
    // A folder, a pipe or a device named like the settings file counts as no file;
    // of a plain file only its start is read, which holds the one line.
    std::string text;
    if (!readFileStart(kConfigFileName, kConfigFileReadLimit, text)) return true;  // the defaults, silently
    if (!ReadConfiguration(text)) messageBox(cp1250("El archivo de configuración no es valido"));
    return true;
}

bool CVelkarionDoc::ReadConfiguration(const std::string& text) { return readConfiguration(text, *this); }

bool readConfiguration(const std::string& text, SheetDocument& doc) {
    ConfigSettings settings = settingsOf(doc, g_simSpeed);
    if (!parseConfigLine(text, settings)) return false;
    applySettings(settings, doc);
    g_simSpeed = settings.simSpeed;
    return true;
}

CVelkarionView* CVelkarionDoc::firstView() const {
    for (MdiChild* f : frames())
        if (auto* v = dynamic_cast<CVelkarionView*>(f->view())) return v;
    return nullptr;
}

bool CVelkarionDoc::saveForClose() {
    // The view's own Save: never an empty archive over the sheet's file. Each window
    // holds its own sheet; the active one (the window being closed) is saved.
    CVelkarionView* view = firstView();
    for (MdiChild* f : frames())
        if (f->isActive())
            if (auto* active = dynamic_cast<CVelkarionView*>(f->view())) view = active;
    if (!view) return false;
    view->OnFileSave();
    return !isModifiedFlag();
}

void CVelkarionDoc::setSheetTitle(const std::string& title) {
    setTitle(title);
    // The sheet the window now shows goes to the top of the recent files.
    const CVelkarionView* view = firstView();
    Application* app = Application::instance();
    if (!view || !app || view->m_filePath.empty()) return;
    std::error_code ec;
    const std::filesystem::path whole = std::filesystem::absolute(view->m_filePath, ec);
    if (!ec) app->addToRecentFiles(whole.lexically_normal().string());
}

}  // namespace velk
