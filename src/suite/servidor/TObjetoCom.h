// A base dos objetos COM da suíte sobre o banco da empresa (servidores das consultas e
// componentes de periodicidades e de log): a contagem de referências e o
// QueryInterface de um objeto de uma interface só, a criação pela tabela de classes,
// a empresa ligada, a entrada de cada leitura pelo gancho de teste com o nome
// "Interface::Metodo" e as leituras de uma linha, de uma contagem e de chaves.
#pragma once

#include <atomic>
#include <memory>
#include <string>
#include <vector>

#include "banco_impl.h"
#include "falhas_leitura.h"
#include "vrmwnd/platform/CString.h"
#include "vrmwnd/platform/comalloc.h"
#include "vrmwnd/platform/unknwn.h"
#include "vrmwnd/suite/servidor/resultados.h"

namespace vrmsuite {

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
    return LeLinha(comando, pReg);
  }
  // A próxima linha de um comando já ligado em *pReg; sem linha,
  // QZ_E_REGISTRO_NAO_ENCONTRADO. Uma linha que não cabe no registro o deixa zerado.
  template <class TRegistro>
  static HRESULT LeLinha(CComando& comando, TRegistro* pReg) {
    if (!comando.Proxima()) return comando.Erro().empty() ? QZ_E_REGISTRO_NAO_ENCONTRADO : QZ_E_BANCO_DE_DADOS;
    std::string strErro;
    const HRESULT hr = PreencheDaLinha(comando, *pReg, strErro);
    if (hr != S_OK) pReg->Zera();
    return hr;
  }
  // O número da primeira coluna da linha de um SELECT COUNT(*) já ligado.
  template <class TQtd>
  static HRESULT Conta(CComando& comando, TQtd* pnQtd) {
    if (!comando.Preparado() || !comando.Proxima()) return QZ_E_BANCO_DE_DADOS;
    *pnQtd = static_cast<TQtd>(sqlite3_column_int64(comando.Bruto(), 0));
    return S_OK;
  }
  // A operação szLeitura que lê um registro: *pReg zerado, a entrada e LeUm.
  template <class TRegistro, class TParam>
  HRESULT LeRegistro(const char* szLeitura, const char* szSql, TParam param, TRegistro* pReg) const {
    if (pReg == nullptr) return E_POINTER;
    pReg->Zera();
    if (HRESULT hr = Entrada(szLeitura); hr != S_OK) return hr;
    return LeUm(szSql, param, pReg);
  }
  // A operação szLeitura que conta: *pnQtd zerado, a entrada e o SELECT COUNT(*) szSql.
  template <class TQtd>
  HRESULT LeQuantidade(const char* szLeitura, const char* szSql, TQtd* pnQtd) const {
    if (pnQtd == nullptr) return E_POINTER;
    *pnQtd = 0;
    if (HRESULT hr = Entrada(szLeitura); hr != S_OK) return hr;
    CComando comando(*m_pBanco, szSql);
    return Conta(comando, pnQtd);
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

// O criador de um objeto T para a tabela de classes: a falha programada szCriacao
// ("Interface::Cria"), depois a interface pedida, que o objeto pode não ter.
template <class T>
HRESULT CriaObjetoCom(const char* szCriacao, REFIID riid, void** ppv) {
  if (ppv == nullptr) return E_POINTER;
  *ppv = nullptr;
  if (HRESULT hr = FalhaProgramada(szCriacao); hr != S_OK) return hr;
  auto* pObjeto = new T;
  const HRESULT hr = pObjeto->QueryInterface(riid, ppv);
  pObjeto->Release();
  return hr;
}

}  // namespace vrmsuite
