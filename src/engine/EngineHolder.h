#ifndef TOLVO_ENGINEHOLDER_H
#define TOLVO_ENGINEHOLDER_H

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

  PatternList* GetPatternList() const { return m_patterns; }
  SceneList* GetSceneList() const { return m_scenes; }
  PatternViewLink* GetViewLink() const { return m_link; }
  NoteEngine* GetNoteEngine() const { return m_hub; }
  Application* GetApplication() const { return m_app; }
  void SetApplication(Application* app) { m_app = app; }

  // Written by whoever drives the block, before ProcessBlock.
  TransportFigures& GetTransport() { return m_transport; }

  RandomSource* GetRandomSource() const { return m_random; }
  // Not owned; null goes back to the C library's generator.
  void SetRandomSource(RandomSource* random);

private:
  TransportFigures m_transport;
  CLibraryRandom m_libraryRandom;
  RandomSource* m_random = &m_libraryRandom;
  PatternViewLink* m_link = nullptr;
  PatternList* m_patterns = nullptr;
  SceneList* m_scenes = nullptr;
  NoteEngine* m_hub = nullptr;
  Application* m_app = nullptr;
};

#endif
