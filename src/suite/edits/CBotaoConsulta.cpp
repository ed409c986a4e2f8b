// O botão de consulta dos edits: criado ao lado do edit e ligado à ação do dono.
#include "vrmwnd/suite/edits/CBotaoConsulta.h"

namespace {
constexpr int kLarguraBotao = 20;  // pixels
}  // namespace

BEGIN_MESSAGE_MAP(CBotaoConsulta, CButton)
ON_CONTROL_REFLECT_EX(BN_CLICKED, &CBotaoConsulta::OnClicked)
END_MESSAGE_MAP()

bool CBotaoConsulta::CriaAoLadoDe(CWnd& edit, UINT nID) {
  if (m_hWnd) return true;
  CWnd* pPai = edit.m_hWnd ? edit.GetParent() : nullptr;
  if (pPai == nullptr) return false;
  CRect rEdit;
  edit.GetWindowRect(&rEdit);
  pPai->ScreenToClient(&rEdit);
  const CRect rBotao(rEdit.right, rEdit.top, rEdit.right + kLarguraBotao, rEdit.bottom);
  const DWORD nEstilo = WS_CHILD | BS_PUSHBUTTON | (edit.GetStyle() & WS_VISIBLE) | (edit.GetStyle() & WS_DISABLED);
  return Create("...", nEstilo, rBotao, pPai, nID) != FALSE;
}

BOOL CBotaoConsulta::OnClicked() {
  if (m_acao) m_acao();
  return FALSE;
}
