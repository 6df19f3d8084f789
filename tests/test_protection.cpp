// Fuses, fuse switch-disconnectors, the thermal overload relay, surge arresters,
// circuit breakers, residual-current devices and motor protection switches: which poles pass potentials in which state, the faults they stop at, what they
// draw on a change of state and what they leave alone, and the clicks that operate
// them in a running simulation.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "circuit_sheet.h"
#include "kept_pictures.h"
#include "render/Colors.h"
#include "render/Potentials.h"
#include "symbol_sheet.h"
#include "symbols/power/MultiPole.h"

using namespace velk;
using velk::symboltest::kEarthFault;
using velk::symboltest::kShortCircuit;
using velk::symboltest::SymbolSheet;
using velk::testkit::DcCall;
using velk::testkit::DcOp;
using velk::testkit::RecordingDc;

namespace {

// A device's pole count, the state in which its poles conduct and one in which
// they do not (-1: none, the relay conducts in every state), its neutral pole, and
// how far below the top terminals its bottom terminals lie (drawing units).
struct Member {
    int type;
    int poles;
    int conductingState;
    int blockingState;
    int neutralPole;  // -1: none
    int bottom = 12;
};

const std::vector<Member>& conductingMembers() {
    static const std::vector<Member> rows = {
        {kTypeFuseI, 1, 0, 1, -1},
        {kTypeFuseIN, 2, 0, 1, 1},
        {kTypeFuseII, 2, 0, 1, -1},
        {kTypeFuseIII, 3, 0, 1, -1},
        {kTypeFuseIIIN, 4, 0, 1, 3},
        {kTypeFuseSwitchI, 1, 1, 0, -1},
        {kTypeFuseSwitchIN, 2, 1, 0, 1},
        {kTypeFuseSwitchII, 2, 1, 0, -1},
        {kTypeFuseSwitchIII, 3, 1, 0, -1},
        {kTypeFuseSwitchIIIN, 4, 1, 0, 3},
        {kTypeThermalOverloadRelay, 3, 1, -1, -1},
        {kTypeBreakerI, 1, 1, 0, -1},
        {kTypeBreakerIN, 2, 1, 0, 1},
        {kTypeBreakerII, 2, 1, 0, -1},
        {kTypeBreakerIII, 3, 1, 0, -1},
        {kTypeBreakerIIIN, 4, 1, 0, 3},
        {kTypeRcdIN, 2, 1, 0, 1, 18},
        {kTypeRcdIIIN, 4, 1, 0, 3, 18},
        {kTypeMotorProtectionSwitchI, 1, 1, 0, -1, 21},
        {kTypeMotorProtectionSwitchII, 2, 1, 0, -1, 21},
        {kTypeMotorProtectionSwitchIII, 3, 1, 0, -1, 21},
        {kTypeMotorProtectionSwitchIN, 2, 1, 0, 1, 21},
        {kTypeMotorProtectionSwitchIIIN, 4, 1, 0, 3, 21},
    };
    return rows;
}

std::string nameOf(int type) { return CVelkarionView::routineNameFor(type); }

// A device at (60, 60) with, at every terminal, a wire leading away from it: the
// top wire of pole p in net 100 + p, the bottom one in net 200 + p. Each net also
// holds a wire and a connection dot elsewhere on the sheet, which a conducting
// pole must feed as well.
class PoleBench {
public:
    static constexpr int kX = 60, kY = 60;

    PoleBench(int type, int poles, int bottom = 12) : m_poles(poles) {
        device = s.place(type, kX, kY);
        for (int side = 0; side < 2; ++side) {
            for (int p = 0; p < poles; ++p) {
                const int x = kX + 6 * p;
                const int net = (side == 0 ? 100 : 200) + p;
                const int w = side == 0 ? s.wire(x, kY - 6, x, kY) : s.wire(x, kY + bottom, x, kY + bottom + 6);
                const int far = s.wire(200 + 10 * p, 100 * (side + 1), 203 + 10 * p, 100 * (side + 1));
                const int dot = s.view.m_componentCount;
                s.addSymbol(kTypeConnectionDot, 300 + 10 * p, 100 * (side + 1));
                for (int slot : {w, far, dot}) s.view.m_netNumber[slot] = net;
                nets[side].push_back({w, far, dot});
            }
        }
    }

    // One evaluation of the device with the letters given per pole ('0' past the
    // end of a text), as a pass of a running simulation makes it.
    void evaluate(int state, const std::string& top, const std::string& bottom) {
        for (int side = 0; side < 2; ++side) {
            const std::string& letters = side == 0 ? top : bottom;
            for (int p = 0; p < m_poles; ++p) {
                const char c = p < static_cast<int>(letters.size()) ? letters[static_cast<std::size_t>(p)] : '0';
                for (int slot : nets[side][static_cast<std::size_t>(p)]) s.setLetter(slot, c);
            }
        }
        s.view.m_simulating = 1;
        s.view.m_state[device] = state;
        s.view.m_drawnState[device] = state;
        s.drawPlaced(device, g_colorBlack);
    }

    // The letters of every slot of a side's nets, pole by pole ("111" per pole).
    std::string side(int which) const {
        std::string out;
        for (const auto& net : nets[which]) {
            for (int slot : net) out += s.letter(slot);
            out += ' ';
        }
        return out;
    }
    // Fed marks in the entry of the dead terminal, per slot of a side's nets.
    std::string marks(int which) const {
        std::string out;
        for (int p = 0; p < m_poles; ++p) {
            const int dead = which == 0 ? p : m_poles + p;
            for (int slot : nets[which][static_cast<std::size_t>(p)])
                out += s.view.m_terminalPotential[slot][dead].letter() == kPotentialFedMark ? '*' : '.';
            out += ' ';
        }
        return out;
    }

