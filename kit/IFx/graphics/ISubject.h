#ifndef ISUBJECT_H
#define ISUBJECT_H

// The observer part of every control: observers hear of clicks (mouse down,
// mouse up, double click) and, once per frame, of a changed value.
// Host user-interface thread: clicks in an editor event (both locks held),
// changes on the tick under the editor lock.

#include "IGraphicRecords.h"
#include "KIT_PtrList.h"

class ISubject;

class IObserverInterface {
public:
  // The subject's value changed since observers were last told.
  virtual void Update(ISubject* pSubject) = 0;
  virtual void Notify(ISubject* pSubject, int x, int y, int event, const IMouseModifiers& mod) = 0;
  virtual ~IObserverInterface() {}
};

class ISubject {
public:
  enum EEvent { kEventMouseDown = 0, kEventMouseUp = 1, kEventDoubleClick = 2 };

  ISubject() = default;
  virtual ~ISubject();
  ISubject(const ISubject&) = delete;
  ISubject& operator=(const ISubject&) = delete;

  // An observer already attached is not added again.
  void AttachObserver(IObserverInterface* pObserver);
  void NotifyObservers(int x, int y, int event, const IMouseModifiers& mod);
  // Tells the observers once after the changed flag was set.
  void NotifyChanged();

  // Set by the owner to tell like controls apart and to say what sort of
  // control this is; -1 until set.
  int GetID() const { return mID; }
  void SetID(int id) { mID = id; }
  int GetKind() const { return mKind; }
  void SetKind(int kind) { mKind = kind; }

protected:
  bool mChanged = false;

private:
  int mID = -1;
  int mKind = -1;
  // The observers, borrowed: the first, which most subjects have alone,
  // then the others in the order attached.
  IObserverInterface* mFirstObserver = nullptr;
  KIT_PtrList<IObserverInterface>* mObservers = nullptr;
};

#endif
