// Ciclo de vida, validação, static companheiro e consulta da base dos edits de
// consulta.
#include "vrmwnd/suite/edits/CBaseEditExDF.h"

#include "vrmwnd/base/QZException.h"
#include "vrmwnd/platform/process.h"
#include "vrmwnd/suite/mensagens/QZMens.h"

namespace {

// Uma falha de servidor que chegou à base: já foi registrada por quem lançou.
void MostraFalha(const CQZExceptionEx& e) {
  char szModulo[260] = {};
  GetModuleFileNameA(nullptr, szModulo, sizeof szModulo);
  QZTrataErro2(e.GetResultado(), e.GetLocal(), e.GetModulo(), e.GetEmpresa(), e.GetArquivo(), e.GetLinha(),
               e.GetCompilacao(), false, nullptr, szModulo);
}

}  // namespace

BEGIN_MESSAGE_MAP(CBaseEditExDF, CQZEditDF)
ON_CONTROL_REFLECT_EX(EN_UPDATE, &CBaseEditExDF::OnUpdate)
ON_WM_KEYDOWN()
END_MESSAGE_MAP()

CBaseEditExDF::CBaseEditExDF() : m_strCaminhoControle("CBaseEditExDF") {}

HRESULT CBaseEditExDF::OnInicializa() {
  if (m_bInicializado || m_strEmpresa.IsEmpty()) return E_FAIL;
  m_bInicializado = true;
  if (m_hWnd && m_btnConsulta.CriaAoLadoDe(*this, static_cast<UINT>(GetDlgCtrlID()) + DESLOCAMENTO_ID_BOTAO))
    m_btnConsulta.SetAcao([this] { FazConsulta(); });
  return S_OK;
}

HRESULT CBaseEditExDF::OnFinaliza() {
  if (!m_bInicializado) return E_FAIL;
  m_bInicializado = false;
  return S_OK;
}

HRESULT CBaseEditExDF::Inicializa(const CString& strEmpresa, unsigned short nUsuario, long lSessao) {
  SetProfiler(strEmpresa, nUsuario, static_cast<LONG>(lSessao));
  return OnInicializa();
}

CString CBaseEditExDF::GetText() const {
  CString strTexto;
  if (m_hWnd) GetWindowText(strTexto);
  return strTexto;
}

void CBaseEditExDF::SetText(const char* szTexto) { SetWindowText(szTexto); }

void CBaseEditExDF::OnEnableBtnConsulta(BOOL bHabilita) {
  if (m_btnConsulta.m_hWnd) m_btnConsulta.EnableWindow(bHabilita);
}

void CBaseEditExDF::SetStaticText() {
  if (m_pStatic && m_pStatic->m_hWnd) m_pStatic->SetWindowText(GetStaticText());
}

bool CBaseEditExDF::ValidaValor() {
  m_bFalhaServidor = false;
  CString strTexto = GetText();
  bool bValido = false;
  try {
    bValido = Existe(&strTexto);
  } catch (const CQZExceptionEx& e) {
    m_bFalhaServidor = true;
    m_nEstadoValidacao = ESTADO_INVALIDO;
    MostraFalha(e);
    SetStaticText();
    return false;
  }
  if (bValido && !(m_nEstadoValidacao == ESTADO_VAZIO && strTexto.IsEmpty())) m_nEstadoValidacao = ESTADO_VALIDO;
  if (!bValido && m_nEstadoValidacao == ESTADO_VALIDO) m_nEstadoValidacao = ESTADO_INVALIDO;
  SetStaticText();
  return bValido;
}

void CBaseEditExDF::FazConsulta() {
  if (!m_bInicializado) return;
  if (m_pfnTelaMultipla != nullptr) {
    m_pfnTelaMultipla(this, m_lParametroTelaMultipla);
    SetStaticText();
    return;
  }
  CConsulta consulta(GetParent());
  consulta.SetAcaoF6([this] { ChamaTelaCadastro(); });
  try {
    OnConsulta(&consulta);
  } catch (const CQZExceptionEx& e) {
    MostraFalha(e);
  }
  SetStaticText();
}

BOOL CBaseEditExDF::OnUpdate() {
  if (m_bValidarValor) {
    m_nEstadoValidacao = GetWindowTextLength() == 0 ? ESTADO_VAZIO : ESTADO_INVALIDO;
    SetStaticText();
  }
  return FALSE;
}

BOOL CBaseEditExDF::OnKillFocus() {
  if (m_bValidarValor && m_nEstadoValidacao == ESTADO_INVALIDO && !ValidaValor() && !m_bFalhaServidor) MandaMensagem();
  SetStaticText();
  return CQZEditDF::OnCONTROL_REFLECT_EX_KillFocus();
}

void CBaseEditExDF::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags) {
  if (nChar == static_cast<UINT>(VK_F2)) {
    FazConsulta();
    return;
  }
  CQZEditDF::OnKeyDown(nChar, nRepCnt, nFlags);
}
