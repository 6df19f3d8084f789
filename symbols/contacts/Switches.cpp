// Latching (stay-put) switches and limit switches, one of each contact form per
// family, and the intermediate (cross) switch. The mouse writes their state: a
// latching switch and the intermediate switch toggle at each press, a limit
// switch is actuated while the button holds it.
//
// The actuator glyph of a latching or limit switch is a dashed link at y 30 with
// the head at its left end, put together from three runs: the first dash (by
// family), the further dashes (by form; the NO form also by family) and the head
// (by family). Actuated, head and dashes stand 10 units nearer the contact.
#include "symbols/contacts/ContactTemplate.h"

namespace velk {

namespace {

enum class Family { Latching, Limit };

// One run of the glyph at rest and actuated.
struct GlyphRun {
    Commands rest;
    Commands actuated;
};

// --- first dash, by family ---------------------------------------------------------

constexpr const char* kLatchingFirstRest[] = {"LINE,-030,+030,-020,+030"};
constexpr const char* kLatchingFirstActuated[] = {"LINE,-020,+030,-010,+030"};
constexpr const char* kLimitFirstRest[] = {"LINE,-023,+030,-020,+030"};
constexpr const char* kLimitFirstActuated[] = {"LINE,-013,+030,-010,+030"};

// --- further dashes, by form --------------------------------------------------------

constexpr const char* kNOFurtherRest[] = {"LINE,-015,+030,-007,+030"};
constexpr const char* kNOLatchingFurtherActuated[] = {"LINE,-005,+030,-001,+030"};
constexpr const char* kNOLimitFurtherActuated[] = {"LINE,-005,+030,+001,+030"};

constexpr const char* kNCFurtherRest[] = {"LINE,-015,+030,-005,+030", "LINE,+000,+030,+008,+030"};
constexpr const char* kNCFurtherActuated[] = {"LINE,-005,+030,+005,+030"};

constexpr const char* kNONCFurtherRest[] = {"LINE,-015,+030,-005,+030", "LINE,+000,+030,+010,+030",
                                            "LINE,+015,+030,+025,+030", "LINE,+030,+030,+038,+030"};
constexpr const char* kNONCFurtherActuated[] = {"LINE,-005,+030,+005,+030", "LINE,+010,+030,+020,+030",
                                                "LINE,+025,+030,+035,+030", "LINE,+040,+030,+048,+030"};

constexpr const char* kChangeoverFurtherRest[] = {"LINE,-015,+030,-005,+030", "LINE,+000,+030,+010,+030"};
constexpr const char* kChangeoverFurtherActuated[] = {"LINE,-005,+030,+005,+030", "LINE,+010,+030,+020,+030"};

// --- heads, by family ---------------------------------------------------------------

// A bracket: a stroke towards the contact at its top, an outward one at its foot.
constexpr const char* kBracketRest[] = {"LINE,-030,+023,-030,+037", "LINE,-030,+023,-023,+023",
                                        "LINE,-030,+037,-037,+037"};
constexpr const char* kBracketActuated[] = {"LINE,-020,+023,-020,+037", "LINE,-020,+023,-013,+023",
                                            "LINE,-020,+037,-027,+037"};
// A roller of diameter 14 around (-30, 30).
constexpr const char* kRollerRest[] = {"ELIP,-037,+023,-023,+037"};
constexpr const char* kRollerActuated[] = {"ELIP,-027,+023,-013,+037"};

constexpr GlyphRun firstDash(Family family) {
    return family == Family::Latching ? GlyphRun{kLatchingFirstRest, kLatchingFirstActuated}
                                      : GlyphRun{kLimitFirstRest, kLimitFirstActuated};
}

constexpr GlyphRun furtherDashes(ContactForm form, Family family) {
    switch (form) {
        case ContactForm::NO:
            return {kNOFurtherRest, family == Family::Latching ? Commands(kNOLatchingFurtherActuated)
                                                               : Commands(kNOLimitFurtherActuated)};
        case ContactForm::NC: return {kNCFurtherRest, kNCFurtherActuated};
        case ContactForm::NONC: return {kNONCFurtherRest, kNONCFurtherActuated};
        case ContactForm::Changeover: return {kChangeoverFurtherRest, kChangeoverFurtherActuated};
        case ContactForm::Cross: break;
    }
    return {};
}

constexpr GlyphRun head(Family family) {
    return family == Family::Latching ? GlyphRun{kBracketRest, kBracketActuated}
                                      : GlyphRun{kRollerRest, kRollerActuated};
}

// Label "-S" at column -50; the changeovers put the second text at -20.
constexpr ContactSymbol switchRow(int type, ContactForm form, Family family, const char* n1, const char* n2,
                                  const char* n3 = nullptr, const char* n4 = nullptr) {
    const GlyphRun first = firstDash(family), further = furtherDashes(form, family), end = head(family);
    return {type,
            form,
            "-S",
            "-050",
            form == ContactForm::Changeover ? "-020" : "-050",
            {n1, n2, n3, n4},
            {},
            {{first.rest, further.rest, end.rest}},
            {{first.actuated, further.actuated, end.actuated}}};
}

constexpr ContactSymbol kSwitches[] = {
    switchRow(kTypeLatchingSwitchNO, ContactForm::NO, Family::Latching, "13", "14"),
    switchRow(kTypeLatchingSwitchNC, ContactForm::NC, Family::Latching, "11", "12"),
    switchRow(kTypeLatchingSwitchNONC, ContactForm::NONC, Family::Latching, "11", "13", "12", "14"),
    switchRow(kTypeLatchingSwitchChangeover, ContactForm::Changeover, Family::Latching, "11", "12", "14"),
    switchRow(kTypeLimitSwitchNO, ContactForm::NO, Family::Limit, "13", "14"),
    switchRow(kTypeLimitSwitchNC, ContactForm::NC, Family::Limit, "11", "12"),
    switchRow(kTypeLimitSwitchNONC, ContactForm::NONC, Family::Limit, "11", "13", "12", "14"),
    switchRow(kTypeLimitSwitchChangeover, ContactForm::Changeover, Family::Limit, "11", "12", "14"),
};

// The intermediate switch: the dashed link and the handle never move, so the
// whole actuator belongs to the fixed image.
constexpr const char* kIntermediateLink[] = {"LINE,-030,+030,-020,+030", "LINE,-015,+030,-005,+030",
                                             "LINE,+000,+030,+010,+030"};
constexpr const char* kIntermediateHandle[] = {"LINE,-030,+023,-030,+037", "LINE,-030,+023,-023,+023",
                                               "LINE,-030,+037,-037,+037"};
constexpr ContactSymbol kIntermediateSwitch{kTypeIntermediateSwitch,
                                            ContactForm::Cross,
                                            "-S",
                                            "-040",
                                            "-020",
                                            {"1", "2", "3", "4"},
                                            {{kIntermediateLink, kIntermediateHandle}},
                                            {},
                                            {}};

}  // namespace

void CVelkarionView::DrawLatchingSwitchNO(Dc& dc, double zoom, int ox, int oy) {
    DrawContact(*this, dc, zoom, ox, oy, kSwitches[0]);
}
void CVelkarionView::DrawLatchingSwitchNC(Dc& dc, double zoom, int ox, int oy) {
    DrawContact(*this, dc, zoom, ox, oy, kSwitches[1]);
}
void CVelkarionView::DrawLatchingSwitchNONC(Dc& dc, double zoom, int ox, int oy) {
    DrawContact(*this, dc, zoom, ox, oy, kSwitches[2]);
}
void CVelkarionView::DrawLatchingSwitchChangeover(Dc& dc, double zoom, int ox, int oy) {
    DrawContact(*this, dc, zoom, ox, oy, kSwitches[3]);
}
void CVelkarionView::DrawLimitSwitchNO(Dc& dc, double zoom, int ox, int oy) {
    DrawContact(*this, dc, zoom, ox, oy, kSwitches[4]);
}
void CVelkarionView::DrawLimitSwitchNC(Dc& dc, double zoom, int ox, int oy) {
    DrawContact(*this, dc, zoom, ox, oy, kSwitches[5]);
}
void CVelkarionView::DrawLimitSwitchNONC(Dc& dc, double zoom, int ox, int oy) {
    DrawContact(*this, dc, zoom, ox, oy, kSwitches[6]);
}
void CVelkarionView::DrawLimitSwitchChangeover(Dc& dc, double zoom, int ox, int oy) {
    DrawContact(*this, dc, zoom, ox, oy, kSwitches[7]);
}
void CVelkarionView::DrawIntermediateSwitch(Dc& dc, double zoom, int ox, int oy) {
    DrawContact(*this, dc, zoom, ox, oy, kIntermediateSwitch);
}

}  // namespace velk
