#ifndef PIX_IBITMAP_H
#define PIX_IBITMAP_H

// The bitmap interface every drawing operation reaches pixels through.

#include <cstddef>
#include <cstdint>

#include "PIX_Pixel.h"

class PIX_IBitmap {
public:
  virtual ~PIX_IBitmap() {}
  // First pixel of the first stored row (row 0, or the bottom row when
  // flipped); null when empty.
  virtual PIX_Pixel* GetBits() = 0;
  virtual int32_t GetWidth() = 0;
  virtual int32_t GetHeight() = 0;
  // Pixels from the start of one stored row to the next (at least the width).
  virtual int32_t GetRowSpan() = 0;
  // True when the rows are stored bottom-up.
  virtual bool IsFlipped() { return false; }
  // True when the bitmap changed. Pixels are neither cleared nor moved.
  virtual bool Resize(int32_t width, int32_t height) = 0;
  // The platform drawing context that holds the pixels, or null.
  virtual void* GetDC() { return nullptr; }
  // Optional features; none are offered.
  virtual void* QueryExtension(const char* /*name*/) { return nullptr; }
};

// Rows of a bitmap as drawing loops walk them: the pixel of logical row y,
// column 0, and the step in pixels to logical row y + 1 (negative when the
// bitmap is flipped). The caller has checked that y lies in the bitmap.
struct PIX_Rows {
  PIX_Pixel* row;
  ptrdiff_t step;
};

inline PIX_Rows PIX_RowsAt(PIX_IBitmap* bitmap, int32_t y)
{
  PIX_Pixel* bits = bitmap->GetBits();
  ptrdiff_t span = bitmap->GetRowSpan();
  if (bitmap->IsFlipped()) return PIX_Rows{bits + (ptrdiff_t)(bitmap->GetHeight() - 1 - y) * span, -span};
  return PIX_Rows{bits + (ptrdiff_t)y * span, span};
}

#endif
