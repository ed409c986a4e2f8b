// O núcleo da grade: registros por linha sob ordenação e com a linha de totais,
// valores que acompanham o registro, soma e impressão das colunas visíveis, a
// célula corrente pelo teclado e pelo clique, e o controle de abas.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "janelas_teste.h"
#include "vrmwnd/platform/afxtabctrl.h"
#include "vrmwnd/platform/gxwnd.h"

using testing::ElementsAre;

namespace {

// Grade de navegação cujas células vêm de um vetor por registro.
class CGradeValores : public CGXBrowserWnd {
 public:
  std::vector<std::vector<const char*>> m_linhas;
  std::vector<std::pair<ROWCOL, ROWCOL>> m_movimentos;

 protected:
  BOOL OnLoadCellStyle(ROWCOL nRow, ROWCOL nCol, CGXStyle& style, LPCTSTR szExistente) override {
    const long lRegistro = GetRecordFromRow(nRow);
    if (*szExistente == '\0' && lRegistro >= 0 && lRegistro < static_cast<long>(m_linhas.size()))
      style.SetValue(m_linhas[lRegistro][nCol - 1]);
    return TRUE;
  }
  void OnMovedCurrentCell(ROWCOL nRow, ROWCOL nCol) override { m_movimentos.emplace_back(nRow, nCol); }
};

class GradeTest : public testing::Test {
 protected:
  void SetUp() override {
    m_grade.Create(CGXBrowserWnd::kClassName, "", WS_VISIBLE | WS_TABSTOP, CRect(0, 0, 300, 200), &m_pai, 100);
    m_grade.m_linhas = {{"b", "1.000,50", "10/02/2024"}, {"a", "-3", "09/03/2023"}, {"c", "20,25", "01/01/2025"}};
    m_grade.SetColCount(3);
    m_grade.SetRowCount(3);
  }
  std::vector<long> Registros() {
    std::vector<long> v;
    for (ROWCOL r = 1; r <= m_grade.GetRowCount(); ++r) v.push_back(m_grade.GetRecordFromRow(r));
    return v;
  }
  CPaiGravador m_pai;
  CGradeValores m_grade;
};

}  // namespace

TEST_F(GradeTest, OrdenaPorTextoNumeroEDataComOuSemTotais) {
  const struct {
    ROWCOL nColuna;
    BOOL bAscendente;
    BOOL bTotais;
    std::vector<long> esperado;
  } kCasos[] = {
      {1, TRUE, FALSE, {1, 0, 2}},     {1, FALSE, FALSE, {2, 0, 1}},
      {2, TRUE, FALSE, {1, 2, 0}},      // -3 < 20,25 < 1.000,50 pelo valor, não pelo texto
      {3, TRUE, FALSE, {1, 0, 2}},      // 2023 < 2024 < 2025, não "01" < "09" < "10"
      {2, FALSE, TRUE, {-1, 0, 2, 1}},  // a linha 1 é a de totais e não se move
  };
  for (const auto& c : kCasos) {
    SCOPED_TRACE(testing::Message() << "coluna " << c.nColuna << " totais " << c.bTotais);
    m_grade.SetTotalsLine(c.bTotais);
    m_grade.SetRowCount(3 + (c.bTotais ? 1 : 0));
    ASSERT_TRUE(m_grade.SortRows(c.nColuna, c.bAscendente));
    EXPECT_EQ(Registros(), c.esperado);
    EXPECT_EQ(m_grade.GetSortCol(), c.nColuna);
  }
  EXPECT_FALSE(m_grade.SortRows(0, TRUE));
  EXPECT_FALSE(m_grade.SortRows(4, TRUE));
}

