#pragma once
// What the component routines share about terminals. Every "NUME" command of a
// placed component (in connection mode or while simulating) leaves two things:
//
//  - g_terminalPoint: the device point of the terminal's wire end, where its
//    connection circle is drawn;
//  - g_terminalUnits: the same wire end exactly, in command units (a fifth of a
//    drawing unit): slot position x 5 plus the orientation-turned offset.
//
// A wire is connected to the terminal when one of its ends x 5 equals
// g_terminalUnits. This is integer arithmetic, so a terminal connects where the
// geometry says it does at every zoom, in every orientation and at every position;
// the device point, being rounded, is used for drawing only. Routines never compare
// coordinates themselves: they call CVelkarionView::wireAtTerminal() (or walk
// nextWireAtTerminal() when they feed every wire there) right after the command.
#include "model/TypeCodes.h"
#include "platform/geometry.h"

namespace velk {

// Command units per drawing unit.
constexpr int kCommandUnitsPerUnit = 5;

extern Point g_terminalPoint;
extern Point g_terminalUnits;
// False while g_terminalUnits holds no terminal (after the placement preview, an
// orientation code outside 0 to 7, or a reset): then no wire is at the terminal.
extern bool g_terminalUnitsValid;

// Back to "no terminal": both points (0, 0). Leaving simulation does this.
void clearTerminalPoint();

// The wires a terminal finds: the phase, neutral, protective-earth, plus and minus
// wires. Connection dots and chart lines never end on a terminal.
constexpr bool isTerminalWire(int t) {
    return t == kTypeWirePhase || t == kTypeWireNeutral || t == kTypeWirePE || t == kTypeWirePlus ||
           t == kTypeWireMinus;
}

// Symbols whose terminals leave on one side: their wire ends never drop below the
// terminal label.
constexpr bool isSideTerminalType(int t) {
    return (t >= 7503 && t <= 7505) || (t >= 7509 && t <= 7511) || (t >= 7515 && t <= 7517) ||
           (t >= 7523 && t <= 7525) || (t >= 7529 && t <= 7531) || (t >= 7535 && t <= 7537) ||
           t == kTypeBarrierEmitterSide || (t >= 7556 && t <= 7558) || (t >= 7562 && t <= 7564) ||
           (t >= kTypeAnd2 && t <= kTypeExor);
}

// The orientation codes as maps of a point in the symbol frame: 0 to 3 turn by
// quarter turns, 4 to 7 mirror left-right first. Any other code leaves the point.
constexpr Point turnedPoint(int code, int x, int y) {
    switch (code) {
        case 1: return {-y, x};
        case 2: return {-x, -y};
        case 3: return {y, -x};
        case 4: return {-x, y};
        case 5: return {-y, -x};
        case 6: return {x, -y};
        case 7: return {y, x};
        default: return {x, y};
    }
}

}  // namespace velk
