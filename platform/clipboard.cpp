// The system clipboard through the toolkit's clipboard. Without a running
// toolkit the bitmap is kept in this process, so that it can still be read back.
#include "platform/clipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QImage>

namespace velk {

namespace {

bool g_heldElsewhere = false;
bool g_open = false;
Surface g_localBitmap;

QClipboard* systemClipboard() {
    if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance())) return nullptr;
    return QGuiApplication::clipboard();
}

QImage toImage(const Surface& s) {
    QImage image(s.width(), s.height(), QImage::Format_RGB32);
    for (int y = 0; y < s.height(); ++y) {
        auto* line = reinterpret_cast<std::uint32_t*>(image.scanLine(y));
        for (int x = 0; x < s.width(); ++x) line[x] = s.rawAt(x, y);
    }
    return image;
}

Surface fromImage(const QImage& source) {
    if (source.isNull()) return Surface();
    const QImage image = source.convertToFormat(QImage::Format_RGB32);
    Surface s(image.width(), image.height());
    for (int y = 0; y < image.height(); ++y) {
        const auto* line = reinterpret_cast<const std::uint32_t*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) s.setRawAt(x, y, 0xff000000u | line[x]);
    }
    return s;
}

}  // namespace

bool openClipboard() {
    if (g_heldElsewhere || g_open) return false;
    g_open = true;
    return true;
}

void emptyClipboard() {
    if (!g_open) return;
    g_localBitmap = Surface();
    if (QClipboard* c = systemClipboard()) c->clear();
}

bool setClipboardBitmap(const Surface& bitmap) {
    if (!g_open) return false;
    g_localBitmap = bitmap;
    if (QClipboard* c = systemClipboard()) c->setImage(toImage(bitmap));
    return true;
}

void closeClipboard() { g_open = false; }

Surface clipboardBitmap() {
    if (QClipboard* c = systemClipboard()) {
        Surface s = fromImage(c->image());
        if (!s.isNull()) return s;
    }
    return g_localBitmap;
}

void setClipboardHeldElsewhere(bool held) { g_heldElsewhere = held; }

}  // namespace velk
