#ifndef PALETTE_H
#define PALETTE_H

// One palette for every image: graphite panels, amber for settings and
// what is switched on, cyan for the notes that play.

#include "Canvas.h"

namespace palette {
inline const Rgba kChassisTop = Hex(0x2C2F35), kChassisBottom = Hex(0x1F2125);
inline const Rgba kHeaderTop = Hex(0x16181B), kHeaderBottom = Hex(0x1B1D21);
inline const Rgba kPlateTop = Hex(0x353940), kPlateBottom = Hex(0x2D3137), kPlateHighlight = Hex(0x454A52),
                  kPlateShadow = Hex(0x131417);
inline const Rgba kWell = Hex(0x0D0F11), kWellShade = Hex(0x050607);
inline const Rgba kLabel = Hex(0xB3BAC4), kLabelDim = Hex(0x79818C);
inline const Rgba kAmber = Hex(0xF2A53A), kAmberBright = Hex(0xFFD68A), kAmberDim = Hex(0x4A3B27);
inline const Rgba kLcdText = Hex(0xF7C56C);
inline const Rgba kCyan = Hex(0x4AD6E8), kCyanBright = Hex(0xC8F6FC), kCyanDim = Hex(0x1B3A40);
inline const Rgba kKnobTop = Hex(0x5E656F), kKnobBottom = Hex(0x272A30), kKnobRim = Hex(0x111215);
inline const Rgba kPointer = Hex(0xF4EFE6);
inline const Rgba kTrack = Hex(0x0F1113);
inline const Rgba kButtonTop = Hex(0x3C4149), kButtonBottom = Hex(0x272A30);
inline const Rgba kPaper = Hex(0xEDE7DA), kPaperEdge = Hex(0xBDB5A4), kInk = Hex(0x1D2024), kInkSoft = Hex(0x5B5F66);
inline const Rgba kShadow = Hex(0x000000, 0.5f);
}  // namespace palette

#endif
