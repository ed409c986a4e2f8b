// Enter como Tab e a troca de páginas de um tab control, agidos por uma pessoa: um
// diálogo simples com botões, caixa de marcar e edits de várias linhas, e um diálogo
// com três páginas (diálogos filhos do tab control) que respondem às duas mensagens
// registradas da navegação.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "janelas_teste.h"
#include "vrmwnd/base/CQZEnter.h"
#include "vrmwnd/platform/afxtabctrl.h"

namespace {

constexpr UINT IDD_SIMPLES = 32101, IDD_ABAS = 32102, IDD_PAGINA = 32103;
constexpr int ID_NOME = 1001, ID_MARCA = 1002, ID_NOTAS = 1003, ID_LEITURA = 1004, ID_TAB = 1005;
constexpr int ID_PRIMEIRO = 2001, ID_MEIO = 2002, ID_ULTIMO = 2003;
constexpr DWORD kVisivel = WS_VISIBLE | WS_TABSTOP;

const DLGTEMPLATEDESC kSimples{
    "Simples",
    0,
    0,
    200,
    120,
    WS_POPUP | WS_CAPTION,
    {{ID_NOME, "EDIT", "", 4, 4, 80, 12, kVisivel | WS_BORDER},
     {ID_MARCA, "BUTTON", "Marca", 4, 20, 80, 10, kVisivel | BS_AUTOCHECKBOX},
     {ID_NOTAS, "EDIT", "", 4, 34, 120, 30, kVisivel | ES_MULTILINE | ES_WANTRETURN},
     {ID_LEITURA, "EDIT", "só leitura", 4, 68, 120, 30, kVisivel | ES_MULTILINE | ES_WANTRETURN | ES_READONLY},
     {IDOK, "BUTTON", "OK", 130, 100, 30, 14, kVisivel | BS_DEFPUSHBUTTON},
     {IDCANCEL, "BUTTON", "Cancelar", 164, 100, 30, 14, kVisivel}}};

const DLGTEMPLATEDESC kAbas{"Abas",
                            0,
                            0,
                            220,
                            140,
                            WS_POPUP | WS_CAPTION,
                            {{ID_NOME, "EDIT", "", 4, 4, 80, 12, kVisivel | WS_BORDER},
                             {ID_TAB, "SysTabControl32", "", 4, 20, 200, 90, kVisivel},
                             {IDOK, "BUTTON", "OK", 130, 120, 30, 14, kVisivel | BS_DEFPUSHBUTTON},
                             {IDCANCEL, "BUTTON", "Cancelar", 164, 120, 30, 14, kVisivel}}};

const DLGTEMPLATEDESC kPagina{"",
                              2,
                              14,
                              190,
                              70,
                              WS_CHILD,
                              {{ID_PRIMEIRO, "EDIT", "", 4, 4, 80, 12, kVisivel | WS_BORDER},
                               {ID_MEIO, "BUTTON", "Marca", 4, 20, 80, 10, kVisivel | BS_AUTOCHECKBOX},
                               {ID_ULTIMO, "EDIT", "", 4, 34, 80, 12, kVisivel | WS_BORDER}}};

// O diálogo simples com a navegação, Enter como Tab ligado ou não.
class CDlgSimples : public CDialog {
 public:
  explicit CDlgSimples(bool bEnterComoTab) : CDialog(IDD_SIMPLES), m_bEnterComoTab(bEnterComoTab) {}
  BOOL OnInitDialog() override {
    CDialog::OnInitDialog();
    m_enter.Inicializa(this);
    m_enter.SetEnterComoTab(m_bEnterComoTab);
    m_enter.SetExcecoes(m_excecoes);
    return TRUE;
  }
  BOOL PreTranslateMessage(MSG* pMsg) override {
    if (!m_enter.PreTranslateMessage(pMsg)) return TRUE;
    return CDialog::PreTranslateMessage(pMsg);
  }
  CQZEnter m_enter;
  CArray<UINT, UINT> m_excecoes;

