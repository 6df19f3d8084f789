// A repaint held back by Pause or Step shows every symbol family as the run left
// it: an erasing repaint while held must give the very pixels the last tick left
// on the window, for lit lamps and ringing sounders, closed contacts, pulled-in
// coils, counting timers, running motors and drives, detecting sensors, logic
// outputs, ladder rungs and active chart steps alike, and change no state and no
// letter. One small live circuit per family, run for a few ticks, held, then shown
// anew with the grid switched on and off and a zoom in and back out.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "model/DriveParameters.h"
#include "model/TypeCodes.h"
#include "render/Clock.h"
#include "render/Colors.h"
#include "res/Resource.h"
#include "symbol_sheet.h"
#include "symbols/logic/GrafcetToken.h"

using namespace velk;
using velk::symboltest::SymbolSheet;

namespace {

// A sheet at zoom 5 in a window, run tick by tick with the window's own paints.
class LiveSheet : public SymbolSheet {
public:
    LiveSheet() {
        doc.m_zoom = 5;
        show();
    }
    ~LiveSheet() { g_simPass = 0; }

    // A source of the letter above the terminal point (x, y), wired down to it.
    int feed(char letter, int x, int y) {
        place(supplyFor(letter), x, y - 9);
        return wire(x, y - 9, x, y, letter == 'N' ? kTypeWireNeutral : kTypeWirePhase);
    }
    // The three phases over three terminals 6 units apart from (x, y).
    void feedThreePhase(int x, int y) {
        place(kTypeSupplyL1L2L3, x, y - 9);
        for (int k = 0; k < 3; ++k) wire(x + 6 * k, y - 9, x + 6 * k, y);
    }
    // A two-terminal device with `top` above and `bottom` 12 units below its point.
    int across(int type, int x, int y, const char* label = nullptr, char top = 'L', char bottom = 'N') {
        const int i = place(type, x, y);
        if (label) view.m_label[i] = label;
        feed(top, x, y);
        place(supplyFor(bottom), x, y + 21);
        wire(x, y + 12, x, y + 21, bottom == 'N' ? kTypeWireNeutral : kTypeWirePhase);
        return i;
    }
    // A switch fed from above with a wire leaving its lower terminal.
    int fedSwitch(int type) {
        const int i = place(type, 30, 30);
        feed('L', 30, 30);
        wire(30, 42, 30, 51);
        return i;
    }
    int labelled(int type, int x, int y, const char* label) {
        const int i = place(type, x, y);
        view.m_label[i] = label;
        return i;
    }

