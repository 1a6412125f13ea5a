#ifndef IFXAU_H
#define IFXAU_H

// Binds IFxBase to an Audio Unit host on macOS, as IFxVST binds it to a
// VST 2 host: answers the component entry's selectors and the property
// calls, reads and writes parameters for the host, keeps the buses and the
// input connections, renders, saves and restores the state dictionary,
// tells listeners of changes, reads the host's musical time and sends the
// plug-in's MIDI through a virtual source of its own or the host.
//
// Every selector but open and close reaches the plug-in under the plug
// lock; render and the fast-dispatch procedures take it themselves, so a
// host that calls them directly is serialised with everything else.

#include <AudioToolbox/AudioToolbox.h>
#include <AudioUnit/AudioUnit.h>
#include <CoreFoundation/CoreFoundation.h>
#include <CoreMIDI/CoreMIDI.h>

#include "AURecordSizes.h"
#include "IFxBase.h"
#include "KIT_PtrList.h"
#include "KIT_String.h"
#include "KIT_TypedBuf.h"

class RtMidiOut;
class IFxAU;

// What the component entry hands to the plug-in's constructor: where the
// bundle is and which class makes its Cocoa view.
struct AUInstanceInfo {
  KIT_String mBundleID;
  KIT_String mCocoaViewClass;
};

// The instance storage of a Carbon view component: the view instance and
// the plug-in whose editor it shows (null until a view is made, and again
// once the plug-in is gone).
struct AUCarbonViewRecord {
  AudioUnitCarbonView mView;
  IFxAU* mPlug;
};

// Makes a plug-in object for the open selector; null when none can be made.
typedef IFxAU* (*AUMakePlugFunc)();

class IFxAU : public IFxBase {
public:
  struct AUBus {
    bool mConnected;
    int mNHostChannels;  // -1 until the host sets a format
    int mNPlugChannels;  // 2, or 1 for a last odd channel
    int mPlugChannelStartIdx;

    // The channels the host's buffers stand for: what the host set, or the
    // bus's own count while the host has said nothing; never more than the
    // bus has.
    int NChannels() const
    {
      const int n = mNHostChannels >= 0 ? mNHostChannels : mNPlugChannels;
      return n < mNPlugChannels ? n : mNPlugChannels;
    }
  };

  enum EConnectionKind {
    kNotConnected = 0,
    kDirectFastProc = 1,    // an upstream unit with its render procedure
    kDirectNoFastProc = 2,  // an upstream unit, reached through AudioUnitRender
    kRenderCallback = 3,    // a host render callback
  };

  struct AUInputConnection {
    void* mUpstreamObj;  // the upstream unit's instance storage
    AudioUnit mUpstreamUnit;
    int mUpstreamBusIdx;
    AudioUnitRenderProc mUpstreamRenderProc;
    AURenderCallback mCallbackProc;
    void* mCallbackRefCon;
    int mConnectionKind;
  };

  struct AURenderNotify {
    AURenderCallback mProc;
    void* mRefCon;
  };

  struct AUPropertyListener {
    AudioUnitPropertyID mPropID;
    AudioUnitPropertyListenerProc mListenerProc;
    void* mProcArgs;
  };

  struct MidiDestination {
    MIDIPortRef mPort;
    MIDIEndpointRef mEndpoint;
  };

  // The MIDI output modes: the plug-in's own virtual source, or the host.
  static constexpr int kMidiOutVirtual = 0;
  static constexpr int kMidiOutHost = -1;

  // Host user-interface thread, from the open selector under the creation
  // lock.
  IFxAU(const AUInstanceInfo* pInfo, int nHostParams, int nParams, const char* channelIOStr, int nPresets,
        const char* effectName, const char* productName, const char* mfrName, int vendorVersion, int uniqueID,
        int mfrID, int latency, bool plugDoesMidi, bool plugDoesChunks, bool plugIsInst);
  // Every parameter host-visible.
  IFxAU(const AUInstanceInfo* pInfo, int nParams, const char* channelIOStr, int nPresets, const char* effectName,
        const char* productName, const char* mfrName, int vendorVersion, int uniqueID, int mfrID, int latency,
        bool plugDoesMidi, bool plugDoesChunks, bool plugIsInst);
  // Host user-interface thread, from the close selector.
  ~IFxAU() override;

  // --- The component entries ---
  // Either host thread: open and close on the user-interface thread
  // without the plug lock; every other selector holds it for its whole run.
  // One Component Manager call to the Audio Unit. pPlug is the instance
  // storage (null at open); makePlug makes the plug-in at open.
  static ComponentResult IFxAUEntry(ComponentParameters* params, void* pPlug, AUMakePlugFunc makePlug);
  // One call to the Carbon view component; pView is its AUCarbonViewRecord.
  static ComponentResult IFxAUCarbonViewEntry(ComponentParameters* params, void* pView);

