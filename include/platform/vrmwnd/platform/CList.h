// MFC's CList<TYPE, ARG_TYPE>: a doubly linked list walked with POSITION values.
// Nodes come from blocks of nBlockSize nodes (the constructor's argument) and go
// back to a free list; all blocks are released when the list becomes empty. A null
// POSITION, or taking from an empty list, raises CInvalidArgException*; a position
// of another list or of a removed element is the caller's error, as in MFC.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <new>
#include <vector>

#include "vrmwnd/platform/CException.h"

using INT_PTR = std::intptr_t;

struct tagPOSITION {};
using POSITION = tagPOSITION*;

template <class TYPE, class ARG_TYPE = const TYPE&>
class CList {
 public:
  explicit CList(INT_PTR nBlockSize = 10) : m_nBlockSize(nBlockSize > 0 ? nBlockSize : 10) {}
  CList(const CList&) = delete;
  CList& operator=(const CList&) = delete;
  ~CList() { RemoveAll(); }

  INT_PTR GetCount() const { return m_nCount; }
  INT_PTR GetSize() const { return m_nCount; }
  bool IsEmpty() const { return m_nCount == 0; }
  // Nodes allocated, in use or free (not an MFC member).
  INT_PTR GetAllocSize() const { return static_cast<INT_PTR>(m_blocks.size()) * m_nBlockSize; }

  TYPE& GetHead() { return checked(m_pHead)->data(); }
  TYPE& GetTail() { return checked(m_pTail)->data(); }
  const TYPE& GetHead() const { return checked(m_pHead)->data(); }
  const TYPE& GetTail() const { return checked(m_pTail)->data(); }
  POSITION GetHeadPosition() const { return pos(m_pHead); }
  POSITION GetTailPosition() const { return pos(m_pTail); }

  POSITION AddHead(ARG_TYPE newElement) { return pos(link(nullptr, m_pHead, newElement)); }
  POSITION AddTail(ARG_TYPE newElement) { return pos(link(m_pTail, nullptr, newElement)); }
  void AddHead(const CList* pNewList) {
    for (Node* n = pNewList->m_pTail; n; n = n->pPrev) AddHead(n->data());
  }
  void AddTail(const CList* pNewList) {
    for (Node* n = pNewList->m_pHead; n; n = n->pNext) AddTail(n->data());
  }
  TYPE RemoveHead() { return take(checked(m_pHead)); }
  TYPE RemoveTail() { return take(checked(m_pTail)); }

  // Returns the element at rPosition and moves rPosition to the next (previous)
  // one; past the end it becomes nullptr.
  TYPE& GetNext(POSITION& rPosition) { return step(rPosition, true)->data(); }
  const TYPE& GetNext(POSITION& rPosition) const { return step(rPosition, true)->data(); }
  TYPE& GetPrev(POSITION& rPosition) { return step(rPosition, false)->data(); }
  const TYPE& GetPrev(POSITION& rPosition) const { return step(rPosition, false)->data(); }
  TYPE& GetAt(POSITION position) { return node(position)->data(); }
  const TYPE& GetAt(POSITION position) const { return node(position)->data(); }
  void SetAt(POSITION position, ARG_TYPE newElement) { node(position)->data() = newElement; }
  // Removes the element; positions of the other elements stay valid.
  void RemoveAt(POSITION position) { take(node(position)); }

  // A null position inserts at the head (before) or at the tail (after).
  POSITION InsertBefore(POSITION position, ARG_TYPE newElement) {
    if (!position) return AddHead(newElement);
    Node* n = node(position);
    return pos(link(n->pPrev, n, newElement));
  }
  POSITION InsertAfter(POSITION position, ARG_TYPE newElement) {
    if (!position) return AddTail(newElement);
    Node* n = node(position);
    return pos(link(n, n->pNext, newElement));
  }

  // First element equal to searchValue after startAfter (from the head when null).
  POSITION Find(ARG_TYPE searchValue, POSITION startAfter = nullptr) const {
    for (Node* n = startAfter ? node(startAfter)->pNext : m_pHead; n; n = n->pNext) {
      if (n->data() == searchValue) return pos(n);
    }
    return nullptr;
  }
  // Position of the zero-based nIndex-th element; nullptr when out of range.
  POSITION FindIndex(INT_PTR nIndex) const {
    if (nIndex < 0 || nIndex >= m_nCount) return nullptr;
    Node* n = m_pHead;
    while (nIndex-- > 0) n = n->pNext;
    return pos(n);
  }

  void RemoveAll() {
    for (Node* n = m_pHead; n; n = n->pNext) std::destroy_at(&n->data());
    m_pHead = m_pTail = m_pFree = nullptr;
    m_nCount = 0;
    m_blocks.clear();
  }

 private:
  struct Node {
    Node* pNext;
    Node* pPrev;
    alignas(TYPE) std::byte storage[sizeof(TYPE)];
    TYPE& data() { return *std::launder(reinterpret_cast<TYPE*>(storage)); }
  };

  static POSITION pos(Node* n) { return reinterpret_cast<POSITION>(n); }
  static Node* checked(Node* n) {
    if (!n) AfxThrowInvalidArgException();
    return n;
  }
  static Node* node(POSITION position) { return checked(reinterpret_cast<Node*>(position)); }
  static Node* step(POSITION& rPosition, bool forward) {
    Node* n = node(rPosition);
    rPosition = pos(forward ? n->pNext : n->pPrev);
    return n;
  }

  Node* link(Node* pPrev, Node* pNext, ARG_TYPE newElement) {
    if (!m_pFree) {
      m_blocks.push_back(std::make_unique<Node[]>(static_cast<std::size_t>(m_nBlockSize)));
      Node* block = m_blocks.back().get();
      for (INT_PTR i = m_nBlockSize; i-- > 0;) {
        block[i].pNext = m_pFree;
        m_pFree = &block[i];
      }
    }
    Node* n = m_pFree;
    ::new (static_cast<void*>(n->storage)) TYPE(newElement);
    m_pFree = n->pNext;
    n->pPrev = pPrev;
    n->pNext = pNext;
    (pPrev ? pPrev->pNext : m_pHead) = n;
    (pNext ? pNext->pPrev : m_pTail) = n;
    ++m_nCount;
    return n;
  }

  TYPE take(Node* n) {
    TYPE value(std::move(n->data()));
    (n->pPrev ? n->pPrev->pNext : m_pHead) = n->pNext;
    (n->pNext ? n->pNext->pPrev : m_pTail) = n->pPrev;
    std::destroy_at(&n->data());
    n->pNext = m_pFree;
    m_pFree = n;
    if (--m_nCount == 0) RemoveAll();
    return value;
  }

  INT_PTR m_nBlockSize;
  Node* m_pHead = nullptr;
  Node* m_pTail = nullptr;
  Node* m_pFree = nullptr;
  INT_PTR m_nCount = 0;
  std::vector<std::unique_ptr<Node[]>> m_blocks;
};
