// Cadastro de cliente, fornecedor ou transportadora (_RegCFRT, 256 bytes) e as suas
// informações extras (_Reg_InfoExtras_PS, 256 bytes), lidos juntos por LeDFCFRT.
#pragma once

#include "vrmwnd/suite/leiautes/layout_fixo.h"

// cTipoPessoa 'J' é pessoa jurídica (LeDFCFRTEhJuridico); byFormaPagamento (236) vai
// para as parcelas. Nome, documento e tipo de pessoa são escolhas nossas.
#define QZ_CAMPOS__RegCFRT(N, D, H, T, B) \
  N(LONG, lPonteiroConta, 0)              \
  T(szNome, 4, 100)                       \
  T(szDocumento, 104, 20)                 \
  N(char, cTipoPessoa, 124)               \
  N(BYTE, byFormaPagamento, 236)

struct _RegCFRT : vrmsuite::TBlocoFixo<_RegCFRT, 256> {
  static constexpr const char* kNome = "_RegCFRT";
  QZ_LAYOUT_CAMPOS(QZ_CAMPOS__RegCFRT)
};
QZ_LAYOUT_VERIFICA(_RegCFRT, 256);

// cTipoAssinante (249): '1'…'6' para o assinante de serviço de comunicação.
#define QZ_CAMPOS__Reg_InfoExtras_PS(N, D, H, T, B) \
  N(LONG, lPonteiroConta, 0)                        \
  T(szInscricaoMunicipal, 4, 20)                    \
  N(char, cTipoAssinante, 249)

struct _Reg_InfoExtras_PS : vrmsuite::TBlocoFixo<_Reg_InfoExtras_PS, 256> {
  static constexpr const char* kNome = "_Reg_InfoExtras_PS";
  QZ_LAYOUT_CAMPOS(QZ_CAMPOS__Reg_InfoExtras_PS)
};
QZ_LAYOUT_VERIFICA(_Reg_InfoExtras_PS, 256);
