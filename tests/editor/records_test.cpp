// The graphic records, the popup-menu model, the drawing layer's blend and
// colour mapping, and the back ends' input translation.

#include <gtest/gtest.h>

#include <math.h>
#include <string.h>

#include "IGraphicRecords.h"
#include "IGraphicsPix.h"
#include "IGraphicsTranslation.h"
#include "IPopupMenu.h"

TEST(IRECT, EdgesAreAsymmetric)
{
  const IRECT r(0, 0, 10, 10);
  EXPECT_TRUE(r.Contains(0, 0));
  EXPECT_TRUE(r.Contains(9, 9));
  EXPECT_FALSE(r.Contains(10, 5));
  EXPECT_FALSE(r.Contains(5, 10));
  EXPECT_FALSE(IRECT().Contains(0, 0));

  struct Case {
    IRECT a, b;
    bool aMeetsB;
  };
  // The right and bottom edges count on the asking side only.
  const Case cases[] = {
      {IRECT(0, 0, 10, 10), IRECT(10, 0, 20, 10), true},  {IRECT(10, 0, 20, 10), IRECT(0, 0, 10, 10), false},
      {IRECT(0, 0, 10, 10), IRECT(0, 10, 10, 20), true},  {IRECT(0, 10, 10, 20), IRECT(0, 0, 10, 10), false},
      {IRECT(0, 0, 10, 10), IRECT(11, 0, 20, 10), false}, {IRECT(0, 0, 10, 10), IRECT(), false},
      {IRECT(5, 5, 5, 5), IRECT(0, 0, 10, 10), true},  // zero size, yet not empty
  };
  for (const Case& c : cases) EXPECT_EQ(c.a.Intersects(c.b), c.aMeetsB) << c.a.L << "," << c.b.L;
}

TEST(IRECT, UnionIntersectAndEmpty)
{
  EXPECT_EQ(IRECT().Union(IRECT(5, 5, 8, 8)), IRECT(5, 5, 8, 8));
  EXPECT_EQ(IRECT(5, 5, 8, 8).Union(IRECT()), IRECT(5, 5, 8, 8));
  EXPECT_EQ(IRECT(0, 0, 4, 4).Union(IRECT(2, -1, 8, 3)), IRECT(0, -1, 8, 4));
  // A zero-size rectangle away from the origin takes part in a union.
  EXPECT_EQ(IRECT(-1, -1, -1, -1).Union(IRECT(5, 5, 8, 8)), IRECT(-1, -1, 8, 8));
  EXPECT_EQ(IRECT(0, 0, 10, 10).Intersect(IRECT(5, 5, 20, 20)), IRECT(5, 5, 10, 10));
  EXPECT_EQ(IRECT(0, 0, 10, 10).Intersect(IRECT(10, 0, 20, 10)), IRECT(10, 0, 10, 10));
  EXPECT_EQ(IRECT(0, 0, 10, 10).Intersect(IRECT(20, 20, 30, 30)), IRECT());
  EXPECT_TRUE(IRECT().Empty());
  EXPECT_FALSE(IRECT(3, 3, 3, 3).Empty());
  EXPECT_FLOAT_EQ(IRECT(1, 2, 4, 7).MW(), 2.5f);
  EXPECT_FLOAT_EQ(IRECT(1, 2, 4, 7).MH(), 4.5f);
}

TEST(IBitmapStrip, FrameRectangleAndFrameOfAValue)
{
  EXPECT_EQ(IRECT(7, 9, IBitmapStrip(nullptr, 20, 100, 30)), IRECT(7, 9, 27, 12));  // 100 / 30 = 3
  EXPECT_EQ(IRECT(0, 0, IBitmapStrip(nullptr, 20, 100, 0)), IRECT(0, 0, 20, 100));  // no frames: the whole

  struct Case {
    int n;
    double value;
    int frame;
  };
  const Case cases[] = {
      {1, 0.0, 1},   {1, 1.0, 1},    {0, 0.7, 1},     {2, 0.0, 1},     {2, 0.49, 1},      {2, 0.5, 2},
      {2, 1.0, 2},   {25, 0.0, 1},   {25, 0.5, 13},   {25, 1.0, 25},   {25, 1.0 / 48, 2}, {25, 0.99 / 48, 1},
      {127, 0.0, 1}, {127, 0.5, 64}, {127, 1.0, 127}, {127, 2.0, 127}, {127, -1.0, 1},    {127, NAN, 1},
  };
  for (const Case& c : cases)
    EXPECT_EQ(IBitmapStrip(nullptr, 1, 1000, c.n).FrameOf(c.value), c.frame) << c.n << " frames at " << c.value;
}

TEST(IGraphicsPix, BlendMapping)
{
  struct Case {
    int method;
    int32_t mode;
  };
  const Case cases[] = {{0, 0x10000}, {1, 0}, {2, 0x10001}, {3, 0x10002}, {4, 0x10000}, {-1, 0x10000}};
  for (const Case& c : cases) {
    const IChannelBlend blend(c.method, 0.25f);
    const IGraphicsPix::PixBlend b = IGraphicsPix::ToPixBlend(&blend);
    EXPECT_EQ(b.mMode, c.mode) << c.method;
    EXPECT_FLOAT_EQ(b.mWeight, 0.25f);
  }
  EXPECT_EQ(IGraphicsPix::ToPixBlend(nullptr).mMode, 0x10000);
  EXPECT_FLOAT_EQ(IGraphicsPix::ToPixBlend(nullptr).mWeight, 1.0f);
}