 private:
  bool m_bEnterComoTab;
};

// Uma página: responde às mensagens registradas conforme as marcas e, avisada da
// troca, põe o foco na página que o tab control mostra agora.
class CPagina : public CDialog {
 public:
  BOOL OnInitDialog() override {
    CDialog::OnInitDialog();
    m_enter.Inicializa(this);
    m_enter.SetEnterComoTab(true);
    return TRUE;
  }
  BOOL PreTranslateMessage(MSG* pMsg) override {
    if (!m_enter.PreTranslateMessage(pMsg)) return TRUE;
    return CDialog::PreTranslateMessage(pMsg);
  }
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
    if (message == WM_QZENTER_EH_ULTIMA_TAB) return m_bUltima;
    if (message == WM_QZENTER_PODE_SETAR_FOCO_TAB) return m_bPular;
    if (message == WM_USER + 101) {
      m_pAvisos->push_back(wParam ? "para trás" : "para a frente");
      CTabCtrl* pTab = static_cast<CTabCtrl*>(GetParent());
      TCITEM item{};
      item.mask = TCIF_PARAM;
      pTab->GetItem(pTab->GetCurSel(), &item);
      HWND hPagina = reinterpret_cast<HWND>(item.lParam);
      ::SendMessage(hPagina, WM_NEXTDLGCTL,
                    reinterpret_cast<WPARAM>(::GetNextDlgTabItem(hPagina, nullptr, wParam != 0)), TRUE);
      return 0;
    }
    return CDialog::WindowProc(message, wParam, lParam);
  }
  // A notificação por chamada, no lugar da mensagem.
  void AoTrocar(BOOL bParaTras) { m_pAvisos->push_back(bParaTras ? "chamada para trás" : "chamada para a frente"); }
  CQZEnter m_enter;
  BOOL m_bUltima = FALSE, m_bPular = FALSE;
  std::vector<std::string>* m_pAvisos = nullptr;
};

class CDlgAbas : public CDialog {
 public:
  CDlgAbas() : CDialog(IDD_ABAS) {}
  BOOL OnInitDialog() override {
    CDialog::OnInitDialog();
    m_tab.SubclassDlgItem(ID_TAB, this);
    for (int i = 0; i < 3; ++i) {
      m_paginas[i].m_pAvisos = &m_avisos;
      m_paginas[i].Create(IDD_PAGINA, &m_tab);
      CString strTitulo;
      strTitulo.Format("Página %d", i + 1);
      m_tab.InsertItem(TCIF_TEXT | TCIF_PARAM, i, strTitulo, 0, reinterpret_cast<LPARAM>(m_paginas[i].m_hWnd));
    }
    m_paginas[0].ShowWindow(SW_SHOW);
    return TRUE;
  }
  CTabCtrl m_tab;
  CPagina m_paginas[3];
  std::vector<std::string> m_avisos;
};

const char* ClasseDoFoco() {
  static char szClasse[64];
  szClasse[0] = '\0';
  GetClassNameA(GetFocus(), szClasse, sizeof szClasse);
  return szClasse;
}

class CQZEnterTest : public testing::Test {
 protected:
  CQZEnterTest() {
    AfxRegisterDialogTemplate(AfxGetInstanceHandle(), IDD_SIMPLES, kSimples);
    AfxRegisterDialogTemplate(AfxGetInstanceHandle(), IDD_ABAS, kAbas);
    AfxRegisterDialogTemplate(AfxGetInstanceHandle(), IDD_PAGINA, kPagina);
  }
  // Foca um controle de uma página com um clique, como a pessoa faria.
  static void ClicaNaPagina(CDlgAbas& dlg, int nPagina, int nId) {
    InputClick(::GetDlgItem(dlg.m_paginas[nPagina].m_hWnd, nId));
  }
  CUsuarioRoteirizado m_usuario;
};

}  // namespace

