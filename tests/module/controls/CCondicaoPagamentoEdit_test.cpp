// O edit de condições de pagamento sobre a empresa de amostra, usado por uma pessoa
// roteirizada: digitar e sair mostra a condição ou a mensagem 5508/5590/5591 conforme
// a validade e o módulo, F2 abre a lista com as periodicidades, F6 e "Incluir" abrem
// o cadastro CADCPAG com a linha de comando exata, e as falhas forçadas do servidor
// vão ao log de erros ou à caixa de erro com o local de cada passo.
#include <algorithm>

#include "edit_consulta_teste.h"
#include "vrmwnd/controls/CCondicaoPagamentoEdit.h"
#include "vrmwnd/suite/ganchos_teste.h"

namespace {

class CCondicaoPagamentoEditTest : public CEditConsultaTeste<CCondicaoPagamentoEdit> {
 protected:
  void SetUp() override {
    EscreveMensagens("QZDFMens.txt",
                     "5508    Condição não encontrada.\n5590    Módulo não pode usar.\n5591    Condição vencida.\n");
    CriaJanelas();
    if (HasFatalFailure()) return;
    ASSERT_EQ(m_edit.Inicializa(m_empresa.Nome(), 4, 99), S_OK);
  }
  // As linhas que o cadastro de exemplo anotou, esperando-o terminar (roda à parte).
  std::string LinhasDoCadastro(std::size_t nLinhas) const {
    return EsperaArquivo(m_instalacao.Arquivo("CADCPAG.log"), [nLinhas](const std::string& s) {
      return static_cast<std::size_t>(std::count(s.begin(), s.end(), '\n')) >= nLinhas;
    });
  }
};

}  // namespace

TEST_F(CCondicaoPagamentoEditTest, DigitarESairConfereValidadeEModulo) {
  // A primeira data válida (1/1/1848) já conta para a validade.
  ASSERT_EQ(QZDMA(1, 1, 1848), QZDMA_MINIMA);
  m_empresa.Executa("INSERT INTO condicao_pagamento VALUES (7, 'DIA1', 'Primeiro dia', '1848-01-01', 0, 1, 1, 1)");
  const REG_QZDMA dFimDe2023 = QZDMA(31, 12, 2023);
  const struct {
    const char* szTexto;
    unsigned char nModulo;
    REG_QZDMA dataValidade;
    const char* szStatic;
    unsigned short iChave;
    const char* szCaixa;  // nulo: nenhuma caixa
  } kCasos[] = {
      {"30", 13, 0, "30 dias", 2, nullptr},
      {"NADA", 13, 0, "", 0, "Condição não encontrada."},
      {"ANT2023", 13, 0, "Antiga (vencida)", 4, nullptr},           // sem data não confere
      {"ANT2023", 13, dFimDe2023, "Antiga (vencida)", 4, nullptr},  // no próprio dia ainda vale
      {"ANT2023", 13, dFimDe2023 + 1, "", 0, "Condição vencida."},
      {"SOVENDAS", 13, 0, "", 0, "Módulo não pode usar."},
      {"SOVENDAS", 19, 0, "", 0, "Módulo não pode usar."},  // 19 segue a marca do 13
      {"SOVENDAS", 14, 0, "Só para vendas", 5, nullptr},
      {"SOVENDAS", 0, 0, "Só para vendas", 5, nullptr},
      {"QUINZE", 14, 0, "", 0, "Módulo não pode usar."},
      {"QUINZE", 19, 0, "Quinzenal em 4 vezes", 6, nullptr},
      {"30", 7, 0, "", 0, "Módulo não pode usar."},
      {"DIA1", 13, QZDMA_MINIMA, "Primeiro dia", 7, nullptr},
      {"DIA1", 13, QZDMA_MINIMA + 1, "", 0, "Condição vencida."},
  };
  for (const auto& c : kCasos) {
    SCOPED_TRACE(testing::Message() << c.szTexto << " módulo " << int{c.nModulo} << " data " << c.dataValidade);
    m_edit.SetModulo(c.nModulo);
    m_edit.SetDataValidade(c.dataValidade);
    const std::size_t nAntes = m_caixas.Caixas().size();
    DigitaESai(c.szTexto);
    EXPECT_EQ(Static(), c.szStatic);
    ASSERT_EQ(m_caixas.Caixas().size(), nAntes + (c.szCaixa ? 1 : 0));
    if (c.szCaixa) {
      EXPECT_EQ(UltimaCaixa(), c.szCaixa);
    }
    unsigned short iChave = 77;
    EXPECT_EQ(m_edit.GetPonteiro(iChave), c.iChave != 0);
    EXPECT_EQ(iChave, c.iChave);
  }
  EXPECT_EQ(LogDeErros(), "") << "recusar um código não é falha de servidor";
}

