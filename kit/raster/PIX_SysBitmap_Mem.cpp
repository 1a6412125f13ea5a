// The memory-only platform bitmap of builds without a window system: the
// same allocation rules as the Windows DIB form, so code above it behaves alike.
#include "PIX_SysBitmap.h"

#include <cstdlib>

PIX_SysBitmap::PIX_SysBitmap(int32_t width, int32_t height) { Resize(width, height); }

PIX_SysBitmap::~PIX_SysBitmap() { std::free(mBits); }

bool PIX_SysBitmap::Resize(int32_t width, int32_t height)
{
  if (width == mWidth && height == mHeight) return false;
  mWidth = width < 0 ? 0 : width;
  mHeight = height < 0 ? 0 : height;
  if (mWidth != 0 && mHeight != 0 && mWidth <= mAllocWidth && mHeight <= mAllocHeight && mBits) return true;

  const int64_t allocWidth = ((int64_t)mWidth + 3) & ~(int64_t)3;
  mAllocWidth = allocWidth > INT32_MAX ? 0 : (int32_t)allocWidth;
  mAllocHeight = mHeight;
  std::free(mBits);
  mBits = nullptr;
  if (allocWidth == 0 || mHeight == 0) return false;

  if (allocWidth * mHeight <= INT32_MAX / 4)
    mBits = static_cast<PIX_Pixel*>(std::calloc((size_t)(allocWidth * mHeight), 4));
  if (!mBits) mWidth = mHeight = mAllocWidth = mAllocHeight = 0;
  return true;
}
