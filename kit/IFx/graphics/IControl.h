#ifndef ICONTROL_H
#define ICONTROL_H

// The base of every element of the editor: its rectangles, its bound
// parameter, its value normalised to 0..1, its dirty and visibility state
// and the default reactions to mouse, wheel and keys. The editor core owns
// the controls once attached and calls them on the user-interface thread.
// The plug-in, from any thread under the plug lock, only posts the value a
// control is to show (PostValueFromPlug), which the editor takes in on its
// next tick: it never waits for the editor, and never writes what drawing
// reads. Each group below says its thread and locks.

#include <atomic>
#include <cstdint>

#include "IGraphicRecords.h"
#include "ISubject.h"
#include "KIT_Mutex.h"

class IFxBase;
class IGraphics;

class IControl : public ISubject {
public:
  // Host user-interface thread, as the plug-in builds its editor, and as
  // the editor core deletes its controls.
  IControl(IFxBase* pPlug, const IRECT& rect, int paramIdx = -1, const IChannelBlend& blend = IChannelBlend());
  ~IControl() override = default;

  // Host user-interface thread, in an editor event: under the plug lock,
  // then the editor lock.
  virtual void OnMouseDown(int x, int y, const IMouseModifiers& mod);
  virtual void OnMouseUp(int x, int y, const IMouseModifiers& mod);
  virtual void OnMouseDrag(int x, int y, int dX, int dY, const IMouseModifiers& mod) {}
  virtual void OnMouseDblClick(int x, int y, const IMouseModifiers& mod);
  // d: whole wheel steps.
  virtual void OnMouseWheel(int x, int y, const IMouseModifiers& mod, int d);
  virtual void OnKeyDown(int x, int y, int key) {}
  virtual void OnMouseOver(int x, int y, const IMouseModifiers& mod) {}
  virtual void OnMouseOut() {}
  // Host user-interface thread, under the editor lock alone; must not push
  // to the plug-in.
  virtual bool Draw(IGraphics* pGraphics) = 0;
  // Host user-interface thread; takes the editor lock. The first value is
  // taken silently as the default; later ones that differ mark the control.
  virtual void SetValueFromPlug(double value);
  // Host user-interface thread: a finished text entry of a control without
  // parameter.
  virtual void TextFromTextEntry(const char* text) {}
  // Host user-interface thread; each takes the editor lock.
  virtual void Hide(bool hide);
  virtual void GrayOut(bool gray);
  // Host user-interface thread, under the editor lock.
  virtual bool IsHit(int x, int y) { return mTargetRECT.Contains(x, y); }
  // Host user-interface thread; takes the editor lock. Clamps the value and
  // marks the control; with push (the user's change, which supersedes a
  // value posted and not yet shown), hands the value to the plug-in
  // outside the editor lock.
  virtual void SetDirty(bool pushParamToPlug = true);
  // Host user-interface thread, under the editor lock. A change during
  // drawing (redraw pending) keeps the control dirty for one more frame.
  virtual void SetClean();
  virtual bool IsDirty() { return mDirty; }
  // Host user-interface thread.
  virtual void OnBroadcast() {}

  // Host user-interface thread, as SetDirty.
  void SetValueFromUserInput(double value);
  // Any thread. The value within the clamp range, as SetDirty leaves it.
  double Clamped(double value) const;

  // Any thread, under the plug lock; never waits: the value to show from
  // the editor's next tick on.
  void PostValueFromPlug(double value);
  // Any thread, under the plug lock: the value the control shows, or the
  // one posted for it to show.
  double ValueForPlug() const;
  // Host user-interface thread, under the editor lock: the editor's tick
  // shows what was posted since the last time.
  void ShowPostedValue();
  // Host user-interface thread, in an editor event (both locks held).
  // Prompt for the text-entry parameter, and for the bound one.
  void PromptUserInput(int x, int y);
  void PromptUserInput();
  void PromptUserInputForParam(int x, int y, int paramIdx);
  // The bound parameter's prompt in a small rectangle centred on the
  // control (over the whole control for parameters with display texts).
  void PromptUserInputCentred();
  // Host user-interface thread, under both locks: a prompt's choice for the
  // text-entry parameter, handed to the plug-in.
  void SetValueFromUserText(double value, int x, int y);

  // Host user-interface thread, under the editor lock.
  void SetClampRange(double lo, double hi);
  // Any thread: fixed once the editor is built. The value and the
  // settings below on the host user-interface thread.
  const IRECT& GetRECT() const { return mRECT; }
  const IRECT& GetTargetRECT() const { return mTargetRECT; }
  const IText& GetText() const { return mText; }
  void SetText(const IText& text) { mText = text; }
  double GetValue() const { return mValue; }
  int ParamIdx() const { return mParamIdx; }
  int TextEntryParamIdx() const { return mTextEntryParamIdx; }
  void SetTextEntryParamIdx(int paramIdx) { mTextEntryParamIdx = paramIdx; }
  int GetControlIdx() const { return mControlIdx; }
  void SetPromptAtMouse(bool atMouse) { mPromptAtMouse = atMouse; }
  void SetRedraw(bool redraw) { mRedraw = redraw; }
  bool IsHidden() const { return mHide; }
  bool IsGrayed() const { return mGrayed; }
  bool GetDblAsSingleClick() const { return mDblAsSingleClick; }
  void SetDblAsSingleClick(bool single) { mDblAsSingleClick = single; }
  bool GetMOWhenGrayed() const { return mMOWhenGrayed; }
  void SetMOWhenGrayed(bool over) { mMOWhenGrayed = over; }

  // Host user-interface thread, under the editor lock: set by the editor
  // core when it takes the control.
  void SetControlIdx(int ctrlIdx, IGraphics* pGraphics)
  {
    mControlIdx = ctrlIdx;
    mGraphics = pGraphics;
  }

protected:
  // The editor's lock, or null while the control is not attached.
  KIT_Mutex* EditorLock() const;
  IGraphics* GetGUI() const { return mGraphics; }

  IFxBase* mPlug;
  IText mText;
  IRECT mRECT, mTargetRECT;
  bool mPromptAtMouse = false;
  int mParamIdx;
  int mControlIdx = -1;
  int mTextEntryParamIdx = -1;
  double mValue = 0.0;
  double mDefaultValue = -1.0;  // negative: not set
  double mClampLo = 0.0, mClampHi = 1.0;
  bool mDirty = true;
  bool mHide = false;
  bool mGrayed = false;
  bool mRedraw = false;
  bool mDisablePrompt = false;
  bool mDblAsSingleClick = false;
  bool mMOWhenGrayed = false;
  IChannelBlend mBlend;

private:
  friend class IGraphics;  // files the controls of each parameter in a chain

  IGraphics* mGraphics = nullptr;  // the editor that owns the control
  IControl* mNextOfParam = nullptr;
  // Posted by the plug-in, counted; mShown is the count the editor has
  // shown (or the user has overridden).
  std::atomic<double> mPostedValue{0.0};
  std::atomic<uint32_t> mPosted{0}, mShown{0};
};

#endif
