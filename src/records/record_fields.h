// Field tables of the unit's records, one row per field in the order of the byte image.
// Each row is one of:
//   FIELD(offset, type, name, default)        a scalar
//   ARRAY(offset, type, count, name, default) an array; a char array is a NUL-terminated text
//   RECORD(offset, type, name)                one nested record
//   RECORDS(offset, type, count, name)        an array of nested records
// The default is what the defaults routines write; a row without one is not written by them.
// records.h builds the structs from these rows, records.cpp asserts every offset and writes the
// defaults, records_state.cpp registers every field for the headless host: adding a field is one row.
#pragma once

// UnitSettings (2016 bytes): every setting; its byte image is the body of the settings file.
// Speeds are in the unit of speedUnit, temperatures in the unit of their own unit field.
#define UNIT_SETTINGS_FIELDS(FIELD, ARRAY, RECORD, RECORDS) \
    FIELD(0, uint16_t, firmwareVersion, 306)                                   /* firmware version stamp in hundredths (306 = 3.06); defaults and a recall set it to the running firmware version */ \
    FIELD(2, uint8_t, dataRecording, 1)                                        /* DATA RECORDING: 0 OFF, 1 ON */ \
    FIELD(3, uint8_t, reserved3, 1)                                            /* set to 1 by defaults, not read */ \
    FIELD(4, uint8_t, reserved4, 1)                                            /* set to 1 by defaults, not read */ \
    FIELD(5, uint8_t, reserved5, 1)                                            /* set to 1 by defaults, not read */ \
    FIELD(6, uint8_t, turnRateIndicator, 1)                                    /* TURN RATE INDICATOR: 0 OFF, 1 ON */ \
    FIELD(7, uint8_t, bankIndicator, 1)                                        /* BANK INDICATOR: 0 OFF, 1 ON */ \
    FIELD(8, uint8_t, bankIndicatorType, 0)                                    /* BANK INDICATOR TYPE: 0 FIXED, 1 MOVING */ \
    FIELD(9, uint8_t, pitchMarkers, 1)                                         /* PITCH MARKERS: 0 OFF, 1 ON */ \
    FIELD(10, uint8_t, groundColor, 0)                                         /* GROUND COLOR: 0 BROWN, 1 GREEN */ \
    FIELD(11, uint8_t, attitudeSource, 0)                                      /* ATTITUDE SOURCE: 0 ATTITUDE SENSOR, 1 GPS FLIGHT PATH, 2 NONE */ \
    FIELD(12, int16_t, bankZero, 0)                                            /* BANK ZERO: bank-angle zero offset, degrees (-10..+10) */ \
    FIELD(14, uint8_t, compassDisplay, 1)                                      /* COMPASS DISPLAY: 0 OFF, 1 MAGNETIC SENSOR, 2 GPS TRACK */ \
    FIELD(15, uint8_t, compassTape, 1)                                         /* COMPASS TAPE: 0 NUMERIC, 1 MIXED, 2 CARDINAL */ \
    FIELD(16, uint8_t, compassFilter, 3)                                       /* COMPASS FILTER: 0 NONE, 1 LOW, 2 MEDIUM, 3 HIGH */ \
    FIELD(17, uint8_t, slipBallDisplay, 1)                                     /* SLIP/SKID BALL DISPLAY: 0 OFF, 1 ON */ \
    FIELD(18, int16_t, slipZero, 0)                                            /* SLIP/SKID ZERO: lateral sensor reading captured as zero (raw sensor units) */ \
    FIELD(20, uint8_t, slipSensitivity, 0)                                     /* SLIP/SKID SENSITIVITY: 0 LOW, 1 HIGH */ \
    FIELD(21, uint8_t, oatDisplay, 1)                                          /* OAT DISPLAY: 0 OFF, 1 ON */ \
    FIELD(22, int16_t, oatDisplayMax, 100)                                     /* OAT DISPLAY MAX, degrees in OAT unit */ \
    FIELD(24, int16_t, oatDisplayMin, -50)                                     /* OAT DISPLAY MIN, degrees */ \
    FIELD(26, int16_t, oatLowAlarm, 0)                                         /* OAT LOW ALARM value, degrees */ \
    FIELD(28, int16_t, oatHighAlarm, 60)                                       /* OAT HIGH ALARM value, degrees */ \
    FIELD(30, uint8_t, oatLowAlarmOn, 1)                                       /* OAT LOW ALARM: 0 OFF, 1 ON */ \
    FIELD(31, uint8_t, oatHighAlarmOn, 1)                                      /* OAT HIGH ALARM: 0 OFF, 1 ON */ \
    FIELD(32, uint8_t, engineTempUnit, 0)                                      /* TEMPERATURE UNIT for EGT/CHT and engine temperature channels: 0 °C, 1 °F */ \
    FIELD(33, uint8_t, oatUnit, 0)                                             /* OAT TEMPERATURE UNIT: 0 °C, 1 °F */ \
    FIELD(34, uint8_t, altitudeUnit, 0)                                        /* ALTITUDE UNIT: 0 ft, 1 m */ \
    FIELD(35, uint8_t, pressureUnit, 0)                                        /* PRESSURE UNIT (altimeter setting): 0 mb, 1 inHg */ \
    FIELD(36, uint8_t, densityAltitudeDisplay, 1)                              /* EFIS DENSITY ALTITUDE: 0 OFF, 1 ON */ \
    FIELD(37, uint8_t, altEncoderOutput, 0)                                    /* SERIAL OUTPUT (altitude encoder): 0 OFF, 1 ON - RS232 COM1, 2 ON - RS232 COM2 */ \
    FIELD(38, uint8_t, altEncoderProtocol, 0)                                  /* SERIAL PROTOCOL: 0 GARMIN AT, 1 MAGELLAN, 2 NORTHSTAR/GARMIN, 3 TRIMBLE/GARMIN, 4 QEL AVIONICS, 5 MICROAIR */ \
    FIELD(39, uint8_t, altEncoderResolution, 0)                                /* SERIAL RESOLUTION: 0 1ft, 1 10ft, 2 25ft, 3 100ft */ \
    FIELD(40, uint8_t, vsiUnit, 0)                                             /* VSI UNIT: 0 ft/min, 1 m/s */ \
    FIELD(41, uint8_t, vsiScale, 1)                                            /* VSI SCALE: 0 1000ft/min, 1 2000ft/min, 2 4000ft/min (m/s unit: 5, 10, 20 m/s) */ \
    FIELD(42, uint8_t, speedUnit, 0)                                           /* ASI UNIT, also the distance/speed unit of navigation: 0 mph (sm), 1 km/h (km), 2 kts (nm) */ \
    FIELD(43, uint8_t, asiFilter, 1)                                           /* ASI FILTER: 0 NONE, 1 FAST, 2 SLOW */ \
    FIELD(44, uint16_t, asiSpan, 350)                                          /* ASI SPAN (TAPE&DIAL), in speed unit */ \
    FIELD(46, uint8_t, asiInView, 20)                                          /* ASI IN VIEW (TAPE), percent of span */ \
    FIELD(47, uint16_t, vne, 220)                                              /* Vne (NEVER EXCEED SPEED), speed unit */ \
    FIELD(49, uint16_t, vno, 180)                                              /* Vno (MAX MANEUVERING SPEED), speed unit */ \
    FIELD(51, uint16_t, vfe, 50)                                               /* Vfe (MAX FLAP SPEED), speed unit */ \
    FIELD(53, uint16_t, vs1, 30)                                               /* Vs1 (MIN SAFE SPEED, NORMAL), speed unit */ \
    FIELD(55, uint16_t, vs0, 20)                                               /* Vs0 (MIN SAFE SPEED, LANDING), speed unit */ \
    FIELD(57, uint16_t, vx, 80)                                                /* Vx (BEST ANGLE OF CLIMB), speed unit */ \
    FIELD(59, uint16_t, vy, 100)                                               /* Vy (BEST RATE OF CLIMB), speed unit */ \
    FIELD(61, uint8_t, vneAlarmOn, 1)                                          /* Vne ALARM: 0 OFF, 1 ON */ \
    FIELD(62, uint8_t, vsAlarmOn, 1)                                           /* Vs ALARM: 0 OFF, 1 ON */ \
    FIELD(63, uint8_t, voltsDisplay, 1)                                        /* EFIS VOLTS DISPLAY: 0 OFF, 1 ON */ \
    FIELD(64, int16_t, voltsDisplayMax, 200)                                   /* volts DISPLAY MAX, 0.1 V */ \
    FIELD(66, int16_t, voltsDisplayMin, 80)                                    /* volts DISPLAY MIN, 0.1 V */ \
    FIELD(68, uint16_t, voltsLowAlarm, 100)                                    /* volts LOW ALARM value, 0.1 V */ \
    FIELD(70, uint16_t, voltsHighAlarm, 150)                                   /* volts HIGH ALARM value, 0.1 V */ \
    FIELD(72, uint8_t, voltsLowAlarmOn, 1)                                     /* volts LOW ALARM: 0 OFF, 1 ON */ \
    FIELD(73, uint8_t, voltsHighAlarmOn, 1)                                    /* volts HIGH ALARM: 0 OFF, 1 ON */ \
    FIELD(74, uint16_t, voltsLowCaution, 110)                                  /* volts LOW CAUTION, 0.1 V */ \
    FIELD(76, uint16_t, voltsHighCaution, 140)                                 /* volts HIGH CAUTION, 0.1 V */ \
    ARRAY(78, char, 7, voltsLabel, "BAT ")                                     /* volts LABEL, text up to 6 characters, NUL-terminated */ \
    FIELD(85, uint8_t, mapDisplay, 1)                                          /* MAP DISPLAY: 0 OFF, 1 ON */ \
    FIELD(86, int16_t, mapDisplayMax, 443)                                     /* MAP DISPLAY MAX, in the MAP unit: whole mb when `mapUnit` is 0, tenths of inHg when it is 1 (a change of unit keeps the number) */ \
    FIELD(88, int16_t, mapDisplayMin, 266)                                     /* MAP DISPLAY MIN, MAP unit */ \
    FIELD(90, int16_t, mapLowAlarm, 278)                                       /* MAP LOW ALARM value, MAP unit */ \
    FIELD(92, uint8_t, mapLowAlarmOn, 1)                                       /* MAP LOW ALARM: 0 OFF, 1 ON */ \
    FIELD(93, int16_t, mapHighAlarm, 413)                                      /* MAP HIGH ALARM value, MAP unit */ \
    FIELD(95, int16_t, mapLowCaution, 292)                                     /* MAP LOW CAUTION, MAP unit */ \
    FIELD(97, int16_t, mapHighCaution, 354)                                    /* MAP HIGH CAUTION, MAP unit */ \
    FIELD(99, uint8_t, mapHighAlarmOn, 1)                                      /* MAP HIGH ALARM: 0 OFF, 1 ON */ \
    FIELD(100, uint8_t, mapFilter, 1)                                          /* MAP FILTER: 0 NONE, 1 FAST, 2 SLOW */ \
    FIELD(101, uint8_t, mapUnit, 1)                                            /* MAP UNIT: 0 mb, 1 inHg */ \
    FIELD(102, uint8_t, rpm1DisplayMode, 0)                                    /* RPM 1 RPM DISPLAY: 0 RPM, 1 PERCENT, 2 OFF */ \
    FIELD(103, uint32_t, rpm1FullScale, 6000)                                  /* RPM 1 "RPM 100% DISPLAY", RPM that shows as 100 % */ \
    FIELD(107, uint32_t, rpm1DisplayMax, 6000)                                 /* RPM 1 DISPLAY MAX, RPM */ \
    FIELD(111, uint32_t, rpm1DisplayMin, 0)                                    /* RPM 1 DISPLAY MIN, RPM */ \
    FIELD(115, uint32_t, rpm1LowAlarm, 500)                                    /* RPM 1 LOW ALARM value, RPM */ \
    FIELD(119, uint8_t, rpm1LowAlarmOn, 0)                                     /* RPM 1 LOW ALARM: 0 OFF, 1 ON */ \
    FIELD(120, uint32_t, rpm1HighAlarm, 5800)                                  /* RPM 1 HIGH ALARM value, RPM */ \
    FIELD(124, uint8_t, rpm1HighAlarmOn, 1)                                    /* RPM 1 HIGH ALARM: 0 OFF, 1 ON */ \
    FIELD(125, uint32_t, rpm1LowCaution, 1000)                                 /* RPM 1 LOW CAUTION, RPM */ \
    FIELD(129, uint32_t, rpm1HighCaution, 5500)                                /* RPM 1 HIGH CAUTION, RPM */ \
    FIELD(133, uint32_t, rpm1PulsesPerRev, 600)                                /* RPM 1 PULSES/REV, 0.01 pulses per revolution */ \
    FIELD(137, uint8_t, rpm1Increment, 0)                                      /* RPM 1 INCREMENT (display rounding): 0 1 RPM, 1 5 RPM, 2 10 RPM, 3 50 RPM */ \
    ARRAY(138, char, 7, rpm1Label, "ENGINE")                                   /* RPM 1 LABEL, up to 6 characters, NUL-terminated */ \
    FIELD(145, uint8_t, rpm2DisplayMode, 2)                                    /* RPM 2 RPM DISPLAY: 0 RPM, 1 PERCENT, 2 OFF */ \
    FIELD(146, uint32_t, rpm2FullScale, 1000)                                  /* RPM 2 "RPM 100% DISPLAY" */ \
    FIELD(150, uint32_t, rpm2DisplayMax, 1500)                                 /* RPM 2 DISPLAY MAX */ \
    FIELD(154, uint32_t, rpm2DisplayMin, 0)                                    /* RPM 2 DISPLAY MIN */ \
    FIELD(158, uint32_t, rpm2LowAlarm, 100)                                    /* RPM 2 LOW ALARM value */ \
    FIELD(162, uint8_t, rpm2LowAlarmOn, 0)                                     /* RPM 2 LOW ALARM: 0 OFF, 1 ON */ \
    FIELD(163, uint32_t, rpm2HighAlarm, 1200)                                  /* RPM 2 HIGH ALARM value */ \
    FIELD(167, uint8_t, rpm2HighAlarmOn, 1)                                    /* RPM 2 HIGH ALARM: 0 OFF, 1 ON */ \
    FIELD(168, uint32_t, rpm2LowCaution, 600)                                  /* RPM 2 LOW CAUTION */ \
    FIELD(172, uint32_t, rpm2HighCaution, 1100)                                /* RPM 2 HIGH CAUTION */ \
    FIELD(176, uint32_t, rpm2PulsesPerRev, 100)                                /* RPM 2 PULSES/REV, 0.01 pulses per revolution */ \
    FIELD(180, uint8_t, rpm2Increment, 0)                                      /* RPM 2 INCREMENT: 0 1 RPM, 1 5 RPM, 2 10 RPM, 3 50 RPM */ \
    FIELD(181, uint8_t, rpm2Position, 0)                                       /* RPM 2 POSITION: 0 RIGHT, 1 LEFT */ \
    FIELD(182, uint8_t, rpm2Style, 0)                                          /* RPM 2 STYLE: 0 CLASSIC, 1 ARCS */ \
    ARRAY(183, char, 7, rpm2Label, "ROTOR ")                                   /* RPM 2 LABEL, up to 6 characters */ \
    FIELD(190, uint8_t, positionFormat, 2)                                     /* POSITION FORMAT: 0 d°m.mmm, 1 d°m's.s, 2 d.dddd° */ \
    FIELD(191, uint8_t, headingMode, 0)                                        /* HEADING MODE: 0 MAGNETIC, 1 TRUE */ \
    FIELD(192, uint8_t, magVarMode, 0)                                         /* MAG VARIATION: 0 AUTO (computed from the GPS position), 1 MANUAL */ \
    FIELD(193, int16_t, manualMagVar, 0)                                       /* MANUAL MAG VARIATION, whole degrees -180..180, negative West, positive East */ \
    FIELD(195, uint8_t, efisCdiDisplay, 1)                                     /* EFIS CDI DISPLAY: 0 OFF, 1 ON */ \
    FIELD(196, uint8_t, cdiScale, 3)                                           /* CDI SCALE: 0 1, 1 2, 2 5, 3 10 (full-scale deflection in distance unit) */ \
    FIELD(197, uint8_t, gpsSource, 0)                                          /* GPS: 0 INTERNAL, 1 EXTERNAL - RS232 COM1, 2 EXTERNAL - RS232 COM2 */ \
    FIELD(198, uint8_t, gpsBaudRate, 3)                                        /* GPS BAUD RATE: 0 1200, 1 2400, 2 4800, 3 9600, 4 14400, 5 19200, 6 28800, 7 38400, 8 57600, 9 115200 */ \
    FIELD(199, uint8_t, nmeaOutput, 0)                                         /* NMEA OUTPUT: 0 OFF, 1 ON - RS232 COM1, 2 ON - RS232 COM2 */ \
    FIELD(200, uint8_t, nmeaBaudRate, 2)                                       /* NMEA BAUD RATE: index as gpsBaudRate */ \
    FIELD(201, uint8_t, windDisplay, 1)                                        /* WIND SPEED/DIRECTION: 0 OFF, 1 ON */ \
    ARRAY(202, char, 9, aircraftRegistration, "REG NO  ")                      /* AIRCRAFT REGISTRATION, 8 characters, NUL-terminated */ \
    FIELD(211, uint8_t, flightDetectMode, 0)                                   /* FLIGHT DETECT: 0 MANUAL, 1 AUTOMATIC */ \
    FIELD(212, uint32_t, flightDetectMinRpm1, 1000)                            /* FLIGHT DETECT MIN RPM 1 */ \
    FIELD(216, uint32_t, flightDetectMinRpm2, 1000)                            /* FLIGHT DETECT MIN RPM 2 */ \
    FIELD(220, uint16_t, flightDetectMinAsi, 30)                               /* FLIGHT DETECT MIN ASI, speed unit */ \
    FIELD(222, uint8_t, pilotNumber, 0)                                        /* PILOT NUMBER written to flight log entries */ \
    FIELD(223, uint8_t, flightTimerDisplay, 1)                                 /* EFIS FLIGHT TIMER DISPLAY: 0 OFF, 1 ON */ \
    FIELD(224, uint8_t, oilTempInputMode, 2)                                   /* oil temperature analog input mode: 0 OFF, 1 PRESSURE, 2 TEMPERATURE, 3 CURRENT, 4 GENERIC (uses slot 0 of each channel array) */ \
    FIELD(225, uint8_t, oilPressInputMode, 1)                                  /* oil pressure analog input mode (slot 1), same codes */ \
    FIELD(226, uint8_t, aux1InputMode, 2)                                      /* ANALOG AUX 1 input mode (slot 2), same codes */ \
    FIELD(227, uint8_t, aux2InputMode, 4)                                      /* ANALOG AUX 2 input mode (slot 3), same codes */ \
    RECORDS(228, PressureChannel, 4, pressureChannels)                         /* one PressureChannel per analog input slot (slot 0 oil temperature input, 1 oil pressure input, 2 ANALOG AUX 1, 3 ANALOG AUX 2) */ \
    RECORDS(688, TemperatureChannel, 4, temperatureChannels)                   /* one TemperatureChannel per analog input slot */ \
    RECORDS(1120, CurrentChannel, 4, currentChannels)                          /* one CurrentChannel per analog input slot */ \
    FIELD(1184, uint32_t, hobbsMinRpm, 1000)                                   /* HOBBS MINIMUM RPM (timer start when start rule is RPM) */ \
    FIELD(1188, uint16_t, hobbsCode, 0)                                        /* four-digit Hobbs access code; zero means no code is set */ \
    FIELD(1190, int16_t, utcOffset, 0)                                         /* UTC OFFSET, minutes (shown +hh:mm / -hh:mm) */ \
    FIELD(1192, uint8_t, rtcSource, 1)                                         /* RTC SOURCE: 0 INTERNAL RTC, 1 GPS */ \
    FIELD(1193, uint8_t, hobbsHourFormat, 0)                                   /* HOBBS HOUR: 0 DECIMAL, 1 MINUTES */ \
    FIELD(1194, uint8_t, timerStartRule, 1)                                    /* HOBBS/MAINTENANCE TIMER START: 0 POWER, 1 RPM 1, 2 RPM 2 */ \
    FIELD(1195, uint8_t, egtChannels, 2)                                       /* EGT CHANNELS count */ \
    FIELD(1196, uint8_t, egtScanMode, 1)                                       /* EGT MODE: 0 HIGHEST, 1 SCANNING */ \
    FIELD(1197, int16_t, egtDisplayMax, 850)                                   /* EGT DISPLAY MAX, degrees */ \
    FIELD(1199, int16_t, egtDisplayMin, 400)                                   /* EGT DISPLAY MIN, degrees */ \
    FIELD(1201, int16_t, egtHighAlarm, 800)                                    /* EGT HIGH ALARM value, degrees */ \
    FIELD(1203, int16_t, egtHighCaution, 700)                                  /* EGT HIGH CAUTION, degrees */ \
    FIELD(1205, uint8_t, egtHighAlarmOn, 1)                                    /* EGT HIGH ALARM: 0 OFF, 1 ON */ \
    FIELD(1206, uint8_t, egtProbe, 0)                                          /* EGT PROBE: 0 K-TYPE, 1 J-TYPE, 2 E-TYPE, 3 NTC (AUX 1) */ \
    FIELD(1207, uint8_t, egtScanTime, 0)                                       /* EGT SCAN TIME: 0..6 = 1, 3, 5, 10, 15, 30, 60 seconds */ \
    FIELD(1208, uint8_t, chtChannels, 2)                                       /* CHT CHANNELS count */ \
    FIELD(1209, uint8_t, chtScanMode, 1)                                       /* CHT MODE: 0 HIGHEST, 1 SCANNING */ \
    FIELD(1210, int16_t, chtDisplayMax, 150)                                   /* CHT DISPLAY MAX, degrees */ \
    FIELD(1212, int16_t, chtDisplayMin, 0)                                     /* CHT DISPLAY MIN, degrees */ \
    FIELD(1214, int16_t, chtHighAlarm, 130)                                    /* CHT HIGH ALARM value */ \
    FIELD(1216, int16_t, chtHighCaution, 100)                                  /* CHT HIGH CAUTION */ \
    FIELD(1218, uint8_t, chtHighAlarmOn, 1)                                    /* CHT HIGH ALARM: 0 OFF, 1 ON */ \
    FIELD(1219, uint8_t, chtProbe, 0)                                          /* CHT PROBE: 0 K-TYPE, 1 J-TYPE, 2 E-TYPE, 3 NTC (AUX 1/2), 4 NONE */ \
    FIELD(1220, uint8_t, chtScanTime, 0)                                       /* CHT SCAN TIME: 0..6 = 1, 3, 5, 10, 15, 30, 60 seconds */ \
    FIELD(1221, uint8_t, fuelFlowMode, 0)                                      /* fuel flow MODE: 0 FLOW SENDER, 1 INJECTOR */ \
    FIELD(1222, uint8_t, fuelRangeSpeedSource, 1)                              /* SPEED (for range/economy): 0 AIRSPEED-TAS, 1 GPS-GROUND SPEED, 2 OFF */ \
    FIELD(1223, uint8_t, fuelUnit, 0)                                          /* fuel UNIT: 0 LITRE/SM, 1 GAL/SM, 2 LITRE/NM, 3 GAL/NM, 4 LITRE/KM, 5 GAL/KM */ \
    FIELD(1224, uint8_t, flow1On, 1)                                           /* FLOW 1: 0 OFF, 1 ON */ \
    FIELD(1225, uint16_t, flow1KFactor, 7000)                                  /* KFACTOR 1, pulses per unit volume */ \
    FIELD(1227, uint8_t, flow2On, 0)                                           /* FLOW 2: 0 OFF, 1 ON */ \
    FIELD(1228, uint16_t, flow2KFactor, 7000)                                  /* KFACTOR 2 */ \
    FIELD(1230, uint8_t, dualFlowMode, 0)                                      /* FLOW MODE with both senders: 0 DUAL, 1 DIFFERENTIAL, 2 SUMMATION */ \
    FIELD(1231, uint8_t, tank1Mode, 0)                                         /* TANK 1: 0 SENDER, 1 CALCULATED, 2 OFF */ \
    FIELD(1232, uint8_t, tank2Mode, 2)                                         /* TANK 2: 0 SENDER, 1 CALCULATED, 2 OFF */ \
    FIELD(1233, uint8_t, injectorSensitivity, 0)                               /* INJECTOR: 0 LOW, 1 HIGH */ \
    FIELD(1234, int16_t, tank1Size, 45)                                        /* TANK 1 TANK SIZE, 0.1 volume unit or whole litres (see tankLitreResolution) */ \
    FIELD(1236, uint8_t, tank1LowAlarmOn, 1)                                   /* TANK 1 LOW ALARM: 0 OFF, 1 ON */ \
    FIELD(1237, int16_t, tank1LowAlarm, 10)                                    /* TANK 1 LOW ALARM level */ \
    FIELD(1239, int16_t, tank1LowCaution, 20)                                  /* TANK 1 LOW CAUTION level */ \
    ARRAY(1241, int16_t, 6, tank1Calibration, {809, 680, 520, 427, 356, 251})  /* TANK 1 calibration: 6 sender ADC readings for 0/20/40/60/80/100 % of tank size */ \
    FIELD(1253, uint8_t, tank1Filter, 3)                                       /* TANK FILTER: 0 NONE, 1 LOW, 2 MEDIUM, 3 HIGH */ \
    FIELD(1254, int16_t, tank2Size, 45)                                        /* TANK 2 TANK SIZE */ \
    FIELD(1256, uint8_t, tank2LowAlarmOn, 1)                                   /* TANK 2 LOW ALARM: 0 OFF, 1 ON */ \
    FIELD(1257, int16_t, tank2LowAlarm, 10)                                    /* TANK 2 LOW ALARM level */ \
    FIELD(1259, int16_t, tank2LowCaution, 20)                                  /* TANK 2 LOW CAUTION level */ \
    ARRAY(1261, int16_t, 6, tank2Calibration, {809, 680, 520, 427, 356, 251})  /* TANK 2 calibration: 6 ADC readings for 0/20/40/60/80/100 % */ \
    FIELD(1273, uint8_t, tank2Filter, 3)                                       /* TANK 2 FILTER: 0 NONE, 1 LOW, 2 MEDIUM, 3 HIGH */ \
    FIELD(1274, uint8_t, tankLitreResolution, 0)                               /* TANK LITRE RESOLUTION: 0 1L, 1 0.1L */ \
    FIELD(1275, uint8_t, tank1AddToRange, 1)                                   /* TANK 1 ADD TO RANGE: 0 NO, 1 YES */ \
    FIELD(1276, uint8_t, tank2AddToRange, 1)                                   /* TANK 2 ADD TO RANGE: 0 NO, 1 YES */ \
    FIELD(1277, uint8_t, fuelPressureDisplay, 1)                               /* FUEL PRESSURE DISPLAY: 0 OFF, 1 ON */ \
    RECORD(1278, PressureChannel, fuelPressureChannel)                         /* fuel pressure channel: the pressure channel defaults but VOLTAGE, 0.5-4.5V, psi(0.1), label "FP  " */ \
    FIELD(1393, uint8_t, backlight, 31)                                        /* display backlight level 2..31 (step 2) */ \
    FIELD(1394, uint8_t, showEfisPage, 1)                                      /* EFIS DISPLAY: main-screen layout enabled (0 OFF, 1 ON) */ \
    FIELD(1395, uint8_t, showEfisEmsPage, 1)                                   /* EFIS/EMS DISPLAY enabled */ \
    FIELD(1396, uint8_t, showEfisHsiPage, 1)                                   /* EFIS/HSI DISPLAY enabled */ \
    FIELD(1397, uint8_t, showVfrPage, 1)                                       /* VFR DISPLAY enabled */ \
    FIELD(1398, uint8_t, showVfrEmsPage, 1)                                    /* VFR/EMS DISPLAY enabled */ \
    FIELD(1399, uint8_t, showEmsPage, 1)                                       /* EMS DISPLAY enabled */ \
    FIELD(1400, uint8_t, showGpsPage, 1)                                       /* GPS DISPLAY enabled */ \
    FIELD(1401, uint8_t, showInfoPage, 1)                                      /* INFO/CHECKLIST DISPLAY enabled */ \
    FIELD(1402, uint8_t, showAirports, 1)                                      /* WAYPOINT TYPE AIRPORTS: 0 HIDE, 1 SHOW (search, nearest, map) */ \
    FIELD(1403, uint8_t, showType1, 1)                                         /* waypoint type 1 show flag: set to 1 by defaults, no setup row */ \
    FIELD(1404, uint8_t, showType2, 1)                                         /* waypoint type 2 show flag: set to 1 by defaults, no setup row */ \
    FIELD(1405, uint8_t, showWaypoints, 1)                                     /* WAYPOINTS: 0 HIDE, 1 SHOW (user waypoints) */ \
    FIELD(1406, uint8_t, showHeliports, 1)                                     /* HELIPORT: 0 HIDE, 1 SHOW */ \
    FIELD(1407, uint8_t, showSeaplaneBases, 1)                                 /* SEAPLANE BASE: 0 HIDE, 1 SHOW */ \
    FIELD(1408, uint8_t, waypointAlertDistance, 1)                             /* WAYPOINT MESSAGE ALERT distance 1..100 in distance unit */ \
    FIELD(1409, uint16_t, squawkCode, 1200)                                    /* squawk code in use, four octal digits held as a decimal number (1200) */ \
    FIELD(1411, uint8_t, transponderType, 0)                                   /* TRANSPONDER: 0 NONE, 1 SANDIA(STX165) - RS232 COM1, 2 SANDIA(STX165) - RS232 COM2, 3 GARRECHT - RS232 COM1 ... */ \
    ARRAY(1412, char, 9, aircraftCallSign, "CALLSIGN")                         /* aircraft call sign, 8 characters, NUL-terminated */ \
    FIELD(1421, uint16_t, vfrSquawk, 1200)                                     /* VFR SQUAWK entered in transponder setup, same form */ \
    FIELD(1423, uint32_t, icaoId, 0)                                           /* ICAO ID entered as eight digits (ENTER ICAO ID page) */ \
    FIELD(1427, uint8_t, aircraftSpeedCategory, 0)                             /* AIRCRAFT SPEED: 0 UNKNOWN, 1 <=75knts, 2 >75 <=150knts, 3 >150 <=300knts, 4 >300 <=600knts, 5 >600 <=1200knts, 6 >1200knts */ \
    FIELD(1428, uint8_t, aircraftCategory, 0)                                  /* CATEGORY: 0 NO TYPE, 1 LIGHT < 15500 lbs, 2 SMALL 15500 TO 75000 lbs, ... */ \
    FIELD(1429, uint16_t, aircraftLength, 0)                                   /* LENGTH OF AIRCRAFT, 0.1 m */ \
    FIELD(1431, uint16_t, aircraftWidth, 0)                                    /* WIDTH OF AIRCRAFT, 0.1 m */ \
    FIELD(1433, uint8_t, infoFileKind, 0)                                      /* kind of the information file last chosen: 1 picture (info page), 2 text (checklist) */ \
    ARRAY(1434, char, 50, infoFilePath, "")                                    /* path of the information file last chosen */ \
    FIELD(1484, uint8_t, currentDisplay, 0)                                    /* CURRENT DISPLAY (main shunt): 0 OFF, 1 ON */ \
    RECORD(1485, CurrentChannel, mainCurrentChannel)                           /* main ammeter channel, with the current channel defaults */ \
    FIELD(1501, uint16_t, apLowAsiNoseDown, 65)                                /* LOW ASI,FORCE NOSE LOWER, speed unit */ \
    FIELD(1503, uint16_t, apHighAsiNoseUp, 90)                                 /* HIGH ASI,FORCE NOSE UP, speed unit */ \
    FIELD(1505, int16_t, apDescentVsi, 200)                                    /* TARGET VSI FOR DESCENT, VSI unit */ \
    FIELD(1507, int16_t, apAscentVsi, 100)                                     /* TARGET VSI FOR ASCENT, VSI unit */ \
    FIELD(1509, uint16_t, apReserved1509, 30)                                  /* set to 30 by defaults, not read */ \
    FIELD(1511, uint16_t, apTurnRate, 10)                                      /* TARGET RATE OF TURN, 0.1 deg/second */ \
    ARRAY(1513, uint8_t, 3, apReserved1513, {})                                /* three bytes set to 0 by defaults, not read */ \
    FIELD(1516, uint8_t, apBankTorque, 30)                                     /* BANK SERVO TORQUE */ \
    FIELD(1517, uint8_t, apPitchTorque, 30)                                    /* PITCH SERVO TORQUE, percent */ \
    FIELD(1518, uint8_t, apReserved1518, 30)                                   /* set to 30 by defaults, not read */ \
    FIELD(1519, uint8_t, apBankMagnitude, 30)                                  /* BANK SERVO MAGNITUDE (shown divided by 3) */ \
    FIELD(1520, uint8_t, apAltitudeControl, 0)                                 /* ALTITUDE CONTROL: 0 SLOW, 1 MEDIUM, 2 FAST */ \
    FIELD(1521, uint32_t, apReserved1521, 1)                                   /* set to 1 by defaults (bytes 01 00 00 00), not read */ \
    FIELD(1525, uint8_t, apHeadingControl, 1)                                  /* HEADING CONTROL: 0 SLOW, 1 MEDIUM, 2 FAST */ \
    FIELD(1526, uint8_t, apPitchVsiReaction, 1)                                /* PITCH CHANGE TO VSI REACTION: 0 SLOW, 1 MEDIUM, 2 FAST */ \
    FIELD(1527, uint16_t, apReserved1527, 1)                                   /* set to 1 by defaults (bytes 01 00), not read */ \
    FIELD(1529, uint8_t, apBankServoInstalled, 0)                              /* BANK SERVO: 0 NOT INSTALLED, 1 INSTALLED */ \
    FIELD(1530, uint8_t, apPitchServoInstalled, 0)                             /* PITCH SERVO: 0 NOT INSTALLED, 1 INSTALLED */ \
    ARRAY(1531, uint8_t, 9, apReserved1531, {})                                /* nine bytes (three bytes, three words) set to 0 by defaults, not read */ \
    FIELD(1540, uint8_t, apReserved1540, 1)                                    /* set to 1 by defaults, not read */ \
    FIELD(1541, uint8_t, apPitchMagnitude, 6)                                  /* PITCH ANGLE CONTROL MAGNITUDE */ \
    FIELD(1542, uint16_t, apPitchDownLimit, 0)                                 /* PITCH PITCH DOWN LIMIT, servo position */ \
    FIELD(1544, uint16_t, apPitchUpLimit, 0)                                   /* PITCH PITCH UP LIMIT, servo position */ \
    FIELD(1546, uint16_t, apBankLeftLimit, 0)                                  /* BANK LEFT LIMIT, servo position */ \
    FIELD(1548, uint16_t, apBankRightLimit, 0)                                 /* BANK RIGHT LIMIT, servo position */ \
    FIELD(1550, uint8_t, gForceDisplay, 1)                                     /* G-FORCE DISPLAY: 0 OFF, 1 ON */ \
    FIELD(1551, uint8_t, gForceScale, 0)                                       /* SCALE: 0 +5G/-3G, 1 +10G/-6G, 2 +9G/-6G, 3 +10G/-8G */ \
    ARRAY(1552, int16_t, 4, gForceReserved, {100, -100, -70, 70})              /* four words set by defaults (100, -100, -70, 70), not read */ \
    FIELD(1560, uint8_t, gNegativeAlarm, 1)                                    /* NEGATIVE ALARM: 0 CAUTION, 1 HIGH */ \
    FIELD(1561, uint8_t, gPositiveAlarm, 1)                                    /* POSITIVE ALARM: 0 CAUTION, 1 HIGH */ \
    FIELD(1562, int16_t, gNegativeCycle, -50)                                  /* NEGATIVE CYCLE threshold, 0.1 G */ \
    FIELD(1564, int16_t, gPositiveCycle, 50)                                   /* POSITIVE CYCLE threshold, 0.1 G */ \
    FIELD(1566, int16_t, gNegativeHigh, -15)                                   /* NEGATIVE HIGH, 0.1 G */ \
    FIELD(1568, int16_t, gNegativeCaution, -5)                                 /* NEGATIVE CAUTION, 0.1 G */ \
    FIELD(1570, int16_t, gPositiveCaution, 25)                                 /* POSITIVE CAUTION, 0.1 G */ \
    FIELD(1572, int16_t, gPositiveHigh, 35)                                    /* POSITIVE HIGH, 0.1 G */ \
    FIELD(1574, uint8_t, ecuType, 0)                                           /* ECU TYPE: 0 NONE, 1 ROTAX 912iS, 2 UL POWER, 3 TELM */ \
    FIELD(1575, uint8_t, ecuTempUnit, 0)                                       /* ECU/AIR TEMP: 0 °C, 1 °F */ \
    FIELD(1576, uint8_t, ecuPort, 0)                                           /* RS232 PORT: 0 COM1, 1 COM2 */ \
    FIELD(1577, uint8_t, ecuConnect, 0)                                        /* CONNECT: 0 TELM, 1 DIRECT */ \
    FIELD(1578, uint8_t, ecuLane, 0)                                           /* LANE: 0 LANE A, 1 LANE B */ \
    FIELD(1579, uint8_t, efisRole, 0)                                          /* TALVOR EFIS: 0 HOST, 1 DEVICE */ \
    RECORDS(1580, GenericChannel, 4, genericChannels)                          /* one GenericChannel per analog input slot; the record ends at offset 2015 */

