#pragma once
// A sheet view with a window and its document for the edit-command tests: boxes
// recorded, clipboards cleared, items appended slot by slot, and the pick and
// selection set the way the pointer handlers leave them.
#include <initializer_list>
#include <string>
#include <vector>

#include "edit/Clipboard.h"
#include "model/TypeCodes.h"
#include "model/VelkarionView.h"
#include "paint_sheet.h"
#include "platform/clipboard.h"
#include "platform/msgbox.h"

namespace velk::testing {

struct EditSheet : PaintSheet {
    std::vector<std::string> boxes;

    explicit EditSheet(int width = 400, int height = 300) {
        view.resizeClient(width, height);
        view.m_markerX = view.m_markerY = kNoMarker;
        setMessageBoxHandler([this](const BoxRecord& b) {
            boxes.push_back(b.text);
            return BoxAnswer::Ok;
        });
        resetClipboards();
    }
    ~EditSheet() {
        setMessageBoxHandler(nullptr);
        resetClipboards();
    }
    static void resetClipboards() {
        clearClipboard();
        g_clipboardBox.fill(0);
        setClipboardHeldElsewhere(false);
    }

    // A component at (x, y) with a symbol box and a label of its own.
    int addSymbol(int type, int x, int y, Rect box = {-6, -3, 24, 15}, const std::string& label = "-K") {
        const int slot = add(type, x, y);
        view.m_boxX1[slot] = box.left;
        view.m_boxY1[slot] = box.top;
        view.m_boxX2[slot] = box.right;
        view.m_boxY2[slot] = box.bottom;
        view.m_label[slot] = label;
        view.m_labelVisible[slot] = 1;
        return slot;
    }
    // An inverter control and its companion slot; the control's slot.
    int addInverter(int x, int y) {
        const int slot = addSymbol(kTypeInverterControl, x, y, {-6, -3, 60, 60}, "-G");
        view.m_paramText[slot] = "1-0-0-000-200-010-025-050-05-05-00-0";
        const int companion = add(kTypeCompanionSlot, x, y);
        view.m_terminalName[companion][0] = "AO";
        return slot;
    }
    // The item hangs on the pointer, as after a press on it.
    void pick(int slot) {
        g_itemPicked = 1;
        view.m_pickedIndex = slot;
    }
    // A finished band selection of these slots.
    void select(std::initializer_list<int> slots, Rect r) {
        for (int s : slots) view.m_selected[s] = 1;
        g_selectionCount = static_cast<int>(slots.size());
        view.m_selectionValid = 1;
        view.m_selectionRect[0] = r.left;
        view.m_selectionRect[1] = r.top;
        view.m_selectionRect[2] = r.right;
        view.m_selectionRect[3] = r.bottom;
    }
    void scrollTo(int x, int y) {
        view.setScrollSizes(4000, 4000);
        view.scrollTo(x, y);
    }
    bool modified() const { return doc.isModified(); }
    // Runs the paint that is pending, so that what a step invalidates shows alone.
    void settle() { view.runPendingPaint(); }
};

}  // namespace velk::testing
