// The PIX blits and fills beside the same work done by pixman and by a plain
// memcpy of the same bytes, on the editor's 581 x 400 surface and a 64 x 64
// control. After the run, a table gives each PIX time as a ratio to both, beside
// the most it may be (medians of the repetitions, with
// --benchmark_repetitions).
#include <benchmark/benchmark.h>
#include <pixman.h>

#include <cstdio>
#include <cstring>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "PIX_Blit.h"
#include "PIX_MemBitmap.h"
#include "PIX_ScaledBlit.h"
#include "RatioReporter.h"

namespace {

struct Size {
  int w, h;
};
const Size kSizes[] = {{581, 400}, {64, 64}};

void Fill(PIX_MemBitmap& bm, uint32_t seed)
{
  for (int y = 0; y < bm.GetHeight(); ++y) {
    PIX_Pixel* row = bm.GetBits() + (size_t)y * bm.GetRowSpan();
    for (int x = 0; x < bm.GetWidth(); ++x) {
      seed = seed * 1664525u + 1013904223u;
      row[x] = seed;
    }
  }
}

// A pixman image over a PIX bitmap's own pixels (the Windows byte order is
// pixman's a8r8g8b8).
pixman_image_t* Wrap(PIX_MemBitmap& bm)
{
  return pixman_image_create_bits(PIXMAN_a8r8g8b8, bm.GetWidth(), bm.GetHeight(),
                                  reinterpret_cast<uint32_t*>(bm.GetBits()), bm.GetRowSpan() * 4);
}

// One operation at one size: the source, the destination and their pixman views.
struct Scene {
  PIX_MemBitmap src, dest;
  pixman_image_t* psrc;
  pixman_image_t* pdest;
  Scene(Size s, Size source) : src(source.w, source.h), dest(s.w, s.h)
  {
    Fill(src, 1);
    Fill(dest, 2);
    psrc = Wrap(src);
    pdest = Wrap(dest);
  }
  ~Scene()
  {
    pixman_image_unref(psrc);
    pixman_image_unref(pdest);
  }
};

// The same bytes as the destination, copied row by row.
void CopyRows(Scene& s)
{
  const size_t bytes = (size_t)s.dest.GetWidth() * 4;
  for (int y = 0; y < s.dest.GetHeight(); ++y)
    std::memcpy(s.dest.GetBits() + (size_t)y * s.dest.GetRowSpan(), s.src.GetBits() + (size_t)y * s.src.GetRowSpan(),
                bytes);
}

void Scale(pixman_image_t* image, Size from, Size to, pixman_filter_t filter)
{
  pixman_transform_t t;
  pixman_transform_init_scale(&t, pixman_double_to_fixed((double)from.w / to.w),
                              pixman_double_to_fixed((double)from.h / to.h));
  pixman_image_set_transform(image, &t);
  pixman_image_set_filter(image, filter, nullptr, 0);
}

struct Operation {
  const char* name;
  bool scaled;  // the source is 0.7 of the destination's size
  double goal;  // the most pix / pixman may be
  std::function<void(Scene&)> pix;
  std::function<void(Scene&)> pixman;
};

const Operation kOperations[] = {
    {"copy", false, 1.1,
     [](Scene& s) { PIX_Blit(&s.dest, &s.src, 0, 0, 0, 0, s.src.GetWidth(), s.src.GetHeight(), 1.0f, 0); },
     [](Scene& s) {
       pixman_image_composite32(PIXMAN_OP_SRC, s.psrc, nullptr, s.pdest, 0, 0, 0, 0, 0, 0, s.dest.GetWidth(),
                                s.dest.GetHeight());
     }},
    {"alpha", false, 1.2,
     [](Scene& s) { PIX_Blit(&s.dest, &s.src, 0, 0, 0, 0, s.src.GetWidth(), s.src.GetHeight(), 1.0f, 0x10000); },
     [](Scene& s) {
       pixman_image_composite32(PIXMAN_OP_OVER, s.psrc, nullptr, s.pdest, 0, 0, 0, 0, 0, 0, s.dest.GetWidth(),
                                s.dest.GetHeight());
     }},
    {"add", false, 1.2,
     [](Scene& s) { PIX_Blit(&s.dest, &s.src, 0, 0, 0, 0, s.src.GetWidth(), s.src.GetHeight(), 1.0f, 1); },
     [](Scene& s) {
       pixman_image_composite32(PIXMAN_OP_ADD, s.psrc, nullptr, s.pdest, 0, 0, 0, 0, 0, 0, s.dest.GetWidth(),
                                s.dest.GetHeight());
     }},
    {"scaled-nearest", true, 1.2,
     [](Scene& s) {
       PIX_ScaledBlit(&s.dest, &s.src, 0, 0, s.dest.GetWidth(), s.dest.GetHeight(), 0, 0, (float)s.src.GetWidth(),
                      (float)s.src.GetHeight(), 1.0f, 0);
     },
     [](Scene& s) {
       Scale(s.psrc, {s.src.GetWidth(), s.src.GetHeight()}, {s.dest.GetWidth(), s.dest.GetHeight()},
             PIXMAN_FILTER_NEAREST);
       pixman_image_composite32(PIXMAN_OP_SRC, s.psrc, nullptr, s.pdest, 0, 0, 0, 0, 0, 0, s.dest.GetWidth(),
                                s.dest.GetHeight());
     }},
    {"scaled-bilinear", true, 1.2,
     [](Scene& s) {
       PIX_ScaledBlit(&s.dest, &s.src, 0, 0, s.dest.GetWidth(), s.dest.GetHeight(), 0, 0, (float)s.src.GetWidth(),
                      (float)s.src.GetHeight(), 1.0f, 0x100);
     },
     [](Scene& s) {
       Scale(s.psrc, {s.src.GetWidth(), s.src.GetHeight()}, {s.dest.GetWidth(), s.dest.GetHeight()},
             PIXMAN_FILTER_BILINEAR);
       pixman_image_composite32(PIXMAN_OP_SRC, s.psrc, nullptr, s.pdest, 0, 0, 0, 0, 0, 0, s.dest.GetWidth(),
                                s.dest.GetHeight());
     }},
    {"fill", false, 1.1,
     [](Scene& s) { PIX_FillRect(&s.dest, 0, 0, s.dest.GetWidth(), s.dest.GetHeight(), 0x80402010, 1.0f, 0); },
     [](Scene& s) {
       pixman_fill(reinterpret_cast<uint32_t*>(s.dest.GetBits()), s.dest.GetRowSpan(), 32, 0, 0, s.dest.GetWidth(),
                   s.dest.GetHeight(), 0x80402010);
     }},
};

}  // namespace

