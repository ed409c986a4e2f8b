// Os edits de cadastro sobre a empresa de amostra, usados por uma pessoa roteirizada,
// um cadastro por linha da mesma tabela: digitar um código e sair mostra a descrição;
// um código desconhecido (ou fora dos filtros) dá a mensagem do cadastro; o botão de
// consulta abre a lista e a linha escolhida vira a posição. Depois, as contas
// sintéticas e seus filtros.
#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "edit_consulta_teste.h"
#include "vrmwnd/suite.h"

namespace {

class EditsCadastroTest : public testing::Test {
 protected:
  void SetUp() override {
    CreateWindowExA(0, "STATIC", "", WS_CHILD | WS_VISIBLE, 0, 30, 200, 20, m_pai.m_hWnd, 101, nullptr, nullptr);
    CreateWindowExA(0, "EDIT", "", WS_CHILD | WS_VISIBLE | WS_TABSTOP, 0, 60, 100, 20, m_pai.m_hWnd, 102, nullptr,
                    nullptr);
    ASSERT_TRUE(m_static.SubclassDlgItem(101, &m_pai));
  }
  void TearDown() override { vrmsuite::LimpaFalhasLeitura(); }

  // Um edit novo na janela nId, ligado ao static e à empresa.
  void Prepara(CEditCadastro& edit, int nId) {
    CreateWindowExA(0, "EDIT", "", WS_CHILD | WS_VISIBLE | WS_TABSTOP, 0, 0, 100, 20, m_pai.m_hWnd,
                    static_cast<UINT>(nId), nullptr, nullptr);
    ASSERT_TRUE(edit.SubclassDlgItem(static_cast<UINT>(nId), &m_pai));
    edit.SetStaticCompanheiro(&m_static);
    ASSERT_EQ(edit.Inicializa(m_empresa.Nome(), 4, 99), S_OK);
  }
  void DigitaESai(CEditCadastro& edit, const char* szTexto) {
    DigitaESaiPara(m_usuario, edit, GetDlgItem(m_pai.m_hWnd, 102), szTexto);
  }
  std::string Static() const { return TextoDaJanela(m_static); }

