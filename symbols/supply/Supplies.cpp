// The fixed sources: supplies of one to five conductors, the earth symbol and the
// battery. They force their letters onto the wires at their terminals in every
// pass; everything else carries the letters on from there. Sources keep no state,
// no terminal letters and no links of their own.
#include "model/VelkarionView.h"
#include "render/Colors.h"
#include "render/Potentials.h"
#include "symbols/ComponentFrame.h"

namespace velk {

namespace {

// --- fixed supplies -----------------------------------------------------------------

constexpr LabelLayout kSupplyLabels{
    "-X", {"TEXT,%3s,%3s,%5s,2", "-010", "-023"}, {"TEXT,%3s,%3s,%5s,2", "-010", "-008"}};

// Conductor k stands 30 units right of conductor 0: its circle and its stub down to
// the terminal at (30k, 0).
constexpr const char* kStub0[] = {"ELIP,-005,-020,+005,-010", "LINE,+000,-010,+000,+000"};
constexpr const char* kStub1[] = {"ELIP,+025,-020,+035,-010", "LINE,+030,-010,+030,+000"};
constexpr const char* kStub2[] = {"ELIP,+055,-020,+065,-010", "LINE,+060,-010,+060,+000"};
constexpr const char* kStub3[] = {"ELIP,+085,-020,+095,-010", "LINE,+090,-010,+090,+000"};
constexpr const char* kStub4[] = {"ELIP,+115,-020,+125,-010", "LINE,+120,-010,+120,+000"};
constexpr Commands kStubs[] = {kStub0, kStub1, kStub2, kStub3, kStub4};

constexpr const char* kPlusSign0[] = {"LINE,-005,-030,+005,-030", "LINE,+000,-035,+000,-025"};
constexpr const char* kMinusBar0[] = {"LINE,-005,-030,+005,-030"};
constexpr const char* kMinusBar1[] = {"LINE,+025,-030,+035,-030"};

// One conductor: the letter it forces, its terminal with the fixed text (the
// interpreter puts the terminal point on the stub end), and a DC sign if it has one.
struct Conductor {
    char letter;
    const char* terminal;
    Commands sign;
};

constexpr Conductor kL{kPotentialL1, "NUME,-004,-035,L  ", {}};
constexpr Conductor kN0{kPotentialNeutral, "NUME,-004,-035,N  ", {}};
constexpr Conductor kPE0{kPotentialPE, "NUME,-008,-035,PE  ", {}};
constexpr Conductor kN1{kPotentialNeutral, "NUME,+026,-035,N  ", {}};
constexpr Conductor kPE2{kPotentialPE, "NUME,+052,-035,PE  ", {}};
constexpr Conductor kL1{kPotentialL1, "NUME,-008,-035,L1  ", {}};
constexpr Conductor kL2{kPotentialL2, "NUME,+022,-035,L2  ", {}};
constexpr Conductor kL3{kPotentialL3, "NUME,+052,-035,L3  ", {}};
constexpr Conductor kPE3{kPotentialPE, "NUME,+082,-035,PE  ", {}};
constexpr Conductor kN3{kPotentialNeutral, "NUME,+086,-035,N  ", {}};
constexpr Conductor kPE4{kPotentialPE, "NUME,+112,-035,PE  ", {}};
constexpr Conductor kPlus0{kPotentialPlus, "NUME,-004,-035,   ", kPlusSign0};
constexpr Conductor kMinus0{kPotentialMinus, "NUME,-004,-035,   ", kMinusBar0};
constexpr Conductor kMinus1{kPotentialMinus, "NUME,+026,-035,   ", kMinusBar1};

constexpr int kMaxConductors = 5;

// The conductors of a supply, left to right; the first null entry ends the row.
struct SupplyRow {
    const Conductor* conductors[kMaxConductors];
};

constexpr SupplyRow kSupplyL{{&kL}};
constexpr SupplyRow kSupplyN{{&kN0}};
constexpr SupplyRow kSupplyPE{{&kPE0}};
constexpr SupplyRow kSupplyLN{{&kL, &kN1}};
constexpr SupplyRow kSupplyLNPE{{&kL, &kN1, &kPE2}};
constexpr SupplyRow kSupplyL1L2L3{{&kL1, &kL2, &kL3}};
constexpr SupplyRow kSupplyL1L2L3PE{{&kL1, &kL2, &kL3, &kPE3}};
constexpr SupplyRow kSupplyL1L2L3N{{&kL1, &kL2, &kL3, &kN3}};
constexpr SupplyRow kSupplyL1L2L3NPE{{&kL1, &kL2, &kL3, &kN3, &kPE4}};
constexpr SupplyRow kSupplyPlus{{&kPlus0}};
constexpr SupplyRow kSupplyMinus{{&kMinus0}};
constexpr SupplyRow kSupplyPlusMinus{{&kPlus0, &kMinus1}};

void drawSupply(CVelkarionView& view, Dc& dc, double zoom, int ox, int oy, const SupplyRow& row) {
    ComponentFrame f(view, dc, zoom, ox, oy);
    f.drawLabels(kSupplyLabels);
    for (int k = 0; k < kMaxConductors && row.conductors[k]; ++k) {
        const Conductor& c = *row.conductors[k];
        f.setPenColor(supplyLetterColor(c.letter));
        f.draw(kStubs[k]);
        f.draw(c.sign);
        f.draw(c.terminal);
        if (!f.feedWiresAtTerminal(c.letter)) return;
    }
}

// --- earth symbol and battery -------------------------------------------------------

constexpr LabelLayout kEarthLabels{
    "", {"TEXT,%3s,%3s,%5s,2", "-000", "-013"}, {"TEXT,%3s,%3s,%5s,2", "-000", "+002"}};
constexpr const char* kEarthPicture[] = {
    "LINE,+015,+000,+015,+015",  // the lead
    "LINE,+000,+015,+030,+015",  // three bars of falling width
    "LINE,+005,+022,+025,+022",
    "LINE,+010,+029,+020,+029",
};

constexpr LabelLayout kBatteryLabels{
    "-V", {"TEXT,%3s,%3s,%5s,2", "-010", "-003"}, {"TEXT,%3s,%3s,%5s,2", "-010", "+012"}};
constexpr const char* kBatteryPicture[] = {
    "LINE,+015,+000,+015,+018",  // upper lead
    "LINE,+015,+027,+015,+045",  // lower lead
    "LINE,+000,+018,+030,+018",  // long plate, positive
    "LINE,+005,+027,+025,+027",  // short plate, negative
};

}  // namespace

void CVelkarionView::DrawSupplyL(Dc& dc, double zoom, int ox, int oy) {
    drawSupply(*this, dc, zoom, ox, oy, kSupplyL);
}
void CVelkarionView::DrawSupplyN(Dc& dc, double zoom, int ox, int oy) {
    drawSupply(*this, dc, zoom, ox, oy, kSupplyN);
}
void CVelkarionView::DrawSupplyPE(Dc& dc, double zoom, int ox, int oy) {
    drawSupply(*this, dc, zoom, ox, oy, kSupplyPE);
}
void CVelkarionView::DrawSupplyLN(Dc& dc, double zoom, int ox, int oy) {
    drawSupply(*this, dc, zoom, ox, oy, kSupplyLN);
}
void CVelkarionView::DrawSupplyLNPE(Dc& dc, double zoom, int ox, int oy) {
    drawSupply(*this, dc, zoom, ox, oy, kSupplyLNPE);
}
void CVelkarionView::DrawSupplyL1L2L3(Dc& dc, double zoom, int ox, int oy) {
    drawSupply(*this, dc, zoom, ox, oy, kSupplyL1L2L3);
}
void CVelkarionView::DrawSupplyL1L2L3PE(Dc& dc, double zoom, int ox, int oy) {
    drawSupply(*this, dc, zoom, ox, oy, kSupplyL1L2L3PE);
}
void CVelkarionView::DrawSupplyL1L2L3N(Dc& dc, double zoom, int ox, int oy) {
    drawSupply(*this, dc, zoom, ox, oy, kSupplyL1L2L3N);
}
void CVelkarionView::DrawSupplyL1L2L3NPE(Dc& dc, double zoom, int ox, int oy) {
    drawSupply(*this, dc, zoom, ox, oy, kSupplyL1L2L3NPE);
}
void CVelkarionView::DrawSupplyPlus(Dc& dc, double zoom, int ox, int oy) {
    drawSupply(*this, dc, zoom, ox, oy, kSupplyPlus);
}
void CVelkarionView::DrawSupplyMinus(Dc& dc, double zoom, int ox, int oy) {
    drawSupply(*this, dc, zoom, ox, oy, kSupplyMinus);
}
void CVelkarionView::DrawSupplyPlusMinus(Dc& dc, double zoom, int ox, int oy) {
    drawSupply(*this, dc, zoom, ox, oy, kSupplyPlusMinus);
}

void CVelkarionView::DrawEarthSymbol(Dc& dc, double zoom, int ox, int oy) {
    ComponentFrame f(*this, dc, zoom, ox, oy);
    f.drawLabels(kEarthLabels);
    f.setPenColor(g_colorGreen);
    f.draw(kEarthPicture);
    // The terminal is the top of the lead, (15, 0).
    f.draw("NUME,+020,+000,    ");
    f.feedWiresAtTerminal(kPotentialPE);
}

// The battery emits its terminals before its colour and body, and never shows the
// terminal names it stores.
void CVelkarionView::DrawBattery(Dc& dc, double zoom, int ox, int oy) {
    ComponentFrame f(*this, dc, zoom, ox, oy);
    f.drawLabels(kBatteryLabels);
    f.drawTerminal("NUME,+020,+000,%c%c%c%c", " ");
    if (!f.feedWiresAtTerminal(kPotentialPlus)) return;
    f.drawTerminal("NUME,+020,+030,%c%c%c%c", " ");
    if (!f.feedWiresAtTerminal(kPotentialMinus)) return;
    f.setPenColor(g_colorBlack);
    f.draw(kBatteryPicture);
}

}  // namespace velk
