// Frequency inverters: the parameter text, the output ramp, the power parts
// (supply, protective earth, U V W from the command) and the control block
// (inputs, set point, ramp, DC brake, display). A paint is passes 0 to 5 over
// the slots in order; the letters of the input and supply wires are set by hand.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/DriveParameters.h"
#include "render/Colors.h"
#include "render/Paint.h"
#include "render/Potentials.h"
#include "symbol_sheet.h"

using namespace velk;
using velk::symboltest::SymbolSheet;
using velk::testkit::DcCall;
using velk::testkit::DcOp;

namespace {

TEST(DriveParameters, ReadsDefaultBlankPaddedAndShortTexts) {
    const InverterParameters d = readInverterParameters(kInverterDefaultParameters);
    EXPECT_EQ(d.polePairCount(), 1);
    EXPECT_FALSE(d.threeWire());
    EXPECT_FALSE(d.hasPotentiometer());
    EXPECT_EQ(d.minFrequency, 0);
    EXPECT_EQ(d.maxFrequency, 200);
    EXPECT_EQ(d.presets[0], 10);
    EXPECT_EQ(d.presets[1], 25);
    EXPECT_EQ(d.presets[2], 50);
    EXPECT_EQ(d.accelerationSeconds, 5);
    EXPECT_EQ(d.decelerationSeconds, 5);
    EXPECT_EQ(d.brakeSeconds, 0);
    EXPECT_FALSE(d.permanentBrake());

    // What the settings dialog writes reads the same.
    const std::string written = writeInverterParameters(d);
    EXPECT_EQ(written, "1-0-0-  0-200- 10- 25- 50- 5- 5- 0-0");
    const InverterParameters again = readInverterParameters(written);
    EXPECT_EQ(again.presets[1], 25);
    EXPECT_EQ(again.minFrequency, 0);
    EXPECT_EQ(writeInverterParameters(again), written);

    // A short text reads its missing columns as blanks.
    const InverterParameters cut = readInverterParameters("1-0-0-0");
    EXPECT_EQ(cut.minFrequency, 0);
    EXPECT_EQ(cut.maxFrequency, 0);
    EXPECT_EQ(cut.accelerationSeconds, 0);
    EXPECT_TRUE(cut.threeWire() == false);
    EXPECT_EQ(parameterColumn("1", 35), ' ');
    EXPECT_EQ(parameterNumber("1-0-0- 7", 6, 3), 7);
    EXPECT_EQ(readInverterParameters("9").polePairCount(), 0);
    EXPECT_EQ(readInverterParameters("").polePairCount(), 0);
}

TEST(DriveParameters, DcRegulatorDefaultsAndWidths) {
    const DcRegulatorParameters d = readDcRegulatorParameters(kDcRegulatorDefaultParameters);
    EXPECT_FALSE(d.hasPotentiometer());
    EXPECT_EQ(d.minVoltage, 50);
    EXPECT_EQ(d.maxVoltage, 230);
    EXPECT_EQ(d.minSpeed, 50);
    EXPECT_EQ(d.maxSpeed, 2000);
    EXPECT_EQ(d.accelerationSeconds, 5);
    EXPECT_EQ(d.decelerationSeconds, 5);
    EXPECT_TRUE(readDcRegulatorParameters("1-050-230-0050-2000-05-05").hasPotentiometer());

    // The widest values fill their columns; a value too wide never lengthens the text.
    DcRegulatorParameters wide = d;
    wide.maxSpeed = 2500;
    wide.maxVoltage = 280;
    EXPECT_EQ(writeDcRegulatorParameters(wide), "0- 50-280-  50-2500- 5- 5");
    wide.maxSpeed = 123456;
    wide.minVoltage = -7;
    wide.decelerationSeconds = 100;
    const std::string clamped = writeDcRegulatorParameters(wide);
    EXPECT_EQ(clamped, "0-  0-280-  50-9999- 5-99");
    EXPECT_EQ(clamped.size(), kDcRegulatorParameterLength);
}

// Both drive texts through one table: what a dialog writes back unchanged,
// reading back equal, a foreign choice character kept, and any cut-off text
// read as if its missing columns were blanks (never past its end).
TEST(DriveParameters, CodecTable) {
    struct Row {
        const char* name;
        const char* placed;
        const char* written;
        std::size_t length;
        std::string (*rewrite)(const std::string&);
        bool (*readsSame)(const std::string&, const std::string&);
    };
    const Row rows[] = {
        {"inverter", kInverterDefaultParameters, "1-0-0-  0-200- 10- 25- 50- 5- 5- 0-0", kInverterParameterLength,
         [](const std::string& t) { return writeInverterParameters(readInverterParameters(t)); },
         [](const std::string& a, const std::string& b) {
             return readInverterParameters(a) == readInverterParameters(b);
         }},
        {"DC regulator", kDcRegulatorDefaultParameters, "0- 50-230-  50-2000- 5- 5", kDcRegulatorParameterLength,
         [](const std::string& t) { return writeDcRegulatorParameters(readDcRegulatorParameters(t)); },
         [](const std::string& a, const std::string& b) {
             return readDcRegulatorParameters(a) == readDcRegulatorParameters(b);
         }},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const std::string placed = row.placed;
        const std::string written = row.written;
        ASSERT_EQ(placed.size(), row.length);
        EXPECT_EQ(row.rewrite(placed), written);
        EXPECT_TRUE(row.readsSame(placed, written));
        EXPECT_EQ(row.rewrite(written), written);

        std::string nine = placed;
        nine[0] = '9';
        const std::string nineWritten = row.rewrite(nine);
        ASSERT_FALSE(nineWritten.empty());
        EXPECT_EQ(nineWritten[0], '9');
        EXPECT_EQ(nineWritten.substr(1), written.substr(1));

        for (const std::string& text : {placed, written}) {
            for (std::size_t n = 0; n <= text.size(); ++n) {
                SCOPED_TRACE(n);
                // A heap copy of exactly n characters, so a read past it is caught.
                const std::string prefix(text.data(), n);
                const std::string padded = prefix + std::string(row.length - n, ' ');
                EXPECT_TRUE(row.readsSame(prefix, padded));
                EXPECT_EQ(row.rewrite(prefix).size(), row.length);
            }
        }
    }
}

constexpr int kPX = 30, kPY = 30;   // power part
constexpr int kBX = 90, kBY = 30;   // control block

// A power part with wires at every terminal and a control block with its
// companion and wires at its inputs, "+" and brake terminals.
class DriveBench {
public:
    explicit DriveBench(int powerType = kTypeInverterThreePhase, bool withBlock = true, bool companion = true) {
        power = sheet.place(powerType, kPX, kPY);
        sheet.view.m_label[power] = "-G1";
        const int top = powerType == kTypeInverterThreePhase ? 4 : 3;
        for (int k = 0; k < top; ++k) topWires.push_back(sheet.wire(kPX + 6 * k, kPY - 9, kPX + 6 * k, kPY));
        for (int k = 0; k < 4; ++k) bottomWires.push_back(sheet.wire(kPX + 6 * k, kPY + 30, kPX + 6 * k, kPY + 39));
        if (!withBlock) return;
        block = sheet.place(kTypeInverterControl, kBX, kBY);
        sheet.view.m_label[block] = "-G1";
        sheet.view.m_paramText[block] = kInverterDefaultParameters;
        if (companion) {
            companionSlot = sheet.addSymbol(kTypeCompanionSlot, kBX, kBY);
            const char* names[] = {"R+", "R-", "+", "AI", "0V", "AO"};
            for (int k = 0; k < 6; ++k) {
                sheet.view.m_terminalName[companionSlot][k] = names[k];
                sheet.view.m_terminalNameVisible[companionSlot][k] = 1;
            }
        }
        for (int k = 0; k < 7; ++k) inputWires.push_back(sheet.wire(kBX + 6 * (k == 0 ? 0 : k == 1 ? 2 : k + 2), kBY - 9,
                                                                     kBX + 6 * (k == 0 ? 0 : k == 1 ? 2 : k + 2), kBY));
        rPlus = sheet.wire(kBX, kBY + 30, kBX, kBY + 39);
        rMinus = sheet.wire(kBX + 12, kBY + 30, kBX + 12, kBY + 39);
    }
    void start(const char* supply) {
        sheet.view.OnModeRun();
        for (std::size_t k = 0; supply[k] && k < topWires.size(); ++k) sheet.setLetter(topWires[k], supply[k]);
    }
    // I1 to I4.
    void inputs(const char* letters) {
        for (int k = 0; k < 4 && letters[k]; ++k) sheet.setLetter(inputWires[static_cast<std::size_t>(k + 2)], letters[k]);
    }
    void paint(int times = 1) {
        for (int t = 0; t < times && sheet.view.m_simulating == 1; ++t)
            for (int pass = 0; pass <= 5; ++pass) {
                g_simPass = pass;
                for (int i = 0; i < sheet.view.m_componentCount && sheet.view.m_simulating == 1; ++i) {
                    const int type = sheet.view.m_type[i];
                    if (type == kTypeInverterThreePhase || type == kTypeInverterSinglePhaseFed ||
                        type == kTypeInverterControl)
                        sheet.drawPlaced(i, g_colorBlack);
                }
            }
        g_simPass = 0;
    }
    char command() const { return sheet.view.m_driveCommand[power].letter(); }
    int output() const { return sheet.view.m_controlOutput[block]; }
    std::string uvw() const {
        return {sheet.letter(bottomWires[0]), sheet.letter(bottomWires[1]), sheet.letter(bottomWires[2])};
    }
    // The texts of the block's last pass 5.
    std::vector<std::string> texts() const {
        std::vector<std::string> out;
        for (const DcCall& c : sheet.dc.calls())
            if (c.op == DcOp::TextOut) out.push_back(c.text);
        return out;
    }
    bool shows(const std::string& text) const {
        for (const std::string& t : texts())
            if (t.find(text) != std::string::npos) return true;
        return false;
    }

