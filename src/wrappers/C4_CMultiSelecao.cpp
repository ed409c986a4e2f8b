// A tela dos edits de seleção múltipla: o diálogo recebe a conexão do edit, os seus
// filtros e a sua lista, e devolve a lista montada só no OK.
#include "vrmwnd/wrappers/C4_CMultiSelecao.h"

#include "vrmwnd/dialogs/CDlgMultiSelecao.h"

namespace {

// Conecta o diálogo como o edit, o roda e, no OK, devolve a lista ao edit.
template <class TEdit, class TDialogo>
long RodaTela(TEdit& edit, TDialogo& dlg) {
  dlg.Inicializa(edit);
  dlg.m_Codigos.Copy(edit.GetListaPosicao());
  const INT_PTR nResposta = dlg.DoModal();
  if (nResposta == IDOK) edit.SetListaPosicao(dlg.m_Codigos);
  dlg.Finaliza();
  return static_cast<long>(nResposta);
}

}  // namespace

long C4_CMultiCFOPEx::CriaTela(CBaseEditExDF* pEdit, long) {
  auto* pMulti = dynamic_cast<C4_CMultiCFOPEx*>(pEdit);
  if (pMulti == nullptr) return IDCANCEL;
  CDlgMultiCFOP dlg(pMulti);
  dlg.SetFilial(pMulti->Filtro().iFilial);
  return RodaTela(*pMulti, dlg);
}

long C4_CMultiPedeContaEx::CriaTela(CBaseEditExDF* pEdit, long) {
  auto* pMulti = dynamic_cast<C4_CMultiPedeContaEx*>(pEdit);
  if (pMulti == nullptr) return IDCANCEL;
  CDlgMultiFornecedor dlg(pMulti);
  dlg.SetTipoConta(pMulti->GetPlanoGerencial() ? 'G' : 'C');
  dlg.SetCaracteristica(pMulti->Filtro().nCaracteristica);
  dlg.SetTextoTipoConta(pMulti->Filtro().strTipos);
  return RodaTela(*pMulti, dlg);
}
