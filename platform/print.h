#pragma once
// Printing and print preview of a view on the desktop's printers. A job draws
// each page with the program's own device context, whose unit is one dot of
// kPrintDotsPerInch: on paper its lines, shapes and texts go to the printer, a PDF
// file or the preview window as vectors, fills and pictures as lossless images.
//
// One printer serves the whole program: Print Setup and the print dialog choose
// it and its page, direct printing uses it as it stands.
#include <functional>
#include <string>
#include <vector>

#include "platform/dc.h"
#include "platform/geometry.h"
#include "platform/surface.h"

namespace velk {

constexpr int kPrintDotsPerInch = 300;

enum class PrintKind {
    Print,    // the print dialog first
    Direct,   // straight to the program's printer
    Preview,  // the pages in the preview window
};

// What a job and the printed view tell each other.
struct PrintInfo {
    PrintKind kind = PrintKind::Print;
    // The page the view would like, set before the print dialog; the user may change it.
    bool landscape = false;
    int pageCount = 1;
    // The PDF file the print dialog offers when the user prints to a file (Windows-1250
    // bytes, like the sheet's own path), set before the dialog; empty leaves the
    // toolkit's own suggestion.
    std::string fileName;
    // During a page paint: the page (from 1) and the printable area in dots, from (0, 0).
    int currentPage = 1;
    Rect pageArea;
};

// What a job calls on the printed view, in this order: prepare (false ends the job
// before anything is printed), begin, one paint per page, end.
class PrintClient {
public:
    virtual ~PrintClient() = default;
    virtual bool preparePrinting(PrintInfo& info) = 0;
    virtual void beginPrinting(Dc& dc, PrintInfo& info) = 0;
    virtual void printPage(Dc& dc, PrintInfo& info) = 0;
    virtual void endPrinting(Dc& dc, PrintInfo& info) = 0;
};

// The standard preparation: the print dialog for Print (false when cancelled),
// nothing for direct printing and the preview.
bool preparePrintingDefault(PrintInfo& info);
// The file the last print dialog offered for printing to PDF (PrintInfo::fileName),
// in UTF-8 as the dialog shows it.
std::string offeredPrintFile();

// Runs one job of the kind. False when it was cancelled or the printer could not
// be opened; the view's end operation runs whenever its begin operation ran.
bool runPrintJob(PrintClient& client, PrintKind kind);

// How a page reaches the printer: as drawing on paper (the rule), or as one
// raster of the whole page, as the screen's device context draws it.
enum class PrintBackEnd { Paper, Raster };
void setPrintBackEnd(PrintBackEnd backEnd);
PrintBackEnd printBackEnd();

// Print Setup: the page and printer for the jobs that follow. False on Cancel.
bool runPrintSetup();

// The program's printer writes PDF files to `path`; an empty path sends the jobs
// to the system's default printer again.
void setPrintToFile(const std::string& path);
std::string printToFile();

// --- headless use: handlers answer instead of the screen; nullptr shows it again ---
// The print dialog and Print Setup: true is OK (the printer as set stays chosen).
void setPrintDialogHandler(std::function<bool()> handler);
void setPrintSetupHandler(std::function<bool()> handler);
// The preview hands its pages to the handler instead of opening its window, each
// drawn at kPrintDotsPerInch through the job's back end.
void setPrintPreviewHandler(std::function<void(const std::vector<Surface>& pages)> handler);

// The preview window as it opened: its size, the free area of its screen (both in
// pixels), the zoom of its page (1 is the paper's own size on the screen) and
// whether the page fills the window's width.
struct PreviewWindowInfo {
    int width = 0, height = 0;
    int screenWidth = 0, screenHeight = 0;
    double zoom = 0;
    bool fitsWidth = false;
};
// Told once the preview window is open and laid out; the window closes when the
// handler returns. Without a preview handler only.
void setPrintPreviewWindowHandler(std::function<void(const PreviewWindowInfo&)> handler);

}  // namespace velk
