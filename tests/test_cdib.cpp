// The bitmap class: decoding every kind of .bmp the program accepts, refusing
// damaged files with the right message, the export's 24-bit files, the archive
// form and drawing.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "bmp_files.h"
#include "file_test_support.h"
#include "kept_pictures.h"
#include "model/Cdib.h"
#include "platform/dc.h"
#include "platform/text1250.h"

namespace velk {
namespace {

using bmptest::BmpFields;
using bmptest::buildBmp;
using bmptest::bytes;
using filetest::Answers;
using filetest::fixturePath;
using filetest::readBytes;

constexpr Color P0 = rgb(10, 20, 30), P1 = rgb(200, 100, 50), P2 = rgb(0, 160, 255);
constexpr Color kRed = rgb(255, 0, 0), kGreen = rgb(0, 255, 0), kBlue = rgb(0, 0, 255);
constexpr Color kWhite = rgb(255, 255, 255), kBlack = rgb(0, 0, 0);

struct DecodeRow {
    const char* name;
    BmpFields fields;
    std::vector<std::vector<Color>> expected;  // top row first
};

TEST(BitmapDecoding, EveryAcceptedKindGivesItsPixels) {
    const std::vector<DecodeRow> rows = {
        {"1 bit, rows bottom-up, padded to 4 bytes",
         {40, 3, 2, 1, 0, {P0, P1}, {}, bytes({0x60, 0, 0, 0, 0xa0, 0, 0, 0})},
         {{P1, P0, P1}, {P0, P1, P1}}},
        {"4 bits with a short colour table",
         {40, 3, 2, 4, 0, {P0, P1, P2}, {}, bytes({0x12, 0x00, 0, 0, 0x20, 0x10, 0, 0})},
         {{P2, P0, P1}, {P1, P2, P0}}},
        {"8 bits, rows top-down",
         {40, 3, -2, 8, 0, {P0, P1, P2}, {}, bytes({0, 1, 2, 0, 2, 2, 1, 0})},
         {{P0, P1, P2}, {P2, P2, P1}}},
        {"8 bits, an index past the colour table is black",
         {40, 3, 1, 8, 0, {P0, P1}, {}, bytes({1, 5, 0, 0})},
         {{P1, kBlack, P0}}},
        {"16 bits, 5-5-5 without masks",
         {40, 3, 2, 16, 0, {}, {}, bytes({0xff, 0x7f, 0, 0, 0x00, 0x7c, 0, 0, 0x00, 0x7c, 0xe0, 0x03, 0x1f, 0x00, 0, 0})},
         {{kRed, kGreen, kBlue}, {kWhite, kBlack, kRed}}},
        {"16 bits, 5-6-5 bit fields",
         {40, 3, 1, 16, 3, {}, {0xf800, 0x07e0, 0x001f}, bytes({0x00, 0xf8, 0xe0, 0x07, 0x1f, 0x00, 0, 0})},
         {{kRed, kGreen, kBlue}}},
        {"24 bits, blue-green-red bytes, padded rows",
         {40, 3, 2, 24, 0, {}, {}, bytes({255, 255, 255, 0, 0, 0, 0, 0, 255, 0, 0, 0,
                                          0, 0, 255, 0, 255, 0, 255, 0, 0, 0, 0, 0})},
         {{kRed, kGreen, kBlue}, {kWhite, kBlack, kRed}}},
        {"32 bits without masks",
         {40, 2, 1, 32, 0, {}, {}, bytes({30, 20, 10, 0xff, 50, 100, 200, 0})},
         {{P0, P1}}},
        {"32 bits, bit fields inside a 124-byte header",
         {124, 2, 1, 32, 3, {}, {0xff000000u, 0x00ff0000u, 0x0000ff00u}, bytes({0, 30, 20, 10, 0, 50, 100, 200})},
         {{P0, P1}}},
        {"run-length 8: runs, an absolute run and end of line",
         {40, 3, 2, 8, 1, {P0, P1, P2}, {}, bytes({2, 1, 1, 2, 0, 0, 0, 3, 0, 1, 2, 0, 0, 1})},
         {{P0, P1, P2}, {P1, P1, P2}}},
        {"run-length 8: a delta leaves colour 0 behind",
         {40, 3, 2, 8, 1, {P0, P1, P2}, {}, bytes({0, 2, 1, 1, 1, 2, 0, 1})},
         {{P0, P2, P0}, {P0, P0, P0}}},
        {"run-length 8: a run past the right edge is cut",
         {40, 3, 1, 8, 1, {P0, P1, P2}, {}, bytes({9, 2, 0, 1})},
         {{P2, P2, P2}}},
        {"run-length 4: alternating run and an absolute run",
         {40, 3, 2, 4, 2, {P0, P1, P2}, {}, bytes({3, 0x12, 0, 0, 0, 3, 0x21, 0x00, 0, 1})},
         {{P2, P1, P0}, {P1, P2, P1}}},
        {"12-byte core header with three-byte colours",
         {12, 3, 1, 8, 0, {P0, P1, P2}, {}, bytes({2, 1, 0, 0})},
         {{P2, P1, P0}}},
        {"108-byte header, plain 24 bits",
         {108, 1, 1, 24, 0, {}, {}, bytes({0, 0, 255, 0})},
         {{kRed}}},
        {"last row without its padding",
         {40, 1, 2, 24, 0, {}, {}, bytes({255, 0, 0, 0, 0, 255, 0})},
         {{kGreen}, {kBlue}}},
    };
    for (const DecodeRow& row : rows) {
        SCOPED_TRACE(row.name);
        const std::string file = buildBmp(row.fields);
        Surface image;
        int bitCount = 0;
        ASSERT_EQ(decodeBmp(reinterpret_cast<const unsigned char*>(file.data()), file.size(), image, bitCount),
                  BmpStatus::Ok);
        EXPECT_EQ(bitCount, row.fields.bitCount);
        ASSERT_EQ(image.height(), static_cast<int>(row.expected.size()));
        ASSERT_EQ(image.width(), static_cast<int>(row.expected[0].size()));
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                EXPECT_EQ(image.pixel(x, y), row.expected[y][x]) << "pixel " << x << "," << y;
    }
}

struct RefusalRow {
    const char* name;
    std::string file;
    BmpStatus status;
};

std::string plain24() { return buildBmp({40, 3, 2, 24, 0, {}, {}, std::string(24, '\x40')}); }
std::string withField(std::string file, std::size_t at, std::uint32_t value, int width = 4) {
    std::string bytes;
    for (int i = 0; i < width; ++i) bytes += static_cast<char>((value >> (8 * i)) & 0xff);
    return file.replace(at, bytes.size(), bytes);
}

TEST(BitmapDecoding, DamagedFilesAreRefused) {
    const std::string good = plain24();
    const std::vector<RefusalRow> rows = {
        {"empty file", "", BmpStatus::NotBm},
        {"other signature", "BA" + good.substr(2), BmpStatus::NotBm},
        {"a single B", "B", BmpStatus::NotBm},
        {"header cut short", good.substr(0, 20), BmpStatus::Damaged},
        {"unknown header size", withField(good, 14, 20), BmpStatus::Damaged},
        {"header longer than the file", withField(good, 14, 124), BmpStatus::Damaged},
        {"3 bits per pixel", withField(good, 28, 3, 2), BmpStatus::Damaged},
        {"JPEG compression", withField(good, 30, 4), BmpStatus::Damaged},
        {"run-length 8 on 24 bits", withField(good, 30, 1), BmpStatus::Damaged},
        {"bit fields on 24 bits", withField(good, 30, 3), BmpStatus::Damaged},
        {"top-down run-length",
         buildBmp({40, 3, -2, 8, 1, {P0}, {}, bytes({0, 1})}), BmpStatus::Damaged},
        {"width 0", withField(good, 18, 0), BmpStatus::Damaged},
        {"negative width", withField(good, 18, 0xfffffffdu), BmpStatus::Damaged},
        {"height 0", withField(good, 22, 0), BmpStatus::Damaged},
        {"pixel offset past the end", withField(good, 10, 5000), BmpStatus::Damaged},
        {"pixel offset inside the header", withField(good, 10, 30), BmpStatus::Damaged},
        {"pixel rows cut short", good.substr(0, good.size() - 4), BmpStatus::Damaged},
        {"colour table past the end", withField(buildBmp({40, 1, 1, 8, 0, {P0}, {}, bytes({0, 0, 0, 0})}), 46, 200),
         BmpStatus::Damaged},
        {"bit field masks missing",
         withField(buildBmp({40, 1, 1, 32, 0, {}, {}, bytes({1, 2, 3, 4})}), 30, 3).substr(0, 54),
         BmpStatus::Damaged},
        {"wider than any picture", withField(good, 18, 40000), BmpStatus::TooLarge},
        {"more pixels than any picture", withField(withField(good, 18, 5000), 22, 5000), BmpStatus::TooLarge},
    };
    for (const RefusalRow& row : rows) {
        SCOPED_TRACE(row.name);
        Surface image;
        int bitCount = 0;
        EXPECT_EQ(decodeBmp(reinterpret_cast<const unsigned char*>(row.file.data()), row.file.size(), image,
                            bitCount),
                  row.status);
        EXPECT_TRUE(image.isNull());
    }
}

TEST(BitmapDecoding, EveryPrefixOfAFileDecodesOrIsRefusedSafely) {
    const std::vector<std::string> files = {
        plain24(),
        buildBmp({40, 3, 2, 8, 1, {P0, P1, P2}, {}, bytes({2, 1, 1, 2, 0, 0, 0, 3, 0, 1, 2, 0, 0, 1})}),
        buildBmp({40, 3, 2, 4, 2, {P0, P1, P2}, {}, bytes({3, 0x12, 0, 0, 0, 3, 0x21, 0x00, 0, 1})}),
        buildBmp({124, 2, 1, 32, 3, {}, {0xff000000u, 0x00ff0000u, 0x0000ff00u}, std::string(8, '\x11')}),
    };
    for (const std::string& file : files) {
        for (std::size_t n = 0; n < file.size(); ++n) {
            Surface image;
            int bitCount = 0;
            // Only run-length data may end early: its missing pixels keep colour 0.
            const BmpStatus status =
                decodeBmp(reinterpret_cast<const unsigned char*>(file.data()), n, image, bitCount);
            EXPECT_TRUE(status == BmpStatus::Damaged || status == BmpStatus::NotBm ||
                        (status == BmpStatus::Ok && image.width() > 0))
                << "prefix " << n;
        }
    }
}

TEST(Cdib, ReadShowsTheMessageOfEachFailureAndStaysEmpty) {
    struct Row {
        const char* name;
        std::string file;
        std::string message;
    };
    const std::vector<Row> rows = {
        {"not a bitmap", "GIF89a", cp1250("Tipo del fichero no válido. Debe ser BM")},
        {"damaged bitmap", plain24().substr(0, 30), "Error al leer el fichero .bmp"},
        {"too large a bitmap", withField(plain24(), 18, 40000), "Insuficiente memoria para el DIB"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        Answers answers;
        CDIB dib;
        EXPECT_FALSE(dib.Read(row.file));
        EXPECT_EQ(answers.messages, std::vector<std::string>{row.message});
        EXPECT_TRUE(dib.isEmpty());
        EXPECT_EQ(dib.m_bitCount, 0);
        EXPECT_EQ(dib.fileHeader(), nullptr);
    }
}

TEST(Cdib, ReadKeepsTheFileAsItLies) {
    const std::string file = readBytes(fixturePath("two_by_two.bmp"));
    CDIB dib;
    ASSERT_TRUE(dib.Read(file));
    EXPECT_EQ(dib.m_bufferLength, file.size());
    EXPECT_EQ(std::string(dib.block().begin(), dib.block().end()), file);
    EXPECT_EQ(dib.m_bitCount, 24);
    EXPECT_EQ(dib.infoHeader() - dib.fileHeader(), 14);
    EXPECT_EQ(dib.imageBits() - dib.fileHeader(), 54);
    EXPECT_EQ(dib.width(), 2);
    EXPECT_EQ(dib.height(), 2);
}

TEST(Cdib, ExportBitmapIs24BitsAndReadsBackToTheSamePixels) {
    Surface view(5, 3);  // odd width: every row carries one byte of padding
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 5; ++x) view.setPixel(x, y, rgb(40 * x, 80 * y, 7 * x + y));
    const CDIB dib(view);
    ASSERT_FALSE(dib.isEmpty());
    EXPECT_EQ(dib.m_bitCount, 24);
    EXPECT_EQ(dib.m_bufferLength, 54u + 16u * 3u);
    const std::string file(dib.block().begin(), dib.block().end());
    EXPECT_EQ(file.substr(0, 2), "BM");
    CDIB back;
    ASSERT_TRUE(back.Read(file));
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 5; ++x) EXPECT_EQ(back.image().pixel(x, y), view.pixel(x, y)) << x << "," << y;
}

TEST(Cdib, ArchiveFormKeepsTheBitmapAndRefusesAWrongMarker) {
    Answers answers;
    CDIB dib;
    ASSERT_TRUE(dib.Read(readBytes(fixturePath("two_by_two.bmp"))));
    std::string archive;
    dib.SerializeStore(archive);
    CDIB().SerializeStore(archive);  // an empty bitmap stores its length 0 only
    ASSERT_EQ(archive.size(), 6 + dib.block().size() + 6);
    EXPECT_EQ(archive.substr(0, 2), "\x6f\x74");

    std::size_t pos = 0;
    CDIB back, empty;
    EXPECT_TRUE(back.SerializeLoad(archive, pos));
    EXPECT_EQ(back.block(), dib.block());
    EXPECT_TRUE(empty.SerializeLoad(archive, pos));
    EXPECT_TRUE(empty.isEmpty());
    EXPECT_EQ(pos, archive.size());
    EXPECT_TRUE(answers.messages.empty());

    archive[0] = 'x';
    pos = 0;
    EXPECT_FALSE(back.SerializeLoad(archive, pos));
    EXPECT_TRUE(back.isEmpty());
    EXPECT_EQ(answers.messages,
              std::vector<std::string>{cp1250("Fichero DIB no válido.\nCargue un fichero con extensión .dib")});
}

TEST(Cdib, StretchFillsTheBoxAndDrawCopiesAtNaturalSize) {
    CDIB dib;
    ASSERT_TRUE(dib.Read(readBytes(fixturePath("two_by_two.bmp"))));
    Surface sheet(30, 20);
    Dc dc(sheet);
    dib.Stretch(dc, 4, 4, 8, 8);
    dib.Draw(dc, 20, 2);
    CDIB().Stretch(dc, 0, 0, 30, 20);  // an empty bitmap draws nothing
    testpictures::keepPicture(sheet, "cdib_stretch.png");
    struct Probe {
        int x, y;
        Color color;
    };
    const Probe probes[] = {
        {4, 4, kRed}, {7, 7, kRed}, {8, 4, kGreen}, {11, 7, kGreen}, {4, 8, kBlue}, {11, 11, kWhite},
        {3, 3, kWhite}, {12, 12, kWhite}, {12, 5, kWhite},  // outside the box: untouched
        {20, 2, kRed}, {21, 2, kGreen}, {20, 3, kBlue}, {22, 2, kWhite},
    };
    for (const Probe& p : probes) EXPECT_EQ(sheet.pixel(p.x, p.y), p.color) << p.x << "," << p.y;
    Point size;
    EXPECT_EQ(dib.MakeDDB(size), &dib.image());
    EXPECT_EQ(size, (Point{2, 2}));
    EXPECT_EQ(CDIB().MakeDDB(size), nullptr);
    EXPECT_EQ(size, (Point{0, 0}));
}

}  // namespace
}  // namespace velk
