#pragma once
// Choosing the bitmap file of a picture import: the picture dialog asks, unless
// a chooser of its own is installed in its place.
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "model/Cdib.h"
#include "platform/filedlg.h"

namespace velk {

// What the pictures of one sheet may keep together: the decoded pixels of four
// pictures of the largest size accepted (64 Mpixels, 256 MB), and the files of
// four such pictures as they were read (about 256 MB), since each bitmap keeps its
// file too. A sheet's logos and photos take a small part of either; pictures past
// them are not kept and show an empty frame.
constexpr std::int64_t kSheetPicturePixels = 4 * kMaxBmpPixels;
constexpr std::int64_t kSheetPictureFileBytes = 4 * static_cast<std::int64_t>(kMaxBmpFileBytes);

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
