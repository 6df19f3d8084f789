#include "symbols/logic/GrafcetToken.h"

#include "render/Colors.h"
#include "render/Potentials.h"
#include "render/Terminals.h"
#include "symbols/ComponentFrame.h"

namespace velk::chart {

namespace {

Point unitsOf(int x, int y) { return {x * kCommandUnitsPerUnit, y * kCommandUnitsPerUnit}; }

bool atTerminal(Point p) { return g_terminalUnitsValid && p == g_terminalUnits; }

}  // namespace

bool isLiveOf(const CVelkarionView& v, int i, int type) { return v.isLive(i) && v.m_type[i] == type; }

bool isStepOrInitial(const CVelkarionView& v, int i) {
    return isLiveOf(v, i, kTypeGrafcetStep) || isLiveOf(v, i, kTypeGrafcetInitialStep);
}

bool endContact(const CVelkarionView& v, int line) {
    return atTerminal(unitsOf(v.m_x[line], v.m_y[line])) || atTerminal(unitsOf(v.m_x2[line], v.m_y2[line]));
}

bool onLineContact(const CVelkarionView& v, int line) {
    if (!g_terminalUnitsValid || v.m_y[line] != v.m_y2[line]) return false;
    const Point a = unitsOf(v.m_x[line], v.m_y[line]), b = unitsOf(v.m_x2[line], v.m_y2[line]);
    const Point p = g_terminalUnits;
    return p.y == a.y && a.x <= p.x && p.x <= b.x;
}

bool contactAt(const CVelkarionView& v, int element, Point offset, Point at) {
    const Point p = unitsOf(v.m_x[element], v.m_y[element]);
    return Point{p.x + offset.x, p.y + offset.y} == at;
}

bool directContact(const CVelkarionView& v, int element, Point offset) {
    return g_terminalUnitsValid && contactAt(v, element, offset, g_terminalUnits);
}

bool hasToken(const CVelkarionView& v, int line) { return v.m_potential[line] == kPotentialNeutral; }

void copyNet(CVelkarionView& v, int line) {
    const int net = v.m_netNumber[line];
    const int source = v.m_state[line];
    const char letter = v.m_potential[line].letter();
    for (int k = 0; k < v.m_componentCount; ++k) {
        if (!isLiveOf(v, k, kTypeGrafcetLink) || v.m_netNumber[k] != net) continue;
        v.m_state[k] = source;
        v.m_potential[k].setLetter(letter);
    }
}

void putToken(CVelkarionView& v, int line, int by) {
    v.m_potential[line].setLetter(kPotentialNeutral);
    v.m_state[line] = by;
    copyNet(v, line);
}

void consumeToken(CVelkarionView& v, int line) {
    v.m_potential[line].setLetter(kPotentialNone);
    v.m_state[line] = kNoTokenSource;
    copyNet(v, line);
}

void drawTerminal(ComponentFrame& f, const char* format, int k) { f.drawTerminal(format, f.terminalName(k, " ")); }

void useActivityColor(ComponentFrame& f, bool active) { f.setPenColor(active ? g_colorBlue : g_colorGrey); }

void drawLabel(ComponentFrame& f, const char* format, const char* dx, const char* dy, const char* previewText) {
    std::string text;
    if (f.preview())
        text = previewText;
    else if (f.view().m_labelVisible[f.slot()] == 1)
        text = labelField(f.view().m_label[f.slot()]);
    f.draw(textCommand(TextSpot{format, dx, dy}, text));
}

}  // namespace velk::chart
