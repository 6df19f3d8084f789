// Push buttons and mushroom-head push buttons: momentary operator contacts, one of
// each contact form per family. The glyph is a dashed linkage along y 30 with the
// head at its left end; actuated, head and dashes stand 10 units nearer the blade.
// The mouse writes their state (pressed while held over them).
#include "symbols/contacts/ContactTemplate.h"

namespace velk {

namespace {

// --- linkages, by form ------------------------------------------------------------

constexpr const char* kNORestLink[] = {"LINE,-030,+030,-020,+030", "LINE,-015,+030,-007,+030"};
constexpr const char* kNOActuatedLink[] = {"LINE,-020,+030,-010,+030", "LINE,-005,+030,+001,+030"};

constexpr const char* kNCRestLink[] = {"LINE,-030,+030,-020,+030", "LINE,-015,+030,-005,+030",
                                       "LINE,+000,+030,+008,+030"};
constexpr const char* kNCActuatedLink[] = {"LINE,-020,+030,-010,+030", "LINE,-005,+030,+005,+030"};

constexpr const char* kNONCRestLink[] = {"LINE,-030,+030,-020,+030", "LINE,-015,+030,-005,+030",
                                         "LINE,+000,+030,+010,+030", "LINE,+015,+030,+025,+030",
                                         "LINE,+030,+030,+038,+030"};
constexpr const char* kNONCActuatedLink[] = {"LINE,-020,+030,-010,+030", "LINE,-005,+030,+005,+030",
                                             "LINE,+010,+030,+020,+030", "LINE,+025,+030,+035,+030",
                                             "LINE,+040,+030,+048,+030"};

constexpr const char* kChangeoverRestLink[] = {"LINE,-030,+030,-020,+030", "LINE,-015,+030,-005,+030",
                                               "LINE,+000,+030,+010,+030"};
constexpr const char* kChangeoverActuatedLink[] = {"LINE,-020,+030,-010,+030", "LINE,-005,+030,+005,+030",
                                                   "LINE,+010,+030,+020,+030"};

// --- heads, by family ---------------------------------------------------------------

// A bracket open toward the contact.
constexpr const char* kButtonRestHead[] = {"LINE,-030,+023,-030,+037", "LINE,-030,+023,-023,+023",
                                           "LINE,-030,+037,-023,+037"};
constexpr const char* kButtonActuatedHead[] = {"LINE,-020,+023,-020,+037", "LINE,-020,+023,-013,+023",
                                               "LINE,-020,+037,-013,+037"};

// A cap: half an ellipse closed by a vertical stroke. The two-terminal and the
// four-terminal members write the actuated box's right edge differently ("-000",
// "+000"); both read as 0.
constexpr const char* kMushroomRestHead[] = {"ARCO,-040,+020,-010,+040,-030,+020,-030,+040",
                                             "LINE,-030,+020,-030,+040"};
constexpr const char* kMushroomActuatedHead[] = {"ARCO,-030,+020,-000,+040,-020,+020,-020,+040",
                                                 "LINE,-020,+020,-020,+040"};
constexpr const char* kMushroomWideActuatedHead[] = {"ARCO,-030,+020,+000,+040,-020,+020,-020,+040",
                                                     "LINE,-020,+020,-020,+040"};

constexpr ContactSymbol kButtons[] = {
    {kTypePushButtonNO, ContactForm::NO, "-S", "-040", "-040", {"13", "14"}, {},
     {{kNORestLink, kButtonRestHead}}, {{kNOActuatedLink, kButtonActuatedHead}}},
    {kTypePushButtonNC, ContactForm::NC, "-S", "-040", "-040", {"11", "12"}, {},
     {{kNCRestLink, kButtonRestHead}}, {{kNCActuatedLink, kButtonActuatedHead}}},
    {kTypePushButtonNONC, ContactForm::NONC, "-S", "-040", "-040", {"11", "13", "12", "14"}, {},
     {{kNONCRestLink, kButtonRestHead}}, {{kNONCActuatedLink, kButtonActuatedHead}}},
    {kTypePushButtonChangeover, ContactForm::Changeover, "-S", "-040", "-040", {"11", "12", "14"}, {},
     {{kChangeoverRestLink, kButtonRestHead}}, {{kChangeoverActuatedLink, kButtonActuatedHead}}},
    {kTypeMushroomButtonNO, ContactForm::NO, "-S", "-050", "-050", {"13", "14"}, {},
     {{kNORestLink, kMushroomRestHead}}, {{kNOActuatedLink, kMushroomActuatedHead}}},
    {kTypeMushroomButtonNC, ContactForm::NC, "-S", "-050", "-050", {"11", "12"}, {},
     {{kNCRestLink, kMushroomRestHead}}, {{kNCActuatedLink, kMushroomActuatedHead}}},
    {kTypeMushroomButtonNONC, ContactForm::NONC, "-S", "-050", "-050", {"11", "13", "12", "14"}, {},
     {{kNONCRestLink, kMushroomRestHead}}, {{kNONCActuatedLink, kMushroomWideActuatedHead}}},
    {kTypeMushroomButtonChangeover, ContactForm::Changeover, "-S", "-050", "-050", {"11", "12", "14"}, {},
     {{kChangeoverRestLink, kMushroomRestHead}}, {{kChangeoverActuatedLink, kMushroomWideActuatedHead}}},
};

}  // namespace

void CVelkarionView::DrawPushButtonNO(Dc& dc, double zoom, int ox, int oy) {
    DrawContact(*this, dc, zoom, ox, oy, kButtons[0]);
}
void CVelkarionView::DrawPushButtonNC(Dc& dc, double zoom, int ox, int oy) {
    DrawContact(*this, dc, zoom, ox, oy, kButtons[1]);
}
void CVelkarionView::DrawPushButtonNONC(Dc& dc, double zoom, int ox, int oy) {
    DrawContact(*this, dc, zoom, ox, oy, kButtons[2]);
}
void CVelkarionView::DrawPushButtonChangeover(Dc& dc, double zoom, int ox, int oy) {
    DrawContact(*this, dc, zoom, ox, oy, kButtons[3]);
}
void CVelkarionView::DrawMushroomButtonNO(Dc& dc, double zoom, int ox, int oy) {
    DrawContact(*this, dc, zoom, ox, oy, kButtons[4]);
}
void CVelkarionView::DrawMushroomButtonNC(Dc& dc, double zoom, int ox, int oy) {
    DrawContact(*this, dc, zoom, ox, oy, kButtons[5]);
}
void CVelkarionView::DrawMushroomButtonNONC(Dc& dc, double zoom, int ox, int oy) {
    DrawContact(*this, dc, zoom, ox, oy, kButtons[6]);
}
void CVelkarionView::DrawMushroomButtonChangeover(Dc& dc, double zoom, int ox, int oy) {
    DrawContact(*this, dc, zoom, ox, oy, kButtons[7]);
}

}  // namespace velk
