#include <gtest/gtest.h>

#include "IMidiMessage.h"
#include "KIT_TypedBuf.h"

TEST(IMidiMessage, ClearedAndConstructed)
{
  IMidiMessage m(12, 0x91, 60, 100);
  EXPECT_EQ(m.mOffset, 12);
  EXPECT_EQ(m.Channel(), 1);
  EXPECT_EQ(m.StatusMsg(), IMidiMessage::kNoteOn);
  m.Clear();
  EXPECT_EQ(m.mOffset, 0);
  EXPECT_EQ(m.mStatus, 0);
  EXPECT_EQ(m.mData1, 0);
  EXPECT_EQ(m.mData2, 0);
  IMidiMessage d;
  EXPECT_EQ(d.mOffset, 0);
  EXPECT_EQ(d.mStatus, 0);
}

TEST(IMidiMessage, Kinds)
{
  for (int k = 0; k < 16; ++k) {
    IMidiMessage m(0, (uint8_t)(k << 4 | 5));
    const int expected = (k >= 8 && k <= 14) ? k : 0;
    EXPECT_EQ(m.StatusMsg(), expected) << k;
    EXPECT_EQ(m.Channel(), 5);
  }
}

TEST(IMidiMessage, NoteOnWithVelocityZeroStaysANoteOn)
{
  IMidiMessage m(0, 0x90, 64, 0);
  EXPECT_EQ(m.StatusMsg(), IMidiMessage::kNoteOn);
  EXPECT_EQ(m.Velocity(), 0);
  EXPECT_EQ(m.NoteNumber(), 64);
}

TEST(IMidiMessage, AccessorsByKind)
{
  IMidiMessage off(0, 0x80, 60, 40);
  EXPECT_EQ(off.NoteNumber(), 60);
  EXPECT_EQ(off.Velocity(), 40);
  EXPECT_EQ(off.Program(), -1);

  IMidiMessage at(0, 0xA0, 61, 30);
  EXPECT_EQ(at.NoteNumber(), 61);
  EXPECT_EQ(at.Velocity(), -1);

  IMidiMessage cc(0, 0xB0, 7, 127);
  EXPECT_EQ(cc.NoteNumber(), -1);
  EXPECT_EQ(cc.Velocity(), -1);
  EXPECT_EQ(cc.ControlChangeIdx(), 7);
  EXPECT_EQ(cc.ControlChange(7), 1.0);
  EXPECT_EQ(cc.ControlChange(1), -1.0);
  IMidiMessage cc1(0, 0xB0, 1, 64);
  EXPECT_EQ(cc1.ControlChange(7), -1.0);
  EXPECT_DOUBLE_EQ(cc1.ControlChange(1), 64 / 127.0);

  IMidiMessage pc(0, 0xC3, 12, 0);
  EXPECT_EQ(pc.Program(), 12);
  EXPECT_EQ(pc.NoteNumber(), -1);
  EXPECT_EQ(pc.ControlChange(12), -1.0);

  IMidiMessage notPw(0, 0x90, 0, 0);
  EXPECT_EQ(notPw.PitchWheel(), 0.0);
}

TEST(IMidiMessage, PitchWheel)
{
  EXPECT_EQ(IMidiMessage(0, 0xE0, 0, 64).PitchWheel(), 0.0);
  EXPECT_EQ(IMidiMessage(0, 0xE0, 0, 0).PitchWheel(), -1.0);
  EXPECT_EQ(IMidiMessage(0, 0xE0, 127, 127).PitchWheel(), 8191.0 / 8192.0);
}

