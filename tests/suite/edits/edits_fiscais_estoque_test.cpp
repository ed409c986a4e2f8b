// O que os edits e combos de compras, fiscal e estoque fazem além de código, descrição
// e lista, sobre a empresa de amostra: o CST do IPI pelo número, o lote do local, a
// unidade da taxa de conversão, a grade do produto, vários produtos num edit, a nota
// avulsa, o número a mais de cada registro, as tabelas de preço ativas e as listas
// dos combos filtradas pelo modelo de documento e pelas siglas.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <vector>

#include "edit_consulta_teste.h"
#include "vrmwnd/suite.h"

namespace {

using CSTIPITest = CEditConsultaTeste<CEditCSTIPI>;

TEST_F(CSTIPITest, PeloNumeroEPeloTexto) {
  CriaJanelas();
  ASSERT_EQ(m_edit.Inicializa(m_empresa.Nome(), 1, 1), S_OK);
  m_edit.SetEntradaSaida('E');
  const struct {
    int nNumero;  // -1: pelo texto
    const char* szTexto;
    bool bAchou;
    const char* szMostrado;
    const char* szDescricao;
  } kCasos[] = {
      {0, nullptr, true, "00", "Entrada com recuperação de crédito"},  // 0 é um CST
      {49, nullptr, true, "49", "Outras entradas"},
      {50, nullptr, false, "", ""},  // CST de saída
      {100, nullptr, false, "", ""},
      {-1, "03", true, "03", "Entrada não tributada"},
      {-1, "3", false, "", ""},
      {-1, "", false, "", ""},
  };
  for (const auto& c : kCasos) {
    SCOPED_TRACE(testing::Message() << c.nNumero << " " << (c.szTexto ? c.szTexto : ""));
    const bool bAchou =
        c.nNumero >= 0 ? m_edit.SetPosicao(static_cast<unsigned short>(c.nNumero)) : m_edit.SetPosicao(c.szTexto);
    EXPECT_EQ(bAchou, c.bAchou);
    EXPECT_EQ(m_edit.GetText(), c.szMostrado);
    EXPECT_EQ(Static(), c.szDescricao);
  }
}

// O número a mais de cada registro, lido pela operação que o edit exporta.
TEST(NumeroDoRegistroTest, CadaEditDaOSeuNumero) {
  CInstalacaoTeste instalacao;
  CEmpresaTeste empresa;
  struct TCaso {
    const char* szCaso;
    std::function<std::unique_ptr<CEditCadastro>()> cria;
    const char* szCodigo;
    std::function<long(CEditCadastro&)> numero;
    long lEsperado;
  };
  const auto lote = [](CEditCadastro& e) {
    long l = -1;
    static_cast<CLocaisEdit&>(e).GetLote(l);
    return l;
  };
  const TCaso kCasos[] = {
      {"lote do local de quarentena", [] { return std::make_unique<CLocaisEdit>(); }, "ARM-QUAR", lote, 502},
      {"local comum não tem lote", [] { return std::make_unique<CLocaisEdit>(); }, "ALM-01", lote, 0},
      {"produto do código de barras", [] { return std::make_unique<CCodigoBarrasSimplesEdit>(); }, "17891234500103",
       [](CEditCadastro& e) { return static_cast<CCodigoBarrasSimplesEdit&>(e).GetProduto(); }, 10},
      {"local do produto recebido", [] { return std::make_unique<CRecbtoProdutoEdit>(); }, "PST-38",
       [](CEditCadastro& e) { return static_cast<CRecbtoProdutoEdit&>(e).GetLocalEstoque(); }, 2},
      {"fornecedor do contrato", [] { return std::make_unique<CCMContratoCompraEdit>(); }, "CT-2025-03",
       [](CEditCadastro& e) { return static_cast<long>(static_cast<CCMContratoCompraEdit&>(e).GetFornecedor()); },
       2004},
      {"conta do contato", [] { return std::make_unique<CEditContatoCFRT>(); }, "12",
       [](CEditCadastro& e) { return static_cast<long>(static_cast<CEditContatoCFRT&>(e).GetConta()); }, 2001},
      {"código desconhecido", [] { return std::make_unique<CCodigoBarrasSimplesEdit>(); }, "0000",
       [](CEditCadastro& e) { return static_cast<CCodigoBarrasSimplesEdit&>(e).GetProduto(); }, 0},
  };
  for (const auto& c : kCasos) {
    SCOPED_TRACE(c.szCaso);
    auto pEdit = c.cria();
    ASSERT_EQ(pEdit->Inicializa(empresa.Nome(), 1, 1), S_OK);
    pEdit->SetPosicaoPorCodigo(c.szCodigo);
    EXPECT_EQ(c.numero(*pEdit), c.lEsperado);
    pEdit->OnFinaliza();
  }
}

using TaxaConversaoTest = CEditConsultaTeste<CTaxaConversaoUnMedida>;

TEST_F(TaxaConversaoTest, ATaxaTemDeSerDaUnidade) {
  ASSERT_EQ(m_edit.Inicializa(m_empresa.Nome(), 1, 1), S_OK);
  const struct {
    unsigned short iTaxa, iUnidade;
    bool bAchou;
    unsigned short iPosicao;
  } kCasos[] = {
      {3, 2, true, 3},   // quilograma em miligramas, da unidade KG
      {3, 6, false, 0},  // não converte de miligrama
      {3, 0, true, 3},   // unidade 0: qualquer uma
      {9, 0, false, 0}, {0, 0, false, 0},
  };
  for (const auto& c : kCasos) {
    SCOPED_TRACE(testing::Message() << c.iTaxa << "/" << c.iUnidade);
    EXPECT_EQ(m_edit.SetPosicao(c.iTaxa, c.iUnidade), c.bAchou);
    unsigned short iPosicao = 99;
    m_edit.GetPosicao(iPosicao);
    EXPECT_EQ(iPosicao, c.iPosicao);
  }
}

using ProdutoGradeTest = CEditConsultaTeste<CProdutoEditEx>;

TEST_F(ProdutoGradeTest, AsDimensoesVaoEVoltamPelosEditsDaGrade) {
  CriaJanelas();
  CEditNumerico* edits[] = {m_edit.GetEditGrade1(), m_edit.GetEditGrade2(), m_edit.GetEditGrade3()};
  for (int i = 0; i < 3; ++i) {
    CreateWindowExA(0, "EDIT", "", WS_CHILD | WS_VISIBLE, 0, 90 + 25 * i, 50, 20, m_pai.m_hWnd, 110 + i, nullptr,
                    nullptr);
    ASSERT_TRUE(edits[i]->SubclassDlgItem(110 + i, &m_pai));
  }
  ASSERT_EQ(m_edit.Inicializa(m_empresa.Nome(), 1, 1), S_OK);
  const struct {
    _REG_POSICAO_PRODUTOPS posicao;
    bool bAchou;
    _REG_POSICAO_PRODUTOPS lida;
    const char* szGrade2;
  } kCasos[] = {
      {{11, 3, 42, 0}, true, {11, 3, 42, 0}, "42"},
      {{99, 1, 2, 3}, false, {}, ""},  // produto inexistente limpa a grade também
      {{13, 0, 0, 7}, true, {13, 0, 0, 7}, ""},
  };
  for (const auto& c : kCasos) {
    SCOPED_TRACE(c.posicao.lProduto);
    EXPECT_EQ(m_edit.SetPosicao(c.posicao), c.bAchou);
    _REG_POSICAO_PRODUTOPS lida{-1, -1, -1, -1};
    EXPECT_EQ(m_edit.GetPosicao(lida), c.bAchou);
    EXPECT_EQ(lida, c.lida);
    CString strGrade2;
    edits[1]->GetWindowText(strGrade2);
    EXPECT_EQ(strGrade2, c.szGrade2);
  }
  m_usuario.Digita(*edits[0], "x");
  _REG_POSICAO_PRODUTOPS lida;
  EXPECT_TRUE(m_edit.GetPosicao(lida));
  EXPECT_EQ(lida.lGrade1, 0) << "texto que não é número vale 0";
}

using MultiProdutoTest = CEditConsultaTeste<CMultiProdutoEditEx>;

TEST_F(MultiProdutoTest, VariosCodigosSeparadosPorPontoEVirgula) {
  CriaJanelas();
  ASSERT_EQ(m_edit.Inicializa(m_empresa.Nome(), 1, 1), S_OK);
  const struct {
    const char* szTexto;
    std::vector<long> produtos;
    const char* szStatic;
    const char* szMensagem;
  } kCasos[] = {
      {"CHP-2MM", {11}, "Chapa de aço 2 mm", ""},
      {"CHP-2MM;LUB-1L", {11, 14}, "2 produtos", ""},
      {"ROL-6204; PAR-0612 ;PST-38", {13, 10, 12}, "3 produtos", ""},
      {"CHP-2MM;XYZ", {}, "", "Produto não encontrado."},
      {"CHP-2MM;", {}, "", "Produto não encontrado."},
  };
  for (const auto& c : kCasos) {
    SCOPED_TRACE(c.szTexto);
    const std::size_t nCaixas = m_caixas.Caixas().size();
    DigitaESai(c.szTexto);
    CArray<long> produtos;
    EXPECT_EQ(m_edit.GetPosicoes(&produtos), static_cast<int>(c.produtos.size()));
    EXPECT_EQ(std::vector<long>(produtos.begin(), produtos.end()), c.produtos);
    EXPECT_EQ(Static(), c.szStatic);
    EXPECT_EQ(m_caixas.Caixas().size(), nCaixas + (*c.szMensagem ? 1 : 0));
    if (*c.szMensagem) {
      EXPECT_EQ(UltimaCaixa(), c.szMensagem);
    }
  }
}

using NotaAvulsaTest = CEditConsultaTeste<CNotasFiscaisEdit>;

TEST_F(NotaAvulsaTest, TipoDeNotaFiltraEAvulsaAceitaONumeroSemLista) {
  CriaJanelas();
  ASSERT_EQ(m_edit.Inicializa(m_empresa.Nome(), 1, 1), S_OK);
  const struct {
    int nNotas;
    const char* szNumero;
    bool bValida;
    long lChave;
    bool bBotao;
  } kCasos[] = {
      {CNotasFiscaisEdit::NOTAS_FISCAIS_TODAS, "1002", true, 22528, true},
      {1, "1002", false, 0, true},  // a nota 1002 é de outro tipo
      {1, "1001", true, 6144, true},
      {CNotasFiscaisEdit::NOTAS_FISCAIS_AVULSA, "12345", true, 0, false},  // vale, sem chave
      {CNotasFiscaisEdit::NOTAS_FISCAIS_AVULSA, "12a", false, 0, false},
      {CNotasFiscaisEdit::NOTAS_FISCAIS_TODAS, "12345", false, 0, true},
  };
  for (const auto& c : kCasos) {
    SCOPED_TRACE(testing::Message() << c.nNotas << " " << c.szNumero);
    m_edit.SetNotasFiscais(c.nNotas);
    EXPECT_EQ(m_edit.GetBtnConsulta()->IsWindowEnabled() != FALSE, c.bBotao);
    const std::size_t nCaixas = m_caixas.Caixas().size();
    DigitaESai(c.szNumero);
    EXPECT_EQ(m_caixas.Caixas().size(), nCaixas + (c.bValida ? 0 : 1));
    long lChave = -1;
    m_edit.GetPosicao(lChave);
    EXPECT_EQ(lChave, c.lChave);
    EXPECT_EQ(m_edit.GetEstadoValidacao(), c.bValida ? CBaseEditExDF::ESTADO_VALIDO : CBaseEditExDF::ESTADO_INVALIDO);
  }
  m_edit.SetNotasFiscais(CNotasFiscaisEdit::NOTAS_FISCAIS_AVULSA);
  m_edit.FazConsulta();
  EXPECT_TRUE(m_usuario.Abertos().empty()) << "a nota avulsa não tem lista";
}

TEST(TabelasPrecoTest, AtivasDoTipo) {
  CInstalacaoTeste instalacao;
  CEmpresaTeste empresa;
  const struct {
    char cCompraVenda, cProdutoServico;
    std::vector<unsigned long> tabelas;
  } kCasos[] = {
      {'C', 'P', {1, 5}},  // a de 2024 está desativada
      {'C', 'S', {2}},
      {'V', 0, {3}},
      {0, 0, {1, 5, 2, 3}},  // em ordem de código
  };
  for (const auto& c : kCasos) {
    SCOPED_TRACE(testing::Message() << c.cCompraVenda << c.cProdutoServico);
    CQZDadosDF_TabelaPrecoFiltro filtro;
    filtro.m_cCompraVenda = c.cCompraVenda;
    filtro.m_cProdutoServico = c.cProdutoServico;
    CQZArray<unsigned long> tabelas;
    tabelas.Add(77);
    EXPECT_EQ(BuscaPonteirosTabelaPreco(empresa.Nome(), filtro, &tabelas), S_OK);
    EXPECT_EQ(std::vector<unsigned long>(tabelas.begin(), tabelas.end()), c.tabelas);
  }
  CQZArray<unsigned long> tabelas;
  EXPECT_EQ(BuscaPonteirosTabelaPreco("Inexistente", CQZDadosDF_TabelaPrecoFiltro{}, &tabelas),
            QZ_E_EMPRESA_NAO_ENCONTRADA);
  EXPECT_EQ(BuscaPonteirosTabelaPreco(empresa.Nome(), CQZDadosDF_TabelaPrecoFiltro{}, nullptr), E_POINTER);
}

class CombosCadastroTest : public testing::Test {
 protected:
  void SetUp() override {
    CreateWindowExA(0, "COMBOBOX", "", WS_CHILD | WS_VISIBLE | CBS_DROPDOWNLIST, 0, 0, 200, 100, m_pai.m_hWnd, 100,
                    nullptr, nullptr);
  }
  CInstalacaoTeste m_instalacao;
  CEmpresaTeste m_empresa;
  CPaiGravador m_pai;
};

TEST_F(CombosCadastroTest, BasesDeCreditoPeloModeloDeDocumento) {
  CComboBaseCalculoCredito combo;
  ASSERT_TRUE(combo.SubclassDlgItem(100, &m_pai));
  ASSERT_EQ(combo.Carrega(m_empresa.Nome()), S_OK);
  const struct {
    const char* szModelo;
    std::vector<std::string> codigos;
  } kCasos[] = {
      {"55", {"01", "02", "12", "13"}},  // mercadorias e as de todos os modelos
      {"57", {"03", "07", "13"}},
      {" 06 ", {"04", "13"}},
      {"XX", {"13"}},  // modelo desconhecido: só as de todos
      {"", {"01", "02", "03", "04", "07", "12", "13"}},
  };
  for (const auto& c : kCasos) {
    SCOPED_TRACE(c.szModelo);
    combo.SetModeloDocumento(c.szModelo);
    std::vector<std::string> codigos;
    for (int i = 0; i < combo.GetCount(); ++i) {
      combo.SetCurSel(i);
      codigos.push_back(combo.GetText().GetString());
    }
    EXPECT_EQ(codigos, c.codigos);
  }
}

TEST_F(CombosCadastroTest, IndicesFiltradosPelaSigla) {
  CComboIndice combo;
  ASSERT_TRUE(combo.SubclassDlgItem(100, &m_pai));
  ASSERT_EQ(combo.Carrega(m_empresa.Nome()), S_OK);
  EXPECT_EQ(combo.GetText(), "") << "sem seleção";
  combo.SetFiltrarIndices("USD;IPCA;XYZ", true);
  EXPECT_EQ(ItensDoCombo(combo),
            (std::vector<std::string>{"IPCA — Índice de Preços ao Consumidor Amplo", "Dólar comercial (venda)"}));
  combo.SetCurSel(1);
  EXPECT_EQ(combo.GetText(), "USD");
  combo.SetFiltrarIndices("USD", false);
  EXPECT_EQ(combo.GetCount(), 5);
  EXPECT_EQ(combo.GetText(), "USD") << "a seleção fica quando o índice continua na lista";
}

}  // namespace
