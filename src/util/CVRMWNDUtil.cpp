// CVRMWNDUtil: grades (atualização mantendo o registro, linha sob ordenação), foco
// pelo gerenciador de diálogo e apresentação de resultados de consistência.
#include "vrmwnd/util/CVRMWNDUtil.h"

#include "vrmwnd/base/QZModulos.h"
#include "vrmwnd/suite/grade/CQZBrowserWnd.h"
#include "vrmwnd/suite/grade/CQZTabCtrl.h"
#include "vrmwnd/suite/mensagens/QZMens.h"
#include "vrmwnd/util/modulo.h"

// As cores são membros exportados: têm endereço na biblioteca.
const int CVRMWNDUtil::COR_VERDE;
const int CVRMWNDUtil::COR_VERDE_MEDIO;
const int CVRMWNDUtil::COR_VERMELHO;
const int CVRMWNDUtil::COR_AZUL;
const int CVRMWNDUtil::COR_MARROM;
const int CVRMWNDUtil::COR_BRANCO;
const int CVRMWNDUtil::COR_PRETO;

namespace {

// Torna corrente a célula da linha do registro (ou da linha de mesmo número quando o
// registro não aparece), deslocada pela linha de totais, na coluna corrente.
void PosicionaRegistro(CQZBrowserWnd& browse, int nLinhaMostrada, int nRegistro) {
  const ROWCOL nColuna = browse.GetQZGrid()->GetColunaBrowseAtual();
  const ROWCOL nTotais = browse.GetEnableTotalizacao() ? 1 : 0;
  const ROWCOL nLinha =
      nLinhaMostrada > 0 ? static_cast<ROWCOL>(nLinhaMostrada) : static_cast<ROWCOL>(nRegistro + 1) + nTotais;
  browse.SetCurrentCell(nLinha, nColuna);
}

void SelecionaLinha(CWnd* pGrid, int nLinha) {
  CQZBrowserWnd* pBrowse = CVRMWNDUtil::GetBrowse(pGrid);
  if (pBrowse == nullptr || nLinha < 0) return;
  pBrowse->GetQZGrid()->Reset(false);
  if (pBrowse->GetRowCount() == 0) return;
  const ROWCOL nColuna = pBrowse->GetQZGrid()->GetColunaBrowseAtual();
  pBrowse->SelectRow(static_cast<ROWCOL>(nLinha + 1));
  pBrowse->SetCurrentCell(static_cast<ROWCOL>(nLinha + 1), nColuna);
}

}  // namespace

CQZBrowserWnd* CVRMWNDUtil::GetBrowse(CWnd* pGrid) {
  if (pGrid == nullptr) return nullptr;
  if (!pGrid->IsKindOf(RUNTIME_CLASS(CQZBrowserView)) && !pGrid->IsKindOf(RUNTIME_CLASS(CGXBrowserWnd))) return nullptr;
  return dynamic_cast<CQZBrowserWnd*>(pGrid);
}

int CVRMWNDUtil::GetRealLinhaNaGridEmOrdenacao(CWnd* pGrid, int nRegistro) {
  CQZBrowserWnd* pBrowse = GetBrowse(pGrid);
  if (pBrowse == nullptr) return 0;
  for (ROWCOL nLinha = 1; nLinha <= pBrowse->GetRowCount(); ++nLinha)
    if (pBrowse->GetRecordFromRow(nLinha) == nRegistro) return static_cast<int>(nLinha);
  return -1;
}

