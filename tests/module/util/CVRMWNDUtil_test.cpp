// CVRMWNDUtil: AtualizaGrid mantém o registro corrente ao crescer e ao ordenar e a
// linha corrente ao diminuir, com e sem a linha de totais; a linha de um registro sob
// ordenação; o foco pelo gerenciador de diálogo; MensagemGrid escolhe pastas, linhas
// e foco e mostra o primeiro item do resultado.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "instalacao_teste.h"
#include "janelas_teste.h"
#include "vrmwnd/platform/afxdlg.h"
#include "vrmwnd/suite/grade/CQZBrowserWnd.h"
#include "vrmwnd/suite/grade/CQZTabCtrl.h"
#include "vrmwnd/util/CVRMWNDUtil.h"

namespace {

// Uma coluna "Valor" somada nos totais; cada registro mostra o seu valor.
class CGradeTeste : public CQZBrowserWnd {
 public:
  std::vector<int> m_valores{30, 10, 50, 20, 40, 60};
  std::vector<long> m_selecionadas;

 protected:
  void OnDescreveColuna(int, TQZColunaBrowse& coluna) override {
    coluna.m_strTitulo = "Valor";
    coluna.m_nAlinhamento = QZALINHA_DIREITA;
    coluna.m_cTipo = 2;
    coluna.m_nOpcoes = QZCOL_TOTALIZAVEL | QZCOL_NUMERICA;
  }
  BOOL OnLoadCellStyle(ROWCOL nRow, ROWCOL, CGXStyle& style, LPCTSTR szExistente) override {
    const long lRegistro = GetRecordFromRow(nRow);
    if (*szExistente == '\0' && lRegistro >= 0) style.SetValue(static_cast<long>(m_valores.at(lRegistro)));
    return TRUE;
  }
  void OnLinhaSelecionada(long nRegistro) override { m_selecionadas.push_back(nRegistro); }
};

class CVRMWNDUtilGradeTest : public testing::Test {
 protected:
  void Cria(CGradeTeste& grade, int nId) {
    grade.SetQtdColunas(1);
    ASSERT_TRUE(grade.Create(CGXBrowserWnd::kClassName, "", WS_VISIBLE | WS_VSCROLL, CRect(0, 0, 200, 300), &m_pai,
                             static_cast<UINT>(nId)));
    grade.Initialize();
  }
  void SetUp() override { Cria(m_grade, 100); }
  long Corrente() { return m_grade.GetQZGrid()->GetRegistroAtual(); }

  CPaiGravador m_pai;
  CGradeTeste m_grade;
};

}  // namespace

TEST_F(CVRMWNDUtilGradeTest, AtualizaGridMantemRegistroAoCrescerEOrdenarELinhaAoDiminuir) {
  // valores por registro: 30, 10, 50, 20, 40, 60; decrescente mostra 50, 40, 30, 20, 10.
  constexpr struct {
    const char* szCaso;
    int nAntes;
    bool bTotais;
    int nOrdem;  // 0 nenhuma, 1 crescente, -1 decrescente
    long lCorrente;
    int nLinhas;
    int nRegistro;
    long lEsperado;
  } kCasos[] = {
      {"cresce sem ordem", 3, false, 0, -1, 5, 1, 1},
      {"cresce ordenada com totais", 3, true, -1, -1, 5, 1, 1},
      {"mesma quantidade, ordem crescente, totais", 4, true, 1, -1, 4, 2, 2},
      {"diminui abaixo do registro: ele fica", 5, true, -1, -1, 4, 2, 2},
      {"diminui acima do registro: a linha fica", 5, false, -1, -1, 4, 3, 1},
      {"registro fora: vale o corrente", 5, false, 0, 1, 3, 4, 1},
      {"registro fora com uma linha só: vale o 0", 5, false, 0, 3, 1, 4, 0},
      {"nenhum registro", 4, true, -1, 2, 4, -1, -1},
  };
  for (const auto& c : kCasos) {
    SCOPED_TRACE(c.szCaso);
    m_grade.SetEnableTotalizacao(c.bTotais);
    CVRMWNDUtil::AtualizaGrid(&m_grade, c.nAntes, -1);
    if (c.nOrdem != 0) m_grade.GetQZGrid()->OrdenaColuna(1, c.nOrdem > 0);
    if (c.lCorrente >= 0) m_grade.SetCurrentCell(m_grade.GetRowFromRecord(c.lCorrente), 1);
    const BOOL bTravaAntes = m_grade.LockUpdate(FALSE);
    const int nRedesenhos = m_grade.GetRedrawCount();

    CVRMWNDUtil::AtualizaGrid(&m_grade, c.nLinhas, c.nRegistro);

    EXPECT_EQ(Corrente(), c.lEsperado);
    EXPECT_EQ(m_grade.GetRowCount(), static_cast<ROWCOL>(c.nLinhas + (c.bTotais ? 1 : 0)));
    EXPECT_EQ(m_grade.GetQZGrid()->GetColunaOrdenada(), c.nOrdem != 0 ? 1u : 0u);
    if (c.nOrdem != 0) {
      EXPECT_EQ(m_grade.GetQZGrid()->GetOrdemAscendente(), c.nOrdem > 0);
    }
    EXPECT_FALSE(m_grade.IsLockUpdate()) << "a trava anterior volta";
    EXPECT_EQ(m_grade.GetRedrawCount(), nRedesenhos + 1);
    if (c.lEsperado >= 0) {
      EXPECT_EQ(m_grade.m_selecionadas.back(), c.lEsperado) << "a tela soube";
    }
    m_grade.LockUpdate(bTravaAntes);
    m_grade.ResetCurrentCell();
    m_grade.ClearSort();
    m_grade.SetRowCount(0);
  }
  EXPECT_TRUE(m_grade.GetStyle() & WS_HSCROLL) << "com WS_VSCROLL as duas barras aparecem";
}

