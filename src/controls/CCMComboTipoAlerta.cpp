// Os tipos de alerta por e-mail do módulo.
#include "vrmwnd/controls/CCMComboTipoAlerta.h"

namespace {

constexpr const char* kTiposAlerta[] = {
    "",
    "Cotações",
    "Liberação de OC com Orçamento Excedente",
    "Inclusão de Registro de Entrada",
    "Situação da OC aos Autorizadores",
    "Situação da OC ao Comprador",
    "Situação da OC ao Fornecedor",
    "Entrega Atrasada",
    "Inclusão de Solicitação de Compra",
    "Vencimento de Contratos de Compra",
};
constexpr unsigned short kQuantidadeTipos = sizeof kTiposAlerta / sizeof kTiposAlerta[0];

}  // namespace

void CCMComboTipoAlerta::InicializaControles() {
  for (unsigned short nTipo = 0; nTipo < kQuantidadeTipos; ++nTipo) {
    int nItem = AddString(kTiposAlerta[nTipo]);
    SetItemData(nItem, nTipo);
  }
}

CString CCMComboTipoAlerta::GetTipoAlertaDescricao(unsigned short nTipo) {
  return nTipo < kQuantidadeTipos ? CString(kTiposAlerta[nTipo]) : CString();
}

unsigned short CCMComboTipoAlerta::GetTipoAlertaSelecionado() const {
  int nItem = GetCurSel();
  return nItem == CB_ERR ? 0 : static_cast<unsigned short>(GetItemData(nItem));
}

void CCMComboTipoAlerta::SelecionaTipoAlerta(unsigned short nTipo) {
  for (int i = 0; i < GetCount(); ++i) {
    if (static_cast<unsigned short>(GetItemData(i)) == nTipo) {
      SetCurSel(i);
      return;
    }
  }
  SetCurSel(-1);
}
