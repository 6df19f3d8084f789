// The three-phase squirrel-cage motor and the single-phase motor on the motor
// frame. The squirrel-cage motor runs forward on a cyclic order of the phases,
// in reverse on an anticyclic one, brakes on "+" and "-" across two windings,
// and marks its dead winding wires "Z".
#include "render/Potentials.h"
#include "symbols/power/MotorFrame.h"

namespace velk {

namespace {

constexpr int kU1 = 0, kV1 = 1, kW1 = 2;
constexpr int kBraking = 3;

constexpr const char* kBody = kMotorBody;
constexpr auto& kForward = kMotorForwardArrow;
constexpr auto& kReverse = kMotorReverseArrow;
constexpr const char* kBrakingPicture[] = {"ELIP,+025,+025,+035,+035", "ARCO,+021,+021,+039,+039,+025,+025,+025,+035",
                                           "ARCO,+021,+021,+039,+039,+035,+035,+035,+025"};

constexpr const char* kThreePhaseOutline[] = {
    "ELIP,-015,+015,+075,+105",
    "LINE,+000,+000,+000,+027",
    "LINE,+030,+000,+030,+015",
    "LINE,+060,+000,+060,+027",
    "LINE,+090,+000,+090,+060",
    "LINE,+090,+060,+080,+060",
    "ARCO,-020,+010,+080,+110,+075,+070,+075,+050",
    "TEXT,+026,+040,M    ,0",
    "TEXT,+012,+062,3    ,0",
    "ARCO,+035,+063,+045,+073,+045,+068,+035,+068",
    "ARCO,+045,+063,+055,+073,+045,+068,+055,+068",
};
constexpr const char* kSinglePhaseOutline[] = {
    "ELIP,-015,+015,+075,+105",
    "LINE,+000,+000,+000,+027",
    "LINE,+060,+000,+060,+027",
    "LINE,+090,+000,+090,+060",
    "LINE,+090,+060,+080,+060",
    "ARCO,-020,+010,+080,+110,+075,+070,+075,+050",
    "TEXT,+026,+040,M    ,0",
    "TEXT,+012,+062,1    ,0",
    "ARCO,+035,+063,+045,+073,+045,+068,+035,+068",
    "ARCO,+045,+063,+055,+073,+045,+068,+055,+068",
};

// Two windings across "+" and "-" brake, whichever the phase order said.
struct WindingPair {
    int a, b;
};
constexpr WindingPair kBrakingPairs[] = {{kU1, kV1}, {kU1, kW1}, {kV1, kW1}};

void threePhaseRotation(MotorCall& call) {
    applyPhaseOrders(call, kU1, kV1, kW1);
    for (const WindingPair& pair : kBrakingPairs)
        if (readsDc(call, pair.a, pair.b)) call.setRotation(kBraking);
}

constexpr int kU = 0, kN = 1;
constexpr char kPhases[] = {kPotentialL1, kPotentialL2, kPotentialL3};

void singlePhaseRotation(MotorCall& call) {
    for (char phase : kPhases)
        if (call.reads(kU, phase) && call.reads(kN, kPotentialNeutral)) call.setRotation(1);
}

constexpr MotorSymbol kMotorThreePhase{
    "",
    "-020",
    "+055",
    "+070",
    {{"NUME,+005,+000,", "U1", 0},
     {"NUME,+035,+000,", "V1", 1},
     {"NUME,+065,+000,", "W1", 2},
     {"NUME,+095,+000,", "PE", kNoLinkSlot}},
    4,
    3,
    threePhaseRotation,
    kBraking,
    true,
    kBody,
    {{}, kForward, kReverse, kBrakingPicture, {}},
    kThreePhaseOutline,
};

constexpr MotorSymbol kMotorSinglePhase{
    "",
    "-020",
    "+055",
    "+070",
    {{"NUME,+005,+000,", "U", kNoLinkSlot},
     {"NUME,+065,+000,", "N", kNoLinkSlot},
     {"NUME,+095,+000,", "PE", kNoLinkSlot}},
    3,
    2,
    singlePhaseRotation,
    0,
    false,
    kBody,
    {{}, kForward, {}, {}, {}},
    kSinglePhaseOutline,
};

}  // namespace

void CVelkarionView::DrawMotorThreePhase(Dc& dc, double zoom, int x, int y) {
    DrawMotor(*this, dc, zoom, x, y, kMotorThreePhase);
}

void CVelkarionView::DrawMotorSinglePhase(Dc& dc, double zoom, int x, int y) {
    DrawMotor(*this, dc, zoom, x, y, kMotorSinglePhase);
}

}  // namespace velk
