// Several windows on one sheet: Window > New window shows the same sheet, the
// Window menu lists the windows, Ctrl+F6 and Ctrl+Tab cycle them, a window with
// changes asks before it goes, the captions and prompt read as written, and the
// mode panes speak of the window in front.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "app/MainFrm.h"
#include "file_test_support.h"
#include "model/TypeCodes.h"
#include "model/VelkarionView.h"
#include "platform/app.h"
#include "platform/dc.h"
#include "platform/frame.h"
#include "platform/surface.h"
#include "platform/text1250.h"
#include "res/Resource.h"
#include "testkit/testkit.h"

using namespace velk;
using velk::testkit::Session;

namespace {

MdiChild* frameOf(Session& session, CVelkarionView& v) {
    for (MdiChild* c : session.mainFrame().children())
        if (c->view() == &v) return c;
    return nullptr;
}

}  // namespace

TEST(SheetWindows, NewWindowShowsTheSameItemsAndTheMenuListsEveryWindow) {
    Session session;
    CVelkarionView& first = session.newSheet();
    for (int i = 0; i < 3; ++i) {
        first.m_type[i] = kTypeWirePhase;
        first.m_x[i] = 30 + 6 * i;
        first.m_y[i] = 30;
        first.m_x2[i] = 30 + 6 * i;
        first.m_y2[i] = 60;
        first.m_componentId[i] = i;
    }
    first.m_componentCount = 3;
    session.command(first, ID_WINDOW_NEW);
    ASSERT_EQ(session.views().size(), 2u);
    CVelkarionView& second = *session.views()[1];
    ASSERT_EQ(session.activeView(), &second);
    EXPECT_EQ(second.m_componentCount, 3) << "the new window shows the sheet";
    for (int i = 0; i < 3; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(second.m_type[i], first.m_type[i]);
        EXPECT_EQ(second.m_x[i], first.m_x[i]);
        EXPECT_EQ(second.m_y2[i], first.m_y2[i]);
    }
    EXPECT_EQ(session.surface(second).pixel(session.unitsToWindow(second, 36, 45).x,
                                            session.unitsToWindow(second, 36, 45).y),
              session.surface(first).pixel(session.unitsToWindow(first, 36, 45).x,
                                           session.unitsToWindow(first, 36, 45).y));

    // The list of windows, the active one checked, and the keys that cycle them.
    struct Row {
        const char* keys;
        int activeAfter;
    };
    const Row rows[] = {{"Ctrl+F6", 0}, {"Ctrl+F6", 1}, {"Ctrl+Tab", 0}, {"Ctrl+Shift+Tab", 1}, {"Ctrl+Shift+F6", 0}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.keys);
        session.mainFrame().pressAccelerator(row.keys);
        session.flush();
        const auto list = session.mainFrame().windowList();
        ASSERT_EQ(list.size(), 2u);
        EXPECT_EQ(list[0].text, "&1 Velkar1:1");
        EXPECT_EQ(list[1].text, "&2 Velkar1:2");
        EXPECT_EQ(list[0].checked, row.activeAfter == 0);
        EXPECT_EQ(list[1].checked, row.activeAfter == 1);
        EXPECT_EQ(session.activeView(), session.views()[static_cast<std::size_t>(row.activeAfter)]);
    }
    session.command(first, kCmdSheetWindow1 + 1);
    EXPECT_EQ(session.activeView(), &second);
    EXPECT_EQ(session.isChecked(second, kCmdSheetWindow1 + 1), std::optional<bool>(true));
}

TEST(SheetWindows, AWindowWithChangesAsksEvenWithAnotherWindowOpen) {
    Session session;
    CVelkarionView& first = session.newSheet();
    session.command(first, ID_WINDOW_NEW);
    CVelkarionView& second = *session.views()[1];
    session.document(second).setModified(true);
    session.answerBoxes({BoxAnswer::Cancel});
    EXPECT_FALSE(session.closeWindow(second)) << "Cancel keeps the window";
    ASSERT_EQ(session.messages().size(), 1u);
    EXPECT_EQ(session.messages()[0].text, "¿Guardar los cambios en Velkar1?") << "the prompt as written";
    session.answerBoxes({BoxAnswer::No});
    EXPECT_TRUE(session.closeWindow(second)) << "asked again, and No closes it";
    EXPECT_EQ(session.messages().size(), 2u);
    EXPECT_EQ(session.views().size(), 1u);
}

