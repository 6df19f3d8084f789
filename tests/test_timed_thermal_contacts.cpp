// The delayed contacts of the timer relays, the contacts of the thermal overload
// relay, the resistor and the three-phase resistor bank: their pictures, how a
// change of state redraws them, and runs on sheets drawn with the mouse.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <tuple>
#include <vector>

#include "circuit_sheet.h"
#include "edit/PlacementDefaults.h"
#include "kept_pictures.h"
#include "load_sheet.h"
#include "render/Colors.h"
#include "render/Paint.h"
#include "symbol_sheet.h"
#include "testkit/recording_dc.h"

using namespace velk;
using velk::loadtest::LoadSheet;
using velk::testkit::DcCall;
using velk::testkit::DcOp;
using velk::testkit::RecordingDc;

namespace {

constexpr double kZoom = 5.0;  // one device pixel per symbol unit
constexpr Point kAt{60, 60};
constexpr Point kOrigin{300, 300};

// A stroke or an arc as drawn, in symbol units from the origin: a line by its two
// ends (in either order), an arc by its box, start and end.
using Stroke = std::tuple<DcOp, std::vector<Point>>;
using Strokes = std::vector<Stroke>;

bool before(Point a, Point b) { return a.x != b.x ? a.x < b.x : a.y < b.y; }

// What one call drew in colour c, sorted so that two lists compare as multisets.
Strokes strokesIn(const RecordingDc& dc, Color c) {
    Strokes out;
    for (const DcCall& call : dc.calls()) {
        if ((call.op != DcOp::LineTo && call.op != DcOp::Arc) || call.pen.color != c) continue;
        std::vector<Point> points;
        for (const Point& p : call.points) points.push_back({p.x - kOrigin.x, p.y - kOrigin.y});
        if (call.op == DcOp::LineTo && points.size() == 2 && before(points[1], points[0]))
            std::swap(points[0], points[1]);
        out.emplace_back(call.op, points);
    }
    std::sort(out.begin(), out.end(), [](const Stroke& a, const Stroke& b) {
        if (std::get<0>(a) != std::get<0>(b)) return std::get<0>(a) < std::get<0>(b);
        return std::lexicographical_compare(std::get<1>(a).begin(), std::get<1>(a).end(), std::get<1>(b).begin(),
                                            std::get<1>(b).end(), before);
    });
    return out;
}

// a without the members of b (each member taken once); empty when b is not inside a.
Strokes without(Strokes a, const Strokes& b, bool* inside) {
    *inside = true;
    for (const Stroke& s : b) {
        const auto it = std::find(a.begin(), a.end(), s);
        if (it == a.end()) {
            *inside = false;
            continue;
        }
        a.erase(it);
    }
    return a;
}

Strokes merged(Strokes a, const Strokes& b) {
    a.insert(a.end(), b.begin(), b.end());
    std::sort(a.begin(), a.end(), [](const Stroke& x, const Stroke& y) {
        if (std::get<0>(x) != std::get<0>(y)) return std::get<0>(x) < std::get<0>(y);
        return std::lexicographical_compare(std::get<1>(x).begin(), std::get<1>(x).end(), std::get<1>(y).begin(),
                                            std::get<1>(y).end(), before);
    });
    return a;
}

std::vector<std::vector<Point>> arcsIn(const Strokes& s) {
    std::vector<std::vector<Point>> out;
    for (const Stroke& x : s)
        if (std::get<0>(x) == DcOp::Arc) out.push_back(std::get<1>(x));
    return out;
}

std::vector<std::string> textsOf(const RecordingDc& dc) {
    std::vector<std::string> out;
    for (const DcCall& c : dc.callsOf(DcOp::TextOut)) out.push_back(c.text);
    return out;
}

// Each row: its preview texts, where the label and the second text stand, the
// strokes of the preview, the delay arcs per image and the x of the rest arc's box.
struct ContactRow {
    const char* name;
    int type;
    const char* label;
    std::vector<std::string> previewNames;
    int labelX, secondX;
    int previewLines;
    int arcsPerImage;
    int restArcLeft;  // unused without arcs
    Point markTop;    // the thermal mark's first point, {0, 0} for none
};

const std::vector<ContactRow>& contactRows() {
    static const std::vector<ContactRow> rows = {
        {"on-delay NO", kTypeOnDelayContactNO, "-KA", {"67", "68"}, -40, -40, 5, 1, -30, {}},
        {"on-delay NC", kTypeOnDelayContactNC, "-KA", {"55", "56"}, -40, -40, 8, 1, -30, {}},
        {"on-delay NO+NC", kTypeOnDelayContactNONC, "-KA", {"55", "57", "56", "58"}, -40, -40, 13, 1, -30, {}},
        {"on-delay changeover", kTypeOnDelayContactChangeover, "-KA", {"55", "56", "58"}, -40, -40, 11, 1, -30, {}},
        {"off-delay NO", kTypeOffDelayContactNO, "-KA", {"67", "68"}, -40, -40, 5, 1, -40, {}},
        {"off-delay NC", kTypeOffDelayContactNC, "-KA", {"55", "56"}, -40, -40, 8, 1, -40, {}},
        {"off-delay NO+NC", kTypeOffDelayContactNONC, "-KA", {"55", "57", "56", "58"}, -40, -40, 13, 1, -40, {}},
        {"off-delay changeover", kTypeOffDelayContactChangeover, "-KA", {"55", "56", "58"}, -40, -40, 11, 1, -40,
         {}},
        {"on/off-delay NO", kTypeOnOffDelayContactNO, "-KA", {"67", "68"}, -40, -40, 5, 2, -35, {}},
        {"on/off-delay NC", kTypeOnOffDelayContactNC, "-KA", {"55", "56"}, -40, -40, 8, 2, -35, {}},
        {"on/off-delay NO+NC", kTypeOnOffDelayContactNONC, "-KA", {"55", "57", "56", "58"}, -40, -40, 13, 2, -35,
         {}},
        {"on/off-delay changeover", kTypeOnOffDelayContactChangeover, "-KA", {"55", "56", "58"}, -40, -40, 11, 2,
         -35, {}},
        {"thermal NO", kTypeThermalContactNO, "-F", {"97", "98"}, -40, -40, 12, 0, 0, {19, 20}},
        {"thermal NC", kTypeThermalContactNC, "-F", {"95", "96"}, -40, -40, 15, 0, 0, {19, 20}},
        // The preview numbers the top row 95, 96; placed, the poles read 95-96 and 97-98.
        {"thermal NO+NC", kTypeThermalContactNONC, "-F", {"95", "96", "97", "98"}, -40, -40, 20, 0, 0, {64, 20}},
        {"thermal changeover", kTypeThermalContactChangeover, "-F", {"95", "96", "98"}, -40, -20, 18, 0, 0,
         {49, 20}},
    };
    return rows;
}

class ContactPictures : public ::testing::Test {
protected:
    ContactPictures() { s.doc.m_zoom = kZoom; }

