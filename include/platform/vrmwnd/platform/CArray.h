// MFC's CArray<TYPE, ARG_TYPE>: a growable array with MFC's allocation rule (grow by
// m_nGrowBy, or by the size / 8 clamped to 4..1024 when it is 0) and range checks
// that raise CInvalidArgException*. Unlike MFC's, it is copyable and movable, so
// records holding arrays can be values; a copy takes the source's elements and
// grow-by, an assignment takes only the elements (as Copy does).
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <new>
#include <utility>

#include "vrmwnd/platform/CException.h"
#include "vrmwnd/platform/export.h"

using INT_PTR = std::intptr_t;

// What CArray's blocks, allocated in whichever library instantiates it, call in the
// platform library.
namespace vrmwnd::platform {
// Blocks of this size and more are worth backing with huge pages.
inline constexpr std::size_t kLargeArrayBlock = std::size_t{4} << 20;
// Hints the kernel to back the block with huge pages (large blocks only); never fails.
VRMWND_PLATFORM_API void advise_large_block(void* block, std::size_t bytes) noexcept;
}  // namespace vrmwnd::platform

template <class TYPE, class ARG_TYPE = const TYPE&>
class CArray {
 public:
  CArray() = default;
  CArray(const CArray& src) : m_nGrowBy(src.m_nGrowBy) { Copy(src); }
  CArray(CArray&& src) noexcept { swap(src); }
  CArray& operator=(const CArray& src) {
    Copy(src);
    return *this;
  }
  CArray& operator=(CArray&& src) noexcept {
    CArray(std::move(src)).swap(*this);
    return *this;
  }
  ~CArray() { SetSize(0); }

  INT_PTR GetSize() const { return m_nSize; }
  INT_PTR GetCount() const { return m_nSize; }
  INT_PTR GetUpperBound() const { return m_nSize - 1; }
  bool IsEmpty() const { return m_nSize == 0; }
  // Elements allocated, used or not (not an MFC member).
  INT_PTR GetAllocSize() const { return m_nMaxSize; }

  // New elements are value-initialised; nGrowBy -1 keeps the current grow-by, 0
  // selects MFC's heuristic. A negative size raises CInvalidArgException*.
  void SetSize(INT_PTR nNewSize, INT_PTR nGrowBy = -1);
  void FreeExtra();
  void RemoveAll() { SetSize(0, -1); }

  const TYPE* GetData() const { return m_pData; }
  TYPE* GetData() { return m_pData; }

  const TYPE& GetAt(INT_PTR nIndex) const { return m_pData[checked(nIndex)]; }
  void SetAt(INT_PTR nIndex, ARG_TYPE newElement) { m_pData[checked(nIndex)] = newElement; }
  TYPE& ElementAt(INT_PTR nIndex) { return m_pData[checked(nIndex)]; }
  const TYPE& ElementAt(INT_PTR nIndex) const { return m_pData[checked(nIndex)]; }
  TYPE& operator[](INT_PTR nIndex) { return ElementAt(nIndex); }
  const TYPE& operator[](INT_PTR nIndex) const { return GetAt(nIndex); }

  // Sets the element, first growing the array to nIndex + 1 when needed.
  void SetAtGrow(INT_PTR nIndex, ARG_TYPE newElement);
  // Appends and returns the new element's index.
  INT_PTR Add(ARG_TYPE newElement) {
    const INT_PTR nIndex = m_nSize;
    SetAtGrow(nIndex, newElement);
    return nIndex;
  }
  // Appends the source's elements and returns the index of the first one.
  INT_PTR Append(const CArray& src);
  void Copy(const CArray& src);

  // Inserts nCount copies at nIndex, shifting the rest up; past the end the gap is
  // filled with new elements. A negative index or count < 1 raises.
  void InsertAt(INT_PTR nIndex, ARG_TYPE newElement, INT_PTR nCount = 1);
  void InsertAt(INT_PTR nStartIndex, const CArray* pNewArray);
  // Removes nCount elements from nIndex, shifting the rest down; a range not
  // inside the array raises and changes nothing.
  void RemoveAt(INT_PTR nIndex, INT_PTR nCount = 1);

  TYPE* begin() { return m_pData; }
  TYPE* end() { return m_pData + m_nSize; }
  const TYPE* begin() const { return m_pData; }
  const TYPE* end() const { return m_pData + m_nSize; }

 private:
  INT_PTR checked(INT_PTR nIndex) const {
    if (nIndex < 0 || nIndex >= m_nSize) AfxThrowInvalidArgException();
    return nIndex;
  }
  void swap(CArray& other) noexcept {
    std::swap(m_pData, other.m_pData);
    std::swap(m_nSize, other.m_nSize);
    std::swap(m_nMaxSize, other.m_nMaxSize);
    std::swap(m_nGrowBy, other.m_nGrowBy);
  }
  // Moves the elements into a new block of nNewMax (> 0) elements.
  void reallocate(INT_PTR nNewMax);
  // Destroys the elements and frees the block.
  void release() noexcept;

  TYPE* m_pData = nullptr;
  INT_PTR m_nSize = 0;
  INT_PTR m_nMaxSize = 0;
  INT_PTR m_nGrowBy = 0;
};

// An empty array holds no block at all: a null pointer is never a source or a
// destination of a move or copy, so no byte-copy of a trivially copyable TYPE ever
// sees one (the compiler would rightly warn about memmove(nullptr, ...)).
template <class TYPE, class ARG_TYPE>
void CArray<TYPE, ARG_TYPE>::release() noexcept {
  if (m_pData == nullptr) return;
  std::destroy(m_pData, m_pData + m_nSize);
  std::allocator<TYPE>().deallocate(m_pData, static_cast<std::size_t>(m_nMaxSize));
  m_pData = nullptr;
  m_nSize = 0;
  m_nMaxSize = 0;
}

