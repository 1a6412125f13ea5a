#ifndef TESTS_SUPPORT_GOLDENIMAGES_H
#define TESTS_SUPPORT_GOLDENIMAGES_H

// Committed goldens of an editor: its screen as a PNG, and text tables one
// row a line, compared exactly. TOLVO_UPDATE_GOLDENS=1 writes them instead,
// after a deliberate change.

#include <gtest/gtest.h>
#include <stdlib.h>

#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "IGraphicsHeadless.h"
#include "PIX_PNG.h"
#include "PIX_RectOps.h"

inline bool UpdatingGoldens()
{
  const char* update = getenv("TOLVO_UPDATE_GOLDENS");
  return update && update[0] == '1';
}

inline void ExpectGoldenScreen(IGraphicsHeadless* gui, const std::string& path)
{
  if (UpdatingGoldens()) {
    ASSERT_TRUE(gui->SaveScreen(path.c_str())) << path;
    return;
  }
  std::unique_ptr<PIX_IBitmap> golden(PIX_LoadPNG(path.c_str(), nullptr));
  ASSERT_NE(golden, nullptr) << path;
  PIX_DiffRect diff;
  EXPECT_EQ(PIX_CompareBitmaps(golden.get(), gui->Screen(), &diff), 0)
      << path << " differs in " << diff.x << "," << diff.y << " " << diff.width << "x" << diff.height;
}

inline void ExpectGoldenRows(const std::string& path, const std::vector<std::string>& rows)
{
  if (UpdatingGoldens()) {
    std::ofstream out(path);
    for (const std::string& row : rows) out << row << "\n";
    ASSERT_TRUE(out.good()) << path;
    return;
  }
  std::ifstream in(path);
  ASSERT_TRUE(in.good()) << path;
  std::vector<std::string> golden;
  for (std::string line; std::getline(in, line);) golden.push_back(line);
  ASSERT_EQ(rows.size(), golden.size()) << path;
  for (size_t i = 0; i < rows.size(); ++i) EXPECT_EQ(rows[i], golden[i]) << path << " row " << i;
}

#endif
