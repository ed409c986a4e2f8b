// Regras do módulo: o reescalonamento de listas de valores (propriedade: a soma é
// sempre exatamente o total, cada parte na unidade das casas e a um passo do valor
// proporcional exato), a conversão das mensagens informadas e a configuração mestre.
#include <gtest/gtest.h>

#include <random>

#include "empresa_teste.h"
#include "vrmwnd/base/cy_operacoes.h"
#include "vrmwnd/suite/leiautes/tagREG_MENSAGEM_INFORMADA_NFPS.h"
#include "vrmwnd/suite/regras/CManipulaListaValores.h"
#include "vrmwnd/suite/regras/CQZDadosCM_Mestre.h"
#include "vrmwnd/suite/regras/CQZDadosFT_NF.h"
#include "vrmwnd/suite/regras/CVRMSVRUtil.h"
#include "vrmwnd/suite/servidor/CServidoresCompartilhados.h"
#include "vrmwnd/suite/servidor/resultados.h"

TEST(CManipulaListaValoresTest, SomaSempreFechaNoTotalComPartesProporcionais) {
  std::mt19937_64 gerador(20180813);
  for (int nCaso = 0; nCaso < 3000; ++nCaso) {
    const int n = 1 + static_cast<int>(gerador() % 8);
    const int nCasas = static_cast<int>(gerador() % 5);
    const bool bArredonda = gerador() % 2 == 0;
    const LONGLONG llTotal = static_cast<LONGLONG>(gerador() % 2'000'000'000'000ULL) - 1'000'000'000'000LL;
    CManipulaListaValores lista(bArredonda);
    std::vector<LONGLONG> pesos;
    for (int i = 0; i < n; ++i) {
      LONGLONG llPeso = gerador() % 4 == 0 ? 0 : static_cast<LONGLONG>(gerador() % 1'000'000'000ULL);
      pesos.push_back(llPeso);
      lista.Adiciona(CyDeBruto(llPeso));
    }
    SCOPED_TRACE(testing::Message() << "caso " << nCaso << " total " << llTotal << " casas " << nCasas);
    ASSERT_TRUE(lista.SetNovoTotal(CyDeBruto(llTotal), nCasas));
    __int128 soma = 0, somaPesos = 0;
    LONGLONG llUnidade = 1;
    for (int i = nCasas; i < 4; ++i) llUnidade *= 10;
    int nForaDaUnidade = 0;
    for (int i = 0; i < n; ++i) {
      const LONGLONG llParte = lista.GetValor(i).int64;
      soma += llParte;
      somaPesos += pesos[i];
      nForaDaUnidade += llParte % llUnidade != 0;
    }
    ASSERT_EQ(static_cast<LONGLONG>(soma), llTotal);
    ASSERT_LE(nForaDaUnidade, 1) << "só a parte que leva a sobra pode ter a fração do total";
    if (somaPesos == 0) continue;
    int nLonge = 0;
    for (int i = 0; i < n; ++i) {
      __int128 desvio =
          static_cast<__int128>(lista.GetValor(i).int64) * somaPesos - static_cast<__int128>(pesos[i]) * llTotal;
      if (desvio < 0) desvio = -desvio;
      nLonge += desvio > static_cast<__int128>(llUnidade) * somaPesos;
    }
    ASSERT_LE(nLonge, 1) << "no máximo a parte da sobra passa de uma unidade do exato";
  }
}

TEST(CManipulaListaValoresTest, ParaOndeVaiASobra) {
  const struct {
    std::vector<LONGLONG> pesos;
    LONGLONG llTotal;
    int nCasas;
    bool bArredonda;
    std::vector<LONGLONG> esperados;
  } kCasos[] = {
      {{1, 1, 1}, 1'000'000, 2, true, {333'400, 333'300, 333'300}},  // empate: o primeiro
      {{1, 3, 1}, 1'000'000, 2, true, {200'000, 600'000, 200'000}},
      {{1, 2}, 100'000, 2, false, {33'300, 66'700}},            // maior peso leva
      {{0, 0, 0}, 100'000, 2, true, {33'300, 33'300, 33'400}},  // soma 0: o último
      {{5, -5}, 20'000, 4, true, {10'000, 10'000}},
      {{7}, 123'456, 0, true, {123'456}},  // fração fica na sobra
      {{2'500'000, 1'500'000}, 10'000'000, 4, true, {6'250'000, 3'750'000}},
  };
  for (const auto& c : kCasos) {
    SCOPED_TRACE(testing::Message() << "total " << c.llTotal);
    CManipulaListaValores lista(c.bArredonda);
    for (LONGLONG p : c.pesos) lista.Adiciona(CyDeBruto(p));
    ASSERT_TRUE(lista.SetNovoTotal(CyDeBruto(c.llTotal), c.nCasas));
    for (std::size_t i = 0; i < c.esperados.size(); ++i)
      EXPECT_EQ(lista.GetValor(static_cast<int>(i)).int64, c.esperados[i]) << "parte " << i;
  }
  CManipulaListaValores quaseAnulados(true);
  quaseAnulados.Adiciona(CyDeBruto(4'000'000'000'000'000'000LL));
  quaseAnulados.Adiciona(CyDeBruto(-3'999'999'999'999'999'999LL));
  EXPECT_FALSE(quaseAnulados.SetNovoTotal(CyDeBruto(1'000'000), 2));
  EXPECT_EQ(quaseAnulados.GetValor(0).int64, 4'000'000'000'000'000'000LL) << "lista intacta";
}

TEST(CQZDadosFT_NFTest, MensagensViramDoisTextosPorDestino) {
  tagREG_MENSAGEM_INFORMADA_NFPS aMensagens[4]{};
  const struct {
    BYTE byDestino;
    const char* szTexto;
  } kMensagens[] = {{0, "Base reduzida."}, {1, "Pedido 778."}, {0, ""}, {0, "ICMS diferido."}};
  for (int i = 0; i < 4; ++i) {
    aMensagens[i].Set_byDestino(kMensagens[i].byDestino);
    aMensagens[i].Set_szTexto(kMensagens[i].szTexto);
  }
  CString strFisco = "antigo", strContribuinte = "antigo";
  CQZDadosFT_NF::ConverterListaMensagensNFInformadaParaMensagem(4, aMensagens, strFisco, strContribuinte, ' ');
  EXPECT_EQ(strFisco, CString("Base reduzida. ICMS diferido."));
  EXPECT_EQ(strContribuinte, CString("Pedido 778."));
  CQZDadosFT_NF::ConverterListaMensagensNFInformadaParaMensagem(0, aMensagens, strFisco, strContribuinte, ' ');
  EXPECT_TRUE(strFisco.IsEmpty());
}

TEST(CQZDadosCM_MestreTest, LeConfiguracaoOuPadroes) {
  CEmpresaTeste empresa;
  CServidoresCompartilhados servidores;
  ASSERT_EQ(servidores.OnInicializa(empresa.Nome()), S_OK);
  CQZDadosCM_Mestre mestre;
  ASSERT_EQ(mestre.Le(*servidores.GetUsaServidor(), servidores.m_ppICMMestre), S_OK);
  EXPECT_EQ(mestre.GetBloquearOCSuperiorOrcadoValorParcela(), 0);
  EXPECT_EQ(mestre.GetBloquearOCSuperiorOrcadoValorTotal(), 1);
  EXPECT_EQ(mestre.GetQtdMesesOrc(), 12);
  EXPECT_EQ(mestre.GetMABaseOrc(), 2048);
  EXPECT_EQ(mestre.GetPoderIncluirProdutosIguais(), 0);

  empresa.Executa("UPDATE cm_mestre SET maBaseOrc = 40000");
  EXPECT_EQ(mestre.Le(*servidores.GetUsaServidor(), servidores.m_ppICMMestre), QZ_E_REGISTRO_CORROMPIDO);
  empresa.Executa("DELETE FROM cm_mestre");
  ASSERT_EQ(mestre.Le(*servidores.GetUsaServidor(), servidores.m_ppICMMestre), S_OK);
  EXPECT_EQ(mestre.GetBloquearOCSuperiorOrcadoValorTotal(), 0) << "sem linha valem os padrões";
  EXPECT_EQ(mestre.Le(*servidores.GetUsaServidor(), servidores.m_ppIPlano), E_NOINTERFACE);
}

TEST(CVRMSVRUtilTest, TextosEPercentuais) {
  EXPECT_EQ(CVRMSVRUtil::Percentual_USHORT_Para_CURRENCY(1800).int64, 180000);
  EXPECT_EQ(CVRMSVRUtil::Percentual_USHORT_Para_CURRENCY(65535).int64, 6553500);
  EXPECT_TRUE(CVRMSVRUtil::true_S('s'));
  EXPECT_FALSE(CVRMSVRUtil::true_S('N'));
  EXPECT_FALSE(CVRMSVRUtil::true_1(2));
  const struct {
    const char* szEntrada;
    const char* szSaida;
  } kLinhas[] = {{"a\r\nb", "a b"}, {"a\nb\rc", "a b c"}, {"\r\n\r\n", "  "}, {"sem", "sem"}};
  for (const auto& c : kLinhas)
    EXPECT_EQ(CVRMSVRUtil::CStringSemQuebraDeLinha(c.szEntrada), CString(c.szSaida)) << c.szEntrada;
  const struct {
    const char* szCodigo;
    const char* szMascara;
    const char* szSaida;
  } kMascaras[] = {{"1102", "9.999", "1.102"},
                   {"5", "9.999", "0.005"},
                   {"31021", "9.999", "31.021"},
                   {"1.102", "9.999", "1.102"},
                   {"1102", "", "1102"}};
  for (const auto& c : kMascaras)
    EXPECT_EQ(CVRMSVRUtil::FormataMascara(c.szCodigo, c.szMascara), CString(c.szSaida)) << c.szCodigo;
  EXPECT_EQ(CVRMSVRUtil::ToStringV4(CyDeBruto(12'345'678), 2), CString("1.234,56"));
}
