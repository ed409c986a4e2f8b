// O controle do orçamento das regras: o período do orçamento que contém um mês, o
// orçado e o realizado por conta analítica de uma classificação (sintética também),
// a falha da leitura e o confronto da liberação por parcela, no total ou nenhum,
// como a configuração mestre manda.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "empresa_teste.h"
#include "vrmwnd/base/cy_operacoes.h"
#include "vrmwnd/suite/ganchos_teste.h"
#include "vrmwnd/suite/regras/CConsisteDados.h"
#include "vrmwnd/suite/regras/CControleOrcamentario.h"
#include "vrmwnd/suite/regras/CTrataDadosOC.h"
#include "vrmwnd/suite/servidor/resultados.h"

TEST(CTrataDadosOCTest, PeriodoDoOrcamentoQueContemOMes) {
  const struct {
    REG_QZMA maBase;
    int nMeses;
    REG_QZMA ma;
    REG_QZDMA dmaInicial, dmaFinal;
  } kCasos[] = {
      {QZMA(8, 2018), 12, QZMA(3, 2018), QZDMA(1, 8, 2017), QZDMA(31, 7, 2018)},  // antes da base
      {QZMA(8, 2018), 12, QZMA(8, 2018), QZDMA(1, 8, 2018), QZDMA(31, 7, 2019)},  // a própria base
      {QZMA(8, 2018), 12, QZMA(7, 2019), QZDMA(1, 8, 2018), QZDMA(31, 7, 2019)},  // último mês
      {QZMA(8, 2018), 3, QZMA(2, 2019), QZDMA(1, 2, 2019), QZDMA(30, 4, 2019)},   // trimestres
      {QZMA(8, 2018), 3, QZMA(1, 2019), QZDMA(1, 11, 2018), QZDMA(31, 1, 2019)},  // virando o ano
      {0, 12, QZMA(5, 2019), QZDMA(1, 1, 2019), QZDMA(31, 12, 2019)},             // sem base: janeiro
      {QZMA(1, 2020), 1, QZMA(2, 2020), QZDMA(1, 2, 2020), QZDMA(29, 2, 2020)},   // bissexto
      {QZMA(8, 2018), 0, QZMA(9, 2018), QZDMA(1, 8, 2018), QZDMA(31, 7, 2019)},   // 0 meses vale 12
      {QZMA(8, 2018), 12, 0, 0, 0},                                               // sem mês
  };
  for (const auto& c : kCasos) {
    SCOPED_TRACE(testing::Message() << "base " << c.maBase << " meses " << c.nMeses << " mês " << c.ma);
    REG_QZDMA dmaInicial = 7, dmaFinal = 7;
    EXPECT_EQ(CTrataDadosOC::GetDataInicialFinalOrcamento(c.maBase, c.nMeses, c.ma, dmaInicial, dmaFinal),
              c.dmaInicial != 0);
    EXPECT_EQ(dmaInicial, c.dmaInicial);
    EXPECT_EQ(dmaFinal, c.dmaFinal);
  }
}

class CControleOrcamentarioTest : public testing::Test {
 protected:
  void SetUp() override { ASSERT_EQ(m_controle.Inicializa(m_empresa.Nome(), 4, 99), S_OK); }
  void TearDown() override {
    m_controle.OnFinaliza();
    vrmsuite::LimpaFalhasLeitura();
  }
  HRESULT Verifica(unsigned short iFilial, long lClassificacao, long lGerencial, REG_QZDMA dmaInicial,
                   REG_QZDMA dmaFinal) {
    TQZGerencial gerencial;
    gerencial.SetPonteiroPlanoEmpresarial(lClassificacao);
    gerencial.SetPonteiroPlanoGerencial(lGerencial);
    return m_controle.VerificaOrcamentoPorDados(iFilial, dmaInicial, dmaFinal, gerencial);
  }
  CEmpresaTeste m_empresa;
  CControleOrcamentario m_controle;
};

