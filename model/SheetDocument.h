#pragma once
// What a sheet's document holds besides the slot table: display, page, print and
// title-block settings and the zoom. The view reads these through GetDocument().
#include <memory>
#include <optional>
#include <string>

#include "model/Cdib.h"
#include "model/SlotColumns.h"

namespace velk {

constexpr int kTitleTextCount = 10;
constexpr int kTitleRowCount = 7;

// The picture of one item: the name the item had when it was read, the file it
// came from, and its bitmap. A file refused for lack of memory keeps its identity
// with no bitmap, so that its other names are not read again.
struct SlotPicture {
    std::string name;
    std::optional<FileIdentity> file;
    std::shared_ptr<const CDIB> bitmap;
};

struct SheetDocument {
    double m_zoom = 2.0;
    double m_prevZoom = 2.0;
    int m_savedScrollX = 0;
    int m_savedScrollY = 0;
    int m_vThumbTracking = 0;
    int m_hThumbTracking = 0;
    int m_showGrid = 1;
    int m_printSavedGrid = 1;
    int m_pageFormat = 1;
    int m_showFrame = 1;
    int m_titleBlockKind = 2;
    int m_refsVertical = 0;
    int m_showTerminalRefs = 1;
    int m_showConnectionSymbols = 0;
    int m_showWireLabels = 0;
    int m_autoJunction = 1;
    int m_guideLines = 0;
    int m_printSavedGuideLines = 0;
    int m_showZoneRefs = 1;
    int m_pageWidth = 234;
    int m_pageHeight = 333;
    int m_printOffsetX = 0;
    int m_printOffsetY = 0;
    float m_printScale = 1.0f;
    int m_printLineWidth = 2;
    int m_printInColor = 1;
    CheckedArray<std::string, kTitleTextCount> m_titleText;
    CheckedArray<int, kTitleRowCount> m_titleShow;
    CheckedArray<int, kTitleRowCount> m_titleAlign;

    SheetDocument() {
        m_titleShow.fill(1);
        m_titleAlign.fill(1);
    }
    virtual ~SheetDocument() = default;

    // The document's title (file name without folder, or "Velkar1" and so on).
    virtual std::string sheetTitle() const { return std::string(); }
    virtual void setModified(bool modified) { m_modifiedFlag = modified; }
    virtual bool isModified() const { return m_modifiedFlag; }

    // --- pictures and the sheet file (model/SheetFile.cpp, model/Pictures.cpp) ------
    // The bitmap of each picture item, by slot. Items naming the same file share one
    // bitmap; an entry whose name is not the slot's text is stale and unused.
    SlotColumn<SlotPicture> m_pictures;
    // The user has been told that this sheet's pictures pass the memory they may take.
    bool m_pictureBudgetTold = false;
    // A sheet is about to be read into the document: its pictures start afresh.
    void forgetPictures() {
        m_pictures.fill(SlotPicture{});
        m_pictureBudgetTold = false;
    }
    // The bitmap of the last export.
    std::shared_ptr<const CDIB> m_exportDib;
    // The window title after loading or Save As: the file's name without folder.
    virtual void setSheetTitle(const std::string& title) {}
    // Every window of the document paints itself anew.
    virtual void updateAllViews() {}

private:
    bool m_modifiedFlag = false;
};

}  // namespace velk
