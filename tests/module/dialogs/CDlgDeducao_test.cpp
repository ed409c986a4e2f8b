// O diálogo das deduções agido por uma pessoa: os textos de cada tipo de imposto, as
// três regras ao adicionar e ao alterar (um tipo uma vez, descrição ou tipo, soma
// abaixo da base) com a mensagem e o campo que recebe o foco, o percentual guardado
// negativo e mostrado em valor, a remoção da única dedução e o Enter como Tab.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ambiente_teste.h"
#include "instalacao_teste.h"
#include "janelas_teste.h"
#include "vrmwnd/base/cy_operacoes.h"
#include "vrmwnd/dialogs/CDlgDeducao.h"

namespace {

constexpr int IDC_TIPO = CDlgDeducao::IDC_TIPO;
constexpr int IDC_DESCRICAO = CDlgDeducao::IDC_DESCRICAO;
constexpr int IDC_VALOR = CDlgDeducao::IDC_VALOR;
constexpr int IDC_ADICIONAR = CDlgDeducao::IDC_ADICIONAR;
constexpr int IDC_ALTERAR = CDlgDeducao::IDC_ALTERAR;
constexpr int IDC_REMOVER = CDlgDeducao::IDC_REMOVER;

constexpr char kIRRF[] = "Deduções de Base de Cálculo IRRF";
constexpr char kINSS[] = "Deduções de Base de Cálculo INSS";

TCMImpostoDeducao Deducao(unsigned char nTipo, const char* szDescricao, LONGLONG llBruto) {
  TCMImpostoDeducao d;
  d.SetTipo(nTipo);
  d.SetDescricao(szDescricao);
  d.SetValorDeducao(CyDeBruto(llBruto));
  return d;
}

std::string Texto(HWND h) {
  CString s;
  CWnd::FromHandle(h)->GetWindowText(s);
  return s.GetString();
}

CQZBrowserWnd* Grade(HWND hDialogo) {
  return dynamic_cast<CQZBrowserWnd*>(CWnd::FromHandle(GetDlgItem(hDialogo, CDlgDeducao::IDC_GRADE)));
}

// A grade em texto: uma linha por registro, células separadas por "|".
std::vector<std::string> LinhasDaGrade(HWND hDialogo) {
  std::vector<std::string> linhas;
  CQZBrowserWnd* pGrade = Grade(hDialogo);
  for (ROWCOL r = 1; r <= pGrade->GetRowCount(); ++r) {
    std::string s;
    for (ROWCOL c = 1; c <= pGrade->GetColCount(); ++c)
      s += (c > 1 ? "|" : "") + std::string(pGrade->GetValueRowCol(r, c));
    linhas.push_back(s);
  }
  return linhas;
}

// Troca o texto do campo como uma pessoa: clica, seleciona tudo e escreve.
CRoteiro& Substitui(CRoteiro& r, int nId, const char* szTexto) {
  return r.Clica(nId).Tecla(VK_HOME, {VK_SHIFT}).Escreve(szTexto);
}

// Uma dedução digitada e adicionada; szTipo nulo não mexe no combo.
CRoteiro& Adiciona(CRoteiro& r, const char* szTipo, const char* szDescricao, const char* szValor) {
  if (szTipo != nullptr) r.Escolhe(IDC_TIPO, szTipo);
  Substitui(r, IDC_DESCRICAO, szDescricao);
  Substitui(r, IDC_VALOR, szValor);
  return r.Clica(IDC_ADICIONAR);
}

// Seleciona a linha n (1 = primeira) da grade pelo teclado.
CRoteiro& SelecionaLinha(CRoteiro& r, int n) {
  r.Clica(CDlgDeducao::IDC_GRADE).Tecla(VK_HOME);
  for (int i = 1; i < n; ++i) r.Tecla(VK_DOWN);
  return r;
}

class CDlgDeducaoTest : public testing::Test {
 protected:
  std::vector<std::string> Mensagens() const {
    std::vector<std::string> v;
    for (const TCaixaMostrada& c : m_caixas.Caixas()) v.push_back(c.strTexto);
    return v;
  }
  CInstalacaoTeste m_instalacao;
  CApresentadorTeste m_caixas;
  CPaiGravador m_pai;
  CUsuarioRoteirizado m_usuario;
};

}  // namespace

