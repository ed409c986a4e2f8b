// Produto (_REG_PRODUTOPS, 1160 bytes): chave, código, descrição, unidade e as marcas
// de controle de lote (1119), de arma de fogo (1121) e de ICMS dispensado (1148).
#pragma once

#include "vrmwnd/suite/layout_fixo.h"

#define QZ_CAMPOS__REG_PRODUTOPS(N, D, H, T, B) \
  N(LONG, lPonteiro, 0)                         \
  T(szCodigo, 4, 32)                            \
  T(szDescricao, 36, 120)                       \
  N(WORD, iPonteiroUnidadeMedida, 156)          \
  N(BYTE, byControlaLote, 1119)                 \
  N(BYTE, byControlaArmaFogo, 1121)             \
  N(BYTE, byICMSDispensado, 1148)

struct _REG_PRODUTOPS : vrmsuite::TBlocoFixo<_REG_PRODUTOPS, 1160> {
  static constexpr const char* kNome = "_REG_PRODUTOPS";
  QZ_LAYOUT_CAMPOS(QZ_CAMPOS__REG_PRODUTOPS)
};
QZ_LAYOUT_VERIFICA(_REG_PRODUTOPS, 1160);
