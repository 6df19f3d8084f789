#pragma once
// The DC regulator settings dialog (resource 221, "Nastawy regulatora DC"): the
// DC regulator control block's label, second text, seven terminal names and its
// parameter text (model/DriveParameters.h), passed in and out through the
// exchange record.
#include <array>
#include <string>

#include "platform/dialog.h"

namespace velk {

constexpr int IDD_EDITAR_VAR2 = 221;

class CEditarVar2Dlg : public Dialog {
public:
    CEditarVar2Dlg();

    void DoDataExchange(DataExchange& dx) override;
    bool OnInitDialog() override;
    void OnOK() override;

    static constexpr int kTerminals = 7;
    std::string m_title;   // UTF-8
    std::string m_label;   // Windows-1250
    std::string m_label2;  // Windows-1250
    std::array<std::string, kTerminals> m_terminal;
    int m_labelVisible = 0;
    int m_label2Visible = 0;
    std::array<int, kTerminals> m_terminalVisible{};
    int m_potentiometer = 0;
    int m_minVoltage = 0;
    int m_maxVoltage = 0;
    int m_minSpeed = 0;
    int m_maxSpeed = 0;
    int m_acceleration = 0;
    int m_deceleration = 0;
};

}  // namespace velk
