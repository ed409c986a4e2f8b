// As regras do registro de entradas (CTrataDadosRE): cadastros lidos pelos
// servidores da empresa, totais em aritmética exata de V8 e CY, impostos e rateio.
#include "vrmwnd/suite/regras/CTrataDadosRE.h"

#include "vrmwnd/base/QZProfiler.h"
#include "vrmwnd/base/cy_operacoes.h"
#include "vrmwnd/suite/leiautes/REG_FILIALPS.h"
#include "vrmwnd/suite/leiautes/_REG_PRODUTOPS.h"
#include "vrmwnd/suite/registros/TCMRERegistroEntrada.h"
#include "vrmwnd/suite/regras/CManipulaListaValores.h"

namespace {

constexpr const char* kFonte = "TrataDadosRE";
// Locais de falha das leituras de cadastro destas regras.
constexpr long kLocalCadastroProduto = 710101;
constexpr long kLocalCadastroServico = 710102;
constexpr long kLocalCadastroFilial = 710103;

// quantidade (4 casas) × (unitário − desconto unitário) V8 (8 casas) em centavos, meio
// para longe do zero, em 128 bits: |quantidade| ≤ 2^63 e |diferença| < 2^64 dão um
// produto abaixo de 2^127. DISP_E_OVERFLOW quando o total não cabe num CY.
HRESULT TotalEmCentavos(CY cyQuantidade, LONGLONG llUnitario, LONGLONG llDesconto, CY* pTotal) {
  using Int128 = __int128;
  *pTotal = g_cyZero;
  const Int128 nUnitario = Int128{llUnitario} - llDesconto;
  const Int128 nProduto = Int128{cyQuantidade.int64} * nUnitario;  // 12 casas
  constexpr Int128 kPorCentavo = 10'000'000'000;                   // 12 - 2 casas
  Int128 nCentavos = nProduto / kPorCentavo;
  const Int128 nResto = nProduto % kPorCentavo;
  if (nResto * 2 >= kPorCentavo)
    ++nCentavos;
  else if (nResto * 2 <= -kPorCentavo)
    --nCentavos;
  if (nCentavos > INT64_MAX / 100 || nCentavos < INT64_MIN / 100) return DISP_E_OVERFLOW;
  *pTotal = CyDeBruto(static_cast<LONGLONG>(nCentavos * 100));
  return S_OK;
}

// A conta de destino e o histórico da linha de rateio (nModo 0: só o que está em 0).
void ClassificacaoEHistorico(int nModo, const TCMRERegistroEntrada& registro, const TCMREItemProduto& item,
                             TCMRERateioProduto& rateio) {
  const bool bSoVazios = nModo == 0;
  if (!bSoVazios || rateio.GetPonteiroClassificacaoDestino() == 0) {
    rateio.SetPonteiroClassificacaoDestino(item.GetPonteiroClassificacao() != 0 ? item.GetPonteiroClassificacao()
                                                                                : registro.GetPonteiroClassificacao());
  }
  if (!bSoVazios || rateio.GetPonteiroHistorico() == 0) {
    rateio.SetPonteiroHistorico(registro.GetPonteiroHistorico());
    rateio.SetComplementoHistorico(registro.GetComplementoHistorico());
  }
}

CY SomaImpostos(const T_Lista<TCMREImposto>& lista) {
  CY cyTotal = g_cyZero;
  for (const TCMREImposto& imposto : lista) cyTotal += imposto.GetValor();
  return cyTotal;
}

}  // namespace

TCMREItemProduto CTrataDadosRE::PreencheDadosProduto(WORD /*iFilial*/, long /*lFornecedor*/, WORD iCFOP,
                                                     REG_QZDMA /*dmaEmissao*/, REG_QZDMA /*dmaEntrada*/,
                                                     WORD /*iTipoDocumento*/, const TCMPosicaoProduto& posicao,
                                                     long /*lOperacao*/) {
  TCMREItemProduto item;
  item.SetPosicaoProduto(posicao);
  item.SetPonteiroCFOP(iCFOP);
  if (posicao.lPonteiroProduto == 0) return item;
  _REG_PRODUTOPS regProduto;
  const HRESULT hr = QZ_VERIFICA_HR(GetContextoProfiler(), eQZFalhaSeNaoZero,
                                    GetUsaServidor()->LeDFProduto(m_ppIProduto, posicao.lPonteiroProduto, &regProduto));
  if (hr != 0) LancaFalha(hr, kLocalCadastroProduto, kFonte, __LINE__);
  item.SetPonteiroClassificacao(regProduto.lPonteiroClassificacao());
  item.SetPonteiroUnidadeMedida(regProduto.iPonteiroUnidadeMedida());
  item.SetPonteiroLocalEstoque(regProduto.iPonteiroLocalEstoque());
  item.SetTipoEntradaEstoque(regProduto.byTipoEntradaEstoque());
  return item;
}

