#include "testkit/text_reference.h"

#include <QColor>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QString>

#include <cstdint>

#include "platform/dc_paper.h"
#include "platform/text1250.h"

namespace velk::testkit {

void drawTextPlainly(Surface& surface, const Rect& clip, int x, int y, const TextCall& call, const std::string& text) {
    const Rect area = clip.intersected(surface.bounds());
    if (text.empty() || area.isEmpty()) return;
    const QFont font = toolkitFont(call.font);
    const QFontMetrics m(font);
    const QString s = QString::fromUtf8(TextCodec1250::toUtf8(text).c_str());
    const int width = m.horizontalAdvance(s);
    const int ascent = m.ascent();
    const int cell = ascent + m.descent();
    int bx = 0;
    if ((call.align & kAlignCenter) == kAlignRight) bx = -width;
    if ((call.align & kAlignCenter) == kAlignCenter) bx = -width / 2;
    int by = 0;
    if ((call.align & kAlignBaseline) == kAlignBottom) by = -cell;
    if ((call.align & kAlignBaseline) == kAlignBaseline) by = -ascent;
    QImage image(reinterpret_cast<uchar*>(surface.raw()), surface.width(), surface.height(),
                 surface.width() * static_cast<int>(sizeof(std::uint32_t)), QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setRenderHint(QPainter::TextAntialiasing, false);
    p.setClipRect(QRect(area.left, area.top, area.width(), area.height()));
    p.translate(x, y);
    if (call.font.escapement % 3600 != 0) p.rotate(-call.font.escapement / 10.0);
    const auto color = [](Color c) { return QColor(redOf(c), greenOf(c), blueOf(c)); };
    if (!call.transparent) p.fillRect(QRect(bx, by, width, cell), color(call.background));
    p.setFont(font);
    p.setPen(color(call.text));
    p.drawText(QPoint(bx, by + ascent), s);
}

}  // namespace velk::testkit
