#pragma once
// A sheet view with its document, ready to be painted in a test: the program-wide
// values the paint reads are put back to rest, and items are appended slot by slot.
#include "model/VelkarionView.h"
#include "render/Paint.h"

namespace velk::testing {

inline void resetPaintGlobals() {
    g_currentTool = 0;
    g_itemPicked = 0;
    g_selectionCount = 0;
    g_simPass = 0;
    g_lampPass = 0;
    g_viewOnlyRepaint = 0;
    g_firstPaintDone = 1;  // the splash is a test of its own
    g_firstPaintSplash = nullptr;
}

struct PaintSheet {
    SheetDocument doc;
    CVelkarionView view;

    // The component routines and the wire pass are left out, so that what a test
    // sees is the paint's own drawing, whatever the symbol families draw.
    PaintSheet() {
        resetPaintGlobals();
        view.setDocument(&doc);
        view.m_penWidth = 1;
        view.m_lastPointX = kNoPoint;
        view.m_lastPointY = kNoPoint;
        view.m_routineProbe = [](Dc&, int, double, int, int) {};
        view.m_wirePassProbe = [](Dc&) {};
    }
    ~PaintSheet() { resetPaintGlobals(); }

    // Only the sheet's items: no frame, grid or title block around them.
    void bareSheet() {
        doc.m_showFrame = 0;
        doc.m_showGrid = 0;
        doc.m_titleBlockKind = 0;
    }

    // Appends an item at the count and gives its slot.
    int add(int type, int x = 0, int y = 0, int x2 = 0, int y2 = 0) {
        const int slot = view.m_componentCount++;
        view.m_type[slot] = type;
        view.m_x[slot] = x;
        view.m_y[slot] = y;
        view.m_x2[slot] = x2;
        view.m_y2[slot] = y2;
        view.m_componentId[slot] = slot;
        return slot;
    }
    int addLine(int x, int y, int x2, int y2, int corner, Color color = 0) {
        const int slot = add(kTypeLine, x, y, x2, y2);
        view.m_lineCorner[slot] = corner;
        view.m_color[slot] = color;
        return slot;
    }
    int addShape(int type, int x, int y, int x2, int y2, Color color) {
        const int slot = add(type, x, y, x2, y2);
        view.m_color[slot] = color;
        return slot;
    }
    int addText(int x, int y, const std::string& text, Color color = 0) {
        const int slot = add(kTypeText, x, y, x + 20, y + 5);
        view.m_paramText[slot] = text;
        view.m_color[slot] = color;
        return slot;
    }
};

}  // namespace velk::testing
