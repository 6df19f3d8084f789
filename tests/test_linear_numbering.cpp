// Net numbering at Simulate runs in linear time through lookups; it must give the
// very numbers of the plain walk of the table for every merge, on the fixture
// sheets, on the realistic sheet and on random tangles of wires, dots, chart
// links, bundle entries, slanted and hidden items.
#include <gtest/gtest.h>

#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "file_test_support.h"
#include "realistic_sheet.h"
#include "sim_sheet.h"

using namespace velk;
using velk::simtest::SimSheet;

namespace {

struct Numbers {
    std::vector<int> nets;
    int counter = 0;
    int loopIndex = 0;
    bool operator==(const Numbers& o) const {
        return nets == o.nets && counter == o.counter && loopIndex == o.loopIndex;
    }
};

Numbers numbered(CVelkarionView& v, void (CVelkarionView::*numbering)()) {
    (v.*numbering)();
    Numbers n;
    for (int i = 0; i < v.m_componentCount; ++i) n.nets.push_back(v.m_netNumber[i]);
    n.counter = v.m_netCounter;
    n.loopIndex = v.m_loopIndex;
    return n;
}

// Both numberings of the same table, each starting from the numbers it holds.
void expectSameNumbers(CVelkarionView& v) {
    std::vector<int> before;
    for (int i = 0; i < v.m_componentCount; ++i) before.push_back(v.m_netNumber[i]);
    const Numbers byScans = numbered(v, &CVelkarionView::NumberWireNetsByScans);
    for (int i = 0; i < v.m_componentCount; ++i) v.m_netNumber[i] = before[static_cast<std::size_t>(i)];
    const Numbers linear = numbered(v, &CVelkarionView::NumberWireNets);
    EXPECT_EQ(linear.nets, byScans.nets);
    EXPECT_EQ(linear.counter, byScans.counter);
    EXPECT_EQ(linear.loopIndex, byScans.loopIndex);
}

// Items on a small grid so that ends, dots and links meet often: wires of every
// kind (mostly horizontal or vertical, some slanted or reversed), chart links and
// bars, dots, bundle entries, hidden items and stale numbers.
void fillRandom(SimSheet& s, std::mt19937& rng, int items) {
    std::uniform_int_distribution<int> coord(0, 8), kind(0, 99), len(1, 4);
    const int wireTypes[] = {kTypeWirePhase, kTypeWireNeutral, kTypeWirePE, kTypeWirePlus, kTypeWireMinus,
                             kTypeGrafcetAndDivergence, kTypeGrafcetAndConvergence, kTypeGrafcetLink};
    for (int n = 0; n < items; ++n) {
        const int x = coord(rng) * 3, y = coord(rng) * 3, k = kind(rng);
        int slot;
        if (k < 15) {
            slot = s.addSymbol(kTypeConnectionDot, x, y);
        } else if (k < 20) {
            slot = s.addSymbol(k < 18 ? kTypeBundleEntryLeft : kTypeBundleEntryRight, x, y);
        } else {
            const int type = k < 80 ? wireTypes[k % 5] : wireTypes[k % 8];
            const int d = len(rng) * 3;
            if (k % 11 == 0)
                slot = s.addLine(type, x, y, x + d, y + d);  // slanted
            else if (k % 13 == 0)
                slot = s.addLine(type, x + d, y, x, y);  // reversed
            else if (k % 2 == 0)
                slot = s.addLine(type, x, y, x + d, y);
            else
                slot = s.addLine(type, x, y, x, y + d);
        }
        if (k % 17 == 0) s.view.m_deleted[slot] = 1;
        s.view.m_netNumber[slot] = k % 7;  // numbers left from an earlier run
    }
}

}  // namespace

TEST(LinearNumbering, SameNumbersAsTheWalkOfTheTable) {
    std::vector<std::string> files;
    for (const auto& entry : std::filesystem::directory_iterator(VELK_FIXTURES))
        if (entry.path().extension() == ".cad") files.push_back(entry.path().string());
    for (const std::string& path : files) {
        SCOPED_TRACE(path);
        SimSheet s;
        ASSERT_TRUE(s.view.ReadSheetText(filetest::readBytes(path), VELK_FIXTURES));
        expectSameNumbers(s.view);
    }
    for (int slots : {250, 999}) {
        SCOPED_TRACE(slots);
        SimSheet s;
        realistic::buildRealisticSheet(s.view, s.doc, slots);
        expectSameNumbers(s.view);
    }
    std::mt19937 rng(19);
    for (int round = 0; round < 300; ++round) {
        SCOPED_TRACE(round);
        SimSheet s;
        fillRandom(s, rng, 5 + round % 60);
        expectSameNumbers(s.view);
    }
}