    void run() {
        view.OnModeRun();
        view.runPendingPaint();
    }
    void tick(int n) {
        for (int t = 0; t < n && view.m_simulating == 1; ++t) {
            view.OnTimer(kSimulationTimerId);
            view.runPendingPaint();
        }
    }

private:
    static int supplyFor(char letter) {
        switch (letter) {
            case 'N': return kTypeSupplyN;
            case '+': return kTypeSupplyPlus;
            case '-': return kTypeSupplyMinus;
            default: return kTypeSupplyL;
        }
    }
};

// Where two window images differ: the count and the box around the differences.
struct Difference {
    int count = 0;
    int left = 0, top = 0, right = -1, bottom = -1;
    std::string describe() const {
        return std::to_string(count) + " pixels in (" + std::to_string(left) + "," + std::to_string(top) + ")-(" +
               std::to_string(right) + "," + std::to_string(bottom) + ")";
    }
};

Difference compare(const Surface& a, const Surface& b) {
    Difference d;
    for (int y = 0; y < a.height() && y < b.height(); ++y)
        for (int x = 0; x < a.width() && x < b.width(); ++x) {
            if (a.pixel(x, y) == b.pixel(x, y)) continue;
            if (d.count++ == 0) {
                d.left = d.right = x;
                d.top = d.bottom = y;
            }
            d.left = std::min(d.left, x);
            d.right = std::max(d.right, x);
            d.top = std::min(d.top, y);
            d.bottom = std::max(d.bottom, y);
        }
    return d;
}

// A family in a live state: what builds the circuit, what is set by hand once the
// run has started (a switch thrown, an object in front of a sensor), the ticks to
// run, and a check that the state is really live.
struct Family {
    const char* name;
    std::function<int(LiveSheet&)> build;  // the slot whose state shows it is live
    std::function<void(LiveSheet&, int)> act;
    int ticks;
    int liveState;  // -1: the state column does not show it (a motor's rotation)
};

const Family kFamilies[] = {
    {"pilot lamp and wires", [](LiveSheet& s) { return s.across(kTypePilotLamp, 30, 30); }, nullptr, 3, 1},
    {"flashing lamp", [](LiveSheet& s) { return s.across(kTypeFlashingPilotLamp, 30, 30); }, nullptr, 3, 1},
    {"coil and the contacts it closes",
     [](LiveSheet& s) {
         const int coil = s.across(kTypeCoil, 30, 30, "-K1");
         s.labelled(kTypeAuxContactNO, 60, 30, "-K1");
         s.feed('L', 60, 30);
         s.wire(60, 42, 60, 51);
         s.labelled(kTypeAuxContactChangeover, 90, 30, "-K1");
         s.labelled(kTypeOnDelayContactNO, 120, 30, "-K1");
         return coil;
     },
     nullptr, 4, 1},
    {"impulse relay coil", [](LiveSheet& s) { return s.across(kTypeImpulseRelayCoil, 30, 30, "-K2"); }, nullptr, 3,
     1},
    {"bistable coil set",
     [](LiveSheet& s) {
         const int coil = s.labelled(kTypeBistableCoil, 30, 30, "-K3");
         s.feed('L', 27, 30);  // A1, left of the box
         s.place(kTypeSupplyN, 30, 51);
         s.wire(30, 42, 30, 51, kTypeWireNeutral);
         return coil;
     },
     nullptr, 3, 1},
    {"solenoid valve", [](LiveSheet& s) { return s.across(kTypeSolenoidValveCoil, 30, 30); }, nullptr, 3, 1},
    {"bell", [](LiveSheet& s) { return s.across(kTypeBell, 30, 30); }, nullptr, 3, 1},
    {"horn", [](LiveSheet& s) { return s.across(kTypeHorn, 30, 30); }, nullptr, 3, 1},
    {"on-delay timer counting",
     [](LiveSheet& s) {
         const int t = s.across(kTypeOnDelayTimer, 30, 30, "-KT");
         s.view.m_timerValue[t] = "9";
         s.view.m_timerUnit[t] = "1";
         s.labelled(kTypeOnDelayContactNO, 60, 30, "-KT");
         return t;
     },
     nullptr, 3, 1},
    {"on-delay timer run out",
     [](LiveSheet& s) {
         const int t = s.across(kTypeOnDelayTimer, 30, 30, "-KT");
         s.view.m_timerValue[t] = "0";
         s.view.m_timerUnit[t] = "0";
         s.labelled(kTypeOnDelayContactNO, 60, 30, "-KT");
         return t;
     },
     nullptr, 8, 1},
    {"cyclic timer",
     [](LiveSheet& s) {
         const int t = s.across(kTypeCyclicTimer, 30, 30, "-KC");
         s.view.m_timerValue[t] = "1";
         s.view.m_timerUnit[t] = "0";
         return t;
     },
     nullptr, 4, 1},
    {"latching switch thrown", [](LiveSheet& s) { return s.fedSwitch(kTypeLatchingSwitchNO); },
     [](LiveSheet& s, int sw) { s.view.m_state[sw] = 1; }, 3, 1},
    {"push button held down", [](LiveSheet& s) { return s.fedSwitch(kTypePushButtonNO); },
     [](LiveSheet& s, int b) { s.view.m_state[b] = 1; }, 3, 1},
    {"selector switch in position 1",
     [](LiveSheet& s) {
         const int sw = s.place(kTypeSelectorSwitchThreeWay, 30, 30);
         s.feed('L', 30, 30);
         return sw;
     },
     [](LiveSheet& s, int sw) { s.view.m_state[sw] = 1; }, 3, 1},
    {"two-wire sensor detecting",
     [](LiveSheet& s) { return s.across(kTypeInductiveSensorNO2Wire, 30, 30, nullptr, 'L', 'L'); },
     [](LiveSheet& s, int sensor) { s.view.m_state[sensor] = 1; }, 3, 1},
    {"three-phase motor running",
     [](LiveSheet& s) {
         const int m = s.place(kTypeMotorThreePhase, 30, 30);
         s.feedThreePhase(30, 30);
         return m;
     },
     nullptr, 4, -1},
    {"main contacts closed by their coil",
     [](LiveSheet& s) {
         s.across(kTypeCoil, 120, 30, "-KM");
         const int k = s.labelled(kTypeMainContactsIII, 30, 30, "-KM");
         s.feedThreePhase(30, 30);
         for (int p = 0; p < 3; ++p) s.wire(30 + 6 * p, 42, 30 + 6 * p, 51);
         return k;
     },
     nullptr, 4, 1},
    {"breaker closed",
     [](LiveSheet& s) {
         const int q = s.place(kTypeBreakerIII, 30, 30);
         s.feedThreePhase(30, 30);
         return q;
     },
     [](LiveSheet& s, int q) { s.view.m_state[q] = 1; }, 3, 1},
    {"resistor fed",
     [](LiveSheet& s) {
         const int r = s.place(kTypeResistor, 30, 30);
         s.feed('L', 30, 30);
         s.place(kTypeSupplyN, 30, 54);
         s.wire(30, 45, 30, 54, kTypeWireNeutral);
         return r;
     },
     nullptr, 4, 1},
    {"AND block with both inputs high",
     [](LiveSheet& s) {
         const int b = s.place(kTypeAnd2, 30, 30);
         s.place(kTypeSupplyPlus, 21, 30);
         s.wire(21, 30, 30, 30, kTypeWirePlus);
         s.place(kTypeSupplyPlus, 21, 36);
         s.wire(21, 36, 30, 36, kTypeWirePlus);
         s.wire(45, 36, 60, 36);
         return b;
     },
     nullptr, 3, 1},
    {"logic probe pressed and display high",
     [](LiveSheet& s) {
         const int probe = s.place(kTypeLogicProbe, 30, 30);
         s.wire(30, 30, 60, 30);
         s.place(kTypeLogicDisplay, 60, 30);
         return probe;
     },
     [](LiveSheet& s, int probe) { s.view.m_state[probe] = 1; }, 3, 1},
    {"ladder rung",
     [](LiveSheet& s) {
         s.place(kTypeSupplyPlus, 21, 30);
         s.wire(21, 30, 30, 30, kTypeWirePlus);
         s.labelled(kTypeLadderContactNC, 30, 30, "M1");
         s.wire(42, 30, 54, 30);
         const int coil = s.labelled(kTypeLadderCoil, 54, 30, "M2");
         s.wire(66, 30, 75, 30, kTypeWireMinus);
         s.place(kTypeSupplyMinus, 75, 30);
         s.labelled(kTypeLadderContactNO, 30, 60, "M2");
         return coil;
     },
     nullptr, 4, 1},
    {"chart with its initial step active",
     [](LiveSheet& s) {
         const int first = s.place(kTypeGrafcetInitialStep, 30, 30);
         s.view.m_label[first] = "0";
         s.addLine(kTypeGrafcetLink, 30, 45, 30, 51);
         s.labelled(kTypeGrafcetTransition, 30, 51, "-S1");
         s.addLine(kTypeGrafcetLink, 30, 63, 30, 69);
         s.labelled(kTypeGrafcetStep, 30, 69, "1");
         s.labelled(kTypeGrafcetAction, 42, 36, "-K1");
         return first;
     },
     nullptr, 3, 1},
    {"macro-step running its expansion",
     [](LiveSheet& s) {
         s.place(kTypeGrafcetInitialStep, 60, 0);
         s.labelled(kTypeGrafcetTransition, 60, 18, "S1");
         const int macro = s.labelled(kTypeGrafcetMacroStep, 60, 30, "M");
         s.labelled(kTypeGrafcetTransition, 60, 48, "S2");
         s.labelled(kTypeGrafcetStep, 60, 60, "1");
         s.labelled(kTypeGrafcetStep, 150, 0, "M");
         s.labelled(kTypeGrafcetTransition, 150, 18, "S3");
         s.labelled(kTypeGrafcetStep, 150, 30, "M");
         s.labelled(kTypePushButtonNO, 300, 30, "S1");
         return macro;
     },
     [](LiveSheet& s, int) {
         // S1 pressed for one tick: the macro-step is entered, then runs.
         const int s1 = s.view.m_componentCount - 1;
         s.view.m_state[s1] = 1;
         s.tick(1);
         s.view.m_state[s1] = 0;
     },
     3, kMacroRunning},
    {"power supply unit fed",
     [](LiveSheet& s) {
         const int u = s.place(kTypePowerSupplyUnit, 30, 30);
         s.feed('L', 30, 30);
         s.feed('N', 36, 30);
         s.wire(30, 45, 30, 54);
         s.wire(36, 45, 36, 54);
         return u;
     },
     nullptr, 3, 1},
    {"transformer fed",
     [](LiveSheet& s) {
         const int t = s.place(kTypeTransformer, 30, 30);
         s.feed('L', 30, 30);
         s.feed('N', 39, 30);
         s.wire(30, 42, 30, 51);
         s.wire(39, 42, 39, 51);
         return t;
     },
     nullptr, 3, 1},
    {"soft starter fed",
     [](LiveSheet& s) {
         const int k = s.place(kTypeSoftStarter, 30, 30);
         s.feedThreePhase(30, 30);
         for (int p = 0; p < 3; ++p) s.wire(30 + 6 * p, 51, 30 + 6 * p, 60);
         return k;
     },
     nullptr, 3, 1},
    {"reflex barrier interrupted",
     [](LiveSheet& s) {
         const int b = s.place(kTypeReflexBarrier, 30, 30);
         s.feed('L', 30, 30);
         s.feed('N', 36, 30);
         return b;
     },
     [](LiveSheet& s, int b) { s.view.m_state[b] = 1; }, 3, 1},
    {"inverter running its motor",
     [](LiveSheet& s) {
         s.labelled(kTypeInverterThreePhase, 30, 30, "-G1");
         s.feedThreePhase(30, 30);
         for (int k = 0; k < 3; ++k) s.wire(30 + 6 * k, 60, 30 + 6 * k, 69);
         s.place(kTypeMotorThreePhase, 30, 69);
         const int block = s.labelled(kTypeInverterControl, 90, 30, "-G1");
         s.view.m_paramText[block] = kInverterDefaultParameters;
         s.addSymbol(kTypeCompanionSlot, 90, 30);
         s.feed('+', 114, 30);  // I1: run forward
         return block;
     },
     nullptr, 12, 1},
    {"DC regulator running its separately excited motor",
     [](LiveSheet& s) {
         s.labelled(kTypeDcRegulatorSinglePhaseField, 60, 60, "-G1");
         s.feed('L', 60, 60);
         s.feed('N', 66, 60);
         s.place(kTypeMotorDcSeparatelyExcited, 60, 141);
         const std::pair<Point, Point> leads[] = {
             {{60, 90}, {60, 141}}, {{66, 90}, {66, 111}},  {{66, 111}, {78, 111}}, {{78, 111}, {78, 141}},
             {{72, 90}, {72, 102}}, {{72, 102}, {54, 102}}, {{54, 102}, {54, 132}}, {{54, 132}, {60, 132}},
             {{78, 90}, {78, 96}},  {{78, 96}, {84, 96}},   {{84, 96}, {84, 132}},  {{84, 132}, {78, 132}},
         };
         for (const auto& [from, to] : leads) s.wire(from.x, from.y, to.x, to.y);
         const int block = s.labelled(kTypeDcRegulatorControl, 150, 60, "-G1");
         s.view.m_paramText[block] = kDcRegulatorDefaultParameters;
         s.wire(180, 60, 180, 66);
         s.wire(180, 66, 174, 66);
         s.wire(174, 66, 174, 60);  // V+ straight to IN: run
         return block;
     },
     nullptr, 12, 1},
    {"permanent-magnet DC motor on a three-phase regulator",
     [](LiveSheet& s) {
         s.labelled(kTypeDcRegulatorThreePhase, 60, 60, "-G2");
         s.feedThreePhase(60, 60);
         s.place(kTypeMotorDcPermanentMagnet, 60, 141);
         s.wire(60, 90, 60, 141);
         s.wire(66, 90, 66, 111);
         s.wire(66, 111, 78, 111);
         s.wire(78, 111, 78, 141);
         const int block = s.labelled(kTypeDcRegulatorControl, 150, 60, "-G2");
         s.view.m_paramText[block] = kDcRegulatorDefaultParameters;
         s.wire(180, 60, 180, 66);
         s.wire(180, 66, 174, 66);
         s.wire(174, 66, 174, 60);
         return block;
     },
     nullptr, 12, 1},
};

}  // namespace

