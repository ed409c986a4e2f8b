// A liberação da ordem de compra acima do orçamento: as regras da ordem conferem as
// parcelas das ordens de amostra com o orçamento da empresa e perguntam pelo tratador
// da camada de janelas, que mostra as linhas excedidas no diálogo de mensagem com
// grade; a resposta da pessoa decide se a ordem fica liberada.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "empresa_teste.h"
#include "excecoes_teste.h"
#include "instalacao_teste.h"
#include "janelas_teste.h"
#include "vrmwnd/business/CTrataDadosWnd.h"
#include "vrmwnd/dialogs/CDlgMsgCm.h"
#include "vrmwnd/suite/ganchos_teste.h"
#include "vrmwnd/suite/servidor/resultados.h"

namespace {

constexpr char kTitulo[] = "Tarvo Compras - Ordem de Compras";

// O que a pessoa viu no diálogo: textos, cabeçalhos com largura e alinhamento, células.
struct TVisto {
  std::string strMensagem, strPergunta;
  std::vector<std::string> cabecalhos;  // "título largura alinhamento"
  std::vector<std::vector<std::string>> linhas;
  WORD nIcone = 0;
};

void Observa(HWND h, TVisto& visto) {
  CString s;
  CWnd::FromHandle(GetDlgItem(h, CDlgMsgCm::IDC_MENSAGEM))->GetWindowText(s);
  visto.strMensagem = s.GetString();
  CWnd::FromHandle(GetDlgItem(h, CDlgMsgCm::IDC_PERGUNTA))->GetWindowText(s);
  visto.strPergunta = s.GetString();
  visto.nIcone =
      GetSystemIconId(reinterpret_cast<HICON>(SendMessage(GetDlgItem(h, CDlgMsgCm::IDC_ICONE), STM_GETICON, 0, 0)));
  auto* pGrade = dynamic_cast<CGXGridCore*>(CWnd::FromHandlePermanent(GetDlgItem(h, CDlgMsgCm::IDC_GRADE)));
  ASSERT_NE(pGrade, nullptr);
  for (ROWCOL c = 1; c <= pGrade->GetColCount(); ++c) {
    CGXStyle estilo;
    pGrade->ComposeStyleRowCol(1, c, &estilo);
    visto.cabecalhos.push_back(std::string(pGrade->GetValueRowCol(0, c).GetString()) + " " +
                               std::to_string(pGrade->GetColWidth(c)) + " " +
                               std::to_string(estilo.GetHorizontalAlignment()));
  }
  for (ROWCOL r = 1; r <= pGrade->GetRowCount(); ++r) {
    visto.linhas.emplace_back();
    for (ROWCOL c = 1; c <= pGrade->GetColCount(); ++c)
      visto.linhas.back().push_back(pGrade->GetValueRowCol(r, c).GetString());
  }
}

T_Lista<T_Lista<CString>> Tabela(const std::vector<std::vector<const char*>>& linhas) {
  T_Lista<T_Lista<CString>> tabela;
  for (const auto& linha : linhas) {
    T_Lista<CString> l;
    for (const char* sz : linha) l.Add(sz);
    tabela.Add(l);
  }
  return tabela;
}

class OrcamentoOCTest : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(CQZInicializador().Inicializa(m_empresa.Nome(), 4, 99), S_OK);
    m_tratador.SetProfiler(m_empresa.Nome(), 4, 99);
    ASSERT_EQ(m_tratador.OnInicializa(m_empresa.Nome()), S_OK);
  }
  void TearDown() override {
    m_tratador.OnFinaliza();
    vrmsuite::LimpaFalhasLeitura();
  }
  CInstalacaoTeste m_instalacao;
  CEmpresaTeste m_empresa;
  CUsuarioRoteirizado m_usuario;
  CTrataDadosOCWnd m_tratador{nullptr};
};

const std::vector<std::string> kTresColunas = {"Contábil 170 0", "Gerencial 140 0", "Valor Excedente 95 2"};

}  // namespace

