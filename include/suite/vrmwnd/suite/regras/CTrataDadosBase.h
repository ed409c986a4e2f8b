// Base das regras de negócio dos documentos (CTrataDadosBase): os servidores da
// empresa (CServidoresCompartilhados), o contexto do profiler dos erros, as
// configurações mestras do módulo, a marca de lote de estoque, a supressão de
// mensagens e a regra de local da entrada em estoque.
#pragma once

#include <memory>

#include "vrmwnd/base/REG_QZDMC.h"
#include "vrmwnd/base/datas.h"
#include "vrmwnd/suite/exporta.h"
#include "vrmwnd/suite/regras/CQZDadosCM_Mestre.h"
#include "vrmwnd/suite/servidor/CServidoresCompartilhados.h"

class IQZDF_Profiler;
class TCMREQualEntradaEstoque;
class TCMTituloImposto;
class TCMRateioTitulo;
class TCMCondicaoPagamento;
class TQZCMConsisteRetorno;
class CTrataDadosGerencial;

// Os tipos de consistência dos títulos das retenções e das suas linhas (0 aceita).
// "RateioTitulo" no resultado diz a linha dos tipos 2 e 3.
enum {
  CM_CONSISTE_TITULO_ACEITO = 0,
  CM_CONSISTE_TITULO_VALOR_LINHA = 2,          // uma linha sem valor
  CM_CONSISTE_TITULO_CLASSIFICACAO_LINHA = 3,  // classificação faltando, inválida ou sem as contas gerenciais
  CM_CONSISTE_RATEIO_VALOR = 4,                // (linha) sem valor ou acima do que falta no título
  CM_CONSISTE_TITULO_SEM_DOCUMENTO = 4,        // (título) o documento sem chave de movimento
  CM_CONSISTE_TITULO_IMPOSTO = 5,              // tipo de imposto fora do catálogo
  CM_CONSISTE_TITULO_CODIGO_RECEITA = 6,       // código de receita faltando ou não cadastrado
  CM_CONSISTE_TITULO_SEM_CEDENTE = 7,
  CM_CONSISTE_TITULO_CEDENTE_INVALIDO = 8,  // não é conta analítica de fornecedor
  CM_CONSISTE_TITULO_SEM_TIPO_DOCUMENTO = 9,
  CM_CONSISTE_TITULO_TIPO_DOCUMENTO_INVALIDO = 10,  // não cadastrado ou não usado na entrada
  CM_CONSISTE_TITULO_SOMA_LINHAS = 11,              // as linhas não somam o valor do título
  CM_CONSISTE_TITULO_FILIAL = 12,                   // filial de uma linha faltando ou não ativa
  CM_CONSISTE_TITULO_SEM_VALOR = 13,                // título de valor 0 ou negativo
  CM_CONSISTE_TITULO_VENCIMENTO = 14,               // vencimento faltando ou antes da entrada
  CM_CONSISTE_TITULO_SEM_LINHAS = 15,
};

class VRMWND_SUITE_API CTrataDadosBase : public CServidoresCompartilhados {
 public:
  // pContexto pode ser nulo e ser dado depois; não é do objeto. Sem ele, as falhas vão
  // ao log de erros sem empresa.
  explicit CTrataDadosBase(CQZTimer* pTimer = nullptr, const IQZDF_Profiler* pContexto = nullptr);
  ~CTrataDadosBase() override;

  void SetContextoProfiler(const IQZDF_Profiler* pContexto) { m_pContexto = pContexto; }
  const IQZDF_Profiler* GetContextoProfiler() const { return m_pContexto; }

  // Lê as configurações mestras do módulo pela interface mestre (depois de
  // OnInicializa); a falha é registrada no log de erros e devolvida.
  virtual HRESULT OnLerParametros();
  const CQZDadosCM_Mestre& GetDadosCM_Mestre() const { return m_DadosCM_Mestre; }

  // A empresa usa lotes de estoque (as entradas buscam o lote do movimento).
  BYTE GetUsaLoteES() const { return m_byUsaLoteES; }
  void SetUsaLoteES(BYTE by) { m_byUsaLoteES = by; }
  // A tela navega com Enter como Tab; os diálogos que as regras pedem seguem a tela.
  bool GetEnterComoTab() const { return m_bEnterComoTab; }
  void SetEnterComoTab(bool b) { m_bEnterComoTab = b; }
  // Enquanto ligada, as regras não pedem nada ao usuário.
  bool GetSuprimeMensagens() const { return m_bSuprimeMensagens; }
  void SetSuprimeMensagens(bool b) { m_bSuprimeMensagens = b; }

