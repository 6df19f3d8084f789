// The motors of the starting circuits on the motor frame: the star-delta motor,
// the pole-changing and the two-winding two-speed motors, and the wound-rotor
// motor. Those that need a star point form it with the star-point marks.
#include "render/Potentials.h"
#include "symbols/power/MotorFrame.h"
#include "symbols/power/StarPoint.h"

namespace velk {

namespace {

// Terminals in table order: three on top, PE, three at the bottom.
constexpr int kU1 = 0, kV1 = 1, kW1 = 2, kPE = 3, kLow1 = 4, kLow2 = 5, kLow3 = 6;
constexpr int kSpeedOneForward = 1, kSpeedOneReverse = 2, kSpeedTwoForward = 3, kSpeedTwoReverse = 4;

// The star-delta motor's bottom ends are W2 U2 V2 in this order.
constexpr int kW2 = kLow1, kU2 = kLow2, kV2 = kLow3;

constexpr StarEnds kStarFedAtTheTop{{kU1, kV1, kW1}, {kW2, kU2, kV2}, 1, 2, false};
constexpr StarEnds kStarFedAtTheBottom{{kW2, kU2, kV2}, {kU1, kV1, kW1}, 1, 2, false};
// The pole-changing motor's high speed: fed at U2 V2 W2, U1 V1 W1 starred.
constexpr StarEnds kHighSpeedStar{{kLow1, kLow2, kLow3}, {kU1, kV1, kW1}, kSpeedTwoForward, kSpeedTwoReverse, false};
constexpr StarEnds kRotorStar{{kU1, kV1, kW1}, {kLow1, kLow2, kLow3}, 1, 2, true};

void starDeltaRotation(MotorCall& call) {
    // In delta each bottom end carries the letter of the top end it is joined to.
    const int order = phaseOrder(call, kU1, kV1, kW1);
    if (order != 0 && call.reads(kW2, call.letter(kU1)) && call.reads(kU2, call.letter(kV1)) &&
        call.reads(kV2, call.letter(kW1)))
        call.setRotation(order);
    runStarPoint(call, kStarFedAtTheTop);
    runStarPoint(call, kStarFedAtTheBottom);
}

// Speed I on the top ends with the bottom ends dead.
void lowSpeed(MotorCall& call) {
    if (readsThree(call, kLow1, kLow2, kLow3, kPotentialNone))
        applyPhaseOrders(call, kU1, kV1, kW1, kSpeedOneForward, kSpeedOneReverse);
}

void dahlanderRotation(MotorCall& call) {
    lowSpeed(call);
    runStarPoint(call, kHighSpeedStar);
}

void twoWindingRotation(MotorCall& call) {
    lowSpeed(call);
    if (readsThree(call, kU1, kV1, kW1, kPotentialNone))
        applyPhaseOrders(call, kLow1, kLow2, kLow3, kSpeedTwoForward, kSpeedTwoReverse);
}

void woundRotorRotation(MotorCall& call) { runStarPoint(call, kRotorStar); }

constexpr const char* kStatorOutline[] = {
    "ELIP,-015,+015,+075,+105",
    "LINE,+000,+000,+000,+027",
    "LINE,+030,+000,+030,+015",
    "LINE,+060,+000,+060,+027",
    "LINE,+090,+000,+090,+060",
    "LINE,+090,+060,+080,+060",
    "ARCO,-020,+010,+080,+110,+075,+070,+075,+050",
    "LINE,+000,+093,+000,+120",
    "LINE,+030,+105,+030,+120",
    "LINE,+060,+093,+060,+120",
    "TEXT,+026,+040,M    ,0",
    "TEXT,+012,+062,3    ,0",
    "ARCO,+035,+063,+045,+073,+045,+068,+035,+068",
    "ARCO,+045,+063,+055,+073,+045,+068,+055,+068",
};
constexpr const char* kWoundRotorOutline[] = {
    "ELIP,-015,+015,+075,+105",
    "ELIP,-005,+025,+065,+095",
    "LINE,+000,+000,+000,+027",
    "LINE,+030,+000,+030,+015",
    "LINE,+060,+000,+060,+027",
    "LINE,+090,+000,+090,+060",
    "LINE,+090,+060,+080,+060",
    "ARCO,-020,+010,+080,+110,+075,+070,+075,+050",
    "LINE,+000,+078,+000,+120",
    "LINE,+030,+095,+030,+120",
    "LINE,+060,+078,+060,+120",
    "TEXT,+026,+040,M    ,0",
    "TEXT,+012,+062,3    ,0",
    "ARCO,+035,+063,+045,+073,+045,+068,+035,+068",
    "ARCO,+045,+063,+055,+073,+045,+068,+055,+068",
};

// The two-speed motors show the speed below the body's centre.
constexpr const char* kSpeedOneForwardPicture[] = {kMotorForwardArrow[0], kMotorForwardArrow[1],
                                                   "TEXT,+033,+080,    I,2"};
constexpr const char* kSpeedOneReversePicture[] = {kMotorReverseArrow[0], kMotorReverseArrow[1],
                                                   "TEXT,+033,+080,    I,2"};
constexpr const char* kSpeedTwoForwardPicture[] = {kMotorForwardArrow[0], kMotorForwardArrow[1],
                                                   "TEXT,+034,+080,   II,2"};
constexpr const char* kSpeedTwoReversePicture[] = {kMotorReverseArrow[0], kMotorReverseArrow[1],
                                                   "TEXT,+034,+080,   II,2"};

// The members differ in caption, the names of their bottom ends, rule, pictures
// and outline.
constexpr MotorSymbol starterMotor(const char* caption, const char* low1, const char* low2, const char* low3,
                                   RotationRule rule, Commands forward, Commands reverse, Commands speedTwoForward,
                                   Commands speedTwoReverse, Commands outline) {
    return MotorSymbol{caption,
                       "-020",
                       "+055",
                       "+070",
                       {{"NUME,+005,+000,", "U1", 0},
                        {"NUME,+035,+000,", "V1", 1},
                        {"NUME,+065,+000,", "W1", 2},
                        {"NUME,+095,+000,", "PE", kNoLinkSlot},
                        {"NUME,+005,+105,", low1, 3},
                        {"NUME,+035,+105,", low2, 4},
                        {"NUME,+065,+105,", low3, 5}},
                       7,
                       kPE,
                       rule,
                       0,
                       false,
                       kMotorBody,
                       {{}, forward, reverse, speedTwoForward, speedTwoReverse},
                       outline};
}

constexpr MotorSymbol kMotorStarDelta = starterMotor("", "W2", "U2", "V2", starDeltaRotation, kMotorForwardArrow,
                                                     kMotorReverseArrow, {}, {}, kStatorOutline);
constexpr MotorSymbol kMotorDahlander =
    starterMotor("Dah", "U2", "V2", "W2", dahlanderRotation, kSpeedOneForwardPicture, kSpeedOneReversePicture,
                 kSpeedTwoForwardPicture, kSpeedTwoReversePicture, kStatorOutline);
constexpr MotorSymbol kMotorTwoWinding =
    starterMotor("I-II", "U2", "V2", "W2", twoWindingRotation, kSpeedOneForwardPicture, kSpeedOneReversePicture,
                 kSpeedTwoForwardPicture, kSpeedTwoReversePicture, kStatorOutline);
constexpr MotorSymbol kMotorWoundRotor = starterMotor("", "K", "L", "M", woundRotorRotation, kMotorForwardArrow,
                                                      kMotorReverseArrow, {}, {}, kWoundRotorOutline);

}  // namespace

void CVelkarionView::DrawMotorStarDelta(Dc& dc, double zoom, int x, int y) {
    DrawMotor(*this, dc, zoom, x, y, kMotorStarDelta);
}

void CVelkarionView::DrawMotorDahlander(Dc& dc, double zoom, int x, int y) {
    DrawMotor(*this, dc, zoom, x, y, kMotorDahlander);
}

void CVelkarionView::DrawMotorTwoWinding(Dc& dc, double zoom, int x, int y) {
    DrawMotor(*this, dc, zoom, x, y, kMotorTwoWinding);
}

void CVelkarionView::DrawMotorWoundRotor(Dc& dc, double zoom, int x, int y) {
    DrawMotor(*this, dc, zoom, x, y, kMotorWoundRotor);
}

}  // namespace velk
