#ifndef RATIOREPORTER_H
#define RATIOREPORTER_H

// A console reporter that also keeps every run's time by name, so a
// benchmark can print its table of ratios after the usual output. With
// --benchmark_repetitions a name's time is the median of its repetitions.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <map>
#include <string>
#include <vector>

class RatioReporter : public benchmark::ConsoleReporter {
public:
  void ReportRuns(const std::vector<Run>& runs) override
  {
    for (const Run& r : runs)
      if (r.run_type == Run::RT_Iteration && !r.error_occurred)
        mTimes[r.run_name.str()].push_back(r.GetAdjustedRealTime());
    ConsoleReporter::ReportRuns(runs);
  }

  bool Has(const std::string& name) const { return mTimes.count(name) != 0; }

  // The median time of the runs of a name (the upper middle one of an even count).
  double Time(const std::string& name) const
  {
    std::vector<double> t = mTimes.at(name);
    std::nth_element(t.begin(), t.begin() + t.size() / 2, t.end());
    return t[t.size() / 2];
  }

private:
  std::map<std::string, std::vector<double>> mTimes;
};

#endif
