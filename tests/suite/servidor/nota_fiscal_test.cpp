// LeDFNotasFiscais sobre a empresa de amostra: os valores do banco nos deslocamentos
// fixos da nota, dos itens, detalhes, rateios, parcelas e da NF-e; toda nota lida e
// liberada sem sobrar bloco; linhas corrompidas falham com mensagem clara e nada
// alocado; o gancho de teste vale também para a nota.
#include <gtest/gtest.h>

#include <cstring>

#include "empresa_teste.h"
#include "vrmwnd/base/CQZQuemGerou.h"
#include "vrmwnd/base/T_Lista.h"
#include "vrmwnd/suite/ganchos_teste.h"
#include "vrmwnd/suite/leiautes/REG_ES_MOVIMENTOPS.h"
#include "vrmwnd/suite/leiautes/tagREG_NOTA_FISCALPS.h"
#include "vrmwnd/suite/servidor/CServidoresCompartilhados.h"
#include "vrmwnd/suite/servidor/resultados.h"

namespace {

// Leitura crua, sem os acessores: o que está no deslocamento dado.
template <class T>
T Em(const BYTE* pBase, std::size_t nOffset) {
  T v;
  std::memcpy(&v, pBase + nOffset, sizeof v);
  return v;
}

// O bloco cujo identificador está em nOffset, com checagem do tamanho mínimo.
const BYTE* Bloco(const BYTE* pBase, std::size_t nOffset, std::size_t nMinimo) {
  SIZE_T nBytes = 0;
  const void* p = CoTaskMemFromHandle(Em<DWORD>(pBase, nOffset), &nBytes);
  EXPECT_NE(p, nullptr) << "identificador em " << nOffset;
  EXPECT_GE(nBytes, nMinimo) << "bloco em " << nOffset;
  return static_cast<const BYTE*>(p);
}

class NotaFiscalTest : public testing::Test {
 protected:
  void SetUp() override {
    m_nVivos = CoTaskMemLiveBlocks();
    ASSERT_EQ(m_servidores.OnInicializa(m_empresa.Nome()), S_OK);
  }
  void TearDown() override {
    vrmsuite::LimpaFalhasLeitura();
    EXPECT_EQ(CoTaskMemLiveBlocks(), m_nVivos) << "blocos do alocador sobraram";
  }
  HRESULT Le(long lPosicao, tagREG_NOTA_FISCALPS** ppNF) {
    return m_servidores.GetUsaServidor()->LeDFNotasFiscais(m_servidores.m_ppINotasFiscais, lPosicao, ppNF);
  }
  static void Libera(tagREG_NOTA_FISCALPS* pNF) {
    pNF->Libera();
    CoTaskMemFree(pNF);
  }

  SIZE_T m_nVivos = 0;
  CEmpresaTeste m_empresa;
  CServidoresCompartilhados m_servidores;
};

}  // namespace

