// Os controles de texto desenhados em células e comparados com os quadros: statics
// (alinhamento, quebra, atalho, ícone), botões (padrão, foco, marcas, grupo), edits
// (caret, rolagem, seleção, senha, somente leitura, máscara, várias linhas) e combos
// (fechado, com edit e aberto por cima do diálogo).
#include <gtest/gtest.h>

#include "quadros_teste.h"
#include "vrmwnd/platform/afxctrl.h"
#include "vrmwnd/suite/edits/CQZEditMascara.h"

namespace {

constexpr DWORD kDialogo = WS_POPUP | WS_CAPTION | DS_MODALFRAME | WS_VISIBLE;

class DesenhoControlesTest : public testing::Test {
 protected:
  CUsuarioRoteirizado m_usuario;
};

}  // namespace

TEST_F(DesenhoControlesTest, EstaticosAlinhamQuebramEMostramAtalhoEIcone) {
  const DLGTEMPLATEDESC modelo = {
      "Estáticos",
      0,
      0,
      124,
      72,
      kDialogo,
      {
          {1, "STATIC", "&Código do fornecedor:", 4, 4, 116, 8, WS_VISIBLE},
          {2, "STATIC", "Centro", 4, 12, 116, 8, WS_VISIBLE | SS_CENTER},
          {3, "STATIC", "Direita", 4, 20, 116, 8, WS_VISIBLE | SS_RIGHT},
          {4, "STATIC", "Um texto longo que quebra entre as palavras", 4, 28, 60, 24, WS_VISIBLE},
          {5, "STATIC", "Sem && atalho", 68, 28, 52, 8, WS_VISIBLE | SS_NOPREFIX},
          {6, "STATIC", "Desligado", 68, 36, 52, 8, WS_VISIBLE | WS_DISABLED},
          {7, "STATIC", "", 68, 44, 8, 8, WS_VISIBLE | SS_ICON},
          {8, "STATIC", "invisível", 4, 56, 60, 8, 0},
      }};
  CDialogoDeTeste dlg(modelo);
  SendMessageA(GetDlgItem(dlg.m_hWnd, 7), STM_SETICON, 1, 0);
  const TDesenho desenho = DesenhaSozinha(dlg.m_hWnd);
  ConfereQuadro("estaticos", desenho.strTexto);
  ConfereQuadro("estaticos.estilos", desenho.strEstilos);
}

TEST_F(DesenhoControlesTest, BotoesMostramOPadraoOFocoEAsMarcas) {
  const DLGTEMPLATEDESC modelo = {
      "Botões",
      0,
      0,
      160,
      88,
      kDialogo,
      {
          {101, "BUTTON", "&Opções", 4, 2, 152, 46, WS_VISIBLE | BS_GROUPBOX},
          {102, "BUTTON", "&Ativo", 10, 12, 60, 10, WS_VISIBLE | WS_TABSTOP | BS_AUTOCHECKBOX},
          {103, "BUTTON", "Parcial", 10, 22, 60, 10, WS_VISIBLE | WS_TABSTOP | BS_AUTO3STATE},
          {104, "BUTTON", "À esquerda", 80, 12, 70, 10, WS_VISIBLE | WS_TABSTOP | BS_AUTOCHECKBOX | 0x20},
          {105, "BUTTON", "&Mensal", 80, 22, 60, 10, WS_VISIBLE | WS_TABSTOP | WS_GROUP | BS_AUTORADIOBUTTON},
          {106, "BUTTON", "Anual", 80, 30, 60, 10, WS_VISIBLE | BS_AUTORADIOBUTTON},
          {107, "BUTTON", "Desligado", 4, 48, 50, 14, WS_VISIBLE | WS_DISABLED},
          {IDOK, "BUTTON", "&Gravar", 56, 68, 50, 14, WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON},
          {IDCANCEL, "BUTTON", "Cancelar", 108, 68, 50, 14, WS_VISIBLE | WS_TABSTOP},
          {108, "BUTTON", "Texto que não cabe", 4, 68, 30, 14, WS_VISIBLE | WS_TABSTOP},
      }};
  CDialogoDeTeste dlg(modelo);
  dlg.CheckDlgButton(102, BST_CHECKED);
  dlg.CheckDlgButton(103, BST_INDETERMINATE);
  dlg.CheckDlgButton(106, BST_CHECKED);
  SetFocus(GetDlgItem(dlg.m_hWnd, IDCANCEL));
  const TDesenho desenho = DesenhaSozinha(dlg.m_hWnd);
  ConfereQuadro("botoes", desenho.strTexto);
  ConfereQuadro("botoes.estilos", desenho.strEstilos);
  EXPECT_EQ(desenho.cursor, (vrmwnd::terminal::TPonto{28, 10})) << "o cursor fica no botão com o foco";
}

