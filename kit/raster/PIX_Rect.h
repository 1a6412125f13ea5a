#ifndef PIX_RECT_H
#define PIX_RECT_H

#include <cstdint>

// Left, top, right, bottom; right and bottom exclusive.
struct PIX_Rect {
  int32_t left, top, right, bottom;
};

#endif
