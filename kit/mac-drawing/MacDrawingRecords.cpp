// The free lists of context and object records, shared by every thread
// under one lock. Records are reused rather than freed: a draw bitmap is
// resized and its context made again often.
#include <stdlib.h>
#include <string.h>

#include "KIT_Mutex.h"
#include "MacDrawingRecords.h"

namespace {
const int kMaxKeptContexts = 100;

// Made on first use, and never destroyed: records may be returned by
// static destructors running after this file's.
KIT_Mutex& RecordsLock()
{
  static KIT_Mutex* lock = new KIT_Mutex;
  return *lock;
}

ContextRecord* sFreeContexts = nullptr;
int sKeptContexts = 0;
GdiObject* sFreeObjects = nullptr;
}  // namespace

ContextRecord* AllocContextRecord()
{
  ContextRecord* record = nullptr;
  {
    KIT_MutexLock lock(&RecordsLock());
    if (sFreeContexts) {
      record = sFreeContexts;
      sFreeContexts = record->mNext;
      --sKeptContexts;
    }
  }
  if (!record) record = (ContextRecord*)malloc(sizeof(ContextRecord));
  if (record) memset(record, 0, sizeof *record);
  return record;
}

GdiObject* AllocGdiObject()
{
  GdiObject* object = nullptr;
  {
    KIT_MutexLock lock(&RecordsLock());
    if (sFreeObjects) {
      object = sFreeObjects;
      sFreeObjects = object->mNext;
    }
  }
  if (!object) object = (GdiObject*)malloc(sizeof(GdiObject));
  if (object) memset(object, 0, sizeof *object);
  return object;
}

int KeptContextRecords()
{
  KIT_MutexLock lock(&RecordsLock());
  return sKeptContexts;
}

bool ReturnContextRecord(ContextRecord* record)
{
  KIT_MutexLock lock(&RecordsLock());
  if (record->mFree) return false;
  memset(record, 0, sizeof *record);
  if (sKeptContexts >= kMaxKeptContexts) {
    free(record);
    return true;
  }
  record->mFree = true;
  record->mNext = sFreeContexts;
  sFreeContexts = record;
  ++sKeptContexts;
  return true;
}

bool ReturnGdiObject(GdiObject* object)
{
  KIT_MutexLock lock(&RecordsLock());
  if (object->mFree) return false;
  memset(object, 0, sizeof *object);
  object->mFree = true;
  object->mNext = sFreeObjects;
  sFreeObjects = object;
  return true;
}

GdiObject* GetNullObject(int kind)
{
  static GdiObject nullBrush{kGdiBrush, nullptr, -1.0f, nullptr, nullptr, nullptr, 0.0f, false, nullptr};
  static GdiObject nullPen{kGdiPen, nullptr, -1.0f, nullptr, nullptr, nullptr, 0.0f, false, nullptr};
  switch (kind) {
    case kGdiPen: return &nullBrush;
    case kGdiBrush: return &nullPen;
    default: return nullptr;
  }
}

bool IsNullObject(const GdiObject* object)
{
  return object == GetNullObject(kGdiPen) || object == GetNullObject(kGdiBrush);
}
