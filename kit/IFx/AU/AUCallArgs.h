#ifndef AUCALLARGS_H
#define AUCALLARGS_H

// The arguments of one Component Manager call record, by their place in the
// public call (0 is the first after the instance). The record holds one
// machine word an argument, the last argument first; a narrower value sits
// at the start of its word. Its size counts each argument at its own size
// (a 16-bit one as 2 bytes), so a narrow first argument, the last in the
// record, makes it say less than its words.

#include <CoreServices/CoreServices.h>

#include <cstring>

class AUCallArgs {
public:
  // firstArgBytes: how wide the first argument is, when narrower than a
  // word.
  AUCallArgs(const ComponentParameters* params, int nArgs, int firstArgBytes = sizeof(long))
    : mParams(params), mNArgs(nArgs), mFirstArgBytes(firstArgBytes)
  {}

  // Whether every argument lies within the bytes the record says it holds.
  bool Whole() const { return mNArgs == 0 || mParams->paramSize >= (mNArgs - 1) * (int)sizeof(long) + mFirstArgBytes; }

  template <class T>
  T Get(int idx) const
  {
    static_assert(sizeof(T) <= sizeof(long), "one word an argument");
    T value;
    std::memcpy(&value, &mParams->params[mNArgs - 1 - idx], sizeof value);
    return value;
  }

private:
  const ComponentParameters* mParams;
  int mNArgs;
  int mFirstArgBytes;
};

#endif
