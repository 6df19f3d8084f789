#pragma once
// Program-wide values of the paint. Only the paint writes the pass numbers; the
// component routines read them to know which pass they are in.

namespace velk {

// Number of the evaluation pass, 0 to 5: states latch and timers count on pass 5.
extern int g_simPass;
// The last evaluation pass of a paint: states latch, timers count, ramps step and
// settled pictures are drawn on it.
constexpr int kFinalSimPass = 5;
// Number of the lamp pass, 0 to 4: the pilot lamps latch on pass 4.
extern int g_lampPass;
// 0 until the first paint of the program has asked for the splash; then 1.
extern int g_firstPaintDone;
// 1 while a paint shows a run as it stands: routines draw the states, wire letters
// and lamps the last evaluating paint left, and nothing is evaluated, latched or
// counted. Set by the paint for its own duration (a repaint held back by Pause or
// Step, a printed page); 0 otherwise.
extern int g_showOnly;
// Set by the zoom, grid, scroll and erase handlers: the coming repaint only shows
// the sheet anew. Cleared at the end of every paint.
extern int g_viewOnlyRepaint;

class CVelkarionView;

// The application's splash for the first paint of the program. The paint calls it
// once; it must not run a modal loop inside the paint, but show the dialog once
// the paint has returned and then call view.SetStartStatusTexts(). Without it (a
// view with no application around) the paint sets the start texts itself.
extern void (*g_firstPaintSplash)(CVelkarionView& view);

}  // namespace velk
