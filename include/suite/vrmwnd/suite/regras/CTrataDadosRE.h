// Regras de negócio do registro de entradas (CTrataDadosRE): itens preenchidos pelos
// cadastros de produto e de serviço, entradas em estoque, totais dos itens e do
// registro, impostos dos itens, PIS/COFINS por situação tributária e a classificação
// automática do rateio.
#pragma once

#include "vrmwnd/platform/oleauto.h"
#include "vrmwnd/suite/exporta.h"
#include "vrmwnd/suite/regras/CTrataDadosBase.h"

// Os registros de valor que as regras recebem e devolvem (registros/).
class TCMRERegistroEntrada;
class TCMREItemProduto;
class TCMREItemServico;
class TCMREEntradaEstoque;
class TCMREImposto;
class TCMRERateioProduto;
class TCMRERateioServico;
class TCMTituloImposto;
struct TCMPosicaoProduto;

// Opções de CTrataDadosRE::AtualizaValoresEx (bits).
enum {
  CM_RE_ATUALIZA_TOTAIS = 0,    // só os totais do registro
  CM_RE_ATUALIZA_PARCELAS = 1,  // também reparte o líquido pelas parcelas
};

class VRMWND_SUITE_API CTrataDadosRE : public CTrataDadosBase {
 public:
  using CTrataDadosBase::CTrataDadosBase;

  // Item novo de produto: a posição, a CFOP e, do cadastro do produto (LeDFProduto,
  // lido só quando a chave do produto não é 0), classificação, unidade, local de
  // estocagem e tipo de entrada. Filial, fornecedor, datas, tipo de documento e
  // operação não mudam o resultado. Falha de leitura: registrada no log de erros e
  // lançada (CQZExceptionEx).
  TCMREItemProduto PreencheDadosProduto(WORD iFilial, long lFornecedor, WORD iCFOP, REG_QZDMA dmaEmissao,
                                        REG_QZDMA dmaEntrada, WORD iTipoDocumento, const TCMPosicaoProduto& posicao,
                                        long lOperacao);
  // Item novo de serviço: o serviço, a situação e, do cadastro (LeDFServico, chave não
  // 0), classificação e unidade. Os demais argumentos não mudam o resultado.
  TCMREItemServico PreencheDadosServico(WORD iFilial, long lFornecedor, WORD iSitServico, REG_QZDMA dmaEmissao,
                                        REG_QZDMA dmaEntrada, long lServico, long lReservado);

  // Entrada nova do item: o tipo, o local e a classificação do item, e a quantidade
  // dada ou, com pQuantidade nulo, o que falta do item entrar (a quantidade menos a
  // das entradas que ele já tem; nunca abaixo de 0).
  static TCMREEntradaEstoque PreencheDadosEntradaEstoque(const TCMRERegistroEntrada& registro,
                                                         const TCMREItemProduto& item, const CY* pQuantidade);
  // Local e classificação da entrada a partir do item (a classificação, na falta da
  // do item, vem do registro). nModo 1 só preenche o que está em 0; outro valor
  // substitui os dois.
  static void SetClassificacaoELocalEstocagem(const TCMRERegistroEntrada& registro, const TCMREItemProduto& item,
                                              int nModo, TCMREEntradaEstoque& entrada);

  // quantidade × (unitário − desconto unitário), em V8, arredondado a 2 casas meio
  // para longe do zero, sem impostos; fora da faixa do CY, 0.
  static CY CalculaValorTotalBruto(const TCMREItemProduto& item);
  // Bruto como acima; líquido = bruto − soma das retenções do serviço. Sem fornecedor
  // (lFornecedor 0) ninguém retém: líquido = bruto. A situação do serviço não muda o
  // resultado.
  static void CalculaValorTotalLiquido(const TCMREItemServico& item, WORD iSitServico, long lFornecedor, CY& cyBruto,
                                       CY& cyLiquido);
  // O mesmo bruto, dizendo quando não cabe: S_OK e o total em *pTotal, ou
  // DISP_E_OVERFLOW (o item falha; *pTotal fica 0, nunca um valor que deu a volta).
  static HRESULT CalculaValorTotalBrutoVerificado(const TCMREItemProduto& item, CY* pTotal);
  static HRESULT CalculaValorTotalBrutoVerificado(const TCMREItemServico& item, CY* pTotal);

