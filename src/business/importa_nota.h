// A importação de notas comerciais por dentro: as leituras com o texto que o log de
// erros registra e os seus números, o registro da nota liberado ao sair do escopo, e
// CImportaNotaComercial, o estado de uma chamada de ImportaNotaComercial com as etapas
// de cabeçalho (importa_nota_cabecalho.cpp), itens (importa_nota_itens.cpp) e
// impostos e rateio (importa_nota_impostos.cpp).
#pragma once

#include <memory>
#include <source_location>

#include "indice_juncao.h"
#include "vrmwnd/base/QZModulos.h"
#include "vrmwnd/business/CTrataDadosREWnd.h"
#include "vrmwnd/suite/leiautes/_REG_NATUREZAPS.h"
#include "vrmwnd/suite/leiautes/_REG_PRODUTOPS.h"
#include "vrmwnd/suite/leiautes/_RegCFRT.h"
#include "vrmwnd/suite/leiautes/_RegContaPS.h"
#include "vrmwnd/suite/leiautes/tagREG_CADDOCPS.h"
#include "vrmwnd/suite/leiautes/tagREG_NOTA_FISCALPS.h"
#include "vrmwnd/suite/regras/CQZDadosFT_NF.h"
#include "vrmwnd/suite/regras/CVRMSVRUtil.h"

