// The timer relays: on-delay, off-delay, on/off-delay and cyclic. Each is a coil
// whose instantaneous contacts follow it at once, with a counter that moves a
// delayed output (or, on the cyclic timer, pulses the state) after a preset number
// of simulation ticks; while simulating a small box beside the coil shows the time
// left. One routine serves the four over a table; they differ in the contacts
// their output drives, the glyph and the counting rule.
#include <algorithm>
#include <cctype>
#include <climits>
#include <cstdio>
#include <string>

#include "model/VelkarionView.h"
#include "render/Colors.h"
#include "render/Paint.h"
#include "symbols/ComponentFrame.h"
#include "symbols/control/VoltageTest.h"

namespace velk {

namespace {

enum class TimerKind { OnDelay, OffDelay, OnOffDelay, Cyclic };

struct TimerForm {
    TimerKind kind;
    // The contacts that follow the state, and those that follow the delayed output
    // (nullptr: none).
    bool (*followsState)(int type);
    bool (*followsOutput)(int type);
    Commands glyph;
};

constexpr LabelLayout kTimerLabels{
    "-K", {"TEXT,%3s,%3s,%5s,2", "-030", "+022"}, {"TEXT,%3s,%3s,%5s,2", "-030", "+037"}};
constexpr const char* kA1 = "NUME,+005,+000,%c%c%c%c";
constexpr const char* kA2 = "NUME,+005,+045,%c%c%c%c";

constexpr const char* kBoxFill[] = {"POLI,-020,+020,+020,+020,+020,+040,-020,+040"};
constexpr const char* kCoilOutline[] = {
    "LINE,+000,+000,+000,+015", "LINE,+000,+045,+000,+060", "LINE,+000,+015,+000,+020",
    "LINE,+000,+040,+000,+045", "LINE,-020,+020,+020,+020", "LINE,-020,+040,+020,+040",
    "LINE,-020,+020,-020,+040", "LINE,+020,+020,+020,+040",
};

constexpr const char* kOnDelayGlyph[] = {
    "LINE,-005,+020,-005,+040",
    "LINE,-020,+040,-005,+020",
    "LINE,-020,+020,-005,+040",
};
constexpr const char* kOffDelayGlyph[] = {"POLI,-020,+020,-005,+020,-005,+040,-020,+040"};
constexpr const char* kOnOffDelayGlyph[] = {
    "LINE,-013,+020,-013,+040",
    "LINE,-020,+040,-013,+020",
    "LINE,-020,+020,-013,+040",
    "POLI,-013,+020,-004,+020,-004,+040,-013,+040",
};
constexpr const char* kCyclicGlyph[] = {
    "LINE,-005,+020,-005,+040", "LINE,-017,+033,-014,+033", "LINE,-014,+033,-014,+027",
    "LINE,-014,+027,-010,+027", "LINE,-010,+027,-010,+033", "LINE,-010,+033,-007,+033",
};

// The display box beside the coil: sunk and grey while idle, silver (one unit wider,
// over the dark right edge) with the time left while counting.
constexpr const char* kIdleBoxFill = "POLI,+024,+023,+041,+023,+041,+037,+024,+037";
constexpr const char* kIdleBoxLight[] = {"LINE,+024,+023,+041,+023", "LINE,+024,+023,+024,+037"};
constexpr const char* kIdleBoxShadow[] = {"LINE,+024,+037,+041,+037", "LINE,+041,+023,+041,+037"};
constexpr const char* kCountingBoxFill = "POLI,+024,+023,+042,+023,+042,+037,+024,+037";
constexpr const char* kTimeLeftPrefix = "TEXT,+052,+023,";
constexpr const char* kTimeLeftSuffix = ",2";
constexpr std::size_t kTimeLeftColumns = 5;

bool isOnDelayContact(int t) { return t >= kTypeOnDelayContactNO && t <= kTypeOnDelayContactChangeover; }
bool isOffDelayContact(int t) { return t >= kTypeOffDelayContactNO && t <= kTypeOffDelayContactChangeover; }
bool isOnOffDelayContact(int t) {
    return t >= kTypeOnOffDelayContactNO && t <= kTypeOnOffDelayContactChangeover;
}
// The cyclic timer's pulse drives every auxiliary and timed contact as well.
bool followsCyclicTimer(int t) {
    return followsCoil(t) || (t >= kTypeAuxContactNO && t <= kTypeOnOffDelayContactChangeover);
}

constexpr TimerForm kOnDelayTimer{TimerKind::OnDelay, followsCoil, isOnDelayContact, kOnDelayGlyph};
constexpr TimerForm kOffDelayTimer{TimerKind::OffDelay, followsCoil, isOffDelayContact, kOffDelayGlyph};
constexpr TimerForm kOnOffDelayTimer{TimerKind::OnOffDelay, followsCoil, isOnOffDelayContact, kOnOffDelayGlyph};
constexpr TimerForm kCyclicTimer{TimerKind::Cyclic, followsCyclicTimer, nullptr, kCyclicGlyph};

struct UnitRow {
    const char* code;
    int ticks;
};
// Ticks per unit of 1 s, 10 s and 60 s; a code no dialog writes counts as seconds.
constexpr UnitRow kUnits[] = {{"0", 4}, {"1", 40}, {"2", 240}};

int ticksPerUnit(const std::string& code) {
    for (const UnitRow& row : kUnits)
        if (code == row.code) return row.ticks;
    return kUnits[0].ticks;
}

// The delay as a decimal number: leading blanks and a sign, digits up to the first
// other character, none giving 0. A number beyond the int range stops at its edge.
long long delayValue(const std::string& text) {
    std::size_t i = 0;
    while (i < text.size() && std::isspace(static_cast<unsigned char>(text[i]))) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    long long value = 0;
    for (; i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])); ++i) {
        value = value * 10 + (text[i] - '0');
        if (value > static_cast<long long>(INT_MAX) + 1) value = static_cast<long long>(INT_MAX) + 1;
    }
    if (negative) value = -value;
    return std::clamp<long long>(value, INT_MIN, INT_MAX);
}

