// O edit de autorizações de compra sobre a empresa de amostra, usado por uma pessoa
// roteirizada: digitar e sair mostra o nome ou a mensagem 1607, F2 abre a lista e a
// linha escolhida vira a chave; as falhas forçadas do servidor vão ao log de erros
// com a expressão exata, ou à caixa de erro, como o controle promete.
#include "edit_consulta_teste.h"
#include "vrmwnd/controls/CAutorizacaoCompraEdit.h"
#include "vrmwnd/suite/ganchos_teste.h"

namespace {

class CAutorizacaoCompraEditTest : public CEditConsultaTeste<CAutorizacaoCompraEdit> {
 protected:
  void SetUp() override {
    EscreveMensagens("QZCMMens.txt", "1607    Autorização de compra não encontrada.\n");
    ASSERT_EQ(QZCriaAutorizacaoCompra(&m_pIAC), S_OK);
    BSTR bstr = SysAllocString(Utf8ToUtf16(m_empresa.Nome()).c_str());
    ASSERT_EQ(m_pIAC->Inicializa(bstr, 4, 99), S_OK);
    SysFreeString(bstr);
    CriaJanelas();
    if (HasFatalFailure()) return;
    m_edit.SetAC(m_pIAC);
    ASSERT_EQ(m_edit.Inicializa(m_empresa.Nome(), 4, 99), S_OK);
  }
  void TearDown() override {
    CEditConsultaTeste::TearDown();
    if (m_pIAC) m_pIAC->Release();
  }

  IQZCM_AutorizacaoCompra* m_pIAC = nullptr;
};

}  // namespace

TEST_F(CAutorizacaoCompraEditTest, DigitarESairMostraONomeOuAMensagem) {
  const struct {
    const char* szTexto;
    const char* szStatic;
    unsigned long lChave;
    const char* szCaixa;  // nulo: nenhuma caixa
  } kCasos[] = {
      {"AC-001", "Material de escritório 2024", 4097, nullptr},
      {"AC-100", "Contrato anual de limpeza", 3000000001ul, nullptr},
      {"AC-003", "", 0, "Autorização de compra não encontrada."},  // duas autorizações
      {"NADA", "", 0, "Autorização de compra não encontrada."},
      {"", "", 0, nullptr},
  };
  for (const auto& c : kCasos) {
    SCOPED_TRACE(c.szTexto);
    const std::size_t nAntes = m_caixas.Caixas().size();
    DigitaESai(c.szTexto);
    EXPECT_EQ(Static(), c.szStatic);
    EXPECT_EQ(m_edit.GetChave(), c.lChave);
    ASSERT_EQ(m_caixas.Caixas().size(), nAntes + (c.szCaixa ? 1 : 0));
    if (c.szCaixa) {
      EXPECT_EQ(m_caixas.Caixas().back().strTexto, c.szCaixa);
    }
  }
  EXPECT_EQ(LogDeErros(), "") << "recusar um código não é falha de servidor";
}

TEST_F(CAutorizacaoCompraEditTest, NoMaximoVinteCaracteresESetChave) {
  DigitaESai("123456789012345678901234");
  EXPECT_EQ(m_edit.GetText(), "12345678901234567890");
  EXPECT_TRUE(m_edit.SetChave(4098));
  EXPECT_EQ(m_edit.GetText(), "AC-002");
  EXPECT_EQ(Static(), "Manutenção predial");
  EXPECT_TRUE(m_edit.SetChave(0));
  EXPECT_EQ(m_edit.GetText(), "");
  EXPECT_EQ(Static(), "");
  EXPECT_EQ(m_edit.GetChave(), 0u);
  EXPECT_TRUE(m_edit.SetChave(777)) << "chave que não existe limpa e devolve true";
  EXPECT_EQ(m_edit.GetChave(), 0u);
  EXPECT_NE(LogDeErros().find("CAutorizacaoCompraEdit::SetChave"), std::string::npos);
  EXPECT_NE(LogDeErros().find("hr = m_pImplement->m_pIAC->LeLight(lChave, &rACLight)"), std::string::npos);
}

