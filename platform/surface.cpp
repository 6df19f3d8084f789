#include "platform/surface.h"

#include <QImage>
#include <QString>

#include <algorithm>
#include <cstdlib>
#include <cstring>

namespace velk {

void Surface::resize(int width, int height, Color fill) {
    width = std::max(width, 0);
    height = std::max(height, 0);
    if (width == m_width && height == m_height) return;
    std::vector<std::uint32_t> pixels(static_cast<std::size_t>(width) * static_cast<std::size_t>(height),
                                      toRaw(fill));
    const int keepW = std::min(width, m_width);
    const int keepH = std::min(height, m_height);
    for (int y = 0; y < keepH; ++y) {
        const std::uint32_t* from = m_pixels.data() + static_cast<std::size_t>(y) * m_width;
        std::copy(from, from + keepW, pixels.data() + static_cast<std::size_t>(y) * width);
    }
    m_pixels.swap(pixels);
    m_width = width;
    m_height = height;
}

void Surface::scroll(int dx, int dy) {
    if (std::abs(dx) >= m_width || std::abs(dy) >= m_height || (dx == 0 && dy == 0)) return;
    const std::size_t w = static_cast<std::size_t>(m_width);
    const int rows = m_height - std::abs(dy);
    const std::size_t toX = static_cast<std::size_t>(std::max(0, -dx));
    const std::size_t fromX = static_cast<std::size_t>(std::max(0, dx));
    const std::size_t toY = static_cast<std::size_t>(std::max(0, -dy));
    const std::size_t fromY = static_cast<std::size_t>(std::max(0, dy));
    std::uint32_t* p = m_pixels.data();
    if (dx == 0) {
        std::memmove(p + toY * w, p + fromY * w, static_cast<std::size_t>(rows) * w * sizeof(std::uint32_t));
        return;
    }
    const std::size_t count = (w - static_cast<std::size_t>(std::abs(dx))) * sizeof(std::uint32_t);
    // Rows are taken in the order that reads each before it is written over.
    for (int i = 0; i < rows; ++i) {
        const std::size_t r = static_cast<std::size_t>(dy >= 0 ? i : rows - 1 - i);
        std::memmove(p + (toY + r) * w + toX, p + (fromY + r) * w + fromX, count);
    }
}

void Surface::fill(Color c) { std::fill(m_pixels.begin(), m_pixels.end(), toRaw(c)); }

void Surface::fillRect(const Rect& r, Color c) {
    const Rect area = r.normalized().intersected(bounds());
    if (area.isEmpty()) return;
    const std::uint32_t v = toRaw(c);
    for (int y = area.top; y < area.bottom; ++y) {
        std::uint32_t* row = m_pixels.data() + static_cast<std::size_t>(y) * m_width;
        std::fill(row + area.left, row + area.right, v);
    }
}

bool Surface::savePng(const char* path) const {
    if (isNull() || path == nullptr) return false;
    // The pixels are already in the toolkit's 32-bit layout; wrap them for the write.
    const QImage image(reinterpret_cast<const uchar*>(m_pixels.data()), m_width, m_height,
                       m_width * static_cast<int>(sizeof(std::uint32_t)), QImage::Format_RGB32);
    return image.save(QString::fromLocal8Bit(path), "PNG");
}

}  // namespace velk
