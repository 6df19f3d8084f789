// The drive settings dialogs and the set-point panels: the inverter dialog read
// from and written to the parameter text through a double click on a placed block,
// its range messages and terminal limits; the panels' range, ticks, notifications
// and painting; and, while simulating, the panels opened by double clicks on the
// control blocks, replaced, closed by Edit and moving the shared set point.
#include <gtest/gtest.h>

#include <string>

#include "circuit_sheet.h"
#include "dialogs/Editar_var1.h"
#include "dialogs/Editar_var2.h"
#include "dialogs/Exchange.h"
#include "dialogs/Var_con1.h"
#include "dialogs/var_con2.h"
#include "model/DriveParameters.h"
#include "model/TypeCodes.h"
#include "platform/text1250.h"
#include "platform/window.h"
#include "testkit/recording_dc.h"
#include "testkit/testkit.h"

using namespace velk;
using velk::circuittest::Circuit;
using velk::circuittest::Sheet;
using velk::testkit::DialogDriver;
using velk::testkit::Session;

namespace {

constexpr int kTitleLine = 1055;
constexpr int kInverterTerminals[13] = {1045, 1046, 1047, 1048, 1049, 1050, 1051,
                                        1086, 1087, 1015, 1061, 1016, 1063};
constexpr int kInverterShown[13] = {1006, 1007, 1008, 1009, 1010, 1011, 1012,
                                    1088, 1020, 1017, 1018, 1062, 1019};
constexpr int kSpeed3000 = 1090, kSpeed750 = 1093;
constexpr int kTwoWire = 1082, kThreeWire = 1083;
constexpr int kPotentiometer = 1089;
constexpr int kMinFrequency = 1052, kMaxFrequency = 1056;
constexpr int kPresets[3] = {1058, 1059, 1060};
constexpr int kAcceleration = 1064, kDeceleration = 1065, kInjectionTime = 1066;
constexpr int kInjectionTimed = 1094, kInjectionPermanent = 1095;

const char* const kInverterWrittenDefaults = "1-0-0-  0-200- 10- 25- 50- 5- 5- 0-0";

// Two inverter control blocks and one DC regulator control placed with the mouse.
const Sheet kDriveControls = {
    {
        {ID_PLACE_INVERTER_CONTROL, {60, 60}, ""},
        {ID_PLACE_INVERTER_CONTROL, {150, 60}, ""},
        {ID_PLACE_DC_REGULATOR_CONTROL, {60, 120}, ""},
    },
    {},
};

struct DriveSheet {
    Session session;
    Circuit circuit{session};
    CVelkarionView& view() { return circuit.view(); }

