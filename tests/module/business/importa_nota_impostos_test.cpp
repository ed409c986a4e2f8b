// Os impostos que a importação põe no item de produto conforme o cadastro e a nota: o
// ICMS dispensado pelo produto, a alíquota do IPI ou o valor por unidade, o IPI
// incluso no ICMS pela natureza do item e a incidência da COFINS pela filial.
#include "importa_teste.h"

namespace {

class CImportaImpostosTest : public CImportaTeste {
 protected:
  // Uma nota de um item de produto lProduto com as colunas a mais do item.
  long NotaDeUmItem(int n, long lProduto, const std::string& strColunas, const std::string& strValores,
                    const std::string& strComplemento = "") {
    const long lPosicao = PosicaoTeste(n);
    m_empresa.Executa(NotaTeste(lPosicao, "iQtdItensProduto", "1") + ItemTeste(lPosicao, 0, lProduto, strComplemento,
                                                                               10'000, 100'000'000, 10'000, strColunas,
                                                                               strValores));
    return lPosicao;
  }
};

TEST_F(CImportaImpostosTest, ICMSDispensadoSoPeloProdutoQueDispensa) {
  // Produto 14 dispensa o ICMS no cadastro; o 10 não.
  constexpr struct {
    const char* szCaso;
    long lProduto;
    LONGLONG llDispensado;
  } kCasos[] = {{"produto que dispensa", 14, 12'345}, {"produto que não dispensa", 10, 0}};
  int n = 300;
  for (const auto& c : kCasos) {
    SCOPED_TRACE(c.szCaso);
    const long a = NotaDeUmItem(++n, c.lProduto, "cyICMSDispensado", "12345");
    EXPECT_EQ(Importa({a}).GetProduto(0).GetICMSDispensado().int64, c.llDispensado);
  }
  // Juntado: o valor da nota seguinte substitui, não soma.
  const long a = NotaDeUmItem(310, 14, "cyICMSDispensado", "1000", "lata");
  const long b = NotaDeUmItem(311, 14, "cyICMSDispensado", "300", "lata");
  const TCMRERegistroEntrada r = Importa({a, b});
  ASSERT_EQ(r.GetQuantidadeProduto(), 1);
  EXPECT_EQ(r.GetProduto(0).GetQuantidade().int64, 20'000);
  EXPECT_EQ(r.GetProduto(0).GetICMSDispensado().int64, 300);
}

TEST_F(CImportaImpostosTest, IPIPorAliquotaOuPorValorDaUnidade) {
  constexpr struct {
    const char* szCaso;
    int nAliquotaIPI;  // palavra de percentual da nota (500 = 5,00 %)
    LONGLONG llAliquota, llValorPorItem;
  } kCasos[] = {
      {"sem alíquota: vale o valor por unidade", 0, 0, 2'500},
      {"com alíquota: o valor por unidade não entra", 500, 50'000, 0},
  };
  int n = 320;
  for (const auto& c : kCasos) {
    SCOPED_TRACE(c.szCaso);
    const long a = NotaDeUmItem(++n, 10, "iAliquotaIPI, cyIPIPorUnidade", std::to_string(c.nAliquotaIPI) + ", 2500");
    const TCMREItemProduto p = Importa({a}).GetProduto(0);
    EXPECT_EQ(p.GetAliquotaIPI().int64, c.llAliquota);
    EXPECT_EQ(p.GetValorPorItemIPI().int64, c.llValorPorItem);
  }
  // A alíquota é copiada só do primeiro item: o item juntado fica com ela.
  const long a = NotaDeUmItem(330, 10, "iAliquotaIPI, cyIPIPorUnidade", "500, 0", "caixa");
  const long b = NotaDeUmItem(331, 10, "iAliquotaIPI, cyIPIPorUnidade", "0, 2500", "caixa");
  const TCMREItemProduto p = Importa({a, b}).GetProduto(0);
  EXPECT_EQ(p.GetAliquotaIPI().int64, 50'000);
  EXPECT_EQ(p.GetValorPorItemIPI().int64, 0);
}

TEST_F(CImportaImpostosTest, IPIInclusoNoICMSPelaNaturezaDoItem) {
  // CFOP 1 não inclui o IPI no ICMS; o 2 inclui; o 7 tem uma marca que não é 1.
  m_empresa.Executa("INSERT INTO natureza VALUES (7, 1407, 'Compra para uso com marca 2', 1, 'P', 1, 2, 1, 0);");
  constexpr struct {
    int nCFOP;
    int nIncluso;
  } kCasos[] = {{1, 0}, {2, 1}, {7, 0}};
  int n = 340;
  for (const auto& c : kCasos) {
    SCOPED_TRACE(testing::Message() << "CFOP do item " << c.nCFOP);
    const long a = NotaDeUmItem(++n, 10, "", "");
    m_empresa.Executa("UPDATE nf_item_produto SET iPonteiroCFOP = " + std::to_string(c.nCFOP) +
                      " WHERE lPosicaoNota = " + std::to_string(a) + ";");
    EXPECT_EQ(Importa({a}).GetProduto(0).GetIPIInclusoNoICMS(), c.nIncluso);
  }
}

TEST_F(CImportaImpostosTest, IncidenciaDaCOFINSPelaFilial) {
  // A matriz (1) usa o CST da COFINS do item; Curitiba (2) e Manaus (3) repetem o do
  // PIS. A incidência 1 habilita base, alíquota e valor; a 70, não.
  constexpr struct {
    int nFilial;
    int nIncidencia;
    LONGLONG llAliquota, llBase, llValor;
    BYTE byInformarValor;
  } kCasos[] = {
      {1, 70, 0, 0, 0, 0},
      {2, 1, 76'000, 8'000'000, 608'000, 1},
      {3, 1, 76'000, 8'000'000, 608'000, 1},
  };
  int n = 350;
  for (const auto& c : kCasos) {
    SCOPED_TRACE(testing::Message() << "filial " << c.nFilial);
    const long a = NotaDeUmItem(++n, 10,
                                "iIncidenciaPIS, iIncidenciaCOFINS, cyAliquotaCOFINS, byModoCOFINS, cyBaseCOFINS, "
                                "cyValorCOFINS",
                                "1, 70, 76000, 1, 8000000, 608000");
    m_empresa.Executa("UPDATE nota_fiscal SET iPonteiroFilial = " + std::to_string(c.nFilial) +
                      " WHERE lPosicao = " + std::to_string(a) + ";");
    const TCMREItemProduto p = Importa({a}).GetProduto(0);
    EXPECT_EQ(p.GetTipoIncidenciaPIS(), 1);
    EXPECT_EQ(p.GetTipoIncidenciaCOFINS(), c.nIncidencia);
    EXPECT_EQ(p.GetAliquotaCOFINSNaoCumulativo().int64, c.llAliquota);
    EXPECT_EQ(p.GetBaseCOFINSNaoCumulativo().int64, c.llBase);
    EXPECT_EQ(p.GetValorCOFINSNaoCumulativo().int64, c.llValor);
    EXPECT_EQ(p.GetInformarValorCOFINSNC(), c.byInformarValor);
  }
}

}  // namespace
