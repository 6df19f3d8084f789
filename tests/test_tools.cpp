// Tool selection: every palette command's tool and sub-kind, the drawing-tool
// commands, the text tool's dialog, and what arming a tool repaints.
#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "model/TypeCodes.h"
#include "model/VelkarionView.h"
#include "paint_sheet.h"
#include "platform/text1250.h"
#include "platform/textentry.h"
#include "res/Resource.h"
#include "testkit/testkit.h"

using namespace velk;

namespace {

// A sheet view with a window of its own, nothing pending to paint.
struct ToolSheet : velk::testing::PaintSheet {
    ToolSheet() {
        view.resizeClient(800, 600);
        view.m_markerX = view.m_markerY = kNoMarker;
        settle();
    }
    void settle() { view.runPendingPaint(); }
    bool pendingCovers(const Rect& r) const {
        const Rect p = view.pendingPaintArea();
        return view.hasPendingPaint() && p.united(r) == p;
    }
};

// The text dialog answered by the test: typed and OK, or cancelled; what it
// showed when it opened is kept.
struct TextEntryAnswer {
    struct Asked {
        std::string caption, initial;
    };
    std::optional<std::string> answer;  // Windows-1250
    std::vector<Asked> asked;
    TextEntryAnswer() {
        m_before = setModalDialogHandler([this](Dialog& dialog) {
            testkit::DialogDriver d(dialog);
            asked.push_back({dialog.dialogTemplate().caption, d.text(1040)});
            if (!answer) return d.escape();
            d.setText(1040, TextCodec1250::toUtf8(*answer));
            d.click(IDOK);
        });
    }
    ~TextEntryAnswer() { setModalDialogHandler(std::move(m_before)); }

private:
    std::function<void(Dialog&)> m_before;
};

struct PaletteRow {
    int id;
    int type;
    int subKind;
};

// Command id, type code and link sub-kind of every palette button with a
// command, palette by palette in button order.
const PaletteRow kPaletteRows[] = {
    {32828, 1000, 0}, {32829, 1001, 0}, {32830, 1002, 0}, {32831, 1003, 0}, {32994, 1005, 0},
    {32832, 1004, 0}, {32999, 1006, 0}, {33000, 1007, 0},
    {32899, 2006, 0}, {32834, 2000, 0}, {32833, 2001, 0}, {32835, 2002, 0}, {32900, 2007, 0},
    {32836, 2003, 0}, {32837, 2004, 0}, {32838, 2005, 0},
    {32853, 5000, 0}, {32842, 5001, 0}, {32839, 5002, 0}, {32840, 5003, 0}, {32841, 5004, 0},
    {32854, 5005, 0}, {32843, 5006, 0}, {32844, 5007, 0}, {32845, 5008, 0}, {32848, 5009, 0},
    {32858, 6000, 0}, {32859, 6001, 0}, {32860, 6002, 0}, {32861, 6003, 0}, {32862, 6004, 0},
    {32863, 6005, 0}, {32864, 6006, 0}, {32865, 6007, 0}, {32898, 6010, 0}, {33050, 6011, 0},
    {32866, 6008, 0}, {32867, 6009, 0}, {33052, 6012, 0}, {33054, 6013, 0}, {33055, 6014, 0},
    {32873, 3000, 0}, {32874, 3001, 0}, {32883, 3002, 0}, {32872, 3003, 0}, {32906, 3011, 0},
    {32870, 3004, 0}, {32879, 3005, 0}, {32869, 3006, 0}, {32882, 3007, 0}, {32876, 3008, 0},
    {32877, 3009, 0}, {32875, 3010, 0}, {33042, 3015, 0}, {32995, 3012, 0}, {33045, 3017, 0},
    {33043, 3016, 0}, {32997, 3013, 0}, {32998, 3014, 0}, {33044, 3018, 0}, {33046, 3019, 0},
    {32884, 4000, 0}, {32895, 4009, 0}, {32896, 4010, 0}, {33035, 4018, 0}, {33037, 4019, 0},
    {32889, 4001, 0}, {32893, 4005, 0}, {32891, 4006, 0}, {32894, 4007, 0}, {32892, 4008, 0},
    {32885, 4002, 0}, {32888, 4003, 0}, {32890, 4004, 0}, {32968, 4011, 0}, {32969, 4012, 0},
    {32991, 4015, 0}, {32992, 4016, 0}, {32993, 4017, 0}, {32897, 4013, 0}, {32970, 4014, 0},
    {32909, 8000, 0}, {32910, 8001, 0}, {32912, 8002, 0}, {32913, 8003, 0}, {32914, 8004, 0},
    {32915, 8005, 0}, {32917, 8006, 0}, {32918, 8007, 0}, {32919, 8008, 0}, {32920, 8009, 0},
    {32921, 8010, 0}, {32922, 8011, 0}, {33047, 8020, 0}, {33048, 8021, 0}, {33049, 8022, 0},
    {32923, 8012, 0}, {32924, 8013, 0}, {32925, 8014, 0}, {32926, 8015, 0}, {32927, 8016, 0},
    {32928, 8017, 0}, {32929, 8018, 0}, {32930, 8019, 0},
    {32937, 7000, 0}, {32938, 7001, 0}, {32939, 7002, 0}, {32940, 7003, 0}, {32933, 7004, 0},
    {32934, 7005, 0}, {32935, 7006, 0}, {32936, 7007, 0}, {32941, 7008, 0}, {32942, 7009, 0},
    {32943, 7010, 0}, {32944, 7011, 0}, {32945, 7012, 0}, {32946, 7013, 0}, {32947, 7014, 0},
    {32948, 7015, 0},
    {32949, 9000, 0}, {32956, 9001, 0}, {32964, 9002, 0}, {32951, 9003, 0}, {32952, 9004, 0},
    {32953, 9005, 0}, {32954, 9006, 0}, {32955, 9007, 0}, {32957, 9008, 0}, {32958, 9009, 0},
    {32961, 9010, 0}, {32962, 9011, 0}, {32960, 9012, 0}, {32959, 9013, 0},
    {33002, 1050, 0}, {33003, 1051, 0}, {33004, 1052, 0}, {33005, 1053, 0}, {33089, 1062, 0},
    {33006, 1054, 0}, {33007, 1055, 0}, {33011, 1056, 0}, {33015, 1057, 0}, {33016, 1058, 0},
    {33018, 1059, 0}, {33017, 1060, 0}, {33012, 1061, 0},
    {33032, 7500, 0}, {33020, 7520, 0}, {33021, 7506, 0}, {33022, 7526, 0}, {33023, 7512, 0},
    {33024, 7532, 0}, {33025, 7550, 0}, {33027, 7551, 0}, {33034, 7553, 0}, {33033, 7559, 0},
    {33056, 10000, 0}, {33057, 10010, 0}, {33058, 10040, 0}, {33059, 10041, 0}, {33060, 10020, 0},
    {33061, 10030, 0}, {33062, 10050, 0}, {33063, 10051, 0}, {33065, 10052, 0}, {33066, 10053, 0},
    {33067, 10060, 0}, {33069, 10061, 0}, {33070, 10062, 0}, {33079, 10070, 0}, {33080, 10071, 0},
    {33088, 10100, 0}, {33083, 10101, 0}, {33084, 10102, 0}, {33085, 10103, 0}, {33094, 10106, 10109},
    {33095, 10106, 10110}, {33086, 10104, 0}, {33093, 10105, 0}, {33092, 10106, 0}, {33090, 10107, 0},
    {33091, 10108, 0}, {33096, 10111, 0},
};

}  // namespace

