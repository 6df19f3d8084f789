#pragma once
// The splash shown once per run at the first paint of a sheet: a picture without
// a caption that a click, Enter or Escape closes.
#include "platform/geometry.h"
#include "platform/infodlg.h"
#include "platform/surface.h"

namespace velk {

class CVelkarionView;

class CPresentaDlg {
public:
    CPresentaDlg();
    // Shows the dialog modally; it closes with OK on a click or Enter.
    DialogResult DoModal();
    // Marks the first paint done and prepares the picture.
    bool OnInitDialog();
    const Surface& picture() const { return m_bitmap; }

    static constexpr int kPictureWidth = 438;
    static constexpr int kPictureHeight = 314;

private:
    Surface m_bitmap;
    Point m_origin{0, 0};
    Point m_size{0, 0};
};

// The splash picture: the program's name over a small control circuit.
Surface makeSplashPicture();

// The paint's first-paint call: shows the splash once the paint has returned,
// then puts the start texts into the status panes.
void showSplashAfterPaint(CVelkarionView& view);

}  // namespace velk
