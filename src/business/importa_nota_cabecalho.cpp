// ImportaNotaComercial: a ordem das etapas por nota, as leituras e verificações de
// cada nota, o cabeçalho da nota principal, os valores acumulados, as notas referidas,
// as mensagens informadas, as marcas de imposto, as parcelas e o recálculo final.
#include <algorithm>
#include <cstdlib>

#include "importa_nota.h"
#include "vrmwnd/base/CQZQuemGerou.h"
#include "vrmwnd/base/QZException.h"
#include "vrmwnd/base/cy_operacoes.h"
#include "vrmwnd/platform/clock.h"
#include "vrmwnd/suite/servidor/banco_empresa.h"

namespace importa {

bool TipoNotaTributado(BYTE byTipoNota) {
  switch (byTipoNota) {
    case 1:
    case 4:
    case 7:
    case 9:
    case 11:
    case 13:
    case 14:
    case 15: return true;
    default: return false;
  }
}

CY Percentual(WORD iPalavra) { return CVRMSVRUtil::Percentual_USHORT_Para_CURRENCY(iPalavra); }

}  // namespace importa

namespace {

constexpr const char* kClasseFuncao = "CTrataDadosREWnd::ImportaNotaComercial";
constexpr const char* kFonte = "TrataDadosREWnd";

REG_QZDMA Hoje() {
  SYSTEMTIME agora;
  GetLocalTime(&agora);
  return QZDMA(agora.wDay, agora.wMonth, agora.wYear);
}

// Via de transporte da nota para o código do registro.
BYTE ViaTransporte(BYTE byVia) {
  switch (byVia) {
    case 1:
    case 2:
    case 3:
    case 4:
    case 5: return byVia;
    case 6: return 7;
    case 9: return 6;
    default: return 0;
  }
}

unsigned short ClasseConsumidora(std::string_view sTexto) {
  std::string strDigitos;
  for (char c : sTexto)
    if (c >= '0' && c <= '9') strDigitos += c;
  return static_cast<unsigned short>(std::strtoull(strDigitos.c_str(), nullptr, 10));
}

// Soma o valor da nota ao do registro e devolve a soma.
template <class TGet, class TSet>
CY Acumula(TGet get, TSet set, CY cyNota) {
  const CY cySoma = get() + cyNota;
  set(cySoma);
  return cySoma;
}

}  // namespace

TCMRERegistroEntrada CTrataDadosREWnd::ImportaNotaComercial(T_Lista<long> aPosicoes) {
  TCMRERegistroEntrada registro;
  if (aPosicoes.GetSize() == 0) return registro;
  // As notas e os cadastros lidos num só estado do banco; o mesmo cadastro lido de
  // novo (o produto, a natureza e a unidade de cada item) não volta ao banco.
  const vrmsuite::CLeituraConsistente leitura = LeituraConsistente();
  CImportaNotaComercial importacao(*this, registro, static_cast<int>(aPosicoes.GetSize()));
  for (int i = 0; i < aPosicoes.GetSize(); ++i) importacao.ImportaNota(i, aPosicoes.GetAt(i));
  importacao.DevolveSobra();
  importacao.Recalcula();
  return registro;
}

void CImportaNotaComercial::Verifica(HRESULT hr, const importa::TLeitura& leitura, std::source_location local) {
  const int nLinha = static_cast<int>(local.line());
  if (QZVerificaHR(hr, eQZFalhaSeNaoZero, &m_t, kClasseFuncao, kFonte, nLinha, leitura.szExpressao) == 0) return;
  throw CQZExceptionEx(hr, leitura.lLocal, leitura.lModulo, m_t.GetEmpresaProfiler(), kFonte, nLinha, QZ_COMPILACAO);
}

