#pragma once
// Message boxes. A box asked for while a paint runs is not shown inside the
// paint: it is queued and shown right after the paint returns, in the order
// asked. Such a deferred box answers Ok to its caller at once.
#include <functional>
#include <string>
#include <vector>

namespace velk {

enum class BoxIcon { None, Stop, Information, Warning, Question };
enum class BoxButtons { Ok, OkCancel, YesNo, YesNoCancel };
enum class BoxAnswer { Ok, Cancel, Yes, No };

struct BoxRecord {
    // As the program gave them: its own texts in UTF-8, a sheet's or file name's
    // text in Windows-1250 (screenText tells them apart for the screen).
    std::string text;
    std::string caption;
    BoxIcon icon = BoxIcon::None;
    BoxButtons buttons = BoxButtons::Ok;
};

// The application's caption for plain boxes ("Velkarion").
void setApplicationCaption(const std::string& caption);
const std::string& applicationCaption();

// A plain box captioned with the application's name.
BoxAnswer messageBox(const std::string& text, BoxButtons buttons = BoxButtons::Ok,
                     BoxIcon icon = BoxIcon::None);
// A box with a caption of its own ("Error" with BoxIcon::Stop for simulation faults).
BoxAnswer messageBox(const std::string& text, const std::string& caption, BoxIcon icon,
                     BoxButtons buttons = BoxButtons::Ok);

// Paint bracketing, used by the window layer: boxes asked for between begin and
// end are shown when the outermost paint ends.
void beginPaintDeferral();
void endPaintDeferral();
bool boxesDeferred();
// Shows the queued boxes now (the window layer calls it after each paint).
void showDeferredBoxes();
// Runs `action` when the outermost paint has ended (at once when no paint runs),
// in turn with the deferred boxes: how a paint opens a dialog without a modal
// loop inside it.
void runAfterPaint(std::function<void()> action);
bool hasDeferredBoxes();

// Headless use: every box goes to the handler instead of the screen; the handler
// gives the answer. Pass nullptr to show boxes again.
void setMessageBoxHandler(std::function<BoxAnswer(const BoxRecord&)> handler);

// The system's short warning sound.
void messageBeep();
int beepCount();  // how many beeps so far (for tests)

}  // namespace velk
