// Regras da ordem de compra: o confronto das parcelas com o orçamento e a liberação,
// que pergunta à tela quando alguma linha do orçamento passa do previsto.
#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "vrmwnd/base/CQZCurrencyEx.h"
#include "vrmwnd/base/cy_operacoes.h"
#include "vrmwnd/platform/msgbox.h"
#include "vrmwnd/suite/regras/CConsisteDados.h"
#include "vrmwnd/suite/servidor/ordem_compra.h"

namespace {

constexpr unsigned kSemPergunta = 2;

// "2026-12-01" -> "01/12/2026".
CString DataBrasileira(const std::string& strIso) {
  if (strIso.size() != 10) return CString(strIso.c_str());
  return CString((strIso.substr(8, 2) + "/" + strIso.substr(5, 2) + "/" + strIso.substr(0, 4)).c_str());
}

CString Valor(long long cyBruto) {
  CQZCurrencyEx valor(CyDeBruto(cyBruto));
  valor.SetDuasCasasDecimais();
  return valor.Formata();
}

// O excesso de uma linha do orçamento e as descrições das contas.
struct TExcesso {
  const vrmsuite::TLinhaOrcamento* pLinha;
  long long cyExcesso;
  std::string strContabil, strGerencial;
};

// A linha do orçamento da parcela, ou nenhuma.
const vrmsuite::TLinhaOrcamento* LinhaDaParcela(const std::vector<vrmsuite::TLinhaOrcamento>& orcamento,
                                                const vrmsuite::TParcelaOrdemCompra& parcela) {
  for (const vrmsuite::TLinhaOrcamento& l : orcamento)
    if (l.lContaContabil == parcela.lContaContabil && l.lContaGerencial == parcela.lContaGerencial &&
        parcela.strVencimento >= l.strInicio && parcela.strVencimento <= l.strFim)
      return &l;
  return nullptr;
}

// Pelo total: por linha do orçamento, o ocupado mais as partes da ordem que caem
// nela, menos o previsto.
std::vector<TExcesso> ExcessosNoTotal(const std::vector<vrmsuite::TLinhaOrcamento>& orcamento,
                                      const std::vector<vrmsuite::TParcelaOrdemCompra>& parcelas) {
  std::map<const vrmsuite::TLinhaOrcamento*, TExcesso> porLinha;
  std::vector<const vrmsuite::TLinhaOrcamento*> ordem;
  for (const vrmsuite::TParcelaOrdemCompra& p : parcelas) {
    const vrmsuite::TLinhaOrcamento* pLinha = LinhaDaParcela(orcamento, p);
    if (pLinha == nullptr) continue;
    auto [it, bNova] = porLinha.try_emplace(
        pLinha, TExcesso{pLinha, pLinha->cyOcupado - pLinha->cyPrevisto, p.strContabil, p.strGerencial});
    if (bNova) ordem.push_back(pLinha);
    it->second.cyExcesso += p.cyValor;
  }
  std::vector<TExcesso> excessos;
  for (const vrmsuite::TLinhaOrcamento* pLinha : ordem)
    if (porLinha.at(pLinha).cyExcesso > 0) excessos.push_back(porLinha.at(pLinha));
  return excessos;
}

// Por parcela: cada parte sozinha contra o que sobra da sua linha.
std::vector<TExcesso> ExcessosPorParcela(const std::vector<vrmsuite::TLinhaOrcamento>& orcamento,
                                         const std::vector<vrmsuite::TParcelaOrdemCompra>& parcelas) {
  std::vector<TExcesso> excessos;
  for (const vrmsuite::TParcelaOrdemCompra& p : parcelas) {
    const vrmsuite::TLinhaOrcamento* pLinha = LinhaDaParcela(orcamento, p);
    if (pLinha == nullptr) continue;
    const long long cyExcesso = pLinha->cyOcupado + p.cyValor - pLinha->cyPrevisto;
    if (cyExcesso > 0) excessos.push_back({pLinha, cyExcesso, p.strContabil, p.strGerencial});
  }
  return excessos;
}

}  // namespace

unsigned CTrataDadosOC::OnDoModalOrcamento(const CString&, const T_Lista<T_Lista<CString>>& linhas) {
  return linhas.GetSize() == 0 ? kSemPergunta : static_cast<unsigned>(IDNO);
}

