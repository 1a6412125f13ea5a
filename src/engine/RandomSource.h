#ifndef RANDOMSOURCE_H
#define RANDOMSOURCE_H

// Where the "Random" step data draws its numbers. The engine never seeds it;
// the plug-in seeds the C library's generator once at start-up.

#include <cstdlib>

class RandomSource {
public:
  virtual ~RandomSource() {}
  virtual int Next() = 0;  // a non-negative number
};

class CLibraryRandom : public RandomSource {
public:
  int Next() override { return std::rand(); }
};

#endif