// Dezembro de 2026 na produção: material de consumo tem 15.000 orçados e a ordem 4
// liberada (7.000); manutenção tem 5.000 e só a ordem 3, que não foi liberada.
TEST_F(CControleOrcamentarioTest, UmaContaPorAnaliticaDaClassificacao) {
  struct TConta {
    long lConta;
    long long llOrcado, llUsado;
    bool bExiste;
  };
  const struct {
    const char* szCaso;
    unsigned short iFilial;
    long lClassificacao;
    std::vector<TConta> contas;
  } kCasos[] = {
      {"analítica", 1, 5001, {{5001, 150'000'000, 70'000'000, true}}},
      {"sintética: as analíticas debaixo dela",
       1,
       3100,
       {{5001, 150'000'000, 70'000'000, true}, {5002, 50'000'000, 0, true}}},
      {"todas as filiais", 0, 3100, {{5001, 150'000'000, 70'000'000, true}, {5002, 50'000'000, 0, true}}},
      {"filial sem orçamento nem ordem: a classificação zerada", 2, 3100, {{3100, 0, 0, false}}},
      {"classificação que não existe", 1, 999, {{999, 0, 0, false}}},
  };
  for (const auto& c : kCasos) {
    SCOPED_TRACE(c.szCaso);
    ASSERT_EQ(Verifica(c.iFilial, c.lClassificacao, 6001, QZDMA(1, 12, 2026), QZDMA(31, 12, 2026)), S_OK)
        << m_controle.GetUsaServidor()->GetUltimoErro();
    ASSERT_EQ(m_controle.GetQuantidadeContas(), static_cast<int>(c.contas.size()));
    for (int k = 0; k < m_controle.GetQuantidadeContas(); ++k) {
      const TConta& e = c.contas[static_cast<size_t>(k)];
      EXPECT_EQ(m_controle.GetConta(k), e.lConta);
      EXPECT_EQ(m_controle.GetSomaOrcamento(k).int64, e.llOrcado);
      EXPECT_EQ(m_controle.GetTotalUsadoOC(k).int64, e.llUsado);
      EXPECT_EQ(m_controle.GetOrcamentoExiste(k), e.bExiste);
      EXPECT_EQ(m_controle.GetDMAInicial(k), QZDMA(1, 12, 2026));
      EXPECT_EQ(m_controle.GetDMAFinal(k), QZDMA(31, 12, 2026));
    }
  }
  m_controle.LimpaDados();
  EXPECT_EQ(m_controle.GetQuantidadeContas(), 0);
  EXPECT_EQ(m_controle.GetSomaOrcamento(0).int64, 0) << "fora dos resultados, zero";
}

TEST_F(CControleOrcamentarioTest, PeriodoInvalidoEFalhaDaLeituraEsvaziamOsResultados) {
  ASSERT_EQ(Verifica(1, 5001, 6001, QZDMA(1, 12, 2026), QZDMA(31, 12, 2026)), S_OK);
  EXPECT_EQ(Verifica(1, 5001, 6001, QZDMA(31, 12, 2026), QZDMA(1, 12, 2026)), E_INVALIDARG);
  EXPECT_EQ(m_controle.GetQuantidadeContas(), 0);
  EXPECT_EQ(Verifica(1, 5001, 6001, 0, QZDMA(1, 12, 2026)), E_INVALIDARG);
  vrmsuite::ProgramaFalhaLeitura("LeCMControleOrcamento", QZ_E_BANCO_DE_DADOS, 1);
  EXPECT_EQ(Verifica(1, 5001, 6001, QZDMA(1, 12, 2026), QZDMA(31, 12, 2026)), QZ_E_BANCO_DE_DADOS);
  EXPECT_EQ(m_controle.GetQuantidadeContas(), 0);
}

