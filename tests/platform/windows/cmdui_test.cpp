// As atualizações de interface de um diálogo: o laço modal manda WM_KICKIDLE quando a
// fila esvazia, UpdateDialogControls oferece cada controle aos ON_UPDATE_COMMAND_UI do
// diálogo, e ON_NOTIFY leva ao diálogo as notificações WM_NOTIFY do controle certo.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "janelas_teste.h"
#include "vrmwnd/platform/afxcmdui.h"
#include "vrmwnd/platform/afxcmn.h"

namespace {

enum { IDC_TEXTO = 10, IDC_ADICIONAR = 11, IDC_LISTA = 12, IDC_OUTRA = 13, IDC_SEM_TRATADOR = 14 };

const DLGTEMPLATEDESC kModelo = {
    "Atualizações",
    0,
    0,
    200,
    120,
    WS_POPUP | WS_CAPTION | DS_MODALFRAME,
    {
        {IDC_TEXTO, "EDIT", "", 5, 5, 80, 12, WS_VISIBLE | WS_TABSTOP | WS_BORDER},
        {IDC_ADICIONAR, "BUTTON", "Adicionar", 90, 5, 50, 14, WS_VISIBLE | WS_TABSTOP},
        {IDC_SEM_TRATADOR, "BUTTON", "Outro", 145, 5, 50, 14, WS_VISIBLE | WS_TABSTOP},
        {IDC_LISTA, WC_LISTVIEWA, "", 5, 25, 190, 40, WS_VISIBLE | WS_TABSTOP | LVS_REPORT},
        {IDC_OUTRA, WC_LISTVIEWA, "", 5, 70, 190, 40, WS_VISIBLE | WS_TABSTOP | LVS_REPORT},
    }};

class CDlgAtualiza : public CDialog {
 public:
  explicit CDlgAtualiza(BOOL bDesabilitaSemTratador) : m_bDesabilitaSemTratador(bDesabilitaSemTratador) {
    InitModalIndirect(&kModelo);
  }
  std::vector<std::string> m_teclas;
  int m_nAtualizacoes = 0;
  int m_nAdicionados = 0;

 protected:
  BOOL OnInitDialog() override {
    CDialog::OnInitDialog();
    for (int id : {IDC_LISTA, IDC_OUTRA}) {
      LVCOLUMNA coluna{};
      coluna.mask = LVCF_WIDTH;
      coluna.cx = 100;
      ::SendMessageA(::GetDlgItem(m_hWnd, id), LVM_INSERTCOLUMNA, 0, reinterpret_cast<LPARAM>(&coluna));
    }
    return TRUE;
  }
  LRESULT OnKickIdle(WPARAM, LPARAM) {
    UpdateDialogControls(this, m_bDesabilitaSemTratador);
    return 0;
  }
  void OnUpdateAdicionar(CCmdUI* pCmdUI) {
    ++m_nAtualizacoes;
    CString s;
    GetDlgItemText(IDC_TEXTO, s);
    pCmdUI->Enable(!s.IsEmpty());
  }
  void OnKeydownLista(NMHDR* pHdr, LRESULT* pResult) {
    m_teclas.push_back(std::to_string(reinterpret_cast<NMLVKEYDOWN*>(pHdr)->wVKey));
    *pResult = 0;
  }
  void OnAdicionar() { ++m_nAdicionados; }

 private:
  BOOL m_bDesabilitaSemTratador;
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CDlgAtualiza, CDialog)
ON_MESSAGE(WM_KICKIDLE, &CDlgAtualiza::OnKickIdle)
ON_UPDATE_COMMAND_UI(IDC_ADICIONAR, &CDlgAtualiza::OnUpdateAdicionar)
ON_BN_CLICKED(IDC_ADICIONAR, &CDlgAtualiza::OnAdicionar)
ON_NOTIFY(LVN_KEYDOWN, IDC_LISTA, &CDlgAtualiza::OnKeydownLista)
END_MESSAGE_MAP()

bool Habilitado(HWND hDialogo, int nId) { return IsWindowEnabled(GetDlgItem(hDialogo, nId)) != FALSE; }

}  // namespace

TEST(CCmdUITest, BotaoSegueOTextoAntesDeCadaAcaoDaPessoa) {
  CUsuarioRoteirizado usuario;
  std::vector<bool> habilitado;
  auto olha = [&](HWND h) { habilitado.push_back(Habilitado(h, IDC_ADICIONAR)); };
  usuario.QuandoAbrir("Atualizações")
      .Confere(olha)
      .Clica(IDC_ADICIONAR)  // desabilitado: o clique se perde
      .Digita(IDC_TEXTO, "a")
      .Confere(olha)
      .Clica(IDC_ADICIONAR)
      .Clica(IDC_TEXTO)
      .Tecla(VK_BACK)
      .Confere(olha)
      .Tecla(VK_ESCAPE);
  CDlgAtualiza dlg(FALSE);
  EXPECT_EQ(dlg.DoModal(), IDCANCEL);
  EXPECT_EQ(habilitado, (std::vector<bool>{false, true, false}));
  EXPECT_EQ(dlg.m_nAdicionados, 1) << "só o clique no botão habilitado";
  EXPECT_GE(dlg.m_nAtualizacoes, 3);
}

TEST(CCmdUITest, SemTratadorSoDesabilitaQuandoPedidoESemComando) {
  const struct {
    BOOL bDesabilita;
    bool bOutroHabilitado;
  } kCasos[] = {{FALSE, true}, {TRUE, false}};
  for (const auto& c : kCasos) {
    SCOPED_TRACE(c.bDesabilita);
    CUsuarioRoteirizado usuario;
    bool bOutro = !c.bOutroHabilitado, bTexto = false;
    usuario.QuandoAbrir("Atualizações")
        .Confere([&](HWND h) {
          bOutro = Habilitado(h, IDC_SEM_TRATADOR);
          bTexto = Habilitado(h, IDC_TEXTO);
        })
        .Tecla(VK_ESCAPE);
    CDlgAtualiza dlg(c.bDesabilita);
    dlg.DoModal();
    EXPECT_EQ(bOutro, c.bOutroHabilitado);
    EXPECT_EQ(bTexto, !c.bDesabilita) << "o edit não tem comando: desabilitado também";
  }
}

TEST(CCmdUITest, OnNotifySoDoControleDoMapa) {
  CUsuarioRoteirizado usuario;
  usuario.QuandoAbrir("Atualizações")
      .Clica(IDC_LISTA)
      .Tecla(VK_DELETE)
      .Clica(IDC_OUTRA)
      .Tecla(VK_DELETE)
      .Clica(IDC_LISTA)
      .Tecla(VK_DECIMAL)
      .Tecla(VK_ESCAPE);
  CDlgAtualiza dlg(FALSE);
  dlg.DoModal();
  // Escape fecha o diálogo antes de chegar à lista, como no Windows.
  const std::vector<std::string> kEsperadas = {std::to_string(VK_DELETE), std::to_string(VK_DECIMAL)};
  EXPECT_EQ(dlg.m_teclas, kEsperadas) << "as teclas da outra lista não chegam";
}
