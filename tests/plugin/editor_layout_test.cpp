// The editor as the plug-in builds it: the shipped skin's rectangles, every
// control in attach order with its class, rectangle, images, parameter and
// what the plug-in made of it, and the registry's pages, against committed
// tables.

#include <string.h>

#include <string>
#include <vector>

#include "BitmapCache.h"
#include "ControlRegistry.h"
#include "GoldenImages.h"
#include "ICustomKnobMultiControl.h"
#include "ICustomRadioButtonsControl.h"
#include "ICustomSwitchControl.h"
#include "ICustomTextControl.h"
#include "IGraphics.h"
#include "PatternView.h"
#include "PluginEditorFixture.h"
#include "TolvoResources.h"

namespace {

// A strip as "<resource id>/<frames>", "-" for none.
std::string Strip(const IBitmapStrip& strip)
{
  if (!strip.mBitmap) return "-";
  for (int id = kBackgroundId; id <= kAboutBoxId; ++id)
    if (gBitmapCache.Find(id) == strip.mBitmap) return std::to_string(id) + "/" + std::to_string(strip.N);
  return "?";
}

std::string Describe(IControl* c)
{
  std::string kind, strips;
  if (auto* v = dynamic_cast<PatternView*>(c)) {
    kind = "PatternView";
    strips = Strip(v->GetMarkerStrip()) + " " + Strip(v->GetLengthBar());
  } else if (auto* k = dynamic_cast<ICustomKnobMultiControl*>(c)) {
    kind = "ICustomKnobMultiControl";
    strips = Strip(k->GetBitmap());
  } else if (auto* r = dynamic_cast<ICustomRadioButtonsControl*>(c)) {
    kind = "ICustomRadioButtonsControl";
    strips = Strip(r->GetBitmap()) + " " + Strip(r->GetFont());
  } else if (auto* t = dynamic_cast<ICustomTextControl*>(c)) {
    kind = "ICustomTextControl";
    strips = Strip(t->GetFont());
  } else if (auto* s = dynamic_cast<ICustomSwitchControl*>(c)) {
    kind = "ICustomSwitchControl";
    strips = Strip(s->GetBitmap());
  } else if (dynamic_cast<ICustomInvisibleSwitchControl*>(c)) {
    kind = "ICustomInvisibleSwitchControl";
    strips = "-";
  } else if (auto* b = dynamic_cast<IBitmapControl*>(c)) {
    kind = "IBitmapControl";
    strips = Strip(b->GetBitmap());
  } else {
    kind = "?";
  }
  const IRECT& r = c->GetRECT();
  std::string row = std::to_string(c->GetControlIdx()) + " " + kind + " " + std::to_string(r.L) + "," +
                    std::to_string(r.T) + "," + std::to_string(r.R) + "," + std::to_string(r.B) + " " + strips +
                    " param " + std::to_string(c->ParamIdx());
  if (c->TextEntryParamIdx() >= 0) row += " menu " + std::to_string(c->TextEntryParamIdx());
  if (c->GetKind() >= 0) row += " kind " + std::to_string(c->GetKind()) + " id " + std::to_string(c->GetID());
  if (c->IsHidden()) row += " hidden";
  return row;
}

std::vector<std::string> Rows(const KIT_TypedBuf<IRECT>& rects)
{
  std::vector<std::string> rows;
  for (int i = 0; i < rects.GetSize(); ++i) {
    const IRECT& r = rects.Get()[i];
    rows.push_back(std::to_string(r.L) + " " + std::to_string(r.T) + " " + std::to_string(r.R) + " " +
                   std::to_string(r.B));
  }
  return rows;
}

}  // namespace

using EditorLayout = PluginFixture;

// As the plug-in reads it from its resources.
TEST_F(EditorLayout, TheShippedSkinsRectanglesInOrder)
{
  ASSERT_EQ(plug->GetSkin().GetSize(), 66);
  ExpectGoldenRows(Golden("skin_rects.txt"), Rows(plug->GetSkin()));
}

TEST_F(EditorLayout, TheShippedSkinHasNoTabAndNoLineOfBlanksOnly)
{
  KIT_String text;
  ASSERT_TRUE(plug->GetGUI()->LoadText(kSkinTextId, kSkinTextName, &text));
  ASSERT_EQ(strchr(text.Get(), '\t'), nullptr);
  std::string line;
  for (const char* p = text.Get();; ++p) {
    if (*p == '\n' || !*p) {
      if (!line.empty() && line != "\r") {
        EXPECT_NE(line.find_first_not_of(" \r"), std::string::npos) << line;
      }
      line.clear();
      if (!*p) break;
    } else {
      line += *p;
    }
  }
}

TEST_F(EditorLayout, EveryControlInAttachOrder)
{
  IGraphics* gui = plug->GetGUI();
  ASSERT_EQ(gui->NControls(), 366);
  std::vector<std::string> rows;
  for (int i = 0; i < gui->NControls(); ++i) rows.push_back(Describe(gui->GetControl(i)));
  ExpectGoldenRows(Golden("controls.txt"), rows);
}

TEST_F(EditorLayout, TheRegistrysPages)
{
  std::vector<std::string> rows;
  for (int page = 0; page < ControlRegistry::kNumPages; ++page) {
    const ControlRegistry::Page* entries = plug->GetRegistry()->GetPage(page);
    for (int i = 0; i < entries->GetSize(); ++i)
      rows.push_back(std::to_string(page) + " " + std::to_string(entries->Get()[i].mKey) + " " +
                     std::to_string(entries->Get()[i].mControl->GetControlIdx()));
  }
  ExpectGoldenRows(Golden("registry.txt"), rows);
  EXPECT_EQ(plug->GetRegistry()->GetPage(2), nullptr);
  EXPECT_EQ(plug->GetRegistry()->GetPage(-1), nullptr);
}
