// Os wrappers dos edits de consulta: a mesma regra de texto dos wrappers de edit
// (C4_regras.h), sobre o EN_CHANGE que chega ao edit por reflexão.
#include "vrmwnd/wrappers/C4_CEditsConsulta.h"

#include "vrmwnd/wrappers/C4_regras.h"

BEGIN_MESSAGE_MAP(C4_CAutorizacaoCompraEdit, CAutorizacaoCompraEdit)
ON_CONTROL_REFLECT_EX(EN_CHANGE, &C4_CAutorizacaoCompraEdit::OnChange)
END_MESSAGE_MAP()

BOOL C4_CAutorizacaoCompraEdit::OnChange() {
  return FiltraMudancaDeTexto(*this, m_strTextoAnterior, [this] { return CQZEditDF::OnCONTROL_REFLECT_EX_Change(); });
}

BEGIN_MESSAGE_MAP(C4_CCondicaoPagamentoEdit, CCondicaoPagamentoEdit)
ON_CONTROL_REFLECT_EX(EN_CHANGE, &C4_CCondicaoPagamentoEdit::OnChange)
END_MESSAGE_MAP()

BOOL C4_CCondicaoPagamentoEdit::OnChange() {
  return FiltraMudancaDeTexto(*this, m_strTextoAnterior, [this] { return CQZEditDF::OnCONTROL_REFLECT_EX_Change(); });
}

unsigned short C4_CCondicaoPagamentoEdit::GetPonteiro() {
  unsigned short iPonteiro = 0;
  CCondicaoPagamentoEdit::GetPonteiro(iPonteiro);
  return iPonteiro;
}
