// As notificações do edit de classificação com contas gerenciais, como a janela-pai as
// recebe: F7 pede o rateio gerencial (com a conta e o edit), sair do campo com outra
// conta avisa que a classificação mudou, e a conta posta por programa, ou a mesma
// conta de novo, não avisa.
#include <functional>

#include "edit_consulta_teste.h"
#include "vrmwnd/wrappers/C4_CEditsCadastro.h"

namespace {

// O pai que grava as notificações WM_NOTIFY do edit: o código e a conta de cada uma.
class CPaiDaClassificacao : public CWnd {
 public:
  CPaiDaClassificacao() { CreateEx(0, nullptr, "Pai", WS_OVERLAPPED | WS_VISIBLE, CRect(0, 0, 600, 400), nullptr, 0); }
  ~CPaiDaClassificacao() override { DestroyWindow(); }
  std::vector<std::pair<int, unsigned long>> m_avisos;
  const void* m_pDados = nullptr;

 protected:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
    if (message == WM_NOTIFY && lParam != 0) {
      const auto* p = reinterpret_cast<const TQZNotificacaoGerencial*>(lParam);
      m_avisos.emplace_back(static_cast<int>(p->hdr.code), p->lConta);
      m_pDados = p->pDados;
    }
    return CWnd::WindowProc(message, wParam, lParam);
  }
};

class C4CPedeContaExComGerencialTest : public testing::Test {
 protected:
  void SetUp() override {
    for (int nId : {100, 102})  // o edit e o campo para onde o foco sai
      CreateWindowExA(0, "EDIT", "", WS_CHILD | WS_VISIBLE | WS_TABSTOP, 0, nId - 100, 100, 20, m_pai.m_hWnd,
                      static_cast<UINT>(nId), nullptr, nullptr);
    ASSERT_TRUE(m_edit.SubclassDlgItem(100, &m_pai));
    ASSERT_EQ(m_edit.Inicializa(m_empresa.Nome(), 4, 99), S_OK);
  }
  void TearDown() override { m_edit.OnFinaliza(); }

  CInstalacaoTeste m_instalacao;
  CEmpresaTeste m_empresa;
  CApresentadorTeste m_caixas;
  CPaiDaClassificacao m_pai;
  CUsuarioRoteirizado m_usuario;
  C4_CPedeContaExComGerencial m_edit;
};

constexpr int kMudou = -1123;
constexpr int kRateio = -1124;

}  // namespace

TEST_F(C4CPedeContaExComGerencialTest, AvisaORateioEAClassificacaoMudadaPelaPessoa) {
  const HWND hOutro = GetDlgItem(m_pai.m_hWnd, 102);
  struct TCaso {
    const char* szCaso;
    std::function<void()> age;
    std::vector<std::pair<int, unsigned long>> avisos;
  } const kCasos[] = {
      {"posta por programa", [&] { m_edit.SetPosicao(5001); }, {}},
      {"a mesma conta digitada", [&] { DigitaESaiPara(m_usuario, m_edit, hOutro, "3.1.01.001"); }, {}},
      {"F7",
       [&] {
         m_usuario.Clica(m_edit);
         m_usuario.Tecla(CPedeContaExComGerencial::TECLA_RATEIO_GERENCIAL);
       },
       {{kRateio, 5001}}},
      {"outra conta", [&] { DigitaESaiPara(m_usuario, m_edit, hOutro, "2.1.07.001"); }, {{kMudou, 2251}}},
      {"conta apagada", [&] { DigitaESaiPara(m_usuario, m_edit, hOutro, ""); }, {{kMudou, 0}}},
  };
  for (const TCaso& c : kCasos) {
    SCOPED_TRACE(c.szCaso);
    m_pai.m_avisos.clear();
    c.age();
    EXPECT_EQ(m_pai.m_avisos, c.avisos);
  }
  EXPECT_EQ(m_pai.m_pDados, static_cast<const void*>(static_cast<CPedeContaExComGerencial*>(&m_edit)));
}
