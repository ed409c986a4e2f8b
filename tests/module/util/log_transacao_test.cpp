// O log de transações de um documento como relatório, com a pessoa roteirizada: a
// saída escolhida no "Modelador de Relatórios" abre o visualizador com as entradas do
// documento; cancelar não faz nada; documento sem log mostra a mensagem 1160; cada
// passo que falha (criação, abertura, busca, chaves, geração) mostra a caixa de erro
// com o seu local e a operação segue.
#include <gtest/gtest.h>

#include <functional>

#include "empresa_teste.h"
#include "instalacao_teste.h"
#include "janelas_teste.h"
#include "vrmwnd/base/CQZComPtr.h"
#include "vrmwnd/base/CQZQuemGerou.h"
#include "vrmwnd/base/QZInstalacao.h"
#include "vrmwnd/platform/registry.h"
#include "vrmwnd/suite/ganchos_teste.h"
#include "vrmwnd/suite/relatorios/CChamaVisualizadorRel.h"
#include "vrmwnd/suite/servidor/IQZDF_Log.h"
#include "vrmwnd/suite/relatorios/relatorios.h"
#include "vrmwnd/suite/servidor/resultados.h"
#include "vrmwnd/util/CVRMWNDUtil.h"

namespace {

const REG_QZDMC kOrdem123 = CQZQuemGerou(123, 19, 0, 0).GetRegQuemGerou();
const REG_QZDMC kSolicitacao7 = CQZQuemGerou(7, 42, 0, 0).GetRegQuemGerou();

std::string TextoDoItem(HWND hDialogo, int nId) {
  char sz[8192] = "";
  GetDlgItemTextA(hDialogo, nId, sz, sizeof sz);
  return sz;
}

class LogTransacaoTest : public testing::Test {
 public:
  void SetUp() override { QZGravaRegistroTexto(HKEY_CURRENT_USER, QZ_CHAVE_FABRICANTE, "Usuario", "12"); }
  void TearDown() override {
    if (m_bTrocou) CoRegisterClassCreator(CLSID_QZDF_Log, m_criadorOriginal);
    vrmsuite::LimpaFalhasLeitura();
  }
  void TrocaCriador(ClassCreator criador) {
    m_criadorOriginal = CoRegisterClassCreator(CLSID_QZDF_Log, std::move(criador));
    m_bTrocou = true;
  }
  // A pessoa escolhe a saída no configurador e, se o visualizador abrir, lê o texto
  // e o fecha.
  void EscolheSaida(int nResposta, bool bVisualizador = true) { EscolheSaida(m_usuario, nResposta, bVisualizador); }
  void EscolheSaida(CUsuarioRoteirizado& usuario, int nResposta, bool bVisualizador) {
    usuario.QuandoAbrir("Modelador de Relatórios")
        .Confere([this](HWND h) { m_strPedido = TextoDoItem(h, QZ_IDC_DESCRICAO_RELATORIO); })
        .Clica(QZ_IDC_SAIDA_RELATORIO + nResposta);
    if (!bVisualizador) return;
    std::string strTitulo = std::string(CChamaVisualizadorRel::kTitulo) + " - " + QZNomeSaidaRelatorio(nResposta);
    m_strTituloVisualizador = strTitulo;
    usuario.QuandoAbrir(m_strTituloVisualizador.c_str())
        .Confere([this](HWND h) { m_strRelatorio = TextoDoItem(h, CChamaVisualizadorRel::IDC_TEXTO_RELATORIO); })
        .Clica(IDCANCEL);
  }
  bool AbriuVisualizador() const { return AbriuVisualizador(m_usuario); }
  static bool AbriuVisualizador(const CUsuarioRoteirizado& usuario) {
    for (const std::string& s : usuario.Abertos())
      if (s.starts_with(CChamaVisualizadorRel::kTitulo)) return true;
    return false;
  }
  // Os locais das caixas de erro mostradas, na ordem.
  static std::vector<std::string> Locais(const CApresentadorTeste& caixas) {
    std::vector<std::string> locais;
    for (const TCaixaMostrada& c : caixas.Caixas()) {
      if (c.strTitulo != "Erro") continue;
      const auto i = c.strTexto.find("Local: ");
      locais.push_back(i == std::string::npos ? "?" : c.strTexto.substr(i + 7, c.strTexto.find('\n', i) - i - 7));
    }
    return locais;
  }

  CInstalacaoTeste m_instalacao;
  CEmpresaTeste m_empresa;
  CApresentadorTeste m_caixas;
  CUsuarioRoteirizado m_usuario;
  ClassCreator m_criadorOriginal;
  bool m_bTrocou = false;
  std::string m_strPedido, m_strTituloVisualizador, m_strRelatorio;
};

}  // namespace

TEST_F(LogTransacaoTest, SaidaEscolhidaMostraAsEntradasDoDocumento) {
  EscolheSaida(5);
  CVRMWNDUtil::LogTransacao(kOrdem123, m_empresa.Nome(), "Ordem de compra 123", 3);

  EXPECT_EQ(m_strPedido, std::string("Transações (LOG) (DF LOG) - ") + m_empresa.Nome() + " - usuário 3");
  ASSERT_TRUE(AbriuVisualizador());
  EXPECT_EQ(m_usuario.Abertos().back(), "Visualizador de Relatórios - Impressora");
  const std::string strEsperado = std::string("Transações (LOG)\r\nEmpresa: ") + m_empresa.Nome() +
                                  "\r\nDocumento: " + CQZQuemGerou(kOrdem123).GetDescricaoCompleta().GetString() +
                                  "\r\nSaída: Impressora\r\nOrdem de compra 123\r\n\r\n"
                                  "Momento              Usu.  Operação      Descrição\r\n"
                                  "2024-03-04 09:15:00  U001  Inclusão      Ordem de compra incluída\r\n"
                                  "2024-03-05 14:02:10  U002  Alteração     Quantidade do item 1 de 10 para 12\r\n"
                                  "2024-03-07 17:45:30  U001  Liberação     Liberada acima do orçado\r\n";
  EXPECT_EQ(m_strRelatorio, strEsperado);
  EXPECT_TRUE(m_caixas.Caixas().empty());
}

