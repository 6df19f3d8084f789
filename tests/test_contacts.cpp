// The two-position contacts: auxiliary contacts, push buttons and mushroom buttons.
// Each routine is called once for one slot, as the paint calls it, onto a recording
// device context at scale 1 (zoom 5), so what it drew reads back in symbol units.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "edit/PlacementDefaults.h"
#include "render/Colors.h"
#include "render/Terminals.h"
#include "sim_sheet.h"
#include "testkit/recording_dc.h"

using namespace velk;
using velk::testkit::DcCall;
using velk::testkit::DcOp;
using velk::testkit::RecordingDc;

namespace {

constexpr double kZoom = 5.0;  // one device pixel per symbol unit
constexpr int kUnitX = 60, kUnitY = 60;
constexpr Point kOrigin{300, 300};  // (kUnitX, kUnitY) x kZoom

struct Stroke {
    Point a, b;
    Color color;
};

// What one call drew, back in symbol units relative to the origin.
struct Drawn {
    std::vector<Stroke> lines;
    std::vector<Stroke> arcs;  // the box corners of each arc
    std::vector<DcCall> texts;

    int linesIn(Color c) const {
        return static_cast<int>(
            std::count_if(lines.begin(), lines.end(), [c](const Stroke& s) { return s.color == c; }));
    }
    bool hasLine(Point a, Point b, Color c) const {
        return std::any_of(lines.begin(), lines.end(), [&](const Stroke& s) {
            return s.color == c && ((s.a == a && s.b == b) || (s.a == b && s.b == a));
        });
    }
    bool hasArc(Point a, Point b, Color c) const {
        return std::any_of(arcs.begin(), arcs.end(),
                           [&](const Stroke& s) { return s.color == c && s.a == a && s.b == b; });
    }
    std::vector<std::string> textList() const {
        std::vector<std::string> out;
        for (const DcCall& t : texts) out.push_back(t.text);
        return out;
    }
};

Point local(Point p) { return {p.x - kOrigin.x, p.y - kOrigin.y}; }

Drawn drawnBy(const RecordingDc& dc) {
    Drawn d;
    for (const DcCall& c : dc.calls()) {
        switch (c.op) {
            case DcOp::LineTo: d.lines.push_back({local(c.point(0)), local(c.point(1)), c.pen.color}); break;
            case DcOp::Arc: d.arcs.push_back({local(c.point(0)), local(c.point(1)), c.pen.color}); break;
            case DcOp::TextOut: d.texts.push_back(c); break;
            default: break;
        }
    }
    return d;
}

std::string utf8(const std::string& bytes) { return TextCodec1250::toUtf8(bytes); }

// Terminal wire ends of each form in drawing units from the contact's position,
// in terminal order.
struct TerminalEnds {
    int count;
    Point at[4];
};
constexpr TerminalEnds kTwoTerminals{2, {{0, 0}, {0, 12}}};
constexpr TerminalEnds kFourTerminals{4, {{0, 0}, {9, 0}, {0, 12}, {9, 12}}};
constexpr TerminalEnds kChangeoverTerminals{3, {{3, 0}, {0, 12}, {6, 12}}};

// Every family lists its forms in the order NO, NC, NO+NC, changeover.
TerminalEnds endsOf(int type) {
    switch ((type % 1000) % 4) {
        case 2: return kFourTerminals;
        case 3: return kChangeoverTerminals;
        default: return kTwoTerminals;
    }
}

}  // namespace

class Contacts : public ::testing::Test {
protected:
    Contacts() {
        g_currentTool = 0;
        g_itemPicked = 0;
        clearTerminalPoint();
    }
    ~Contacts() override {
        g_currentTool = 0;
        clearTerminalPoint();
    }

