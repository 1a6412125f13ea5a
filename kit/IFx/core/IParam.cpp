#include "IParam.h"

#include <math.h>
#include <stdio.h>
#include <string.h>

#include "IFxUtilities.h"

namespace {

// Truncates toward zero into the int range.
int TruncToInt(double v)
{
  if (!(v == v)) return 0;
  if (v >= 2147483647.0) return 2147483647;
  if (v <= -2147483648.0) return (-2147483647 - 1);
  return (int)v;
}

}  // namespace

IParam::IParam()
  : mType(kTypeNone), mHostHidden(0), mValue(0.0), mMin(0.0), mMax(1.0), mStep(1.0), mShape(1.0), mDisplayPrecision(0),
    mNegateDisplay(false), mDisplayTexts(4096)
{
  mName[0] = 0;
  mLabel[0] = 0;
}

void IParam::InitBool(const char* name, bool defaultVal)
{
  if (mType == kTypeNone) mType = kTypeBool;
  InitDouble(name, defaultVal ? 1.0 : 0.0, 0.0, 1.0, 1.0, "");
  SetDisplayText(0, "off");
  SetDisplayText(1, "on");
}

void IParam::InitEnum(const char* name, int defaultVal, int nEnums)
{
  if (mType == kTypeNone) mType = kTypeEnum;
  InitDouble(name, (double)defaultVal, 0.0, (double)(nEnums - 1), 1.0, "");
}

void IParam::InitInt(const char* name, int defaultVal, int minVal, int maxVal, const char* label)
{
  if (mType == kTypeNone) mType = kTypeInt;
  InitDouble(name, (double)defaultVal, (double)minVal, (double)maxVal, 1.0, label);
}

void IParam::InitDouble(const char* name, double defaultVal, double minVal, double maxVal, double step,
                        const char* label)
{
  if (mType == kTypeNone) mType = kTypeDouble;
  CopyTextCut(mName, name, kNameLen);
  CopyTextCut(mLabel, label, kLabelLen);
  mValue = defaultVal;
  mMin = minVal;
  if (maxVal == 0.0 && minVal == 0.0)
    mMax = 0.0;
  else
    mMax = maxVal > minVal + step ? maxVal : minVal + step;
  mStep = step;

  // Each product is stored as a double: with x87 arithmetic (32-bit x86)
  // an extended-precision 0.01 x 10 would not come out whole.
  mDisplayPrecision = 0;
  for (volatile double s = step; mDisplayPrecision < 6 && s != floor(s); s = s * 10.0) ++mDisplayPrecision;
}

void IParam::SetShape(double shape)
{
  if (shape != 0.0) mShape = shape;
}

void IParam::SetDisplayText(int value, const char* text)
{
  if (mSharedTexts) {
    // From now on this parameter's texts are its own.
    const int n = mSharedTexts->GetSize();
    if (!mDisplayTexts.Resize(n)) return;
    memcpy(mDisplayTexts.Get(), mSharedTexts->Get(), (size_t)n * sizeof(DisplayText));
    mSharedTexts = nullptr;
  }
  DisplayText* dt = mDisplayTexts.Append();
  if (!dt) return;
  dt->mValue = value;
  CopyTextCut(dt->mText, text, kDisplayTextLen);
}

void IParam::InitFrom(const IParam& declared)
{
  mType = declared.mType;
  mValue = declared.mValue;
  mMin = declared.mMin;
  mMax = declared.mMax;
  mStep = declared.mStep;
  mShape = declared.mShape;
  mDisplayPrecision = declared.mDisplayPrecision;
  memcpy(mName, declared.mName, sizeof mName);
  memcpy(mLabel, declared.mLabel, sizeof mLabel);
  mNegateDisplay = declared.mNegateDisplay;
  mDisplayTexts.Resize(0);
  mSharedTexts = declared.NDisplayTexts() ? &declared.Texts() : nullptr;
}

void IParam::Set(double value)
{
  if (!(value >= mMin)) value = mMin;  // NaN too
  if (value > mMax) value = mMax;
  mValue = value;
}

void IParam::SetNormalized(double normalizedValue) { mValue = FromNormalized(normalizedValue); }

double IParam::FromNormalized(double normalizedValue) const
{
  double n = normalizedValue;
  if (!(n >= 0.0)) n = 0.0;  // NaN too
  if (n > 1.0) n = 1.0;

  // pow with an exponent of 1 gives its base exactly: the common curve
  // skips it.
  double v = (mShape == 1.0 ? n : pow(n, mShape)) * (mMax - mMin) + mMin;
  if (mType != kTypeDouble && mStep != 0.0) v = floor(v / mStep + 0.5) * mStep;
  if (v >= mMax) v = mMax;
  return v;
}

double IParam::GetNormalized() const { return ToNormalized(mValue); }

double IParam::ToNormalized(double value) const
{
  if (mMax == mMin) return 0.0;
  double v = value;
  if (!(v >= mMin)) v = mMin;
  if (v > mMax) v = mMax;
  const double x = (v - mMin) / (mMax - mMin);
  return mShape == 1.0 ? x : pow(x, 1.0 / mShape);
}

void IParam::GetBounds(double* pMin, double* pMax) const
{
  if (pMin) *pMin = mMin;
  if (pMax) *pMax = mMax;
}

const char* IParam::GetDisplayText(int value) const
{
  const DisplayText* dt = Texts().Get();
  const int n = Texts().GetSize();
  for (int i = 0; i < n; ++i)
    if (dt[i].mValue == value) return dt[i].mText;
  return "";
}

const char* IParam::GetDisplayTextAtIdx(int idx, int* pValue) const
{
  if (idx < 0 || idx >= Texts().GetSize()) return "";
  const DisplayText& dt = Texts().Get()[idx];
  if (pValue) *pValue = dt.mValue;
  return dt.mText;
}

bool IParam::MapDisplayText(const char* str, int* pValue) const
{
  if (!str) return false;
  const DisplayText* dt = Texts().Get();
  const int n = Texts().GetSize();
  for (int i = 0; i < n; ++i) {
    if (!strcmp(dt[i].mText, str)) {
      if (pValue) *pValue = dt[i].mValue;
      return true;
    }
  }
  return false;
}

void IParam::GetDisplayForHost(double value, bool normalized, char* str, bool withDisplayText, int strSize) const
{
  if (!str || strSize <= 0) return;
  if (normalized) value = pow(value, mShape) * (mMax - mMin) + mMin;

  if (withDisplayText && NDisplayTexts()) {
    const char* text = GetDisplayText(TruncToInt(value));
    if (text[0]) {
      CopyTextCut(str, text, strSize);
      return;
    }
  }

  if (mNegateDisplay) value = -value;

  if (mDisplayPrecision == 0) {
    snprintf(str, (size_t)strSize, "%d", TruncToInt(value));
  } else {
    char fmt[16];
    snprintf(fmt, sizeof(fmt), "%%.%df", mDisplayPrecision);
    snprintf(str, (size_t)strSize, fmt, value);
  }
}
