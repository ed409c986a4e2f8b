// A janela de progresso como a operação longa a usa: sobre a janela da tela, que fica
// desabilitada; os dez passos do padrão; a volta do percentual; a fila esvaziada a
// cada avanço (os tratadores das outras janelas rodam dentro das chamadas); Enter e
// Escape que não a fecham.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "janelas_teste.h"
#include "modelo_teste.h"
#include "vrmwnd/dialogs/CCMProgressoDlg.h"
#include "vrmwnd/util/modulo.h"

namespace {

constexpr UINT WM_TRABALHO = WM_APP + 7;

// Uma janela do programa que anota as mensagens de trabalho que trata.
class CJanelaOcupada : public CWnd {
 public:
  CJanelaOcupada() { CreateEx(0, nullptr, "Outra", WS_OVERLAPPED | WS_VISIBLE, CRect(0, 0, 100, 100), nullptr, 0); }
  ~CJanelaOcupada() override { DestroyWindow(); }
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
    if (message == WM_TRABALHO) m_tratadas.push_back(static_cast<int>(wParam));
    return CWnd::WindowProc(message, wParam, lParam);
  }
  std::vector<int> m_tratadas;
};

// Conta quantas vezes o texto do percentual foi gravado.
class CContaTexto : public CWnd {
 public:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
    if (message == WM_SETTEXT) ++m_nGravacoes;
    return CWnd::WindowProc(message, wParam, lParam);
  }
  int m_nGravacoes = 0;
};

LRESULT DaBarra(const CCMProgressoDlg& dlg, UINT nMensagem, WPARAM wParam = 0) {
  return SendMessage(dlg.GetDlgItem(CCMProgressoDlg::IDC_PROGRESSO)->m_hWnd, nMensagem, wParam, 0);
}

class CCMProgressoDlgTest : public testing::Test {
 protected:
  std::string Percentual() const {
    CString s;
    m_dlg.GetDlgItemText(CCMProgressoDlg::IDC_PERCENTUAL, s);
    return s.GetString();
  }
  CPaiGravador m_pai;
  CCMProgressoDlg m_dlg;
};

}  // namespace

TEST_F(CCMProgressoDlgTest, JanelaSegueOModelo12001) {
  ASSERT_TRUE(m_dlg.Create(&m_pai));
  ConfereModelo(
      m_dlg.m_hWnd, "Progresso...", 186, 66,
      {
          {CCMProgressoDlg::IDC_PROGRESSO, "MSCTLS_PROGRESS32", {13, 34, 171, 47}, WS_VISIBLE | WS_BORDER, ""},
          {CCMProgressoDlg::IDC_PERCENTUAL, "STATIC", {85, 23, 103, 31}, WS_VISIBLE | SS_LEFT, " 0 %"},
          {CCMProgressoDlg::IDC_SITUACAO, "STATIC", {13, 7, 171, 18}, WS_VISIBLE | SS_LEFT, ""},
      });
  EXPECT_EQ(DaBarra(m_dlg, PBM_GETPOS), 0);
  EXPECT_EQ(DaBarra(m_dlg, PBM_GETRANGE, TRUE), 0);
  EXPECT_EQ(DaBarra(m_dlg, PBM_GETRANGE, FALSE), 100);
}

TEST_F(CCMProgressoDlgTest, TituloDoConstrutor) {
  char szTitulo[] = "Importando notas";
  CCMProgressoDlg comTitulo(szTitulo), semTitulo(nullptr);
  ASSERT_TRUE(comTitulo.Create(&m_pai));
  ASSERT_TRUE(semTitulo.Create(&m_pai));
  CString s1, s2;
  comTitulo.GetWindowText(s1);
  semTitulo.GetWindowText(s2);
  EXPECT_EQ(s1, "Importando notas");
  EXPECT_EQ(s2, "Progresso...");
}

TEST_F(CCMProgressoDlgTest, DezPassosDoPadraoChegamACem) {
  ASSERT_TRUE(m_dlg.Create(&m_pai));
  std::vector<std::string> mostrados;
  std::vector<int> anteriores;
  for (int i = 0; i < 10; ++i) {
    anteriores.push_back(m_dlg.StepIt());
    mostrados.push_back(Percentual());
  }
  EXPECT_EQ(mostrados,
            (std::vector<std::string>{"10%", "20%", "30%", "40%", "50%", "60%", "70%", "80%", "90%", "100%"}));
  EXPECT_EQ(anteriores, (std::vector<int>{0, 10, 20, 30, 40, 50, 60, 70, 80, 90}));
  EXPECT_EQ(DaBarra(m_dlg, PBM_GETPOS), 100);
}

