#include "render/Potentials.h"

#include "model/VelkarionView.h"

namespace velk {

namespace {

// Row a, column b, both in the order of kSupplyLetters ("1" "2" "3" "N" "P" "+" "-"):
// S short circuit, E earth fault, blank nothing.
constexpr const char* kClashTable[kSupplyLetterCount] = {
    " SSSESS",  // "1"
    "S SSESS",  // "2"
    "SS SESS",  // "3"
    "SSS ESS",  // "N"
    "EEEE EE",  // "P"
    "SSSSE S",  // "+"
    "SSSSES ",  // "-"
};

}  // namespace

int supplyLetterIndex(char c) {
    for (int i = 0; i < kSupplyLetterCount; ++i)
        if (kSupplyLetters[i] == c) return i;
    return -1;
}

ClashReport clashBetween(char a, char b) {
    const int row = supplyLetterIndex(a);
    const int column = supplyLetterIndex(b);
    if (row < 0 || column < 0) return ClashReport::None;
    switch (kClashTable[row][column]) {
        case 'S': return ClashReport::ShortCircuit;
        case 'E': return ClashReport::EarthFault;
        default: return ClashReport::None;
    }
}

void CVelkarionView::CheckPotentialClash(char a, char b) {
    switch (clashBetween(a, b)) {
        case ClashReport::ShortCircuit: ReportShortCircuit(); break;
        case ClashReport::EarthFault: ReportEarthFault(); break;
        case ClashReport::None: break;
    }
}

}  // namespace velk