// PressureChannel (115 bytes): an analog input set to PRESSURE, and the fuel pressure input.
// Values in the channel's unit: whole psi, or tenths of bar or psi(0.1).
#define PRESSURE_CHANNEL_FIELDS(FIELD, ARRAY, RECORD, RECORDS) \
    FIELD(0, uint8_t, sensorType, 0)           /* TYPE: 0 RESISTIVE, 1 VOLTAGE, 2 CURRENT */ \
    FIELD(1, uint8_t, sender, 1)               /* SENDER: 0 USER (own calibration table); RESISTIVE 1 VDO; VOLTAGE 1 UMA, 2 0.5-4.5V; CURRENT 1 4-20mA */ \
    FIELD(2, uint8_t, unit, 0)                 /* PRESSURE UNIT: 0 bar, 1 psi, 2 psi(0.1); 0.1 resolution unless unit is psi */ \
    FIELD(3, int16_t, pressureAtLow, 0)        /* pressure at 0.5 V (VOLTAGE) or 4 mA (CURRENT) */ \
    FIELD(5, int16_t, pressureAtHigh, 100)     /* pressure at 4.5 V or 20 mA */ \
    ARRAY(7, char, 7, label, "AUX ")           /* LABEL, up to 6 characters */ \
    FIELD(14, int16_t, displayMax, 100)        /* DISPLAY MAX */ \
    FIELD(16, int16_t, displayMin, 0)          /* DISPLAY MIN */ \
    FIELD(18, int16_t, lowAlarm, 15)           /* LOW ALARM value */ \
    FIELD(20, uint8_t, lowAlarmOn, 1)          /* LOW ALARM: 0 OFF, 1 ON */ \
    FIELD(21, int16_t, highAlarm, 80)          /* HIGH ALARM value */ \
    FIELD(23, int16_t, lowCaution, 25)         /* LOW CAUTION */ \
    FIELD(25, int16_t, highCaution, 70)        /* HIGH CAUTION */ \
    FIELD(27, uint8_t, highAlarmOn, 1)         /* HIGH ALARM: 0 OFF, 1 ON */ \
    FIELD(28, uint8_t, umaModel, 0)            /* UMA MODEL: 0 N1EU07, 1 N1EU35, 2 N1EU100, 3 T1EU07, 4 T1EU35, 5 T1EU100, 6 T1EU70, 7 T1EU70A, 8 T1EU150, 9 N1EU70, 10 N1EU70A, 11 N1EU150 */ \
    FIELD(29, uint8_t, vdoModel, 2)            /* VDO MODEL: 0 2 bar, 1 5 bar, 2 10 bar */ \
    RECORD(30, CalibrationTable, calibration)  /* calibration points for the USER sender */

