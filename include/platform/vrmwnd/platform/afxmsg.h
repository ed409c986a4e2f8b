// MFC's message maps: each class lists the messages and notifications it handles
// and chains to its base class's list. A WM_COMMAND from a control is first
// reflected to the control's own map (ON_CONTROL_REFLECT*), then offered to the
// parent's map (ON_COMMAND, ON_CONTROL, ON_BN_CLICKED, ON_EN_*, ON_CBN_*).
//
// | entry                         | handler                         | parent sees it too |
// |-------------------------------|---------------------------------|--------------------|
// | ON_CONTROL_REFLECT(code, f)   | void f()                        | no                 |
// | ON_CONTROL_REFLECT_EX(code,f) | BOOL f(): TRUE consumes it      | when f is FALSE    |
//
// ON_NOTIFY(code, id, f) takes a control's WM_NOTIFY in its parent as
// void f(NMHDR*, LRESULT*); ON_UPDATE_COMMAND_UI(id, f) is void f(CCmdUI*), called
// by UpdateDialogControls (a dialog calls it on WM_KICKIDLE).
#pragma once

#include "vrmwnd/platform/winctrl.h"
#include "vrmwnd/platform/winhelp.h"
#include "vrmwnd/platform/winmenu.h"

class CCmdTarget;
class CCmdUI;
class CWnd;
struct tagNMHDR;
class CPoint;
struct tagMINMAXINFO;
struct tagHELPINFO;

using AFX_PMSG = void (CCmdTarget::*)();

// The handler of an entry, in the member that its signature names.
union AFX_PMSG_ANY {
  void (CCmdTarget::*pfn_v)();
  BOOL (CCmdTarget::*pfn_b)();
  void (CWnd::*pfn_vW)(CWnd*);
  void (CWnd::*pfn_vwww)(UINT, UINT, UINT);
  void (CWnd::*pfn_vv)();
  LRESULT (CCmdTarget::*pfn_lwl)(WPARAM, LPARAM);
  UINT (CWnd::*pfn_wv)();
  void (CWnd::*pfn_vwii)(UINT, int, int);
  void (CWnd::*pfn_vMMI)(tagMINMAXINFO*);
  LRESULT (CWnd::*pfn_lp)(CPoint);
  void (CCmdTarget::*pfn_NOTIFY)(tagNMHDR*, LRESULT*);
  void (CCmdTarget::*pfn_UI)(CCmdUI*);
  void (CWnd::*pfn_vWp)(CWnd*, CPoint);
  BOOL (CWnd::*pfn_bHELPINFO)(tagHELPINFO*);
};

enum AfxSig : UINT {
  AfxSig_end = 0,
  AfxSigCmd_v,       // void ()
  AfxSigCmd_b,       // BOOL ()
  AfxSig_vW,         // void (CWnd*)
  AfxSig_vwww,       // void (UINT, UINT, UINT)
  AfxSig_vv,         // void ()
  AfxSig_lwl,        // LRESULT (WPARAM, LPARAM)
  AfxSig_wv,         // UINT ()
  AfxSig_vwii,       // void (UINT, int, int)
  AfxSig_vMMI,       // void (MINMAXINFO*)
  AfxSig_lp,         // LRESULT (CPoint)
  AfxSigNotify_v,    // void (NMHDR*, LRESULT*)
  AfxSigCmdUI,       // void (CCmdUI*)
  AfxSig_vWp,        // void (CWnd*, CPoint)
  AfxSig_bHELPINFO,  // BOOL (HELPINFO*)
};

// The code with which UpdateDialogControls offers a command's user interface.
constexpr int CN_UPDATE_COMMAND_UI = -1;

struct AFX_MSGMAP_ENTRY {
  UINT nMessage;
  UINT nCode;
  UINT nID;
  UINT nLastID;
  UINT nSig;
  AFX_PMSG_ANY pfn;
};

struct AFX_MSGMAP {
  const AFX_MSGMAP* (*pfnGetBaseMap)();
  const AFX_MSGMAP_ENTRY* lpEntries;
};

constexpr UINT WM_REFLECT_BASE = 0xBC00;

#define afx_msg

#define DECLARE_MESSAGE_MAP()                       \
 protected:                                         \
  static const AFX_MSGMAP* GetThisMessageMap();     \
  const AFX_MSGMAP* GetMessageMap() const override; \
                                                    \
 private:

