#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "PIX_MemBitmap.h"
#include "PIX_PNG.h"
#include "png_resource_ids.h"
#include "png_samples.h"
#include "raster_test_util.h"

namespace {

void* ThisModule() { return GetModuleHandleA(nullptr); }

// The resources hold two of the sample images.
class PNGResourceSamples : public PNGSamples {};

}  // namespace

// The resource decodes to the same pixels as the file it was compiled from.
TEST_F(PNGResourceSamples, LoadsAnImageResource)
{
  PIX_IBitmap* file = PIX_LoadPNG(SamplePath("pngsuite/basn6a08.png").c_str(), nullptr);
  ASSERT_NE(nullptr, file);
  PIX_IBitmap* bm = PIX_LoadPNGFromResource(ThisModule(), kResourceImage, nullptr);
  ASSERT_NE(nullptr, bm);
  EXPECT_EQ(32, bm->GetWidth());
  EXPECT_EQ(32, bm->GetHeight());
  EXPECT_EQ(Snapshot(*file), Snapshot(*bm));
  delete bm;

  PIX_MemBitmap given(581, 2);
  EXPECT_EQ(&given, PIX_LoadPNGFromResource(ThisModule(), kResourceImage, &given));
  EXPECT_EQ(32, given.GetWidth());
  EXPECT_EQ(Snapshot(*file), Snapshot(given));
  delete file;
}

TEST_F(PNGResourceSamples, ShortDamagedOrMissingResourcesGiveNull)
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
