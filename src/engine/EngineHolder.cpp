#include "EngineHolder.h"

#include "NoteEngine.h"
#include "PatternEngine.h"
#include "PatternList.h"
#include "PatternViewLink.h"
#include "Scene.h"

EngineHolder::EngineHolder()
{
  mLink = new PatternViewLink(this);
  mPatterns = new PatternList(this);
  mScenes = new SceneList(mPatterns, &mTransport);
  mHub = new NoteEngine(this);
}

EngineHolder::~EngineHolder()
{
  // The hub and the scenes end notes in the patterns, so they go first.
  delete mHub;
  mHub = nullptr;
  delete mScenes;
  mScenes = nullptr;
  delete mPatterns;
  mPatterns = nullptr;
  delete mLink;
  mLink = nullptr;
}

void EngineHolder::SetRandomSource(RandomSource* random)
{
  mRandom = random ? random : &mLibraryRandom;
  for (int i = 0; i < mPatterns->GetSize(); ++i) mPatterns->Get(i)->GetStepper().SetRandomSource(mRandom);
}
