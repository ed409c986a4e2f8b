// CAutorizacaoCompraEdit: existência pelo código, chave por programa, lista de
// consulta e as falhas do servidor registradas na fonte "AutorizacaoCompraEdit".
#include "vrmwnd/controls/CAutorizacaoCompraEdit.h"

#include <cstring>
#include <string>

#include "vrmwnd/base/QZException.h"
#include "vrmwnd/base/QZResultado.h"
#include "vrmwnd/suite/mensagens/QZMens.h"
#include "vrmwnd/util/modulo.h"

namespace {

constexpr const char* kFonte = "AutorizacaoCompraEdit";
constexpr LONG kModuloMensagens = 1410;

}  // namespace

// Registra a falha de uma leitura com o texto exato da expressão.
#define AC_VERIFICA(szFuncao, expressao) \
  QZVerificaHR((expressao), eQZFalhaSeNaoZero, this, szFuncao, kFonte, __LINE__, #expressao)

BEGIN_MESSAGE_MAP(CAutorizacaoCompraEdit, CBaseEditExDF)
ON_CONTROL_REFLECT_EX(EN_UPDATE, &CAutorizacaoCompraEdit::OnUpdate)
ON_CONTROL_REFLECT_EX(EN_SETFOCUS, &CAutorizacaoCompraEdit::OnSetFocus)
ON_CONTROL_REFLECT_EX(EN_KILLFOCUS, &CAutorizacaoCompraEdit::OnKillFocus)
END_MESSAGE_MAP()

CAutorizacaoCompraEdit::CAutorizacaoCompraEdit() : m_pImplement(new CAutorizacaoCompraEditImplement) {
  m_strCaminhoControle += "/CAutorizacaoCompraEdit";
}

CAutorizacaoCompraEdit::~CAutorizacaoCompraEdit() { delete m_pImplement; }

HRESULT CAutorizacaoCompraEdit::OnInicializa() {
  const HRESULT hr = CBaseEditExDF::OnInicializa();
  if (hr < 0)
    return QZVerificaHR(hr, eQZFalhaSeNegativo, this, "CAutorizacaoCompraEdit::OnInicializa", kFonte, __LINE__,
                        "__super::OnInicializa()");
  SendMessage(EM_LIMITTEXT, 20);
  m_nEstadoValidacao = ESTADO_VAZIO;
  m_pImplement->m_lChave = 0;
  return hr;
}

HRESULT CAutorizacaoCompraEdit::OnFinaliza() {
  m_pImplement->m_pIAC = nullptr;
  const HRESULT hr = CBaseEditExDF::OnFinaliza();
  return QZVerificaHR(hr, eQZFalhaSeNegativo, this, "CAutorizacaoCompraEdit::OnFinaliza", kFonte, __LINE__,
                      "__super::OnFinaliza()");
}

bool CAutorizacaoCompraEdit::Existe(CString* pstrTexto) {
  if (pstrTexto == nullptr || pstrTexto->IsEmpty()) {
    m_nEstadoValidacao = ESTADO_VAZIO;
    m_pImplement->m_lChave = 0;
    return true;
  }
  REG_FILTRO_AUTORIZACAO_COMPRAPS rFiltro{};
  const CString strTexto = GetText();
  rFiltro.Set_szCodigo(std::string_view(
      strTexto.GetString(),
      Utf8PrefixBytes(strTexto, std::strlen(strTexto), REG_FILTRO_AUTORIZACAO_COMPRAPS::kMaxBytesCodigo)));
  REG_ARRAY_CHAVEPS rArrayChave{};
  HRESULT hr = S_OK;
  if (m_pImplement->m_pIAC == nullptr) {
    hr = QZ_E_SEM_CONEXAO;
  } else {
    hr = AC_VERIFICA("CAutorizacaoCompraEdit::Existe", m_pImplement->m_pIAC->BuscaPonteiros(rFiltro, &rArrayChave));
  }
  REG_AUTORIZACAO_COMPRA_LIGHTPS rACLight{};
  if (hr == S_OK && rArrayChave.nQtd() == 1) {
    hr = AC_VERIFICA("CAutorizacaoCompraEdit::Existe",
                     m_pImplement->m_pIAC->LeLight(rArrayChave.pChave()[0], &rACLight));
    if (hr != S_OK) {
      rArrayChave.Libera();
      throw CQZExceptionEx(hr, 381292, kModuloMensagens, GetEmpresaProfiler(), kFonte, __LINE__, QZ_COMPILACAO);
    }
  }
  const bool bUm = rArrayChave.nQtd() == 1;
  rArrayChave.Libera();
  if (hr == S_OK && bUm && rACLight.lPonteiro() != 0) {
    m_nEstadoValidacao = ESTADO_VALIDO;
    m_pImplement->m_lChave = rACLight.lPonteiro();
    m_pImplement->m_strDescricao = CString(std::string(rACLight.szNome()).c_str());
    return true;
  }
  m_nEstadoValidacao = ESTADO_INVALIDO;
  m_pImplement->m_lChave = 0;
  m_pImplement->m_nMensagem = 1607;
  return false;
}

bool CAutorizacaoCompraEdit::SetChave(unsigned long lChave) {
  REG_AUTORIZACAO_COMPRA_LIGHTPS rACLight{};
  HRESULT hr = E_FAIL;
  if (lChave != 0 && m_pImplement->m_pIAC != nullptr)
    hr = AC_VERIFICA("CAutorizacaoCompraEdit::SetChave", m_pImplement->m_pIAC->LeLight(lChave, &rACLight));
  if (hr == S_OK) {
    m_nEstadoValidacao = ESTADO_TRANSITORIO;
    m_pImplement->m_lChave = 0;
    SetValidarValor(false);
    m_pImplement->m_strDescricao = CString(std::string(rACLight.szNome()).c_str());
    SetText(std::string(rACLight.szCodigo()).c_str());
    m_nEstadoValidacao = ESTADO_VALIDO;
    m_pImplement->m_lChave = lChave;
    SetValidarValor(true);
  } else {
    m_nEstadoValidacao = ESTADO_VAZIO;
    m_pImplement->m_lChave = 0;
    m_pImplement->m_strDescricao.Empty();
    SetValidarValor(false);
    SetText("");
    SetValidarValor(true);
  }
  CBaseEditExDF::SetStaticText();
  return true;
}

unsigned long CAutorizacaoCompraEdit::GetChave() {
  if (m_nEstadoValidacao != ESTADO_VALIDO) {
    ValidaValor();
    if (m_nEstadoValidacao != ESTADO_VALIDO) return m_pImplement->m_lChave;
  }
  if (m_pImplement->m_lChave != 0) SetStaticText();
  return m_pImplement->m_lChave;
}

CString CAutorizacaoCompraEdit::GetStaticText() {
  return m_nEstadoValidacao == ESTADO_VALIDO ? m_pImplement->m_strDescricao : CString();
}

void CAutorizacaoCompraEdit::MandaMensagem() {
  if (m_pImplement->m_nMensagem != 0)
    QZMensagem(static_cast<unsigned long>(m_pImplement->m_nMensagem), CString(vrmwnd::kCodigoModulo));
}

void CAutorizacaoCompraEdit::OnConsulta(CConsulta* pConsulta) {
  pConsulta->SetF6(m_strCaminhoControle, 0, GetEmpresaProfiler(), GetUsuarioProfiler(), GetSessaoProfiler());
  pConsulta->AdicionaColuna("Código", 90, 0, 3, 1, 0);
  pConsulta->AdicionaColuna("Nome", 350, 0, 3, 1, 0);
  pConsulta->SetTitulo("Relação de Autorização de Compra");
  pConsulta->SetIDConsulta("RelacaoAutorizacaoCompra");
  REG_FILTRO_AUTORIZACAO_COMPRAPS rFiltro{};
  rFiltro.Set_byLista(1);
  REG_ARRAY_CHAVEPS rArrayChave{};
  HRESULT hr = QZ_E_SEM_CONEXAO;
  if (m_pImplement->m_pIAC != nullptr)
    hr = AC_VERIFICA("CAutorizacaoCompraEdit::OnConsulta", m_pImplement->m_pIAC->BuscaPonteiros(rFiltro, &rArrayChave));
  if (hr != S_OK)
    throw CQZExceptionEx(hr, 379999, kModuloMensagens, GetEmpresaProfiler(), kFonte, __LINE__, QZ_COMPILACAO);
  const DWORD nQtd = rArrayChave.nQtd();
  DWORD* pChaves = new DWORD[nQtd > 0 ? nQtd : 1];
  for (DWORD i = 0; i < nQtd; ++i) pChaves[i] = rArrayChave.pChave()[i];
  rArrayChave.Libera();
  pConsulta->Conecta(&CAutorizacaoCompraEdit::F4, this);
  pConsulta->SetChaves(nQtd, pChaves);
  pConsulta->HabilitaInclusao(0);
  long nLinha = -1;
  if (pConsulta->EscolheLinha(&nLinha)) SetChave(pConsulta->GetChave(nLinha));
}

void CAutorizacaoCompraEdit::F4(long lDono, unsigned short nPedido, long lChave, unsigned short, CString* pColunas) {
  auto* pEdit = reinterpret_cast<CAutorizacaoCompraEdit*>(lDono);
  if (nPedido != CONSULTA_PREENCHE_LINHA || pEdit == nullptr || pColunas == nullptr) return;
  REG_AUTORIZACAO_COMPRA_LIGHTPS rACLight{};
  HRESULT hr = QZ_E_SEM_CONEXAO;
  if (pEdit->m_pImplement->m_pIAC != nullptr)
    hr = pEdit->m_pImplement->m_pIAC->LeLight(static_cast<DWORD>(lChave), &rACLight);
  if (hr != S_OK) {
    rACLight.Zera();
    QZTrataErro2(hr, 380008, kModuloMensagens, pEdit->GetEmpresaProfiler(), kFonte, __LINE__, QZ_COMPILACAO, false,
                 nullptr, vrmwnd::kArquivoModulo);
  }
  pColunas[0] = CString(std::string(rACLight.szCodigo()).c_str());
  pColunas[1] = CString(std::string(rACLight.szNome()).c_str());
}
