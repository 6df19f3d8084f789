// Feeds arbitrary bytes to the reader of "config.cfg". Besides not crashing or
// reading past the text, whatever scale the file gives must lead to a print zoom
// the print path can draw.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>

#include "app/VelkarionDoc.h"
#include "model/SheetDocument.h"
#include "model/VelkarionView.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace velk;
    const std::string text(reinterpret_cast<const char*>(data), size);
    SheetDocument doc;
    const bool taken = readConfiguration(text, doc);
    if (taken != (text.compare(0, 9, "Velkarion") == 0)) __builtin_trap();
    if (!taken && doc.m_printScale != 1.0f) __builtin_trap();
    if (!std::isfinite(doc.m_printScale)) __builtin_trap();
    for (int format = 0; format <= 4; ++format) {
        doc.m_pageFormat = format;
        const double zoom = CVelkarionView::PrintZoomFor(doc);
        if (!(zoom >= 0.7 && zoom <= 50.0)) __builtin_trap();
    }
    return 0;
}
