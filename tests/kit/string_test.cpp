#include <gtest/gtest.h>

#include <string>

#include "KIT_String.h"

TEST(String, EmptyStringGetsEmptyTextNeverNull)
{
  KIT_String s;
  ASSERT_NE(s.Get(), nullptr);
  EXPECT_STREQ(s.Get(), "");
  EXPECT_EQ(s.GetLength(), 0);
  EXPECT_EQ(s.m_hb.GetSize(), 0);
}

TEST(String, SetOfEmptyTextOnEmptyStringAllocatesNothing)
{
  KIT_String s;
  s.Set("");
  EXPECT_EQ(s.m_hb.GetAlloc(), 0);
  EXPECT_EQ(s.m_hb.GetSize(), 0);
  EXPECT_STREQ(s.Get(), "");

  KIT_String t("");
  EXPECT_EQ(t.m_hb.GetAlloc(), 0);
  KIT_String n(nullptr);
  EXPECT_STREQ(n.Get(), "");
}

TEST(String, SetAndGet)
{
  KIT_String s("hello");
  EXPECT_STREQ(s.Get(), "hello");
  EXPECT_EQ(s.GetLength(), 5);
  EXPECT_EQ(s.m_hb.GetSize(), 6);
  EXPECT_EQ(s.m_hb.GetGranul(), 128);
  s.Set("hi");
  EXPECT_STREQ(s.Get(), "hi");
  EXPECT_EQ(s.GetLength(), 2);
  s.Set("");
  EXPECT_STREQ(s.Get(), "");
  EXPECT_EQ(s.GetLength(), 0);
}

TEST(String, SetWithMaxlen)
{
  KIT_String s("abcdef", 3);
  EXPECT_STREQ(s.Get(), "abc");
  s.Set("ab\0cd", 5);  // a NUL ends the text early
  EXPECT_STREQ(s.Get(), "ab");
  EXPECT_EQ(s.GetLength(), 2);
  s.Set("xyz", 10);
  EXPECT_STREQ(s.Get(), "xyz");
}

TEST(String, Append)
{
  KIT_String s;
  s.Append("abc");
  EXPECT_STREQ(s.Get(), "abc");
  s.Append("defgh", 2);
  EXPECT_STREQ(s.Get(), "abcde");
  s.Append("");
  EXPECT_STREQ(s.Get(), "abcde");
  EXPECT_EQ(s.GetLength(), 5);
  std::string big(1000, 'x');
  s.Append(big.c_str());
  EXPECT_EQ(s.GetLength(), 1005);
  EXPECT_EQ(std::string(s.Get()), "abcde" + big);
}

TEST(String, AppendAndSetFromItself)
{
  KIT_String s("abc");
  for (int i = 0; i < 10; ++i) s.Append(s.Get());  // grows and moves
  EXPECT_EQ(s.GetLength(), 3 * 1024);
  EXPECT_EQ(std::string(s.Get(), 6), "abcabc");
  s.Set(s.Get() + 1, 4);
  EXPECT_STREQ(s.Get(), "bcab");
}

TEST(String, SetLenCuts)
{
  KIT_String s("abcdef");
  s.SetLen(10);
  EXPECT_STREQ(s.Get(), "abcdef");
  s.SetLen(3);
  EXPECT_STREQ(s.Get(), "abc");
  EXPECT_EQ(s.GetLength(), 3);
  s.SetLen(0);
  EXPECT_STREQ(s.Get(), "");
}

TEST(String, DeleteSub)
{
  KIT_String s("abcdef");
  s.DeleteSub(1, 2);
  EXPECT_STREQ(s.Get(), "adef");
  s.DeleteSub(2, 100);  // clipped to the end
  EXPECT_STREQ(s.Get(), "ad");
  EXPECT_EQ(s.GetLength(), 2);
  s.DeleteSub(2, 1);  // at the end: nothing
  s.DeleteSub(-1, 1);
  EXPECT_STREQ(s.Get(), "ad");
  s.DeleteSub(0, 2);
  EXPECT_STREQ(s.Get(), "");
  EXPECT_EQ(s.GetLength(), 0);
  KIT_String e;
  e.DeleteSub(0, 1);
  EXPECT_STREQ(e.Get(), "");
}

TEST(String, Copy)
{
  KIT_String a("one");
  KIT_String b(a);
  EXPECT_STREQ(b.Get(), "one");
  KIT_String c;
  c = a;
  a.Set("two");
  EXPECT_STREQ(c.Get(), "one");
  c = c;
  EXPECT_STREQ(c.Get(), "one");
}