TEST_F(CVRMWNDUtilGradeTest, TotaisSomamOsRegistrosMostrados) {
  m_grade.SetEnableTotalizacao(true);
  CVRMWNDUtil::AtualizaGrid(&m_grade, 3, -1);
  EXPECT_EQ(m_grade.GetValueRowCol(1, 1), "90");
  EXPECT_EQ(m_grade.GetRecordFromRow(1), -1);
  EXPECT_EQ(m_grade.GetRecordFromRow(2), 0);
}

TEST_F(CVRMWNDUtilGradeTest, LinhaDoRegistroSobOrdenacao) {
  CPaiGravador outra;
  const struct {
    const char* szCaso;
    CWnd* pJanela;
    int nLinhas;
    bool bTotais;
    int nRegistro;
    int nEsperada;
  } kCasos[] = {
      {"janela que não é grade", &outra, 0, false, 0, 0}, {"nula", nullptr, 0, false, 0, 0},
      {"grade vazia", &m_grade, 0, false, 0, -1},         {"decrescente: 50 na primeira", &m_grade, 5, false, 2, 1},
      {"com totais desce uma", &m_grade, 5, true, 2, 2},  {"registro que não aparece", &m_grade, 5, false, 5, -1},
  };
  for (const auto& c : kCasos) {
    SCOPED_TRACE(c.szCaso);
    m_grade.SetEnableTotalizacao(c.bTotais);
    m_grade.ClearSort();
    CVRMWNDUtil::AtualizaGrid(&m_grade, c.nLinhas, -1);
    m_grade.SortRows(1, FALSE);
    EXPECT_EQ(CVRMWNDUtil::GetRealLinhaNaGridEmOrdenacao(c.pJanela, c.nRegistro), c.nEsperada);
  }
}

TEST(CVRMWNDUtilTest, CoresSaoCOLORREF) {
  EXPECT_EQ(CVRMWNDUtil::COR_MARROM, static_cast<int>(RGB(135, 135, 0)));
  EXPECT_EQ(CVRMWNDUtil::COR_VERMELHO, static_cast<int>(RGB(255, 0, 0)));
  EXPECT_EQ(CVRMWNDUtil::COR_AZUL, static_cast<int>(RGB(0, 0, 255)));
  EXPECT_EQ(CVRMWNDUtil::COR_VERDE_MEDIO, static_cast<int>(RGB(0, 128, 0)));
}

namespace {

const DLGTEMPLATEDESC kModelo = {"Teste",
                                 0,
                                 0,
                                 200,
                                 100,
                                 WS_POPUP | WS_CAPTION,
                                 {
                                     {1001, "EDIT", "", 10, 10, 80, 14, WS_VISIBLE | WS_TABSTOP},
                                     {1002, "EDIT", "", 10, 30, 80, 14, WS_VISIBLE | WS_TABSTOP},
                                     {1003, "GXWND", "", 10, 50, 80, 40, WS_VISIBLE | WS_TABSTOP},
                                     {1004, "GXWND", "", 100, 50, 80, 40, WS_VISIBLE | WS_TABSTOP},
                                     {1005, "SysTabControl32", "", 100, 10, 80, 14, WS_VISIBLE},
                                     {1006, "SysTabControl32", "", 100, 30, 80, 14, WS_VISIBLE},
                                 }};

class CVRMWNDUtilDialogoTest : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(m_dlg.CreateIndirect(&kModelo, nullptr));
    m_dlg.ShowWindow(SW_SHOW);
    m_hEdit1 = ::GetDlgItem(m_dlg, 1001);
    m_hEdit2 = ::GetDlgItem(m_dlg, 1002);
    for (auto [pGrade, nId] : {std::pair{&m_grade1, 1003}, std::pair{&m_grade2, 1004}}) {
      pGrade->SetQtdColunas(1);
      pGrade->SubclassDlgItem(static_cast<UINT>(nId), &m_dlg);
      pGrade->Initialize();
      CVRMWNDUtil::AtualizaGrid(pGrade, 4, -1);
    }
    for (auto [pAba, nId] : {std::pair{&m_aba1, 1005}, std::pair{&m_aba2, 1006}}) {
      pAba->SubclassDlgItem(static_cast<UINT>(nId), &m_dlg);
      pAba->InsertItem(0, "Geral");
      pAba->InsertItem(1, "Itens");
      pAba->InsertItem(2, "Impostos");
    }
    ::SetFocus(m_hEdit1);
  }

  CInstalacaoTeste m_instalacao;  // as mensagens da suíte vêm do arquivo de exemplo
  CDialog m_dlg;
  HWND m_hEdit1 = nullptr, m_hEdit2 = nullptr;
  CGradeTeste m_grade1, m_grade2;
  CQZTabCtrl m_aba1, m_aba2;
  CApresentadorTeste m_apresentador;
};

}  // namespace

