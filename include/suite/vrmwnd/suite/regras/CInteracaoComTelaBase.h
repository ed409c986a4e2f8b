// A interação das regras com a tela (CInteracaoComTelaBase), que recebe o resultado
// de uma consistência (TQZCMConsisteRetorno), e a liberação de acesso da biblioteca da
// empresa (QZLiberaAcesso, QZLiberaAcesso3).
#pragma once

#include "vrmwnd/base/T_Lista.h"
#include "vrmwnd/platform/CString.h"
#include "vrmwnd/suite/exporta.h"
#include "vrmwnd/suite/registros/TQZBase.h"
#include "vrmwnd/suite/registros/TQZCMConsisteRetorno.h"

class CWnd;

// Número de módulo da suíte (7 é Compras). O nome QZModulo já é o da consulta à
// tabela de módulos da base (QZModulos.h).
using QZModuloNumero = int;

// Liberação de uma operação do usuário: szOperacao, o usuário, a chave do documento,
// o módulo e o nível pedidos; a resposta da biblioteca da empresa (a pergunta, quando
// há, é dela, sobre pPai). Sem política instalada (só os testes instalam uma), a
// operação é liberada.
VRMWND_SUITE_API bool QZLiberaAcesso(const char* szOperacao, unsigned short nUsuario, long lChave,
                                     QZModuloNumero nModulo, unsigned short nNivel, CWnd* pPai);
// O mesmo com o nível concedido em nNivelConcedido; devolve 1 liberado, 0 negado.
VRMWND_SUITE_API int QZLiberaAcesso3(const char* szOperacao, unsigned short nUsuario, long lChave,
                                     QZModuloNumero nModulo, unsigned short nNivel, unsigned short& nNivelConcedido,
                                     CWnd* pPai);

// A parte da tela que as regras chamam; as telas derivam dela.
class VRMWND_SUITE_API CInteracaoComTelaBase : public TQZBase {
 public:
  CInteracaoComTelaBase() = default;
  CInteracaoComTelaBase(const CInteracaoComTelaBase&) = default;
  CInteracaoComTelaBase& operator=(const CInteracaoComTelaBase&) = default;
  // O resultado de uma consistência: a base o guarda como o último visto.
  virtual void OnInteracaoConsiste(const TQZCMConsisteRetorno& retorno) { m_ultimoRetorno = retorno; }
  // Chamada antiga, mantida na tabela: não faz nada.
  virtual void OnInteracao_deprecated() {}
  virtual bool OnQZLiberaAcesso(const char* szOperacao, unsigned short nUsuario, long lChave, QZModuloNumero nModulo,
                                unsigned short nNivel, CWnd* pPai) = 0;
  virtual int OnQZLiberaAcesso3(const char* szOperacao, unsigned short nUsuario, long lChave, QZModuloNumero nModulo,
                                unsigned short nNivel, unsigned short& nNivelConcedido, CWnd* pPai) = 0;
  const TQZCMConsisteRetorno& GetUltimoRetorno() const { return m_ultimoRetorno; }

 private:
  TQZCMConsisteRetorno m_ultimoRetorno;
};
