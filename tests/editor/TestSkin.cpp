#include "TestSkin.h"

#include <math.h>

#include <string>

#include "PIX_Arc.h"
#include "PIX_Blend.h"
#include "PIX_Blit.h"
#include "PIX_Circle.h"
#include "PIX_Line.h"
#include "PIX_MemBitmap.h"
#include "PIX_PNGWrite.h"
#include "PIX_Polygon.h"

namespace {
const double kPi = 3.14159265358979323846;
const int kOpaque = 255;

PIX_Pixel Color(int r, int g, int b, int a = kOpaque)
{
  return PIX_MakePixel((uint32_t)r, (uint32_t)g, (uint32_t)b, (uint32_t)a);
}

void Clear(PIX_MemBitmap& bm) { PIX_ClearRect(&bm, 0, 0, bm.GetWidth(), bm.GetHeight(), 0, 0); }

// A panel with a lighter edge at every 40 pixels, and a few shapes, so that
// a misplaced blit shows.
void DrawBackground(PIX_MemBitmap& bm)
{
  PIX_FillRect(&bm, 0, 0, bm.GetWidth(), bm.GetHeight(), Color(40, 44, 52), 1.0f, PIX_MODE_COPY);
  for (int x = 0; x < bm.GetWidth(); x += 40)
    PIX_Line(&bm, x, 0, x, bm.GetHeight() - 1, Color(60, 66, 78), 1.0f, PIX_MODE_COPY, false);
  for (int y = 0; y < bm.GetHeight(); y += 40)
    PIX_Line(&bm, 0, y, bm.GetWidth() - 1, y, Color(60, 66, 78), 1.0f, PIX_MODE_COPY, false);
  PIX_FillCircle(&bm, 290.0f, 210.0f, 18.0f, Color(90, 60, 120), 1.0f, PIX_MODE_COPY, true);
}

// Frame k of n: a disc with a pointer from -135 to +135 degrees.
void DrawKnob(PIX_MemBitmap& bm, int frames)
{
  const int size = bm.GetWidth();
  for (int k = 0; k < frames; ++k) {
    const float cx = size * 0.5f, cy = k * size + size * 0.5f;
    PIX_FillCircle(&bm, cx, cy, size * 0.5f - 2.0f, Color(200, 200, 210), 1.0f, PIX_MODE_COPY, true);
    const double angle = (-0.75 + 1.5 * k / (frames - 1)) * kPi;
    const int x2 = (int)(cx + sin(angle) * (size * 0.5 - 4)), y2 = (int)(cy - cos(angle) * (size * 0.5 - 4));
    PIX_Line(&bm, (int)cx, (int)cy, x2, y2, Color(220, 40, 40), 1.0f, PIX_MODE_COPY, true);
  }
}

// Two frames: off dark, on lit.
void DrawTwoStates(PIX_MemBitmap& bm, PIX_Pixel off, PIX_Pixel on)
{
  const int h = bm.GetHeight() / 2;
  PIX_FillRect(&bm, 1, 1, bm.GetWidth() - 2, h - 2, off, 1.0f, PIX_MODE_COPY);
  PIX_FillRect(&bm, 1, h + 1, bm.GetWidth() - 2, h - 2, on, 1.0f, PIX_MODE_COPY);
}

// A glyph for every code: a pattern of its bits, different for each.
void DrawFont(PIX_MemBitmap& bm, int frames)
{
  const int w = bm.GetWidth(), h = bm.GetHeight() / frames;
  for (int k = 0; k < frames; ++k) {
    const uint32_t bits = (uint32_t)(k + 32) * 2654435761u;
    for (int y = 1; y < h - 1; ++y)
      for (int x = 0; x < w - 1; ++x)
        if ((bits >> ((x * 7 + y) % 32)) & 1)
          PIX_FillRect(&bm, x, k * h + y, 1, 1, Color(240, 240, 200), 1.0f, PIX_MODE_COPY);
  }
}

void DrawMeter(PIX_MemBitmap& bm, int frames)
{
  const int w = bm.GetWidth(), h = bm.GetHeight() / frames;
  for (int k = 0; k < frames; ++k) {
    const int lit = (h - 2) * k / (frames - 1);
    PIX_FillRect(&bm, 0, k * h, w, h, Color(20, 20, 20), 1.0f, PIX_MODE_COPY);
    PIX_FillRect(&bm, 1, k * h + h - 1 - lit, w - 2, lit, Color(60, 220, 90), 1.0f, PIX_MODE_COPY);
  }
}

bool Save(PIX_MemBitmap& bm, const std::string& folder, ETestImage image)
{
  return PIX_SavePNG(&bm, (folder + "/" + kTestImages[image].mName).c_str());
}
}  // namespace

