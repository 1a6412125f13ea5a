#include "IRadioButtonsControl.h"

#include "IGraphics.h"

namespace {
const int kOffFrame = 1;
const int kOnFrame = 2;
}  // namespace

IRadioButtonsControl::IRadioButtonsControl(IFxBase* pPlug, const IRECT& rect, int paramIdx, int nButtons,
                                           const IBitmapStrip& bitmap, int direction)
  : IControl(pPlug, rect, paramIdx), mBitmap(bitmap)
{
  if (nButtons <= 0) return;
  mRECTs.Resize(nButtons);
  if (mRECTs.GetSize() != nButtons) return;
  const int w = bitmap.W, h = bitmap.FrameHeight();
  const bool horizontal = direction == IKnobControl::kHorizontal;
  // One button has no gap to share.
  const double free = horizontal ? (double)(rect.R - w * nButtons - rect.L) : (double)(rect.B - h * nButtons - rect.T);
  const int gap = nButtons > 1 ? (int)(free / (double)(nButtons - 1)) : 0;
  int x = rect.L, y = rect.T;
  for (int i = 0; i < nButtons; ++i) {
    mRECTs.Get()[i] = IRECT(x, y, x + w, y + h);
    if (horizontal)
      x += w + gap;
    else
      y += h + gap;
  }
}

void IRadioButtonsControl::OnMouseDown(int x, int y, const IMouseModifiers& mod)
{
  if (mod.R) {
    PromptUserInput();
    return;
  }
  const int n = NButtons();
  for (int i = 0; i < n; ++i) {
    if (mRECTs.Get()[i].Contains(x, y)) {
      mValue = n > 1 ? (double)i / (double)(n - 1) : 0.0;
      break;
    }
  }
  SetDirty(true);
}

bool IRadioButtonsControl::Draw(IGraphics* pGraphics)
{
  const int n = NButtons();
  if (n == 0) return true;
  const double pick = (double)(n - 1) * mValue + 0.5;
  int active = pick >= 0.0 ? (int)pick : 0;  // NaN too
  if (active > n - 1) active = n - 1;
  for (int i = 0; i < n; ++i)
    pGraphics->DrawBitmapFrame(&mBitmap, mRECTs.Get() + i, i == active ? kOnFrame : kOffFrame, &mBlend);
  return true;
}
