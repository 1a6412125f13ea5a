// Every vector kernel set against the per-pixel loops, which are the
// reference: the blit, the rectangle fill and the scaled blit on random
// bitmaps 1..70 wide (every vector remainder), random clips, positions,
// steps, weights, alphas and modes, in stored and flipped bitmaps. Each
// case runs on two copies of the same pixels, with and without kernels, and
// every stored word must agree, the guard frame around the pixels too. The
// generator is seeded, so a failure repeats, and the case count bounds the
// time.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <functional>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "PIX_Blend.h"
#include "detail/PIX_BlitWithKernels.h"

namespace {

using pix_detail::RowKernels;

// splitmix64: the same numbers on every target.
class Random {
public:
  explicit Random(uint64_t seed) : mState(seed) {}
  uint64_t Next()
  {
    uint64_t z = (mState += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
  }
  int32_t In(int32_t lo, int32_t hi) { return lo + (int32_t)(Next() % (uint64_t)(hi - lo + 1)); }
  bool OneIn(int32_t n) { return In(1, n) == 1; }
  template <class T, size_t N>
  T Of(const T (&items)[N])
  {
    return items[In(0, (int32_t)N - 1)];
  }

private:
  uint64_t mState;
};

// A bitmap whose pixels sit in a guard frame, with a row span of its own
// and stored top-down or bottom-up.
class GuardedBitmap : public PIX_IBitmap {
public:
  static constexpr int32_t kGuard = 8;