TEST_F(DesenhoControlesTest, EditsMostramCaretRolagemSelecaoEEstados) {
  const DLGTEMPLATEDESC modelo = {"Edits",
                                  0,
                                  0,
                                  140,
                                  64,
                                  kDialogo,
                                  {
                                      {1, "EDIT", "", 4, 4, 60, 12, WS_VISIBLE | WS_TABSTOP | ES_AUTOHSCROLL},
                                      {2, "EDIT", "123,45", 70, 4, 60, 12, WS_VISIBLE | ES_RIGHT},
                                      {3, "EDIT", "segredo", 4, 18, 60, 12, WS_VISIBLE | ES_PASSWORD},
                                      {4, "EDIT", "só leitura", 70, 18, 60, 12, WS_VISIBLE | ES_READONLY},
                                      {5, "EDIT", "desligado", 4, 32, 60, 12, WS_VISIBLE | WS_DISABLED},
                                      {6, "EDIT", "", 70, 32, 60, 12, WS_VISIBLE | WS_TABSTOP},
                                      {7, "EDIT", "ação", 4, 46, 60, 12, WS_VISIBLE | ES_NOHIDESEL},
                                  }};
  CDialogoDeTeste dlg(modelo);
  CQZEditRegDma data;
  data.SubclassDlgItem(6, &dlg);
  data.SetMostrarMascara(true);
  m_usuario.Digita(data, "1308");
  SendMessageA(GetDlgItem(dlg.m_hWnd, 7), EM_SETSEL, 1, 3);
  CEdit edit;
  edit.SubclassDlgItem(1, &dlg);
  m_usuario.Digita(edit, "Fornecedor de peças e serviços");
  m_usuario.Tecla(VK_LEFT, {VK_LSHIFT});
  m_usuario.Tecla(VK_LEFT, {VK_LSHIFT});
  const TDesenho desenho = DesenhaSozinha(dlg.m_hWnd);
  ConfereQuadro("edits", desenho.strTexto);
  ConfereQuadro("edits.estilos", desenho.strEstilos);
  EXPECT_EQ(desenho.cursor, (vrmwnd::terminal::TPonto{16, 2})) << "o caret fica à vista no fim da linha rolada";

  // Home volta ao começo: a vista acompanha o caret.
  m_usuario.Tecla(VK_HOME);
  EXPECT_EQ(DesenhaSozinha(dlg.m_hWnd).cursor, (vrmwnd::terminal::TPonto{2, 2}));
}

TEST_F(DesenhoControlesTest, EditDeVariasLinhasQuebraNaLarguraERolaAteOCaret) {
  const DLGTEMPLATEDESC modelo = {
      "Observações",
      0,
      0,
      100,
      40,
      kDialogo,
      {
          {1, "EDIT", "", 4, 4, 44, 32, WS_VISIBLE | WS_TABSTOP | ES_MULTILINE | ES_WANTRETURN},
          {2, "EDIT", "", 52, 4, 44, 32, WS_VISIBLE | ES_MULTILINE | ES_AUTOHSCROLL},
      }};
  CDialogoDeTeste dlg(modelo);
  CEdit quebra, rola;
  quebra.SubclassDlgItem(1, &dlg);
  rola.SubclassDlgItem(2, &dlg);
  rola.SetWindowText("primeira linha comprida\r\nsegunda\r\nterceira\r\nquarta\r\nquinta");
  m_usuario.Digita(quebra, "Entregar na portaria\rdepois das 14h");
  const TDesenho desenho = DesenhaSozinha(dlg.m_hWnd);
  ConfereQuadro("edit_varias_linhas", desenho.strTexto);
  EXPECT_EQ(desenho.cursor, (vrmwnd::terminal::TPonto{5, 5})) << "depois de 14h, na última linha";
}

TEST_F(DesenhoControlesTest, CombosFechadosEAListaAbertaPorCimaDoDialogo) {
  const DLGTEMPLATEDESC modelo = {"Combos",
                                  0,
                                  0,
                                  130,
                                  56,
                                  kDialogo,
                                  {
                                      {1, "STATIC", "&Frete:", 4, 6, 30, 8, WS_VISIBLE},
                                      {2, "COMBOBOX", "", 36, 4, 90, 80, WS_VISIBLE | WS_TABSTOP | CBS_DROPDOWNLIST},
                                      {3, "STATIC", "&Prazo:", 4, 22, 30, 8, WS_VISIBLE},
                                      {4, "COMBOBOX", "", 36, 20, 90, 80, WS_VISIBLE | WS_TABSTOP | CBS_DROPDOWN},
                                      {5, "STATIC", "Embaixo da lista", 36, 36, 90, 8, WS_VISIBLE},
                                  }};
  CDialogoDeTeste dlg(modelo);
  CComboBox frete, prazo;
  frete.SubclassDlgItem(2, &dlg);
  prazo.SubclassDlgItem(4, &dlg);
  for (const char* sz : {"Emitente", "Destinatário", "Terceiro", "Próprio do emitente", "Próprio do destinatário",
                         "Sem frete", "Sétimo", "Oitavo", "Nono", "Décimo"})
    frete.AddString(sz);
  prazo.AddString("30 dias");
  COMBOBOXINFO info{sizeof info, nullptr, nullptr, nullptr};
  GetComboBoxInfo(prazo.m_hWnd, &info);
  ::SetFocus(info.hwndItem);
  InputText("45 dias");
  CUsuarioRoteirizado::ProcessaFila();
  frete.SetCurSel(1);
  ConfereQuadro("combos_fechados", DesenhaSozinha(dlg.m_hWnd).strTexto);

  // Aberto e descendo até o nono item: a lista rola para mostrá-lo.
  m_usuario.Clica(frete);
  for (int i = 0; i < 7; ++i) m_usuario.Tecla(VK_DOWN);
  const TDesenho aberto = DesenhaSozinha(dlg.m_hWnd, {36, 16});
  ConfereQuadro("combo_aberto", aberto.strTexto);
  ConfereQuadro("combo_aberto.estilos", aberto.strEstilos);
}
