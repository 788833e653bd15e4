// Where things sit on the radio faces, in gauge pixels (x to the right, y
// downwards). The gauge records and the art program both read these
// numbers, so a knob is always drawn under its click zone, a drum window
// where its drum turns and a display window where its text is written.
#pragma once

#include <cstdint>

namespace radios {

struct Pos {
  int32_t x, y;
};
struct Size {
  int32_t w, h;
};
struct Box {
  int32_t x, y, w, h;
};

inline constexpr Box kWholeGauge{0, 0, 0, 0};

// RadioComNav1 and RadioComNav2: COM set on the left half, NAV set on the
// right half of one face.
namespace comnav {
inline constexpr Size kFace{600, 265};           // bitmaps 257 and 273
inline constexpr Pos kComText{60, 40};           // the COM frequency
inline constexpr Pos kNavText{365, 40};          // the NAV frequency
inline constexpr Size kTextBox{180, 60};
inline constexpr Box kComArea{25, 90, 240, 80};  // COM tuning area, below the COM display
inline constexpr Box kNavArea{330, 90, 240, 80}; // NAV tuning area, below the NAV display
// Tuning zones inside their area, in click-list order: MHz down, MHz up,
// decimals down, decimals up. The wide pair lies under the MHz digits, the
// narrow pair under the decimals; the second COM zone is a pixel narrower.
inline constexpr Box kComZones[4] = {{0, 0, 59, 79}, {61, 0, 58, 79}, {160, 0, 39, 79}, {200, 0, 39, 79}};
inline constexpr Box kNavZones[4] = {{0, 0, 59, 79}, {61, 0, 59, 79}, {160, 0, 39, 79}, {200, 0, 39, 79}};
}  // namespace comnav

// The digit drum shared by the transponder and the ADF: a strip of the
// digits 0 to 9 seen through a window one digit high.
namespace drum {
inline constexpr int32_t kStripBitmap = 289;
inline constexpr int32_t kWindowBitmap = 290;  // the window goes under the id after the strip
inline constexpr Size kStrip{20, 231};
inline constexpr Size kWindow{20, 24};
// The strip travels 207 pixels over the values 0 to 9: 23 pixels a digit.
inline constexpr int32_t kDigitStep = (kStrip.h - kWindow.h) / 9;
static_assert(kDigitStep * 9 == kStrip.h - kWindow.h, "the digits must land on whole pixels");
}  // namespace drum

// RadioTrans. Both tables are indexed by digit number: 0 units, 1 tens,
// 2 hundreds, 3 thousands.
namespace transponder {
inline constexpr Size kFace{479, 125};  // bitmap 288
inline constexpr Pos kDrums[4] = {{426, 24}, {338, 24}, {249, 24}, {155, 24}};
inline constexpr Box kKnobs[4] = {{420, 52, 40, 40}, {330, 52, 40, 40}, {240, 52, 40, 40}, {144, 52, 40, 40}};
}  // namespace transponder

// RadioAdf, indexed the same way: 0 units, 1 tens, 2 hundreds.
namespace adf {
inline constexpr Size kFace{479, 134};  // bitmap 304
inline constexpr Pos kDrums[3] = {{425, 30}, {335, 30}, {245, 30}};
inline constexpr Box kKnobs[3] = {{420, 63, 40, 40}, {332, 63, 40, 40}, {241, 63, 40, 40}};
}  // namespace adf

// RadioAP.
namespace autopilot {
inline constexpr Size kFace{500, 130};  // bitmap 320
// A mode button: its lit copy is an icon of the button's own size, and
// its click zone a 34 x 20 child in a 35 x 21 help area at the same corner.
struct ModeButton {
  const char* legend;
  int32_t lit_bitmap;
  Box icon;
};
inline constexpr ModeButton kAp{"AP", 340, {20, 92, 34, 20}};
inline constexpr ModeButton kHdg{"HDG", 344, {88, 92, 34, 20}};
inline constexpr ModeButton kNav{"NAV", 352, {164, 92, 33, 20}};
inline constexpr ModeButton kApr{"APR", 342, {234, 92, 33, 20}};
inline constexpr ModeButton kRev{"REV", 354, {310, 92, 32, 20}};
inline constexpr ModeButton kAlt{"ALT", 338, {388, 92, 32, 20}};
inline constexpr Size kButtonArea{35, 21};
inline constexpr Box kButtonPress{0, 0, 34, 20};
// The four texts of the display window.
inline constexpr Box kLateralText{118, 10, 60, 36};
inline constexpr Box kHeadingText{118, 42, 60, 36};
inline constexpr Box kAltitudeText{220, 10, 180, 36};
inline constexpr Box kVerticalSpeedText{220, 42, 180, 36};
// The selected altitude is set by clicking its digits: left half lowers,
// right half raises.
inline constexpr Box kAltitudeArea{310, 20, 100, 40};
inline constexpr Box kAltitudeDown{0, 0, 40, 25};
inline constexpr Box kAltitudeUp{42, 0, 40, 25};
// The vertical speed buttons at the right.
inline constexpr Box kUpButton{446, 35, 35, 23};
inline constexpr Box kDnButton{446, 73, 35, 23};
}  // namespace autopilot

// RadioDME.
namespace dme {
inline constexpr Size kFace{495, 110};                 // bitmap 356
inline constexpr Box kSpeedText{10, 25, 126, 35};      // left part of the window
inline constexpr Box kDistanceText{160, 25, 144, 35};  // right part of the window
inline constexpr Box kPowerSwitch{285, 78, 70, 32};    // bitmaps 360 (at OFF) and 361 (on)
inline constexpr Box kSourceSelector{389, 42, 17, 38}; // bitmaps 358 (R1) and 359 (R2)
// The two halves of the power switch reach below the face.
inline constexpr Box kPowerOff{290, 78, 20, 60};
inline constexpr Box kPowerOn{315, 78, 20, 60};
inline constexpr Box kSourceArea{366, 30, 50, 60};
inline constexpr Box kSourcePress{0, 0, 50, 60};
}  // namespace dme

// RadioAudio.
namespace audio {
inline constexpr Size kFace{603, 147};  // bitmap 368
inline constexpr Box kLamps{40, 15, 111, 32};  // bitmaps 370, 371, 372: one lit lamp each
// Help areas of the blue, amber and white lamps.
inline constexpr Box kLampAreas[3] = {{40, 15, 34, 34}, {75, 15, 34, 34}, {115, 15, 34, 34}};
inline constexpr int32_t kSwitchBitmap = 374;  // a switch flipped up toward SPEAKER
inline constexpr Size kSwitch{24, 32};
inline constexpr Size kSwitchZone{24, 30};
struct AudioSwitch {
  const char* legend;
  Pos at;
};
// From left to right. The AUTO switch is only painted: it has neither icon
// nor click zone.
inline constexpr AudioSwitch kAuto{"AUTO", {149, 90}};
inline constexpr AudioSwitch kCom1{"COM1", {189, 90}};
inline constexpr AudioSwitch kCom2{"COM2", {229, 90}};
inline constexpr AudioSwitch kNav1{"NAV1", {269, 90}};
inline constexpr AudioSwitch kNav2{"NAV2", {310, 90}};
inline constexpr AudioSwitch kAdf{"ADF", {356, 90}};
inline constexpr AudioSwitch kDme{"DME", {397, 90}};
inline constexpr AudioSwitch kMkr{"MKR", {437, 90}};
}  // namespace audio

}  // namespace radios