TEST_F(CCondicaoPagamentoEditTest, SetPonteiroMostraOuLimpa) {
  EXPECT_TRUE(m_edit.SetPonteiro(3));
  EXPECT_EQ(m_edit.GetText(), "30/60/90");
  EXPECT_EQ(Static(), "30, 60 e 90 dias");
  EXPECT_TRUE(m_edit.SetPonteiro(0));
  EXPECT_EQ(m_edit.GetText(), "");
  EXPECT_EQ(Static(), "");
  EXPECT_TRUE(m_edit.SetPonteiro(999)) << "chave que não existe limpa e devolve true";
  EXPECT_EQ(m_edit.GetText(), "");
  EXPECT_NE(LogDeErros().find("CCondicaoPagamentoEdit::SetPonteiro"), std::string::npos);
  EXPECT_NE(LogDeErros().find("hr = pServidor->LeCondicaoPagamento(iPonteiro, &rCondicao)"), std::string::npos);
}

TEST(CCondicaoPagamentoEditPeriodo, TextoDaPeriodicidade) {
  const struct {
    WORD iUnidade, iQuantidade;
    const char* szEsperado;
  } kCasos[] = {
      {0, 1, "P  -  (1 dia)"}, {0, 15, "P  -  (15 dias)"}, {1, 1, "P  -  (1 mes)"}, {1, 0, "P  -  (0 meses)"},
      {2, 1, "P  -  (1 ano)"}, {2, 2, "P  -  (2 anos)"},   {3, 1, "P  -  (1 )"},    {9, 4, "P  -  (4 )"},
  };
  for (const auto& c : kCasos) {
    REG_PERIODICIDADEPS r{};
    r.Set_szNome("P");
    r.Set_iUnidade(c.iUnidade);
    r.Set_iQuantidade(c.iQuantidade);
    EXPECT_EQ(CCondicaoPagamentoEdit::TextoPeriodicidade(r), c.szEsperado);
  }
}

TEST_F(CCondicaoPagamentoEditTest, F2MostraAListaEALinhaEscolhidaViraAChave) {
  const int yQuarta = kListViewHeaderHeight + 3 * kListViewRowHeight + 2;
  m_usuario.QuandoAbrir("Relação de Condição de Pagamento").Confere([&](HWND hDialogo) {
    HWND hLista = GetDlgItem(hDialogo, CConsulta::IDC_LISTA);
    CListCtrl* pLista = static_cast<CListCtrl*>(CWnd::FromHandle(hLista));
    ASSERT_EQ(pLista->GetItemCount(), 5) << "SOVENDAS não é do módulo 13";
    EXPECT_EQ(pLista->GetItemText(0, 0), "30");
    EXPECT_EQ(pLista->GetItemText(0, 2), "1");
    EXPECT_EQ(pLista->GetItemText(0, 3), "Mensal  -  (1 mes)Mensal dia fixo  -  (1 mes)");
    EXPECT_EQ(pLista->GetItemText(1, 2), "3");
    EXPECT_EQ(pLista->GetItemText(4, 1), "Quinzenal em 4 vezes");
    EXPECT_EQ(pLista->GetItemText(4, 3), "Quinzenal  -  (15 dias)");
    EXPECT_EQ(pLista->GetItemText(3, 0), "AVISTA");
    EXPECT_EQ(pLista->GetItemText(3, 3), "") << "sem periodicidade";
    InputDoubleClick(hLista, 5, yQuarta);
  });
  m_usuario.Clica(m_edit);
  m_usuario.Tecla(VK_F2);
  unsigned short iChave = 0;
  EXPECT_TRUE(m_edit.GetPonteiro(iChave));
  EXPECT_EQ(iChave, 1);
  EXPECT_EQ(m_edit.GetText(), "AVISTA");
  EXPECT_EQ(Static(), "À vista");
}

