#ifndef SCENE_H
#define SCENE_H

// Scenes: a stepper over 32 scene steps, each naming the pattern it plays,
// and the scene list with the key-split settings. The plug-in keeps one
// paused scene, so every piece plays pattern 0.

#include "KIT_PtrList.h"
#include "Stepper.h"

class PatternList;
class PatternEngine;

struct SceneStep {
  int pattern;
};

class Scene : public Stepper {
public:
  enum { kSteps = 32 };

  Scene(PatternList* patterns, int index, const TransportFigures* transport);

  void AdvanceStep(double samplesPerBeat) override;
  void PlayBlock(double pieceStart, double pieceLength, double samplesPerBeat, bool restart,
                 double pieceOffset) override;
  void Reset() override { ResetAt(0.0); }
  // time: the block offset at which the scene's pattern stops.
  void ResetAt(double time);

  void SetStep(int step, int field, int value);
  const SceneStep& GetStep(int step) const { return mSteps[step]; }

private:
  PatternEngine* CurrentPattern() const;

  PatternList* mPatterns;
  SceneStep mSteps[kSteps];
  int mIndex;
};

class SceneList {
public:
  SceneList(PatternList* patterns, const TransportFigures* transport);
  ~SceneList();

  SceneList(const SceneList&) = delete;
  SceneList& operator=(const SceneList&) = delete;

  // The piece as Stepper::Process takes it.
  void Process(double pieceStart, double pieceLength, double samplesPerBeat, bool restart, double pieceOffset);
  void Stop(double time);
  void SetPaused(bool paused);

  Scene* GetScene(int index) const { return mScenes.Get(index); }
  int GetSplitNote() const { return mSplitNote; }
  void SetSplitNote(int note) { mSplitNote = note; }
  int GetSplitSide() const { return mSplitSide; }
  void SetSplitSide(int side) { mSplitSide = side; }

private:
  bool mStopped = false;
  int mSplitNote = 47;
  int mSplitSide = 0;
  KIT_PtrList<Scene> mScenes;
};

#endif
