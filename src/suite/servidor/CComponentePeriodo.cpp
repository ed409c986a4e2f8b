// O componente de periodicidades (IQZDF_Periodo) sobre a tabela periodicidade do
// banco da empresa, registrado na tabela de classes do processo com a classe
// CLSID_QZDF_Periodo quando a biblioteca carrega.
#include <vector>

#include "TObjetoCom.h"
#include "vrmwnd/suite/servidor/IQZDF_Periodo.h"

namespace vrmsuite {
namespace {

class CComponentePeriodo final : public TObjetoCom<IQZDF_Periodo, IID_IQZDF_Periodo> {
 public:
  HRESULT Quantidade(DWORD* pnQtd) override {
    return LeQuantidade("IQZDF_Periodo::Quantidade", "SELECT COUNT(*) FROM periodicidade", pnQtd);
  }
  HRESULT Le(WORD iCodigo, REG_PERIODICIDADEPS* pReg) override {
    return LeRegistro("IQZDF_Periodo::Le", "SELECT * FROM periodicidade WHERE iCodigo = ? ORDER BY iPonteiro",
                      static_cast<long long>(iCodigo), pReg);
  }
  HRESULT LeVarios(DWORD nQtd, const WORD* piChaves, REG_PERIODICIDADEPS* aEntradas) override {
    if (nQtd > 0 && (piChaves == nullptr || aEntradas == nullptr)) return E_POINTER;
    for (DWORD i = 0; i < nQtd; ++i) aEntradas[i].Zera();
    if (HRESULT hr = Entrada("IQZDF_Periodo::LeVarios"); hr != S_OK) return hr;
    for (DWORD i = 0; i < nQtd; ++i) {
      const HRESULT hr =
          LeUm("SELECT * FROM periodicidade WHERE iPonteiro = ?", static_cast<long long>(piChaves[i]), &aEntradas[i]);
      if (hr != S_OK) return hr;
    }
    return S_OK;
  }
  HRESULT BuscaPonteiros(REG_BUSCA_PERIODOPS rBusca, REG_CHAVES_PERIODOPS* pResultado) override {
    if (pResultado == nullptr) return E_POINTER;
    pResultado->Zera();
    if (HRESULT hr = Entrada("IQZDF_Periodo::BuscaPonteiros"); hr != S_OK) return hr;
    if (rBusca.byTodas() != 1) return S_OK;
    CComando comando(*m_pBanco, "SELECT iPonteiro FROM periodicidade ORDER BY iPonteiro");
    std::vector<long long> chaves;
    if (HRESULT hr = Chaves(comando, chaves); hr != S_OK) return hr;
    WORD* p = AlocaChaves<WORD>(chaves);
    if (!chaves.empty() && p == nullptr) return E_OUTOFMEMORY;
    pResultado->Set_nQtd(static_cast<DWORD>(chaves.size()));
    pResultado->Set_pChave(p);
    return S_OK;
  }
  HRESULT Finaliza() override {
    m_pBanco.reset();
    return S_OK;
  }
  HRESULT Inicializa(BSTR bstrEmpresa, unsigned short, long) override {
    if (HRESULT hr = FalhaProgramada("IQZDF_Periodo::Inicializa"); hr != S_OK) return hr;
    return Liga(bstrEmpresa);
  }
};

}  // namespace
}  // namespace vrmsuite

namespace {

HRESULT CriaComponentePeriodo(REFIID riid, void** ppv) {
  return vrmsuite::CriaObjetoCom<vrmsuite::CComponentePeriodo>("IQZDF_Periodo::Cria", riid, ppv);
}

// A biblioteca registra o componente ao carregar.
const bool g_bPeriodoRegistrado = (CoRegisterClassCreator(CLSID_QZDF_Periodo, CriaComponentePeriodo), true);

}  // namespace
