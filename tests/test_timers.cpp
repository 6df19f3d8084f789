// The timer relays: the preset from the delay text and unit, the four counting
// rules paint by paint, the time left in the display box, the copies into the
// instantaneous and delayed contacts, and a run on a sheet where the first paint
// follows an erase and zooms, scrolls and uncovered windows come between ticks.
#include <gtest/gtest.h>

#include <climits>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "file_test_support.h"
#include "load_sheet.h"
#include "render/Colors.h"
#include "res/Resource.h"
#include "testkit/recording_dc.h"
#include "testkit/testkit.h"

using velk::filetest::fixtureText;

using namespace velk;
using velk::loadtest::LoadSheet;
using velk::testkit::DcOp;
using velk::testkit::RecordingDc;

namespace {

// The time left as the display box shows it last in the calls recorded: the red
// text of digits, "" when no counting box was drawn.
std::string timeShown(const RecordingDc& dc) {
    std::string shown;
    for (const auto& call : dc.callsOf(DcOp::TextOut)) {
        if (call.textColor != g_colorRed) continue;
        const std::size_t first = call.text.find_first_not_of(' ');
        if (first == std::string::npos) continue;
        const std::string t = call.text.substr(first, call.text.find_last_not_of(' ') - first + 1);
        if (t.find_first_not_of("-0123456789") == std::string::npos) shown = t;
    }
    return shown;
}

// A timer -K1 wired to '1' and 'N', and one contact of each kind a timer drives.
struct TimerRig {
    explicit TimerRig(int type, const char* value = "1", const char* unit = "0") {
        timer = s.addLoad(type, 40, 40, "-K1");
        s.view.m_timerValue[timer] = value;
        s.view.m_timerUnit[timer] = unit;
        a1 = s.wireAt(timer, 0, '1');
        s.wireAt(timer, 1, 'N', kTypeWireNeutral);
        instant = s.addSymbol(kTypeAuxContactNO, 100, 40, "-K1");
        onDelay = s.addSymbol(kTypeOnDelayContactNO, 100, 60, "-K1");
        offDelay = s.addSymbol(kTypeOffDelayContactNC, 100, 80, "-K1");
        onOffDelay = s.addSymbol(kTypeOnOffDelayContactChangeover, 100, 100, "-K1");
        s.view.m_drawnState[timer] = -1;  // as Simulate's erase leaves it
    }
    // One paint: the six passes of the timer with or without voltage.
    void paint(bool energised) {
        s.setLetter(a1, energised ? '1' : '0');
        dc.clear();
        for (int pass = 0; pass <= 5; ++pass) s.evaluate(dc, timer, pass);
    }
    int delayedContact() const {
        switch (s.view.m_type[timer]) {
            case kTypeOnDelayTimer: return onDelay;
            case kTypeOffDelayTimer: return offDelay;
            default: return onOffDelay;
        }
    }
    LoadSheet s;
    RecordingDc dc;
    int timer = -1, a1 = -1, instant = -1, onDelay = -1, offDelay = -1, onOffDelay = -1;
};

}  // namespace

// Preset = (value + 1) ticks-per-unit, read like the standard conversion but
// saturating; the off-delay timer keeps it untouched while energised.
TEST(TimerPreset, FromValueAndUnit) {
    struct Row {
        const char* value;
        const char* unit;
        int preset;
    };
    const Row rows[] = {
        {"1", "0", 8},           {"0", "0", 4},        {"x", "0", 4},          {"", "0", 4},
        {"-1", "0", 0},          {"-3", "0", -8},      {"2", "1", 120},        {"1", "2", 480},
        {" +3", "0", 16},        {"12abc", "0", 52},   {"5", "7", 24},         {"5", "", 24},
        {"99999999999", "0", INT_MAX}, {"99999999999", "2", INT_MAX}, {"-99999999999", "0", INT_MIN},
        {"2147483647", "0", INT_MAX},  {"536870910", "0", 2147483644},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(std::string("'") + row.value + "' unit '" + row.unit + "'");
        TimerRig r(kTypeOffDelayTimer, row.value, row.unit);
        r.paint(true);
        EXPECT_EQ(r.s.view.m_timerCount[r.timer], row.preset);
        EXPECT_EQ(r.s.view.m_timerOutput[r.timer], 1);
        // Counting down from any preset ends with the output off and the count 0.
        for (int paint = 0; paint < 20 && r.s.view.m_timerOutput[r.timer] == 1; ++paint) r.paint(false);
        if (row.preset <= 20) {
            EXPECT_EQ(r.s.view.m_timerOutput[r.timer], 0);
            EXPECT_EQ(r.s.view.m_timerCount[r.timer], 0);
        }
    }
}

