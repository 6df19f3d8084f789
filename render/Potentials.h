#pragma once
// Potential letters: the simulation carries no voltages, every wire, component
// and terminal holds one 8-bit letter. Only the seven supply letters can clash;
// the marker letters belong to single families and never clash.

namespace velk {

constexpr char kPotentialNone = '0';
constexpr char kPotentialL1 = '1';
constexpr char kPotentialL2 = '2';
constexpr char kPotentialL3 = '3';
constexpr char kPotentialNeutral = 'N';  // on chart lines: a token is present
constexpr char kPotentialPE = 'P';
constexpr char kPotentialPlus = '+';  // the only letter logic reads as 1
constexpr char kPotentialMinus = '-';

constexpr char kPotentialStarPoint = 'Y';
constexpr char kPotentialStarCandidate = 'y';
constexpr char kPotentialDeadWinding = 'Z';
constexpr char kPotentialLampSeriesL1 = 'R';
constexpr char kPotentialLampSeriesL2 = 'S';
constexpr char kPotentialLampSeriesL3 = 'T';
constexpr char kPotentialLampSeriesPlus = 'W';
constexpr char kPotentialLampClosedL1 = 'A';
constexpr char kPotentialLampClosedL2 = 'B';
constexpr char kPotentialLampClosedL3 = 'C';
constexpr char kPotentialLampClosedPlus = 'F';
constexpr char kPotentialFedMark = '*';  // terminal letters 0 and 1 of a wire a device fed

// The seven letters a supply can put on a wire, in the order of the clash table.
constexpr char kSupplyLetters[] = {kPotentialL1, kPotentialL2,   kPotentialL3,   kPotentialNeutral,
                                   kPotentialPE, kPotentialPlus, kPotentialMinus};
constexpr int kSupplyLetterCount = 7;

// Position of a supply letter in kSupplyLetters, -1 for every other letter.
int supplyLetterIndex(char c);
inline bool isSupplyLetter(char c) { return supplyLetterIndex(c) >= 0; }

enum class ClashReport { None, ShortCircuit, EarthFault };

// What two letters meeting give: the clash table that CheckPotentialClash follows.
ClashReport clashBetween(char a, char b);

}  // namespace velk
