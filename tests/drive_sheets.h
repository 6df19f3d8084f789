#pragma once
// The two drives drawn with the mouse, for the tests that run them through the
// test kit: an inverter with its motor and run switches, and a DC regulator with
// its motor and run switch.
#include "circuit_sheet.h"
#include "model/VelkarionView.h"
#include "res/Resource.h"

namespace velk::drivetest {

// A three-phase supply feeds the power part -G1, which drives motor -M1; the
// control block (labelled -G1 by drawInverterDrive) feeds two latching switches
// from its "+" terminal, -S1 to I1 (run forward) and, further right, -S3 to I3
// (preset 1).
inline const circuittest::Sheet kInverterDrive = {
    {
        {ID_PLACE_SUPPLY_L1L2L3, {60, 30}, ""},
        {ID_PLACE_INVERTER_THREE_PHASE, {60, 60}, "-G1"},
        {ID_PLACE_MOTOR_THREE_PHASE, {60, 120}, "-M1"},
        {ID_PLACE_INVERTER_CONTROL, {150, 60}, ""},
        {ID_PLACE_LATCHING_SWITCH_NO, {174, 30}, "-S1"},
        {ID_PLACE_LATCHING_SWITCH_NO, {210, 30}, "-S3"},
    },
    {
        {circuittest::kPhase, {60, 30}, {60, 60}},
        {circuittest::kPhase, {66, 30}, {66, 60}},
        {circuittest::kPhase, {72, 30}, {72, 60}},
        {circuittest::kPhase, {60, 90}, {60, 120}},
        {circuittest::kPhase, {66, 90}, {66, 120}},
        {circuittest::kPhase, {72, 90}, {72, 120}},
        {circuittest::kPhase, {174, 42}, {174, 60}},
        {circuittest::kPhase, {210, 42}, {210, 51}},
        {circuittest::kPhase, {210, 51}, {186, 51}},
        {circuittest::kPhase, {186, 51}, {186, 60}},
        {circuittest::kPhase, {198, 60}, {198, 24}},
        {circuittest::kPhase, {198, 24}, {210, 24}},
        {circuittest::kPhase, {210, 24}, {210, 30}},
        {circuittest::kPhase, {198, 24}, {174, 24}},
        {circuittest::kPhase, {174, 24}, {174, 30}},
    },
};

// Draws kInverterDrive and gives the control block the power part's label, as
// its property dialog would: the block's own slot, not its companion (the last
// slot placed).
inline void drawInverterDrive(circuittest::Circuit& c) {
    c.draw(kInverterDrive);
    const int block = c.slotOf(kTypeInverterControl);
    ASSERT_GE(block, 0);
    c.view().m_label[block] = "-G1";
}

// An L-N supply feeds regulator -G1 (1058); its armature and field outputs feed
// motor -M1 (1007); the control block -G1 feeds IN from its V+ through latching
// switch -S1.
inline const circuittest::Sheet kDcDrive = {
    {
        {ID_PLACE_SUPPLY_LN, {60, 30}, ""},
        {ID_PLACE_DC_REGULATOR_SINGLE_PHASE_FIELD, {60, 60}, "-G1"},
        {ID_PLACE_MOTOR_DC_SEPARATELY_EXCITED, {60, 141}, "-M1"},
        {ID_PLACE_DC_REGULATOR_CONTROL, {150, 60}, "-G1"},
        {ID_PLACE_LATCHING_SWITCH_NO, {174, 30}, "-S1"},
    },
    {
        {circuittest::kPhase, {60, 30}, {60, 60}},
        {circuittest::kNeutral, {66, 30}, {66, 60}},
        {circuittest::kPhase, {60, 90}, {60, 141}},  // M1 to A1
        {circuittest::kPhase, {66, 90}, {66, 111}},  // M2 to A2
        {circuittest::kPhase, {66, 111}, {78, 111}},
        {circuittest::kPhase, {78, 111}, {78, 141}},
        {circuittest::kPhase, {72, 90}, {72, 102}},  // F1 to F1
        {circuittest::kPhase, {72, 102}, {54, 102}},
        {circuittest::kPhase, {54, 102}, {54, 132}},
        {circuittest::kPhase, {54, 132}, {60, 132}},
        {circuittest::kPhase, {78, 90}, {78, 96}},  // F2 to F2
        {circuittest::kPhase, {78, 96}, {84, 96}},
        {circuittest::kPhase, {84, 96}, {84, 132}},
        {circuittest::kPhase, {84, 132}, {78, 132}},
        {circuittest::kPhase, {180, 60}, {180, 24}},  // V+ up to the switch
        {circuittest::kPhase, {180, 24}, {174, 24}},
        {circuittest::kPhase, {174, 24}, {174, 30}},
        {circuittest::kPhase, {174, 42}, {174, 60}},  // the switch down to IN
    },
};

}  // namespace velk::drivetest
