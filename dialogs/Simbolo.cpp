// The symbol editor and its value and text dialogs.
#include "dialogs/Simbolo.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "dialogs/Librerias.h"
#include "platform/dc.h"
#include "platform/msgbox.h"
#include "platform/text1250.h"

namespace velk {

CheckedArray<SymbolPrim, kSymbolEntries> g_symbolPrims;
CheckedArray<std::string, kSymbolEntries> g_symbolTexts;
std::string g_symbolValueInput;
int g_symbolValueVertical = 0;
std::string g_symbolTextInput;
int g_symbolTextVertical = 0;

namespace {

// --- value and text dialogs ---------------------------------------------------------------

constexpr ControlRow kNumericoControls[] = {
    groupBox("Orientacja", {7, 7, 80, 40}),
    radio(1036, "Pionowa", {14, 18, 60, 10}),
    radio(1037, "Pozioma", {14, 31, 60, 10}),
    edit(1038, 3, {95, 18, 40, 12}, kSheetText),
    pushButton(IDOK, "OK", {7, 54, 50, 14}, kDefaultButton),
    pushButton(IDCANCEL, "Anuluj", {85, 54, 50, 14}),
};
constexpr DialogTemplate kNumerico = dialogTemplate(IDD_NUMERICO, "Wartość", 144, 75, kNumericoControls);

constexpr ControlRow kSimTextoControls[] = {
    groupBox("Orientacja", {7, 7, 80, 40}),
    radio(1036, "Pionowa", {14, 18, 60, 10}),
    radio(1037, "Pozioma", {14, 31, 60, 10}),
    edit(1040, 3, {95, 18, 40, 12}, kSheetText),
    pushButton(IDOK, "OK", {7, 54, 50, 14}, kDefaultButton),
    pushButton(IDCANCEL, "Cancel", {85, 54, 50, 14}),
};
constexpr DialogTemplate kSimTexto = dialogTemplate(IDD_SIMTEXTO, "Tekst", 144, 75, kSimTextoControls);

// --- the editor -------------------------------------------------------------------------------

constexpr int kArea = CSimboloDlg::kCanvasArea;
constexpr int kMaxSize = 200;  // canvas units of height and width
constexpr int kMaxZoom = 5;
constexpr DialogBox kAreaBox = {64, 24, 218, 239};

constexpr ControlRow kControls[] = {
    groupBox("", {2, 0, 278, 22}),
    staticText("Tamaño:", {7, 8, 30, 8}),
    intEdit(1009, 1, kMaxSize, {38, 6, 24, 12}, 0, 3),
    spin(1011, 1009, 1, 20, {62, 6, 10, 12}),
    intEdit(1010, 1, kMaxSize, {76, 6, 24, 12}, 0, 3),
    spin(1012, 1010, 1, 20, {100, 6, 10, 12}),
    staticText("Zoom:", {114, 8, 26, 8}),
    intEdit(1014, 1, kMaxZoom, {140, 6, 16, 12}, 0, 1),
    spin(1020, 1014, 1, 5, {156, 6, 10, 12}),
    checkBox(1023, "Forzado de coordenadas", {170, 7, 108, 10}),
    edit(1030, 0, {2, 26, 58, 12}, kReadOnly),
    edit(1029, 0, {2, 40, 58, 12}, kReadOnly),
    edit(1031, 0, {2, 54, 58, 12}, kReadOnly),
    groupBox("", {2, 67, 58, 80}),
    edit(1024, 0, {5, 75, 52, 12}, kReadOnly),
    bitmapButton(1013, {8, 90, 21, 18}),
    bitmapButton(1015, {33, 90, 21, 18}),
    bitmapButton(1016, {8, 109, 21, 18}),
    bitmapButton(1017, {33, 109, 21, 18}),
    bitmapButton(1018, {8, 128, 21, 18}),
    bitmapButton(1019, {33, 128, 21, 18}),
    groupBox("", {2, 148, 58, 32}),
    radio(1026, "Símb. OFF", {6, 155, 50, 10}),
    radio(1025, "Símb. ON", {6, 167, 50, 10}),
    pushButton(1027, "ON = OFF", {2, 186, 58, 14}),
    pushButton(IDOK, "Guardar", {2, 206, 58, 14}, kDefaultButton),
    pushButton(IDCANCEL, "Salir", {2, 226, 58, 14}),
    ownerDrawn(kArea, kAreaBox),
};
constexpr DialogTemplate kSimbolo = dialogTemplate(IDD_SIMBOLO, "Editar símbolo", 282, 263, kControls);

constexpr Color kGrid = rgb(0, 128, 128);
constexpr Color kOffColour = rgb(0, 0, 255);
constexpr Color kOnColour = rgb(255, 0, 0);

// The tool pictures, drawn here: 30 x 30 pixels, raised when up, sunk when down.
Surface toolImage(int tool, bool down) {
    Surface s(30, 30, rgb(192, 192, 192));
    Dc dc(s);
    const Color light = rgb(255, 255, 255), dark = rgb(128, 128, 128);
    for (int i = 0; i < 30; ++i) {
        s.setPixel(i, 0, down ? dark : light);
        s.setPixel(0, i, down ? dark : light);
        s.setPixel(i, 29, down ? light : dark);
        s.setPixel(29, i, down ? light : dark);
    }
    if (down) dc.setViewportOrigin(1, 1);
    dc.selectPen(Pen{PenStyle::Solid, 1, rgb(0, 0, 0)});
    dc.selectBrush(Brush::hollow());
    switch (tool) {
        case 1: dc.moveTo(7, 22), dc.lineTo(22, 7); break;
        case 2: dc.ellipse(6, 9, 23, 21); break;
        case 3: dc.arc(6, 6, 23, 23, 22, 14, 7, 14); break;
        case 4:
            dc.selectBrush(Brush::solid(rgb(0, 0, 0)));
            dc.rectangle(8, 8, 21, 21);
            break;
        case 5:
            dc.moveTo(6, 20), dc.lineTo(23, 20);
            dc.setBackgroundTransparent(true);
            dc.selectFont(Font::fromPointSize(70));
            dc.textOut(11, 6, "1");
            break;
        case 6:
            dc.setBackgroundTransparent(true);
            dc.selectFont(Font::fromPointSize(100));
            dc.textOut(9, 6, "A");
            break;
        default: break;
    }
    return s;
}

constexpr int kToolButtons[] = {1013, 1015, 1016, 1017, 1018, 1019};

std::string pair(int a, int b) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%d, %d", a, b);
    return buffer;
}

}  // namespace

