// Terminals and connection points: the feed-through terminal passes a letter
// from one side to the other; terminal circles and strips only draw, on top of the
// wire ends; a connection point joins every point of the other hand that has its
// label, so a circuit goes on elsewhere on the sheet.
#include "model/VelkarionView.h"
#include "render/Colors.h"
#include "render/Potentials.h"
#include "render/SheetCoords.h"
#include "symbols/ComponentFrame.h"

namespace velk {

namespace {

// --- feed-through terminal ------------------------------------------------------------

constexpr LabelLayout kTerminalILabels{
    "-X", {"TEXT,%3s,%3s,%5s,3", "-003", "+023"}, {"TEXT,%3s,%3s,%5s,2", "-015", "-015"}};
constexpr const char* kTerminalIBox[] = {
    "LINE,-015,+000,+015,+000",
    "LINE,+015,+000,+015,+060",
    "LINE,+015,+060,-015,+060",
    "LINE,-015,+060,-015,+000",
};
constexpr Pole kTopToBottom[] = {{0, 1}};

// --- terminal circles and strips ------------------------------------------------------

constexpr LabelLayout kCircleLabels{
    "-X", {"TEXT,%3s,%3s,%5s,2", "-010", "-015"}, {"TEXT,%3s,%3s,%5s,2", "-015", "-000"}};
// Circle k stands 30 units right of circle 0.
constexpr const char* kCircleOutlines[] = {
    "ELIP,-004,-004,+005,+005",
    "ELIP,+026,-004,+035,+005",
    "ELIP,+056,-004,+065,+005",
    "ELIP,+086,-004,+095,+005",
};
constexpr int kCircleSpacing = 30;

// White discs under the outlines hide the wire ends, so each terminal shows as an
// open circle over its wire. The discs turn with the symbol, like the outlines.
void drawTerminalCircles(ComponentFrame& f, int count, bool withTerminal) {
    CVelkarionView& v = f.view();
    f.drawLabels(kCircleLabels);
    if (withTerminal) f.drawTerminal("NUME,+005,+000,%c%c%c%c", f.terminalName(0, " "));

    const SheetDocument* doc = v.GetDocument();
    const bool monochrome = v.m_printing == 1 && doc && doc->m_printInColor == 0;
    const int code = f.preview() ? v.m_toolOrientation : v.m_orientation[f.slot()];
    const auto device = [&f](Point p) {
        return Point{truncatedPixels(f.originX() + p.x * f.scale()), truncatedPixels(f.originY() + p.y * f.scale())};
    };
    Dc& dc = f.dc();
    const Pen previousPen = dc.selectPen(Pen{PenStyle::Solid, v.m_penWidth, monochrome ? g_colorBlack : g_colorWhite});
    const Brush previousBrush = dc.selectBrush(Brush::white());
    for (int k = 0; k < count; ++k) {
        const int x = kCircleSpacing * k;
        const Point a = device(turnedPoint(code, x - 4, -4));
        const Point b = device(turnedPoint(code, x + 5, 5));
        const Rect box = Rect{a.x, a.y, b.x, b.y}.normalized();
        dc.ellipse(box.left, box.top, box.right, box.bottom);
    }
    dc.selectPen(previousPen);
    for (int k = 0; k < count; ++k) f.draw(kCircleOutlines[k]);
    dc.selectBrush(previousBrush);
}

// --- connection points ------------------------------------------------------------------

struct ConnectionPointRow {
    int partnerType;
    LabelLayout labels;
    Commands flag;
    const char* terminal;
};

constexpr const char* kFlagLeft[] = {
    "LINE,-015,-007,+000,-007", "LINE,+000,-007,+015,+000", "LINE,+015,+000,+000,+007",
    "LINE,+000,+007,-015,+007", "LINE,-015,+007,-015,-007", "LINE,-030,+000,-015,+000",
};
constexpr const char* kFlagRight[] = {
    "LINE,-015,+000,+000,+000", "LINE,-015,+000,-030,-007", "LINE,-030,-007,-045,-007",
    "LINE,-045,-007,-045,+007", "LINE,-045,+007,-030,+007", "LINE,-030,+007,-015,+000",
};
constexpr ConnectionPointRow kPointLeft{
    kTypeConnectionPointRight,
    {"-X", {"TEXT,%3s,%3s,%5s,0", "+020", "-007"}, {"TEXT,%3s,%3s,%5s,0", "+020", "+007"}},
    kFlagLeft,
    "NUME,-025,+000,%c%c%c%c",
};
constexpr ConnectionPointRow kPointRight{
    kTypeConnectionPointLeft,
    {"-X", {"TEXT,%3s,%3s,%5s,2", "-050", "-007"}, {"TEXT,%3s,%3s,%5s,2", "-050", "+007"}},
    kFlagRight,
    "NUME,+005,+000,%c%c%c%c",
};

// The point takes the letter of its wire, exchanges letters with every point of
// the other hand that has its label, and gives its letter back to its wires.
void exchangeAtConnectionPoint(ComponentFrame& f, int partnerType) {
    CVelkarionView& v = f.view();
    const int self = f.slot();
    const int wire = v.wireAtTerminal();
    if (wire >= 0) v.m_potential[self].setLetter(v.m_potential[wire].letter());

    for (int j = 0; j < v.m_componentCount; ++j) {
        if (!v.isLive(j) || v.m_type[j] != partnerType) continue;
        if (!CVelkarionView::labelsEqual(v.m_label[j], v.m_label[self])) continue;
        const char theirs = v.m_potential[j].letter();
        if (v.m_potential[self] == kPotentialNone && theirs != kPotentialNone) v.m_potential[self].setLetter(theirs);
        const char mine = v.m_potential[self].letter();
        if (mine != kPotentialNone && theirs == kPotentialNone) v.m_potential[j].setLetter(mine);
        if (mine != kPotentialNone && theirs != kPotentialNone && mine != theirs && !f.checkClash(mine, theirs))
            return;
    }

    const char mine = v.m_potential[self].letter();
    for (int j = v.nextWireAtTerminal(-1); j >= 0; j = v.nextWireAtTerminal(j)) v.m_potential[j].setLetter(mine);
}

void drawConnectionPoint(CVelkarionView& view, Dc& dc, double zoom, int ox, int oy, const ConnectionPointRow& row) {
    ComponentFrame f(view, dc, zoom, ox, oy);
    // Where terminal references are shown, the point repeats at its terminal the
    // text it drew last.
    const std::string shown = f.drawLabels(row.labels);
    f.draw(row.flag);
    f.drawTerminal(row.terminal, shown);
    if (f.evaluating()) exchangeAtConnectionPoint(f, row.partnerType);
}

}  // namespace

void CVelkarionView::DrawTerminalI(Dc& dc, double zoom, int ox, int oy) {
    ComponentFrame f(*this, dc, zoom, ox, oy);
    f.drawLabels(kTerminalILabels);
    f.draw(kTerminalIBox);
    f.terminal("NUME,+005,+000,%c%c%c%c", 0, " ");
    f.terminal("NUME,+005,+045,%c%c%c%c", 1, " ");
    // It passes letters both ways and reports nothing, until a device of equal
    // label operated by the user gives it state 1.
    f.conductPoles(kTopToBottom, f.state() == 0, ClashCheck::None);
}

void CVelkarionView::DrawTerminalII(Dc& dc, double zoom, int ox, int oy) {
    ComponentFrame f(*this, dc, zoom, ox, oy, ComponentFrame::Brush::Keep);
    drawTerminalCircles(f, 1, true);
}

void CVelkarionView::DrawTerminalStrip2(Dc& dc, double zoom, int ox, int oy) {
    ComponentFrame f(*this, dc, zoom, ox, oy, ComponentFrame::Brush::Keep);
    drawTerminalCircles(f, 2, false);
}

void CVelkarionView::DrawTerminalStrip3(Dc& dc, double zoom, int ox, int oy) {
    ComponentFrame f(*this, dc, zoom, ox, oy, ComponentFrame::Brush::Keep);
    drawTerminalCircles(f, 3, false);
}

void CVelkarionView::DrawTerminalStrip4(Dc& dc, double zoom, int ox, int oy) {
    ComponentFrame f(*this, dc, zoom, ox, oy, ComponentFrame::Brush::Keep);
    drawTerminalCircles(f, 4, false);
}

void CVelkarionView::DrawConnectionPointLeft(Dc& dc, double zoom, int ox, int oy) {
    drawConnectionPoint(*this, dc, zoom, ox, oy, kPointLeft);
}

void CVelkarionView::DrawConnectionPointRight(Dc& dc, double zoom, int ox, int oy) {
    drawConnectionPoint(*this, dc, zoom, ox, oy, kPointRight);
}

}  // namespace velk
