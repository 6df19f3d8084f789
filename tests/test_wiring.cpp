// Wires, junction dots, bundles, three-phase sets, sequential-chart lines with their
// steps and transitions, and the wiring accessories, placed by dragging the tools.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "button_sheet.h"
#include "model/TypeCodes.h"
#include "model/VelkarionView.h"
#include "render/Colors.h"
#include "res/Resource.h"
#include "testkit/testkit.h"

using namespace velk;
using velk::testing::ButtonSheet;

namespace {

struct Segment {
    int x1, y1, x2, y2;
    bool operator==(const Segment& o) const { return x1 == o.x1 && y1 == o.y1 && x2 == o.x2 && y2 == o.y2; }
};

std::ostream& operator<<(std::ostream& out, const Segment& s) {
    return out << "(" << s.x1 << ", " << s.y1 << ")-(" << s.x2 << ", " << s.y2 << ")";
}

Segment segmentOf(const CVelkarionView& v, int slot) { return {v.m_x[slot], v.m_y[slot], v.m_x2[slot], v.m_y2[slot]}; }

// The items of a type from slot `from` on, as segments.
std::vector<Segment> itemsOf(const CVelkarionView& v, int type, int from = 0) {
    std::vector<Segment> out;
    for (int i = from; i < v.m_componentCount; ++i)
        if (v.m_type[i] == type && v.m_deleted[i] == 0) out.push_back(segmentOf(v, i));
    return out;
}

struct Base {
    int type;
    Segment at;
    bool hidden = false;
};

}  // namespace

