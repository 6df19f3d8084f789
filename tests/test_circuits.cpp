// Whole circuits as a user makes them: tools chosen from the palettes, symbols and
// wires placed with the mouse on a new sheet, Simulate, buttons pressed and
// released, the clock ticking. The same sheets saved, opened again and run once more
// behave the same, and so does the example sheet the program opens at `make run`.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/TypeCodes.h"
#include "model/VelkarionView.h"
#include "platform/text1250.h"
#include "render/Colors.h"
#include "res/Resource.h"
#include "circuit_sheet.h"
#include "testkit/testkit.h"

using namespace velk;
using namespace velk::circuittest;

namespace {

// --- sheets drawn with the mouse -------------------------------------------------------

// An L-N supply at (60, 60): L at (60, 60), N at (66, 60). Every two-terminal symbol
// has its upper terminal at its point and its lower one 12 units below.
//
// One button between L and a coil, a lamp beside the coil.
const Sheet kButtonCoilLamp = {
    {
        {ID_PLACE_SUPPLY_LN, {60, 60}, ""},
        {ID_PLACE_PUSH_BUTTON_NO, {90, 90}, ""},
        {ID_PLACE_COIL, {90, 120}, ""},
        {ID_PLACE_PILOT_LAMP, {120, 120}, ""},
    },
    {
        {kPhase, {60, 60}, {60, 75}},
        {kPhase, {60, 75}, {90, 75}},
        {kPhase, {90, 75}, {90, 90}},
        {kPhase, {90, 102}, {90, 111}},
        {kPhase, {90, 111}, {90, 120}},
        {kPhase, {90, 111}, {120, 111}},
        {kPhase, {120, 111}, {120, 120}},
        {kNeutral, {90, 132}, {90, 141}},
        {kNeutral, {120, 132}, {120, 141}},
        {kNeutral, {90, 141}, {120, 141}},
        {kNeutral, {120, 141}, {150, 141}},
        {kNeutral, {66, 60}, {150, 60}},
        {kNeutral, {150, 60}, {150, 141}},
    },
};

// Start and stop: L, stop (NC), start (NO) with the coil's own NO contact across
// it, then the coil and, in parallel with it, a lamp.
const Sheet kSelfHolding = {
    {
        {ID_PLACE_SUPPLY_LN, {60, 60}, ""},
        {ID_PLACE_PUSH_BUTTON_NC, {90, 90}, "-S1"},
        {ID_PLACE_PUSH_BUTTON_NO, {90, 120}, "-S2"},
        {ID_PLACE_AUX_CONTACT_NO, {120, 120}, ""},
        {ID_PLACE_COIL, {90, 150}, ""},
        {ID_PLACE_PILOT_LAMP, {150, 150}, ""},
    },
    {
        {kPhase, {60, 60}, {60, 75}},
        {kPhase, {60, 75}, {90, 75}},
        {kPhase, {90, 75}, {90, 90}},
        {kPhase, {90, 102}, {90, 111}},
        {kPhase, {90, 111}, {90, 120}},
        {kPhase, {90, 111}, {120, 111}},
        {kPhase, {120, 111}, {120, 120}},
        {kPhase, {90, 132}, {90, 141}},
        {kPhase, {90, 141}, {90, 150}},
        {kPhase, {120, 132}, {120, 141}},
        {kPhase, {90, 141}, {120, 141}},
        {kPhase, {120, 141}, {150, 141}},
        {kPhase, {150, 141}, {150, 150}},
        {kNeutral, {90, 162}, {90, 171}},
        {kNeutral, {150, 162}, {150, 171}},
        {kNeutral, {90, 171}, {150, 171}},
        {kNeutral, {150, 171}, {180, 171}},
        {kNeutral, {66, 60}, {180, 60}},
        {kNeutral, {180, 60}, {180, 171}},
    },
};

// A button that joins L and N when pressed.
const Sheet kButtonAcrossSupply = {
    {
        {ID_PLACE_SUPPLY_LN, {60, 60}, ""},
        {ID_PLACE_PUSH_BUTTON_NO, {90, 90}, ""},
    },
    {
        {kPhase, {60, 60}, {60, 75}},
        {kPhase, {60, 75}, {90, 75}},
        {kPhase, {90, 75}, {90, 90}},
        {kNeutral, {66, 60}, {120, 60}},
        {kNeutral, {120, 60}, {120, 111}},
        {kNeutral, {90, 102}, {90, 111}},
        {kNeutral, {90, 111}, {120, 111}},
    },
};

std::string examplePath(const std::string& name) { return std::string(VELK_FIXTURES) + "/../../examples/" + name; }

// --- what the circuits do -------------------------------------------------------------------

// A step of a run: what the user does, then the states it leads to.
enum class Act { Simulate, Tick, Press, Release };
struct Step {
    const char* name;
    Act act;
    int device;  // index into the run's devices, for Press and Release
    int coil, lamp;
};

// Runs the steps on a drawn sheet; devices are given as (type, n-th of that type).
void runSteps(Circuit& c, const std::vector<std::pair<int, int>>& devices, const std::vector<Step>& steps) {
    const int coil = c.slotOf(kTypeCoil);
    const int lamp = c.slotOf(kTypePilotLamp);
    ASSERT_GE(coil, 0);
    ASSERT_GE(lamp, 0);
    for (const Step& step : steps) {
        SCOPED_TRACE(step.name);
        switch (step.act) {
            case Act::Simulate: c.simulate(); break;
            case Act::Tick: c.tick(); break;
            case Act::Press:
            case Act::Release: {
                const auto [type, n] = devices[static_cast<std::size_t>(step.device)];
                const int slot = c.slotOf(type, n);
                ASSERT_GE(slot, 0);
                if (step.act == Act::Press) c.press(slot);
                else c.release(slot);
                c.tick();
                break;
            }
        }
        ASSERT_EQ(c.view().m_simulating, 1);
        EXPECT_EQ(c.view().m_state[coil], step.coil);
        EXPECT_EQ(c.view().m_state[lamp], step.lamp);
        EXPECT_EQ(c.lampPixel(lamp), step.lamp == 1 ? g_colorGreen : g_colorWhite);
    }
}

const std::vector<std::pair<int, int>> kButtonDevices = {{kTypePushButtonNO, 0}};
const std::vector<Step> kButtonSteps = {
    {"simulation started", Act::Simulate, 0, 0, 0},
    {"idle", Act::Tick, 0, 0, 0},
    {"button pressed", Act::Press, 0, 1, 1},
    {"held", Act::Tick, 0, 1, 1},
    {"button released", Act::Release, 0, 0, 0},
    {"released for good", Act::Tick, 0, 0, 0},
};

const std::vector<std::pair<int, int>> kStartStop = {{kTypePushButtonNO, 0}, {kTypePushButtonNC, 0}};
constexpr int kStart = 0, kStop = 1;
const std::vector<Step> kSelfHoldingSteps = {
    {"simulation started", Act::Simulate, 0, 0, 0},
    {"idle", Act::Tick, 0, 0, 0},
    {"start pressed", Act::Press, kStart, 1, 1},
    {"start released: the coil's contact holds", Act::Release, kStart, 1, 1},
    {"held by itself", Act::Tick, 0, 1, 1},
    {"still held", Act::Tick, 0, 1, 1},
    {"stop pressed", Act::Press, kStop, 0, 0},
    {"stop held", Act::Tick, 0, 0, 0},
    {"stop released: stays off", Act::Release, kStop, 0, 0},
    {"off for good", Act::Tick, 0, 0, 0},
    {"start again", Act::Press, kStart, 1, 1},
    {"start released again", Act::Release, kStart, 1, 1},
};

}  // namespace

