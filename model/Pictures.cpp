// Pictures of a sheet (items of type 9) and the export of the view as a bitmap.
// A picture item keeps its file's name and rectangle; its bitmap lives in the
// document by slot, and items that name the same file, by any name, share one
// bitmap.
#include "model/Pictures.h"

#include <algorithm>
#include <cstdint>
#include <memory>
#include <unordered_set>

#include "model/Cdib.h"
#include "model/VelkarionView.h"
#include "model/WholeFile.h"
#include "platform/filedlg.h"
#include "platform/msgbox.h"
#include "platform/text1250.h"

namespace velk {

namespace {

// Told once per sheet read, when its pictures pass the memory they may take.
constexpr char kPictureBudgetMessage[] =
    "Insuficiente memoria para el DIB: las demás imágenes se muestran como un marco vacío";

PictureChooser& installedChooser() {
    static PictureChooser chooser;
    return chooser;
}

const SlotPicture* pictureNamed(const SheetDocument& doc, const std::string& name) {
    for (const SlotPicture& p : doc.m_pictures)
        if (p.bitmap && p.name == name) return &p;
    return nullptr;
}

const SlotPicture* pictureOfFile(const SheetDocument& doc, const FileIdentity& file) {
    for (const SlotPicture& p : doc.m_pictures)
        if (p.file == file) return &p;
    return nullptr;
}

// What the document's pictures keep, each shared bitmap once.
struct PictureCost {
    std::int64_t pixels = 0;     // decoded
    std::int64_t fileBytes = 0;  // the files as read
    bool fitsBudget() const { return pixels <= kSheetPicturePixels && fileBytes <= kSheetPictureFileBytes; }
};
PictureCost picturesKept(const SheetDocument& doc) {
    std::unordered_set<const CDIB*> counted;
    PictureCost kept;
    for (const SlotPicture& p : doc.m_pictures) {
        if (!p.bitmap || !counted.insert(p.bitmap.get()).second) continue;
        kept.pixels += std::int64_t{p.bitmap->width()} * p.bitmap->height();
        kept.fileBytes += static_cast<std::int64_t>(p.bitmap->block().size());
    }
    return kept;
}

enum class PictureRead { Loaded, OpenFailed, Unreadable, OverBudget };

// The picture of the file at `path` for an item named `name`. A file the document
// already holds, under any name, is not read again; its bitmap is shared. A file is
// looked at for its size before it is read, and at its headers before it is
// decoded. The bitmap's own failure messages are shown here; the caller's are not.
PictureRead readPicture(const SheetDocument& doc, const std::string& path, const std::string& name,
                        SlotPicture& picture) {
    const std::optional<FileIdentity> file = fileIdentityOf(path);
    if (!file) return PictureRead::OpenFailed;
    if (const SlotPicture* same = pictureOfFile(doc, *file)) {
        picture = {name, file, same->bitmap};
        return same->bitmap ? PictureRead::Loaded : PictureRead::OverBudget;
    }
    std::string bytes;
    switch (readWholeFileUpTo(path, kMaxBmpFileBytes, bytes)) {
        case ReadResult::Ok: break;
        case ReadResult::OpenFailed: return PictureRead::OpenFailed;
        case ReadResult::TooLarge: return PictureRead::Unreadable;
        case ReadResult::NoMemory: messageBox("Insuficiente memoria para el DIB"); return PictureRead::Unreadable;
    }
    PictureCost cost = picturesKept(doc);
    cost.pixels += bmpPixelCount(reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size());
    cost.fileBytes += static_cast<std::int64_t>(bytes.size());
    if (!cost.fitsBudget()) {
        picture = {name, file, nullptr};
        return PictureRead::OverBudget;
    }
    auto bitmap = std::make_shared<CDIB>();
    if (!bitmap->Read(bytes)) return PictureRead::Unreadable;
    bitmap->m_fileName = name;
    picture = {name, file, std::move(bitmap)};
    return PictureRead::Loaded;
}

// An imported picture arrives at the sheet's corner at its natural pixel size. One
// too large for the positions an item may hold is scaled down, keeping its shape,
// until its far corner lies within them: a sheet saved and opened again shows the
// same box.
Point importedCorner(int width, int height, double zoom) {
    if (!(zoom >= 1.0)) zoom = 1.0;
    const double w = width / zoom, h = height / zoom;
    const double scale = std::min(1.0, kMaxCoordinate / std::max(w, h));
    if (scale == 1.0) return {static_cast<int>(w), static_cast<int>(h)};
    // A side that had a unit keeps at least one.
    auto side = [scale](double units) { return units >= 1.0 ? std::max(1, static_cast<int>(units * scale)) : 0; };
    return {side(w), side(h)};
}

// The writer stores bare names only: a picture's file lies beside its sheet.
bool hasFolderPart(const std::string& name) { return name.find_first_of("/\\") != std::string::npos; }

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
    // A picture that cannot be read keeps its item, so that saving keeps it too.
    // A name with folder parts would reach outside the sheet's folder; it is not
    // followed, and the item stays as for a missing file.
    const std::string& name = m_paramText[slot];
    SlotPicture picture;
    const PictureRead read =
        hasFolderPart(name) ? PictureRead::OpenFailed : readPicture(*doc, folder + name, name, picture);
    switch (read) {
        case PictureRead::Loaded: break;
        case PictureRead::OpenFailed: messageBox("No se puede abrir el archivo"); return;
        case PictureRead::Unreadable: messageBox("No se puede leer el archivo"); return;
        case PictureRead::OverBudget:
            if (!doc->m_pictureBudgetTold) {
                doc->m_pictureBudgetTold = true;
                messageBox(cp1250(kPictureBudgetMessage));
            }
            break;
    }
    doc->m_pictures[slot] = std::move(picture);
}

const CDIB* CVelkarionView::PictureOf(int slot) const {
    const SheetDocument* doc = GetDocument();
    if (!doc || m_type[slot] != kTypePicture) return nullptr;
    const SlotPicture& own = doc->m_pictures[slot];
    if (own.bitmap && own.name == m_paramText[slot]) return own.bitmap.get();
    // A copy of a picture item (paste) finds the bitmap of its original.
    const SlotPicture* shared = pictureNamed(*doc, m_paramText[slot]);
    return shared ? shared->bitmap.get() : nullptr;
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
    const std::string name = bareFileName(*path);
    SlotPicture picture;
    const PictureRead read =
        isSheetText(TextCodec1250::toUtf8(name)) ? readPicture(*doc, *path, name, picture) : PictureRead::OpenFailed;
    switch (read) {
        case PictureRead::Loaded: break;
        case PictureRead::OpenFailed: messageBox("No se puede abrir el fichero"); return;
        case PictureRead::OverBudget: messageBox("Insuficiente memoria para el DIB"); [[fallthrough]];
        case PictureRead::Unreadable: messageBox("No se puede leer el archivo"); return;
    }
    ++g_pictureCount;
    const Point corner = importedCorner(picture.bitmap->width(), picture.bitmap->height(), doc->m_zoom);
    const int slot = m_componentCount;
    clearSlot(slot);
    m_componentId[slot] = slot;
    m_type[slot] = kTypePicture;
    m_x2[slot] = corner.x;
    m_y2[slot] = corner.y;
    m_paramText[slot] = name;
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