TEST_F(CCondicaoPagamentoEditTest, CadastroRecebeALinhaDeComando) {
  // Uma empresa com espaço no nome chega ao cadastro como um argumento só.
  std::string strErro;
  vrmsuite::RegistraEmpresaNaMemoria("Empresa X", vrmsuite::AbreEmpresa(m_empresa.Nome(), strErro));
  ASSERT_EQ(m_edit.OnFinaliza(), S_OK);
  ASSERT_EQ(m_edit.Inicializa("Empresa X", 4, 99), S_OK);
  const std::string strComeco = "CADCPAG [-EEmpresa X] [-U4] [-L99]";
  // Cada programa roda à parte: espera a sua linha antes de abrir o próximo.
  const struct {
    const char* szTexto;
    int nTecla;  // F6 na lista, ou 0 para o botão "Incluir"
    std::string strLinha;
  } kCasos[] = {
      {"30", VK_F6, strComeco + " [-C30]"},
      {"NADA", VK_F6, strComeco + " [-C]"},  // código recusado: -C vazio
      {"30", 0, strComeco},                  // incluir não leva o código
  };
  std::string strEsperado;
  std::size_t nLinhas = 0;
  for (const auto& c : kCasos) {
    SCOPED_TRACE(c.strLinha);
    m_edit.SetWindowText(c.szTexto);
    CRoteiro& roteiro = m_usuario.QuandoAbrir("Relação de Condição de Pagamento");
    if (c.nTecla != 0) {
      roteiro.Tecla(c.nTecla).Tecla(VK_ESCAPE);
    } else {
      roteiro.Clica(CConsulta::IDC_INCLUIR).Tecla(VK_ESCAPE);
    }
    m_usuario.Clica(m_edit);
    m_usuario.Tecla(VK_F2);
    strEsperado += c.strLinha + "\n";
    EXPECT_EQ(LinhasDoCadastro(++nLinhas), strEsperado);
  }
  vrmsuite::RemoveEmpresaDaMemoria("Empresa X");
}

