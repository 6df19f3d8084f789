#pragma once
// What the loads of the control family share: whether the letters at two terminals
// put a voltage across a load, the edge latch on the last evaluation pass with its
// body fill, and the copy of a master's state into the contacts of equal label.
// Coils, timer relays, lamps, sounders and barriers all decide "energised" the
// same way, so they all ask voltageAcross().
#include "model/VelkarionView.h"
#include "render/Paint.h"
#include "symbols/ComponentFrame.h"

namespace velk {

// Whether a load between letters a and b is energised: a phase against neutral,
// two different phases, or the two DC poles, in either order. Earth, a dead
// terminal, equal letters and the marker letters never energise; a load reports
// no fault either way.
bool voltageAcross(char a, char b);

// The letter of the wire at the terminal just drawn (the last one in slot order
// when several end there), or '0' when none does or the call does not evaluate.
// Loads keep it for the one call only: they record nothing at their terminals.
char letterAtTerminal(ComponentFrame& f);

// What the latch sees on its pass, from this call's test result and the result it
// stored last (-1 after an erase of the view, which counts as a change either way).
enum class Edge { None, Rising, Falling };
Edge latchEdge(bool energised, int lastResult);

// The body of a load on an edge: filled silver and outlined red from then on when
// rising, filled white and outlined grey when falling; nothing otherwise.
void fillBody(ComponentFrame& f, Edge edge, Commands body);

// The contacts that follow a coil of equal label: the main contacts and the
// auxiliary contacts.
bool followsCoil(int type);

// The slave copy: every live slot whose type `follows` accepts and whose label
// equals the master's takes `value`, 1 when it is 1 and 0 for any other value: a
// coil copies its state, a timer relay also its delayed output. A master without
// a label drives nothing.
void copyStateToSlaves(CVelkarionView& v, int master, bool (*follows)(int type), int value);
inline void copyStateToSlaves(CVelkarionView& v, int master, bool (*follows)(int type)) {
    copyStateToSlaves(v, master, follows, v.m_state[master]);
}

}  // namespace velk
