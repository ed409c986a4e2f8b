// MFC's dynamic layout: a window's items that move and grow with it. Each item
// moves by a percentage of how much the host's client area grew since the layout
// was created (MoveSettings) and grows by another (SizeSettings):
//
// | item's left, top     | its place at AddItem + growth × move ratio / 100     |
// | item's width, height | its size at AddItem + growth × size ratio / 100      |
#pragma once

#include <vector>

#include "vrmwnd/platform/afxwin.h"
#include "vrmwnd/platform/export.h"

class VRMWND_PLATFORM_API CMFCDynamicLayout : public CObject {
 public:
  struct MoveSettings {
    int m_nXRatio = 0;
    int m_nYRatio = 0;
  };
  struct SizeSettings {
    int m_nXRatio = 0;
    int m_nYRatio = 0;
  };
  static MoveSettings MoveNone() { return {}; }
  static MoveSettings MoveHorizontal(int nRatio) { return {nRatio, 0}; }
  static MoveSettings MoveVertical(int nRatio) { return {0, nRatio}; }
  static MoveSettings MoveHorizontalAndVertical(int nXRatio, int nYRatio) { return {nXRatio, nYRatio}; }
  static SizeSettings SizeNone() { return {}; }
  static SizeSettings SizeHorizontal(int nRatio) { return {nRatio, 0}; }
  static SizeSettings SizeVertical(int nRatio) { return {0, nRatio}; }
  static SizeSettings SizeHorizontalAndVertical(int nXRatio, int nYRatio) { return {nXRatio, nYRatio}; }

  // Remembers the host and its client area now; FALSE for a host without a window.
  BOOL Create(CWnd* pHostWnd);
  CWnd* GetHostWnd() const { return m_pHostWnd; }
  // A child of the host, with its rectangle now; FALSE when it is not one, or is
  // already an item.
  BOOL AddItem(HWND hWnd, MoveSettings moveSettings, SizeSettings sizeSettings);
  BOOL AddItem(UINT nID, MoveSettings moveSettings, SizeSettings sizeSettings);
  BOOL HasItem(HWND hWnd) const;
  // Moves and sizes every item for the host's client area now.
  void Adjust();

 private:
  struct Item {
    HWND hWnd;
    MoveSettings move;
    SizeSettings size;
    RECT rect;  // in the host's client coordinates at AddItem
  };
  CWnd* m_pHostWnd = nullptr;
  RECT m_rectHost{};
  std::vector<Item> m_items;
};
