// Valores em dinheiro: arredondamento nos quatro modos e em cada número de casas, a
// aritmética livre sobre CY (com double, divisão por zero, estouro), a formatação
// brasileira, a leitura de texto e os percentuais — em valores brutos, nunca em double.
#include <cstdint>
#include <limits>

#include <gtest/gtest.h>

#include "vrmwnd/base/CQZCurrency.h"
#include "vrmwnd/base/CQZCurrencyEx.h"
#include "vrmwnd/base/CQZCurrencyEx8.h"

namespace {

constexpr LONGLONG kMaxCy = std::numeric_limits<LONGLONG>::max();

}  // namespace

TEST(CQZCurrencyExTest, ArredondaEmCadaModoECasas) {
  const struct {
    int64_t bruto;
    short casas;
    int modo;
    int64_t esperado;
  } kCasos[] = {
      {23'450, 2, ARREDONDA_MEIO, 23'500},    //  2,345  -> 2,35
      {23'450, 2, TRUNCA, 23'400},            //  2,345  -> 2,34
      {23'450, 2, ARREDONDA_PAR, 23'400},     //  2,345  -> 2,34 (4 é par)
      {23'550, 2, ARREDONDA_PAR, 23'600},     //  2,355  -> 2,36 (5 é ímpar)
      {23'451, 2, ARREDONDA_PAR, 23'500},     //  2,3451 -> 2,35 (passa do meio)
      {-23'450, 2, ARREDONDA_MEIO, -23'500},  // -2,345  -> -2,35
      {-23'450, 2, ARREDONDA_PAR, -23'400},
      {-23'401, 2, ARREDONDA_CIMA, -23'500},
      {23'401, 2, ARREDONDA_CIMA, 23'500},  //  2,3401 -> 2,35
      {0, 2, ARREDONDA_CIMA, 0},
      {15'000, 0, ARREDONDA_MEIO, 20'000},  //  1,5 -> 2
      {25'000, 0, ARREDONDA_PAR, 20'000},   //  2,5 -> 2
      {-15'000, 0, TRUNCA, -10'000},
      {12'345, 3, ARREDONDA_MEIO, 12'350},
      {12'344, 1, ARREDONDA_CIMA, 13'000},  //  1,2344 -> 1,3
      {12'345, 4, ARREDONDA_CIMA, 12'345},  // quatro casas: nada muda
      {12'345, 2, 7, 12'345},               // modo desconhecido: sem arredondar
      {kMaxCy, 2, TRUNCA, kMaxCy / 100 * 100},
      {std::numeric_limits<LONGLONG>::min(), 2, TRUNCA, std::numeric_limits<LONGLONG>::min() / 100 * 100},
  };
  for (const auto& c : kCasos) {
    SCOPED_TRACE(testing::Message() << "bruto=" << c.bruto << " casas=" << c.casas << " modo=" << c.modo);
    CQZCurrencyEx v(CyDeBruto(c.bruto));
    v.SetModoArredondamento(c.modo);
    v.SetCasasDecimais(c.casas);
    EXPECT_EQ(v.GetInt64(), c.esperado);
  }
}

