// A interação das regras com a tela pela camada de janelas (CInteracaoComTelaWnd):
// a liberação de acesso passa, sem nada acrescentar, à biblioteca da empresa.
#pragma once

#include "vrmwnd/suite/regras/CInteracaoComTelaBase.h"
#include "vrmwnd/util/exporta.h"

class VRMWND_API CInteracaoComTelaWnd : public CInteracaoComTelaBase {
 public:
  CInteracaoComTelaWnd() = default;
  CInteracaoComTelaWnd(const CInteracaoComTelaWnd& outro) : CInteracaoComTelaBase(outro) {}
  CInteracaoComTelaWnd& operator=(const CInteracaoComTelaWnd& outro) {
    CInteracaoComTelaBase::operator=(outro);
    return *this;
  }
  ~CInteracaoComTelaWnd() override;

  // Só a da base.
  void OnInteracao_deprecated() override;
  // Os seis (sete) argumentos vão, na mesma ordem, a QZLiberaAcesso (QZLiberaAcesso3);
  // a resposta é a dela. Nenhuma mensagem, diálogo ou regra desta camada.
  bool OnQZLiberaAcesso(const char* szOperacao, unsigned short nUsuario, long lChave, QZModuloNumero nModulo,
                        unsigned short nNivel, CWnd* pPai) override;
  int OnQZLiberaAcesso3(const char* szOperacao, unsigned short nUsuario, long lChave, QZModuloNumero nModulo,
                        unsigned short nNivel, unsigned short& nNivelConcedido, CWnd* pPai) override;
};