// The preset in ticks, (value + 1) units, kept inside the int range.
int presetTicks(const std::string& value, const std::string& unit) {
    const long long p = (delayValue(value) + 1) * ticksPerUnit(unit);
    return static_cast<int>(std::clamp<long long>(p, INT_MIN, INT_MAX));
}

// The time left always fills the five text columns, so the alignment digit stays
// where the interpreter reads it.
std::string timeLeftCommand(int count, int ticks) {
    const int units = std::clamp(count / ticks, -9999, 99999);
    char digits[16];
    std::snprintf(digits, sizeof digits, "%2d", units);
    std::string field(digits);
    field.resize(kTimeLeftColumns, ' ');
    return kTimeLeftPrefix + field + kTimeLeftSuffix;
}

// One pass-5 evaluation of a timer relay.
class TimerStep {
public:
    TimerStep(ComponentFrame& f, bool energised)
        : m_f(f),
          m_v(f.view()),
          m_s(f.slot()),
          m_energised(energised),
          m_ticks(ticksPerUnit(m_v.m_timerUnit[m_s])),
          m_preset(presetTicks(m_v.m_timerValue[m_s], m_v.m_timerUnit[m_s])),
          // An erase of the view is no edge: only the voltage last acted on tells.
          m_edge(latchEdge(energised, m_v.m_coilVoltageSeen[m_s])),
          m_erased(m_v.m_drawnState[m_s] == -1) {}

    bool rising() const { return m_edge == Edge::Rising; }
    bool falling() const { return m_edge == Edge::Falling; }
    bool energised() const { return m_energised; }
    int preset() const { return m_preset; }
    int& state() { return m_v.m_state[m_s]; }
    int& count() { return m_v.m_timerCount[m_s]; }
    int& output() { return m_v.m_timerOutput[m_s]; }

