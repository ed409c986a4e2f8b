// Rateio de uma nota por contas: a linha de rateio (tagREG_RATEIO_NFPS, 40 bytes; do
// item ou da nota inteira) e as suas linhas gerenciais (tagREG_RATEIO_GERENCIAL_NFPS,
// 32 bytes), vetor alocado pelo servidor cujo identificador está em 32.
#pragma once

#include "vrmwnd/suite/leiautes/layout_fixo.h"

#define QZ_CAMPOS_tagREG_RATEIO_GERENCIAL_NFPS(N, D, H, T, B) \
  N(CY, cyValor, 0)                                           \
  N(LONG, lPlanoEmpresarial, 16)                              \
  N(LONG, lPlanoGerencial, 20)

struct tagREG_RATEIO_GERENCIAL_NFPS : vrmsuite::TBlocoFixo<tagREG_RATEIO_GERENCIAL_NFPS, 32> {
  static constexpr const char* kNome = "tagREG_RATEIO_GERENCIAL_NFPS";
  QZ_LAYOUT_CAMPOS(QZ_CAMPOS_tagREG_RATEIO_GERENCIAL_NFPS)
};
QZ_LAYOUT_VERIFICA(tagREG_RATEIO_GERENCIAL_NFPS, 32);

#define QZ_CAMPOS_tagREG_RATEIO_NFPS(N, D, H, T, B) \
  N(CY, cyValor, 0)                                 \
  N(CY, cyQuantidade, 8)                            \
  N(LONG, lContaEmpresarialNF, 16)                  \
  N(WORD, iQtdGerencial, 22)                        \
  H(hGerencial, 32)

struct tagREG_RATEIO_NFPS : vrmsuite::TBlocoFixo<tagREG_RATEIO_NFPS, 40> {
  static constexpr const char* kNome = "tagREG_RATEIO_NFPS";
  QZ_LAYOUT_CAMPOS(QZ_CAMPOS_tagREG_RATEIO_NFPS)
  auto Gerencial() const { return Vetor<tagREG_RATEIO_GERENCIAL_NFPS, kOff_hGerencial>(iQtdGerencial(), "hGerencial"); }
  // Libera as linhas gerenciais; identificador inválido não libera nada.
  void Libera() { LiberaBloco<kOff_hGerencial>(); }
};
QZ_LAYOUT_VERIFICA(tagREG_RATEIO_NFPS, 40);
