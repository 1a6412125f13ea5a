// The macOS platform bitmap: the pixels of a memory context of the drawing
// layer, so that the back end can make a Quartz image of them and draw
// text into them. Rows are top-down, as in the Windows form.
#include "MacDrawing.h"
#include "PIX_SysBitmap.h"

PIX_SysBitmap::PIX_SysBitmap(int32_t width, int32_t height) { Resize(width, height); }

PIX_SysBitmap::~PIX_SysBitmap() { DeleteContext(static_cast<ContextRecord*>(mDC)); }

// A context that cannot be made leaves the bitmap empty, answering false,
// so that a caller never takes the missing pixels for a change.
bool PIX_SysBitmap::Resize(int32_t width, int32_t height)
{
  const EResize step = BeginResize(width, height);
  if (step != kResizeNew) return step == kResizeFits;
  DeleteContext(static_cast<ContextRecord*>(mDC));
  mDC = nullptr;
  mBits = nullptr;
  if (mWidth == 0 || mHeight == 0) return false;

  ContextRecord* context = mAllocWidth ? CreateMemContext(nullptr, mAllocWidth, mHeight) : nullptr;
  if (!context) {
    mWidth = mHeight = mAllocWidth = mAllocHeight = 0;
    return false;
  }
  mDC = context;
  mBits = static_cast<PIX_Pixel*>(GetContextBits(context));
  return true;
}
