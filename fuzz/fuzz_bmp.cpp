// Feeds arbitrary bytes to the bitmap decoder. Besides not crashing, every
// accepted bitmap must survive the export's 24-bit form pixel for pixel.
#include <cstddef>
#include <cstdint>
#include <string>

#include "model/Cdib.h"
#include "platform/msgbox.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace velk;
    static const bool quiet = [] {
        setMessageBoxHandler([](const BoxRecord&) { return BoxAnswer::Ok; });
        return true;
    }();
    (void)quiet;
    // Big pictures take the same paths as small ones, only slower: keep the
    // fuzzer's runs quick by leaving out what the reader would decode into more
    // than 65536 pixels, judged by the reader's own look at the headers. Only
    // run-length data can claim that many from an input of fuzzing size; a claim
    // the file does not hold goes on to be refused.
    if (bmpPixelCount(data, size) > (std::int64_t{1} << 16)) return 0;
    CDIB dib;
    if (!dib.Read(std::string(reinterpret_cast<const char*>(data), size))) {
        if (!dib.isEmpty()) __builtin_trap();
        return 0;
    }
    const Surface& image = dib.image();
    if (image.width() < 1 || image.height() < 1 || image.width() > kMaxBmpSide || image.height() > kMaxBmpSide)
        __builtin_trap();
    const std::string again = encodeBmp24(image);
    Surface back;
    int bitCount = 0;
    if (decodeBmp(reinterpret_cast<const unsigned char*>(again.data()), again.size(), back, bitCount) !=
            BmpStatus::Ok ||
        bitCount != 24 || back.width() != image.width() || back.height() != image.height())
        __builtin_trap();
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (back.rawAt(x, y) != image.rawAt(x, y)) __builtin_trap();
    return 0;
}