namespace importa {

// Uma leitura verificada: o texto da expressão, o local e o módulo da exceção.
struct TLeitura {
  const char* szExpressao;
  long lLocal;
  long lModulo;
};

// Cabeçalho.
inline constexpr TLeitura kLeNota{"GetUsaServidor()->LeDFNotasFiscais(m_ppINotasFiscais, lPosicaoComercial, &pRegNF)",
                                  340171, 27};
inline constexpr TLeitura kLeContaCliente{
    "GetUsaServidor()->LeDFPlano(m_ppIPlano,pRegNF->lPonteiroCliente, &rContaCliente)", 287253, 1};
inline constexpr TLeitura kLeDocumento{
    "GetUsaServidor()->LeDFDocumento(m_ppIDocumento,pRegNF->iPonteiroDocumento,&rCadastroDocumento)", 303780, 44};
inline constexpr TLeitura kInicializaFilial{"GetUsaServidor()->InicializaCNFilial( m_ppIFilial)", 380211, 1};
inline constexpr const char* kTextoCFOP = "GetUsaServidor()->LeDFNaturezas(m_ppICFOP, iPonteiroCFOP, &rNatureza)";
inline constexpr TLeitura kLeCFOPCabecalho{kTextoCFOP, 303771, 37};
inline constexpr TLeitura kLeCFOPItem{kTextoCFOP, 259641, 37};
inline constexpr const char* kTextoSitServico =
    "GetUsaServidor()->LeDFNaturezas(m_ppICFOP, iPonteiroSituacaoServico, &RegSitServico)";
inline constexpr TLeitura kLeSitServicoCabecalho{kTextoSitServico, 303763, 37};
inline constexpr TLeitura kLeSitServicoItem{kTextoSitServico, 259667, 37};
inline constexpr TLeitura kLeCFRT{
    "GetUsaServidor()->LeDFCFRT(m_ppICFRT, m_ppIPlano, 0, pRegNF->lPonteiroCliente, 0, "
    "&rCFRTLocal, 0, 0, 0, 0, 0, 0, 0, &rInfoExtrasCFRT)",
    402770, 1};
inline constexpr TLeitura kLeNotaOrigem{
    "GetUsaServidor()->LeDFNotasFiscais(m_ppINotasFiscais, pRegNF->regNFOrigem.lChaveNFCM, "
    "&pRegNFOrigemNota)",
    259632, 27};
inline constexpr TLeitura kLeContaRecursos{
    "GetUsaServidor()->LeDFPlano(m_ppIPlano,pRegNF->lEntradaRecursos, &rContaClassificacao)", 304514, 1};
// Itens e estoque.
inline constexpr TLeitura kLeProduto{
    "GetUsaServidor()->LeDFProduto(m_ppIProduto, tProduto.GetPonteiroProduto(), &RegProduto)", 367991, 24};
inline constexpr TLeitura kLeLote{
    "GetUsaServidor()->LeESMovimentoLote(m_ppIMovimentoEs, RegDetalhes.regLote.lPonteiroLoteES, "
    "&RegLote)",
    419427, 401};
inline constexpr TLeitura kLeVolume{
    "GetUsaServidor()->LeESMovimentoVolume(m_ppIMovimentoEs, "
    "RegDetalhes.regVolume.lPonteiroVolumeES, &RegVolume)",
    419435, 401};
inline constexpr TLeitura kLeNotaOrigemItem{
    "GetUsaServidor()->LeDFNotasFiscais(m_ppINotasFiscais, RegItensProduto.regNFOrigem.lChaveNFCM, "
    "&pRegNFOrigem)",
    259659, 27};
inline constexpr TLeitura kInicializaMovimento{"GetUsaServidor()->InicializaESMovimento(m_ppIMovimentoEs)", 370690,
                                               401};
inline constexpr TLeitura kBuscaQuantidade{
    "(*m_ppIMovimentoEs)->BuscaQuantidadeNotaFiscal(rQuemGerouNF, &lQtdMovimentos)", 370703, 401};
inline constexpr TLeitura kBuscaRegistros{
    "(*m_ppIMovimentoEs)->BuscaRegistrosNotaFiscal(aRegMovimento.GetSize(), "
    "aRegMovimento.GetData())",
    370711, 401};
// Impostos e rateio.
inline constexpr TLeitura kLeUnidadeProduto{
    "GetUsaServidor()->LeDFUnidadeMedida(m_ppIProduto, RegItensProduto.iPonteiroUnidadeMedida, "
    "&rUnidadeMedidaProduto)",
    497002, 24};
inline constexpr const char* kTextoContaRateioTotal =
    "GetUsaServidor()->LeDFPlano(m_ppIPlano, rRateioContasEmpresariaisTotalNF.lContaEmpresarialNF,"
    "&rContaClassificacao)";
inline constexpr TLeitura kLeContaRateioTotalProduto{kTextoContaRateioTotal, 304522, 1};
inline constexpr TLeitura kLeContaRateioTotalServico{kTextoContaRateioTotal, 304531, 1};
inline constexpr TLeitura kLeContaRateioProduto{
    "GetUsaServidor()->LeDFPlano(m_ppIPlano, rRateio.lContaEmpresarialNF,&rContaClassificacao)", 387941, 1};
inline constexpr TLeitura kLeUnidadeServico{
    "GetUsaServidor()->LeDFUnidadeMedidaServico(m_ppIProduto, RegItensServico.iUnidadeMedida, "
    "&rUnidadeMedidaServico)",
    497011, 24};
// Os totais dos itens, que falham em vez de dar a volta quando não cabem num CY.
inline constexpr TLeitura kTotalProduto{"CTrataDadosRE::CalculaValorTotalBrutoVerificado(item, &cyTotal)", 710104,
                                        QZ_MODULO_COMPRAS};
inline constexpr TLeitura kTotalServico{"CTrataDadosRE::CalculaValorTotalBrutoVerificado(item, &cyBruto)", 710105,
                                        QZ_MODULO_COMPRAS};
inline constexpr TLeitura kLeContaRateioServico{
    "GetUsaServidor()->LeDFPlano(m_ppIPlano, rRateio.lContaEmpresarialNF, &rContaClassificacao)", 387932, 1};

// Libera a nota como o servidor pede: a rotina de liberação e depois o bloco.
struct TLiberaNota {
  void operator()(tagREG_NOTA_FISCALPS* pNota) const {
    pNota->Libera();
    CoTaskMemFree(pNota);
  }
};
using TNota = std::unique_ptr<tagREG_NOTA_FISCALPS, TLiberaNota>;

// Os tipos de nota que levam PIS/COFINS, IPI e situação tributária aos itens.
bool TipoNotaTributado(BYTE byTipoNota);
// O percentual guardado numa palavra (1800 = 18 %).
CY Percentual(WORD iPalavra);

}  // namespace importa

// O estado de uma chamada: a nota corrente, a sua origem, os cadastros lidos, as
// marcas de imposto e os índices de produtos e serviços já no registro pela sua chave
// de junção (sem percorrer o registro a cada item: com a junção ligada, a chave de um
// item novo não está no registro, então o igual achado é o único, e o último).
class CImportaNotaComercial {
 public:
  CImportaNotaComercial(CTrataDadosREWnd& tratador, TCMRERegistroEntrada& registro, int nNotas)
      : m_t(tratador), m_r(registro), m_nNotas(nNotas) {}
  // Uma nota da lista (nIndice 0 é a nota principal); a nota e a sua origem são
  // liberadas ao fim, também quando uma leitura falha.
  void ImportaNota(int nIndice, long lPosicaoComercial);
  // Devolve a reserva da lista de produtos quando mais da metade ficou sem uso.
  void DevolveSobra();
  // Os totais do registro, com as mensagens desligadas e religadas depois.
  void Recalcula();