  // --- Properties ---
  // Either host thread, under the plug lock: the entry's property selectors.
  // Reports the size and whether the host may set it; writes the value
  // too when pData is given. The caller makes sure pData holds the size.
  ComponentResult GetProperty(AudioUnitPropertyID propID, AudioUnitScope scope, AudioUnitElement element,
                              UInt32* pDataSize, Boolean* pWriteable, void* pData);
  ComponentResult SetProperty(AudioUnitPropertyID propID, AudioUnitScope scope, AudioUnitElement element,
                              const void* pData, UInt32 dataSize);
  // Any thread, no lock: the fast-dispatch procedure of a selector, for
  // property 5.
  static ComponentResult GetProc(AudioUnitElement selector, UInt32* pDataSize, void* pData);

  // --- The fast-dispatch procedures ---
  // Either host thread (render on the audio thread); each takes the plug
  // lock.
  static ComponentResult GetParamProc(void* pPlug, AudioUnitParameterID paramID, AudioUnitScope scope,
                                      AudioUnitElement element, AudioUnitParameterValue* pValue);
  static ComponentResult SetParamProc(void* pPlug, AudioUnitParameterID paramID, AudioUnitScope scope,
                                      AudioUnitElement element, AudioUnitParameterValue value, UInt32 offsetFrames);
  static ComponentResult RenderProc(void* pPlug, AudioUnitRenderActionFlags* pFlags, const AudioTimeStamp* pTimestamp,
                                    UInt32 outputBusIdx, UInt32 nFrames, AudioBufferList* pBufferList);

  // Either host thread, under the plug lock: calls every listener of the
  // property.
  void InformListeners(AudioUnitPropertyID propID, AudioUnitScope scope);

  // --- The saved-state dictionary ---
  // Either host thread, under the plug lock: the class-info property.
  // A new dictionary for the host, who releases it.
  ComponentResult GetState(CFPropertyListRef* ppPropList);
  // Checks the whole dictionary before it changes anything; a refused one
  // leaves every parameter as it was.
  ComponentResult SetState(CFPropertyListRef pPropList);

  // --- MIDI output ---

  // Host user-interface thread, the plug-in's constructor: opens the
  // virtual source "From <name>"; 1 when it is open, else 0.
  int OpenVirtualMidiOutput(const char* name);
  // Either host thread, under the plug lock: a parameter change.
  // kMidiOutVirtual, or any other value for the host.
  void SetMidiOutPort(int mode) { mMidiOutMode = mode; }
  int GetMidiOutPort() const { return mMidiOutMode; }
  // Any thread.
  bool HasVirtualMidiOutput() const { return mMidiOut != nullptr; }
  // Host user-interface thread: counts the system's MIDI destinations and
  // makes a port for each.
  void EnumerateMidiDestinations();
  // Host user-interface thread: the destinations, enumerated first when
  // none are known; selects the host mode.
  void GetMidiDestinations(KIT_TypedBuf<MidiDestination>* pDestinations);

  // --- IFxBase ---
  // Either host thread, under the plug lock: the user-interface thread for
  // editor changes, the audio thread for MIDI learn.
  void BeginInformHostOfParamChange(int idx) override;
  void InformHostOfParamChange(int idx, double normalizedValue) override;
  void EndInformHostOfParamChange(int idx) override;
  // Host user-interface thread.
  void UpdateHostDisplay() override;
  // The host's time information: host audio thread, under the plug lock,
  // during render.
  int64_t GetSamplePos() override;
  double GetTempo() override;
  void GetTimeSig(int* pNum, int* pDenom) override;
  void GetTime(double* pSamplePos, double* pTempo, double* pMusicalPos, double* pLastBar, int* pNum, int* pDenom,
               double* pCycleStart, double* pCycleEnd, bool* pTransportRunning, bool* pTransportCycle) override;
  // Host user-interface thread, under the plug lock.
  int GetHost() override;
  void ResizeGraphics() override {}
  void HostSpecificInit() override {}
  // Either host thread, under the plug lock.
  void SetBlockSize(int blockSize) override;
  void SetLatency(int samples) override;
  // Host audio thread (render, or the thread of a MIDI event passed
  // through), under the plug lock.
  bool SendMidiMsg(IMidiMessage* pMsg) override;
  bool SendMidiMsgs(KIT_TypedBuf<IMidiMessage>* pMsgs) override;

  // Any thread.
  AudioUnit GetInstance() const { return mCI; }
  const char* GetBundleID() const { return mBundleID.Get(); }
  const char* GetCocoaViewClass() const { return mCocoaViewClass.Get(); }
  bool IsInitialized() const { return mInitialized; }

private:
  void initialize(const AUInstanceInfo* pInfo);

