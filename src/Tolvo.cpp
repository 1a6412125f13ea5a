#include "Tolvo.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdlib>

#include "ControlRegistry.h"
#include "IGraphics.h"
#include "MakeGraphics.h"
#include "NoteEngine.h"
#include "ParamTable.h"
#include "PatternView.h"
#include "Scene.h"
#include "TolvoApp.h"
#include "TolvoResources.h"
#include "UIEventHandler.h"

using namespace TolvoParams;

namespace {

constexpr int kUniqueID = ('q' << 24) | ('7' << 16) | ('m' << 8) | '2';
constexpr int kVendorVersion = 0x10200;  // 1.2.0

double RoundHalfAway(double v) { return std::trunc(v < 0.0 ? v - 0.5 : v + 0.5); }

// Bounded while still a double: a start beyond the range of int (or not a
// number) must not reach the conversion.
int OffsetInBlock(double start, int frames)
{
  if (!(start >= 1.0)) return 0;
  return start < frames ? int(start) : std::max(0, frames - 1);
}

void SeedRandom()
{
  using namespace std::chrono;
  const long long ms = duration_cast<milliseconds>(system_clock::now().time_since_epoch()).count();
  std::srand(unsigned(((ms / 1000) & 0xFFFFF) * 1000 + ms % 1000));
}

}  // namespace

Tolvo::Tolvo(TolvoHost host)
  : TolvoBinding(host, kNumHostParams, kNumParams, "0-2", 0, "Tolvo", "", "Ulvas Orvanne", kVendorVersion, kUniqueID,
                 kUniqueID, 0, true, true, true)
{
  // Nothing else reaches the instance yet; held throughout, the plug lock
  // is cheap to take again in each of the parameter changes that follow.
  KIT_MutexLock lock(&m_mutex);
  SeedRandom();
  mApp = new TolvoApp(this, &mEngine);
  mProcessor = mApp;
  mRegistry = new ControlRegistry;
  if (kVersion < 2.0) mEngine.GetSceneList()->SetPaused(true);
  DeclareParams(this);

  IGraphics* pGraphics = MakeGraphics(this, kTolvoEditorWidth, kTolvoEditorHeight, 0);
  pGraphics->AttachBackground(kBackground.id, kBackground.name);
  LoadSkin(pGraphics);
  BuildEditor(pGraphics);
  AttachGraphics(pGraphics);
  // The controls show every parameter now; the engine takes them all too.
  // What the router makes of them the editor shows as it opens.
  OnParamReset();
}

Tolvo::~Tolvo()
{
  EndMidiOutput();
  // The engine no longer reports to the view, which goes with the editor.
  mEngine.GetViewLink()->SetView(nullptr);
  delete mRegistry;
  delete mApp;
  delete mEventHandler;
}

void Tolvo::OnParamChange(int paramIdx)
{
  KIT_MutexLock lock(&m_mutex);
  IParam* param = GetParam(paramIdx);
  if (param && mEventHandler) mEventHandler->OnParamChange(paramIdx, param->Value());
}

void Tolvo::OnParamChangeFromControl(int ctrlIdx, int ctrlParamIdx, int paramIdx, int x, int y)
{
  KIT_MutexLock lock(&m_mutex);
  IParam* param = GetParam(paramIdx);
  if (!param || (paramIdx != kMidiLearnMenu && paramIdx != kResetStepsMenu)) return;
  const int choice = param->Int();
  int target = ctrlIdx;
  if (paramIdx == kResetStepsMenu) {
    // The pattern view's menu: its steps, or the step under the mouse.
    if (choice == 2) {
      mPatternView->ResetSteps();
      return;
    }
    const int step = mPatternView->StepAt(x, y);
    IControl* pStep = step < 0 ? nullptr : mRegistry->FindNth(StepViewPage(false), mPatternView->GetShownLane(), step);
    if (!pStep) return;
    target = pStep->GetControlIdx();
  }
  if (choice == 0) {
    mLearnTarget = target;
  } else if (choice == 1) {
    for (int c = 0; c < kNumControllers; ++c)
      if (GetParam(kCCMapping + c)->Int() == target) SetCCMapping(c, -1);
    mLearnTarget = -1;
  }
}

// --- MIDI in ---

void Tolvo::ProcessMidiMsg(IMidiMessage* pMsg)
{
  KIT_MutexLock lock(&m_mutex);
  const int kind = pMsg->StatusMsg();
  if (kind == IMidiMessage::kNoteOn || kind == IMidiMessage::kNoteOff) {
    RouteKey(pMsg, kind == IMidiMessage::kNoteOn && pMsg->mData2 != 0);
    return;
  }
  if (pMsg->Channel() + 1 != mMidiInChannel) {
    SendMidiMsg(pMsg);
    return;
  }
  switch (kind) {
    case IMidiMessage::kControlChange: {
      const int c = pMsg->mData1;
      if (c == 123)
        RequestAllNotesOff();
      else if (c >= 1 && c < 120 && !HandleCC(c, pMsg->mData2))
        SendMidiMsg(pMsg);
      break;
    }
    case IMidiMessage::kPitchWheel:
      if (!HandleCC(119, pMsg->mData2)) SendMidiMsg(pMsg);
      break;
    default: SendMidiMsg(pMsg);
  }
}

