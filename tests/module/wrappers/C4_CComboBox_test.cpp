// Wrapper de combo: seleção por programa notada com atraso e sem notificar, a porta
// sobre CBN_SELCHANGE, CBN_DROPDOWN consumido pelo próprio combo, a largura da
// lista pelo maior item; e o wrapper de botão.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "janelas_teste.h"
#include "vrmwnd/vrmwnd.h"

using testing::ElementsAre;
using testing::IsEmpty;

namespace {

class C4CComboBoxTest : public testing::Test {
 protected:
  void Cria(C4_CComboBox& combo, int nId, int nLargura = 120) {
    CreateWindowExA(0, "COMBOBOX", "", WS_CHILD | WS_VISIBLE | WS_TABSTOP | CBS_DROPDOWNLIST, 10, 10, nLargura, 100,
                    m_pai.m_hWnd, static_cast<UINT>(nId), nullptr, nullptr);
    ASSERT_TRUE(combo.SubclassDlgItem(static_cast<UINT>(nId), &m_pai));
  }
  CPaiGravador m_pai;
  CUsuarioRoteirizado m_usuario;
};

TEST_F(C4CComboBoxTest, SelecaoPorProgramaENotadaDepoisSemNotificar) {
  C4_CComboBox combo;
  Cria(combo, 1);
  for (const char* sz : {"um", "dois"}) combo.AddString(sz);
  combo.SetCurSel(1);
  EXPECT_EQ(combo.Get_C4_Modify(), 0) << "CB_SETCURSEL vê o texto de antes";
  combo.GetCurSel();
  EXPECT_EQ(combo.Get_C4_Modify(), 1) << "a mensagem seguinte nota a mudança";
  EXPECT_THAT(m_pai.Recebidas(), IsEmpty());
}

TEST_F(C4CComboBoxTest, PortaDecideSeOPaiOuveAEscolha) {
  for (bool bAberta : {true, false}) {
    SCOPED_TRACE(bAberta);
    C4_CComboBox combo;
    Cria(combo, bAberta ? 2 : 3);
    combo.AddString("um");
    combo.AddString("dois");
    combo.SetCanSendChangeEvents(&bAberta);
    m_pai.Limpa();
    m_usuario.Escolhe(combo, "dois");
    std::vector<std::string> esperadas = {"CBN_SETFOCUS"};
    if (bAberta) esperadas.push_back("CBN_SELCHANGE");
    esperadas.push_back("CBN_SELENDOK");
    esperadas.push_back("CBN_CLOSEUP");
    EXPECT_EQ(m_pai.Codigos(), esperadas) << "CBN_DROPDOWN fica com o combo";
    EXPECT_EQ(combo.Get_C4_Modify(), 1);
    SetFocus(nullptr);
  }
}

TEST_F(C4CComboBoxTest, ListaAlargaAoMaiorItemQuandoAbre) {
  struct Caso {
    const char* szCaso;
    std::vector<const char*> itens;
    int nLarguraCombo;
    int nLarguraLista;
  };
  const Caso kCasos[] = {
      {"sem itens: a largura de \"0\"", {}, 4, 6},
      {"maior item + barra + \"0\"", {"Cotações", "OC"}, 50, 8 * 6 + 17 + 6},
      {"mais estreita que o combo fica a do combo", {"OC"}, 120, 120},
  };
  int nId = 10;
  for (const auto& c : kCasos) {
    SCOPED_TRACE(c.szCaso);
    C4_CComboBox combo;
    Cria(combo, ++nId, c.nLarguraCombo);
    for (const char* sz : c.itens) combo.AddString(sz);
    combo.SetRecalculaTamanhoPeloTexto(true);
    m_usuario.Clica(combo);
    EXPECT_EQ(combo.GetDroppedWidth(), c.nLarguraLista);
    SetFocus(nullptr);
  }
}

TEST_F(C4CComboBoxTest, BotaoSempreDeixaOPaiOuvirOClique) {
  C4_CButton botao;
  ASSERT_TRUE(botao.Create("OK", WS_VISIBLE | BS_DEFPUSHBUTTON, CRect(0, 0, 50, 20), &m_pai, IDOK));
  bool bFechada = false;
  botao.SetCanSendChangeEvents(&bFechada);
  m_usuario.Clica(botao);
  EXPECT_THAT(m_pai.Codigos(), ElementsAre("BN_CLICKED")) << "o botão não consulta a porta";
  EXPECT_EQ(botao.GetButtonStyle() & BS_TYPEMASK, static_cast<UINT>(BS_DEFPUSHBUTTON));
  EXPECT_TRUE(botao.IsKindOf(RUNTIME_CLASS(CButton)));
  EXPECT_STREQ(botao.GetRuntimeClass()->m_lpszClassName, "C4_CButton");
}

}  // namespace
