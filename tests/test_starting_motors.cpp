// The star-forming devices and the two-speed motors in small power circuits: a
// three-phase supply wired to the device, star points made by a closed main
// contact set bridged on its far side or by wires, and the marks, rotation and
// pictures that the paints give. How far a star gets within one paint depends on
// the slot order, so most rows look after a few paints; the probe of the wire
// pass shows the order of the marks within one paint.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "render/Colors.h"
#include "render/Potentials.h"
#include "symbol_sheet.h"

using namespace velk;
using velk::symboltest::SymbolSheet;
using velk::testkit::DcCall;
using velk::testkit::DcOp;

namespace {

// The device stands at (60, 30): ends at x 60, 66, 72, the top ends at y 30.
constexpr int kX = 60, kY = 30;
constexpr int kBottomY = kY + 24;  // motors' bottom ends
constexpr int kPaints = 4;
constexpr int kDrawnStateUnknownForTest = -1;

// A supply at (0, 0) with L1, L2, L3 at x 0, 6, 12.
class Rig {
public:
    Rig() { sheet.place(kTypeSupplyL1L2L3, 0, 0); }

    // Phase p (1 to 3) led to a point on top of the device (from above) or below
    // it (from below), each phase down a column and across a row of its own.
    void feedTop(int phase, int x) { feed(phase, {x, kY}, kY - 24 + 3 * phase); }
    void feedBottom(int phase, int x, int y = kBottomY) { feed(phase, {x, y}, y + 3 + 3 * phase); }
    // "123" style: the phases at the three ends, left to right.
    void feedTop(const char* order) {
        for (int k = 0; k < 3; ++k) feedTop(order[k] - '0', kX + 6 * k);
    }
    void feedBottom(const char* order, int y = kBottomY) {
        for (int k = 0; k < 3; ++k) feedBottom(order[k] - '0', kX + 6 * k, y);
    }
    // A short dead wire at each of the three ends at height y, going `dy`; the
    // ends with '_' in `which` get none. Gives the wires (-1 for none).
    std::vector<int> hang(int y, int dy, const char* which = "xxx") {
        std::vector<int> out;
        for (int k = 0; k < 3; ++k) out.push_back(which[k] == '_' ? -1 : sheet.wire(kX + 6 * k, y, kX + 6 * k, y + dy));
        return out;
    }
    // Three ends at height y joined by wires.
    void join(int y) {
        sheet.wire(kX, y, kX + 6, y);
        sheet.wire(kX + 6, y, kX + 12, y);
    }
    // A main contact set whose top terminals take the ends at height y (wires of
    // 6 units), its bottom side bridged: a star contactor. Gives the set's slot
    // and the three wires at the ends.
    int starContactor(int y, std::vector<int>& endWires) {
        endWires = hang(y, 6);
        const int contacts = sheet.place(kTypeMainContactsIII, kX, y + 6);
        join(y + 18);
        return contacts;
    }
    int starContactorAbove(int y, std::vector<int>& endWires) {
        endWires = hang(y, -6);
        const int contacts = sheet.place(kTypeMainContactsIII, kX, y - 18);
        join(y - 18);
        return contacts;
    }

    void simulate(std::initializer_list<int> closed = {}) {
        sheet.view.OnModeRun();
        for (int c : closed) sheet.view.m_state[c] = 1;
        for (int t = 0; t < kPaints && sheet.view.m_simulating == 1; ++t) sheet.tick();
    }
    // The letters of the wires after every wire pass of one paint, repeats left out.
    std::vector<std::string> marksInOnePaint(const std::vector<int>& wires) {
        std::vector<std::string> seen;
        CVelkarionView& v = sheet.view;
        v.m_wirePassProbe = [&](Dc& dc) {
            v.DrawWires(dc);
            std::string s;
            for (int w : wires) s += w < 0 ? '_' : v.m_potential[w].letter();
            if (seen.empty() || seen.back() != s) seen.push_back(s);
        };
        sheet.tick();
        v.m_wirePassProbe = nullptr;
        return seen;
    }
    std::string letters(const std::vector<int>& wires) const {
        std::string s;
        for (int w : wires) s += w < 0 ? '_' : sheet.letter(w);
        return s;
    }
    int drawn(int slot) const { return sheet.view.m_drawnState[slot]; }

