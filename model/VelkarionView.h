#pragma once
// The sheet view: one object per open sheet window. It holds the whole schematic
// as fixed columns of 1000 slots (entry i of every column belongs to slot i) and
// has one draw-and-evaluate routine per component type. There are no component
// objects: painting, simulation, editing, dialogs and the sheet file all work on
// these columns by slot index.
#include <cstddef>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "model/SheetDocument.h"
#include "model/SlotColumns.h"
#include "model/TypeCodes.h"
#include "platform/color.h"
#include "platform/dc.h"
#include "platform/geometry.h"
#include "platform/text1250.h"
#include "platform/window.h"

namespace velk {

class StatusPanes;  // platform/statusbar.h
class MdiFrame;     // platform/frame.h
struct PrintInfo;  // platform/print.h
struct SlotLookups;  // render/SlotLookups.h

constexpr int kMaxPlacedItems = 999;  // placement and loading stop here
// Positions and box offsets an item may hold, in drawing units: far beyond the
// largest sheet, yet small enough that pixels at zoom 20 stay well inside an int.
// The reader brings what a file holds into it, so nothing the program places or
// imports may lie outside it.
constexpr int kMaxCoordinate = 10000;
// Largest sheet file read. The texts of a record are a few dozen characters at most
// (a picture's name is the longest), so 999 records and the title block come to well
// under a megabyte; anything past this bound is no sheet and is not read at all.
constexpr std::size_t kMaxSheetFileBytes = std::size_t{16} << 20;
constexpr int kNoMarker = -10;
constexpr int kNoPoint = -1000;
// The state of a device that is either off or on: a fuse intact or blown, a ladder
// contact open or closed, a chart step inactive or active.
constexpr int kStateOff = 0;
constexpr int kStateOn = 1;

class CVelkarionView : public View {
public:
    CVelkarionView();
    ~CVelkarionView() override;

    SheetDocument* GetDocument() const { return m_document; }
    void setDocument(SheetDocument* doc) { m_document = doc; }

    // --- persistent columns ----------------------------------------------------------
    SlotColumn<int> m_componentId;
    SlotColumn<int> m_type;
    SlotColumn<std::string> m_label;
    SlotColumn<int> m_x, m_y;
    SlotColumn<int> m_x2, m_y2;
    SlotColumn<int> m_boxX1, m_boxY1, m_boxX2, m_boxY2;
    SlotColumn<int> m_deleted;
    SlotColumn<Color> m_color;
    SlotColumn<int> m_orientation;
    SlotColumn<int> m_variant;
    SlotColumn<int> m_labelVisible;
    SlotColumn<int> m_label2Visible;
    SlotColumn<std::string> m_label2;
    SlotColumn<TerminalRow<int>> m_terminalLink;
    SlotColumn<TerminalRow<std::string>> m_terminalName;
    SlotColumn<TerminalRow<int>> m_terminalNameVisible;
    SlotColumn<std::string> m_paramText;

    // --- run-time columns (never saved) ---------------------------------------------
    SlotColumn<int> m_controlOutput;
    SlotColumn<Letters<15>> m_potential;
    SlotColumn<int> m_state;
    SlotColumn<int> m_drawnState;
    SlotColumn<TerminalRow<Letters<2>>> m_terminalPotential;
    SlotColumn<int> m_selected;

    // --- per-type meanings of general columns ---------------------------------------
    AliasColumn<int> m_netNumber{m_terminalLink, 0};
    AliasColumn<int> m_lineCorner{m_terminalLink, 0};
    AliasColumn<int> m_flashPhase{m_terminalLink, 0};
    AliasColumn<int> m_beepToggle{m_terminalLink, 0};
    AliasColumn<int> m_bundleNumber{m_terminalLink, 1};
    AliasColumn<int> m_timerCount{m_terminalLink, 6};
    AliasColumn<int> m_timerOutput{m_terminalLink, 7};
    AliasColumn<int> m_stopRampFrom{m_terminalLink, 7};
    AliasColumn<int> m_brakeCountdown{m_terminalLink, 8};
    AliasColumn<std::string> m_timerUnit{m_terminalName, 2};
    AliasColumn<std::string> m_lampColor{m_terminalName, 2};
    AliasColumn<std::string> m_timerValue{m_terminalName, 3};
    AliasColumn<Letters<2>> m_driveCommand{m_terminalPotential, 8};

    // --- scalars ---------------------------------------------------------------------------
    int m_zoomWindowArmed = 0;
    int m_dragStartX = 0, m_dragStartY = 0;
    int m_dragCurrentX = 0, m_dragCurrentY = 0;
    int m_markerX = 0, m_markerY = 0;
    int m_zoomAnchorX = 0, m_zoomAnchorY = 0;
    int m_pointerX = 0, m_pointerY = 0;
    int m_zoomDragActive = 0;
    int m_pickedIndex = 0;
    int m_componentCount = 0;
    int m_loopIndex = 0;
    CheckedArray<int, 4> m_ghostRect;
    CheckedArray<int, 4> m_highlightRect;
    int m_netCounter = 0;
    int m_bundleCounter = 0;
    Color m_currentColor = 0;
    Color m_penColor = 0;
    int m_toolDragActive = 0;
    int m_lastPointX = 0, m_lastPointY = 0;
    int m_printing = 0;
    int m_penWidth = 0;
    int m_toolOrientation = 0;
    int m_toolVariant = 0;
    int m_drawingPlaced = 0;
    std::string m_filePath;
    // The whole folder of the file the window was opened from, kept when the
    // reader clears the path of a file it could not read whole; "" when the
    // window was not opened from a file.
    std::string m_openedFolder;
    int m_lastKey = 0;
    int m_grabX = 0, m_grabY = 0;
    int m_rubberBandActive = 0;
    int m_selectionValid = 0;
    CheckedArray<int, 4> m_selectionRect;
    int m_floatingBlock = 0;
    int m_pasteSingle = 0;
    StatusPanes* m_statusBar = nullptr;
    // What status panes 1 (mode) and 2 (run state) say of this sheet, Windows-1250.
    // The panes show them only while this window is the active one.
    std::string m_modeText = cp1250("Edición");
    std::string m_runStateText = "Stop";
    int m_simulating = 0;
    int m_paused = 0;
    int m_stepMode = 0;
    int m_stepPending = 0;

