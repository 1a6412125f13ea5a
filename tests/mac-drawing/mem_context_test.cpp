#include <gtest/gtest.h>

#include <stdint.h>

#include <thread>
#include <vector>

#include "AppleTesting.h"
#include "MacDrawing.h"

namespace {

TEST(MemContext, IsATopDownQuartzContextOverAlignedZeroedPixels)
{
  ContextRecord* record = CreateMemContext(nullptr, 5, 3);
  ASSERT_NE(nullptr, record);
  CGContextRef cg = record->mContext;
  uint8_t* bits = (uint8_t*)GetContextBits(record);
  EXPECT_EQ(0u, (uintptr_t)bits % 64);
  EXPECT_LT(bits - (uint8_t*)record->mBuffer, 64);
  EXPECT_EQ(bits, CGBitmapContextGetData(cg));
  EXPECT_EQ(5u, CGBitmapContextGetWidth(cg));
  EXPECT_EQ(3u, CGBitmapContextGetHeight(cg));
  EXPECT_EQ(20u, CGBitmapContextGetBytesPerRow(cg));
  for (int i = 0; i < 5 * 3 * 4; ++i) ASSERT_EQ(0, bits[i]) << i;

  // Row 0 is the top row, as in a Windows DIB section.
  const std::vector<std::string> flip{"translate 0 3", "scale 1 -1"};
  EXPECT_EQ(flip, TestCGContextLog(cg));
  const CGAffineTransform ctm = CGContextGetCTM(cg);
  EXPECT_EQ(-1.0, ctm.d);
  EXPECT_EQ(3.0, ctm.ty);

  // The text colour starts black, and Quartz sees the pixels written.
  EXPECT_NE(nullptr, record->mTextColor);
  EXPECT_EQ(0u, record->mTextColorValue);
  SetContextTextColor(record, 0x12FF80);
  EXPECT_EQ(0x12FF80u, record->mTextColorValue);
  bits[20 * 2 + 4 * 4 + 1] = 0xAB;  // the red byte of the bottom-right pixel
  CGImageRef image = CGBitmapContextCreateImage(cg);
  EXPECT_EQ(0xAB, TestCGImagePixels(image)[5 * 3 * 4 - 3]);
  CGImageRelease(image);
  DeleteContext(record);
}

TEST(MemContext, FailsWithoutLeavingAnything)
{
  const long before = TestCGLiveObjects();
  const int kept = KeptContextRecords();
  EXPECT_EQ(nullptr, CreateMemContext(nullptr, 0, 10));
  EXPECT_EQ(nullptr, CreateMemContext(nullptr, 10, -1));
  EXPECT_EQ(nullptr, CreateMemContext(nullptr, INT32_MAX, INT32_MAX));
  TestCGFailContexts(1);
  EXPECT_EQ(nullptr, CreateMemContext(nullptr, 10, 10));
  EXPECT_EQ(before, TestCGLiveObjects());
  EXPECT_EQ(kept, KeptContextRecords());
}

TEST(MemContext, DeletedRecordsAreKeptForReuseUpToAHundred)
{
  const long before = TestCGLiveObjects();
  std::vector<ContextRecord*> records;
  for (int i = 0; i < 101; ++i) records.push_back(CreateMemContext(nullptr, 4, 4));
  for (ContextRecord* r : records) ASSERT_NE(nullptr, r);
  for (ContextRecord* r : records) DeleteContext(r);
  EXPECT_EQ(100, KeptContextRecords());
  EXPECT_EQ(before, TestCGLiveObjects());

  // A record is handed out again, cleared; deleting it twice does nothing.
  ContextRecord* again = CreateMemContext(nullptr, 8, 2);
  ASSERT_NE(nullptr, again);
  EXPECT_EQ(99, KeptContextRecords());
  EXPECT_FALSE(again->mFree);
  EXPECT_EQ(nullptr, again->mPen);
  DeleteContext(again);
  DeleteContext(again);
  EXPECT_EQ(100, KeptContextRecords());
}

TEST(MemContext, RecordsAreSharedSafelyBetweenThreads)
{
  std::vector<std::thread> threads;
  for (int t = 0; t < 4; ++t)
    threads.emplace_back([] {
      for (int i = 0; i < 500; ++i) {
        ContextRecord* a = AllocContextRecord();
        ContextRecord* b = AllocContextRecord();
        ASSERT_NE(nullptr, a);
        ASSERT_NE(nullptr, b);
        DeleteContext(a);
        DeleteContext(b);
      }
    });
  for (std::thread& t : threads) t.join();
  EXPECT_LE(KeptContextRecords(), 100);
}

TEST(StretchBlit, SourceIsCutToTheSourceAndTheDestinationInProportion)
{
  struct Case {
    StretchRects in;
    bool drawn;
    StretchRects out;
  };
  const Case cases[] = {
      // inside: unchanged
      {{0, 0, 20, 20, 0, 0, 10, 10}, true, {0, 0, 20, 20, 0, 0, 10, 10}},
      // a negative origin moves the destination by the scaled amount
      {{0, 0, 20, 20, -5, 0, 10, 10}, true, {10, 0, 10, 20, 0, 0, 5, 10}},
      // past the source's right and bottom edges
      {{0, 0, 20, 20, 12, 14, 10, 10}, true, {0, 0, 8, 4, 12, 14, 4, 2}},
      // nothing of the source left
      {{0, 0, 20, 20, 16, 0, 10, 10}, false, {}},
      {{0, 0, 0, 20, 0, 0, 10, 10}, false, {}},
  };
  for (const Case& c : cases) {
    StretchRects r = c.in;
    ASSERT_EQ(c.drawn, ClipStretchRects(&r, 16, 16)) << c.in.sx << "," << c.in.sy;
    if (!c.drawn) continue;
    EXPECT_EQ(c.out.x, r.x);
    EXPECT_EQ(c.out.y, r.y);
    EXPECT_EQ(c.out.w, r.w);
    EXPECT_EQ(c.out.h, r.h);
    EXPECT_EQ(c.out.sx, r.sx);
    EXPECT_EQ(c.out.sy, r.sy);
    EXPECT_EQ(c.out.sw, r.sw);
    EXPECT_EQ(c.out.sh, r.sh);
  }
}

}  // namespace
