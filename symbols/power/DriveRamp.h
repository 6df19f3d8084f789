#pragma once
// The output ramp of the drive control blocks. The output is kept in hundredths
// (of a hertz, or of the regulator's unit); once per paint it moves towards its
// target by one step, S / T x 25 in single precision cut toward zero, so a full
// ramp from 0 to S takes 4 x T paints.
namespace velk {

// The step of a ramp to set point S with time T seconds (T above 0).
int rampStep(float setpoint, int seconds);

// The output after one paint's ramp towards `target` (hundredths). A time of 0
// goes there at once. A step that comes out 0 while the output is off target
// (set point 0, or a small set point over a long time) is taken from
// `fallbackSetpoint` (the maximum) instead, at least 1, so every ramp arrives;
// the output stops at the target, never past it.
int rampOutput(int output, int target, float setpoint, int seconds, float fallbackSetpoint);

// S x 100 cut toward zero.
int hundredths(float value);

}  // namespace velk