    SymbolSheet s;
    int device = -1;
    std::vector<std::vector<int>> nets[2];

private:
    int m_poles;
};

// Each pole's three slots carrying letter c.
std::string repeated(const std::string& perPole, int poles, char pad = '0') {
    std::string out;
    for (int p = 0; p < poles; ++p) {
        const char c = p < static_cast<int>(perPole.size()) ? perPole[static_cast<std::size_t>(p)] : pad;
        out += std::string(3, c) + ' ';
    }
    return out;
}
std::string marked(int poles, bool fed) { return repeated("", poles, fed ? '*' : '.'); }

}  // namespace

TEST(MultiPole, ShiftMovesEveryXAndNothingElse) {
    struct Row {
        const char* command;
        int dx;
        const char* shifted;
    };
    const Row rows[] = {
        {"LINE,-015,+015,+000,+045", 30, "LINE,+015,+015,+030,+045"},
        {"LINE,-007,+015,+007,+015", 60, "LINE,+053,+015,+067,+015"},
        {"POLI,-020,+024,-012,+020,-008,+028,-016,+032", 30, "POLI,+010,+024,+018,+020,+022,+028,+014,+032"},
        {"ARCO,-008,+060,+008,+075,+000,+060,+000,+075", 90, "ARCO,+082,+060,+098,+075,+090,+060,+090,+075"},
        {"PUNT,+005,+040", 60, "PUNT,+065,+040"},
        {"NUME,+005,+045,%c%c%c%c", 90, "NUME,+095,+045,%c%c%c%c"},
        {"NUME,+005,+000,%c%c%c%c", 0, "NUME,+005,+000,%c%c%c%c"},
        {"TEXT,-000,+075,I>    ,0", 30, "TEXT,-000,+075,I>    ,0"},
        {"LINE,-005,+015,+005,+015", 90, "LINE,+085,+015,+095,+015"},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.command);
        EXPECT_EQ(shiftedCommand(r.command, r.dx), r.shifted);
    }
}

// Every conducting member, every way round: a letter on one side only feeds the
// other side's whole net (wires and dots, wherever they lie) with the fed mark in
// the dead terminal's entry; two live sides feed nothing and report a clash; a
// blocking state feeds and reports nothing. A neutral link or pole passes any
// letter and stops with the others.
TEST(ProtectionPoles, ConductionTableOfEveryMember) {
    for (const Member& m : conductingMembers()) {
        const std::string phases = std::string("123N").substr(0, static_cast<std::size_t>(m.poles));
        struct Case {
            const char* name;
            int state;
            std::string top, bottom;
            std::string topAfter, bottomAfter, topMarks, bottomMarks;
            std::string box;
        };
        std::vector<Case> cases = {
            {"letters above only", m.conductingState, phases, "", repeated(phases, m.poles),
             repeated(phases, m.poles), marked(m.poles, false), marked(m.poles, true), ""},
            {"letters below only", m.conductingState, "", phases, repeated(phases, m.poles),
             repeated(phases, m.poles), marked(m.poles, true), marked(m.poles, false), ""},
            {"equal letters on both sides", m.conductingState, phases, phases, repeated(phases, m.poles),
             repeated(phases, m.poles), marked(m.poles, false), marked(m.poles, false), ""},
            {"1 over 2", m.conductingState, "1", "2", "", "", "", "", kShortCircuit},
            {"P over 1", m.conductingState, "P", "1", "", "", "", "", kEarthFault},
            {"P over N", m.conductingState, "P", "N", "", "", "", "", kEarthFault},
            {"1 over P", m.conductingState, "1", "P", "", "", "", "", kEarthFault},
        };
        if (m.blockingState >= 0) {
            cases.push_back({"blocked, 1 over 2", m.blockingState, "1", "2", repeated("1", m.poles),
                             repeated("2", m.poles), marked(m.poles, false), marked(m.poles, false), ""});
            cases.push_back({"blocked, letters above", m.blockingState, phases, "", repeated(phases, m.poles),
                             repeated("", m.poles), marked(m.poles, false), marked(m.poles, false), ""});
        }
        if (m.neutralPole >= 0) {
            // A phase letter on the neutral pole is passed like any other.
            std::string top(static_cast<std::size_t>(m.poles), '0');
            top[static_cast<std::size_t>(m.neutralPole)] = '1';
            std::string after(static_cast<std::size_t>(m.poles), '0');
            after[static_cast<std::size_t>(m.neutralPole)] = '1';
            std::string marks = marked(m.poles, false);
            marks.replace(static_cast<std::size_t>(m.neutralPole) * 4, 3, "***");
            cases.push_back({"phase on the neutral pole", m.conductingState, top, "", repeated(after, m.poles),
                             repeated(after, m.poles), marked(m.poles, false), marks, ""});
            cases.push_back({"neutral pole blocked", m.blockingState, top, "", repeated(after, m.poles),
                             repeated("", m.poles), marked(m.poles, false), marked(m.poles, false), ""});
        }
        for (const Case& c : cases) {
            SCOPED_TRACE(nameOf(m.type) + ", " + c.name);
            PoleBench b(m.type, m.poles, m.bottom);
            b.evaluate(c.state, c.top, c.bottom);
            EXPECT_EQ(b.s.box(), c.box);
            if (!c.box.empty()) {
                EXPECT_EQ(b.s.view.m_simulating, 0);
                EXPECT_EQ(b.s.dc.count(DcOp::LineTo), 0) << "nothing is drawn after the report";
                continue;
            }
            EXPECT_EQ(b.side(0), c.topAfter);
            EXPECT_EQ(b.side(1), c.bottomAfter);
            EXPECT_EQ(b.marks(0), c.topMarks);
            EXPECT_EQ(b.marks(1), c.bottomMarks);
        }
    }
}

