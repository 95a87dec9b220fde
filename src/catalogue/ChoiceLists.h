#pragma once
// The unit's choice lists: one text per list, entries separated by '#', entry n
// being the text of the raw value n. Several catalogue rows share one list, and the
// lists travel as a row's Unit text, so they are plain NUL-terminated char arrays.
//
// DigitalInputFunctions and AnalogInputFunctions end in '#' as the unit's own lists
// do; the value one past their last entry therefore shows as an empty text rather
// than as "[n]". Keep those trailing separators.

inline constexpr char FlowControlModes[] =
    "0.Constant Flow (internal)#"
    "1.Constant Pressure (positive)#"
    "2.Constant Pressure (negative)#"
    "3.0..10V (positive)#"
    "4.0..10V (negative)";

inline constexpr char DigitalInputFunctions[] =
    "0.No function#"
    "1.Ventilation 1#"
    "2.Ventilation 2#"
    "3.Ventilation 3#"
    "4.Ventilation 4#"
    "5.Failure supplyfan (normal closed)#"
    "6.Failure supplyfan (normal open)#"
    "7.Failure exhaustfan (normal closed)#"
    "8.Failure exhaustfan (normal open)#"
    "9.Failure heatwheel (normal closed)#"
    "10.Failure heatwheel (normal open)#"
    "11.Frost protection (normal closed)#"
    "12.Frost protection (normal open)#"
    "13.Enable heatwheel#"
    "14.Enable supplyfan#"
    "15.Enable exhaustfan#"
    "16.Enable post-heater#"
    "17.Enable post-cooler#"
    "18.Failure (normal closed)#"
    "19.Enable Ventaro XL#"
    "20.Fire Contact (normal closed)#"
    "21.Enable Summernight Ventilation#"
    "22.Heat/Cool mode valve#"
    "23.Reset all alarms#"
    "24.Enable Fire Overrule#"
    "25.Second setpoint select#"
    "26.Enable time clock#";

inline constexpr char InputStates[] = "Open#Closed";

inline constexpr char RelayFunctions[] =
    "0.No function#"
    "1.Alarm (normally open)#"
    "2.Supply Dampers (valve)#"
    "3.Exhaust Dampers (valve)#"
    "4.Bypass (valve)#"
    "5.Post-Heater (pump)#"
    "6.Post-Cooler (pump)#"
    "7.Siphon heating#"
    "8.Ventaro XL active#"
    "9.Post-Cooler/Heater pump#"
    "10.Summernight vent. active#"
    "11.PreHeat ODA (pump)#"
    "12.Filter Alarm active#"
    "13.PreHeat ETA (pump)";

inline constexpr char OffOn[] = "Off#On";

inline constexpr char AnalogOutputFunctions[] =
    "0.No function#"
    "1.Supply fan#"
    "2.Exhaust fan#"
    "3.Heat wheel#"
    "4.Post-Heater (valve)#"
    "5.Post-Cooler (valve)#"
    "6.Post Cooler/Heater (valve)#"
    "7.Modulated bypass valve#"
    "8.PreHeat ODA valve#"
    "9.PreHeat ETA valve";

inline constexpr char ComportFunctions[] =
    "0.No function#"
    "1.Supply fan (EBM bus)#"
    "2.Exhaust fan (EBM bus)#"
    "3.Supply fan (EBM Modbus)#"
    "4.Exhaust fan (EBM Modbus)#"
    "5.Heat wheel (FUJI bus)";

inline constexpr char AnalogInputFunctions[] =
    "0.No function#"
    "1.No function#"
    "2.No function#"
    "3.Proportional ventilation#"
    "4.Supply air press. 0..500Pa#"
    "5.Exhaust air press. 0..500Pa#"
    "6.Supply air press. 0..300Pa#"
    "7.Exhaust air press. 0..300Pa#"
    "8.Supply air 0..10V#"
    "9.Exhaust air 0..10V#";

inline constexpr char TempControlModes[] = "0.Tcomfort/T3#1.Outdoor heatline";

inline constexpr char BypassPositions[] =
    "0.Exhaust#"
    "1.Exhaust, modulated#"
    "2.Supply#"
    "3.Supply, modulated#"
    "4.Supply, modulated (frost)";

inline constexpr char NoYes[] = "No#Yes";

inline constexpr char FailureCodes[] =
    "Empty#"
    "E01#E02#E03#E04#E05#E06#E07#E08#E09#E10#"
    "E11#E12#E13#E14#E15#E16#E17#E18#E19#E20#"
    "E21#E22#E23#E24#E25#E26#E27#E28#E29#E30#"
    "E31#E32#E33#E34#E35#E36#E37#E38#E39#E40#"
    "E41#E42#E43#E44#E45#E46#E47#E48#E49#E50";

inline constexpr char OverruleModes[] = "0.No overrule#1.Forced open#2.Forced closed";

inline constexpr char SensorFunctions[] =
    "0.No function#"
    "1.Siphon temperature#"
    "2.Adopt function of NTC5#"
    "3.Frost contact (normal open)#"
    "4.Frost contact (normal closed)";

inline constexpr char NoYesNumbered[] = "0.No#1.Yes";

inline constexpr char ClockSpeeds[] = "0#1#2#3#4#5. 2nd Setpoint Select";

inline constexpr char DaySelections[] =
    "0.Never#"
    "1.Every day#"
    "2.Weekday mon..fri#"
    "3.Weekend sat/sun#"
    "4.Monday#"
    "5.Tuesday#"
    "6.Wednesday#"
    "7.Thursday#"
    "8.Friday#"
    "9.Saturday.#"
    "10.Sunday";

inline constexpr char LineSettings[] = "0. 19k2,E,1#1. 19k2,N,2#2. 9600,E,1#3. 9600,N,2";

inline constexpr char SdCardStatus[] =
    "0. No SDcard#"
    "1. Fail#"
    "2. Init#"
    "3. Init#"
    "4. Init#"
    "5. Init#"
    "6. Ready#"
    "7. Writing...#"
    "8. Writing...#"
    "9. Writing...#"
    "10. Writing...#"
    "11. Writing#"
    "12. Reading...#"
    "13. Reading...";

inline constexpr char SdCardActions[] = "0.No#1.Yes#2.Busy#3.Done#4.Fail";
