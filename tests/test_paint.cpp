// The paint routine: how many evaluation, wire, terminal and lamp passes one paint
// makes in each mode, which routine each slot gets, the pen presets, the print
// offsets, the fault stop, the placement preview and the first paint's splash.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "model/VelkarionView.h"
#include "paint_sheet.h"
#include "platform/msgbox.h"
#include "platform/statusbar.h"
#include "platform/text1250.h"
#include "render/Paint.h"
#include "testkit/recording_dc.h"

using namespace velk;
using velk::testing::PaintSheet;
using velk::testkit::DcOp;
using velk::testkit::RecordingDc;

namespace {

constexpr Color kRed = rgb(255, 0, 0);
constexpr Color kBlack = rgb(0, 0, 0);

// One call the paint made: a component routine ('R') or a wire pass ('W'), with
// what the routine contract says the callee sees.
struct PaintEvent {
    char kind;
    int slot;
    int type;
    int simPass;
    int lampPass;
    int drawingPlaced;
    Color pen;
    int penWidth;
    int ox, oy;
    int offsetX, offsetY;  // the document's print offsets during the call
};

struct PaintLog {
    std::vector<PaintEvent> events;
    // Runs after each event is written down (to make a fault happen, for instance).
    std::function<void(const PaintEvent&)> after;

    void attach(CVelkarionView& v) {
        v.m_routineProbe = [this, &v](Dc&, int type, double, int ox, int oy) {
            note(v, 'R', type, ox, oy);
        };
        v.m_wirePassProbe = [this, &v](Dc&) { note(v, 'W', 0, 0, 0); };
    }
    void note(CVelkarionView& v, char kind, int type, int ox, int oy) {
        const SheetDocument* doc = v.GetDocument();
        events.push_back({kind, v.m_loopIndex, type, g_simPass, g_lampPass, v.m_drawingPlaced, v.m_penColor,
                          v.m_penWidth, ox, oy, doc->m_printOffsetX, doc->m_printOffsetY});
        if (after) after(events.back());
    }

    int wirePasses() const { return count([](const PaintEvent& e) { return e.kind == 'W'; }); }
    int drawingWirePasses() const {
        return count([](const PaintEvent& e) { return e.kind == 'W' && e.drawingPlaced == 0; });
    }
    int callsOf(int slot) const {
        return count([slot](const PaintEvent& e) { return e.kind == 'R' && e.slot == slot; });
    }
    std::vector<const PaintEvent*> routineCalls(int slot) const {
        std::vector<const PaintEvent*> out;
        for (const PaintEvent& e : events)
            if (e.kind == 'R' && e.slot == slot) out.push_back(&e);
        return out;
    }
    // The evaluation passes in which a slot's routine was called, in order.
    std::vector<int> passesOf(int slot) const {
        std::vector<int> out;
        for (const PaintEvent* e : routineCalls(slot)) out.push_back(e->simPass);
        return out;
    }
    // Index of the event in the log, -1 when absent.
    int indexOfFirstCall(int slot) const {
        for (std::size_t i = 0; i < events.size(); ++i)
            if (events[i].kind == 'R' && events[i].slot == slot) return static_cast<int>(i);
        return -1;
    }
    int indexOfWirePass(int n) const {  // n-th wire pass, from 1
        for (std::size_t i = 0; i < events.size(); ++i)
            if (events[i].kind == 'W' && --n == 0) return static_cast<int>(i);
        return -1;
    }

private:
    template <typename Pred>
    int count(Pred p) const {
        int n = 0;
        for (const PaintEvent& e : events) n += p(e) ? 1 : 0;
        return n;
    }
};

std::vector<int> firstPasses(int n) {
    std::vector<int> out;
    for (int i = 0; i < n; ++i) out.push_back(i);
    return out;
}

struct PaneRecorder : StatusPanes {
    std::string texts[3];
    void setPaneText(int pane, const std::string& text) override {
        if (pane >= 0 && pane < 3) texts[pane] = text;
    }
    std::string paneText(int pane) const override { return pane >= 0 && pane < 3 ? texts[pane] : std::string(); }
};

// Paints the way the window layer does: boxes and after-paint actions wait until
// the paint has returned.
void paintDeferred(CVelkarionView& view, Dc& dc) {
    beginPaintDeferral();
    view.OnDraw(dc);
    endPaintDeferral();
    showDeferredBoxes();
}

}  // namespace

