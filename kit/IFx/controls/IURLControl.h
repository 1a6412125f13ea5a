#ifndef IURLCONTROL_H
#define IURLCONTROL_H

// An invisible area that opens a web address when clicked, or a backup
// address when the first cannot be opened.
// Host user-interface thread, each override as IControl.h tags it.

#include "IControl.h"

class IURLControl : public IControl {
public:
  static constexpr int kURLLen = 256;     // terminator included
  static constexpr int kTitleLen = 1024;  // terminator included

  IURLControl(IFxBase* pPlug, const IRECT& rect, const char* url, const char* backupURL = nullptr,
              const char* msgWindowTitle = nullptr);

  void OnMouseDown(int x, int y, const IMouseModifiers& mod) override;
  bool Draw(IGraphics* pGraphics) override { return true; }

private:
  char mURL[kURLLen];
  char mBackupURL[kURLLen];
  char mMsgWindowTitle[kTitleLen];
};

#endif
