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
    // Added after a dot when the chosen name has no extension: a dot that is not the
    // name's first character, then characters with no blank that are not all digits
    // ("circuit.bak" has one; "circuit", "v1.2", "v1.2 sheet" and ".cad" have not).
    std::string defaultExt;
    bool confirmOverwrite = true;
};

// Empty result: cancelled. A save request whose chosen file exists asks whether
// to replace it, about the name as completed; No brings the dialog back.
std::optional<std::string> runFileDialog(const FileDialogRequest& request);

// Headless use: the handler answers every dialog instead of the screen. Its answer
// stands for what the user typed or picked, with any question the dialog asks about
// that very name answered Yes.
void setFileDialogHandler(std::function<std::optional<std::string>(const FileDialogRequest&)> handler);

// The next open dialog is answered with `path` without being shown (a file named on
// the command line or chosen from the recent files goes the way of File Open).
void presetNextOpenDialog(const std::string& path);
void clearOpenDialogPreset();

// The dialog's choice (UTF-8) as the program's 8-bit text. A name outside
// Windows-1250 cannot be kept: the user is told so and nothing is chosen.
std::optional<std::string> chosenPathBytes(const std::string& utf8);

// The name with its extension replaced by `ext`, by the rule of the default
// extension above: "plan.cad" gives "plan.pdf"; "v1.2", "v1.2 sheet" and ".cad"
// have none and get it added; "plan." only gets it after its dot.
std::string withFileExtension(const std::string& path, const std::string& ext);

// The description|pattern pairs of a filter text ("a|*.x|b|*.*||").
struct FilterEntry {
    std::string description;
    std::string pattern;
};
std::vector<FilterEntry> parseFileFilter(const std::string& filter);
// The entry as the dialog's type list shows it: the description with its patterns
// in brackets after it, unless the description already ends with them.
std::string fileFilterLabel(const FilterEntry& entry);
// Whether the dialog lists a file of that name under the entry. "*.*" lists every
// file, names without a dot too, as the type list's "all files" promises.
bool fileDialogLists(const FilterEntry& entry, const std::string& fileName);

}  // namespace velk