  // --- Buses and connections ---
  AUBus* GetBus(AudioUnitScope scope, AudioUnitElement element) const;
  int NInputBuses() const { return mInBuses.GetSize(); }
  int NOutputBuses() const { return mOutBuses.GetSize(); }
  // The sum of the known host channel counts of the buses but one; -1 when
  // none is known.
  static int NHostChannelsOtherBuses(const KIT_PtrList<AUBus>& buses, int except);
  bool CheckLegalIO() const;
  bool CheckLegalIOWithBus(AudioUnitScope scope, AudioUnitElement element, int nChannels) const;
  void ClearConnections();
  void AssessInputConnections();
  ComponentResult SetStreamFormat(AudioUnitScope scope, AudioUnitElement element,
                                  const AudioStreamBasicDescription* pFormat);
  void GetStreamFormat(const AUBus* pBus, AudioStreamBasicDescription* pFormat) const;
  ComponentResult MakeConnection(AudioUnitScope scope, const AudioUnitConnection* pConn);
  ComponentResult SetRenderCallback(AudioUnitScope scope, AudioUnitElement element,
                                    const AURenderCallbackStruct* pCallback);

  // --- Render ---
  // The checks that refuse a render before anything is told or touched.
  ComponentResult CheckRender(const AudioTimeStamp* pTimestamp, UInt32 outputBusIdx, UInt32 nFrames,
                              const AudioBufferList* pBufferList);
  ComponentResult PullInputs(const AudioTimeStamp* pTimestamp, UInt32 nFrames);
  ComponentResult PullInput(int busIdx, const AudioTimeStamp* pTimestamp, UInt32 nFrames);
  void AttachOutputs(AUBus* pBus, UInt32 nFrames, AudioBufferList* pBufferList);
  void NotifyRender(AudioUnitRenderActionFlags flags, const AudioTimeStamp* pTimestamp, UInt32 outputBusIdx,
                    UInt32 nFrames, AudioBufferList* pBufferList);

  // --- Property helpers ---
  ComponentResult ApplyProperty(AudioUnitPropertyID propID, AudioUnitScope scope, AudioUnitElement element,
                                const void* pData, UInt32 dataSize);
  ComponentResult GetParamInfo(AudioUnitElement paramIdx, AudioUnitParameterInfo* pInfo) const;
  ComponentResult GetParamValueStrings(AudioUnitElement paramIdx, UInt32* pDataSize, CFArrayRef* pStrings) const;
  ComponentResult GetParamStringFromValue(AudioUnitParameterStringFromValue* pSFV) const;
  ComponentResult GetParamName(AudioUnitParameterNameInfo* pNameInfo) const;
  ComponentResult GetParamValueFromString(AudioUnitParameterValueFromString* pVFS) const;
  ComponentResult GetFactoryPresets(CFArrayRef* pPresets) const;
  ComponentResult GetCocoaUI(AudioUnitCocoaViewInfo* pViewInfo) const;
  ComponentResult SetHostIdentifier(const AUHostIdentifier* pHostID);
  ComponentResult GetComponentDescription(ComponentDescription* pDesc) const;
  // The state bytes: the plug-in's own when it keeps chunks, else the
  // parameters; reading answers the position reached, or -1.
  bool SaveStateBytes(IChunk* pChunk);
  int LoadStateBytes(IChunk* pChunk);

  // --- The Carbon view records showing this plug-in ---
  void AddCarbonView(AUCarbonViewRecord* pView);
  void RemoveCarbonView(AUCarbonViewRecord* pView);

  // A parameter's begin, change or end, told to the host's listeners.
  void NotifyParamEvent(AudioUnitEventType type, int idx);

  // --- MIDI output ---
  void CloseVirtualMidiOutput();
  bool SendVirtualMidiMsg(const IMidiMessage* pMsg);
  bool SendHostMidiMsg(const IMidiMessage* pMsg);

  RtMidiOut* mMidiOut = nullptr;
  KIT_String mBundleID, mCocoaViewClass;
  AudioUnit mCI = nullptr;
  bool mInitialized = false, mBypassed = false;
  double mRenderTimestamp = -1.0;  // the sample time of the last input pull
  double mTempo = 120.0;
  HostCallbackInfo mHostCallbacks;
  KIT_TypedBuf<MidiDestination> mMidiDestinations;
  int mMidiOutMode = kMidiOutHost;
  KIT_TypedBuf<float> mInScratchBuf, mOutScratchBuf;
  KIT_PtrList<AURenderNotify> mRenderNotify;
  AUMIDIOutputCallbackStruct mMidiCallback;
  alignas(8) unsigned char mMidiPacketList[1024];
  // A copy, so that a message sent between renders never reads a host's
  // time stamp that has gone.
  AudioTimeStamp mLastRenderTimeStamp;
  KIT_PtrList<AUBus> mInBuses, mOutBuses;
  KIT_PtrList<AUInputConnection> mInputConnections;
  KIT_PtrList<AUPropertyListener> mPropertyListeners;
  KIT_PtrList<AUCarbonViewRecord> mCarbonViews;  // not owned
};

#endif
