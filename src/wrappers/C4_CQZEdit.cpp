// Mapas de mensagens e tratadores dos wrappers de edit; a regra de cada um está em
// C4_regras.h e é a mesma para todos.
#include "vrmwnd/wrappers/C4_CQZEdit.h"

#include "vrmwnd/wrappers/C4_regras.h"

BEGIN_MESSAGE_MAP(C4_CQZEdit, CQZEdit)
ON_CONTROL_REFLECT_EX(EN_CHANGE, &C4_CQZEdit::OnChange)
ON_CONTROL_REFLECT_EX(EN_SETFOCUS, &C4_CQZEdit::OnKillFocus)
ON_CONTROL_REFLECT_EX(EN_KILLFOCUS, &C4_CQZEdit::OnKillFocus)
END_MESSAGE_MAP()

BOOL C4_CQZEdit::OnChange() {
  return FiltraMudancaDeTexto(*this, m_strTextoAnterior, [this] { return OnCONTROL_REFLECT_EX_Change(); });
}
BOOL C4_CQZEdit::OnKillFocus() { return CanotSendChangeEvents() ? TRUE : FALSE; }

BEGIN_MESSAGE_MAP(C4_CQZEditDF, CQZEditDF)
ON_CONTROL_REFLECT_EX(EN_CHANGE, &C4_CQZEditDF::OnChange)
ON_CONTROL_REFLECT_EX(EN_KILLFOCUS, &C4_CQZEditDF::OnKillFocus)
ON_CONTROL_REFLECT_EX(EN_SETFOCUS, &C4_CQZEditDF::OnSetFocus)
END_MESSAGE_MAP()

BOOL C4_CQZEditDF::OnChange() {
  return FiltraMudancaDeTexto(*this, m_strTextoAnterior, [this] { return CQZEditDF::OnCONTROL_REFLECT_EX_Change(); });
}
BOOL C4_CQZEditDF::OnKillFocus() {
  return FiltraFoco(*this, [this] { return CQZEditDF::OnCONTROL_REFLECT_EX_KillFocus(); });
}
BOOL C4_CQZEditDF::OnSetFocus() {
  return FiltraFoco(*this, [this] { return CQZEditDF::OnCONTROL_REFLECT_EX_SetFocus(); });
}

BEGIN_MESSAGE_MAP(C4_CQZEditValor, CQZEditValor)
ON_CONTROL_REFLECT_EX(EN_CHANGE, &C4_CQZEditValor::OnChange)
ON_CONTROL_REFLECT_EX(EN_KILLFOCUS, &C4_CQZEditValor::OnKillFocus)
ON_CONTROL_REFLECT_EX(EN_SETFOCUS, &C4_CQZEditValor::OnSetFocus)
END_MESSAGE_MAP()

BOOL C4_CQZEditValor::OnChange() {
  return FiltraMudancaDeValor(*this, m_cyValorAnterior, [this] { return CQZEditDF::OnCONTROL_REFLECT_EX_Change(); });
}
BOOL C4_CQZEditValor::OnKillFocus() {
  return FiltraFoco(*this, [this] { return CQZEditValor::OnCONTROL_REFLECT_EX_KillFocus(); });
}
BOOL C4_CQZEditValor::OnSetFocus() {
  return FiltraFoco(*this, [this] { return CQZEditValor::OnCONTROL_REFLECT_EX_SetFocus(); });
}

BEGIN_MESSAGE_MAP(C4_CQZEditValorEx, CQZEditValorEx)
ON_CONTROL_REFLECT_EX(EN_CHANGE, &C4_CQZEditValorEx::OnChange)
ON_CONTROL_REFLECT_EX(EN_KILLFOCUS, &C4_CQZEditValorEx::OnKillFocus)
ON_CONTROL_REFLECT_EX(EN_SETFOCUS, &C4_CQZEditValorEx::OnSetFocus)
END_MESSAGE_MAP()

BOOL C4_CQZEditValorEx::OnChange() {
  return FiltraMudancaDeValor(*this, m_cyValorAnterior, [this] { return CQZEditDF::OnCONTROL_REFLECT_EX_Change(); });
}
BOOL C4_CQZEditValorEx::OnKillFocus() {
  return FiltraFoco(*this, [this] { return CQZEditValorEx::OnCONTROL_REFLECT_EX_KillFocus(); });
}
BOOL C4_CQZEditValorEx::OnSetFocus() {
  return FiltraFoco(*this, [this] { return CQZEditValorEx::OnCONTROL_REFLECT_EX_SetFocus(); });
}

BEGIN_MESSAGE_MAP(C4_CQZEditMascara, CQZEditMascara)
ON_CONTROL_REFLECT_EX(EN_CHANGE, &C4_CQZEditMascara::OnChange)
ON_CONTROL_REFLECT_EX(EN_KILLFOCUS, &C4_CQZEditMascara::OnKillFocus)
END_MESSAGE_MAP()

BOOL C4_CQZEditMascara::OnChange() {
  return FiltraMudancaDeTexto(*this, m_strTextoAnterior, [this] { return CQZEditDF::OnCONTROL_REFLECT_EX_Change(); });
}
BOOL C4_CQZEditMascara::OnKillFocus() {
  return FiltraFoco(*this, [this] { return CQZEditMascara::OnCONTROL_REFLECT_EX_KillFocus(); });
}

BEGIN_MESSAGE_MAP(C4_CQZEditNFEChaveDeAcesso, CQZEditNFEChaveDeAcesso)
ON_CONTROL_REFLECT_EX(EN_CHANGE, &C4_CQZEditNFEChaveDeAcesso::OnChange)
ON_CONTROL_REFLECT_EX(EN_SETFOCUS, &C4_CQZEditNFEChaveDeAcesso::OnSetfocus)
END_MESSAGE_MAP()

BOOL C4_CQZEditNFEChaveDeAcesso::OnChange() {
  return FiltraMudancaDeTexto(*this, m_strTextoAnterior, [this] { return CQZEditDF::OnCONTROL_REFLECT_EX_Change(); });
}
BOOL C4_CQZEditNFEChaveDeAcesso::OnSetFocus() {
  SetSel(0, GetWindowTextLength());
  SendMessage(EM_SCROLLCARET);
  return FALSE;
}

BEGIN_MESSAGE_MAP(C4_CQZEditRegDma, CQZEditRegDma)
ON_CONTROL_REFLECT_EX(EN_CHANGE, &C4_CQZEditRegDma::OnChange)
END_MESSAGE_MAP()

BOOL C4_CQZEditRegDma::OnChange() {
  return FiltraMudancaDeTexto(*this, m_strTextoAnterior, [this] { return CQZEditDF::OnCONTROL_REFLECT_EX_Change(); });
}

BEGIN_MESSAGE_MAP(C4_CQZMultiLineEdit, CQZMultiLineEdit)
ON_CONTROL_REFLECT_EX(EN_CHANGE, &C4_CQZMultiLineEdit::OnChange)
END_MESSAGE_MAP()

void C4_CQZMultiLineEdit::EnableWindowEx(bool bHabilita) {
  EnableWindow(bHabilita);
  if (CBotaoConsulta* pBotao = GetBotao()) pBotao->EnableWindow(bHabilita);
}

BOOL C4_CQZMultiLineEdit::OnChange() {
  return FiltraMudancaDeTexto(*this, m_strTextoAnterior, [this] { return CQZEditDF::OnCONTROL_REFLECT_EX_Change(); });
}
