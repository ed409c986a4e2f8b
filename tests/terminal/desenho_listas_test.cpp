// As listas e a grade desenhadas em células e comparadas com os quadros: a list view
// em relatório (cabeçalho, seleção, rolada até o item com o foco), as abas com a
// página escolhida e a grade da suíte (cabeçalho, totais, linhas a partir da do topo,
// a célula corrente, a linha vermelha das cores do módulo, a coluna escondida).
#include <gtest/gtest.h>

#include "ambiente_teste.h"
#include "quadros_teste.h"
#include "vrmwnd/platform/afxcmn.h"
#include "vrmwnd/platform/afxtabctrl.h"
#include "vrmwnd/platform/progress.h"
#include "vrmwnd/suite/grade/CQZBrowserWnd.h"
#include "vrmwnd/util/CVRMWNDUtil.h"

namespace {

constexpr DWORD kDialogo = WS_POPUP | WS_CAPTION | DS_MODALFRAME | WS_VISIBLE;

}  // namespace

TEST(DesenhoListasTest, ListViewEmRelatorioRolaAteOFocoEMostraASelecao) {
  const DLGTEMPLATEDESC modelo = {
      "Fornecedores",
      0,
      0,
      160,
      64,
      kDialogo,
      {
          {1, WC_LISTVIEWA, "", 4, 4, 152, 56,
           WS_VISIBLE | WS_TABSTOP | WS_BORDER | LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS},
      }};
  CDialogoDeTeste dlg(modelo);
  CListCtrl lista;
  lista.SubclassDlgItem(1, &dlg);
  lista.InsertColumn(0, "Código", LVCFMT_LEFT, 8 * 6);
  lista.InsertColumn(1, "Razão social", LVCFMT_LEFT, 20 * 6);
  lista.InsertColumn(2, "Cidade", LVCFMT_LEFT, 12 * 6);
  const char* const kNomes[][2] = {
      {"Papelaria Sé", "São Paulo"},        {"Açougue Boi", "Goiânia"}, {"Ótica Visão", "Maceió"},
      {"Ferragens Ltda", "Curitiba"},       {"Gráfica União", "Belém"}, {"Elétrica Luz", "Niterói"},
      {"Café do Sítio", "Poços de Caldas"}, {"Limpeza Já", "Jundiaí"}};
  for (int i = 0; i < 8; ++i) {
    lista.InsertItem(i, std::to_string(101 + i).c_str());
    lista.SetItemText(i, 1, kNomes[i][0]);
    lista.SetItemText(i, 2, kNomes[i][1]);
  }
  lista.SetItemState(6, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
  ::SetFocus(lista.m_hWnd);
  const TDesenho desenho = DesenhaSozinha(dlg.m_hWnd);
  ConfereQuadro("list_view", desenho.strTexto);
  ConfereQuadro("list_view.estilos", desenho.strEstilos);
}

TEST(DesenhoListasTest, AbasMostramAEscolhidaEAPagina) {
  const DLGTEMPLATEDESC modelo = {"Nota fiscal",
                                  0,
                                  0,
                                  160,
                                  48,
                                  kDialogo,
                                  {
                                      {2, "STATIC", "&Emitente:", 8, 20, 40, 8, WS_VISIBLE},
                                      {3, "EDIT", "Papelaria Sé", 50, 18, 100, 12, WS_VISIBLE | WS_TABSTOP},
                                  }};
  CDialogoDeTeste dlg(modelo);
  CTabCtrl abas;
  abas.Create(WS_CHILD | WS_VISIBLE | WS_TABSTOP, CRect(6, 6, 234, 70), &dlg, 1);
  for (const char* szAba : {"&Geral", "Itens", "Impostos", "Observações"}) abas.InsertItem(abas.GetItemCount(), szAba);
  abas.SetCurSel(2);
  ConfereQuadro("abas", DesenhaSozinha(dlg.m_hWnd).strTexto);
  ConfereQuadro("abas.estilos", DesenhaSozinha(dlg.m_hWnd).strEstilos);
}

namespace {

// Uma grade de itens: código, descrição, quantidade e valor; os itens sem estoque
// em vermelho, como a tela de itens os mostra.
class CGradeItens : public CQZBrowserWnd {
 public:
  static constexpr int kItens = 12;
  CGradeItens() {
    SetQtdColunas(4);
    SetIdentificador("GradeItensTerminal");
    SetSalvaConfiguracao(FALSE);
    SetMostraNumeroLinha(FALSE);
  }

 protected:
  void OnDescreveColuna(int nColuna, TQZColunaBrowse& coluna) override {
    static const char* const kTitulos[] = {"Código", "Descrição", "Qtde", "Valor"};
    static const int kLarguras[] = {8, 18, 6, 10};
    coluna.m_strTitulo = kTitulos[nColuna];
    coluna.m_nLargura = kLarguras[nColuna] * 6;
    coluna.m_nAlinhamento = nColuna >= 2 ? QZALINHA_DIREITA : QZALINHA_ESQUERDA;
    coluna.m_nOpcoes = nColuna >= 2 ? QZCOL_TOTALIZAVEL | QZCOL_NUMERICA : 0;
  }
  BOOL OnLoadCellStyle(ROWCOL nRow, ROWCOL nCol, CGXStyle& style, LPCTSTR) override {
    const long lRegistro = GetRecordFromRow(nRow);
    if (lRegistro < 0 || lRegistro >= kItens) return TRUE;
    static const char* const kDescricoes[] = {"Papel A4", "Caneta azul", "Grampeador", "Clipes nº 2"};
    const int nQuantidade = static_cast<int>(lRegistro % 5) * 3;
    switch (nCol) {
      case 1: style.SetValue(("IT" + std::to_string(1001 + lRegistro)).c_str()); break;
      case 2: style.SetValue(kDescricoes[lRegistro % 4]); break;
      case 3: style.SetValue(std::to_string(nQuantidade).c_str()); break;
      default: style.SetValue((std::to_string(10 + lRegistro) + ",50").c_str()); break;
    }
    if (nQuantidade == 0) style.SetTextColor(CVRMWNDUtil::COR_VERMELHO);
    return TRUE;
  }
};

}  // namespace

TEST(DesenhoListasTest, GradeComTotaisTopoCorrenteCoresEColunaEscondida) {
  CHomeTemporaria home;
  const DLGTEMPLATEDESC modelo = {"Itens da nota", 0, 0, 184, 72, kDialogo, {}};
  CDialogoDeTeste dlg(modelo);
  CGradeItens grade;
  grade.Create(CGXBrowserWnd::kClassName, "", WS_CHILD | WS_VISIBLE | WS_BORDER, CRect(6, 6, 270, 110), &dlg, 1);
  grade.Initialize();
  grade.SetEnableTotalizacao(true);
  grade.SetRowCount(CGradeItens::kItens + 1);
  // A corrente no último item, sem estoque: a grade rola até ele.
  grade.SetCurrentCell(grade.GetRowCount(), 2);
  grade.ScrollCellInView(grade.GetRowCount());
  ::SetFocus(grade.m_hWnd);
  const TDesenho desenho = DesenhaSozinha(dlg.m_hWnd);
  ConfereQuadro("grade", desenho.strTexto);
  ConfereQuadro("grade.estilos", desenho.strEstilos);

  // A descrição escondida: as colunas seguintes chegam para a esquerda.
  ASSERT_TRUE(grade.ToggleColunaVisivel(1));
  ConfereQuadro("grade_sem_descricao", DesenhaSozinha(dlg.m_hWnd).strTexto);
}

// A barra de progresso enche na proporção da posição dentro da faixa, e uma faixa
// vazia não enche nada.
TEST(DesenhoListasTest, ProgressoEncheNaProporcaoDaFaixa) {
  const DLGTEMPLATEDESC modelo = {"Progresso",
                                  0,
                                  0,
                                  120,
                                  40,
                                  kDialogo,
                                  {
                                      {1, "msctls_progress32", "", 4, 4, 112, 8, WS_VISIBLE},
                                      {2, "msctls_progress32", "", 4, 16, 112, 8, WS_VISIBLE},
                                      {3, "msctls_progress32", "", 4, 28, 112, 8, WS_VISIBLE},
                                  }};
  CDialogoDeTeste dlg(modelo);
  SendMessageA(GetDlgItem(dlg.m_hWnd, 1), PBM_SETPOS, 45, 0);
  SendMessageA(GetDlgItem(dlg.m_hWnd, 2), PBM_SETRANGE32, 0, 200);
  SendMessageA(GetDlgItem(dlg.m_hWnd, 2), PBM_SETPOS, 200, 0);
  SendMessageA(GetDlgItem(dlg.m_hWnd, 3), PBM_SETRANGE32, 10, 10);
  ConfereQuadro("progresso", DesenhaSozinha(dlg.m_hWnd).strTexto);
}
