#ifndef RATIOREPORTER_H
#define RATIOREPORTER_H

// A console reporter that also keeps every run's time by name, so a
// benchmark can print its table of ratios after the usual output.

#include <benchmark/benchmark.h>

#include <map>
#include <string>
#include <vector>

class RatioReporter : public benchmark::ConsoleReporter {
public:
  std::map<std::string, double> times;
  void ReportRuns(const std::vector<Run>& runs) override
  {
    for (const Run& r : runs) times[r.benchmark_name()] = r.GetAdjustedRealTime();
    ConsoleReporter::ReportRuns(runs);
  }
};

#endif
