#pragma once
// Choosing the bitmap file of a picture import. The picture dialog installs its
// own chooser; until one is installed a plain file-open dialog asks.
#include <functional>
#include <optional>
#include <string>

namespace velk {

// Gives the chosen file's whole path, or nothing when the user cancelled.
using PictureChooser = std::function<std::optional<std::string>()>;
void setPictureChooser(PictureChooser chooser);  // nullptr restores the plain dialog
std::optional<std::string> choosePictureFile();

}  // namespace velk
