#pragma once
// The general property dialog (resource 195, "Editar"): the type name in a
// read-only title line, the label and second text (5 characters each), nine
// terminal names (2 characters each) and their shown boxes, passed in and out
// through the exchange record (dialogs/Exchange.h).
#include <string>

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

class CEditarDlg : public Dialog {
public:
    CEditarDlg();

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
};

}  // namespace velk
