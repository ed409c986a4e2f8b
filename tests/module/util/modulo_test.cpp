// A biblioteca se registra ao carregar: a tela acha o recurso do módulo pelo nome do
// arquivo, como qualquer módulo do processo; enquanto um diálogo do módulo está
// aberto o recurso corrente é o dela, e o anterior volta mesmo quando uma exceção
// atravessa o laço modal.
#include <gtest/gtest.h>

#include <stdexcept>

#include "instalacao_teste.h"
#include "janelas_teste.h"
#include "vrmwnd/base/QZSegurancaCOM.h"
#include "vrmwnd/platform/registry.h"
#include "vrmwnd/platform/testing.h"
#include "vrmwnd/util/CCMRecursoModulo.h"
#include "vrmwnd/util/modulo.h"

namespace {

constexpr UINT IDD_MESMO_NUMERO = 31999;

// O mesmo número de modelo no programa e no módulo, com títulos diferentes: o título
// do diálogo que abre diz de onde veio o modelo.
const DLGTEMPLATEDESC kModeloPrograma{"Do programa",
                                      0,
                                      0,
                                      100,
                                      40,
                                      WS_POPUP | WS_CAPTION,
                                      {{IDCANCEL, "BUTTON", "Cancelar", 4, 4, 50, 14, WS_TABSTOP | WS_VISIBLE}}};
const DLGTEMPLATEDESC kModeloModulo{"Do módulo",
                                    0,
                                    0,
                                    100,
                                    40,
                                    WS_POPUP | WS_CAPTION,
                                    {{IDCANCEL, "BUTTON", "Cancelar", 4, 4, 50, 14, WS_TABSTOP | WS_VISIBLE}}};

class RecursoModuloTest : public testing::Test {
 protected:
  RecursoModuloTest() {
    AfxRegisterDialogTemplate(AfxGetInstanceHandle(), IDD_MESMO_NUMERO, kModeloPrograma);
    AfxRegisterDialogTemplate(vrmwnd::InstanciaModulo(), IDD_MESMO_NUMERO, kModeloModulo);
  }
  // DoModal de um diálogo do módulo: a troca de recurso em volta do DoModal herdado.
  static INT_PTR AbreComRecursoDoModulo(CDialog& dlg) {
    CCMRecursoModulo recurso;
    return dlg.DoModal();
  }
  CUsuarioRoteirizado m_usuario;
};

}  // namespace

TEST(ModuloTest, RegistradoAoCarregarEAchadoPeloNomeDoArquivo) {
  ASSERT_NE(vrmwnd::InstanciaModulo(), nullptr);
  EXPECT_EQ(GetModuleHandle("vrmwnd.dll"), vrmwnd::InstanciaModulo());
  EXPECT_EQ(GetModuleHandle("C:\\Tarvo\\VRMWND.DLL"), vrmwnd::InstanciaModulo());
  EXPECT_NE(AfxGetResourceHandle(), vrmwnd::InstanciaModulo()) << "o programa continua o recurso corrente";
}

TEST_F(RecursoModuloTest, DialogoDoModuloAbreComOModeloDoModuloEDevolveORecurso) {
  HINSTANCE hPrograma = AfxGetResourceHandle();
  HINSTANCE hDuranteModal = nullptr;
  m_usuario.QuandoAbrir("Do módulo").Confere([&](HWND) { hDuranteModal = AfxGetResourceHandle(); }).Tecla(VK_ESCAPE);
  m_usuario.QuandoAbrir("Do programa").Tecla(VK_ESCAPE);
  CDialog doModulo(IDD_MESMO_NUMERO), doPrograma(IDD_MESMO_NUMERO);
  EXPECT_EQ(AbreComRecursoDoModulo(doModulo), IDCANCEL);
  EXPECT_EQ(hDuranteModal, vrmwnd::InstanciaModulo());
  EXPECT_EQ(AfxGetResourceHandle(), hPrograma);
  EXPECT_EQ(doPrograma.DoModal(), IDCANCEL) << "fora do diálogo do módulo vale o recurso do programa";
  EXPECT_EQ(m_usuario.Abertos(), (std::vector<std::string>{"Do módulo", "Do programa"}));
}

