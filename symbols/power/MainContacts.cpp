// The main contacts of a contactor, one to four poles. They have no operator of
// their own: the coil, timer relay or ladder coil of equal label writes their
// state, and every pole is closed while it is 1. One pole table and one member
// table draw all four; the closed poles follow the shared pole evaluation.
#include "symbols/power/MainContacts.h"

#include "model/VelkarionView.h"
#include "symbols/power/PoleEvaluation.h"

namespace velk {

namespace {

constexpr LabelLayout kLabels{"-KM", {"TEXT,%3s,%3s,%5s,2", "-020", "+022"}, {"TEXT,%3s,%3s,%5s,2", "-020", "+037"}};

// One pole, 30 units right of the one before; its gap runs from y 15 to y 45.
struct PolePicture {
    const char* topLead;
    const char* bottomLead;
    const char* openBlade;
    const char* closedBlade;
    const char* closedStub;
    const char* topTerminal;
    const char* bottomTerminal;
    const char* topName;
    const char* bottomName;
};

constexpr PolePicture kPoles[kMaxPowerPoles] = {
    {"LINE,+000,+000,+000,+015", "LINE,+000,+045,+000,+060", "LINE,-015,+015,+000,+045", "LINE,-005,+015,+000,+045",
     "LINE,-005,+015,+000,+015", "NUME,+005,+000,%c%c%c%c", "NUME,+005,+045,%c%c%c%c", "1", "2"},
    {"LINE,+030,+000,+030,+015", "LINE,+030,+045,+030,+060", "LINE,+015,+015,+030,+045", "LINE,+025,+015,+030,+045",
     "LINE,+025,+015,+030,+015", "NUME,+035,+000,%c%c%c%c", "NUME,+035,+045,%c%c%c%c", "3", "4"},
    {"LINE,+060,+000,+060,+015", "LINE,+060,+045,+060,+060", "LINE,+045,+015,+060,+045", "LINE,+055,+015,+060,+045",
     "LINE,+055,+015,+060,+015", "NUME,+065,+000,%c%c%c%c", "NUME,+065,+045,%c%c%c%c", "5", "6"},
    {"LINE,+090,+000,+090,+015", "LINE,+090,+045,+090,+060", "LINE,+075,+015,+090,+045", "LINE,+085,+015,+090,+045",
     "LINE,+085,+015,+090,+015", "NUME,+095,+000,%c%c%c%c", "NUME,+095,+045,%c%c%c%c", "7", "8"},
};

constexpr const char* kOpenDashesII[] = {"LINE,-007,+030,+003,+030", "LINE,+014,+030,+024,+030"};
constexpr const char* kClosedDashesII[] = {"LINE,-001,+030,+009,+030", "LINE,+020,+030,+028,+030"};
constexpr const char* kOpenDashesIII[] = {"LINE,-007,+030,+003,+030", "LINE,+018,+030,+028,+030",
                                          "LINE,+042,+030,+052,+030"};
constexpr const char* kClosedDashesIII[] = {"LINE,+003,+030,+013,+030", "LINE,+028,+030,+038,+030",
                                            "LINE,+052,+030,+062,+030"};
constexpr const char* kOpenDashesIIII[] = {"LINE,-007,+030,+003,+030", "LINE,+018,+030,+028,+030",
                                           "LINE,+048,+030,+058,+030", "LINE,+073,+030,+083,+030"};
constexpr const char* kClosedDashesIIII[] = {"LINE,+003,+030,+013,+030", "LINE,+028,+030,+038,+030",
                                             "LINE,+058,+030,+068,+030", "LINE,+083,+030,+093,+030"};

constexpr MainContactsMember kMainContacts[kMaxPowerPoles] = {
    {1, 1, {}, {}, {}, {}},
    {2, 2, kOpenDashesII, kClosedDashesII, {}, {}},
    {3, 3, kOpenDashesIII, kClosedDashesIII, {}, {}},
    {4, 3, kOpenDashesIIII, kClosedDashesIIII, {}, {}},
};

void drawLeads(ComponentFrame& f, int poles) {
    for (int p = 0; p < poles; ++p) f.draw(kPoles[p].topLead);
    for (int p = 0; p < poles; ++p) f.draw(kPoles[p].bottomLead);
}

void drawOpen(ComponentFrame& f, const MainContactsMember& m) {
    for (int p = 0; p < m.poles; ++p) f.draw(kPoles[p].openBlade);
    f.draw(m.openDashes);
    f.draw(m.openHandle);
}

void drawClosed(ComponentFrame& f, const MainContactsMember& m) {
    for (int p = 0; p < m.poles; ++p) f.draw(kPoles[p].closedBlade);
    for (int p = 0; p < m.poles; ++p) f.draw(kPoles[p].closedStub);
    f.draw(m.closedDashes);
    f.draw(m.closedHandle);
}

}  // namespace

const MainContactsMember& mainContactsMember(int poles) {
    const int n = poles < 1 ? 1 : poles > static_cast<int>(kMaxPowerPoles) ? static_cast<int>(kMaxPowerPoles) : poles;
    return kMainContacts[n - 1];
}

void drawPoleSet(CVelkarionView& view, Dc& dc, double zoom, int ox, int oy, const LabelLayout& labels,
                 const MainContactsMember& m) {
    ComponentFrame f(view, dc, zoom, ox, oy);
    f.drawLabels(labels);
    f.useStateColor();

    // Terminal p is the top of pole p+1 and terminal n+p its bottom; every
    // terminal is scanned before the next one is drawn.
    PowerPole poles[kMaxPowerPoles];
    for (int p = 0; p < m.poles; ++p) {
        f.terminal(kPoles[p].topTerminal, p, kPoles[p].topName);
        poles[p] = {p, m.poles + p, p < m.starPoles};
    }
    for (int p = 0; p < m.poles; ++p) f.terminal(kPoles[p].bottomTerminal, m.poles + p, kPoles[p].bottomName);

    if (f.state() == 1 && !evaluateClosedPoles(f, poles, static_cast<std::size_t>(m.poles))) return;

    f.drawStateParts([&](ComponentFrame::PicturePart part) {
        switch (part) {
            case ComponentFrame::PicturePart::Fixed: drawLeads(f, m.poles); break;
            case ComponentFrame::PicturePart::Rest: drawOpen(f, m); break;
            case ComponentFrame::PicturePart::Operated: drawClosed(f, m); break;
        }
    });
}

void CVelkarionView::DrawMainContactsI(Dc& dc, double zoom, int ox, int oy) {
    drawPoleSet(*this, dc, zoom, ox, oy, kLabels, kMainContacts[0]);
}
void CVelkarionView::DrawMainContactsII(Dc& dc, double zoom, int ox, int oy) {
    drawPoleSet(*this, dc, zoom, ox, oy, kLabels, kMainContacts[1]);
}
void CVelkarionView::DrawMainContactsIII(Dc& dc, double zoom, int ox, int oy) {
    drawPoleSet(*this, dc, zoom, ox, oy, kLabels, kMainContacts[2]);
}
void CVelkarionView::DrawMainContactsIIII(Dc& dc, double zoom, int ox, int oy) {
    drawPoleSet(*this, dc, zoom, ox, oy, kLabels, kMainContacts[3]);
}

}  // namespace velk
