// Dialogs built from tables: typing into edits, the exchange with members and its
// validation at OK, radios, the other control kinds, Enter and Escape, modal and
// modeless runs through the test kit, and the window made from the table.
#include <gtest/gtest.h>

#include <string>

#include "platform/dc.h"
#include "platform/dialog.h"
#include "platform/msgbox.h"
#include "platform/text1250.h"
#include "platform/window.h"
#include "testkit/testkit.h"

using namespace velk;
using velk::testkit::DialogDriver;
using velk::testkit::Session;

namespace {

constexpr int kProbeId = 9001;

enum : int {
    kSheetEdit = 101,
    kOwnEdit = 102,
    kIntEdit = 103,
    kFloatEdit = 104,
    kCheck = 105,
    kRadioA = 106,
    kRadioB = 107,
    kPush = 108,
    kBitmap = 109,
    kCombo = 110,
    kTrack = 111,
    kBuddy = 112,
    kSpin = 113,
    kArea = 114,
    kHiddenEdit = 115,
    kPlainBuddy = 116,
    kPlainSpin = 117,
};

constexpr ControlRow kProbeControls[] = {
    groupBox("Grupa", {4, 4, 200, 120}),
    staticText("Etykieta:", {8, 16, 40, 8}),
    edit(kSheetEdit, 5, {50, 14, 60, 12}, kSheetText),
    edit(kOwnEdit, 0, {50, 28, 60, 12}),
    intEdit(kIntEdit, 1, 200, {50, 42, 30, 12}),
    floatEdit(kFloatEdit, 0.1, 5, {90, 42, 30, 12}),
    checkBox(kCheck, "Pokaż", {8, 58, 50, 10}),
    radio(kRadioA, "A", {60, 58, 20, 10}),
    radio(kRadioB, "B", {84, 58, 20, 10}),
    pushButton(kPush, "Akcja", {8, 72, 40, 14}),
    bitmapButton(kBitmap, {52, 72, 20, 20}),
    sortedCombo(kCombo, {120, 14, 80, 40}),
    trackbar(kTrack, 0, 100, {8, 96, 120, 16}),
    intEdit(kBuddy, 1, 20, {130, 96, 24, 12}),
    spin(kSpin, kBuddy, 1, 20, {154, 96, 8, 12}, kBuddyNumber),
    intEdit(kPlainBuddy, 1, 200, {170, 96, 24, 12}),
    spin(kPlainSpin, kPlainBuddy, 1, 20, {194, 96, 8, 12}),
    ownerDrawn(kArea, {120, 58, 40, 30}),
    edit(kHiddenEdit, 10, {8, 112, 40, 12}, kHidden),
    pushButton(IDOK, "OK", {210, 8, 50, 14}, kDefaultButton),
    pushButton(IDCANCEL, "Anuluj", {210, 26, 50, 14}),
};

constexpr DialogTemplate kProbe = dialogTemplate(kProbeId, "Próba", 266, 130, kProbeControls);

// A dialog with one member per exchanged control and handlers that count.
class ProbeDialog : public Dialog {
public:
    ProbeDialog() : Dialog(kProbe) {
        on(kRadioA, Notify::Clicked, [this] { chooseRadio(0); });
        on(kRadioB, Notify::Clicked, [this] { chooseRadio(1); });
        on(kIntEdit, Notify::Changed, [this] { ++changes; });
        on(kPush, Notify::Clicked, [this] { ++pushes; });
        on(kCombo, Notify::SelectionChanged, [this] {
            takeValuesQuietly();
            ++selections;
            showValues();
        });
        on(kTrack, Notify::Scrolled, [this] { scrolls.push_back({scrollCode(), scrollPosition()}); });
        on(kSpin, Notify::Scrolled, [this] { spinPosition = scrollPosition(); });
        on(kArea, Notify::MouseDown, [this] { clickedAt = mousePoint(); });
    }
    void DoDataExchange(DataExchange& dx) override {
        dx.sheetText(kSheetEdit, sheet);
        dx.text(kOwnEdit, own);
        dx.integer(kIntEdit, whole);
        dx.number(kFloatEdit, fraction);
        dx.check(kCheck, ticked);
        dx.radio(kRadioA, radioA);
        dx.radio(kRadioB, radioB);
        dx.selection(kCombo, item);
        dx.position(kTrack, track);
    }
    bool OnInitDialog() override {
        addItem(kCombo, "żółw");
        addItem(kCombo, "Beta");
        addItem(kCombo, "alfa");
        return Dialog::OnInitDialog();
    }
    void OnDrawItem(int id, Dc& dc, int width, int height) override {
        dc.fillRect({0, 0, width, height}, rgb(255, 0, 0));
    }
    void chooseRadio(int which) {
        takeValuesQuietly();
        radioA = which == 0 ? 0 : -1;
        radioB = which == 1 ? 0 : -1;
        showValues();
    }

