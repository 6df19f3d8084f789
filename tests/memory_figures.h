#pragma once
// The process's own memory figures, for tests that hold a bound on what an
// operation may cost: the heap handed out now, and the peak resident size.
#include <cstddef>
#include <cstdint>
#include <fstream>
#include <string>

#if defined(__SANITIZE_ADDRESS__)
#define VELK_TEST_HEAP_FROM_SANITIZER 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define VELK_TEST_HEAP_FROM_SANITIZER 1
#endif
#endif

#ifdef VELK_TEST_HEAP_FROM_SANITIZER
#if __has_include(<sanitizer/allocator_interface.h>)
#include <sanitizer/allocator_interface.h>
#else
// The sanitizer's run-time library has it even where its header is not installed.
extern "C" std::size_t __sanitizer_get_current_allocated_bytes();
#endif
#else
#include <malloc.h>
#endif

namespace velk::memtest {

constexpr std::int64_t kMiB = std::int64_t{1} << 20;

// Bytes of heap in use now: the sanitizer's count when it runs, else the C library's.
inline std::int64_t heapInUse() {
#ifdef VELK_TEST_HEAP_FROM_SANITIZER
    return static_cast<std::int64_t>(__sanitizer_get_current_allocated_bytes());
#else
    const struct mallinfo2 m = mallinfo2();
    return static_cast<std::int64_t>(m.uordblks + m.hblkhd);
#endif
}

// Starts the peak resident size afresh from the present size.
inline void resetPeakResident() {
    std::ofstream out("/proc/self/clear_refs");
    out << "5";
}

// The largest resident size since the last reset, in bytes; -1 when the system
// does not tell.
inline std::int64_t peakResident() {
    std::ifstream in("/proc/self/status");
    std::string line;
    while (std::getline(in, line))
        if (line.rfind("VmHWM:", 0) == 0) return std::stoll(line.substr(6)) * 1024;
    return -1;
}

}  // namespace velk::memtest