void CImportaNotaComercial::ImportaNota(int nIndice, long lPosicaoComercial) {
  m_lPosicaoComercial = lPosicaoComercial;
  CUsaServidor& usa = *m_t.GetUsaServidor();
  tagREG_NOTA_FISCALPS* pRegNF = nullptr;
  Verifica(usa.LeDFNotasFiscais(m_t.m_ppINotasFiscais, lPosicaoComercial, &pRegNF), importa::kLeNota);
  m_pNF.reset(pRegNF);
  m_pNFOrigem.reset();
  LeCadastros();
  if (nIndice == 0) PreencheCabecalho();
  AcumulaValores();
  if (m_pNF->byTipoNota() == 15 || m_pNF->byTipoNota() == 16) AdicionaReferidasDevolucao();
  if (m_pNF->iQtdMensagens() != 0) AdicionaMensagens();
  LeMarcasImposto();

  ReservaProdutos(nIndice);
  const auto itens = m_pNF->ItensProduto();
  for (std::size_t j = 0; j < itens.size(); ++j)
    if (itens[j].byIgnorar() == 0) ImportaProduto(static_cast<int>(j), itens[j]);
  for (const tagREG_ITENS_SERVICO_NFPS& servico : m_pNF->ItensServico()) ImportaServico(servico);

  if (nIndice == 0 && m_r.GetStatusRementente() != 2) AdicionaParcelas();
  m_r.SetValorDescontoNaNota(m_pNF->cyDesconto1() + m_pNF->cyDesconto2());
  m_pNFOrigem.reset();
  m_pNF.reset();
}

// A lista de produtos do registro é alocada de uma vez para o que as notas devem
// trazer (os itens desta nota vezes as notas que faltam, o caso de notas parecidas) e
// cresce em dobro além disso: recopiar milhares de itens a cada poucas notas, ou tocar
// blocos novos a cada dobra, custaria mais que a própria importação. Reservar além do
// usado não toca a memória; a sobra grande volta ao fim (DevolveSobra).
void CImportaNotaComercial::ReservaProdutos(int nIndice) {
  auto& produtos = m_r.GetListaProdutoRef();
  const INT_PTR nUsados = produtos.GetSize();
  const INT_PTR nAlocados = produtos.GetAllocSize();
  const INT_PTR nItens = m_pNF->iQtdItensProduto();
  if (nUsados + nItens <= nAlocados) return;
  // A estimativa vai no máximo a kReservaMaxima itens além dos usados (uns 50 MB).
  constexpr INT_PTR kReservaMaxima = 65'536;
  const INT_PTR nEsperados = nUsados + std::min<INT_PTR>(nItens * (m_nNotas - nIndice), kReservaMaxima);
  const INT_PTR nPasso = std::max({nEsperados - nAlocados, nAlocados, T_Lista<int>::PASSO_CRESCIMENTO});
  produtos.SetSize(nUsados, nPasso);
}

void CImportaNotaComercial::DevolveSobra() {
  auto& produtos = m_r.GetListaProdutoRef();
  if (produtos.GetSize() * 2 < produtos.GetAllocSize()) produtos.FreeExtra();
}

// Os totais saem do registro inteiro (cada chamada refaz todos eles), então recalcular
// uma vez depois da última nota dá o mesmo registro que recalcular depois de cada
// uma, sem o custo crescer com o quadrado do número de notas. Durante o recálculo a
// licença do processo fica desligada e a supressão de mensagens do tratador ligada;
// as duas voltam depois, a do tratador primeiro.
void CImportaNotaComercial::Recalcula() {
  const bool bPodeMostrar = CQZInicializador::GetPodeMostrarMensagens();
  const bool bSuprime = m_t.GetSuprimeMensagens();
  CQZInicializador::SetMostrarMensagens(false);
  m_t.SetSuprimeMensagens(true);
  m_t.AtualizaValoresEx(m_r, 0);
  m_t.SetSuprimeMensagens(bSuprime);
  CQZInicializador::SetMostrarMensagens(bPodeMostrar);
}

