// Connection dots and bundle entries: how they are drawn, how a dot joins the
// letters of the wires through it, and how entries of one label carry letters
// through a bundle.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "render/Colors.h"
#include "symbol_sheet.h"

using namespace velk;
using velk::symboltest::kEarthFault;
using velk::symboltest::kShortCircuit;
using velk::symboltest::SymbolSheet;
using velk::testkit::DcCall;
using velk::testkit::DcOp;
using velk::testkit::RecordingDc;

namespace {

std::string str(Point p) { return "(" + std::to_string(p.x) + "," + std::to_string(p.y) + ")"; }

}  // namespace

// The dot is a small filled ellipse around its point: one zoom to each side at
// zoom 1 and below, three fifths up and left and four fifths down and right above.
TEST(ConnectionDot, Shape) {
    struct Row {
        double zoom;
        Point at;
        Point topLeft, bottomRight;
    };
    const Row rows[] = {
        {2, {100, 100}, {98, 98}, {101, 101}},
        {1, {100, 100}, {99, 99}, {101, 101}},
        {5, {100, 100}, {97, 97}, {104, 104}},
        {2.5, {50, 40}, {48, 38}, {52, 42}},
        {0.5, {10, 10}, {9, 9}, {10, 10}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.zoom);
        SymbolSheet s;
        s.doc.m_zoom = row.zoom;
        s.place(kTypeConnectionDot, 0, 0);
        s.view.m_loopIndex = 0;
        s.view.m_drawingPlaced = 0;
        s.view.DrawConnectionDot(s.dc, row.zoom, row.at.x, row.at.y);
        ASSERT_EQ(s.dc.count(DcOp::Ellipse), 1);
        const DcCall& e = *s.dc.last(DcOp::Ellipse);
        EXPECT_EQ(str(e.point(0)) + str(e.point(1)), str(row.topLeft) + str(row.bottomRight));
        EXPECT_EQ(e.pen.width, 1);
    }
}

// Outline and fill of the dot. Outside simulation the outline is maroon (black on
// paper without colour) and the fill red while placed slots are drawn, and for the
// drawing calls of the wire pass maroon, red when marked. While simulating the
// letter decides both, and the evaluation passes draw nothing.
TEST(ConnectionDot, Colors) {
    struct Row {
        const char* name;
        bool simulating;
        char letter;
        int drawingPlaced;
        bool picked, selected, selectionValid, floating, monochromePrint;
        bool drawn;
        Color pen, fill;
    };
    const Color M = g_colorMaroon, R = g_colorRed, K = g_colorBlack;
    const Row rows[] = {
        {"wire pass, edit mode", false, '0', 0, false, false, false, false, false, true, M, M},
        {"placed-slot loop, edit mode", false, '0', 1, false, false, false, false, false, true, M, R},
        {"picked", false, '0', 0, true, false, false, false, false, true, M, R},
        {"selected within a selection", false, '0', 0, false, true, true, false, false, true, M, R},
        {"selected flag left without a selection", false, '0', 0, false, true, false, false, false, true, M, M},
        {"whole sheet selected", false, '0', 0, false, false, false, true, false, true, M, R},
        {"printed without colour", false, '0', 0, false, false, false, false, true, true, K, M},
        {"simulating, phase", true, '1', 0, false, false, false, false, false, true, M, M},
        {"simulating, dead", true, '0', 0, false, false, false, false, false, true, g_colorGrey, g_colorGrey},
        {"simulating, neutral", true, 'N', 0, false, false, false, false, false, true, g_colorBlue, g_colorBlue},
        {"simulating, earth", true, 'P', 0, false, false, false, false, false, true, g_colorGreen, g_colorGreen},
        {"simulating, plus", true, '+', 0, false, false, false, false, false, true, R, R},
        {"simulating, minus", true, '-', 0, false, false, false, false, false, true, K, K},
        {"simulating, lamp chain letter", true, 'A', 0, false, false, false, false, false, true, M, M},
        {"simulating, a letter without a colour keeps the others", true, 'Q', 0, true, false, false, false, true,
         true, K, R},
        {"simulating, letter beats the print rule", true, 'N', 0, false, false, false, false, true, true,
         g_colorBlue, g_colorBlue},
        {"simulating, evaluation pass draws nothing", true, '1', 1, false, false, false, false, false, false, M, M},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        SymbolSheet s;
        const int dot = s.place(kTypeConnectionDot, 50, 50);
        s.setLetter(dot, row.letter);
        s.view.m_simulating = row.simulating ? 1 : 0;
        g_itemPicked = row.picked ? 1 : 0;
        s.view.m_pickedIndex = row.picked ? dot : 5;
        s.view.m_selected[dot] = row.selected ? 1 : 0;
        s.view.m_selectionValid = row.selectionValid ? 1 : 0;
        s.view.m_floatingBlock = row.floating ? 1 : 0;
        s.view.m_printing = row.monochromePrint ? 1 : 0;
        s.doc.m_printInColor = row.monochromePrint ? 0 : 1;
        s.view.m_loopIndex = dot;
        s.view.m_drawingPlaced = row.drawingPlaced;
        s.view.DrawConnectionDot(s.dc, 2, 100, 100);
        ASSERT_EQ(s.dc.count(DcOp::Ellipse), row.drawn ? 1 : 0);
        if (!row.drawn) continue;
        const DcCall& e = *s.dc.last(DcOp::Ellipse);
        EXPECT_EQ(e.pen.color, row.pen);
        EXPECT_EQ(e.brush.style, BrushStyle::Solid);
        EXPECT_EQ(e.brush.color, row.fill);
    }
}

