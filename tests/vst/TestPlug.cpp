// A small plug-in on the framework, to run the VST 2 binding through a
// host: parameters of each kind (one kept from the host), two presets,
// MIDI thru, a stand-in editor. Built with TESTPLUG_SYNTH it is instead a
// bare instrument with no presets, no MIDI, no chunks and a mono-capable
// channel set, so the effect record's other flags show.

#include "TestPlug.h"

#include <atomic>
#include <cstring>
#include <new>

#include "IFxVST.h"
#include "IGraphicsHeadless.h"

namespace {
std::atomic<int> sAlive{0};

// An editor that counts what the binding asks of it; its controls, one per
// parameter, count the values pushed into them.
class TestEditor : public IGraphicsHeadless {
public:
  explicit TestEditor(IFxBase* plug) : IGraphicsHeadless(plug, 300, 200)
  {
    for (int i = 0; i < plug->NParams(); ++i) AttachControl(new Counter(plug, i, &mPlugParams));
  }
  void PrepareDrawing() override
  {
    IGraphicsHeadless::PrepareDrawing();
    ++mPrepared;
  }
  void* OpenWindow(void* pParentWnd) override
  {
    if (!pParentWnd) return nullptr;
    ++mOpened;
    return IGraphicsHeadless::OpenWindow(pParentWnd);
  }
  void CloseWindow() override
  {
    IGraphicsHeadless::CloseWindow();
    ++mClosed;
  }

  int mPlugParams = 0, mPrepared = 0, mOpened = 0, mClosed = 0;

private:
  class Counter : public IControl {
  public:
    Counter(IFxBase* plug, int idx, int* count) : IControl(plug, IRECT(), idx), mCount(count) {}
    void SetValueFromPlug(double) override { ++*mCount; }
    bool Draw(IGraphics*) override { return true; }

  private:
    int* mCount;
  };
};

#ifndef TESTPLUG_SYNTH
const int kHostParams = 4, kParams = 5, kPresets = 2;
const char* const kChannelIO = "2-2";
const bool kMidi = true, kChunks = true, kInst = false;
#else
const int kHostParams = 2, kParams = 2, kPresets = 0;
const char* const kChannelIO = "1-1 0-2";
const bool kMidi = false, kChunks = false, kInst = true;
#endif

// Longer than the 63 characters a host's string buffer takes.
const char* const kProduct = "Tolvo Test Product, with a name that runs on past what hosts give room for";

class TestPlug : public IFxVST {
public:
  explicit TestPlug(audioMasterCallback hostCallback)
    : IFxVST(hostCallback, kHostParams, kParams, kChannelIO, kPresets, "Tolvo Test Plug-in With A Long Effect Name",
             kProduct, "Tolvo Makers", 0x00010200, 0x74547374 /* tTst */, 0x71376D32 /* q7m2 */, 16, kMidi, kChunks,
             kInst)
  {
    ++sAlive;
    GetParam(0)->InitDouble("Gain", 0.5, 0.0, 1.0, 0.01, "dB");
    GetParam(1)->InitInt("Steps", 4, 1, 16, "steps");
#ifndef TESTPLUG_SYNTH
    GetParam(2)->InitEnum("Mode", 0, 3);
    GetParam(2)->SetDisplayText(0, "Up");
    GetParam(2)->SetDisplayText(1, "Down");
    GetParam(2)->SetDisplayText(2, "Random");
    GetParam(3)->InitBool("Hold", false);
    GetParam(4)->InitDouble("Shift", 0.0, -12.0, 12.0, 0.5, "st");
    GetParam(4)->SetDisplayNegated(true);

    MakePresetFromNamedParams("Soft", 2, 0, 0.25, 1, 2);
    MakePreset("Loud", 1.0, 8, 1, 1, 6.0);

    mEditor = new TestEditor(this);
    AttachGraphics(mEditor);
#endif
  }

  ~TestPlug() override { --sAlive; }

  void Reset() override
  {
    IFxVST::Reset();
    ++mResets;
  }
  void OnParamChange(int paramIdx) override
  {
    IFxVST::OnParamChange(paramIdx);
    ++mParamChanges;
    mLastParamChange = paramIdx;
  }
  void OnActivate(bool active) override
  {
    IFxVST::OnActivate(active);
    ++(active ? mActivations : mDeactivations);
  }
  void OnGUIOpen() override { ++mGuiOpens; }
  void OnGUIClose() override { ++mGuiCloses; }
  void PresetsChanged() override { ++mPresetsChanged; }
  bool MidiNoteName(int noteNumber, char* noteName) override
  {
    if (noteNumber == 60) {
      std::strcpy(noteName, "Middle C");
      return true;
    }
    if (noteNumber == 61) {
      // Longer than any host buffer: the binding cuts it.
      std::memset(noteName, 'k', 100);
      noteName[100] = 0;
      return true;
    }
    return IFxVST::MidiNoteName(noteNumber, noteName);
  }