    void silverBody() { fillBody(m_f, Edge::Rising, kBoxFill); }
    void whiteBody() { fillBody(m_f, Edge::Falling, kBoxFill); }
    void idleBox() {
        m_f.setPenColor(g_colorGrey);
        m_f.draw(kIdleBoxFill);
        m_f.setPenColor(g_colorSilver);
        m_f.draw(kIdleBoxLight);
        m_f.setPenColor(g_colorBlack);
        m_f.draw(kIdleBoxShadow);
        m_f.setPenColor(g_colorGrey);
    }
    // Leaves the pen red.
    void countingBox() {
        m_f.setPenColor(g_colorSilver);
        m_f.draw(kCountingBoxFill);
        m_f.setPenColor(g_colorRed);
        m_f.draw(timeLeftCommand(count(), m_ticks));
    }
    void countingBoxKeepingPen() {
        const Color pen = m_v.m_penColor;
        countingBox();
        m_f.setPenColor(pen);
    }
    // One tick less; true once the count has run out.
    bool countDown() {
        if (count() > INT_MIN) --count();
        return count() <= 0;
    }

    // After the member's edge rules: what an erase took from the screen comes back,
    // the body in the colour of the voltage and the idle box (a member that counts
    // draws its counting box over it), in the pen the edge rules left. Then the
    // voltage is remembered.
    void finishEdges() {
        if (m_erased) {
            const Color pen = m_v.m_penColor;
            if (m_edge == Edge::None) fillBody(m_f, m_energised ? Edge::Rising : Edge::Falling, kBoxFill);
            if (m_edge != Edge::Falling) idleBox();
            m_f.setPenColor(pen);
        }
        const int seen = m_energised ? 1 : 0;
        m_v.m_drawnState[m_s] = seen;
        m_v.m_coilVoltageSeen[m_s] = seen;
    }

private:
    ComponentFrame& m_f;
    CVelkarionView& m_v;
    const int m_s;
    const bool m_energised;
    const int m_ticks;
    const int m_preset;
    const Edge m_edge;
    const bool m_erased;
};

void onDelay(TimerStep& t) {
    if (t.rising()) {
        t.state() = 1;
        t.silverBody();
        t.count() = t.preset();
    }
    if (t.falling()) {
        t.state() = 0;
        t.count() = 0;
        t.output() = 0;
        t.whiteBody();
        t.idleBox();
    }
    t.finishEdges();
    if (t.state() == 1) {
        if (t.countDown()) {
            t.output() = 1;
            t.count() = 0;
        } else {
            t.output() = 0;
        }
        t.countingBox();
    }
}

void offDelay(TimerStep& t) {
    if (t.rising()) {
        t.state() = 1;
        t.output() = 1;
        t.count() = t.preset();
        t.silverBody();
    }
    if (t.falling()) {
        t.state() = 0;
        t.whiteBody();
        t.idleBox();
    }
    t.finishEdges();
    if (t.state() == 0 && t.output() == 1) {
        if (t.countDown()) {
            t.output() = 0;
            t.count() = 0;
        }
        t.countingBoxKeepingPen();
    }
}

void onOffDelay(TimerStep& t) {
    if (t.rising()) {
        t.state() = 1;
        t.output() = 0;
        t.count() = t.preset();
        t.silverBody();
    }
    if (t.falling()) {
        t.state() = 0;
        t.whiteBody();
        t.idleBox();
    }
    t.finishEdges();
    // In this order: the evaluation in which the on-delay ends already loads the
    // off-delay.
    if (t.state() == 1 && t.output() == 0) {
        if (t.countDown()) {
            t.output() = 1;
            t.count() = 0;
        }
        t.countingBoxKeepingPen();
    }
    if (t.state() == 1 && t.output() == 1) t.count() = t.preset();
    if (t.state() == 0 && t.output() == 1) {
        if (t.countDown()) {
            t.output() = 0;
            t.count() = 0;
        }
        t.countingBoxKeepingPen();
    }
}

// The state pulses while the coil carries voltage; the output marks the end of an
// on-phase.
void cyclic(TimerStep& t) {
    if (t.rising() && t.count() == 0) {
        t.state() = 1;
        t.silverBody();
        t.count() = t.preset();
    }
    if (t.falling()) {
        t.state() = 0;
        t.count() = 0;
        t.output() = 0;
        t.whiteBody();
        t.idleBox();
    }
    t.finishEdges();
    if (t.state() == 1) {
        if (t.countDown()) {
            t.output() = 1;
            t.count() = 0;
            t.state() = 0;
        } else {
            t.output() = 0;
        }
        t.countingBox();
    }
    if (t.energised() && t.state() == 0 && t.count() <= 0 && t.output() == 1) t.count() = t.preset();
    if (t.energised() && t.state() == 0) {
        if (t.countDown()) {
            t.output() = 1;
            t.count() = t.preset();
            t.state() = 1;
        } else {
            t.output() = 0;
        }
        t.countingBox();
    }
}

