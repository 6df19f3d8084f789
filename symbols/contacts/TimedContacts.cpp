// The delayed contacts of the timer relays: one of each contact form for each of
// the three delay kinds. The glyph is put together from the dashed linkage (by form;
// the on/off-delay linkage starts 5 units further left to make room for its second
// arc) and the delay arcs (by kind). Actuated, the whole glyph stands 10 units
// nearer the blade. The timer relay of equal label writes their state, the cyclic
// one its pulse; a click does nothing to them.
#include "symbols/contacts/ContactTemplate.h"

namespace velk {

namespace {

enum class DelayKind { On, Off, OnOff };

struct GlyphPair {
    Commands rest;
    Commands actuated;
};

// --- linkages, by form and by whether the kind has two arcs -------------------------

constexpr const char* kNORestLink[] = {"LINE,-030,+030,-020,+030", "LINE,-015,+030,-007,+030"};
constexpr const char* kNOActuatedLink[] = {"LINE,-020,+030,-010,+030", "LINE,-005,+030,+003,+030"};
constexpr const char* kNORestLinkWide[] = {"LINE,-035,+030,-025,+030", "LINE,-020,+030,-010,+030"};
constexpr const char* kNOActuatedLinkWide[] = {"LINE,-025,+030,-015,+030", "LINE,-010,+030,+000,+030"};

constexpr const char* kNCRestLink[] = {"LINE,-030,+030,-020,+030", "LINE,-015,+030,-005,+030",
                                       "LINE,+000,+030,+008,+030"};
constexpr const char* kNCActuatedLink[] = {"LINE,-020,+030,-010,+030", "LINE,-005,+030,+005,+030"};
constexpr const char* kNCRestLinkWide[] = {"LINE,-035,+030,-025,+030", "LINE,-020,+030,-010,+030",
                                           "LINE,-005,+030,+005,+030"};
constexpr const char* kNCActuatedLinkWide[] = {"LINE,-025,+030,-015,+030", "LINE,-010,+030,+000,+030"};

constexpr const char* kNONCRestLink[] = {"LINE,-030,+030,-020,+030", "LINE,-015,+030,-005,+030",
                                         "LINE,+000,+030,+010,+030", "LINE,+015,+030,+025,+030",
                                         "LINE,+030,+030,+038,+030"};
constexpr const char* kNONCActuatedLink[] = {"LINE,-020,+030,-010,+030", "LINE,-005,+030,+005,+030",
                                             "LINE,+010,+030,+020,+030", "LINE,+025,+030,+035,+030"};
constexpr const char* kNONCRestLinkWide[] = {"LINE,-035,+030,-025,+030", "LINE,-020,+030,-010,+030",
                                             "LINE,-005,+030,+005,+030", "LINE,+010,+030,+020,+030",
                                             "LINE,+025,+030,+035,+030"};
constexpr const char* kNONCActuatedLinkWide[] = {"LINE,-025,+030,-015,+030", "LINE,-010,+030,+000,+030",
                                                 "LINE,+005,+030,+015,+030", "LINE,+020,+030,+030,+030",
                                                 "LINE,+035,+030,+045,+030"};

constexpr const char* kChangeoverRestLink[] = {"LINE,-030,+030,-020,+030", "LINE,-015,+030,-005,+030",
                                               "LINE,+000,+030,+010,+030"};
constexpr const char* kChangeoverActuatedLink[] = {"LINE,-020,+030,-010,+030", "LINE,-005,+030,+005,+030",
                                                   "LINE,+010,+030,+020,+030"};
constexpr const char* kChangeoverRestLinkWide[] = {"LINE,-035,+030,-025,+030", "LINE,-020,+030,-010,+030",
                                                   "LINE,-005,+030,+005,+030"};
constexpr const char* kChangeoverActuatedLinkWide[] = {"LINE,-025,+030,-015,+030", "LINE,-010,+030,-000,+030",
                                                       "LINE,+005,+030,+015,+030"};

// Indexed by ContactForm, then 0 for one arc and 1 for the on/off-delay's two.
constexpr GlyphPair kLinkages[][2] = {
    {{kNORestLink, kNOActuatedLink}, {kNORestLinkWide, kNOActuatedLinkWide}},
    {{kNCRestLink, kNCActuatedLink}, {kNCRestLinkWide, kNCActuatedLinkWide}},
    {{kNONCRestLink, kNONCActuatedLink}, {kNONCRestLinkWide, kNONCActuatedLinkWide}},
    {{kChangeoverRestLink, kChangeoverActuatedLink}, {kChangeoverRestLinkWide, kChangeoverActuatedLinkWide}},
};

// --- arcs, by kind --------------------------------------------------------------------

// Top to bottom.
constexpr const char* kOnDelayRestArc[] = {"ARCO,-030,+020,-010,+040,-020,+020,-020,+040"};
constexpr const char* kOnDelayActuatedArc[] = {"ARCO,-020,+020,+000,+040,-010,+020,-010,+040"};
// The NO+NC member writes the right edge of its actuated box as "-000": the same 0.
constexpr const char* kOnDelayActuatedArcNONC[] = {"ARCO,-020,+020,-000,+040,-010,+020,-010,+040"};
// Bottom to top, the box 10 units further left.
constexpr const char* kOffDelayRestArc[] = {"ARCO,-040,+020,-020,+040,-030,+040,-030,+020"};
constexpr const char* kOffDelayActuatedArc[] = {"ARCO,-030,+020,-010,+040,-020,+040,-020,+020"};
// One of each direction in one box, 2 units either side of its centre line.
constexpr const char* kOnOffDelayRestArcs[] = {"ARCO,-035,+020,-015,+040,-027,+020,-027,+040",
                                               "ARCO,-035,+020,-015,+040,-023,+040,-023,+020"};
constexpr const char* kOnOffDelayActuatedArcs[] = {"ARCO,-025,+020,-005,+040,-017,+020,-017,+040",
                                                   "ARCO,-025,+020,-005,+040,-013,+040,-013,+020"};

// Indexed by DelayKind.
constexpr GlyphPair kArcs[] = {
    {kOnDelayRestArc, kOnDelayActuatedArc},
    {kOffDelayRestArc, kOffDelayActuatedArc},
    {kOnOffDelayRestArcs, kOnOffDelayActuatedArcs},
};

struct Names {
    const char* at[kMaxContactTerminals];
};
// Indexed by ContactForm.
constexpr Names kNames[] = {
    {{"67", "68"}},
    {{"55", "56"}},
    {{"55", "57", "56", "58"}},
    {{"55", "56", "58"}},
};

constexpr ContactSymbol timedContact(int type, ContactForm form, DelayKind kind) {
    const int f = static_cast<int>(form);
    const GlyphPair& link = kLinkages[f][kind == DelayKind::OnOff ? 1 : 0];
    const GlyphPair& arcs = kArcs[static_cast<int>(kind)];
    const Commands actuatedArcs =
        kind == DelayKind::On && form == ContactForm::NONC ? Commands(kOnDelayActuatedArcNONC) : arcs.actuated;
    const Names& names = kNames[f];
    return {type,
            form,
            "-KA",
            "-040",
            "-040",
            {names.at[0], names.at[1], names.at[2], names.at[3]},
            {},
            {{link.rest, arcs.rest}},
            {{link.actuated, actuatedArcs}}};
}

constexpr ContactSymbol kTimedContacts[] = {
    timedContact(kTypeOnDelayContactNO, ContactForm::NO, DelayKind::On),
    timedContact(kTypeOnDelayContactNC, ContactForm::NC, DelayKind::On),
    timedContact(kTypeOnDelayContactNONC, ContactForm::NONC, DelayKind::On),
    timedContact(kTypeOnDelayContactChangeover, ContactForm::Changeover, DelayKind::On),
    timedContact(kTypeOffDelayContactNO, ContactForm::NO, DelayKind::Off),
    timedContact(kTypeOffDelayContactNC, ContactForm::NC, DelayKind::Off),
    timedContact(kTypeOffDelayContactNONC, ContactForm::NONC, DelayKind::Off),
    timedContact(kTypeOffDelayContactChangeover, ContactForm::Changeover, DelayKind::Off),
    timedContact(kTypeOnOffDelayContactNO, ContactForm::NO, DelayKind::OnOff),
    timedContact(kTypeOnOffDelayContactNC, ContactForm::NC, DelayKind::OnOff),
    timedContact(kTypeOnOffDelayContactNONC, ContactForm::NONC, DelayKind::OnOff),
    timedContact(kTypeOnOffDelayContactChangeover, ContactForm::Changeover, DelayKind::OnOff),
};

}  // namespace

void CVelkarionView::DrawOnDelayContactNO(Dc& dc, double zoom, int ox, int oy) {
    DrawContact(*this, dc, zoom, ox, oy, kTimedContacts[0]);
}
void CVelkarionView::DrawOnDelayContactNC(Dc& dc, double zoom, int ox, int oy) {
    DrawContact(*this, dc, zoom, ox, oy, kTimedContacts[1]);
}
void CVelkarionView::DrawOnDelayContactNONC(Dc& dc, double zoom, int ox, int oy) {
    DrawContact(*this, dc, zoom, ox, oy, kTimedContacts[2]);
}
void CVelkarionView::DrawOnDelayContactChangeover(Dc& dc, double zoom, int ox, int oy) {
    DrawContact(*this, dc, zoom, ox, oy, kTimedContacts[3]);
}
void CVelkarionView::DrawOffDelayContactNO(Dc& dc, double zoom, int ox, int oy) {
    DrawContact(*this, dc, zoom, ox, oy, kTimedContacts[4]);
}
void CVelkarionView::DrawOffDelayContactNC(Dc& dc, double zoom, int ox, int oy) {
    DrawContact(*this, dc, zoom, ox, oy, kTimedContacts[5]);
}
void CVelkarionView::DrawOffDelayContactNONC(Dc& dc, double zoom, int ox, int oy) {
    DrawContact(*this, dc, zoom, ox, oy, kTimedContacts[6]);
}
void CVelkarionView::DrawOffDelayContactChangeover(Dc& dc, double zoom, int ox, int oy) {
    DrawContact(*this, dc, zoom, ox, oy, kTimedContacts[7]);
}
void CVelkarionView::DrawOnOffDelayContactNO(Dc& dc, double zoom, int ox, int oy) {
    DrawContact(*this, dc, zoom, ox, oy, kTimedContacts[8]);
}
void CVelkarionView::DrawOnOffDelayContactNC(Dc& dc, double zoom, int ox, int oy) {
    DrawContact(*this, dc, zoom, ox, oy, kTimedContacts[9]);
}
void CVelkarionView::DrawOnOffDelayContactNONC(Dc& dc, double zoom, int ox, int oy) {
    DrawContact(*this, dc, zoom, ox, oy, kTimedContacts[10]);
}
void CVelkarionView::DrawOnOffDelayContactChangeover(Dc& dc, double zoom, int ox, int oy) {
    DrawContact(*this, dc, zoom, ox, oy, kTimedContacts[11]);
}

}  // namespace velk
