#pragma once
// A placed device with a short wire at each of its terminals, every wire in a net
// of its own that also holds a wire and a connection dot elsewhere on the sheet,
// for the tests that give letters to the terminals, evaluate the device once and
// read what it did to the nets.
#include <string>
#include <vector>

#include "render/Colors.h"
#include "render/Potentials.h"
#include "symbol_sheet.h"

namespace velk::symboltest {

// A device at (60, 60) whose terminals each end a short wire leading away, wire k
// in net 10 + k; every net also holds a wire and a dot elsewhere on the sheet.
class TerminalBench {
public:
    static constexpr int kX = 60, kY = 60;

    TerminalBench(int type, const Point* ends, int count, int orientation = 0) {
        device = s.place(type, kX, kY, orientation);
        // The variants that only the property dialog makes have no defaults.
        if (s.view.m_label[device].empty()) {
            s.view.m_label[device] = "-B";
            s.view.m_labelVisible[device] = 1;
        }
        for (int k = 0; k < count; ++k) {
            const Point e = symboltest::turned(orientation, ends[k]);
            const int w = s.wire(kX + e.x, kY + e.y, kX + e.x + 1, kY + e.y + 2);
            const int far = s.wire(200 + 10 * k, 200, 203 + 10 * k, 200);
            const int dot = s.addSymbol(kTypeConnectionDot, 300 + 10 * k, 200);
            for (int slot : {w, far, dot}) s.view.m_netNumber[slot] = 10 + k;
            nets.push_back({w, far, dot});
        }
    }

    // One evaluation with the letters given per terminal ('0' past the text's end),
    // the state already drawn.
    void evaluate(int state, const std::string& letters, int pass = 0) {
        for (std::size_t k = 0; k < nets.size(); ++k)
            for (int slot : nets[k]) s.setLetter(slot, k < letters.size() ? letters[k] : '0');
        s.view.m_simulating = 1;
        s.view.m_state[device] = state;
        s.view.m_drawnState[device] = state;
        g_simPass = pass;
        s.drawPlaced(device, g_colorBlack);
        g_simPass = 0;
    }
    // The letter of each terminal's net as "abc" per net, space-separated.
    std::string after() const {
        std::string out;
        for (const auto& net : nets) {
            for (int slot : net) out += s.letter(slot);
            out += ' ';
        }
        out.pop_back();
        return out;
    }
    // Fed marks in the entry of terminal k, for the slots of net k.
    std::string marks(int k) const {
        std::string out;
        for (int slot : nets[static_cast<std::size_t>(k)])
            out += s.view.m_terminalPotential[slot][k].letter() == kPotentialFedMark ? '*' : '.';
        return out;
    }

    SymbolSheet s;
    int device = -1;
    std::vector<std::vector<int>> nets;
};

}  // namespace velk::symboltest
