#ifndef STEPVIEWHOST_H
#define STEPVIEWHOST_H

// The plug-in as the step views see it: the controls behind their bars.
// Host user-interface thread, under the plug lock: in an editor event or a
// menu's choice.

class StepViewHost {
public:
  // The n-th control filed under key on the pattern page (the scene page
  // with scenePage) takes the value as if the user had set it, between a
  // begin and an end edit for the host.
  virtual void SetControlFromView(int key, int n, double normalized, bool scenePage) = 0;
  // The view is posted the value of that control's parameter.
  virtual void UpdateStepView(int key, int n, bool scenePage) = 0;

protected:
  ~StepViewHost() = default;
};

#endif
