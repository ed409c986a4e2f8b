// O que a consistência dos títulos das retenções pede aos cadastros: a filial com a
// marca de ativa, a conta (cedente ou classificação) com o tipo, a característica e
// se é fornecedor, o tipo de documento com a marca de uso na entrada e o código de
// recolhimento pelo texto. Chave sem linha é "não existe" (bExiste false, resultado 0).
#pragma once

#include <string>

#include "vrmwnd/platform/wintypes.h"
#include "vrmwnd/suite/exporta.h"

class CUsaServidor;
class IQZServidor;

namespace vrmsuite {

struct TFilialTitulo {
  bool bExiste = false, bAtiva = false;
  std::string strNome;
};

struct TContaTitulo {
  bool bExiste = false;
  long lPonteiro = 0;
  char cTipo = 0;  // 'A' analítica, 'T' sintética
  bool bGerencial = false;
  bool bFornecedor = false;  // tem cadastro de cliente/fornecedor (cfrt)
  std::string strCodigo, strDescricao;
};

struct TDocumentoTitulo {
  bool bExiste = false, bUsaNaEntrada = false;
  std::string strDescricao;
};

// Leituras "LeDFFilialTitulo" (interface de filial), "LeDFContaTitulo" (plano),
// "LeDFDocumentoTitulo" (documento) e "LeDFCodigoRecolhimento" (plano).
VRMWND_SUITE_API HRESULT LeFilialTitulo(CUsaServidor& usa, IQZServidor** ppIFilial, WORD iFilial,
                                        TFilialTitulo& filial);
VRMWND_SUITE_API HRESULT LeContaTitulo(CUsaServidor& usa, IQZServidor** ppIPlano, long lConta, TContaTitulo& conta);
// A conta de código szCodigo no plano de contas ou, com bGerencial, no gerencial;
// leitura "LeDFContaPorCodigo" (plano).
VRMWND_SUITE_API HRESULT LeContaPorCodigo(CUsaServidor& usa, IQZServidor** ppIPlano, const char* szCodigo,
                                          bool bGerencial, TContaTitulo& conta);
VRMWND_SUITE_API HRESULT LeDocumentoTitulo(CUsaServidor& usa, IQZServidor** ppIDocumento, WORD iDocumento,
                                           TDocumentoTitulo& documento);
// O código de recolhimento lCodigo (1708 é "1708") existe no cadastro?
VRMWND_SUITE_API HRESULT LeCodigoRecolhimento(CUsaServidor& usa, IQZServidor** ppIPlano, long lCodigo, bool& bExiste);

}  // namespace vrmsuite
