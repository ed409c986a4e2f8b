// Os compostos gerenciais refeitos para outro valor: a proporção das linhas, os
// centavos que sempre fecham o valor e a linha que fica com a sobra (a maior; nas
// linhas que somam 0, a última), arredondando ou cortando; e a ida e volta entre o
// composto e a lista guardada na linha de rateio.
#include <gtest/gtest.h>

#include <vector>

#include "vrmwnd/base/cy_operacoes.h"
#include "vrmwnd/suite/regras/CTrataDadosGerencial.h"

namespace {

TQZGerencialComposto Composto(LONGLONG llFeitoPara, const std::vector<LONGLONG>& linhas) {
  TQZGerencialComposto c;
  c.SetValor(CyDeBruto(llFeitoPara));
  long lGerencial = 6001;
  for (LONGLONG v : linhas) {
    TQZGerencial g;
    g.SetPonteiroPlanoEmpresarial(5001);
    g.SetPonteiroPlanoGerencial(lGerencial++);
    g.SetValor(CyDeBruto(v));
    c.AdicionaGerencial(g);
  }
  return c;
}

std::vector<LONGLONG> Valores(const TQZGerencialComposto& c) {
  std::vector<LONGLONG> v;
  for (int i = 0; i < c.GetQuantidadeGerencial(); ++i) v.push_back(c.GetGerencial(i).GetValor().int64);
  return v;
}

}  // namespace

TEST(GerencialCompostoTest, RegraDeTresFechaOValorAoCentavo) {
  struct TCaso {
    const char* szCaso;
    std::vector<LONGLONG> linhas;
    LONGLONG llNovoValor;
    int nArredonda;
    std::vector<LONGLONG> esperado;
  } const kCasos[] = {
      {"60/40 de 100,00 para 150,00", {60'0000, 40'0000}, 150'0000, 0, {90'0000, 60'0000}},
      {"três iguais: a sobra na primeira", {1'0000, 1'0000, 1'0000}, 100'0000, 0, {33'3400, 33'3300, 33'3300}},
      {"a sobra vai à maior, não à primeira", {1'0000, 2'0000, 1'0000}, 10'0100, 0, {2'5000, 5'0100, 2'5000}},
      {"um centavo em 70/30", {70'0000, 30'0000}, 100, 0, {100, 0}},
      {"seis sextos arredondados", {1, 1, 1, 1, 1, 1}, 1'0000, 0, {1500, 1700, 1700, 1700, 1700, 1700}},
      {"seis sextos cortados", {1, 1, 1, 1, 1, 1}, 1'0000, 1, {2000, 1600, 1600, 1600, 1600, 1600}},
      {"linhas zeradas: partes iguais, a sobra na última", {0, 0, 0}, 10'0000, 0, {3'3300, 3'3300, 3'3400}},
      {"para zero", {60'0000, 40'0000}, 0, 0, {0, 0}},
      {"sem linhas", {}, 10'0000, 0, {}},
  };
  for (const TCaso& c : kCasos) {
    SCOPED_TRACE(c.szCaso);
    const TQZGerencialComposto refeito =
        CTrataDadosGerencial::RegraDeTresPorValor(Composto(100'0000, c.linhas), CyDeBruto(c.llNovoValor), c.nArredonda);
    EXPECT_EQ(Valores(refeito), c.esperado);
    EXPECT_EQ(refeito.GetValor().int64, c.llNovoValor) << "feito agora para o valor novo";
    if (!c.esperado.empty()) {
      EXPECT_EQ(refeito.GetSomaGerencial().int64, c.llNovoValor);
    }
    for (int i = 0; i < refeito.GetQuantidadeGerencial(); ++i)
      EXPECT_EQ(refeito.GetGerencial(i).GetPonteiroPlanoGerencial(), 6001 + i) << "as contas não mudam";
  }
}

TEST(GerencialCompostoTest, QualquerValorFechaNaSoma) {
  const TQZGerencialComposto c = Composto(0, {3333, 5000, 1667, 7, 12'3456});
  for (LONGLONG llValor = 100; llValor < 2'000'0000; llValor = llValor * 7 + 300) {
    SCOPED_TRACE(llValor);
    EXPECT_EQ(CTrataDadosGerencial::RegraDeTresPorValor(c, CyDeBruto(llValor), 0).GetSomaGerencial().int64, llValor);
  }
}

TEST(GerencialCompostoTest, ListaEComposto) {
  const TQZGerencialComposto c = Composto(150'0000, {90'0000, 60'0000});
  const T_Lista<TQZGerencial> lista = CTrataDadosGerencial::ConverterComposto(c);
  ASSERT_EQ(lista.GetSize(), 2);
  EXPECT_EQ(lista[1].GetValor().int64, 60'0000);
  EXPECT_EQ(CTrataDadosGerencial::ConverterListaPorValor(lista, CyDeBruto(150'0000)), c);
  EXPECT_EQ(CTrataDadosGerencial::ConverterListaPorValor(lista, CyDeBruto(10'0000)).GetValor().int64, 10'0000)
      << "o valor é o dado; as linhas ficam";
}