    // A placed contact with the placement defaults of its type.
    int placeContact(int type) {
        const int i = s.addSymbol(type, kUnitX, kUnitY);
        const PlacementDefaults* row = placementDefaultsFor(type);
        v.m_label[i] = row->label;
        v.m_labelVisible[i] = 1;
        for (int k = 0; k < kTerminalCount && row->terminals[static_cast<std::size_t>(k)]; ++k) {
            v.m_terminalName[i][k] = row->terminals[static_cast<std::size_t>(k)];
            v.m_terminalNameVisible[i][k] = 1;
        }
        return i;
    }
    // One wire per terminal, leading away from it, with net 11, 12, ... and the
    // letter given for that terminal ('0' past the string's end).
    std::vector<int> wireTerminals(int type, const std::string& letters) {
        std::vector<int> wires;
        const TerminalEnds ends = endsOf(type);
        for (int t = 0; t < ends.count; ++t) {
            const Point e{kUnitX + ends.at[t].x, kUnitY + ends.at[t].y};
            const bool top = ends.at[t].y == 0;
            const char letter = t < static_cast<int>(letters.size()) ? letters[static_cast<std::size_t>(t)] : '0';
            const int w = top ? s.addLine(kTypeWirePhase, e.x, e.y - 10, e.x, e.y, letter)
                              : s.addLine(kTypeWirePhase, e.x, e.y, e.x, e.y + 10, letter);
            v.m_netNumber[w] = 11 + t;
            wires.push_back(w);
        }
        return wires;
    }
    // An empty sheet again, for the next row of a table.
    void restart() {
        v.clearAllSlots();
        v.m_componentCount = 0;
        v.m_simulating = 0;
        s.boxes.clear();
    }
    void simulate(int slot, int state, int drawnState) {
        v.m_simulating = 1;
        v.m_state[slot] = state;
        v.m_drawnState[slot] = drawnState;
    }

    // The paint's own colour for a slot that is neither picked nor selected: black.
    Drawn drawPlaced(int slot) {
        v.m_loopIndex = slot;
        v.m_drawingPlaced = 1;
        v.m_penColor = g_colorBlack;
        RecordingDc dc;
        (v.*CVelkarionView::routineFor(v.m_type[slot]))(dc, kZoom, kOrigin.x, kOrigin.y);
        return drawnBy(dc);
    }
    Drawn drawPreview(int type) {
        g_currentTool = type;
        v.m_toolOrientation = 0;
        v.m_loopIndex = v.m_componentCount;
        v.m_drawingPlaced = 0;
        v.m_penColor = g_colorRed;
        RecordingDc dc;
        (v.*CVelkarionView::routineFor(type))(dc, kZoom, kOrigin.x, kOrigin.y);
        return drawnBy(dc);
    }

    simtest::SimSheet s;
    CVelkarionView& v = s.view;
};

// --- the pictures ------------------------------------------------------------------------

namespace {

// Strokes of each picture part, and the head that tells the families apart.
struct PictureRow {
    const char* name;
    int type;
    const char* label;
    int labelX;
    std::vector<std::string> names;
    int fixedLines, restLines, actuatedLines, arcsPerImage;
    // A head stroke at rest and actuated; none for the auxiliary contacts.
    bool hasHead;
    Stroke restHead, actuatedHead;
};

constexpr Stroke kNoHead{};
constexpr Stroke kBracketRest{{-30, 23}, {-30, 37}, 0};
constexpr Stroke kBracketActuated{{-20, 23}, {-20, 37}, 0};
constexpr Stroke kCapRest{{-30, 20}, {-30, 40}, 0};
constexpr Stroke kCapActuated{{-20, 20}, {-20, 40}, 0};

const std::vector<PictureRow>& pictureRows() {
    static const std::vector<PictureRow> rows = {
        {"auxiliary NO", kTypeAuxContactNO, "-K", -20, {"13", "14"}, 2, 1, 2, 0, false, kNoHead, kNoHead},
        {"auxiliary NC", kTypeAuxContactNC, "-K", -20, {"11", "12"}, 2, 3, 1, 0, false, kNoHead, kNoHead},
        {"auxiliary NO+NC", kTypeAuxContactNONC, "-K", -20, {"11", "13", "12", "14"}, 4, 4, 3, 0, false, kNoHead,
         kNoHead},
        {"auxiliary changeover", kTypeAuxContactChangeover, "-K", -20, {"11", "12", "14"}, 7, 1, 1, 0, false,
         kNoHead, kNoHead},
        {"push button NO", kTypePushButtonNO, "-S", -40, {"13", "14"}, 2, 6, 7, 0, true, kBracketRest,
         kBracketActuated},
        {"push button NC", kTypePushButtonNC, "-S", -40, {"11", "12"}, 2, 9, 6, 0, true, kBracketRest,
         kBracketActuated},
        {"push button NO+NC", kTypePushButtonNONC, "-S", -40, {"11", "13", "12", "14"}, 4, 12, 11, 0, true,
         kBracketRest, kBracketActuated},
        {"push button changeover", kTypePushButtonChangeover, "-S", -40, {"11", "12", "14"}, 7, 7, 7, 0, true,
         kBracketRest, kBracketActuated},
        {"mushroom NO", kTypeMushroomButtonNO, "-S", -50, {"13", "14"}, 2, 4, 5, 1, true, kCapRest, kCapActuated},
        {"mushroom NC", kTypeMushroomButtonNC, "-S", -50, {"11", "12"}, 2, 7, 4, 1, true, kCapRest, kCapActuated},
        {"mushroom NO+NC", kTypeMushroomButtonNONC, "-S", -50, {"11", "13", "12", "14"}, 4, 10, 9, 1, true,
         kCapRest, kCapActuated},
        {"mushroom changeover", kTypeMushroomButtonChangeover, "-S", -50, {"11", "12", "14"}, 7, 5, 5, 1, true,
         kCapRest, kCapActuated},
    };
    return rows;
}

bool isMushroom(int type) { return type >= kTypeMushroomButtonNO && type <= kTypeMushroomButtonChangeover; }

}  // namespace

