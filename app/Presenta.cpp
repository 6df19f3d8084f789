// The splash dialog and its picture.
#include "app/Presenta.h"

#include "model/VelkarionView.h"
#include "platform/dc.h"
#include "platform/msgbox.h"
#include "platform/text1250.h"
#include "platform/window.h"
#include "render/Paint.h"

namespace velk {

CPresentaDlg::CPresentaDlg() = default;

bool CPresentaDlg::OnInitDialog() {
    g_firstPaintDone = 1;
    m_bitmap = makeSplashPicture();
    m_origin = {0, 0};
    m_size = {m_bitmap.width(), m_bitmap.height()};
    return true;
}

DialogResult CPresentaDlg::DoModal() {
    OnInitDialog();
    InfoDialog dialog;
    dialog.name = "splash";
    dialog.picture = &m_bitmap;
    dialog.frameless = true;
    dialog.closeOnClick = true;
    dialog.okButton = false;
    return runInfoDialog(dialog);
}

Surface makeSplashPicture() {
    const Color ink = rgb(0, 0, 0);
    const Color paper = rgb(255, 255, 255);
    const Color accent = rgb(0, 0, 128);
    const Color lamp = rgb(255, 255, 0);
    Surface s(CPresentaDlg::kPictureWidth, CPresentaDlg::kPictureHeight, paper);
    Dc dc(s);
    dc.setClip(s.bounds());

    // A double frame like the border of a drawing sheet.
    dc.selectBrush(Brush::hollow());
    dc.selectPen(Pen{PenStyle::Solid, 3, accent});
    dc.rectangle(4, 4, s.width() - 4, s.height() - 4);
    dc.selectPen(Pen{PenStyle::Solid, 1, accent});
    dc.rectangle(12, 12, s.width() - 12, s.height() - 12);

    dc.setBackgroundTransparent(true);
    dc.setTextAlign(kAlignCenter | kAlignTop);
    dc.setTextColor(accent);
    Font title;
    title.height = 56;
    title.weight = 700;
    dc.selectFont(title);
    dc.textOut(s.width() / 2, 28, "Velkarion");
    Font subtitle;
    subtitle.height = 17;
    dc.selectFont(subtitle);
    dc.setTextColor(ink);
    dc.textOut(s.width() / 2, 92, cp1250("Esquemas eléctricos de mando: dibujar y simular"));

    // A supply rail, a push button, a coil and a pilot lamp between L and N.
    const int railTop = 130;
    const int railBottom = 280;
    dc.selectPen(Pen{PenStyle::Solid, 2, ink});
    dc.moveTo(60, railTop);
    dc.lineTo(380, railTop);
    dc.moveTo(60, railBottom);
    dc.lineTo(380, railBottom);
    Font small;
    small.height = 14;
    dc.selectFont(small);
    dc.setTextAlign(kAlignRight | kAlignTop);
    dc.textOut(54, railTop - 8, "L");
    dc.textOut(54, railBottom - 8, "N");

    // Branch 1: push button and coil.
    dc.moveTo(150, railTop);
    dc.lineTo(150, 160);
    dc.moveTo(150, 160);
    dc.lineTo(138, 184);  // the open contact
    dc.moveTo(150, 186);
    dc.lineTo(150, 222);
    dc.moveTo(132, 172);
    dc.lineTo(142, 172);
    dc.selectBrush(Brush::white());
    dc.rectangle(136, 222, 165, 246);
    dc.moveTo(150, 246);
    dc.lineTo(150, railBottom);
    dc.setTextAlign(kAlignLeft | kAlignTop);
    dc.textOut(170, 228, "-K1");
    dc.textOut(158, 164, "-S1");

    // Branch 2: contact of K1 and the lamp, lit.
    dc.moveTo(290, railTop);
    dc.lineTo(290, 160);
    dc.moveTo(290, 160);
    dc.lineTo(290, 186);  // closed contact
    dc.moveTo(290, 186);
    dc.lineTo(290, 214);
    dc.selectBrush(Brush::solid(lamp));
    dc.ellipse(276, 214, 305, 243);
    dc.moveTo(280, 218);
    dc.lineTo(301, 239);
    dc.moveTo(301, 218);
    dc.lineTo(280, 239);
    dc.moveTo(290, 243);
    dc.lineTo(290, railBottom);
    dc.textOut(310, 164, "-K1");
    dc.textOut(310, 222, "-H1");

    // Connection dots where the branches leave the rails.
    dc.selectBrush(Brush::solid(ink));
    for (const int x : {150, 290}) {
        dc.ellipse(x - 3, railTop - 3, x + 4, railTop + 4);
        dc.ellipse(x - 3, railBottom - 3, x + 4, railBottom + 4);
    }
    return s;
}

void showSplashAfterPaint(CVelkarionView& view) {
    View* target = &view;
    runAfterPaint([target] {
        CPresentaDlg splash;
        splash.DoModal();
        // The window may have closed while the splash was up.
        for (int i = 0; i < liveViewCount(); ++i)
            if (liveView(i) == target) static_cast<CVelkarionView*>(target)->SetStartStatusTexts();
    });
}

}  // namespace velk
