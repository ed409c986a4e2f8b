// Os oito pontos de entrada de automação: cada um só abre o configurador de alertas
// do módulo com o seu tipo; achar, iniciar e relatar falhas é de ExecutaProgramaTarvo.
#include "vrmwnd/util/automacao.h"

#include "vrmwnd/suite/regras/CVRMSVRUtil.h"
#include "vrmwnd/util/modulo.h"

namespace {

void AbreConfiguradorAlerta(int nTipoAlerta, const char* szEmpresa, unsigned short nUsuario, long lSessao) {
  CString strOpcao;
  strOpcao.Format("-T%d", nTipoAlerta);
  CVRMSVRUtil::ExecutaProgramaTarvo("ALRTCONF.EXE", vrmwnd::kCodigoModulo, CString(szEmpresa), nUsuario, lSessao,
                                    strOpcao);
}

}  // namespace

#define VRMWND_PONTO_ALERTA(nome, tipo)                                     \
  void nome(const char* szEmpresa, unsigned short nUsuario, long lSessao) { \
    AbreConfiguradorAlerta(tipo, szEmpresa, nUsuario, lSessao);             \
  }

VRMWND_PONTO_ALERTA(ParaAUTO_EXCEDENTE_CFG, 2)
VRMWND_PONTO_ALERTA(ParaAUTO_REINCLUIDO_CFG, 3)
VRMWND_PONTO_ALERTA(ParaAUTO_AUTORIZACAO_CFG, 4)
VRMWND_PONTO_ALERTA(ParaAUTO_STATUSOC_CFG, 5)
VRMWND_PONTO_ALERTA(ParaAUTO_STATUSOCFORNECEDOR_CFG, 6)
VRMWND_PONTO_ALERTA(ParaAUTO_ACOMPANHAMENTO_CFG, 7)
VRMWND_PONTO_ALERTA(ParaAUTO_INCLUSAOSC_CFG, 8)
VRMWND_PONTO_ALERTA(ParaAUTO_VENCIMENTO_CC_CFG, 9)
