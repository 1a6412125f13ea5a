#ifndef APPLICATION_H
#define APPLICATION_H

// The application object's interface: it takes the hub's notes and is the
// block processor, and it knows whether Hold latches the notes.

#include "NoteEngine.h"
#include "Processor.h"

class Application : public NoteEngineListener, public Processor {
public:
  Application(ProcessorListener* listener, EngineHolder* engine) : Processor(listener, engine) {}
  virtual bool IsHoldOn() const = 0;
};

#endif
