// The tab control (window class "SysTabControl32") and MFC's CTabCtrl over it:
// pages by index with their texts and the selected page. Selecting by program
// (TCM_SETCURSEL) notifies nobody, as on Windows. Each page keeps an application
// value (TCIF_PARAM), which dialogs shown as pages use for the page's window.
#pragma once

#include "vrmwnd/platform/afxwin.h"
#include "vrmwnd/platform/export.h"

constexpr const char* WC_TABCONTROLA = "SysTabControl32";
constexpr UINT TCM_FIRST = 0x1300;
constexpr UINT TCM_GETITEMCOUNT = TCM_FIRST + 4, TCM_GETITEMA = TCM_FIRST + 5, TCM_SETITEMA = TCM_FIRST + 6,
               TCM_INSERTITEMA = TCM_FIRST + 7, TCM_DELETEALLITEMS = TCM_FIRST + 9, TCM_GETCURSEL = TCM_FIRST + 11,
               TCM_SETCURSEL = TCM_FIRST + 12;
constexpr UINT TCIF_TEXT = 0x0001, TCIF_PARAM = 0x0008;
constexpr UINT TCM_GETITEM = TCM_GETITEMA, TCM_SETITEM = TCM_SETITEMA;

typedef struct tagTCITEMA {
  UINT mask;
  DWORD dwState;
  DWORD dwStateMask;
  LPSTR pszText;
  int cchTextMax;
  int iImage;
  LPARAM lParam;
} TCITEMA;
using TCITEM = TCITEMA;

class VRMWND_PLATFORM_API CTabCtrl : public CWnd {
  DECLARE_DYNAMIC(CTabCtrl)

 public:
  virtual BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);
  // Inserts before nItem (at the end when past it); returns the new index or -1.
  LONG InsertItem(int nItem, LPCTSTR lpszItem);
  // With nMask TCIF_TEXT and/or TCIF_PARAM; nImage is accepted and ignored.
  LONG InsertItem(UINT nMask, int nItem, LPCTSTR lpszItem, int nImage, LPARAM lParam);
  // The fields that pTabCtrlItem->mask asks (TCIF_TEXT copies up to cchTextMax - 1
  // bytes); FALSE for an index outside the pages.
  BOOL GetItem(int nItem, TCITEMA* pTabCtrlItem) const;
  BOOL SetItem(int nItem, TCITEMA* pTabCtrlItem);
  int GetItemCount() const;
  // -1 when no page is selected.
  int GetCurSel() const;
  // Returns the previous selection, or -1 (and nothing changes) for an index
  // outside the pages.
  int SetCurSel(int nItem);
  BOOL DeleteAllItems();
};
