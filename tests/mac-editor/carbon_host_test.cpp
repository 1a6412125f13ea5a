// The Carbon host, driven by Carbon events as a Carbon window would send
// them, over the Apple layer's test Carbon.

#include "AppleTesting.h"
#include "BackEndFixture.h"
#include "IGraphicsMacRules.h"

namespace {

const Rect kContent = {100, 200, 100 + 400, 200 + 580};

class CarbonHostTest : public BackEndTest {
protected:
  void SetUp() override
  {
    BackEndTest::SetUp();
    window = TestNewWindow(true, kContent);
    pane = (ControlRef)gui->OpenWindow(window, nullptr);
    ASSERT_NE(pane, nullptr);
  }
  void TearDown() override
  {
    gui->CloseWindow();
    TestDisposeWindow(window);
  }

  // A mouse event at a point of the window's content.
  OSStatus Mouse(UInt32 kind, double x, double y, UInt32 keys = 0, EventMouseButton button = kEventMouseButtonPrimary,
                 UInt32 clicks = 1)
  {
    EventRef e = TestNewEvent(kEventClassMouse, kind);
    TestSetEventParam(e, kEventParamWindowMouseLocation, typeHIPoint, CGPointMake(x, y));
    TestSetEventParam(e, kEventParamKeyModifiers, typeUInt32, keys);
    TestSetEventParam(e, kEventParamMouseButton, typeMouseButton, button);
    TestSetEventParam(e, kEventParamClickCount, typeUInt32, clicks);
    const OSStatus result = TestSendToWindow(window, e);
    TestReleaseEvent(e);
    return result;
  }
  OSStatus Wheel(EventMouseWheelAxis axis, SInt32 delta)
  {
    EventRef e = TestNewEvent(kEventClassMouse, kEventMouseWheelMoved);
    TestSetEventParam(e, kEventParamWindowMouseLocation, typeHIPoint, CGPointMake(120, 120));
    TestSetEventParam(e, kEventParamMouseWheelAxis, typeMouseWheelAxis, axis);
    TestSetEventParam(e, kEventParamMouseWheelDelta, typeSInt32, delta);
    const OSStatus result = TestSendToWindow(window, e);
    TestReleaseEvent(e);
    return result;
  }
  // A composited draw event into a context of the test's own, over the
  // region when one is given.
  OSStatus Draw(CGContextRef context, const Rect* region)
  {
    EventRef e = TestNewEvent(kEventClassControl, kEventControlDraw);
    TestSetEventParam(e, kEventParamCGContextRef, typeCGContextRef, context);
    RgnHandle rgn = region ? TestNewRegion(*region) : nullptr;
    if (rgn) TestSetEventParam(e, kEventParamRgnHandle, typeQDRgnHandle, rgn);
    const OSStatus result = TestSendToControl(pane, e);
    if (rgn) DisposeRgn(rgn);
    TestReleaseEvent(e);
    return result;
  }
  OSStatus Key(ControlRef entry, char charCode)
  {
    EventRef e = TestNewEvent(kEventClassKeyboard, kEventRawKeyDown);
    TestSetEventParam(e, kEventParamKeyMacCharCodes, typeChar, charCode);
    const OSStatus result = TestSendToControl(entry, e);
    TestReleaseEvent(e);
    return result;
  }
  // Opens a text entry over the knob, showing "0.50".
  ControlRef OpenEntry()
  {
    const IText text(13, COLOR_BLACK, nullptr, IText::kStyleNormal, IText::kAlignFar);
    const IRECT r = knob->GetRECT();
    gui->CreateTextEntry(knob, &text, &r, "0.50", 0);
    const std::vector<ControlRef>& children = TestControlChildren(pane);
    return children.empty() ? nullptr : children.back();
  }