    int place(int type) {
        s.view.clearAllSlots();
        s.view.m_componentCount = 0;
        const int c = s.addSymbol(type, kAt.x, kAt.y);
        const PlacementDefaults* row = placementDefaultsFor(type);
        s.view.m_label[c] = row->label;
        s.view.m_labelVisible[c] = 1;
        s.view.m_label2[c] = "X9";
        s.view.m_label2Visible[c] = 1;
        for (int k = 0; k < kTerminalCount && row->terminals[static_cast<std::size_t>(k)]; ++k) {
            s.view.m_terminalName[c][k] = row->terminals[static_cast<std::size_t>(k)];
            s.view.m_terminalNameVisible[c][k] = 1;
        }
        return c;
    }
    LoadSheet s;
};

}  // namespace

TEST_F(ContactPictures, PreviewShowsDefaultsAndTheRestGlyph) {
    for (const ContactRow& r : contactRows()) {
        SCOPED_TRACE(r.name);
        RecordingDc dc;
        s.drawPreview(dc, r.type, kOrigin.x, kOrigin.y);
        std::vector<std::string> texts = {std::string(5 - std::string(r.label).size(), ' ') + r.label};
        texts.insert(texts.end(), r.previewNames.begin(), r.previewNames.end());
        EXPECT_EQ(textsOf(dc), texts);
        ASSERT_FALSE(dc.callsOf(DcOp::TextOut).empty());
        EXPECT_EQ(dc.callsOf(DcOp::TextOut)[0].point().x - kOrigin.x, r.labelX);

        const Strokes red = strokesIn(dc, g_colorRed);
        EXPECT_EQ(static_cast<int>(red.size()), r.previewLines + r.arcsPerImage);
        const auto arcs = arcsIn(red);
        ASSERT_EQ(static_cast<int>(arcs.size()), r.arcsPerImage);
        for (const auto& arc : arcs) EXPECT_EQ(arc[0], (Point{r.restArcLeft, 20}));
        if (r.markTop.x != 0) {
            const Point below{r.markTop.x, r.markTop.y + 5};
            EXPECT_NE(std::find(red.begin(), red.end(), Stroke{DcOp::LineTo, {r.markTop, below}}), red.end())
                << "the thermal mark";
        }
    }
}

