#pragma once
// What the drive power parts and their control blocks share: the command letter
// a control block writes into its power part, the pass that shows and commands,
// and how a block finds its power part by label.
#include <cstddef>
#include <initializer_list>
#include <string>

#include "model/VelkarionView.h"
#include "render/Paint.h"
#include "symbols/ComponentFrame.h"

namespace velk {

constexpr char kDriveStop = '0';
constexpr char kDriveForward = '1';
constexpr char kDriveReverse = '2';
constexpr char kDriveDcBrake = '3';

// The first live slot, in slot order, of type a or b whose label equals
// `label`; -1 when there is none.
int firstDrivePart(const CVelkarionView& v, int typeA, int typeB, const std::string& label);
// The same over any of the listed types.
int firstDrivePart(const CVelkarionView& v, std::initializer_list<int> types, const std::string& label);

// The label and second text of a control block.
constexpr LabelLayout kControlBlockLabels{
    "-G", {"TEXT,%3s,%3s,%5s,2", "-020", "+022"}, {"TEXT,%3s,%3s,%5s,2", "-020", "+037"}};

// A terminal of a control block: where it is drawn, its name, what its wire links.
struct ControlTerminal {
    const char* format;
    const char* name;
    WireLink link;
};

// A control block's own supply: while powered, the wire on `supplyTerminal`
// gets "+" (PE there is an earth fault, a phase, N or "-" a short); without
// power, on the last pass, the power part is told to stop and the output falls
// to 0. False when a fault report stopped the simulation.
bool feedControlSupply(ComponentFrame& f, int supplyTerminal, int power, bool final);
// A display cell filled silver while the block is powered.
void drawDisplayCell(ComponentFrame& f, const char* cell);
// A displayed value put into its TEXT command; empty when it cannot be.
std::string displayNumber(const char* format, float value);

// One line of a block's display: its caption, the cell behind the value and the
// value's TEXT command, a printf format for one number.
struct DisplayLine {
    const char* caption;
    const char* cell;
    const char* value;
};
// The lines in order, each with values[i]: caption, cell (silver while powered), value.
void drawDisplayLines(ComponentFrame& f, const DisplayLine* lines, const float* values, std::size_t count);
// The block's body silver while powered and white otherwise, with its ready relay
// closed or open over it, as the state stands.
void drawControlState(ComponentFrame& f, const char* fill, const char* const (&bladeClosed)[2],
                      const char* bladeOpen);

}  // namespace velk