    SymbolSheet sheet;

private:
    void feed(int phase, Point to, int row) {
        const int x = 6 * (phase - 1);
        sheet.wire(x, 0, x, row);
        sheet.wire(x, row, to.x, row);
        sheet.wire(to.x, row, to.x, to.y);
    }
};

// The running picture a motor shows, read from a paint that has to draw it
// afresh (as after an erase): which side the arrow head is on and the speed text.
struct Picture {
    char head = '-';  // 'R' right, 'L' left, '-' none
    std::string speed;
};

Picture redrawn(Rig& r, int motor) {
    r.sheet.view.m_drawnState[motor] = kDrawnStateUnknownForTest;
    r.sheet.tick();
    Picture p;
    const double zoom = r.sheet.doc.m_zoom;
    const int centre = static_cast<int>((kX * 5 + 30) * zoom / 5);
    for (const DcCall& c : r.sheet.dc.calls()) {
        if (c.op == DcOp::Polygon && c.points.size() >= 4) p.head = c.points[0].x > centre ? 'R' : 'L';
        if (c.op == DcOp::TextOut) {
            std::string t = c.text;
            t.erase(0, t.find_first_not_of(' '));
            if (t == "I" || t == "II") p.speed = t;
        }
    }
    return p;
}

}  // namespace

TEST(StarDeltaMotor, StarPointAndDelta) {
    // Top fed, star contactor closed: W2 marked, U2 and V2 candidates, then the
    // contactor forms the star and the motor runs. With the contactor after the
    // motor in slot order it upgrades the candidates in the very pass they are
    // written, so no wire pass sees them.
    for (const bool contactorFirst : {true, false}) {
        SCOPED_TRACE(contactorFirst ? "star contactor closed, before the motor" : "star contactor closed, after it");
        Rig r;
        r.feedTop("123");
        std::vector<int> ends;
        int star = -1, motor = -1;
        if (contactorFirst) star = r.starContactor(kBottomY, ends);
        motor = r.sheet.place(kTypeMotorStarDelta, kX, kY);
        if (!contactorFirst) star = r.starContactor(kBottomY, ends);
        r.simulate({star});
        EXPECT_EQ(r.drawn(motor), 1);
        EXPECT_EQ(r.letters(ends), "YYY");
        const std::vector<std::string> seen = r.marksInOnePaint(ends);
        if (contactorFirst) {
            EXPECT_EQ(seen, (std::vector<std::string>{"000", "Y00", "Yyy", "YYY"}));
        } else {
            EXPECT_EQ(seen, (std::vector<std::string>{"000", "Y00", "YYY"}));
        }
        EXPECT_EQ(r.sheet.box(), "");
    }
    {
        SCOPED_TRACE("star contactor open");
        Rig r;
        r.feedTop("123");
        const int motor = r.sheet.place(kTypeMotorStarDelta, kX, kY);
        std::vector<int> ends;
        r.starContactor(kBottomY, ends);
        r.simulate();
        EXPECT_EQ(r.drawn(motor), 0);
        EXPECT_EQ(r.letters(ends), "Yyy");
    }
    {
        SCOPED_TRACE("star by wires: no candidate ever written");
        Rig r;
        r.feedTop("123");
        const int motor = r.sheet.place(kTypeMotorStarDelta, kX, kY);
        const std::vector<int> ends = r.hang(kBottomY, 6);
        r.join(kBottomY + 6);
        r.simulate();
        EXPECT_EQ(r.drawn(motor), 1);
        for (const std::string& s : r.marksInOnePaint(ends)) EXPECT_EQ(s.find('y'), std::string::npos) << s;
        EXPECT_EQ(r.letters(ends), "YYY");
    }
    {
        SCOPED_TRACE("delta: each bottom end joined to the top end above it");
        Rig r;
        r.feedTop("132");
        const int motor = r.sheet.place(kTypeMotorStarDelta, kX, kY);
        std::vector<int> links;
        for (int k = 0; k < 3; ++k) links.push_back(r.sheet.wire(kX + 6 * k, kY, kX + 6 * k, kBottomY));
        r.simulate();
        EXPECT_EQ(r.drawn(motor), 2);
        EXPECT_EQ(r.letters(links), "132");
        EXPECT_EQ(r.sheet.box(), "");
    }
    {
        SCOPED_TRACE("bottom fed with the top starred");
        Rig r;
        r.feedBottom("231");
        const int motor = r.sheet.place(kTypeMotorStarDelta, kX, kY);
        const std::vector<int> tops = r.hang(kY, -6);
        r.join(kY - 6);
        r.simulate();
        EXPECT_EQ(r.drawn(motor), 1);
        const std::vector<std::string> seen = r.marksInOnePaint(tops);
        ASSERT_GE(seen.size(), 3u);
        EXPECT_EQ(seen[0], "000");
        EXPECT_EQ(seen[1], "Y00");  // U1 first, then the wire pass spreads it
        EXPECT_EQ(seen.back(), "YYY");
        for (const std::string& m : seen) EXPECT_EQ(m.find('y'), std::string::npos) << m;
    }
    {
        SCOPED_TRACE("a star end on no wire");
        Rig r;
        r.feedTop("123");
        const int motor = r.sheet.place(kTypeMotorStarDelta, kX, kY);
        const std::vector<int> ends = r.hang(kBottomY, 6, "xx_");
        r.simulate();
        EXPECT_EQ(r.drawn(motor), 0);
        EXPECT_EQ(r.letters(ends), "00_");
    }
}

