// O orçado e realizado agido por uma pessoa: a consulta mês a mês confere com somas
// feitas aqui sobre as linhas inseridas (rateio, ordens não liberadas e outras filiais
// incluídos), o "%" sem orçamento ou com orçamento 0, as conferências da consulta com
// a mensagem e o foco, o corte de 36 meses, "Limpar" sem bloqueio de orçamento, o
// filtro que volta na segunda abertura e a impressão.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "ambiente_teste.h"
#include "empresa_teste.h"
#include "instalacao_teste.h"
#include "janelas_teste.h"
#include "vrmwnd/dialogs/CDlgControleOrcamentario.h"
#include "vrmwnd/platform/afxapp.h"
#include "vrmwnd/platform/testing.h"
#include "vrmwnd/platform/winmenu.h"
#include "vrmwnd/suite/ganchos_teste.h"
#include "vrmwnd/suite/registros/TQZBase.h"
#include "vrmwnd/util/modulo.h"

namespace {

using D = CDlgControleOrcamentario;
constexpr char kTitulo[] = "Consulta de Valores Orçados e Realizados";

// O que a pessoa vê: as linhas da grade (cinco textos cada) e o estado dos controles.
struct TTela {
  std::vector<std::vector<std::string>> linhas;
  std::string strFilial, strClassificacao, strGerencial, strInicial, strFinal;
  bool bOrcamentarioHabilitado = false, bOrcamentario = false, bMensal = false, bFinalHabilitado = false;
  bool bGerencialHabilitado = false, bImprimirHabilitado = false;
  int nFoco = 0;
};

std::string Texto(HWND h, int nId) {
  CString s;
  CWnd::FromHandle(GetDlgItem(h, nId))->GetWindowText(s);
  return s.GetString();
}

void Observa(HWND h, TTela& tela) {
  tela = TTela{};
  auto* pGrade = dynamic_cast<CGXGridCore*>(CWnd::FromHandlePermanent(GetDlgItem(h, D::IDC_GRADE)));
  ASSERT_NE(pGrade, nullptr);
  for (ROWCOL r = 1; r <= pGrade->GetRowCount(); ++r) {
    tela.linhas.emplace_back();
    for (ROWCOL c = 1; c <= pGrade->GetColCount(); ++c)
      tela.linhas.back().push_back(pGrade->GetValueRowCol(r, c).GetString());
  }
  tela.strFilial = Texto(h, D::IDC_FILIAL);
  tela.strClassificacao = Texto(h, D::IDC_CLASSIFICACAO);
  tela.strGerencial = Texto(h, D::IDC_GERENCIAL);
  tela.strInicial = Texto(h, D::IDC_DATA_INICIAL);
  tela.strFinal = Texto(h, D::IDC_DATA_FINAL);
  tela.bOrcamentarioHabilitado = IsWindowEnabled(GetDlgItem(h, D::IDC_ORCAMENTARIO));
  tela.bOrcamentario = SendMessage(GetDlgItem(h, D::IDC_ORCAMENTARIO), BM_GETCHECK, 0, 0) == BST_CHECKED;
  tela.bMensal = SendMessage(GetDlgItem(h, D::IDC_MENSAL), BM_GETCHECK, 0, 0) == BST_CHECKED;
  tela.bFinalHabilitado = IsWindowEnabled(GetDlgItem(h, D::IDC_DATA_FINAL));
  tela.bGerencialHabilitado = IsWindowEnabled(GetDlgItem(h, D::IDC_GERENCIAL));
  tela.bImprimirHabilitado = IsWindowEnabled(GetDlgItem(h, D::IDC_IMPRIMIR));
  tela.nFoco = GetDlgCtrlID(GetFocus());
}

// Valor bruto (décimos de milésimo) em "1.234,56".
std::string Reais(long long llBruto) {
  const long long llCentavos = llBruto / 100;
  std::string strInteiro = std::to_string(llCentavos / 100);
  for (int i = static_cast<int>(strInteiro.size()) - 3; i > 0; i -= 3) strInteiro.insert(static_cast<size_t>(i), ".");
  char szCentavos[4];
  std::snprintf(szCentavos, sizeof szCentavos, "%02lld", llCentavos % 100);
  return strInteiro + "," + szCentavos;
}

class CDlgControleOrcamentarioTest : public testing::Test {
 protected:
  void SetUp() override { ASSERT_EQ(CQZInicializador().Inicializa(m_empresa.Nome(), 4, 99), S_OK); }

