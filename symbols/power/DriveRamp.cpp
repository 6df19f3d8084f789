// The drive output ramp (see DriveRamp.h).
#include "symbols/power/DriveRamp.h"

#include <cmath>
#include <limits>

namespace velk {

namespace {

int cutToInt(float v) {
    if (!std::isfinite(v)) return 0;
    constexpr float kLimit = 1.0e9f;
    if (v > kLimit) return static_cast<int>(kLimit);
    if (v < -kLimit) return -static_cast<int>(kLimit);
    return static_cast<int>(v);
}

}  // namespace

int rampStep(float setpoint, int seconds) {
    if (seconds == 0) return 0;
    return cutToInt(setpoint / static_cast<float>(seconds) * 25.0f);
}

int hundredths(float value) { return cutToInt(value * 100.0f); }

int rampOutput(int output, int target, float setpoint, int seconds, float fallbackSetpoint) {
    if (output == target || seconds <= 0) return target;
    int step = std::abs(rampStep(setpoint, seconds));
    if (step == 0) step = std::abs(rampStep(fallbackSetpoint, seconds));
    if (step == 0) step = 1;
    const long long moved = output < target ? static_cast<long long>(output) + step : static_cast<long long>(output) - step;
    if (output < target) return moved >= target ? target : static_cast<int>(moved);
    return moved <= target ? target : static_cast<int>(moved);
}

}  // namespace velk
