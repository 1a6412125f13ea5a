// tolvo-play: plays a phrase through a VST 2 MIDI-effect plug-in, prints
// every message it sends and writes them as a standard MIDI file.

#include <cstdio>
#include <string>
#include <vector>

#include "PlayOptions.h"
#include "Player.h"
#include "Smf.h"
#include "VstHost.h"

namespace {

int Fail(const std::string& message)
{
  std::fprintf(stderr, "tolvo-play: %s\n", message.c_str());
  return 1;
}

std::string DescribeInput(const play::Options& o, int64_t length)
{
  const double bars = double(length) / play::SamplesPerBeat(o) / 4.0;
  const char* unit = bars == 1.0 ? "bar" : "bars";
  char text[512];
  if (o.midiIn.empty()) {
    std::string chord;
    for (int note : o.chord) chord += (chord.empty() ? "" : " ") + play::NoteName(note);
    std::snprintf(text, sizeof text, "holding %s (velocity %d) for %g %s", chord.c_str(), o.velocity, bars, unit);
  } else {
    std::snprintf(text, sizeof text, "playing the notes of %s for %g %s", o.midiIn.c_str(), bars, unit);
  }
  return text;
}

}  // namespace

int main(int argc, char** argv)
{
  play::Options options;
  std::string error;
  if (!play::ParseOptions(std::vector<std::string>(argv + 1, argv + argc), &options, &error)) {
    std::fprintf(stderr, "tolvo-play: %s\n%s", error.c_str(), play::Usage());
    return 2;
  }
  if (options.help) {
    std::fputs(play::Usage(), stdout);
    return 0;
  }

  std::vector<play::Timed> input;
  int64_t length = 0;
  if (!play::BuildInput(options, &input, &length, &error)) return Fail(error);

  vsthost::Library library;
  if (!library.Open(options.plugin, &error)) return Fail(error);
  vsthost::Plugin plug(library);
  if (!plug.Create()) return Fail(options.plugin + " gave no plug-in instance");

  std::vector<std::string> report;
  if (!play::SetUp(plug, options, &report, &error)) return Fail(error);
  std::printf("%s: %s at %g BPM, %g Hz, %d-frame blocks\n", options.plugin.c_str(),
              DescribeInput(options, length).c_str(), options.tempo, options.sampleRate, options.blockSize);
  for (const std::string& line : report) std::printf("  %s\n", line.c_str());

  const std::vector<play::Timed> sent = play::Run(plug, options, input, length);
  const double spb = play::SamplesPerBeat(options);
  std::printf("\n bar    beat     sample  message\n");
  std::vector<smf::Message> out;
  for (const play::Timed& m : sent) {
    std::printf("%s\n", play::Describe(m, spb).c_str());
    out.push_back({double(m.sample) / spb, m.status, m.data1, m.data2});
  }

  if (!options.saveState.empty()) {
    if (!play::SaveState(plug, options.saveState, &error)) return Fail(error);
    std::printf("\nsaved the plug-in's state in %s\n", options.saveState.c_str());
  }
  plug.Close();

  if (!play::WriteFile(options.out, smf::Write(out, options.tempo, 480), &error)) return Fail(error);
  std::printf("\n%zu messages written to %s\n", sent.size(), options.out.c_str());
  return 0;
}
