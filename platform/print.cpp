// Printing and print preview on the toolkit's printer support.
#include "platform/print.h"
#include "platform/text1250.h"

#include <QAction>
#include <QApplication>
#include <QEvent>
#include <QFileInfo>
#include <QImage>
#include <QLineEdit>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSetupDialog>
#include <QPageSize>
#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QScreen>
#include <QSizeF>
#include <QTimer>
#include <algorithm>
#include <cstdint>

#include "platform/dc_paper.h"

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
std::function<void(const PreviewWindowInfo&)>& previewWindowHandler() {
    static std::function<void(const PreviewWindowInfo&)> h;
    return h;
}
std::string& offeredFile() {
    static std::string name;
    return name;
}

// The toolkit's print dialog fills its file field when it shows, with a name in the
// home folder; the document's own name goes there afterwards.
class OfferFileOnShow : public QObject {
public:
    explicit OfferFileOnShow(const std::string& utf8) : m_fileName(QString::fromStdString(utf8)) {}
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show)
            if (auto* field = watched->findChild<QLineEdit*>(QStringLiteral("filename"))) field->setText(m_fileName);
        return false;
    }

private:
    QString m_fileName;
};

// The preview opens over most of its screen with the page across the window's
// width: at the toolkit's own size and whole-page zoom a sheet's labels are a few
// pixels high.
constexpr double kPreviewScreenShare = 0.9;

void openLarge(QPrintPreviewDialog& preview, QWidget* parent) {
    QScreen* screen = parent ? parent->screen() : QGuiApplication::primaryScreen();
    if (screen) {
        const QRect free = screen->availableGeometry();
        const QSize size(static_cast<int>(free.width() * kPreviewScreenShare),
                         static_cast<int>(free.height() * kPreviewScreenShare));
        preview.resize(size);
        preview.move(free.center() - QPoint(size.width() / 2, size.height() / 2));
    }
    // Through the dialog's own action, so that its tool bar shows the choice.
    if (auto* fitWidth = preview.findChild<QAction*>(QStringLiteral("fitWidthAction")))
        fitWidth->trigger();
    else if (auto* view = preview.findChild<QPrintPreviewWidget*>())
        view->fitToWidth();
}

