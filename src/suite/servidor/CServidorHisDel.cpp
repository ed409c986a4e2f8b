// O servidor dos históricos desativados (IHisDel) sobre a tabela historico_desativado
// do banco da empresa, e o seu registro na tabela de classes do processo.
#include "TObjetoCom.h"
#include "vrmwnd/suite/servidor/IHisDel.h"

namespace {

using vrmsuite::CComando;

class CServidorHisDel final : public vrmsuite::TObjetoCom<IHisDel, IID_IHisDel> {
 public:
  HRESULT QuantidadeDesativados(unsigned short numero, long* plQuantidade) override {
    if (plQuantidade == nullptr) return E_POINTER;
    *plQuantidade = 0;
    if (HRESULT hr = Entrada("IHisDel::QuantidadeDesativados"); hr != S_OK) return hr;
    CComando comando(*m_pBanco, "SELECT COUNT(*) FROM historico_desativado WHERE nNumero = ?");
    if (comando.Preparado()) comando.Liga(1, numero);
    return Conta(comando, plQuantidade);
  }
  HRESULT GravaDesativados(unsigned short numero, long quantidade, REG_HISDELPS* aElementos) override;
  HRESULT LeDesativados(unsigned short numero, long maximo, REG_HISDELPS* aElementos) override;
  HRESULT SetConexao(BSTR conexao) override {
    if (HRESULT hr = vrmsuite::FalhaProgramada("IHisDel::SetConexao"); hr != S_OK) return hr;
    return Liga(conexao);
  }

 private:
  // Executa um comando sem linhas; false no erro.
  bool Executa(const char* szSql, long long a = 0, long long b = 0, long long c = 0) {
    CComando comando(*m_pBanco, szSql);
    if (!comando.Preparado()) return false;
    const int nParametros = sqlite3_bind_parameter_count(comando.Bruto());
    const long long valores[] = {a, b, c};
    for (int i = 0; i < nParametros && i < 3; ++i) comando.Liga(i + 1, valores[i]);
    comando.Proxima();
    return comando.Erro().empty();
  }
};

HRESULT CServidorHisDel::GravaDesativados(unsigned short numero, long quantidade, REG_HISDELPS* aElementos) {
  if (quantidade < 0) return E_INVALIDARG;
  if (quantidade > 0 && aElementos == nullptr) return E_POINTER;
  if (HRESULT hr = Entrada("IHisDel::GravaDesativados"); hr != S_OK) return hr;
  if (!Executa("SAVEPOINT grava_desativados")) return QZ_E_BANCO_DE_DADOS;
  bool bCerto = Executa("DELETE FROM historico_desativado WHERE nNumero = ?", numero);
  long nOrdem = 0;
  for (long i = 0; bCerto && i < quantidade; ++i) {
    const WORD iHistorico = aElementos[i].iHistorico();
    if (iHistorico != 0)
      bCerto = Executa("INSERT INTO historico_desativado (nNumero, nOrdem, iHistorico) VALUES (?, ?, ?)", numero,
                       ++nOrdem, iHistorico);
  }
  if (!bCerto) Executa("ROLLBACK TO grava_desativados");
  Executa("RELEASE grava_desativados");
  return bCerto ? S_OK : QZ_E_BANCO_DE_DADOS;
}

HRESULT CServidorHisDel::LeDesativados(unsigned short numero, long maximo, REG_HISDELPS* aElementos) {
  if (maximo < 0) return E_INVALIDARG;
  if (maximo > 0 && aElementos == nullptr) return E_POINTER;
  for (long i = 0; i < maximo; ++i) aElementos[i].Zera();
  if (HRESULT hr = Entrada("IHisDel::LeDesativados"); hr != S_OK) return hr;
  CComando comando(*m_pBanco, "SELECT iHistorico FROM historico_desativado WHERE nNumero = ? ORDER BY nOrdem");
  if (!comando.Preparado()) return QZ_E_BANCO_DE_DADOS;
  comando.Liga(1, numero);
  for (long i = 0; i < maximo && comando.Proxima(); ++i)
    aElementos[i].Set_iHistorico(static_cast<WORD>(sqlite3_column_int(comando.Bruto(), 0)));
  return comando.Erro().empty() ? S_OK : QZ_E_BANCO_DE_DADOS;
}

HRESULT CriaServidorHisDel(REFIID riid, void** ppv) {
  return vrmsuite::CriaObjetoCom<CServidorHisDel>("IHisDel::Cria", riid, ppv);
}

// A biblioteca registra o servidor ao carregar.
const bool g_bHisDelRegistrado = (CoRegisterClassCreator(CLSID_HisDel, CriaServidorHisDel), true);

}  // namespace
