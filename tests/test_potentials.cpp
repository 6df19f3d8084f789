// Potential letters, the clash check and the three fault reports.
#include <gtest/gtest.h>

#include <string>

#include "render/Potentials.h"
#include "sim_sheet.h"

using namespace velk;
using velk::simtest::SimSheet;

namespace {

const std::string kShortCircuitText = "Se ha producido un cortocircuito";
const std::string kEarthFaultText = "Se ha producido una derivación a tierra";
const std::string kFedEarthText = "Se esta alimentado una conexion de masa";

std::string shown(char c) { return std::string("'") + c + "'"; }

}  // namespace

// Every ordered pair of supply letters: nothing when equal, an earth fault when
// protective earth meets any other supply letter, a short circuit otherwise. The
// expectation is the rule in words; the program holds the table as data.
TEST(PotentialClash, SupplyLettersSevenBySeven) {
    const char supply[] = {'1', '2', '3', 'N', 'P', '+', '-'};
    for (char a : supply) {
        for (char b : supply) {
            SCOPED_TRACE(shown(a) + " against " + shown(b));
            SimSheet s;
            s.view.m_simulating = 1;
            s.view.CheckPotentialClash(a, b);
            if (a == b) {
                EXPECT_TRUE(s.boxes.empty());
                EXPECT_EQ(s.view.m_simulating, 1);
                continue;
            }
            ASSERT_EQ(s.boxes.size(), 1u);
            const std::string& expected = (a == 'P' || b == 'P') ? kEarthFaultText : kShortCircuitText;
            EXPECT_EQ(TextCodec1250::toUtf8(s.boxes[0].text), expected);
            EXPECT_EQ(s.view.m_simulating, 0);
        }
    }
}

// Dead, marker and stray letters never clash, on either side, against any letter.
TEST(PotentialClash, NonSupplyLettersNeverReport) {
    const char others[] = {'0', 'Y', 'y', 'Z', 'R', 'S', 'T', 'W', 'A', 'B', 'C', 'F', '*', 'n', 'p', ' ', '\0', '\xff'};
    const char all[] = {'1', '2', '3', 'N', 'P', '+', '-', '0', 'Y', 'A', '*'};
    SimSheet s;
    s.view.m_simulating = 1;
    for (char a : others) {
        for (char b : all) {
            SCOPED_TRACE(shown(a) + " with " + shown(b));
            s.view.CheckPotentialClash(a, b);
            s.view.CheckPotentialClash(b, a);
            EXPECT_TRUE(s.boxes.empty());
            EXPECT_EQ(s.view.m_simulating, 1);
        }
    }
    EXPECT_EQ(clashBetween('A', 'N'), ClashReport::None);
    EXPECT_EQ(clashBetween('P', 'N'), ClashReport::EarthFault);
    EXPECT_EQ(clashBetween('-', '+'), ClashReport::ShortCircuit);
}

// One report, whichever it is: exactly one "Error" box with the stop icon and its
// text, the run stopped afresh, every live letter dead in the whole table, and
// nothing else touched.
TEST(FaultReport, StopsTheRunWithOneBox) {
    struct Row {
        const char* name;
        void (CVelkarionView::*report)();
        const std::string& text;
    };
    const Row rows[] = {
        {"short circuit", &CVelkarionView::ReportShortCircuit, kShortCircuitText},
        {"earth fault", &CVelkarionView::ReportEarthFault, kEarthFaultText},
        {"fed earth", &CVelkarionView::ReportFedEarthConnection, kFedEarthText},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        SimSheet s;
        s.show();
        CVelkarionView& v = s.view;
        const int wire = s.addLine(kTypeWirePhase, 0, 0, 10, 0, '1');
        const int coil = s.addSymbol(kTypeCoil, 20, 0);
        s.setLetter(coil, '2');
        v.m_state[coil] = 1;
        v.m_terminalPotential[coil][0].setLetter('2');
        v.m_netNumber[wire] = 4;
        const int hidden = s.addLine(kTypeWireNeutral, 0, 10, 10, 10, 'N');
        v.m_deleted[hidden] = 1;
        const int hole = s.addLine(kTypeNone, 0, 0, 0, 0, '3');
        // A live item above the count is still reset: the report scans all slots.
        const int above = 700;
        v.m_type[above] = kTypeWirePlus;
        v.m_potential[above].setLetter('+');
        v.m_simulating = 1;
        v.m_paused = 1;
        v.m_stepMode = 1;
        v.m_stepPending = 1;
        s.panes.setPaneText(0, "keep");
        v.m_loopIndex = coil;

        (v.*row.report)();

        ASSERT_EQ(s.boxes.size(), 1u);
        EXPECT_EQ(TextCodec1250::toUtf8(s.boxes[0].text), row.text);
        EXPECT_EQ(s.boxes[0].caption, "Error");
        EXPECT_EQ(s.boxes[0].icon, BoxIcon::Stop);
        EXPECT_EQ(s.boxes[0].buttons, BoxButtons::Ok);
        EXPECT_EQ(v.m_simulating, 0);
        // Deliberately cleared, not kept: a paused flag that outlived the run would
        // make the next Simulate only "resume" a run the fault has already ended,
        // so the user's first Simulate after the box would do nothing.
        EXPECT_EQ(v.m_paused, 0);
        EXPECT_EQ(v.m_stepMode, 0);
        EXPECT_EQ(v.m_stepPending, 0);
        EXPECT_EQ(v.m_loopIndex, kSlotCount) << "the caller's slot loop must end";
        EXPECT_EQ(s.letter(wire), '0');
        EXPECT_EQ(s.letter(coil), '0');
        EXPECT_EQ(s.letter(above), '0');
        EXPECT_EQ(s.letter(hidden), 'N') << "hidden slots keep their letter";
        EXPECT_EQ(s.letter(hole), '3') << "empty slots keep their letter";
        EXPECT_EQ(v.m_terminalPotential[coil][0].letter(), '2');
        EXPECT_EQ(v.m_state[coil], 1);
        EXPECT_EQ(v.m_netNumber[wire], 4);
        EXPECT_EQ(s.pane(0), "keep");
        EXPECT_EQ(s.pane(1), "Edición");
        EXPECT_EQ(s.pane(2), "Stop");
        EXPECT_TRUE(s.nextPaintErases());
    }
}
