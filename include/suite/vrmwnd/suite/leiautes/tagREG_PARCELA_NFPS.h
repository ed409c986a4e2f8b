// Parcela de uma nota comercial (tagREG_PARCELA_NFPS, 144 bytes): valor, vencimento,
// ordinal (a partir de 0) e tipo de vencimento.
#pragma once

#include "vrmwnd/suite/leiautes/layout_fixo.h"

#define QZ_CAMPOS_tagREG_PARCELA_NFPS(N, D, H, T, B) \
  N(CY, cyValor, 0)                                  \
  D(dmaVencimento, 64)                               \
  N(BYTE, byOrdem, 130)                              \
  N(BYTE, byTipoVencimento, 131)

struct tagREG_PARCELA_NFPS : vrmsuite::TBlocoFixo<tagREG_PARCELA_NFPS, 144> {
  static constexpr const char* kNome = "tagREG_PARCELA_NFPS";
  QZ_LAYOUT_CAMPOS(QZ_CAMPOS_tagREG_PARCELA_NFPS)
};
QZ_LAYOUT_VERIFICA(tagREG_PARCELA_NFPS, 144);
