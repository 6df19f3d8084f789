#pragma once
// The drive set-point panels: small modeless dialogs with a trackbar that, while a
// simulation runs, set the analog set point (g_analogSetpoint) every inverter
// control and DC regulator control follows. CVarCon1Dlg (resource 220,
// "Falownik", Hz) serves the inverters, CVarCon2Dlg (resource 222, "Regulator
// DC", V, dialogs/var_con2.h) the DC regulators; they differ only in their
// resource, their unit and the globals of their range and their owner.
//
// At most one panel of each kind exists. Its owner pointer holds it from the
// double click that opens it until it is replaced, closed by the user or by the
// Edit command; each of these takes its window off the screen, frees the panel
// and clears the pointer.
#include <string>

#include "platform/dialog.h"

namespace velk {

constexpr int IDD_VAR_CON1 = 220;
constexpr int IDD_VAR_CON2 = 222;

// The trackbar and the two edits of both panels.
constexpr int kPanelTrackbar = 1081;
constexpr int kPanelLabel = 1043;
constexpr int kPanelValue = 1091;

// The trackbar range of each panel, copied from the block's parameter text by
// the double click that opens it.
extern float g_inverterPanelMin;
extern float g_inverterPanelMax;
extern float g_regulatorPanelMin;
extern float g_regulatorPanelMax;

class SetPointPanel : public Dialog {
public:
    void DoDataExchange(DataExchange& dx) override;
    bool OnInitDialog() override;
    void OnHScroll();
    void OnPaint(Dc& dc) override;
    // Enter, Escape and the close box end the panel for good.
    void OnOK() override { closePanel(); }
    void OnCancel() override { closePanel(); }

    int m_position = 0;
    std::string m_label;  // Windows-1250

protected:
    SetPointPanel(const DialogTemplate& tmpl, const float& minimum, const float& maximum);
    // Destroys the window and frees this panel through its owner.
    virtual void closePanel() = 0;

private:
    const float& m_minimum;
    const float& m_maximum;
};

class CVarCon1Dlg : public SetPointPanel {
public:
    // Opens its window at once (not yet shown).
    CVarCon1Dlg();

protected:
    void closePanel() override;
};

extern CVarCon1Dlg* g_inverterPanel;

// Replaces the inverter panel by a new one over g_inverterPanelMin/Max and the
// label in g_exchangeLabel, and shows it.
void openInverterPanel();
// Closes the inverter panel; nothing happens when there is none.
void closeInverterPanel();

}  // namespace velk