// What the run holds: every state and every letter of the sheet.
std::string runState(const CVelkarionView& v) {
    std::string out;
    for (int i = 0; i < v.m_componentCount; ++i) {
        out += std::to_string(v.m_state[i]) + v.m_potential[i].letter();
        for (int k = 0; k < kTerminalCount; ++k) out += v.m_terminalPotential[i][k].letter();
        out += ' ';
    }
    return out;
}

TEST(ShowOnlyPaint, EveryFamilyShowsTheRunAsTheLastTickLeftIt) {
    for (const int hold : {ID_MODE_PAUSE, ID_MODE_STEP})
        for (const Family& family : kFamilies) {
            SCOPED_TRACE(family.name);
            SCOPED_TRACE(hold == ID_MODE_PAUSE ? "paused" : "stepping");
            LiveSheet s;
            const int live = family.build(s);
            s.run();
            if (family.act) family.act(s, live);
            s.tick(family.ticks);
            if (hold == ID_MODE_PAUSE) {
                s.view.OnModePause();
            } else {
                s.view.OnModeStep();
                s.tick(1);  // the step asked for runs; then the run waits
            }
            ASSERT_EQ(s.view.m_simulating, 1) << s.box();
            if (family.liveState >= 0) {
                ASSERT_EQ(s.view.m_state[live], family.liveState);
            }
            const Surface lastTick = s.view.surface();
            const std::string held = runState(s.view);

            // Erasing repaints: the grid on and off, a zoom in and back out.
            for (int toggle = 0; toggle < 2; ++toggle) {
                s.view.OnViewGrid();
                s.view.runPendingPaint();
            }
            s.view.OnZoomIn();
            s.view.runPendingPaint();
            s.view.OnZoomOut();
            s.view.runPendingPaint();
            ASSERT_DOUBLE_EQ(s.doc.m_zoom, 5.0);
            s.tick(2);  // a held clock draws nothing
            const Difference d = compare(lastTick, s.view.surface());
            EXPECT_EQ(d.count, 0) << d.describe();
            EXPECT_EQ(runState(s.view), held) << "nothing was evaluated";
        }
}
