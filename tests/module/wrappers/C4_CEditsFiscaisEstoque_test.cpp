// As operações exportadas dos wrappers de compras, fiscal e estoque sobre a empresa de
// amostra: o CST do IPI com 100 por "sem código", o botão da nota fiscal que segue a
// janela salvo na nota avulsa, as tabelas de preço ativas com a falha mostrada, o
// local em maiúsculas que o pai ouve uma vez, e os edits de seleção múltipla.
#include <algorithm>
#include <functional>
#include <vector>

#include "edit_consulta_teste.h"
#include "vrmwnd/wrappers/C4_CEditsEstoque.h"
#include "vrmwnd/wrappers/C4_CEditsFiscais.h"
#include "vrmwnd/wrappers/C4_CMultiSelecao.h"

namespace {

using C4CEditCSTIPITest = CEditNaEmpresaTeste<C4_CEditCSTIPI>;

TEST_F(C4CEditCSTIPITest, CemQuerDizerSemCodigo) {
  const struct {
    unsigned short nPosto;
    const char* szMostrado;
    unsigned short nLido;
  } kCasos[] = {
      {2, "02", 2},   {0, "00", 0},    // 0 é um CST, não "nenhum"
      {100, "", 100}, {50, "50", 50},  // sem filtro, os de saída também
      {77, "", 100},                   // não é CST: limpa
  };
  for (const auto& c : kCasos) {
    SCOPED_TRACE(c.nPosto);
    m_edit.SetPosicao(c.nPosto);
    EXPECT_EQ(m_edit.GetText(), c.szMostrado);
    EXPECT_EQ(m_edit.GetPosicao(), c.nLido);
  }
  DigitaESai("49");
  EXPECT_EQ(m_edit.GetPosicao(), 49) << "o texto digitado, lido como número";
  EXPECT_EQ(Static(), "Outras entradas");
}

using C4CNotasFiscaisEditTest = CEditNaEmpresaTeste<C4_CNotasFiscaisEdit>;

TEST_F(C4CNotasFiscaisEditTest, EnableWindowLevaOBotaoSalvoNaNotaAvulsa) {
  const struct {
    int nNotas;
    BOOL bHabilita;
    bool bBotao;
  } kCasos[] = {
      {CNotasFiscaisEdit::NOTAS_FISCAIS_TODAS, FALSE, false},
      {CNotasFiscaisEdit::NOTAS_FISCAIS_TODAS, TRUE, true},
      {CNotasFiscaisEdit::NOTAS_FISCAIS_AVULSA, TRUE, false},
      {1, TRUE, true},
      {1, FALSE, false},
  };
  for (const auto& c : kCasos) {
    SCOPED_TRACE(testing::Message() << c.nNotas << " " << c.bHabilita);
    m_edit.SetNotasFiscais(c.nNotas);
    m_edit.EnableWindow(c.bHabilita);
    EXPECT_EQ(m_edit.IsWindowEnabled() != FALSE, c.bHabilita != FALSE);
    EXPECT_EQ(m_edit.GetBtnConsulta()->IsWindowEnabled() != FALSE, c.bBotao);
  }
}

using C4CTabPrecoEditTest = CEditNaEmpresaTeste<C4_CTabPrecoEdit>;

TEST_F(C4CTabPrecoEditTest, TodasAsAtivasDoTipoEAFalhaNaCaixa) {
  m_edit.SetCompraVenda('C');
  m_edit.SetProdutoServico('P');
  CQZArray<unsigned long> tabelas;
  m_edit.GetTodasTabelasAtivas(&tabelas);
  EXPECT_EQ(std::vector<unsigned long>(tabelas.begin(), tabelas.end()), (std::vector<unsigned long>{1, 5}));
  EXPECT_TRUE(m_caixas.Caixas().empty());

  vrmsuite::ProgramaFalhaLeitura("Cadastro::Busca", QZ_E_BANCO_DE_DADOS, 1);
  m_edit.GetTodasTabelasAtivas(&tabelas);
  EXPECT_EQ(tabelas.GetSize(), 0);
  ASSERT_EQ(m_caixas.Caixas().size(), 1u);
  EXPECT_EQ(m_caixas.Caixas().back().strTitulo, "Erro");
  EXPECT_NE(UltimaCaixa().find("CMEditTabPreco"), std::string::npos) << UltimaCaixa();
  EXPECT_NE(UltimaCaixa().find("Local: 382301/1430"), std::string::npos) << UltimaCaixa();
}

using C4CLocaisEditTest = CEditNaEmpresaTeste<C4_CLocaisEdit>;

TEST_F(C4CLocaisEditTest, MinusculasViramMaiusculasEOPaiOuveUmaVez) {
  bool bPorta = true;
  m_edit.SetCanSendChangeEvents(&bPorta);
  m_pai.Limpa();
  m_usuario.Clica(m_edit);
  m_usuario.Digita(m_edit, "arm-quar");
  ::SetFocus(GetDlgItem(m_pai.m_hWnd, 102));
  EXPECT_EQ(m_edit.GetText(), "ARM-QUAR");
  const auto nMudancas = std::count_if(m_pai.Recebidas().begin(), m_pai.Recebidas().end(), [](const TNotificacao& n) {
    return n.nId == 100 && n.strCodigo == "EN_CHANGE";
  });
  EXPECT_EQ(nMudancas, 8) << "uma por letra digitada, com o texto já em maiúsculas";
  EXPECT_EQ(m_edit.GetPosicao(), 3);
  EXPECT_EQ(m_edit.GetLote(), 502);
  EXPECT_EQ(Static(), "Quarentena de importados");
}

using C4CTaxaConversaoTest = CEditNaEmpresaTeste<C4_CTaxaConversaoUnMedida>;

TEST_F(C4CTaxaConversaoTest, LimparTiraATaxa) {
  ASSERT_TRUE(m_edit.SetPosicao(1, 1));
  EXPECT_EQ(Static(), "Caixa com 12 unidades");
  m_edit.Limpar();
  EXPECT_EQ(m_edit.GetText(), "");
  EXPECT_EQ(Static(), "");
}

// Os dois edits de seleção múltipla, pela mesma tabela: as chaves postas, o que o
// edit mostra, se fica habilitado e a lista devolvida.
template <class TWrapper, class TChave>
struct TCasoMulti {
  std::vector<TChave> postas;
  const char* szTexto;
  const char* szStatic;
  bool bHabilitado;
};

template <class TWrapper, class TChave>
void ConfereMulti(TWrapper& edit, const std::vector<TCasoMulti<TWrapper, TChave>>& casos,
                  std::function<std::string()> fnStatic) {
  for (const auto& c : casos) {
    SCOPED_TRACE(testing::Message() << c.postas.size() << " chaves");
    T_Lista<TChave> lista;
    for (TChave k : c.postas) lista.Add(k);
    edit.SetListaPosicao(lista);
    EXPECT_EQ(edit.GetText(), c.szTexto);
    EXPECT_EQ(fnStatic(), c.szStatic);
    EXPECT_EQ(edit.IsWindowEnabled() != FALSE, c.bHabilitado);
    const T_Lista<TChave> lida = edit.GetListaPosicao();
    EXPECT_EQ(std::vector<TChave>(lida.begin(), lida.end()), c.postas);
  }
}

using C4CMultiCFOPExTest = CEditNaEmpresaTeste<C4_CMultiCFOPEx>;

TEST_F(C4CMultiCFOPExTest, UmaChaveNoEditVariasNaLista) {
  m_edit.SetFilial(1);
  ConfereMulti<C4_CMultiCFOPEx, unsigned short>(m_edit,
                                                {
                                                    {{2}, "1556", "Compra de material para uso ou consumo", true},
                                                    {{1, 6, 4}, "", "Várias", false},
                                                    {{}, "", "", true},
                                                    {{1, 4}, "", "Várias", false},
                                                    {{6}, "1949", "Outra entrada não especificada", true},
                                                },
                                                [this] { return Static(); });
  m_edit.SetListaPosicao(T_Lista<unsigned short>{});
  DigitaESai("1102");
  const T_Lista<unsigned short> lida = m_edit.GetListaPosicao();
  EXPECT_EQ(std::vector<unsigned short>(lida.begin(), lida.end()), std::vector<unsigned short>{1})
      << "a chave digitada é a lista";
}

using C4CMultiPedeContaExTest = CEditNaEmpresaTeste<C4_CMultiPedeContaEx>;

TEST_F(C4CMultiPedeContaExTest, UmaContaNoEditVariasNaLista) {
  ConfereMulti<C4_CMultiPedeContaEx, unsigned long>(m_edit,
                                                    {
                                                        {{2001, 2002}, "", "Várias", false},
                                                        {{2100}, "2.1.01", "Fornecedores nacionais", true},
                                                        {{}, "", "", true},
                                                    },
                                                    [this] { return Static(); });
}

}  // namespace
