// O servidor de autorizações de compra (IQZCM_AutorizacaoCompra) sobre a tabela
// autorizacao_compra do banco da empresa: quantidade, busca de chave por código,
// existência, busca de ponteiros pelo filtro e a leitura do registro leve.
#include <string>
#include <vector>

#include "TObjetoCom.h"
#include "vrmwnd/suite/servidor/IQZCM_AutorizacaoCompra.h"

namespace vrmsuite {
namespace {

class CServidorAutorizacaoCompra final : public TObjetoCom<IQZCM_AutorizacaoCompra, IID_IQZCM_AutorizacaoCompra> {
 public:
  HRESULT Inicializa(BSTR bstrEmpresa, unsigned short, long) override { return Liga(bstrEmpresa); }
  HRESULT Finaliza() override {
    m_pBanco.reset();
    return S_OK;
  }
  HRESULT Quantidade(long* plQtd) override {
    return LeQuantidade("IQZCM_AutorizacaoCompra::Quantidade", "SELECT COUNT(*) FROM autorizacao_compra", plQtd);
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
    return LeRegistro("IQZCM_AutorizacaoCompra::LeLight", "SELECT * FROM autorizacao_compra WHERE lPonteiro = ?",
                      static_cast<long long>(lChave), pReg);
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
