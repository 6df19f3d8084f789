// The lamp and timer relay dialogs: colour and unit codes in terminal 3, the
// delay in terminal 4, unknown codes kept, typed texts kept across radio clicks,
// and the road from a double click to the slot.
#include <gtest/gtest.h>

#include <string>

#include "dialogs/Exchange.h"
#include "dialogs/Pilotos.h"
#include "dialogs/Temporiza.h"
#include "dialogs/Texto.h"
#include "model/TypeCodes.h"
#include "model/VelkarionView.h"
#include "platform/text1250.h"
#include "testkit/testkit.h"

using namespace velk;
using velk::testkit::DialogDriver;
using velk::testkit::Session;

namespace {

constexpr int kColorRadios[] = {1072, 1073, 1074, 1075, 1004};
constexpr int kUnitRadios[] = {1077, 1078, 1079};

void fillRecord(int type, const std::string& t3, const std::string& t4 = "") {
    g_exchangeType = type;
    g_exchangeLabel = "-H1";
    g_exchangeLabel2 = "";
    g_exchangeLabelVisible = 1;
    g_exchangeLabel2Visible = 0;
    g_exchangeTerminal.fill("");
    g_exchangeTerminalVisible.fill(0);
    g_exchangeTerminal[0] = "X1";
    g_exchangeTerminal[1] = "X2";
    g_exchangeTerminal[2] = t3;
    g_exchangeTerminal[3] = t4;
}

TEST(LampDialog, OpensOnTheCodeAndStoresTheChosenColour) {
    struct Case {
        const char* name;
        int type;
        std::string code;
        int opened;  // index of the selected radio, -1 none
        std::vector<int> clicks;
        std::string stored;
        const char* title;
    };
    const Case cases[] = {
        {"grey kept", kTypePilotLamp, "4", 4, {}, "4", "Señalización óptica"},
        {"blue then yellow", kTypeFlashingPilotLamp, "0", 0, {1075, 1074}, "2",
         "Señalización óptica intermitente"},
        {"unknown code kept", kTypePilotLamp, "7x", -1, {}, "7x", "Señalización óptica"},
        {"red chosen from none", 9000, "", -1, {1073}, "1", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Session session;
        fillRecord(c.type, c.code);
        session.answerDialog(IDD_PILOTOS, [&](DialogDriver& d) {
            EXPECT_EQ(d.dialog().dialogTemplate().caption, std::string("Lampka"));
            EXPECT_EQ(d.text(1055), c.title);
            for (int k = 0; k < 5; ++k) EXPECT_EQ(d.checked(kColorRadios[k]), k == c.opened) << k;
            d.setText(1043, "-H9");  // typed, then a radio: the text stays
            for (int id : c.clicks) d.click(id);
            EXPECT_EQ(d.text(1043), "-H9");
            int selected = 0;
            for (int id : kColorRadios) selected += d.checked(id);
            EXPECT_EQ(selected, c.clicks.empty() ? (c.opened >= 0 ? 1 : 0) : 1);
            d.click(IDOK);
        });
        ASSERT_EQ(runPropertyDialogFor(kTypePilotLamp), DialogResult::Ok);
        EXPECT_EQ(g_exchangeTerminal[2], c.stored);
        EXPECT_EQ(g_exchangeLabel, "-H9");
        EXPECT_EQ(g_exchangeTerminal[0], "X1");
    }
}

TEST(LampDialog, LimitsAndCancel) {
    Session session;
    fillRecord(kTypePilotLamp, "1");
    session.answerDialog(IDD_PILOTOS, [&](DialogDriver& d) {
        d.setText(1045, "ABC");  // two characters at most
        EXPECT_EQ(d.text(1045), "AB");
        d.click(1075);
        d.click(IDCANCEL);
    });
    EXPECT_EQ(runPropertyDialogFor(kTypePilotLamp), DialogResult::Cancel);
    EXPECT_EQ(g_exchangeTerminal[2], "1");
}

TEST(TimerDialog, UnitAndDelayInTerminalsThreeAndFour) {
    Session session;
    fillRecord(kTypeOffDelayTimer, "1", "5");
    session.answerDialog(IDD_TEMPORIZA, [&](DialogDriver& d) {
        EXPECT_EQ(d.dialog().dialogTemplate().caption, std::string("Przekaźnik czasowy"));
        EXPECT_EQ(d.text(1055), "Temporizador a la desconexión");
        EXPECT_EQ(d.text(1076), "5");
        EXPECT_FALSE(d.checked(1077));
        EXPECT_TRUE(d.checked(1078));
        EXPECT_FALSE(d.checked(1079));
        // No length limits here.
        d.setText(1043, "-KT12345678");
        d.setText(1046, "A2B3C4");
        d.click(1079);
        EXPECT_FALSE(d.checked(1078));
        EXPECT_EQ(d.text(1043), "-KT12345678");
        d.click(IDOK);
    });
    ASSERT_EQ(runPropertyDialogFor(kTypeOffDelayTimer), DialogResult::Ok);
    EXPECT_EQ(g_exchangeTerminal[2], "2");
    EXPECT_EQ(g_exchangeTerminal[3], "5");
    EXPECT_EQ(g_exchangeLabel, "-KT12345678");
    EXPECT_EQ(g_exchangeTerminal[1], "A2B3C4");

    // An unknown unit opens with none and goes back as it came; titles by type.
    const std::pair<int, const char*> titles[] = {
        {kTypeOnDelayTimer, "Temporizador a la conexión"},
        {kTypeOnOffDelayTimer, "Temporizador a la conexión desconexión"},
        {kTypeCyclicTimer, "Temporizador intermitente"}};
    for (const auto& [type, title] : titles) {
        SCOPED_TRACE(type);
        fillRecord(type, "9", "12");
        session.answerDialog(IDD_TEMPORIZA, [&](DialogDriver& d) {
            EXPECT_EQ(d.text(1055), title);
            for (int id : kUnitRadios) EXPECT_FALSE(d.checked(id));
            d.setText(1076, "30");
            d.click(IDOK);
        });
        ASSERT_EQ(runPropertyDialogFor(type), DialogResult::Ok);
        EXPECT_EQ(g_exchangeTerminal[2], "9");
        EXPECT_EQ(g_exchangeTerminal[3], "30");
    }
}

TEST(LampAndTimerDialogs, DoubleClickWritesTheSlot) {
    Session session;
    CVelkarionView& view = session.newSheet();
    const int lamp = view.m_componentCount++;
    view.m_type[lamp] = kTypePilotLamp;
    view.m_terminalName[lamp][2] = "0";
    const int timer = view.m_componentCount++;
    view.m_type[timer] = kTypeOnDelayTimer;
    view.m_terminalName[timer][2] = "0";
    view.m_terminalName[timer][3] = "3";

    auto doubleClick = [&](int slot) {
        view.claimPickAndSelection();
        g_itemPicked = 1;
        view.m_pickedIndex = slot;
        view.OnLButtonDblClk(kMouseLeft, {0, 0});
    };
    session.answerDialog(IDD_PILOTOS, [](DialogDriver& d) {
        d.click(1075);
        d.click(IDOK);
    });
    doubleClick(lamp);
    EXPECT_EQ(view.m_terminalName[lamp][2], "3");

    session.answerDialog(IDD_TEMPORIZA, [](DialogDriver& d) {
        d.setText(1076, "7");
        d.click(1078);
        d.click(IDOK);
    });
    doubleClick(timer);
    EXPECT_EQ(view.m_terminalName[timer][2], "1");
    EXPECT_EQ(view.m_terminalName[timer][3], "7");
}

}  // namespace

namespace {

TEST(TextDialog, PrefillShowsOnceAndThirtyCharactersFit) {
    Session session;
    g_exchangeText = cp1250("Łódź");
    g_textDialogPrefill = 1;
    session.answerDialog(IDD_TEXTO, [](DialogDriver& d) {
        EXPECT_EQ(d.dialog().dialogTemplate().caption, std::string("Tekst"));
        EXPECT_EQ(d.text(1040), "Łódź");
        d.click(1042);  // "Fuente" changes nothing
        EXPECT_TRUE(d.isOpen());
        d.setText(1040, std::string(30, 'a'));
        d.setText(1040, std::string(31, 'a'));  // the 31st is refused
        EXPECT_EQ(d.text(1040), std::string(30, 'a'));
        d.setText(1040, "x*y");
        EXPECT_EQ(d.text(1040), "xy");
        d.click(IDOK);
    });
    ASSERT_EQ(runTextDialog(), DialogResult::Ok);
    EXPECT_EQ(g_textDialogPrefill, 0);
    EXPECT_EQ(g_textToolText, "xy");
    EXPECT_EQ(g_exchangeText, "xy");
    // The next opening is empty again; Cancel writes nothing.
    session.answerDialog(IDD_TEXTO, [](DialogDriver& d) {
        EXPECT_EQ(d.text(1040), "");
        d.setText(1040, "new");
        d.escape();
    });
    EXPECT_EQ(runTextDialog(), DialogResult::Cancel);
    EXPECT_EQ(g_textToolText, "xy");
}

}  // namespace
