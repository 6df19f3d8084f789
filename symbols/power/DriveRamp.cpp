// The drive output ramp (see DriveRamp.h).
#include "symbols/power/DriveRamp.h"

#include <cmath>
#include <cstdlib>

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

int rampStep(float span, int seconds) {
    if (seconds <= 0) return 1;
    const int step = std::abs(cutToInt(span / static_cast<float>(seconds) * 25.0f));
    return step < 1 ? 1 : step;
}

int hundredths(float value) { return cutToInt(value * 100.0f); }

int rampToward(int output, int target, int step) {
    if (step < 1) step = 1;
    if (output < target) {
        const long long moved = static_cast<long long>(output) + step;
        return moved >= target ? target : static_cast<int>(moved);
    }
    const long long moved = static_cast<long long>(output) - step;
    return moved <= target ? target : static_cast<int>(moved);
}

int rampRun(int output, int target, float setpoint, int seconds, int& stopFrom) {
    if (target == 0) return rampStop(output, seconds, stopFrom);
    stopFrom = 0;
    if (seconds <= 0) return target;
    return rampToward(output, target, rampStep(setpoint, seconds));
}

int rampStop(int output, int seconds, int& stopFrom) {
    // The stop begins now unless one is under way from at least this far out on
    // the same side.
    const bool underWay = stopFrom != 0 && (stopFrom > 0) == (output > 0) &&
                          std::llabs(static_cast<long long>(stopFrom)) >= std::llabs(static_cast<long long>(output));
    if (!underWay) stopFrom = output;
    const int moved = seconds <= 0 ? 0 : rampToward(output, 0, rampStep(static_cast<float>(stopFrom) / 100.0f, seconds));
    if (moved == 0) stopFrom = 0;
    return moved;
}

}  // namespace velk
