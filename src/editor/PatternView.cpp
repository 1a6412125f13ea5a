#include "PatternView.h"

#include <stdio.h>

#include "IGraphics.h"
#include "ParamTable.h"
#include "PatternEngine.h"
#include "PatternList.h"
#include "StepBars.h"
#include "StepViewHost.h"

using namespace TolvoParams;

namespace {

// The bars, relative to the view: a column 22 pixels wide every 25 from
// x 4, values from y 21; the mouse sets them from anywhere in the 142
// pixels of the columns.
const int kBarLeft = 4;
const int kBarPitch = 25;
const int kBarWidth = 22;
const int kBarsTop = 21;
const int kColumnHeight = 142;
const int kLowestBarBottom = 334;  // in the editor
const IColor kBarColor(55, 255, 255, 255);
const int kLabelHeight = 10;
const char* const kDataLabels[] = {"Play", "Off", "Prev", "1st", "Last", "Hi", "Low", "Chrd", "Rand"};

// The pattern's length, in the editor.
const int kLengthBarTop = 336, kLengthBarBottom = 345, kLengthBarWidth = 399;

// A marker's row: note 127 lies 107 pixels above note 0.
const int kMarkerBase = 149;
const double kMarkerRise = 0.8425197;
const int kMarkerHeight = 6;

const int kCountdownFrames = 30;

int RoundHalfAway(double v) { return (int)(v < 0.0 ? v - 0.5 : v + 0.5); }

bool HasRange(double minimum, double maximum) { return maximum - minimum > 0.0; }

}  // namespace

PatternView::PatternView(IFxBase* pPlug, StepViewHost* pHost, const IRECT& rect, int paramIdx,
                         const IBitmapStrip& markers, const IBitmapStrip& lengthBar, IControl* pIndicator,
                         PatternList* pPatterns, int blendMethod)
  : IControl(pPlug, rect, paramIdx, IChannelBlend(blendMethod)), mHost(pHost), mShownLane(kStepLength),
    mMarkerStrip(markers), mLengthBar(lengthBar), mIndicator(pIndicator), mPatterns(pPatterns)
{
  for (Step& s : mSteps) s = Step{20.0, -100.0, 100.0};
  for (std::atomic<uint32_t>& posted : mStepsPosted) posted = 0;
}

// --- From the plug-in ---

namespace {
// The lane of a lane's first parameter, -1 for none.
int LaneOf(int lane)
{
  const int n = lane - kStepLength;
  return n >= 0 && n % kNumSteps == 0 && n / kNumSteps < kNumLanes ? n / kNumSteps : -1;
}
}  // namespace

void PatternView::PostStepValue(int lane, int step, double minimum, double maximum, double value)
{
  const int l = LaneOf(lane);
  if (mCurrentPattern < 0 || l < 0 || step < 0 || step >= kSteps) return;
  PostedStep& p = mPostedSteps[l][step];
  p.value.store(value, std::memory_order_relaxed);
  p.minimum.store(minimum, std::memory_order_relaxed);
  p.maximum.store(maximum, std::memory_order_relaxed);
  mStepsPosted[l].fetch_or(1u << step, std::memory_order_release);
}

void PatternView::ShowPostedSteps()
{
  const int lane = mShownLane;
  const int l = LaneOf(lane);
  if (l < 0) return;
  const uint32_t posted = mStepsPosted[l].exchange(0, std::memory_order_acquire);
  for (int step = 0; step < kSteps; ++step) {
    if (!(posted & (1u << step))) continue;
    const PostedStep& p = mPostedSteps[l][step];
    SetStepValue(lane, step, p.minimum.load(std::memory_order_relaxed), p.maximum.load(std::memory_order_relaxed),
                 p.value.load(std::memory_order_relaxed));
  }
}

void PatternView::SetStepValue(int lane, int step, double minimum, double maximum, double value)
{
  if (lane != mShownLane || step < 0 || step >= kSteps) return;
  mSteps[step] = Step{value, minimum, maximum};
}

void PatternView::NoteIn() { mNoteIn.store(true, std::memory_order_relaxed); }

void PatternView::ResetSteps()
{
  for (int s = 0; s < kSteps; ++s) {
    const Step& st = mSteps[s];
    mHost->SetControlFromView(mShownLane, s, (0.0 - st.minimum) / (st.maximum - st.minimum), false);
    // The record follows the parameter, which a lane without 0 keeps at
    // its minimum.
    mHost->UpdateStepView(mShownLane, s, false);
  }
}

int PatternView::BarAt(int x, int y, int top, int bottom) const
{
  if (y < mRECT.T + top || y >= mRECT.T + bottom) return -1;
  return StepBars::ColumnAt(x, mRECT.L + kBarLeft, kBarPitch, kBarWidth);
}

int PatternView::StepAt(int x, int y) const { return BarAt(x, y, kBarsTop, kBarsTop + StepBars::kBarsHeight); }

// --- The engine's reports ---

int PatternView::PlayingStep() const
{
  PatternEngine* pattern = mPatterns ? mPatterns->Get(mCurrentPattern) : nullptr;
  return pattern ? pattern->GetStepper().GetCurrentStep() : -1;
}

void PatternView::NoteStarted(int copy, int note, int step)
{
  mFeed.Put(NoteFeed::kStarted, uint32_t(copy & (NoteMarkers::kCopies - 1)) |
                                    uint32_t(note & (NoteMarkers::kNotes - 1)) << 9 |
                                    uint32_t(step & (kSteps - 1)) << 16);
}

void PatternView::NoteStopped(int copy) { mFeed.Put(NoteFeed::kStopped, uint32_t(copy & (NoteMarkers::kCopies - 1))); }

void PatternView::NoteSent(int playingStep) { mFeed.Put(NoteFeed::kSent, uint32_t(playingStep + 1) & 31); }

