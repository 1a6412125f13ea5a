#include "ScaleQuantizer.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(ScaleQuantizer, TableOfScales)
{
  // Names as the "Scale" parameter shows them, trailing blanks included.
  const char* const names[ScaleQuantizer::kScaleCount] = {"Major",
                                                          "Minor",
                                                          "Melodic Minor",
                                                          "Harmonic Minor",
                                                          "Minor Pentatonic",
                                                          "Major Pentatonic",
                                                          "Blues Pentatonic",
                                                          "Neut. Pentatonic",
                                                          "Dim Half",
                                                          "Dim Whole",
                                                          "Whole",
                                                          "Augmented",
                                                          "Chromatic",
                                                          "Roumanian Minor",
                                                          "Spanish Gypsy ",
                                                          "Blues",
                                                          "Diatonic",
                                                          "Double Harmonic ",
                                                          "Eight Tone Spanish ",
                                                          "Enigmatic",
                                                          "Leading Whole Tone ",
                                                          "Lydian Augmented ",
                                                          "Neoploitan Major",
                                                          "Neopolitan Minor ",
                                                          "Pelog",
                                                          "Prometheus",
                                                          "Promet. Neop.",
                                                          "Six Tone Sym.",
                                                          "Super Locrian",
                                                          "Lydian Minor",
                                                          "Lydian Dim",
                                                          "Nine Tone Scale",
                                                          "Aux Dim",
                                                          "Aux Augmented",
                                                          "Aux Dim Blues",
                                                          "Major Locrian",
                                                          "Overtone",
                                                          "Dim Whole Tone ",
                                                          "Pure Minor",
                                                          "Dominant 7th"};
  const char* const masks[ScaleQuantizer::kScaleCount] = {
      "101011010101", "101101011010", "101101011001", "101101011001", "100101010010", "101010010100", "100101110010",
      "101001010010", "110110110110", "101101101101", "101010101010", "100110011001", "111111111111", "101100110110",
      "110011011010", "100101110010", "101010010100", "110011011001", "110111101010", "110010101011", "101010101011",
      "101010101101", "110101010101", "110101011010", "110100011000", "101010100110", "110010100110", "110011001100",
      "110110101010", "101010111010", "101100110101", "101110111101", "101101101101", "101010101010", "110110110110",
      "101011101010", "101010110110", "110110101010", "101101011010", "101011010110"};
  for (int s = 0; s < ScaleQuantizer::kScaleCount; ++s) {
    SCOPED_TRACE(s);
    EXPECT_EQ(std::string(names[s]), ScaleQuantizer::GetScaleName(s));
    std::string m;
    for (int j = 0; j < 12; ++j) m += ScaleQuantizer::GetScaleMask(s)[j] ? '1' : '0';
    EXPECT_EQ(masks[s], m);
  }
  EXPECT_EQ(nullptr, ScaleQuantizer::GetScaleName(40));
  EXPECT_EQ(nullptr, ScaleQuantizer::GetScaleMask(-1));
}

TEST(ScaleQuantizer, Quantize)
{
  struct Case {
    const char* name;
    int scale, key, mode, snap, value, result;
  };
  const Case cases[] = {
      {"off clamps", -1, 0, 0, 0, 130, 127},
      {"off clamps below", -1, 0, 0, 0, -5, 0},
      {"chromatic keeps", 12, 5, 3, 0, 61, 61},
      {"below the table", 0, 0, 0, 0, -1, 0},
      {"major on C keeps E", 0, 0, 0, 0, 64, 64},
      {"major on C lifts F#", 0, 0, 0, 0, 66, 67},
      {"major on D lifts C to C#", 0, 2, 0, 0, 60, 61},
      {"major on D keeps B", 0, 2, 0, 0, 71, 71},
      {"snap down: C to B", 0, 2, 0, 1, 60, 59},
      {"nearest: F# in C major is a tie, which goes up", 0, 0, 0, 2, 66, 67},
      {"nearest: C# in C minor pentatonic goes down", 4, 0, 0, 2, 61, 60},
      {"mode 5 of major on C is lydian: F to F#", 0, 0, 5, 0, 65, 66},
      {"mode 5 with key G", 0, 7, 5, 0, 60, 61},
      {"127 out of scale stays 127", 5, 0, 0, 0, 127, 127},
      {"pelog wraps round to the next octave", 24, 0, 0, 0, 70, 72},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ScaleQuantizer q;
    q.SetScale(c.scale);
    q.SetKey(c.key);
    q.SetMode(c.mode);
    q.SetSnapMode(c.snap);
    EXPECT_EQ(c.result, q.Quantize(c.value));
  }
}

TEST(ScaleQuantizer, OffAndBackKeepsKeyAndMode)
{
  ScaleQuantizer q;
  q.SetScale(0);
  q.SetKey(2);
  q.SetMode(5);
  const int before = q.Quantize(60);
  q.SetScale(-1);
  q.SetMode(5);  // nothing rebuilt while off
  EXPECT_EQ(60, q.Quantize(60));
  q.SetScale(0);
  EXPECT_EQ(before, q.Quantize(60));
  EXPECT_EQ(2, q.GetKey());
  EXPECT_EQ(5, q.GetMode());
}

TEST(ScaleQuantizer, StartsAsMinorAndRejectsIndicesOutsideTheTable)
{
  ScaleQuantizer q;
  EXPECT_EQ(1, q.GetScale());
  EXPECT_EQ(65, q.Quantize(64));  // E up to F
  q.SetScale(40);
  EXPECT_EQ(ScaleQuantizer::kOff, q.GetScale());
  EXPECT_EQ(64, q.Quantize(64));
}

}  // namespace
