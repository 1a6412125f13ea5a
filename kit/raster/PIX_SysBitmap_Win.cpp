// The Windows platform bitmap: a top-down 32-bit DIB section selected into a
// memory device context, so its pixels can go to a window without conversion.
#include "PIX_SysBitmap.h"

#include <windows.h>

PIX_SysBitmap::PIX_SysBitmap(int32_t width, int32_t height)
{
  mDC = CreateCompatibleDC(nullptr);
  Resize(width, height);
}

PIX_SysBitmap::~PIX_SysBitmap()
{
  if (mOldBitmap) SelectObject((HDC)mDC, (HGDIOBJ)mOldBitmap);
  if (mDIB) DeleteObject((HGDIOBJ)mDIB);
  if (mDC) DeleteDC((HDC)mDC);
}

bool PIX_SysBitmap::Resize(int32_t width, int32_t height)
{
  if (!mDC) {
    mWidth = mHeight = 0;
    mBits = nullptr;
    return false;
  }
  const EResize step = BeginResize(width, height);
  if (step != kResizeNew) return step == kResizeFits;
  if (mOldBitmap) {
    SelectObject((HDC)mDC, (HGDIOBJ)mOldBitmap);
    mOldBitmap = nullptr;
  }
  if (mDIB) {
    DeleteObject((HGDIOBJ)mDIB);
    mDIB = nullptr;
  }
  mBits = nullptr;
  if (mWidth == 0 || mHeight == 0) return false;

  BITMAPINFO info = {};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = mAllocWidth;
  info.bmiHeader.biHeight = -mHeight;  // top-down
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  HBITMAP dib = nullptr;
  if (mAllocWidth && (int64_t)mAllocWidth * mHeight <= INT32_MAX / 4)
    dib = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  if (!dib || !bits) {
    if (dib) DeleteObject(dib);
    mWidth = mHeight = mAllocWidth = mAllocHeight = 0;
    return true;
  }
  mDIB = dib;
  mBits = static_cast<PIX_Pixel*>(bits);
  mOldBitmap = SelectObject((HDC)mDC, dib);
  return true;
}
