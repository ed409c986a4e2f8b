// O diálogo "Cotação Web" e a pergunta do tratador da cotação, agidos por uma pessoa
// sobre a empresa de amostra: os modelos de cotação (extensão 7) da empresa, o modelo
// pré-escolhido, o Cancelar que não muda nada, e cada resposta da pergunta 1907 com a
// configuração do alerta mudada para chegar a cada passo — das regras da cotação, que
// perguntam ao incluir uma cotação, até o que elas recebem.
#include <gtest/gtest.h>

#include "empresa_teste.h"
#include "instalacao_teste.h"
#include "janelas_teste.h"
#include "modelo_teste.h"
#include "vrmwnd/base/QZException.h"
#include "vrmwnd/business/CTrataDadosWnd.h"
#include "vrmwnd/dialogs/CDlgCotacaoWeb.h"
#include "vrmwnd/suite/ganchos_teste.h"
#include "vrmwnd/suite/servidor/resultados.h"

namespace {

constexpr int IDC_MODELO = CDlgCotacaoWeb::IDC_MODELO;
constexpr char kPergunta[] = "Tarvo Compras";

class CotacaoWebTest : public testing::Test {
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
  // A configuração do alerta de inclusão de cotação (tipo 1).
  void Configura(const char* szModelo, const char* szCorpo, int bEscolhe) {
    m_empresa.Executa(std::string("UPDATE cm_cfg_alerta SET szModelo = '") + szModelo + "', szCorpoProprio = '" +
                      szCorpo + "', byUsuarioEscolheModelo = " + std::to_string(bEscolhe) + " WHERE lTipoAlerta = 1");
  }
  CInstalacaoTeste m_instalacao;
  CEmpresaTeste m_empresa;
  CPaiGravador m_pai;
  CUsuarioRoteirizado m_usuario;
  CTrataDadosCPWnd m_tratador{nullptr};
};

}  // namespace

TEST_F(CotacaoWebTest, JanelaSegueOModelo103EListaOsModelosDeCotacao) {
  std::vector<std::string> itens;
  m_usuario.QuandoAbrir("Cotação Web")
      .Confere([&](HWND h) {
        ConfereModelo(h, "Cotação Web", 246, 41,
                      {
                          {IDC_STATIC, "STATIC", {4, 10, 36, 18}, WS_VISIBLE | SS_LEFT, "Modelo:"},
                          {IDC_MODELO,
                           "COMBOBOX",
                           {38, 4, 242, 104},
                           WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST,
                           "Cotação de serviços"},
                          {IDOK, "BUTTON", {137, 23, 187, 37}, WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON, "OK"},
                          {IDCANCEL, "BUTTON", {192, 23, 242, 37}, WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, "Cancelar"},
                      });
        itens = ItensDoCombo(*static_cast<CComboBox*>(CWnd::FromHandle(GetDlgItem(h, IDC_MODELO))));
      })
      .Tecla(VK_ESCAPE);
  CDlgCotacaoWeb dlg(false, &m_pai);
  dlg.m_strModelo = "cotacao_servicos.html";
  EXPECT_EQ(dlg.DoModal(), IDCANCEL);
  EXPECT_EQ(itens, (std::vector<std::string>{"Cotação de serviços", "Cotação web", "Cotação web - urgente"}))
      << "só os modelos de extensão 7, por nome";
  EXPECT_EQ(dlg.m_strModelo, "cotacao_servicos.html") << "o Cancelar não muda o modelo";
}

TEST_F(CotacaoWebTest, EscolhaDoModelo) {
  struct TCaso {
    const char* szCaso;
    const char* szPreEscolhido;
    const char* szEscolhe;  // nullptr: a pessoa não mexe no combo
    bool bEnterComoTab;
    const char* szModelo;
  };
  const TCaso kCasos[] = {
      {"troca o modelo", "cotacao_web.html", "Cotação web - urgente", false, "cotacao_urgente.html"},
      {"fica com o pré-escolhido", "cotacao_web.html", nullptr, false, "cotacao_web.html"},
      {"sem pré-escolhido e sem escolha", "", nullptr, false, ""},
      {"modelo de outra extensão não vem escolhido", "autorizacao.html", nullptr, false, ""},
  };
  for (const TCaso& c : kCasos) {
    SCOPED_TRACE(c.szCaso);
    auto& roteiro = m_usuario.QuandoAbrir("Cotação Web");
    if (c.szEscolhe) roteiro.Escolhe(IDC_MODELO, c.szEscolhe);
    roteiro.Clica(IDOK);
    CDlgCotacaoWeb dlg(c.bEnterComoTab, &m_pai);
    dlg.m_strModelo = c.szPreEscolhido;
    EXPECT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(dlg.m_strModelo, c.szModelo);
  }
}

TEST_F(CotacaoWebTest, EnterComoTabPassaDoComboAoOkEOClica) {
  m_usuario.QuandoAbrir("Cotação Web").Tecla(VK_RETURN).Tecla(VK_RETURN);
  CDlgCotacaoWeb dlg(true, &m_pai);
  dlg.m_strModelo = "cotacao_urgente.html";
  EXPECT_EQ(dlg.DoModal(), IDOK);
  EXPECT_EQ(dlg.m_strModelo, "cotacao_urgente.html");
}

