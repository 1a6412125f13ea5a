// tolvo-validate: drives a VST 2 plug-in library as a hostile but legal host
// would, family by family, each for a time budget, with cases drawn from
// one seed; prints what each family ran and the first fault of each, with
// what it takes to run that case again.
//
//   tolvo-validate [--seed N] [--seconds S] [--family NAME]... [--case N [--trace]] PLUGIN

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "Families.h"

namespace {

const char* kUsage =
    "usage: tolvo-validate [--seed N] [--seconds S] [--family NAME]... [--case N [--trace]] PLUGIN\n"
    "  --seed N      the cases drawn (default 1)\n"
    "  --seconds S   the time each family runs cases for (default 10)\n"
    "  --family NAME only these families\n"
    "  --case N      only case N of each family, as a fault report names it\n"
    "  --trace       every MIDI message in and out, on standard error\n";

struct Options {
  uint64_t seed = 1;
  double seconds = 10.0;
  std::vector<std::string> families;
  long long onlyCase = -1;
  bool trace = false;
  std::string plugin;
};

bool Parse(int argc, char** argv, Options* o)
{
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    const bool hasValue = i + 1 < argc;
    if (arg == "--seed" && hasValue)
      o->seed = std::strtoull(argv[++i], nullptr, 10);
    else if (arg == "--seconds" && hasValue)
      o->seconds = std::atof(argv[++i]);
    else if (arg == "--family" && hasValue)
      o->families.push_back(argv[++i]);
    else if (arg == "--case" && hasValue)
      o->onlyCase = std::atoll(argv[++i]);
    else if (arg == "--trace")
      o->trace = true;
    else if (arg.compare(0, 2, "--") != 0 && o->plugin.empty())
      o->plugin = arg;
    else
      return false;
  }
  return !o->plugin.empty() && o->seconds >= 0.0;
}

bool Chosen(const Options& o, const Family& f)
{
  if (o.families.empty()) return true;
  for (const std::string& name : o.families)
    if (name == f.name) return true;
  return false;
}

// Each case's seed, from the run's seed, the family and the case number,
// so that one case can be run again alone.
uint64_t CaseSeed(uint64_t seed, int family, long long number)
{
  uint64_t z = seed * 0x9E3779B97F4A7C15ull + uint64_t(family) * 0xBF58476D1CE4E5B9ull + uint64_t(number);
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
  return z ^ (z >> 31);
}

}  // namespace

int main(int argc, char** argv)
{
  Options o;
  if (!Parse(argc, argv, &o)) {
    std::fputs(kUsage, stderr);
    return 2;
  }
  vsthost::Library library;
  std::string error;
  if (!library.Open(o.plugin, &error)) {
    std::fprintf(stderr, "tolvo-validate: %s\n", error.c_str());
    return 2;
  }
  int failed = 0, run = 0;
  for (int f = 0; f < kFamilyCount; ++f) {
    const Family& family = kFamilies[f];
    if (!Chosen(o, family)) continue;
    ++run;
    using Clock = std::chrono::steady_clock;
    const Clock::time_point start = Clock::now();
    const Clock::time_point deadline =
        start + std::chrono::duration_cast<Clock::duration>(std::chrono::duration<double>(o.seconds));
    long long number = o.onlyCase >= 0 ? o.onlyCase : 0, cases = 0;
    std::string fault;
    do {
      Case c(library, CaseSeed(o.seed, f, number));
      c.trace = o.trace;
      family.run(c);
      ++cases;
      if (c.Failed()) {
        fault = c.Why();
        break;
      }
      ++number;
    } while (o.onlyCase < 0 && Clock::now() < deadline);
    const double took = std::chrono::duration<double>(Clock::now() - start).count();
    if (fault.empty()) {
      std::printf("%-11s %7lld cases in %5.1f s, no fault (%s)\n", family.name, cases, took, family.covers);
    } else {
      ++failed;
      std::printf("%-11s case %lld FAILED: %s\n            again: --seed %llu --family %s --case %lld\n", family.name,
                  number, fault.c_str(), (unsigned long long)o.seed, family.name, number);
    }
    std::fflush(stdout);
  }
  if (run == 0) {
    std::fprintf(stderr, "tolvo-validate: no family of that name\n");
    return 2;
  }
  return failed ? 1 : 0;
}
