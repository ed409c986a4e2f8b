// O catálogo dos wrappers exportados, uma linha por classe: ela existe, deriva do
// controle importado que o catálogo diz (e de C4_Base, salvo a aba), a porta governa
// as notificações como a sua variante manda (E: só a mudança; E+F e V: mudança e
// foco; E com indicador: IsChanged só depois de uma mudança real com a porta aberta;
// C: a seleção da pessoa, e a feita por programa notada sem notificar; o botão e o
// combo de alertas não consultam a porta) e as operações a mais respondem 0 num
// controle sem registro. Uma classe nova entra com uma linha.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <vector>

#include "ambiente_teste.h"
#include "empresa_teste.h"
#include "instalacao_teste.h"
#include "janelas_teste.h"
#include "vrmwnd/controls/C4_CComboBoxFretePorConta.h"
#include "vrmwnd/controls/C4_CComboBoxRE.h"
#include "vrmwnd/controls/CCMComboTipoAlerta.h"
#include "vrmwnd/wrappers.h"

namespace {

enum EVariante { E, EF, E_INDICADOR, VALOR, C, C_SEM_PORTA, BOTAO, ABA };

// O que o teste vê de um wrapper, qualquer que seja a classe.
class IWrapper {
 public:
  virtual ~IWrapper() = default;
  virtual CWnd& Janela() = 0;
  virtual C4_Base* Base() = 0;  // nulo na aba, que não tem porta
  virtual bool DerivaDoImportado() = 0;
  virtual std::vector<long long> Extras() = 0;
  virtual bool IsChanged() = 0;
  // Os combos ganham os seus itens (os de cadastro os da empresa, os fixos os deles)
  // e o edit de máscara, a sua máscara.
  virtual void Prepara(const char* szEmpresa) = 0;
};

template <class TWrapper, class TImportado>
class TWrapperVisto : public IWrapper {
 public:
  using TExtras = std::function<std::vector<long long>(TWrapper&)>;
  explicit TWrapperVisto(TExtras extras) : m_extras(std::move(extras)) {}
  CWnd& Janela() override { return m_w; }
  C4_Base* Base() override {
    if constexpr (std::is_base_of_v<C4_Base, TWrapper>) return &m_w;
    return nullptr;
  }
  bool DerivaDoImportado() override {
    CWnd* p = &m_w;
    const bool bBase = dynamic_cast<C4_Base*>(p) != nullptr;
    return dynamic_cast<TImportado*>(p) != nullptr && bBase == std::is_base_of_v<C4_Base, TWrapper>;
  }
  std::vector<long long> Extras() override { return m_extras ? m_extras(m_w) : std::vector<long long>{}; }
  bool IsChanged() override {
    if constexpr (std::is_base_of_v<C4_IndicadorMudanca, TWrapper>) return m_w.IsChanged();
    return false;
  }
  void Prepara(const char* szEmpresa) override {
    if constexpr (std::is_same_v<TWrapper, C4_CQZEditMascara>)
      m_w.SetMascara("99");  // sem máscara nada entra
    else if constexpr (std::is_base_of_v<CComboCadastro, TWrapper>)
      ASSERT_EQ(m_w.Carrega(szEmpresa), S_OK);
    else if constexpr (requires(TWrapper & w) { w.Inicializa(); })
      m_w.Inicializa();
    else if constexpr (std::is_same_v<TWrapper, CCMComboTipoAlerta>)
      m_w.InicializaControles();
    else if constexpr (std::is_base_of_v<CComboBox, TWrapper>) {
      m_w.AddString("7");
      m_w.AddString("8");
    }
  }