TEST_F(Contacts, PreviewShowsDefaultTextsAndTheRestPicture) {
    for (const PictureRow& r : pictureRows()) {
        SCOPED_TRACE(r.name);
        const Drawn d = drawPreview(r.type);

        std::vector<std::string> texts = {std::string(5 - std::string(r.label).size(), ' ') + r.label};
        texts.insert(texts.end(), r.names.begin(), r.names.end());
        EXPECT_EQ(d.textList(), texts);
        ASSERT_FALSE(d.texts.empty());
        EXPECT_EQ(local(d.texts[0].point()), (Point{r.labelX, 22}));

        EXPECT_EQ(static_cast<int>(d.lines.size()), r.fixedLines + r.restLines);
        EXPECT_EQ(d.linesIn(g_colorRed), r.fixedLines + r.restLines);
        EXPECT_EQ(static_cast<int>(d.arcs.size()), r.arcsPerImage);
        if (r.hasHead) {
            EXPECT_TRUE(d.hasLine(r.restHead.a, r.restHead.b, g_colorRed));
        }
        if (isMushroom(r.type)) {
            EXPECT_TRUE(d.hasArc({-40, 20}, {-10, 40}, g_colorRed));
        }
    }
}

TEST_F(Contacts, ChangeOfStateErasesTheOldBladeAndDrawsTheNewOne) {
    for (const PictureRow& r : pictureRows()) {
        SCOPED_TRACE(r.name);
        const int c = placeContact(r.type);

        simulate(c, 1, 0);
        const Drawn pressed = drawPlaced(c);
        EXPECT_EQ(v.m_drawnState[c], 1);
        EXPECT_EQ(pressed.linesIn(g_colorWhite), r.restLines);
        EXPECT_EQ(pressed.linesIn(g_colorRed), r.fixedLines + r.actuatedLines);
        EXPECT_EQ(pressed.linesIn(g_colorGrey), 0);
        if (r.hasHead) {
            EXPECT_TRUE(pressed.hasLine(r.restHead.a, r.restHead.b, g_colorWhite));
            EXPECT_TRUE(pressed.hasLine(r.actuatedHead.a, r.actuatedHead.b, g_colorRed));
        }
        if (isMushroom(r.type)) {
            EXPECT_TRUE(pressed.hasArc({-40, 20}, {-10, 40}, g_colorWhite));
            EXPECT_TRUE(pressed.hasArc({-30, 20}, {0, 40}, g_colorRed));
        }

        v.m_state[c] = 0;
        const Drawn released = drawPlaced(c);
        EXPECT_EQ(v.m_drawnState[c], 0);
        EXPECT_EQ(released.linesIn(g_colorWhite), r.actuatedLines);
        EXPECT_EQ(released.linesIn(g_colorGrey), r.fixedLines + r.restLines);
        EXPECT_EQ(released.linesIn(g_colorRed), 0);
        if (r.hasHead) {
            EXPECT_TRUE(released.hasLine(r.actuatedHead.a, r.actuatedHead.b, g_colorWhite));
            EXPECT_TRUE(released.hasLine(r.restHead.a, r.restHead.b, g_colorGrey));
        }
        restart();
    }
}

