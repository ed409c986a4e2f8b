// A interface de movimentos de estoque: quantos movimentos uma origem gerou e os
// próprios movimentos, em ordem de sequência, com a observação alocada pelo servidor.
#include "leitura_comum.h"

#include "vrmwnd/suite/leiautes/REG_ES_MOVIMENTOPS.h"

using vrmsuite::CComando;

HRESULT IQZServidor::Falha(HRESULT hr, std::string strMotivo) {
  m_strUltimoErro = std::move(strMotivo);
  return hr;
}

HRESULT IQZServidor::BuscaQuantidadeNotaFiscal(REG_QZDMC rQuemGerou, long* plQtdMovimentos) {
  m_strUltimoErro.clear();
  if (HRESULT hr = vrmsuite::FalhaProgramada("BuscaQuantidadeNotaFiscal"); hr != S_OK)
    return Falha(hr, "BuscaQuantidadeNotaFiscal: falha programada pelo teste");
  if (m_eTipo != MOVIMENTO_ES) return Falha(E_NOINTERFACE, "não é a interface de movimentos");
  if (plQtdMovimentos == nullptr) return Falha(E_POINTER, "BuscaQuantidadeNotaFiscal: destino nulo");
  CComando comando(*m_pBanco, "SELECT count(*) FROM movimento_estoque WHERE llQuemGerou = ?");
  comando.Liga(1, static_cast<long long>(rQuemGerou.Valor()));
  if (!comando.Proxima()) return Falha(QZ_E_BANCO_DE_DADOS, comando.Erro());
  *plQtdMovimentos = static_cast<long>(sqlite3_column_int64(comando.Bruto(), 0));
  m_rOrigemBuscada = rQuemGerou;
  m_lQtdBuscada = *plQtdMovimentos;
  return S_OK;
}

HRESULT IQZServidor::BuscaRegistrosNotaFiscal(long lQtd, REG_ES_MOVIMENTOPS* aRegMovimento) {
  m_strUltimoErro.clear();
  if (HRESULT hr = vrmsuite::FalhaProgramada("BuscaRegistrosNotaFiscal"); hr != S_OK)
    return Falha(hr, "BuscaRegistrosNotaFiscal: falha programada pelo teste");
  if (m_eTipo != MOVIMENTO_ES) return Falha(E_NOINTERFACE, "não é a interface de movimentos");
  if (m_lQtdBuscada < 0) return Falha(E_UNEXPECTED, "BuscaRegistrosNotaFiscal antes de BuscaQuantidadeNotaFiscal");
  if (lQtd != m_lQtdBuscada)
    return Falha(E_INVALIDARG,
                 "pedidos " + std::to_string(lQtd) + " movimentos, a busca achou " + std::to_string(m_lQtdBuscada));
  if (lQtd > 0 && aRegMovimento == nullptr) return Falha(E_POINTER, "vetor de movimentos nulo");
  for (long i = 0; i < lQtd; ++i) aRegMovimento[i].Zera();
  CComando comando(*m_pBanco, "SELECT * FROM movimento_estoque WHERE llQuemGerou = ? ORDER BY lSequencia");
  comando.Liga(1, static_cast<long long>(m_rOrigemBuscada.Valor()));
  long i = 0;
  HRESULT hr = S_OK;
  std::string strErro;
  for (; hr == S_OK && i < lQtd && comando.Proxima(); ++i)
    hr = vrmsuite::PreencheDaLinha(comando, aRegMovimento[i], strErro);
  if (hr == S_OK && !comando.Erro().empty()) {
    hr = QZ_E_BANCO_DE_DADOS;
    strErro = comando.Erro();
  }
  if (hr == S_OK && i < lQtd) {
    hr = QZ_E_REGISTRO_CORROMPIDO;
    strErro = "os movimentos mudaram entre a contagem e a leitura";
  }
  if (hr != S_OK) {
    for (long k = 0; k < lQtd; ++k) TESMovimento::ZerarGlobalAlloc(aRegMovimento[k]);
    return Falha(hr, "movimento de estoque: " + strErro);
  }
  return S_OK;
}
