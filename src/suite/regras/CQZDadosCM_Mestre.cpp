// Leitura da configuração mestre do módulo de Compras, tabela cm_mestre.
#include "vrmwnd/suite/regras/CQZDadosCM_Mestre.h"

#include "servidor/leitura_comum.h"

HRESULT CQZDadosCM_Mestre::Le(CUsaServidor& usa, IQZServidor** ppICMMestre) {
  HRESULT hr = vrmsuite::EntradaLeitura(usa, "CQZDadosCM_Mestre", ppICMMestre, IQZServidor::CM_MESTRE);
  if (hr != S_OK) return hr;
  *this = CQZDadosCM_Mestre();
  vrmsuite::CComando comando((*ppICMMestre)->GetBanco(),
                             "SELECT bBloquearOCSuperiorOrcadoValorParcela, "
                             "bBloquearOCSuperiorOrcadoValorTotal, nQtdMesesOrc, maBaseOrc, "
                             "nPoderIncluirProdutosIguais FROM cm_mestre WHERE id = 1");
  if (!comando.Proxima()) return comando.Erro().empty() ? S_OK : usa.Falha(QZ_E_BANCO_DE_DADOS, comando.Erro());
  sqlite3_stmt* p = comando.Bruto();
  const long long llMes = sqlite3_column_int64(p, 3);
  if (llMes < 0 || llMes > QZMA_MAXIMO)
    return usa.Falha(QZ_E_REGISTRO_CORROMPIDO,
                     "configuração de Compras: mês base " + std::to_string(llMes) + " inválido");
  m_byBloqueiaParcela = static_cast<unsigned char>(sqlite3_column_int(p, 0) != 0);
  m_byBloqueiaTotal = static_cast<unsigned char>(sqlite3_column_int(p, 1) != 0);
  m_nQtdMesesOrc = sqlite3_column_int(p, 2);
  m_maBaseOrc = static_cast<REG_QZMA>(llMes);
  m_byProdutosIguais = static_cast<unsigned char>(sqlite3_column_int(p, 4));
  return S_OK;
}
