// A lista (SysListView32) em modo relatório: colunas e textos por programa, e as
// notificações WM_NOTIFY que o pai recebe quando a pessoa clica, dá duplo clique ou
// anda com as setas, na ordem do Windows; os itens com máscara, dado e estado, e a
// marca de seleção que segue a escolha da pessoa e as exclusões.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "janelas_teste.h"
#include "vrmwnd/platform/afxcmn.h"

using testing::ElementsAreArray;

namespace {

// O pai grava cada WM_NOTIFY como "CODIGO item" (LVN_ITEMCHANGED com o estado novo).
class CPaiDeLista : public CWnd {
 public:
  CPaiDeLista() { CreateEx(0, nullptr, "pai", WS_OVERLAPPED | WS_VISIBLE, CRect(0, 0, 400, 300), nullptr, 0); }
  ~CPaiDeLista() override { DestroyWindow(); }
  std::vector<std::string> m_recebidas;

 protected:
  LRESULT OnNotify(WPARAM, LPARAM lParam) {
    const auto* h = reinterpret_cast<const NMHDR*>(lParam);
    const auto* lv = reinterpret_cast<const NMLISTVIEW*>(lParam);
    std::string s;
    switch (h->code) {
      case LVN_ITEMCHANGED: s = "ITEMCHANGED " + std::to_string(lv->iItem) + " " + std::to_string(lv->uNewState); break;
      case NM_CLICK: s = "CLICK " + std::to_string(lv->iItem); break;
      case NM_DBLCLK: s = "DBLCLK " + std::to_string(lv->iItem); break;
      case LVN_KEYDOWN: s = "KEYDOWN " + std::to_string(reinterpret_cast<const NMLVKEYDOWN*>(lParam)->wVKey); break;
      default: s = "?"; break;
    }
    m_recebidas.push_back(s);
    return 0;
  }
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CPaiDeLista, CWnd)
ON_MESSAGE(WM_NOTIFY, &CPaiDeLista::OnNotify)
END_MESSAGE_MAP()

class ListViewTest : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(m_lista.Create(WS_CHILD | WS_VISIBLE | LVS_REPORT | LVS_SINGLESEL, CRect(0, 0, 300, 200), &m_pai, 7));
    m_lista.InsertColumn(0, "Código", LVCFMT_LEFT, 90);
    m_lista.InsertColumn(1, "Nome", LVCFMT_RIGHT, 150);
    for (int i = 0; i < 3; ++i) {
      m_lista.InsertItem(i, ("C" + std::to_string(i)).c_str());
      m_lista.SetItemText(i, 1, ("N" + std::to_string(i)).c_str());
    }
    m_pai.m_recebidas.clear();
  }
  static int YDaLinha(int n) { return kListViewHeaderHeight + n * kListViewRowHeight + 2; }

  CPaiDeLista m_pai;
  CListCtrl m_lista;
  CUsuarioRoteirizado m_usuario;
};

TEST_F(ListViewTest, ColunasETextosPorPrograma) {
  CString strTitulo;
  int nLargura = 0, nFormato = -1;
  ASSERT_TRUE(m_lista.GetColumn(1, strTitulo, nLargura, nFormato));
  EXPECT_EQ(strTitulo, "Nome");
  EXPECT_EQ(nLargura, 150);
  EXPECT_EQ(nFormato, LVCFMT_RIGHT);
  EXPECT_FALSE(m_lista.GetColumn(2, strTitulo, nLargura, nFormato));
  EXPECT_EQ(m_lista.GetItemCount(), 3);
  EXPECT_EQ(m_lista.GetItemText(2, 1), "N2");
  EXPECT_EQ(m_lista.GetItemText(2, 5), "") << "subitem fora das colunas";
  EXPECT_FALSE(m_lista.SetItemText(9, 0, "x")) << "item fora da lista";
  EXPECT_EQ(m_lista.GetNextItem(-1, LVNI_SELECTED), -1);
  EXPECT_EQ(m_pai.m_recebidas.size(), 0u) << "inserir não notifica";
}

