#include "model/VelkarionView.h"

namespace velk {

int g_currentTool = 0;
int g_toolSubKind = 0;
int g_itemPicked = 0;
int g_selectionCount = 0;
int g_pictureCount = 0;
const View* g_pickOwner = nullptr;

CVelkarionView::CVelkarionView() {
    // Construction leaves every entry at 0 and every text empty; the defaults come
    // from the initial update. The potential letters start at rest ("0").
}

CVelkarionView::~CVelkarionView() {
    // A closed window owns no pick: the next view to take input starts clean.
    if (g_pickOwner == this) g_pickOwner = nullptr;
}

void CVelkarionView::clearSlot(int i) {
    if (!isSlotIndex(i)) return;
    m_componentId[i] = 0;
    m_type[i] = 0;
    m_label[i].clear();
    m_label2[i].clear();
    m_x[i] = m_y[i] = m_x2[i] = m_y2[i] = 0;
    m_boxX1[i] = m_boxY1[i] = m_boxX2[i] = m_boxY2[i] = 0;
    m_deleted[i] = 0;
    m_color[i] = 0;
    m_orientation[i] = 0;
    m_variant[i] = 0;
    m_labelVisible[i] = 0;
    m_label2Visible[i] = 0;
    for (int k = 0; k < kTerminalCount; ++k) {
        m_terminalLink[i][k] = 0;
        m_terminalName[i][k].clear();
        m_terminalNameVisible[i][k] = 0;
        m_terminalPotential[i][k].clear();
    }
    m_paramText[i].clear();
    m_potential[i].clear();
    m_state[i] = 0;
    m_drawnState[i] = 0;
    m_selected[i] = 0;
    m_coilVoltageSeen[i] = 0;
    m_ladderMemory[i] = 0;
    m_chartBarRecord[i] = -1;
    m_macroExitFlag[i] = 0;
}

void CVelkarionView::blankSlotsFromCount() {
    for (int i = m_componentCount < 0 ? 0 : m_componentCount; i < kSlotCount; ++i) clearSlot(i);
}

void CVelkarionView::clearAllSlots() {
    for (int i = 0; i < kSlotCount; ++i) clearSlot(i);
}

}  // namespace velk