    SymbolSheet sheet;
    int power = -1, block = -1, companionSlot = -1;
    std::vector<int> topWires, bottomWires, inputWires;
    int rPlus = -1, rMinus = -1;
};

TEST(InverterPower, SupplyDecidesTheState) {
    struct Row {
        int type;
        const char* supply;
        int state;
    };
    const Row rows[] = {
        {kTypeInverterSinglePhaseFed, "1N", 1}, {kTypeInverterSinglePhaseFed, "N1", 1},
        {kTypeInverterSinglePhaseFed, "12", 0}, {kTypeInverterThreePhase, "123", 1},
        {kTypeInverterThreePhase, "321", 1},    {kTypeInverterThreePhase, "113", 0},
        {kTypeInverterThreePhase, "12N", 0},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.supply);
        DriveBench b(r.type, false);
        b.start(r.supply);
        b.paint();
        EXPECT_EQ(b.sheet.view.m_state[b.power], r.state);
        EXPECT_EQ(b.uvw(), "000") << "no control block: the command stays stop";
        EXPECT_EQ(b.sheet.box(), "");
    }
}

TEST(InverterPower, OutputsFollowTheCommandAndEarthPasses) {
    const char* outputs[][2] = {{"0", "000"}, {"1", "123"}, {"2", "213"}, {"3", "+0-"}};
    for (auto& row : outputs) {
        SCOPED_TRACE(row[0]);
        DriveBench b(kTypeInverterThreePhase, false);
        b.start("231");
        b.sheet.view.m_driveCommand[b.power].setLetter(row[0][0]);
        b.paint();
        EXPECT_EQ(b.uvw(), row[1]);
    }
    for (int which = 0; which < 2; ++which) {
        SCOPED_TRACE(which);
        DriveBench b(kTypeInverterThreePhase, false);
        b.start("123");
        const int givenPe = which == 0 ? b.topWires[3] : b.bottomWires[3];
        const int otherPe = which == 0 ? b.bottomWires[3] : b.topWires[3];
        b.sheet.setLetter(givenPe, 'P');
        b.paint();
        EXPECT_EQ(b.sheet.letter(otherPe), 'P');
    }
    DriveBench fed(kTypeInverterThreePhase, false);
    fed.start("123");
    fed.sheet.setLetter(fed.topWires[3], '1');
    fed.paint();
    EXPECT_EQ(fed.sheet.box(), "Se esta alimentado una conexion de masa");
    EXPECT_EQ(fed.sheet.view.m_simulating, 0);
}

