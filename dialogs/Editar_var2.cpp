// The DC regulator settings dialog.
#include "dialogs/Editar_var2.h"

#include "dialogs/DriveDialogRows.h"
#include "dialogs/Exchange.h"
#include "model/DriveParameters.h"
#include "model/TypeCodes.h"

namespace velk {

namespace {

using namespace drivedialog;

constexpr int kTerminalEdits[CEditarVar2Dlg::kTerminals] = {1045, 1046, 1047, 1048, 1049, 1050, 1051};
constexpr int kTerminalShown[CEditarVar2Dlg::kTerminals] = {1006, 1007, 1008, 1009, 1010, 1011, 1012};
constexpr int kPotentiometer = 1089;
constexpr int kMinVoltage = 1097;
constexpr int kMaxVoltage = 1098;
constexpr int kMinSpeed = 1057;
constexpr int kMaxSpeed = 1058;
constexpr int kAcceleration = 1064;
constexpr int kDeceleration = 1065;

constexpr ControlRow kControls[] = {
    edit(kTitleLine, 0, kTitleBox, kReadOnly),
    staticText("widoczny", kShownHeader),

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
    edit(1048, 0, field(5, 40), kSheetText),
    checkBox(1009, "", shown(5)),
    staticText("Zacisk 5:", caption(6)),
    edit(1049, kTerminalLimit, field(6, 24), kSheetText),
    checkBox(1010, "", shown(6)),
    staticText("Zacisk 6:", caption(7)),
    edit(1050, kTerminalLimit, field(7, 24), kSheetText),
    checkBox(1011, "", shown(7)),
    staticText("Zacisk 7:", caption(8)),
    edit(1051, 0, field(8, 40), kSheetText),
    checkBox(1012, "", shown(8)),

    groupBox("Napięcia", group(4, 40)),
    staticText("Naięcie minimalne (0-280 V):", prompt(15)),
    intEdit(kMinVoltage, 0, 280, number(15)),
    staticText("Napięcie maksymalne (0-280V):", prompt(29)),
    intEdit(kMaxVoltage, 0, 280, number(29)),

    groupBox("Prędkości", group(47, 40)),
    staticText("Prędkość minimalna (0-2500 r.p.m.):", prompt(58)),
    intEdit(kMinSpeed, 0, 2500, number(58)),
    staticText("Prędkość maksymalna (0-2500 r.p.m.):", prompt(72)),
    intEdit(kMaxSpeed, 0, 2500, number(72)),

    groupBox("Rampa", group(90, 40)),
    staticText("Czas przyspieszania (0-99 Seg):", prompt(101)),
    intEdit(kAcceleration, 0, 99, number(101)),
    staticText("Czas zwalniania (0-99 Seg):", prompt(115)),
    intEdit(kDeceleration, 0, 99, number(115)),

    checkBox(kPotentiometer, "Potencjometr", {kGroupX + 6, 136, 80, 10}),

    pushButton(IDOK, "OK", {7, 170, 50, 14}, kDefaultButton),
    pushButton(IDCANCEL, "Cancel", {64, 170, 50, 14}),
};

constexpr DialogTemplate kEditarVar2 =
    dialogTemplate(IDD_EDITAR_VAR2, "Nastawy regulatora DC", 342, 190, kControls);

}  // namespace

CEditarVar2Dlg::CEditarVar2Dlg() : Dialog(kEditarVar2) {
    // The check boxes toggle themselves: no handlers.
}

void CEditarVar2Dlg::DoDataExchange(DataExchange& dx) {
    exchangeRecordRows(dx, *this, kTerminalEdits, kTerminalShown);
    dx.check(kPotentiometer, m_potentiometer);
    dx.integer(kMinVoltage, m_minVoltage);
    dx.integer(kMaxVoltage, m_maxVoltage);
    dx.integer(kMinSpeed, m_minSpeed);
    dx.integer(kMaxSpeed, m_maxSpeed);
    dx.integer(kAcceleration, m_acceleration);
    dx.integer(kDeceleration, m_deceleration);
}

bool CEditarVar2Dlg::OnInitDialog() {
    m_title = g_exchangeType == kTypeDcRegulatorControl ? "Control Variador velocidad cc." : "";
    readExchangeRecord(*this, kTerminals);
    const DcRegulatorParameters p = readDcRegulatorParameters(g_exchangeText);
    m_potentiometer = p.potentiometer == '1' ? 1 : 0;
    m_minVoltage = p.minVoltage;
    m_maxVoltage = p.maxVoltage;
    m_minSpeed = p.minSpeed;
    m_maxSpeed = p.maxSpeed;
    m_acceleration = p.accelerationSeconds;
    m_deceleration = p.decelerationSeconds;
    showValues();
    return true;
}

void CEditarVar2Dlg::OnOK() {
    if (!takeValues()) return;
    writeExchangeRecord(*this, kTerminals);
    DcRegulatorParameters p;
    p.potentiometer = m_potentiometer ? '1' : '0';
    p.minVoltage = m_minVoltage;
    p.maxVoltage = m_maxVoltage;
    p.minSpeed = m_minSpeed;
    p.maxSpeed = m_maxSpeed;
    p.accelerationSeconds = m_acceleration;
    p.decelerationSeconds = m_deceleration;
    g_exchangeText = writeDcRegulatorParameters(p);
    endDialog(DialogResult::Ok);
}

}  // namespace velk
