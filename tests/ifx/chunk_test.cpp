#include <gtest/gtest.h>

#include <limits.h>
#include <math.h>
#include <string.h>

#include <vector>

#include "IChunk.h"

namespace {
std::vector<unsigned char> Bytes(const IChunk& c)
{
  const unsigned char* p = c.GetBytes();
  return p ? std::vector<unsigned char>(p, p + c.Size()) : std::vector<unsigned char>();
}
typedef std::vector<unsigned char> B;
}  // namespace

TEST(IChunk, StartsEmpty)
{
  IChunk c;
  EXPECT_EQ(c.Size(), 0);
  EXPECT_EQ(c.GetBytes(), nullptr);
  int v = 0;
  EXPECT_EQ(c.GetInt(&v, 0), -1);
}

TEST(IChunk, IntsAreLittleEndian)
{
  IChunk c;
  EXPECT_EQ(c.PutInt(0x12345678), 4);
  EXPECT_EQ(c.PutInt(-2), 8);
  EXPECT_EQ(Bytes(c), B({0x78, 0x56, 0x34, 0x12, 0xFE, 0xFF, 0xFF, 0xFF}));
  int a = 0, b = 0;
  EXPECT_EQ(c.GetInt(&a, 0), 4);
  EXPECT_EQ(c.GetInt(&b, 4), 8);
  EXPECT_EQ(a, 0x12345678);
  EXPECT_EQ(b, -2);
}

TEST(IChunk, DoublesAreLittleEndianIEEE)
{
  IChunk c;
  EXPECT_EQ(c.PutDouble(1.0), 8);
  EXPECT_EQ(Bytes(c), B({0, 0, 0, 0, 0, 0, 0xF0, 0x3F}));
  c.PutDouble(-0.1);
  c.PutDouble(INFINITY);
  double a = 0, b = 0, d = 0;
  int pos = c.GetDouble(&a, 0);
  pos = c.GetDouble(&b, pos);
  pos = c.GetDouble(&d, pos);
  EXPECT_EQ(pos, 24);
  EXPECT_EQ(a, 1.0);
  EXPECT_EQ(b, -0.1);
  EXPECT_EQ(d, INFINITY);
}

TEST(IChunk, UnalignedValues)
{
  IChunk c;
  c.PutBool(true);
  c.PutDouble(3.25);
  c.PutInt(77);
  c.PutBool(false);
  c.PutBool(true);
  EXPECT_EQ(c.Size(), 15);
  bool b1 = false, b2 = true, b3 = false;
  double d = 0;
  int i = 0;
  int pos = c.GetBool(&b1, 0);
  pos = c.GetDouble(&d, pos);
  pos = c.GetInt(&i, pos);
  pos = c.GetBool(&b2, pos);
  pos = c.GetBool(&b3, pos);
  EXPECT_EQ(pos, 15);
  EXPECT_TRUE(b1);
  EXPECT_EQ(d, 3.25);
  EXPECT_EQ(i, 77);
  EXPECT_FALSE(b2);
  EXPECT_TRUE(b3);
  EXPECT_EQ(c.GetBytes()[0], 1);
  EXPECT_EQ(c.GetBytes()[13], 0);
}

TEST(IChunk, AnyNonzeroByteReadsAsTrue)
{
  IChunk c;
  const unsigned char x = 0x80;
  c.PutBytes(&x, 1);
  bool b = false;
  EXPECT_EQ(c.GetBool(&b, 0), 1);
  EXPECT_TRUE(b);
}

TEST(IChunk, ReadsPastTheEndFailAndLeaveTheValue)
{
  IChunk c;
  for (int i = 0; i < 4; ++i) c.PutInt(i);  // 16 bytes
  int v = 99;
  EXPECT_EQ(c.GetInt(&v, c.Size() - 3), -1);
  EXPECT_EQ(v, 99);
  EXPECT_EQ(c.GetInt(&v, c.Size() - 4), c.Size());
  EXPECT_EQ(v, 3);

  double d = 5.0;
  EXPECT_EQ(c.GetDouble(&d, 9), -1);
  EXPECT_EQ(d, 5.0);
  EXPECT_EQ(c.GetDouble(&d, 8), 16);

  bool b = true;
  EXPECT_EQ(c.GetBool(&b, 16), -1);
  EXPECT_TRUE(b);
}

TEST(IChunk, NegativePositionsFailAtOnce)
{
  IChunk c;
  c.PutInt(1);
  c.PutStr("abc");
  int v = 7;
  double d = 7;
  bool b = false;
  KIT_String s("keep");
  EXPECT_EQ(c.GetInt(&v, -1), -1);
  EXPECT_EQ(c.GetDouble(&d, -1), -1);
  EXPECT_EQ(c.GetBool(&b, -1), -1);
  EXPECT_EQ(c.GetStr(&s, -1), -1);
  EXPECT_EQ(v, 7);
  EXPECT_EQ(d, 7);
  EXPECT_FALSE(b);
  EXPECT_STREQ(s.Get(), "keep");
}

TEST(IChunk, PositionsNearTheTopOfTheIntRangeFail)
{
  IChunk c;
  c.PutInt(1);
  int v = 0;
  EXPECT_EQ(c.GetInt(&v, INT_MAX), -1);
  EXPECT_EQ(c.GetInt(&v, INT_MAX - 2), -1);
}

TEST(IChunk, PutStrAndGetStr)
{
  IChunk c;
  EXPECT_EQ(c.PutStr("abc"), 7);
  EXPECT_EQ(Bytes(c), B({0x03, 0, 0, 0, 0x61, 0x62, 0x63}));
  KIT_String s;
  EXPECT_EQ(c.GetStr(&s, 0), 7);
  EXPECT_STREQ(s.Get(), "abc");

  c.PutStr("");
  EXPECT_EQ(c.Size(), 11);
  c.PutStr(nullptr);
  EXPECT_EQ(c.Size(), 15);
}

