#ifndef UIEVENTHANDLER_H
#define UIEVENTHANDLER_H

// The parameter router: hands every parameter change, from the host or
// the editor, to the setter its record names, then posts the change's
// status text. As an observer of some editor controls it acts on their
// clicks by the kind the plug-in gave each.

#include "ISubject.h"
#include "ParamSetters.h"

// What an observed control is, as ISubject's kind.
enum EControlKind {
  kKindStepButton = 0,
  kKindStepCarrier = 1,
  kKindSortSlot = 2,
  kKindStepMode = 3,
  kKindNoteLight = 4,  // a double click stops every note
  kKindKnob = 5,       // with the right button, shows its parameter's status
  kKindAbout = 6       // a mouse-up shows or hides the about box
};

class UIEventHandler : public IObserverInterface {
public:
  // Host user-interface thread, from the plug-in's constructor; none of
  // them owned.
  UIEventHandler(RouterHost* plug, TolvoApp* app, EngineHolder* engine, LaneView* view);

  // Either host thread, under the plug lock: value is the parameter's plain value.
  void OnParamChange(int index, double value);

  // Host user-interface thread, under the editor lock: the editor's tick.
  void Update(ISubject* pSubject) override {}
  // Host user-interface thread, in an editor event (both locks held).
  void Notify(ISubject* pSubject, int x, int y, int event, const IMouseModifiers& mod) override;

private:
  void ShowParamStatus(int index, double value);

  ParamRoute mRoute;
};

#endif