TEST(Paint, PassesPerPaintInEveryMode) {
    struct Row {
        const char* name;
        int simulating, stepMode, stepPending, paused;
        bool coil, lamp;
        int passes, wirePasses, drawingWirePasses, lampInEvaluation, lampInLampPasses, stepPendingAfter;
    };
    const Row rows[] = {
        {"editing", 0, 0, 0, 0, true, false, 1, 3, 1, 0, 0, 0},
        {"editing with a lamp", 0, 0, 0, 0, true, true, 1, 3, 1, 1, 0, 0},
        {"editing with step and pause flags left over", 0, 1, 0, 1, true, false, 1, 3, 1, 0, 0, 0},
        {"running", 1, 0, 0, 0, true, false, 6, 13, 1, 0, 0, 0},
        {"running with a lamp", 1, 0, 0, 0, true, true, 6, 16, 4, 0, 5, 0},
        {"running, empty sheet", 1, 0, 0, 0, false, false, 6, 13, 1, 0, 0, 0},
        // Held back by Step or Pause: one showing pass with the lamps in it and one
        // wire pass that draws; no lamp passes. Deliberately nothing is evaluated
        // then: not a lone pass 0 with its lamp passes between two steps, nor a
        // whole tick when a paused window is uncovered. Between steps the sheet
        // must hold still to be looked at; a lone pass 0 would leave the wires and
        // lamps as half a tick sets them (a lamp fed through a chain could go out
        // between steps), and an uncovered window would move a paused run on.
        {"stepping, no step asked", 1, 1, 0, 0, true, false, 1, 1, 1, 0, 0, 0},
        {"stepping with a lamp", 1, 1, 0, 0, true, true, 1, 1, 1, 1, 0, 0},
        {"stepping, step asked", 1, 1, 1, 0, true, false, 6, 13, 1, 0, 0, 0},
        {"paused, window uncovered", 1, 0, 0, 1, true, true, 1, 1, 1, 1, 0, 0},
        {"paused with a step asked", 1, 1, 1, 1, true, false, 1, 1, 1, 0, 0, 1},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        PaintSheet s;
        PaintLog log;
        log.attach(s.view);
        const int coil = row.coil ? s.add(kTypeCoil, 30, 40) : -1;
        const int lamp = row.lamp ? s.add(kTypePilotLamp, 60, 40) : -1;
        s.view.m_simulating = row.simulating;
        s.view.m_stepMode = row.stepMode;
        s.view.m_stepPending = row.stepPending;
        s.view.m_paused = row.paused;
        g_viewOnlyRepaint = 1;
        Surface surface(800, 600);
        Dc dc(surface);

        s.view.OnDraw(dc);

        if (row.coil) {
            EXPECT_EQ(log.passesOf(coil), firstPasses(row.passes));
            for (const PaintEvent* e : log.routineCalls(coil)) EXPECT_EQ(e->drawingPlaced, 1);
        }
        EXPECT_EQ(log.wirePasses(), row.wirePasses);
        EXPECT_EQ(log.drawingWirePasses(), row.drawingWirePasses) << "wire passes that draw the wires";
        if (row.lamp) {
            const int closing = log.indexOfWirePass(row.wirePasses - 3);
            int inEvaluation = 0;
            std::vector<int> lampPasses;
            for (std::size_t i = 0; i < log.events.size(); ++i) {
                const PaintEvent& e = log.events[i];
                if (e.kind != 'R' || e.slot != lamp) continue;
                if (row.lampInLampPasses == 0 || static_cast<int>(i) < closing) {
                    ++inEvaluation;
                } else {
                    lampPasses.push_back(e.lampPass);
                    EXPECT_EQ(e.drawingPlaced, 1);
                }
            }
            EXPECT_EQ(inEvaluation, row.lampInEvaluation);
            EXPECT_EQ(lampPasses, firstPasses(row.lampInLampPasses));
            if (row.lampInLampPasses > 0) {
                // The three lamp wire passes come last and draw.
                const std::size_t n = log.events.size();
                for (std::size_t i = n - 3; i < n; ++i) {
                    EXPECT_EQ(log.events[i].kind, 'W');
                    EXPECT_EQ(log.events[i].drawingPlaced, 0);
                }
            }
        }
        EXPECT_EQ(s.view.m_stepPending, row.stepPendingAfter);
        EXPECT_EQ(s.view.m_drawingPlaced, 0);
        EXPECT_EQ(g_viewOnlyRepaint, 0);
    }
}