TEST(InverterControl, PresetRampsForwardAndShowsSpeed) {
    DriveBench b;
    b.start("123");
    b.inputs("+0+0");
    b.paint();
    EXPECT_EQ(b.output(), 50);
    EXPECT_EQ(b.command(), '1');
    b.paint();
    EXPECT_EQ(b.uvw(), "123");
    b.paint(18);
    EXPECT_EQ(b.output(), 1000);
    EXPECT_TRUE(b.shows(" 10Hz"));
    EXPECT_TRUE(b.shows(" 600 "));
    EXPECT_TRUE(b.shows("OFF"));
    b.paint(3);
    EXPECT_EQ(b.output(), 1000) << "held at the set point";
    // The "+" terminal feeds while powered, the ready relay closes.
    EXPECT_EQ(b.sheet.letter(b.inputWires[6]), '+');
    EXPECT_EQ(b.sheet.view.m_state[b.block], 1);
}

TEST(InverterControl, ReverseRunsNegative) {
    DriveBench b;
    b.start("123");
    b.inputs("0++0");
    b.paint(2);
    EXPECT_EQ(b.output(), -100);
    EXPECT_EQ(b.command(), '2');
    EXPECT_EQ(b.uvw(), "213");
    EXPECT_TRUE(b.shows(" -1Hz"));
}