TEST_F(NotaFiscalTest, CabecalhoDaCompraNosDeslocamentos) {
  tagREG_NOTA_FISCALPS* pNF = nullptr;
  ASSERT_EQ(Le(6144, &pNF), S_OK) << m_servidores.GetUsaServidor()->GetUltimoErro();
  const BYTE* p = pNF->Bytes();
  const struct {
    std::size_t nOffset;
    int nLargura;  // 1, 2, 4, 8 bytes
    long long llEsperado;
  } kNumeros[] = {
      {2296, 8, 1500000}, {2304, 8, 320000}, {2312, 8, 85000},  {2344, 8, 100000}, {2392, 8, 12000000},
      {2400, 8, 600000},  {2416, 8, 25000},  {2512, 8, 150000}, {2536, 8, 29999},  {2544, 8, 2100000},
      {2552, 8, 2035000}, {3016, 4, 4501},   {3024, 4, 1001},   {3028, 4, 2001},   {3032, 4, 3001},
      {3040, 4, 4001},    {3102, 2, 1},      {3106, 4, 62318},  {3130, 4, 62319},  {3156, 2, 1},
      {3160, 2, 1},       {3166, 2, 1},      {3168, 2, 0},      {3176, 2, 2},      {3178, 2, 0},
      {3180, 2, 0},       {3190, 2, 2},      {4766, 1, 1},      {4767, 1, 0},      {4778, 1, 3},
      {4780, 1, 1},       {4804, 1, 0},      {4892, 4, 0},      {4904, 4, 0},
  };
  for (const auto& c : kNumeros) {
    SCOPED_TRACE(c.nOffset);
    long long v = c.nLargura == 1   ? Em<BYTE>(p, c.nOffset)
                  : c.nLargura == 2 ? Em<WORD>(p, c.nOffset)
                  : c.nLargura == 4 ? Em<DWORD>(p, c.nOffset)
                                    : Em<LONGLONG>(p, c.nOffset);
    EXPECT_EQ(v, c.llEsperado);
  }
  const struct {
    std::size_t nOffset;
    const char* szEsperado;
  } kTextos[] = {{3228, "CAIXA"},   {3290, "1"},  {3310, "IPIRANGA"}, {3372, "NF 1001 - pedido 778"},
                 {4098, "ABC1D23"}, {4152, "SP"}, {4230, "1"},        {4270, "0-3-1"}};
  for (const auto& c : kTextos) EXPECT_STREQ(reinterpret_cast<const char*>(p + c.nOffset), c.szEsperado) << c.nOffset;
  EXPECT_STREQ(reinterpret_cast<const char*>(Bloco(p, 864, 45)), "35180861234567000155550010000010011000010015");
  Libera(pNF);
}

TEST_F(NotaFiscalTest, ItensDetalhesRateioParcelasEMensagensNosDeslocamentos) {
  tagREG_NOTA_FISCALPS* pNF = nullptr;
  ASSERT_EQ(Le(6144, &pNF), S_OK) << m_servidores.GetUsaServidor()->GetUltimoErro();
  const BYTE* p = pNF->Bytes();
  const BYTE* pItens = Bloco(p, 4888, 2 * 4368);
  EXPECT_EQ(Em<LONG>(pItens, 1600), 10);
  EXPECT_EQ(Em<LONGLONG>(pItens, 1616), 10000000);
  EXPECT_EQ(Em<LONGLONG>(pItens, 1632), 40000000);
  EXPECT_EQ(Em<LONGLONG>(pItens, 1776), 4000000);
  EXPECT_EQ(Em<LONGLONG>(pItens, 1888), 350000000);
  EXPECT_EQ(Em<LONGLONG>(pItens, 232), 720000);
  EXPECT_EQ(Em<WORD>(pItens, 360), 1800);
  EXPECT_EQ(Em<LONG>(pItens, 336), 1708);
  EXPECT_EQ(Em<LONGLONG>(pItens, 984), 16500);
  EXPECT_EQ(Em<BYTE>(pItens, 1012), 1);
  EXPECT_EQ(Em<WORD>(pItens, 2158), 1800);
  EXPECT_EQ(Em<WORD>(pItens, 2160), 500);
  EXPECT_EQ(Em<WORD>(pItens, 2172), 2);
  EXPECT_EQ(Em<WORD>(pItens, 2174), 1);
  EXPECT_EQ(Em<DWORD>(pItens, 720), QZDMA(15, 8, 2020));
  EXPECT_STREQ(reinterpret_cast<const char*>(pItens + 728), "L2018-0815");
  EXPECT_EQ(Em<char>(pItens, 764), '1');
  EXPECT_STREQ(reinterpret_cast<const char*>(pItens + 2212), "7318.15.00");
  EXPECT_EQ(Em<BYTE>(pItens, 4296), 4);
  EXPECT_EQ(Em<BYTE>(pItens + 4368, 4259), 10) << "situação tributária do segundo item";

  const BYTE* pDetalhe = Bloco(pItens, 4360, 216);
  EXPECT_EQ(Em<LONG>(pDetalhe, 0), 501);
  EXPECT_EQ(Em<DWORD>(pDetalhe, 12), QZDMA(15, 8, 2020));
  EXPECT_EQ(Em<WORD>(pDetalhe, 16), 730);
  EXPECT_EQ(Em<LONG>(pDetalhe, 56), 601);
  EXPECT_EQ(Em<LONGLONG>(pDetalhe, 112), 10000000);
  EXPECT_EQ(Em<WORD>(pDetalhe, 192), 1);

  const BYTE* pRateio = Bloco(pItens, 4364, 2 * 40);
  EXPECT_EQ(Em<LONGLONG>(pRateio, 0), 2500000);
  EXPECT_EQ(Em<LONGLONG>(pRateio, 8), 6000000);
  EXPECT_EQ(Em<LONG>(pRateio, 16), 5001);
  EXPECT_EQ(Em<WORD>(pRateio, 22), 2);
  const BYTE* pGerencial = Bloco(pRateio, 32, 2 * 32);
  EXPECT_EQ(Em<LONGLONG>(pGerencial + 32, 0), 1000000);
  EXPECT_EQ(Em<LONG>(pGerencial + 32, 16), 5001);
  EXPECT_EQ(Em<LONG>(pGerencial + 32, 20), 6002);
  EXPECT_EQ(Em<WORD>(pRateio + 40, 22), 0);
  EXPECT_EQ(Em<DWORD>(pRateio + 40, 32), 0u) << "linha sem gerenciais não tem bloco";

  const BYTE* pParcelas = Bloco(p, 4896, 3 * 144);
  EXPECT_EQ(Em<LONGLONG>(pParcelas + 288, 0), 4793400);
  EXPECT_EQ(Em<DWORD>(pParcelas + 288, 64), QZDMA(13, 11, 2018));
  EXPECT_EQ(Em<BYTE>(pParcelas + 288, 130), 2);
  EXPECT_EQ(Em<BYTE>(pParcelas + 288, 131), 1);

  auto mensagens = pNF->Mensagens();
  ASSERT_EQ(mensagens.size(), 2u);
  EXPECT_EQ(mensagens[0].byDestino(), tagREG_MENSAGEM_INFORMADA_NFPS::kDestinoFisco);
  EXPECT_EQ(mensagens[1].szTexto(), "Pedido 778 - entregar no almoxarifado 2.");
  Libera(pNF);
}

