// Surge arresters: a line terminal per pole above, one earth terminal below. They
// take no part in the potentials: their scans record what they find and nothing
// reads it. A click only turns the symbol red and back to grey.
#include "model/VelkarionView.h"
#include "symbols/ComponentFrame.h"

namespace velk {

namespace {

constexpr const char* kTextFormat = "TEXT,%3s,%3s,%5s,2";
constexpr LabelLayout kArresterLabels{"-F", {kTextFormat, "-020", "+022"}, {kTextFormat, "-020", "+037"}};

// Each pole: its lead, two arrow tips pointing at each other; pole 0 leads on to
// the earth terminal and the others join it by a bus; a dashed frame around all.
constexpr const char* kArresterIN[] = {
    // line leads
    "LINE,+000,+000,+000,+030", "LINE,+030,+000,+030,+030",
    // earth lead of pole 0, short leads of the others
    "LINE,+000,+060,+000,+090", "LINE,+030,+060,+030,+070",
    // bus
    "LINE,+000,+070,+030,+070",
    // arrow tips pointing down
    "POLI,-005,+030,+005,+030,+000,+040,-005,+030", "POLI,+025,+030,+035,+030,+030,+040,+025,+030",
    // arrow tips pointing up
    "POLI,-005,+060,+005,+060,+000,+050,-005,+060", "POLI,+025,+060,+035,+060,+030,+050,+025,+060",
    // frame dashes at y 15
    "LINE,-015,+015,-005,+015", "LINE,+005,+015,+015,+015", "LINE,+015,+015,+025,+015",
    "LINE,+035,+015,+045,+015",
    // frame dashes at y 75
    "LINE,-015,+075,-005,+075", "LINE,+005,+075,+015,+075", "LINE,+015,+075,+025,+075",
    "LINE,+035,+075,+045,+075",
    // frame sides
    "LINE,-015,+015,-015,+025", "LINE,-015,+035,-015,+055", "LINE,-015,+065,-015,+075",
    "LINE,+015,+015,+015,+025", "LINE,+015,+035,+015,+055", "LINE,+015,+065,+015,+075",
    "LINE,+045,+015,+045,+025", "LINE,+045,+035,+045,+055", "LINE,+045,+065,+045,+075",
};
constexpr const char* kArresterIIIN[] = {
    // line leads
    "LINE,+000,+000,+000,+030", "LINE,+030,+000,+030,+030", "LINE,+060,+000,+060,+030",
    "LINE,+090,+000,+090,+030",
    // earth lead of pole 0, short leads of the others
    "LINE,+000,+060,+000,+090", "LINE,+030,+060,+030,+070", "LINE,+060,+060,+060,+070",
    "LINE,+090,+060,+090,+070",
    // bus
    "LINE,+000,+070,+090,+070",
    // arrow tips pointing down
    "POLI,-005,+030,+005,+030,+000,+040,-005,+030", "POLI,+025,+030,+035,+030,+030,+040,+025,+030",
    "POLI,+055,+030,+065,+030,+060,+040,+055,+030", "POLI,+085,+030,+095,+030,+090,+040,+085,+030",
    // arrow tips pointing up
    "POLI,-005,+060,+005,+060,+000,+050,-005,+060", "POLI,+025,+060,+035,+060,+030,+050,+025,+060",
    "POLI,+055,+060,+065,+060,+060,+050,+055,+060", "POLI,+085,+060,+095,+060,+090,+050,+085,+060",
    // frame dashes at y 15
    "LINE,-015,+015,-005,+015", "LINE,+005,+015,+015,+015", "LINE,+015,+015,+025,+015",
    "LINE,+035,+015,+045,+015", "LINE,+045,+015,+055,+015", "LINE,+065,+015,+075,+015",
    "LINE,+075,+015,+085,+015", "LINE,+095,+015,+105,+015",
    // frame dashes at y 75
    "LINE,-015,+075,-005,+075", "LINE,+005,+075,+015,+075", "LINE,+015,+075,+025,+075",
    "LINE,+035,+075,+045,+075", "LINE,+045,+075,+055,+075", "LINE,+065,+075,+075,+075",
    "LINE,+075,+075,+085,+075", "LINE,+095,+075,+105,+075",
    // frame sides
    "LINE,-015,+015,-015,+025", "LINE,-015,+035,-015,+055", "LINE,-015,+065,-015,+075",
    "LINE,+015,+015,+015,+025", "LINE,+015,+035,+015,+055", "LINE,+015,+065,+015,+075",
    "LINE,+045,+015,+045,+025", "LINE,+045,+035,+045,+055", "LINE,+045,+065,+045,+075",
    "LINE,+075,+015,+075,+025", "LINE,+075,+035,+075,+055", "LINE,+075,+065,+075,+075",
    "LINE,+105,+015,+105,+025", "LINE,+105,+035,+105,+055", "LINE,+105,+065,+105,+075",
};

constexpr int kMaxArresterTerminals = 5;

struct ArresterRow {
    int terminalCount;
    const char* terminals[kMaxArresterTerminals];
    const char* names[kMaxArresterTerminals];
    Commands symbol;
};

constexpr ArresterRow kArresters[] = {
    {3, {"NUME,+005,+000,%c%c%c%c", "NUME,+035,+000,%c%c%c%c", "NUME,+005,+075,%c%c%c%c"}, {"1", "2", "3"}, kArresterIN},
    {5,
     {"NUME,+005,+000,%c%c%c%c", "NUME,+035,+000,%c%c%c%c", "NUME,+065,+000,%c%c%c%c", "NUME,+095,+000,%c%c%c%c",
      "NUME,+005,+075,%c%c%c%c"},
     {"1", "2", "3", "4", "5"},
     kArresterIIIN},
};

void drawArrester(CVelkarionView& view, Dc& dc, double zoom, int ox, int oy, const ArresterRow& row) {
    ComponentFrame f(view, dc, zoom, ox, oy);
    f.drawLabels(kArresterLabels);
    f.useStateColor();
    for (int k = 0; k < row.terminalCount; ++k) f.terminal(row.terminals[k], k, row.names[k]);
    // One picture in every state: only its colour changes.
    f.drawStatePicture({row.symbol, {}, {}});
}

}  // namespace

void CVelkarionView::DrawSurgeArresterIN(Dc& dc, double zoom, int ox, int oy) {
    drawArrester(*this, dc, zoom, ox, oy, kArresters[0]);
}
void CVelkarionView::DrawSurgeArresterIIIN(Dc& dc, double zoom, int ox, int oy) {
    drawArrester(*this, dc, zoom, ox, oy, kArresters[1]);
}

}  // namespace velk
