// Os edits dos cadastros de compras e fiscais: os construtores sobre as descrições e
// o que cada um faz além do edit de cadastro (o CST pelo número, a nota avulsa, a
// busca das tabelas de preço ativas).
#include "vrmwnd/suite/edits/edits_fiscais.h"

#include <cstdio>
#include <string>
#include <vector>

#include "servidor/le_cadastro.h"
#include "vrmwnd/suite/edits/edits_cadastro.h"
#include "vrmwnd/suite/servidor/banco_empresa.h"
#include "vrmwnd/suite/servidor/resultados.h"

CCMContratoCompraEdit::CCMContratoCompraEdit() : CEditCadastro(*DescricaoCadastro("contrato")) {}
CComplementoEx::CComplementoEx() : CEditCadastro(*DescricaoCadastro("complemento")) {}
CEditContatoCFRT::CEditContatoCFRT() : CEditCadastro(*DescricaoCadastro("contato")) {}
CEditAjusteEFD::CEditAjusteEFD() : CEditCadastro(*DescricaoCadastro("ajuste-efd")) {}
CEditCSTIPI::CEditCSTIPI() : CEditCadastro(*DescricaoCadastro("cst-ipi")) {}
CMensagemEdit::CMensagemEdit() : CEditCadastro(*DescricaoCadastro("mensagem")) {}
CNotasFiscaisEdit::CNotasFiscaisEdit() : CEditCadastro(*DescricaoCadastro("nota-fiscal")) {}
CRecolhimentoEdit::CRecolhimentoEdit() : CEditCadastro(*DescricaoCadastro("recolhimento")) {}
CTabPrecoEdit::CTabPrecoEdit() : CEditCadastro(*DescricaoCadastro("tabela-preco")) {}

bool CEditCSTIPI::SetPosicao(unsigned short nCST) {
  if (nCST > 99) return CEditCadastro::SetPosicao(0);
  char szCodigo[8];
  std::snprintf(szCodigo, sizeof szCodigo, "%02u", static_cast<unsigned>(nCST));
  return SetPosicaoPorCodigo(szCodigo);
}

void CNotasFiscaisEdit::SetNotasFiscais(int nNotasFiscais) {
  if (nNotasFiscais < 0 || nNotasFiscais > 9) return;
  m_nNotasFiscais = nNotasFiscais;
  const bool bFiltra = nNotasFiscais != NOTAS_FISCAIS_TODAS && nNotasFiscais != NOTAS_FISCAIS_AVULSA;
  m_filtro.strTipos = bFiltra ? CString(static_cast<char>('0' + nNotasFiscais), 1) : CString();
  OnEnableBtnConsulta(nNotasFiscais != NOTAS_FISCAIS_AVULSA && IsWindowEnabled());
}

void CNotasFiscaisEdit::OnEnableBtnConsulta(BOOL bHabilita) {
  CEditCadastro::OnEnableBtnConsulta(bHabilita && m_nNotasFiscais != NOTAS_FISCAIS_AVULSA);
}

bool CNotasFiscaisEdit::Existe(CString* pstrTexto) {
  if (m_nNotasFiscais != NOTAS_FISCAIS_AVULSA || pstrTexto == nullptr || pstrTexto->IsEmpty())
    return CEditCadastro::Existe(pstrTexto);
  m_lChave = 0;
  m_lNumero = 0;
  m_strDescricao.Empty();
  const std::string strTexto = pstrTexto->GetString();
  if (strTexto.find_first_not_of("0123456789") != std::string::npos) {
    m_nEstadoValidacao = ESTADO_INVALIDO;
    m_nMensagem = m_descricao.nMensagem;
    return false;
  }
  m_nEstadoValidacao = ESTADO_VALIDO;
  return true;
}

void CNotasFiscaisEdit::OnConsulta(CConsulta* pConsulta) {
  if (m_nNotasFiscais != NOTAS_FISCAIS_AVULSA) CEditCadastro::OnConsulta(pConsulta);
}

HRESULT BuscaPonteirosTabelaPreco(const CString& strEmpresa, const CQZDadosDF_TabelaPrecoFiltro& filtro,
                                  CQZArray<unsigned long>* pChaves) {
  if (pChaves == nullptr) return E_POINTER;
  pChaves->RemoveAll();
  std::string strErro;
  auto pBanco = vrmsuite::AbreEmpresa(strEmpresa.GetString(), strErro);
  if (!pBanco) return QZ_E_EMPRESA_NAO_ENCONTRADA;
  TFiltroCadastro filtroCadastro;
  if (filtro.m_cCompraVenda) filtroCadastro.strTipos = CString(filtro.m_cCompraVenda, 1);
  filtroCadastro.cProdutoServico = filtro.m_cProdutoServico;
  std::vector<DWORD> chaves;
  const HRESULT hr =
      vrmsuite::BuscaCadastro(*pBanco, *DescricaoCadastro("tabela-preco"), filtroCadastro, nullptr, chaves, strErro);
  if (hr != S_OK) return hr;
  for (DWORD l : chaves) pChaves->Add(l);
  return S_OK;
}