TEST_F(CCMProgressoDlgTest, PercentualDaVoltaEAvancos) {
  struct TCaso {
    const char* szCaso;
    int nInferior, nSuperior;
    int nPos;    // SetPos
    int nDelta;  // depois, OffsetPos (0: nenhum)
    const char* szPercentual;
  };
  const TCaso kCasos[] = {
      {"metade da faixa 0..50", 0, 50, 25, 0, "50%"},        {"150% dá a volta para 50%", 0, 50, 75, 0, "50%"},
      {"200% dá a volta para 0%", 0, 50, 100, 0, "0%"},      {"abaixo da faixa fica negativo", 10, 60, 0, 0, "-20%"},
      {"OffsetPos soma ao anterior", 0, 200, 50, 30, "40%"}, {"faixa vazia mostra 0%", 5, 5, 5, 0, "0%"},
  };
  for (const TCaso& c : kCasos) {
    SCOPED_TRACE(c.szCaso);
    CCMProgressoDlg dlg;
    ASSERT_TRUE(dlg.Create(&m_pai));
    dlg.SetRange(c.nInferior, c.nSuperior);
    dlg.SetPos(c.nPos);
    if (c.nDelta != 0) {
      EXPECT_EQ(dlg.OffsetPos(c.nDelta), std::clamp(c.nPos, c.nInferior, c.nSuperior));
    }
    CString s;
    dlg.GetDlgItemText(CCMProgressoDlg::IDC_PERCENTUAL, s);
    EXPECT_EQ(s, c.szPercentual);
  }
}

TEST_F(CCMProgressoDlgTest, MesmoPercentualNaoRegravaEFaixaSoMudaNoProximoAvanco) {
  ASSERT_TRUE(m_dlg.Create(&m_pai));
  CContaTexto conta;
  ASSERT_TRUE(conta.SubclassDlgItem(CCMProgressoDlg::IDC_PERCENTUAL, &m_dlg));
  m_dlg.SetPos(30);
  m_dlg.SetPos(30);
  m_dlg.SetPos(30);
  EXPECT_EQ(conta.m_nGravacoes, 1);
  m_dlg.SetRange(0, 60);
  EXPECT_EQ(Percentual(), "30%") << "SetRange sozinho não refaz o percentual";
  m_dlg.SetPos(30);
  EXPECT_EQ(Percentual(), "50%");
  EXPECT_EQ(m_dlg.SetStep(20), 10);
  EXPECT_EQ(m_dlg.StepIt(), 30);
  EXPECT_EQ(Percentual(), "83%");
  conta.UnsubclassWindow();
}

TEST_F(CCMProgressoDlgTest, OutrasJanelasSaoAtendidasDentroDosAvancos) {
  ASSERT_TRUE(m_dlg.Create(&m_pai));
  CJanelaOcupada outra;
  PostMessage(outra.m_hWnd, WM_TRABALHO, 1, 0);
  m_dlg.SetPos(10);
  PostMessage(outra.m_hWnd, WM_TRABALHO, 2, 0);
  PostMessage(outra.m_hWnd, WM_TRABALHO, 3, 0);
  m_dlg.OffsetPos(5);
  EXPECT_EQ(outra.m_tratadas, (std::vector<int>{1, 2, 3}));
  PostMessage(outra.m_hWnd, WM_TRABALHO, 4, 0);
  m_dlg.StepIt();
  EXPECT_EQ(outra.m_tratadas.size(), 4u);
  m_dlg.SetStatus("Lendo a nota 4");
  CString s;
  m_dlg.GetDlgItemText(CCMProgressoDlg::IDC_SITUACAO, s);
  EXPECT_EQ(s, "Lendo a nota 4");
}

TEST_F(CCMProgressoDlgTest, EnterEEscapeNaoFecham) {
  ASSERT_TRUE(m_dlg.Create(&m_pai));
  m_dlg.ShowWindow(SW_SHOW);
  ::SetFocus(m_dlg.m_hWnd);
  InputKey(VK_RETURN);
  InputKey(VK_ESCAPE);
  m_dlg.StepIt();  // os avanços atendem a fila
  EXPECT_TRUE(::IsWindow(m_dlg.m_hWnd));
  EXPECT_EQ(Percentual(), "10%");
}

TEST_F(CCMProgressoDlgTest, DonoDesabilitadoEnquantoExisteEDevolvidoUmaVez) {
  struct TCaso {
    const char* szCaso;
    bool bDonoJaDesabilitado;
    bool bDestroiPeloPrograma;  // DestroyWindow; senão, o destrutor
  };
  const TCaso kCasos[] = {
      {"DestroyWindow devolve o dono", false, true},
      {"o destrutor devolve o dono", false, false},
      {"dono que já estava desabilitado continua", true, true},
  };
  for (const TCaso& c : kCasos) {
    SCOPED_TRACE(c.szCaso);
    CPaiGravador dono;
    CWnd filho;
    filho.CreateEx(0, nullptr, "", WS_CHILD | WS_VISIBLE, CRect(0, 0, 10, 10), &dono, 77);
    if (c.bDonoJaDesabilitado) dono.EnableWindow(FALSE);
    {
      CCMProgressoDlg dlg;
      ASSERT_TRUE(dlg.Create(&filho));
      EXPECT_FALSE(dono.IsWindowEnabled()) << "o dono é a janela de topo do pai";
      if (c.bDestroiPeloPrograma) {
        dlg.DestroyWindow();
        EXPECT_EQ(dlg.m_hWnd, nullptr);
      }
    }
    EXPECT_EQ(dono.IsWindowEnabled() != FALSE, !c.bDonoJaDesabilitado);
    dono.EnableWindow(TRUE);
  }
}

TEST_F(CCMProgressoDlgTest, CriadaComORecursoDoModulo) {
  HINSTANCE hOutro = AfxRegisterModule("tela.dll");
  AfxSetResourceHandle(hOutro);
  ASSERT_TRUE(m_dlg.Create(&m_pai));
  EXPECT_EQ(AfxGetResourceHandle(), hOutro);
  AfxSetResourceHandle(AfxGetInstanceHandle());
}