  GuardedBitmap(int32_t width, int32_t height, int32_t span, bool flipped)
    : mWidth(width), mHeight(height), mSpan(span), mFlipped(flipped),
      mStore((size_t)span * height + 2 * kGuard, 0xA5A5A5A5u)
  {}
  PIX_Pixel* GetBits() override { return mStore.data() + kGuard; }
  int32_t GetWidth() override { return mWidth; }
  int32_t GetHeight() override { return mHeight; }
  int32_t GetRowSpan() override { return mSpan; }
  bool IsFlipped() override { return mFlipped; }
  bool Resize(int32_t, int32_t) override { return false; }
  std::vector<PIX_Pixel>& Store() { return mStore; }

private:
  int32_t mWidth, mHeight, mSpan;
  bool mFlipped;
  std::vector<PIX_Pixel> mStore;
};

// Pixels with every kind of alpha: random, or runs of transparent and
// opaque pixels as images have them. Guards and padding get pixels too.
void Paint(GuardedBitmap& bm, Random& rnd)
{
  const bool runs = rnd.OneIn(2);
  int32_t left = 0;
  uint32_t alpha = 0;
  for (PIX_Pixel& p : bm.Store()) {
    if (left-- <= 0) {
      left = rnd.In(1, 24);
      const uint32_t kinds[] = {0, 255, 1, 254, 128};
      alpha = rnd.OneIn(3) ? (uint32_t)rnd.In(0, 255) : rnd.Of(kinds);
    }
    const uint32_t a = runs ? alpha : (uint32_t)rnd.In(0, 255);
    p = ((uint32_t)rnd.Next() & ~(0xFFu << PIX_SHIFT_A)) | (a << PIX_SHIFT_A);
  }
}

std::unique_ptr<GuardedBitmap> RandomBitmap(Random& rnd)
{
  const int32_t w = rnd.In(1, 70), h = rnd.In(1, 12);
  auto bm = std::make_unique<GuardedBitmap>(w, h, w + rnd.In(0, 5), rnd.OneIn(4));
  Paint(*bm, rnd);
  return bm;
}

float RandomAlpha(Random& rnd)
{
  const float kAlphas[] = {1.0f, 1.0f, 0.5f, 0.25f, 0.75f, 0.5001f, 0.002f, 0.0039f, 1.002f, 1.5f, -0.5f, 0.0f};
  if (rnd.OneIn(3)) return rnd.Of(kAlphas);
  return (float)rnd.In(1, 256) / 256.0f + (rnd.OneIn(2) ? 0.001f : 0.0f);
}

// The modes the kernels cover, more often than the others.
int32_t RandomMode(Random& rnd)
{
  const int32_t kCovered[] = {0, 1, 0x10000, 0x10001};
  const int32_t kOthers[] = {2, 3, 4, 5, 6, 0xF3, 0x10003, 0x10005, 0x20000, 0x200};
  return rnd.OneIn(5) ? rnd.Of(kOthers) : rnd.Of(kCovered);
}

// Runs draw on the bitmaps with no kernels and with the set given, on equal
// copies, and compares every stored word.
void ExpectSame(const char* setName, const RowKernels* kernels, GuardedBitmap& dest, GuardedBitmap* src,
                const std::string& what, const std::function<void(const RowKernels*, PIX_IBitmap*, PIX_IBitmap*)>& draw)
{
  const std::vector<PIX_Pixel> before = dest.Store();
  draw(nullptr, &dest, src ? src : &dest);
  const std::vector<PIX_Pixel> want = dest.Store();
  dest.Store() = before;
  draw(kernels, &dest, src ? src : &dest);
  const std::vector<PIX_Pixel>& got = dest.Store();
  for (size_t i = 0; i < want.size(); ++i)
    ASSERT_EQ(want[i], got[i]) << setName << ": " << what << "; first difference at stored word " << i << " of "
                               << want.size() << " (row span " << dest.GetRowSpan() << ", guard "
                               << GuardedBitmap::kGuard << ")";
}

struct KernelSet {
  const char* name;
  const RowKernels* kernels;
};

void PrintTo(const KernelSet& set, std::ostream* os) { *os << set.name; }

std::vector<KernelSet> KernelSets()
{
  std::vector<KernelSet> sets;
  if (pix_detail::Sse2RowKernels()) sets.push_back({"SSE2", pix_detail::Sse2RowKernels()});
  if (pix_detail::Avx2RowKernels()) sets.push_back({"AVX2", pix_detail::Avx2RowKernels()});
  return sets;
}

std::string Describe(const char* op, int64_t n, std::initializer_list<double> args, int32_t mode)
{
  std::ostringstream s;
  s << "case " << n << ": " << op << "(";
  for (double a : args) s << a << ", ";
  s << "mode 0x" << std::hex << mode << ")";
  return s.str();
}

constexpr int kCases = 5000;

class Kernels : public ::testing::TestWithParam<KernelSet> {};

TEST_P(Kernels, BlitAsThePerPixelLoops)
{
  Random rnd(18001);
  for (int n = 0; n < kCases; ++n) {
    auto dest = RandomBitmap(rnd), src = RandomBitmap(rnd);
    const bool self = rnd.OneIn(20);
    const int32_t x = rnd.In(-8, dest->GetWidth()), y = rnd.In(-3, dest->GetHeight());
    const int32_t left = rnd.In(-5, src->GetWidth()), top = rnd.In(-2, src->GetHeight());
    const PIX_Rect r = {left, top, left + rnd.In(-2, 75), top + rnd.In(-2, 14)};
    const bool whole = rnd.OneIn(8);
    const float alpha = RandomAlpha(rnd);
    const int32_t mode = RandomMode(rnd);
    const std::string what = Describe("blit", n,
                                      {(double)x, (double)y, (double)r.left, (double)r.top, (double)r.right,
                                       (double)r.bottom, (double)self, (double)whole, alpha},
                                      mode);
    ExpectSame(GetParam().name, GetParam().kernels, *dest, self ? nullptr : src.get(), what,
               [&](const RowKernels* k, PIX_IBitmap* d, PIX_IBitmap* s) {
                 pix_detail::BlitRect(k, d, s, x, y, whole ? nullptr : &r, alpha, mode);
               });
  }
}

TEST_P(Kernels, FillAsThePerPixelLoops)
{
  Random rnd(18002);
  for (int n = 0; n < kCases; ++n) {
    auto dest = RandomBitmap(rnd);
    const int32_t x = rnd.In(-8, dest->GetWidth()), y = rnd.In(-3, dest->GetHeight());
    const int32_t w = rnd.In(-2, 85), h = rnd.In(-1, 16);
    const PIX_Pixel color = (PIX_Pixel)rnd.Next();
    const float alpha = RandomAlpha(rnd);
    const int32_t mode = RandomMode(rnd);
    const std::string what =
        Describe("fill", n, {(double)x, (double)y, (double)w, (double)h, (double)color, alpha}, mode);
    ExpectSame(GetParam().name, GetParam().kernels, *dest, nullptr, what,
               [&](const RowKernels* k, PIX_IBitmap* d, PIX_IBitmap*) {
                 pix_detail::FillRect(k, d, x, y, w, h, color, alpha, mode);
               });
  }
}

// Steps from strong enlargement to reduction, mirrored too; whole and
// fractional positions; equal sizes, where the blit takes over.
TEST_P(Kernels, ScaledBlitAsThePerPixelLoops)
{
  Random rnd(18003);
  for (int n = 0; n < kCases; ++n) {
    auto dest = RandomBitmap(rnd), src = RandomBitmap(rnd);
    const bool self = rnd.OneIn(20);
    auto sign = [&] { return rnd.OneIn(5) ? -1 : 1; };
    const int32_t dw = sign() * rnd.In(1, 90), dh = sign() * rnd.In(1, 16);
    // A negative size mirrors leftward (upward) from the position.
    const int32_t aw = std::abs(dw), ah = std::abs(dh);
    const int32_t dx = rnd.In(-aw / 2, dest->GetWidth() - 1) + (dw < 0 ? aw : 0);
    const int32_t dy = rnd.In(-ah / 2, dest->GetHeight() - 1) + (dh < 0 ? ah : 0);
    auto coordinate = [&](int32_t lo, int32_t hi) {
      const float kFractions[] = {0.0f, 0.5f, 0.25f, 0.02f, 0.999f};
      return (float)rnd.In(lo, hi) + (rnd.OneIn(2) ? rnd.Of(kFractions) : (float)rnd.In(0, 1023) / 1024.0f);
    };
    // A source rectangle mostly within the source; a negative size runs
    // leftward (upward) from its position.
    const bool equal = rnd.OneIn(6);
    const float sw = equal ? (float)dw : sign() * coordinate(0, src->GetWidth() + 2);
    const float sh = equal ? (float)dh : sign() * coordinate(0, src->GetHeight() + 1);
    const float sx = sw < 0 ? coordinate(0, src->GetWidth() + 1) : coordinate(-2, src->GetWidth() - 1);
    const float sy = sh < 0 ? coordinate(0, src->GetHeight() + 1) : coordinate(-2, src->GetHeight() - 1);
    const float alpha = RandomAlpha(rnd);
    const int32_t mode = RandomMode(rnd) | (rnd.OneIn(2) ? PIX_MODE_BILINEAR : 0);
    const std::string what = Describe(
        "scaled blit", n, {(double)dx, (double)dy, (double)dw, (double)dh, sx, sy, sw, sh, (double)self, alpha}, mode);
    ExpectSame(GetParam().name, GetParam().kernels, *dest, self ? nullptr : src.get(), what,
               [&](const RowKernels* k, PIX_IBitmap* d, PIX_IBitmap* s) {
                 pix_detail::ScaledBlit(k, d, s, dx, dy, dw, dh, sx, sy, sw, sh, alpha, mode);
               });
  }
}

INSTANTIATE_TEST_SUITE_P(Sets, Kernels, ::testing::ValuesIn(KernelSets()),
                         [](const ::testing::TestParamInfo<KernelSet>& info) { return info.param.name; });

// Where no set exists (a build for another processor), the suite above is
// empty by design.
GTEST_ALLOW_UNINSTANTIATED_PARAMETERIZED_TEST(Kernels);

}  // namespace
