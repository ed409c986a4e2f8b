// Lote e volume do estoque, lidos por LeESMovimentoLote (REG_ES_LOTEPS, 96 bytes:
// número, validade, fabricação, dias de validade) e LeESMovimentoVolume
// (REG_ES_VOLUMEPS, 64 bytes: o texto do volume).
#pragma once

#include "vrmwnd/suite/leiautes/layout_fixo.h"

#define QZ_CAMPOS_REG_ES_LOTEPS(N, D, H, T, B) \
  N(LONG, lPonteiro, 0)                        \
  T(szNumero, 4, 36)                           \
  D(dmaValidade, 40)                           \
  D(dmaFabricacao, 44)                         \
  N(WORD, iDiasValidade, 48)                   \
  N(LONG, lPonteiroProduto, 52)

struct REG_ES_LOTEPS : vrmsuite::TBlocoFixo<REG_ES_LOTEPS, 96> {
  static constexpr const char* kNome = "REG_ES_LOTEPS";
  QZ_LAYOUT_CAMPOS(QZ_CAMPOS_REG_ES_LOTEPS)
};
QZ_LAYOUT_VERIFICA(REG_ES_LOTEPS, 96);

#define QZ_CAMPOS_REG_ES_VOLUMEPS(N, D, H, T, B) \
  N(LONG, lPonteiro, 0)                          \
  T(szVolume, 4, 30)

struct REG_ES_VOLUMEPS : vrmsuite::TBlocoFixo<REG_ES_VOLUMEPS, 64> {
  static constexpr const char* kNome = "REG_ES_VOLUMEPS";
  QZ_LAYOUT_CAMPOS(QZ_CAMPOS_REG_ES_VOLUMEPS)
};
QZ_LAYOUT_VERIFICA(REG_ES_VOLUMEPS, 64);