PreviewWindowInfo previewWindowInfo(QPrintPreviewDialog& preview) {
    PreviewWindowInfo info;
    info.width = preview.width();
    info.height = preview.height();
    if (QScreen* screen = preview.screen()) {
        info.screenWidth = screen->availableGeometry().width();
        info.screenHeight = screen->availableGeometry().height();
    }
    if (auto* view = preview.findChild<QPrintPreviewWidget*>()) {
        info.zoom = view->zoomFactor();
        info.fitsWidth = view->zoomMode() == QPrintPreviewWidget::FitToWidth;
    }
    return info;
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

PrintBackEnd& backEndSetting() {
    static PrintBackEnd backEnd = PrintBackEnd::Paper;
    return backEnd;
}

// One page raster and the device context that draws on it, for a whole job.
struct PageCanvas {
    Surface surface;
    PaperDc dc{surface};
    explicit PageCanvas(const Rect& area) : surface(area.width(), area.height()) { dc.setClip(surface.bounds()); }
    // A new page: white, and the size the printer now asks for.
    void startPage(const Rect& area) {
        if (surface.width() != area.width() || surface.height() != area.height())
            surface.resize(area.width(), area.height());
        surface.fill(rgb(255, 255, 255));
        dc.setClip(surface.bounds());
        dc.setViewportOrigin(0, 0);
    }
};

// Paints one page onto `painter`, whose printable area at its origin is `paper`
// large in the painter's units: the page's dots are stretched over it.
void drawPage(QPainter& painter, const QSizeF& paper, PrintClient& client, PrintInfo& info, PageCanvas& canvas,
              int page) {
    info.currentPage = page;
    canvas.startPage(info.pageArea);
    const Surface& s = canvas.surface;
    painter.save();
    painter.scale(paper.width() / s.width(), paper.height() / s.height());
    if (backEndSetting() == PrintBackEnd::Paper) {
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setRenderHint(QPainter::TextAntialiasing);
        canvas.dc.setPainter(&painter);
        client.printPage(canvas.dc, info);
        canvas.dc.setPainter(nullptr);
    } else {
        client.printPage(canvas.dc, info);
        const QImage image(reinterpret_cast<const uchar*>(s.raw()), s.width(), s.height(), s.width() * 4,
                           QImage::Format_RGB32);
        painter.drawImage(QRectF(0, 0, s.width(), s.height()), image);
    }
    painter.restore();
}

// Every page onto the printer (or the preview's printer). False when it cannot be opened.
bool printPages(PrintClient& client, PrintInfo& info, PageCanvas& canvas, QPrinter& printer) {
    QPainter painter;
    if (!painter.begin(&printer)) return false;
    // Pictures and fills must not pick up compression artefacts.
    painter.setRenderHint(QPainter::LosslessImageRendering);
    for (int page = 1; page <= info.pageCount; ++page) {
        if (page > 1) printer.newPage();
        info.pageArea = pageDots(printer);
        // The page's own resolution: the dots are stretched over the printable area.
        const QRectF paint = printer.pageLayout().paintRectPixels(printer.resolution());
        drawPage(painter, paint.size(), client, info, canvas, page);
    }
    painter.end();
    return true;
}

// Every page drawn at the job's resolution, for a preview without its window.
std::vector<Surface> previewPages(PrintClient& client, PrintInfo& info, PageCanvas& canvas) {
    std::vector<Surface> pages;
    for (int page = 1; page <= info.pageCount; ++page) {
        const Rect& area = info.pageArea;
        QImage image(area.width(), area.height(), QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        drawPage(painter, QSizeF(area.width(), area.height()), client, info, canvas, page);
        painter.end();
        Surface out(area.width(), area.height());
        for (int y = 0; y < area.height(); ++y) {
            const auto* row = reinterpret_cast<const std::uint32_t*>(image.constScanLine(y));
            std::copy(row, row + area.width(), out.raw() + static_cast<std::size_t>(y) * area.width());
        }
        pages.push_back(std::move(out));
    }
    return pages;
}

}  // namespace

bool preparePrintingDefault(PrintInfo& info) {
    if (!qApp) return false;
    QPrinter& printer = programPrinter();
    printer.setPageOrientation(info.landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
    if (info.kind != PrintKind::Print) return true;
    offeredFile() = TextCodec1250::toUtf8(info.fileName);
    // The job's name in the printer's queue.
    if (!info.fileName.empty())
        printer.setDocName(QFileInfo(QString::fromStdString(offeredFile())).completeBaseName());
    if (printDialogHandler()) return printDialogHandler()();
    QPrintDialog dialog(&printer, QApplication::activeWindow());
    OfferFileOnShow offer(offeredFile());
    if (!info.fileName.empty()) dialog.installEventFilter(&offer);
    return dialog.exec() == QDialog::Accepted;
}

std::string offeredPrintFile() { return offeredFile(); }

bool runPrintJob(PrintClient& client, PrintKind kind) {
    if (!qApp) return false;
    QPrinter& printer = programPrinter();
    PrintInfo info;
    info.kind = kind;
    if (!client.preparePrinting(info)) return false;

    info.pageArea = pageDots(printer);
    PageCanvas canvas(info.pageArea);
    client.beginPrinting(canvas.dc, info);
    bool printed = true;
    if (kind == PrintKind::Preview && previewHandler()) {
        previewHandler()(previewPages(client, info, canvas));
    } else if (kind == PrintKind::Preview) {
        // The preview asks for its pages again whenever its page setup changes; being
        // drawn on its own paper, they are sharp at every zoom step.
        QWidget* parent = QApplication::activeWindow();
        QPrintPreviewDialog preview(&printer, parent);
        QObject::connect(&preview, &QPrintPreviewDialog::paintRequested,
                         [&](QPrinter* target) { printPages(client, info, canvas, *target); });
        openLarge(preview, parent);
        if (previewWindowHandler())
            QTimer::singleShot(0, &preview, [&preview] {
                previewWindowHandler()(previewWindowInfo(preview));
                preview.reject();
            });
        preview.exec();
    } else {
        printed = printPages(client, info, canvas, printer);
    }
    client.endPrinting(canvas.dc, info);
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

void setPrintBackEnd(PrintBackEnd backEnd) { backEndSetting() = backEnd; }
PrintBackEnd printBackEnd() { return backEndSetting(); }

void setPrintDialogHandler(std::function<bool()> h) { printDialogHandler() = std::move(h); }
void setPrintSetupHandler(std::function<bool()> h) { setupHandler() = std::move(h); }
void setPrintPreviewHandler(std::function<void(const std::vector<Surface>& pages)> h) {
    previewHandler() = std::move(h);
}
void setPrintPreviewWindowHandler(std::function<void(const PreviewWindowInfo&)> h) {
    previewWindowHandler() = std::move(h);
}

}  // namespace velk