TEST_F(Contacts, BodyIsRedrawnOnlyWhenTheShownStateIsStale) {
    const int c = placeContact(kTypePushButtonNO);
    struct Step {
        const char* name;
        int state, drawnState;
        Color bodyColor;  // 0: no body drawn
    };
    const Step steps[] = {
        {"unchanged at rest", 0, 0, 0},
        {"unchanged while held", 1, 1, 0},
        {"after an erase of the window", 0, -1, g_colorGrey},
        {"the pass after the redraw", 0, 0, 0},
        {"a state that is neither 0 nor 1 shows the rest picture", 2, 0, g_colorGrey},
    };
    for (const Step& st : steps) {
        SCOPED_TRACE(st.name);
        simulate(c, st.state, st.drawnState);
        const Drawn d = drawPlaced(c);
        // Texts and terminal numbers are drawn in every pass.
        EXPECT_EQ(d.textList(), (std::vector<std::string>{"   -S", "13", "14"}));
        if (st.bodyColor == 0) {
            EXPECT_TRUE(d.lines.empty());
        } else {
            EXPECT_TRUE(d.hasLine(kBracketRest.a, kBracketRest.b, st.bodyColor));
            EXPECT_EQ(v.m_drawnState[c], st.state);
        }
    }
}

TEST_F(Contacts, EditModeDrawsTheRestPictureWhateverTheState) {
    const int c = placeContact(kTypeMushroomButtonNC);
    v.m_state[c] = 1;  // left over from a run; edit mode does not look at it
    const Drawn d = drawPlaced(c);
    EXPECT_EQ(d.linesIn(g_colorBlack), 2 + 7);
    EXPECT_TRUE(d.hasLine(kCapRest.a, kCapRest.b, g_colorBlack));
    EXPECT_TRUE(d.hasArc({-40, 20}, {-10, 40}, g_colorBlack));
    EXPECT_EQ(v.m_drawnState[c], 0);
}

TEST_F(Contacts, LabelSecondTextAndTerminalNamesFollowTheirShownFlags) {
    struct Row {
        const char* name;
        int type;
        int labelShown;
        const char* label;
        int secondShown;
        const char* second;
        int namesShown;
        std::vector<std::string> texts;
        std::vector<Point> anchors;  // of the label texts
    };
    const Row rows[] = {
        {"label shown, second text hidden", kTypeAuxContactNO, 1, "-K1", 0, "X", 1, {"  -K1", "13", "14"},
         {{-20, 22}}},
        {"hidden label gives five blanks", kTypeAuxContactNO, 0, "-K1", 0, "", 1, {"     ", "13", "14"},
         {{-20, 22}}},
        {"second text 15 below the label", kTypePushButtonNC, 1, "-S2", 1, "Stop", 1,
         {"  -S2", " Stop", "11", "12"}, {{-40, 22}, {-40, 37}}},
        {"mushroom second text in its own column", kTypeMushroomButtonNO, 1, "-S3", 1, "E", 1,
         {"  -S3", "    E", "13", "14"}, {{-50, 22}, {-50, 37}}},
        {"five characters fill the label field", kTypeAuxContactNC, 1, "-K123", 0, "", 1, {"-K123", "11", "12"},
         {{-20, 22}}},
        {"hidden terminal names give one blank each", kTypeAuxContactChangeover, 1, "-K", 0, "", 0,
         {"   -K", " ", " ", " "}, {{-20, 22}}},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        const int c = placeContact(r.type);
        v.m_label[c] = r.label;
        v.m_labelVisible[c] = r.labelShown;
        v.m_label2[c] = r.second;
        v.m_label2Visible[c] = r.secondShown;
        for (int k = 0; k < kTerminalCount; ++k) v.m_terminalNameVisible[c][k] = r.namesShown;
        const Drawn d = drawPlaced(c);
        EXPECT_EQ(d.textList(), r.texts);
        for (std::size_t k = 0; k < r.anchors.size() && k < d.texts.size(); ++k)
            EXPECT_EQ(local(d.texts[k].point()), r.anchors[k]);
        restart();
    }
}

