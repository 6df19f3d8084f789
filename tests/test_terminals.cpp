// Terminal references: the name beside each terminal, the connection circle, and
// the connection point through which every component routine finds its wires.
#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

#include "command_stage.h"
#include "render/Colors.h"

using namespace velk;
using velk::testkit::DcCall;
using velk::testkit::DcOp;

namespace {

std::string str(Point p) { return "(" + std::to_string(p.x) + "," + std::to_string(p.y) + ")"; }

// A coil terminal below its origin: the wire end is (90, 150) in the symbol frame.
constexpr const char* kCoilTerminal = "NUME,+095,+135,A1";

}  // namespace

class Terminals : public CommandStage {
protected:
    void simulate() {
        view->m_simulating = 1;
        doc.m_showConnectionSymbols = 0;
    }
};

TEST_F(Terminals, ConnectionPointsOfTheSymbolFamilies) {
    struct Row {
        const char* name;
        int type;
        int code;
        const char* command;
        double scale;
        Point origin;
        Point slot;  // drawing units
        Point device;
        Point units;
    };
    const Row rows[] = {
        {"supply at its insertion point", kTypeSupplyL, 0, "NUME,-004,-035,L  ", 0.4, {200, 100}, {100, 50},
         {200, 100}, {500, 250}},
        {"supply with a two-letter name", kTypeSupplyL1L2L3, 0, "NUME,-008,-035,L1 ", 0.4, {200, 100}, {100, 50},
         {200, 100}, {500, 250}},
        {"supply name ending early counts as long", kTypeSupplyL, 0, "NUME,-008,-035,L", 0.4, {200, 100},
         {100, 50}, {200, 100}, {500, 250}},
        {"supply turned", kTypeSupplyN, 1, "NUME,-004,-035,N  ", 0.4, {200, 100}, {100, 50}, {200, 100},
         {500, 250}},
        {"coil below its origin drops 15", kTypeCoil, 0, kCoilTerminal, 0.4, {300, 200}, {150, 100}, {336, 260},
         {840, 650}},
        {"coil mirrored with a two-digit name", kTypeCoil, 4, "NUME,+095,+135,12", 0.4, {300, 200}, {150, 100},
         {264, 260}, {660, 650}},
        // Geometry, not the rounding of a split sum, decides: 15 + 5 x 0.2 is 16.
        // Deliberately 16, not the 15 that (15 + 12 x 0.2) + (-7 x 0.2) gives in
        // double precision: the point is the terminal's place on the sheet, where
        // a wire drawn to it ends, so its circle sits on that wire end; the split
        // sum loses a pixel to rounding and would draw it one pixel beside it.
        {"mirrored one-digit name at zoom 1", kTypeCoil, 4, "NUME,+000,+000,5", 0.2, {15, 40}, {15, 40},
         {16, 40}, {80, 200}},
        {"side-terminal sensor does not drop", kTypeInductiveSensorNO2WireSide, 0, "NUME,+020,+010,1", 1.0,
         {100, 100}, {20, 20}, {115, 110}, {115, 110}},
        {"coil with the same label drops", kTypeCoil, 0, "NUME,+020,+010,1", 1.0, {100, 100}, {20, 20},
         {115, 125}, {115, 125}},
        {"logic block does not drop", kTypeExor, 0, "NUME,+020,+010,1", 1.0, {100, 100}, {20, 20}, {115, 110},
         {115, 110}},
        {"one-sided barrier emitter does not drop", kTypeBarrierEmitterSide, 0, "NUME,+020,+010,1", 1.0,
         {100, 100}, {20, 20}, {115, 110}, {115, 110}},
        {"barrier emitter drops", kTypeBarrierEmitter, 0, "NUME,+020,+010,1", 1.0, {100, 100}, {20, 20},
         {115, 125}, {115, 125}},
        {"label on the origin line does not drop", kTypeCoil, 0, "NUME,+020,+000,1", 1.0, {100, 100}, {20, 20},
         {115, 100}, {115, 100}},
        {"label above the origin does not drop", kTypeCoil, 0, "NUME,+020,-030,1", 1.0, {100, 100}, {20, 20},
         {115, 70}, {115, 70}},
    };
    simulate();
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        place(r.type, r.code, r.slot.x, r.slot.y);
        draw(r.command, r.scale, r.origin.x, r.origin.y);
        EXPECT_EQ(str(g_terminalPoint), str(r.device));
        EXPECT_TRUE(g_terminalUnitsValid);
        EXPECT_EQ(str(g_terminalUnits), str(r.units));
    }
}

