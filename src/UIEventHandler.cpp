#include "UIEventHandler.h"

#include "IControl.h"
#include "LaneView.h"
#include "RouterHost.h"

using namespace TolvoParams;

UIEventHandler::UIEventHandler(RouterHost* plug, TolvoApp* app, EngineHolder* engine, LaneView* view)
  : mRoute{engine, app, plug, view}
{}

void UIEventHandler::OnParamChange(int index, double value)
{
  const ParamSpec* spec = FindParamSpec(index);
  if (!spec) return;
  const int member = index - spec->index;
  if (spec->set) spec->set(mRoute, member, value);
  // The step editor shows the lanes' values as they are.
  if (InGroup(index, kStepLength, kNumSteps * kNumLanes))
    mRoute.view->PostStepValue(spec->index, member, MinOf(*spec), MaxOf(*spec), value);
  ShowParamStatus(index, value);
}

void UIEventHandler::ShowParamStatus(int index, double value) { mRoute.plug->PostStatus(index, value); }

// Every observed subject is one of the editor's controls.
void UIEventHandler::Notify(ISubject* pSubject, int x, int y, int event, const IMouseModifiers& mod)
{
  switch (pSubject->GetKind()) {
    case kKindNoteLight:
      if (event == ISubject::kEventDoubleClick) mRoute.plug->RequestAllNotesOff();
      break;
    case kKindAbout:
      if (event == ISubject::kEventMouseUp) mRoute.plug->ToggleAboutBox();
      break;
    case kKindKnob:
      if (mod.R) {
        const int index = static_cast<IControl*>(pSubject)->ParamIdx();
        ShowParamStatus(index, mRoute.plug->GetParamValue(index));
      }
      break;
    default: break;
  }
}
