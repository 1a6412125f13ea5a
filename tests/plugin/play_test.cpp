// The play front end's own pieces: MIDI files, options and note names.

#include <gtest/gtest.h>

#include "PlayOptions.h"
#include "Smf.h"

namespace {

std::vector<uint8_t> FileWithTrack(const std::vector<uint8_t>& track, uint16_t format = 0, uint16_t division = 480,
                                   uint16_t tracks = 1)
{
  std::vector<uint8_t> f = {'M',
                            'T',
                            'h',
                            'd',
                            0,
                            0,
                            0,
                            6,
                            uint8_t(format >> 8),
                            uint8_t(format),
                            uint8_t(tracks >> 8),
                            uint8_t(tracks),
                            uint8_t(division >> 8),
                            uint8_t(division),
                            'M',
                            'T',
                            'r',
                            'k'};
  const uint32_t n = uint32_t(track.size());
  f.insert(f.end(), {uint8_t(n >> 24), uint8_t(n >> 16), uint8_t(n >> 8), uint8_t(n)});
  f.insert(f.end(), track.begin(), track.end());
  return f;
}

TEST(Smf, WrittenFileReadsBackWithTempoAndTimes)
{
  const std::vector<smf::Message> in = {{0.0, 0x90, 60, 100}, {0.25, 0x80, 60, 127}, {0.25, 0x90, 64, 90},
                                        {0.25, 0xB0, 74, 63}, {1.5, 0xC0, 5, 0},     {300.0, 0x80, 64, 127}};
  const std::vector<uint8_t> file = smf::Write(in, 120.0, 480);
  // Header: format 0, one track, 480 ticks per beat; then the tempo 500000 us.
  const std::vector<uint8_t> head = {'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, 0, 0, 1, 0x01, 0xE0};
  ASSERT_GE(file.size(), head.size() + 15);
  EXPECT_TRUE(std::equal(head.begin(), head.end(), file.begin()));
  const std::vector<uint8_t> tempo = {0x00, 0xFF, 0x51, 0x03, 0x07, 0xA1, 0x20};
  EXPECT_TRUE(std::equal(tempo.begin(), tempo.end(), file.begin() + 22));

  std::vector<smf::Message> out;
  std::string error;
  ASSERT_TRUE(smf::Read(file, &out, &error)) << error;
  ASSERT_EQ(out.size(), in.size());
  for (size_t i = 0; i < in.size(); ++i) {
    EXPECT_DOUBLE_EQ(out[i].beat, in[i].beat) << i;
    EXPECT_EQ(out[i].status, in[i].status) << i;
    EXPECT_EQ(out[i].data1, in[i].data1) << i;
    EXPECT_EQ(out[i].data2, in[i].data2) << i;
  }
}

// A host hands on what it passes through before the block's own notes, so
// the messages of one block may come later ones first.
TEST(Smf, MessagesOutOfTimeOrderKeepTheirTimes)
{
  const std::vector<smf::Message> in = {
      {1.5, 0x91, 60, 100}, {1.0, 0x90, 64, 90}, {1.0, 0x80, 64, 127}, {0.5, 0xB0, 7, 1}};
  std::vector<smf::Message> out;
  std::string error;
  ASSERT_TRUE(smf::Read(smf::Write(in, 120.0, 480), &out, &error)) << error;
  ASSERT_EQ(out.size(), 4u);
  const double beats[] = {0.5, 1.0, 1.0, 1.5};
  const int statuses[] = {0xB0, 0x90, 0x80, 0x91};  // equal times in the order sent
  for (int i = 0; i < 4; ++i) {
    EXPECT_DOUBLE_EQ(out[i].beat, beats[i]) << i;
    EXPECT_EQ(out[i].status, statuses[i]) << i;
  }
}

TEST(Smf, ReadsRunningStatusAndMergesTracksInTimeOrder)
{
  // Track 1: note on 60 at 0, running-status note on 64 at 480; track 2:
  // a meta text, then note on 62 at 240.
  const std::vector<uint8_t> t1 = {0x00, 0x90, 60, 100, 0x83, 0x60, 64, 90, 0x00, 0xFF, 0x2F, 0x00};
  const std::vector<uint8_t> t2 = {0x00, 0xFF, 0x01, 0x02, 'h', 'i', 0x81, 0x70, 0x91, 62, 80};
  std::vector<uint8_t> file = FileWithTrack(t1, 1, 480, 2);
  file.insert(file.end(), {'M', 'T', 'r', 'k', 0, 0, 0, uint8_t(t2.size())});
  file.insert(file.end(), t2.begin(), t2.end());
  std::vector<smf::Message> out;
  std::string error;
  ASSERT_TRUE(smf::Read(file, &out, &error)) << error;
  ASSERT_EQ(out.size(), 3u);
  EXPECT_EQ(out[0].data1, 60);
  EXPECT_EQ(out[1].data1, 62);
  EXPECT_DOUBLE_EQ(out[1].beat, 0.5);
  EXPECT_EQ(out[1].status, 0x91);
  EXPECT_EQ(out[2].data1, 64);
  EXPECT_DOUBLE_EQ(out[2].beat, 1.0);
}

TEST(Smf, DamagedFilesFailWithAReasonAndKeepTheOutput)
{
  const std::vector<uint8_t> noteOn = {0x00, 0x90, 60, 100};
  std::vector<uint8_t> cut = FileWithTrack(noteOn);
  cut.resize(cut.size() - 2);  // the track's length now runs past the end
  std::vector<uint8_t> shortHeader = {'M', 'T', 'h', 'd', 0, 0, 0, 2, 0, 0};
  const struct {
    const char* what;
    std::vector<uint8_t> bytes;
  } cases[] = {
      {"empty", {}},
      {"not MIDI", {'R', 'I', 'F', 'F', 0, 0, 0, 6, 0, 0, 0, 1, 0, 96}},
      {"short header", shortHeader},
      {"format 2", FileWithTrack(noteOn, 2)},
      {"SMPTE division", FileWithTrack(noteOn, 0, 0xE728)},
      {"track past the end", cut},
      {"missing track", FileWithTrack(noteOn, 1, 480, 2)},
      {"data without status", FileWithTrack({0x00, 60, 100})},
      {"message cut", FileWithTrack({0x00, 0x90, 60})},
      {"endless time", FileWithTrack({0x80, 0x80, 0x80, 0x80, 0x00, 0x90, 60, 1})},
      {"meta past track", FileWithTrack({0x00, 0xFF, 0x01, 0x20, 'x'})},
  };
  for (const auto& c : cases) {
    std::vector<smf::Message> out = {{1.0, 0x90, 1, 1}};
    std::string error;
    EXPECT_FALSE(smf::Read(c.bytes, &out, &error)) << c.what;
    EXPECT_FALSE(error.empty()) << c.what;
    EXPECT_EQ(out.size(), 1u) << c.what;
  }
}

TEST(PlayOptions, NoteNames)
{
  const struct {
    const char* text;
    int note;  // -1: rejected
  } cases[] = {{"C4", 60},   {"c4", 60},  {"C#4", 61}, {"Db4", 61},  {"E4", 64},  {"B3", 59},
               {"C-1", 0},   {"G9", 127}, {"G#9", -1}, {"Cb-1", -1}, {"60", 60},  {"0", 0},
               {"127", 127}, {"128", -1}, {"H4", -1},  {"C", -1},    {"C4x", -1}, {"", -1}};
  for (const auto& c : cases) {
    int note = -1;
    EXPECT_EQ(play::ParseNote(c.text, &note), c.note >= 0) << c.text;
    if (c.note >= 0) {
      EXPECT_EQ(note, c.note) << c.text;
    }
  }
  EXPECT_EQ(play::NoteName(60), "C4");
  EXPECT_EQ(play::NoteName(61), "C#4");
  EXPECT_EQ(play::NoteName(0), "C-1");
}

TEST(PlayOptions, DefaultsAreTheDefaultPhrase)
{
  play::Options o;
  std::string error;
  ASSERT_TRUE(play::ParseOptions({"Tolvo_x64.dll"}, &o, &error)) << error;
  EXPECT_EQ(o.plugin, "Tolvo_x64.dll");
  EXPECT_EQ(o.chord, (std::vector<int>{60, 64, 67}));
  EXPECT_EQ(o.tempo, 120.0);
  EXPECT_EQ(o.blockSize, 512);
  EXPECT_EQ(o.sampleRate, 44100.0);
  EXPECT_TRUE(o.params.empty());
  EXPECT_TRUE(o.editorPicture.empty());
}

TEST(PlayOptions, EveryOptionInBothSpellings)
{
  play::Options o;
  std::string error;
  ASSERT_TRUE(
      play::ParseOptions({"p.so", "--chord", "D4,F#4,60", "--tempo=90.5", "--bars", "3", "--block=64", "--param",
                          "Step rate=1/8", "--param=4=Down", "--load-state", "a.bin", "--save-state=b.bin", "--out",
                          "x.mid", "--midi-in", "in.mid", "--editor-picture=e.png"},
                         &o, &error))
      << error;
  EXPECT_EQ(o.chord, (std::vector<int>{62, 66, 60}));
  EXPECT_EQ(o.tempo, 90.5);
  EXPECT_EQ(o.bars, 3.0);
  EXPECT_EQ(o.blockSize, 64);
  ASSERT_EQ(o.params.size(), 2u);
  EXPECT_EQ(o.params[0], std::make_pair(std::string("Step rate"), std::string("1/8")));
  EXPECT_EQ(o.params[1], std::make_pair(std::string("4"), std::string("Down")));
  EXPECT_EQ(o.loadState, "a.bin");
  EXPECT_EQ(o.saveState, "b.bin");
  EXPECT_EQ(o.out, "x.mid");
  EXPECT_EQ(o.midiIn, "in.mid");
  EXPECT_EQ(o.editorPicture, "e.png");
}

TEST(PlayOptions, WrongOptionsAreNamedInTheError)
{
  const struct {
    std::vector<std::string> args;
    const char* inError;
  } cases[] = {
      {{}, "no plug-in"},
      {{"p.so", "--tempo"}, "--tempo needs a value"},
      {{"p.so", "--tempo", "fast"}, "bad tempo 'fast'"},
      {{"p.so", "--tempo", "0"}, "bad tempo"},
      {{"p.so", "--tempo", "nan"}, "bad tempo"},
      {{"p.so", "--bars", "-1"}, "bad length"},
      {{"p.so", "--block", "0"}, "bad block size"},
      {{"p.so", "--block", "12.5"}, "bad block size"},
      {{"p.so", "--chord", "C4,,E4"}, "bad chord"},
      {{"p.so", "--param", "Step rate"}, "NAME=VALUE"},
      {{"p.so", "--param", "=3"}, "NAME=VALUE"},
      {{"p.so", "--loud"}, "unknown option '--loud'"},
      {{"p.so", "--loud=1"}, "unknown option '--loud'"},
      {{"p.so", "q.so"}, "unexpected argument 'q.so'"},
  };
  for (const auto& c : cases) {
    play::Options o;
    std::string error;
    EXPECT_FALSE(play::ParseOptions(c.args, &o, &error)) << c.inError;
    EXPECT_NE(error.find(c.inError), std::string::npos) << error;
  }
}

}  // namespace
