#pragma once
// Multi-pole protective devices (fuses, fuse switch-disconnectors, the thermal
// overload relay, breakers, residual-current and motor protection switches) share
// one procedure over one row of data. Pole p stands 30 symbol units right of pole
// 0 and is drawn from pole 0's commands moved by 30p; its top terminal is terminal
// p, its bottom terminal p + P, and the pair conducts both ways while the family's
// condition holds. What differs between families is data: the pole pictures, the
// runs of commands that belong to the whole device, and the order in which the
// pictures are put together from them.
//
//     constexpr MultiPoleRow kFuseI{&kFuses, kFuseLabels, kTop, kBottom, 1, {&kFusePole}, {}};
//     void CVelkarionView::DrawFuseI(Dc& dc, double zoom, int ox, int oy) {
//         DrawMultiPole(*this, dc, zoom, ox, oy, kFuseI);
//     }
#include <cstddef>
#include <string>

#include "model/VelkarionView.h"
#include "symbols/ComponentFrame.h"

namespace velk {

constexpr int kMaxDevicePoles = 4;
// Runs of a pole form and of a device row are numbered from 1; 0 names no run.
constexpr int kMaxPoleRuns = 8;
constexpr int kMaxDeviceRuns = 8;
constexpr int kMaxStepRuns = 4;

// One kind of pole (a fuse pole, a neutral link, a breaker pole with its latch...)
// in pole 0's place: its runs of commands, kept verbatim.
struct PoleForm {
    Commands runs[kMaxPoleRuns];
};

// Which poles a step draws its pole runs for, or the device's own runs.
enum class StepScope { EachPole, EachPoleButLast, LastPole, Device };

// One step of putting a picture together: for every pole in scope, pole by pole,
// the listed runs of that pole's form; for a Device step the listed runs of the
// row. Unused entries are 0.
struct PictureStep {
    StepScope scope;
    int runs[kMaxStepRuns];
};

class PictureSteps {
public:
    constexpr PictureSteps() = default;
    template <std::size_t N>
    constexpr PictureSteps(const PictureStep (&list)[N]) : m_first(list), m_count(N) {}
    constexpr const PictureStep* begin() const { return m_first; }
    constexpr const PictureStep* end() const { return m_first + m_count; }

private:
    const PictureStep* m_first = nullptr;
    std::size_t m_count = 0;
};

// When the poles join their terminals.
enum class PoleCondition {
    StateZero,  // a fuse while it is intact
    StateOne,   // a switch or breaker while it is closed
    Always,     // the thermal relay, tripped or not
};

// Which states show the operated picture, in red.
enum class OperatedWhen {
    StateOne,
    StateNotZero,  // a fuse that does not conduct is drawn blown
};

// How the picture follows the state while simulating.
enum class PictureMode {
    OnChange,   // the fixed parts and the state's parts once per change
    EveryCall,  // the outside picture in the state colour in every call
};

struct MultiPoleFamily {
    PoleCondition condition;
    OperatedWhen operated;
    PictureMode mode;
    PictureSteps outside;  // the picture outside simulation
    PictureSteps fixed;    // drawn in every state
    PictureSteps rest;     // state 0: open, intact
    PictureSteps operatedParts;
};

// One device type.
struct MultiPoleRow {
    const MultiPoleFamily* family;
    LabelLayout labels;
    const char* topTerminal;     // pole 0's "NUME" formats
    const char* bottomTerminal;
    int poleCount;
    const PoleForm* poles[kMaxDevicePoles];
    Commands deviceRuns[kMaxDeviceRuns];  // index 0 unused
    // The terminal names keep the paint's colour while simulating.
    bool namesInPaintColor = false;
    // Texts some members draw after the label texts (nullptr: none).
    void (*extraTexts)(ComponentFrame& f) = nullptr;
};

// The command with every x moved by dx (texts are left as they are); the numbers
// are written back in the four-character columns, "+030" or "-007". With dx 0
// the command comes back byte for byte.
std::string shiftedCommand(const char* command, int dx);
// The command with every point moved by (dx, dy), texts included; the columns
// that follow the points (a text, a terminal's name) are left as they are.
std::string movedCommand(const char* command, int dx, int dy);

// Draws the device of `row` at the device point (x, y) for the slot in
// m_loopIndex (or the placement preview), and while simulating scans its
// terminals and joins every pole while the family's condition holds.
void DrawMultiPole(CVelkarionView& view, Dc& dc, double zoom, int x, int y, const MultiPoleRow& row);

}  // namespace velk