// A ordem 2: 6.000 e 3.500 em serviços (8.000 orçados) e 10.000 em material (15.000
// orçados, 7.000 já ocupados pela ordem 4).
TEST(LiberacaoOrcamentoTest, ConfrontoPorParcelaNoTotalOuNenhumComoOMestreManda) {
  const struct {
    const char* szCaso;
    int nParcela, nTotal;
    std::vector<std::vector<std::string>> linhas;
  } kCasos[] = {
      {"no total: as duas contas",
       0,
       1,
       {{"3.1.02.001 - Serviços de terceiros", "G.02 - Administrativo", "1.500,00"},
        {"3.1.01.001 - Material de consumo", "G.01 - Produção", "2.000,00"}}},
      {"por parcela: só a parcela de material passa sozinha",
       1,
       0,
       {{"01/12/2026 a 31/12/2026", "3.1.01.001 - Material de consumo", "G.01 - Produção", "2.000,00"}}},
      {"os dois: vale o total",
       1,
       1,
       {{"3.1.02.001 - Serviços de terceiros", "G.02 - Administrativo", "1.500,00"},
        {"3.1.01.001 - Material de consumo", "G.01 - Produção", "2.000,00"}}},
      {"nenhum bloqueio: a ordem não é controlada", 0, 0, {}},
  };
  for (const auto& c : kCasos) {
    SCOPED_TRACE(c.szCaso);
    CEmpresaTeste empresa;
    empresa.Executa("UPDATE cm_mestre SET bBloquearOCSuperiorOrcadoValorParcela = " + std::to_string(c.nParcela) +
                    ", bBloquearOCSuperiorOrcadoValorTotal = " + std::to_string(c.nTotal) + ";");
    CConsisteDadosOC ordens;
    ASSERT_EQ(ordens.OnInicializa(empresa.Nome()), S_OK);
    T_Lista<T_Lista<CString>> linhas;
    ASSERT_EQ(ordens.ExcessosOrcamento(2, linhas), S_OK);
    std::vector<std::vector<std::string>> vistas;
    for (INT_PTR i = 0; i < linhas.GetSize(); ++i) {
      vistas.emplace_back();
      for (INT_PTR j = 0; j < linhas[i].GetSize(); ++j) vistas.back().push_back(linhas[i][j].GetString());
    }
    EXPECT_EQ(vistas, c.linhas);
    TCMLiberacaoOC liberacao;
    ASSERT_EQ(ordens.LiberaOrdem(2, liberacao), S_OK);
    EXPECT_EQ(liberacao.bLiberada, c.linhas.empty()) << "sem excesso libera sem perguntar; com, as regras dizem Não";
    ordens.OnFinaliza();
  }
}

// O rateio de uma parcela conta por parte: a parte de outra conta não ocupa a linha.
TEST(LiberacaoOrcamentoTest, ParcelaRateadaConfrontaCadaParteComASuaLinha) {
  CEmpresaTeste empresa;
  empresa.Executa(
      "INSERT INTO oc_rateio VALUES (2, 3, 5001, 6001, 70000000), (2, 3, 5001, 6002, 30000000);"
      "INSERT INTO orcamento VALUES (5001, 6002, '2026-12-01', '2026-12-31', 10000000, 1);");
  CConsisteDadosOC ordens;
  ASSERT_EQ(ordens.OnInicializa(empresa.Nome()), S_OK);
  T_Lista<T_Lista<CString>> linhas;
  ASSERT_EQ(ordens.ExcessosOrcamento(2, linhas), S_OK);
  ASSERT_EQ(linhas.GetSize(), 2);
  EXPECT_EQ(linhas[0][0], "3.1.02.001 - Serviços de terceiros");
  EXPECT_EQ(linhas[1][1], "G.02 - Administrativo") << "7.000 + 7.000 cabem em 15.000; 3.000 passam de 1.000";
  EXPECT_EQ(linhas[1][2], "2.000,00");
  ordens.OnFinaliza();
}
