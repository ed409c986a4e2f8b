// A escolha do nível de autenticação da segurança COM do processo e a sua inicialização.
#include "vrmwnd/base/QZSegurancaCOM.h"

namespace {

bool g_bDesabilitaAutenticacao = false;

}  // namespace

void QZSetDesabilitaAutenticacaoDCOM(bool bDesabilita) { g_bDesabilitaAutenticacao = bDesabilita; }

bool QZGetDesabilitaAutenticacaoDCOM() { return g_bDesabilitaAutenticacao; }

DWORD QZNivelAutenticacaoCOM() {
  return g_bDesabilitaAutenticacao ? RPC_C_AUTHN_LEVEL_NONE : RPC_C_AUTHN_LEVEL_DEFAULT;
}

HRESULT QZInicializaSegurancaCOM() {
  return CoInitializeSecurity(nullptr, -1, nullptr, nullptr, QZNivelAutenticacaoCOM(), RPC_C_IMP_LEVEL_IMPERSONATE,
                              nullptr, EOAC_NONE, nullptr);
}