TEST_F(CQZEnterTest, MensagensRegistradasPeloNomeAoCarregar) {
  EXPECT_GE(WM_QZENTER_EH_ULTIMA_TAB, 0xC000u);
  EXPECT_NE(WM_QZENTER_EH_ULTIMA_TAB, WM_QZENTER_PODE_SETAR_FOCO_TAB);
  EXPECT_EQ(RegisterWindowMessage("cqzenter::wm_qzenter_eh_ultima_tab"), WM_QZENTER_EH_ULTIMA_TAB);
  EXPECT_EQ(RegisterWindowMessage("CQZEnter::WM_QZENTER_PODE_SETAR_FOCO_TAB"), WM_QZENTER_PODE_SETAR_FOCO_TAB);
}

TEST_F(CQZEnterTest, EnterNoDialogoSimples) {
  struct TCaso {
    const char* szCaso;
    bool bEnterComoTab;
    int nTabs;           // quantos Tab a pessoa dá, do primeiro edit, antes do Enter
    INT_PTR nResultado;  // IDOK: o Enter fechou o diálogo
    int nFocoDepois;     // 0: o diálogo fechou
    const char* szNotas;
    bool bNotasNaExcecao = false;
  };
  const TCaso kCasos[] = {
      {"Enter no OK clica o botão", true, 4, IDOK, 0, ""},
      {"Enter na caixa de marcar vai ao próximo controle sem marcar", true, 1, IDCANCEL, ID_NOTAS, ""},
      {"Enter no edit simples vai ao próximo", true, 0, IDCANCEL, ID_MARCA, ""},
      {"Enter no edit de várias linhas insere a linha", true, 2, IDCANCEL, ID_NOTAS, "\r\n"},
      {"Enter no edit de várias linhas da lista de exceções segue", true, 2, IDCANCEL, ID_LEITURA, "", true},
      {"Enter no edit só de leitura segue", true, 3, IDCANCEL, IDOK, ""},
      {"sem Enter como Tab o Enter é do diálogo", false, 0, IDOK, 0, ""},
  };
  for (const TCaso& c : kCasos) {
    SCOPED_TRACE(c.szCaso);
    int nFocoDepois = 0, nMarca = -1;
    CString strNotas;
    auto& roteiro = m_usuario.QuandoAbrir("Simples").Clica(ID_NOME);
    for (int i = 0; i < c.nTabs; ++i) roteiro.Tecla(VK_TAB);
    roteiro.Tecla(VK_RETURN);
    if (c.nResultado == IDCANCEL) {
      roteiro
          .Confere([&](HWND h) {
            nFocoDepois = GetDlgCtrlID(GetFocus());
            nMarca = static_cast<int>(SendMessage(GetDlgItem(h, ID_MARCA), BM_GETCHECK, 0, 0));
            CWnd::FromHandle(GetDlgItem(h, ID_NOTAS))->GetWindowText(strNotas);
          })
          .Tecla(VK_ESCAPE);
    }
    CDlgSimples dlg(c.bEnterComoTab);
    if (c.bNotasNaExcecao) dlg.m_excecoes.Add(ID_NOTAS);
    EXPECT_EQ(dlg.DoModal(), c.nResultado);
    EXPECT_EQ(nFocoDepois, c.nFocoDepois);
    if (c.nResultado == IDCANCEL) {
      EXPECT_EQ(nMarca, BST_UNCHECKED);
      EXPECT_EQ(strNotas, c.szNotas);
    }
  }
}