// --- evaluation ----------------------------------------------------------------------------

TEST_F(Contacts, ClosedPolesPassTheLiveLetterEitherWay) {
    struct Row {
        const char* name;
        int type;
        int state;
        std::string letters;    // per terminal, in terminal order
        std::vector<int> fed;   // terminals whose wire takes the live letter
    };
    const Row rows[] = {
        {"NO actuated, fed from T1", kTypeAuxContactNO, 1, "1", {1}},
        {"NO actuated, fed from T2", kTypeAuxContactNO, 1, "0N", {0}},
        {"NO at rest passes nothing", kTypeAuxContactNO, 0, "1", {}},
        {"NC at rest", kTypeAuxContactNC, 0, "1", {1}},
        {"NC actuated passes nothing", kTypeAuxContactNC, 1, "1", {}},
        {"NO+NC at rest: the NC pole T1-T3", kTypeAuxContactNONC, 0, "11", {2}},
        {"NO+NC actuated: the NO pole T2-T4", kTypeAuxContactNONC, 1, "11", {3}},
        {"NO+NC with state 2: no pole", kTypeAuxContactNONC, 2, "11", {}},
        {"changeover at rest: T1-T2 only", kTypeAuxContactChangeover, 0, "1", {1}},
        {"changeover actuated: T1-T3 only", kTypeAuxContactChangeover, 1, "1", {2}},
        {"changeover actuated: the rest side is cut off", kTypeAuxContactChangeover, 1, "0N", {}},
        {"changeover at rest, fed from the rest side", kTypeAuxContactChangeover, 0, "0+", {0}},
        {"push button NO+NC held", kTypePushButtonNONC, 1, "02", {3}},
        {"push button NC held passes nothing", kTypePushButtonNC, 1, "1", {}},
        {"mushroom changeover held", kTypeMushroomButtonChangeover, 1, "3", {2}},
        {"a marker letter passes too", kTypeMushroomButtonNO, 1, "Z", {1}},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        restart();
        const int c = placeContact(r.type);
        const std::vector<int> wires = wireTerminals(r.type, r.letters);
        simulate(c, r.state, r.state);
        drawPlaced(c);
        ASSERT_EQ(v.m_simulating, 1);
        EXPECT_TRUE(s.boxes.empty());

        char live = '0';
        for (char ch : r.letters)
            if (ch != '0') live = ch;
        for (int t = 0; t < static_cast<int>(wires.size()); ++t) {
            SCOPED_TRACE("terminal T" + std::to_string(t + 1));
            const bool fed = std::find(r.fed.begin(), r.fed.end(), t) != r.fed.end();
            const char given = t < static_cast<int>(r.letters.size()) ? r.letters[static_cast<std::size_t>(t)] : '0';
            // The scan recorded what the wire carried before the feed.
            EXPECT_EQ(v.m_terminalPotential[c][t].letter(), given);
            EXPECT_EQ(v.m_terminalLink[c][t], 11 + t);
            EXPECT_EQ(s.letter(wires[static_cast<std::size_t>(t)]), fed ? live : given);
            EXPECT_EQ(v.m_terminalPotential[wires[static_cast<std::size_t>(t)]][t].letter(), fed ? '*' : '0');
        }
    }
}

