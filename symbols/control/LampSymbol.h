#pragma once
// What the pilot lamp and the flashing pilot lamp share: texts, terminals, the
// crossed circle on two leads, the five lamp colours and the fill of the circle.
#include <string>

#include "render/Colors.h"
#include "symbols/ComponentFrame.h"

namespace velk {

constexpr LabelLayout kLampLabels{
    "-H", {"TEXT,%3s,%3s,%5s,2", "-030", "+022"}, {"TEXT,%3s,%3s,%5s,2", "-030", "+037"}};
constexpr const char* kLampX1 = "NUME,+005,+000,%c%c%c%c";
constexpr const char* kLampX2 = "NUME,+005,+045,%c%c%c%c";
constexpr const char* kLampCircle = "ELIP,-015,+015,+015,+045";

// The colour a lamp of colour code `code` lights in.
Color lampFillColor(const std::string& code);

// The circle filled with a solid brush of `fill`, outlined in the pen colour; the
// null brush is back afterwards.
void fillLampCircle(ComponentFrame& f, Color fill);

// The leads, the circle (outline only) and the cross. A lit red lamp gets a grey
// rim and cross, since a red one would not show against its fill.
void drawLampOutline(ComponentFrame& f);

}  // namespace velk
