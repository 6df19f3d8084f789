// Window > New window: the new window's view starts as a copy of the active
// window's sheet. Each view keeps its own slot table, so the copy is taken whole;
// zoom, page and title block live in the document they share.
#include "model/VelkarionView.h"

namespace velk {

void CVelkarionView::CopySheetOf(const CVelkarionView& original) {
    // The persistent columns, with whatever Undo hid above the count, so Redo
    // works in the copy as it would in the original.
    m_componentId = original.m_componentId;
    m_type = original.m_type;
    m_label = original.m_label;
    m_x = original.m_x;
    m_y = original.m_y;
    m_x2 = original.m_x2;
    m_y2 = original.m_y2;
    m_boxX1 = original.m_boxX1;
    m_boxY1 = original.m_boxY1;
    m_boxX2 = original.m_boxX2;
    m_boxY2 = original.m_boxY2;
    m_deleted = original.m_deleted;
    m_color = original.m_color;
    m_orientation = original.m_orientation;
    m_variant = original.m_variant;
    m_labelVisible = original.m_labelVisible;
    m_label2Visible = original.m_label2Visible;
    m_label2 = original.m_label2;
    m_terminalLink = original.m_terminalLink;
    m_terminalName = original.m_terminalName;
    m_terminalNameVisible = original.m_terminalNameVisible;
    m_paramText = original.m_paramText;
    m_controlOutput = original.m_controlOutput;
    m_componentCount = original.m_componentCount;
    m_netCounter = original.m_netCounter;
    m_bundleCounter = original.m_bundleCounter;
    m_filePath = original.m_filePath;
    m_openedFolder = original.m_openedFolder;
    // The copy starts in edit mode: no run-time state comes along.
    for (int i = 0; i < kSlotCount; ++i) {
        m_potential[i].clear();
        m_state[i] = 0;
        m_drawnState[i] = 0;
        m_selected[i] = 0;
        for (int k = 0; k < kTerminalCount; ++k) m_terminalPotential[i][k].clear();
    }
    const Point scroll = original.scrollPosition();
    scrollTo(scroll.x, scroll.y);
    invalidate(true);
}

void CVelkarionView::onNewWindowOf(View& original) {
    if (const auto* sheet = dynamic_cast<const CVelkarionView*>(&original)) CopySheetOf(*sheet);
}

}  // namespace velk
