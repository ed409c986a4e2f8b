// Os wrappers dos edits de consulta numa tela: a porta decide o que chega ao pai, o
// modificado sobe a cada mudança real, e a consulta ao sair do campo acontece com a
// porta aberta ou fechada; GetPonteiro devolve a chave, ou 0 sem condição.
#include <algorithm>

#include "edit_consulta_teste.h"
#include "vrmwnd/wrappers/C4_CEditsConsulta.h"

namespace {

class C4CCondicaoPagamentoEditTest : public CEditConsultaTeste<C4_CCondicaoPagamentoEdit> {
 protected:
  void SetUp() override {
    EscreveMensagens("QZDFMens.txt", "5508    Condição não encontrada.\n");
    CriaJanelas();
    if (HasFatalFailure()) return;
    ASSERT_EQ(m_edit.Inicializa(m_empresa.Nome(), 4, 99), S_OK);
  }
  long MudancasNoPai() const {
    return std::count_if(m_pai.Recebidas().begin(), m_pai.Recebidas().end(),
                         [](const TNotificacao& n) { return n.nId == 100 && n.strCodigo == "EN_CHANGE"; });
  }
};

TEST_F(C4CCondicaoPagamentoEditTest, PortaGovernaOPaiEAConsultaSegue) {
  const struct {
    const char* szCaso;
    int nPorta;  // -1 sem porta, 0 fechada, 1 aberta
    const char* szTexto;
    long nMudancasNoPai;
    const char* szStatic;
    unsigned short iPonteiro;
  } kCasos[] = {
      {"sem porta", -1, "30", 2, "30 dias", 2},
      {"porta aberta", 1, "30", 2, "30 dias", 2},
      {"porta fechada", 0, "30", 0, "30 dias", 2},
      {"código que não existe", 1, "NADA", 4, "", 0},
  };
  for (const auto& c : kCasos) {
    SCOPED_TRACE(c.szCaso);
    bool bPorta = c.nPorta == 1;
    m_edit.SetCanSendChangeEvents(c.nPorta >= 0 ? &bPorta : nullptr);
    m_edit.SetPonteiro(0);
    m_edit.Set_C4_Modify(0);
    m_pai.Limpa();
    DigitaESai(c.szTexto);
    EXPECT_EQ(MudancasNoPai(), c.nMudancasNoPai);
    EXPECT_EQ(m_edit.Get_C4_Modify(), 1) << "o modificado sobe com a porta aberta ou fechada";
    EXPECT_EQ(Static(), c.szStatic);
    EXPECT_EQ(m_edit.GetPonteiro(), c.iPonteiro);
  }
}

}  // namespace
