#include <gtest/gtest.h>

#include <math.h>
#include <string.h>

#include <limits>
#include <string>

#include "IParam.h"

namespace {
std::string Display(const IParam& p, double value, bool normalized = false, bool texts = true)
{
  char buf[IParam::kDisplayLen];
  p.GetDisplayForHost(value, normalized, buf, texts);
  return buf;
}
const double kNaN = std::numeric_limits<double>::quiet_NaN();
}  // namespace

TEST(IParam, ConstructedState)
{
  IParam p;
  EXPECT_EQ(p.Type(), IParam::kTypeNone);
  EXPECT_FALSE(p.IsHostHidden());
  EXPECT_EQ(p.Value(), 0.0);
  EXPECT_EQ(p.GetMin(), 0.0);
  EXPECT_EQ(p.GetMax(), 1.0);
  EXPECT_EQ(p.GetStep(), 1.0);
  EXPECT_EQ(p.GetShape(), 1.0);
  EXPECT_EQ(p.GetPrecision(), 0);
  EXPECT_STREQ(p.GetNameForHost(), "");
  EXPECT_STREQ(p.GetLabelForHost(), "");
  EXPECT_FALSE(p.IsDisplayNegated());
  EXPECT_EQ(p.NDisplayTexts(), 0);
}

TEST(IParam, InitDoubleMaxIsAtLeastMinPlusStepUnlessBothZero)
{
  IParam a;
  a.InitDouble("a", 0.0, 0.0, 0.0, 1.0);
  EXPECT_EQ(a.GetMax(), 0.0);

  IParam b;
  b.InitDouble("b", 0.0, 0.0, 0.5, 1.0);
  EXPECT_EQ(b.GetMax(), 1.0);

  IParam c;
  c.InitDouble("c", 3.0, 2.0, 10.0, 0.5, "dB");
  EXPECT_EQ(c.Type(), IParam::kTypeDouble);
  EXPECT_EQ(c.Value(), 3.0);
  double lo = -1, hi = -1;
  c.GetBounds(&lo, &hi);
  EXPECT_EQ(lo, 2.0);
  EXPECT_EQ(hi, 10.0);
  EXPECT_STREQ(c.GetNameForHost(), "c");
  EXPECT_STREQ(c.GetLabelForHost(), "dB");
}

TEST(IParam, PrecisionFollowsTheStep)
{
  IParam a, b, c, d;
  a.InitDouble("a", 0, 0, 1, 0.01);
  b.InitDouble("b", 0, 0, 1, 1.0);
  c.InitDouble("c", 0, 0, 1, 1.0 / 3.0);
  d.InitDouble("d", 0, 0, 1, 0.5);
  EXPECT_EQ(a.GetPrecision(), 2);
  EXPECT_EQ(b.GetPrecision(), 0);
  EXPECT_EQ(c.GetPrecision(), 6);
  EXPECT_EQ(d.GetPrecision(), 1);
}

TEST(IParam, IntFrom0To10RoundsToTheStep)
{
  IParam p;
  p.InitInt("int", 0, 0, 10);
  EXPECT_EQ(p.Type(), IParam::kTypeInt);
  p.SetNormalized(0.44);
  EXPECT_EQ(p.Value(), 4.0);
  EXPECT_EQ(p.Int(), 4);
  p.SetNormalized(0.46);
  EXPECT_EQ(p.Value(), 5.0);
  p.SetNormalized(1.0);
  EXPECT_EQ(p.Value(), 10.0);
}

TEST(IParam, ShapeTwoFrom0To100)
{
  IParam p;
  p.InitDouble("shaped", 0.0, 0.0, 100.0, 0.01);
  p.SetShape(2.0);
  EXPECT_EQ(p.GetShape(), 2.0);
  p.SetNormalized(0.5);
  EXPECT_DOUBLE_EQ(p.Value(), 25.0);
  EXPECT_DOUBLE_EQ(p.GetNormalized(), 0.5);
  EXPECT_DOUBLE_EQ(p.ToNormalized(25.0), 0.5);
}

TEST(IParam, ShapeZeroIsIgnored)
{
  IParam p;
  p.SetShape(3.0);
  p.SetShape(0.0);
  EXPECT_EQ(p.GetShape(), 3.0);
}

TEST(IParam, SetNormalizedNeverRoundsADouble)
{
  IParam p;
  p.InitDouble("d", 0.0, 0.0, 10.0, 1.0);
  p.SetNormalized(0.44);
  EXPECT_DOUBLE_EQ(p.Value(), 4.4);
}

TEST(IParam, SetNormalizedAboveOneYieldsMax)
{
  IParam d, i, e;
  d.InitDouble("d", 0.0, -5.0, 5.0, 0.1);
  i.InitInt("i", 0, 3, 9);
  e.InitEnum("e", 0, 4);
  d.SetNormalized(1.2);
  i.SetNormalized(1.2);
  e.SetNormalized(1.2);
  EXPECT_EQ(d.Value(), 5.0);
  EXPECT_EQ(i.Value(), 9.0);
  EXPECT_EQ(e.Value(), 3.0);
}

