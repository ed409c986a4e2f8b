// Natureza fiscal (_REG_NATUREZAPS, 672 bytes): um CFOP ou uma situação de serviço,
// com a filial, a marca de presença (505), o IPI incluso no ICMS (536), o tipo de
// operação (659; 4 e 5 são devoluções) e a marca de importação (660).
#pragma once

#include "vrmwnd/suite/leiautes/layout_fixo.h"

// Escolhas nossas: código numérico em 4, nome 100 bytes em 8, filial em 108,
// produto ou serviço ('P'/'S') em 110, marca de importação em 660.
#define QZ_CAMPOS__REG_NATUREZAPS(N, D, H, T, B) \
  N(WORD, iPonteiro, 0)                          \
  N(LONG, lCodigo, 4)                            \
  T(szNome, 8, 100)                              \
  N(WORD, iPonteiroFilial, 108)                  \
  N(char, cProdutoServico, 110)                  \
  N(BYTE, byPresente, 505)                       \
  N(BYTE, byIPIInclusoICMS, 536)                 \
  N(BYTE, byTipoOperacao, 659)                   \
  N(BYTE, byImportacao, 660)

struct _REG_NATUREZAPS : vrmsuite::TBlocoFixo<_REG_NATUREZAPS, 672> {
  static constexpr const char* kNome = "_REG_NATUREZAPS";
  QZ_LAYOUT_CAMPOS(QZ_CAMPOS__REG_NATUREZAPS)
};
QZ_LAYOUT_VERIFICA(_REG_NATUREZAPS, 672);
