// A lista da responsabilidade pelo frete e a altura do campo dos combos de lista fixa.
#include "vrmwnd/controls/C4_CComboBoxFretePorConta.h"

#include "vrmwnd/suite/edits/CQZEditDF.h"
#include "vrmwnd/wrappers/C4_regras.h"

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

void AjustaAlturaDoCampo(CComboBox& combo) {
  int nAltura = DLU_TO_Pixel_Y(&combo, 14) - 2 * GetSystemMetrics(SM_CYFIXEDFRAME);
  combo.SetItemHeight(-1, static_cast<WORD>(nAltura));
}

BEGIN_MESSAGE_MAP(C4_CComboBoxFretePorConta, C4_CComboBox)
  ON_CONTROL_REFLECT_EX(CBN_SELCHANGE, &C4_CComboBoxFretePorConta::OnChange)
  ON_CONTROL_REFLECT_EX(CBN_EDITCHANGE, &C4_CComboBoxFretePorConta::OnChange)
END_MESSAGE_MAP()

BOOL C4_CComboBoxFretePorConta::OnChange() {
  CString strTexto;
  GetWindowText(strTexto);
  return FiltraMudancaDeCombo(*this, m_strTextoAnterior, strTexto);
}

LRESULT C4_CComboBoxFretePorConta::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  if (AtualizaAntes(message)) OnChange();
  return C4_CComboBox::WindowProc(message, wParam, lParam);
}

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
