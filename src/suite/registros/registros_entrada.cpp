// O que os registros de valor da entrada fazem além de guardar: a cópia do bloco
// NF-e, que leva o texto da chave de acesso e larga o identificador do servidor, e a
// soma das parcelas.
#include "vrmwnd/base/cy_operacoes.h"
#include "vrmwnd/suite/registros/TCMRERegistroEntrada.h"

namespace {

CString CopiaNFe(const _QZ_NFE_ps& nfe, _QZ_NFE_ps* pCopia) {
  CString strChave;
  try {
    const std::string_view sChave = nfe.ChaveAcesso();
    strChave = CString(std::string(sChave).c_str());
  } catch (const vrmsuite::CQZErroLayout&) {
    // Identificador velho ou inválido: a cópia fica sem a chave.
  }
  *pCopia = nfe;
  pCopia->Set_hChaveAcesso(0);
  return strChave;
}

}  // namespace

void TCMRENFReferidas::SetRegNFe(const _QZ_NFE_ps& nfe) { m_strChaveAcessoNFe = CopiaNFe(nfe, &m_regNFe); }

void TCMRERegistroEntrada::SetRegNFe(const _QZ_NFE_ps& nfe) { m_strChaveAcessoNFe = CopiaNFe(nfe, &m_regNFe); }

CY TCMCondicaoPagamento::GetValorTotalParcelas() const {
  CY cyTotal = g_cyZero;
  for (const TCMParcela& parcela : m_listaParcela) cyTotal = cyTotal + parcela.GetValorParcelaDigitado();
  return cyTotal;
}
