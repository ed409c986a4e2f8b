// As ordens de compra e o orçamento da empresa (tabelas ordem_compra, oc_parcela e
// orcamento), como as regras da ordem de compra os pedem ao servidor mestre do
// módulo: as parcelas de uma ordem, as linhas do orçamento com o que as ordens já
// liberadas ocupam de cada uma, e a marca de liberada.
#pragma once

#include <string>
#include <vector>

#include "vrmwnd/platform/wintypes.h"
#include "vrmwnd/suite/exporta.h"

class CUsaServidor;
class IQZServidor;

namespace vrmsuite {

// Uma parcela da ordem com as contas a que se apropria, as descrições já prontas
// ("3.1.01.001 - Material de consumo").
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

// As parcelas da ordem lNumero, por ordem; leitura "LeCMParcelasOC". A ordem que não
// existe dá QZ_E_REGISTRO_NAO_ENCONTRADO.
VRMWND_SUITE_API HRESULT LeParcelasOrdemCompra(CUsaServidor& usa, IQZServidor** ppICMMestre, ULONG lNumero,
                                               std::vector<TParcelaOrdemCompra>& parcelas);
// Todas as linhas do orçamento, com o ocupado pelas ordens liberadas que não são a
// lNumero; leitura "LeCMOrcamento".
VRMWND_SUITE_API HRESULT LeOrcamento(CUsaServidor& usa, IQZServidor** ppICMMestre, ULONG lNumero,
                                     std::vector<TLinhaOrcamento>& linhas);
// Marca a ordem como liberada; gravação "GravaCMLiberacaoOC".
VRMWND_SUITE_API HRESULT GravaLiberacaoOrdemCompra(CUsaServidor& usa, IQZServidor** ppICMMestre, ULONG lNumero);

}  // namespace vrmsuite
