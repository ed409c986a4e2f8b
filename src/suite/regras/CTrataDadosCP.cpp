// Regras da cotação de preços: a inclusão de uma cotação e a pergunta do envio pela web.
#include "vrmwnd/suite/regras/CConsisteDados.h"

unsigned CTrataDadosCP::OnDoModalCotacaoWeb(bool& bEnviar, CString& strModelo) {
  bEnviar = false;
  strModelo.Empty();
  return 1;
}

HRESULT CTrataDadosCP::IncluiCotacao(ULONG lNumero, TCMEnvioCotacaoWeb& envio) {
  envio = TCMEnvioCotacaoWeb{};
  if (lNumero == 0) return E_INVALIDARG;
  if (GetSuprimeMensagens()) return S_OK;
  OnDoModalCotacaoWeb(envio.bEnviar, envio.strModelo);
  return S_OK;
}
