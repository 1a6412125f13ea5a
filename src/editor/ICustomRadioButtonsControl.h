#ifndef ICUSTOMRADIOBUTTONSCONTROL_H
#define ICUSTOMRADIOBUTTONSCONTROL_H

// Radio buttons with a word in a bitmap font on each button: the step-mode
// selector. User-interface thread.

#include "IRadioButtonsControl.h"

class ICustomRadioButtonsControl : public IRadioButtonsControl {
public:
  static constexpr int kButtonTextLen = 32;  // the terminator included

  ICustomRadioButtonsControl(IFxBase* pPlug, const IRECT& rect, int paramIdx, int nButtons, const IBitmapStrip& bitmap,
                             const IBitmapStrip& font, int direction = IKnobControl::kVertical)
    : IRadioButtonsControl(pPlug, rect, paramIdx, nButtons, bitmap, direction), mFont(font)
  {}

  // The next button's word, cut to fit; a button without one shows none.
  void AddButtonText(const char* text);
  bool Draw(IGraphics* pGraphics) override;
  // Neither observers nor a reset to the default.
  void OnMouseDblClick(int x, int y, const IMouseModifiers& mod) override {}
  const IBitmapStrip& GetFont() const { return mFont; }

private:
  struct ButtonText {
    char mText[kButtonTextLen];
  };

  IBitmapStrip mFont;
  KIT_TypedBuf<ButtonText> mTexts{4096};
};

#endif
