#include "EngineHolder.h"

#include "NoteEngine.h"
#include "PatternEngine.h"
#include "PatternList.h"
#include "PatternViewLink.h"
#include "Scene.h"

EngineHolder::EngineHolder()
{
  m_link = new PatternViewLink(this);
  m_patterns = new PatternList(this);
  m_scenes = new SceneList(m_patterns, &m_transport);
  m_hub = new NoteEngine(this);
}

EngineHolder::~EngineHolder()
{
  // The hub and the scenes end notes in the patterns, so they go first.
  delete m_hub;
  m_hub = nullptr;
  delete m_scenes;
  m_scenes = nullptr;
  delete m_patterns;
  m_patterns = nullptr;
  delete m_link;
  m_link = nullptr;
}

void EngineHolder::SetRandomSource(RandomSource* random)
{
  m_random = random ? random : &m_libraryRandom;
  for (int i = 0; i < m_patterns->GetSize(); ++i) m_patterns->Get(i)->GetStepper().SetRandomSource(m_random);
}
