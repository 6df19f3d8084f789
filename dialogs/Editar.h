#pragma once
// The general property dialog (resource 195, "Editar"): the type name in a
// read-only title line, the label and second text (5 characters each), nine
// terminal names (2 characters each) and their shown boxes, passed in and out
// through the exchange record (dialogs/Exchange.h).
#include <cstddef>
#include <string>
#include <vector>

#include "model/SlotColumns.h"
#include "platform/dialog.h"

namespace velk {

constexpr int IDD_EDITAR = 195;

// A row of the type-name table: the Spanish type name shown in the title line
// and how many terminal shown boxes, from terminal 1 on, stay on screen.
struct TypeNameRow {
    int type;
    const char* caption;  // UTF-8
    int keptBoxes;
};
// The row of a type code, or nullptr: an empty title line and all nine boxes.
const TypeNameRow* typeNameRowFor(int type);
int typeNameRowCount();

// The body that the sensor and the contact/logic-block dialogs share with this
// one, with the same ids in the same places: title line, label, second text, nine
// terminals and their shown boxes under the column caption `shownColumn`. The
// column right of the shown boxes belongs to each dialog, whose rows follow.
std::vector<ControlRow> propertyDialogRows(const char* shownColumn, const ControlRow* own, std::size_t count);
template <std::size_t N>
std::vector<ControlRow> propertyDialogRows(const char* shownColumn, const ControlRow (&own)[N]) {
    return propertyDialogRows(shownColumn, own, N);
}

class CEditarDlg : public Dialog {
public:
    CEditarDlg();

    static constexpr int kTitleLine = 1055;
    static constexpr int kLabelEdit = 1043;
    static constexpr int kLabelShown = 1053;
    static constexpr int kLabel2Edit = 1044;
    static constexpr int kLabel2Shown = 1054;
    // Terminals 1 to 9: their edits and shown boxes.
    static constexpr int kTerminalEdits[kTerminalCount] = {1045, 1046, 1047, 1048, 1049, 1050, 1051, 1052, 1056};
    static constexpr int kTerminalShown[kTerminalCount] = {1006, 1007, 1008, 1009, 1010, 1011, 1012, 1013, 1014};

    void DoDataExchange(DataExchange& dx) override;
    bool OnInitDialog() override;
    void OnOK() override;

    std::string m_title;   // UTF-8
    std::string m_label;   // Windows-1250
    std::string m_label2;  // Windows-1250
    TerminalRow<std::string> m_terminal;
    int m_labelVisible = 0;
    int m_label2Visible = 0;
    TerminalRow<int> m_terminalVisible;

protected:
    // A dialog with the shared body and controls of its own.
    explicit CEditarDlg(const DialogTemplate& tmpl);
    // Label, second text, terminal names and shown flags from the exchange record,
    // and back; the type code is each dialog's own business.
    void readRecord();
    void writeRecord() const;
    // The ninth name is kept by the sheet file for some types only.
    void lockNinthTerminal(int type);
};

}  // namespace velk
