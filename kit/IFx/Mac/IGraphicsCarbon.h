#ifndef IGRAPHICSCARBON_H
#define IGRAPHICSCARBON_H

// The editor inside a Carbon window, for hosts that ask for a Carbon view:
// a user pane in the window, its Carbon events turned into the editor
// core's, a timer that redraws what is dirty, and the Carbon text entry
// and popup menu. Owned by IGraphicsMac while the window is open; main
// thread only.

#include <Carbon/Carbon.h>

#include "IGraphicRecords.h"

class IControl;
class IGraphicsMac;
class IPopupMenu;

class IGraphicsCarbon {
public:
  // The pane is null when it cannot be made.
  IGraphicsCarbon(IGraphicsMac* pGraphicsMac, WindowRef pWindow, ControlRef pParentControl);
  ~IGraphicsCarbon();
  IGraphicsCarbon(const IGraphicsCarbon&) = delete;
  IGraphicsCarbon& operator=(const IGraphicsCarbon&) = delete;

  ControlRef GetView() const { return mView; }
  bool GetIsComposited() const { return mIsComposited; }
  // The drawing context of the draw event being handled, or null.
  CGContextRef GetCGContext() const { return mCGC; }
  void OffsetContentRect(CGRect* pR) const;
  void Resize(int w, int h);

  void CreateTextEntry(IControl* pControl, const IText* pText, const IRECT* pRect, const char* str, int paramIdx);
  // Closes the entry, handing its text to the editor when committing.
  void EndUserInput(bool commit);
  IPopupMenu* CreateIPopupMenu(IPopupMenu* pMenu, const IRECT* pRect);

private:
  static OSStatus MainEventHandler(EventHandlerCallRef pHandlerCall, EventRef pEvent, void* pGraphicsCarbon);
  static OSStatus TextEntryHandler(EventHandlerCallRef pHandlerCall, EventRef pEvent, void* pGraphicsCarbon);
  static void TimerHandler(EventLoopTimerRef pTimer, void* pGraphicsCarbon);

  OSStatus OnControlDraw(EventRef pEvent);
  OSStatus OnMouse(EventHandlerCallRef pHandlerCall, EventRef pEvent, UInt32 kind);
  void OnTimer();

  IGraphicsMac* mGraphicsMac;
  bool mIsComposited = false;
  int mContentXOffset = 0, mContentYOffset = 0;
  RgnHandle mRgn = nullptr;
  WindowRef mWindow;
  ControlRef mView = nullptr;
  EventLoopTimerRef mTimer = nullptr;
  EventHandlerRef mControlHandler = nullptr, mWindowHandler = nullptr;
  CGContextRef mCGC = nullptr;
  ControlRef mTextEntryView = nullptr;
  EventHandlerRef mTextEntryHandler = nullptr;
  IControl* mEdControl = nullptr;
  int mEdParamIdx = -1;
};

#endif
