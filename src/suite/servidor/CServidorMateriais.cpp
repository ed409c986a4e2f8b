// As condições de pagamento do servidor de materiais (IQZDF_Materiais) sobre a tabela
// condicao_pagamento do banco da empresa, e CConexaoCondicaoPagamento, a conexão que
// cria o servidor e o liga à empresa.
#include <cstdio>
#include <string>
#include <vector>

#include "TObjetoCom.h"
#include "vrmwnd/suite/servidor/IQZDF_Materiais.h"

namespace vrmsuite {
namespace {

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
    return LeRegistro("IQZDF_Materiais::LeCondicaoPagamento", "SELECT * FROM condicao_pagamento WHERE iPonteiro = ?",
                      static_cast<long long>(iChave), pReg);
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
  HRESULT BuscaCondicoesPagamento(REG_FILTRO_CONDICAO_PAGAMENTOPS rFiltro, REG_CHAVES_CONDICAOPS** ppChaves) override {
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
      if (rFiltro.dmaReferencia() != 0 && szData != nullptr && ValidadeAntes(szData, rFiltro.dmaReferencia())) continue;
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

}  // namespace
}  // namespace vrmsuite

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
