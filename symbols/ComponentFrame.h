#pragma once
// What every component routine does the same way: the label texts, the terminal
// commands and the scan of the wires at each terminal, sources that force their
// letter onto the wires, poles that feed the dead side's net, the state colour,
// the redraw of a state picture only when the state changed, and the stop after a
// fault report. A routine makes one ComponentFrame on entry and keeps to its own
// texts, offsets, terminals and conditions:
//
//     ComponentFrame f(*this, dc, zoom, ox, oy);
//     f.drawLabels(kFuseLabels);
//     f.useStateColor();
//     f.terminal("NUME,+005,+000,%c%c%c%c", 0, "1");
//     f.terminal("NUME,+005,+045,%c%c%c%c", 1, "2");
//     if (!f.conductPoles(kOnePole, f.state() == 0, ClashCheck::Sides)) return;
//     f.drawStatePicture(kFusePicture);
//
// The slot is read once, on entry. The preview (the tool being placed) reads no
// column of any slot. Once a fault report has stopped the simulation the frame
// draws, tests and writes nothing more, and every helper that can report says so
// by returning false: the routine then returns at once.
#include <algorithm>
#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "model/VelkarionView.h"
#include "render/Colors.h"
#include "render/SlotLookups.h"
#include "render/Terminals.h"

namespace velk {

// A run of symbol commands kept verbatim in a table.
class Commands {
public:
    constexpr Commands() = default;
    template <std::size_t N>
    constexpr Commands(const char* const (&list)[N]) : m_first(list), m_count(N) {}
    constexpr const char* const* begin() const { return m_first; }
    constexpr const char* const* end() const { return m_first + m_count; }
    constexpr std::size_t size() const { return m_count; }

private:
    const char* const* m_first = nullptr;
    std::size_t m_count = 0;
};

// Where a text goes: the "TEXT" format with its alignment digit and the two
// four-character offsets, for example {"TEXT,%3s,%3s,%5s,2", "-010", "-023"}.
struct TextSpot {
    const char* format;
    const char* dx;
    const char* dy;
};

// A family's label and second text. The preview shows previewLabel ("" where the
// family has none) and never a second text.
struct LabelLayout {
    const char* previewLabel;
    TextSpot label;
    TextSpot second;
};

// Two terminals joined by one pole of a switching device (terminal indices).
struct Pole {
    int top;
    int bottom;
};

// What a terminal scan keeps of the wire it found: its net number (devices that
// feed whole nets) or its slot (devices that write their own output wire).
enum class WireLink { Net, Slot };

// Whether a conducting device checks the letters of its two sides against each
// other before it feeds.
enum class ClashCheck { Sides, None };

// A symbol picture that depends on the device state: the parts every state shows,
// those of state 0 (the rest picture) and those of state 1.
struct StatePicture {
    Commands fixed;
    Commands rest;
    Commands operated;
};

// Slots a conducting device feeds by net: the terminal wires and connection dots.
constexpr bool isFedByNet(int t) { return isTerminalWire(t) || t == kTypeConnectionDot; }

// The colour of a source's letter while simulating.
Color supplyLetterColor(char letter);

// A text as it may go into a command: label and second text at most five
// characters, a terminal name at most four.
std::string labelField(const std::string& text);
std::string terminalField(const std::string& name);

// Fills the "%3s,%3s,%5s" of a "TEXT" format; the text is cut to five characters.
std::string textCommand(const TextSpot& spot, const std::string& text);
// Replaces the "%c%c%c%c" that ends a terminal format by the first four characters
// of the name; a shorter name ends the command after its last character.
std::string terminalCommand(const char* format, const std::string& name);

// The terminal scan into terminal entry k of `slot` (a slot of the routine's own,
// such as a control block's companion): the letter of the wire at the terminal
// just drawn and its net or slot, the last wire in slot order winning; '0' and
// the link left as it was when no wire ends there. Gives the wire, or -1.
int scanTerminalInto(CVelkarionView& view, int slot, int k, WireLink link);

class ComponentFrame {
public:
    // Most symbols draw outlines only, so the null brush is selected first; the
    // terminal circles keep the brush they are given.
    enum class Brush { Null, Keep };

    ComponentFrame(CVelkarionView& view, Dc& dc, double zoom, int ox, int oy, Brush brush = Brush::Null);
    ComponentFrame(const ComponentFrame&) = delete;
    ComponentFrame& operator=(const ComponentFrame&) = delete;

    // --- who is drawn -------------------------------------------------------------
    bool preview() const { return !m_placed; }
    // A placed slot while the simulation runs and no report has stopped it.
    bool evaluating() const { return m_evaluatingAtEntry && m_view.m_simulating == 1; }
    // A fault report has ended this call: nothing more may happen in it.
    bool stopped() const { return m_evaluatingAtEntry && m_view.m_simulating != 1; }
    // A placed slot in a paint that shows the run as it stands (g_showOnly): the
    // state is drawn in full, nothing is evaluated and the redraw cache is kept.
    bool showing() const { return m_showing; }
    int slot() const { return m_slot; }
    CVelkarionView& view() { return m_view; }
    Dc& dc() { return m_dc; }
    double zoom() const { return m_zoom; }
    double scale() const { return m_scale; }
    int originX() const { return m_ox; }
    int originY() const { return m_oy; }
    // The device state of the slot; 0 in the preview.
    int state() const;

