#pragma once
// The timer relay dialog (resource 209, "Przekaźnik czasowy"): label, second
// text, two terminals, the delay (terminal 4, as typed) and its unit (terminal 3:
// "0" seconds, "1" tens of seconds, "2" minutes). No text has a length limit.
#include "dialogs/Pilotos.h"

namespace velk {

class CTemporizaDlg : public Dialog {
public:
    CTemporizaDlg();

    void DoDataExchange(DataExchange& dx) override;
    bool OnInitDialog() override;
    void OnOK() override;

    void OnUnit1s() { choose(0); }
    void OnUnit10s() { choose(1); }
    void OnUnit60s() { choose(2); }

    static constexpr int kUnitCount = 3;
    TwoTerminalMembers m_rows;
    std::string m_delay;  // Windows-1250
    int m_unit[kUnitCount] = {-1, -1, -1};  // 0 selected, -1 not

private:
    void choose(int code);
};

}  // namespace velk
