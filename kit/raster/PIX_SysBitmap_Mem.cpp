// The memory-only platform bitmap of builds without a window system: the
// same allocation rules as the Windows DIB form, so code above it behaves alike.
#include "PIX_SysBitmap.h"

#include <cstdlib>

PIX_SysBitmap::PIX_SysBitmap(int32_t width, int32_t height) { Resize(width, height); }

PIX_SysBitmap::~PIX_SysBitmap() { std::free(mBits); }

bool PIX_SysBitmap::Resize(int32_t width, int32_t height)
{
  const EResize step = BeginResize(width, height);
  if (step != kResizeNew) return step == kResizeFits;
  std::free(mBits);
  mBits = nullptr;
  if (mWidth == 0 || mHeight == 0) return false;

  if (mAllocWidth && (int64_t)mAllocWidth * mHeight <= INT32_MAX / 4)
    mBits = static_cast<PIX_Pixel*>(std::calloc((size_t)mAllocWidth * (size_t)mHeight, 4));
  if (!mBits) mWidth = mHeight = mAllocWidth = mAllocHeight = 0;
  return true;
}