TEST(SheetWindows, MaximisedSheetNamesItselfOnceInTheMainCaption) {
    Session session;
    CVelkarionView& v = session.newSheet();
    MdiChild* frame = frameOf(session, v);
    ASSERT_NE(frame, nullptr);
    EXPECT_EQ(session.mainTitle(), "Velkarion - Velkar1");
    frame->showMaximized();
    session.flush();
    EXPECT_EQ(session.mainTitle(), "Velkarion - [Velkar1]");
    frame->showNormal();
    session.flush();
    EXPECT_EQ(session.mainTitle(), "Velkarion - Velkar1");
}

TEST(SheetWindows, StandardDialogsSpeakPolish) {
    struct Row {
        const char* english;
        const char* polish;
    };
    const Row rows[] = {{"&Yes", "Tak"}, {"&No", "Nie"}, {"Cancel", "Anuluj"}};
    Session session;
    for (const Row& row : rows) {
        SCOPED_TRACE(row.english);
        EXPECT_EQ(Toolkit::standardText(row.english), row.polish);
    }
}

// Whatever part of the program needs the toolkit first, its standard dialogs speak
// Polish: here text is drawn before the program starts. Only a fresh process shows
// it (once started, the toolkit stays for the whole run), so the test runs itself
// again as a new process that does just that.
TEST(SheetWindows, StandardDialogsSpeakPolishWhenTextWasDrawnFirst) {
    if (std::getenv("VELK_FRESH_TOOLKIT")) {
        Surface surface(80, 20);
        Dc dc(surface);
        dc.textOut(2, 2, "-K1");
        Session session;
        EXPECT_EQ(Toolkit::standardText("&Yes"), "Tak");
        EXPECT_EQ(Toolkit::standardText("Cancel"), "Anuluj");
        return;
    }
    const std::string self = std::filesystem::read_symlink("/proc/self/exe").string();
    const std::string run = "VELK_FRESH_TOOLKIT=1 '" + self +
                            "' --gtest_filter=SheetWindows.StandardDialogsSpeakPolishWhenTextWasDrawnFirst"
                            " > /dev/null 2>&1";
    EXPECT_EQ(std::system(run.c_str()), 0) << "a fresh run of this test failed: " << run;
}

// The grid flag is saved with the sheet, so switching it is a change that Close
// asks about; once the window has gone its mode panes are empty again.
TEST(SheetWindows, GridIsAChangeAndClosingClearsTheModePanes) {
    Session session;
    CVelkarionView& v = session.newSheet();
    ASSERT_FALSE(session.document(v).isModified());
    session.command(v, ID_VIEW_GRID);
    EXPECT_TRUE(session.document(v).isModified());
    session.command(v, ID_MODE_RUN);
    EXPECT_EQ(session.paneText(2), "Run");
    session.command(v, ID_MODE_EDIT);
    session.answerBoxes({BoxAnswer::No});
    ASSERT_TRUE(session.closeWindow(v));
    ASSERT_EQ(session.messages().size(), 1u);
    EXPECT_EQ(session.messages()[0].text, "¿Guardar los cambios en Velkar1?");
    EXPECT_EQ(session.paneText(0), "Velkarion");
    EXPECT_EQ(session.paneText(1), "");
    EXPECT_EQ(session.paneText(2), "");
    // The open dialog offers the program's sheets first.
    session.answerFileDialogs({""});
    session.command(ID_FILE_OPEN);
    ASSERT_FALSE(session.fileDialogs().empty());
    EXPECT_NE(session.fileDialogs().back().filter.find("|*.cad|"), std::string::npos);
}

// Closing the window in front brings another one forward, and the mode panes then
// show that sheet's mode, whichever way the window was closed.
TEST(SheetWindows, ClosingTheFrontWindowShowsTheModeOfTheNextOne) {
    struct Row {
        const char* name;
        std::vector<int> modeOfA;  // commands given in A
        const char* mode;
        const char* run;
        bool byFileClose;  // File Close, else the window's close button
    };
    const Row rows[] = {
        {"simulating", {ID_MODE_RUN}, "Simulación", "Run", false},
        {"simulating, File Close", {ID_MODE_RUN}, "Simulación", "Run", true},
        {"paused", {ID_MODE_RUN, ID_MODE_PAUSE}, "Simulación", "Pausa", false},
        {"step by step", {ID_MODE_RUN, ID_MODE_STEP}, "Simulación", "Paso a Paso", false},
        {"editing", {}, "Edición", "Stop", true},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        Session session;
        CVelkarionView& a = session.newSheet();
        CVelkarionView& b = session.newSheet();
        for (int id : row.modeOfA) session.command(a, id);
        session.command(a, kCmdSheetWindow1 + 1);  // B from the Window menu
        ASSERT_EQ(session.activeView(), &b);
        ASSERT_EQ(session.paneText(1), cp1250("Edición"));
        if (row.byFileClose)
            session.command(b, ID_FILE_CLOSE);
        else
            ASSERT_TRUE(session.closeWindow(b));
        ASSERT_EQ(session.views().size(), 1u);
        EXPECT_EQ(session.activeView(), &a);
        EXPECT_EQ(session.paneText(1), cp1250(row.mode));
        EXPECT_EQ(session.paneText(2), cp1250(row.run));
    }
}

