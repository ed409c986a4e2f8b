// As operações exportadas dos wrappers de cadastro sobre a empresa de amostra: as
// filiais ativas relidas, a natureza posta por chave, o produto com o item da tela, a
// conta posta com o static, e o edit de várias linhas com o botão habilitado junto.
#include "edit_consulta_teste.h"
#include "vrmwnd/wrappers/C4_CEditsCadastro.h"
#include "vrmwnd/wrappers/C4_CQZEdit.h"

namespace {

using C4CFilialEditTest = CEditNaEmpresaTeste<C4_CFilialEdit>;
using C4CNaturezaEditTest = CEditNaEmpresaTeste<C4_CNaturezaEdit>;
using C4CProdutoEditTest = CEditNaEmpresaTeste<C4_CProdutoEdit>;

TEST_F(C4CFilialEditTest, FilialAtivaPersonalizadaLimpaSalvoComUmaSoAtiva) {
  const struct {
    const char* szCaso;
    const char* szSql;
    unsigned short iDepois;
  } kCasos[] = {
      {"três ativas", "", 0},
      {"só a matriz ativa", "UPDATE filial SET byAtiva = 0 WHERE iPonteiro <> 1;", 1},
  };
  for (const auto& c : kCasos) {
    SCOPED_TRACE(c.szCaso);
    m_empresa.Executa(c.szSql);
    m_edit.SetPosicao(1);
    m_edit.SetFilialAtivaPersonalizado();
    EXPECT_EQ(m_edit.GetPonteiro(), c.iDepois);
    EXPECT_EQ(Static(), c.iDepois ? "Matriz São Paulo" : "");
  }
}

TEST_F(C4CFilialEditTest, EnableWindowPersonalizadoMantemAFilialOuDesabilita) {
  m_edit.SetPosicao(3);
  m_edit.EnableWindowPersonalizado(1);
  EXPECT_EQ(m_edit.GetPonteiro(), 3);
  EXPECT_EQ(m_edit.GetQuantidadeFiliaisAtivas(), 3);
  EXPECT_TRUE(m_edit.IsWindowEnabled());
  m_edit.EnableWindowPersonalizado(0);
  EXPECT_FALSE(m_edit.IsWindowEnabled());
  EXPECT_EQ(m_edit.GetPonteiro(), 3) << "desabilitar não mexe na filial";
  ASSERT_NE(m_edit.GetBotao(), nullptr);
  EXPECT_EQ(m_edit.GetBotao()->GetDlgCtrlID(), 100 + CBaseEditExDF::DESLOCAMENTO_ID_BOTAO);
}

TEST_F(C4CNaturezaEditTest, SetPosicaoPorChaveDentroDaFilial) {
  const struct {
    unsigned short iFilial;
    unsigned short iNatureza;
    bool bAchou;
    const char* szTexto;
  } kCasos[] = {
      {0, 4, true, "1202"}, {1, 1, true, "1102"}, {2, 1, false, ""}, {2, 21, true, "1102"}, {0, 99, false, ""},
  };
  for (const auto& c : kCasos) {
    SCOPED_TRACE(testing::Message() << "filial " << c.iFilial << " natureza " << c.iNatureza);
    m_edit.SetFilial(c.iFilial);
    EXPECT_EQ(m_edit.SetPosicao(c.iNatureza), c.bAchou);
    EXPECT_EQ(m_edit.GetText(), c.szTexto);
    EXPECT_EQ(m_edit.GetPonteiro(), c.bAchou ? c.iNatureza : 0);
  }
  EXPECT_FALSE(m_edit.CNaturezaEdit::SetPosicao(1, 0)) << "data de referência inválida";
}

TEST_F(C4CProdutoEditTest, SetPosicaoGuardaOItemEOBotaoAbreALista) {
  m_edit.SetPosicao(12, 77);
  EXPECT_EQ(m_edit.GetText(), "PST-38");
  EXPECT_EQ(Static(), "Pistola calibre .380");
  EXPECT_EQ(m_edit.GetIDItem(), 77u);
  m_usuario.QuandoAbrir("Relação de Produtos").Tecla(VK_ESCAPE);
  ASSERT_NE(m_edit.GetBotao(), nullptr);
  m_usuario.Clica(*m_edit.GetBotao());
  EXPECT_EQ(m_edit.GetText(), "PST-38") << "cancelar a lista não muda o produto";
}

TEST(C4CQZMultiLineEditTest, EnableWindowExLevaOBotaoJunto) {
  CPaiGravador pai;
  CreateWindowExA(0, "EDIT", "", WS_CHILD | WS_VISIBLE | ES_MULTILINE, 0, 0, 100, 60, pai.m_hWnd, 100, nullptr,
                  nullptr);
  C4_CQZMultiLineEdit edit;
  ASSERT_TRUE(edit.SubclassDlgItem(100, &pai));
  EXPECT_EQ(edit.GetBotao(), nullptr);
  edit.EnableWindowEx(false);
  EXPECT_FALSE(edit.IsWindowEnabled()) << "sem botão, só o edit";
  int nCliques = 0;
  ASSERT_TRUE(edit.CriaBotaoConsulta(150, [&] { ++nCliques; }));
  ASSERT_NE(edit.GetBotao(), nullptr);
  EXPECT_FALSE(edit.GetBotao()->IsWindowEnabled()) << "o botão nasce como o edit";
  for (bool b : {true, false, true}) {
    edit.EnableWindowEx(b);
    EXPECT_EQ(edit.IsWindowEnabled() != FALSE, b);
    EXPECT_EQ(edit.GetBotao()->IsWindowEnabled() != FALSE, b);
  }
  CUsuarioRoteirizado usuario;
  usuario.Clica(*edit.GetBotao());
  EXPECT_EQ(nCliques, 1);
}

}  // namespace
