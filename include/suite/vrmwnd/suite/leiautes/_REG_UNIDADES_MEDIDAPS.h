// Unidade de medida como a leem o produto (_REG_UNIDADES_MEDIDAPS, 72 bytes, tipo de
// decimais em 68) e o serviço (_REG_UNIDADES_MEDIDA_SERVICOPS, 68 bytes, em 64).
// Tipo de decimais: 0 dá 0 casas, 1 dá 2, 2 dá 4.
#pragma once

#include "vrmwnd/suite/leiautes/layout_fixo.h"

#define QZ_CAMPOS__REG_UNIDADES_MEDIDAPS(N, D, H, T, B) \
  N(WORD, iPonteiro, 0)                                 \
  T(szSigla, 2, 8)                                      \
  T(szDescricao, 10, 54)                                \
  N(BYTE, byTipoDecimais, 68)

struct _REG_UNIDADES_MEDIDAPS : vrmsuite::TBlocoFixo<_REG_UNIDADES_MEDIDAPS, 72> {
  static constexpr const char* kNome = "_REG_UNIDADES_MEDIDAPS";
  QZ_LAYOUT_CAMPOS(QZ_CAMPOS__REG_UNIDADES_MEDIDAPS)
};
QZ_LAYOUT_VERIFICA(_REG_UNIDADES_MEDIDAPS, 72);

#define QZ_CAMPOS__REG_UNIDADES_MEDIDA_SERVICOPS(N, D, H, T, B) \
  N(WORD, iPonteiro, 0)                                         \
  T(szSigla, 2, 8)                                              \
  T(szDescricao, 10, 54)                                        \
  N(BYTE, byTipoDecimais, 64)

struct _REG_UNIDADES_MEDIDA_SERVICOPS : vrmsuite::TBlocoFixo<_REG_UNIDADES_MEDIDA_SERVICOPS, 68> {
  static constexpr const char* kNome = "_REG_UNIDADES_MEDIDA_SERVICOPS";
  QZ_LAYOUT_CAMPOS(QZ_CAMPOS__REG_UNIDADES_MEDIDA_SERVICOPS)
};
QZ_LAYOUT_VERIFICA(_REG_UNIDADES_MEDIDA_SERVICOPS, 68);
