// O combo de um cadastro: as linhas lidas pelas mesmas leituras dos edits de cadastro.
#include "vrmwnd/suite/edits/CComboCadastro.h"

#include <string>
#include <utility>
#include <vector>

#include "servidor/le_cadastro.h"
#include "vrmwnd/base/CQZArray.h"
#include "vrmwnd/suite/edits/edits_cadastro.h"
#include "vrmwnd/suite/servidor/banco_empresa.h"
#include "vrmwnd/suite/servidor/resultados.h"

HRESULT CComboCadastro::Carrega(const CString& strEmpresa) {
  m_strEmpresa = strEmpresa;
  m_codigos.clear();
  std::string strErro;
  std::vector<std::pair<CString, DWORD_PTR>> itens;
  auto pBanco = vrmsuite::AbreEmpresa(strEmpresa.GetString(), strErro);
  HRESULT hr = pBanco ? S_OK : QZ_E_EMPRESA_NAO_ENCONTRADA;
  std::vector<DWORD> chaves;
  if (hr == S_OK) hr = vrmsuite::BuscaCadastro(*pBanco, m_descricao, m_filtro, nullptr, chaves, strErro);
  for (std::size_t i = 0; hr == S_OK && i < chaves.size(); ++i) {
    vrmsuite::TLinhaCadastro linha;
    hr = vrmsuite::LeCadastro(*pBanco, m_descricao, nullptr, chaves[i], linha, strErro);
    if (hr != S_OK || !AceitaCodigo(linha.strCodigo.c_str())) continue;
    itens.emplace_back(CString(linha.strDescricao.c_str()), linha.lChave);
    m_codigos[linha.lChave] = linha.strCodigo.c_str();
  }
  if (hr != S_OK) {
    itens.clear();
    m_codigos.clear();
  }
  CarregaItens(itens);
  return hr;
}

HRESULT CComboCadastro::Recarrega() { return m_strEmpresa.IsEmpty() ? S_FALSE : Carrega(m_strEmpresa); }

CString CComboCadastro::GetText() const {
  CString strTexto;
  GetWindowText(strTexto);
  const int nItem = strTexto.IsEmpty() ? CB_ERR : FindStringExact(-1, strTexto);
  if (nItem == CB_ERR) return CString();
  const auto it = m_codigos.find(static_cast<DWORD>(GetItemData(nItem)));
  return it == m_codigos.end() ? CString() : it->second;
}

bool CComboCadastro::GetPosicao(unsigned short& iChave) const {
  iChave = static_cast<unsigned short>(GetCodigoSelecionado(0));
  return GetCurSel() != CB_ERR;
}

CDFComboLeiautes::CDFComboLeiautes() : CComboCadastro(*DescricaoCadastro("leiaute")) {}

namespace {

// O grupo das bases de cálculo do crédito de cada modelo de documento fiscal.
struct TGrupoModelo {
  const char* szModelo;
  char cGrupo;
};
constexpr TGrupoModelo kGruposModelo[] = {
    {"01", 'M'}, {"1B", 'M'}, {"04", 'M'}, {"55", 'M'}, {"65", 'M'}, {"07", 'S'}, {"08", 'S'}, {"8B", 'S'},
    {"09", 'S'}, {"10", 'S'}, {"11", 'S'}, {"26", 'S'}, {"27", 'S'}, {"57", 'S'}, {"63", 'S'}, {"67", 'S'},
    {"06", 'E'}, {"21", 'E'}, {"22", 'E'}, {"28", 'E'}, {"29", 'E'}, {"66", 'E'},
};

}  // namespace

CComboBaseCalculoCredito::CComboBaseCalculoCredito() : CComboCadastro(*DescricaoCadastro("base-credito")) {}

void CComboBaseCalculoCredito::SetModeloDocumento(CString strModelo) {
  strModelo.Trim();
  m_filtro.strTipos.Empty();
  if (!strModelo.IsEmpty()) {
    m_filtro.strTipos = "T";
    for (const TGrupoModelo& g : kGruposModelo)
      if (strModelo == g.szModelo) m_filtro.strTipos += g.cGrupo;
  }
  Recarrega();
}

CComboIndice::CComboIndice() : CComboCadastro(*DescricaoCadastro("indice")) {}

void CComboIndice::SetFiltrarIndices(CString strSiglas, bool bFiltrar) {
  m_strSiglas = strSiglas;
  m_bFiltrar = bFiltrar;
  Recarrega();
}

bool CComboIndice::AceitaCodigo(const char* szSigla) const {
  if (!m_bFiltrar) return true;
  CQZArray<CQZString> siglas;
  siglas.Split(m_strSiglas, ';');
  for (const CQZString& strSigla : siglas)
    if (strSigla == szSigla) return true;
  return false;
}

CComboOrigem::CComboOrigem() : CComboCadastro(*DescricaoCadastro("origem")) {}
CComboTipoIncidenciaPISCOFINS::CComboTipoIncidenciaPISCOFINS()
    : CComboCadastro(*DescricaoCadastro("incidencia-pis-cofins")) {}
CComboTipoPeriodo::CComboTipoPeriodo() : CComboCadastro(*DescricaoCadastro("tipo-periodo")) {}
CComboVencimento::CComboVencimento() : CComboCadastro(*DescricaoCadastro("vencimento")) {}
CEstadoCombo::CEstadoCombo() : CComboCadastro(*DescricaoCadastro("estado")) {}
CTipoDoctoCombo::CTipoDoctoCombo() : CComboCadastro(*DescricaoCadastro("documento")) {}