// The relay conducts tripped or not, and checks its sides in both states.
TEST(ProtectionPoles, ThermalRelayConductsAndChecksWhileTripped) {
    PoleBench fed(kTypeThermalOverloadRelay, 3);
    fed.evaluate(0, "123", "");
    EXPECT_EQ(fed.side(1), repeated("123", 3));
    PoleBench clash(kTypeThermalOverloadRelay, 3);
    clash.evaluate(0, "1", "2");
    EXPECT_EQ(clash.s.box(), kShortCircuit);
}

namespace {

// What one call drew: symbol lines and points by colour, and the texts.
struct Tally {
    int lines = 0, white = 0, red = 0, grey = 0, black = 0, points = 0, polygons = 0, arcs = 0;
    std::vector<std::pair<std::string, Color>> texts;
};

Tally tally(const RecordingDc& dc) {
    Tally t;
    for (const DcCall& c : dc.calls()) {
        if (c.op == DcOp::TextOut) {
            t.texts.push_back({c.text, c.textColor});
            continue;
        }
        Color color;
        if (c.op == DcOp::LineTo) {
            ++t.lines;
            color = c.pen.color;
        } else if (c.op == DcOp::SetPixel) {
            ++t.points;
            color = c.color;
        } else if (c.op == DcOp::Arc) {
            ++t.arcs;
            color = c.pen.color;
        } else if (c.op == DcOp::Polygon) {
            ++t.polygons;
            color = c.brush.color;
        } else {
            continue;
        }
        if (color == g_colorWhite) ++t.white;
        else if (color == g_colorRed) ++t.red;
        else if (color == g_colorGrey) ++t.grey;
        else if (color == g_colorBlack) ++t.black;
    }
    return t;
}

}  // namespace

// The fuse switch-disconnectors' pictures, counted: open 8, 11, 16, 24, 27
// commands, closed 5, 8, 10, 15, 18. Outside simulation the open picture in the
// paint's colour; a change erases the other picture in white and draws its own in
// red (closed) or grey (open). The terminal names follow the state colour except
// on the four-pole member, whose names keep the paint's colour.
TEST(FuseSwitches, PicturesOnAChangeOfState) {
    struct Row {
        int type;
        int open, closed;
        std::vector<std::string> names;
        bool namesInStateColor;
    };
    const Row rows[] = {
        {kTypeFuseSwitchI, 8, 5, {"1", "2"}, true},
        {kTypeFuseSwitchIN, 11, 8, {"1", "3", "2", "4"}, true},
        {kTypeFuseSwitchII, 16, 10, {"1", "3", "2", "4"}, true},
        {kTypeFuseSwitchIII, 24, 15, {"1", "3", "5", "2", "4", "6"}, true},
        {kTypeFuseSwitchIIIN, 27, 18, {"1", "3", "5", "7", "2", "4", "6", "8"}, false},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(nameOf(r.type));
        SymbolSheet s;
        s.drawPreview(r.type);
        Tally t = tally(s.dc);
        EXPECT_EQ(t.lines + t.points, r.open);
        EXPECT_EQ(t.red, r.open);
        std::vector<std::string> texts = {"   -F"};
        texts.insert(texts.end(), r.names.begin(), r.names.end());
        std::vector<std::string> drawn;
        for (const auto& text : t.texts) drawn.push_back(text.first);
        EXPECT_EQ(drawn, texts);
        ASSERT_FALSE(s.dc.callsOf(DcOp::TextOut).empty());

        const int d = s.place(r.type, 60, 60);
        s.view.m_simulating = 1;
        s.view.m_state[d] = 1;
        s.view.m_drawnState[d] = 0;
        s.drawPlaced(d, g_colorBlack);
        t = tally(s.dc);
        EXPECT_EQ(t.white, r.open);
        EXPECT_EQ(t.red, r.closed);
        EXPECT_EQ(t.lines + t.points, r.open + r.closed);
        EXPECT_EQ(s.view.m_drawnState[d], 1);
        for (std::size_t k = 1; k < t.texts.size(); ++k)
            EXPECT_EQ(t.texts[k].second, r.namesInStateColor ? g_colorRed : g_colorBlack) << t.texts[k].first;
        EXPECT_EQ(t.texts[0].second, g_colorBlack) << "the label keeps the paint's colour";

        s.view.m_state[d] = 0;
        s.drawPlaced(d, g_colorBlack);
        t = tally(s.dc);
        EXPECT_EQ(t.white, r.closed);
        EXPECT_EQ(t.grey, r.open);
        for (std::size_t k = 1; k < t.texts.size(); ++k)
            EXPECT_EQ(t.texts[k].second, r.namesInStateColor ? g_colorGrey : g_colorBlack) << t.texts[k].first;
    }
}

