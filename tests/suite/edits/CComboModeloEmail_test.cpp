// O combo dos modelos de e-mail sobre a empresa de amostra: os modelos de cada
// extensão, a seleção por nome completo ou nome, a empresa que falta, e uma empresa
// criada antes da tabela de modelos, que a ganha ao ser aberta.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ambiente_teste.h"
#include "empresa_teste.h"
#include "janelas_teste.h"
#include "vrmwnd/suite/edits/CComboModeloEmail.h"
#include "vrmwnd/suite/registros/TQZBase.h"
#include "vrmwnd/suite/servidor/criacao_empresa.h"

namespace {

class CComboModeloEmailTest : public testing::Test {
 protected:
  CComboModeloEmailTest() {
    CreateWindowExA(0, "COMBOBOX", "", WS_CHILD | WS_VISIBLE | CBS_DROPDOWNLIST, 0, 0, 200, 100, m_pai.m_hWnd, 900,
                    nullptr, nullptr);
    m_combo.SubclassDlgItem(900, &m_pai);
  }
  ~CComboModeloEmailTest() override { m_inicializador.Finaliza(); }
  CEmpresaTeste m_empresa;
  CQZInicializador m_inicializador;
  CPaiGravador m_pai;
  CComboModeloEmail m_combo;
};

}  // namespace

TEST_F(CComboModeloEmailTest, ListaOsModelosDaExtensaoPorNome) {
  ASSERT_EQ(m_inicializador.Inicializa(m_empresa.Nome(), 1, 1), S_OK);
  ASSERT_EQ(m_combo.Inicializa(), S_OK);
  const struct {
    unsigned short iExtensao;
    std::vector<std::string> itens;
  } kCasos[] = {
      {7, {"Cotação de serviços", "Cotação web", "Cotação web - urgente"}},
      {2, {"Autorização de compra"}},
      {9, {}},
  };
  for (const auto& c : kCasos) {
    SCOPED_TRACE(c.iExtensao);
    m_combo.SetExtensaoModelo(c.iExtensao);
    EXPECT_EQ(m_combo.Atualiza(), static_cast<int>(c.itens.size()));
    EXPECT_EQ(ItensDoCombo(m_combo), c.itens);
  }
}

TEST_F(CComboModeloEmailTest, SelecionaPorNomeCompletoOuNome) {
  ASSERT_EQ(m_inicializador.Inicializa(m_empresa.Nome(), 1, 1), S_OK);
  ASSERT_EQ(m_combo.Inicializa(), S_OK);
  m_combo.SetExtensaoModelo(CComboModeloEmail::EXTENSAO_COTACAO_WEB);
  m_combo.Atualiza();
  const struct {
    const char* szModelo;
    bool bAchou;
    const char* szCompleto;
  } kCasos[] = {
      {"cotacao_urgente.html", true, "cotacao_urgente.html"},
      {"Cotação de serviços", true, "cotacao_servicos.html"},
      {"autorizacao.html", false, ""},  // de outra extensão
      {"", false, ""},
  };
  for (const auto& c : kCasos) {
    SCOPED_TRACE(c.szModelo);
    EXPECT_EQ(m_combo.SelecionaModelo(c.szModelo), c.bAchou);
    EXPECT_EQ(m_combo.GetModeloCompleto(), c.szCompleto);
  }
}

TEST_F(CComboModeloEmailTest, SemEmpresaNaoHaModelos) {
  m_inicializador.Finaliza();
  EXPECT_NE(m_combo.Inicializa(), S_OK);
  m_combo.SetExtensaoModelo(7);
  EXPECT_EQ(m_combo.Atualiza(), 0);
  EXPECT_EQ(m_combo.GetModeloCompleto(), "");
}

TEST(CQZBancoEmpresaTest, EmpresaAnteriorAosModelosGanhaATabelaAoAbrir) {
  CHomeTemporaria home;
  std::string strErro;
  ASSERT_EQ(vrmsuite::CriaEmpresaDeAmostra("ANTIGA", strErro), S_OK) << strErro;
  {
    auto pBanco = vrmsuite::CQZBancoEmpresa::AbreArquivo(vrmsuite::ArquivoEmpresa("ANTIGA"), false, strErro);
    ASSERT_NE(pBanco, nullptr) << strErro;
    ASSERT_EQ(pBanco->ExecutaRoteiro("DROP TABLE cm_modelo_email", strErro), S_OK) << strErro;
    EXPECT_NE(pBanco->ExecutaRoteiro("INSERT INTO cm_modelo_email VALUES (9, 7, 'x', 'x.html')", strErro), S_OK)
        << "a empresa antiga não tem a tabela";
  }
  auto pBanco = vrmsuite::AbreEmpresa("ANTIGA", strErro);
  ASSERT_NE(pBanco, nullptr) << strErro;
  EXPECT_EQ(pBanco->ExecutaRoteiro("INSERT INTO cm_modelo_email VALUES (9, 7, 'x', 'x.html')", strErro), S_OK)
      << strErro;
  pBanco.reset();
  auto pDeNovo = vrmsuite::AbreEmpresa("ANTIGA", strErro);
  ASSERT_NE(pDeNovo, nullptr) << "abrir de novo não recria nem apaga: " << strErro;
}
