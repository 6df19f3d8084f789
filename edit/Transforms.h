#pragma once
// The four turn commands as data: the new orientation code for each old one, and
// the point map that turns a symbol's box with it.
#include "platform/geometry.h"

namespace velk {

struct OrientationStep {
    int next[8];   // new code for the old codes 0 to 7
    int point[4];  // (x, y) -> (point[0] x + point[1] y, point[2] x + point[3] y)

    Point map(Point p) const;
    // A code outside 0 to 7 stays as it is.
    int nextCode(int code) const;
    // Both corners mapped, the first one kept the smaller.
    Rect mapBox(const Rect& box) const;
};

extern const OrientationStep kRotateLeft;
extern const OrientationStep kRotateRight;
extern const OrientationStep kMirrorVertical;
extern const OrientationStep kMirrorHorizontal;

}  // namespace velk