TEST_F(ContactPictures, PlacedShowsTheSecondTextAtItsColumn) {
    for (const ContactRow& r : contactRows()) {
        SCOPED_TRACE(r.name);
        const int c = place(r.type);
        RecordingDc dc;
        s.drawPlaced(dc, c);
        const auto texts = dc.callsOf(DcOp::TextOut);
        ASSERT_GE(texts.size(), 2U);
        EXPECT_EQ(texts[0].point().x - kOrigin.x, r.labelX);
        EXPECT_EQ(texts[1].text, "   X9");
        EXPECT_EQ(texts[1].point().x - kOrigin.x, r.secondX);
        EXPECT_EQ(texts[1].point().y - kOrigin.y, 37);
    }
    // Placed, the thermal NO+NC numbers its NC pole 95-96 and its NO pole 97-98.
    const int c = place(kTypeThermalContactNONC);
    RecordingDc dc;
    s.drawPlaced(dc, c);
    EXPECT_EQ(textsOf(dc), (std::vector<std::string>{"   -F", "   X9", "95", "97", "96", "98"}));
}

// Actuation erases exactly what a rest drawing moves and draws the actuated parts;
// release erases exactly those again. The fixed parts are whatever the edit-mode
// drawing shows that actuation does not erase. The delay arcs stand 10 units
// further right when actuated.
TEST_F(ContactPictures, ChangeOfStateErasesExactlyTheOtherImage) {
    for (const ContactRow& r : contactRows()) {
        SCOPED_TRACE(r.name);
        const int c = place(r.type);
        RecordingDc edit;
        s.drawPlaced(edit, c);
        const Strokes shown = strokesIn(edit, g_colorBlack);

        s.view.m_state[c] = 1;
        s.view.m_drawnState[c] = 0;
        RecordingDc on;
        s.evaluate(on, c, 0);
        EXPECT_EQ(s.view.m_drawnState[c], 1);
        const Strokes erasedOnActuation = strokesIn(on, g_colorWhite);
        bool inside = false;
        const Strokes fixed = without(shown, erasedOnActuation, &inside);
        EXPECT_TRUE(inside) << "actuation erases only what the rest drawing shows";
        EXPECT_TRUE(strokesIn(on, g_colorGrey).empty());

        s.view.m_state[c] = 0;
        RecordingDc off;
        s.evaluate(off, c, 3);
        EXPECT_EQ(s.view.m_drawnState[c], 0);
        const Strokes erasedOnRelease = strokesIn(off, g_colorWhite);
        EXPECT_EQ(strokesIn(on, g_colorRed), merged(fixed, erasedOnRelease))
            << "release erases exactly what actuation drew beside the fixed parts";
        EXPECT_EQ(strokesIn(off, g_colorGrey), shown) << "release draws the rest drawing";
        EXPECT_TRUE(strokesIn(off, g_colorRed).empty());

        const auto restArcs = arcsIn(erasedOnActuation);
        const auto actuatedArcs = arcsIn(erasedOnRelease);
        ASSERT_EQ(static_cast<int>(restArcs.size()), r.arcsPerImage);
        ASSERT_EQ(static_cast<int>(actuatedArcs.size()), r.arcsPerImage);
        for (std::size_t a = 0; a < restArcs.size(); ++a)
            for (std::size_t p = 0; p < restArcs[a].size(); ++p)
                EXPECT_EQ(actuatedArcs[a][p], (Point{restArcs[a][p].x + 10, restArcs[a][p].y}));

        // Nothing changed since: only the texts.
        RecordingDc again;
        s.evaluate(again, c, 4);
        EXPECT_TRUE(again.callsOf(DcOp::LineTo).empty());
        EXPECT_TRUE(again.callsOf(DcOp::Arc).empty());
    }
}

// --- timed contacts on a sheet ------------------------------------------------------

