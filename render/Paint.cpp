// The paint routine: one call draws the whole sheet and, while simulating, is one
// simulation tick. Its order is the contract with the component routines (they
// read the pass numbers, the loop index, the placed flag and the preset pen).
#include "render/Paint.h"

#include "model/VelkarionView.h"
#include "platform/statusbar.h"
#include "render/Colors.h"
#include "render/SheetCoords.h"
#include "render/SlotLookups.h"

namespace velk {

int g_simPass = 0;
int g_lampPass = 0;
int g_firstPaintDone = 0;
int g_viewOnlyRepaint = 0;
int g_showOnly = 0;
void (*g_firstPaintSplash)(CVelkarionView& view) = nullptr;

namespace {

constexpr int kLampPassCount = 5;
constexpr int kWirePassesPerEvaluation = 2;
constexpr int kWirePassesAfterLamps = 3;

using Routine = CVelkarionView::Routine;

// The routine a live slot gets in an evaluation pass; nullptr where the slot is
// drawn by the paint itself, by the wire pass, in the terminal pass or, for the
// pilot lamp while simulating, in the lamp passes.
Routine evaluationRoutine(int type, bool simulating) {
    if (isFreeDrawing(type) || isDrawnByWirePass(type) || isTerminalStrip(type)) return nullptr;
    if (isLamp(type) && simulating) return nullptr;
    return CVelkarionView::routineFor(type);
}

// The routine that draws the placement preview of a tool: components only, and
// not the wire and line tools, whose rubber lines pointer motion draws.
Routine previewRoutine(int tool) {
    if (!isComponent(tool) || isDrawnByWirePass(tool) || isToolOnly(tool)) return nullptr;
    return CVelkarionView::routineFor(tool);
}

// Outline colour for a component routine: red for the picked, selected or floating
// item; with the print rule, black on paper printed without colour.
Color presetPenColor(const CVelkarionView& v, int slot, bool printRule) {
    Color c = g_colorBlack;
    if (v.isPickedSlot(slot)) c = g_colorRed;
    if (v.m_selected[slot] == 1 || v.m_floatingBlock == 1) c = g_colorRed;
    if (printRule && v.m_printing == 1 && v.GetDocument()->m_printInColor == 0) c = g_colorBlack;
    return c;
}

void callRoutine(CVelkarionView& v, Dc& dc, Routine routine, int type, double zoom, int ox, int oy) {
    if (v.m_routineProbe)
        v.m_routineProbe(dc, type, zoom, ox, oy);
    else
        (v.*routine)(dc, zoom, ox, oy);
}

// A placed component is drawn at its insertion point in device pixels.
void callPlacedRoutine(CVelkarionView& v, Dc& dc, Routine routine, int slot) {
    const SheetDocument* doc = v.GetDocument();
    const double zoom = doc->m_zoom;
    const int ox = scaledUnits(v.m_x[slot], zoom) + doc->m_printOffsetX;
    const int oy = scaledUnits(v.m_y[slot], zoom) + doc->m_printOffsetY;
    callRoutine(v, dc, routine, v.m_type[slot], zoom, ox, oy);
}

void runWirePass(CVelkarionView& v, Dc& dc) {
    if (v.m_wirePassProbe)
        v.m_wirePassProbe(dc);
    else
        v.DrawWires(dc);
}

// The marks are drawn where the item lies on the screen, never shifted for paper.
void drawSelectionMarks(const CVelkarionView& v, Dc& dc) {
    const double zoom = v.GetDocument()->m_zoom;
    const Pen dotted{PenStyle::Dot, 1, g_colorRed};
    if (v.itemPickedHere() && g_selectionCount == 0) {
        const int i = v.m_pickedIndex;
        const Pen previous = dc.selectPen(dotted);
        dc.rectangle(scaledUnits(v.m_x[i] + v.m_boxX1[i], zoom), scaledUnits(v.m_y[i] + v.m_boxY1[i], zoom),
                     scaledUnits(v.m_x[i] + v.m_boxX2[i], zoom), scaledUnits(v.m_y[i] + v.m_boxY2[i], zoom));
        dc.selectPen(previous);
    }
    if ((v.m_selectionValid == 1 || v.m_floatingBlock == 1) && g_selectionCount >= 1) {
        const Pen previous = dc.selectPen(dotted);
        dc.rectangle(scaledUnits(v.m_selectionRect[0], zoom), scaledUnits(v.m_selectionRect[1], zoom),
                     scaledUnits(v.m_selectionRect[2], zoom), scaledUnits(v.m_selectionRect[3], zoom));
        dc.selectPen(previous);
    }
}

// The lookups the routines and the wire pass use while a paint evaluates, built
// when it starts (or kept from the paint before, when the table is unchanged) and
// put away when it ends.
class LookupsForPaint {
public:
    LookupsForPaint(CVelkarionView& v, bool evaluating) : m_view(v), m_before(v.m_paintLookups) {
        if (!evaluating) return;
        if (!v.m_keptLookups || !v.m_keptLookups->builtFrom(v)) {
            auto lookups = std::make_shared<SlotLookups>();
            lookups->build(v);
            v.m_keptLookups = std::move(lookups);
        }
        v.m_paintLookups = v.m_keptLookups;
    }
    ~LookupsForPaint() { m_view.m_paintLookups = std::move(m_before); }
    LookupsForPaint(const LookupsForPaint&) = delete;
    LookupsForPaint& operator=(const LookupsForPaint&) = delete;

private:
    CVelkarionView& m_view;
    std::shared_ptr<SlotLookups> m_before;
};

}  // namespace

void CVelkarionView::SetStartStatusTexts() {
    if (!m_statusBar) return;
    m_statusBar->setPaneText(0, "Velkarion");
    ShowModeTexts();
}

void CVelkarionView::OnDraw(Dc& dc) {
    SheetDocument* doc = GetDocument();
    if (!doc) return;

    DrawGuideLines(dc);

    const int savedOffsetX = doc->m_printOffsetX;
    const int savedOffsetY = doc->m_printOffsetY;
    Pen penBeforePrint;
    if (m_printing == 1) {
        m_penWidth = doc->m_printLineWidth;
        penBeforePrint = dc.selectPen(Pen{PenStyle::Solid, m_penWidth, g_colorBlack});
        doc->m_printOffsetX = scaledUnits(savedOffsetX, doc->m_zoom);
        doc->m_printOffsetY = scaledUnits(savedOffsetY, doc->m_zoom);
    } else {
        m_penWidth = 1;
        doc->m_printOffsetX = 0;
        doc->m_printOffsetY = 0;
    }

    drawSelectionMarks(*this, dc);
    DrawSheetFrame(dc);

    // The mode at the start of the paint decides how far it goes. A repaint held
    // back by Pause or by Step (a zoom, a scroll, an uncovered window, a pressed
    // button) and a printed page must not advance time: they show the run as the
    // last tick left it and evaluate nothing, and a pending step waits for the
    // run to resume. Outside a run the wires are always drawn, whatever step flags
    // are left over.
    const bool running = m_simulating == 1;
    const bool paused = running && m_paused == 1;
    const bool heldBack = paused || (running && m_stepMode == 1 && m_stepPending != 1);
    const bool showOnly = running && (heldBack || m_printing == 1);
    g_showOnly = showOnly ? 1 : 0;
    const LookupsForPaint lookups(*this, running && !showOnly);

    g_simPass = 0;
    for (;;) {
        if (showOnly) {
            m_drawingPlaced = 1;
            for (m_loopIndex = 0; m_loopIndex < m_componentCount; ++m_loopIndex) {
                const int slot = m_loopIndex;
                if (!isLive(slot)) continue;
                const int type = m_type[slot];
                if (isFreeDrawing(type)) DrawFreeItem(dc, slot);
                m_penColor = presetPenColor(*this, slot, isLamp(type));
                if (Routine routine = evaluationRoutine(type, false)) callPlacedRoutine(*this, dc, routine, slot);
                dc.selectBrush(Brush::hollow());
            }
            m_drawingPlaced = 0;
            break;
        }
        const bool simulatingAtStart = m_simulating == 1;
        m_drawingPlaced = 1;
        for (m_loopIndex = 0; m_loopIndex < m_componentCount; ++m_loopIndex) {
            const int slot = m_loopIndex;
            if (isLive(slot)) {
                const int type = m_type[slot];
                if (isFreeDrawing(type)) DrawFreeItem(dc, slot);
                m_penColor = presetPenColor(*this, slot, false);
                if (Routine routine = evaluationRoutine(type, m_simulating == 1))
                    callPlacedRoutine(*this, dc, routine, slot);
            }
            dc.selectBrush(Brush::hollow());
            // A fault report switched the simulation off: no further slot is evaluated.
            if (simulatingAtStart && m_simulating != 1) break;
        }
        for (int w = 0; w < kWirePassesPerEvaluation; ++w) runWirePass(*this, dc);
        m_drawingPlaced = 0;
        if (m_simulating == 1 && !heldBack && g_simPass < kFinalSimPass) {
            ++g_simPass;
            continue;
        }
        break;
    }

    if (!heldBack || showOnly) runWirePass(*this, dc);
    if (!paused && !showOnly) m_stepPending = 0;

    // Terminal circles lie on top of the wire ends, so they come after every wire pass.
    for (m_loopIndex = 0; m_loopIndex < m_componentCount; ++m_loopIndex) {
        const int slot = m_loopIndex;
        if (!isLive(slot)) continue;
        const int type = m_type[slot];
        m_penColor = presetPenColor(*this, slot, true);
        m_drawingPlaced = 1;
        if (isTerminalStrip(type))
            if (Routine routine = routineFor(type)) callPlacedRoutine(*this, dc, routine, slot);
        m_drawingPlaced = 0;
    }

    // The lamps see the letters that all evaluation passes left; lamps in series
    // hand their letters on from one lamp pass to the next.
    if (m_simulating == 1 && !showOnly) {
        m_drawingPlaced = 1;
        g_lampPass = 0;
        bool lampCalled = false;
        for (int p = 0; p < kLampPassCount && m_simulating == 1; ++p) {
            for (m_loopIndex = 0; m_loopIndex < m_componentCount; ++m_loopIndex) {
                const int slot = m_loopIndex;
                if (!isLive(slot) || !isLamp(m_type[slot])) continue;
                m_penColor = presetPenColor(*this, slot, true);
                if (Routine routine = routineFor(m_type[slot])) {
                    callPlacedRoutine(*this, dc, routine, slot);
                    lampCalled = true;
                }
                if (m_simulating != 1) break;
            }
            ++g_lampPass;
        }
        m_drawingPlaced = 0;
        if (lampCalled)
            for (int w = 0; w < kWirePassesAfterLamps; ++w) runWirePass(*this, dc);
    }

    if (g_currentTool >= 1 && m_simulating == 0) {
        if (Routine routine = previewRoutine(g_currentTool)) {
            m_penColor = g_colorRed;
            callRoutine(*this, dc, routine, g_currentTool, doc->m_zoom, m_lastPointX, m_lastPointY);
        }
    }

    if (m_printing == 1) dc.selectPen(penBeforePrint);
    doc->m_printOffsetX = savedOffsetX;
    doc->m_printOffsetY = savedOffsetY;

    // The splash comes after this paint (the application defers it); the flag is
    // set now so that no later paint asks for it again.
    if (g_firstPaintDone == 0) {
        g_firstPaintDone = 1;
        if (g_firstPaintSplash)
            g_firstPaintSplash(*this);
        else
            SetStartStatusTexts();
    }
    g_viewOnlyRepaint = 0;
    g_showOnly = 0;
}

}  // namespace velk