// Fuses: whole and grey while intact, red with a gap in every pole (neutral links
// included) while blown, and blown as well for a state that is neither.
TEST(Fuses, PicturesOnAChangeOfState) {
    struct Row {
        int type;
        int poles;
        int bodyLines;  // four per fuse, two per neutral link
    };
    const Row rows[] = {
        {kTypeFuseI, 1, 4}, {kTypeFuseIN, 2, 6}, {kTypeFuseII, 2, 8}, {kTypeFuseIII, 3, 12}, {kTypeFuseIIIN, 4, 14},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(nameOf(r.type));
        SymbolSheet s;
        s.drawPreview(r.type);
        Tally t = tally(s.dc);
        EXPECT_EQ(t.red, r.poles + r.bodyLines);
        ASSERT_FALSE(t.texts.empty());
        EXPECT_EQ(t.texts[0].first, "   -F");

        const int d = s.place(r.type, 60, 60);
        s.view.m_label2[d] = "X1";
        s.view.m_label2Visible[d] = 1;
        s.drawPlaced(d, g_colorBlack);
        t = tally(s.dc);
        EXPECT_EQ(t.black, r.poles + r.bodyLines);
        ASSERT_GE(t.texts.size(), 2u);
        EXPECT_EQ(t.texts[1].first, "   X1");

        s.view.m_simulating = 1;
        for (int blownState : {1, 2}) {
            SCOPED_TRACE("blown with state " + std::to_string(blownState));
            s.view.m_state[d] = blownState;
            s.view.m_drawnState[d] = 0;
            s.drawPlaced(d, g_colorBlack);
            t = tally(s.dc);
            EXPECT_EQ(t.red, r.bodyLines + 2 * r.poles);
            EXPECT_EQ(t.white, r.poles);
            EXPECT_EQ(t.grey, 0);
        }
        s.view.m_state[d] = 0;
        s.drawPlaced(d, g_colorBlack);
        t = tally(s.dc);
        EXPECT_EQ(t.grey, r.bodyLines + r.poles);
        EXPECT_EQ(t.white, 2 * r.poles);
        EXPECT_EQ(t.red, 0);
    }
}

// While the state stays, a simulation paint draws the texts and terminals only;
// an erase forces one full redraw. The thermal relay keeps no cache: its nineteen
// lines come in every call, in the state colour.
TEST(ProtectionPictures, UnchangedStateDrawsOnlyTexts) {
    struct Row {
        int type;
        int fullDrawing;  // lines, points and polygons of one redraw
    };
    const Row rows[] = {
        {kTypeFuseI, 4 + 1 + 2},      {kTypeFuseIIIN, 14 + 4 + 8},      {kTypeFuseSwitchI, 13},
        {kTypeFuseSwitchIIIN, 45},    {kTypeSurgeArresterIN, 26},        {kTypeSurgeArresterIIIN, 48},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(nameOf(r.type));
        SymbolSheet s;
        const int d = s.place(r.type, 60, 60);
        s.view.m_simulating = 1;
        for (int state : {0, 1}) {
            s.view.m_state[d] = state;
            s.view.m_drawnState[d] = state;
            s.drawPlaced(d, g_colorBlack);
            Tally t = tally(s.dc);
            EXPECT_EQ(t.lines + t.points + t.polygons, 0);
            EXPECT_FALSE(t.texts.empty());
            s.view.m_drawnState[d] = -1;  // what an erase leaves
            s.drawPlaced(d, g_colorBlack);
            t = tally(s.dc);
            EXPECT_EQ(t.lines + t.points + t.polygons, r.fullDrawing);
            EXPECT_EQ(s.view.m_drawnState[d], state);
        }
    }

    SymbolSheet s;
    const int relay = s.place(kTypeThermalOverloadRelay, 60, 60);
    s.view.m_simulating = 1;
    for (int state : {0, 1, 1, 0}) {
        s.view.m_state[relay] = state;
        s.drawPlaced(relay, g_colorBlack);
        const Tally t = tally(s.dc);
        EXPECT_EQ(t.lines, 19);
        EXPECT_EQ(state == 1 ? t.red : t.grey, 19);
        ASSERT_EQ(t.texts.size(), 7u);
        EXPECT_EQ(t.texts[0].second, g_colorBlack);
        for (std::size_t k = 1; k < t.texts.size(); ++k)
            EXPECT_EQ(t.texts[k].second, state == 1 ? g_colorRed : g_colorGrey);
        EXPECT_EQ(s.view.m_drawnState[relay], 0) << "the relay keeps no cache";
    }
}

