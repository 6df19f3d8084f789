// The text dialog.
#include "dialogs/Texto.h"

#include "dialogs/Exchange.h"
#include "model/VelkarionView.h"

namespace velk {

namespace {

constexpr int kTextEdit = 1040;
constexpr int kFontButton = 1042;
constexpr int kTextLimit = 30;

constexpr ControlRow kControls[] = {
    edit(kTextEdit, kTextLimit, {7, 9, 172, 12}, kSheetText),
    pushButton(IDOK, "OK", {7, 36, 50, 14}, kDefaultButton),
    pushButton(IDCANCEL, "Cancel", {68, 36, 50, 14}),
    pushButton(kFontButton, "Fuente", {129, 36, 50, 14}),
};

constexpr DialogTemplate kTexto = dialogTemplate(IDD_TEXTO, "Tekst", 186, 58, kControls);

}  // namespace

CTextoDlg::CTextoDlg() : Dialog(kTexto) {
    const HandlerRow<CTextoDlg> handlers[] = {{kFontButton, Notify::Clicked, &CTextoDlg::OnFont}};
    addHandlers(this, handlers);
}

void CTextoDlg::DoDataExchange(DataExchange& dx) { dx.sheetText(kTextEdit, m_text); }

bool CTextoDlg::OnInitDialog() {
    m_text.clear();
    if (g_textDialogPrefill == 1) {
        m_text = g_exchangeText;
        g_textDialogPrefill = 0;
    }
    showValues();
    return true;
}

void CTextoDlg::OnOK() {
    if (!takeValues()) return;
    g_textToolText = m_text;
    g_exchangeText = m_text;
    endDialog(DialogResult::Ok);
}

}  // namespace velk
