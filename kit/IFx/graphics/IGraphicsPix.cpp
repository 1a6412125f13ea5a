#include "IGraphicsPix.h"

#include <math.h>

#include "BitmapCache.h"
#include "IFxCheck.h"
#include "PIX_Arc.h"
#include "PIX_Blend.h"
#include "PIX_Blit.h"
#include "PIX_Circle.h"
#include "PIX_Line.h"
#include "PIX_MemBitmap.h"
#include "PIX_Polygon.h"
#include "PIX_RotatedBlit.h"
#include "PIX_ScaledBlit.h"
#include "PIX_SysBitmap.h"

namespace {
const int32_t kRowAlignment = 4;
const uint32_t kColorBytes = ~((uint32_t)0xFF << PIX_SHIFT_A);
const double kPi = 3.14159265358979323846;
}  // namespace

IGraphicsPix::IGraphicsPix(IFxBase* pPlug, int w, int h, int fps) : IGraphics(pPlug, w, h, fps) {}

IGraphicsPix::~IGraphicsPix()
{
  delete mDrawBitmap;
  delete mTmpBitmap;
}

IGraphicsPix::PixBlend IGraphicsPix::ToPixBlend(const IChannelBlend* pBlend)
{
  if (!pBlend) return PixBlend{PIX_MODE_SOURCE_ALPHA | PIX_MODE_COPY, 1.0f};
  switch (pBlend->mMethod) {
    case IChannelBlend::kBlendCopy: return PixBlend{PIX_MODE_COPY, pBlend->mWeight};
    case IChannelBlend::kBlendAdd: return PixBlend{PIX_MODE_SOURCE_ALPHA | PIX_MODE_ADD, pBlend->mWeight};
    case IChannelBlend::kBlendColorDodge: return PixBlend{PIX_MODE_SOURCE_ALPHA | PIX_MODE_DODGE, pBlend->mWeight};
    default: return PixBlend{PIX_MODE_SOURCE_ALPHA | PIX_MODE_COPY, pBlend->mWeight};
  }
}

PIX_Pixel IGraphicsPix::ToPixel(const IColor& color)
{
  return PIX_MakePixel((uint32_t)color.R, (uint32_t)color.G, (uint32_t)color.B, (uint32_t)color.A);
}

IColor IGraphicsPix::ToColor(PIX_Pixel pixel)
{
  return IColor(PIX_PixelA(pixel), PIX_PixelR(pixel), PIX_PixelG(pixel), PIX_PixelB(pixel));
}

void IGraphicsPix::PrepareDrawing()
{
  delete mDrawBitmap;
  delete mTmpBitmap;
  mDrawBitmap = nullptr;
  mTmpBitmap = new PIX_MemBitmap(0, 0, kRowAlignment);
  mDrawingPrepared = true;
}

PIX_SysBitmap* IGraphicsPix::DrawSurface()
{
  if (!mDrawBitmap && mDrawingPrepared) mDrawBitmap = new PIX_SysBitmap(Width(), Height());
  return mDrawBitmap;
}

void IGraphicsPix::Resize(int w, int h)
{
  IGraphics::Resize(w, h);
  if (mDrawBitmap) mDrawBitmap->Resize(w, h);
}

bool IGraphicsPix::DrawBitmap(const IBitmapStrip* pBitmap, const IRECT* pDest, int srcX, int srcY,
                              const IChannelBlend* pBlend)
{
  const IRECT r = pDest->Intersect(mDrawRECT);
  srcX += r.L - pDest->L;
  srcY += r.T - pDest->T;
  const PixBlend b = ToPixBlend(pBlend);
  PIX_Blit(DrawSurface(), pBitmap->mBitmap, r.L, r.T, srcX, srcY, r.W(), r.H(), b.mWeight, b.mMode);
  return true;
}

bool IGraphicsPix::DrawRotatedBitmap(const IBitmapStrip* pBitmap, int destCtrX, int destCtrY, double angle,
                                     int yOffsetZeroDeg, const IChannelBlend* pBlend)
{
  const int w = pBitmap->W, h = pBitmap->H;
  const PixBlend b = ToPixBlend(pBlend);
  PIX_RotatedBlit(DrawSurface(), pBitmap->mBitmap, destCtrX - w / 2, destCtrY - h / 2, w, h, 0.0f, 0.0f, (float)w,
                  (float)h, (float)angle, false, b.mWeight, b.mMode | PIX_MODE_BILINEAR, 0.0f, (float)yOffsetZeroDeg);
  return true;
}

