// Cut, Copy and Paste through the program-wide internal clipboard, Undo and Redo
// of the last slot, and Select All. Copy also puts a picture of the visible sheet
// on the system clipboard. There is no undo history: Undo hides the slot at the
// end of the table and Redo shows it again.
#include "edit/Clipboard.h"

#include <algorithm>

#include "model/TypeCodes.h"
#include "model/VelkarionView.h"
#include "platform/clipboard.h"
#include "platform/msgbox.h"
#include "res/Resource.h"
#include "render/SheetCoords.h"

namespace velk {

CheckedArray<ClipboardEntry, kSlotCount> g_clipboard;
CheckedArray<int, 4> g_clipboardBox;

namespace {

// Pasted items land this many drawing units right of and below the copied ones.
constexpr int kPasteOffset = 15;
// Select All starts its bounding rectangle from these corners.
constexpr int kBoundsStart = 10000;

bool isInverterWithCompanion(const CVelkarionView& v, int i) {
    return v.m_type[i] == kTypeInverterControl && CVelkarionView::isSlotIndex(i + 1) &&
           v.m_type[i + 1] == kTypeCompanionSlot;
}

// Slots whose area on screen is the rectangle of their two corners (free drawing,
// wires, bundles, chart lines); every other item shows its symbol box.
bool isCornerItem(int type) { return isLineKind(type); }

// Select All widens its rectangle by the box of these codes...
bool widensByBox(int t) {
    return (t >= 1000 && t <= 3999) || t == kTypeConnectionDot || t == kTypeBundleEntryLeft ||
           t == kTypeBundleEntryRight || (t >= kTypeTerminalI && t <= kTypeTerminalStrip4) || t > kTypeWireMinus;
}
// ...and by the two points of these.
bool widensByPoints(int t) { return isLineKind(t); }

void storeEntry(const CVelkarionView& v, int slot, ClipboardEntry& e) {
    e.m_componentId = v.m_componentId[slot];
    e.m_type = v.m_type[slot];
    e.m_label = v.m_label[slot];
    e.m_x = v.m_x[slot];
    e.m_y = v.m_y[slot];
    e.m_x2 = v.m_x2[slot];
    e.m_y2 = v.m_y2[slot];
    e.m_boxX1 = v.m_boxX1[slot];
    e.m_boxY1 = v.m_boxY1[slot];
    e.m_boxX2 = v.m_boxX2[slot];
    e.m_boxY2 = v.m_boxY2[slot];
    e.m_deleted = v.m_deleted[slot];
    e.m_color = v.m_color[slot];
    e.m_orientation = v.m_orientation[slot];
    e.m_variant = v.m_variant[slot];
    e.m_labelVisible = v.m_labelVisible[slot];
    e.m_label2Visible = v.m_label2Visible[slot];
    e.m_label2 = v.m_label2[slot];
    e.m_terminalLink[0] = v.m_terminalLink[slot][0];
    e.m_terminalLink[1] = v.m_terminalLink[slot][1];
    for (int k = 0; k < kTerminalCount; ++k) {
        e.m_terminalName[k] = v.m_terminalName[slot][k];
        e.m_terminalNameVisible[k] = v.m_terminalNameVisible[slot][k];
    }
    e.m_paramText = v.m_paramText[slot];
}

// Writes an entry into a slot that starts from rest, so that nothing of an item
// hidden there before (its state, letters or links) survives.
void writeEntry(CVelkarionView& v, const ClipboardEntry& e, int slot) {
    v.clearSlot(slot);
    v.m_controlOutput[slot] = 0;
    v.m_componentId[slot] = slot;
    v.m_type[slot] = e.m_type;
    v.m_label[slot] = e.m_label;
    v.m_x[slot] = e.m_x + kPasteOffset;
    v.m_y[slot] = e.m_y + kPasteOffset;
    v.m_x2[slot] = e.m_x2 + kPasteOffset;
    v.m_y2[slot] = e.m_y2 + kPasteOffset;
    v.m_boxX1[slot] = e.m_boxX1;
    v.m_boxY1[slot] = e.m_boxY1;
    v.m_boxX2[slot] = e.m_boxX2;
    v.m_boxY2[slot] = e.m_boxY2;
    v.m_deleted[slot] = e.m_deleted;
    v.m_color[slot] = e.m_color;
    v.m_orientation[slot] = e.m_orientation;
    v.m_variant[slot] = e.m_variant;
    v.m_labelVisible[slot] = e.m_labelVisible;
    v.m_label2Visible[slot] = e.m_label2Visible;
    v.m_label2[slot] = e.m_label2;
    v.m_terminalLink[slot][0] = e.m_terminalLink[0];
    v.m_terminalLink[slot][1] = e.m_terminalLink[1];
    for (int k = 0; k < kTerminalCount; ++k) {
        v.m_terminalName[slot][k] = e.m_terminalName[k];
        v.m_terminalNameVisible[slot][k] = e.m_terminalNameVisible[k];
    }
    v.m_paramText[slot] = e.m_paramText;
}

// With the select tool, a picked item and no selection, the picked item is what
// Cut and Copy work on.
bool pickedItemIsTheSelection() { return g_currentTool == kTypeNone && g_itemPicked == 1 && g_selectionCount == 0; }

// What Cut and Copy put on the clipboard: the selected items and the picked item
// standing for the selection, below the count and not hidden.
bool isTaken(const CVelkarionView& v, int s) {
    if (v.m_deleted[s] != 0 || v.m_type[s] < 1) return false;
    return v.m_selected[s] == 1 || (pickedItemIsTheSelection() && s == v.m_pickedIndex);
}

// Copies what Cut or Copy takes into the cleared clipboard, each inverter control
// with its companion. The selection and the pick stay as they are.
void copyTaken(const CVelkarionView& v) {
    clearClipboard();
    int n = 0;
    for (int s = 0; s < v.m_componentCount && s < kSlotCount; ++s) {
        if (!isTaken(v, s)) continue;
        storeEntry(v, s, g_clipboard[n++]);
        if (isInverterWithCompanion(v, s)) storeEntry(v, s + 1, g_clipboard[n++]);
        for (int k = 0; k < 4; ++k) g_clipboardBox[k] = v.m_selectionRect[k];
    }
}

// What Cut removes: the picked item standing for the selection, the selected
// items of a selection, or every item after Select All.
bool cutRemoves(const CVelkarionView& v, int i) {
    if (g_currentTool != kTypeNone || !v.isLive(i)) return false;
    if (pickedItemIsTheSelection() && i == v.m_pickedIndex) return true;
    if (v.m_selectionValid == 1 && v.m_selected[i] == 1) return true;
    return v.m_floatingBlock == 1;
}

// Cut runs only when it has something to remove: one that found nothing would
// still have replaced the clipboard with nothing.
bool cutHasWork(const CVelkarionView& v) {
    if (v.m_simulating != 0) return false;
    for (int i = 0; i < v.m_componentCount && i < kSlotCount; ++i)
        if (cutRemoves(v, i)) return true;
    return false;
}

// Hides an item, and an inverter control's companion with it: a companion left
// behind would still be saved.
void hideItem(CVelkarionView& v, int slot) {
    v.m_deleted[slot] = 1;
    if (isInverterWithCompanion(v, slot)) v.m_deleted[slot + 1] = 1;
}

// The client area of one item, as the highlight shows it.
Rect itemArea(const CVelkarionView& v, int i, double z, Point scroll) {
    Rect r;
    if (isCornerItem(v.m_type[i])) {
        r = {scaledUnits(v.m_x[i] - 5, z), scaledUnits(v.m_y[i] - 5, z), scaledUnits(v.m_x2[i] + 5, z),
             scaledUnits(v.m_y2[i] + 5, z)};
    } else {
        r = {scaledUnits(v.m_x[i] + v.m_boxX1[i], z), scaledUnits(v.m_y[i] + v.m_boxY1[i], z),
             scaledUnits(v.m_x[i] + v.m_boxX2[i], z), scaledUnits(v.m_y[i] + v.m_boxY2[i], z)};
    }
    return {r.left - scroll.x, r.top - scroll.y, r.right - scroll.x, r.bottom - scroll.y};
}

// The picture of the visible sheet for the system clipboard; the failure
// message, or nullptr when the picture is on the clipboard.
const char* putVisibleSheetOnClipboard(CVelkarionView& v) {
    const int w = v.clientWidth();
    const int h = v.clientHeight();
    if (w <= 0 || h <= 0) return "Error al crear el mapa de bits";
    Surface picture(w, h);
    const Surface& screen = v.surface();
    if (screen.width() < w || screen.height() < h) return "Error al copiar el mapa de bits";
    {
        Dc memory(picture);
        memory.blit(0, 0, w, h, screen, 0, 0);
    }
    if (!openClipboard()) return "No se puede abrir el portapapeles";
    emptyClipboard();
    setClipboardBitmap(picture);
    closeClipboard();
    return nullptr;
}

// Slots needed to paste the clipboard, and the items among them (an inverter
// control and its companion are one item).
struct PasteSize {
    int slots = 0;
    int items = 0;
};

PasteSize clipboardSize() {
    PasteSize size;
    for (int i = 0; i < kSlotCount; ++i) {
        if (!isClipboardEntryInUse(i)) continue;
        ++size.slots;
        if (g_clipboard[i].m_type != kTypeCompanionSlot) ++size.items;
    }
    return size;
}

void markModified(CVelkarionView& v) {
    if (SheetDocument* doc = v.GetDocument()) doc->setModified(true);
}

}  // namespace

bool isClipboardEntryInUse(int i) {
    const ClipboardEntry& e = g_clipboard[i];
    if (e.m_deleted != 0) return false;
    if (e.m_type >= 1) return true;
    return e.m_type == kTypeCompanionSlot && i > 0 && g_clipboard[i - 1].m_type == kTypeInverterControl &&
           isClipboardEntryInUse(i - 1);
}

void clearClipboard() {
    for (ClipboardEntry& e : g_clipboard) e = ClipboardEntry{};
}

void CVelkarionView::OnEditCopy() {
    claimPickAndSelection();
    // While simulating Copy is there for the picture; what was copied before
    // stays for the next Paste.
    if (m_simulating == 0) copyTaken(*this);

    const CursorShape previous = cursor();
    setCursor(CursorShape::Wait);
    const char* failure = putVisibleSheetOnClipboard(*this);
    setCursor(previous);
    if (failure) messageBox(failure);
}

void CVelkarionView::OnEditCut() {
    claimPickAndSelection();
    SheetDocument* doc = GetDocument();
    if (!doc || !cutHasWork(*this)) return;
    const double z = doc->m_zoom;
    const Point scroll = scrollPosition();

    copyTaken(*this);

    if (pickedItemIsTheSelection()) {
        const int p = m_pickedIndex;
        g_itemPicked = 0;
        hideItem(*this, p);
        invalidateRect(itemArea(*this, p, z, scroll), true);
        doc->setModified(true);
    }

    if (g_currentTool == kTypeNone && m_selectionValid == 1) {
        for (int i = 0; i < kSlotCount; ++i)
            if (isLive(i) && m_selected[i] == 1) hideItem(*this, i);
        // The selection went with its items: what is left is picked and moved alone.
        g_itemPicked = 0;
        g_selectionCount = 0;
        m_rubberBandActive = 0;
        m_selectionValid = 0;
        invalidateRect({scaledUnits(m_selectionRect[0], z) - scroll.x - 10,
                        scaledUnits(m_selectionRect[1], z) - scroll.y - 10,
                        scaledUnits(m_selectionRect[2], z) - scroll.x + 10,
                        scaledUnits(m_selectionRect[3], z) - scroll.y + 10},
                       true);
        doc->setModified(true);
    }

    if (g_currentTool == kTypeNone && m_floatingBlock == 1) {
        for (int i = 0; i < kSlotCount; ++i)
            if (isLive(i)) hideItem(*this, i);
        m_componentCount = 0;
        g_itemPicked = 0;
        g_selectionCount = 0;
        m_floatingBlock = 0;
        invalidate(true);
        doc->setModified(true);
    }
}

void CVelkarionView::OnEditPaste() {
    claimPickAndSelection();
    SheetDocument* doc = GetDocument();
    if (!doc) return;
    const double z = doc->m_zoom;
    const PasteSize size = clipboardSize();
    if (m_componentCount + size.slots > kMaxPlacedItems) {
        // Part of a group would be a different circuit: all or nothing, and never
        // more items than Open loads back.
        messageBeep();
        return;
    }

    // The top left corner of the visible sheet on the grid, in drawing units.
    const Point scroll = scrollPosition();
    const int grid = std::max(1, truncatedPixels(z * 3.0));
    const int sx = truncatedPixels((scroll.x - scroll.x % grid) / z);
    const int sy = truncatedPixels((scroll.y - scroll.y % grid) / z);

    // Paste ends the selection there was and selects only its own new items.
    deselectAll();
    g_selectionCount = 0;
    m_selectionValid = 0;
    m_floatingBlock = 0;
    int first = -1;
    for (int i = 0; i < kSlotCount; ++i) {
        if (!isClipboardEntryInUse(i)) continue;
        const int n = m_componentCount;
        writeEntry(*this, g_clipboard[i], n);
        if (first < 0) first = n;
        m_componentCount = n + 1;
        if (m_type[n] != kTypeCompanionSlot) {
            m_selected[n] = 1;
            ++g_selectionCount;
        }
        m_selectionValid = 1;
    }
    for (int k = 0; k < 4; ++k) m_selectionRect[k] = g_clipboardBox[k] + kPasteOffset;

    if (size.items == 1) {
        // A single item hangs on the pointer, its box's top left corner at the top
        // left of the visible sheet; the next click drops it.
        const int s = first;
        const int w = m_x2[s] - m_x[s];
        const int h = m_y2[s] - m_y[s];
        m_x[s] = sx - m_boxX1[s];
        m_y[s] = sy - m_boxY1[s];
        m_x2[s] = m_x[s] + w;
        m_y2[s] = m_y[s] + h;
        if (isInverterWithCompanion(*this, s)) {
            m_x[s + 1] = m_x[s];
            m_y[s + 1] = m_y[s];
        }
        g_itemPicked = 1;
        m_pickedIndex = s;
        m_rubberBandActive = 0;
        m_selectionValid = 0;
        m_floatingBlock = 0;
        m_pasteSingle = 1;
        m_selected[s] = 0;
    }
    if (size.slots > 0) {
        blankSlotsFromCount();
        doc->setModified(true);
    }
    invalidate(true);
    g_currentTool = kTypeNone;
}

void CVelkarionView::OnEditUndo() {
    claimPickAndSelection();
    if (g_itemPicked != 0) return;
    const int before = m_componentCount;
    m_componentCount = std::max(m_componentCount - 1, 0);
    // The companion goes with its control.
    if (m_componentCount > 0 && m_type[m_componentCount] == kTypeCompanionSlot &&
        isInverterWithCompanion(*this, m_componentCount - 1))
        --m_componentCount;
    hideItem(*this, m_componentCount);
    invalidate(true);
    if (m_componentCount != before) markModified(*this);
}

void CVelkarionView::OnEditRedo() {
    claimPickAndSelection();
    if (g_itemPicked != 0) return;
    const int n = m_componentCount;
    if (n < 0 || n >= kSlotCount || m_deleted[n] != 1) return;
    const int slots = isInverterWithCompanion(*this, n) ? 2 : 1;
    if (n + slots > kMaxPlacedItems) {
        messageBeep();
        return;
    }
    m_deleted[n] = 0;
    if (slots == 2) m_deleted[n + 1] = 0;
    m_componentCount = n + slots;
    invalidate(false);
    markModified(*this);
}

void CVelkarionView::OnEditSelectAllItems() {
    claimPickAndSelection();
    g_currentTool = kTypeNone;
    g_itemPicked = 0;
    m_rubberBandActive = 0;
    m_selectionValid = 0;
    m_floatingBlock = 1;
    g_selectionCount = 0;
    m_pasteSingle = 0;

    for (m_loopIndex = 0; m_loopIndex < kSlotCount; ++m_loopIndex) {
        if (!isLive(m_loopIndex)) continue;
        m_selected[m_loopIndex] = 1;
        ++g_selectionCount;
    }

    int x1 = kBoundsStart, y1 = kBoundsStart, x2 = 0, y2 = 0;
    auto widen = [&](int ax, int ay, int bx, int by) {
        x1 = std::min({x1, ax, bx});
        y1 = std::min({y1, ay, by});
        x2 = std::max({x2, ax, bx});
        y2 = std::max({y2, ay, by});
    };
    for (int i = 0; i < kSlotCount; ++i) {
        if (m_selected[i] != 1 || m_deleted[i] != 0) continue;
        const int t = m_type[i];
        if (widensByBox(t)) widen(m_x[i] + m_boxX1[i], m_y[i] + m_boxY1[i], m_x[i] + m_boxX2[i], m_y[i] + m_boxY2[i]);
        if (widensByPoints(t)) widen(m_x[i], m_y[i], m_x2[i], m_y2[i]);
    }
    m_selectionRect[0] = x1;
    m_selectionRect[1] = y1;
    m_selectionRect[2] = x2;
    m_selectionRect[3] = y2;
    invalidate(true);
}

// --- enabling: editing only while not simulating ----------------------------------------

void CVelkarionView::OnUpdateEditCut(CommandUpdate& cmdUI) {
    claimPickAndSelection();
    cmdUI.enable(cutHasWork(*this));
}
// Copy changes nothing on the sheet, so a picture of a running simulation can be
// taken as well.
void CVelkarionView::OnUpdateEditCopy(CommandUpdate& cmdUI) { cmdUI.enable(true); }
void CVelkarionView::OnUpdateEditPaste(CommandUpdate& cmdUI) { cmdUI.enable(m_simulating == 0); }
void CVelkarionView::OnUpdateEditUndo(CommandUpdate& cmdUI) { cmdUI.enable(m_simulating == 0); }
void CVelkarionView::OnUpdateEditRedo(CommandUpdate& cmdUI) { cmdUI.enable(m_simulating == 0); }
void CVelkarionView::OnUpdateEditSelectAllItems(CommandUpdate& cmdUI) { cmdUI.enable(m_simulating == 0); }

// --- routing --------------------------------------------------------------------------------

namespace {

const CommandEntry<CVelkarionView> kEditCommands[] = {
    {ID_EDIT_CUT, &CVelkarionView::OnEditCut, &CVelkarionView::OnUpdateEditCut},
    {ID_EDIT_COPY, &CVelkarionView::OnEditCopy, &CVelkarionView::OnUpdateEditCopy},
    {ID_EDIT_PASTE, &CVelkarionView::OnEditPaste, &CVelkarionView::OnUpdateEditPaste},
    {ID_EDIT_UNDO, &CVelkarionView::OnEditUndo, &CVelkarionView::OnUpdateEditUndo},
    {ID_EDIT_REDO, &CVelkarionView::OnEditRedo, &CVelkarionView::OnUpdateEditRedo},
    {ID_EDIT_SELECT_ALL_ITEMS, &CVelkarionView::OnEditSelectAllItems, &CVelkarionView::OnUpdateEditSelectAllItems},
    {ID_ROTATE_LEFT, &CVelkarionView::OnRotateLeft, &CVelkarionView::OnUpdateRotateLeft},
    {ID_ROTATE_RIGHT, &CVelkarionView::OnRotateRight, &CVelkarionView::OnUpdateRotateRight},
    {ID_MIRROR_VERTICAL, &CVelkarionView::OnMirrorVertical, &CVelkarionView::OnUpdateMirrorVertical},
    {ID_MIRROR_HORIZONTAL, &CVelkarionView::OnMirrorHorizontal, &CVelkarionView::OnUpdateMirrorHorizontal},
};

}  // namespace

bool CVelkarionView::RunEditCommand(int id) { return runCommandFrom(*this, kEditCommands, id); }

bool CVelkarionView::UpdateEditCommand(int id, CommandUpdate& state) {
    return updateCommandFrom(*this, kEditCommands, id, state);
}

bool CVelkarionView::HasEditCommand(int id) { return tableHasCommand(kEditCommands, id); }

}  // namespace velk
