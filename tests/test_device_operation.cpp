// Operating devices with the mouse while simulating: each family's action on press,
// release and right press, the equal-label copy, and where the press and the
// release are taken.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "button_sheet.h"
#include "model/TypeCodes.h"
#include "model/VelkarionView.h"
#include "res/Resource.h"
#include "testkit/testkit.h"

using namespace velk;
using velk::testing::Box;
using velk::testing::ButtonSheet;

namespace {

constexpr Box kBox{-6, -3, 24, 15};  // operating area 3..23 right and -2..14 below the point

// A simulating sheet with devices in a row, 60 units apart, each operated at a
// point inside its area.
struct DeviceSheet : ButtonSheet {
    DeviceSheet() { view.m_simulating = 1; }
    int addDevice(int type, const std::string& label, int x = -1) {
        const int column = view.m_componentCount;
        return addSymbol(type, x >= 0 ? x : 30 + 60 * column, 30, kBox, label);
    }
    Point over(int slot) const { return at(view.m_x[slot] + 6, view.m_y[slot] + 6); }
    Point away() const { return at(200, 120); }
    // 'P' press, 'U' release over the device, 'C' both, 'R' right press.
    void operate(int slot, char op) {
        const Point p = over(slot);
        if (op == 'P' || op == 'C') press(p.x, p.y);
        if (op == 'U' || op == 'C') release(p.x, p.y);
        if (op == 'R') rightPress(p.x, p.y);
    }
    std::vector<int> states() const {
        std::vector<int> out;
        for (int i = 0; i < view.m_componentCount; ++i) out.push_back(view.m_state[i]);
        return out;
    }
};

}  // namespace

