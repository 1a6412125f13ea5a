#ifndef IGRAPHICS_H
#define IGRAPHICS_H

// The platform-neutral editor core: it owns the controls, finds what must
// be redrawn, draws the controls through the drawing layer, dispatches
// mouse, wheel and key events to the right control, and turns a right
// click on a parameter into a popup menu or a text entry. The drawing
// layer (IGraphicsPix) and a window back end fill in the pure slots.
//
// Threads: everything runs on the host's user-interface thread except the
// "FromPlug" setters, which the plug-in and its host binding may call from
// any thread under the plug lock: they post the values, taking no lock,
// and the editor shows them on its next tick (IsDirty). Locks are taken in
// one order only: the plug lock, then the editor lock. Drawing and the
// tick hold the editor lock alone; an event holds both while the control
// handles it. A back end shows every modal window (menu, file, colour and
// message dialogs) inside a ModalScope, so that the audio thread is not
// held up while the user decides. Each group below says its thread and
// locks in the plug-in core's tag style.

#include "IControl.h"
#include "IFxBase.h"
#include "IGraphicRecords.h"
#include "IPopupMenu.h"
#include "KIT_Mutex.h"
#include "KIT_PtrList.h"
#include "KIT_String.h"

#include <vector>

class IParam;

class IGraphics : public IFxEditor {
public:
  // Host user-interface thread, the plug-in's constructor. fps <= 0 gives
  // the default of 24 frames per second.
  IGraphics(IFxBase* pPlug, int w, int h, int fps = 0);
  IGraphics(const IGraphics&) = delete;
  IGraphics& operator=(const IGraphics&) = delete;

  // --- Drawing surface and primitives (the drawing layer) ---
  // Host user-interface thread, under the plug lock: AttachGraphics.
  void PrepareDrawing() override = 0;
  // Host user-interface thread, under the editor lock: Draw and the
  // controls' Draw.
  // Copies the drawn rectangle to the screen.
  virtual bool DrawScreen(const IRECT* pR) = 0;
  virtual bool DrawBitmap(const IBitmapStrip* pBitmap, const IRECT* pDest, int srcX, int srcY,
                          const IChannelBlend* pBlend = nullptr) = 0;
  virtual bool DrawRotatedBitmap(const IBitmapStrip* pBitmap, int destCtrX, int destCtrY, double angle,
                                 int yOffsetZeroDeg = 0, const IChannelBlend* pBlend = nullptr) = 0;
  // angle in degrees.
  virtual bool DrawRotatedMask(const IBitmapStrip* pBase, const IBitmapStrip* pMask, const IBitmapStrip* pTop, int x,
                               int y, double angle, const IChannelBlend* pBlend = nullptr) = 0;
  virtual bool DrawPoint(const IColor* pColor, float x, float y, const IChannelBlend* pBlend = nullptr) = 0;
  // Writes the pixel without blending.
  virtual bool ForcePixel(const IColor* pColor, int x, int y) = 0;
  virtual bool DrawLine(const IColor* pColor, float x1, float y1, float x2, float y2,
                        const IChannelBlend* pBlend = nullptr, bool antiAlias = false) = 0;
  // Angles in radians, 0 up, clockwise.
  virtual bool DrawArc(const IColor* pColor, float cx, float cy, float r, float minAngle, float maxAngle,
                       const IChannelBlend* pBlend = nullptr, bool antiAlias = false) = 0;
  virtual bool DrawCircle(const IColor* pColor, float cx, float cy, float r, const IChannelBlend* pBlend = nullptr,
                          bool antiAlias = false) = 0;
  virtual bool FillRect(const IColor* pColor, const IRECT* pR, const IChannelBlend* pBlend = nullptr) = 0;
  virtual bool RoundRect(const IColor* pColor, const IRECT* pR, const IChannelBlend* pBlend, int cornerRadius,
                         bool antiAlias) = 0;
  virtual bool FillCircle(const IColor* pColor, float cx, float cy, float r, const IChannelBlend* pBlend = nullptr,
                          bool antiAlias = false) = 0;
  virtual bool FillConvexPolygon(const IColor* pColor, const int* x, const int* y, int nPoints,
                                 const IChannelBlend* pBlend = nullptr) = 0;
  virtual bool FillTriangle(const IColor* pColor, int x1, int y1, int x2, int y2, int x3, int y3,
                            const IChannelBlend* pBlend = nullptr) = 0;
  // A null text draws nothing and succeeds.
  virtual bool DrawIText(const IText* pTxt, const char* str, const IRECT* pR) = 0;
  virtual IColor GetPoint(int x, int y) = 0;
  virtual void* GetBits() = 0;

