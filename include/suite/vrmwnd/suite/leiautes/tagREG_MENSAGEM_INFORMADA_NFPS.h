// Mensagem informada numa nota (tagREG_MENSAGEM_INFORMADA_NFPS, 264 bytes): código,
// destino (0 = fisco, 1 = contribuinte) e texto de até 259 bytes.
#pragma once

#include "vrmwnd/suite/leiautes/layout_fixo.h"

#define QZ_CAMPOS_tagREG_MENSAGEM_INFORMADA_NFPS(N, D, H, T, B) \
  N(WORD, iCodigo, 0)                                           \
  N(BYTE, byDestino, 2)                                         \
  T(szTexto, 4, 260)

struct tagREG_MENSAGEM_INFORMADA_NFPS : vrmsuite::TBlocoFixo<tagREG_MENSAGEM_INFORMADA_NFPS, 264> {
  static constexpr const char* kNome = "tagREG_MENSAGEM_INFORMADA_NFPS";
  static constexpr BYTE kDestinoFisco = 0;
  static constexpr BYTE kDestinoContribuinte = 1;
  QZ_LAYOUT_CAMPOS(QZ_CAMPOS_tagREG_MENSAGEM_INFORMADA_NFPS)
};
QZ_LAYOUT_VERIFICA(tagREG_MENSAGEM_INFORMADA_NFPS, 264);
