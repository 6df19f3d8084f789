#pragma once
// The frame every motor routine (and the autotransformer) runs on. A motor feeds
// nothing and conducts nothing: while simulating it reads the letters of the
// wires at its terminals, turns them into a rotation code by its own ordered
// tests, reports a live protective-earth terminal, may mark its winding wires,
// and on the last pass shows the code: the body filled silver with the running
// picture, or filled white when stopped. A member is one row of data:
//
//     constexpr MotorSymbol kRow{"", "-020", "+055", "+070",
//                                {{"NUME,+005,+000,", "U1", 0}, ..., {"NUME,+095,+000,", "PE", kNoLinkSlot}},
//                                4, 3, threePhaseRotation, 3, true, "ELIP,-015,+015,+075,+105",
//                                {{}, kForward, kReverse, kBraking}, kOutline};
//     void CVelkarionView::DrawMotorThreePhase(Dc& dc, double zoom, int x, int y) {
//         DrawMotor(*this, dc, zoom, x, y, kRow);
//     }
#include <cstddef>

#include "model/VelkarionView.h"
#include "symbols/ComponentFrame.h"

namespace velk {

constexpr int kMaxMotorTerminals = 9;
constexpr int kMaxRotationCodes = 5;  // 0 stopped, up to 4 running pictures
constexpr int kNoLinkSlot = -1;
// A drawn state that matches no code, so the next last pass fills the body.
constexpr int kDrawnStateUnknown = -1;

// A terminal: its "NUME" command up to and including the third comma, its name
// in the preview, and the entry of the link column that keeps the slot of the
// wire found there (kNoLinkSlot: not kept).
struct MotorTerminal {
    const char* prefix;
    const char* name;
    int linkSlot;
};

// A body of windings drawn with "POLI" fills in the pen colour (the
// autotransformer) instead of a filled ellipse: outside the simulation `solid`
// in the current colour; while simulating nothing but, on a last pass whose code
// differs from the one drawn, `fills` in silver (running) or white, then
// `outline` in black.
struct PenFilledBody {
    Commands solid;
    Commands fills;
};

// A field winding on terminals a and b (a DC motor's): while simulating it is
// drawn in every pass, red when they read "+" and "-" in either order, grey
// otherwise; outside the simulation (and after a fault report) in the current
// colour. Its picture empty: no field.
struct FieldWinding {
    int a = -1;
    int b = -1;
    Commands picture{};
};

class MotorCall;
// The member's ordered tests: each test that holds sets the code, a later one
// overriding an earlier one; marks may be written among them.
using RotationRule = void (*)(MotorCall& call);

struct MotorSymbol {
    const char* caption;  // drawn first, in the preview too; "" for none
    const char* labelColumn;
    const char* labelRow;
    const char* secondRow;
    MotorTerminal terminals[kMaxMotorTerminals];
    int terminalCount;
    int peTerminal;
    RotationRule rotationRule;
    // While braking with this code (or just after, or stopped) the body is
    // filled again at every paint; 0 for members without the rule.
    int redrawnCode;
    // On pass 4 a wire kept in a link slot whose terminal reads "0" gets "Z".
    bool marksDeadWindings;
    const char* bodyEllipse;
    Commands running[kMaxRotationCodes];  // indexed by the rotation code
    Commands outline;
    // What only the autotransformer sets; rows that leave them out are motors.
    const char* previewLabel = "-M";
    bool namesAsTyped = false;  // else right-aligned in two characters
    bool keepsCode = false;     // the code goes into m_state in every pass
    PenFilledBody penFilledBody{};  // empty: the body ellipse, the outline in every call
    // What only the DC motors set.
    FieldWinding field{};
    // A running picture outside the body: a refill does not cover it, so on a
    // stop or a direct change of direction these are drawn white first.
    Commands erasedPicture{};
};

// The letters of one evaluation and what the rule may do with them.
class MotorCall {
public:
    MotorCall(CVelkarionView& view, int slot, const MotorSymbol& member);

    // A terminal other than PE on no wire has no letter and satisfies no test.
    bool hasLetter(int k) const;
    char letter(int k) const;
    bool reads(int k, char c) const { return hasLetter(k) && letter(k) == c; }
    // Whether the terminals read the letters of `text` in order.
    bool readsAll(const int* terminals, const char* text) const;

    int rotation() const { return m_rotation; }
    void setRotation(int code) { m_rotation = code; }

    // The wire found at terminal k in this call (through its link slot) takes the
    // letter; nothing for a terminal without a wire or without a link slot.
    void markWire(int k, char c);

    // Used by the frame only.
    void scanTerminal(int k);
    // A paint that only shows the run: the letters are read, no link and no wire
    // is written.
    void readOnly() { m_readOnly = true; }

private:
    CVelkarionView& m_view;
    const int m_slot;
    const MotorSymbol& m_member;
    char m_letters[kMaxMotorTerminals];
    bool m_found[kMaxMotorTerminals];
    int m_rotation = 0;
    bool m_readOnly = false;
};

// Ordered tests on three terminals: the letters each row needs and the code it
// gives.
struct LetterTest {
    const char* letters;
    int code;
};
// The pictures the three-phase motors share: the body, and the arc with its
// head on the right (forward) or on the left (reverse).
inline constexpr const char* kMotorBody = "ELIP,-015,+015,+075,+105";
inline constexpr const char* kMotorForwardArrow[] = {"ARCO,+000,+030,+060,+090,+048,+048,+011,+048",
                                                     "POLI,+055,+044,+045,+039,+051,+034,+055,+044"};
inline constexpr const char* kMotorReverseArrow[] = {"ARCO,+000,+030,+060,+090,+048,+048,+011,+048",
                                                     "POLI,+004,+044,+014,+039,+008,+034,+004,+044"};

// The six orders of the three phases: cyclic ones forward (1), anticyclic ones
// reverse (2).
extern const LetterTest kPhaseOrders[6];
// The order of the three phases at terminals a, b, c: 1 cyclic, 2 anticyclic,
// 0 neither (a terminal on no wire, a repeated or a missing phase).
int phaseOrder(const MotorCall& call, int a, int b, int c);
// Runs the tests in order on terminals a, b, c; a row that holds sets its code,
// shifted so that code 1 gives `forward` and code 2 gives `reverse`.
void applyPhaseOrders(MotorCall& call, int a, int b, int c, int forward = 1, int reverse = 2);
// Whether terminals a, b, c all read `letter`.
bool readsThree(const MotorCall& call, int a, int b, int c, char letter);
// "+" on one terminal and "-" on the other, in either order.
bool readsDc(const MotorCall& call, int a, int b);

// Draws and evaluates the motor of `member` at the device point (x, y) for the
// slot in m_loopIndex, or its placement preview.
void DrawMotor(CVelkarionView& view, Dc& dc, double zoom, int x, int y, const MotorSymbol& member);

}  // namespace velk
