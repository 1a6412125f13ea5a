#include "PatternView.h"

#include <stdio.h>

#include "IGraphics.h"
#include "ParamTable.h"
#include "PatternEngine.h"
#include "PatternList.h"
#include "StepBars.h"
#include "Tolvo.h"

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
const int kMaxAge = 31;  // a marker this old is gone

const int kCountdownFrames = 30;

int RoundHalfAway(double v) { return (int)(v < 0.0 ? v - 0.5 : v + 0.5); }

bool HasRange(double minimum, double maximum) { return maximum - minimum > 0.0; }

}  // namespace

PatternView::PatternView(Tolvo* pPlug, const IRECT& rect, int paramIdx, const IBitmapStrip& markers,
                         const IBitmapStrip& lengthBar, IControl* pIndicator, PatternList* pPatterns, int blendMethod)
  : IControl(pPlug, rect, paramIdx, IChannelBlend(blendMethod)), mTolvo(pPlug), mShownLane(kStepLength),
    mMarkerStrip(markers), mLengthBar(lengthBar), mIndicator(pIndicator), mPatterns(pPatterns)
{
  for (Step& s : mSteps) s = Step{20.0, -100.0, 100.0};
}

// --- From the plug-in ---

void PatternView::SetCurrentPattern(int pattern)
{
  KIT_MutexLock lock(EditorLock());
  mCurrentPattern = pattern;
}

void PatternView::SetShownLane(int lane)
{
  KIT_MutexLock lock(EditorLock());
  mShownLane = lane;
}

void PatternView::SetStepValue(int lane, int step, double minimum, double maximum, double value)
{
  KIT_MutexLock lock(EditorLock());
  if (lane != mShownLane || step < 0 || step >= kSteps) return;
  mSteps[step] = Step{value, minimum, maximum};
}

void PatternView::NoteIn()
{
  KIT_MutexLock lock(&mViewLock);
  mCountdown = kCountdownFrames;
}

void PatternView::ResetSteps()
{
  for (int s = 0; s < kSteps; ++s) {
    const Step& st = mSteps[s];
    mTolvo->SetControlFromView(mShownLane, s, (0.0 - st.minimum) / (st.maximum - st.minimum), false);
    // The record follows the parameter, which a lane without 0 keeps at
    // its minimum.
    mTolvo->UpdateStepView(mShownLane, s, false);
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

void PatternView::AgeMarkers(const KIT_PtrList<HeldNote>* sounding)
{
  for (int i = 0; sounding && i < sounding->GetSize(); ++i) {
    const HeldNote* n = sounding->Get(i);
    const int note = n->pitch + n->transposition;  // as the MIDI output sends it
    int m = 0;
    while (m < mNMarkers && !(mMarkers[m].note == note && mMarkers[m].step == n->stepIndex)) ++m;
    if (m < mNMarkers)
      mMarkers[m].age = 0;
    else if (mNMarkers < kMaxMarkers)
      mMarkers[mNMarkers++] = NoteMarker{note, n->stepIndex, -1};
  }
  const int playing = PlayingStep();
  int kept = 0;
  for (int m = 0; m < mNMarkers; ++m) {
    NoteMarker marker = mMarkers[m];
    if (marker.step != playing) ++marker.age;
    if (marker.age < kMaxAge) mMarkers[kept++] = marker;
  }
  mNMarkers = kept;
}

void PatternView::UpdateNotes(const KIT_PtrList<HeldNote>* sounding)
{
  KIT_MutexLock lock(&mViewLock);
  AgeMarkers(sounding);
}

void PatternView::ClearNotes()
{
  KIT_MutexLock lock(&mViewLock);
  mNMarkers = 0;
}

int PatternView::NMarkers()
{
  KIT_MutexLock lock(&mViewLock);
  return mNMarkers;
}

NoteMarker PatternView::GetMarker(int i)
{
  KIT_MutexLock lock(&mViewLock);
  return i >= 0 && i < mNMarkers ? mMarkers[i] : NoteMarker{-1, -1, -1};
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
  mTolvo->SetControlFromView(
      mShownLane, step, StepBars::ValueAt(y, mSteps[step].minimum, mSteps[step].maximum, mRECT.T + kBarsTop), false);
}

void PatternView::OnMouseDblClick(int x, int y, const IMouseModifiers& mod)
{
  const int step = StepAt(x, y);
  if (step >= 0) mTolvo->SetControlFromView(mShownLane, step, mSteps[step].minimum >= 0.0 ? 0.0 : 0.5, false);
}

// --- Drawing ---

double PatternView::CountDown()
{
  KIT_MutexLock lock(&mViewLock);
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
  KIT_MutexLock lock(&mViewLock);
  AgeMarkers(nullptr);
  for (int i = 0; i < mNMarkers; ++i) {
    const NoteMarker& marker = mMarkers[i];
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
