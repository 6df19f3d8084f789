#pragma once
// What a newly placed symbol carries, one row per type code: its default label,
// terminal names, parameter text, companion slot, the highest slot it may take and
// the extents of its placement ghost (which become its symbol box).
#include <array>

#include "model/SlotColumns.h"

namespace velk {

// A box around the insertion point in command units (a fifth of a drawing unit),
// for orientation 0.
struct GhostExtents {
    int left;
    int top;
    int right;
    int bottom;
};

// Terminal names in terminal order; nullptr ends the list.
using TerminalNames = std::array<const char*, kTerminalCount>;

struct PlacementDefaults {
    int type;
    GhostExtents ghost;
    // An empty label is not shown (the earth symbol, the wiring accessories).
    const char* label;
    TerminalNames terminals{};
    // Names from this entry on are per-type data (a timer's unit and value, a lamp's
    // colour), not terminals: they are written but not shown.
    int shownTerminals = kTerminalCount;
    const char* paramText = nullptr;
    // The names written into the companion slot that follows the item, or nullptr
    // when the item takes one slot.
    const TerminalNames* companion = nullptr;
    // The highest slot index the item, its companion included, may occupy.
    int lastSlot = 998;
};

// The row of a type code, or nullptr for codes without a box of their own (wire and
// line tools, free drawing, variants that only a property dialog chooses).
const PlacementDefaults* placementDefaultsFor(int type);

// Every row, in ascending type order.
const PlacementDefaults* placementRowsBegin();
const PlacementDefaults* placementRowsEnd();

// Component tools completed by PlaceComponent: codes 1000 to 3019 and 5000 to 10111
// that have a row. The wiring accessories (4000s) are placed by the wiring tools.
bool isComponentTool(int type);

// Number of slots an item of the row takes (2 with a companion slot).
inline int slotsTaken(const PlacementDefaults& row) { return row.companion ? 2 : 1; }

}  // namespace velk