TEST_F(CDlgDeducaoTest, TextosDeCadaTipoDeImposto) {
  struct TCaso {
    unsigned char nTipo;
    const char *szTitulo, *szRotulo, *szGrade, *szColuna;
    bool bTipoHabilitado;
  } const kCasos[] = {
      {1, kIRRF, "Dedução BC IRRF:", "DlgDeducaoGridIRRF2", "Dedução BC IRRF", false},
      {5, "Deduções de Base de Cálculo ISS Retido", "Dedução BC ISS:", "DlgDeducaoGridISS2", "Dedução BC ISS", false},
      {6, kINSS, "Dedução BC INSS:", "DlgDeducaoGridINSS2", "Dedução BC INSS", true},
      {2, kIRRF, "Dedução BC IRRF:", "DlgDeducaoGrid2", "Valor da Dedução", false},
  };
  for (const TCaso& c : kCasos) {
    SCOPED_TRACE(testing::Message() << "imposto " << int{c.nTipo});
    std::string strRotulo, strGrade, strColuna;
    bool bTipoHabilitado = !c.bTipoHabilitado;
    int nFoco = 0;
    std::vector<std::string> cabecalhos;
    m_usuario.QuandoAbrir(c.szTitulo)
        .Confere([&](HWND h) {
          strRotulo = Texto(GetDlgItem(h, CDlgDeducao::IDC_ROTULO_VALOR));
          strGrade = Grade(h)->GetIdentificador().GetString();
          for (ROWCOL col = 1; col <= 3; ++col) cabecalhos.push_back(Grade(h)->GetValueRowCol(0, col).GetString());
          bTipoHabilitado = IsWindowEnabled(GetDlgItem(h, IDC_TIPO)) != FALSE;
          nFoco = GetDlgCtrlID(GetFocus());
        })
        .Tecla(VK_ESCAPE);
    CDlgDeducao dlg(&m_pai);
    EXPECT_EQ(dlg.DoModal(c.nTipo), IDCANCEL);
    EXPECT_EQ(strRotulo, c.szRotulo);
    EXPECT_EQ(strGrade, c.szGrade);
    EXPECT_EQ(cabecalhos, (std::vector<std::string>{"Tipo", "Descrição", c.szColuna}));
    EXPECT_EQ(bTipoHabilitado, c.bTipoHabilitado);
    EXPECT_EQ(nFoco, c.bTipoHabilitado ? IDC_TIPO : 0) << "o foco vai ao combo do tipo (desabilitado, fica sem foco)";
  }
}

