// Wires, bundles, three-phase sets, sequential-chart lines and the wiring
// accessories, written at the release of their tools. Wires are stored as clean
// horizontal or vertical segments with ordered ends, because the pick test, the
// band selection, the junction search and the net numbering all rely on x <= x2
// and y <= y2. A new wire that ends strictly inside another gets a junction dot;
// ends that meet end to end are joined by the net numbering instead.
#include <algorithm>
#include <iterator>

#include "edit/PlacementDefaults.h"
#include "model/TypeCodes.h"
#include "model/VelkarionView.h"
#include "platform/msgbox.h"
#include "render/SheetCoords.h"

namespace velk {

namespace {

// The end of a scroll parks the preview here until the pointer moves again.
constexpr int kScrolledAwayPoint = 60000;

// Whether n more items fit: the sheet keeps at most 999, the number Open loads.
bool roomFor(const CVelkarionView& v, int n) {
    return v.m_componentCount >= 0 && v.m_componentCount + n <= kMaxPlacedItems;
}

// A new item at the count with every column at rest, or -1 when the sheet is full.
int appendSlot(CVelkarionView& v) {
    const int n = v.m_componentCount;
    if (n < 0 || n >= kMaxPlacedItems) return -1;
    // A slot hidden by Undo must not lend the new item its texts, links or state.
    v.clearSlot(n);
    v.m_controlOutput[n] = 0;
    v.m_componentId[n] = n;
    v.m_componentCount = n + 1;
    return n;
}

struct Segment {
    Point a, b;
};

// Ordered ends of a drag: the smaller x and y first.
Segment ordered(Point a, Point b) {
    return {{std::min(a.x, b.x), std::min(a.y, b.y)}, {std::max(a.x, b.x), std::max(a.y, b.y)}};
}

void writeLine(CVelkarionView& v, int slot, int type, const Segment& s) {
    v.m_type[slot] = type;
    v.m_x[slot] = s.a.x;
    v.m_y[slot] = s.a.y;
    v.m_x2[slot] = s.b.x;
    v.m_y2[slot] = s.b.y;
    v.m_deleted[slot] = 0;
}

Point unitsOf(Point sheetPixels, double zoom) {
    return {truncatedPixels(sheetPixels.x / zoom), truncatedPixels(sheetPixels.y / zoom)};
}

Rect pixelsOf(const Segment& s, double zoom, Point scroll) {
    return {scaledUnits(s.a.x, zoom) - scroll.x, scaledUnits(s.a.y, zoom) - scroll.y,
            scaledUnits(s.b.x, zoom) - scroll.x, scaledUnits(s.b.y, zoom) - scroll.y};
}

// The drawn segment with room for the pen on every side.
Rect aroundSegment(const Segment& s, double zoom, Point scroll) {
    const Rect r = pixelsOf(s, zoom, scroll);
    const int margin = std::max(2, truncatedPixels(zoom) + 1);
    return {r.left - margin, r.top - margin, r.right + margin, r.bottom + margin};
}

// Where the wire pass writes the net number of a line item.
Rect numberLabelArea(const CVelkarionView& v, int slot, double z, Point scroll) {
    const int x = v.m_x[slot], y = v.m_y[slot], x2 = v.m_x2[slot], y2 = v.m_y2[slot];
    Rect r;
    if (y == y2) {
        const int m = scaledUnits(x, z) + truncatedPixels(static_cast<double>((x2 - x) / 2) * z);
        r = {m - truncatedPixels(2 * z), scaledUnits(y, z) - truncatedPixels(4 * z), m + truncatedPixels(3 * z),
             scaledUnits(y, z)};
    } else {
        const int m = truncatedPixels((y + 1) * z) + truncatedPixels(static_cast<double>((y2 - y) / 2) * z);
        r = {scaledUnits(x, z) - truncatedPixels(3 * z), m - truncatedPixels(4 * z), scaledUnits(x, z),
             m + truncatedPixels(2 * z)};
    }
    return {r.left - scroll.x, r.top - scroll.y, r.right - scroll.x, r.bottom - scroll.y};
}

// The symbol box of the tool's preview, in drawing units.
void writeToolBox(CVelkarionView& v, int slot, int tool, double zoom) {
    const Rect ghost = CVelkarionView::ComputePlacementGhost(tool, zoom, v.m_toolOrientation);
    v.m_boxX1[slot] = truncatedPixels(ghost.left / zoom);
    v.m_boxY1[slot] = truncatedPixels(ghost.top / zoom);
    v.m_boxX2[slot] = truncatedPixels(ghost.right / zoom);
    v.m_boxY2[slot] = truncatedPixels(ghost.bottom / zoom);
}

// --- sequential-chart elements placed with a divergence or convergence line ------

enum class Column { kMiddle, kLeft, kRight };

struct ChartElement {
    int type;
    const char* label;
    Column column;
    int yOffset;  // drawing units from the pointer row
    int boxX1;
};

struct ChartLineRow {
    int tool;
    int subKind;  // for the link tool only
    ChartElement elements[3];
};

// A step spans 18 units down from its insertion point and a transition 12: an
// element placed 18 or 12 above the line ends on it, one placed on the line hangs
// below it. Divergences put one element above and the two branches below,
// convergences the two branches above and one element below.
constexpr int kStep = kTypeGrafcetStep;
constexpr int kTransition = kTypeGrafcetTransition;
constexpr ChartLineRow kChartLineRows[] = {
    {kTypeGrafcetLink,
     kTypeGrafcetOrDivergence,
     {{kStep, "1", Column::kMiddle, -18, -9},
      {kTransition, "1", Column::kLeft, 0, -6},
      {kTransition, "1", Column::kRight, 0, -6}}},
    {kTypeGrafcetLink,
     kTypeGrafcetOrConvergence,
     {{kStep, "1", Column::kMiddle, 0, -9},
      {kTransition, "1", Column::kLeft, -12, -6},
      {kTransition, "1", Column::kRight, -12, -7}}},
    {kTypeGrafcetAndDivergence,
     0,
     {{kTransition, "1", Column::kMiddle, -12, -6},
      {kStep, "1", Column::kLeft, 0, -9},
      {kStep, "1", Column::kRight, 0, -9}}},
    {kTypeGrafcetAndConvergence,
     0,
     {{kTransition, "=1", Column::kMiddle, 0, -6},
      {kStep, "1", Column::kLeft, -18, -9},
      {kStep, "1", Column::kRight, -18, -9}}},
};

const ChartLineRow* chartLineRowFor(int tool, int subKind) {
    for (const ChartLineRow& row : kChartLineRows)
        if (row.tool == tool && (tool != kTypeGrafcetLink || row.subKind == subKind)) return &row;
    return nullptr;
}

struct ElementBox {
    int y1, x2, y2;
};
ElementBox elementBox(int type) { return type == kStep ? ElementBox{-3, 15, 21} : ElementBox{-3, 24, 15}; }

// Chart elements stand on the 3-unit grid.
int onChartGrid(int x) { return x - x % 3; }

// The three wires of a three-phase set: offsets of each wire's start and end from
// the drag's start and end, in drawing units.
struct PhaseWire {
    Point startOffset, endOffset;
};
struct ThreePhaseRow {
    int tool;
    bool vertical;
    PhaseWire wires[3];
};
constexpr ThreePhaseRow kThreePhaseRows[] = {
    {kTypeWireThreePhaseVertical1, true, {{{0, 0}, {0, 0}}, {{6, 0}, {6, 0}}, {{12, 0}, {12, 0}}}},
    {kTypeWireThreePhaseVertical2, true, {{{0, 0}, {0, 0}}, {{6, 6}, {6, 0}}, {{12, 12}, {12, 0}}}},
    {kTypeWireThreePhaseHorizontal1, false, {{{0, 0}, {0, 0}}, {{0, 6}, {0, 6}}, {{0, 12}, {0, 12}}}},
    {kTypeWireThreePhaseHorizontal2, false, {{{0, 0}, {0, 0}}, {{6, 6}, {0, 6}}, {{12, 12}, {0, 12}}}},
};

const ThreePhaseRow* threePhaseRowFor(int tool) {
    for (const ThreePhaseRow& row : kThreePhaseRows)
        if (row.tool == tool) return &row;
    return nullptr;
}

Point plus(Point a, Point b) { return {a.x + b.x, a.y + b.y}; }

// The drag of the current tool: the snapped press and the last pointer position.
struct Drag {
    Point start, end;  // drawing units
};

Drag dragOf(const CVelkarionView& v, double zoom) {
    const Point scroll = v.scrollPosition();
    return {unitsOf({v.m_dragStartX + scroll.x, v.m_dragStartY + scroll.y}, zoom),
            unitsOf({v.m_dragCurrentX + scroll.x, v.m_dragCurrentY + scroll.y}, zoom)};
}

// The dragged line of the current tool written into a new slot, with the area it
// and its number label cover marked for the paint (the rubber line is still on
// the screen). kNothingDragged when press and release met; kSheetFull when the line
// and the `extraItems` that come with it would not all fit.
constexpr int kNothingDragged = -1;
constexpr int kSheetFull = -2;
int placeDraggedLine(CVelkarionView& v, double zoom, Point scroll, int extraItems = 0) {
    const Drag drag = dragOf(v, zoom);
    if (drag.start == drag.end) return kNothingDragged;
    if (!roomFor(v, extraItems + 1)) return kSheetFull;
    const int n = appendSlot(v);
    if (n < 0) return kSheetFull;
    const Segment line = ordered(drag.start, drag.end);
    writeLine(v, n, g_currentTool, line);
    v.invalidateRect(aroundSegment(line, zoom, scroll), true);
    v.invalidateRect(numberLabelArea(v, n, zoom, scroll), false);
    return n;
}

// A full sheet takes nothing more: a beep, and the sheet and its modified flag
// stay as they were. False, as for a release that placed nothing.
bool refuseForFullSheet() {
    messageBeep();
    return false;
}

}  // namespace

bool CVelkarionView::PlaceWire() {
    SheetDocument* doc = GetDocument();
    if (!doc) return false;
    const double zoom = doc->m_zoom;
    const Point scroll = scrollPosition();
    const int n = placeDraggedLine(*this, zoom, scroll);
    if (n == kNothingDragged) return false;
    if (n == kSheetFull) return refuseForFullSheet();

    if (doc->m_autoJunction != 1) return true;
    Point found[2];
    const int count = AddJunctionDots(n, found);
    if (!roomFor(*this, count)) {
        // The wire and its dots are one addition: without room for the dots the
        // wire goes too, and the sheet stays as it was.
        m_componentCount = n;
        clearSlot(n);
        return refuseForFullSheet();
    }
    for (int k = 0; k < count; ++k) {
        const Point p = found[k];
        const int d = appendSlot(*this);
        m_type[d] = kTypeConnectionDot;
        m_x[d] = m_x2[d] = p.x;
        m_y[d] = m_y2[d] = p.y;
        m_deleted[d] = 0;
        invalidateRect({scaledUnits(p.x - 5, zoom) - scroll.x, scaledUnits(p.y - 5, zoom) - scroll.y,
                        scaledUnits(p.x + 5, zoom) - scroll.x, scaledUnits(p.y + 5, zoom) - scroll.y},
                       false);
        // The dot covers the marker: there is none left to erase.
        m_markerX = kNoPoint;
        m_markerY = kNoPoint;
    }
    return true;
}

int CVelkarionView::AddJunctionDots(int slot, Point found[2]) const {
    const int nx = m_x[slot], ny = m_y[slot], nx2 = m_x2[slot], ny2 = m_y2[slot];
    int count = 0;
    auto record = [&](Point p) {
        // The first point gives the first dot; every further one replaces the second.
        found[count == 0 ? 0 : 1] = p;
        count = std::min(count + 1, 2);
    };
    for (int j = 0; j < slot; ++j) {
        if (m_deleted[j] != 0 || !isWireLike(m_type[j])) continue;
        const int jx = m_x[j], jy = m_y[j], jx2 = m_x2[j], jy2 = m_y2[j];
        const bool acrossX = jx < nx && nx < jx2;
        const bool acrossY = jy < ny && ny < jy2;
        if (acrossX && ny == jy) record({nx, ny});
        if (acrossX && ny2 == jy2) record({nx, ny2});
        if (acrossY && nx == jx) record({nx, ny});
        if (acrossY && nx2 == jx2) record({nx2, ny});
    }
    return count;
}

bool CVelkarionView::PlaceGrafcetLine() {
    SheetDocument* doc = GetDocument();
    if (!doc) return false;
    const double zoom = doc->m_zoom;
    const ChartLineRow* row = chartLineRowFor(g_currentTool, g_toolSubKind);
    const int elements = row ? static_cast<int>(std::size(row->elements)) : 0;
    const int n = placeDraggedLine(*this, zoom, scrollPosition(), elements);
    if (n == kNothingDragged) return false;
    if (n == kSheetFull) return refuseForFullSheet();
    InsertGrafcetElements(n);
    return true;
}

void CVelkarionView::InsertGrafcetElements(int line) {
    SheetDocument* doc = GetDocument();
    if (!doc) return;
    const ChartLineRow* row = chartLineRowFor(g_currentTool, g_toolSubKind);
    if (!row) return;  // a plain link inserts nothing
    const double zoom = doc->m_zoom;
    // The row of the pointer at the end of the drag (the line's own row when it runs
    // horizontally).
    const int pointerY =
        m_previewFollowsPointer == 1 ? m_lastPointY : m_dragCurrentY + scrollPosition().y;
    const int x = m_x[line], x2 = m_x2[line];
    for (const ChartElement& e : row->elements) {
        int ex = x + (x2 - x) / 2;
        if (e.column == Column::kLeft) ex = x + 3;
        if (e.column == Column::kRight) ex = x2 - 3;
        const int n = appendSlot(*this);
        if (n >= 0) {
            const ElementBox box = elementBox(e.type);
            m_type[n] = e.type;
            m_label[n] = e.label;
            m_x[n] = onChartGrid(ex);
            m_y[n] = truncatedPixels((pointerY + e.yOffset * zoom) / zoom);
            m_boxX1[n] = e.boxX1;
            m_boxY1[n] = box.y1;
            m_boxX2[n] = box.x2;
            m_boxY2[n] = box.y2;
            m_deleted[n] = 0;
            m_orientation[n] = m_toolOrientation;
            m_variant[n] = m_toolVariant;
            m_labelVisible[n] = 1;
            m_label2Visible[n] = 0;
        }
        invalidate(false);
        m_markerX = kNoPoint;
        m_markerY = kNoPoint;
    }
}

bool CVelkarionView::PlaceAccessory() {
    SheetDocument* doc = GetDocument();
    if (!doc) return false;
    const double zoom = doc->m_zoom;
    const Point scroll = scrollPosition();
    const int tool = g_currentTool;
    const Drag drag = dragOf(*this, zoom);

    if (tool == kTypeConnectionDot) {
        // The dot tool toggles: a click on a dot takes it away (with any other dot
        // on the same point), a click elsewhere adds one.
        bool removed = false;
        for (int j = 0; j < m_componentCount; ++j) {
            if (!isLive(j) || m_type[j] != kTypeConnectionDot) continue;
            if (m_x[j] != drag.start.x || m_y[j] != drag.start.y) continue;
            m_deleted[j] = 1;
            removed = true;
        }
        if (removed) return true;
        const int n = appendSlot(*this);
        if (n < 0) return refuseForFullSheet();
        m_type[n] = kTypeConnectionDot;
        m_x[n] = m_x2[n] = drag.start.x;
        m_y[n] = m_y2[n] = drag.start.y;
        writeToolBox(*this, n, tool, zoom);
        return true;
    }

    if (tool == kTypeBundle) {
        if (drag.start == drag.end) return false;
        const int n = appendSlot(*this);
        if (n < 0) return refuseForFullSheet();
        const Segment bundle = ordered(drag.start, drag.end);
        writeLine(*this, n, kTypeBundle, bundle);
        invalidateRect(aroundSegment(bundle, zoom, scroll), true);
        invalidateRect(numberLabelArea(*this, n, zoom, scroll), false);
        return true;
    }

    if (tool == kTypeBundleEntryLeft || tool == kTypeBundleEntryRight) {
        // Entries join by name and bundle number; they carry no label of their own.
        const int n = appendSlot(*this);
        if (n < 0) return refuseForFullSheet();
        m_type[n] = tool;
        m_x[n] = drag.start.x;
        m_y[n] = drag.start.y;
        writeToolBox(*this, n, tool, zoom);
        return true;
    }

    if (const ThreePhaseRow* row = threePhaseRowFor(tool)) {
        if (drag.start == drag.end) return false;
        const int length = row->vertical ? drag.end.y - drag.start.y : drag.end.x - drag.start.x;
        // A staggered wire starts further along: it exists only once the drag is
        // longer than its offset, as its rubber line showed.
        auto exists = [&](const PhaseWire& w) {
            const int offsetAlong = row->vertical ? w.startOffset.y : w.startOffset.x;
            return offsetAlong <= 0 || length > offsetAlong;
        };
        // A set is one circuit: all of its wires or none.
        int wires = 0;
        for (const PhaseWire& w : row->wires) wires += exists(w) ? 1 : 0;
        if (!roomFor(*this, wires)) return refuseForFullSheet();
        Rect area;
        for (const PhaseWire& w : row->wires) {
            if (!exists(w)) continue;
            const int n = appendSlot(*this);
            const Segment s = ordered(plus(drag.start, w.startOffset), plus(drag.end, w.endOffset));
            writeLine(*this, n, kTypeWirePhase, s);
            area = area.united(aroundSegment(s, zoom, scroll));
        }
        invalidateRect(area, true);
        return true;
    }

    // Terminals and connection points: a component at the preview point.
    const PlacementDefaults* row = placementDefaultsFor(tool);
    if (!row) return false;
    const bool followsPointer = m_previewFollowsPointer == 1 && m_lastPointX >= 0 && m_lastPointY >= 0 &&
                                m_lastPointX < kScrolledAwayPoint && m_lastPointY < kScrolledAwayPoint;
    const Point at = followsPointer ? unitsOf({m_lastPointX, m_lastPointY}, zoom) : drag.start;
    const int n = appendSlot(*this);
    if (n < 0) return refuseForFullSheet();
    m_type[n] = tool;
    m_label[n] = row->label;
    m_x[n] = at.x;
    m_y[n] = at.y;
    writeToolBox(*this, n, tool, zoom);
    m_deleted[n] = 0;
    m_orientation[n] = m_toolOrientation;
    m_variant[n] = m_toolVariant;
    m_labelVisible[n] = 1;
    m_label2Visible[n] = 0;
    return true;
}

}  // namespace velk
