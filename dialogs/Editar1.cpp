// The sensor data dialog and its table of sensor families.
#include "dialogs/Editar1.h"

#include "dialogs/Exchange.h"
#include "model/TypeCodes.h"

namespace velk {

namespace {

// A family takes six codes from its base: two-wire, three-wire PNP, three-wire
// NPN, then the same three with the terminals on one side.
constexpr int kFamilySize = 6;
constexpr int kOneSideOffset = 3;

struct SensorFamily {
    int base;
    const char* captions[3];  // two-wire, PNP, NPN (UTF-8)
};

constexpr SensorFamily kFamilies[] = {
    {7500, {"Det. inductivo NA 2 hilos", "Det. inductivo NA 3 hilos PNP", "Det. inductivo NA 3 hilos NPN"}},
    {7506, {"Det. capacitivo NA 2 hilos", "Det. capacitivo NA 3 hilos PNP", "Det. capacitivo NA 3 hilos NPN"}},
    {7512, {"Det. magnético NA 2 hilos", "Det. magnético NA 3 hilos PNP", "Det. magnético NA 3 hilos NPN"}},
    {7520, {"Det. inductivo NC 2 hilos", "Det. inductivo NC 3 hilos PNP", "Det. inductivo NC 3 hilos NPN"}},
    {7526, {"Det. capacitivo NC 2 hilos", "Det. capacitivo NC 3 hilos PNP", "Det. capacitivo NC 3 hilos NPN"}},
    {7532, {"Det. magnético NC 2 hilos", "Det. magnético NC 3 hilos PNP", "Det. magnético NC 3 hilos NPN"}},
    {7553,
     {"Barrera foto. receptor NA 2 hilos", "Barrera foto. receptor NA 3 hilos PNP",
      "Barrera foto. receptor NA 3 hilos NPN"}},
    {7559,
     {"Barrera foto. receptor NC 2 hilos", "Barrera foto. receptor NC 3 hilos PNP",
      "Barrera foto. receptor NC 3 hilos NPN"}},
};

// The emitter has no wiring: only its two sides.
constexpr const char* kEmitterCaption = "Barrera foto. emisor";

const SensorFamily* familyOf(int type) {
    for (const SensorFamily& f : kFamilies)
        if (f.base <= type && type < f.base + kFamilySize) return &f;
    return nullptr;
}

bool isEmitter(int type) { return type == kTypeBarrierEmitter || type == kTypeBarrierEmitterSide; }

constexpr int kOptionRadios[CEditar1Dlg::kOptionCount] = {1082, 1083, 1084, 1085};
constexpr int kOneSideBox = 1057;

constexpr DialogBox optionRow(int k) { return {128, 88 + 12 * k, 66, 10}; }

constexpr ControlRow kOwnRows[] = {
    pushButton(IDOK, "OK", {143, 36, 50, 14}, kDefaultButton),
    pushButton(IDCANCEL, "Cancel", {143, 54, 50, 14}),
    groupBox("Opcje", {124, 76, 73, 96}),
    radio(1082, "2 przewodowe", optionRow(0)),
    radio(1083, "3 przewodowe", optionRow(1)),
    radio(1084, "PNP", optionRow(2)),
    radio(1085, "NPN", optionRow(3)),
    checkBox(kOneSideBox, "zaciski", {128, 140, 66, 10}),
    staticText("z jednej strony", {128, 152, 66, 8}),
};

const DialogTemplate& sensorTemplate() {
    static const std::vector<ControlRow> rows = propertyDialogRows("Widoczny", kOwnRows);
    static const DialogTemplate tmpl{IDD_EDITAR1, "Dane czujnika", 200, 190, rows.data(), rows.size()};
    return tmpl;
}

constexpr int kThirdTerminal = 2;

}  // namespace

const char* sensorCaption(int type) {
    if (const SensorFamily* f = familyOf(type)) return f->captions[(type - f->base) % kOneSideOffset];
    return isEmitter(type) ? kEmitterCaption : "";
}

CEditar1Dlg::CEditar1Dlg() : CEditarDlg(sensorTemplate()) {
    const HandlerRow<CEditar1Dlg> handlers[] = {
        {1082, Notify::Clicked, &CEditar1Dlg::OnTwoWire},
        {1083, Notify::Clicked, &CEditar1Dlg::OnThreeWire},
        {1084, Notify::Clicked, &CEditar1Dlg::OnPnp},
        {1085, Notify::Clicked, &CEditar1Dlg::OnNpn},
        {kOneSideBox, Notify::Clicked, &CEditar1Dlg::OnTerminalsOneSide},
    };
    addHandlers(this, handlers);
}

void CEditar1Dlg::DoDataExchange(DataExchange& dx) {
    CEditarDlg::DoDataExchange(dx);
    for (int k = 0; k < kOptionCount; ++k) dx.radio(kOptionRadios[k], m_option[k]);
    dx.check(kOneSideBox, m_oneSide);
}

void CEditar1Dlg::setOptions(int twoWire, int threeWire, int pnp, int npn) {
    m_option[kTwoWire] = twoWire;
    m_option[kThreeWire] = threeWire;
    m_option[kPnp] = pnp;
    m_option[kNpn] = npn;
}

bool CEditar1Dlg::OnInitDialog() {
    const int type = g_exchangeType;
    m_title = sensorCaption(type);
    if (const SensorFamily* f = familyOf(type)) {
        const int offset = type - f->base;
        switch (offset % kOneSideOffset) {
            case 0: setOptions(0, -1, -1, -1); break;
            case 1: setOptions(-1, 0, 0, -1); break;
            default: setOptions(-1, 0, -1, 0); break;
        }
        m_oneSide = offset >= kOneSideOffset ? 1 : 0;
    } else if (isEmitter(type)) {
        for (const int id : kOptionRadios) showControl(id, false);
        m_oneSide = type == kTypeBarrierEmitterSide ? 1 : 0;
    }
    // A two-wire sensor and the emitter have no third terminal to show.
    showControl(kTerminalShown[kThirdTerminal], m_option[kTwoWire] != 0 && !isEmitter(type));
    for (int k = kThirdTerminal + 1; k < kTerminalCount; ++k) showControl(kTerminalShown[k], false);
    lockNinthTerminal(type);
    readRecord();
    showValues();
    return true;
}

void CEditar1Dlg::OnTwoWire() {
    takeValuesQuietly();  // what was typed elsewhere stays
    setOptions(0, -1, -1, -1);
    m_terminal[0] = "1";
    m_terminal[1] = "2";
    m_terminal[kThirdTerminal].clear();
    m_terminalVisible[0] = 1;
    m_terminalVisible[1] = 1;
    m_terminalVisible[kThirdTerminal] = 0;
    showControl(kTerminalShown[kThirdTerminal], false);
    showValues();
}

void CEditar1Dlg::OnThreeWire() {
    takeValuesQuietly();
    setOptions(-1, 0, 0, -1);  // PNP unless chosen otherwise
    m_terminal[0] = "+";
    m_terminal[1] = "-";
    m_terminal[kThirdTerminal] = "S";
    for (int k = 0; k <= kThirdTerminal; ++k) m_terminalVisible[k] = 1;
    showControl(kTerminalShown[kThirdTerminal], true);
    showValues();
}

// The output is chosen only with three wires: under two wires the click is undone.
void CEditar1Dlg::chooseOutput(int chosen, int other) {
    takeValuesQuietly();
    if (m_option[kTwoWire] == 0) m_option[kThreeWire] = m_option[kPnp] = m_option[kNpn] = -1;
    if (m_option[kThreeWire] == 0) {
        m_option[chosen] = 0;
        m_option[other] = -1;
    }
    showValues();
}

void CEditar1Dlg::OnPnp() { chooseOutput(kPnp, kNpn); }
void CEditar1Dlg::OnNpn() { chooseOutput(kNpn, kPnp); }

void CEditar1Dlg::OnTerminalsOneSide() {
    const int before = m_oneSide;
    takeValuesQuietly();
    m_oneSide = before == 0 ? 1 : 0;
    showValues();
}

void CEditar1Dlg::OnOK() {
    if (!takeValues()) return;
    const int type = g_exchangeType;
    if (const SensorFamily* f = familyOf(type)) {
        int wiring = -1;
        if (m_option[kTwoWire] == 0)
            wiring = 0;
        else if (m_option[kThreeWire] == 0 && m_option[kPnp] == 0)
            wiring = 1;
        else if (m_option[kThreeWire] == 0 && m_option[kNpn] == 0)
            wiring = 2;
        // No wiring chosen: the code stays.
        if (wiring >= 0) g_exchangeType = f->base + wiring + (m_oneSide == 1 ? kOneSideOffset : 0);
    } else if (type == kTypeBarrierEmitter && m_oneSide == 1) {
        g_exchangeType = kTypeBarrierEmitterSide;
    } else if (type == kTypeBarrierEmitterSide && m_oneSide == 0) {
        g_exchangeType = kTypeBarrierEmitter;
    }
    writeRecord();
    endDialog(DialogResult::Ok);
}

}  // namespace velk