    DriveSheet() { circuit.draw(kDriveControls); }
    int inverter(int n = 0) const { return circuit.slotOf(kTypeInverterControl, n); }
    int regulator() const { return circuit.slotOf(kTypeDcRegulatorControl); }
    // A double click inside the block's pick area.
    void doubleClick(int slot) {
        CVelkarionView& v = view();
        const Point w = session.unitsToWindow(v, v.m_x[slot] + v.m_boxX1[slot] + 6, v.m_y[slot] + v.m_boxY1[slot] + 6);
        session.doubleClick(v, w.x, w.y);
    }
    // The inverter dialog of a block, driven by `script`.
    void editInverter(int slot, testkit::DialogScript script) {
        session.answerDialog(IDD_EDITAR_VAR1, std::move(script));
        doubleClick(slot);
    }
};

std::string message(const Session& s, std::size_t k) { return TextCodec1250::toUtf8(s.messages().at(k).text); }

// --- the inverter dialog ---------------------------------------------------------------

TEST(InverterDialog, DefaultTextOpensAndOkWritesItWithBlanks) {
    DriveSheet s;
    const int block = s.inverter();
    ASSERT_EQ(s.view().m_paramText[block], kInverterDefaultParameters);
    const auto expectDefaults = [](DialogDriver& d) {
        EXPECT_EQ(d.text(kTitleLine), "Control Variador velocidad ca.");
        EXPECT_TRUE(d.checked(kSpeed3000));
        for (const int other : {1091, 1092, kSpeed750}) EXPECT_FALSE(d.checked(other));
        EXPECT_FALSE(d.checked(kPotentiometer));
        EXPECT_TRUE(d.checked(kTwoWire));
        EXPECT_FALSE(d.checked(kThreeWire));
        EXPECT_EQ(d.text(kMinFrequency), "0");
        EXPECT_EQ(d.text(kMaxFrequency), "200");
        EXPECT_EQ(d.text(kPresets[0]), "10");
        EXPECT_EQ(d.text(kPresets[1]), "25");
        EXPECT_EQ(d.text(kPresets[2]), "50");
        EXPECT_EQ(d.text(kAcceleration), "5");
        EXPECT_EQ(d.text(kDeceleration), "5");
        EXPECT_EQ(d.text(kInjectionTime), "0");
        EXPECT_TRUE(d.checked(kInjectionTimed));
        EXPECT_FALSE(d.checked(kInjectionPermanent));
        // The block's own terminals, then the companion's.
        const char* const names[13] = {"RA", "RC", "I1", "I2", "I3", "I4", "+", "R+", "R-", "+", "AI", "0V", "AO"};
        for (int k = 0; k < 13; ++k) EXPECT_EQ(d.text(kInverterTerminals[k]), names[k]) << "terminal " << k + 1;
    };
    s.editInverter(block, [&](DialogDriver& d) {
        expectDefaults(d);
        d.click(IDOK);
    });
    EXPECT_EQ(s.view().m_paramText[block], kInverterWrittenDefaults);
    EXPECT_EQ(readInverterParameters(kInverterWrittenDefaults).maxFrequency, 200);
    s.editInverter(block, [&](DialogDriver& d) {
        expectDefaults(d);
        d.escape();
    });
    EXPECT_EQ(s.view().m_paramText[block], kInverterWrittenDefaults);
}

TEST(InverterDialog, ChoicesWriteTheirColumnsAndThePotentiometerTheTallerBox) {
    struct Row {
        const char* name;
        int click;
        std::size_t column;
        char written;
        int boxBottom;
    };
    const Row rows[] = {
        {"750 r.p.m.", kSpeed750, 0, '4', 33},
        {"1500 r.p.m.", 1091, 0, '2', 33},
        {"potentiometer", kPotentiometer, 2, '1', 36},
        {"three-wire", kThreeWire, 4, '1', 33},
        {"permanent injection", kInjectionPermanent, 35, '1', 33},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        DriveSheet s;
        const int block = s.inverter();
        s.editInverter(block, [&](DialogDriver& d) {
            d.click(row.click);
            d.click(IDOK);
        });
        const std::string& text = s.view().m_paramText[block];
        ASSERT_EQ(text.size(), kInverterParameterLength);
        EXPECT_EQ(text[row.column], row.written);
        std::string others = text;
        std::string expected = kInverterWrittenDefaults;
        others[row.column] = expected[row.column] = '?';
        EXPECT_EQ(others, expected) << "nothing else changes";
        EXPECT_EQ(s.view().m_boxY2[block], row.boxBottom);
    }
    // Within a set one choice at a time: 750 clears 3000.
    DriveSheet s;
    s.editInverter(s.inverter(), [&](DialogDriver& d) {
        d.click(kSpeed750);
        EXPECT_TRUE(d.checked(kSpeed750));
        EXPECT_FALSE(d.checked(kSpeed3000));
        d.click(kInjectionPermanent);
        EXPECT_FALSE(d.checked(kInjectionTimed));
        d.escape();
    });
}

TEST(InverterDialog, OutOfRangeValuesGiveTheRangeMessageAndTheDialogStays) {
    struct Row {
        int edit;
        const char* typed;
        const char* message;
    };
    const Row rows[] = {
        {kMaxFrequency, "250", "Wprowadź liczbę całkowitą z zakresu od 0 do 200."},
        {kPresets[2], "x", "Wprowadź liczbę całkowitą z zakresu od 0 do 200."},
        {kDeceleration, "100", "Wprowadź liczbę całkowitą z zakresu od 0 do 99."},
        {kInjectionTime, "31", "Wprowadź liczbę całkowitą z zakresu od 0 do 30."},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.typed);
        DriveSheet s;
        const int block = s.inverter();
        s.view().m_label[block] = "-G1";
        bool openAfterOk = false;
        int focus = 0;
        s.editInverter(block, [&](DialogDriver& d) {
            d.setText(1043, "-G7");
            d.setText(row.edit, row.typed);
            d.click(IDOK);
            openAfterOk = d.isOpen();
            focus = d.focus();
            d.click(IDCANCEL);
        });
        EXPECT_TRUE(openAfterOk);
        EXPECT_EQ(focus, row.edit);
        ASSERT_EQ(s.session.messages().size(), 1u);
        EXPECT_EQ(message(s.session, 0), row.message);
        EXPECT_EQ(s.view().m_paramText[block], kInverterDefaultParameters) << "Cancel leaves the block";
        EXPECT_EQ(s.view().m_label[block], "-G1");
    }
}

