// Os tratadores de documento e a interação com a tela: a solicitação de compra cria um
// tratador de cotação com o mesmo cronômetro, os tratadores são o contexto das regras,
// e a liberação de acesso passa os argumentos e a resposta sem mudança.
#include <gtest/gtest.h>

#include "vrmwnd/business/CInteracaoComTelaWnd.h"
#include "vrmwnd/business/CTrataDadosWnd.h"
#include "vrmwnd/suite/ganchos_teste.h"

namespace {

TEST(CTrataDadosWndTest, SolicitacaoCriaUmTratadorDeCotacaoComOMesmoCronometro) {
  CTimer2 timer;
  CTrataDadosSCWnd solicitacao(&timer);
  auto* pCotacao = dynamic_cast<CTrataDadosCPWnd*>(solicitacao.GetCotacao());
  ASSERT_NE(pCotacao, nullptr) << "a base recebe o tratador de cotação desta camada";
  EXPECT_EQ(pCotacao->GetTimer(), &timer);
  EXPECT_EQ(solicitacao.GetTimer(), &timer);
  EXPECT_EQ(solicitacao.GetContextoProfiler(), static_cast<const IQZDF_Profiler*>(&solicitacao));
  CTrataDadosREWnd entrada(&timer);
  EXPECT_EQ(entrada.GetTimer(), &timer);
  EXPECT_EQ(entrada.GetContextoProfiler(), static_cast<const IQZDF_Profiler*>(&entrada));
}

TEST(CInteracaoComTelaWndTest, LiberacaoPassaArgumentosERespostaSemMudanca) {
  struct TChamada {
    std::string strOperacao;
    unsigned short nUsuario;
    long lChave;
    int nModulo;
    unsigned short nNivel;
    CWnd* pPai;
  } chamada{};
  for (const int nResposta : {0, 1}) {
    vrmsuite::InstalaPoliticaLiberaAcesso([&](const char* sz, unsigned short u, long k, QZModuloNumero m,
                                              unsigned short n, unsigned short& concedido, CWnd* p) {
      chamada = {sz, u, k, m, n, p};
      concedido = static_cast<unsigned short>(n + 10);
      return nResposta;
    });
    CInteracaoComTelaWnd tela;
    CInteracaoComTelaWnd copia(tela);
    auto* pPai = reinterpret_cast<CWnd*>(&copia);
    EXPECT_EQ(copia.OnQZLiberaAcesso("EXCLUIR_OC", 7, 4242, 7, 3, pPai), nResposta != 0);
    EXPECT_EQ(chamada.strOperacao, "EXCLUIR_OC");
    EXPECT_EQ(chamada.lChave, 4242);
    EXPECT_EQ(chamada.pPai, pPai);
    unsigned short nConcedido = 0;
    EXPECT_EQ(tela.OnQZLiberaAcesso3("ALTERAR_OC", 8, 99, 7, 5, nConcedido, nullptr), nResposta);
    EXPECT_EQ(nConcedido, 15);
    EXPECT_EQ(chamada.nUsuario, 8);
    EXPECT_EQ(chamada.nNivel, 5);
  }
  vrmsuite::InstalaPoliticaLiberaAcesso(nullptr);
}

}  // namespace
