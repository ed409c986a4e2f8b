// The list-view control of the common controls (class "SysListView32") in report
// view: columns, items with sub-item texts, selection and focus states, hit testing,
// and the WM_NOTIFY notifications it sends (NM_CLICK, NM_DBLCLK, LVN_ITEMCHANGED,
// LVN_KEYDOWN), with the numbers Windows gives them.
#pragma once

#include "vrmwnd/platform/windef.h"
#include "vrmwnd/platform/winmsg.h"

inline constexpr const char* WC_LISTVIEWA = "SysListView32";

constexpr DWORD LVS_REPORT = 0x0001, LVS_SINGLESEL = 0x0004, LVS_SHOWSELALWAYS = 0x0008, LVS_NOSORTHEADER = 0x8000;
constexpr DWORD LVS_EX_GRIDLINES = 0x0001, LVS_EX_FULLROWSELECT = 0x0020;

constexpr UINT LVM_FIRST = 0x1000;
constexpr UINT LVM_GETITEMCOUNT = LVM_FIRST + 4, LVM_GETITEMA = LVM_FIRST + 5, LVM_SETITEMA = LVM_FIRST + 6,
               LVM_INSERTITEMA = LVM_FIRST + 7, LVM_DELETEITEM = LVM_FIRST + 8, LVM_DELETEALLITEMS = LVM_FIRST + 9,
               LVM_GETNEXTITEM = LVM_FIRST + 12, LVM_HITTEST = LVM_FIRST + 18, LVM_GETCOLUMNA = LVM_FIRST + 25,
               LVM_INSERTCOLUMNA = LVM_FIRST + 27, LVM_GETCOLUMNWIDTH = LVM_FIRST + 29,
               LVM_SETITEMSTATE = LVM_FIRST + 43, LVM_GETITEMSTATE = LVM_FIRST + 44, LVM_GETITEMTEXTA = LVM_FIRST + 45,
               LVM_SETITEMTEXTA = LVM_FIRST + 46, LVM_SETEXTENDEDLISTVIEWSTYLE = LVM_FIRST + 54,
               LVM_GETEXTENDEDLISTVIEWSTYLE = LVM_FIRST + 55, LVM_GETSELECTIONMARK = LVM_FIRST + 66,
               LVM_SETSELECTIONMARK = LVM_FIRST + 67;

constexpr UINT LVIF_TEXT = 0x0001, LVIF_PARAM = 0x0004, LVIF_STATE = 0x0008;
constexpr UINT LVIS_FOCUSED = 0x0001, LVIS_SELECTED = 0x0002, LVIS_STATEIMAGEMASK = 0xF000;
constexpr UINT LVNI_ALL = 0x0000, LVNI_FOCUSED = 0x0001, LVNI_SELECTED = 0x0002;
constexpr UINT LVCF_FMT = 0x0001, LVCF_WIDTH = 0x0002, LVCF_TEXT = 0x0004, LVCF_SUBITEM = 0x0008;
constexpr int LVCFMT_LEFT = 0, LVCFMT_RIGHT = 1, LVCFMT_CENTER = 2;
constexpr UINT LVHT_NOWHERE = 0x0001, LVHT_ONITEMLABEL = 0x0004;

// Notification codes (negative numbers as unsigned, as in commctrl.h).
constexpr UINT NM_FIRST = 0u;
constexpr UINT NM_CLICK = NM_FIRST - 2, NM_DBLCLK = NM_FIRST - 3;
constexpr UINT LVN_FIRST = 0u - 100u;
constexpr UINT LVN_ITEMCHANGED = LVN_FIRST - 1, LVN_KEYDOWN = LVN_FIRST - 55;

typedef struct tagNMHDR {
  HWND hwndFrom;
  UINT_PTR idFrom;
  UINT code;
} NMHDR, *LPNMHDR;

typedef struct tagNMLISTVIEW {
  NMHDR hdr;
  int iItem;
  int iSubItem;
  UINT uNewState;
  UINT uOldState;
  UINT uChanged;
  POINT ptAction;
  LPARAM lParam;
} NMLISTVIEW, *LPNMLISTVIEW;

typedef struct tagNMITEMACTIVATE {
  NMHDR hdr;
  int iItem;
  int iSubItem;
  UINT uNewState;
  UINT uOldState;
  UINT uChanged;
  POINT ptAction;
  LPARAM lParam;
  UINT uKeyFlags;
} NMITEMACTIVATE, *LPNMITEMACTIVATE;

typedef struct tagLVKEYDOWN {
  NMHDR hdr;
  WORD wVKey;
  UINT flags;
} NMLVKEYDOWN, *LPNMLVKEYDOWN;

typedef struct tagLVITEMA {
  UINT mask;
  int iItem;
  int iSubItem;
  UINT state;
  UINT stateMask;
  char* pszText;
  int cchTextMax;
  int iImage;
  LPARAM lParam;
} LVITEMA, LVITEM, *LPLVITEMA;

typedef struct tagLVCOLUMNA {
  UINT mask;
  int fmt;
  int cx;
  char* pszText;
  int cchTextMax;
  int iSubItem;
} LVCOLUMNA, LVCOLUMN, *LPLVCOLUMNA;

typedef struct tagLVHITTESTINFO {
  POINT pt;
  UINT flags;
  int iItem;
  int iSubItem;
} LVHITTESTINFO, *LPLVHITTESTINFO;

// Report-view geometry without a screen: a header row of kListViewHeaderHeight
// pixels, then one row of kListViewRowHeight pixels per item from item 0 (the view
// does not scroll). LVM_HITTEST and the mouse use these numbers.
constexpr int kListViewHeaderHeight = 20;
constexpr int kListViewRowHeight = 16;
