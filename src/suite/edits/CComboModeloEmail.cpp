// O combo dos modelos de e-mail, lido da tabela cm_modelo_email da empresa corrente.
#include "vrmwnd/suite/edits/CComboModeloEmail.h"

#include "vrmwnd/suite/registros/TQZBase.h"
#include "vrmwnd/suite/servidor/banco_empresa.h"
#include "vrmwnd/suite/servidor/modelos_email.h"
#include "vrmwnd/suite/servidor/resultados.h"

HRESULT CComboModeloEmail::Inicializa() {
  std::string strErro;
  m_pBanco = vrmsuite::AbreEmpresa(CQZInicializador::GetEmpresa(), strErro);
  return m_pBanco ? S_OK : QZ_E_EMPRESA_NAO_ENCONTRADA;
}

int CComboModeloEmail::Atualiza() {
  ResetContent();
  m_modelos.clear();
  if (!m_pBanco) return 0;
  m_modelos = vrmsuite::LeModelosEmail(*m_pBanco, m_iExtensao);
  for (std::size_t i = 0; i < m_modelos.size(); ++i) AdicionaItem(m_modelos[i].strNome, i);
  return static_cast<int>(m_modelos.size());
}

bool CComboModeloEmail::SelecionaModelo(const CString& strModelo) {
  for (std::size_t i = 0; i < m_modelos.size(); ++i)
    if (!strModelo.IsEmpty() && (m_modelos[i].strCompleto == strModelo || m_modelos[i].strNome == strModelo))
      return SelecionaPorCodigo(i);
  SetCurSel(-1);
  return false;
}

CString CComboModeloEmail::GetModeloCompleto() const {
  const DWORD_PTR nIndice = GetCodigoSelecionado(static_cast<DWORD_PTR>(-1));
  return nIndice < m_modelos.size() ? m_modelos[nIndice].strCompleto : CString();
}
