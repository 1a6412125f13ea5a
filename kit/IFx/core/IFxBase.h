#ifndef IFXBASE_H
#define IFXBASE_H

// The base class of every plug-in object. It owns the parameters, the
// presets, the channel configuration and the sample buffers of one
// instance, and the plug lock that serialises everything the host and the
// editor do to it. A host binding derives from it and supplies the
// host-facing operations; the plug-in class overrides processing and the
// notifications.
//
// Each declaration says which thread calls it and which lock is held.
// "Host user-interface thread" and "host audio thread" are the host's;
// the plug lock is m_mutex below. The binding holds it for every entry
// from the host, so what it forwards runs under it.

#include <cstdint>
#include <memory>

#include "IChunk.h"
#include "IFxEditor.h"
#include "IMidiMessage.h"
#include "IParam.h"
#include "IPreset.h"
#include "KIT_Mutex.h"
#include "KIT_PtrList.h"
#include "KIT_TypedBuf.h"

class IFxBase {
public:
  static const int kNameLen = 128;  // effect, product and maker names, terminator included

  struct ChannelIO {
    int mIn, mOut;
  };

  struct InChannel {
    bool mConnected = false;
    double** mSrc = nullptr;  // this channel's entry of the input data array
    KIT_TypedBuf<double> mScratchBuf{4096};
  };

  struct OutChannel {
    bool mConnected = false;
    double** mDest = nullptr;  // this channel's entry of the output data array
    float* mFDest = nullptr;   // the host's float buffer, when converting
    KIT_TypedBuf<double> mScratchBuf{4096};
  };

  // Host user-interface thread, from the entry point under its creation lock.
  IFxBase(int nHostParams, int nParams, const char* channelIOStr, int nPresets, const char* effectName,
          const char* productName, const char* mfrName, int vendorVersion, int uniqueID, int mfrID, int latency,
          bool plugDoesMidi, bool plugDoesChunks, bool plugIsInst);
  // Every parameter host-visible.
  IFxBase(int nParams, const char* channelIOStr, int nPresets, const char* effectName, const char* productName,
          const char* mfrName, int vendorVersion, int uniqueID, int mfrID, int latency, bool plugDoesMidi,
          bool plugDoesChunks, bool plugIsInst);
  // Host user-interface thread, as the host closes the plug-in.
  virtual ~IFxBase();
  IFxBase(const IFxBase&) = delete;
  IFxBase& operator=(const IFxBase&) = delete;

  // --- Virtual operations, in slot order ---
  // Host user-interface thread, under the plug lock: after a sample-rate or
  // block-size change, as the host switches the plug-in off or resets it.
  virtual void Reset();
  // Host user-interface thread, under the plug lock: a control's value
  // prompt set the parameter (SetParameterFromControl).
  virtual void OnParamChangeFromControl(int ctrlIdx, int ctrlParamIdx, int paramIdx, int x, int y);
  // Either host thread, under the plug lock: the editor, the host's views,
  // presets and chunks on the user-interface thread, automation on the
  // audio thread.
  virtual void OnParamChange(int paramIdx);
  // Host audio thread, under the plug lock.
  virtual void ProcessDoubleReplacing(double** inputs, double** outputs, int nFrames);
  // Host user-interface thread, under the plug lock: the editor's window
  // has opened, or is about to close.
  virtual void OnGUIOpen() {}
  virtual void OnGUIClose() {}
  // Host user-interface thread, under the editor lock, and the plug lock
  // too when an editor event or a host request runs it: the editor's tick,
  // where the plug-in shows in its controls what it deferred.
  virtual void OnGUITick() {}
  virtual void Reserved1() {}
  // Host user-interface thread, under the plug lock.
  virtual void OnActivate(bool active);
  // Host audio thread, under the plug lock: each incoming message of a
  // block, before the block is processed.
  virtual void ProcessMidiMsg(IMidiMessage* pMsg);
  // Host user-interface thread, under the plug lock.
  virtual bool MidiNoteName(int noteNumber, char* noteName);  // noteName holds 64 bytes
  // Host user-interface thread, under the plug lock: the state as the host
  // saves or restores it.
  virtual bool SerializeState(IChunk* pChunk);
  virtual int UnserializeState(IChunk* pChunk, int startPos);

