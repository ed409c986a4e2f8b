// O edit de consulta de um cadastro descrito: existência pelo código nos filtros,
// posição por programa, lista de consulta e as falhas do banco mostradas pela base.
#include "vrmwnd/suite/edits/CEditCadastro.h"

#include <string>
#include <vector>

#include "servidor/le_cadastro.h"
#include "vrmwnd/base/QZException.h"
#include "vrmwnd/suite/mensagens/QZMens.h"
#include "vrmwnd/suite/servidor/banco_empresa.h"
#include "vrmwnd/suite/servidor/resultados.h"

namespace {

constexpr const char* kFonte = "EditCadastro";
constexpr LONG kFonteMensagens = 1420;
constexpr LONG kLocalExiste = 382101;
constexpr LONG kLocalConsulta = 382102;
constexpr LONG kLocalLinha = 382103;

}  // namespace

BEGIN_MESSAGE_MAP(CEditCadastro, CBaseEditExDF)
ON_CONTROL_REFLECT_EX(EN_UPDATE, &CEditCadastro::OnUpdate)
ON_CONTROL_REFLECT_EX(EN_SETFOCUS, &CEditCadastro::OnSetFocus)
ON_CONTROL_REFLECT_EX(EN_KILLFOCUS, &CEditCadastro::OnKillFocus)
END_MESSAGE_MAP()

CEditCadastro::CEditCadastro(const TDescricaoCadastro& descricao) : m_descricao(descricao) {
  m_strCaminhoControle += "/CEditCadastro/";
  m_strCaminhoControle += descricao.szNome;
}

CEditCadastro::~CEditCadastro() = default;

HRESULT CEditCadastro::OnInicializa() {
  std::string strErro;
  m_pBanco = vrmsuite::AbreEmpresa(GetEmpresaProfiler().GetString(), strErro);
  if (!m_pBanco)
    return QZVerificaHR(QZ_E_SEM_CONEXAO, eQZFalhaSeNegativo, this, "CEditCadastro::OnInicializa", kFonte, __LINE__,
                        strErro.c_str());
  const HRESULT hr = CBaseEditExDF::OnInicializa();
  if (hr < 0) return hr;
  if (m_hWnd) SendMessage(EM_LIMITTEXT, static_cast<WPARAM>(m_descricao.nLimiteTexto));
  m_nEstadoValidacao = ESTADO_VAZIO;
  m_lChave = 0;
  return hr;
}

HRESULT CEditCadastro::OnFinaliza() {
  m_pBanco.reset();
  return CBaseEditExDF::OnFinaliza();
}

bool CEditCadastro::Existe(CString* pstrTexto) {
  m_lChave = 0;
  m_cTipo = 0;
  m_lNumero = 0;
  m_strDescricao.Empty();
  if (pstrTexto == nullptr || pstrTexto->IsEmpty()) {
    m_nEstadoValidacao = ESTADO_VAZIO;
    return true;
  }
  std::vector<DWORD> chaves;
  vrmsuite::TLinhaCadastro linha;
  std::string strErro;
  HRESULT hr = QZ_E_SEM_CONEXAO;
  if (m_pBanco) hr = vrmsuite::BuscaCadastro(*m_pBanco, m_descricao, m_filtro, pstrTexto->GetString(), chaves, strErro);
  if (hr == S_OK && chaves.size() == 1)
    hr = vrmsuite::LeCadastro(*m_pBanco, m_descricao, &SoPlano(), chaves[0], linha, strErro);
  if (hr != S_OK) {
    QZVerificaHR(hr, eQZFalhaSeNaoZero, this, "CEditCadastro::Existe", kFonte, __LINE__, strErro.c_str());
    throw CQZExceptionEx(hr, kLocalExiste, kFonteMensagens, GetEmpresaProfiler(), kFonte, __LINE__, QZ_COMPILACAO);
  }
  if (chaves.size() != 1) {
    m_nEstadoValidacao = ESTADO_INVALIDO;
    m_nMensagem = m_descricao.nMensagem;
    return false;
  }
  m_nEstadoValidacao = ESTADO_VALIDO;
  m_lChave = linha.lChave;
  m_cTipo = linha.cTipo;
  m_lNumero = linha.lNumero;
  m_strDescricao = linha.strDescricao.c_str();
  return true;
}

bool CEditCadastro::GetPosicao(DWORD& lChave) {
  lChave = 0;
  if (m_nEstadoValidacao != ESTADO_VALIDO) ValidaValor();
  if (m_nEstadoValidacao != ESTADO_VALIDO) return false;
  lChave = m_lChave;
  return lChave != 0;
}

