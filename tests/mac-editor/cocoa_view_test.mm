// The Cocoa view over GNUstep's AppKit objects: events built as Cocoa
// delivers them, the view in a parent view as a host holds it. Nothing is
// drawn (GNUstep here has no display back end).
#import <Cocoa/Cocoa.h>

#include "BackEndFixture.h"
#include "IGraphicsCocoa.h"

namespace {
// What the view marked for display, in its own coordinates.
std::vector<NSRect> sMarked;
}  // namespace

@interface IGraphicsCocoa_vTesmoran (Marking)
@end

@implementation IGraphicsCocoa_vTesmoran (Marking)
- (void)setNeedsDisplayInRect:(NSRect)rect
{
  sMarked.push_back(rect);
  [super setNeedsDisplayInRect:rect];
}
@end

namespace {
// Views freed, and those of them freed while still holding their timer.
int sFreed = 0, sFreedWithTimer = 0;
}  // namespace

@interface IGraphicsCocoa_vTesmoran (Freeing)
@end

@implementation IGraphicsCocoa_vTesmoran (Freeing)
- (void)dealloc
{
  ++sFreed;
  if ([self valueForKey:@"mTimer"]) ++sFreedWithTimer;
  [super dealloc];
}
@end

namespace {

class CocoaViewTest : public BackEndTest {
protected:
  void SetUp() override
  {
    BackEndTest::SetUp();
    pool = [[NSAutoreleasePool alloc] init];
    parent = [[NSView alloc] initWithFrame:NSMakeRect(0, 0, 600, 420)];
    view = (IGraphicsCocoa_vTesmoran*)gui->OpenCocoaWindow(parent);
    ASSERT_NE(view, nil);
  }
  void TearDown() override
  {
    gui->CloseWindow();
    [parent release];
    [pool release];
  }
  NSEvent* Mouse(NSEventType type, double x, double y, NSUInteger flags = 0, NSInteger clicks = 1)
  {
    return [NSEvent mouseEventWithType:type
                              location:NSMakePoint(x, y)
                         modifierFlags:flags
                             timestamp:0
                          windowNumber:0
                               context:nil
                           eventNumber:0
                            clickCount:clicks
                              pressure:1];
  }

  NSAutoreleasePool* pool = nil;
  NSView* parent = nil;
  IGraphicsCocoa_vTesmoran* view = nil;
};

TEST_F(CocoaViewTest, IsTheEditorsSizeInsideTheHostsView)
{
  EXPECT_STREQ(gui->GetGUIAPIName(), "Cocoa");
  EXPECT_EQ(gui->GetWindow(), view);
  EXPECT_TRUE(gui->WindowIsOpen());
  EXPECT_EQ([view superview], parent);
  EXPECT_EQ([view frame].size.width, kWidth);
  EXPECT_EQ([view frame].size.height, kHeight);
  EXPECT_TRUE([view isOpaque]);
  EXPECT_EQ([view graphics], gui);
}

TEST_F(CocoaViewTest, MouseEventsLandOnTheEditorPixelUnderThePointer)
{
  [view mouseDown:Mouse(NSLeftMouseDown, 10.7, 20.2)];
  [view mouseUp:Mouse(NSLeftMouseUp, 10.7, 20.2)];
  [view mouseDown:Mouse(NSLeftMouseDown, 30, 40, NSCommandKeyMask | NSAlternateKeyMask)];
  [view mouseDragged:Mouse(NSLeftMouseDragged, 35, 45, NSCommandKeyMask)];
  [view mouseUp:Mouse(NSLeftMouseUp, 35, 45)];
  [view rightMouseDown:Mouse(NSRightMouseDown, 50, 60, NSControlKeyMask)];
  [view rightMouseUp:Mouse(NSRightMouseUp, 50, 60)];
  [view mouseDown:Mouse(NSLeftMouseDown, 50, 60, 0, 2)];

  const std::vector<MouseRecord>& e = whole->events;
  ASSERT_EQ(e.size(), 8u);
  EXPECT_EQ(e[0].what, "down");
  EXPECT_EQ(e[0].x, 8);
  EXPECT_EQ(e[0].y, 377);
  EXPECT_TRUE(e[0].mod.L);
  EXPECT_FALSE(e[0].mod.R);
  // Command-click: the left button, and the right as well.
  EXPECT_TRUE(e[2].mod.L);
  EXPECT_TRUE(e[2].mod.R);
  EXPECT_TRUE(e[2].mod.A);
  EXPECT_EQ(e[3].what, "drag");
  EXPECT_EQ(e[3].x, 33);
  EXPECT_EQ(e[3].y, 352);
  EXPECT_EQ(e[5].what, "down");
  EXPECT_FALSE(e[5].mod.L);
  EXPECT_TRUE(e[5].mod.R);
  EXPECT_TRUE(e[5].mod.C);
  EXPECT_EQ(e[7].what, "double");
}

TEST_F(CocoaViewTest, ItsTimerMarksWhatIsDirtyForDisplay)
{
  NSTimer* timer = [view valueForKey:@"mTimer"];
  ASSERT_NE(timer, nil);
  // The view opened with everything to draw.
  sMarked.clear();
  [view onTimer:timer];
  ASSERT_EQ(sMarked.size(), 1u);
  EXPECT_TRUE(NSEqualRects(sMarked[0], NSMakeRect(0, -1, kWidth + 1, kHeight + 1)));
  const IRECT all(0, 0, kWidth, kHeight);
  gui->Draw(&all);

  sMarked.clear();
  [view onTimer:timer];
  EXPECT_TRUE(sMarked.empty());
  corner->SetDirty(false);
  [view onTimer:nil];  // not its timer
  EXPECT_TRUE(sMarked.empty());
  [view onTimer:timer];
  ASSERT_EQ(sMarked.size(), 1u);
  EXPECT_TRUE(NSEqualRects(sMarked[0], NSMakeRect(500, 79, 21, 21)));
}

TEST_F(CocoaViewTest, RemovedByTheHostItLeavesTheHostsViewAndClosesTheEditor)
{
  [view retain];
  [view removeFromSuperview];
  EXPECT_EQ([[parent subviews] count], 0u);
  EXPECT_EQ([view superview], nil);
  EXPECT_FALSE(gui->WindowIsOpen());
  EXPECT_EQ([view graphics], nullptr);
  // Events after that reach nothing.
  [view mouseDown:Mouse(NSLeftMouseDown, 10, 10)];
  EXPECT_TRUE(whole->events.empty());
  [view release];
}

// A host that asks for a view and lets it go without adding it anywhere:
// only the view's timer holds it until the editor closes it.
TEST_F(CocoaViewTest, AViewOnlyItsTimerHoldsIsFreedOnceTheEditorIsDoneWithIt)
{
  gui->CloseWindow();
  NSAutoreleasePool* inner = [[NSAutoreleasePool alloc] init];
  ASSERT_NE(gui->OpenCocoaWindow(nullptr), nullptr);
  [inner release];
  sFreed = sFreedWithTimer = 0;
  gui->CloseWindow();
  EXPECT_EQ(sFreed, 1);
  EXPECT_EQ(sFreedWithTimer, 0);
  EXPECT_FALSE(gui->WindowIsOpen());
}

TEST_F(CocoaViewTest, ClosedByTheEditorItLeavesTheHostsView)
{
  [view retain];
  gui->CloseWindow();
  EXPECT_EQ([[parent subviews] count], 0u);
  EXPECT_EQ([view graphics], nullptr);
  EXPECT_EQ([view valueForKey:@"mTimer"], nil);
  [view release];
}

}  // namespace