TEST_F(NotaFiscalTest, ServicoDevolucaoEImportacaoTrazemDeducoesOrigensEDI) {
  tagREG_NOTA_FISCALPS* pNF = nullptr;
  ASSERT_EQ(Le(18432, &pNF), S_OK) << m_servidores.GetUsaServidor()->GetUltimoErro();
  const tagREG_ITENS_SERVICO_NFPS& servico = pNF->ItensServico()[0];
  const BYTE* s = servico.Bytes();
  EXPECT_EQ(Em<LONGLONG>(s, 392), 5000000);
  EXPECT_EQ(Em<WORD>(s, 682), 500);
  EXPECT_EQ(Em<BYTE>(s, 2742), 2);
  const BYTE* pDeducoes6 = Bloco(s, 2788, 2 * 272);
  EXPECT_EQ(Em<LONGLONG>(pDeducoes6, 0), 300000);
  EXPECT_STREQ(reinterpret_cast<const char*>(pDeducoes6 + 8), "Subempreitada");
  EXPECT_EQ(Em<BYTE>(pDeducoes6, 260), 0);
  EXPECT_EQ(Em<BYTE>(pDeducoes6 + 272, 260), 1);
  EXPECT_EQ(servico.Rateio()[0].Gerencial().size(), 2u);
  Libera(pNF);

  ASSERT_EQ(Le(22528, &pNF), S_OK) << m_servidores.GetUsaServidor()->GetUltimoErro();
  EXPECT_EQ(Em<LONG>(pNF->Bytes(), 56), 6144);
  EXPECT_EQ(Em<BYTE>(pNF->Bytes(), 159), 5);
  EXPECT_STREQ(reinterpret_cast<const char*>(pNF->Bytes() + 90), "1001");
  EXPECT_EQ(pNF->regNFOrigem().regNFe().ChaveAcesso().size(), 44u);
  const BYTE* pItens = Bloco(pNF->Bytes(), 4888, 2 * 4368);
  EXPECT_EQ(Em<LONG>(pItens + 4368, 56), 10240);
  EXPECT_EQ(Em<BYTE>(pItens + 4368, 4295), 1) << "segundo item ignorado";
  Libera(pNF);

  ASSERT_EQ(Le(14336, &pNF), S_OK) << m_servidores.GetUsaServidor()->GetUltimoErro();
  const tagREG_ITENS_PRODUTO_NFPS& item = pNF->ItensProduto()[0];
  EXPECT_STREQ(reinterpret_cast<const char*>(item.Bytes() + 1216), "1812345678");
  EXPECT_STREQ(reinterpret_cast<const char*>(item.Bytes() + 1354), "PR");
  EXPECT_EQ(Em<DWORD>(item.Bytes(), 1212), QZDMA(18, 8, 2018));
  EXPECT_EQ(Em<LONGLONG>(item.Bytes(), 1168), 4000000);
  Libera(pNF);
}

