// The exchange record, the choice of a component's property dialog and the text
// dialog.
#include "dialogs/Exchange.h"

#include <optional>

#include "dialogs/Editar.h"
#include "dialogs/Editar1.h"
#include "dialogs/EditarNaNc.h"
#include "dialogs/Editar_var1.h"
#include "dialogs/Editar_var2.h"
#include "dialogs/Pilotos.h"
#include "dialogs/Temporiza.h"
#include "dialogs/Texto.h"
#include "model/TypeCodes.h"
#include "model/VelkarionView.h"

namespace velk {

int g_exchangeType = 0;
std::string g_exchangeLabel;
std::string g_exchangeLabel2;
TerminalRow<std::string> g_exchangeTerminal;
int g_exchangeLabelVisible = 0;
int g_exchangeLabel2Visible = 0;
TerminalRow<int> g_exchangeTerminalVisible;
std::string g_exchangeText = "0";
CheckedArray<std::string, kCompanionTerminalCount> g_exchangeCompanionTerminal;
CheckedArray<int, kCompanionTerminalCount> g_exchangeCompanionTerminalVisible;
int g_textDialogPrefill = 0;

namespace {

// First matching row wins. A dialog of its own takes its row by naming its runner
// (runPropertyDialog<CTheDlg>) in place of nullptr.
constexpr PropertyDialogChoice kPropertyDialogs[] = {
    {kTypePilotLamp, kTypeFlashingPilotLamp, kPropertyDialogLamp, &runPropertyDialog<CPilotosDlg>, false},
    {kTypeOnDelayTimer, kTypeCyclicTimer, kPropertyDialogTimer, &runPropertyDialog<CTemporizaDlg>, false},
    {kTypeAuxContactNO, kTypeAuxContactNC, kPropertyDialogContactLogic, &runPropertyDialog<CEditarNaNcDlg>, false},
    {7500, 7549, kPropertyDialogSensor, &runPropertyDialog<CEditar1Dlg>, true},
    {7551, 7600, kPropertyDialogSensor, &runPropertyDialog<CEditar1Dlg>, true},
    {kTypeInverterControl, kTypeInverterControl, kPropertyDialogInverter, &runPropertyDialog<CEditarVar1Dlg>, false},
    {kTypeDcRegulatorControl, kTypeDcRegulatorControl, kPropertyDialogRegulator, &runPropertyDialog<CEditarVar2Dlg>,
     false},
    {10000, 10033, kPropertyDialogContactLogic, &runPropertyDialog<CEditarNaNcDlg>, false},
};

// The reflex barrier, wires and every other component.
constexpr PropertyDialogChoice kGeneralDialog = {1000, 0x7fffffff, kPropertyDialogGeneral,
                                                 &runPropertyDialog<CEditarDlg>, false};

}  // namespace

const PropertyDialogChoice& propertyDialogFor(int type) {
    for (const PropertyDialogChoice& row : kPropertyDialogs)
        if (row.first <= type && type <= row.last) return row;
    return kGeneralDialog;
}

DialogResult runPropertyDialogFor(int type) {
    const PropertyDialogChoice& choice = propertyDialogFor(type);
    return (choice.run ? choice.run : kGeneralDialog.run)();
}

DialogResult runTextDialog() { return runPropertyDialog<CTextoDlg>(); }

bool keepsNinthTerminal(int type) { return type == kTypeAutotransformer; }

}  // namespace velk