HRESULT CTrataDadosOC::ExcessosOrcamento(ULONG lNumero, T_Lista<T_Lista<CString>>& linhas) {
  linhas.RemoveAll();
  if (lNumero == 0) return E_INVALIDARG;
  std::vector<vrmsuite::TParcelaOrdemCompra> parcelas;
  HRESULT hr = vrmsuite::LeParcelasOrdemCompra(*GetUsaServidor(), m_ppICMMestre, lNumero, parcelas);
  if (hr != S_OK) return hr;
  std::vector<vrmsuite::TLinhaOrcamento> orcamento;
  hr = vrmsuite::LeOrcamento(*GetUsaServidor(), m_ppICMMestre, lNumero, orcamento);
  if (hr != S_OK) return hr;
  CQZDadosCM_Mestre mestre;
  hr = mestre.Le(*GetUsaServidor(), m_ppICMMestre);
  if (hr != S_OK) return hr;
  const bool bPorParcela = !mestre.GetBloquearOCSuperiorOrcadoValorTotal();
  if (bPorParcela && !mestre.GetBloquearOCSuperiorOrcadoValorParcela()) return S_OK;
  const std::vector<TExcesso> excessos =
      bPorParcela ? ExcessosPorParcela(orcamento, parcelas) : ExcessosNoTotal(orcamento, parcelas);
  std::set<std::pair<std::string, std::string>> periodos;
  for (const TExcesso& e : excessos) periodos.emplace(e.pLinha->strInicio, e.pLinha->strFim);
  for (const TExcesso& e : excessos) {
    T_Lista<CString> linha;
    if (bPorParcela || periodos.size() > 1)
      linha.Add(DataBrasileira(e.pLinha->strInicio) + " a " + DataBrasileira(e.pLinha->strFim));
    linha.Add(CString(e.strContabil.c_str()));
    linha.Add(CString(e.strGerencial.c_str()));
    linha.Add(Valor(e.cyExcesso));
    linhas.Add(linha);
  }
  return S_OK;
}

bool CTrataDadosOC::GetDataInicialFinalOrcamento(REG_QZMA maBase, int nMeses, REG_QZMA ma, REG_QZDMA& dmaInicial,
                                                 REG_QZDMA& dmaFinal) {
  dmaInicial = dmaFinal = 0;
  if (!QZMAValido(ma)) return false;
  if (nMeses < 1) nMeses = 12;
  int nMes = 0, nAno = 0;
  QZMAParaData(ma, &nMes, &nAno);
  // Sem mês base, os períodos começam em janeiro.
  const int nBase = QZMAValido(maBase) ? maBase - 1 : (nAno - QZ_ANO_MINIMO) * 12;
  const int nDeslocamento = (ma - 1) - nBase;
  const int nPeriodo = nDeslocamento >= 0 ? nDeslocamento / nMeses : -((-nDeslocamento + nMeses - 1) / nMeses);
  const int nPrimeiro = nBase + nPeriodo * nMeses, nUltimo = nPrimeiro + nMeses - 1;
  if (nPrimeiro < 0 || nUltimo >= QZMA_MAXIMO) return false;
  dmaInicial = QZDMA(1, nPrimeiro % 12 + 1, QZ_ANO_MINIMO + nPrimeiro / 12);
  dmaFinal = QZDMA(QZUltimoDiaDoMes(nUltimo % 12 + 1, QZ_ANO_MINIMO + nUltimo / 12), nUltimo % 12 + 1,
                   QZ_ANO_MINIMO + nUltimo / 12);
  return true;
}

HRESULT CTrataDadosOC::LiberaOrdem(ULONG lNumero, TCMLiberacaoOC& liberacao) {
  liberacao = TCMLiberacaoOC{};
  const HRESULT hr = ExcessosOrcamento(lNumero, liberacao.linhas);
  if (hr != S_OK) return hr;
  if (liberacao.linhas.GetSize() > 0) {
    liberacao.strMensagem.Format("A ordem de compra %lu passa do orçamento de compras nas contas abaixo.",
                                 static_cast<unsigned long>(lNumero));
    if (GetSuprimeMensagens()) return S_OK;
  }
  liberacao.nResposta = OnDoModalOrcamento(liberacao.strMensagem, liberacao.linhas);
  // Acima do orçamento só o Sim libera (o diálogo fechado de outro jeito não).
  if (liberacao.linhas.GetSize() > 0 && liberacao.nResposta != IDYES) return S_OK;
  liberacao.bLiberada = true;
  return vrmsuite::GravaLiberacaoOrdemCompra(*GetUsaServidor(), m_ppICMMestre, lNumero);
}
