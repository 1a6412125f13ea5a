// Tolvo's editor in the Audio Unit build, on the window-less back end: one
// pixel narrower than on Windows, its about box the macOS one, and the
// "MIDI output" switch on the about box, attached after the version text
// and shown and hidden with it.

#include <memory>

#include "IBitmapControl.h"
#include "IGraphicsHeadless.h"
#include "IGraphicsTranslation.h"
#include "PIX_PNG.h"
#include "PIX_RectOps.h"
#include "Tolvo.h"
#include "TolvoAU.h"

using namespace TolvoParams;

namespace {
const int kAboutTrigger = 363;
const int kAboutBox = 364;
const int kVersionText = 365;
const int kMidiOutputSwitch = 366;
const int kFirstStepButton = 148;

class TolvoAUEditorTest : public OpenedTolvoEditor {
protected:
  void Click(int ctrlIdx)
  {
    const IRECT& r = gui->GetControl(ctrlIdx)->GetRECT();
    gui->MouseButtonDown((r.L + r.R) / 2, (r.T + r.B) / 2, kKeyStateLButton);
    gui->MouseButtonUp((r.L + r.R) / 2, (r.T + r.B) / 2, 0);
    gui->Tick();
  }
  bool Shown(int ctrlIdx) { return !gui->GetControl(ctrlIdx)->IsHidden(); }
};

// Opening builds the editor, which turns every step on, without a word to
// the host; what the user does afterwards is told as ever.
TEST_F(TolvoAUEditorTest, TheHostHearsOfTheUsersStepsNotOfTheOpen)
{
  EXPECT_TRUE(TestAUEvents().empty());
  for (int i = 0; i < 16; ++i) {
    AudioUnitParameterValue on = 0.0f;
    ASSERT_EQ(AudioUnitGetParameter(unit, kStepOn + i, kAudioUnitScope_Global, 0, &on), noErr);
    EXPECT_EQ(on, 1.0f) << i;
    EXPECT_EQ(gui->GetControl(kFirstStepButton + i)->GetValue(), 1.0) << i;
  }

  Click(kFirstStepButton + 3);
  std::vector<AudioUnitEventType> told;
  for (const AudioUnitEvent& e : TestAUEvents()) {
    EXPECT_EQ(e.mArgument.mParameter.mAudioUnit, unit);
    EXPECT_EQ(e.mArgument.mParameter.mParameterID, (AudioUnitParameterID)(kStepOn + 3));
    told.push_back(e.mEventType);
  }
  EXPECT_EQ(told, (std::vector<AudioUnitEventType>{
                      kAudioUnitEvent_BeginParameterChangeGesture, kAudioUnitEvent_ParameterValueChange,
                      kAudioUnitEvent_ParameterValueChange, kAudioUnitEvent_EndParameterChangeGesture}));
}

TEST_F(TolvoAUEditorTest, TheMidiOutputSwitchComesAndGoesWithTheAboutBox)
{
  EXPECT_EQ(gui->Width(), 580);
  ASSERT_EQ(gui->NControls(), 367);
  IControl* output = gui->GetControl(kMidiOutputSwitch);
  EXPECT_EQ(output->ParamIdx(), kMidiOutput);
  EXPECT_EQ(output->GetRECT(), plug->GetSkin().Get()[65]);
  // Without a virtual source there is only the host to choose.
  EXPECT_EQ(output->GetValue(), 0.0);
  EXPECT_FALSE(Shown(kAboutBox));
  EXPECT_FALSE(Shown(kMidiOutputSwitch));

  Click(kAboutTrigger);
  EXPECT_TRUE(Shown(kAboutBox));
  EXPECT_TRUE(Shown(kVersionText));
  EXPECT_TRUE(Shown(kMidiOutputSwitch));
  // A click on the shown switch offers its choices.
  Click(kMidiOutputSwitch);
  ASSERT_EQ(gui->Popups().size(), 1u);
  EXPECT_EQ(gui->Popups()[0].mTitles, std::vector<std::string>{"Host"});
  Click(kAboutBox);
  EXPECT_FALSE(Shown(kAboutBox));
  EXPECT_FALSE(Shown(kVersionText));
  EXPECT_FALSE(Shown(kMidiOutputSwitch));
}

TEST_F(TolvoAUEditorTest, TheAboutBoxIsTheMacOSImageAtItsPlace)
{
  const IBitmapControl* box = static_cast<IBitmapControl*>(gui->GetControl(kAboutBox));
  EXPECT_EQ(box->GetRECT().L, 155);
  EXPECT_EQ(box->GetRECT().T, 116);
  std::unique_ptr<PIX_IBitmap> image(PIX_LoadPNG(TOLVO_RESOURCE_DIR "/images/aboutbox_midiout.png", nullptr));
  ASSERT_NE(image, nullptr);
  PIX_DiffRect diff;
  EXPECT_EQ(PIX_CompareBitmaps(image.get(), box->GetBitmap().mBitmap, &diff), 0);
}

}  // namespace
