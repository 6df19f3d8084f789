#pragma once
// Sheets drawn the way a user draws them: symbols chosen from the palettes and
// placed with the mouse, wires dragged from end to end, then Simulate, clicks on
// devices and clock ticks through the test kit.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/TypeCodes.h"
#include "model/VelkarionView.h"
#include "platform/geometry.h"
#include "render/Colors.h"
#include "res/Resource.h"
#include "testkit/testkit.h"

namespace velk::circuittest {

// A symbol: its palette command, where it goes (drawing units, on the grid of 3)
// and the label the user gives it afterwards (empty: the default stays).
struct Part {
    int command;
    Point at;
    const char* label;
};

// A wire dragged from one point to the other.
struct Wire {
    int command;
    Point from, to;
};

struct Sheet {
    std::vector<Part> parts;
    std::vector<Wire> wires;
};

constexpr int kPhase = ID_PLACE_WIRE_PHASE;
constexpr int kNeutral = ID_PLACE_WIRE_NEUTRAL;

class Circuit {
public:
    explicit Circuit(testkit::Session& session) : m_session(session), m_view(&session.newSheet()) {}

    void draw(const Sheet& sheet) {
        for (const Part& p : sheet.parts) {
            m_session.command(*m_view, p.command);
            const Point w = window(p.at);
            m_session.move(*m_view, w.x, w.y);
            m_session.press(*m_view, w.x, w.y);
            m_session.release(*m_view, w.x, w.y);
            const int slot = m_view->m_componentCount - 1;
            ASSERT_EQ(m_view->m_x[slot], p.at.x);
            ASSERT_EQ(m_view->m_y[slot], p.at.y);
            // What the property dialog writes back on OK.
            if (*p.label) m_view->m_label[slot] = p.label;
        }
        for (const Wire& wire : sheet.wires) {
            m_session.command(*m_view, wire.command);
            drag(wire.from, wire.to);
        }
        m_session.command(*m_view, ID_TOOL_SELECT);
    }

    // The left button pressed and released at a point (drawing units).
    void click(Point units) {
        const Point w = window(units);
        m_session.move(*m_view, w.x, w.y);
        m_session.press(*m_view, w.x, w.y);
        m_session.release(*m_view, w.x, w.y);
    }
    // The left button pressed at one point, moved with the button held and released
    // at the other: a wire or a shape with a drawing tool, a band or a move with the
    // select tool.
    void drag(Point from, Point to) {
        const Point a = window(from), b = window(to);
        m_session.move(*m_view, a.x, a.y);
        m_session.press(*m_view, a.x, a.y);
        m_session.move(*m_view, b.x, b.y);
        m_session.release(*m_view, b.x, b.y);
    }

    // Back to edit mode, saves the sheet and opens it again in a new window, which
    // takes over.
    void saveAndReopen(const std::string& name) {
        m_session.command(*m_view, ID_MODE_EDIT);
        const std::string path = m_session.workDir() + "/" + name;
        m_session.answerFileDialogs({path});
        m_session.command(*m_view, ID_FILE_SAVE_AS);
        m_view = &m_session.openSheet(path);
    }
    void open(const std::string& path) { m_view = &m_session.openSheet(path); }

    CVelkarionView& view() { return *m_view; }
    // The slot of the n-th (from 0) item of a type, -1 for none.
    int slotOf(int type, int n = 0) const {
        for (int i = 0; i < m_view->m_componentCount; ++i)
            if (m_view->m_type[i] == type && n-- == 0) return i;
        return -1;
    }

    void simulate() { m_session.command(*m_view, ID_MODE_RUN); }
    void tick(int n = 1) { m_session.tick(*m_view, n); }
    // Press and release inside the operating area of a device, as a click on it.
    void press(int slot) { pointerAt(slot, &testkit::Session::press); }
    void release(int slot) { pointerAt(slot, &testkit::Session::release); }

    // The window pixel at a point of a symbol given in symbol units (a fifth of a
    // drawing unit) from its position, unrotated.
    Color pixelAt(int slot, Point symbolUnits) {
        const double zoom = m_session.document(*m_view).m_zoom;
        const Point origin = window({m_view->m_x[slot], m_view->m_y[slot]});
        const Surface& surface = m_session.surface(*m_view);
        return surface.pixel(origin.x + static_cast<int>(symbolUnits.x * zoom / 5),
                             origin.y + static_cast<int>(symbolUnits.y * zoom / 5));
    }
    // The pixel inside a lamp's circle, left of its cross.
    Color lampPixel(int lamp) { return pixelAt(lamp, {-10, 30}); }

private:
    Point window(Point units) { return m_session.unitsToWindow(*m_view, units.x, units.y); }
    void pointerAt(int slot, void (testkit::Session::*action)(CVelkarionView&, int, int)) {
        const Point w = window({m_view->m_x[slot] - 3, m_view->m_y[slot] + 6});
        m_session.move(*m_view, w.x, w.y);
        (m_session.*action)(*m_view, w.x, w.y);
    }

    testkit::Session& m_session;
    CVelkarionView* m_view;
};

}  // namespace velk::circuittest
