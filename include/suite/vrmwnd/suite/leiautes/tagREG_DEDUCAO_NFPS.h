// Linha de dedução de uma retenção de serviço (tagREG_DEDUCAO_NFPS, 272 bytes): valor,
// descrição e sinal (0 = o valor entra como dedução e é guardado negado).
#pragma once

#include "vrmwnd/suite/leiautes/layout_fixo.h"

#define QZ_CAMPOS_tagREG_DEDUCAO_NFPS(N, D, H, T, B) \
  N(CY, cyValor, 0)                                  \
  T(szDescricao, 8, 252)                             \
  N(BYTE, bySinal, 260)

struct tagREG_DEDUCAO_NFPS : vrmsuite::TBlocoFixo<tagREG_DEDUCAO_NFPS, 272> {
  static constexpr const char* kNome = "tagREG_DEDUCAO_NFPS";
  QZ_LAYOUT_CAMPOS(QZ_CAMPOS_tagREG_DEDUCAO_NFPS)
};
QZ_LAYOUT_VERIFICA(tagREG_DEDUCAO_NFPS, 272);
