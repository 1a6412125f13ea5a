#ifndef VSTHOST_H
#define VSTHOST_H

// The core of the VST 2 test host: loads a plug-in library, creates
// instances through its entry point, answers and records the plug-in's
// calls to the host, and drives the dispatcher, parameters and the three
// process callbacks.
//
// The host knows the plug-in interface only as byte offsets: it reads the
// effect record, the event lists and writes the time info through raw
// offsets of its own (32- and 64-bit), never through the plug-in
// framework's header, so a layout fault on either side shows up here.
//
// Typical use:
//   vsthost::Library lib;
//   if (!lib.Open(path, &error)) ...
//   vsthost::Plugin plug(lib);
//   if (!plug.Create()) ...
//   plug.Dispatch(vsthost::kOpen);
//   plug.time.tempo = 140.0;  plug.time.flags = 0x402;
//   plug.Process(vsthost::ProcessKind::Replacing, 64);
//   for (const vsthost::Callback& cb : plug.Callbacks()) ...
//   plug.Close();

#include <cstddef>
#include <cstdint>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#if defined(_WIN32)
#define VSTHOST_CDECL __cdecl
#else
#define VSTHOST_CDECL
#endif

namespace vsthost {

// Dispatcher opcodes the host's drivers and front ends name.
enum : int32_t {
  kOpen = 0,
  kClose = 1,
  kSetSampleRate = 10,
  kSetBlockSize = 11,
  kGetParamLabel = 6,
  kGetParamDisplay = 7,
  kGetParamName = 8,
  kMainsChanged = 12,
  kEditGetRect = 13,
  kEditOpen = 14,
  kEditClose = 15,
  kEditIdle = 19,
  kGetChunk = 23,
  kSetChunk = 24,
  kProcessEvents = 25,
  kString2Parameter = 27,
  kSetSpeakerArrangement = 42,
  kGetEffectName = 45,
  kCanDo = 51,
  kIdle = 53,
  kGetVstVersion = 58,
};

// Host callback opcodes the host answers.
enum : int32_t {
  kHostAutomate = 0,
  kHostVersion = 1,
  kHostCurrentId = 2,
  kHostWantMidi = 6,
  kHostGetTime = 7,
  kHostProcessEvents = 8,
  kHostGetVendorString = 32,
  kHostGetProductString = 33,
  kHostGetVendorVersion = 34,
  kHostCanDo = 37,
  kHostUpdateDisplay = 42,
  kHostBeginEdit = 43,
  kHostEndEdit = 44,
};

enum : int32_t { kMidiEventType = 1, kSysExEventType = 6 };

// Byte offset of a field in the plug-in's records on this build.
inline size_t Offset(size_t off32, size_t off64) { return sizeof(void*) == 8 ? off64 : off32; }

// The effect record as read byte by byte.
struct EffectRecord {
  int32_t magic = 0;
  void* dispatcher = nullptr;
  void* process = nullptr;
  void* setParameter = nullptr;
  void* getParameter = nullptr;
  int32_t numPrograms = 0, numParams = 0, numInputs = 0, numOutputs = 0, flags = 0;
  intptr_t resvd1 = 0, resvd2 = 0;
  int32_t initialDelay = 0, realQualities = 0, offQualities = 0;
  float ioRatio = 0.0f;
  void* object = nullptr;
  void* user = nullptr;
  int32_t uniqueID = 0, version = 0;
  void* processReplacing = nullptr;
  void* processDoubleReplacing = nullptr;
  bool futureZero = false;  // all 56 reserved bytes at the end are 0
};
size_t EffectRecordSize();  // 144 or 192

// What the host answers to a time-info request; written into the
// plug-in's view of the record by offset on every request.
struct TimeInfo {
  bool present = true;  // false: the request answers 0 (no time info)
  double samplePos = 0.0, sampleRate = 44100.0, nanoSeconds = 0.0, ppqPos = 0.0, tempo = 120.0;
  double barStartPos = 0.0, cycleStartPos = 0.0, cycleEndPos = 0.0;
  int32_t timeSigNumerator = 4, timeSigDenominator = 4;
  int32_t smpteOffset = 0, smpteFrameRate = 0, samplesToNextClock = 0;
  int32_t flags = 0;
};

// One event of an event list, in either direction.
struct Event {
  int32_t type = kMidiEventType;
  int32_t byteSize = 32;
  int32_t deltaFrames = 0;
  int32_t flags = 0;
  // MIDI: the 16 bytes after the common header (noteLength, noteOffset,
  // midiData[4], detune, noteOffVelocity, two reserved bytes).
  uint8_t body[16] = {};
  std::vector<uint8_t> sysex;  // SysEx: the dump

