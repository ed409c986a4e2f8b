// Framework de grades da suíte: colunas descritas pela tela, configuração salva no
// perfil da aplicação e relida na próxima abertura, colunas escondidas pelo índice,
// o índice pelo título e a impressão com cabeçalho.
#include <gtest/gtest.h>

#include "ambiente_teste.h"
#include "janelas_teste.h"
#include "vrmwnd/platform/afxapp.h"
#include "vrmwnd/suite/grade/CQZBrowserWnd.h"

namespace {

class CGradeDuasColunas : public CQZBrowserWnd {
 public:
  CGradeDuasColunas() {
    SetQtdColunas(2);
    SetIdentificador("GradeTeste");
    SetSalvaConfiguracao(TRUE);
  }

 protected:
  void OnDescreveColuna(int nColuna, TQZColunaBrowse& coluna) override {
    coluna.m_strTitulo = nColuna == 0 ? "Código" : "Orçado";
    coluna.m_nLargura = nColuna == 0 ? 60 : 72;
    coluna.m_nAlinhamento = nColuna == 0 ? QZALINHA_ESQUERDA : QZALINHA_DIREITA;
    coluna.m_nOpcoes = nColuna == 0 ? QZCOL_TOTALIZAVEL : QZCOL_TOTALIZAVEL | QZCOL_NUMERICA;
  }
  BOOL OnLoadCellStyle(ROWCOL nRow, ROWCOL nCol, CGXStyle& style, LPCTSTR) override {
    static const char* const kValores[][2] = {{"B", "1,50"}, {"A", "10,00"}};
    const long lRegistro = GetRecordFromRow(nRow);
    if (lRegistro >= 0 && lRegistro < 2) style.SetValue(kValores[lRegistro][nCol - 1]);
    return TRUE;
  }
};

void Abre(CGradeDuasColunas& grade, CWnd& pai) {
  grade.Create(CGXBrowserWnd::kClassName, "", WS_VISIBLE, CRect(0, 0, 200, 100), &pai, 1);
  grade.Initialize();
  grade.SetRowCount(2);
}

}  // namespace

TEST(GradeSuiteTest, ConfiguracaoVoltaNaProximaAbertura) {
  CHomeTemporaria home;
  CPaiGravador pai;
  {
    CGradeDuasColunas grade;
    Abre(grade, pai);
    EXPECT_EQ(grade.GetIndiceColuna("Orçado"), 1);
    EXPECT_EQ(grade.GetIndiceColuna("Inexistente"), -1);
    EXPECT_TRUE(grade.ToggleColunaVisivel(0));
    EXPECT_FALSE(grade.ToggleColunaVisivel(2));
    grade.GetQZGrid()->OrdenaColuna(2, false);
    grade.DestroyWindow();
  }
  EXPECT_EQ(AfxGetApp()->GetProfileString("Grid GradeTeste", "Ocultas"), "0");
  CGradeDuasColunas grade;
  Abre(grade, pai);
  EXPECT_FALSE(grade.GetQZGrid()->GetColunaVisivel(0));
  EXPECT_TRUE(grade.GetQZGrid()->GetColunaVisivel(1));
  EXPECT_EQ(grade.GetQZGrid()->GetColunaOrdenada(), 2u);
  EXPECT_FALSE(grade.GetQZGrid()->GetOrdemAscendente());
}

TEST(GradeSuiteTest, ImprimeCabecalhoEColunasVisiveisComTotais) {
  CHomeTemporaria home;
  CPaiGravador pai;
  CGradeDuasColunas grade;
  grade.SetSalvaConfiguracao(FALSE);
  grade.SetMostraNumeroLinha(FALSE);
  Abre(grade, pai);
  grade.SetEnableTotalizacao(true);
  grade.SetRowCount(3);
  T_Lista<CString> cabecalho;
  cabecalho.Add("Consulta");
  EXPECT_EQ(grade.Imprimir(cabecalho),
            "Consulta\n"
            "\n"
            "   Código     Orçado\n"
            "To                   11,50\n"  // o título dos totais cortado na coluna estreita
            "   B                  1,50\n"
            "   A                 10,00\n");
  EXPECT_TRUE(AfxGetApp()->GetProfileString("Grid GradeTeste", "Larguras").IsEmpty()) << "sem a opção nada é salvo";
}
