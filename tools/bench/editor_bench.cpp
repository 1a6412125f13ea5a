// The editor core on the window-less back end at the plug-in's size: a full
// redraw of 581 x 400 pixels with all 366 controls dirty (a background,
// bitmap knobs, switches and texts), and the idle tick with nothing dirty.
// Both as time per call; the aims are 1 ms and 10 us. After the run, a table
// gives each one's share of a frame at 24 frames per second.
#include <benchmark/benchmark.h>

#include <stdio.h>

#include "IBitmapControl.h"
#include "IGraphicsHeadless.h"
#include "IKnobControl.h"
#include "ITextControl.h"
#include "PIX_Blend.h"
#include "PIX_Blit.h"
#include "PIX_Circle.h"
#include "PIX_MemBitmap.h"
#include "RatioReporter.h"

namespace {
const int kWidth = 581, kHeight = 400;
const int kControls = 366;
const int kCell = 24;
const int kKnobFrames = 64;

PIX_Pixel Color(int r, int g, int b, int a = 255)
{
  return PIX_MakePixel((uint32_t)r, (uint32_t)g, (uint32_t)b, (uint32_t)a);
}

// Images like the plug-in's: an opaque background, knob strips and switch
// strips with transparent corners.
struct Images {
  PIX_MemBitmap background{kWidth, kHeight};
  PIX_MemBitmap knob{kCell, kCell* kKnobFrames};
  PIX_MemBitmap onOff{kCell, kCell * 2};

  Images()
  {
    PIX_FillRect(&background, 0, 0, kWidth, kHeight, Color(40, 44, 52), 1.0f, PIX_MODE_COPY);
    PIX_ClearRect(&knob, 0, 0, kCell, kCell * kKnobFrames, 0, 0);
    for (int k = 0; k < kKnobFrames; ++k)
      PIX_FillCircle(&knob, kCell / 2.0f, k * kCell + kCell / 2.0f, kCell / 2.0f - 1, Color(200, 200, 4 * k), 1.0f,
                     PIX_MODE_COPY, true);
    PIX_ClearRect(&onOff, 0, 0, kCell, kCell * 2, 0, 0);
    PIX_FillCircle(&onOff, kCell / 2.0f, kCell / 2.0f, 8.0f, Color(70, 70, 80), 1.0f, PIX_MODE_COPY, true);
    PIX_FillCircle(&onOff, kCell / 2.0f, kCell * 1.5f, 8.0f, Color(250, 200, 40), 1.0f, PIX_MODE_COPY, true);
  }
};

struct Editor {
  Images images;
  IGraphicsHeadless gui{nullptr, kWidth, kHeight};

  Editor()
  {
    gui.AttachControl(new IBitmapControl(nullptr, 0, 0, IBitmapStrip(&images.background, kWidth, kHeight),
                                         IChannelBlend::kBlendCopy));
    const int columns = kWidth / kCell;
    for (int i = 1; i < kControls; ++i) {
      const int x = (i % columns) * kCell, y = (i / columns) * kCell;
      IControl* pControl;
      if (i % 3 == 0) {
        pControl = new IKnobMultiControl(nullptr, x, y, -1,
                                         IBitmapStrip(&images.knob, kCell, kCell * kKnobFrames, kKnobFrames));
      } else if (i % 3 == 1) {
        pControl = new ISwitchControl(nullptr, x, y, -1, IBitmapStrip(&images.onOff, kCell, kCell * 2, 2));
      } else {
        char text[16];
        snprintf(text, sizeof text, "%d", i);
        pControl = new ITextControl(nullptr, IRECT(x, y, x + kCell, y + kCell), text);
      }
      pControl->SetValueFromPlug((i % 7) / 6.0);
      gui.AttachControl(pControl);
    }
    gui.PrepareDrawing();
    gui.OpenWindow(nullptr);
    gui.Tick();
  }
};

void BM_FullRedraw(benchmark::State& state)
{
  Editor editor;
  for (auto _ : state) {
    editor.gui.SetAllControlsDirty();
    editor.gui.Tick();
  }
  state.counters["controls"] = editor.gui.NControls();
}
BENCHMARK(BM_FullRedraw)->Unit(benchmark::kMicrosecond);

void BM_IdleTick(benchmark::State& state)
{
  Editor editor;
  editor.gui.Tick();
  for (auto _ : state) editor.gui.Tick();
}
BENCHMARK(BM_IdleTick)->Unit(benchmark::kMicrosecond);
}  // namespace

int main(int argc, char** argv)
{
  benchmark::Initialize(&argc, argv);
  RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);

  // The editor draws at 24 frames per second: what each costs of a frame's time.
  const double frameUs = 1e6 / 24;
  printf("\n%-16s %14s %24s\n", "editor work", "us per call", "share of a 24 fps frame");
  const char* const names[][2] = {{"full redraw", "BM_FullRedraw"}, {"idle tick", "BM_IdleTick"}};
  for (const auto& name : names) {
    if (!reporter.Has(name[1])) continue;
    const double us = reporter.Time(name[1]);
    printf("%-16s %14.1f %23.2f%%\n", name[0], us, 100.0 * us / frameUs);
  }
  benchmark::Shutdown();
  return 0;
}
