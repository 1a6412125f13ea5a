#ifndef IPARAM_H
#define IPARAM_H

// One plug-in parameter: its type, plain value, range, step, response
// curve and how it is shown as text. The host and the editor's controls see
// the value normalised to 0..1 through the curve; the plug-in reads the
// plain value.

#include "KIT_TypedBuf.h"

class IParam {
public:
  enum EParamType { kTypeNone = 0, kTypeBool, kTypeInt, kTypeEnum, kTypeDouble };

  // Field sizes, terminator included. Every copy into them is cut to fit.
  static constexpr int kNameLen = 64;
  static constexpr int kLabelLen = 32;
  static constexpr int kDisplayTextLen = 32;
  // GetDisplayForHost writes at most this many bytes unless told otherwise.
  static constexpr int kDisplayLen = 32;

  struct DisplayText {
    int mValue;
    char mText[kDisplayTextLen];
  };

  IParam();
  ~IParam() = default;
  IParam(const IParam&) = delete;
  IParam& operator=(const IParam&) = delete;

  // Host user-interface thread, as the plug-in declares its parameters.
  // Declaration. Each sets the type only while it is still none.
  void InitBool(const char* name, bool defaultVal);
  void InitEnum(const char* name, int defaultVal, int nEnums);
  void InitInt(const char* name, int defaultVal, int minVal, int maxVal, const char* label = "");
  void InitDouble(const char* name, double defaultVal, double minVal, double maxVal, double step,
                  const char* label = "");
  void SetShape(double shape);  // ignored when 0
  void SetDisplayText(int value, const char* text);
  // Declared as `declared` is (type, value, range, step, curve, precision,
  // name, label, negation, display texts), sharing its display texts until
  // one is added here: `declared` must outlive this parameter and change no
  // more (a declaration made once for every instance). The host-hidden
  // flag stays.
  void InitFrom(const IParam& declared);

  bool IsHostHidden() const { return mHostHidden != 0; }
  void SetHostHidden(bool hidden) { mHostHidden = hidden ? 1 : 0; }
  bool IsDisplayNegated() const { return mNegateDisplay; }
  void SetDisplayNegated(bool negate) { mNegateDisplay = negate; }

  // Any thread, under the plug lock, from here on.
  // Values.
  void Set(double value);                      // clamped to [min, max]; NaN gives min
  void SetNormalized(double normalizedValue);  // input clamped to [0, 1]; NaN gives 0
  double GetNormalized() const;
  double ToNormalized(double value) const;  // 0 when min == max
  // The plain value SetNormalized would set.
  double FromNormalized(double normalizedValue) const;
  double Value() const { return mValue; }
  bool Bool() const { return mValue >= 0.5; }
  int Int() const { return (int)mValue; }

  EParamType Type() const { return (EParamType)mType; }
  double GetMin() const { return mMin; }
  double GetMax() const { return mMax; }
  double GetStep() const { return mStep; }
  double GetShape() const { return mShape; }
  int GetPrecision() const { return mDisplayPrecision; }
  void GetBounds(double* pMin, double* pMax) const;

  // Text.
  const char* GetNameForHost() const { return mName; }
  const char* GetLabelForHost() const { return mLabel; }
  int NDisplayTexts() const { return Texts().GetSize(); }
  // The text of the first display text with this value, or "".
  const char* GetDisplayText(int value) const;
  // The display text at idx in the order added (its value into *pValue when
  // given), or "" out of range.
  const char* GetDisplayTextAtIdx(int idx, int* pValue = nullptr) const;
  // Finds the first display text equal to str (case-sensitive).
  bool MapDisplayText(const char* str, int* pValue) const;
  // The value as text into str, at most strSize bytes with the terminator.
  // With normalized set, value is taken as normalised (through the curve,
  // not rounded to the step).
  void GetDisplayForHost(double value, bool normalized, char* str, bool withDisplayText = true,
                         int strSize = kDisplayLen) const;
  // The current value as text.
  void GetDisplayForHost(char* str, bool withDisplayText = true, int strSize = kDisplayLen) const
  {
    GetDisplayForHost(mValue, false, str, withDisplayText, strSize);
  }

private:
  const KIT_TypedBuf<DisplayText>& Texts() const { return mSharedTexts ? *mSharedTexts : mDisplayTexts; }

  int mType;
  int mHostHidden;
  double mValue;
  double mMin, mMax;
  double mStep;
  double mShape;
  int mDisplayPrecision;
  char mName[kNameLen];
  char mLabel[kLabelLen];
  bool mNegateDisplay;
  KIT_TypedBuf<DisplayText> mDisplayTexts;
  const KIT_TypedBuf<DisplayText>* mSharedTexts = nullptr;  // in place of mDisplayTexts
};

#endif
