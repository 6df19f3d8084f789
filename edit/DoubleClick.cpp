// The double click of the sheet view: while editing it edits this view's picked
// item, a text in the text dialog and a component in the property dialog of its
// type, through the exchange record (dialogs/Exchange.h); while simulating it
// opens the set-point panels of the drive controls under it.
#include <string>

#include "dialogs/Exchange.h"
#include "edit/FreeDrawingTools.h"
#include "model/TypeCodes.h"
#include "model/VelkarionView.h"
#include "render/SheetCoords.h"

namespace velk {

namespace {

struct BoxOffsets {
    int left, top, right, bottom;
};

constexpr BoxOffsets kTwoWireBox = {-18, -3, 9, 15};
constexpr BoxOffsets kThreeWireBox = {-18, -3, 15, 15};
constexpr BoxOffsets kOneSideBox = {-30, -3, 9, 9};

constexpr int kTwoWireSensors[] = {7500, 7506, 7512, 7520, 7526, 7532, 7551, 7553, 7559};
constexpr int kThreeWireSensors[] = {7501, 7502, 7507, 7508, 7513, 7514, 7521, 7522,
                                     7527, 7528, 7533, 7534, 7554, 7555, 7560, 7561};
constexpr int kOneSideSensors[] = {7503, 7504, 7505, 7509, 7510, 7511, 7515, 7516, 7517, 7523, 7524, 7525,
                                   7529, 7530, 7531, 7535, 7536, 7537, 7552, 7556, 7557, 7558, 7562, 7563,
                                   7564};

template <std::size_t N>
bool listed(const int (&codes)[N], int type) {
    for (int code : codes)
        if (code == type) return true;
    return false;
}

// The potentiometer field of a drive control's parameter text: "0" is without.
// A text too short to hold it counts as with.
int driveControlBottom(const std::string& param, std::size_t column) {
    return column < param.size() && param[column] == '0' ? 33 : 36;
}

// The box of the variant a dialog left, written into slot i; false for a type
// whose box no dialog changes. Rows that set the bottom only leave the rest.
bool applyVariantBox(CVelkarionView& v, int i) {
    const int type = v.m_type[i];
    const BoxOffsets* whole = nullptr;
    if (listed(kTwoWireSensors, type)) whole = &kTwoWireBox;
    else if (listed(kThreeWireSensors, type)) whole = &kThreeWireBox;
    else if (listed(kOneSideSensors, type)) whole = &kOneSideBox;
    if (whole) {
        v.m_boxX1[i] = whole->left;
        v.m_boxY1[i] = whole->top;
        v.m_boxX2[i] = whole->right;
        v.m_boxY2[i] = whole->bottom;
        return true;
    }
    if (type == kTypeInverterControl) {
        v.m_boxY2[i] = driveControlBottom(v.m_paramText[i], 2);
        return true;
    }
    if (type == kTypeDcRegulatorControl) {
        v.m_boxY2[i] = driveControlBottom(v.m_paramText[i], 0);
        return true;
    }
    // AND, OR, NAND and NOR blocks: 2 to 5 inputs in the last digit.
    const int family = type - type % 10;
    const int inputs = type % 10 + 2;
    if ((family == 10000 || family == 10010 || family == 10020 || family == 10030) && inputs <= 5) {
        v.m_boxY2[i] = 15 + 6 * (inputs - 2);
        return true;
    }
    return false;
}

// The companion slot right behind an inverter control, or -1.
int companionOf(const CVelkarionView& v, int i) {
    const int next = i + 1;
    return CVelkarionView::isSlotIndex(next) && v.m_type[next] == kTypeCompanionSlot ? next : -1;
}

template <class T>
void assign(T& column, const T& value, bool& changed) {
    changed = changed || column != value;
    column = value;
}

}  // namespace

void CVelkarionView::OnLButtonDblClk(int flags, Point point) {
    claimPickAndSelection();
    const Point scroll = scrollPosition();
    const Point sheet{point.x + scroll.x, point.y + scroll.y};
    // Only this view's own pick is edited, and only while editing.
    if (m_simulating == 0 && itemPickedHere() && isSlotIndex(m_pickedIndex)) {
        const int i = m_pickedIndex;
        if (m_type[i] == kTypeText && m_deleted[i] == 0) EditTextItem(i);
        if (m_type[i] >= 1000 && m_deleted[i] == 0) EditComponentProperties(i);
    }
    if (m_simulating == 1) OpenSetPointPanels(sheet);
    View::onLeftDoubleClick(flags, sheet);
}

void CVelkarionView::EditTextItem(int i) {
    SheetDocument* doc = GetDocument();
    if (!doc || !isSlotIndex(i)) return;
    g_textDialogPrefill = 1;
    g_exchangeText = m_paramText[i];
    if (runTextDialog() != DialogResult::Ok) return;
    // Emptied, the item would show nothing and could no longer be found to edit
    // or delete: the text stays as it was, as after Cancel.
    if (isBlankText(g_exchangeText)) return;

    bool changed = false;
    assign(m_paramText[i], g_exchangeText, changed);
    const double z = doc->m_zoom;
    const Point scroll = scrollPosition();
    const auto area = [&] {
        return Rect{scaledUnits(m_x[i], z) - scroll.x, scaledUnits(m_y[i], z) - scroll.y,
                    scaledUnits(m_x2[i], z) - scroll.x, scaledUnits(m_y2[i], z) - scroll.y};
    };
    invalidateRect(area(), true);
    const double f = textExtentFactor(z);
    const double n = static_cast<double>(g_textToolText.size());
    assign(m_x2[i], truncatedPixels(m_x[i] + n * f / z), changed);
    assign(m_y2[i], truncatedPixels(m_y[i] + 2.0 * f / z), changed);
    // A longer text reaches past the old area: its new area is drawn too.
    invalidateRect(area(), true);
    if (changed) doc->setModified(true);
}

void CVelkarionView::EditComponentProperties(int i) {
    SheetDocument* doc = GetDocument();
    if (!doc || !isSlotIndex(i)) return;
    const int type = m_type[i];
    const int companion = type == kTypeInverterControl ? companionOf(*this, i) : -1;

    g_exchangeType = type;
    g_exchangeLabel = m_label[i];
    g_exchangeLabel2 = m_label2[i];
    g_exchangeLabelVisible = m_labelVisible[i];
    g_exchangeLabel2Visible = m_label2Visible[i];
    for (int k = 0; k < kTerminalCount; ++k) {
        g_exchangeTerminal[k] = m_terminalName[i][k];
        g_exchangeTerminalVisible[k] = m_terminalNameVisible[i][k];
    }
    if (type == kTypeInverterControl || type == kTypeDcRegulatorControl) g_exchangeText = m_paramText[i];
    if (type == kTypeInverterControl) {
        // Without its companion behind it the control's extra terminals show empty.
        for (int k = 0; k < kCompanionTerminalCount; ++k) {
            g_exchangeCompanionTerminal[k] = companion >= 0 ? m_terminalName[companion][k] : std::string();
            g_exchangeCompanionTerminalVisible[k] = companion >= 0 ? m_terminalNameVisible[companion][k] : 0;
        }
    }

    if (propertyDialogFor(type).repaintFirst) invalidate(true);
    if (runPropertyDialogFor(type) != DialogResult::Ok) return;

    bool changed = false;
    assign(m_type[i], g_exchangeType, changed);
    assign(m_label[i], g_exchangeLabel, changed);
    assign(m_label2[i], g_exchangeLabel2, changed);
    for (int k = 0; k < kTerminalCount; ++k) assign(m_terminalName[i][k], g_exchangeTerminal[k], changed);
    assign(m_labelVisible[i], g_exchangeLabelVisible, changed);
    assign(m_label2Visible[i], g_exchangeLabel2Visible, changed);
    for (int k = 0; k < kTerminalCount; ++k)
        assign(m_terminalNameVisible[i][k], g_exchangeTerminalVisible[k], changed);
    const int now = m_type[i];
    if (now == kTypeInverterControl || now == kTypeDcRegulatorControl) assign(m_paramText[i], g_exchangeText, changed);
    if (now == kTypeInverterControl && companion >= 0) {
        for (int k = 0; k < kCompanionTerminalCount; ++k) {
            assign(m_terminalName[companion][k], g_exchangeCompanionTerminal[k], changed);
            assign(m_terminalNameVisible[companion][k], g_exchangeCompanionTerminalVisible[k], changed);
        }
    }

    const double z = doc->m_zoom;
    const int b1 = m_boxX1[i], b2 = m_boxY1[i], b3 = m_boxX2[i], b4 = m_boxY2[i];
    if (applyVariantBox(*this, i)) {
        changed = changed || b1 != m_boxX1[i] || b2 != m_boxY1[i] || b3 != m_boxX2[i] || b4 != m_boxY2[i];
        m_highlightRect[0] = scaledUnits(m_x[i] + m_boxX1[i], z);
        m_highlightRect[1] = scaledUnits(m_y[i] + m_boxY1[i], z);
        m_highlightRect[2] = scaledUnits(m_x[i] + m_boxX2[i], z);
        m_highlightRect[3] = scaledUnits(m_y[i] + m_boxY2[i], z);
    }
    if (changed) doc->setModified(true);
    invalidate(true);
}

}  // namespace velk