TEST(Circuits, ButtonLightsTheLampAndPullsInTheCoilWhileHeld) {
    testkit::Session session;
    Circuit c(session);
    c.draw(kButtonCoilLamp);
    runSteps(c, kButtonDevices, kButtonSteps);

    c.saveAndReopen("button_coil_lamp.cad");
    runSteps(c, kButtonDevices, kButtonSteps);
    EXPECT_TRUE(session.messages().empty());
}

TEST(Circuits, StartLatchesThroughTheCoilContactAndStopDropsIt) {
    testkit::Session session;
    Circuit c(session);
    c.draw(kSelfHolding);
    const int contact = c.slotOf(kTypeAuxContactNO);
    ASSERT_EQ(c.view().m_label[contact], "-K");
    ASSERT_EQ(c.view().m_label[c.slotOf(kTypeCoil)], "-K");
    runSteps(c, kStartStop, kSelfHoldingSteps);
    EXPECT_EQ(c.view().m_state[contact], 1);

    c.saveAndReopen("self_holding.cad");
    runSteps(c, kStartStop, kSelfHoldingSteps);
    EXPECT_TRUE(session.messages().empty());
}

TEST(Circuits, ExampleSheetRunsAsOpened) {
    testkit::Session session;
    Circuit c(session);
    c.open(examplePath("self_holding.cad"));
    runSteps(c, kStartStop, kSelfHoldingSteps);
}

TEST(Circuits, ShortCircuitThroughAButtonStopsWithOneMessage) {
    struct Row {
        const char* name;
        bool reopened;
    };
    for (const Row& r : {Row{"drawn", false}, Row{"saved and opened again", true}}) {
        SCOPED_TRACE(r.name);
        testkit::Session session;
        Circuit c(session);
        c.draw(kButtonAcrossSupply);
        if (r.reopened) c.saveAndReopen("short.cad");
        c.simulate();
        c.tick();
        ASSERT_EQ(c.view().m_simulating, 1);
        ASSERT_TRUE(session.messages().empty());

        c.press(c.slotOf(kTypePushButtonNO));
        c.tick(3);
        ASSERT_EQ(session.messages().size(), 1u);
        const BoxRecord& box = session.messages()[0];
        EXPECT_EQ(box.text, "Se ha producido un cortocircuito");
        EXPECT_EQ(box.caption, "Error");
        EXPECT_EQ(c.view().m_simulating, 0);
        EXPECT_EQ(session.paneText(1), cp1250("Edición"));
        EXPECT_EQ(session.paneText(2), "Stop");
    }
}
