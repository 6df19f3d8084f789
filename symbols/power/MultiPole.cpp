// The procedure shared by the multi-pole protective devices (see MultiPole.h).
#include "symbols/power/MultiPole.h"

#include <cstdio>
#include <cstring>

namespace velk {

namespace {

constexpr int kPolePitch = 30;
constexpr std::size_t kWordLength = 4;
constexpr std::size_t kColumnWidth = 5;  // four characters and the comma

constexpr const char* kTopNames[kMaxDevicePoles] = {"1", "3", "5", "7"};
constexpr const char* kBottomNames[kMaxDevicePoles] = {"2", "4", "6", "8"};

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// A four-character number column: a sign or digit, then three digits.
bool readColumn(const std::string& s, std::size_t at, int& value) {
    if (at + 4 > s.size()) return false;
    const char lead = s[at];
    if (lead != '+' && lead != '-' && !isDigit(lead)) return false;
    for (std::size_t i = 1; i < 4; ++i)
        if (!isDigit(s[at + i])) return false;
    value = (s[at + 1] - '0') * 100 + (s[at + 2] - '0') * 10 + (s[at + 3] - '0');
    if (isDigit(lead)) value += (lead - '0') * 1000;
    if (lead == '-') value = -value;
    return true;
}

void drawSteps(ComponentFrame& f, const MultiPoleRow& row, PictureSteps steps) {
    for (const PictureStep& step : steps) {
        if (step.scope == StepScope::Device) {
            for (int run : step.runs)
                if (run > 0 && run < kMaxDeviceRuns) f.draw(row.deviceRuns[run]);
            continue;
        }
        const int last = row.poleCount - 1;
        for (int p = 0; p <= last; ++p) {
            if (step.scope == StepScope::EachPoleButLast && p == last) continue;
            if (step.scope == StepScope::LastPole && p != last) continue;
            const PoleForm* form = row.poles[p];
            if (!form) continue;
            for (int run : step.runs) {
                if (run <= 0 || run >= kMaxPoleRuns) continue;
                for (const char* command : form->runs[run]) f.draw(shiftedCommand(command, kPolePitch * p));
            }
        }
    }
}

bool poleConducts(PoleCondition condition, int state) {
    switch (condition) {
        case PoleCondition::StateZero: return state == 0;
        case PoleCondition::StateOne: return state == 1;
        case PoleCondition::Always: return true;
    }
    return false;
}

}  // namespace

std::string shiftedCommand(const char* command, int dx) {
    std::string s(command);
    if (dx == 0 || s.compare(0, kWordLength, "TEXT") == 0) return s;
    // The columns start at characters 5, 10, 15...; x is every other one, from
    // the first, up to the first column that is no number (a terminal's name).
    for (std::size_t i = 0;; ++i) {
        const std::size_t at = kWordLength + 1 + i * kColumnWidth;
        int value = 0;
        if (!readColumn(s, at, value)) break;
        if (i % 2 != 0) continue;
        char column[8];
        std::snprintf(column, sizeof column, "%+04d", value + dx);
        if (std::strlen(column) != 4) break;  // beyond what a column holds
        s.replace(at, 4, column);
    }
    return s;
}

std::string movedCommand(const char* command, int dx, int dy) {
    std::string s(command);
    for (std::size_t i = 0;; ++i) {
        const std::size_t at = kWordLength + 1 + i * kColumnWidth;
        int value = 0;
        if (!readColumn(s, at, value)) break;
        char column[8];
        std::snprintf(column, sizeof column, "%+04d", value + (i % 2 == 0 ? dx : dy));
        if (std::strlen(column) != 4) break;  // beyond what a column holds
        s.replace(at, 4, column);
    }
    return s;
}

void DrawMultiPole(CVelkarionView& view, Dc& dc, double zoom, int x, int y, const MultiPoleRow& row) {
    const MultiPoleFamily& family = *row.family;
    const int poles = row.poleCount < kMaxDevicePoles ? row.poleCount : kMaxDevicePoles;
    ComponentFrame f(view, dc, zoom, x, y);

    f.drawLabels(row.labels);
    if (row.extraTexts) row.extraTexts(f);
    const int state = f.state();
    const bool operated = family.operated == OperatedWhen::StateOne ? state == 1 : state != 0;
    if (!row.namesInPaintColor) f.setPenColor(operated ? g_colorRed : g_colorGrey);

    for (int p = 0; p < poles; ++p)
        f.terminal(shiftedCommand(row.topTerminal, kPolePitch * p).c_str(), p, kTopNames[p]);
    for (int p = 0; p < poles; ++p)
        f.terminal(shiftedCommand(row.bottomTerminal, kPolePitch * p).c_str(), poles + p, kBottomNames[p]);

    Pole pairs[kMaxDevicePoles];
    for (int p = 0; p < poles; ++p) pairs[p] = {p, poles + p};
    if (!f.conductPoles(pairs, static_cast<std::size_t>(poles), poleConducts(family.condition, state),
                        ClashCheck::Sides))
        return;

    if (family.mode == PictureMode::EveryCall) {
        drawSteps(f, row, family.outside);
        return;
    }
    if (!f.evaluating() && !f.showing()) {
        drawSteps(f, row, family.outside);
        return;
    }
    f.drawStateParts(
        [&](ComponentFrame::PicturePart part) {
            switch (part) {
                case ComponentFrame::PicturePart::Fixed: drawSteps(f, row, family.fixed); break;
                case ComponentFrame::PicturePart::Rest: drawSteps(f, row, family.rest); break;
                case ComponentFrame::PicturePart::Operated: drawSteps(f, row, family.operatedParts); break;
            }
        },
        operated);
}

}  // namespace velk
