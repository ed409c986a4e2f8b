// A escolha do nível de autenticação da segurança COM do processo.
#include "vrmwnd/base/QZSegurancaCOM.h"

namespace {

bool g_bDesabilitaAutenticacao = false;

}  // namespace

void QZSetDesabilitaAutenticacaoDCOM(bool bDesabilita) { g_bDesabilitaAutenticacao = bDesabilita; }

bool QZGetDesabilitaAutenticacaoDCOM() { return g_bDesabilitaAutenticacao; }

DWORD QZNivelAutenticacaoCOM() {
  return g_bDesabilitaAutenticacao ? QZ_RPC_C_AUTHN_LEVEL_NONE : QZ_RPC_C_AUTHN_LEVEL_DEFAULT;
}