// Arresters draw their whole symbol in one colour: red in state 1, grey otherwise,
// with the label in the paint's colour; 6013 draws 26 commands, 6014 48.
TEST(SurgeArresters, SymbolAndColours) {
    struct Row {
        int type;
        int lines, polygons;
        std::vector<std::string> texts;
    };
    const Row rows[] = {
        {kTypeSurgeArresterIN, 22, 4, {"   -F", "1", "2", "3"}},
        {kTypeSurgeArresterIIIN, 40, 8, {"   -F", "1", "2", "3", "4", "5"}},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(nameOf(r.type));
        SymbolSheet s;
        s.drawPreview(r.type);
        Tally t = tally(s.dc);
        EXPECT_EQ(t.lines, r.lines);
        EXPECT_EQ(t.polygons, r.polygons);
        std::vector<std::string> drawn;
        for (const auto& text : t.texts) drawn.push_back(text.first);
        EXPECT_EQ(drawn, r.texts);

        const int d = s.place(r.type, 60, 60);
        s.view.m_simulating = 1;
        for (int state : {1, 0}) {
            s.view.m_state[d] = state;
            s.view.m_drawnState[d] = 1 - state;
            s.drawPlaced(d, g_colorBlack);
            t = tally(s.dc);
            const Color c = state == 1 ? g_colorRed : g_colorGrey;
            EXPECT_EQ(state == 1 ? t.red : t.grey, r.lines + r.polygons);
            EXPECT_EQ(t.texts[0].second, g_colorBlack);
            for (std::size_t k = 1; k < t.texts.size(); ++k) EXPECT_EQ(t.texts[k].second, c);
        }
    }
}

// Closing a breaker, a residual-current device or a motor protection switch erases
// its open parts in white and draws the fixed and closed parts in red; opening
// erases the closed parts and draws the rest in grey; an unchanged state draws no
// part, an erase one full redraw.
TEST(Breakers, PicturesOnAChangeOfState) {
    struct Row {
        int type;
        int open, closed, fixed;  // lines, arcs, points and latches of each part
    };
    const Row rows[] = {
        {kTypeBreakerI, 2, 3, 2},
        {kTypeBreakerIN, 5, 7, 4},
        {kTypeBreakerII, 6, 8, 4},
        {kTypeBreakerIII, 9, 12, 6},
        {kTypeBreakerIIIN, 11, 15, 8},
        {kTypeRcdIN, 4, 6, 23},
        {kTypeRcdIIIN, 8, 12, 26},
        {kTypeMotorProtectionSwitchI, 1, 2, 31},
        {kTypeMotorProtectionSwitchII, 4, 6, 41},
        {kTypeMotorProtectionSwitchIII, 6, 9, 49},
        {kTypeMotorProtectionSwitchIN, 4, 6, 35},
        {kTypeMotorProtectionSwitchIIIN, 8, 12, 52},
    };
    auto parts = [](const Tally& t) { return t.lines + t.arcs + t.points + t.polygons; };
    for (const Row& r : rows) {
        SCOPED_TRACE(nameOf(r.type));
        SymbolSheet s;
        const int d = s.place(r.type, 60, 60);
        s.view.m_simulating = 1;
        s.view.m_state[d] = 1;
        s.view.m_drawnState[d] = 0;
        s.drawPlaced(d, g_colorBlack);
        Tally t = tally(s.dc);
        EXPECT_EQ(t.white, r.open);
        EXPECT_EQ(t.red, r.fixed + r.closed);
        EXPECT_EQ(parts(t), r.open + r.closed + r.fixed);
        for (std::size_t k = 1; k < t.texts.size(); ++k) EXPECT_EQ(t.texts[k].second, g_colorRed);

        s.drawPlaced(d, g_colorBlack);
        EXPECT_EQ(parts(tally(s.dc)), 0);

        s.view.m_state[d] = 0;
        s.drawPlaced(d, g_colorBlack);
        t = tally(s.dc);
        EXPECT_EQ(t.white, r.closed);
        EXPECT_EQ(t.grey, r.fixed + r.open);

        s.view.m_drawnState[d] = -1;
        s.drawPlaced(d, g_colorBlack);
        EXPECT_EQ(parts(tally(s.dc)), r.open + r.closed + r.fixed);
    }
}

// Outside simulation every member shows its open picture in the paint's colour
// with its default texts; the linkage dashes between the blades appear there only
// on the members that show them at rest, while simulating on every member that has
// them.
TEST(Breakers, OpenPictureAndItsDashes) {
    struct Row {
        int type;
        const char* label;
        int names;
        bool dashesOutside, dashesSimulating;
    };
    const Row rows[] = {
        {kTypeBreakerI, "   -F", 2, false, false},
        {kTypeBreakerIN, "   -F", 4, true, true},
        {kTypeBreakerIIIN, "   -F", 8, true, true},
        {kTypeRcdIN, "   -F", 4, false, true},
        {kTypeRcdIIIN, "   -F", 8, true, true},
        {kTypeMotorProtectionSwitchI, "   -Q", 2, false, false},
        {kTypeMotorProtectionSwitchII, "   -Q", 4, false, true},
        {kTypeMotorProtectionSwitchIII, "   -Q", 6, true, true},
        {kTypeMotorProtectionSwitchIN, "   -Q", 4, false, true},
        {kTypeMotorProtectionSwitchIIIN, "   -Q", 8, true, true},
    };
    // The first dash: only the open linkage has a stroke there.
    auto hasFirstDash = [](const testkit::RecordingDc& dc, Color c) {
        for (const DcCall& call : dc.callsOf(DcOp::LineTo)) {
            const Point a{call.point(0).x - 100, call.point(0).y - 100};
            const Point b{call.point(1).x - 100, call.point(1).y - 100};
            if (call.pen.color == c && ((a == Point{-7, 30} && b == Point{3, 30}) ||
                                        (b == Point{-7, 30} && a == Point{3, 30})))
                return true;
        }
        return false;
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(nameOf(r.type));
        SymbolSheet s;
        s.drawPreview(r.type);
        Tally t = tally(s.dc);
        // The magnetic releases' "I>" aside, the label and the default names.
        const auto releases = std::count_if(t.texts.begin(), t.texts.end(),
                                            [](const auto& text) { return text.first == "I>   "; });
        ASSERT_EQ(static_cast<int>(t.texts.size() - static_cast<std::size_t>(releases)), 1 + r.names);
        EXPECT_EQ(t.texts[0].first, r.label);
        EXPECT_EQ(t.texts[1].first, "1");
        EXPECT_EQ(t.white + t.grey, 0);
        EXPECT_EQ(hasFirstDash(s.dc, g_colorRed), r.dashesOutside);

        const int d = s.place(r.type, 100, 100);
        s.drawPlaced(d, g_colorBlack, 5, {500, 500});
        EXPECT_EQ(tally(s.dc).red + tally(s.dc).grey, 0);
        s.view.m_simulating = 1;
        s.view.m_drawnState[d] = -1;
        s.drawPlaced(d, g_colorBlack, 5, {100, 100});
        EXPECT_EQ(hasFirstDash(s.dc, g_colorGrey), r.dashesSimulating);
    }
}

