// Situação tributária de produto (REG_SIT_TRIB_PRODUTOPS, 296 bytes): chave de um
// byte, código, descrição e as marcas "é CST" (288) e "é CSOSN" (289).
#pragma once

#include "vrmwnd/suite/leiautes/layout_fixo.h"

#define QZ_CAMPOS_REG_SIT_TRIB_PRODUTOPS(N, D, H, T, B) \
  N(BYTE, byPonteiro, 0)                                \
  T(szCodigo, 2, 4)                                     \
  T(szDescricao, 6, 200)                                \
  N(BYTE, byEhCST, 288)                                 \
  N(BYTE, byEhCSOSN, 289)

struct REG_SIT_TRIB_PRODUTOPS : vrmsuite::TBlocoFixo<REG_SIT_TRIB_PRODUTOPS, 296> {
  static constexpr const char* kNome = "REG_SIT_TRIB_PRODUTOPS";
  QZ_LAYOUT_CAMPOS(QZ_CAMPOS_REG_SIT_TRIB_PRODUTOPS)
};
QZ_LAYOUT_VERIFICA(REG_SIT_TRIB_PRODUTOPS, 296);