  // Either host thread, under the plug lock: the user-interface thread for
  // editor changes, the audio thread for MIDI learn.
  virtual void BeginInformHostOfParamChange(int idx) = 0;
  virtual void InformHostOfParamChange(int idx, double normalizedValue) = 0;
  virtual void EndInformHostOfParamChange(int idx) = 0;
  // Host user-interface thread.
  virtual void UpdateHostDisplay() = 0;
  // Host audio thread, under the plug lock, during a block: the host's time
  // information. GetSamplePos is the transport position in samples.
  virtual int64_t GetSamplePos() = 0;
  virtual double GetTempo() = 0;
  virtual void GetTimeSig(int* pNum, int* pDenom) = 0;
  virtual void GetTime(double* pSamplePos, double* pTempo, double* pMusicalPos, double* pLastBar, int* pNum,
                       int* pDenom, double* pCycleStart, double* pCycleEnd, bool* pTransportRunning,
                       bool* pTransportCycle) = 0;
  // Host user-interface thread, under the plug lock: the open request and
  // version requests.
  virtual int GetHost() { return mHost; }
  // Host user-interface thread: AttachGraphics, and the editor's Resize
  // under the plug lock.
  virtual void ResizeGraphics() = 0;
  virtual void Reserved2() {}
  // Host user-interface thread, under the plug lock: the open request.
  virtual void HostSpecificInit() = 0;
  // Host user-interface thread, from the plug-in's constructor; takes the
  // plug lock. Owns the editor from then on.
  virtual void AttachGraphics(IFxEditor* pEditor);
  // Host user-interface thread, under the plug lock.
  virtual void SetBlockSize(int blockSize);
  // Either host thread, under the plug lock.
  virtual void SetLatency(int samples) { mLatency = samples; }
  // Host audio thread, under the plug lock, inside a block or its MIDI
  // events.
  virtual bool SendMidiMsg(IMidiMessage* pMsg) = 0;
  virtual bool SendMidiMsgs(KIT_TypedBuf<IMidiMessage>* pMsgs) = 0;
  // Host user-interface thread, under the plug lock: after a preset or a
  // chunk set every value. Takes no lock of its own.
  virtual void RedrawParamControls();
  // Host user-interface thread, under the plug lock: the bank as the host
  // saves or restores it.
  virtual bool SerializePresets(IChunk* pChunk);
  virtual int UnserializePresets(IChunk* pChunk, int startPos);
  // Host user-interface thread, under the plug lock: a preset was restored
  // or renamed.
  virtual void PresetsChanged() {}
  // The position after a whole plug-in state at startPos, or -1 when the
  // chunk does not hold one; reads nothing into the plug-in. The default is
  // the parameter block; a plug-in with a state of its own says its size.
  // Host user-interface thread, under the plug lock: the state readers.
  virtual int StateEnd(const IChunk* pChunk, int startPos) const;

  // --- Parameters ---
  // Any thread; a parameter's value under the plug lock.
  IParam* GetParam(int idx) const { return mParams.Get(idx); }
  int NParams() const { return mParams.GetSize(); }
  // Any thread; null without an editor.
  IGraphics* GetGUI() const { return mEditor ? mEditor->GetGraphics() : nullptr; }
  // Host user-interface thread, a control's change; takes the plug lock:
  // set, tell the host unless the parameter is host-hidden, then
  // OnParamChange.
  void SetParameterFromGUI(int idx, double normalizedValue);
  // Host user-interface thread, a control's value prompt; takes the plug
  // lock and ends with OnParamChangeFromControl.
  void SetParameterFromControl(int ctrlIdx, int ctrlParamIdx, int paramIdx, double normalizedValue, int x, int y);
  // Host user-interface thread; takes the plug lock.
  void OnParamReset();
  void InformHostOfAllParams();

