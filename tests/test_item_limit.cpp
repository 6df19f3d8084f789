// The 999-item limit on every path that adds items: an addition that does not fit
// whole changes nothing (not even the modified flag), and whatever fits survives
// Save As and Open.
#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>

#include "file_test_support.h"
#include "model/TypeCodes.h"
#include "model/Pictures.h"
#include "model/VelkarionView.h"
#include "res/Resource.h"
#include "testkit/testkit.h"

using namespace velk;
using velk::testkit::Session;
using velk::filetest::fixturePath;
using velk::filetest::readBytes;

namespace {

// Text items up to `count`, written straight into the table as a loaded sheet
// would hold them.
void fillTo(CVelkarionView& v, int count) {
    for (int i = v.m_componentCount; i < count; ++i) {
        v.clearSlot(i);
        v.m_componentId[i] = i;
        v.m_type[i] = kTypeText;
        v.m_x[i] = 10 + i % 30;
        v.m_y[i] = 10 + i / 30;
        v.m_x2[i] = v.m_x[i] + 5;
        v.m_y2[i] = v.m_y[i] + 3;
        v.m_paramText[i] = "t" + std::to_string(i);
    }
    v.m_componentCount = count;
}

// Copies two coils at the sheet's corner to the clipboard, then takes them away
// again, so the sheet holds only what fillTo puts there.
void copyTwoCoils(Session& session, CVelkarionView& v) {
    for (int k = 0; k < 2; ++k) {
        v.clearSlot(k);
        v.m_componentId[k] = k;
        v.m_type[k] = kTypeCoil;
        v.m_x[k] = 20 + 20 * k;
        v.m_y[k] = 20;
        v.m_boxX1[k] = -4;
        v.m_boxY1[k] = 0;
        v.m_boxX2[k] = 4;
        v.m_boxY2[k] = 12;
        v.m_label[k] = "-K1";
        v.m_selected[k] = 1;
    }
    v.m_componentCount = 2;
    v.m_selectionValid = 1;
    v.m_selectionRect[0] = 0;
    v.m_selectionRect[1] = 0;
    v.m_selectionRect[2] = 100;
    v.m_selectionRect[3] = 60;
    g_selectionCount = 2;
    session.command(v, ID_EDIT_COPY);
    v.m_selected[0] = v.m_selected[1] = 0;
    g_selectionCount = 0;
    v.m_selectionValid = 0;
    v.m_componentCount = 0;
}

// A wire dragged with the tool between two drawing-unit points.
void dragWire(Session& session, CVelkarionView& v, int tool, Point a, Point b) {
    session.command(v, ID_MODE_EDIT);
    g_currentTool = tool;
    v.BeginToolPlacement();
    const Point from = session.unitsToWindow(v, a.x, a.y);
    const Point to = session.unitsToWindow(v, b.x, b.y);
    session.press(v, from.x, from.y);
    session.move(v, to.x, to.y);
    session.release(v, to.x, to.y);
    g_currentTool = kTypeNone;
}

}  // namespace

TEST(ItemLimit, EveryAddingPathStopsAt999AndTheSavedSheetKeepsEveryItem) {
    struct Row {
        const char* name;
        int countBefore;
        std::function<void(Session&, CVelkarionView&)> act;
        int countAfter;
        bool refused;
    };
    const auto paste = [](Session& s, CVelkarionView& v) { s.command(v, ID_EDIT_PASTE); };
    const auto importPicture = [](Session& s, CVelkarionView& v) {
        const std::string path = s.workDir() + "/two_by_two.bmp";
        setPictureChooser([path] { return std::optional<std::string>(path); });
        s.command(v, ID_FILE_IMPORT_PICTURE);
        setPictureChooser(nullptr);
    };
    // An item hidden by Undo at the count, as an older build left one past 998.
    const auto redoHidden = [](Session& s, CVelkarionView& v) {
        const int n = v.m_componentCount;
        fillTo(v, n + 1);
        v.m_componentCount = n;
        v.m_deleted[n] = 1;
        s.command(v, ID_EDIT_REDO);
    };
    const auto undoRedo = [](Session& s, CVelkarionView& v) {
        s.command(v, ID_EDIT_UNDO);
        s.command(v, ID_EDIT_REDO);
    };
    const auto wire = [](Session& s, CVelkarionView& v) { dragWire(s, v, kTypeWirePhase, {150, 150}, {150, 180}); };
    // Ends inside the last item, a wire across: the new wire brings a junction dot.
    const auto wireWithDot = [](Session& s, CVelkarionView& v) {
        dragWire(s, v, kTypeWirePhase, {129, 201}, {129, 231});
    };
    const auto threePhase = [](Session& s, CVelkarionView& v) {
        dragWire(s, v, kTypeWireThreePhaseHorizontal1, {150, 150}, {210, 150});
    };
    const Row rows[] = {
        {"paste of two at 998 is refused", 998, paste, 998, true},
        {"paste of two at 997 fits", 997, paste, 999, false},
        {"picture import at 999 is refused", 999, importPicture, 999, true},
        {"picture import at 998 fits", 998, importPicture, 999, false},
        {"redo at 999 is refused", 999, redoHidden, 999, true},
        {"undo and redo at 999", 999, undoRedo, 999, false},
        {"a wire at 999 is refused", 999, wire, 999, true},
        {"a wire at 998 fits", 998, wire, 999, false},
        {"a wire and its dot at 998 are refused together", 998, wireWithDot, 998, true},
        {"a wire and its dot at 997 fit", 997, wireWithDot, 999, false},
        {"a three-phase set at 997 is refused", 997, threePhase, 997, true},
        {"a three-phase set at 996 fits", 996, threePhase, 999, false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        Session session;
        session.writeFile("two_by_two.bmp", readBytes(fixturePath("two_by_two.bmp")));
        CVelkarionView& v = session.newSheet();
        copyTwoCoils(session, v);
        fillTo(v, row.countBefore);
        // The last item is a wire, for the junction rows.
        const int last = row.countBefore - 1;
        v.m_type[last] = kTypeWirePhase;
        v.m_x[last] = 99;
        v.m_y[last] = 201;
        v.m_x2[last] = 159;
        v.m_y2[last] = 201;
        v.m_paramText[last].clear();
        session.document(v).setModified(false);

        row.act(session, v);
        session.flush();
        EXPECT_EQ(v.m_componentCount, row.countAfter);
        EXPECT_LE(v.m_componentCount, kMaxPlacedItems);
        if (row.refused) {
            EXPECT_FALSE(session.document(v).isModified()) << "nothing was added";
        }

        session.answerFileDialogs({session.workDir() + "/full.cad"});
        session.command(v, ID_FILE_SAVE_AS);
        CVelkarionView& reopened = session.openSheet(session.workDir() + "/full.cad");
        ASSERT_NE(&reopened, &v);
        EXPECT_EQ(reopened.m_componentCount, v.m_componentCount) << "every item comes back";
        for (int i = 0; i < v.m_componentCount; ++i) {
            if (v.m_type[i] != reopened.m_type[i]) {
                ADD_FAILURE() << "slot " << i << " type " << reopened.m_type[i] << ", saved " << v.m_type[i];
                break;
            }
        }
    }
}
