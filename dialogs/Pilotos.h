#pragma once
// The lamp dialog (resource 208, "Lampka") and the timer relay dialog (resource
// 209, "Przekaźnik czasowy"): label, second text, two terminals and their shown
// boxes, plus the lamp colour or the timer delay and unit, which the sheet keeps
// in terminal 3 (a one-digit code) and terminal 4 (the delay as typed).
#include <string>

#include "platform/dialog.h"

namespace velk {

constexpr int IDD_PILOTOS = 208;
constexpr int IDD_TEMPORIZA = 209;

// The members the two dialogs share with the exchange record.
struct TwoTerminalMembers {
    std::string title;   // UTF-8
    std::string label;   // Windows-1250
    std::string label2;  // Windows-1250
    std::string terminal1, terminal2;
    int labelVisible = 0, label2Visible = 0, terminal1Visible = 0, terminal2Visible = 0;

    void exchange(DataExchange& dx);
    void fromRecord(const char* titleText);
    void toRecord() const;
};

class CPilotosDlg : public Dialog {
public:
    CPilotosDlg();

    void DoDataExchange(DataExchange& dx) override;
    bool OnInitDialog() override;
    void OnOK() override;

    void OnColorGreen() { choose(0); }
    void OnColorRed() { choose(1); }
    void OnColorYellow() { choose(2); }
    void OnColorBlue() { choose(3); }
    void OnColorGrey() { choose(4); }

    static constexpr int kColorCount = 5;
    TwoTerminalMembers m_rows;
    int m_color[kColorCount] = {-1, -1, -1, -1, -1};  // 0 selected, -1 not

private:
    void choose(int code);
};

}  // namespace velk
