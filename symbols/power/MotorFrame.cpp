// The motor frame (see MotorFrame.h).
#include "symbols/power/MotorFrame.h"

#include <algorithm>
#include <cstdio>
#include <string>

#include "render/Colors.h"
#include "render/Paint.h"
#include "render/Potentials.h"

namespace velk {

namespace {

constexpr const char* kTextFormat = "TEXT,%3s,%3s,%5s,2";
constexpr int kMarkPass = 4;

bool isPlacedCall(const CVelkarionView& v) {
    return v.m_drawingPlaced == 1 && v.m_loopIndex >= 0 && v.m_loopIndex < v.m_componentCount &&
           CVelkarionView::isSlotIndex(v.m_loopIndex);
}

// A placed motor's terminal name, right-aligned in two characters.
std::string shownName(const std::string& name) {
    char buffer[16];
    const std::string field = terminalField(name);
    const int n = std::snprintf(buffer, sizeof buffer, "%2s", field.c_str());
    if (n < 0) return std::string();
    return std::string(buffer, std::min(static_cast<std::size_t>(n), sizeof buffer - 1));
}

class MotorDrawing {
public:
    MotorDrawing(CVelkarionView& view, Dc& dc, double zoom, int x, int y)
        : m_view(view), m_dc(dc), m_scale(zoom / 5), m_x(x), m_y(y) {}

