// The wire pass. Wires, bundles and chart lines have no routine of their own:
// this pass draws them, labels them with their net numbers and, while the
// simulation runs, carries letters between touching wires, from AND-divergence
// bars to their links and between bundle entries. The component routines only
// write letters onto the wires at their own terminals; this is what moves a letter
// on from one wire to the next.
#include "render/Wires.h"

#include <string>
#include <vector>

#include "model/VelkarionView.h"
#include "render/Paint.h"
#include "render/Colors.h"
#include "render/Potentials.h"
#include "render/SheetCoords.h"
#include "render/SlotLookups.h"

namespace velk {

namespace {

struct WireKindStyle {
    int type;
    Color color;
    PenStyle style;
};
constexpr WireKindStyle kWireKindStyles[] = {
    {kTypeWirePhase, g_colorMaroon, PenStyle::Solid},
    {kTypeWireNeutral, g_colorBlue, PenStyle::Solid},
    {kTypeWirePE, g_colorGreen, PenStyle::Dot},
    {kTypeWirePlus, g_colorRed, PenStyle::Solid},
    {kTypeWireMinus, g_colorBlack, PenStyle::Solid},
    {kTypeGrafcetAndDivergence, g_colorBlack, PenStyle::Solid},
    {kTypeGrafcetAndConvergence, g_colorBlack, PenStyle::Solid},
    {kTypeGrafcetLink, g_colorBlack, PenStyle::Solid},
};

WireKindStyle kindStyle(int type) {
    for (const WireKindStyle& k : kWireKindStyles)
        if (k.type == type) return k;
    return {type, g_colorBlack, PenStyle::Solid};
}

// While simulating a wire shows the letter it carries, whatever its kind.
struct LetterColor {
    const char* letters;
    Color color;
};
constexpr LetterColor kLetterColors[] = {
    {"123YyABC", g_colorMaroon}, {"N", g_colorBlue}, {"P", g_colorGreen},
    {"+F", g_colorRed},          {"-", g_colorBlack},
};

Color letterColor(char letter) {
    for (const LetterColor& row : kLetterColors)
        for (const char* p = row.letters; *p; ++p)
            if (*p == letter) return row.color;
    return g_colorGrey;  // "0", "Z" and every letter nobody gave a colour
}

bool isBundleEntry(int type) { return type == kTypeBundleEntryLeft || type == kTypeBundleEntryRight; }

// What one wire pass works with.
struct WirePass {
    CVelkarionView& v;
    Dc& dc;
    const SheetDocument& doc;
    double zoom;
    int offsetX, offsetY;  // device offsets of this paint (print offsets while printing)
    bool evaluating;       // the simulation ran when the pass began
    // The paint's lookups, or the pass's own when it runs outside a paint: which
    // wires touch a wire, which wires are on a net, which entries share a label.
    const SlotLookups* lookups = nullptr;
    SlotLookups ownLookups;

    void prepareLookups() {
        lookups = v.paintLookups();
        if (lookups) return;
        ownLookups.build(v);
        lookups = &ownLookups;
    }

    int deviceX(int units) const { return scaledUnits(units, zoom) + offsetX; }
    int deviceY(int units) const { return scaledUnits(units, zoom) + offsetY; }
    // A fault report during the pass switched the simulation off: stop at once.
    bool stopped() const { return evaluating && v.m_simulating != 1; }
    bool picked(int slot) const { return v.isPickedSlot(slot); }
    bool monochromePrint() const { return v.m_printing == 1 && doc.m_printInColor == 0; }

    void line(const Pen& pen, int x1, int y1, int x2, int y2) {
        const Pen previous = dc.selectPen(pen);
        dc.moveTo(x1, y1);
        dc.lineTo(x2, y2);
        dc.selectPen(previous);
    }