  // Totais do registro: produtos (soma dos totais), serviços (soma dos totais),
  // retenções (impostos dos serviços), nota = produtos + serviços + IPI + ICMS-ST
  // dos produtos + frete + seguro + despesas − desconto, líquido = nota − retenções.
  // Com CM_RE_ATUALIZA_PARCELAS, as parcelas são reescaladas ao líquido em 2 casas
  // (CManipulaListaValores). Não mostra mensagem.
  void AtualizaValoresEx(TCMRERegistroEntrada& registro, int nOpcao) const;

  // O primeiro imposto do tipo na lista, ou um novo desse tipo; e o seu índice (−1).
  static TCMREImposto GetImposto(const T_Lista<TCMREImposto>& lista, BYTE byTipo);
  static int GetImpostoIndice(const T_Lista<TCMREImposto>& lista, BYTE byTipo);
  // "IRRF", "PIS", "COFINS", "CSLL", "ISS Retido", "INSS" (tipos 1 a 6); outro, "".
  static CString GetNomeImposto(BYTE byTipo);

  // Os títulos a pagar das retenções do registro: um por imposto retido (tipos 1 a 6,
  // na ordem) e parcela da condição (uma só, no vencimento da entrada, sem parcelas).
  // O retido de cada imposto (soma dos impostos dos itens de serviço) se reparte
  // pelas parcelas na proporção dos seus valores, em centavos; a sobra do
  // arredondamento vai à maior parcela (a primeira, no empate), e os títulos do
  // imposto somam o retido exatamente. Cada título leva a filial, o histórico e o
  // complemento do registro, o vencimento e o documento da parcela, o código de
  // receita do imposto e uma linha de classificação com todo o valor na filial;
  // cedente, tipo de documento e classificação ficam para o usuário.
  static T_Lista<TCMTituloImposto> GeraTitulosRetencao(const TCMRERegistroEntrada& registro);

  // O COFINS tem situação tributária própria na filial (LeDFFilial; falha lançada).
  bool HabilitarCST_COFINS(WORD iFilial);
  // Base, alíquota e valor de PIS/COFINS valem para a situação tributária (CST)
  // iTipoIncidencia: 1, 2, 3, 49 a 56, 60 a 67, 98 e 99; não para 0, 4 a 9 e 70 a
  // 75. O CST 3 (alíquota por unidade de produto) não vale para serviço.
  static bool HabilitaBCAlqVlr_PIS_COFINS_Produto_Servico(WORD iTipoIncidencia, bool bServico);

  // Completa a linha de rateio: conta de destino da classificação do item (na falta
  // dela, do registro) e histórico do registro. nModo 0 só preenche o que está em 0;
  // outro valor substitui. nIndice de uma linha do item também grava a linha lá;
  // −1 (linha ainda fora do item) só muda a linha dada.
  static void SetClassificacaoEHistoricoAutomaticoProduto(int nModo, const TCMRERegistroEntrada& registro,
                                                          TCMREItemProduto& item, int nIndice,
                                                          TCMRERateioProduto& rateio);
  // O rateio pelo cadastro: uma linha com toda a quantidade e todo o total do item,
  // na classificação do item (ou do registro) e com o histórico do registro.
  static T_Lista<TCMRERateioProduto> MontaClassificaoPeloCadastroProduto(const TCMREItemProduto& item,
                                                                         const TCMRERegistroEntrada& registro);
  static T_Lista<TCMRERateioServico> MontaClassificaoPeloCadastroServico(const TCMREItemServico& item,
                                                                         const TCMRERegistroEntrada& registro);
};
