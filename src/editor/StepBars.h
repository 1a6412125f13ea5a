#ifndef STEPBARS_H
#define STEPBARS_H

// The arithmetic the step editors share: where a step's bar lies for its
// value, and what value a mouse position sets. Values are in the
// parameter's plain units over [minimum, maximum]; the bars stand on a zero
// line over a height of kBarsHeight pixels from barsTop.

namespace StepBars {

const int kBarsHeight = 111;
const int kSteps = 16;

// The column (0..15) that holds x: `width` pixels every `pitch` from left;
// -1 for none.
int ColumnAt(int x, int left, int pitch, int width);

struct Span {
  int top, bottom;  // the bar covers top <= y < bottom
};

// A bar from the zero line to the value, at least one pixel tall.
Span BarSpan(double value, double minimum, double maximum, int barsTop);

// The normalized value a mouse at y sets, held to 0..1.
double ValueAt(int y, double minimum, double maximum, int barsTop);

}  // namespace StepBars

#endif
