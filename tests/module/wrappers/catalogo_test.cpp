// O catálogo dos wrappers exportados, uma linha por classe: ela existe, deriva do
// controle importado que o catálogo diz (e de C4_Base), a porta governa as
// notificações como a sua variante manda (E: só a mudança; E+F: mudança e foco; E com
// indicador: IsChanged só depois de uma mudança real com a porta aberta) e as
// operações a mais respondem 0 num controle sem registro. Uma classe nova entra com
// uma linha.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <vector>

#include "ambiente_teste.h"
#include "instalacao_teste.h"
#include "janelas_teste.h"
#include "vrmwnd/wrappers.h"

namespace {

enum EVariante { E, EF, E_INDICADOR };

// O que o teste vê de um wrapper, qualquer que seja a classe.
class IWrapper {
 public:
  virtual ~IWrapper() = default;
  virtual CWnd& Janela() = 0;
  virtual C4_Base& Base() = 0;
  virtual bool DerivaDoImportado() = 0;
  virtual std::vector<long long> Extras() = 0;
  virtual bool IsChanged() = 0;
};

template <class TWrapper, class TImportado>
class TWrapperVisto : public IWrapper {
 public:
  using TExtras = std::function<std::vector<long long>(TWrapper&)>;
  explicit TWrapperVisto(TExtras extras) : m_extras(std::move(extras)) {}
  CWnd& Janela() override { return m_w; }
  C4_Base& Base() override { return m_w; }
  bool DerivaDoImportado() override {
    CWnd* p = &m_w;
    return dynamic_cast<TImportado*>(p) != nullptr && dynamic_cast<C4_Base*>(p) != nullptr;
  }
  std::vector<long long> Extras() override { return m_extras ? m_extras(m_w) : std::vector<long long>{}; }
  bool IsChanged() override {
    if constexpr (std::is_base_of_v<C4_IndicadorMudanca, TWrapper>) return m_w.IsChanged();
    return false;
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

std::vector<TLinhaCatalogo> Catalogo() {
  using V = std::vector<long long>;
  return {
      Linha<C4_CAutorizacaoCompraEdit, CAutorizacaoCompraEdit>("C4_CAutorizacaoCompraEdit", E),
      Linha<C4_CCondicaoPagamentoEdit, CCondicaoPagamentoEdit>("C4_CCondicaoPagamentoEdit", E,
                                                               [](auto& w) { return V{w.GetPonteiro()}; }),
      Linha<C4_CFilialEdit, CFilialEdit>("C4_CFilialEdit", E,
                                         [](auto& w) {
                                           return V{w.GetPonteiro(), Ptr(w.GetBotao())};
                                         }),
      Linha<C4_CNaturezaEdit, CNaturezaEdit>("C4_CNaturezaEdit", E, [](auto& w) { return V{w.GetPonteiro()}; }),
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
      Linha<C4_CPedeHistEx, CPedeHistEx>("C4_CPedeHistEx", E),
      Linha<C4_CProdutoEdit, CProdutoEdit>("C4_CProdutoEdit", E,
                                           [](auto& w) {
                                             return V{static_cast<long long>(w.GetIDItem()), Ptr(w.GetBotao())};
                                           }),
      Linha<C4_CUnidadeMedidaEdit, CUnidadeMedidaEdit>("C4_CUnidadeMedidaEdit", E),
      Linha<C4_CSituacaoTributariaEdit, CSituacaoTributariaEdit>("C4_CSituacaoTributariaEdit", E,
                                                                 [](auto& w) { return V{w.GetChave()}; }),
      Linha<C4_CCadastroDocumentoEdit, CCadastroDocumentoEdit>("C4_CCadastroDocumentoEdit", E,
                                                               [](auto& w) {
                                                                 return V{w.GetPonteiro(), Ptr(w.GetBotao())};
                                                               }),
      Linha<C4_CUsuarioEdit, CUsuarioEdit>("C4_CUsuarioEdit", E),
      Linha<C4_CCompradorEdit, CCompradorEdit>("C4_CCompradorEdit", E),
      Linha<C4_CRequerenteEdit, CRequerenteEdit>("C4_CRequerenteEdit", E),
      Linha<C4_CDepartamentoEdit, CDepartamentoEdit>("C4_CDepartamentoEdit", E),
      Linha<C4_CMunicipioEdit, CMunicipioEdit>("C4_CMunicipioEdit", E),
      Linha<C4_CQZEdit, CQZEdit>("C4_CQZEdit", EF),
      Linha<C4_CQZEditDF, CQZEditDF>("C4_CQZEditDF", EF),
      Linha<C4_CQZMultiLineEdit, CQZMultiLineEdit>("C4_CQZMultiLineEdit", E,
                                                   [](auto& w) { return V{Ptr(w.GetBotao())}; }),
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
  CInstalacaoTeste m_instalacao;
  CApresentadorTeste m_caixas;  // as consultas de quem não tem empresa não chegam a ninguém
  CPaiGravador m_pai;
  CUsuarioRoteirizado m_usuario;
};

TEST_F(CatalogoTest, CadaClasseDerivaGuardaAPortaEResponde0SemRegistro) {
  int nId = 200;
  for (const TLinhaCatalogo& linha : Catalogo()) {
    SCOPED_TRACE(linha.szClasse);
    ++nId;
    auto pW = linha.cria();
    CreateWindowExA(0, "EDIT", "", WS_CHILD | WS_VISIBLE | WS_TABSTOP, 0, 0, 100, 20, m_pai.m_hWnd,
                    static_cast<UINT>(nId), nullptr, nullptr);
    ASSERT_TRUE(pW->Janela().SubclassDlgItem(static_cast<UINT>(nId), &m_pai));
    EXPECT_TRUE(pW->DerivaDoImportado());
    for (long long v : pW->Extras()) EXPECT_EQ(v, 0);

    bool bPorta = false;
    pW->Base().SetCanSendChangeEvents(&bPorta);
    m_pai.Limpa();
    m_usuario.Clica(pW->Janela());
    m_usuario.Digita(pW->Janela(), "7");
    EXPECT_EQ(Recebidas(nId, "EN_CHANGE"), 0) << "porta fechada";
    EXPECT_EQ(Recebidas(nId, "EN_SETFOCUS"), linha.eVariante == EF ? 0 : 1) << "o foco só passa pela porta em E+F";
    EXPECT_EQ(pW->Base().Get_C4_Modify(), 1);
    EXPECT_FALSE(pW->IsChanged());

    bPorta = true;
    m_usuario.Digita(pW->Janela(), "8");
    EXPECT_EQ(Recebidas(nId, "EN_CHANGE"), 1) << "porta aberta";
    EXPECT_EQ(pW->IsChanged(), linha.eVariante == E_INDICADOR);
    EXPECT_FALSE(pW->IsChanged()) << "ler limpa";

    pW->Janela().SetWindowText("78");
    EXPECT_EQ(Recebidas(nId, "EN_CHANGE"), 1) << "o mesmo texto não é mudança";
    pW->Base().SetCanSendChangeEvents(nullptr);
    ::SetFocus(GetDlgItem(m_pai.m_hWnd, 102));
    pW->Janela().DestroyWindow();
  }
}

}  // namespace
