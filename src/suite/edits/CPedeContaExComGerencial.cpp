// O edit de classificação com contas gerenciais: as duas notificações ao pai, o
// pedido do rateio gerencial (F7) e a classificação que mudou ao sair do campo.
#include "vrmwnd/suite/edits/edits_cadastro.h"

BEGIN_MESSAGE_MAP(CPedeContaExComGerencial, CPedeContaEx)
ON_WM_KEYDOWN()
ON_CONTROL_REFLECT_EX(EN_KILLFOCUS, &CPedeContaExComGerencial::OnKillFocusClassificacao)
END_MESSAGE_MAP()

bool CPedeContaExComGerencial::SetPosicao(unsigned long lConta) {
  const bool bAchou = CPedeContaEx::SetPosicao(lConta);
  m_lContaAvisada = bAchou ? lConta : 0;
  return bAchou;
}

void CPedeContaExComGerencial::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags) {
  if (nChar == TECLA_RATEIO_GERENCIAL) {
    // A conta digitada vale antes do rateio: é ela que o pai reparte.
    if (m_nEstadoValidacao != ESTADO_VALIDO && !GetText().IsEmpty()) ValidaValor();
    Notifica(QZN_RATEIO_GERENCIAL);
    return;
  }
  CPedeContaEx::OnKeyDown(nChar, nRepCnt, nFlags);
}

BOOL CPedeContaExComGerencial::OnKillFocusClassificacao() {
  const BOOL bResultado = CEditCadastro::OnKillFocus();
  const unsigned long lConta = m_nEstadoValidacao == ESTADO_VALIDO ? m_lChave : 0;
  if (lConta != m_lContaAvisada) {
    m_lContaAvisada = lConta;
    Notifica(QZN_CLASSIFICACAO_ALTERADA);
  }
  return bResultado;
}

void CPedeContaExComGerencial::Notifica(UINT nCodigo) {
  CWnd* pPai = GetParent();
  if (pPai == nullptr) return;
  TQZNotificacaoGerencial notificacao{};
  notificacao.hdr.hwndFrom = m_hWnd;
  notificacao.hdr.idFrom = static_cast<UINT_PTR>(GetDlgCtrlID());
  notificacao.hdr.code = nCodigo;
  notificacao.bConsulta = (GetStyle() & ES_READONLY) != 0;
  notificacao.pDados = this;
  notificacao.lConta = m_nEstadoValidacao == ESTADO_VALIDO ? m_lChave : 0;
  pPai->SendMessage(WM_NOTIFY, notificacao.hdr.idFrom, reinterpret_cast<LPARAM>(&notificacao));
}
