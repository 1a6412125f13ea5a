#ifndef KIT_TYPEDBUF_H
#define KIT_TYPEDBUF_H

// A growable array of plain records over KIT_HeapBuf. Elements are moved
// as bytes when the buffer grows, so T must be trivially copyable.

#include <type_traits>

#include "KIT_HeapBuf.h"

template <class T>
class KIT_TypedBuf {
  static_assert(std::is_trivially_copyable<T>::value, "KIT_TypedBuf moves its elements as bytes");

public:
  explicit KIT_TypedBuf(int granul = 4096) : m_hb(granul) {}

  T* Get() const { return (T*)m_hb.Get(); }
  // The number of elements.
  int GetSize() const { return m_hb.GetSize() / (int)sizeof(T); }
  void SetGranul(int granul) { m_hb.SetGranul(granul); }

  // Resizes to n elements; returns Get(). When memory cannot be had the
  // size stays as it was (check GetSize()).
  T* Resize(int n, bool shrink = true)
  {
    const int64_t bytes = (int64_t)n * (int64_t)sizeof(T);
    if (bytes < 0 || bytes > INT32_MAX) return Get();
    return (T*)m_hb.Resize((int)bytes, shrink);
  }

  // Grows by one element and returns it, or null when memory cannot be had.
  T* Append()
  {
    const int n = GetSize();
    Resize(n + 1, false);
    return GetSize() == n + 1 ? Get() + n : nullptr;
  }

  KIT_HeapBuf m_hb;
};

#endif