TEST(PaletteCommands, EachSelectsItsToolAndSubKind) {
    ASSERT_EQ(std::size(kPaletteRows), 184u);
    ToolSheet s;
    for (const PaletteRow& row : kPaletteRows) {
        SCOPED_TRACE(::testing::Message() << "command " << row.id);
        g_currentTool = kTypeLine;
        g_toolSubKind = 77;
        s.view.m_toolOrientation = 5;
        EXPECT_TRUE(CVelkarionView::IsToolCommand(row.id));
        ASSERT_TRUE(s.view.RunToolCommand(row.id));
        EXPECT_EQ(g_currentTool, row.type);
        EXPECT_EQ(g_toolSubKind, row.subKind);
        EXPECT_EQ(s.view.m_toolOrientation, 0);
    }
    // The last three logic buttons have no command: nothing handles them.
    for (int id : {33075, 33076, 33078}) {
        SCOPED_TRACE(::testing::Message() << "button " << id);
        g_currentTool = kTypeLine;
        EXPECT_FALSE(CVelkarionView::IsToolCommand(id));
        EXPECT_FALSE(s.view.RunToolCommand(id));
        EXPECT_EQ(g_currentTool, kTypeLine);
    }
}

TEST(PaletteCommands, LinkSubKindFollowsTheLastToolCommand) {
    struct Row {
        const char* name;
        std::vector<int> commands;
        int subKind;
    };
    const Row rows[] = {
        {"OR divergence", {ID_PLACE_GRAFCET_OR_DIVERGENCE}, kTypeGrafcetOrDivergence},
        {"OR convergence", {ID_PLACE_GRAFCET_OR_CONVERGENCE}, kTypeGrafcetOrConvergence},
        {"plain link after OR divergence", {ID_PLACE_GRAFCET_OR_DIVERGENCE, ID_PLACE_GRAFCET_LINK}, 0},
        {"another palette tool after OR divergence", {ID_PLACE_GRAFCET_OR_DIVERGENCE, ID_PLACE_COIL}, 0},
        {"a drawing tool leaves it", {ID_PLACE_GRAFCET_OR_DIVERGENCE, ID_TOOL_LINE}, kTypeGrafcetOrDivergence},
        {"the select tool leaves it", {ID_PLACE_GRAFCET_OR_CONVERGENCE, ID_TOOL_SELECT}, kTypeGrafcetOrConvergence},
        {"a zoom command with another tool drops it",
         {ID_PLACE_GRAFCET_OR_DIVERGENCE, ID_TOOL_LINE, ID_ZOOM_IN},
         0},
        {"a zoom command with the link tool keeps it", {ID_PLACE_GRAFCET_OR_DIVERGENCE, ID_ZOOM_IN},
         kTypeGrafcetOrDivergence},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        ToolSheet s;
        g_toolSubKind = 0;
        for (int id : row.commands)
            ASSERT_TRUE(s.view.RunToolCommand(id) || s.view.RunZoomCommand(id)) << id;
        EXPECT_EQ(g_toolSubKind, row.subKind);
    }
}

