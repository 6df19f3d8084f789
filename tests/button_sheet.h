#pragma once
// A sheet view with a window, driven through its button and motion handlers the
// way the platform drives them: presses, drags, releases and right presses at
// window points, items put into slots in drawing units.
#include <cmath>
#include <string>

#include "model/TypeCodes.h"
#include "model/VelkarionView.h"
#include "paint_sheet.h"
#include "platform/window.h"

namespace velk::testing {

struct Box {
    int x1, y1, x2, y2;
};

struct ButtonSheet : PaintSheet {
    explicit ButtonSheet(double zoom = 2.0) {
        g_toolSubKind = 0;
        doc.m_zoom = zoom;
        view.resizeClient(400, 300);
        view.m_markerX = view.m_markerY = kNoMarker;
        view.runPendingPaint();
    }
    ~ButtonSheet() { g_toolSubKind = 0; }

    void scrollTo(int x, int y) {
        view.setScrollSizes(4000, 4000);
        view.scrollTo(x, y);
    }
    void arm(int tool, int subKind = 0) {
        g_currentTool = tool;
        g_toolSubKind = subKind;
        view.BeginToolPlacement();
    }

    // Window points.
    void press(int x, int y) { view.OnLButtonDown(kMouseLeft, {x, y}); }
    void drag(int x, int y) { view.OnMouseMove(kMouseLeft, {x, y}); }
    void move(int x, int y) { view.OnMouseMove(0, {x, y}); }
    void release(int x, int y) { view.OnLButtonUp(0, {x, y}); }
    void rightPress(int x, int y) { view.OnRButtonDown(kMouseRight, {x, y}); }
    void click(Point p) {
        press(p.x, p.y);
        release(p.x, p.y);
    }

    // The window point that shows the drawing-unit point (u, v).
    Point at(int u, int v) const {
        const Point s = view.scrollPosition();
        return {static_cast<int>(std::trunc(u * doc.m_zoom)) - s.x, static_cast<int>(std::trunc(v * doc.m_zoom)) - s.y};
    }
    // A drag with the armed tool from one drawing-unit point to another.
    void dragTool(Point from, Point to) {
        const Point a = at(from.x, from.y);
        const Point b = at(to.x, to.y);
        press(a.x, a.y);
        drag(b.x, b.y);
        release(b.x, b.y);
    }

    // A symbol at (x, y) with its box offsets and label.
    int addSymbol(int type, int x, int y, Box box, const std::string& label = std::string()) {
        const int slot = add(type, x, y);
        view.m_boxX1[slot] = box.x1;
        view.m_boxY1[slot] = box.y1;
        view.m_boxX2[slot] = box.x2;
        view.m_boxY2[slot] = box.y2;
        view.m_label[slot] = label;
        return slot;
    }
};

}  // namespace velk::testing
