// Os wrappers dos edits de cadastro: a mesma regra de texto de todos os edits
// (C4_regras.h) e as operações exportadas, finas sobre as do edit importado.
#include "vrmwnd/wrappers/C4_CEditsCadastro.h"

#include "vrmwnd/base/datas.h"
#include "C4_regras_cadastro.h"

using vrmwnd::detail::MudancaDeCadastro;
using vrmwnd::detail::PosicaoOuZero;

C4_MAPA_CADASTRO(C4_CFilialEdit, CFilialEdit)
C4_MAPA_CADASTRO(C4_CNaturezaEdit, CNaturezaEdit)
C4_MAPA_CADASTRO(C4_CPedeContaEx, CPedeContaEx)
C4_MAPA_CADASTRO(C4_CPedeContaExComGerencial, CPedeContaExComGerencial)
C4_MAPA_CADASTRO(C4_CPedeHistEx, CPedeHistEx)
C4_MAPA_CADASTRO(C4_CProdutoEdit, CProdutoEdit)
C4_MAPA_CADASTRO(C4_CUnidadeMedidaEdit, CUnidadeMedidaEdit)
C4_MAPA_CADASTRO(C4_CUsuarioEdit, CUsuarioEdit)
C4_MAPA_CADASTRO(C4_CCompradorEdit, CCompradorEdit)
C4_MAPA_CADASTRO(C4_CRequerenteEdit, CRequerenteEdit)
C4_MAPA_CADASTRO(C4_CDepartamentoEdit, CDepartamentoEdit)
C4_MAPA_CADASTRO(C4_CMunicipioEdit, CMunicipioEdit)
C4_MAPA_CADASTRO(C4_CSituacaoTributariaEdit, CSituacaoTributariaEdit)
C4_MAPA_CADASTRO(C4_CCadastroDocumentoEdit, CCadastroDocumentoEdit)

BOOL C4_CFilialEdit::OnChange() { return MudancaDeCadastro(*this, m_strTextoAnterior); }
unsigned short C4_CFilialEdit::GetPonteiro() { return PosicaoOuZero<unsigned short>(*this); }

void C4_CFilialEdit::EnableWindowPersonalizado(int bHabilita) {
  if (!bHabilita) {
    EnableWindow(FALSE);
    return;
  }
  const unsigned short iFilial = GetPonteiro();
  LeFiliaisAtivas();
  CFilialEdit::SetPosicao(iFilial);
}

void C4_CFilialEdit::SetFilialAtivaPersonalizado() {
  LeFiliaisAtivas();
  if (!GetSoTemUmaFilialAtiva()) CFilialEdit::SetPosicao(0);
}

BOOL C4_CNaturezaEdit::OnChange() { return MudancaDeCadastro(*this, m_strTextoAnterior); }
unsigned short C4_CNaturezaEdit::GetPonteiro() { return PosicaoOuZero<unsigned short>(*this); }
bool C4_CNaturezaEdit::SetPosicao(unsigned short iNatureza) {
  return CNaturezaEdit::SetPosicao(iNatureza, QZDMA_MAXIMA);
}

BOOL C4_CPedeContaEx::OnChange() { return MudancaDeCadastro(*this, m_strTextoAnterior, &m_bChanged); }
unsigned long C4_CPedeContaEx::GetPonteiro() { return PosicaoOuZero<unsigned long>(*this); }
void C4_CPedeContaEx::SetPosicao(unsigned long lConta) {
  CPedeContaEx::SetPosicao(lConta);
  SetStaticText();
}

BOOL C4_CPedeContaExComGerencial::OnChange() { return MudancaDeCadastro(*this, m_strTextoAnterior, &m_bChanged); }
unsigned long C4_CPedeContaExComGerencial::GetPonteiro() { return PosicaoOuZero<unsigned long>(*this); }
void C4_CPedeContaExComGerencial::SetPosicao(unsigned long lConta) {
  CPedeContaExComGerencial::SetPosicao(lConta);
  SetStaticText();
}

BOOL C4_CPedeHistEx::OnChange() { return MudancaDeCadastro(*this, m_strTextoAnterior); }

BOOL C4_CProdutoEdit::OnChange() { return MudancaDeCadastro(*this, m_strTextoAnterior); }
void C4_CProdutoEdit::SetPosicao(long lProduto, unsigned long lIDItem) {
  CProdutoEdit::SetPosicao(lProduto);
  m_lIDItem = lIDItem;
}

BOOL C4_CSituacaoTributariaEdit::OnChange() { return MudancaDeCadastro(*this, m_strTextoAnterior); }
long C4_CSituacaoTributariaEdit::GetChave() const {
  long lSituacao = 0;
  GetPosicao(lSituacao);
  return lSituacao;
}

BOOL C4_CCadastroDocumentoEdit::OnChange() { return MudancaDeCadastro(*this, m_strTextoAnterior); }
long C4_CCadastroDocumentoEdit::GetPonteiro() { return PosicaoOuZero<long>(*this); }

BOOL C4_CUnidadeMedidaEdit::OnChange() { return MudancaDeCadastro(*this, m_strTextoAnterior); }
BOOL C4_CUsuarioEdit::OnChange() { return MudancaDeCadastro(*this, m_strTextoAnterior); }
BOOL C4_CCompradorEdit::OnChange() { return MudancaDeCadastro(*this, m_strTextoAnterior); }
BOOL C4_CRequerenteEdit::OnChange() { return MudancaDeCadastro(*this, m_strTextoAnterior); }
BOOL C4_CDepartamentoEdit::OnChange() { return MudancaDeCadastro(*this, m_strTextoAnterior); }
BOOL C4_CMunicipioEdit::OnChange() { return MudancaDeCadastro(*this, m_strTextoAnterior); }
