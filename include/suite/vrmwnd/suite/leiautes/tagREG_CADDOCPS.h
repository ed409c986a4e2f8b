// Tipo de documento (tagREG_CADDOCPS, 232 bytes): chave, código, descrição e a marca
// em 222 que deixa a entrada usar o tipo.
#pragma once

#include "vrmwnd/suite/leiautes/layout_fixo.h"

#define QZ_CAMPOS_tagREG_CADDOCPS(N, D, H, T, B) \
  N(WORD, iPonteiro, 0)                          \
  T(szCodigo, 2, 8)                              \
  T(szDescricao, 10, 62)                         \
  N(BYTE, byUsaNaEntrada, 222)

struct tagREG_CADDOCPS : vrmsuite::TBlocoFixo<tagREG_CADDOCPS, 232> {
  static constexpr const char* kNome = "tagREG_CADDOCPS";
  QZ_LAYOUT_CAMPOS(QZ_CAMPOS_tagREG_CADDOCPS)
};
QZ_LAYOUT_VERIFICA(tagREG_CADDOCPS, 232);
