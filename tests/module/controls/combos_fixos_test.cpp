// Combos de lista fixa: os itens e códigos de cada lista, a seleção por código com
// e sem volta ao código 0, a reconstrução pelo filtro e o que o pai ouve.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "janelas_teste.h"
#include "vrmwnd/vrmwnd.h"

using testing::ElementsAre;
using testing::ElementsAreArray;
using testing::IsEmpty;

namespace {

class CombosFixosTest : public testing::Test {
 protected:
  void Cria(CComboBox& combo, int nId) {
    CreateWindowExA(0, "COMBOBOX", "", WS_CHILD | WS_VISIBLE | WS_TABSTOP | CBS_DROPDOWNLIST, 10, 10, 150, 100,
                    m_pai.m_hWnd, static_cast<UINT>(nId), nullptr, nullptr);
    ASSERT_TRUE(combo.SubclassDlgItem(static_cast<UINT>(nId), &m_pai));
  }
  static std::vector<std::string> Itens(const CComboBox& combo) {
    std::vector<std::string> itens;
    for (int i = 0; i < combo.GetCount(); ++i) {
      CString str;
      combo.GetLBText(i, str);
      itens.push_back(std::to_string(combo.GetItemData(i)) + "=" + str.GetString());
    }
    return itens;
  }
  static std::string Selecionado(const CComboBox& combo) {
    CString str;
    combo.GetWindowText(str);
    return str.GetString();
  }
  CPaiGravador m_pai;
  CUsuarioRoteirizado m_usuario;
};

TEST_F(CombosFixosTest, TipoAlertaTemDezItensEEscolhePorCodigo) {
  constexpr struct {
    unsigned short nTipo;
    const char* szTexto;
  } kCasos[] = {
      {0, ""}, {1, "Cotações"}, {7, "Entrega Atrasada"}, {9, "Vencimento de Contratos de Compra"}, {10, ""},
  };
  for (const auto& c : kCasos) EXPECT_EQ(CCMComboTipoAlerta::GetTipoAlertaDescricao(c.nTipo), c.szTexto) << c.nTipo;
  CCMComboTipoAlerta combo;
  Cria(combo, 1);
  EXPECT_EQ(combo.GetTipoAlertaSelecionado(), 0) << "sem seleção";
  combo.InicializaControles();
  combo.InicializaControles();
  EXPECT_EQ(combo.GetCount(), 20) << "a segunda chamada duplica os itens";
  combo.SelecionaTipoAlerta(3);
  EXPECT_EQ(combo.GetCurSel(), 3) << "escolhe a primeira cópia";
  EXPECT_EQ(combo.GetTipoAlertaSelecionado(), 3);
  combo.SelecionaTipoAlerta(42);
  EXPECT_EQ(combo.GetCurSel(), CB_ERR);
}

TEST_F(CombosFixosTest, FreteSemTransporteProprio) {
  struct Caso {
    bool bIgnorar;
    std::vector<std::string> itens;
  };
  const Caso kCasos[] = {
      {false,
       {"0=Emitente", "1=Destinatário", "2=Terceiro", "3=Próprio por conta do remetente",
        "4=Próprio por conta do destinatário", "9=Sem Frete"}},
      {true, {"0=Emitente", "1=Destinatário", "2=Terceiro", "9=Sem Frete"}},
  };
  int nId = 10;
  for (const auto& c : kCasos) {
    SCOPED_TRACE(c.bIgnorar);
    C4_CComboBoxFretePorConta combo;
    Cria(combo, ++nId);
    if (c.bIgnorar) combo.IgnorarTransporteProprio();
    combo.Inicializa();
    EXPECT_THAT(Itens(combo), ElementsAreArray(c.itens));
    EXPECT_EQ(combo.GetItemHeight(-1), 17) << "14 DLU = 23 pixels, menos duas bordas de 3";
    combo.SetDado(3);
    EXPECT_EQ(combo.GetDado(), c.bIgnorar ? 255 : 3);
    combo.SetDado(9);
    EXPECT_EQ(Selecionado(combo), "Sem Frete");
  }
  C4_CComboBoxFretePorConta duplicado;
  Cria(duplicado, 20);
  duplicado.Inicializa();
  duplicado.Inicializa();
  EXPECT_EQ(duplicado.GetCount(), 12);
  duplicado.SetDado(2);
  EXPECT_EQ(duplicado.GetCurSel(), 2);
}

TEST_F(CombosFixosTest, SituacaoVoltaANormalQuandoOCodigoSai) {
  bool bPorta = false;
  C4_CComboBoxRESituacao combo;
  Cria(combo, 30);
  combo.SetCanSendChangeEvents(&bPorta);
  combo.Inicializa();
  EXPECT_THAT(Itens(combo), ElementsAre("0=Normal", "1=Extemporânea"));
  EXPECT_EQ(Selecionado(combo), "Normal") << "código desconhecido cai no item 0";
  combo.SetDado(1);
  combo.SetFiltro(1);
  EXPECT_THAT(Itens(combo), ElementsAre("0=Normal", "2=Cancelada"));
  EXPECT_EQ(combo.GetDado(), 0);
  combo.SetDado(2);
  combo.SetFiltro(0);
  EXPECT_EQ(combo.GetDado(), 0) << "Cancelada some com o filtro 0";
  EXPECT_EQ(combo.Get_C4_Modify(), 1);
  EXPECT_THAT(m_pai.Recebidas(), IsEmpty()) << "mudanças por programa não notificam";
}

TEST_F(CombosFixosTest, EntradaEstoqueSoRefazQuandoOFiltroMuda) {
  bool bPorta = true;
  C4_CComboBoxREEntradaEstoque combo;
  Cria(combo, 40);
  combo.SetCanSendChangeEvents(&bPorta);
  combo.Inicializa();
  EXPECT_THAT(Itens(combo),
              ElementsAre("1=Entrada em estoque", "2=Entrada em consignação", "3=Sem entrada em estoque"));
  EXPECT_EQ(combo.GetDado(), 0) << "nenhum tipo 0: fica sem seleção";
  m_usuario.Escolhe(combo, "Entrada em consignação");
  EXPECT_THAT(m_pai.Codigos(), ElementsAre("CBN_SETFOCUS", "CBN_SELCHANGE", "CBN_SELENDOK", "CBN_CLOSEUP"));
  combo.SetFiltro(TCMREQualEntradaEstoque());
  EXPECT_EQ(combo.GetDado(), 2) << "filtro igual não mexe na escolha do usuário";

  T_Lista<TCMREQualEntradaEstoqueTipo> tipos;
  tipos.Add(TCMREQualEntradaEstoqueTipo(2, "Consignação"));
  tipos.Add(TCMREQualEntradaEstoqueTipo(0, "Nenhuma"));
  combo.SetFiltro(TCMREQualEntradaEstoque(tipos));
  EXPECT_THAT(Itens(combo), ElementsAre("2=Consignação", "0=Nenhuma"));
  EXPECT_EQ(Selecionado(combo), "Consignação") << "o código escolhido continua";

  combo.SetFiltro(TCMREQualEntradaEstoque(T_Lista<TCMREQualEntradaEstoqueTipo>()));
  EXPECT_THAT(Itens(combo), ElementsAre("0="));
  EXPECT_EQ(combo.GetCurSel(), 0) << "o item vazio de código 0 fica selecionado";
  EXPECT_THAT(m_pai.Codigos(), ElementsAre("CBN_SETFOCUS", "CBN_SELCHANGE", "CBN_SELENDOK", "CBN_CLOSEUP"));
}

}  // namespace
