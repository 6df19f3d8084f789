// Feeds arbitrary bytes to the sheet reader. Besides not crashing, a sheet read
// from any text must write out to a text that reads back complete, with as many
// items, and to itself: whatever a damaged file leaves in the table, what Save
// writes opens without a word. One sheet serves every input, so that runs are quick.
#include <cstddef>
#include <cstdint>
#include <string>

#include "model/SheetDocument.h"
#include "model/VelkarionView.h"
#include "platform/msgbox.h"

namespace {

using namespace velk;

int itemsOf(const CVelkarionView& view) {
    int items = 0;
    for (int i = 0; i < view.m_componentCount; ++i) items += view.IsSavedSlot(i);
    return items;
}

struct Reader {
    SheetDocument doc;
    CVelkarionView view;
    Reader() {
        view.setDocument(&doc);
        view.clearAllSlots();
    }

    // What the reader sets goes back to a new document's values; building a whole
    // new document per input would cost more than the reading.
    void resetDocument() {
        static const SheetDocument defaults;
        doc.m_zoom = defaults.m_zoom;
        doc.m_pageFormat = defaults.m_pageFormat;
        doc.m_showFrame = defaults.m_showFrame;
        doc.m_showTerminalRefs = defaults.m_showTerminalRefs;
        doc.m_titleBlockKind = defaults.m_titleBlockKind;
        doc.m_refsVertical = defaults.m_refsVertical;
        doc.m_showGrid = defaults.m_showGrid;
        doc.m_showConnectionSymbols = defaults.m_showConnectionSymbols;
        doc.m_showWireLabels = defaults.m_showWireLabels;
        doc.m_pageHeight = defaults.m_pageHeight;
        doc.m_pageWidth = defaults.m_pageWidth;
        doc.m_titleText = defaults.m_titleText;
        doc.m_titleShow = defaults.m_titleShow;
        doc.m_titleAlign = defaults.m_titleAlign;
    }

    // Reads `text` into a cleared sheet; the text written back.
    std::string readAndWrite(const std::string& text, bool& complete, int& items) {
        resetDocument();
        // The reader fills the slots it loads; only those of the input before go.
        for (int i = 0; i < view.m_componentCount; ++i) view.clearSlot(i);
        view.m_componentCount = 0;
        CVelkarionView::SheetTextCheck check;
        view.ReadSheetText(text, "/nonexistent-folder/", &check);
        complete = check.complete;
        if (view.m_componentCount < 0 || view.m_componentCount > kMaxPlacedItems) __builtin_trap();
        if (doc.m_zoom < 1.0 || doc.m_zoom > 20.0 || doc.m_pageFormat < 0 || doc.m_pageFormat > 4) __builtin_trap();
        items = itemsOf(view);
        return view.ComposeSheetText(2);
    }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static Reader* reader = [] {
        setMessageBoxHandler([](const BoxRecord&) { return BoxAnswer::Ok; });
        return new Reader;
    }();
    const std::string text(reinterpret_cast<const char*>(data), size);
    bool complete = false;
    int items = 0;
    const std::string written = reader->readAndWrite(text, complete, items);
    bool again = false;
    int itemsAgain = 0;
    if (reader->readAndWrite(written, again, itemsAgain) != written || !again || itemsAgain != items) __builtin_trap();
    return 0;
}
