// Feeds arbitrary bytes to the sheet reader. Besides not crashing, a sheet read
// from any text must write out to a text that reads back complete and to itself,
// unless some text in it holds one of the file's delimiters (only damaged files
// make those). One sheet serves every input, so that runs are quick.
#include <cstddef>
#include <cstdint>
#include <string>

#include "model/SheetDocument.h"
#include "model/VelkarionView.h"
#include "platform/msgbox.h"

namespace {

using namespace velk;

bool holdsDelimiter(const std::string& text) { return text.find_first_of("*#$") != std::string::npos; }

bool textsAreClean(const CVelkarionView& view) {
    for (int i = 0; i < view.m_componentCount; ++i) {
        if (holdsDelimiter(view.m_label[i]) || holdsDelimiter(view.m_label2[i])) return false;
        for (int k = 0; k < kTerminalCount; ++k)
            if (holdsDelimiter(view.m_terminalName[i][k])) return false;
    }
    return true;
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

    // Reads `text` into a cleared sheet; the text written back, or "" when it
    // cannot be expected to read back.
    std::string readAndWrite(const std::string& text, bool& complete) {
        resetDocument();
        // The reader fills the slots it loads; only those of the input before go.
        for (int i = 0; i < view.m_componentCount; ++i) view.clearSlot(i);
        view.m_componentCount = 0;
        view.ReadSheetText(text, "/nonexistent-folder/", &complete);
        if (view.m_componentCount < 0 || view.m_componentCount > kMaxPlacedItems) __builtin_trap();
        if (doc.m_zoom < 1.0 || doc.m_zoom > 20.0 || doc.m_pageFormat < 0 || doc.m_pageFormat > 4) __builtin_trap();
        if (!textsAreClean(view)) return std::string();
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
    const std::string written = reader->readAndWrite(text, complete);
    if (written.empty()) return 0;
    bool again = false;
    if (reader->readAndWrite(written, again) != written || !again) __builtin_trap();
    return 0;
}
