// Zoom and grid commands: the zoom of the document, the scroll range and scroll
// position of the view, and the grid dots. Every command remembers the zoom and
// scroll position it started from, so that Zoom previous can go back one step.
#include <algorithm>
#include <cmath>

#include "model/VelkarionView.h"
#include "platform/command.h"
#include "render/Paint.h"
#include "res/Resource.h"

namespace velk {

namespace {

constexpr double kMinZoom = 1.0;
constexpr double kMaxZoom = 20.0;
constexpr double kNormalZoom = 2.0;

constexpr CommandEntry<CVelkarionView> kZoomCommands[] = {
    {ID_ZOOM_PREVIOUS, &CVelkarionView::OnZoomPrevious, nullptr},
    {ID_ZOOM_NORMAL, &CVelkarionView::OnZoomNormal, nullptr},
    {ID_ZOOM_IN, &CVelkarionView::OnZoomIn, nullptr},
    {ID_ZOOM_WINDOW, &CVelkarionView::OnZoomWindow, nullptr},
    {ID_ZOOM_ALL, &CVelkarionView::OnZoomAll, nullptr},
    {ID_VIEW_GRID, &CVelkarionView::OnViewGrid, nullptr},
    {ID_ZOOM_OUT, &CVelkarionView::OnZoomOut, nullptr},
};

// Sheet sizes in drawing units by page format.
struct PageSize {
    int width;
    int height;
};

bool pageSizeOf(const SheetDocument& doc, PageSize& size) {
    switch (doc.m_pageFormat) {
        case 0: size = {237, 337}; return true;
        case 1: size = {337, 237}; return true;
        case 2:
        case 3: size = {470, 334}; return true;
        case 4: size = {doc.m_pageWidth, doc.m_pageHeight}; return true;
        default: return false;
    }
}

// Whatever a remembered or computed zoom holds, the screen shows 1 to 20.
double screenZoom(double zoom) {
    if (!(zoom >= kMinZoom)) return kMinZoom;
    return std::min(zoom, kMaxZoom);
}

void remember(SheetDocument& doc, Point scroll) {
    doc.m_prevZoom = doc.m_zoom;
    doc.m_savedScrollX = scroll.x;
    doc.m_savedScrollY = scroll.y;
}

// What every zoom and grid command ends with: the repaint is a view change only,
// the tool is parked anew and the whole view is drawn again.
void finishZoom(CVelkarionView& view) {
    g_viewOnlyRepaint = 1;
    view.BeginToolPlacement();
    view.invalidate(true);
}

}  // namespace

void CVelkarionView::SetPageScrollSizes() {
    const SheetDocument* doc = GetDocument();
    PageSize page{};
    if (!doc || !pageSizeOf(*doc, page)) return;
    setScrollSizes(static_cast<int>(page.width * doc->m_zoom), static_cast<int>(page.height * doc->m_zoom));
}

void CVelkarionView::OnZoomPrevious() {
    SheetDocument* doc = GetDocument();
    if (!doc) return;
    const Point start = scrollPosition();
    const double z0 = doc->m_zoom;
    doc->m_zoom = screenZoom(doc->m_prevZoom);
    // The range first, so that a position remembered at a larger zoom fits it.
    SetPageScrollSizes();
    scrollTo(doc->m_savedScrollX, doc->m_savedScrollY);
    doc->m_prevZoom = z0;
    doc->m_savedScrollX = start.x;
    doc->m_savedScrollY = start.y;
    finishZoom(*this);
}

void CVelkarionView::OnZoomNormal() {
    SheetDocument* doc = GetDocument();
    if (!doc) return;
    remember(*doc, scrollPosition());
    doc->m_zoom = kNormalZoom;
    SetPageScrollSizes();
    finishZoom(*this);
}

void CVelkarionView::OnZoomIn() {
    SheetDocument* doc = GetDocument();
    if (!doc) return;
    doc->m_zoom = screenZoom(std::trunc(doc->m_zoom));
    remember(*doc, scrollPosition());
    doc->m_zoom = screenZoom(doc->m_zoom + 1.0);
    SetPageScrollSizes();
    finishZoom(*this);
}

void CVelkarionView::OnZoomOut() {
    SheetDocument* doc = GetDocument();
    if (!doc) return;
    doc->m_zoom = screenZoom(std::trunc(doc->m_zoom));
    remember(*doc, scrollPosition());
    doc->m_zoom = screenZoom(doc->m_zoom - 1.0);
    SetPageScrollSizes();
    finishZoom(*this);
}

void CVelkarionView::OnZoomWindow() {
    SheetDocument* doc = GetDocument();
    if (!doc) return;
    remember(*doc, scrollPosition());
    m_zoomWindowArmed = 1;
    g_viewOnlyRepaint = 1;
    // The preview of the tool still in use is parked and cleared; then the drag
    // that follows is the zoom rectangle's, not a placement.
    BeginToolPlacement();
    g_currentTool = kTypeNone;
}

void CVelkarionView::OnZoomAll() {
    SheetDocument* doc = GetDocument();
    if (!doc) return;
    remember(*doc, scrollPosition());
    doc->m_zoom = kMinZoom;
    // The range keeps the size of the previous zoom until another command sets it.
    scrollTo(0, 0);
    finishZoom(*this);
}

void CVelkarionView::OnViewGrid() {
    SheetDocument* doc = GetDocument();
    if (!doc) return;
    doc->m_showGrid = doc->m_showGrid == 0 ? 1 : 0;
    // The grid flag is saved with the sheet.
    doc->setModified(true);
    finishZoom(*this);
}

bool CVelkarionView::IsZoomCommand(int id) { return tableHasCommand(kZoomCommands, id); }

bool CVelkarionView::RunZoomCommand(int id) { return runCommandFrom(*this, kZoomCommands, id); }

}  // namespace velk
