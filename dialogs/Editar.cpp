// The general property dialog and its type-name table.
#include "dialogs/Editar.h"

#include "dialogs/Exchange.h"

namespace velk {

namespace {

constexpr TypeNameRow kTypeNames[] = {
    {1000, "Motor trifásico", 4},
    {1001, "Motor trifásico YD", 7},
    {1002, "Motor monofásico", 3},
    {1003, "Motor Dahalander", 7},
    {1004, "Motor rotor bobinado", 7},
    {1005, "Motor dos velocidades", 7},
    {1006, "Motor cc. iman permanente", 3},
    {1007, "Motor cc. ex. indepen.", 5},
    {1050, "Resistencia I", 2},
    {1051, "Resistencia III", 6},
    {1052, "Autotransformador III", 9},
    {1053, "Arrancador electrónico", 7},
    {1054, "Variador velocidad ca II.", 7},
    {1055, "Variador velocidad ca III.", 8},
    {1057, "Variador velocidad cc.", 9},
    {1058, "Variador velocidad cc.", 9},
    {1059, "ControlVariador velocidad cc.", 9},
    {2006, "Contactor I", 2},
    {2000, "Contactor II", 4},
    {2001, "Contactor III", 6},
    {2002, "Contactor IIII", 8},
    {2007, "Interruptor I", 2},
    {2003, "Interruptor II", 4},
    {2004, "Interruptor III", 6},
    {2005, "Interruptor IIII", 8},
    {3000, "Alimentación L", 0},
    {3001, "Alimentación N", 0},
    {3002, "Alimentación PE", 0},
    {3003, "Alimentación L N", 0},
    {3011, "Alimentación L N PE", 0},
    {3004, "Alimentación L1 L2 L3", 0},
    {3005, "Alimentación L1 L2 L3 PE", 0},
    {3006, "Alimentación L1 L2 L3 N", 0},
    {3007, "Alimentación L1 L2 L3 N PE", 0},
    {3008, "Alimentación +", 0},
    {3009, "Alimentación -", 0},
    {3010, "Alimentación + -", 0},
    {3012, "Transformador", 4},
    {3013, "Rectificador", 4},
    {3014, "Fuente de alimentacióm", 5},
    {4000, "Cable", 0},
    {4001, "Conexión", 0},
    {4002, "Manguera", 0},
    {4003, "Entrada manguera", 0},
    {4004, "Entrada manguera", 0},
    {4009, "Cable neutro", 0},
    {4010, "Cable PE", 0},
    {4011, "Regleta cuadrada", 2},
    {4012, "Regleta redonda", 2},
    {4015, "Regleta redonda 2", 2},
    {4016, "Regleta redonda 3", 2},
    {4017, "Regleta redonda 4", 2},
    {4013, "Conector salida", 2},
    {4014, "Conector entrada", 2},
    {5000, "Fusible I", 2},
    {5001, "Fusible IN", 4},
    {5002, "Fusible II", 4},
    {5003, "Fusible III", 6},
    {5004, "Fusible IIIN", 8},
    {5005, "Seccionador I", 2},
    {5006, "Seccionador IN", 4},
    {5007, "Seccionador II", 4},
    {5008, "Seccionador III", 6},
    {5009, "Seccionador IIIN", 8},
    {6000, "Automático I", 2},
    {6001, "Automático IN", 4},
    {6002, "Automático II", 4},
    {6003, "Automático III", 6},
    {6004, "Automático IIIN", 8},
    {6005, "Diferencial IN", 4},
    {6006, "Diferencial IIIN", 8},
    {6007, "Relé térmico", 6},
    {6010, "Disyuntor I", 2},
    {6008, "Disyuntor II", 4},
    {6009, "Disyuntor III", 6},
    {7002, "Contacto auxiliar NA-NC", 4},
    {7003, "Contacto auxiliar conmutado", 3},
    {7004, "Contacto temporizador conexión NA", 2},
    {7005, "Contacto temporizador conexión NC", 2},
    {7006, "Contacto temporizador conexión NA-NC", 4},
    {7007, "Contacto temporizador conexión conmutado", 3},
    {7008, "Contacto temporizador desconexión NA", 2},
    {7009, "Contacto temporizador desconexión NC", 2},
    {7010, "Contacto temporizador desconexión NA-NC", 4},
    {7011, "Contacto temporizador desconexión conmutado", 3},
    {7012, "Contacto temporizador conexión desconexión NA", 2},
    {7013, "Contacto temporizador conexión desconexión NC", 2},
    {7014, "Contacto temporizador conexión desconexión NA-NC", 4},
    {7015, "Contacto temporizador conexión desconexión conmutado", 3},
    {7550, "Barrera fotoeléctrica reflex", 2},
    {8000, "Contacto pulsador NA", 2},
    {8001, "Contacto pulsador NC", 2},
    {8002, "Contacto pulsador NA-NC", 4},
    {8003, "Contacto pulsador conmutado", 3},
    {8004, "Contacto pulsador seta NA", 2},
    {8005, "Contacto pulsador seta NC", 2},
    {8006, "Contacto pulsador seta NA-NC", 4},
    {8007, "Contacto pulsador seta conmutado", 3},
    {8008, "Contacto interruptor NA", 2},
    {8009, "Contacto interruptor NC", 2},
    {8010, "Contacto interruptor NA-NC", 4},
    {8011, "Contacto interruptor conmutado", 3},
    {8012, "Contacto final de carrera NA", 2},
    {8013, "Contacto final de carrera NC", 2},
    {8014, "Contacto final de carrera NA-NC", 4},
    {8015, "Contacto final de carrera conmutado", 3},
    {9000, "Bobina monoestable", 2},
    {9001, "Bobina biestable", 3},
    {9002, "Telerruptor", 2},
    {9003, "Electroválvula", 2},
    {9010, "Timbre", 2},
    {9011, "Zumbador", 2},
    {9012, "Sirena", 2},
    {9013, "Bocina", 2},
    {10040, "Función lógica INV", 0},
    {10041, "Función lógica EXOR", 0},
    {10050, "Contacto NA", 0},
    {10051, "Contacto NC", 0},
    {10052, "Flanco ascendente", 0},
    {10053, "Flanco descendente", 0},
    {10060, "Asignar", 0},
    {10061, "Set", 0},
    {10062, "Reset", 0},
    {10070, "Prueba", 0},
    {10071, "Visualiza", 0},
};

constexpr int kLabelLimit = 5;
constexpr int kTerminalLimit = 2;

constexpr int rowY(int row) { return 36 + 13 * row; }
constexpr DialogBox caption(int row) { return {7, rowY(row) + 2, 45, 8}; }
constexpr DialogBox field(int row, int width) { return {55, rowY(row), width, 12}; }
constexpr DialogBox shown(int row) { return {110, rowY(row) + 1, 12, 10}; }

constexpr const char* kTerminalCaptions[kTerminalCount] = {"Zacisk 1:", "Zacisk 2:", "Zacisk 3:", "Zacisk 4:", "Zacisk 5:",
                                                           "Zacisk 6:", "Zacisk 7:", "Zacisk 8:", "Zacisk 9:"};

constexpr ControlRow kButtons[] = {
    pushButton(IDOK, "OK", {143, 36, 50, 14}, kDefaultButton),
    pushButton(IDCANCEL, "Anuluj", {143, 54, 50, 14}),
};

const DialogTemplate& editarTemplate() {
    static const std::vector<ControlRow> rows = propertyDialogRows("Widoczny", kButtons);
    static const DialogTemplate tmpl{IDD_EDITAR, "Editar", 200, 190, rows.data(), rows.size()};
    return tmpl;
}

}  // namespace

const TypeNameRow* typeNameRowFor(int type) {
    for (const TypeNameRow& row : kTypeNames)
        if (row.type == type) return &row;
    return nullptr;
}

int typeNameRowCount() { return static_cast<int>(sizeof kTypeNames / sizeof kTypeNames[0]); }

std::vector<ControlRow> propertyDialogRows(const char* shownColumn, const ControlRow* own, std::size_t count) {
    using D = CEditarDlg;
    std::vector<ControlRow> r = {
        edit(D::kTitleLine, 0, {7, 7, 186, 12}, kReadOnly),
        staticText(shownColumn, {98, 24, 40, 8}),
        staticText("Oznaczenie:", caption(0)),
        edit(D::kLabelEdit, kLabelLimit, field(0, 40), kSheetText),
        checkBox(D::kLabelShown, "", shown(0)),
        staticText("Funkcja:", caption(1)),
        edit(D::kLabel2Edit, kLabelLimit, field(1, 40), kSheetText),
        checkBox(D::kLabel2Shown, "", shown(1)),
    };
    for (int k = 0; k < kTerminalCount; ++k) {
        r.push_back(staticText(kTerminalCaptions[k], caption(2 + k)));
        r.push_back(edit(D::kTerminalEdits[k], kTerminalLimit, field(2 + k, 24), kSheetText));
        r.push_back(checkBox(D::kTerminalShown[k], "", shown(2 + k)));
    }
    r.insert(r.end(), own, own + count);
    return r;
}

CEditarDlg::CEditarDlg() : CEditarDlg(editarTemplate()) {}

CEditarDlg::CEditarDlg(const DialogTemplate& tmpl) : Dialog(tmpl) {
    m_terminalVisible.fill(0);
    // The shown boxes toggle themselves: they need no handler.
}

void CEditarDlg::readRecord() {
    m_label = g_exchangeLabel;
    m_label2 = g_exchangeLabel2;
    m_labelVisible = g_exchangeLabelVisible;
    m_label2Visible = g_exchangeLabel2Visible;
    for (int k = 0; k < kTerminalCount; ++k) {
        m_terminal[k] = g_exchangeTerminal[k];
        m_terminalVisible[k] = g_exchangeTerminalVisible[k];
    }
}

void CEditarDlg::writeRecord() const {
    g_exchangeLabel = m_label;
    g_exchangeLabel2 = m_label2;
    g_exchangeLabelVisible = m_labelVisible;
    g_exchangeLabel2Visible = m_label2Visible;
    for (int k = 0; k < kTerminalCount; ++k) {
        g_exchangeTerminal[k] = m_terminal[k];
        g_exchangeTerminalVisible[k] = m_terminalVisible[k];
    }
}

void CEditarDlg::lockNinthTerminal(int type) {
    setReadOnly(kTerminalEdits[kTerminalCount - 1], !keepsNinthTerminal(type));
}

void CEditarDlg::DoDataExchange(DataExchange& dx) {
    dx.text(kTitleLine, m_title);
    dx.sheetText(kLabelEdit, m_label);
    dx.check(kLabelShown, m_labelVisible);
    dx.sheetText(kLabel2Edit, m_label2);
    dx.check(kLabel2Shown, m_label2Visible);
    for (int k = 0; k < kTerminalCount; ++k) {
        dx.sheetText(kTerminalEdits[k], m_terminal[k]);
        dx.check(kTerminalShown[k], m_terminalVisible[k]);
    }
}

bool CEditarDlg::OnInitDialog() {
    const TypeNameRow* row = typeNameRowFor(g_exchangeType);
    m_title = row ? row->caption : "";
    // Only the boxes go: the terminal edits stay, and a hidden box cannot change
    // its flag, so it goes back as it came.
    const int kept = row ? row->keptBoxes : kTerminalCount;
    for (int k = kept; k < kTerminalCount; ++k) showControl(kTerminalShown[k], false);
    lockNinthTerminal(g_exchangeType);
    readRecord();
    showValues();
    return true;
}

void CEditarDlg::OnOK() {
    if (!takeValues()) return;
    writeRecord();
    endDialog(DialogResult::Ok);
}

}  // namespace velk
