#include <gtest/gtest.h>

#include "KIT_HeapBuf.h"
#include "KIT_TypedBuf.h"

TEST(HeapBuf, StartsEmptyWithNoAllocation)
{
  KIT_HeapBuf hb(128);
  EXPECT_EQ(hb.Get(), nullptr);
  EXPECT_EQ(hb.GetSize(), 0);
  EXPECT_EQ(hb.GetAlloc(), 0);
}

TEST(HeapBuf, Granularity128GrowsByHalfAndShrinksWhenFarBelowHalf)
{
  KIT_HeapBuf hb(128);
  ASSERT_NE(hb.Resize(10000), nullptr);
  EXPECT_EQ(hb.GetSize(), 10000);
  EXPECT_EQ(hb.GetAlloc(), 15000);

  hb.Resize(8000);  // not below half of 15,000: the allocation stays
  EXPECT_EQ(hb.GetSize(), 8000);
  EXPECT_EQ(hb.GetAlloc(), 15000);

  hb.Resize(1000);
  EXPECT_EQ(hb.GetSize(), 1000);
  EXPECT_EQ(hb.GetAlloc(), 1500);
}

TEST(HeapBuf, ShrinkDirectlyFrom10000To1000)
{
  KIT_HeapBuf hb(128);
  hb.Resize(10000);
  hb.Resize(1000);
  EXPECT_EQ(hb.GetAlloc(), 1500);
}

TEST(HeapBuf, NoShrinkWithoutTheFlag)
{
  KIT_HeapBuf hb(128);
  hb.Resize(10000);
  hb.Resize(1000, false);
  EXPECT_EQ(hb.GetSize(), 1000);
  EXPECT_EQ(hb.GetAlloc(), 15000);
}

TEST(HeapBuf, ResizeToTheCurrentSizeChangesNothing)
{
  KIT_HeapBuf hb(128);
  void* p = hb.Resize(10000);
  EXPECT_EQ(hb.Resize(10000, true), p);
  EXPECT_EQ(hb.GetSize(), 10000);
  EXPECT_EQ(hb.GetAlloc(), 15000);
}

TEST(HeapBuf, Granularity128Of8BytesAllocates136)
{
  KIT_HeapBuf hb(128);
  hb.Resize(8);
  EXPECT_EQ(hb.GetAlloc(), 136);
}

TEST(HeapBuf, Granularity4096FillsWholePagesLessTheHeader)
{
  KIT_HeapBuf a(4096);
  a.Resize(8);
  EXPECT_EQ(a.GetAlloc(), 4000);

  KIT_HeapBuf b(4096);
  b.Resize(5000);
  EXPECT_EQ(b.GetAlloc(), 8096);

  KIT_HeapBuf c(4096);
  c.Resize(10000);
  EXPECT_EQ(c.GetAlloc(), 12192);
}

TEST(HeapBuf, Granularity4096Of10000BytesNeverShrinks)
{
  KIT_HeapBuf hb(4096);
  hb.Resize(10000);
  ASSERT_EQ(hb.GetAlloc(), 12192);
  hb.Resize(10);
  EXPECT_EQ(hb.GetSize(), 10);
  EXPECT_EQ(hb.GetAlloc(), 12192);
}

TEST(HeapBuf, Granularity4096StepIsCappedAtFourMegabytes)
{
  KIT_HeapBuf hb(4096);
  hb.Resize(20000000);
  // half of the size is 10,000,000, capped at 4,194,304
  EXPECT_EQ(hb.GetAlloc(), ((20000000 + 4194304 + 96) / 4096) * 4096 - 96);
}

TEST(HeapBuf, GetIsNullAtSizeZeroEvenWithMemory)
{
  KIT_HeapBuf hb(128);
  hb.Resize(100);
  ASSERT_NE(hb.Get(), nullptr);
  hb.Resize(0, false);
  EXPECT_EQ(hb.Get(), nullptr);
  EXPECT_EQ(hb.GetAlloc(), 228);
  EXPECT_NE(hb.m_buf, nullptr);
}

TEST(HeapBuf, ContentsSurviveGrowth)
{
  KIT_HeapBuf hb(32);
  unsigned char* p = (unsigned char*)hb.Resize(40);
  for (int i = 0; i < 40; ++i) p[i] = (unsigned char)i;
  p = (unsigned char*)hb.Resize(100000);
  for (int i = 0; i < 40; ++i) ASSERT_EQ(p[i], i);
  p = (unsigned char*)hb.Resize(20);
  for (int i = 0; i < 20; ++i) ASSERT_EQ(p[i], i);
}

TEST(HeapBuf, LeastAllocation)
{
  KIT_HeapBuf hb(128);
  hb.SetMinAllocSize(1000);
  hb.Resize(8);
  EXPECT_EQ(hb.GetAlloc(), 1000);
}

TEST(HeapBuf, SetGranulAppliesToLaterGrowth)
{
  KIT_HeapBuf hb(128);
  hb.SetGranul(4096);
  EXPECT_EQ(hb.GetGranul(), 4096);
  hb.Resize(8);
  EXPECT_EQ(hb.GetAlloc(), 4000);
}

TEST(HeapBuf, RefusesSizesItCannotHold)
{
  KIT_HeapBuf hb(128);
  void* p = hb.Resize(64);
  // half as much again would not fit in 32 bits: nothing changes
  EXPECT_EQ(hb.Resize(2000000000), p);
  EXPECT_EQ(hb.GetSize(), 64);
  EXPECT_EQ(hb.GetAlloc(), 192);
  EXPECT_EQ(hb.Resize(-1), p);
  EXPECT_EQ(hb.GetSize(), 64);
}

TEST(TypedBuf, CountsElements)
{
  KIT_TypedBuf<double> tb;
  EXPECT_EQ(tb.Get(), nullptr);
  EXPECT_EQ(tb.GetSize(), 0);
  double* d = tb.Resize(10);
  ASSERT_NE(d, nullptr);
  EXPECT_EQ(tb.GetSize(), 10);
  EXPECT_EQ(tb.m_hb.GetSize(), 80);
  for (int i = 0; i < 10; ++i) d[i] = i * 0.5;
  d = tb.Resize(1000);
  EXPECT_EQ(d[9], 4.5);
  tb.Resize(0);
  EXPECT_EQ(tb.Get(), nullptr);
}

TEST(TypedBuf, RoundsPartialElementsDown)
{
  KIT_TypedBuf<int> tb;
  tb.m_hb.Resize(10);
  EXPECT_EQ(tb.GetSize(), 2);
}

TEST(TypedBuf, RefusesCountsPastThirtyTwoBits)
{
  KIT_TypedBuf<double> tb;
  tb.Resize(4);
  tb.Resize(1 << 29);  // 4 GB
  EXPECT_EQ(tb.GetSize(), 4);
  tb.Resize(-1);
  EXPECT_EQ(tb.GetSize(), 4);
}

struct Rec {
  int a;
  char text[32];
};

TEST(TypedBuf, HoldsRecords)
{
  KIT_TypedBuf<Rec> tb(4096);
  Rec* r = tb.Resize(3);
  ASSERT_EQ(tb.GetSize(), 3);
  r[2].a = 7;
  strcpy(r[2].text, "seven");
  r = tb.Resize(300);
  EXPECT_EQ(r[2].a, 7);
  EXPECT_STREQ(r[2].text, "seven");
}