CNumericoDlg::CNumericoDlg() : Dialog(kNumerico) {
    on(1036, Notify::Clicked, [this] { takeValuesQuietly(), m_vertical = 0, m_horizontal = -1, showValues(); });
    on(1037, Notify::Clicked, [this] { takeValuesQuietly(), m_vertical = -1, m_horizontal = 0, showValues(); });
}
void CNumericoDlg::DoDataExchange(DataExchange& dx) {
    dx.radio(1036, m_vertical);
    dx.radio(1037, m_horizontal);
    dx.sheetText(1038, m_value);
}
bool CNumericoDlg::OnInitDialog() {
    showValues();
    return true;
}
void CNumericoDlg::OnOK() {
    if (!takeValues()) return;
    g_symbolValueInput = m_value;
    g_symbolValueVertical = m_vertical == 0 ? 1 : 0;
    endDialog(DialogResult::Ok);
}

CSimTextoDlg::CSimTextoDlg() : Dialog(kSimTexto) {
    on(1036, Notify::Clicked, [this] { takeValuesQuietly(), m_vertical = 0, m_horizontal = -1, showValues(); });
    on(1037, Notify::Clicked, [this] { takeValuesQuietly(), m_vertical = -1, m_horizontal = 0, showValues(); });
}
void CSimTextoDlg::DoDataExchange(DataExchange& dx) {
    dx.radio(1036, m_vertical);
    dx.radio(1037, m_horizontal);
    dx.sheetText(1040, m_text);
}
bool CSimTextoDlg::OnInitDialog() {
    showValues();
    return true;
}
void CSimTextoDlg::OnOK() {
    if (!takeValues()) return;
    g_symbolTextInput = m_text;
    g_symbolTextVertical = m_vertical == 0 ? 1 : 0;
    endDialog(DialogResult::Ok);
}

