// O tratador do registro de entradas da camada de janelas (CTrataDadosREWnd): a
// importação de notas fiscais comerciais num registro de entrada de mercadorias
// (ImportaNotaComercial), com cabeçalho, itens, estoque, impostos, rateio e parcelas.
#pragma once

#include "vrmwnd/base/QZProfiler.h"
#include "vrmwnd/platform/CArray.h"
#include "vrmwnd/suite/leiautes/leiautes_fwd.h"
#include "vrmwnd/suite/registros/TCMRERegistroEntrada.h"
#include "vrmwnd/suite/regras/CConsisteDados.h"
#include "vrmwnd/util/exporta.h"

class CImportaNotaComercial;

class VRMWND_API CTrataDadosREWnd : public CConsisteDadosRE, public CQZProfilerEmpresa {
 public:
  // O cronômetro vai sem mudança à base; o próprio tratador é o contexto do profiler
  // dos erros das regras.
  explicit CTrataDadosREWnd(CTimer2* pTimer);
  ~CTrataDadosREWnd() override;

  // Um registro de entrada a partir das notas comerciais nas posições dadas, na ordem
  // da lista: a primeira dá o cabeçalho, o fornecedor, as datas, a origem e as
  // parcelas; todas somam valores, itens (produtos e serviços iguais se juntam) e
  // notas referidas, menos o desconto na nota, que cada nota substitui: fica o da
  // última. Lista vazia dá um registro vazio. Uma leitura que falha é
  // registrada uma vez no log de erros e lançada como CQZExceptionEx (local e módulo
  // da leitura); nada do que foi montado volta e nenhuma nota lida fica alocada. Um
  // registro de nota malformado lança vrmsuite::CQZErroLayout. Não mostra mensagem.
  TCMRERegistroEntrada ImportaNotaComercial(T_Lista<long> aPosicoes);

 private:
  friend class CImportaNotaComercial;

  // Acrescenta a nota de origem às referidas, a não ser que já esteja lá ou que não
  // tenha número.
  void AdicionaReferida(TCMRERegistroEntrada& registro, const tagREG_NOTA_FISCAL_ORIGEM_NFPS& origem);
  // Na nota de onde veio um item devolvido, o complemento do detalhe de estoque do
  // item que casa com ele (nItem é o índice do item na nota importada): a lista fica
  // com um código, ou vazia quando nenhum ou mais de um casam.
  void Get_DetalhesOrigem_lComplementoQuemGerou(const tagREG_NOTA_FISCALPS* pNotaOrigem, int nItem,
                                                const tagREG_ITENS_PRODUTO_NFPS& item,
                                                CArray<unsigned long, const unsigned long&>& lista);
};