TEST(IParam, SetNormalizedClampsBelowZeroAndNaN)
{
  IParam p;
  p.InitDouble("d", 0.0, -5.0, 5.0, 0.1);
  p.SetNormalized(-0.5);
  EXPECT_EQ(p.Value(), -5.0);
  p.Set(3.0);
  p.SetNormalized(kNaN);
  EXPECT_EQ(p.Value(), -5.0);

  IParam s;  // a shaped parameter would give NaN from a negative input
  s.InitDouble("s", 0.0, 0.0, 1.0, 0.01);
  s.SetShape(0.5);
  s.SetNormalized(-1.0);
  EXPECT_EQ(s.Value(), 0.0);
}

TEST(IParam, SetNormalizedRoundsFromZeroNotFromMin)
{
  IParam q;
  q.InitInt("q", 0, 0, 4);
  q.InitDouble("q", 0.0, 0.5, 10.5, 1.0);  // keeps type int
  EXPECT_EQ(q.Type(), IParam::kTypeInt);
  q.SetNormalized(0.0);
  EXPECT_EQ(q.Value(), 1.0);  // floor(0.5 + 0.5)
}

TEST(IParam, SetClamps)
{
  IParam p;
  p.InitDouble("d", 0.0, -1.0, 1.0, 0.01);
  p.Set(5.0);
  EXPECT_EQ(p.Value(), 1.0);
  p.Set(-5.0);
  EXPECT_EQ(p.Value(), -1.0);
  p.Set(0.25);
  EXPECT_EQ(p.Value(), 0.25);
  p.Set(kNaN);
  EXPECT_EQ(p.Value(), -1.0);
}

TEST(IParam, ToNormalizedClamps)
{
  IParam p;
  p.InitDouble("d", 0.0, 0.0, 10.0, 0.1);
  EXPECT_EQ(p.ToNormalized(-3.0), 0.0);
  EXPECT_EQ(p.ToNormalized(30.0), 1.0);
  EXPECT_EQ(p.ToNormalized(kNaN), 0.0);
  EXPECT_DOUBLE_EQ(p.ToNormalized(2.5), 0.25);
}

TEST(IParam, EqualMinAndMaxNormaliseToZero)
{
  IParam p;
  p.InitDouble("d", 0.0, 0.0, 0.0, 1.0);
  EXPECT_EQ(p.GetNormalized(), 0.0);
  EXPECT_EQ(p.ToNormalized(0.0), 0.0);
  EXPECT_EQ(p.ToNormalized(5.0), 0.0);
  p.SetNormalized(0.7);
  EXPECT_EQ(p.Value(), 0.0);
}

TEST(IParam, BoolAndInt)
{
  IParam p;
  p.InitDouble("d", 0.0, -10.0, 10.0, 0.1);
  p.Set(0.5);
  EXPECT_TRUE(p.Bool());
  p.Set(0.49);
  EXPECT_FALSE(p.Bool());
  p.Set(-2.7);
  EXPECT_EQ(p.Int(), -2);
  p.Set(2.7);
  EXPECT_EQ(p.Int(), 2);
}

TEST(IParam, InitBool)
{
  IParam p;
  p.InitBool("Hold", true);
  EXPECT_EQ(p.Type(), IParam::kTypeBool);
  EXPECT_EQ(p.Value(), 1.0);
  EXPECT_EQ(p.GetMin(), 0.0);
  EXPECT_EQ(p.GetMax(), 1.0);
  EXPECT_EQ(p.NDisplayTexts(), 2);
  EXPECT_STREQ(p.GetDisplayText(0), "off");
  EXPECT_STREQ(p.GetDisplayText(1), "on");
  EXPECT_EQ(Display(p, 1.0), "on");
  EXPECT_EQ(Display(p, 0.0, true), "off");
}

TEST(IParam, InitBoolOfAnEnumKeepsTheEnumButAddsTheTexts)
{
  IParam p;
  p.InitEnum("e", 0, 3);
  p.InitBool("e", false);
  EXPECT_EQ(p.Type(), IParam::kTypeEnum);
  EXPECT_STREQ(p.GetDisplayText(0), "off");
  EXPECT_STREQ(p.GetDisplayText(1), "on");
}

TEST(IParam, InitEnum)
{
  IParam p;
  p.InitEnum("Direction", 1, 4);
  EXPECT_EQ(p.Type(), IParam::kTypeEnum);
  EXPECT_EQ(p.Value(), 1.0);
  EXPECT_EQ(p.GetMax(), 3.0);
  EXPECT_STREQ(p.GetLabelForHost(), "");
  EXPECT_EQ(p.NDisplayTexts(), 0);
}

