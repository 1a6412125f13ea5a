#ifndef IFXVST_H
#define IFXVST_H

// Binds IFxBase to a VST 2 host: owns the effect record the entry point
// hands out, answers the dispatcher, runs the process and parameter
// callbacks and reaches the host through its callback. Every entry from
// the host holds the plug lock for its whole run. Two host threads come in:
// the user-interface thread (requests, the editor and its timer) and the
// audio thread (processing and the MIDI events of each block).

#include "IFxBase.h"
#include "VSTInterface.h"

class IFxVST : public IFxBase {
public:
  // Host user-interface thread, from the entry point under its creation lock.
  IFxVST(audioMasterCallback hostCallback, int nHostParams, int nParams, const char* channelIOStr, int nPresets,
         const char* effectName, const char* productName, const char* mfrName, int vendorVersion, int uniqueID,
         int mfrID, int latency, bool plugDoesMidi, bool plugDoesChunks, bool plugIsInst);
  // Every parameter host-visible.
  IFxVST(audioMasterCallback hostCallback, int nParams, const char* channelIOStr, int nPresets, const char* effectName,
         const char* productName, const char* mfrName, int vendorVersion, int uniqueID, int mfrID, int latency,
         bool plugDoesMidi, bool plugDoesChunks, bool plugIsInst);
  // Host user-interface thread, from the close opcode.
  ~IFxVST() override;

  // Telling the host of a parameter change: on the user-interface thread for
  // editor changes, on the audio thread for MIDI learn; under the plug lock.
  void BeginInformHostOfParamChange(int idx) override;
  void InformHostOfParamChange(int idx, double normalizedValue) override;
  void EndInformHostOfParamChange(int idx) override;
  // Host user-interface thread.
  void UpdateHostDisplay() override;
  // The host's time information: host audio thread, during a block.
  int64_t GetSamplePos() override;
  double GetTempo() override;
  void GetTimeSig(int* pNum, int* pDenom) override;
  void GetTime(double* pSamplePos, double* pTempo, double* pMusicalPos, double* pLastBar, int* pNum, int* pDenom,
               double* pCycleStart, double* pCycleEnd, bool* pTransportRunning, bool* pTransportCycle) override;
  // Host user-interface thread: the open opcode and version requests.
  int GetHost() override;
  void HostSpecificInit() override;
  // Host user-interface thread: the plug-in's constructor and the editor.
  void ResizeGraphics() override;
  void AttachGraphics(IFxEditor* pEditor) override;
  // Either host thread, under the plug lock.
  void SetLatency(int samples) override;
  // Host audio thread, inside a block or its MIDI events.
  bool SendMidiMsg(IMidiMessage* pMsg) override;
  bool SendMidiMsgs(KIT_TypedBuf<IMidiMessage>* pMsgs) override;

  // Any thread.
  audioMasterCallback GetHostCallback() const { return mHostCallback; }
  // Passes one host event of any kind back to the host. Host audio thread,
  // from the process-events opcode.
  bool SendVSTEvent(VstEvent* pEvent);

  // Host user-interface thread: the entry point hands the record to the
  // host, who reaches the plug-in by it; from then on the plug-in calls the
  // host, and not before.
  AEffect* HandToHost()
  {
    HandedToHost();
    return &mAEffect;
  }

  // The callbacks of the effect record, each under the plug lock. The
  // dispatcher runs on the host user-interface thread, but for the
  // process-events opcode, which the host calls on its audio thread before
  // each block.
  static VstIntPtr VSTCALLBACK VSTDispatcher(AEffect* pEffect, VstInt32 opCode, VstInt32 idx, VstIntPtr value,
                                             void* ptr, float opt);
  // Host audio thread.
  static void VSTCALLBACK VSTProcess(AEffect* pEffect, float** inputs, float** outputs, VstInt32 nFrames);
  static void VSTCALLBACK VSTProcessReplacing(AEffect* pEffect, float** inputs, float** outputs, VstInt32 nFrames);
  static void VSTCALLBACK VSTProcessDoubleReplacing(AEffect* pEffect, double** inputs, double** outputs,
                                                    VstInt32 nFrames);
  // Host user-interface thread, or the audio thread for automation.
  static float VSTCALLBACK VSTGetParameter(AEffect* pEffect, VstInt32 idx);
  static void VSTCALLBACK VSTSetParameter(AEffect* pEffect, VstInt32 idx, float value);

private:
  void initialize();
  // Every call into the host; 0 without a host, or before it has the
  // plug-in.
  VstIntPtr CallHost(VstInt32 opCode, VstInt32 idx, VstIntPtr value, void* ptr, float opt);
  VstIntPtr Dispatch(VstInt32 opCode, VstInt32 idx, VstIntPtr value, void* ptr, float opt);
  VstIntPtr GetChunk(bool isBank, void** ppData);
  VstIntPtr SetChunk(bool isBank, VstIntPtr size, const void* data);
  VstIntPtr StringToParameter(int idx, const char* text);
  VstIntPtr CanDo(const char* text);
  VstIntPtr GetPinProperties(bool isInput, int idx, VstPinProperties* pProps);
  void SetSpeakerArrangement(VstSpeakerArrangement* pArr, int nChannels);
  VstTimeInfo* GetTimeInfo(VstInt32 filter);
  // Zeroes the host's output buffers that no connected channel took.
  template <typename Sample>
  void ZeroUntakenOutputs(Sample** outputs, int nFrames);
  // Sends want-MIDI and readies the buffers; false when the block cannot run.
  bool BeginProcess(const void* inputs, const void* outputs, int nFrames);
  // The two float callbacks: adding into the host's buffers, or replacing
  // them.
  void ProcessFloat(float** inputs, float** outputs, int nFrames, bool accumulate);

  ERect mEditRect;
  audioMasterCallback mHostCallback;
  VstSpeakerArrangement mInputSpkrArr;
  VstSpeakerArrangement mOutputSpkrArr;
  bool mHostSpecificInitDone = false;
  bool mDoesMidi;
  int mHasVSTExtensions = 0;
  IChunk mState;      // the last program chunk handed to the host
  IChunk mBankState;  // the last bank chunk handed to the host
  AEffect mAEffect;
};

#endif
