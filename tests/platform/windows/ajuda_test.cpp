// F1: o controle com o foco recebe WM_HELP com o que pediu a ajuda; sem tratador,
// o pedido sobe ao diálogo e, dele, ao dono.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "janelas_teste.h"
#include "vrmwnd/platform/winhelp.h"

namespace {

enum { IDC_TEXTO = 10, IDC_BOTAO = 11 };

struct TPedidoAjuda {
  std::string strQuem;
  int iCtrlId;
  bool bItemCerto;  // hItemHandle é a janela do controle
  bool operator==(const TPedidoAjuda&) const = default;
};

std::vector<TPedidoAjuda>* g_pPedidos = nullptr;

BOOL Grava(const char* szQuem, HWND hDialogo, const HELPINFO* p) {
  const bool bItemCerto = p->hItemHandle == GetDlgItem(hDialogo, p->iCtrlId) && p->iContextType == HELPINFO_WINDOW &&
                          p->cbSize == sizeof(HELPINFO);
  g_pPedidos->push_back({szQuem, p->iCtrlId, bItemCerto});
  return TRUE;
}

const DLGTEMPLATEDESC kModelo = {"Com ajuda",
                                 0,
                                 0,
                                 200,
                                 60,
                                 WS_POPUP | WS_CAPTION | DS_MODALFRAME,
                                 {
                                     {IDC_TEXTO, "EDIT", "", 5, 5, 80, 12, WS_VISIBLE | WS_TABSTOP | WS_BORDER},
                                     {IDC_BOTAO, "BUTTON", "Ok", 90, 5, 50, 14, WS_VISIBLE | WS_TABSTOP},
                                 }};

class CDlgAjuda : public CDialog {
 public:
  CDlgAjuda(CWnd* pDono, bool bTrata) : m_bTrata(bTrata) {
    InitModalIndirect(&kModelo);
    m_pParentWnd = pDono;
  }
  BOOL OnHelpInfo(HELPINFO* p) { return m_bTrata ? Grava("diálogo", m_hWnd, p) : CDialog::OnHelpInfo(p); }

 private:
  bool m_bTrata;
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CDlgAjuda, CDialog)
ON_WM_HELPINFO()
END_MESSAGE_MAP()

class CDonoAjuda : public CWnd {
 public:
  CDonoAjuda() { CreateEx(0, nullptr, "Dono", WS_OVERLAPPED | WS_VISIBLE, CRect(0, 0, 600, 400), nullptr, 0); }
  ~CDonoAjuda() override { DestroyWindow(); }
  HWND m_hDialogo = nullptr;
  BOOL OnHelpInfo(HELPINFO* p) { return Grava("dono", m_hDialogo, p); }

 private:
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CDonoAjuda, CWnd)
ON_WM_HELPINFO()
END_MESSAGE_MAP()

TEST(AjudaTest, F1VaiDoControleComFocoAteQuemTrata) {
  struct TCaso {
    const char* szNome;
    bool bDialogoTrata;
    std::function<void(CRoteiro&)> acoes;
    std::vector<TPedidoAjuda> pedidos;
  };
  const TCaso kCasos[] = {
      {"no texto, o diálogo trata", true, [](CRoteiro& r) { r.Tecla(VK_F1); }, {{"diálogo", IDC_TEXTO, true}}},
      {"no botão, depois do Tab",
       true,
       [](CRoteiro& r) { r.Tecla(VK_TAB).Tecla(VK_F1); },
       {{"diálogo", IDC_BOTAO, true}}},
      {"sem tratador no diálogo, sobe ao dono",
       false,
       [](CRoteiro& r) { r.Tecla(VK_F1); },
       {{"dono", IDC_TEXTO, true}}},
      {"F1 não escreve no texto",
       true,
       [](CRoteiro& r) { r.Tecla(VK_F1).Tecla(VK_F1); },
       {{"diálogo", IDC_TEXTO, true}, {"diálogo", IDC_TEXTO, true}}},
  };
  for (const auto& c : kCasos) {
    SCOPED_TRACE(c.szNome);
    std::vector<TPedidoAjuda> pedidos;
    g_pPedidos = &pedidos;
    CDonoAjuda dono;
    std::string strTexto = "?";
    CUsuarioRoteirizado usuario;
    CRoteiro& roteiro = usuario.QuandoAbrir("Com ajuda");
    roteiro.Confere([&](HWND h) { dono.m_hDialogo = h; });
    c.acoes(roteiro);
    roteiro.Confere([&](HWND h) {
      char sz[32] = "";
      GetDlgItemTextA(h, IDC_TEXTO, sz, sizeof sz);
      strTexto = sz;
    });
    roteiro.Tecla(VK_ESCAPE);
    CDlgAjuda dlg(&dono, c.bDialogoTrata);
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
    EXPECT_EQ(pedidos, c.pedidos);
    EXPECT_EQ(strTexto, "");
    g_pPedidos = nullptr;
  }
}

}  // namespace