void PatternView::ClearNotes() { mFeed.Put(NoteFeed::kCleared, 0); }

void PatternView::CatchUp()
{
  // After a stall so long that reports were lost the view starts afresh.
  if (mFeed.Take([this](NoteFeed::Kind kind, uint32_t what) { Take(kind, what); })) mMarkers.Forget();
}

void PatternView::Take(NoteFeed::Kind kind, uint32_t what)
{
  switch (kind) {
    case NoteFeed::kStarted:
      mMarkers.Started(int(what & (NoteMarkers::kCopies - 1)), int(what >> 9 & (NoteMarkers::kNotes - 1)),
                       int(what >> 16 & (kSteps - 1)));
      break;
    case NoteFeed::kStopped: mMarkers.Stopped(int(what & (NoteMarkers::kCopies - 1))); break;
    case NoteFeed::kSent: mMarkers.Sent(mCurrentPattern >= 0 ? int(what) - 1 : -1); break;
    case NoteFeed::kCleared: mMarkers.Cleared(); break;
  }
}

int PatternView::NMarkers()
{
  CatchUp();
  return mMarkers.Count();
}

NoteMarker PatternView::GetMarker(int i)
{
  CatchUp();
  return mMarkers.Get(i);
}

// --- The mouse ---

void PatternView::OnMouseDown(int x, int y, const IMouseModifiers& mod)
{
  if (mod.R)
    PromptUserInput(x, y);
  else
    SetFromMouse(x, y);
}

void PatternView::OnMouseDrag(int x, int y, int dX, int dY, const IMouseModifiers& mod) { SetFromMouse(x, y); }

void PatternView::SetFromMouse(int x, int y)
{
  const int step = BarAt(x, y, 0, kColumnHeight);
  if (step < 0 || !HasRange(mSteps[step].minimum, mSteps[step].maximum)) return;
  mHost->SetControlFromView(
      mShownLane, step, StepBars::ValueAt(y, mSteps[step].minimum, mSteps[step].maximum, mRECT.T + kBarsTop), false);
}

void PatternView::OnMouseDblClick(int x, int y, const IMouseModifiers& mod)
{
  const int step = StepAt(x, y);
  if (step >= 0) mHost->SetControlFromView(mShownLane, step, mSteps[step].minimum >= 0.0 ? 0.0 : 0.5, false);
}

// --- Drawing ---

double PatternView::CountDown()
{
  if (mNoteIn.exchange(false, std::memory_order_relaxed)) mCountdown = kCountdownFrames;
  if (mCountdown > 1) --mCountdown;
  if (mCountdown < 1) mCountdown = 1;
  return (double)mCountdown / kCountdownFrames;
}

void PatternView::DrawBars(IGraphics* pGraphics)
{
  const IText labelStyle(12, COLOR_BLACK, "Arial", IText::kStyleNormal, IText::kAlignCenter);
  const int y0 = mRECT.T + kBarsTop;
  for (int i = 0; i < kSteps; ++i) {
    const double v = mSteps[i].value, m = mSteps[i].minimum;
    if (!HasRange(m, mSteps[i].maximum)) continue;
    const int x = mRECT.L + kBarLeft + kBarPitch * i;
    StepBars::Span bar = StepBars::BarSpan(v, m, mSteps[i].maximum, y0);
    if (bar.bottom > kLowestBarBottom) bar.bottom = kLowestBarBottom;

    if (!(v < m || v == 0.0 || (v == m && mShownLane == kStepLength))) {
      char label[16];
      const int t = (int)v;
      if (mShownLane == kStepData)
        snprintf(label, sizeof label, "%s", t >= 0 && t <= 8 ? kDataLabels[t] : "");
      else if (mShownLane == kStepCC1 || mShownLane == kStepCC2)
        snprintf(label, sizeof label, "%d", (int)(v - 1.0));
      else if (mShownLane == kStepDiv)
        snprintf(label, sizeof label, "%d", (int)(v + 1.0));
      else
        snprintf(label, sizeof label, "%d", t);
      const IRECT labelRect(x + 1, y0, x + kBarWidth + 1, y0 + kLabelHeight);
      pGraphics->DrawIText(&labelStyle, label, &labelRect);
    }
    const IRECT r(x, bar.top, x + kBarWidth, bar.bottom);
    pGraphics->FillRect(&kBarColor, &r);
  }
}

void PatternView::DrawMarkers(IGraphics* pGraphics)
{
  CatchUp();
  mMarkers.Frame(PlayingStep());
  for (int i = 0, n = mMarkers.Count(); i < n; ++i) {
    const NoteMarker marker = mMarkers.Get(i);
    const int x = mRECT.L + kBarLeft + kBarPitch * marker.step;
    const int y = mRECT.T + kMarkerBase - RoundHalfAway(marker.note * kMarkerRise);
    const IRECT r(x, y, x + kBarWidth, y + kMarkerHeight);
    pGraphics->DrawBitmapFrame(&mMarkerStrip, &r, marker.age, &mBlend);
  }
}

bool PatternView::Draw(IGraphics* pGraphics)
{
  if (mCurrentPattern < 0) return false;
  if (mIndicator) mIndicator->SetValueFromPlug(CountDown());
  DrawBars(pGraphics);
  if (PatternEngine* pattern = mPatterns ? mPatterns->Get(mCurrentPattern) : nullptr) {
    const IRECT r(mRECT.L + kBarLeft, kLengthBarTop, mRECT.L + kBarLeft + kLengthBarWidth, kLengthBarBottom);
    pGraphics->DrawBitmapFrame(&mLengthBar, &r, pattern->GetStepper().GetStepCount() + 1, &mBlend);
  }
  DrawMarkers(pGraphics);
  return true;
}
