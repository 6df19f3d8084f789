// Pictures named by a sheet, as Open reads them: a file is not read past the size
// of the largest bitmap the program accepts, nor decoded when it lacks the rows it
// claims, one file under many names is decoded once, a sheet's pictures and the
// files they keep stay within their memory with one message, names with folder
// parts are not followed, and every item is kept for Save.
#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "bmp_files.h"
#include "file_test_support.h"
#include "memory_figures.h"
#include "picture_sheet.h"
#include "model/Cdib.h"
#include "model/Pictures.h"
#include "model/VelkarionView.h"
#include "platform/text1250.h"
#include "res/Resource.h"
#include "testkit/testkit.h"

namespace velk {
namespace {

namespace fs = std::filesystem;
using bmptest::runLengthOfOneColor;
using filetest::fixturePath;
using filetest::readBytes;
using filetest::writeBytes;
using memtest::heapInUse;
using memtest::kMiB;
using memtest::peakResident;
using memtest::resetPeakResident;
using picturetest::expectSaveKeepsEveryItem;
using picturetest::importPicture;
using picturetest::messagesOf;
using picturetest::pictureSheet;
using testkit::Session;

constexpr int kSide = 4096;  // 4096 x 4096: the most pixels a picture may have
constexpr std::int64_t kDecodedBytes = std::int64_t{4} * kSide * kSide;
constexpr Color kWhite = rgb(255, 255, 255), kBlack = rgb(0, 0, 0);
const char kBudgetMessage[] = "Insuficiente memoria para el DIB: las demás imágenes se muestran como un marco vacío";

// On screen: a point inside the item, in its picture's top-left quarter, and a
// point on its left edge.
Color insideOf(Session& s, CVelkarionView& v, int slot) {
    const Point p = s.unitsToWindow(v, v.m_x[slot] + 2, v.m_y[slot] + 2);
    return s.surface(v).pixel(p.x, p.y);
}
Color edgeOf(Session& s, CVelkarionView& v, int slot) {
    const Point p = s.unitsToWindow(v, v.m_x[slot], v.m_y[slot] + 5);
    return s.surface(v).pixel(p.x, p.y);
}

TEST(SheetPictures, OneFileUnderManyNamesIsDecodedOnce) {
    Session s;
    const Color kRed = rgb(255, 0, 0);
    s.writeFile("bomb.bmp", runLengthOfOneColor(kSide, kRed));
    std::vector<std::string> names = {"bomb.bmp", "alias.bmp"};
    fs::create_symlink("bomb.bmp", s.workDir() + "/alias.bmp");
    for (int i = 1; i <= 8; ++i) {
        names.push_back("link" + std::to_string(i) + ".bmp");
        fs::create_hard_link(s.workDir() + "/bomb.bmp", s.workDir() + "/" + names.back());
    }
    s.writeFile("plan.cad", pictureSheet(names));

    const std::int64_t before = heapInUse();
    CVelkarionView& v = s.openSheet(s.workDir() + "/plan.cad");
    const std::int64_t held = heapInUse() - before;
    EXPECT_TRUE(s.messages().empty());
    EXPECT_LT(held, 2 * kDecodedBytes) << "ten names hold " << held / kMiB << " MB";
    ASSERT_EQ(v.m_componentCount, 10);
    for (int i = 0; i < 10; ++i) EXPECT_EQ(insideOf(s, v, i), kRed) << names[i];
}

TEST(SheetPictures, PicturesPastTheSheetsMemoryShowAnEmptyFrameAfterOneMessage) {
    Session s;
    // Six different files, each the largest picture there may be: four fit.
    const Color colors[] = {rgb(200, 0, 0), rgb(0, 200, 0), rgb(0, 0, 200),
                            rgb(200, 200, 0), rgb(0, 200, 200), rgb(200, 0, 200)};
    std::vector<std::string> names;
    for (int i = 0; i < 6; ++i) {
        names.push_back("photo" + std::to_string(i) + ".bmp");
        s.writeFile(names.back(), runLengthOfOneColor(kSide, colors[i]));
    }
    names.push_back("photo5.bmp");  // a second item of a file already refused
    s.writeFile("plan.cad", pictureSheet(names));
    ASSERT_EQ(kSheetPicturePixels, 4 * std::int64_t{kSide} * kSide);

    const std::int64_t before = heapInUse();
    CVelkarionView& v = s.openSheet(s.workDir() + "/plan.cad");
    const std::int64_t held = heapInUse() - before;
    EXPECT_EQ(messagesOf(s), std::vector<std::string>{cp1250(kBudgetMessage)});
    EXPECT_LT(held, 4 * kDecodedBytes + 32 * kMiB) << held / kMiB << " MB held";
    ASSERT_EQ(v.m_componentCount, 7);
    for (int i = 0; i < 7; ++i) {
        SCOPED_TRACE(names[i]);
        if (i < 4) {
            EXPECT_EQ(insideOf(s, v, i), colors[i]);
        } else {
            EXPECT_EQ(insideOf(s, v, i), kWhite);
            EXPECT_EQ(edgeOf(s, v, i), kBlack);
        }
    }
    // More paints tell nothing more.
    s.command(v, ID_ZOOM_IN);
    s.flush();
    EXPECT_EQ(s.messages().size(), 1u);
    s.clearMessages();

    // An import of a refused file is refused as well; one of a file the sheet holds
    // takes its bitmap without decoding it again.
    const std::string unreadable[] = {"Insuficiente memoria para el DIB", "No se puede leer el archivo"};
    const struct {
        const char* file;
        std::vector<std::string> messages;
    } imports[] = {{"photo5.bmp", {unreadable[0], unreadable[1]}}, {"photo0.bmp", {}}};
    for (const auto& imported : imports) {
        SCOPED_TRACE(imported.file);
        importPicture(s, v, s.workDir() + "/" + imported.file);
        EXPECT_EQ(messagesOf(s), imported.messages);
        s.clearMessages();
    }
    EXPECT_LT(heapInUse() - before, 4 * kDecodedBytes + 32 * kMiB);
    ASSERT_EQ(v.m_componentCount, 8);
    EXPECT_EQ(insideOf(s, v, 7), colors[0]);
    names.push_back("photo0.bmp");
    expectSaveKeepsEveryItem(s, v, names);
    EXPECT_EQ(messagesOf(s), std::vector<std::string>{cp1250(kBudgetMessage)}) << "told again for each Open";
}

// A header that claims the largest picture there may be, 32 bits a pixel, in a
// sparse file of `size` bytes: no disk is spent on the zeros.
void writeLargeBitmap(const std::string& path, std::uint64_t size) {
    std::string header = bmptest::buildBmp({40, kSide, kSide, 32, 0, {}, {}, ""});
    writeBytes(path, header);
    fs::resize_file(path, size);
}

TEST(SheetPictures, AFileLargerThanTheLargestBitmapIsNotRead) {
    struct Row {
        const char* name;
        std::uint64_t size;
        bool import;
        std::vector<std::string> messages;
        std::int64_t mostPeak;  // the resident size may grow by this much
    };
    const std::vector<std::string> unreadable = {"No se puede leer el archivo"};
    const Row rows[] = {
        {"a sheet naming a 1 GB file", std::uint64_t{1} << 30, false, unreadable, 64 * kMiB},
        {"an import of a 1 GB file", std::uint64_t{1} << 30, true, unreadable, 64 * kMiB},
        {"a sheet naming a file one byte over", kMaxBmpFileBytes + 1, false, unreadable, 64 * kMiB},
        {"a sheet naming the largest bitmap with trailing bytes", kMaxBmpFileBytes, false, {}, 4 * kDecodedBytes},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        Session s;
        const std::string big = s.workDir() + "/big.bmp";
        writeLargeBitmap(big, row.size);
        s.writeFile("small.bmp", readBytes(fixturePath("two_by_two.bmp")));
        const std::vector<std::string> names = {"big.bmp", "small.bmp"};
        s.writeFile("plan.cad", pictureSheet(names));

        resetPeakResident();
        const std::int64_t start = peakResident();
        if (row.import) {
            CVelkarionView& v = s.newSheet();
            importPicture(s, v, big);
            EXPECT_EQ(v.m_componentCount, 0);
            EXPECT_FALSE(s.document(v).isModified());
        } else {
            CVelkarionView& v = s.openSheet(s.workDir() + "/plan.cad");
            ASSERT_EQ(v.m_componentCount, 2);
            EXPECT_EQ(insideOf(s, v, 0) == kWhite, !row.messages.empty()) << "an empty frame for the refused file";
            EXPECT_NE(insideOf(s, v, 1), kWhite) << "the other picture is there";
        }
        const std::int64_t grown = peakResident() - start;
        EXPECT_EQ(messagesOf(s), row.messages);
        EXPECT_LT(grown, row.mostPeak) << grown / kMiB << " MB more at the peak";
        if (!row.import) {
            s.clearMessages();
            expectSaveKeepsEveryItem(s, *s.views().front(), names);
        }
    }
}

// A header that claims more pixels than the file holds used to be decoded into
// the whole picture before the missing rows were found: 64 MB and a fifth of a
// second for each file of sixty bytes, three minutes for a sheet naming 999 of
// them. The claim is held against the file's size first, so a sheet of such files
// opens at the cost of its small ones.
TEST(SheetPictures, PicturesThatClaimMoreThanTheyHoldCostNothing) {
    struct Row {
        const char* name;
        int bitCount;
        std::size_t pixelBytes;  // what the file holds of the rows it claims
    };
    const Row rows[] = {
        {"24 bits, no rows", 24, 0},
        {"32 bits, one row", 32, 4 * kSide},
        {"1 bit, all rows but the last", 1, (kSide / 8) * (kSide - 1)},
        {"8 bits, a sixteenth of the rows", 8, kSide * kSide / 16},
    };
    constexpr int kClaims = 20;
    const std::vector<std::string> refused = {"Error al leer el fichero .bmp", "No se puede leer el archivo"};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        Session s;
        std::vector<Color> palette;
        if (row.bitCount <= 8) palette = {rgb(0, 0, 0), rgb(255, 255, 255)};
        const std::string claim =
            bmptest::buildBmp({40, kSide, kSide, row.bitCount, 0, palette, {}, std::string(row.pixelBytes, '\0')});
        std::vector<std::string> names;
        for (int i = 0; i < kClaims; ++i) {
            names.push_back("claim" + std::to_string(i) + ".bmp");
            s.writeFile(names.back(), claim);
        }
        names.push_back("small.bmp");
        s.writeFile("small.bmp", readBytes(fixturePath("two_by_two.bmp")));
        s.writeFile("plan.cad", pictureSheet(names));

        resetPeakResident();
        const std::int64_t start = peakResident();
        CVelkarionView& v = s.openSheet(s.workDir() + "/plan.cad");
        // Reading the files is all it may cost: a decoded claim alone takes 64 MB.
        const std::int64_t grown = peakResident() - start;
        const std::int64_t read = static_cast<std::int64_t>(kClaims * claim.size());
        EXPECT_LT(grown, read + 16 * kMiB) << grown / kMiB << " MB more at the peak";
        std::vector<std::string> told;
        for (int i = 0; i < kClaims; ++i) told.insert(told.end(), refused.begin(), refused.end());
        EXPECT_EQ(messagesOf(s), told);
        ASSERT_EQ(v.m_componentCount, kClaims + 1);
        EXPECT_EQ(insideOf(s, v, 0), kWhite) << "an empty frame for a refused file";
        EXPECT_NE(insideOf(s, v, kClaims), kWhite) << "the small picture is there";
        s.clearMessages();
        expectSaveKeepsEveryItem(s, v, names);
    }
}

// Each bitmap keeps its whole file besides its pixels. Files padded to the largest
// size read, around a picture of one pixel, counted for nothing: forty of them
// held 2.7 GB without a word. What the files keep counts as well, so the fifth
// such file is told and shows an empty frame, and every item is still saved.
TEST(SheetPictures, WhatEachPictureKeepsOfItsFileCountsTowardTheSheetsMemory) {
    Session s;
    const Color colors[] = {rgb(200, 0, 0), rgb(0, 200, 0), rgb(0, 0, 200),
                            rgb(200, 200, 0), rgb(0, 200, 200), rgb(200, 0, 200)};
    std::vector<std::string> names;
    for (const Color color : colors) {
        names.push_back("padded" + std::to_string(names.size()) + ".bmp");
        const std::string path = s.workDir() + "/" + names.back();
        const std::string pixel = bmptest::bytes({blueOf(color), greenOf(color), redOf(color), 0});
        writeBytes(path, bmptest::buildBmp({40, 1, 1, 24, 0, {}, {}, pixel}));
        fs::resize_file(path, kMaxBmpFileBytes);  // sparse: no disk is spent on the padding
    }
    s.writeFile("plan.cad", pictureSheet(names));
    ASSERT_EQ(kSheetPictureFileBytes, 4 * static_cast<std::int64_t>(kMaxBmpFileBytes));

    const std::int64_t before = heapInUse();
    CVelkarionView& v = s.openSheet(s.workDir() + "/plan.cad");
    const std::int64_t held = heapInUse() - before;
    EXPECT_EQ(messagesOf(s), std::vector<std::string>{cp1250(kBudgetMessage)});
    EXPECT_LT(held, kSheetPictureFileBytes + 32 * kMiB) << held / kMiB << " MB held";
    ASSERT_EQ(v.m_componentCount, 6);
    for (int i = 0; i < 6; ++i) {
        SCOPED_TRACE(names[i]);
        EXPECT_EQ(insideOf(s, v, i), i < 4 ? colors[i] : kWhite);
    }
    s.clearMessages();
    expectSaveKeepsEveryItem(s, v, names);
}

// The writer stores bare names only; a name with a folder part would read a file
// outside the sheet's folder, so it is not followed, even where the file exists.
TEST(SheetPictures, NamesWithFolderPartsAreNotFollowed) {
    struct Row {
        const char* name;
        bool loaded;
    };
    const Row rows[] = {
        {"pic.bmp", true},     {"sub/pic.bmp", false}, {"../pic.bmp", false},
        {"./pic.bmp", false},  {"sub\\pic.bmp", false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        Session s;
        const std::string bitmap = readBytes(fixturePath("two_by_two.bmp"));
        fs::create_directories(s.workDir() + "/sheets/sub");
        s.writeFile("pic.bmp", bitmap);
        s.writeFile("sheets/pic.bmp", bitmap);
        s.writeFile("sheets/sub/pic.bmp", bitmap);
        s.writeFile("sheets/sub\\pic.bmp", bitmap);
        s.writeFile("sheets/plan.cad", pictureSheet({row.name}));

        CVelkarionView& v = s.openSheet(s.workDir() + "/sheets/plan.cad");
        EXPECT_EQ(messagesOf(s), row.loaded ? std::vector<std::string>{}
                                            : std::vector<std::string>{"No se puede abrir el archivo"});
        ASSERT_EQ(v.m_componentCount, 1);
        EXPECT_EQ(v.m_paramText[0], row.name);
        EXPECT_EQ(insideOf(s, v, 0) == kWhite, !row.loaded);
    }
}

}  // namespace
}  // namespace velk
