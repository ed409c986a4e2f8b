// CArray and CList as callers use them: MFC's growth rule, shifting on insert and
// removal, range errors raised as CInvalidArgException*, value copies, POSITION
// walks in both directions with removal along the way, and node blocks.
#include <functional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "excecoes_teste.h"
#include "vrmwnd/platform/CArray.h"
#include "vrmwnd/platform/CList.h"
#include "vrmwnd/platform/CString.h"

namespace {

template <class T, class A>
std::string Joined(const CArray<T, A>& a) {
  std::string s;
  for (const auto& v : a) s += std::string(v) + ",";
  return s;
}

template <class T, class A>
std::string Forward(const CList<T, A>& l) {
  std::string s;
  for (POSITION p = l.GetHeadPosition(); p;) s += std::string(l.GetNext(p)) + ",";
  return s;
}

template <class T, class A>
std::string Backward(const CList<T, A>& l) {
  std::string s;
  for (POSITION p = l.GetTailPosition(); p;) s += std::string(l.GetPrev(p)) + ",";
  return s;
}

TEST(CArrayTest, GrowsAsMfcDoes) {
  constexpr struct {
    int grow_by;
    int adds;
    int alloc;
  } kCasos[] = {
      {0, 1, 1},                   // first allocation: exactly the size
      {0, 2, 5},                   // then by max(4, size / 8)
      {0, 6, 9},   {0, 100, 102},  // by 4 up to size 40, then by size / 8
      {10, 1, 10}, {10, 11, 20},  {100, 101, 200},
  };
  for (const auto& c : kCasos) {
    SCOPED_TRACE(testing::Message() << "growBy=" << c.grow_by << " adds=" << c.adds);
    CArray<int> a;
    a.SetSize(0, c.grow_by);
    for (int i = 0; i < c.adds; ++i) EXPECT_EQ(a.Add(i), i);
    EXPECT_EQ(a.GetSize(), c.adds);
    EXPECT_EQ(a.GetAllocSize(), c.alloc);
  }
  CArray<int> a;
  a.SetSize(3);
  a.SetSize(2);
  EXPECT_EQ(a.GetAllocSize(), 3);
  a.FreeExtra();
  EXPECT_EQ(a.GetAllocSize(), 2);
  EXPECT_EQ(a[0], 0) << "new elements are value-initialised";
}

TEST(CArrayTest, InsertAndRemoveShiftTheRest) {
  CArray<CString, LPCTSTR> a;
  for (const char* s : {"a", "b", "c"}) a.Add(s);
  a.InsertAt(1, "x", 2);
  EXPECT_EQ(Joined(a), "a,x,x,b,c,");
  a.InsertAt(7, "z");
  EXPECT_EQ(Joined(a), "a,x,x,b,c,,,z,") << "past the end the gap gets empty elements";
  a.RemoveAt(1, 2);
  EXPECT_EQ(Joined(a), "a,b,c,,,z,");
  a.RemoveAt(5);
  a.RemoveAt(3, 2);
  EXPECT_EQ(Joined(a), "a,b,c,");
  a.InsertAt(0, &a);
  EXPECT_EQ(Joined(a), "a,b,c,a,b,c,");
  EXPECT_EQ(a.Append(a), 6);
  EXPECT_EQ(a.GetCount(), 12);
  a.SetAtGrow(13, a[0]);
  EXPECT_EQ(a.GetUpperBound(), 13);
  EXPECT_STREQ(a[13], "a");
}

TEST(CArrayTest, OutOfRangeRaisesInvalidArg) {
  CArray<int> a;
  a.Add(1);
  a.Add(2);
  const std::vector<std::pair<const char*, std::function<void()>>> kCasos = {
      {"GetAt(2)", [&] { a.GetAt(2); }},
      {"GetAt(-1)", [&] { a.GetAt(-1); }},
      {"SetAt(2)", [&] { a.SetAt(2, 0); }},
      {"[5]", [&] { a[5] = 1; }},
      {"ElementAt(-1)", [&] { a.ElementAt(-1); }},
      {"RemoveAt(1, 2)", [&] { a.RemoveAt(1, 2); }},
      {"RemoveAt(-1)", [&] { a.RemoveAt(-1); }},
      {"InsertAt(0, x, 0)", [&] { a.InsertAt(0, 9, 0); }},
      {"SetAtGrow(-1)", [&] { a.SetAtGrow(-1, 9); }},
      {"SetSize(-1)", [&] { a.SetSize(-1); }},
  };
  for (const auto& [nome, f] : kCasos) {
    SCOPED_TRACE(nome);
    EXPECT_TRUE(LancaArgumentoInvalido(f));
  }
  EXPECT_EQ(a.GetSize(), 2) << "a failed call changes nothing";
  EXPECT_EQ(a[1], 2);
}

TEST(CArrayTest, CopiesAreIndependentValues) {
  CArray<CString> a;
  a.SetSize(0, 50);
  a.Add("um");
  CArray<CString> copia(a);
  copia.Add("dois");
  copia[0] = "outro";
  EXPECT_EQ(a.GetSize(), 1);
  EXPECT_STREQ(a[0], "um");
  EXPECT_EQ(copia.GetAllocSize(), 50) << "a copy keeps the grow-by";

  CArray<CString> movida(std::move(copia));
  EXPECT_EQ(movida.GetSize(), 2);
  a = movida;
  EXPECT_STREQ(a[1], "dois");
}

TEST(CListTest, WalksBothWaysAndInsertsAroundPositions) {
  CList<CString, LPCTSTR> l;
  const POSITION b = l.AddTail("b");
  l.AddHead("a");
  l.AddTail("d");
  l.InsertAfter(b, "c");
  l.InsertBefore(l.GetHeadPosition(), "0");
  l.InsertAfter(nullptr, "e");
  EXPECT_EQ(Forward(l), "0,a,b,c,d,e,");
  EXPECT_EQ(Backward(l), "e,d,c,b,a,0,");
  EXPECT_STREQ(l.GetAt(l.FindIndex(2)), "b");
  EXPECT_EQ(l.FindIndex(6), nullptr);
  EXPECT_EQ(l.Find("c"), l.FindIndex(3));
  EXPECT_EQ(l.Find("a", l.Find("a")), nullptr) << "the search starts after startAfter";
  l.SetAt(b, "B");
  EXPECT_STREQ(l.RemoveHead(), "0");
  EXPECT_STREQ(l.RemoveTail(), "e");
  EXPECT_EQ(Forward(l), "a,B,c,d,");
}

TEST(CListTest, RemovingDuringAWalkKeepsTheWalkGoing) {
  CList<int> l;
  for (int i = 1; i <= 10; ++i) l.AddTail(i);
  for (POSITION p = l.GetHeadPosition(); p;) {
    const POSITION atual = p;
    if (l.GetNext(p) % 2 == 0) l.RemoveAt(atual);
  }
  std::string restantes;
  for (POSITION p = l.GetTailPosition(); p;) restantes += std::to_string(l.GetPrev(p)) + ",";
  EXPECT_EQ(restantes, "9,7,5,3,1,");
  EXPECT_EQ(l.GetCount(), 5);
}

TEST(CListTest, NodesComeInBlocksAndGoBackWhenEmpty) {
  CList<int> l(4);
  for (int i = 0; i < 5; ++i) l.AddTail(i);
  EXPECT_EQ(l.GetAllocSize(), 8);
  l.RemoveHead();
  l.AddTail(5);
  EXPECT_EQ(l.GetAllocSize(), 8) << "a freed node is used again";
  while (!l.IsEmpty()) l.RemoveTail();
  EXPECT_EQ(l.GetAllocSize(), 0);
  EXPECT_TRUE(LancaArgumentoInvalido([&] { l.RemoveHead(); }));
  EXPECT_TRUE(LancaArgumentoInvalido([&] { l.GetAt(nullptr); }));
  POSITION fim = nullptr;
  EXPECT_TRUE(LancaArgumentoInvalido([&] { l.GetNext(fim); }));
}

}  // namespace