Point CSimboloDlg::areaOrigin() { return {dialogPixelsX(kAreaBox.x), dialogPixelsY(kAreaBox.y)}; }

CSimboloDlg::CSimboloDlg() : Dialog(kSimbolo) {
    const HandlerRow<CSimboloDlg> handlers[] = {
        {1013, Notify::Clicked, &CSimboloDlg::OnToolLine},
        {1015, Notify::Clicked, &CSimboloDlg::OnToolEllipse},
        {1016, Notify::Clicked, &CSimboloDlg::OnToolArc},
        {1017, Notify::Clicked, &CSimboloDlg::OnToolFill},
        {1018, Notify::Clicked, &CSimboloDlg::OnToolNumber},
        {1019, Notify::Clicked, &CSimboloDlg::OnToolText},
        {1009, Notify::Changed, &CSimboloDlg::OnChangeHeight},
        {1010, Notify::Changed, &CSimboloDlg::OnChangeWidth},
        {1014, Notify::Changed, &CSimboloDlg::OnChangeZoom},
        {1023, Notify::Clicked, &CSimboloDlg::OnSnapToGrid},
        {1026, Notify::Clicked, &CSimboloDlg::OnSymbolOff},
        {1025, Notify::Clicked, &CSimboloDlg::OnSymbolOn},
        {1027, Notify::Clicked, &CSimboloDlg::OnCopyOffToOn},
        {kArea, Notify::RightDown, &CSimboloDlg::OnRButtonDown},
    };
    addHandlers(this, handlers);
    const Point o = areaOrigin();
    on(kArea, Notify::MouseDown, [this, o] { OnLButtonDown(Point{mousePoint().x + o.x, mousePoint().y + o.y}); });
    on(kArea, Notify::MouseMove, [this, o] { OnMouseMove(Point{mousePoint().x + o.x, mousePoint().y + o.y}); });
    on(kArea, Notify::MouseUp, [this, o] { OnLButtonUp(Point{mousePoint().x + o.x, mousePoint().y + o.y}); });
    for (int id : {1011, 1012, 1020}) on(id, Notify::Scrolled, [this, id] { OnVScroll(id); });
}

bool CSimboloDlg::OnInitDialog() {
    m_height = m_width = 100;
    m_zoom = 1;
    m_snap = true;
    m_on = false;
    m_tool = 0;
    m_nextOff = 0;
    m_nextOn = kSymbolOnBase;
    m_drawing = m_marker = false;
    m_arcClicks = 0;
    m_pointer = {0, 0};
    setCursor(kArea, CursorShape::Arrow);
    g_symbolPrims.fill(SymbolPrim{});
    g_symbolTexts.fill(std::string());
    setPosition(1011, 10);
    setPosition(1012, 10);
    setPosition(1020, 1);
    for (int t = 0; t < 6; ++t) setButtonImages(kToolButtons[t], toolImage(t + 1, false), toolImage(t + 1, true));
    setText(1024, "0, 0");
    setText(1030, TextCodec1250::toUtf8(g_editorLibraryName));
    setText(1029, TextCodec1250::toUtf8(g_editorSymbolName));
    showCounts();
    showValues();
    return true;
}

void CSimboloDlg::DoDataExchange(DataExchange& dx) {
    if (dx.mode() != DataExchange::Mode::Show) return;  // the edits are read by their own handlers
    setText(1009, std::to_string(m_height));
    setText(1010, std::to_string(m_width));
    setText(1014, std::to_string(m_zoom));
    setChecked(1023, m_snap ? 1 : 0);
    setChecked(1026, m_on ? 0 : 1);
    setChecked(1025, m_on ? 1 : 0);
}

