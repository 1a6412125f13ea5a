#include "Shapes.h"

#include <algorithm>
#include <cmath>

namespace {
constexpr float kPi = 3.14159265358979f;

// Every pixel within reach of the edges, with one to spare for the antialiasing.
Box Around(float x0, float y0, float x1, float y1)
{
  return Box{(int)std::floor(x0) - 1, (int)std::floor(y0) - 1, (int)std::ceil(x1) + 1, (int)std::ceil(y1) + 1};
}

float Length(float x, float y) { return std::sqrt(x * x + y * y); }
}  // namespace

float PolarX(float cx, float radius, float angle) { return cx + radius * std::sin(angle * kPi / 180.0f); }
float PolarY(float cy, float radius, float angle) { return cy - radius * std::cos(angle * kPi / 180.0f); }

Shape Disc(float cx, float cy, float radius)
{
  return Shape{Around(cx - radius, cy - radius, cx + radius, cy + radius),
               [=](float x, float y) { return Length(x - cx, y - cy) - radius; }};
}

Shape Ring(float cx, float cy, float radius, float width)
{
  const float outer = radius + width / 2;
  return Shape{Around(cx - outer, cy - outer, cx + outer, cy + outer),
               [=](float x, float y) { return std::fabs(Length(x - cx, y - cy) - radius) - width / 2; }};
}

Shape RoundRect(float x, float y, float width, float height, float radius)
{
  const float hx = width / 2, hy = height / 2, cx = x + hx, cy = y + hy;
  return Shape{Around(x, y, x + width, y + height), [=](float px, float py) {
                 const float qx = std::fabs(px - cx) - (hx - radius), qy = std::fabs(py - cy) - (hy - radius);
                 return Length(std::max(qx, 0.0f), std::max(qy, 0.0f)) + std::min(std::max(qx, qy), 0.0f) - radius;
               }};
}

Shape Stroke(float x0, float y0, float x1, float y1, float width)
{
  const float half = width / 2;
  return Shape{
      Around(std::min(x0, x1) - half, std::min(y0, y1) - half, std::max(x0, x1) + half, std::max(y0, y1) + half),
      [=](float x, float y) {
        const float dx = x1 - x0, dy = y1 - y0, len2 = dx * dx + dy * dy;
        const float t = len2 > 0 ? std::clamp(((x - x0) * dx + (y - y0) * dy) / len2, 0.0f, 1.0f) : 0.0f;
        return Length(x - (x0 + t * dx), y - (y0 + t * dy)) - half;
      }};
}

Shape Arc(float cx, float cy, float radius, float width, float from, float to)
{
  const float outer = radius + width / 2;
  const float ex0 = PolarX(cx, radius, from), ey0 = PolarY(cy, radius, from);
  const float ex1 = PolarX(cx, radius, to), ey1 = PolarY(cy, radius, to);
  return Shape{Around(cx - outer, cy - outer, cx + outer, cy + outer), [=](float x, float y) {
                 float angle = std::atan2(x - cx, cy - y) * 180.0f / kPi;
                 while (angle < from) angle += 360.0f;
                 if (angle <= to) return std::fabs(Length(x - cx, y - cy) - radius) - width / 2;
                 return std::min(Length(x - ex0, y - ey0), Length(x - ex1, y - ey1)) - width / 2;
               }};
}

Shape Union(const Shape& a, const Shape& b)
{
  return Shape{Box{std::min(a.box.x0, b.box.x0), std::min(a.box.y0, b.box.y0), std::max(a.box.x1, b.box.x1),
                   std::max(a.box.y1, b.box.y1)},
               [a, b](float x, float y) { return std::min(a.distance(x, y), b.distance(x, y)); }};
}

Shape Intersect(const Shape& a, const Shape& b)
{
  return Shape{Box{std::max(a.box.x0, b.box.x0), std::max(a.box.y0, b.box.y0), std::min(a.box.x1, b.box.x1),
                   std::min(a.box.y1, b.box.y1)},
               [a, b](float x, float y) { return std::max(a.distance(x, y), b.distance(x, y)); }};
}
