// The soft starter and its control block: phases pass downward only, with a
// control block of equal label only while RUN is lit; the lamps and fills of the
// control block. Each paint is passes 0 to 5 over the slots in order; the wire
// letters are set by hand.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "render/Colors.h"
#include "render/Paint.h"
#include "symbol_sheet.h"

using namespace velk;
using velk::symboltest::SymbolSheet;
using velk::testkit::DcCall;
using velk::testkit::DcOp;

namespace {

constexpr int kSX = 30, kSY = 30, kCX = 90, kCY = 30;

class StarterBench {
public:
    explicit StarterBench(int controls) {
        starter = sheet.place(kTypeSoftStarter, kSX, kSY);
        sheet.view.m_label[starter] = "-Q1";
        for (int k = 0; k < 3; ++k) top.push_back(sheet.wire(kSX + 6 * k, kSY - 9, kSX + 6 * k, kSY));
        for (int k = 0; k < 3; ++k) bottom.push_back(sheet.wire(kSX + 6 * k, kSY + 24, kSX + 6 * k, kSY + 33));
        pe = sheet.wire(kSX + 15, kSY + 12, kSX + 24, kSY + 12);
        for (int c = 0; c < controls; ++c) {
            const int x = kCX + 30 * c;
            const int i = sheet.place(kTypeSoftStarterControl, x, kCY);
            sheet.view.m_label[i] = "-Q1";
            control.push_back(i);
            in.push_back(sheet.wire(x, kCY - 9, x, kCY));
            a1.push_back(sheet.wire(x + 9, kCY - 9, x + 9, kCY));
            a2.push_back(sheet.wire(x + 9, kCY + 24, x + 9, kCY + 33));
        }
        sheet.view.OnModeRun();
    }
    void phases(const char* letters) {
        for (std::size_t k = 0; k < 3; ++k) sheet.setLetter(top[k], letters[k]);
    }
    void controlLetters(std::size_t c, const char* inA1A2) {
        sheet.setLetter(in[c], inA1A2[0]);
        sheet.setLetter(a1[c], inA1A2[1]);
        sheet.setLetter(a2[c], inA1A2[2]);
    }
    // Fill colours of the last slot drawn on pass 5.
    std::vector<Color> fills;
    void paint() {
        for (int pass = 0; pass <= 5 && sheet.view.m_simulating == 1; ++pass) {
            g_simPass = pass;
            for (int i = 0; i < sheet.view.m_componentCount && sheet.view.m_simulating == 1; ++i) {
                const int t = sheet.view.m_type[i];
                if (t != kTypeSoftStarter && t != kTypeSoftStarterControl) continue;
                sheet.drawPlaced(i, g_colorBlack);
                if (pass == 5 && i == lastDrawn()) {
                    fills.clear();
                    for (const DcCall& c : sheet.dc.calls())
                        if (c.op == DcOp::Polygon && c.brush.style == BrushStyle::Solid) fills.push_back(c.brush.color);
                }
            }
        }
        g_simPass = 0;
    }
    int lastDrawn() const { return control.empty() ? starter : control.back(); }
    std::string out() const { return sheet.letters({bottom[0], bottom[1], bottom[2]}); }

    SymbolSheet sheet;
    int starter = -1, pe = -1;
    std::vector<int> top, bottom, control, in, a1, a2;
};

TEST(SoftStarter, WithoutControlPassesThreePhases) {
    struct Row {
        const char* phases;
        const char* out;
        int state;
    };
    const Row rows[] = {{"123", "123", 1}, {"312", "312", 1}, {"113", "000", 0}, {"120", "000", 0}};
    for (const Row& r : rows) {
        SCOPED_TRACE(r.phases);
        StarterBench b(0);
        b.phases(r.phases);
        b.paint();
        EXPECT_EQ(b.out(), r.out);
        EXPECT_EQ(b.sheet.view.m_state[b.starter], r.state);
        // Simulate leaves the state drawn as 0: only a running starter is filled,
        // silver, before its thyristor.
        if (r.state == 1) EXPECT_EQ(b.fills, (std::vector<Color>{g_colorSilver, g_colorBlack}));
        else EXPECT_TRUE(b.fills.empty());
    }
    StarterBench up(0);
    for (std::size_t k = 0; k < 3; ++k) up.sheet.setLetter(up.bottom[k], "123"[k]);
    up.paint();
    EXPECT_EQ(up.sheet.letters({up.top[0], up.top[1], up.top[2]}), "000") << "nothing passes upwards";

    StarterBench fed(0);
    fed.phases("123");
    fed.sheet.setLetter(fed.pe, 'N');
    fed.paint();
    EXPECT_EQ(fed.sheet.box(), "Se esta alimentado una conexion de masa");
    EXPECT_EQ(fed.out(), "000");
}

TEST(SoftStarter, ControlBlockLampsAndRun) {
    struct Row {
        const char* inA1A2;
        bool ready, run;
    };
    const Row rows[] = {
        {"0N1", true, false}, {"NN1", true, true}, {"112", false, false},
        {"++-", true, true},  {"01N", true, false}, {"11N", true, true},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.inA1A2);
        StarterBench b(1);
        b.phases("123");
        b.controlLetters(0, r.inA1A2);
        b.paint();
        EXPECT_EQ(b.sheet.view.m_state[b.control[0]], r.run ? 1 : 0);
        const std::vector<Color> expected{r.run ? g_colorSilver : g_colorWhite, r.ready ? g_colorGreen : g_colorWhite,
                                          r.run ? g_colorGreen : g_colorWhite};
        EXPECT_EQ(b.fills, expected);
        EXPECT_EQ(b.out(), r.run ? "123" : "000");
        EXPECT_EQ(b.sheet.view.m_state[b.starter], r.run ? 1 : 0);
    }
    // The fill follows RUN even while the phases are missing.
    StarterBench b(1);
    b.controlLetters(0, "++-");
    b.paint();
    EXPECT_EQ(b.sheet.view.m_state[b.starter], 1);
    EXPECT_EQ(b.out(), "000");
}

TEST(SoftStarter, LastControlBlockDecides) {
    StarterBench b(2);
    b.phases("123");
    b.controlLetters(0, "++-");
    b.controlLetters(1, "0+-");
    b.paint();
    EXPECT_EQ(b.out(), "000");
    b.controlLetters(0, "0+-");
    b.controlLetters(1, "++-");
    b.paint();
    EXPECT_EQ(b.out(), "123");
}

}  // namespace
