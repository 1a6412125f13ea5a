#ifndef IPRESET_H
#define IPRESET_H

// One preset (program): a name and, once initialised, a parameter block of
// all the plug-in's values.
// Host user-interface thread, under the plug lock: IFxBase's presets.

#include <cstring>

#include "IChunk.h"
#include "IFxUtilities.h"

struct IPreset {
  static const int kNameLen = 256;  // terminator included

  bool mInitialized = false;
  char mName[kNameLen];
  IChunk mChunk;

  IPreset() { std::strcpy(mName, "empty"); }
  IPreset(const IPreset&) = delete;
  IPreset& operator=(const IPreset&) = delete;

  // Copies the name, cut to fit; null keeps the old one.
  void SetName(const char* name)
  {
    if (name) CopyTextCut(mName, name, kNameLen);
  }
};

#endif
