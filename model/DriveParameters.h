#pragma once
// The parameter text of a drive control block: one fixed-width text of fields at
// fixed columns, separated by "-". Every reader goes through here, so a short or
// odd text (a hand-edited sheet) is read the same way everywhere: a column past
// the end reads as a blank, and a number field is a decimal that may begin with
// blanks (the settings dialog writes blanks, the placement default zeros).
#include <cstddef>
#include <string>

namespace velk {

// The character at a column; a blank past the end of the text.
char parameterColumn(const std::string& text, std::size_t column);
// The decimal number of `width` columns from `first`: leading blanks skipped,
// digits read up to the first other character; 0 when there is none.
int parameterNumber(const std::string& text, std::size_t first, std::size_t width);

constexpr std::size_t kInverterParameterLength = 36;
inline constexpr const char* kInverterDefaultParameters = "1-0-0-000-200-010-025-050-05-05-00-0";

// The inverter control block's settings.
struct InverterParameters {
    char polePairs = '1';  // '1' to '4'; any other character as read
    char potentiometer = '0';
    char controlMode = '0';  // '0' two-wire, anything else three-wire
    int minFrequency = 0;
    int maxFrequency = 0;
    int presets[3] = {0, 0, 0};
    int accelerationSeconds = 0;
    int decelerationSeconds = 0;
    int brakeSeconds = 0;
    char brakeMode = '0';  // '1' permanent, anything else timed

    bool threeWire() const { return controlMode != '0'; }
    bool permanentBrake() const { return brakeMode == '1'; }
    bool hasPotentiometer() const { return potentiometer == '1'; }
    // 1 to 4, or 0 for a character outside them (the speed then reads 0).
    int polePairCount() const { return polePairs >= '1' && polePairs <= '4' ? polePairs - '0' : 0; }
};

InverterParameters readInverterParameters(const std::string& text);
// The 36-character text: numbers right-aligned with leading blanks.
std::string writeInverterParameters(const InverterParameters& p);
bool operator==(const InverterParameters& a, const InverterParameters& b);
inline bool operator!=(const InverterParameters& a, const InverterParameters& b) { return !(a == b); }

constexpr std::size_t kDcRegulatorParameterLength = 25;
inline constexpr const char* kDcRegulatorDefaultParameters = "0-050-230-0050-2000-05-05";

// The DC regulator control block's settings.
struct DcRegulatorParameters {
    char potentiometer = '0';  // '1' drawn; any other character kept as read
    int minVoltage = 0;
    int maxVoltage = 0;
    int minSpeed = 0;  // edited and saved, no effect while running
    int maxSpeed = 0;
    int accelerationSeconds = 0;
    int decelerationSeconds = 0;

    bool hasPotentiometer() const { return potentiometer == '1'; }
};

DcRegulatorParameters readDcRegulatorParameters(const std::string& text);
// The 25-character text: numbers right-aligned with leading blanks. A number
// too wide for its columns is held at the nearest value that fits, so the text
// keeps its length.
std::string writeDcRegulatorParameters(const DcRegulatorParameters& p);
bool operator==(const DcRegulatorParameters& a, const DcRegulatorParameters& b);
inline bool operator!=(const DcRegulatorParameters& a, const DcRegulatorParameters& b) { return !(a == b); }

// Program-wide values the drive blocks and the set-point panel share.
extern float g_analogSetpoint;
extern float g_inverterMinFrequency;
extern float g_inverterMaxFrequency;
extern float g_regulatorMinVoltage;
extern float g_regulatorMaxVoltage;

}  // namespace velk
