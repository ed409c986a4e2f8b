// Sequências de notificações dos controles padrão, na ordem do Windows, para o que
// o usuário faz (digitar, clicar, escolher) e para o que o programa faz
// (SetWindowText, CB_SETCURSEL, BM_SETCHECK): o pai grava o que recebe.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "janelas_teste.h"
#include "vrmwnd/platform/afxctrl.h"

using testing::ElementsAre;
using testing::ElementsAreArray;
using testing::IsEmpty;

namespace {

class ControlesTest : public testing::Test {
 protected:
  HWND Cria(const char* szClasse, DWORD nEstilo, int nId, const char* szTexto = "", int nLargura = 100) {
    return CreateWindowExA(0, szClasse, szTexto, WS_CHILD | WS_VISIBLE | WS_TABSTOP | nEstilo, 10, 10 + 30 * nId % 300,
                           nLargura, 20, m_pai.m_hWnd, static_cast<UINT>(nId), nullptr, nullptr);
  }
  CPaiGravador m_pai;
  CUsuarioRoteirizado m_usuario;
};

TEST_F(ControlesTest, EditNotificaNaOrdemDoWindows) {
  struct Caso {
    const char* szCaso;
    DWORD nEstilo;
    const char* szInicial;
    std::function<void(HWND)> acao;
    std::vector<std::string> esperadas;
    const char* szFinal;
  };
  auto digita = [](const char* sz) {
    return [sz](HWND h) {
      InputClick(h);
      InputText(sz);
      CUsuarioRoteirizado::ProcessaFila();
    };
  };
  const Caso kCasos[] = {
      {"digitar dois caracteres",
       0,
       "",
       digita("ab"),
       {"EN_SETFOCUS", "EN_UPDATE", "EN_CHANGE", "EN_UPDATE", "EN_CHANGE"},
       "ab"},
      {"ES_NUMBER recusa letras sem notificar",
       ES_NUMBER,
       "",
       digita("1a2"),
       {"EN_SETFOCUS", "EN_UPDATE", "EN_CHANGE", "EN_UPDATE", "EN_CHANGE"},
       "12"},
      {"ES_UPPERCASE",
       ES_UPPERCASE,
       "",
       digita("çã"),
       {"EN_SETFOCUS", "EN_UPDATE", "EN_CHANGE", "EN_UPDATE", "EN_CHANGE"},
       "ÇÃ"},
      {"ES_READONLY não muda", ES_READONLY, "x", digita("ab"), {"EN_SETFOCUS"}, "x"},
      {"SetWindowText numa linha só", 0, "a", [](HWND h) { SetWindowTextA(h, "b"); }, {"EN_UPDATE", "EN_CHANGE"}, "b"},
      {"SetWindowText com o mesmo texto também notifica",
       0,
       "a",
       [](HWND h) { SetWindowTextA(h, "a"); },
       {"EN_UPDATE", "EN_CHANGE"},
       "a"},
      {"SetWindowText em várias linhas não notifica",
       ES_MULTILINE,
       "a",
       [](HWND h) { SetWindowTextA(h, "b"); },
       {},
       "b"},
      {"trocar o texto selecionado pelo mesmo caractere notifica",
       0,
       "7",
       [](HWND h) {
         SetFocus(h);
         SendMessageA(h, EM_SETSEL, 0, -1);
         InputText("7");
         CUsuarioRoteirizado::ProcessaFila();
       },
       {"EN_SETFOCUS", "EN_UPDATE", "EN_CHANGE"},
       "7"},
      {"Backspace no começo não faz nada",
       0,
       "ab",
       [](HWND h) {
         SetFocus(h);
         InputKey(VK_BACK);
         CUsuarioRoteirizado::ProcessaFila();
       },
       {"EN_SETFOCUS"},
       "ab"},
      {"Backspace no fim apaga um caractere",
       0,
       "aç",
       [](HWND h) {
         InputClick(h);
         InputKey(VK_BACK);
         CUsuarioRoteirizado::ProcessaFila();
       },
       {"EN_SETFOCUS", "EN_UPDATE", "EN_CHANGE"},
       "a"},
      {"limite de 3: EN_MAXTEXT e nada muda",
       0,
       "",
       [](HWND h) {
         SendMessageA(h, EM_LIMITTEXT, 3, 0);
         InputClick(h);
         InputText("abcd");
         CUsuarioRoteirizado::ProcessaFila();
       },
       {"EN_SETFOCUS", "EN_UPDATE", "EN_CHANGE", "EN_UPDATE", "EN_CHANGE", "EN_UPDATE", "EN_CHANGE", "EN_MAXTEXT"},
       "abc"},
      {"EM_SETSEL e EM_LIMITTEXT não notificam",
       0,
       "abc",
       [](HWND h) {
         SendMessageA(h, EM_SETSEL, 1, 2);
         SendMessageA(h, EM_LIMITTEXT, 2, 0);
       },
       {},
       "abc"},
      {"EM_REPLACESEL notifica",
       0,
       "abc",
       [](HWND h) {
         SendMessageA(h, EM_SETSEL, 1, 2);
         SendMessageA(h, EM_REPLACESEL, 0, reinterpret_cast<LPARAM>("XY"));
       },
       {"EN_UPDATE", "EN_CHANGE"},
       "aXYc"},
  };
  int nId = 100;
  for (const auto& c : kCasos) {
    SCOPED_TRACE(c.szCaso);
    HWND h = Cria("EDIT", c.nEstilo, ++nId, c.szInicial);
    m_pai.Limpa();
    c.acao(h);
    EXPECT_THAT(m_pai.Codigos(), ElementsAreArray(c.esperadas));
    char szTexto[32];
    GetWindowTextA(h, szTexto, sizeof szTexto);
    EXPECT_STREQ(szTexto, c.szFinal);
    SetFocus(nullptr);
  }
}

TEST_F(ControlesTest, EditSelecaoEmCaracteres) {
  constexpr struct {
    int nInicio, nFim;
    DWORD nEsperadoInicio, nEsperadoFim;
  } kCasos[] = {
      {0, -1, 0, 4}, {1, 3, 1, 3}, {3, 1, 1, 3}, {2, 99, 2, 4}, {-1, 0, 4, 4},
  };
  HWND h = Cria("EDIT", 0, 7, "ação");
  SendMessageA(h, EM_SETSEL, 4, 4);
  for (const auto& c : kCasos) {
    SCOPED_TRACE(testing::Message() << c.nInicio << "," << c.nFim);
    SendMessageA(h, EM_SETSEL, static_cast<WPARAM>(c.nInicio), c.nFim);
    DWORD nInicio = 0, nFim = 0;
    LRESULT r = SendMessageA(h, EM_GETSEL, reinterpret_cast<WPARAM>(&nInicio), reinterpret_cast<LPARAM>(&nFim));
    EXPECT_EQ(nInicio, c.nEsperadoInicio);
    EXPECT_EQ(nFim, c.nEsperadoFim);
    EXPECT_EQ(r, MAKELONG(static_cast<WORD>(nInicio), static_cast<WORD>(nFim)));
  }
  SetWindowTextA(h, "novo");
  EXPECT_EQ(SendMessageA(h, EM_GETSEL, 0, 0), 0) << "SetWindowText leva o cursor ao começo";
  EXPECT_EQ(SendMessageA(h, EM_GETMODIFY, 0, 0), FALSE);
}

TEST_F(ControlesTest, FocoSaiAntesDeEntrar) {
  HWND h1 = Cria("EDIT", 0, 1), h2 = Cria("EDIT", 0, 2);
  m_usuario.Clica(*CWnd::FromHandle(h1));
  m_usuario.Clica(*CWnd::FromHandle(h2));
  EXPECT_THAT(m_pai.Recebidas(), ElementsAre(TNotificacao{1, "EN_SETFOCUS", ""}, TNotificacao{1, "EN_KILLFOCUS", ""},
                                             TNotificacao{2, "EN_SETFOCUS", ""}));
  EXPECT_EQ(GetFocus(), h2);
  EnableWindow(h2, FALSE);
  EXPECT_EQ(GetFocus(), nullptr) << "desabilitar a janela com foco tira o foco";
  EXPECT_EQ(SetFocus(h2), nullptr) << "janela desabilitada não recebe o foco";
}

TEST_F(ControlesTest, ComboNotificaSoOUsuario) {
  struct Caso {
    const char* szCaso;
    DWORD nEstilo;
    std::function<void(CComboBox&)> acao;
    std::vector<std::string> esperadas;
    int nSelecao;
  };
  const Caso kCasos[] = {
      {"escolher com o mouse",
       CBS_DROPDOWNLIST,
       [this](CComboBox& c) { m_usuario.Escolhe(c, "dois"); },
       {"CBN_SETFOCUS", "CBN_DROPDOWN", "CBN_SELCHANGE", "CBN_SELENDOK", "CBN_CLOSEUP"},
       1},
      {"seta para baixo com o combo fechado",
       CBS_DROPDOWNLIST,
       [this](CComboBox& c) {
         c.SetFocus();
         m_usuario.Tecla(VK_DOWN);
       },
       {"CBN_SETFOCUS", "CBN_SELCHANGE"},
       1},
      {"uma letra escolhe o item que começa com ela",
       CBS_DROPDOWNLIST,
       [](CComboBox& c) {
         c.SetFocus();
         InputText("T");
         CUsuarioRoteirizado::ProcessaFila();
       },
       {"CBN_SETFOCUS", "CBN_SELCHANGE"},
       2},
      {"CB_SETCURSEL do programa não notifica", CBS_DROPDOWNLIST, [](CComboBox& c) { c.SetCurSel(2); }, {}, 2},
      {"digitar no edit do combo",
       CBS_DROPDOWN,
       [this](CComboBox& c) {
         c.SetFocus();
         m_usuario.Tecla('X');
       },
       {"CBN_SETFOCUS", "CBN_EDITUPDATE", "CBN_EDITCHANGE"},
       -1},
      {"CB_RESETCONTENT não notifica", CBS_DROPDOWN, [](CComboBox& c) { c.ResetContent(); }, {}, -1},
  };
  int nId = 200;
  for (const auto& c : kCasos) {
    SCOPED_TRACE(c.szCaso);
    CComboBox combo;
    combo.Attach(Cria("COMBOBOX", c.nEstilo, ++nId));
    for (const char* sz : {"um", "dois", "três"}) combo.AddString(sz);
    combo.SetCurSel(0);
    m_pai.Limpa();
    c.acao(combo);
    EXPECT_THAT(m_pai.Codigos(), ElementsAreArray(c.esperadas));
    EXPECT_EQ(combo.GetCurSel(), c.nSelecao);
    SetFocus(nullptr);
    combo.DestroyWindow();
  }
}

TEST_F(ControlesTest, ComboComEditMostraOItemSoDepoisDeCBNSELCHANGE) {
  CComboBox combo;
  combo.Attach(Cria("COMBOBOX", CBS_DROPDOWN, 9));
  combo.AddString("um");
  combo.AddString("dois");
  combo.SetCurSel(0);
  std::string strTextoNaNotificacao;
  m_pai.m_aoReceber = [&](const TNotificacao& n) {
    if (n.strCodigo == "CBN_SELCHANGE") strTextoNaNotificacao = n.strTexto;
  };
  m_usuario.Escolhe(combo, "dois");
  EXPECT_EQ(strTextoNaNotificacao, "um") << "como no Windows, o edit ainda mostra o item anterior";
  CString strTexto;
  combo.GetWindowText(strTexto);
  EXPECT_EQ(strTexto, "dois");
}

TEST_F(ControlesTest, ComboMensagensDoPrograma) {
  CComboBox combo;
  combo.Attach(Cria("COMBOBOX", CBS_DROPDOWNLIST, 10, "", 100));
  for (const char* sz : {"Alfa", "beta", "alfa"}) combo.AddString(sz);
  EXPECT_EQ(combo.FindStringExact(-1, "ALFA"), 0) << "sem diferenciar maiúsculas";
  EXPECT_EQ(combo.FindStringExact(0, "alfa"), 2) << "começa depois do índice dado";
  EXPECT_EQ(combo.FindStringExact(2, "alfa"), 0) << "e dá a volta";
  EXPECT_EQ(combo.FindStringExact(-1, "alf"), CB_ERR);
  EXPECT_EQ(combo.GetItemData(-1), static_cast<DWORD_PTR>(CB_ERR));
  EXPECT_EQ(combo.SetCurSel(5), CB_ERR);
  EXPECT_EQ(combo.GetCurSel(), -1);
  combo.SetCurSel(2);
  EXPECT_EQ(combo.DeleteString(0), 2);
  EXPECT_EQ(combo.GetCurSel(), 1) << "apagar um item acima move a seleção";
  CString strTexto;
  combo.GetWindowText(strTexto);
  EXPECT_EQ(strTexto, "alfa");
  constexpr struct {
    UINT nPedida;
    int nEsperada;
  } kLarguras[] = {{50, 100}, {100, 100}, {250, 250}, {0, 100}};
  for (const auto& c : kLarguras) {
    SCOPED_TRACE(c.nPedida);
    EXPECT_EQ(combo.SetDroppedWidth(c.nPedida), c.nEsperada) << "abaixo da largura do combo vale a do combo";
    EXPECT_EQ(combo.GetDroppedWidth(), c.nEsperada);
  }
  EXPECT_THAT(m_pai.Recebidas(), IsEmpty());
}

TEST_F(ControlesTest, BotaoMudaOEstadoAntesDeBNCLICKED) {
  struct Caso {
    const char* szCaso;
    DWORD nEstilo;
    int nAntes;
    int nNaNotificacao;
  };
  constexpr Caso kCasos[] = {
      {"caixa automática marca", BS_AUTOCHECKBOX, BST_UNCHECKED, BST_CHECKED},
      {"caixa automática desmarca", BS_AUTOCHECKBOX, BST_CHECKED, BST_UNCHECKED},
      {"três estados passa a indeterminado", BS_AUTO3STATE, BST_CHECKED, BST_INDETERMINATE},
      {"caixa comum não muda sozinha", BS_CHECKBOX, BST_UNCHECKED, BST_UNCHECKED},
  };
  int nId = 300;
  for (const auto& c : kCasos) {
    SCOPED_TRACE(c.szCaso);
    HWND h = Cria("BUTTON", c.nEstilo, ++nId);
    SendMessageA(h, BM_SETCHECK, static_cast<WPARAM>(c.nAntes), 0);
    int nNaNotificacao = -1;
    m_pai.m_aoReceber = [&](const TNotificacao&) {
      nNaNotificacao = static_cast<int>(SendMessageA(h, BM_GETCHECK, 0, 0));
    };
    m_pai.Limpa();
    SendMessageA(h, BM_CLICK, 0, 0);
    EXPECT_THAT(m_pai.Codigos(), ElementsAre("BN_CLICKED"));
    EXPECT_EQ(nNaNotificacao, c.nNaNotificacao);
    EXPECT_EQ(GetFocus(), h) << "o clique dá o foco ao botão";
  }
}

TEST_F(ControlesTest, RadioAutomaticoLimpaOGrupo) {
  HWND a = Cria("BUTTON", BS_AUTORADIOBUTTON | WS_GROUP, 1), b = Cria("BUTTON", BS_AUTORADIOBUTTON, 2);
  HWND outro = Cria("BUTTON", BS_AUTORADIOBUTTON | WS_GROUP, 3);
  SendMessageA(outro, BM_SETCHECK, BST_CHECKED, 0);
  SendMessageA(a, BM_CLICK, 0, 0);
  SendMessageA(b, BM_CLICK, 0, 0);
  EXPECT_EQ(SendMessageA(a, BM_GETCHECK, 0, 0), BST_UNCHECKED);
  EXPECT_EQ(SendMessageA(b, BM_GETCHECK, 0, 0), BST_CHECKED);
  EXPECT_EQ(SendMessageA(outro, BM_GETCHECK, 0, 0), BST_CHECKED) << "outro grupo não muda";
  m_pai.Limpa();
  EnableWindow(a, FALSE);
  SendMessageA(a, BM_CLICK, 0, 0);
  SendMessageA(b, BM_SETCHECK, BST_UNCHECKED, 0);
  SendMessageA(b, BM_SETSTYLE, BS_PUSHBUTTON, TRUE);
  EXPECT_THAT(m_pai.Recebidas(), IsEmpty()) << "botão desabilitado, BM_SETCHECK e BM_SETSTYLE não notificam";
  EXPECT_EQ(GetWindowLong(b, GWL_STYLE) & BS_TYPEMASK, static_cast<LONG>(BS_PUSHBUTTON));
  CStatic icone;
  icone.Attach(Cria("STATIC", SS_ICON, 4));
  HICON h = reinterpret_cast<HICON>(0x40);
  EXPECT_EQ(icone.SetIcon(h), nullptr);
  EXPECT_EQ(icone.SetIcon(nullptr), h);
}

}  // namespace