bool WriteTestSkin(const char* folder)
{
  const std::string dir = folder;
  bool ok = true;
  {
    PIX_MemBitmap bm(320, 240);
    DrawBackground(bm);
    ok &= Save(bm, dir, kImageBackground);
  }
  {
    PIX_MemBitmap bm(32, 32 * kTestImages[kImageKnob].mFrames);
    Clear(bm);
    DrawKnob(bm, kTestImages[kImageKnob].mFrames);
    ok &= Save(bm, dir, kImageKnob);
  }
  {
    PIX_MemBitmap bm(24, 24 * 2);
    Clear(bm);
    DrawTwoStates(bm, Color(70, 70, 80), Color(250, 200, 40));
    ok &= Save(bm, dir, kImageSwitch);
  }
  {
    PIX_MemBitmap bm(16, 16 * 2);
    Clear(bm);
    DrawTwoStates(bm, Color(90, 90, 100), Color(80, 160, 250));
    ok &= Save(bm, dir, kImageRadio);
  }
  {
    PIX_MemBitmap bm(16, 12);
    Clear(bm);
    PIX_FillRect(&bm, 0, 2, 16, 8, Color(230, 230, 230), 1.0f, PIX_MODE_COPY);
    PIX_Line(&bm, 0, 6, 15, 6, Color(30, 30, 30), 1.0f, PIX_MODE_COPY, false);
    ok &= Save(bm, dir, kImageFader);
  }
  {
    PIX_MemBitmap bm(32, 32);
    Clear(bm);
    const int x[] = {16, 22, 10}, y[] = {2, 28, 28};
    PIX_FillConvexPolygon(&bm, x, y, 3, Color(250, 140, 30), 1.0f, PIX_MODE_COPY);
    ok &= Save(bm, dir, kImageRotater);
  }
  {
    // An odd width: the mask turns about the middle of the centre pixel.
    PIX_MemBitmap base(31, 31), mask(31, 31), top(31, 31);
    PIX_FillRect(&base, 0, 0, 31, 31, Color(50, 90, 160), 1.0f, PIX_MODE_COPY);
    Clear(mask);
    PIX_FillRect(&mask, 14, 2, 3, 13, Color(0, 0, 0, 200), 1.0f, PIX_MODE_COPY);
    Clear(top);
    PIX_Circle(&top, 15.0f, 15.0f, 13.0f, Color(255, 255, 255, 160), 1.0f, PIX_MODE_COPY, true);
    ok &= Save(base, dir, kImageMaskBase);
    ok &= Save(mask, dir, kImageMask);
    ok &= Save(top, dir, kImageMaskTop);
  }
  {
    PIX_MemBitmap bm(40, 20 * 2);
    Clear(bm);
    DrawTwoStates(bm, Color(120, 30, 30, 128), Color(30, 120, 30, 220));
    ok &= Save(bm, dir, kImageOverlay);
  }
  {
    PIX_MemBitmap bm(6, 8 * kTestImages[kImageFont].mFrames);
    Clear(bm);
    DrawFont(bm, kTestImages[kImageFont].mFrames);
    ok &= Save(bm, dir, kImageFont);
  }
  {
    PIX_MemBitmap bm(8, 24 * kTestImages[kImageMeter].mFrames);
    DrawMeter(bm, kTestImages[kImageMeter].mFrames);
    ok &= Save(bm, dir, kImageMeter);
  }
  {
    PIX_MemBitmap bm(20, 20);
    Clear(bm);
    PIX_RoundRect(&bm, 1.0f, 1.0f, 18.0f, 18.0f, 4, Color(240, 240, 240), 1.0f, PIX_MODE_COPY, true);
    ok &= Save(bm, dir, kImageFile);
  }
  return ok;
}
