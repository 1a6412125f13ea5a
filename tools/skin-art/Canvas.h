#ifndef CANVAS_H
#define CANVAS_H

// A drawing surface for the artwork: premultiplied float RGBA, so that
// layers laid over transparent pixels keep clean edges, turned into an 8-bit
// PIX bitmap at the end.

#include <functional>
#include <memory>
#include <vector>

#include "PIX_MemBitmap.h"

// A straight (not premultiplied) colour, channels 0..1.
struct Rgba {
  float r, g, b, a;
};

// 0xRRGGBB with an alpha of 0..1.
Rgba Hex(unsigned rgb, float alpha = 1.0f);
// From one colour to another, alpha included; t = 0 gives `from`.
Rgba Mix(Rgba from, Rgba to, float t);
Rgba WithAlpha(Rgba colour, float alpha);

// Pixels x0..x1 - 1 and y0..y1 - 1.
struct Box {
  int x0, y0, x1, y1;
};

// A shape as its signed distance in pixels (negative inside) at a point;
// pixel (x, y) is sampled at its centre (x + 0.5, y + 0.5). The box bounds
// every pixel the shape or its glow can touch.
struct Shape {
  Box box;
  std::function<float(float x, float y)> distance;
};

// The colour of a fill at a point.
using Paint = std::function<Rgba(float x, float y)>;

class Canvas {
public:
  Canvas(int width, int height);

  int Width() const { return mWidth; }
  int Height() const { return mHeight; }

  // The colour laid over the pixels the shape covers, edges antialiased.
  void Fill(const Shape& shape, Rgba colour);
  void Fill(const Shape& shape, const Paint& paint);
  // A glow or shadow: full inside, fading to nothing `spread` pixels out.
  void Glow(const Shape& shape, Rgba colour, float spread);
  // The colour over a whole rectangle; with `bottom`, a vertical gradient.
  void FillRect(int x, int y, int width, int height, Rgba colour);
  void FillRect(int x, int y, int width, int height, Rgba top, Rgba bottom);
  // One pixel, coverage 0..1.
  void Blend(int x, int y, Rgba colour, float coverage);
  // Another canvas laid over this one with its top-left at (x, y); or the
  // part of it that starts at (fromX, fromY).
  void Draw(const Canvas& layer, int x, int y);
  void Draw(const Canvas& layer, int x, int y, int fromX, int fromY, int width, int height);

  // 8-bit straight RGBA; fully transparent pixels are all zero.
  std::unique_ptr<PIX_MemBitmap> ToBitmap() const;

private:
  int mWidth, mHeight;
  std::vector<float> mPixels;  // r, g, b, a per pixel, premultiplied
};

#endif
