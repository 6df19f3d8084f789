// The contacts of the thermal overload relay, numbered in the 95 to 98 range. Beside
// the contact stands the thermal element's step mark, which never moves; the dashed
// linkage with its two ticks moves with the blade. A click on the relay of equal
// label trips and resets them.
#include "symbols/contacts/ContactTemplate.h"

namespace velk {

namespace {

// The step mark, at its x per form: beside the single blade, right of the NO+NC's
// second pole, right of the changeover's T3 stop.
constexpr const char* kMarkBesideBlade[] = {"LINE,+019,+020,+019,+025", "LINE,+019,+025,+025,+025",
                                            "LINE,+025,+025,+025,+035", "LINE,+019,+035,+025,+035",
                                            "LINE,+019,+035,+019,+040"};
constexpr const char* kMarkBesidePair[] = {"LINE,+064,+020,+064,+025", "LINE,+064,+025,+070,+025",
                                           "LINE,+070,+025,+070,+035", "LINE,+064,+035,+070,+035",
                                           "LINE,+064,+035,+064,+040"};
constexpr const char* kMarkBesideChangeover[] = {"LINE,+049,+020,+049,+025", "LINE,+049,+025,+055,+025",
                                                 "LINE,+055,+025,+055,+035", "LINE,+049,+035,+055,+035",
                                                 "LINE,+049,+035,+049,+040"};

// The dashes, then the two ticks at the left end.
constexpr const char* kNORest[] = {"LINE,-030,+030,-020,+030", "LINE,-015,+030,-007,+030",
                                   "LINE,-030,+030,-030,+040", "LINE,-023,+030,-023,+040"};
constexpr const char* kNOActuated[] = {"LINE,-020,+030,-010,+030", "LINE,-005,+030,+003,+030",
                                       "LINE,-020,+030,-020,+040", "LINE,-013,+030,-013,+040"};

constexpr const char* kNCRest[] = {"LINE,-030,+030,-020,+030", "LINE,-015,+030,-005,+030",
                                   "LINE,+000,+030,+008,+030", "LINE,-030,+030,-030,+040",
                                   "LINE,-023,+030,-023,+040"};
constexpr const char* kNCActuated[] = {"LINE,-020,+030,-010,+030", "LINE,-005,+030,+005,+030",
                                       "LINE,-020,+030,-020,+040", "LINE,-013,+030,-013,+040"};

constexpr const char* kNONCRest[] = {"LINE,-030,+030,-020,+030", "LINE,-015,+030,-005,+030",
                                     "LINE,+000,+030,+010,+030", "LINE,+015,+030,+025,+030",
                                     "LINE,+030,+030,+038,+030", "LINE,-030,+030,-030,+040",
                                     "LINE,-023,+030,-023,+040"};
constexpr const char* kNONCActuated[] = {"LINE,-020,+030,-010,+030", "LINE,-005,+030,+005,+030",
                                         "LINE,+010,+030,+020,+030", "LINE,+025,+030,+035,+030",
                                         "LINE,+040,+030,+048,+030", "LINE,-020,+030,-020,+040",
                                         "LINE,-013,+030,-013,+040"};

constexpr const char* kChangeoverRest[] = {"LINE,-030,+030,-020,+030", "LINE,-015,+030,-005,+030",
                                           "LINE,+000,+030,+010,+030", "LINE,-030,+030,-030,+040",
                                           "LINE,-023,+030,-023,+040"};
constexpr const char* kChangeoverActuated[] = {"LINE,-020,+030,-010,+030", "LINE,-005,+030,+005,+030",
                                               "LINE,+010,+030,+020,+030", "LINE,-020,+030,-020,+040",
                                               "LINE,-013,+030,-013,+040"};

// The NO+NC preview numbers its top row 95, 96 and its bottom row 97, 98; placed,
// the poles read 95-96 and 97-98.
constexpr ContactSymbol kThermalContacts[] = {
    {kTypeThermalContactNO, ContactForm::NO, "-F", "-040", "-040", {"97", "98"}, {{kMarkBesideBlade}},
     {{kNORest}}, {{kNOActuated}}},
    {kTypeThermalContactNC, ContactForm::NC, "-F", "-040", "-040", {"95", "96"}, {{kMarkBesideBlade}},
     {{kNCRest}}, {{kNCActuated}}},
    {kTypeThermalContactNONC, ContactForm::NONC, "-F", "-040", "-040", {"95", "96", "97", "98"},
     {{kMarkBesidePair}}, {{kNONCRest}}, {{kNONCActuated}}},
    {kTypeThermalContactChangeover, ContactForm::Changeover, "-F", "-040", "-020", {"95", "96", "98"},
     {{kMarkBesideChangeover}}, {{kChangeoverRest}}, {{kChangeoverActuated}}},
};

}  // namespace

void CVelkarionView::DrawThermalContactNO(Dc& dc, double zoom, int ox, int oy) {
    DrawContact(*this, dc, zoom, ox, oy, kThermalContacts[0]);
}
void CVelkarionView::DrawThermalContactNC(Dc& dc, double zoom, int ox, int oy) {
    DrawContact(*this, dc, zoom, ox, oy, kThermalContacts[1]);
}
void CVelkarionView::DrawThermalContactNONC(Dc& dc, double zoom, int ox, int oy) {
    DrawContact(*this, dc, zoom, ox, oy, kThermalContacts[2]);
}
void CVelkarionView::DrawThermalContactChangeover(Dc& dc, double zoom, int ox, int oy) {
    DrawContact(*this, dc, zoom, ox, oy, kThermalContacts[3]);
}

}  // namespace velk