namespace {

using circuittest::Circuit;
using circuittest::kNeutral;
using circuittest::kPhase;
using circuittest::Part;
using circuittest::Sheet;
using circuittest::Wire;

// An L-N supply at (60, 60), a push button -S1 at (90, 90) that energises the timer
// relay -KA1 at (90, 120), the neutral led round the left. An L bus at y 75 feeds
// the top of three contacts at x 210, 240, 270, each with a wire from its bottom:
// an on-delay NO -KA1, an off-delay NO -KA1 and an on/off-delay NO -KA1; the NO of
// the timer's own kind must follow it, the other two stay open. At x 300 an NO of
// the timer's kind labelled "-ka1", which stays open too. Further down, one of each
// type 7000 to 7015 labelled -KA1 and unwired, for the cyclic relay.
Sheet timerSheet(int timerTool) {
    Sheet sheet{
        {
            {ID_PLACE_SUPPLY_LN, {60, 60}, ""},
            {ID_PLACE_PUSH_BUTTON_NO, {90, 90}, "-S1"},
            {timerTool, {90, 120}, "-KA1"},
            {ID_PLACE_ON_DELAY_CONTACT_NO, {210, 90}, "-KA1"},
            {ID_PLACE_OFF_DELAY_CONTACT_NO, {240, 90}, "-KA1"},
            {ID_PLACE_ON_OFF_DELAY_CONTACT_NO, {270, 90}, "-KA1"},
            {timerTool == ID_PLACE_OFF_DELAY_TIMER      ? ID_PLACE_OFF_DELAY_CONTACT_NO
             : timerTool == ID_PLACE_ON_OFF_DELAY_TIMER ? ID_PLACE_ON_OFF_DELAY_CONTACT_NO
                                                        : ID_PLACE_ON_DELAY_CONTACT_NO,
             {300, 90}, "-ka1"},
        },
        {
            {kPhase, {60, 60}, {60, 75}},
            {kPhase, {60, 75}, {90, 75}},
            {kPhase, {90, 75}, {90, 90}},
            {kPhase, {90, 102}, {90, 120}},
            {kNeutral, {90, 132}, {90, 141}},
            {kNeutral, {90, 141}, {40, 141}},
            {kNeutral, {40, 141}, {40, 45}},
            {kNeutral, {40, 45}, {66, 45}},
            {kNeutral, {66, 45}, {66, 60}},
            {kPhase, {90, 75}, {210, 75}},
            {kPhase, {210, 75}, {240, 75}},
            {kPhase, {240, 75}, {270, 75}},
            {kPhase, {270, 75}, {300, 75}},
        },
    };
    for (int x : {210, 240, 270, 300}) {
        sheet.wires.push_back({kPhase, {x, 75}, {x, 90}});
        sheet.wires.push_back({kPhase, {x, 102}, {x, 111}});
    }
    const int contactTools[] = {
        ID_PLACE_AUX_CONTACT_NO,        ID_PLACE_AUX_CONTACT_NC,
        ID_PLACE_AUX_CONTACT_NONC,      ID_PLACE_AUX_CONTACT_CHANGEOVER,
        ID_PLACE_ON_DELAY_CONTACT_NO,   ID_PLACE_ON_DELAY_CONTACT_NC,
        ID_PLACE_ON_DELAY_CONTACT_NONC, ID_PLACE_ON_DELAY_CONTACT_CHANGEOVER,
        ID_PLACE_OFF_DELAY_CONTACT_NO,  ID_PLACE_OFF_DELAY_CONTACT_NC,
        ID_PLACE_OFF_DELAY_CONTACT_NONC, ID_PLACE_OFF_DELAY_CONTACT_CHANGEOVER,
        ID_PLACE_ON_OFF_DELAY_CONTACT_NO, ID_PLACE_ON_OFF_DELAY_CONTACT_NC,
        ID_PLACE_ON_OFF_DELAY_CONTACT_NONC, ID_PLACE_ON_OFF_DELAY_CONTACT_CHANGEOVER,
    };
    int n = 0;
    for (int tool : contactTools) {
        sheet.parts.push_back({tool, {60 + 30 * (n % 8), 180 + 30 * (n / 8)}, "-KA1"});
        ++n;
    }
    return sheet;
}

struct TimerRun {
    explicit TimerRun(int timerTool, const char* value) : circuit(session) {
        circuit.draw(timerSheet(timerTool));
        CVelkarionView& v = circuit.view();
        timer = 2;  // the third part placed
        EXPECT_TRUE(v.m_type[timer] >= kTypeOnDelayTimer && v.m_type[timer] <= kTypeCyclicTimer);
        v.m_timerValue[timer] = value;  // what the timer dialog writes back
        v.m_timerUnit[timer] = "0";
        button = circuit.slotOf(kTypePushButtonNO);
        circuit.simulate();
        session.flush();
    }
    // The paint after the button goes down is paint 1: the one that energises.
    void energise() { circuit.press(button); }
    void drop() { circuit.release(button); }
    void paint() {
        circuit.tick();
        session.flush();
        ++painted;
    }
    // The wire below the contact at column x of the bus.
    char below(int x) {
        CVelkarionView& v = circuit.view();
        for (int i = 0; i < v.m_componentCount; ++i)
            if (v.m_type[i] == kTypeWirePhase && v.m_x[i] == x && v.m_y[i] == 102) return v.m_potential[i].letter();
        return '?';
    }
    testkit::Session session;
    Circuit circuit;
    int timer = -1, button = -1, painted = 0;
};

}  // namespace

