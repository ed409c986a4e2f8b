// Dados da nota fiscal eletrônica (_QZ_NFE_ps, 24 bytes): a chave de acesso (texto
// alocado pelo servidor, identificador em 0), modelo, tipo de emissão, protocolo,
// data e situação da autorização. Abre o bloco de origem e fica em 864 da nota.
#pragma once

#include "vrmwnd/suite/leiautes/layout_fixo.h"

// | offset | largura | campo                                        |
// |--------|---------|----------------------------------------------|
// | 0      | 4       | hChaveAcesso: 44 dígitos, texto alocado      |
// | 4, 5   | 1, 1    | modelo (55, 65), tipo de emissão             |
// | 8      | 8       | número do protocolo de autorização           |
// | 16     | 4       | data da autorização                          |
// | 20     | 2       | situação na autoridade fiscal (100 = autorizada) |
#define QZ_CAMPOS__QZ_NFE_ps(N, D, H, T, B) \
  H(hChaveAcesso, 0)                        \
  N(BYTE, byModelo, 4)                      \
  N(BYTE, byTipoEmissao, 5)                 \
  N(LONGLONG, llProtocolo, 8)               \
  D(dmaAutorizacao, 16)                     \
  N(WORD, iSituacao, 20)

struct _QZ_NFE_ps : vrmsuite::TBlocoFixo<_QZ_NFE_ps, 24> {
  static constexpr const char* kNome = "_QZ_NFE_ps";
  QZ_LAYOUT_CAMPOS(QZ_CAMPOS__QZ_NFE_ps)
  std::string_view ChaveAcesso() const { return LeTextoAlocado<kOff_hChaveAcesso>("hChaveAcesso"); }
};
QZ_LAYOUT_VERIFICA(_QZ_NFE_ps, 24);