TEST_F(ListViewTest, PessoaNotificaOPaiNaOrdemDoWindows) {
  const std::string kSel = std::to_string(LVIS_SELECTED | LVIS_FOCUSED);
  struct Caso {
    const char* szCaso;
    std::function<void()> acao;
    std::vector<std::string> esperadas;
    int nSelecionada;
  };
  const Caso kCasos[] = {
      {"clique na segunda linha",
       [&] { InputClick(m_lista.m_hWnd, 5, YDaLinha(1)); },
       {"ITEMCHANGED 1 " + kSel, "CLICK 1"},
       1},
      {"seta para baixo a partir dela",
       [&] { InputKey(VK_DOWN); },
       {"KEYDOWN 40", "ITEMCHANGED 1 0", "ITEMCHANGED 2 " + kSel},
       2},
      {"seta para baixo na última fica", [&] { InputKey(VK_DOWN); }, {"KEYDOWN 40"}, 2},
      {"Home volta à primeira",
       [&] { InputKey(VK_HOME); },
       {"KEYDOWN 36", "ITEMCHANGED 2 0", "ITEMCHANGED 0 " + kSel},
       0},
      {"duplo clique na terceira",
       [&] { InputDoubleClick(m_lista.m_hWnd, 5, YDaLinha(2)); },
       {"ITEMCHANGED 0 0", "ITEMCHANGED 2 " + kSel, "CLICK 2", "DBLCLK 2", "CLICK 2"},
       2},
      {"clique no cabeçalho não escolhe", [&] { InputClick(m_lista.m_hWnd, 5, 3); }, {"CLICK -1"}, 2},
      {"clique abaixo das linhas", [&] { InputClick(m_lista.m_hWnd, 5, YDaLinha(9)); }, {"CLICK -1"}, 2},
  };
  for (const Caso& c : kCasos) {
    SCOPED_TRACE(c.szCaso);
    m_pai.m_recebidas.clear();
    c.acao();
    CUsuarioRoteirizado::ProcessaFila();
    EXPECT_THAT(m_pai.m_recebidas, ElementsAreArray(c.esperadas));
    EXPECT_EQ(m_lista.GetNextItem(-1, LVNI_SELECTED), c.nSelecionada);
  }
}

TEST_F(ListViewTest, ItemComMascaraGuardaDadoEEstadoPedidos) {
  const int n = m_lista.InsertItem(LVIF_TEXT | LVIF_PARAM | LVIF_STATE, 99, "C9", LVIS_STATEIMAGEMASK,
                                   LVIS_STATEIMAGEMASK, 0, 1234);
  EXPECT_EQ(n, 3) << "depois do último vai ao fim";
  EXPECT_EQ(m_lista.GetItemData(3), 1234u);
  EXPECT_EQ(m_lista.GetItemState(3, 0xFFFFFFFFu), LVIS_STATEIMAGEMASK);
  EXPECT_EQ(m_lista.GetItemText(3, 0), "C9");
  EXPECT_EQ(m_lista.GetItemData(0), 0u) << "sem LVIF_PARAM o dado é 0";
  EXPECT_EQ(m_lista.GetItemData(7), 0u) << "item que não existe";
  LVITEM semParam{};
  semParam.mask = LVIF_TEXT;
  semParam.iItem = 1;
  semParam.pszText = const_cast<char*>("Cx");
  semParam.lParam = 55;
  EXPECT_EQ(m_lista.InsertItem(&semParam), 1);
  EXPECT_EQ(m_lista.GetItemData(1), 0u) << "o lParam só vale com LVIF_PARAM";
  EXPECT_EQ(m_lista.GetItemText(2, 0), "C1") << "os de baixo descem";
  EXPECT_TRUE(m_pai.m_recebidas.empty()) << "inserir não notifica";
}

TEST_F(ListViewTest, MarcaDeSelecaoSegueAPessoaEAsExclusoes) {
  struct Caso {
    const char* szCaso;
    std::function<void()> acao;
    int nMarca;
    int nItens;
  };
  const Caso kCasos[] = {
      {"lista nova não tem marca", [] {}, -1, 3},
      {"seleção por programa não marca", [&] { m_lista.SetItemState(1, LVIS_SELECTED, LVIS_SELECTED); }, -1, 3},
      {"clique marca", [&] { InputClick(m_lista.m_hWnd, 5, YDaLinha(2)); }, 2, 3},
      {"seta para cima leva a marca", [&] { InputKey(VK_UP); }, 1, 3},
      {"excluir acima desce a marca um", [&] { EXPECT_TRUE(m_lista.DeleteItem(0)); }, 0, 2},
      {"excluir abaixo não a muda", [&] { EXPECT_TRUE(m_lista.DeleteItem(1)); }, 0, 1},
      {"excluir o que não existe", [&] { EXPECT_FALSE(m_lista.DeleteItem(5)); }, 0, 1},
      {"marca por programa", [&] { EXPECT_EQ(m_lista.SetSelectionMark(-1), 0); }, -1, 1},
      {"marca de volta", [&] { EXPECT_EQ(m_lista.SetSelectionMark(0), -1); }, 0, 1},
      {"excluir o marcado tira a marca", [&] { EXPECT_TRUE(m_lista.DeleteItem(0)); }, -1, 0},
  };
  for (const Caso& c : kCasos) {
    SCOPED_TRACE(c.szCaso);
    c.acao();
    CUsuarioRoteirizado::ProcessaFila();
    EXPECT_EQ(m_lista.GetSelectionMark(), c.nMarca);
    EXPECT_EQ(m_lista.GetItemCount(), c.nItens);
  }
}

}  // namespace