TCMREItemServico CTrataDadosRE::PreencheDadosServico(WORD /*iFilial*/, long /*lFornecedor*/, WORD iSitServico,
                                                     REG_QZDMA /*dmaEmissao*/, REG_QZDMA /*dmaEntrada*/, long lServico,
                                                     long /*lReservado*/) {
  TCMREItemServico item;
  item.SetPonteiroServico(lServico);
  item.SetPonteiroSitServico(iSitServico);
  if (lServico == 0) return item;
  _REG_SERVICOPS regServico;
  const HRESULT hr = QZ_VERIFICA_HR(GetContextoProfiler(), eQZFalhaSeNaoZero,
                                    GetUsaServidor()->LeDFServico(m_ppIProduto, lServico, &regServico));
  if (hr != 0) LancaFalha(hr, kLocalCadastroServico, kFonte, __LINE__);
  item.SetPonteiroClassificacao(regServico.lPonteiroClassificacao());
  item.SetPonteiroUnidadeMedida(regServico.iPonteiroUnidadeMedida());
  return item;
}

TCMREEntradaEstoque CTrataDadosRE::PreencheDadosEntradaEstoque(const TCMRERegistroEntrada& registro,
                                                               const TCMREItemProduto& item, const CY* pQuantidade) {
  TCMREEntradaEstoque entrada;
  entrada.SetTipo(item.GetTipoEntradaEstoque());
  SetClassificacaoELocalEstocagem(registro, item, 1, entrada);
  if (pQuantidade != nullptr) {
    entrada.SetQuantidade(*pQuantidade);
    return entrada;
  }
  CY cyFalta = item.GetQuantidade();
  for (const TCMREEntradaEstoque& e : item.GetListaEntradaEstoque()) cyFalta -= e.GetQuantidade();
  entrada.SetQuantidade(cyFalta > g_cyZero ? cyFalta : g_cyZero);
  return entrada;
}

void CTrataDadosRE::SetClassificacaoELocalEstocagem(const TCMRERegistroEntrada& registro, const TCMREItemProduto& item,
                                                    int nModo, TCMREEntradaEstoque& entrada) {
  const bool bSoVazios = nModo == 1;
  if (!bSoVazios || entrada.GetPonteiroLocal() == 0) entrada.SetPonteiroLocal(item.GetPonteiroLocalEstoque());
  if (!bSoVazios || entrada.GetPonteiroClassificacao() == 0) {
    const long lClassificacao =
        item.GetPonteiroClassificacao() != 0 ? item.GetPonteiroClassificacao() : registro.GetPonteiroClassificacao();
    entrada.SetPonteiroClassificacao(lClassificacao);
  }
}

CY CTrataDadosRE::CalculaValorTotalBruto(const TCMREItemProduto& item) {
  CY cyTotal = g_cyZero;
  CalculaValorTotalBrutoVerificado(item, &cyTotal);
  return cyTotal;
}

HRESULT CTrataDadosRE::CalculaValorTotalBrutoVerificado(const TCMREItemProduto& item, CY* pTotal) {
  return TotalEmCentavos(item.GetQuantidade(), item.GetValorUnitarioV8(), item.GetValorDescontoUnitarioV8(), pTotal);
}

HRESULT CTrataDadosRE::CalculaValorTotalBrutoVerificado(const TCMREItemServico& item, CY* pTotal) {
  return TotalEmCentavos(item.GetQuantidade(), item.GetValorUnitarioV8(), item.GetValorDescontoUnitarioV8(), pTotal);
}

void CTrataDadosRE::CalculaValorTotalLiquido(const TCMREItemServico& item, WORD /*iSitServico*/, long lFornecedor,
                                             CY& cyBruto, CY& cyLiquido) {
  cyBruto = g_cyZero;
  CalculaValorTotalBrutoVerificado(item, &cyBruto);
  cyLiquido = cyBruto;
  if (lFornecedor != 0) cyLiquido -= SomaImpostos(item.GetListaImposto());
}

void CTrataDadosRE::AtualizaValoresEx(TCMRERegistroEntrada& registro, int nOpcao) const {
  CY cyProdutos = g_cyZero;
  CY cyICMSST = g_cyZero;
  for (const TCMREItemProduto& item : registro.GetListaProdutoRef()) {
    cyProdutos += item.GetValorTotal();
    cyICMSST += item.GetValorICMSST();
  }
  CY cyServicos = g_cyZero;
  CY cyRetencoes = g_cyZero;
  for (const TCMREItemServico& item : registro.GetListaServicoRef()) {
    cyServicos += item.GetValorTotal();
    cyRetencoes += SomaImpostos(item.GetListaImposto());
  }
  CY cyNota = cyProdutos + cyServicos + registro.GetValorTotalIPI() + cyICMSST + registro.GetValorFreteDigitado() +
              registro.GetValorSeguroDigitado() + registro.GetValorDespesasAcessoriasDigitado() -
              registro.GetValorDescontoNaNota();
  registro.SetValorTotalProdutos(cyProdutos);
  registro.SetValorTotalServicos(cyServicos);
  registro.SetValorTotalRetencoes(cyRetencoes);
  registro.SetValorTotalNota(cyNota);
  registro.SetValorLiquidoNota(cyNota - cyRetencoes);

  TCMCondicaoPagamento& condicao = registro.GetCondicaoPagamentoRef();
  if ((nOpcao & CM_RE_ATUALIZA_PARCELAS) == 0 || condicao.GetQuantidadeParcela() == 0) return;
  CManipulaListaValores valores(true);
  for (const TCMParcela& p : condicao.GetListaParcela()) valores.Adiciona(p.GetValorParcelaDigitado());
  if (!valores.SetNovoTotal(registro.GetValorLiquidoNota(), 2)) return;
  for (int i = 0; i < condicao.GetQuantidadeParcela(); ++i) {
    TCMParcela parcela = condicao.GetParcela(i);
    parcela.SetValorParcelaDigitado(valores.GetValor(i));
    condicao.SetParcela(i, parcela);
  }
}

