#ifndef ITEXTCONTROL_H
#define ITEXTCONTROL_H

// Text controls: a text in a style, a parameter's caption, and a word
// drawn with a bitmap font.
// Host user-interface thread, each override as IControl.h tags it.

#include "IControl.h"
#include "KIT_String.h"

class ITextControl : public IControl {
public:
  ITextControl(IFxBase* pPlug, const IRECT& rect, const char* text = nullptr);
  ITextControl(IFxBase* pPlug, const IRECT& rect, const IText& style, const char* text = nullptr);

  // Marks the control when the text changes. Any thread: the editor lock
  // keeps the text from moving while it is drawn.
  void SetTextFromPlug(const char* text);
  bool Draw(IGraphics* pGraphics) override;

protected:
  KIT_String mStr;
};

class ICaptionControl : public ITextControl {
public:
  // Shows the parameter's display text of the control's value, and its
  // label when asked.
  ICaptionControl(IFxBase* pPlug, const IRECT& rect, int paramIdx, const IText& style, bool showParamLabel = true);

  // Either button prompts for the parameter over the control's middle.
  void OnMouseDown(int x, int y, const IMouseModifiers& mod) override;
  void OnMouseDblClick(int x, int y, const IMouseModifiers& mod) override { PromptUserInputCentred(); }
  bool Draw(IGraphics* pGraphics) override;

private:
  bool mShowParamLabel;
};

class IBitmapText : public IControl {
public:
  // font: a strip whose frame k holds the glyph of character k + 31, six
  // pixels wide.
  IBitmapText(IFxBase* pPlug, const IRECT& rect, const IBitmapStrip& font, int paramIdx = -1)
    : IControl(pPlug, rect, paramIdx), mFont(font)
  {}

  // Draws the word "empty".
  bool Draw(IGraphics* pGraphics) override;

private:
  IBitmapStrip mFont;
};

#endif