void CImportaNotaComercial::LeCadastros() {
  CUsaServidor& usa = *m_t.GetUsaServidor();
  const tagREG_NOTA_FISCALPS* pRegNF = m_pNF.get();
  Verifica(usa.LeDFPlano(m_t.m_ppIPlano, pRegNF->lPonteiroCliente(), &m_rContaCliente, false),
           importa::kLeContaCliente);
  Verifica(usa.LeDFDocumento(m_t.m_ppIDocumento, pRegNF->iPonteiroDocumento(), &m_rCadastroDocumento),
           importa::kLeDocumento);
  Verifica(usa.InicializaCNFilial(m_t.m_ppIFilial), importa::kInicializaFilial);

  _REG_NATUREZAPS rNatureza;
  m_iPonteiroCFOP = pRegNF->iPonteiroCFOP();
  Verifica(usa.LeDFNaturezas(m_t.m_ppICFOP, m_iPonteiroCFOP, &rNatureza), importa::kLeCFOPCabecalho);
  m_rNaturezaCopia = rNatureza;
  if (rNatureza.byPresente() == 0) m_iPonteiroCFOP = 0;

  _REG_NATUREZAPS RegSitServico;
  m_iPonteiroSituacaoServico = pRegNF->iPonteiroSitServico();
  Verifica(usa.LeDFNaturezas(m_t.m_ppICFOP, m_iPonteiroSituacaoServico, &RegSitServico),
           importa::kLeSitServicoCabecalho);
  if (RegSitServico.byPresente() == 0) m_iPonteiroSituacaoServico = 0;

  Verifica(usa.LeDFCFRT(m_t.m_ppICFRT, m_t.m_ppIPlano, 0, pRegNF->lPonteiroCliente(), 0, &m_rCFRTLocal, nullptr,
                        nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, &m_rInfoExtrasCFRT),
           importa::kLeCFRT);

  const BYTE byOperacao = m_rNaturezaCopia.byTipoOperacao();
  const tagREG_NOTA_FISCAL_ORIGEM_NFPS origem = pRegNF->regNFOrigem();
  if ((byOperacao == 4 || byOperacao == 5) && origem.byTipoOrigem() == 5 && origem.lChaveNFCM() != 0) {
    tagREG_NOTA_FISCALPS* pRegNFOrigemNota = nullptr;
    Verifica(usa.LeDFNotasFiscais(m_t.m_ppINotasFiscais, origem.lChaveNFCM(), &pRegNFOrigemNota),
             importa::kLeNotaOrigem);
    m_pNFOrigem.reset(pRegNFOrigemNota);
  }
}

