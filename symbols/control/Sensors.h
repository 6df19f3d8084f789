#pragma once
// Proximity sensors and the receivers of the light barriers are one kind of device:
// an output that is on while the object is detected (NO) or while it is not (NC),
// wired either as a 2-wire switch between T1 and T2 or as a 3-wire output at S
// supplied with '+' at T1 and '-' at T2, with the terminals below the symbol or on
// its right-hand side. One procedure draws and evaluates every member over a row
// of data; the rows differ in their texts and in the picture inside the box.
//
//     constexpr SensorForm kRow{SensorContact::NO, SensorWiring::TwoWire, SensorSide::Below,
//                               labels, kSensorPicture, SensorMark::ByType, sinksOutput};
//     void CVelkarionView::DrawSensorNO2Wire(Dc& dc, double zoom, int ox, int oy) {
//         DrawSensor(*this, dc, zoom, ox, oy, kRow);
//     }
//
// The state is the mouse's (held while pressed); the procedure only follows it.
#include "model/VelkarionView.h"
#include "symbols/ComponentFrame.h"

namespace velk {

enum class SensorContact { NO, NC };
enum class SensorWiring { TwoWire, ThreeWire };
enum class SensorSide { Below, Side };
// Whether the member shows the mark of its sensing kind (inductive, capacitive,
// magnetic), chosen by its type code.
enum class SensorMark { None, ByType };

struct SensorForm {
    SensorContact contact;
    SensorWiring wiring;
    SensorSide side;
    LabelLayout labels;
    // Drawn after the leads and before the blade, in the place of a member with
    // its terminals below; the side members draw it moved.
    Commands picture;
    SensorMark mark;
    // For a 3-wire member: whether its type drives S to '-' (NPN) rather than '+'.
    bool (*sinksOutput)(int type);
};

// The body fill that stands for the erase of a changing picture: while evaluating,
// nothing (false: nothing more is drawn in this call) when the state is the one
// drawn last; otherwise the body silver (state 1) or white, and the pen red or grey
// for what follows. Outside simulation it draws nothing and gives true.
bool fillBodyOnChange(ComponentFrame& f, Commands body);

// The type the routine draws: the slot's, or the tool's in the preview.
int drawnType(ComponentFrame& f);

void DrawSensor(CVelkarionView& view, Dc& dc, double zoom, int x, int y, const SensorForm& form);

}  // namespace velk