bool IGraphicsPix::DrawRotatedMask(const IBitmapStrip* pBase, const IBitmapStrip* pMask, const IBitmapStrip* pTop,
                                   int x, int y, double angle, const IChannelBlend* pBlend)
{
  const int w = pBase->W, h = pBase->H;
  const float radians = (float)(angle * kPi / 180.0);
  // An odd width turns about the middle of its centre pixel.
  const float centerX = (w & 1) ? -0.5f : 0.0f;
  PIX_Copy(mTmpBitmap, pBase->mBitmap);
  PIX_ClearRect(mTmpBitmap, 0, 0, w, h, kColorBytes, 0);
  PIX_RotatedBlit(mTmpBitmap, pMask->mBitmap, 0, 0, w, h, 0.0f, 0.0f, (float)w, (float)h, radians, true, 1.0f,
                  PIX_MODE_SOURCE_ALPHA | PIX_MODE_BILINEAR | PIX_MODE_ADD, centerX, 0.0f);
  PIX_RotatedBlit(mTmpBitmap, pTop->mBitmap, 0, 0, w, h, 0.0f, 0.0f, (float)w, (float)h, radians, true, 1.0f,
                  PIX_MODE_SOURCE_ALPHA | PIX_MODE_BILINEAR | PIX_MODE_COPY, centerX, 0.0f);
  const IRECT dest(x, y, x + w, y + h);
  const IRECT r = dest.Intersect(mDrawRECT);
  const PixBlend b = ToPixBlend(pBlend);
  PIX_Blit(DrawSurface(), mTmpBitmap, r.L, r.T, r.L - x, r.T - y, r.W(), r.H(), b.mWeight, b.mMode);
  return true;
}

bool IGraphicsPix::DrawPoint(const IColor* pColor, float x, float y, const IChannelBlend* pBlend)
{
  const PixBlend b = ToPixBlend(pBlend);
  PIX_PutPixel(DrawSurface(), (int32_t)(x + 0.5f), (int32_t)(y + 0.5f), ToPixel(*pColor), b.mWeight, b.mMode);
  return true;
}

bool IGraphicsPix::ForcePixel(const IColor* pColor, int x, int y)
{
  // Outside the bitmap would be outside its memory.
  PIX_SysBitmap* pSurface = DrawSurface();
  if (!pSurface || x < 0 || y < 0 || x >= pSurface->GetWidth() || y >= pSurface->GetHeight()) return false;
  pSurface->GetBits()[(size_t)pSurface->GetRowSpan() * (size_t)y + (size_t)x] = ToPixel(*pColor);
  return true;
}

bool IGraphicsPix::DrawLine(const IColor* pColor, float x1, float y1, float x2, float y2, const IChannelBlend* pBlend,
                            bool antiAlias)
{
  const PixBlend b = ToPixBlend(pBlend);
  PIX_Line(DrawSurface(), (int32_t)x1, (int32_t)y1, (int32_t)x2, (int32_t)y2, ToPixel(*pColor), b.mWeight, b.mMode,
           antiAlias);
  return true;
}

bool IGraphicsPix::DrawArc(const IColor* pColor, float cx, float cy, float r, float minAngle, float maxAngle,
                           const IChannelBlend* pBlend, bool antiAlias)
{
  const PixBlend b = ToPixBlend(pBlend);
  PIX_Arc(DrawSurface(), cx, cy, r, minAngle, maxAngle, ToPixel(*pColor), b.mWeight, b.mMode, antiAlias);
  return true;
}

bool IGraphicsPix::DrawCircle(const IColor* pColor, float cx, float cy, float r, const IChannelBlend* pBlend,
                              bool antiAlias)
{
  const PixBlend b = ToPixBlend(pBlend);
  PIX_Circle(DrawSurface(), cx, cy, r, ToPixel(*pColor), b.mWeight, b.mMode, antiAlias);
  return true;
}

bool IGraphicsPix::FillRect(const IColor* pColor, const IRECT* pR, const IChannelBlend* pBlend)
{
  const PixBlend b = ToPixBlend(pBlend);
  PIX_FillRect(DrawSurface(), pR->L, pR->T, pR->W(), pR->H(), ToPixel(*pColor), b.mWeight, b.mMode);
  return true;
}

bool IGraphicsPix::RoundRect(const IColor* pColor, const IRECT* pR, const IChannelBlend* pBlend, int cornerRadius,
                             bool antiAlias)
{
  const PixBlend b = ToPixBlend(pBlend);
  PIX_RoundRect(DrawSurface(), (float)pR->L, (float)pR->T, (float)pR->W(), (float)pR->H(), cornerRadius,
                ToPixel(*pColor), b.mWeight, b.mMode, antiAlias);
  return true;
}