  int Count(const char* what)
  {
    // These ask the host: only when wanted.
    if (!std::strcmp(what, "host")) return GetHost();
    if (!std::strcmp(what, "hostVersion")) return GetHostVersion(false);
    // The values the editor shows once it ticks.
    if (!std::strcmp(what, "editorParams") && mEditor) mEditor->ShowPlugChanges();
    struct Counter {
      const char* name;
      int value;
    };
    const Counter counters[] = {
        {"paramChanges", mParamChanges},
        {"lastParamChange", mLastParamChange},
        {"resets", mResets},
        {"activations", mActivations},
        {"deactivations", mDeactivations},
        {"guiOpens", mGuiOpens},
        {"guiCloses", mGuiCloses},
        {"presetsChanged", mPresetsChanged},
        {"editorParams", mEditor ? mEditor->mPlugParams : -1},
        {"editorPrepared", mEditor ? mEditor->mPrepared : -1},
        {"editorOpened", mEditor ? mEditor->mOpened : -1},
        {"editorClosed", mEditor ? mEditor->mClosed : -1},
        {"blockSize", GetBlockSize()},
        {"sampleRate", (int)GetSampleRate()},
        {"in0Connected", IsInChannelConnected(0)},
        {"in1Connected", IsInChannelConnected(1)},
        {"out0Connected", IsOutChannelConnected(0)},
        {"out1Connected", IsOutChannelConnected(1)},
    };
    for (const Counter& c : counters)
      if (!std::strcmp(c.name, what)) return c.value;
    return -1000;
  }

  void Time(double* out)
  {
    out[0] = (double)GetSamplePos();
    out[1] = GetTempo();
    int num = -1, den = -1;
    GetTimeSig(&num, &den);
    out[2] = num;
    out[3] = den;
    double samplePos, tempo, musicalPos, lastBar, cycleStart, cycleEnd;
    bool running = true, cycle = true;
    GetTime(&samplePos, &tempo, &musicalPos, &lastBar, &num, &den, &cycleStart, &cycleEnd, &running, &cycle);
    const double t[] = {samplePos, tempo, musicalPos, lastBar, (double)num, (double)den, cycleStart, cycleEnd};
    std::memcpy(out + 4, t, sizeof t);
    out[12] = running;
    out[13] = cycle;
    out[14] = GetSamplesPerBeat();
  }

private:
  TestEditor* mEditor = nullptr;  // owned by the base once attached
  int mParamChanges = 0, mLastParamChange = -1, mResets = 0, mActivations = 0, mDeactivations = 0;
  int mGuiOpens = 0, mGuiCloses = 0, mPresetsChanged = 0;
};

TestPlug* PlugOf(void* effect) { return effect ? (TestPlug*)((AEffect*)effect)->object : nullptr; }
}  // namespace

extern "C" {

AEffect* VSTCALLBACK VSTPluginMain(audioMasterCallback hostCallback)
{
  static KIT_Mutex sCreateLock;
  KIT_MutexLock lock(&sCreateLock);
  TestPlug* plug = new (std::nothrow) TestPlug(hostCallback);
  if (!plug) return nullptr;
  plug->FillEmptyPresets();
  AEffect* effect = plug->HandToHost();
  if (effect->numPrograms < 1) effect->numPrograms = 1;
  return effect;
}

int32_t TestPlug_Count(void* effect, const char* what)
{
  if (!effect) return !std::strcmp(what, "alive") ? sAlive.load() : -1000;
  return PlugOf(effect)->Count(what);
}

void TestPlug_Time(void* effect, double* out) { PlugOf(effect)->Time(out); }

void TestPlug_Edit(void* effect, int32_t idx, double normalized)
{
  TestPlug* plug = PlugOf(effect);
  plug->BeginInformHostOfParamChange(idx);
  plug->SetParameterFromGUI(idx, normalized);
  plug->EndInformHostOfParamChange(idx);
}

}  // extern "C"
