#pragma once
// The output ramp of the drive control blocks. The output is kept in hundredths
// (of a hertz, or of a volt); once per paint it moves towards its target by one
// step, so a full ramp over S in T seconds takes about 4 x T paints.
namespace velk {

// The step of a ramp over `span` (a set point, or the output a stop began from,
// in whole units) with time T seconds: |span| / T x 25 in single precision, cut
// toward zero, and at least 1 hundredth, so a small span over a long time still
// arrives instead of standing still.
int rampStep(float span, int seconds);

// `output` moved towards `target` by `step`; it stops at the target, never past.
int rampToward(int output, int target, int step);

// A run: towards `target` with the step of the set point over the acceleration
// time; a time of 0 goes there at once. A target of 0 (a set point of 0) gives
// no step of its own, so the way down to it is timed as a stop is, over the
// acceleration time; any other target ends a stop in progress.
int rampRun(int output, int target, float setpoint, int seconds, int& stopFrom);

// A stop: towards 0 with the step of the output the stop began from, kept in
// `stopFrom` between paints, so a stop lasts its deceleration time whatever the
// set point does meanwhile; a time of 0 stops at once.
int rampStop(int output, int seconds, int& stopFrom);

// S x 100 cut toward zero.
int hundredths(float value);

}  // namespace velk
