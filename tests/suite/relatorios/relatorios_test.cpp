// O configurador de relatórios e o visualizador, com a pessoa roteirizada: o botão
// escolhido é a resposta, pedido inválido não mostra nada, e o visualizador mostra o
// texto do arquivo ou recusa sem mostrar.
#include <gtest/gtest.h>

#include "ambiente_teste.h"
#include "janelas_teste.h"
#include "vrmwnd/suite/relatorios/CChamaVisualizadorRel.h"
#include "vrmwnd/suite/relatorios/relatorios.h"

TEST(ConfiguradorRelatorioTest, BotaoEscolhidoEARespostaCancelarEPedidoInvalido) {
  REG_CONFIG_RELATORIOPS pedido{};
  pedido.Set_nTamanho(164);
  pedido.Set_szEmpresa("EMP");
  pedido.Set_szModulo("DF");
  pedido.Set_szCodigo("LOG");
  pedido.Set_szTitulo("Transações (LOG)");
  pedido.Set_nUsuario(7);
  const struct {
    int nBotao;
    int nResposta;
    const char* szTexto;
  } kCasos[] = {
      {QZ_IDC_SAIDA_RELATORIO + 4, 4, "Vídeo"},
      {QZ_IDC_SAIDA_RELATORIO + 6, 6, "Arquivo"},
      {QZ_IDC_SAIDA_RELATORIO + 8, 8, "E-mail"},
      {IDCANCEL, IDCANCEL, ""},
  };
  for (const auto& c : kCasos) {
    SCOPED_TRACE(c.nBotao);
    CUsuarioRoteirizado usuario;
    std::string strDescricao;
    usuario.QuandoAbrir("Modelador de Relatórios")
        .Confere([&](HWND h) {
          char sz[256] = "";
          GetDlgItemTextA(h, QZ_IDC_DESCRICAO_RELATORIO, sz, sizeof sz);
          strDescricao = sz;
        })
        .Clica(c.nBotao);
    CString strTexto("resto");
    EXPECT_EQ(MostraConfiguradorRelatorio(&pedido, &strTexto), c.nResposta);
    EXPECT_EQ(strTexto, CString(c.szTexto));
    EXPECT_EQ(strDescricao, "Transações (LOG) (DF LOG) - EMP - usuário 7");
  }
  CUsuarioRoteirizado usuario;
  pedido.Set_nTamanho(160);
  EXPECT_EQ(MostraConfiguradorRelatorio(&pedido, nullptr), 0);
  EXPECT_EQ(MostraConfiguradorRelatorio(nullptr, nullptr), 0);
  EXPECT_TRUE(usuario.Abertos().empty()) << "pedido inválido não mostra nada";
}

TEST(CChamaVisualizadorRelTest, MostraOTextoComAsQuebrasDaCaixaOuRecusaSemMostrar) {
  CHomeTemporaria home;
  const std::string strArquivo = home.Caminho("rel.txt");
  EscreveArquivo(strArquivo, "Linha 1\nLinha 2 — çã\n");
  const struct {
    int nAcao;
    const char* szArquivo;
    HRESULT hr;
    const char* szTitulo;  // nulo: nada mostrado
  } kCasos[] = {
      {1, strArquivo.c_str(), S_OK, "Visualizador de Relatórios - Vídeo"},
      {5, strArquivo.c_str(), S_OK, "Visualizador de Relatórios - E-mail"},
      {0, strArquivo.c_str(), E_INVALIDARG, nullptr},
      {6, strArquivo.c_str(), E_INVALIDARG, nullptr},
      {2, "", static_cast<HRESULT>(0x80070002u), nullptr},
      {2, "/nao/existe.tmp", static_cast<HRESULT>(0x80070002u), nullptr},
  };
  for (const auto& c : kCasos) {
    SCOPED_TRACE(c.nAcao);
    CUsuarioRoteirizado usuario;
    std::string strTexto;
    if (c.szTitulo)
      usuario.QuandoAbrir(c.szTitulo)
          .Confere([&](HWND h) {
            char sz[256] = "";
            GetDlgItemTextA(h, CChamaVisualizadorRel::IDC_TEXTO_RELATORIO, sz, sizeof sz);
            strTexto = sz;
          })
          .Clica(IDCANCEL);
    CChamaVisualizadorRel visualizador;
    visualizador.SetAcao(c.nAcao);
    visualizador.SetRelatorio(c.szArquivo);
    EXPECT_EQ(visualizador.Executa(), c.hr);
    if (c.szTitulo) {
      EXPECT_EQ(usuario.Abertos(), std::vector<std::string>{c.szTitulo});
      EXPECT_EQ(strTexto, "Linha 1\r\nLinha 2 — çã\r\n");
    } else {
      EXPECT_TRUE(usuario.Abertos().empty());
    }
  }
}
