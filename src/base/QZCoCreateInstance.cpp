// Criação de objetos COM pela tabela de classes: nova tentativa quando o servidor
// caiu, a interface nula tratada como falha, a falha no log de erros e a criação no
// rastro de criações.
#include "vrmwnd/base/CQZComPtr.h"

#include "vrmwnd/platform/process.h"

namespace {

// O servidor caiu no meio da chamada; outra tentativa pode achá-lo de pé.
constexpr HRESULT kDesconectado = static_cast<HRESULT>(0x80010108u);          // RPC_E_DISCONNECTED
constexpr HRESULT kServidorIndisponivel = static_cast<HRESULT>(0x800706BAu);  // RPC_S_SERVER_UNAVAILABLE

HRESULT Cria(REFCLSID rclsid, IUnknown* pUnkOuter, DWORD dwClsContext, REFIID riid, void** ppv) {
  HRESULT hr = ::CoCreateInstance(rclsid, pUnkOuter, dwClsContext, riid, ppv);
  if (hr == S_OK && *ppv == nullptr) hr = ER_QZDF_CO_CREATE_INSTANCE_INTERFACE_NULA;
  return hr;
}

}  // namespace

HRESULT QZCoCreateInstance(REFCLSID rclsid, IUnknown* pUnkOuter, DWORD dwClsContext, REFIID riid, void** ppv,
                           DWORD nOpcoes, const TQZLocalCriacao& local) {
  if (ppv == nullptr) return E_POINTER;
  *ppv = nullptr;
  HRESULT hr = Cria(rclsid, pUnkOuter, dwClsContext, riid, ppv);
  if ((nOpcoes & eQZCCI_RETRY) && (hr == kDesconectado || hr == kServidorIndisponivel))
    hr = Cria(rclsid, pUnkOuter, dwClsContext, riid, ppv);
  if (hr != S_OK) {
    if (*ppv != nullptr) static_cast<IUnknown*>(*ppv)->Release();
    *ppv = nullptr;
    if (nOpcoes & eQZCCI_LOG_FAILURE)
      QZVerificaHR(hr, eQZFalhaSeNaoZero, nullptr, local.szClasseFuncao, local.szArquivo, local.nLinha,
                   "QZCoCreateInstance(rclsid, NULL, CLSCTX_ALL, __uuidof(T), (void**)&m_pInterface, nFlags)");
    return hr;
  }
  char szClasse[64] = "";
  StringFromGUID2A(rclsid, szClasse, sizeof szClasse);
  QZProfilerCoCreate("QZCoCreateInstance", szClasse, local.szArquivo);
  return S_OK;
}
