#ifndef PARAMSETTERS_H
#define PARAMSETTERS_H

// What each parameter's change does: one setter per parameter record,
// named after the parameter, and what the setters reach. Under the plug
// lock, from either thread; allocation-free.

#include "ParamTable.h"

class EngineHolder;
class LaneView;
class RouterHost;
class TolvoApp;

// The setters' targets: the engine, the application, the plug-in and the
// step editor (none owned), and the router's own split-note figures.
struct ParamRoute {
  EngineHolder* engine;
  TolvoApp* app;
  RouterHost* plug;
  LaneView* view;
  // "Split note name" and "Split note number", which set the split note
  // together.
  int splitNoteName = 0, splitOctave = 0;
};

namespace Route {

TolvoParams::ParamSetter Gate, Hold, StepRate, StepRateType, Direction, SortOrder, Swing, Octaves, Transpose,
    VelocityMode, ResetOnNewNote, ResetNoteList, ResetOnBeat, ResetOnBeatValue, StepOn, PatternSteps, PatternOn,
    CustomSortOrder, Scale, ScaleKey, ScaleMode, StepLength, StepGate, StepAccent, StepTranspose, StepDiv, StepShift,
    StepData, StepCC1, StepCC2, PatternSelection, SceneSelection, PatternSwitch, MidiInChannel, MidiOutChannel,
    CC1Control, CC2Control, CC1Teach, CC2Teach, SplitNoteName, SplitNoteNumber, SplitSide, StepMode, MidiOutput;

}  // namespace Route

#endif
