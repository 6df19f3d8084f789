// The thermal overload relay: three poles with a heater kink each, inside one box.
// Its poles always conduct; its state only colours it, and a click passes the state
// to its contacts. It keeps no redraw cache: the whole symbol is drawn in every call,
// so a change of state shows as a change of colour over the same lines.
#include "symbols/power/MultiPole.h"

namespace velk {

namespace {

constexpr const char* kTextFormat = "TEXT,%3s,%3s,%5s,2";
constexpr LabelLayout kRelayLabels{"-F", {kTextFormat, "-030", "+022"}, {kTextFormat, "-030", "+037"}};

constexpr int kHeaterPath = 1;
constexpr int kBox = 1;

// The leads and the heater kink to the right of the pole.
constexpr const char* kHeater[] = {
    "LINE,+000,+000,+000,+022", "LINE,+000,+038,+000,+060", "LINE,+000,+022,+015,+022",
    "LINE,+015,+022,+015,+038", "LINE,+000,+038,+015,+038",
};
constexpr const char* kRelayBox[] = {
    "LINE,-007,+015,+082,+015", "LINE,-007,+045,+082,+045", "LINE,-007,+015,-007,+045",
    "LINE,+082,+015,+082,+045",
};

constexpr PoleForm kHeaterPole{{{}, kHeater}};
constexpr PictureStep kRelayPicture[] = {{StepScope::EachPole, {kHeaterPath}}, {StepScope::Device, {kBox}}};

constexpr MultiPoleFamily kThermalRelays{PoleCondition::Always, OperatedWhen::StateOne, PictureMode::EveryCall,
                                         kRelayPicture, {}, {}, {}};

constexpr MultiPoleRow kThermalRelay{&kThermalRelays,
                                     kRelayLabels,
                                     "NUME,+005,+000,%c%c%c%c",
                                     "NUME,+005,+045,%c%c%c%c",
                                     3,
                                     {&kHeaterPole, &kHeaterPole, &kHeaterPole},
                                     {{}, kRelayBox}};

}  // namespace

void CVelkarionView::DrawThermalOverloadRelay(Dc& dc, double zoom, int ox, int oy) {
    DrawMultiPole(*this, dc, zoom, ox, oy, kThermalRelay);
}

}  // namespace velk
