#pragma once
// The one line of "config.cfg": the eighteen settings at fixed columns, written by
// the configuration dialog and read by every new document.
#include <cstddef>
#include <string>

namespace velk {

struct SheetDocument;

struct ConfigSettings {
    int pageFormat = 1;
    int showFrame = 1;
    int refsVertical = 0;
    int showTerminalRefs = 1;
    int showConnectionSymbols = 0;
    int showWireLabels = 0;
    int autoJunction = 1;
    int guideLines = 0;
    int printOffsetX = 0;
    int printOffsetY = 0;
    float printScale = 1.0f;
    int printLineWidth = 2;
    int printInColor = 1;
    int pageWidth = 0;
    int pageHeight = 0;
    int showZoneRefs = 1;
    int titleBlockKind = 2;
    int simSpeed = 50;
};

// The ranges the configuration dialog keeps its settings in. The reader brings
// every field of a settings file into them, so that a hand-edited file cannot
// set what the dialog would refuse (a crawling clock, an unknown page format).
constexpr int kPageFormatLast = 4;
constexpr int kTitleBlockKindLast = 2;
constexpr int kPrintOffsetMin = 0, kPrintOffsetMax = 100;
constexpr double kPrintScaleMin = 0.1, kPrintScaleMax = 5.0;
constexpr int kPrintLineWidthMin = 1, kPrintLineWidthMax = 5;
constexpr int kPageMmMin = 1, kPageMmMax = 800;
constexpr int kSimSpeedMin = 1, kSimSpeedMax = 100;

// The user sheet size: drawing units shown in mm (0 shows the A4 side) and mm
// stored in drawing units, each truncated toward zero. The two constants of each
// pair differ in their last digit on purpose: stored sizes written with one and
// shown with the other round as users know them.
constexpr double kWidthShowDivisor = 1.114285;
constexpr double kHeightShowDivisor = 1.121212;
constexpr double kWidthStoreFactor = 1.1142859;
constexpr double kHeightStoreFactor = 1.1212122;
constexpr int pageWidthToMm(int units) {
    const int mm = static_cast<int>(units / kWidthShowDivisor);
    return mm == 0 ? 210 : mm;
}
constexpr int pageHeightToMm(int units) {
    const int mm = static_cast<int>(units / kHeightShowDivisor);
    return mm == 0 ? 297 : mm;
}
constexpr int mmToPageWidth(int mm) { return static_cast<int>(mm * kWidthStoreFactor); }
constexpr int mmToPageHeight(int mm) { return static_cast<int>(mm * kHeightStoreFactor); }

// The user sheet's sides as both files keep them, in drawing units: 0 (the
// settings' own default, shown as the A4 side) up to the largest size the dialog
// stores. The settings and the sheet readers take the same range, so a size one
// file holds reads back unchanged from the other.
constexpr int kPageSideMin = 0;
constexpr int kPageWidthMax = mmToPageWidth(kPageMmMax);
constexpr int kPageHeightMax = mmToPageHeight(kPageMmMax);

// How much of a settings file is read: its line is 64 characters, and whatever
// lies beyond this many bytes counts as absent.
constexpr std::size_t kConfigFileReadLimit = 4096;

// The line as written: 64 characters when every value is within the dialog's ranges.
std::string formatConfigLine(const ConfigSettings& s);

// Takes the settings from the text of a settings file into `s`: false (and nothing
// taken) when its header word is not exactly "Velkarion". A field that starts past
// the end of a short text keeps its value; one cut short by the end is read as far
// as it goes. Each value taken is brought into the dialog's range for it; a stored
// sheet width or height of 0 stays, as the settings' own defaults write it.
bool parseConfigLine(const std::string& text, ConfigSettings& s);

// Settings 1 to 17 between a document and the settings (the speed is not the
// document's).
ConfigSettings settingsOf(const SheetDocument& doc, int simSpeed);
void applySettings(const ConfigSettings& s, SheetDocument& doc);

}  // namespace velk
