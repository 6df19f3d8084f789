#pragma once
// The exchange record: one program-wide set of values through which the
// double-click editor and every component property dialog pass one component's
// type code, label, second text, terminal names, shown flags and parameter text.
// The editor fills it from the slot, the dialog reads it at its start and writes
// it at OK, and the editor copies it back only after OK. Texts are Windows-1250.
//
// The text the next click of the text tool places, g_textToolText, belongs to the
// record as well; it is declared with the view (model/VelkarionView.h).
#include <string>

#include "model/SlotColumns.h"
#include "platform/dialog.h"
#include "platform/infodlg.h"

namespace velk {

constexpr int kCompanionTerminalCount = 6;

extern int g_exchangeType;
extern std::string g_exchangeLabel;
extern std::string g_exchangeLabel2;
extern TerminalRow<std::string> g_exchangeTerminal;
extern int g_exchangeLabelVisible;
extern int g_exchangeLabel2Visible;
extern TerminalRow<int> g_exchangeTerminalVisible;
// Parameter text, picture file name or text of a text item; "0" at start.
extern std::string g_exchangeText;
extern CheckedArray<std::string, kCompanionTerminalCount> g_exchangeCompanionTerminal;
extern CheckedArray<int, kCompanionTerminalCount> g_exchangeCompanionTerminalVisible;
// 1: the text dialog shows g_exchangeText once.
extern int g_textDialogPrefill;

// --- which dialog edits a component -------------------------------------------------
// Resource ids of the component property dialogs.
constexpr int kPropertyDialogGeneral = 195;       // CEditarDlg
constexpr int kPropertyDialogLamp = 208;          // CPilotosDlg
constexpr int kPropertyDialogTimer = 209;         // CTemporizaDlg
constexpr int kPropertyDialogSensor = 210;        // CEditar1Dlg
constexpr int kPropertyDialogInverter = 211;      // CEditarVar1Dlg
constexpr int kPropertyDialogRegulator = 221;     // CEditarVar2Dlg
constexpr int kPropertyDialogContactLogic = 224;  // CEditarNaNcDlg
constexpr int kTextDialog = 158;                  // CTextoDlg

// Constructs the dialog on the stack and runs it modally.
using PropertyDialogRunner = DialogResult (*)();
template <class D>
DialogResult runPropertyDialog() {
    D dialog;
    return dialog.runModal();
}

struct PropertyDialogChoice {
    int first, last;  // type codes, both included
    int resourceId;
    // nullptr while the dialog of its own is not there: the general dialog stands in.
    PropertyDialogRunner run;
    // The whole view is repainted with erasing before the dialog opens.
    bool repaintFirst;
};

// The row of a component type code (1000 or more); the general dialog's row for
// every code without one of its own.
const PropertyDialogChoice& propertyDialogFor(int type);
// Runs the dialog of the type modally, the general dialog for a type whose own
// dialog is not there.
DialogResult runPropertyDialogFor(int type);

// The text dialog: shows g_exchangeText when g_textDialogPrefill is 1 (and clears
// the flag), else starts empty; OK writes the text to g_textToolText and
// g_exchangeText.
DialogResult runTextDialog();

// The sheet file keeps a ninth terminal name only for the autotransformer, so the
// ninth terminal edit of a property dialog is read-only for every other type.
bool keepsNinthTerminal(int type);

}  // namespace velk