  // Abre o diálogo com o roteiro dado e o que a pessoa vê no fim dele; fecha com
  // "Cancelar".
  TTela Abre(const std::function<void(CRoteiro&)>& roteiro, D* pDlg = nullptr) {
    TTela tela;
    CRoteiro& r = m_usuario.QuandoAbrir(kTitulo);
    roteiro(r);
    r.Confere([&](HWND h) { Observa(h, tela); }).Clica(IDCANCEL);
    D dlg;
    D& d = pDlg ? *pDlg : dlg;
    EXPECT_EQ(d.DoModal(), IDCANCEL);
    return tela;
  }

  CRelogioFixo m_relogio{2026, 12, 5, 9, 0, 0, 0, 1000};
  CInstalacaoTeste m_instalacao;
  CEmpresaTeste m_empresa;
  CUsuarioRoteirizado m_usuario;
  CApresentadorTeste m_caixas;
};

// Material de consumo da filial e da conta gerencial dadas, mês a mês, de janeiro a
// dezembro do ano.
void FiltroMensal(CRoteiro& r, const char* szFilial, const char* szGerencial, const std::string& strAno) {
  r.Substitui(D::IDC_FILIAL, szFilial)
      .Substitui(D::IDC_CLASSIFICACAO, "3.1.01.001")
      .Substitui(D::IDC_GERENCIAL, szGerencial)
      .Clica(D::IDC_MENSAL)
      .Substitui(D::IDC_DATA_INICIAL, ("0101" + strAno).c_str())
      .Substitui(D::IDC_DATA_FINAL, ("3112" + strAno).c_str())
      .Clica(D::IDC_CONSULTAR);
}

void FiltroDe2018(CRoteiro& r) { FiltroMensal(r, "1", "G.01", "2018"); }

}  // namespace

