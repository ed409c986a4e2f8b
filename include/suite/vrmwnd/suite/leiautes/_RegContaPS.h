// Conta do plano (_RegContaPS, 256 bytes), do plano de contas ou do plano gerencial:
// chave, código, descrição e as marcas que a entrada de mercadorias testa.
#pragma once

#include "vrmwnd/suite/leiautes/layout_fixo.h"

// Marcas 'S'/'N': cRemetente2 (238) e cRemetente1 (239) dão o status de remetente
// do fornecedor; cClassificacao (245) diz que a conta recebe classificação. O resto
// é escolha nossa: código 32 bytes em 4, descrição 100 em 36, gerencial em 136.
#define QZ_CAMPOS__RegContaPS(N, D, H, T, B) \
  N(LONG, lPonteiro, 0)                      \
  T(szCodigo, 4, 32)                         \
  T(szDescricao, 36, 100)                    \
  N(BYTE, byGerencial, 136)                  \
  N(char, cRemetente2, 238)                  \
  N(char, cRemetente1, 239)                  \
  N(char, cClassificacao, 245)

struct _RegContaPS : vrmsuite::TBlocoFixo<_RegContaPS, 256> {
  static constexpr const char* kNome = "_RegContaPS";
  QZ_LAYOUT_CAMPOS(QZ_CAMPOS__RegContaPS)
};
QZ_LAYOUT_VERIFICA(_RegContaPS, 256);
