#pragma once
// The inverter settings dialog (resource 211, "Nastawy falownika"): the inverter
// control block's label, second text and thirteen terminal names (terminals 8 to
// 13 are those of the companion slot behind the block) and its parameter text
// (model/DriveParameters.h), all passed in and out through the exchange record.
#include <array>
#include <string>

#include "platform/dialog.h"

namespace velk {

constexpr int IDD_EDITAR_VAR1 = 211;

class CEditarVar1Dlg : public Dialog {
public:
    CEditarVar1Dlg();

    void DoDataExchange(DataExchange& dx) override;
    bool OnInitDialog() override;
    void OnOK() override;

    void OnSpeed3000() { chooseSpeed(0); }
    void OnSpeed1500() { chooseSpeed(1); }
    void OnSpeed1000() { chooseSpeed(2); }
    void OnSpeed750() { chooseSpeed(3); }
    void OnTwoWireControl() { chooseInputs(0); }
    void OnThreeWireControl() { chooseInputs(1); }
    void OnDcInjectionTimed() { chooseInjection(0); }
    void OnDcInjectionPermanent() { chooseInjection(1); }

    static constexpr int kTerminals = 13;
    std::string m_title;   // UTF-8
    std::string m_label;   // Windows-1250
    std::string m_label2;  // Windows-1250
    std::array<std::string, kTerminals> m_terminal;
    int m_labelVisible = 0;
    int m_label2Visible = 0;
    std::array<int, kTerminals> m_terminalVisible{};
    // Radios: 0 selected, otherwise not (-1 before any choice).
    int m_speed[4] = {-1, -1, -1, -1};  // 3000, 1500, 1000, 750 r.p.m.
    int m_inputs[2] = {-1, -1};         // two-wire, three-wire
    int m_injection[2] = {-1, -1};      // for the set time, permanent
    int m_potentiometer = 0;
    int m_minFrequency = 0;
    int m_maxFrequency = 0;
    int m_presets[3] = {0, 0, 0};
    int m_acceleration = 0;
    int m_deceleration = 0;
    int m_injectionTime = 0;

private:
    void chooseSpeed(int k);
    void chooseInputs(int k);
    void chooseInjection(int k);
    // The characters the text held in its choice columns: written back when the
    // user leaves a set with nothing chosen.
    char m_speedAsRead = '1';
    char m_inputsAsRead = '0';
    char m_injectionAsRead = '0';
};

}  // namespace velk
