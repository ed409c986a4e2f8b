// Combos da suíte que selecionam e leem por código.
#include "vrmwnd/suite/edits/CComboBase.h"

int CComboBase::AdicionaItem(const char* szTexto, DWORD_PTR nCodigo) {
  int nItem = AddString(szTexto);
  if (nItem >= 0) SetItemData(nItem, nCodigo);
  return nItem;
}

bool CComboBase::SelecionaPorCodigo(DWORD_PTR nCodigo) {
  for (int i = 0; i < GetCount(); ++i) {
    if (GetItemData(i) == nCodigo) {
      SetCurSel(i);
      return true;
    }
  }
  SetCurSel(-1);
  return false;
}

DWORD_PTR CComboBase::GetCodigoSelecionado(DWORD_PTR nPadrao) const {
  int nItem = GetCurSel();
  return nItem < 0 ? nPadrao : GetItemData(nItem);
}

void CQZComboBox::CarregaItens(const std::vector<std::pair<CString, DWORD_PTR>>& itens) {
  int nAnterior = GetCurSel();
  DWORD_PTR nCodigo = nAnterior >= 0 ? GetItemData(nAnterior) : 0;
  ResetContent();
  for (const auto& [strTexto, nDado] : itens) AdicionaItem(strTexto, nDado);
  if (nAnterior >= 0) SelecionaPorCodigo(nCodigo);
}