#define BEGIN_MESSAGE_MAP(theClass, baseClass)                                      \
  const AFX_MSGMAP* theClass::GetMessageMap() const { return GetThisMessageMap(); } \
  const AFX_MSGMAP* theClass::GetThisMessageMap() {                                 \
    using ThisClass [[maybe_unused]] = theClass;                                    \
    using TheBaseClass = baseClass;                                                 \
    static const AFX_MSGMAP_ENTRY _messageEntries[] = {
#define END_MESSAGE_MAP()                                                                       \
  {                                                                                             \
    0, 0, 0, 0, AfxSig_end, {}                                                                  \
  }                                                                                             \
  }                                                                                             \
  ;                                                                                             \
  static const AFX_MSGMAP messageMap = {&TheBaseClass::GetThisMessageMap, &_messageEntries[0]}; \
  return &messageMap;                                                                           \
  }

// Handlers are named with their class, as in ON_BN_CLICKED(IDOK, &CMyDlg::OnOK).
// Handler pointers keep their exact type: the entry stores each in the member of
// its signature, and the dispatcher calls that member.
#define AFX_MSG_CAST(member, type, fn) \
  { .member = static_cast<type>(fn) }

#define ON_COMMAND(id, fn) \
  {WM_COMMAND,             \
   0,                      \
   static_cast<UINT>(id),  \
   static_cast<UINT>(id),  \
   AfxSigCmd_v,            \
   AFX_MSG_CAST(pfn_v, void(CCmdTarget::*)(), fn)},
#define ON_CONTROL(code, id, fn) \
  {WM_COMMAND,                   \
   static_cast<UINT>(code),      \
   static_cast<UINT>(id),        \
   static_cast<UINT>(id),        \
   AfxSigCmd_v,                  \
   AFX_MSG_CAST(pfn_v, void(CCmdTarget::*)(), fn)},
#define ON_BN_CLICKED(id, fn) ON_CONTROL(BN_CLICKED, id, fn)
#define ON_EN_CHANGE(id, fn) ON_CONTROL(EN_CHANGE, id, fn)
#define ON_EN_UPDATE(id, fn) ON_CONTROL(EN_UPDATE, id, fn)
#define ON_EN_SETFOCUS(id, fn) ON_CONTROL(EN_SETFOCUS, id, fn)
#define ON_EN_KILLFOCUS(id, fn) ON_CONTROL(EN_KILLFOCUS, id, fn)
#define ON_CBN_SELCHANGE(id, fn) ON_CONTROL(CBN_SELCHANGE, id, fn)
#define ON_CBN_EDITCHANGE(id, fn) ON_CONTROL(CBN_EDITCHANGE, id, fn)
#define ON_CBN_DROPDOWN(id, fn) ON_CONTROL(CBN_DROPDOWN, id, fn)
#define ON_CBN_KILLFOCUS(id, fn) ON_CONTROL(CBN_KILLFOCUS, id, fn)
#define ON_CONTROL_REFLECT(code, fn) \
  {WM_COMMAND + WM_REFLECT_BASE,     \
   static_cast<UINT>(code),          \
   0,                                \
   0,                                \
   AfxSigCmd_v,                      \
   AFX_MSG_CAST(pfn_v, void(CCmdTarget::*)(), fn)},
#define ON_CONTROL_REFLECT_EX(code, fn) \
  {WM_COMMAND + WM_REFLECT_BASE,        \
   static_cast<UINT>(code),             \
   0,                                   \
   0,                                   \
   AfxSigCmd_b,                         \
   AFX_MSG_CAST(pfn_b, BOOL(CCmdTarget::*)(), fn)},
#define ON_NOTIFY(code, id, fn) \
  {WM_NOTIFY,                   \
   static_cast<UINT>(code),     \
   static_cast<UINT>(id),       \
   static_cast<UINT>(id),       \
   AfxSigNotify_v,              \
   AFX_MSG_CAST(pfn_NOTIFY, void(CCmdTarget::*)(tagNMHDR*, LRESULT*), fn)},
#define ON_UPDATE_COMMAND_UI(id, fn)                                                                                 \
  {WM_COMMAND,  static_cast<UINT>(CN_UPDATE_COMMAND_UI) & 0xFFFF,      static_cast<UINT>(id), static_cast<UINT>(id), \
   AfxSigCmdUI, AFX_MSG_CAST(pfn_UI, void(CCmdTarget::*)(CCmdUI*), fn)},