  // --- Window (the back end) ---
  // Host user-interface thread; takes the plug lock, then the editor lock
  // while it forgets the mouse. Deletes every control, then tells the
  // plug-in the new size.
  virtual void Resize(int w, int h);
  // Host user-interface thread.
  virtual bool WindowIsOpen() { return GetWindow() != nullptr; }
  virtual const char* GetGUIAPIName() { return ""; }
  // Host user-interface thread, in an editor event (both locks held); a
  // back end lets them go while its window is up (ModalScope).
  // Shows the menu; the menu with its chosen index set, or null when
  // nothing was chosen.
  virtual IPopupMenu* CreateIPopupMenu(IPopupMenu* pMenu, const IRECT* pRect) = 0;
  // Opens a text entry over the rectangle; its result comes back through
  // SetFromTextEntry on a later tick.
  virtual void CreateTextEntry(IControl* pControl, const IText* pText, const IRECT* pRect, const char* str,
                               int paramIdx) = 0;
  virtual void HostPath(KIT_String* pPath) = 0;
  virtual void PluginPath(KIT_String* pPath) = 0;
  enum EFileAction { kFileOpen = 0, kFileSave = 1 };
  // extensions: space separated. The chosen path replaces *pFilename; a
  // cancel leaves it.
  virtual void PromptForFile(KIT_String* pFilename, int action, const char* dir, const char* extensions) = 0;
  virtual bool PromptForColor(IColor* pColor, const char* prompt) = 0;
  virtual bool OpenURL(const char* url, const char* msgWindowTitle, const char* confirmMsg,
                       const char* errMsgOnFailure) = 0;
  // Host user-interface thread, under the plug lock (the host's editor
  // requests); the Cocoa view factory opens its view without it.
  virtual void* OpenCocoaWindow(void* pParentView) { return nullptr; }
  virtual void* OpenWindow(void* pParentWnd) = 0;
  // The editor in a Carbon window (macOS): its control, or null for none.
  virtual void* OpenWindow(void* pWindow, void* pParentControl) { return nullptr; }
  virtual void CloseWindow() = 0;
  virtual void* GetWindow() = 0;
  // The host's idle call for its editors, on the user-interface thread and
  // outside the plug lock: a back end without a timer of its own ticks here.
  virtual void OnHostIdle() {}

  // Host user-interface thread, as the plug-in is deleted. Deletes every
  // control, last to first.
  ~IGraphics() override;

  // --- Resources and helpers (the drawing layer) ---
  // Host user-interface thread, as the plug-in builds its editor or a
  // control draws; the bitmap cache takes its own lock alone.
  // An owned, terminated copy of the named text; false when there is none.
  virtual bool LoadText(int id, const char* name, KIT_String* pText) = 0;
  virtual IBitmapStrip LoadBitmap(int id, const char* name, int nStates = 1) = 0;
  virtual IBitmapStrip ScaleBitmap(const IBitmapStrip* pSrc, int destW, int destH) = 0;
  virtual IBitmapStrip CropBitmap(const IBitmapStrip* pSrc, const IRECT* pR) = 0;
  virtual void AttachBackground(int id, const char* name);
  virtual void AttachPanelBackground(const IColor* pColor);
  virtual bool DrawVerticalLine(const IColor* pColor, int xi, int yLo, int yHi);
  virtual bool DrawHorizontalLine(const IColor* pColor, int yi, int xLo, int xHi);
  virtual void RetainBitmap(IBitmapStrip* pBitmap) = 0;
  virtual void ReleaseBitmap(IBitmapStrip* pBitmap) = 0;

