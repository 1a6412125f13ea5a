#ifndef IGRAPHICSPIX_H
#define IGRAPHICSPIX_H

// The editor core's drawing layer on the PIX raster library: every control
// draws into one off-screen draw bitmap, which the window back end copies
// to the screen. Bitmaps are loaded once per process into the bitmap
// cache; the back end finds the platform's image or text by id and name.
// Host user-interface thread: under the editor lock as it draws, without
// it as the plug-in builds its editor; the slots as IGraphics.h tags them.

#include "IGraphics.h"
#include "PIX_Pixel.h"

class PIX_IBitmap;
class PIX_MemBitmap;
class PIX_SysBitmap;

class IGraphicsPix : public IGraphics {
public:
  IGraphicsPix(IFxBase* pPlug, int w, int h, int fps = 0);
  ~IGraphicsPix() override;

  void PrepareDrawing() override;
  // The core's resize, and the draw bitmap to the new size: every back end's.
  void Resize(int w, int h) override;
  bool DrawBitmap(const IBitmapStrip* pBitmap, const IRECT* pDest, int srcX, int srcY,
                  const IChannelBlend* pBlend = nullptr) override;
  bool DrawRotatedBitmap(const IBitmapStrip* pBitmap, int destCtrX, int destCtrY, double angle, int yOffsetZeroDeg = 0,
                         const IChannelBlend* pBlend = nullptr) override;
  bool DrawRotatedMask(const IBitmapStrip* pBase, const IBitmapStrip* pMask, const IBitmapStrip* pTop, int x, int y,
                       double angle, const IChannelBlend* pBlend = nullptr) override;
  bool DrawPoint(const IColor* pColor, float x, float y, const IChannelBlend* pBlend = nullptr) override;
  bool ForcePixel(const IColor* pColor, int x, int y) override;
  bool DrawLine(const IColor* pColor, float x1, float y1, float x2, float y2, const IChannelBlend* pBlend = nullptr,
                bool antiAlias = false) override;
  bool DrawArc(const IColor* pColor, float cx, float cy, float r, float minAngle, float maxAngle,
               const IChannelBlend* pBlend = nullptr, bool antiAlias = false) override;
  bool DrawCircle(const IColor* pColor, float cx, float cy, float r, const IChannelBlend* pBlend = nullptr,
                  bool antiAlias = false) override;
  bool FillRect(const IColor* pColor, const IRECT* pR, const IChannelBlend* pBlend = nullptr) override;
  bool RoundRect(const IColor* pColor, const IRECT* pR, const IChannelBlend* pBlend, int cornerRadius,
                 bool antiAlias) override;
  bool FillCircle(const IColor* pColor, float cx, float cy, float r, const IChannelBlend* pBlend = nullptr,
                  bool antiAlias = false) override;
  bool FillConvexPolygon(const IColor* pColor, const int* x, const int* y, int nPoints,
                         const IChannelBlend* pBlend = nullptr) override;
  bool FillTriangle(const IColor* pColor, int x1, int y1, int x2, int y2, int x3, int y3,
                    const IChannelBlend* pBlend = nullptr) override;
  IColor GetPoint(int x, int y) override;
  void* GetBits() override;

  bool LoadText(int id, const char* name, KIT_String* pText) override;
  // Stops the plug-in when the image cannot be found: the editor's images
  // are built into it.
  IBitmapStrip LoadBitmap(int id, const char* name, int nStates = 1) override;
  IBitmapStrip ScaleBitmap(const IBitmapStrip* pSrc, int destW, int destH) override;
  IBitmapStrip CropBitmap(const IBitmapStrip* pSrc, const IRECT* pR) override;
  bool DrawVerticalLine(const IColor* pColor, int xi, int yLo, int yHi) override;
  bool DrawHorizontalLine(const IColor* pColor, int yi, int xLo, int xHi) override;
  void RetainBitmap(IBitmapStrip* pBitmap) override;
  void ReleaseBitmap(IBitmapStrip* pBitmap) override;

  // The platform's image or text of that id and name; null or false when
  // there is none.
  virtual PIX_IBitmap* LoadPlatformBitmap(int id, const char* name) = 0;
  virtual bool LoadPlatformText(int id, const char* name, KIT_String* pText) = 0;

  // The PIX form of a blend: the blend-mode word and the weight.
  struct PixBlend {
    int32_t mMode;
    float mWeight;
  };
  static PixBlend ToPixBlend(const IChannelBlend* pBlend);
  static PIX_Pixel ToPixel(const IColor& color);
  static IColor ToColor(PIX_Pixel pixel);

protected:
  // The draw bitmap once drawing is prepared, made when it is first drawn
  // in or read: an editor that never opens takes no memory for it.
  PIX_SysBitmap* DrawSurface();

  PIX_SysBitmap* mDrawBitmap = nullptr;  // null until made
  PIX_MemBitmap* mTmpBitmap = nullptr;   // scratch of DrawRotatedMask

private:
  bool mDrawingPrepared = false;
};

#endif
