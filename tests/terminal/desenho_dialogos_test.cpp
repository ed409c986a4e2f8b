// Diálogos inteiros desenhados como a pessoa os vê e comparados com os quadros: a
// tela com as barras e um diálogo modal por cima do dono desabilitado, a caixa de
// mensagem do sistema de janelas e a lista de consulta das condições de pagamento
// sobre a empresa de amostra, e a mensagem com grade do módulo.
#include <gtest/gtest.h>

#include "edit_consulta_teste.h"
#include "quadros_teste.h"
#include "vrmwnd/controls/CCondicaoPagamentoEdit.h"
#include "vrmwnd/dialogs/CDlgMsgCm.h"
#include "vrmwnd/platform/msgbox.h"

namespace {

constexpr DWORD kDialogo = WS_POPUP | WS_CAPTION | DS_MODALFRAME | WS_VISIBLE;

// A tela inteira do terminal, com as barras.
std::pair<std::string, std::string> DesenhaTela(vrmwnd::terminal::TTamanho tamanho) {
  vrmwnd::terminal::CDesenhista desenhista;
  vrmwnd::terminal::CGradeCelulas grade(tamanho.nColunas, tamanho.nLinhas);
  desenhista.DesenhaTela(grade, {"compras — empresa AMOSTRA", "Esc cancela"});
  return {grade.Texto(), grade.Estilos()};
}

}  // namespace

TEST(DesenhoDialogosTest, ModalPorCimaDoDonoDesabilitadoNaTelaComBarras) {
  CUsuarioRoteirizado usuario;
  const DLGTEMPLATEDESC dono = {"Pedido de compra",
                                0,
                                0,
                                200,
                                72,
                                kDialogo,
                                {
                                    {1, "STATIC", "&Fornecedor:", 6, 8, 50, 8, WS_VISIBLE},
                                    {2, "EDIT", "Papelaria Sé", 60, 6, 100, 12, WS_VISIBLE | WS_TABSTOP},
                                    {IDOK, "BUTTON", "&Gravar", 144, 52, 50, 14, WS_VISIBLE | BS_DEFPUSHBUTTON},
                                }};
  CDialogoDeTeste dlgDono(dono);
  const DLGTEMPLATEDESC modal = {
      "Confirmação",
      0,
      0,
      120,
      40,
      WS_POPUP | WS_CAPTION | DS_MODALFRAME,
      {
          {1, "STATIC", "Gravar o pedido?", 6, 6, 108, 8, WS_VISIBLE},
          {IDOK, "BUTTON", "&Sim", 10, 22, 46, 14, WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON},
          {IDCANCEL, "BUTTON", "&Não", 64, 22, 46, 14, WS_VISIBLE | WS_TABSTOP},
      }};
  std::pair<std::string, std::string> tela;
  bool bDonoDesabilitado = false;
  usuario.QuandoAbrir("Confirmação")
      .Confere([&](HWND) {
        tela = DesenhaTela({64, 16});
        bDonoDesabilitado = !IsWindowEnabled(dlgDono.m_hWnd);
      })
      .Tecla(VK_ESCAPE);
  CDialog dlgModal;
  dlgModal.InitModalIndirect(&modal, &dlgDono);
  EXPECT_EQ(dlgModal.DoModal(), IDCANCEL);
  EXPECT_TRUE(bDonoDesabilitado);
  ConfereQuadro("tela_modal", tela.first);
  ConfereQuadro("tela_modal.estilos", tela.second);
}

TEST(DesenhoDialogosTest, CaixaDeMensagemComIconeEBotaoPadrao) {
  CUsuarioRoteirizado usuario;
  std::string strQuadro;
  usuario.QuandoAbrir("Compras")
      .Confere([&](HWND hCaixa) { strQuadro = DesenhaSozinha(hCaixa).strTexto; })
      .Tecla(VK_RETURN);
  EXPECT_EQ(MessageBox(nullptr, "A nota já foi importada.\nDeseja importá-la de novo?", "Compras",
                       MB_YESNOCANCEL | MB_ICONQUESTION | MB_DEFBUTTON2),
            IDNO)
      << "Enter responde com o botão padrão";
  ConfereQuadro("caixa_de_mensagem", strQuadro);
}

namespace {

class DesenhoConsultaTest : public CEditConsultaTeste<CCondicaoPagamentoEdit> {
 protected:
  void SetUp() override {
    CriaJanelas();
    if (HasFatalFailure()) return;
    ASSERT_EQ(m_edit.Inicializa(m_empresa.Nome(), 4, 99), S_OK);
  }
};

}  // namespace

TEST_F(DesenhoConsultaTest, ListaDeConsultaDasCondicoesComALinhaEscolhida) {
  std::string strAberta, strDescida;
  m_usuario.QuandoAbrir("Relação de Condição de Pagamento")
      .Confere([&](HWND h) { strAberta = DesenhaSozinha(h).strTexto; })
      .Tecla(VK_DOWN)
      .Tecla(VK_DOWN)
      .Confere([&](HWND h) { strDescida = DesenhaSozinha(h).strEstilos; })
      .Tecla(VK_RETURN);
  m_usuario.Clica(m_edit);
  m_usuario.Tecla(VK_F2);
  EXPECT_EQ(m_edit.GetText(), "ANT2023");
  ConfereQuadro("consulta_condicoes", strAberta);
  ConfereQuadro("consulta_condicoes_descida.estilos", strDescida);
}

TEST(DesenhoDialogosTest, MensagemComGradeComIconeTabelaECaixa) {
  CUsuarioRoteirizado usuario;
  std::string strQuadro;
  usuario.QuandoAbrir("Tarvo Compras - Ordem de Compras")
      .Confere([&](HWND h) { strQuadro = DesenhaSozinha(h).strTexto; })
      .Clica(IDNO);
  CDlgMsgCm dlg(nullptr);
  dlg.SetTitulo("Tarvo Compras - Ordem de Compras");
  dlg.SetMensagem("A ordem de compra 2 passa do orçamento.");
  dlg.SetPergunta("Deseja liberar?");
  dlg.SetIcon(IDI_QUESTION);
  dlg.SetTextCheck1("Lembrar");
  dlg.SetEnableCheck1(1);
  const struct {
    const char* szTitulo;
    int nLargura, nAlinhamento;
    const char* szLinhas[2];
  } kColunas[] = {
      {"Contábil", 170, 0, {"3.1.02.001 - Serviços", "3.1.01.001 - Material"}},
      {"Gerencial", 140, 0, {"G.02 - Administrativo", "G.01 - Produção"}},
      {"Valor Excedente", 95, 2, {"1.500,00", "2.000,00"}},
  };
  for (const auto& c : kColunas) {
    CDlgMsgCm::CInformacaoColuna coluna;
    coluna.m_strTitulo = c.szTitulo;
    coluna.m_nLargura = c.nLargura;
    coluna.m_nAlinhamento = c.nAlinhamento;
    for (const char* sz : c.szLinhas) coluna.m_Linhas.Add(sz);
    dlg.m_Colunas.Add(coluna);
  }
  EXPECT_EQ(dlg.DoModal(), IDNO);
  ConfereQuadro("mensagem_com_grade", strQuadro);
}