// What a dot does to the letters of the wires through it and ending on it; the
// wire passes of one paint run over the sheet (a dot merges in every call).
TEST(ConnectionDot, JoinsTheLettersOfItsWires) {
    struct Item {
        int type;
        int x1, y1, x2, y2;
        char letter;
        int deleted = 0;
    };
    struct Row {
        const char* name;
        std::vector<Item> items;
        const char* letters;
        const char* box;
    };
    const int W = kTypeWirePhase, D = kTypeConnectionDot;
    const Row rows[] = {
        {"a live wire ending on the middle of a dead one",
         {{W, 20, 0, 20, 30, '1'}, {W, 10, 30, 40, 30, '0'}, {D, 20, 30, 20, 30, '0'}}, "111", ""},
        {"a dead wire ending on the middle of a live one",
         {{W, 20, 0, 20, 30, '0'}, {W, 10, 30, 40, 30, 'N'}, {D, 20, 30, 20, 30, '0'}}, "NNN", ""},
        {"the dot before its wires in slot order",
         {{D, 20, 30, 20, 30, '0'}, {W, 20, 0, 20, 30, '0'}, {W, 10, 30, 40, 30, '+'}}, "+++", ""},
        {"a wire passing through on the vertical",
         {{W, 20, 10, 20, 50, '3'}, {W, 0, 30, 20, 30, '0'}, {D, 20, 30, 20, 30, '0'}}, "333", ""},
        {"a dead wire passing through on the vertical",
         {{W, 0, 30, 20, 30, '1'}, {W, 20, 10, 20, 50, '0'}, {D, 20, 30, 20, 30, '0'}}, "111", ""},
        {"a branch starting on the dot",
         {{W, 0, 30, 40, 30, '2'}, {W, 20, 30, 20, 60, '0'}, {D, 20, 30, 20, 30, '0'}}, "222", ""},
        {"a wire beside the dot is not joined",
         {{W, 20, 0, 20, 30, '1'}, {W, 10, 31, 40, 31, '0'}, {D, 20, 30, 20, 30, '0'}}, "101", ""},
        {"a wire whose end stops short of the dot is not joined",
         {{W, 20, 0, 20, 30, '1'}, {W, 21, 30, 40, 30, '0'}, {D, 20, 30, 20, 30, '0'}}, "101", ""},
        {"a hidden wire is neither read nor written",
         {{W, 20, 0, 20, 30, '1'}, {W, 10, 30, 40, 30, '0', 1}, {D, 20, 30, 20, 30, '0'}}, "101", ""},
        {"phase and neutral meeting at a dot",
         {{W, 20, 0, 20, 30, '1'}, {W, 10, 30, 40, 30, 'N'}, {D, 20, 30, 20, 30, '0'}}, "000", kShortCircuit},
        {"phase and earth meeting at a dot",
         {{W, 20, 0, 20, 30, 'P'}, {W, 10, 30, 40, 30, '2'}, {D, 20, 30, 20, 30, '0'}}, "000", kEarthFault},
        {"a marker letter meeting a phase at a dot",
         {{W, 20, 0, 20, 30, 'Z'}, {W, 10, 30, 40, 30, '1'}, {D, 20, 30, 20, 30, '0'}}, "Z1Z", ""},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        SymbolSheet s;
        std::vector<int> slots;
        for (const Item& it : row.items) {
            const int i = s.addLine(it.type, it.x1, it.y1, it.x2, it.y2, it.letter);
            s.view.m_deleted[i] = it.deleted;
            slots.push_back(i);
        }
        s.view.m_simulating = 1;
        for (int pass = 0; pass < 3 && s.view.m_simulating == 1; ++pass) s.view.DrawWires(s.dc);
        std::string letters;
        for (int i : slots) letters += s.letter(i);
        EXPECT_EQ(letters, row.letters);
        EXPECT_EQ(s.box(), row.box);
    }
}

