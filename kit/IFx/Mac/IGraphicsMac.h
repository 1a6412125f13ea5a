#ifndef IGRAPHICSMAC_H
#define IGRAPHICSMAC_H

// The macOS back end of the editor: the draw bitmap shown in a Cocoa view
// (IGraphicsCocoa_vTesmoran, the host's) or in a Carbon window through
// IGraphicsCarbon (its own), text drawn with Cocoa's attributed strings
// into the draw bitmap, Cocoa or Carbon popup menus and text entries, file
// panels and URLs, and the images and skin text read from the plug-in's
// bundle. Everything runs on the main thread (Cocoa's events and run-loop
// timer, or Carbon's), except GetUserOSVersion, which any thread may ask.

#include "IGraphicsPix.h"
#include "KIT_String.h"

#ifdef __OBJC__
@class IGraphicsCocoa_vTesmoran;
@class NSMutableDictionary;
#else
typedef struct objc_object IGraphicsCocoa_vTesmoran;
typedef struct objc_object NSMutableDictionary;
#endif

class IGraphicsCarbon;
typedef struct CGContext* CGContextRef;

class IGraphicsMac : public IGraphicsPix {
public:
  IGraphicsMac(IFxBase* pPlug, int w, int h, int fps = 0);
  ~IGraphicsMac() override;

  // Where the images and the skin text are found.
  void SetBundleID(const char* bundleID) { mBundleID.Set(bundleID); }
  const char* GetBundleID() const { return mBundleID.Get(); }
  // The system version as 0xMMmb (0x1050 for 10.5.0); 0 when it cannot be
  // had.
  static int GetUserOSVersion();

  bool DrawScreen(const IRECT* pR) override;
  bool DrawIText(const IText* pTxt, const char* str, const IRECT* pR) override;
  void Resize(int w, int h) override;
  bool WindowIsOpen() override;
  const char* GetGUIAPIName() override;
  IPopupMenu* CreateIPopupMenu(IPopupMenu* pMenu, const IRECT* pRect) override;
  void CreateTextEntry(IControl* pControl, const IText* pText, const IRECT* pRect, const char* str,
                       int paramIdx) override;
  // The bundle's executable; the folder holding the bundle, with "/".
  void HostPath(KIT_String* pPath) override;
  void PluginPath(KIT_String* pPath) override;
  // Only while the window is open; a cancelled panel leaves the name.
  void PromptForFile(KIT_String* pFilename, int action, const char* dir, const char* extensions) override;
  bool PromptForColor(IColor* pColor, const char* prompt) override { return false; }
  bool OpenURL(const char* url, const char* msgWindowTitle, const char* confirmMsg,
               const char* errMsgOnFailure) override;
  // A new Cocoa view over the editor, added to the parent view when one is
  // given; the host holds it.
  void* OpenCocoaWindow(void* pParentView) override;
  // The editor in a Carbon window, in the parent control or the window's
  // content; the pane control, or null when it cannot be made.
  void* OpenWindow(void* pWindow, void* pParentControl) override;
  void* OpenWindow(void* pWindow) override { return OpenWindow(pWindow, nullptr); }
  void CloseWindow() override;
  // The Cocoa view.
  void* GetWindow() override;
  PIX_IBitmap* LoadPlatformBitmap(int id, const char* name) override;
  bool LoadPlatformText(int id, const char* name, KIT_String* pText) override;

  // The Quartz context of the draw bitmap, for the Carbon host's drawing.
  CGContextRef GetDrawContext();

private:
  IGraphicsCarbon* mGraphicsCarbon = nullptr;
  IGraphicsCocoa_vTesmoran* mGraphicsCocoa = nullptr;
  KIT_String mBundleID;
  NSMutableDictionary* mTextAttributes = nullptr;
  IText mLastText;  // the style the attributes hold
};

#endif
