// A interação das regras com a tela: a liberação de acesso vai sem mudança à
// biblioteca da empresa.
#include "vrmwnd/business/CInteracaoComTelaWnd.h"

CInteracaoComTelaWnd::~CInteracaoComTelaWnd() = default;

void CInteracaoComTelaWnd::OnInteracao_deprecated() { CInteracaoComTelaBase::OnInteracao_deprecated(); }

bool CInteracaoComTelaWnd::OnQZLiberaAcesso(const char* szOperacao, unsigned short nUsuario, long lChave,
                                            QZModuloNumero nModulo, unsigned short nNivel, CWnd* pPai) {
  return QZLiberaAcesso(szOperacao, nUsuario, lChave, nModulo, nNivel, pPai);
}

int CInteracaoComTelaWnd::OnQZLiberaAcesso3(const char* szOperacao, unsigned short nUsuario, long lChave,
                                            QZModuloNumero nModulo, unsigned short nNivel,
                                            unsigned short& nNivelConcedido, CWnd* pPai) {
  return QZLiberaAcesso3(szOperacao, nUsuario, lChave, nModulo, nNivel, nNivelConcedido, pPai);
}