void CSimboloDlg::onChangeSize(int id, int& member) {
    const std::string typed = text(id);
    if (typed.empty()) return;  // being retyped
    // Told as every number field tells it, then held at the end of the range.
    checkNumber(id);
    const long maximum = static_cast<long>(row(id)->maximum);
    char* end = nullptr;
    const long v = std::strtol(typed.c_str(), &end, 10);
    const int clamped = static_cast<int>(std::clamp<long>(end && *end == 0 ? v : 1, 1, maximum));
    member = clamped;
    if (std::to_string(clamped) != typed) setText(id, std::to_string(clamped));
    OnSetCursor();
    redraw(kArea);
}

void CSimboloDlg::OnVScroll(int id) {
    const int p = position(id);
    if (id == 1011) m_height = p * 10;
    if (id == 1012) m_width = p * 10;
    if (id == 1020) m_zoom = p;
    OnSetCursor();
    showValues();
    redraw(kArea);
}

void CSimboloDlg::chooseHalf(bool on) {
    m_on = on;
    m_arcClicks = 0;
    chooseTool(0);
    showValues();
    redraw(kArea);
}

void CSimboloDlg::chooseTool(int tool) {
    m_tool = tool;
    OnSetCursor();
}

void CSimboloDlg::OnToolNumber() {
    CNumericoDlg dialog;
    if (dialog.runModal() == DialogResult::Ok) chooseTool(5);
}

void CSimboloDlg::OnToolText() {
    CSimTextoDlg dialog;
    if (dialog.runModal() == DialogResult::Ok) chooseTool(6);
}

void CSimboloDlg::OnSetCursor() {
    const Point p = m_pointer;
    const bool inside = p.x >= kCanvasX + 1 && p.x < m_width * m_zoom + kCanvasX && p.y >= kCanvasY + 1 &&
                        p.y < m_height * m_zoom + kCanvasY;
    setCursor(kArea, m_tool != 0 && inside ? CursorShape::Cross : CursorShape::Arrow);
}

void CSimboloDlg::OnRButtonDown() {
    m_arcClicks = 0;
    m_drawing = false;
    chooseTool(0);
    redraw(kArea);
}

void CSimboloDlg::OnCopyOffToOn() {
    chooseTool(0);
    if (messageBox(cp1250("Igualar el símbolo ON al símbolo OFF"), BoxButtons::YesNo, BoxIcon::Stop) !=
        BoxAnswer::Yes)
        return;
    for (int i = 0; i < kSymbolOnBase; ++i) {
        g_symbolPrims[i + kSymbolOnBase] = g_symbolPrims[i];
        g_symbolTexts[i + kSymbolOnBase] = g_symbolTexts[i];
    }
    m_nextOn = m_nextOff + kSymbolOnBase;
    showCounts();
    redraw(kArea);
}

Point CSimboloDlg::clampToCanvas(Point p) const {
    return {std::clamp(p.x, kCanvasX, m_width * m_zoom + kCanvasX),
            std::clamp(p.y, kCanvasY, m_height * m_zoom + kCanvasY)};
}

Point CSimboloDlg::snap(Point p) const {
    if (!m_snap) return p;
    const int step = 10 * m_zoom;
    p.x = p.x / step * step;
    p.y = p.y / step * step;
    // Moves the step grid onto the canvas grid, whose origin is (100, 50).
    switch (m_zoom) {
        case 2: p.y += 10; break;
        case 3: p.x += 10, p.y += 20; break;
        case 4: p.x += 20, p.y += 10; break;
        default: break;
    }
    return p;
}

Point CSimboloDlg::pressPoint(Point client) const { return snap(clampToCanvas(client)); }

Point CSimboloDlg::toUnits(Point p) const { return {(p.x - kCanvasX) / m_zoom, (p.y - kCanvasY) / m_zoom}; }
Point CSimboloDlg::toPixels(int u, int v) const { return {u * m_zoom + kCanvasX, v * m_zoom + kCanvasY}; }

void CSimboloDlg::showCounts() { setText(1031, pair(m_nextOff, m_nextOn - kSymbolOnBase)); }

void CSimboloDlg::OnLButtonDown(Point client) {
    m_pointer = client;
    const Point p = pressPoint(client);
    if (m_tool == 0) return;
    m_start = m_current = p;
    m_drawing = true;
    if (m_tool == 3) {
        if (m_arcClicks == 0) m_arcFirst = p;
        if (m_arcClicks == 1) m_arcSecond = p;
        m_arcClicks = std::min(m_arcClicks + 1, 3);
    }
    redraw(kArea);
}