TEST_F(NotaFiscalTest, TodaNotaDaAmostraLeELiberaSemSobrar) {
  for (long lPosicao : {6144L, 10240L, 14336L, 18432L, 22528L, 26624L}) {
    SCOPED_TRACE(lPosicao);
    tagREG_NOTA_FISCALPS* pNF = nullptr;
    ASSERT_EQ(Le(lPosicao, &pNF), S_OK) << m_servidores.GetUsaServidor()->GetUltimoErro();
    EXPECT_EQ(pNF->lPosicao(), lPosicao);
    auto fPercorre = [pNF] {
      for (const auto& item : pNF->ItensProduto()) {
        (void)item.Detalhes();
        for (const auto& linha : item.Rateio()) (void)linha.Gerencial();
      }
      for (const auto& linha : pNF->RateioTotal()) (void)linha.Gerencial();
      (void)pNF->Parcelas();
      (void)pNF->Mensagens();
    };
    EXPECT_NO_THROW(fPercorre());
    Libera(pNF);
  }
}

TEST_F(NotaFiscalTest, LinhaCorrompidaFalhaComMensagemClaraENadaAlocado) {
  const struct {
    const char* szSql;
    HRESULT hr;
    const char* szMensagem;
  } kCasos[] = {
      {"UPDATE nota_fiscal SET iQtdItensProduto = 3 WHERE lPosicao = 6144", QZ_E_REGISTRO_CORROMPIDO,
       "nota fiscal 6144: itens de produto: o registro diz 3 e o banco tem 2 linhas"},
      {"UPDATE nota_fiscal SET byQtdParcelas = 1 WHERE lPosicao = 6144", QZ_E_REGISTRO_CORROMPIDO,
       "nota fiscal 6144: parcelas: há mais linhas no banco que a quantidade 1 do registro"},
      {"DELETE FROM nf_parcela WHERE lPosicaoNota = 6144 AND byOrdem = 1;"
       "UPDATE nota_fiscal SET byQtdParcelas = 2 WHERE lPosicao = 6144",
       QZ_E_REGISTRO_CORROMPIDO, "nota fiscal 6144: parcelas: esperava a linha 1, veio a 2"},
      {"UPDATE nf_item_produto SET iQtdDetalhes = 4 WHERE lPosicaoNota = 6144 AND nItem = 1", QZ_E_REGISTRO_CORROMPIDO,
       "detalhes de estoque do item de produto 1: o registro diz 4 e o banco tem 2 linhas"},
      {"UPDATE nf_rateio SET iQtdGerencial = 3 WHERE lPosicaoNota = 10240 AND nLinha = 1", QZ_E_REGISTRO_CORROMPIDO,
       "linhas gerenciais da linha 1: o registro diz 3"},
      {"UPDATE nota_fiscal SET szSerie = 'SERIE-LONGA' WHERE lPosicao = 6144", QZ_E_REGISTRO_CORROMPIDO,
       "nota fiscal 6144: tagREG_NOTA_FISCALPS, coluna szSerie: texto de 11 bytes não cabe no "
       "campo de 8 bytes (com o terminador)"},
      {"UPDATE nf_mensagem SET szTexto = printf('%.300c', 'x') WHERE lPosicaoNota = 6144", QZ_E_REGISTRO_CORROMPIDO,
       "texto de 300 bytes não cabe no campo de 260 bytes"},
      {"UPDATE nota_fiscal SET lPonteiroCliente = 9999 WHERE lPosicao = 6144", QZ_E_REGISTRO_CORROMPIDO,
       "nota fiscal 6144: a conta do cliente 9999 não existe"},
      {"UPDATE nf_item_produto SET lPosicaoProduto = 77 WHERE lPosicaoNota = 6144 AND nItem = 1",
       QZ_E_REGISTRO_CORROMPIDO, "item de produto 1: o produto 77 não existe"},
      {"UPDATE nf_rateio SET lContaEmpresarialNF = 5 WHERE lPosicaoNota = 6144 AND nLinha = 1",
       QZ_E_REGISTRO_CORROMPIDO, "rateio P do item 0: a conta 5 não existe"},
      {"UPDATE nota_fiscal SET iPonteiroFilial = 70000 WHERE lPosicao = 6144", QZ_E_REGISTRO_CORROMPIDO,
       "valor 70000 fora da faixa do campo (0 a 65535)"},
      {"UPDATE nota_fiscal SET dmaEmissao = '2018-02-30' WHERE lPosicao = 6144", QZ_E_REGISTRO_CORROMPIDO,
       "data inválida \"2018-02-30\" (use AAAA-MM-DD)"},
      {"UPDATE nota_fiscal SET cyFrete = '15,00' WHERE lPosicao = 6144", QZ_E_REGISTRO_CORROMPIDO,
       "coluna cyFrete: esperava número inteiro"},
  };
  for (const auto& c : kCasos) {
    SCOPED_TRACE(c.szSql);
    CEmpresaTeste empresa;
    empresa.Executa(c.szSql);
    CServidoresCompartilhados servidores;
    ASSERT_EQ(servidores.OnInicializa(empresa.Nome()), S_OK);
    long lPosicao = std::strstr(c.szSql, "10240") ? 10240 : 6144;
    tagREG_NOTA_FISCALPS* pNF = nullptr;
    const SIZE_T nVivos = CoTaskMemLiveBlocks();
    EXPECT_EQ(servidores.GetUsaServidor()->LeDFNotasFiscais(servidores.m_ppINotasFiscais, lPosicao, &pNF), c.hr);
    EXPECT_EQ(pNF, nullptr);
    EXPECT_EQ(CoTaskMemLiveBlocks(), nVivos) << "a falha deixou blocos alocados";
    const std::string& strErro = servidores.GetUsaServidor()->GetUltimoErro();
    EXPECT_NE(strErro.find(c.szMensagem), std::string::npos) << strErro;
  }
}

