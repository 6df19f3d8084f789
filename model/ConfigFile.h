#pragma once
// The one line of "config.cfg": the eighteen settings at fixed columns, written by
// the configuration dialog and read by every new document.
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

// The line as written: 64 characters when every value is within the dialog's ranges.
std::string formatConfigLine(const ConfigSettings& s);

// Takes the settings from the text of a settings file into `s`: false (and nothing
// taken) when its header word is not exactly "Velkarion". A field that starts past
// the end of a short text keeps its value; one cut short by the end is read as far
// as it goes.
bool parseConfigLine(const std::string& text, ConfigSettings& s);

// Settings 1 to 17 between a document and the settings (the speed is not the
// document's).
ConfigSettings settingsOf(const SheetDocument& doc, int simSpeed);
void applySettings(const ConfigSettings& s, SheetDocument& doc);

}  // namespace velk
