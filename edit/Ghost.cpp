// The placement ghost: the area the preview of a tool covers, which pointer motion
// repaints and placement keeps as the symbol box.
#include "edit/PlacementDefaults.h"
#include "model/VelkarionView.h"
#include "render/SheetCoords.h"

namespace velk {

Rect CVelkarionView::ComputePlacementGhost(int type, double zoom, int orientation) {
    const PlacementDefaults* row = placementDefaultsFor(type);
    if (!row) return {};
    // Command units are fifths of a drawing unit. Each side is truncated toward zero
    // on its own and then turned, so a turned box has the same pixel sides.
    const double scale = zoom / 5.0;
    const int x1 = truncatedPixels(scale * row->ghost.left);
    const int y1 = truncatedPixels(scale * row->ghost.top);
    const int x2 = truncatedPixels(scale * row->ghost.right);
    const int y2 = truncatedPixels(scale * row->ghost.bottom);
    // Bounding box of the box under the interpreter's orientation mapping.
    switch (orientation) {
        case 1: return {-y2, x1, -y1, x2};
        case 2: return {-x2, -y2, -x1, -y1};
        case 3: return {y1, -x2, y2, -x1};
        case 4: return {-x2, y1, -x1, y2};
        case 5: return {-y2, -x2, -y1, -x1};
        case 6: return {x1, -y2, x2, -y1};
        case 7: return {y1, x1, y2, x2};
        default: return {x1, y1, x2, y2};
    }
}

}  // namespace velk
