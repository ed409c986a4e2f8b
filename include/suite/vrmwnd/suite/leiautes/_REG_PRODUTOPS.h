// Produto (_REG_PRODUTOPS, 1160 bytes): chave, código, descrição, unidade, a conta de
// classificação, o local de estocagem e o tipo de entrada em estoque, e as marcas de
// controle de lote (1119), de arma de fogo (1121) e de ICMS dispensado (1148).
#pragma once

#include "vrmwnd/suite/leiautes/layout_fixo.h"

#define QZ_CAMPOS__REG_PRODUTOPS(N, D, H, T, B) \
  N(LONG, lPonteiro, 0)                         \
  T(szCodigo, 4, 32)                            \
  T(szDescricao, 36, 120)                       \
  N(WORD, iPonteiroUnidadeMedida, 156)          \
  N(LONG, lPonteiroClassificacao, 160)          \
  N(WORD, iPonteiroLocalEstoque, 164)           \
  N(BYTE, byTipoEntradaEstoque, 166)            \
  N(BYTE, byControlaLote, 1119)                 \
  N(BYTE, byControlaArmaFogo, 1121)             \
  N(BYTE, byICMSDispensado, 1148)

struct _REG_PRODUTOPS : vrmsuite::TBlocoFixo<_REG_PRODUTOPS, 1160> {
  static constexpr const char* kNome = "_REG_PRODUTOPS";
  QZ_LAYOUT_CAMPOS(QZ_CAMPOS__REG_PRODUTOPS)
};
QZ_LAYOUT_VERIFICA(_REG_PRODUTOPS, 1160);

// Serviço tomado (_REG_SERVICOPS, 168 bytes): chave, código, descrição, unidade de
// medida de serviço e a conta de classificação das compras do serviço.
#define QZ_CAMPOS__REG_SERVICOPS(N, D, H, T, B) \
  N(LONG, lPonteiro, 0)                         \
  T(szCodigo, 4, 32)                            \
  T(szDescricao, 36, 120)                       \
  N(WORD, iPonteiroUnidadeMedida, 156)          \
  N(LONG, lPonteiroClassificacao, 160)

struct _REG_SERVICOPS : vrmsuite::TBlocoFixo<_REG_SERVICOPS, 168> {
  static constexpr const char* kNome = "_REG_SERVICOPS";
  QZ_LAYOUT_CAMPOS(QZ_CAMPOS__REG_SERVICOPS)
};
QZ_LAYOUT_VERIFICA(_REG_SERVICOPS, 168);