bool IGraphicsPix::FillCircle(const IColor* pColor, float cx, float cy, float r, const IChannelBlend* pBlend,
                              bool antiAlias)
{
  const PixBlend b = ToPixBlend(pBlend);
  PIX_FillCircle(DrawSurface(), cx, cy, r, ToPixel(*pColor), b.mWeight, b.mMode, antiAlias);
  return true;
}

bool IGraphicsPix::FillConvexPolygon(const IColor* pColor, const int* x, const int* y, int nPoints,
                                     const IChannelBlend* pBlend)
{
  const PixBlend b = ToPixBlend(pBlend);
  PIX_FillConvexPolygon(DrawSurface(), x, y, nPoints, ToPixel(*pColor), b.mWeight, b.mMode);
  return true;
}

bool IGraphicsPix::FillTriangle(const IColor* pColor, int x1, int y1, int x2, int y2, int x3, int y3,
                                const IChannelBlend* pBlend)
{
  const PixBlend b = ToPixBlend(pBlend);
  PIX_FillTriangle(DrawSurface(), x1, y1, x2, y2, x3, y3, ToPixel(*pColor), b.mWeight, b.mMode);
  return true;
}

IColor IGraphicsPix::GetPoint(int x, int y) { return ToColor(PIX_GetPixel(DrawSurface(), x, y)); }

void* IGraphicsPix::GetBits()
{
  PIX_SysBitmap* pSurface = DrawSurface();
  return pSurface ? pSurface->GetBits() : nullptr;
}

bool IGraphicsPix::LoadText(int id, const char* name, KIT_String* pText) { return LoadPlatformText(id, name, pText); }

// Two editors asking at once may both load an id; both entries stay and
// lookups find the first.
IBitmapStrip IGraphicsPix::LoadBitmap(int id, const char* name, int nStates)
{
  PIX_IBitmap* pBitmap = gBitmapCache.Find(id);
  if (!pBitmap) {
    pBitmap = LoadPlatformBitmap(id, name);
    const bool imgResourceFound = pBitmap != nullptr;
    IFX_CHECK(imgResourceFound);  // the editor's own images are built in
    gBitmapCache.Add(pBitmap, id);
  }
  return IBitmapStrip(pBitmap, pBitmap->GetWidth(), pBitmap->GetHeight(), nStates);
}

IBitmapStrip IGraphicsPix::ScaleBitmap(const IBitmapStrip* pSrc, int destW, int destH)
{
  PIX_MemBitmap* pBitmap = new PIX_MemBitmap(destW, destH, kRowAlignment);
  PIX_ScaledBlit(pBitmap, pSrc->mBitmap, 0, 0, destW, destH, 0.0f, 0.0f, (float)pSrc->W, (float)pSrc->H, 1.0f,
                 PIX_MODE_BILINEAR);
  IBitmapStrip strip(pBitmap, destW, destH, pSrc->N);
  RetainBitmap(&strip);
  return strip;
}

IBitmapStrip IGraphicsPix::CropBitmap(const IBitmapStrip* pSrc, const IRECT* pR)
{
  PIX_MemBitmap* pBitmap = new PIX_MemBitmap(pR->W(), pR->H(), kRowAlignment);
  PIX_Blit(pBitmap, pSrc->mBitmap, 0, 0, pR->L, pR->T, pR->W(), pR->H(), 1.0f, PIX_MODE_COPY);
  IBitmapStrip strip(pBitmap, pR->W(), pR->H(), pSrc->N);
  RetainBitmap(&strip);
  return strip;
}

bool IGraphicsPix::DrawVerticalLine(const IColor* pColor, int xi, int yLo, int yHi)
{
  PIX_Line(DrawSurface(), xi, yLo, xi, yHi, ToPixel(*pColor), 1.0f, PIX_MODE_COPY, false);
  return true;
}

bool IGraphicsPix::DrawHorizontalLine(const IColor* pColor, int yi, int xLo, int xHi)
{
  PIX_Line(DrawSurface(), xLo, yi, xHi, yi, ToPixel(*pColor), 1.0f, PIX_MODE_COPY, false);
  return true;
}

void IGraphicsPix::RetainBitmap(IBitmapStrip* pBitmap) { gBitmapCache.Add(pBitmap->mBitmap, BitmapCache::kRuntimeId); }

void IGraphicsPix::ReleaseBitmap(IBitmapStrip* pBitmap) { gBitmapCache.Remove(pBitmap->mBitmap); }
