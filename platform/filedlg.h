#pragma once
// File open and save dialogs. Paths are returned whole (folder included), as
// 8-bit Windows-1250 text like every text of the program. A chosen file makes its
// folder the current directory, as the desktop's dialogs do: sheets and pictures
// are then opened by their bare names.
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace velk {

struct FileDialogRequest {
    bool save = false;
    std::string filter;       // "Velkarion (*.cad)|*.cad||" style: description|pattern pairs
    std::string initialName;  // shown in the name field; a pattern ("*.bmp") chooses what is listed
    std::string defaultExt;   // added when the name has none
    bool confirmOverwrite = true;
};

// Empty result: cancelled.
std::optional<std::string> runFileDialog(const FileDialogRequest& request);

// Headless use: the handler answers every dialog instead of the screen.
void setFileDialogHandler(std::function<std::optional<std::string>(const FileDialogRequest&)> handler);

// The next open dialog is answered with `path` without being shown (a file named on
// the command line or chosen from the recent files goes the way of File Open).
void presetNextOpenDialog(const std::string& path);
void clearOpenDialogPreset();

// The dialog's choice (UTF-8) as the program's 8-bit text. A name outside
// Windows-1250 cannot be kept: the user is told so and nothing is chosen.
std::optional<std::string> chosenPathBytes(const std::string& utf8);

// The description|pattern pairs of a filter text ("a|*.x|b|*.*||").
struct FilterEntry {
    std::string description;
    std::string pattern;
};
std::vector<FilterEntry> parseFileFilter(const std::string& filter);
// The entry as the dialog's type list shows it: the description with its patterns
// in brackets after it, unless the description already ends with them.
std::string fileFilterLabel(const FilterEntry& entry);

}  // namespace velk
