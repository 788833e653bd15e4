// RadioAudio: the audio and marker panel. The lamp of the marker that the
// simulator names is lit, and each receiver's switch is drawn flipped up
// toward SPEAKER while its variable reads 1. Clicks are host key events;
// the gauge holds no state and has no code of its own.
#include "records.h"

namespace radios {
namespace {

using namespace audio;
constexpr uint32_t kClick = 0x20000000;

struct AudioRecords {
  StaticImageElement face;
  Element* face_children[9];
  IconElement800 markers;
  IconElement800 com1, com2, nav1, nav2, dme, adf, mkr;
  FailureRecord failures[3];
  Element* top[2];
  MouseRect mouse[16];
};

// A switch flipped up: one frame over the switch drawn at rest on the face.
constexpr IconElement800 FlippedUp(const AudioSwitch& sw, uint32_t var, const FailureRecord* failures) {
  return Icon(Base(kIcon, kSwitchBitmap, sw.at, &RadioAudioGauge, nullptr, failures, 0x7), var, 1, VarMinusOne);
}
// The click zone lies exactly over the switch.
constexpr MouseRect SwitchZone(const AudioSwitch& sw, uint32_t key_event) {
  return KeyChild(At(sw.at, kSwitchZone), kCursorPush, kClick, key_event);
}

// The element list holds the DME switch before the ADF switch, although
// the ADF switch sits to its left; the click list has ADF last.
constinit AudioRecords Audio = {
    .face = {Base(kStaticImage, 368, {0, 0}, &RadioAudioGauge, Audio.face_children, nullptr, 0x1)},
    .face_children = {&Audio.markers.icon.base, &Audio.com1.icon.base, &Audio.com2.icon.base,
                      &Audio.nav1.icon.base, &Audio.nav2.icon.base, &Audio.dme.icon.base,
                      &Audio.adf.icon.base, &Audio.mkr.icon.base, nullptr},
    // Marker variable 1, 2, 3 lights the blue, amber (M), white (I) lamp: 370, 371, 372.
    .markers = Icon(Base(kIcon, 370, Corner(kLamps), &RadioAudioGauge, nullptr, Audio.failures, 0x7),
                    0x162, 3, VarMinusOne),
    .com1 = FlippedUp(kCom1, 0x36a, Audio.failures),
    .com2 = FlippedUp(kCom2, 0x36b, Audio.failures),
    .nav1 = FlippedUp(kNav1, 0x36d, Audio.failures),
    .nav2 = FlippedUp(kNav2, 0x36e, Audio.failures),
    .dme = FlippedUp(kDme, 0x36f, Audio.failures),
    .adf = FlippedUp(kAdf, 0x370, Audio.failures),
    .mkr = FlippedUp(kMkr, 0x371, Audio.failures),
    .failures = {{20, 2, 0}, {21, 2, 0}, {0, 0, 0}},
    .top = {&Audio.face.base, nullptr},
    .mouse = {
        Parent(kWholeGauge, 0),
        Parent(kLampAreas[0], 43849), kEndParent,  // blue lamp, help only
        Parent(kLampAreas[1], 43847), kEndParent,  // amber lamp, help only
        Parent(kLampAreas[2], 43848), kEndParent,  // white lamp, help only
        SwitchZone(kCom1, 0x1039f),
        SwitchZone(kCom2, 0x103a0),
        SwitchZone(kNav1, 0x10132),
        SwitchZone(kNav2, 0x10133),
        SwitchZone(kDme, 0x10134),
        SwitchZone(kMkr, 0x103ad),
        SwitchZone(kAdf, 0x10136),
        kEndParent,
        kEndList,
    },
};

}  // namespace
}  // namespace radios

constinit GaugeHeader RadioAudioGauge = radios::Header("RadioAudio", radios::Audio.top, radios::Audio.mouse);