// The mode panes belong to the window in front. Sheet A runs behind sheet B;
// pressing A's push button shorts the supply at A's next tick. Nothing A does or
// is made to do behind B (its fault, a mode command reaching it, its window
// closing) changes what the panes say of B, and A shows its own mode once it
// comes forward.
TEST(SheetWindows, ModePanesShowTheFrontWindowWhateverTheOneBehindDoes) {
    struct Row {
        const char* name;
        bool buttonHeld;           // A's button pressed with the mouse before B comes forward
        std::vector<int> modeOfB;  // commands given in B, in front
        void (*behind)(Session&, CVelkarionView& a);
        const char* modeOfA;  // A's panes once it comes forward; null when A has gone
        const char* runOfA;
    };
    const Row rows[] = {
        {"short circuit behind", true, {ID_MODE_RUN}, [](Session& s, CVelkarionView& a) { s.tick(a, 3); },
         "Edición", "Stop"},
        {"Edit reaches the window behind", false, {ID_MODE_RUN}, [](Session&, CVelkarionView& a) { a.OnModeEdit(); },
         "Edición", "Stop"},
        {"Pause reaches the window behind", false, {ID_MODE_RUN},
         [](Session&, CVelkarionView& a) { a.OnModePause(); }, "Simulación", "Pausa"},
        {"Step reaches the window behind", false, {ID_MODE_RUN, ID_MODE_PAUSE},
         [](Session&, CVelkarionView& a) { a.OnModeStep(); }, "Simulación", "Paso a Paso"},
        {"Simulate reaches the window behind", false, {ID_MODE_RUN, ID_MODE_EDIT},
         [](Session&, CVelkarionView& a) { a.OnModeRun(); }, "Simulación", "Run"},
        {"the window behind closes", false, {ID_MODE_RUN, ID_MODE_STEP},
         [](Session& s, CVelkarionView& a) { ASSERT_TRUE(s.closeWindow(a)); }, nullptr, nullptr},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        Session session;
        CVelkarionView& a = session.openSheet(filetest::fixturePath("button_shorts_supply.cad"));
        CVelkarionView& b = session.newSheet();
        session.command(a, ID_MODE_RUN);
        session.tick(a);
        if (row.buttonHeld) {
            int button = -1;
            for (int i = 0; i < a.m_componentCount; ++i)
                if (a.m_type[i] == kTypePushButtonNO) button = i;
            ASSERT_GE(button, 0);
            const Point p = session.unitsToWindow(a, a.m_x[button] - 3, a.m_y[button] + 6);
            session.move(a, p.x, p.y);
            session.press(a, p.x, p.y);
        }
        ASSERT_TRUE(session.messages().empty());

        // B comes forward as by a click on its window, and is given its commands.
        for (int id : row.modeOfB) session.command(b, id);
        ASSERT_EQ(session.activeView(), &b);
        const std::string modeOfB = session.paneText(1), runOfB = session.paneText(2);
        ASSERT_NE(runOfB, "");

        row.behind(session, a);
        EXPECT_EQ(session.messages().size(), row.buttonHeld ? 1u : 0u) << "the fault is A's own";
        EXPECT_EQ(session.activeView(), &b);
        EXPECT_EQ(session.paneText(1), modeOfB);
        EXPECT_EQ(session.paneText(2), runOfB);
        if (!row.modeOfA) continue;
        session.command(b, kCmdSheetWindow1);  // A from the Window menu
        ASSERT_EQ(session.activeView(), &a);
        EXPECT_EQ(session.paneText(1), cp1250(row.modeOfA));
        EXPECT_EQ(session.paneText(2), cp1250(row.runOfA));
    }
}
