// Configuração de um alerta por e-mail do módulo (REG_CM_CFGALERTAPS, 1032 bytes):
// tipo, nível de detalhe, o modelo de e-mail, o texto guardado depois do modelo (um
// corpo próprio que dispensa o modelo) e a marca que deixa o usuário escolher o modelo.
#pragma once

#include "vrmwnd/suite/leiautes/layout_fixo.h"

#define QZ_CAMPOS_REG_CM_CFGALERTAPS(N, D, H, T, B) \
  N(DWORD, lTipoAlerta, 0)                          \
  N(DWORD, lNivelDetalhe, 4)                        \
  T(szModelo, 8, 256)                               \
  T(szCorpoProprio, 264, 256)                       \
  N(BYTE, byUsuarioEscolheModelo, 520)              \
  T(szAssunto, 524, 256)                            \
  T(szDestinatarios, 780, 252)

struct REG_CM_CFGALERTAPS : vrmsuite::TBlocoFixo<REG_CM_CFGALERTAPS, 1032> {
  static constexpr const char* kNome = "REG_CM_CFGALERTAPS";
  static constexpr DWORD kTipoInclusaoCP = 1;       // CM_TIPOALERTAEMAIL_INCLUSAO_CP
  static constexpr DWORD kNivelTudo = 0xFFFFFFFFu;  // CM_CFGALERTA_NIVEL_DETALHE_TUDO
  QZ_LAYOUT_CAMPOS(QZ_CAMPOS_REG_CM_CFGALERTAPS)
};
QZ_LAYOUT_VERIFICA(REG_CM_CFGALERTAPS, 1032);