// TemperatureChannel (108 bytes): an analog input set to TEMPERATURE; degrees in engineTempUnit.
#define TEMPERATURE_CHANNEL_FIELDS(FIELD, ARRAY, RECORD, RECORDS) \
    ARRAY(0, char, 7, label, "AUX ")           /* LABEL, up to 6 characters */ \
    FIELD(7, int16_t, displayMax, 150)         /* DISPLAY MAX, degrees */ \
    FIELD(9, int16_t, displayMin, 50)          /* DISPLAY MIN */ \
    FIELD(11, int16_t, lowAlarm, 70)           /* LOW ALARM value */ \
    FIELD(13, uint8_t, lowAlarmOn, 1)          /* LOW ALARM: 0 OFF, 1 ON */ \
    FIELD(14, int16_t, highAlarm, 135)         /* HIGH ALARM value */ \
    FIELD(16, int16_t, lowCaution, 90)         /* LOW CAUTION */ \
    FIELD(18, int16_t, highCaution, 120)       /* HIGH CAUTION */ \
    FIELD(20, uint8_t, highAlarmOn, 1)         /* HIGH ALARM: 0 OFF, 1 ON */ \
    FIELD(21, uint8_t, sender, 1)              /* SENDER: 0 VDO 120°C, 1 VDO 150°C, 2 QEL NTC, 3 WESTACH, 4 LM335, 5 USER */ \
    FIELD(22, int8_t, calOffset, 0)            /* CAL: temperature offset, degrees */ \
    RECORD(23, CalibrationTable, calibration)  /* calibration points for the USER sender (CALIBRATE SENDER) */

