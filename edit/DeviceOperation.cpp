// Operating devices with the mouse while the simulation runs. The clicks only
// write device states; the component routines read them on the next evaluation
// and the clock's next tick repaints, so nothing is invalidated here.
#include <string>

#include "model/TypeCodes.h"
#include "model/VelkarionView.h"

namespace velk {

namespace {

enum class Action {
    kNone,
    kToggle,          // closed becomes open, open becomes closed
    kActuate,         // state 1
    kLetGo,           // state 0
    kCenterOffLeft,   // I-0-II: 0 becomes 1, 1 or 2 becomes 0
    kCenterOffRight,  // I-0-II: 0 becomes 2, 1 or 2 becomes 0
    kNextPosition,    // I-II-III: 0, 1, 2, 0, ...
};

enum class CopyTo {
    kEqualLabel,       // every live slot of equal label takes 1 or 0
    kEqualLabelState,  // every live slot of equal label takes the position itself
    kThermalContacts,  // only thermal relay contacts of equal label
};

struct Family {
    const char* name;
    int first, last;  // type codes, both included
    Action press, release, rightPress;
    CopyTo copy;
};

// What a press, a release and a right press do to each family. A momentary device
// is held while the mouse holds it and let go when the button comes up.
constexpr Family kFamilies[] = {
    {"switch-disconnectors II to IIII", kTypeSwitchDisconnectorII, kTypeSwitchDisconnectorIIII, Action::kToggle,
     Action::kNone, Action::kNone, CopyTo::kEqualLabel},
    {"switch-disconnector I", kTypeSwitchDisconnectorI, kTypeSwitchDisconnectorI, Action::kToggle, Action::kNone,
     Action::kNone, CopyTo::kEqualLabel},
    {"latching switches", kTypeLatchingSwitchNO, kTypeLatchingSwitchChangeover, Action::kToggle, Action::kNone,
     Action::kNone, CopyTo::kEqualLabel},
    {"intermediate switch", kTypeIntermediateSwitch, kTypeIntermediateSwitch, Action::kToggle, Action::kNone,
     Action::kNone, CopyTo::kEqualLabel},
    {"selector I-0-II", kTypeSelectorSwitchCenterOff, kTypeSelectorSwitchCenterOff, Action::kCenterOffLeft,
     Action::kNone, Action::kCenterOffRight, CopyTo::kEqualLabelState},
    {"selector I-II-III", kTypeSelectorSwitchThreeWay, kTypeSelectorSwitchThreeWay, Action::kNextPosition,
     Action::kNone, Action::kNone, CopyTo::kEqualLabelState},
    {"push and mushroom buttons", kTypePushButtonNO, kTypeMushroomButtonChangeover, Action::kActuate,
     Action::kLetGo, Action::kNone, CopyTo::kEqualLabel},
    {"limit switches", kTypeLimitSwitchNO, kTypeLimitSwitchChangeover, Action::kActuate, Action::kLetGo,
     Action::kNone, CopyTo::kEqualLabel},
    {"thermal overload relay", kTypeThermalOverloadRelay, kTypeThermalOverloadRelay, Action::kToggle,
     Action::kNone, Action::kNone, CopyTo::kThermalContacts},
    {"breakers and residual-current devices", kTypeBreakerI, kTypeRcdIIIN, Action::kToggle, Action::kNone,
     Action::kNone, CopyTo::kEqualLabel},
    {"motor protection switches", kTypeMotorProtectionSwitchII, kTypeMotorProtectionSwitchIIIN, Action::kToggle,
     Action::kNone, Action::kNone, CopyTo::kEqualLabel},
    {"surge arresters", kTypeSurgeArresterIN, kTypeSurgeArresterIIIN, Action::kToggle, Action::kNone,
     Action::kNone, CopyTo::kEqualLabel},
    {"fuses and fuse switch-disconnectors", kTypeFuseI, kTypeFuseSwitchIIIN, Action::kToggle, Action::kNone,
     Action::kNone, CopyTo::kEqualLabel},
    {"proximity sensors and barriers", 7500, 7600, Action::kActuate, Action::kLetGo, Action::kNone,
     CopyTo::kEqualLabel},
    {"logic probe", kTypeLogicProbe, kTypeLogicProbe, Action::kActuate, Action::kLetGo, Action::kNone,
     CopyTo::kEqualLabel},
};

const Family* familyOf(int type) {
    for (const Family& f : kFamilies)
        if (type >= f.first && type <= f.last) return &f;
    return nullptr;
}

int applied(Action action, int state) {
    switch (action) {
        case Action::kToggle: return state != 0 ? 0 : 1;
        case Action::kActuate: return 1;
        case Action::kLetGo: return 0;
        case Action::kCenterOffLeft: return state == 0 ? 1 : 0;
        case Action::kCenterOffRight: return state == 0 ? 2 : 0;
        case Action::kNextPosition: {
            const int next = state + 1;
            return next >= 1 && next <= 2 ? next : 0;
        }
        case Action::kNone: break;
    }
    return state;
}

bool isThermalContact(int type) { return type >= kTypeThermalContactNO && type <= kTypeThermalContactChangeover; }

// Which column of the family table a button uses.
enum class Button { kPress, kRelease, kRightPress };

Action actionFor(const Family& f, Button b) {
    switch (b) {
        case Button::kPress: return f.press;
        case Button::kRelease: return f.release;
        case Button::kRightPress: return f.rightPress;
    }
    return Action::kNone;
}

// Every device under the point, in slot order: the scan does not stop at a hit.
template <typename Visit>
void forDevicesAt(CVelkarionView& v, Point sheet, Button button, Visit visit) {
    const double zoom = v.GetDocument()->m_zoom;
    const double px = sheet.x / zoom;
    const double py = sheet.y / zoom;
    for (int i = 0; i < v.m_componentCount; ++i) {
        if (!v.isLive(i)) continue;
        const Family* f = familyOf(v.m_type[i]);
        if (!f || actionFor(*f, button) == Action::kNone) continue;
        if (v.symbolAreaContains(i, px, py)) visit(i, *f);
    }
}

}  // namespace

void CVelkarionView::OperateOnPress(Point sheet) {
    if (!GetDocument()) return;
    // A new press holds only what it presses itself.
    for (int i = 0; i < kSlotCount; ++i) m_heldByPointer[i] = 0;
    forDevicesAt(*this, sheet, Button::kPress, [this](int i, const Family& f) {
        m_state[i] = applied(f.press, m_state[i]);
        CopyStateToLabel(i);
        if (f.release == Action::kLetGo) m_heldByPointer[i] = 1;
    });
}

void CVelkarionView::OperateOnRelease(Point sheet) {
    if (!GetDocument()) return;
    forDevicesAt(*this, sheet, Button::kRelease, [this](int i, const Family& f) {
        m_state[i] = applied(f.release, m_state[i]);
        CopyStateToLabel(i);
        m_heldByPointer[i] = 0;
    });
    // What the press holds comes up with the button, wherever the pointer is now.
    for (int i = 0; i < m_componentCount; ++i) {
        if (m_heldByPointer[i] == 0) continue;
        m_heldByPointer[i] = 0;
        const Family* f = familyOf(m_type[i]);
        if (!isLive(i) || !f || f->release != Action::kLetGo) continue;
        m_state[i] = 0;
        CopyStateToLabel(i);
    }
}

void CVelkarionView::OperateOnRightPress(Point sheet) {
    if (!GetDocument()) return;
    forDevicesAt(*this, sheet, Button::kRightPress, [this](int i, const Family& f) {
        m_state[i] = applied(f.rightPress, m_state[i]);
        CopyStateToLabel(i);
    });
}

void CVelkarionView::CopyStateToLabel(int slot) {
    const Family* f = familyOf(m_type[slot]);
    // An empty label binds nothing: the device acts on itself alone.
    if (!f || m_label[slot].empty()) return;
    const int state = m_state[slot];
    const std::string& label = m_label[slot];
    for (int j = 0; j < m_componentCount; ++j) {
        if (j == slot || !isLive(j) || !labelsEqual(m_label[j], label)) continue;
        switch (f->copy) {
            case CopyTo::kEqualLabel: m_state[j] = state == 1 ? 1 : 0; break;
            case CopyTo::kEqualLabelState: m_state[j] = state; break;
            case CopyTo::kThermalContacts:
                if (isThermalContact(m_type[j])) m_state[j] = state == 1 ? 1 : 0;
                break;
        }
    }
}

}  // namespace velk
