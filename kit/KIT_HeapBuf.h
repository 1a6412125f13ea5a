#ifndef KIT_HEAPBUF_H
#define KIT_HEAPBUF_H

// A growable raw heap buffer. The allocation grows by at least half the new
// size (or the granularity) and shrinks only when asked to, and only well
// below half of what is allocated, so buffers refilled every block do not
// thrash the allocator.

#include <stdint.h>
#include <stdlib.h>
#include <string.h>

class KIT_HeapBuf {
public:
  explicit KIT_HeapBuf(int granul = 4096) : m_buf(nullptr), m_granul(granul), m_alloc(0), m_size(0), m_mas(0) {}
  ~KIT_HeapBuf() { free(m_buf); }

  KIT_HeapBuf(const KIT_HeapBuf&) = delete;
  KIT_HeapBuf& operator=(const KIT_HeapBuf&) = delete;

  // The buffer, or null while the size is 0 (even when memory is allocated).
  void* Get() const { return m_size ? m_buf : nullptr; }
  int GetSize() const { return m_size; }
  int GetAlloc() const { return m_alloc; }
  int GetGranul() const { return m_granul; }
  void SetGranul(int granul) { m_granul = granul; }
  // The least allocation: once the buffer is reallocated it never holds
  // less than this.
  void SetMinAllocSize(int mas) { m_mas = mas; }

  // Sets the size to newsize bytes and returns Get(). When memory cannot be
  // had (or newsize is negative) nothing changes and the old buffer is
  // returned: callers that need the new size check GetSize().
  void* Resize(int newsize, bool shrink = true)
  {
    if (newsize == m_size || newsize < 0) return Get();

    const int64_t alloc = m_alloc, granul = m_granul;
    if (newsize > m_alloc || (shrink && newsize < m_size && newsize < m_alloc / 2 && newsize < alloc - 4 * granul)) {
      int64_t g = newsize / 2;
      if (g < granul) g = granul;
      int64_t newalloc;
      if (granul < 4096) {
        newalloc = newsize + g;
      } else {
        g &= ~(int64_t)4095;
        if (g < 4096) g = 4096;
        if (g > 4194304) g = 4194304;
        // 96 bytes for the allocator's own header, so the block fills pages.
        newalloc = ((newsize + g + 96) & ~(int64_t)4095) - 96;
      }
      if (newalloc < m_mas) newalloc = m_mas;
      if (newalloc > INT32_MAX) return Get();

      if (newalloc != m_alloc) {
        if (newalloc == 0) {
          free(m_buf);
          m_buf = nullptr;
        } else {
          void* nb = realloc(m_buf, (size_t)newalloc);
          if (!nb) {
            nb = malloc((size_t)newalloc);
            if (!nb) return Get();
            if (m_buf) memcpy(nb, m_buf, (size_t)(newsize < m_size ? newsize : m_size));
            free(m_buf);
          }
          m_buf = nb;
        }
        m_alloc = (int)newalloc;
      }
    }
    m_size = newsize;
    return Get();
  }

  void* m_buf;
  int m_granul;
  int m_alloc;
  int m_size;
  int m_mas;
};

#endif