// Each member paint by paint, energised on the first paint after the erase: its
// state (the coil, or the cyclic pulse), its output and the time left shown
// ('.' for no counting box). Instantaneous contacts follow the state and delayed
// contacts the output, each one paint later.
TEST(TimerRelay, CountsPaintByPaint) {
    struct Row {
        const char* name;
        int type;
        const char* value;
        const char* voltage;
        const char* state;
        const char* output;
        const char* shown;
    };
    const Row rows[] = {
        {"on-delay P = 8", kTypeOnDelayTimer, "1",
         "11111111111100",
         "11111111111100",
         "00000001111100",
         "111100000000.."},
        {"off-delay P = 12", kTypeOffDelayTimer, "2",
         "1110000000000000",
         "1110000000000000",
         "1111111111111100",
         "...222211110000."},
        {"off-delay energised again while counting", kTypeOffDelayTimer, "0",
         "11001100000",
         "11001100000",
         "11111111100",
         "..00..0000."},
        {"on/off-delay P = 4", kTypeOnOffDelayTimer, "0",
         "11111100000",
         "11111100000",
         "00011111100",
         "0000..0000."},
        {"on/off-delay dropped before the on-delay", kTypeOnOffDelayTimer, "0",
         "1100111111",
         "1100111111",
         "0000000111",
         "00..0000.."},
        {"cyclic P = 4", kTypeCyclicTimer, "0",
         "111111111111100",
         "111000111100000",
         "000000100000000",
         "0000001000000.."},
        {"on-delay -1 switches at once", kTypeOnDelayTimer, "-1",
         "1110",
         "1110",
         "1110",
         "000."},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        TimerRig r(row.type, row.value);
        const CVelkarionView& v = r.s.view;
        int lastState = 0, lastOutput = 0;
        const std::string voltage = row.voltage;
        for (std::size_t p = 0; p < voltage.size(); ++p) {
            SCOPED_TRACE("paint " + std::to_string(p + 1));
            r.paint(voltage[p] == '1');
            EXPECT_EQ(v.m_state[r.timer], row.state[p] - '0');
            EXPECT_EQ(v.m_timerOutput[r.timer], row.output[p] - '0');
            const std::string shown = timeShown(r.dc);
            EXPECT_EQ(shown.empty() ? "." : shown, std::string(1, row.shown[p]));
            if (row.type == kTypeCyclicTimer) {
                // The pulse drives every auxiliary and timed contact.
                for (int c : {r.instant, r.onDelay, r.offDelay, r.onOffDelay}) EXPECT_EQ(v.m_state[c], lastState);
            } else {
                EXPECT_EQ(v.m_state[r.instant], lastState);
                EXPECT_EQ(v.m_state[r.delayedContact()], lastOutput);
            }
            lastState = v.m_state[r.timer];
            lastOutput = v.m_timerOutput[r.timer];
        }
    }
}

