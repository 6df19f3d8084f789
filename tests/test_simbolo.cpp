// The symbol editor: snapping, what each tool stores, the entry counts, the
// "ON = OFF" question, the value and text dialogs and what the canvas shows.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "dialogs/Librerias.h"
#include "dialogs/Simbolo.h"
#include "platform/msgbox.h"
#include "platform/text1250.h"
#include "testkit/dialog_window.h"
#include "testkit/testkit.h"

using namespace velk;
using velk::testkit::DialogDriver;
using velk::testkit::Session;

namespace {

// Mouse input in the editor's client pixels.
void mouse(DialogDriver& d, Notify n, int x, int y) {
    const Point o = CSimboloDlg::areaOrigin();
    d.dialog().userMouse(CSimboloDlg::kCanvasArea, n, {x - o.x, y - o.y});
}
void drag(DialogDriver& d, int x1, int y1, int x2, int y2) {
    mouse(d, Notify::MouseDown, x1, y1);
    mouse(d, Notify::MouseMove, x2, y2);
    mouse(d, Notify::MouseUp, x2, y2);
}
CSimboloDlg& editor(DialogDriver& d) { return static_cast<CSimboloDlg&>(d.dialog()); }

struct SymbolEditor : ::testing::Test {
    Session session;
    // Runs the editor with `script`, then closes it.
    void run(const std::function<void(DialogDriver&)>& script) {
        session.answerDialog(IDD_SIMBOLO, [&](DialogDriver& d) {
            script(d);
            d.click(IDCANCEL);
        });
        CSimboloDlg dialog;
        dialog.runModal();
        session.flush();
    }
};

TEST_F(SymbolEditor, PressSnapsToTheCanvasGridAtEachZoom) {
    run([&](DialogDriver& d) {
        struct Case {
            int zoom, x, y, px, py;
        };
        const Case cases[] = {{1, 137, 93, 130, 90}, {2, 137, 93, 120, 90}, {3, 137, 93, 130, 110},
                              {4, 137, 93, 140, 90}, {5, 137, 93, 100, 50}, {2, 20, 20, 100, 50}};
        for (const Case& c : cases) {
            SCOPED_TRACE(c.zoom);
            d.setText(1014, std::to_string(c.zoom));
            EXPECT_EQ(editor(d).pressPoint({c.x, c.y}), (Point{c.px, c.py}));
        }
        d.setText(1014, "2");
        d.click(1013);
        mouse(d, Notify::MouseMove, 137, 93);
        EXPECT_EQ(d.text(1024), "10, 20");
        mouse(d, Notify::MouseDown, 137, 93);
        EXPECT_EQ(editor(d).m_start, (Point{120, 90}));
    });
}

TEST_F(SymbolEditor, LinesKeepTheirDirectionAndBackwardEllipsesAreDropped) {
    run([&](DialogDriver& d) {
        d.click(1013);
        drag(d, 150, 110, 110, 70);  // up and left
        drag(d, 110, 70, 150, 110);  // down and right
        drag(d, 150, 70, 110, 110);  // down and left
        drag(d, 110, 110, 150, 70);  // up and right
        const int codes[] = {3, 1, 2, 4};
        for (int i = 0; i < 4; ++i) {
            SCOPED_TRACE(i);
            const SymbolPrim& p = g_symbolPrims[i];
            EXPECT_EQ(p.kind, 1);
            EXPECT_EQ((std::vector<int>{p.x1, p.y1, p.x2, p.y2, p.x3}), (std::vector<int>{10, 20, 50, 60, codes[i]}));
        }
        d.click(1015);
        drag(d, 150, 110, 110, 70);
        drag(d, 110, 110, 150, 70);
        EXPECT_EQ(d.text(1031), "4, 0");
        drag(d, 110, 70, 150, 110);
        EXPECT_EQ(g_symbolPrims[4].kind, 2);
        EXPECT_EQ(d.text(1031), "5, 0");
        // Dragged past the canvas: held at its edge.
        d.click(1013);
        drag(d, 110, 70, 900, 900);
        EXPECT_EQ((std::vector<int>{g_symbolPrims[5].x2, g_symbolPrims[5].y2}), (std::vector<int>{100, 100}));
    });
}

TEST_F(SymbolEditor, ArcTakesThreeEntriesAndHalvesStopAtTheirLast) {
    run([&](DialogDriver& d) {
        d.click(1016);
        for (Point p : {Point{150, 70}, Point{130, 70}, Point{110, 70}})
            mouse(d, Notify::MouseDown, p.x, p.y), mouse(d, Notify::MouseUp, p.x, p.y);
        EXPECT_EQ(d.text(1031), "3, 0");
        EXPECT_EQ(g_symbolPrims[0].kind, 0);
        const SymbolPrim& a = g_symbolPrims[2];
        EXPECT_EQ((std::vector<int>{a.kind, a.x1, a.y1, a.x2, a.y2, a.x3, a.y3}),
                  (std::vector<int>{3, 50, 20, 30, 20, 10, 20}));
        d.click(1013);
        for (int i = 0; i < 120; ++i) drag(d, 110, 70, 130, 90);
        EXPECT_EQ(d.text(1031), "99, 0");
        d.click(1025);
        EXPECT_EQ(editor(d).m_tool, 0);
        d.click(1013);
        for (int i = 0; i < 120; ++i) drag(d, 110, 70, 130, 90);
        EXPECT_EQ(d.text(1031), "99, 99");
        EXPECT_EQ(g_symbolPrims[199].kind, 1);
    });
}

TEST_F(SymbolEditor, OnEqualsOffAsksAndCopies) {
    run([&](DialogDriver& d) {
        d.click(1013);
        for (int i = 0; i < 5; ++i) drag(d, 110, 70, 130, 90);
        session.answerBoxes({BoxAnswer::No, BoxAnswer::Yes});
        d.click(1027);
        EXPECT_EQ(d.text(1031), "5, 0");
        d.click(1027);
        EXPECT_EQ(d.text(1031), "5, 5");
        EXPECT_EQ(g_symbolPrims[104].kind, 1);
    });
    ASSERT_EQ(session.messages().size(), 2u);
    EXPECT_EQ(session.messages()[0].text, cp1250("Igualar el símbolo ON al símbolo OFF"));
    EXPECT_EQ(session.messages()[0].icon, BoxIcon::Stop);
    EXPECT_EQ(session.messages()[0].buttons, BoxButtons::YesNo);
}

TEST_F(SymbolEditor, NumberAndTextComeFromTheirDialogsAndFillIsOneUse) {
    session.answerDialog(IDD_NUMERICO, [](DialogDriver& d) {
        EXPECT_TRUE(d.checked(1036));
        d.setText(1038, "13");
        d.click(IDOK);
    });
    session.answerDialog(IDD_SIMTEXTO, [](DialogDriver& d) {
        EXPECT_TRUE(d.checked(1037));
        d.setText(1040, "K*M1");
        d.click(1036);
        d.click(IDOK);
    });
    run([&](DialogDriver& d) {
        d.click(1018);
        EXPECT_EQ(editor(d).m_tool, 5);
        drag(d, 110, 70, 110, 70);
        EXPECT_EQ(editor(d).m_tool, 0);
        d.click(1019);
        drag(d, 130, 70, 130, 70);
        d.click(1017);
        drag(d, 103, 53, 103, 53);
        EXPECT_EQ(editor(d).m_tool, 0);
        // Escape and a right click clear the tool; "Cancel" leaves none chosen.
        d.click(1013);
        mouse(d, Notify::RightDown, 120, 80);
        EXPECT_EQ(editor(d).m_tool, 0);
    });
    EXPECT_EQ((std::vector<int>{g_symbolPrims[0].kind, g_symbolPrims[0].x3}), (std::vector<int>{5, 1}));
    EXPECT_EQ(g_symbolTexts[0], "13");
    EXPECT_EQ((std::vector<int>{g_symbolPrims[1].kind, g_symbolPrims[1].x3}), (std::vector<int>{6, 1}));
    EXPECT_EQ(g_symbolTexts[1], "KM1");
    EXPECT_EQ((std::vector<int>{g_symbolPrims[2].kind, g_symbolPrims[2].x1, g_symbolPrims[2].y1}),
              (std::vector<int>{4, 3, 3}));
}

TEST_F(SymbolEditor, CrossHairOverTheCanvasWhileAToolIsChosen) {
    run([&](DialogDriver& d) {
        auto shape = [&] { return d.dialog().cursor(CSimboloDlg::kCanvasArea); };
        mouse(d, Notify::MouseMove, 150, 100);
        EXPECT_EQ(shape(), CursorShape::Arrow) << "no tool";
        d.click(1013);
        EXPECT_EQ(shape(), CursorShape::Cross) << "the tool is chosen over the canvas";
        struct Case {
            int x, y;
            CursorShape shape;
        };
        // The canvas at zoom 1 and 100 x 100 units: pixels 101 to 199 and 51 to 149.
        const Case cases[] = {{101, 51, CursorShape::Cross},  {199, 149, CursorShape::Cross},
                              {100, 100, CursorShape::Arrow}, {150, 50, CursorShape::Arrow},
                              {200, 100, CursorShape::Arrow}, {150, 150, CursorShape::Arrow}};
        for (const Case& c : cases) {
            SCOPED_TRACE(std::to_string(c.x) + ", " + std::to_string(c.y));
            mouse(d, Notify::MouseMove, c.x, c.y);
            EXPECT_EQ(shape(), c.shape);
        }
        d.setText(1014, "2");  // the canvas grows under the pointer
        EXPECT_EQ(shape(), CursorShape::Cross);
        mouse(d, Notify::RightDown, 150, 100);
        EXPECT_EQ(shape(), CursorShape::Arrow);
        d.click(1017);
        mouse(d, Notify::MouseMove, 150, 100);
        EXPECT_EQ(shape(), CursorShape::Cross);
        drag(d, 150, 100, 150, 100);  // a fill is one use
        EXPECT_EQ(shape(), CursorShape::Arrow);
        d.click(1013);
        d.click(1025);
        EXPECT_EQ(shape(), CursorShape::Arrow) << "choosing a half clears the tool";
    });
}

TEST_F(SymbolEditor, OnScreenTheCanvasShowsTheCrossHair) {
    CSimboloDlg dialog;
    const bool answered = testkit::runInWindow(dialog, [&](testkit::DialogWindowDriver& w) {
        const Point o = CSimboloDlg::areaOrigin();
        const int area = CSimboloDlg::kCanvasArea;
        w.movePointer(area, {150 - o.x, 100 - o.y});
        EXPECT_EQ(w.shownCursor(area), CursorShape::Arrow);
        w.click(1013);
        w.movePointer(area, {150 - o.x, 100 - o.y});
        EXPECT_EQ(w.shownCursor(area), CursorShape::Cross);
        w.movePointer(area, {250 - o.x, 100 - o.y});
        EXPECT_EQ(w.shownCursor(area), CursorShape::Arrow);
        w.click(IDCANCEL);
    });
    EXPECT_TRUE(answered);
}

// A size or zoom typed outside its range gets the range message that every number
// field gives, and is then held at the range's end; a value within it passes
// silently, and so does an emptied field that is being retyped.
TEST_F(SymbolEditor, SizesOutOfRangeAreToldAndHeldAtTheirEnds) {
    struct Case {
        const char* name;
        int field;
        const char* typed;
        const char* shown;
        int CSimboloDlg::*member;
        int value;
        const char* message;  // nullptr: none
    };
    const Case cases[] = {
        {"width 300", 1010, "300", "200", &CSimboloDlg::m_width, 200, "Wprowadź liczbę całkowitą z zakresu od 1 do 200."},
        {"width 150", 1010, "150", "150", &CSimboloDlg::m_width, 150, nullptr},
        {"height 0", 1009, "0", "1", &CSimboloDlg::m_height, 1, "Wprowadź liczbę całkowitą z zakresu od 1 do 200."},
        {"height not a number", 1009, "x", "1", &CSimboloDlg::m_height, 1,
         "Wprowadź liczbę całkowitą z zakresu od 1 do 200."},
        {"height being retyped", 1009, "", "", &CSimboloDlg::m_height, 100, nullptr},
        {"zoom 9", 1014, "9", "5", &CSimboloDlg::m_zoom, 5, "Wprowadź liczbę całkowitą z zakresu od 1 do 5."},
        {"zoom 3", 1014, "3", "3", &CSimboloDlg::m_zoom, 3, nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        session.clearMessages();
        run([&](DialogDriver& d) {
            d.setText(c.field, c.typed);
            EXPECT_EQ(d.text(c.field), c.shown);
            EXPECT_EQ(editor(d).*c.member, c.value);
        });
        std::vector<std::string> told;
        for (const BoxRecord& b : session.messages()) told.push_back(TextCodec1250::toUtf8(b.text));
        EXPECT_EQ(told, c.message ? std::vector<std::string>{c.message} : std::vector<std::string>{});
    }
}

TEST_F(SymbolEditor, SpinsStepByTenAndSnapToggles) {
    run([&](DialogDriver& d) {
        EXPECT_EQ(d.text(1010), "100");
        d.scroll(1011, 0);  // one step up from 10
        EXPECT_EQ(editor(d).m_height, 110);
        EXPECT_EQ(d.text(1009), "110");
        d.click(1023);
        EXPECT_FALSE(editor(d).m_snap);
    });
    EXPECT_TRUE(session.messages().empty());
}

TEST_F(SymbolEditor, CanvasShowsGridAndEachHalfInItsColour) {
    g_editorLibraryName = "AB";
    g_editorSymbolName = "abc";
    session.answerDialog(IDD_NUMERICO, [](DialogDriver& d) {
        d.setText(1038, "13");
        d.click(1037);
        d.click(IDOK);
    });
    session.answerDialog(IDD_SIMTEXTO, [](DialogDriver& d) {
        d.setText(1040, "KM");
        d.click(IDOK);
    });
    run([&](DialogDriver& d) {
        EXPECT_EQ(d.text(1030), "AB");
        EXPECT_EQ(d.text(1029), "abc");
        d.setText(1014, "2");
        d.click(1013);
        drag(d, 120, 70, 180, 70);
        d.click(1015);
        drag(d, 120, 90, 180, 130);
        d.click(1016);
        for (Point p : {Point{240, 110}, Point{220, 110}, Point{200, 110}})
            mouse(d, Notify::MouseDown, p.x, p.y), mouse(d, Notify::MouseUp, p.x, p.y);
        d.click(1017);
        drag(d, 150, 110, 150, 110);
        d.click(1018);
        drag(d, 200, 150, 200, 150);
        d.click(1019);
        drag(d, 120, 150, 120, 150);
        session.answerBoxes({BoxAnswer::Yes});
        d.click(1027);
        d.click(1025);
        const Surface s = renderDialog(d.dialog());
        EXPECT_EQ(s.pixel(150, 70), rgb(255, 0, 0));
        EXPECT_EQ(s.pixel(150, 110), rgb(255, 0, 0));  // the filled ellipse
        EXPECT_EQ(s.pixel(291, 241), rgb(255, 255, 255));
        EXPECT_EQ(s.pixel(280, 230), rgb(0, 128, 128));
        d.click(1026);
        const Surface off = renderDialog(d.dialog());
        EXPECT_EQ(off.pixel(150, 70), rgb(0, 0, 255));
    });
}

}  // namespace
