#include <gtest/gtest.h>

#include "IGraphicsMacRules.h"

namespace {

const int kHeight = 400;

TEST(MacRules, ViewPointsLandOnTheEditorPixelUnderThePointer)
{
  struct Case {
    double x, y;
    int cocoaX, cocoaY, carbonX, carbonY;
  };
  const Case cases[] = {
      {10.7, 20.2, 8, 377, 8, 17},
      {0.0, 0.0, -2, 397, -2, -3},
      {2.99, 396.5, 0, 1, 0, 393},
  };
  for (const Case& c : cases) {
    int x, y;
    CocoaEditorPoint(c.x, c.y, kHeight, &x, &y);
    EXPECT_EQ(c.cocoaX, x) << c.x;
    EXPECT_EQ(c.cocoaY, y) << c.y;
    CarbonEditorPoint(c.x, c.y, &x, &y);
    EXPECT_EQ(c.carbonX, x) << c.x;
    EXPECT_EQ(c.carbonY, y) << c.y;
  }
}

TEST(MacRules, DirtyRectanglesCoverTheirEdgesInTheViewAndComeBack)
{
  const MacRect v = ToNSRect(kHeight, IRECT(10, 20, 30, 60));
  EXPECT_EQ(10.0, v.x);
  EXPECT_EQ(339.0, v.y);
  EXPECT_EQ(21.0, v.w);
  EXPECT_EQ(41.0, v.h);
  // Back in the editor's rows it covers the first rectangle.
  EXPECT_EQ(IRECT(10, 20, 31, 61), FlipRect(kHeight, v));
  // Each part is truncated before the flip.
  EXPECT_EQ(IRECT(10, 21, 30, 61), FlipRect(kHeight, MacRect{10.9, 339.5, 20.2, 40.7}));
  EXPECT_EQ(IRECT(0, 0, 580, 400), FlipRect(kHeight, MacRect{0, 0, 580, 400}));
}

struct ModifierCase {
  const char* what;
  unsigned long cocoaFlags;
  bool rightEvent;
  UInt32 carbonKeys;
  EventMouseButton carbonButton;
  IMouseModifiers cocoa, carbon;
};

bool Same(const IMouseModifiers& a, const IMouseModifiers& b)
{
  return a.L == b.L && a.R == b.R && a.S == b.S && a.C == b.C && a.A == b.A;
}

TEST(MacRules, CommandWithTheLeftButtonIsTheRightButton)
{
  const ModifierCase cases[] = {
      {"left", 0, false, 0, kEventMouseButtonPrimary, {true, false}, {true, false}},
      // Cocoa keeps the left button too; Carbon takes it for the right alone.
      {"command-left", kCocoaCommandKeyMask, false, cmdKey, kEventMouseButtonPrimary, {true, true}, {false, true}},
      {"right", 0, true, 0, kEventMouseButtonSecondary, {false, true}, {false, true}},
      {"shift",
       kCocoaShiftKeyMask,
       false,
       shiftKey,
       kEventMouseButtonPrimary,
       {true, false, true},
       {true, false, true}},
      {"control",
       kCocoaControlKeyMask,
       false,
       controlKey,
       kEventMouseButtonPrimary,
       {true, false, false, true},
       {true, false, false, true}},
      {"option-right",
       kCocoaAlternateKeyMask,
       true,
       optionKey,
       kEventMouseButtonSecondary,
       {false, true, false, false, true},
       {false, true, false, false, true}},
  };
  for (const ModifierCase& c : cases) {
    EXPECT_TRUE(Same(c.cocoa, CocoaMouseModifiers(c.cocoaFlags, c.rightEvent))) << c.what;
    EXPECT_TRUE(Same(c.carbon, CarbonMouseModifiers(c.carbonKeys, c.carbonButton))) << c.what;
  }
}

TEST(MacRules, TextSizePlacementAndAlignment)
{
  struct Case {
    int size, points;
    bool antialiased;
  };
  const Case cases[] = {{12, 9, false}, {13, 9, false}, {15, 11, false}, {16, 12, true}, {0, 0, false}};
  for (const Case& c : cases) {
    EXPECT_EQ(c.points, TextPointSize(c.size)) << c.size;
    EXPECT_EQ(c.antialiased, TextAntialiased(TextPointSize(c.size))) << c.size;
  }
  EXPECT_EQ(28, TextTop(20, 9));
  EXPECT_EQ(29, TextTop(20, 12));

  // Cocoa numbers centre 2 and far 1; Carbon justifies far as -1.
  EXPECT_EQ(0, CocoaTextAlignment(IText::kAlignNear));
  EXPECT_EQ(2, CocoaTextAlignment(IText::kAlignCenter));
  EXPECT_EQ(1, CocoaTextAlignment(IText::kAlignFar));
  EXPECT_EQ(0, CarbonJustification(IText::kAlignNear));
  EXPECT_EQ(1, CarbonJustification(IText::kAlignCenter));
  EXPECT_EQ(-1, CarbonJustification(IText::kAlignFar));

  const ControlFontStyleRec style = CarbonEntryFontStyle(7, IText::kAlignFar);
  EXPECT_EQ(0x45, style.flags);
  EXPECT_EQ(7, style.font);
  EXPECT_EQ(11, style.size);
  EXPECT_EQ(-1, style.just);
}

TEST(MacRules, EnterAndReturnCommitACarbonEntry)
{
  EXPECT_TRUE(CarbonEntryCommits(3));
  EXPECT_TRUE(CarbonEntryCommits(13));
  EXPECT_FALSE(CarbonEntryCommits(27));  // Escape
  EXPECT_FALSE(CarbonEntryCommits('a'));
}

TEST(MacRules, TimersRunAtTheFrameRateAndTwiceItInCarbon)
{
  EXPECT_DOUBLE_EQ(1.0 / 24, CocoaTimerInterval(24));
  EXPECT_DOUBLE_EQ(0.5 / 24, CarbonTimerInterval(24));
  EXPECT_DOUBLE_EQ(0.5 / 30, CarbonTimerInterval(30));
}

TEST(MacRules, PopupEntriesAreNumberedAndChosenAsOnWindows)
{
  IPopupMenu menu;
  menu.SetPrefix(IPopupMenu::kPrefixTwoDigits);
  menu.AddItem("Host");
  menu.AddItem("Virtual output", IPopupMenu::kAppend, IPopupMenuItem::kChecked);
  menu.AddSeparator();
  menu.AddItem("Off", IPopupMenu::kAppend, IPopupMenuItem::kDisabled);
  menu.AddItem("Pages", IPopupMenu::kAppend, IPopupMenuItem::kTitle);

  const std::vector<MacMenuEntry> entries = MacMenuEntries(menu);
  ASSERT_EQ(5u, entries.size());
  EXPECT_STREQ("01: Host", entries[0].mText);
  EXPECT_STREQ("02: Virtual output", entries[1].mText);
  EXPECT_TRUE(entries[1].mChecked);
  EXPECT_TRUE(entries[2].mSeparator);
  EXPECT_STREQ("04: Off", entries[3].mText);
  EXPECT_TRUE(entries[3].mDisabled);
  EXPECT_TRUE(entries[4].mTitle);

  EXPECT_EQ(0, MacMenuChosenItem(entries, 0));
  EXPECT_EQ(1, MacMenuChosenItem(entries, 1));
  EXPECT_EQ(-1, MacMenuChosenItem(entries, 2));  // a separator
  EXPECT_EQ(3, MacMenuChosenItem(entries, 3));
  EXPECT_EQ(-1, MacMenuChosenItem(entries, 5));
  EXPECT_EQ(-1, MacMenuChosenItem(entries, -1));

  IPopupMenu empty;
  EXPECT_TRUE(MacMenuEntries(empty).empty());
}

TEST(MacRules, CarbonDrawsItsRegionOrTheWholeEditorAndPopsUpBelow)
{
  const Rect region = {10, 20, 30, 40};
  EXPECT_EQ(IRECT(20, 10, 40, 30), CarbonDrawRect(&region, 580, 400));
  EXPECT_EQ(IRECT(0, 0, 580, 400), CarbonDrawRect(nullptr, 580, 400));

  const Rect content = {100, 200, 500, 780};
  short top, left;
  CarbonPopupPoint(content, CGRectMake(4, 6, 580, 400), IRECT(30, 40, 90, 52), &top, &left);
  EXPECT_EQ(200 + 4 + 30, left);
  EXPECT_EQ(100 + 6 + 52 + 5, top);
}

}  // namespace