void CImportaNotaComercial::PreencheCabecalho() {
  const tagREG_NOTA_FISCALPS& nf = *m_pNF;
  const REG_QZDMA dmaHoje = Hoje();
  const REG_QZDMA dmaEntrada = nf.dmaSaida() != 0 ? nf.dmaSaida() : nf.dmaEmissao() != 0 ? nf.dmaEmissao() : dmaHoje;
  m_r.SetVariasNotasDevolucaoRetorno(1);
  m_r.SetRegQuemGerou(CQZQuemGerou(static_cast<ULONG>(m_lPosicaoComercial), 5).GetRegQuemGerou());
  m_r.SetRegDataEntrada(dmaEntrada);
  m_r.SetRegDataEmissao(nf.dmaEmissao() != 0 ? nf.dmaEmissao() : dmaHoje);
  m_r.SetPonteiroFilial(nf.iPonteiroFilial());
  m_r.SetNumeroNotaFiscal(CString(std::to_string(nf.lNumero()).c_str()));
  m_r.SetSerieNotaFiscal(CString(std::string(nf.szSerie()).c_str()));
  m_r.SetPonteiroTipoDocumento(m_rCadastroDocumento.byUsaNaEntrada() != 0 ? nf.iPonteiroDocumento() : 0);
  m_r.SetPonteiroFornecedor(nf.lPonteiroCliente());
  m_r.SetStatusRementente(CVRMSVRUtil::true_S(m_rContaCliente.cRemetente1())   ? 1
                          : CVRMSVRUtil::true_S(m_rContaCliente.cRemetente2()) ? 2
                                                                               : 0);
  m_r.SetClasseConsumidora(ClasseConsumidora(nf.szClasseConsumidora()));
  const char cAssinante = m_rInfoExtrasCFRT.cTipoAssinante();
  m_r.SetTipoAssinante(cAssinante >= '1' && cAssinante <= '6' ? cAssinante - '0' : 0);
  m_r.SetRegNFe(nf.regNFe());
  m_r.SetPonteiroCFOPPrincipal(m_iPonteiroCFOP);
  m_r.SetPonteiroSitServicoPrincipal(m_iPonteiroSituacaoServico);
  _RegContaPS rContaClassificacao;
  Verifica(m_t.GetUsaServidor()->LeDFPlano(m_t.m_ppIPlano, nf.lEntradaRecursos(), &rContaClassificacao),
           importa::kLeContaRecursos);
  if (rContaClassificacao.cClassificacao() == 'S') m_r.SetPonteiroClassificacao(nf.lEntradaRecursos());
  m_r.SetSituacao(nf.bySituacao() != 0 ? 2 : 0);
  m_r.SetStatusNFPropria(1);
  m_r.SetPonteiroTransportadora(nf.lPonteiroTransportadora());
  m_r.SetPonteiroHistorico(nf.iPonteiroHistorico());
  m_r.SetComplementoHistorico(CString(std::string(nf.szComplementoHistorico()).c_str()));
  m_r.SetStatusViaTransp(ViaTransporte(nf.byViaTransporte()));
  m_r.SetQtdVolumes(static_cast<unsigned long>(static_cast<double>(nf.cyQtdVolumes().int64) / 10000.0));
  m_r.SetEspecieVolume(CString(std::string(nf.szEspecieVolume()).c_str()));
  m_r.SetMarcaVolume(CString(std::string(nf.szMarcaVolume()).c_str()));
  m_r.SetNumeroInicialVolume(CString(std::string(nf.szNumeroVolume()).c_str()));
  m_r.SetPesoBrutoTotal(nf.cyPesoBruto());
  m_r.SetPesoLiquidoTotal(nf.cyPesoLiquido());
  m_r.SetPlacaVeiculo1(CString(std::string(nf.szPlaca1()).c_str()));
  m_r.SetEstado1(CString(std::string(nf.szUF1()).c_str()));
  m_r.SetPlacaVeiculo2(CString(std::string(nf.szPlaca2()).c_str()));
  m_r.SetEstado2(CString(std::string(nf.szUF2()).c_str()));
  m_r.SetPlacaVeiculo3(CString(std::string(nf.szPlaca3()).c_str()));
  m_r.SetEstado3(CString(std::string(nf.szUF3()).c_str()));
  m_r.SetNSU(static_cast<ULONGLONG>(nf.lNSU()));
}

void CImportaNotaComercial::AcumulaValores() {
  const tagREG_NOTA_FISCALPS& nf = *m_pNF;
  TCMRERegistroEntrada& r = m_r;
#define QZ_ACUMULA(Nome, cyNota) Acumula([&r] { return r.Get##Nome(); }, [&r](CY cy) { r.Set##Nome(cy); }, (cyNota))
  // Com o frete somado acima de zero, a marca e o código de quem paga o frete (o desta
  // nota); com a soma em zero, o código que já havia fica.
  if (QZ_ACUMULA(ValorFreteDigitado, nf.cyFrete()) > g_cyZero) {
    r.SetInformarValorFrete(1);
    r.SetFretePorConta(nf.byFretePorConta());
  }
  if (QZ_ACUMULA(ValorSeguroDigitado, nf.cySeguro()) > g_cyZero) r.SetInformarValorSeguro(1);
  if (QZ_ACUMULA(ValorDespesasAcessoriasDigitado, nf.cyDespesasAcessorias()) > g_cyZero)
    r.SetInformarValorDespesasAcessorias(1);
  QZ_ACUMULA(ValorTotalIPI, nf.cyValorIPI());
  QZ_ACUMULA(BaseCalcIPI, nf.cyBaseIPI());
  QZ_ACUMULA(IsentasICMS, nf.cyIsentasICMS());
  QZ_ACUMULA(OutrasICMS, nf.cyOutrasICMS());
  QZ_ACUMULA(IsentasIPI, nf.cyIsentasIPI());
  QZ_ACUMULA(OutrasIPI, nf.cyOutrasIPI());
  QZ_ACUMULA(ValorFunrural, nf.cyFunrural());
  QZ_ACUMULA(ValorDeducaoICMSSuframa, nf.cyDeducaoICMSSuframa());
#undef QZ_ACUMULA
}