TEST(Paint, EachSlotGoesToItsPassByTypeCode) {
    // Calls per paint: in the evaluation passes, and after the closing wire pass
    // (terminal pass and lamp passes).
    struct Row {
        const char* name;
        int type;
        int deleted;
        int editingEval, editingLater, runningEval, runningLater;
    };
    const Row rows[] = {
        {"line (drawn by the paint itself)", kTypeLine, 0, 0, 0, 0, 0},
        {"text (drawn by the paint itself)", kTypeText, 0, 0, 0, 0, 0},
        {"phase wire", kTypeWirePhase, 0, 0, 0, 0, 0},
        {"bundle", kTypeBundle, 0, 0, 0, 0, 0},
        {"chart link", kTypeGrafcetLink, 0, 0, 0, 0, 0},
        {"AND divergence", kTypeGrafcetAndDivergence, 0, 0, 0, 0, 0},
        {"terminal strip of 2", kTypeTerminalStrip2, 0, 0, 1, 0, 1},
        {"terminal strip of 4", kTypeTerminalStrip4, 0, 0, 1, 0, 1},
        {"terminal II", kTypeTerminalII, 0, 0, 1, 0, 1},
        {"terminal I", kTypeTerminalI, 0, 1, 0, 6, 0},
        {"connection dot", kTypeConnectionDot, 0, 1, 0, 6, 0},
        {"pilot lamp", kTypePilotLamp, 0, 1, 0, 0, 5},
        {"flashing lamp", kTypeFlashingPilotLamp, 0, 1, 0, 6, 0},
        {"coil", kTypeCoil, 0, 1, 0, 6, 0},
        {"three-wire sensor", kTypeInductiveSensorNO3WireNpn, 0, 1, 0, 6, 0},
        {"hidden coil", kTypeCoil, 1, 0, 0, 0, 0},
        {"hidden terminal strip", kTypeTerminalStrip3, 1, 0, 0, 0, 0},
        {"companion slot", kTypeCompanionSlot, 0, 0, 0, 0, 0},
        {"empty hole", kTypeNone, 0, 0, 0, 0, 0},
        {"number that is no code", 4020, 0, 0, 0, 0, 0},
    };
    for (const Row& row : rows) {
        for (int simulating = 0; simulating <= 1; ++simulating) {
            SCOPED_TRACE(std::string(row.name) + (simulating ? ", running" : ", editing"));
            PaintSheet s;
            s.bareSheet();
            PaintLog log;
            log.attach(s.view);
            const int slot = s.add(row.type, 20, 20, 40, 20);
            s.view.m_deleted[slot] = row.deleted;
            s.view.m_paramText[slot] = "x";
            s.view.m_simulating = simulating;
            RecordingDc dc(900, 700);

            s.view.OnDraw(dc);

            const int closing = log.indexOfWirePass(simulating ? 13 : 3);
            int eval = 0, later = 0;
            for (std::size_t i = 0; i < log.events.size(); ++i) {
                const PaintEvent& e = log.events[i];
                if (e.kind != 'R') continue;
                EXPECT_EQ(e.type, row.type);
                (static_cast<int>(i) < closing ? eval : later) += 1;
            }
            EXPECT_EQ(eval, simulating ? row.runningEval : row.editingEval);
            EXPECT_EQ(later, simulating ? row.runningLater : row.editingLater);
            // Every visited slot, live or not, leaves the hollow brush behind it.
            int hollow = 0;
            for (const auto& call : dc.callsOf(DcOp::SelectBrush))
                if (call.brush.style == BrushStyle::Hollow) ++hollow;
            EXPECT_EQ(hollow, simulating ? 6 : 1);
        }
    }
}

TEST(Paint, VisitsEverySlotUpToTheCount) {
    PaintSheet s;
    s.bareSheet();
    PaintLog log;
    log.attach(s.view);
    for (int i = 0; i < kSlotCount; ++i) s.add(kTypeCoil, i % 300, i / 300);
    RecordingDc dc(16, 16);
    s.view.OnDraw(dc);
    ASSERT_EQ(log.events.size(), static_cast<std::size_t>(kSlotCount + 3));
    for (int i = 0; i < kSlotCount; ++i) EXPECT_EQ(log.events[static_cast<std::size_t>(i)].slot, i);
    int hollow = 0;
    for (const auto& call : dc.callsOf(DcOp::SelectBrush))
        if (call.brush.style == BrushStyle::Hollow) ++hollow;
    EXPECT_EQ(hollow, kSlotCount);
}

