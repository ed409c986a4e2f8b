// Bloco de origem de uma nota (tagREG_NOTA_FISCAL_ORIGEM_NFPS, 160 bytes): a nota a
// que esta se refere. Abre o registro da nota e cada item de produto.
#pragma once

#include "vrmwnd/suite/leiautes/_QZ_NFE_ps.h"

// Larguras dos textos escolhidas aqui: número 14, série 12, modelo 4 bytes.
// byTipoOrigem: 5 nota comercial, 18 nota de terceiros, outros valores outra origem.
#define QZ_CAMPOS_tagREG_NOTA_FISCAL_ORIGEM_NFPS(N, D, H, T, B) \
  B(_QZ_NFE_ps, regNFe, 0)                                      \
  N(CY, cyTotal, 24)                                            \
  N(LONG, lChaveNFCM, 56)                                       \
  D(dmaEmissao, 72)                                             \
  T(szNumero, 90, 14)                                           \
  T(szSerie, 104, 12)                                           \
  T(szModelo, 116, 4)                                           \
  N(BYTE, byTipoOrigem, 159)

struct tagREG_NOTA_FISCAL_ORIGEM_NFPS : vrmsuite::TBlocoFixo<tagREG_NOTA_FISCAL_ORIGEM_NFPS, 160> {
  static constexpr const char* kNome = "tagREG_NOTA_FISCAL_ORIGEM_NFPS";
  QZ_LAYOUT_CAMPOS(QZ_CAMPOS_tagREG_NOTA_FISCAL_ORIGEM_NFPS)
};
QZ_LAYOUT_VERIFICA(tagREG_NOTA_FISCAL_ORIGEM_NFPS, 160);
