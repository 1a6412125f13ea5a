// The editor core's drawing: what is dirty, the frame's drawing pass and the
// drawing helpers made of the layer's primitives.
#include <math.h>

#include "IGraphics.h"

namespace {
// A control of no width or height never appears on the screen.
bool CanShow(const IRECT& r) { return r.W() > 0 && r.H() > 0; }
}  // namespace

bool IGraphics::IsDirty(IRECT* pR)
{
  KIT_MutexLock lock(&m_mutex);
  ShowPlugChanges();
  bool dirty = false;
  for (int i = 0; i < mControls.GetSize(); ++i) {
    IControl* pControl = mControls.Get(i);
    pControl->NotifyChanged();
    if (pControl->IsDirty()) {
      *pR = pR->Union(pControl->GetRECT());
      dirty = true;
    }
  }
  return dirty;
}

bool IGraphics::Draw(const IRECT* pR)
{
  KIT_MutexLock lock(&m_mutex);
  const int n = mControls.GetSize();
  if (!n) return true;

  if (mStrict) {
    // Only what the update covers is drawn and cleaned; a dirty control
    // outside it stays dirty for the next frame.
    mDrawRECT = *pR;
    for (int i = 0; i < n; ++i) {
      IControl* pControl = mControls.Get(i);
      if (!pControl->IsHidden() && pR->Intersects(pControl->GetRECT())) pControl->Draw(this);
    }
    for (int i = 0; i < n; ++i) {
      IControl* pControl = mControls.Get(i);
      if (pR->Intersects(pControl->GetRECT()) || !CanShow(pControl->GetRECT())) pControl->SetClean();
    }
  } else if (mControls.Get(0)->IsDirty()) {
    mDrawRECT = mControls.Get(0)->GetRECT();
    for (int i = 0; i < n; ++i) {
      IControl* pControl = mControls.Get(i);
      if (!pControl->IsHidden()) pControl->Draw(this);
      pControl->SetClean();
    }
  } else {
    for (int i = 1; i < n; ++i) {
      IControl* pDirty = mControls.Get(i);
      if (!pDirty->IsDirty()) continue;
      mDrawRECT = pDirty->GetRECT();
      for (int j = 0; j < n; ++j) {
        IControl* pControl = mControls.Get(j);
        if (!pControl->IsHidden() && (j == i || pControl->GetRECT().Intersects(mDrawRECT))) pControl->Draw(this);
      }
      pDirty->SetClean();
    }
  }
  return DrawScreen(pR);
}

bool IGraphics::DrawBitmapFrame(const IBitmapStrip* pBitmap, const IRECT* pR, int frame, const IChannelBlend* pBlend)
{
  int srcY = 0;
  if (pBitmap->N >= 2 && frame >= 2) srcY = (int)((double)pBitmap->H * (double)(frame - 1) / (double)pBitmap->N + 0.5);
  return DrawBitmap(pBitmap, pR, 0, srcY, pBlend);
}

bool IGraphics::DrawRect(const IColor* pColor, const IRECT* pR)
{
  bool ok = DrawHorizontalLine(pColor, pR->T, pR->L, pR->R);
  ok &= DrawHorizontalLine(pColor, pR->B, pR->L, pR->R);
  ok &= DrawVerticalLine(pColor, pR->L, pR->T, pR->B);
  ok &= DrawVerticalLine(pColor, pR->R, pR->T, pR->B);
  return ok;
}

bool IGraphics::DrawVerticalLineAtFraction(const IColor* pColor, const IRECT* pR, double fraction)
{
  if (!(fraction >= 0.0)) fraction = 0.0;  // NaN too
  if (fraction > 1.0) fraction = 1.0;
  const int x = pR->L + (int)((double)pR->W() * fraction);
  return DrawVerticalLine(pColor, x, pR->T, pR->B);
}

bool IGraphics::DrawHorizontalLineAtFraction(const IColor* pColor, const IRECT* pR, double fraction)
{
  const int y = pR->B - (int)((double)pR->H() * fraction);
  return DrawHorizontalLine(pColor, y, pR->L, pR->R);
}

bool IGraphics::DrawRadialLine(const IColor* pColor, float cx, float cy, float angle, float rMin, float rMax,
                               const IChannelBlend* pBlend, bool antiAlias)
{
  const float sinV = sinf(angle), cosV = cosf(angle);
  return DrawLine(pColor, cx + rMin * sinV, cy - rMin * cosV, cx + rMax * sinV, cy - rMax * cosV, pBlend, antiAlias);
}

bool IGraphics::DrawVerticalLine(const IColor* pColor, int xi, int yLo, int yHi)
{
  const IChannelBlend copy(IChannelBlend::kBlendCopy);
  return DrawLine(pColor, (float)xi, (float)yLo, (float)xi, (float)yHi, &copy, false);
}

bool IGraphics::DrawHorizontalLine(const IColor* pColor, int yi, int xLo, int xHi)
{
  const IChannelBlend copy(IChannelBlend::kBlendCopy);
  return DrawLine(pColor, (float)xLo, (float)yi, (float)xHi, (float)yi, &copy, false);
}
