// Printing and print preview of the sheet: the job switches the view to the print
// zoom of its page format and scale, hides the screen-only decorations, paints
// each page with the ordinary paint and puts everything back afterwards.
#include <algorithm>

#include "model/VelkarionView.h"
#include "model/WholeFile.h"
#include "platform/command.h"
#include "platform/filedlg.h"
#include "platform/print.h"
#include "platform/text1250.h"
#include "render/Paint.h"
#include "res/Resource.h"

namespace velk {

namespace {

// Below this scale the print zoom would fall under one pixel per unit and the
// coincidence tests of the wire pass would no longer hold. Above it, as the scale
// setting allows up to 999.99, a page would be drawn thousands of times too large.
constexpr float kMinPrintScale = 0.1f;
constexpr float kMaxPrintScale = 5.0f;

// Pixels per drawing unit on paper at scale 1: the A3 formats are printed at the
// size of the A4 ones.
struct PrintZoomRow {
    int pageFormat;
    double factor;
};
constexpr PrintZoomRow kPrintZoom[] = {{0, 10.0}, {1, 10.0}, {2, 7.1}, {3, 7.1}, {4, 10.0}};

constexpr CommandEntry<CVelkarionView> kPrintCommands[] = {
    {ID_FILE_PRINT, &CVelkarionView::OnFilePrint, nullptr},
    {ID_FILE_PRINT_DIRECT, &CVelkarionView::OnFilePrintDirect, nullptr},
    {ID_FILE_PRINT_PREVIEW, &CVelkarionView::OnFilePrintPreview, nullptr},
};

// The sheet's view as a print job sees it.
class SheetPrintClient : public PrintClient {
public:
    explicit SheetPrintClient(CVelkarionView& view) : m_view(view) {}
    bool preparePrinting(PrintInfo& info) override { return m_view.OnPreparePrinting(info); }
    void beginPrinting(Dc& dc, PrintInfo& info) override { m_view.OnBeginPrinting(dc, info); }
    void printPage(Dc& dc, PrintInfo& info) override { m_view.OnPrint(dc, info); }
    void endPrinting(Dc& dc, PrintInfo& info) override { m_view.OnEndPrinting(dc, info); }

private:
    CVelkarionView& m_view;
};

void runJob(CVelkarionView& view, PrintKind kind) {
    SheetPrintClient client(view);
    runPrintJob(client, kind);
}

// The sheet lies wider than tall in every format but A4 portrait and a tall user size.
bool landscapeSheet(const SheetDocument& doc) {
    if (doc.m_pageFormat == 0) return false;
    if (doc.m_pageFormat == 4) return doc.m_pageWidth > doc.m_pageHeight;
    return true;
}

// The PDF a print to a file is offered: the sheet's own name beside its file, or,
// for a sheet never saved, the window's title in the current folder. A sheet whose
// file could not be read whole has no path to save to, but it is still offered
// beside that file, under its window title.
std::string pdfFileFor(const CVelkarionView& view, const SheetDocument* doc) {
    const std::string& saved = view.m_filePath;
    const bool hasFile = !saved.empty() && saved.find('*') == std::string::npos;
    const std::string name = bareFileName(hasFile ? saved : (doc ? doc->sheetTitle() : std::string()));
    if (name.empty()) return std::string();
    const std::string folder =
        hasFile ? wholeFolderOf(saved) : (view.m_openedFolder.empty() ? wholeFolderOf("") : view.m_openedFolder);
    if (folder.empty()) return std::string();
    return folder + withFileExtension(name, "pdf");
}

}  // namespace

double CVelkarionView::PrintZoomFor(const SheetDocument& doc) {
    float scale = doc.m_printScale;
    if (!(scale >= kMinPrintScale)) scale = kMinPrintScale;
    if (scale > kMaxPrintScale) scale = kMaxPrintScale;
    for (const PrintZoomRow& row : kPrintZoom)
        if (row.pageFormat == doc.m_pageFormat) return scale * row.factor;
    return doc.m_zoom;
}

void CVelkarionView::OnFilePrint() { runJob(*this, PrintKind::Print); }
void CVelkarionView::OnFilePrintDirect() { runJob(*this, PrintKind::Direct); }
void CVelkarionView::OnFilePrintPreview() { runJob(*this, PrintKind::Preview); }

bool CVelkarionView::OnPreparePrinting(PrintInfo& info) {
    const SheetDocument* doc = GetDocument();
    if (doc) info.landscape = landscapeSheet(*doc);
    info.pageCount = 1;
    info.fileName = pdfFileFor(*this, doc);
    return preparePrintingDefault(info);
}

void CVelkarionView::OnBeginPrinting(Dc& dc, PrintInfo& info) {
    SheetDocument* doc = GetDocument();
    if (!doc) return;
    // The screen zoom waits in the zoom-previous memory until the job ends.
    doc->m_prevZoom = doc->m_zoom;
    doc->m_zoom = PrintZoomFor(*doc);
    doc->m_printSavedGrid = doc->m_showGrid;
    doc->m_showGrid = 0;
    doc->m_printSavedGuideLines = doc->m_guideLines;
    doc->m_guideLines = 0;
    m_printing = 1;
    g_currentTool = kTypeNone;
}

void CVelkarionView::OnPrint(Dc& dc, PrintInfo& info) {
    // A page shows the sheet as the screen does, wire letters, lamps and contacts
    // included; its paint evaluates nothing (the paint shows a run while printing),
    // so a running simulation neither advances nor stops because of it, and the
    // screen's next paint finds the run state and the pen as they were.
    const int simulating = m_simulating;
    const int stepPending = m_stepPending;
    const int viewOnlyRepaint = g_viewOnlyRepaint;
    const int simPass = g_simPass;
    const int lampPass = g_lampPass;
    const int loopIndex = m_loopIndex;
    const int penWidth = m_penWidth;
    const Color penColor = m_penColor;
    OnDraw(dc);
    m_simulating = simulating;
    m_stepPending = stepPending;
    g_viewOnlyRepaint = viewOnlyRepaint;
    g_simPass = simPass;
    g_lampPass = lampPass;
    m_loopIndex = loopIndex;
    m_penWidth = penWidth;
    m_penColor = penColor;
}

void CVelkarionView::OnEndPrinting(Dc& dc, PrintInfo& info) {
    SheetDocument* doc = GetDocument();
    if (!doc) return;
    doc->m_zoom = doc->m_prevZoom;
    doc->m_showGrid = doc->m_printSavedGrid;
    doc->m_guideLines = doc->m_printSavedGuideLines;
    m_printing = 0;
}

bool CVelkarionView::IsPrintCommand(int id) { return tableHasCommand(kPrintCommands, id); }

bool CVelkarionView::RunPrintCommand(int id) { return runCommandFrom(*this, kPrintCommands, id); }

}  // namespace velk