// CurrentChannel (16 bytes): an analog input set to CURRENT, and the main ammeter; whole amperes.
#define CURRENT_CHANNEL_FIELDS(FIELD, ARRAY, RECORD, RECORDS) \
    FIELD(0, int16_t, displayMax, 50)    /* DISPLAY MAX, A */ \
    FIELD(2, int16_t, displayMin, -50)   /* DISPLAY MIN, A */ \
    FIELD(4, int16_t, lowAlarm, -40)     /* LOW ALARM value, A */ \
    FIELD(6, uint8_t, lowAlarmOn, 1)     /* LOW ALARM: 0 OFF, 1 ON */ \
    FIELD(7, int16_t, highAlarm, 40)     /* HIGH ALARM value, A */ \
    FIELD(9, int16_t, lowCaution, -30)   /* LOW CAUTION, A */ \
    FIELD(11, int16_t, highCaution, 30)  /* HIGH CAUTION, A */ \
    FIELD(13, uint8_t, highAlarmOn, 1)   /* HIGH ALARM: 0 OFF, 1 ON */ \
    FIELD(14, int16_t, gain, 315)        /* CURRENT SENSOR GAIN */

// GenericChannel (109 bytes): an analog input set to GENERIC; decimalPoint scales its values.
#define GENERIC_CHANNEL_FIELDS(FIELD, ARRAY, RECORD, RECORDS) \
    ARRAY(0, char, 5, label, "GEN ")           /* LABEL, up to 4 characters */ \
    ARRAY(5, char, 4, unitLabel, "%  ")        /* UNIT LABEL, up to 3 characters */ \
    FIELD(9, uint8_t, decimalPoint, 0)         /* DECIMAL PT: 0 XXX, 1 XX.X, 2 X.XX */ \
    FIELD(10, int16_t, displayMax, 100)        /* DISPLAY MAX */ \
    FIELD(12, int16_t, displayMin, 0)          /* DISPLAY MIN */ \
    FIELD(14, int16_t, lowAlarm, 10)           /* LOW ALARM value */ \
    FIELD(16, uint8_t, lowAlarmOn, 1)          /* LOW ALARM: 0 OFF, 1 ON */ \
    FIELD(17, int16_t, highAlarm, 90)          /* HIGH ALARM value */ \
    FIELD(19, int16_t, lowCaution, 20)         /* LOW CAUTION */ \
    FIELD(21, int16_t, highCaution, 80)        /* HIGH CAUTION */ \
    FIELD(23, uint8_t, highAlarmOn, 1)         /* HIGH ALARM: 0 OFF, 1 ON */ \
    RECORD(24, CalibrationTable, calibration)  /* calibration points that map the input to the displayed value */

