// O wrapper do combo: instantâneo do texto, seleção por programa notada com atraso
// e a largura da lista pelo maior item.
#include "vrmwnd/wrappers/C4_CComboBox.h"

#include <algorithm>

#include "vrmwnd/wrappers/C4_regras.h"

BEGIN_MESSAGE_MAP(C4_CComboBox, CComboBox)
  ON_CONTROL_REFLECT_EX(CBN_SELCHANGE, &C4_CComboBox::OnChange)
  ON_CONTROL_REFLECT_EX(CBN_EDITCHANGE, &C4_CComboBox::OnChange)
  ON_CONTROL_REFLECT(CBN_DROPDOWN, &C4_CComboBox::OnDropdown)
END_MESSAGE_MAP()

BOOL C4_CComboBox::OnChange() {
  CString strTexto;
  GetWindowText(strTexto);
  return FiltraMudancaDeCombo(*this, m_strTextoAnterior, strTexto);
}

bool C4_CComboBox::AtualizaAntes(UINT message) {
  return message == CB_SETCURSEL || message == CB_GETCURSEL || message == CB_SELECTSTRING ||
         message == CB_RESETCONTENT || message == CB_SETITEMDATA;
}

LRESULT C4_CComboBox::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  if (AtualizaAntes(message)) OnChange();
  return CComboBox::WindowProc(message, wParam, lParam);
}

void C4_CComboBox::OnDropdown() {
  if (m_bRecalculaTamanhoPeloTexto) RecalculaEdit();
}

void C4_CComboBox::RecalculaEdit() {
  int nItens = GetCount();
  int nBarra = GetSystemMetrics(SM_CXVSCROLL);
  CClientDC dc(this);
  CFont* pFonteAnterior = dc.SelectObject(GetFont());
  int nLargura = 0;
  for (int i = 0; i < nItens; ++i) {
    CString strItem;
    GetLBText(i, strItem);
    nLargura = std::max(nLargura, static_cast<int>(dc.GetTextExtent(strItem).cx) + nBarra);
  }
  SetDroppedWidth(static_cast<UINT>(nLargura + dc.GetTextExtent("0").cx));
  dc.SelectObject(pFonteAnterior);
}
