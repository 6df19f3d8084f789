// The configuration dialog and the command that runs it.
#include "dialogs/Configuracion.h"

#include <algorithm>
#include <cstdio>

#include "app/VelkarionDoc.h"
#include "model/VelkarionView.h"
#include "model/WholeFile.h"
#include "platform/msgbox.h"
#include "platform/text1250.h"
#include "render/Clock.h"

namespace velk {

int g_cfgPageFormat = 1;
int g_cfgShowFrame = 1;
int g_cfgReferencesVertical = 0;
int g_cfgReferencesVisible = 1;
int g_cfgConnectionSymbolsVisible = 0;
int g_cfgWireLabelsVisible = 0;
int g_cfgAutoJunction = 1;
int g_cfgGuideLines = 0;
int g_cfgPrintOffsetX = 0;
int g_cfgPrintOffsetY = 0;
float g_cfgPrintScale = 1.0f;
int g_cfgPrintLineWidth = 2;
int g_cfgPrintInColor = 1;
int g_cfgPageWidth = 0;
int g_cfgPageHeight = 0;
int g_cfgShowZoneReferences = 1;
int g_cfgTitleBlockKind = 2;
int g_speedSliderPos = 50;

namespace {

constexpr int kFormatRadios[5] = {1000, 1001, 1002, 1003, 1016};
constexpr int kTitleBlockRadios[3] = {1018, 1017, 1019};
constexpr int kRefsVertical = 1006, kRefsHorizontal = 1007;
constexpr int kHeightMm = 1058, kWidthMm = 1059;
constexpr int kOffsetX = 1055, kOffsetY = 1056, kScale = 1014, kLineWidth = 1015;
constexpr int kShowFrame = 1004, kShowZoneRefs = 1013, kShowTerminalRefs = 1009, kShowConnectionSymbols = 1011,
              kShowWireLabels = 1020, kAutoJunction = 1010, kGuideLines = 1012, kPrintInColor = 1008;
constexpr int kSpeedSlider = 1081;
constexpr int kSave = 1101, kRestore = 1102;
constexpr int kSpeedPage = 10;

// One format row: its radio, its text and the fixed sizes it shows (height, width).
constexpr int formatY(int f) { return 29 + 14 * f; }
constexpr DialogBox formatRadio(int f) { return {14, formatY(f), 80, 10}; }
constexpr DialogBox heightCell(int f, int dy = 1) { return {110, formatY(f) + dy, 38, dy == 1 ? 8 : 12}; }
constexpr DialogBox widthCell(int f, int dy = 1) { return {158, formatY(f) + dy, 38, dy == 1 ? 8 : 12}; }
constexpr int printY(int r) { return 20 + 14 * r; }
constexpr int sheetCheckY(int r) { return 150 + 12 * r; }

constexpr ControlRow kControls[] = {
    groupBox("Format", {7, 4, 200, 101}),
    staticText("Wysokość", {110, 16, 40, 8}),
    staticText("Szerokość", {158, 16, 40, 8}),
    radio(1000, "A4 Pionowo", formatRadio(0)),
    staticText("297 mm", heightCell(0)),
    staticText("210 mm", widthCell(0)),
    radio(1001, "A4 Poziomo", formatRadio(1)),
    staticText("210 mm", heightCell(1)),
    staticText("297 mm", widthCell(1)),
    radio(1002, "A3 Format 1", formatRadio(2)),
    staticText("297 mm", heightCell(2)),
    staticText("420 mm", widthCell(2)),
    radio(1003, "A3 Format 2", formatRadio(3)),
    staticText("297 mm", heightCell(3)),
    staticText("420 mm", widthCell(3)),
    radio(1016, "Użytkownika", formatRadio(4)),
    intEdit(kHeightMm, kPageMmMin, kPageMmMax, heightCell(4, -1)),
    intEdit(kWidthMm, kPageMmMin, kPageMmMax, widthCell(4, -1)),

    groupBox("Opcje formatu", {7, 108, 200, 27}),
    checkBox(kShowFrame, "Ramka", {14, 120, 70, 10}),
    checkBox(kShowZoneRefs, "Referencje", {100, 120, 80, 10}),

    groupBox("Tabelka", {7, 138, 200, 27}),
    radio(1018, "Brak", {14, 150, 50, 10}),
    radio(1017, "Wersja 1", {70, 150, 55, 10}),
    radio(1019, "Wersja 2", {131, 150, 55, 10}),

    groupBox("Szybkość symulacji", {7, 168, 200, 64}),
    staticText("Mín", {14, 193, 18, 8}),
    trackbar(kSpeedSlider, kSimSpeedMin, kSimSpeedMax, {34, 184, 142, 26}),
    staticText("Máx", {180, 193, 20, 8}),

    groupBox("Opcje wydruku", {214, 4, 194, 95}),
    staticText("Przesunięcie X ( 0...100)", {221, printY(0) + 2, 110, 8}),
    intEdit(kOffsetX, kPrintOffsetMin, kPrintOffsetMax, {340, printY(0), 40, 12}),
    staticText("Przesunięcie  Y (0...100)", {221, printY(1) + 2, 110, 8}),
    intEdit(kOffsetY, kPrintOffsetMin, kPrintOffsetMax, {340, printY(1), 40, 12}),
    staticText("Skala (0.1...5)", {221, printY(2) + 2, 110, 8}),
    floatEdit(kScale, kPrintScaleMin, kPrintScaleMax, {340, printY(2), 40, 12}),
    staticText("Grubość lini (1...5)", {221, printY(3) + 2, 110, 8}),
    intEdit(kLineWidth, kPrintLineWidthMin, kPrintLineWidthMax, {340, printY(3), 40, 12}),
    checkBox(kPrintInColor, "Druk w kolorze", {221, printY(4) + 2, 110, 10}),

    groupBox("Opcje arkusza", {214, 102, 194, 112}),
    groupBox("Orientacja", {221, 112, 180, 32}),
    staticText("referencji", {228, 126, 44, 8}),
    radio(kRefsVertical, "Pionowo", {280, 125, 55, 10}),
    radio(kRefsHorizontal, "Poziomo", {340, 125, 55, 10}),
    checkBox(kShowTerminalRefs, "Widoczne referencje", {221, sheetCheckY(0), 180, 10}),
    checkBox(kShowConnectionSymbols, "Widoczne symbole połączeń", {221, sheetCheckY(1), 180, 10}),
    checkBox(kShowWireLabels, "Widoczne oznaczenie kabli", {221, sheetCheckY(2), 180, 10}),
    checkBox(kAutoJunction, "Automatyczne podłączanie kabli", {221, sheetCheckY(3), 180, 10}),
    checkBox(kGuideLines, "Kursor jako linie", {221, sheetCheckY(4), 180, 10}),

    pushButton(IDOK, "OK", {214, 219, 45, 14}, kDefaultButton),
    pushButton(IDCANCEL, "Anuluj", {263, 219, 45, 14}),
    pushButton(kSave, "Zapisz", {312, 219, 45, 14}),
    pushButton(kRestore, "Przywróć", {361, 219, 47, 14}),
};

constexpr DialogTemplate kConfiguracion = dialogTemplate(IDD_CONFIGURACION, "Configuración", 415, 239, kControls);

// Written whole, so that no tail of a longer old line stays behind and a failed
// write leaves the old settings; a link named config.cfg stays a link.
bool writeSettingsFile(const std::string& line) {
    return writeWholeFile(kConfigFileName, line) == WriteResult::Ok;
}

// The stored side a size field keeps while it is left alone. A side below one
// millimetre (0, the settings' own default, among them) shows the A4 side rather
// than itself, so OK takes what the field shows, as if it had been typed.
std::optional<int> keptSide(int units, double showDivisor) {
    if (static_cast<int>(units / showDivisor) == 0) return std::nullopt;
    return units;
}

// A user sheet side from its field: the stored side itself while the field shows
// the millimetres it was opened with, else the millimetres converted.
int sideFromField(int mm, const std::optional<int>& kept, int (*toMm)(int), int (*toUnits)(int)) {
    return kept && toMm(*kept) == mm ? *kept : toUnits(mm);
}

}  // namespace

ConfigSettings exchangeSettings() {
    ConfigSettings s;
    s.pageFormat = g_cfgPageFormat;
    s.showFrame = g_cfgShowFrame;
    s.refsVertical = g_cfgReferencesVertical;
    s.showTerminalRefs = g_cfgReferencesVisible;
    s.showConnectionSymbols = g_cfgConnectionSymbolsVisible;
    s.showWireLabels = g_cfgWireLabelsVisible;
    s.autoJunction = g_cfgAutoJunction;
    s.guideLines = g_cfgGuideLines;
    s.printOffsetX = g_cfgPrintOffsetX;
    s.printOffsetY = g_cfgPrintOffsetY;
    s.printScale = g_cfgPrintScale;
    s.printLineWidth = g_cfgPrintLineWidth;
    s.printInColor = g_cfgPrintInColor;
    s.pageWidth = g_cfgPageWidth;
    s.pageHeight = g_cfgPageHeight;
    s.showZoneRefs = g_cfgShowZoneReferences;
    s.titleBlockKind = g_cfgTitleBlockKind;
    s.simSpeed = g_simSpeed;
    return s;
}

void setExchangeSettings(const ConfigSettings& s) {
    g_cfgPageFormat = s.pageFormat;
    g_cfgShowFrame = s.showFrame;
    g_cfgReferencesVertical = s.refsVertical;
    g_cfgReferencesVisible = s.showTerminalRefs;
    g_cfgConnectionSymbolsVisible = s.showConnectionSymbols;
    g_cfgWireLabelsVisible = s.showWireLabels;
    g_cfgAutoJunction = s.autoJunction;
    g_cfgGuideLines = s.guideLines;
    g_cfgPrintOffsetX = s.printOffsetX;
    g_cfgPrintOffsetY = s.printOffsetY;
    g_cfgPrintScale = s.printScale;
    g_cfgPrintLineWidth = s.printLineWidth;
    g_cfgPrintInColor = s.printInColor;
    g_cfgPageWidth = s.pageWidth;
    g_cfgPageHeight = s.pageHeight;
    g_cfgShowZoneReferences = s.showZoneRefs;
    g_cfgTitleBlockKind = s.titleBlockKind;
}

Point configuredScrollSize(int pageFormat, int pageWidth, int pageHeight, double zoom) {
    int width = 337, height = 237;  // format 1, and any format a file could hold that we do not know
    if (pageFormat == 0) width = 237, height = 337;
    if (pageFormat == 2 || pageFormat == 3) width = 470, height = 334;
    if (pageFormat == 4) {
        return {static_cast<int>(pageWidth * zoom), static_cast<int>(pageHeight * zoom)};
    }
    return {static_cast<int>(width * zoom), static_cast<int>(height * zoom)};
}

CConfiguracionDlg::CConfiguracionDlg() : Dialog(kConfiguracion) {
    static const HandlerRow<CConfiguracionDlg> kHandlers[] = {
        {1000, Notify::Clicked, &CConfiguracionDlg::OnFormatA4Portrait},
        {1001, Notify::Clicked, &CConfiguracionDlg::OnFormatA4Landscape},
        {1002, Notify::Clicked, &CConfiguracionDlg::OnFormatA3Format1},
        {1003, Notify::Clicked, &CConfiguracionDlg::OnFormatA3Format2},
        {1016, Notify::Clicked, &CConfiguracionDlg::OnFormatUser},
        {kRefsVertical, Notify::Clicked, &CConfiguracionDlg::OnRefsVertical},
        {kRefsHorizontal, Notify::Clicked, &CConfiguracionDlg::OnRefsHorizontal},
        {1018, Notify::Clicked, &CConfiguracionDlg::OnTitleBlockNone},
        {1017, Notify::Clicked, &CConfiguracionDlg::OnTitleBlockVersion1},
        {1019, Notify::Clicked, &CConfiguracionDlg::OnTitleBlockVersion2},
        {kShowFrame, Notify::Clicked, &CConfiguracionDlg::OnCheckBox},
        {kShowZoneRefs, Notify::Clicked, &CConfiguracionDlg::OnCheckBox},
        {kShowTerminalRefs, Notify::Clicked, &CConfiguracionDlg::OnCheckBox},
        {kShowConnectionSymbols, Notify::Clicked, &CConfiguracionDlg::OnCheckBox},
        {kShowWireLabels, Notify::Clicked, &CConfiguracionDlg::OnCheckBox},
        {kAutoJunction, Notify::Clicked, &CConfiguracionDlg::OnCheckBox},
        {kGuideLines, Notify::Clicked, &CConfiguracionDlg::OnCheckBox},
        {kPrintInColor, Notify::Clicked, &CConfiguracionDlg::OnCheckBox},
        {kOffsetX, Notify::Changed, &CConfiguracionDlg::OnChangeNumber},
        {kOffsetY, Notify::Changed, &CConfiguracionDlg::OnChangeNumber},
        {kScale, Notify::Changed, &CConfiguracionDlg::OnChangeNumber},
        {kLineWidth, Notify::Changed, &CConfiguracionDlg::OnChangeNumber},
        {kWidthMm, Notify::Changed, &CConfiguracionDlg::OnChangeNumber},
        {kHeightMm, Notify::Changed, &CConfiguracionDlg::OnChangeNumber},
        {kSave, Notify::Clicked, &CConfiguracionDlg::OnSave},
        {kRestore, Notify::Clicked, &CConfiguracionDlg::OnRestoreDefaults},
        {kSpeedSlider, Notify::Scrolled, &CConfiguracionDlg::OnHScroll},
    };
    addHandlers(this, kHandlers);
}

void CConfiguracionDlg::DoDataExchange(DataExchange& dx) {
    for (int f = 0; f < 5; ++f) dx.radio(kFormatRadios[f], m_format[f]);
    dx.integer(kHeightMm, m_heightMm);
    dx.integer(kWidthMm, m_widthMm);
    dx.check(kShowFrame, m_showFrame);
    dx.check(kShowZoneRefs, m_showZoneRefs);
    for (int t = 0; t < 3; ++t) dx.radio(kTitleBlockRadios[t], m_titleBlock[t]);
    dx.integer(kOffsetX, m_printOffsetX);
    dx.integer(kOffsetY, m_printOffsetY);
    dx.number(kScale, m_printScale);
    dx.integer(kLineWidth, m_printLineWidth);
    dx.check(kPrintInColor, m_printInColor);
    dx.radio(kRefsVertical, m_refsVertical);
    dx.radio(kRefsHorizontal, m_refsHorizontal);
    dx.check(kShowTerminalRefs, m_showTerminalRefs);
    dx.check(kShowConnectionSymbols, m_showConnectionSymbols);
    dx.check(kShowWireLabels, m_showWireLabels);
    dx.check(kAutoJunction, m_autoJunction);
    dx.check(kGuideLines, m_guideLines);
}

void CConfiguracionDlg::fillFromSettings() {
    for (int f = 0; f < 5; ++f) m_format[f] = f == g_cfgPageFormat ? 0 : 1;
    m_showFrame = g_cfgShowFrame;
    m_refsVertical = g_cfgReferencesVertical == 1 ? 0 : 1;
    m_refsHorizontal = g_cfgReferencesVertical == 0 ? 0 : 1;
    m_showTerminalRefs = g_cfgReferencesVisible;
    m_showConnectionSymbols = g_cfgConnectionSymbolsVisible;
    m_showWireLabels = g_cfgWireLabelsVisible;
    m_autoJunction = g_cfgAutoJunction;
    m_guideLines = g_cfgGuideLines;
    m_printInColor = g_cfgPrintInColor;
    m_showZoneRefs = g_cfgShowZoneReferences;
    m_printOffsetX = g_cfgPrintOffsetX;
    m_printOffsetY = g_cfgPrintOffsetY;
    m_printScale = g_cfgPrintScale;
    m_printLineWidth = g_cfgPrintLineWidth;
    m_widthMm = pageWidthToMm(g_cfgPageWidth);
    m_heightMm = pageHeightToMm(g_cfgPageHeight);
    for (int t = 0; t < 3; ++t) m_titleBlock[t] = t == g_cfgTitleBlockKind ? 0 : -1;
    g_speedSliderPos = g_simSpeed;
    setRange(kSpeedSlider, kSimSpeedMin, kSimSpeedMax);
    setPosition(kSpeedSlider, g_speedSliderPos);
    setPageSize(kSpeedSlider, kSpeedPage);
    setTickFrequency(kSpeedSlider, 10);
    showValues();
}

bool CConfiguracionDlg::OnInitDialog() {
    m_speedAtOpen = g_simSpeed;
    m_keptWidth = keptSide(g_cfgPageWidth, kWidthShowDivisor);
    m_keptHeight = keptSide(g_cfgPageHeight, kHeightShowDivisor);
    fillFromSettings();
    return true;
}

bool CConfiguracionDlg::applyToSettings() {
    if (!takeValues()) return false;
    // With no radio selected a set keeps its setting.
    for (int f = 0; f < 5; ++f)
        if (m_format[f] == 0) g_cfgPageFormat = f;
    auto flag = [](int member) { return member == 1 ? 1 : 0; };
    g_cfgShowFrame = flag(m_showFrame);
    g_cfgReferencesVisible = flag(m_showTerminalRefs);
    g_cfgConnectionSymbolsVisible = flag(m_showConnectionSymbols);
    g_cfgWireLabelsVisible = flag(m_showWireLabels);
    g_cfgAutoJunction = flag(m_autoJunction);
    g_cfgGuideLines = flag(m_guideLines);
    g_cfgReferencesVertical = m_refsVertical == 0 ? 1 : 0;
    g_cfgPrintOffsetX = m_printOffsetX;
    g_cfgPrintOffsetY = m_printOffsetY;
    g_cfgPrintScale = m_printScale;
    g_cfgPrintLineWidth = m_printLineWidth;
    g_cfgPrintInColor = m_printInColor;
    g_cfgShowZoneReferences = m_showZoneRefs;
    g_cfgPageWidth = sideFromField(m_widthMm, m_keptWidth, pageWidthToMm, mmToPageWidth);
    g_cfgPageHeight = sideFromField(m_heightMm, m_keptHeight, pageHeightToMm, mmToPageHeight);
    for (int t = 0; t < 3; ++t)
        if (m_titleBlock[t] == 0) g_cfgTitleBlockKind = t;
    g_simSpeed = g_speedSliderPos;
    return true;
}

void CConfiguracionDlg::OnOK() {
    if (!applyToSettings()) return;
    endDialog(DialogResult::Ok);
}

void CConfiguracionDlg::OnCancel() {
    // "Przywróć" and a failed "Zapisz" may have changed the speed already.
    g_simSpeed = m_speedAtOpen;
    Dialog::OnCancel();
}

void CConfiguracionDlg::OnSave() {
    if (!applyToSettings()) return;
    if (!writeSettingsFile(formatConfigLine(exchangeSettings()))) {
        messageBox(cp1250("No se puede guardar la configuración del programa"));
        return;
    }
    endDialog(DialogResult::Ok);
}

void CConfiguracionDlg::OnRestoreDefaults() {
    setExchangeSettings(ConfigSettings{});
    g_simSpeed = ConfigSettings{}.simSpeed;
    m_keptWidth.reset();
    m_keptHeight.reset();
    fillFromSettings();
}

void CConfiguracionDlg::OnHScroll() {
    switch (scrollCode()) {
        case kScrollThumbPosition: g_speedSliderPos = scrollPosition(); break;
        case kScrollPageDown: g_speedSliderPos = std::min(g_speedSliderPos + kSpeedPage, kSimSpeedMax); break;
        case kScrollPageUp: g_speedSliderPos = std::max(g_speedSliderPos - kSpeedPage, kSimSpeedMin); break;
        default: break;  // line steps, tracking, Home and End move the thumb only
    }
}

void CConfiguracionDlg::OnCheckBox() {
    // The box has toggled itself: taking it toggles its flag, and what was typed stays.
    takeValuesQuietly();
    showValues();
}

void CConfiguracionDlg::OnChangeNumber() { takeValuesQuietly(); }

void CConfiguracionDlg::selectFormat(int format) {
    takeValuesQuietly();
    for (int f = 0; f < 5; ++f) m_format[f] = f == format ? 0 : 1;
    showValues();
}

void CConfiguracionDlg::selectReferences(bool vertical) {
    takeValuesQuietly();
    m_refsVertical = vertical ? 0 : 1;
    m_refsHorizontal = vertical ? 1 : 0;
    showValues();
}

void CConfiguracionDlg::selectTitleBlock(int kind) {
    takeValuesQuietly();
    for (int t = 0; t < 3; ++t) m_titleBlock[t] = t == kind ? 0 : -1;
    showValues();
}

void CVelkarionView::OnFileConfiguration() {
    SheetDocument* doc = GetDocument();
    if (!doc) return;
    setExchangeSettings(settingsOf(*doc, g_simSpeed));
    CConfiguracionDlg dialog;
    if (dialog.runModal() != DialogResult::Ok) return;
    const ConfigSettings before = settingsOf(*doc, g_simSpeed);
    const ConfigSettings after = exchangeSettings();
    applySettings(after, *doc);
    // Only what the sheet file keeps makes the document modified.
    if (before.pageFormat != after.pageFormat || before.showFrame != after.showFrame ||
        before.showTerminalRefs != after.showTerminalRefs || before.titleBlockKind != after.titleBlockKind ||
        before.refsVertical != after.refsVertical || before.showConnectionSymbols != after.showConnectionSymbols ||
        before.showWireLabels != after.showWireLabels || before.pageWidth != after.pageWidth ||
        before.pageHeight != after.pageHeight)
        doc->setModified(true);
    const Point total = configuredScrollSize(doc->m_pageFormat, doc->m_pageWidth, doc->m_pageHeight, doc->m_zoom);
    setScrollSizes(total.x, total.y, total, {total.x / 100, total.y / 100});
    doc->updateAllViews();
}

}  // namespace velk
