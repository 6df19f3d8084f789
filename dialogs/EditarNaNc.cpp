// The contact and logic-block dialog and its tables of numberings and gates.
#include "dialogs/EditarNaNc.h"

#include <cstring>

#include "dialogs/Exchange.h"
#include "model/TypeCodes.h"

namespace velk {

namespace {

struct ContactNumbering {
    int type;
    const char* title;  // UTF-8
    const char* items[9];  // "first-second": the names of terminals 1 and 2
};

constexpr ContactNumbering kContacts[] = {
    {kTypeAuxContactNO,
     "Contacto auxiliar NA",
     {"13-14", "23-24", "33-34", "43-44", "53-54", "63-64", "73-74", "83-84", ".3-.4"}},
    {kTypeAuxContactNC,
     "Contacto auxiliar NC",
     {"11-12", "21-22", "31-32", "41-42", "51-52", "61-62", "71-72", "81-82", ".1-.2"}},
};

struct GateVariant {
    const char* item;
    int type;
    const char* title;
};

// Four rows per kind, 2 to 5 inputs; a block's list offers its own kind only.
constexpr int kInputVariants = 4;
constexpr GateVariant kGates[] = {
    {"AND 2", 10000, "Función lógica AND 2"},   {"AND 3", 10001, "Función lógica AND 3"},
    {"AND 4", 10002, "Función lógica AND 4"},   {"AND 5", 10003, "Función lógica AND 5"},
    {"OR 2", 10010, "Función lógica OR 2"},     {"OR 3", 10011, "Función lógica OR 3"},
    {"OR 4", 10012, "Función lógica OR 4"},     {"OR 5", 10013, "Función lógica OR 5"},
    {"NAND 2", 10020, "Función lógica NAND 2"}, {"NAND 3", 10021, "Función lógica NAND 3"},
    {"NAND 4", 10022, "Función lógica NAND 4"}, {"NAND 5", 10023, "Función lógica NAND 5"},
    {"NOR 2", 10030, "Función lógica NOR 2"},   {"NOR 3", 10031, "Función lógica NOR 3"},
    {"NOR 4", 10032, "Función lógica NOR 4"},   {"NOR 5", 10033, "Función lógica NOR 5"},
};
constexpr int kGateCount = static_cast<int>(sizeof kGates / sizeof kGates[0]);

const ContactNumbering* contactOf(int type) {
    for (const ContactNumbering& c : kContacts)
        if (c.type == type) return &c;
    return nullptr;
}

// The index of the gate row of a code, -1 for none.
int gateOf(int type) {
    for (int g = 0; g < kGateCount; ++g)
        if (kGates[g].type == type) return g;
    return -1;
}

constexpr ControlRow kOwnRows[] = {
    pushButton(IDOK, "OK", {143, 36, 50, 14}, kDefaultButton),
    pushButton(IDCANCEL, "Cancel", {143, 54, 50, 14}),
    sortedCombo(CEditarNaNcDlg::kVariantList, {132, 76, 61, 104}),
};

const DialogTemplate& contactTemplate() {
    static const std::vector<ControlRow> rows = propertyDialogRows("widoczny", kOwnRows);
    static const DialogTemplate tmpl{IDD_EDITAR_NA_NC, "Edycja", 200, 190, rows.data(), rows.size()};
    return tmpl;
}

}  // namespace

CEditarNaNcDlg::CEditarNaNcDlg() : CEditarDlg(contactTemplate()) {
    const HandlerRow<CEditarNaNcDlg> handlers[] = {
        {kVariantList, Notify::SelectionChanged, &CEditarNaNcDlg::OnSelChangeVariant},
    };
    addHandlers(this, handlers);
}

bool CEditarNaNcDlg::OnInitDialog() {
    const int type = g_exchangeType;
    if (const ContactNumbering* c = contactOf(type)) {
        m_title = c->title;
        for (int k = 2; k < kTerminalCount; ++k) showControl(kTerminalShown[k], false);
        for (const char* item : c->items) addItem(kVariantList, item);
    } else if (const int g = gateOf(type); g >= 0) {
        m_title = kGates[g].title;
        for (const int id : kTerminalShown) showControl(id, false);
        const int kind = g - g % kInputVariants;
        for (int k = 0; k < kInputVariants; ++k) addItem(kVariantList, kGates[kind + k].item);
    }
    lockNinthTerminal(type);
    readRecord();
    showValues();
    return true;
}

void CEditarNaNcDlg::OnSelChangeVariant() {
    takeValuesQuietly();  // what was typed elsewhere stays
    const std::string item = itemText(kVariantList, selection(kVariantList));
    for (const ContactNumbering& c : kContacts)
        for (const char* numbering : c.items)
            if (item == numbering) {
                const char* hyphen = std::strchr(numbering, '-');
                m_terminal[0].assign(numbering, hyphen);
                m_terminal[1] = hyphen + 1;
            }
    for (const GateVariant& gate : kGates)
        if (item == gate.item) {
            m_title = gate.title;
            g_exchangeType = gate.type;
        }
    showValues();
}

}  // namespace velk
