#include "IURLControl.h"

#include "IGraphics.h"

IURLControl::IURLControl(IFxBase* pPlug, const IRECT& rect, const char* url, const char* backupURL,
                         const char* msgWindowTitle)
  : IControl(pPlug, rect)
{
  CopyTextCut(mURL, url, kURLLen);
  CopyTextCut(mBackupURL, backupURL, kURLLen);
  CopyTextCut(mMsgWindowTitle, msgWindowTitle, kTitleLen);
}

void IURLControl::OnMouseDown(int x, int y, const IMouseModifiers& mod)
{
  IGraphics* pGraphics = GetGUI();
  if (!pGraphics || !mURL[0]) return;
  if (!pGraphics->OpenURL(mURL, mMsgWindowTitle, nullptr, nullptr) && mBackupURL[0])
    pGraphics->OpenURL(mBackupURL, mMsgWindowTitle, nullptr, nullptr);
}
