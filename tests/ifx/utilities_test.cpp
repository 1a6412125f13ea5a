#include <gtest/gtest.h>

#include <string.h>

#include <chrono>
#include <thread>

#include "IFxUtilities.h"

TEST(LookUpHost, KnownProducts)
{
  EXPECT_EQ(LookUpHost("REAPER"), kHostReaper);
  EXPECT_EQ(LookUpHost("Ableton Live 8"), kHostAbletonLive);
  EXPECT_EQ(LookUpHost("Cubase LE"), kHostCubase);
  EXPECT_EQ(LookUpHost(""), kHostUnknown);
  EXPECT_EQ(LookUpHost("SONAR"), kHostUnknown);
  EXPECT_EQ(LookUpHost(nullptr), kHostUnknown);
}

TEST(LookUpHost, EveryName)
{
  const struct {
    const char* name;
    int id;
  } hosts[] = {
      {"reaper", 1},    {"cubase", 3},    {"nuendo", 4},     {"cakewalk", 5}, {"fruity", 7},   {"samplitude", 8},
      {"live", 9},      {"melodyne", 12}, {"vstmanlib", 13}, {"aulab", 14},   {"forte", 15},   {"chainer", 16},
      {"audition", 17}, {"orion", 18},    {"sawstudio", 20}, {"logic", 21},   {"digital", 22}, {"studioone", 23},
  };
  for (const auto& h : hosts) {
    char upper[32];
    strcpy(upper, h.name);
    for (char* c = upper; *c; ++c) *c = (char)(*c - 'a' + 'A');
    EXPECT_EQ(LookUpHost(h.name), h.id) << h.name;
    EXPECT_EQ(LookUpHost(upper), h.id) << upper;
  }
}

TEST(LookUpHost, TheOrderDecidesOverlaps)
{
  EXPECT_EQ(LookUpHost("Cubase Live Edition"), kHostCubase);
  EXPECT_EQ(LookUpHost("Digital Performer Live"), kHostAbletonLive);
  EXPECT_EQ(LookUpHost("Logic Pro"), kHostLogic);
}

TEST(LookUpHost, StereoHosts)
{
  EXPECT_TRUE(HostWantsStereoIO(kHostForte));
  EXPECT_TRUE(HostWantsStereoIO(kHostAudition));
  EXPECT_TRUE(HostWantsStereoIO(kHostOrion));
  EXPECT_TRUE(HostWantsStereoIO(kHostSAWStudio));
  for (int h = -1; h <= 23; ++h) {
    if (h != 15 && h != 17 && h != 18 && h != 20) {
      EXPECT_FALSE(HostWantsStereoIO(h)) << h;
    }
  }
}

TEST(Utilities, ToLower)
{
  char out[16];
  ToLower(out, "AbC");
  EXPECT_STREQ(out, "abc");
  memset(out, 'x', sizeof(out));
  ToLower(out, "");
  EXPECT_STREQ(out, "");
  char inPlace[] = "MiXeD 123";
  ToLower(inPlace, inPlace);
  EXPECT_STREQ(inPlace, "mixed 123");
}

TEST(Utilities, IsWhitespace)
{
  EXPECT_TRUE(IsWhitespace(' '));
  EXPECT_TRUE(IsWhitespace('\t'));
  EXPECT_TRUE(IsWhitespace('\n'));
  EXPECT_TRUE(IsWhitespace('\r'));
  EXPECT_FALSE(IsWhitespace('a'));
  EXPECT_FALSE(IsWhitespace('\v'));
  EXPECT_FALSE(IsWhitespace(0));
}

