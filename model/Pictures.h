#pragma once
// Choosing the bitmap file of a picture import: the picture dialog asks, unless
// a chooser of its own is installed in its place.
#include <functional>
#include <optional>
#include <string>

#include "platform/filedlg.h"

namespace velk {

// The file box for a bitmap, opened or saved: "*.bmp" as the initial name, which
// lists only bitmaps, and "bmp" added to a name typed without an extension.
FileDialogRequest bitmapFileRequest(bool save);

// Gives the chosen file's whole path, or nothing when the user cancelled.
using PictureChooser = std::function<std::optional<std::string>()>;
void setPictureChooser(PictureChooser chooser);  // nullptr restores the picture dialog
std::optional<std::string> choosePictureFile();
// The picture dialog (dialogs/Dibujo.cpp): the whole path of the picture chosen
// in it after OK; nothing after Cancel or an OK without a successful choice.
std::optional<std::string> runPictureDialog();

}  // namespace velk
