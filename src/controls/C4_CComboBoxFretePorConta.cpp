// A lista da responsabilidade pelo frete.
#include "vrmwnd/controls/C4_CComboBoxFretePorConta.h"

namespace {

struct TFrete {
  unsigned char nCodigo;
  const char* szTexto;
  bool bTransporteProprio;
};

constexpr TFrete kFretes[] = {
    {0, "Emitente", false},
    {1, "Destinatário", false},
    {2, "Terceiro", false},
    {3, "Próprio por conta do remetente", true},
    {4, "Próprio por conta do destinatário", true},
    {9, "Sem Frete", false},
};

}  // namespace

C4_COMBO_IMPLEMENTA_MUDANCAS(C4_CComboBoxFretePorConta, C4_CComboBox)

void C4_CComboBoxFretePorConta::Inicializa() {
  AjustaAlturaDoCampo(*this);
  for (const TFrete& frete : kFretes) {
    if (frete.bTransporteProprio && m_bIgnorarTransporteProprio) continue;
    int nItem = AddString(frete.szTexto);
    SetItemData(nItem, frete.nCodigo);
  }
}

void C4_CComboBoxFretePorConta::SetDado(unsigned char nCodigo) {
  SetCurSel(-1);
  for (int i = 0; i < GetCount(); ++i) {
    if (static_cast<unsigned char>(GetItemData(i)) == nCodigo) {
      SetCurSel(i);
      return;
    }
  }
}

unsigned char C4_CComboBoxFretePorConta::GetDado() const {
  return static_cast<unsigned char>(GetItemData(GetCurSel()) & 0xFF);
}