// CalibrationTable (85 bytes): only the first pointCount pairs are in use. The channel defaults
// write it whole (see records.cpp).
#define CALIBRATION_TABLE_FIELDS(FIELD, ARRAY, RECORD, RECORDS) \
    FIELD(0, uint8_t, pointCount)   /* number of points in use (POINTS) */ \
    ARRAY(1, uint16_t, 42, points)  /* 21 pairs of 16-bit words: displayed value, then input reading (ADC count, 0..4095) */

// CalibrationRecord (87 bytes): what a calibration or factory step sets. The defaults leave
// serialNumber alone; the last byte is spare.
#define CALIBRATION_RECORD_FIELDS(FIELD, ARRAY, RECORD, RECORDS) \
    FIELD(0, uint32_t, serialNumber)                                     /* SERIAL NUMBER, shown %07d */ \
    FIELD(4, int16_t, altitudeOffset, 0)                                 /* ALTITUDE CALIBRATION FACTOR offset, ft */ \
    FIELD(6, uint16_t, calReserved6, 10000)                              /* set to 10000 by defaults, not read */ \
    FIELD(8, int32_t, staticLowReal, 50000)                              /* STATIC LOW REAL, 0.01 mb */ \
    FIELD(12, int32_t, staticLowCal, 50000)                              /* STATIC LOW CAL, 0.01 mb */ \
    FIELD(16, int32_t, staticHighReal, 100000)                           /* STATIC HIGH REAL, 0.01 mb */ \
    FIELD(20, int32_t, staticHighCal, 100000)                            /* STATIC HIGH CAL, 0.01 mb */ \
    FIELD(24, uint8_t, vsiCalFactor, 100)                                /* VSI CALIBRATION FACTOR, percent */ \
    FIELD(25, int16_t, asiZero, 0)                                       /* ASI sensor zero captured by ZERO ASI */ \
    FIELD(27, uint8_t, asiCalFactor, 100)                                /* ASI CALIBRATION FACTOR, percent */ \
    FIELD(28, int32_t, pitotLowReal, 50000)                              /* PITOT LOW REAL, 0.01 mb */ \
    FIELD(32, int32_t, pitotLowCal, 50000)                               /* PITOT LOW CAL, 0.01 mb */ \
    FIELD(36, int32_t, pitotHighReal, 100000)                            /* PITOT HIGH REAL, 0.01 mb */ \
    FIELD(40, int32_t, pitotHighCal, 100000)                             /* PITOT HIGH CAL, 0.01 mb */ \
    FIELD(44, uint8_t, voltsCalFactor, 100)                              /* VOLTS CALIBRATION FACTOR, percent */ \
    FIELD(45, int8_t, oatCalOffset, 0)                                   /* OAT CALIBRATION FACTOR offset, degrees C */ \
    FIELD(46, int8_t, mapCalOffset, 0)                                   /* MAP CALIBRATION FACTOR offset */ \
    ARRAY(47, uint16_t, 5, currentZero, {2048, 2048, 2048, 2048, 2048})  /* zero readings captured by ZERO CURRENT SENSOR: elements 0..3 for the current inputs of slots 0..3, element 4 for the main ammeter; 2048 is mid-scale of a 12-bit input */ \
    FIELD(57, int16_t, accelZeroX, 0)                                    /* G-force X axis 0G reading */ \
    FIELD(59, float, accelScaleX, 0.0039f)                               /* G-force X axis scale, G per count (float32 bits 0x3B7F9724, 0.0039) */ \
    FIELD(63, int16_t, accelZeroY, 0)                                    /* Y axis 0G reading */ \
    FIELD(65, float, accelScaleY, 0.0039f)                               /* Y axis scale */ \
    FIELD(69, int16_t, accelZeroZ, 0)                                    /* Z axis 0G reading */ \
    FIELD(71, float, accelScaleZ, 0.0039f)                               /* Z axis scale */ \
    ARRAY(75, char, 11, calibrationDate, "01/01/2022")                   /* CALIBRATION DATE, dd/mm/yyyy text */ \
    FIELD(86, uint8_t, calReserved86, 0) /* spare byte closing the 87-byte record, zero */

