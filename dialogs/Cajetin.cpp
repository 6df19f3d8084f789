// The title-block data dialog and the command that runs it.
#include "dialogs/Cajetin.h"

#include "model/VelkarionView.h"

namespace velk {

CheckedArray<std::string, kTitleTextCount> g_titleText;
CheckedArray<int, kTitleRowCount> g_titleShow;
CheckedArray<int, kTitleRowCount> g_titleAlign;

namespace {

// One line of the dialog per title-block row: its texts, shown box and radios.
struct CajetinRow {
    int edits[2];  // 0 when the row has one text only
    int texts[2];
    int show;
    int radios[3];  // "Izq.", "Cen.", "Der."
};

constexpr CajetinRow kRows[kTitleRowCount] = {
    {{1056, 1057}, {0, 1}, 1063, {1068, 1069, 1070}},  // "Dibujado"
    {{1058, 1059}, {2, 3}, 1067, {1071, 1072, 1073}},  // "Comprobado"
    {{1060, 0}, {4, 0}, 1006, {1074, 1075, 1076}},     // "Entidad"
    {{1061, 0}, {5, 0}, 1007, {1083, 1084, 1085}},     // "Tytuł"
    {{1062, 0}, {6, 0}, 1008, {1080, 1081, 1082}},     // "Data"
    {{1064, 1066}, {7, 8}, 1009, {1089, 1090, 1091}},  // "Arkusz" ... "z"
    {{1065, 0}, {9, 0}, 1010, {1086, 1087, 1088}},     // "Plik"
};

constexpr int rowY(int row) { return 20 + 14 * row; }
constexpr DialogBox caption(int row) { return {7, rowY(row) + 2, 50, 8}; }
constexpr DialogBox field(int row, int x, int width) { return {x, rowY(row), width, 12}; }
constexpr DialogBox shown(int row) { return {226, rowY(row) + 1, 12, 10}; }
constexpr DialogBox align(int row, int column) { return {244 + 35 * column, rowY(row) + 1, 32, 10}; }

constexpr ControlRow kControls[] = {
    staticText("Data", {60, 9, 50, 8}),
    staticText("Nombre", {115, 9, 100, 8}),

    staticText("Dibujado", caption(0)),
    edit(1056, 11, field(0, 60, 50), kSheetText),
    edit(1057, 11, field(0, 115, 105), kSheetText),
    checkBox(1063, "", shown(0)),
    radio(1068, "Izq.", align(0, 0)),
    radio(1069, "Cen.", align(0, 1)),
    radio(1070, "Der.", align(0, 2)),

    staticText("Comprobado", caption(1)),
    edit(1058, 11, field(1, 60, 50), kSheetText),
    edit(1059, 11, field(1, 115, 105), kSheetText),
    checkBox(1067, "", shown(1)),
    radio(1071, "Izq.", align(1, 0)),
    radio(1072, "Cen.", align(1, 1)),
    radio(1073, "Der.", align(1, 2)),

    staticText("Entidad", caption(2)),
    edit(1060, 25, field(2, 60, 160), kSheetText),
    checkBox(1006, "", shown(2)),
    radio(1074, "Izq.", align(2, 0)),
    radio(1075, "Cen.", align(2, 1)),
    radio(1076, "Der.", align(2, 2)),

    staticText("Tytuł", caption(3)),
    edit(1061, 25, field(3, 60, 160), kSheetText),
    checkBox(1007, "", shown(3)),
    radio(1083, "Izq.", align(3, 0)),
    radio(1084, "Cen.", align(3, 1)),
    radio(1085, "Der.", align(3, 2)),

    staticText("Data", caption(4)),
    edit(1062, 11, field(4, 60, 50), kSheetText),
    checkBox(1008, "", shown(4)),
    radio(1080, "Izq.", align(4, 0)),
    radio(1081, "Cen.", align(4, 1)),
    radio(1082, "Der.", align(4, 2)),

    staticText("Arkusz", caption(5)),
    edit(1064, 11, field(5, 60, 50), kSheetText),
    staticText("z", {114, rowY(5) + 2, 8, 8}, kTextCenter),
    edit(1066, 11, field(5, 125, 50), kSheetText),
    checkBox(1009, "", shown(5)),
    radio(1089, "Izq.", align(5, 0)),
    radio(1090, "Cen.", align(5, 1)),
    radio(1091, "Der.", align(5, 2)),

    staticText("Plik", caption(6)),
    edit(1065, 20, field(6, 60, 160), kSheetText),
    checkBox(1010, "", shown(6)),
    radio(1086, "Izq.", align(6, 0)),
    radio(1087, "Cen.", align(6, 1)),
    radio(1088, "Der.", align(6, 2)),

    pushButton(IDOK, "OK", {226, 116, 56, 14}, kDefaultButton),
    pushButton(IDCANCEL, "Cancel", {289, 116, 56, 14}),
};

constexpr DialogTemplate kCajetin = dialogTemplate(IDD_CAJETIN, "Tabelka", 352, 135, kControls);

}  // namespace

CCajetinDlg::CCajetinDlg() : Dialog(kCajetin) {
    for (auto& row : m_align) row.fill(-1);
    for (int r = 0; r < kTitleRowCount; ++r)
        for (int c = 0; c < 3; ++c) on(kRows[r].radios[c], Notify::Clicked, [this, r, c] { OnAlign(r, c); });
    // The shown boxes toggle themselves: they need no handler.
}

void CCajetinDlg::DoDataExchange(DataExchange& dx) {
    for (int r = 0; r < kTitleRowCount; ++r) {
        const CajetinRow& row = kRows[r];
        for (int e = 0; e < 2; ++e)
            if (row.edits[e]) dx.sheetText(row.edits[e], m_text[row.texts[e]]);
        dx.check(row.show, m_show[r]);
        for (int c = 0; c < 3; ++c) dx.radio(row.radios[c], m_align[r][c]);
    }
}

bool CCajetinDlg::OnInitDialog() {
    for (int t = 0; t < kTitleTextCount; ++t) m_text[t] = g_titleText[t];
    for (int r = 0; r < kTitleRowCount; ++r) {
        m_show[r] = g_titleShow[r];
        // An alignment outside 0 to 2 selects no radio.
        for (int c = 0; c < 3; ++c) m_align[r][c] = g_titleAlign[r] == c ? 0 : -1;
    }
    showValues();
    return true;
}

void CCajetinDlg::OnAlign(int row, int column) {
    // What was typed and ticked stays: taken first, shown again after.
    takeValuesQuietly();
    for (int c = 0; c < 3; ++c) m_align[row][c] = c == column ? 0 : -1;
    showValues();
}

void CCajetinDlg::OnOK() {
    if (!takeValues()) return;
    for (int t = 0; t < kTitleTextCount; ++t) g_titleText[t] = m_text[t];
    for (int r = 0; r < kTitleRowCount; ++r) {
        g_titleShow[r] = m_show[r];
        // With no radio selected the row keeps its alignment.
        for (int c = 0; c < 3; ++c)
            if (m_align[r][c] == 0) {
                g_titleAlign[r] = c;
                break;
            }
    }
    endDialog(DialogResult::Ok);
}

void CVelkarionView::OnEditTitleBlock() {
    SheetDocument* doc = GetDocument();
    if (!doc) return;
    for (int t = 0; t < kTitleTextCount; ++t) g_titleText[t] = doc->m_titleText[t];
    for (int r = 0; r < kTitleRowCount; ++r) {
        g_titleShow[r] = doc->m_titleShow[r];
        g_titleAlign[r] = doc->m_titleAlign[r];
    }
    CCajetinDlg dialog;
    if (dialog.runModal() != DialogResult::Ok) return;
    bool changed = false;
    for (int t = 0; t < kTitleTextCount; ++t) {
        changed = changed || doc->m_titleText[t] != g_titleText[t];
        doc->m_titleText[t] = g_titleText[t];
    }
    for (int r = 0; r < kTitleRowCount; ++r) {
        changed = changed || doc->m_titleShow[r] != g_titleShow[r] || doc->m_titleAlign[r] != g_titleAlign[r];
        doc->m_titleShow[r] = g_titleShow[r];
        doc->m_titleAlign[r] = g_titleAlign[r];
    }
    if (changed) doc->setModified(true);
    invalidate(true);
}

}  // namespace velk