TEST(InverterControl, StopRampsDownThenBrakes) {
    for (const char mode : {'0', '1'}) {
        SCOPED_TRACE(mode);
        DriveBench b;
        std::string text = kInverterDefaultParameters;
        text.replace(32, 2, "02");
        text[35] = mode;
        b.sheet.view.m_paramText[b.block] = text;
        b.start("123");
        b.inputs("+0++");  // preset 3, 50 Hz
        b.paint(20);
        ASSERT_EQ(b.output(), 5000);
        b.inputs("00++");
        b.paint(19);
        EXPECT_EQ(b.output(), 250);
        EXPECT_EQ(b.command(), '1');
        b.paint();
        EXPECT_EQ(b.output(), 0);
        EXPECT_EQ(b.command(), '3');
        for (int p = 1; p < 8; ++p) {
            b.paint();
            EXPECT_EQ(b.command(), '3') << p;
        }
        EXPECT_EQ(b.sheet.letter(b.rPlus), '+');
        EXPECT_EQ(b.sheet.letter(b.rMinus), '-');
        EXPECT_TRUE(b.shows("ON   "));
        b.paint();
        EXPECT_EQ(b.command(), mode == '0' ? '0' : '3');
        b.paint();
        EXPECT_EQ(b.uvw(), mode == '0' ? "000" : "+0-");
    }
}

TEST(InverterControl, ThreeWireLatchesOnAPulse) {
    DriveBench b;
    std::string text = kInverterDefaultParameters;
    text[4] = '1';
    b.sheet.view.m_paramText[b.block] = text;
    b.start("123");
    b.inputs("++0+");
    b.paint();
    b.inputs("+00+");
    b.paint(3);
    EXPECT_EQ(b.output(), 200);
    EXPECT_EQ(b.command(), '1');
    b.inputs("000+");
    b.paint();
    // The stop's step comes from the 2 Hz reached, not the 10 Hz set, so the
    // stop lasts its 5 s (20 paints) whatever speed it starts from.
    EXPECT_EQ(b.output(), 190) << "I1 dropped: the stop ramp";
}