// Each timer relay drives its own kind of delayed contact. Per paint, the button
// pressed before paint 1 and released before paint `dropBefore`: the relay's state,
// the wire below each contact on the bus (the on-delay, off-delay and on/off-delay
// NO -KA1, and the one labelled "-ka1", which no relay of label -KA1 drives), and
// for the cyclic relay the state of the first contact of each type 7000 to 7015,
// all -KA1, as one letter ('?' when they differ).
TEST(TimedContactRun, EachRelayDrivesItsOwnKindOfContact) {
    struct Row {
        const char* name;
        int timerTool;
        const char* value;
        int dropBefore;  // 0: held throughout
        const char* relay;
        const char* below[4];      // the contacts at x 210, 240, 270 and 300
        const char* everyContact;  // nullptr: not looked at
    };
    const Row rows[] = {
        // One second is paints 1 to 8: the NO closes on paint 9 and opens the
        // paint after the relay drops.
        {"on-delay, 1 s", ID_PLACE_ON_DELAY_TIMER, "1", 13, "11111111111100",
         {"00000000111110", "00000000000000", "00000000000000", "00000000000000"}, nullptr},
        // Closes on paint 2; dropped before paint 5, it opens twelve paints later.
        {"off-delay, 2 s", ID_PLACE_OFF_DELAY_TIMER, "2", 5, "111100000000000000",
         {"000000000000000000", "011111111111111100", "000000000000000000", "000000000000000000"}, nullptr},
        // Value 0 is four paints both ways: closes on paint 5; dropped before
        // paint 7, it opens on paint 11.
        {"on/off-delay, value 0", ID_PLACE_ON_OFF_DELAY_TIMER, "0", 7, "111111000000",
         {"000000000000", "000000000000", "000011111100", "000000000000"}, nullptr},
        // Every contact of its label pulses with it, one paint behind its own state.
        {"cyclic, value 0", ID_PLACE_CYCLIC_TIMER, "0", 0, "11100011110",
         {"01110001111", "01110001111", "01110001111", "00000000000"}, "01110001111"},
    };
    const int columns[] = {210, 240, 270, 300};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        TimerRun r(row.timerTool, row.value);
        CVelkarionView& v = r.circuit.view();
        std::string relay, below[4], every;
        r.energise();
        const int paints = static_cast<int>(std::string(row.relay).size());
        for (int p = 1; p <= paints; ++p) {
            if (p == row.dropBefore) r.drop();
            r.paint();
            relay += static_cast<char>('0' + v.m_state[r.timer]);
            for (int c = 0; c < 4; ++c) below[c] += r.below(columns[c]);
            if (!row.everyContact) continue;
            char state = 0;
            for (int type = kTypeAuxContactNO; type <= kTypeOnOffDelayContactChangeover; ++type) {
                const int c = r.circuit.slotOf(type);
                ASSERT_GE(c, 0);
                ASSERT_EQ(v.m_label[c], "-KA1");
                const char now = static_cast<char>('0' + v.m_state[c]);
                state = state == 0 || state == now ? now : '?';
            }
            every += state;
        }
        EXPECT_EQ(relay, row.relay);
        for (int c = 0; c < 4; ++c) EXPECT_EQ(below[c], row.below[c]) << "the contact at x " << columns[c];
        if (row.everyContact) {
            EXPECT_EQ(every, row.everyContact);
        }
        EXPECT_TRUE(r.session.messages().empty());
    }
}

// --- thermal relay contacts ---------------------------------------------------------

