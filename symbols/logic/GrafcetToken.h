#pragma once
// What the sequential-chart routines share: the token on a chart line (the letter
// "N" and the slot that put it there), the three contact tests against the
// terminal just drawn, the token operations, and the frame every chart element
// draws with.
//
// Contacts are exact integer geometry in command units (a fifth of a drawing
// unit): a line end or an element's position times 5, against g_terminalUnits.
// A contact point of another element is its position times 5 plus a fixed offset
// that does not turn with the element's orientation.
#include <string>

#include "model/VelkarionView.h"
#include "platform/geometry.h"

namespace velk {

// The source index of a line that carries no token from anybody (slot 0 is a
// real slot).
constexpr int kNoTokenSource = -1;

// Macro-step states.
constexpr int kMacroIdle = 0;
constexpr int kMacroEntered = 1;
constexpr int kMacroRunning = 2;
constexpr int kMacroFinished = 3;

// Contact-point offsets (command units, orientation 0 whatever the element's code).
constexpr Point kTopContact{0, 0};
constexpr Point kStepBottomContact{0, 90};
constexpr Point kTransitionBottomContact{0, 60};
constexpr Point kActionSideContact{60, 45};
constexpr Point kActionRightContact{180, 0};

class ComponentFrame;

namespace chart {

bool isLiveOf(const CVelkarionView& v, int i, int type);
bool isStepOrInitial(const CVelkarionView& v, int i);

// Against the terminal point left by the last "NUME" command.
bool endContact(const CVelkarionView& v, int line);
// Horizontal lines only, both ends included.
bool onLineContact(const CVelkarionView& v, int line);
bool directContact(const CVelkarionView& v, int element, Point offset);
// Element contact point at the point `at` (command units).
bool contactAt(const CVelkarionView& v, int element, Point offset, Point at);

bool hasToken(const CVelkarionView& v, int line);

// Every live link line of L's net (L included) takes L's letter and source.
void copyNet(CVelkarionView& v, int line);
void putToken(CVelkarionView& v, int line, int by);
void consumeToken(CVelkarionView& v, int line);

// The common frame over the component frame: a terminal drawn with the slot's
// name (a single blank in the preview and when hidden), the pen blue for an
// active element and grey otherwise while simulating, and the label centred or
// left-aligned by its "TEXT" format.
void drawTerminal(ComponentFrame& f, const char* format, int k);
void useActivityColor(ComponentFrame& f, bool active);
void drawLabel(ComponentFrame& f, const char* format, const char* dx, const char* dy, const char* previewText);

}  // namespace chart
}  // namespace velk
