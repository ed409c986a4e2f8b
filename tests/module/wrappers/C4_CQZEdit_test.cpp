// Wrappers de edit: a porta de eventos, o instantâneo do texto e do valor, o
// indicador de modificado e o de mudança (IsChanged), vistos pelo pai e pela tela
// como o usuário os provoca; e a tabela de cada wrapper com o que o pai recebe das
// mesmas ações, com e sem porta.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <memory>
#include <sstream>

#include "janelas_teste.h"
#include "vrmwnd/vrmwnd.h"
#include "vrmwnd/wrappers/C4_regras.h"

using testing::ElementsAre;
using testing::ElementsAreArray;
using testing::IsEmpty;

namespace {

constexpr int ID_EDIT = 1001;

template <class TEdit>
void PoeNoPai(TEdit& edit, CWnd& pai, int nId, DWORD nEstilo = 0) {
  CreateWindowExA(0, "EDIT", "", WS_CHILD | WS_VISIBLE | WS_TABSTOP | nEstilo, 10, 10, 200, 20, pai.m_hWnd,
                  static_cast<UINT>(nId), nullptr, nullptr);
  ASSERT_TRUE(edit.SubclassDlgItem(static_cast<UINT>(nId), &pai));
}

class C4CQZEditTest : public testing::Test {
 protected:
  void SetUp() override { PoeNoPai(m_edit, m_pai, ID_EDIT); }
  CPaiGravador m_pai;
  CUsuarioRoteirizado m_usuario;
  C4_CQZEdit m_edit;
};

TEST_F(C4CQZEditTest, PortaFechadaEngoleMudancaMasMarcaModificado) {
  CCanSendChangeEvents tela;  // a porta começa fechada
  m_edit.SetCanSendChangeEvents(&tela.m_bCanSendChangeEvents);

  m_usuario.Digita(m_edit, "7");

  EXPECT_THAT(m_pai.Codigos(), ElementsAre("EN_UPDATE")) << "com a porta fechada o pai não ouve EN_CHANGE nem o foco";
  EXPECT_EQ(m_edit.Get_C4_Modify(), 1);
}

TEST_F(C4CQZEditTest, PortaAbertaPassaUmaVezPorMudancaReal) {
  struct Caso {
    const char* szCaso;
    int nPorta;  // -1 sem porta, 0 fechada, 1 aberta
    std::vector<std::string> esperadas;
    int nModify;
  };
  const Caso kCasos[] = {
      {"sem porta os eventos passam",
       -1,
       {"EN_SETFOCUS", "EN_UPDATE", "EN_CHANGE", "EN_UPDATE", "EN_CHANGE", "EN_UPDATE"},
       1},
      {"porta aberta", 1, {"EN_SETFOCUS", "EN_UPDATE", "EN_CHANGE", "EN_UPDATE", "EN_CHANGE", "EN_UPDATE"}, 1},
      {"porta fechada", 0, {"EN_UPDATE", "EN_UPDATE", "EN_UPDATE"}, 1},
  };
  for (const auto& c : kCasos) {
    SCOPED_TRACE(c.szCaso);
    C4_CQZEdit edit;
    PoeNoPai(edit, m_pai, 2000 + c.nPorta);
    bool bPorta = c.nPorta == 1;
    if (c.nPorta >= 0) edit.SetCanSendChangeEvents(&bPorta);
    m_pai.Limpa();
    m_usuario.Digita(edit, "12");
    edit.SetSel(1, 2);
    InputText("2");  // troca o "2" selecionado pelo mesmo "2": o texto não muda
    CUsuarioRoteirizado::ProcessaFila();
    EXPECT_THAT(m_pai.Codigos(), ElementsAreArray(c.esperadas));
    EXPECT_EQ(edit.Get_C4_Modify(), c.nModify);
    SetFocus(nullptr);
  }
}

TEST_F(C4CQZEditTest, PilhaDaPortaRestauraOValorAnterior) {
  CCanSendChangeEvents tela;
  EXPECT_FALSE(tela.m_bCanSendChangeEvents) << "começa fechada";
  tela.CanSendChangeEvents_popALL(true);
  tela.CanSendChangeEvents_push(false);
  tela.CanSendChangeEvents_push(true);
  tela.CanSendChangeEvents_pop();
  EXPECT_FALSE(tela.m_bCanSendChangeEvents);
  tela.CanSendChangeEvents_pop();
  EXPECT_TRUE(tela.m_bCanSendChangeEvents) << "volta ao valor de antes do primeiro push";
  tela.CanSendChangeEvents_pop();
  EXPECT_TRUE(tela.m_bCanSendChangeEvents) << "pop com a pilha vazia não muda nada";
  for (int i = 0; i < 3; ++i) tela.CanSendChangeEvents_push(false);
  tela.CanSendChangeEvents_popALL(true);
  tela.CanSendChangeEvents_pop();
  EXPECT_TRUE(tela.m_bCanSendChangeEvents) << "popALL esvazia a pilha";
  EXPECT_TRUE(tela.m_pilha.IsEmpty());

  bool bAberta = true, bFechada = false;
  C4_Base base;
  EXPECT_FALSE(base.CanotSendChangeEvents()) << "sem ponteiro os eventos passam";
  base.SetCanSendChangeEvents(&bFechada);
  EXPECT_TRUE(base.CanotSendChangeEvents());
  base.Set_C4_Modify(7);
  C4_Base copia;
  copia.SetCanSendChangeEvents(&bAberta);
  copia = base;
  EXPECT_EQ(copia.m_pbCanSendChangeEvents, &bFechada) << "a cópia compartilha a porta";
  EXPECT_EQ(copia.Get_C4_Modify(), 7);
}

TEST_F(C4CQZEditTest, EditDeValorComparaOValorNaoOTexto) {
  C4_CQZEditValor valor;
  PoeNoPai(valor, m_pai, 3001);
  m_pai.Limpa();
  std::vector<LONGLONG> valores;
  m_pai.m_aoReceber = [&](const TNotificacao& n) {
    if (n.strCodigo == "EN_CHANGE") valores.push_back(valor.GetValor().int64);
  };
  m_usuario.Digita(valor, "1,50");
  EXPECT_THAT(valores, ElementsAre(10'000, 15'000)) << "\"1,\" e \"1,50\" não mudam o valor";
  m_usuario.Digita(valor, "9");
  EXPECT_EQ(valor.GetValor().int64, 15'000) << "a terceira casa é recusada";
  valor.Set_C4_Modify(0);
  SetFocus(nullptr);
  CString strTexto;
  valor.GetWindowText(strTexto);
  EXPECT_EQ(strTexto, "1,50");
  EXPECT_EQ(valor.Get_C4_Modify(), 0) << "reformatar ao sair não muda o valor";
}

TEST_F(C4CQZEditTest, ChaveDeAcessoSelecionaTudoAoGanharFoco) {
  C4_CQZEditNFEChaveDeAcesso chave;
  PoeNoPai(chave, m_pai, 3002);
  chave.SetWindowText("3519");
  EXPECT_EQ(chave.OnSetFocus(), FALSE);
  int nInicio = -1, nFim = -1;
  chave.GetSel(nInicio, nFim);
  EXPECT_EQ(nInicio, 0);
  EXPECT_EQ(nFim, 4);
  chave.SetFocus();
  InputText("a1");
  CUsuarioRoteirizado::ProcessaFila();
  EXPECT_EQ(chave.GetChave(), "1") << "o foco pelo teclado seleciona tudo e só dígitos entram";
}

// Um edit com o indicador de mudança, declarado como os wrappers que o têm.
class CEditComIndicador : public CQZEditDF, public C4_Base, public C4_IndicadorMudanca {
 protected:
  afx_msg BOOL OnChange() {
    return FiltraMudancaDeTexto(
        *this, m_strTextoAnterior, [this] { return CQZEditDF::OnCONTROL_REFLECT_EX_Change(); }, &m_bChanged);
  }
  CString m_strTextoAnterior;
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CEditComIndicador, CQZEditDF)
ON_CONTROL_REFLECT_EX(EN_CHANGE, &CEditComIndicador::OnChange)
END_MESSAGE_MAP()

TEST_F(C4CQZEditTest, IsChangedDizSeAUltimaMudancaFoiRealELimpaAoLer) {
  enum EAcao { DIGITA, MESMO_TEXTO, PROGRAMA };
  constexpr struct {
    const char* szAcao;
    EAcao eAcao;
    bool bMudou;
  } kAcoes[] = {
      {"a pessoa digita \"7\"", DIGITA, true},
      {"digita \"12\" e troca o \"2\" selecionado por \"2\"", MESMO_TEXTO, false},
      {"a tela preenche o campo", PROGRAMA, true},
  };
  constexpr struct {
    const char* szPorta;
    int nPorta;  // -1 sem porta, 0 fechada, 1 aberta
  } kPortas[] = {{"sem porta", -1}, {"porta fechada", 0}, {"porta aberta", 1}};
  int nId = 4000;
  for (const auto& a : kAcoes) {
    for (const auto& p : kPortas) {
      SCOPED_TRACE(testing::Message() << a.szAcao << ", " << p.szPorta);
      CEditComIndicador edit;
      PoeNoPai(edit, m_pai, ++nId);
      bool bPorta = p.nPorta == 1;
      if (p.nPorta >= 0) edit.SetCanSendChangeEvents(&bPorta);
      if (a.eAcao == PROGRAMA) {
        edit.SetWindowText("Fornecedores");
      } else {
        m_usuario.Digita(edit, a.eAcao == DIGITA ? "7" : "12");
      }
      if (a.eAcao == MESMO_TEXTO) {
        edit.SetSel(1, 2);
        InputText("2");
        CUsuarioRoteirizado::ProcessaFila();
      }
      EXPECT_EQ(edit.IsChanged(), a.bMudou && p.nPorta != 0)
          << "só a mudança real que passa pela porta aberta levanta o indicador";
      EXPECT_FALSE(edit.IsChanged()) << "a leitura limpa";
      EXPECT_EQ(edit.Get_C4_Modify(), 1) << "o modificado sobe com a porta aberta ou fechada";
      SetFocus(nullptr);
    }
  }
}

// Um wrapper de edit sob teste, como janela (para o usuário) e como C4_Base (para a
// porta e o modificado).
struct TEditSobTeste {
  std::unique_ptr<CWnd> pJanela;
  C4_Base* pBase;
};

template <class TWrapper>
TEditSobTeste NovoEdit() {
  auto pWrapper = std::make_unique<TWrapper>();
  C4_Base* pBase = pWrapper.get();
  return {std::move(pWrapper), pBase};
}

// Os códigos que chegaram ao pai vindos do controle nId, separados por espaço.
std::string CodigosDe(const CPaiGravador& pai, int nId) {
  std::ostringstream os;
  for (const TNotificacao& n : pai.Recebidas())
    if (n.nId == nId) os << (os.tellp() > 0 ? " " : "") << n.strCodigo.substr(3);
  return os.str();
}

// O que o pai recebe de cada wrapper nas mesmas ações, com a porta fechada e com ela
// aberta (sem porta é como aberta). A porta governa só o que o wrapper mapeia: o
// EN_CHANGE de todos e o foco de C4_CQZEdit, C4_CQZEditDF e dos de valor (os dois) e
// de C4_CQZEditMascara (só a saída); o foco que o wrapper não mapeia segue ao pai
// pelo edit importado. EN_UPDATE ninguém consome. Os de valor reformatam o texto ao
// sair pelo tratador importado, que a porta fechada não deixa rodar; o valor igual
// engole o EN_CHANGE da reformatação. O edit de várias linhas não avisa do texto
// posto por programa.
TEST_F(C4CQZEditTest, CadaWrapperNasMesmasAcoesDaPortaAoPai) {
  struct TWrapper {
    const char* szWrapper;
    TEditSobTeste (*fCria)();
    DWORD nEstilo;
    const char* szDigitaESaiAberta;
    const char* szDigitaESaiFechada;
    const char* szPrograma;          // a tela escreve "12", porta aberta
    const char* szProgramaEngolido;  // porta fechada, ou o mesmo texto de novo
    int nModifyPrograma;
  };
  const TWrapper kWrappers[] = {
      {"C4_CQZEdit", NovoEdit<C4_CQZEdit>, 0, "SETFOCUS UPDATE CHANGE UPDATE CHANGE KILLFOCUS", "UPDATE UPDATE",
       "UPDATE CHANGE", "UPDATE", 1},
      {"C4_CQZEditDF", NovoEdit<C4_CQZEditDF>, 0, "SETFOCUS UPDATE CHANGE UPDATE CHANGE KILLFOCUS", "UPDATE UPDATE",
       "UPDATE CHANGE", "UPDATE", 1},
      {"C4_CQZEditValor", NovoEdit<C4_CQZEditValor>, 0, "SETFOCUS UPDATE CHANGE UPDATE CHANGE UPDATE KILLFOCUS",
       "UPDATE UPDATE", "UPDATE CHANGE", "UPDATE", 1},
      {"C4_CQZEditValorEx", NovoEdit<C4_CQZEditValorEx>, 0, "SETFOCUS UPDATE CHANGE UPDATE CHANGE UPDATE KILLFOCUS",
       "UPDATE UPDATE", "UPDATE CHANGE", "UPDATE", 1},
      {"C4_CQZEditMascara",
       [] {
         TEditSobTeste e = NovoEdit<C4_CQZEditMascara>();
         static_cast<C4_CQZEditMascara&>(*e.pJanela).SetMascara("9999");
         return e;
       },
       0, "SETFOCUS UPDATE CHANGE UPDATE CHANGE KILLFOCUS", "SETFOCUS UPDATE UPDATE", "UPDATE CHANGE", "UPDATE", 1},
      {"C4_CQZEditNFEChaveDeAcesso", NovoEdit<C4_CQZEditNFEChaveDeAcesso>, 0,
       "SETFOCUS UPDATE CHANGE UPDATE CHANGE KILLFOCUS", "SETFOCUS UPDATE UPDATE KILLFOCUS", "UPDATE CHANGE", "UPDATE",
       1},
      {"C4_CQZEditRegDma", NovoEdit<C4_CQZEditRegDma>, 0, "SETFOCUS UPDATE CHANGE UPDATE CHANGE KILLFOCUS",
       "SETFOCUS UPDATE UPDATE KILLFOCUS", "UPDATE CHANGE", "UPDATE", 1},
      {"C4_CQZMultiLineEdit", NovoEdit<C4_CQZMultiLineEdit>, ES_MULTILINE,
       "SETFOCUS UPDATE CHANGE UPDATE CHANGE KILLFOCUS", "SETFOCUS UPDATE UPDATE KILLFOCUS", "", "", 0},
  };
  enum EAcao { DIGITA_E_SAI, PROGRAMA, PROGRAMA_DE_NOVO };
  constexpr struct {
    const char* szAcao;
    EAcao eAcao;
  } kAcoes[] = {
      {"a pessoa entra, digita \"12\" e sai", DIGITA_E_SAI},
      {"a tela escreve \"12\"", PROGRAMA},
      {"a tela escreve \"12\" de novo: o mesmo texto não muda nada", PROGRAMA_DE_NOVO},
  };
  constexpr struct {
    const char* szPorta;
    int nPorta;  // -1 sem porta, 0 fechada, 1 aberta
  } kPortas[] = {{"sem porta", -1}, {"porta fechada", 0}, {"porta aberta", 1}};

  CEdit outro;
  PoeNoPai(outro, m_pai, 1999);
  int nId = 5000;
  for (const TWrapper& w : kWrappers) {
    for (const auto& a : kAcoes) {
      for (const auto& p : kPortas) {
        SCOPED_TRACE(testing::Message() << w.szWrapper << ", " << a.szAcao << ", " << p.szPorta);
        TEditSobTeste edit = w.fCria();
        PoeNoPai(*edit.pJanela, m_pai, ++nId, w.nEstilo);
        bool bPorta = p.nPorta == 1;
        if (p.nPorta >= 0) edit.pBase->SetCanSendChangeEvents(&bPorta);
        if (a.eAcao == PROGRAMA_DE_NOVO) edit.pJanela->SetWindowText("12");
        edit.pBase->Set_C4_Modify(0);
        m_pai.Limpa();

        std::string strEsperado;
        int nModify = 1;
        if (a.eAcao == DIGITA_E_SAI) {
          m_usuario.Digita(*edit.pJanela, "12");
          m_usuario.Clica(outro);
          strEsperado = p.nPorta == 0 ? w.szDigitaESaiFechada : w.szDigitaESaiAberta;
        } else {
          edit.pJanela->SetWindowText("12");
          strEsperado = p.nPorta == 0 || a.eAcao == PROGRAMA_DE_NOVO ? w.szProgramaEngolido : w.szPrograma;
          nModify = a.eAcao == PROGRAMA ? w.nModifyPrograma : 0;
        }
        EXPECT_EQ(CodigosDe(m_pai, nId), strEsperado);
        EXPECT_EQ(edit.pBase->Get_C4_Modify(), nModify) << "o modificado sobe com a porta aberta ou fechada";
      }
    }
  }
}

}  // namespace