    // The net (or bundle) number beside the item: along a horizontal item from its
    // middle, sitting on it; upward along any other.
    void numberLabel(int slot, int number, Color textColor) {
        const int x1 = v.m_x[slot], y1 = v.m_y[slot], x2 = v.m_x2[slot], y2 = v.m_y2[slot];
        Font font;
        font.face = "Arial";
        font.weight = 0;
        int x = 0, y = 0;
        if (y1 == y2) {
            const long long half = (static_cast<long long>(x2) - x1) / 2;
            font.height = truncatedPixels(zoom / 5 * 15);
            font.escapement = 0;
            x = truncatedPixels(x1 * zoom + offsetX) + truncatedPixels(static_cast<double>(half) * zoom);
            y = deviceY(y1);
        } else {
            const long long half = (static_cast<long long>(y2) - y1) / 2;
            font.height = truncatedPixels(zoom / 5 * 14);
            font.escapement = 900;
            x = deviceX(x1);
            y = truncatedPixels((static_cast<double>(y1) + 1) * zoom + offsetY) +
                truncatedPixels(static_cast<double>(half) * zoom);
        }
        dc.selectBrush(Brush::hollow());
        dc.setBackgroundTransparent(true);
        dc.setTextAlign(kAlignLeft | kAlignBottom);
        dc.setTextColor(textColor);
        const Font previous = dc.selectFont(font);
        dc.textOut(x, y, std::to_string(number));
        dc.selectFont(previous);
    }

    Color labelColor(int slot, Color normal) const {
        Color c = picked(slot) ? g_colorRed : normal;
        if (v.m_selected[slot] == 1 || v.m_floatingBlock == 1) c = g_colorRed;
        return c;
    }

    void drawWire(int slot) {
        const int type = v.m_type[slot];
        WireKindStyle style = kindStyle(type);
        if (picked(slot)) style = {type, g_colorRed, PenStyle::Solid};
        if (v.m_selected[slot] == 1) style.color = g_colorRed;
        if (monochromePrint()) style.color = g_colorBlack;
        if (v.m_simulating == 1) style.color = letterColor(v.m_potential[slot].letter());
        if (v.m_drawingPlaced != 0) return;

        const Pen pen{style.style, v.m_penWidth, style.color};
        const int x1 = deviceX(v.m_x[slot]), y1 = deviceY(v.m_y[slot]);
        const int x2 = deviceX(v.m_x2[slot]), y2 = deviceY(v.m_y2[slot]);
        if (type == kTypeGrafcetAndDivergence || type == kTypeGrafcetAndConvergence) {
            const int d = truncatedPixels(zoom / 5 * 3);
            line(pen, x1, y1 - d, x2, y2 - d);
            line(pen, x1, y1 + d, x2, y2 + d);
        } else {
            line(pen, x1, y1, x2, y2);
        }
        if (doc.m_showWireLabels != 0) numberLabel(slot, v.m_netNumber[slot], labelColor(slot, v.m_color[slot]));
    }

    // The visited wire takes the letter of a touching wire while it has none; two
    // different live letters go to the clash check. Only this wire changes: the
    // other takes this one's letter when it is visited itself.
    bool pullLetters(int slot) {
        const auto [first, last] = lookups->touching(slot);
        for (const int* it = first; it != last; ++it) {
            const int j = *it;
            const char a = v.m_potential[slot].letter();
            const char b = v.m_potential[j].letter();
            if (a == kPotentialNone) {
                v.m_potential[slot].setLetter(b);
            } else if (b != kPotentialNone && b != a) {
                v.CheckPotentialClash(a, b);
                if (stopped()) return false;
            }
        }
        return true;
    }

    // A token on an AND-divergence reaches every link of its net in the same pass.
    void passTokenToLinks(int slot) {
        if (v.m_potential[slot].letter() != kPotentialNeutral) return;
        lookups->nets.forEach(v.m_netNumber[slot], [this](int j) {
            if (v.m_type[j] == kTypeGrafcetLink) v.m_potential[j].setLetter(kPotentialNeutral);
        });
    }

    bool wireSlot(int slot) {
        drawWire(slot);
        if (!evaluating) return true;
        if (!pullLetters(slot)) return false;
        if (v.m_type[slot] == kTypeGrafcetAndDivergence) passTokenToLinks(slot);
        return true;
    }