TEST_F(LogTransacaoTest, SemUsuarioOPedidoLevaODoRegistroECancelarNaoFazNada) {
  m_usuario.QuandoAbrir("Modelador de Relatórios")
      .Confere([this](HWND h) { m_strPedido = TextoDoItem(h, QZ_IDC_DESCRICAO_RELATORIO); })
      .Clica(IDCANCEL);
  CVRMWNDUtil::LogTransacao(kOrdem123, m_empresa.Nome(), "", 0);
  EXPECT_TRUE(m_strPedido.ends_with(" - usuário 12")) << m_strPedido;
  EXPECT_EQ(m_usuario.Abertos(), std::vector<std::string>{"Modelador de Relatórios"});
  EXPECT_TRUE(m_caixas.Caixas().empty());
}

TEST_F(LogTransacaoTest, DocumentoSemLogMostraAMensagem1160) {
  EscolheSaida(4, false);
  CVRMWNDUtil::LogTransacao(kSolicitacao7, m_empresa.Nome(), "", 3);
  EXPECT_FALSE(AbriuVisualizador());
  ASSERT_EQ(m_caixas.Caixas().size(), 1u);
  EXPECT_EQ(m_caixas.Caixas()[0].strTexto, "Não há dados para mostrar no relatório.");
  EXPECT_EQ(m_caixas.Caixas()[0].strTitulo, "Tarvo Compras");
}

TEST_F(LogTransacaoTest, CadaPassoQueFalhaMostraOSeuLocalEAOperacaoSegue) {
  const struct {
    const char* szCaso;
    std::function<void(LogTransacaoTest&)> fPrepara;
    std::vector<std::string> locais;
    bool bVisualizador;
    const char* szNaCaixa;
  } kCasos[] = {
      {"classe não registrada",
       [](LogTransacaoTest& t) { t.TrocaCriador(nullptr); },
       {"460117/23"},
       false,
       "0X80040154 REGDB_E_CLASSNOTREG"},
      {"interface nula",
       [](LogTransacaoTest& t) {
         t.TrocaCriador([](REFIID, void** ppv) {
           *ppv = nullptr;
           return S_OK;
         });
       },
       {"460117/23"},
       false,
       "0X80FF0AF8 ER_QZDF_CO_CREATE_INSTANCE_INTERFACE_NULA"},
      {"abertura (sem conexão, busca, chaves e geração falham também)",
       [](LogTransacaoTest&) { vrmsuite::ProgramaFalhaLeitura("IQZDF_Log::Abre", QZ_E_FALHA_PROVOCADA, 1); },
       {"460125/23", "460150/23", "460133/23", "460141/23"},
       true,
       "DFSTST: Falha provocada para teste"},
      {"busca (nada a mostrar)",
       [](LogTransacaoTest&) { vrmsuite::ProgramaFalhaLeitura("IQZDF_Log::Busca", QZ_E_FALHA_PROVOCADA, 1); },
       {"460150/23"},
       false,
       "DFSTST: Falha provocada para teste"},
      {"chaves (a geração não acha a chave 0)",
       [](LogTransacaoTest&) { vrmsuite::ProgramaFalhaLeitura("IQZDF_Log::LeChaves", QZ_E_FALHA_PROVOCADA, 1); },
       {"460133/23", "460141/23"},
       true,
       "DFSTST: Falha provocada para teste"},
      {"geração (o relatório abre mesmo assim)",
       [](LogTransacaoTest&) { vrmsuite::ProgramaFalhaLeitura("IQZDF_Log::GeraRelatorio", QZ_E_FALHA_PROVOCADA, 1); },
       {"460141/23"},
       true,
       "DFSTST: Falha provocada para teste"},
  };
  for (const auto& c : kCasos) {
    SCOPED_TRACE(c.szCaso);
    CApresentadorTeste caixas;
    CUsuarioRoteirizado usuario;
    c.fPrepara(*this);
    EscolheSaida(usuario, 4, c.bVisualizador);
    CVRMWNDUtil::LogTransacao(kOrdem123, m_empresa.Nome(), "", 3);
    EXPECT_EQ(Locais(caixas), c.locais);
    EXPECT_EQ(AbriuVisualizador(usuario), c.bVisualizador);
    ASSERT_FALSE(caixas.Caixas().empty());
    const std::string& strPrimeira = caixas.Caixas()[0].strTexto;
    EXPECT_NE(strPrimeira.find(c.szNaCaixa), std::string::npos) << strPrimeira;
    EXPECT_NE(strPrimeira.find(std::string("Empresa: ") + m_empresa.Nome() + "\nFonte: VRMWNDUtil, linha "),
              std::string::npos)
        << strPrimeira;
    if (m_bTrocou) CoRegisterClassCreator(CLSID_QZDF_Log, m_criadorOriginal);
    m_bTrocou = false;
    vrmsuite::LimpaFalhasLeitura();
  }
}
