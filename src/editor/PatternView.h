#ifndef PATTERNVIEW_H
#define PATTERNVIEW_H

// The step editor: the 16 steps of one lane of the current pattern as bars
// with value labels, drawn and set with the mouse; the notes the engine
// plays as markers on their steps, fading once the pattern moves on; the
// pattern's length; and the incoming-note light's countdown.
//
// Threads: the plug-in sets what it shows (pattern, lane, step values)
// under the plug lock, from either thread, without waiting: the pattern
// and the lane are atomics, the step values are posted and shown on the
// editor's tick. Drawing and the mouse run on the user-interface thread.
// The engine reports sounding notes from the audio thread under the plug
// lock into a feed that never waits, and the light's notes into an
// atomic; the view takes them in as it draws. The markers belong to the
// user-interface thread.

#include <atomic>
#include <cstdint>

#include "IControl.h"
#include "LaneView.h"
#include "NoteFeed.h"
#include "NoteMarkers.h"
#include "ParamTable.h"
#include "PatternViewLink.h"

class PatternList;
class StepViewHost;

class PatternView : public IControl, public PatternViewTarget, public LaneView {
public:
  static constexpr int kSteps = NoteMarkers::kSteps;

  // markers: the note marker's frames by age; lengthBar: one frame per
  // pattern length from 0 to 16 steps. The indicator is the incoming-note
  // light. The host holds the controls behind the bars.
  PatternView(IFxBase* pPlug, StepViewHost* pHost, const IRECT& rect, int paramIdx, const IBitmapStrip& markers,
              const IBitmapStrip& lengthBar, IControl* pIndicator, PatternList* pPatterns,
              int blendMethod = IChannelBlend::kBlendAlpha);

  // --- From the plug-in, under the plug lock; none waits ---
  // -1: none, and nothing is drawn.
  void SetCurrentPattern(int pattern) { mCurrentPattern = pattern; }
  int GetCurrentPattern() const { return mCurrentPattern; }
  // LaneView
  void SetShownLane(int lane) override { mShownLane = lane; }
  int GetShownLane() const override { return mShownLane; }
  void PostStepValue(int lane, int step, double minimum, double maximum, double value) override;
  // Host audio thread, under the plug lock; never waits: a note came in,
  // and the light shows it and fades.
  void NoteIn();

  // --- Host user-interface thread ---
  // The editor's tick: the values posted for the lane shown.
  void ShowPostedSteps();
  // Kept only for the lane shown.
  void SetStepValue(int lane, int step, double minimum, double maximum, double value);
  // Under the plug lock (the view's menu): the steps of the lane shown back
  // to 0.
  void ResetSteps();
  // The bar (0..15) under the point, -1 for none.
  int StepAt(int x, int y) const;

  // --- Host audio thread, under the plug lock; none waits: the engine's reports ---
  void NoteStarted(int copy, int note, int step) override;
  void NoteStopped(int copy) override;
  void NoteSent(int playingStep) override;
  void ClearNotes() override;

  // --- Host user-interface thread: the editor ---
  // In an editor event (both locks held).
  void OnMouseDown(int x, int y, const IMouseModifiers& mod) override;
  void OnMouseDrag(int x, int y, int dX, int dY, const IMouseModifiers& mod) override;
  void OnMouseDblClick(int x, int y, const IMouseModifiers& mod) override;
  // Under the editor lock: redrawn on every frame.
  bool IsDirty() override { return true; }
  bool Draw(IGraphics* pGraphics) override;

  const IBitmapStrip& GetMarkerStrip() const { return mMarkerStrip; }
  const IBitmapStrip& GetLengthBar() const { return mLengthBar; }
  // The markers as they are now (user-interface thread).
  int NMarkers();
  NoteMarker GetMarker(int i);

private:
  struct Step {
    double value, minimum, maximum;
  };

  // The bar whose column holds x, when y lies between top and bottom
  // (relative to the view's top).
  int BarAt(int x, int y, int top, int bottom) const;
  void SetFromMouse(int x, int y);
  // The current pattern's current step, -1 without one.
  int PlayingStep() const;

  // Takes in what the engine reported since the last time, in its order.
  void CatchUp();
  void Take(NoteFeed::Kind kind, uint32_t what);
  // The light's value for this frame.
  double CountDown();
  void DrawBars(IGraphics* pGraphics);
  void DrawMarkers(IGraphics* pGraphics);

  // A step value as the plug-in posted it.
  struct PostedStep {
    std::atomic<double> value{0.0}, minimum{0.0}, maximum{0.0};
  };

  StepViewHost* mHost;
  std::atomic<int> mCurrentPattern{-1};
  std::atomic<int> mShownLane;
  int mCountdown = 1;
  std::atomic<bool> mNoteIn{false};
  Step mSteps[kSteps];
  PostedStep mPostedSteps[TolvoParams::kNumLanes][kSteps];
  std::atomic<uint32_t> mStepsPosted[TolvoParams::kNumLanes];  // a bit per step
  // Reports wait here while no editor draws; the markers age only as it
  // takes them in.
  NoteFeed mFeed;
  NoteMarkers mMarkers;  // the user-interface thread's
  IBitmapStrip mMarkerStrip, mLengthBar;
  IControl* mIndicator;
  PatternList* mPatterns;
};

#endif