// The supply draws its name above and left of its wire end.
TEST_F(Terminals, SupplyNameSitsAboveItsInsertionPoint) {
    simulate();
    place(kTypeSupplyL, 0, 100, 50);
    draw("NUME,-004,-035,L  ", 0.4, 200, 100);
    const DcCall* name = dc.last(DcOp::TextOut);
    ASSERT_NE(name, nullptr);
    EXPECT_EQ(name->text, "L  ");
    EXPECT_EQ(str(name->point()), "(198,86)");
}

// The wire end turns with the symbol; neither the layout of the names, nor their
// visibility, nor the name itself moves it.
TEST_F(Terminals, WireEndTurnsWithTheSymbol) {
    const Point turned[8] = {{90, 150}, {-150, 90}, {-90, -150}, {150, -90},
                             {-90, 150}, {-150, -90}, {90, -150}, {150, 90}};
    const char* commands[] = {kCoilTerminal, "NUME,+095,+135,5", "NUME,+095,+135,12"};
    simulate();
    for (int code = 0; code < 8; ++code) {
        for (const char* command : commands) {
            for (int vertical = 0; vertical < 2; ++vertical) {
                for (int shown = 0; shown < 2; ++shown) {
                    SCOPED_TRACE("code " + std::to_string(code) + " " + command + (vertical ? " vertical" : "") +
                                 (shown ? "" : " names hidden"));
                    doc.m_refsVertical = vertical;
                    doc.m_showTerminalRefs = shown;
                    view->m_componentCount = 1;
                    place(kTypeCoil, code, 100, 100);
                    const Point end{(500 + turned[code].x) / 5, (500 + turned[code].y) / 5};
                    const int wire = addWire(end.x, end.y, end.x + 4, end.y + 4);
                    draw(command, 1.0, 500, 500);
                    EXPECT_EQ(str(g_terminalPoint), str({500 + turned[code].x, 500 + turned[code].y}));
                    EXPECT_EQ(str(g_terminalUnits), str({500 + turned[code].x, 500 + turned[code].y}));
                    EXPECT_EQ(view->wireAtTerminal(), wire);
                    EXPECT_EQ(dc.count(DcOp::TextOut), shown);
                }
            }
        }
    }
}