TEST(Paint, PenPresetPerPass) {
    struct Row {
        const char* name;
        int picked;       // g_itemPicked
        int pickedIndex;  // m_pickedIndex; the item is in slot 0
        int selected;     // m_selected of the item
        int floating;     // m_floatingBlock
        int printing, printInColor;
        Color evaluationPen, laterPen;
    };
    const Row rows[] = {
        {"plain", 0, 0, 0, 0, 0, 1, kBlack, kBlack},
        {"another item picked", 1, 7, 0, 0, 0, 1, kBlack, kBlack},
        {"picked index without the flag", 0, 0, 0, 0, 0, 1, kBlack, kBlack},
        {"picked", 1, 0, 0, 0, 0, 1, kRed, kRed},
        {"selected", 0, 7, 1, 0, 0, 1, kRed, kRed},
        {"floating block", 0, 7, 0, 1, 0, 1, kRed, kRed},
        {"selected, printed in colour", 0, 7, 1, 0, 1, 1, kRed, kRed},
        {"selected, printed without colour", 0, 7, 1, 0, 1, 0, kRed, kBlack},
        {"picked, printed without colour", 1, 0, 0, 0, 1, 0, kRed, kBlack},
    };
    // A coil is served in the evaluation passes, a lamp (while simulating) in the
    // lamp passes and a terminal strip in the terminal pass.
    const int types[] = {kTypeCoil, kTypePilotLamp, kTypeTerminalStrip2};
    for (const Row& row : rows) {
        for (int type : types) {
            SCOPED_TRACE(std::string(row.name) + ", type " + std::to_string(type));
            PaintSheet s;
            s.bareSheet();
            PaintLog log;
            log.attach(s.view);
            const int slot = s.add(type, 10, 10);
            s.view.m_selected[slot] = row.selected;
            s.view.m_pickedIndex = row.pickedIndex;
            g_itemPicked = row.picked;
            s.view.m_floatingBlock = row.floating;
            s.view.m_printing = row.printing;
            s.doc.m_printInColor = row.printInColor;
            s.view.m_simulating = 1;
            RecordingDc dc(200, 100);

            s.view.OnDraw(dc);

            const auto calls = log.routineCalls(slot);
            ASSERT_FALSE(calls.empty());
            const Color expected = type == kTypeCoil ? row.evaluationPen : row.laterPen;
            for (const PaintEvent* e : calls) EXPECT_EQ(e->pen, expected);
        }
    }
}

TEST(Paint, PrintOffsetsShiftComponentsButNotTheMarks) {
    struct Row {
        const char* name;
        int printing;
        int expectedOffsetX, expectedOffsetY, expectedPenWidth;
    };
    // Configured offsets (10, 5) at zoom 10 and a print line width of 3.
    const Row rows[] = {
        {"on the screen", 0, 0, 0, 1},
        {"on paper", 1, 100, 50, 3},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        PaintSheet s;
        s.bareSheet();
        PaintLog log;
        log.attach(s.view);
        s.doc.m_zoom = 10.0;
        s.doc.m_printOffsetX = 10;
        s.doc.m_printOffsetY = 5;
        s.doc.m_printLineWidth = 3;
        const int coil = s.add(kTypeCoil, 3, 4);
        s.view.m_boxX1[coil] = -2;
        s.view.m_boxY1[coil] = -1;
        s.view.m_boxX2[coil] = 2;
        s.view.m_boxY2[coil] = 6;
        g_itemPicked = 1;
        s.view.m_pickedIndex = coil;
        s.view.m_printing = row.printing;
        RecordingDc dc(400, 300);
        const Pen entryPen{PenStyle::Solid, 1, rgb(1, 2, 3)};
        dc.selectPen(entryPen);

        s.view.OnDraw(dc);

        const auto calls = log.routineCalls(coil);
        ASSERT_EQ(calls.size(), 1u);
        EXPECT_EQ(calls[0]->ox, 30 + row.expectedOffsetX);
        EXPECT_EQ(calls[0]->oy, 40 + row.expectedOffsetY);
        EXPECT_EQ(calls[0]->offsetX, row.expectedOffsetX);
        EXPECT_EQ(calls[0]->offsetY, row.expectedOffsetY);
        EXPECT_EQ(calls[0]->penWidth, row.expectedPenWidth);
        // The picked mark: dotted red, where the item lies on the screen.
        const auto marks = dc.callsOf(DcOp::Rectangle);
        ASSERT_EQ(marks.size(), 1u);
        EXPECT_EQ(marks[0].point(0), (Point{10, 30}));
        EXPECT_EQ(marks[0].point(1), (Point{50, 100}));
        EXPECT_EQ(marks[0].pen.style, PenStyle::Dot);
        EXPECT_EQ(marks[0].pen.color, kRed);
        // Everything is put back.
        EXPECT_EQ(s.doc.m_printOffsetX, 10);
        EXPECT_EQ(s.doc.m_printOffsetY, 5);
        EXPECT_EQ(dc.pen().color, entryPen.color);
        EXPECT_EQ(dc.pen().style, entryPen.style);
    }
}

