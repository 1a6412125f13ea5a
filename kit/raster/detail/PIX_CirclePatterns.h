#ifndef PIX_CIRCLEPATTERNS_H
#define PIX_CIRCLEPATTERNS_H

// The small circles drawn from constant coverage patterns (0 nothing, 255
// full), one antialiased and one plain pattern per radius. Internal.

#include <cstdint>

struct PIX_CirclePattern {
  float radius;  // matched exactly
  int32_t side;  // 2 x radius + 1
  const uint8_t* aa;
  const uint8_t* plain;
};

constexpr int32_t PIX_kCirclePatternCount = 6;
extern const PIX_CirclePattern PIX_kCirclePatterns[PIX_kCirclePatternCount];

#endif