TEST(TwoSpeedMotors, SpeedsAndPictures) {
    {
        SCOPED_TRACE("pole-changing, speed I");
        Rig r;
        r.feedTop("123");
        const int motor = r.sheet.place(kTypeMotorDahlander, kX, kY);
        r.hang(kBottomY, 6);
        r.simulate();
        EXPECT_EQ(r.drawn(motor), 1);
        const Picture p = redrawn(r, motor);
        EXPECT_EQ(p.head, 'R');
        EXPECT_EQ(p.speed, "I");
    }
    {
        SCOPED_TRACE("pole-changing, speed II with the top starred by a contactor");
        Rig r;
        r.feedBottom("213");
        const int motor = r.sheet.place(kTypeMotorDahlander, kX, kY);
        std::vector<int> tops;
        const int star = r.starContactorAbove(kY, tops);
        r.simulate({star});
        EXPECT_EQ(r.drawn(motor), 4);
        EXPECT_EQ(r.letters(tops), "YYY");
        const Picture p = redrawn(r, motor);
        EXPECT_EQ(p.head, 'L');
        EXPECT_EQ(p.speed, "II");
        EXPECT_EQ(r.sheet.box(), "");
    }
    {
        SCOPED_TRACE("pole-changing, top ends open");
        Rig r;
        r.feedBottom("123");
        const int motor = r.sheet.place(kTypeMotorDahlander, kX, kY);
        const std::vector<int> tops = r.hang(kY, -6);
        r.simulate();
        EXPECT_EQ(r.drawn(motor), 0);
        EXPECT_EQ(r.letters(tops), "Yyy");
    }
    {
        SCOPED_TRACE("two windings, both fed");
        Rig r;
        r.feedTop("123");
        r.feedBottom("123");
        const int motor = r.sheet.place(kTypeMotorTwoWinding, kX, kY);
        r.simulate();
        EXPECT_EQ(r.drawn(motor), 0);
    }
    {
        SCOPED_TRACE("two windings, speed II");
        Rig r;
        r.feedBottom("312");
        const int motor = r.sheet.place(kTypeMotorTwoWinding, kX, kY);
        const std::vector<int> tops = r.hang(kY, -6);
        r.simulate();
        EXPECT_EQ(r.drawn(motor), 3);
        EXPECT_EQ(r.letters(tops), "000");  // this motor marks nothing
        const Picture p = redrawn(r, motor);
        EXPECT_EQ(p.head, 'R');
        EXPECT_EQ(p.speed, "II");
    }
}

// From speed I straight to speed II the new picture shows at once.
TEST(TwoSpeedMotors, ChangeOfSpeedWithoutStopShowsTheNewPicture) {
    Rig r;
    const int motor = r.sheet.place(kTypeMotorTwoWinding, kX, kY);
    std::vector<int> tops, bottoms;
    for (int k = 0; k < 3; ++k) tops.push_back(r.sheet.wire(kX + 6 * k, kY - 6, kX + 6 * k, kY));
    for (int k = 0; k < 3; ++k) bottoms.push_back(r.sheet.wire(kX + 6 * k, kBottomY, kX + 6 * k, kBottomY + 6));
    r.sheet.view.OnModeRun();
    CVelkarionView& v = r.sheet.view;
    auto evaluate = [&](const char* top, const char* bottom) {
        for (int pass = 0; pass <= 5; ++pass) {
            for (int k = 0; k < 3; ++k) {
                r.sheet.setLetter(tops[static_cast<std::size_t>(k)], top[k]);
                r.sheet.setLetter(bottoms[static_cast<std::size_t>(k)], bottom[k]);
            }
            g_simPass = pass;
            r.sheet.drawPlaced(motor, g_colorBlack);
        }
        g_simPass = 0;
        std::string speed;
        for (const DcCall& c : r.sheet.dc.calls())
            if (c.op == DcOp::TextOut && c.text.find_first_not_of(' ') != std::string::npos) {
                const std::string t = c.text.substr(c.text.find_first_not_of(' '));
                if (t == "I" || t == "II") speed = t;
            }
        return speed;
    };
    EXPECT_EQ(evaluate("123", "000"), "I");
    EXPECT_EQ(v.m_drawnState[motor], 1);
    EXPECT_EQ(evaluate("000", "123"), "II");
    EXPECT_EQ(v.m_drawnState[motor], 3);
}