TEST(InverterControl, AnalogSetpointRaisedToMinimumAndLoweredToZeroStops) {
    DriveBench b;
    std::string text = kInverterDefaultParameters;
    text.replace(6, 3, " 20");
    b.sheet.view.m_paramText[b.block] = text;
    g_analogSetpoint = 0.0f;
    b.start("123");
    b.inputs("+000");
    b.paint(20);
    EXPECT_EQ(g_analogSetpoint, 20.0f);
    EXPECT_EQ(b.output(), 2000);
    g_analogSetpoint = 0.0f;
    b.sheet.view.m_paramText[b.block] = kInverterDefaultParameters;
    // A set point of 0 gives no step of its own: the way down from 20 Hz is
    // timed as a stop, over the 5 s of acceleration.
    b.paint(19);
    EXPECT_EQ(b.output(), 100);
    EXPECT_EQ(b.command(), '1');
    b.paint();
    EXPECT_EQ(b.output(), 0) << "a set point of 0 stops the drive";
    EXPECT_EQ(b.command(), '0');
    g_analogSetpoint = 0.0f;
}

TEST(InverterControl, PowerPartFaultsAndMissingParts) {
    {
        SCOPED_TRACE("no power part");
        DriveBench b;
        b.sheet.view.m_label[b.power] = "-G2";
        b.start("123");
        b.inputs("+0+0");
        b.paint(3);
        EXPECT_EQ(b.output(), 0);
        EXPECT_TRUE(b.shows("OFF"));
        EXPECT_TRUE(b.shows(" 10Hz"));
        EXPECT_EQ(b.sheet.letter(b.inputWires[6]), '0');
    }
    {
        SCOPED_TRACE("two power parts: the first");
        DriveBench b;
        const int second = b.sheet.place(kTypeInverterThreePhase, 200, 100);
        b.sheet.view.m_label[second] = "-G1";
        b.start("123");
        b.inputs("+0+0");
        b.paint(2);
        EXPECT_EQ(b.command(), '1');
        EXPECT_EQ(b.sheet.view.m_driveCommand[second].letter(), '0');
    }
    {
        SCOPED_TRACE("a phase on +");
        DriveBench b;
        b.start("123");
        b.sheet.setLetter(b.inputWires[6], '2');
        b.paint(2);
        EXPECT_EQ(b.sheet.box(), symboltest::kShortCircuit);
    }
}

TEST(InverterControl, OddTextsAndMissingCompanionStayInBounds) {
    for (const char* text : {"1-0-0-0", "9", ""}) {
        SCOPED_TRACE(text);
        DriveBench b;
        b.sheet.view.m_paramText[b.block] = text;
        b.start("123");
        b.inputs("+0+0");
        b.paint(4);
        EXPECT_EQ(b.sheet.box(), "");
    }
    DriveBench b(kTypeInverterThreePhase, true, false);
    b.start("123");
    b.inputs("+0+0");
    const int next = b.block + 1;  // a wire, not a companion
    std::vector<int> links;
    std::string letters;
    for (int k = 0; k < kTerminalCount; ++k) {
        links.push_back(b.sheet.view.m_terminalLink[next][k]);
        letters += b.sheet.view.m_terminalPotential[next][k].letter();
    }
    b.paint(3);
    EXPECT_EQ(b.command(), '1');
    for (int k = 0; k < kTerminalCount; ++k) {
        EXPECT_EQ(b.sheet.view.m_terminalLink[next][k], links[static_cast<std::size_t>(k)]) << k;
        EXPECT_EQ(b.sheet.view.m_terminalPotential[next][k].letter(), letters[static_cast<std::size_t>(k)]) << k;
    }
}

}  // namespace
