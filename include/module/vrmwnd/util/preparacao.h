// O que uma tela precisa antes de abrir, numa chamada: a instalação (log.ini, os
// arquivos de mensagens e o registro que aponta para eles, sob a pasta de dados da
// plataforma, VRMWND_HOME) e a empresa. Sem a instalação, cada código recusado por um
// edit de consulta mostraria duas caixas (o arquivo de mensagens não abre; a mensagem
// não está cadastrada) em vez da mensagem da recusa.
#pragma once

#include "vrmwnd/platform/CString.h"
#include "vrmwnd/platform/wintypes.h"
#include "vrmwnd/util/exporta.h"

// A empresa de amostra, que VRMPreparaAmbiente cria quando nenhuma é dada.
inline constexpr const char* kVRMEmpresaAmostra = "AMOSTRA";

// Grava a instalação de exemplo quando o registro ainda não tem a pasta de instalação
// ("Path"), e cria szEmpresa como a empresa de amostra quando ela não está registrada
// (uma empresa que já existe fica como está). Devolve S_OK; E_INVALIDARG para um nome
// de empresa inválido, E_FAIL quando algo não pôde ser gravado, com o motivo em
// português em pstrFalha, quando dado.
VRMWND_API HRESULT VRMPreparaAmbiente(const char* szEmpresa = kVRMEmpresaAmostra, CString* pstrFalha = nullptr);