TEST_F(OrcamentoOCTest, ColunasSeguemAsCelulasDasLinhasERespostaVolta) {
  struct TCaso {
    const char* szCaso;
    std::vector<std::vector<const char*>> linhas;
    int nBotao;
    std::vector<std::string> cabecalhos;
  };
  const TCaso kCasos[] = {
      {"3 células, Sim", {{"3.1", "G.01", "10,00"}, {"3.2", "G.02", "20,00"}}, IDYES, kTresColunas},
      {"3 células, Não", {{"3.1", "G.01", "10,00"}}, IDNO, kTresColunas},
      {"4 células: o período à frente",
       {{"01/12/2026 a 31/12/2026", "3.1", "G.01", "10,00"}},
       IDYES,
       {"Vencimento entre 110 0", "Contábil 170 0", "Gerencial 140 0", "Valor Excedente 95 2"}},
  };
  for (const TCaso& c : kCasos) {
    SCOPED_TRACE(c.szCaso);
    TVisto visto;
    m_usuario.QuandoAbrir(kTitulo).Confere([&](HWND h) { Observa(h, visto); }).Clica(c.nBotao);
    EXPECT_EQ(m_tratador.OnDoModalOrcamento("A ordem passa do orçamento.", Tabela(c.linhas)),
              static_cast<unsigned>(c.nBotao));
    EXPECT_EQ(visto.strMensagem, "A ordem passa do orçamento.");
    EXPECT_EQ(visto.strPergunta, "Deseja liberar?");
    EXPECT_EQ(visto.nIcone, 32514) << "IDI_QUESTION";
    EXPECT_EQ(visto.cabecalhos, c.cabecalhos);
    ASSERT_EQ(visto.linhas.size(), c.linhas.size());
    for (std::size_t i = 0; i < c.linhas.size(); ++i)
      EXPECT_EQ(visto.linhas[i], std::vector<std::string>(c.linhas[i].begin(), c.linhas[i].end()));
  }
}

TEST_F(OrcamentoOCTest, TabelaVaziaDevolve2SemJanela) {
  EXPECT_EQ(m_tratador.OnDoModalOrcamento("nada", T_Lista<T_Lista<CString>>()), 2u);
  EXPECT_TRUE(m_usuario.Abertos().empty());
}

TEST_F(OrcamentoOCTest, LinhaComCelulasAMaisLancaSemJanela) {
  const T_Lista<T_Lista<CString>> tabela = Tabela({{"a", "b", "c"}, {"a", "b", "c", "d", "e"}});
  EXPECT_TRUE(LancaArgumentoInvalido([&] { m_tratador.OnDoModalOrcamento("m", tabela); }));
  EXPECT_TRUE(m_usuario.Abertos().empty());
}

TEST_F(OrcamentoOCTest, RegrasDaOrdemPerguntamComAsLinhasExcedidas) {
  struct TCaso {
    const char* szCaso;
    ULONG lOrdem;
    int nBotao;  // 0: sem diálogo; IDCANCEL: a pessoa aperta Escape
    unsigned nResposta;
    bool bLiberada;
    std::vector<std::vector<std::string>> linhas;
  };
  const TCaso kCasos[] = {
      {"a ordem 2 passa em duas contas de dezembro; Não",
       2,
       IDNO,
       7,
       false,
       {{"3.1.02.001 - Serviços de terceiros", "G.02 - Administrativo", "1.500,00"},
        {"3.1.01.001 - Material de consumo", "G.01 - Produção", "2.000,00"}}},
      {"Escape fecha sem liberar, mesmo devolvendo 2",
       2,
       IDCANCEL,
       2,
       false,
       {{"3.1.02.001 - Serviços de terceiros", "G.02 - Administrativo", "1.500,00"},
        {"3.1.01.001 - Material de consumo", "G.01 - Produção", "2.000,00"}}},
      {"a ordem 3 passa em dezembro e em janeiro; Sim",
       3,
       IDYES,
       6,
       true,
       {{"01/12/2026 a 31/12/2026", "3.1.01.002 - Manutenção de máquinas", "G.01 - Produção", "1.000,00"},
        {"01/01/2027 a 31/01/2027", "3.1.01.002 - Manutenção de máquinas", "G.01 - Produção", "1.500,00"}}},
      {"a ordem 1 cabe no orçamento (depois das outras, que ela ocuparia)", 1, 0, 2, true, {}},
  };
  for (const TCaso& c : kCasos) {
    SCOPED_TRACE(c.szCaso);
    TVisto visto;
    if (c.nBotao) {
      auto& roteiro = m_usuario.QuandoAbrir(kTitulo).Confere([&](HWND h) { Observa(h, visto); });
      c.nBotao == IDCANCEL ? roteiro.Tecla(VK_ESCAPE) : roteiro.Clica(c.nBotao);
    }
    const std::size_t nAbertos = m_usuario.Abertos().size();
    TCMLiberacaoOC liberacao;
    EXPECT_EQ(m_tratador.LiberaOrdem(c.lOrdem, liberacao), S_OK);
    EXPECT_EQ(liberacao.nResposta, c.nResposta);
    EXPECT_EQ(liberacao.bLiberada, c.bLiberada);
    EXPECT_EQ(m_usuario.Abertos().size() - nAbertos, c.nBotao ? 1u : 0u);
    EXPECT_EQ(visto.linhas, c.linhas);
    if (c.nBotao) {
      EXPECT_EQ(visto.strMensagem,
                "A ordem de compra " + std::to_string(c.lOrdem) + " passa do orçamento de compras nas contas abaixo.");
    }
  }
}

