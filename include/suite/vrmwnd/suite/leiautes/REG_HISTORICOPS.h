// Histórico padrão (REG_HISTORICOPS, 160 bytes): chave, descrição e a marca de
// histórico ativo.
#pragma once

#include "vrmwnd/suite/leiautes/layout_fixo.h"

#define QZ_CAMPOS_REG_HISTORICOPS(N, D, H, T, B) \
  N(WORD, iPonteiro, 0)                          \
  T(szDescricao, 2, 120)                         \
  N(BYTE, byAtivo, 122)

struct REG_HISTORICOPS : vrmsuite::TBlocoFixo<REG_HISTORICOPS, 160> {
  static constexpr const char* kNome = "REG_HISTORICOPS";
  QZ_LAYOUT_CAMPOS(QZ_CAMPOS_REG_HISTORICOPS)
};
QZ_LAYOUT_VERIFICA(REG_HISTORICOPS, 160);
