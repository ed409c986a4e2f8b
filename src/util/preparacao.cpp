// A instalação e a empresa garantidas numa chamada, antes da primeira tela.
#include "vrmwnd/util/preparacao.h"

#include <string>

#include "vrmwnd/base/QZInstalacao.h"
#include "vrmwnd/platform/home.h"
#include "vrmwnd/platform/registry.h"
#include "vrmwnd/suite/servidor/banco_empresa.h"
#include "vrmwnd/suite/servidor/criacao_empresa.h"

namespace {

HRESULT Falha(HRESULT hr, CString* pstrFalha, const CString& strMotivo) {
  if (pstrFalha != nullptr) *pstrFalha = strMotivo;
  return hr;
}

}  // namespace

HRESULT VRMPreparaAmbiente(const char* szEmpresa, CString* pstrFalha) {
  const std::string strEmpresa = szEmpresa ? szEmpresa : "";
  if (!vrmsuite::NomeEmpresaValido(strEmpresa))
    return Falha(
        E_INVALIDARG, pstrFalha,
        CString("nome de empresa inválido: \"") + strEmpresa.c_str() + "\" (1 a 64 letras, dígitos, '_' ou '-')");
  if (QZLeRegistroTexto(HKEY_LOCAL_MACHINE, QZChaveEmpresarial(), "Path").IsEmpty()) {
    const std::string strPasta = GetPlatformHomeDirectory() + "/instalacao";
    CString strOnde;
    if (!QZCriaInstalacaoExemplo(strPasta.c_str(), false, &strOnde))
      return Falha(E_FAIL, pstrFalha, "não foi possível gravar a instalação: " + strOnde);
  }
  if (!vrmsuite::ArquivoEmpresa(strEmpresa).empty()) return S_OK;
  std::string strErro;
  if (vrmsuite::GaranteEmpresaDeAmostra(strEmpresa, strErro) != S_OK)
    return Falha(E_FAIL, pstrFalha,
                 CString("não foi possível criar a empresa ") + strEmpresa.c_str() + ": " + strErro.c_str());
  return S_OK;
}
