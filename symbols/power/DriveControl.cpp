// What the drive control blocks share: the supply of their own electronics, the
// stop of a block without power, and the cells and numbers of their display.
#include <cstdio>

#include "render/Paint.h"
#include "render/Potentials.h"
#include "symbols/ComponentFrame.h"
#include "symbols/power/Drives.h"

namespace velk {

bool feedControlSupply(ComponentFrame& f, int supplyTerminal, int power, bool final) {
    CVelkarionView& v = f.view();
    const int slot = f.slot();
    const bool powered = v.m_state[slot] == 1;
    if (powered && f.wireFoundAt(supplyTerminal)) {
        const char at = f.letterAt(supplyTerminal);
        if (at == kPotentialPE) {
            v.ReportEarthFault();
            return false;
        }
        if (at == kPotentialL1 || at == kPotentialL2 || at == kPotentialL3 || at == kPotentialNeutral ||
            at == kPotentialMinus) {
            v.ReportShortCircuit();
            return false;
        }
        f.writeLinkedWire(supplyTerminal, kPotentialPlus);
    }
    if (!powered && final) {
        if (power >= 0) v.m_driveCommand[power].setLetter(kDriveStop);
        v.m_controlOutput[slot] = 0;
        v.m_stopRampFrom[slot] = 0;
    }
    return true;
}

void drawDisplayCell(ComponentFrame& f, const char* cell) {
    CVelkarionView& v = f.view();
    if (v.m_state[f.slot()] != 1) return;
    v.m_penColor = g_colorSilver;
    f.draw(cell);
    v.m_penColor = g_colorBlack;
}

void drawDisplayLines(ComponentFrame& f, const DisplayLine* lines, const float* values, std::size_t count) {
    for (std::size_t i = 0; i < count; ++i) {
        f.draw(lines[i].caption);
        drawDisplayCell(f, lines[i].cell);
        f.draw(displayNumber(lines[i].value, values[i]));
    }
}

void drawControlState(ComponentFrame& f, const char* fill, const char* const (&bladeClosed)[2],
                      const char* bladeOpen) {
    CVelkarionView& v = f.view();
    const bool powered = v.m_state[f.slot()] == 1;
    v.m_penColor = powered ? g_colorSilver : g_colorWhite;
    f.draw(fill);
    v.m_penColor = g_colorBlack;
    if (powered)
        f.draw(bladeClosed);
    else
        f.draw(bladeOpen);
}

std::string displayNumber(const char* format, float value) {
    char buffer[64];
    const int n = std::snprintf(buffer, sizeof buffer, format, static_cast<double>(value));
    if (n < 0) return std::string();
    return std::string(buffer, static_cast<std::size_t>(n) < sizeof buffer ? static_cast<std::size_t>(n) : 0);
}

}  // namespace velk
