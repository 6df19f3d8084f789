#pragma once
// A full control sheet as a user would draw it, built by code for the tests and the
// benchmarks: A3 (binding margin on the left) at zoom 2, four L-N supplies, each
// feeding a band of up to sixteen vertical rungs between an L rail and an N rail.
// A rung is a stop button (NC), an interlock contact, a coil and a lamp beside the
// coil, joined by eleven wires:
//
//     L rail ──┬── (rail segment from the previous rung)
//              │ drop
//            stop -S<n>
//              │
//          interlock (NO contact of -KA; the first rung: latching switch -S0)
//              │
//              ├──────┐  J1
//             coil   lamp -H<n>
//              ├──────┘  J2
//     N rail ──┴──
//
// The first rung's coil is -KA, the master relay every other interlock contact
// follows; the others are -K2, -K3 and so on. Switching -S0 on pulls -KA in, and
// on the next tick every coil, and every lamp is lit. The slots left over when no
// further rung fits are rung captions (free texts), so the sheet has exactly the
// number of slots asked for.
#include <cmath>
#include <string>
#include <vector>

#include "edit/PlacementDefaults.h"
#include "model/TypeCodes.h"
#include "model/VelkarionView.h"
#include "platform/window.h"
#include "render/Clock.h"
#include "render/Colors.h"