TEST_F(CCondicaoPagamentoEditTest, FalhasDoServidorVaoAoLogOuACaixa) {
  // Leitura pelo código no Existe: registrada com a expressão, e o código recusado.
  vrmsuite::ProgramaFalhaLeitura("IQZDF_Materiais::LeCondicaoPagamentoCodigo", E_FAIL, 1);
  DigitaESai("30");
  EXPECT_EQ(UltimaCaixa(), "Condição não encontrada.");
  const std::string strLog = LogDeErros();
  EXPECT_NE(strLog.find("CCondicaoPagamentoEdit::Existe"), std::string::npos);
  EXPECT_NE(strLog.find("hr = pServidor->LeCondicaoPagamentoCodigo(bstrCodigo, &iChave, &rCondicao)\thr = 0X80004005"),
            std::string::npos)
      << strLog;
  EXPECT_NE(strLog.find("\tCondicaoPagamentoEdit\t"), std::string::npos);

  // Cada passo da lista que falha é mostrado com o seu local, e a lista abre assim mesmo.
  const struct {
    const char* szLeitura;
    const char* szLocal;
    int nLinhas;
  } kPassos[] = {
      {"IQZDF_Materiais::BuscaCondicoesPagamento", "Local: 276812/42", 0},
      {"IQZDF_Periodo::Cria", "Local: 276821/26", 5},
      {"IQZDF_Periodo::Inicializa", "Local: 276839/26", 5},
      {"IQZDF_Periodo::BuscaPonteiros", "Local: 276847/26", 5},
      {"IQZDF_Periodo::LeVarios", "Local: 276855/26", 5},
  };
  for (const auto& p : kPassos) {
    SCOPED_TRACE(p.szLeitura);
    vrmsuite::ProgramaFalhaLeitura(p.szLeitura, E_FAIL, 1);
    const std::size_t nAntes = m_caixas.Caixas().size();
    int nLinhas = -1;
    m_usuario.QuandoAbrir("Relação de Condição de Pagamento")
        .Confere([&](HWND hDialogo) {
          nLinhas =
              static_cast<CListCtrl*>(CWnd::FromHandle(GetDlgItem(hDialogo, CConsulta::IDC_LISTA)))->GetItemCount();
        })
        .Tecla(VK_ESCAPE);
    m_usuario.Clica(m_edit);
    m_usuario.Tecla(VK_F2);
    EXPECT_EQ(nLinhas, p.nLinhas);
    ASSERT_GT(m_caixas.Caixas().size(), nAntes);
    EXPECT_EQ(m_caixas.Caixas()[nAntes].strTitulo, "Erro");
    EXPECT_NE(m_caixas.Caixas()[nAntes].strTexto.find(p.szLocal), std::string::npos)
        << m_caixas.Caixas()[nAntes].strTexto;
    vrmsuite::LimpaFalhasLeitura();
  }

  // Leitura de uma linha: caixa com o local 276804, a linha sai do registro zerado.
  vrmsuite::ProgramaFalhaLeitura("IQZDF_Materiais::LeCondicaoPagamento", E_FAIL, 1);
  const std::size_t n = m_caixas.Caixas().size();
  CString aColunas[4] = {"x", "x", "x", "x"};
  CCondicaoPagamentoEdit::F4(reinterpret_cast<long>(&m_edit), CONSULTA_PREENCHE_LINHA, 2, 0, aColunas);
  ASSERT_EQ(m_caixas.Caixas().size(), n + 1);
  EXPECT_NE(UltimaCaixa().find("Local: 276804/42"), std::string::npos);
  EXPECT_EQ(aColunas[0], "");
  EXPECT_EQ(aColunas[2], "0");
  EXPECT_EQ(aColunas[3], "");

  // As chamadas herdadas que falham vão ao log com a expressão.
  EXPECT_LT(m_edit.OnInicializa(), 0) << "já inicializado";
  EXPECT_NE(LogDeErros().find("CCondicaoPagamentoEdit::OnInicializa"), std::string::npos);
  EXPECT_NE(LogDeErros().find("hr = __super::OnInicializa()"), std::string::npos);
  CCondicaoPagamentoEdit semEmpresa;
  EXPECT_LT(semEmpresa.OnFinaliza(), 0) << "nunca inicializado";
  EXPECT_NE(LogDeErros().find("CCondicaoPagamentoEdit::OnFinaliza"), std::string::npos);
  EXPECT_NE(LogDeErros().find("hr = __super::OnFinaliza()"), std::string::npos);

  // A conexão que falha ao inicializar é mostrada (276791).
  CCondicaoPagamentoEdit outro;
  vrmsuite::ProgramaFalhaLeitura("CConexaoCondicaoPagamento::Conecta", E_FAIL, 1);
  EXPECT_EQ(outro.Inicializa(m_empresa.Nome(), 4, 99), E_FAIL);
  EXPECT_NE(UltimaCaixa().find("Local: 276791/42"), std::string::npos);
  outro.OnFinaliza();
}
