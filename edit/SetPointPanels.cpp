// The drive set-point panels opened by a double click while simulating.
#include "dialogs/Exchange.h"
#include "dialogs/Var_con1.h"
#include "dialogs/var_con2.h"
#include "model/DriveParameters.h"
#include "model/TypeCodes.h"
#include "model/VelkarionView.h"

namespace velk {

void CVelkarionView::OpenSetPointPanels(Point sheet) {
    SheetDocument* doc = GetDocument();
    if (!doc || doc->m_zoom <= 0) return;
    const double qx = sheet.x / doc->m_zoom;
    const double qy = sheet.y / doc->m_zoom;
    // Every block under the point opens its panel in turn: the last of a kind stays.
    for (int i = 0; i < m_componentCount; ++i) {
        if (!isLive(i) || !symbolAreaContains(i, qx, qy)) continue;
        const std::string& text = m_paramText[i];
        if (m_type[i] == kTypeInverterControl) {
            const InverterParameters p = readInverterParameters(text);
            g_inverterMinFrequency = static_cast<float>(p.minFrequency);
            g_inverterMaxFrequency = static_cast<float>(p.maxFrequency);
            g_inverterPanelMin = g_inverterMinFrequency;
            g_inverterPanelMax = g_inverterMaxFrequency;
            g_exchangeLabel = m_label[i];
            openInverterPanel();
        } else if (m_type[i] == kTypeDcRegulatorControl) {
            const DcRegulatorParameters p = readDcRegulatorParameters(text);
            g_regulatorMinVoltage = static_cast<float>(p.minVoltage);
            g_regulatorMaxVoltage = static_cast<float>(p.maxVoltage);
            g_regulatorPanelMin = g_regulatorMinVoltage;
            g_regulatorPanelMax = g_regulatorMaxVoltage;
            g_exchangeLabel = m_label[i];
            openRegulatorPanel();
        }
    }
}

void CVelkarionView::CloseInverterPanel() { closeInverterPanel(); }

}  // namespace velk
