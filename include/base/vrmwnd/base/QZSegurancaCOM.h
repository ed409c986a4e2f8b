// O nível de autenticação que a segurança COM do processo usa: o padrão, ou nenhuma
// autenticação quando a instalação o pede (o valor "DesabilitaAutenticacaoDCOM" do
// registro, lido pela biblioteca do módulo quando ela carrega).
#pragma once

#include "vrmwnd/base/exporta.h"
#include "vrmwnd/platform/wintypes.h"

inline constexpr DWORD QZ_RPC_C_AUTHN_LEVEL_DEFAULT = 0;  // RPC_C_AUTHN_LEVEL_DEFAULT
inline constexpr DWORD QZ_RPC_C_AUTHN_LEVEL_NONE = 1;     // RPC_C_AUTHN_LEVEL_NONE

// Com bDesabilita, a segurança COM passa a usar nenhuma autenticação; sem, o padrão.
VRMWND_BASE_API void QZSetDesabilitaAutenticacaoDCOM(bool bDesabilita);
VRMWND_BASE_API bool QZGetDesabilitaAutenticacaoDCOM();
// O nível que a inicialização da segurança COM passa ao sistema.
VRMWND_BASE_API DWORD QZNivelAutenticacaoCOM();
