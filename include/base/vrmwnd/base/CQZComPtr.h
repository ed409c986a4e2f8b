// Criação de objetos COM da base: QZCoCreateInstance cria pela tabela de classes do
// processo, registra a falha (ou a interface nula) no log de erros e a criação no
// rastro (COCREATE); CQZComPtr<T> guarda a interface criada e a libera ao morrer.
#pragma once

#include <string>

#include "vrmwnd/base/QZProfiler.h"
#include "vrmwnd/base/exporta.h"
#include "vrmwnd/platform/objbase.h"

// Opções de QZCoCreateInstance; o módulo passa sempre as duas juntas (3).
enum eQZCoCreateInstance : DWORD {
  eQZCCI_LOG_FAILURE = 1,  // registra a falha no log de erros
  eQZCCI_RETRY = 2,        // tenta de novo uma vez quando o servidor caiu no meio
};

// Sucesso da criação que deixou a interface nula: devolvido como falha.
inline constexpr HRESULT ER_QZDF_CO_CREATE_INSTANCE_INTERFACE_NULA = static_cast<HRESULT>(0x80FF0AF8u);

// Onde a falha de uma criação é registrada: a classe::função e a fonte.
struct TQZLocalCriacao {
  const char* szClasseFuncao = "QZCoCreateInstance";
  const char* szArquivo = "QZComPtr";
  int nLinha = 0;
};

// Cria o objeto da classe com a interface riid em *ppv (nulo na falha). Um sucesso
// com a interface nula vira ER_QZDF_CO_CREATE_INSTANCE_INTERFACE_NULA. Com
// eQZCCI_RETRY, uma criação que falhou porque o servidor caiu (RPC_E_DISCONNECTED,
// RPC_S_SERVER_UNAVAILABLE) é tentada mais uma vez. Com eQZCCI_LOG_FAILURE, a falha
// final é registrada uma vez no local dado. O sucesso grava COCREATE quando o
// rastro de criações está ligado, com a classe em texto como ProgID e a fonte do
// local como módulo.
VRMWND_BASE_API HRESULT QZCoCreateInstance(REFCLSID rclsid, IUnknown* pUnkOuter, DWORD dwClsContext, REFIID riid,
                                           void** ppv, DWORD nOpcoes, const TQZLocalCriacao& local = {});

// Ponteiro COM dono de uma referência; T precisa de DECLARE_INTERFACE_IID.
template <class T>
class CQZComPtr {
 public:
  CQZComPtr() = default;
  ~CQZComPtr() { Release(); }
  CQZComPtr(const CQZComPtr&) = delete;
  CQZComPtr& operator=(const CQZComPtr&) = delete;

  // Cria o objeto da classe; a falha é registrada como
  // "CQZComPtr<struct T>::CoCreateInstance", fonte "QZComPtr". Solta antes a
  // interface que tinha.
  HRESULT CoCreateInstance(REFCLSID rclsid, DWORD nOpcoes = eQZCCI_LOG_FAILURE | eQZCCI_RETRY) {
    Release();
    static const std::string strFuncao =
        std::string("CQZComPtr<struct ") + InterfaceIdentity<T>::kName + ">::CoCreateInstance";
    void* pv = nullptr;
    const HRESULT hr = QZCoCreateInstance(rclsid, nullptr, CLSCTX_ALL, uuidof<T>(), &pv, nOpcoes,
                                          {strFuncao.c_str(), "QZComPtr", __LINE__});
    m_pInterface = static_cast<T*>(pv);
    return hr;
  }
  void Release() {
    if (m_pInterface) m_pInterface->Release();
    m_pInterface = nullptr;
  }
  T* operator->() const { return m_pInterface; }
  T* Get() const { return m_pInterface; }
  explicit operator bool() const { return m_pInterface != nullptr; }

  T* m_pInterface = nullptr;
};
