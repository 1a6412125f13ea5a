#ifndef PNG_SAMPLES_H
#define PNG_SAMPLES_H

// libpng's sample images (its pngsuite and test images), where the set-up
// unpacked libpng's source. A build not given them skips the tests that
// read them: the tests of a fixture derived from PNGSamples.

#include <gtest/gtest.h>

#include <string>

// A path under the sample directory, as this build's file functions read it.
inline std::string SamplePath(const std::string& relative)
{
  std::string base = PIX_TEST_PNG_DIR;
#if defined(_WIN32)
  if (!base.empty() && base[0] == '/') base = "Z:" + base;  // Wine's drive for the Unix root
#endif
  return base + "/" + relative;
}

class PNGSamples : public ::testing::Test {
protected:
  void SetUp() override
  {
    if (std::string(PIX_TEST_PNG_DIR).empty())
      GTEST_SKIP() << "libpng's sample images were not given (configure with -DTOLVO_LIBPNG_SOURCE=<libpng source>)";
  }
};

#endif
