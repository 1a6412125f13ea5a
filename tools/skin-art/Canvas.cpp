#include "Canvas.h"

#include <algorithm>
#include <cmath>

#include "PIX_Pixel.h"

Rgba Hex(unsigned rgb, float alpha)
{
  return Rgba{((rgb >> 16) & 0xFF) / 255.0f, ((rgb >> 8) & 0xFF) / 255.0f, (rgb & 0xFF) / 255.0f, alpha};
}

Rgba Mix(Rgba from, Rgba to, float t)
{
  return Rgba{from.r + (to.r - from.r) * t, from.g + (to.g - from.g) * t, from.b + (to.b - from.b) * t,
              from.a + (to.a - from.a) * t};
}

Rgba WithAlpha(Rgba colour, float alpha) { return Rgba{colour.r, colour.g, colour.b, alpha}; }

Canvas::Canvas(int width, int height) : mWidth(width), mHeight(height), mPixels((size_t)width * height * 4, 0.0f) {}

void Canvas::Blend(int x, int y, Rgba colour, float coverage)
{
  if (x < 0 || y < 0 || x >= mWidth || y >= mHeight || coverage <= 0.0f) return;
  const float a = colour.a * std::min(coverage, 1.0f);
  float* p = &mPixels[((size_t)y * mWidth + x) * 4];
  p[0] = colour.r * a + p[0] * (1.0f - a);
  p[1] = colour.g * a + p[1] * (1.0f - a);
  p[2] = colour.b * a + p[2] * (1.0f - a);
  p[3] = a + p[3] * (1.0f - a);
}

namespace {
// The part of the box inside the canvas.
Box Clip(Box b, int width, int height)
{
  return Box{std::max(b.x0, 0), std::max(b.y0, 0), std::min(b.x1, width), std::min(b.y1, height)};
}

// An edge one pixel wide centred on the outline.
float Coverage(float distance) { return std::clamp(0.5f - distance, 0.0f, 1.0f); }
}  // namespace

void Canvas::Fill(const Shape& shape, Rgba colour)
{
  Fill(shape, [colour](float, float) { return colour; });
}

void Canvas::Fill(const Shape& shape, const Paint& paint)
{
  const Box b = Clip(shape.box, mWidth, mHeight);
  for (int y = b.y0; y < b.y1; ++y)
    for (int x = b.x0; x < b.x1; ++x) {
      const float cx = x + 0.5f, cy = y + 0.5f;
      const float c = Coverage(shape.distance(cx, cy));
      if (c > 0.0f) Blend(x, y, paint(cx, cy), c);
    }
}

void Canvas::Glow(const Shape& shape, Rgba colour, float spread)
{
  const Box b = Clip(Box{shape.box.x0 - (int)std::ceil(spread), shape.box.y0 - (int)std::ceil(spread),
                         shape.box.x1 + (int)std::ceil(spread), shape.box.y1 + (int)std::ceil(spread)},
                     mWidth, mHeight);
  for (int y = b.y0; y < b.y1; ++y)
    for (int x = b.x0; x < b.x1; ++x) {
      const float d = shape.distance(x + 0.5f, y + 0.5f);
      const float t = d <= 0.0f ? 1.0f : std::max(0.0f, 1.0f - d / spread);
      Blend(x, y, colour, t * t);
    }
}

void Canvas::FillRect(int x, int y, int width, int height, Rgba colour)
{
  FillRect(x, y, width, height, colour, colour);
}

void Canvas::FillRect(int x, int y, int width, int height, Rgba top, Rgba bottom)
{
  for (int j = 0; j < height; ++j) {
    const Rgba c = height > 1 ? Mix(top, bottom, (float)j / (height - 1)) : top;
    for (int i = 0; i < width; ++i) Blend(x + i, y + j, c, 1.0f);
  }
}

void Canvas::Draw(const Canvas& layer, int x, int y) { Draw(layer, x, y, 0, 0, layer.mWidth, layer.mHeight); }

void Canvas::Draw(const Canvas& layer, int x, int y, int fromX, int fromY, int width, int height)
{
  for (int j = 0; j < height; ++j)
    for (int i = 0; i < width; ++i) {
      const int sx = fromX + i, sy = fromY + j;
      if (sx < 0 || sy < 0 || sx >= layer.mWidth || sy >= layer.mHeight) continue;
      const float* s = &layer.mPixels[((size_t)sy * layer.mWidth + sx) * 4];
      const int dx = x + i, dy = y + j;
      if (s[3] <= 0.0f || dx < 0 || dy < 0 || dx >= mWidth || dy >= mHeight) continue;
      float* p = &mPixels[((size_t)dy * mWidth + dx) * 4];
      for (int k = 0; k < 4; ++k) p[k] = s[k] + p[k] * (1.0f - s[3]);
    }
}

std::unique_ptr<PIX_MemBitmap> Canvas::ToBitmap() const
{
  std::unique_ptr<PIX_MemBitmap> bitmap(new PIX_MemBitmap(mWidth, mHeight));
  for (int y = 0; y < mHeight; ++y) {
    PIX_Pixel* row = PIX_RowsAt(bitmap.get(), y).row;
    for (int x = 0; x < mWidth; ++x) {
      const float* p = &mPixels[((size_t)y * mWidth + x) * 4];
      const int a = (int)std::lround(std::clamp(p[3], 0.0f, 1.0f) * 255.0f);
      if (a == 0) {
        row[x] = 0;
        continue;
      }
      const auto channel = [&](float c) { return (uint32_t)std::lround(std::clamp(c / p[3], 0.0f, 1.0f) * 255.0f); };
      row[x] = PIX_MakePixel(channel(p[0]), channel(p[1]), channel(p[2]), (uint32_t)a);
    }
  }
  return bitmap;
}