TEST_F(Terminals, NamesFollowTheLayoutTables) {
    struct Row {
        int vertical;
        int code;
        const char* name;
        Point anchor;
        int escapement;
        bool right;
    };
    // Label at (40, 30), origin (500, 500), scale 1.
    const Row rows[] = {
        {0, 0, "5", {540, 530}, 0, false},     {0, 1, "5", {470, 540}, 2700, false},
        {0, 2, "5", {460, 470}, 1800, false},  {0, 3, "5", {530, 460}, 900, false},
        {0, 4, "5", {453, 530}, 0, false},     {0, 5, "5", {470, 453}, 2700, false},
        {0, 6, "5", {540, 470}, 1800, true},   {0, 7, "5", {530, 530}, 900, false},
        {0, 4, "A1", {460, 530}, 0, true},     {0, 4, "13", {445, 530}, 0, false},
        {0, 4, "-1", {453, 530}, 0, false},    {0, 5, "A1", {470, 460}, 2700, true},
        {0, 5, "13", {470, 445}, 2700, false}, {0, 6, "13", {540, 470}, 1800, true},
        {1, 0, "5", {520, 540}, 900, false},   {1, 1, "5", {460, 520}, 0, false},
        {1, 2, "5", {480, 460}, 2700, false},  {1, 3, "5", {540, 480}, 1800, false},
        {1, 4, "5", {450, 540}, 900, false},   {1, 5, "5", {460, 450}, 0, false},
        {1, 6, "5", {550, 460}, 2700, false},  {1, 7, "5", {540, 535}, 1800, false},
        {1, 0, "13", {520, 545}, 900, false},  {1, 7, "13", {545, 535}, 1800, false},
        {1, 4, "A1", {450, 540}, 900, false},
    };
    const Color refColor = rgb(50, 60, 70);
    view->m_penColor = refColor;
    for (const Row& r : rows) {
        const std::string command = std::string("NUME,+040,+030,") + r.name;
        SCOPED_TRACE(std::string(r.vertical ? "vertical " : "horizontal ") + "code " + std::to_string(r.code) +
                     " name " + r.name);
        doc.m_refsVertical = r.vertical;
        place(kTypeCoil, r.code);
        draw(command, 1.0, 500, 500);
        const DcCall* call = dc.last(DcOp::TextOut);
        ASSERT_NE(call, nullptr);
        EXPECT_EQ(call->text, r.name);
        EXPECT_EQ(str(call->point()), str(r.anchor));
        EXPECT_EQ(call->font.escapement, r.escapement);
        EXPECT_EQ(call->font.height, 15);
        EXPECT_EQ(call->textAlign, (r.right ? kAlignRight : kAlignLeft) | kAlignTop);
        EXPECT_EQ(call->textColor, refColor);
        EXPECT_TRUE(call->transparent);
    }
}

TEST_F(Terminals, NameIsAtMostThreeCharacters) {
    place(kTypeCoil, 0);
    draw("NUME,+040,+030,A1B2", 1.0, 0, 0);
    ASSERT_NE(dc.last(DcOp::TextOut), nullptr);
    EXPECT_EQ(dc.last(DcOp::TextOut)->text, "A1B");
}

TEST_F(Terminals, ModesDecideCircleAndPoint) {
    enum class Left { Kept, Written, Zero };
    struct Row {
        const char* name;
        int connection;
        int simulating;
        bool preview;
        int tool;  // type of the preview
        int code;
        int namesShown;
        bool nameDrawn;
        bool circle;
        Left point;
        Point device;
        Rect box;
    };
    // The coil terminal at origin (300, 200), scale 0.4, slot (150, 100).
    const Rect coilBox{334, 258, 338, 262};
    const Row rows[] = {
        {"neither mode keeps the last point", 0, 0, false, 0, 0, 1, true, false, Left::Kept, {}, {}},
        {"connection mode draws the circle", 1, 0, false, 0, 0, 1, true, true, Left::Written, {336, 260},
         coilBox},
        {"simulating alone draws no circle", 0, 1, false, 0, 0, 1, true, false, Left::Written, {336, 260}, {}},
        {"connection mode while simulating", 1, 1, false, 0, 0, 1, true, true, Left::Written, {336, 260},
         coilBox},
        {"hidden names leave circle and point", 1, 1, false, 0, 0, 0, false, true, Left::Written, {336, 260},
         coilBox},
        {"preview circle turns with the tool", 1, 0, true, kTypeCoil, 1, 1, true, true, Left::Zero, {},
         {238, 234, 242, 238}},
        {"preview of a side-terminal tool does not drop", 1, 0, true, kTypeInductiveSensorNO2WireSide, 0, 1,
         true, true, Left::Zero, {}, {334, 252, 338, 256}},
        {"code outside the table draws neither", 1, 1, false, 0, 9, 1, false, false, Left::Zero, {}, {}},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        doc.m_showConnectionSymbols = r.connection;
        doc.m_showTerminalRefs = r.namesShown;
        view->m_simulating = r.simulating;
        place(kTypeCoil, r.code, 150, 100);
        if (r.preview) preview(r.tool, r.code);
        g_terminalPoint = {7, 7};
        g_terminalUnits = {35, 35};
        g_terminalUnitsValid = true;
        draw(kCoilTerminal, 0.4, 300, 200);

        EXPECT_EQ(dc.count(DcOp::TextOut), r.nameDrawn ? 1 : 0);
        const DcCall* circle = dc.last(DcOp::Ellipse);
        EXPECT_EQ(circle != nullptr, r.circle) << dc.transcript();
        if (circle && r.circle) {
            EXPECT_EQ(str(circle->point(0)), str({r.box.left, r.box.top}));
            EXPECT_EQ(str(circle->point(1)), str({r.box.right, r.box.bottom}));
        }
        switch (r.point) {
            case Left::Kept:
                EXPECT_EQ(str(g_terminalPoint), "(7,7)");
                EXPECT_TRUE(g_terminalUnitsValid);
                break;
            case Left::Written:
                EXPECT_EQ(str(g_terminalPoint), str(r.device));
                EXPECT_EQ(str(g_terminalUnits), "(840,650)");
                EXPECT_TRUE(g_terminalUnitsValid);
                break;
            case Left::Zero:
                EXPECT_EQ(str(g_terminalPoint), "(0,0)");
                EXPECT_FALSE(g_terminalUnitsValid);
                break;
        }
        view->m_componentCount = 1;
    }
}

