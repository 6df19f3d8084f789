#pragma once
// Every two-position contact (auxiliary, timed, thermal relay contacts, push and
// mushroom buttons, latching and limit switches) is drawn and evaluated by one
// procedure over one row of data. The form (NO, NC, NO+NC, changeover) fixes the
// terminals, the poles and the blade images; the row adds its texts and the
// actuator glyph that moves with the blade. A contact never decides its state:
// masters of equal label and the mouse write it, the procedure only follows it.
//
//     constexpr ContactSymbol kRow{kTypeAuxContactNO, ContactForm::NO, "-K", "-020", "-020",
//                                  {"13", "14"}, {}, {}, {}};
//     void CVelkarionView::DrawAuxContactNO(Dc& dc, double zoom, int ox, int oy) {
//         DrawContact(*this, dc, zoom, ox, oy, kRow);
//     }
#include "model/VelkarionView.h"
#include "symbols/ComponentFrame.h"

namespace velk {

// Cross: two upper and two lower terminals joined crossed at rest and straight
// when actuated (the intermediate switch).
enum class ContactForm { NO, NC, NONC, Changeover, Cross };

constexpr int kMaxContactTerminals = 4;
constexpr int kMaxContactPoles = 4;
// Runs of commands a glyph is put together from, drawn in order (a linkage, its
// further dashes, a head or delay arcs).
constexpr int kMaxGlyphRuns = 3;

// Two terminals (indices into the form's terminal list, which are also the slot's
// terminal columns) that conduct while the state is exactly `closedAt`.
struct ContactPole {
    int first;
    int second;
    int closedAt;
};

// What a form fixes. The images are kept verbatim, in symbol units.
struct ContactShape {
    int terminalCount;
    const char* terminals[kMaxContactTerminals];  // "NUME" formats, drawing order
    int poleCount;
    ContactPole poles[kMaxContactPoles];  // evaluation order
    Commands fixedImage;                  // leads and stops, never moving
    Commands restImage;                   // the blade at rest (state not 1)
    Commands actuatedImage;               // the blade actuated (state 1)
};

const ContactShape& contactShape(ContactForm form);

// An actuator glyph: up to three runs of commands drawn one after the other.
struct Glyph {
    Commands runs[kMaxGlyphRuns];
};

// One contact type.
struct ContactSymbol {
    int type;
    ContactForm form;
    const char* defaultLabel;  // preview label
    const char* labelColumn;   // four-character x of the label, e.g. "-020"
    const char* secondColumn;  // four-character x of the second text
    const char* defaultNames[kMaxContactTerminals];  // preview terminal names, form order
    Glyph fixedGlyph;     // drawn with the fixed image
    Glyph restGlyph;      // moves with the rest image
    Glyph actuatedGlyph;  // moves with the actuated image
};

// Draws the contact of `row` at the device point (x, y) for the slot in
// m_loopIndex (or the placement preview), and while simulating scans its
// terminals and passes the live letter through every closed pole.
void DrawContact(CVelkarionView& view, Dc& dc, double zoom, int x, int y, const ContactSymbol& row);

// --- contacts of more than two positions (selector switches) ---------------------
// The same steps with a state that is a position: a pole closed at each position
// that connects (closedAt is the position), a row of position legends drawn on
// every call, red from position 1 up, and one blade per position, the others
// erased when the position changes.
constexpr int kMaxContactPositions = 3;

// A legend: its four-character x column and its text, in the row at y 0.
struct PositionLegend {
    const char* column;
    const char* text;
};

struct MultiPositionSymbol {
    int type;
    const char* defaultLabel;
    const char* labelColumn;
    const char* secondColumn;
    // Terminals, poles and fixed image; the rest and actuated images stay empty.
    ContactShape shape;
    const char* defaultNames[kMaxContactTerminals];
    PositionLegend legends[kMaxContactPositions];
    Glyph fixedGlyph;  // drawn with the fixed image, never moving
    int positionCount;
    Commands blades[kMaxContactPositions];
    Color bladeColors[kMaxContactPositions];  // each blade's colour while simulating
};

void DrawMultiPositionContact(CVelkarionView& view, Dc& dc, double zoom, int x, int y,
                              const MultiPositionSymbol& row);

}  // namespace velk
