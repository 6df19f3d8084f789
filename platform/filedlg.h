#pragma once
// File open and save dialogs. Paths are returned whole (folder included), as
// 8-bit Windows-1250 text like every text of the program.
#include <functional>
#include <optional>
#include <string>

namespace velk {

struct FileDialogRequest {
    bool save = false;
    std::string filter;       // "Velkarion (*.cad)|*.cad||" style: description|pattern pairs
    std::string initialName;  // shown in the name field
    std::string defaultExt;   // added when the name has none
    bool confirmOverwrite = true;
};

// Empty result: cancelled.
std::optional<std::string> runFileDialog(const FileDialogRequest& request);

// Headless use: the handler answers every dialog instead of the screen.
void setFileDialogHandler(std::function<std::optional<std::string>(const FileDialogRequest&)> handler);

}  // namespace velk