TEST(DrawingTools, ChooseTheToolWithoutArmingIt) {
    struct Row {
        int id;
        int tool;
    };
    const Row rows[] = {
        {ID_TOOL_SELECT, kTypeNone},          {ID_TOOL_LINE, kTypeLine},
        {ID_TOOL_RECTANGLE, kTypeRectangle},  {ID_TOOL_ELLIPSE, kTypeEllipse},
        {ID_TOOL_FILLED_RECTANGLE, kTypeFilledRectangle},
        {ID_TOOL_FILLED_ELLIPSE, kTypeFilledEllipse},
        {ID_TOOL_FILL, kTypeFill},            {ID_TOOL_COLOR_PICKER, kTypeColorPicker},
        {ID_TOOL_LIBRARIES, kTypeNone},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(::testing::Message() << "command " << row.id);
        ToolSheet s;
        CVelkarionView& v = s.view;
        g_currentTool = kTypeCoil;
        g_toolSubKind = kTypeGrafcetOrDivergence;
        g_itemPicked = 1;
        v.m_toolOrientation = 6;
        v.m_selectionValid = 1;
        v.m_lastPointX = 77;
        v.m_lastPointY = 55;
        ASSERT_TRUE(v.RunToolCommand(row.id));
        EXPECT_EQ(g_currentTool, row.tool);
        EXPECT_EQ(g_itemPicked, 0);
        EXPECT_EQ(v.m_toolOrientation, 0);
        // Nothing is armed: sub-kind, selection and preview point stay.
        EXPECT_EQ(g_toolSubKind, kTypeGrafcetOrDivergence);
        EXPECT_EQ(v.m_selectionValid, 1);
        EXPECT_EQ(v.m_lastPointX, 77);
        EXPECT_EQ(v.m_lastPointY, 55);
        EXPECT_TRUE(s.pendingCovers(v.surface().bounds())) << "the whole view is drawn anew";
    }
}

