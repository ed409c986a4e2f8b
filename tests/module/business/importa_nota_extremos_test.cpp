// Valores extremos na importação: unitário menos desconto unitário além de 64 bits é
// contado em 128 e dá o total certo; um total que não cabe num CY faz o item falhar
// com uma linha no log de erros no seu local, nunca um valor que deu a volta.
#include <cstdint>
#include <string>

#include "importa_teste.h"
#include "vrmwnd/base/QZException.h"

namespace {

class CImportaExtremosTest : public CImportaTeste {};

// Um item de serviço só, com quantidade, unitário e desconto unitário dados.
std::string NotaDeServico(long n, long long llQuantidade, long long llUnitarioV8, long long llDescontoV8) {
  const std::string s = std::to_string(n);
  return NotaTeste(n, "iQtdItensServico, iPonteiroSitServico", "1, 5") +
         "INSERT INTO nf_item_servico (lPosicaoNota, nItem, cyQuantidade, llValorUnitarioV8, "
         "llDescontoUnitarioV8, cyValorTotal, cyValorLiquido, lPonteiroServico, iUnidadeMedida, "
         "iPonteiroSitServico) VALUES (" +
         s + ", 0, " + std::to_string(llQuantidade) + ", " + std::to_string(llUnitarioV8) + ", " +
         std::to_string(llDescontoV8) + ", 0, 0, 41, 5, 5);";
}

std::string NotaDeProduto(long n, long long llQuantidade, long long llUnitarioV8, long long llDescontoV8) {
  return NotaTeste(n, "iQtdItensProduto", "1") +
         ItemTeste(n, 0, 10, "", llQuantidade, llUnitarioV8, 0, "llDescontoUnitarioV8", std::to_string(llDescontoV8));
}

constexpr long long kMaxV8 = INT64_MAX;

TEST_F(CImportaExtremosTest, UnitarioMenosDescontoAlemDe64BitsDaOTotalCerto) {
  // 92.233.720.368,54775807 + 10,00000000 de desconto negativo, uma unidade:
  // 92.233.720.378,55 em centavos, meio para longe do zero.
  const struct {
    const char* szCaso;
    std::string strSql;
    bool bServico;
  } kCasos[] = {
      {"produto", NotaDeProduto(PosicaoTeste(70), 10'000, kMaxV8, -1'000'000'000), false},
      {"serviço", NotaDeServico(PosicaoTeste(71), 10'000, kMaxV8, -1'000'000'000), true},
  };
  for (const auto& c : kCasos) {
    SCOPED_TRACE(c.szCaso);
    m_empresa.Executa(c.strSql);
    const long lPosicao = c.bServico ? PosicaoTeste(71) : PosicaoTeste(70);
    const TCMRERegistroEntrada r = Importa({lPosicao});
    const CY cyTotal = c.bServico ? r.GetServico(0).GetValorTotal() : r.GetProduto(0).GetValorTotal();
    EXPECT_EQ(cyTotal.int64, 922'337'203'785'500);
    EXPECT_TRUE(LinhasDeErro().empty());
  }
}

TEST_F(CImportaExtremosTest, TotalForaDaFaixaFalhaNoItemComUmaLinhaNoLog) {
  const struct {
    const char* szCaso;
    long lPosicao;
    std::string strSql;
    long lLocal;
    const char* szExpressao;
  } kCasos[] = {
      {"produto: cem mil unidades do maior unitário", PosicaoTeste(72),
       NotaDeProduto(PosicaoTeste(72), 1'000'000'000, kMaxV8, 0), 710104,
       "CTrataDadosRE::CalculaValorTotalBrutoVerificado(item, &cyTotal)"},
      {"produto: desconto que leva abaixo do menor", PosicaoTeste(73),
       NotaDeProduto(PosicaoTeste(73), 100'000'000, INT64_MIN, kMaxV8), 710104,
       "CTrataDadosRE::CalculaValorTotalBrutoVerificado(item, &cyTotal)"},
      {"serviço: quantidade e unitário extremos", PosicaoTeste(74),
       NotaDeServico(PosicaoTeste(74), INT64_MAX, kMaxV8, INT64_MIN), 710105,
       "CTrataDadosRE::CalculaValorTotalBrutoVerificado(item, &cyBruto)"},
  };
  const SIZE_T nBlocosAntes = CoTaskMemLiveBlocks();
  for (const auto& c : kCasos) {
    SCOPED_TRACE(c.szCaso);
    m_empresa.Executa(c.strSql);
    const std::size_t nLinhasAntes = LinhasDeErro().size();
    try {
      Importa({c.lPosicao});
      ADD_FAILURE() << "o total fora da faixa foi aceito";
    } catch (const CQZExceptionEx& e) {
      EXPECT_EQ(e.GetResultado(), DISP_E_OVERFLOW);
      EXPECT_EQ(e.GetLocal(), c.lLocal);
      EXPECT_EQ(e.GetModulo(), 7);
    }
    const std::vector<std::string> linhas = LinhasDeErro();
    ASSERT_EQ(linhas.size(), nLinhasAntes + 1);
    EXPECT_NE(linhas.back().find(std::string("\thr = ") + c.szExpressao + "\t"), std::string::npos) << linhas.back();
    EXPECT_EQ(CoTaskMemLiveBlocks(), nBlocosAntes);
  }
}

}  // namespace