TEST_F(CAutorizacaoCompraEditTest, F2AbreAListaEALinhaEscolhidaViraAChave) {
  const int yQuinta = kListViewHeaderHeight + 4 * kListViewRowHeight + 2;
  m_usuario.QuandoAbrir("Relação de Autorização de Compra").Confere([&](HWND hDialogo) {
    HWND hLista = GetDlgItem(hDialogo, CConsulta::IDC_LISTA);
    CListCtrl* pLista = static_cast<CListCtrl*>(CWnd::FromHandle(hLista));
    ASSERT_EQ(pLista->GetItemCount(), 5);
    EXPECT_EQ(pLista->GetItemText(2, 0), "AC-003");
    EXPECT_EQ(pLista->GetItemText(3, 1), "Uniformes — filial Norte");
    InputDoubleClick(hLista, 5, yQuinta);
  });
  m_usuario.Clica(m_edit);
  m_usuario.Tecla(VK_F2);
  EXPECT_EQ(m_edit.GetChave(), 3000000001ul) << "a chave inteira de 32 bits";
  EXPECT_EQ(m_edit.GetText(), "AC-100");
  EXPECT_EQ(Static(), "Contrato anual de limpeza");
}

TEST_F(CAutorizacaoCompraEditTest, FalhasDoServidorVaoAoLogOuACaixa) {
  // BuscaPonteiros no Existe: registrada, e o código fica recusado com 1607.
  vrmsuite::ProgramaFalhaLeitura("IQZCM_AutorizacaoCompra::BuscaPonteiros", E_FAIL, 1);
  DigitaESai("AC-001");
  EXPECT_EQ(m_caixas.Caixas().back().strTexto, "Autorização de compra não encontrada.");
  std::string strLog = LogDeErros();
  EXPECT_NE(strLog.find("CAutorizacaoCompraEdit::Existe"), std::string::npos);
  EXPECT_NE(strLog.find("hr = m_pImplement->m_pIAC->BuscaPonteiros(rFiltro, &rArrayChave)\thr = 0X80004005"),
            std::string::npos)
      << strLog;
  EXPECT_NE(strLog.find("\tAutorizacaoCompraEdit\t"), std::string::npos);

  // LeLight no Existe: lança para a base, que mostra a caixa de erro com o local 381292.
  vrmsuite::ProgramaFalhaLeitura("IQZCM_AutorizacaoCompra::LeLight", E_FAIL, 1);
  std::size_t n = m_caixas.Caixas().size();
  DigitaESai("AC-002");
  ASSERT_EQ(m_caixas.Caixas().size(), n + 1) << "só a caixa de erro, sem a 1607";
  EXPECT_EQ(m_caixas.Caixas().back().strTitulo, "Erro");
  EXPECT_NE(m_caixas.Caixas().back().strTexto.find("Local: 381292/1410"), std::string::npos);
  m_edit.SetWindowText("AC-002");
  vrmsuite::ProgramaFalhaLeitura("IQZCM_AutorizacaoCompra::LeLight", QZ_E_BANCO_DE_DADOS, 1);
  EXPECT_EQ(m_edit.GetChave(), 0u) << "a exceção chega à base, que a mostra";

  // BuscaPonteiros na lista: registrada e mostrada (local 379999); a lista não abre.
  vrmsuite::ProgramaFalhaLeitura("IQZCM_AutorizacaoCompra::BuscaPonteiros", E_FAIL, 1);
  n = m_caixas.Caixas().size();
  m_usuario.Clica(m_edit);
  m_usuario.Tecla(VK_F2);
  ASSERT_EQ(m_caixas.Caixas().size(), n + 1);
  EXPECT_NE(m_caixas.Caixas().back().strTexto.find("Local: 379999/1410"), std::string::npos);
  EXPECT_NE(LogDeErros().find("CAutorizacaoCompraEdit::OnConsulta"), std::string::npos);
  EXPECT_TRUE(m_usuario.Abertos().empty());

  // LeLight de uma linha da lista: caixa com o local 380008, a linha sai em branco.
  vrmsuite::ProgramaFalhaLeitura("IQZCM_AutorizacaoCompra::LeLight", E_FAIL, 1);
  n = m_caixas.Caixas().size();
  CString aColunas[2];
  CAutorizacaoCompraEdit::F4(reinterpret_cast<long>(&m_edit), CONSULTA_PREENCHE_LINHA, 4097, 0, aColunas);
  ASSERT_EQ(m_caixas.Caixas().size(), n + 1);
  EXPECT_NE(m_caixas.Caixas().back().strTexto.find("Local: 380008/1410"), std::string::npos);
  EXPECT_EQ(aColunas[0], "");
  CAutorizacaoCompraEdit::F4(reinterpret_cast<long>(&m_edit), CONSULTA_PREENCHE_LINHA, 4097, 0, aColunas);
  EXPECT_EQ(aColunas[0], "AC-001");
}