TEST_F(GradeTest, ValorDadoAcompanhaORegistroEACelulaCorrenteFicaNaLinha) {
  m_grade.SetValueRowCol(3, 1, "z");  // registro 2
  m_grade.SetCurrentCell(1, 2);       // registro 0, "b"
  m_grade.m_movimentos.clear();
  m_grade.SortRows(1, TRUE);  // a, b, z: a linha 1 passa a mostrar o registro 1
  EXPECT_EQ(m_grade.GetValueRowCol(3, 1), "z");
  ROWCOL nLinha = 0, nColuna = 0;
  ASSERT_TRUE(m_grade.GetCurrentCell(nLinha, nColuna));
  EXPECT_EQ(nLinha, 1u);
  EXPECT_THAT(m_grade.m_movimentos, ElementsAre(std::pair<ROWCOL, ROWCOL>{1, 2}));
  m_grade.SortRows(1, TRUE);  // mesma ordem: ninguém é avisado
  EXPECT_EQ(m_grade.m_movimentos.size(), 1u);
  m_grade.SetCurrentCell(3, 2);
  EXPECT_EQ(m_grade.GetRowFromRecord(2), 3u);
  m_grade.SetRowCount(2);  // o registro 2 some; os outros continuam ordenados: a, b
  EXPECT_EQ(m_grade.GetSortCol(), 1u);
  EXPECT_EQ(Registros(), (std::vector<long>{1, 0}));
  EXPECT_FALSE(m_grade.GetCurrentCell(nLinha, nColuna));
  EXPECT_EQ(m_grade.GetRowFromRecord(2), 0u);
}

TEST_F(GradeTest, TotaisSomamAsColunasMarcadasEImpressaoMostraOVisivel) {
  m_grade.SetTotalsLine(TRUE);
  m_grade.SetRowCount(4);
  m_grade.SetColSummed(2, TRUE);
  m_grade.SetValueRowCol(0, 1, "Nome");
  m_grade.SetValueRowCol(0, 2, "Valor");
  m_grade.SetColStyle(2, CGXStyle().SetHorizontalAlignment(DT_RIGHT));
  for (ROWCOL c = 0; c <= 3; ++c) m_grade.SetColWidth(c, 6 * 9);
  m_grade.HideCols(3, 3);
  EXPECT_EQ(m_grade.GetValueRowCol(1, 2), "1.017,75");
  EXPECT_EQ(m_grade.GetValueRowCol(1, 1), "");
  EXPECT_EQ(m_grade.PrintToText(),
            "          Nome      Valor\n"
            "Total                1.017,75\n"
            "1         b          1.000,50\n"
            "2         a                -3\n"
            "3         c             20,25\n");
}

TEST_F(GradeTest, SetasECliqueMovemACelulaCorrente) {
  CUsuarioRoteirizado usuario;
  usuario.Clica(m_grade);  // (1, 1) é o cabeçalho: nada se move
  EXPECT_TRUE(m_grade.m_movimentos.empty());
  InputClick(m_grade.m_hWnd, CGXGridCore::kDefaultColWidth + 5,
             CGXGridCore::kHeaderHeight + CGXGridCore::kRowHeight + 2);
  CUsuarioRoteirizado::ProcessaFila();
  usuario.Tecla(VK_DOWN);
  usuario.Tecla(VK_DOWN);  // já na última: não se move
  usuario.Tecla(VK_HOME);
  EXPECT_THAT(m_grade.m_movimentos, ElementsAre(std::pair<ROWCOL, ROWCOL>{2, 1}, std::pair<ROWCOL, ROWCOL>{3, 1},
                                                std::pair<ROWCOL, ROWCOL>{1, 1}));
}