// The wire pass draws dots and bundle entries with the placed flag at 0: their
// names turn with the tool's code, but the connection belongs to the slot.
TEST_F(Terminals, SlotInsideTheTableConnectsByItsOwnCode) {
    simulate();
    place(kTypeCoil, 0, 150, 100);
    view->m_drawingPlaced = 0;
    view->m_toolOrientation = 2;
    draw(kCoilTerminal, 0.4, 300, 200);
    EXPECT_EQ(str(g_terminalPoint), "(336,260)");
    EXPECT_EQ(str(g_terminalUnits), "(840,650)");
    const DcCall* name = dc.last(DcOp::TextOut);
    ASSERT_NE(name, nullptr);
    EXPECT_EQ(str(name->point()), "(262,146)");
    EXPECT_EQ(name->font.escapement, 1800);
}

TEST_F(Terminals, CircleColourShowsPickAndSelection) {
    struct Row {
        const char* name;
        int picked;
        int pickedIndex;
        int selected;
        int floating;
        int printing;
        int printInColor;
        Color color;
    };
    const Row rows[] = {
        {"plain", 0, 0, 0, 0, 0, 1, g_colorBlue},
        {"picked", 1, 0, 0, 0, 0, 1, g_colorRed},
        {"another slot picked", 1, 3, 0, 0, 0, 1, g_colorBlue},
        {"selected", 0, 0, 1, 0, 0, 1, g_colorRed},
        {"whole sheet floating", 0, 0, 0, 1, 0, 1, g_colorRed},
        {"printed in colour", 0, 0, 0, 0, 1, 1, g_colorBlue},
        {"picked, printed without colour", 1, 0, 0, 0, 1, 0, g_colorBlack},
    };
    doc.m_showConnectionSymbols = 1;
    view->m_penWidth = 2;
    view->m_penColor = rgb(9, 9, 9);
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        g_itemPicked = r.picked;
        view->m_pickedIndex = r.pickedIndex;
        view->m_selected[0] = r.selected;
        view->m_floatingBlock = r.floating;
        view->m_printing = r.printing;
        doc.m_printInColor = r.printInColor;
        draw(kCoilTerminal, 0.4, 300, 200);
        const DcCall* circle = dc.last(DcOp::Ellipse);
        ASSERT_NE(circle, nullptr);
        EXPECT_EQ(circle->pen.color, r.color);
        EXPECT_EQ(circle->pen.width, 2);
        EXPECT_EQ(circle->pen.style, PenStyle::Solid);
    }
}

