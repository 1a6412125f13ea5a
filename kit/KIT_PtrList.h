#ifndef KIT_PTRLIST_H
#define KIT_PTRLIST_H

// A list of pointers to T over KIT_HeapBuf. The list never deletes its
// elements by itself: owners empty it with the delete flag or delete the
// elements one by one.

#include "KIT_HeapBuf.h"

template <class T>
class KIT_PtrList {
public:
  typedef void (*DeleteFunc)(T*);

  explicit KIT_PtrList(int granul = 4096) : m_hb(granul) {}

  int GetSize() const { return m_hb.GetSize() / (int)sizeof(T*); }

  // The pointer at i, or null when i is out of range.
  T* Get(int i) const
  {
    T** list = GetList();
    if (!list || i < 0 || i >= GetSize()) return nullptr;
    return list[i];
  }

  // Stores p at i when i is in range and returns p; otherwise null.
  T* Set(int i, T* p)
  {
    T** list = GetList();
    if (!list || i < 0 || i >= GetSize()) return nullptr;
    list[i] = p;
    return p;
  }

  // Appends p; returns p, or null when the list could not grow.
  T* Add(T* p)
  {
    const int n = GetSize();
    m_hb.Resize((n + 1) * (int)sizeof(T*), false);
    if (GetSize() != n + 1) return nullptr;
    return Set(n, p);
  }

  // Removes the element at i (deleting it first when asked, through
  // delfunc if given); the allocation is kept.
  void Delete(int i, bool wantDelete = false, DeleteFunc delfunc = nullptr)
  {
    T** list = GetList();
    const int n = GetSize();
    if (!list || i < 0 || i >= n) return;
    if (wantDelete) Destroy(list[i], delfunc);
    memmove(list + i, list + i + 1, (size_t)(n - i - 1) * sizeof(T*));
    m_hb.Resize((n - 1) * (int)sizeof(T*), false);
  }

  // Removes every element, deleting them from the last to the first when
  // asked; the list shrinks after each deletion, so a destructor that looks
  // at the list sees only the elements before it. The allocation is kept.
  void Empty(bool wantDelete = false, DeleteFunc delfunc = nullptr)
  {
    if (wantDelete) {
      for (int n = GetSize(); n > 0; n = GetSize()) {
        T* p = Get(n - 1);
        if (p) Destroy(p, delfunc);
        m_hb.Resize((n - 1) * (int)sizeof(T*), false);
      }
    }
    m_hb.Resize(0, false);
  }

  KIT_HeapBuf m_hb;

private:
  T** GetList() const { return (T**)m_hb.Get(); }
  static void Destroy(T* p, DeleteFunc delfunc)
  {
    if (delfunc)
      delfunc(p);
    else
      delete p;
  }
};

#endif
