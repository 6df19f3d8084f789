// The view's initial update: a fresh sheet window becomes an empty sheet in edit
// mode, or the sheet that Open asked for.
#include <cmath>
#include <ctime>
#include <iomanip>
#include <locale>
#include <sstream>

#include "model/VelkarionView.h"
#include "platform/app.h"
#include "platform/statusbar.h"
#include "render/Clock.h"
#include "render/Paint.h"

namespace velk {

int g_openOnInit = 0;

namespace {

constexpr double kMaxZoom = 20.0;

// Title-block texts that the initial update fills when they are still empty.
constexpr int kTitleDate = 6;
constexpr int kTitleSheet = 7;
constexpr int kTitleSheetCount = 8;
constexpr int kTitleFileName = 9;

// Today as "%d-%b-%Y" with the month names of the classic locale, so that the text
// is the same on every machine and fits the sheet's 8-bit text.
std::string todayText() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    std::ostringstream out;
    out.imbue(std::locale::classic());
    out << std::put_time(&local, "%d-%b-%Y");
    return out.str();
}

}  // namespace

void CVelkarionView::OnInitialUpdate() {
    SheetDocument* doc = GetDocument();
    const double startZoom = doc ? doc->m_zoom : 2.0;

    // An A4 portrait sheet at the current zoom until the page format is applied.
    setScrollSizes(static_cast<int>(startZoom * 237), static_cast<int>(startZoom * 337));

    // One zoom step up from one below: the zoom becomes a whole number, the step is
    // remembered for Zoom previous and the scroll area follows the page format.
    if (doc) {
        doc->m_zoom -= 1.0;
        const Point scroll = scrollPosition();
        doc->m_zoom = std::trunc(doc->m_zoom);
        doc->m_prevZoom = doc->m_zoom;
        doc->m_savedScrollX = scroll.x;
        doc->m_savedScrollY = scroll.y;
        doc->m_zoom = std::min(doc->m_zoom + 1.0, kMaxZoom);
        // Not OnZoomIn itself: that keeps the zoom at 1 or more before the step,
        // where this step takes the cut value as it is.
        SetPageScrollSizes();
        g_viewOnlyRepaint = 1;
        BeginToolPlacement();
        invalidate(true);
    }
    const double zoom = doc ? doc->m_zoom : 2.0;

    m_mainWnd = Application::instance() ? Application::instance()->mainFrame() : nullptr;
    m_statusBar = mainStatusPanes();
    if (!m_statusBar) {
        // A view without a main window keeps its pane texts to itself.
        static DetachedStatusPanes detached;
        m_statusBar = &detached;
    }
    m_statusBar->setPaneText(0, "Velkarion");
    SetModeTexts("Edición", "Stop");

    m_zoomWindowArmed = 0;
    m_dragStartX = 0;
    m_dragStartY = 0;
    m_dragCurrentX = static_cast<int>(zoom * 20);
    m_dragCurrentY = static_cast<int>(zoom * 10);
    m_markerX = kNoMarker;
    m_markerY = kNoMarker;
    m_zoomAnchorX = 0;
    m_zoomAnchorY = 0;
    m_zoomDragActive = 0;
    m_pickedIndex = 0;
    m_componentCount = 0;
    m_loopIndex = 0;
    m_toolOrientation = 0;
    m_drawingPlaced = 0;
    m_currentColor = rgb(0, 0, 0);
    m_toolDragActive = 0;
    m_ghostRect.fill(0);
    m_highlightRect.fill(0);

    clearAllSlots();
    m_netCounter = 1;
    m_bundleCounter = 1;

    m_lastPointX = kNoPoint;
    m_lastPointY = kNoPoint;
    m_printing = 0;
    m_penWidth = 1;

    if (g_openOnInit == 1) {
        g_openOnInit = 0;
        OpenDrawing();
    }

    m_lastKey = 0;
    m_floatingBlock = 0;
    m_pasteSingle = 0;
    m_simulating = 0;
    m_paused = 0;
    m_stepMode = 0;
    m_stepPending = 0;

    if (doc) {
        // A loaded sheet keeps its own texts; only empty ones get the defaults.
        struct TitleDefault {
            int text;
            std::string value;
        };
        const TitleDefault defaults[] = {
            {kTitleFileName, doc->sheetTitle()},
            {kTitleDate, todayText()},
            {kTitleSheet, "1"},
            {kTitleSheetCount, "1"},
        };
        for (const TitleDefault& d : defaults)
            if (doc->m_titleText[d.text].empty()) doc->m_titleText[d.text] = d.value;
    }

    setTimer(kSimulationTimerId, kInitialTimerPeriodMs);

    if (doc) {
        SetPageScrollSizes();
        doc->updateAllViews();
    }
    invalidate(true);
}

}  // namespace velk
