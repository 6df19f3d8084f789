#pragma once
// The text dialog (resource 158, "Tekst"): the one-line text of a text item, at
// most 30 characters. It shows g_exchangeText once when g_textDialogPrefill is 1
// (and clears the flag), else it starts empty; OK writes the text to both
// g_textToolText and g_exchangeText.
#include <string>

#include "platform/dialog.h"

namespace velk {

constexpr int IDD_TEXTO = 158;

class CTextoDlg : public Dialog {
public:
    CTextoDlg();

    void DoDataExchange(DataExchange& dx) override;
    bool OnInitDialog() override;
    void OnOK() override;
    void OnFont() {}  // the button is there, it has nothing to choose

    std::string m_text;  // Windows-1250
};

}  // namespace velk
