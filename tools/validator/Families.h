#ifndef FAMILIES_H
#define FAMILIES_H

// The validator's families: each runs one case at a time, on instances of
// its own, and tells a fault through Case::Fail. Called on the validator's
// main thread (the threads family starts threads of its own). A new family
// is a function here and a line in the table of Families.cpp.

#include "Validator.h"

struct Family {
  const char* name;
  const char* covers;
  void (*run)(Case& c);
};

extern const Family kFamilies[];
extern const int kFamilyCount;

void RunStateFamily(Case& c);
void RunDispatcherFamily(Case& c);
void RunParameterFamily(Case& c);
void RunProcessingFamily(Case& c);
void RunMidiFamily(Case& c);
void RunSessionFamily(Case& c);
void RunThreadFamily(Case& c);
void RunEditorFamily(Case& c);

#endif
