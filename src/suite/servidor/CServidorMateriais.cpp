// Os servidores das consultas do módulo sobre o banco da empresa: autorizações de
// compra (IQZCM_AutorizacaoCompra), condições de pagamento (IQZDF_Materiais, pela
// CConexaoCondicaoPagamento) e periodicidades (IQZDF_Periodo). Cada leitura passa
// pelo gancho de teste com o nome "Interface::Metodo" antes de ir ao banco.
#include <atomic>
#include <cstdio>
#include <string>
#include <vector>

#include "banco_impl.h"
#include "vrmwnd/suite/servidor/IQZCM_AutorizacaoCompra.h"
#include "vrmwnd/suite/servidor/IQZDF_Materiais.h"
#include "vrmwnd/suite/servidor/IQZDF_Periodo.h"
#include "vrmwnd/suite/servidor/resultados.h"

namespace vrmsuite {
namespace {

// Contagem de referências e QueryInterface de um objeto de uma interface só.
template <class TInterface, const IID& kIID>
class TObjetoCom : public TInterface {
 public:
  HRESULT QueryInterface(REFIID riid, void** ppv) override {
    if (ppv == nullptr) return E_POINTER;
    *ppv = nullptr;
    if (!(riid == IID_IUnknown) && !(riid == kIID)) return E_NOINTERFACE;
    *ppv = static_cast<TInterface*>(this);
    AddRef();
    return S_OK;
  }
  ULONG AddRef() override { return ++m_nReferencias; }
  ULONG Release() override {
    const ULONG n = --m_nReferencias;
    if (n == 0) delete this;
    return n;
  }
  virtual ~TObjetoCom() = default;

 protected:
  // A empresa ligada; QZ_E_SEM_CONEXAO antes de ligar.
  HRESULT Liga(BSTR bstrEmpresa) {
    if (bstrEmpresa == nullptr) return E_INVALIDARG;
    std::string strErro;
    m_pBanco = AbreEmpresa(CString(bstrEmpresa).GetString(), strErro);
    return m_pBanco ? S_OK : QZ_E_EMPRESA_NAO_ENCONTRADA;
  }
  // 0 quando a leitura pode ir ao banco.
  HRESULT Entrada(const char* szLeitura) const {
    if (HRESULT hr = FalhaProgramada(szLeitura); hr != S_OK) return hr;
    return m_pBanco ? S_OK : QZ_E_SEM_CONEXAO;
  }
  // Lê a linha única de szSql com o parâmetro dado em *pReg (zerado antes).
  template <class TRegistro, class TParam>
  HRESULT LeUm(const char* szSql, TParam param, TRegistro* pReg) const {
    if (pReg == nullptr) return E_POINTER;
    pReg->Zera();
    CComando comando(*m_pBanco, szSql);
    if (!comando.Preparado()) return QZ_E_BANCO_DE_DADOS;
    comando.Liga(1, param);
    if (!comando.Proxima()) return comando.Erro().empty() ? QZ_E_REGISTRO_NAO_ENCONTRADO : QZ_E_BANCO_DE_DADOS;
    std::string strErro;
    const HRESULT hr = PreencheDaLinha(comando, *pReg, strErro);
    if (hr != S_OK) pReg->Zera();
    return hr;
  }
  // As chaves (primeira coluna) das linhas de um comando já ligado.
  static HRESULT Chaves(CComando& comando, std::vector<long long>& chaves) {
    if (!comando.Preparado()) return QZ_E_BANCO_DE_DADOS;
    while (comando.Proxima()) chaves.push_back(sqlite3_column_int64(comando.Bruto(), 0));
    return comando.Erro().empty() ? S_OK : QZ_E_BANCO_DE_DADOS;
  }
  // Um vetor de nQtd elementos do alocador de tarefas com as chaves convertidas.
  template <class TChave>
  static TChave* AlocaChaves(const std::vector<long long>& chaves) {
    if (chaves.empty()) return nullptr;
    auto* p = static_cast<TChave*>(CoTaskMemAlloc(chaves.size() * sizeof(TChave)));
    if (p == nullptr) return nullptr;
    for (std::size_t i = 0; i < chaves.size(); ++i) p[i] = static_cast<TChave>(chaves[i]);
    return p;
  }

  std::shared_ptr<CQZBancoEmpresa> m_pBanco;