    // --- slot helpers -------------------------------------------------------------------
    static bool isSlotIndex(int i) { return i >= 0 && i < kSlotCount; }
    // Below the count, of a type code of 1 or more and not hidden.
    bool isLive(int i) const {
        return i >= 0 && i < m_componentCount && m_type[i] >= 1 && m_deleted[i] == 0;
    }
    // Puts slot i back to the rest values of a cleared slot (m_controlOutput kept).
    void clearSlot(int i);
    void clearAllSlots();
    // Every slot from the count up back to blank: nothing hidden there can be redone.
    void blankSlotsFromCount();
    // Components of equal label act as one device: exact, byte by byte, case-sensitive.
    static bool labelsEqual(const std::string& a, const std::string& b) { return a == b; }

    // --- draw-and-evaluate routines, one per component type ------------------------
    using Routine = void (CVelkarionView::*)(Dc& dc, double zoom, int ox, int oy);
    // The routine of a type code, or nullptr for codes drawn by the paint itself or
    // by the wire pass, and for numbers that are no code.
    static Routine routineFor(int type);
    static const char* routineNameFor(int type);

    // Supply, protection and wiring symbols
    void DrawSupplyL(Dc& dc, double zoom, int ox, int oy);
    void DrawSupplyN(Dc& dc, double zoom, int ox, int oy);
    void DrawSupplyPE(Dc& dc, double zoom, int ox, int oy);
    void DrawSupplyLN(Dc& dc, double zoom, int ox, int oy);
    void DrawSupplyL1L2L3(Dc& dc, double zoom, int ox, int oy);
    void DrawSupplyL1L2L3PE(Dc& dc, double zoom, int ox, int oy);
    void DrawSupplyL1L2L3N(Dc& dc, double zoom, int ox, int oy);
    void DrawSupplyL1L2L3NPE(Dc& dc, double zoom, int ox, int oy);
    void DrawSupplyPlus(Dc& dc, double zoom, int ox, int oy);
    void DrawSupplyMinus(Dc& dc, double zoom, int ox, int oy);
    void DrawSupplyPlusMinus(Dc& dc, double zoom, int ox, int oy);
    void DrawSupplyLNPE(Dc& dc, double zoom, int ox, int oy);
    void DrawTransformer(Dc& dc, double zoom, int ox, int oy);
    void DrawRectifier(Dc& dc, double zoom, int ox, int oy);
    void DrawPowerSupplyUnit(Dc& dc, double zoom, int ox, int oy);
    void DrawEarthSymbol(Dc& dc, double zoom, int ox, int oy);
    void DrawDiode(Dc& dc, double zoom, int ox, int oy);
    void DrawTransformerThreePhase(Dc& dc, double zoom, int ox, int oy);
    void DrawPowerSupplyUnitThreePhase(Dc& dc, double zoom, int ox, int oy);
    void DrawBattery(Dc& dc, double zoom, int ox, int oy);
    void DrawConnectionDot(Dc& dc, double zoom, int ox, int oy);
    void DrawBundleEntryLeft(Dc& dc, double zoom, int ox, int oy);
    void DrawBundleEntryRight(Dc& dc, double zoom, int ox, int oy);
    void DrawTerminalI(Dc& dc, double zoom, int ox, int oy);
    void DrawTerminalII(Dc& dc, double zoom, int ox, int oy);
    void DrawConnectionPointLeft(Dc& dc, double zoom, int ox, int oy);
    void DrawConnectionPointRight(Dc& dc, double zoom, int ox, int oy);
    void DrawTerminalStrip2(Dc& dc, double zoom, int ox, int oy);
    void DrawTerminalStrip3(Dc& dc, double zoom, int ox, int oy);
    void DrawTerminalStrip4(Dc& dc, double zoom, int ox, int oy);
    void DrawFuseI(Dc& dc, double zoom, int ox, int oy);
    void DrawFuseIN(Dc& dc, double zoom, int ox, int oy);
    void DrawFuseII(Dc& dc, double zoom, int ox, int oy);
    void DrawFuseIII(Dc& dc, double zoom, int ox, int oy);
    void DrawFuseIIIN(Dc& dc, double zoom, int ox, int oy);
    void DrawFuseSwitchI(Dc& dc, double zoom, int ox, int oy);
    void DrawFuseSwitchIN(Dc& dc, double zoom, int ox, int oy);
    void DrawFuseSwitchII(Dc& dc, double zoom, int ox, int oy);
    void DrawFuseSwitchIII(Dc& dc, double zoom, int ox, int oy);
    void DrawFuseSwitchIIIN(Dc& dc, double zoom, int ox, int oy);
    void DrawBreakerI(Dc& dc, double zoom, int ox, int oy);
    void DrawBreakerIN(Dc& dc, double zoom, int ox, int oy);
    void DrawBreakerII(Dc& dc, double zoom, int ox, int oy);
    void DrawBreakerIII(Dc& dc, double zoom, int ox, int oy);
    void DrawBreakerIIIN(Dc& dc, double zoom, int ox, int oy);
    void DrawRcdIN(Dc& dc, double zoom, int ox, int oy);
    void DrawRcdIIIN(Dc& dc, double zoom, int ox, int oy);
    void DrawThermalOverloadRelay(Dc& dc, double zoom, int ox, int oy);
    void DrawMotorProtectionSwitchII(Dc& dc, double zoom, int ox, int oy);
    void DrawMotorProtectionSwitchIII(Dc& dc, double zoom, int ox, int oy);
    void DrawMotorProtectionSwitchI(Dc& dc, double zoom, int ox, int oy);
    void DrawMotorProtectionSwitchIN(Dc& dc, double zoom, int ox, int oy);
    void DrawMotorProtectionSwitchIIIN(Dc& dc, double zoom, int ox, int oy);
    void DrawSurgeArresterIN(Dc& dc, double zoom, int ox, int oy);
    void DrawSurgeArresterIIIN(Dc& dc, double zoom, int ox, int oy);
    // Coils, timers, signalling and sensors
    void DrawSensorNO2Wire(Dc& dc, double zoom, int ox, int oy);
    void DrawSensorNO3Wire(Dc& dc, double zoom, int ox, int oy);
    void DrawSensorNO2WireSide(Dc& dc, double zoom, int ox, int oy);
    void DrawSensorNO3WireSide(Dc& dc, double zoom, int ox, int oy);
    void DrawSensorNC2Wire(Dc& dc, double zoom, int ox, int oy);
    void DrawSensorNC3Wire(Dc& dc, double zoom, int ox, int oy);
    void DrawSensorNC2WireSide(Dc& dc, double zoom, int ox, int oy);
    void DrawSensorNC3WireSide(Dc& dc, double zoom, int ox, int oy);
    void DrawReflexBarrier(Dc& dc, double zoom, int ox, int oy);
    void DrawBarrierEmitter(Dc& dc, double zoom, int ox, int oy);
    void DrawBarrierEmitterSide(Dc& dc, double zoom, int ox, int oy);
    void DrawBarrierReceiverNO2Wire(Dc& dc, double zoom, int ox, int oy);
    void DrawBarrierReceiverNO3Wire(Dc& dc, double zoom, int ox, int oy);
    void DrawBarrierReceiverNO2WireSide(Dc& dc, double zoom, int ox, int oy);
    void DrawBarrierReceiverNO3WireSide(Dc& dc, double zoom, int ox, int oy);
    void DrawBarrierReceiverNC2Wire(Dc& dc, double zoom, int ox, int oy);
    void DrawBarrierReceiverNC3Wire(Dc& dc, double zoom, int ox, int oy);
    void DrawBarrierReceiverNC2WireSide(Dc& dc, double zoom, int ox, int oy);
    void DrawBarrierReceiverNC3WireSide(Dc& dc, double zoom, int ox, int oy);
    void DrawCoil(Dc& dc, double zoom, int ox, int oy);
    void DrawBistableCoil(Dc& dc, double zoom, int ox, int oy);
    void DrawImpulseRelayCoil(Dc& dc, double zoom, int ox, int oy);
    void DrawSolenoidValveCoil(Dc& dc, double zoom, int ox, int oy);
    void DrawOnDelayTimer(Dc& dc, double zoom, int ox, int oy);
    void DrawOffDelayTimer(Dc& dc, double zoom, int ox, int oy);
    void DrawOnOffDelayTimer(Dc& dc, double zoom, int ox, int oy);
    void DrawCyclicTimer(Dc& dc, double zoom, int ox, int oy);
    void DrawPilotLamp(Dc& dc, double zoom, int ox, int oy);
    void DrawFlashingPilotLamp(Dc& dc, double zoom, int ox, int oy);
    void DrawBell(Dc& dc, double zoom, int ox, int oy);
    void DrawBuzzer(Dc& dc, double zoom, int ox, int oy);
    void DrawSiren(Dc& dc, double zoom, int ox, int oy);
    void DrawHorn(Dc& dc, double zoom, int ox, int oy);
    // Control contacts
    void DrawAuxContactNO(Dc& dc, double zoom, int ox, int oy);
    void DrawAuxContactNC(Dc& dc, double zoom, int ox, int oy);
    void DrawAuxContactNONC(Dc& dc, double zoom, int ox, int oy);
    void DrawAuxContactChangeover(Dc& dc, double zoom, int ox, int oy);
    void DrawOnDelayContactNO(Dc& dc, double zoom, int ox, int oy);
    void DrawOnDelayContactNC(Dc& dc, double zoom, int ox, int oy);
    void DrawOnDelayContactNONC(Dc& dc, double zoom, int ox, int oy);
    void DrawOnDelayContactChangeover(Dc& dc, double zoom, int ox, int oy);
    void DrawOffDelayContactNO(Dc& dc, double zoom, int ox, int oy);
    void DrawOffDelayContactNC(Dc& dc, double zoom, int ox, int oy);
    void DrawOffDelayContactNONC(Dc& dc, double zoom, int ox, int oy);
    void DrawOffDelayContactChangeover(Dc& dc, double zoom, int ox, int oy);
    void DrawOnOffDelayContactNO(Dc& dc, double zoom, int ox, int oy);
    void DrawOnOffDelayContactNC(Dc& dc, double zoom, int ox, int oy);
    void DrawOnOffDelayContactNONC(Dc& dc, double zoom, int ox, int oy);
    void DrawOnOffDelayContactChangeover(Dc& dc, double zoom, int ox, int oy);
    void DrawPushButtonNO(Dc& dc, double zoom, int ox, int oy);
    void DrawPushButtonNC(Dc& dc, double zoom, int ox, int oy);
    void DrawPushButtonNONC(Dc& dc, double zoom, int ox, int oy);
    void DrawPushButtonChangeover(Dc& dc, double zoom, int ox, int oy);
    void DrawMushroomButtonNO(Dc& dc, double zoom, int ox, int oy);
    void DrawMushroomButtonNC(Dc& dc, double zoom, int ox, int oy);
    void DrawMushroomButtonNONC(Dc& dc, double zoom, int ox, int oy);
    void DrawMushroomButtonChangeover(Dc& dc, double zoom, int ox, int oy);
    void DrawLatchingSwitchNO(Dc& dc, double zoom, int ox, int oy);
    void DrawLatchingSwitchNC(Dc& dc, double zoom, int ox, int oy);
    void DrawLatchingSwitchNONC(Dc& dc, double zoom, int ox, int oy);
    void DrawLatchingSwitchChangeover(Dc& dc, double zoom, int ox, int oy);
    void DrawLimitSwitchNO(Dc& dc, double zoom, int ox, int oy);
    void DrawLimitSwitchNC(Dc& dc, double zoom, int ox, int oy);
    void DrawLimitSwitchNONC(Dc& dc, double zoom, int ox, int oy);
    void DrawLimitSwitchChangeover(Dc& dc, double zoom, int ox, int oy);
    void DrawThermalContactNO(Dc& dc, double zoom, int ox, int oy);
    void DrawThermalContactNC(Dc& dc, double zoom, int ox, int oy);
    void DrawThermalContactNONC(Dc& dc, double zoom, int ox, int oy);
    void DrawThermalContactChangeover(Dc& dc, double zoom, int ox, int oy);
    void DrawSelectorSwitchCenterOff(Dc& dc, double zoom, int ox, int oy);
    void DrawSelectorSwitchThreeWay(Dc& dc, double zoom, int ox, int oy);
    void DrawIntermediateSwitch(Dc& dc, double zoom, int ox, int oy);
    // Motors, drives and power contacts
    void DrawMotorThreePhase(Dc& dc, double zoom, int ox, int oy);
    void DrawMotorStarDelta(Dc& dc, double zoom, int ox, int oy);
    void DrawMotorSinglePhase(Dc& dc, double zoom, int ox, int oy);
    void DrawMotorDahlander(Dc& dc, double zoom, int ox, int oy);
    void DrawMotorWoundRotor(Dc& dc, double zoom, int ox, int oy);
    void DrawMotorTwoWinding(Dc& dc, double zoom, int ox, int oy);
    void DrawMotorDcPermanentMagnet(Dc& dc, double zoom, int ox, int oy);
    void DrawMotorDcSeparatelyExcited(Dc& dc, double zoom, int ox, int oy);
    void DrawResistor(Dc& dc, double zoom, int ox, int oy);
    void DrawResistorThreePhase(Dc& dc, double zoom, int ox, int oy);
    void DrawAutotransformer(Dc& dc, double zoom, int ox, int oy);
    void DrawSoftStarter(Dc& dc, double zoom, int ox, int oy);
    void DrawInverterSinglePhaseFed(Dc& dc, double zoom, int ox, int oy);
    void DrawInverterThreePhase(Dc& dc, double zoom, int ox, int oy);
    void DrawInverterControl(Dc& dc, double zoom, int ox, int oy);
    void DrawDcRegulatorSinglePhase(Dc& dc, double zoom, int ox, int oy);
    void DrawDcRegulatorSinglePhaseField(Dc& dc, double zoom, int ox, int oy);
    void DrawDcRegulatorThreePhase(Dc& dc, double zoom, int ox, int oy);
    void DrawDcRegulatorThreePhaseField(Dc& dc, double zoom, int ox, int oy);
    void DrawDcRegulatorControl(Dc& dc, double zoom, int ox, int oy);
    void DrawSoftStarterControl(Dc& dc, double zoom, int ox, int oy);
    void DrawMainContactsII(Dc& dc, double zoom, int ox, int oy);
    void DrawMainContactsIII(Dc& dc, double zoom, int ox, int oy);
    void DrawMainContactsIIII(Dc& dc, double zoom, int ox, int oy);
    void DrawSwitchDisconnectorII(Dc& dc, double zoom, int ox, int oy);
    void DrawSwitchDisconnectorIII(Dc& dc, double zoom, int ox, int oy);
    void DrawSwitchDisconnectorIIII(Dc& dc, double zoom, int ox, int oy);
    void DrawMainContactsI(Dc& dc, double zoom, int ox, int oy);
    void DrawSwitchDisconnectorI(Dc& dc, double zoom, int ox, int oy);
    // Logic and sequential-chart blocks
    void DrawAnd2Gate(Dc& dc, double zoom, int ox, int oy);
    void DrawAnd3Gate(Dc& dc, double zoom, int ox, int oy);
    void DrawAnd4Gate(Dc& dc, double zoom, int ox, int oy);
    void DrawAnd5Gate(Dc& dc, double zoom, int ox, int oy);
    void DrawOr2Gate(Dc& dc, double zoom, int ox, int oy);
    void DrawOr3Gate(Dc& dc, double zoom, int ox, int oy);
    void DrawOr4Gate(Dc& dc, double zoom, int ox, int oy);
    void DrawOr5Gate(Dc& dc, double zoom, int ox, int oy);
    void DrawNand2Gate(Dc& dc, double zoom, int ox, int oy);
    void DrawNand3Gate(Dc& dc, double zoom, int ox, int oy);
    void DrawNand4Gate(Dc& dc, double zoom, int ox, int oy);
    void DrawNand5Gate(Dc& dc, double zoom, int ox, int oy);
    void DrawNor2Gate(Dc& dc, double zoom, int ox, int oy);
    void DrawNor3Gate(Dc& dc, double zoom, int ox, int oy);
    void DrawNor4Gate(Dc& dc, double zoom, int ox, int oy);
    void DrawNor5Gate(Dc& dc, double zoom, int ox, int oy);
    void DrawNotGate(Dc& dc, double zoom, int ox, int oy);
    void DrawExorGate(Dc& dc, double zoom, int ox, int oy);
    void DrawLadderContactNO(Dc& dc, double zoom, int ox, int oy);
    void DrawLadderContactNC(Dc& dc, double zoom, int ox, int oy);
    void DrawLadderRisingEdge(Dc& dc, double zoom, int ox, int oy);
    void DrawLadderFallingEdge(Dc& dc, double zoom, int ox, int oy);
    void DrawLadderCoil(Dc& dc, double zoom, int ox, int oy);
    void DrawLadderSetCoil(Dc& dc, double zoom, int ox, int oy);
    void DrawLadderResetCoil(Dc& dc, double zoom, int ox, int oy);
    void DrawLogicProbe(Dc& dc, double zoom, int ox, int oy);
    void DrawLogicDisplay(Dc& dc, double zoom, int ox, int oy);
    void DrawGrafcetInitialStep(Dc& dc, double zoom, int ox, int oy);
    void DrawGrafcetStep(Dc& dc, double zoom, int ox, int oy);
    void DrawGrafcetTransition(Dc& dc, double zoom, int ox, int oy);
    void DrawGrafcetAction(Dc& dc, double zoom, int ox, int oy);
    void DrawGrafcetInputLink(Dc& dc, double zoom, int ox, int oy);
    void DrawGrafcetOutputLink(Dc& dc, double zoom, int ox, int oy);
    void DrawGrafcetMacroStep(Dc& dc, double zoom, int ox, int oy);

