// Os menus de contexto como a pessoa os vê no terminal: a caixa no ponto do clique
// direito, com a marca, o cinza, o separador, a seta e o item realçado em inverso; o
// submenu ao lado do item pai; a caixa que não cabe encostada na borda da tela, com o
// submenu do outro lado; o mouse nas células de um item, que o escolhe. E o menu da
// grade do orçado e realizado aberto em "Configurar Lista...".
#include <gtest/gtest.h>

#include <sstream>

#include "ambiente_teste.h"
#include "empresa_teste.h"
#include "instalacao_teste.h"
#include "quadros_teste.h"
#include "vrmwnd/dialogs/CDlgControleOrcamentario.h"
#include "vrmwnd/platform/afxmenu.h"
#include "vrmwnd/suite/registros/TQZBase.h"
#include "vrmwnd/terminal/CUsuarioTerminal.h"
#include "vrmwnd/terminal/texto_celulas.h"

namespace {

using vrmwnd::terminal::TEvento;
using vrmwnd::terminal::TPonto;
using vrmwnd::terminal::TTamanho;

enum { IDC_TEXTO = 10, IDC_BOTAO = 11 };
enum : UINT { ID_ABRIR = 100, ID_CINZA = 101, ID_SUB_A = 200, ID_SUB_B = 201, ID_SALVAR = 102 };

const DLGTEMPLATEDESC kModelo = {"Com menu",
                                 0,
                                 0,
                                 150,
                                 40,
                                 WS_POPUP | WS_CAPTION | DS_MODALFRAME,
                                 {
                                     {IDC_TEXTO, "EDIT", "nota", 5, 5, 80, 12, WS_VISIBLE | WS_TABSTOP | WS_BORDER},
                                     {IDC_BOTAO, "BUTTON", "Ok", 95, 22, 50, 14, WS_VISIBLE | WS_TABSTOP},
                                 }};

// "&Abrir", "Cinza" (acinzentado), o separador, o submenu "&Mais" ("Sub A" marcado,
// separador, "Sub B") e "&Salvar" marcado.
class CDlgMenu : public CDialog {
 public:
  CDlgMenu() { InitModalIndirect(&kModelo); }
  std::vector<UINT> m_comandos;

