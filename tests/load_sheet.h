#pragma once
// A sheet for the loads of the control family (coils, lamps): loads placed with the
// defaults placement gives them, wires ending on their terminals in any orientation,
// one routine call as an evaluation pass or a lamp pass makes it, and whole runs
// through the paint.
#include <string>
#include <vector>

#include "render/Clock.h"
#include "render/Paint.h"
#include "render/Terminals.h"
#include "sim_sheet.h"

namespace velk::loadtest {

// Terminal points of the loads in command units, orientation 0, in terminal order.
inline std::vector<Point> terminalPoints(int type) {
    if (type == kTypeBistableCoil) return {{-15, 0}, {15, 0}, {0, 60}};
    return {{0, 0}, {0, 60}};
}

inline std::vector<std::string> defaultNames(int type) {
    if (type == kTypeBistableCoil) return {"A1", "B1", "A2"};
    if (type == kTypePilotLamp) return {"X1", "X2"};
    if (type >= kTypeFlashingPilotLamp && type <= kTypeHorn) return {"X1", "X2"};
    return {"A1", "A2"};
}

class LoadSheet : public simtest::SimSheet {
public:
    LoadSheet() { restGlobals(); }
    ~LoadSheet() { restGlobals(); }

    // A load as placement leaves it: label shown, default names shown, a lamp green,
    // a timer relay at one second.
    int addLoad(int type, int x, int y, const std::string& label, int orientation = 0) {
        const int slot = addSymbol(type, x, y, label);
        view.m_labelVisible[slot] = 1;
        view.m_orientation[slot] = orientation;
        const std::vector<std::string> names = defaultNames(type);
        for (int k = 0; k < static_cast<int>(names.size()); ++k) {
            view.m_terminalName[slot][k] = names[k];
            view.m_terminalNameVisible[slot][k] = 1;
        }
        if (type == kTypePilotLamp) view.m_lampColor[slot] = "0";
        if (type == kTypeFlashingPilotLamp) view.m_lampColor[slot] = "0";
        if (type >= kTypeOnDelayTimer && type <= kTypeCyclicTimer) {
            view.m_timerUnit[slot] = "0";
            view.m_timerValue[slot] = "1";
        }
        return slot;
    }

    // Where terminal k of a placed load meets its wire, in drawing units.
    Point terminalEnd(int slot, int k) const {
        const Point p = terminalPoints(view.m_type[slot])[static_cast<std::size_t>(k)];
        const Point t = turnedPoint(view.m_orientation[slot], p.x, p.y);
        return {view.m_x[slot] + t.x / kCommandUnitsPerUnit, view.m_y[slot] + t.y / kCommandUnitsPerUnit};
    }

    // A short wire with one end on terminal k, carrying `letter`.
    int wireAt(int slot, int k, char letter, int type = kTypeWirePhase) {
        const Point e = terminalEnd(slot, k);
        return addLine(type, e.x, e.y, e.x + 1, e.y + 1, letter);
    }

    // One call of a placed slot's routine, as evaluation pass `pass` (or, for a
    // lamp, lamp pass `pass`) of a running simulation makes it.
    void evaluate(Dc& dc, int slot, int pass) {
        view.m_simulating = 1;
        g_simPass = pass;
        g_lampPass = pass;
        call(dc, slot);
    }
    // The same call outside simulation.
    void drawPlaced(Dc& dc, int slot) {
        view.m_simulating = 0;
        call(dc, slot);
    }
    // The placement preview of a tool at (ox, oy).
    void drawPreview(Dc& dc, int type, int ox, int oy) {
        g_currentTool = type;
        view.m_loopIndex = view.m_componentCount;
        view.m_drawingPlaced = 0;
        view.m_penColor = rgb(255, 0, 0);
        (view.*CVelkarionView::routineFor(type))(dc, doc.m_zoom, ox, oy);
        g_currentTool = 0;
    }

    // Simulate and the erasing paint that follows it; then clock ticks.
    void simulate() {
        view.OnModeRun();
        view.runPendingPaint();
    }
    void tick() {
        view.OnTimer(kSimulationTimerId);
        view.runPendingPaint();
    }

    // The window pixel of a point of a placed symbol given in command units.
    Point pixelOf(int slot, int cx, int cy) const {
        const double zoom = doc.m_zoom;
        const Point t = turnedPoint(view.m_orientation[slot], cx, cy);
        const Point scroll = view.scrollPosition();
        return {static_cast<int>(static_cast<int>(view.m_x[slot] * zoom) + t.x * zoom / 5) - scroll.x,
                static_cast<int>(static_cast<int>(view.m_y[slot] * zoom) + t.y * zoom / 5) - scroll.y};
    }
    Color pixel(Point p) const { return view.surface().pixel(p.x, p.y); }

private:
    void call(Dc& dc, int slot) {
        view.m_loopIndex = slot;
        view.m_drawingPlaced = 1;
        view.m_penColor = rgb(0, 0, 0);
        const double zoom = doc.m_zoom;
        (view.*CVelkarionView::routineFor(view.m_type[slot]))(dc, zoom, static_cast<int>(view.m_x[slot] * zoom),
                                                              static_cast<int>(view.m_y[slot] * zoom));
        view.m_drawingPlaced = 0;
    }
    static void restGlobals() {
        g_simPass = 0;
        g_lampPass = 0;
        g_currentTool = 0;
        g_viewOnlyRepaint = 0;
        clearTerminalPoint();
    }
};

}  // namespace velk::loadtest