TEST(IChunk, GetStrOfLengthZeroLeavesTheString)
{
  IChunk c;
  c.PutStr("");
  KIT_String s("before");
  EXPECT_EQ(c.GetStr(&s, 0), 4);
  EXPECT_STREQ(s.Get(), "before");
}

TEST(IChunk, GetStrStopsAtAnEmbeddedNul)
{
  IChunk c;
  c.PutInt(5);
  const char raw[5] = {'a', 'b', 0, 'c', 'd'};
  c.PutBytes(raw, 5);
  KIT_String s;
  EXPECT_EQ(c.GetStr(&s, 0), 9);
  EXPECT_STREQ(s.Get(), "ab");
}

TEST(IChunk, GetStrPastTheEndFails)
{
  IChunk c;
  c.PutInt(10);
  c.PutBytes("abc", 3);
  KIT_String s("keep");
  EXPECT_EQ(c.GetStr(&s, 0), -1);
  EXPECT_STREQ(s.Get(), "keep");

  IChunk big;  // an end beyond 32 bits
  big.PutInt(INT_MAX);
  big.PutBytes("abc", 3);
  EXPECT_EQ(big.GetStr(&s, 0), -1);

  IChunk shortLen;  // not even a length
  shortLen.PutBytes("ab", 2);
  EXPECT_EQ(shortLen.GetStr(&s, 0), -1);
  EXPECT_STREQ(s.Get(), "keep");
}

TEST(IChunk, GetStrOfANegativeLengthFails)
{
  IChunk c;
  c.PutInt(8);  // something before, so a backwards step would land inside
  c.PutInt(-4);
  c.PutBytes("abcdefgh", 8);
  KIT_String s("keep");
  EXPECT_EQ(c.GetStr(&s, 4), -1);
  EXPECT_STREQ(s.Get(), "keep");
}

TEST(IChunk, PutChunk)
{
  IChunk a, b;
  a.PutInt(1);
  b.PutStr("xy");
  EXPECT_EQ(a.PutChunk(&b), 10);
  EXPECT_EQ(Bytes(a), B({1, 0, 0, 0, 2, 0, 0, 0, 'x', 'y'}));
  IChunk empty;
  EXPECT_EQ(a.PutChunk(&empty), 10);
  EXPECT_EQ(a.PutChunk(&a), 20);
  EXPECT_EQ(Bytes(a), B({1, 0, 0, 0, 2, 0, 0, 0, 'x', 'y', 1, 0, 0, 0, 2, 0, 0, 0, 'x', 'y'}));
}

TEST(IChunk, ClearAndResize)
{
  IChunk c;
  c.PutInt(-1);
  c.PutInt(-1);
  EXPECT_EQ(c.Resize(4), 8);
  EXPECT_EQ(c.Size(), 4);
  EXPECT_EQ(c.Resize(10), 4);
  EXPECT_EQ(Bytes(c), B({0xFF, 0xFF, 0xFF, 0xFF, 0, 0, 0, 0, 0, 0}));
  c.Clear();
  EXPECT_EQ(c.Size(), 0);
  EXPECT_EQ(c.GetBytes(), nullptr);
  // grown again after a clear: the new bytes are zero, not the old ones
  c.Resize(8);
  EXPECT_EQ(Bytes(c), B(8, 0));
}

TEST(IChunk, ManyValues)
{
  IChunk c;
  const int n = 391;
  for (int i = 0; i < n; ++i) c.PutDouble(i * 0.5);
  EXPECT_EQ(c.Size(), 8 * n);
  int pos = 0;
  for (int i = 0; i < n && pos >= 0; ++i) {
    double d = -1;
    pos = c.GetDouble(&d, pos);
    ASSERT_EQ(d, i * 0.5);
  }
  EXPECT_EQ(pos, 8 * n);
}

TEST(IChunkHeader, WritesTheMagicAndTheVersion)
{
  IChunk c;
  c.PutStr("old contents");
  PutIFxChunkHeader(&c);
  EXPECT_EQ(Bytes(c), B({0x74, 0x66, 0x66, 0x70, 0x00, 0x00, 0x01, 0x00}));
  int pos = 0;
  EXPECT_EQ(GetIFxChunkHeader(&c, &pos), 0x00010000);
  EXPECT_EQ(pos, kIFxChunkHeaderSize);
}

TEST(IChunkHeader, WithoutTheMagicTheDataHasNoHeader)
{
  IChunk c;
  c.PutInt(0x12345678);
  c.PutInt(0x00010000);
  int pos = 0;
  EXPECT_EQ(GetIFxChunkHeader(&c, &pos), 0);
  EXPECT_EQ(pos, 0);

  IChunk tiny;
  tiny.PutBool(true);
  EXPECT_EQ(GetIFxChunkHeader(&tiny, &pos), 0);
  EXPECT_EQ(pos, 0);
}

TEST(IChunkHeader, TheMagicWithoutAVersionFails)
{
  IChunk c;
  c.PutInt(kIFxChunkMagic);
  c.PutBool(false);
  int pos = 0;
  EXPECT_EQ(GetIFxChunkHeader(&c, &pos), 0);
  EXPECT_EQ(pos, -1);
}

TEST(IChunkHeader, ReadAtAPosition)
{
  IChunk c;
  c.PutInt(0);
  c.PutInt(kIFxChunkMagic);
  c.PutInt(7);
  int pos = 4;
  EXPECT_EQ(GetIFxChunkHeader(&c, &pos), 7);
  EXPECT_EQ(pos, 12);
}