    // --- symbol-command interpreter and terminal matching (render/Interpreter.cpp) --
    // Draws one symbol command at the origin (ox, oy), turned by the orientation of
    // the slot being drawn (or of the tool for the preview), at `scale` device pixels
    // per command unit (zoom / 5 for the component routines). A "NUME" command leaves
    // its terminal in g_terminalPoint and g_terminalUnits (render/Terminals.h).
    // Reads no character past the end of the text nor past column 43.
    void DrawCommand(Dc& dc, std::string_view command, double scale, int ox, int oy);
    // The live wire with an end on the terminal of the last "NUME" command, the last
    // one in slot order when there are several; -1 when none.
    int wireAtTerminal() const;
    // The first such wire after slot `after` (-1 starts the walk); -1 when none.
    // For routines that feed every wire at a terminal, in slot order.
    int nextWireAtTerminal(int after) const;
    // Whether one end of slot j (any kind of item) lies on that terminal.
    bool endsAtTerminal(int j) const;
    // The lookups of the simulating paint under way; null outside one, where the
    // routines walk the table (render/SlotLookups.h).
    const SlotLookups* paintLookups() const { return m_paintLookups.get(); }
    std::shared_ptr<SlotLookups> m_paintLookups;
    // The lookups of the last evaluating paint, used again while the table is
    // unchanged.
    std::shared_ptr<SlotLookups> m_keptLookups;