TEST_F(NotaFiscalTest, LinhasDeItemQueNaoExisteFicamDeFora) {
  // Detalhes, rateios e linhas gerenciais de itens antes do primeiro e depois do último
  // não entram em item nenhum, e os dos itens de verdade continuam os mesmos.
  m_empresa.Executa(
      "INSERT INTO nf_detalhe_estoque (lPosicaoNota, nItem, nDetalhe, cyQuantidade) VALUES "
      "(6144, -1, 0, 1), (6144, 7, 0, 1), (6144, 7, 1, 1);"
      "INSERT INTO nf_rateio VALUES (6144, 'P', -3, 0, 1, 1, 5001, 1), (6144, 'P', 9, 0, 1, 1, 5001, 0);"
      "INSERT INTO nf_rateio_gerencial VALUES (6144, 'P', -3, 0, 0, 1, 6001, 6001), "
      "(6144, 'P', 0, 7, 0, 1, 6001, 6001);");
  tagREG_NOTA_FISCALPS* pNF = nullptr;
  ASSERT_EQ(Le(6144, &pNF), S_OK) << m_servidores.GetUsaServidor()->GetUltimoErro();
  const auto itens = pNF->ItensProduto();
  ASSERT_EQ(itens.size(), 2u);
  EXPECT_EQ(itens[0].Detalhes().size(), 1u);
  EXPECT_EQ(itens[1].Detalhes().size(), 2u);
  EXPECT_EQ(itens[1].Detalhes()[1].regVolume().szVolume(), "PALETE 7");
  EXPECT_EQ(itens[0].Rateio().size(), 2u);
  EXPECT_EQ(itens[0].Rateio()[0].Gerencial().size(), 2u);
  Libera(pNF);
}