TEST(DrawingTools, ReservedCommandDoesNothing) {
    ToolSheet s;
    g_currentTool = kTypeCoil;
    g_itemPicked = 1;
    s.view.m_toolOrientation = 3;
    EXPECT_TRUE(CVelkarionView::IsToolCommand(ID_TOOL_RESERVED));
    EXPECT_TRUE(s.view.RunToolCommand(ID_TOOL_RESERVED));
    EXPECT_EQ(g_currentTool, kTypeCoil);
    EXPECT_EQ(g_itemPicked, 1);
    EXPECT_EQ(s.view.m_toolOrientation, 3);
    EXPECT_FALSE(s.view.hasPendingPaint());
}

TEST(DrawingTools, TextToolTakesItsTextFromTheDialog) {
    struct Row {
        const char* name;
        std::optional<std::string> answer;
        int tool;
        std::string text;
    };
    const std::string polish = cp1250("Stycznik główny");
    const Row rows[] = {
        {"OK arms the text tool", polish, kTypeText, polish},
        {"Cancel leaves the select tool and no text", std::nullopt, kTypeNone, ""},
        {"the field holds 30 characters", std::string(45, 'x'), kTypeText, std::string(30, 'x')},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        ToolSheet s;
        TextEntryAnswer dialog;
        dialog.answer = row.answer;
        g_currentTool = kTypeCoil;
        g_textToolText = "left from before";
        ASSERT_TRUE(s.view.RunToolCommand(ID_TOOL_TEXT));
        ASSERT_EQ(dialog.asked.size(), 1u);
        EXPECT_EQ(dialog.asked[0].caption, "Tekst");
        EXPECT_EQ(dialog.asked[0].initial, "") << "the dialog opens empty";
        EXPECT_EQ(g_currentTool, row.tool);
        EXPECT_EQ(g_textToolText, row.text);
    }
}

