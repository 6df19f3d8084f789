#pragma once
// The symbol editor (resource 133, "Editar símbolo"): a user symbol drawn on a
// grid canvas in two states, OFF (entries 0 to 99) and ON (100 to 199), with six
// tools: line, ellipse, arc, fill, terminal number and text. It keeps its drawing
// in memory only. The number and text tools ask through `CNumericoDlg` (155,
// "Wartość") and `CSimTextoDlg` (157, "Tekst").
#include <string>

#include "model/SlotColumns.h"
#include "platform/dialog.h"

namespace velk {

constexpr int IDD_SIMBOLO = 133;
constexpr int IDD_NUMERICO = 155;
constexpr int IDD_SIMTEXTO = 157;
constexpr int kSymbolEntries = 200;
constexpr int kSymbolOnBase = 100;

// One primitive in canvas units. kind: 0 empty, 1 line, 2 ellipse, 3 arc, 4 fill,
// 5 terminal number, 6 text. For a line x3 is the diagonal code (1 or 3 from top
// left to bottom right, 2 or 4 from bottom left to top right); for a number or a
// text x3 is 1 when vertical.
struct SymbolPrim {
    int kind = 0;
    int x1 = 0, y1 = 0, x2 = 0, y2 = 0, x3 = 0, y3 = 0;
};

extern CheckedArray<SymbolPrim, kSymbolEntries> g_symbolPrims;
extern CheckedArray<std::string, kSymbolEntries> g_symbolTexts;  // Windows-1250, up to 3 characters
extern std::string g_symbolValueInput;
extern int g_symbolValueVertical;
extern std::string g_symbolTextInput;
extern int g_symbolTextVertical;

class CNumericoDlg : public Dialog {
public:
    CNumericoDlg();
    void DoDataExchange(DataExchange& dx) override;
    bool OnInitDialog() override;
    void OnOK() override;
    std::string m_value;
    int m_vertical = 0, m_horizontal = -1;  // 0 when the radio is selected
};

class CSimTextoDlg : public Dialog {
public:
    CSimTextoDlg();
    void DoDataExchange(DataExchange& dx) override;
    bool OnInitDialog() override;
    void OnOK() override;
    std::string m_text;
    int m_vertical = -1, m_horizontal = 0;
};

class CSimboloDlg : public Dialog {
public:
    // The owner-drawn area that holds the canvas, and where it lies in the
    // dialog's client pixels: mouse points of the area plus this origin are client
    // pixels, the coordinates the editor works in.
    static constexpr int kCanvasArea = 1100;
    static Point areaOrigin();
    static constexpr int kCanvasX = 100, kCanvasY = 50;

    CSimboloDlg();

    bool OnInitDialog() override;
    void DoDataExchange(DataExchange& dx) override;
    void OnDrawItem(int id, Dc& dc, int width, int height) override;

    void OnLButtonDown(Point client);
    void OnMouseMove(Point client);
    void OnLButtonUp(Point client);
    void OnRButtonDown();
    void OnToolLine() { chooseTool(1); }
    void OnToolEllipse() { chooseTool(2); }
    void OnToolArc() { m_arcClicks = 0, chooseTool(3); }
    void OnToolFill() { chooseTool(4); }
    void OnToolNumber();
    void OnToolText();
    void OnChangeHeight() { onChangeSize(1009, m_height); }
    void OnChangeWidth() { onChangeSize(1010, m_width); }
    void OnChangeZoom() { onChangeSize(1014, m_zoom); }
    void OnVScroll(int id);
    void OnSnapToGrid() { m_snap = !m_snap; }
    void OnSymbolOff() { chooseHalf(false); }
    void OnSymbolOn() { chooseHalf(true); }
    void OnCopyOffToOn();
    // The cross-hair while a tool is chosen and the pointer is over the canvas.
    void OnSetCursor();

    // The pixel a click lands on after clamping and snapping (what a press starts at).
    Point pressPoint(Point client) const;

    int m_height = 100, m_width = 100, m_zoom = 1;
    bool m_snap = true;
    bool m_on = false;
    int m_tool = 0;
    int m_nextOff = 0, m_nextOn = kSymbolOnBase;
    bool m_drawing = false;
    Point m_start, m_current;
    bool m_marker = false;
    int m_arcClicks = 0;
    Point m_arcFirst, m_arcSecond;
    Point m_pointer{0, 0};  // the pointer's last client pixel, as it came

private:
    void onChangeSize(int id, int& member);
    void chooseHalf(bool on);
    void chooseTool(int tool);
    Point clampToCanvas(Point p) const;
    Point snap(Point p) const;
    Point toUnits(Point p) const;
    Point toPixels(int u, int v) const;
    void showCounts();
    void drawPrimitive(Dc& dc, int entry);
    void drawRubber(Dc& dc);
};

}  // namespace velk