TEST_F(CQZEnterTest, CtrlTrocaPaginasDandoAVolta) {
  struct TCaso {
    const char* szCaso;
    int nPaginaInicial;
    int nTecla;
    std::initializer_list<int> modificadores;
    int nPaginaFinal;
    const char* szAviso;
  };
  const TCaso kCasos[] = {
      {"Ctrl+Page Down da última vai à primeira", 2, VK_NEXT, {VK_LCONTROL}, 0, "para a frente"},
      {"Ctrl+Page Down vai à próxima", 0, VK_NEXT, {VK_LCONTROL}, 1, "para a frente"},
      {"Ctrl+Page Up da primeira vai à última", 0, VK_PRIOR, {VK_RCONTROL}, 2, "para trás"},
      {"Ctrl+Tab vai à próxima", 1, VK_TAB, {VK_LCONTROL}, 2, "para a frente"},
      {"Ctrl+Shift+Tab volta", 1, VK_TAB, {VK_LCONTROL, VK_LSHIFT}, 0, "para trás"},
  };
  for (const TCaso& c : kCasos) {
    SCOPED_TRACE(c.szCaso);
    CDlgAbas dlg;
    int nSelecao = -1, nPaginaDoFoco = -1;
    bool bSoAFinalVisivel = false;
    m_usuario.QuandoAbrir("Abas")
        .Confere([&](HWND) {
          dlg.m_paginas[0].ShowWindow(SW_HIDE);
          dlg.m_tab.SetCurSel(c.nPaginaInicial);
          dlg.m_paginas[c.nPaginaInicial].ShowWindow(SW_SHOW);
          ClicaNaPagina(dlg, c.nPaginaInicial, ID_MEIO);
        })
        .Tecla(c.nTecla, c.modificadores)
        .Confere([&](HWND) {
          nSelecao = dlg.m_tab.GetCurSel();
          for (int i = 0; i < 3; ++i)
            if (::IsChild(dlg.m_paginas[i].m_hWnd, GetFocus())) nPaginaDoFoco = i;
          bSoAFinalVisivel = true;
          for (int i = 0; i < 3; ++i)
            bSoAFinalVisivel &= (dlg.m_paginas[i].IsWindowVisible() != FALSE) == (i == c.nPaginaFinal);
        })
        .Clica(IDCANCEL);  // o Escape de uma página é da página
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
    EXPECT_EQ(nSelecao, c.nPaginaFinal);
    EXPECT_TRUE(bSoAFinalVisivel);
    EXPECT_EQ(nPaginaDoFoco, c.nPaginaFinal) << "a página avisada pôs o foco na nova";
    EXPECT_EQ(dlg.m_avisos, std::vector<std::string>{c.szAviso});
  }
}