// A picked item and a selection are dropped by every palette command, and what
// they covered is repainted; so is the preview, also with a selection around.
TEST(ToolArming, RepaintsWhatTheCommandDrops) {
    struct Row {
        const char* name;
        int command;
        bool picked;
        bool selection;
        Point preview;  // where the preview was last seen
    };
    // Each area lies apart from the others, so that one repainted area does not
    // happen to cover another.
    const Row rows[] = {
        {"picked item", ID_PLACE_COIL, true, false, {100, 60}},
        {"picked item, fuse switch-disconnector", ID_PLACE_FUSE_SWITCH_IN, true, false, {100, 60}},
        {"selection", ID_PLACE_MOTOR_THREE_PHASE, false, true, {700, 540}},
        {"selection, fuse switch-disconnector", ID_PLACE_FUSE_SWITCH_IN, false, true, {700, 540}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        ToolSheet s;
        CVelkarionView& v = s.view;
        s.doc.m_zoom = 2.0;
        // A coil at (250, 200) with its box, and the preview's last place.
        const int k = s.add(kTypeCoil, 250, 200);
        v.m_boxX1[k] = -15;
        v.m_boxY1[k] = -3;
        v.m_boxX2[k] = 9;
        v.m_boxY2[k] = 15;
        v.m_dragCurrentX = row.preview.x;
        v.m_dragCurrentY = row.preview.y;
        v.m_ghostRect[0] = -12;
        v.m_ghostRect[1] = -6;
        v.m_ghostRect[2] = 30;
        v.m_ghostRect[3] = 24;
        if (row.picked) {
            g_itemPicked = 1;
            v.m_pickedIndex = k;
        }
        if (row.selection) {
            v.m_selected[k] = 1;
            v.m_selectionValid = 1;
            v.m_selectionRect[0] = 30;
            v.m_selectionRect[1] = 20;
            v.m_selectionRect[2] = 60;
            v.m_selectionRect[3] = 40;
        }
        s.settle();

        ASSERT_TRUE(v.RunToolCommand(row.command));
        EXPECT_EQ(g_itemPicked, 0);
        EXPECT_EQ(v.m_selected[k], 0);
        EXPECT_EQ(v.m_selectionValid, 0);
        if (row.picked) {
            EXPECT_TRUE(s.pendingCovers({470, 394, 518, 430})) << "the item's area";
        }
        if (row.selection) {
            EXPECT_TRUE(s.pendingCovers({54, 34, 126, 86})) << "the selection plus 3 units on each side";
        }
        const Point p = row.preview;
        EXPECT_TRUE(s.pendingCovers({p.x - 24, p.y - 12, p.x + 60, p.y + 48})) << "the old preview";
    }
}

// Whatever the tool commands do to the preview, the window afterwards shows what
// a full repaint shows: no preview, highlight or mark is left behind.
TEST(ToolArmingScenario, NothingIsLeftBehind) {
    testkit::Session session;
    TextEntryAnswer dialog;
    CVelkarionView& view = session.newSheet();
    // Each symbol shows as a solid box of its placement ghost in its outline colour.
    view.m_routineProbe = [&view](Dc& dc, int type, double zoom, int ox, int oy) {
        const int code = view.m_drawingPlaced == 1 ? view.m_orientation[view.m_loopIndex] : view.m_toolOrientation;
        const Rect g = CVelkarionView::ComputePlacementGhost(type, zoom, code);
        dc.fillRect({ox + g.left, oy + g.top, ox + g.right, oy + g.bottom}, view.m_penColor);
    };
    // At zoom 6 and scrolled a little, the parked preview is in sight.
    for (int i = 0; i < 4; ++i) session.command(view, ID_ZOOM_IN);
    ASSERT_DOUBLE_EQ(session.document(view).m_zoom, 6.0);
    view.scrollTo(40, 20);
    session.flush();
    // Two placed coils to pick and select.
    for (int i = 0; i < 2; ++i) {
        view.m_type[i] = kTypeCoil;
        view.m_x[i] = 60 + 20 * i;
        view.m_y[i] = 60;
        const Rect box = CVelkarionView::ComputePlacementGhost(kTypeCoil, 1.0, 0);
        view.m_boxX1[i] = box.left;
        view.m_boxY1[i] = box.top;
        view.m_boxX2[i] = box.right;
        view.m_boxY2[i] = box.bottom;
    }
    view.m_componentCount = 2;
    view.invalidate(true);
    session.flush();

    auto expectLikeFullRepaint = [&](const char* step) {
        SCOPED_TRACE(step);
        const Surface shown = session.surface(view);
        view.invalidate(true);
        const Surface& full = session.surface(view);
        int differing = 0;
        for (int y = 0; y < full.height(); ++y)
            for (int x = 0; x < full.width(); ++x)
                if (shown.pixel(x, y) != full.pixel(x, y)) ++differing;
        EXPECT_EQ(differing, 0);
    };
    auto run = [&](int id) { EXPECT_EQ(session.command(view, id), CommandResult::Handled) << id; };
    const std::vector<std::pair<const char*, std::function<void()>>> steps = {
        {"coil tool", [&] { run(ID_PLACE_COIL); }},
        {"pointer moved", [&] { session.move(view, 300, 260); }},
        {"inverter control tool", [&] { run(ID_PLACE_INVERTER_CONTROL); }},
        {"pointer moved far", [&] { session.move(view, 650, 480); }},
        {"supply tool with a selection",
         [&] {
             view.m_selected[0] = view.m_selected[1] = 1;
             view.m_selectionValid = 1;
             view.m_selectionRect[0] = 50;
             view.m_selectionRect[1] = 50;
             view.m_selectionRect[2] = 95;
             view.m_selectionRect[3] = 75;
             view.invalidate(false);
             session.flush();
             run(ID_PLACE_SUPPLY_L1L2L3);
         }},
        {"pointer moved again", [&] { session.move(view, 60, 40); }},
        {"fuse switch-disconnector with an item picked",
         [&] {
             g_itemPicked = 1;
             view.m_pickedIndex = 1;
             view.invalidate(false);
             session.flush();
             run(ID_PLACE_FUSE_SWITCH_IN);
         }},
        {"line tool", [&] { run(ID_TOOL_LINE); }},
        {"motor tool", [&] { run(ID_PLACE_MOTOR_THREE_PHASE); }},
        {"zoom in", [&] { run(ID_ZOOM_IN); }},
        {"text tool cancelled", [&] { run(ID_TOOL_TEXT); }},
    };
    for (const auto& [name, run] : steps) {
        run();
        session.flush();
        expectLikeFullRepaint(name);
    }
}
