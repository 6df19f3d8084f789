// The rotary selector switches: I-0-II, whose common goes to one of two outputs or
// to an open centre, and I-II-III, whose common always goes to one of three
// outputs. The state is the position (0, 1, 2), written by the mouse; the blade
// turns about the foot of the T1 lead, and the handle never moves.
#include "render/Colors.h"
#include "symbols/contacts/ContactTemplate.h"

namespace velk {

namespace {

constexpr const char* kActuator[] = {"LINE,-030,+030,-020,+030", "LINE,-015,+030,-005,+030",
                                     "LINE,+000,+030,+010,+030", "LINE,-030,+023,-030,+037",
                                     "LINE,-030,+023,-023,+023", "LINE,-030,+037,-037,+037"};

// I-0-II: the changeover's leads and stops; position 0 leaves the blade in the
// centre, touching neither stop.
constexpr const char* kCenterOffFixed[] = {"LINE,+015,+000,+015,+015", "LINE,+000,+045,+000,+060",
                                           "LINE,+030,+045,+030,+060", "LINE,+000,+042,+000,+045",
                                           "LINE,+000,+042,+007,+042", "LINE,+030,+042,+030,+045",
                                           "LINE,+030,+042,+023,+042"};
constexpr const char* kCenterOffBlade0[] = {"LINE,+015,+015,+015,+045"};
constexpr const char* kCenterOffBlade1[] = {"LINE,+015,+015,+003,+045"};
constexpr const char* kCenterOffBlade2[] = {"LINE,+015,+015,+027,+045"};

// I-II-III: three outputs with their stops. The blade of position 0 is drawn as
// that position's picture, so a turn away from it erases it.
constexpr const char* kThreeWayFixed[] = {"LINE,+030,+000,+030,+015", "LINE,+000,+045,+000,+060",
                                          "LINE,+030,+045,+030,+060", "LINE,+060,+045,+060,+060",
                                          "LINE,+000,+042,+000,+045", "LINE,+000,+042,+007,+042",
                                          "LINE,+030,+042,+030,+045", "LINE,+025,+042,+035,+042",
                                          "LINE,+060,+042,+060,+045", "LINE,+054,+042,+060,+042"};
constexpr const char* kThreeWayBlade0[] = {"LINE,+003,+045,+030,+015"};
constexpr const char* kThreeWayBlade1[] = {"LINE,+030,+045,+030,+015"};
constexpr const char* kThreeWayBlade2[] = {"LINE,+057,+045,+030,+015"};

constexpr MultiPositionSymbol kCenterOff{
    kTypeSelectorSwitchCenterOff,
    "-S",
    "-050",
    "-020",
    // T1 the common; position 0 closes no pole.
    {3,
     {"NUME,+020,+000,%c%c%c%c", "NUME,+005,+045,%c%c%c%c", "NUME,+035,+045,%c%c%c%c"},
     2,
     {{0, 1, 1}, {0, 2, 2}},
     kCenterOffFixed,
     {},
     {}},
    {"11", "12", "14"},
    {{"-040", "I"}, {"-025", "-0"}, {"-010", "-II"}},
    {{kActuator}},
    3,
    {kCenterOffBlade0, kCenterOffBlade1, kCenterOffBlade2},
    {g_colorGrey, g_colorRed, g_colorRed},
};

constexpr MultiPositionSymbol kThreeWay{
    kTypeSelectorSwitchThreeWay,
    "-S",
    "-050",
    "-020",
    {4,
     {"NUME,+035,+000,%c%c%c%c", "NUME,+005,+045,%c%c%c%c", "NUME,+035,+045,%c%c%c%c", "NUME,+065,+045,%c%c%c%c"},
     3,
     {{0, 1, 0}, {0, 2, 1}, {0, 3, 2}},
     kThreeWayFixed,
     {},
     {}},
    {"1", "2", "3", "4"},
    {{"-040", "I"}, {"-027", "-II"}, {"-010", "-III"}},
    {{kActuator}},
    3,
    {kThreeWayBlade0, kThreeWayBlade1, kThreeWayBlade2},
    {g_colorRed, g_colorRed, g_colorRed},
};

}  // namespace

void CVelkarionView::DrawSelectorSwitchCenterOff(Dc& dc, double zoom, int ox, int oy) {
    DrawMultiPositionContact(*this, dc, zoom, ox, oy, kCenterOff);
}
void CVelkarionView::DrawSelectorSwitchThreeWay(Dc& dc, double zoom, int ox, int oy) {
    DrawMultiPositionContact(*this, dc, zoom, ox, oy, kThreeWay);
}

}  // namespace velk