bool CEditCadastro::SetPosicao(DWORD lChave) {
  vrmsuite::TLinhaCadastro linha;
  std::string strErro;
  const bool bAchou = lChave != 0 && m_pBanco &&
                      vrmsuite::LeCadastro(*m_pBanco, m_descricao, &m_filtro, lChave, linha, strErro) == S_OK;
  SetValidarValor(false);
  SetText(bAchou ? linha.strCodigo.c_str() : "");
  SetValidarValor(true);
  m_nEstadoValidacao = bAchou ? ESTADO_VALIDO : ESTADO_VAZIO;
  m_lChave = bAchou ? linha.lChave : 0;
  m_cTipo = bAchou ? linha.cTipo : 0;
  m_lNumero = bAchou ? linha.lNumero : 0;
  m_strDescricao = bAchou ? CString(linha.strDescricao.c_str()) : CString();
  SetStaticText();
  return bAchou;
}

bool CEditCadastro::SetPosicaoPorCodigo(const char* szCodigo) {
  std::vector<DWORD> chaves;
  std::string strErro;
  if (szCodigo && *szCodigo && m_pBanco &&
      vrmsuite::BuscaCadastro(*m_pBanco, m_descricao, m_filtro, szCodigo, chaves, strErro) == S_OK &&
      chaves.size() == 1)
    return SetPosicao(chaves[0]);
  return SetPosicao(0);
}

CString CEditCadastro::GetStaticText() { return m_nEstadoValidacao == ESTADO_VALIDO ? m_strDescricao : CString(); }

void CEditCadastro::MandaMensagem() {
  if (m_nMensagem != 0) QZMensagem(m_nMensagem, CString(m_descricao.szModuloMensagem));
}

void CEditCadastro::OnConsulta(CConsulta* pConsulta) {
  pConsulta->SetF6(m_strCaminhoControle, 0, GetEmpresaProfiler(), GetUsuarioProfiler(), GetSessaoProfiler());
  pConsulta->AdicionaColuna(m_descricao.szTituloCodigo, 90, 0, 3, 1, 0);
  pConsulta->AdicionaColuna(m_descricao.szTituloDescricao, 350, 0, 3, 1, 0);
  pConsulta->SetTitulo(m_descricao.szTitulo);
  pConsulta->SetIDConsulta(m_descricao.szIDConsulta);
  std::vector<DWORD> chaves;
  std::string strErro;
  HRESULT hr = QZ_E_SEM_CONEXAO;
  if (m_pBanco) hr = vrmsuite::BuscaCadastro(*m_pBanco, m_descricao, m_filtro, nullptr, chaves, strErro);
  if (hr != S_OK) {
    QZVerificaHR(hr, eQZFalhaSeNaoZero, this, "CEditCadastro::OnConsulta", kFonte, __LINE__, strErro.c_str());
    throw CQZExceptionEx(hr, kLocalConsulta, kFonteMensagens, GetEmpresaProfiler(), kFonte, __LINE__, QZ_COMPILACAO);
  }
  DWORD* pChaves = new DWORD[chaves.empty() ? 1 : chaves.size()];
  for (std::size_t i = 0; i < chaves.size(); ++i) pChaves[i] = chaves[i];
  pConsulta->Conecta(&CEditCadastro::F4, this);
  pConsulta->SetChaves(static_cast<DWORD>(chaves.size()), pChaves);
  pConsulta->HabilitaInclusao(0);
  long nLinha = -1;
  if (pConsulta->EscolheLinha(&nLinha)) SetPosicao(pConsulta->GetChave(nLinha));
}

void CEditCadastro::F4(long lDono, unsigned short nPedido, long lChave, unsigned short, CString* pColunas) {
  auto* pEdit = reinterpret_cast<CEditCadastro*>(lDono);
  if (nPedido != CONSULTA_PREENCHE_LINHA || pEdit == nullptr || pColunas == nullptr) return;
  vrmsuite::TLinhaCadastro linha;
  std::string strErro;
  HRESULT hr = QZ_E_SEM_CONEXAO;
  if (pEdit->m_pBanco)
    hr = vrmsuite::LeCadastro(*pEdit->m_pBanco, pEdit->m_descricao, &pEdit->SoPlano(), static_cast<DWORD>(lChave),
                              linha, strErro);
  if (hr != S_OK) {
    linha = vrmsuite::TLinhaCadastro{};
    QZTrataErro2(hr, kLocalLinha, kFonteMensagens, pEdit->GetEmpresaProfiler(), kFonte, __LINE__, QZ_COMPILACAO, false,
                 nullptr, CString());
  }
  pColunas[0] = linha.strCodigo.c_str();
  pColunas[1] = linha.strDescricao.c_str();
}
