// As listas da situação e do tipo de entrada em estoque do registro de entrada.
#include "vrmwnd/controls/C4_CComboBoxRE.h"

namespace {

// Seleciona o primeiro item do código; sem ele, o primeiro de código 0; sem este
// também, fica sem seleção.
void SelecionaCodigoOuZero(CComboBox& combo, unsigned char nCodigo) {
  combo.SetCurSel(-1);
  for (unsigned char nProcurado : {nCodigo, static_cast<unsigned char>(0)}) {
    for (int i = 0; i < combo.GetCount(); ++i) {
      if (static_cast<unsigned char>(combo.GetItemData(i)) == nProcurado) {
        combo.SetCurSel(i);
        return;
      }
    }
  }
}

void Adiciona(CComboBox& combo, const char* szTexto, unsigned char nCodigo) {
  int nItem = combo.AddString(szTexto);
  combo.SetItemData(nItem, nCodigo);
}

}  // namespace

C4_COMBO_IMPLEMENTA_MUDANCAS(C4_CComboBoxRESituacao, C4_CComboBox)

void C4_CComboBoxRESituacao::Monta(unsigned char nFiltro) {
  unsigned char nCodigo = GetDado();
  ResetContent();
  Adiciona(*this, "Normal", 0);
  if (nFiltro != 0) {
    Adiciona(*this, "Cancelada", 2);
  } else {
    Adiciona(*this, "Extemporânea", 1);
  }
  SetDado(nCodigo);
}

void C4_CComboBoxRESituacao::Inicializa() {
  AjustaAlturaDoCampo(*this);
  Monta(0);
}

void C4_CComboBoxRESituacao::SetFiltro(unsigned char nFiltro) { Monta(nFiltro); }

void C4_CComboBoxRESituacao::SetDado(unsigned char nCodigo) { SelecionaCodigoOuZero(*this, nCodigo); }

unsigned char C4_CComboBoxRESituacao::GetDado() const {
  return static_cast<unsigned char>(GetItemData(GetCurSel()) & 0xFF);
}

C4_COMBO_IMPLEMENTA_MUDANCAS(C4_CComboBoxREEntradaEstoque, C4_CComboBox)

void C4_CComboBoxREEntradaEstoque::Inicializa() {
  AjustaAlturaDoCampo(*this);
  SetFiltro(TCMREQualEntradaEstoque());
}

void C4_CComboBoxREEntradaEstoque::SetFiltro(const TCMREQualEntradaEstoque& filtro) {
  const T_Lista<TCMREQualEntradaEstoqueTipo>& lista = filtro.GetListaTipo();
  bool bIgual = lista.GetSize() == m_listaTipos.GetSize();
  for (INT_PTR i = 0; bIgual && i < lista.GetSize(); ++i) bIgual = lista.GetAt(i) == m_listaTipos.GetAt(i);
  if (bIgual) return;

  int nItem = GetCurSel();
  unsigned char nCodigo = nItem == CB_ERR ? 0 : static_cast<unsigned char>(GetItemData(nItem));
  ResetContent();
  for (int i = 0; i < filtro.GetQuantidadeTipo(); ++i) {
    const TCMREQualEntradaEstoqueTipo& tipo = filtro.GetTipo(i);
    Adiciona(*this, tipo.GetNome(), tipo.GetTipo());
  }
  if (filtro.GetQuantidadeTipo() == 0) Adiciona(*this, "", 0);
  m_listaTipos.SetSize(0, T_Lista<TCMREQualEntradaEstoqueTipo>::PASSO_CRESCIMENTO);
  for (INT_PTR i = 0; i < lista.GetSize(); ++i) m_listaTipos.Add(lista.GetAt(i));
  SetDado(nCodigo);
}

void C4_CComboBoxREEntradaEstoque::SetDado(unsigned char nCodigo) { SelecionaCodigoOuZero(*this, nCodigo); }

unsigned char C4_CComboBoxREEntradaEstoque::GetDado() const {
  int nItem = GetCurSel();
  return nItem == CB_ERR ? 0 : static_cast<unsigned char>(GetItemData(nItem));
}
