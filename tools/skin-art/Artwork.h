#ifndef ARTWORK_H
#define ARTWORK_H

// Every image of the editor, by its file name under resources/.

#include <functional>
#include <string>
#include <vector>

#include "Canvas.h"
#include "IGraphicRecords.h"
#include "PixelFont.h"
#include "SkinRects.h"

struct Artwork {
  std::string file;  // "images/background.png" and so on
  int frameWidth, frameHeight, frames;
  // Draws the whole image from the size of one frame.
  std::function<Canvas(int frameWidth, int frameHeight)> draw;
};

// The skin gives the background and the about box their places.
std::vector<Artwork> AllArtwork(const std::vector<IRECT>& skin, const Fonts& fonts);

// Frames of one size stacked top to bottom, frame k (0-based) drawn by draw.
Canvas Strip(int width, int height, int frames, const std::function<void(Canvas&, int)>& draw);

// Knobs: a pointer over 270 degrees; a bipolar knob lights its track from
// the top, a stepped one marks each of its positions.
Canvas KnobStrip(int size, int frames, bool bipolar, bool stepped);

// Two frames, off and on.
Canvas LatchButtonStrip(int width, int height);
Canvas StepButtonStrip(int width, int height);
Canvas TeachButtonStrip(int width, int height);
Canvas StepModeButtonStrip(int width, int height);

// The pattern view's pieces and the light that blinks with incoming notes.
Canvas NoteMarkerStrip(int width, int height, int frames);
Canvas LengthBarStrip(int stepWidth, int stepPitch, int steps, int height);
Canvas NoteLightStrip(int size, int frames);

// Labels in the font; the step mode buttons' recess fits their width.
Canvas Background(const std::vector<IRECT>& skin, const PixelFont& font, int width, int height, int modeButtonWidth);
// The about box has its top-left corner at skin rectangle 9; with the
// MIDI output field, the variant of the macOS build.
Canvas AboutBox(const std::vector<IRECT>& skin, const Fonts& fonts, int width, int height, bool midiOutputField);

#endif