TEST(DeviceOperation, FamilyActions) {
    struct Row {
        const char* name;
        int type;
        const char* ops;
        std::vector<int> states;  // after each operation
    };
    const Row rows[] = {
        {"switch-disconnector III: toggle", kTypeSwitchDisconnectorIII, "CC", {1, 0}},
        {"switch-disconnector I: toggle", kTypeSwitchDisconnectorI, "C", {1}},
        {"latching switch NC: toggle, nothing on release", kTypeLatchingSwitchNC, "PUPU", {1, 1, 0, 0}},
        {"intermediate switch: toggle", kTypeIntermediateSwitch, "CC", {1, 0}},
        {"selector I-0-II: left clicks", kTypeSelectorSwitchCenterOff, "CCCC", {1, 0, 1, 0}},
        {"selector I-0-II: right clicks", kTypeSelectorSwitchCenterOff, "RRRR", {2, 0, 2, 0}},
        {"selector I-0-II: a left click in position 2 gives 0", kTypeSelectorSwitchCenterOff, "RC", {2, 0}},
        {"selector I-II-III: next position", kTypeSelectorSwitchThreeWay, "CCCC", {1, 2, 0, 1}},
        {"selector I-II-III: the right button does nothing", kTypeSelectorSwitchThreeWay, "CR", {1, 1}},
        {"push button NO: held while pressed", kTypePushButtonNO, "PUPU", {1, 0, 1, 0}},
        {"mushroom button changeover: held while pressed", kTypeMushroomButtonChangeover, "PU", {1, 0}},
        {"limit switch NO+NC: held while pressed", kTypeLimitSwitchNONC, "PU", {1, 0}},
        {"push button: the right button does nothing", kTypePushButtonNO, "R", {0}},
        {"thermal overload relay: toggle", kTypeThermalOverloadRelay, "CC", {1, 0}},
        {"breaker III: toggle", kTypeBreakerIII, "CC", {1, 0}},
        {"residual-current device: toggle", kTypeRcdIIIN, "C", {1}},
        {"motor protection switch I: toggle", kTypeMotorProtectionSwitchI, "C", {1}},
        {"motor protection switch III+N: toggle", kTypeMotorProtectionSwitchIIIN, "C", {1}},
        {"surge arrester: toggle", kTypeSurgeArresterIIIN, "C", {1}},
        {"fuse: blown and replaced", kTypeFuseI, "CC", {1, 0}},
        {"fuse switch III+N: toggle", kTypeFuseSwitchIIIN, "C", {1}},
        {"inductive sensor: held while pressed", kTypeInductiveSensorNO2Wire, "PU", {1, 0}},
        {"3-wire side barrier receiver: held while pressed", kTypeBarrierReceiverNC3WirePnpSide, "PU", {1, 0}},
        {"reflex barrier: held while pressed", kTypeReflexBarrier, "PU", {1, 0}},
        {"logic probe: held while pressed", kTypeLogicProbe, "PU", {1, 0}},
        {"main contacts: not operated", kTypeMainContactsI, "C", {0}},
        {"coil: not operated", kTypeCoil, "CR", {0, 0}},
        {"pilot lamp: not operated", kTypePilotLamp, "C", {0}},
        {"auxiliary contact: not operated", kTypeAuxContactNO, "C", {0}},
        {"thermal relay contact: not operated", kTypeThermalContactNC, "C", {0}},
        {"logic display: not operated", kTypeLogicDisplay, "C", {0}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        DeviceSheet s;
        const int device = s.addDevice(row.type, "-Q9");
        std::vector<int> seen;
        for (const char* op = row.ops; *op; ++op) {
            s.operate(device, *op);
            seen.push_back(s.view.m_state[device]);
        }
        EXPECT_EQ(seen, row.states);
    }
}

TEST(DeviceOperation, EqualLabelCopy) {
    struct Item {
        int type;
        const char* label;
        bool hidden = false;
        int x = -1;  // default: the next column
    };
    struct Step {
        int slot;
        char op;
    };
    struct Row {
        const char* name;
        std::vector<Item> items;
        std::vector<Step> steps;
        std::vector<int> states;
    };
    const Row rows[] = {
        {"a push button and an auxiliary contact of one label",
         {{kTypePushButtonNO, "-K"}, {kTypeAuxContactNO, "-K"}},
         {{0, 'P'}},
         {1, 1}},
        {"released over the button: both let go",
         {{kTypePushButtonNO, "-K"}, {kTypeAuxContactNO, "-K"}},
         {{0, 'P'}, {0, 'U'}},
         {0, 0}},
        {"the thermal overload relay reaches only its contacts",
         {{kTypeThermalOverloadRelay, "-F"}, {kTypeThermalContactNC, "-F"}, {kTypeBreakerI, "-F"},
          {kTypeThermalOverloadRelay, "-F"}},
         {{0, 'C'}},
         {1, 1, 0, 0}},
        {"a breaker reaches the relay and its contact",
         {{kTypeThermalOverloadRelay, "-F"}, {kTypeThermalContactNC, "-F"}, {kTypeBreakerI, "-F"}},
         {{2, 'C'}},
         {1, 1, 1}},
        {"two selectors of one label take the position",
         {{kTypeSelectorSwitchCenterOff, "-S"}, {kTypeSelectorSwitchCenterOff, "-S"}},
         {{1, 'C'}, {0, 'R'}, {0, 'R'}},
         {2, 2}},
        {"two sensors of one label",
         {{kTypeInductiveSensorNO2Wire, "-B"}, {kTypeCapacitiveSensorNC2Wire, "-B"}},
         {{1, 'P'}},
         {1, 1}},
        {"a latching switch and a push button of one label are one device",
         {{kTypeLatchingSwitchNO, "-S"}, {kTypePushButtonNO, "-S"}},
         {{0, 'C'}, {1, 'C'}},
         {0, 0}},
        {"an empty label binds nothing",
         {{kTypePushButtonNO, ""}, {kTypeWirePhase, ""}, {kTypeAuxContactNO, ""}},
         {{0, 'P'}},
         {1, 0, 0}},
        {"letter case and a trailing blank make other labels",
         {{kTypePushButtonNO, "-S"}, {kTypeAuxContactNO, "-s"}, {kTypeAuxContactNO, "-S "}},
         {{0, 'P'}},
         {1, 0, 0}},
        {"a hidden slot is not written",
         {{kTypePushButtonNO, "-S"}, {kTypeAuxContactNO, "-S", true}},
         {{0, 'P'}},
         {1, 0}},
        {"two overlapping latching switches of one label: both operated, in slot order",
         {{kTypeLatchingSwitchNO, "-S", false, 30}, {kTypeLatchingSwitchNC, "-S", false, 30}},
         {{0, 'C'}},
         {0, 0}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        DeviceSheet s;
        for (const Item& item : row.items) {
            const int slot = s.addDevice(item.type, item.label, item.x);
            s.view.m_deleted[slot] = item.hidden ? 1 : 0;
        }
        for (const Step& step : row.steps) s.operate(step.slot, step.op);
        EXPECT_EQ(s.states(), row.states);
    }
}

TEST(DeviceOperation, PressSnapsAndReleaseDoesNot) {
    // A limit switch at (100, 50): operating area x 97 to 123. At zoom 2 window x 195
    // snaps to 192 (unit 96, outside) but is unit 97.5 unsnapped (inside).
    struct Row {
        const char* name;
        int before;
        char op;
        int windowX;
        int after;
    };
    const Row rows[] = {
        {"a press snapped out of the area", 0, 'P', 195, 0},
        {"a press on the grid inside", 0, 'P', 198, 1},
        {"a release inside, unsnapped", 1, 'U', 195, 0},
        {"a release outside, unsnapped", 1, 'U', 193, 1},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        DeviceSheet s;
        const int device = s.addSymbol(kTypeLimitSwitchNO, 100, 50, kBox, "-S1");
        s.view.m_state[device] = row.before;
        if (row.op == 'P') s.press(row.windowX, 112);
        else s.release(row.windowX, 112);
        EXPECT_EQ(s.view.m_state[device], row.after);
    }
}

TEST(DeviceOperation, HeldDeviceComesUpWithTheButtonAnywhere) {
    DeviceSheet s;
    const int button = s.addDevice(kTypePushButtonNO, "-S");
    const int contact = s.addDevice(kTypeAuxContactNO, "-S");
    const int latch = s.addDevice(kTypeLatchingSwitchNO, "-T");
    const Point p = s.over(button);
    s.press(p.x, p.y);
    ASSERT_EQ(s.states(), (std::vector<int>{1, 1, 0}));
    s.drag(s.away().x, s.away().y);
    s.release(s.away().x, s.away().y);
    EXPECT_EQ(s.view.m_state[button], 0);
    EXPECT_EQ(s.view.m_state[contact], 0);
    // A latching device stays where the click put it.
    s.operate(latch, 'P');
    s.release(s.away().x, s.away().y);
    EXPECT_EQ(s.view.m_state[latch], 1);
}

TEST(DeviceOperation, OnlyWhileSimulatingAndNotByEsc) {
    DeviceSheet s;
    // A selector over the window's top-left corner, where Esc's point lies.
    const int selector = s.addSymbol(kTypeSelectorSwitchCenterOff, 3, 1, kBox, "-S");
    const int button = s.addDevice(kTypePushButtonNO, "-P");

    g_currentTool = kTypeWirePhase;
    s.view.OnRButtonDown(0, {0, 0});  // Esc
    EXPECT_EQ(g_currentTool, kTypeNone) << "Esc cancels";
    EXPECT_EQ(s.view.m_state[selector], 0) << "and operates nothing";
    s.rightPress(0, 0);
    EXPECT_EQ(s.view.m_state[selector], 2);

    s.view.m_simulating = 0;
    s.operate(button, 'P');
    EXPECT_EQ(s.view.m_state[button], 0);
    s.operate(selector, 'R');
    EXPECT_EQ(s.view.m_state[selector], 2);
}

TEST(DeviceOperationScenario, PressSetsTheLabelReleaseClearsIt) {
    testkit::Session session;
    CVelkarionView& view = session.newSheet();
    const auto place = [&](int tool, Point at) {
        g_currentTool = tool;
        view.BeginToolPlacement();
        const Point p = session.unitsToWindow(view, at.x, at.y);
        session.move(view, p.x, p.y);
        session.press(view, p.x, p.y);
        session.release(view, p.x, p.y);
    };
    place(kTypePushButtonNO, {60, 30});
    place(kTypePushButtonNC, {120, 30});
    place(kTypeCoil, {180, 30});
    place(kTypeLatchingSwitchNO, {60, 90});
    ASSERT_EQ(view.m_componentCount, 4);
    view.m_label[3] = "-S2";

    session.command(view, ID_MODE_RUN);
    ASSERT_EQ(view.m_simulating, 1);
    EXPECT_EQ(g_currentTool, kTypeNone);

    // Every "-S" is the pressed button; the coil "-K" is not.
    const Point button = session.unitsToWindow(view, 60, 36);
    session.press(view, button.x, button.y);
    EXPECT_EQ(view.m_state[0], 1);
    EXPECT_EQ(view.m_state[1], 1);
    EXPECT_EQ(view.m_state[2], 0);
    EXPECT_EQ(view.m_state[3], 0);
    session.tick(view);
    const Point away = session.unitsToWindow(view, 150, 150);
    session.move(view, away.x, away.y);
    session.release(view, away.x, away.y);
    EXPECT_EQ(view.m_state[0], 0);
    EXPECT_EQ(view.m_state[1], 0);

    // A click on the latching switch holds it after the release.
    const Point latch = session.unitsToWindow(view, 60, 96);
    session.press(view, latch.x, latch.y);
    session.release(view, latch.x, latch.y);
    EXPECT_EQ(view.m_state[3], 1);
    EXPECT_EQ(view.m_componentCount, 4) << "clicks while simulating place nothing";
}
