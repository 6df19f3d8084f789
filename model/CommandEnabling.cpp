// The view's part of the command routing: which group of handlers runs a command,
// and whether a menu item or toolbar button can be used. Editing is possible only
// in edit mode; zoom, grid, mode, title-block and window commands stay usable while
// simulating.
#include "model/VelkarionView.h"
#include "platform/app.h"
#include "res/Resource.h"
#include "res/Toolbars.h"

namespace velk {

namespace {

// Commands of the view with a handler here: the mode commands (render/Clock.cpp),
// the sheet-file commands (model/SheetFile.cpp, model/Pictures.cpp) and the
// title-block and configuration dialogs (dialogs/).
const CommandEntry<CVelkarionView> kViewCommands[] = {
    {ID_MODE_RUN, &CVelkarionView::OnModeRun, nullptr},
    {ID_MODE_EDIT, &CVelkarionView::OnModeEdit, nullptr},
    {ID_MODE_PAUSE, &CVelkarionView::OnModePause, &CVelkarionView::OnUpdateModePause},
    {ID_MODE_STEP, &CVelkarionView::OnModeStep, &CVelkarionView::OnUpdateModeStep},
    {ID_FILE_SAVE, &CVelkarionView::OnFileSave, nullptr},
    {ID_FILE_SAVE_AS, &CVelkarionView::OnFileSaveAs, nullptr},
    {ID_FILE_IMPORT_PICTURE, &CVelkarionView::OnFileImportPicture, nullptr},
    {ID_FILE_EXPORT_PICTURE, &CVelkarionView::OnFileExportPicture, nullptr},
    {ID_EDIT_TITLE_BLOCK, &CVelkarionView::OnEditTitleBlock, nullptr},
    {ID_FILE_CONFIGURATION, &CVelkarionView::OnFileConfiguration, nullptr},
};

// Commands under the common rule besides the palette commands, whoever runs them:
// the application (New, Open, Print setup), the document (Close), the main frame
// (the palette selector) or a group of the view.
constexpr int kEditingCommands[] = {
    ID_FILE_NEW, ID_FILE_OPEN, ID_FILE_CLOSE, ID_FILE_SAVE, ID_FILE_SAVE_AS, ID_FILE_PRINT_SETUP, ID_FILE_PRINT,
    ID_FILE_PRINT_PREVIEW, ID_FILE_CONFIGURATION, ID_FILE_IMPORT_PICTURE, ID_FILE_EXPORT_PICTURE,
    // Drawing tools and the libraries item
    ID_TOOL_SELECT, ID_TOOL_LINE, ID_TOOL_RECTANGLE, ID_TOOL_ELLIPSE, ID_TOOL_FILLED_RECTANGLE,
    ID_TOOL_FILLED_ELLIPSE, ID_TOOL_FILL, ID_TOOL_COLOR_PICKER, ID_TOOL_TEXT, ID_TOOL_LIBRARIES,
    // Colours
    ID_COLOR_BLACK, ID_COLOR_WHITE, ID_COLOR_GREY, ID_COLOR_LIGHT_GREY, ID_COLOR_DARK_RED, ID_COLOR_RED,
    ID_COLOR_OLIVE, ID_COLOR_YELLOW, ID_COLOR_GREEN, ID_COLOR_LIME, ID_COLOR_TEAL, ID_COLOR_CYAN, ID_COLOR_CHOOSE,
    // Palette selector
    ID_PALETTE_SUPPLIES, ID_PALETTE_FUSES, ID_PALETTE_PROTECTION, ID_PALETTE_CONTACTORS, ID_PALETTE_MOTORS,
    ID_PALETTE_DRIVES, ID_PALETTE_CONTACTS, ID_PALETTE_SWITCHES, ID_PALETTE_SENSORS, ID_PALETTE_COILS,
    ID_PALETTE_LOGIC, ID_PALETTE_GRAFCET, ID_PALETTE_WIRING,
};

bool isEditingCommand(int id) {
    for (int c : kEditingCommands)
        if (c == id) return true;
    // Every palette command that places something, the autotransformer's included:
    // a tool chosen while simulating could not be placed anyway.
    const PaletteButton* button = findPaletteButton(id);
    return button && button->type > 0;
}

// Whether some target of the active window's chain would run the command; the
// view alone when it lives without an application.
bool someoneHandles(const CVelkarionView& view, int id) {
    Application* app = Application::instance();
    if (!app) return view.hasCommand(id);
    for (CommandTarget* target : app->commandChain())
        if (target->hasCommand(id)) return true;
    return false;
}

}  // namespace

void CVelkarionView::OnUpdateEditingCommand(CommandUpdate& cmdUI) { cmdUI.enable(m_simulating == 0); }

void CVelkarionView::OnUpdateModePause(CommandUpdate& cmdUI) { cmdUI.enable(m_simulating != 0); }

void CVelkarionView::OnUpdateModeStep(CommandUpdate& cmdUI) { cmdUI.enable(m_simulating != 0); }

bool CVelkarionView::onCommand(int id) {
    return RunEditCommand(id) || RunToolCommand(id) || RunZoomCommand(id) || RunColorCommand(id) ||
           RunPrintCommand(id) || runCommandFrom(*this, kViewCommands, id);
}

bool CVelkarionView::hasCommand(int id) const {
    return HasEditCommand(id) || IsToolCommand(id) || IsZoomCommand(id) || IsColorCommand(id) ||
           IsPrintCommand(id) || tableHasCommand(kViewCommands, id);
}

bool CVelkarionView::onCommandUpdate(int id, CommandUpdate& state) {
    // Cut, copy, paste, undo, redo, select all, rotate and mirror have their own
    // conditions next to their handlers.
    if (UpdateEditCommand(id, state)) return true;
    if (updateCommandFrom(*this, kViewCommands, id, state)) return true;
    if (!isEditingCommand(id) || !someoneHandles(*this, id)) return false;
    OnUpdateEditingCommand(state);
    return true;
}

}  // namespace velk
