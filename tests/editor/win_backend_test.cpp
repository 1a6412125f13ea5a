// The Windows back end in this process, in a window of the test's own: what
// a host cannot see from outside. Keys reach the control under the pointer,
// painting ends even with nothing to draw, fonts go with their editor and
// their entry, resources are found by id and name, the native menu carries
// the model's numbers and flags, an entry hands its text over without the
// Enter and lets go of the mouse, an entry closed by a click leaves nothing
// to the next one, a close without an open leaves the window class to the
// rest, and a resize takes the host's frames along, two deep, and any entry
// goes with the controls.

#include <gtest/gtest.h>

#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "EditorPlug.h"
#include "IGraphicsWin.h"
#include "MenuAnswerer.h"
#include "MessagePump.h"
#include "PIX_IBitmap.h"
#include "PIX_SysBitmap.h"
#include "TestSkin.h"

// After the editor's own headers: windows.h renames LoadBitmap and others.
#include <windows.h>

namespace {
const char* const kWndClassName = "IFxWndClass";
const int kTickTimeoutMs = 5000;

// Records what reaches it, over the whole editor.
class RecorderControl : public IControl {
public:
  struct Key {
    int x, y, key;
  };
  RecorderControl(const IRECT& rect) : IControl(nullptr, rect) {}
  bool Draw(IGraphics*) override { return true; }
  void OnKeyDown(int x, int y, int key) override { mKeys.push_back(Key{x, y, key}); }
  void TextFromTextEntry(const char* text) override { mTexts.push_back(text); }

  std::vector<Key> mKeys;
  std::vector<std::string> mTexts;
};

// The draw bitmap's context, which holds the text font.
class OpenGraphics : public IGraphicsWin {
public:
  using IGraphicsWin::IGraphicsWin;
  HDC DrawDC() { return (HDC)DrawSurface()->GetDC(); }
};

VstIntPtr VSTCALLBACK QuietHost(AEffect*, VstInt32 opcode, VstInt32, VstIntPtr, void*, float)
{
  return opcode == audioMasterVersion ? 2400 : 0;
}

HINSTANCE Module() { return GetModuleHandleA(nullptr); }

bool ClassRegistered()
{
  WNDCLASSA wc;
  return GetClassInfoA(Module(), kWndClassName, &wc) != 0;
}

std::string ReadFile(const std::string& path)
{
  std::ifstream in(path, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}
}  // namespace

class WinBackend : public ::testing::Test {
protected:
  void SetUp() override
  {
    WNDCLASSA wc = {};
    wc.lpfnWndProc = DefWindowProcA;
    wc.hInstance = Module();
    wc.lpszClassName = "WinBackendTestFrame";
    RegisterClassA(&wc);
    frame = CreateWindowA(wc.lpszClassName, "frame", WS_POPUP | WS_VISIBLE, 0, 0, 400, 300, nullptr, nullptr, Module(),
                          nullptr);
    ASSERT_NE(frame, nullptr);
    SetForegroundWindow(frame);
    vsthost::DrainMessages();
  }
  void TearDown() override
  {
    if (frame) DestroyWindow(frame);
    vsthost::DrainMessages();
  }

  // An editor without a plug-in, with one recorder over all of it.
  std::unique_ptr<IGraphicsWin> BareEditor(RecorderControl** recorder = nullptr)
  {
    std::unique_ptr<IGraphicsWin> gui(new IGraphicsWin(nullptr, 200, 100));
    gui->SetModuleHandle(Module());
    gui->PrepareDrawing();
    RecorderControl* r = new RecorderControl(IRECT(0, 0, 200, 100));
    gui->AttachControl(r);
    if (recorder) *recorder = r;
    return gui;
  }

  HWND Open(IGraphics* gui)
  {
    HWND hWnd = (HWND)gui->OpenWindow(frame);
    vsthost::DrainMessages();
    return hWnd;
  }

  bool Tick(IGraphics* gui) { return vsthost::PumpTicks(gui->GetWindow(), 1, kTickTimeoutMs, nullptr); }

