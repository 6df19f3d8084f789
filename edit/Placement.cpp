// Component placement: the release of a component tool appends the component at
// the count with its type's defaults, then the closing steps tidy the free slots
// and show the new item.
#include <algorithm>

#include "edit/PlacementDefaults.h"
#include "model/TypeCodes.h"
#include "model/VelkarionView.h"
#include "platform/msgbox.h"
#include "render/SheetCoords.h"

namespace velk {

namespace {

// The end of a scroll parks the preview here until the pointer moves again.
constexpr int kScrolledAwayPoint = 60000;

bool isPointerPosition(int x, int y) {
    return x >= 0 && y >= 0 && x < kScrolledAwayPoint && y < kScrolledAwayPoint;
}

// Wire and link tools show no highlight after their placement.
bool isWireOrLinkTool(int t) {
    return t == kTypeWirePhase || (t >= kTypeWireThreePhaseVertical1 && t <= kTypeWirePE) ||
           t == kTypeWirePlus || t == kTypeWireMinus ||
           (t >= kTypeGrafcetAndDivergence && t <= kTypeGrafcetLink);
}

void writeTerminalNames(CVelkarionView& v, int slot, const TerminalNames& names, int shown) {
    for (int k = 0; k < kTerminalCount; ++k) {
        const char* name = names[static_cast<std::size_t>(k)];
        if (!name) break;
        v.m_terminalName[slot][k] = name;
        v.m_terminalNameVisible[slot][k] = k < shown ? 1 : 0;
    }
}

// Every column to its rest value: a reused slot (one hidden by Undo) must not lend
// the new item its selection, colour, links, texts or run-time state.
void blankForNewItem(CVelkarionView& v, int slot) {
    v.clearSlot(slot);
    v.m_controlOutput[slot] = 0;
}

}  // namespace

bool CVelkarionView::PlaceComponent() {
    SheetDocument* doc = GetDocument();
    if (!doc || !isComponentTool(g_currentTool)) return false;
    const int type = g_currentTool;
    const PlacementDefaults& row = *placementDefaultsFor(type);
    // While simulating clicks operate devices; a palette command that stays enabled
    // then must not add anything.
    if (m_simulating != 0) return false;
    const int n = m_componentCount;
    if (n < 0 || n + slotsTaken(row) - 1 > row.lastSlot) {
        messageBeep();
        return false;
    }

    const double zoom = doc->m_zoom;
    if (m_previewFollowsPointer == 0 || !isPointerPosition(m_lastPointX, m_lastPointY)) {
        // No pointer motion since the preview was parked or hidden: the component
        // goes to the press point, with the box of the tool as it stands now.
        const Point scroll = scrollPosition();
        m_lastPointX = m_dragStartX + scroll.x;
        m_lastPointY = m_dragStartY + scroll.y;
        const Rect ghost = ComputePlacementGhost(type, zoom, m_toolOrientation);
        m_ghostRect[0] = ghost.left;
        m_ghostRect[1] = ghost.top;
        m_ghostRect[2] = ghost.right;
        m_ghostRect[3] = ghost.bottom;
    }

    blankForNewItem(*this, n);
    m_componentId[n] = n;
    m_type[n] = type;
    m_label[n] = row.label;
    m_x[n] = truncatedPixels(m_lastPointX / zoom);
    m_y[n] = truncatedPixels(m_lastPointY / zoom);
    m_boxX1[n] = truncatedPixels(m_ghostRect[0] / zoom);
    m_boxY1[n] = truncatedPixels(m_ghostRect[1] / zoom);
    m_boxX2[n] = truncatedPixels(m_ghostRect[2] / zoom);
    m_boxY2[n] = truncatedPixels(m_ghostRect[3] / zoom);
    m_deleted[n] = 0;
    m_orientation[n] = m_toolOrientation;
    m_variant[n] = m_toolVariant;
    m_label2[n].clear();
    m_labelVisible[n] = row.label[0] != '\0' ? 1 : 0;
    m_label2Visible[n] = 0;
    writeTerminalNames(*this, n, row.terminals, row.shownTerminals);
    if (row.paramText) m_paramText[n] = row.paramText;

    if (row.companion) {
        // The inverter control finds its further terminals in the slot after it.
        const int c = n + 1;
        blankForNewItem(*this, c);
        m_componentId[c] = c;
        m_type[c] = kTypeCompanionSlot;
        m_x[c] = m_x[n];
        m_y[c] = m_y[n];
        m_boxX1[c] = m_boxX1[n];
        m_boxY1[c] = m_boxY1[n];
        m_boxX2[c] = m_boxX2[n];
        m_boxY2[c] = m_boxY2[n];
        m_orientation[c] = m_orientation[n];
        m_variant[c] = m_variant[n];
        writeTerminalNames(*this, c, *row.companion, kTerminalCount);
    }
    m_componentCount = n + slotsTaken(row);
    return true;
}

void CVelkarionView::ClosePlacement() {
    SheetDocument* doc = GetDocument();
    if (!doc) return;
    // Everything from the count up is free; blanking it also drops what Undo hid
    // there, so nothing beyond the new item can be redone.
    blankSlotsFromCount();

    const int j = m_componentCount - 1;
    if (!isWireOrLinkTool(g_currentTool) && j >= 0) {
        const double zoom = doc->m_zoom;
        m_highlightRect[0] = scaledUnits(m_x[j] + m_boxX1[j], zoom);
        m_highlightRect[1] = scaledUnits(m_y[j] + m_boxY1[j], zoom);
        m_highlightRect[2] = scaledUnits(m_x[j] + m_boxX2[j], zoom);
        m_highlightRect[3] = scaledUnits(m_y[j] + m_boxY2[j], zoom);
        const Point scroll = scrollPosition();
        invalidateRect({m_highlightRect[0] - scroll.x, m_highlightRect[1] - scroll.y,
                        m_highlightRect[2] - scroll.x, m_highlightRect[3] - scroll.y},
                       false);
    }
    doc->setModified(true);
}

bool CVelkarionView::FinishComponentTool() {
    // The tool is program-wide; only a press in this view, with the tool armed and
    // not simulating, makes this release a placement.
    const bool pressedHere = m_toolDragActive == 1;
    m_toolDragActive = 0;
    if (!pressedHere || !PlaceComponent()) return false;
    ClosePlacement();
    return true;
}

}  // namespace velk
