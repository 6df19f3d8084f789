#pragma once
// Drawing units to device pixels: a value times the zoom, truncated toward zero.
// A position read from a damaged sheet must not overflow the conversion, so the
// result is held within a billion pixels either way (far outside any surface).
namespace velk {

constexpr double kDevicePixelLimit = 1.0e9;

inline int truncatedPixels(double v) {
    if (!(v == v)) return 0;  // not a number
    if (v > kDevicePixelLimit) return static_cast<int>(kDevicePixelLimit);
    if (v < -kDevicePixelLimit) return -static_cast<int>(kDevicePixelLimit);
    return static_cast<int>(v);
}

inline int scaledUnits(int units, double zoom) { return truncatedPixels(static_cast<double>(units) * zoom); }

}  // namespace velk
