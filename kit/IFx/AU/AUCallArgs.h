#ifndef AUCALLARGS_H
#define AUCALLARGS_H

// The arguments of one Component Manager call record, by their place in the
// public call (0 is the first after the instance). The record holds one
// machine word an argument, the last argument first; a narrower value sits
// at the start of its word.

#include <CoreServices/CoreServices.h>

#include <cstring>

class AUCallArgs {
public:
  AUCallArgs(const ComponentParameters* params, int nArgs) : mParams(params), mNArgs(nArgs) {}

  // Whether the record carries that many arguments.
  bool Whole() const { return mParams->paramSize >= mNArgs * (int)sizeof(long); }

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
};

#endif