  // --- Controls ---
  // Host user-interface thread, as the plug-in builds its editor; takes the
  // editor lock. Takes ownership; returns the control's index.
  int AttachControl(IControl* pControl);
  // Any thread: the controls are fixed once the editor is built. Null out
  // of range.
  IControl* GetControl(int ctrlIdx) const { return mControls.Get(ctrlIdx); }
  int NControls() const { return mControls.GetSize(); }
  int Width() const { return mWidth; }
  int Height() const { return mHeight; }
  int FPS() const { return mFPS; }
  KIT_Mutex* EditorLock() { return &m_mutex; }
  // Host user-interface thread; takes the editor lock.
  void SetStrictDrawing(bool strict);
  // Host user-interface thread. Forgets the capture; a back end calls it
  // before it shows a menu.
  void ReleaseMouseCapture();

  // Parameter-wide operations: every control bound to the parameter, in
  // list order. Controls are attached before the plug-in runs.
  // Any thread, under the plug lock; takes no lock and never waits: the
  // controls show the value from the next tick.
  void SetParameterFromPlug(int paramIdx, double value, bool normalized) override;
  void SetControlFromPlug(int ctrlIdx, double normalizedValue);
  // Host user-interface thread; takes the editor lock. What the plug-in
  // posted since the last time, shown: the controls' values, and what the
  // plug-in itself defers (IFxBase::OnGUITick). The tick runs it first; so
  // do the back ends as a window opens.
  void ShowPlugChanges() override;
  // Any thread.
  IGraphics* GetGraphics() override { return this; }
  // Host user-interface thread.
  void SetParameterFromUserInput(int paramIdx, double normalizedValue);
  // Host user-interface thread; each takes the editor lock (Broadcast takes
  // none).
  void ClampControl(int paramIdx, double lo, double hi, bool normalized);
  void HideControl(int paramIdx, bool hide);
  void GrayOutControl(int paramIdx, bool gray);
  void SetAllControlsDirty();
  void BroadcastToControls();

  // --- Drawing ---
  // Host user-interface thread, under the editor lock: the controls' Draw.
  // Frame k (1-based) of the strip over the rectangle.
  bool DrawBitmapFrame(const IBitmapStrip* pBitmap, const IRECT* pR, int frame, const IChannelBlend* pBlend = nullptr);
  bool DrawRect(const IColor* pColor, const IRECT* pR);
  bool DrawVerticalLineAtFraction(const IColor* pColor, const IRECT* pR, double fraction);
  bool DrawHorizontalLineAtFraction(const IColor* pColor, const IRECT* pR, double fraction);
  bool DrawRadialLine(const IColor* pColor, float cx, float cy, float angle, float rMin, float rMax,
                      const IChannelBlend* pBlend = nullptr, bool antiAlias = false);
  // Host user-interface thread; each takes the editor lock alone.
  // The tick: shows the plug-in's changes, then collects the rectangle of
  // every dirty control into *pR (pass it all zero); whether any control
  // was dirty.
  bool IsDirty(IRECT* pR);
  bool Draw(const IRECT* pR);

  // --- Events ---
  // Host user-interface thread, from the back end; each takes the plug
  // lock, then the editor lock, while the control handles it.
  void OnMouseDown(int x, int y, const IMouseModifiers& mod);
  void OnMouseUp(int x, int y, const IMouseModifiers& mod);
  void OnMouseDrag(int x, int y, const IMouseModifiers& mod);
  // True when the control took the double click as a press (the back end
  // then captures the mouse).
  bool OnMouseDblClick(int x, int y, const IMouseModifiers& mod);
  // True when the back end should track the mouse leaving the window.
  bool OnMouseOver(int x, int y, const IMouseModifiers& mod);
  void OnMouseOut();
  void OnMouseWheel(int x, int y, const IMouseModifiers& mod, int d);
  void OnKeyDown(int x, int y, int key);
  // Host user-interface thread. The capture, else the control under the
  // point; -1 for none.
  int GetMouseControlIdx(int x, int y, bool mouseOver = false);
  void HandleMouseOver(bool canHandle) { mHandleMouseOver = canHandle; }

