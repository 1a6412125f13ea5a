// The Cocoa view factory, found by name as a host finds it, over the test
// plug-in; it runs on GNUstep's Foundation and AppKit objects.
#import <AudioUnit/AUCocoaUIView.h>
#import <Cocoa/Cocoa.h>
#include <gtest/gtest.h>

#include "BindingFixture.h"

namespace {

// An editor that opens in a Cocoa view, as the macOS back end does.
class CocoaEditor : public RecordingEditor {
public:
  using RecordingEditor::RecordingEditor;
  void* OpenCocoaWindow(void* pParentView) override
  {
    opened = true;
    parent = pParentView;
    return view;
  }
  bool opened = false;
  void* parent = nullptr;
  NSView* view = nil;
};

class CocoaViewTest : public BindingTest {
protected:
  void SetUp() override
  {
    BindingTest::SetUp();
    pool = [[NSAutoreleasePool alloc] init];
    Class factoryClass = NSClassFromString(@"Tolvo_View");
    ASSERT_NE(factoryClass, nil);
    factory = [[factoryClass alloc] init];
  }
  void TearDown() override
  {
    [(id)factory release];
    [pool release];
    BindingTest::TearDown();
  }
  NSView* ViewFor(AudioUnit audioUnit) { return [factory uiViewForAudioUnit:audioUnit withSize:NSMakeSize(100, 100)]; }

  NSAutoreleasePool* pool = nil;
  id<AUCocoaUIBase> factory = nil;
};

TEST_F(CocoaViewTest, NamesItselfAndHandsOutTheEditorsView)
{
  EXPECT_EQ([factory interfaceVersion], 0u);
  EXPECT_STREQ([[(id)factory description] UTF8String], "Tolvo View");

  CocoaEditor* editor = new CocoaEditor(plug);
  plug->GiveEditor(editor);
  editor->view = [[[NSView alloc] initWithFrame:NSMakeRect(0, 0, 10, 20)] autorelease];
  EXPECT_EQ(ViewFor(unit), editor->view);
  EXPECT_TRUE(editor->opened);
  EXPECT_EQ(editor->parent, nullptr);
}

TEST_F(CocoaViewTest, NoEditorOrNoPlugInGivesNoView)
{
  EXPECT_EQ(ViewFor(unit), nil);
  EXPECT_EQ(ViewFor(nullptr), nil);
}

}  // namespace
