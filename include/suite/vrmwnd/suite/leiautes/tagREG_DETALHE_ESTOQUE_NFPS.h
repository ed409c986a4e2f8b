// Detalhe de estoque de um item de produto (tagREG_DETALHE_ESTOQUE_NFPS, 216 bytes):
// o bloco do lote (regLote, 56 bytes em 0), o bloco do volume (regVolume, 56 bytes em
// 56), a quantidade e os locais de entrada e de saída.
#pragma once

#include "vrmwnd/suite/leiautes/layout_fixo.h"

// Número do lote em 18 (30 bytes) e volume em 4 do seu bloco (30 bytes): escolhas
// nossas, dentro dos blocos.
#define QZ_CAMPOS_tagREG_LOTE_DETALHE_NFPS(N, D, H, T, B) \
  N(LONG, lPonteiroLoteES, 0)                             \
  D(dmaFabricacao, 8)                                     \
  D(dmaValidade, 12)                                      \
  N(WORD, iDiasValidade, 16)                              \
  T(szNumeroLote, 18, 30)

struct tagREG_LOTE_DETALHE_NFPS : vrmsuite::TBlocoFixo<tagREG_LOTE_DETALHE_NFPS, 56> {
  static constexpr const char* kNome = "tagREG_LOTE_DETALHE_NFPS";
  QZ_LAYOUT_CAMPOS(QZ_CAMPOS_tagREG_LOTE_DETALHE_NFPS)
};
QZ_LAYOUT_VERIFICA(tagREG_LOTE_DETALHE_NFPS, 56);

#define QZ_CAMPOS_tagREG_VOLUME_DETALHE_NFPS(N, D, H, T, B) \
  N(LONG, lPonteiroVolumeES, 0)                             \
  T(szVolume, 4, 30)

struct tagREG_VOLUME_DETALHE_NFPS : vrmsuite::TBlocoFixo<tagREG_VOLUME_DETALHE_NFPS, 56> {
  static constexpr const char* kNome = "tagREG_VOLUME_DETALHE_NFPS";
  QZ_LAYOUT_CAMPOS(QZ_CAMPOS_tagREG_VOLUME_DETALHE_NFPS)
};
QZ_LAYOUT_VERIFICA(tagREG_VOLUME_DETALHE_NFPS, 56);

#define QZ_CAMPOS_tagREG_DETALHE_ESTOQUE_NFPS(N, D, H, T, B) \
  B(tagREG_LOTE_DETALHE_NFPS, regLote, 0)                    \
  B(tagREG_VOLUME_DETALHE_NFPS, regVolume, 56)               \
  N(CY, cyQuantidade, 112)                                   \
  N(WORD, iLocal, 192)                                       \
  N(WORD, iLocalSaida, 194)

struct tagREG_DETALHE_ESTOQUE_NFPS : vrmsuite::TBlocoFixo<tagREG_DETALHE_ESTOQUE_NFPS, 216> {
  static constexpr const char* kNome = "tagREG_DETALHE_ESTOQUE_NFPS";
  QZ_LAYOUT_CAMPOS(QZ_CAMPOS_tagREG_DETALHE_ESTOQUE_NFPS)
};
QZ_LAYOUT_VERIFICA(tagREG_DETALHE_ESTOQUE_NFPS, 216);
