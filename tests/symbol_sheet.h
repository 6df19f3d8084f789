#pragma once
// A sheet for the tests of the symbol families: symbols placed the way placement
// leaves them (default label shown, default terminal names, symbol box), fixture
// sheets read from tests/fixtures/, and a simulation run as the program runs it:
// Simulate, then clock ticks, each followed by its paint.
#include <fstream>
#include <initializer_list>
#include <sstream>
#include <string>

#include "edit/PlacementDefaults.h"
#include "render/Clock.h"
#include "sim_sheet.h"
#include "testkit/recording_dc.h"

namespace velk::symboltest {

class SymbolSheet : public simtest::SimSheet {
public:
    SymbolSheet() {
        g_firstPaintDone = 1;
        g_currentTool = 0;
        g_itemPicked = 0;
        g_selectionCount = 0;
        // Only the items: no frame, grid or title block around them.
        doc.m_showFrame = 0;
        doc.m_showGrid = 0;
        doc.m_titleBlockKind = 0;
        view.m_penWidth = 1;
        view.m_lastPointX = kNoPoint;
        view.m_lastPointY = kNoPoint;
    }
    ~SymbolSheet() {
        g_currentTool = 0;
        g_itemPicked = 0;
    }

    // A symbol of `type` at (x, y) drawing units in orientation `code`.
    int place(int type, int x, int y, int code = 0) {
        const int i = addSymbol(type, x, y);
        view.m_orientation[i] = code;
        if (const PlacementDefaults* row = placementDefaultsFor(type)) {
            view.m_label[i] = row->label;
            view.m_labelVisible[i] = row->label[0] != '\0' ? 1 : 0;
            for (int k = 0; k < kTerminalCount && row->terminals[static_cast<std::size_t>(k)]; ++k) {
                view.m_terminalName[i][k] = row->terminals[static_cast<std::size_t>(k)];
                view.m_terminalNameVisible[i][k] = k < row->shownTerminals ? 1 : 0;
            }
            view.m_boxX1[i] = row->ghost.left / 5;
            view.m_boxY1[i] = row->ghost.top / 5;
            view.m_boxX2[i] = row->ghost.right / 5;
            view.m_boxY2[i] = row->ghost.bottom / 5;
        }
        return i;
    }
    int wire(int x1, int y1, int x2, int y2, int type = kTypeWirePhase) { return addLine(type, x1, y1, x2, y2); }

    // Reads tests/fixtures/<name> into the sheet; false when it is no sheet.
    bool load(const std::string& name) {
        std::ifstream in(std::string(VELK_FIXTURES) + "/" + name, std::ios::binary);
        std::ostringstream text;
        text << in.rdbuf();
        return view.ReadSheetText(text.str(), VELK_FIXTURES);
    }

    void simulate(int ticks = 1) {
        view.OnModeRun();
        for (int t = 0; t < ticks && view.m_simulating == 1; ++t) tick();
    }
    void tick() {
        view.OnTimer(kSimulationTimerId);
        paint();
    }
    void paint() {
        dc.clear();
        view.OnDraw(dc);
    }

    // The letters of the slots, in the order given.
    std::string letters(std::initializer_list<int> slots) const {
        std::string s;
        for (int i : slots) s += letter(i);
        return s;
    }
    // The text of the one message box shown, "" for none, "several" for more.
    std::string box() const {
        if (boxes.empty()) return std::string();
        if (boxes.size() > 1) return "several";
        return TextCodec1250::toUtf8(boxes[0].text);
    }

    // Draws slot `slot` once, as the paint does for placed slots, with the preset
    // pen colour.
    void drawPlaced(int slot, Color preset, double zoom = 5, Point origin = {100, 100}) {
        dc.selectBrush(Brush::hollow());
        dc.clear();
        view.m_loopIndex = slot;
        view.m_drawingPlaced = 1;
        view.m_penColor = preset;
        (view.*CVelkarionView::routineFor(view.m_type[slot]))(dc, zoom, origin.x, origin.y);
    }
    // Draws the preview of the tool in orientation `code`, as the paint would.
    void drawPreview(int tool, int code = 0, double zoom = 5, Point at = {100, 100}) {
        dc.clear();
        g_currentTool = tool;
        view.m_toolOrientation = code;
        view.m_loopIndex = view.m_componentCount;
        view.m_drawingPlaced = 0;
        view.m_penColor = g_colorRed;
        (view.*CVelkarionView::routineFor(tool))(dc, zoom, at.x, at.y);
    }

    testkit::RecordingDc dc;
};

inline constexpr const char* kShortCircuit = "Se ha producido un cortocircuito";
inline constexpr const char* kEarthFault = "Se ha producido una derivación a tierra";

// Where a point of a symbol frame lies in orientation `code`: quarter turns for
// 0 to 3, the same after a left-right mirror for 4 to 7.
inline Point turned(int code, Point p) {
    switch (code) {
        case 1: return {-p.y, p.x};
        case 2: return {-p.x, -p.y};
        case 3: return {p.y, -p.x};
        case 4: return {-p.x, p.y};
        case 5: return {-p.y, -p.x};
        case 6: return {p.x, -p.y};
        case 7: return {p.y, p.x};
        default: return p;
    }
}

}  // namespace velk::symboltest