 private:
  std::atomic<ULONG> m_nReferencias{1};
};

class CServidorAutorizacaoCompra final
    : public TObjetoCom<IQZCM_AutorizacaoCompra, IID_IQZCM_AutorizacaoCompra> {
 public:
  HRESULT Inicializa(BSTR bstrEmpresa, unsigned short, long) override { return Liga(bstrEmpresa); }
  HRESULT Finaliza() override {
    m_pBanco.reset();
    return S_OK;
  }
  HRESULT Quantidade(long* plQtd) override {
    if (plQtd == nullptr) return E_POINTER;
    *plQtd = 0;
    if (HRESULT hr = Entrada("IQZCM_AutorizacaoCompra::Quantidade"); hr != S_OK) return hr;
    CComando comando(*m_pBanco, "SELECT COUNT(*) FROM autorizacao_compra");
    std::vector<long long> v;
    if (HRESULT hr = Chaves(comando, v); hr != S_OK) return hr;
    *plQtd = v.empty() ? 0 : static_cast<long>(v[0]);
    return S_OK;
  }
  HRESULT BuscaChave(BSTR bstrCodigo, DWORD* plChave) override {
    if (plChave == nullptr || bstrCodigo == nullptr) return E_POINTER;
    *plChave = 0;
    if (HRESULT hr = Entrada("IQZCM_AutorizacaoCompra::BuscaChave"); hr != S_OK) return hr;
    CComando comando(*m_pBanco, "SELECT lPonteiro FROM autorizacao_compra WHERE szCodigo = ? ORDER BY lPonteiro");
    comando.Liga(1, CString(bstrCodigo).GetString());
    std::vector<long long> v;
    if (HRESULT hr = Chaves(comando, v); hr != S_OK) return hr;
    if (v.empty()) return QZ_E_REGISTRO_NAO_ENCONTRADO;
    *plChave = static_cast<DWORD>(v[0]);
    return S_OK;
  }
  HRESULT Existe(DWORD lChave, BYTE* pbExiste) override {
    if (pbExiste == nullptr) return E_POINTER;
    *pbExiste = 0;
    if (HRESULT hr = Entrada("IQZCM_AutorizacaoCompra::Existe"); hr != S_OK) return hr;
    CComando comando(*m_pBanco, "SELECT lPonteiro FROM autorizacao_compra WHERE lPonteiro = ?");
    comando.Liga(1, static_cast<long long>(lChave));
    std::vector<long long> v;
    if (HRESULT hr = Chaves(comando, v); hr != S_OK) return hr;
    *pbExiste = v.empty() ? 0 : 1;
    return S_OK;
  }
  HRESULT BuscaPonteiros(REG_FILTRO_AUTORIZACAO_COMPRAPS rFiltro, REG_ARRAY_CHAVEPS* pArray) override {
    if (pArray == nullptr) return E_POINTER;
    pArray->Zera();
    if (HRESULT hr = Entrada("IQZCM_AutorizacaoCompra::BuscaPonteiros"); hr != S_OK) return hr;
    std::vector<long long> chaves;
    if (rFiltro.byLista() == 1) {
      CComando comando(*m_pBanco, "SELECT lPonteiro FROM autorizacao_compra ORDER BY szCodigo, lPonteiro");
      if (HRESULT hr = Chaves(comando, chaves); hr != S_OK) return hr;
    } else {
      const std::string strCodigo(rFiltro.szCodigo());
      if (strCodigo.empty()) return S_OK;
      CComando comando(*m_pBanco, "SELECT lPonteiro FROM autorizacao_compra WHERE szCodigo = ? ORDER BY lPonteiro");
      comando.Liga(1, strCodigo.c_str());
      if (HRESULT hr = Chaves(comando, chaves); hr != S_OK) return hr;
    }
    DWORD* p = AlocaChaves<DWORD>(chaves);
    if (!chaves.empty() && p == nullptr) return E_OUTOFMEMORY;
    pArray->Set_nQtd(static_cast<DWORD>(chaves.size()));
    pArray->Set_pChave(p);
    return S_OK;
  }
  HRESULT LeLight(DWORD lChave, REG_AUTORIZACAO_COMPRA_LIGHTPS* pReg) override {
    if (pReg == nullptr) return E_POINTER;
    pReg->Zera();
    if (HRESULT hr = Entrada("IQZCM_AutorizacaoCompra::LeLight"); hr != S_OK) return hr;
    return LeUm("SELECT * FROM autorizacao_compra WHERE lPonteiro = ?", static_cast<long long>(lChave), pReg);
  }
};

class CServidorMateriais final : public TObjetoCom<IQZDF_Materiais, IID_IQZDF_Materiais> {
 public:
  HRESULT Conecta(const CString& strEmpresa) {
    if (HRESULT hr = FalhaProgramada("CConexaoCondicaoPagamento::Conecta"); hr != S_OK) return hr;
    std::string strErro;
    m_pBanco = AbreEmpresa(strEmpresa.GetString(), strErro);
    return m_pBanco ? S_OK : QZ_E_EMPRESA_NAO_ENCONTRADA;
  }
  void Desconecta() { m_pBanco.reset(); }

