#include "Scene.h"

#include "PatternEngine.h"
#include "PatternList.h"

Scene::Scene(PatternList* patterns, int index, const TransportFigures* transport)
  : Stepper(4.0, transport), m_patterns(patterns), m_index(index)
{
  for (SceneStep& s : m_steps) s.pattern = index;
}

PatternEngine* Scene::CurrentPattern() const { return m_patterns->Get(m_steps[m_currentStep].pattern); }

void Scene::PlayBlock(double P, double N, double samplesPerBeat, bool restart, double O)
{
  if (PatternEngine* p = CurrentPattern()) p->Advance(P, N, samplesPerBeat, restart, O);
}

void Scene::AdvanceStep(double samplesPerBeat)
{
  const StepTime old = m_times[m_currentStep];
  m_currentStep = (m_currentStep + 1) % kSteps;
  ComputeTimes(old.next, false, old.nextAgain, samplesPerBeat);
}

void Scene::ResetAt(double time)
{
  Stepper::Reset();
  if (PatternEngine* p = m_patterns->Get(m_index)) p->Stop(time);
}

void Scene::SetStep(int step, int field, int value)
{
  if (field == 0 && step >= 0 && step < kSteps) m_steps[step].pattern = value;
}

SceneList::SceneList(PatternList* patterns, const TransportFigures* transport)
{
  Scene* s = new Scene(patterns, 0, transport);
  s->SetActive(true);
  if (!m_scenes.Add(s)) delete s;
}

SceneList::~SceneList() { m_scenes.Empty(true); }

void SceneList::Process(double position, double length, double samplesPerBeat, bool restart, double offset)
{
  m_stopped = false;
  Scene* s = m_scenes.Get(0);
  if (s && s->IsActive()) s->Process(position, length, samplesPerBeat, restart, offset);
}

void SceneList::Stop(double time)
{
  if (m_stopped) return;
  m_stopped = true;
  Scene* s = m_scenes.Get(0);
  if (s && s->IsActive()) s->ResetAt(time);
}

void SceneList::SetPaused(bool paused)
{
  Scene* s = m_scenes.Get(0);
  if (s && s->IsActive()) s->SetPaused(paused);
}