void Tolvo::RouteKey(IMidiMessage* pMsg, bool on)
{
  const int channel = pMsg->Channel();
  const int note = pMsg->mData1;
  KeyRoutes::Route route = mKeyRoutes.Held(channel, note);
  if (route == KeyRoutes::kNone) {
    const SceneList* scenes = mEngine.GetSceneList();
    const bool split = (scenes->GetSplitSide() == 1 && note >= scenes->GetSplitNote()) ||
                       (scenes->GetSplitSide() == 2 && note < scenes->GetSplitNote());
    route = channel + 1 == mMidiInChannel && !split ? KeyRoutes::kArpeggiator : KeyRoutes::kThrough;
  }
  if (on)
    mKeyRoutes.Press(channel, note, route);
  else
    mKeyRoutes.Release(channel, note);

  if (route == KeyRoutes::kThrough) {
    SendMidiMsg(pMsg);
  } else if (on) {
    mEngine.GetNoteEngine()->NoteOn(note, pMsg->mData2, pMsg->mOffset);
    mPatternView->NoteIn();
  } else {
    mEngine.GetNoteEngine()->NoteOff(note, pMsg->mOffset);
  }
}

bool Tolvo::HandleCC(int controller, int value)
{
  const int target = mLearnTarget.exchange(-1);
  if (target != -1) SetCCMapping(controller, target);
  const int mapped = GetParam(kCCMapping + controller)->Int();
  if (mapped == -1) return false;
  // A mapping to a control that does not exist moves nothing.
  MoveControl(GetGUI()->GetControl(mapped), value / 127.0);
  return true;
}

void Tolvo::SetCCMapping(int controller, int controlIndex)
{
  const int idx = kCCMapping + controller;
  MoveControl(mRegistry->Find(ControlRegistry::kPatternPage, idx), GetParam(idx)->ToNormalized(controlIndex));
}

void Tolvo::MoveControl(IControl* pControl, double normalized)
{
  if (!pControl || pControl->ParamIdx() < 0) return;
  // As the user's move: nothing when the control shows the value already,
  // else the value within the control's range to the parameter and the
  // host. The editor draws the control meanwhile: it only takes the value.
  if (normalized == pControl->ValueForPlug()) return;
  const double value = pControl->Clamped(normalized);
  pControl->PostValueFromPlug(value);
  SetParameterFromGUI(pControl->ParamIdx(), value);
}

// --- The block and MIDI out ---

void Tolvo::Reset()
{
  KIT_MutexLock lock(&m_mutex);
  BlockTime& b = mBlockTime;
  GetTime(&b.samplePos, &b.tempo, &b.musicalPos, &b.lastBar, &b.numerator, &b.denominator, &b.cycleStart, &b.cycleEnd,
          &b.transportRunning, &b.cycleActive);
  // By the block's samples per beat; the last block's when the framework
  // resets between blocks.
  b.loopStart = RoundHalfAway(b.samplesPerBeat * b.cycleStart);
  b.loopEnd = b.cycleActive ? RoundHalfAway(b.samplesPerBeat * b.cycleEnd) : -1.0;
  TransportFigures& t = mEngine.GetTransport();
  t.running = b.transportRunning;
  t.cycleActive = b.cycleActive;
  t.loopStart = RoundHalfAway(b.loopStart);
  t.loopEnd = RoundHalfAway(b.loopEnd);
}

void Tolvo::ProcessDoubleReplacing(double** inputs, double** outputs, int nFrames)
{
  for (int ch = 0; ch < NOutChannels(); ++ch) std::fill(outputs[ch], outputs[ch] + nFrames, 0.0);
  mBlockTime.frames = nFrames;
  mCCTeachValue = mCCTeachValue == 20 ? 21 : 20;
  mAudioStarted = true;
  if (mCC1Teach || mCC2Teach) {
    IMidiMessage msg;
    msg.MakeControlChangeMsg(mCC1Teach ? mCC1Number : mCC2Number, mCCTeachValue / 128.0, mMidiOutChannel - 1);
    SendMidiMsg(&msg);
  }
  if (mPendingAllNotesOff.exchange(false)) AllNotesOff();
  mBlockTime.samplesPerBeat = GetSamplesPerBeat();
  const int64_t position = GetSamplePos();
  Reset();
  mBlockTime.blockStart = double(position);
  mProcessor->ProcessBlock(mBlockTime);
}

