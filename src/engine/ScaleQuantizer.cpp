#include "ScaleQuantizer.h"

#include <cstring>

namespace {

struct ScaleEntry {
  const char* name;
  const char* mask;  // C..B from the root
};

const ScaleEntry kScales[ScaleQuantizer::kScaleCount] = {
    {"Major", "101011010101"},
    {"Minor", "101101011010"},
    {"Melodic Minor", "101101011001"},
    {"Harmonic Minor", "101101011001"},
    {"Minor Pentatonic", "100101010010"},
    {"Major Pentatonic", "101010010100"},
    {"Blues Pentatonic", "100101110010"},
    {"Neut. Pentatonic", "101001010010"},
    {"Dim Half", "110110110110"},
    {"Dim Whole", "101101101101"},
    {"Whole", "101010101010"},
    {"Augmented", "100110011001"},
    {"Chromatic", "111111111111"},
    {"Roumanian Minor", "101100110110"},
    {"Spanish Gypsy ", "110011011010"},
    {"Blues", "100101110010"},
    {"Diatonic", "101010010100"},
    {"Double Harmonic ", "110011011001"},
    {"Eight Tone Spanish ", "110111101010"},
    {"Enigmatic", "110010101011"},
    {"Leading Whole Tone ", "101010101011"},
    {"Lydian Augmented ", "101010101101"},
    {"Neoploitan Major", "110101010101"},
    {"Neopolitan Minor ", "110101011010"},
    {"Pelog", "110100011000"},
    {"Prometheus", "101010100110"},
    {"Promet. Neop.", "110010100110"},
    {"Six Tone Sym.", "110011001100"},
    {"Super Locrian", "110110101010"},
    {"Lydian Minor", "101010111010"},
    {"Lydian Dim", "101100110101"},
    {"Nine Tone Scale", "101110111101"},
    {"Aux Dim", "101101101101"},
    {"Aux Augmented", "101010101010"},
    {"Aux Dim Blues", "110110110110"},
    {"Major Locrian", "101011101010"},
    {"Overtone", "101010110110"},
    {"Dim Whole Tone ", "110110101010"},
    {"Pure Minor", "101101011010"},
    {"Dominant 7th", "101011010110"},
};

struct MaskTable {
  int masks[ScaleQuantizer::kScaleCount][12];
  MaskTable()
  {
    for (int s = 0; s < ScaleQuantizer::kScaleCount; ++s)
      for (int j = 0; j < 12; ++j) masks[s][j] = kScales[s].mask[j] == '1';
  }
};

const MaskTable kMaskTable;

int Wrap12(int v) { return ((v % 12) + 12) % 12; }

}  // namespace

const char* ScaleQuantizer::GetScaleName(int index)
{
  return index >= 0 && index < kScaleCount ? kScales[index].name : nullptr;
}

const int* ScaleQuantizer::GetScaleMask(int index)
{
  return index >= 0 && index < kScaleCount ? kMaskTable.masks[index] : nullptr;
}

ScaleQuantizer::ScaleQuantizer() : mOffset(0), mMode(0), mScale(1), mKey(0), mSnap(kSnapUp)
{
  memcpy(mMask, kMaskTable.masks[1], sizeof mMask);
  Rebuild();
}

void ScaleQuantizer::SetKey(int key)
{
  mKey = Wrap12(key);
  Rebuild();
}

void ScaleQuantizer::SetScale(int index)
{
  // An index outside the table is taken as "off" rather than read past it.
  mScale = index >= 0 && index < kScaleCount ? index : kOff;
  if (mScale == kOff) return;
  memcpy(mMask, kMaskTable.masks[mScale], sizeof mMask);
  Rebuild();
}

void ScaleQuantizer::SetMode(int mode)
{
  mMode = Wrap12(mode);
  SetScale(mScale);
}

void ScaleQuantizer::Rebuild()
{
  for (int j = 0; j < 12; ++j) mRotated[(mKey + j) % 12] = mMask[(mMode + j) % 12];
}

int ScaleQuantizer::Quantize(int value) const
{
  int v = value + mOffset;
  if (mScale == kOff) return v < 0 ? 0 : (v > 127 ? 127 : v);
  if (v < 0) return 0;
  const int p = v % 12;
  if (!mRotated[p]) {
    int up = 1, down = 1;
    while (up < 12 && !mRotated[(p + up) % 12]) ++up;
    while (down < 12 && !mRotated[(p - down + 12) % 12]) ++down;
    if (mSnap == kSnapUp)
      v += up;
    else if (mSnap == kSnapDown)
      v -= down;
    else
      v = up > down ? v - down : v + up;
  }
  return v < 0 ? 0 : (v > 127 ? 127 : v);
}