TEST_F(GradeTest, PaginasERodaRolamAVistaEOCliqueContaDoTopo) {
  // 200 pixels: cabeçalho de 22 e linhas de 19 dão 9 linhas à vista; 8 com totais.
  m_grade.m_linhas.assign(40, {"x", "1", "01/01/2024"});
  m_grade.SetRowCount(40);
  m_grade.SetFocus();
  CUsuarioRoteirizado usuario;
  struct Caso {
    const char* szCaso;
    std::function<void()> acao;
    ROWCOL nCorrente, nTopo;
  };
  const auto roda = [&](int nDelta) {
    InputWheel(m_grade.m_hWnd, nDelta, 10, 50);
    CUsuarioRoteirizado::ProcessaFila();
  };
  const Caso kCasos[] = {
      {"a primeira seta põe a célula na primeira linha", [&] { usuario.Tecla(VK_DOWN); }, 1, 1},
      {"Page Down desce uma vista", [&] { usuario.Tecla(VK_NEXT); }, 10, 2},
      {"outra vez", [&] { usuario.Tecla(VK_NEXT); }, 19, 11},
      {"Page Up sobe uma vista e a vista segue", [&] { usuario.Tecla(VK_PRIOR); }, 10, 10},
      {"End vai à última", [&] { usuario.Tecla(VK_END); }, 40, 32},
      {"Page Down na última não passa", [&] { usuario.Tecla(VK_NEXT); }, 40, 32},
      {"a roda para cima rola três linhas e não move a célula", [&] { roda(WHEEL_DELTA); }, 40, 29},
      {"dois dentes para baixo não passam do fim", [&] { roda(-2 * WHEEL_DELTA); }, 40, 32},
      {"o clique conta as linhas do topo",
       [&] {
         InputClick(m_grade.m_hWnd, CGXGridCore::kDefaultColWidth + 5,
                    CGXGridCore::kHeaderHeight + 2 * CGXGridCore::kRowHeight + 2);
         CUsuarioRoteirizado::ProcessaFila();
       },
       34, 32},
      {"Home volta ao começo", [&] { usuario.Tecla(VK_HOME); }, 1, 1},
      {"Page Up no começo fica", [&] { usuario.Tecla(VK_PRIOR); }, 1, 1},
      {"a roda não sobe antes do começo", [&] { roda(WHEEL_DELTA); }, 1, 1},
      {"com totais a vista perde uma linha",
       [&] {
         m_grade.SetTotalsLine(TRUE);
         usuario.Tecla(VK_HOME);
         usuario.Tecla(VK_NEXT);
       },
       10, 3},
  };
  for (const auto& c : kCasos) {
    SCOPED_TRACE(c.szCaso);
    c.acao();
    ROWCOL nLinha = 0, nColuna = 0;
    m_grade.GetCurrentCell(nLinha, nColuna);
    EXPECT_EQ(nLinha, c.nCorrente);
    EXPECT_EQ(m_grade.GetTopRow(), c.nTopo);
  }
}

TEST(AbasTest, SelecaoPorProgramaEIndicesForaDasAbas) {
  CPaiGravador pai;
  CTabCtrl abas;
  ASSERT_TRUE(abas.Create(WS_VISIBLE, CRect(0, 0, 100, 20), &pai, 7));
  EXPECT_EQ(abas.GetCurSel(), -1);
  abas.InsertItem(0, "Geral");
  abas.InsertItem(1, "Itens");
  EXPECT_EQ(abas.GetCurSel(), 0);
  EXPECT_EQ(abas.SetCurSel(1), 0);
  EXPECT_EQ(abas.SetCurSel(2), -1);
  EXPECT_EQ(abas.SetCurSel(-1), -1);
  EXPECT_EQ(abas.GetCurSel(), 1);
  EXPECT_TRUE(pai.Recebidas().empty());
}

TEST(AbasTest, TextoDaAbaCortadoNoBuffer) {
  CPaiGravador pai;
  CTabCtrl abas;
  ASSERT_TRUE(abas.Create(WS_VISIBLE, CRect(0, 0, 100, 20), &pai, 7));
  abas.InsertItem(0, "Observações");
  struct TCaso {
    int nAba;
    int nBuffer;
    BOOL bResultado;
    const char* szTexto;
  };
  const TCaso casos[] = {
      {0, 64, TRUE, "Observações"}, {0, 4, TRUE, "Obs"}, {1, 64, FALSE, "intacto"}, {-1, 64, FALSE, "intacto"}};
  for (const TCaso& caso : casos) {
    char szTexto[64] = "intacto";
    TCITEMA item{TCIF_TEXT, 0, 0, szTexto, caso.nBuffer, 0, 0};
    EXPECT_EQ(abas.SendMessage(TCM_GETITEMA, static_cast<WPARAM>(caso.nAba), reinterpret_cast<LPARAM>(&item)),
              caso.bResultado)
        << caso.nAba << "/" << caso.nBuffer;
    EXPECT_STREQ(szTexto, caso.szTexto) << caso.nAba << "/" << caso.nBuffer;
  }
}
