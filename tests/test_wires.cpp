// The wire pass: how every kind of wire is drawn and labelled, and how letters
// move between touching wires, to chart links and through bundle entries.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "render/Colors.h"
#include "sim_sheet.h"
#include "testkit/recording_dc.h"

using namespace velk;
using velk::simtest::SimSheet;
using velk::testkit::DcCall;
using velk::testkit::DcOp;
using velk::testkit::RecordingDc;

namespace {

struct DrawnLine {
    Point from, to;
    Pen pen;
};

// The lines drawn, with the pen each was drawn with.
std::vector<DrawnLine> linesOf(const RecordingDc& dc) {
    std::vector<DrawnLine> out;
    for (const DcCall& c : dc.callsOf(DcOp::LineTo)) out.push_back({c.point(0), c.point(1), c.pen});
    return out;
}

// Leaves the program-wide pick as every other test expects it.
struct PickReset {
    ~PickReset() { g_itemPicked = 0; }
};

}  // namespace

// Editing colours by kind: phase dark red, neutral blue, protective earth green
// and dotted, DC plus red, DC minus and chart lines black, a bundle blue and twice
// as wide; AND bars are two lines, trunc(zoom / 5 x 3) pixels either side.
TEST(WirePass, EditingColoursByKind) {
    struct Row {
        const char* name;
        int type;
        Color color;
        PenStyle style;
        int width;
        std::vector<int> offsets;  // pixels above (-) or below (+) the line
    };
    const Row rows[] = {
        {"phase", kTypeWirePhase, g_colorMaroon, PenStyle::Solid, 1, {0}},
        {"neutral", kTypeWireNeutral, g_colorBlue, PenStyle::Solid, 1, {0}},
        {"protective earth", kTypeWirePE, g_colorGreen, PenStyle::Dot, 1, {0}},
        {"DC plus", kTypeWirePlus, g_colorRed, PenStyle::Solid, 1, {0}},
        {"DC minus", kTypeWireMinus, g_colorBlack, PenStyle::Solid, 1, {0}},
        {"AND divergence", kTypeGrafcetAndDivergence, g_colorBlack, PenStyle::Solid, 1, {-2, 2}},
        {"AND convergence", kTypeGrafcetAndConvergence, g_colorBlack, PenStyle::Solid, 1, {-2, 2}},
        {"chart link", kTypeGrafcetLink, g_colorBlack, PenStyle::Solid, 1, {0}},
        {"bundle", kTypeBundle, g_colorBlue, PenStyle::Solid, 2, {0}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        SimSheet s;
        s.doc.m_zoom = 4;  // bars: trunc(4 / 5 x 3) = 2
        s.view.m_penWidth = 1;
        s.addLine(row.type, 10, 20, 40, 20);
        RecordingDc dc;
        s.view.DrawWires(dc);
        const std::vector<DrawnLine> lines = linesOf(dc);
        ASSERT_EQ(lines.size(), row.offsets.size());
        for (std::size_t k = 0; k < lines.size(); ++k) {
            EXPECT_EQ(lines[k].from, (Point{40, 80 + row.offsets[k]}));
            EXPECT_EQ(lines[k].to, (Point{160, 80 + row.offsets[k]}));
            EXPECT_EQ(lines[k].pen.color, row.color);
            EXPECT_EQ(lines[k].pen.style, row.style);
            EXPECT_EQ(lines[k].pen.width, row.width);
        }
        EXPECT_EQ(s.view.m_loopIndex, s.view.m_componentCount);
    }
}

// What overrides the kind colour, in order: the pick (red and solid), the
// selection (red), printing without colour (black), and while simulating the
// letter the wire carries (its style stays).
TEST(WirePass, ColourOverrides) {
    struct Row {
        const char* name;
        int type;
        char letter;
        bool picked, selected, floating, monochromePrint, simulating;
        Color color;
        PenStyle style;
    };
    const Row rows[] = {
        {"picked PE wire is red and solid", kTypeWirePE, '0', true, false, false, false, false, g_colorRed,
         PenStyle::Solid},
        {"selected PE wire is red and dotted", kTypeWirePE, '0', false, true, false, false, false, g_colorRed,
         PenStyle::Dot},
        {"whole-sheet selection leaves wires alone", kTypeWirePhase, '0', false, false, true, false, false,
         g_colorMaroon, PenStyle::Solid},
        {"print without colour", kTypeWirePhase, '0', false, false, false, true, false, g_colorBlack,
         PenStyle::Solid},
        {"print without colour keeps the PE dots", kTypeWirePE, '0', false, true, false, true, false, g_colorBlack,
         PenStyle::Dot},
        {"picked bundle", kTypeBundle, '0', true, false, false, false, false, g_colorRed, PenStyle::Solid},
        {"bundle under whole-sheet selection", kTypeBundle, '0', false, false, true, false, false, g_colorRed,
         PenStyle::Solid},
        {"bundle printed without colour", kTypeBundle, '0', false, true, false, true, false, g_colorBlack,
         PenStyle::Solid},
        {"simulating: neutral letter on a phase wire", kTypeWirePhase, 'N', false, false, false, false, true,
         g_colorBlue, PenStyle::Solid},
        {"simulating: phase letter on a PE wire stays dotted", kTypeWirePE, '2', false, false, false, false, true,
         g_colorMaroon, PenStyle::Dot},
        {"simulating: letters win over print without colour", kTypeWirePlus, 'P', false, false, false, true, true,
         g_colorGreen, PenStyle::Solid},
        {"simulating: letters win over the pick, which made the PE wire solid", kTypeWirePE, 'N', true, false,
         false, false, true, g_colorBlue, PenStyle::Solid},
        {"simulating: a bundle keeps its colour", kTypeBundle, '1', false, false, false, false, true, g_colorBlue,
         PenStyle::Solid},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        PickReset pickReset;
        SimSheet s;
        s.view.m_penWidth = 1;
        s.addSymbol(kTypeCoil, 100, 100);  // the wire is not in slot 0
        const int w = s.addLine(row.type, 10, 20, 40, 20, row.letter);
        g_itemPicked = row.picked ? 1 : 0;
        s.view.m_pickedIndex = row.picked ? w : 0;
        s.view.m_selected[w] = row.selected ? 1 : 0;
        s.view.m_floatingBlock = row.floating ? 1 : 0;
        s.view.m_printing = row.monochromePrint ? 1 : 0;
        s.doc.m_printInColor = row.monochromePrint ? 0 : 1;
        s.view.m_simulating = row.simulating ? 1 : 0;
        RecordingDc dc;
        s.view.DrawWires(dc);
        const std::vector<DrawnLine> lines = linesOf(dc);
        ASSERT_EQ(lines.size(), 1u);
        EXPECT_EQ(lines[0].pen.color, row.color);
        EXPECT_EQ(lines[0].pen.style, row.style);
    }
}

// While simulating a wire shows its letter: the phases, star and lamp-closed marks
// dark red, neutral blue, earth green, plus and its lamp mark red, minus black, and
// everything else grey.
TEST(WirePass, LetterColours) {
    struct Row {
        const char* letters;
        Color color;
    };
    const Row rows[] = {
        {"123YyABC", g_colorMaroon}, {"N", g_colorBlue}, {"P", g_colorGreen},
        {"+F", g_colorRed},          {"-", g_colorBlack}, {"0ZRSTW*xn", g_colorGrey},
    };
    for (const Row& row : rows) {
        for (const char* p = row.letters; *p; ++p) {
            SCOPED_TRACE(std::string("letter ") + *p);
            SimSheet s;
            s.view.m_simulating = 1;
            s.addLine(kTypeWireMinus, 0, 0, 0, 30, *p);
            RecordingDc dc;
            s.view.DrawWires(dc);
            const std::vector<DrawnLine> lines = linesOf(dc);
            ASSERT_EQ(lines.size(), 1u);
            EXPECT_EQ(lines[0].pen.color, row.color);
        }
    }
}

// The net number beside a wire or bundle: from the middle of a horizontal item,
// sitting on it; upward from the middle of any other; shifted by the paint's
// device offsets.
TEST(WirePass, NetNumberLabels) {
    struct Row {
        const char* name;
        int type;
        int x1, y1, x2, y2;
        double zoom;
        int offsetX, offsetY;
        bool picked, floating;
        Point at;
        int height, escapement;
        Color textColor;
    };
    const Color own = rgb(10, 20, 30);
    const Row rows[] = {
        {"horizontal wire", kTypeWirePhase, 10, 20, 41, 20, 2, 0, 0, false, false, {50, 40}, 6, 0, own},
        {"vertical wire", kTypeWireNeutral, 10, 20, 10, 51, 2, 0, 0, false, false, {20, 72}, 5, 900, own},
        {"horizontal wire, offsets", kTypeWirePhase, 10, 20, 41, 20, 3, 100, 50, false, false, {175, 110}, 9, 0,
         own},
        {"vertical wire, offsets", kTypeWirePE, 10, 20, 10, 51, 3, 100, 50, false, false, {130, 158}, 8, 900, own},
        {"picked wire", kTypeWirePhase, 10, 20, 41, 20, 2, 0, 0, true, false, {50, 40}, 6, 0, g_colorRed},
        {"wire under whole-sheet selection", kTypeWirePhase, 10, 20, 41, 20, 2, 0, 0, false, true, {50, 40}, 6,
         0, g_colorRed},
        {"bundle", kTypeBundle, 10, 20, 41, 20, 2, 0, 0, false, false, {50, 40}, 6, 0, g_colorBlue},
        {"picked bundle", kTypeBundle, 10, 20, 10, 51, 2, 0, 0, true, false, {20, 72}, 5, 900, g_colorRed},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        PickReset pickReset;
        SimSheet s;
        s.doc.m_showWireLabels = 1;
        s.doc.m_zoom = row.zoom;
        s.doc.m_printOffsetX = row.offsetX;
        s.doc.m_printOffsetY = row.offsetY;
        s.view.m_penWidth = 1;
        const int w = s.addLine(row.type, row.x1, row.y1, row.x2, row.y2);
        s.view.m_netNumber[w] = 17;
        s.view.m_color[w] = own;
        g_itemPicked = row.picked ? 1 : 0;
        s.view.m_pickedIndex = w;
        s.view.m_floatingBlock = row.floating ? 1 : 0;
        RecordingDc dc;
        s.view.DrawWires(dc);
        const std::vector<DcCall> texts = dc.callsOf(DcOp::TextOut);
        ASSERT_EQ(texts.size(), 1u);
        const DcCall& t = texts[0];
        EXPECT_EQ(t.text, "17");
        EXPECT_EQ(t.point(), row.at);
        EXPECT_EQ(t.font.face, "Arial");
        EXPECT_EQ(t.font.height, row.height);
        EXPECT_EQ(t.font.escapement, row.escapement);
        EXPECT_EQ(t.textAlign, kAlignLeft | kAlignBottom);
        EXPECT_TRUE(t.transparent);
        EXPECT_EQ(t.textColor, row.textColor);
        EXPECT_EQ(t.brush.style, BrushStyle::Hollow);
        EXPECT_EQ(dc.font().height, Font().height) << "the label font is deselected after the text";
    }
}

// The wire passes inside the evaluation passes draw no wire; bundles are drawn in
// every pass, and labels only go with a drawn wire.
TEST(WirePass, PlacedPassesDrawOnlyBundles) {
    SimSheet s;
    s.doc.m_showWireLabels = 1;
    s.view.m_drawingPlaced = 1;
    s.addLine(kTypeWirePhase, 0, 0, 30, 0);
    s.addLine(kTypeGrafcetAndDivergence, 0, 10, 30, 10);
    s.addLine(kTypeBundle, 0, 20, 30, 20);
    RecordingDc dc;
    s.view.DrawWires(dc);
    ASSERT_EQ(dc.count(DcOp::LineTo), 1);
    EXPECT_EQ(dc.last(DcOp::LineTo)->pen.color, g_colorBlue);
    EXPECT_EQ(dc.count(DcOp::TextOut), 1);
}

// Letters carried by the wire passes of one paint, sheet by sheet. Each item is a
// slot; the expected letters are those of the slots in order after the passes.
TEST(WirePass, CarriesLetters) {
    struct Item {
        int type;
        int x1, y1, x2, y2;
        char letter;
        int net = 0;
        int bundle = 0;
        const char* label = "";
        int deleted = 0;
    };
    struct Row {
        const char* name;
        std::vector<Item> items;
        int passes;
        const char* letters;
        const char* box;  // the one box expected, or nullptr for none
        double zoom = 2;
    };
    const int W = kTypeWirePhase, E = kTypeBundleEntryLeft;
    const Row rows[] = {
        {"\"1\" next to \"0\": both carry \"1\"", {{W, 0, 0, 10, 0, '1'}, {W, 10, 0, 20, 0, '0'}}, 1, "11", nullptr},
        {"\"0\" next to \"1\": both carry \"1\"", {{W, 0, 0, 10, 0, '0'}, {W, 10, 0, 20, 0, '1'}}, 1, "11", nullptr},
        {"a chain against slot order advances a wire per pass",
         {{W, 20, 0, 30, 0, '0'}, {W, 10, 0, 20, 0, '0'}, {W, 0, 0, 10, 0, '+'}}, 1, "0++", nullptr},
        {"... and has settled after the second pass",
         {{W, 20, 0, 30, 0, '0'}, {W, 10, 0, 20, 0, '0'}, {W, 0, 0, 10, 0, '+'}}, 2, "+++", nullptr},
        {"corner of a horizontal and a vertical wire",
         {{kTypeWireNeutral, 0, 0, 10, 0, 'N'}, {kTypeWirePE, 10, 0, 10, 20, '0'}}, 1, "NN", nullptr},
        {"second ends meet", {{W, 0, 20, 10, 20, '3'}, {kTypeWireMinus, 10, 0, 10, 20, '0'}}, 1, "33", nullptr},
        {"a T without a dot passes nothing", {{W, 0, 0, 20, 0, '1'}, {W, 10, 0, 10, 20, '0'}}, 6, "10", nullptr},
        {"a hidden wire passes nothing", {{W, 0, 0, 10, 0, '0'}, {W, 10, 0, 20, 0, '2', 0, 0, "", 1}}, 6, "02",
         nullptr},
        {"a marker letter is carried", {{W, 0, 0, 10, 0, 'Y'}, {W, 10, 0, 20, 0, '0'}}, 1, "YY", nullptr},
        {"a marker letter never clashes", {{W, 0, 0, 10, 0, 'Y'}, {W, 10, 0, 20, 0, '1'}}, 6, "Y1", nullptr},
        {"\"1\" next to \"2\": one short circuit", {{W, 0, 0, 10, 0, '1'}, {W, 10, 0, 20, 0, '2'}}, 6, "00",
         "Se ha producido un cortocircuito"},
        {"earth next to a phase: one earth fault", {{kTypeWirePE, 0, 0, 10, 0, 'P'}, {W, 10, 0, 20, 0, '1'}}, 6,
         "00", "Se ha producido una derivación a tierra"},
        {"ends equal in drawing units touch at a fractional zoom", {{W, 0, 0, 3, 0, '1'}, {W, 3, 0, 7, 0, '0'}}, 1,
         "11", nullptr, 2.5},
        {"ends on one device pixel but apart in drawing units do not touch",
         {{W, 0, 0, 1, 0, '1'}, {W, 2, 0, 3, 0, '0'}}, 6, "10", nullptr, 0.4},
        {"a token on an AND divergence reaches the links of its net",
         {{kTypeGrafcetLink, 50, 0, 50, 9, '0', 5},
          {kTypeGrafcetAndDivergence, 0, 10, 30, 10, 'N', 5},
          {kTypeGrafcetLink, 70, 0, 70, 9, '0', 5},
          {kTypeGrafcetLink, 90, 0, 90, 9, '0', 6},
          {kTypeGrafcetAndConvergence, 0, 60, 30, 60, '0', 5}},
         1, "NNN00", nullptr},
        {"entries of equal label on one bundle join their nets",
         {{W, 0, 0, 10, 0, '3', 10}, {E, 40, 40, 40, 40, '0', 10, 3, "W1"}, {E, 80, 40, 80, 40, '0', 20, 3, "W1"},
          {kTypeWireNeutral, 100, 0, 110, 0, '0', 20}},
         1, "3333", nullptr},
        {"entries of different labels pass nothing",
         {{W, 0, 0, 10, 0, '3', 10}, {E, 40, 40, 40, 40, '0', 10, 3, "W1"}, {E, 80, 40, 80, 40, '0', 20, 3, "W2"},
          {W, 100, 0, 110, 0, '0', 20}},
         6, "3300", nullptr},
        {"entries on no bundle pass nothing",
         {{W, 0, 0, 10, 0, '3', 10}, {E, 40, 40, 40, 40, '0', 10, 0, "W1"}, {E, 80, 40, 80, 40, '0', 20, 0, "W1"},
          {W, 100, 0, 110, 0, '0', 20}},
         6, "3300", nullptr},
        {"different letters through a bundle: a short circuit, even with earth",
         {{W, 0, 0, 10, 0, '1', 10}, {E, 40, 40, 40, 40, '0', 10, 3, "W1"},
          {kTypeBundleEntryRight, 80, 40, 80, 40, '0', 20, 3, "W1"}, {kTypeWirePE, 100, 0, 110, 0, 'P', 20}},
         6, "0000", "Se ha producido un cortocircuito"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        SimSheet s;
        s.doc.m_zoom = row.zoom;
        for (const Item& it : row.items) {
            const int i = s.addLine(it.type, it.x1, it.y1, it.x2, it.y2, it.letter);
            s.view.m_netNumber[i] = it.net;
            s.view.m_bundleNumber[i] = it.bundle;
            s.view.m_label[i] = it.label;
            s.view.m_deleted[i] = it.deleted;
        }
        s.view.m_simulating = 1;
        RecordingDc dc;
        for (int p = 0; p < row.passes && s.view.m_simulating == 1; ++p) s.view.DrawWires(dc);
        std::string letters;
        for (int i = 0; i < s.view.m_componentCount; ++i) letters += s.letter(i);
        EXPECT_EQ(letters, row.letters);
        if (row.box) {
            ASSERT_EQ(s.boxes.size(), 1u);
            EXPECT_EQ(TextCodec1250::toUtf8(s.boxes[0].text), row.box);
            EXPECT_EQ(s.view.m_simulating, 0);
        } else {
            EXPECT_TRUE(s.boxes.empty());
            EXPECT_EQ(s.view.m_simulating, 1);
        }
    }
}

// A clash ends the pass at once: the wire that found it is drawn, nothing after it.
TEST(WirePass, FaultEndsThePass) {
    SimSheet s;
    s.view.m_simulating = 1;
    s.addLine(kTypeWirePhase, 50, 50, 60, 50, '3');
    s.addLine(kTypeWirePhase, 0, 0, 10, 0, '1');
    s.addLine(kTypeWirePhase, 10, 0, 20, 0, '2');
    s.addLine(kTypeBundle, 50, 60, 60, 60);
    RecordingDc dc;
    s.view.DrawWires(dc);
    EXPECT_EQ(s.boxes.size(), 1u);
    EXPECT_EQ(dc.count(DcOp::LineTo), 2);
    EXPECT_EQ(s.view.m_loopIndex, kSlotCount);
}