    void draw(const std::string& command) { m_view.DrawCommand(m_dc, command, m_scale, m_x, m_y); }
    void draw(Commands commands) {
        for (const char* command : commands) draw(command);
    }
    // The body ellipse with a solid brush of the colour, then the hollow one again.
    void fillBody(const char* ellipse, Color color) {
        const Brush previous = m_dc.selectBrush(Brush::solid(color));
        draw(ellipse);
        m_dc.selectBrush(previous);
    }

private:
    CVelkarionView& m_view;
    Dc& m_dc;
    const double m_scale;
    const int m_x, m_y;
};

// The last pass shows the code when it differs from the one shown; a stopped
// motor is filled white once.
void showRotation(MotorDrawing& d, CVelkarionView& v, int slot, const MotorSymbol& m, int rotation) {
    const int shown = v.m_drawnState[slot];
    if (m.penFilledBody.solid.size() != 0) {
        if (rotation == shown) return;
        v.m_drawnState[slot] = rotation;
        v.m_penColor = rotation != 0 ? g_colorSilver : g_colorWhite;
        d.draw(m.penFilledBody.fills);
        v.m_penColor = g_colorBlack;
        d.draw(m.outline);
        return;
    }
    const auto erase = [&] {
        if (m.erasedPicture.size() == 0) return;
        v.m_penColor = g_colorWhite;
        d.draw(m.erasedPicture);
        v.m_penColor = g_colorBlack;
    };
    if (rotation != 0 && rotation != shown) {
        // A direct change of direction: the old picture outside the body goes.
        if (shown > 0) erase();
        d.fillBody(m.bodyEllipse, g_colorSilver);
        if (rotation > 0 && rotation < kMaxRotationCodes) d.draw(m.running[rotation]);
    } else if (rotation == 0 && shown != 0) {
        d.fillBody(m.bodyEllipse, g_colorWhite);
        erase();
    }
    v.m_drawnState[slot] = rotation;
}

// The whole picture of a rotation, as the last pass after an erase draws it; the
// redraw cache is kept.
void showRotationInFull(MotorDrawing& d, CVelkarionView& v, const MotorSymbol& m, int rotation) {
    if (m.penFilledBody.solid.size() != 0) {
        v.m_penColor = rotation != 0 ? g_colorSilver : g_colorWhite;
        d.draw(m.penFilledBody.fills);
        v.m_penColor = g_colorBlack;
        d.draw(m.outline);
        return;
    }
    d.fillBody(m.bodyEllipse, rotation != 0 ? g_colorSilver : g_colorWhite);
    if (rotation > 0 && rotation < kMaxRotationCodes) d.draw(m.running[rotation]);
}

}  // namespace

// --- MotorCall ------------------------------------------------------------------------------

MotorCall::MotorCall(CVelkarionView& view, int slot, const MotorSymbol& member)
    : m_view(view), m_slot(slot), m_member(member) {
    for (int k = 0; k < kMaxMotorTerminals; ++k) {
        m_letters[k] = kPotentialNone;
        m_found[k] = false;
    }
    // Protective earth on no wire counts as "0".
    if (member.peTerminal >= 0 && member.peTerminal < kMaxMotorTerminals) m_found[member.peTerminal] = true;
}

bool MotorCall::hasLetter(int k) const { return k >= 0 && k < kMaxMotorTerminals && m_found[k]; }

char MotorCall::letter(int k) const { return hasLetter(k) ? m_letters[k] : kPotentialNone; }

bool MotorCall::readsAll(const int* terminals, const char* text) const {
    for (int i = 0; text[i] != '\0'; ++i)
        if (!reads(terminals[i], text[i])) return false;
    return true;
}

void MotorCall::scanTerminal(int k) {
    if (k < 0 || k >= m_member.terminalCount || k >= kMaxMotorTerminals) return;
    const int j = m_view.wireAtTerminal();
    if (j < 0) return;
    m_letters[k] = m_view.m_potential[j].letter();
    m_found[k] = true;
    if (m_readOnly) return;
    const int link = m_member.terminals[k].linkSlot;
    if (link >= 0 && link < kTerminalCount) m_view.m_terminalLink[m_slot][link] = j;
}

void MotorCall::markWire(int k, char c) {
    if (m_readOnly || !hasLetter(k) || k == m_member.peTerminal || k >= m_member.terminalCount) return;
    const int link = m_member.terminals[k].linkSlot;
    if (link < 0 || link >= kTerminalCount) return;
    const int j = m_view.m_terminalLink[m_slot][link];
    if (!m_view.isLive(j) || !isTerminalWire(m_view.m_type[j])) return;
    m_view.m_potential[j].setLetter(c);
}

// --- rotation tests ------------------------------------------------------------------------

const LetterTest kPhaseOrders[6] = {{"123", 1}, {"132", 2}, {"231", 1}, {"213", 2}, {"312", 1}, {"321", 2}};

int phaseOrder(const MotorCall& call, int a, int b, int c) {
    const int terminals[] = {a, b, c};
    for (const LetterTest& test : kPhaseOrders)
        if (call.readsAll(terminals, test.letters)) return test.code;
    return 0;
}

void applyPhaseOrders(MotorCall& call, int a, int b, int c, int forward, int reverse) {
    const int order = phaseOrder(call, a, b, c);
    if (order != 0) call.setRotation(order == 1 ? forward : reverse);
}

bool readsThree(const MotorCall& call, int a, int b, int c, char letter) {
    return call.reads(a, letter) && call.reads(b, letter) && call.reads(c, letter);
}

bool readsDc(const MotorCall& call, int a, int b) {
    return (call.reads(a, kPotentialPlus) && call.reads(b, kPotentialMinus)) ||
           (call.reads(a, kPotentialMinus) && call.reads(b, kPotentialPlus));
}

// --- the frame -----------------------------------------------------------------------------------

void DrawMotor(CVelkarionView& view, Dc& dc, double zoom, int x, int y, const MotorSymbol& m) {
    dc.selectBrush(Brush::hollow());
    // Taken once: a fault report reuses the loop index as its own loop variable.
    const int slot = view.m_loopIndex;
    const bool placed = isPlacedCall(view);
    const bool evaluating = placed && view.m_simulating == 1 && g_showOnly == 0;
    // A paint that only shows the run reads the letters the last tick left on the
    // wires and draws the rotation they give; it writes and reports nothing.
    const bool showing = placed && view.m_simulating == 1 && g_showOnly == 1;
    MotorDrawing d(view, dc, zoom, x, y);

    if (m.caption[0] != '\0') d.draw(textCommand({kTextFormat, m.labelColumn, "+015"}, m.caption));
    const std::string label =
        !placed ? std::string(m.previewLabel) : view.m_labelVisible[slot] == 1 ? view.m_label[slot] : std::string();
    d.draw(textCommand({kTextFormat, m.labelColumn, m.labelRow}, label));
    if (placed && view.m_label2Visible[slot] == 1)
        d.draw(textCommand({kTextFormat, m.labelColumn, m.secondRow}, view.m_label2[slot]));

    MotorCall call(view, slot, m);
    if (showing) call.readOnly();
    for (int k = 0; k < m.terminalCount && k < kMaxMotorTerminals; ++k) {
        const MotorTerminal& t = m.terminals[k];
        std::string name;
        if (!placed) name = t.name;
        else if (view.m_terminalNameVisible[slot][k] == 1)
            name = m.namesAsTyped ? view.m_terminalName[slot][k] : shownName(view.m_terminalName[slot][k]);
        else name = " ";
        d.draw(std::string(t.prefix) + terminalField(name));
        if (evaluating || showing) call.scanTerminal(k);
    }

    // The field in the current colour, after the outline.
    bool plainField = !evaluating && !showing;
    if (showing) {
        if (m.field.picture.size() != 0) {
            view.m_penColor = readsDc(call, m.field.a, m.field.b) ? g_colorRed : g_colorGrey;
            d.draw(m.field.picture);
            view.m_penColor = g_colorBlack;
        }
        if (m.rotationRule) m.rotationRule(call);
        showRotationInFull(d, view, m, call.rotation());
    }
    if (evaluating) {
        const char pe = call.letter(m.peTerminal);
        if (pe != kPotentialPE && pe != kPotentialNone) {
            // The report ends the simulation; the outline is still drawn.
            view.ReportFedEarthConnection();
            plainField = true;
        } else {
            if (m.field.picture.size() != 0) {
                view.m_penColor = readsDc(call, m.field.a, m.field.b) ? g_colorRed : g_colorGrey;
                d.draw(m.field.picture);
                view.m_penColor = g_colorBlack;
            }
            if (m.rotationRule) m.rotationRule(call);
            const int rotation = call.rotation();
            if (m.keepsCode) view.m_state[slot] = rotation;
            if (m.redrawnCode != 0 &&
                (rotation == m.redrawnCode || view.m_drawnState[slot] == m.redrawnCode || rotation == 0))
                view.m_drawnState[slot] = kDrawnStateUnknown;
            if (m.marksDeadWindings && g_simPass == kMarkPass)
                for (int k = 0; k < m.terminalCount; ++k)
                    if (m.terminals[k].linkSlot != kNoLinkSlot && call.reads(k, kPotentialNone))
                        call.markWire(k, kPotentialDeadWinding);
            if (g_simPass == kFinalSimPass) showRotation(d, view, slot, m, rotation);
        }
    }
    if (m.penFilledBody.solid.size() == 0) d.draw(m.outline);
    else if (!evaluating && !showing) d.draw(m.penFilledBody.solid);
    if (plainField) d.draw(m.field.picture);
}

}  // namespace velk
