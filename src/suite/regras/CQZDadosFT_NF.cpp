// As regras de nota fiscal do faturamento que a entrada usa: as mensagens informadas
// numa nota convertidas nos textos do fisco e do contribuinte.
#include "vrmwnd/suite/regras/CQZDadosFT_NF.h"

#include <string>

void CQZDadosFT_NF::ConverterListaMensagensNFInformadaParaMensagem(int nQtd,
                                                                   const tagREG_MENSAGEM_INFORMADA_NFPS* pMensagens,
                                                                   CString& strFisco, CString& strContribuinte,
                                                                   char cSeparador) {
  strFisco = CString();
  strContribuinte = CString();
  for (int i = 0; i < nQtd; ++i) {
    const std::string strTexto(pMensagens[i].szTexto());
    if (strTexto.empty()) continue;
    CString& strDestino =
        pMensagens[i].byDestino() == tagREG_MENSAGEM_INFORMADA_NFPS::kDestinoFisco ? strFisco : strContribuinte;
    if (!strDestino.IsEmpty()) strDestino += cSeparador;
    strDestino += strTexto.c_str();
  }
}
