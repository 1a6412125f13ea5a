// The component entries: every Component Manager call to the Audio Unit and
// to its Carbon view, dispatched by selector.

#include "AUCallArgs.h"
#include "IFxAU.h"
#include "IFxUtilities.h"
#include "IGraphics.h"

namespace {
// A float as a MIDI data byte: its integer part, kept within 0..127.
uint8_t ToDataByte(double value)
{
  if (!(value >= 0.0)) return 0;
  return value >= 127.0 ? 127 : (uint8_t)value;
}

// Every selector the entry answers; can-do asks this.
bool HandlesSelector(int select)
{
  switch (select) {
    case kComponentOpenSelect:
    case kComponentCloseSelect:
    case kComponentCanDoSelect:
    case kComponentVersionSelect:
    case kAudioUnitInitializeSelect:
    case kAudioUnitUninitializeSelect:
    case kAudioUnitGetPropertyInfoSelect:
    case kAudioUnitGetPropertySelect:
    case kAudioUnitSetPropertySelect:
    case kAudioUnitGetParameterSelect:
    case kAudioUnitSetParameterSelect:
    case kAudioUnitResetSelect:
    case kAudioUnitAddPropertyListenerSelect:
    case kAudioUnitRemovePropertyListenerSelect:
    case kAudioUnitRemovePropertyListenerWithUserDataSelect:
    case kAudioUnitRenderSelect:
    case kAudioUnitAddRenderNotifySelect:
    case kAudioUnitRemoveRenderNotifySelect:
    case kAudioUnitScheduleParametersSelect:
    case kMusicDeviceMIDIEventSelect:
    case kMusicDevicePrepareInstrumentSelect:
    case kMusicDeviceReleaseInstrumentSelect:
    case kMusicDeviceStartNoteSelect:
    case kMusicDeviceStopNoteSelect: return true;
    default: return false;
  }
}

// How many arguments each selector's call record carries.
int NArgs(int select)
{
  switch (select) {
    case kComponentOpenSelect:
    case kComponentCloseSelect:
    case kComponentCanDoSelect:
    case kMusicDevicePrepareInstrumentSelect:
    case kMusicDeviceReleaseInstrumentSelect: return 1;
    case kAudioUnitResetSelect:
    case kAudioUnitRemovePropertyListenerSelect:
    case kAudioUnitAddRenderNotifySelect:
    case kAudioUnitRemoveRenderNotifySelect:
    case kAudioUnitScheduleParametersSelect: return 2;
    case kAudioUnitAddPropertyListenerSelect:
    case kAudioUnitRemovePropertyListenerWithUserDataSelect:
    case kMusicDeviceStopNoteSelect: return 3;
    case kAudioUnitGetParameterSelect:
    case kMusicDeviceMIDIEventSelect: return 4;
    case kAudioUnitGetPropertyInfoSelect:
    case kAudioUnitGetPropertySelect:
    case kAudioUnitSetPropertySelect:
    case kAudioUnitSetParameterSelect:
    case kAudioUnitRenderSelect:
    case kMusicDeviceStartNoteSelect: return 5;
    case kAudioUnitCarbonViewCreateSelect: return 6;
    default: return 0;
  }
}

// The first entry of the list for which same() holds, or -1.
template <class T, class Same>
int Find(const KIT_PtrList<T>& list, Same same)
{
  for (int i = 0; i < list.GetSize(); ++i)
    if (same(*list.Get(i))) return i;
  return -1;
}
}  // namespace

