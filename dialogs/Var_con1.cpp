// The set-point panels' shared body and the inverter panel.
#include "dialogs/Var_con1.h"

#include <algorithm>
#include <cstdio>

#include "dialogs/Exchange.h"
#include "model/DriveParameters.h"
#include "platform/dc.h"
#include "platform/window.h"

namespace velk {

float g_inverterPanelMin = 0.0f;
float g_inverterPanelMax = 0.0f;
float g_regulatorPanelMin = 0.0f;
float g_regulatorPanelMax = 0.0f;
CVarCon1Dlg* g_inverterPanel = nullptr;

namespace {

constexpr int kPageStep = 10;
constexpr int kTickStep = 10;

constexpr ControlRow kControls[] = {
    edit(kPanelLabel, 0, {7, 7, 48, 12}, kDisabled),
    edit(kPanelValue, 0, {72, 7, 30, 12}, kDisabled),
    staticText("Hz", {106, 9, 20, 8}),
    trackbar(kPanelTrackbar, 0, 100, {4, 30, 178, 28}, kTicksBothSides),
};

constexpr DialogTemplate kVarCon1 = dialogTemplate(IDD_VAR_CON1, "Falownik", 186, 65, kControls);

}  // namespace

SetPointPanel::SetPointPanel(const DialogTemplate& tmpl, const float& minimum, const float& maximum)
    : Dialog(tmpl), m_minimum(minimum), m_maximum(maximum) {
    on(kPanelTrackbar, Notify::Scrolled, [this] { OnHScroll(); });
}

void SetPointPanel::DoDataExchange(DataExchange& dx) {
    // The trackbar is not exchanged: only its notifications move the position.
    dx.integer(kPanelValue, m_position);
    dx.sheetText(kPanelLabel, m_label);
}

bool SetPointPanel::OnInitDialog() {
    const int low = static_cast<int>(m_minimum);
    // A minimum above the maximum leaves the minimum alone.
    const int high = std::max(low, static_cast<int>(m_maximum));
    setRange(kPanelTrackbar, low, high);
    setPosition(kPanelTrackbar, low);
    setPageSize(kPanelTrackbar, kPageStep);
    m_position = low;
    m_label = g_exchangeLabel;
    clearTicks(kPanelTrackbar);
    for (int t = kTickStep; t < static_cast<int>(m_maximum); t += kTickStep) setTick(kPanelTrackbar, t);
    showValues();
    return true;
}

void SetPointPanel::OnHScroll() {
    const ControlState* bar = state(kPanelTrackbar);
    const int low = std::min(bar->minimum, bar->maximum);
    const int high = std::max(bar->minimum, bar->maximum);
    switch (scrollCode()) {
        case kScrollThumbPosition:
        case kScrollThumbTrack: m_position = scrollPosition(); break;
        case kScrollPageDown: m_position = std::clamp(m_position + kPageStep, low, high); break;
        case kScrollPageUp: m_position = std::clamp(m_position - kPageStep, low, high); break;
        default: break;
    }
    g_analogSetpoint = static_cast<float>(m_position);
    showValues();
}

void SetPointPanel::OnPaint(Dc& dc) {
    dc.setBackgroundTransparent(true);
    char text[32];
    std::snprintf(text, sizeof text, "%3.0f", static_cast<double>(m_minimum));
    dc.textOut(12, 35, text);
    std::snprintf(text, sizeof text, "%3.0f", static_cast<double>(m_maximum));
    dc.textOut(245, 35, text);
}

CVarCon1Dlg::CVarCon1Dlg() : SetPointPanel(kVarCon1, g_inverterPanelMin, g_inverterPanelMax) { create(); }

void CVarCon1Dlg::closePanel() { closeInverterPanel(); }

void openInverterPanel() {
    closeInverterPanel();
    g_inverterPanel = new CVarCon1Dlg;
    g_inverterPanel->showWindow(true);
}

void closeInverterPanel() {
    CVarCon1Dlg* panel = g_inverterPanel;
    if (!panel) return;
    g_inverterPanel = nullptr;
    panel->destroy();
    delete panel;
}

}  // namespace velk