namespace velk::realistic {

constexpr int kRungSlots = 15;  // four symbols and eleven wires
constexpr int kBandSlots = 3;   // the supply and its two feed wires
constexpr int kRungsPerBand = 16;
constexpr int kMinCaptions = 3;
constexpr double kZoom = 2.0;
constexpr int kPageFormatA3 = 2;
// Sheet size of the format in drawing units (as far as its grid reaches).
constexpr int kSheetWidth = 472;
constexpr int kSheetHeight = 338;

// Drawing units.
constexpr int kSupplyX = 30;
constexpr int kFirstRail = 18;
constexpr int kBandPitch = 81;
constexpr int kRungPitch = 26;
constexpr int kLampOffset = 14;

struct RealisticSheet {
    int rungs = 0;
    int captions = 0;
    int startSwitch = -1;  // -S0, the latching switch that starts everything
    std::vector<int> stopButtons, coils, lamps;
    // Rail points of each rung, for wires a test adds.
    std::vector<Point> junctionTop, junctionBottom, lampTop, lampCorner;
};

// The number of rungs for a sheet of `slots` slots: as many as fit with at least a
// few captions left.
inline int rungsFor(int slots) {
    int rungs = 0;
    for (int r = 1; r <= 4 * kRungsPerBand; ++r) {
        const int bands = (r + kRungsPerBand - 1) / kRungsPerBand;
        if (r * kRungSlots + bands * kBandSlots + kMinCaptions <= slots) rungs = r;
    }
    return rungs;
}

namespace detail {

inline int append(CVelkarionView& v, int type, int x, int y, int x2, int y2) {
    const int i = v.m_componentCount++;
    v.clearSlot(i);
    v.m_componentId[i] = i;
    v.m_type[i] = type;
    v.m_x[i] = x;
    v.m_y[i] = y;
    v.m_x2[i] = x2;
    v.m_y2[i] = y2;
    v.m_deleted[i] = 0;
    return i;
}

// A wire with its ends ordered as the wiring tool stores them.
inline int wire(CVelkarionView& v, int type, int x1, int y1, int x2, int y2) {
    if (x2 < x1 || (x1 == x2 && y2 < y1)) {
        std::swap(x1, x2);
        std::swap(y1, y2);
    }
    return append(v, type, x1, y1, x2, y2);
}

// A symbol as placement at zoom 2 leaves it: label, box and terminal names of its
// type, orientation 0.
inline int symbol(CVelkarionView& v, int type, int x, int y, const std::string& label) {
    const int i = append(v, type, x, y, x, y);
    const PlacementDefaults& row = *placementDefaultsFor(type);
    const Rect ghost = CVelkarionView::ComputePlacementGhost(type, kZoom, 0);
    v.m_boxX1[i] = static_cast<int>(std::trunc(ghost.left / kZoom));
    v.m_boxY1[i] = static_cast<int>(std::trunc(ghost.top / kZoom));
    v.m_boxX2[i] = static_cast<int>(std::trunc(ghost.right / kZoom));
    v.m_boxY2[i] = static_cast<int>(std::trunc(ghost.bottom / kZoom));
    v.m_label[i] = label;
    v.m_labelVisible[i] = label.empty() ? 0 : 1;
    for (int k = 0; k < kTerminalCount; ++k) {
        const char* name = row.terminals[static_cast<std::size_t>(k)];
        if (!name) break;
        v.m_terminalName[i][k] = name;
        v.m_terminalNameVisible[i][k] = k < row.shownTerminals ? 1 : 0;
    }
    if (row.paramText) v.m_paramText[i] = row.paramText;
    return i;
}

}  // namespace detail

// Fills the view's slot table with a sheet of exactly `slots` slots (at least 21)
// and sets the document to A3 at zoom 2 with frame, zones and grid. The title
// block is off: the fourth band reaches down to where it would be.
inline RealisticSheet buildRealisticSheet(CVelkarionView& v, SheetDocument& doc, int slots) {
    using detail::symbol;
    using detail::wire;
    doc.m_pageFormat = kPageFormatA3;
    doc.m_zoom = kZoom;
    doc.m_showFrame = 1;
    doc.m_showGrid = 1;
    doc.m_showZoneRefs = 1;
    doc.m_titleBlockKind = 0;
    v.clearAllSlots();
    v.m_componentCount = 0;

    RealisticSheet s;
    s.rungs = rungsFor(slots);
    int railX = 0, nRailX = 0;
    for (int r = 0; r < s.rungs; ++r) {
        const int band = r / kRungsPerBand, inBand = r % kRungsPerBand;
        const int top = kFirstRail + band * kBandPitch;  // the L rail
        if (inBand == 0) {
            // The supply sits above the L rail; its N feed crosses the L rail down
            // to the N rail without touching it.
            symbol(v, kTypeSupplyLN, kSupplyX, top - 6, "-X" + std::to_string(band + 1));
            wire(v, kTypeWirePhase, kSupplyX, top - 6, kSupplyX, top);
            wire(v, kTypeWireNeutral, kSupplyX + 6, top - 6, kSupplyX + 6, top + 66);
            railX = kSupplyX;
            nRailX = kSupplyX + 6;
        }
        const int x = kSupplyX + 12 + inBand * kRungPitch;
        const int lampX = x + kLampOffset;
        const std::string n = std::to_string(r + 1);
        s.stopButtons.push_back(symbol(v, kTypePushButtonNC, x, top + 3, "-S" + n));
        if (r == 0)
            s.startSwitch = symbol(v, kTypeLatchingSwitchNO, x, top + 21, "-S0");
        else
            symbol(v, kTypeAuxContactNO, x, top + 21, "-KA");
        s.coils.push_back(symbol(v, kTypeCoil, x, top + 42, r == 0 ? std::string("-KA") : "-K" + n));
        s.lamps.push_back(symbol(v, kTypePilotLamp, lampX, top + 39, "-H" + n));

        wire(v, kTypeWirePhase, railX, top, x, top);              // L rail
        wire(v, kTypeWirePhase, x, top, x, top + 3);              // drop
        wire(v, kTypeWirePhase, x, top + 15, x, top + 21);        // stop - interlock
        wire(v, kTypeWirePhase, x, top + 33, x, top + 39);        // interlock - J1
        wire(v, kTypeWirePhase, x, top + 39, x, top + 42);        // J1 - A1
        wire(v, kTypeWirePhase, x, top + 39, lampX, top + 39);    // J1 - X1
        wire(v, kTypeWireNeutral, x, top + 54, x, top + 60);      // A2 - J2
        wire(v, kTypeWireNeutral, lampX, top + 51, lampX, top + 60);  // X2 - corner
        wire(v, kTypeWireNeutral, x, top + 60, lampX, top + 60);  // corner - J2
        wire(v, kTypeWireNeutral, x, top + 60, x, top + 66);      // J2 - N rail
        wire(v, kTypeWireNeutral, nRailX, top + 66, x, top + 66);  // N rail
        s.junctionTop.push_back({x, top + 39});
        s.junctionBottom.push_back({x, top + 60});
        s.lampTop.push_back({lampX, top + 39});
        s.lampCorner.push_back({lampX, top + 60});
        railX = x;
        nRailX = x;
    }
    // Captions above the rungs, first rung first.
    for (int c = 0; v.m_componentCount < slots; ++c) {
        const int r = c % (s.rungs > 0 ? s.rungs : 1);
        const int band = r / kRungsPerBand, inBand = r % kRungsPerBand;
        const int x = kSupplyX + 14 + inBand * kRungPitch, y = kFirstRail + band * kBandPitch - 7;
        const int t = detail::append(v, kTypeText, x, y, x + 10, y + 4);
        v.m_paramText[t] = "M" + std::to_string(c + 1);
        v.m_color[t] = rgb(0, 0, 128);
        ++s.captions;
    }
    return s;
}

// An L-N short a user draws last: a wire straight across the lamp of rung r, from
// J1 down to the lamp's corner of J2. It shorts L to N as soon as the rung's
// contacts close.
inline int addShortAcrossLamp(CVelkarionView& v, const RealisticSheet& s, int r) {
    const Point a = s.lampTop[static_cast<std::size_t>(r)], b = s.lampCorner[static_cast<std::size_t>(r)];
    return detail::wire(v, kTypeWirePhase, a.x, a.y, b.x, b.y);
}

// The scroll range of the page at the document's zoom.
inline void setSheetScrollSizes(CVelkarionView& v, const SheetDocument& doc) {
    v.setScrollSizes(static_cast<int>(kSheetWidth * doc.m_zoom), static_cast<int>(kSheetHeight * doc.m_zoom));
}

// A press (or release) of the left button inside a device's operating area, at
// the window point that shows it.
inline void pointerOn(CVelkarionView& v, const SheetDocument& doc, int slot, bool down) {
    const Point scroll = v.scrollPosition();
    const Point p{static_cast<int>(std::trunc((v.m_x[slot] - 3) * doc.m_zoom)) - scroll.x,
                  static_cast<int>(std::trunc((v.m_y[slot] + 6) * doc.m_zoom)) - scroll.y};
    if (down)
        v.OnLButtonDown(kMouseLeft, p);
    else
        v.OnLButtonUp(0, p);
}

// A click on -S0: the latching switch closes and stays closed.
inline void switchOn(CVelkarionView& v, const SheetDocument& doc, const RealisticSheet& s) {
    pointerOn(v, doc, s.startSwitch, true);
    pointerOn(v, doc, s.startSwitch, false);
}

}  // namespace velk::realistic