// A thermal overload relay -F1 at (150, 60); from an L-N supply at (60, 60) an L bus
// at y 75 feeds an NC -F1 at (90, 90) and an NO -F1 at (120, 90), each with a wire
// below; an auxiliary NO -F1 at (180, 90).
TEST(ThermalContactRun, ClickOnTheRelayTripsAndResetsItsContacts) {
    testkit::Session session;
    Circuit circuit(session);
    circuit.draw({
        {
            {ID_PLACE_SUPPLY_LN, {60, 60}, ""},
            {ID_PLACE_THERMAL_CONTACT_NC, {90, 90}, "-F1"},
            {ID_PLACE_THERMAL_CONTACT_NO, {120, 90}, "-F1"},
            {ID_PLACE_THERMAL_OVERLOAD_RELAY, {210, 150}, "-F1"},
            {ID_PLACE_AUX_CONTACT_NO, {180, 90}, "-F1"},
        },
        {
            {kPhase, {60, 60}, {60, 75}},
            {kPhase, {60, 75}, {90, 75}},
            {kPhase, {90, 75}, {120, 75}},
            {kPhase, {90, 75}, {90, 90}},
            {kPhase, {120, 75}, {120, 90}},
            {kPhase, {90, 102}, {90, 111}},
            {kPhase, {120, 102}, {120, 111}},
        },
    });
    CVelkarionView& v = circuit.view();
    const int nc = circuit.slotOf(kTypeThermalContactNC), no = circuit.slotOf(kTypeThermalContactNO);
    const int relay = circuit.slotOf(kTypeThermalOverloadRelay), aux = circuit.slotOf(kTypeAuxContactNO);
    const auto below = [&](int x) {
        for (int i = 0; i < v.m_componentCount; ++i)
            if (v.m_type[i] == kTypeWirePhase && v.m_x[i] == x && v.m_y[i] == 102) return v.m_potential[i].letter();
        return '?';
    };
    const auto tick = [&] {
        circuit.tick();
        session.flush();
    };
    EXPECT_EQ(v.m_terminalName[no][0], "97");
    EXPECT_EQ(v.m_terminalName[nc][0], "95");

    circuit.simulate();
    session.flush();
    tick();
    EXPECT_EQ(below(90), '1');
    EXPECT_EQ(below(120), '0');

    for (int click = 1; click <= 2; ++click) {
        SCOPED_TRACE("click " + std::to_string(click));
        const bool tripped = click == 1;
        circuit.press(relay);
        circuit.release(relay);
        EXPECT_EQ(v.m_state[relay], tripped ? 1 : 0);
        tick();
        EXPECT_EQ(below(90), tripped ? '0' : '1');
        EXPECT_EQ(below(120), tripped ? '1' : '0');
        EXPECT_EQ(v.m_drawnState[no], tripped ? 1 : 0);
        EXPECT_EQ(v.m_state[aux], 0) << "the click reaches only the thermal contacts";
    }
    EXPECT_TRUE(session.messages().empty());
}

// --- resistors ----------------------------------------------------------------------

namespace {

int fillsIn(const RecordingDc& dc, Color c) {
    int n = 0;
    for (const auto& call : dc.callsOf(DcOp::Polygon))
        if (call.brush.style == BrushStyle::Solid && call.brush.color == c) ++n;
    return n;
}

}  // namespace

// The resistor fills on the first pass 5 and then only when the flag changes, or
// after an erase of the view.
TEST(Resistor, FillsSilverWhileAVoltageLiesAcrossIt) {
    struct Case {
        char top, bottom;
        bool energised;
    };
    const Case cases[] = {{'1', 'N', true},  {'2', '3', true},  {'+', '-', true},
                          {'1', '1', false}, {'1', '0', false}, {'1', 'P', false}};
    for (const Case& k : cases) {
        SCOPED_TRACE(std::string("\"") + k.top + "\"/\"" + k.bottom + "\"");
        LoadSheet s;
        const int r = s.addLoad(kTypeResistor, 40, 40, "-R1");
        s.view.m_terminalName[r][1] = "2";
        const int top = s.addLine(kTypeWirePhase, 40, 30, 40, 40, k.top);
        const int bottom = s.addLine(kTypeWirePhase, 40, 55, 40, 65, k.bottom);
        s.view.m_drawnState[r] = -1;  // as Simulate's erase leaves it
        const Color fill = k.energised ? g_colorSilver : g_colorWhite;
        for (int pass = 0; pass <= 5; ++pass) {
            RecordingDc dc;
            s.evaluate(dc, r, pass);
            EXPECT_EQ(fillsIn(dc, fill), pass == 5 ? 1 : 0) << "pass " << pass;
            EXPECT_EQ(dc.count(DcOp::Polygon), pass == 5 ? 1 : 0);
        }
        EXPECT_EQ(s.view.m_state[r], k.energised ? 1 : 0);
        EXPECT_EQ(s.letter(top), k.top) << "a resistor passes nothing";
        EXPECT_EQ(s.letter(bottom), k.bottom);

        RecordingDc same;
        s.evaluate(same, r, 5);
        EXPECT_EQ(same.count(DcOp::Polygon), 0);
        EXPECT_EQ(same.count(DcOp::LineTo), 0) << "no outline either when nothing changed";

        s.view.m_drawnState[r] = -1;  // an erase of the window during the run
        RecordingDc erased;
        s.evaluate(erased, r, 5);
        EXPECT_EQ(fillsIn(erased, fill), 1) << "drawn again after an erase";

        s.setLetter(top, '0');
        RecordingDc gone;
        s.evaluate(gone, r, 5);
        EXPECT_EQ(fillsIn(gone, g_colorWhite), k.energised ? 1 : 0);
        EXPECT_EQ(s.view.m_state[r], 0);
        EXPECT_TRUE(s.boxes.empty());
    }
}