    // --- paint routine, sheet frame, title block and free drawing (render/) ---------
    // Pointer guide lines across the visible area (sheet pixels, under everything).
    void DrawGuideLines(Dc& dc);
    // Frame, zone references, grid dots and title block of the page format.
    void DrawSheetFrame(Dc& dc);
    // The two title-block layouts at their corner in drawing units; both follow the
    // document's zoom, whatever the zoom argument says.
    void DrawTitleBlock1(Dc& dc, double zoom, int x0, int y0);
    void DrawTitleBlock2(Dc& dc, double zoom, int x0, int y0);
    // One free-drawing item (types 1 to 6, 8 and 9) of a live slot.
    void DrawFreeItem(Dc& dc, int slot);
    // Status panes as the program starts: "Velkarion", then this sheet's mode and
    // run state ("Edición", "Stop").
    void SetStartStatusTexts();
    // Test seams of the paint, empty in the program. When set, the paint calls
    // m_routineProbe instead of the component routine it would call (with the type
    // code and the routine's arguments), and m_wirePassProbe instead of DrawWires.
    std::function<void(Dc& dc, int type, double zoom, int ox, int oy)> m_routineProbe;
    std::function<void(Dc& dc)> m_wirePassProbe;

    // --- simulation core: letters, faults, wire pass, nets, modes (render/) --------
    // Two letters meet (the sides of a closed contact, two touching wires): reports
    // a short circuit or an earth fault when the clash table says so, else nothing.
    // A caller learns of a report from m_simulating being 0 afterwards.
    void CheckPotentialClash(char a, char b);
    // Fault stops: simulation off, every live letter "0", one "Error" box, status
    // "Edición" / "Stop", the loop index left past the last slot.
    void ReportShortCircuit();
    void ReportEarthFault();
    void ReportFedEarthConnection();
    // One wire pass: draws wires, bundles and chart lines (when m_drawingPlaced is
    // 0), calls the dot and bundle-entry routines, carries letters while simulating.
    void DrawWires(Dc& dc);
    // Net and bundle numbering at Simulate, and the merges they are made of.
    void NumberWireNets();
    // The same numbers by the plain walk of the table for every merge (quadratic):
    // what NumberWireNets must agree with.
    void NumberWireNetsByScans();
    void NumberBundles();
    void MergeTouchingWires(int k);
    void NumberDotsOnWire(int k);
    void MergeWiresAtDot(int d);
    void NumberBundleEntriesAtWireEnds(int k);
    void MergeTouchingBundles(int k);
    void NumberBundleEntriesOnBundle(int k);
    // Mode commands: Simulate, Edit, Pause, Step.
    void OnModeRun();
    void OnModeEdit();
    void OnModePause();
    void OnModeStep();
    // 1 while a large sheet waits for the erasing repaint of its next clock tick.
    int m_deferredRedraw = 0;