    void bundle(int slot) {
        Color color = picked(slot) ? g_colorRed : g_colorBlue;
        if (v.m_selected[slot] == 1 || v.m_floatingBlock == 1) color = g_colorRed;
        if (monochromePrint()) color = g_colorBlack;
        const Pen pen{PenStyle::Solid, 2 * v.m_penWidth, color};
        line(pen, deviceX(v.m_x[slot]), deviceY(v.m_y[slot]), deviceX(v.m_x2[slot]), deviceY(v.m_y2[slot]));
        if (doc.m_showWireLabels != 0) numberLabel(slot, v.m_netNumber[slot], labelColor(slot, g_colorBlue));
    }

    // Whichever of the two carries no letter takes the other's; two different live
    // letters are a short circuit.
    bool exchangeLetters(int entry, int other) {
        const char before = v.m_potential[entry].letter();
        const char theirs = v.m_potential[other].letter();
        if (before == kPotentialNone && theirs != kPotentialNone) v.m_potential[entry].setLetter(theirs);
        const char mine = v.m_potential[entry].letter();
        if (mine != kPotentialNone && theirs == kPotentialNone) v.m_potential[other].setLetter(mine);
        if (mine != kPotentialNone && theirs != kPotentialNone && mine != theirs) {
            v.ReportShortCircuit();
            return false;
        }
        return true;
    }

    // Two entries of equal label on the same bundle join the nets of their wires,
    // however far apart they are drawn.
    bool bundleEntry(int slot) {
        const int net = v.m_netNumber[slot];
        if (evaluating) {
            lookups->nets.forEach(net, [this, slot](int j) {
                if (isWireLike(v.m_type[j]) && v.m_potential[slot].letter() == kPotentialNone)
                    v.m_potential[slot].setLetter(v.m_potential[j].letter());
            });
        }
        const int x = deviceX(v.m_x[slot]), y = deviceY(v.m_y[slot]);
        if (v.m_type[slot] == kTypeBundleEntryLeft)
            v.DrawBundleEntryLeft(dc, zoom, x, y);
        else
            v.DrawBundleEntryRight(dc, zoom, x, y);
        if (stopped()) return false;
        if (!evaluating) return true;

        const int bundleNumber = v.m_bundleNumber[slot];
        // Labels are equal byte by byte: the lookup finds exactly the equal ones.
        if (bundleNumber >= 1) {
            const bool goOn = lookups->labels.forEachUntil(v.m_label[slot], [this, slot, bundleNumber](int k) {
                if (!isBundleEntry(v.m_type[k]) || v.m_bundleNumber[k] != bundleNumber) return true;
                return exchangeLetters(slot, k);
            });
            if (!goOn) return false;
        }
        return lookups->nets.forEachUntil(net, [this, slot](int j) {
            return !isWireLike(v.m_type[j]) || exchangeLetters(slot, j);
        });
    }
};

}  // namespace

void CVelkarionView::DrawWires(Dc& dc) {
    static const SheetDocument kNoDocument;
    const SheetDocument& doc = m_document ? *m_document : kNoDocument;
    WirePass pass{*this, dc, doc, doc.m_zoom, doc.m_printOffsetX, doc.m_printOffsetY,
                  m_simulating == 1 && g_showOnly == 0, nullptr, {}};
    if (pass.evaluating) pass.prepareLookups();

    for (int i = 0; i < m_componentCount; ++i) {
        m_loopIndex = i;
        if (!isLive(i)) continue;
        const int type = m_type[i];
        bool goOn = true;
        if (isWireLike(type)) {
            goOn = pass.wireSlot(i);
        } else if (type == kTypeConnectionDot) {
            DrawConnectionDot(dc, pass.zoom, pass.deviceX(m_x[i]), pass.deviceY(m_y[i]));
            goOn = !pass.stopped();
        } else if (type == kTypeBundle) {
            pass.bundle(i);
        } else if (isBundleEntry(type)) {
            goOn = pass.bundleEntry(i);
        }
        // After a report the pass ends at once; the report has left the loop index
        // past the last slot, which also ends the paint's own slot loop.
        if (!goOn) return;
    }
    m_loopIndex = m_componentCount;
}

}  // namespace velk
