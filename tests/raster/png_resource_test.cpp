#include <gtest/gtest.h>

#include <windows.h>

#include "PIX_MemBitmap.h"
#include "PIX_PNG.h"
#include "png_resource_ids.h"
#include "raster_test_util.h"

namespace {
void* ThisModule() { return GetModuleHandleA(nullptr); }
}  // namespace

TEST(PNGResource, LoadsAnImageResource)
{
  PIX_IBitmap* bm = PIX_LoadPNGFromResource(ThisModule(), kResourceImage, nullptr);
  ASSERT_NE(nullptr, bm);
  EXPECT_EQ(32, bm->GetWidth());
  EXPECT_EQ(32, bm->GetHeight());
  delete bm;

  PIX_MemBitmap given(581, 2);
  EXPECT_EQ(&given, PIX_LoadPNGFromResource(ThisModule(), kResourceImage, &given));
  EXPECT_EQ(32, given.GetWidth());
}

TEST(PNGResource, ShortDamagedOrMissingResourcesGiveNull)
{
  EXPECT_EQ(nullptr, PIX_LoadPNGFromResource(ThisModule(), kResourceSevenBytes, nullptr));
  EXPECT_EQ(nullptr, PIX_LoadPNGFromResource(ThisModule(), kResourceBadCRC, nullptr));
  EXPECT_EQ(nullptr, PIX_LoadPNGFromResource(ThisModule(), kResourceMissing, nullptr));
  PIX_MemBitmap given(3, 3);
  EXPECT_EQ(nullptr, PIX_LoadPNGFromResource(ThisModule(), kResourceBadCRC, &given));
  if (given.GetWidth() > 0 && given.GetHeight() > 0) {
    ASSERT_NE(nullptr, given.GetBits());
  }
}
