// A segurança COM do processo e o nível de autenticação que ela usa: o padrão, ou
// nenhuma autenticação quando a instalação o pede (o valor "DesabilitaAutenticacaoDCOM"
// do registro, lido pela biblioteca do módulo quando ela carrega).
#pragma once

#include "vrmwnd/base/exporta.h"
#include "vrmwnd/platform/comsecurity.h"

// Com bDesabilita, a segurança COM passa a usar nenhuma autenticação; sem, o padrão.
VRMWND_BASE_API void QZSetDesabilitaAutenticacaoDCOM(bool bDesabilita);
VRMWND_BASE_API bool QZGetDesabilitaAutenticacaoDCOM();
// RPC_C_AUTHN_LEVEL_NONE quando desabilitada; senão RPC_C_AUTHN_LEVEL_DEFAULT.
VRMWND_BASE_API DWORD QZNivelAutenticacaoCOM();
// Inicializa a segurança COM do processo com esse nível e a personificação
// (RPC_C_IMP_LEVEL_IMPERSONATE); já inicializada, devolve RPC_E_TOO_LATE do sistema.
VRMWND_BASE_API HRESULT QZInicializaSegurancaCOM();
