// As leituras dos cadastros que a consistência dos títulos das retenções usa: filial,
// conta, tipo de documento e código de recolhimento, pelo caminho comum das leituras.
#include "vrmwnd/suite/servidor/cadastros_titulo.h"

#include "leitura_comum.h"

namespace vrmsuite {
namespace {

std::string Texto(sqlite3_stmt* pComando, int nColuna) {
  const unsigned char* sz = sqlite3_column_text(pComando, nColuna);
  return sz ? reinterpret_cast<const char*>(sz) : "";
}

// Prepara szSql, liga a chave e dá a linha (true) ou nenhuma (false, hr 0); na falha
// do banco, hr com o motivo guardado.
bool UmaLinha(CUsaServidor& usa, CComando& comando, long long llChave, HRESULT& hr) {
  hr = S_OK;
  if (!comando.Preparado()) {
    hr = usa.Falha(QZ_E_BANCO_DE_DADOS, comando.Erro());
    return false;
  }
  comando.Liga(1, llChave);
  if (comando.Proxima()) return true;
  if (!comando.Erro().empty()) hr = usa.Falha(QZ_E_BANCO_DE_DADOS, comando.Erro());
  return false;
}

}  // namespace

HRESULT LeFilialTitulo(CUsaServidor& usa, IQZServidor** ppIFilial, WORD iFilial, TFilialTitulo& filial) {
  filial = {};
  HRESULT hr = EntradaLeitura(usa, "LeDFFilialTitulo", ppIFilial, IQZServidor::FILIAL);
  if (hr != S_OK || iFilial == 0) return hr;
  CComando comando((*ppIFilial)->GetBanco(), "SELECT byAtiva, szNome FROM filial WHERE iPonteiro = ?");
  if (UmaLinha(usa, comando, iFilial, hr))
    filial = {true, sqlite3_column_int(comando.Bruto(), 0) != 0, Texto(comando.Bruto(), 1)};
  return hr;
}

constexpr const char* kSqlConta =
    "SELECT c.cTipo, c.byGerencial, EXISTS (SELECT 1 FROM cfrt f WHERE f.lPonteiroConta = c.lPonteiro), "
    "c.szCodigo, c.szDescricao, c.lPonteiro FROM conta c ";

TContaTitulo ContaDaLinha(sqlite3_stmt* p) {
  const std::string strTipo = Texto(p, 0);
  TContaTitulo conta;
  conta.bExiste = true;
  conta.lPonteiro = static_cast<long>(sqlite3_column_int64(p, 5));
  conta.cTipo = strTipo.empty() ? '\0' : strTipo[0];
  conta.bGerencial = sqlite3_column_int(p, 1) != 0;
  conta.bFornecedor = sqlite3_column_int(p, 2) != 0;
  conta.strCodigo = Texto(p, 3);
  conta.strDescricao = Texto(p, 4);
  return conta;
}

HRESULT LeContaTitulo(CUsaServidor& usa, IQZServidor** ppIPlano, long lConta, TContaTitulo& conta) {
  conta = {};
  HRESULT hr = EntradaLeitura(usa, "LeDFContaTitulo", ppIPlano, IQZServidor::PLANO);
  if (hr != S_OK || lConta == 0) return hr;
  CComando comando((*ppIPlano)->GetBanco(), (std::string(kSqlConta) + "WHERE c.lPonteiro = ?").c_str());
  if (UmaLinha(usa, comando, lConta, hr)) conta = ContaDaLinha(comando.Bruto());
  return hr;
}

HRESULT LeContaPorCodigo(CUsaServidor& usa, IQZServidor** ppIPlano, const char* szCodigo, bool bGerencial,
                         TContaTitulo& conta) {
  conta = {};
  HRESULT hr = EntradaLeitura(usa, "LeDFContaPorCodigo", ppIPlano, IQZServidor::PLANO);
  if (hr != S_OK || szCodigo == nullptr || *szCodigo == '\0') return hr;
  CComando comando((*ppIPlano)->GetBanco(),
                   (std::string(kSqlConta) + "WHERE c.byGerencial = ?1 AND c.szCodigo = ?2").c_str());
  if (!comando.Preparado()) return usa.Falha(QZ_E_BANCO_DE_DADOS, comando.Erro());
  comando.Liga(2, szCodigo);
  if (UmaLinha(usa, comando, bGerencial ? 1 : 0, hr)) conta = ContaDaLinha(comando.Bruto());
  return hr;
}

HRESULT LeDocumentoTitulo(CUsaServidor& usa, IQZServidor** ppIDocumento, WORD iDocumento, TDocumentoTitulo& documento) {
  documento = {};
  HRESULT hr = EntradaLeitura(usa, "LeDFDocumentoTitulo", ppIDocumento, IQZServidor::DOCUMENTO);
  if (hr != S_OK || iDocumento == 0) return hr;
  CComando comando((*ppIDocumento)->GetBanco(),
                   "SELECT byUsaNaEntrada, szDescricao FROM documento WHERE iPonteiro = ?");
  if (UmaLinha(usa, comando, iDocumento, hr))
    documento = {true, sqlite3_column_int(comando.Bruto(), 0) != 0, Texto(comando.Bruto(), 1)};
  return hr;
}

HRESULT LeCodigoRecolhimento(CUsaServidor& usa, IQZServidor** ppIPlano, long lCodigo, bool& bExiste) {
  bExiste = false;
  HRESULT hr = EntradaLeitura(usa, "LeDFCodigoRecolhimento", ppIPlano, IQZServidor::PLANO);
  if (hr != S_OK || lCodigo <= 0) return hr;
  CComando comando((*ppIPlano)->GetBanco(),
                   "SELECT 1 FROM codigo_recolhimento WHERE CAST(szCodigo AS INTEGER) = ? AND szCodigo GLOB '[0-9]*'");
  bExiste = UmaLinha(usa, comando, lCodigo, hr);
  return hr;
}

}  // namespace vrmsuite
