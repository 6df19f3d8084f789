#pragma once
// The DC regulator set-point panel (resource 222, "Regulator DC", V); see
// dialogs/Var_con1.h.
#include "dialogs/Var_con1.h"

namespace velk {

class CVarCon2Dlg : public SetPointPanel {
public:
    // Opens its window at once (not yet shown).
    CVarCon2Dlg();

protected:
    void closePanel() override;
};

extern CVarCon2Dlg* g_regulatorPanel;

// Replaces the DC panel by a new one over g_regulatorPanelMin/Max and the label
// in g_exchangeLabel, and shows it.
void openRegulatorPanel();
// Closes the DC panel; nothing happens when there is none.
void closeRegulatorPanel();

}  // namespace velk
