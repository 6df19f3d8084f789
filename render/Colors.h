#pragma once
// The simulation colours: one fixed set shared by every component routine and the
// wire drawing. They never change while the program runs.
#include "platform/color.h"

namespace velk {

inline constexpr Color g_colorGrey = rgb(128, 128, 128);
inline constexpr Color g_colorSilver = rgb(192, 192, 192);
inline constexpr Color g_colorMaroon = rgb(128, 0, 0);
inline constexpr Color g_colorBlue = rgb(0, 0, 255);
inline constexpr Color g_colorGreen = rgb(0, 128, 0);
inline constexpr Color g_colorRed = rgb(255, 0, 0);
inline constexpr Color g_colorYellow = rgb(255, 255, 0);
inline constexpr Color g_colorWhite = rgb(255, 255, 255);
inline constexpr Color g_colorBlack = rgb(0, 0, 0);

}  // namespace velk