 private:
  // Cabeçalho (importa_nota_cabecalho.cpp).
  void Verifica(HRESULT hr, const importa::TLeitura& leitura,
                std::source_location local = std::source_location::current());
  void LeCadastros();
  void PreencheCabecalho();
  void AcumulaValores();
  void AdicionaReferidasDevolucao();
  void AdicionaMensagens();
  void LeMarcasImposto();
  void ReservaProdutos(int nIndice);
  void AdicionaParcelas();
  // Itens de produto e serviço (importa_nota_itens.cpp).
  void ImportaProduto(int j, const tagREG_ITENS_PRODUTO_NFPS& nfItem);
  void PreencheProdutoNovo(const tagREG_ITENS_PRODUTO_NFPS& nfItem, TCMREItemProduto& item);
  void SomaProduto(const tagREG_ITENS_PRODUTO_NFPS& nfItem, TCMREItemProduto& item);
  void AdicionaEntradas(int j, const tagREG_ITENS_PRODUTO_NFPS& nfItem, const _REG_PRODUTOPS& RegProduto,
                        TCMREItemProduto& item);
  void PreencheLote(const tagREG_DETALHE_ESTOQUE_NFPS& detalhe, TCMREEntradaEstoque& entrada);
  void BuscaMovimentoOrigem(int j, int d, const tagREG_ITENS_PRODUTO_NFPS& nfItem, TCMREEntradaEstoque& entrada);
  void ImportaServico(const tagREG_ITENS_SERVICO_NFPS& nfServico);
  // Impostos e rateio (importa_nota_impostos.cpp).
  struct TImpostosItem {
    TCMREImposto aEntrada[3];
    int aIndice[3] = {-1, -1, -1};
  };
  TImpostosItem AchaImpostos(const TCMREItemProduto& item) const;
  void PreencheImpostosNovo(const tagREG_ITENS_PRODUTO_NFPS& nfItem, TCMREItemProduto& item, TImpostosItem& impostos);
  void PreenchePISCOFINSNovo(const tagREG_ITENS_PRODUTO_NFPS& nfItem, TCMREItemProduto& item);
  void PreencheDI(bool bNovo, const tagREG_ITENS_PRODUTO_NFPS& nfItem, TCMREItemProduto& item);
  void SomaPISCOFINS(const tagREG_ITENS_PRODUTO_NFPS& nfItem, TCMREItemProduto& item);
  void GravaImpostos(const TImpostosItem& impostos, TCMREItemProduto& item);
  void AdicionaRetencoes(const tagREG_ITENS_SERVICO_NFPS& nfServico, TCMREItemServico& item);
  void RateiaProduto(const tagREG_ITENS_PRODUTO_NFPS& nfItem, TCMREItemProduto& item);
  void RateiaServico(const tagREG_ITENS_SERVICO_NFPS& nfServico, TCMREItemServico& item);
  template <class TRateio>
  void RateiaConta(const tagREG_RATEIO_NFPS& linha, const importa::TLeitura& leitura, TRateio& rateio);

  CTrataDadosREWnd& m_t;
  TCMRERegistroEntrada& m_r;
  int m_nNotas;
  long m_lPosicaoComercial = 0;
  importa::TNota m_pNF;
  importa::TNota m_pNFOrigem;
  WORD m_iPonteiroCFOP = 0;
  WORD m_iPonteiroSituacaoServico = 0;
  _REG_NATUREZAPS m_rNaturezaCopia{};      // CFOP principal da nota, como lido
  _REG_NATUREZAPS m_rNaturezaItemCopia{};  // CFOP do item corrente, como lido
  _RegContaPS m_rContaCliente{};
  tagREG_CADDOCPS m_rCadastroDocumento{};
  _RegCFRT m_rCFRTLocal{};
  _Reg_InfoExtras_PS m_rInfoExtrasCFRT{};
  bool m_bFilialTributadaIPI = false;
  bool m_bNaturezaImportacao = false;
  bool m_bUsaDI = false;
  CIndiceJuncao m_indiceProdutos;
  CIndiceJuncao m_indiceServicos;
};