// The four-pole breaker copies a shown second text left-aligned, so that it starts
// where a five-character text would.
TEST(Breakers, FourPoleBreakerRepeatsItsSecondText) {
    struct Row {
        const char* text;
        bool shown;
        std::vector<std::pair<std::string, int>> texts;  // text and x of every second text
    };
    const Row rows[] = {
        {"AB", true, {{"   AB", -30}, {"AB   ", -49}}},
        {"A", true, {{"    A", -30}, {"A    ", -42}}},
        {"ABCD", true, {{" ABCD", -30}, {"ABCD ", -63}}},
        {"ABCDE", true, {{"ABCDE", -30}, {"ABCDE", -70}}},
        {"ABCDEFG", true, {{"ABCDE", -30}, {"ABCDE", -70}}},
        {"AB", false, {}},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(std::string(r.text) + (r.shown ? "" : " hidden"));
        SymbolSheet s;
        const int d = s.place(kTypeBreakerIIIN, 60, 60);
        s.view.m_label2[d] = r.text;
        s.view.m_label2Visible[d] = r.shown ? 1 : 0;
        s.drawPlaced(d, g_colorBlack);
        std::vector<std::pair<std::string, int>> seconds;
        for (const DcCall& call : s.dc.callsOf(DcOp::TextOut))
            if (call.point().y - 100 == 37) seconds.push_back({call.text, call.point().x - 100});
        EXPECT_EQ(seconds, r.texts);
        const auto aligned = s.dc.callsOf(DcOp::TextOut);
        if (r.shown) {
            ASSERT_GE(aligned.size(), 3u);
            EXPECT_EQ(aligned[1].textAlign & kAlignRight, kAlignRight);
            EXPECT_EQ(aligned[2].textAlign & kAlignRight, 0);
        }
    }
}

// --- in a running simulation ---------------------------------------------------------------

namespace {

using circuittest::Circuit;
using circuittest::kNeutral;
using circuittest::kPhase;

// An L-N supply at (60, 60); a fuse between L and a lamp; a second fuse "-F"
// elsewhere, unconnected; a thermal relay "-F2" with a thermal NC contact "-F2"
// and a fuse "-F2" beside it.
const circuittest::Sheet kFusedLamp = {
    {
        {ID_PLACE_SUPPLY_LN, {60, 60}, ""},
        {ID_PLACE_FUSE_I, {90, 90}, ""},
        {ID_PLACE_PILOT_LAMP, {90, 120}, ""},
        {ID_PLACE_FUSE_III, {150, 90}, ""},
        {ID_PLACE_THERMAL_OVERLOAD_RELAY, {240, 90}, "-F2"},
        {ID_PLACE_THERMAL_CONTACT_NC, {240, 150}, "-F2"},
        {ID_PLACE_FUSE_I, {300, 150}, "-F2"},
    },
    {
        {kPhase, {60, 60}, {60, 75}},
        {kPhase, {60, 75}, {90, 75}},
        {kPhase, {90, 75}, {90, 90}},
        {kPhase, {90, 102}, {90, 120}},
        {kNeutral, {90, 132}, {90, 141}},
        {kNeutral, {90, 141}, {120, 141}},
        {kNeutral, {66, 60}, {120, 60}},
        {kNeutral, {120, 60}, {120, 141}},
    },
};

// An L-N-PE supply at (60, 60) and an arrester "-F9" across L and N, its earth
// terminal on PE.
const circuittest::Sheet kArrester = {
    {
        {ID_PLACE_SUPPLY_LNPE, {60, 60}, ""},
        {ID_PLACE_SURGE_ARRESTER_IN, {90, 90}, "-F9"},
    },
    {
        {kPhase, {60, 60}, {60, 75}},
        {kPhase, {60, 75}, {90, 75}},
        {kPhase, {90, 75}, {90, 90}},
        {kNeutral, {66, 60}, {66, 69}},
        {kNeutral, {66, 69}, {96, 69}},
        {kNeutral, {96, 69}, {96, 90}},
        {ID_PLACE_WIRE_PE, {72, 60}, {72, 114}},
        {ID_PLACE_WIRE_PE, {72, 114}, {90, 114}},
        {ID_PLACE_WIRE_PE, {90, 114}, {90, 108}},
    },
};

// An L-N supply at (60, 60) and two breakers "-F1", each feeding a lamp.
const circuittest::Sheet kTwoBreakers = {
    {
        {ID_PLACE_SUPPLY_LN, {60, 60}, ""},
        {ID_PLACE_BREAKER_I, {90, 90}, "-F1"},
        {ID_PLACE_PILOT_LAMP, {90, 120}, ""},
        {ID_PLACE_BREAKER_I, {150, 90}, "-F1"},
        {ID_PLACE_PILOT_LAMP, {150, 120}, ""},
    },
    {
        {kPhase, {60, 60}, {60, 75}},
        {kPhase, {60, 75}, {90, 75}},
        {kPhase, {90, 75}, {150, 75}},
        {kPhase, {90, 75}, {90, 90}},
        {kPhase, {150, 75}, {150, 90}},
        {kPhase, {90, 102}, {90, 120}},
        {kPhase, {150, 102}, {150, 120}},
        {kNeutral, {90, 132}, {90, 141}},
        {kNeutral, {150, 132}, {150, 141}},
        {kNeutral, {90, 141}, {150, 141}},
        {kNeutral, {150, 141}, {180, 141}},
        {kNeutral, {66, 60}, {180, 60}},
        {kNeutral, {180, 60}, {180, 141}},
    },
};

}  // namespace