TEST_F(OrcamentoOCTest, OrdemLiberadaOcupaOOrcamentoDasOutras) {
  T_Lista<T_Lista<CString>> antes, depois;
  ASSERT_EQ(m_tratador.ExcessosOrcamento(2, antes), S_OK);
  TCMLiberacaoOC liberacao;
  ASSERT_EQ(m_tratador.LiberaOrdem(1, liberacao), S_OK);
  ASSERT_TRUE(liberacao.bLiberada);
  ASSERT_EQ(m_tratador.ExcessosOrcamento(2, depois), S_OK);
  ASSERT_EQ(antes.GetSize(), 2);
  ASSERT_EQ(depois.GetSize(), 2);
  EXPECT_EQ(antes[1][2], "2.000,00");
  EXPECT_EQ(depois[1][2], "8.000,00") << "os 6.000,00 da ordem 1 agora ocupam o orçamento";
  T_Lista<T_Lista<CString>> propria;
  ASSERT_EQ(m_tratador.ExcessosOrcamento(1, propria), S_OK);
  EXPECT_EQ(propria.GetSize(), 0) << "a ordem não ocupa o orçamento contra si mesma";
}

TEST_F(OrcamentoOCTest, FalhasDasLeiturasVoltamSemPergunta) {
  struct TCaso {
    const char* szLeitura;
    ULONG lOrdem;
    HRESULT hr;
  };
  const TCaso kCasos[] = {
      {"LeCMParcelasOC", 2, E_FAIL},     {"LeCMOrcamento", 2, QZ_E_BANCO_DE_DADOS},
      {"GravaCMLiberacaoOC", 1, E_FAIL}, {nullptr, 99, QZ_E_REGISTRO_NAO_ENCONTRADO},
      {nullptr, 0, E_INVALIDARG},
  };
  for (const TCaso& c : kCasos) {
    SCOPED_TRACE(c.szLeitura ? c.szLeitura : "ordem " + std::to_string(c.lOrdem));
    if (c.szLeitura) vrmsuite::ProgramaFalhaLeitura(c.szLeitura, c.hr, 1);
    TCMLiberacaoOC liberacao;
    EXPECT_EQ(m_tratador.LiberaOrdem(c.lOrdem, liberacao), c.hr);
    EXPECT_TRUE(m_usuario.Abertos().empty());
    vrmsuite::LimpaFalhasLeitura();
  }
}

TEST_F(OrcamentoOCTest, MensagensSuprimidasNaoLiberamQuemPassa) {
  m_tratador.SetSuprimeMensagens(true);
  for (ULONG lOrdem : {2UL, 3UL}) {
    TCMLiberacaoOC liberacao;
    EXPECT_EQ(m_tratador.LiberaOrdem(lOrdem, liberacao), S_OK);
    EXPECT_FALSE(liberacao.bLiberada);
    EXPECT_GT(liberacao.linhas.GetSize(), 0);
  }
  EXPECT_TRUE(m_usuario.Abertos().empty());
}