  HRESULT LeProduto(long, void*) override { return E_NOTIMPL; }
  HRESULT LeUnidade(WORD, void*) override { return E_NOTIMPL; }
  HRESULT LeGrupo(WORD, void*) override { return E_NOTIMPL; }
  HRESULT LeCondicaoPagamento(WORD iChave, REG_CONDICAO_PAGAMENTOPS* pReg) override {
    if (pReg == nullptr) return E_POINTER;
    pReg->Zera();
    if (HRESULT hr = Entrada("IQZDF_Materiais::LeCondicaoPagamento"); hr != S_OK) return hr;
    return LeUm("SELECT * FROM condicao_pagamento WHERE iPonteiro = ?", static_cast<long long>(iChave), pReg);
  }
  HRESULT LeCondicaoPagamentoCodigo(BSTR bstrCodigo, WORD* piChave, REG_CONDICAO_PAGAMENTOPS* pReg) override {
    if (pReg == nullptr || piChave == nullptr || bstrCodigo == nullptr) return E_POINTER;
    pReg->Zera();
    *piChave = 0;
    if (HRESULT hr = Entrada("IQZDF_Materiais::LeCondicaoPagamentoCodigo"); hr != S_OK) return hr;
    const CString strCodigo(bstrCodigo);
    const HRESULT hr = LeUm("SELECT * FROM condicao_pagamento WHERE szCodigo = ?", strCodigo.GetString(), pReg);
    if (hr == QZ_E_REGISTRO_NAO_ENCONTRADO) return S_OK;
    if (hr == S_OK) *piChave = pReg->iPonteiro();
    return hr;
  }
  HRESULT GravaProduto(void*) override { return E_NOTIMPL; }
  HRESULT GravaUnidade(void*) override { return E_NOTIMPL; }
  HRESULT GravaGrupo(void*) override { return E_NOTIMPL; }
  HRESULT ExcluiProduto(long) override { return E_NOTIMPL; }
  HRESULT BuscaCondicoesPagamento(REG_FILTRO_CONDICAO_PAGAMENTOPS rFiltro,
                                  REG_CHAVES_CONDICAOPS** ppChaves) override {
    if (ppChaves == nullptr) return E_POINTER;
    *ppChaves = nullptr;
    if (HRESULT hr = Entrada("IQZDF_Materiais::BuscaCondicoesPagamento"); hr != S_OK) return hr;
    // A validade é comparada pelo número do dia, como o controle compara.
    CComando comando(*m_pBanco,
                     "SELECT iPonteiro, dmaValidade FROM condicao_pagamento "
                     "WHERE (?1 = 0 OR byModulo14 = 1) AND (?2 = 0 OR byModulo13 = 1) ORDER BY szCodigo");
    comando.Liga(1, static_cast<long long>(rFiltro.byModulo14()));
    comando.Liga(2, static_cast<long long>(rFiltro.byModulo13()));
    if (!comando.Preparado()) return QZ_E_BANCO_DE_DADOS;
    std::vector<long long> chaves;
    while (comando.Proxima()) {
      const char* szData = reinterpret_cast<const char*>(sqlite3_column_text(comando.Bruto(), 1));
      if (rFiltro.dmaReferencia() != 0 && szData != nullptr && ValidadeAntes(szData, rFiltro.dmaReferencia()))
        continue;
      chaves.push_back(sqlite3_column_int64(comando.Bruto(), 0));
    }
    if (!comando.Erro().empty()) return QZ_E_BANCO_DE_DADOS;
    auto* pConjunto = static_cast<REG_CHAVES_CONDICAOPS*>(CoTaskMemAlloc(sizeof(REG_CHAVES_CONDICAOPS)));
    if (pConjunto == nullptr) return E_OUTOFMEMORY;
    pConjunto->Zera();
    pConjunto->Set_nQtd(static_cast<WORD>(chaves.size()));
    pConjunto->Set_pChave(AlocaChaves<WORD>(chaves));
    *ppChaves = pConjunto;
    return S_OK;
  }

