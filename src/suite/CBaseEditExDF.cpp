// Ciclo de vida, validação e consulta da base dos edits de consulta.
#include "vrmwnd/suite/CBaseEditExDF.h"

BEGIN_MESSAGE_MAP(CBaseEditExDF, CQZEditDF)
  ON_WM_KEYDOWN()
END_MESSAGE_MAP()

HRESULT CBaseEditExDF::OnInicializa(const char* szEmpresa) {
  if (m_bInicializado || szEmpresa == nullptr || *szEmpresa == '\0') return E_FAIL;
  m_strEmpresa = szEmpresa;
  m_bInicializado = true;
  return S_OK;
}

HRESULT CBaseEditExDF::OnFinaliza() {
  if (!m_bInicializado) return E_FAIL;
  m_bInicializado = false;
  return S_OK;
}

void CBaseEditExDF::SetText(const char* szTexto) { SetWindowText(szTexto); }

bool CBaseEditExDF::ValidaValor() {
  bool bValido = Existe();
  m_nEstadoValidacao = bValido ? ESTADO_VALIDO : ESTADO_INVALIDO;
  return bValido;
}

void CBaseEditExDF::FazConsulta() {
  if (m_bInicializado) OnConsulta();
}

BOOL CBaseEditExDF::OnCONTROL_REFLECT_EX_Change() {
  m_nEstadoValidacao = ESTADO_NAO_VALIDADO;
  OnUpdate();
  return CQZEditDF::OnCONTROL_REFLECT_EX_Change();
}

BOOL CBaseEditExDF::OnCONTROL_REFLECT_EX_KillFocus() {
  if (m_bValidarValor && m_nEstadoValidacao == ESTADO_NAO_VALIDADO && !ValidaValor()) MandaMensagem();
  return CQZEditDF::OnCONTROL_REFLECT_EX_KillFocus();
}

void CBaseEditExDF::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags) {
  if (nChar == static_cast<UINT>(VK_F2)) {
    FazConsulta();
    return;
  }
  CQZEditDF::OnKeyDown(nChar, nRepCnt, nFlags);
}
