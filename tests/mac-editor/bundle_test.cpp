#include <gtest/gtest.h>
#include <stdio.h>
#include <sys/stat.h>

#include <memory>
#include <string>

#include "AppleTesting.h"
#include "IGraphicsMac.h"
#include "IGraphicsMacBundle.h"
#include "PIX_MemBitmap.h"
#include "PIX_PNGWrite.h"

namespace {

const char* const kBundleID = "com.Ulvas Orvanne.audiounit.Tolvo";

// A bundle folder of the test's own: Contents/Resources holds a PNG and
// a text longer than the back end reads.
class BundleTest : public testing::Test {
protected:
  void SetUp() override
  {
    const std::string root = std::string(MAC_EDITOR_TEMP_DIR) + "/Plug-Ins";
    mFolder = root + "/Tolvo.component";
    const std::string resources = mFolder + "/Contents/Resources";
    for (const std::string& dir : {root, mFolder, mFolder + "/Contents", resources}) mkdir(dir.c_str(), 0755);
    PIX_MemBitmap image(3, 2);
    ASSERT_TRUE(PIX_SavePNG(&image, (resources + "/knob.png").c_str()));
    FILE* text = fopen((resources + "/skin.txt").c_str(), "w");
    ASSERT_NE(nullptr, text);
    mText.assign(5000, 'x');
    for (size_t i = 0; i < mText.size(); i += 50) mText[i] = '\n';
    fputs(mText.c_str(), text);
    fclose(text);
    TestCFRegisterBundle(kBundleID, mFolder.c_str());
  }

  std::string mFolder;
  std::string mText;
};

TEST(MacBundle, ResourcesAreNamedByTheLastComponentWithoutItsExtension)
{
  struct Case {
    const char* file;
    const char* name;
    bool png;
  };
  const Case cases[] = {
      {"images/background.png", "background", true},
      {"images/knob_bip_25frames(transpose).png", "knob_bip_25frames(transpose)", true},
      {"images/KNOB.PNG", "KNOB", true},
      {"skin/skin.txt", "skin", false},
      {"images.png/knob", "knob", false},
      {"plain", "plain", false},
      {"dir/.hidden", "", false},
      {"", "", false},
  };
  for (const Case& c : cases) {
    KIT_String name("before");
    BundleResourceName(c.file, &name);
    EXPECT_STREQ(c.name, name.Get()) << c.file;
    EXPECT_EQ(c.png, IsPNGFileName(c.file)) << c.file;
  }
}

TEST_F(BundleTest, ImagesLoadFromTheBundleByNameWhateverTheCaseOfTheirExtension)
{
  std::unique_ptr<PIX_IBitmap> image(LoadBundlePNG(kBundleID, "images/knob.PNG"));
  ASSERT_NE(nullptr, image);
  EXPECT_EQ(3, image->GetWidth());
  EXPECT_EQ(2, image->GetHeight());
  EXPECT_EQ(nullptr, LoadBundlePNG(kBundleID, "images/knob.bmp"));
  EXPECT_EQ(nullptr, LoadBundlePNG(kBundleID, "images/missing.png"));
  EXPECT_EQ(nullptr, LoadBundlePNG("com.other.bundle", "images/knob.png"));
  EXPECT_EQ(nullptr, LoadBundlePNG(kBundleID, nullptr));
}

TEST_F(BundleTest, TextIsAnOwnedTerminatedCopyOfAtMost4096Bytes)
{
  KIT_String text;
  ASSERT_TRUE(LoadBundleText(kBundleID, "skin/skin.txt", &text));
  EXPECT_EQ(kBundleTextMax, text.GetLength());
  EXPECT_EQ(mText.substr(0, kBundleTextMax), text.Get());

  KIT_String kept("kept");
  EXPECT_FALSE(LoadBundleText(kBundleID, "skin/other.txt", &kept));
  EXPECT_FALSE(LoadBundleText("com.other.bundle", "skin/skin.txt", &kept));
  EXPECT_STREQ("kept", kept.Get());
}

TEST_F(BundleTest, HostAndPluginPathsComeFromTheBundle)
{
  KIT_String path;
  ASSERT_TRUE(BundleExecutablePath(kBundleID, &path));
  EXPECT_EQ(mFolder + "/Contents/MacOS/Tolvo", path.Get());
  ASSERT_TRUE(BundleFolder(kBundleID, &path));
  EXPECT_EQ(std::string(MAC_EDITOR_TEMP_DIR) + "/Plug-Ins/", path.Get());
  EXPECT_FALSE(BundleFolder("com.other.bundle", &path));
}

TEST(MacVersion, IsGestaltsSystemVersion)
{
  TestSetSystemVersion(0x1058);
  EXPECT_EQ(0x1058, IGraphicsMac::GetUserOSVersion());
  TestSetSystemVersion(0x1049);
  EXPECT_EQ(0x1049, IGraphicsMac::GetUserOSVersion());
}

}  // namespace
