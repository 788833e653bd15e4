#include "model/catalogue.h"

#include <algorithm>
#include <cstdio>
#include <sstream>

namespace vantor {
namespace {

using enum VarForm;

// Who moves a variable that no key event of this panel touches.
constexpr std::string_view kWorld = "scenario or live simulator";
constexpr std::string_view kWorldOrPerson = "scenario, live simulator or the person";

// Ordered by id. Radio frequencies keep four BCD digits in the low 16 bits
// with the leading 1 of the MHz left out: 0x2280 is 122.80.
constexpr VariableInfo kVariables[] = {
  // id   name                                 unit                                  form    initial     min          max         changed by
  {0x00a, "PANEL_LIGHTS",                      "0 off, 1 on",                        Double, 0,          0,           1,          "key event 0x100d6 (panel lights wheel)"},
  {0x00b, "STROBE_LIGHTS",                     "0 off, 1 on",                        Double, 0,          0,           1,          "key event 0x10018 (strobe toggle)"},
  {0x00d, "PITOT_HEAT",                        "0 off, 1 on",                        Double, 0,          0,           1,          "key event 0x10142 (pitot heat rocker)"},
  {0x00e, "LANDING_LIGHTS",                    "0 off, 1 on",                        Double, 0,          0,           1,          "key event 0x100d7 (landing light rocker)"},
  {0x010, "ADF_FREQUENCY",                     "BCD kHz",                            U32,    0x0350,     0x0100,      0x1799,     "key events 0x10071, 0x10072 and 0x100b2 (ADF knobs)"},
  {0x017, "COM1_ACTIVE_FREQUENCY",             "BCD MHz",                            U32,    0x2280,     0x1800,      0x3697,     "key events 0x10064 to 0x10067 (COM 1 knobs)"},
  {0x018, "NAV1_ACTIVE_FREQUENCY",             "BCD MHz",                            U32,    0x1030,     0x0800,      0x1795,     "key events 0x10068 to 0x1006b (NAV 1 knobs)"},
  {0x01b, "NAV2_ACTIVE_FREQUENCY",             "BCD MHz",                            U32,    0x1450,     0x0800,      0x1795,     "key events 0x1006c to 0x1006f (NAV 2 knobs)"},
  {0x01f, "DME1_DISTANCE",                     "NM, -1 no station",                  Double, -1,         -1,          300,        kWorld},
  {0x020, "DME1_SPEED",                        "kt",                                 Double, 0,          0,           999,        kWorld},
  {0x023, "DME2_DISTANCE",                     "NM, -1 no station",                  Double, -1,         -1,          300,        kWorld},
  {0x024, "DME2_SPEED",                        "kt",                                 Double, 0,          0,           999,        kWorld},
  {0x026, "TRANSPONDER_CODE",                  "BCD code",                           U32,    0x1200,     0x0000,      0x7777,     "key events 0x10073 to 0x10076 (transponder knobs)"},
  {0x028, "NAV1_CDI_DEVIATION",                "full scale at -127 and 127",         Double, 0,          -127,        127,        kWorld},
  {0x02b, "NAV1_TO_FROM",                      "0 none, 1 TO, 2 FROM",               U32,    0,          0,           2,          kWorld},
  {0x02d, "NAV1_OBS",                          "degrees",                            Double, 0,          0,           359,        "key events 0x1007e, 0x1007f (HSI course knob)"},
  {0x032, "NAV2_CDI_DEVIATION",                "full scale at -127 and 127",         Double, 0,          -127,        127,        kWorld},
  {0x034, "NAV2_TO_FROM",                      "0 none, 1 TO, 2 FROM",               U16,    0,          0,           2,          kWorld},
  {0x036, "NAV2_OBS",                          "degrees",                            Double, 0,          0,           359,        "key events 0x10080, 0x10081 (VOR 2 course knob)"},
  {0x053, "MAGNETIC_COMPASS_HEADING",          "degrees",                            Double, 0,          0,           360,        kWorldOrPerson},
  {0x054, "GYRO_HEADING",                      "degrees",                            Double, 0,          0,           360,        kWorldOrPerson},
  {0x067, "AUTOPILOT_MASTER",                  "0 off, 1 engaged",                   Double, 0,          0,           1,          "key event 0x1002c (AP); mode buttons engage it"},
  {0x069, "AUTOPILOT_NAV_HOLD",                "0 off, 1 engaged",                   Double, 0,          0,           1,          "key event 0x100c1 (NAV); APR, REV and AP drop it"},
  {0x06a, "AUTOPILOT_HEADING_HOLD",            "0 off, 1 engaged",                   Double, 0,          0,           1,          "key event 0x10106 (HDG); AP drops it"},
  {0x06b, "AUTOPILOT_HEADING_BUG",             "degrees",                            Double, 0,          0,           359,        "key events 0x10157, 0x10158 (HSI heading knob)"},
  {0x06c, "AUTOPILOT_ALTITUDE_HOLD",           "0 off, 1 engaged",                   Double, 0,          0,           1,          "key event 0x10107 (ALT); AP drops it"},
  {0x06d, "AUTOPILOT_SELECTED_ALTITUDE",       "ft",                                 Double, 3000,       0,           30000,      "key events 0x10164, 0x10165 (altitude zone)"},
  {0x070, "AUTOPILOT_APPROACH_HOLD",           "0 off, 1 engaged",                   Double, 0,          0,           1,          "key event 0x100bc (APR); NAV, REV and AP drop it"},
  {0x071, "AUTOPILOT_BACK_COURSE_HOLD",        "0 off, 1 engaged",                   Double, 0,          0,           1,          "key event 0x100c0 (REV); NAV, APR and AP drop it"},
  {0x078, "AUTOPILOT_SELECTED_VERTICAL_SPEED", "ft/min",                             Double, 0,          -2000,       2000,       "key events 0x10166, 0x10167 (UP, DN)"},
  {0x080, "THROTTLE_LEVER",                    "0 idle, 16383 full",                 Double, 0,          0,           16383,      "key event 0x1011c (black knob)"},
  {0x081, "PROPELLER_LEVER",                   "0 low rpm, 16383 high rpm",          Double, 16383,      0,           16383,      "key event 0x100e7 (blue knob)"},
  {0x082, "MIXTURE_LEVER",                     "0 cut-off, 16383 rich",              Double, 0,          0,           16383,      "key event 0x1017f (red knob)"},
  {0x084, "KEY_SWITCH",                        "0 OFF, 1 R, 2 L, 3 BOTH, 4 START",   U32,    0,          0,           4,          "key events 0x10062, 0x10063 (ignition key); START springs back to BOTH"},
  {0x12f, "FUEL_RIGHT_MAIN_QUANTITY",          "US gal",                             Double, 20,         0,           40,         kWorldOrPerson},
  {0x130, "FUEL_LEFT_MAIN_QUANTITY",           "US gal",                             Double, 20,         0,           40,         kWorldOrPerson},
  {0x133, "FUEL_SELECTOR",                     "0 LEFT, 1 BOTH, 3 RIGHT",            U32,    1,          0,           3,          "key events 0x101a3, 0x101a5, 0x101a6 (selector handle)"},
  {0x14a, "FLAPS_POSITION",                    "0 up, 16383 full down",              Double, 0,          0,           16383,      kWorldOrPerson},
  {0x15e, "OUTSIDE_AIR_TEMPERATURE",           "degrees C / 256",                    Double, 15.0 / 256, -60.0 / 256, 60.0 / 256, kWorldOrPerson},
  {0x162, "MARKER_BEACON",                     "0 none, 1 outer, 2 middle, 3 inner", Double, 0,          0,           3,          kWorld},
  {0x163, "DME_SPARE_INPUT",                   "-",                                  Double, 0,          0,           0,          "nothing: the DME texts bind it but never read it"},
  {0x169, "ENGINE_COMBUSTION",                 "0 stopped, 1 running",               Double, 0,          0,           1,          kWorld},
  {0x16b, "ALTERNATOR_SWITCH",                 "0 off, 1 on",                        Double, 0,          0,           1,          "key event 0x102c2 (ALT half of the master rocker)"},
  {0x16c, "BATTERY_SWITCH",                    "0 off, 1 on",                        Double, 0,          0,           1,          "key event 0x102c1 (BAT half of the master rocker)"},
  {0x16d, "CARB_HEAT",                         "0 cold, 1 hot",                      Double, 0,          0,           1,          "key event 0x10023 (carburettor heat knob)"},
  {0x16f, "FUEL_PUMP",                         "0 off, 1 on",                        Double, 0,          0,           1,          "key event 0x102bd (fuel pump rocker)"},
  {0x170, "BEACON_LIGHTS",                     "0 off, 1 on",                        Double, 0,          0,           1,          "key event 0x102bf (anti-collision rocker)"},
  {0x17a, "LOW_VACUUM_WARNING",                "0 dark, 1 lit",                      Double, 1,          0,           1,          kWorld},
  {0x17d, "LOW_OIL_PRESSURE_WARNING",          "0 dark, 1 lit",                      Double, 1,          0,           1,          kWorld},
  {0x17e, "LOW_VOLTAGE_WARNING",               "0 dark, 1 lit",                      Double, 1,          0,           1,          kWorld},
  {0x186, "ENGINE_RPM",                        "rpm",                                Double, 0,          0,           3000,       kWorld},
  {0x187, "MANIFOLD_PRESSURE",                 "lb/ft2",                             Double, 2116.2,     0,           2475,       kWorld},
  {0x19d, "EXHAUST_GAS_TEMPERATURE",           "degrees Rankine",                    Double, 518.67,     419.67,      2159.67,    kWorld},
  {0x1a0, "OIL_TEMPERATURE",                   "degrees Rankine",                    Double, 518.67,     419.67,      719.67,     kWorld},
  {0x1a2, "OIL_PRESSURE",                      "lb/ft2",                             Double, 0,          0,           12960,      kWorld},
  {0x1a9, "FUEL_PRESSURE",                     "lb/ft2 x 10",                        Double, 0,          0,           14400,      kWorld},
  {0x26b, "NAV_LIGHTS",                        "0 off, 1 on",                        Double, 0,          0,           1,          "key event 0x1034b (navigation lights toggle)"},
  {0x2e4, "AVIONICS_MASTER",                   "0 off, 1 on",                        Double, 0,          0,           1,          "key event 0x102f5 (avionics toggle)"},
  {0x2ee, "AMMETER",                           "A",                                  Double, 0,          0,           60,         kWorld},
  {0x30f, "ELEVATOR_TRIM",                     "rad, nose down negative",            Double, 0,          -0.40,       0.40,       kWorldOrPerson},
  {0x350, "GPS_DRIVES_NAV",                    "0 NAV, 1 GPS",                       Double, 0,          0,           1,          "key event 0x10347 (N/G key)"},
  {0x352, "HSI_GLIDESLOPE_DEVIATION",          "full scale at -1 and 1",             Double, 0,          -1,          1,          kWorld},
  {0x353, "HSI_GLIDESLOPE_FLAG",               "0 flag shown, -1 flag hidden",       Double, 0,          -1,          0,          kWorld},
  {0x354, "HSI_GLIDESLOPE_VALID",              "0 no signal, 1 receiving",           Double, 0,          0,           1,          kWorld},
  {0x356, "HSI_COURSE",                        "degrees",                            Double, 0,          0,           359,        "key events 0x1007e, 0x1007f (follows NAV1_OBS)"},
  {0x357, "HSI_HEADING_BUG",                   "degrees",                            Double, 0,          0,           359,        "key events 0x10157, 0x10158 (follows AUTOPILOT_HEADING_BUG)"},
  {0x366, "COM2_ACTIVE_FREQUENCY",             "BCD MHz",                            U32,    0x2190,     0x1800,      0x3697,     "key events 0x10384 to 0x10386, 0x10388 (COM 2 knobs)"},
  {0x36a, "AUDIO_COM1",                        "0 off, 1 on",                        Double, 1,          0,           1,          "key event 0x1039f (COM1 audio switch)"},
  {0x36b, "AUDIO_COM2",                        "0 off, 1 on",                        Double, 0,          0,           1,          "key event 0x103a0 (COM2 audio switch)"},
  {0x36d, "AUDIO_NAV1",                        "0 off, 1 on",                        Double, 0,          0,           1,          "key event 0x10132 (NAV1 audio switch)"},
  {0x36e, "AUDIO_NAV2",                        "0 off, 1 on",                        Double, 0,          0,           1,          "key event 0x10133 (NAV2 audio switch)"},
  {0x36f, "AUDIO_DME",                         "0 off, 1 on",                        Double, 0,          0,           1,          "key event 0x10134 (DME audio switch)"},
  {0x370, "AUDIO_ADF",                         "0 off, 1 on",                        Double, 0,          0,           1,          "key event 0x10136 (ADF audio switch)"},
  {0x371, "AUDIO_MARKER",                      "0 off, 1 on",                        Double, 0,          0,           1,          "key event 0x103ad (MKR audio switch)"},
  // Kept by the host alone: no gauge reads it, scenarios and a live
  // simulator may.
  {0x8001, "ENGINE_PRIMER_STROKES",            "strokes",                            Double, 0,          0,           6,          "key event 0x102be (primer); a running engine burns them"},
};

constexpr KeyEventInfo kKeyEvents[] = {
  // id       name                           effect
  {0x10018, "STROBE_LIGHTS_TOGGLE",          "STROBE_LIGHTS 0 <-> 1"},
  {0x10023, "CARB_HEAT_TOGGLE",              "CARB_HEAT 0 <-> 1"},
  {0x1002c, "AP_MASTER",                     "AUTOPILOT_MASTER 0 <-> 1; switching it off drops every mode"},
  {0x10062, "KEY_SWITCH_LEFT",               "KEY_SWITCH one position left (START, BOTH, L, R, OFF), stops at OFF"},
  {0x10063, "KEY_SWITCH_RIGHT",              "KEY_SWITCH one position right, stops at START; START is held only while the key keeps being turned"},
  {0x10064, "COM1_MHZ_DOWN",                 "COM1_ACTIVE_FREQUENCY 1 MHz down, 118 wraps to 136, decimals kept"},
  {0x10065, "COM1_MHZ_UP",                   "COM1_ACTIVE_FREQUENCY 1 MHz up, 136 wraps to 118, decimals kept"},
  {0x10066, "COM1_KHZ_DOWN",                 "COM1_ACTIVE_FREQUENCY 25 kHz down, .00 wraps to .97 without a borrow"},
  {0x10067, "COM1_KHZ_UP",                   "COM1_ACTIVE_FREQUENCY 25 kHz up, .97 wraps to .00 without a carry"},
  {0x10068, "NAV1_MHZ_DOWN",                 "NAV1_ACTIVE_FREQUENCY 1 MHz down, 108 wraps to 117, decimals kept"},
  {0x10069, "NAV1_MHZ_UP",                   "NAV1_ACTIVE_FREQUENCY 1 MHz up, 117 wraps to 108, decimals kept"},
  {0x1006a, "NAV1_KHZ_DOWN",                 "NAV1_ACTIVE_FREQUENCY 50 kHz down, .00 wraps to .95 without a borrow"},
  {0x1006b, "NAV1_KHZ_UP",                   "NAV1_ACTIVE_FREQUENCY 50 kHz up, .95 wraps to .00 without a carry"},
  {0x1006c, "NAV2_MHZ_DOWN",                 "NAV2_ACTIVE_FREQUENCY 1 MHz down, 108 wraps to 117, decimals kept"},
  {0x1006d, "NAV2_MHZ_UP",                   "NAV2_ACTIVE_FREQUENCY 1 MHz up, 117 wraps to 108, decimals kept"},
  {0x1006e, "NAV2_KHZ_DOWN",                 "NAV2_ACTIVE_FREQUENCY 50 kHz down, .00 wraps to .95 without a borrow"},
  {0x1006f, "NAV2_KHZ_UP",                   "NAV2_ACTIVE_FREQUENCY 50 kHz up, .95 wraps to .00 without a carry"},
  {0x10071, "ADF_TENS_UP",                   "ADF_FREQUENCY tens digit up, 9 wraps to 0 without a carry"},
  {0x10072, "ADF_UNITS_UP",                  "ADF_FREQUENCY units digit up, 9 wraps to 0 without a carry"},
  {0x10073, "TRANSPONDER_THOUSANDS_UP",      "TRANSPONDER_CODE thousands digit up, 7 wraps to 0"},
  {0x10074, "TRANSPONDER_HUNDREDS_UP",       "TRANSPONDER_CODE hundreds digit up, 7 wraps to 0"},
  {0x10075, "TRANSPONDER_TENS_UP",           "TRANSPONDER_CODE tens digit up, 7 wraps to 0"},
  {0x10076, "TRANSPONDER_UNITS_UP",          "TRANSPONDER_CODE units digit up, 7 wraps to 0"},
  {0x1007e, "NAV1_OBS_DOWN",                 "NAV1_OBS and HSI_COURSE 1 degree down, 0 wraps to 359"},
  {0x1007f, "NAV1_OBS_UP",                   "NAV1_OBS and HSI_COURSE 1 degree up, 359 wraps to 0"},
  {0x10080, "NAV2_OBS_DOWN",                 "NAV2_OBS 1 degree down, 0 wraps to 359"},
  {0x10081, "NAV2_OBS_UP",                   "NAV2_OBS 1 degree up, 359 wraps to 0"},
  {0x100b2, "ADF_SET",                       "ADF_FREQUENCY set to the event's value; anything but four BCD digits is refused"},
  {0x100bc, "AP_APR_HOLD",                   "AUTOPILOT_APPROACH_HOLD 0 <-> 1; engaging drops NAV and REV and engages the autopilot"},
  {0x100c0, "AP_BC_HOLD",                    "AUTOPILOT_BACK_COURSE_HOLD 0 <-> 1; engaging drops NAV and APR and engages the autopilot"},
  {0x100c1, "AP_NAV_HOLD",                   "AUTOPILOT_NAV_HOLD 0 <-> 1; engaging drops APR and REV and engages the autopilot"},
  {0x100d6, "PANEL_LIGHTS_TOGGLE",           "PANEL_LIGHTS 0 <-> 1"},
  {0x100d7, "LANDING_LIGHTS_TOGGLE",         "LANDING_LIGHTS 0 <-> 1"},
  {0x100e7, "PROPELLER_LEVER_SET",           "PROPELLER_LEVER set to the event's value, limited to 0..16383"},
  {0x10106, "AP_HDG_HOLD",                   "AUTOPILOT_HEADING_HOLD 0 <-> 1; engaging engages the autopilot"},
  {0x10107, "AP_ALT_HOLD",                   "AUTOPILOT_ALTITUDE_HOLD 0 <-> 1; engaging engages the autopilot"},
  {0x1011c, "THROTTLE_LEVER_SET",            "THROTTLE_LEVER set to the event's value, limited to 0..16383"},
  {0x10132, "AUDIO_NAV1_TOGGLE",             "AUDIO_NAV1 0 <-> 1"},
  {0x10133, "AUDIO_NAV2_TOGGLE",             "AUDIO_NAV2 0 <-> 1"},
  {0x10134, "AUDIO_DME_TOGGLE",              "AUDIO_DME 0 <-> 1"},
  {0x10136, "AUDIO_ADF_TOGGLE",              "AUDIO_ADF 0 <-> 1"},
  {0x10142, "PITOT_HEAT_TOGGLE",             "PITOT_HEAT 0 <-> 1"},
  {0x10157, "HEADING_BUG_UP",                "AUTOPILOT_HEADING_BUG and HSI_HEADING_BUG 1 degree up, 359 wraps to 0"},
  {0x10158, "HEADING_BUG_DOWN",              "AUTOPILOT_HEADING_BUG and HSI_HEADING_BUG 1 degree down, 0 wraps to 359"},
  {0x10164, "AP_ALTITUDE_UP",                "AUTOPILOT_SELECTED_ALTITUDE 100 ft up, stops at 30000"},
  {0x10165, "AP_ALTITUDE_DOWN",              "AUTOPILOT_SELECTED_ALTITUDE 100 ft down, stops at 0"},
  {0x10166, "AP_VERTICAL_SPEED_UP",          "AUTOPILOT_SELECTED_VERTICAL_SPEED 100 ft/min up, stops at 2000"},
  {0x10167, "AP_VERTICAL_SPEED_DOWN",        "AUTOPILOT_SELECTED_VERTICAL_SPEED 100 ft/min down, stops at -2000"},
  {0x1017f, "MIXTURE_LEVER_SET",             "MIXTURE_LEVER set to the event's value, limited to 0..16383"},
  {0x101a3, "FUEL_SELECTOR_LEFT",            "FUEL_SELECTOR 0 (left tank)"},
  {0x101a5, "FUEL_SELECTOR_BOTH",            "FUEL_SELECTOR 1 (both tanks)"},
  {0x101a6, "FUEL_SELECTOR_RIGHT",           "FUEL_SELECTOR 3 (right tank)"},
  {0x102bd, "FUEL_PUMP_TOGGLE",              "FUEL_PUMP 0 <-> 1"},
  {0x102be, "PRIMER",                        "ENGINE_PRIMER_STROKES one more, at most 6"},
  {0x102bf, "BEACON_LIGHTS_TOGGLE",          "BEACON_LIGHTS 0 <-> 1"},
  {0x102c1, "BATTERY_TOGGLE",                "BATTERY_SWITCH 0 <-> 1"},
  {0x102c2, "ALTERNATOR_TOGGLE",             "ALTERNATOR_SWITCH 0 <-> 1"},
  {0x102f5, "AVIONICS_MASTER_TOGGLE",        "AVIONICS_MASTER 0 <-> 1"},
  {0x10347, "GPS_NAV_TOGGLE",                "GPS_DRIVES_NAV 0 <-> 1"},
  {0x1034b, "NAV_LIGHTS_TOGGLE",             "NAV_LIGHTS 0 <-> 1"},
  {0x10384, "COM2_MHZ_DOWN",                 "COM2_ACTIVE_FREQUENCY 1 MHz down, 118 wraps to 136, decimals kept"},
  {0x10385, "COM2_MHZ_UP",                   "COM2_ACTIVE_FREQUENCY 1 MHz up, 136 wraps to 118, decimals kept"},
  {0x10386, "COM2_KHZ_DOWN",                 "COM2_ACTIVE_FREQUENCY 25 kHz down, .00 wraps to .97 without a borrow"},
  {0x10388, "COM2_KHZ_UP",                   "COM2_ACTIVE_FREQUENCY 25 kHz up, .97 wraps to .00 without a carry"},
  {0x1039f, "AUDIO_COM1_TOGGLE",             "AUDIO_COM1 0 <-> 1"},
  {0x103a0, "AUDIO_COM2_TOGGLE",             "AUDIO_COM2 0 <-> 1"},
  {0x103ad, "AUDIO_MARKER_TOGGLE",           "AUDIO_MARKER 0 <-> 1"},
};

// What each key stands for, judged from the elements that carry it.
constexpr FailureKeyInfo kFailureKeys[] = {
  // key name                   system
  {2,  "ENGINE",                "engine and ignition: the key switch freezes, the carburettor heat knob and EGT needle vanish"},
  {9,  "COM_RADIOS",            "both COM transceivers: their frequency displays freeze"},
  {10, "ENGINE_INSTRUMENTS",    "engine instrument clusters and ammeter: their needles fall to the bottom of the dials"},
  {11, "HEADING_GYRO",          "directional gyro behind the HSI: its card, bug, course pointer and deviation bar read 0"},
  {12, "MAGNETIC_COMPASS",      "magnetic compass: the card stops at north"},
  {13, "DME",                   "DME receiver: its texts freeze"},
  {14, "NAV1_RECEIVER",         "NAV 1 receiver: its frequency freezes; the HSI course pointer, arrows, deviation bar and glideslope pointer vanish"},
  {15, "NAV2_RECEIVER",         "NAV 2 receiver: its frequency freezes, the VOR 2 TO/FROM flag and needle vanish"},
  {17, "TRANSPONDER",           "transponder: its upper three code drums freeze"},
  {20, "MAIN_BUS",              "main electrical bus (panel power): set while the battery switch is off"},
  {21, "AVIONICS_BUS",          "avionics bus: set while the main bus is dark or the avionics master is off"},
};

constexpr struct {
  uint32_t id;
  std::string_view text;
} kHelpTexts[] = {
  {40975, "Carburettor heat: click to pull (hot) or push (cold)"},
  {40981, "Flap position"},
  {41006, "Elevator trim position"},
  {41021, "Primer: click to pull the plunger, click again to push and prime"},
  {42756, "DME: switch at the bottom powers it, R1/R2 picks the station"},
  {42760, "DME source: R1 or R2"},
  {42762, "Transponder code: each knob advances its digit, 0 to 7"},
  {42768, "COM 1 frequency: left knob MHz, right knob kHz; left half down, right half up"},
  {42770, "COM 2 frequency: left knob MHz, right knob kHz; left half down, right half up"},
  {42772, "NAV 1 frequency: left knob MHz, right knob kHz; left half down, right half up"},
  {42774, "NAV 2 frequency: left knob MHz, right knob kHz; left half down, right half up"},
  {42776, "ADF frequency: each knob advances its digit"},
  {43546, "Outside air temperature"},
  {43780, "Alternator switch (ALT)"},
  {43790, "Autopilot master (AP)"},
  {43791, "Avionics master switch"},
  {43795, "Battery master switch (BAT)"},
  {43805, "Exhaust gas temperature"},
  {43808, "Engine levers: throttle (black), propeller (blue), mixture (red); click at the height you want"},
  {43821, "Fuel selector: LEFT, BOTH, RIGHT"},
  {43827, "Heading bug: left half turns it left, right half right"},
  {43830, "Horizontal situation indicator"},
  {43832, "Course (OBS): left half turns it left, right half right"},
  {43837, "Anti-collision beacon"},
  {43838, "Landing light"},
  {43839, "Navigation lights"},
  {43840, "Panel lights"},
  {43842, "Strobe lights"},
  {43845, "Ignition key: OFF, R, L, BOTH, START; hold the right half to crank"},
  {43846, "Manifold pressure: click to show or hide"},
  {43847, "Middle marker"},
  {43848, "Inner marker"},
  {43849, "Outer marker"},
  {43853, "HSI source: N for NAV 1, G for GPS"},
  {43863, "Pitot heat"},
  {43879, "Fuel pump"},
  {43891, "VOR 2 course (OBS): left half turns it left, right half right"},
  {43895, "Magnetic compass"},
  {44418, "Autopilot back course (REV)"},
  {44419, "Autopilot approach (APR)"},
  {44421, "Autopilot navigation (NAV)"},
  {44423, "Autopilot heading (HDG)"},
  {44428, "Autopilot altitude hold (ALT)"},
  {44429, "Selected altitude: left half 100 ft down, right half 100 ft up"},
};

template <class Table, class Key, class Field>
auto FindIn(const Table& table, Key key, Field field) -> decltype(&table[0]) {
  auto row = std::find_if(std::begin(table), std::end(table), [&](const auto& r) { return r.*field == key; });
  return row == std::end(table) ? nullptr : &*row;
}

std::string_view FormName(VarForm form) {
  switch (form) {
    case Double: return "double";
    case U32: return "u32";
    case U16: return "u16";
  }
  return "?";
}

// BCD values read best as the digits they hold.
std::string FormatValue(const VariableInfo& v, double value) {
  char text[32];
  if (v.unit.starts_with("BCD"))
    std::snprintf(text, sizeof text, "0x%04X", static_cast<unsigned>(IntegerBitsOf(value) & 0xFFFF));
  else
    std::snprintf(text, sizeof text, "%.10g", value);
  return text;
}

}  // namespace

std::span<const VariableInfo> VariableCatalogue() { return kVariables; }
const VariableInfo* FindVariable(uint32_t id) { return FindIn(kVariables, id, &VariableInfo::id); }
const VariableInfo* FindVariable(std::string_view name) { return FindIn(kVariables, name, &VariableInfo::name); }

void PrepareVariables(VariableStore& vars) {
  for (const VariableInfo& v : kVariables) {
    vars.DeclareForm(v.id, v.form);
    vars.Set(v.id, v.initial);
  }
}

std::span<const KeyEventInfo> KeyEventCatalogue() { return kKeyEvents; }
const KeyEventInfo* FindKeyEvent(uint32_t id) { return FindIn(kKeyEvents, id, &KeyEventInfo::id); }

std::span<const FailureKeyInfo> FailureKeyCatalogue() { return kFailureKeys; }
const FailureKeyInfo* FindFailureKey(uint32_t key) { return FindIn(kFailureKeys, key, &FailureKeyInfo::key); }

std::string_view HelpText(uint32_t help_id) {
  for (const auto& h : kHelpTexts)
    if (h.id == help_id) return h.text;
  return "";
}

std::string CatalogueMarkdown() {
  std::ostringstream md;
  char id[16];
  md << "# Token variables, key events, failure keys and help texts\n\n"
        "Generated from host/model/catalogue.cpp by CatalogueMarkdown(); the model tests fail\n"
        "when this file differs from it and write the expected file into the build directory.\n"
        "How the avionics model acts on these numbers is told in avionics.md.\n\n"
        "## Token variables\n\n"
        "Form is how a gauge reads the value: a double, or an unsigned integer in the low 32\n"
        "or 16 bits. BCD values are shown in hexadecimal: 0x2280 is 122.80 MHz, 0x0350 is\n"
        "350 kHz, 0x1200 is the code 1200.\n\n"
        "| Id | Name | Unit | Form | Initial | Min | Max | Changed by |\n"
        "|---|---|---|---|---|---|---|---|\n";
  for (const VariableInfo& v : kVariables) {
    std::snprintf(id, sizeof id, "0x%03x", v.id);
    md << "| " << id << " | " << v.name << " | " << v.unit << " | " << FormName(v.form) << " | "
       << FormatValue(v, v.initial) << " | " << FormatValue(v, v.min) << " | " << FormatValue(v, v.max) << " | "
       << v.changed_by << " |\n";
  }
  md << "\n## Key events\n\n| Id | Name | Effect |\n|---|---|---|\n";
  for (const KeyEventInfo& k : kKeyEvents) {
    std::snprintf(id, sizeof id, "0x%05x", k.id);
    md << "| " << id << " | " << k.name << " | " << k.effect << " |\n";
  }
  md << "\n## Failure keys\n\n| Key | Name | System |\n|---|---|---|\n";
  for (const FailureKeyInfo& f : kFailureKeys) md << "| " << f.key << " | " << f.name << " | " << f.system << " |\n";
  md << "\n## Help texts\n\n| Help id | Text |\n|---|---|\n";
  for (const auto& h : kHelpTexts) md << "| " << h.id << " | " << h.text << " |\n";
  return md.str();
}

}  // namespace vantor
