// Os wrappers dos edits de compras e fiscais: a regra de texto de todos os edits e as
// operações exportadas, finas sobre as do edit importado.
#include "vrmwnd/wrappers/C4_CEditsFiscais.h"

#include <cstdlib>

#include "C4_regras_cadastro.h"
#include "vrmwnd/base/QZException.h"
#include "vrmwnd/suite/mensagens/QZMens.h"
#include "vrmwnd/util/modulo.h"

namespace {

constexpr const char* kFonteTabPreco = "CMEditTabPreco";
constexpr LONG kFonteMensagens = 1430;
constexpr LONG kLocalTabelasAtivas = 382301;

}  // namespace

C4_IMPLEMENTA_CADASTRO(C4_CCMContratoCompraEdit, CCMContratoCompraEdit)
C4_IMPLEMENTA_CADASTRO(C4_CComplementoEx, CComplementoEx)
C4_IMPLEMENTA_CADASTRO(C4_CContatoCFRT, CEditContatoCFRT)
C4_IMPLEMENTA_CADASTRO(C4_CEditCSTIPI, CEditCSTIPI)
C4_IMPLEMENTA_CADASTRO(C4_CMensagemEdit, CMensagemEdit)
C4_IMPLEMENTA_CADASTRO(C4_CNotasFiscaisEdit, CNotasFiscaisEdit)
C4_IMPLEMENTA_CADASTRO(C4_CRecolhimentoEdit, CRecolhimentoEdit)

BEGIN_MESSAGE_MAP(C4_CEditAjusteEFD, CEditAjusteEFD)
ON_CONTROL_REFLECT_EX(EN_CHANGE, &C4_CEditAjusteEFD::OnChange)
ON_CONTROL_REFLECT_EX(EN_KILLFOCUS, &C4_CEditAjusteEFD::OnKillFocus)
ON_CONTROL_REFLECT_EX(EN_SETFOCUS, &C4_CEditAjusteEFD::OnSetFocus)
END_MESSAGE_MAP()

BOOL C4_CEditAjusteEFD::OnChange() { return vrmwnd::detail::MudancaDeCadastro(*this, m_strTextoAnterior); }
BOOL C4_CEditAjusteEFD::OnKillFocus() {
  return FiltraFoco(*this, [this] { return CBaseEditExDF::OnCONTROL_REFLECT_EX_KillFocus(); });
}
BOOL C4_CEditAjusteEFD::OnSetFocus() {
  return FiltraFoco(*this, [this] { return CBaseEditExDF::OnCONTROL_REFLECT_EX_SetFocus(); });
}

unsigned long C4_CContatoCFRT::GetPonteiro() { return vrmwnd::detail::PosicaoOuZero<unsigned long>(*this); }
void C4_CContatoCFRT::SetPosicao(unsigned long lContato) {
  CEditContatoCFRT::SetPosicao(lContato);
  SetStaticText();
}

unsigned short C4_CEditCSTIPI::GetPosicao() {
  const CString strTexto = GetText();
  if (strTexto.IsEmpty()) return 100;
  return static_cast<unsigned short>(std::strtoul(strTexto.GetString(), nullptr, 10));
}

void C4_CEditCSTIPI::SetPosicao(unsigned short nCST) {
  if (nCST == 100)
    CEditCSTIPI::SetPosicao("");
  else
    CEditCSTIPI::SetPosicao(nCST);
}

BOOL C4_CNotasFiscaisEdit::EnableWindow(BOOL bHabilita) {
  if (GetBtnConsulta() != nullptr) OnEnableBtnConsulta(bHabilita && GetNotasFiscais() != NOTAS_FISCAIS_AVULSA);
  return CWnd::EnableWindow(bHabilita);
}

C4_MAPA_CADASTRO(C4_CTabPrecoEdit, CTabPrecoEdit)
BOOL C4_CTabPrecoEdit::OnChange() { return vrmwnd::detail::MudancaDeCadastro(*this, m_strTextoAnterior, &m_bChanged); }

void C4_CTabPrecoEdit::GetTodasTabelasAtivas(CQZArray<unsigned long>* pTabelas) {
  CQZDadosDF_TabelaPrecoFiltro filtro;
  filtro.m_cCompraVenda = GetCompraVenda();
  filtro.m_cProdutoServico = GetProdutoServico();
  const HRESULT hr = BuscaPonteirosTabelaPreco(GetEmpresaProfiler(), filtro, pTabelas);
  if (hr != S_OK)
    QZTrataErro2(static_cast<LONGLONG>(hr), kLocalTabelasAtivas, kFonteMensagens, GetEmpresaProfiler(), kFonteTabPreco,
                 __LINE__, QZ_COMPILACAO, false, nullptr, vrmwnd::kArquivoModulo);
}
