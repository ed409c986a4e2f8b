// A tela do rateio gerencial agida por uma pessoa sobre a empresa de amostra: a
// sugestão pelas relações da classificação (60/40 do material de consumo) e pelo plano
// sugerido, a inclusão que só aceita contas relacionadas e não repetidas, o OK que
// exige a soma da linha, a consulta que não muda nada e o item "NF:" mostrado.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ambiente_teste.h"
#include "empresa_teste.h"
#include "instalacao_teste.h"
#include "janelas_teste.h"
#include "vrmwnd/base/QZProfiler.h"
#include "vrmwnd/base/cy_operacoes.h"
#include "vrmwnd/platform/afxcmn.h"
#include "vrmwnd/suite/regras/CTrataTelaGerencial.h"

namespace {

constexpr char kTitulo[] = "Rateio Gerencial";
constexpr int IDC_TEXTO_ITEM = 1002, IDC_LISTA = 1007, IDC_CONTA = 1009, IDC_VALOR = 1011, IDC_INCLUIR = 1012,
              IDC_EXCLUIR = 1013, IDC_RESTANTE = 1016;

std::string Texto(HWND h, int nId) {
  CString s;
  CWnd::FromHandle(GetDlgItem(h, nId))->GetWindowText(s);
  return s.GetString();
}

// As linhas da lista: "conta = valor".
std::vector<std::string> Linhas(HWND h) {
  auto* pLista = static_cast<CListCtrl*>(CWnd::FromHandle(GetDlgItem(h, IDC_LISTA)));
  std::vector<std::string> v;
  for (int i = 0; i < pLista->GetItemCount(); ++i)
    v.push_back(std::string(pLista->GetItemText(i, 0).GetString()) + " = " + pLista->GetItemText(i, 1).GetString());
  return v;
}

// Troca o texto do campo como uma pessoa: clica, seleciona tudo e escreve.
CRoteiro& Substitui(CRoteiro& r, int nId, const char* szTexto) {
  return r.Clica(nId).Tecla(VK_HOME, {VK_SHIFT}).Escreve(szTexto);
}

std::vector<LONGLONG> Valores(const TQZGerencialComposto& c) {
  std::vector<LONGLONG> v;
  for (int i = 0; i < c.GetQuantidadeGerencial(); ++i) v.push_back(c.GetGerencial(i).GetValor().int64);
  return v;
}

class CTrataTelaGerencialTest : public testing::Test {
 protected:
  void SetUp() override {
    m_contexto.SetProfiler(m_empresa.Nome(), 4, 99);
    ASSERT_EQ(m_tela.Inicializa(&m_contexto), S_OK);
    m_parametros.strRotuloItemAdicional = "NF:";
    m_parametros.strTextoItemAdicional = "3310";
    m_parametros.lPlanoEmpresarial = 5001;  // material de consumo: produção 60%, administrativo 40%
    m_parametros.iFilial = 1;
    m_parametros.dmaData = QZDMA(25, 8, 2018);
    m_parametros.cyValor4 = CyDeBruto(150'0000);
  }
  void TearDown() override { m_tela.Finaliza(); }
  std::vector<std::string> Mensagens() const {
    std::vector<std::string> v;
    for (const TCaixaMostrada& c : m_caixas.Caixas()) v.push_back(c.strTexto);
    return v;
  }

  CInstalacaoTeste m_instalacao;
  CEmpresaTeste m_empresa;
  CApresentadorTeste m_caixas;
  CQZProfilerEmpresa m_contexto;
  CTrataTelaGerencial m_tela;
  TQZParametrosGerencial m_parametros;
  CUsuarioRoteirizado m_usuario;
};

}  // namespace

TEST_F(CTrataTelaGerencialTest, AbreComASugestaoDasRelacoes) {
  std::vector<std::string> linhas;
  std::string strNF, strRestante;
  m_usuario.QuandoAbrir(kTitulo)
      .Confere([&](HWND h) {
        linhas = Linhas(h);
        strNF = Texto(h, IDC_TEXTO_ITEM);
        strRestante = Texto(h, IDC_RESTANTE);
      })
      .Clica(IDOK);
  m_tela.SetParametrosDados(m_parametros, TQZGerencialComposto());
  ASSERT_EQ(m_tela.DoModal(), IDOK);
  EXPECT_EQ(linhas, (std::vector<std::string>{"G.01 - Produção = 90,00", "G.02 - Administrativo = 60,00"}));
  EXPECT_EQ(strNF, "3310");
  EXPECT_EQ(strRestante, "0,00");
  EXPECT_EQ(Valores(m_tela.GetDados()), (std::vector<LONGLONG>{90'0000, 60'0000}));
  EXPECT_EQ(m_tela.GetDados().GetValor().int64, 150'0000);
}

TEST_F(CTrataTelaGerencialTest, SugestaoPeloPlanoSugerido) {
  struct TCaso {
    const char* szCaso;
    long lClassificacao;
    unsigned long lSugerido;
    std::vector<LONGLONG> esperado;
  } const kCasos[] = {
      {"relações com partes valem mais que o sugerido", 5001, 6002, {90'0000, 60'0000}},
      {"manutenção em Manaus na expansão: 70/30", 5002, 6001, {105'0000, 45'0000}},
      {"relações sem partes: todo o valor no sugerido", 2251, 6003, {150'0000}},
      {"sugerido sem relação não entra", 2251, 6001, {}},
      {"conta sem relações", 2252, 6002, {}},
  };
  // O IRRF a recolher passa a se relacionar, sem partes sugeridas, com o administrativo
  // e o comercial.
  m_empresa.Executa(
      "INSERT INTO conta_relacao_gerencial (lContaEmpresarial, lContaGerencial, iFilial, iPercentualSugerido) "
      "VALUES (2251, 6002, 0, 0), (2251, 6003, 0, 0)");
  m_parametros.iFilial = 3;
  m_parametros.dmaData = QZDMA(1, 8, 2026);
  for (const TCaso& c : kCasos) {
    SCOPED_TRACE(c.szCaso);
    m_parametros.lPlanoEmpresarial = c.lClassificacao;
    m_parametros.lPlanoGerencialSugerido = c.lSugerido;
    m_tela.SetParametrosDados(m_parametros, TQZGerencialComposto());
    EXPECT_EQ(Valores(m_tela.Sugere()), c.esperado);
  }
}

TEST_F(CTrataTelaGerencialTest, InclusaoSoDeContaRelacionadaEOkComASomaDaLinha) {
  std::vector<std::string> linhas;
  CRoteiro& r = m_usuario.QuandoAbrir(kTitulo);
  r.Clica(IDC_LISTA).Tecla(VK_HOME).Clica(IDC_EXCLUIR).Clica(IDC_LISTA).Tecla(VK_HOME).Clica(IDC_EXCLUIR);
  Substitui(Substitui(r, IDC_CONTA, "G.03"), IDC_VALOR, "100").Clica(IDC_INCLUIR);  // comercial: sem relação
  Substitui(r, IDC_CONTA, "G.04").Clica(IDC_INCLUIR);                               // sintética
  Substitui(r, IDC_CONTA, "G.01").Clica(IDC_INCLUIR);                               // os 100 ainda no campo
  Substitui(Substitui(r, IDC_CONTA, "G.01"), IDC_VALOR, "5").Clica(IDC_INCLUIR);    // repetida
  r.Clica(IDOK);                                                                    // 100,00 de 150,00
  Substitui(Substitui(r, IDC_CONTA, "G.02"), IDC_VALOR, "50").Clica(IDC_INCLUIR);
  r.Confere([&](HWND h) { linhas = Linhas(h); }).Clica(IDOK);
  m_tela.SetParametrosDados(m_parametros, TQZGerencialComposto());
  ASSERT_EQ(m_tela.DoModal(), IDOK);
  EXPECT_EQ(Mensagens(), (std::vector<std::string>{
                             "A conta gerencial G.03 não se relaciona com a classificação 3.1.01.001 - Material de "
                             "consumo.",
                             "A conta gerencial G.04 não existe ou não é analítica.",
                             "Esta conta gerencial já está na lista.",
                             "As contas gerenciais somam 100,00 e a linha vale 150,00.",
                         }));
  EXPECT_EQ(linhas, (std::vector<std::string>{"G.01 - Produção = 100,00", "G.02 - Administrativo = 50,00"}));
  EXPECT_EQ(Valores(m_tela.GetDados()), (std::vector<LONGLONG>{100'0000, 50'0000}));
}

TEST_F(CTrataTelaGerencialTest, ConsultaECancelarNaoMudamOComposto) {
  TQZGerencialComposto composto;
  TQZGerencial g;
  g.SetPonteiroPlanoGerencial(6001);
  g.SetValor(CyDeBruto(150'0000));
  composto.AdicionaGerencial(g);
  for (bool bConsulta : {true, false}) {
    SCOPED_TRACE(bConsulta ? "consulta" : "cancelar");
    bool bContaHabilitada = true;
    CRoteiro& r = m_usuario.QuandoAbrir(kTitulo).Confere(
        [&](HWND h) { bContaHabilitada = IsWindowEnabled(GetDlgItem(h, IDC_CONTA)) != FALSE; });
    r.Clica(bConsulta ? IDOK : IDCANCEL);
    m_parametros.bConsulta = bConsulta;
    m_tela.SetParametrosDados(m_parametros, composto);
    EXPECT_EQ(m_tela.DoModal(), IDCANCEL);
    EXPECT_EQ(bContaHabilitada, !bConsulta);
    EXPECT_EQ(m_tela.GetDados(), composto);
  }
}
