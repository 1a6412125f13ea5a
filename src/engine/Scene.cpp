#include "Scene.h"

#include "PatternEngine.h"
#include "PatternList.h"

Scene::Scene(PatternList* patterns, int index, const TransportFigures* transport)
  : Stepper(4.0, transport), mPatterns(patterns), mIndex(index)
{
  for (SceneStep& s : mSteps) s.pattern = index;
}

PatternEngine* Scene::CurrentPattern() const { return mPatterns->Get(mSteps[mCurrentStep].pattern); }

void Scene::PlayBlock(double pieceStart, double pieceLength, double samplesPerBeat, bool restart, double pieceOffset)
{
  if (PatternEngine* p = CurrentPattern()) p->Advance(pieceStart, pieceLength, samplesPerBeat, restart, pieceOffset);
}

void Scene::AdvanceStep(double samplesPerBeat)
{
  const StepTime old = mTimes[mCurrentStep];
  mCurrentStep = (mCurrentStep + 1) % kSteps;
  ComputeTimes(old.next, false, old.nextAgain, samplesPerBeat);
}

void Scene::ResetAt(double time)
{
  Stepper::Reset();
  if (PatternEngine* p = mPatterns->Get(mIndex)) p->Stop(time);
}

void Scene::SetStep(int step, int field, int value)
{
  if (field == 0 && step >= 0 && step < kSteps) mSteps[step].pattern = value;
}

SceneList::SceneList(PatternList* patterns, const TransportFigures* transport)
{
  Scene* s = new Scene(patterns, 0, transport);
  s->SetActive(true);
  if (!mScenes.Add(s)) delete s;
}

SceneList::~SceneList() { mScenes.Empty(true); }

void SceneList::Process(double pieceStart, double pieceLength, double samplesPerBeat, bool restart, double pieceOffset)
{
  mStopped = false;
  Scene* s = mScenes.Get(0);
  if (s && s->IsActive()) s->Process(pieceStart, pieceLength, samplesPerBeat, restart, pieceOffset);
}

void SceneList::Stop(double time)
{
  if (mStopped) return;
  mStopped = true;
  Scene* s = mScenes.Get(0);
  if (s && s->IsActive()) s->ResetAt(time);
}

void SceneList::SetPaused(bool paused)
{
  Scene* s = mScenes.Get(0);
  if (s && s->IsActive()) s->SetPaused(paused);
}