// The copies go by exact label into the member's own contact types only: the
// state into main and auxiliary contacts, the output into the member's timed
// contacts; the cyclic timer's state into every auxiliary and timed contact. A
// timer without a label drives nothing.
TEST(TimerRelay, CopiesIntoContactsOfEqualLabel) {
    struct Row {
        int timer;
        int firstDelayed;  // the member's timed contacts: four types from here
    };
    const Row rows[] = {{kTypeOnDelayTimer, kTypeOnDelayContactNO},
                        {kTypeOffDelayTimer, kTypeOffDelayContactNO},
                        {kTypeOnOffDelayTimer, kTypeOnOffDelayContactNO},
                        {kTypeCyclicTimer, -1}};
    std::vector<int> contactTypes = {kTypeMainContactsII, kTypeMainContactsIII, kTypeMainContactsIIII,
                                     kTypeMainContactsI, kTypeSwitchDisconnectorII, kTypePushButtonNO, kTypeCoil};
    for (int t = kTypeAuxContactNO; t <= kTypeOnOffDelayContactChangeover; ++t) contactTypes.push_back(t);
    for (const Row& row : rows) {
        for (const char* label : {"-K1", ""}) {
            for (int state : {0, 1}) {
                SCOPED_TRACE(std::string(CVelkarionView::routineNameFor(row.timer)) + " label '" + label +
                             "' state " + std::to_string(state));
                LoadSheet s;
                RecordingDc dc;
                std::vector<int> same, other;
                for (int type : contactTypes) {
                    same.push_back(s.addSymbol(type, 100, 100, label));
                    other.push_back(s.addSymbol(type, 100, 100, "-K2"));
                }
                const int timer = s.addLoad(row.timer, 40, 40, label);
                s.view.m_state[timer] = state;
                s.view.m_timerOutput[timer] = 1 - state;
                s.evaluate(dc, timer, 0);
                for (std::size_t i = 0; i < contactTypes.size(); ++i) {
                    const int type = contactTypes[i];
                    SCOPED_TRACE(type);
                    const bool instantaneous = type == kTypeMainContactsII || type == kTypeMainContactsIII ||
                                               type == kTypeMainContactsIIII || type == kTypeMainContactsI ||
                                               (type >= kTypeAuxContactNO && type <= kTypeAuxContactChangeover) ||
                                               (row.firstDelayed < 0 && type >= kTypeAuxContactNO &&
                                                type <= kTypeOnOffDelayContactChangeover);
                    const bool delayed = row.firstDelayed >= 0 && type >= row.firstDelayed && type < row.firstDelayed + 4;
                    int expected = 0;
                    if (label[0] != '\0' && instantaneous) expected = state;
                    if (label[0] != '\0' && delayed) expected = 1 - state;
                    EXPECT_EQ(s.view.m_state[same[i]], expected);
                    EXPECT_EQ(s.view.m_state[other[i]], 0);
                }
            }
        }
    }
}

// The time left fills exactly five text columns, right-aligned at the box, for
// one, two and three digits alike; wider values stop at five digits.
TEST(TimerRelay, TimeLeftFillsFiveColumns) {
    struct Row {
        const char* value;
        const char* unit;
        const char* text;
    };
    const Row rows[] = {
        {"1", "0", " 1   "},  {"0", "0", " 0   "},  {"99", "0", "99   "}, {"100", "0", "100  "},
        {"9", "1", " 9   "},  {"2", "2", " 2   "},  {"99999999999", "0", "99999"},
    };
    int align = -1;
    for (const Row& row : rows) {
        SCOPED_TRACE(row.value);
        TimerRig r(kTypeOnDelayTimer, row.value, row.unit);
        r.paint(true);
        std::optional<testkit::DcCall> text;
        for (const auto& call : r.dc.callsOf(DcOp::TextOut))
            if (call.textColor == g_colorRed && call.text.find_first_of("0123456789") != std::string::npos)
                text = call;
        ASSERT_TRUE(text) << r.dc.transcript();
        EXPECT_EQ(text->text, row.text);
        if (align < 0) align = text->textAlign;
        EXPECT_EQ(text->textAlign, align);
    }
}