void CSimboloDlg::OnMouseMove(Point client) {
    m_pointer = client;
    OnSetCursor();
    // Points off the canvas are held at its edge, so nothing stored lies outside it.
    const Point p = pressPoint(client);
    const Point u = toUnits(p);
    setText(1024, pair(u.x, u.y));
    m_marker = m_tool != 0;
    m_current = p;
    redraw(kArea);
}

void CSimboloDlg::OnLButtonUp(Point client) {
    if (!m_drawing) return;
    m_drawing = false;
    m_current = pressPoint(client);
    int& next = m_on ? m_nextOn : m_nextOff;
    SymbolPrim& e = g_symbolPrims[next];
    std::string& t = g_symbolTexts[next];
    const Point a = toUnits(m_start), b = toUnits(m_current);
    switch (m_tool) {
        case 1: {
            const bool right = b.x >= a.x, down = b.y >= a.y;
            e = {1, std::min(a.x, b.x), std::min(a.y, b.y), std::max(a.x, b.x), std::max(a.y, b.y),
                 right ? (down ? 1 : 4) : (down ? 2 : 3), 0};
            t.clear();
            break;
        }
        case 2:
            if (b.x <= a.x || b.y <= a.y) return;
            e = {2, a.x, a.y, b.x, b.y, 0, 0};
            t.clear();
            break;
        case 3:
            if (m_arcClicks >= 3) {
                const Point f = toUnits(m_arcFirst), s = toUnits(m_arcSecond);
                e = {3, f.x, f.y, s.x, s.y, b.x, b.y};
                t.clear();
                m_arcClicks = 0;
            }
            break;
        case 4: {
            const Point f = toUnits(clampToCanvas(client));
            e = {4, f.x, f.y, f.x, f.y, 0, 0};
            t.clear();
            m_tool = 0;
            break;
        }
        case 5:
            e = {5, a.x, a.y, 0, 0, g_symbolValueVertical, 0};
            t = g_symbolValueInput.substr(0, 3);
            m_tool = 0;
            break;
        case 6:
            e = {6, a.x, a.y, 0, 0, g_symbolTextVertical, 0};
            t = g_symbolTextInput.substr(0, 3);
            m_tool = 0;
            break;
        default: return;
    }
    // The last entry of a half takes every further primitive.
    if (next < (m_on ? kSymbolEntries - 1 : kSymbolOnBase - 1)) ++next;
    m_marker = m_tool != 0;
    OnSetCursor();
    showCounts();
    showValues();
    redraw(kArea);
}

void CSimboloDlg::drawPrimitive(Dc& dc, int entry) {
    const SymbolPrim& e = g_symbolPrims[entry];
    const std::string& t = g_symbolTexts[entry];
    const Point p1 = toPixels(e.x1, e.y1), p2 = toPixels(e.x2, e.y2);
    const int z = m_zoom;
    switch (e.kind) {
        case 1:
            if (e.x3 == 2 || e.x3 == 4)
                dc.moveTo(p1.x, p2.y), dc.lineTo(p2.x, p1.y);
            else
                dc.moveTo(p1.x, p1.y), dc.lineTo(p2.x, p2.y);
            break;
        case 2: dc.ellipse(p1.x, p1.y, p2.x, p2.y); break;
        case 3: {
            const Point p3 = toPixels(e.x3, e.y3);
            const int r = static_cast<int>(std::hypot(double(p1.x - p2.x), double(p1.y - p2.y)));
            dc.arc(p2.x - r, p2.y - r, p2.x + r, p2.y + r, p1.x, p1.y, p3.x, p3.y);
            break;
        }
        case 4: {
            const Brush old = dc.selectBrush(Brush::solid(dc.pen().color));
            dc.floodFillSurface(p1.x, p1.y, dc.getPixel(p1.x, p1.y));
            dc.selectBrush(old);
            break;
        }
        case 5:
            if (e.x3) {
                dc.moveTo(p1.x, p1.y), dc.lineTo(p1.x, p1.y + 10 * z);
                dc.setTextAlign(kAlignLeft | kAlignTop);
                dc.textOut(p1.x + 2 * z, p1.y, t);
            } else {
                dc.moveTo(p1.x, p1.y), dc.lineTo(p1.x + 10 * z, p1.y);
                dc.setTextAlign(kAlignCenter | kAlignTop);
                dc.textOut(p1.x + 5 * z, p1.y - 10 * z, t);
            }
            break;
        case 6:
            dc.setTextAlign(kAlignLeft | kAlignTop);
            if (e.x3) {
                for (std::size_t i = 0; i < t.size() && i < 3; ++i)
                    dc.textOut(p1.x, p1.y + static_cast<int>(i) * 10 * z, t.substr(i, 1));
            } else {
                dc.textOut(p1.x, p1.y, t);
            }
            break;
        default: break;
    }
}