TEST(Paint, SelectionMarkNeedsSelectedItems) {
    struct Row {
        const char* name;
        int selectionValid, floating, selectionCount, picked;
        int expectedRectangles;
    };
    const Row rows[] = {
        {"band selection", 1, 0, 2, 0, 1},
        {"select all", 0, 1, 5, 0, 1},
        {"band without selected items", 1, 0, 0, 0, 0},
        {"picked item while items are selected", 1, 0, 2, 1, 1},
        {"picked item alone", 0, 0, 0, 1, 1},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        PaintSheet s;
        s.bareSheet();
        s.view.m_selectionValid = row.selectionValid;
        s.view.m_floatingBlock = row.floating;
        s.view.m_selectionRect[0] = 5;
        s.view.m_selectionRect[1] = 6;
        s.view.m_selectionRect[2] = 50;
        s.view.m_selectionRect[3] = 60;
        g_selectionCount = row.selectionCount;
        g_itemPicked = row.picked;
        RecordingDc dc(200, 200);
        s.view.OnDraw(dc);
        EXPECT_EQ(dc.count(DcOp::Rectangle), row.expectedRectangles);
        if (row.selectionCount > 0 && row.expectedRectangles == 1) {
            EXPECT_EQ(dc.last(DcOp::Rectangle)->point(0), (Point{10, 12}));
            EXPECT_EQ(dc.last(DcOp::Rectangle)->point(1), (Point{100, 120}));
        }
    }
}