void CVRMWNDUtil::AtualizaGrid(CWnd* pGrid, int nLinhas, int nRegistro) {
  CQZBrowserWnd* pBrowse = GetBrowse(pGrid);
  if (pBrowse == nullptr) return;
  CQZGrid& grid = *pBrowse->GetQZGrid();
  if (nRegistro != -1 && nRegistro >= nLinhas)
    nRegistro = nLinhas > 1 ? static_cast<int>(std::max(grid.GetRegistroAtual(), 0L)) : 0;
  const bool bDiminui = static_cast<int>(pBrowse->GetRowCount()) - (grid.GetEnableTotalizacao() ? 1 : 0) > nLinhas;
  int nLinhaAntes = 0;
  if (bDiminui && nRegistro != -1) nLinhaAntes = GetRealLinhaNaGridEmOrdenacao(pGrid, nRegistro);

  const ROWCOL nColunaOrdenada = grid.GetColunaOrdenada();
  const bool bAscendente = grid.GetOrdemAscendente();
  const BOOL bTravaAnterior = pBrowse->LockUpdate(TRUE);
  grid.Reset(false);
  pBrowse->SetRowCount(0);
  pBrowse->SetRowCount(static_cast<ROWCOL>(nLinhas + (grid.GetEnableTotalizacao() ? 1 : 0)));
  if (bDiminui && nRegistro != -1) PosicionaRegistro(*pBrowse, nLinhaAntes, nRegistro);
  if (nColunaOrdenada != 0) pBrowse->SortRows(nColunaOrdenada, bAscendente);
  if (pBrowse->GetStyle() & WS_VSCROLL) pBrowse->ShowScrollBar(SB_BOTH, TRUE);
  pBrowse->LockUpdate(bTravaAnterior);
  pBrowse->Invalidate();
  pBrowse->Redraw();
  if (!bDiminui && nRegistro != -1)
    PosicionaRegistro(*pBrowse, GetRealLinhaNaGridEmOrdenacao(pGrid, nRegistro), nRegistro);
}

int CVRMWNDUtil::SetFocusEspecial(HWND hDialogo, HWND hControle, bool bSincrono) {
  const WPARAM wControle = reinterpret_cast<WPARAM>(hControle);
  if (bSincrono) return static_cast<int>(::SendMessageA(hDialogo, WM_NEXTDLGCTL, wControle, 1));
  return ::PostMessageA(hDialogo, WM_NEXTDLGCTL, wControle, 1);
}

int CVRMWNDUtil::SetFocusEspecial(HWND hDialogo, UINT nIdControle, bool bSincrono) {
  return SetFocusEspecial(hDialogo, ::GetDlgItem(hDialogo, static_cast<int>(nIdControle)), bSincrono);
}

int CVRMWNDUtil::SetFocusEspecial(CWnd* pDialogo, CWnd* pControle, bool bSincrono) {
  return SetFocusEspecial(pDialogo ? pDialogo->GetSafeHwnd() : nullptr, pControle ? pControle->GetSafeHwnd() : nullptr,
                          bSincrono);
}

void CVRMWNDUtil::MensagemGrid(const TQZCMConsisteRetorno* pRetorno, bool bPosiciona, CWnd* pAba1, int nPasta1,
                               CWnd* pDialogo, CWnd* pControle, CWnd* pGrid1, int nLinha1, CWnd* pAba2, int nPasta2,
                               CWnd* pGrid2, int nLinha2) {
  if (pAba1 != nullptr && pAba1->IsKindOf(RUNTIME_CLASS(CQZTabCtrl)))
    static_cast<CQZTabCtrl*>(pAba1)->SelecionaPasta(nPasta1);
  if (bPosiciona) SelecionaLinha(pGrid1, nLinha1);
  if (pAba2 != nullptr && pAba2->IsKindOf(RUNTIME_CLASS(CQZTabCtrl)) && nPasta2 >= 0)
    static_cast<CQZTabCtrl*>(pAba2)->SelecionaPasta(nPasta2);
  if (bPosiciona) SelecionaLinha(pGrid2, nLinha2);
  if (pDialogo != nullptr && pControle != nullptr) SetFocusEspecial(pDialogo, pControle, true);
  if (pRetorno == nullptr || pRetorno->GetQuantidadeItens() == 0) return;
  const TQZCMConsisteItem& item = pRetorno->GetItem(0);
  if (item.GetCodigoQZMensagem() != 0) {
    QZMensagem(item.GetCodigoQZMensagem(), item.GeteModuloCodigoQZMensagem());
  } else if (!item.GetErro().IsEmpty()) {
    QZMessageBoxEx(item.GetErro(), QZTituloModulo(QZ_MODULO_COMPRAS), MB_ICONEXCLAMATION, nullptr);
  }
}