// The marker and the figure being drawn, inverted over the drawing.
void CSimboloDlg::drawRubber(Dc& dc) {
    const RasterMode old = dc.setRasterMode(RasterMode::NotXorPen);
    dc.selectPen(Pen{PenStyle::Solid, 1, rgb(0, 0, 0)});
    dc.selectBrush(Brush::hollow());
    const Point c = m_current;
    const int z = m_zoom;
    if (m_marker && m_tool != 0) dc.rectangle(c.x - z, c.y - z, c.x + z + 1, c.y + z + 1);
    if (m_drawing && m_tool == 1) dc.moveTo(m_start.x, m_start.y), dc.lineTo(c.x, c.y);
    if (m_drawing && m_tool == 2 && c.x > m_start.x && c.y > m_start.y) dc.ellipse(m_start.x, m_start.y, c.x, c.y);
    if (m_tool == 3 && m_arcClicks > 0 && m_arcClicks < 3) {
        dc.moveTo(m_arcFirst.x, m_arcFirst.y), dc.lineTo(c.x, c.y);
        if (m_arcClicks == 2) {
            dc.moveTo(m_arcSecond.x, m_arcSecond.y), dc.lineTo(c.x, c.y);
            const int r = static_cast<int>(
                std::hypot(double(m_arcFirst.x - m_arcSecond.x), double(m_arcFirst.y - m_arcSecond.y)));
            dc.ellipse(m_arcSecond.x - r, m_arcSecond.y - r, m_arcSecond.x + r, m_arcSecond.y + r);
        }
    }
    if (m_marker && m_tool == 5) {
        dc.moveTo(c.x, c.y);
        if (g_symbolValueVertical)
            dc.lineTo(c.x, c.y + 10 * z);
        else
            dc.lineTo(c.x + 10 * z, c.y);
    }
    dc.setRasterMode(old);
}

void CSimboloDlg::OnDrawItem(int id, Dc& dc, int, int) {
    if (id != kArea) return;
    const Point o = areaOrigin();
    dc.setViewportOrigin(-o.x, -o.y);
    dc.selectPen(Pen{PenStyle::Solid, 1, rgb(0, 0, 0)});
    dc.selectBrush(Brush::white());
    dc.rectangle(kCanvasX - 1, kCanvasY - 1, m_width * m_zoom + kCanvasX + 2, m_height * m_zoom + kCanvasY + 2);
    for (int u = 0; u <= m_width; u += 10)
        for (int v = 0; v <= m_height; v += 10) {
            const Point p = toPixels(u, v);
            dc.setPixel(p.x, p.y, kGrid);
        }
    const Color colour = m_on ? kOnColour : kOffColour;
    dc.selectPen(Pen{PenStyle::Solid, 1, colour});
    dc.selectBrush(Brush::hollow());
    dc.selectFont(Font::fromPointSize(70 * m_zoom, "Arial"));
    dc.setBackgroundTransparent(true);
    dc.setTextColor(colour);
    const int first = m_on ? kSymbolOnBase : 0;
    for (int i = first; i < first + kSymbolOnBase; ++i) drawPrimitive(dc, i);
    drawRubber(dc);
}

}  // namespace velk
