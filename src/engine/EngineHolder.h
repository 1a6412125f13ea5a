#ifndef ENGINEHOLDER_H
#define ENGINEHOLDER_H

// Ties one engine together: its patterns, scenes, the link to the step
// editor, the note hub, the transport figures of the current block and the
// random source; the application registers itself here.

#include "RandomSource.h"
#include "TransportFigures.h"

class Application;
class NoteEngine;
class PatternList;
class PatternViewLink;
class SceneList;

class EngineHolder {
public:
  EngineHolder();
  ~EngineHolder();

  EngineHolder(const EngineHolder&) = delete;
  EngineHolder& operator=(const EngineHolder&) = delete;

  PatternList* GetPatternList() const { return mPatterns; }
  SceneList* GetSceneList() const { return mScenes; }
  PatternViewLink* GetViewLink() const { return mLink; }
  NoteEngine* GetNoteEngine() const { return mHub; }
  Application* GetApplication() const { return mApp; }
  void SetApplication(Application* app) { mApp = app; }

  // Written by whoever drives the block, before ProcessBlock.
  TransportFigures& GetTransport() { return mTransport; }

  // How often one of the engine's record pools was found dry: each time a
  // note was not started, or a key not queued, for want of a record.
  int GetDryCount() const { return mDryCount; }
  int* DryCounter() { return &mDryCount; }

  RandomSource* GetRandomSource() const { return mRandom; }
  // Not owned; null goes back to the C library's generator.
  void SetRandomSource(RandomSource* random);

private:
  TransportFigures mTransport;
  int mDryCount = 0;
  CLibraryRandom mLibraryRandom;
  RandomSource* mRandom = &mLibraryRandom;
  PatternViewLink* mLink = nullptr;
  PatternList* mPatterns = nullptr;
  SceneList* mScenes = nullptr;
  NoteEngine* mHub = nullptr;
  Application* mApp = nullptr;
};

#endif
