// The free-drawing tools at the press and release: text extents, line corners,
// drags and texts refused when their item would show nothing, fills on the screen
// and in the table, the colour picker, the placement limit, and the zoom window.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "circuit_sheet.h"
#include "dialogs/Texto.h"
#include "edit/FreeDrawingTools.h"
#include "edit_sheet.h"
#include "file_test_support.h"
#include "model/TypeCodes.h"
#include "model/VelkarionView.h"
#include "platform/msgbox.h"
#include "platform/text1250.h"
#include "res/Resource.h"
#include "testkit/testkit.h"

using namespace velk;
using velk::testing::EditSheet;

namespace {

// The text dialog's edit.
constexpr int kTextEdit = 1040;

// A sheet whose drawing tool was pressed at one point and dragged to another,
// both given in drawing units, with the scroll at 0.
// The text tool chosen from its command, the text dialog answered with `typed`.
void chooseTextTool(testkit::Session& session, CVelkarionView& view, const std::string& typed) {
    session.answerDialog(IDD_TEXTO, [&](testkit::DialogDriver& d) {
        d.setText(kTextEdit, TextCodec1250::toUtf8(typed));
        d.click(IDOK);
    });
    session.command(view, ID_TOOL_TEXT);
}

struct DrawSheet : EditSheet {
    explicit DrawSheet(double zoom = 2.0, int width = 400, int height = 300) : EditSheet(width, height) {
        doc.m_zoom = zoom;
    }
    void drag(int tool, Point from, Point to) {
        g_currentTool = tool;
        view.m_toolDragActive = 1;
        view.m_dragStartX = static_cast<int>(from.x * doc.m_zoom);
        view.m_dragStartY = static_cast<int>(from.y * doc.m_zoom);
        view.m_dragCurrentX = static_cast<int>(to.x * doc.m_zoom);
        view.m_dragCurrentY = static_cast<int>(to.y * doc.m_zoom);
    }
    bool release(Point window) { return view.FinishFreeDrawing(window); }
    Rect corners(int slot) const { return {view.m_x[slot], view.m_y[slot], view.m_x2[slot], view.m_y2[slot]}; }
};

TEST(FreeDrawingTools, TextExtentFactorByZoom) {
    const int factors[20] = {2, 4, 6, 7, 9, 12, 14, 16, 18, 20, 22, 24, 26, 28, 30, 32, 34, 36, 38, 40};
    for (int z = 1; z <= 20; ++z) EXPECT_EQ(textExtentFactor(z), factors[z - 1]) << "zoom " << z;
    for (double z : {0.0, 0.5, 1.5, 2.0000001, 21.0, -2.0}) EXPECT_EQ(textExtentFactor(z), 0) << "zoom " << z;
}

TEST(FreeDrawingTools, TextGoesDownAtThePressWithItsExtent) {
    struct Row {
        const char* name;
        double zoom;
        std::string text;
        Point at;
        Rect expected;
    };
    const Row rows[] = {
        {"three characters at zoom 2", 2.0, "abc", {30, 21}, {30, 21, 36, 25}},
        {"three characters at zoom 4", 4.0, "abc", {30, 21}, {30, 21, 35, 24}},
        {"a zoom between whole numbers gives no extent", 2.5, "abc", {30, 20}, {30, 20, 30, 20}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        DrawSheet s(row.zoom);
        s.addSymbol(kTypeCoil, 100, 100);
        s.view.m_currentColor = rgb(0, 0, 255);
        g_textToolText = row.text;
        s.drag(kTypeText, row.at, row.at);
        s.view.PlaceText();
        ASSERT_EQ(s.view.m_componentCount, 2);
        EXPECT_EQ(s.view.m_type[1], kTypeText);
        EXPECT_EQ(s.view.m_componentId[1], 1);
        EXPECT_EQ(s.corners(1), row.expected);
        EXPECT_EQ(s.view.m_paramText[1], row.text);
        EXPECT_EQ(s.view.m_color[1], rgb(0, 0, 255));
        EXPECT_EQ(g_currentTool, kTypeNone) << "each text needs the tool again";
        EXPECT_EQ(s.view.m_toolDragActive, 0);
        EXPECT_TRUE(s.modified());
        // The release that follows finds the select tool and has nothing to do.
        EXPECT_TRUE(s.release({0, 0}));
        EXPECT_EQ(s.view.m_componentCount, 2);
    }
    g_textToolText.clear();
}

TEST(FreeDrawingTools, LineIsStoredAscendingWithTheCornerItWasDraggedFrom) {
    struct Row {
        Point from, to;
        Rect stored;
        int corner;
    };
    const Row rows[] = {
        {{30, 12}, {9, 27}, {9, 12, 30, 27}, 2},
        {{9, 12}, {30, 27}, {9, 12, 30, 27}, 1},
        {{30, 27}, {9, 12}, {9, 12, 30, 27}, 3},
        {{9, 27}, {30, 12}, {9, 12, 30, 27}, 4},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE("corner " + std::to_string(row.corner));
        DrawSheet s;
        s.view.m_currentColor = rgb(0, 128, 0);
        s.drag(kTypeLine, row.from, row.to);
        EXPECT_TRUE(s.release({0, 0}));
        ASSERT_EQ(s.view.m_componentCount, 1);
        EXPECT_EQ(s.view.m_type[0], kTypeLine);
        EXPECT_EQ(s.corners(0), row.stored);
        EXPECT_EQ(s.view.m_lineCorner[0], row.corner);
        EXPECT_EQ(s.view.m_color[0], rgb(0, 128, 0));
        EXPECT_EQ(g_currentTool, kTypeLine) << "the line tool stays armed";
        EXPECT_TRUE(s.modified());
    }
}

TEST(FreeDrawingTools, FillPaintsTheScreenAtTheReleaseAndKeepsItsPointInside) {
    DrawSheet s;
    // A closed black frame from (100, 40) to (160, 80) in window pixels.
    Surface& screen = s.view.surface();
    screen.fillRect({100, 40, 161, 41}, rgb(0, 0, 0));
    screen.fillRect({100, 80, 161, 81}, rgb(0, 0, 0));
    screen.fillRect({100, 40, 101, 81}, rgb(0, 0, 0));
    screen.fillRect({160, 40, 161, 81}, rgb(0, 0, 0));
    const Color outside = screen.pixel(200, 200);
    s.view.m_currentColor = rgb(255, 255, 0);
    s.drag(kTypeFill, {30, 21}, {30, 21});
    EXPECT_TRUE(s.release({130, 60}));
    EXPECT_EQ(screen.pixel(130, 60), rgb(255, 255, 0));
    EXPECT_EQ(screen.pixel(101, 41), rgb(255, 255, 0));
    EXPECT_EQ(screen.pixel(100, 40), rgb(0, 0, 0));
    EXPECT_EQ(screen.pixel(200, 200), outside);
    ASSERT_EQ(s.view.m_componentCount, 1);
    EXPECT_EQ(s.view.m_type[0], kTypeFill);
    EXPECT_EQ(s.corners(0), (Rect{32, 23, 34, 25}));
    EXPECT_EQ(s.view.m_color[0], rgb(255, 255, 0));
    EXPECT_EQ(g_currentTool, kTypeNone);
    EXPECT_TRUE(s.modified());
}

TEST(FreeDrawingTools, ColourPickerTakesThePixelUnderThePress) {
    DrawSheet s;
    s.view.surface().setPixel(60, 42, rgb(200, 10, 20));
    s.view.surface().setPixel(120, 90, rgb(0, 0, 255));
    s.drag(kTypeColorPicker, {30, 21}, {60, 45});
    EXPECT_TRUE(s.release({120, 90}));
    EXPECT_EQ(s.view.m_currentColor, rgb(200, 10, 20));
    EXPECT_EQ(s.view.m_componentCount, 0) << "no item is written";
    EXPECT_EQ(g_currentTool, kTypeNone);
}

TEST(FreeDrawingTools, OnlyToolsThatStayArmedEndTheRedoChain) {
    struct Row {
        int tool;
        bool hiddenSlotKept;
    };
    const Row rows[] = {{kTypeLine, false}, {kTypeFilledRectangle, false}, {kTypeFill, true},
                        {kTypeColorPicker, true}};
    for (const Row& row : rows) {
        SCOPED_TRACE("tool " + std::to_string(row.tool));
        DrawSheet s;
        s.addSymbol(kTypeCoil, 100, 100);
        s.addSymbol(kTypeCoil, 150, 100);
        s.addSymbol(kTypeCoil, 200, 100);
        s.view.OnEditUndo();
        s.view.OnEditUndo();
        s.drag(row.tool, {30, 21}, {60, 45});
        EXPECT_TRUE(s.release({0, 0}));
        // The fill reuses slot 1 and leaves slot 2 hidden behind it for Redo; the
        // line and shapes blank everything above themselves.
        EXPECT_EQ(s.view.m_type[2] == kTypeCoil && s.view.m_deleted[2] == 1, row.hiddenSlotKept);
    }
}

TEST(FreeDrawingTools, NoItemIsAppendedAtTheLimit) {
    struct Row {
        int tool;
        bool viaPress;
    };
    const Row rows[] = {{kTypeLine, false}, {kTypeEllipse, false}, {kTypeFill, false}, {kTypeText, true}};
    for (const Row& row : rows) {
        SCOPED_TRACE("tool " + std::to_string(row.tool));
        DrawSheet s;
        s.view.m_componentCount = kMaxPlacedItems;
        const int beeps = beepCount();
        g_textToolText = "abc";
        s.drag(row.tool, {30, 21}, {60, 45});
        if (row.viaPress) s.view.PlaceText();
        else EXPECT_TRUE(s.release({70, 50}));
        EXPECT_EQ(s.view.m_componentCount, kMaxPlacedItems);
        EXPECT_EQ(s.view.m_type[kMaxPlacedItems], kTypeNone);
        EXPECT_EQ(beepCount(), beeps + 1);
        EXPECT_EQ(g_currentTool, row.tool) << "the tool stays for another try";
        EXPECT_FALSE(s.modified());
        EXPECT_EQ(s.view.surface().pixel(70, 50), rgb(255, 255, 255)) << "no fill shown either";
    }
    g_textToolText.clear();
}

TEST(FreeDrawingTools, AReleaseWithoutAPressInThisViewDrawsNothing) {
    DrawSheet s;
    s.drag(kTypeRectangle, {30, 21}, {60, 45});
    s.view.m_toolDragActive = 0;
    EXPECT_TRUE(s.release({0, 0}));
    EXPECT_EQ(s.view.m_componentCount, 0);
    EXPECT_FALSE(s.modified());
}

TEST(FreeDrawingTools, ZoomWindowTurnsTheDragIntoAWholeZoom) {
    struct Row {
        const char* name;
        double zoom;
        Point start, end;  // window pixels
        bool finished;
        double newZoom;
    };
    const Row rows[] = {
        {"190 x 120 at zoom 2", 2.0, {120, 90}, {310, 210}, true, 8.0},
        {"100 x 250 at zoom 2", 2.0, {120, 90}, {220, 340}, true, 4.0},
        {"30 x 10 at zoom 4 is capped", 4.0, {120, 96}, {150, 106}, true, 20.0},
        {"upwards and right uses the width", 2.0, {120, 300}, {220, 250}, true, 16.0},
        {"wider than the window gives no zoom", 2.0, {-12, 90}, {798, 100}, false, 2.0},
        {"to the left stays armed", 2.0, {300, 90}, {200, 400}, false, 2.0},
        {"no drag at all stays armed", 2.0, {300, 90}, {300, 90}, false, 2.0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        DrawSheet s(row.zoom, 800, 600);
        s.view.setScrollSizes(static_cast<int>(337 * row.zoom), static_cast<int>(237 * row.zoom));
        s.view.m_zoomWindowArmed = 1;
        s.view.AnchorZoomWindow(row.start);
        EXPECT_EQ(s.view.m_zoomDragActive, 1);
        s.view.m_dragCurrentX = row.end.x;
        s.view.m_dragCurrentY = row.end.y;
        EXPECT_EQ(s.view.FinishZoomWindow(), row.finished);
        EXPECT_EQ(s.doc.m_zoom, row.newZoom);
        EXPECT_EQ(s.view.m_zoomWindowArmed, row.finished ? 0 : 1);
        EXPECT_EQ(s.view.m_zoomDragActive, row.finished ? 0 : 1);
        if (!row.finished) continue;
        const int w = static_cast<int>(337 * row.newZoom);
        const int h = static_cast<int>(237 * row.newZoom);
        EXPECT_EQ(s.view.scrollTotalWidth(), w);
        EXPECT_EQ(s.view.scrollTotalHeight(), h);
        EXPECT_EQ(s.view.scrollPageSize(), (Point{w, h}));
        EXPECT_EQ(s.view.scrollLineSize(), (Point{w / 100, h / 100}));
    }
}

TEST(FreeDrawingTools, ZoomWindowAnchorBecomesTheTopLeftCorner) {
    DrawSheet s(2.0, 800, 600);
    s.view.setScrollSizes(674, 474);
    s.view.m_zoomWindowArmed = 1;
    s.view.AnchorZoomWindow({120, 90});
    EXPECT_EQ(s.view.m_zoomAnchorX, 60);
    EXPECT_EQ(s.view.m_zoomAnchorY, 45);
    EXPECT_EQ(s.view.m_dragStartX, 120);
    s.view.m_dragCurrentX = 310;
    s.view.m_dragCurrentY = 210;
    EXPECT_TRUE(s.view.FinishZoomWindow());
    EXPECT_EQ(s.doc.m_zoom, 8.0);
    EXPECT_EQ(s.view.scrollPosition(), (Point{480, 360}));
}

// --- through the test kit -------------------------------------------------------------------

TEST(FreeDrawingToolsSession, ZoomWindowDragWithTheMouse) {
    testkit::Session session;
    CVelkarionView& view = session.newSheet();
    ASSERT_EQ(session.document(view).m_zoom, 2.0);
    session.command(view, ID_ZOOM_WINDOW);
    session.press(view, 120, 90);
    session.move(view, 310, 210);
    session.release(view, 310, 210);
    // 800 div 186 (the drag snapped to the grid) is 4.
    EXPECT_EQ(session.document(view).m_zoom, 8.0);
    EXPECT_EQ(view.scrollPosition(), (Point{480, 360}));
    EXPECT_EQ(view.m_zoomWindowArmed, 0);
    EXPECT_EQ(view.m_componentCount, 0);
}

// A sheet of two coils placed with the mouse, the second taken back by Undo (so
// that it is there to redo) and nothing modified since.
CVelkarionView& sheetWithAnUndoneCoil(testkit::Session& session, circuittest::Circuit& c) {
    c.draw({{{ID_PLACE_COIL, {150, 150}, ""}, {ID_PLACE_COIL, {150, 210}, ""}}, {}});
    session.command(c.view(), ID_EDIT_UNDO);
    session.document(c.view()).setModified(false);
    return c.view();
}

// A refused release leaves no trace: no item, no closing steps, so the document
// is unmodified and the coil Undo hid is still there to redo.
void expectNothingWritten(testkit::Session& session, CVelkarionView& view) {
    EXPECT_EQ(view.m_componentCount, 1);
    EXPECT_FALSE(session.document(view).isModified());
    EXPECT_EQ(view.m_type[1], kTypeCoil);
    EXPECT_EQ(view.m_deleted[1], 1);
}

// A drag whose item would show nothing (a line of no length, an ellipse or a
// filled shape of no width or height, any shape opened up or to the left) writes
// no item and leaves the tool armed, without the closing steps: the document stays
// unmodified and an item hidden by Undo can still be redone. A rectangle of no
// width or height shows a side, and a line may run any way.
TEST(FreeDrawingToolsSession, DragsThatWouldShowNothingWriteNoItem) {
    struct Tool {
        int command;
        int type;
    };
    const Tool tools[] = {{ID_TOOL_LINE, kTypeLine},
                          {ID_TOOL_RECTANGLE, kTypeRectangle},
                          {ID_TOOL_ELLIPSE, kTypeEllipse},
                          {ID_TOOL_FILLED_RECTANGLE, kTypeFilledRectangle},
                          {ID_TOOL_FILLED_ELLIPSE, kTypeFilledEllipse}};
    struct Row {
        const char* name;
        Point from, to;  // drawing units of the press and the release
        bool placed[5];  // per tool, in the order above
    };
    const Row rows[] = {
        {"right and down", {30, 21}, {60, 45}, {true, true, true, true, true}},
        {"straight down", {30, 21}, {30, 45}, {true, true, false, false, false}},
        {"straight across", {30, 21}, {60, 21}, {true, true, false, false, false}},
        {"straight up", {60, 60}, {60, 30}, {true, false, false, false, false}},
        {"straight to the left", {60, 60}, {30, 60}, {true, false, false, false, false}},
        {"up and left", {60, 60}, {30, 30}, {true, false, false, false, false}},
        {"left and down", {60, 60}, {30, 90}, {true, false, false, false, false}},
        {"up and right", {60, 60}, {90, 30}, {true, false, false, false, false}},
        {"a click without a drag", {60, 60}, {60, 60}, {false, false, false, false, false}},
    };
    testkit::Session session;
    for (int t = 0; t < 5; ++t) {
        for (const Row& row : rows) {
            SCOPED_TRACE(std::string(row.name) + ", tool " + std::to_string(tools[t].type));
            circuittest::Circuit c(session);
            CVelkarionView& view = sheetWithAnUndoneCoil(session, c);
            session.command(view, tools[t].command);
            ASSERT_EQ(g_currentTool, tools[t].type);
            c.drag(row.from, row.to);

            EXPECT_EQ(g_currentTool, tools[t].type) << "the tool stays armed";
            if (row.placed[t]) {
                const Rect expected = tools[t].type == kTypeLine
                                          ? Rect{std::min(row.from.x, row.to.x), std::min(row.from.y, row.to.y),
                                                 std::max(row.from.x, row.to.x), std::max(row.from.y, row.to.y)}
                                          : Rect{row.from.x, row.from.y, row.to.x, row.to.y};
                ASSERT_EQ(view.m_componentCount, 2);
                EXPECT_EQ(view.m_type[1], tools[t].type);
                EXPECT_EQ((Rect{view.m_x[1], view.m_y[1], view.m_x2[1], view.m_y2[1]}), expected);
                EXPECT_TRUE(session.document(view).isModified());
                continue;
            }
            expectNothingWritten(session, view);
            // The armed tool draws the next drag that shows something.
            c.drag({90, 90}, {120, 120});
            ASSERT_EQ(view.m_componentCount, 2);
            EXPECT_EQ(view.m_type[1], tools[t].type);
            EXPECT_EQ(view.m_deleted[1], 0);
        }
    }
}

// The text tool chosen with a text of nothing but blanks places nothing where the
// sheet is clicked, and stays chosen; a text with something to show is placed.
TEST(FreeDrawingToolsSession, ABlankTextIsNotPlaced) {
    struct Row {
        const char* name;
        std::string typed;
        bool placed;
    };
    const Row rows[] = {
        {"an empty text", "", false},
        {"three blanks", "   ", false},
        {"blanks and a tab", " \t ", false},
        {"no-break blanks", "\xA0\xA0", false},
        {"a word", "Motor", true},
        {"one letter among blanks", " a ", true},
    };
    testkit::Session session;
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        circuittest::Circuit c(session);
        CVelkarionView& view = sheetWithAnUndoneCoil(session, c);
        chooseTextTool(session, view, row.typed);
        ASSERT_EQ(g_currentTool, kTypeText);
        c.click({60, 60});

        if (row.placed) {
            ASSERT_EQ(view.m_componentCount, 2);
            EXPECT_EQ(view.m_type[1], kTypeText);
            EXPECT_EQ(view.m_paramText[1], row.typed);
            EXPECT_EQ(g_currentTool, kTypeNone) << "each text needs the tool again";
            EXPECT_TRUE(session.document(view).isModified());
            continue;
        }
        EXPECT_EQ(g_currentTool, kTypeText) << "the tool stays armed";
        expectNothingWritten(session, view);
        // A text with something to show goes down at the next click.
        chooseTextTool(session, view, "Motor");
        c.click({60, 60});
        ASSERT_EQ(view.m_componentCount, 2);
        EXPECT_EQ(view.m_type[1], kTypeText);
        EXPECT_EQ(view.m_paramText[1], "Motor");
    }
}

// Sheets written before such items were refused still hold them: they load,
// paint, and save back to the same bytes.
TEST(FreeDrawingToolsSession, SheetWithItemsThatShowNothingLoadsAndSavesUnchanged) {
    testkit::Session session;
    const std::string path = session.workDir() + "/invisible_items.cad";
    const std::string original = filetest::fixtureText("invisible_items.cad");
    filetest::writeBytes(path, original);
    CVelkarionView& view = session.openSheet(path);
    ASSERT_EQ(view.m_componentCount, 3);
    EXPECT_EQ(view.m_type[0], kTypeLine);
    EXPECT_EQ(view.m_type[1], kTypeEllipse);
    EXPECT_EQ(view.m_type[2], kTypeText);
    EXPECT_EQ(view.m_paramText[2], "   ");
    session.surface(view);
    EXPECT_TRUE(session.messages().empty());

    EXPECT_EQ(session.command(view, ID_FILE_SAVE), CommandResult::Handled);
    EXPECT_TRUE(session.messages().empty());
    EXPECT_EQ(filetest::readBytes(path), original);
}

TEST(FreeDrawingToolsSession, LineDrawnWithTheMouseIsKeptAndSaved) {
    testkit::Session session;
    CVelkarionView& view = session.newSheet();
    session.command(view, ID_TOOL_LINE);
    const Point from = session.unitsToWindow(view, 30, 12);
    const Point to = session.unitsToWindow(view, 9, 27);
    session.press(view, from.x, from.y);
    session.move(view, to.x, to.y);
    session.release(view, to.x, to.y);
    ASSERT_EQ(view.m_componentCount, 1);
    EXPECT_EQ(view.m_type[0], kTypeLine);
    EXPECT_EQ((Rect{view.m_x[0], view.m_y[0], view.m_x2[0], view.m_y2[0]}), (Rect{9, 12, 30, 27}));
    EXPECT_EQ(view.m_lineCorner[0], 2);
    EXPECT_EQ(g_currentTool, kTypeLine);
    EXPECT_TRUE(session.document(view).isModified());

    session.answerFileDialogs({"line.cad"});
    view.OnFileSaveAs();
    CVelkarionView& reloaded = session.openSheet("line.cad");
    ASSERT_EQ(reloaded.m_componentCount, 1);
    EXPECT_EQ(reloaded.m_lineCorner[0], 2);
    EXPECT_EQ(reloaded.m_x[0], 9);
}

}  // namespace