TEST(ProtectionScenario, FuseBlowsAndComesBackWithEveryFuseOfItsLabel) {
    testkit::Session session;
    Circuit c(session);
    c.draw(kFusedLamp);
    CVelkarionView& v = c.view();
    const int fuse = c.slotOf(kTypeFuseI), other = c.slotOf(kTypeFuseIII), lamp = c.slotOf(kTypePilotLamp);
    const int relay = c.slotOf(kTypeThermalOverloadRelay), contact = c.slotOf(kTypeThermalContactNC);
    const int relayFuse = c.slotOf(kTypeFuseI, 1);
    ASSERT_EQ(v.m_label[other], "-F");
    ASSERT_EQ(v.m_label[relayFuse], "-F2");

    c.simulate();
    c.tick();
    EXPECT_EQ(v.m_state[lamp], 1);
    EXPECT_EQ(c.lampPixel(lamp), g_colorGreen);

    c.press(fuse);
    c.release(fuse);
    EXPECT_EQ(v.m_state[fuse], 1);
    EXPECT_EQ(v.m_state[other], 1);
    c.tick();
    EXPECT_EQ(v.m_state[lamp], 0);
    EXPECT_EQ(c.lampPixel(lamp), g_colorWhite);
    testpictures::keepPicture(session.surface(v), "fuse_blown.png");

    c.press(fuse);
    c.release(fuse);
    EXPECT_EQ(v.m_state[fuse], 0);
    EXPECT_EQ(v.m_state[other], 0);
    c.tick();
    EXPECT_EQ(v.m_state[lamp], 1);

    c.press(relay);
    c.release(relay);
    EXPECT_EQ(v.m_state[relay], 1);
    EXPECT_EQ(v.m_state[contact], 1);
    EXPECT_EQ(v.m_state[relayFuse], 0) << "the relay's click reaches its contacts only";
    c.tick();
    EXPECT_EQ(v.m_simulating, 1);
    EXPECT_TRUE(session.messages().empty());
}

TEST(ProtectionScenario, ArresterChangesNoLetterAndTurnsRedOnAClick) {
    testkit::Session session;
    Circuit c(session);
    c.draw(kArrester);
    CVelkarionView& v = c.view();
    const int arrester = c.slotOf(kTypeSurgeArresterIN);
    c.simulate();
    c.tick(2);
    ASSERT_EQ(v.m_simulating, 1);
    auto lettersOf = [&](int type) {
        std::string s;
        for (int i = 0; i < v.m_componentCount; ++i)
            if (v.m_type[i] == type) s += v.m_potential[i].letter();
        return s;
    };
    EXPECT_EQ(lettersOf(kTypeWirePhase), "111");
    EXPECT_EQ(lettersOf(kTypeWireNeutral), "NNN");
    EXPECT_EQ(lettersOf(kTypeWirePE), "PPP");

    // On the lead of pole 0, below its terminal, between two grid dots.
    auto leadPixel = [&] {
        const Point w = session.unitsToWindow(v, v.m_x[arrester], v.m_y[arrester] + 4);
        return session.surface(v).pixel(w.x, w.y);
    };
    EXPECT_EQ(leadPixel(), g_colorGrey);
    c.press(arrester);
    c.release(arrester);
    c.tick();
    EXPECT_EQ(leadPixel(), g_colorRed);
    EXPECT_EQ(lettersOf(kTypeWirePhase), "111");
    c.press(arrester);
    c.release(arrester);
    c.tick();
    EXPECT_EQ(leadPixel(), g_colorGrey);
    EXPECT_TRUE(session.messages().empty());
}

// --- every orientation ---------------------------------------------------------------------

namespace {

struct Shown {
    int type;
    int poles;
};

struct Family {
    const char* picture;  // file name of the picture kept for a look
    std::vector<Shown> members;
    int bottomY;    // command units of the lower terminal of pole 0
    bool conducts;  // whether pole 0 passes a letter in its conducting state
};

}  // namespace

