// The default bank's reader: VST 2 bank files, whole, cut short, damaged,
// or holding more than the plug-in can take.

#include <gtest/gtest.h>
#include <stdint.h>
#include <string.h>

#include <algorithm>
#include <string>
#include <vector>

#include "DefaultBank.h"

namespace {

void PutBE(std::vector<uint8_t>* b, uint32_t v)
{
  for (int shift = 24; shift >= 0; shift -= 8) b->push_back((uint8_t)(v >> shift));
}

void PutFloat(std::vector<uint8_t>* b, float f)
{
  uint32_t bits;
  memcpy(&bits, &f, 4);
  PutBE(b, bits);
}

std::vector<uint8_t> BankHeader(int32_t count)
{
  std::vector<uint8_t> b(24, 0xEE);  // magic, size, bank magic, version, ids: not read
  PutBE(&b, (uint32_t)count);
  PutBE(&b, 0);
  b.resize(156, 0);
  return b;
}

// A program record; extra bytes after the values are announced by the
// record's size and passed over by the count that precedes them.
void PutProgram(std::vector<uint8_t>* b, const char* name, std::vector<float> values, int extra = 0)
{
  PutBE(b, 0x43636E4B);  // "CcnK"
  PutBE(b, (uint32_t)(48 + 4 * values.size() + (extra ? 4 + extra : 0)));
  b->resize(b->size() + 16, 0);
  PutBE(b, (uint32_t)values.size());
  char field[28] = {};
  memcpy(field, name, std::min(strlen(name), sizeof field));
  b->insert(b->end(), field, field + 28);
  for (float v : values) PutFloat(b, v);
  if (extra) {
    PutBE(b, (uint32_t)extra);
    b->resize(b->size() + extra, 0x55);
  }
}

bool Read(const std::vector<uint8_t>& bytes, int maxParams, std::vector<BankProgram>* programs)
{
  FILE* file = tmpfile();
  if (!file) return false;
  if (!bytes.empty()) fwrite(bytes.data(), 1, bytes.size(), file);
  const bool ok = ReadBank(file, maxParams, programs);
  fclose(file);
  return ok;
}

}  // namespace

TEST(DefaultBank, ReadsNamesAndValues)
{
  std::vector<uint8_t> bank = BankHeader(2);
  PutProgram(&bank, "Up and down", {0.25f, 1.0f, 0.0f});
  PutProgram(&bank, "A name of twenty-eight bytes!", {0.5f}, 8);
  std::vector<BankProgram> programs;
  ASSERT_TRUE(Read(bank, 391, &programs));
  ASSERT_EQ(programs.size(), 2u);
  EXPECT_STREQ(programs[0].name, "Up and down");
  EXPECT_EQ(programs[0].values, (std::vector<float>{0.25f, 1.0f, 0.0f}));
  EXPECT_STREQ(programs[1].name, "A name of twenty-eight bytes");  // cut at 28, terminated
  EXPECT_EQ(programs[1].values, (std::vector<float>{0.5f}));
  // One further value may follow the programs; it is read and ignored.
  PutBE(&bank, 7);
  ASSERT_TRUE(Read(bank, 391, &programs));
  EXPECT_EQ(programs.size(), 2u);
}

// A file that fails before its programs and the value after them are read
// is a failure, but the programs read before it are kept; nothing is read
// past the file's end, and no promised count is taken on trust.
TEST(DefaultBank, AShortOrDamagedFileFailsAndKeepsWhatCameBefore)
{
  std::vector<uint8_t> whole = BankHeader(2);
  PutProgram(&whole, "one", {0.1f, 0.2f});
  PutProgram(&whole, "two", {0.3f, 0.4f});

  std::vector<uint8_t> promisedMore = whole;
  promisedMore[27] = 3;
  std::vector<uint8_t> promisedAll = whole;
  std::fill(promisedAll.begin() + 24, promisedAll.begin() + 28, 0x7F);
  std::vector<uint8_t> halfAValueAfter = whole;
  halfAValueAfter.resize(whole.size() + 2, 0);
  std::vector<uint8_t> tooManyValues = BankHeader(1);
  PutProgram(&tooManyValues, "wide", std::vector<float>(392, 0.5f));
  std::vector<uint8_t> negativeCount = BankHeader(-1);
  std::vector<uint8_t> skipPastTheEnd = BankHeader(1);
  PutProgram(&skipPastTheEnd, "skip", {0.1f}, 4);
  skipPastTheEnd.resize(skipPastTheEnd.size() - 2);
  std::vector<uint8_t> negativeValueCount = BankHeader(1);
  PutProgram(&negativeValueCount, "neg", {});
  negativeValueCount[156 + 24] = 0xFF;

  const struct {
    const char* what;
    std::vector<uint8_t> bytes;
    size_t kept;
  } cases[] = {
      {"empty", {}, 0},
      {"header cut", std::vector<uint8_t>(whole.begin(), whole.begin() + 100), 0},
      {"three promised, none there", BankHeader(3), 0},
      {"three promised, two there", promisedMore, 2},
      {"0x7F7F7F7F promised, two there", promisedAll, 2},
      {"second program cut", std::vector<uint8_t>(whole.begin(), whole.end() - 3), 1},
      {"half a value after the programs", halfAValueAfter, 2},
      {"more values than parameters", tooManyValues, 0},
      {"negative program count", negativeCount, 0},
      {"skip past the end", skipPastTheEnd, 0},
      {"negative value count", negativeValueCount, 0},
  };
  for (const auto& c : cases) {
    std::vector<BankProgram> programs(5);
    EXPECT_FALSE(Read(c.bytes, 391, &programs)) << c.what;
    ASSERT_EQ(programs.size(), c.kept) << c.what;
    if (c.kept) EXPECT_STREQ(programs[0].name, "one") << c.what;
  }
}
