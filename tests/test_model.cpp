// The slot table, its type codes and the binding of components by label.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "model/TypeCodes.h"
#include "model/VelkarionView.h"

using namespace velk;

namespace {

std::set<int> codesWhere(bool (*pred)(int)) {
    std::set<int> out;
    for (int i = 0; i < kAllTypeCodeCount; ++i)
        if (pred(kAllTypeCodes[i])) out.insert(kAllTypeCodes[i]);
    return out;
}

}  // namespace

TEST(TypeCodes, CountsAndFamilies) {
    EXPECT_EQ(kAllTypeCodeCount, 248);
    int components = 0;
    for (int i = 0; i < kAllTypeCodeCount; ++i) {
        if (i > 0) {
            EXPECT_LT(kAllTypeCodes[i - 1], kAllTypeCodes[i]) << "ascending and unique";
        }
        if (kAllTypeCodes[i] >= 1000) ++components;
    }
    EXPECT_EQ(components, 237);
    EXPECT_STREQ(typeCodeName(9000), "kTypeCoil");
    EXPECT_STREQ(typeCodeName(-1), "kTypeCompanionSlot");
    EXPECT_STREQ(typeCodeName(10111), "kTypeGrafcetMacroStep");
}

TEST(TypeCodes, GapsHoldNoCode) {
    struct Gap { int from, to; };
    const Gap gaps[] = {{10, 999}, {1008, 1049}, {1063, 1999}, {2008, 2999}, {3020, 3999}, {4020, 4999},
                        {5010, 5999}, {6015, 6999}, {7016, 7499}, {7518, 7519}, {7538, 7549},
                        {7565, 7999}, {8023, 8999}, {9014, 9999}};
    for (const Gap& g : gaps)
        for (int c = g.from; c <= g.to; ++c) ASSERT_FALSE(isKnownTypeCode(c)) << c;
}

TEST(TypeCodes, FamilyRules) {
    // Sensors: 7500 + 20 x contact + 6 x kind + variant.
    for (int contact = 0; contact < 2; ++contact)
        for (int kind = 0; kind < 3; ++kind)
            for (int variant = 0; variant < 6; ++variant) {
                int code = 7500 + 20 * contact + 6 * kind + variant;
                EXPECT_TRUE(isKnownTypeCode(code)) << code;
                EXPECT_TRUE(isProximitySensor(code)) << code;
            }
    EXPECT_EQ(codesWhere(isProximitySensor).size(), 36u);
    // Receivers of the barriers: 7553 + variant (NO) and 7559 + variant (NC).
    for (int variant = 0; variant < 6; ++variant) {
        EXPECT_TRUE(isKnownTypeCode(kTypeBarrierReceiverNO2Wire + variant));
        EXPECT_TRUE(isKnownTypeCode(kTypeBarrierReceiverNC2Wire + variant));
    }
    EXPECT_EQ(codesWhere(isBarrier).size(), 15u);
    // Logic blocks: 10000 + 10 x function + inputs - 2.
    for (int function = 0; function < 4; ++function)
        for (int inputs = 2; inputs <= 5; ++inputs)
            EXPECT_TRUE(isLogicGate(10000 + 10 * function + inputs - 2));
    EXPECT_EQ(codesWhere(isLogicGate).size(), 18u);
}

TEST(TypeCodes, CodeSets) {
    EXPECT_EQ(codesWhere(isWireLike), (std::set<int>{4000, 4009, 4010, 4018, 4019, 10104, 10105, 10106}));
    EXPECT_EQ(codesWhere(isDrawnByWirePass),
              (std::set<int>{4000, 4002, 4009, 4010, 4018, 4019, 10104, 10105, 10106}));
    EXPECT_EQ(codesWhere(isWireTool), (std::set<int>{4000, 4002, 4005, 4006, 4007, 4008, 4009, 4010, 4011, 4012,
                                                     4015, 4016, 4017, 4018, 4019, 10104, 10105, 10106}));
    EXPECT_EQ(codesWhere(isToolOnly), (std::set<int>{7, 4005, 4006, 4007, 4008}));
    EXPECT_EQ(codesWhere(isFreeDrawing), (std::set<int>{1, 2, 3, 4, 5, 6, 7, 8, 9}));
    EXPECT_EQ(codesWhere(isTerminalStrip), (std::set<int>{4012, 4015, 4016, 4017}));
    EXPECT_EQ(codesWhere(isFixedSupply).size(), 12u);

    // Every storable code from 1 up is either a line kind (two corners) or a symbol kind
    // (insertion point and box), never both; the tool-only codes and the link sub-kinds are neither.
    for (int i = 0; i < kAllTypeCodeCount; ++i) {
        int t = kAllTypeCodes[i];
        SCOPED_TRACE(typeCodeName(t));
        if (t < 1 || t == kTypeColorPicker) continue;
        if (t >= kTypeWireThreePhaseVertical1 && t <= kTypeWireThreePhaseHorizontal2) {
            EXPECT_FALSE(isSymbolKind(t));
            continue;
        }
        if (t == kTypeGrafcetOrDivergence || t == kTypeGrafcetOrConvergence) continue;
        EXPECT_NE(isLineKind(t), isSymbolKind(t));
    }
}