void CImportaNotaComercial::AdicionaReferidasDevolucao() {
  m_r.SetIndicadorTipoNF(2);
  m_t.AdicionaReferida(m_r, m_pNF->regNFOrigem());
  for (const tagREG_ITENS_PRODUTO_NFPS& item : m_pNF->ItensProduto()) m_t.AdicionaReferida(m_r, item.regNFOrigem());
}

void CTrataDadosREWnd::AdicionaReferida(TCMRERegistroEntrada& registro, const tagREG_NOTA_FISCAL_ORIGEM_NFPS& origem) {
  if (origem.szNumero().empty()) return;
  TCMRENFReferidas referida;
  referida.SetNumeroNotaFiscalOrigem(CString(std::string(origem.szNumero()).c_str()));
  referida.SetSerieNotaFiscalOrigem(CString(std::string(origem.szSerie()).c_str()));
  referida.SetModeloNotaFiscalOrigem(CString(std::string(origem.szModelo()).c_str()));
  referida.SetRegDataEmissaoNotaFiscalOrigem(origem.dmaEmissao());
  referida.SetRegNFe(origem.regNFe());
  referida.SetValorTotalNotaFiscalOrigem(origem.cyTotal());
  referida.SetPonteiroNF(origem.lChaveNFCM());
  const BYTE byTipo = origem.byTipoOrigem();
  referida.SetTipoNota(byTipo == 5 ? 0 : byTipo == 18 ? 1 : 2);
  for (int k = 0; k < registro.GetQuantidadeReferidas(); ++k)
    if (registro.GetReferidas(k) == referida) return;
  registro.AdicionaReferidas(referida);
}

void CImportaNotaComercial::AdicionaMensagens() {
  const auto mensagens = m_pNF->Mensagens();
  CString strFisco, strContribuinte;
  CQZDadosFT_NF::ConverterListaMensagensNFInformadaParaMensagem(static_cast<int>(mensagens.size()), mensagens.begin(),
                                                                strFisco, strContribuinte, ' ');
  m_r.SetObservacaoGeral(m_r.GetObservacaoGeral() + CVRMSVRUtil::CStringSemQuebraDeLinha(strContribuinte));
  m_r.SetObservacaoFisco(m_r.GetObservacaoFisco() + CVRMSVRUtil::CStringSemQuebraDeLinha(strFisco));
}

void CImportaNotaComercial::LeMarcasImposto() {
  CUsaServidor& usa = *m_t.GetUsaServidor();
  m_bFilialTributadaIPI = usa.FilialTributadaIPI(m_t.m_ppIFilial, m_r.GetPonteiroFilial());
  m_bNaturezaImportacao = usa.NaturezaImportacao(m_t.m_ppICFOP, m_r.GetPonteiroCFOPPrincipal());
  m_bUsaDI = usa.UsaDI(m_t.m_ppICFOP, m_t.m_ppICFRT, m_t.m_ppIPlano, m_t.m_ppIMunicipio, m_t.m_ppIEstado,
                       m_r.GetPonteiroFornecedor(), m_r.GetPonteiroCFOPPrincipal(), m_r.GetRegDataEmissao());
}

void CImportaNotaComercial::AdicionaParcelas() {
  TCMCondicaoPagamento& condicao = m_r.GetCondicaoPagamentoRef();
  for (const tagREG_PARCELA_NFPS& nfParcela : m_pNF->Parcelas()) {
    TCMParcela parcela;
    parcela.SetValorParcelaDigitado(nfParcela.cyValor());
    parcela.SetRegDataVencimento(nfParcela.dmaVencimento());
    parcela.SetNumeroDaParcela(condicao.GetQuantidadeParcela() + 1);
    parcela.SetPonteiroTipoVencimento(nfParcela.byTipoVencimento());
    parcela.SetPonteiroFormaPagamento(m_rCFRTLocal.byFormaPagamento());
    CString strDocumento;
    strDocumento.Format("%d/%d", static_cast<int>(m_pNF->lNumero()), nfParcela.byOrdem() + 1);
    parcela.SetNumeroDocumento(strDocumento);
    condicao.AdicionaParcela(parcela);
    if (condicao.GetDataPrimeiroVencimento() == 0) condicao.SetDataPrimeiroVencimento(nfParcela.dmaVencimento());
  }
}
