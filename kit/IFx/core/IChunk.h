#ifndef ICHUNK_H
#define ICHUNK_H

// A growable byte string with typed appends and typed reads at a position:
// the plug-in's state as the host stores it. Values are little-endian and
// unaligned. Readers return the position after what they read, or -1 (and
// fail at once when given a negative position), so a run of reads can be
// checked once at the end; they never read outside the chunk.
// Any thread: a chunk belongs to whoever holds it; the plug-in's state
// ones are read and written under the plug lock.

#include "KIT_HeapBuf.h"
#include "KIT_String.h"

class IChunk {
public:
  IChunk() : mBytes(4096) {}
  IChunk(const IChunk&) = delete;
  IChunk& operator=(const IChunk&) = delete;

  // Writers append and return the new size. When the chunk cannot grow it
  // is left as it was.
  int PutDouble(double value);
  int PutInt(int value);
  int PutBool(bool value);
  int PutStr(const char* str);  // int32 length, then the characters, no terminator
  int PutChunk(const IChunk* other);
  int PutBytes(const void* data, int size);

  int GetDouble(double* pValue, int startPos) const;
  int GetInt(int* pValue, int startPos) const;
  int GetBool(bool* pValue, int startPos) const;
  // Reads a length and that many characters into *pStr (cut at an embedded
  // NUL). A length of 0 leaves *pStr as it was; a negative length or one
  // that runs past the end fails.
  int GetStr(KIT_String* pStr, int startPos) const;

  int Size() const { return mBytes.GetSize(); }
  unsigned char* GetBytes() const { return (unsigned char*)mBytes.Get(); }
  void Clear() { mBytes.Resize(0); }
  // Sets the size to n bytes (bytes added are 0); returns the old size.
  int Resize(int n);

private:
  // Room for size more bytes at the end; null when the chunk cannot grow.
  unsigned char* Grow(int size);
  // The bytes from pos, or null when fewer than size remain.
  const unsigned char* At(int pos, int size) const;

  KIT_HeapBuf mBytes;
};

// The header at the start of every state chunk handed to the host.
const int kIFxChunkMagic = 0x70666674;    // bytes 74 66 66 70
const int kIFxChunkVersion = 0x00010000;  // bytes 00 00 01 00; from this version on a chunk may hold a bank
const int kIFxChunkHeaderSize = 8;

// Clears the chunk and writes the header.
void PutIFxChunkHeader(IChunk* chunk);
// Reads the header at *pPos and returns its version. Without the magic the
// result is 0 and *pPos is left alone (the data has no header); with the
// magic but no room for the version it is 0 and *pPos becomes -1; else
// *pPos moves past the header.
int GetIFxChunkHeader(const IChunk* chunk, int* pPos);

#endif