    // --- drawing ------------------------------------------------------------------
    void draw(std::string_view command);
    void draw(Commands commands);
    // The label and, for a placed slot that shows it, the second text. Gives the
    // text formatted last (cut to five characters), which some families repeat
    // at their terminal.
    std::string drawLabels(const LabelLayout& layout);
    // While evaluating, the colour of what follows; outside simulation the
    // paint's colour stays.
    void setPenColor(Color c);
    // Red for state 1, grey otherwise.
    Color stateColor() const;
    void useStateColor() { setPenColor(stateColor()); }
    // Devices with several positions count every position from 1 up as operated:
    // red from state 1 up, grey at 0.
    Color positionColor() const;
    void usePositionColor() { setPenColor(positionColor()); }
    // Outside simulation the fixed and rest parts, every call. While showing the
    // run, the whole picture of the state, every call. While evaluating only
    // when the state differs from the one last drawn: the fixed parts in the state
    // colour, the other state's parts erased in white, the state's own parts in
    // its colour. False when nothing was drawn because nothing changed.
    bool drawStatePicture(const StatePicture& picture);
    // The same rule for a picture the routine composes itself: drawPart is called
    // for each part to be drawn, in that order, with the pen colour already set.
    enum class PicturePart { Fixed, Rest, Operated };
    bool drawStateParts(const std::function<void(PicturePart)>& drawPart);
    // The same where the family decides which states show the operated picture
    // (in red) rather than state 1 alone.
    bool drawStateParts(const std::function<void(PicturePart)>& drawPart, bool operated);
    // A device with one picture per position (state 0 to count - 1) beside its
    // fixed parts. drawPosition(kFixedParts) draws the fixed parts, drawPosition(p)
    // the picture of position p. Outside simulation the fixed parts and position 0,
    // every call. While evaluating, only when the state differs from the one last
    // drawn: the fixed parts in the position colour, every other position erased in
    // white (whatever the order the positions were taken in), then the current
    // position in its own colour from positionColors. A state outside the
    // positions shows none of them.
    static constexpr int kFixedParts = -1;
    bool drawPositionParts(int count, const Color* positionColors, const std::function<void(int)>& drawPosition);

    // --- terminals ------------------------------------------------------------------
    // The name text of terminal k: the default name in the preview, else the slot's
    // name when it is shown, else a single blank.
    std::string terminalName(int k, const char* previewName) const;
    // The terminal command with a name (the interpreter leaves the terminal point).
    void drawTerminal(const char* format, const std::string& name);
    // While evaluating: the letter of the wire at the terminal just drawn into
    // terminal entry k, and its net or slot into link entry k; the last wire in
    // slot order wins. A terminal without a wire in this call reads '0', so no
    // letter found earlier supplies the device, clashes or feeds a net; its link
    // stays, and nothing is fed or written through it (see wireFoundAt).
    void scanTerminal(int k, WireLink link = WireLink::Net);
    // Both of the above for terminal k with the slot's name.
    void terminal(const char* format, int k, const char* previewName, WireLink link = WireLink::Net);
    // Whether the scan of terminal k found a wire in this call.
    bool wireFoundAt(int k) const;
    // The letter recorded at terminal k ('0' in the preview).
    char letterAt(int k) const;

    // --- evaluation (each does nothing unless evaluating; false after a report) ----
    // A source: every wire at the terminal just drawn, in slot order, is checked
    // against the letter (short circuit or earth fault) and then carries it.
    bool feedWiresAtTerminal(char letter);
    // Two letters meet.
    bool checkClash(char a, char b);
    // While the device conducts, each pole (in order) has its sides checked when
    // asked, then every wire and dot of the dead side's net takes the live side's
    // letter, with the fed mark in that wire's entry of the dead terminal. Only a
    // side whose wire was found in this call is fed, and never net 0.
    bool conductPoles(const Pole* poles, std::size_t count, bool conducts, ClashCheck check);
    template <std::size_t N>
    bool conductPoles(const Pole (&poles)[N], bool conducts, ClashCheck check) {
        return conductPoles(poles, N, conducts, check);
    }
    // Every wire and dot of terminal k's net takes the letter, with the fed mark in
    // that wire's entry k; only when the scan of terminal k found a wire in this
    // call, and never net 0.
    void feedNetAt(int k, char letter);
    // Devices that own their output wire write it directly, without a check, and
    // only when the scan of terminal k (kept as a slot) found it in this call.
    void writeLinkedWire(int k, char letter);

    // Every live wire and dot a feed into one of `nets` may reach, in slot order:
    // those of the nets while a paint has its lookups, else every one. The visit
    // still checks the net itself.
    template <typename Visit>
    void forEachFedSlot(const int* nets, std::size_t count, Visit visit) const {
        const SlotLookups* lookups = m_view.paintLookups();
        if (!lookups) {
            for (int j = 0; j < m_view.m_componentCount; ++j)
                if (isLiveFeedSlot(j)) visit(j);
            return;
        }
        std::vector<int>& slots = lookups->scratch;
        slots.clear();
        std::size_t distinct = 0;
        for (std::size_t i = 0; i < count; ++i) {
            bool seen = false;
            for (std::size_t d = 0; d < i; ++d) seen = seen || nets[d] == nets[i];
            if (seen) continue;
            ++distinct;
            lookups->nets.forEach(nets[i], [&](int j) {
                if (isFedByNet(m_view.m_type[j])) slots.push_back(j);
            });
        }
        if (distinct > 1) std::sort(slots.begin(), slots.end());
        for (int j : slots) visit(j);
    }

private:
    bool isLiveFeedSlot(int j) const;

    CVelkarionView& m_view;
    Dc& m_dc;
    const double m_zoom;
    const double m_scale;
    const int m_ox, m_oy;
    const int m_slot;
    const bool m_placed;
    const bool m_evaluatingAtEntry;
    const bool m_showing;
    unsigned m_foundThisCall = 0;  // bit k: terminal k found a wire in this call
};

}  // namespace velk
