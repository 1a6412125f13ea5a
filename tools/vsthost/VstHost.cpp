#include "VstHost.h"

#include <algorithm>
#include <cstring>
#include <mutex>

#if defined(_WIN32)
#include <windows.h>
#else
#include <dlfcn.h>
#endif

namespace vsthost {

namespace {

typedef intptr_t(VSTHOST_CDECL* DispatcherFn)(void*, int32_t, int32_t, intptr_t, void*, float);
typedef void(VSTHOST_CDECL* ProcessFn)(void*, float**, float**, int32_t);
typedef void(VSTHOST_CDECL* ProcessDoubleFn)(void*, double**, double**, int32_t);
typedef void(VSTHOST_CDECL* SetParameterFn)(void*, int32_t, float);
typedef float(VSTHOST_CDECL* GetParameterFn)(void*, int32_t);
typedef void*(VSTHOST_CDECL* EntryFn)(void*);
typedef intptr_t(VSTHOST_CDECL* HostCallbackFn)(void*, int32_t, int32_t, intptr_t, void*, float);

const size_t kPtr = sizeof(void*);

// Effect record offsets (32-bit, 64-bit).
const size_t kMagic = 0;
const size_t kDispatcher = Offset(4, 8);
const size_t kProcess = Offset(8, 16);
const size_t kSetParameter = Offset(12, 24);
const size_t kGetParameter = Offset(16, 32);
const size_t kNumPrograms = Offset(20, 40);
const size_t kNumParams = Offset(24, 44);
const size_t kNumInputs = Offset(28, 48);
const size_t kNumOutputs = Offset(32, 52);
const size_t kFlags = Offset(36, 56);
const size_t kResvd1 = Offset(40, 64);
const size_t kResvd2 = Offset(44, 72);
const size_t kInitialDelay = Offset(48, 80);
const size_t kRealQualities = Offset(52, 84);
const size_t kOffQualities = Offset(56, 88);
const size_t kIoRatio = Offset(60, 92);
const size_t kObject = Offset(64, 96);
const size_t kUser = Offset(68, 104);
const size_t kUniqueID = Offset(72, 112);
const size_t kVersion = Offset(76, 116);
const size_t kProcessReplacing = Offset(80, 120);
const size_t kProcessDoubleReplacing = Offset(84, 128);
const size_t kFuture = Offset(88, 136);
const size_t kFutureSize = 56;

// The editor rectangle: four 16-bit values.
const size_t kRectTop = 0, kRectLeft = 2, kRectBottom = 4, kRectRight = 6;

// Event list: numEvents, a pointer-sized reserved word, the pointers.
const size_t kEventsArray = Offset(8, 16);
// SysEx event: dumpBytes, then resvd1, the dump pointer and resvd2,
// each pointer-sized.
const size_t kSysExDumpBytes = 16;
const size_t kSysExDump = Offset(24, 32);
const size_t kSysExSize = Offset(32, 48);

template <typename T>
T Read(const void* base, size_t off)
{
  T v;
  std::memcpy(&v, static_cast<const uint8_t*>(base) + off, sizeof v);
  return v;
}

template <typename T>
void Write(void* base, size_t off, T v)
{
  std::memcpy(static_cast<uint8_t*>(base) + off, &v, sizeof v);
}

// Instances by effect record, so the one host callback finds its plug-in;
// a call made while the entry point runs belongs to the instance that
// thread is creating, whatever record pointer it carries. Instances live on
// several threads at once, and an audio thread looks instances up while
// the script's thread makes and closes others.
std::mutex s_registryLock;
std::vector<Plugin*> s_plugins;
thread_local Plugin* s_creating = nullptr;

Event ReadEvent(const uint8_t* e)
{
  Event ev;
  ev.type = Read<int32_t>(e, 0);
  ev.byteSize = Read<int32_t>(e, 4);
  ev.deltaFrames = Read<int32_t>(e, 8);
  ev.flags = Read<int32_t>(e, 12);
  std::memcpy(ev.body, e + 16, sizeof ev.body);
  if (ev.type == kSysExEventType) {
    int32_t n = Read<int32_t>(e, kSysExDumpBytes);
    const uint8_t* dump = Read<const uint8_t*>(e, kSysExDump);
    if (dump && n > 0) ev.sysex.assign(dump, dump + n);
  }
  return ev;
}

void CopyString(void* ptr, const std::string& s)
{
  if (!ptr) return;
  size_t n = std::min<size_t>(s.size(), 63);
  std::memcpy(ptr, s.data(), n);
  static_cast<char*>(ptr)[n] = 0;
}

}  // namespace

size_t EffectRecordSize() { return Offset(144, 192); }

Event Event::Midi(int32_t delta, uint8_t status, uint8_t data1, uint8_t data2)
{
  Event e;
  e.type = kMidiEventType;
  e.byteSize = 32;
  e.deltaFrames = delta;
  e.body[8] = status;
  e.body[9] = data1;
  e.body[10] = data2;
  return e;
}

Event Event::SysEx(int32_t delta, const std::vector<uint8_t>& dump)
{
  Event e;
  e.type = kSysExEventType;
  e.byteSize = static_cast<int32_t>(kSysExSize);
  e.deltaFrames = delta;
  e.sysex = dump;
  return e;
}

// --- Library ---

Library::~Library()
{
  if (!mHandle) return;
#if defined(_WIN32)
  FreeLibrary(static_cast<HMODULE>(mHandle));
#else
  dlclose(mHandle);
#endif
}

bool Library::Open(const std::string& path, std::string* error)
{
  if (mHandle) {
    if (error) *error = "a library is already open";
    return false;
  }
#if defined(_WIN32)
  mHandle = LoadLibraryA(path.c_str());
  if (!mHandle) {
    if (error) *error = "cannot load " + path + " (error " + std::to_string(GetLastError()) + ")";
    return false;
  }
#else
  mHandle = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
  if (!mHandle) {
    if (error) *error = dlerror();
    return false;
  }
#endif
  mEntry = Symbol("VSTPluginMain");
  if (!mEntry) mEntry = Symbol("main");
  if (!mEntry && error) *error = "no entry point VSTPluginMain or main in " + path;
  return mEntry != nullptr;
}

void* Library::Symbol(const char* name) const
{
  if (!mHandle) return nullptr;
#if defined(_WIN32)
  return reinterpret_cast<void*>(GetProcAddress(static_cast<HMODULE>(mHandle), name));
#else
  return dlsym(mHandle, name);
#endif
}

void* Library::CallEntryPoint(void* hostCallback) const
{
  if (!mEntry) return nullptr;
  return reinterpret_cast<EntryFn>(mEntry)(hostCallback);
}

// --- Plugin ---

Plugin::Plugin(const Library& library) : mLibrary(library) {}

Plugin::~Plugin()
{
  if (mEffect) Close();
}

bool Plugin::Create()
{
  if (mEffect) return false;
  s_creating = this;
  HostCallbackFn cb = &Plugin::HostCallback;
  void* effect = mLibrary.CallEntryPoint(reinterpret_cast<void*>(cb));
  s_creating = nullptr;
  if (!effect) return false;
  std::lock_guard<std::mutex> lock(s_registryLock);
  mEffect = effect;
  s_plugins.push_back(this);
  return true;
}

EffectRecord Plugin::Record() const
{
  EffectRecord r;
  const void* e = mEffect;
  if (!e) return r;
  r.magic = Read<int32_t>(e, kMagic);
  r.dispatcher = Read<void*>(e, kDispatcher);
  r.process = Read<void*>(e, kProcess);
  r.setParameter = Read<void*>(e, kSetParameter);
  r.getParameter = Read<void*>(e, kGetParameter);
  r.numPrograms = Read<int32_t>(e, kNumPrograms);
  r.numParams = Read<int32_t>(e, kNumParams);
  r.numInputs = Read<int32_t>(e, kNumInputs);
  r.numOutputs = Read<int32_t>(e, kNumOutputs);
  r.flags = Read<int32_t>(e, kFlags);
  r.resvd1 = Read<intptr_t>(e, kResvd1);
  r.resvd2 = Read<intptr_t>(e, kResvd2);
  r.initialDelay = Read<int32_t>(e, kInitialDelay);
  r.realQualities = Read<int32_t>(e, kRealQualities);
  r.offQualities = Read<int32_t>(e, kOffQualities);
  r.ioRatio = Read<float>(e, kIoRatio);
  r.object = Read<void*>(e, kObject);
  r.user = Read<void*>(e, kUser);
  r.uniqueID = Read<int32_t>(e, kUniqueID);
  r.version = Read<int32_t>(e, kVersion);
  r.processReplacing = Read<void*>(e, kProcessReplacing);
  r.processDoubleReplacing = Read<void*>(e, kProcessDoubleReplacing);
  const uint8_t* future = static_cast<const uint8_t*>(e) + kFuture;
  r.futureZero = std::all_of(future, future + kFutureSize, [](uint8_t b) { return b == 0; });
  return r;
}

std::vector<uint8_t> Plugin::RecordBytes() const
{
  if (!mEffect) return {};
  const uint8_t* e = static_cast<const uint8_t*>(mEffect);
  return std::vector<uint8_t>(e, e + EffectRecordSize());
}

intptr_t Plugin::Dispatch(int32_t opcode, int32_t index, intptr_t value, void* ptr, float opt)
{
  if (!mEffect) return 0;
  if (opcode == kClose) return Close();
  DispatcherFn fn = Read<DispatcherFn>(mEffect, kDispatcher);
  return fn ? fn(mEffect, opcode, index, value, ptr, opt) : 0;
}

bool Plugin::GetEditorRect(EditorRect* rect)
{
  void* r = nullptr;
  if (!Dispatch(kEditGetRect, 0, 0, &r) || !r) return false;
  if (rect) {
    rect->top = Read<int16_t>(r, kRectTop);
    rect->left = Read<int16_t>(r, kRectLeft);
    rect->bottom = Read<int16_t>(r, kRectBottom);
    rect->right = Read<int16_t>(r, kRectRight);
  }
  return true;
}

intptr_t Plugin::Close()
{
  if (!mEffect) return 0;
  void* effect = mEffect;
  DispatcherFn fn = Read<DispatcherFn>(effect, kDispatcher);
  intptr_t r = fn ? fn(effect, kClose, 0, 0, nullptr, 0.0f) : 0;
  std::lock_guard<std::mutex> lock(s_registryLock);
  mEffect = nullptr;
  s_plugins.erase(std::remove(s_plugins.begin(), s_plugins.end(), this), s_plugins.end());
  return r;
}

float Plugin::GetParameter(int32_t index)
{
  if (!mEffect) return 0.0f;
  GetParameterFn fn = Read<GetParameterFn>(mEffect, kGetParameter);
  return fn ? fn(mEffect, index) : 0.0f;
}

void Plugin::SetParameter(int32_t index, float value)
{
  if (!mEffect) return;
  SetParameterFn fn = Read<SetParameterFn>(mEffect, kSetParameter);
  if (fn) fn(mEffect, index, value);
}

intptr_t Plugin::SendEvents(const std::vector<Event>& events)
{
  // Each event in a block of its own, as a host would hand them over.
  std::vector<std::vector<uint8_t>> blocks;
  for (const Event& e : events) {
    std::vector<uint8_t> b(std::max<size_t>(32, kSysExSize), 0);
    Write<int32_t>(b.data(), 0, e.type);
    Write<int32_t>(b.data(), 4, e.byteSize);
    Write<int32_t>(b.data(), 8, e.deltaFrames);
    Write<int32_t>(b.data(), 12, e.flags);
    if (e.type == kSysExEventType) {
      Write<int32_t>(b.data(), kSysExDumpBytes, static_cast<int32_t>(e.sysex.size()));
      Write<const uint8_t*>(b.data(), kSysExDump, e.sysex.data());
    } else {
      std::memcpy(b.data() + 16, e.body, sizeof e.body);
    }
    blocks.push_back(std::move(b));
  }
  std::vector<uint8_t> list(kEventsArray + kPtr * std::max<size_t>(2, events.size()), 0);
  Write<int32_t>(list.data(), 0, static_cast<int32_t>(events.size()));
  for (size_t i = 0; i < blocks.size(); ++i) Write<void*>(list.data(), kEventsArray + i * kPtr, blocks[i].data());
  return Dispatch(kProcessEvents, 0, 0, list.data(), 0.0f);
}

std::vector<uint8_t> Plugin::GetChunk(bool bank)
{
  void* data = nullptr;
  intptr_t n = Dispatch(kGetChunk, bank ? 0 : 1, 0, &data);
  if (n <= 0 || !data) return {};
  const uint8_t* p = static_cast<const uint8_t*>(data);
  return std::vector<uint8_t>(p, p + n);
}

intptr_t Plugin::SetChunk(bool bank, const std::vector<uint8_t>& bytes)
{
  // A copy of the host's own: the plug-in may not keep a pointer into it.
  std::vector<uint8_t> copy = bytes;
  return Dispatch(kSetChunk, bank ? 0 : 1, static_cast<intptr_t>(copy.size()), copy.empty() ? nullptr : copy.data());
}

void Plugin::FillBuffers(int32_t frames, float inValue, float outValue)
{
  EffectRecord r = Record();
  size_t n = static_cast<size_t>(std::max(frames, 0));
  inputs.assign(static_cast<size_t>(std::max(r.numInputs, 0)), std::vector<float>(n, inValue));
  outputs.assign(static_cast<size_t>(std::max(r.numOutputs, 0)), std::vector<float>(n, outValue));
  inputsDouble.assign(inputs.size(), std::vector<double>(n, inValue));
  outputsDouble.assign(outputs.size(), std::vector<double>(n, outValue));
}

void Plugin::Process(ProcessKind kind, int32_t frames)
{
  if (!mEffect) return;
  size_t n = static_cast<size_t>(std::max(frames, 0));
  // One buffer per channel of the record, never shorter than the block,
  // whatever the caller left.
  EffectRecord r = Record();
  size_t nIn = static_cast<size_t>(std::max(r.numInputs, 0)), nOut = static_cast<size_t>(std::max(r.numOutputs, 0));
  if (inputs.size() < nIn) inputs.resize(nIn);
  if (outputs.size() < nOut) outputs.resize(nOut);
  if (inputsDouble.size() < nIn) inputsDouble.resize(nIn);
  if (outputsDouble.size() < nOut) outputsDouble.resize(nOut);
  for (auto* v : {&inputs, &outputs})
    for (auto& b : *v)
      if (b.size() < n) b.resize(n, 0.0f);
  for (auto* v : {&inputsDouble, &outputsDouble})
    for (auto& b : *v)
      if (b.size() < n) b.resize(n, 0.0);

  if (kind == ProcessKind::Double) {
    std::vector<double*> in(inputsDouble.size() + 1, nullptr), out(outputsDouble.size() + 1, nullptr);
    for (size_t i = 0; i < inputsDouble.size(); ++i) in[i] = inputsDouble[i].data();
    for (size_t i = 0; i < outputsDouble.size(); ++i) out[i] = outputsDouble[i].data();
    ProcessDoubleFn fn = Read<ProcessDoubleFn>(mEffect, kProcessDoubleReplacing);
    if (fn) fn(mEffect, in.data(), out.data(), frames);
    return;
  }
  std::vector<float*> in(inputs.size() + 1, nullptr), out(outputs.size() + 1, nullptr);
  for (size_t i = 0; i < inputs.size(); ++i) in[i] = inputs[i].data();
  for (size_t i = 0; i < outputs.size(); ++i) out[i] = outputs[i].data();
  ProcessFn fn = Read<ProcessFn>(mEffect, kind == ProcessKind::Replacing ? kProcessReplacing : kProcess);
  if (fn) fn(mEffect, in.data(), out.data(), frames);
}

std::vector<Callback> Plugin::TakeOtherThreadCallbacks()
{
  std::lock_guard<std::mutex> lock(mOtherThreadLock);
  std::vector<Callback> taken;
  taken.swap(mOtherThreadCallbacks);
  return taken;
}

intptr_t VSTHOST_CDECL Plugin::HostCallback(void* effect, int32_t opcode, int32_t index, intptr_t value, void* ptr,
                                            float opt)
{
  Plugin* plug;
  {
    std::lock_guard<std::mutex> lock(s_registryLock);
    plug = s_creating;
    for (Plugin* p : s_plugins)
      if (effect && p->mEffect == effect) plug = p;
  }
  if (!plug) return opcode == kHostVersion ? 2400 : 0;
  return plug->Answer(opcode, index, value, ptr, opt);
}

intptr_t Plugin::Answer(int32_t opcode, int32_t index, intptr_t value, void* ptr, float opt)
{
  Callback cb;
  cb.opcode = opcode;
  cb.index = index;
  cb.value = value;
  cb.opt = opt;
  if (opcode == kHostProcessEvents && ptr) {
    int32_t n = Read<int32_t>(ptr, 0);
    for (int32_t i = 0; i < n; ++i) {
      const uint8_t* e = Read<const uint8_t*>(ptr, kEventsArray + static_cast<size_t>(i) * kPtr);
      if (e) cb.events.push_back(ReadEvent(e));
    }
  }
  if (std::this_thread::get_id() == mOwnThread) {
    mCallbacks.push_back(std::move(cb));
  } else {
    std::lock_guard<std::mutex> lock(mOtherThreadLock);
    mOtherThreadCallbacks.push_back(std::move(cb));
  }

  switch (opcode) {
    case kHostVersion: return 2400;
    case kHostWantMidi: return 1;
    case kHostGetTime: {
      if (!time.present) return 0;
      uint8_t* t = mTimeInfo;
      Write<double>(t, 0, time.samplePos);
      Write<double>(t, 8, time.sampleRate);
      Write<double>(t, 16, time.nanoSeconds);
      Write<double>(t, 24, time.ppqPos);
      Write<double>(t, 32, time.tempo);
      Write<double>(t, 40, time.barStartPos);
      Write<double>(t, 48, time.cycleStartPos);
      Write<double>(t, 56, time.cycleEndPos);
      Write<int32_t>(t, 64, time.timeSigNumerator);
      Write<int32_t>(t, 68, time.timeSigDenominator);
      Write<int32_t>(t, 72, time.smpteOffset);
      Write<int32_t>(t, 76, time.smpteFrameRate);
      Write<int32_t>(t, 80, time.samplesToNextClock);
      Write<int32_t>(t, 84, time.flags);
      return reinterpret_cast<intptr_t>(t);
    }
    case kHostProcessEvents: return eventsAnswer;
    case kHostGetVendorString: CopyString(ptr, vendorString); return 1;
    case kHostGetProductString: CopyString(ptr, productString); return 1;
    case kHostGetVendorVersion: return vendorVersion;
    default: return 0;
  }
}

}  // namespace vsthost