TEST_F(Contacts, ClosedPoleFeedsTheWholeNetOfTheDeadSideOnce) {
    const int c = placeContact(kTypePushButtonNO);
    const std::vector<int> wires = wireTerminals(kTypePushButtonNO, "1");
    // Further down the dead side's net: a wire and a dot away from the terminal, and
    // a wire of another net.
    const int far = s.addLine(kTypeWireNeutral, 200, 200, 240, 200);
    v.m_netNumber[far] = 12;
    const int dot = s.addSymbol(kTypeConnectionDot, 240, 200);
    v.m_netNumber[dot] = 12;
    const int other = s.addLine(kTypeWirePhase, 300, 300, 340, 300);
    v.m_netNumber[other] = 13;
    simulate(c, 1, 1);

    drawPlaced(c);
    EXPECT_EQ(s.letter(wires[1]), '1');
    EXPECT_EQ(s.letter(far), '1');
    EXPECT_EQ(s.letter(dot), '1');
    EXPECT_EQ(v.m_terminalPotential[dot][1].letter(), '*');
    EXPECT_EQ(s.letter(other), '0');

    // The next pass finds the letter on both sides and feeds nothing more.
    v.m_terminalPotential[far][1].setLetter('0');
    drawPlaced(c);
    EXPECT_EQ(v.m_terminalPotential[c][1].letter(), '1');
    EXPECT_EQ(v.m_terminalPotential[far][1].letter(), '0');
}

TEST_F(Contacts, TerminalWithoutAWireIsNeverFed) {
    // An unconnected T2 whose link still names a net from an earlier run.
    const int c = placeContact(kTypeAuxContactNO);
    const int top = s.addLine(kTypeWirePhase, kUnitX, kUnitY - 10, kUnitX, kUnitY, '1');
    v.m_netNumber[top] = 11;
    const int stray = s.addLine(kTypeWirePhase, 200, 200, 240, 200);
    v.m_netNumber[stray] = 12;
    v.m_terminalLink[c][1] = 12;
    simulate(c, 1, 1);
    drawPlaced(c);
    EXPECT_EQ(v.m_terminalPotential[c][1].letter(), '0');
    EXPECT_EQ(s.letter(stray), '0');
    EXPECT_EQ(v.m_simulating, 1);
}

TEST_F(Contacts, ClosedPoleBetweenTwoLettersReportsOnceAndStops) {
    const std::string shortCircuit = "Se ha producido un cortocircuito";
    const std::string earthFault = "Se ha producido una derivación a tierra";
    struct Row {
        const char* name;
        int type;
        int state;
        std::string letters;
        std::string message;  // empty: no report
    };
    const Row rows[] = {
        {"phase against phase", kTypeAuxContactNO, 1, "12", shortCircuit},
        {"phase against neutral through a held button", kTypePushButtonNO, 1, "1N", shortCircuit},
        {"plus against minus", kTypeAuxContactNC, 0, "+-", shortCircuit},
        {"phase against earth", kTypeAuxContactNO, 1, "1P", earthFault},
        {"earth against phase", kTypeMushroomButtonNC, 0, "P1", earthFault},
        {"the NO+NC closed pole clashes", kTypeAuxContactNONC, 1, "0102", shortCircuit},
        {"the NO+NC open pole does not", kTypeAuxContactNONC, 1, "1020", ""},
        {"equal letters", kTypeAuxContactNO, 1, "11", ""},
        {"open contact between two phases", kTypeAuxContactNO, 0, "12", ""},
        {"earth against earth", kTypeAuxContactNO, 1, "PP", ""},
        {"marker letter against a phase", kTypeAuxContactNO, 1, "Z1", ""},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        restart();
        const int c = placeContact(r.type);
        wireTerminals(r.type, r.letters);
        simulate(c, r.state, -1);
        const Drawn d = drawPlaced(c);
        if (r.message.empty()) {
            EXPECT_TRUE(s.boxes.empty());
            EXPECT_EQ(v.m_simulating, 1);
            EXPECT_FALSE(d.lines.empty());
            continue;
        }
        ASSERT_EQ(s.boxes.size(), 1u);
        EXPECT_EQ(utf8(s.boxes[0].text), r.message);
        EXPECT_EQ(s.boxes[0].caption, "Error");
        EXPECT_EQ(v.m_simulating, 0);
        // The routine ends with the report: no body, no redraw bookkeeping.
        EXPECT_TRUE(d.lines.empty());
        EXPECT_EQ(v.m_drawnState[c], -1);
    }
}
