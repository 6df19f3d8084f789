#pragma once
// When two line items touch: shared by the wire pass and the net numbering.
// Ends are compared in drawing units, exactly, so whether two wires touch never
// depends on the zoom or on rounding to device pixels.

#include "model/VelkarionView.h"

namespace velk {

// The two ends of a line item in drawing units, as stored (placement keeps
// x1 <= x2 and y1 <= y2, each item horizontal or vertical).
struct LineEnds {
    int x1, y1, x2, y2;
};

namespace detail {
enum End { kFirst, kSecond };
// One coincidence test: a point of this item against a point of the other, each
// coordinate taken from the first or the second end.
struct Coincidence {
    End thisX, thisY, otherX, otherY;
};
// Together they say that an end of one horizontal or vertical item lies on an end
// of the other, in every combination of ends and directions.
constexpr Coincidence kCoincidences[8] = {
    {kFirst, kFirst, kFirst, kFirst},   {kSecond, kSecond, kSecond, kSecond},
    {kFirst, kSecond, kFirst, kSecond}, {kSecond, kFirst, kSecond, kFirst},
    {kFirst, kFirst, kSecond, kFirst},  {kSecond, kFirst, kFirst, kFirst},
    {kFirst, kFirst, kFirst, kSecond},  {kFirst, kSecond, kFirst, kFirst},
};
constexpr int xOf(const LineEnds& e, End end) { return end == kFirst ? e.x1 : e.x2; }
constexpr int yOf(const LineEnds& e, End end) { return end == kFirst ? e.y1 : e.y2; }
}  // namespace detail

// Whether at least one of the coincidence tests holds between `self` and `other`.
constexpr bool endsCoincide(const LineEnds& self, const LineEnds& other) {
    for (const detail::Coincidence& c : detail::kCoincidences) {
        if (detail::xOf(self, c.thisX) == detail::xOf(other, c.otherX) &&
            detail::yOf(self, c.thisY) == detail::yOf(other, c.otherY))
            return true;
    }
    return false;
}

inline LineEnds lineEndsOf(const CVelkarionView& view, int slot) {
    return {view.m_x[slot], view.m_y[slot], view.m_x2[slot], view.m_y2[slot]};
}

}  // namespace velk
