// Tool selection: the drawing-tool commands, the palette commands and
// BeginToolPlacement, the common tail of the palette, zoom and grid commands.
#include <algorithm>
#include <cmath>
#include <string>

#include "model/TypeCodes.h"
#include "model/VelkarionView.h"
#include "platform/command.h"
#include "platform/textentry.h"
#include "render/SheetCoords.h"
#include "res/Resource.h"

namespace velk {

std::string g_textToolText;

namespace {

constexpr int kTextToolMaxLength = 30;

// A palette command places one component type; the three link commands choose
// the same link tool and differ in its sub-kind.
struct PaletteCommand {
    int id;
    int tool;
    int subKind;
};

constexpr PaletteCommand kPaletteCommands[] = {
    // Motors
    {ID_PLACE_MOTOR_THREE_PHASE, kTypeMotorThreePhase, 0},
    {ID_PLACE_MOTOR_STAR_DELTA, kTypeMotorStarDelta, 0},
    {ID_PLACE_MOTOR_SINGLE_PHASE, kTypeMotorSinglePhase, 0},
    {ID_PLACE_MOTOR_DAHLANDER, kTypeMotorDahlander, 0},
    {ID_PLACE_MOTOR_TWO_WINDING, kTypeMotorTwoWinding, 0},
    {ID_PLACE_MOTOR_WOUND_ROTOR, kTypeMotorWoundRotor, 0},
    {ID_PLACE_MOTOR_DC_PERMANENT_MAGNET, kTypeMotorDcPermanentMagnet, 0},
    {ID_PLACE_MOTOR_DC_SEPARATELY_EXCITED, kTypeMotorDcSeparatelyExcited, 0},
    // Power contacts
    {ID_PLACE_MAIN_CONTACTS_I, kTypeMainContactsI, 0},
    {ID_PLACE_MAIN_CONTACTS_II, kTypeMainContactsII, 0},
    {ID_PLACE_MAIN_CONTACTS_III, kTypeMainContactsIII, 0},
    {ID_PLACE_MAIN_CONTACTS_IIII, kTypeMainContactsIIII, 0},
    {ID_PLACE_SWITCH_DISCONNECTOR_I, kTypeSwitchDisconnectorI, 0},
    {ID_PLACE_SWITCH_DISCONNECTOR_II, kTypeSwitchDisconnectorII, 0},
    {ID_PLACE_SWITCH_DISCONNECTOR_III, kTypeSwitchDisconnectorIII, 0},
    {ID_PLACE_SWITCH_DISCONNECTOR_IIII, kTypeSwitchDisconnectorIIII, 0},
    // Fuses
    {ID_PLACE_FUSE_I, kTypeFuseI, 0},
    {ID_PLACE_FUSE_IN, kTypeFuseIN, 0},
    {ID_PLACE_FUSE_II, kTypeFuseII, 0},
    {ID_PLACE_FUSE_III, kTypeFuseIII, 0},
    {ID_PLACE_FUSE_IIIN, kTypeFuseIIIN, 0},
    {ID_PLACE_FUSE_SWITCH_I, kTypeFuseSwitchI, 0},
    {ID_PLACE_FUSE_SWITCH_IN, kTypeFuseSwitchIN, 0},
    {ID_PLACE_FUSE_SWITCH_II, kTypeFuseSwitchII, 0},
    {ID_PLACE_FUSE_SWITCH_III, kTypeFuseSwitchIII, 0},
    {ID_PLACE_FUSE_SWITCH_IIIN, kTypeFuseSwitchIIIN, 0},
    // Breakers and protection
    {ID_PLACE_BREAKER_I, kTypeBreakerI, 0},
    {ID_PLACE_BREAKER_IN, kTypeBreakerIN, 0},
    {ID_PLACE_BREAKER_II, kTypeBreakerII, 0},
    {ID_PLACE_BREAKER_III, kTypeBreakerIII, 0},
    {ID_PLACE_BREAKER_IIIN, kTypeBreakerIIIN, 0},
    {ID_PLACE_RCD_IN, kTypeRcdIN, 0},
    {ID_PLACE_RCD_IIIN, kTypeRcdIIIN, 0},
    {ID_PLACE_THERMAL_OVERLOAD_RELAY, kTypeThermalOverloadRelay, 0},
    {ID_PLACE_MOTOR_PROTECTION_SWITCH_I, kTypeMotorProtectionSwitchI, 0},
    {ID_PLACE_MOTOR_PROTECTION_SWITCH_IN, kTypeMotorProtectionSwitchIN, 0},
    {ID_PLACE_MOTOR_PROTECTION_SWITCH_II, kTypeMotorProtectionSwitchII, 0},
    {ID_PLACE_MOTOR_PROTECTION_SWITCH_III, kTypeMotorProtectionSwitchIII, 0},
    {ID_PLACE_MOTOR_PROTECTION_SWITCH_IIIN, kTypeMotorProtectionSwitchIIIN, 0},
    {ID_PLACE_SURGE_ARRESTER_IN, kTypeSurgeArresterIN, 0},
    {ID_PLACE_SURGE_ARRESTER_IIIN, kTypeSurgeArresterIIIN, 0},
    // Supplies and converters
    {ID_PLACE_SUPPLY_L, kTypeSupplyL, 0},
    {ID_PLACE_SUPPLY_N, kTypeSupplyN, 0},
    {ID_PLACE_SUPPLY_PE, kTypeSupplyPE, 0},
    {ID_PLACE_SUPPLY_LN, kTypeSupplyLN, 0},
    {ID_PLACE_SUPPLY_LNPE, kTypeSupplyLNPE, 0},
    {ID_PLACE_SUPPLY_L1L2L3, kTypeSupplyL1L2L3, 0},
    {ID_PLACE_SUPPLY_L1L2L3PE, kTypeSupplyL1L2L3PE, 0},
    {ID_PLACE_SUPPLY_L1L2L3N, kTypeSupplyL1L2L3N, 0},
    {ID_PLACE_SUPPLY_L1L2L3NPE, kTypeSupplyL1L2L3NPE, 0},
    {ID_PLACE_SUPPLY_PLUS, kTypeSupplyPlus, 0},
    {ID_PLACE_SUPPLY_MINUS, kTypeSupplyMinus, 0},
    {ID_PLACE_SUPPLY_PLUS_MINUS, kTypeSupplyPlusMinus, 0},
    {ID_PLACE_EARTH_SYMBOL, kTypeEarthSymbol, 0},
    {ID_PLACE_TRANSFORMER, kTypeTransformer, 0},
    {ID_PLACE_TRANSFORMER_THREE_PHASE, kTypeTransformerThreePhase, 0},
    {ID_PLACE_DIODE, kTypeDiode, 0},
    {ID_PLACE_RECTIFIER, kTypeRectifier, 0},
    {ID_PLACE_POWER_SUPPLY_UNIT, kTypePowerSupplyUnit, 0},
    {ID_PLACE_POWER_SUPPLY_UNIT_THREE_PHASE, kTypePowerSupplyUnitThreePhase, 0},
    {ID_PLACE_BATTERY, kTypeBattery, 0},
    // Wires, junctions and terminals
    {ID_PLACE_WIRE_PHASE, kTypeWirePhase, 0},
    {ID_PLACE_WIRE_NEUTRAL, kTypeWireNeutral, 0},
    {ID_PLACE_WIRE_PE, kTypeWirePE, 0},
    {ID_PLACE_WIRE_PLUS, kTypeWirePlus, 0},
    {ID_PLACE_WIRE_MINUS, kTypeWireMinus, 0},
    {ID_PLACE_CONNECTION_DOT, kTypeConnectionDot, 0},
    {ID_PLACE_WIRE_THREE_PHASE_VERTICAL_1, kTypeWireThreePhaseVertical1, 0},
    {ID_PLACE_WIRE_THREE_PHASE_VERTICAL_2, kTypeWireThreePhaseVertical2, 0},
    {ID_PLACE_WIRE_THREE_PHASE_HORIZONTAL_1, kTypeWireThreePhaseHorizontal1, 0},
    {ID_PLACE_WIRE_THREE_PHASE_HORIZONTAL_2, kTypeWireThreePhaseHorizontal2, 0},
    {ID_PLACE_BUNDLE, kTypeBundle, 0},
    {ID_PLACE_BUNDLE_ENTRY_LEFT, kTypeBundleEntryLeft, 0},
    {ID_PLACE_BUNDLE_ENTRY_RIGHT, kTypeBundleEntryRight, 0},
    {ID_PLACE_TERMINAL_I, kTypeTerminalI, 0},
    {ID_PLACE_TERMINAL_II, kTypeTerminalII, 0},
    {ID_PLACE_TERMINAL_STRIP_2, kTypeTerminalStrip2, 0},
    {ID_PLACE_TERMINAL_STRIP_3, kTypeTerminalStrip3, 0},
    {ID_PLACE_TERMINAL_STRIP_4, kTypeTerminalStrip4, 0},
    {ID_PLACE_CONNECTION_POINT_LEFT, kTypeConnectionPointLeft, 0},
    {ID_PLACE_CONNECTION_POINT_RIGHT, kTypeConnectionPointRight, 0},
    // Manual devices and selectors
    {ID_PLACE_PUSH_BUTTON_NO, kTypePushButtonNO, 0},
    {ID_PLACE_PUSH_BUTTON_NC, kTypePushButtonNC, 0},
    {ID_PLACE_PUSH_BUTTON_NONC, kTypePushButtonNONC, 0},
    {ID_PLACE_PUSH_BUTTON_CHANGEOVER, kTypePushButtonChangeover, 0},
    {ID_PLACE_MUSHROOM_BUTTON_NO, kTypeMushroomButtonNO, 0},
    {ID_PLACE_MUSHROOM_BUTTON_NC, kTypeMushroomButtonNC, 0},
    {ID_PLACE_MUSHROOM_BUTTON_NONC, kTypeMushroomButtonNONC, 0},
    {ID_PLACE_MUSHROOM_BUTTON_CHANGEOVER, kTypeMushroomButtonChangeover, 0},
    {ID_PLACE_LATCHING_SWITCH_NO, kTypeLatchingSwitchNO, 0},
    {ID_PLACE_LATCHING_SWITCH_NC, kTypeLatchingSwitchNC, 0},
    {ID_PLACE_LATCHING_SWITCH_NONC, kTypeLatchingSwitchNONC, 0},
    {ID_PLACE_LATCHING_SWITCH_CHANGEOVER, kTypeLatchingSwitchChangeover, 0},
    {ID_PLACE_SELECTOR_SWITCH_CENTER_OFF, kTypeSelectorSwitchCenterOff, 0},
    {ID_PLACE_SELECTOR_SWITCH_THREE_WAY, kTypeSelectorSwitchThreeWay, 0},
    {ID_PLACE_INTERMEDIATE_SWITCH, kTypeIntermediateSwitch, 0},
    {ID_PLACE_LIMIT_SWITCH_NO, kTypeLimitSwitchNO, 0},
    {ID_PLACE_LIMIT_SWITCH_NC, kTypeLimitSwitchNC, 0},
    {ID_PLACE_LIMIT_SWITCH_NONC, kTypeLimitSwitchNONC, 0},
    {ID_PLACE_LIMIT_SWITCH_CHANGEOVER, kTypeLimitSwitchChangeover, 0},
    {ID_PLACE_THERMAL_CONTACT_NO, kTypeThermalContactNO, 0},
    {ID_PLACE_THERMAL_CONTACT_NC, kTypeThermalContactNC, 0},
    {ID_PLACE_THERMAL_CONTACT_NONC, kTypeThermalContactNONC, 0},
    {ID_PLACE_THERMAL_CONTACT_CHANGEOVER, kTypeThermalContactChangeover, 0},
    // Auxiliary and timed contacts
    {ID_PLACE_AUX_CONTACT_NO, kTypeAuxContactNO, 0},
    {ID_PLACE_AUX_CONTACT_NC, kTypeAuxContactNC, 0},
    {ID_PLACE_AUX_CONTACT_NONC, kTypeAuxContactNONC, 0},
    {ID_PLACE_AUX_CONTACT_CHANGEOVER, kTypeAuxContactChangeover, 0},
    {ID_PLACE_ON_DELAY_CONTACT_NO, kTypeOnDelayContactNO, 0},
    {ID_PLACE_ON_DELAY_CONTACT_NC, kTypeOnDelayContactNC, 0},
    {ID_PLACE_ON_DELAY_CONTACT_NONC, kTypeOnDelayContactNONC, 0},
    {ID_PLACE_ON_DELAY_CONTACT_CHANGEOVER, kTypeOnDelayContactChangeover, 0},
    {ID_PLACE_OFF_DELAY_CONTACT_NO, kTypeOffDelayContactNO, 0},
    {ID_PLACE_OFF_DELAY_CONTACT_NC, kTypeOffDelayContactNC, 0},
    {ID_PLACE_OFF_DELAY_CONTACT_NONC, kTypeOffDelayContactNONC, 0},
    {ID_PLACE_OFF_DELAY_CONTACT_CHANGEOVER, kTypeOffDelayContactChangeover, 0},
    {ID_PLACE_ON_OFF_DELAY_CONTACT_NO, kTypeOnOffDelayContactNO, 0},
    {ID_PLACE_ON_OFF_DELAY_CONTACT_NC, kTypeOnOffDelayContactNC, 0},
    {ID_PLACE_ON_OFF_DELAY_CONTACT_NONC, kTypeOnOffDelayContactNONC, 0},
    {ID_PLACE_ON_OFF_DELAY_CONTACT_CHANGEOVER, kTypeOnOffDelayContactChangeover, 0},
    // Coils, timers and signalling
    {ID_PLACE_COIL, kTypeCoil, 0},
    {ID_PLACE_BISTABLE_COIL, kTypeBistableCoil, 0},
    {ID_PLACE_IMPULSE_RELAY_COIL, kTypeImpulseRelayCoil, 0},
    {ID_PLACE_SOLENOID_VALVE_COIL, kTypeSolenoidValveCoil, 0},
    {ID_PLACE_ON_DELAY_TIMER, kTypeOnDelayTimer, 0},
    {ID_PLACE_OFF_DELAY_TIMER, kTypeOffDelayTimer, 0},
    {ID_PLACE_ON_OFF_DELAY_TIMER, kTypeOnOffDelayTimer, 0},
    {ID_PLACE_CYCLIC_TIMER, kTypeCyclicTimer, 0},
    {ID_PLACE_PILOT_LAMP, kTypePilotLamp, 0},
    {ID_PLACE_FLASHING_PILOT_LAMP, kTypeFlashingPilotLamp, 0},
    {ID_PLACE_BELL, kTypeBell, 0},
    {ID_PLACE_BUZZER, kTypeBuzzer, 0},
    {ID_PLACE_SIREN, kTypeSiren, 0},
    {ID_PLACE_HORN, kTypeHorn, 0},
    // Resistors and drives
    {ID_PLACE_RESISTOR, kTypeResistor, 0},
    {ID_PLACE_RESISTOR_THREE_PHASE, kTypeResistorThreePhase, 0},
    {ID_PLACE_AUTOTRANSFORMER, kTypeAutotransformer, 0},
    {ID_PLACE_SOFT_STARTER, kTypeSoftStarter, 0},
    {ID_PLACE_SOFT_STARTER_CONTROL, kTypeSoftStarterControl, 0},
    {ID_PLACE_INVERTER_SINGLE_PHASE_FED, kTypeInverterSinglePhaseFed, 0},
    {ID_PLACE_INVERTER_THREE_PHASE, kTypeInverterThreePhase, 0},
    {ID_PLACE_INVERTER_CONTROL, kTypeInverterControl, 0},
    {ID_PLACE_DC_REGULATOR_SINGLE_PHASE, kTypeDcRegulatorSinglePhase, 0},
    {ID_PLACE_DC_REGULATOR_SINGLE_PHASE_FIELD, kTypeDcRegulatorSinglePhaseField, 0},
    {ID_PLACE_DC_REGULATOR_THREE_PHASE, kTypeDcRegulatorThreePhase, 0},
    {ID_PLACE_DC_REGULATOR_THREE_PHASE_FIELD, kTypeDcRegulatorThreePhaseField, 0},
    {ID_PLACE_DC_REGULATOR_CONTROL, kTypeDcRegulatorControl, 0},
    // Sensors and barriers
    {ID_PLACE_INDUCTIVE_SENSOR_NO, kTypeInductiveSensorNO2Wire, 0},
    {ID_PLACE_INDUCTIVE_SENSOR_NC, kTypeInductiveSensorNC2Wire, 0},
    {ID_PLACE_CAPACITIVE_SENSOR_NO, kTypeCapacitiveSensorNO2Wire, 0},
    {ID_PLACE_CAPACITIVE_SENSOR_NC, kTypeCapacitiveSensorNC2Wire, 0},
    {ID_PLACE_MAGNETIC_SENSOR_NO, kTypeMagneticSensorNO2Wire, 0},
    {ID_PLACE_MAGNETIC_SENSOR_NC, kTypeMagneticSensorNC2Wire, 0},
    {ID_PLACE_REFLEX_BARRIER, kTypeReflexBarrier, 0},
    {ID_PLACE_BARRIER_EMITTER, kTypeBarrierEmitter, 0},
    {ID_PLACE_BARRIER_RECEIVER_NO, kTypeBarrierReceiverNO2Wire, 0},
    {ID_PLACE_BARRIER_RECEIVER_NC, kTypeBarrierReceiverNC2Wire, 0},
    // Logic and ladder
    {ID_PLACE_AND, kTypeAnd2, 0},
    {ID_PLACE_OR, kTypeOr2, 0},
    {ID_PLACE_NOT, kTypeNot, 0},
    {ID_PLACE_EXOR, kTypeExor, 0},
    {ID_PLACE_NAND, kTypeNand2, 0},
    {ID_PLACE_NOR, kTypeNor2, 0},
    {ID_PLACE_LADDER_CONTACT_NO, kTypeLadderContactNO, 0},
    {ID_PLACE_LADDER_CONTACT_NC, kTypeLadderContactNC, 0},
    {ID_PLACE_LADDER_RISING_EDGE, kTypeLadderRisingEdge, 0},
    {ID_PLACE_LADDER_FALLING_EDGE, kTypeLadderFallingEdge, 0},
    {ID_PLACE_LADDER_COIL, kTypeLadderCoil, 0},
    {ID_PLACE_LADDER_SET_COIL, kTypeLadderSetCoil, 0},
    {ID_PLACE_LADDER_RESET_COIL, kTypeLadderResetCoil, 0},
    {ID_PLACE_LOGIC_PROBE, kTypeLogicProbe, 0},
    {ID_PLACE_LOGIC_DISPLAY, kTypeLogicDisplay, 0},
    // Sequential chart
    {ID_PLACE_GRAFCET_INITIAL_STEP, kTypeGrafcetInitialStep, 0},
    {ID_PLACE_GRAFCET_STEP, kTypeGrafcetStep, 0},
    {ID_PLACE_GRAFCET_TRANSITION, kTypeGrafcetTransition, 0},
    {ID_PLACE_GRAFCET_ACTION, kTypeGrafcetAction, 0},
    {ID_PLACE_GRAFCET_OR_DIVERGENCE, kTypeGrafcetLink, kTypeGrafcetOrDivergence},
    {ID_PLACE_GRAFCET_OR_CONVERGENCE, kTypeGrafcetLink, kTypeGrafcetOrConvergence},
    {ID_PLACE_GRAFCET_AND_DIVERGENCE, kTypeGrafcetAndDivergence, 0},
    {ID_PLACE_GRAFCET_AND_CONVERGENCE, kTypeGrafcetAndConvergence, 0},
    {ID_PLACE_GRAFCET_LINK, kTypeGrafcetLink, 0},
    {ID_PLACE_GRAFCET_INPUT_LINK, kTypeGrafcetInputLink, 0},
    {ID_PLACE_GRAFCET_OUTPUT_LINK, kTypeGrafcetOutputLink, 0},
    {ID_PLACE_GRAFCET_MACRO_STEP, kTypeGrafcetMacroStep, 0},
};

const PaletteCommand* paletteCommandFor(int id) {
    for (const PaletteCommand& c : kPaletteCommands)
        if (c.id == id) return &c;
    return nullptr;
}

constexpr CommandEntry<CVelkarionView> kDrawingToolCommands[] = {
    {ID_TOOL_SELECT, &CVelkarionView::OnToolSelect, nullptr},
    {ID_TOOL_LINE, &CVelkarionView::OnToolLine, nullptr},
    {ID_TOOL_RECTANGLE, &CVelkarionView::OnToolRectangle, nullptr},
    {ID_TOOL_ELLIPSE, &CVelkarionView::OnToolEllipse, nullptr},
    {ID_TOOL_FILLED_RECTANGLE, &CVelkarionView::OnToolFilledRectangle, nullptr},
    {ID_TOOL_FILLED_ELLIPSE, &CVelkarionView::OnToolFilledEllipse, nullptr},
    {ID_TOOL_FILL, &CVelkarionView::OnToolFill, nullptr},
    {ID_TOOL_COLOR_PICKER, &CVelkarionView::OnToolColorPicker, nullptr},
    {ID_TOOL_TEXT, &CVelkarionView::OnToolText, nullptr},
    {ID_TOOL_LIBRARIES, &CVelkarionView::OnToolLibraries, nullptr},
    {ID_TOOL_RESERVED, &CVelkarionView::OnToolReserved, nullptr},
};

// A drawing tool arms nothing: the sub-kind, the selection and the parked preview
// stay as they are, and the whole view is drawn anew.
void selectDrawingTool(CVelkarionView& view, int tool) {
    g_currentTool = tool;
    g_itemPicked = 0;
    view.m_toolOrientation = 0;
    view.invalidate(true);
}

// The window area of a preview drawn at window point (x, y). Pointer motion keeps
// the extents in pixels, the parking in drawing units: the area covers both.
Rect previewArea(int x, int y, const CheckedArray<int, 4>& g, double z) {
    const Rect units{truncatedPixels(x + g[0] * z), truncatedPixels(y + g[1] * z), truncatedPixels(x + g[2] * z),
                     truncatedPixels(y + g[3] * z)};
    const Rect pixels{x + g[0], y + g[1], x + g[2], y + g[3]};
    return units.normalized().united(pixels.normalized());
}

}  // namespace

void CVelkarionView::OnToolSelect() { selectDrawingTool(*this, kTypeNone); }
void CVelkarionView::OnToolLine() { selectDrawingTool(*this, kTypeLine); }
void CVelkarionView::OnToolRectangle() { selectDrawingTool(*this, kTypeRectangle); }
void CVelkarionView::OnToolEllipse() { selectDrawingTool(*this, kTypeEllipse); }
void CVelkarionView::OnToolFilledRectangle() { selectDrawingTool(*this, kTypeFilledRectangle); }
void CVelkarionView::OnToolFilledEllipse() { selectDrawingTool(*this, kTypeFilledEllipse); }
void CVelkarionView::OnToolFill() { selectDrawingTool(*this, kTypeFill); }
void CVelkarionView::OnToolColorPicker() { selectDrawingTool(*this, kTypeColorPicker); }
void CVelkarionView::OnToolLibraries() { selectDrawingTool(*this, kTypeNone); }
void CVelkarionView::OnToolReserved() {}

void CVelkarionView::OnToolText() {
    selectDrawingTool(*this, kTypeNone);
    g_textToolText.clear();
    TextEntryRequest request;
    request.caption = "Tekst";
    request.maxLength = kTextToolMaxLength;
    if (const std::optional<std::string> text = runTextEntryDialog(request)) {
        g_textToolText = *text;
        g_currentTool = kTypeText;
    }
}

void CVelkarionView::OnPaletteCommand(int id) {
    const PaletteCommand* command = paletteCommandFor(id);
    if (!command) return;
    if (command->tool == kTypeGrafcetLink) g_toolSubKind = command->subKind;
    g_currentTool = command->tool;
    if (id == 32843) g_itemPicked = 0;
    BeginToolPlacement();
}

bool CVelkarionView::IsToolCommand(int id) {
    return tableHasCommand(kDrawingToolCommands, id) || paletteCommandFor(id) != nullptr;
}

bool CVelkarionView::RunToolCommand(int id) {
    if (runCommandFrom(*this, kDrawingToolCommands, id)) return true;
    if (!paletteCommandFor(id)) return false;
    OnPaletteCommand(id);
    return true;
}

void CVelkarionView::BeginToolPlacement() {
    SheetDocument* doc = GetDocument();
    if (!doc) return;
    const double z = doc->m_zoom;
    const Point scroll = scrollPosition();
    const int sx = scroll.x;
    const int sy = scroll.y;

    // The sub-kind only means something to the link tool.
    if (g_currentTool != kTypeGrafcetLink) g_toolSubKind = 0;
    m_toolOrientation = 0;
    m_toolVariant = 0;

    if (g_itemPicked == 1) {
        g_itemPicked = 0;
        const int k = m_pickedIndex;
        m_highlightRect[0] = scaledUnits(m_x[k] + m_boxX1[k], z);
        m_highlightRect[1] = scaledUnits(m_y[k] + m_boxY1[k], z);
        m_highlightRect[2] = scaledUnits(m_x[k] + m_boxX2[k], z);
        m_highlightRect[3] = scaledUnits(m_y[k] + m_boxY2[k], z);
        invalidateRect({m_highlightRect[0] - sx, m_highlightRect[1] - sy, m_highlightRect[2] - sx,
                        m_highlightRect[3] - sy},
                       true);
    }

    if (m_selectionValid == 1 || m_floatingBlock == 1) {
        for (int i = 0; i < kSlotCount; ++i)
            if (m_type[i] >= 1 && m_deleted[i] == 0) m_selected[i] = 0;
        const int margin = truncatedPixels(3.0 * z);
        invalidateRect({scaledUnits(m_selectionRect[0], z) - sx - margin,
                        scaledUnits(m_selectionRect[1], z) - sy - margin,
                        scaledUnits(m_selectionRect[2], z) - sx + margin,
                        scaledUnits(m_selectionRect[3], z) - sy + margin},
                       true);
    }
    // The old preview goes wherever it was, with or without a selection.
    invalidateRect(previewArea(m_dragCurrentX, m_dragCurrentY, m_ghostRect, z), true);
    m_rubberBandActive = 0;
    m_selectionValid = 0;
    m_floatingBlock = 0;

    // The preview waits near the sheet origin until the pointer moves. The paint
    // draws it at that point taken as a sheet point, so in the window it lies one
    // scroll offset further; the ghost is kept where the window shows it.
    const int px = truncatedPixels(20.0 * z) - sx;
    const int py = truncatedPixels(10.0 * z) - sy;
    m_lastPointX = px;
    m_lastPointY = py;
    m_dragCurrentX = px - sx;
    m_dragCurrentY = py - sy;
    m_previewFollowsPointer = 0;
    // The parked ghost in drawing units, widened where the tool's box is larger.
    const Rect box = ComputePlacementGhost(g_currentTool, z, 0);
    m_ghostRect[0] = std::min(-30, static_cast<int>(std::floor(box.left / z)));
    m_ghostRect[1] = std::min(-10, static_cast<int>(std::floor(box.top / z)));
    m_ghostRect[2] = std::max(50, static_cast<int>(std::ceil(box.right / z)));
    m_ghostRect[3] = std::max(50, static_cast<int>(std::ceil(box.bottom / z)));
    invalidateRect({truncatedPixels(px + m_ghostRect[0] * z - sx), truncatedPixels(py + m_ghostRect[1] * z - sy),
                    truncatedPixels(px + m_ghostRect[2] * z - sx), truncatedPixels(py + m_ghostRect[3] * z - sy)},
                   false);

    if (doc->m_guideLines == 1 && g_currentTool >= 1) {
        m_pointerX = px;
        m_pointerY = py;
        const int w = clientWidth() + sx;
        const int h = clientHeight() + sy;
        invalidateRect({m_markerX - 1 - sx, -sy, m_markerX + 1 - sx, h - sy}, true);
        invalidateRect({-sx, m_markerY - 1 - sy, w - sx, m_markerY + 1 - sy}, true);
        invalidateRect({m_pointerX - 1 - sx, -sy, m_pointerX + 1 - sx, h - sy}, false);
        invalidateRect({-sx, m_pointerY - 1 - sy, w - sx, m_pointerY + 1 - sy}, false);
        // No guide lines follow the wire tools.
        if (isWireTool(g_currentTool)) {
            m_markerX = kNoMarker;
            m_markerY = kNoMarker;
        } else {
            m_markerX = m_pointerX;
            m_markerY = m_pointerY;
        }
    }
}

}  // namespace velk
