// Picture items and the bitmap export: import through the picture chooser,
// drawing stretched into the item's rectangle (or an empty frame when the bitmap
// is missing), bitmaps kept per document and slot, and the view written as a
// 24-bit bitmap file.
#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

#include "file_test_support.h"
#include "model/Cdib.h"
#include "model/Pictures.h"
#include "platform/dc.h"
#include "platform/text1250.h"
#include "render/Paint.h"

namespace velk {
namespace {

using filetest::Answers;
using filetest::readBytes;
using filetest::ScratchFolder;
using filetest::Sheet;
using filetest::writeBytes;

// A bitmap file of one colour per quadrant, written where the test wants it.
std::string writePicture(const ScratchFolder& folder, const std::string& name, int w, int h, Color topLeft,
                         Color rest) {
    Surface image(w, h, rest);
    image.fillRect({0, 0, (w + 1) / 2, (h + 1) / 2}, topLeft);
    const std::string path = folder.file(name);
    writeBytes(path, encodeBmp24(image));
    return path;
}

TEST(PictureImport, ItemGetsTheBitmapsSizeAtTheCurrentZoom) {
    struct Row {
        int width, height;
        double zoom;
        int x2, y2;
    };
    const Row rows[] = {{400, 300, 2.0, 200, 150}, {400, 300, 3.0, 133, 100}, {7, 5, 1.0, 7, 5}};
    for (const Row& row : rows) {
        SCOPED_TRACE(std::to_string(row.width) + " x " + std::to_string(row.height) + " at zoom " +
                     std::to_string(row.zoom));
        Answers answers;
        ScratchFolder folder;
        answers.files.push_back(writePicture(folder, "photo.bmp", row.width, row.height, rgb(9, 9, 9), 0));
        Sheet sheet;
        sheet.doc.m_zoom = row.zoom;
        sheet.view.m_componentCount = 3;
        sheet.view.OnFileImportPicture();
        ASSERT_EQ(answers.requests.size(), 1u);
        EXPECT_FALSE(answers.requests[0].save);
        EXPECT_EQ(answers.requests[0].initialName, "*.bmp");
        EXPECT_EQ(answers.requests[0].defaultExt, "bmp");
        const CVelkarionView& v = sheet.view;
        ASSERT_EQ(v.m_componentCount, 4);
        EXPECT_EQ(v.m_componentId[3], 3);
        EXPECT_EQ(v.m_type[3], kTypePicture);
        EXPECT_EQ(v.m_x[3], 0);
        EXPECT_EQ(v.m_y[3], 0);
        EXPECT_EQ(v.m_x2[3], row.x2);
        EXPECT_EQ(v.m_y2[3], row.y2);
        EXPECT_EQ(v.m_paramText[3], "photo.bmp");
        ASSERT_NE(v.PictureOf(3), nullptr);
        EXPECT_EQ(v.PictureOf(3)->width(), row.width);
        EXPECT_TRUE(sheet.doc.isModified());
        EXPECT_TRUE(answers.messages.empty());
    }
}

TEST(PictureImport, FillsTheLastSlotThenAddsNothing) {
    Answers answers;
    ScratchFolder folder;
    const std::string path = writePicture(folder, "photo.bmp", 4, 4, rgb(1, 2, 3), 0);
    answers.files = {path, path};
    Sheet sheet;
    CVelkarionView& v = sheet.view;
    v.m_componentCount = 998;
    v.m_deleted[998] = 1;  // left there by an Undo
    v.m_label[998] = "-K9";
    v.OnFileImportPicture();
    EXPECT_EQ(v.m_componentCount, 999);
    EXPECT_EQ(v.m_type[998], kTypePicture);
    EXPECT_EQ(v.m_deleted[998], 0);
    EXPECT_EQ(v.m_label[998], "");
    sheet.doc.setModified(false);
    v.OnFileImportPicture();  // the sheet is full: not even the chooser comes up
    EXPECT_EQ(answers.requests.size(), 1u);
    EXPECT_EQ(v.m_componentCount, 999);
    EXPECT_EQ(v.m_type[999], kTypeNone);
    EXPECT_FALSE(sheet.doc.isModified());
}

TEST(PictureImport, RefusedFilesAddNoItem) {
    struct Row {
        const char* name;
        std::optional<std::string> contents;  // nothing: the chosen file does not exist
        bool cancel;
        std::vector<std::string> messages;
    };
    const std::vector<Row> rows = {
        {"cancelled", std::nullopt, true, {}},
        {"file that cannot be opened", std::nullopt, false, {"No se puede abrir el fichero"}},
        {"not a bitmap", std::string("GIF89a"), false,
         {cp1250("Tipo del fichero no válido. Debe ser BM"), "No se puede leer el archivo"}},
        {"damaged bitmap", std::string("BM\x10\0\0\0", 6), false,
         {"Error al leer el fichero .bmp", "No se puede leer el archivo"}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        Answers answers;
        ScratchFolder folder;
        if (row.contents) writeBytes(folder.file("photo.bmp"), *row.contents);
        answers.files.push_back(row.cancel ? std::nullopt : std::optional<std::string>(folder.file("photo.bmp")));
        Sheet sheet;
        sheet.view.OnFileImportPicture();
        EXPECT_EQ(answers.messages, row.messages);
        EXPECT_EQ(sheet.view.m_componentCount, 0);
        EXPECT_EQ(sheet.view.m_type[0], 0);
        EXPECT_FALSE(sheet.doc.isModified());
    }
}

TEST(PictureImport, AnInstalledChooserTakesThePlaceOfTheFileDialog) {
    Answers answers;
    ScratchFolder folder;
    const std::string path = writePicture(folder, "chosen.bmp", 2, 2, rgb(1, 2, 3), 0);
    int asked = 0;
    setPictureChooser([&]() -> std::optional<std::string> {
        ++asked;
        return path;
    });
    Sheet sheet;
    sheet.view.OnFileImportPicture();
    setPictureChooser(nullptr);
    EXPECT_EQ(asked, 1);
    EXPECT_TRUE(answers.requests.empty());
    EXPECT_EQ(sheet.view.m_paramText[0], "chosen.bmp");
}

// Each window keeps its own bitmaps by slot; a copy of an item finds its
// original's bitmap; an item whose bitmap is missing shows an empty frame.
TEST(PictureDrawing, ItemsShowTheirOwnBitmapOrAnEmptyFrame) {
    Answers answers;
    ScratchFolder folder;
    const Color kRed = rgb(255, 0, 0), kBlue = rgb(0, 0, 255), kGreen = rgb(0, 128, 0), kWhite = rgb(255, 255, 255);
    Sheet first, second;
    answers.files.push_back(writePicture(folder, "a.bmp", 2, 2, kRed, kGreen));
    first.view.OnFileImportPicture();
    answers.files.push_back(writePicture(folder, "b.bmp", 2, 2, kBlue, kGreen));
    second.view.OnFileImportPicture();
    CVelkarionView& v = first.view;
    v.m_componentCount = 4;
    v.m_type[1] = kTypePicture;  // pasted copy of slot 0
    v.m_paramText[1] = "a.bmp";
    v.m_type[2] = kTypePicture;  // its file could not be read
    v.m_paramText[2] = "lost.bmp";
    v.m_type[3] = kTypePicture;
    v.m_paramText[3] = "lost.bmp";
    v.m_selected[3] = 1;

    Surface a(80, 20), b(20, 20);
    Dc dcA(a), dcB(b);
    for (int slot = 0; slot < 4; ++slot) v.DrawPictureStretched(dcA, slot, 20 * slot, 0, 10, 10);
    second.view.DrawPictureStretched(dcB, 0, 0, 0, 10, 10);
    if (const char* dir = std::getenv("VELK_TEST_OUTPUT"))
        a.savePng((std::string(dir) + "/picture_items.png").c_str());
    struct Probe {
        const Surface* surface;
        int x, y;
        Color color;
        const char* what;
    };
    const Probe probes[] = {
        {&a, 2, 2, kRed, "first window's bitmap"},
        {&a, 7, 7, kGreen, "stretched over the whole box"},
        {&b, 2, 2, kBlue, "second window's bitmap in the same slot"},
        {&a, 22, 2, kRed, "the copy shows its original's bitmap"},
        {&a, 40, 5, rgb(0, 0, 0), "frame of a missing bitmap"},
        {&a, 45, 5, kWhite, "inside the frame untouched"},
        {&a, 60, 5, kRed, "frame of a selected item"},
    };
    for (const Probe& p : probes) EXPECT_EQ(p.surface->pixel(p.x, p.y), p.color) << p.what;
}

// A bare sheet in a window, painted without the splash, the frame or the symbols.
struct PaintedSheet : Sheet {
    PaintedSheet() {
        g_firstPaintDone = 1;
        g_firstPaintSplash = nullptr;
        doc.m_showFrame = 0;
        doc.m_showGrid = 0;
        doc.m_titleBlockKind = 0;
        view.m_penWidth = 1;
        view.m_lastPointX = kNoPoint;
        view.m_lastPointY = kNoPoint;
        view.m_routineProbe = [](Dc&, int, double, int, int) {};
        view.m_wirePassProbe = [](Dc&) {};
        const int slot = view.m_componentCount++;
        view.m_type[slot] = kTypeFilledRectangle;
        view.m_x[slot] = 2, view.m_y[slot] = 3, view.m_x2[slot] = 9, view.m_y2[slot] = 8;
        view.m_color[slot] = rgb(0, 0, 255);
        view.resizeClient(37, 21);
    }
    ~PaintedSheet() { g_viewOnlyRepaint = 0; }
};

TEST(PictureExport, WritesWhatTheWindowShowsOverALongerFile) {
    Answers answers;
    ScratchFolder folder;
    const std::string path = folder.file("view.bmp");
    writeBytes(path, std::string(10000, 'x'));
    answers.files.push_back(path);
    PaintedSheet sheet;
    sheet.view.OnFileExportPicture();
    ASSERT_EQ(answers.requests.size(), 1u);
    EXPECT_TRUE(answers.requests[0].save);
    EXPECT_EQ(answers.requests[0].initialName, "*.bmp");
    EXPECT_EQ(answers.requests[0].defaultExt, "bmp");
    EXPECT_TRUE(answers.messages.empty());

    const std::string file = readBytes(path);
    EXPECT_EQ(file.size(), 54u + 112u * 21u);  // 37 pixels of 3 bytes, padded to 112
    CDIB back;
    ASSERT_TRUE(back.Read(file));
    EXPECT_EQ(back.m_bitCount, 24);
    const Surface& shown = sheet.view.surface();
    ASSERT_EQ(back.width(), shown.width());
    ASSERT_EQ(back.height(), shown.height());
    for (int y = 0; y < shown.height(); ++y)
        for (int x = 0; x < shown.width(); ++x) ASSERT_EQ(back.image().pixel(x, y), shown.pixel(x, y)) << x << "," << y;
    EXPECT_EQ(shown.pixel(10, 10), rgb(0, 0, 255));  // the rectangle was painted before the copy
    ASSERT_NE(sheet.doc.m_exportDib, nullptr);
    EXPECT_EQ(sheet.doc.m_exportDib->block().size(), file.size());
}

TEST(PictureExport, CancelledOrRefusedWritesNothing) {
    struct Row {
        const char* name;
        std::optional<std::string> answer;
        std::vector<std::string> messages;
    };
    const std::vector<Row> rows = {
        {"cancelled", std::nullopt, {}},
        {"folder that does not exist", std::string("/nonexistent/folder/view.bmp"), {"El fichero no se puede abrir"}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        Answers answers;
        answers.files.push_back(row.answer);
        PaintedSheet sheet;
        sheet.view.OnFileExportPicture();
        EXPECT_EQ(answers.messages, row.messages);
    }
}

}  // namespace
}  // namespace velk
