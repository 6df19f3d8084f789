// Fuses and fuse switch-disconnectors. A fuse passes potentials while it is intact
// and is blown only by a click; a fuse switch-disconnector passes them while it is
// closed. Nothing in either measures anything: the cartridges are drawing only.
#include "symbols/power/MultiPole.h"

namespace velk {

namespace {

constexpr const char* kTextFormat = "TEXT,%3s,%3s,%5s,2";
constexpr const char* kTopTerminal = "NUME,+005,+000,%c%c%c%c";
constexpr const char* kBottomTerminal = "NUME,+005,+045,%c%c%c%c";

// --- fuses ------------------------------------------------------------------------------

constexpr LabelLayout kFuseLabels{"-F", {kTextFormat, "-020", "+022"}, {kTextFormat, "-020", "+037"}};

// Runs of a fuse pole and of a neutral link.
constexpr int kLine = 1;      // the whole pole line
constexpr int kBody = 2;      // the cartridge, or the link's two bars
constexpr int kSplitLine = 3;  // the line with the gap of a blown fuse

constexpr const char* kWholeLine[] = {"LINE,+000,+000,+000,+060"};
constexpr const char* kGapLine[] = {"LINE,+000,+000,+000,+025", "LINE,+000,+035,+000,+060"};
constexpr const char* kCartridge[] = {"LINE,-007,+015,+007,+015", "LINE,-007,+045,+007,+045",
                                      "LINE,-007,+015,-007,+045", "LINE,+007,+015,+007,+045"};
constexpr const char* kLinkBars[] = {"LINE,-005,+015,+005,+015", "LINE,-005,+045,+005,+045"};

constexpr PoleForm kFusePole{{{}, kWholeLine, kCartridge, kGapLine}};
// A neutral link blows with the fuses it belongs to.
constexpr PoleForm kNeutralLink{{{}, kWholeLine, kLinkBars, kGapLine}};

constexpr PictureStep kFuseOutside[] = {{StepScope::EachPole, {kLine, kBody}}};
constexpr PictureStep kFuseBodies[] = {{StepScope::EachPole, {kBody}}};
constexpr PictureStep kFuseLines[] = {{StepScope::EachPole, {kLine}}};
constexpr PictureStep kFuseGaps[] = {{StepScope::EachPole, {kSplitLine}}};

constexpr MultiPoleFamily kFuses{PoleCondition::StateZero, OperatedWhen::StateNotZero, PictureMode::OnChange,
                                 kFuseOutside, kFuseBodies, kFuseLines, kFuseGaps};

constexpr MultiPoleRow kFuseRows[] = {
    {&kFuses, kFuseLabels, kTopTerminal, kBottomTerminal, 1, {&kFusePole}, {}},
    {&kFuses, kFuseLabels, kTopTerminal, kBottomTerminal, 2, {&kFusePole, &kNeutralLink}, {}},
    {&kFuses, kFuseLabels, kTopTerminal, kBottomTerminal, 2, {&kFusePole, &kFusePole}, {}},
    {&kFuses, kFuseLabels, kTopTerminal, kBottomTerminal, 3, {&kFusePole, &kFusePole, &kFusePole}, {}},
    {&kFuses, kFuseLabels, kTopTerminal, kBottomTerminal, 4, {&kFusePole, &kFusePole, &kFusePole, &kNeutralLink}, {}},
};

// --- fuse switch-disconnectors --------------------------------------------------------------

constexpr LabelLayout kSwitchLabels{"-F", {kTextFormat, "-030", "+022"}, {kTextFormat, "-030", "+037"}};

constexpr int kOpen = 1;
constexpr int kClosed = 2;

// Open: the blade tilted, the cartridge around it; closed: the pole straight
// through the upright cartridge.
constexpr const char* kFuseBladeOpen[] = {
    "LINE,+000,+000,+000,+015", "LINE,+000,+045,+000,+060", "LINE,-015,+015,+000,+045",
    "LINE,-020,+020,-008,+014", "LINE,-007,+046,+005,+040", "LINE,-020,+020,-007,+046",
    "LINE,-008,+014,+005,+040", "PUNT,+005,+040",
};
constexpr const char* kFuseBladeClosed[] = {
    "LINE,+000,+000,+000,+060", "LINE,-007,+015,+007,+015", "LINE,-007,+045,+007,+045",
    "LINE,-007,+015,-007,+045", "LINE,+007,+015,+007,+045",
};
// The neutral pole is a plain link: no cartridge, a short bar at each end when closed.
constexpr const char* kLinkOpen[] = {"LINE,+000,+000,+000,+015", "LINE,+000,+045,+000,+060",
                                     "LINE,-015,+015,+000,+045"};
constexpr const char* kLinkClosed[] = {"LINE,+000,+000,+000,+060", "LINE,-005,+015,+005,+015",
                                       "LINE,-005,+045,+005,+045"};

constexpr PoleForm kSwitchFusePole{{{}, kFuseBladeOpen, kFuseBladeClosed}};
constexpr PoleForm kSwitchNeutralPole{{{}, kLinkOpen, kLinkClosed}};

constexpr PictureStep kSwitchOpen[] = {{StepScope::EachPole, {kOpen}}};
constexpr PictureStep kSwitchClosed[] = {{StepScope::EachPole, {kClosed}}};

constexpr MultiPoleFamily kFuseSwitches{PoleCondition::StateOne, OperatedWhen::StateOne, PictureMode::OnChange,
                                        kSwitchOpen, {}, kSwitchOpen, kSwitchClosed};

constexpr const PoleForm* kF = &kSwitchFusePole;
constexpr const PoleForm* kN = &kSwitchNeutralPole;
constexpr MultiPoleRow kFuseSwitchRows[] = {
    {&kFuseSwitches, kSwitchLabels, kTopTerminal, kBottomTerminal, 1, {kF}, {}},
    {&kFuseSwitches, kSwitchLabels, kTopTerminal, kBottomTerminal, 2, {kF, kN}, {}},
    {&kFuseSwitches, kSwitchLabels, kTopTerminal, kBottomTerminal, 2, {kF, kF}, {}},
    {&kFuseSwitches, kSwitchLabels, kTopTerminal, kBottomTerminal, 3, {kF, kF, kF}, {}},
    {&kFuseSwitches, kSwitchLabels, kTopTerminal, kBottomTerminal, 4, {kF, kF, kF, kN}, {}, true},
};

}  // namespace

void CVelkarionView::DrawFuseI(Dc& dc, double zoom, int ox, int oy) {
    DrawMultiPole(*this, dc, zoom, ox, oy, kFuseRows[0]);
}
void CVelkarionView::DrawFuseIN(Dc& dc, double zoom, int ox, int oy) {
    DrawMultiPole(*this, dc, zoom, ox, oy, kFuseRows[1]);
}
void CVelkarionView::DrawFuseII(Dc& dc, double zoom, int ox, int oy) {
    DrawMultiPole(*this, dc, zoom, ox, oy, kFuseRows[2]);
}
void CVelkarionView::DrawFuseIII(Dc& dc, double zoom, int ox, int oy) {
    DrawMultiPole(*this, dc, zoom, ox, oy, kFuseRows[3]);
}
void CVelkarionView::DrawFuseIIIN(Dc& dc, double zoom, int ox, int oy) {
    DrawMultiPole(*this, dc, zoom, ox, oy, kFuseRows[4]);
}

void CVelkarionView::DrawFuseSwitchI(Dc& dc, double zoom, int ox, int oy) {
    DrawMultiPole(*this, dc, zoom, ox, oy, kFuseSwitchRows[0]);
}
void CVelkarionView::DrawFuseSwitchIN(Dc& dc, double zoom, int ox, int oy) {
    DrawMultiPole(*this, dc, zoom, ox, oy, kFuseSwitchRows[1]);
}
void CVelkarionView::DrawFuseSwitchII(Dc& dc, double zoom, int ox, int oy) {
    DrawMultiPole(*this, dc, zoom, ox, oy, kFuseSwitchRows[2]);
}
void CVelkarionView::DrawFuseSwitchIII(Dc& dc, double zoom, int ox, int oy) {
    DrawMultiPole(*this, dc, zoom, ox, oy, kFuseSwitchRows[3]);
}
void CVelkarionView::DrawFuseSwitchIIIN(Dc& dc, double zoom, int ox, int oy) {
    DrawMultiPole(*this, dc, zoom, ox, oy, kFuseSwitchRows[4]);
}

}  // namespace velk
