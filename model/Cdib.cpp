#include "model/Cdib.h"

#include <algorithm>
#include <limits>
#include <new>

#include "model/WholeFile.h"
#include "platform/msgbox.h"
#include "platform/text1250.h"

namespace velk {

namespace {

constexpr std::size_t kFileHeaderSize = 14;
constexpr std::size_t kInfoHeaderSize = 40;
constexpr std::uint32_t kRgb = 0, kRle8 = 1, kRle4 = 2, kBitFields = 3, kAlphaBitFields = 6;
constexpr std::uint32_t kOpaqueBlack = 0xff000000u;
constexpr std::uint16_t kArchiveMarker = 0x746F;

// Little-endian reads over a block whose bounds are checked by the caller.
std::uint16_t u16At(const unsigned char* p) { return static_cast<std::uint16_t>(p[0] | (p[1] << 8)); }
std::uint32_t u32At(const unsigned char* p) {
    return static_cast<std::uint32_t>(p[0]) | (static_cast<std::uint32_t>(p[1]) << 8) |
           (static_cast<std::uint32_t>(p[2]) << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}
void putU16(std::string& out, std::size_t at, std::uint32_t v) {
    out[at] = static_cast<char>(v & 0xff);
    out[at + 1] = static_cast<char>((v >> 8) & 0xff);
}
void putU32(std::string& out, std::size_t at, std::uint32_t v) {
    putU16(out, at, v & 0xffff);
    putU16(out, at + 2, v >> 16);
}

std::uint32_t opaque(unsigned r, unsigned g, unsigned b) { return kOpaqueBlack | (r << 16) | (g << 8) | b; }

// One colour channel of a 16- or 32-bit pixel, scaled to 0..255 whatever the
// width of its mask.
struct Channel {
    std::uint32_t mask = 0;
    int shift = 0;
    std::uint32_t max = 0;
    explicit Channel(std::uint32_t m) : mask(m) {
        if (mask == 0) return;
        while (((mask >> shift) & 1u) == 0) ++shift;
        max = mask >> shift;
    }
    unsigned of(std::uint32_t pixel) const {
        if (max == 0) return 0;
        const std::uint64_t v = (pixel & mask) >> shift;
        return static_cast<unsigned>(v * 255u / max);
    }
};

struct Layout {
    std::int64_t width = 0;
    std::int64_t height = 0;
    bool topDown = false;
    unsigned bitCount = 0;
    std::uint32_t compression = kRgb;
    std::size_t bitsOffset = 0;
    std::vector<std::uint32_t> palette;
    std::uint32_t masks[3] = {0, 0, 0};
};

// Bytes from one stored row to the next, and the bytes a row's pixels fill.
std::int64_t rowStride(const Layout& l) { return ((l.bitCount * l.width + 31) / 32) * 4; }
std::int64_t rowBytes(const Layout& l) { return (l.bitCount * l.width + 7) / 8; }

BmpStatus readLayout(const unsigned char* d, std::size_t size, Layout& l) {
    if (size < 2 || d[0] != 'B' || d[1] != 'M') return BmpStatus::NotBm;
    if (size < kFileHeaderSize + 4) return BmpStatus::Damaged;
    const std::size_t headerSize = u32At(d + 14);
    static constexpr std::size_t kKnownHeaders[] = {12, 40, 52, 56, 108, 124};
    if (std::find(std::begin(kKnownHeaders), std::end(kKnownHeaders), headerSize) == std::end(kKnownHeaders))
        return BmpStatus::Damaged;
    if (size - kFileHeaderSize < headerSize) return BmpStatus::Damaged;
    const unsigned char* h = d + kFileHeaderSize;
    std::uint32_t colorsUsed = 0;
    std::size_t paletteEntrySize = 4;
    if (headerSize == 12) {  // the old core header: 16-bit sizes, three-byte colours
        l.width = u16At(h + 4);
        l.height = u16At(h + 6);
        l.bitCount = u16At(h + 10);
        paletteEntrySize = 3;
    } else {
        l.width = static_cast<std::int32_t>(u32At(h + 4));
        l.height = static_cast<std::int32_t>(u32At(h + 8));
        l.bitCount = u16At(h + 14);
        l.compression = u32At(h + 16);
        colorsUsed = u32At(h + 32);
    }
    if (l.height < 0) {
        l.topDown = true;
        l.height = -l.height;
    }
    if (l.width <= 0 || l.height <= 0) return BmpStatus::Damaged;
    switch (l.bitCount) {
        case 1: case 4: case 8: case 16: case 24: case 32: break;
        default: return BmpStatus::Damaged;
    }
    switch (l.compression) {
        case kRgb: break;
        case kRle8: if (l.bitCount != 8 || l.topDown) return BmpStatus::Damaged; break;
        case kRle4: if (l.bitCount != 4 || l.topDown) return BmpStatus::Damaged; break;
        case kBitFields:
        case kAlphaBitFields: if (l.bitCount != 16 && l.bitCount != 32) return BmpStatus::Damaged; break;
        default: return BmpStatus::Damaged;
    }
    if (l.width > kMaxBmpSide || l.height > kMaxBmpSide || l.width * l.height > kMaxBmpPixels)
        return BmpStatus::TooLarge;

    std::size_t tableStart = kFileHeaderSize + headerSize;
    if (l.bitCount == 16) {
        l.masks[0] = 0x7c00; l.masks[1] = 0x03e0; l.masks[2] = 0x001f;
    } else if (l.bitCount == 32) {
        l.masks[0] = 0xff0000; l.masks[1] = 0x00ff00; l.masks[2] = 0x0000ff;
    }
    if (l.compression == kBitFields || l.compression == kAlphaBitFields) {
        // The masks follow a 40-byte header and sit inside the longer ones, at the same place.
        const std::size_t maskCount = l.compression == kAlphaBitFields ? 4 : 3;
        const std::size_t at = kFileHeaderSize + kInfoHeaderSize;
        if (headerSize == kInfoHeaderSize) {
            if (size - at < maskCount * 4) return BmpStatus::Damaged;
            tableStart += maskCount * 4;
        }
        for (int c = 0; c < 3; ++c) l.masks[c] = u32At(d + at + 4 * c);
    }
    l.bitsOffset = u32At(d + 10);
    if (l.bitsOffset < kFileHeaderSize + headerSize || l.bitsOffset >= size) return BmpStatus::Damaged;
    // Rows stored as they are must all be in the file, the last one perhaps without
    // its padding. Told from the headers, before anything is made for the pixels: a
    // file of a few bytes may claim the largest picture there is.
    if (l.compression != kRle4 && l.compression != kRle8 &&
        static_cast<std::int64_t>(size - l.bitsOffset) < rowStride(l) * (l.height - 1) + rowBytes(l))
        return BmpStatus::Damaged;
    if (l.bitCount <= 8) {
        // A table of unstated length holds what fits before the pixels (the old
        // core header never states it); a stated length must lie inside the file.
        const std::size_t most = std::size_t{1} << l.bitCount;
        std::size_t count = colorsUsed == 0 ? most : std::min<std::size_t>(colorsUsed, most);
        if (colorsUsed == 0)
            count = std::min(count, l.bitsOffset > tableStart ? (l.bitsOffset - tableStart) / paletteEntrySize : 0);
        if (tableStart > size || (size - tableStart) / paletteEntrySize < count) return BmpStatus::Damaged;
        l.palette.resize(count);
        for (std::size_t i = 0; i < count; ++i) {
            const unsigned char* e = d + tableStart + i * paletteEntrySize;
            l.palette[i] = opaque(e[2], e[1], e[0]);
        }
    }
    return BmpStatus::Ok;
}

std::uint32_t paletteColor(const Layout& l, unsigned index) {
    return index < l.palette.size() ? l.palette[index] : kOpaqueBlack;
}

// The rows are all in the file: readLayout has seen to it.
void decodeRows(const unsigned char* d, const Layout& l, Surface& image) {
    const std::int64_t stride = rowStride(l);
    const Channel red(l.masks[0]), green(l.masks[1]), blue(l.masks[2]);
    const int w = static_cast<int>(l.width);
    const int h = static_cast<int>(l.height);
    for (int r = 0; r < h; ++r) {
        const unsigned char* row = d + l.bitsOffset + static_cast<std::size_t>(stride) * r;
        const int y = l.topDown ? r : h - 1 - r;
        for (int x = 0; x < w; ++x) {
            std::uint32_t px = kOpaqueBlack;
            switch (l.bitCount) {
                case 1: px = paletteColor(l, (row[x >> 3] >> (7 - (x & 7))) & 1u); break;
                case 4: px = paletteColor(l, (row[x >> 1] >> ((x & 1) ? 0 : 4)) & 0xfu); break;
                case 8: px = paletteColor(l, row[x]); break;
                case 16: {
                    const std::uint32_t v = u16At(row + 2 * x);
                    px = opaque(red.of(v), green.of(v), blue.of(v));
                    break;
                }
                case 24: px = opaque(row[3 * x + 2], row[3 * x + 1], row[3 * x]); break;
                case 32: {
                    const std::uint32_t v = u32At(row + 4 * x);
                    px = opaque(red.of(v), green.of(v), blue.of(v));
                    break;
                }
            }
            image.setRawAt(x, y, px);
        }
    }
}

// Run-length data: pixels outside the bitmap are dropped, data that ends early
// leaves the rest at colour 0, and every step consumes input, so any byte
// sequence ends.
void decodeRunLength(const unsigned char* d, std::size_t size, const Layout& l, Surface& image) {
    const bool four = l.compression == kRle4;
    const std::int64_t w = l.width, h = l.height;
    std::int64_t x = 0, row = 0;
    auto put = [&](unsigned index) {
        if (x < w && row < h)
            image.setRawAt(static_cast<int>(x), static_cast<int>(h - 1 - row), paletteColor(l, index));
        ++x;
    };
    std::size_t p = l.bitsOffset;
    while (row < h && size - p >= 2) {
        const unsigned count = d[p], value = d[p + 1];
        p += 2;
        if (count > 0) {
            for (unsigned i = 0; i < count && x < w; ++i)
                put(four ? ((i & 1) ? value & 0xfu : value >> 4) : value);
            continue;
        }
        if (value == 0) {  // end of line
            x = 0;
            ++row;
        } else if (value == 1) {  // end of bitmap
            return;
        } else if (value == 2) {  // delta
            if (size - p < 2) return;
            x += d[p];
            row += d[p + 1];
            p += 2;
        } else {  // absolute run of `value` pixels, padded to a 16-bit boundary
            const std::size_t bytes = four ? (value + 1) / 2 : value;
            const std::size_t padded = (bytes + 1) & ~std::size_t{1};
            if (size - p < bytes) return;
            for (unsigned i = 0; i < value && x < w; ++i)
                put(four ? ((i & 1) ? d[p + i / 2] & 0xfu : d[p + i / 2] >> 4) : d[p + i]);
            p += std::min(padded, size - p);
        }
    }
}

}  // namespace

BmpStatus decodeBmp(const unsigned char* data, std::size_t size, Surface& image, int& bitCount) {
    Layout l;
    const BmpStatus status = readLayout(data, size, l);
    if (status != BmpStatus::Ok) return status;
    Surface decoded;
    decoded.resize(static_cast<int>(l.width), static_cast<int>(l.height),
                   Surface::fromRaw(l.palette.empty() ? kOpaqueBlack : l.palette[0]));
    if (l.compression == kRle4 || l.compression == kRle8)
        decodeRunLength(data, size, l, decoded);
    else
        decodeRows(data, l, decoded);
    image = std::move(decoded);
    bitCount = static_cast<int>(l.bitCount);
    return BmpStatus::Ok;
}

std::int64_t bmpPixelCount(const unsigned char* data, std::size_t size) {
    Layout l;
    return readLayout(data, size, l) == BmpStatus::Ok ? l.width * l.height : 0;
}

std::string encodeBmp24(const Surface& image) {
    const std::size_t w = static_cast<std::size_t>(std::max(image.width(), 0));
    const std::size_t h = static_cast<std::size_t>(std::max(image.height(), 0));
    const std::size_t stride = (3 * w + 3) & ~std::size_t{3};
    const std::size_t offset = kFileHeaderSize + kInfoHeaderSize;
    std::string out(offset + stride * h, '\0');
    out[0] = 'B';
    out[1] = 'M';
    putU32(out, 2, static_cast<std::uint32_t>(out.size()));
    putU32(out, 10, static_cast<std::uint32_t>(offset));
    putU32(out, 14, kInfoHeaderSize);
    putU32(out, 18, static_cast<std::uint32_t>(w));
    putU32(out, 22, static_cast<std::uint32_t>(h));
    putU16(out, 26, 1);
    putU16(out, 28, 24);
    putU32(out, 34, static_cast<std::uint32_t>(stride * h));
    for (std::size_t r = 0; r < h; ++r) {
        const int y = static_cast<int>(h - 1 - r);
        char* row = &out[offset + r * stride];
        for (std::size_t x = 0; x < w; ++x) {
            const std::uint32_t v = image.rawAt(static_cast<int>(x), y);
            row[3 * x] = static_cast<char>(v & 0xff);
            row[3 * x + 1] = static_cast<char>((v >> 8) & 0xff);
            row[3 * x + 2] = static_cast<char>((v >> 16) & 0xff);
        }
    }
    return out;
}

CDIB::CDIB(const Surface& image) {
    if (image.isNull()) return;
    const std::string bytes = encodeBmp24(image);
    m_buffer.assign(bytes.begin(), bytes.end());
    m_bufferLength = static_cast<std::uint32_t>(m_buffer.size());
    m_bitCount = 24;
    m_imageBitsOffset = kFileHeaderSize + kInfoHeaderSize;
    m_image = image;
}

void CDIB::clear() {
    m_buffer.clear();
    m_bufferLength = 0;
    m_bitCount = 0;
    m_imageBitsOffset = 0;
    m_image = Surface();
}

bool CDIB::Read(const std::string& fileBytes) {
    clear();
    Surface image;
    int bitCount = 0;
    BmpStatus status = BmpStatus::Damaged;
    // Memory that cannot be had is told like a picture too large for it, and the
    // bitmap stays empty: the program goes on.
    try {
        if (fileBytes.size() <= std::numeric_limits<std::uint32_t>::max())
            status = decodeBmp(reinterpret_cast<const unsigned char*>(fileBytes.data()), fileBytes.size(), image,
                               bitCount);
        if (status == BmpStatus::Ok) m_buffer.assign(fileBytes.begin(), fileBytes.end());
    } catch (const std::bad_alloc&) {
        clear();
        status = BmpStatus::TooLarge;
    }
    switch (status) {
        case BmpStatus::Ok: break;
        case BmpStatus::NotBm: messageBox(cp1250("Tipo del fichero no válido. Debe ser BM")); return false;
        case BmpStatus::Damaged: messageBox("Error al leer el fichero .bmp"); return false;
        case BmpStatus::TooLarge: messageBox("Insuficiente memoria para el DIB"); return false;
    }
    m_bufferLength = static_cast<std::uint32_t>(m_buffer.size());
    m_bitCount = bitCount;
    m_imageBitsOffset = u32At(m_buffer.data() + 10);
    m_image = std::move(image);
    return true;
}

WriteResult CDIB::Write(const std::string& path) const {
    const WriteResult result =
        writeWholeFile(path, std::string(reinterpret_cast<const char*>(m_buffer.data()), m_buffer.size()));
    if (result == WriteResult::WriteFailed) messageBox("Error al escribir el fichero en el disco");
    return result;
}

void CDIB::Stretch(Dc& dc, int x, int y, int width, int height) const {
    if (isEmpty() || width <= 0 || height <= 0) return;
    dc.stretchBlit(Rect{x, y, x + width, y + height}, m_image);
}

void CDIB::Draw(Dc& dc, int x, int y) const {
    if (isEmpty()) return;
    dc.blit(x, y, m_image.width(), m_image.height(), m_image, 0, 0);
}

const Surface* CDIB::MakeDDB(Point& size) const {
    if (isEmpty()) {
        size = {0, 0};
        return nullptr;
    }
    size = {m_image.width(), m_image.height()};
    return &m_image;
}

void CDIB::SerializeStore(std::string& archive) const {
    const std::size_t at = archive.size();
    archive.resize(at + 6);
    putU16(archive, at, kArchiveMarker);
    putU32(archive, at + 2, m_bufferLength);
    archive.append(reinterpret_cast<const char*>(m_buffer.data()), m_buffer.size());
}

bool CDIB::SerializeLoad(const std::string& archive, std::size_t& pos) {
    clear();
    if (pos > archive.size() || archive.size() - pos < 6) {
        messageBox("Error al leer el fichero .bmp");
        return false;
    }
    const auto* head = reinterpret_cast<const unsigned char*>(archive.data() + pos);
    const std::uint16_t marker = u16At(head);
    const std::uint32_t length = u32At(head + 2);
    pos += 6;
    if (length == 0) return true;
    if (marker != kArchiveMarker) {
        messageBox(cp1250("Fichero DIB no válido.\nCargue un fichero con extensión .dib"));
        return false;
    }
    if (archive.size() - pos < length) {
        pos = archive.size();
        messageBox("Error al leer el fichero .bmp");
        return false;
    }
    const std::string block = archive.substr(pos, length);
    pos += length;
    return Read(block);
}

const unsigned char* CDIB::fileHeader() const { return isEmpty() ? nullptr : m_buffer.data(); }
const unsigned char* CDIB::infoHeader() const { return isEmpty() ? nullptr : m_buffer.data() + kFileHeaderSize; }
const unsigned char* CDIB::imageBits() const {
    return isEmpty() || m_imageBitsOffset >= m_buffer.size() ? nullptr : m_buffer.data() + m_imageBitsOffset;
}

}  // namespace velk