TEST(IParam, DisplayTexts)
{
  IParam p;
  p.InitEnum("Direction", 0, 4);
  p.SetDisplayText(0, "Up");
  p.SetDisplayText(1, "Down");
  p.SetDisplayText(2, "");
  p.SetDisplayText(1, "Again");
  EXPECT_EQ(p.NDisplayTexts(), 4);
  EXPECT_STREQ(p.GetDisplayText(1), "Down");  // the first with the value
  EXPECT_STREQ(p.GetDisplayText(7), "");
  int v = -1;
  EXPECT_STREQ(p.GetDisplayTextAtIdx(3, &v), "Again");
  EXPECT_EQ(v, 1);
  EXPECT_STREQ(p.GetDisplayTextAtIdx(4), "");

  EXPECT_TRUE(p.MapDisplayText("Down", &v));
  EXPECT_EQ(v, 1);
  v = 42;
  EXPECT_FALSE(p.MapDisplayText("down", &v));  // case-sensitive
  EXPECT_EQ(v, 42);
  EXPECT_TRUE(p.MapDisplayText("Again", &v));
  EXPECT_EQ(v, 1);
}

TEST(IParam, DisplayOfAnEnumTruncatesAndFallsBackToTheNumber)
{
  IParam p;
  p.InitEnum("Direction", 0, 4);
  p.SetDisplayText(0, "Up");
  p.SetDisplayText(1, "Down");
  p.SetDisplayText(2, "");
  EXPECT_EQ(Display(p, 1.7), "Down");
  EXPECT_EQ(Display(p, 3.0), "3");                // no matching text
  EXPECT_EQ(Display(p, 2.0), "2");                // a matching but empty text
  EXPECT_EQ(Display(p, 1.0, false, false), "1");  // texts not wanted
  EXPECT_EQ(Display(p, 0.4, true), "Down");       // normalised: 1.2 of 0..3
}

TEST(IParam, DisplayWithPrecisionAndNegation)
{
  IParam p;
  p.InitDouble("Swing", 0.0, -1.0, 1.0, 0.01);
  EXPECT_EQ(Display(p, 0.5), "0.50");
  p.SetDisplayNegated(true);
  EXPECT_EQ(Display(p, 0.5), "-0.50");
  p.Set(0.25);
  char buf[IParam::kDisplayLen];
  p.GetDisplayForHost(buf);
  EXPECT_STREQ(buf, "-0.25");
}

TEST(IParam, DisplayOfANormalisedValueIsNotRounded)
{
  IParam p;
  p.InitInt("i", 0, 0, 10);
  EXPECT_EQ(Display(p, 0.44, true), "4");  // 4.4 truncated
  IParam d;
  d.InitDouble("d", 0, 0, 100, 0.1);
  d.SetShape(2.0);
  EXPECT_EQ(Display(d, 0.5, true), "25.0");
}

TEST(IParam, DisplayIsBounded)
{
  IParam p;
  p.InitDouble("big", 0.0, 0.0, 1e300, 0.000001);
  char buf[12];
  memset(buf, 'x', sizeof(buf));
  p.GetDisplayForHost(1e300, false, buf, true, 8);
  EXPECT_EQ(strlen(buf), 7u);
  EXPECT_EQ(buf[8], 'x');

  IParam t;
  t.InitEnum("t", 0, 2);
  t.SetDisplayText(0, "a rather long display text here");
  t.GetDisplayForHost(0.0, false, buf, true, 5);
  EXPECT_STREQ(buf, "a ra");

  IParam i;
  i.InitInt("i", 0, 0, 10);
  i.GetDisplayForHost(1e20, false, buf, true, sizeof(buf));  // beyond int: no overflow
  EXPECT_STREQ(buf, "2147483647");
}

TEST(IParam, LongNamesAreKeptWholeAndLongerOnesCut)
{
  const char* name = "Reset note list on pattern reset";
  ASSERT_EQ(strlen(name), 32u);
  IParam p;
  p.InitBool(name, false);
  EXPECT_STREQ(p.GetNameForHost(), name);

  std::string longName(200, 'n');
  std::string longLabel(200, 'l');
  IParam q;
  q.InitDouble(longName.c_str(), 0, 0, 1, 0.1, longLabel.c_str());
  EXPECT_EQ(strlen(q.GetNameForHost()), (size_t)IParam::kNameLen - 1);
  EXPECT_EQ(strlen(q.GetLabelForHost()), (size_t)IParam::kLabelLen - 1);
  q.SetDisplayText(0, longName.c_str());
  EXPECT_EQ(strlen(q.GetDisplayText(0)), (size_t)IParam::kDisplayTextLen - 1);
}

TEST(IParam, HostHidden)
{
  IParam p;
  p.SetHostHidden(true);
  EXPECT_TRUE(p.IsHostHidden());
  p.SetHostHidden(false);
  EXPECT_FALSE(p.IsHostHidden());
}

TEST(IParam, ManyDisplayTexts)
{
  IParam p;
  p.InitEnum("scale", 0, 40);
  for (int i = 0; i < 400; ++i) {
    char t[16];
    snprintf(t, sizeof(t), "s%d", i);
    p.SetDisplayText(i, t);
  }
  EXPECT_EQ(p.NDisplayTexts(), 400);
  EXPECT_STREQ(p.GetDisplayText(0), "s0");
  EXPECT_STREQ(p.GetDisplayText(399), "s399");
}