// Each member in the eight orientations (columns), in its rest state and in its
// operated state (one row each), drawn while simulating with a live wire on pole
// 0's top terminal and a dead one on its bottom terminal: in every orientation the
// terminals find their wires, and the dead one is fed exactly when the pole
// conducts. One picture per family is kept for a look.
TEST(ProtectionPictures, EveryOrientationInBothStates) {
    const Family families[] = {
        {"fuses.png",
         {{kTypeFuseI, 1}, {kTypeFuseIN, 2}, {kTypeFuseII, 2}, {kTypeFuseIII, 3}, {kTypeFuseIIIN, 4}},
         60,
         true},
        {"fuse_switches.png",
         {{kTypeFuseSwitchI, 1},
          {kTypeFuseSwitchIN, 2},
          {kTypeFuseSwitchII, 2},
          {kTypeFuseSwitchIII, 3},
          {kTypeFuseSwitchIIIN, 4}},
         60,
         true},
        {"thermal_relay.png", {{kTypeThermalOverloadRelay, 3}}, 60, true},
        {"surge_arresters.png", {{kTypeSurgeArresterIN, 2}, {kTypeSurgeArresterIIIN, 4}}, 90, false},
        {"breakers.png",
         {{kTypeBreakerI, 1}, {kTypeBreakerIN, 2}, {kTypeBreakerII, 2}, {kTypeBreakerIII, 3}, {kTypeBreakerIIIN, 4}},
         60,
         true},
        {"residual_current_devices.png", {{kTypeRcdIN, 2}, {kTypeRcdIIIN, 4}}, 90, true},
        {"motor_protection_switches.png",
         {{kTypeMotorProtectionSwitchI, 1},
          {kTypeMotorProtectionSwitchII, 2},
          {kTypeMotorProtectionSwitchIII, 3},
          {kTypeMotorProtectionSwitchIN, 2},
          {kTypeMotorProtectionSwitchIIIN, 4}},
         105,
         true},
    };
    constexpr int kCell = 40;  // drawing units
    constexpr int kZoom = 4;
    for (const Family& family : families) {
        const int rows = 2 * static_cast<int>(family.members.size());
        Surface sheet(8 * kCell * kZoom, rows * kCell * kZoom);
        RecordingDc dc(sheet);
        for (int row = 0; row < rows; ++row) {
            const Shown& member = family.members[static_cast<std::size_t>(row / 2)];
            const bool operated = row % 2 == 1;
            for (int code = 0; code < 8; ++code) {
                SCOPED_TRACE(nameOf(member.type) + " orientation " + std::to_string(code) +
                             (operated ? " operated" : ""));
                SymbolSheet s;
                s.doc.m_zoom = kZoom;
                // The symbol's middle in the middle of its cell, whichever way it turns.
                const Point middle = symboltest::turned(code, {3 * (member.poles - 1), family.bottomY / 10});
                const int x = code * kCell + kCell / 2 - middle.x, y = row * kCell + kCell / 2 - middle.y;
                const int d = s.place(member.type, x, y, code);
                const Point bottom = symboltest::turned(code, {0, family.bottomY / 5});
                const int live = s.wire(x, y, x + 1, y + 1);
                const int dead = s.wire(x + bottom.x, y + bottom.y, x + bottom.x + 1, y + bottom.y + 1);
                s.setLetter(live, '1');
                s.view.m_netNumber[live] = 1;
                s.view.m_netNumber[dead] = 2;
                s.view.m_simulating = 1;
                s.view.m_state[d] = operated ? 1 : 0;
                s.view.m_drawnState[d] = -1;
                s.view.m_loopIndex = d;
                s.view.m_drawingPlaced = 1;
                s.view.m_penColor = g_colorBlack;
                dc.selectBrush(Brush::hollow());
                (s.view.*CVelkarionView::routineFor(member.type))(dc, kZoom, x * kZoom, y * kZoom);
                ASSERT_EQ(s.view.m_simulating, 1);
                EXPECT_EQ(s.view.m_terminalPotential[d][0].letter(), '1');
                const bool fuse = member.type <= kTypeFuseIIIN;
                const bool conducting = family.conducts && (member.type == kTypeThermalOverloadRelay ||
                                                            (fuse ? !operated : operated));
                EXPECT_EQ(s.letter(dead), conducting ? '1' : '0');
            }
        }
        testpictures::keepPicture(sheet, family.picture);
    }
}

TEST(ProtectionScenario, OneClickSwitchesEveryBreakerOfItsLabel) {
    testkit::Session session;
    Circuit c(session);
    c.draw(kTwoBreakers);
    CVelkarionView& v = c.view();
    const int first = c.slotOf(kTypeBreakerI), second = c.slotOf(kTypeBreakerI, 1);
    const int lamps[] = {c.slotOf(kTypePilotLamp), c.slotOf(kTypePilotLamp, 1)};
    c.simulate();
    c.tick();
    for (int lamp : lamps) EXPECT_EQ(c.lampPixel(lamp), g_colorWhite);

    c.press(first);
    c.release(first);
    EXPECT_EQ(v.m_state[second], 1);
    c.tick();
    for (int lamp : lamps) {
        EXPECT_EQ(v.m_state[lamp], 1);
        EXPECT_EQ(c.lampPixel(lamp), g_colorGreen);
    }
    testpictures::keepPicture(session.surface(v), "breakers_closed.png");

    c.press(second);
    c.release(second);
    EXPECT_EQ(v.m_state[first], 0);
    c.tick();
    for (int lamp : lamps) {
        EXPECT_EQ(v.m_state[lamp], 0);
        EXPECT_EQ(c.lampPixel(lamp), g_colorWhite);
    }
    EXPECT_TRUE(session.messages().empty());
}