int CTrataDadosRE::GetImpostoIndice(const T_Lista<TCMREImposto>& lista, BYTE byTipo) {
  for (INT_PTR i = 0; i < lista.GetSize(); ++i) {
    if (lista[i].GetTipoImposto() == byTipo) return static_cast<int>(i);
  }
  return -1;
}

TCMREImposto CTrataDadosRE::GetImposto(const T_Lista<TCMREImposto>& lista, BYTE byTipo) {
  const int i = GetImpostoIndice(lista, byTipo);
  if (i >= 0) return lista[i];
  TCMREImposto novo;
  novo.SetTipoImposto(byTipo);
  return novo;
}

CString CTrataDadosRE::GetNomeImposto(BYTE byTipo) {
  switch (byTipo) {
    case CM_IMPOSTO_IRRF: return "IRRF";
    case CM_IMPOSTO_PIS: return "PIS";
    case CM_IMPOSTO_COFINS: return "COFINS";
    case CM_IMPOSTO_CSLL: return "CSLL";
    case CM_IMPOSTO_ISS: return "ISS Retido";
    case CM_IMPOSTO_INSS: return "INSS";
    default: return CString();
  }
}

bool CTrataDadosRE::HabilitarCST_COFINS(WORD iFilial) {
  REG_DF_FILIALPS regFilial;
  const HRESULT hr = QZ_VERIFICA_HR(GetContextoProfiler(), eQZFalhaSeNaoZero,
                                    GetUsaServidor()->LeDFFilial(m_ppIFilial, iFilial, &regFilial));
  if (hr != 0) LancaFalha(hr, kLocalCadastroFilial, kFonte, __LINE__);
  return regFilial.byCSTCOFINSProprio() != 0;
}

bool CTrataDadosRE::HabilitaBCAlqVlr_PIS_COFINS_Produto_Servico(WORD iTipoIncidencia, bool bServico) {
  const int n = iTipoIncidencia;
  if (n == 3) return !bServico;
  return n == 1 || n == 2 || (n >= 49 && n <= 56) || (n >= 60 && n <= 67) || n == 98 || n == 99;
}

void CTrataDadosRE::SetClassificacaoEHistoricoAutomaticoProduto(int nModo, const TCMRERegistroEntrada& registro,
                                                                TCMREItemProduto& item, int nIndice,
                                                                TCMRERateioProduto& rateio) {
  ClassificacaoEHistorico(nModo, registro, item, rateio);
  if (nIndice >= 0 && nIndice < item.GetQuantidadeRateio()) item.SetRateio(nIndice, rateio);
}

T_Lista<TCMRERateioProduto> CTrataDadosRE::MontaClassificaoPeloCadastroProduto(const TCMREItemProduto& item,
                                                                               const TCMRERegistroEntrada& registro) {
  TCMRERateioProduto rateio;
  rateio.SetNEWQuantidade(item.GetQuantidade());
  rateio.SetNEWValor(item.GetValorTotal());
  ClassificacaoEHistorico(0, registro, item, rateio);
  T_Lista<TCMRERateioProduto> lista;
  lista.Add(rateio);
  return lista;
}

T_Lista<TCMRERateioServico> CTrataDadosRE::MontaClassificaoPeloCadastroServico(const TCMREItemServico& item,
                                                                               const TCMRERegistroEntrada& registro) {
  TCMRERateioServico rateio;
  rateio.SetNEWQuantidade(item.GetQuantidade());
  rateio.SetNEWValor(item.GetValorTotal());
  rateio.SetPonteiroClassificacao(item.GetPonteiroClassificacao() != 0 ? item.GetPonteiroClassificacao()
                                                                       : registro.GetPonteiroClassificacao());
  rateio.SetPonteiroSitServicoRateio(item.GetPonteiroSitServico());
  rateio.SetPonteiroHistorico(registro.GetPonteiroHistorico());
  rateio.SetComplementoHistorico(registro.GetComplementoHistorico());
  T_Lista<TCMRERateioServico> lista;
  lista.Add(rateio);
  return lista;
}