TEST_F(CQZEnterTest, EnterNasBordasDasPaginas) {
  struct TCaso {
    const char* szCaso;
    int nPagina, nFoco;
    std::initializer_list<int> modificadores;
    BOOL bUltima1, bPular1;  // as respostas da página do meio
    int nPaginaFinal;
    const char* szFocoFinal;  // classe do controle focado no fim
    int nIdFocoFinal;
    size_t nAvisos;
  };
  const TCaso kCasos[] = {
      {"Enter no último da última sai do tab control", 2, ID_ULTIMO, {}, FALSE, FALSE, 2, "BUTTON", IDOK, 0},
      {"Enter no último da primeira vai à segunda", 0, ID_ULTIMO, {}, FALSE, FALSE, 1, "EDIT", ID_PRIMEIRO, 1},
      {"Shift+Enter no primeiro da segunda volta à primeira",
       1,
       ID_PRIMEIRO,
       {VK_LSHIFT},
       FALSE,
       FALSE,
       0,
       "EDIT",
       ID_ULTIMO,
       1},
      {"Shift+Enter no primeiro da primeira sai para trás",
       0,
       ID_PRIMEIRO,
       {VK_LSHIFT},
       FALSE,
       FALSE,
       0,
       "EDIT",
       ID_NOME,
       0},
      {"a página que pede para ser pulada é pulada", 0, ID_ULTIMO, {}, FALSE, TRUE, 2, "EDIT", ID_PRIMEIRO, 1},
      {"a última do grupo não deixa trocar", 1, ID_ULTIMO, {}, TRUE, FALSE, 1, "EDIT", ID_ULTIMO, 0},
      {"Enter no meio da página só anda", 1, ID_PRIMEIRO, {}, FALSE, FALSE, 1, "BUTTON", ID_MEIO, 0},
  };
  for (const TCaso& c : kCasos) {
    SCOPED_TRACE(c.szCaso);
    CDlgAbas dlg;
    int nSelecao = -1, nIdFoco = 0;
    std::string strClasse;
    m_usuario.QuandoAbrir("Abas")
        .Confere([&](HWND) {
          dlg.m_paginas[1].m_bUltima = c.bUltima1;
          dlg.m_paginas[1].m_bPular = c.bPular1;
          dlg.m_paginas[0].ShowWindow(SW_HIDE);
          dlg.m_tab.SetCurSel(c.nPagina);
          dlg.m_paginas[c.nPagina].ShowWindow(SW_SHOW);
          ClicaNaPagina(dlg, c.nPagina, c.nFoco);
        })
        .Tecla(VK_RETURN, c.modificadores)
        .Confere([&](HWND) {
          nSelecao = dlg.m_tab.GetCurSel();
          nIdFoco = GetDlgCtrlID(GetFocus());
          strClasse = ClasseDoFoco();
          for (char& ch : strClasse) ch = static_cast<char>(std::toupper(static_cast<unsigned char>(ch)));
        })
        .Clica(IDCANCEL);  // o Escape de uma página é da página
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
    EXPECT_EQ(nSelecao, c.nPaginaFinal);
    EXPECT_EQ(strClasse, c.szFocoFinal);
    EXPECT_EQ(nIdFoco, c.nIdFocoFinal);
    EXPECT_EQ(dlg.m_avisos.size(), c.nAvisos);
  }
}

TEST_F(CQZEnterTest, FocoPrimeiroPoeOFocoNaPaginaSemAvisar) {
  CDlgAbas dlg;
  int nSelecao = -1;
  int nIdFoco = 0;
  m_usuario.QuandoAbrir("Abas")
      .Confere([&](HWND) {
        dlg.m_paginas[0].m_enter.SetFocoPrimeiro(true);
        ClicaNaPagina(dlg, 0, ID_MEIO);
      })
      .Tecla(VK_PRIOR, {VK_LCONTROL})
      .Confere([&](HWND) {
        nSelecao = dlg.m_tab.GetCurSel();
        nIdFoco = GetDlgCtrlID(GetFocus());
      })
      .Clica(IDCANCEL);  // o Escape de uma página é da página
  EXPECT_EQ(dlg.DoModal(), IDCANCEL);
  EXPECT_EQ(nSelecao, 2);
  EXPECT_EQ(nIdFoco, ID_ULTIMO) << "para trás, o último controle da página";
  EXPECT_TRUE(dlg.m_avisos.empty());
}

TEST_F(CQZEnterTest, TabTratadoTrocaDePaginaNaBordaENotificaPelaChamada) {
  CDlgAbas dlg;
  int nSelecao = -1;
  m_usuario.QuandoAbrir("Abas")
      .Confere([&](HWND) {
        dlg.m_paginas[0].m_enter.SetTrataTab(true);
        dlg.m_paginas[0].m_enter.SetNotificacao(static_cast<CQZEnter::PFN_NOTIFICACAO>(&CPagina::AoTrocar));
        ClicaNaPagina(dlg, 0, ID_ULTIMO);
      })
      .Tecla(VK_TAB)
      .Confere([&](HWND) { nSelecao = dlg.m_tab.GetCurSel(); })
      .Clica(IDCANCEL);
  EXPECT_EQ(dlg.DoModal(), IDCANCEL);
  EXPECT_EQ(nSelecao, 1);
  EXPECT_EQ(dlg.m_avisos, std::vector<std::string>{"chamada para a frente"}) << "a chamada no lugar da mensagem";
}
