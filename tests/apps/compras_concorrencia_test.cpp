// Oito compras ao mesmo tempo numa casa nova, cem vezes seguidas: todos encontram a
// empresa inteira, nenhum diz que ela já existe, nenhum perde o banco.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ambiente_teste.h"
#include "processo_compras.h"

TEST(ComprasProcessosTest, OitoAoMesmoTempoNumaCasaNovaTodosConseguemCemVezes) {
  for (int nRodada = 0; nRodada < 100; ++nRodada) {
    SCOPED_TRACE(testing::Message() << "rodada " << nRodada);
    CHomeTemporaria home;
    const std::string strCasa = home.CriaSubpasta("casa");
    std::vector<TExecucao> execucoes;
    for (int i = 0; i < 8; ++i) execucoes.push_back(Inicia(strCasa, {"nota", "listar"}, i));
    int nFalhas = 0;
    for (TExecucao& e : execucoes) {
      std::string strSaida;
      const int nCodigo = Espera(e, strSaida);
      EXPECT_EQ(nCodigo, 0) << strSaida;
      EXPECT_NE(strSaida.find("6 nota(s)"), std::string::npos) << strSaida;
      nFalhas += nCodigo != 0;
    }
    if (nFalhas > 0) break;
  }
}
