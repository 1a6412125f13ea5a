#ifndef PATTERNVIEW_H
#define PATTERNVIEW_H

// The step editor: the 16 steps of one lane of the current pattern as bars
// with value labels, drawn and set with the mouse; the notes the engine
// plays as markers on their steps, fading once the pattern moves on; the
// pattern's length; and the incoming-note light's countdown.
//
// Threads: the plug-in sets what it shows (pattern, lane, step values)
// under the plug lock, from either thread, and takes the editor lock to do
// so; drawing and the mouse run on the user-interface thread. The engine
// reports sounding notes from the audio thread under the plug lock; the
// markers are touched only under the view's own lock, which comes after
// the other two, and nothing else is taken while it is held.

#include "IControl.h"
#include "KIT_Mutex.h"
#include "PatternViewLink.h"

class PatternList;
class Tolvo;

struct NoteMarker {
  int note;
  int step;
  int age;  // -1 when made; 0 while its step plays
};

class PatternView : public IControl, public PatternViewTarget {
public:
  static constexpr int kSteps = 16;
  // One marker per note and step at the most.
  static constexpr int kMaxMarkers = 128 * kSteps;

  // markers: the note marker's frames by age; lengthBar: one frame per
  // pattern length from 0 to 16 steps. The indicator is the incoming-note
  // light.
  PatternView(Tolvo* pPlug, const IRECT& rect, int paramIdx, const IBitmapStrip& markers, const IBitmapStrip& lengthBar,
              IControl* pIndicator, PatternList* pPatterns, int blendMethod = IChannelBlend::kBlendAlpha);

  // --- From the plug-in, under the plug lock ---
  // -1: none, and nothing is drawn.
  void SetCurrentPattern(int pattern);
  int GetCurrentPattern() const { return mCurrentPattern; }
  // The first parameter of the lane shown.
  void SetShownLane(int lane);
  int GetShownLane() const { return mShownLane; }
  // Kept only for the lane shown; values in the parameter's plain units.
  void SetStepValue(int lane, int step, double minimum, double maximum, double value);
  // A note came in: the light shows it and fades.
  void NoteIn();
  // The steps of the lane shown back to 0.
  void ResetSteps();

  // The bar (0..15) under the point, -1 for none.
  int StepAt(int x, int y) const;

  // --- The engine's reports, audio thread ---
  void UpdateNotes(const KIT_PtrList<HeldNote>* sounding) override;
  void ClearNotes() override;

  // --- The editor ---
  void OnMouseDown(int x, int y, const IMouseModifiers& mod) override;
  void OnMouseDrag(int x, int y, int dX, int dY, const IMouseModifiers& mod) override;
  void OnMouseDblClick(int x, int y, const IMouseModifiers& mod) override;
  // Redrawn on every frame.
  bool IsDirty() override { return true; }
  bool Draw(IGraphics* pGraphics) override;

  const IBitmapStrip& GetMarkerStrip() const { return mMarkerStrip; }
  const IBitmapStrip& GetLengthBar() const { return mLengthBar; }
  // The markers as they are now.
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
  // Ages the markers off the playing step and drops the old ones; with a
  // list, first renews or makes the markers of its notes. Under the view's
  // lock.
  void AgeMarkers(const KIT_PtrList<HeldNote>* sounding);
  // The light's value for this frame.
  double CountDown();
  void DrawBars(IGraphics* pGraphics);
  void DrawMarkers(IGraphics* pGraphics);

  Tolvo* mTolvo;
  int mCurrentPattern = -1;
  KIT_Mutex mViewLock;
  int mShownLane;
  int mCountdown = 1;  // under the view's lock
  Step mSteps[kSteps];
  NoteMarker mMarkers[kMaxMarkers];  // the first mNMarkers, under the view's lock
  int mNMarkers = 0;
  IBitmapStrip mMarkerStrip, mLengthBar;
  IControl* mIndicator;
  PatternList* mPatterns;
};

#endif