 private:
  TWrapper m_w;
  TExtras m_extras;
};

struct TLinhaCatalogo {
  const char* szClasse;
  EVariante eVariante;
  std::function<std::unique_ptr<IWrapper>()> cria;
};

template <class TWrapper, class TImportado>
TLinhaCatalogo Linha(const char* szClasse, EVariante e,
                     typename TWrapperVisto<TWrapper, TImportado>::TExtras extras = {}) {
  return {szClasse, e, [extras] { return std::make_unique<TWrapperVisto<TWrapper, TImportado>>(extras); }};
}

long long Ptr(const void* p) { return p != nullptr; }
using V = std::vector<long long>;

std::vector<TLinhaCatalogo> Catalogo() {
  return {
      // Edits.
      Linha<C4_CAutorizacaoCompraEdit, CAutorizacaoCompraEdit>("C4_CAutorizacaoCompraEdit", E),
      Linha<C4_CCadastroDocumentoEdit, CCadastroDocumentoEdit>("C4_CCadastroDocumentoEdit", E,
                                                               [](auto& w) {
                                                                 return V{w.GetPonteiro(), Ptr(w.GetBotao())};
                                                               }),
      Linha<C4_CCMContratoCompraEdit, CCMContratoCompraEdit>("C4_CCMContratoCompraEdit", E),
      Linha<C4_CCQEditControle, CCQEditControleSimples>("C4_CCQEditControle", E),
      Linha<C4_CCodigoBarrasSimplesEdit, CCodigoBarrasSimplesEdit>("C4_CCodigoBarrasSimplesEdit", E),
      Linha<C4_CComplementoEx, CComplementoEx>("C4_CComplementoEx", E),
      Linha<C4_CCompradorEdit, CCompradorEdit>("C4_CCompradorEdit", E),
      Linha<C4_CCondicaoPagamentoEdit, CCondicaoPagamentoEdit>("C4_CCondicaoPagamentoEdit", E,
                                                               [](auto& w) { return V{w.GetPonteiro()}; }),
      Linha<C4_CContatoCFRT, CEditContatoCFRT>("C4_CContatoCFRT", E,
                                               [](auto& w) { return V{static_cast<long long>(w.GetPonteiro())}; }),
      Linha<C4_CDepartamentoEdit, CDepartamentoEdit>("C4_CDepartamentoEdit", E),
      Linha<C4_CEditAjusteEFD, CEditAjusteEFD>("C4_CEditAjusteEFD", EF),
      Linha<C4_CEditCSTIPI, CEditCSTIPI>("C4_CEditCSTIPI", E,
                                         [](auto& w) { return V{w.GetPosicao() - 100}; }),  // 100: sem código
      Linha<C4_CFilialEdit, CFilialEdit>("C4_CFilialEdit", E,
                                         [](auto& w) {
                                           return V{w.GetPonteiro(), Ptr(w.GetBotao())};
                                         }),
      Linha<C4_CLocaisEdit, CLocaisEdit>("C4_CLocaisEdit", E,
                                         [](auto& w) {
                                           return V{w.GetLote(), w.GetPosicao()};
                                         }),
      Linha<C4_CMensagemEdit, CMensagemEdit>("C4_CMensagemEdit", E),
      Linha<C4_CMovimentoEdit, CMovimentoEdit>("C4_CMovimentoEdit", E, [](auto& w) { return V{w.GetPonteiro()}; }),
      Linha<C4_CMunicipioEdit, CMunicipioEdit>("C4_CMunicipioEdit", E),
      Linha<C4_CNaturezaEdit, CNaturezaEdit>("C4_CNaturezaEdit", E, [](auto& w) { return V{w.GetPonteiro()}; }),
      Linha<C4_CMultiCFOPEx, C4_CNaturezaEdit>("C4_CMultiCFOPEx", E,
                                               [](auto& w) { return V{w.GetListaPosicao().GetSize()}; }),
      Linha<C4_CNotasFiscaisEdit, CNotasFiscaisEdit>("C4_CNotasFiscaisEdit", E),
      Linha<C4_CPedeContaEx, CPedeContaEx>("C4_CPedeContaEx", E_INDICADOR,
                                           [](auto& w) {
                                             CArray<unsigned long> a;
                                             return V{static_cast<long long>(w.GetPonteiro()), w.GetPosicoes(&a)};
                                           }),
      Linha<C4_CPedeContaExComGerencial, CPedeContaExComGerencial>(
          "C4_CPedeContaExComGerencial", E_INDICADOR,
          [](auto& w) {
            CArray<unsigned long> a;
            return V{static_cast<long long>(w.GetPonteiro()), w.GetPosicoes(&a)};
          }),
      Linha<C4_CMultiPedeContaEx, C4_CPedeContaEx>("C4_CMultiPedeContaEx", E_INDICADOR,
                                                   [](auto& w) { return V{w.GetListaPosicao().GetSize()}; }),
      Linha<C4_CPedeHistEx, CPedeHistEx>("C4_CPedeHistEx", E),
      Linha<C4_CProdutoEdit, CProdutoEdit>("C4_CProdutoEdit", E,
                                           [](auto& w) {
                                             return V{static_cast<long long>(w.GetIDItem()), Ptr(w.GetBotao())};
                                           }),
      Linha<C4_CProdutoEditEx, CProdutoEditEx>(
          "C4_CProdutoEditEx", E,
          [](auto& w) {
            return V{static_cast<long long>(w.GetIDItem()), Ptr(w.GetBotao()), w.GetEditGrade1()->GetNumero(),
                     w.GetEditGrade2()->GetNumero(), w.GetEditGrade3()->GetNumero()};
          }),
      Linha<C4_MultiProdutoEditEx, CMultiProdutoEditEx>("C4_MultiProdutoEditEx", E),
      Linha<C4_CRecbtoProdutoEdit, CRecbtoProdutoEdit>("C4_CRecbtoProdutoEdit", E),
      Linha<C4_CRecolhimentoEdit, CRecolhimentoEdit>("C4_CRecolhimentoEdit", E),
      Linha<C4_CRequerenteEdit, CRequerenteEdit>("C4_CRequerenteEdit", E),
      Linha<C4_CSituacaoTributariaEdit, CSituacaoTributariaEdit>("C4_CSituacaoTributariaEdit", E,
                                                                 [](auto& w) { return V{w.GetChave()}; }),
      Linha<C4_CTabPrecoEdit, CTabPrecoEdit>("C4_CTabPrecoEdit", E_INDICADOR),
      Linha<C4_CTaxaConversaoUnMedida, CTaxaConversaoUnMedida>("C4_CTaxaConversaoUnMedida", E),
      Linha<C4_CUnidadeMedidaEdit, CUnidadeMedidaEdit>("C4_CUnidadeMedidaEdit", E),
      Linha<C4_CUsuarioEdit, CUsuarioEdit>("C4_CUsuarioEdit", E),
      Linha<C4_CQZEdit, CQZEdit>("C4_CQZEdit", EF),
      Linha<C4_CQZEditDF, CQZEditDF>("C4_CQZEditDF", EF),
      Linha<C4_CQZEditMascara, CQZEditMascara>("C4_CQZEditMascara", E),
      Linha<C4_CQZEditNFEChaveDeAcesso, CQZEditNFEChaveDeAcesso>("C4_CQZEditNFEChaveDeAcesso", E),
      Linha<C4_CQZEditRegDma, CQZEditRegDma>("C4_CQZEditRegDma", E),
      Linha<C4_CQZEditValor, CQZEditValor>("C4_CQZEditValor", VALOR),
      Linha<C4_CQZEditValorEx, CQZEditValorEx>("C4_CQZEditValorEx", VALOR),
      Linha<C4_CQZMultiLineEdit, CQZMultiLineEdit>("C4_CQZMultiLineEdit", E,
                                                   [](auto& w) { return V{Ptr(w.GetBotao())}; }),
      // Combos e outros.
      Linha<C4_CComboBox, CComboBase>("C4_CComboBox", C),
      Linha<C4_CComboBoxFretePorConta, C4_CComboBox>("C4_CComboBoxFretePorConta", C),
      Linha<C4_CComboBoxRESituacao, C4_CComboBox>("C4_CComboBoxRESituacao", C),
      Linha<C4_CComboBoxREEntradaEstoque, C4_CComboBox>("C4_CComboBoxREEntradaEstoque", C),
      Linha<C4_CComboBaseCalculoCredito, CComboBaseCalculoCredito>("C4_CComboBaseCalculoCredito", C),
      Linha<C4_CComboIndice, CComboIndice>("C4_CComboIndice", C, [](auto& w) { return V{w.GetText().GetLength()}; }),
      Linha<C4_CComboOrigem, CComboOrigem>("C4_CComboOrigem", C),
      Linha<C4_CComboTipoIncidenciaPISCOFINS, CComboTipoIncidenciaPISCOFINS>("C4_CComboTipoIncidenciaPISCOFINS", C),
      Linha<C4_CComboTipoPeriodo, CComboTipoPeriodo>("C4_CComboTipoPeriodo", C),
      Linha<C4_CComboVencimento, CComboVencimento>("C4_CComboVencimento", C,
                                                   [](auto& w) { return V{w.GetPonteiro()}; }),
      Linha<C4_CDFComboLeiautes, CDFComboLeiautes>("C4_CDFComboLeiautes", C),
      Linha<C4_CEstadoCombo, CEstadoCombo>("C4_CEstadoCombo", C),
      Linha<C4_CTipoDoctoCombo, CTipoDoctoCombo>("C4_CTipoDoctoCombo", C, [](auto& w) { return V{w.GetPonteiro()}; }),
      Linha<C4_CButton, CButton>("C4_CButton", BOTAO),
      Linha<C4_CQZTabCtrl, CQZTabCtrlOnSize>("C4_CQZTabCtrl", ABA),
      Linha<CCMComboTipoAlerta, CComboBox>("CCMComboTipoAlerta", C_SEM_PORTA),
  };
}

class CatalogoTest : public testing::Test {
 protected:
  void SetUp() override {
    CreateWindowExA(0, "EDIT", "", WS_CHILD | WS_VISIBLE | WS_TABSTOP, 0, 60, 100, 20, m_pai.m_hWnd, 102, nullptr,
                    nullptr);
  }
  long Recebidas(int nId, const char* szCodigo) const {
    return std::count_if(m_pai.Recebidas().begin(), m_pai.Recebidas().end(),
                         [&](const TNotificacao& n) { return n.nId == nId && n.strCodigo == szCodigo; });
  }
  // A janela da variante com o identificador nId.
  void CriaJanela(EVariante e, int nId) {
    const bool bCombo = e == C || e == C_SEM_PORTA;
    const char* szClasse = bCombo ? "COMBOBOX" : e == BOTAO ? "BUTTON" : e == ABA ? WC_TABCONTROLA : "EDIT";
    const DWORD dwEstilo = WS_CHILD | WS_VISIBLE | WS_TABSTOP | (bCombo ? CBS_DROPDOWNLIST : 0);
    CreateWindowExA(0, szClasse, "", dwEstilo, 0, 0, 100, bCombo ? 100 : 20, m_pai.m_hWnd, static_cast<UINT>(nId),
                    nullptr, nullptr);
  }
  void ConfereEdit(IWrapper& w, EVariante e, int nId);
  void ConfereCombo(IWrapper& w, EVariante e, int nId);

