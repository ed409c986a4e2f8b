// Os wrappers dos edits de estoque: a regra de texto de todos os edits (o de locais
// com o tratador de CLocaisEdit) e as operações exportadas, finas sobre as do edit.
#include "vrmwnd/wrappers/C4_CEditsEstoque.h"

#include "C4_regras_cadastro.h"

C4_IMPLEMENTA_CADASTRO(C4_CCQEditControle, CCQEditControleSimples)
C4_IMPLEMENTA_CADASTRO(C4_CCodigoBarrasSimplesEdit, CCodigoBarrasSimplesEdit)
C4_IMPLEMENTA_CADASTRO(C4_CMovimentoEdit, CMovimentoEdit)
C4_IMPLEMENTA_CADASTRO(C4_CProdutoEditEx, CProdutoEditEx)
C4_IMPLEMENTA_CADASTRO(C4_MultiProdutoEditEx, CMultiProdutoEditEx)
C4_IMPLEMENTA_CADASTRO(C4_CRecbtoProdutoEdit, CRecbtoProdutoEdit)
C4_IMPLEMENTA_CADASTRO(C4_CTaxaConversaoUnMedida, CTaxaConversaoUnMedida)

C4_MAPA_CADASTRO(C4_CLocaisEdit, CLocaisEdit)
BOOL C4_CLocaisEdit::OnChange() {
  return FiltraMudancaDeTexto(*this, m_strTextoAnterior, [this] { return CLocaisEdit::OnCONTROL_REFLECT_EX_Change(); });
}
long C4_CLocaisEdit::GetLote() {
  long lLote = 0;
  CLocaisEdit::GetLote(lLote);
  return lLote;
}
long C4_CLocaisEdit::GetPosicao() { return vrmwnd::detail::PosicaoOuZero<long, CLocaisEdit>(*this); }

long C4_CMovimentoEdit::GetPonteiro() { return vrmwnd::detail::PosicaoOuZero<long>(*this); }

void C4_CProdutoEditEx::SetPosicao(const _REG_POSICAO_PRODUTOPS& posicao, unsigned long lIDItem) {
  CProdutoEditEx::SetPosicao(posicao);
  m_lIDItem = lIDItem;
}

void C4_CTaxaConversaoUnMedida::Limpar() { CTaxaConversaoUnMedida::SetPosicao(0, 0); }