 protected:
  BOOL OnCommand(WPARAM wParam, LPARAM lParam) override {
    if (lParam == 0 && LOWORD(wParam) >= ID_ABRIR) {
      m_comandos.push_back(LOWORD(wParam));
      return TRUE;
    }
    return CDialog::OnCommand(wParam, lParam);
  }
  void OnContextMenu(CWnd*, CPoint ponto) {
    CMenu menu;
    menu.CreatePopupMenu();
    menu.AppendMenu(MF_STRING, ID_ABRIR, "&Abrir");
    menu.AppendMenu(MF_STRING | MF_GRAYED, ID_CINZA, "Cinza");
    menu.AppendMenu(MF_SEPARATOR);
    CMenu sub;
    sub.CreatePopupMenu();
    sub.AppendMenu(MF_STRING | MF_CHECKED, ID_SUB_A, "Sub A");
    sub.AppendMenu(MF_SEPARATOR);
    sub.AppendMenu(MF_STRING, ID_SUB_B, "Sub B");
    menu.AppendMenu(MF_POPUP, reinterpret_cast<UINT_PTR>(sub.Detach()), "&Mais");
    menu.AppendMenu(MF_STRING | MF_CHECKED, ID_SALVAR, "&Salvar");
    menu.TrackPopupMenu(TPM_RIGHTBUTTON, ponto.x, ponto.y, this);
  }
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CDlgMenu, CDialog)
ON_WM_CONTEXTMENU()
END_MESSAGE_MAP()

struct TTela {
  std::string strTexto, strEstilos;
};

TTela DesenhaTela(TTamanho tamanho) {
  vrmwnd::terminal::CDesenhista desenhista;
  vrmwnd::terminal::CGradeCelulas grade(tamanho.nColunas, tamanho.nLinhas);
  desenhista.DesenhaTela(grade, {"compras — empresa AMOSTRA", "Esc cancela"});
  return {grade.Texto(), grade.Estilos()};
}

// A pessoa clica (com o botão dado) na célula do texto, onde o vê na tela (nDepois
// células depois do começo dele); false quando a célula não leva o clique a janela
// nenhuma.
bool ClicaNoTexto(TTamanho tamanho, const std::string& strTexto, int nDepois = 0,
                  TEvento::ETipo botao = TEvento::ETipo::Clique) {
  vrmwnd::terminal::CDesenhista desenhista;
  vrmwnd::terminal::CGradeCelulas grade(tamanho.nColunas, tamanho.nLinhas);
  desenhista.DesenhaTela(grade, {"compras", "Esc cancela"});
  std::istringstream linhas(grade.Texto());
  int y = 0;
  for (std::string strLinha; std::getline(linhas, strLinha); ++y) {
    const std::size_t nPos = strLinha.find(strTexto);
    if (nPos == std::string::npos) continue;
    const int x = vrmwnd::terminal::LarguraDoTexto(strLinha.substr(0, nPos)) + nDepois;
    return vrmwnd::terminal::EntregaEvento(TEvento::Mouse(botao, TPonto{x, y}), desenhista.Mapa());
  }
  ADD_FAILURE() << strTexto << " não está na tela\n" << grade.Texto();
  return false;
}

TEST(DesenhoMenusTest, SubmenuAoLadoDoItemPaiComMarcasCinzaERealce) {
  CUsuarioRoteirizado usuario;
  TTela tela;
  usuario.QuandoAbrir("Com menu")
      .ClicaDireito(IDC_TEXTO)
      .EscolheMenu("Mais")
      .Tecla(VK_DOWN)
      .Confere([&](HWND) {
        tela = DesenhaTela({64, 18});
      })
      .Tecla(VK_ESCAPE)
      .Tecla(VK_ESCAPE)
      .Tecla(VK_ESCAPE);
  CDlgMenu dlg;
  dlg.DoModal();
  ConfereQuadro("menu_aberto", tela.strTexto);
  ConfereQuadro("menu_aberto.estilos", tela.strEstilos);
}

TEST(DesenhoMenusTest, MenuQueNaoCabeEncostaNaBordaEOSubmenuVaiParaOOutroLado) {
  CUsuarioRoteirizado usuario;
  TTela tela;
  usuario.QuandoAbrir("Com menu")
      .ClicaDireito(IDC_BOTAO)
      .EscolheMenu("Mais")
      .Confere([&](HWND) {
        tela = DesenhaTela({46, 14});
      })
      .Tecla(VK_ESCAPE)
      .Tecla(VK_ESCAPE)
      .Tecla(VK_ESCAPE);
  CDlgMenu dlg;
  dlg.DoModal();
  ConfereQuadro("menu_na_borda", tela.strTexto);
}

TEST(DesenhoMenusTest, MouseEscolheOItemNasCelulasDele) {
  const TTamanho kTela{64, 18};
  struct TClique {
    const char* szTexto;
    int nDepois;
    bool bChegaAoMenu = true;
  };
  const struct {
    const char* szNome;
    std::vector<TClique> cliques;
    std::vector<UINT> comandos;
    bool bFicaAberto;
  } kCasos[] = {
      {"item", {{"Abrir", 0}}, {ID_ABRIR}, false},
      {"depois do texto, na mesma linha", {{"Salvar", 7}}, {ID_SALVAR}, false},
      {"item do submenu", {{"Mais", 0}, {"Sub B", 2}}, {ID_SUB_B}, false},
      {"cinza não escolhe", {{"Cinza", 0}}, {}, true},
      {"separador não escolhe", {{"├─", 2}}, {}, true},
      {"moldura não escolhe nem fecha", {{"┌─", 0, false}, {"Salvar", 0}}, {ID_SALVAR}, false},
      {"fora do menu fecha sem escolher", {{"Ok", 0}}, {}, false},
  };
  for (const auto& c : kCasos) {
    SCOPED_TRACE(c.szNome);
    CUsuarioRoteirizado usuario;
    bool bAberto = true;
    CRoteiro& r = usuario.QuandoAbrir("Com menu").Confere([&](HWND) {
      EXPECT_TRUE(ClicaNoTexto(kTela, "nota", 1, TEvento::ETipo::CliqueDireito));
    });
    for (const TClique& k : c.cliques)
      r.Confere(
          [&kTela, k](HWND) { EXPECT_EQ(ClicaNoTexto(kTela, k.szTexto, k.nDepois), k.bChegaAoMenu) << k.szTexto; });
    r.Confere([&](HWND) { bAberto = DesenhaTela(kTela).strTexto.find("Salvar") != std::string::npos; });
    for (int i = c.bFicaAberto ? 2 : 1; i > 0; --i) r.Tecla(VK_ESCAPE);
    CDlgMenu dlg;
    dlg.DoModal();
    EXPECT_EQ(dlg.m_comandos, c.comandos);
    EXPECT_EQ(bAberto, c.bFicaAberto);
  }
}

// O orçado e realizado da empresa de amostra consultado mês a mês em 2018; o clique
// direito na grade abre "Totalizar" e "Configurar Lista...", que lista as colunas
// visíveis marcadas, o separador e "Exibir Tudo".
TEST(DesenhoMenusTest, MenuDaGradeDoOrcadoERealizadoComAListaDeColunas) {
  using D = CDlgControleOrcamentario;
  CRelogioFixo relogio{2026, 12, 5, 9, 0, 0, 0, 1000};
  CInstalacaoTeste instalacao;
  CEmpresaTeste empresa;
  ASSERT_EQ(CQZInicializador().Inicializa(empresa.Nome(), 4, 99), S_OK);
  CUsuarioRoteirizado usuario;
  TTela tela;
  usuario.QuandoAbrir("Consulta de Valores Orçados e Realizados")
      .Substitui(D::IDC_FILIAL, "1")
      .Substitui(D::IDC_CLASSIFICACAO, "3.1.01.001")
      .Substitui(D::IDC_GERENCIAL, "G.01")
      .Clica(D::IDC_MENSAL)
      .Substitui(D::IDC_DATA_INICIAL, "01012018")
      .Substitui(D::IDC_DATA_FINAL, "31122018")
      .Clica(D::IDC_CONSULTAR)
      .ClicaDireito(D::IDC_GRADE)
      .EscolheMenu("Configurar Lista...")
      .Tecla(VK_DOWN)
      .Tecla(VK_DOWN)
      .Confere([&](HWND) {
        tela = DesenhaTela({100, 32});
      })
      .Tecla(VK_ESCAPE)
      .Tecla(VK_ESCAPE)
      .Clica(IDCANCEL);
  D dlg;
  EXPECT_EQ(dlg.DoModal(), IDCANCEL);
  ConfereQuadro("menu_da_grade_orcamento", tela.strTexto);
  ConfereQuadro("menu_da_grade_orcamento.estilos", tela.strEstilos);
}

}  // namespace