// The fixture: supply L feeds a wire that ends on the middle of another; with a
// dot on the T the letter reaches the crossing wire and the wire after it within
// the first tick.
TEST(ConnectionDot, PassesLettersAtATee) {
    SymbolSheet s;
    ASSERT_TRUE(s.load("dot_at_t.cad"));
    ASSERT_EQ(s.view.m_componentCount, 5);
    s.simulate();
    // Slots: supply, feeding wire, crossing wire, dot, wire after the crossing one.
    EXPECT_EQ(s.letters({1, 2, 3, 4}), "1111");
    EXPECT_EQ(s.box(), "");

    // Without the dot the crossing wire stays dead.
    SymbolSheet bare;
    ASSERT_TRUE(bare.load("dot_at_t.cad"));
    bare.view.m_deleted[3] = 1;
    bare.simulate(2);
    EXPECT_EQ(bare.letters({1, 2, 4}), "100");
}

// A bundle entry is one slanted stroke of 3 drawing units down and 3 to its side,
// blue whatever it carries, red when marked, black on paper without colour.
TEST(BundleEntry, Stroke) {
    struct Row {
        const char* name;
        int type;
        double zoom;
        bool simulating, picked, selected, floating, monochromePrint;
        Point end;
        Color color;
    };
    const Color B = g_colorBlue, R = g_colorRed;
    const Row rows[] = {
        {"left at zoom 2", kTypeBundleEntryLeft, 2, false, false, false, false, false, {94, 106}, B},
        {"right at zoom 2", kTypeBundleEntryRight, 2, false, false, false, false, false, {106, 106}, B},
        {"left at zoom 2.5", kTypeBundleEntryLeft, 2.5, false, false, false, false, false, {92, 107}, B},
        {"right at zoom 5", kTypeBundleEntryRight, 5, false, false, false, false, false, {115, 115}, B},
        {"picked", kTypeBundleEntryLeft, 2, false, true, false, false, false, {94, 106}, R},
        {"selected", kTypeBundleEntryLeft, 2, false, false, true, false, false, {94, 106}, R},
        {"whole sheet selected", kTypeBundleEntryRight, 2, false, false, false, true, false, {106, 106}, R},
        {"selected, printed without colour", kTypeBundleEntryRight, 2, false, false, true, false, true, {106, 106},
         g_colorBlack},
        {"carrying a phase while simulating", kTypeBundleEntryLeft, 2, true, false, false, false, false, {94, 106},
         B},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        SymbolSheet s;
        const int entry = s.place(row.type, 50, 50);
        s.setLetter(entry, '1');
        s.view.m_simulating = row.simulating ? 1 : 0;
        g_itemPicked = row.picked ? 1 : 0;
        s.view.m_pickedIndex = row.picked ? entry : 7;
        s.view.m_selected[entry] = row.selected ? 1 : 0;
        s.view.m_floatingBlock = row.floating ? 1 : 0;
        s.view.m_printing = row.monochromePrint ? 1 : 0;
        s.doc.m_printInColor = row.monochromePrint ? 0 : 1;
        s.view.m_loopIndex = entry;
        s.view.m_drawingPlaced = 0;
        (s.view.*CVelkarionView::routineFor(row.type))(s.dc, row.zoom, 100, 100);
        ASSERT_EQ(s.dc.count(DcOp::LineTo), 1);
        const DcCall& stroke = *s.dc.last(DcOp::LineTo);
        EXPECT_EQ(str(stroke.point(0)) + str(stroke.point(1)), str({100, 100}) + str(row.end));
        EXPECT_EQ(stroke.pen.color, row.color);
        EXPECT_EQ(s.letter(entry), '1') << "the entry routines write no letter";
    }
}

// Two entries of equal label on one bundle carry the letter of the wire of one to
// the wire of the other; an entry of another label on the same bundle does not.
TEST(BundleEntry, EqualLabelsOnOneBundleJoinTheirWires) {
    SymbolSheet s;
    ASSERT_TRUE(s.load("bundle_entries.cad"));
    ASSERT_EQ(s.view.m_componentCount, 8);
    s.simulate();
    // Slots: supply, wire A, bundle, entry "W1" on A, entry "W1" on B, wire B,
    // entry "W2", wire C.
    EXPECT_EQ(s.letters({1, 3, 4, 5}), "1111");
    EXPECT_EQ(s.letters({6, 7}), "00");
    EXPECT_EQ(s.box(), "");
}
