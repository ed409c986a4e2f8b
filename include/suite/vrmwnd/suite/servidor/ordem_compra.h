// As ordens de compra e o orçamento da empresa (tabelas ordem_compra, oc_parcela,
// oc_rateio e orcamento), como as regras os pedem ao servidor mestre do módulo: as
// parcelas de uma ordem, as linhas do orçamento com o que as ordens já liberadas
// ocupam de cada uma, o orçado e o realizado de um período e a marca de liberada.
#pragma once

#include <string>
#include <vector>

#include "vrmwnd/platform/wintypes.h"
#include "vrmwnd/suite/exporta.h"

class CUsaServidor;
class IQZServidor;

namespace vrmsuite {

// Uma parte de uma parcela da ordem (a parcela inteira, ou uma parte do seu rateio)
// com as contas a que se apropria, as descrições já prontas ("3.1.01.001 - Material
// de consumo").
struct TParcelaOrdemCompra {
  int nOrdem = 0;
  std::string strVencimento;  // AAAA-MM-DD
  long long cyValor = 0;      // CY bruto
  long lContaContabil = 0, lContaGerencial = 0;
  std::string strContabil, strGerencial;
};

// Uma linha do orçamento: o par de contas, o período dos vencimentos e o valor
// previsto; cyOcupado soma as parcelas das outras ordens já liberadas que caem nela.
struct TLinhaOrcamento {
  long lContaContabil = 0, lContaGerencial = 0;
  std::string strInicio, strFim;  // AAAA-MM-DD, inclusive
  long long cyPrevisto = 0, cyOcupado = 0;
};

// As partes das parcelas da ordem lNumero, por parcela e código das contas; leitura "LeCMParcelasOC". A ordem que não
// existe dá QZ_E_REGISTRO_NAO_ENCONTRADO.
VRMWND_SUITE_API HRESULT LeParcelasOrdemCompra(CUsaServidor& usa, IQZServidor** ppICMMestre, ULONG lNumero,
                                               std::vector<TParcelaOrdemCompra>& parcelas);
// As linhas do orçamento da filial da ordem lNumero, com o ocupado pelas outras
// ordens liberadas da filial; leitura "LeCMOrcamento".
VRMWND_SUITE_API HRESULT LeOrcamento(CUsaServidor& usa, IQZServidor** ppICMMestre, ULONG lNumero,
                                     std::vector<TLinhaOrcamento>& linhas);
// O que o controle do orçamento pergunta de um período: a filial (0 = todas), a
// classificação contábil, a conta gerencial (0 = o orçamento sem gerencial) e o
// período, AAAA-MM-DD inclusive.
struct TFiltroControleOrcamento {
  unsigned short iFilial = 0;
  long lClassificacao = 0, lGerencial = 0;
  std::string strInicio, strFim;
};

// Uma conta analítica da classificação no período: o orçado das linhas que começam
// nele, o apropriado pelas parcelas das ordens liberadas que vencem nele (rateio
// incluído) e se alguma linha de orçamento existe.
struct TContaControleOrcamento {
  long lConta = 0;
  long long cyOrcado = 0, cyUsado = 0;
  bool bExiste = false;
};

// As contas que a classificação do filtro representa (ela mesma quando analítica, as
// analíticas debaixo dela quando sintética), por código; classificação que não existe
// dá a lista vazia. Leitura "LeCMControleOrcamento".
VRMWND_SUITE_API HRESULT LeControleOrcamento(CUsaServidor& usa, IQZServidor** ppICMMestre,
                                             const TFiltroControleOrcamento& filtro,
                                             std::vector<TContaControleOrcamento>& contas);
// Marca a ordem como liberada; gravação "GravaCMLiberacaoOC".
VRMWND_SUITE_API HRESULT GravaLiberacaoOrdemCompra(CUsaServidor& usa, IQZServidor** ppICMMestre, ULONG lNumero);

}  // namespace vrmsuite
