// The settings line's codec: one table of columns for the writer and the reader.
#include "model/ConfigFile.h"

#include <algorithm>
#include <cfloat>
#include <charconv>
#include <cmath>
#include <cstdio>

#include "model/SheetDocument.h"

namespace velk {

namespace {

constexpr const char* kConfigHeader = "Velkarion";
constexpr std::size_t kConfigHeaderLength = 9;

// Where each setting stands in the line: its first column, its width, the member
// it belongs to (an int or the float scale) and the range the dialog keeps it in.
struct ConfigField {
    std::size_t column;
    std::size_t width;
    int ConfigSettings::*intField;
    float ConfigSettings::*floatField;
    double low, high;
};

constexpr double kFlagLow = 0, kFlagHigh = 1;

const ConfigField kConfigFields[] = {
    {10, 1, &ConfigSettings::pageFormat, nullptr, 0, kPageFormatLast},
    {12, 1, &ConfigSettings::showFrame, nullptr, kFlagLow, kFlagHigh},
    {14, 1, &ConfigSettings::refsVertical, nullptr, kFlagLow, kFlagHigh},
    {16, 1, &ConfigSettings::showTerminalRefs, nullptr, kFlagLow, kFlagHigh},
    {18, 1, &ConfigSettings::showConnectionSymbols, nullptr, kFlagLow, kFlagHigh},
    {20, 1, &ConfigSettings::showWireLabels, nullptr, kFlagLow, kFlagHigh},
    {22, 1, &ConfigSettings::autoJunction, nullptr, kFlagLow, kFlagHigh},
    {24, 1, &ConfigSettings::guideLines, nullptr, kFlagLow, kFlagHigh},
    {26, 3, &ConfigSettings::printOffsetX, nullptr, kPrintOffsetMin, kPrintOffsetMax},
    {30, 3, &ConfigSettings::printOffsetY, nullptr, kPrintOffsetMin, kPrintOffsetMax},
    {34, 6, nullptr, &ConfigSettings::printScale, kPrintScaleMin, kPrintScaleMax},
    {41, 1, &ConfigSettings::printLineWidth, nullptr, kPrintLineWidthMin, kPrintLineWidthMax},
    {43, 1, &ConfigSettings::printInColor, nullptr, kFlagLow, kFlagHigh},
    {45, 3, &ConfigSettings::pageWidth, nullptr, kPageSideMin, kPageWidthMax},
    {49, 3, &ConfigSettings::pageHeight, nullptr, kPageSideMin, kPageHeightMax},
    {53, 1, &ConfigSettings::showZoneRefs, nullptr, kFlagLow, kFlagHigh},
    {55, 1, &ConfigSettings::titleBlockKind, nullptr, 0, kTitleBlockKindLast},
    {57, 4, &ConfigSettings::simSpeed, nullptr, kSimSpeedMin, kSimSpeedMax},
};

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r'; }

// The start of the number in a field: after leading blanks and a plus sign (a minus
// sign stays for the conversion). Nullptr when no digit follows.
const char* numberStart(const char* p, const char* end) {
    while (p < end && isBlank(*p)) ++p;
    const char* sign = p;
    if (p < end && (*p == '+' || *p == '-')) ++p;
    const bool digit = p < end && *p >= '0' && *p <= '9';
    const bool pointDigit = p + 1 < end && *p == '.' && p[1] >= '0' && p[1] <= '9';
    if (!digit && !pointDigit) return nullptr;
    return *sign == '+' ? sign + 1 : sign;
}

// A decimal integer as the field spells it: 0 when it holds no digits or a number
// that would not fit.
int fieldInt(const std::string& field) {
    const char* end = field.data() + field.size();
    const char* p = numberStart(field.data(), end);
    if (!p) return 0;
    int value = 0;
    const auto r = std::from_chars(p, end, value);
    return r.ec == std::errc() ? value : 0;
}

float fieldFloat(const std::string& field) {
    const char* end = field.data() + field.size();
    const char* p = numberStart(field.data(), end);
    if (!p) return 0.0f;
    double value = 0.0;
    const auto r = std::from_chars(p, end, value, std::chars_format::fixed | std::chars_format::scientific);
    if (r.ec != std::errc() || !std::isfinite(value) || std::fabs(value) > FLT_MAX) return 0.0f;
    return static_cast<float>(value);
}

}  // namespace

std::string formatConfigLine(const ConfigSettings& s) {
    char line[512];
    const int n = std::snprintf(line, sizeof line,
                                "Velkarion*%1d*%1d*%1d*%1d*%1d*%1d*%1d*%1d*%3d*%3d*%0.4f*%1d*%1d*%3d*%3d*%1d*%1d*%4d$$$",
                                s.pageFormat, s.showFrame, s.refsVertical, s.showTerminalRefs,
                                s.showConnectionSymbols, s.showWireLabels, s.autoJunction, s.guideLines,
                                s.printOffsetX, s.printOffsetY, static_cast<double>(s.printScale), s.printLineWidth,
                                s.printInColor, s.pageWidth, s.pageHeight, s.showZoneRefs, s.titleBlockKind,
                                s.simSpeed);
    if (n < 0) return std::string();
    return std::string(line, std::min<std::size_t>(static_cast<std::size_t>(n), sizeof line - 1));
}

bool parseConfigLine(const std::string& text, ConfigSettings& s) {
    if (text.size() < kConfigHeaderLength || text.compare(0, kConfigHeaderLength, kConfigHeader) != 0) return false;
    for (const ConfigField& f : kConfigFields) {
        if (f.column >= text.size()) continue;
        const std::string field = text.substr(f.column, f.width);
        if (f.intField)
            s.*f.intField = std::clamp(fieldInt(field), static_cast<int>(f.low), static_cast<int>(f.high));
        if (f.floatField)
            s.*f.floatField = static_cast<float>(std::clamp(static_cast<double>(fieldFloat(field)), f.low, f.high));
    }
    return true;
}

ConfigSettings settingsOf(const SheetDocument& d, int simSpeed) {
    ConfigSettings s;
    s.pageFormat = d.m_pageFormat;
    s.showFrame = d.m_showFrame;
    s.refsVertical = d.m_refsVertical;
    s.showTerminalRefs = d.m_showTerminalRefs;
    s.showConnectionSymbols = d.m_showConnectionSymbols;
    s.showWireLabels = d.m_showWireLabels;
    s.autoJunction = d.m_autoJunction;
    s.guideLines = d.m_guideLines;
    s.printOffsetX = d.m_printOffsetX;
    s.printOffsetY = d.m_printOffsetY;
    s.printScale = d.m_printScale;
    s.printLineWidth = d.m_printLineWidth;
    s.printInColor = d.m_printInColor;
    s.pageWidth = d.m_pageWidth;
    s.pageHeight = d.m_pageHeight;
    s.showZoneRefs = d.m_showZoneRefs;
    s.titleBlockKind = d.m_titleBlockKind;
    s.simSpeed = simSpeed;
    return s;
}

void applySettings(const ConfigSettings& s, SheetDocument& d) {
    d.m_pageFormat = s.pageFormat;
    d.m_showFrame = s.showFrame;
    d.m_refsVertical = s.refsVertical;
    d.m_showTerminalRefs = s.showTerminalRefs;
    d.m_showConnectionSymbols = s.showConnectionSymbols;
    d.m_showWireLabels = s.showWireLabels;
    d.m_autoJunction = s.autoJunction;
    d.m_guideLines = s.guideLines;
    d.m_printOffsetX = s.printOffsetX;
    d.m_printOffsetY = s.printOffsetY;
    d.m_printScale = s.printScale;
    d.m_printLineWidth = s.printLineWidth;
    d.m_printInColor = s.printInColor;
    d.m_pageWidth = s.pageWidth;
    d.m_pageHeight = s.pageHeight;
    d.m_showZoneRefs = s.showZoneRefs;
    d.m_titleBlockKind = s.titleBlockKind;
}

}  // namespace velk
