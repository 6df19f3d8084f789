// Circuit breakers, residual-current devices and motor protection switches: manual
// multi-pole switches that join every pole both ways while closed (state 1). Their
// latches, cores and releases are drawing only; none of them opens by itself.
#include <string>

#include "symbols/power/MultiPole.h"

namespace velk {

namespace {

constexpr const char* kTextFormat = "TEXT,%3s,%3s,%5s,2";
constexpr const char* kTopTerminal = "NUME,+005,+000,%c%c%c%c";

// Runs every switching pole of these families has, in pole 0's place.
constexpr int kTopLead = 1;
constexpr int kBottomLead = 2;
constexpr int kOpenBlade = 3;
constexpr int kClosedBlade = 4;
constexpr int kStroke = 5;  // from the closed blade to the top lead
// Breakers: the latch beside a phase pole's blade. Motor protection switches: the
// thermal release and the magnetic release's text.
constexpr int kOpenLatch = 6;
constexpr int kClosedLatch = 7;
constexpr int kThermalRelease = 6;
constexpr int kMagneticText = 7;

constexpr const char* kOpenBladeRun[] = {"LINE,-015,+015,+000,+045"};
constexpr const char* kClosedBladeRun[] = {"LINE,-005,+015,+000,+045"};
constexpr const char* kStrokeRun[] = {"LINE,-005,+015,+000,+015"};
constexpr const char* kUpperLead[] = {"LINE,+000,+000,+000,+015"};

// Runs of the device as a whole.
constexpr int kOpenDashes = 1;
constexpr int kClosedDashes = 2;
constexpr int kOutsideDashes = 3;  // the open dashes the picture outside simulation shows
constexpr int kCore = 4;           // the release box of a motor protection switch
constexpr int kActuatorRun = 5;
constexpr int kBladeLinkage = 6;
constexpr int kReleaseLinkage = 7;

// The linkage dashes between the blades at y 30; closed, they move 10 to the right.
constexpr const char* kDashes2Open[] = {"LINE,-007,+030,+003,+030", "LINE,+014,+030,+024,+030"};
constexpr const char* kDashes2Closed[] = {"LINE,+003,+030,+013,+030", "LINE,+024,+030,+034,+030"};
constexpr const char* kDashes3Open[] = {"LINE,-007,+030,+003,+030", "LINE,+018,+030,+028,+030",
                                        "LINE,+042,+030,+052,+030"};
constexpr const char* kDashes3Closed[] = {"LINE,+003,+030,+013,+030", "LINE,+028,+030,+038,+030",
                                          "LINE,+052,+030,+062,+030"};
constexpr const char* kDashes4Open[] = {"LINE,-007,+030,+003,+030", "LINE,+018,+030,+028,+030",
                                        "LINE,+048,+030,+058,+030", "LINE,+073,+030,+083,+030"};
constexpr const char* kDashes4Closed[] = {"LINE,+003,+030,+013,+030", "LINE,+028,+030,+038,+030",
                                          "LINE,+058,+030,+068,+030", "LINE,+083,+030,+093,+030"};

// The manual actuator on the left of residual-current devices and motor protection
// switches.
constexpr const char* kActuator[] = {
    "LINE,-050,+020,-050,+040", "LINE,-050,+030,-040,+030", "LINE,-040,+020,-040,+040",
    "LINE,-030,+020,-030,+040", "LINE,-020,+020,-020,+040", "LINE,-040,+040,-020,+040",
    "LINE,-040,+030,-020,+030", "LINE,-040,+020,-020,+020", "PUNT,-020,+040",
};

// --- circuit breakers ---------------------------------------------------------------------

constexpr LabelLayout kBreakerLabels{"-F", {kTextFormat, "-030", "+022"}, {kTextFormat, "-030", "+037"}};
constexpr const char* kBreakerBottomTerminal = "NUME,+005,+045,%c%c%c%c";

constexpr const char* kBreakerLowerLead[] = {"LINE,+000,+045,+000,+060"};
constexpr const char* kLatchOpen[] = {"POLI,-020,+024,-012,+020,-008,+028,-016,+032"};
constexpr const char* kLatchClosed[] = {"POLI,-010,+024,-002,+020,+002,+028,-006,+032"};

constexpr PoleForm kBreakerPhase{
    {{}, kUpperLead, kBreakerLowerLead, kOpenBladeRun, kClosedBladeRun, kStrokeRun, kLatchOpen, kLatchClosed}};
// The neutral pole switches with the others but has no latch.
constexpr PoleForm kBreakerNeutral{{{}, kUpperLead, kBreakerLowerLead, kOpenBladeRun, kClosedBladeRun, kStrokeRun}};

constexpr PictureStep kBreakerFixed[] = {{StepScope::EachPole, {kTopLead}}, {StepScope::EachPole, {kBottomLead}}};
constexpr PictureStep kBreakerOpen[] = {
    {StepScope::EachPole, {kOpenBlade}}, {StepScope::Device, {kOpenDashes}}, {StepScope::EachPole, {kOpenLatch}}};
constexpr PictureStep kBreakerClosed[] = {
    {StepScope::EachPole, {kClosedBlade}},
    {StepScope::EachPole, {kStroke}},
    {StepScope::Device, {kClosedDashes}},
    {StepScope::EachPole, {kClosedLatch}},
};
// Outside simulation the last pole's latch comes after the dashes.
constexpr PictureStep kBreakerOutside[] = {
    {StepScope::EachPoleButLast, {kTopLead, kBottomLead, kOpenBlade, kOpenLatch}},
    {StepScope::LastPole, {kTopLead, kBottomLead, kOpenBlade}},
    {StepScope::Device, {kOpenDashes}},
    {StepScope::LastPole, {kOpenLatch}},
};

constexpr MultiPoleFamily kBreakers{PoleCondition::StateOne, OperatedWhen::StateOne, PictureMode::OnChange,
                                    kBreakerOutside, kBreakerFixed, kBreakerOpen, kBreakerClosed};

// The four-pole breaker shows a shown second text once more, left-aligned, so that
// a short text starts where the right-aligned one would put a five-character one.
// The copy is padded with blanks to the five text columns, so the alignment digit
// stands in its own column and nothing past the text is read.
void drawSecondTextLeftAligned(ComponentFrame& f) {
    if (f.preview()) return;
    const CVelkarionView& v = f.view();
    if (v.m_label2Visible[f.slot()] != 1) return;
    const std::string& text = v.m_label2[f.slot()];
    static constexpr const char* kColumns[] = {"-070", "-042", "-049", "-056", "-063"};
    const std::size_t n = text.size();
    const char* x = n >= 1 && n <= 4 ? kColumns[n] : kColumns[0];
    std::string shown = labelField(text);
    shown.resize(5, ' ');
    f.draw("TEXT," + std::string(x) + ",+037," + shown + ",0");
}

constexpr const PoleForm* kBP = &kBreakerPhase;
constexpr const PoleForm* kBN = &kBreakerNeutral;
constexpr MultiPoleRow kBreakerRows[] = {
    {&kBreakers, kBreakerLabels, kTopTerminal, kBreakerBottomTerminal, 1, {kBP}, {}},
    {&kBreakers, kBreakerLabels, kTopTerminal, kBreakerBottomTerminal, 2, {kBP, kBN}, {{}, kDashes2Open, kDashes2Closed}},
    {&kBreakers, kBreakerLabels, kTopTerminal, kBreakerBottomTerminal, 2, {kBP, kBP}, {{}, kDashes2Open, kDashes2Closed}},
    {&kBreakers, kBreakerLabels, kTopTerminal, kBreakerBottomTerminal, 3, {kBP, kBP, kBP},
     {{}, kDashes3Open, kDashes3Closed}},
    {&kBreakers, kBreakerLabels, kTopTerminal, kBreakerBottomTerminal, 4, {kBP, kBP, kBP, kBN},
     {{}, kDashes4Open, kDashes4Closed}, false, drawSecondTextLeftAligned},
};

// --- residual-current devices -------------------------------------------------------------------

constexpr LabelLayout kRcdLabels{"-F", {kTextFormat, "-060", "+022"}, {kTextFormat, "-060", "+037"}};
constexpr const char* kRcdBottomTerminal = "NUME,+005,+075,%c%c%c%c";

// The lead below the blade runs down through the core to the terminal.
constexpr const char* kRcdLowerLead[] = {"LINE,+000,+045,+000,+090"};
constexpr PoleForm kRcdPole{{{}, kUpperLead, kRcdLowerLead, kOpenBladeRun, kClosedBladeRun, kStrokeRun}};

// The summation core: two lines and two caps, the right cap drawn end to start.
constexpr const char* kCore2[] = {"LINE,+000,+060,+030,+060", "LINE,+000,+075,+030,+075",
                                  "ARCO,-008,+060,+008,+075,+000,+060,+000,+075",
                                  "ARCO,+022,+060,+038,+075,+030,+075,+030,+060"};
constexpr const char* kCore4[] = {"LINE,+000,+060,+090,+060", "LINE,+000,+075,+090,+075",
                                  "ARCO,-008,+060,+008,+075,+000,+060,+000,+075",
                                  "ARCO,+082,+060,+098,+075,+090,+075,+090,+060"};
constexpr const char* kRcdBladeLinkage2[] = {"LINE,-020,+030,-010,+030", "LINE,+010,+030,+020,+030"};
constexpr const char* kRcdBladeLinkage4[] = {"LINE,-020,+030,-010,+030"};
constexpr const char* kRcdReleaseLinkage[] = {"LINE,-030,+040,-030,+050", "LINE,-030,+062,-030,+067",
                                              "LINE,-030,+067,-025,+067", "LINE,-015,+067,-007,+067"};

constexpr PictureStep kRcdFixed[] = {
    {StepScope::EachPole, {kTopLead, kBottomLead}},
    {StepScope::Device, {kCore, kActuatorRun, kBladeLinkage, kReleaseLinkage}},
};
constexpr PictureStep kBladesOpen[] = {{StepScope::EachPole, {kOpenBlade}}, {StepScope::Device, {kOpenDashes}}};
constexpr PictureStep kBladesClosed[] = {
    {StepScope::EachPole, {kClosedBlade}}, {StepScope::EachPole, {kStroke}}, {StepScope::Device, {kClosedDashes}}};
constexpr PictureStep kRcdOutside[] = {
    {StepScope::EachPole, {kTopLead, kBottomLead, kOpenBlade}},
    {StepScope::Device, {kCore, kActuatorRun, kBladeLinkage, kOutsideDashes}},
    {StepScope::Device, {kReleaseLinkage}},
};

constexpr MultiPoleFamily kRcds{PoleCondition::StateOne, OperatedWhen::StateOne, PictureMode::OnChange,
                                kRcdOutside, kRcdFixed, kBladesOpen, kBladesClosed};

constexpr MultiPoleRow kRcdRows[] = {
    // The two-pole device shows its dashes only while simulating.
    {&kRcds, kRcdLabels, kTopTerminal, kRcdBottomTerminal, 2, {&kRcdPole, &kRcdPole},
     {{}, kDashes2Open, kDashes2Closed, {}, kCore2, kActuator, kRcdBladeLinkage2, kRcdReleaseLinkage}},
    {&kRcds, kRcdLabels, kTopTerminal, kRcdBottomTerminal, 4, {&kRcdPole, &kRcdPole, &kRcdPole, &kRcdPole},
     {{}, kDashes4Open, kDashes4Closed, kDashes4Open, kCore4, kActuator, kRcdBladeLinkage4, kRcdReleaseLinkage}},
};

// --- motor protection switches ---------------------------------------------------------------------

constexpr LabelLayout kSwitchLabels{"-Q", {kTextFormat, "-060", "+022"}, {kTextFormat, "-060", "+037"}};
constexpr const char* kSwitchBottomTerminal = "NUME,+005,+090,%c%c%c%c";

constexpr const char* kPhaseLeads[] = {"LINE,+000,+000,+000,+015", "LINE,+000,+045,+000,+060",
                                       "LINE,+000,+090,+000,+105"};
// The neutral lead runs past the release box without a release.
constexpr const char* kNeutralLeads[] = {"LINE,+000,+000,+000,+015", "LINE,+000,+045,+000,+060",
                                         "LINE,+000,+060,+000,+105"};
constexpr const char* kBimetal[] = {"LINE,+000,+060,+000,+064", "LINE,+000,+064,+007,+064",
                                    "LINE,+007,+064,+007,+071", "LINE,+007,+071,+000,+071",
                                    "LINE,+000,+071,+000,+075"};
// The magnetic release's text is spelled per member and pole, and not moved.
constexpr const char* kTextMinus000[] = {"TEXT,-000,+075,I>    ,0"};
constexpr const char* kText0030[] = {"TEXT,0030,+075,I>    ,0"};
constexpr const char* kTextPlus000[] = {"TEXT,+000,+075,I>    ,0"};
constexpr const char* kTextPlus030[] = {"TEXT,+030,+075,I>    ,0"};
constexpr const char* kTextPlus060[] = {"TEXT,+060,+075,I>    ,0"};

constexpr PoleForm phasePoleWith(Commands magneticText) {
    return PoleForm{{{}, kPhaseLeads, {}, kOpenBladeRun, kClosedBladeRun, kStrokeRun, kBimetal, magneticText}};
}
constexpr PoleForm kMpsMinus000 = phasePoleWith(kTextMinus000);
constexpr PoleForm kMps0030 = phasePoleWith(kText0030);
constexpr PoleForm kMpsPlus000 = phasePoleWith(kTextPlus000);
constexpr PoleForm kMpsPlus030 = phasePoleWith(kTextPlus030);
constexpr PoleForm kMpsPlus060 = phasePoleWith(kTextPlus060);
constexpr PoleForm kMpsNeutral{{{}, kNeutralLeads, {}, kOpenBladeRun, kClosedBladeRun, kStrokeRun}};

// The release box: one cell column per phase pole.
constexpr const char* kBox1[] = {"LINE,-015,+060,+015,+060", "LINE,-015,+075,+015,+075", "LINE,-015,+090,+015,+090",
                                 "LINE,-015,+060,-015,+090", "LINE,+015,+060,+015,+090"};
constexpr const char* kBox2[] = {"LINE,-015,+060,+045,+060", "LINE,-015,+075,+045,+075", "LINE,-015,+090,+045,+090",
                                 "LINE,-015,+060,-015,+090", "LINE,+015,+060,+015,+090", "LINE,+045,+060,+045,+090"};
constexpr const char* kBox3[] = {"LINE,-015,+060,+075,+060", "LINE,-015,+075,+075,+075", "LINE,-015,+090,+075,+090",
                                 "LINE,-015,+060,-015,+090", "LINE,+015,+060,+015,+090", "LINE,+045,+060,+045,+090",
                                 "LINE,+075,+060,+075,+090"};
constexpr const char* kSwitchLinkage1[] = {"LINE,-020,+030,-010,+030"};
constexpr const char* kSwitchLinkage2[] = {"LINE,-020,+030,-010,+030", "LINE,+010,+030,+020,+030"};
constexpr const char* kSwitchLinkage3[] = {"LINE,-020,+030,-015,+030"};
constexpr const char* kSwitchReleaseLinkage[] = {
    "LINE,-030,+040,-030,+045", "LINE,-030,+050,-030,+057", "LINE,-030,+062,-030,+072", "LINE,-030,+067,-025,+067",
    "LINE,-020,+067,-015,+067", "LINE,-030,+077,-030,+082", "LINE,-030,+082,-025,+082", "LINE,-020,+082,-015,+082",
};
constexpr const char* kDashes4SwitchOpen[] = {"LINE,-007,+030,+003,+030", "LINE,+018,+030,+028,+030",
                                              "LINE,+042,+030,+052,+030", "LINE,+072,+030,+082,+030"};
constexpr const char* kDashes4SwitchClosed[] = {"LINE,+003,+030,+013,+030", "LINE,+028,+030,+038,+030",
                                                "LINE,+052,+030,+062,+030", "LINE,+082,+030,+092,+030"};

constexpr PictureStep kSwitchFixed[] = {
    {StepScope::EachPole, {kTopLead, kThermalRelease, kMagneticText}},
    {StepScope::Device, {kCore, kActuatorRun, kBladeLinkage, kReleaseLinkage}},
};
constexpr PictureStep kSwitchOutside[] = {
    {StepScope::EachPole, {kTopLead, kOpenBlade, kThermalRelease, kMagneticText}},
    {StepScope::Device, {kCore, kActuatorRun, kBladeLinkage, kOutsideDashes}},
    {StepScope::Device, {kReleaseLinkage}},
};

constexpr MultiPoleFamily kMotorProtection{PoleCondition::StateOne, OperatedWhen::StateOne, PictureMode::OnChange,
                                           kSwitchOutside, kSwitchFixed, kBladesOpen, kBladesClosed};

constexpr MultiPoleRow kSwitchRows[] = {
    // 6010, one pole
    {&kMotorProtection, kSwitchLabels, kTopTerminal, kSwitchBottomTerminal, 1, {&kMpsMinus000},
     {{}, {}, {}, {}, kBox1, kActuator, kSwitchLinkage1, kSwitchReleaseLinkage}},
    // 6008, two poles: the dashes only while simulating
    {&kMotorProtection, kSwitchLabels, kTopTerminal, kSwitchBottomTerminal, 2, {&kMpsMinus000, &kMps0030},
     {{}, kDashes2Open, kDashes2Closed, {}, kBox2, kActuator, kSwitchLinkage2, kSwitchReleaseLinkage}},
    // 6009, three poles
    {&kMotorProtection, kSwitchLabels, kTopTerminal, kSwitchBottomTerminal, 3,
     {&kMpsPlus000, &kMpsPlus030, &kMpsPlus060},
     {{}, kDashes3Open, kDashes3Closed, kDashes3Open, kBox3, kActuator, kSwitchLinkage3, kSwitchReleaseLinkage}},
    // 6011, a pole and the neutral: the dashes only while simulating
    {&kMotorProtection, kSwitchLabels, kTopTerminal, kSwitchBottomTerminal, 2, {&kMpsMinus000, &kMpsNeutral},
     {{}, kDashes2Open, kDashes2Closed, {}, kBox1, kActuator, kSwitchLinkage2, kSwitchReleaseLinkage}},
    // 6012, three poles and the neutral
    {&kMotorProtection, kSwitchLabels, kTopTerminal, kSwitchBottomTerminal, 4,
     {&kMpsPlus000, &kMpsPlus030, &kMpsPlus060, &kMpsNeutral},
     {{}, kDashes4SwitchOpen, kDashes4SwitchClosed, kDashes4SwitchOpen, kBox3, kActuator, kSwitchLinkage3,
      kSwitchReleaseLinkage}},
};

}  // namespace

void CVelkarionView::DrawBreakerI(Dc& dc, double zoom, int ox, int oy) {
    DrawMultiPole(*this, dc, zoom, ox, oy, kBreakerRows[0]);
}
void CVelkarionView::DrawBreakerIN(Dc& dc, double zoom, int ox, int oy) {
    DrawMultiPole(*this, dc, zoom, ox, oy, kBreakerRows[1]);
}
void CVelkarionView::DrawBreakerII(Dc& dc, double zoom, int ox, int oy) {
    DrawMultiPole(*this, dc, zoom, ox, oy, kBreakerRows[2]);
}
void CVelkarionView::DrawBreakerIII(Dc& dc, double zoom, int ox, int oy) {
    DrawMultiPole(*this, dc, zoom, ox, oy, kBreakerRows[3]);
}
void CVelkarionView::DrawBreakerIIIN(Dc& dc, double zoom, int ox, int oy) {
    DrawMultiPole(*this, dc, zoom, ox, oy, kBreakerRows[4]);
}

void CVelkarionView::DrawRcdIN(Dc& dc, double zoom, int ox, int oy) {
    DrawMultiPole(*this, dc, zoom, ox, oy, kRcdRows[0]);
}
void CVelkarionView::DrawRcdIIIN(Dc& dc, double zoom, int ox, int oy) {
    DrawMultiPole(*this, dc, zoom, ox, oy, kRcdRows[1]);
}

void CVelkarionView::DrawMotorProtectionSwitchI(Dc& dc, double zoom, int ox, int oy) {
    DrawMultiPole(*this, dc, zoom, ox, oy, kSwitchRows[0]);
}
void CVelkarionView::DrawMotorProtectionSwitchII(Dc& dc, double zoom, int ox, int oy) {
    DrawMultiPole(*this, dc, zoom, ox, oy, kSwitchRows[1]);
}
void CVelkarionView::DrawMotorProtectionSwitchIII(Dc& dc, double zoom, int ox, int oy) {
    DrawMultiPole(*this, dc, zoom, ox, oy, kSwitchRows[2]);
}
void CVelkarionView::DrawMotorProtectionSwitchIN(Dc& dc, double zoom, int ox, int oy) {
    DrawMultiPole(*this, dc, zoom, ox, oy, kSwitchRows[3]);
}
void CVelkarionView::DrawMotorProtectionSwitchIIIN(Dc& dc, double zoom, int ox, int oy) {
    DrawMultiPole(*this, dc, zoom, ox, oy, kSwitchRows[4]);
}

}  // namespace velk
