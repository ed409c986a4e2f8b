// Regras de nota fiscal do módulo de faturamento que a entrada usa: a conversão das
// mensagens informadas numa nota nos dois textos de observação.
#pragma once

#include "vrmwnd/platform/CString.h"
#include "vrmwnd/suite/exporta.h"
#include "vrmwnd/suite/leiautes/tagREG_MENSAGEM_INFORMADA_NFPS.h"

class VRMWND_SUITE_API CQZDadosFT_NF {
 public:
  // Junta, na ordem do vetor, os textos das mensagens destinadas ao fisco em
  // strFisco e os das destinadas ao contribuinte em strContribuinte, com cSeparador
  // entre dois textos (nunca antes do primeiro nem depois do último). Mensagens de
  // texto vazio são puladas. Os textos anteriores dos dois destinos são trocados.
  static void ConverterListaMensagensNFInformadaParaMensagem(int nQtd, const tagREG_MENSAGEM_INFORMADA_NFPS* pMensagens,
                                                             CString& strFisco, CString& strContribuinte,
                                                             char cSeparador);
};