// The sheet a user draws: an L-N supply, an on-delay timer -K1 (one second) wired
// across it, an auxiliary contact and an on-delay contact -K1. Simulate's first
// paint follows an erase and already counts: the output comes on the eighth paint,
// the timed contact on the ninth. A zoom, a scroll or an uncovered window between
// ticks redraws the body and the display box and counts like any paint: it neither
// restarts nor cuts the delay.
TEST(TimerScenario, FirstPaintAndViewChangesKeepTheDelay) {
    enum Action { Tick, ZoomIn, ZoomOut, Scroll, Uncover };
    const std::vector<std::vector<Action>> runs = {
        {Tick, Tick, Tick, Tick, Tick, Tick, Tick, Tick},
        {Tick, ZoomIn, Tick, Scroll, Uncover, ZoomOut, Tick, Tick},
    };
    for (std::size_t run = 0; run < runs.size(); ++run) {
        SCOPED_TRACE(run == 0 ? "ticks only" : "view changes between ticks");
        testkit::Session session;
        session.writeFile("timer_drives_contacts.cad", fixtureText("timer_drives_contacts.cad"));
        CVelkarionView& v = session.openSheet("timer_drives_contacts.cad");
        const int timer = 1, instant = 2, neutral = 6, delayed = 7;
        ASSERT_EQ(v.m_type[timer], kTypeOnDelayTimer);
        ASSERT_EQ(v.m_type[delayed], kTypeOnDelayContactNO);

        v.OnModeRun();
        session.flush();
        EXPECT_EQ(v.m_state[timer], 1);
        EXPECT_EQ(v.m_timerCount[timer], 7) << "the first paint loads the preset and counts";
        const auto screen = [&](int cx, int cy) {
            const double zoom = session.document(v).m_zoom;
            const Point scroll = v.scrollPosition();
            return Point{static_cast<int>(static_cast<int>(v.m_x[timer] * zoom) + cx * zoom / 5) - scroll.x,
                         static_cast<int>(static_cast<int>(v.m_y[timer] * zoom) + cy * zoom / 5) - scroll.y};
        };
        int paint = 1;
        for (Action a : runs[run]) {
            ++paint;
            SCOPED_TRACE("paint " + std::to_string(paint));
            switch (a) {
                case Tick: session.tick(v); break;
                case ZoomIn: v.OnZoomIn(); break;
                case ZoomOut: v.OnZoomOut(); break;
                case Scroll: v.OnVScroll(kScrollLineDown, 0); break;
                case Uncover: v.invalidate(true); break;
            }
            session.flush();
            EXPECT_EQ(v.m_timerCount[timer], paint < 8 ? 8 - paint : 0);
            EXPECT_EQ(v.m_timerOutput[timer], paint >= 8 ? 1 : 0);
            EXPECT_EQ(v.m_state[delayed], paint >= 9 ? 1 : 0);
            EXPECT_EQ(v.m_state[instant], 1);
            const Surface& surface = session.surface(v);
            EXPECT_EQ(surface.pixel(screen(5, 30).x, screen(5, 30).y), g_colorSilver) << "the body";
            EXPECT_EQ(surface.pixel(screen(26, 30).x, screen(26, 30).y), g_colorSilver) << "the counting box";
        }
        session.tick(v);
        EXPECT_EQ(v.m_state[delayed], 1);

        // Dropped: the output goes with the coil; an uncovered window then shows the
        // white body and the idle box.
        v.m_deleted[neutral] = 1;
        session.tick(v);
        EXPECT_EQ(v.m_state[timer], 0);
        EXPECT_EQ(v.m_timerOutput[timer], 0);
        v.invalidate(true);
        session.flush();
        const Surface& surface = session.surface(v);
        EXPECT_EQ(surface.pixel(screen(5, 30).x, screen(5, 30).y), g_colorWhite);
        EXPECT_EQ(surface.pixel(screen(38, 30).x, screen(38, 30).y), g_colorGrey) << "the idle box";
        session.tick(v);
        EXPECT_EQ(v.m_state[delayed], 0);
        EXPECT_TRUE(session.messages().empty());
    }
}

// The preview shows the default label and names and no display box; outside
// simulation the coil and the member glyph are drawn in the paint's colour.
TEST(TimerSymbols, PreviewAndGlyphs) {
    struct Row {
        int type;
        int lines;
        int polygons;
    };
    const Row rows[] = {
        {kTypeOnDelayTimer, 11, 0},
        {kTypeOffDelayTimer, 8, 1},
        {kTypeOnOffDelayTimer, 11, 1},
        {kTypeCyclicTimer, 14, 0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(CVelkarionView::routineNameFor(row.type));
        LoadSheet s;
        RecordingDc dc;
        s.drawPreview(dc, row.type, 200, 200);
        std::vector<std::string> texts;
        for (const auto& call : dc.callsOf(DcOp::TextOut)) texts.push_back(call.text);
        EXPECT_EQ(texts, (std::vector<std::string>{"   -K", "A1", "A2"}));
        EXPECT_EQ(dc.count(DcOp::LineTo), row.lines);
        EXPECT_EQ(dc.count(DcOp::Polygon), row.polygons);
        for (const auto& call : dc.calls()) {
            if (!isDrawingOp(call.op) || call.op == DcOp::TextOut) continue;
            EXPECT_EQ(call.pen.color, g_colorRed);
        }
    }
}
