// Rotate and mirror: the orientation tables against the point maps of the codes,
// the turned symbol box, the picked item against the tool orientation, and the
// enabling of the four commands.
#include <gtest/gtest.h>

#include <string>

#include "edit/Transforms.h"
#include "edit_sheet.h"
#include "model/TypeCodes.h"
#include "model/VelkarionView.h"
#include "res/Resource.h"

using namespace velk;
using velk::testing::EditSheet;

namespace {

// The point map of each orientation code as the interpreter applies it:
// (x, y) -> (m[0] x + m[1] y, m[2] x + m[3] y).
constexpr int kCodeMaps[8][4] = {
    {1, 0, 0, 1},    // (x, y)
    {0, -1, 1, 0},   // (-y, x)
    {-1, 0, 0, -1},  // (-x, -y)
    {0, 1, -1, 0},   // (y, -x)
    {-1, 0, 0, 1},   // (-x, y)
    {0, -1, -1, 0},  // (-y, -x)
    {1, 0, 0, -1},   // (x, -y)
    {0, 1, 1, 0},    // (y, x)
};

Point applyCode(int code, Point p) {
    const int* m = kCodeMaps[code];
    return {m[0] * p.x + m[1] * p.y, m[2] * p.x + m[3] * p.y};
}

struct Command {
    const char* name;
    const OrientationStep* step;
    void (CVelkarionView::*run)();
    int id;
};

const Command kCommands[] = {
    {"rotate left", &kRotateLeft, &CVelkarionView::OnRotateLeft, ID_ROTATE_LEFT},
    {"rotate right", &kRotateRight, &CVelkarionView::OnRotateRight, ID_ROTATE_RIGHT},
    {"mirror vertical", &kMirrorVertical, &CVelkarionView::OnMirrorVertical, ID_MIRROR_VERTICAL},
    {"mirror horizontal", &kMirrorHorizontal, &CVelkarionView::OnMirrorHorizontal, ID_MIRROR_HORIZONTAL},
};

TEST(Transforms, EachTableIsTheCommandsMapAfterTheOldCode) {
    // Two probe points tell all eight maps apart.
    const Point probes[] = {{1, 0}, {0, 2}};
    for (const Command& c : kCommands) {
        SCOPED_TRACE(c.name);
        for (int code = 0; code < 8; ++code) {
            SCOPED_TRACE("code " + std::to_string(code));
            const int next = c.step->nextCode(code);
            ASSERT_GE(next, 0);
            ASSERT_LE(next, 7);
            for (const Point p : probes)
                EXPECT_EQ(applyCode(next, p), c.step->map(applyCode(code, p)));
        }
    }
}

TEST(Transforms, InverseSequencesGiveTheIdentity) {
    struct Row {
        const char* name;
        std::vector<const OrientationStep*> steps;
    };
    const Row rows[] = {
        {"rotate left four times", {&kRotateLeft, &kRotateLeft, &kRotateLeft, &kRotateLeft}},
        {"rotate right four times", {&kRotateRight, &kRotateRight, &kRotateRight, &kRotateRight}},
        {"rotate left then right", {&kRotateLeft, &kRotateRight}},
        {"mirror vertical twice", {&kMirrorVertical, &kMirrorVertical}},
        {"mirror horizontal twice", {&kMirrorHorizontal, &kMirrorHorizontal}},
        {"both mirrors then a half turn", {&kMirrorVertical, &kMirrorHorizontal, &kRotateLeft, &kRotateLeft}},
    };
    const Rect box{-10, -5, 20, 15};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        for (int code = 0; code < 8; ++code) {
            int c = code;
            Rect b = box;
            for (const OrientationStep* s : row.steps) {
                c = s->nextCode(c);
                b = s->mapBox(b);
            }
            EXPECT_EQ(c, code);
            EXPECT_EQ(b, box);
        }
    }
}

TEST(Transforms, ChainedStepsFollowThePointMaps) {
    // Mirror vertical of code 0 gives 6, and a right turn of that gives 7: (y, x).
    EXPECT_EQ(kMirrorVertical.nextCode(0), 6);
    EXPECT_EQ(kRotateRight.nextCode(6), 7);
    EXPECT_EQ(kRotateLeft.nextCode(1), 0);
    // Codes outside the eight are left alone.
    for (const Command& c : kCommands) {
        EXPECT_EQ(c.step->nextCode(8), 8) << c.name;
        EXPECT_EQ(c.step->nextCode(-1), -1) << c.name;
    }
}

