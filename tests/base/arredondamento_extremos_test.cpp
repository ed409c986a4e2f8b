// Arredondamento nos limites da faixa de 64 bits: o resultado é o de uma conta em 128
// bits quando cabe e DISP_E_OVERFLOW quando não cabe; os valores em dinheiro nunca
// trocam de sinal ao arredondar (podem ir a zero).
#include <gtest/gtest.h>

#include <cstdint>

#include "vrmwnd/base/CQZCurrencyEx.h"
#include "vrmwnd/base/CQZCurrencyEx8.h"
#include "vrmwnd/base/arredondamento.h"
#include "vrmwnd/base/cy_operacoes.h"

namespace {

using Int128 = __int128;

// O arredondamento pela definição de cada modo, em 128 bits e sobre o valor com sinal.
Int128 ArredondaReferencia(Int128 bruto, Int128 passo, int nModo) {
  const Int128 modulo = bruto < 0 ? -bruto : bruto;
  Int128 q = modulo / passo;
  const Int128 r = modulo % passo;
  if (nModo == ARREDONDA_MEIO && 2 * r >= passo) ++q;
  if (nModo == ARREDONDA_PAR && (2 * r > passo || (2 * r == passo && q % 2 == 1))) ++q;
  if (nModo == ARREDONDA_CIMA && r != 0) ++q;
  return (bruto < 0 ? -q : q) * passo;
}

constexpr int64_t kExtremos[] = {
    INT64_MAX,
    INT64_MAX - 1,
    INT64_MAX - 4'999,
    INT64_MAX - 5'807,
    INT64_MIN,
    INT64_MIN + 1,
    INT64_MIN + 5'000,
    INT64_MIN + 5'808,
    9'223'372'036'854'770'000,
    -9'223'372'036'854'770'000,
    0,
    1,
    -1,
};

}  // namespace

TEST(ArredondamentoExtremosTest, OsCasosDoLimite) {
  const struct {
    int64_t bruto;
    int nCasas;
    int nModo;
    HRESULT hr;
    int64_t esperado;
  } kCasos[] = {
      // 922.337.203.685.477,5807 a 0 casas, meio: 922.337.203.685.478 não cabe.
      {INT64_MAX, 0, ARREDONDA_MEIO, DISP_E_OVERFLOW, 0},
      {INT64_MAX, 0, TRUNCA, S_OK, 9'223'372'036'854'770'000},
      {INT64_MAX, 2, ARREDONDA_CIMA, DISP_E_OVERFLOW, 0},
      {INT64_MAX, 3, ARREDONDA_PAR, DISP_E_OVERFLOW, 0},  // ...477,5807 -> ...477,581
      {INT64_MAX - 7, 3, ARREDONDA_PAR, S_OK, 9'223'372'036'854'775'800},
      {INT64_MIN, 0, ARREDONDA_MEIO, DISP_E_OVERFLOW, 0},
      {INT64_MIN, 0, TRUNCA, S_OK, -9'223'372'036'854'770'000},
      {INT64_MIN, 3, ARREDONDA_MEIO, DISP_E_OVERFLOW, 0},  // -...477,5808 -> -...477,581
      {INT64_MIN, 4, ARREDONDA_CIMA, S_OK, INT64_MIN},     // quatro casas: nada muda
  };
  for (const auto& c : kCasos) {
    SCOPED_TRACE(testing::Message() << c.bruto << " casas " << c.nCasas << " modo " << c.nModo);
    int64_t resultado = 12345;
    EXPECT_EQ(QZArredondaBrutoVerificado(c.bruto, c.nCasas, c.nModo, 4, &resultado), c.hr);
    if (c.hr == S_OK) {
      EXPECT_EQ(resultado, c.esperado);
    } else {
      EXPECT_EQ(resultado, 12345) << "o resultado fica intocado";
    }
  }
}

TEST(ArredondamentoExtremosTest, IgualAContaEm128BitsEmTodoModoCasaELimite) {
  for (int nImplicitas : {4, 8}) {
    for (int64_t bruto : kExtremos) {
      for (int nCasas = 0; nCasas <= nImplicitas; ++nCasas) {
        for (int nModo = ARREDONDA_MEIO; nModo <= ARREDONDA_CIMA; ++nModo) {
          SCOPED_TRACE(testing::Message() << bruto << " casas " << nCasas << "/" << nImplicitas << " modo " << nModo);
          Int128 passo = 1;
          for (int i = nCasas; i < nImplicitas; ++i) passo *= 10;
          const Int128 referencia = ArredondaReferencia(bruto, passo, nModo);
          const bool bCabe = referencia >= INT64_MIN && referencia <= INT64_MAX;
          int64_t resultado = 0;
          const HRESULT hr = QZArredondaBrutoVerificado(bruto, nCasas, nModo, nImplicitas, &resultado);
          EXPECT_EQ(hr, bCabe ? S_OK : DISP_E_OVERFLOW);
          if (bCabe) {
            EXPECT_EQ(resultado, static_cast<int64_t>(referencia));
          }
          // A forma sem verificação nunca troca o sinal: fora da faixa, o bruto volta.
          const int64_t simples = QZArredondaBruto(bruto, nCasas, nModo, nImplicitas);
          EXPECT_EQ(simples, bCabe ? static_cast<int64_t>(referencia) : bruto);
        }
      }
    }
  }
}

TEST(ArredondamentoExtremosTest, ValoresEmDinheiroNaoTrocamDeSinal) {
  for (int64_t bruto : kExtremos) {
    for (int nModo = ARREDONDA_MEIO; nModo <= ARREDONDA_CIMA; ++nModo) {
      for (short nCasas = 0; nCasas <= 4; ++nCasas) {
        SCOPED_TRACE(testing::Message() << bruto << " casas " << nCasas << " modo " << nModo);
        CQZCurrencyEx valor(CyDeBruto(bruto));
        valor.SetModoArredondamento(nModo);
        valor.SetCasasDecimais(nCasas);
        EXPECT_TRUE(valor.GetInt64() == 0 || (valor.GetInt64() < 0) == (bruto < 0)) << valor.GetInt64();
        CQZCurrencyEx8 valor8(bruto);
        valor8.SetArredonda(nModo == ARREDONDA_MEIO);
        valor8.SetCasasDecimais(nCasas);
        EXPECT_TRUE(valor8.GetInt64() == 0 || (valor8.GetInt64() < 0) == (bruto < 0)) << valor8.GetInt64();
      }
    }
  }
}
