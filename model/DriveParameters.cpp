// Reading and writing the drive parameter texts (see DriveParameters.h).
#include "model/DriveParameters.h"

#include <cstdio>

namespace velk {

float g_analogSetpoint = 0.0f;
float g_inverterMinFrequency = 0.0f;
float g_inverterMaxFrequency = 0.0f;

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

}  // namespace velk