TEST(InverterDialog, TerminalsCompanionAndLimits) {
    DriveSheet s;
    const int block = s.inverter();
    const int companion = block + 1;
    ASSERT_EQ(s.view().m_type[companion], kTypeCompanionSlot);
    const int shown8 = s.view().m_terminalNameVisible[companion][0];
    const int shown13 = s.view().m_terminalNameVisible[companion][5];
    s.editInverter(block, [&](DialogDriver& d) {
        d.setText(kInverterTerminals[12], "AOUT1");
        EXPECT_EQ(d.text(kInverterTerminals[12]), "AOUT1") << "terminal 13 has no limit";
        for (int k = 0; k < 12; ++k) {
            d.setText(kInverterTerminals[k], "t" + std::to_string(k + 1));
            EXPECT_LE(d.text(kInverterTerminals[k]).size(), 2u) << "terminal " << k + 1;
        }
        d.setText(1043, "-G1234");
        EXPECT_EQ(d.text(1043), "-G123");
        d.click(kInverterShown[7]);
        d.click(kInverterShown[12]);
        d.click(IDOK);
    });
    const CVelkarionView& v = s.view();
    EXPECT_EQ(v.m_label[block], "-G123");
    EXPECT_EQ(v.m_terminalName[block][0], "t1");
    EXPECT_EQ(v.m_terminalName[block][6], "t7");
    // Terminals 8 to 13 are the companion's 1 to 6.
    EXPECT_EQ(v.m_terminalName[companion][0], "t8");
    EXPECT_EQ(v.m_terminalName[companion][4], "t1");  // "t12" cut at two characters
    EXPECT_EQ(v.m_terminalName[companion][5], "AOUT1");
    EXPECT_EQ(v.m_terminalNameVisible[companion][0], 1 - shown8);
    EXPECT_EQ(v.m_terminalNameVisible[companion][5], 1 - shown13);
    EXPECT_EQ(v.m_terminalName[block][7], "") << "the block's own ninth name is not the dialog's";
}

TEST(InverterDialog, ARadioClickKeepsWhatWasTyped) {
    DriveSheet s;
    const int block = s.inverter();
    s.editInverter(block, [&](DialogDriver& d) {
        d.setText(kMinFrequency, "15");
        d.setText(kMaxFrequency, "abc");
        d.click(kThreeWire);
        EXPECT_EQ(d.text(kMinFrequency), "15");
        EXPECT_EQ(d.text(kMaxFrequency), "abc") << "what cannot be taken stays as typed";
        d.setText(kMaxFrequency, "120");
        d.click(IDOK);
    });
    const InverterParameters p = readInverterParameters(s.view().m_paramText[block]);
    EXPECT_EQ(p.minFrequency, 15);
    EXPECT_EQ(p.maxFrequency, 120);
    EXPECT_TRUE(p.threeWire());
}

