#ifndef KIT_STRING_H
#define KIT_STRING_H

// A growable NUL-terminated string over KIT_HeapBuf (granularity 128).
// An empty string may hold no memory at all; Get() then returns a shared
// empty string, never null. When the buffer cannot grow, the string is
// left as it was.

#include "KIT_HeapBuf.h"

class KIT_String {
public:
  explicit KIT_String(const char* text = nullptr, int maxlen = 0) : m_hb(128)
  {
    if (text) Set(text, maxlen);
  }
  KIT_String(const KIT_String& other) : m_hb(128) { Set(other.Get()); }
  KIT_String& operator=(const KIT_String& other)
  {
    if (this != &other) Set(other.Get());
    return *this;
  }

  const char* Get() const
  {
    const char* s = (const char*)m_hb.Get();
    return s ? s : "";
  }
  // The size is always the length plus the terminator, or 0.
  int GetLength() const { return m_hb.GetSize() ? m_hb.GetSize() - 1 : 0; }

  // Sets the text: all of it, or when maxlen > 0 at most maxlen characters
  // (fewer when a NUL comes first).
  void Set(const char* text, int maxlen = 0)
  {
    const int len = Length(text, maxlen);
    if (len < 0 || (len == 0 && GetLength() == 0)) return;
    const int offset = OffsetInside(text);
    char* buf = (char*)m_hb.Resize(len + 1, false);
    if (!buf || m_hb.GetSize() != len + 1) return;
    if (offset >= 0) text = buf + offset;
    memmove(buf, text, (size_t)len);
    buf[len] = 0;
  }

  // Appends all of the text, or when maxlen > 0 at most maxlen characters.
  void Append(const char* text, int maxlen = 0)
  {
    const int len = Length(text, maxlen);
    if (len <= 0) return;
    const int oldlen = GetLength();
    const int offset = OffsetInside(text);
    const int64_t newsize = (int64_t)oldlen + len + 1;
    if (newsize > INT32_MAX) return;
    char* buf = (char*)m_hb.Resize((int)newsize, false);
    if (!buf || m_hb.GetSize() != (int)newsize) return;
    if (offset >= 0) text = buf + offset;
    memmove(buf + oldlen, text, (size_t)len);
    buf[oldlen + len] = 0;
  }

  // Cuts the string to at most length characters (a longer length changes
  // nothing).
  void SetLen(int length)
  {
    if (length < 0) length = 0;
    if (length >= GetLength()) return;
    char* buf = (char*)m_hb.Resize(length + 1, false);
    buf[length] = 0;
  }

  // Removes count characters at position (clipped to the end) when
  // 0 <= position < length; otherwise nothing.
  void DeleteSub(int position, int count)
  {
    const int len = GetLength();
    if (len == 0 || position < 0 || position >= len || count <= 0) return;
    if (count > len - position) count = len - position;
    char* buf = (char*)m_hb.m_buf;
    memmove(buf + position, buf + position + count, (size_t)(len - position - count + 1));
    m_hb.Resize(len - count + 1, false);
  }

  KIT_HeapBuf m_hb;

private:
  // Where text lies in this string's own buffer, or -1: the buffer may move
  // when it grows, so such a text is found again by its offset.
  int OffsetInside(const char* text) const
  {
    const char* own = (const char*)m_hb.Get();
    if (!own || text < own || text >= own + m_hb.GetSize()) return -1;
    return (int)(text - own);
  }

  static int Length(const char* text, int maxlen)
  {
    if (!text) return 0;
    if (maxlen <= 0) {
      const size_t n = strlen(text);
      return n > (size_t)INT32_MAX - 1 ? -1 : (int)n;
    }
    int n = 0;
    while (n < maxlen && text[n]) ++n;
    return n;
  }
};

#endif
