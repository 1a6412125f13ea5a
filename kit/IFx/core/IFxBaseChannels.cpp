// Channel connections, the host's sample buffers and the scratch buffers
// that stand in for unconnected channels.
#include "IFxBase.h"

#include <cstring>

namespace {

// Sizes each channel's scratch buffer to nFrames (or, unless exact, leaves
// one that already holds that many), zeroing what it resizes; true when
// every buffer holds nFrames.
template <class Channel>
bool SizeChannelScratch(const KIT_PtrList<Channel>& channels, int nFrames, bool exact)
{
  bool allHold = true;
  for (int i = 0; i < channels.GetSize(); ++i) {
    KIT_TypedBuf<double>& buf = channels.Get(i)->mScratchBuf;
    if (exact || buf.GetSize() < nFrames) {
      buf.Resize(nFrames);
      if (buf.Get()) std::memset(buf.Get(), 0, (size_t)buf.GetSize() * sizeof(double));
    }
    if (buf.GetSize() < nFrames) allHold = false;
  }
  return allHold;
}

}  // namespace

bool IFxBase::LegalIO(int nIn, int nOut) const
{
  for (int i = 0; i < mChannelIO.GetSize(); ++i) {
    const ChannelIO* pair = mChannelIO.Get(i);
    if ((nIn < 0 || nIn == pair->mIn) && (nOut < 0 || nOut == pair->mOut)) return true;
  }
  return false;
}

void IFxBase::LimitToStereoIO()
{
  if (NInChannels() > 2) SetInputChannelConnections(2, NInChannels() - 2, false);
  if (NOutChannels() > 2) SetOutputChannelConnections(2, NOutChannels() - 2, true);
}

void IFxBase::SetInputChannelConnections(int idx, int n, bool connected)
{
  const int end = idx + n < NInChannels() ? idx + n : NInChannels();
  for (int i = idx < 0 ? 0 : idx; i < end; ++i) {
    InChannel* ch = mInChannels.Get(i);
    ch->mConnected = connected;
    if (connected) continue;
    // The scratch buffer may still hold the last block converted into it.
    KIT_TypedBuf<double>& buf = ch->mScratchBuf;
    if (buf.Get()) std::memset(buf.Get(), 0, (size_t)buf.GetSize() * sizeof(double));
    *ch->mSrc = buf.Get();
  }
}

void IFxBase::SetOutputChannelConnections(int idx, int n, bool connected)
{
  const int end = idx + n < NOutChannels() ? idx + n : NOutChannels();
  for (int i = idx < 0 ? 0 : idx; i < end; ++i) {
    OutChannel* ch = mOutChannels.Get(i);
    ch->mConnected = connected;
    if (!connected) *ch->mDest = ch->mScratchBuf.Get();
  }
}

bool IFxBase::IsInChannelConnected(int chIdx) const
{
  const InChannel* ch = mInChannels.Get(chIdx);
  return ch && ch->mConnected;
}

bool IFxBase::IsOutChannelConnected(int chIdx) const
{
  const OutChannel* ch = mOutChannels.Get(chIdx);
  return ch && ch->mConnected;
}

void IFxBase::SetBlockSize(int blockSize)
{
  if (blockSize <= 0 || blockSize == mBlockSize) return;
  SizeScratchBuffers(blockSize, true);
  mBlockSize = blockSize;
}

bool IFxBase::SizeScratchBuffers(int nFrames, bool exact)
{
  const bool inHold = SizeChannelScratch(mInChannels, nFrames, exact);
  const bool outHold = SizeChannelScratch(mOutChannels, nFrames, exact);
  PointUnconnectedChannels();
  return inHold && outHold;
}

void IFxBase::PointUnconnectedChannels()
{
  for (int i = 0; i < NInChannels(); ++i) {
    InChannel* ch = mInChannels.Get(i);
    if (!ch->mConnected) *ch->mSrc = ch->mScratchBuf.Get();
  }
  for (int i = 0; i < NOutChannels(); ++i) {
    OutChannel* ch = mOutChannels.Get(i);
    if (!ch->mConnected) *ch->mDest = ch->mScratchBuf.Get();
  }
}

bool IFxBase::ScratchHolds(int nFrames)
{
  // A host that breaks its block size gets bigger buffers rather than an
  // overrun; allocation only happens then.
  return SizeScratchBuffers(nFrames, false);
}

void IFxBase::AttachInputBuffers(int idx, int n, double** ppData, int nFrames)
{
  const int end = idx + n < NInChannels() ? idx + n : NInChannels();
  for (int i = idx < 0 ? 0 : idx; i < end; ++i) {
    InChannel* ch = mInChannels.Get(i);
    if (ch->mConnected) *ch->mSrc = *ppData++;
  }
}

void IFxBase::AttachInputBuffersFromFloat(int idx, int n, float** ppData, int nFrames)
{
  const int end = idx + n < NInChannels() ? idx + n : NInChannels();
  for (int i = idx < 0 ? 0 : idx; i < end; ++i) {
    InChannel* ch = mInChannels.Get(i);
    if (!ch->mConnected) continue;
    double* scratch = ch->mScratchBuf.Get();
    const float* src = *ppData++;
    if (scratch && src)
      for (int s = 0; s < nFrames; ++s) scratch[s] = src[s];
    else if (scratch)
      std::memset(scratch, 0, (size_t)nFrames * sizeof(double));
    *ch->mSrc = scratch;
  }
}

void IFxBase::AttachOutputBuffers(int idx, int n, double** ppData, int nFrames)
{
  const int end = idx + n < NOutChannels() ? idx + n : NOutChannels();
  for (int i = idx < 0 ? 0 : idx; i < end; ++i) {
    OutChannel* ch = mOutChannels.Get(i);
    if (ch->mConnected) *ch->mDest = *ppData++;
  }
}

void IFxBase::AttachOutputBuffersToFloat(int idx, int n, float** ppData, int nFrames)
{
  const int end = idx + n < NOutChannels() ? idx + n : NOutChannels();
  for (int i = idx < 0 ? 0 : idx; i < end; ++i) {
    OutChannel* ch = mOutChannels.Get(i);
    if (!ch->mConnected) continue;
    *ch->mDest = ch->mScratchBuf.Get();
    ch->mFDest = *ppData++;
  }
}

void IFxBase::ProcessBuffers(int nFrames) { ProcessDoubleReplacing(mInData.Get(), mOutData.Get(), nFrames); }

void IFxBase::ProcessBuffersToFloat(int nFrames)
{
  ProcessBuffers(nFrames);
  PassOutputsToFloat(nFrames, false);
}

void IFxBase::ProcessBuffersAccumulating(int nFrames)
{
  ProcessBuffers(nFrames);
  PassOutputsToFloat(nFrames, true);
}

void IFxBase::PassOutputsToFloat(int nFrames, bool accumulate)
{
  for (int i = 0; i < NOutChannels(); ++i) {
    OutChannel* ch = mOutChannels.Get(i);
    const double* src = *ch->mDest;
    float* dest = ch->mFDest;
    if (!ch->mConnected || !dest || !src) continue;
    if (accumulate)
      for (int s = 0; s < nFrames; ++s) dest[s] += (float)src[s];
    else
      for (int s = 0; s < nFrames; ++s) dest[s] = (float)src[s];
  }
}
