// Drawing colour commands: the twelve fixed colours and the colour chooser.
#include <gtest/gtest.h>

#include <optional>
#include <vector>

#include "model/TypeCodes.h"
#include "model/VelkarionView.h"
#include "paint_sheet.h"
#include "platform/colordlg.h"
#include "res/Resource.h"

using namespace velk;

namespace {

struct ColorSheet : velk::testing::PaintSheet {
    ColorSheet() {
        view.resizeClient(200, 100);
        view.runPendingPaint();
    }
};

// The colour dialog answered by the test; the colours it opened on are kept.
struct ColorDialogAnswer {
    std::optional<Color> answer;
    std::vector<Color> openedOn;
    ColorDialogAnswer() {
        setColorDialogHandler([this](Color initial) {
            openedOn.push_back(initial);
            return answer;
        });
    }
    ~ColorDialogAnswer() { setColorDialogHandler(nullptr); }
};

}  // namespace

TEST(ColorCommands, FixedColoursOnlySetTheDrawingColour) {
    struct Row {
        const char* name;
        int id;
        int r, g, b;
    };
    const Row rows[] = {
        {"black", 32811, 0, 0, 0},       {"white", 32812, 255, 255, 255}, {"grey", 32813, 128, 128, 128},
        {"light grey", 32814, 192, 192, 192}, {"dark red", 32815, 128, 0, 0}, {"red", 32816, 255, 0, 0},
        {"olive", 32817, 128, 128, 0},   {"yellow", 32818, 255, 255, 0},  {"green", 32819, 0, 128, 0},
        {"lime", 32820, 0, 255, 0},      {"teal", 32821, 0, 128, 128},    {"cyan", 32822, 0, 255, 255},
    };
    ColorSheet s;
    ColorDialogAnswer dialog;
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        s.view.m_currentColor = rgb(1, 2, 3);
        g_currentTool = kTypeRectangle;
        EXPECT_TRUE(CVelkarionView::IsColorCommand(row.id));
        ASSERT_TRUE(s.view.RunColorCommand(row.id));
        EXPECT_EQ(s.view.m_currentColor, rgb(row.r, row.g, row.b));
        EXPECT_EQ(g_currentTool, kTypeRectangle) << "the tool stays";
        EXPECT_FALSE(s.view.hasPendingPaint()) << "nothing is repainted";
    }
    EXPECT_TRUE(dialog.openedOn.empty());
}

TEST(ColorCommands, ChooserSetsTheColourOnlyOnOk) {
    struct Row {
        const char* name;
        std::optional<Color> answer;
        Color after;
    };
    const Color picked = rgb(12, 34, 56);  // as the colour picker leaves it
    const Row rows[] = {
        {"OK takes the chosen colour", rgb(200, 100, 50), rgb(200, 100, 50)},
        {"Cancel keeps the picker's colour", std::nullopt, picked},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        ColorSheet s;
        ColorDialogAnswer dialog;
        dialog.answer = row.answer;
        s.view.m_currentColor = picked;
        ASSERT_TRUE(s.view.RunColorCommand(ID_COLOR_CHOOSE));
        ASSERT_EQ(dialog.openedOn.size(), 1u);
        EXPECT_EQ(dialog.openedOn[0], picked) << "the dialog opens on the current colour";
        EXPECT_EQ(s.view.m_currentColor, row.after);
        EXPECT_FALSE(s.view.hasPendingPaint());
    }
}

TEST(ColorCommands, OtherIdsAreNotColourCommands) {
    ColorSheet s;
    s.view.m_currentColor = rgb(9, 9, 9);
    for (int id : {32810, 32824, ID_TOOL_LINE}) {
        EXPECT_FALSE(CVelkarionView::IsColorCommand(id)) << id;
        EXPECT_FALSE(s.view.RunColorCommand(id)) << id;
    }
    EXPECT_EQ(s.view.m_currentColor, rgb(9, 9, 9));
}