  CInstalacaoTeste m_instalacao;
  CEmpresaTeste m_empresa;
  CApresentadorTeste m_caixas;  // as falhas de quem não tem empresa vão para cá
  CPaiGravador m_pai;
  CUsuarioRoteirizado m_usuario;
};

void CatalogoTest::ConfereEdit(IWrapper& w, EVariante e, int nId) {
  bool bPorta = false;
  w.Base()->SetCanSendChangeEvents(&bPorta);
  m_pai.Limpa();
  m_usuario.Clica(w.Janela());
  m_usuario.Digita(w.Janela(), "7");
  EXPECT_EQ(Recebidas(nId, "EN_CHANGE"), 0) << "porta fechada";
  EXPECT_EQ(Recebidas(nId, "EN_SETFOCUS"), e == EF || e == VALOR ? 0 : 1) << "o foco só passa pela porta em E+F e V";
  EXPECT_EQ(w.Base()->Get_C4_Modify(), 1);
  EXPECT_FALSE(w.IsChanged());

  bPorta = true;
  m_usuario.Digita(w.Janela(), "8");
  EXPECT_EQ(Recebidas(nId, "EN_CHANGE"), 1) << "porta aberta";
  EXPECT_EQ(w.IsChanged(), e == E_INDICADOR);
  EXPECT_FALSE(w.IsChanged()) << "ler limpa";

  w.Janela().SetWindowText("78");
  EXPECT_EQ(Recebidas(nId, "EN_CHANGE"), 1) << "o mesmo conteúdo não é mudança";
  w.Base()->SetCanSendChangeEvents(nullptr);
}

void CatalogoTest::ConfereCombo(IWrapper& w, EVariante e, int nId) {
  auto& combo = static_cast<CComboBox&>(w.Janela());
  ASSERT_GE(combo.GetCount(), 2);
  CString strItem0, strItem1;
  combo.GetLBText(0, strItem0);
  combo.GetLBText(1, strItem1);
  bool bPorta = false;
  w.Base()->SetCanSendChangeEvents(&bPorta);
  m_pai.Limpa();
  m_usuario.Escolhe(combo, strItem1.GetString());
  EXPECT_EQ(Recebidas(nId, "CBN_SELCHANGE"), e == C ? 0 : 1) << "porta fechada";
  EXPECT_EQ(w.Base()->Get_C4_Modify(), e == C ? 1 : 0);

  bPorta = true;
  m_usuario.Escolhe(combo, strItem0.GetString());
  EXPECT_EQ(Recebidas(nId, "CBN_SELCHANGE"), e == C ? 1 : 2) << "porta aberta";

  w.Base()->Set_C4_Modify(0);
  combo.SetCurSel(1);
  combo.GetCurSel();
  EXPECT_EQ(w.Base()->Get_C4_Modify(), e == C ? 1 : 0) << "a seleção por programa é notada na mensagem seguinte";
  EXPECT_EQ(Recebidas(nId, "CBN_SELCHANGE"), e == C ? 1 : 2) << "sem notificar ninguém";
  w.Base()->SetCanSendChangeEvents(nullptr);
}

TEST_F(CatalogoTest, CadaClasseDerivaGuardaAPortaEResponde0SemRegistro) {
  int nId = 200;
  for (const TLinhaCatalogo& linha : Catalogo()) {
    SCOPED_TRACE(linha.szClasse);
    ++nId;
    auto pW = linha.cria();
    CriaJanela(linha.eVariante, nId);
    ASSERT_TRUE(pW->Janela().SubclassDlgItem(static_cast<UINT>(nId), &m_pai));
    EXPECT_TRUE(pW->DerivaDoImportado());
    pW->Prepara(m_empresa.Nome());
    for (long long v : pW->Extras()) EXPECT_EQ(v, 0);

    switch (linha.eVariante) {
      case C:
      case C_SEM_PORTA: ConfereCombo(*pW, linha.eVariante, nId); break;
      case BOTAO: {
        bool bPorta = false;
        pW->Base()->SetCanSendChangeEvents(&bPorta);
        m_pai.Limpa();
        m_usuario.Clica(pW->Janela());
        EXPECT_EQ(Recebidas(nId, "BN_CLICKED"), 1) << "o clique não consulta a porta";
        pW->Base()->SetCanSendChangeEvents(nullptr);
        break;
      }
      case ABA: EXPECT_EQ(pW->Base(), nullptr); break;
      default: ConfereEdit(*pW, linha.eVariante, nId);
    }
    ::SetFocus(GetDlgItem(m_pai.m_hWnd, 102));
    pW->Janela().DestroyWindow();
  }
}

TEST(CatalogoCompletoTest, UmaLinhaPorClasseExportada) {
  std::vector<std::string> classes;
  for (const TLinhaCatalogo& linha : Catalogo()) classes.push_back(linha.szClasse);
  std::sort(classes.begin(), classes.end());
  EXPECT_EQ(std::adjacent_find(classes.begin(), classes.end()), classes.end()) << "classe repetida";
  EXPECT_EQ(classes.size(), 59u) << "as 43 edits e os 16 combos e outros do catálogo";
}

}  // namespace