// Terminal at (100, 98) drawing units: a coil at (100, 100) with its label above.
TEST_F(Terminals, OnlyLiveWiresEndingThereAreFound) {
    struct Row {
        const char* name;
        int type;
        Rect ends;  // (x1, y1) and (x2, y2)
        int deleted;
        bool pastCount;
        bool found;
    };
    const Row rows[] = {
        {"phase wire by its first end", kTypeWirePhase, {100, 98, 100, 60}, 0, false, true},
        {"neutral wire by its second end", kTypeWireNeutral, {100, 140, 100, 98}, 0, false, true},
        {"protective-earth wire", kTypeWirePE, {40, 98, 100, 98}, 0, false, true},
        {"plus wire", kTypeWirePlus, {100, 98, 160, 98}, 0, false, true},
        {"minus wire", kTypeWireMinus, {100, 98, 100, 98}, 0, false, true},
        {"connection dot", kTypeConnectionDot, {100, 98, 0, 0}, 0, false, false},
        {"chart link", kTypeGrafcetLink, {100, 98, 100, 120}, 0, false, false},
        {"bundle", kTypeBundle, {100, 98, 100, 120}, 0, false, false},
        {"hidden wire", kTypeWirePhase, {100, 98, 100, 60}, 1, false, false},
        {"wire past the count", kTypeWirePhase, {100, 98, 100, 60}, 0, true, false},
        {"wire one unit beside", kTypeWirePhase, {101, 98, 101, 60}, 0, false, false},
        {"wire passing through", kTypeWirePhase, {100, 90, 100, 110}, 0, false, false},
    };
    simulate();
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        view->m_componentCount = 1;
        place(kTypeCoil, 0, 100, 100);
        const int j = addWire(r.ends.left, r.ends.top, r.ends.right, r.ends.bottom, r.type);
        view->m_deleted[j] = r.deleted;
        if (r.pastCount) view->m_componentCount = j;
        draw("NUME,+005,-010,A1", 0.4, 200, 200);
        EXPECT_EQ(view->wireAtTerminal(), r.found ? j : -1);
        EXPECT_EQ(view->nextWireAtTerminal(-1), r.found ? j : -1);
        view->m_deleted[j] = 0;
    }
}

TEST_F(Terminals, LastWireWinsAndTheWalkKeepsSlotOrder) {
    simulate();
    place(kTypeCoil, 0, 100, 100);
    const int a = addWire(100, 98, 100, 60);
    addWire(10, 10, 20, 10);
    const int b = addWire(70, 98, 100, 98, kTypeWireNeutral);
    const int hidden = addWire(100, 98, 100, 140);
    view->m_deleted[hidden] = 1;
    const int c = addWire(100, 98, 130, 98);
    addWire(100, 98, 100, 98, kTypeConnectionDot);
    draw("NUME,+005,-010,A1", 0.4, 200, 200);
    EXPECT_EQ(view->wireAtTerminal(), c);
    std::vector<int> walk;
    for (int j = view->nextWireAtTerminal(-1); j >= 0; j = view->nextWireAtTerminal(j)) walk.push_back(j);
    EXPECT_EQ(walk, (std::vector<int>{a, b, c}));
    EXPECT_EQ(view->nextWireAtTerminal(INT_MAX), -1);
    EXPECT_TRUE(view->endsAtTerminal(c + 1)) << "any kind of item can be asked";
}

// When no terminal is known, a wire at the origin of the sheet must not pass for one.
TEST_F(Terminals, NoTerminalFindsNoWire) {
    struct Row {
        const char* name;
        int code;
        bool preview;
        int slotX;
    };
    const Row rows[] = {
        {"after the preview", 0, true, 0},
        {"after an orientation code outside the table", 12, false, 0},
        {"slot too far out for command units", 0, false, INT_MAX / 3},
    };
    simulate();
    doc.m_showConnectionSymbols = 1;
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        view->m_componentCount = 1;
        place(kTypeCoil, r.code, r.slotX, 0);
        addWire(0, 0, 0, 10);
        addWire(r.slotX, 0, r.slotX, 10);
        if (r.preview) preview(kTypeCoil, r.code);
        draw("NUME,+005,+000,1", 0.4, 0, 0);
        EXPECT_FALSE(g_terminalUnitsValid);
        EXPECT_FALSE(view->endsAtTerminal(1));
        EXPECT_EQ(view->wireAtTerminal(), -1);
        EXPECT_EQ(view->nextWireAtTerminal(-1), -1);
    }
    clearTerminalPoint();
    EXPECT_EQ(view->wireAtTerminal(), -1);
}

