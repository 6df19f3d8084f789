#pragma once
// The simulation clock: timer 1 of every sheet view, re-armed at every tick with
// a period set by the speed setting.

namespace velk {

constexpr int kSimulationTimerId = 1;
// The view's timer runs at this period from its initial update until the first tick.
constexpr int kInitialTimerPeriodMs = 250;

// Simulation speed, 1 to 100 (50 at start); the configuration sets it and every
// tick reads it.
extern int g_simSpeed;

// 1000 - 10 x speed milliseconds, never below 1 whatever the setting holds.
int simulationTimerPeriod(int speed);

// Sheets of this many slots or more get their erasing repaint from the next tick
// rather than from Simulate itself.
constexpr int kDeferredRedrawCount = 140;

}  // namespace velk