    // --- sheet file, pictures and bitmap export (model/SheetFile.cpp, Pictures.cpp) --
    // The open dialog, then the reader; the initial update runs it for Open.
    void OpenDrawing();
    // The reader without the dialog: clears the sheet, reads the file, keeps its
    // path and applies the loaded zoom. False when the file could not be opened
    // or is no sheet (the path is then left empty). A damaged file is loaded as
    // far as it goes and told, with the path left empty so that Save asks for a
    // name; so is a file with more items than a sheet holds, of which the first
    // 999 are loaded. Items whose type code the program does not know are kept
    // and told.
    bool LoadDrawing(const std::string& path);
    void OnFileSave();
    void OnFileSaveAs();
    // The whole text of the sheet file, the end group written `endGroups` times.
    std::string ComposeSheetText(int endGroups) const;
    // Slot `i` is written to the file: of type 1 or above, or a companion, and not
    // hidden.
    bool IsSavedSlot(int i) const;
    // What the reader found beside the items it took.
    struct SheetTextCheck {
        bool complete = false;  // every part was whole through the end group
        bool overfull = false;  // the file holds more records than a sheet keeps
    };
    // Reads a sheet file's text into the table (from slot 0) and the document;
    // pictures are read from `folder`. False when the header word is wrong.
    bool ReadSheetText(const std::string& text, const std::string& folder, SheetTextCheck* check = nullptr);
    void OnFileImportPicture();
    void OnFileExportPicture();
    // The bitmap of picture slot `slot` stretched into the device box, or an
    // empty frame when the slot has no readable bitmap.
    void DrawPictureStretched(Dc& dc, int slot, int x, int y, int width, int height);
    // The bitmap of a picture slot; nullptr when it has none.
    const CDIB* PictureOf(int slot) const;
    // Helpers of the above: the file written whole ("No se puede guardar el
    // archivo" when that fails), the bitmap of a loaded picture item read from
    // `folder`, and the loaded zoom applied as a whole number with its scroll range.
    bool WriteDrawing(int endGroups);
    void LoadPictureOfSlot(int slot, const std::string& folder);
    void ApplyLoadedZoom();

