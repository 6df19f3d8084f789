// Pictures of a sheet (items of type 9) and the export of the view as a bitmap.
// A picture item keeps its file's name and rectangle; its bitmap lives in the
// document by slot, and items that name the same file share one bitmap.
#include "model/Pictures.h"

#include <memory>

#include "model/Cdib.h"
#include "model/VelkarionView.h"
#include "model/WholeFile.h"
#include "platform/filedlg.h"
#include "platform/msgbox.h"
#include "platform/text1250.h"

namespace velk {

namespace {

PictureChooser& installedChooser() {
    static PictureChooser chooser;
    return chooser;
}

const std::shared_ptr<const CDIB>* pictureNamed(const SheetDocument& doc, const std::string& name) {
    for (const std::shared_ptr<const CDIB>& p : doc.m_pictures)
        if (p && p->m_fileName == name) return &p;
    return nullptr;
}

}  // namespace

void setPictureChooser(PictureChooser chooser) { installedChooser() = std::move(chooser); }

std::optional<std::string> choosePictureFile() {
    if (installedChooser()) return installedChooser()();
    return runPictureDialog();
}

void CVelkarionView::LoadPictureOfSlot(int slot, const std::string& folder) {
    SheetDocument* doc = GetDocument();
    if (!doc) return;
    ++g_pictureCount;
    const std::string& name = m_paramText[slot];
    if (const auto* loaded = pictureNamed(*doc, name)) {
        doc->m_pictures[slot] = *loaded;
        return;
    }
    // A picture that cannot be read keeps its item, so that saving keeps it too.
    std::string bytes;
    if (!readWholeFile(folder + name, bytes)) {
        messageBox("No se puede abrir el archivo");
        return;
    }
    auto picture = std::make_shared<CDIB>();
    if (!picture->Read(bytes)) {
        messageBox("No se puede leer el archivo");
        return;
    }
    picture->m_fileName = name;
    doc->m_pictures[slot] = std::move(picture);
}

const CDIB* CVelkarionView::PictureOf(int slot) const {
    const SheetDocument* doc = GetDocument();
    if (!doc || m_type[slot] != kTypePicture) return nullptr;
    const std::shared_ptr<const CDIB>& own = doc->m_pictures[slot];
    if (own && own->m_fileName == m_paramText[slot]) return own.get();
    // A copy of a picture item (paste) finds the bitmap of its original.
    const auto* shared = pictureNamed(*doc, m_paramText[slot]);
    return shared ? shared->get() : nullptr;
}

void CVelkarionView::DrawPictureStretched(Dc& dc, int slot, int x, int y, int width, int height) {
    if (const CDIB* picture = PictureOf(slot); picture && !picture->isEmpty()) {
        picture->Stretch(dc, x, y, width, height);
        return;
    }
    // No bitmap: an empty frame shows where the picture belongs.
    const bool marked = isPickedSlot(slot) || m_selected[slot] == 1 || m_floatingBlock == 1;
    const Pen previousPen = dc.selectPen(Pen{PenStyle::Solid, 1, marked ? rgb(255, 0, 0) : rgb(0, 0, 0)});
    const Brush previousBrush = dc.selectBrush(Brush::hollow());
    const Rect box = Rect{x, y, x + width, y + height}.normalized();
    dc.rectangle(box.left, box.top, box.right, box.bottom);
    dc.selectBrush(previousBrush);
    dc.selectPen(previousPen);
}

void CVelkarionView::OnFileImportPicture() {
    SheetDocument* doc = GetDocument();
    if (!doc) return;
    if (m_componentCount < 0 || m_componentCount >= kMaxPlacedItems) {
        // The sheet is full: nothing is added, as Open would not load it back.
        messageBeep();
        return;
    }
    const std::optional<std::string> path = choosePictureFile();
    if (!path) return;
    // The item keeps the name in the sheet file, where "*", "#" and "$" separate
    // the fields: such a name would cut the file short on the next load.
    std::string bytes;
    if (!isSheetText(TextCodec1250::toUtf8(bareFileName(*path))) || !readWholeFile(*path, bytes)) {
        messageBox("No se puede abrir el fichero");
        return;
    }
    auto picture = std::make_shared<CDIB>();
    if (!picture->Read(bytes)) {
        messageBox("No se puede leer el archivo");
        return;
    }
    ++g_pictureCount;
    picture->m_fileName = bareFileName(*path);
    // The picture arrives at the sheet's corner at its natural pixel size.
    const double zoom = doc->m_zoom >= 1.0 ? doc->m_zoom : 1.0;
    const int slot = m_componentCount;
    clearSlot(slot);
    m_componentId[slot] = slot;
    m_type[slot] = kTypePicture;
    m_x2[slot] = static_cast<int>(picture->width() / zoom);
    m_y2[slot] = static_cast<int>(picture->height() / zoom);
    m_paramText[slot] = picture->m_fileName;
    doc->m_pictures[slot] = std::move(picture);
    m_componentCount = slot + 1;
    doc->setModified(true);
    invalidate();
}

FileDialogRequest bitmapFileRequest(bool save) {
    FileDialogRequest request;
    request.save = save;
    request.initialName = "*.bmp";
    request.defaultExt = "bmp";
    request.confirmOverwrite = save;
    return request;
}

void CVelkarionView::OnFileExportPicture() {
    SheetDocument* doc = GetDocument();
    if (!doc) return;
    const std::optional<std::string> path = runFileDialog(bitmapFileRequest(true));
    if (!path) return;
    // Pending painting first, so the file shows what the window shows.
    updateNow();
    if (surface().isNull()) {
        messageBox("Error al crear el mapa de bits");
        return;
    }
    auto picture = std::make_shared<CDIB>(surface());
    doc->m_exportDib = picture;
    if (picture->Write(*path) == WriteResult::OpenFailed) messageBox("El fichero no se puede abrir");
}

}  // namespace velk