TEST_F(NotaFiscalTest, GanchoFazANotaFalharSemAlocarNada) {
  vrmsuite::ProgramaFalhaLeitura("LeDFNotasFiscais", E_OUTOFMEMORY, 2);
  tagREG_NOTA_FISCALPS* pNF = nullptr;
  ASSERT_EQ(Le(6144, &pNF), S_OK);
  Libera(pNF);
  EXPECT_EQ(Le(6144, &pNF), E_OUTOFMEMORY);
  EXPECT_EQ(pNF, nullptr);
}

TEST_F(NotaFiscalTest, MovimentosDaNotaVemEmOrdemEComObservacaoLiberavel) {
  IQZServidor* pMovimentos = *m_servidores.m_ppIMovimentoEs;
  long lQtd = -1;
  REG_ES_MOVIMENTOPS movimento{};
  EXPECT_EQ(pMovimentos->BuscaRegistrosNotaFiscal(1, &movimento), E_UNEXPECTED)
      << "sem contagem antes não há o que buscar";
  const REG_QZDMC rOrigem = CQZQuemGerou(6144, 5).GetRegQuemGerou();
  ASSERT_EQ(pMovimentos->BuscaQuantidadeNotaFiscal(rOrigem, &lQtd), S_OK);
  ASSERT_EQ(lQtd, 4);
  std::vector<REG_ES_MOVIMENTOPS> aMovimentos(3);
  EXPECT_EQ(pMovimentos->BuscaRegistrosNotaFiscal(3, aMovimentos.data()), E_INVALIDARG);
  aMovimentos.resize(4);
  ASSERT_EQ(pMovimentos->BuscaRegistrosNotaFiscal(4, aMovimentos.data()), S_OK) << pMovimentos->GetUltimoErro();
  const struct {
    LONG lSequencia;
    DWORD lComplemento;
    const char* szObservacao;
  } kEsperados[] = {
      {9001, 4097, "Entrada nota 1001"}, {9002, 4098, ""}, {9003, 8194, ""}, {9004, 0, "Ajuste sem complemento"}};
  for (std::size_t i = 0; i < 4; ++i) {
    SCOPED_TRACE(i);
    const BYTE* p = aMovimentos[i].Bytes();
    EXPECT_EQ(Em<LONG>(p, 576), kEsperados[i].lSequencia);
    EXPECT_EQ(Em<DWORD>(p, 640), kEsperados[i].lComplemento);
    EXPECT_EQ(Em<WORD>(p, 512), 2048);
    EXPECT_EQ(aMovimentos[i].Observacao(), kEsperados[i].szObservacao);
    TESMovimento::ZerarGlobalAlloc(aMovimentos[i]);
    EXPECT_EQ(aMovimentos[i].hObservacao(), 0u);
  }
  ASSERT_EQ(pMovimentos->BuscaQuantidadeNotaFiscal(CQZQuemGerou(10240, 5).GetRegQuemGerou(), &lQtd), S_OK);
  EXPECT_EQ(lQtd, 0);
  EXPECT_EQ((*m_servidores.m_ppIPlano)->BuscaQuantidadeNotaFiscal(rOrigem, &lQtd), E_NOINTERFACE);
}

TEST_F(NotaFiscalTest, ListaAsPosicoesDasNotasEmOrdem) {
  CUsaServidor& usa = *m_servidores.GetUsaServidor();
  T_Lista<long> posicoes;
  posicoes.Add(1);
  ASSERT_EQ(usa.ListaDFNotasFiscais(m_servidores.m_ppINotasFiscais, posicoes), S_OK);
  const long kEsperadas[] = {6144, 10240, 14336, 18432, 22528, 26624};
  ASSERT_EQ(posicoes.GetSize(), 6) << "a lista é esvaziada antes";
  for (int i = 0; i < 6; ++i) EXPECT_EQ(posicoes[i], kEsperadas[i]);

  vrmsuite::ProgramaFalhaLeitura("ListaDFNotasFiscais", E_OUTOFMEMORY, 1);
  EXPECT_EQ(usa.ListaDFNotasFiscais(m_servidores.m_ppINotasFiscais, posicoes), E_OUTOFMEMORY);
  EXPECT_TRUE(posicoes.IsEmpty());
  EXPECT_EQ(usa.ListaDFNotasFiscais(m_servidores.m_ppIPlano, posicoes), E_NOINTERFACE);
}
