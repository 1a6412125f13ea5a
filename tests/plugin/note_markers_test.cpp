// The step editor's note markers: the arithmetic that counts ages when a
// frame asks gives the markers, ages and order that visiting every copy
// and every marker for each report gave, for any stream of reports.

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <vector>

#include "NoteMarkers.h"

namespace {

// Every note sent visits every sounding copy, then every marker.
class VisitedMarkers {
public:
  void Started(int copy, int note, int step)
  {
    if (Sounding(copy)) return;
    mCopies.push_back({copy, note, step});
  }
  void Stopped(int copy)
  {
    mCopies.erase(std::remove_if(mCopies.begin(), mCopies.end(), [copy](const Copy& c) { return c.copy == copy; }),
                  mCopies.end());
  }
  void Sent(int playing)
  {
    for (const Copy& c : mCopies) {
      auto m = std::find_if(mMarkers.begin(), mMarkers.end(),
                            [&c](const NoteMarker& m) { return m.note == c.note && m.step == c.step; });
      if (m != mMarkers.end())
        m->age = 0;
      else
        mMarkers.push_back(NoteMarker{c.note, c.step, -1});
    }
    Frame(playing);
  }
  void Cleared() { mMarkers.clear(); }
  void Frame(int playing)
  {
    std::vector<NoteMarker> kept;
    for (NoteMarker m : mMarkers) {
      if (m.step != playing) ++m.age;
      if (m.age < NoteMarkers::kMaxAge) kept.push_back(m);
    }
    mMarkers = kept;
  }
  const std::vector<NoteMarker>& Markers() const { return mMarkers; }

private:
  struct Copy {
    int copy, note, step;
  };
  bool Sounding(int copy) const
  {
    return std::any_of(mCopies.begin(), mCopies.end(), [copy](const Copy& c) { return c.copy == copy; });
  }
  std::vector<Copy> mCopies;
  std::vector<NoteMarker> mMarkers;
};

// How a stream is drawn: the notes, steps and copies it ranges over, how
// often each report comes, and how long the playing step stays.
struct Stream {
  const char* name;
  int notes, steps, copies;
  double start, stop, clear, frame;
  int stepStays;  // reports on average
  int reports;
};

void ExpectSame(NoteMarkers& counted, const VisitedMarkers& visited, const char* name, int report)
{
  const std::vector<NoteMarker>& v = visited.Markers();
  ASSERT_EQ(counted.Count(), int(v.size())) << name << ", report " << report;
  for (int i = 0; i < int(v.size()); ++i) {
    const NoteMarker m = counted.Get(i);
    ASSERT_TRUE(m.note == v[i].note && m.step == v[i].step && m.age == v[i].age)
        << name << ", report " << report << ", marker " << i << ": note " << m.note << " step " << m.step << " age "
        << m.age << ", visited: note " << v[i].note << " step " << v[i].step << " age " << v[i].age;
  }
}

}  // namespace

TEST(NoteMarkers, AgesCountedWhenAskedMatchEveryReportVisited)
{
  const Stream streams[] = {
      // Few cells: copies share them, markers come back again and again.
      {"crowded", 3, 2, 8, 0.3, 0.25, 0.002, 0.05, 20, 100000},
      // A chord over the whole keyboard, frames seldom.
      {"wide", 128, 16, 512, 0.35, 0.3, 0.0005, 0.002, 300, 100000},
      // Frames often: markers with copies sounding grow old between notes.
      {"slow", 6, 4, 12, 0.05, 0.04, 0.001, 0.6, 60, 50000},
      // Clearing while copies still sound.
      {"cleared", 10, 8, 40, 0.3, 0.2, 0.05, 0.1, 10, 50000},
      // No editor drawing for long: markers come and go by the thousand
      // between frames.
      {"unseen", 128, 16, 512, 0.4, 0.4, 0.0, 0.00002, 50, 150000},
  };
  for (const Stream& st : streams) {
    std::mt19937 rng(20240611);
    auto chance = [&rng](double p) { return std::uniform_real_distribution<double>(0.0, 1.0)(rng) < p; };
    auto pick = [&rng](int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng); };
    NoteMarkers counted;
    VisitedMarkers visited;
    int playing = -1;
    for (int r = 0; r < st.reports; ++r) {
      if (chance(1.0 / st.stepStays)) playing = pick(st.steps + 1) - 1;
      if (chance(st.start)) {
        const int copy = pick(st.copies), note = pick(st.notes), step = pick(st.steps);
        counted.Started(copy, note, step);
        visited.Started(copy, note, step);
      } else if (chance(st.stop)) {
        const int copy = pick(st.copies);
        counted.Stopped(copy);
        visited.Stopped(copy);
      } else if (chance(st.clear)) {
        counted.Cleared();
        visited.Cleared();
      } else if (chance(st.frame)) {
        counted.Frame(playing);
        visited.Frame(playing);
        ExpectSame(counted, visited, st.name, r);
      } else {
        counted.Sent(playing);
        visited.Sent(playing);
      }
      if (HasFatalFailure()) return;
    }
    ExpectSame(counted, visited, st.name, st.reports);
  }
}

TEST(NoteMarkers, AMarkerMadeOnThePlayingStepStaysAtMinusOneUntilItMoves)
{
  NoteMarkers m;
  m.Started(0, 60, 3);
  m.Sent(3);
  m.Frame(3);
  ASSERT_EQ(m.Count(), 1);
  EXPECT_EQ(m.Get(0).age, -1);
  m.Frame(4);
  EXPECT_EQ(m.Get(0).age, 0);
  // A second copy on its cell renews it to 0 as it is made.
  m.Started(1, 62, 5);
  m.Started(2, 62, 5);
  m.Sent(5);
  ASSERT_EQ(m.Count(), 2);
  EXPECT_EQ(m.Get(1).age, 0);
}
