#pragma once
// What the two drive settings dialogs (Editar_var1, Editar_var2) share: the ids
// of the title line and the label rows, and the geometry of their two columns.
#include <cstddef>

#include "dialogs/Exchange.h"
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

// The title, label rows and terminal rows, the same in both dialogs; the
// terminals after the first `main` are the companion slot's.
template <class D, std::size_t N>
void exchangeRecordRows(DataExchange& dx, D& d, const int (&edits)[N], const int (&shownIds)[N]) {
    dx.text(kTitleLine, d.m_title);
    dx.sheetText(kLabelEdit, d.m_label);
    dx.check(kLabelShown, d.m_labelVisible);
    dx.sheetText(kLabel2Edit, d.m_label2);
    dx.check(kLabel2Shown, d.m_label2Visible);
    for (std::size_t k = 0; k < N; ++k) {
        dx.sheetText(edits[k], d.m_terminal[k]);
        dx.check(shownIds[k], d.m_terminalVisible[k]);
    }
}

template <class D>
void readExchangeRecord(D& d, int main) {
    d.m_label = g_exchangeLabel;
    d.m_label2 = g_exchangeLabel2;
    d.m_labelVisible = g_exchangeLabelVisible;
    d.m_label2Visible = g_exchangeLabel2Visible;
    for (int k = 0; k < D::kTerminals; ++k) {
        const auto at = static_cast<std::size_t>(k);
        d.m_terminal[at] = k < main ? g_exchangeTerminal[k] : g_exchangeCompanionTerminal[k - main];
        d.m_terminalVisible[at] = k < main ? g_exchangeTerminalVisible[k] : g_exchangeCompanionTerminalVisible[k - main];
    }
}

template <class D>
void writeExchangeRecord(const D& d, int main) {
    g_exchangeLabel = d.m_label;
    g_exchangeLabel2 = d.m_label2;
    g_exchangeLabelVisible = d.m_labelVisible;
    g_exchangeLabel2Visible = d.m_label2Visible;
    for (int k = 0; k < D::kTerminals; ++k) {
        const auto at = static_cast<std::size_t>(k);
        if (k < main) {
            g_exchangeTerminal[k] = d.m_terminal[at];
            g_exchangeTerminalVisible[k] = d.m_terminalVisible[at];
        } else {
            g_exchangeCompanionTerminal[k - main] = d.m_terminal[at];
            g_exchangeCompanionTerminalVisible[k - main] = d.m_terminalVisible[at];
        }
    }
}

}  // namespace velk::drivedialog