 private:
  static bool ValidadeAntes(const char* szData, REG_QZDMA dmaReferencia) {
    int a = 0, m = 0, d = 0;
    if (std::sscanf(szData, "%4d-%2d-%2d", &a, &m, &d) != 3) return false;
    return QZDMA(d, m, a) < dmaReferencia;
  }
};

class CComponentePeriodo final : public TObjetoCom<IQZDF_Periodo, IID_IQZDF_Periodo> {
 public:
  HRESULT Quantidade(DWORD* pnQtd) override {
    if (pnQtd == nullptr) return E_POINTER;
    *pnQtd = 0;
    if (HRESULT hr = Entrada("IQZDF_Periodo::Quantidade"); hr != S_OK) return hr;
    CComando comando(*m_pBanco, "SELECT COUNT(*) FROM periodicidade");
    std::vector<long long> v;
    if (HRESULT hr = Chaves(comando, v); hr != S_OK) return hr;
    *pnQtd = v.empty() ? 0 : static_cast<DWORD>(v[0]);
    return S_OK;
  }
  HRESULT Le(WORD iCodigo, REG_PERIODICIDADEPS* pReg) override {
    if (pReg == nullptr) return E_POINTER;
    pReg->Zera();
    if (HRESULT hr = Entrada("IQZDF_Periodo::Le"); hr != S_OK) return hr;
    return LeUm("SELECT * FROM periodicidade WHERE iCodigo = ? ORDER BY iPonteiro", static_cast<long long>(iCodigo), pReg);
  }
  HRESULT LeVarios(DWORD nQtd, const WORD* piChaves, REG_PERIODICIDADEPS* aEntradas) override {
    if (nQtd > 0 && (piChaves == nullptr || aEntradas == nullptr)) return E_POINTER;
    for (DWORD i = 0; i < nQtd; ++i) aEntradas[i].Zera();
    if (HRESULT hr = Entrada("IQZDF_Periodo::LeVarios"); hr != S_OK) return hr;
    for (DWORD i = 0; i < nQtd; ++i) {
      const HRESULT hr = LeUm("SELECT * FROM periodicidade WHERE iPonteiro = ?",
                              static_cast<long long>(piChaves[i]), &aEntradas[i]);
      if (hr != S_OK) return hr;
    }
    return S_OK;
  }
  HRESULT BuscaPonteiros(REG_BUSCA_PERIODOPS rBusca, REG_CHAVES_PERIODOPS* pResultado) override {
    if (pResultado == nullptr) return E_POINTER;
    pResultado->Zera();
    if (HRESULT hr = Entrada("IQZDF_Periodo::BuscaPonteiros"); hr != S_OK) return hr;
    if (rBusca.byTodas() != 1) return S_OK;
    CComando comando(*m_pBanco, "SELECT iPonteiro FROM periodicidade ORDER BY iPonteiro");
    std::vector<long long> chaves;
    if (HRESULT hr = Chaves(comando, chaves); hr != S_OK) return hr;
    WORD* p = AlocaChaves<WORD>(chaves);
    if (!chaves.empty() && p == nullptr) return E_OUTOFMEMORY;
    pResultado->Set_nQtd(static_cast<DWORD>(chaves.size()));
    pResultado->Set_pChave(p);
    return S_OK;
  }
  HRESULT Finaliza() override {
    m_pBanco.reset();
    return S_OK;
  }
  HRESULT Inicializa(BSTR bstrEmpresa, unsigned short, long) override {
    if (HRESULT hr = FalhaProgramada("IQZDF_Periodo::Inicializa"); hr != S_OK) return hr;
    return Liga(bstrEmpresa);
  }
};

}  // namespace
}  // namespace vrmsuite

HRESULT QZCriaAutorizacaoCompra(IQZCM_AutorizacaoCompra** ppServidor) {
  if (ppServidor == nullptr) return E_POINTER;
  *ppServidor = nullptr;
  if (HRESULT hr = vrmsuite::FalhaProgramada("IQZCM_AutorizacaoCompra::Cria"); hr != S_OK) return hr;
  *ppServidor = new vrmsuite::CServidorAutorizacaoCompra;
  return S_OK;
}

namespace {

HRESULT CriaComponentePeriodo(REFIID riid, void** ppv) {
  if (ppv == nullptr) return E_POINTER;
  *ppv = nullptr;
  if (HRESULT hr = vrmsuite::FalhaProgramada("IQZDF_Periodo::Cria"); hr != S_OK) return hr;
  auto* pComponente = new vrmsuite::CComponentePeriodo;
  const HRESULT hr = pComponente->QueryInterface(riid, ppv);
  pComponente->Release();
  return hr;
}

// A biblioteca registra o componente ao carregar.
const bool g_bPeriodoRegistrado = (CoRegisterClassCreator(CLSID_QZDF_Periodo, CriaComponentePeriodo), true);

}  // namespace

CConexaoCondicaoPagamento::~CConexaoCondicaoPagamento() {
  if (m_pServidor) {
    static_cast<vrmsuite::CServidorMateriais*>(m_pServidor)->Desconecta();
    m_pServidor->Release();
  }
}

HRESULT CConexaoCondicaoPagamento::CriaServidor() {
  if (m_pServidor == nullptr) m_pServidor = new vrmsuite::CServidorMateriais;
  return S_OK;
}

HRESULT CConexaoCondicaoPagamento::Conecta(const CString& strEmpresa, unsigned short, long) {
  CriaServidor();
  return static_cast<vrmsuite::CServidorMateriais*>(m_pServidor)->Conecta(strEmpresa);
}

HRESULT CConexaoCondicaoPagamento::Desconecta() {
  if (m_pServidor) static_cast<vrmsuite::CServidorMateriais*>(m_pServidor)->Desconecta();
  return S_OK;
}
