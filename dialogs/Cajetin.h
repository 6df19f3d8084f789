#pragma once
// The title-block data dialog (resource 204, "Tabelka"): ten texts, seven shown
// flags and seven alignments of the title block, passed in and out through the
// exchange variables below.
#include <string>

#include "model/SheetDocument.h"
#include "model/SlotColumns.h"
#include "platform/dialog.h"

namespace velk {

constexpr int IDD_CAJETIN = 204;

// Filled by the title-block command before the run, read back after OK.
extern CheckedArray<std::string, kTitleTextCount> g_titleText;  // Windows-1250
extern CheckedArray<int, kTitleRowCount> g_titleShow;
extern CheckedArray<int, kTitleRowCount> g_titleAlign;

class CCajetinDlg : public Dialog {
public:
    CCajetinDlg();

    void DoDataExchange(DataExchange& dx) override;
    bool OnInitDialog() override;
    void OnOK() override;

    // One handler for the 21 alignment radios: row 0 to 6, column 0 "Izq.", 1
    // "Cen.", 2 "Der.".
    void OnAlign(int row, int column);

    CheckedArray<std::string, kTitleTextCount> m_text;
    CheckedArray<int, kTitleRowCount> m_show;
    // 0 when the radio is selected, -1 when not.
    CheckedArray<CheckedArray<int, 3>, kTitleRowCount> m_align;
};

}  // namespace velk
