#pragma once
// The internal clipboard: one for the whole program run, shared by every open
// sheet. Cut and Copy replace it as a whole; Paste does not consume it.
#include <string>

#include "model/SlotColumns.h"
#include "platform/color.h"

namespace velk {

class CVelkarionView;

// The persistent columns of one slot, as Cut and Copy hold them. Run-time columns
// (states, letters, the links beyond the two saved ones) are not kept.
struct ClipboardEntry {
    int m_componentId = 0;
    int m_type = 0;
    std::string m_label;
    int m_x = 0, m_y = 0;
    int m_x2 = 0, m_y2 = 0;
    int m_boxX1 = 0, m_boxY1 = 0, m_boxX2 = 0, m_boxY2 = 0;
    int m_deleted = 0;
    Color m_color = 0;
    int m_orientation = 0;
    int m_variant = 0;
    int m_labelVisible = 0;
    int m_label2Visible = 0;
    std::string m_label2;
    CheckedArray<int, 2> m_terminalLink;  // entries 0 and 1: line corner, net and bundle numbers
    TerminalRow<std::string> m_terminalName;
    TerminalRow<int> m_terminalNameVisible;
    std::string m_paramText;
};

// Entries are filled from 0 upward in slot order; a cleared entry is all 0 and "".
extern CheckedArray<ClipboardEntry, kSlotCount> g_clipboard;
// The selection rectangle (drawing units) of the last Cut or Copy that copied
// something.
extern CheckedArray<int, 4> g_clipboardBox;

// Whether entry i is pasted: a live item, or the companion right after a pasted
// inverter control.
bool isClipboardEntryInUse(int i);
// Every entry back to the cleared state (g_clipboardBox is kept).
void clearClipboard();

}  // namespace velk
