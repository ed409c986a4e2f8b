// O wrapper do combo: instantâneo do texto, seleção por programa notada com atraso,
// a largura da lista pelo maior item e a altura do campo dos combos de lista fixa.
#include "vrmwnd/wrappers/C4_CComboBox.h"

#include <algorithm>

#include "vrmwnd/suite/edits/CQZEditDF.h"

BEGIN_MESSAGE_MAP(C4_CComboBox, CComboBase)
C4_COMBO_ENTRADAS_MUDANCAS(C4_CComboBox)
ON_CONTROL_REFLECT(CBN_DROPDOWN, &C4_CComboBox::OnDropdown)
END_MESSAGE_MAP()

C4_COMBO_TRATADORES(C4_CComboBox, CComboBase)

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

void AjustaAlturaDoCampo(CComboBox& combo) {
  int nAltura = DLU_TO_Pixel_Y(&combo, 14) - 2 * GetSystemMetrics(SM_CYFIXEDFRAME);
  combo.SetItemHeight(-1, static_cast<WORD>(nAltura));
}
