#pragma once
// CDIB: a device-independent bitmap held in memory exactly as it lies in a .bmp
// file, plus its pixels decoded once for drawing. Pictures of a sheet and the
// bitmap export are CDIBs. Input is validated before anything is decoded, and no
// byte outside the block is ever read, whatever the file claims.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "model/WholeFile.h"
#include "platform/dc.h"
#include "platform/geometry.h"
#include "platform/surface.h"

namespace velk {

enum class BmpStatus {
    Ok,
    NotBm,     // no "BM" signature
    Damaged,   // header, offsets, sizes or pixel data do not hold together
    TooLarge,  // more pixels than a picture may have
};

// Largest picture accepted: 16 Mpixels, no side above 32768.
constexpr int kMaxBmpSide = 32768;
constexpr std::int64_t kMaxBmpPixels = std::int64_t{1} << 24;

// Largest .bmp file read, derived from the largest picture accepted. No pixel needs
// more than 4 bytes: 32 bits at most, and a row padded to 4 bytes gives its pixels
// 4 bytes each at worst (a row of one pixel). Run-length data needs at most 2 bytes
// a pixel (runs of one) and 2 a row. Before the pixels stand the file header (14),
// the longest info header (124), bit-field masks (16) and the largest colour table
// (256 x 4). A larger file holds more than any bitmap the program accepts needs.
constexpr std::uint64_t kMaxBmpFileBytes = 14 + 124 + 16 + 256 * 4 + 4 * static_cast<std::uint64_t>(kMaxBmpPixels);

// Decodes a whole .bmp file (1, 4, 8, 16, 24 or 32 bits per pixel; uncompressed,
// run-length 4 and 8, bit fields; bottom-up or top-down rows). No messages.
BmpStatus decodeBmp(const unsigned char* data, std::size_t size, Surface& image, int& bitCount);

// The pixels (width x height) a .bmp file's headers claim, learnt without decoding
// anything; 0 when the decoder would refuse the file from its headers and size
// alone (among them a file without the rows its headers claim).
std::int64_t bmpPixelCount(const unsigned char* data, std::size_t size);

// A 24-bit bottom-up .bmp file of the image.
std::string encodeBmp24(const Surface& image);

class CDIB {
public:
    CDIB() = default;
    // The bitmap of an image (the export's picture of the view), 24 bits per pixel.
    explicit CDIB(const Surface& image);

    // Takes the bytes of a whole .bmp file. On a bad file shows "Tipo del fichero
    // no válido. Debe ser BM", "Error al leer el fichero .bmp" or "Insuficiente
    // memoria para el DIB" (too many pixels, or memory that could not be had),
    // empties the bitmap and gives false.
    bool Read(const std::string& fileBytes);
    // Writes the block as a whole file. A failed write shows "Error al escribir el
    // fichero en el disco"; a file that cannot be created is the caller's to report.
    WriteResult Write(const std::string& path) const;

    // The whole bitmap stretched into the box (source copy); nothing when empty.
    void Stretch(Dc& dc, int x, int y, int width, int height) const;
    // The whole bitmap unscaled at the point; nothing when empty.
    void Draw(Dc& dc, int x, int y) const;
    // The decoded pixels and their size; nullptr and (0, 0) when empty.
    const Surface* MakeDDB(Point& size) const;

    // Archive form: the 16-bit marker 0x746F, the length as 32 bits, the block.
    void SerializeStore(std::string& archive) const;
    // Reads the archive form at `pos` and moves past it. A wrong marker shows
    // "Fichero DIB no válido.\nCargue un fichero con extensión .dib" and leaves
    // the bitmap empty.
    bool SerializeLoad(const std::string& archive, std::size_t& pos);

    bool isEmpty() const { return m_bufferLength == 0; }
    int width() const { return m_image.width(); }
    int height() const { return m_image.height(); }
    const Surface& image() const { return m_image; }
    const std::vector<unsigned char>& block() const { return m_buffer; }

    // Views into the block in file layout (nullptr when empty).
    const unsigned char* fileHeader() const;
    const unsigned char* infoHeader() const;
    const unsigned char* imageBits() const;

    std::vector<unsigned char> m_buffer;  // the whole bitmap in file layout
    std::uint32_t m_bufferLength = 0;
    int m_bitCount = 0;
    std::string m_fileName;  // the picture's file name without folder, when read from one

private:
    void clear();
    Surface m_image;
    std::size_t m_imageBitsOffset = 0;
};

}  // namespace velk
