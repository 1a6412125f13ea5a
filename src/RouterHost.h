#ifndef ROUTERHOST_H
#define ROUTERHOST_H

// The plug-in as the parameter router sees it: the few things of the
// plug-in's own that parameter changes and observed clicks reach. None
// waits for the editor: each posts what the editor is to show, and the
// editor shows it on its next tick. Either host thread, under the plug
// lock: a parameter change, or an editor event on the host user-interface
// thread (both locks held).

class RouterHost {
public:
  virtual void SetMidiChannel(bool isInput, int channel) = 0;
  virtual void SetCCNumber(bool isCC1, int number) = 0;
  virtual void SetCCTeach(bool isCC1, bool on) = 0;
  // "MIDI output": the host's callback or the plug-in's own virtual source,
  // where the binding has both.
  virtual void SetMidiOutputFromParam(int choice) = 0;
  virtual void OnPatternChanged(int pattern) = 0;
  virtual void OnSceneChanged(int scene) = 0;
  // which: 1 "Reset on new note", 2 "Reset note list on pattern reset",
  // 3 "Reset on beat (on/off)"; shows that switch on or off.
  virtual void ShowResetSwitch(int which, bool on) = 0;
  // The step view shows the value of the n-th control filed under key on
  // the pattern page (the scene page with scenePage) from its next tick.
  virtual void UpdateStepView(int key, int n, bool scenePage) = 0;
  // The status line describes the change of that parameter to that plain
  // value, from the first processed block on; a change that has no text
  // leaves it.
  virtual void PostStatus(int index, double value) = 0;

  // In an editor event only.
  virtual void RequestAllNotesOff() = 0;
  virtual void ToggleAboutBox() = 0;
  // 0 for an index that does not exist.
  virtual double GetParamValue(int index) const = 0;

protected:
  ~RouterHost() = default;
};

#endif