#define ON_UPDATE_COMMAND_UI_RANGE(id, idLast, fn)      \
  {                                                     \
      WM_COMMAND,                                       \
      static_cast<UINT>(CN_UPDATE_COMMAND_UI) & 0xFFFF, \
      static_cast<UINT>(id),                            \
      static_cast<UINT>(idLast),                        \
      AfxSigCmdUI,                                      \
      AFX_MSG_CAST(pfn_UI, void(CCmdTarget::*)(CCmdUI*), fn)},
// WM_CONTEXTMENU: OnContextMenu(the window clicked, the point in screen
// coordinates; (-1, -1) when asked from the keyboard).
#define ON_WM_CONTEXTMENU() \
  {WM_CONTEXTMENU, 0, 0, 0, AfxSig_vWp, AFX_MSG_CAST(pfn_vWp, void(CWnd::*)(CWnd*, CPoint), &ThisClass::OnContextMenu)},
// WM_HELP: OnHelpInfo(what asked for help); TRUE when the help was given.
#define ON_WM_HELPINFO() \
  {WM_HELP,              \
   0,                    \
   0,                    \
   0,                    \
   AfxSig_bHELPINFO,     \
   AFX_MSG_CAST(pfn_bHELPINFO, BOOL(CWnd::*)(tagHELPINFO*), &ThisClass::OnHelpInfo)},
#define ON_MESSAGE(message, fn) \
  {static_cast<UINT>(message), 0, 0, 0, AfxSig_lwl, AFX_MSG_CAST(pfn_lwl, LRESULT(CCmdTarget::*)(WPARAM, LPARAM), fn)},
#define ON_WM_SETFOCUS() \
  {WM_SETFOCUS, 0, 0, 0, AfxSig_vW, AFX_MSG_CAST(pfn_vW, void(CWnd::*)(CWnd*), &ThisClass::OnSetFocus)},
#define ON_WM_KILLFOCUS() \
  {WM_KILLFOCUS, 0, 0, 0, AfxSig_vW, AFX_MSG_CAST(pfn_vW, void(CWnd::*)(CWnd*), &ThisClass::OnKillFocus)},
#define ON_WM_CHAR() \
  {WM_CHAR, 0, 0, 0, AfxSig_vwww, AFX_MSG_CAST(pfn_vwww, void(CWnd::*)(UINT, UINT, UINT), &ThisClass::OnChar)},
#define ON_WM_KEYDOWN() \
  {WM_KEYDOWN, 0, 0, 0, AfxSig_vwww, AFX_MSG_CAST(pfn_vwww, void(CWnd::*)(UINT, UINT, UINT), &ThisClass::OnKeyDown)},
#define ON_WM_KEYUP() \
  {WM_KEYUP, 0, 0, 0, AfxSig_vwww, AFX_MSG_CAST(pfn_vwww, void(CWnd::*)(UINT, UINT, UINT), &ThisClass::OnKeyUp)},
#define ON_WM_DESTROY() {WM_DESTROY, 0, 0, 0, AfxSig_vv, AFX_MSG_CAST(pfn_vv, void(CWnd::*)(), &ThisClass::OnDestroy)},
#define ON_WM_GETDLGCODE() \
  {WM_GETDLGCODE, 0, 0, 0, AfxSig_wv, AFX_MSG_CAST(pfn_wv, UINT(CWnd::*)(), &ThisClass::OnGetDlgCode)},
// WM_SIZE: OnSize(type, client width, client height).
#define ON_WM_SIZE() \
  {WM_SIZE, 0, 0, 0, AfxSig_vwii, AFX_MSG_CAST(pfn_vwii, void(CWnd::*)(UINT, int, int), &ThisClass::OnSize)},
#define ON_WM_GETMINMAXINFO() \
  {WM_GETMINMAXINFO,          \
   0,                         \
   0,                         \
   0,                         \
   AfxSig_vMMI,               \
   AFX_MSG_CAST(pfn_vMMI, void(CWnd::*)(tagMINMAXINFO*), &ThisClass::OnGetMinMaxInfo)},
// WM_NCHITTEST: OnNcHitTest(the point in screen coordinates) returns the hit code.
#define ON_WM_NCHITTEST() \
  {WM_NCHITTEST, 0, 0, 0, AfxSig_lp, AFX_MSG_CAST(pfn_lp, LRESULT(CWnd::*)(CPoint), &ThisClass::OnNcHitTest)},
