#pragma once
// The configuration dialog (resource 130, "Configuración"): sheet, display and
// print settings of the active document and the program-wide simulation speed,
// passed in and out through the exchange variables below; "Zapisz" also writes
// them into "config.cfg".
#include <optional>

#include "model/ConfigFile.h"
#include "platform/dialog.h"

namespace velk {

constexpr int IDD_CONFIGURACION = 130;

// Filled by the configuration command before the run, read back after OK.
extern int g_cfgPageFormat;
extern int g_cfgShowFrame;
extern int g_cfgReferencesVertical;
extern int g_cfgReferencesVisible;
extern int g_cfgConnectionSymbolsVisible;
extern int g_cfgWireLabelsVisible;
extern int g_cfgAutoJunction;
extern int g_cfgGuideLines;
extern int g_cfgPrintOffsetX;
extern int g_cfgPrintOffsetY;
extern float g_cfgPrintScale;
extern int g_cfgPrintLineWidth;
extern int g_cfgPrintInColor;
extern int g_cfgPageWidth;
extern int g_cfgPageHeight;
extern int g_cfgShowZoneReferences;
extern int g_cfgTitleBlockKind;
// The slider's speed while the dialog is open; OK and "Zapisz" make it the speed.
extern int g_speedSliderPos;

// The exchange variables and the speed as one set of settings, and back.
ConfigSettings exchangeSettings();
void setExchangeSettings(const ConfigSettings& s);

// The view's scroll area for a page format at a zoom (an unknown format is sized
// like format 1): x the width, y the height.
Point configuredScrollSize(int pageFormat, int pageWidth, int pageHeight, double zoom);

class CConfiguracionDlg : public Dialog {
public:
    CConfiguracionDlg();

    void DoDataExchange(DataExchange& dx) override;
    bool OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;
    void OnSave();
    void OnRestoreDefaults();
    void OnHScroll();

    void OnFormatA4Portrait() { selectFormat(0); }
    void OnFormatA4Landscape() { selectFormat(1); }
    void OnFormatA3Format1() { selectFormat(2); }
    void OnFormatA3Format2() { selectFormat(3); }
    void OnFormatUser() { selectFormat(4); }
    void OnRefsVertical() { selectReferences(true); }
    void OnRefsHorizontal() { selectReferences(false); }
    void OnTitleBlockNone() { selectTitleBlock(0); }
    void OnTitleBlockVersion1() { selectTitleBlock(1); }
    void OnTitleBlockVersion2() { selectTitleBlock(2); }
    // The eight check boxes (each toggles itself) and the six numeric edits.
    void OnCheckBox();
    void OnChangeNumber();

    // 0 when the radio is selected, 1 or -1 when not.
    int m_format[5] = {-1, -1, -1, -1, -1};
    int m_refsVertical = -1, m_refsHorizontal = -1;
    int m_titleBlock[3] = {-1, -1, -1};  // "Brak", "Wersja 1", "Wersja 2"
    int m_showFrame = 0, m_showZoneRefs = 0, m_showTerminalRefs = 0, m_showConnectionSymbols = 0,
        m_showWireLabels = 0, m_autoJunction = 0, m_guideLines = 0, m_printInColor = 0;
    int m_printOffsetX = 0, m_printOffsetY = 0, m_printLineWidth = 0, m_widthMm = 0, m_heightMm = 0;
    float m_printScale = 0.0f;

private:
    void selectFormat(int format);
    void selectReferences(bool vertical);
    void selectTitleBlock(int kind);
    // Steps shared by the opening and "Przywróć": the members and the slider from
    // the exchange variables and the speed.
    void fillFromSettings();
    // Steps shared by OK and "Zapisz": false when a value is refused.
    bool applyToSettings();
    int m_speedAtOpen = 0;
    // The user sheet size as stored when the dialog opened. Millimetres do not
    // convert back to the same drawing units, so a size field that still shows
    // what it showed for them keeps them as they are; "Przywróć" drops them, and
    // the A4 sizes it shows are then taken like typed ones.
    std::optional<int> m_keptWidth, m_keptHeight;
};

}  // namespace velk
