// O combo dos modelos de e-mail, lido da tabela cm_modelo_email da empresa corrente.
#include "vrmwnd/suite/edits/CComboModeloEmail.h"

#include <sqlite3.h>

#include "../servidor/banco_impl.h"
#include "vrmwnd/suite/registros/TQZBase.h"
#include "vrmwnd/suite/servidor/banco_empresa.h"
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
  vrmsuite::CComando cmd(*m_pBanco,
                         "SELECT szNome, szArquivo FROM cm_modelo_email WHERE iExtensao = ? ORDER BY szNome");
  cmd.Liga(1, static_cast<long long>(m_iExtensao));
  while (cmd.Proxima()) {
    auto Texto = [&](int nColuna) {
      const unsigned char* sz = sqlite3_column_text(cmd.Bruto(), nColuna);
      return CString(sz ? reinterpret_cast<const char*>(sz) : "");
    };
    m_modelos.push_back({Texto(0), Texto(1)});
    AdicionaItem(m_modelos.back().strNome, m_modelos.size() - 1);
  }
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