// RetainedState (42 bytes): working state the unit keeps across pages. No defaults routine:
// the power-on sequence sets it. Reached by plain names through records/working_state.h.
#define RETAINED_STATE_FIELDS(FIELD, ARRAY, RECORD, RECORDS) \
    FIELD(0, uint8_t, displayPage)          /* main-screen layout index 0..9 */ \
    FIELD(1, uint8_t, vfrSubView)           /* variant of the VFR layout */ \
    FIELD(2, uint8_t, vfrEmsSubView)        /* variant of the VFR/EMS layout */ \
    FIELD(3, uint8_t, altitudeBugShown)     /* altitude bug shown: 0 OFF, 1 ON */ \
    FIELD(4, int32_t, altitudeBug)          /* altitude bug, ft */ \
    FIELD(8, int32_t, baroSetting)          /* altimeter setting, 0.001 mb (1013250 = 1013.25 mb) */ \
    FIELD(12, uint8_t, headingBugShown)     /* heading bug shown: 0 OFF, 1 ON */ \
    FIELD(13, int16_t, headingBug)          /* heading bug, degrees 0..359 */ \
    FIELD(15, int16_t, pitchZero)           /* pitch zero offset captured by PITCH ZERO, degrees */ \
    FIELD(17, int32_t, fuelTotal1)          /* fuel used totaliser 1 (FUEL TOTALS) */ \
    FIELD(21, int32_t, fuelTotal2)          /* fuel used totaliser 2 */ \
    FIELD(25, int32_t, tank1Level)          /* tank 1 contents kept for calculated tanks */ \
    FIELD(29, int32_t, tank2Level)          /* tank 2 contents kept for calculated tanks */ \
    FIELD(33, uint8_t, hobbsHundredths)     /* Hobbs time, hundredths of an hour 0..99 */ \
    FIELD(34, uint16_t, hobbsHours)         /* Hobbs time, whole hours 0..10000 */ \
    FIELD(36, uint8_t, maintenanceMinutes)  /* maintenance timer remaining, minutes 0..59 */ \
    FIELD(37, uint16_t, maintenanceHours)   /* maintenance timer remaining, hours */ \
    FIELD(39, uint8_t, airframeMinutes)     /* airframe inspection timer, minutes */ \
    FIELD(40, uint16_t, airframeHours)      /* airframe inspection timer, hours */

