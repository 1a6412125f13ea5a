#ifndef TOLVO_SCENE_H
#define TOLVO_SCENE_H

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
  void PlayBlock(double P, double N, double samplesPerBeat, bool restart, double O) override;
  void Reset() override { ResetAt(0.0); }
  // time: the block offset at which the scene's pattern stops.
  void ResetAt(double time);

  void SetStep(int step, int field, int value);
  const SceneStep& GetStep(int step) const { return m_steps[step]; }

private:
  PatternEngine* CurrentPattern() const;

  PatternList* m_patterns;
  SceneStep m_steps[kSteps];
  int m_index;
};

class SceneList {
public:
  SceneList(PatternList* patterns, const TransportFigures* transport);
  ~SceneList();

  SceneList(const SceneList&) = delete;
  SceneList& operator=(const SceneList&) = delete;

  void Process(double position, double length, double samplesPerBeat, bool restart, double offset);
  void Stop(double time);
  void SetPaused(bool paused);

  Scene* GetScene(int index) const { return m_scenes.Get(index); }
  int GetSplitNote() const { return m_splitNote; }
  void SetSplitNote(int note) { m_splitNote = note; }
  int GetSplitSide() const { return m_splitSide; }
  void SetSplitSide(int side) { m_splitSide = side; }

private:
  bool m_stopped = false;
  int m_splitNote = 47;
  int m_splitSide = 0;
  KIT_PtrList<Scene> m_scenes;
};

#endif
