// Text drawn once where drawing it again changes nothing (see TextOnce.h).
#include "render/TextOnce.h"

#include <algorithm>
#include <cstring>
#include <typeinfo>

#include "platform/surface.h"

namespace velk {

namespace {

void append(std::string& key, const void* data, std::size_t size) {
    key.append(static_cast<const char*>(data), size);
}
void append(std::string& key, int v) { append(key, &v, sizeof v); }
void append(std::string& key, const std::string& s) {
    append(key, static_cast<int>(s.size()));
    key += s;
}

void appendFont(std::string& key, const Font& f) {
    append(key, f.face);
    append(key, f.height);
    append(key, f.escapement);
    append(key, f.weight);
    append(key, f.italic ? 1 : 0);
    append(key, f.underline ? 1 : 0);
}

bool samePixels(const Surface& s, const Rect& box, const std::vector<std::uint32_t>& pixels) {
    const std::size_t w = static_cast<std::size_t>(box.width());
    for (int y = box.top; y < box.bottom; ++y) {
        const std::uint32_t* row = s.raw() + static_cast<std::size_t>(y) * s.width() + box.left;
        if (std::memcmp(row, pixels.data() + static_cast<std::size_t>(y - box.top) * w, w * sizeof(std::uint32_t)) != 0)
            return false;
    }
    return true;
}

void copyPixels(const Surface& s, const Rect& box, std::vector<std::uint32_t>& pixels) {
    const std::size_t w = static_cast<std::size_t>(box.width());
    pixels.resize(w * static_cast<std::size_t>(box.height()));
    for (int y = box.top; y < box.bottom; ++y) {
        const std::uint32_t* row = s.raw() + static_cast<std::size_t>(y) * s.width() + box.left;
        std::copy(row, row + w, pixels.data() + static_cast<std::size_t>(y - box.top) * w);
    }
}

}  // namespace

// A box sure to hold every pixel the text may touch: its advance and cell, with a
// cell's margin on each side for overhanging glyphs, turned by the escapement.
bool TextMemo::boxOf(Dc& dc, int x, int y, Point extent, Rect& box) {
    const int esc = dc.font().escapement % 3600;
    const int w = extent.x, cell = extent.y;
    int left = -cell - 2, right = w + cell + 2;
    switch (dc.textAlign() & kAlignCenter) {
        case kAlignRight: left -= w; right -= w; break;
        case kAlignCenter: left -= w / 2 + 1; right -= w / 2 - 1; break;
        default: break;
    }
    const int top = -cell - 2, bottom = cell + 2;
    Rect r;
    switch (esc) {
        case 0: r = {left, top, right, bottom}; break;
        case 900: case -2700: r = {top, -right, bottom, -left}; break;
        case 1800: case -1800: r = {-right, -bottom, -left, -top}; break;
        case 2700: case -900: r = {-bottom, left, -top, right}; break;
        default: return false;
    }
    const Point o = dc.viewportOrigin();
    r = {r.left + x + o.x, r.top + y + o.y, r.right + x + o.x, r.bottom + y + o.y};
    box = r.intersected(dc.surface().bounds());
    return true;
}

void TextMemo::textOut(Dc& dc, int x, int y, const std::string& text) {
    // Only the screen's own drawing: a recording or paper context sees every call.
    if (typeid(dc) != typeid(Dc) || text.empty()) {
        dc.textOut(x, y, text);
        return;
    }
    m_key.clear();
    appendFont(m_key, dc.font());
    append(m_key, text);
    const std::string fontAndText = m_key;
    append(m_key, x);
    append(m_key, y);
    append(m_key, static_cast<int>(dc.textColor()));
    append(m_key, dc.textAlign());
    append(m_key, dc.backgroundTransparent() ? 1 : 0);
    append(m_key, static_cast<int>(dc.backgroundColor()));
    const Point o = dc.viewportOrigin();
    const Rect clip = dc.clip();
    for (int v : {o.x, o.y, clip.left, clip.top, clip.right, clip.bottom}) append(m_key, v);
    append(m_key, &dc.surface(), sizeof(void*));

    const Surface& surface = dc.surface();
    auto found = m_drawn.find(m_key);
    if (found != m_drawn.end() && samePixels(surface, found->second.box, found->second.pixels)) return;

    dc.textOut(x, y, text);

    auto extent = m_extents.find(fontAndText);
    if (extent == m_extents.end()) extent = m_extents.emplace(fontAndText, dc.textExtent(text)).first;
    Drawn drawn;
    if (!boxOf(dc, x, y, extent->second, drawn.box)) return;
    if (drawn.box.isEmpty()) drawn.box = {0, 0, 0, 0};
    copyPixels(surface, drawn.box, drawn.pixels);
    m_drawn[m_key] = std::move(drawn);
}

}  // namespace velk
