// Component routines whose symbols are not drawn yet: they draw and evaluate nothing.
// A family that is built removes its routines from this list.
#include "model/VelkarionView.h"

namespace velk {

#define VELK_PENDING_ROUTINE(name) \
    void CVelkarionView::name(Dc&, double, int, int) {}

}  // namespace velk