ComponentResult IFxAU::IFxAUEntry(ComponentParameters* params, void* pPlug, AUMakePlugFunc makePlug)
{
  const int select = params->what;
  Trace("IFxAUEntry", __LINE__, "%d", select);
  // Can-do's one argument is the 16-bit selector asked about.
  const bool canDo = select == kComponentCanDoSelect;
  const AUCallArgs args(params, NArgs(select), canDo ? (int)sizeof(SInt16) : (int)sizeof(long));
  if (!HandlesSelector(select)) return badComponentSelector;
  // Any answer but 0 to a can-do reads as "can do".
  if (!args.Whole()) return canDo ? 0 : kAudioUnitErr_InvalidPropertyValue;
  IFxAU* _this = (IFxAU*)pPlug;

  if (select == kComponentOpenSelect) {
    IFxAU* plug = makePlug ? makePlug() : nullptr;
    if (!plug) return memFullErr;
    plug->HostSpecificInit();
    plug->PruneUninitializedPresets();
    plug->mCI = args.Get<AudioUnit>(0);
    SetComponentInstanceStorage(plug->mCI, (Handle)plug);
    plug->HandedToHost();
    return noErr;
  }
  if (select == kComponentCloseSelect) {
    delete _this;
    return noErr;
  }
  if (!_this) return badComponentSelector;

  KIT_MutexLock lock(&_this->m_mutex);
  switch (select) {
    case kComponentCanDoSelect: return HandlesSelector(args.Get<SInt16>(0)) ? 1 : 0;

    case kComponentVersionSelect: return _this->GetEffectVersion(false);

    case kAudioUnitInitializeSelect:
      if (!_this->CheckLegalIO()) return badComponentSelector;
      _this->mInitialized = true;
      _this->OnParamReset();
      _this->OnActivate(true);
      return noErr;

    case kAudioUnitUninitializeSelect:
      _this->mInitialized = false;
      _this->ClearConnections();
      _this->OnActivate(false);
      return noErr;

    case kAudioUnitGetPropertyInfoSelect: {
      UInt32 size = 0;
      Boolean writeable = false;
      UInt32* pSize = args.Get<UInt32*>(3);
      Boolean* pWriteable = args.Get<Boolean*>(4);
      const ComponentResult r =
          _this->GetProperty(args.Get<AudioUnitPropertyID>(0), args.Get<AudioUnitScope>(1),
                             args.Get<AudioUnitElement>(2), pSize ? pSize : &size, &writeable, nullptr);
      if (pWriteable) *pWriteable = writeable;
      return r;
    }

    case kAudioUnitGetPropertySelect: {
      const AudioUnitPropertyID propID = args.Get<AudioUnitPropertyID>(0);
      const AudioUnitScope scope = args.Get<AudioUnitScope>(1);
      const AudioUnitElement element = args.Get<AudioUnitElement>(2);
      void* pData = args.Get<void*>(3);
      UInt32* pSize = args.Get<UInt32*>(4);
      // The host's buffer must hold the whole value before anything is
      // written into it.
      UInt32 size = 0;
      Boolean writeable = false;
      ComponentResult r = _this->GetProperty(propID, scope, element, &size, &writeable, nullptr);
      if (r != noErr || !pData) {
        if (pSize) *pSize = size;
        return r;
      }
      if (!pSize || *pSize < size) return kAudioUnitErr_InvalidPropertyValue;
      r = _this->GetProperty(propID, scope, element, &size, &writeable, pData);
      *pSize = size;
      return r;
    }

    case kAudioUnitSetPropertySelect:
      return _this->SetProperty(args.Get<AudioUnitPropertyID>(0), args.Get<AudioUnitScope>(1),
                                args.Get<AudioUnitElement>(2), args.Get<const void*>(3), args.Get<UInt32>(4));

    case kAudioUnitGetParameterSelect:
      return GetParamProc(_this, args.Get<AudioUnitParameterID>(0), args.Get<AudioUnitScope>(1),
                          args.Get<AudioUnitElement>(2), args.Get<AudioUnitParameterValue*>(3));

    case kAudioUnitSetParameterSelect:
      return SetParamProc(_this, args.Get<AudioUnitParameterID>(0), args.Get<AudioUnitScope>(1),
                          args.Get<AudioUnitElement>(2), args.Get<AudioUnitParameterValue>(3), args.Get<UInt32>(4));

    case kAudioUnitResetSelect: _this->Reset(); return noErr;

    case kAudioUnitAddPropertyListenerSelect: {
      const AUPropertyListener listener{args.Get<AudioUnitPropertyID>(0), args.Get<AudioUnitPropertyListenerProc>(1),
                                        args.Get<void*>(2)};
      if (!listener.mListenerProc) return kAudioUnitErr_InvalidPropertyValue;
      const int found = Find(_this->mPropertyListeners, [&](const AUPropertyListener& l) {
        return l.mPropID == listener.mPropID && l.mListenerProc == listener.mListenerProc;
      });
      if (found < 0) _this->mPropertyListeners.Add(new AUPropertyListener(listener));
      return noErr;
    }

    case kAudioUnitRemovePropertyListenerSelect:
    case kAudioUnitRemovePropertyListenerWithUserDataSelect: {
      const AudioUnitPropertyID propID = args.Get<AudioUnitPropertyID>(0);
      const AudioUnitPropertyListenerProc proc = args.Get<AudioUnitPropertyListenerProc>(1);
      const bool withUserData = select == kAudioUnitRemovePropertyListenerWithUserDataSelect;
      void* userData = withUserData ? args.Get<void*>(2) : nullptr;
      _this->mPropertyListeners.Delete(Find(_this->mPropertyListeners,
                                            [&](const AUPropertyListener& l) {
                                              return l.mPropID == propID && l.mListenerProc == proc &&
                                                     (!withUserData || l.mProcArgs == userData);
                                            }),
                                       true);
      return noErr;
    }

    case kAudioUnitRenderSelect:
      return RenderProc(_this, args.Get<AudioUnitRenderActionFlags*>(0), args.Get<const AudioTimeStamp*>(1),
                        args.Get<UInt32>(2), args.Get<UInt32>(3), args.Get<AudioBufferList*>(4));

    case kAudioUnitAddRenderNotifySelect: {
      const AURenderNotify notify{args.Get<AURenderCallback>(0), args.Get<void*>(1)};
      if (!notify.mProc) return kAudioUnitErr_InvalidPropertyValue;
      _this->mRenderNotify.Add(new AURenderNotify(notify));
      return noErr;
    }

    case kAudioUnitRemoveRenderNotifySelect: {
      const AURenderCallback proc = args.Get<AURenderCallback>(0);
      _this->mRenderNotify.Delete(Find(_this->mRenderNotify, [&](const AURenderNotify& n) { return n.mProc == proc; }),
                                  true);
      return noErr;
    }

    case kAudioUnitScheduleParametersSelect: {
      const AudioUnitParameterEvent* events = args.Get<const AudioUnitParameterEvent*>(0);
      const UInt32 nEvents = args.Get<UInt32>(1);
      if (!events && nEvents) return kAudioUnitErr_InvalidPropertyValue;
      for (UInt32 i = 0; i < nEvents; ++i) {
        const AudioUnitParameterEvent& e = events[i];
        if (e.eventType != kParameterEvent_Immediate) continue;
        const ComponentResult r =
            SetParamProc(_this, e.parameter, e.scope, e.element, e.eventValues.immediate.value, 0);
        if (r != noErr) return r;
      }
      return noErr;
    }

    case kMusicDeviceMIDIEventSelect: {
      IMidiMessage msg((int)args.Get<UInt32>(3), (uint8_t)args.Get<UInt32>(0), (uint8_t)args.Get<UInt32>(1),
                       (uint8_t)args.Get<UInt32>(2));
      _this->ProcessMidiMsg(&msg);
      return noErr;
    }

    case kMusicDevicePrepareInstrumentSelect:
    case kMusicDeviceReleaseInstrumentSelect: return noErr;

    case kMusicDeviceStartNoteSelect: {
      NoteInstanceID* pNoteID = args.Get<NoteInstanceID*>(2);
      const MusicDeviceNoteParams* note = args.Get<const MusicDeviceNoteParams*>(4);
      if (!note) return kAudioUnitErr_InvalidPropertyValue;
      const uint8_t pitch = ToDataByte(note->mPitch);
      if (pNoteID) *pNoteID = pitch;
      IMidiMessage msg;
      msg.MakeNoteOnMsg(pitch, ToDataByte(note->mVelocity), (int)args.Get<UInt32>(3), 0);
      _this->ProcessMidiMsg(&msg);
      return noErr;
    }

    case kMusicDeviceStopNoteSelect: {
      // The ids handed out are notes: another would end a note not asked.
      const NoteInstanceID noteID = args.Get<NoteInstanceID>(1);
      if (noteID > 127) return kAudioUnitErr_InvalidPropertyValue;
      IMidiMessage msg;
      msg.MakeNoteOffMsg((uint8_t)noteID, (int)args.Get<UInt32>(2), 0);
      _this->ProcessMidiMsg(&msg);
      return noErr;
    }

    default: return badComponentSelector;
  }
}

