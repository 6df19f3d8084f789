// Rotate and mirror: each command steps an orientation code through a fixed table
// and turns the symbol's box with the same point map, so that picking and the
// highlight keep matching what the interpreter draws. With an item picked the
// item turns about its insertion point; otherwise the next placement does.
#include "edit/Transforms.h"

#include <algorithm>

#include "model/TypeCodes.h"
#include "model/VelkarionView.h"
#include "render/SheetCoords.h"

namespace velk {

const OrientationStep kRotateLeft = {{3, 0, 1, 2, 7, 4, 5, 6}, {0, 1, -1, 0}};
const OrientationStep kRotateRight = {{1, 2, 3, 0, 5, 6, 7, 4}, {0, -1, 1, 0}};
const OrientationStep kMirrorVertical = {{6, 5, 4, 7, 2, 1, 0, 3}, {1, 0, 0, -1}};
const OrientationStep kMirrorHorizontal = {{4, 7, 6, 5, 0, 3, 2, 1}, {-1, 0, 0, 1}};

Point OrientationStep::map(Point p) const {
    return {point[0] * p.x + point[1] * p.y, point[2] * p.x + point[3] * p.y};
}

int OrientationStep::nextCode(int code) const {
    if (code < 0 || code > 7) return code;
    return next[code];
}

Rect OrientationStep::mapBox(const Rect& box) const {
    const Point a = map({box.left, box.top});
    const Point b = map({box.right, box.bottom});
    return {std::min(a.x, b.x), std::min(a.y, b.y), std::max(a.x, b.x), std::max(a.y, b.y)};
}

namespace {

Rect highlightOf(const CVelkarionView& v, int i, double z) {
    return {scaledUnits(v.m_x[i] + v.m_boxX1[i], z), scaledUnits(v.m_y[i] + v.m_boxY1[i], z),
            scaledUnits(v.m_x[i] + v.m_boxX2[i], z), scaledUnits(v.m_y[i] + v.m_boxY2[i], z)};
}

void showHighlight(CVelkarionView& v, const Rect& r, Point scroll) {
    v.m_highlightRect[0] = r.left;
    v.m_highlightRect[1] = r.top;
    v.m_highlightRect[2] = r.right;
    v.m_highlightRect[3] = r.bottom;
    v.invalidateRect({r.left - scroll.x, r.top - scroll.y, r.right - scroll.x, r.bottom - scroll.y}, true);
}

void applyStep(CVelkarionView& v, const OrientationStep& step) {
    v.claimPickAndSelection();
    SheetDocument* doc = v.GetDocument();
    if (!doc) return;
    if (g_itemPicked != 0) {
        const int p = v.m_pickedIndex;
        const double z = doc->m_zoom;
        const Point scroll = v.scrollPosition();
        v.m_orientation[p] = step.nextCode(v.m_orientation[p]);
        showHighlight(v, highlightOf(v, p, z), scroll);
        const Rect box = step.mapBox({v.m_boxX1[p], v.m_boxY1[p], v.m_boxX2[p], v.m_boxY2[p]});
        v.m_boxX1[p] = box.left;
        v.m_boxY1[p] = box.top;
        v.m_boxX2[p] = box.right;
        v.m_boxY2[p] = box.bottom;
        showHighlight(v, highlightOf(v, p, z), scroll);
    } else {
        // The preview redraws in the new orientation.
        v.m_toolOrientation = step.nextCode(v.m_toolOrientation);
        v.invalidate(true);
    }
    doc->setModified(true);
}

// Component tools that have an orientation: motors, drives, power contacts and
// supplies, and everything from the four-way terminal strip up. The plain wires,
// dots, bundles and terminals are placed as they are.
bool toolTurns(int tool) { return (tool >= 1000 && tool <= 3999) || tool > kTypeTerminalStrip3; }

void enableTurn(CVelkarionView& v, CommandUpdate& cmdUI) {
    v.claimPickAndSelection();
    cmdUI.enable(v.m_simulating == 0 && (toolTurns(g_currentTool) || g_itemPicked == 1));
}

}  // namespace

void CVelkarionView::OnRotateLeft() { applyStep(*this, kRotateLeft); }
void CVelkarionView::OnRotateRight() { applyStep(*this, kRotateRight); }
void CVelkarionView::OnMirrorVertical() { applyStep(*this, kMirrorVertical); }
void CVelkarionView::OnMirrorHorizontal() { applyStep(*this, kMirrorHorizontal); }

void CVelkarionView::OnUpdateRotateLeft(CommandUpdate& cmdUI) { enableTurn(*this, cmdUI); }
void CVelkarionView::OnUpdateRotateRight(CommandUpdate& cmdUI) { enableTurn(*this, cmdUI); }
void CVelkarionView::OnUpdateMirrorVertical(CommandUpdate& cmdUI) { enableTurn(*this, cmdUI); }
void CVelkarionView::OnUpdateMirrorHorizontal(CommandUpdate& cmdUI) { enableTurn(*this, cmdUI); }

}  // namespace velk
