#include <gtest/gtest.h>

#include <vector>

#include "KIT_PtrList.h"

namespace {

struct Tracked;
std::vector<int> gDeleted;
KIT_PtrList<Tracked>* gWatched = nullptr;
std::vector<int> gSizeSeen;

struct Tracked {
  explicit Tracked(int id) : id(id) {}
  ~Tracked()
  {
    gDeleted.push_back(id);
    if (gWatched) gSizeSeen.push_back(gWatched->GetSize());
  }
  int id;
};

void Reset()
{
  gDeleted.clear();
  gSizeSeen.clear();
  gWatched = nullptr;
}

}  // namespace

TEST(PtrList, AddGetSet)
{
  KIT_PtrList<int> list;
  int a = 1, b = 2, c = 3;
  EXPECT_EQ(list.GetSize(), 0);
  EXPECT_EQ(list.Get(0), nullptr);
  EXPECT_EQ(list.Set(0, &a), nullptr);

  EXPECT_EQ(list.Add(&a), &a);
  EXPECT_EQ(list.Add(&b), &b);
  EXPECT_EQ(list.GetSize(), 2);
  EXPECT_EQ(list.Get(0), &a);
  EXPECT_EQ(list.Get(1), &b);
  EXPECT_EQ(list.Get(-1), nullptr);
  EXPECT_EQ(list.Get(2), nullptr);

  EXPECT_EQ(list.Set(1, &c), &c);
  EXPECT_EQ(list.Get(1), &c);
  EXPECT_EQ(list.Set(2, &c), nullptr);
  EXPECT_EQ(list.Set(-1, &c), nullptr);
  EXPECT_EQ(list.GetSize(), 2);
}

TEST(PtrList, AddOfNullStoresNull)
{
  KIT_PtrList<int> list;
  EXPECT_EQ(list.Add(nullptr), nullptr);
  EXPECT_EQ(list.GetSize(), 1);
  EXPECT_EQ(list.Get(0), nullptr);
}

TEST(PtrList, ManyAdds)
{
  KIT_PtrList<int> list(32);
  std::vector<int> v(5000);
  for (int i = 0; i < 5000; ++i) ASSERT_EQ(list.Add(&v[i]), &v[i]);
  ASSERT_EQ(list.GetSize(), 5000);
  for (int i = 0; i < 5000; ++i) ASSERT_EQ(list.Get(i), &v[i]);
}

TEST(PtrList, DeleteMovesTheTailDownAndKeepsMemory)
{
  KIT_PtrList<int> list;
  int v[4] = {0, 1, 2, 3};
  for (int& x : v) list.Add(&x);
  const int alloc = list.m_hb.GetAlloc();
  list.Delete(1);
  ASSERT_EQ(list.GetSize(), 3);
  EXPECT_EQ(list.Get(0), &v[0]);
  EXPECT_EQ(list.Get(1), &v[2]);
  EXPECT_EQ(list.Get(2), &v[3]);
  EXPECT_EQ(list.m_hb.GetAlloc(), alloc);

  list.Delete(3);
  list.Delete(-1);
  EXPECT_EQ(list.GetSize(), 3);

  list.Delete(2);
  EXPECT_EQ(list.GetSize(), 2);
  EXPECT_EQ(list.Get(1), &v[2]);
}

TEST(PtrList, DeleteWithTheFlagDestroysTheElement)
{
  Reset();
  KIT_PtrList<Tracked> list;
  list.Add(new Tracked(1));
  list.Add(new Tracked(2));
  list.Delete(0, true);
  EXPECT_EQ(gDeleted, std::vector<int>({1}));
  ASSERT_EQ(list.GetSize(), 1);
  EXPECT_EQ(list.Get(0)->id, 2);
  list.Empty(true);
  Reset();
}

TEST(PtrList, DeleteWithoutTheFlagLeavesTheElement)
{
  Reset();
  KIT_PtrList<Tracked> list;
  Tracked t(5);
  list.Add(&t);
  list.Delete(0);
  EXPECT_TRUE(gDeleted.empty());
  EXPECT_EQ(list.GetSize(), 0);
}

namespace {
std::vector<int> gFreed;
void FreeTracked(Tracked* t)
{
  gFreed.push_back(t->id);
  delete t;
}
}  // namespace

TEST(PtrList, DeleteFunctionIsUsedWhenGiven)
{
  Reset();
  gFreed.clear();
  KIT_PtrList<Tracked> list;
  list.Add(new Tracked(1));
  list.Add(new Tracked(2));
  list.Add(new Tracked(3));
  list.Delete(1, true, FreeTracked);
  EXPECT_EQ(gFreed, std::vector<int>({2}));
  list.Empty(true, FreeTracked);
  EXPECT_EQ(gFreed, std::vector<int>({2, 3, 1}));
  Reset();
}

TEST(PtrList, EmptyDeletesFromTheLastToTheFirst)
{
  Reset();
  KIT_PtrList<Tracked> list;
  list.Add(new Tracked(1));
  list.Add(new Tracked(2));
  list.Add(new Tracked(3));
  const int alloc = list.m_hb.GetAlloc();
  gWatched = &list;
  list.Empty(true);
  EXPECT_EQ(gDeleted, std::vector<int>({3, 2, 1}));
  // each destructor sees only the elements before it
  EXPECT_EQ(gSizeSeen, std::vector<int>({3, 2, 1}));
  EXPECT_EQ(list.GetSize(), 0);
  EXPECT_EQ(list.m_hb.GetAlloc(), alloc);
  Reset();
}

TEST(PtrList, EmptySkipsNullElements)
{
  Reset();
  KIT_PtrList<Tracked> list;
  list.Add(new Tracked(1));
  list.Add(nullptr);
  list.Add(new Tracked(3));
  list.Empty(true);
  EXPECT_EQ(gDeleted, std::vector<int>({3, 1}));
  EXPECT_EQ(list.GetSize(), 0);
  Reset();
}

TEST(PtrList, EmptyWithoutTheFlagDeletesNothing)
{
  Reset();
  KIT_PtrList<Tracked> list;
  Tracked a(1), b(2);
  list.Add(&a);
  list.Add(&b);
  list.Empty();
  EXPECT_EQ(list.GetSize(), 0);
  EXPECT_TRUE(gDeleted.empty());
  EXPECT_GT(list.m_hb.GetAlloc(), 0);
}
