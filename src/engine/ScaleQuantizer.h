#ifndef SCALEQUANTIZER_H
#define SCALEQUANTIZER_H

// Snaps note numbers into one of 40 scales, turned to a key and a mode
// (the scale degree taken as the root).

class ScaleQuantizer {
public:
  enum { kScaleCount = 40, kOff = -1 };
  enum { kSnapUp = 0, kSnapDown = 1, kSnapNearest = 2 };

  ScaleQuantizer();

  void SetKey(int key);
  void SetScale(int index);  // -1 turns the quantiser off
  void SetMode(int mode);
  void SetSnapMode(int snap) { mSnap = snap; }

  // A note number 0-127.
  int Quantize(int value) const;

  int GetScale() const { return mScale; }
  int GetKey() const { return mKey; }
  int GetMode() const { return mMode; }

  // The scale's name as the "Scale" parameter shows it, blanks included.
  static const char* GetScaleName(int index);
  // 12 entries from the root upward, 1 where the semitone is in the scale.
  static const int* GetScaleMask(int index);

private:
  void Rebuild();

  int mOffset;
  int mMode;
  int mMask[12];
  int mRotated[12];  // by pitch class, 0 = C
  int mScale;
  int mKey;
  int mSnap;
};

#endif
