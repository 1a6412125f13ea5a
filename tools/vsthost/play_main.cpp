// tolvo-play: plays a phrase through a VST 2 MIDI-effect plug-in, prints
// every message it sends and writes them as a standard MIDI file; on
// Windows it can also picture the plug-in's editor after the phrase.

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "PlayOptions.h"
#include "Player.h"
#include "Smf.h"
#include "VstHost.h"
#if defined(_WIN32)
#include "EditorFrame.h"
#include "MessagePump.h"
#endif

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

#if defined(_WIN32)
// Opens the instance's editor in a window of the host's, lets its timer
// draw it and writes its picture; the editor stays open with the frame.
bool PictureEditor(vsthost::Plugin& plug, const std::string& path, std::unique_ptr<vsthost::EditorFrame>* frame,
                   std::string* error)
{
  const int kTickTimeoutMs = 10000;
  frame->reset(new vsthost::EditorFrame(plug, 0));
  intptr_t answer = 0;
  unsigned timer = 0;
  vsthost::Picture picture;
  if (!(*frame)->Open(&answer, error)) return false;
  if (!vsthost::PumpTicks((*frame)->EditorWindow(), 1, kTickTimeoutMs, &timer)) {
    *error = "the editor's timer never ticked";
    return false;
  }
  if (!(*frame)->Screenshot(&picture)) {
    *error = "no picture of the editor's window";
    return false;
  }
  return vsthost::WritePng(path, picture, error);
}
#endif

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

#if !defined(_WIN32)
  if (!options.editorPicture.empty()) {
    std::fprintf(stderr, "tolvo-play: --editor-picture: only the Windows host opens editors\n");
    return 2;
  }
#endif

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

  std::function<void()> picture;
  std::string pictureError;
#if defined(_WIN32)
  std::unique_ptr<vsthost::EditorFrame> frame;
  if (!options.editorPicture.empty())
    picture = [&] { PictureEditor(plug, options.editorPicture, &frame, &pictureError); };
#endif
  const std::vector<play::Timed> sent = play::Run(plug, options, input, length, picture);
  const double spb = play::SamplesPerBeat(options);
  std::printf("\n bar    beat     sample  message\n");
  std::vector<smf::Message> out;
  for (const play::Timed& m : sent) {
    std::printf("%s\n", play::Describe(m, spb).c_str());
    out.push_back({double(m.sample) / spb, m.status, m.data1, m.data2});
  }

  if (!options.editorPicture.empty()) {
    if (!pictureError.empty()) return Fail("the editor's picture: " + pictureError);
    std::printf("\nthe editor after the phrase pictured in %s\n", options.editorPicture.c_str());
  }

  if (!options.saveState.empty()) {
    if (!play::SaveState(plug, options.saveState, &error)) return Fail(error);
    std::printf("\nsaved the plug-in's state in %s\n", options.saveState.c_str());
  }
#if defined(_WIN32)
  frame.reset();
#endif
  plug.Close();

  if (!play::WriteFile(options.out, smf::Write(out, options.tempo, 480), &error)) return Fail(error);
  std::printf("\n%zu messages written to %s\n", sent.size(), options.out.c_str());
  return 0;
}