    // --- pointer motion, placement ghost and component placement (edit/) ----------
    // Pointer motion over the sheet: status text, grid marker, guide-line bands,
    // placement ghost, rubber figures, live and group moves. Bit 0 of flags: left
    // button held.
    void OnMouseMove(int flags, Point point);
    // Hides the preview until the next move, then scrolls as the platform does.
    void OnMouseWheel(int flags, int delta, Point point);
    void onMouseMove(int flags, Point p) override { OnMouseMove(flags, p); }
    void onWheel(int flags, int delta, Point p) override { OnMouseWheel(flags, delta, p); }
    // The box that a symbol of the type covers around its insertion point, in device
    // pixels at the zoom, turned by the orientation code; empty for types without
    // a box of their own.
    static Rect ComputePlacementGhost(int type, double zoom, int orientation);
    // Common tail of the palette, zoom and grid commands: drops pick and selection
    // and parks the preview near the sheet origin.
    void BeginToolPlacement();
    // The left-button release with a component tool armed: completes the tool only
    // when its press happened in this view with the tool armed (m_toolDragActive,
    // which it clears), places the component and runs the closing steps. True when
    // a component was placed.
    bool FinishComponentTool();
    // Writes the current tool's component (and an inverter control's companion slot)
    // at the count. False, with nothing written, when the tool is no component tool,
    // while simulating, or when the type's slot limit is reached (with a beep).
    bool PlaceComponent();
    // The closing steps of a completed placement: blank the slots from the count
    // up, show the new item (not for wire and link tools), mark the sheet modified.
    void ClosePlacement();
    // 1 once the pointer has moved in this view since the preview was last parked or
    // hidden: the preview point is then where the user saw the ghost. Otherwise a
    // placement goes to the press point.
    int m_previewFollowsPointer = 0;

    // --- creation, initial update and the platform's handlers (model/ViewInit.cpp) --
    // Turns a fresh view into an empty sheet in edit mode (or a loaded one after
    // Open): slot table cleared, scalar defaults, title-block defaults, status
    // panes, scroll area of the page format and timer 1 at 250 ms.
    void OnInitialUpdate();
    // The paint (render/Paint.cpp) and the clock tick (render/Clock.cpp).
    void OnDraw(Dc& dc);
    void OnTimer(int id);
    void onInitialUpdate() override { OnInitialUpdate(); }
    // A new window of the document shows a copy of the sheet of `original`, at its
    // scroll position (model/SheetCopy.cpp).
    void CopySheetOf(const CVelkarionView& original);
    void onNewWindowOf(View& original) override;
    void onPaint(Dc& dc) override { OnDraw(dc); }
    void onTimer(int id) override { OnTimer(id); }
    // The main window whose status bar m_statusBar is; nullptr without one.
    MdiFrame* m_mainWnd = nullptr;

    // --- edit commands, free drawing, zoom window, keys and scroll bars (edit/) ------
    // Clipboard, undo, redo and select all (edit/Clipboard.cpp). An inverter control
    // and its companion slot always travel together.
    void OnEditCut();
    void OnEditCopy();
    void OnEditPaste();
    void OnEditUndo();
    void OnEditRedo();
    void OnEditSelectAllItems();
    // Rotate and mirror the picked item, or the orientation of the next placement
    // (edit/Transforms.cpp).
    void OnRotateLeft();
    void OnRotateRight();
    void OnMirrorVertical();
    void OnMirrorHorizontal();
    // Enabling of the commands above.
    void OnUpdateEditCut(CommandUpdate& cmdUI);
    void OnUpdateEditCopy(CommandUpdate& cmdUI);
    void OnUpdateEditPaste(CommandUpdate& cmdUI);
    void OnUpdateEditUndo(CommandUpdate& cmdUI);
    void OnUpdateEditRedo(CommandUpdate& cmdUI);
    void OnUpdateEditSelectAllItems(CommandUpdate& cmdUI);
    void OnUpdateRotateLeft(CommandUpdate& cmdUI);
    void OnUpdateRotateRight(CommandUpdate& cmdUI);
    void OnUpdateMirrorVertical(CommandUpdate& cmdUI);
    void OnUpdateMirrorHorizontal(CommandUpdate& cmdUI);
    // The view's command routing hands these the ids of the commands above: run,
    // enable, and whether the id is one of them.
    bool RunEditCommand(int id);
    bool UpdateEditCommand(int id, CommandUpdate& state);
    static bool HasEditCommand(int id);
    // Free drawing and zoom window (edit/FreeDrawingTools.cpp), steps of the button
    // handlers. The press with the text tool: places g_textToolText at the snapped
    // press point (m_dragStartX/Y) and goes back to the select tool; a text of
    // nothing but blanks is not placed and the tool stays.
    void PlaceText();
    // The release with a drawing tool 1 to 8 at the unsnapped release point in
    // sheet pixels (window point plus the scroll positions): writes the line or
    // shape of the drag, fills the screen there and keeps the fill point, or takes
    // the colour under the press. False when the release handler must end at once
    // (a line or shape that would show nothing, the text tool).
    bool CompletePrimitive(Point releaseSheet);
    // The whole release with a drawing tool: CompletePrimitive for a drag that was
    // pressed in this view, then the closing steps. False as CompletePrimitive.
    bool FinishFreeDrawing(Point releaseSheet);
    // The press in zoom-window mode: the snapped sheet point becomes the anchor.
    void AnchorZoomWindow(Point sheetPoint);
    // The release of a zoom-window drag: new zoom, scroll area and position. False
    // when the drag gives no zoom: the release handler then ends at once and the
    // mode stays armed.
    bool FinishZoomWindow();
    // Keys, background erase, cursor, scroll bars and focus (edit/Keyboard.cpp).
    void OnKeyDown(int key, int repeat, int flags);
    void OnEraseBkgnd(Dc& dc);
    bool OnSetCursor(int hitTest);
    void OnVScroll(int request, int thumbPosition);
    void OnHScroll(int request, int thumbPosition);
    void OnActivateView(bool activate);
    void OnKillFocus();
    void onKeyDown(int key, int repeat, int flags) override { OnKeyDown(key, repeat, flags); }
    void onEraseBackground(Dc& dc) override { OnEraseBkgnd(dc); }
    bool onSetCursor(int hitTest) override { return OnSetCursor(hitTest); }
    void onScroll(bool vertical, int request, int thumbPosition) override {
        if (vertical) OnVScroll(request, thumbPosition);
        else OnHScroll(request, thumbPosition);
    }
    void onActivate(bool active) override { OnActivateView(active); }
    void onKillFocus() override { OnKillFocus(); }
    // Status panes 1 and 2 belong to the active sheet window (render/Clock.cpp).
    // ModePanes: the status bar while this window is the active one (a view
    // without a main window has its panes to itself), else null. SetModeTexts
    // records this sheet's mode and run state (UTF-8; a null mode keeps the mode)
    // and shows what it set on ModePanes; ShowModeTexts shows both again, as the
    // window comes forward.
    StatusPanes* ModePanes() const;
    void SetModeTexts(const char* modeUtf8, const char* runStateUtf8);
    void ShowModeTexts();
    // The window is closing: the panes let go of this sheet's pointer position,
    // mode and run state (render/Clock.cpp).
    void OnDestroy();
    void onDestroy() override { OnDestroy(); }

