// O diálogo redimensionável no terminal: a alça ◢ no canto de baixo à direita da área
// cliente e, depois de Ctrl+Shift+setas (a pessoa arrastando a alça pelo teclado), a
// lista maior e o botão que seguiu o canto.
#include <gtest/gtest.h>

#include "ambiente_teste.h"
#include "quadros_teste.h"
#include "vrmwnd/dialogs/CCMResizeDialog.h"
#include "vrmwnd/platform/commctrl.h"
#include "vrmwnd/terminal/CUsuarioTerminal.h"

namespace {

constexpr UINT IDD_REDIMENSIONA = 9401;

const DLGTEMPLATEDESC kModelo{"Itens",
                              0,
                              0,
                              120,
                              52,
                              WS_POPUP | WS_CAPTION | WS_THICKFRAME | DS_MODALFRAME,
                              {{1001, WC_LISTVIEWA, "", 4, 4, 112, 26, WS_VISIBLE | WS_BORDER | LVS_REPORT},
                               {IDOK, "BUTTON", "OK", 66, 34, 50, 14, WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON}}};

[[maybe_unused]] const bool kModeloRegistrado =
    (AfxRegisterDialogTemplate(AfxGetInstanceHandle(), IDD_REDIMENSIONA, kModelo), true);

class CDlgRedimensiona : public CCMResizeDialog {
 public:
  CDlgRedimensiona() : CCMResizeDialog(IDD_REDIMENSIONA, nullptr) {}

 protected:
  BOOL OnInitDialog() override {
    CCMResizeDialog::OnInitDialog();
    SetAnchor(1001, ANCHOR_TOP | ANCHOR_LEFT | ANCHOR_BOTTOM | ANCHOR_RIGHT);
    SetAnchor(IDOK, ANCHOR_BOTTOM | ANCHOR_RIGHT);
    EndInitDialog();
    return TRUE;
  }
};

void Tecla(int nTecla) {
  using vrmwnd::terminal::TEvento;
  EXPECT_TRUE(vrmwnd::terminal::EntregaEvento(TEvento::Tecla(nTecla, {VK_LCONTROL, VK_LSHIFT}), {}));
}

}  // namespace

TEST(DesenhoRedimensionaTest, AlcaNoCantoECtrlShiftSetasRedimensionam) {
  CHomeTemporaria home;  // a posição guardada fica nela
  CUsuarioRoteirizado usuario;
  std::string strAntes, strDepois;
  CRect antes, depois;
  usuario.QuandoAbrir("Itens")
      .Confere([&](HWND h) {
        strAntes = DesenhaSozinha(h).strTexto;
        GetWindowRect(h, &antes);
        for (int nTecla : {VK_RIGHT, VK_RIGHT, VK_RIGHT, VK_RIGHT, VK_DOWN, VK_DOWN, VK_LEFT}) Tecla(nTecla);
      })
      .Confere([&](HWND h) {
        strDepois = DesenhaSozinha(h).strTexto;
        GetWindowRect(h, &depois);
      })
      .Tecla(VK_ESCAPE);
  CDlgRedimensiona dlg;
  EXPECT_EQ(dlg.DoModal(), IDCANCEL);
  EXPECT_EQ(depois.Width() - antes.Width(), 3 * vrmwnd::terminal::kPixelsPorColuna);
  EXPECT_EQ(depois.Height() - antes.Height(), 2 * vrmwnd::terminal::kPixelsPorLinha);
  ConfereQuadro("redimensionavel", strAntes);
  ConfereQuadro("redimensionavel_maior", strDepois);
}