  CInstalacaoTeste m_instalacao;
  CEmpresaTeste m_empresa;
  CApresentadorTeste m_caixas;
  CPaiGravador m_pai;
  CUsuarioRoteirizado m_usuario;
  CStatic m_static;
};

struct TCasoCadastro {
  const char* szCadastro;
  std::function<std::unique_ptr<CEditCadastro>()> cria;  // com os filtros do caso
  const char* szCodigo;
  const char* szDescricao;
  DWORD lChave;
  const char* szDesconhecido;  // não existe, ou não passa nos filtros
  const char* szMensagem;
  const char* szTituloLista;
  int nLinhas;
  int nEscolhida;
  DWORD lChaveEscolhida;
  const char* szCodigoEscolhido;
};

TEST_F(EditsCadastroTest, CodigoDescricaoMensagemELista) {
  const TCasoCadastro kCasos[] = {
      {"filial", [] { return std::make_unique<CFilialEdit>(); }, "2", "Filial Curitiba", 2, "4",
       "Filial não encontrada ou desativada.", "Relação de Filiais", 3, 2, 3, "3"},
      {"natureza de Curitiba",
       [] {
         auto p = std::make_unique<CNaturezaEdit>();
         p->SetFilial(2);
         return p;
       },
       "1102", "Compra para comercialização — Curitiba", 21, "1556",
       "Natureza de operação não encontrada para esta filial.", "Relação de Naturezas de Operação", 2, 1, 3, "3102"},
      {"conta disponível",
       [] {
         auto p = std::make_unique<CPedeContaEx>();
         p->SetCaracteristica(0x40);
         return p;
       },
       "1.1.01.002", "Banco Paulista c/c 4471-2", 1102, "2.1.01.001", "Conta não encontrada.", "Relação de Contas", 4,
       0, 1100, "1.1.01"},
      {"histórico", [] { return std::make_unique<CPedeHistEx>(); }, "4", "Frete sobre compras", 4, "3",
       "Histórico não encontrado ou desativado.", "Relação de Históricos", 4, 3, 5, "5"},
      {"produto", [] { return std::make_unique<CProdutoEdit>(); }, "CHP-2MM", "Chapa de aço 2 mm", 11, "XYZ",
       "Produto não encontrado.", "Relação de Produtos", 5, 4, 13, "ROL-6204"},
      {"unidade", [] { return std::make_unique<CUnidadeMedidaEdit>(); }, "KG", "Quilograma", 2, "XX",
       "Unidade de medida não encontrada.", "Relação de Unidades de Medida", 6, 0, 5, "H"},
      {"situação", [] { return std::make_unique<CSituacaoTributariaEdit>(); }, "10",
       "Tributada e com cobrança do ICMS por substituição", 10, "99", "Situação tributária não encontrada.",
       "Relação de Situações Tributárias", 4, 2, 101, "101"},
      {"documento", [] { return std::make_unique<CCadastroDocumentoEdit>(); }, "NFS", "Nota fiscal de serviço", 2,
       "REC", "Tipo de documento não encontrado ou não usado na entrada.", "Relação de Tipos de Documento", 4, 0, 1,
       "NFE"},
      {"usuário", [] { return std::make_unique<CUsuarioEdit>(); }, "mcosta", "Marina Costa", 4, "rvieira",
       "Usuário não encontrado ou desativado.", "Relação de Usuários", 3, 1, 7, "jpedroso"},
      {"comprador", [] { return std::make_unique<CCompradorEdit>(); }, "MCOSTA", "Marina Costa — materiais", 1, "ZZ",
       "Comprador não encontrado.", "Relação de Compradores", 2, 0, 2, "JPEDROSO"},
      {"requerente", [] { return std::make_unique<CRequerenteEdit>(); }, "OLIMA", "Otávio Lima", 2, "X",
       "Requerente não encontrado.", "Relação de Requerentes", 3, 2, 1, "RFERRAZ"},
      {"departamento de Curitiba",
       [] {
         auto p = std::make_unique<CDepartamentoEdit>();
         p->SetFilial(2);
         return p;
       },
       "LOG-PR", "Logística Curitiba", 4, "PROD", "Departamento não encontrado para esta filial.",
       "Relação de Departamentos", 2, 0, 1, "ADM"},
      {"município", [] { return std::make_unique<CMunicipioEdit>(); }, "4106902", "Curitiba", 2, "1234567",
       "Município não encontrado.", "Relação de Municípios", 5, 3, 1, "3550308"},
      {"contrato da matriz",
       [] {
         auto p = std::make_unique<CCMContratoCompraEdit>();
         p->SetFilial(1);
         return p;
       },
       "CT-2025-01", "Fornecimento anual de chapas de aço", 1, "CT-2025-02",
       "Contrato de compra não encontrado ou encerrado para esta filial.", "Relação de Contratos de Compra", 2, 1, 3,
       "CT-2025-03"},
      {"controle de qualidade", [] { return std::make_unique<CCQEditControleSimples>(); }, "CQ-DIM",
       "Conferência dimensional por amostragem", 2, "CQ-XX", "Controle de qualidade não encontrado.",
       "Relação de Controles de Qualidade", 3, 2, 1, "CQ-VIS"},
      {"código de barras", [] { return std::make_unique<CCodigoBarrasSimplesEdit>(); }, "7891234500113",
       "Chapa de aço 2 mm", 2, "7890000000000", "Código de barras não encontrado.", "Relação de Códigos de Barras", 5,
       0, 5, "17891234500103"},
      {"complemento", [] { return std::make_unique<CComplementoEx>(); }, "3", "devolvida por avaria no transporte", 3,
       "9", "Complemento de histórico não encontrado.", "Relação de Complementos de Histórico", 4, 3, 4, "4"},
      {"contato", [] { return std::make_unique<CEditContatoCFRT>(); }, "21", "Márcio Teles", 21, "13",
       "Contato não encontrado.", "Relação de Contatos", 4, 3, 41, "41"},
      {"ajuste da EFD", [] { return std::make_unique<CEditAjusteEFD>(); }, "PR020170",
       "Crédito presumido de ICMS — Paraná", 3, "SP000000", "Código de ajuste da EFD não encontrado.",
       "Relação de Códigos de Ajuste da EFD", 3, 1, 1, "SP020718"},
      {"CST do IPI de entrada",
       [] {
         auto p = std::make_unique<CEditCSTIPI>();
         p->SetEntradaSaida('E');
         return p;
       },
       "49", "Outras entradas", 4, "50", "Situação tributária do IPI não encontrada.",
       "Relação de Situações Tributárias do IPI", 4, 0, 1, "00"},
      {"local de Curitiba, digitado em minúsculas",
       [] {
         auto p = std::make_unique<CLocaisEdit>();
         p->SetFilial(2);
         return p;
       },
       "dep-pr", "Depósito Curitiba", 4, "ALM-01", "Local de estoque não encontrado para esta filial.",
       "Relação de Locais de Estoque", 2, 0, 3, "ARM-QUAR"},
      {"mensagem", [] { return std::make_unique<CMensagemEdit>(); }, "2",
       "Imposto retido conforme legislação municipal.", 2, "3", "Mensagem não encontrada ou desativada.",
       "Relação de Mensagens", 2, 0, 1, "1"},
      {"movimento de saída",
       [] {
         auto p = std::make_unique<CMovimentoEdit>();
         p->SetEntradaSaida('S');
         return p;
       },
       "STRF", "Saída por transferência entre filiais", 3, "ECOMP", "Movimento de estoque não encontrado.",
       "Relação de Movimentos de Estoque", 2, 0, 4, "SCONS"},
      {"nota fiscal", [] { return std::make_unique<CNotasFiscaisEdit>(); }, "3310", "Consultoria Araucária Ltda", 18432,
       "9999", "Nota fiscal não encontrada.", "Relação de Notas Fiscais", 6, 1, 26624, "88"},
      {"produto do recebimento", [] { return std::make_unique<CRecbtoProdutoEdit>(); }, "ROL-6204",
       "Rolamento 6204 importado", 13, "LUB-1L", "Produto não encontrado.", "Relação de Produtos com Estoque", 4, 1, 10,
       "PAR-0612"},
      {"recolhimento", [] { return std::make_unique<CRecolhimentoEdit>(); }, "5952", "PIS/COFINS/CSLL retidos na fonte",
       2, "0000", "Código de recolhimento não encontrado.", "Relação de Códigos de Recolhimento", 3, 1, 3, "2631"},
      {"tabela de preço de compra de produtos",
       [] {
         auto p = std::make_unique<CTabPrecoEdit>();
         p->SetCompraVenda('C');
         p->SetProdutoServico('P');
         return p;
       },
       "TP-IMP", "Importados em dólar", 5, "TP-ANT", "Tabela de preço não encontrada ou desativada.",
       "Relação de Tabelas de Preço", 2, 0, 1, "TP-COMP"},
      {"taxa de conversão", [] { return std::make_unique<CTaxaConversaoUnMedida>(); }, "T-KG",
       "Tonelada em quilogramas", 2, "XX", "Taxa de conversão não encontrada para esta unidade.",
       "Relação de Taxas de Conversão", 4, 2, 4, "GL-L"},
  };
  int nId = 200;
  for (const auto& c : kCasos) {
    SCOPED_TRACE(c.szCadastro);
    auto pEdit = c.cria();
    Prepara(*pEdit, ++nId);
    if (HasFatalFailure()) return;

    DigitaESai(*pEdit, c.szCodigo);
    EXPECT_EQ(Static(), c.szDescricao);
    DWORD lChave = 0;
    EXPECT_TRUE(pEdit->GetPosicao(lChave));
    EXPECT_EQ(lChave, c.lChave);

    const std::size_t nCaixas = m_caixas.Caixas().size();
    DigitaESai(*pEdit, c.szDesconhecido);
    ASSERT_EQ(m_caixas.Caixas().size(), nCaixas + 1);
    EXPECT_EQ(m_caixas.Caixas().back().strTexto, c.szMensagem);
    EXPECT_EQ(Static(), "");
    EXPECT_FALSE(pEdit->GetPosicao(lChave));
    EXPECT_EQ(lChave, 0u);

    int nLinhasVistas = -1;
    m_usuario.QuandoAbrir(c.szTituloLista).Confere([&](HWND hDialogo) {
      HWND hLista = GetDlgItem(hDialogo, CConsulta::IDC_LISTA);
      nLinhasVistas = static_cast<CListCtrl*>(CWnd::FromHandle(hLista))->GetItemCount();
      InputDoubleClick(hLista, 5, kListViewHeaderHeight + c.nEscolhida * kListViewRowHeight + 2);
    });
    ASSERT_NE(pEdit->GetBtnConsulta(), nullptr) << "o botão nasce ao lado do edit";
    m_usuario.Clica(*pEdit->GetBtnConsulta());
    EXPECT_EQ(nLinhasVistas, c.nLinhas);
    EXPECT_EQ(pEdit->GetText(), c.szCodigoEscolhido);
    EXPECT_TRUE(pEdit->GetPosicao(lChave));
    EXPECT_EQ(lChave, c.lChaveEscolhida);
    EXPECT_FALSE(pEdit->SetPosicao(0));
    EXPECT_EQ(pEdit->GetText(), "");
    pEdit->OnFinaliza();
  }
  EXPECT_EQ(m_instalacao.Gravado("QZProfilerErros"), "") << "recusar um código não é falha";
}

TEST_F(EditsCadastroTest, ContaSinteticaRepresentaSuasAnaliticas) {
  const struct {
    const char* szTipos;
    unsigned long lConta;
    bool bAceita;
    std::vector<unsigned long> posicoes;
  } kCasos[] = {
      {"", 2100, true, {2001, 2002}},  // sintética: as analíticas debaixo dela
      {"", 3100, true, {5001, 5002}},
      {"", 2001, true, {2001}},  // analítica: ela mesma
      {"T", 1100, true, {1101, 1102, 1103}},
      {"T", 1101, false, {}},  // analítica recusada quando só 'T' vale
      {"A", 1100, false, {}},
      {"", 6001, false, {}},  // conta gerencial não é do plano de contas
      {"", 0, false, {}},
  };
  CPedeContaEx edit;
  Prepara(edit, 300);
  if (HasFatalFailure()) return;
  for (const auto& c : kCasos) {
    SCOPED_TRACE(testing::Message() << c.lConta << " tipos=" << c.szTipos);
    edit.SetTiposConta(c.szTipos);
    EXPECT_EQ(edit.SetPosicao(c.lConta), c.bAceita);
    CArray<unsigned long> posicoes;
    EXPECT_EQ(edit.GetPosicoes(&posicoes), static_cast<int>(c.posicoes.size()));
    std::vector<unsigned long> vistas(posicoes.GetData(), posicoes.GetData() + posicoes.GetSize());
    EXPECT_EQ(vistas, c.posicoes);
  }
  edit.OnFinaliza();
}

TEST_F(EditsCadastroTest, FalhaDoBancoVaiParaACaixaEOCodigoFicaRecusado) {
  CProdutoEdit edit;
  Prepara(edit, 310);
  if (HasFatalFailure()) return;
  vrmsuite::ProgramaFalhaLeitura("Cadastro::Busca", QZ_E_BANCO_DE_DADOS, 1);
  DigitaESai(edit, "CHP-2MM");
  ASSERT_FALSE(m_caixas.Caixas().empty());
  EXPECT_EQ(m_caixas.Caixas().back().strTitulo, "Erro");
  EXPECT_NE(m_caixas.Caixas().back().strTexto.find("Local: 382101/1420"), std::string::npos)
      << m_caixas.Caixas().back().strTexto;
  EXPECT_NE(m_instalacao.Gravado("QZProfilerErros").find("CEditCadastro::Existe"), std::string::npos);
  long lProduto = -1;
  EXPECT_TRUE(edit.GetPosicao(lProduto)) << "a falha passou; a nova validação acha o produto";
  EXPECT_EQ(lProduto, 11);
  edit.OnFinaliza();
}

}  // namespace