  // A regra de local de uma entrada em estoque de tipo byTipo num item cuja natureza
  // tem o tipo de operação byTipoOperacao (4 e 5 são devolução e retorno):
  // | operação  | tipos permitidos (do catálogo)  | regra do tipo 1 | do tipo 2 | do 3 |
  // |-----------|---------------------------------|-----------------|-----------|------|
  // | 4 ou 5    | 1 entrada, 3 sem entrada        | movimento de origem (UsaSaidaMovOriEstoque 1) | — | livre |
  // | as demais | 1, 2 consignação, 3             | local obrigatório | local obrigatório | livre |
  // PonteiroLocal é iLocal. A mensagem diz a primeira regra que a entrada (byTipo,
  // iLocal, lMovimentoOrigem) não atende: tipo não permitido, local faltando ou
  // movimento de origem faltando; vazia quando atende.
  static TCMREQualEntradaEstoque GetLocalEntradaEstoqueObrigatorio(BYTE byTipo, BYTE byTipoOperacao, WORD iLocal,
                                                                   ULONG lMovimentoOrigem);

  // O título já gravado na condição para o imposto e a parcela, ou nulo (condição nula
  // ou sem ele). O ponteiro vale enquanto a condição não mudar.
  static const TCMTituloImposto* GetPtrTituloAtual(const TCMCondicaoPagamento* pCondicao, unsigned char byTipoImposto,
                                                   int nParcela);
  // A consistência do título i de um documento (chave do movimento, data de entrada),
  // na ordem: documento, imposto, valor, código de receita, cedente, tipo de
  // documento, vencimento, linhas (filial, valor, classificação e contas gerenciais
  // de cada uma) e a soma das linhas; o primeiro problema dá o tipo e a mensagem.
  // pAnterior é o título já gravado (GetPtrTituloAtual): um vencimento anterior à
  // entrada que ele já tinha, gravado completo (byAnteriorIncompleta 0), é aceito.
  // Falha de leitura: registrada e lançada (CQZExceptionEx).
  TQZCMConsisteRetorno ConsisteDadosTitulo_oitc(REG_QZDMC chaveMovimento, REG_QZDMA dmaEntrada,
                                                unsigned char byAnteriorIncompleta, int i,
                                                const TCMTituloImposto& titulo, const TCMTituloImposto* pAnterior);
  // A consistência da linha nLinha do título (-1: uma linha nova), antes de entrar
  // nele: valor (4), filial (12) e classificação (3). A filial 0 da linha é a do
  // título (iFilialTitulo).
  TQZCMConsisteRetorno ConsisteDadosRateioTitulo_oitc(REG_QZDMA dmaEntrada, const TCMTituloImposto& titulo, int nLinha,
                                                      unsigned short iFilialTitulo, const TCMRateioTitulo& rateio);

  // A variável de soma das relações gerenciais das linhas de título.
  static const int m_eVariavelSomaGerencialTitulo;
  // As regras gerenciais sobre as interfaces deste objeto (criadas na primeira
  // chamada, com o mesmo contexto de profiler).
  CTrataDadosGerencial& GetTrataDadosGerencial();

 protected:
  // Lança a falha de uma leitura já registrada no log: CQZExceptionEx com o código, o
  // local, o módulo de Compras, a empresa do contexto e a fonte.
  [[noreturn]] void LancaFalha(HRESULT hr, long lLocal, const char* szFonte, int nLinha) const;

 private:
  // O primeiro problema das linhas do título, no resultado; false quando não há.
  bool ConsisteLinhasTitulo(REG_QZDMA dmaEntrada, const TCMTituloImposto& titulo, TQZCMConsisteRetorno& retorno);
  // O problema da classificação da linha (tipo 3), ou false.
  bool ConsisteClassificacao(REG_QZDMA dmaEntrada, WORD iFilial, const TCMRateioTitulo& rateio, int nLinha,
                             TQZCMConsisteRetorno& retorno);

  std::unique_ptr<CTrataDadosGerencial> m_pTrataDadosGerencial;
  const IQZDF_Profiler* m_pContexto;
  CQZDadosCM_Mestre m_DadosCM_Mestre;
  BYTE m_byUsaLoteES = 0;
  bool m_bSuprimeMensagens = false;
  bool m_bEnterComoTab = false;
};
