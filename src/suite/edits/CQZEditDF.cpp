// CQZEditDF e DLU_TO_Pixel_Y.
#include "vrmwnd/suite/edits/CQZEditDF.h"

BEGIN_MESSAGE_MAP(CQZEditDF, CEdit)
ON_CONTROL_REFLECT_EX(EN_CHANGE, &CQZEditDF::OnCONTROL_REFLECT_EX_Change)
ON_CONTROL_REFLECT_EX(EN_SETFOCUS, &CQZEditDF::OnCONTROL_REFLECT_EX_SetFocus)
ON_CONTROL_REFLECT_EX(EN_KILLFOCUS, &CQZEditDF::OnCONTROL_REFLECT_EX_KillFocus)
END_MESSAGE_MAP()

BOOL CQZEditDF::OnCONTROL_REFLECT_EX_Change() {
  m_bAlterado = true;
  return FALSE;
}

BOOL CQZEditDF::OnCONTROL_REFLECT_EX_SetFocus() {
  SetSel(0, -1);
  return FALSE;
}

BOOL CQZEditDF::OnCONTROL_REFLECT_EX_KillFocus() { return FALSE; }

int DLU_TO_Pixel_Y(CWnd* pWnd, int nDlu) {
  RECT r{0, 0, 0, nDlu};
  HWND hJanela = pWnd != nullptr ? pWnd->m_hWnd : nullptr;
  if (hJanela == nullptr || !::MapDialogRect(hJanela, &r))
    return MulDiv(nDlu, HIWORD(static_cast<DWORD>(GetDialogBaseUnits())), 8);
  return r.bottom;
}
