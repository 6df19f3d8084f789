#pragma once
// What a closed power pole does with the letters at its two terminals, shared by
// every set of power poles (contactor main contacts, switch-disconnectors):
//
//  - each terminal is scanned right after its "NUME" command (ComponentFrame::
//    terminal with WireLink::Net): the letter and the net of the last wire there;
//  - while the set is closed, every pole has its two letters checked against each
//    other, all poles before anything is fed, and a report ends the call;
//  - then one walk over the wires and connection dots, in slot order: for each of
//    them the star step of the poles that take it (a "Y" on one side turns the
//    "y" side's net into "Y"), then the feed step of every pole (a live side
//    feeds the dead side's net), each fed item marked "*" in the entry of the
//    dead terminal.
//
// The letters are those scanned in this call: feeding changes none of them, so
// what this call feeds comes back to the terminals in the next pass.
#include <cstddef>

#include "symbols/ComponentFrame.h"

namespace velk {

// Sets have one to four poles.
constexpr std::size_t kMaxPowerPoles = 4;

// One power pole: its top and bottom terminal, and whether it takes part in the
// star step (a four-pole set's fourth pole does not).
struct PowerPole {
    int top;
    int bottom;
    bool starStep;
};

// The letter the scan of terminal k left in this call, "0" for a terminal no
// wire touches (it is on no net, whatever the link column held before).
char poleLetter(const ComponentFrame& f, int k);

// The clash checks and the wire walk of a closed set; nothing while not
// evaluating. False when a report stopped the simulation: return at once.
bool evaluateClosedPoles(ComponentFrame& f, const PowerPole* poles, std::size_t count);

}  // namespace velk
