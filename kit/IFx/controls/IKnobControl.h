#ifndef IKNOBCONTROL_H
#define IKNOBCONTROL_H

// Knobs: dragged up or right to raise the value (a full control's height
// or width changes it by 1 / gearing, ten times finer with shift or
// control), drawn as a film strip, a line, a rotated bitmap or a rotated
// mask, or not at all.
// Host user-interface thread, each override as IControl.h tags it.

#include "IControl.h"

const double kDefaultGearing = 4.0;

class IKnobControl : public IControl {
public:
  enum EDirection { kVertical = 0, kHorizontal = 1 };

  IKnobControl(IFxBase* pPlug, const IRECT& rect, int paramIdx, int direction = kVertical,
               double gearing = kDefaultGearing)
    : IControl(pPlug, rect, paramIdx), mDirection(direction), mGearing(gearing)
  {}

  void OnMouseDrag(int x, int y, int dX, int dY, const IMouseModifiers& mod) override;
  bool Draw(IGraphics* pGraphics) override { return true; }

protected:
  int mDirection;
  double mGearing;
};

class IKnobMultiControl : public IKnobControl {
public:
  IKnobMultiControl(IFxBase* pPlug, int x, int y, int paramIdx, const IBitmapStrip& bitmap, int direction = kVertical,
                    double gearing = kDefaultGearing)
    : IKnobControl(pPlug, IRECT(x, y, bitmap), paramIdx, direction, gearing), mBitmap(bitmap)
  {}

  bool Draw(IGraphics* pGraphics) override;
  const IBitmapStrip& GetBitmap() const { return mBitmap; }

protected:
  IBitmapStrip mBitmap;
};

class IKnobLineControl : public IKnobControl {
public:
  // Angles in radians, 0 up, clockwise; an outer radius of 0 reaches the
  // control's edge.
  IKnobLineControl(IFxBase* pPlug, const IRECT& rect, int paramIdx, const IColor& color, double innerRadius = 0.0,
                   double outerRadius = 0.0, double minAngle = -0.75 * 3.14159265358979323846,
                   double maxAngle = 0.75 * 3.14159265358979323846, int direction = kVertical,
                   double gearing = kDefaultGearing);

  bool Draw(IGraphics* pGraphics) override;

private:
  IColor mColor;
  float mMinAngle, mMaxAngle, mInnerRadius, mOuterRadius;
};

class IKnobRotaterControl : public IKnobControl {
public:
  // Angles in radians; the bitmap turns about its centre moved down by
  // yOffsetZeroDeg.
  IKnobRotaterControl(IFxBase* pPlug, int x, int y, int paramIdx, const IBitmapStrip& bitmap,
                      double minAngle = -0.75 * 3.14159265358979323846, double maxAngle = 0.75 * 3.14159265358979323846,
                      int yOffsetZeroDeg = 0, int direction = kVertical, double gearing = kDefaultGearing)
    : IKnobControl(pPlug, IRECT(x, y, x + bitmap.W, y + bitmap.H), paramIdx, direction, gearing), mBitmap(bitmap),
      mMinAngle(minAngle), mMaxAngle(maxAngle), mYOffset(yOffsetZeroDeg)
  {}

  bool Draw(IGraphics* pGraphics) override;

private:
  IBitmapStrip mBitmap;
  double mMinAngle, mMaxAngle;
  int mYOffset;
};

class IKnobRotatingMaskControl : public IKnobControl {
public:
  // Angles in degrees.
  IKnobRotatingMaskControl(IFxBase* pPlug, int x, int y, int paramIdx, const IBitmapStrip& base,
                           const IBitmapStrip& mask, const IBitmapStrip& top, double minAngle = -135.0,
                           double maxAngle = 135.0, int direction = kVertical, double gearing = kDefaultGearing)
    : IKnobControl(pPlug, IRECT(x, y, x + base.W, y + base.H), paramIdx, direction, gearing), mBase(base), mMask(mask),
      mTop(top), mMinAngle(minAngle), mMaxAngle(maxAngle)
  {}

  bool Draw(IGraphics* pGraphics) override;

private:
  IBitmapStrip mBase, mMask, mTop;
  double mMinAngle, mMaxAngle;
};

#endif
