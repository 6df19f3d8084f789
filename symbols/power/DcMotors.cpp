// The DC motors on the motor frame: the permanent-magnet motor turns by the
// polarity of its armature, the separately excited one by the product of the
// armature's and the field's polarities, and stands without a fed field. Their
// arrow lies outside the body, so the frame erases it in white.
#include "render/Potentials.h"
#include "symbols/power/MotorFrame.h"

namespace velk {

namespace {

constexpr int kA1 = 0, kA2 = 1, kPE = 2, kF1 = 3, kF2 = 4;

constexpr const char* kDcBody = "ELIP,+019,-025,+071,+025";
constexpr const char* kArc = "ARCO,+010,-035,+080,+035,+075,-030,+015,-030";
constexpr const char* kRightHead = "POLI,+070,-021,+060,-026,+066,-031,+070,-021";
constexpr const char* kLeftHead = "POLI,+019,-021,+029,-026,+023,-031,+019,-021";
constexpr const char* kForward[] = {kArc, kRightHead};
constexpr const char* kReverse[] = {kArc, kLeftHead};
constexpr const char* kArrows[] = {kArc, kRightHead, kLeftHead};

// The permanent-magnet outline; the separately excited motor draws all but the
// magnet (its last three bars).
constexpr const char* kPermanentMagnetOutline[] = {
    "LINE,+000,+000,+015,+000",
    "LINE,+075,+000,+090,+000",
    "LINE,+045,+025,+045,+045",
    kDcBody,
    "POLI,+015,-005,+020,-005,+020,+005,+015,+005",
    "POLI,+070,-005,+075,-005,+075,+005,+070,+005",
    "TEXT,+040,-015,M    ,0",
    "LINE,+039,+005,+052,+005",
    "LINE,+039,+010,+042,+010",
    "LINE,+044,+010,+047,+010",
    "LINE,+049,+010,+052,+010",
    "POLI,+028,-047,+032,-047,+032,-039,+028,-039",
    "POLI,+058,-047,+062,-047,+062,-039,+058,-039",
    "POLI,+032,-047,+058,-047,+058,-043,+032,-043",
};
constexpr const char* kSeparatelyExcitedOutline[] = {
    "LINE,+000,+000,+015,+000",
    "LINE,+075,+000,+090,+000",
    "LINE,+045,+025,+045,+045",
    kDcBody,
    "POLI,+015,-005,+020,-005,+020,+005,+015,+005",
    "POLI,+070,-005,+075,-005,+075,+005,+070,+005",
    "TEXT,+040,-015,M    ,0",
    "LINE,+039,+005,+052,+005",
    "LINE,+039,+010,+042,+010",
    "LINE,+044,+010,+047,+010",
    "LINE,+049,+010,+052,+010",
};
constexpr const char* kField[] = {
    "LINE,+000,-045,+025,-045",
    "LINE,+065,-045,+090,-045",
    "POLI,+025,-050,+065,-050,+065,-040,+025,-040",
};

// The ordered tests on the letters of the terminals they name.
const LetterTest kArmatureTests[] = {{"+-", 1}, {"-+", 2}};
const LetterTest kExcitedTests[] = {{"+-+-", 1}, {"+--+", 2}, {"-++-", 2}, {"-+-+", 1}};

void permanentMagnetRotation(MotorCall& call) {
    const int terminals[] = {kA1, kA2};
    for (const LetterTest& test : kArmatureTests)
        if (call.readsAll(terminals, test.letters)) call.setRotation(test.code);
}

void separatelyExcitedRotation(MotorCall& call) {
    const int terminals[] = {kF1, kF2, kA1, kA2};
    for (const LetterTest& test : kExcitedTests)
        if (call.readsAll(terminals, test.letters)) call.setRotation(test.code);
}

constexpr MotorTerminal kA1Terminal{"NUME,+005,-000,", "A1", 0};
constexpr MotorTerminal kA2Terminal{"NUME,+095,-000,", "A2", 1};
constexpr MotorTerminal kPETerminal{"NUME,+050,+030,", "PE", kNoLinkSlot};

constexpr MotorSymbol kMotorDcPermanentMagnet{
    "",
    "+030",
    "+030",
    "+055",
    {kA1Terminal, kA2Terminal, kPETerminal},
    3,
    kPE,
    permanentMagnetRotation,
    0,
    false,
    kDcBody,
    {{}, kForward, kReverse, {}, {}},
    kPermanentMagnetOutline,
    "-M",
    false,
    false,
    {},
    {},
    kArrows,
};

constexpr MotorSymbol kMotorDcSeparatelyExcited{
    "",
    "+030",
    "+030",
    "+055",
    {kA1Terminal, kA2Terminal, kPETerminal, {"NUME,+005,-045,", "F1", kNoLinkSlot},
     {"NUME,+095,-045,", "F2", kNoLinkSlot}},
    5,
    kPE,
    separatelyExcitedRotation,
    0,
    false,
    kDcBody,
    {{}, kForward, kReverse, {}, {}},
    kSeparatelyExcitedOutline,
    "-M",
    false,
    false,
    {},
    {kF1, kF2, kField},
    kArrows,
};

}  // namespace

void CVelkarionView::DrawMotorDcPermanentMagnet(Dc& dc, double zoom, int x, int y) {
    DrawMotor(*this, dc, zoom, x, y, kMotorDcPermanentMagnet);
}

void CVelkarionView::DrawMotorDcSeparatelyExcited(Dc& dc, double zoom, int x, int y) {
    DrawMotor(*this, dc, zoom, x, y, kMotorDcSeparatelyExcited);
}

}  // namespace velk
