// Pontos de entrada de automação: oito funções C sem decoração, exportadas pela
// biblioteca, que abrem o configurador de alertas do módulo ("ALRTCONF.EXE") no tipo
// de alerta de cada uma. Os três argumentos seguem sem mudança para o programa.
#pragma once

#include "vrmwnd/util/exporta.h"

// szEmpresa, nUsuario e lSessao seguem como 3º, 4º e 5º argumentos de
// CVRMSVRUtil::ExecutaProgramaTarvo; o tipo vai na opção "-T%d".
VRMWND_API_C void ParaAUTO_EXCEDENTE_CFG(const char* szEmpresa, unsigned short nUsuario, long lSessao);           // 2
VRMWND_API_C void ParaAUTO_REINCLUIDO_CFG(const char* szEmpresa, unsigned short nUsuario, long lSessao);          // 3
VRMWND_API_C void ParaAUTO_AUTORIZACAO_CFG(const char* szEmpresa, unsigned short nUsuario, long lSessao);         // 4
VRMWND_API_C void ParaAUTO_STATUSOC_CFG(const char* szEmpresa, unsigned short nUsuario, long lSessao);            // 5
VRMWND_API_C void ParaAUTO_STATUSOCFORNECEDOR_CFG(const char* szEmpresa, unsigned short nUsuario, long lSessao);  // 6
VRMWND_API_C void ParaAUTO_ACOMPANHAMENTO_CFG(const char* szEmpresa, unsigned short nUsuario, long lSessao);      // 7
VRMWND_API_C void ParaAUTO_INCLUSAOSC_CFG(const char* szEmpresa, unsigned short nUsuario, long lSessao);          // 8
VRMWND_API_C void ParaAUTO_VENCIMENTO_CC_CFG(const char* szEmpresa, unsigned short nUsuario, long lSessao);       // 9
