#ifndef PIX_PIXEL_H
#define PIX_PIXEL_H

// The 32-bit PIX pixel: four 8-bit channels, not premultiplied, at fixed
// byte positions chosen at compile time. Every operation addresses the
// channels by byte position, so the arithmetic is the same in both layouts.

#include <cstdint>

#if defined(PIX_MAC_PIXELS) && PIX_MAC_PIXELS
// macOS order: bytes A, R, G, B.
#define PIX_BYTE_A 0
#define PIX_BYTE_R 1
#define PIX_BYTE_G 2
#define PIX_BYTE_B 3
#else
// Windows order (a 32-bit top-down DIB): bytes B, G, R, A.
#define PIX_BYTE_B 0
#define PIX_BYTE_G 1
#define PIX_BYTE_R 2
#define PIX_BYTE_A 3
#endif

// Shifts of each channel within the pixel word (all targets are little-endian).
#define PIX_SHIFT_R (PIX_BYTE_R * 8)
#define PIX_SHIFT_G (PIX_BYTE_G * 8)
#define PIX_SHIFT_B (PIX_BYTE_B * 8)
#define PIX_SHIFT_A (PIX_BYTE_A * 8)

typedef uint32_t PIX_Pixel;

inline PIX_Pixel PIX_MakePixel(uint32_t r, uint32_t g, uint32_t b, uint32_t a)
{
  return ((r & 0xFF) << PIX_SHIFT_R) | ((g & 0xFF) << PIX_SHIFT_G) | ((b & 0xFF) << PIX_SHIFT_B) |
         ((a & 0xFF) << PIX_SHIFT_A);
}

inline int32_t PIX_PixelR(PIX_Pixel p) { return (p >> PIX_SHIFT_R) & 0xFF; }
inline int32_t PIX_PixelG(PIX_Pixel p) { return (p >> PIX_SHIFT_G) & 0xFF; }
inline int32_t PIX_PixelB(PIX_Pixel p) { return (p >> PIX_SHIFT_B) & 0xFF; }
inline int32_t PIX_PixelA(PIX_Pixel p) { return (p >> PIX_SHIFT_A) & 0xFF; }

inline uint8_t PIX_Clamp8(int32_t v) { return (uint8_t)(v < 0 ? 0 : v > 255 ? 255 : v); }

// Stores each channel limited to 0..255.
inline void PIX_StoreClampedPixel(PIX_Pixel* pixel, int32_t r, int32_t g, int32_t b, int32_t a)
{
  uint8_t* d = reinterpret_cast<uint8_t*>(pixel);
  d[PIX_BYTE_R] = PIX_Clamp8(r);
  d[PIX_BYTE_G] = PIX_Clamp8(g);
  d[PIX_BYTE_B] = PIX_Clamp8(b);
  d[PIX_BYTE_A] = PIX_Clamp8(a);
}

// Whole-word mixes: each channel is halved or quartered by masking, so no
// carry crosses into the next channel.
inline PIX_Pixel PIX_Half(PIX_Pixel p) { return (p >> 1) & 0x7F7F7F7Fu; }
inline PIX_Pixel PIX_Quarter(PIX_Pixel p) { return (p >> 2) & 0x3F3F3F3Fu; }
inline PIX_Pixel PIX_Eighth(PIX_Pixel p) { return (p >> 3) & 0x1F1F1F1Fu; }

// Even mix of two pixels (weight 128).
inline PIX_Pixel PIX_MixHalf(PIX_Pixel d, PIX_Pixel c) { return PIX_Half(d) + PIX_Half(c); }
// Half the destination plus a colour already halved.
inline PIX_Pixel PIX_MixHalfPre(PIX_Pixel d, PIX_Pixel halfColor) { return PIX_Half(d) + halfColor; }
// Three quarters of the destination plus a colour already quartered (weight 64).
inline PIX_Pixel PIX_MixThreeQuartersPre(PIX_Pixel d, PIX_Pixel quarterColor)
{
  return PIX_Half(d) + PIX_Quarter(d) + quarterColor;
}
// A quarter of the destination plus a colour already scaled to three quarters (weight 192).
inline PIX_Pixel PIX_MixQuarterPre(PIX_Pixel d, PIX_Pixel threeQuarterColor)
{
  return PIX_Quarter(d) + threeQuarterColor;
}
// The colour part the weight-192 mix takes (the weight-64 mix takes PIX_Quarter).
inline PIX_Pixel PIX_ThreeQuartersOf(PIX_Pixel c) { return PIX_Quarter(c) + PIX_Half(c); }

// floor(65536 / i) - 1 for i in 1..255, 0 for 0: divisions of the HSV code.
extern const uint16_t PIX_kReciprocal[256];

// Integer HSV: hue 0..383 (0 red, 128 green, 256 blue), saturation and value 0..255.
PIX_Pixel PIX_HSVToRGB(int32_t hue, int32_t saturation, int32_t value, int32_t alpha);
void PIX_RGBToHSV(int32_t r, int32_t g, int32_t b, int32_t* hue, int32_t* saturation, int32_t* value);

#endif
