// The placement ghost: the box a symbol covers around its insertion point, in
// pixels at the zoom and turned by the tool's orientation. It is both the area that
// pointer motion repaints and, divided by the zoom, the placed symbol's pick box.
#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <string>
#include <vector>

#include "edit/PlacementDefaults.h"
#include "model/TypeCodes.h"
#include "model/VelkarionView.h"

using namespace velk;

namespace {

std::string describe(const Rect& r) {
    return "(" + std::to_string(r.left) + ", " + std::to_string(r.top) + ", " + std::to_string(r.right) + ", " +
           std::to_string(r.bottom) + ")";
}

}  // namespace

TEST(PlacementGhost, PixelsAtZoomAndOrientation) {
    struct Row {
        const char* name;
        int type;
        double zoom;
        int orientation;
        Rect expected;
    };
    const Row rows[] = {
        {"coil, zoom 2, as drawn", kTypeCoil, 2.0, 0, {-30, -6, 18, 30}},
        {"coil, zoom 2, quarter turn", kTypeCoil, 2.0, 1, {-30, -30, 6, 18}},
        {"coil, zoom 2, half turn", kTypeCoil, 2.0, 2, {-18, -30, 30, 6}},
        {"coil, zoom 2, three quarters", kTypeCoil, 2.0, 3, {-6, -18, 30, 30}},
        {"coil, zoom 2, mirrored", kTypeCoil, 2.0, 4, {-18, -6, 30, 30}},
        {"coil, zoom 2, mirrored and turned once", kTypeCoil, 2.0, 5, {-30, -18, 6, 30}},
        {"coil, zoom 2, mirrored and turned twice", kTypeCoil, 2.0, 6, {-30, -30, 18, 6}},
        {"coil, zoom 2, mirrored and turned thrice", kTypeCoil, 2.0, 7, {-6, -30, 30, 18}},
        {"earth, zoom 1", kTypeEarthSymbol, 1.0, 0, {-9, -3, 8, 8}},
        // -37.5, -7.5, 22.5 and 37.5 truncated toward zero, not rounded down.
        {"coil, zoom 2.5", kTypeCoil, 2.5, 0, {-37, -7, 22, 37}},
        {"coil, zoom 2.5, turned after truncation", kTypeCoil, 2.5, 1, {-37, -37, 7, 22}},
        {"widest symbol: inverter control, zoom 1", kTypeInverterControl, 1.0, 0, {-12, -3, 54, 33}},
        {"supply hangs upwards, zoom 3", kTypeSupplyL1L2L3NPE, 3.0, 0, {-36, -27, 90, 9}},
        {"orientation code out of range is left unturned", kTypeCoil, 2.0, 8, {-30, -6, 18, 30}},
        {"negative orientation code is left unturned", kTypeCoil, 2.0, -1, {-30, -6, 18, 30}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const Rect got = CVelkarionView::ComputePlacementGhost(row.type, row.zoom, row.orientation);
        EXPECT_EQ(got, row.expected) << describe(got);
    }
}

TEST(PlacementGhost, TypesWithoutABoxGiveNothing) {
    // Wire and line tools, free drawing and the variants that only a property
    // dialog chooses have no ghost at any zoom or orientation.
    const int types[] = {kTypeNone,
                         kTypeLine,
                         kTypeText,
                         kTypeWirePhase,
                         kTypeBundle,
                         kTypeWireThreePhaseVertical1,
                         kTypeWireThreePhaseHorizontal2,
                         kTypeWireNeutral,
                         kTypeWirePE,
                         kTypeWirePlus,
                         kTypeWireMinus,
                         kTypeGrafcetAndDivergence,
                         kTypeGrafcetAndConvergence,
                         kTypeGrafcetLink,
                         kTypeGrafcetOrDivergence,
                         kTypeInductiveSensorNO3WirePnp,
                         kTypeBarrierEmitterSide,
                         kTypeBarrierReceiverNC3WireNpnSide,
                         kTypeAnd3,
                         kTypeNor5,
                         kTypeCompanionSlot,
                         1008};
    for (int type : types)
        for (double zoom : {1.0, 2.0, 2.5, 20.0})
            for (int orientation = 0; orientation < 8; ++orientation) {
                SCOPED_TRACE(std::to_string(type) + " at zoom " + std::to_string(zoom) + ", orientation " +
                             std::to_string(orientation));
                EXPECT_EQ(CVelkarionView::ComputePlacementGhost(type, zoom, orientation), Rect{});
            }
}

TEST(PlacementGhost, ExtentsOfEveryType) {
    // Left, top, right and bottom in fifths of a drawing unit, grouped as symbols
    // share them; at zoom 5 one command unit is one pixel.
    struct Group {
        std::vector<int> types;
        int left, top, right, bottom;
    };
    const Group groups[] = {
        {{1000, 1002}, -60, -30, 120, 120},
        {{1001, 1003, 1004, 1005}, -60, -30, 120, 135},
        {{1006, 1007}, -15, -60, 120, 75},
        {{1050}, -60, -15, 30, 90},
        {{1051}, -60, -15, 90, 90},
        {{1052}, -60, -15, 90, 105},
        {{1053}, -60, -15, 105, 135},
        {{1054, 1055, 1058, 1059, 1060}, -60, -15, 120, 165},
        {{1056}, -60, -15, 270, 165},
        {{1057}, -60, -15, 90, 165},
        {{1061}, -60, -15, 195, 165},
        {{1062}, -60, -15, 75, 135},
        {{2000, 5001, 5002, 7003}, -60, -15, 60, 75},
        {{2001, 5003}, -60, -15, 90, 75},
        {{2002, 5004}, -60, -15, 120, 75},
        {{2003, 8003, 8007, 8011, 8015, 8019, 8020, 8022}, -90, -15, 60, 75},
        {{2004, 8021}, -90, -15, 90, 75},
        {{2005}, -90, -15, 120, 75},
        {{2006, 3016, 4011, 5000, 7000, 7001}, -60, -15, 30, 75},
        {{2007, 8000, 8001, 8004, 8005, 8008, 8009, 8012, 8013, 8016, 8017}, -90, -15, 30, 75},
        {{3000, 3001, 3002, 3008, 3009}, -60, -45, 30, 15},
        {{3003, 3010}, -60, -45, 60, 15},
        {{3004, 3011}, -60, -45, 90, 15},
        {{3005, 3006}, -60, -45, 120, 15},
        {{3007}, -60, -45, 150, 15},
        {{3012}, -70, -15, 75, 90},
        {{3013, 3014}, -70, -15, 75, 105},
        {{3015}, -45, -15, 40, 40},
        {{3017}, -70, -15, 90, 90},
        {{3018}, -70, -15, 105, 105},
        {{3019}, -60, -15, 45, 60},
        {{4001}, -30, -15, 15, 15},
        {{4003}, -30, -15, 15, 30},
        {{4004}, -15, -15, 30, 30},
        {{4012}, -60, -15, 15, 15},
        {{4013}, -45, -30, 60, 30},
        {{4014}, -90, -30, 15, 30},
        {{4015}, -60, -15, 45, 15},
        {{4016}, -60, -15, 75, 15},
        {{4017}, -60, -15, 105, 15},
        {{5005, 6000, 7004, 7005, 7008, 7009, 7012, 7013}, -75, -15, 30, 75},
        {{5006, 5007, 6001, 6002, 7007, 7011, 7015}, -75, -15, 60, 75},
        {{5008, 6003}, -75, -15, 90, 75},
        {{5009, 6004}, -75, -15, 120, 75},
        {{6005}, -105, -15, 60, 105},
        {{6006}, -105, -15, 120, 105},
        {{6007}, -75, -15, 105, 75},
        {{6008, 6011}, -105, -15, 60, 120},
        {{6009}, -105, -15, 90, 120},
        {{6010}, -105, -15, 30, 120},
        {{6012}, -105, -15, 120, 120},
        {{6013}, -60, -15, 60, 105},
        {{6014}, -60, -15, 120, 105},
        {{7002}, -60, -15, 75, 75},
        {{7006, 7010, 7014}, -75, -15, 75, 75},
        {{7500, 7506, 7512, 7520, 7526, 7532, 7551, 7553, 7559}, -90, -15, 45, 75},
        {{7550}, -75, -15, 60, 105},
        {{8002, 8006, 8010, 8014, 8018}, -90, -15, 75, 75},
        {{9000, 9001, 9002, 9003, 9004, 9005, 9006, 9007, 9008, 9009, 9010, 9011, 9012, 9013}, -75, -15, 45, 75},
        {{10000, 10010, 10020, 10030, 10041}, -15, -45, 105, 75},
        {{10040}, -15, -45, 105, 45},
        {{10050, 10051, 10052, 10053, 10060, 10061, 10062}, -15, -45, 75, 45},
        {{10070}, -105, -15, 15, 15},
        {{10071}, -15, -15, 105, 15},
        {{10100, 10101}, -45, -15, 75, 105},
        {{10102}, -30, -15, 120, 75},
        {{10103}, -15, -45, 195, 45},
        {{10107}, -15, -60, 15, 15},
        {{10108}, -15, -15, 15, 60},
        {{10111}, -45, -15, 45, 105},
    };
    std::vector<int> listed;
    for (const Group& g : groups)
        for (int type : g.types) {
            SCOPED_TRACE(std::to_string(type));
            listed.push_back(type);
            EXPECT_EQ(CVelkarionView::ComputePlacementGhost(type, 5.0, 0), (Rect{g.left, g.top, g.right, g.bottom}));
        }
    // No code outside the list has a box.
    for (int i = 0; i < kAllTypeCodeCount; ++i) {
        const int type = kAllTypeCodes[i];
        if (std::find(listed.begin(), listed.end(), type) != listed.end()) continue;
        SCOPED_TRACE(std::to_string(type));
        EXPECT_EQ(CVelkarionView::ComputePlacementGhost(type, 5.0, 0), Rect{});
    }
}

TEST(PlacementGhost, TurnedBoxBoundsTheTurnedSymbol) {
    // Whatever the orientation, the ghost is the bounding box of the four corners of
    // the unturned box under the symbols' orientation mapping.
    const auto mapPoint = [](int o, int x, int y) -> Point {
        switch (o) {
            case 1: return {-y, x};
            case 2: return {-x, -y};
            case 3: return {y, -x};
            case 4: return {-x, y};
            case 5: return {-y, -x};
            case 6: return {x, -y};
            case 7: return {y, x};
            default: return {x, y};
        }
    };
    for (const PlacementDefaults* row = placementRowsBegin(); row != placementRowsEnd(); ++row)
        for (double zoom : {1.0, 2.5, 3.0}) {
            const Rect box = CVelkarionView::ComputePlacementGhost(row->type, zoom, 0);
            for (int o = 1; o < 8; ++o) {
                SCOPED_TRACE(std::to_string(row->type) + " at zoom " + std::to_string(zoom) + ", orientation " +
                             std::to_string(o));
                Rect bound{INT_MAX, INT_MAX, INT_MIN, INT_MIN};
                for (int x : {box.left, box.right})
                    for (int y : {box.top, box.bottom}) {
                        const Point p = mapPoint(o, x, y);
                        bound = {std::min(bound.left, p.x), std::min(bound.top, p.y), std::max(bound.right, p.x),
                                 std::max(bound.bottom, p.y)};
                    }
                EXPECT_EQ(CVelkarionView::ComputePlacementGhost(row->type, zoom, o), bound);
            }
        }
}