TEST_F(CVRMWNDUtilDialogoTest, SetFocusEspecialEnviaOuPostaWmNextDlgCtl) {
  EXPECT_EQ(CVRMWNDUtil::SetFocusEspecial(m_dlg.m_hWnd, m_hEdit2, true), 0);
  EXPECT_EQ(::GetFocus(), m_hEdit2) << "enviada: o foco já mudou";

  EXPECT_NE(CVRMWNDUtil::SetFocusEspecial(m_dlg.m_hWnd, 1001u, false), 0);
  EXPECT_EQ(::GetFocus(), m_hEdit2) << "postada: só quando a fila andar";
  CUsuarioRoteirizado::ProcessaFila();
  EXPECT_EQ(::GetFocus(), m_hEdit1);

  CVRMWNDUtil::SetFocusEspecial(&m_dlg, CWnd::FromHandle(m_hEdit2), true);
  EXPECT_EQ(::GetFocus(), m_hEdit2);
}

TEST_F(CVRMWNDUtilDialogoTest, MensagemGridEscolhePastasLinhasEFocoEMostraOPrimeiroItem) {
  TQZCMConsisteRetorno retorno;
  retorno.SetTipo(3);
  retorno.AdicionaItem(TQZCMConsisteItem(0, 7, "Valor do rateio maior que o do título."));
  retorno.AdicionaItem(TQZCMConsisteItem(0, 7, "segundo item, não mostrado"));

  CVRMWNDUtil::MensagemGrid(&retorno, true, &m_aba1, 2, &m_dlg, CWnd::FromHandle(m_hEdit2), &m_grade1, 1, &m_aba2, 1,
                            &m_grade2, 3);

  EXPECT_EQ(m_aba1.GetCurSel(), 2);
  EXPECT_EQ(m_aba2.GetCurSel(), 1);
  EXPECT_EQ(m_grade1.GetQZGrid()->GetRegistroAtual(), 1);
  EXPECT_TRUE(m_grade1.IsRowSelected(2));
  EXPECT_EQ(m_grade2.GetQZGrid()->GetRegistroAtual(), 3);
  EXPECT_EQ(::GetFocus(), m_hEdit2);
  ASSERT_EQ(m_apresentador.Caixas().size(), 1u);
  EXPECT_EQ(m_apresentador.Caixas()[0].strTexto, "Valor do rateio maior que o do título.");
  EXPECT_EQ(m_apresentador.Caixas()[0].strTitulo, "Tarvo Compras");
  EXPECT_EQ(m_apresentador.Caixas()[0].nEstilo, static_cast<UINT>(MB_ICONEXCLAMATION));
  EXPECT_EQ(m_apresentador.Caixas()[0].hDono, nullptr);
}

TEST_F(CVRMWNDUtilDialogoTest, MensagemGridSemPosicionarComJanelasNulasEPastaNegativa) {
  m_grade1.SetCurrentCell(4, 1);
  TQZCMConsisteRetorno vazio;
  CVRMWNDUtil::MensagemGrid(&vazio, false, &m_grade1, 2, nullptr, CWnd::FromHandle(m_hEdit2), &m_grade1, 0, &m_aba2, -1,
                            nullptr, 0);
  EXPECT_EQ(m_grade1.GetQZGrid()->GetRegistroAtual(), 3) << "sem posicionar a grade fica";
  EXPECT_EQ(m_aba2.GetCurSel(), 0) << "pasta negativa não muda";
  EXPECT_EQ(::GetFocus(), m_hEdit1) << "sem diálogo o foco fica";
  EXPECT_TRUE(m_apresentador.Caixas().empty());

  TQZCMConsisteRetorno comNumero;
  comNumero.AdicionaItem(TQZCMConsisteItem(1160, 7, "texto ignorado"));
  CVRMWNDUtil::MensagemGrid(&comNumero, true, nullptr, 0, nullptr, nullptr, nullptr, 0, nullptr, 0, nullptr, 0);
  ASSERT_EQ(m_apresentador.Caixas().size(), 1u);
  EXPECT_EQ(m_apresentador.Caixas()[0].strTexto, "Não há dados para mostrar no relatório.")
      << "a mensagem da suíte vence o texto";
  EXPECT_EQ(m_apresentador.Caixas()[0].strTitulo, "Tarvo Compras");
}
