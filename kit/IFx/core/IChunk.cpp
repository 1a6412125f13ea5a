#include "IChunk.h"

namespace {

template <typename U>
void StoreLE(unsigned char* p, U v)
{
  for (size_t i = 0; i < sizeof(U); ++i) p[i] = (unsigned char)(v >> (8 * i));
}

template <typename U>
U LoadLE(const unsigned char* p)
{
  U v = 0;
  for (size_t i = 0; i < sizeof(U); ++i) v |= (U)p[i] << (8 * i);
  return v;
}

}  // namespace

unsigned char* IChunk::Grow(int size)
{
  const int n = Size();
  const int64_t newsize = (int64_t)n + size;
  if (size < 0 || newsize > INT32_MAX) return nullptr;
  unsigned char* p = (unsigned char*)mBytes.Resize((int)newsize);
  if (!p || Size() != (int)newsize) return nullptr;
  return p + n;
}

const unsigned char* IChunk::At(int pos, int size) const
{
  if (pos < 0 || size < 0 || (int64_t)pos + size > Size()) return nullptr;
  return GetBytes() + pos;
}

int IChunk::PutDouble(double value)
{
  uint64_t bits;
  memcpy(&bits, &value, sizeof(bits));
  if (unsigned char* p = Grow(8)) StoreLE<uint64_t>(p, bits);
  return Size();
}

int IChunk::PutInt(int value)
{
  if (unsigned char* p = Grow(4)) StoreLE<uint32_t>(p, (uint32_t)value);
  return Size();
}

int IChunk::PutBool(bool value)
{
  if (unsigned char* p = Grow(1)) *p = value ? 1 : 0;
  return Size();
}

int IChunk::PutStr(const char* str)
{
  const size_t len = str ? strlen(str) : 0;
  if (len > (size_t)INT32_MAX - 4) return Size();
  if (unsigned char* p = Grow(4 + (int)len)) {
    StoreLE<uint32_t>(p, (uint32_t)len);
    if (len) memcpy(p + 4, str, len);
  }
  return Size();
}

int IChunk::PutChunk(const IChunk* other)
{
  if (!other) return Size();
  if (other == this) {
    // The source moves when the buffer grows: copy from its new place.
    const int n = Size();
    if (Grow(n)) memcpy(GetBytes() + n, GetBytes(), (size_t)n);
    return Size();
  }
  return PutBytes(other->GetBytes(), other->Size());
}

int IChunk::PutBytes(const void* data, int size)
{
  if (size <= 0 || !data) return Size();
  if (unsigned char* p = Grow(size)) memcpy(p, data, (size_t)size);
  return Size();
}

int IChunk::GetDouble(double* pValue, int startPos) const
{
  const unsigned char* p = At(startPos, 8);
  if (!p) return -1;
  const uint64_t bits = LoadLE<uint64_t>(p);
  memcpy(pValue, &bits, sizeof(bits));
  return startPos + 8;
}

int IChunk::GetInt(int* pValue, int startPos) const
{
  const unsigned char* p = At(startPos, 4);
  if (!p) return -1;
  *pValue = (int)LoadLE<uint32_t>(p);
  return startPos + 4;
}

int IChunk::GetBool(bool* pValue, int startPos) const
{
  const unsigned char* p = At(startPos, 1);
  if (!p) return -1;
  *pValue = *p != 0;
  return startPos + 1;
}

int IChunk::GetStr(KIT_String* pStr, int startPos) const
{
  int len = 0;
  const int pos = GetInt(&len, startPos);
  if (pos < 0 || len < 0) return -1;
  const unsigned char* p = At(pos, len);
  if (!p) return -1;
  if (len >= 1 && pStr) pStr->Set((const char*)p, len);
  return pos + len;
}

int IChunk::Resize(int n)
{
  const int old = Size();
  if (n < 0) n = 0;
  if (n > old) {
    if (unsigned char* p = Grow(n - old)) memset(p, 0, (size_t)(n - old));
  } else {
    mBytes.Resize(n);
  }
  return old;
}

void PutIFxChunkHeader(IChunk* chunk)
{
  chunk->Clear();
  chunk->PutInt(kIFxChunkMagic);
  chunk->PutInt(kIFxChunkVersion);
}

int GetIFxChunkHeader(const IChunk* chunk, int* pPos)
{
  int magic = 0;
  int pos = chunk->GetInt(&magic, *pPos);
  if (pos < 0 || magic != kIFxChunkMagic) return 0;
  int version = 0;
  pos = chunk->GetInt(&version, pos);
  if (pos < 0) {
    *pPos = -1;
    return 0;
  }
  *pPos = pos;
  return version;
}
