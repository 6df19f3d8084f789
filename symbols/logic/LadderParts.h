#pragma once
// What the ladder contacts and coils have in common: a rung element with a
// terminal at each end, the label above and the second text below, and a small
// state box in the middle.
#include "render/Paint.h"
#include "symbols/ComponentFrame.h"

namespace velk::ladder {

constexpr LabelLayout kLabels{"-U", {"TEXT,%3s,%3s,%5s,0", "+010", "-032"}, {"TEXT,%3s,%3s,%5s,0", "+010", "+016"}};
constexpr const char* kLeftTerminal = "NUME,+005,+000,%c%c%c%c";
constexpr const char* kRightTerminal = "NUME,+065,+000,%c%c%c%c";
constexpr const char* kStateBox = "POLI,+025,-010,+035,-010,+035,+010,+025,+010";

}  // namespace velk::ladder
