#include "ISubject.h"

ISubject::~ISubject() { delete mObservers; }

void ISubject::AttachObserver(IObserverInterface* pObserver)
{
  if (!mFirstObserver || mFirstObserver == pObserver) {
    mFirstObserver = pObserver;
    return;
  }
  if (!mObservers) mObservers = new KIT_PtrList<IObserverInterface>(32);
  for (int i = 0; i < mObservers->GetSize(); ++i)
    if (mObservers->Get(i) == pObserver) return;
  mObservers->Add(pObserver);
}

void ISubject::NotifyObservers(int x, int y, int event, const IMouseModifiers& mod)
{
  if (mFirstObserver) mFirstObserver->Notify(this, x, y, event, mod);
  if (!mObservers) return;
  for (int i = 0; i < mObservers->GetSize(); ++i) mObservers->Get(i)->Notify(this, x, y, event, mod);
}

void ISubject::NotifyChanged()
{
  if (!mFirstObserver || !mChanged) return;
  mChanged = false;
  mFirstObserver->Update(this);
  if (!mObservers) return;
  for (int i = 0; i < mObservers->GetSize(); ++i) mObservers->Get(i)->Update(this);
}