  WindowRef window = nullptr;
  ControlRef pane = nullptr;
};

TEST_F(CarbonHostTest, PutsAPaneOfTheEditorsSizeInTheWindowAndTakesItsEventsUntilClosed)
{
  EXPECT_STREQ(gui->GetGUIAPIName(), "Carbon Composited");
  EXPECT_TRUE(gui->WindowIsOpen());
  const std::vector<ControlRef>& inContent = TestControlChildren(TestWindowContent(window));
  ASSERT_EQ(inContent.size(), 1u);
  EXPECT_EQ(inContent[0], pane);
  EXPECT_EQ(TestControlFrame(pane).size.width, kWidth);
  EXPECT_EQ(TestControlFrame(pane).size.height, kHeight);
  EXPECT_EQ(TestControlFeatures(pane), 38u);
  EXPECT_EQ(TestControlHandlers(pane), 1);
  EXPECT_EQ(TestWindowHandlers(window), 1);
  ASSERT_EQ(TestCarbonTimers().size(), 1u);
  EXPECT_DOUBLE_EQ(TestCarbonTimers()[0].interval, 0.5 / 24);

  gui->CloseWindow();
  EXPECT_FALSE(gui->WindowIsOpen());
  EXPECT_EQ(TestWindowHandlers(window), 0);
  EXPECT_TRUE(TestCarbonTimers().empty());
}

TEST_F(CarbonHostTest, ANonCompositingWindowGetsARootControlAndThePaneEmbeddedInIt)
{
  WindowRef plain = TestNewWindow(false, kContent);
  ControlRef plainPane = (ControlRef)gui->OpenWindow(plain, nullptr);
  ASSERT_NE(plainPane, nullptr);
  EXPECT_STREQ(gui->GetGUIAPIName(), "Carbon Non Composited");
  EXPECT_EQ(TestControlFeatures(plainPane), 0x12000026u);
  ASSERT_NE(TestWindowContent(plain), nullptr);
  ASSERT_EQ(TestControlChildren(TestWindowContent(plain)).size(), 1u);
  EXPECT_EQ(TestControlChildren(TestWindowContent(plain))[0], plainPane);

  // Its timer updates the window's controls when something is dirty.
  whole->SetDirty(false);
  TestFireTimers();
  EXPECT_EQ(TestWindowUpdates(plain), 1);
  gui->CloseWindow();
  TestDisposeWindow(plain);
}

TEST_F(CarbonHostTest, MouseEventsReachTheEditorAtThePanesPointLessTheOffsets)
{
  EXPECT_EQ(Mouse(kEventMouseDown, 10.7, 20.2), noErr);
  EXPECT_EQ(Mouse(kEventMouseUp, 10.7, 20.2), noErr);
  EXPECT_EQ(Mouse(kEventMouseDown, 30, 40, cmdKey | shiftKey), noErr);
  EXPECT_EQ(Mouse(kEventMouseDragged, 35, 45, cmdKey), noErr);
  EXPECT_EQ(Mouse(kEventMouseUp, 35, 45), noErr);
  EXPECT_EQ(Mouse(kEventMouseDown, 50, 60, 0, kEventMouseButtonPrimary, 2), noErr);

  const std::vector<MouseRecord>& e = whole->events;
  ASSERT_EQ(e.size(), 6u);
  EXPECT_EQ(e[0].what, "down");
  EXPECT_EQ(e[0].x, 8);
  EXPECT_EQ(e[0].y, 17);
  EXPECT_TRUE(e[0].mod.L);
  EXPECT_FALSE(e[0].mod.R);
  // Command with the left button is the right button alone.
  EXPECT_EQ(e[2].what, "down");
  EXPECT_FALSE(e[2].mod.L);
  EXPECT_TRUE(e[2].mod.R);
  EXPECT_TRUE(e[2].mod.S);
  EXPECT_EQ(e[3].what, "drag");
  EXPECT_EQ(e[3].x, 33);
  EXPECT_EQ(e[3].y, 42);
  EXPECT_EQ(e[5].what, "double");
}

TEST_F(CarbonHostTest, OnlyTheVerticalWheelIsHandled)
{
  EXPECT_EQ(Wheel(kEventMouseWheelAxisX, 2), eventNotHandledErr);
  EXPECT_TRUE(knob->events.empty());
  EXPECT_EQ(Wheel(kEventMouseWheelAxisY, -3), noErr);
  ASSERT_EQ(knob->events.size(), 1u);
  EXPECT_EQ(knob->events[0].what, "wheel");
  EXPECT_EQ(knob->events[0].d, -3);
}

TEST_F(CarbonHostTest, ADrawEventDrawsItsRegionOrWithoutOneTheWholeEditor)
{
  std::vector<uint8_t> pixels(kWidth * kHeight * 4);
  CGColorSpaceRef space = CGColorSpaceCreateDeviceRGB();
  CGContextRef context =
      CGBitmapContextCreate(pixels.data(), kWidth, kHeight, 8, kWidth * 4, space, kCGImageAlphaNoneSkipFirst);
  CGColorSpaceRelease(space);

  const Rect region = {10, 20, 30, 40};
  EXPECT_EQ(Draw(context, &region), noErr);
  EXPECT_EQ(whole->draws, 1);
  EXPECT_EQ(corner->draws, 0);
  EXPECT_EQ(Draw(context, nullptr), noErr);
  EXPECT_EQ(whole->draws, 2);
  EXPECT_EQ(corner->draws, 1);
  // Each time the event's context is flipped and given the whole picture.
  const std::vector<std::string> log = TestCGContextLog(context);
  const std::vector<std::string> once = {"translate 0 400", "scale 1 -1", "image 0 0 580 400"};
  ASSERT_EQ(log.size(), 6u);
  EXPECT_EQ(std::vector<std::string>(log.begin(), log.begin() + 3), once);
  EXPECT_EQ(std::vector<std::string>(log.begin() + 3, log.end()), once);
  CGContextRelease(context);
}

TEST_F(CarbonHostTest, TheTimerMarksWhatIsDirtyForDisplay)
{
  // The window opened with everything to draw.
  TestFireTimers();
  ASSERT_EQ(TestTakeNeedsDisplay(pane).size(), 1u);
  const IRECT all(0, 0, kWidth, kHeight);
  gui->Draw(&all);
  TestFireTimers();
  EXPECT_TRUE(TestTakeNeedsDisplay(pane).empty());
  corner->SetDirty(false);
  TestFireTimers();
  const std::vector<HIRect> marked = TestTakeNeedsDisplay(pane);
  ASSERT_EQ(marked.size(), 1u);
  EXPECT_EQ(marked[0].origin.x, 500);
  EXPECT_EQ(marked[0].origin.y, 300);
  EXPECT_EQ(marked[0].size.width, 20);
  EXPECT_EQ(marked[0].size.height, 20);
}

TEST_F(CarbonHostTest, ATextEntryOpensOverTheControlAndReturnCommitsIt)
{
  ControlRef entry = OpenEntry();
  ASSERT_NE(entry, nullptr);
  EXPECT_TRUE(TestControlVisible(entry));
  EXPECT_EQ(TestWindowFocus(window), entry);
  EXPECT_EQ(TestControlText(entry), "0.50");
  EXPECT_EQ(TestControlSelection(entry).selStart, 0);
  EXPECT_EQ(TestControlSelection(entry).selEnd, 0x7FFF);
  const ControlFontStyleRec style = TestControlFontStyle(entry);
  EXPECT_EQ(style.flags, 0x45);
  EXPECT_EQ(style.font, kTestArialFamily);
  EXPECT_EQ(style.size, 11);
  EXPECT_EQ(style.just, teJustRight);
  EXPECT_EQ(TestControlFrame(entry).origin.x, 100);
  EXPECT_EQ(TestControlFrame(entry).size.width, 40);

  TestSetControlText(entry, "0.25");
  EXPECT_EQ(Key(entry, 27), eventNotHandledErr);  // Escape: nothing special
  EXPECT_EQ(TestControlChildren(pane).size(), 1u);
  EXPECT_EQ(Key(entry, 13), noErr);
  EXPECT_TRUE(TestControlChildren(pane).empty());
  EXPECT_DOUBLE_EQ(plug.GetParam(0)->Value(), 0.25);
}

TEST_F(CarbonHostTest, DeactivatingTheWindowDropsTheTypedText)
{
  ControlRef entry = OpenEntry();
  ASSERT_NE(entry, nullptr);
  TestSetControlText(entry, "0.75");
  EventRef e = TestNewEvent(kEventClassWindow, kEventWindowDeactivated);
  TestSetEventParam(e, kEventParamDirectObject, typeWindowRef, window);
  EXPECT_EQ(TestSendToWindow(window, e), eventNotHandledErr);
  TestReleaseEvent(e);
  EXPECT_TRUE(TestControlChildren(pane).empty());
  EXPECT_DOUBLE_EQ(plug.GetParam(0)->Value(), 0.5);
}

TEST_F(CarbonHostTest, AClickOnTheEntryIsItsOwnAndAClickElsewhereCommitsIt)
{
  ControlRef entry = OpenEntry();
  ASSERT_NE(entry, nullptr);
  TestSetControlText(entry, "0.3");
  EXPECT_EQ(Mouse(kEventMouseDown, 110, 110), eventNotHandledErr);
  EXPECT_EQ(TestControlChildren(pane).size(), 1u);
  EXPECT_EQ(Mouse(kEventMouseDown, 300, 300), noErr);
  EXPECT_TRUE(TestControlChildren(pane).empty());
  EXPECT_DOUBLE_EQ(plug.GetParam(0)->Value(), 0.3);
}

TEST_F(CarbonHostTest, AResizeTakesAnOpenEntryAwayWithItsControl)
{
  ASSERT_NE(OpenEntry(), nullptr);
  gui->Resize(kWidth, kHeight + 20);
  EXPECT_TRUE(TestControlChildren(pane).empty());
}

TEST_F(CarbonHostTest, PopupMenusAreNumberedAsOnWindowsAndPlacedUnderTheRectangle)
{
  IPopupMenu menu;
  menu.SetPrefix(IPopupMenu::kPrefixOneDigit);
  menu.AddItem("Host", IPopupMenu::kAppend, IPopupMenuItem::kChecked);
  menu.AddSeparator();
  menu.AddItem("Virtual output", IPopupMenu::kAppend, IPopupMenuItem::kDisabled);
  const IRECT r(30, 40, 90, 52);

  TestAnswerMenu(3);
  EXPECT_EQ(gui->CreateIPopupMenu(&menu, &r), &menu);
  EXPECT_EQ(menu.GetChosenItemIdx(), 2);
  const TestCarbonMenu& shown = TestLastMenu();
  ASSERT_EQ(shown.items.size(), 3u);
  EXPECT_EQ(shown.items[0].text, "1: Host");
  EXPECT_TRUE(shown.items[0].checked);
  EXPECT_EQ(shown.items[1].attributes, (MenuItemAttributes)kMenuItemAttrSeparator);
  EXPECT_EQ(shown.items[2].text, "3: Virtual output");
  EXPECT_EQ(shown.items[2].attributes, (MenuItemAttributes)(kMenuItemAttrIgnoreMeta | kMenuItemAttrDisabled));
  EXPECT_EQ(shown.left, kContent.left + 30);
  EXPECT_EQ(shown.top, kContent.top + 52 + 5);

  // Nothing chosen, or a separator, is no choice.
  TestAnswerMenu(0);
  EXPECT_EQ(gui->CreateIPopupMenu(&menu, &r), nullptr);
  TestAnswerMenu(2);
  EXPECT_EQ(gui->CreateIPopupMenu(&menu, &r), nullptr);
}

}  // namespace
