// MFC's CListCtrl over the SysListView32 control (commctrl.h): each member sends
// the message of its name.
#pragma once

#include "vrmwnd/platform/afxwin.h"
#include "vrmwnd/platform/commctrl.h"
#include "vrmwnd/platform/export.h"

class VRMWND_PLATFORM_API CListCtrl : public CWnd {
  DECLARE_DYNAMIC(CListCtrl)

 public:
  virtual BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);
  int InsertColumn(int nCol, LPCTSTR lpszColumnHeading, int nFormat = LVCFMT_LEFT, int nWidth = -1, int nSubItem = -1);
  // The heading and width of column nCol; FALSE past the last column.
  BOOL GetColumn(int nCol, CString& strHeading, int& nWidth, int& nFormat) const;
  int GetColumnWidth(int nCol) const;
  int InsertItem(int nItem, LPCTSTR lpszItem);
  // The item as the mask describes it (LVIF_TEXT, LVIF_STATE, LVIF_PARAM); its
  // position, or -1.
  int InsertItem(const LVITEM* pItem);
  int InsertItem(UINT nMask, int nItem, LPCTSTR lpszItem, UINT nState, UINT nStateMask, int nImage, LPARAM lParam);
  // Deletes the item (FALSE when there is none); the others move up.
  BOOL DeleteItem(int nItem);
  // The item's lParam, 0 for no item.
  DWORD_PTR GetItemData(int nItem) const;
  // The item the user last selected, or the one SetSelectionMark set; -1 for none.
  int GetSelectionMark() const;
  // Returns the previous mark; the selection itself does not change.
  int SetSelectionMark(int iIndex);
  BOOL SetItemText(int nItem, int nSubItem, LPCTSTR lpszText);
  CString GetItemText(int nItem, int nSubItem) const;
  BOOL SetItemData(int nItem, DWORD_PTR dwData);
  int GetItemCount() const;
  BOOL DeleteAllItems();
  int GetNextItem(int nItem, int nFlags) const;
  BOOL SetItemState(int nItem, UINT nState, UINT nMask);
  UINT GetItemState(int nItem, UINT nMask) const;
  DWORD SetExtendedStyle(DWORD dwNewStyle);
  DWORD GetExtendedStyle() const;
  int HitTest(CPoint pt, UINT* pFlags = nullptr) const;
};
