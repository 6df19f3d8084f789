// Printing and print preview on the toolkit's printer support.
#include "platform/print.h"

#include <QApplication>
#include <QImage>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSetupDialog>
#include <QPageSize>
#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <algorithm>

namespace velk {

namespace {

// Sheets are drawn for A4 paper with narrow margins: the whole A4 landscape frame
// fits at the print zoom of scale 1.
constexpr double kDefaultMarginMm = 4.0;

std::function<bool()>& printDialogHandler() {
    static std::function<bool()> h;
    return h;
}
std::function<bool()>& setupHandler() {
    static std::function<bool()> h;
    return h;
}
std::function<void(const std::vector<Surface>&)>& previewHandler() {
    static std::function<void(const std::vector<Surface>&)> h;
    return h;
}

// The program's printer lives as long as the program (never destroyed, so that no
// toolkit object outlives the toolkit at exit).
QPrinter& programPrinter() {
    static QPrinter* printer = [] {
        auto* p = new QPrinter(QPrinter::HighResolution);
        p->setPageSize(QPageSize(QPageSize::A4));
        p->setPageMargins(QMarginsF(kDefaultMarginMm, kDefaultMarginMm, kDefaultMarginMm, kDefaultMarginMm),
                          QPageLayout::Millimeter);
        return p;
    }();
    return *printer;
}

// The printable area of the printer's page at the job's resolution.
Rect pageDots(QPrinter& printer) {
    const QRect r = printer.pageLayout().paintRectPixels(kPrintDotsPerInch);
    return {0, 0, std::max(r.width(), 1), std::max(r.height(), 1)};
}

// One page raster and the device context that draws on it, for a whole job.
struct PageRaster {
    Surface surface;
    Dc dc{surface};
    explicit PageRaster(const Rect& area) : surface(area.width(), area.height()) { dc.setClip(surface.bounds()); }
    // A new page: white, and the size the printer now asks for.
    void startPage(const Rect& area) {
        if (surface.width() != area.width() || surface.height() != area.height())
            surface.resize(area.width(), area.height());
        surface.fill(rgb(255, 255, 255));
        dc.setClip(surface.bounds());
        dc.setViewportOrigin(0, 0);
    }
};

void paintPage(PrintClient& client, PrintInfo& info, PageRaster& raster, int page) {
    info.currentPage = page;
    raster.startPage(info.pageArea);
    client.printPage(raster.dc, info);
}

// Every page onto the printer (or the preview's printer). False when it cannot be opened.
bool printPages(PrintClient& client, PrintInfo& info, PageRaster& raster, QPrinter& printer) {
    QPainter painter;
    if (!painter.begin(&printer)) return false;
    for (int page = 1; page <= info.pageCount; ++page) {
        if (page > 1) printer.newPage();
        info.pageArea = pageDots(printer);
        paintPage(client, info, raster, page);
        const Surface& s = raster.surface;
        const QImage image(reinterpret_cast<const uchar*>(s.raw()), s.width(), s.height(), s.width() * 4,
                           QImage::Format_RGB32);
        // The page's own resolution: the raster is stretched over the printable area.
        const QRectF paint = printer.pageLayout().paintRectPixels(printer.resolution());
        painter.drawImage(QRectF(0, 0, paint.width(), paint.height()), image);
    }
    painter.end();
    return true;
}

}  // namespace

bool preparePrintingDefault(PrintInfo& info) {
    if (!qApp) return false;
    QPrinter& printer = programPrinter();
    printer.setPageOrientation(info.landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
    if (info.kind != PrintKind::Print) return true;
    if (printDialogHandler()) return printDialogHandler()();
    QPrintDialog dialog(&printer, QApplication::activeWindow());
    return dialog.exec() == QDialog::Accepted;
}

bool runPrintJob(PrintClient& client, PrintKind kind) {
    if (!qApp) return false;
    QPrinter& printer = programPrinter();
    PrintInfo info;
    info.kind = kind;
    if (!client.preparePrinting(info)) return false;

    info.pageArea = pageDots(printer);
    PageRaster raster(info.pageArea);
    client.beginPrinting(raster.dc, info);
    bool printed = true;
    if (kind == PrintKind::Preview && previewHandler()) {
        std::vector<Surface> pages;
        for (int page = 1; page <= info.pageCount; ++page) {
            paintPage(client, info, raster, page);
            pages.push_back(raster.surface);
        }
        previewHandler()(pages);
    } else if (kind == PrintKind::Preview) {
        // The preview asks for its pages again whenever its page setup changes.
        QPrintPreviewDialog preview(&printer, QApplication::activeWindow());
        QObject::connect(&preview, &QPrintPreviewDialog::paintRequested,
                         [&](QPrinter* target) { printPages(client, info, raster, *target); });
        preview.exec();
    } else {
        printed = printPages(client, info, raster, printer);
    }
    client.endPrinting(raster.dc, info);
    return printed;
}

bool runPrintSetup() {
    if (setupHandler()) return setupHandler()();
    if (!qApp) return false;
    QPageSetupDialog dialog(&programPrinter(), QApplication::activeWindow());
    return dialog.exec() == QDialog::Accepted;
}

void setPrintToFile(const std::string& path) {
    if (!qApp) return;
    QPrinter& printer = programPrinter();
    if (path.empty()) {
        printer.setOutputFileName(QString());
        printer.setOutputFormat(QPrinter::NativeFormat);
    } else {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(QString::fromStdString(path));
    }
}

std::string printToFile() {
    if (!qApp) return std::string();
    const QPrinter& printer = programPrinter();
    if (printer.outputFormat() != QPrinter::PdfFormat) return std::string();
    return printer.outputFileName().toStdString();
}

void setPrintDialogHandler(std::function<bool()> h) { printDialogHandler() = std::move(h); }
void setPrintSetupHandler(std::function<bool()> h) { setupHandler() = std::move(h); }
void setPrintPreviewHandler(std::function<void(const std::vector<Surface>& pages)> h) {
    previewHandler() = std::move(h);
}

}  // namespace velk
