#pragma once
// A one-line text entry dialog: a caption, an edit field of limited length, OK and
// Cancel. Texts are Windows-1250 bytes, as the program holds them.
#include <functional>
#include <optional>
#include <string>

namespace velk {

struct TextEntryRequest {
    std::string caption;  // Windows-1250
    std::string initial;  // Windows-1250, shown in the field
    int maxLength = 30;   // characters the field accepts
};

// The entered text; empty when the user cancelled. Only what a sheet may keep
// can be typed (isSheetTextCharacter): "*", "#", "$" and characters without a
// Windows-1250 byte are refused at the keystroke.
std::optional<std::string> runTextEntryDialog(const TextEntryRequest& request);

// Headless use: the handler answers every such dialog instead of the screen. The
// answer loses what the field would refuse and is cut to the request's length, as
// the field would cut it.
void setTextEntryHandler(std::function<std::optional<std::string>(const TextEntryRequest&)> handler);

}  // namespace velk
