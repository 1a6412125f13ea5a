#ifndef UIEVENTHANDLER_H
#define UIEVENTHANDLER_H

// The parameter router: hands every parameter change, from the host or
// the editor, to the engine operation it drives, then writes the change's
// status text.

class EngineHolder;
class PatternEngine;
class Tolvo;
class TolvoApp;

class UIEventHandler {
public:
  UIEventHandler(Tolvo* plug, TolvoApp* app, EngineHolder* engine);

  // value is the parameter's plain value.
  void OnParamChange(int index, double value);
  void ShowParamStatus(int index, double value);

private:
  void RouteToEngine(int index, double value);
  void SetSplitNote();
  PatternEngine* Pattern() const;

  Tolvo* mPlug;
  TolvoApp* mApp;
  EngineHolder* mEngine;
  int mSplitNoteName = 0;
  int mSplitOctave = 0;
};

#endif