// --- The Carbon view component ---

void IFxAU::AddCarbonView(AUCarbonViewRecord* pView)
{
  pView->mPlug = this;
  mCarbonViews.Add(pView);
}

void IFxAU::RemoveCarbonView(AUCarbonViewRecord* pView)
{
  mCarbonViews.Delete(Find(mCarbonViews, [&](const AUCarbonViewRecord& v) { return &v == pView; }));
  pView->mPlug = nullptr;
}

ComponentResult IFxAU::IFxAUCarbonViewEntry(ComponentParameters* params, void* pView)
{
  const int select = params->what;
  Trace("IFxAUCarbonViewEntry", __LINE__, "%d", select);
  const AUCallArgs args(params, NArgs(select));
  if (!args.Whole()) return kAudioUnitErr_InvalidPropertyValue;
  AUCarbonViewRecord* view = (AUCarbonViewRecord*)pView;
  switch (select) {
    case kComponentOpenSelect: {
      const AudioUnitCarbonView instance = args.Get<AudioUnitCarbonView>(0);
      view = new AUCarbonViewRecord{instance, nullptr};
      SetComponentInstanceStorage(instance, (Handle)view);
      return noErr;
    }

    case kComponentCloseSelect:
      if (!view) return noErr;
      if (IFxAU* plug = view->mPlug) {
        plug->RemoveCarbonView(view);
        if (IGraphics* gui = plug->GetGUI()) gui->CloseWindow();
      }
      delete view;
      return noErr;

    case kAudioUnitCarbonViewCreateSelect: {
      if (!view) return badComponentSelector;
      const AudioUnit unit = args.Get<AudioUnit>(0);
      IFxAU* plug = unit ? (IFxAU*)GetComponentInstanceStorage(unit) : nullptr;
      if (view->mPlug) view->mPlug->RemoveCarbonView(view);
      if (plug) plug->AddCarbonView(view);
      if (!plug || !plug->GetGUI()) return badComponentSelector;
      ControlRef* pControl = args.Get<ControlRef*>(5);
      void* control = plug->GetGUI()->OpenWindow(args.Get<WindowRef>(1), args.Get<ControlRef>(2));
      // A view that could not be made is not handed out as one that was.
      if (!control) return badComponentSelector;
      if (pControl) *pControl = (ControlRef)control;
      return noErr;
    }

    default: return badComponentSelector;
  }
}
