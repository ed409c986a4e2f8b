// As falhas da importação de notas comerciais: cada leitura, feita falhar na chamada
// N = 1, 2, …, deixa exatamente uma linha no log de erros com o texto da sua expressão
// e lança CQZExceptionEx com o seu local e módulo, sem devolver nada e sem deixar nota
// alocada; e uma nota malformada dá uma falha clara em vez de ler além do registro.
#include <cstring>
#include <map>
#include <set>

#include "importa_teste.h"
#include "vrmwnd/base/QZException.h"
#include "vrmwnd/suite/ganchos_teste.h"
#include "vrmwnd/suite/leiautes/tagREG_NOTA_FISCALPS.h"

namespace {

// O texto e o módulo esperados de cada local de falha da importação.
struct TLocalEsperado {
  const char* szExpressao;
  long lModulo;
};
const std::map<long, TLocalEsperado>& LocaisDaImportacao() {
  static const std::map<long, TLocalEsperado> kLocais = {
      {340171, {"GetUsaServidor()->LeDFNotasFiscais(m_ppINotasFiscais, lPosicaoComercial, &pRegNF)", 27}},
      {287253, {"GetUsaServidor()->LeDFPlano(m_ppIPlano,pRegNF->lPonteiroCliente, &rContaCliente)", 1}},
      {303780, {"GetUsaServidor()->LeDFDocumento(m_ppIDocumento,pRegNF->iPonteiroDocumento,&rCadastroDocumento)", 44}},
      {380211, {"GetUsaServidor()->InicializaCNFilial( m_ppIFilial)", 1}},
      {303771, {"GetUsaServidor()->LeDFNaturezas(m_ppICFOP, iPonteiroCFOP, &rNatureza)", 37}},
      {259641, {"GetUsaServidor()->LeDFNaturezas(m_ppICFOP, iPonteiroCFOP, &rNatureza)", 37}},
      {303763, {"GetUsaServidor()->LeDFNaturezas(m_ppICFOP, iPonteiroSituacaoServico, &RegSitServico)", 37}},
      {259667, {"GetUsaServidor()->LeDFNaturezas(m_ppICFOP, iPonteiroSituacaoServico, &RegSitServico)", 37}},
      {402770,
       {"GetUsaServidor()->LeDFCFRT(m_ppICFRT, m_ppIPlano, 0, pRegNF->lPonteiroCliente, 0, &rCFRTLocal, 0, 0, 0, 0, 0, "
        "0, 0, &rInfoExtrasCFRT)",
        1}},
      {259632,
       {"GetUsaServidor()->LeDFNotasFiscais(m_ppINotasFiscais, pRegNF->regNFOrigem.lChaveNFCM, &pRegNFOrigemNota)",
        27}},
      {304514, {"GetUsaServidor()->LeDFPlano(m_ppIPlano,pRegNF->lEntradaRecursos, &rContaClassificacao)", 1}},
      {367991, {"GetUsaServidor()->LeDFProduto(m_ppIProduto, tProduto.GetPonteiroProduto(), &RegProduto)", 24}},
      {419427,
       {"GetUsaServidor()->LeESMovimentoLote(m_ppIMovimentoEs, RegDetalhes.regLote.lPonteiroLoteES, &RegLote)", 401}},
      {419435,
       {"GetUsaServidor()->LeESMovimentoVolume(m_ppIMovimentoEs, RegDetalhes.regVolume.lPonteiroVolumeES, &RegVolume)",
        401}},
      {259659,
       {"GetUsaServidor()->LeDFNotasFiscais(m_ppINotasFiscais, RegItensProduto.regNFOrigem.lChaveNFCM, &pRegNFOrigem)",
        27}},
      {370690, {"GetUsaServidor()->InicializaESMovimento(m_ppIMovimentoEs)", 401}},
      {370703, {"(*m_ppIMovimentoEs)->BuscaQuantidadeNotaFiscal(rQuemGerouNF, &lQtdMovimentos)", 401}},
      {370711,
       {"(*m_ppIMovimentoEs)->BuscaRegistrosNotaFiscal(aRegMovimento.GetSize(), aRegMovimento.GetData())", 401}},
      {497002,
       {"GetUsaServidor()->LeDFUnidadeMedida(m_ppIProduto, RegItensProduto.iPonteiroUnidadeMedida, "
        "&rUnidadeMedidaProduto)",
        24}},
      {304522,
       {"GetUsaServidor()->LeDFPlano(m_ppIPlano, "
        "rRateioContasEmpresariaisTotalNF.lContaEmpresarialNF,&rContaClassificacao)",
        1}},
      {304531,
       {"GetUsaServidor()->LeDFPlano(m_ppIPlano, "
        "rRateioContasEmpresariaisTotalNF.lContaEmpresarialNF,&rContaClassificacao)",
        1}},
      {387941, {"GetUsaServidor()->LeDFPlano(m_ppIPlano, rRateio.lContaEmpresarialNF,&rContaClassificacao)", 1}},
      {497011,
       {"GetUsaServidor()->LeDFUnidadeMedidaServico(m_ppIProduto, RegItensServico.iUnidadeMedida, "
        "&rUnidadeMedidaServico)",
        24}},
      {387932, {"GetUsaServidor()->LeDFPlano(m_ppIPlano, rRateio.lContaEmpresarialNF, &rContaClassificacao)", 1}},
  };
  return kLocais;
}

class CImportaFalhasTest : public CImportaTeste {
 protected:
  // Uma nota que passa por todas as leituras que as de amostra não fazem: serviço sem
  // rateio próprio sobre o rateio da nota inteira, produto sem controle com lote e
  // volume de estoque, e um item devolvido cuja origem só o item conhece.
  void SetUp() override {
    CImportaTeste::SetUp();
    const long n = kNotaExtra;
    const std::string s = std::to_string(n);
    m_empresa.Executa(
        NotaTeste(n, "iQtdItensProduto, iQtdItensServico, iQtdRateioTotal, iPonteiroSitServico", "2, 1, 1, 5") +
        ItemTeste(n, 0, 11, "", 10'000, 400'000'000, 40'000, "iQtdDetalhes", "1") +
        ItemTeste(n, 1, 10, "", 10'000, 40'000'000, 400,
                  "iQtdDetalhes, regNFOrigem_lChaveNFCM, regNFOrigem_byTipoOrigem, regNFOrigem_szNumero",
                  "1, 6144, 5, '1001'") +
        "UPDATE nf_item_produto SET iPonteiroCFOP = 4 WHERE lPosicaoNota = " + s + " AND nItem = 1;" +
        "INSERT INTO nf_detalhe_estoque (lPosicaoNota, nItem, nDetalhe, regLote_lPonteiroLoteES, "
        "regVolume_lPonteiroVolumeES, cyQuantidade, iLocal) VALUES (" +
        s + ", 0, 0, 502, 601, 10000, 1), (" + s + ", 1, 0, 0, 0, 10000, 1);" +
        "INSERT INTO nf_item_servico (lPosicaoNota, nItem, cyQuantidade, llValorUnitarioV8, cyValorTotal, "
        "cyValorLiquido, lPonteiroServico, iUnidadeMedida, iPonteiroSitServico) VALUES (" +
        s + ", 0, 10000, 10000000000, 1000000, 1000000, 41, 5, 5);" + "INSERT INTO nf_rateio VALUES (" + s +
        ", 'N', 0, 0, 1000000, 0, 5001, 0);");
    m_tratador.SetUsaLoteES(1);
  }
  static constexpr long kNotaExtra = PosicaoTeste(90);
};

TEST_F(CImportaFalhasTest, CadaLeituraQueFalhaRegistraUmaLinhaELanca) {
  const struct {
    const char* szLeitura;
    std::set<long> locais;
  } kLeituras[] = {
      {"LeDFNotasFiscais", {340171, 259632, 259659}},
      {"LeDFPlano", {287253, 304514, 304522, 304531, 387941, 387932}},
      {"LeDFDocumento", {303780}},
      {"InicializaCNFilial", {380211}},
      {"LeDFNaturezas", {303771, 259641, 303763, 259667}},
      {"LeDFCFRT", {402770}},
      {"LeDFProduto", {367991}},
      {"LeESMovimentoLote", {419427}},
      {"LeESMovimentoVolume", {419435}},
      {"InicializaESMovimento", {370690}},
      {"BuscaQuantidadeNotaFiscal", {370703}},
      {"BuscaRegistrosNotaFiscal", {370711}},
      {"LeDFUnidadeMedida", {497002}},
      {"LeDFUnidadeMedidaServico", {497011}},
  };
  constexpr HRESULT kFalha = static_cast<HRESULT>(0x8004A2F1);
  const SIZE_T nBlocosAntes = CoTaskMemLiveBlocks();
  for (const auto& leitura : kLeituras) {
    std::set<long> achados;
    for (int nChamada = 1; nChamada <= 40; ++nChamada) {
      SCOPED_TRACE(testing::Message() << leitura.szLeitura << " falha na chamada " << nChamada);
      const std::size_t nLinhasAntes = LinhasDeErro().size();
      vrmsuite::ProgramaFalhaLeitura(leitura.szLeitura, kFalha, nChamada);
      bool bLancou = false;
      try {
        Importa({kNotaExtra, 22528, 18432, 10240, 6144});
      } catch (const CQZExceptionEx& e) {
        bLancou = true;
        EXPECT_EQ(e.GetResultado(), kFalha);
        const std::vector<std::string> linhas = LinhasDeErro();
        ASSERT_EQ(linhas.size(), nLinhasAntes + 1) << "uma linha por falha";
        const auto it = LocaisDaImportacao().find(e.GetLocal());
        if (it != LocaisDaImportacao().end()) {
          achados.insert(e.GetLocal());
          const std::string& strLinha = linhas.back();
          EXPECT_EQ(e.GetModulo(), it->second.lModulo);
          EXPECT_EQ(e.GetEmpresa(), CString("EMPRESA1"));
          EXPECT_NE(strLinha.find(std::string("\thr = ") + it->second.szExpressao + "\t"), std::string::npos)
              << strLinha;
          EXPECT_NE(strLinha.find("\tCTrataDadosREWnd::ImportaNotaComercial\t"), std::string::npos);
          EXPECT_NE(strLinha.find("\tTrataDadosREWnd\t"), std::string::npos);
          EXPECT_NE(strLinha.find("0X8004A2F1"), std::string::npos);
        }
      }
      if (!bLancou) {
        EXPECT_EQ(LinhasDeErro().size(), nLinhasAntes) << "sem exceção, sem linha";
      }
      EXPECT_EQ(CoTaskMemLiveBlocks(), nBlocosAntes) << "nenhuma nota fica alocada";
    }
    vrmsuite::LimpaFalhasLeitura();
    EXPECT_EQ(achados, leitura.locais) << leitura.szLeitura;
  }
}

TEST_F(CImportaFalhasTest, NotaMalformadaFalhaSemLerAlemDoRegistro) {
  const struct {
    const char* szCaso;
    vrmsuite::TAlteraNota pAltera;
    const char* szCampo;
  } kCasos[] = {
      {"quantidade além do vetor", [](tagREG_NOTA_FISCALPS& nf) { nf.Set_iQtdItensProduto(nf.iQtdItensProduto() + 3); },
       "hItensProduto"},
      {"identificador de um bloco já liberado",
       [](tagREG_NOTA_FISCALPS& nf) {
         for (const tagREG_ITENS_PRODUTO_NFPS& item : nf.ItensProduto())
           const_cast<tagREG_ITENS_PRODUTO_NFPS&>(item).Libera();
         nf.LiberaBloco<tagREG_NOTA_FISCALPS::kOff_hItensProduto>();
         nf.Set_hItensProduto(0x7FFFFFF0);
       },
       "hItensProduto"},
      {"texto sem terminador",
       [](tagREG_NOTA_FISCALPS& nf) {
         std::memset(nf.Bytes() + tagREG_NOTA_FISCALPS::kOff_szSerie, 'A', tagREG_NOTA_FISCALPS::kLarg_szSerie);
       },
       "szSerie"},
  };
  const SIZE_T nBlocosAntes = CoTaskMemLiveBlocks();
  for (const auto& c : kCasos) {
    SCOPED_TRACE(c.szCaso);
    vrmsuite::ProgramaAlteracaoNota(c.pAltera);
    try {
      Importa({6144});
      ADD_FAILURE() << "a nota malformada foi importada";
    } catch (const vrmsuite::CQZErroLayout& e) {
      EXPECT_NE(std::string(e.what()).find(c.szCampo), std::string::npos) << e.what();
    }
    EXPECT_EQ(CoTaskMemLiveBlocks(), nBlocosAntes);
  }
}

}  // namespace
