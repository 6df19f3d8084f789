// The timer relay dialog.
#include "dialogs/Temporiza.h"

#include "dialogs/Exchange.h"
#include "model/TypeCodes.h"

namespace velk {

namespace {

constexpr int kDelayEdit = 1076;
constexpr int kUnitRadios[CTemporizaDlg::kUnitCount] = {1077, 1078, 1079};
constexpr const char* kUnitCodes[CTemporizaDlg::kUnitCount] = {"0", "1", "2"};

constexpr int rowY(int row) { return 24 + 14 * row; }
constexpr DialogBox caption(int row) { return {7, rowY(row) + 2, 46, 8}; }
constexpr DialogBox field(int row, int width) { return {56, rowY(row), width, 12}; }
constexpr DialogBox shown(int row) { return {102, rowY(row) + 1, 12, 10}; }
constexpr DialogBox unitRadio(int k) { return {134, 52 + 13 * k, 56, 10}; }

constexpr ControlRow kControls[] = {
    edit(1055, 0, {7, 5, 186, 12}, kReadOnly),
    staticText("Visualizar", {90, 26, 36, 8}),
    staticText("Oznaczenie:", caption(1)),
    edit(1043, 0, field(1, 40), kSheetText),
    checkBox(1053, "", shown(1)),
    staticText("Funkcja:", caption(2)),
    edit(1044, 0, field(2, 40), kSheetText),
    checkBox(1054, "", shown(2)),
    staticText("Zacisk 1:", caption(3)),
    edit(1045, 0, field(3, 24), kSheetText),
    checkBox(1006, "", shown(3)),
    staticText("Zacisk 2:", caption(4)),
    edit(1046, 0, field(4, 24), kSheetText),
    checkBox(1007, "", shown(4)),
    groupBox("Temporización", {128, 24, 66, 76}),
    edit(kDelayEdit, 0, {134, 36, 40, 12}, kSheetText),
    radio(1077, "x 1 Sek", unitRadio(0)),
    radio(1078, "x 10 Sek", unitRadio(1)),
    radio(1079, "x 60 Sek", unitRadio(2)),
    pushButton(IDOK, "OK", {7, 128, 50, 14}, kDefaultButton),
    pushButton(IDCANCEL, "Cancel", {64, 128, 50, 14}),
};

constexpr DialogTemplate kTemporiza =
    dialogTemplate(IDD_TEMPORIZA, "Przekaźnik czasowy", 200, 151, kControls);

const char* timerTitle(int type) {
    switch (type) {
        case kTypeOnDelayTimer: return "Temporizador a la conexión";
        case kTypeOffDelayTimer: return "Temporizador a la desconexión";
        case kTypeOnOffDelayTimer: return "Temporizador a la conexión desconexión";
        case kTypeCyclicTimer: return "Temporizador intermitente";
        default: return "";
    }
}

}  // namespace

CTemporizaDlg::CTemporizaDlg() : Dialog(kTemporiza) {
    const HandlerRow<CTemporizaDlg> handlers[] = {
        {1077, Notify::Clicked, &CTemporizaDlg::OnUnit1s},
        {1078, Notify::Clicked, &CTemporizaDlg::OnUnit10s},
        {1079, Notify::Clicked, &CTemporizaDlg::OnUnit60s},
    };
    addHandlers(this, handlers);
}

void CTemporizaDlg::DoDataExchange(DataExchange& dx) {
    m_rows.exchange(dx);
    dx.sheetText(kDelayEdit, m_delay);
    for (int k = 0; k < kUnitCount; ++k) dx.radio(kUnitRadios[k], m_unit[k]);
}

bool CTemporizaDlg::OnInitDialog() {
    m_rows.fromRecord(timerTitle(g_exchangeType));
    m_delay = g_exchangeTerminal[3];
    for (int k = 0; k < kUnitCount; ++k) m_unit[k] = g_exchangeTerminal[2] == kUnitCodes[k] ? 0 : -1;
    showValues();
    return true;
}

void CTemporizaDlg::choose(int code) {
    takeValuesQuietly();  // what was typed stays
    for (int k = 0; k < kUnitCount; ++k) m_unit[k] = k == code ? 0 : -1;
    showValues();
}

void CTemporizaDlg::OnOK() {
    if (!takeValues()) return;
    m_rows.toRecord();
    g_exchangeTerminal[3] = m_delay;
    // No unit chosen: terminal 3 goes back as it came.
    for (int k = 0; k < kUnitCount; ++k)
        if (m_unit[k] == 0) g_exchangeTerminal[2] = kUnitCodes[k];
    endDialog(DialogResult::Ok);
}

}  // namespace velk
