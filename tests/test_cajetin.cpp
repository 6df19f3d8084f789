// The title-block data dialog: what it shows, what typing may put in, the
// alignment radios, OK and Cancel, and the command that runs it on a sheet.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "dialogs/Cajetin.h"
#include "platform/msgbox.h"
#include "platform/text1250.h"
#include "res/Resource.h"
#include "testkit/recording_dc.h"
#include "testkit/testkit.h"

using namespace velk;
using velk::testkit::DialogDriver;
using velk::testkit::Session;

namespace {

struct TextField {
    int id;
    int text;
    int limit;
};
const TextField kFields[] = {{1056, 0, 11}, {1057, 1, 11}, {1058, 2, 11}, {1059, 3, 11}, {1060, 4, 25},
                             {1061, 5, 25}, {1062, 6, 11}, {1064, 7, 11}, {1066, 8, 11}, {1065, 9, 20}};
const int kShowBoxes[kTitleRowCount] = {1063, 1067, 1006, 1007, 1008, 1009, 1010};
const int kRadios[kTitleRowCount][3] = {{1068, 1069, 1070}, {1071, 1072, 1073}, {1074, 1075, 1076},
                                        {1083, 1084, 1085}, {1080, 1081, 1082}, {1089, 1090, 1091},
                                        {1086, 1087, 1088}};
constexpr int kTitleRow = 3;

// A new sheet with known title-block values.
struct TitleSheet {
    Session session;
    CVelkarionView& view = session.newSheet();
    SheetDocument& doc = session.document(view);
    TitleSheet() {
        const char* texts[kTitleTextCount] = {"01-01-24", "Nowak",  "02-01-24", "Kowal", "Zakład",
                                              "Sterowanie pompą", "03-01-24", "2", "5", "pompa.cad"};
        for (int t = 0; t < kTitleTextCount; ++t) doc.m_titleText[t] = cp1250(texts[t]);
        const int shows[kTitleRowCount] = {1, 1, 1, 1, 0, 1, 1};
        const int aligns[kTitleRowCount] = {0, 1, 2, 0, 1, 2, 0};
        for (int r = 0; r < kTitleRowCount; ++r) {
            doc.m_titleShow[r] = shows[r];
            doc.m_titleAlign[r] = aligns[r];
        }
        doc.setModified(false);
        session.flush();
    }
    // The dialog run by the view's handler itself, so that the repaint it asks for
    // is still pending afterwards.
    void edit(testkit::DialogScript script) {
        session.answerDialog(IDD_CAJETIN, std::move(script));
        view.OnEditTitleBlock();
    }
};

int selectedColumn(DialogDriver& d, int row) {
    int column = -1;
    for (int c = 0; c < 3; ++c)
        if (d.checked(kRadios[row][c])) column = column == -1 ? c : 99;
    return column;
}

TEST(TitleBlockDialog, ShowsTheDocumentsValues) {
    TitleSheet s;
    s.edit([&](DialogDriver& d) {
        EXPECT_EQ(d.dialog().dialogTemplate().width, 352);
        EXPECT_EQ(d.dialog().dialogTemplate().height, 135);
        for (const TextField& f : kFields)
            EXPECT_EQ(d.text(f.id), TextCodec1250::toUtf8(s.doc.m_titleText[f.text])) << f.id;
        for (int r = 0; r < kTitleRowCount; ++r) {
            SCOPED_TRACE("row " + std::to_string(r));
            EXPECT_EQ(d.checked(kShowBoxes[r]), s.doc.m_titleShow[r] == 1);
            EXPECT_EQ(selectedColumn(d, r), s.doc.m_titleAlign[r]);
        }
        EXPECT_EQ(d.focus(), 1056);
        d.escape();
    });
}

TEST(TitleBlockDialog, FieldsTakeTheirLimitsAndRefuseWhatTheSheetCannotHold) {
    for (const TextField& f : kFields) {
        SCOPED_TRACE(std::to_string(f.id));
        TitleSheet s;
        const int beeps = beepCount();
        s.edit([&](DialogDriver& d) {
            d.setText(f.id, "");
            d.setText(f.id, "a*b#c$dñe¿");
            EXPECT_EQ(d.text(f.id), "abcde");
            d.setText(f.id, std::string(40, 'x'));
            EXPECT_EQ(d.text(f.id), std::string(static_cast<std::size_t>(f.limit), 'x'));
            d.setText(f.id, "Łódź");
            d.enter();
        });
        EXPECT_EQ(beepCount() - beeps, 2);
        EXPECT_EQ(s.doc.m_titleText[f.text], cp1250("Łódź"));
    }
}

TEST(TitleBlockDialog, RightInTheTitleRowIsStoredAndDrawn) {
    TitleSheet s;
    s.edit([](DialogDriver& d) {
        d.click(kRadios[kTitleRow][2]);
        d.click(IDOK);
    });
    EXPECT_EQ(s.doc.m_titleAlign[kTitleRow], 2);
    EXPECT_TRUE(s.doc.isModified());
    EXPECT_TRUE(s.view.hasPendingPaint());
    EXPECT_EQ(s.view.pendingPaintArea(), (Rect{0, 0, Session::kClientWidth, Session::kClientHeight}));

    testkit::RecordingDc dc;
    s.view.DrawTitleBlock2(dc, s.doc.m_zoom, 0, 0);
    bool drawn = false;
    for (const testkit::DcCall& call : dc.callsOf(testkit::DcOp::TextOut))
        if (call.text == cp1250("Sterowanie pompą")) {
            drawn = true;
            EXPECT_EQ(call.textAlign, kAlignRight | kAlignTop);
        }
    EXPECT_TRUE(drawn);
}

TEST(TitleBlockDialog, OkStoresWhatTheUserChose) {
    struct Case {
        const char* name;
        std::function<void(SheetDocument&)> before;
        std::function<void(DialogDriver&)> script;
        std::function<void(const SheetDocument&)> check;
    };
    const Case cases[] = {
        {"a cleared shown box stores 0 and keeps the text", nullptr,
         [](DialogDriver& d) { d.click(kShowBoxes[kTitleRow]); },
         [](const SheetDocument& doc) {
             EXPECT_EQ(doc.m_titleShow[kTitleRow], 0);
             EXPECT_EQ(doc.m_titleText[5], cp1250("Sterowanie pompą"));
         }},
        {"a ticked shown box stores 1", nullptr, [](DialogDriver& d) { d.click(kShowBoxes[4]); },
         [](const SheetDocument& doc) { EXPECT_EQ(doc.m_titleShow[4], 1); }},
        {"alignment 7 selects no radio and OK keeps it",
         [](SheetDocument& doc) { doc.m_titleAlign[2] = 7; },
         [](DialogDriver& d) {
             EXPECT_EQ(selectedColumn(d, 2), -1);
             d.click(kRadios[1][2]);  // another row's radio leaves it alone
             EXPECT_EQ(selectedColumn(d, 2), -1);
         },
         [](const SheetDocument& doc) {
             EXPECT_EQ(doc.m_titleAlign[2], 7);
             EXPECT_EQ(doc.m_titleAlign[1], 2);
         }},
        {"every row takes its own radio",
         nullptr,
         [](DialogDriver& d) {
             for (int r = 0; r < kTitleRowCount; ++r) d.click(kRadios[r][(r + 1) % 3]);
         },
         [](const SheetDocument& doc) {
             for (int r = 0; r < kTitleRowCount; ++r) EXPECT_EQ(doc.m_titleAlign[r], (r + 1) % 3) << r;
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TitleSheet s;
        if (c.before) c.before(s.doc);
        s.edit([&](DialogDriver& d) {
            c.script(d);
            d.click(IDOK);
        });
        c.check(s.doc);
        EXPECT_TRUE(s.doc.isModified());
    }
}

TEST(TitleBlockDialog, RadiosStayExclusiveAndKeepTypedTextAndTicks) {
    TitleSheet s;
    s.edit([](DialogDriver& d) {
        d.setText(1061, "Nowy tytuł");
        d.click(kShowBoxes[kTitleRow]);
        d.click(kShowBoxes[4]);
        for (int r = 0; r < kTitleRowCount; ++r)
            for (int c = 0; c < 3; ++c) {
                std::vector<int> others;
                for (int o = 0; o < kTitleRowCount; ++o) others.push_back(selectedColumn(d, o));
                d.click(kRadios[r][c]);
                SCOPED_TRACE("row " + std::to_string(r) + " column " + std::to_string(c));
                EXPECT_EQ(selectedColumn(d, r), c);
                for (int o = 0; o < kTitleRowCount; ++o)
                    if (o != r) {
                        EXPECT_EQ(selectedColumn(d, o), others[static_cast<std::size_t>(o)]) << o;
                    }
                EXPECT_EQ(d.text(1061), "Nowy tytuł");
                EXPECT_FALSE(d.checked(kShowBoxes[kTitleRow]));
                EXPECT_TRUE(d.checked(kShowBoxes[4]));
            }
        d.click(IDOK);
    });
    EXPECT_EQ(s.doc.m_titleText[5], cp1250("Nowy tytuł"));
    EXPECT_EQ(s.doc.m_titleShow[kTitleRow], 0);
    EXPECT_EQ(s.doc.m_titleShow[4], 1);
    for (int r = 0; r < kTitleRowCount; ++r) EXPECT_EQ(s.doc.m_titleAlign[r], 2);
}

TEST(TitleBlockDialog, OverLongFileNameIsShownAndRefusedAtOk) {
    TitleSheet s;
    const std::string longName = "a_rather_long_sheet_name.cad";  // 28 characters
    s.doc.m_titleText[9] = longName;
    s.edit([&](DialogDriver& d) {
        EXPECT_EQ(d.text(1065), longName);
        d.setText(1061, "Inny");
        d.click(IDOK);
        EXPECT_TRUE(d.isOpen());
        EXPECT_EQ(d.focus(), 1065);
        ASSERT_EQ(s.session.messages().size(), 1u);
        EXPECT_EQ(TextCodec1250::toUtf8(s.session.messages()[0].text), "Wprowadź nie więcej niż 20 znaków.");
        EXPECT_EQ(g_titleText[5], cp1250("Sterowanie pompą")) << "nothing copied";
        d.setText(1065, "short.cad");
        d.click(IDOK);
    });
    EXPECT_EQ(s.session.messages().size(), 1u);
    EXPECT_EQ(s.doc.m_titleText[9], "short.cad");
    EXPECT_EQ(s.doc.m_titleText[5], "Inny");
}

TEST(TitleBlockDialog, CancelChangesNothingAndDoesNotRepaint) {
    for (const bool escape : {false, true}) {
        SCOPED_TRACE(escape ? "Escape" : "Cancel button");
        TitleSheet s;
        const SheetDocument before = s.doc;
        s.edit([&](DialogDriver& d) {
            d.setText(1056, "zmiana");
            d.click(kShowBoxes[0]);
            d.click(kRadios[0][2]);
            if (escape)
                d.escape();
            else
                d.click(IDCANCEL);
        });
        for (int t = 0; t < kTitleTextCount; ++t) EXPECT_EQ(s.doc.m_titleText[t], before.m_titleText[t]);
        for (int r = 0; r < kTitleRowCount; ++r) {
            EXPECT_EQ(s.doc.m_titleShow[r], before.m_titleShow[r]);
            EXPECT_EQ(s.doc.m_titleAlign[r], before.m_titleAlign[r]);
        }
        EXPECT_FALSE(s.doc.isModified());
        EXPECT_FALSE(s.view.hasPendingPaint());
    }
}

TEST(TitleBlockDialog, OkWithoutChangesLeavesTheSheetUnmodified) {
    TitleSheet s;
    s.edit([](DialogDriver& d) { d.enter(); });
    EXPECT_FALSE(s.doc.isModified());
    EXPECT_TRUE(s.view.hasPendingPaint());
}

TEST(TitleBlockDialog, CommandEditsANewSheetAndTheFileKeepsIt) {
    Session session;
    CVelkarionView& view = session.newSheet();
    EXPECT_EQ(session.isEnabled(view, ID_EDIT_TITLE_BLOCK), std::optional<bool>(true));
    session.answerDialog(IDD_CAJETIN, [](DialogDriver& d) {
        d.setText(1056, "10-05-24");
        d.setText(1057, "Wiśniewski");
        d.setText(1060, "Politechnika");
        d.setText(1061, "Rozruch gwiazda-trójkąt");
        d.setText(1066, "4");
        d.click(kRadios[kTitleRow][2]);
        d.click(kRadios[0][0]);
        d.click(kShowBoxes[1]);
        d.click(IDOK);
    });
    ASSERT_EQ(session.command(view, ID_EDIT_TITLE_BLOCK), CommandResult::Handled);
    SheetDocument& doc = session.document(view);
    EXPECT_EQ(doc.m_titleText[1], cp1250("Wiśniewski"));
    EXPECT_TRUE(doc.isModified());

    const std::string path = session.workDir() + "/tabelka.cad";
    session.answerFileDialogs({path});
    view.OnFileSaveAs();
    CVelkarionView& again = session.openSheet(path);
    const SheetDocument& back = session.document(again);
    const char* texts[] = {"10-05-24", "Wiśniewski", "", "", "Politechnika", "Rozruch gwiazda-trójkąt"};
    for (int t = 0; t < 6; ++t) EXPECT_EQ(TextCodec1250::toUtf8(back.m_titleText[t]), texts[t]) << t;
    EXPECT_EQ(back.m_titleText[8], "4");
    EXPECT_EQ(back.m_titleAlign[kTitleRow], 2);
    EXPECT_EQ(back.m_titleAlign[0], 0);
    EXPECT_EQ(back.m_titleShow[1], 0);
    EXPECT_EQ(back.m_titleShow[0], 1);
    EXPECT_TRUE(session.messages().empty());
}

TEST(TitleBlockDialog, CommandStaysUsableWhileSimulating) {
    Session session;
    CVelkarionView& view = session.newSheet();
    session.command(view, ID_MODE_RUN);
    EXPECT_EQ(session.isEnabled(view, ID_EDIT_TITLE_BLOCK), std::optional<bool>(true));
    session.answerDialog(IDD_CAJETIN, [](DialogDriver& d) {
        d.setText(1061, "W ruchu");
        d.enter();
    });
    session.command(view, ID_EDIT_TITLE_BLOCK);
    EXPECT_EQ(session.document(view).m_titleText[5], "W ruchu");
    session.command(view, ID_MODE_EDIT);
}

}  // namespace
