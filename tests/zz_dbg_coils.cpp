#include <gtest/gtest.h>
#include "load_sheet.h"
using namespace velk;
TEST(DbgCoil, Relay) {
    loadtest::LoadSheet s;
    s.show();
    CVelkarionView& v = s.view;
    s.addSymbol(kTypeSupplyLN, 20, 20);
    const int relay = s.addLoad(kTypeImpulseRelayCoil, 20, 40, "-K1");
    int ph = s.addLine(kTypeWirePhase, 20, 20, 20, 40);
    const int neutral = s.addLine(kTypeWireNeutral, 26, 20, 20, 52);
    s.simulate();
    printf("after sim: state %d drawn %d ph %c n %c\n", v.m_state[relay], v.m_drawnState[relay], s.letter(ph), s.letter(neutral));
    s.tick();
    printf("after tick: state %d drawn %d ph %c n %c seen %d\n", v.m_state[relay], v.m_drawnState[relay], s.letter(ph), s.letter(neutral), v.m_coilVoltageSeen[relay]);
    s.tick();
    printf("after tick: state %d drawn %d ph %c n %c seen %d\n", v.m_state[relay], v.m_drawnState[relay], s.letter(ph), s.letter(neutral), v.m_coilVoltageSeen[relay]);
}