TEST_F(CDlgDeducaoTest, RegrasAoAdicionar) {
  struct TCaso {
    const char* szCaso;
    unsigned char nImposto;
    std::vector<TCMImpostoDeducao> antes;
    const char *szTipo, *szDescricao, *szValor;
    const char* szMensagem;  // nulo: aceita
    int nFoco;               // o campo com o foco depois da recusa
  };
  const TCaso kCasos[] = {
      {"a base inteira não",
       1,
       {},
       nullptr,
       "Material",
       "1000",
       "O total das deduções deve ficar abaixo da base do imposto.",
       IDC_VALOR},
      {"um centavo abaixo da base", 1, {}, nullptr, "Material", "999,99", nullptr, 0},
      {"10% somam 100,00 à de 900,00",
       1,
       {Deducao(0, "Frete", 900'0000)},
       nullptr,
       "Parte",
       "10%",
       "O total das deduções deve ficar abaixo da base do imposto.",
       IDC_VALOR},
      {"10% ao lado de 899,99", 1, {Deducao(0, "Frete", 899'9900)}, nullptr, "Parte", "10%", nullptr, 0},
      {"sem tipo e sem descrição", 1, {}, nullptr, "", "10", "Informe a descrição da dedução.", IDC_DESCRICAO},
      {"valor zero", 1, {}, nullptr, "Material", "0", "Informe o valor da dedução.", IDC_VALOR},
      {"segundo Transporte Fornecido",
       6,
       {Deducao(3, "", 100'0000)},
       "Transporte Fornecido",
       "",
       "50",
       "Já existe uma dedução deste tipo na lista.",
       IDC_TIPO},
      {"o tipo repetido é visto antes da descrição",
       6,
       {Deducao(1, "", 10'0000)},
       "Material Utilizado",
       "",
       "0",
       "Já existe uma dedução deste tipo na lista.",
       IDC_TIPO},
      {"com tipo dispensa a descrição", 6, {Deducao(3, "", 100'0000)}, "Alimentação Fornecida", "", "50", nullptr, 0},
      {"duas sem tipo", 6, {Deducao(0, "Frete", 100'0000)}, nullptr, "Pedágio", "50", nullptr, 0},
  };
  for (const TCaso& c : kCasos) {
    SCOPED_TRACE(c.szCaso);
    const std::size_t nCaixasAntes = m_caixas.Caixas().size();
    int nFoco = -1;
    CRoteiro& r = m_usuario.QuandoAbrir(c.nImposto == 6 ? kINSS : kIRRF);
    Adiciona(r, c.szTipo, c.szDescricao, c.szValor).Confere([&](HWND) { nFoco = GetDlgCtrlID(GetFocus()); });
    r.Clica(IDOK);
    CDlgDeducao dlg(&m_pai);
    dlg.SetBCImposto(CyDeBruto(1000'0000));
    T_Lista<TCMImpostoDeducao> lista;
    for (const TCMImpostoDeducao& d : c.antes) lista.Add(d);
    dlg.SetDeducao(lista);
    EXPECT_EQ(dlg.DoModal(c.nImposto), IDOK);
    const INT_PTR nDepois = dlg.GetDeducao().GetSize();
    if (c.szMensagem == nullptr) {
      EXPECT_EQ(m_caixas.Caixas().size(), nCaixasAntes) << "aceita sem mensagem";
      EXPECT_EQ(nDepois, static_cast<INT_PTR>(c.antes.size()) + 1);
      EXPECT_EQ(nFoco, c.nImposto == 6 ? IDC_TIPO : IDC_ADICIONAR)
          << "depois de adicionar o foco vai ao tipo; desabilitado, fica no botão";
    } else {
      ASSERT_EQ(m_caixas.Caixas().size(), nCaixasAntes + 1);
      EXPECT_EQ(m_caixas.Caixas().back().strTexto, c.szMensagem);
      EXPECT_EQ(nDepois, static_cast<INT_PTR>(c.antes.size())) << "a lista não muda";
      EXPECT_EQ(nFoco, c.nFoco);
    }
  }
}

TEST_F(CDlgDeducaoTest, PercentualGuardadoNegativoEMostradoEmValor) {
  std::vector<std::string> grade;
  CRoteiro& r = m_usuario.QuandoAbrir(kIRRF);
  Adiciona(r, nullptr, "Materiais", "10%").Confere([&](HWND h) { grade = LinhasDaGrade(h); }).Clica(IDOK);
  CDlgDeducao dlg(&m_pai);
  dlg.SetBCImposto(CyDeBruto(1000'0000));
  ASSERT_EQ(dlg.DoModal(1), IDOK);
  ASSERT_EQ(dlg.GetDeducao().GetSize(), 1);
  EXPECT_EQ(dlg.GetDeducao()[0].GetValorDeducao().int64, -10'0000) << "10 % guardado como -10";
  EXPECT_EQ(grade, (std::vector<std::string>{"|Materiais|100,00"}));

  // Selecionada, a dedução volta aos campos como percentual; o "%" digitado de novo
  // a torna valor.
  std::string strMostrado;
  CRoteiro& r2 = m_usuario.QuandoAbrir(kIRRF);
  SelecionaLinha(r2, 2).Confere([&](HWND h) { strMostrado = Texto(GetDlgItem(h, IDC_VALOR)); });
  r2.Clica(IDC_VALOR).Tecla(VK_END).Escreve("%").Clica(IDC_ALTERAR).Clica(IDOK);
  T_Lista<TCMImpostoDeducao> lista = dlg.GetDeducao();
  lista.InsertAt(0, Deducao(0, "Frete", 50'0000));
  dlg.SetDeducao(lista);
  ASSERT_EQ(dlg.DoModal(1), IDOK);
  EXPECT_EQ(strMostrado, "10,00%");
  EXPECT_EQ(dlg.GetDeducao()[1].GetValorDeducao().int64, 10'0000) << "agora 10,00 em valor";
}

TEST_F(CDlgDeducaoTest, AlterarSomaSemOValorAntigo) {
  struct TCaso {
    const char* szCaso;
    std::vector<TCMImpostoDeducao> antes;
    const char* szNovoValor;
    bool bAceita;
  } const kCasos[] = {
      {"600 vira 900 sozinha", {Deducao(0, "A", 600'0000)}, "900", true},
      {"600 vira 800 com outra de 200", {Deducao(0, "A", 600'0000), Deducao(0, "B", 200'0000)}, "800", false},
      {"600 vira 799,99 com outra de 200", {Deducao(0, "A", 600'0000), Deducao(0, "B", 200'0000)}, "799,99", true},
  };
  for (const TCaso& c : kCasos) {
    SCOPED_TRACE(c.szCaso);
    const std::size_t nCaixasAntes = m_caixas.Caixas().size();
    CRoteiro& r = m_usuario.QuandoAbrir(kIRRF);
    Substitui(SelecionaLinha(r, 1), IDC_VALOR, c.szNovoValor).Clica(IDC_ALTERAR).Clica(IDOK);
    CDlgDeducao dlg(&m_pai);
    dlg.SetBCImposto(CyDeBruto(1000'0000));
    T_Lista<TCMImpostoDeducao> lista;
    for (const TCMImpostoDeducao& d : c.antes) lista.Add(d);
    dlg.SetDeducao(lista);
    ASSERT_EQ(dlg.DoModal(1), IDOK);
    EXPECT_EQ(m_caixas.Caixas().size(), nCaixasAntes + (c.bAceita ? 0 : 1));
    const LONGLONG llPrimeira = dlg.GetDeducao()[0].GetValorDeducao().int64;
    EXPECT_EQ(llPrimeira == 600'0000, !c.bAceita);
    EXPECT_EQ(dlg.GetDeducao().GetSize(), static_cast<INT_PTR>(c.antes.size()));
  }
}

TEST_F(CDlgDeducaoTest, AlterarParaOTipoDeOutraRecusa) {
  CDlgDeducao dlg(&m_pai);
  int nTipoDepoisDaRecusa = -1, nFoco = 0;
  CRoteiro& r = m_usuario.QuandoAbrir(kINSS);
  SelecionaLinha(r, 2).Escolhe(IDC_TIPO, "Material Utilizado").Clica(IDC_ALTERAR).Confere([&](HWND) {
    nTipoDepoisDaRecusa = dlg.GetDeducao()[1].GetTipo();
    nFoco = GetDlgCtrlID(GetFocus());
  });
  r.Escolhe(IDC_TIPO, "Transporte Fornecido").Clica(IDC_ALTERAR).Clica(IDOK);
  dlg.SetBCImposto(CyDeBruto(1000'0000));
  T_Lista<TCMImpostoDeducao> lista;
  lista.Add(Deducao(1, "", 10'0000));
  lista.Add(Deducao(2, "", 10'0000));
  dlg.SetDeducao(lista);
  ASSERT_EQ(dlg.DoModal(6), IDOK);
  EXPECT_EQ(Mensagens(), (std::vector<std::string>{"Já existe uma dedução deste tipo na lista."}));
  EXPECT_EQ(nTipoDepoisDaRecusa, 2) << "a recusada fica como estava";
  EXPECT_EQ(nFoco, IDC_TIPO);
  EXPECT_EQ(dlg.GetDeducao()[1].GetTipo(), 3) << "para um tipo livre, altera";
}

TEST_F(CDlgDeducaoTest, RemoverAUnicaDeducao) {
  std::vector<std::string> grade;
  bool bAlterar = true, bRemover = true, bAdicionar = false;
  std::string strDescricao = "?";
  CRoteiro& r = m_usuario.QuandoAbrir(kIRRF);
  SelecionaLinha(r, 1).Clica(IDC_REMOVER).Confere([&](HWND h) {
    grade = LinhasDaGrade(h);
    bAdicionar = IsWindowEnabled(GetDlgItem(h, IDC_ADICIONAR)) != FALSE;
    bAlterar = IsWindowEnabled(GetDlgItem(h, IDC_ALTERAR)) != FALSE;
    bRemover = IsWindowEnabled(GetDlgItem(h, IDC_REMOVER)) != FALSE;
    strDescricao = Texto(GetDlgItem(h, IDC_DESCRICAO));
  });
  r.Clica(IDOK);
  CDlgDeducao dlg(&m_pai);
  dlg.SetBCImposto(CyDeBruto(1000'0000));
  T_Lista<TCMImpostoDeducao> lista;
  lista.Add(Deducao(0, "Frete", 50'0000));
  dlg.SetDeducao(lista);
  ASSERT_EQ(dlg.DoModal(1), IDOK);
  EXPECT_EQ(dlg.GetDeducao().GetSize(), 0);
  EXPECT_TRUE(grade.empty());
  EXPECT_TRUE(bAdicionar);
  EXPECT_FALSE(bAlterar);
  EXPECT_FALSE(bRemover);
  EXPECT_EQ(strDescricao, "");
}

TEST_F(CDlgDeducaoTest, EnterAndaComoTabSoQuandoPedido) {
  for (int nTestaEnter : {0, 1}) {
    SCOPED_TRACE(nTestaEnter);
    int nFoco = 0;
    CRoteiro& r = m_usuario.QuandoAbrir(kIRRF).Clica(IDC_DESCRICAO).Tecla(VK_RETURN);
    if (nTestaEnter) r.Confere([&](HWND) { nFoco = GetDlgCtrlID(GetFocus()); }).Tecla(VK_ESCAPE);
    CDlgDeducao dlg(&m_pai);
    dlg.SetTestaEnter(nTestaEnter);
    const int nResultado = dlg.DoModal(1);
    if (nTestaEnter) {
      EXPECT_EQ(nResultado, IDCANCEL);
      EXPECT_EQ(nFoco, IDC_VALOR);
    } else {
      EXPECT_EQ(nResultado, IDOK) << "sem Enter como Tab, Enter é o OK";
    }
  }
}