TEST(InverterDialog, OddChoiceCharactersGoBackAsTheyCame) {
    struct Row {
        const char* name;
        const char* text;
        const char* written;
    };
    const Row rows[] = {
        {"outside the lists", "9-0-7-000-200-010-025-050-05-05-00-5", "9-0-7-  0-200- 10- 25- 50- 5- 5- 0-5"},
        // The choice columns the text lacks take the placement default's.
        {"too short", "4-1", "4-1-0-  0-  0-  0-  0-  0- 0- 0- 0-0"},
        {"empty", "", "1-0-0-  0-  0-  0-  0-  0- 0- 0- 0-0"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        DriveSheet s;
        const int block = s.inverter();
        s.view().m_paramText[block] = row.text;
        s.editInverter(block, [&](DialogDriver& d) {
            if (std::string(row.name) == "outside the lists") {
                for (const int radio : {kSpeed3000, 1091, 1092, kSpeed750, kTwoWire, kThreeWire, kInjectionTimed,
                                        kInjectionPermanent})
                    EXPECT_FALSE(d.checked(radio)) << radio;
            }
            d.click(IDOK);
        });
        EXPECT_EQ(s.view().m_paramText[block], row.written);
    }
}

// --- the DC regulator dialog ---------------------------------------------------------------

constexpr int kDcTerminals[7] = {1045, 1046, 1047, 1048, 1049, 1050, 1051};
constexpr int kMinVoltage = 1097, kMaxVoltage = 1098, kMinSpeed = 1057, kMaxSpeed = 1058;

TEST(RegulatorDialog, DefaultTextOpensAndOkWritesItWithBlanks) {
    DriveSheet s;
    const int block = s.regulator();
    ASSERT_EQ(s.view().m_paramText[block], kDcRegulatorDefaultParameters);
    const auto expectDefaults = [](DialogDriver& d) {
        EXPECT_EQ(d.text(kTitleLine), "Control Variador velocidad cc.");
        EXPECT_FALSE(d.checked(kPotentiometer));
        EXPECT_EQ(d.text(kMinVoltage), "50");
        EXPECT_EQ(d.text(kMaxVoltage), "230");
        EXPECT_EQ(d.text(kMinSpeed), "50");
        EXPECT_EQ(d.text(kMaxSpeed), "2000");
        EXPECT_EQ(d.text(kAcceleration), "5");
        EXPECT_EQ(d.text(kDeceleration), "5");
        const char* const names[7] = {"RA", "RC", "IN", "V+", "+", "AI", "0V"};
        for (int k = 0; k < 7; ++k) EXPECT_EQ(d.text(kDcTerminals[k]), names[k]) << "terminal " << k + 1;
    };
    for (int run = 0; run < 2; ++run) {
        s.session.answerDialog(IDD_EDITAR_VAR2, [&](DialogDriver& d) {
            expectDefaults(d);
            d.click(IDOK);
        });
        s.doubleClick(block);
        EXPECT_EQ(s.view().m_paramText[block], "0- 50-230-  50-2000- 5- 5");
    }
}

TEST(RegulatorDialog, EditsLimitsAndRangeMessages) {
    DriveSheet s;
    const int block = s.regulator();
    s.session.answerDialog(IDD_EDITAR_VAR2, [&](DialogDriver& d) {
        d.setText(kMaxSpeed, "2600");
        d.click(IDOK);
        EXPECT_TRUE(d.isOpen());
        EXPECT_EQ(d.focus(), kMaxSpeed);
        d.setText(kMaxSpeed, "2500");
        d.setText(kMaxVoltage, "281");
        d.click(IDOK);
        EXPECT_TRUE(d.isOpen());
        d.setText(kMaxVoltage, "280");
        d.setText(kMinSpeed, "7");
        d.setText(kDcTerminals[3], "V+ext");
        d.setText(kDcTerminals[6], "0Vext");
        d.setText(kDcTerminals[0], "RAx");
        d.click(kPotentiometer);
        d.click(IDOK);
    });
    s.doubleClick(block);
    ASSERT_EQ(s.session.messages().size(), 2u);
    EXPECT_EQ(message(s.session, 0), "Wprowadź liczbę całkowitą z zakresu od 0 do 2500.");
    EXPECT_EQ(message(s.session, 1), "Wprowadź liczbę całkowitą z zakresu od 0 do 280.");
    const CVelkarionView& v = s.view();
    EXPECT_EQ(v.m_paramText[block], "1- 50-280-   7-2500- 5- 5");
    EXPECT_EQ(v.m_boxY2[block], 36) << "the potentiometer's taller box";
    EXPECT_EQ(v.m_terminalName[block][3], "V+ext");
    EXPECT_EQ(v.m_terminalName[block][6], "0Vext");
    EXPECT_EQ(v.m_terminalName[block][0], "RA");
}

// --- the panels on their own -------------------------------------------------------------

struct PanelCase {
    const char* name;
    bool inverter;
};

// Opens the panel of the kind over (minimum, maximum) with the label "-G1".
Dialog* openPanel(bool inverter, float minimum, float maximum) {
    g_exchangeLabel = "-G1";
    if (inverter) {
        g_inverterPanelMin = minimum;
        g_inverterPanelMax = maximum;
        openInverterPanel();
        return g_inverterPanel;
    }
    g_regulatorPanelMin = minimum;
    g_regulatorPanelMax = maximum;
    openRegulatorPanel();
    return g_regulatorPanel;
}

TEST(SetPointPanel, RangeTicksValueAndPaintedEnds) {
    Session session;
    for (const bool inverter : {true, false}) {
        SCOPED_TRACE(inverter ? "inverter" : "regulator");
        Dialog* panel = openPanel(inverter, 0, 200);
        ASSERT_NE(panel, nullptr);
        EXPECT_EQ(panel->resourceId(), inverter ? IDD_VAR_CON1 : IDD_VAR_CON2);
        EXPECT_EQ(std::string(panel->dialogTemplate().caption), inverter ? "Falownik" : "Regulator DC");
        EXPECT_TRUE(panel->isOpen());
        EXPECT_TRUE(panel->isWindowVisible());
        EXPECT_FALSE(panel->isModal());
        const ControlState* bar = panel->state(kPanelTrackbar);
        EXPECT_EQ(bar->minimum, 0);
        EXPECT_EQ(bar->maximum, 200);
        EXPECT_EQ(bar->position, 0);
        EXPECT_EQ(bar->pageSize, 10);
        std::vector<int> ticks;
        for (int t = 10; t <= 190; t += 10) ticks.push_back(t);
        EXPECT_EQ(bar->ticks, ticks);
        EXPECT_EQ(panel->text(kPanelValue), "0");
        EXPECT_EQ(panel->text(kPanelLabel), "-G1");
        EXPECT_FALSE(panel->isEnabled(kPanelValue));

        testkit::RecordingDc dc(300, 120);
        panel->OnPaint(dc);
        const std::vector<testkit::DcCall> texts = dc.callsOf(testkit::DcOp::TextOut);
        ASSERT_EQ(texts.size(), 2u);
        EXPECT_EQ(texts[0].text, "  0");
        EXPECT_EQ(texts[0].points.at(0), (Point{12, 35}));
        EXPECT_EQ(texts[1].text, "200");
        EXPECT_EQ(texts[1].points.at(0), (Point{245, 35}));
        EXPECT_TRUE(dc.backgroundTransparent());

        panel = openPanel(inverter, 0, 50);
        std::vector<int> fewer = {10, 20, 30, 40};
        EXPECT_EQ(panel->state(kPanelTrackbar)->ticks, fewer);
        // A minimum above the maximum: the minimum alone.
        panel = openPanel(inverter, 120, 80);
        bar = panel->state(kPanelTrackbar);
        EXPECT_EQ(bar->minimum, 120);
        EXPECT_EQ(bar->maximum, 120);
        EXPECT_EQ(panel->text(kPanelValue), "120");
        // Ticks only inside the range.
        panel = openPanel(inverter, 25, 60);
        std::vector<int> inside = {30, 40, 50};
        EXPECT_EQ(panel->state(kPanelTrackbar)->ticks, inside);
    }
}

TEST(SetPointPanel, NotificationsMoveTheSetPoint) {
    Session session;
    for (const bool inverter : {true, false}) {
        SCOPED_TRACE(inverter ? "inverter" : "regulator");
        g_analogSetpoint = 7.0f;
        Dialog* panel = openPanel(inverter, 0, 200);
        EXPECT_EQ(g_analogSetpoint, 7.0f) << "opening leaves the set point";
        DialogDriver d(*panel);
        struct Step {
            int code;
            int position;
            float setpoint;
        };
        const Step steps[] = {
            {kScrollThumbTrack, 35, 35.0f},
            {kScrollThumbPosition, 195, 195.0f},
            {kScrollPageDown, 0, 200.0f},
            {kScrollPageDown, 0, 200.0f},
            {kScrollPageUp, 0, 190.0f},
            // Other requests leave the position; the set point is written again.
            {kScrollLineUp, 0, 190.0f},
            {kScrollEnd, 0, 190.0f},
            {kScrollThumbTrack, 5, 5.0f},
            {kScrollPageUp, 0, 0.0f},
        };
        for (const Step& step : steps) {
            SCOPED_TRACE(std::to_string(step.code) + " " + std::to_string(step.position));
            g_analogSetpoint = -1.0f;
            d.scroll(kPanelTrackbar, step.code, step.position);
            EXPECT_EQ(g_analogSetpoint, step.setpoint);
            char shown[16];
            std::snprintf(shown, sizeof shown, "%d", static_cast<int>(step.setpoint));
            EXPECT_EQ(d.text(kPanelValue), shown);
        }
    }
}

TEST(SetPointPanel, OneOwnerPerKindAndClosingFreesIt) {
    Session session;
    openPanel(true, 0, 200);
    CVarCon1Dlg* first = g_inverterPanel;
    openPanel(false, 0, 200);
    openPanel(true, 0, 100);
    EXPECT_NE(g_inverterPanel, nullptr);
    EXPECT_NE(g_regulatorPanel, nullptr);
    int inverters = 0, regulators = 0;
    for (Dialog* open : openModelessDialogs()) {
        inverters += open->resourceId() == IDD_VAR_CON1;
        regulators += open->resourceId() == IDD_VAR_CON2;
    }
    EXPECT_EQ(inverters, 1);
    EXPECT_EQ(regulators, 1);
    (void)first;  // freed by the replacement: the sanitizers see any use of it

    g_analogSetpoint = 40.0f;
    struct Close {
        const char* name;
        void (DialogDriver::*close)();
    };
    const Close closes[] = {{"Enter", &DialogDriver::enter}, {"Escape", &DialogDriver::escape},
                            {"close box", &DialogDriver::closeBox}};
    for (const Close& c : closes) {
        SCOPED_TRACE(c.name);
        openPanel(true, 0, 200);
        DialogDriver d = session.modeless(IDD_VAR_CON1);
        (d.*c.close)();
        EXPECT_EQ(g_inverterPanel, nullptr);
        EXPECT_THROW(session.modeless(IDD_VAR_CON1), std::logic_error);
        EXPECT_EQ(g_analogSetpoint, 40.0f) << "closing leaves the set point";
    }
    closeInverterPanel();  // nothing to close: nothing happens
    EXPECT_NE(g_regulatorPanel, nullptr) << "the other kind stays";
    // The session's end frees the DC panel still open.
}

// --- while simulating ---------------------------------------------------------------------

TEST(SetPointPanels, DoubleClicksOpenReplaceAndEditClosesTheInverterPanel) {
    DriveSheet s;
    CVelkarionView& v = s.view();
    const int first = s.inverter(0), second = s.inverter(1), dc = s.regulator();
    v.m_label[first] = "-G1";
    v.m_label[second] = "-G2";
    v.m_paramText[second] = "1-0-0- 20- 50-010-025-050-05-05-00-0";
    v.m_label[dc] = "-G3";

    // In editing a double click edits instead.
    s.session.answerDialog(IDD_EDITAR_VAR1, [](DialogDriver& d) { d.escape(); });
    s.doubleClick(first);
    EXPECT_EQ(g_inverterPanel, nullptr);

    s.circuit.simulate();
    s.doubleClick(first);
    ASSERT_NE(g_inverterPanel, nullptr);
    DialogDriver panel = s.session.modeless(IDD_VAR_CON1);
    EXPECT_EQ(panel.text(kPanelLabel), "-G1");
    EXPECT_EQ(panel.dialog().state(kPanelTrackbar)->maximum, 200);
    EXPECT_TRUE(s.session.modalRuns().size() == 1) << "no property dialog while simulating";

    s.doubleClick(second);
    ASSERT_NE(g_inverterPanel, nullptr);
    int inverters = 0;
    for (Dialog* open : openModelessDialogs()) inverters += open->resourceId() == IDD_VAR_CON1;
    EXPECT_EQ(inverters, 1) << "the second panel replaced the first";
    panel = s.session.modeless(IDD_VAR_CON1);
    EXPECT_EQ(panel.text(kPanelLabel), "-G2");
    EXPECT_EQ(panel.dialog().state(kPanelTrackbar)->minimum, 20);
    EXPECT_EQ(panel.dialog().state(kPanelTrackbar)->maximum, 50);
    EXPECT_EQ(panel.text(kPanelValue), "20");

    // Either panel moves the one set point both kinds of block follow.
    panel.scroll(kPanelTrackbar, kScrollThumbTrack, 35);
    EXPECT_EQ(g_analogSetpoint, 35.0f);
    s.doubleClick(dc);
    DialogDriver dcPanel = s.session.modeless(IDD_VAR_CON2);
    EXPECT_EQ(dcPanel.text(kPanelLabel), "-G3");
    EXPECT_EQ(dcPanel.dialog().state(kPanelTrackbar)->minimum, 50);
    EXPECT_EQ(dcPanel.dialog().state(kPanelTrackbar)->maximum, 230);
    dcPanel.scroll(kPanelTrackbar, kScrollThumbTrack, 180);
    EXPECT_EQ(g_analogSetpoint, 180.0f);
    EXPECT_NE(g_inverterPanel, nullptr) << "the kinds are independent";

    // A click beside every block opens nothing new.
    const Point away = s.session.unitsToWindow(v, 400, 300);
    s.session.doubleClick(v, away.x, away.y);
    EXPECT_NE(g_inverterPanel, nullptr);

    s.session.command(v, ID_MODE_EDIT);
    EXPECT_EQ(g_inverterPanel, nullptr);
    EXPECT_THROW(s.session.modeless(IDD_VAR_CON1), std::logic_error);
    ASSERT_NE(g_regulatorPanel, nullptr) << "Edit leaves the DC panel";
    s.session.modeless(IDD_VAR_CON2).scroll(kPanelTrackbar, kScrollThumbTrack, 100);
    EXPECT_EQ(g_analogSetpoint, 100.0f);
    s.session.command(v, ID_MODE_EDIT);  // no inverter panel: nothing happens
    EXPECT_EQ(g_analogSetpoint, 100.0f);
}

}  // namespace
