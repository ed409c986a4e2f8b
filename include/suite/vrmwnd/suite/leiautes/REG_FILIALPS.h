// Filial como a leem o cadastro fiscal (REG_DF_FILIALPS, 160 bytes: nome, CNPJ, UF, a
// marca de filial tributada pelo IPI e a de COFINS com situação tributária própria) e o cadastro de naturezas
// (REG_CN_FILIALPS, 96 bytes: o número que as grades mostram e o nome).
#pragma once

#include "vrmwnd/suite/leiautes/layout_fixo.h"

#define QZ_CAMPOS_REG_DF_FILIALPS(N, D, H, T, B) \
  N(WORD, iPonteiro, 0)                          \
  T(szNome, 2, 62)                               \
  T(szCNPJ, 64, 20)                              \
  T(szUF, 84, 4)                                 \
  N(BYTE, byTributadaIPI, 88)                    \
  N(BYTE, byCSTCOFINSProprio, 89)

struct REG_DF_FILIALPS : vrmsuite::TBlocoFixo<REG_DF_FILIALPS, 160> {
  static constexpr const char* kNome = "REG_DF_FILIALPS";
  QZ_LAYOUT_CAMPOS(QZ_CAMPOS_REG_DF_FILIALPS)
};
QZ_LAYOUT_VERIFICA(REG_DF_FILIALPS, 160);

#define QZ_CAMPOS_REG_CN_FILIALPS(N, D, H, T, B) \
  N(WORD, iPonteiro, 0)                          \
  N(WORD, iNumero, 2)                            \
  T(szNome, 4, 62)

struct REG_CN_FILIALPS : vrmsuite::TBlocoFixo<REG_CN_FILIALPS, 96> {
  static constexpr const char* kNome = "REG_CN_FILIALPS";
  QZ_LAYOUT_CAMPOS(QZ_CAMPOS_REG_CN_FILIALPS)
};
QZ_LAYOUT_VERIFICA(REG_CN_FILIALPS, 96);