  // --- Prompts ---
  // Host user-interface thread, in an editor event (both locks held). A
  // popup menu for enum parameters and bool parameters with display
  // texts, a text entry for the others.
  void PromptUserInput(IControl* pControl, int paramIdx, const IRECT* pR);
  // Host user-interface thread; a parameter's change takes the plug lock,
  // then the editor lock. The result paths every back end takes: the
  // chosen item of a parameter's menu, and the text of a finished entry
  // (cut to kMaxEntryLen characters; without a parameter it goes to the
  // control's TextFromTextEntry).
  void SetFromPopupChoice(IControl* pControl, int paramIdx, int chosenIdx, const IRECT& rect);
  void SetFromTextEntry(IControl* pControl, int paramIdx, const char* text);
  // Host user-interface thread; takes the plug lock, then the editor lock.
  // Maps the text through the parameter's display texts (enum and bool) or
  // reads it as a number, and sets the control from it.
  void SetFromPromptText(IControl* pControl, int paramIdx, const char* text);
  static constexpr int kMaxEntryLen = 31;

protected:
  // Both locks of an event, released for the time a modal window is up.
  class ModalScope {
  public:
    explicit ModalScope(IGraphics* pGraphics);
    ~ModalScope();
    ModalScope(const ModalScope&) = delete;
    ModalScope& operator=(const ModalScope&) = delete;

  private:
    IGraphics* mGraphics;
    bool mReleased;
  };

  IRECT mDrawRECT;  // the region being drawn; the drawing layer clips blits to it

private:
  // The plug lock, then the editor lock, for the time of one event.
  class EventLock {
  public:
    explicit EventLock(IGraphics* pGraphics);
    ~EventLock();
    EventLock(const EventLock&) = delete;
    EventLock& operator=(const EventLock&) = delete;

  private:
    IGraphics* mGraphics;
    IFxBase::PlugAndEditorLock mLocks;
  };

  template <class Fn>
  void ForEachControlOf(int paramIdx, Fn fn);
  const IParam* GetParam(int paramIdx) const;
  void InsertBackground(IControl* pControl);
  // Files an attached control under its parameter, first or last.
  void FileUnderParam(IControl* pControl, bool first);
  void DeleteControls();
  // From the last control to the first, the first visible, enabled one hit.
  int HitSearch(int x, int y, bool mouseOver);
  // Begin edit for a host-visible parameter, remembered until EndEdit.
  void BeginEdit(int paramIdx);
  void EndEdit();
  bool IsHostVisible(int paramIdx) const;
  // Sets a prompted parameter under both locks, bracketed with begin and
  // end edit unless the current gesture already began it.
  template <class Apply>
  void SetPromptedParam(int paramIdx, Apply apply);

  KIT_Mutex m_mutex;
  KIT_PtrList<IControl> mControls{4096};
  // The controls bound to each parameter, in list order, filed as they are
  // attached: a parameter's change touches its own controls only. Each
  // parameter's first and last, chained through IControl::mNextOfParam.
  std::vector<IControl*> mFirstOf, mLastOf;
  IFxBase* mPlug;
  int mWidth, mHeight, mFPS;
  int mMouseCapture = -1;
  int mMouseOver = -1;
  int mMouseX = 0, mMouseY = 0;
  bool mHandleMouseOver = false;
  bool mStrict = true;
  bool mCapturedWithRight = false;
  int mEditParamIdx = -1;      // begin edit sent by the current gesture
  bool mPromptOpened = false;  // by the control of the current mouse-down
  int mEventDepth = 0;
};

#endif
