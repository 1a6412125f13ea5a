#ifndef ICUSTOMTEXTCONTROL_H
#define ICUSTOMTEXTCONTROL_H

// A text of up to ten lines drawn with a bitmap font, every line centred
// across the control and the lines together centred down it: the status
// line and the about box's version text.

#include "ITextControl.h"

class ICustomTextControl : public ITextControl {
public:
  static constexpr int kMaxLines = 10;

  // lineHeight: the height of the font's glyph cells that are drawn.
  ICustomTextControl(IFxBase* pPlug, const IRECT& rect, const IBitmapStrip& font, int lineHeight);

  // Lines past the tenth are not drawn.
  bool Draw(IGraphics* pGraphics) override;
  // Under the editor lock, or on the thread that sets the text.
  const char* GetTextString() const { return mStr.Get(); }
  const IBitmapStrip& GetFont() const { return mFont; }

private:
  IBitmapStrip mFont;
  int mLineHeight;
};

#endif