TEST(IMidiMessage, StatusNames)
{
  EXPECT_STREQ(IMidiMessage::StatusMsgStr(0), "none");
  EXPECT_STREQ(IMidiMessage::StatusMsgStr(8), "noteoff");
  EXPECT_STREQ(IMidiMessage::StatusMsgStr(9), "noteon");
  EXPECT_STREQ(IMidiMessage::StatusMsgStr(10), "aftertouch");
  EXPECT_STREQ(IMidiMessage::StatusMsgStr(11), "controlchange");
  EXPECT_STREQ(IMidiMessage::StatusMsgStr(12), "programchange");
  EXPECT_STREQ(IMidiMessage::StatusMsgStr(13), "channelaftertouch");
  EXPECT_STREQ(IMidiMessage::StatusMsgStr(14), "pitchwheel");
  for (int k = 1; k <= 7; ++k) EXPECT_STREQ(IMidiMessage::StatusMsgStr(k), "unknown");
  EXPECT_STREQ(IMidiMessage::StatusMsgStr(15), "unknown");
  EXPECT_STREQ(IMidiMessage::StatusMsgStr(-1), "unknown");

  IMidiMessage sys(0, 0xF0);
  EXPECT_EQ(sys.StatusMsg(), IMidiMessage::kNone);
  EXPECT_STREQ(IMidiMessage::StatusMsgStr(sys.StatusMsg()), "none");
}

TEST(IMidiMessage, Makers)
{
  IMidiMessage m(5, 0xFF, 1, 2);
  m.MakeNoteOnMsg(60, 100, 17, 3);
  EXPECT_EQ(m.mOffset, 17);
  EXPECT_EQ(m.mStatus, 0x93);
  EXPECT_EQ(m.mData1, 60);
  EXPECT_EQ(m.mData2, 100);

  m.MakeNoteOffMsg(61, 9, 15);
  EXPECT_EQ(m.mOffset, 9);
  EXPECT_EQ(m.mStatus, 0x8F);
  EXPECT_EQ(m.mData1, 61);
  EXPECT_EQ(m.mData2, 0);

  m.MakeControlChangeMsg(74, 0.5, 2);
  EXPECT_EQ(m.mOffset, 0);
  EXPECT_EQ(m.mStatus, 0xB2);
  EXPECT_EQ(m.mData1, 74);
  EXPECT_EQ(m.mData2, 63);
  m.MakeControlChangeMsg(74, 1.0);
  EXPECT_EQ(m.mData2, 127);
  EXPECT_EQ(m.mStatus, 0xB0);
}

TEST(IMidiMessage, MakePitchWheel)
{
  IMidiMessage m;
  m.MakePitchWheelMsg(1.0);
  EXPECT_EQ(m.mStatus, 0xE0);
  EXPECT_EQ(m.mData1, 127);
  EXPECT_EQ(m.mData2, 127);
  m.MakePitchWheelMsg(0.0, 4);
  EXPECT_EQ(m.mStatus, 0xE4);
  EXPECT_EQ(m.mData1, 0);
  EXPECT_EQ(m.mData2, 64);
  EXPECT_EQ(m.PitchWheel(), 0.0);
  m.MakePitchWheelMsg(-1.0);
  EXPECT_EQ(m.mData1, 0);
  EXPECT_EQ(m.mData2, 0);
  EXPECT_EQ(m.PitchWheel(), -1.0);
  m.MakePitchWheelMsg(0.5);
  EXPECT_EQ(m.mData1 | m.mData2 << 7, 12288);
  m.MakePitchWheelMsg(3.0);  // beyond the range: the top
  EXPECT_EQ(m.mData1 | m.mData2 << 7, 16383);
}

TEST(IMidiMessage, ListsOfMessages)
{
  KIT_TypedBuf<IMidiMessage> list;
  IMidiMessage* m = list.Resize(2);
  ASSERT_EQ(list.GetSize(), 2);
  m[0].MakeNoteOnMsg(60, 90, 0);
  m[1].MakeNoteOffMsg(60, 32);
  m = list.Resize(100);
  EXPECT_EQ(m[1].mOffset, 32);
  EXPECT_EQ(m[1].StatusMsg(), IMidiMessage::kNoteOff);
}