// Um ano inserido aqui para Manaus: orçamento de alguns meses, ordens liberadas com e
// sem rateio, uma não liberada e uma de outra filial, que não contam.
TEST_F(CDlgControleOrcamentarioTest, ConsultaMensalBateComAsSomasDasLinhasInseridas) {
  struct TOrcamento {
    int nMes;
    long long llValor;
  };
  struct TParte {
    int nOrdem, nParcela, nMes, nDia;
    long long llValor;
    long lContabil, lGerencial;
    bool bLiberada;
    int nFilial;
    std::vector<std::pair<long, long long>> rateio;  // gerencial e valor (contábil 5001)
  };
  const TOrcamento kOrcamento[] = {{1, 12'000'000}, {2, 0}, {4, 55'555'500}, {5, 10'000}, {9, 99'990'000}};
  const TParte kPartes[] = {
      {501, 1, 1, 10, 5'000'000, 5001, 6002, true, 3, {}},
      {501, 2, 2, 10, 7'123'400, 5001, 6002, true, 3, {}},
      {502, 1, 4, 30, 90'000'000, 5001, 6001, true, 3, {{6002, 33'333'300}, {6001, 56'666'700}}},
      {503, 1, 5, 31, 1'000'000, 5001, 6002, false, 3, {}},
      {504, 1, 5, 1, 2'500'000, 5001, 6002, true, 2, {}},
      {505, 1, 7, 15, 4'444'400, 5001, 6002, true, 3, {}},
      {505, 2, 12, 31, 1'100, 5001, 6002, true, 3, {}},
  };
  std::string strSql;
  for (const TOrcamento& o : kOrcamento) {
    char sz[200];
    std::snprintf(sz, sizeof sz, "INSERT INTO orcamento VALUES (5001, 6002, '2019-%02d-01', '2019-%02d-28', %lld, 3);",
                  o.nMes, o.nMes, o.llValor);
    strSql += sz;
  }
  std::map<int, long long> orcado, realizado;
  for (const TOrcamento& o : kOrcamento) orcado[o.nMes] += o.llValor;
  for (const TParte& p : kPartes) {
    char sz[300];
    std::snprintf(sz, sizeof sz,
                  "INSERT OR IGNORE INTO ordem_compra VALUES (%d, 2001, '2019-01-01', %d, %d);"
                  "INSERT INTO oc_parcela VALUES (%d, %d, '2019-%02d-%02d', %lld, %ld, %ld);",
                  p.nOrdem, p.bLiberada ? 1 : 0, p.nFilial, p.nOrdem, p.nParcela, p.nMes, p.nDia, p.llValor,
                  p.lContabil, p.lGerencial);
    strSql += sz;
    for (const auto& [lGerencial, llValor] : p.rateio) {
      std::snprintf(sz, sizeof sz, "INSERT INTO oc_rateio VALUES (%d, %d, 5001, %ld, %lld);", p.nOrdem, p.nParcela,
                    lGerencial, llValor);
      strSql += sz;
    }
    if (!p.bLiberada || p.nFilial != 3) continue;
    if (p.rateio.empty() && p.lGerencial == 6002) realizado[p.nMes] += p.llValor;
    for (const auto& [lGerencial, llValor] : p.rateio)
      if (lGerencial == 6002) realizado[p.nMes] += llValor;
  }
  m_empresa.Executa(strSql);

  const TTela tela = Abre([](CRoteiro& r) { FiltroMensal(r, "3", "G.02", "2019"); });
  ASSERT_EQ(tela.linhas.size(), 12u);
  for (int nMes = 1; nMes <= 12; ++nMes) {
    SCOPED_TRACE(testing::Message() << "mês " << nMes);
    const std::vector<std::string>& l = tela.linhas[static_cast<size_t>(nMes - 1)];
    char szInicio[16];
    std::snprintf(szInicio, sizeof szInicio, "01/%02d/2019", nMes);
    EXPECT_EQ(l[0], szInicio);
    EXPECT_EQ(l[2], Reais(orcado[nMes]));
    EXPECT_EQ(l[3], Reais(realizado[nMes]));
    const bool bSemPercentual = !orcado.count(nMes) || orcado[nMes] == 0;
    if (bSemPercentual) {
      EXPECT_EQ(l[4], "0,00");
    }
  }
  EXPECT_EQ(tela.linhas[3][4], "60,00") << "33.333,30 de 55.555,50";
  EXPECT_TRUE(tela.bImprimirHabilitado);
}

// A amostra: março sem orçamento e junho com orçamento 0 dão "0,00" em "%"; abril
// conta só a parte rateada à produção.
TEST_F(CDlgControleOrcamentarioTest, AmostraMostraPercentualZeroSemOrcamentoOuComOrcamentoZero) {
  const TTela tela = Abre(FiltroDe2018);
  ASSERT_EQ(tela.linhas.size(), 12u);
  const struct {
    int nMes;
    const char *szOrcado, *szRealizado, *szPercentual;
  } kMeses[] = {
      {1, "10.000,00", "4.000,00", "40,00"}, {3, "0,00", "4.000,00", "0,00"},   {4, "12.000,00", "6.000,00", "50,00"},
      {6, "0,00", "2.500,00", "0,00"},       {11, "20.000,00", "0,00", "0,00"},
  };
  for (const auto& m : kMeses) {
    SCOPED_TRACE(testing::Message() << "mês " << m.nMes);
    const auto& l = tela.linhas[static_cast<size_t>(m.nMes - 1)];
    EXPECT_EQ(l[2], m.szOrcado);
    EXPECT_EQ(l[3], m.szRealizado);
    EXPECT_EQ(l[4], m.szPercentual);
  }
}

TEST_F(CDlgControleOrcamentarioTest, ConsultaConfereOFiltroComMensagemEFoco) {
  struct TCaso {
    const char* szCaso;
    std::function<void(CRoteiro&)> roteiro;
    const char* szTexto;  // o texto da mensagem no arquivo de mensagens de Compras
    int nFoco;
  };
  const TCaso kCasos[] = {
      {"sem data inicial",
       [](CRoteiro& r) { r.Clica(D::IDC_LIMPAR).Substitui(D::IDC_DATA_INICIAL, "  ").Clica(D::IDC_CONSULTAR); },
       "Informe a data inicial.", D::IDC_DATA_INICIAL},
      {"final antes da inicial",
       [](CRoteiro& r) {
         r.Clica(D::IDC_MENSAL).Substitui(D::IDC_DATA_INICIAL, "01052018").Substitui(D::IDC_DATA_FINAL, "30042018");
         r.Clica(D::IDC_CONSULTAR);
       },
       "A data final não pode ser anterior à data inicial.", D::IDC_DATA_FINAL},
      {"sem classificação",
       [](CRoteiro& r) { r.Clica(D::IDC_MENSAL).Substitui(D::IDC_DATA_INICIAL, "01012018").Clica(D::IDC_CONSULTAR); },
       "Informe a classificação.", D::IDC_CLASSIFICACAO},
      {"classificação com rateio gerencial e sem gerencial",
       [](CRoteiro& r) {
         r.Substitui(D::IDC_CLASSIFICACAO, "3.1.01.001").Substitui(D::IDC_DATA_INICIAL, "01012018");
         r.Clica(D::IDC_CONSULTAR);
       },
       "Informe a conta gerencial.", D::IDC_GERENCIAL},
  };
  for (const TCaso& c : kCasos) {
    SCOPED_TRACE(c.szCaso);
    const std::size_t nAntes = m_caixas.Caixas().size();
    const TTela tela = Abre(c.roteiro);
    ASSERT_EQ(m_caixas.Caixas().size(), nAntes + 1);
    const TCaixaMostrada& caixa = m_caixas.Caixas().back();
    EXPECT_EQ(caixa.strTexto, c.szTexto);
    EXPECT_EQ(caixa.strTitulo, "Tarvo Compras");
    EXPECT_EQ(caixa.nEstilo & MB_ICONEXCLAMATION, static_cast<UINT>(MB_ICONEXCLAMATION));
    EXPECT_EQ(caixa.hDono, nullptr);
    EXPECT_EQ(tela.nFoco, c.nFoco);
    EXPECT_TRUE(tela.linhas.empty()) << "a grade fica como estava";
  }
}

// 48 meses: recusados na consulta (1636) e cortados a 36 pelo clique em "Mensal".
TEST_F(CDlgControleOrcamentarioTest, QuarentaEOitoMesesRecusadosNaConsultaECortadosPeloRadio) {
  TTela recusada;
  const TTela tela = Abre([&](CRoteiro& r) {
    r.Substitui(D::IDC_FILIAL, "1")
        .Substitui(D::IDC_CLASSIFICACAO, "3.1.01.001")
        .Substitui(D::IDC_GERENCIAL, "G.01")
        .Clica(D::IDC_MENSAL)
        .Substitui(D::IDC_DATA_INICIAL, "01012018")
        .Substitui(D::IDC_DATA_FINAL, "31012022")
        .Clica(D::IDC_CONSULTAR)
        .Confere([&](HWND h) { Observa(h, recusada); })
        .Clica(D::IDC_MENSAL)
        .Clica(D::IDC_CONSULTAR);
  });
  ASSERT_EQ(m_caixas.Caixas().size(), 1u);
  EXPECT_EQ(m_caixas.Caixas()[0].strTexto, "O período mensal não pode passar de 36 meses.");
  EXPECT_EQ(recusada.nFoco, D::IDC_DATA_FINAL);
  EXPECT_TRUE(recusada.linhas.empty());
  EXPECT_EQ(tela.strFinal, "31/01/2021") << "janeiro de 2018 mais 36 meses";
  EXPECT_EQ(tela.linhas.size(), 37u);
}

TEST_F(CDlgControleOrcamentarioTest, SemBloqueioOrcamentarioFicaDesabilitadoELimparVaiAoMesCorrente) {
  m_empresa.Executa(
      "UPDATE cm_mestre SET bBloquearOCSuperiorOrcadoValorParcela = 0, bBloquearOCSuperiorOrcadoValorTotal = 0;");
  const TTela tela = Abre([](CRoteiro& r) {
    r.Substitui(D::IDC_CLASSIFICACAO, "3.1.01.001").Substitui(D::IDC_DATA_INICIAL, "01012018").Clica(D::IDC_LIMPAR);
  });
  EXPECT_FALSE(tela.bOrcamentarioHabilitado);
  EXPECT_TRUE(tela.bMensal);
  EXPECT_TRUE(tela.bFinalHabilitado);
  EXPECT_EQ(tela.strInicial, "01/12/2026");
  EXPECT_EQ(tela.strFinal, "31/12/2026");
  EXPECT_EQ(tela.strClassificacao, "");
  EXPECT_FALSE(tela.bImprimirHabilitado);
}

// Com bloqueio, "Orçamentário" toma o período do orçamento (base agosto, 12 meses) e
// consulta um período só.
TEST_F(CDlgControleOrcamentarioTest, OrcamentarioConsultaOPeriodoDoOrcamento) {
  const TTela tela = Abre([](CRoteiro& r) {
    r.Substitui(D::IDC_FILIAL, "1")
        .Substitui(D::IDC_CLASSIFICACAO, "3.1.01.001")
        .Substitui(D::IDC_GERENCIAL, "G.01")
        .Substitui(D::IDC_DATA_INICIAL, "15032018")
        .Clica(D::IDC_ORCAMENTARIO)
        .Clica(D::IDC_CONSULTAR);
  });
  EXPECT_TRUE(tela.bOrcamentario);
  EXPECT_FALSE(tela.bFinalHabilitado);
  EXPECT_EQ(tela.strInicial, "01/08/2017");
  EXPECT_EQ(tela.strFinal, "31/07/2018");
  ASSERT_EQ(tela.linhas.size(), 1u);
  // Agosto de 2017 a julho de 2018: orçado 10+10+12+12+0+15 mil; realizado 4+4+4+6+2,5 mil.
  EXPECT_EQ(tela.linhas[0], (std::vector<std::string>{"01/08/2017", "31/07/2018", "59.000,00", "20.500,00", "34,74"}));
}

TEST_F(CDlgControleOrcamentarioTest, SegundaAberturaRestauraOsCincoAjustesEConsultaJa) {
  D primeiro;
  Abre(
      [](CRoteiro& r) {
        FiltroDe2018(r);
        r.ClicaDireito(D::IDC_GRADE).EscolheMenu("Totalizar");
      },
      &primeiro);
  const CString strSecao = D::SecaoPerfil(m_empresa.Nome());
  EXPECT_EQ(AfxGetApp()->GetProfileInt(strSecao, "OR_Classificacao", -1), 5001u);
  EXPECT_EQ(AfxGetApp()->GetProfileInt(strSecao, "OR_Totalizar", -1), 1u);

  D segundo;
  const TTela tela = Abre([](CRoteiro&) {}, &segundo);
  EXPECT_EQ(tela.strFilial, "1");
  EXPECT_EQ(tela.strClassificacao, "3.1.01.001");
  EXPECT_EQ(tela.strGerencial, "G.01");
  EXPECT_EQ(tela.strInicial, "01/08/2017") << "janeiro de 2018 no período do orçamento";
  EXPECT_TRUE(segundo.GetTotalizar());
  ASSERT_EQ(tela.linhas.size(), 2u) << "a linha de totais e o período consultado na abertura";
  EXPECT_EQ(tela.linhas[1][2], "59.000,00");
}

// A consulta e a impressão mostram a ampulheta enquanto trabalham e devolvem a seta;
// uma consulta recusada não a mostra.
TEST_F(CDlgControleOrcamentarioTest, ConsultaEImpressaoComAAmpulheta) {
  const HCURSOR hSeta = LoadCursor(nullptr, IDC_ARROW), hEspera = LoadCursor(nullptr, IDC_WAIT);
  std::vector<std::vector<HCURSOR>> cursores(3);
  auto Grava = [&](std::vector<HCURSOR>* pCursores) {
    return [pCursores](HWND) { RecordCursorsForTesting(pCursores); };
  };
  Abre([&](CRoteiro& r) {
    r.Confere(Grava(&cursores[0])).Clica(D::IDC_LIMPAR).Substitui(D::IDC_DATA_INICIAL, "  ").Clica(D::IDC_CONSULTAR);
    FiltroDe2018(r.Confere(Grava(&cursores[1])));
    r.Confere(Grava(&cursores[2])).Clica(D::IDC_IMPRIMIR).Confere(Grava(nullptr));
  });
  RecordCursorsForTesting(nullptr);
  EXPECT_TRUE(cursores[0].empty());
  for (std::size_t i : {1u, 2u}) EXPECT_EQ(cursores[i], (std::vector<HCURSOR>{hEspera, hSeta})) << i;
  EXPECT_EQ(GetCursor(), hSeta);
}

TEST_F(CDlgControleOrcamentarioTest, ImprimeOCabecalhoEAGrade) {
  D dlg;
  Abre(
      [](CRoteiro& r) {
        FiltroDe2018(r);
        r.Clica(D::IDC_IMPRIMIR);
      },
      &dlg);
  const std::string strImpresso = dlg.GetTextoImpresso().GetString();
  for (const char* sz :
       {kTitulo, "Classificação: 3.1.01.001 - Material de consumo", "Gerencial: G.01 - Produção", "10.000,00"})
    EXPECT_NE(strImpresso.find(sz), std::string::npos) << sz << " em\n" << strImpresso;
}

// Cada leitura do plano que falha na impressão deixa uma linha no log de erros com a
// sua expressão, e a impressão segue com o que foi lido.
TEST_F(CDlgControleOrcamentarioTest, LeituraDoPlanoQueFalhaNaImpressaoFicaNoLog) {
  const char* kExpressoes[] = {
      "GetUsaServidor()->LeDFPlano(m_ppIPlano, m_ClasEmpresarial.GetPonteiro(), &RegConta)",
      "GetUsaServidor()->LeDFPlano(m_ppIGerencial, m_Gerencial.GetPonteiro(), &RegConta, true)",
  };
  for (int nChamada = 1; nChamada <= 2; ++nChamada) {
    SCOPED_TRACE(testing::Message() << "leitura " << nChamada);
    const std::size_t nAntes = m_instalacao.LinhasDeErro().size();
    D dlg;
    Abre(
        [&](CRoteiro& r) {
          FiltroDe2018(r);
          r.Confere([&](HWND) {
             vrmsuite::ProgramaFalhaLeitura("LeDFPlano", E_FAIL, nChamada);
           }).Clica(D::IDC_IMPRIMIR);
        },
        &dlg);
    vrmsuite::LimpaFalhasLeitura();
    const std::vector<std::string> linhas = m_instalacao.LinhasDeErro();
    ASSERT_EQ(linhas.size(), nAntes + 1);
    EXPECT_NE(linhas.back().find(kExpressoes[nChamada - 1]), std::string::npos) << linhas.back();
    EXPECT_NE(linhas.back().find("\tCDlgControleOrcamentario::OnImprimir\t"), std::string::npos) << linhas.back();
    EXPECT_NE(linhas.back().find("\tDlgControleOrcamentario\t"), std::string::npos) << linhas.back();
    EXPECT_NE(dlg.GetTextoImpresso().Find("10.000,00"), -1) << "a grade é impressa mesmo assim";
  }
}

// Os itens do menu aberto, com "*" na frente dos marcados ("-" é o separador).
std::vector<std::string> ItensDoMenu(HWND hMenuAberto) {
  HMENU hMenu = reinterpret_cast<HMENU>(SendMessage(hMenuAberto, MN_GETHMENU, 0, 0));
  std::vector<std::string> itens;
  for (int i = 0; i < GetMenuItemCount(hMenu); ++i) {
    char sz[64] = "";
    GetMenuStringA(hMenu, static_cast<UINT>(i), sz, sizeof sz, MF_BYPOSITION);
    const UINT nEstado = GetMenuState(hMenu, static_cast<UINT>(i), MF_BYPOSITION);
    itens.push_back((nEstado & MF_SEPARATOR) ? "-" : std::string((nEstado & MF_CHECKED) ? "*" : "") + sz);
  }
  return itens;
}

// O menu de contexto da grade, pela pessoa: "Totalizar" liga e desliga os totais com
// a marca seguindo; "Configurar Lista..." esconde uma coluna por vez e "Exibir Tudo"
// mostra todas, com as marcas das colunas visíveis.
TEST_F(CDlgControleOrcamentarioTest, MenuDaGradeTotalizaEConfiguraAsColunas) {
  std::vector<std::vector<std::string>> menus, cabecalhos;
  std::vector<std::size_t> linhas;
  auto Menu = [&](HWND h) { menus.push_back(ItensDoMenu(h)); };
  auto Grade = [&](HWND h) {
    auto* pGrade = dynamic_cast<CGXGridCore*>(CWnd::FromHandlePermanent(GetDlgItem(h, D::IDC_GRADE)));
    cabecalhos.emplace_back();
    for (ROWCOL c = 1; c <= pGrade->GetColCount(); ++c)
      if (!pGrade->IsColHidden(c)) cabecalhos.back().push_back(pGrade->GetValueRowCol(0, c).GetString());
    linhas.push_back(pGrade->GetRowCount());
  };
  D dlg;
  Abre(
      [&](CRoteiro& r) {
        FiltroDe2018(r);
        r.Confere(Grade).ClicaDireito(D::IDC_GRADE).Confere(Menu).EscolheMenu("Totalizar").Confere(Grade);
        r.ClicaDireito(D::IDC_GRADE).Confere(Menu).EscolheMenu("Configurar Lista...").Confere(Menu);
        r.EscolheMenu("Realizado").Confere(Grade);
        r.ClicaDireito(D::IDC_GRADE).EscolheMenu("Configurar Lista...").Confere(Menu).EscolheMenu("Data Final");
        r.Confere(Grade).ClicaDireito(D::IDC_GRADE).EscolheMenu("Configurar Lista...").EscolheMenu("Exibir Tudo");
        r.Confere(Grade).ClicaDireito(D::IDC_GRADE).Confere(Menu).EscolheMenu("Totalizar").Confere(Grade);
      },
      &dlg);
  const std::vector<std::string> kTodas = {"Data Inicial", "Data Final", "Orçado", "Realizado", "%"};
  const std::vector<std::vector<std::string>> kMenus = {
      {"Totalizar", "Configurar Lista..."},
      {"*Totalizar", "Configurar Lista..."},
      {"*Data Inicial", "*Data Final", "*Orçado", "*Realizado", "*%", "-", "Exibir Tudo"},
      {"*Data Inicial", "*Data Final", "*Orçado", "Realizado", "*%", "-", "Exibir Tudo"},
      {"*Totalizar", "Configurar Lista..."},
  };
  EXPECT_EQ(menus, kMenus);
  const std::vector<std::vector<std::string>> kCabecalhos = {
      kTodas, kTodas, {"Data Inicial", "Data Final", "Orçado", "%"}, {"Data Inicial", "Orçado", "%"}, kTodas, kTodas};
  EXPECT_EQ(cabecalhos, kCabecalhos);
  const std::size_t nMeses = linhas.front();
  EXPECT_EQ(linhas, (std::vector<std::size_t>{nMeses, nMeses + 1, nMeses + 1, nMeses + 1, nMeses + 1, nMeses}))
      << "a linha de totais entra e sai com \"Totalizar\"";
  EXPECT_FALSE(dlg.GetTotalizar());
}

// Pelo teclado (Shift+F10 com o foco na grade) o menu abre do mesmo jeito e Escape
// fecha os dois níveis sem mudar nada.
TEST_F(CDlgControleOrcamentarioTest, MenuDaGradePeloTecladoEEscape) {
  std::vector<std::vector<std::string>> menus;
  D dlg;
  Abre(
      [&](CRoteiro& r) {
        r.Clica(D::IDC_GRADE).Tecla(VK_F10, {VK_LSHIFT}).Tecla(VK_DOWN).Tecla(VK_DOWN).Tecla(VK_RIGHT);
        r.Confere([&](HWND h) { menus.push_back(ItensDoMenu(h)); }).Tecla(VK_ESCAPE).Tecla(VK_ESCAPE);
      },
      &dlg);
  ASSERT_EQ(menus.size(), 1u);
  EXPECT_EQ(menus[0].back(), "Exibir Tudo");
  EXPECT_FALSE(dlg.GetTotalizar());
}

// Aberto, o diálogo mostra o ícone 13028 do módulo na barra de título e no Alt+Tab.
TEST_F(CDlgControleOrcamentarioTest, AbreComOIconeDoModulo) {
  HICON hGrande = nullptr, hPequeno = nullptr;
  Abre([&](CRoteiro& r) {
    r.Confere([&](HWND h) {
      hGrande = reinterpret_cast<HICON>(SendMessage(h, WM_GETICON, ICON_BIG, 0));
      hPequeno = reinterpret_cast<HICON>(SendMessage(h, WM_GETICON, ICON_SMALL, 0));
    });
  });
  const HICON hIcone = LoadIcon(vrmwnd::InstanciaModulo(), MAKEINTRESOURCE(D::IDI_ORCADO_REALIZADO));
  ASSERT_NE(hIcone, nullptr);
  EXPECT_EQ(hGrande, hIcone);
  EXPECT_EQ(hPequeno, hIcone);
}

// Aberto para um movimento selecionado: a filial, o mês de emissão e as contas vêm do
// chamador (não do filtro guardado) e a consulta roda na abertura.
TEST_F(CDlgControleOrcamentarioTest, MovimentoSelecionadoAbreComOsDadosDoChamadorEConsulta) {
  AfxGetApp()->WriteProfileInt(D::SecaoPerfil(m_empresa.Nome()), "OR_Classificacao", 4001);
  D dlg;
  dlg.SetMovimentoSelecionado(true);
  dlg.SetFilial(2);
  dlg.SetDataEmissao(QZMA(3, 2018));
  dlg.SetPonteiroClassificacao(5001);
  dlg.SetPonteiroGerencial(6002);
  const TTela tela = Abre([](CRoteiro&) {}, &dlg);
  EXPECT_EQ(tela.strFilial, "2");
  EXPECT_EQ(tela.strClassificacao, "3.1.01.001");
  EXPECT_EQ(tela.strGerencial, "G.02");
  // Curitiba, agosto de 2017 a julho de 2018: 7 meses de 3.000 orçados; a ordem 104
  // de julho (a parte da 102 rateada ao administrativo é da matriz).
  ASSERT_EQ(tela.linhas.size(), 1u);
  EXPECT_EQ(tela.linhas[0], (std::vector<std::string>{"01/08/2017", "31/07/2018", "21.000,00", "2.000,00", "9,52"}));
}
