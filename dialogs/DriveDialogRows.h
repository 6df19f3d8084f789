#pragma once
// What the two drive settings dialogs (Editar_var1, Editar_var2) share: the ids
// of the title line and the label rows, and the geometry of their two columns.
#include "platform/dialog.h"

namespace velk::drivedialog {

constexpr int kTitleLine = 1055;
constexpr int kLabelEdit = 1043;
constexpr int kLabelShown = 1053;
constexpr int kLabel2Edit = 1044;
constexpr int kLabel2Shown = 1054;
constexpr int kLabelLimit = 5;
constexpr int kTerminalLimit = 2;

// Left column: the title line, then label, function and the terminal rows.
constexpr DialogBox kTitleBox = {7, 7, 115, 12};
constexpr DialogBox kShownHeader = {86, 24, 38, 8};
constexpr int rowY(int row) { return 34 + 14 * row; }
constexpr DialogBox caption(int row) { return {7, rowY(row) + 2, 48, 8}; }
constexpr DialogBox field(int row, int width) { return {56, rowY(row), width, 12}; }
constexpr DialogBox shown(int row) { return {104, rowY(row) + 1, 12, 10}; }

// Right column: group boxes, each row a prompt on the left and a number on the right.
constexpr int kGroupX = 126;
constexpr int kGroupWidth = 210;
constexpr DialogBox group(int y, int height) { return {kGroupX, y, kGroupWidth, height}; }
constexpr DialogBox prompt(int y) { return {kGroupX + 6, y + 2, 172, 8}; }
constexpr DialogBox number(int y) { return {kGroupX + 180, y, 24, 12}; }

}  // namespace velk::drivedialog