    // --- tools, zoom and grid, drawing colours, printing ------------------------------
    // (edit/ToolSelection.cpp, edit/ZoomCommands.cpp, edit/ColorCommands.cpp,
    // render/Printing.cpp). Each group also runs by command id for the command
    // routing: Run...Command is false, doing nothing, for an id not of its group.
    // Drawing tools: the tool becomes current, nothing is armed.
    void OnToolSelect();
    void OnToolLine();
    void OnToolRectangle();
    void OnToolEllipse();
    void OnToolFilledRectangle();
    void OnToolFilledEllipse();
    void OnToolFill();
    void OnToolColorPicker();
    // The select tool, then the text dialog; the text tool after OK.
    void OnToolText();
    void OnToolLibraries();
    void OnToolReserved();
    // A palette command: its component tool (and link sub-kind) becomes current and
    // is armed by BeginToolPlacement.
    void OnPaletteCommand(int id);
    static bool IsToolCommand(int id);
    bool RunToolCommand(int id);
    // Zoom and grid; the screen zoom stays within 1 to 20.
    void OnZoomPrevious();
    void OnZoomNormal();
    void OnZoomIn();
    void OnZoomOut();
    void OnZoomWindow();
    void OnZoomAll();
    void OnViewGrid();
    // The scroll sizes of the page format at the document's zoom; left as they are
    // for a format without a sheet size.
    void SetPageScrollSizes();
    static bool IsZoomCommand(int id);
    bool RunZoomCommand(int id);
    // Drawing colour of new free-drawing items and texts.
    void OnColorBlack();
    void OnColorWhite();
    void OnColorGrey();
    void OnColorLightGrey();
    void OnColorDarkRed();
    void OnColorRed();
    void OnColorOlive();
    void OnColorYellow();
    void OnColorGreen();
    void OnColorLime();
    void OnColorTeal();
    void OnColorCyan();
    void OnColorChoose();
    static bool IsColorCommand(int id);
    bool RunColorCommand(int id);
    // Print (dialog first), direct print, print preview, and the operations a job
    // calls around its pages; OnPrint is the page paint.
    void OnFilePrint();
    void OnFilePrintDirect();
    void OnFilePrintPreview();
    bool OnPreparePrinting(PrintInfo& info);
    void OnBeginPrinting(Dc& dc, PrintInfo& info);
    void OnPrint(Dc& dc, PrintInfo& info);
    void OnEndPrinting(Dc& dc, PrintInfo& info);
    // Pixels per drawing unit on paper for the document's page format and print
    // scale; the screen zoom for a format without one.
    static double PrintZoomFor(const SheetDocument& doc);
    static bool IsPrintCommand(int id);
    bool RunPrintCommand(int id);