TEST(IGraphicsPix, ColourConversionInThisBuildsLayout)
{
  const IColor c(0x11, 0x22, 0x33, 0x44);
  const PIX_Pixel p = IGraphicsPix::ToPixel(c);
#if defined(PIX_MAC_PIXELS) && PIX_MAC_PIXELS
  EXPECT_EQ(p, 0x44332211u);  // bytes A, R, G, B
#else
  EXPECT_EQ(p, 0x11223344u);  // bytes B, G, R, A
#endif
  EXPECT_EQ(IGraphicsPix::ToColor(p), c);
  const unsigned char* bytes = reinterpret_cast<const unsigned char*>(&p);
  EXPECT_EQ(bytes[PIX_BYTE_A], 0x11);
  EXPECT_EQ(bytes[PIX_BYTE_R], 0x22);
  EXPECT_EQ(bytes[PIX_BYTE_G], 0x33);
  EXPECT_EQ(bytes[PIX_BYTE_B], 0x44);
}

TEST(IPopupMenu, ItemsPrefixAndChoice)
{
  IPopupMenu menu;
  EXPECT_EQ(menu.GetChosenItemIdx(), -1);
  ASSERT_NE(menu.AddItem("One"), nullptr);
  ASSERT_NE(menu.AddSeparator(), nullptr);
  ASSERT_NE(menu.AddItem("A text far longer than thirty-one characters", IPopupMenu::kAppend,
                         IPopupMenuItem::kChecked | IPopupMenuItem::kDisabled),
            nullptr);
  EXPECT_EQ(menu.GetNItems(), 3);
  EXPECT_EQ(menu.GetItem(-1), nullptr);
  EXPECT_EQ(menu.GetItem(3), nullptr);
  EXPECT_TRUE(menu.GetItem(1)->GetIsSeparator());
  EXPECT_TRUE(menu.GetItem(2)->GetChecked());
  EXPECT_FALSE(menu.GetItem(2)->GetEnabled());
  EXPECT_EQ(strlen(menu.GetItem(2)->GetText()), 31u);

  // Refused: the menu keeps its items; what AddItem made is gone (the
  // sanitizer build sees a leak otherwise), what the caller made stays his.
  EXPECT_EQ(menu.AddItem("Two", 1), nullptr);
  EXPECT_EQ(menu.AddSeparator(0), nullptr);
  IPopupMenuItem own("Own");
  EXPECT_EQ(menu.AppendItem(&own, 2), &own);
  EXPECT_EQ(menu.GetNItems(), 3);

  menu.SetPrefix(IPopupMenu::kPrefixTwoDigits);
  menu.SetPrefix(4);
  EXPECT_EQ(menu.GetPrefix(), IPopupMenu::kPrefixTwoDigits);
}

TEST(Translation, VirtualKeys)
{
  struct Case {
    int virtualKey, keyCode;
  };
  const Case cases[] = {
      {32, kKeySpace}, {38, kKeyUp}, {40, kKeyDown}, {37, kKeyLeft}, {39, kKeyRight},
      {48, 5},         {57, 14},     {65, 15},       {90, 40},       {96, 5},    // keypad 0
      {105, 14},       {97, 6},      {106, -1},      {116, -1},      {122, -1},  // keypad *, F5, F11
      {13, -1},        {47, -1},     {58, -1},       {64, -1},       {91, -1},
  };
  for (const Case& c : cases) EXPECT_EQ(KeyCodeFromVirtualKey(c.virtualKey), c.keyCode) << c.virtualKey;
}

TEST(Translation, WheelModifiersAndMenuTitles)
{
  EXPECT_EQ(WheelSteps(120), 1);
  EXPECT_EQ(WheelSteps(60), 0);
  EXPECT_EQ(WheelSteps(-240), -2);
  EXPECT_EQ(WheelSteps(-119), 0);

  const IMouseModifiers m = ModifiersFromKeyState(kKeyStateRButton | kKeyStateControl, true);
  EXPECT_FALSE(m.L);
  EXPECT_TRUE(m.R);
  EXPECT_FALSE(m.S);
  EXPECT_TRUE(m.C);
  EXPECT_TRUE(m.A);
  EXPECT_TRUE(ModifiersFromKeyState(kKeyStateLButton | kKeyStateShift, false).S);

  IPopupMenu menu;
  menu.AddItem("Up");
  menu.AddItem("Down");
  char title[40];
  const char* expected[] = {"Down", "2: Down", "02: Down", "002: Down"};
  for (int mode = IPopupMenu::kPrefixNone; mode <= IPopupMenu::kPrefixThreeDigits; ++mode) {
    menu.SetPrefix(mode);
    ASSERT_TRUE(MenuItemTitle(menu, 1, title, sizeof title));
    EXPECT_STREQ(title, expected[mode]);
  }
  EXPECT_FALSE(MenuItemTitle(menu, 2, title, sizeof title));
}