TEST(TypeCodes, EveryComponentHasItsRoutine) {
    std::set<int> noRoutine;
    for (int i = 0; i < kAllTypeCodeCount; ++i) {
        int t = kAllTypeCodes[i];
        if (CVelkarionView::routineFor(t) == nullptr) noRoutine.insert(t);
        else EXPECT_GE(t, 1000) << "free drawing is drawn by the paint itself";
    }
    // Below 1000, the wire pass kinds, the three-phase wire tools and the link sub-kinds.
    std::set<int> expected;
    for (int i = 0; i < kAllTypeCodeCount; ++i)
        if (kAllTypeCodes[i] < 1000) expected.insert(kAllTypeCodes[i]);
    for (int t : {4000, 4002, 4009, 4010, 4018, 4019, 10104, 10105, 10106, 4005, 4006, 4007, 4008, 10109, 10110})
        expected.insert(t);
    EXPECT_EQ(noRoutine, expected);
    // Variants of a sensor share one routine.
    EXPECT_EQ(CVelkarionView::routineFor(7501), CVelkarionView::routineFor(7502));
    EXPECT_EQ(CVelkarionView::routineFor(7501), CVelkarionView::routineFor(7513));
    EXPECT_STREQ(CVelkarionView::routineNameFor(7516), "DrawSensorNO3WireSide");
    EXPECT_EQ(CVelkarionView::routineFor(12345), nullptr);
}

TEST(SlotTable, LabelEquality) {
    struct Row { const char* name; std::string a, b; bool equal; };
    const Row rows[] = {
        {"identical", "-K1", "-K1", true},
        {"both empty", "", "", true},
        {"letter case", "-K1", "-k1", false},
        {"trailing blank", "-K1", "-K1 ", false},
        {"leading blank", " -K1", "-K1", false},
        {"prefix", "-K", "-K1", false},
        {"Windows-1250 bytes compared as bytes", "-S\xb9", "-S\xb9", true},
        {"different high byte", "-S\xb9", "-S\xa5", false},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        EXPECT_EQ(CVelkarionView::labelsEqual(r.a, r.b), r.equal);
    }
}

TEST(SlotTable, ColumnsAreBoundsChecked) {
    auto view = std::make_unique<CVelkarionView>();
    // Writes outside a column land nowhere that is read.
    view->m_type[1000] = 9000;
    view->m_type[-1] = 9000;
    view->m_label[5000] = "-K";
    view->m_terminalName[3][9] = "A1";
    view->m_terminalName[3][-2] = "A2";
    view->m_potential[2][15] = 'X';
    view->m_potential[2][99] = 'X';
    EXPECT_EQ(view->m_type[1000], 0);
    EXPECT_EQ(view->m_type[-1], 0);
    EXPECT_EQ(view->m_label[5000], "");
    EXPECT_EQ(view->m_terminalName[3][9], "");
    for (int i = 0; i < kSlotCount; ++i) {
        ASSERT_EQ(view->m_type[i], 0);
        ASSERT_EQ(view->m_label[i], "");
    }
    for (int k = 0; k < kTerminalCount; ++k) EXPECT_EQ(view->m_terminalName[3][k], "");
    EXPECT_EQ(view->m_potential[2].letter(), '0');
}

TEST(SlotTable, AliasesShareTheirColumn) {
    auto view = std::make_unique<CVelkarionView>();
    view->m_netNumber[7] = 12;
    EXPECT_EQ(view->m_terminalLink[7][0], 12);
    view->m_timerValue[4] = "30";
    EXPECT_EQ(view->m_terminalName[4][3], "30");
    view->m_driveCommand[2].setLetter('+');
    EXPECT_EQ(view->m_terminalPotential[2][8].letter(), '+');
}

TEST(SlotTable, LiveSlotsAndClearing) {
    auto view = std::make_unique<CVelkarionView>();
    view->m_componentCount = 3;
    view->m_type[0] = kTypeCoil;
    view->m_type[1] = kTypeCoil;
    view->m_deleted[1] = 1;
    view->m_type[2] = kTypeCompanionSlot;
    view->m_type[3] = kTypeCoil;  // above the count
    EXPECT_TRUE(view->isLive(0));
    EXPECT_FALSE(view->isLive(1)) << "hidden";
    EXPECT_FALSE(view->isLive(2)) << "companion slots are not live";
    EXPECT_FALSE(view->isLive(3)) << "above the count";

    view->m_label[0] = "-K";
    view->m_state[0] = 1;
    view->m_potential[0].setLetter('1');
    view->m_controlOutput[0] = 4200;
    view->m_terminalPotential[0][4].setLetter('N');
    view->clearSlot(0);
    EXPECT_EQ(view->m_type[0], 0);
    EXPECT_EQ(view->m_label[0], "");
    EXPECT_EQ(view->m_state[0], 0);
    EXPECT_EQ(view->m_potential[0].letter(), '0');
    EXPECT_EQ(view->m_terminalPotential[0][4].letter(), '0');
    EXPECT_EQ(view->m_controlOutput[0], 4200) << "a drive's output survives clearing";
}