TEST(Transforms, APickedSymbolTurnsWithItsBoxAboutItsInsertionPoint) {
    struct Row {
        const Command& command;
        Rect box;
        int code;
    };
    const Row rows[] = {
        {kCommands[0], {-5, -20, 15, 10}, 3},
        {kCommands[1], {-15, -10, 5, 20}, 1},
        {kCommands[2], {-10, -15, 20, 5}, 6},
        {kCommands[3], {-20, -5, 10, 15}, 4},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.command.name);
        EditSheet s;
        s.addSymbol(kTypePilotLamp, 20, 20);
        const int p = s.addSymbol(kTypeCoil, 100, 60, {-10, -5, 20, 15});
        s.pick(p);
        g_currentTool = kTypeNone;
        s.settle();
        (s.view.*row.command.run)();
        EXPECT_EQ(s.view.m_orientation[p], row.code);
        EXPECT_EQ((Rect{s.view.m_boxX1[p], s.view.m_boxY1[p], s.view.m_boxX2[p], s.view.m_boxY2[p]}), row.box);
        EXPECT_EQ(s.view.m_x[p], 100);
        EXPECT_EQ(s.view.m_y[p], 60);
        EXPECT_EQ(s.view.m_orientation[0], 0);
        EXPECT_EQ(s.view.m_toolOrientation, 0);
        // The highlight follows the new box; both boxes are repainted (zoom 2).
        const Rect expected{2 * (100 + row.box.left), 2 * (60 + row.box.top), 2 * (100 + row.box.right),
                            2 * (60 + row.box.bottom)};
        EXPECT_EQ((Rect{s.view.m_highlightRect[0], s.view.m_highlightRect[1], s.view.m_highlightRect[2],
                        s.view.m_highlightRect[3]}),
                  expected);
        EXPECT_EQ(s.view.pendingPaintArea(), expected.united({180, 110, 240, 150}));
        EXPECT_TRUE(s.modified());
    }
}

TEST(Transforms, WithoutAPickTheNextPlacementTurns) {
    for (const Command& c : kCommands) {
        SCOPED_TRACE(c.name);
        EditSheet s;
        const int placed = s.addSymbol(kTypeCoil, 100, 60, {-10, -5, 20, 15});
        g_currentTool = kTypeMotorThreePhase;
        s.view.m_toolOrientation = 4;
        s.settle();
        (s.view.*c.run)();
        EXPECT_EQ(s.view.m_toolOrientation, c.step->nextCode(4));
        EXPECT_EQ(s.view.m_orientation[placed], 0);
        EXPECT_EQ(s.view.m_boxX1[placed], -10);
        EXPECT_EQ(s.view.pendingPaintArea(), s.view.surface().bounds());
        EXPECT_TRUE(s.modified());
    }
}

TEST(Transforms, AnItemOfAnUnknownCodeKeepsItButItsBoxTurns) {
    EditSheet s;
    const int p = s.addSymbol(kTypeCoil, 100, 60, {-10, -5, 20, 15});
    s.view.m_orientation[p] = 9;
    s.pick(p);
    s.view.OnRotateLeft();
    EXPECT_EQ(s.view.m_orientation[p], 9);
    EXPECT_EQ(s.view.m_boxX1[p], -5);
    EXPECT_EQ(s.view.m_boxY1[p], -20);
}

TEST(Transforms, EnabledForComponentToolsAndPickedItemsWhileEditing) {
    struct Row {
        int tool;
        int picked;
        int simulating;
        bool enabled;
    };
    const Row rows[] = {
        {kTypeNone, 0, 0, false},
        {kTypeRectangle, 0, 0, false},
        {kTypeMotorThreePhase, 0, 0, true},
        {kTypeBattery, 0, 0, true},
        {kTypeWirePhase, 0, 0, false},
        {kTypeTerminalStrip3, 0, 0, false},
        {kTypeTerminalStrip4, 0, 0, true},
        {kTypeWireMinus, 0, 0, true},
        {kTypeCoil, 0, 0, true},
        {kTypeWirePhase, 1, 0, true},
        {kTypeNone, 1, 0, true},
        {kTypeCoil, 1, 1, false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE("tool " + std::to_string(row.tool) + " picked " + std::to_string(row.picked) +
                     " simulating " + std::to_string(row.simulating));
        EditSheet s;
        g_currentTool = row.tool;
        g_itemPicked = row.picked;
        s.view.m_simulating = row.simulating;
        for (const Command& c : kCommands) {
            CommandUpdate state;
            EXPECT_TRUE(s.view.UpdateEditCommand(c.id, state));
            EXPECT_EQ(state.enabled, row.enabled) << c.name;
        }
    }
}

}  // namespace
