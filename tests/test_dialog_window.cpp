// The window of a table-driven dialog passes keys and clicks to the dialog and
// shows its answer: refused characters never appear, Enter is OK, Escape and the
// close box are Cancel, a failed OK leaves the focus on the field at fault.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "dialogs/Cajetin.h"
#include "platform/text1250.h"
#include "testkit/dialog_window.h"
#include "testkit/testkit.h"

using namespace velk;
using velk::testkit::DialogWindowDriver;
using velk::testkit::Session;

namespace {

void fillTitle() {
    for (int t = 0; t < kTitleTextCount; ++t) g_titleText[t] = "t" + std::to_string(t);
    g_titleShow.fill(1);
    g_titleAlign.fill(1);
}

TEST(DialogWindow, TypingAndRadiosGoThroughTheDialog) {
    Session session;
    fillTitle();
    CCajetinDlg dialog;
    const bool answered = testkit::runInWindow(dialog, [&](DialogWindowDriver& w) {
        EXPECT_EQ(w.focusId(), 1056);
        w.type(1061, "a*b#ñc$ł");
        EXPECT_EQ(w.shownText(1061), "abcł");
        EXPECT_EQ(dialog.text(1061), "abcł");
        w.type(1056, "123456789012345");
        EXPECT_EQ(w.shownText(1056), "12345678901");
        w.click(1085);
        EXPECT_TRUE(w.shownChecked(1085));
        EXPECT_FALSE(w.shownChecked(1084));
        EXPECT_EQ(w.shownText(1061), "abcł") << "the radio keeps what was typed";
        w.click(1007);
        EXPECT_FALSE(w.shownChecked(1007));
        w.pressEnter();
    });
    EXPECT_TRUE(answered);
    EXPECT_EQ(dialog.result(), DialogResult::Ok);
    EXPECT_EQ(g_titleText[5], cp1250("abcł"));
    EXPECT_EQ(g_titleText[0], "12345678901");
    EXPECT_EQ(g_titleAlign[3], 2);
    EXPECT_EQ(g_titleShow[3], 0);
}

TEST(DialogWindow, EscapeCloseBoxAndAFailedOk) {
    struct Case {
        const char* name;
        std::function<void(DialogWindowDriver&)> close;
    };
    const Case cases[] = {
        {"Escape", [](DialogWindowDriver& w) { w.pressEscape(); }},
        {"close box", [](DialogWindowDriver& w) { w.closeBox(); }},
        {"Cancel button", [](DialogWindowDriver& w) { w.click(IDCANCEL); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Session session;
        fillTitle();
        g_titleText[9] = "a_rather_long_sheet_name.cad";
        CCajetinDlg dialog;
        const bool answered = testkit::runInWindow(dialog, [&](DialogWindowDriver& w) {
            w.type(1061, "zmiana");
            w.pressEnter();
            EXPECT_TRUE(dialog.isOpen()) << "the over-long file name is refused";
            EXPECT_EQ(session.messages().size(), 1u);
            EXPECT_EQ(w.focusId(), 1065);
            c.close(w);
        });
        EXPECT_TRUE(answered);
        EXPECT_EQ(dialog.result(), DialogResult::Cancel);
        EXPECT_EQ(g_titleText[5], "t5");
    }
}

}  // namespace