  // --- Identity and host ---
  // Any thread: fixed at construction.
  // False while the plug-in is being made: a host that has not got it yet
  // is told nothing of it. The binding hands it over. Any thread.
  bool HostHasPlug() const { return mHostHasPlug; }
  const char* GetEffectName() const { return mEffectName; }
  const char* GetProductName() const { return mProductName; }
  const char* GetMfrName() const { return mMfrName; }
  int GetUniqueID() const { return mUniqueID; }
  int GetMfrID() const { return mMfrID; }
  int GetLatency() const { return mLatency; }
  bool DoesStateChunks() const { return mStateChunks; }
  bool IsInst() const { return mIsInst; }
  int GetEffectVersion(bool decimal) const;
  static void GetVersionParts(int version, int* pMajor, int* pMinor, int* pRevision);
  static int GetDecimalVersion(int version);
  // Host user-interface thread, under the plug lock.
  int GetHostVersion(bool decimal);
  void SetHost(const char* host, int version);

  // Either host thread, under the plug lock; the setters on the
  // user-interface thread.
  double GetSampleRate() const { return mSampleRate; }
  void SetSampleRate(double sampleRate) { mSampleRate = sampleRate; }
  int GetBlockSize() const { return mBlockSize; }
  // Host audio thread, under the plug lock, during a block.
  double GetSamplesPerBeat();

  // --- Channels and buffers ---
  // Either host thread, under the plug lock: the layout is set on the
  // user-interface thread (or as the Audio Unit renders), the buffers
  // attached and processed on the audio thread.
  int NInChannels() const { return mInChannels.GetSize(); }
  int NOutChannels() const { return mOutChannels.GetSize(); }
  int NChannelIO() const { return mChannelIO.GetSize(); }
  // The idx-th declared channel-I/O pair, or null.
  const ChannelIO* GetChannelIO(int idx) const { return mChannelIO.Get(idx); }
  bool LegalIO(int nIn, int nOut) const;
  void LimitToStereoIO();
  void SetInputChannelConnections(int idx, int n, bool connected);
  void SetOutputChannelConnections(int idx, int n, bool connected);
  bool IsInChannelConnected(int chIdx) const;
  bool IsOutChannelConnected(int chIdx) const;
  // The host's arrays hold the connected channels only, in order.
  void AttachInputBuffers(int idx, int n, double** ppData, int nFrames);
  void AttachInputBuffersFromFloat(int idx, int n, float** ppData, int nFrames);
  void AttachOutputBuffers(int idx, int n, double** ppData, int nFrames);
  void AttachOutputBuffersToFloat(int idx, int n, float** ppData, int nFrames);
  // Grows the scratch buffers to hold nFrames when the host sends a longer
  // block than announced; false when they still cannot.
  bool ScratchHolds(int nFrames);
  void ProcessBuffers(int nFrames);
  void ProcessBuffersToFloat(int nFrames);
  void ProcessBuffersAccumulating(int nFrames);

  // --- Presets ---
  // Host user-interface thread, under the plug lock; the plug-in's
  // constructor makes its presets before the host has it.
  int NPresets() const { return mPresets.GetSize(); }
  int GetCurrentPresetIdx() const { return mCurrentPresetIdx; }
  const char* GetPresetName(int idx) const;
  bool IsPresetInitialized(int idx) const;
  void MakeDefaultUserPresetName(KIT_PtrList<IPreset>* pPresets, char* str);  // str holds IPreset::kNameLen
  void MakePresetsFromCurrentParams(const char* name, int n);
  void FillEmptyPresets();
  void MakePreset(const char* name, ...);
  void MakePresetFromNamedParams(const char* name, int nParamsNamed, ...);
  void MakePresetFromNormalizedArray(const char* name, const float* values, int n);
  bool RestorePreset(int idx);
  bool RestorePresetByName(const char* name);
  void ModifyCurrentPreset(const char* name = nullptr);
  void PruneUninitializedPresets();
  bool DumpPresetSrcCode(const char* filePath, const char* const* paramEnumNames);