// The bank at (60, 60): top ends (60, 60), (66, 60), (72, 60), bottom ends 15 below.
TEST(ResistorBank, PassesEachPhaseDownOrUpInTheSamePass) {
    struct Case {
        const char* name;
        const char* top;
        const char* bottom;
        const char* topAfter;
        const char* bottomAfter;
    };
    const Case cases[] = {
        {"fed from above", "123", "000", "123", "123"},
        {"fed from below", "000", "123", "123", "123"},
        {"two live letters across a pole", "100", "200", "100", "200"},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.name);
        LoadSheet s;
        s.doc.m_zoom = kZoom;
        const int b = s.addSymbol(kTypeResistorThreePhase, 60, 60, "-R");
        s.view.m_labelVisible[b] = 1;
        std::vector<int> top, bottom, far;
        for (int e = 0; e < 3; ++e) {
            top.push_back(s.addLine(kTypeWirePhase, 60 + 6 * e, 50, 60 + 6 * e, 60, k.top[e]));
            bottom.push_back(s.addLine(kTypeWirePhase, 60 + 6 * e, 75, 60 + 6 * e, 85, k.bottom[e]));
            s.view.m_netNumber[top.back()] = 1 + e;
            s.view.m_netNumber[bottom.back()] = 4 + e;
        }
        // A wire of each net away from the bank.
        for (int e = 0; e < 6; ++e) {
            far.push_back(s.addLine(kTypeWirePhase, 200, 10 * e, 210, 10 * e, e < 3 ? k.top[e] : k.bottom[e - 3]));
            s.view.m_netNumber[far.back()] = 1 + e;
        }
        RecordingDc dc;
        s.evaluate(dc, b, 0);
        for (int e = 0; e < 3; ++e) {
            EXPECT_EQ(s.letter(far[static_cast<std::size_t>(e)]), k.topAfter[e]);
            EXPECT_EQ(s.letter(far[static_cast<std::size_t>(e + 3)]), k.bottomAfter[e]);
        }
        EXPECT_TRUE(s.boxes.empty());
        EXPECT_EQ(s.view.m_simulating, 1);
        EXPECT_EQ(dc.count(DcOp::LineTo), 0) << "the body only on pass 5";
        const auto texts = textsOf(dc);
        EXPECT_EQ(texts, (std::vector<std::string>{"   -R", " ", " ", " ", " ", " ", " "}));
    }
}

TEST(ResistorBank, PreviewAndEditDrawing) {
    LoadSheet s;
    s.doc.m_zoom = kZoom;
    RecordingDc dc;
    s.drawPreview(dc, kTypeResistorThreePhase, kOrigin.x, kOrigin.y);
    EXPECT_EQ(textsOf(dc), (std::vector<std::string>{"   -R", "1", "3", "5", "2", "4", "6"}));
    EXPECT_EQ(strokesIn(dc, g_colorRed).size(), 18U);
    EXPECT_EQ(dc.count(DcOp::Polygon), 0);
    RecordingDc one;
    s.drawPreview(one, kTypeResistor, kOrigin.x, kOrigin.y);
    EXPECT_EQ(textsOf(one), (std::vector<std::string>{"   -R", "1", "2"}));
    EXPECT_EQ(strokesIn(one, g_colorRed).size(), 6U);
}

// A bank -R1 under an L1-L2-L3 supply and a latching switch -R1 beside it: at rest
// the bank passes the phases down; switched on it passes nothing, its numbers turn
// red and its bodies silver.
TEST(ResistorBank, FollowsALatchingSwitchOfItsLabel) {
    testkit::Session session;
    Circuit circuit(session);
    circuit.draw({
        {
            {ID_PLACE_SUPPLY_L1L2L3, {60, 60}, ""},
            {ID_PLACE_RESISTOR_THREE_PHASE, {60, 90}, "-R1"},
            {ID_PLACE_LATCHING_SWITCH_NO, {150, 90}, "-R1"},
        },
        {
            {kPhase, {60, 60}, {60, 90}},
            {kPhase, {66, 60}, {66, 90}},
            {kPhase, {72, 60}, {72, 90}},
            {kPhase, {60, 105}, {60, 120}},
            {kPhase, {66, 105}, {66, 120}},
            {kPhase, {72, 105}, {72, 120}},
        },
    });
    CVelkarionView& v = circuit.view();
    const int bank = circuit.slotOf(kTypeResistorThreePhase);
    const int sw = circuit.slotOf(kTypeLatchingSwitchNO);
    const auto below = [&](int x) {
        for (int i = 0; i < v.m_componentCount; ++i)
            if (v.m_type[i] == kTypeWirePhase && v.m_x[i] == x && v.m_y[i] == 105) return v.m_potential[i].letter();
        return '?';
    };
    const auto bodyPixel = [&] {
        const double zoom = session.document(v).m_zoom;
        const Point w = session.unitsToWindow(v, v.m_x[bank], v.m_y[bank]);
        return session.surface(v).pixel(w.x, w.y + static_cast<int>(37 * zoom / 5));
    };
    const auto tick = [&] {
        circuit.tick();
        session.flush();
    };
    circuit.simulate();
    session.flush();
    tick();
    EXPECT_EQ(std::string({below(60), below(66), below(72)}), "123");
    EXPECT_EQ(bodyPixel(), g_colorWhite);

    circuit.press(sw);
    circuit.release(sw);
    ASSERT_EQ(v.m_state[sw], 1);
    EXPECT_EQ(v.m_state[bank], 1);
    tick();
    EXPECT_EQ(std::string({below(60), below(66), below(72)}), "000");
    EXPECT_EQ(bodyPixel(), g_colorSilver);
    EXPECT_EQ(v.m_drawnState[bank], 1);
    EXPECT_TRUE(session.messages().empty());
}

