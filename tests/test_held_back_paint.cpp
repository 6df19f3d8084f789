// A repaint held back by Pause or Step shows the run as the last tick left it:
// wires keep their letters and colours, lamps stay as they were, and nothing is
// evaluated, latched or counted. A printed page follows the same rule.
//
// Deliberately a tick in step mode with no step asked for does nothing, rather
// than clearing the wires and evaluating a lone pass 0: between steps the sheet
// holds still to be looked at, instead of showing its wires dead and its lamps
// as half a tick leaves them.
#include <gtest/gtest.h>

#include <string>

#include "file_test_support.h"
#include "model/TypeCodes.h"
#include "model/VelkarionView.h"
#include "render/Colors.h"
#include "res/Resource.h"
#include "testkit/testkit.h"

using namespace velk;
using velk::filetest::fixturePath;
using velk::filetest::readBytes;
using velk::testkit::Session;

namespace {

// The example start/stop circuit: stop -S1, start -S2, holding contact -K, coil -K
// and lamp -H across the coil.
constexpr int kStart = 2, kCoil = 4, kLamp = 5, kFirstWire = 6;

struct Circuit {
    Session session;
    CVelkarionView* view = nullptr;
    Circuit() {
        session.writeFile("self_holding.cad", readBytes(fixturePath("../../examples/self_holding.cad")));
        view = &session.openSheet("self_holding.cad");
    }
    CVelkarionView& v() { return *view; }
    double zoom() { return session.document(v()).m_zoom; }
    // A window pixel at an offset, in symbol-command units, from a slot's origin.
    Color pixelAt(int slot, int cx, int cy) {
        const Point o = session.unitsToWindow(v(), v().m_x[slot], v().m_y[slot]);
        const double s = zoom() / 5;
        return session.surface(v()).pixel(o.x + static_cast<int>(cx * s), o.y + static_cast<int>(cy * s));
    }
    // Inside the lamp's circle, clear of its cross.
    Color lampFill() { return pixelAt(kLamp, 0, 25); }
    // The middle of the first supply wire.
    Color wirePixel() {
        const int w = kFirstWire;
        const Point p = session.unitsToWindow(v(), v().m_x[w], (v().m_y[w] + v().m_y2[w]) / 2);
        return session.surface(v()).pixel(p.x, p.y);
    }
    Point startButton() {
        const int s = kStart;
        return session.unitsToWindow(v(), v().m_x[s] + (v().m_boxX1[s] + v().m_boxX2[s]) / 2,
                                     v().m_y[s] + (v().m_boxY1[s] + v().m_boxY2[s]) / 2);
    }
};

}  // namespace

TEST(HeldBackPaint, WiresStayDrawnAndNothingLatchesWhilePausedOrStepping) {
    struct Row {
        const char* name;
        bool running;  // the coil holds itself before the run is held back
        int holdCommand;
    };
    const Row rows[] = {
        {"paused, circuit off", false, ID_MODE_PAUSE},
        {"paused, circuit on", true, ID_MODE_PAUSE},
        {"stepping, circuit off", false, ID_MODE_STEP},
        {"stepping, circuit on", true, ID_MODE_STEP},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        Circuit c;
        ASSERT_EQ(c.v().m_type[kLamp], kTypePilotLamp);
        ASSERT_EQ(c.v().m_type[kStart], kTypePushButtonNO);
        c.session.command(c.v(), ID_MODE_RUN);
        c.session.tick(c.v(), 2);
        if (row.running) {
            const Point b = c.startButton();
            c.session.press(c.v(), b.x, b.y);
            c.session.tick(c.v(), 3);
            c.session.release(c.v(), b.x, b.y);
            c.session.tick(c.v(), 3);
        }
        const int lit = row.running ? 1 : 0;
        ASSERT_EQ(c.v().m_state[kCoil], lit);
        ASSERT_EQ(c.v().m_state[kLamp], lit);
        const Color wire = c.wirePixel();
        ASSERT_NE(wire, g_colorWhite) << "the running sheet shows its wires";
        const Color lamp = c.lampFill();
        ASSERT_EQ(lamp == g_colorWhite, !row.running);

        c.session.command(c.v(), row.holdCommand);
        c.session.tick(c.v(), 2);  // a step asked for runs; then the run waits
        for (int toggle = 0; toggle < 2; ++toggle) {
            c.session.command(c.v(), ID_VIEW_GRID);
            c.session.flush();
            EXPECT_EQ(c.wirePixel(), wire) << "the wires are drawn as the last tick left them";
            EXPECT_EQ(c.lampFill(), lamp) << "the lamp stays as it was";
        }

        // A button held while the run waits: nothing is evaluated, so the coil does
        // not pull in and the lamp across it does not light.
        const Point b = c.startButton();
        c.session.press(c.v(), b.x, b.y);
        c.session.command(c.v(), ID_VIEW_GRID);
        c.session.tick(c.v(), 3);
        EXPECT_EQ(c.v().m_state[kCoil], lit);
        EXPECT_EQ(c.v().m_state[kLamp], lit);
        EXPECT_EQ(c.lampFill(), lamp) << "no lamp pass ran";
        c.session.release(c.v(), b.x, b.y);
    }
}
