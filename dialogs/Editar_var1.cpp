// The inverter settings dialog.
#include "dialogs/Editar_var1.h"

#include "dialogs/DriveDialogRows.h"
#include "dialogs/Exchange.h"
#include "model/DriveParameters.h"
#include "model/TypeCodes.h"

namespace velk {

namespace {

using namespace drivedialog;

// Terminals 1 to 13; 8 to 13 are the companion slot's 1 to 6.
constexpr int kTerminalEdits[CEditarVar1Dlg::kTerminals] = {1045, 1046, 1047, 1048, 1049, 1050, 1051,
                                                            1086, 1087, 1015, 1061, 1016, 1063};
constexpr int kTerminalShown[CEditarVar1Dlg::kTerminals] = {1006, 1007, 1008, 1009, 1010, 1011, 1012,
                                                            1088, 1020, 1017, 1018, 1062, 1019};
constexpr int kMainTerminals = 7;

constexpr int kSpeedRadios[4] = {1090, 1091, 1092, 1093};
constexpr char kSpeedCodes[4] = {'1', '2', '3', '4'};
constexpr int kInputRadios[2] = {1082, 1083};
constexpr int kInjectionRadios[2] = {1094, 1095};
constexpr char kChoiceCodes[2] = {'0', '1'};
constexpr int kPotentiometer = 1089;
constexpr int kMinFrequency = 1052;
constexpr int kMaxFrequency = 1056;
constexpr int kPresets[3] = {1058, 1059, 1060};
constexpr int kAcceleration = 1064;
constexpr int kDeceleration = 1065;
constexpr int kInjectionTime = 1066;

constexpr ControlRow kControls[] = {
    edit(kTitleLine, 0, kTitleBox, kReadOnly),
    staticText("Widoczny", kShownHeader),

    staticText("Oznaczenie:", caption(0)),
    edit(kLabelEdit, kLabelLimit, field(0, 40), kSheetText),
    checkBox(kLabelShown, "", shown(0)),
    staticText("Funkcja:", caption(1)),
    edit(kLabel2Edit, kLabelLimit, field(1, 40), kSheetText),
    checkBox(kLabel2Shown, "", shown(1)),

    staticText("Zacisk 1:", caption(2)),
    edit(1045, kTerminalLimit, field(2, 24), kSheetText),
    checkBox(1006, "", shown(2)),
    staticText("Zacisk 2:", caption(3)),
    edit(1046, kTerminalLimit, field(3, 24), kSheetText),
    checkBox(1007, "", shown(3)),
    staticText("Zacisk 3:", caption(4)),
    edit(1047, kTerminalLimit, field(4, 24), kSheetText),
    checkBox(1008, "", shown(4)),
    staticText("Zacisk 4:", caption(5)),
    edit(1048, kTerminalLimit, field(5, 24), kSheetText),
    checkBox(1009, "", shown(5)),
    staticText("Zacisk 5:", caption(6)),
    edit(1049, kTerminalLimit, field(6, 24), kSheetText),
    checkBox(1010, "", shown(6)),
    staticText("Zacisk 6:", caption(7)),
    edit(1050, kTerminalLimit, field(7, 24), kSheetText),
    checkBox(1011, "", shown(7)),
    staticText("Zacisk 7:", caption(8)),
    edit(1051, kTerminalLimit, field(8, 24), kSheetText),
    checkBox(1012, "", shown(8)),
    staticText("Zacisk 8:", caption(9)),
    edit(1086, kTerminalLimit, field(9, 24), kSheetText),
    checkBox(1088, "", shown(9)),
    staticText("Zacisk 9:", caption(10)),
    edit(1087, kTerminalLimit, field(10, 24), kSheetText),
    checkBox(1020, "", shown(10)),
    staticText("Zacisk 10:", caption(11)),
    edit(1015, kTerminalLimit, field(11, 24), kSheetText),
    checkBox(1017, "", shown(11)),
    staticText("Zacisk 11:", caption(12)),
    edit(1061, kTerminalLimit, field(12, 24), kSheetText),
    checkBox(1018, "", shown(12)),
    staticText("Zacisk 12:", caption(13)),
    edit(1016, kTerminalLimit, field(13, 24), kSheetText),
    checkBox(1062, "", shown(13)),
    staticText("Zacisk 13:", caption(14)),
    edit(1063, 0, field(14, 40), kSheetText),
    checkBox(1019, "", shown(14)),

    groupBox("Prędkość obrotowa", group(4, 26)),
    radio(1090, "3000", {kGroupX + 8, 15, 40, 10}),
    radio(1091, "1500", {kGroupX + 58, 15, 40, 10}),
    radio(1092, "1000", {kGroupX + 108, 15, 40, 10}),
    radio(1093, "750", {kGroupX + 158, 15, 40, 10}),

    groupBox("Kontrola prędkości", group(33, 40)),
    staticText("Wejścia cyfrowe:", {kGroupX + 6, 46, 66, 8}),
    radio(1082, "2 przewodowe", {kGroupX + 72, 45, 66, 10}),
    radio(1083, "3 przewodowe", {kGroupX + 140, 45, 66, 10}),
    checkBox(kPotentiometer, "Potencjometr", {kGroupX + 6, 58, 80, 10}),

    groupBox("Częstotliwości", group(76, 40)),
    staticText("Częstotliwość minimalna (0-200 Hz):", prompt(87)),
    intEdit(kMinFrequency, 0, 200, number(87)),
    staticText("Częstotliwość maksymalna (0-200 Hz):", prompt(101)),
    intEdit(kMaxFrequency, 0, 200, number(101)),

    groupBox("Velocidad preseleccionada", group(119, 72)),
    staticText("1ª Częstotliwości nastawiane (0-200Hz):", prompt(130)),
    staticText("Wartość z wejściaanalogowegoica", {kGroupX + 6, 140, 198, 8}, kTextRight),
    staticText("2ª Częstotliwości nastawiane (0-200Hz):", prompt(151)),
    intEdit(kPresets[0], 0, 200, number(151)),
    staticText("3ª Częstotliwości nastawiane (0-200Hz):", prompt(164)),
    intEdit(kPresets[1], 0, 200, number(164)),
    staticText("4ª Częstotliwości nastawiane (0-200Hz):", prompt(177)),
    intEdit(kPresets[2], 0, 200, number(177)),

    groupBox("Rampy", group(194, 40)),
    staticText("Czas przyspieszania (0-99 Sek):", prompt(205)),
    intEdit(kAcceleration, 0, 99, number(205)),
    staticText("Czas zwalniania (0-99 Sek):", prompt(219)),
    intEdit(kDeceleration, 0, 99, number(219)),

    groupBox("Inyección de corriente continua", group(237, 39)),
    radio(1094, "Tiempo de inyección en la parada(1-30 Seg):", {kGroupX + 6, 249, 178, 10}),
    intEdit(kInjectionTime, 0, 30, {kGroupX + 186, 248, 18, 12}),
    radio(1095, "inyección de forma permanente", {kGroupX + 6, 262, 172, 10}),

    pushButton(IDOK, "OK", {7, 278, 50, 14}, kDefaultButton),
    pushButton(IDCANCEL, "Cancel", {64, 278, 50, 14}),
};

constexpr DialogTemplate kEditarVar1 = dialogTemplate(IDD_EDITAR_VAR1, "Nastawy falownika", 342, 295, kControls);

// The character of a choice column; the placement default's where the text ends
// before it.
char choiceAsRead(const std::string& text, std::size_t column) {
    return column < text.size() ? text[column] : kInverterDefaultParameters[column];
}

template <std::size_t N>
void selectByCode(int (&radios)[N], const char (&codes)[N], char code) {
    for (std::size_t k = 0; k < N; ++k) radios[k] = codes[k] == code ? 0 : -1;
}

template <std::size_t N>
char codeOfSelected(const int (&radios)[N], const char (&codes)[N], char none) {
    for (std::size_t k = 0; k < N; ++k)
        if (radios[k] == 0) return codes[k];
    return none;
}

template <std::size_t N>
void selectOnly(int (&radios)[N], int chosen) {
    for (std::size_t k = 0; k < N; ++k) radios[k] = static_cast<int>(k) == chosen ? 0 : 1;
}

}  // namespace

CEditarVar1Dlg::CEditarVar1Dlg() : Dialog(kEditarVar1) {
    const HandlerRow<CEditarVar1Dlg> handlers[] = {
        {1090, Notify::Clicked, &CEditarVar1Dlg::OnSpeed3000},
        {1091, Notify::Clicked, &CEditarVar1Dlg::OnSpeed1500},
        {1092, Notify::Clicked, &CEditarVar1Dlg::OnSpeed1000},
        {1093, Notify::Clicked, &CEditarVar1Dlg::OnSpeed750},
        {1082, Notify::Clicked, &CEditarVar1Dlg::OnTwoWireControl},
        {1083, Notify::Clicked, &CEditarVar1Dlg::OnThreeWireControl},
        {1094, Notify::Clicked, &CEditarVar1Dlg::OnDcInjectionTimed},
        {1095, Notify::Clicked, &CEditarVar1Dlg::OnDcInjectionPermanent},
    };
    addHandlers(this, handlers);
}

void CEditarVar1Dlg::DoDataExchange(DataExchange& dx) {
    exchangeRecordRows(dx, *this, kTerminalEdits, kTerminalShown);
    for (int k = 0; k < 4; ++k) dx.radio(kSpeedRadios[k], m_speed[k]);
    for (int k = 0; k < 2; ++k) dx.radio(kInputRadios[k], m_inputs[k]);
    dx.check(kPotentiometer, m_potentiometer);
    dx.integer(kMinFrequency, m_minFrequency);
    dx.integer(kMaxFrequency, m_maxFrequency);
    for (int k = 0; k < 3; ++k) dx.integer(kPresets[k], m_presets[k]);
    dx.integer(kAcceleration, m_acceleration);
    dx.integer(kDeceleration, m_deceleration);
    dx.integer(kInjectionTime, m_injectionTime);
    for (int k = 0; k < 2; ++k) dx.radio(kInjectionRadios[k], m_injection[k]);
}

bool CEditarVar1Dlg::OnInitDialog() {
    m_title = g_exchangeType == kTypeInverterControl ? "Control Variador velocidad ca." : "";
    readExchangeRecord(*this, kMainTerminals);

    const std::string& text = g_exchangeText;
    const InverterParameters p = readInverterParameters(text);
    m_speedAsRead = choiceAsRead(text, 0);
    m_inputsAsRead = choiceAsRead(text, 4);
    m_injectionAsRead = choiceAsRead(text, 35);
    selectByCode(m_speed, kSpeedCodes, m_speedAsRead);
    selectByCode(m_inputs, kChoiceCodes, m_inputsAsRead);
    selectByCode(m_injection, kChoiceCodes, m_injectionAsRead);
    m_potentiometer = p.potentiometer == '1' ? 1 : 0;
    m_minFrequency = p.minFrequency;
    m_maxFrequency = p.maxFrequency;
    for (int k = 0; k < 3; ++k) m_presets[k] = p.presets[k];
    m_acceleration = p.accelerationSeconds;
    m_deceleration = p.decelerationSeconds;
    m_injectionTime = p.brakeSeconds;
    showValues();
    return true;
}

// What was typed stays: the members are taken before the choice is shown.
void CEditarVar1Dlg::chooseSpeed(int k) {
    takeValuesQuietly();
    selectOnly(m_speed, k);
    showValues();
}

void CEditarVar1Dlg::chooseInputs(int k) {
    takeValuesQuietly();
    selectOnly(m_inputs, k);
    showValues();
}

void CEditarVar1Dlg::chooseInjection(int k) {
    takeValuesQuietly();
    selectOnly(m_injection, k);
    showValues();
}

void CEditarVar1Dlg::OnOK() {
    if (!takeValues()) return;
    writeExchangeRecord(*this, kMainTerminals);

    InverterParameters p;
    p.polePairs = codeOfSelected(m_speed, kSpeedCodes, m_speedAsRead);
    p.potentiometer = m_potentiometer ? '1' : '0';
    p.controlMode = codeOfSelected(m_inputs, kChoiceCodes, m_inputsAsRead);
    p.minFrequency = m_minFrequency;
    p.maxFrequency = m_maxFrequency;
    for (int k = 0; k < 3; ++k) p.presets[k] = m_presets[k];
    p.accelerationSeconds = m_acceleration;
    p.decelerationSeconds = m_deceleration;
    p.brakeSeconds = m_injectionTime;
    p.brakeMode = codeOfSelected(m_injection, kChoiceCodes, m_injectionAsRead);
    g_exchangeText = writeInverterParameters(p);
    endDialog(DialogResult::Ok);
}

}  // namespace velk