  // --- State formats ---
  // Host user-interface thread, under the plug lock (the readers and
  // writers take it themselves).
  void WriteChunkHeader(IChunk* pChunk);
  // The header's version (0 for none), the position moved past it; -1 when
  // the header is cut short.
  int ReadChunkHeader(IChunk* pChunk, int* pPos);
  bool SerializeParams(IChunk* pChunk);
  // Reads a whole parameter block, or refuses one cut short (-1) without
  // changing anything.
  int UnserializeParams(IChunk* pChunk, int startPos);
  // The position after a whole parameter block or preset bank at
  // startPos, or -1 when the chunk is cut short; nothing is read into the
  // plug-in. Any thread, no lock: they change nothing.
  int ParamsEnd(const IChunk* pChunk, int startPos) const;
  int PresetsEnd(const IChunk* pChunk, int startPos) const;

  KIT_Mutex m_mutex;  // the plug lock, recursive

  // The one order in which any thread holds the plug lock and an editor's
  // lock together: the plug lock, then the editor lock, let go the other
  // way round. Either may be missing. The editor's events, prompts and
  // resizing take both through it, on the host user-interface thread.
  class PlugAndEditorLock {
  public:
    PlugAndEditorLock(IFxBase* pPlug, KIT_Mutex* pEditorLock) : mPlug(pPlug), mEditorLock(pEditorLock)
    {
      Enter(mPlug, mEditorLock);
    }
    ~PlugAndEditorLock() { Leave(mPlug, mEditorLock); }
    PlugAndEditorLock(const PlugAndEditorLock&) = delete;
    PlugAndEditorLock& operator=(const PlugAndEditorLock&) = delete;

    // For one who lets both go for a while (a modal window) and takes
    // them back.
    static void Enter(IFxBase* pPlug, KIT_Mutex* pEditorLock)
    {
      if (pPlug) pPlug->m_mutex.Enter();
      if (pEditorLock) pEditorLock->Enter();
    }
    static void Leave(IFxBase* pPlug, KIT_Mutex* pEditorLock)
    {
      if (pEditorLock) pEditorLock->Leave();
      if (pPlug) pPlug->m_mutex.Leave();
    }

  private:
    IFxBase* mPlug;
    KIT_Mutex* mEditorLock;
  };

protected:
  // Host user-interface thread: the binding, as the host receives the
  // plug-in; from here on what it does is told to the host.
  void HandedToHost() { mHostHasPlug = true; }

  int mHost = -1;
  int mHostVersion = 0;
  int mCurrentPresetIdx = 0;
  IFxEditor* mEditor = nullptr;  // owned

private:
  void initialize(int nHostParams, int nParams, const char* channelIOStr, int nPresets, const char* effectName,
                  const char* productName, const char* mfrName);
  IPreset* FirstUninitializedPreset() const;
  // The first uninitialised preset, marked initialised, named and emptied
  // for its values; null when every preset is taken.
  IPreset* StartPreset(const char* name);
  // Appends one value per parameter: the given one, or the current value
  // where the entry still holds the "not given" marker.
  void PutGivenOrCurrentValues(IPreset* p, const KIT_TypedBuf<double>& values);
  // Gives every channel room for nFrames samples and points the
  // unconnected ones at their (possibly moved) scratch buffers; false when
  // some buffer could not grow.
  bool SizeScratchBuffers(int nFrames, bool exact);
  void PointUnconnectedChannels();
  // Writes every connected output's samples into its float destination,
  // or adds them to it.
  void PassOutputsToFloat(int nFrames, bool accumulate);

  KIT_PtrList<ChannelIO> mChannelIO;
  char mEffectName[kNameLen];
  char mProductName[kNameLen];
  char mMfrName[kNameLen];
  int mUniqueID;
  int mMfrID;
  int mVersion;
  bool mStateChunks;
  bool mIsInst;
  double mSampleRate = 44100.0;
  int mBlockSize = 0;
  int mLatency;
  bool mHostHasPlug = false;
  KIT_PtrList<IParam> mParams;  // into mParamStore
  std::unique_ptr<IParam[]> mParamStore;
  KIT_PtrList<IPreset> mPresets;
  KIT_TypedBuf<double*> mInData;
  KIT_TypedBuf<double*> mOutData;
  KIT_PtrList<InChannel> mInChannels;
  KIT_PtrList<OutChannel> mOutChannels;
};

#endif
