// CServidoresCompartilhados liga cada slot de interface ao banco da empresa e o
// desliga; CQZInicializador guarda a empresa, o usuário e a sessão do processo.
#include <mutex>

#include "leitura_comum.h"
#include "vrmwnd/base/QZProfiler.h"
#include "vrmwnd/suite/leiautes/REG_FILIALPS.h"
#include "vrmwnd/suite/leiautes/REG_SIT_TRIB_PRODUTOPS.h"
#include "vrmwnd/suite/leiautes/_RegCFRT.h"
#include "vrmwnd/suite/leiautes/_RegContaPS.h"

namespace {

struct TContexto {
  std::string strEmpresa;
  long lUsuario = 0;
  long lSessao = 0;
  bool bMostrarMensagens = true;
};

TContexto& Contexto() {
  static auto* pContexto = new TContexto;
  return *pContexto;
}

}  // namespace

CServidoresCompartilhados::CServidoresCompartilhados(CQZTimer* pTimer) : m_pTimer(pTimer) {}

CServidoresCompartilhados::~CServidoresCompartilhados() { Desliga(); }

HRESULT CServidoresCompartilhados::OnInicializa(const char* szEmpresa) {
  Desliga();
  std::string strEmpresa = szEmpresa ? szEmpresa : CQZInicializador::GetEmpresa();
  if (strEmpresa.empty())
    return m_UsaServidor.Falha(QZ_E_EMPRESA_NAO_ENCONTRADA,
                               "nenhuma empresa: CQZInicializador::Inicializa não foi chamado");
  std::string strErro;
  std::shared_ptr<vrmsuite::CQZBancoEmpresa> pBanco = vrmsuite::AbreEmpresa(strEmpresa, strErro);
  if (!pBanco) return m_UsaServidor.Falha(QZ_E_EMPRESA_NAO_ENCONTRADA, strErro);
  using E = IQZServidor;
  const struct {
    IQZServidor** ppSlot;
    E::ETipo eTipo;
  } kSlots[] = {{m_ppINotasFiscais, E::NOTAS_FISCAIS},
                {m_ppIPlano, E::PLANO},
                {m_ppIDocumento, E::DOCUMENTO},
                {m_ppIFilial, E::FILIAL},
                {m_ppICFOP, E::CFOP},
                {m_ppICFRT, E::CFRT},
                {m_ppIProduto, E::PRODUTO},
                {m_ppIMovimentoEs, E::MOVIMENTO_ES},
                {m_ppICMMestre, E::CM_MESTRE},
                {m_ppIHistorico, E::HISTORICO},
                {m_ppIMunicipio, E::MUNICIPIO},
                {m_ppIEstado, E::ESTADO}};
  for (const auto& slot : kSlots) *slot.ppSlot = new IQZServidor(slot.eTipo, pBanco);
  m_UsaServidor.LimpaErro();
  return S_OK;
}

HRESULT CServidoresCompartilhados::OnFinaliza() {
  Desliga();
  return S_OK;
}

void CServidoresCompartilhados::Desliga() {
  for (IQZServidor** pp :
       {&m_pINotasFiscais, &m_pIPlano, &m_pIDocumento, &m_pIFilial, &m_pICFOP, &m_pICFRT, &m_pIProduto,
        &m_pIMovimentoEs, &m_pICMMestre, &m_pIHistorico, &m_pIMunicipio, &m_pIEstado}) {
    delete *pp;
    *pp = nullptr;
  }
}

vrmsuite::CLeituraConsistente CServidoresCompartilhados::LeituraConsistente() const {
  return vrmsuite::CLeituraConsistente(m_pINotasFiscais ? m_pINotasFiscais->GetBancoCompartilhado() : nullptr);
}

REG_DF_FILIALPS CServidoresCompartilhados::LeDFFilial(WORD iFilial) {
  REG_DF_FILIALPS reg;
  m_UsaServidor.LeDFFilial(m_ppIFilial, iFilial, &reg);
  return reg;
}

_RegContaPS CServidoresCompartilhados::LeConta(long lConta) {
  _RegContaPS reg;
  m_UsaServidor.LeDFPlano(m_ppIPlano, lConta, &reg);
  return reg;
}

REG_SIT_TRIB_PRODUTOPS CServidoresCompartilhados::LeDFSitTribProduto(BYTE bySituacao) {
  REG_SIT_TRIB_PRODUTOPS reg;
  m_UsaServidor.LeDFSitTribProduto(m_ppIProduto, bySituacao, &reg);
  return reg;
}

bool CServidoresCompartilhados::LeDFCFRTEhJuridico(long lConta) {
  _RegCFRT cfrt;
  HRESULT hr = m_UsaServidor.LeDFCFRT(m_ppICFRT, m_ppIPlano, 0, lConta, 0, &cfrt, nullptr, nullptr, nullptr, nullptr,
                                      nullptr, nullptr, nullptr, nullptr);
  return hr == S_OK && lConta != 0 && cfrt.cTipoPessoa() == 'J';
}

HRESULT CQZInicializador::Inicializa(const char* szEmpresa, long lUsuario, long lSessao) {
  std::string strErro;
  if (szEmpresa == nullptr || !vrmsuite::AbreEmpresa(szEmpresa, strErro)) return QZ_E_EMPRESA_NAO_ENCONTRADA;
  TContexto& c = Contexto();
  c.strEmpresa = szEmpresa;
  c.lUsuario = lUsuario;
  c.lSessao = lSessao;
  return S_OK;
}

HRESULT CQZInicializador::Inicializa(const IQZDF_Profiler& profiler) {
  return Inicializa(profiler.GetEmpresaProfiler().GetString(), profiler.GetUsuarioProfiler(),
                    profiler.GetSessaoProfiler());
}

HRESULT CQZInicializador::Finaliza() {
  TContexto& c = Contexto();
  c.strEmpresa.clear();
  c.lUsuario = 0;
  c.lSessao = 0;
  return S_OK;
}

const std::string& CQZInicializador::GetEmpresa() { return Contexto().strEmpresa; }
long CQZInicializador::GetUsuario() { return Contexto().lUsuario; }
long CQZInicializador::GetSessao() { return Contexto().lSessao; }
bool CQZInicializador::GetPodeMostrarMensagens() { return Contexto().bMostrarMensagens; }
void CQZInicializador::SetMostrarMensagens(bool bMostrar) { Contexto().bMostrarMensagens = bMostrar; }
