// As relações gerenciais da empresa de amostra: filial própria contra todas as
// filiais, vigência, contas sintéticas e o que vale quando a leitura não pode ser feita.
#include "vrmwnd/suite/regras/CTrataDadosGerencial.h"

#include <gtest/gtest.h>

#include "empresa_teste.h"
#include "instalacao_teste.h"
#include "vrmwnd/base/QZException.h"

namespace {

struct TCasoRelacao {
  const char* szNome;
  long lClassificacao;
  WORD iFilial;
  REG_QZDMA dma;
  bool bSomenteDaFilial;
  std::vector<long> gerenciais;
  std::vector<int> percentuais;
};

TEST(CTrataDadosGerencialTest, RelacoesPorFilialEVigencia) {
  CEmpresaTeste empresa;
  CTrataDadosGerencial gerencial;
  ASSERT_EQ(gerencial.OnInicializa(empresa.Nome()), S_OK);
  const REG_QZDMA dmaDez2026 = QZDMA(15, 12, 2026), dmaJul2027 = QZDMA(1, 7, 2027), dmaDez2025 = QZDMA(31, 12, 2025);
  const TCasoRelacao casos[] = {
      {"todas as filiais valem em qualquer filial", 5001, 2, dmaDez2026, true, {6001, 6002}, {6000, 4000}},
      {"relação só da matriz não vale em Curitiba", 5002, 2, dmaDez2026, true, {}, {}},
      {"na matriz vale", 5002, 1, dmaDez2026, true, {6001}, {10000}},
      {"em Manaus durante o projeto, sintética fora", 5002, 3, dmaDez2026, true, {6001, 6011}, {7000, 3000}},
      {"em Manaus depois do projeto", 5002, 3, dmaJul2027, true, {}, {}},
      {"sem filtro contam as de qualquer filial, a conta uma vez", 5002, 3, dmaJul2027, false, {6001}, {10000}},
      {"filial 0 não filtra", 5002, 0, dmaDez2026, true, {6001, 6011}, {10000, 3000}},
      {"antes da vigência", 5003, 1, dmaDez2025, true, {}, {}},
      {"na vigência", 5003, 1, dmaDez2026, true, {6002, 6003}, {5000, 5000}},
      {"estoque não tem rateio", 4001, 1, dmaDez2026, true, {}, {}},
      {"conta 0", 0, 1, dmaDez2026, true, {}, {}},
  };
  for (const TCasoRelacao& caso : casos) {
    SCOPED_TRACE(caso.szNome);
    const std::vector<TRelacaoGerencial> relacoes =
        gerencial.GetRelacionamentos(caso.lClassificacao, caso.iFilial, caso.dma, caso.bSomenteDaFilial);
    std::vector<long> gerenciais;
    std::vector<int> percentuais;
    for (const TRelacaoGerencial& r : relacoes) {
      gerenciais.push_back(r.lPlanoGerencial);
      percentuais.push_back(r.iPercentualSugerido);
    }
    EXPECT_EQ(gerenciais, caso.gerenciais);
    EXPECT_EQ(percentuais, caso.percentuais);
    EXPECT_EQ(gerencial.GetQuantidadeRelacionamentoPlanoEmpresarialGerencial(caso.lClassificacao, caso.iFilial,
                                                                             caso.dma, caso.bSomenteDaFilial),
              static_cast<long>(caso.gerenciais.size()));
  }
}

TEST(CTrataDadosGerencialTest, LeituraImpossivelLancaERegistraOPontoDeFalha) {
  CInstalacaoTeste instalacao;
  CEmpresaTeste empresa;
  CTrataDadosGerencial desligado;
  try {
    desligado.GetQuantidadeRelacionamentoPlanoEmpresarialGerencial(5001, 1, QZDMA(1, 1, 2026), true);
    ADD_FAILURE() << "sem servidores ligados a leitura não pode responder";
  } catch (const CQZExceptionEx& e) {
    EXPECT_LT(e.GetResultado(), 0);
  }
  CTrataDadosGerencial ligado;
  ASSERT_EQ(ligado.OnInicializa(empresa.Nome()), S_OK);
  EXPECT_THROW(ligado.GetQuantidadeRelacionamentoPlanoEmpresarialGerencial(5001, 1, 0, true), CQZExceptionEx);
  empresa.Executa("DROP TABLE conta_relacao_gerencial");
  EXPECT_THROW(ligado.GetQuantidadeRelacionamentoPlanoEmpresarialGerencial(5001, 1, QZDMA(1, 1, 2026), true),
               CQZExceptionEx);
  EXPECT_NE(instalacao.Gravado("QZProfilerErros").find("LeRelacoes("), std::string::npos)
      << "a falha fica no log de erros com o texto da leitura";
}

}  // namespace
