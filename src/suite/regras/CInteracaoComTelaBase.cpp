// A liberação de acesso da biblioteca da empresa, com a política do processo.
#include "vrmwnd/suite/regras/CInteracaoComTelaBase.h"

#include "vrmwnd/suite/ganchos_teste.h"

namespace {
vrmsuite::TPoliticaLiberaAcesso& Politica() {
  static auto* pPolitica = new vrmsuite::TPoliticaLiberaAcesso;
  return *pPolitica;
}
}  // namespace

void vrmsuite::InstalaPoliticaLiberaAcesso(TPoliticaLiberaAcesso politica) { Politica() = std::move(politica); }

int QZLiberaAcesso3(const char* szOperacao, unsigned short nUsuario, long lChave, QZModuloNumero nModulo,
                    unsigned short nNivel, unsigned short& nNivelConcedido, CWnd* pPai) {
  if (!Politica()) {
    nNivelConcedido = nNivel;
    return 1;
  }
  return Politica()(szOperacao, nUsuario, lChave, nModulo, nNivel, nNivelConcedido, pPai);
}

bool QZLiberaAcesso(const char* szOperacao, unsigned short nUsuario, long lChave, QZModuloNumero nModulo,
                    unsigned short nNivel, CWnd* pPai) {
  unsigned short nConcedido = 0;
  return QZLiberaAcesso3(szOperacao, nUsuario, lChave, nModulo, nNivel, nConcedido, pPai) != 0;
}