    std::string sheet = "ab";  // Windows-1250
    std::string own = "własny";
    int whole = 10;
    float fraction = 1.5f;
    int ticked = 0;
    int radioA = 0;
    int radioB = -1;
    int item = -1;
    int track = 30;
    int changes = 0;
    int pushes = 0;
    int selections = 0;
    std::vector<std::pair<int, int>> scrolls;
    int spinPosition = 0;
    Point clickedAt{-1, -1};
};

// Runs the probe dialog with `script` in a session; the dialog's result.
DialogResult runProbe(Session& session, ProbeDialog& dialog, testkit::DialogScript script) {
    session.answerDialog(kProbeId, std::move(script));
    return dialog.runModal();
}

TEST(Dialog, TypingRefusesWhatTheSheetCannotHold) {
    struct Case {
        const char* name;
        const char* before;  // Windows-1250 member, UTF-8 here
        const char* typed;   // the whole new text, as the user left it
        const char* shown;
        int beeps;
    };
    const Case cases[] = {
        {"plain letters", "", "abc", "abc", 0},
        {"star", "", "a*b", "ab", 1},
        {"hash", "", "#ab", "ab", 1},
        {"dollar", "", "ab$", "ab", 1},
        {"n with tilde", "", "año", "ao", 1},
        {"inverted question mark", "", "¿qué", "qué", 1},
        {"Polish letters pass", "", "łódź", "łódź", 0},
        {"beyond the limit of 5", "", "abcdefg", "abcde", 1},
        {"pasted into the middle, cut to the room left", "abcd", "abXYZcd", "abXcd", 1},
        {"deleting from an over-long text", "abcdefgh", "abcdefg", "abcdefg", 0},
        {"typing into a full field", "abcde", "abcdXe", "abcde", 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Session session;
        ProbeDialog dialog;
        dialog.sheet = cp1250(c.before);
        const int beeps = beepCount();
        std::string shown;
        runProbe(session, dialog, [&](DialogDriver& d) {
            d.setText(kSheetEdit, c.typed);
            shown = d.text(kSheetEdit);
            d.escape();
        });
        EXPECT_EQ(shown, c.shown);
        EXPECT_EQ(beepCount() - beeps, c.beeps);
    }
}

TEST(Dialog, OkValidatesOnceAndCopiesNothingOnFailure) {
    struct Case {
        const char* name;
        int control;
        const char* typed;  // empty: the member as it came
        std::string sheet;  // member before the run
        const char* message;
    };
    const Case cases[] = {
        {"over-long text from the document", 0, "", "abcdefgh", "Wprowadź nie więcej niż 5 znaków."},
        {"emptied whole number", kIntEdit, "", "ab", "Wprowadź liczbę całkowitą z zakresu od 1 do 200."},
        {"whole number above its range", kIntEdit, "201", "ab", "Wprowadź liczbę całkowitą z zakresu od 1 do 200."},
        {"letters in a whole number", kIntEdit, "1x", "ab", "Wprowadź liczbę całkowitą z zakresu od 1 do 200."},
        {"number below its range", kFloatEdit, "0.05", "ab", "Wprowadź liczbę z zakresu od 0.1 do 5."},
        {"empty number", kFloatEdit, "", "ab", "Wprowadź liczbę z zakresu od 0.1 do 5."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Session session;
        ProbeDialog dialog;
        dialog.sheet = c.sheet;
        std::string shownAtStart;
        int focusAfterOk = 0;
        bool openAfterOk = false;
        std::size_t messagesBeforeOk = 0;
        const DialogResult result = runProbe(session, dialog, [&](DialogDriver& d) {
            shownAtStart = d.text(kSheetEdit);
            d.setText(kOwnEdit, "nowy");
            d.click(kCheck);
            if (c.control) d.setText(c.control, c.typed);
            messagesBeforeOk = session.messages().size();
            d.click(IDOK);
            focusAfterOk = d.focus();
            openAfterOk = d.isOpen();
            d.click(IDCANCEL);
        });
        EXPECT_EQ(shownAtStart, TextCodec1250::toUtf8(c.sheet)) << "shown in full";
        EXPECT_EQ(messagesBeforeOk, 0u) << "typing shows no message";
        ASSERT_EQ(session.messages().size(), 1u);
        EXPECT_EQ(TextCodec1250::toUtf8(session.messages()[0].text), c.message);
        EXPECT_EQ(focusAfterOk, c.control ? c.control : kSheetEdit);
        EXPECT_TRUE(openAfterOk);
        EXPECT_EQ(result, DialogResult::Cancel);
        EXPECT_EQ(dialog.own, "własny") << "nothing is copied";
        EXPECT_EQ(dialog.ticked, 0);
        EXPECT_EQ(dialog.sheet, c.sheet);
    }
}

TEST(Dialog, OkTakesEveryControl) {
    Session session;
    ProbeDialog dialog;
    int changesWhileTyping = 0;
    const DialogResult result = runProbe(session, dialog, [&](DialogDriver& d) {
        EXPECT_EQ(d.text(kIntEdit), "10");
        EXPECT_EQ(d.text(kFloatEdit), "1.5");
        d.setText(kSheetEdit, "Żak");
        d.setText(kOwnEdit, "inny");
        d.setText(kIntEdit, "");
        d.setText(kIntEdit, " 42 ");
        changesWhileTyping = dialog.changes;
        d.setText(kFloatEdit, "2.25");
        d.click(kCheck);
        d.select(kCombo, "Beta");
        d.scroll(kTrack, kScrollThumbPosition, 70);
        d.enter();
    });
    EXPECT_EQ(result, DialogResult::Ok);
    EXPECT_TRUE(session.messages().empty());
    EXPECT_EQ(changesWhileTyping, 2) << "a change handler runs for every edit, without a message";
    EXPECT_EQ(dialog.sheet, cp1250("Żak"));
    EXPECT_EQ(dialog.own, "inny");
    EXPECT_EQ(dialog.whole, 42);
    EXPECT_FLOAT_EQ(dialog.fraction, 2.25f);
    EXPECT_EQ(dialog.ticked, 1);
    EXPECT_EQ(dialog.item, 1) << "sorted: alfa, Beta, żółw";
    EXPECT_EQ(dialog.track, 70);
}

TEST(Dialog, RadiosStayExclusiveAndKeepWhatWasTyped) {
    Session session;
    ProbeDialog dialog;
    struct Seen {
        bool a, b;
        std::string own, whole;
        bool ticked;
    };
    std::vector<Seen> seen;
    runProbe(session, dialog, [&](DialogDriver& d) {
        d.setText(kOwnEdit, "wpisany");
        d.setText(kIntEdit, "abc");  // cannot be taken: stays as typed
        d.click(kCheck);
        for (const int radio : {kRadioB, kRadioB, kRadioA, kRadioB}) {
            d.click(radio);
            seen.push_back({d.checked(kRadioA), d.checked(kRadioB), d.text(kOwnEdit), d.text(kIntEdit),
                            d.checked(kCheck)});
        }
        d.escape();
    });
    const bool expectA[] = {false, false, true, false};
    ASSERT_EQ(seen.size(), 4u);
    for (std::size_t i = 0; i < seen.size(); ++i) {
        SCOPED_TRACE("click " + std::to_string(i));
        EXPECT_EQ(seen[i].a, expectA[i]);
        EXPECT_NE(seen[i].a, seen[i].b);
        EXPECT_EQ(seen[i].own, "wpisany");
        EXPECT_EQ(seen[i].whole, "abc");
        EXPECT_TRUE(seen[i].ticked);
    }
    EXPECT_TRUE(session.messages().empty()) << "a radio click shows no message";
}

TEST(Dialog, EnterEscapeAndTheCloseBox) {
    struct Case {
        const char* name;
        std::function<void(DialogDriver&)> close;
        DialogResult result;
        int whole;
    };
    const Case cases[] = {
        {"Enter is OK", [](DialogDriver& d) { d.enter(); }, DialogResult::Ok, 7},
        {"OK button", [](DialogDriver& d) { d.click(IDOK); }, DialogResult::Ok, 7},
        {"Escape is Cancel", [](DialogDriver& d) { d.escape(); }, DialogResult::Cancel, 10},
        {"the close box is Cancel", [](DialogDriver& d) { d.closeBox(); }, DialogResult::Cancel, 10},
        {"Cancel button", [](DialogDriver& d) { d.click(IDCANCEL); }, DialogResult::Cancel, 10},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Session session;
        ProbeDialog dialog;
        const DialogResult result = runProbe(session, dialog, [&](DialogDriver& d) {
            d.setText(kIntEdit, "7");
            c.close(d);
        });
        EXPECT_EQ(result, c.result);
        EXPECT_EQ(dialog.whole, c.whole);
        EXPECT_FALSE(dialog.isOpen());
    }
}

TEST(Dialog, ControlKindsAnswerTheUser) {
    Session session;
    ProbeDialog dialog;
    runProbe(session, dialog, [&](DialogDriver& d) {
        // The first control that takes input has the focus; hidden controls ignore input.
        EXPECT_EQ(d.focus(), kSheetEdit);
        EXPECT_FALSE(d.visible(kHiddenEdit));
        d.setText(kHiddenEdit, "x");
        EXPECT_EQ(d.text(kHiddenEdit), "");
        dialog.showControl(kHiddenEdit, true);
        d.setText(kHiddenEdit, "x");
        EXPECT_EQ(d.text(kHiddenEdit), "x");
        dialog.enableControl(kPush, false);
        d.click(kPush);
        EXPECT_EQ(dialog.pushes, 0) << "a disabled button does nothing";
        dialog.enableControl(kPush, true);
        d.click(kPush);
        EXPECT_EQ(dialog.pushes, 1);

        // Sorted combo: the selection handler keeps what was typed.
        d.setText(kOwnEdit, "wpisany");
        d.select(kCombo, 2);
        EXPECT_EQ(dialog.itemText(kCombo, 2), "żółw");
        EXPECT_EQ(dialog.selections, 1);
        EXPECT_EQ(d.text(kOwnEdit), "wpisany");

        // Trackbar: page steps of the page size, clamped to the range.
        dialog.setPageSize(kTrack, 10);
        d.scroll(kTrack, kScrollPageDown);
        d.scroll(kTrack, kScrollPageUp);
        d.scroll(kTrack, kScrollPageUp);
        d.scroll(kTrack, kScrollThumbTrack, 250);
        EXPECT_EQ(dialog.scrolls, (std::vector<std::pair<int, int>>{{kScrollPageDown, 40},
                                                                    {kScrollPageUp, 30},
                                                                    {kScrollPageUp, 20},
                                                                    {kScrollThumbTrack, 100}}));

        // Spin: starts from the buddy's number, writes it back, stays in range.
        d.setText(kBuddy, "19");
        d.scroll(kSpin, kScrollLineUp);
        EXPECT_EQ(d.text(kBuddy), "20");
        d.scroll(kSpin, kScrollLineUp);
        EXPECT_EQ(d.text(kBuddy), "20");
        d.scroll(kSpin, kScrollLineDown);
        EXPECT_EQ(d.text(kBuddy), "19");
        EXPECT_EQ(dialog.spinPosition, 19);
        // Without kBuddyNumber the spin keeps its own position and leaves the edit
        // to its handler.
        dialog.setPosition(kPlainSpin, 10);
        d.setText(kPlainBuddy, "100");
        d.scroll(kPlainSpin, kScrollLineUp);
        EXPECT_EQ(dialog.position(kPlainSpin), 11);
        EXPECT_EQ(dialog.spinPosition, 19) << "no handler for this one";
        EXPECT_EQ(d.text(kPlainBuddy), "100");

        // Owner-drawn area: mouse points in its own pixels.
        dialog.userMouse(kArea, Notify::MouseDown, {5, 6});
        EXPECT_EQ(dialog.clickedAt, (Point{5, 6}));
        EXPECT_THROW(d.click(4242), std::logic_error) << "an unknown id shows in the test";
        d.escape();
    });
}

TEST(Dialog, UnansweredModalDialogFailsTheOperation) {
    Session session;
    CVelkarionView& view = session.newSheet();
    EXPECT_THROW(session.command(view, 32989), std::logic_error);
    session.answerDialog(204, [](DialogDriver&) {});  // leaves it open
    EXPECT_THROW(session.command(view, 32989), std::logic_error);
    session.answerDialog(204, [](DialogDriver& d) { d.escape(); });
    EXPECT_NO_THROW(session.command(view, 32989));
    EXPECT_EQ(session.modalRuns(), (std::vector<int>{204, 204, 204}));
}

TEST(Dialog, ModelessCreateShowDestroy) {
    Session session;
    EXPECT_THROW(session.modeless(kProbeId), std::logic_error);
    {
        ProbeDialog panel;
        ASSERT_TRUE(panel.create());
        EXPECT_FALSE(panel.create()) << "open already";
        panel.showWindow(true);
        EXPECT_TRUE(panel.isWindowVisible());
        DialogDriver d = session.modeless(kProbeId);
        d.scroll(kTrack, kScrollThumbPosition, 55);
        EXPECT_EQ(panel.scrolls.back(), (std::pair<int, int>{kScrollThumbPosition, 55}));
        panel.destroy();
        EXPECT_FALSE(panel.isOpen());
        panel.destroy();  // a second destroy does nothing
        EXPECT_THROW(session.modeless(kProbeId), std::logic_error);
        ASSERT_TRUE(panel.create()) << "created again after a destroy";
        // The object going away closes its window.
    }
    EXPECT_TRUE(openModelessDialogs().empty());
}

TEST(Dialog, WindowFollowsTheTable) {
    Session session;
    ProbeDialog dialog;
    runProbe(session, dialog, [&](DialogDriver& d) {
        const Surface shown = renderDialog(d.dialog());
        EXPECT_EQ(shown.width(), dialogPixelsX(266));
        EXPECT_EQ(shown.height(), dialogPixelsY(130));
        // The owner-drawn area is painted by the dialog, in its own place.
        const int x = dialogPixelsX(120) + 5, y = dialogPixelsY(58) + 5;
        EXPECT_EQ(shown.pixel(x, y), rgb(255, 0, 0));
        d.escape();
    });
}

}  // namespace
