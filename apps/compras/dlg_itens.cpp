// O diálogo de demonstração do redimensionamento: o modelo, as âncoras e a lista que
// se atualiza com os retângulos dos controles.
#include "dlg_itens.h"

#include <iterator>

namespace compras {
namespace {

const DLGTEMPLATEDESC kModelo{CDlgItensRedimensiona::kTitulo,
                              0,
                              0,
                              220,
                              120,
                              DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME,
                              {{CDlgItensRedimensiona::IDC_LISTA, WC_LISTVIEWA, "", 7, 7, 206, 84,
                                WS_VISIBLE | WS_TABSTOP | WS_BORDER | LVS_REPORT | LVS_SINGLESEL},
                               {CDlgItensRedimensiona::IDC_AVISO, "STATIC", "Arraste o canto para redimensionar.", 7,
                                100, 95, 8, WS_VISIBLE | SS_LEFT},
                               {IDOK, "BUTTON", "OK", 108, 98, 50, 14, WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON},
                               {IDCANCEL, "BUTTON", "Cancelar", 163, 98, 50, 14, WS_VISIBLE | WS_TABSTOP}}};

[[maybe_unused]] const bool kModeloRegistrado =
    (AfxRegisterDialogTemplate(AfxGetInstanceHandle(), CDlgItensRedimensiona::IDD, kModelo), true);

struct TAncorado {
  int nId;
  const char* szNome;
  UINT nAncoras;
};
constexpr TAncorado kAncorados[] = {
    {CDlgItensRedimensiona::IDC_LISTA, "Lista", ANCHOR_TOP | ANCHOR_LEFT | ANCHOR_BOTTOM | ANCHOR_RIGHT},
    {CDlgItensRedimensiona::IDC_AVISO, "Aviso", ANCHOR_LEFT | ANCHOR_BOTTOM},
    {IDOK, "OK", ANCHOR_BOTTOM | ANCHOR_RIGHT},
    {IDCANCEL, "Cancelar", ANCHOR_BOTTOM | ANCHOR_RIGHT},
};

}  // namespace

BEGIN_MESSAGE_MAP(CDlgItensRedimensiona, CCMResizeDialog)
ON_WM_SIZE()
END_MESSAGE_MAP()

CDlgItensRedimensiona::CDlgItensRedimensiona(CWnd* pPai) : CCMResizeDialog(IDD, pPai) {}

BOOL CDlgItensRedimensiona::OnInitDialog() {
  CCMResizeDialog::OnInitDialog();
  m_lista.SubclassDlgItem(IDC_LISTA, this);
  m_lista.InsertColumn(0, "Controle", LVCFMT_LEFT, 70);
  m_lista.InsertColumn(1, "Retângulo na área cliente", LVCFMT_LEFT, 200);
  for (const TAncorado& a : kAncorados) SetAnchor(a.nId, a.nAncoras);
  EndInitDialog();
  MostraRetangulos();
  return TRUE;
}

void CDlgItensRedimensiona::OnSize(UINT nTipo, int cx, int cy) {
  CCMResizeDialog::OnSize(nTipo, cx, cy);
  if (m_lista.m_hWnd != nullptr) MostraRetangulos();
}

std::vector<std::string> CDlgItensRedimensiona::Retangulos() const {
  std::vector<std::string> linhas;
  for (const TAncorado& a : kAncorados) {
    CRect r;
    ::GetWindowRect(::GetDlgItem(m_hWnd, a.nId), &r);
    POINT canto{r.left, r.top};
    ::ScreenToClient(m_hWnd, &canto);
    r.OffsetRect(canto.x - r.left, canto.y - r.top);
    CString strLinha;
    strLinha.Format("%s: (%ld, %ld) - (%ld, %ld)", a.szNome, static_cast<long>(r.left), static_cast<long>(r.top),
                    static_cast<long>(r.right), static_cast<long>(r.bottom));
    linhas.emplace_back(strLinha.GetString());
  }
  return linhas;
}

void CDlgItensRedimensiona::MostraRetangulos() {
  m_lista.DeleteAllItems();
  const std::vector<std::string> linhas = Retangulos();
  for (std::size_t i = 0; i < linhas.size(); ++i) {
    const std::string& strLinha = linhas[i];
    const std::size_t nDoisPontos = strLinha.find(": ");
    const int nItem = m_lista.InsertItem(static_cast<int>(i), strLinha.substr(0, nDoisPontos).c_str());
    m_lista.SetItemText(nItem, 1, strLinha.substr(nDoisPontos + 2).c_str());
  }
}

}  // namespace compras