  static Event Midi(int32_t delta, uint8_t status, uint8_t data1, uint8_t data2);
  static Event SysEx(int32_t delta, const std::vector<uint8_t>& dump);
  const uint8_t* midiData() const { return body + 8; }
};

// The editor's rectangle as opcode 13 gives it, in pixels.
struct EditorRect {
  int16_t top = 0, left = 0, bottom = 0, right = 0;
};

// One call of the plug-in into the host.
struct Callback {
  int32_t opcode = 0, index = 0;
  intptr_t value = 0;
  float opt = 0.0f;
  std::vector<Event> events;  // for the process-events callback
};

// A plug-in library; it stays loaded while the object lives, so every
// Plugin made from it must be gone first.
class Library {
public:
  Library() = default;
  ~Library();
  Library(const Library&) = delete;
  Library& operator=(const Library&) = delete;

  // Loads the library and finds "VSTPluginMain" (else "main").
  bool Open(const std::string& path, std::string* error);
  void* Symbol(const char* name) const;
  bool HasEntryPoint() const { return mEntry != nullptr; }
  // The loaded module (an HMODULE on Windows), or null.
  void* Handle() const { return mHandle; }
  void* CallEntryPoint(void* hostCallback) const;

private:
  void* mHandle = nullptr;
  void* mEntry = nullptr;
};

enum class ProcessKind { Accumulating, Replacing, Double };

// One plug-in instance and the host's side of it. Each instance is used by
// one thread at a time; several instances may run on several threads.
class Plugin {
public:
  explicit Plugin(const Library& library);
  ~Plugin();  // closes the instance when it is still open
  Plugin(const Plugin&) = delete;
  Plugin& operator=(const Plugin&) = delete;

  bool Create();  // false when the entry point gives no record
  bool IsOpen() const { return mEffect != nullptr; }
  const Library& GetLibrary() const { return mLibrary; }
  void* Effect() const { return mEffect; }

  EffectRecord Record() const;
  std::vector<uint8_t> RecordBytes() const;

  intptr_t Dispatch(int32_t opcode, int32_t index = 0, intptr_t value = 0, void* ptr = nullptr, float opt = 0.0f);
  float GetParameter(int32_t index);
  void SetParameter(int32_t index, float value);
  // Sends the events to the plug-in in one list (dispatcher opcode 25).
  intptr_t SendEvents(const std::vector<Event>& events);

  // Get and set chunk (opcodes 23, 24): the bank (index 0) or the program
  // (index 1). GetChunk copies the plug-in's bytes; empty when it gave none.
  std::vector<uint8_t> GetChunk(bool bank);
  intptr_t SetChunk(bool bank, const std::vector<uint8_t>& bytes);

  // Runs one process callback over the host's own buffers: at least one
  // per input and output of the record, grown (with zeros) to the frame
  // count. Inputs keep what the caller put there; outputs keep their
  // previous contents, so an accumulating call adds to them.
  void Process(ProcessKind kind, int32_t frames);
  std::vector<std::vector<float>> inputs, outputs;
  std::vector<std::vector<double>> inputsDouble, outputsDouble;
  // Resizes the buffers for the record's channel counts and fills them.
  void FillBuffers(int32_t frames, float inValue, float outValue);

  // Opcode 13: false when the plug-in gives no rectangle.
  bool GetEditorRect(EditorRect* rect);

  // Dispatcher opcode 1; the record is forgotten, never touched again.
  intptr_t Close();

  // The host's answers.
  TimeInfo time;
  std::string productString = "vsthost";
  std::string vendorString = "Tolvo";
  int32_t vendorVersion = 1000;
  intptr_t eventsAnswer = 1;  // answer to the process-events callback

  // The calls made on the thread that made this host object, in order.
  const std::vector<Callback>& Callbacks() const { return mCallbacks; }
  void ClearCallbacks() { mCallbacks.clear(); }
  // The calls made on any other thread (a host's audio thread), taken out
  // of their own log.
  std::vector<Callback> TakeOtherThreadCallbacks();

  // The host callback every instance is created with.
  static intptr_t VSTHOST_CDECL HostCallback(void* effect, int32_t opcode, int32_t index, intptr_t value, void* ptr,
                                             float opt);

private:
  intptr_t Answer(int32_t opcode, int32_t index, intptr_t value, void* ptr, float opt);

  const Library& mLibrary;
  void* mEffect = nullptr;
  const std::thread::id mOwnThread = std::this_thread::get_id();
  std::vector<Callback> mCallbacks;
  std::mutex mOtherThreadLock;
  std::vector<Callback> mOtherThreadCallbacks;
  alignas(8) uint8_t mTimeInfo[88] = {};
};

}  // namespace vsthost

#endif