// A large block (thousands of records) is hinted for huge pages before anything touches
// it: faulting tens of megabytes in 4 KB pages can cost more than filling them.
template <class TYPE, class ARG_TYPE>
void CArray<TYPE, ARG_TYPE>::reallocate(INT_PTR nNewMax) {
  TYPE* pNew = std::allocator<TYPE>().allocate(static_cast<std::size_t>(nNewMax));
  if (const std::size_t nBytes = static_cast<std::size_t>(nNewMax) * sizeof(TYPE);
      nBytes >= vrmwnd::platform::kLargeArrayBlock)
    vrmwnd::platform::advise_large_block(pNew, nBytes);
  const INT_PTR nSize = m_nSize;
  if (m_pData != nullptr && nSize > 0) std::uninitialized_move(m_pData, m_pData + nSize, pNew);
  release();
  m_pData = pNew;
  m_nSize = nSize;
  m_nMaxSize = nNewMax;
}

template <class TYPE, class ARG_TYPE>
void CArray<TYPE, ARG_TYPE>::SetSize(INT_PTR nNewSize, INT_PTR nGrowBy) {
  if (nNewSize < 0) AfxThrowInvalidArgException();
  if (nGrowBy >= 0) m_nGrowBy = nGrowBy;
  if (nNewSize == 0) {
    release();
    return;
  }
  if (!m_pData) {
    reallocate(std::max(nNewSize, m_nGrowBy));
  } else if (nNewSize > m_nMaxSize) {
    INT_PTR nGrow = m_nGrowBy;
    if (nGrow == 0) nGrow = std::clamp<INT_PTR>(m_nSize / 8, 4, 1024);
    reallocate(std::max(nNewSize, m_nMaxSize + nGrow));
  }
  if (nNewSize > m_nSize) {
    std::uninitialized_value_construct(m_pData + m_nSize, m_pData + nNewSize);
  } else {
    std::destroy(m_pData + nNewSize, m_pData + m_nSize);
  }
  m_nSize = nNewSize;
}

template <class TYPE, class ARG_TYPE>
void CArray<TYPE, ARG_TYPE>::FreeExtra() {
  if (m_nSize == m_nMaxSize) return;
  if (m_nSize == 0)
    release();
  else
    reallocate(m_nSize);
}

template <class TYPE, class ARG_TYPE>
void CArray<TYPE, ARG_TYPE>::SetAtGrow(INT_PTR nIndex, ARG_TYPE newElement) {
  if (nIndex < 0) AfxThrowInvalidArgException();
  if (nIndex >= m_nSize) {
    TYPE value(newElement);  // newElement may live in this array
    SetSize(nIndex + 1, -1);
    m_pData[nIndex] = std::move(value);
  } else {
    m_pData[nIndex] = newElement;
  }
}

template <class TYPE, class ARG_TYPE>
INT_PTR CArray<TYPE, ARG_TYPE>::Append(const CArray& src) {
  if (&src == this) return Append(CArray(src));
  const INT_PTR nOldSize = m_nSize;
  if (src.m_nSize == 0) return nOldSize;
  SetSize(m_nSize + src.m_nSize, -1);
  std::copy(src.m_pData, src.m_pData + src.m_nSize, m_pData + nOldSize);
  return nOldSize;
}

template <class TYPE, class ARG_TYPE>
void CArray<TYPE, ARG_TYPE>::Copy(const CArray& src) {
  if (&src == this) return;
  SetSize(src.m_nSize, -1);
  if (src.m_nSize > 0) std::copy(src.m_pData, src.m_pData + src.m_nSize, m_pData);
}

template <class TYPE, class ARG_TYPE>
void CArray<TYPE, ARG_TYPE>::InsertAt(INT_PTR nIndex, ARG_TYPE newElement, INT_PTR nCount) {
  if (nIndex < 0 || nCount < 1) AfxThrowInvalidArgException();
  const TYPE value(newElement);  // newElement may live in this array
  const INT_PTR nOldSize = m_nSize;
  if (nIndex >= nOldSize) {
    SetSize(nIndex + nCount, -1);
  } else {
    SetSize(nOldSize + nCount, -1);
    std::move_backward(m_pData + nIndex, m_pData + nOldSize, m_pData + nOldSize + nCount);
  }
  std::fill(m_pData + nIndex, m_pData + nIndex + nCount, value);
}

template <class TYPE, class ARG_TYPE>
void CArray<TYPE, ARG_TYPE>::InsertAt(INT_PTR nStartIndex, const CArray* pNewArray) {
  if (!pNewArray || nStartIndex < 0) AfxThrowInvalidArgException();
  if (pNewArray->IsEmpty()) return;
  CArray source(*pNewArray);  // the source may be this array
  InsertAt(nStartIndex, source.m_pData[0], source.m_nSize);
  std::copy(source.m_pData, source.m_pData + source.m_nSize, m_pData + nStartIndex);
}

template <class TYPE, class ARG_TYPE>
void CArray<TYPE, ARG_TYPE>::RemoveAt(INT_PTR nIndex, INT_PTR nCount) {
  if (nIndex < 0 || nCount < 0 || nIndex > m_nSize - nCount) AfxThrowInvalidArgException();
  std::move(m_pData + nIndex + nCount, m_pData + m_nSize, m_pData + nIndex);
  std::destroy(m_pData + m_nSize - nCount, m_pData + m_nSize);
  m_nSize -= nCount;
}