int main(int argc, char** argv)
{
  for (const Operation& op : kOperations)
    for (Size size : kSizes) {
      const Size source = op.scaled ? Size{size.w * 7 / 10, size.h * 7 / 10} : size;
      const std::string base = std::string(op.name) + "/" + std::to_string(size.w) + "x" + std::to_string(size.h);
      auto add = [&](const char* who, std::function<void(Scene&)> run) {
        benchmark::RegisterBenchmark((base + "/" + who).c_str(), [=](benchmark::State& state) {
          Scene scene(size, source);
          for (auto _ : state) {
            run(scene);
            benchmark::ClobberMemory();
          }
          state.SetBytesProcessed(state.iterations() * (int64_t)size.w * size.h * 4);
        });
      };
      add("pix", op.pix);
      add("pixman", op.pixman);
      add("memcpy", CopyRows);
    }
  benchmark::Initialize(&argc, argv);
  RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);

  std::printf("\n%-28s %14s %14s %10s\n", "operation", "pix / pixman", "pix / memcpy", "goal");
  for (const Operation& op : kOperations)
    for (Size size : kSizes) {
      const std::string base = std::string(op.name) + "/" + std::to_string(size.w) + "x" + std::to_string(size.h);
      if (!reporter.Has(base + "/pix") || !reporter.Has(base + "/pixman") || !reporter.Has(base + "/memcpy")) continue;
      const double pix = reporter.Time(base + "/pix");
      std::printf("%-28s %14.2f %14.2f %10.2f\n", base.c_str(), pix / reporter.Time(base + "/pixman"),
                  pix / reporter.Time(base + "/memcpy"), op.goal);
    }
  benchmark::Shutdown();
  return 0;
}
