// The per-type placement defaults. Nothing is numbered: every placed motor is "-M",
// every coil "-K", until the user renames it.
#include "edit/PlacementDefaults.h"

#include <algorithm>
#include <iterator>

#include "model/TypeCodes.h"

namespace velk {

namespace {

// Pole terminals: the upper terminals "1" "3" "5" "7" first, then the lower ones
// "2" "4" "6" "8", as far as the device has poles.
constexpr TerminalNames poles(int count) {
    const char* const upper[] = {"1", "3", "5", "7"};
    const char* const lower[] = {"2", "4", "6", "8"};
    TerminalNames names{};
    for (int k = 0; k < count; ++k) {
        names[static_cast<std::size_t>(k)] = upper[k];
        names[static_cast<std::size_t>(count + k)] = lower[k];
    }
    return names;
}

// The four contact forms share their names within a family.
enum ContactForm { kNO, kNC, kNONC, kChangeover };
constexpr TerminalNames kSwitchingContacts[] = {
    {"13", "14"}, {"11", "12"}, {"11", "13", "12", "14"}, {"11", "12", "14"}};
constexpr TerminalNames kTimedContacts[] = {
    {"67", "68"}, {"55", "56"}, {"55", "57", "56", "58"}, {"55", "56", "58"}};
constexpr TerminalNames kThermalContacts[] = {
    {"97", "98"}, {"95", "96"}, {"95", "97", "96", "98"}, {"95", "96", "98"}};

// The inverter control's terminals 8 to 13 live in the slot after it.
constexpr TerminalNames kInverterCompanion = {"R+", "R-", "+", "AI", "0V", "AO"};

// Fixed-width parameter texts that the drive settings dialogs edit by position.
constexpr const char* kInverterParams = "1-0-0-000-200-010-025-050-05-05-00-0";
constexpr const char* kRegulatorParams = "0-050-230-0050-2000-05-05";

constexpr TerminalNames kTimerTerminals = {"A1", "A2", "0", "1"};  // unit "0" (seconds), value "1"
constexpr TerminalNames kPilotLampTerminals = {"X1", "X2", "0"};  // colour "0" (green)

constexpr PlacementDefaults kRows[] = {
    // Motors, resistors, autotransformer and drives
    {kTypeMotorThreePhase, {-60, -30, 120, 120}, "-M", {"U1", "V1", "W1", "PE"}},
    {kTypeMotorStarDelta, {-60, -30, 120, 135}, "-M", {"U1", "V1", "W1", "PE", "W2", "U2", "V2"}},
    {kTypeMotorSinglePhase, {-60, -30, 120, 120}, "-M", {"U", "N", "PE"}},
    {kTypeMotorDahlander, {-60, -30, 120, 135}, "-M", {"U1", "V1", "W1", "PE", "U2", "V2", "W2"}},
    {kTypeMotorWoundRotor, {-60, -30, 120, 135}, "-M", {"U1", "V1", "W1", "PE", "K", "L", "M"}},
    {kTypeMotorTwoWinding, {-60, -30, 120, 135}, "-M", {"U1", "V1", "W1", "PE", "U2", "V2", "W2"}},
    {kTypeMotorDcPermanentMagnet, {-15, -60, 120, 75}, "-M", {"A1", "A2", "PE"}},
    {kTypeMotorDcSeparatelyExcited, {-15, -60, 120, 75}, "-M", {"A1", "A2", "PE", "F1", "F2"}},
    {kTypeResistor, {-60, -15, 30, 90}, "-R", {"1", "2"}},
    {kTypeResistorThreePhase, {-60, -15, 90, 90}, "-R", {"1", "3", "5", "2", "4", "6"}},
    {kTypeAutotransformer, {-60, -15, 90, 105}, "-T", {"1", "4", "7", "2", "5", "8", "3", "6", "9"}},
    {kTypeSoftStarter, {-60, -15, 105, 135}, "-G", {"1", "3", "5", "2", "4", "6", "PE"}},
    {kTypeInverterSinglePhaseFed, {-60, -15, 120, 165}, "-G", {"L1", "N", "PE", "U", "V", "W", "PE"}},
    {kTypeInverterThreePhase, {-60, -15, 120, 165}, "-G", {"L1", "L2", "L3", "PE", "U", "V", "W", "PE"}},
    {kTypeInverterControl, {-60, -15, 270, 165}, "-G", {"RA", "RC", "I1", "I2", "I3", "I4", "+"},
     kTerminalCount, kInverterParams, &kInverterCompanion},
    {kTypeDcRegulatorSinglePhase, {-60, -15, 90, 165}, "-G", {"L1", "N", "PE", "M1", "M2"}},
    {kTypeDcRegulatorSinglePhaseField, {-60, -15, 120, 165}, "-G", {"L1", "N", "PE", "M1", "M2", "F1", "F2"}},
    {kTypeDcRegulatorThreePhase, {-60, -15, 120, 165}, "-G", {"L1", "L2", "L3", "PE", "M1", "M2"}},
    {kTypeDcRegulatorThreePhaseField, {-60, -15, 120, 165}, "-G",
     {"L1", "L2", "L3", "PE", "M1", "M2", "F1", "F2"}},
    // The two control blocks below never occupy slot 998.
    {kTypeDcRegulatorControl, {-60, -15, 195, 165}, "-G", {"RA", "RC", "IN", "V+", "+", "AI", "0V"},
     kTerminalCount, kRegulatorParams, nullptr, 997},
    {kTypeSoftStarterControl, {-60, -15, 75, 135}, "-G", {"IN", "A1", "A2"}, kTerminalCount, nullptr, nullptr,
     997},

    // Power contacts
    {kTypeMainContactsII, {-60, -15, 60, 75}, "-KM", poles(2)},
    {kTypeMainContactsIII, {-60, -15, 90, 75}, "-KM", poles(3)},
    {kTypeMainContactsIIII, {-60, -15, 120, 75}, "-KM", poles(4)},
    {kTypeSwitchDisconnectorII, {-90, -15, 60, 75}, "-S", poles(2)},
    {kTypeSwitchDisconnectorIII, {-90, -15, 90, 75}, "-S", poles(3)},
    {kTypeSwitchDisconnectorIIII, {-90, -15, 120, 75}, "-S", poles(4)},
    {kTypeMainContactsI, {-60, -15, 30, 75}, "-KM", poles(1)},
    {kTypeSwitchDisconnectorI, {-90, -15, 30, 75}, "-S", poles(1)},

    // Supplies draw their potential names themselves and get no terminal names.
    {kTypeSupplyL, {-60, -45, 30, 15}, "-X"},
    {kTypeSupplyN, {-60, -45, 30, 15}, "-X"},
    {kTypeSupplyPE, {-60, -45, 30, 15}, "-X"},
    {kTypeSupplyLN, {-60, -45, 60, 15}, "-X"},
    {kTypeSupplyL1L2L3, {-60, -45, 90, 15}, "-X"},
    {kTypeSupplyL1L2L3PE, {-60, -45, 120, 15}, "-X"},
    {kTypeSupplyL1L2L3N, {-60, -45, 120, 15}, "-X"},
    {kTypeSupplyL1L2L3NPE, {-60, -45, 150, 15}, "-X"},
    {kTypeSupplyPlus, {-60, -45, 30, 15}, "-X"},
    {kTypeSupplyMinus, {-60, -45, 30, 15}, "-X"},
    {kTypeSupplyPlusMinus, {-60, -45, 60, 15}, "-X"},
    {kTypeSupplyLNPE, {-60, -45, 90, 15}, "-X"},
    {kTypeTransformer, {-70, -15, 75, 90}, "-T", {"1", "2", "3", "4"}},
    {kTypeRectifier, {-70, -15, 75, 105}, "-V", {"1", "2", "3", "4"}},
    {kTypePowerSupplyUnit, {-70, -15, 75, 105}, "-V", {"1", "2", "3", "4", "PE"}},
    {kTypeEarthSymbol, {-45, -15, 40, 40}, ""},
    {kTypeDiode, {-60, -15, 30, 75}, "-D", {"1", "2"}},
    {kTypeTransformerThreePhase, {-70, -15, 90, 90}, "-T", {"1", "2", "3", "4", "5", "6"}},
    {kTypePowerSupplyUnitThreePhase, {-70, -15, 105, 105}, "-V", {"1", "2", "3", "4", "5", "PE"}},
    {kTypeBattery, {-60, -15, 45, 60}, "-V", {"+", "-"}},

    // Wiring accessories: their boxes serve the ghost; the wiring tools place them.
    {kTypeConnectionDot, {-30, -15, 15, 15}, ""},
    {kTypeBundleEntryLeft, {-30, -15, 15, 30}, ""},
    {kTypeBundleEntryRight, {-15, -15, 30, 30}, ""},
    {kTypeTerminalI, {-60, -15, 30, 75}, "-X"},
    {kTypeTerminalII, {-60, -15, 15, 15}, "-X"},
    {kTypeConnectionPointLeft, {-45, -30, 60, 30}, "-X"},
    {kTypeConnectionPointRight, {-90, -30, 15, 30}, "-X"},
    {kTypeTerminalStrip2, {-60, -15, 45, 15}, "-X"},
    {kTypeTerminalStrip3, {-60, -15, 75, 15}, "-X"},
    {kTypeTerminalStrip4, {-60, -15, 105, 15}, "-X"},

    // Fuses; the phase + neutral variants have two poles.
    {kTypeFuseI, {-60, -15, 30, 75}, "-F", poles(1)},
    {kTypeFuseIN, {-60, -15, 60, 75}, "-F", poles(2)},
    {kTypeFuseII, {-60, -15, 60, 75}, "-F", poles(2)},
    {kTypeFuseIII, {-60, -15, 90, 75}, "-F", poles(3)},
    {kTypeFuseIIIN, {-60, -15, 120, 75}, "-F", poles(4)},
    {kTypeFuseSwitchI, {-75, -15, 30, 75}, "-F", poles(1)},
    {kTypeFuseSwitchIN, {-75, -15, 60, 75}, "-F", poles(2)},
    {kTypeFuseSwitchII, {-75, -15, 60, 75}, "-F", poles(2)},
    {kTypeFuseSwitchIII, {-75, -15, 90, 75}, "-F", poles(3)},
    {kTypeFuseSwitchIIIN, {-75, -15, 120, 75}, "-F", poles(4)},

    // Breakers and protection
    {kTypeBreakerI, {-75, -15, 30, 75}, "-F", poles(1)},
    {kTypeBreakerIN, {-75, -15, 60, 75}, "-F", poles(2)},
    {kTypeBreakerII, {-75, -15, 60, 75}, "-F", poles(2)},
    {kTypeBreakerIII, {-75, -15, 90, 75}, "-F", poles(3)},
    {kTypeBreakerIIIN, {-75, -15, 120, 75}, "-F", poles(4)},
    {kTypeRcdIN, {-105, -15, 60, 105}, "-F", poles(2)},
    {kTypeRcdIIIN, {-105, -15, 120, 105}, "-F", poles(4)},
    {kTypeThermalOverloadRelay, {-75, -15, 105, 75}, "-F", poles(3)},
    {kTypeMotorProtectionSwitchII, {-105, -15, 60, 120}, "-Q", poles(2)},
    {kTypeMotorProtectionSwitchIII, {-105, -15, 90, 120}, "-Q", poles(3)},
    {kTypeMotorProtectionSwitchI, {-105, -15, 30, 120}, "-Q", poles(1)},
    {kTypeMotorProtectionSwitchIN, {-105, -15, 60, 120}, "-Q", poles(2)},
    {kTypeMotorProtectionSwitchIIIN, {-105, -15, 120, 120}, "-Q", poles(4)},
    {kTypeSurgeArresterIN, {-60, -15, 60, 105}, "-F", {"1", "2", "3"}},
    {kTypeSurgeArresterIIIN, {-60, -15, 120, 105}, "-F", {"1", "2", "3", "4", "5"}},

    // Auxiliary and timed contacts
    {kTypeAuxContactNO, {-60, -15, 30, 75}, "-K", kSwitchingContacts[kNO]},
    {kTypeAuxContactNC, {-60, -15, 30, 75}, "-K", kSwitchingContacts[kNC]},
    {kTypeAuxContactNONC, {-60, -15, 75, 75}, "-K", kSwitchingContacts[kNONC]},
    {kTypeAuxContactChangeover, {-60, -15, 60, 75}, "-K", kSwitchingContacts[kChangeover]},
    {kTypeOnDelayContactNO, {-75, -15, 30, 75}, "-KA", kTimedContacts[kNO]},
    {kTypeOnDelayContactNC, {-75, -15, 30, 75}, "-KA", kTimedContacts[kNC]},
    {kTypeOnDelayContactNONC, {-75, -15, 75, 75}, "-KA", kTimedContacts[kNONC]},
    {kTypeOnDelayContactChangeover, {-75, -15, 60, 75}, "-KA", kTimedContacts[kChangeover]},
    {kTypeOffDelayContactNO, {-75, -15, 30, 75}, "-KA", kTimedContacts[kNO]},
    {kTypeOffDelayContactNC, {-75, -15, 30, 75}, "-KA", kTimedContacts[kNC]},
    {kTypeOffDelayContactNONC, {-75, -15, 75, 75}, "-KA", kTimedContacts[kNONC]},
    {kTypeOffDelayContactChangeover, {-75, -15, 60, 75}, "-KA", kTimedContacts[kChangeover]},
    {kTypeOnOffDelayContactNO, {-75, -15, 30, 75}, "-KA", kTimedContacts[kNO]},
    {kTypeOnOffDelayContactNC, {-75, -15, 30, 75}, "-KA", kTimedContacts[kNC]},
    {kTypeOnOffDelayContactNONC, {-75, -15, 75, 75}, "-KA", kTimedContacts[kNONC]},
    {kTypeOnOffDelayContactChangeover, {-75, -15, 60, 75}, "-KA", kTimedContacts[kChangeover]},

    // Sensors and light barriers: only the palette variants have a box here; the
    // sensor data dialog gives the other variants theirs.
    {kTypeInductiveSensorNO2Wire, {-90, -15, 45, 75}, "-B", {"1", "2"}},
    {kTypeCapacitiveSensorNO2Wire, {-90, -15, 45, 75}, "-B", {"1", "2"}},
    {kTypeMagneticSensorNO2Wire, {-90, -15, 45, 75}, "-B", {"1", "2"}},
    {kTypeInductiveSensorNC2Wire, {-90, -15, 45, 75}, "-B", {"1", "2"}},
    {kTypeCapacitiveSensorNC2Wire, {-90, -15, 45, 75}, "-B", {"1", "2"}},
    {kTypeMagneticSensorNC2Wire, {-90, -15, 45, 75}, "-B", {"1", "2"}},
    {kTypeReflexBarrier, {-75, -15, 60, 105}, "-B", {"1", "2", "3", "4", "5"}},
    {kTypeBarrierEmitter, {-90, -15, 45, 75}, "-B", {"1", "2"}},
    {kTypeBarrierReceiverNO2Wire, {-90, -15, 45, 75}, "-B", {"1", "2"}},
    {kTypeBarrierReceiverNC2Wire, {-90, -15, 45, 75}, "-B", {"1", "2"}},

    // Manual devices, thermal relay contacts and selectors
    {kTypePushButtonNO, {-90, -15, 30, 75}, "-S", kSwitchingContacts[kNO]},
    {kTypePushButtonNC, {-90, -15, 30, 75}, "-S", kSwitchingContacts[kNC]},
    {kTypePushButtonNONC, {-90, -15, 75, 75}, "-S", kSwitchingContacts[kNONC]},
    {kTypePushButtonChangeover, {-90, -15, 60, 75}, "-S", kSwitchingContacts[kChangeover]},
    {kTypeMushroomButtonNO, {-90, -15, 30, 75}, "-S", kSwitchingContacts[kNO]},
    {kTypeMushroomButtonNC, {-90, -15, 30, 75}, "-S", kSwitchingContacts[kNC]},
    {kTypeMushroomButtonNONC, {-90, -15, 75, 75}, "-S", kSwitchingContacts[kNONC]},
    {kTypeMushroomButtonChangeover, {-90, -15, 60, 75}, "-S", kSwitchingContacts[kChangeover]},
    {kTypeLatchingSwitchNO, {-90, -15, 30, 75}, "-S", kSwitchingContacts[kNO]},
    {kTypeLatchingSwitchNC, {-90, -15, 30, 75}, "-S", kSwitchingContacts[kNC]},
    {kTypeLatchingSwitchNONC, {-90, -15, 75, 75}, "-S", kSwitchingContacts[kNONC]},
    {kTypeLatchingSwitchChangeover, {-90, -15, 60, 75}, "-S", kSwitchingContacts[kChangeover]},
    {kTypeLimitSwitchNO, {-90, -15, 30, 75}, "-S", kSwitchingContacts[kNO]},
    {kTypeLimitSwitchNC, {-90, -15, 30, 75}, "-S", kSwitchingContacts[kNC]},
    {kTypeLimitSwitchNONC, {-90, -15, 75, 75}, "-S", kSwitchingContacts[kNONC]},
    {kTypeLimitSwitchChangeover, {-90, -15, 60, 75}, "-S", kSwitchingContacts[kChangeover]},
    {kTypeThermalContactNO, {-90, -15, 30, 75}, "-F", kThermalContacts[kNO]},
    {kTypeThermalContactNC, {-90, -15, 30, 75}, "-F", kThermalContacts[kNC]},
    {kTypeThermalContactNONC, {-90, -15, 75, 75}, "-F", kThermalContacts[kNONC]},
    {kTypeThermalContactChangeover, {-90, -15, 60, 75}, "-F", kThermalContacts[kChangeover]},
    {kTypeSelectorSwitchCenterOff, {-90, -15, 60, 75}, "-S", {"1", "2", "3"}},
    {kTypeSelectorSwitchThreeWay, {-90, -15, 90, 75}, "-S", {"1", "2", "3", "4"}},
    {kTypeIntermediateSwitch, {-90, -15, 60, 75}, "-S", {"1", "2", "3", "4"}},

    // Coils, timer relays and signalling. The solenoid valve's label keeps its two
    // trailing blanks; label binding compares them too.
    {kTypeCoil, {-75, -15, 45, 75}, "-K", {"A1", "A2"}},
    {kTypeBistableCoil, {-75, -15, 45, 75}, "-K", {"A1", "B1", "A2"}},
    {kTypeImpulseRelayCoil, {-75, -15, 45, 75}, "-K", {"A1", "A2"}},
    {kTypeSolenoidValveCoil, {-75, -15, 45, 75}, "-EV  ", {"A1", "A2"}},
    {kTypeOnDelayTimer, {-75, -15, 45, 75}, "-K", kTimerTerminals, 2},
    {kTypeOffDelayTimer, {-75, -15, 45, 75}, "-K", kTimerTerminals, 2},
    {kTypeOnOffDelayTimer, {-75, -15, 45, 75}, "-K", kTimerTerminals, 2},
    {kTypeCyclicTimer, {-75, -15, 45, 75}, "-K", kTimerTerminals, 2},
    {kTypePilotLamp, {-75, -15, 45, 75}, "-H", kPilotLampTerminals, 2},
    {kTypeFlashingPilotLamp, {-75, -15, 45, 75}, "-H", kPilotLampTerminals, 2},
    {kTypeBell, {-75, -15, 45, 75}, "-H", {"X1", "X2"}},
    {kTypeBuzzer, {-75, -15, 45, 75}, "-H", {"X1", "X2"}},
    {kTypeSiren, {-75, -15, 45, 75}, "-H", {"X1", "X2"}},
    {kTypeHorn, {-75, -15, 45, 75}, "-H", {"X1", "X2"}},

    // Logic blocks, ladder and sequential-chart elements: a label, no terminal names.
    {kTypeAnd2, {-15, -45, 105, 75}, "-U"},
    {kTypeOr2, {-15, -45, 105, 75}, "-U"},
    {kTypeNand2, {-15, -45, 105, 75}, "-U"},
    {kTypeNor2, {-15, -45, 105, 75}, "-U"},
    {kTypeNot, {-15, -45, 105, 45}, "-U"},
    {kTypeExor, {-15, -45, 105, 75}, "-U"},
    {kTypeLadderContactNO, {-15, -45, 75, 45}, "-U"},
    {kTypeLadderContactNC, {-15, -45, 75, 45}, "-U"},
    {kTypeLadderRisingEdge, {-15, -45, 75, 45}, "-U"},
    {kTypeLadderFallingEdge, {-15, -45, 75, 45}, "-U"},
    {kTypeLadderCoil, {-15, -45, 75, 45}, "-U"},
    {kTypeLadderSetCoil, {-15, -45, 75, 45}, "-U"},
    {kTypeLadderResetCoil, {-15, -45, 75, 45}, "-U"},
    {kTypeLogicProbe, {-105, -15, 15, 15}, "-I"},
    {kTypeLogicDisplay, {-15, -15, 105, 15}, "-Q"},
    {kTypeGrafcetInitialStep, {-45, -15, 75, 105}, "0"},
    {kTypeGrafcetStep, {-45, -15, 75, 105}, "1"},
    {kTypeGrafcetTransition, {-30, -15, 120, 75}, "1"},
    {kTypeGrafcetAction, {-15, -45, 195, 45}, "1"},
    {kTypeGrafcetInputLink, {-15, -60, 15, 15}, "1"},
    {kTypeGrafcetOutputLink, {-15, -15, 15, 60}, "1"},
    {kTypeGrafcetMacroStep, {-45, -15, 45, 105}, "M"},
};

constexpr bool rowsAscending() {
    for (std::size_t i = 1; i < std::size(kRows); ++i)
        if (kRows[i - 1].type >= kRows[i].type) return false;
    return true;
}
static_assert(rowsAscending(), "placement rows must stay in ascending type order");

}  // namespace

const PlacementDefaults* placementRowsBegin() { return std::begin(kRows); }
const PlacementDefaults* placementRowsEnd() { return std::end(kRows); }

const PlacementDefaults* placementDefaultsFor(int type) {
    const PlacementDefaults* it = std::lower_bound(
        std::begin(kRows), std::end(kRows), type,
        [](const PlacementDefaults& row, int t) { return row.type < t; });
    if (it == std::end(kRows) || it->type != type) return nullptr;
    return it;
}

bool isComponentTool(int type) {
    const bool inRange = (type >= 1000 && type <= 3019) || (type >= 5000 && type <= 10111);
    return inRange && placementDefaultsFor(type) != nullptr;
}

}  // namespace velk