    // --- pointer buttons, picking, selection, wiring, device operation (edit/) -----
    // (edit/Picking.cpp, edit/Wiring.cpp, edit/DeviceOperation.cpp)
    // Left press: snapped to the grid; starts a tool drag or a band, picks, drops a
    // selection or a pasted item, and operates devices while simulating.
    void OnLButtonDown(int flags, Point point);
    // Left release: completes the tool (component, wire, link, accessory, drawing),
    // ends a band, and lets go of devices while simulating.
    void OnLButtonUp(int flags, Point point);
    // Right press: the general cancel, then, for a real right button (flags with
    // kMouseRight) while simulating, the right-button action of a device.
    void OnRButtonDown(int flags, Point point);
    void onLeftDown(int flags, Point p) override { OnLButtonDown(flags, p); }
    void onLeftUp(int flags, Point p) override { OnLButtonUp(flags, p); }
    void onRightDown(int flags, Point p) override { OnRButtonDown(flags, p); }
    // Double click (edit/DoubleClick.cpp): while editing, edits this view's picked
    // item: a text in the text dialog, a component in its property dialog.
    void OnLButtonDblClk(int flags, Point point);
    void onLeftDoubleClick(int flags, Point p) override { OnLButtonDblClk(flags, p); }
    void EditTextItem(int slot);
    // Copies the slot out into the exchange record, runs the type's dialog and,
    // after OK only, copies it back and sets the box of the new variant.
    void EditComponentProperties(int slot);
    // While simulating (edit/SetPointPanels.cpp): every drive control block under
    // the sheet point (device pixels) opens its set-point panel, replacing the
    // panel of its kind.
    void OpenSetPointPanels(Point sheet);
    // The Edit command's end of the inverter set-point panel.
    static void CloseInverterPanel();
    // The cancel of the right button alone: no tool, zoom window, pick or selection,
    // no preview, whole view repainted. Esc uses it; it operates no device.
    void CancelPointerTools();
    // Picks the topmost item under a snapped sheet point (device pixels); `window`
    // is the same point in window coordinates (for the grab offset).
    void PickAtPoint(Point sheet, Point window);
    // Ends the band at the unsnapped release sheet point and selects what lies
    // wholly inside it.
    void EndRubberBand(Point releaseSheet);
    // Pick areas in drawing units, bounds included, shared by picking, band
    // selection and device operation. A symbol's area is its box less 3 units on
    // the left and 1 on the other sides; a line item's the rectangle of its corners.
    bool symbolAreaContains(int slot, double px, double py) const;
    bool lineAreaContains(int slot, double px, double py) const;
    // The selection flag off on every slot that holds a visible item.
    void deselectAll();
    // The program-wide pick flag and selection count describe the view that last
    // took input. A view taking input first puts the previous view's values away
    // and brings back its own, so no window acts on another window's pick or
    // selection. Commands that act on the pick or selection call it first.
    void claimPickAndSelection();
    // The pick flag as this view sees it: set only when this view owns the pick,
    // so a window never draws another window's picked item.
    bool itemPickedHere() const;
    bool isPickedSlot(int slot) const { return itemPickedHere() && slot == m_pickedIndex; }
    int m_ownItemPicked = 0;
    int m_ownSelectionCount = 0;

    // Completions of the wire, link and accessory tools at the release. False when
    // the release handler ends there (a drag of zero length).
    bool PlaceWire();
    bool PlaceGrafcetLine();
    bool PlaceAccessory();
    // Points where the new wire in `slot` ends strictly inside an earlier wire or
    // chart line: the first point found and the last (at most two); their number.
    int AddJunctionDots(int slot, Point found[2]) const;
    // The step and transitions placed with a divergence or convergence line.
    void InsertGrafcetElements(int line);

    // Device operation while simulating, at the snapped press point, the unsnapped
    // release point and the unsnapped right-press point (sheet pixels).
    void OperateOnPress(Point sheet);
    void OperateOnRelease(Point sheet);
    void OperateOnRightPress(Point sheet);
    // The state of device `slot` into every live slot of equal, non-empty label
    // (the thermal overload relay: into thermal relay contacts only).
    void CopyStateToLabel(int slot);
    // 1 for a momentary device that the mouse holds down, until the release.
    SlotColumn<int> m_heldByPointer;

    // --- command routing and enabling (model/CommandEnabling.cpp) ---------------------
    // A command reaches the view first: the group that knows its id runs it. The
    // enabling answer comes only for commands that some handler of the active
    // window would run; a command nothing handles is left to the platform, which
    // disables it.
    bool onCommand(int id) override;
    bool onCommandUpdate(int id, CommandUpdate& state) override;
    bool hasCommand(int id) const override;
    // The common rule: file, drawing, colour, palette-selector and palette commands
    // are usable only in edit mode.
    void OnUpdateEditingCommand(CommandUpdate& cmdUI);
    // Pause and Step only while simulating.
    void OnUpdateModePause(CommandUpdate& cmdUI);
    void OnUpdateModeStep(CommandUpdate& cmdUI);

    // --- dialog commands (dialogs/) -------------------------------------------------------
    // The title-block dialog; after OK the document takes its values and the view
    // is drawn anew with erasing.
    void OnEditTitleBlock();
    // The configuration dialog; after OK the document takes its settings, the
    // scroll area follows the page format and every view of the document is drawn anew.
    void OnFileConfiguration();

    // --- coil edge memory (symbols/control/Coils.cpp) ---------------------------------
    // The voltage an impulse relay or bistable coil last acted on: the impulse
    // relay's test result (0 or 1), the bistable coil's 0, 1 (set) or 2 (reset);
    // the voltage a timer relay or flashing lamp last acted on (Timers.cpp,
    // FlashingLamp.cpp).
    // Kept apart from the redraw cache, so a repaint after a zoom, a scroll or an
    // uncovered window redraws the coil without toggling it. Run time only, never
    // saved; Simulate and Edit put it back to 0.
    SlotColumn<int> m_coilVoltageSeen;
    // The falling-edge ladder contact's "the variable has been 1" and the assign
    // ladder coil's energisation at its last latch pass, on the same terms: an
    // erase while simulating redraws them without losing a pulse or a latch.
    SlotColumn<int> m_ladderMemory;

    // --- chart run-time memory (symbols/logic/Grafcet.cpp) ------------------------------
    // A step's AND-convergence bar (the bar's slot, -1 for none) and a macro-step's
    // exit flag (1 while its expansion's exit step was reached and the token not yet
    // offered below). Apart from the redraw cache, so an erase never changes them.
    // Run time only; Simulate and Edit put them back to -1 and 0.
    SlotColumn<int> m_chartBarRecord;
    SlotColumn<int> m_macroExitFlag;

private:
    SheetDocument* m_document = nullptr;
};

// Program-wide state that goes with the slot table (one set for all sheets).
extern int g_currentTool;
extern int g_toolSubKind;
extern int g_itemPicked;
extern int g_selectionCount;
extern int g_pictureCount;
// The view whose pick and selection g_itemPicked and g_selectionCount describe
// (nullptr: none has taken input yet). Compared, never followed.
extern const View* g_pickOwner;
// Set by Open just before it runs New: the new view's initial update then asks
// for the file and reads it (model/ViewInit.cpp).
extern int g_openOnInit;
// The text the next click of the text tool places (Windows-1250).
extern std::string g_textToolText;

}  // namespace velk
