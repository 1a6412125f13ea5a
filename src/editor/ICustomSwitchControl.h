#ifndef ICUSTOMSWITCHCONTROL_H
#define ICUSTOMSWITCHCONTROL_H

// The plug-in's switches. In text mode the switch shows its parameter's
// display text in a bitmap font and a click opens the parameter's menu;
// otherwise it steps through the frames of its film strip. The invisible
// switch only carries a parameter (or catches clicks) where nothing shows.
// User-interface thread, like every control.

#include "IBitmapControl.h"

class ICustomSwitchControl : public ISwitchControl {
public:
  // strip: the font in text mode, else the film strip. The switch covers
  // rect, whatever the strip's size.
  ICustomSwitchControl(IFxBase* pPlug, const IRECT& rect, int paramIdx, const IBitmapStrip& strip, bool textMode,
                       int blendMethod = IChannelBlend::kBlendAlpha);

  // Without the left button: the text-entry parameter's prompt. With it:
  // the parameter's menu in text mode, else the next frame.
  void OnMouseDown(int x, int y, const IMouseModifiers& mod) override;
  void OnMouseDblClick(int x, int y, const IMouseModifiers& mod) override { OnMouseDown(x, y, mod); }
  bool Draw(IGraphics* pGraphics) override;

private:
  bool mTextMode;
};

class ICustomInvisibleSwitchControl : public IInvisibleSwitchControl {
public:
  using IInvisibleSwitchControl::IInvisibleSwitchControl;
};

#endif
