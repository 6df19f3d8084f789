// Net and bundle numbering at Simulate.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "file_test_support.h"
#include "sim_sheet.h"

using velk::filetest::fixtureText;

using namespace velk;
using velk::simtest::SimSheet;

namespace {

std::string listed(const std::vector<int>& v) {
    std::string s;
    for (int n : v) s += std::to_string(n) + " ";
    return s;
}

}  // namespace

// Each fixture sheet is loaded and numbered by Simulate; the expected numbers are
// those of its slots in order (net numbers, and where given the bundle numbers).
TEST(NetNumbering, FixtureSheets) {
    struct Row {
        const char* fixture;
        std::vector<int> nets;
        std::vector<int> bundles = {};  // m_bundleNumber per slot, when checked
    };
    const Row rows[] = {
        // A lone wire gets 1, the next separate wire 2.
        {"nets_lone_wires.cad", {1, 2}},
        {"nets_chain.cad", {1, 1, 1}},
        // Two numbered nets joined by a later wire keep one number; the other is
        // not used again.
        {"nets_joined_by_later_wire.cad", {2, 2, 2, 3}},
        {"nets_t_without_dot.cad", {1, 2}},
        {"nets_t_with_dot.cad", {1, 1, 1}},
        // The dot hands on 0 at its own visit; the first wire through it numbers all.
        {"nets_dot_before_wires.cad", {1, 1, 1, 1}},
        {"nets_dot_alone.cad", {1, 0}},
        // A link starting strictly inside a bar takes the bar's number, whichever
        // comes first; on the bar's end the ends join it; other chart lines stay apart.
        {"nets_link_inside_bar.cad", {1, 1}},
        {"nets_link_before_bar.cad", {2, 2}},
        {"nets_link_on_bar_end.cad", {1, 1}},
        {"nets_chart_line_inside_bar.cad", {1, 2}},
        // Bundle entries: the stroke's far end on a wire end joins that net; an entry
        // on, above or beside a bundle gets the bundle's number.
        {"nets_entry_stroke_on_wire.cad", {1, 1}},
        {"nets_entry_stroke_on_second_end.cad", {1, 1}},
        {"nets_entries_on_bundles.cad", {1, 0, 2, 0}, {0, 1, 0, 2}},
        {"nets_entry_beside_vertical_bundle.cad", {1, 0}, {0, 1}},
        {"nets_touching_bundles.cad", {1, 1, 2}},
        // Numbers saved by an earlier run are replaced.
        {"nets_saved_numbers.cad", {1, 1}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.fixture);
        SimSheet s;
        const std::string text = fixtureText(row.fixture);
        ASSERT_FALSE(text.empty());
        ASSERT_TRUE(s.view.ReadSheetText(text, VELK_FIXTURES));
        ASSERT_EQ(s.view.m_componentCount, static_cast<int>(row.nets.size()));
        s.view.OnModeRun();
        std::vector<int> nets, bundles;
        for (int i = 0; i < s.view.m_componentCount; ++i) {
            nets.push_back(s.view.m_netNumber[i]);
            bundles.push_back(s.view.m_bundleNumber[i]);
        }
        EXPECT_EQ(listed(nets), listed(row.nets));
        if (!row.bundles.empty()) {
            EXPECT_EQ(listed(bundles), listed(row.bundles));
        }
        EXPECT_EQ(s.view.m_loopIndex, s.view.m_componentCount);
    }
}

// Hidden slots are never matched and keep the number they had, so a hidden wire
// in a chain splits it.
TEST(NetNumbering, HiddenSlotsKeepTheirNumbers) {
    SimSheet s;
    s.addLine(kTypeWirePhase, 0, 0, 10, 0);
    const int hidden = s.addLine(kTypeWirePhase, 10, 0, 20, 0);
    s.addLine(kTypeWirePhase, 20, 0, 30, 0);
    const int hiddenDot = s.addSymbol(kTypeConnectionDot, 0, 0);
    s.view.m_deleted[hidden] = s.view.m_deleted[hiddenDot] = 1;
    s.view.m_netNumber[hidden] = 77;
    s.view.m_netNumber[hiddenDot] = 78;
    s.view.OnModeRun();
    EXPECT_EQ(listed({s.net(0), s.net(1), s.net(2), s.net(3)}), listed({1, 77, 2, 78}));
}

// The counters go on from the first sweep into the second and start at 1 for
// every run.
TEST(NetNumbering, CountersStartAfreshEachRun) {
    SimSheet s;
    s.addLine(kTypeWirePhase, 0, 0, 10, 0);
    s.addLine(kTypeWirePhase, 0, 20, 10, 20);
    s.addLine(kTypeBundle, 0, 40, 10, 40);
    for (int run = 0; run < 2; ++run) {
        SCOPED_TRACE(run == 0 ? "first run" : "second run");
        s.view.OnModeRun();
        EXPECT_EQ(s.net(0), 1);
        EXPECT_EQ(s.net(1), 2);
        EXPECT_EQ(s.net(2), 1);
        EXPECT_EQ(s.view.m_netCounter, 3);
        EXPECT_EQ(s.view.m_bundleCounter, 2);
        s.view.OnModeEdit();
        EXPECT_EQ(s.net(1), 2) << "Edit keeps the numbers";
    }
}