  HWND frame = nullptr;
};

TEST_F(WinBackend, KeysReachTheControlUnderThePointerKeypadDigitsAsDigits)
{
  RecorderControl* recorder;
  std::unique_ptr<IGraphicsWin> gui = BareEditor(&recorder);
  HWND hWnd = Open(gui.get());
  ASSERT_NE(hWnd, nullptr);
  POINT p = {50, 40};
  ClientToScreen(hWnd, &p);
  ASSERT_TRUE(SetCursorPos(p.x, p.y));
  vsthost::DrainMessages();

  const struct {
    int mVirtualKey;
    int mKey;  // -1: ignored
  } kCases[] = {{VK_NUMPAD1, 6}, {VK_NUMPAD9, 14}, {VK_F5, -1}, {VK_MULTIPLY, -1}, {'A', 15}, {'7', 12}, {VK_SPACE, 0}};
  for (const auto& c : kCases) {
    recorder->mKeys.clear();
    PostMessageA(hWnd, WM_KEYDOWN, (WPARAM)c.mVirtualKey, 1);
    vsthost::DrainMessages();
    if (c.mKey < 0) {
      EXPECT_TRUE(recorder->mKeys.empty()) << c.mVirtualKey;
      continue;
    }
    ASSERT_EQ(recorder->mKeys.size(), 1u) << c.mVirtualKey;
    EXPECT_EQ(recorder->mKeys[0].key, c.mKey) << c.mVirtualKey;
    EXPECT_EQ(recorder->mKeys[0].x, 50);
    EXPECT_EQ(recorder->mKeys[0].y, 40);
  }
}

TEST_F(WinBackend, PaintingEndsEvenWhenThereIsNothingToDraw)
{
  IGraphicsWin gui(nullptr, 200, 100);
  gui.SetModuleHandle(Module());
  gui.PrepareDrawing();
  HWND hWnd = Open(&gui);
  ASSERT_NE(hWnd, nullptr);
  InvalidateRect(hWnd, nullptr, FALSE);
  vsthost::PumpFor(100);
  EXPECT_FALSE(GetUpdateRect(hWnd, nullptr, FALSE));
}

TEST_F(WinBackend, FontsGoWithTheirEditorAndTheirEntry)
{
  EditorPlug* plug = new EditorPlug(QuietHost);
  OpenGraphics* gui = new OpenGraphics(plug, kEditorWidth, kEditorHeight);
  gui->SetModuleHandle(Module());
  plug->BuildEditor(gui);
  const HGDIOBJ defaultFont = GetCurrentObject(gui->DrawDC(), OBJ_FONT);

  HWND hWnd = Open(gui);
  ASSERT_TRUE(Tick(gui));
  const HGDIOBJ textFont = GetCurrentObject(gui->DrawDC(), OBJ_FONT);
  ASSERT_NE(textFont, defaultFont);
  EXPECT_EQ(GetObjectType(textFont), (DWORD)OBJ_FONT);

  // A right click on the gain knob opens an entry; closing the editor under
  // it takes the entry and its font.
  PostMessageA(hWnd, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(32, 32));
  PostMessageA(hWnd, WM_RBUTTONUP, 0, MAKELPARAM(32, 32));
  vsthost::DrainMessages();
  HWND edit = FindWindowExA(hWnd, nullptr, "Edit", nullptr);
  ASSERT_NE(edit, nullptr);
  const HGDIOBJ entryFont = (HGDIOBJ)SendMessageA(edit, WM_GETFONT, 0, 0);
  EXPECT_EQ(GetObjectType(entryFont), (DWORD)OBJ_FONT);
  gui->CloseWindow();
  EXPECT_EQ(GetObjectType(entryFont), 0u);

  // Open again: the text font is the one it had.
  hWnd = Open(gui);
  ASSERT_NE(hWnd, nullptr);
  ASSERT_TRUE(Tick(gui));
  EXPECT_EQ(GetCurrentObject(gui->DrawDC(), OBJ_FONT), textFont);

  // A second entry, committed this time: its font goes with it too.
  PostMessageA(hWnd, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(32, 32));
  PostMessageA(hWnd, WM_RBUTTONUP, 0, MAKELPARAM(32, 32));
  vsthost::DrainMessages();
  edit = FindWindowExA(hWnd, nullptr, "Edit", nullptr);
  ASSERT_NE(edit, nullptr);
  const HGDIOBJ secondFont = (HGDIOBJ)SendMessageA(edit, WM_GETFONT, 0, 0);
  PostMessageA(edit, WM_KEYDOWN, VK_RETURN, 1);
  vsthost::DrainMessages();
  ASSERT_TRUE(Tick(gui));
  EXPECT_EQ(FindWindowExA(hWnd, nullptr, "Edit", nullptr), nullptr);
  EXPECT_EQ(GetObjectType(secondFont), 0u);

  // The plug-in closed with its editor open.
  delete plug;
  EXPECT_FALSE(IsWindow(hWnd));
  EXPECT_EQ(GetObjectType(textFont), 0u);
}

TEST_F(WinBackend, ImagesAndTextsAreFoundAmongTheResourcesByIdAndName)
{
  IGraphicsWin gui(nullptr, 10, 10);
  gui.SetModuleHandle(Module());
  const TestImage& knob = kTestImages[kImageKnob];
  for (const char* name : {"knob.png", "images/KNOB.PNG", "knob.Png"}) {
    std::unique_ptr<PIX_IBitmap> bitmap(gui.LoadPlatformBitmap(knob.mID, name));
    ASSERT_NE(bitmap, nullptr) << name;
    EXPECT_EQ(bitmap->GetWidth(), 32);
    EXPECT_EQ(bitmap->GetHeight(), 32 * knob.mFrames);
  }
  for (const char* name : {"skin/layout.txt", "knob", "knob.png.txt", ""})
    EXPECT_EQ(gui.LoadPlatformBitmap(knob.mID, name), nullptr) << name;
  EXPECT_EQ(gui.LoadPlatformBitmap(999, "none.png"), nullptr);

  KIT_String text("kept");
  EXPECT_FALSE(gui.LoadPlatformText(999, "none.txt", &text));
  EXPECT_STREQ(text.Get(), "kept");
  ASSERT_TRUE(gui.LoadPlatformText(100, "skin/layout.txt", &text));
  const std::string file = ReadFile(std::string(EDITOR_RESOURCE_DIR) + "/layout.txt");
  ASSERT_FALSE(file.empty());
  EXPECT_EQ(std::string(text.Get()), file);
  EXPECT_EQ(text.GetLength(), (int)file.size());
}

TEST(WinBackendFileDialog, FilterIsPairsOfDescriptionAndPattern)
{
  char filter[64];
  ASSERT_TRUE(IGraphicsWin::FileDialogFilter("png txt", filter, sizeof filter));
  EXPECT_EQ(std::string(filter, 25), std::string("*.png;*.txt\0*.png;*.txt\0\0", 25));
  ASSERT_TRUE(IGraphicsWin::FileDialogFilter("  fxp   fxb ", filter, sizeof filter));
  EXPECT_EQ(std::string(filter, 25), std::string("*.fxp;*.fxb\0*.fxp;*.fxb\0\0", 25));
  EXPECT_FALSE(IGraphicsWin::FileDialogFilter("", filter, sizeof filter));
  EXPECT_FALSE(IGraphicsWin::FileDialogFilter(nullptr, filter, sizeof filter));
  EXPECT_FALSE(IGraphicsWin::FileDialogFilter("png txt", filter, 24));  // one byte short
}

TEST_F(WinBackend, MenusCarryTheModelsNumbersAndFlags)
{
  std::unique_ptr<IGraphicsWin> gui = BareEditor();
  ASSERT_NE(Open(gui.get()), nullptr);
  const IRECT at(20, 10, 60, 30);

  IPopupMenu empty;
  EXPECT_EQ(gui->CreateIPopupMenu(&empty, &at), nullptr);

  IPopupMenu menu;
  menu.SetPrefix(IPopupMenu::kPrefixTwoDigits);
  menu.AddItem("Alpha", IPopupMenu::kAppend, IPopupMenuItem::kChecked);
  menu.AddItem("Beta", IPopupMenu::kAppend, IPopupMenuItem::kDisabled);
  menu.AddSeparator();
  menu.AddItem("Gamma", IPopupMenu::kAppend, IPopupMenuItem::kTitle);
  menu.AddItem("Delta");
  vsthost::MenuAnswerer answerer;
  answerer.Answer(4);
  ASSERT_EQ(gui->CreateIPopupMenu(&menu, &at), &menu);
  EXPECT_EQ(menu.GetChosenItemIdx(), 4);

  const std::vector<vsthost::MenuAnswerer::Menu> shown = answerer.TakeMenus();
  ASSERT_EQ(shown.size(), 1u);
  const std::vector<vsthost::MenuAnswerer::Item>& items = shown[0].items;
  ASSERT_EQ(items.size(), 5u);
  EXPECT_EQ(items[0].text, "01: Alpha");
  EXPECT_TRUE(items[0].checked);
  EXPECT_EQ(items[1].text, "02: Beta");
  EXPECT_TRUE(items[1].grayed);
  EXPECT_TRUE(items[2].separator);
  EXPECT_EQ(items[3].text, "04: Gamma");
  EXPECT_TRUE(items[3].grayed);
  EXPECT_EQ(items[4].text, "05: Delta");
  EXPECT_FALSE(items[4].grayed);
  for (int i : {0, 1, 3, 4}) EXPECT_EQ(items[i].id, (unsigned)i + 1);
  // Under the rectangle's bottom left corner.
  POINT p = {at.L, at.B};
  ClientToScreen((HWND)gui->GetWindow(), &p);
  EXPECT_EQ(shown[0].screenX, p.x);
  EXPECT_EQ(shown[0].screenY, p.y);

  answerer.Answer(vsthost::MenuAnswerer::kCancel);
  EXPECT_EQ(gui->CreateIPopupMenu(&menu, &at), nullptr);
}

TEST_F(WinBackend, AnEntryWithoutParameterHandsItsTextToTheControlWithoutTheEnter)
{
  RecorderControl* recorder;
  std::unique_ptr<IGraphicsWin> gui = BareEditor(&recorder);
  HWND hWnd = Open(gui.get());
  ASSERT_NE(hWnd, nullptr);
  // Tall enough for a second line, which Enter's character would start.
  const IRECT rect(10, 10, 90, 60);
  const IText style;
  gui->CreateTextEntry(recorder, &style, &rect, "abc", -1);
  HWND edit = FindWindowExA(hWnd, nullptr, "Edit", nullptr);
  ASSERT_NE(edit, nullptr);
  // Only one entry at a time.
  gui->CreateTextEntry(recorder, &style, &rect, "other", -1);
  EXPECT_EQ(FindWindowExA(hWnd, edit, "Edit", nullptr), nullptr);

  // Enter as a real key brings it: the key, then its character.
  for (char c : std::string("xyz")) PostMessageA(edit, WM_CHAR, (WPARAM)c, 1);
  PostMessageA(edit, WM_KEYDOWN, VK_RETURN, 1);
  PostMessageA(edit, WM_CHAR, '\r', 1);
  vsthost::DrainMessages();
  EXPECT_TRUE(recorder->mTexts.empty());  // applied by the timer
  ASSERT_TRUE(Tick(gui.get()));
  ASSERT_EQ(recorder->mTexts.size(), 1u);
  EXPECT_EQ(recorder->mTexts[0], "xyz");
  EXPECT_EQ(FindWindowExA(hWnd, nullptr, "Edit", nullptr), nullptr);

  // In a dialog, Enter is the entry's own key when it has no parameter.
  gui->CreateTextEntry(recorder, &style, &rect, "", -1);
  edit = FindWindowExA(hWnd, nullptr, "Edit", nullptr);
  ASSERT_NE(edit, nullptr);
  MSG enter = {edit, WM_KEYDOWN, VK_RETURN, 1, 0, {0, 0}};
  EXPECT_TRUE(SendMessageA(edit, WM_GETDLGCODE, VK_RETURN, (LPARAM)&enter) & DLGC_WANTALLKEYS);
}

TEST_F(WinBackend, AnEntryLetsGoOfTheMouseThePressThatOpenedItHeld)
{
  RecorderControl* recorder;
  std::unique_ptr<IGraphicsWin> gui = BareEditor(&recorder);
  HWND hWnd = Open(gui.get());
  ASSERT_NE(hWnd, nullptr);
  SetCapture(hWnd);
  ASSERT_EQ(GetCapture(), hWnd);
  const IRECT rect(10, 10, 90, 30);
  const IText style;
  gui->CreateTextEntry(recorder, &style, &rect, "abc", -1);
  ASSERT_NE(FindWindowExA(hWnd, nullptr, "Edit", nullptr), nullptr);
  // A click into the entry's text reaches the entry, not the editor.
  EXPECT_NE(GetCapture(), hWnd);
}

TEST_F(WinBackend, AnEntryClosedByAClickLeavesNothingToTheNext)
{
  RecorderControl* recorder;
  std::unique_ptr<IGraphicsWin> gui = BareEditor(&recorder);
  HWND hWnd = Open(gui.get());
  ASSERT_NE(hWnd, nullptr);
  const IRECT rect(10, 10, 90, 30);
  const IText style;
  // A wheel turn cancels the entry; a click closes it before the tick does.
  gui->CreateTextEntry(recorder, &style, &rect, "one", -1);
  POINT p = {50, 50};
  ClientToScreen(hWnd, &p);
  PostMessageA(hWnd, WM_MOUSEWHEEL, MAKEWPARAM(0, 120), MAKELPARAM(p.x, p.y));
  PostMessageA(hWnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(50, 50));
  PostMessageA(hWnd, WM_LBUTTONUP, 0, MAKELPARAM(50, 50));
  vsthost::DrainMessages();
  EXPECT_EQ(FindWindowExA(hWnd, nullptr, "Edit", nullptr), nullptr);

  // The next entry is not cancelled by what happened to that one.
  gui->CreateTextEntry(recorder, &style, &rect, "two", -1);
  ASSERT_TRUE(Tick(gui.get()));
  EXPECT_NE(FindWindowExA(hWnd, nullptr, "Edit", nullptr), nullptr);
  EXPECT_TRUE(recorder->mTexts.empty());
}

TEST_F(WinBackend, AClassIsRegisteredWhileAnyEditorWindowIsOpen)
{
  std::unique_ptr<IGraphicsWin> a = BareEditor(), b = BareEditor();
  // A host may close an editor it never opened.
  a->CloseWindow();
  a->CloseWindow();
  EXPECT_FALSE(ClassRegistered());
  ASSERT_NE(Open(a.get()), nullptr);
  EXPECT_TRUE(ClassRegistered());
  ASSERT_NE(Open(b.get()), nullptr);
  a->CloseWindow();
  EXPECT_TRUE(ClassRegistered());
  b->CloseWindow();
  EXPECT_FALSE(ClassRegistered());
  ASSERT_NE(Open(a.get()), nullptr);
  EXPECT_TRUE(ClassRegistered());
}

TEST_F(WinBackend, AResizeGrowsTheWindowItsParentAndGrandparentAlike)
{
  // The host's frames: two child windows, one in the other, in the
  // top-level one.
  HWND outer = CreateWindowA("WinBackendTestFrame", "outer", WS_CHILD | WS_VISIBLE, 0, 0, 360, 260, frame, nullptr,
                             Module(), nullptr);
  HWND inner = CreateWindowA("WinBackendTestFrame", "inner", WS_CHILD | WS_VISIBLE, 10, 10, 300, 200, outer, nullptr,
                             Module(), nullptr);
  ASSERT_NE(inner, nullptr);
  RecorderControl* recorder;
  std::unique_ptr<IGraphicsWin> gui = BareEditor(&recorder);
  HWND hWnd = (HWND)gui->OpenWindow(inner);
  ASSERT_NE(hWnd, nullptr);
  // An entry committed but not yet applied goes with its control.
  const IRECT rect(10, 10, 90, 30);
  const IText style;
  gui->CreateTextEntry(recorder, &style, &rect, "abc", -1);
  HWND edit = FindWindowExA(hWnd, nullptr, "Edit", nullptr);
  ASSERT_NE(edit, nullptr);
  PostMessageA(edit, WM_KEYDOWN, VK_RETURN, 1);
  vsthost::DrainMessages();
  gui->Resize(250, 130);
  vsthost::DrainMessages();
  EXPECT_EQ(FindWindowExA(hWnd, nullptr, "Edit", nullptr), nullptr);
  ASSERT_TRUE(Tick(gui.get()));

  auto size = [](HWND w) {
    RECT r;
    GetWindowRect(w, &r);
    return std::make_pair((int)(r.right - r.left), (int)(r.bottom - r.top));
  };
  EXPECT_EQ(size(hWnd), std::make_pair(250, 130));
  EXPECT_EQ(size(inner), std::make_pair(350, 230));
  EXPECT_EQ(size(outer), std::make_pair(410, 290));
  EXPECT_EQ(size(frame), std::make_pair(400, 300));  // no further
  EXPECT_EQ(gui->NControls(), 0);
}
