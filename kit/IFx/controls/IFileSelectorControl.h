#ifndef IFILESELECTORCONTROL_H
#define IFILESELECTORCONTROL_H

// A button that asks the user for a file: it shows its bitmap while the
// dialog is up, and each choice made toggles its value between 0 and 1.
// Host user-interface thread, each override as IControl.h tags it.

#include "IControl.h"
#include "IGraphics.h"
#include "KIT_String.h"

class IFileSelectorControl : public IControl {
public:
  // extensions: space separated, as the back end's file prompt takes them.
  IFileSelectorControl(IFxBase* pPlug, const IRECT& rect, int paramIdx, const IBitmapStrip& bitmap,
                       int action = IGraphics::kFileOpen, const char* dir = "", const char* extensions = "")
    : IControl(pPlug, rect, paramIdx), mBitmap(bitmap), mDir(dir), mExtensions(extensions), mAction(action)
  {}

  void OnMouseDown(int x, int y, const IMouseModifiers& mod) override;
  bool Draw(IGraphics* pGraphics) override;
  // Also once after a choice.
  bool IsDirty() override;

  void GetLastSelectedFileForPlug(KIT_String* pStr) const { pStr->Set(mFile.Get()); }
  void SetLastSelectedFileFromPlug(const char* file) { mFile.Set(file ? file : ""); }

private:
  enum EState { kStateNone = 0, kStateSelecting, kStateDone };

  IBitmapStrip mBitmap;
  KIT_String mDir, mFile, mExtensions;
  int mAction;
  int mState = kStateNone;
};

#endif