TEST(Wiring, WireAndItsJunctionDots) {
    struct Row {
        const char* name;
        std::vector<Base> bases;
        Point from, to;
        Segment wire;
        std::vector<Point> dots;
        int autoJunction = 1;
    };
    const Segment across{30, 21, 90, 21};
    const Segment upright{60, 0, 60, 60};
    const Row rows[] = {
        {"first end inside a horizontal wire", {{kTypeWirePhase, across}}, {60, 21}, {60, 51}, {60, 21, 60, 51},
         {{60, 21}}},
        {"drawn upward: stored in order, the same dot", {{kTypeWirePhase, across}}, {60, 51}, {60, 21},
         {60, 21, 60, 51}, {{60, 21}}},
        {"lower end inside a horizontal wire", {{kTypeWirePhase, across}}, {60, 0}, {60, 21}, {60, 0, 60, 21},
         {{60, 21}}},
        {"end on the other wire's end: no dot", {{kTypeWirePhase, across}}, {30, 0}, {30, 21}, {30, 0, 30, 21}, {}},
        {"overlapping on the same line: two dots at one point", {{kTypeWirePhase, across}}, {45, 21}, {120, 21},
         {45, 21, 120, 21}, {{45, 21}, {45, 21}}},
        {"crossing without an end on it: no dot", {{kTypeWirePhase, upright}}, {0, 30}, {90, 30}, {0, 30, 90, 30},
         {}},
        {"right end inside a vertical wire", {{kTypeWirePhase, upright}}, {30, 30}, {60, 30}, {30, 30, 60, 30},
         {{60, 30}}},
        {"left end inside a vertical wire", {{kTypeWirePhase, upright}}, {60, 30}, {90, 30}, {60, 30, 90, 30},
         {{60, 30}}},
        {"an existing wire ending inside the new one gets nothing", {{kTypeWirePhase, {60, 0, 60, 30}}}, {30, 30},
         {90, 30}, {30, 30, 90, 30}, {}},
        {"both ends inside: a dot at each", {{kTypeWirePhase, across}, {kTypeWirePhase, {30, 51, 90, 51}}}, {60, 21},
         {60, 51}, {60, 21, 60, 51}, {{60, 21}, {60, 51}}},
        {"a third point replaces the second",
         {{kTypeWirePhase, across}, {kTypeWirePhase, {30, 51, 90, 51}}, {kTypeWireNeutral, {45, 21, 75, 21}}},
         {60, 21}, {60, 51}, {60, 21, 60, 51}, {{60, 21}, {60, 21}}},
        {"a chart line counts", {{kTypeGrafcetLink, across}}, {60, 21}, {60, 51}, {60, 21, 60, 51}, {{60, 21}}},
        {"a bundle does not", {{kTypeBundle, across}}, {60, 21}, {60, 51}, {60, 21, 60, 51}, {}},
        {"a hidden wire does not", {{kTypeWirePhase, across, true}}, {60, 21}, {60, 51}, {60, 21, 60, 51}, {}},
        {"automatic dots switched off", {{kTypeWirePhase, across}}, {60, 21}, {60, 51}, {60, 21, 60, 51}, {}, 0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        ButtonSheet s;
        s.doc.m_autoJunction = row.autoJunction;
        for (const Base& b : row.bases) {
            const int slot = s.add(b.type, b.at.x1, b.at.y1, b.at.x2, b.at.y2);
            s.view.m_deleted[slot] = b.hidden ? 1 : 0;
        }
        const int n = s.view.m_componentCount;
        s.arm(kTypeWirePhase);
        s.dragTool(row.from, row.to);

        ASSERT_EQ(s.view.m_componentCount, n + 1 + static_cast<int>(row.dots.size()));
        EXPECT_EQ(s.view.m_type[n], kTypeWirePhase);
        EXPECT_EQ(s.view.m_componentId[n], n);
        EXPECT_EQ(segmentOf(s.view, n), row.wire);
        for (std::size_t k = 0; k < row.dots.size(); ++k) {
            const int d = n + 1 + static_cast<int>(k);
            EXPECT_EQ(s.view.m_type[d], kTypeConnectionDot);
            EXPECT_EQ(segmentOf(s.view, d), (Segment{row.dots[k].x, row.dots[k].y, row.dots[k].x, row.dots[k].y}));
            EXPECT_EQ(s.view.m_boxX1[d], 0) << "an automatic dot has no area";
            EXPECT_EQ(s.view.m_boxX2[d], 0);
        }
        EXPECT_TRUE(s.doc.isModified());
        EXPECT_EQ(g_currentTool, kTypeWirePhase) << "the tool stays armed";
    }
}

TEST(Wiring, DragOfZeroLengthIsRefused) {
    struct Row {
        const char* name;
        int tool;
        int subKind;
    };
    const Row rows[] = {
        {"phase wire", kTypeWirePhase, 0},
        {"neutral wire", kTypeWireNeutral, 0},
        {"DC minus wire", kTypeWireMinus, 0},
        {"bundle", kTypeBundle, 0},
        {"three-phase set", kTypeWireThreePhaseVertical1, 0},
        {"staggered three-phase set", kTypeWireThreePhaseHorizontal2, 0},
        {"OR divergence", kTypeGrafcetLink, kTypeGrafcetOrDivergence},
        {"AND convergence", kTypeGrafcetAndConvergence, 0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        ButtonSheet s;
        s.add(kTypeWirePhase, 30, 21, 90, 21);
        s.arm(row.tool, row.subKind);
        s.dragTool({60, 21}, {60, 21});
        EXPECT_EQ(s.view.m_componentCount, 1);
        EXPECT_EQ(s.view.m_type[1], 0);
        EXPECT_FALSE(s.doc.isModified());
        EXPECT_EQ(g_currentTool, row.tool);
        EXPECT_EQ(s.view.m_toolDragActive, 0);
    }
}

TEST(Wiring, ThreePhaseSets) {
    struct Row {
        const char* name;
        int tool;
        Point from, to;
        std::vector<Segment> wires;
    };
    const Row rows[] = {
        {"vertical", kTypeWireThreePhaseVertical1, {30, 0}, {30, 60},
         {{30, 0, 30, 60}, {36, 0, 36, 60}, {42, 0, 42, 60}}},
        {"vertical, drawn upward", kTypeWireThreePhaseVertical1, {30, 60}, {30, 0},
         {{30, 0, 30, 60}, {36, 0, 36, 60}, {42, 0, 42, 60}}},
        {"vertical staggered", kTypeWireThreePhaseVertical2, {30, 0}, {30, 60},
         {{30, 0, 30, 60}, {36, 6, 36, 60}, {42, 12, 42, 60}}},
        {"horizontal", kTypeWireThreePhaseHorizontal1, {0, 30}, {90, 30},
         {{0, 30, 90, 30}, {0, 36, 90, 36}, {0, 42, 90, 42}}},
        {"horizontal staggered", kTypeWireThreePhaseHorizontal2, {0, 30}, {90, 30},
         {{0, 30, 90, 30}, {6, 36, 90, 36}, {12, 42, 90, 42}}},
        {"staggered, shorter than the third wire's offset", kTypeWireThreePhaseVertical2, {30, 0}, {30, 9},
         {{30, 0, 30, 9}, {36, 6, 36, 9}}},
        {"staggered, as long as the second wire's offset", kTypeWireThreePhaseHorizontal2, {0, 30}, {6, 30},
         {{0, 30, 6, 30}}},
        {"staggered, dragged back above its start: the tool ends", kTypeWireThreePhaseVertical2, {30, 30}, {30, 0},
         {}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        ButtonSheet s;
        s.arm(row.tool);
        s.dragTool(row.from, row.to);
        EXPECT_EQ(itemsOf(s.view, kTypeWirePhase), row.wires);
        EXPECT_EQ(s.view.m_componentCount, static_cast<int>(row.wires.size())) << "only phase wires are written";
    }
}

TEST(Wiring, ChartLinesPlaceTheirStepsAndTransitions) {
    struct Element {
        int type;
        const char* label;
        int x, y;
        int boxX1;
    };
    struct Row {
        const char* name;
        int tool, subKind;
        Point from, to;
        Segment line;
        std::vector<Element> elements;
    };
    constexpr int S = kTypeGrafcetStep;
    constexpr int T = kTypeGrafcetTransition;
    const Row rows[] = {
        {"OR divergence",
         kTypeGrafcetLink,
         kTypeGrafcetOrDivergence,
         {30, 60},
         {90, 60},
         {30, 60, 90, 60},
         {{S, "1", 60, 42, -9}, {T, "1", 33, 60, -6}, {T, "1", 87, 60, -6}}},
        {"OR divergence drawn right to left",
         kTypeGrafcetLink,
         kTypeGrafcetOrDivergence,
         {90, 60},
         {30, 60},
         {30, 60, 90, 60},
         {{S, "1", 60, 42, -9}, {T, "1", 33, 60, -6}, {T, "1", 87, 60, -6}}},
        {"OR convergence: the last transition's box",
         kTypeGrafcetLink,
         kTypeGrafcetOrConvergence,
         {30, 60},
         {90, 60},
         {30, 60, 90, 60},
         {{S, "1", 60, 60, -9}, {T, "1", 33, 48, -6}, {T, "1", 87, 48, -7}}},
        {"AND divergence",
         kTypeGrafcetAndDivergence,
         0,
         {30, 60},
         {90, 60},
         {30, 60, 90, 60},
         {{T, "1", 60, 48, -6}, {S, "1", 33, 60, -9}, {S, "1", 87, 60, -9}}},
        {"AND convergence: the middle moves down to the 3-unit grid",
         kTypeGrafcetAndConvergence,
         0,
         {30, 60},
         {93, 60},
         {30, 60, 93, 60},
         {{T, "=1", 60, 60, -6}, {S, "1", 33, 42, -9}, {S, "1", 90, 42, -9}}},
        {"vertical OR divergence: at the pointer's row",
         kTypeGrafcetLink,
         kTypeGrafcetOrDivergence,
         {30, 30},
         {30, 90},
         {30, 30, 30, 90},
         {{S, "1", 30, 72, -9}, {T, "1", 33, 90, -6}, {T, "1", 27, 90, -6}}},
        {"plain link: nothing more", kTypeGrafcetLink, 0, {30, 60}, {90, 60}, {30, 60, 90, 60}, {}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        ButtonSheet s;
        s.arm(row.tool, row.subKind);
        s.dragTool(row.from, row.to);
        ASSERT_EQ(s.view.m_componentCount, 1 + static_cast<int>(row.elements.size()));
        EXPECT_EQ(s.view.m_type[0], row.tool);
        EXPECT_EQ(segmentOf(s.view, 0), row.line);
        for (std::size_t k = 0; k < row.elements.size(); ++k) {
            const Element& e = row.elements[k];
            const int i = 1 + static_cast<int>(k);
            SCOPED_TRACE(i);
            EXPECT_EQ(s.view.m_type[i], e.type);
            EXPECT_EQ(s.view.m_componentId[i], i);
            EXPECT_EQ(s.view.m_label[i], e.label);
            EXPECT_EQ(s.view.m_labelVisible[i], 1);
            EXPECT_EQ(s.view.m_x[i], e.x);
            EXPECT_EQ(s.view.m_y[i], e.y);
            EXPECT_EQ(s.view.m_boxX1[i], e.boxX1);
            EXPECT_EQ(s.view.m_boxY1[i], -3);
            EXPECT_EQ(s.view.m_boxX2[i], e.type == S ? 15 : 24);
            EXPECT_EQ(s.view.m_boxY2[i], e.type == S ? 21 : 15);
            EXPECT_TRUE(s.view.m_terminalName[i][0].empty());
        }
        EXPECT_EQ(g_toolSubKind, row.subKind) << "the link tool keeps its kind";
    }
}

TEST(Wiring, AccessoriesAtThePressOrThePreview) {
    struct Row {
        const char* name;
        int tool;
        bool movedFirst;  // the pointer moved to the click before the press
        Point click;
        const char* label;
        int boxX1, boxY1, boxX2, boxY2;
    };
    const Row rows[] = {
        {"dot tool: at the press", kTypeConnectionDot, false, {60, 21}, "", -6, -3, 3, 3},
        {"left bundle entry", kTypeBundleEntryLeft, true, {60, 21}, "", -6, -3, 3, 6},
        {"right bundle entry", kTypeBundleEntryRight, false, {60, 21}, "", -3, -3, 6, 6},
        {"terminal after pointer motion", kTypeTerminalI, true, {60, 45}, "-X", -12, -3, 6, 15},
        {"terminal strip, tool just armed: the press", kTypeTerminalStrip3, false, {60, 45}, "-X", -12, -3, 15, 3},
        {"connection point", kTypeConnectionPointLeft, true, {63, 45}, "-X", -9, -6, 12, 6},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        ButtonSheet s;
        s.arm(row.tool);
        const Point p = s.at(row.click.x, row.click.y);
        if (row.movedFirst) s.move(p.x, p.y);
        s.click(p);
        ASSERT_EQ(s.view.m_componentCount, 1);
        EXPECT_EQ(s.view.m_type[0], row.tool);
        EXPECT_EQ(s.view.m_x[0], row.click.x);
        EXPECT_EQ(s.view.m_y[0], row.click.y);
        EXPECT_EQ(s.view.m_label[0], row.label);
        EXPECT_EQ(s.view.m_boxX1[0], row.boxX1);
        EXPECT_EQ(s.view.m_boxY1[0], row.boxY1);
        EXPECT_EQ(s.view.m_boxX2[0], row.boxX2);
        EXPECT_EQ(s.view.m_boxY2[0], row.boxY2);
        EXPECT_TRUE(s.doc.isModified());
        // Accessories show their new area, wires do not.
        EXPECT_EQ(s.view.m_highlightRect[0], (row.click.x + row.boxX1) * 2);
    }
}

TEST(Wiring, DotToolTogglesDots) {
    ButtonSheet s;
    s.add(kTypeWirePhase, 30, 21, 90, 21);
    s.arm(kTypeWirePhase);
    s.dragTool({60, 21}, {60, 51});
    ASSERT_EQ(s.view.m_type[2], kTypeConnectionDot);

    // On the automatic dot: the dot goes, nothing is added.
    s.arm(kTypeConnectionDot);
    s.click(s.at(60, 21));
    EXPECT_EQ(s.view.m_componentCount, 3);
    EXPECT_EQ(s.view.m_deleted[2], 1);
    // On an empty point: a new dot; on it again: it goes.
    s.click(s.at(60, 21));
    EXPECT_EQ(s.view.m_componentCount, 4);
    EXPECT_EQ(s.view.m_type[3], kTypeConnectionDot);
    s.click(s.at(60, 21));
    EXPECT_EQ(s.view.m_componentCount, 4);
    EXPECT_EQ(s.view.m_deleted[3], 1);
}

TEST(Wiring, BundleHasNoJunctionDots) {
    ButtonSheet s;
    s.add(kTypeWirePhase, 30, 21, 90, 21);
    s.arm(kTypeBundle);
    s.dragTool({60, 51}, {60, 21});
    ASSERT_EQ(s.view.m_componentCount, 2);
    EXPECT_EQ(s.view.m_type[1], kTypeBundle);
    EXPECT_EQ(segmentOf(s.view, 1), (Segment{60, 21, 60, 51}));
}

TEST(Wiring, SheetLimit) {
    struct Row {
        const char* name;
        int count;
        bool pictureInLastSlot;
        int countAfter;
        int wireSlot;  // -1 none
    };
    const Row rows[] = {
        {"room for the wire, not for its dot: nothing", 998, false, 998, -1},
        {"full: the wire is dropped", 999, false, 999, -1},
        {"a picture in the last slot stays", 1000, true, 1000, -1},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        ButtonSheet s;
        s.add(kTypeWirePhase, 30, 21, 90, 21);
        while (s.view.m_componentCount < row.count) s.add(kTypeText, 300, 300, 310, 305);
        if (row.pictureInLastSlot) s.view.m_type[999] = kTypePicture;
        s.arm(kTypeWirePhase);
        s.dragTool({60, 21}, {60, 51});
        EXPECT_EQ(s.view.m_componentCount, row.countAfter);
        if (row.wireSlot >= 0) {
            EXPECT_EQ(s.view.m_type[row.wireSlot], kTypeWirePhase);
            EXPECT_EQ(segmentOf(s.view, row.wireSlot), (Segment{60, 21, 60, 51}));
        }
        EXPECT_EQ(s.view.m_type[999], row.pictureInLastSlot ? kTypePicture : 0);
    }
}

TEST(Wiring, ReleaseCompletesOnlyADragPressedInItsWindow) {
    ButtonSheet a;
    ButtonSheet b;
    a.arm(kTypeWirePhase);
    const Point from = a.at(30, 21);
    const Point to = a.at(90, 21);
    a.press(from.x, from.y);
    a.drag(to.x, to.y);
    b.release(to.x, to.y);
    EXPECT_EQ(b.view.m_componentCount, 0);
    EXPECT_FALSE(b.doc.isModified());
    a.release(to.x, to.y);
    EXPECT_EQ(a.view.m_componentCount, 1);
}

TEST(WiringScenario, WireChainDrawnWithTheMouse) {
    testkit::Session session;
    CVelkarionView& view = session.newSheet();
    g_currentTool = kTypeWirePhase;
    view.BeginToolPlacement();
    const auto wire = [&](Point from, Point to) {
        const Point a = session.unitsToWindow(view, from.x, from.y);
        const Point b = session.unitsToWindow(view, to.x, to.y);
        session.move(view, a.x, a.y);
        session.press(view, a.x, a.y);
        session.move(view, b.x, b.y);
        session.release(view, b.x, b.y);
    };
    wire({30, 45}, {90, 45});
    wire({90, 45}, {90, 90});
    wire({60, 90}, {60, 45});  // upward, ending inside the first wire
    wire({30, 90}, {120, 90});

    ASSERT_EQ(view.m_componentCount, 5);
    EXPECT_EQ(itemsOf(view, kTypeWirePhase),
              (std::vector<Segment>{{30, 45, 90, 45}, {90, 45, 90, 90}, {60, 45, 60, 90}, {30, 90, 120, 90}}));
    // The upward wire's upper end lies inside the first wire: a dot. The last wire
    // runs through the lower ends of two others: only a new wire's own ends get one.
    EXPECT_EQ(itemsOf(view, kTypeConnectionDot), (std::vector<Segment>{{60, 45, 60, 45}}));

    const Surface& surface = session.surface(view);
    const Point mid = session.unitsToWindow(view, 45, 45);
    EXPECT_EQ(surface.pixel(mid.x, mid.y), g_colorMaroon);
    const Point down = session.unitsToWindow(view, 90, 70);
    EXPECT_EQ(surface.pixel(down.x, down.y), g_colorMaroon);

    // The stored ends join the chain into one net at Simulate.
    session.command(view, ID_MODE_RUN);
    ASSERT_EQ(view.m_simulating, 1);
    EXPECT_EQ(view.m_netNumber[1], view.m_netNumber[0]);
    EXPECT_EQ(view.m_netNumber[2], view.m_netNumber[0]);
}
