#include "IGraphicsHeadless.h"

#include <stdio.h>

#include "IGraphicsTranslation.h"
#include "PIX_Blend.h"
#include "PIX_Blit.h"
#include "PIX_MemBitmap.h"
#include "PIX_PNG.h"
#include "PIX_PNGWrite.h"
#include "PIX_SysBitmap.h"

IGraphicsHeadless::IGraphicsHeadless(IFxBase* pPlug, int w, int h, int fps) : IGraphicsPix(pPlug, w, h, fps) {}

IGraphicsHeadless::~IGraphicsHeadless() { delete mScreen; }

// --- Input ---

bool IGraphicsHeadless::CancelEditingEntry()
{
  if (!mEntry.mControl || mEntry.mState != kEntryEditing) return false;
  mEntry.mState = kEntryCancel;
  return true;
}

void IGraphicsHeadless::MouseButtonDown(int x, int y, uint32_t keyState, bool altDown)
{
  if (CancelEditingEntry()) return;
  CloseEntry();  // an entry awaiting the tick is dropped without its text
  mCaptured = true;
  OnMouseDown(x, y, ModifiersFromKeyState(keyState, altDown));
}

void IGraphicsHeadless::MouseButtonUp(int x, int y, uint32_t keyState, bool altDown)
{
  if (TextEntryOpen() && mEntry.mState == kEntryEditing) return;
  mCaptured = false;
  OnMouseUp(x, y, ModifiersFromKeyState(keyState, altDown));
}

void IGraphicsHeadless::MouseMove(int x, int y, uint32_t keyState, bool altDown)
{
  const IMouseModifiers mod = ModifiersFromKeyState(keyState, altDown);
  if (!mod.L && !mod.R)
    OnMouseOver(x, y, mod);
  else if (mCaptured && !TextEntryOpen())
    OnMouseDrag(x, y, mod);
}

void IGraphicsHeadless::MouseDoubleClick(int x, int y, uint32_t keyState, bool altDown)
{
  if (TextEntryOpen() && mEntry.mState == kEntryEditing) return;
  if (OnMouseDblClick(x, y, ModifiersFromKeyState(keyState, altDown))) mCaptured = true;
}

void IGraphicsHeadless::MouseWheel(int x, int y, uint32_t keyState, int wheelDelta, bool altDown)
{
  if (TextEntryOpen()) {
    mEntry.mState = kEntryCancel;
    return;
  }
  OnMouseWheel(x, y, ModifiersFromKeyState(keyState, altDown), WheelSteps(wheelDelta));
}

void IGraphicsHeadless::KeyDown(int x, int y, int virtualKey)
{
  if (TextEntryOpen() && mEntry.mState == kEntryEditing) return;
  const int key = KeyCodeFromVirtualKey(virtualKey);
  if (key != kKeyNone) OnKeyDown(x, y, key);
}

void IGraphicsHeadless::Tick()
{
  if (!mOpen) return;
  if (mEntry.mControl && mEntry.mState != kEntryEditing) {
    const Entry finished = mEntry;
    CloseEntry();
    if (finished.mState == kEntryCommit)
      SetFromTextEntry(finished.mControl, finished.mParamIdx, finished.mText.c_str());
  }
  IRECT r;
  if (IsDirty(&r)) Draw(&r);
}

// --- The script ---

void IGraphicsHeadless::AnswerTextEntry(const char* text)
{
  Entry answer;
  answer.mState = text ? kEntryCommit : kEntryCancel;
  answer.mText = text ? text : "";
  mEntryAnswers.push_back(answer);
}

void IGraphicsHeadless::TypeIntoTextEntry(const char* text)
{
  if (!mEntry.mControl) return;
  mEntry.mState = text ? kEntryCommit : kEntryCancel;
  mEntry.mText = text ? text : "";
}

void IGraphicsHeadless::AnswerFile(const char* path)
{
  mFileAnswers.push_back(FileAnswer{path != nullptr, path ? path : ""});
}

void IGraphicsHeadless::AnswerColor(const IColor* pColor)
{
  mColorAnswers.push_back(ColorAnswer{pColor != nullptr, pColor ? *pColor : IColor()});
}

// --- The screen ---

// Made with the draw bitmap, as it is first needed.
PIX_IBitmap* IGraphicsHeadless::Screen()
{
  if (!mScreen && DrawSurface()) mScreen = new PIX_MemBitmap(Width(), Height());
  return mScreen;
}

bool IGraphicsHeadless::SaveScreen(const char* fileName) { return PIX_SavePNG(Screen(), fileName); }

void IGraphicsHeadless::PrepareDrawing()
{
  IGraphicsPix::PrepareDrawing();
  delete mScreen;
  mScreen = nullptr;
}

bool IGraphicsHeadless::DrawScreen(const IRECT* pR)
{
  PIX_Blit(Screen(), DrawSurface(), pR->L, pR->T, pR->L, pR->T, pR->W(), pR->H(), 1.0f, PIX_MODE_COPY);
  mDrawnTexts.swap(mPendingTexts);
  mPendingTexts.clear();
  return true;
}

bool IGraphicsHeadless::DrawIText(const IText* pTxt, const char* str, const IRECT* pR)
{
  if (!str) return true;
  mPendingTexts.push_back(TextRecord{*pTxt, str, *pR});
  return true;
}

void IGraphicsHeadless::Resize(int w, int h)
{
  // The entry's control goes with the others.
  CloseEntry();
  IGraphicsPix::Resize(w, h);
  if (mScreen) mScreen->Resize(w, h);
}