// The timer as an erase during the run redraws it, with nothing evaluated: the body
// in the colour of the voltage last acted on, the idle box, and over it the
// counting box with the time left while the member counts.
void showTimer(ComponentFrame& f, const TimerForm& form) {
    CVelkarionView& v = f.view();
    const bool energised = v.m_coilVoltageSeen[f.slot()] == 1;
    TimerStep t(f, energised);
    const Color pen = v.m_penColor;
    if (energised)
        t.silverBody();
    else
        t.whiteBody();
    t.idleBox();
    f.setPenColor(pen);
    const bool on = t.state() == 1;
    const bool out = t.output() == 1;
    switch (form.kind) {
        case TimerKind::OnDelay:
            if (on) t.countingBox();
            break;
        case TimerKind::OffDelay:
            if (!on && out) t.countingBoxKeepingPen();
            break;
        case TimerKind::OnOffDelay:
            if (on != out) t.countingBoxKeepingPen();
            break;
        case TimerKind::Cyclic:
            if (energised) t.countingBox();
            break;
    }
}

void drawTimer(CVelkarionView& view, Dc& dc, double zoom, int ox, int oy, const TimerForm& form) {
    ComponentFrame f(view, dc, zoom, ox, oy);
    f.drawLabels(kTimerLabels);
    f.useStateColor();
    f.drawTerminal(kA1, f.terminalName(0, "A1"));
    const char a1 = letterAtTerminal(f);
    f.drawTerminal(kA2, f.terminalName(1, "A2"));
    const char a2 = letterAtTerminal(f);
    if (f.evaluating()) {
        const int s = f.slot();
        // The copies come before this call's evaluation: the contacts see what the
        // last pass set from the first pass of the next paint. A timer without a
        // label drives nothing.
        if (!view.m_label[s].empty()) {
            copyStateToSlaves(view, s, form.followsState);
            if (form.followsOutput) copyStateToSlaves(view, s, form.followsOutput, view.m_timerOutput[s]);
        }
        const bool energised = voltageAcross(a1, a2);
        if (g_simPass == kFinalSimPass) {
            TimerStep t(f, energised);
            switch (form.kind) {
                case TimerKind::OnDelay: onDelay(t); break;
                case TimerKind::OffDelay: offDelay(t); break;
                case TimerKind::OnOffDelay: onOffDelay(t); break;
                case TimerKind::Cyclic: cyclic(t); break;
            }
        }
    }
    if (f.showing()) showTimer(f, form);
    // The cyclic timer's outline shows the voltage, not the pulse.
    if (form.kind == TimerKind::Cyclic && !f.preview() && view.m_coilVoltageSeen[f.slot()] == 1)
        f.setPenColor(g_colorRed);
    f.draw(kCoilOutline);
    f.draw(form.glyph);
}

}  // namespace

void CVelkarionView::DrawOnDelayTimer(Dc& dc, double zoom, int ox, int oy) {
    drawTimer(*this, dc, zoom, ox, oy, kOnDelayTimer);
}

void CVelkarionView::DrawOffDelayTimer(Dc& dc, double zoom, int ox, int oy) {
    drawTimer(*this, dc, zoom, ox, oy, kOffDelayTimer);
}

void CVelkarionView::DrawOnOffDelayTimer(Dc& dc, double zoom, int ox, int oy) {
    drawTimer(*this, dc, zoom, ox, oy, kOnOffDelayTimer);
}

void CVelkarionView::DrawCyclicTimer(Dc& dc, double zoom, int ox, int oy) {
    drawTimer(*this, dc, zoom, ox, oy, kCyclicTimer);
}

}  // namespace velk