TEST(Paint, FaultStopsTheRestOfThePaint) {
    struct Row {
        const char* name;
        bool inWirePass;  // else in the routine of slot 1
        std::vector<int> passesOfSlot2;
    };
    const Row rows[] = {
        {"short circuit found by a contact in pass 2", false, {0, 1}},
        {"short circuit found by the first wire pass after pass 2", true, {0, 1, 2}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        std::vector<BoxRecord> boxes;
        setMessageBoxHandler([&boxes](const BoxRecord& b) {
            boxes.push_back(b);
            return BoxAnswer::Ok;
        });
        PaintSheet s;
        s.bareSheet();
        PaintLog log;
        log.attach(s.view);
        s.add(kTypeCoil, 10, 10);
        s.add(kTypeAuxContactNO, 20, 10);
        s.add(kTypeCoil, 30, 10);
        const int lamp = s.add(kTypePilotLamp, 40, 10);
        const int strip = s.add(kTypeTerminalStrip2, 50, 10);
        s.view.m_simulating = 1;
        bool faulted = false;
        std::size_t boxesDuringPaint = 0;
        log.after = [&](const PaintEvent& e) {
            const bool here = row.inWirePass ? (e.kind == 'W' && e.simPass == 2)
                                             : (e.kind == 'R' && e.slot == 1 && e.simPass == 2);
            if (here && !faulted) {
                faulted = true;
                s.view.ReportShortCircuit();
            }
            boxesDuringPaint = boxes.size();
        };
        Surface surface(300, 200);
        Dc dc(surface);

        paintDeferred(s.view, dc);

        EXPECT_EQ(boxesDuringPaint, 0u) << "no box opens inside the paint";
        ASSERT_EQ(boxes.size(), 1u);
        EXPECT_EQ(boxes[0].text, "Se ha producido un cortocircuito");
        EXPECT_EQ(boxes[0].caption, "Error");
        EXPECT_EQ(log.passesOf(0), (std::vector<int>{0, 1, 2}));
        EXPECT_EQ(log.passesOf(2), row.passesOfSlot2);
        EXPECT_EQ(log.wirePasses(), 7) << "two after each of passes 0 to 2 and the closing one";
        EXPECT_EQ(log.callsOf(lamp), 0) << "no lamp pass after a fault";
        EXPECT_EQ(log.callsOf(strip), 1) << "the terminal pass still runs";

        // The next paint draws everything without evaluating.
        PaintLog next;
        next.attach(s.view);
        paintDeferred(s.view, dc);
        EXPECT_EQ(next.passesOf(0), (std::vector<int>{0}));
        EXPECT_EQ(next.passesOf(2), (std::vector<int>{0}));
        EXPECT_EQ(next.callsOf(lamp), 1);
        EXPECT_EQ(next.wirePasses(), 3);
        EXPECT_EQ(boxes.size(), 1u);
        setMessageBoxHandler(nullptr);
    }
}

TEST(Paint, PreviewOfTheToolBeingPlaced) {
    struct Row {
        const char* name;
        int tool;
        int simulating;
        bool preview;
    };
    const Row rows[] = {
        {"three-phase motor", kTypeMotorThreePhase, 0, true},
        {"coil", kTypeCoil, 0, true},
        {"pilot lamp", kTypePilotLamp, 0, true},
        {"terminal strip", kTypeTerminalStrip2, 0, true},
        {"terminal II", kTypeTerminalII, 0, true},
        {"motor while simulating", kTypeMotorThreePhase, 1, false},
        {"wire", kTypeWirePhase, 0, false},
        {"three-phase wire", kTypeWireThreePhaseVertical1, 0, false},
        {"bundle", kTypeBundle, 0, false},
        {"chart link", kTypeGrafcetLink, 0, false},
        {"line tool", kTypeLine, 0, false},
        {"select", 0, 0, false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        PaintSheet s;
        s.bareSheet();
        PaintLog log;
        log.attach(s.view);
        s.add(kTypeCoil, 10, 10);
        g_currentTool = row.tool;
        s.view.m_simulating = row.simulating;
        s.view.m_lastPointX = 123;
        s.view.m_lastPointY = 77;
        Surface surface(300, 200);
        Dc dc(surface);

        s.view.OnDraw(dc);

        int previews = 0;
        for (const PaintEvent& e : log.events) {
            if (e.kind != 'R' || e.drawingPlaced != 0) continue;
            ++previews;
            EXPECT_EQ(e.type, row.tool);
            EXPECT_EQ(e.ox, 123);
            EXPECT_EQ(e.oy, 77);
            EXPECT_EQ(e.pen, kRed);
            EXPECT_EQ(&e, &log.events.back()) << "the preview comes last";
        }
        EXPECT_EQ(previews, row.preview ? 1 : 0);
    }
}

namespace {
// Stands in for the application's splash: it is asked for inside the paint and
// shows itself once the paint has returned, as the window layer's deferral allows.
int g_splashRuns = 0;
CVelkarionView* g_splashView = nullptr;
void deferredSplash(CVelkarionView& view) {
    g_splashView = &view;
    runAfterPaint([&view] {
        ++g_splashRuns;
        view.SetStartStatusTexts();
    });
}
}  // namespace

TEST(Paint, FirstPaintShowsTheSplashOnceAfterThePaint) {
    struct Row {
        const char* name;
        void (*splash)(CVelkarionView&);
        int expectedRuns;
    };
    const Row rows[] = {
        {"with the application's splash", deferredSplash, 1},
        {"without an application", nullptr, 0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        PaintSheet first;
        PaintSheet second;
        PaneRecorder panes;
        first.view.m_statusBar = &panes;
        second.view.m_statusBar = &panes;
        g_splashRuns = 0;
        g_splashView = nullptr;
        g_firstPaintDone = 0;
        g_firstPaintSplash = row.splash;
        Surface surface(800, 600);
        Dc dc(surface);

        beginPaintDeferral();
        first.view.OnDraw(dc);
        EXPECT_EQ(g_splashRuns, 0) << "no modal loop inside the paint";
        endPaintDeferral();
        showDeferredBoxes();
        EXPECT_EQ(g_splashRuns, row.expectedRuns);
        if (row.splash) {
            EXPECT_EQ(g_splashView, &first.view);
        }
        EXPECT_EQ(g_firstPaintDone, 1);
        EXPECT_EQ(panes.texts[0], "Velkarion");
        EXPECT_EQ(panes.texts[1], cp1250("Edición"));
        EXPECT_EQ(panes.texts[2], "Stop");

        // Later paints of any sheet never ask again.
        panes.texts[0] = "pointer";
        paintDeferred(first.view, dc);
        paintDeferred(second.view, dc);
        EXPECT_EQ(g_splashRuns, row.expectedRuns);
        EXPECT_EQ(panes.texts[0], "pointer");
    }
}
