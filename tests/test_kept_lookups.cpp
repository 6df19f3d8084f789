// A running sheet keeps the lookups of its last tick while the table is unchanged.
// Any change to what they index (a slot's life, its end points, its label) must
// reach the very next tick, and undoing it must bring the circuit back.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "file_test_support.h"
#include "testkit/testkit.h"

using namespace velk;
using velk::filetest::fixtureText;

TEST(KeptLookups, EveryChangeToTheTableReachesTheNextTick) {
    struct Row {
        const char* what;
        std::function<void(CVelkarionView&)> change;
        std::function<void(CVelkarionView&)> undo;
        int coil;     // states two ticks after the change
        int contact;
    };
    const int coil = 1, contact = 2, neutral = 5;
    const Row rows[] = {
        {"neutral cut", [](CVelkarionView& v) { v.m_deleted[neutral] = 1; },
         [](CVelkarionView& v) { v.m_deleted[neutral] = 0; }, 0, 0},
        {"neutral end moved off the coil", [](CVelkarionView& v) { v.m_x2[neutral] = 10; },
         [](CVelkarionView& v) { v.m_x2[neutral] = 20; }, 0, 0},
        // The coil drops, but a contact of another name no longer follows it.
        {"contact relabelled, neutral cut",
         [](CVelkarionView& v) {
             v.m_label[contact] = "-K2";
             v.m_deleted[neutral] = 1;
         },
         [](CVelkarionView& v) {
             v.m_label[contact] = "-K1";
             v.m_deleted[neutral] = 0;
         },
         0, 1},
    };

    testkit::Session session;
    session.writeFile("coil_drives_contact.cad", fixtureText("coil_drives_contact.cad"));
    CVelkarionView& v = session.openSheet("coil_drives_contact.cad");
    ASSERT_EQ(v.m_type[neutral], kTypeWireNeutral);
    v.OnModeRun();
    session.flush();
    session.tick(v);
    ASSERT_EQ(v.m_state[coil], 1);
    ASSERT_EQ(v.m_state[contact], 1);

    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        row.change(v);
        session.tick(v);
        session.tick(v);
        EXPECT_EQ(v.m_state[coil], row.coil);
        EXPECT_EQ(v.m_state[contact], row.contact);
        row.undo(v);
        session.tick(v);
        session.tick(v);
        EXPECT_EQ(v.m_state[coil], 1);
        EXPECT_EQ(v.m_state[contact], 1);
    }
    EXPECT_TRUE(session.messages().empty());
}

// Connection points pair by label: a point renamed between ticks is no longer
// fed by its namesake, and named back it is fed again.
TEST(KeptLookups, ARenamedConnectionPointIsNoLongerPaired) {
    testkit::Session session;
    session.writeFile("connection_points.cad", fixtureText("connection_points.cad"));
    CVelkarionView& v = session.openSheet("connection_points.cad");
    const int leftPoint = 3, itsWire = 4;
    v.OnModeRun();
    session.flush();
    session.tick(v);
    ASSERT_EQ(v.m_potential[itsWire].letter(), '1');
    const std::string name = v.m_label[leftPoint];
    v.m_label[leftPoint] = "-X9";
    session.tick(v);
    session.tick(v);
    EXPECT_NE(v.m_potential[itsWire].letter(), '1');
    v.m_label[leftPoint] = name;
    session.tick(v);
    session.tick(v);
    EXPECT_EQ(v.m_potential[itsWire].letter(), '1');
    EXPECT_TRUE(session.messages().empty());
}
