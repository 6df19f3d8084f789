// The DC regulator set-point panel.
#include "dialogs/var_con2.h"

namespace velk {

CVarCon2Dlg* g_regulatorPanel = nullptr;

namespace {

constexpr ControlRow kControls[] = {
    edit(kPanelLabel, 0, {7, 7, 48, 12}, kDisabled),
    edit(kPanelValue, 0, {72, 7, 30, 12}, kDisabled),
    staticText("V", {106, 9, 20, 8}),
    trackbar(kPanelTrackbar, 0, 100, {4, 30, 178, 28}, kTicksBothSides),
};

constexpr DialogTemplate kVarCon2 = dialogTemplate(IDD_VAR_CON2, "Regulator DC", 186, 65, kControls);

}  // namespace

CVarCon2Dlg::CVarCon2Dlg() : SetPointPanel(kVarCon2, g_regulatorPanelMin, g_regulatorPanelMax) { create(); }

void CVarCon2Dlg::closePanel() { closeRegulatorPanel(); }

void openRegulatorPanel() {
    closeRegulatorPanel();
    g_regulatorPanel = new CVarCon2Dlg;
    g_regulatorPanel->showWindow(true);
}

void closeRegulatorPanel() {
    CVarCon2Dlg* panel = g_regulatorPanel;
    if (!panel) return;
    g_regulatorPanel = nullptr;
    panel->destroy();
    delete panel;
}

}  // namespace velk