void Tolvo::ProcessNotes(KIT_PtrList<NoteEvent>& events, int length)
{
  const int channel = mMidiOutChannel - 1;
  for (int i = 0; i < events.GetSize(); ++i) {
    NoteEvent* e = events.Get(i);
    const int note = e->pitch + e->transposition;
    const int offset = OffsetInBlock(e->start, mBlockTime.frames);
    // A note beyond the MIDI range is dropped, but counts as sent so that
    // it never waits in the list.
    const bool playable = note >= 0 && note <= 127;
    if (e->on) {
      if (playable) {
        // Velocity 0 would make the note-on a note-off: the quietest note
        // sounds at 1.
        IMidiMessage msg(offset, uint8_t(0x90 | channel), uint8_t(note), uint8_t(std::max(e->velocity, 1)));
        SendMidiMsg(&msg);
        mSentNotes.NoteOn(note, channel);
        SendCC(e->cc1, true, offset);
        SendCC(e->cc2, false, offset);
      }
      e->noteOnSent = true;
    } else {
      // A note the all-notes-off has already ended is not ended again.
      if (playable) SendNoteOff(note, mSentNotes.NoteOff(note), offset);
      e->noteOffSent = true;
    }
  }
}

void Tolvo::SendNoteOff(int note, int channel, int offset)
{
  if (channel < 0) return;
  IMidiMessage msg(offset, uint8_t(0x80 | channel), uint8_t(note), 127);
  SendMidiMsg(&msg);
}

void Tolvo::SendCC(int value, bool isCC1, int offset)
{
  if (value < 1) return;
  IMidiMessage msg;
  msg.MakeControlChangeMsg(isCC1 ? mCC1Number : mCC2Number, value / 128.0, mMidiOutChannel - 1);
  msg.mOffset = offset;
  SendMidiMsg(&msg);
}

void Tolvo::AllNotesOff()
{
  const int channel = mMidiOutChannel - 1;
  for (int note = 0; note < 128; ++note) {
    SendNoteOff(note, channel, 0);
    if (mSentNotes.ChannelOf(note) == channel) mSentNotes.NoteOff(note);
  }
  // Notes still sounding went out before the output channel changed.
  EndSentNotes();
  mEngine.GetNoteEngine()->Clear(0.0);
}

void Tolvo::EndSentNotes()
{
  for (int note = 0; note < 128; ++note) SendNoteOff(note, mSentNotes.NoteOff(note), 0);
}

void Tolvo::SetCCTeach(bool isCC1, bool on)
{
  (isCC1 ? mCC1Teach : mCC2Teach) = on;
  // Only one controller teaches at a time: what is sent follows the buttons.
  bool& other = isCC1 ? mCC2Teach : mCC1Teach;
  if (on && other) {
    other = false;
    GetParam(isCC1 ? kCC2Teach : kCC1Teach)->Set(0.0);
    GetGUI()->SetControlFromPlug(isCC1 ? mCC2TeachButton : mCC1TeachButton, 0.0);
  }
}

void Tolvo::SetCCNumber(bool isCC1, int number) { (isCC1 ? mCC1Number : mCC2Number) = number; }

void Tolvo::SetMidiChannel(bool isInput, int channel) { (isInput ? mMidiInChannel : mMidiOutChannel) = channel; }

// --- State ---

bool Tolvo::SerializeState(IChunk* pChunk)
{
  // What the carrier shows once a state is read: its parameter, pushed in
  // after the doubles. Its control may hold a value between the
  // parameter's steps, which no read gives back.
  const double carried = GetParam(kStateCarrierParam)->GetNormalized();
  for (int i = 0; i < kStateDoubles; ++i) pChunk->PutDouble(carried);
  return SerializeParams(pChunk);
}

int Tolvo::UnserializeState(IChunk* pChunk, int startPos)
{
  // A state cut short is refused before it can touch the parameters or
  // stop what is playing.
  if (StateEnd(pChunk, startPos) < 0) return -1;
  // The doubles only set what the carrier's control shows; the parameter
  // block that follows restores the parameter itself.
  int pos = startPos;
  for (int i = 0; i < kStateDoubles; ++i) {
    double shown;
    pos = pChunk->GetDouble(&shown, pos);
    GetGUI()->SetControlFromPlug(StateCarrierControl(), shown);
  }
  return UnserializeParams(pChunk, pos);
}

int Tolvo::StateEnd(const IChunk* pChunk, int startPos) const
{
  if (startPos < 0 || startPos > pChunk->Size() - kStateDoubles * 8) return -1;
  return ParamsEnd(pChunk, startPos + kStateDoubles * 8);
}