TEST(CQZCurrencyExTest, ConstrutoresEAjustes) {
  EXPECT_EQ(CQZCurrencyEx(true, true, 2.345).GetInt64(), 23'500);
  EXPECT_EQ(CQZCurrencyEx(true, false, 2.345).GetInt64(), 23'400);
  EXPECT_EQ(CQZCurrencyEx(true, ARREDONDA_PAR, 2.345).GetInt64(), 23'400);
  EXPECT_EQ(CQZCurrencyEx(true, ARREDONDA_PAR, 2.355).GetInt64(), 23'600);
  EXPECT_EQ(CQZCurrencyEx(true, true, -2.345).GetInt64(), -23'500);
  EXPECT_EQ(CQZCurrencyEx(true, ARREDONDA_CIMA, 2.3401).GetInt64(), 23'500);

  CQZCurrencyEx v;
  EXPECT_EQ(v.GetCasasDecimais(), 4);
  EXPECT_EQ(v.GetModoArredondamento(), TRUNCA);
  v.SetCasasDecimais(short{7});
  EXPECT_EQ(v.GetCasasDecimais(), 4) << "casas fora de 0..4 valem 4";
  v.SetCasasDecimais(short{-1});
  EXPECT_EQ(v.GetCasasDecimais(), 4);

  // Atribuir leva só o valor; o destino arredonda pelos próprios ajustes.
  CQZCurrencyEx duas(true, true, 0.0);
  duas = CQZCurrencyEx(1.23456);
  EXPECT_EQ(duas.GetInt64(), 12'300);
  EXPECT_TRUE(duas.IsDuasCasasDecimais());
  EXPECT_TRUE(duas.IsArredonda());
  const CQZCurrencyEx copia(duas);
  EXPECT_TRUE(copia.IsDuasCasasDecimais()) << "a cópia leva casas e modo";

  EXPECT_EQ(CQZCurrencyEx(-1.239).GetCentavos(), -123);
  EXPECT_EQ(CQZCurrencyEx(2.5).GetDouble(), 2.5);
}

TEST(CQZCurrencyExTest, OperacoesNoLugarArredondam) {
  CQZCurrencyEx v(true, true, 10.0);
  v /= CyDeBruto(30'000);  // 10 / 3 = 3,3333... -> 3,33
  EXPECT_EQ(v.GetInt64(), 33'300);
  v *= 1.5;  // 4,995 -> 5,00
  EXPECT_EQ(v.GetInt64(), 50'000);
  v -= 0.004;  // 4,996 -> 5,00
  EXPECT_EQ(v.GetInt64(), 50'000);
  v += CyDeBruto(49);  // 5,0049 -> 5,00
  EXPECT_EQ(v.GetInt64(), 50'000);
  v /= 0.0;
  EXPECT_EQ(v.GetInt64(), 0) << "divisão por zero dá 0";

  CQZCurrencyEx w(CyDeBruto(1'500'000'000'000'006));
  w *= 0.333333333333333;  // 50.000.000.000,000149999...: o DECIMAL cai no meio
  EXPECT_EQ(w.GetInt64(), 500'000'000'000'002);
}

TEST(CyOperacoesTest, AritmeticaLivre) {
  const struct {
    const char* nome;
    CY resultado;
    int64_t esperado;
  } kCasos[] = {
      {"10 / 0", CyDeBruto(100'000) / CyDeBruto(0), 0},
      {"5 x 0,5", CyDeBruto(50'000) * 0.5, 25'000},
      {"0,5 x 5", 0.5 * CyDeBruto(50'000), 25'000},
      {"1 / 3", CyDeBruto(10'000) / CyDeBruto(30'000), 3'333},
      {"2 / 3", CyDeBruto(20'000) / CyDeBruto(30'000), 6'667},
      {"0,0001 x 0,5 (meio, par)", CyDeBruto(1) * CyDeBruto(5'000), 0},
      {"0,0003 x 0,5 (meio, par)", CyDeBruto(3) * CyDeBruto(5'000), 2},
      {"1 / 0,0", CyDeBruto(10'000) / 0.0, 0},
      {"1 / CY 0 por double", 1.0 / CyDeBruto(0), 0},
      {"máximo x 2 estoura", CyDeBruto(kMaxCy) * 2.0, 0},
      {"máximo / 0,5 estoura", CyDeBruto(kMaxCy) / 0.5, 0},
      {"1 + 0,5", CyDeBruto(10'000) + 0.5, 15'000},
      {"1 - 0,0002", CyDeBruto(10'000) - 0.0002, 9'998},
      {"2,5 - 1", 2.5 - CyDeBruto(10'000), 15'000},
      {"-(-5)", -CyDeBruto(-50'000), 50'000},
      // O double entra em DECIMAL com 15 dígitos do double escalado, não do valor binário.
      {"1 x 92208149871,34465", CyDeBruto(10'000) * 92208149871.34465, 922'081'498'713'446},
      {"92208149871,34465 / 1", 92208149871.34465 / CyDeBruto(10'000), 922'081'498'713'446},
      // O DECIMAL arredonda a 28-29 dígitos e cai no meio, que a quarta casa leva ao par.
      {"150.000.000.000,0006 x 0,333333333333333", CyDeBruto(1'500'000'000'000'006) * 0.333333333333333,
       500'000'000'000'002},
      {"3.855.626.851,6805 / 0,000123456789012347", CyDeBruto(38'556'268'516'805) / 0.000123456789012347,
       312'305'777'796'869'158},
      {"máximo / mínimo", CyDeBruto(kMaxCy) / CyDeBruto(-kMaxCy - 1), -10'000},
      {"mínimo / -0,0001 estoura", CyDeBruto(-kMaxCy - 1) / CyDeBruto(-1), 0},
  };
  for (const auto& c : kCasos) {
    SCOPED_TRACE(c.nome);
    EXPECT_EQ(c.resultado.int64, c.esperado);
  }
  CY acumulado = g_cyZero;
  acumulado += 0.1;
  acumulado *= CyDeBruto(30'000);
  EXPECT_EQ(acumulado.int64, 3'000);
}

TEST(CyOperacoesTest, ComparacoesExatas) {
  EXPECT_TRUE(CyDeBruto(1'000) == 0.1);
  EXPECT_TRUE(0.1 == CyDeBruto(1'000));
  EXPECT_TRUE(CyDeBruto(1'000) < CyDeBruto(1'001));
  EXPECT_TRUE(CyDeBruto(1'001) > 0.1);
  EXPECT_TRUE(CyDeBruto(1'001) != 0.1);
  EXPECT_TRUE(CyDeBruto(kMaxCy) > CyDeBruto(kMaxCy - 1)) << "comparação nos 64 bits, sem double";
  EXPECT_FALSE(CyDeBruto(kMaxCy) == CyDeBruto(kMaxCy - 1));
  EXPECT_TRUE(0.00004 <= CyDeBruto(0)) << "o double vira CY (quatro casas) antes";
}

TEST(CQZCurrencyExTest, Formata) {
  const struct {
    int64_t bruto;
    short casas;
    int modo;
    const char* texto;
  } kCasos[] = {
      {12'345'678'910, 2, ARREDONDA_MEIO, "1.234.567,89"},  // 1.234.567,891
      {12'345'000, 2, TRUNCA, "1.234,50"},
      {-5'000, 2, TRUNCA, "-0,50"},
      {70'000, 0, TRUNCA, "7"},
      {0, 2, TRUNCA, "0,00"},
      {-12'345'678, 4, TRUNCA, "-1.234,5678"},
      {19'999, 7, ARREDONDA_MEIO, "1,9999"},  // casas 7 valem 4
      {kMaxCy, 4, TRUNCA, "922.337.203.685.477,5807"},
  };
  for (const auto& c : kCasos) {
    SCOPED_TRACE(testing::Message() << "bruto=" << c.bruto << " casas=" << c.casas);
    CQZCurrencyEx v(CyDeBruto(c.bruto));
    v.SetModoArredondamento(c.modo);
    v.SetCasasDecimais(c.casas);
    EXPECT_STREQ(v.Formata(), c.texto);
  }
  // A rotina solta corta, nunca arredonda, as casas que sobram.
  char sz[64];
  CQZCurrencyEx::Formata(CyDeBruto(19'999), 2, sz);
  EXPECT_STREQ(sz, "1,99");
}

TEST(CQZCurrencyExTest, SetTexto) {
  const struct {
    const char* texto;
    bool brasileiro;
    int64_t esperado;
  } kCasos[] = {
      {"1.234,56", true, 12'345'600},
      {"1,234.56", false, 12'345'600},
      {"-0,5", true, -5'000},
      {"abc", true, 0},
      {"", true, 0},
      {"1,23456", true, 12'346},  // a leitura já arredonda à quarta casa (meio, par)
  };
  for (const auto& c : kCasos) {
    SCOPED_TRACE(c.texto);
    CQZCurrencyEx v(CyDeBruto(777));
    v.SetTexto(CString(c.texto), c.brasileiro);
    EXPECT_EQ(v.GetInt64(), c.esperado);
  }
}

TEST(CQZCurrencyExTest, PercentuaisECalcula) {
  const CQZCurrencyEx duzentos(200.0);
  EXPECT_EQ(duzentos.Percentual(static_cast<unsigned short>(1250)).int64, 250'000);
  EXPECT_EQ(duzentos.Percentual(CyDeBruto(125'000)).int64, 250'000);
  EXPECT_EQ(duzentos.Percentual(CQZCurrencyEx(0.01)).int64, 200);
  EXPECT_EQ(duzentos.GetInt64(), 2'000'000) << "o objeto não muda";

  const struct {
    char op;
    int64_t esperado;
  } kOps[] = {
      {'*', 66'600}, {'+', 53'300}, {'-', 13'300}, {'/', 16'700}, {'%', 99'900},
  };
  for (const auto& c : kOps) {
    SCOPED_TRACE(c.op);
    CQZCurrencyEx resultado(true, true, 9.99);  // duas casas, meio para cima
    Calcula(CQZCurrencyEx(3.33), c.op, CQZCurrencyEx(2.0), &resultado);
    EXPECT_EQ(resultado.GetInt64(), c.esperado);
  }
  CQZCurrencyEx r(true, true, 0.0);
  Calcula(CQZCurrencyEx(10.0), '/', LONG{3}, &r);
  EXPECT_EQ(r.GetInt64(), 33'300);
}

TEST(CQZCurrencyEx8Test, OitoCasas) {
  EXPECT_EQ(CQZCurrencyEx8(0.123456789).GetInt64(), 12'345'679);
  EXPECT_EQ(CQZCurrencyEx8(0.123456789).GetCasasDecimais(), 8);
  EXPECT_STREQ(CQZCurrencyEx8(0.123456789).Formata(), "0,12345679");
  EXPECT_STREQ(CQZCurrencyEx8(-1234.5).Formata(), "-1.234,50000000");
  EXPECT_EQ(g_cur8Zero.GetInt64(), 0);
  // 15 dígitos do double escalado: 92208149871,3446, não ...3447 do valor binário.
  EXPECT_EQ(CQZCurrencyEx8(92208149871.34465).GetInt64(), 9'220'814'987'134'460'000);

  const struct {
    int64_t bruto;
    int casas;
    int modo;
    int64_t esperado;
  } kCasos[] = {
      {123'456'789, 2, ARREDONDA_MEIO, 123'000'000},
      {125'000'000, 0, ARREDONDA_PAR, 100'000'000},
      {100'000'001, 0, ARREDONDA_CIMA, 200'000'000},
      {-199'999'999, 0, TRUNCA, -100'000'000},
  };
  for (const auto& c : kCasos) {
    SCOPED_TRACE(testing::Message() << "bruto=" << c.bruto);
    CQZCurrencyEx8 v{LONGLONG{c.bruto}};
    v.SetModoArredondamento(c.modo);
    v.SetCasasDecimais(c.casas);
    EXPECT_EQ(v.GetInt64(), c.esperado);
  }

  const CQZCurrencyEx8 tres(3.0), dois(2.0);
  EXPECT_EQ((tres / dois).GetInt64(), 150'000'000);
  EXPECT_EQ((CQZCurrencyEx8(1.0) / tres).GetInt64(), 33'333'333);
  EXPECT_EQ((tres * CQZCurrencyEx(0.5)).GetInt64(), 150'000'000);
  EXPECT_EQ((tres / 0.0).GetInt64(), 0);
  EXPECT_EQ((tres + CQZCurrencyEx(0.0001)).GetInt64(), 300'010'000);
  EXPECT_EQ(CQZCurrencyEx8(200.0).Percentual(static_cast<unsigned short>(1250)).GetInt64(), 2'500'000'000);
  EXPECT_EQ(CQZCurrencyEx8(200.0).Percentual(CQZCurrencyEx(12.5)).GetInt64(), 2'500'000'000);
  // Para quatro casas: meio para o par.
  EXPECT_EQ(CQZCurrencyEx8(LONGLONG{123'450'000}).GetCurrencyEx().GetInt64(), 12'345);
  EXPECT_EQ(CQZCurrencyEx8(LONGLONG{123'455'000}).GetCurrencyEx().GetInt64(), 12'346);
  EXPECT_EQ(CQZCurrencyEx8(LONGLONG{123'465'000}).GetCurrencyEx().GetInt64(), 12'346);
}

namespace {

// Os ajustes que CQZCurrencyEx e CQZCurrencyEx8 dividem, cada caso a partir de um
// valor dado em quatro casas: os dois devem chegar ao mesmo valor real, com as suas
// próprias casas implícitas quando pedidas.
enum EAjuste {
  DUAS_E_MEIO,
  DUAS_E_TRUNCA,
  TODAS_E_MEIO,
  SEM_MODO_DEPOIS_ARREDONDA,
  SEM_MODO_DEPOIS_TRUNCA,
  SEM_MODO_DEPOIS_CIMA
};
constexpr struct {
  const char* szCaso;
  EAjuste eAjuste;
  int64_t bruto4, esperado4;
  int nCasas;  // -1: as casas implícitas do valor
  int nModo;
} kAjustes[] = {
    {"duas casas, meio", DUAS_E_MEIO, 12'351, 12'400, 2, ARREDONDA_MEIO},
    {"duas casas, trunca", DUAS_E_TRUNCA, 12'351, 12'300, 2, TRUNCA},
    {"todas as casas", TODAS_E_MEIO, 12'351, 12'351, -1, ARREDONDA_MEIO},
    {"modo desconhecido, depois arredonda", SEM_MODO_DEPOIS_ARREDONDA, -12'351, -12'400, 2, ARREDONDA_MEIO},
    {"modo desconhecido, depois trunca", SEM_MODO_DEPOIS_TRUNCA, 12'359, 12'300, 2, TRUNCA},
    {"modo desconhecido, depois para cima", SEM_MODO_DEPOIS_CIMA, 12'311, 12'400, 2, ARREDONDA_CIMA},
};

template <class TValor>
void ConfereAjustes(TValor (*fDeBruto4)(int64_t), int64_t nEscala, int nCasasImplicitas) {
  for (const auto& c : kAjustes) {
    SCOPED_TRACE(c.szCaso);
    TValor v = fDeBruto4(c.bruto4);
    if (c.eAjuste >= SEM_MODO_DEPOIS_ARREDONDA) {
      v.SetModoArredondamento(7);  // com modo desconhecido as casas não arredondam
      v.SetCasasDecimais(2);
      ASSERT_EQ(v.GetInt64(), c.bruto4 * nEscala);
    }
    switch (c.eAjuste) {
      case DUAS_E_MEIO: v.SetCasasDecimais(true, true); break;
      case DUAS_E_TRUNCA: v.SetCasasDecimais(true, false); break;
      case TODAS_E_MEIO: v.SetCasasDecimais(false, true); break;
      case SEM_MODO_DEPOIS_ARREDONDA: v.SetArredonda(true); break;
      case SEM_MODO_DEPOIS_TRUNCA: v.SetArredonda(false); break;
      case SEM_MODO_DEPOIS_CIMA: v.SetModoArredondamento(ARREDONDA_CIMA); break;
    }
    EXPECT_EQ(v.GetInt64(), c.esperado4 * nEscala);
    EXPECT_EQ(v.GetCasasDecimais(), c.nCasas < 0 ? nCasasImplicitas : c.nCasas);
    EXPECT_EQ(v.GetModoArredondamento(), c.nModo);
  }
}

}  // namespace

TEST(AjustesArredondamentoTest, CasasEModoArredondamAoMudarNosDoisValores) {
  ConfereAjustes<CQZCurrencyEx>([](int64_t bruto4) { return CQZCurrencyEx(CyDeBruto(bruto4)); }, 1, 4);
  ConfereAjustes<CQZCurrencyEx8>([](int64_t bruto4) { return CQZCurrencyEx8(LONGLONG{bruto4 * 10'000}); }, 10'000, 8);
}

TEST(CQZCurrencyTest, CentavosTextoEFormato) {
  CQZCurrency v(CyDeBruto(-12'399));
  v.TruncaCentavos();
  EXPECT_EQ(CY(v).int64, -12'300);

  const struct {
    const char* texto;
    BOOL ok;
    int64_t esperado;
  } kTextos[] = {
      {"1.234,56", TRUE, 12'345'600},  // a última vírgula separa os decimais
      {"1234.56", TRUE, 12'345'600},   // sem vírgula, o primeiro ponto
      {"1,2,3", TRUE, 123'000},        // 12,3
      {"-7", TRUE, -70'000},          {"12x", FALSE, 0}, {"", FALSE, 0},
  };
  for (const auto& c : kTextos) {
    SCOPED_TRACE(c.texto);
    CQZCurrency t;
    EXPECT_EQ(t.SetTexto(CString(c.texto)), c.ok);
    EXPECT_EQ(CY(t).int64, c.esperado);
  }
  EXPECT_EQ(CQZCurrency::ArredondaDouble(2.345, 2), 2.35) << "2,345 em binário fica acima do meio";
  CQZCurrency duas;
  duas.SetCasasDecimais(2);
  duas = 1.005;
  EXPECT_EQ(CY(duas).int64, 10'000);
  EXPECT_STREQ(duas.Formata(), "1,00");
}
