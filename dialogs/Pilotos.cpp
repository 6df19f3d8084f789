// The lamp dialog and the rows it shares with the timer relay dialog.
#include "dialogs/Pilotos.h"

#include "dialogs/Exchange.h"
#include "model/TypeCodes.h"

namespace velk {

void TwoTerminalMembers::exchange(DataExchange& dx) {
    dx.text(1055, title);
    dx.sheetText(1043, label);
    dx.check(1053, labelVisible);
    dx.sheetText(1044, label2);
    dx.check(1054, label2Visible);
    dx.sheetText(1045, terminal1);
    dx.check(1006, terminal1Visible);
    dx.sheetText(1046, terminal2);
    dx.check(1007, terminal2Visible);
}

void TwoTerminalMembers::fromRecord(const char* titleText) {
    title = titleText;
    label = g_exchangeLabel;
    label2 = g_exchangeLabel2;
    labelVisible = g_exchangeLabelVisible;
    label2Visible = g_exchangeLabel2Visible;
    terminal1 = g_exchangeTerminal[0];
    terminal2 = g_exchangeTerminal[1];
    terminal1Visible = g_exchangeTerminalVisible[0];
    terminal2Visible = g_exchangeTerminalVisible[1];
}

void TwoTerminalMembers::toRecord() const {
    g_exchangeLabel = label;
    g_exchangeLabel2 = label2;
    g_exchangeLabelVisible = labelVisible;
    g_exchangeLabel2Visible = label2Visible;
    g_exchangeTerminal[0] = terminal1;
    g_exchangeTerminal[1] = terminal2;
    g_exchangeTerminalVisible[0] = terminal1Visible;
    g_exchangeTerminalVisible[1] = terminal2Visible;
}

namespace {

constexpr int kColorRadios[CPilotosDlg::kColorCount] = {1072, 1073, 1074, 1075, 1004};
constexpr const char* kColorCodes[CPilotosDlg::kColorCount] = {"0", "1", "2", "3", "4"};

constexpr int rowY(int row) { return 24 + 14 * row; }
constexpr DialogBox caption(int row) { return {7, rowY(row) + 2, 46, 8}; }
constexpr DialogBox field(int row, int width) { return {56, rowY(row), width, 12}; }
constexpr DialogBox shown(int row) { return {102, rowY(row) + 1, 12, 10}; }
constexpr DialogBox colorRadio(int k) { return {134, 36 + 13 * k, 56, 10}; }

constexpr ControlRow kControls[] = {
    edit(1055, 0, {7, 5, 186, 12}, kReadOnly),
    staticText("widoczny", {90, 26, 36, 8}),
    staticText("Oznaczenie:", caption(1)),
    edit(1043, 5, field(1, 40), kSheetText),
    checkBox(1053, "", shown(1)),
    staticText("Funkcja:", caption(2)),
    edit(1044, 5, field(2, 40), kSheetText),
    checkBox(1054, "", shown(2)),
    staticText("Zacisk 1:", caption(3)),
    edit(1045, 2, field(3, 24), kSheetText),
    checkBox(1006, "", shown(3)),
    staticText("Zacisk 2:", caption(4)),
    edit(1046, 2, field(4, 24), kSheetText),
    checkBox(1007, "", shown(4)),
    groupBox("Kolor", {128, 24, 66, 76}),
    radio(1072, "zielony", colorRadio(0)),
    radio(1073, "czerwony", colorRadio(1)),
    radio(1074, "żółty", colorRadio(2)),
    radio(1075, "niebieski", colorRadio(3)),
    radio(1004, "szary", colorRadio(4)),
    pushButton(IDOK, "OK", {7, 108, 50, 14}, kDefaultButton),
    pushButton(IDCANCEL, "Cancel", {64, 108, 50, 14}),
};

constexpr DialogTemplate kPilotos = dialogTemplate(IDD_PILOTOS, "Lampka", 200, 130, kControls);

const char* lampTitle(int type) {
    if (type == kTypePilotLamp) return "Señalización óptica";
    if (type == kTypeFlashingPilotLamp) return "Señalización óptica intermitente";
    return "";
}

}  // namespace

CPilotosDlg::CPilotosDlg() : Dialog(kPilotos) {
    const HandlerRow<CPilotosDlg> handlers[] = {
        {1072, Notify::Clicked, &CPilotosDlg::OnColorGreen},
        {1073, Notify::Clicked, &CPilotosDlg::OnColorRed},
        {1074, Notify::Clicked, &CPilotosDlg::OnColorYellow},
        {1075, Notify::Clicked, &CPilotosDlg::OnColorBlue},
        {1004, Notify::Clicked, &CPilotosDlg::OnColorGrey},
    };
    addHandlers(this, handlers);
}

void CPilotosDlg::DoDataExchange(DataExchange& dx) {
    m_rows.exchange(dx);
    for (int k = 0; k < kColorCount; ++k) dx.radio(kColorRadios[k], m_color[k]);
}

bool CPilotosDlg::OnInitDialog() {
    m_rows.fromRecord(lampTitle(g_exchangeType));
    for (int k = 0; k < kColorCount; ++k) m_color[k] = g_exchangeTerminal[2] == kColorCodes[k] ? 0 : -1;
    showValues();
    return true;
}

void CPilotosDlg::choose(int code) {
    takeValuesQuietly();  // what was typed stays
    for (int k = 0; k < kColorCount; ++k) m_color[k] = k == code ? 0 : -1;
    showValues();
}

void CPilotosDlg::OnOK() {
    if (!takeValues()) return;
    m_rows.toRecord();
    // No colour chosen: an unknown code goes back as it came.
    for (int k = 0; k < kColorCount; ++k)
        if (m_color[k] == 0) g_exchangeTerminal[2] = kColorCodes[k];
    endDialog(DialogResult::Ok);
}

}  // namespace velk