TEST(WoundRotorMotor, ClosesItsOwnRotorStar) {
    {
        SCOPED_TRACE("rotor on three dead wires");
        Rig r;
        r.feedTop("123");
        const int motor = r.sheet.place(kTypeMotorWoundRotor, kX, kY);
        const std::vector<int> rotor = r.hang(kBottomY, 6);
        r.simulate();
        EXPECT_EQ(r.drawn(motor), 1);
        EXPECT_EQ(r.marksInOnePaint(rotor), (std::vector<std::string>{"000", "Y00", "Yyy", "YYY"}));
        EXPECT_EQ(r.sheet.box(), "");
    }
    {
        SCOPED_TRACE("M on no wire");
        Rig r;
        r.feedTop("123");
        const int motor = r.sheet.place(kTypeMotorWoundRotor, kX, kY);
        const std::vector<int> rotor = r.hang(kBottomY, 6, "xx_");
        r.simulate();
        EXPECT_EQ(r.drawn(motor), 0);
        EXPECT_EQ(r.letters(rotor), "00_");
    }
}

constexpr int kAutoStarY = kY + 18;

// The colours of the filled windings of a paint that has to draw them afresh.
std::vector<Color> windingFills(Rig& r, int slot) {
    r.sheet.view.m_drawnState[slot] = kDrawnStateUnknownForTest;
    r.sheet.tick();
    std::vector<Color> out;
    for (const DcCall& c : r.sheet.dc.calls())
        if (c.op == DcOp::Polygon) out.push_back(c.brush.color);
    return out;
}

TEST(Autotransformer, StarPointTapsAndFill) {
    struct Row {
        const char* name;
        const char* inputs;  // "" for dead inputs
        bool starClosed;
        int code;
        const char* stars;
        const char* taps;
    };
    const Row rows[] = {
        {"cyclic, star closed", "123", true, 1, "YYY", "123"},
        {"anticyclic, star closed", "132", true, 2, "YYY", "132"},
        {"star open", "123", false, 0, "Yyy", "123"},
        {"inputs dead", "", true, 0, "000", "000"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        Rig r;
        if (*row.inputs) r.feedTop(row.inputs);
        else r.hang(kY, -6);
        const int at = r.sheet.place(kTypeAutotransformer, kX, kY);
        std::vector<int> stars;
        const int star = r.starContactor(kAutoStarY, stars);
        std::vector<int> taps;
        for (int k = 0; k < 3; ++k) taps.push_back(r.sheet.wire(kX + 3 + 6 * k, kY + 9, kX + 3 + 6 * k, kY + 12));
        if (row.starClosed) r.simulate({star});
        else r.simulate();
        EXPECT_EQ(r.sheet.view.m_state[at], row.code);
        EXPECT_EQ(r.drawn(at), row.code);
        EXPECT_EQ(r.letters(stars), row.stars);
        EXPECT_EQ(r.letters(taps), row.taps);
        EXPECT_EQ(r.sheet.box(), "");
        const Color fill = row.code != 0 ? g_colorSilver : g_colorWhite;
        EXPECT_EQ(windingFills(r, at), std::vector<Color>(3, fill));
    }
}


TEST(Autotransformer, SavedAndReadKeepsNineTerminalNames) {
    SymbolSheet sheet;
    const int at = sheet.place(kTypeAutotransformer, kX, kY);
    const char* names[] = {"A1", "B1", "C1", "A2", "B2", "C2", "A3", "B3", "TAP9"};
    for (int k = 0; k < 9; ++k) {
        sheet.view.m_terminalName[at][k] = names[k];
        sheet.view.m_terminalNameVisible[at][k] = k % 2;
    }
    const std::string text = sheet.view.ComposeSheetText(1);
    SymbolSheet back;
    ASSERT_TRUE(back.view.ReadSheetText(text, ""));
    ASSERT_EQ(back.view.m_componentCount, 1);
    EXPECT_EQ(back.view.m_type[0], kTypeAutotransformer);
    for (int k = 0; k < 9; ++k) {
        SCOPED_TRACE(k);
        EXPECT_EQ(back.view.m_terminalName[0][k], names[k]);
        EXPECT_EQ(back.view.m_terminalNameVisible[0][k], k % 2);
    }
    EXPECT_EQ(back.view.ComposeSheetText(1), text);
}

// Outside the simulation the preview shows its defaults and solid windings.
TEST(Autotransformer, PreviewShowsDefaultsAndSolidWindings) {
    SymbolSheet sheet;
    sheet.drawPreview(kTypeAutotransformer);
    std::vector<std::string> texts;
    int solid = 0;
    for (const DcCall& c : sheet.dc.calls()) {
        if (c.op == DcOp::TextOut) {
            const std::size_t first = c.text.find_first_not_of(' ');
            if (first != std::string::npos) texts.push_back(c.text.substr(first));
        }
        if (c.op == DcOp::Polygon && c.brush.color == g_colorRed) ++solid;
    }
    EXPECT_EQ(texts, (std::vector<std::string>{"-T", "1", "4", "7", "2", "5", "8", "3", "6", "9"}));
    EXPECT_EQ(solid, 3);
}