// Every symbol of these families in the eight orientations, at rest and actuated
// (energised), on one sheet saved to the temporary folder for a look.
TEST(TimedThermalResistorPictures, EveryOrientationInBothStates) {
    constexpr int kCell = 120;
    constexpr double kPictureZoom = 4;
    std::vector<int> types;
    for (const ContactRow& r : contactRows()) types.push_back(r.type);
    types.push_back(kTypeResistor);
    types.push_back(kTypeResistorThreePhase);
    LoadSheet s;
    s.doc.m_zoom = kPictureZoom;
    Surface sheet(16 * kCell, static_cast<int>(types.size()) * kCell);
    Dc dc(sheet);
    int row = 0;
    for (int type : types) {
        for (int column = 0; column < 16; ++column) {
            const int code = column % 8;
            const bool actuated = column >= 8;
            SCOPED_TRACE(std::string(typeCodeName(type)) + " orientation " + std::to_string(code));
            s.view.clearAllSlots();
            s.view.m_componentCount = 0;
            const int x = (column * kCell + kCell / 2) / 4, y = (row * kCell + kCell / 2) / 4;
            const int c = s.addSymbol(type, x, y, "-X1");
            s.view.m_orientation[c] = code;
            s.view.m_labelVisible[c] = 1;
            const PlacementDefaults* defaults = placementDefaultsFor(type);
            for (int k = 0; k < kTerminalCount && defaults->terminals[static_cast<std::size_t>(k)]; ++k) {
                s.view.m_terminalName[c][k] = defaults->terminals[static_cast<std::size_t>(k)];
                s.view.m_terminalNameVisible[c][k] = 1;
            }
            // Energised: a wire carrying L ends at its first terminal, one carrying N
            // at its second, 15 units below.
            if (actuated && type == kTypeResistor) {
                const Point top = symboltest::turned(code, {0, 0}), up = symboltest::turned(code, {0, -3});
                const Point bottom = symboltest::turned(code, {0, 15}), down = symboltest::turned(code, {0, 18});
                s.addLine(kTypeWirePhase, x + top.x, y + top.y, x + up.x, y + up.y, '1');
                s.addLine(kTypeWireNeutral, x + bottom.x, y + bottom.y, x + down.x, y + down.y, 'N');
            }
            s.view.m_state[c] = type == kTypeResistor ? 0 : (actuated ? 1 : 0);
            s.view.m_drawnState[c] = -1;
            s.view.m_simulating = 1;
            g_simPass = 5;
            s.view.m_loopIndex = c;
            s.view.m_drawingPlaced = 1;
            s.view.m_penColor = g_colorBlack;
            (s.view.*CVelkarionView::routineFor(type))(dc, kPictureZoom, static_cast<int>(x * kPictureZoom),
                                                       static_cast<int>(y * kPictureZoom));
            const Point t = symboltest::turned(code, {0, 37});
            const Color body = sheet.pixel(static_cast<int>(x * kPictureZoom) + t.x * 4 / 5,
                                           static_cast<int>(y * kPictureZoom) + t.y * 4 / 5);
            if (type == kTypeResistor || type == kTypeResistorThreePhase) {
                EXPECT_EQ(body, actuated ? g_colorSilver : g_colorWhite);
            } else {
                EXPECT_EQ(s.view.m_drawnState[c], actuated ? 1 : 0);
            }
        }
        ++row;
    }
    g_simPass = 0;
    testpictures::keepPicture(sheet, "timed_thermal_resistors.png");
}
