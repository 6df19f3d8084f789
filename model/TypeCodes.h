#pragma once
// Type codes: one integer per slot and per tool decides how an item is drawn,
// evaluated, picked, edited and stored. The values are those of the sheet file
// and must never change.

namespace velk {

// Special and free drawing
constexpr int kTypeColorPicker = 7;
constexpr int kTypeNone = 0;
constexpr int kTypePicture = 9;
constexpr int kTypeCompanionSlot = -1;
constexpr int kTypeLine = 1;
constexpr int kTypeRectangle = 2;
constexpr int kTypeEllipse = 3;
constexpr int kTypeFilledRectangle = 4;
constexpr int kTypeFilledEllipse = 5;
constexpr int kTypeFill = 6;
constexpr int kTypeText = 8;

// Motors, resistors and drives
constexpr int kTypeMotorThreePhase = 1000;
constexpr int kTypeMotorStarDelta = 1001;
constexpr int kTypeMotorSinglePhase = 1002;
constexpr int kTypeMotorDahlander = 1003;
constexpr int kTypeMotorWoundRotor = 1004;
constexpr int kTypeMotorTwoWinding = 1005;
constexpr int kTypeMotorDcPermanentMagnet = 1006;
constexpr int kTypeMotorDcSeparatelyExcited = 1007;
constexpr int kTypeResistor = 1050;
constexpr int kTypeResistorThreePhase = 1051;
constexpr int kTypeAutotransformer = 1052;
constexpr int kTypeSoftStarter = 1053;
constexpr int kTypeInverterSinglePhaseFed = 1054;
constexpr int kTypeInverterThreePhase = 1055;
constexpr int kTypeInverterControl = 1056;
constexpr int kTypeDcRegulatorSinglePhase = 1057;
constexpr int kTypeDcRegulatorSinglePhaseField = 1058;
constexpr int kTypeDcRegulatorThreePhase = 1059;
constexpr int kTypeDcRegulatorThreePhaseField = 1060;
constexpr int kTypeDcRegulatorControl = 1061;
constexpr int kTypeSoftStarterControl = 1062;

// Power contacts
constexpr int kTypeMainContactsII = 2000;
constexpr int kTypeMainContactsIII = 2001;
constexpr int kTypeMainContactsIIII = 2002;
constexpr int kTypeSwitchDisconnectorII = 2003;
constexpr int kTypeSwitchDisconnectorIII = 2004;
constexpr int kTypeSwitchDisconnectorIIII = 2005;
constexpr int kTypeMainContactsI = 2006;
constexpr int kTypeSwitchDisconnectorI = 2007;

// Supplies and converters
constexpr int kTypeSupplyL = 3000;
constexpr int kTypeSupplyN = 3001;
constexpr int kTypeSupplyPE = 3002;
constexpr int kTypeSupplyLN = 3003;
constexpr int kTypeSupplyL1L2L3 = 3004;
constexpr int kTypeSupplyL1L2L3PE = 3005;
constexpr int kTypeSupplyL1L2L3N = 3006;
constexpr int kTypeSupplyL1L2L3NPE = 3007;
constexpr int kTypeSupplyPlus = 3008;
constexpr int kTypeSupplyMinus = 3009;
constexpr int kTypeSupplyPlusMinus = 3010;
constexpr int kTypeSupplyLNPE = 3011;
constexpr int kTypeTransformer = 3012;
constexpr int kTypeRectifier = 3013;
constexpr int kTypePowerSupplyUnit = 3014;
constexpr int kTypeEarthSymbol = 3015;
constexpr int kTypeDiode = 3016;
constexpr int kTypeTransformerThreePhase = 3017;
constexpr int kTypePowerSupplyUnitThreePhase = 3018;
constexpr int kTypeBattery = 3019;

// Wires, junctions and terminals
constexpr int kTypeWirePhase = 4000;
constexpr int kTypeConnectionDot = 4001;
constexpr int kTypeBundle = 4002;
constexpr int kTypeBundleEntryLeft = 4003;
constexpr int kTypeBundleEntryRight = 4004;
constexpr int kTypeWireThreePhaseVertical1 = 4005;
constexpr int kTypeWireThreePhaseVertical2 = 4006;
constexpr int kTypeWireThreePhaseHorizontal1 = 4007;
constexpr int kTypeWireThreePhaseHorizontal2 = 4008;
constexpr int kTypeWireNeutral = 4009;
constexpr int kTypeWirePE = 4010;
constexpr int kTypeTerminalI = 4011;
constexpr int kTypeTerminalII = 4012;
constexpr int kTypeConnectionPointLeft = 4013;
constexpr int kTypeConnectionPointRight = 4014;
constexpr int kTypeTerminalStrip2 = 4015;
constexpr int kTypeTerminalStrip3 = 4016;
constexpr int kTypeTerminalStrip4 = 4017;
constexpr int kTypeWirePlus = 4018;
constexpr int kTypeWireMinus = 4019;

// Fuses
constexpr int kTypeFuseI = 5000;
constexpr int kTypeFuseIN = 5001;
constexpr int kTypeFuseII = 5002;
constexpr int kTypeFuseIII = 5003;
constexpr int kTypeFuseIIIN = 5004;
constexpr int kTypeFuseSwitchI = 5005;
constexpr int kTypeFuseSwitchIN = 5006;
constexpr int kTypeFuseSwitchII = 5007;
constexpr int kTypeFuseSwitchIII = 5008;
constexpr int kTypeFuseSwitchIIIN = 5009;

// Breakers and protection
constexpr int kTypeBreakerI = 6000;
constexpr int kTypeBreakerIN = 6001;
constexpr int kTypeBreakerII = 6002;
constexpr int kTypeBreakerIII = 6003;
constexpr int kTypeBreakerIIIN = 6004;
constexpr int kTypeRcdIN = 6005;
constexpr int kTypeRcdIIIN = 6006;
constexpr int kTypeThermalOverloadRelay = 6007;
constexpr int kTypeMotorProtectionSwitchII = 6008;
constexpr int kTypeMotorProtectionSwitchIII = 6009;
constexpr int kTypeMotorProtectionSwitchI = 6010;
constexpr int kTypeMotorProtectionSwitchIN = 6011;
constexpr int kTypeMotorProtectionSwitchIIIN = 6012;
constexpr int kTypeSurgeArresterIN = 6013;
constexpr int kTypeSurgeArresterIIIN = 6014;

// Auxiliary and timed contacts
constexpr int kTypeAuxContactNO = 7000;
constexpr int kTypeAuxContactNC = 7001;
constexpr int kTypeAuxContactNONC = 7002;
constexpr int kTypeAuxContactChangeover = 7003;
constexpr int kTypeOnDelayContactNO = 7004;
constexpr int kTypeOnDelayContactNC = 7005;
constexpr int kTypeOnDelayContactNONC = 7006;
constexpr int kTypeOnDelayContactChangeover = 7007;
constexpr int kTypeOffDelayContactNO = 7008;
constexpr int kTypeOffDelayContactNC = 7009;
constexpr int kTypeOffDelayContactNONC = 7010;
constexpr int kTypeOffDelayContactChangeover = 7011;
constexpr int kTypeOnOffDelayContactNO = 7012;
constexpr int kTypeOnOffDelayContactNC = 7013;
constexpr int kTypeOnOffDelayContactNONC = 7014;
constexpr int kTypeOnOffDelayContactChangeover = 7015;

// Sensors and barriers
constexpr int kTypeInductiveSensorNO2Wire = 7500;
constexpr int kTypeInductiveSensorNO3WirePnp = 7501;
constexpr int kTypeInductiveSensorNO3WireNpn = 7502;
constexpr int kTypeInductiveSensorNO2WireSide = 7503;
constexpr int kTypeInductiveSensorNO3WirePnpSide = 7504;
constexpr int kTypeInductiveSensorNO3WireNpnSide = 7505;
constexpr int kTypeCapacitiveSensorNO2Wire = 7506;
constexpr int kTypeCapacitiveSensorNO3WirePnp = 7507;
constexpr int kTypeCapacitiveSensorNO3WireNpn = 7508;
constexpr int kTypeCapacitiveSensorNO2WireSide = 7509;
constexpr int kTypeCapacitiveSensorNO3WirePnpSide = 7510;
constexpr int kTypeCapacitiveSensorNO3WireNpnSide = 7511;
constexpr int kTypeMagneticSensorNO2Wire = 7512;
constexpr int kTypeMagneticSensorNO3WirePnp = 7513;
constexpr int kTypeMagneticSensorNO3WireNpn = 7514;
constexpr int kTypeMagneticSensorNO2WireSide = 7515;
constexpr int kTypeMagneticSensorNO3WirePnpSide = 7516;
constexpr int kTypeMagneticSensorNO3WireNpnSide = 7517;
constexpr int kTypeInductiveSensorNC2Wire = 7520;
constexpr int kTypeInductiveSensorNC3WirePnp = 7521;
constexpr int kTypeInductiveSensorNC3WireNpn = 7522;
constexpr int kTypeInductiveSensorNC2WireSide = 7523;
constexpr int kTypeInductiveSensorNC3WirePnpSide = 7524;
constexpr int kTypeInductiveSensorNC3WireNpnSide = 7525;
constexpr int kTypeCapacitiveSensorNC2Wire = 7526;
constexpr int kTypeCapacitiveSensorNC3WirePnp = 7527;
constexpr int kTypeCapacitiveSensorNC3WireNpn = 7528;
constexpr int kTypeCapacitiveSensorNC2WireSide = 7529;
constexpr int kTypeCapacitiveSensorNC3WirePnpSide = 7530;
constexpr int kTypeCapacitiveSensorNC3WireNpnSide = 7531;
constexpr int kTypeMagneticSensorNC2Wire = 7532;
constexpr int kTypeMagneticSensorNC3WirePnp = 7533;
constexpr int kTypeMagneticSensorNC3WireNpn = 7534;
constexpr int kTypeMagneticSensorNC2WireSide = 7535;
constexpr int kTypeMagneticSensorNC3WirePnpSide = 7536;
constexpr int kTypeMagneticSensorNC3WireNpnSide = 7537;
constexpr int kTypeReflexBarrier = 7550;
constexpr int kTypeBarrierEmitter = 7551;
constexpr int kTypeBarrierEmitterSide = 7552;
constexpr int kTypeBarrierReceiverNO2Wire = 7553;
constexpr int kTypeBarrierReceiverNO3WirePnp = 7554;
constexpr int kTypeBarrierReceiverNO3WireNpn = 7555;
constexpr int kTypeBarrierReceiverNO2WireSide = 7556;
constexpr int kTypeBarrierReceiverNO3WirePnpSide = 7557;
constexpr int kTypeBarrierReceiverNO3WireNpnSide = 7558;
constexpr int kTypeBarrierReceiverNC2Wire = 7559;
constexpr int kTypeBarrierReceiverNC3WirePnp = 7560;
constexpr int kTypeBarrierReceiverNC3WireNpn = 7561;
constexpr int kTypeBarrierReceiverNC2WireSide = 7562;
constexpr int kTypeBarrierReceiverNC3WirePnpSide = 7563;
constexpr int kTypeBarrierReceiverNC3WireNpnSide = 7564;

// Manual devices, thermal contacts and selectors
constexpr int kTypePushButtonNO = 8000;
constexpr int kTypePushButtonNC = 8001;
constexpr int kTypePushButtonNONC = 8002;
constexpr int kTypePushButtonChangeover = 8003;
constexpr int kTypeMushroomButtonNO = 8004;
constexpr int kTypeMushroomButtonNC = 8005;
constexpr int kTypeMushroomButtonNONC = 8006;
constexpr int kTypeMushroomButtonChangeover = 8007;
constexpr int kTypeLatchingSwitchNO = 8008;
constexpr int kTypeLatchingSwitchNC = 8009;
constexpr int kTypeLatchingSwitchNONC = 8010;
constexpr int kTypeLatchingSwitchChangeover = 8011;
constexpr int kTypeLimitSwitchNO = 8012;
constexpr int kTypeLimitSwitchNC = 8013;
constexpr int kTypeLimitSwitchNONC = 8014;
constexpr int kTypeLimitSwitchChangeover = 8015;
constexpr int kTypeThermalContactNO = 8016;
constexpr int kTypeThermalContactNC = 8017;
constexpr int kTypeThermalContactNONC = 8018;
constexpr int kTypeThermalContactChangeover = 8019;
constexpr int kTypeSelectorSwitchCenterOff = 8020;
constexpr int kTypeSelectorSwitchThreeWay = 8021;
constexpr int kTypeIntermediateSwitch = 8022;

// Coils, timers and signalling
constexpr int kTypeCoil = 9000;
constexpr int kTypeBistableCoil = 9001;
constexpr int kTypeImpulseRelayCoil = 9002;
constexpr int kTypeSolenoidValveCoil = 9003;
constexpr int kTypeOnDelayTimer = 9004;
constexpr int kTypeOffDelayTimer = 9005;
constexpr int kTypeOnOffDelayTimer = 9006;
constexpr int kTypeCyclicTimer = 9007;
constexpr int kTypePilotLamp = 9008;
constexpr int kTypeFlashingPilotLamp = 9009;
constexpr int kTypeBell = 9010;
constexpr int kTypeBuzzer = 9011;
constexpr int kTypeSiren = 9012;
constexpr int kTypeHorn = 9013;

// Logic, ladder and sequential-chart blocks
constexpr int kTypeAnd2 = 10000;
constexpr int kTypeAnd3 = 10001;
constexpr int kTypeAnd4 = 10002;
constexpr int kTypeAnd5 = 10003;
constexpr int kTypeOr2 = 10010;
constexpr int kTypeOr3 = 10011;
constexpr int kTypeOr4 = 10012;
constexpr int kTypeOr5 = 10013;
constexpr int kTypeNand2 = 10020;
constexpr int kTypeNand3 = 10021;
constexpr int kTypeNand4 = 10022;
constexpr int kTypeNand5 = 10023;
constexpr int kTypeNor2 = 10030;
constexpr int kTypeNor3 = 10031;
constexpr int kTypeNor4 = 10032;
constexpr int kTypeNor5 = 10033;
constexpr int kTypeNot = 10040;
constexpr int kTypeExor = 10041;
constexpr int kTypeLadderContactNO = 10050;
constexpr int kTypeLadderContactNC = 10051;
constexpr int kTypeLadderRisingEdge = 10052;
constexpr int kTypeLadderFallingEdge = 10053;
constexpr int kTypeLadderCoil = 10060;
constexpr int kTypeLadderSetCoil = 10061;
constexpr int kTypeLadderResetCoil = 10062;
constexpr int kTypeLogicProbe = 10070;
constexpr int kTypeLogicDisplay = 10071;
constexpr int kTypeGrafcetInitialStep = 10100;
constexpr int kTypeGrafcetStep = 10101;
constexpr int kTypeGrafcetTransition = 10102;
constexpr int kTypeGrafcetAction = 10103;
constexpr int kTypeGrafcetAndDivergence = 10104;
constexpr int kTypeGrafcetAndConvergence = 10105;
constexpr int kTypeGrafcetLink = 10106;
constexpr int kTypeGrafcetInputLink = 10107;
constexpr int kTypeGrafcetOutputLink = 10108;
constexpr int kTypeGrafcetOrDivergence = 10109;
constexpr int kTypeGrafcetOrConvergence = 10110;
constexpr int kTypeGrafcetMacroStep = 10111;

// Every code above, in ascending order.
extern const int kAllTypeCodes[];
extern const int kAllTypeCodeCount;

// The name of a code ("kTypeCoil"), or nullptr for a number that is no code.
const char* typeCodeName(int code);
bool isKnownTypeCode(int code);

// --- code sets -----------------------------------------------------------------

// Free drawing items 1 to 9, drawn by the paint routine itself.
constexpr bool isFreeDrawing(int t) { return t >= kTypeLine && t <= kTypePicture; }
// Components: codes from 1000 up.
constexpr bool isComponent(int t) { return t >= 1000; }
// Wires and chart lines, treated alike by the wire pass, net numbering, the clock
// and the edit commands.
constexpr bool isWireLike(int t) {
    return t == kTypeWirePhase || t == kTypeWireNeutral || t == kTypeWirePE || t == kTypeWirePlus ||
           t == kTypeWireMinus || t == kTypeGrafcetAndDivergence || t == kTypeGrafcetAndConvergence ||
           t == kTypeGrafcetLink;
}
// Codes drawn by the wire pass rather than by a routine of their own.
constexpr bool isDrawnByWirePass(int t) { return isWireLike(t) || t == kTypeBundle; }
// Tools that draw rubber lines instead of a grid marker.
constexpr bool isWireTool(int t) {
    return isDrawnByWirePass(t) || (t >= kTypeWireThreePhaseVertical1 && t <= kTypeWireThreePhaseHorizontal2) ||
           t == kTypeTerminalI || t == kTypeTerminalII ||
           (t >= kTypeTerminalStrip2 && t <= kTypeTerminalStrip4);
}
// Codes that are tools only and never stand in a slot.
constexpr bool isToolOnly(int t) {
    return t == kTypeColorPicker || (t >= kTypeWireThreePhaseVertical1 && t <= kTypeWireThreePhaseHorizontal2);
}
// Items kept as two corners: free drawing, wires, bundles and chart lines.
constexpr bool isLineKind(int t) { return isFreeDrawing(t) || isDrawnByWirePass(t); }
// Items kept as an insertion point and a symbol box.
constexpr bool isSymbolKind(int t) {
    return (t >= 1000 && t <= 3999) || t == kTypeConnectionDot || t == kTypeBundleEntryLeft ||
           t == kTypeBundleEntryRight || (t >= kTypeTerminalI && t <= kTypeTerminalStrip4) ||
           (t >= 4020 && t <= kTypeGrafcetAction) || t >= kTypeGrafcetInputLink;
}
// Drawn in the terminal pass, after the wires, never inside an evaluation pass.
constexpr bool isTerminalStrip(int t) {
    return t == kTypeTerminalII || (t >= kTypeTerminalStrip2 && t <= kTypeTerminalStrip4);
}
constexpr bool isLamp(int t) { return t == kTypePilotLamp; }
constexpr bool isProximitySensor(int t) { return (t >= 7500 && t <= 7517) || (t >= 7520 && t <= 7537); }
constexpr bool isBarrier(int t) { return t >= kTypeReflexBarrier && t <= kTypeBarrierReceiverNC3WireNpnSide; }
constexpr bool isFixedSupply(int t) { return t >= kTypeSupplyL && t <= kTypeSupplyLNPE; }
constexpr bool isLogicGate(int t) {
    return (t >= kTypeAnd2 && t <= kTypeAnd5) || (t >= kTypeOr2 && t <= kTypeOr5) ||
           (t >= kTypeNand2 && t <= kTypeNand5) || (t >= kTypeNor2 && t <= kTypeNor5) || t == kTypeNot ||
           t == kTypeExor;
}

}  // namespace velk