TEST(Utilities, CopyTextCut)
{
  char buf[6];
  memset(buf, 'x', sizeof buf);
  CopyTextCut(buf, "arpeggio", sizeof buf);
  EXPECT_STREQ(buf, "arpeg");
  CopyTextCut(buf, "up", sizeof buf);
  EXPECT_STREQ(buf, "up");
  CopyTextCut(buf, nullptr, sizeof buf);
  EXPECT_STREQ(buf, "");

  // A size of 0 writes nothing at all.
  buf[0] = 'k';
  CopyTextCut(buf, "up", 0);
  EXPECT_EQ(buf[0], 'k');

  // The source may lie inside the destination.
  char overlap[16] = "xxchord";
  CopyTextCut(overlap, overlap + 2, sizeof overlap);
  EXPECT_STREQ(overlap, "chord");
}

TEST(Timer, EveryOnAGivenClock)
{
  Timer t(1000);
  EXPECT_FALSE(t.Every(0.5, 1000));
  EXPECT_FALSE(t.Every(0.5, 1500));  // exactly the interval is not more
  EXPECT_TRUE(t.Every(0.5, 1501));
  EXPECT_FALSE(t.Every(0.5, 1501));  // and false again at once
  EXPECT_FALSE(t.Every(0.5, 2001));
  EXPECT_TRUE(t.Every(0.5, 2002));
}

TEST(Timer, EveryAcrossTheClockWrap)
{
  Timer t(2147483000);
  EXPECT_FALSE(t.Every(1.0, 2147483600));
  EXPECT_TRUE(t.Every(1.0, (int)(2147483000u + 1001u)));  // wrapped to negative
}

TEST(Timer, ProcessClockIsSteadyAndMonotonic)
{
  const int a = ProcessMilliseconds();
  EXPECT_GE(a, 0);
  int b = a;
  for (int i = 0; i < 1000; ++i) b = ProcessMilliseconds();
  EXPECT_GE(b, a);
}

// Right after the timer is made, or has answered true, it answers false,
// unless a loaded machine let the clock itself run past the interval.
TEST(Timer, EveryOnTheRealClock)
{
  int before = ProcessMilliseconds();
  Timer t;
  bool answer = t.Every(0.5);
  if (ProcessMilliseconds() - before <= 500) {
    EXPECT_FALSE(answer);
  }
  std::this_thread::sleep_for(std::chrono::milliseconds(600));
  before = ProcessMilliseconds();
  EXPECT_TRUE(t.Every(0.5));
  answer = t.Every(0.5);
  if (ProcessMilliseconds() - before <= 500) {
    EXPECT_FALSE(answer);
  }
}

TEST(Trace, DoesNothing)
{
  Trace("IFxBase::SetHost", __LINE__, "v%d.%02d", 1, 2);
  Trace("IFxVST::initialize", __LINE__);
  EXPECT_STREQ(VSTOpcodeStr(0), "");
  EXPECT_STREQ(VSTOpcodeStr(42), "");
}

TEST(Trace, CurrentTimeStamp)
{
  const char* t = CurrentTime();
  ASSERT_NE(t, nullptr);
  // "YYYYMMDD HH:MM " then capital letters only
  ASSERT_GE(strlen(t), 15u);
  for (int i = 0; i < 8; ++i) EXPECT_TRUE(t[i] >= '0' && t[i] <= '9') << t;
  EXPECT_EQ(t[8], ' ');
  EXPECT_EQ(t[11], ':');
  EXPECT_EQ(t[14], ' ');
  for (const char* z = t + 15; *z; ++z) EXPECT_TRUE(*z >= 'A' && *z <= 'Z') << t;
}

TEST(BuildStamp, AppendTimestamp)
{
  KIT_String s("overwritten");
  AppendTimestamp("Dec  9 2026", "10:05:33", &s);
  EXPECT_STREQ(s.Get(), "[Dec 9 10:05]");
}

TEST(BuildStamp, GetBuildInfoStrAppendsEachCall)
{
  EXPECT_STREQ(GetBuildInfoStr("Dec  9 2026", "10:05:33", "Tolvo"), "Tolvo [Dec 9 10:05]");
  EXPECT_STREQ(GetBuildInfoStr("Jan  1 2027", "00:00:00", "ignored"), "Tolvo [Dec 9 10:05] [Jan 1 00:00]");
}
