// The auxiliary contacts of a coil or timer relay: the four forms with no actuator
// glyph. The master of equal label writes their state; a click does nothing to them.
#include "symbols/contacts/ContactTemplate.h"

namespace velk {

namespace {

constexpr ContactSymbol kAuxContacts[] = {
    {kTypeAuxContactNO, ContactForm::NO, "-K", "-020", "-020", {"13", "14"}, {}, {}, {}},
    {kTypeAuxContactNC, ContactForm::NC, "-K", "-020", "-020", {"11", "12"}, {}, {}, {}},
    {kTypeAuxContactNONC, ContactForm::NONC, "-K", "-020", "-020", {"11", "13", "12", "14"}, {}, {}, {}},
    {kTypeAuxContactChangeover, ContactForm::Changeover, "-K", "-020", "-020", {"11", "12", "14"}, {}, {}, {}},
};

}  // namespace

void CVelkarionView::DrawAuxContactNO(Dc& dc, double zoom, int ox, int oy) {
    DrawContact(*this, dc, zoom, ox, oy, kAuxContacts[0]);
}
void CVelkarionView::DrawAuxContactNC(Dc& dc, double zoom, int ox, int oy) {
    DrawContact(*this, dc, zoom, ox, oy, kAuxContacts[1]);
}
void CVelkarionView::DrawAuxContactNONC(Dc& dc, double zoom, int ox, int oy) {
    DrawContact(*this, dc, zoom, ox, oy, kAuxContacts[2]);
}
void CVelkarionView::DrawAuxContactChangeover(Dc& dc, double zoom, int ox, int oy) {
    DrawContact(*this, dc, zoom, ox, oy, kAuxContacts[3]);
}

}  // namespace velk