// A wire whose end lies on the terminal's geometric end is found in every
// orientation, at every zoom (fractional ones and print zooms below 1 too), with or
// without a print offset, wherever the symbol stands; wires one unit beside it are
// not. The rounded device point alone could not do this.
TEST_F(Terminals, AWireAtTheGeometricEndIsAlwaysFound) {
    struct Label {
        const char* command;
        int type;
        Point end;  // wire end in the symbol frame, command units
    };
    const Label labels[] = {
        {kCoilTerminal, kTypeCoil, {90, 150}},
        {"NUME,-040,+030,13", kTypeCoil, {-45, 45}},
        {"NUME,+005,+000,1", kTypeCoil, {0, 0}},
        {"NUME,+010,-035,2", kTypeCoil, {5, -35}},
        {"NUME,+020,+010,1", kTypeInductiveSensorNO2WireSide, {15, 10}},
        {"NUME,-004,-035,L  ", kTypeSupplyL, {0, 0}},
        {"NUME,+017,-035,L2 ", kTypeSupplyL1L2L3, {25, 0}},
    };
    // (x, y) -> (a x + b y, c x + d y), one row per orientation code.
    const int turn[8][4] = {{1, 0, 0, 1},  {0, -1, 1, 0},  {-1, 0, 0, -1}, {0, 1, -1, 0},
                            {-1, 0, 0, 1}, {0, -1, -1, 0}, {1, 0, 0, -1},  {0, 1, 1, 0}};
    std::vector<double> zooms;
    for (int z = 1; z <= 20; ++z) zooms.push_back(z);
    for (double z : {0.4, 1.25, 1.5, 2.2, 2.5, 3.3, 4.75, 7.1, 12.6, 19.9}) zooms.push_back(z);
    const int xs[] = {0, 1, 7, 33, 118, 467};
    const int ys[] = {0, 2, 9, 41, 150, 333};

    simulate();
    doc.m_showTerminalRefs = 0;
    int deviceRuleMisses = 0;
    for (const Label& label : labels) {
        for (int code = 0; code < 8; ++code) {
            const int* m = turn[code];
            const Point t{m[0] * label.end.x + m[1] * label.end.y, m[2] * label.end.x + m[3] * label.end.y};
            ASSERT_EQ(t.x % 5, 0);
            ASSERT_EQ(t.y % 5, 0);
            for (std::size_t zi = 0; zi < zooms.size(); ++zi) {
                const double zoom = zooms[zi];
                const int offset = zi % 2 ? static_cast<int>(10 * zoom) : 0;
                for (int px : xs) {
                    for (int py : ys) {
                        view->m_componentCount = 1;
                        place(label.type, code, px, py);
                        const Point end{px + t.x / 5, py + t.y / 5};
                        const bool firstEnd = (px + py) % 2 == 0;
                        const int wire = firstEnd ? addWire(end.x, end.y, end.x + 6, end.y)
                                                  : addWire(end.x - 6, end.y, end.x, end.y);
                        addWire(end.x + 1, end.y, end.x + 1, end.y + 6);
                        addWire(end.x, end.y - 1, end.x, end.y - 6);
                        draw(label.command, zoom / 5.0, static_cast<int>(px * zoom) + offset,
                             static_cast<int>(py * zoom) + offset);
                        if (view->wireAtTerminal() != wire) {
                            ADD_FAILURE() << label.command << " code " << code << " zoom " << zoom << " at (" << px
                                          << "," << py << ")";
                            return;
                        }
                        const int w = static_cast<int>(zoom);
                        if (offset == 0 && (Point{w * end.x, w * end.y}) != g_terminalPoint) ++deviceRuleMisses;
                    }
                }
            }
        }
    }
    EXPECT_GT(deviceRuleMisses, 0) << "the cases include some the device point alone gets wrong";
}
