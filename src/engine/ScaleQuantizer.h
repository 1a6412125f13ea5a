#ifndef TOLVO_SCALEQUANTIZER_H
#define TOLVO_SCALEQUANTIZER_H

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
  void SetSnapMode(int snap) { m_snap = snap; }

  // A note number 0-127.
  int Quantize(int value) const;

  int GetScale() const { return m_scale; }
  int GetKey() const { return m_key; }
  int GetMode() const { return m_mode; }

  // The scale's name as the "Scale" parameter shows it, blanks included.
  static const char* GetScaleName(int index);
  // 12 entries from the root upward, 1 where the semitone is in the scale.
  static const int* GetScaleMask(int index);

private:
  void Rebuild();

  int m_offset;
  int m_mode;
  int m_mask[12];
  int m_rotated[12];  // by pitch class, 0 = C
  int m_scale;
  int m_key;
  int m_snap;
};

#endif
