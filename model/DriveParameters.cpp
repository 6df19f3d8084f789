// Reading and writing the drive parameter texts (see DriveParameters.h).
#include "model/DriveParameters.h"

#include <cstdio>

namespace velk {

float g_analogSetpoint = 0.0f;
float g_inverterMinFrequency = 0.0f;
float g_inverterMaxFrequency = 0.0f;
float g_regulatorMinVoltage = 0.0f;
float g_regulatorMaxVoltage = 0.0f;

char parameterColumn(const std::string& text, std::size_t column) {
    return column < text.size() ? text[column] : ' ';
}

int parameterNumber(const std::string& text, std::size_t first, std::size_t width) {
    std::size_t c = first;
    const std::size_t end = first + width;
    while (c < end && parameterColumn(text, c) == ' ') ++c;
    int value = 0;
    for (; c < end; ++c) {
        const char ch = parameterColumn(text, c);
        if (ch < '0' || ch > '9') break;
        value = value * 10 + (ch - '0');
    }
    return value;
}

InverterParameters readInverterParameters(const std::string& text) {
    InverterParameters p;
    p.polePairs = parameterColumn(text, 0);
    p.potentiometer = parameterColumn(text, 2);
    p.controlMode = parameterColumn(text, 4);
    p.minFrequency = parameterNumber(text, 6, 3);
    p.maxFrequency = parameterNumber(text, 10, 3);
    p.presets[0] = parameterNumber(text, 14, 3);
    p.presets[1] = parameterNumber(text, 18, 3);
    p.presets[2] = parameterNumber(text, 22, 3);
    p.accelerationSeconds = parameterNumber(text, 26, 2);
    p.decelerationSeconds = parameterNumber(text, 29, 2);
    p.brakeSeconds = parameterNumber(text, 32, 2);
    p.brakeMode = parameterColumn(text, 35);
    return p;
}

std::string writeInverterParameters(const InverterParameters& p) {
    char buffer[64];
    const int n = std::snprintf(buffer, sizeof buffer, "%c-%c-%c-%3d-%3d-%3d-%3d-%3d-%2d-%2d-%2d-%c", p.polePairs,
                                p.potentiometer, p.controlMode, p.minFrequency % 1000, p.maxFrequency % 1000,
                                p.presets[0] % 1000, p.presets[1] % 1000, p.presets[2] % 1000,
                                p.accelerationSeconds % 100, p.decelerationSeconds % 100, p.brakeSeconds % 100,
                                p.brakeMode);
    if (n < 0) return std::string();
    return std::string(buffer, static_cast<std::size_t>(n) < sizeof buffer ? static_cast<std::size_t>(n) : 0);
}

bool operator==(const InverterParameters& a, const InverterParameters& b) {
    return a.polePairs == b.polePairs && a.potentiometer == b.potentiometer && a.controlMode == b.controlMode &&
           a.minFrequency == b.minFrequency && a.maxFrequency == b.maxFrequency && a.presets[0] == b.presets[0] &&
           a.presets[1] == b.presets[1] && a.presets[2] == b.presets[2] &&
           a.accelerationSeconds == b.accelerationSeconds && a.decelerationSeconds == b.decelerationSeconds &&
           a.brakeSeconds == b.brakeSeconds && a.brakeMode == b.brakeMode;
}

DcRegulatorParameters readDcRegulatorParameters(const std::string& text) {
    DcRegulatorParameters p;
    p.potentiometer = parameterColumn(text, 0);
    p.minVoltage = parameterNumber(text, 2, 3);
    p.maxVoltage = parameterNumber(text, 6, 3);
    p.minSpeed = parameterNumber(text, 10, 4);
    p.maxSpeed = parameterNumber(text, 15, 4);
    p.accelerationSeconds = parameterNumber(text, 20, 2);
    p.decelerationSeconds = parameterNumber(text, 23, 2);
    return p;
}

namespace {

// A value for a field of `limit` + 1 possible numbers, 0 to `limit`.
int fitField(int value, int limit) { return value < 0 ? 0 : value > limit ? limit : value; }

}  // namespace

std::string writeDcRegulatorParameters(const DcRegulatorParameters& p) {
    char buffer[64];
    const int n = std::snprintf(buffer, sizeof buffer, "%c-%3d-%3d-%4d-%4d-%2d-%2d", p.potentiometer,
                                fitField(p.minVoltage, 999), fitField(p.maxVoltage, 999), fitField(p.minSpeed, 9999),
                                fitField(p.maxSpeed, 9999), fitField(p.accelerationSeconds, 99),
                                fitField(p.decelerationSeconds, 99));
    if (n < 0) return std::string();
    return std::string(buffer, static_cast<std::size_t>(n) < sizeof buffer ? static_cast<std::size_t>(n) : 0);
}

bool operator==(const DcRegulatorParameters& a, const DcRegulatorParameters& b) {
    return a.potentiometer == b.potentiometer && a.minVoltage == b.minVoltage && a.maxVoltage == b.maxVoltage &&
           a.minSpeed == b.minSpeed && a.maxSpeed == b.maxSpeed && a.accelerationSeconds == b.accelerationSeconds &&
           a.decelerationSeconds == b.decelerationSeconds;
}

}  // namespace velk