// --- Prompts ---

IPopupMenu* IGraphicsHeadless::CreateIPopupMenu(IPopupMenu* pMenu, const IRECT* pRect)
{
  ReleaseMouseCapture();
  mCaptured = false;
  if (!pMenu || !pMenu->GetNItems()) return nullptr;

  ModalScope modal(this);
  PopupRecord record{*pRect, {}, {}, kCancel};
  for (int i = 0; i < pMenu->GetNItems(); ++i) {
    const IPopupMenuItem* pItem = pMenu->GetItem(i);
    if (pItem->GetSubmenu()) continue;
    char title[IPopupMenuItem::kTextLen + 8];
    MenuItemTitle(*pMenu, i, title, sizeof title);
    record.mTitles.push_back(title);
    record.mFlags.push_back(pItem->GetEnabled() ? 0 : IPopupMenuItem::kDisabled);
    if (pItem->GetChecked()) record.mFlags.back() |= IPopupMenuItem::kChecked;
    if (pItem->GetIsTitle()) record.mFlags.back() |= IPopupMenuItem::kTitle;
    if (pItem->GetIsSeparator()) record.mFlags.back() |= IPopupMenuItem::kSeparator;
  }
  int answer = kCancel;
  if (!mPopupAnswers.empty()) {
    answer = mPopupAnswers.front();
    mPopupAnswers.pop_front();
  }
  // Only what a user could pick in a shown menu counts.
  const IPopupMenuItem* pChosen = pMenu->GetItem(answer);
  if (!pChosen || pChosen->GetSubmenu() || !pChosen->GetEnabled() || pChosen->GetIsTitle() || pChosen->GetIsSeparator())
    answer = kCancel;
  record.mChosen = answer;
  mPopups.push_back(record);
  if (answer == kCancel) return nullptr;
  pMenu->SetChosenItemIdx(answer);
  return pMenu;
}

void IGraphicsHeadless::CreateTextEntry(IControl* pControl, const IText* pText, const IRECT* pRect, const char* str,
                                        int paramIdx)
{
  if (!pControl || mEntry.mControl) return;
  mTextEntries.push_back(TextEntryRecord{pControl, paramIdx, *pRect, pText->mAlign, str ? str : ""});
  mEntry.mControl = pControl;
  mEntry.mParamIdx = paramIdx;
  mEntry.mState = kEntryEditing;
  mEntry.mText = str ? str : "";
  if (!mEntryAnswers.empty()) {
    mEntry.mState = mEntryAnswers.front().mState;
    mEntry.mText = mEntryAnswers.front().mText;
    mEntryAnswers.pop_front();
  }
}

void IGraphicsHeadless::HostPath(KIT_String* pPath) { pPath->Set(mFolder.c_str()); }

void IGraphicsHeadless::PluginPath(KIT_String* pPath) { pPath->Set(mFolder.c_str()); }

void IGraphicsHeadless::PromptForFile(KIT_String* pFilename, int action, const char* dir, const char* extensions)
{
  if (!mOpen) {
    pFilename->Set("");
    return;
  }
  ModalScope modal(this);
  if (mFileAnswers.empty()) return;
  const FileAnswer answer = mFileAnswers.front();
  mFileAnswers.pop_front();
  if (answer.mChosen) pFilename->Set(answer.mPath.c_str());
}

bool IGraphicsHeadless::PromptForColor(IColor* pColor, const char* prompt)
{
  if (!mOpen || mColorAnswers.empty()) return false;
  ModalScope modal(this);
  const ColorAnswer answer = mColorAnswers.front();
  mColorAnswers.pop_front();
  if (!answer.mChosen) return false;
  pColor->R = answer.mColor.R;
  pColor->G = answer.mColor.G;
  pColor->B = answer.mColor.B;
  return true;
}

bool IGraphicsHeadless::OpenURL(const char* url, const char* msgWindowTitle, const char* confirmMsg,
                                const char* errMsgOnFailure)
{
  ModalScope modal(this);
  mURLs.push_back(url ? url : "");
  if (mURLAnswers.empty()) return false;
  const bool opened = mURLAnswers.front();
  mURLAnswers.pop_front();
  return opened;
}

// --- Window and resources ---

void* IGraphicsHeadless::OpenWindow(void* pParentWnd)
{
  mOpen = true;
  ShowPlugChanges();
  SetAllControlsDirty();
  return this;
}

std::string IGraphicsHeadless::PathOf(const char* name) const
{
  if (mFolder.empty()) return name;
  return mFolder + "/" + name;
}

PIX_IBitmap* IGraphicsHeadless::LoadPlatformBitmap(int id, const char* name)
{
  if (!name) return nullptr;
  return PIX_LoadPNGByName(PathOf(name).c_str(), true, nullptr);
}

bool IGraphicsHeadless::LoadPlatformText(int id, const char* name, KIT_String* pText)
{
  if (!name || !pText) return false;
  FILE* file = fopen(PathOf(name).c_str(), "rb");
  if (!file) return false;
  std::string bytes;
  char buffer[4096];
  for (size_t n; (n = fread(buffer, 1, sizeof buffer, file)) > 0;) bytes.append(buffer, n);
  const bool ok = !ferror(file);
  fclose(file);
  if (!ok) return false;
  pText->Set("");
  pText->Set(bytes.c_str(), (int)bytes.size());
  return true;
}
