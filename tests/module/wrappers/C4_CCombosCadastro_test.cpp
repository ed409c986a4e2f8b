// O combo de leiautes com os leiautes do módulo na empresa de amostra: a escolha pelo
// CRC-32 do nome (nomes com acento incluídos), o CRC que não acha nada e a lista
// vazia, que tiram a seleção (CB_ERR).
#include <gtest/gtest.h>

#include <cstring>

#include "empresa_teste.h"
#include "instalacao_teste.h"
#include "janelas_teste.h"
#include "vrmwnd/wrappers/C4_CCombosCadastro.h"

namespace {

class C4CDFComboLeiautesTest : public testing::Test {
 protected:
  void SetUp() override {
    CreateWindowExA(0, "COMBOBOX", "", WS_CHILD | WS_VISIBLE | CBS_DROPDOWNLIST, 0, 0, 200, 100, m_pai.m_hWnd, 100,
                    nullptr, nullptr);
    ASSERT_TRUE(m_combo.SubclassDlgItem(100, &m_pai));
  }
  std::string Selecionado() const {
    CString s;
    m_combo.GetWindowText(s);
    return s.GetString();
  }
  CInstalacaoTeste m_instalacao;
  CEmpresaTeste m_empresa;
  CPaiGravador m_pai;
  C4_CDFComboLeiautes m_combo;
};

TEST_F(C4CDFComboLeiautesTest, SelecionaPeloCRCDoNome) {
  ASSERT_EQ(m_combo.Carrega(m_empresa.Nome()), S_OK);
  ASSERT_EQ(m_combo.GetCount(), 3) << "só os leiautes do módulo";
  const struct {
    unsigned long lCRC;
    int nResultado;
    const char* szSelecionado;
  } kCasos[] = {
      {0xFD38B8A1ul, 0, "Importação de NF-e padrão"},  // na ordem do número do leiaute
      {0x3B148CC2ul, 2, "Cotação por fornecedor"},
      {0x67AE80E6ul, 1, "Pedido de compra resumido"},
      {0x9265D335ul, CB_ERR, ""},  // o CRC de "Cotação por fornecedor" em Latin-1
      {0xC86C1576ul, CB_ERR, ""},  // leiaute de outro módulo
      {0ul, CB_ERR, ""},
  };
  for (const auto& c : kCasos) {
    SCOPED_TRACE(testing::Message() << std::hex << c.lCRC);
    EXPECT_EQ(m_combo.SelecionaLeiauteCRC(c.lCRC), c.nResultado);
    EXPECT_EQ(Selecionado(), c.szSelecionado);
  }
  EXPECT_EQ(m_combo.Get_C4_Modify(), 1) << "a seleção por programa é notada sem notificar";
  EXPECT_TRUE(m_pai.Recebidas().empty());
}

TEST_F(C4CDFComboLeiautesTest, ListaVaziaDaCBERR) {
  m_empresa.Executa("DELETE FROM leiaute;");
  ASSERT_EQ(m_combo.Carrega(m_empresa.Nome()), S_OK);
  EXPECT_EQ(m_combo.GetCount(), 0);
  EXPECT_EQ(m_combo.SelecionaLeiauteCRC(0), CB_ERR);
}

// A troca de modelo refaz a lista e seleciona de novo a base que estava escolhida,
// quando ela continua valendo; a seleção refeita por programa não notifica o pai.
TEST(C4CComboBaseCalculoCreditoTest, TrocaDeModeloMantemABaseEscolhida) {
  CInstalacaoTeste instalacao;
  CEmpresaTeste empresa;
  CPaiGravador pai;
  CUsuarioRoteirizado usuario;
  CreateWindowExA(0, "COMBOBOX", "", WS_CHILD | WS_VISIBLE | CBS_DROPDOWNLIST, 0, 0, 300, 100, pai.m_hWnd, 100, nullptr,
                  nullptr);
  C4_CComboBaseCalculoCredito combo;
  ASSERT_TRUE(combo.SubclassDlgItem(100, &pai));
  ASSERT_EQ(combo.Carrega(empresa.Nome()), S_OK);
  usuario.Escolhe(combo, "Outras operações com direito a crédito");
  const struct {
    const char* szModelo;
    int nItens;
    const char* szSelecionado;
  } kCasos[] = {
      {"57", 3, "Outras operações com direito a crédito"},  // vale em todos os modelos
      {"55", 4, "Outras operações com direito a crédito"},
      {"", 7, "Outras operações com direito a crédito"},
  };
  for (const auto& c : kCasos) {
    SCOPED_TRACE(c.szModelo);
    pai.Limpa();
    combo.SetModeloDocumentoEx(c.szModelo);
    EXPECT_EQ(combo.GetCount(), c.nItens);
    CString s;
    combo.GetWindowText(s);
    EXPECT_EQ(s, c.szSelecionado);
    EXPECT_TRUE(pai.Recebidas().empty());
  }
  usuario.Escolhe(combo, "Aquisição de bens para revenda");
  combo.SetModeloDocumentoEx("57");
  CString s;
  combo.GetWindowText(s);
  EXPECT_EQ(s, "") << "a base de mercadorias não vale para o conhecimento de transporte";
  EXPECT_EQ(combo.GetCurSel(), CB_ERR);
}

TEST(CRC32LeiauteTest, ValoresConhecidos) {
  const struct {
    const char* szTexto;
    unsigned long lCRC;
  } kCasos[] = {
      {"", 0ul},
      {"a", 0x3AB551CEul},
      {"Etiqueta de volume", 0xC86C1576ul},
      {"Importação de NF-e padrão", 0xFD38B8A1ul},
  };
  for (const auto& c : kCasos) EXPECT_EQ(CRC32Leiaute(c.szTexto, std::strlen(c.szTexto)), c.lCRC) << c.szTexto;
}

}  // namespace
