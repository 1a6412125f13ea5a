#ifndef LANEVIEW_H
#define LANEVIEW_H

// The step editor as the parameter router sees it: the lane it shows and
// the values of that lane's steps. Either host thread, under the plug
// lock; none waits for the editor.

class LaneView {
public:
  // The first parameter of the lane shown.
  virtual void SetShownLane(int lane) = 0;
  virtual int GetShownLane() const = 0;
  // A step's value, in the parameter's plain units, to show from the next
  // tick on while its lane is shown; dropped while no pattern is shown.
  virtual void PostStepValue(int lane, int step, double minimum, double maximum, double value) = 0;

protected:
  ~LaneView() = default;
};

#endif