TEST_F(RecursoModuloTest, ExcecaoQueAtravessaODoModalDevolveORecursoAnterior) {
  HINSTANCE hOutro = AfxRegisterModule("outro.dll");
  AfxSetResourceHandle(hOutro);
  m_usuario.QuandoAbrir("Do módulo").Confere([](HWND) { throw std::runtime_error("falhou na tela"); });
  CDialog dlg(IDD_MESMO_NUMERO);
  EXPECT_THROW(AbreComRecursoDoModulo(dlg), std::runtime_error);
  EXPECT_EQ(AfxGetResourceHandle(), hOutro);
  AfxSetResourceHandle(AfxGetInstanceHandle());
}

TEST(CargaBibliotecaTest, DescarregarTiraOModuloDaCadeiaDeRecursos) {
  AfxRegisterDialogTemplate(vrmwnd::InstanciaModulo(), IDD_MESMO_NUMERO + 1, kModeloModulo);
  ASSERT_NE(AfxFindDialogTemplate(IDD_MESMO_NUMERO + 1), nullptr);
  vrmwnd::FinalizaBiblioteca();
  EXPECT_EQ(AfxFindDialogTemplate(IDD_MESMO_NUMERO + 1), nullptr) << "fora da cadeia";
  {
    CCMRecursoModulo recurso;
    EXPECT_NE(AfxFindDialogTemplate(IDD_MESMO_NUMERO + 1), nullptr) << "o próprio recurso ainda o acha";
  }
  vrmwnd::IniciaBiblioteca();
  EXPECT_NE(AfxFindDialogTemplate(IDD_MESMO_NUMERO + 1), nullptr);
}

TEST(CargaBibliotecaTest, DesabilitaAutenticacaoDCOMEscolheONivelDaSegurancaCOM) {
  struct TCaso {
    const char* szCaso;
    DWORD dwTipo;  // REG_NONE: sem o valor
    DWORD dwValor;
    DWORD dwNivel;
  };
  constexpr TCaso kCasos[] = {
      {"sem o valor", REG_NONE, 0, RPC_C_AUTHN_LEVEL_DEFAULT},
      {"zero", REG_DWORD, 0, RPC_C_AUTHN_LEVEL_DEFAULT},
      {"um", REG_DWORD, 1, RPC_C_AUTHN_LEVEL_NONE},
      {"outro número", REG_DWORD, 7, RPC_C_AUTHN_LEVEL_NONE},
      {"texto", REG_SZ, '1', RPC_C_AUTHN_LEVEL_DEFAULT},
  };
  for (const TCaso& c : kCasos) {
    SCOPED_TRACE(c.szCaso);
    CInstalacaoTeste instalacao(CInstalacaoTeste::VAZIA);
    if (c.dwTipo != REG_NONE) {
      HKEY hChave = nullptr;
      ASSERT_EQ(RegCreateKeyExA(HKEY_LOCAL_MACHINE, vrmwnd::kChaveAutenticacaoDCOM, 0, nullptr, 0, KEY_WRITE, nullptr,
                                &hChave, nullptr),
                0);
      const char szTexto[] = "1";
      const BYTE* pDados =
          c.dwTipo == REG_SZ ? reinterpret_cast<const BYTE*>(szTexto) : reinterpret_cast<const BYTE*>(&c.dwValor);
      ASSERT_EQ(RegSetValueExA(hChave, vrmwnd::kValorAutenticacaoDCOM, 0, c.dwTipo, pDados, c.dwTipo == REG_SZ ? 2 : 4),
                0);
      RegCloseKey(hChave);
    }
    vrmwnd::IniciaBiblioteca();
    EXPECT_EQ(QZNivelAutenticacaoCOM(), c.dwNivel);
    ResetComSecurityForTesting();
    EXPECT_EQ(QZInicializaSegurancaCOM(), S_OK);
    DWORD dwNivel = 99;
    EXPECT_TRUE(GetComSecurityForTesting(&dwNivel));
    EXPECT_EQ(dwNivel, c.dwNivel) << "a segurança COM do processo usa o nível escolhido";
    EXPECT_EQ(QZInicializaSegurancaCOM(), RPC_E_TOO_LATE) << "uma vez por processo";
  }
  ResetComSecurityForTesting();
  vrmwnd::IniciaBiblioteca();
  EXPECT_EQ(QZNivelAutenticacaoCOM(), RPC_C_AUTHN_LEVEL_DEFAULT);
}
