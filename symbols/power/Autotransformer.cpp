// The three-phase autotransformer on the motor frame: three windings, each with
// its input on top, its star end below and a tap in the middle. It is energised
// (code 1 or 2, kept in m_state for whoever reads it) once its star point is
// closed outside it, and its taps always carry the letters of its inputs.
#include "render/Potentials.h"
#include "symbols/power/MotorFrame.h"
#include "symbols/power/StarPoint.h"

namespace velk {

namespace {

constexpr int kInput1 = 0, kInput2 = 1, kInput3 = 2, kStar1 = 3, kStar2 = 4, kStar3 = 5, kTap1 = 6;
constexpr int kNoPE = -1;

constexpr StarEnds kWindingStar{{kInput1, kInput2, kInput3}, {kStar1, kStar2, kStar3}, 1, 2, false};

void autotransformerRule(MotorCall& call) {
    runStarPoint(call, kWindingStar);
    for (int w = 0; w < 3; ++w)
        if (call.hasLetter(kInput1 + w) && call.hasLetter(kTap1 + w)) call.markWire(kTap1 + w, call.letter(kInput1 + w));
}

// Per winding: top lead, bottom lead, tap lead, then the filled body.
constexpr const char* kSolidWindings[] = {
    "LINE,+000,+000,+000,+015", "LINE,+000,+075,+000,+090", "LINE,+007,+045,+015,+045",
    "POLI,-007,+015,+007,+015,+007,+075,-007,+075", "LINE,+030,+000,+030,+015", "LINE,+030,+075,+030,+090",
    "LINE,+037,+045,+045,+045", "POLI,+023,+015,+037,+015,+037,+075,+023,+075", "LINE,+060,+000,+060,+015",
    "LINE,+060,+075,+060,+090", "LINE,+067,+045,+075,+045", "POLI,+053,+015,+067,+015,+067,+075,+053,+075",
};
constexpr const char* kWindingFills[] = {
    "POLI,-007,+015,+007,+015,+007,+075,-007,+075",
    "POLI,+023,+015,+037,+015,+037,+075,+023,+075",
    "POLI,+053,+015,+067,+015,+067,+075,+053,+075",
};
// Per winding: the three leads, then the body's four sides.
constexpr const char* kWindingOutline[] = {
    "LINE,+000,+000,+000,+015", "LINE,+000,+075,+000,+090", "LINE,+007,+045,+015,+045",
    "LINE,-007,+015,+007,+015", "LINE,+007,+015,+007,+075", "LINE,+007,+075,-007,+075",
    "LINE,-007,+075,-007,+015", "LINE,+030,+000,+030,+015", "LINE,+030,+075,+030,+090",
    "LINE,+037,+045,+045,+045", "LINE,+023,+015,+037,+015", "LINE,+037,+015,+037,+075",
    "LINE,+037,+075,+023,+075", "LINE,+023,+075,+023,+015", "LINE,+060,+000,+060,+015",
    "LINE,+060,+075,+060,+090", "LINE,+067,+045,+075,+045", "LINE,+053,+015,+067,+015",
    "LINE,+067,+015,+067,+075", "LINE,+067,+075,+053,+075", "LINE,+053,+075,+053,+015",
};

constexpr MotorSymbol kAutotransformer{
    "",
    "-020",
    "+022",
    "+037",
    {{"NUME,+005,+000,", "1", 0},
     {"NUME,+035,+000,", "4", 1},
     {"NUME,+065,+000,", "7", 2},
     {"NUME,+005,+075,", "2", 3},
     {"NUME,+035,+075,", "5", 4},
     {"NUME,+065,+075,", "8", 5},
     {"NUME,+020,+030,", "3", 6},
     {"NUME,+050,+030,", "6", 7},
     {"NUME,+080,+030,", "9", 8}},
    9,
    kNoPE,
    autotransformerRule,
    0,
    false,
    "",
    {},
    kWindingOutline,
    "-T",
    true,
    true,
    {kSolidWindings, kWindingFills},
};

}  // namespace

void CVelkarionView::DrawAutotransformer(Dc& dc, double zoom, int x, int y) {
    DrawMotor(*this, dc, zoom, x, y, kAutotransformer);
}

}  // namespace velk