TEST_F(CotacaoWebTest, RespostasDaPerguntaDoEnvioPelasRegrasDaCotacao) {
  struct TCaso {
    const char* szCaso;
    int nResposta;  // à pergunta 1907
    const char *szModelo, *szCorpo;
    int bEscolhe;
    const char* szEscolhe;  // nullptr: sem o diálogo; "": cancela o diálogo
    bool bEnviar;
    const char* szModeloFinal;
  };
  const TCaso kCasos[] = {
      {"Não", IDNO, "cotacao_web.html", "", 1, nullptr, false, ""},
      {"corpo próprio dispensa o modelo e o diálogo", IDYES, "cotacao_web.html", "Segue a cotação.", 1, nullptr, true,
       ""},
      {"modelo configurado sem escolha", IDYES, "cotacao_web.html", "", 0, nullptr, true, "cotacao_web.html"},
      {"o usuário escolhe outro", IDYES, "cotacao_web.html", "", 1, "Cotação de serviços", true,
       "cotacao_servicos.html"},
      {"o usuário cancela o diálogo", IDYES, "cotacao_web.html", "", 1, "", false, "cotacao_web.html"},
  };
  for (const TCaso& c : kCasos) {
    SCOPED_TRACE(c.szCaso);
    Configura(c.szModelo, c.szCorpo, c.bEscolhe);
    CApresentadorTeste caixas(c.nResposta);
    if (c.szEscolhe && *c.szEscolhe) m_usuario.QuandoAbrir("Cotação Web").Escolhe(IDC_MODELO, c.szEscolhe).Clica(IDOK);
    if (c.szEscolhe && !*c.szEscolhe) m_usuario.QuandoAbrir("Cotação Web").Clica(IDCANCEL);
    const std::size_t nAbertosAntes = m_usuario.Abertos().size();
    if (c.nResposta == IDNO) vrmsuite::ProgramaFalhaLeitura("LeCMCfgEmail", E_FAIL, 0);  // não pode ser lida
    TCMEnvioCotacaoWeb envio;
    EXPECT_EQ(m_tratador.IncluiCotacao(77, envio), S_OK);
    vrmsuite::LimpaFalhasLeitura();
    EXPECT_EQ(envio.bEnviar, c.bEnviar);
    EXPECT_EQ(envio.strModelo, c.szModeloFinal);
    ASSERT_EQ(caixas.Caixas().size(), 1u);
    EXPECT_EQ(caixas.Caixas()[0].strTexto, "Deseja enviar a cotação pela web aos fornecedores?");
    EXPECT_EQ(caixas.Caixas()[0].nEstilo, static_cast<UINT>(MB_YESNO | MB_ICONQUESTION));
    EXPECT_EQ(m_usuario.Abertos().size() - nAbertosAntes, c.szEscolhe ? 1u : 0u) << "o diálogo só quando escolhe";
  }
}

TEST_F(CotacaoWebTest, LeituraDaConfiguracaoQueFalhaRegistraELanca) {
  struct TCaso {
    HRESULT hr;
  };
  const TCaso kCasos[] = {{static_cast<HRESULT>(0x8004A2F1)}, {1}};  // um código positivo também é falha
  for (const TCaso& c : kCasos) {
    SCOPED_TRACE(testing::Message() << "hr " << c.hr);
    CApresentadorTeste caixas(IDYES);
    const std::size_t nLinhasAntes = m_instalacao.LinhasDeErro().size();
    vrmsuite::ProgramaFalhaLeitura("LeCMCfgEmail", c.hr, 1);
    bool bEnviar = false;
    CString strModelo = "antes";
    try {
      m_tratador.OnDoModalCotacaoWeb(bEnviar, strModelo);
      ADD_FAILURE() << "não lançou";
    } catch (const CQZExceptionEx& e) {
      EXPECT_EQ(e.GetResultado(), c.hr);
      EXPECT_EQ(e.GetEmpresa(), CString(m_empresa.Nome()));
    }
    EXPECT_TRUE(bEnviar) << "o Sim já tinha sido dado";
    EXPECT_EQ(strModelo, "");
    const std::vector<std::string> linhas = m_instalacao.LinhasDeErro();
    ASSERT_EQ(linhas.size(), nLinhasAntes + 1);
    EXPECT_NE(linhas.back().find("CTrataDadosCPWnd::OnDoModalCotacaoWeb"), std::string::npos) << linhas.back();
    EXPECT_NE(linhas.back().find("LeCMCfgEmail(m_ppICMMestre, &rAlerta, CM_TIPOALERTAEMAIL_INCLUSAO_CP"),
              std::string::npos)
        << linhas.back();
  }
}

TEST_F(CotacaoWebTest, RegrasNaoPerguntamComNumeroZeroOuMensagensSuprimidas) {
  CApresentadorTeste caixas(IDYES);
  TCMEnvioCotacaoWeb envio;
  EXPECT_EQ(m_tratador.IncluiCotacao(0, envio), E_INVALIDARG);
  m_tratador.SetSuprimeMensagens(true);
  EXPECT_EQ(m_tratador.IncluiCotacao(5, envio), S_OK);
  EXPECT_FALSE(envio.bEnviar);
  EXPECT_TRUE(caixas.Caixas().empty());
}
