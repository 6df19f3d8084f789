// The shared steps of the component routines (see ComponentFrame.h).
#include "symbols/ComponentFrame.h"

#include <algorithm>
#include <cstdio>
#include <string_view>

#include "render/Colors.h"
#include "render/Paint.h"
#include "render/Potentials.h"

namespace velk {

namespace {

constexpr std::size_t kLabelLength = 5;
constexpr std::size_t kTerminalNameLength = 4;
constexpr std::string_view kNamePlaceholder = "%c%c%c%c";

struct LetterColor {
    char letter;
    Color color;
};
constexpr LetterColor kSupplyColors[] = {
    {kPotentialL1, g_colorMaroon},     {kPotentialL2, g_colorMaroon}, {kPotentialL3, g_colorMaroon},
    {kPotentialNeutral, g_colorBlue},  {kPotentialPE, g_colorGreen},  {kPotentialPlus, g_colorRed},
    {kPotentialMinus, g_colorBlack},
};

}  // namespace

Color supplyLetterColor(char letter) {
    for (const LetterColor& row : kSupplyColors)
        if (row.letter == letter) return row.color;
    return g_colorGrey;
}

std::string labelField(const std::string& text) { return text.substr(0, kLabelLength); }

std::string terminalField(const std::string& name) { return name.substr(0, kTerminalNameLength); }

namespace {

// Room for a label's text command (as the C library's formatting had it) and for
// a terminal's.
constexpr std::size_t kTextCommandCapacity = 64;
constexpr std::size_t kTerminalCommandCapacity = 128;

// The text command of a label spot: the format's "%Ns" fields take the column, the
// row and the text, right-aligned in N characters as printf would put them. Labels
// are drawn for every slot in every pass, so the usual formats are put together
// here; any other format goes to the C library.
std::string_view composeTextCommand(char (&out)[kTextCommandCapacity], const TextSpot& spot,
                                    const std::string& text) {
    const std::string field = labelField(text);
    const char* const args[] = {spot.dx, spot.dy, field.c_str()};
    std::size_t n = 0;
    int next = 0;
    bool plain = true;
    const auto put = [&](char c) {
        if (n + 1 < kTextCommandCapacity) out[n++] = c;
    };
    for (const char* f = spot.format; *f != '\0' && plain; ++f) {
        if (*f != '%') {
            put(*f);
            continue;
        }
        std::size_t width = 0;
        const char* d = f + 1;
        while (*d >= '0' && *d <= '9') width = width * 10 + static_cast<std::size_t>(*d++ - '0');
        if (*d != 's' || next >= 3) {
            plain = false;
            break;
        }
        const std::string_view arg(args[next++]);
        for (std::size_t pad = arg.size(); pad < width; ++pad) put(' ');
        for (const char c : arg) put(c);
        f = d;
    }
    if (plain) return {out, n};
    const int written = std::snprintf(out, kTextCommandCapacity, spot.format, spot.dx, spot.dy, field.c_str());
    if (written < 0) return {};
    return {out, std::min(static_cast<std::size_t>(written), kTextCommandCapacity - 1)};
}

// The terminal command with the name in place of the placeholder, written into
// `out`; a command that would not fit is cut at its capacity. Drawn for every
// terminal in every pass, so it is put together without the heap.
std::string_view composeTerminalCommand(char (&out)[kTerminalCommandCapacity], const char* format,
                                        const std::string& name) {
    const std::string_view f(format);
    const std::size_t at = f.find(kNamePlaceholder);
    std::size_t n = 0;
    const auto put = [&](std::string_view part) {
        const std::size_t take = std::min(part.size(), kTerminalCommandCapacity - n);
        part.copy(out + n, take);
        n += take;
    };
    if (at == std::string_view::npos) {
        put(f);
    } else {
        put(f.substr(0, at));
        put(std::string_view(name).substr(0, kTerminalNameLength));
        put(f.substr(at + kNamePlaceholder.size()));
    }
    return {out, n};
}

}  // namespace

std::string textCommand(const TextSpot& spot, const std::string& text) {
    char buffer[kTextCommandCapacity];
    return std::string(composeTextCommand(buffer, spot, text));
}

std::string terminalCommand(const char* format, const std::string& name) {
    char buffer[kTerminalCommandCapacity];
    return std::string(composeTerminalCommand(buffer, format, name));
}

// --- ComponentFrame ---------------------------------------------------------------------

namespace {
bool isPlacedCall(const CVelkarionView& v) {
    return v.m_drawingPlaced == 1 && v.m_loopIndex >= 0 && v.m_loopIndex < v.m_componentCount &&
           CVelkarionView::isSlotIndex(v.m_loopIndex);
}
}  // namespace

ComponentFrame::ComponentFrame(CVelkarionView& view, Dc& dc, double zoom, int ox, int oy, Brush brush)
    : m_view(view),
      m_dc(dc),
      m_zoom(zoom),
      m_scale(zoom / 5),
      m_ox(ox),
      m_oy(oy),
      m_slot(view.m_loopIndex),
      m_placed(isPlacedCall(view)),
      m_evaluatingAtEntry(m_placed && view.m_simulating == 1 && g_showOnly == 0),
      m_showing(m_placed && view.m_simulating == 1 && g_showOnly == 1) {
    if (brush == Brush::Null) m_dc.selectBrush(velk::Brush::hollow());
}

int ComponentFrame::state() const { return m_placed ? m_view.m_state[m_slot] : 0; }

void ComponentFrame::draw(std::string_view command) {
    if (stopped()) return;
    m_view.DrawCommand(m_dc, command, m_scale, m_ox, m_oy);
}

void ComponentFrame::draw(Commands commands) {
    for (const char* command : commands) draw(command);
}

std::string ComponentFrame::drawLabels(const LabelLayout& layout) {
    std::string last;
    if (m_placed)
        last = m_view.m_labelVisible[m_slot] == 1 ? labelField(m_view.m_label[m_slot]) : std::string();
    else
        last = labelField(layout.previewLabel);
    char buffer[kTextCommandCapacity];
    draw(composeTextCommand(buffer, layout.label, last));
    if (m_placed && m_view.m_label2Visible[m_slot] == 1) {
        last = labelField(m_view.m_label2[m_slot]);
        draw(composeTextCommand(buffer, layout.second, last));
    }
    return last;
}

void ComponentFrame::setPenColor(Color c) {
    if (evaluating() || showing()) m_view.m_penColor = c;
}

Color ComponentFrame::stateColor() const { return state() == 1 ? g_colorRed : g_colorGrey; }

Color ComponentFrame::positionColor() const { return state() >= 1 ? g_colorRed : g_colorGrey; }

bool ComponentFrame::drawStatePicture(const StatePicture& picture) {
    return drawStateParts([&](PicturePart part) {
        switch (part) {
            case PicturePart::Fixed: draw(picture.fixed); break;
            case PicturePart::Rest: draw(picture.rest); break;
            case PicturePart::Operated: draw(picture.operated); break;
        }
    });
}

bool ComponentFrame::drawStateParts(const std::function<void(PicturePart)>& drawPart) {
    return drawStateParts(drawPart, state() == 1);
}

bool ComponentFrame::drawStateParts(const std::function<void(PicturePart)>& drawPart, bool operated) {
    if (stopped()) return false;
    if (!evaluating() && !showing()) {
        drawPart(PicturePart::Fixed);
        drawPart(PicturePart::Rest);
        return true;
    }
    const int now = m_view.m_state[m_slot];
    // A paint that only shows the run draws the whole picture of the state and
    // keeps the redraw cache; simulation paints do not erase, so they draw only
    // when the state changed.
    if (!showing()) {
        if (now == m_view.m_drawnState[m_slot]) return false;
        m_view.m_drawnState[m_slot] = now;
    }
    const Color color = operated ? g_colorRed : g_colorGrey;
    const PicturePart own = operated ? PicturePart::Operated : PicturePart::Rest;
    const PicturePart other = operated ? PicturePart::Rest : PicturePart::Operated;
    m_view.m_penColor = color;
    drawPart(PicturePart::Fixed);
    m_view.m_penColor = g_colorWhite;
    drawPart(other);
    m_view.m_penColor = color;
    drawPart(own);
    return true;
}

bool ComponentFrame::drawPositionParts(int count, const Color* positionColors,
                                       const std::function<void(int)>& drawPosition) {
    if (stopped()) return false;
    if (!evaluating() && !showing()) {
        drawPosition(kFixedParts);
        if (count > 0) drawPosition(0);
        return true;
    }
    const int now = m_view.m_state[m_slot];
    if (!showing()) {
        if (now == m_view.m_drawnState[m_slot]) return false;
        m_view.m_drawnState[m_slot] = now;
    }
    m_view.m_penColor = positionColor();
    drawPosition(kFixedParts);
    m_view.m_penColor = g_colorWhite;
    for (int p = 0; p < count; ++p)
        if (p != now) drawPosition(p);
    if (now >= 0 && now < count) {
        m_view.m_penColor = positionColors[now];
        drawPosition(now);
    }
    return true;
}

std::string ComponentFrame::terminalName(int k, const char* previewName) const {
    if (!m_placed) return terminalField(previewName);
    if (m_view.m_terminalNameVisible[m_slot][k] != 1) return " ";
    return terminalField(m_view.m_terminalName[m_slot][k]);
}

void ComponentFrame::drawTerminal(const char* format, const std::string& name) {
    char buffer[kTerminalCommandCapacity];
    draw(composeTerminalCommand(buffer, format, name));
}

int scanTerminalInto(CVelkarionView& view, int slot, int k, WireLink link) {
    if (!CVelkarionView::isSlotIndex(slot) || k < 0 || k >= kTerminalCount) return -1;
    const int j = view.wireAtTerminal();
    if (j < 0) {
        view.m_terminalPotential[slot][k].setLetter(kPotentialNone);
        return -1;
    }
    view.m_terminalPotential[slot][k].setLetter(view.m_potential[j].letter());
    view.m_terminalLink[slot][k] = link == WireLink::Net ? view.m_netNumber[j] : j;
    return j;
}

void ComponentFrame::scanTerminal(int k, WireLink link) {
    if (!evaluating()) return;
    if (scanTerminalInto(m_view, m_slot, k, link) >= 0) m_foundThisCall |= 1u << k;
}

void ComponentFrame::terminal(const char* format, int k, const char* previewName, WireLink link) {
    drawTerminal(format, terminalName(k, previewName));
    scanTerminal(k, link);
}

bool ComponentFrame::wireFoundAt(int k) const {
    return k >= 0 && k < kTerminalCount && (m_foundThisCall & (1u << k)) != 0;
}

char ComponentFrame::letterAt(int k) const {
    return m_placed ? m_view.m_terminalPotential[m_slot][k].letter() : kPotentialNone;
}

bool ComponentFrame::feedWiresAtTerminal(char letter) {
    if (!evaluating()) return !stopped();
    for (int j = m_view.nextWireAtTerminal(-1); j >= 0; j = m_view.nextWireAtTerminal(j)) {
        if (!checkClash(letter, m_view.m_potential[j].letter())) return false;
        m_view.m_potential[j].setLetter(letter);
    }
    return true;
}

bool ComponentFrame::checkClash(char a, char b) {
    if (!evaluating()) return !stopped();
    m_view.CheckPotentialClash(a, b);
    return !stopped();
}

bool ComponentFrame::isLiveFeedSlot(int j) const { return m_view.isLive(j) && isFedByNet(m_view.m_type[j]); }

bool ComponentFrame::conductPoles(const Pole* poles, std::size_t count, bool conducts, ClashCheck check) {
    if (!evaluating()) return !stopped();
    if (!conducts) return true;
    if (check == ClashCheck::Sides) {
        for (std::size_t p = 0; p < count; ++p)
            if (!checkClash(letterAt(poles[p].top), letterAt(poles[p].bottom))) return false;
    }
    // The live side feeds the dead side's net, whichever way round. The letters do
    // not change during the walk, so neither does what each pole feeds.
    struct Feed {
        int dead;
        char live;
    };
    constexpr std::size_t kMaxPoles = kTerminalCount;
    Feed feeds[kMaxPoles];
    int nets[kMaxPoles];
    std::size_t netCount = 0;
    const std::size_t n = count < kMaxPoles ? count : kMaxPoles;
    for (std::size_t p = 0; p < n; ++p) {
        const int t = poles[p].top, b = poles[p].bottom;
        const char atTop = letterAt(t), atBottom = letterAt(b);
        feeds[p] = {-1, kPotentialNone};
        if (atTop != kPotentialNone && atBottom == kPotentialNone)
            feeds[p] = {b, atTop};
        else if (atTop == kPotentialNone && atBottom != kPotentialNone)
            feeds[p] = {t, atBottom};
        const int dead = feeds[p].dead;
        if (dead < 0 || !wireFoundAt(dead)) {
            feeds[p].dead = -1;
            continue;
        }
        nets[netCount++] = m_view.m_terminalLink[m_slot][dead];
    }
    if (netCount == 0) return true;
    forEachFedSlot(nets, netCount, [&](int j) {
        const int net = m_view.m_netNumber[j];
        if (net == 0) return;
        for (std::size_t p = 0; p < n; ++p) {
            const int dead = feeds[p].dead;
            if (dead < 0 || m_view.m_terminalLink[m_slot][dead] != net) continue;
            m_view.m_potential[j].setLetter(feeds[p].live);
            m_view.m_terminalPotential[j][dead].setLetter(kPotentialFedMark);
        }
    });
    return true;
}

void ComponentFrame::feedNetAt(int k, char letter) {
    if (!evaluating() || !wireFoundAt(k)) return;
    const int net = m_view.m_terminalLink[m_slot][k];
    if (net == 0) return;
    forEachFedSlot(&net, 1, [&](int j) {
        if (m_view.m_netNumber[j] != net) return;
        m_view.m_potential[j].setLetter(letter);
        m_view.m_terminalPotential[j][k].setLetter(kPotentialFedMark);
    });
}

void ComponentFrame::writeLinkedWire(int k, char letter) {
    if (!evaluating() || !wireFoundAt(k)) return;
    const int j = m_view.m_terminalLink[m_slot][k];
    if (!m_view.isLive(j) || !isTerminalWire(m_view.m_type[j])) return;
    m_view.m_potential[j].setLetter(letter);
}

}  // namespace velk