// MinMaxRecord (112 bytes): lowest and highest values since the last reset, each in the unit and
// scaling of the live quantity it follows.
#define MIN_MAX_FIELDS(FIELD, ARRAY, RECORD, RECORDS) \
    FIELD(0, uint16_t, maxIas)             /* indicated airspeed */ \
    FIELD(2, uint16_t, minVolts)           /* supply voltage (0.1 V) */ \
    FIELD(4, uint16_t, maxVolts)           /* supply voltage */ \
    FIELD(6, int32_t, maxAltitude)         /* altitude */ \
    FIELD(10, int16_t, minOat)             /* OAT */ \
    FIELD(12, int16_t, maxOat)             /* OAT */ \
    FIELD(14, int16_t, minMap)             /* manifold pressure */ \
    FIELD(16, int16_t, maxMap)             /* manifold pressure */ \
    FIELD(18, float, minG)                 /* G-force */ \
    FIELD(22, float, maxG)                 /* G-force */ \
    FIELD(26, int16_t, negativeGCycles)    /* set to 0 (count of passes below the negative cycle threshold) */ \
    FIELD(28, int16_t, positiveGCycles)    /* set to 0 (count of passes above the positive cycle threshold) */ \
    FIELD(30, uint16_t, maxWindSpeed)      /* computed wind speed */ \
    FIELD(32, uint16_t, maxGroundSpeed)    /* GPS ground speed */ \
    FIELD(34, int32_t, maxRpm1)            /* RPM 1 as displayed (RPM, or percent of full scale in PERCENT mode) */ \
    FIELD(38, int32_t, maxRpm2)            /* RPM 2 as displayed */ \
    ARRAY(42, int16_t, 12, maxTc)          /* the 12 EGT/CHT thermocouple channels */ \
    ARRAY(66, int16_t, 4, maxPressure)     /* pressure reading of analog slots 0..3 */ \
    ARRAY(74, int16_t, 4, maxTemperature)  /* temperature reading of analog slots 0..3 */ \
    ARRAY(82, int16_t, 4, minCurrent)      /* current reading of analog slots 0..3 */ \
    ARRAY(90, int16_t, 4, maxCurrent)      /* current reading of analog slots 0..3 */ \
    FIELD(98, int16_t, maxFuelPressure)    /* fuel pressure */ \
    FIELD(100, int16_t, minMainCurrent)    /* main ammeter */ \
    FIELD(102, int16_t, maxMainCurrent)    /* main ammeter */ \
    ARRAY(104, int16_t, 4, maxGeneric)     /* generic reading of analog slots 0..3 */
