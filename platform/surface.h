#pragma once
// A raster of 32-bit pixels that a window shows and a device context draws on.
// Pixels are stored as 0xffRRGGBB so the toolkit can show them without a copy.
#include <cstdint>
#include <vector>

#include "platform/color.h"
#include "platform/geometry.h"

namespace velk {

class Surface {
public:
    Surface() = default;
    Surface(int width, int height, Color fill = rgb(255, 255, 255)) { resize(width, height, fill); }

    int width() const { return m_width; }
    int height() const { return m_height; }
    bool isNull() const { return m_width <= 0 || m_height <= 0; }
    Rect bounds() const { return {0, 0, m_width, m_height}; }

    // Keeps the pixels that stay inside; new pixels get the fill colour.
    void resize(int width, int height, Color fill = rgb(255, 255, 255));
    void fill(Color c);
    void fillRect(const Rect& r, Color c);
    // Moves the picture so that pixel (x, y) shows what (x + dx, y + dy) showed, in
    // one block copy; the pixels nothing moves onto keep what they held.
    void scroll(int dx, int dy);

    bool inside(int x, int y) const { return x >= 0 && y >= 0 && x < m_width && y < m_height; }
    // Outside the surface: get gives white-less sentinel kInvalidColor, set does nothing.
    static constexpr Color kInvalidColor = 0xffffffffu;
    Color pixel(int x, int y) const {
        if (!inside(x, y)) return kInvalidColor;
        return fromRaw(m_pixels[static_cast<std::size_t>(y) * m_width + x]);
    }
    void setPixel(int x, int y, Color c) {
        if (inside(x, y)) m_pixels[static_cast<std::size_t>(y) * m_width + x] = toRaw(c);
    }

    std::uint32_t* raw() { return m_pixels.data(); }
    const std::uint32_t* raw() const { return m_pixels.data(); }
    std::uint32_t rawAt(int x, int y) const { return m_pixels[static_cast<std::size_t>(y) * m_width + x]; }
    void setRawAt(int x, int y, std::uint32_t v) { m_pixels[static_cast<std::size_t>(y) * m_width + x] = v; }

    static constexpr std::uint32_t toRaw(Color c) {
        return 0xff000000u | (static_cast<std::uint32_t>(redOf(c)) << 16) |
               (static_cast<std::uint32_t>(greenOf(c)) << 8) | static_cast<std::uint32_t>(blueOf(c));
    }
    static constexpr Color fromRaw(std::uint32_t v) {
        return rgb(static_cast<int>((v >> 16) & 0xff), static_cast<int>((v >> 8) & 0xff),
                   static_cast<int>(v & 0xff));
    }

    // Writes the surface as a PNG file (for looking at what was drawn).
    bool savePng(const char* path) const;

private:
    int m_width = 0;
    int m_height = 0;
    std::vector<std::uint32_t> m_pixels;
};

}  // namespace velk
