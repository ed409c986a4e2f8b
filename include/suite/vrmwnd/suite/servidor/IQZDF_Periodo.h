// Componente de periodicidades da suíte (IQZDF_Periodo): a entrada de uma
// periodicidade (unidade, quantidade, código e nome), o argumento da busca e o
// resultado com as chaves alocadas pelo componente.
#pragma once

#include "vrmwnd/platform/oleauto.h"
#include "vrmwnd/platform/objbase.h"
#include "vrmwnd/suite/exporta.h"
#include "vrmwnd/suite/leiautes/layout_fixo.h"

// Unidades de uma periodicidade.
enum : WORD { QZ_PERIODO_DIA = 0, QZ_PERIODO_MES = 1, QZ_PERIODO_ANO = 2 };

// Periodicidade (64 bytes).
#define QZ_CAMPOS_REG_PERIODICIDADEPS(N, D, H, T, B) \
  N(WORD, iUnidade, 0)                               \
  N(WORD, iQuantidade, 2)                            \
  N(WORD, iCodigo, 6)                                \
  T(szNome, 20, 44)

struct REG_PERIODICIDADEPS : vrmsuite::TBlocoFixo<REG_PERIODICIDADEPS, 64> {
  static constexpr const char* kNome = "REG_PERIODICIDADEPS";
  QZ_LAYOUT_CAMPOS(QZ_CAMPOS_REG_PERIODICIDADEPS)
};
QZ_LAYOUT_VERIFICA(REG_PERIODICIDADEPS, 64);

// Argumento da busca (16 bytes por valor): byTodas 1 lista todas as periodicidades.
#define QZ_CAMPOS_REG_BUSCA_PERIODOPS(N, D, H, T, B) N(BYTE, byTodas, 0)

struct REG_BUSCA_PERIODOPS : vrmsuite::TBlocoFixo<REG_BUSCA_PERIODOPS, 16> {
  static constexpr const char* kNome = "REG_BUSCA_PERIODOPS";
  QZ_LAYOUT_CAMPOS(QZ_CAMPOS_REG_BUSCA_PERIODOPS)
};
QZ_LAYOUT_VERIFICA(REG_BUSCA_PERIODOPS, 16);

// Resultado da busca (16 bytes): a quantidade e o ponteiro para as chaves (16 bits,
// alocadas com CoTaskMemAlloc; quem recebe as libera).
#define QZ_CAMPOS_REG_CHAVES_PERIODOPS(N, D, H, T, B) N(DWORD, nQtd, 0)

struct REG_CHAVES_PERIODOPS : vrmsuite::TBlocoFixo<REG_CHAVES_PERIODOPS, 16> {
  static constexpr const char* kNome = "REG_CHAVES_PERIODOPS";
  QZ_LAYOUT_CAMPOS(QZ_CAMPOS_REG_CHAVES_PERIODOPS)
  static constexpr std::size_t kOff_pChave = 8;
  WORD* pChave() const { return Le<WORD*, kOff_pChave>(); }
  void Set_pChave(WORD* p) { Grava<WORD*, kOff_pChave>(p); }
};
QZ_LAYOUT_VERIFICA(REG_CHAVES_PERIODOPS, 16);

// {14d5f061-ba97-11d2-a224-00a0c9de80d1}: a classe do componente.
inline constexpr GUID CLSID_QZDF_Periodo = {
    0x14d5f061, 0xba97, 0x11d2, {0xa2, 0x24, 0x00, 0xa0, 0xc9, 0xde, 0x80, 0xd1}};
// {9e4f3a27-6c18-4d7b-8a95-2f0b7d6e1c03}
inline constexpr IID IID_IQZDF_Periodo = {0x9e4f3a27, 0x6c18, 0x4d7b, {0x8a, 0x95, 0x2f, 0x0b, 0x7d, 0x6e, 0x1c, 0x03}};

// Métodos na ordem dos slots. Os nomes do gancho de teste são os dos métodos com o
// prefixo "IQZDF_Periodo::"; a criação, "IQZDF_Periodo::Cria".
class VRMWND_SUITE_API IQZDF_Periodo : public IUnknown {
 public:
  // 3: quantas periodicidades a empresa tem.
  virtual HRESULT Quantidade(DWORD* pnQtd) = 0;
  // 4: a primeira periodicidade do código; inexistente: QZ_E_REGISTRO_NAO_ENCONTRADO.
  virtual HRESULT Le(WORD iCodigo, REG_PERIODICIDADEPS* pReg) = 0;
  // 5: preenche nQtd entradas, uma por chave, na ordem das chaves.
  virtual HRESULT LeVarios(DWORD nQtd, const WORD* piChaves, REG_PERIODICIDADEPS* aEntradas) = 0;
  // 6: as chaves das periodicidades (byTodas 1: todas, pela ordem da chave).
  virtual HRESULT BuscaPonteiros(REG_BUSCA_PERIODOPS rBusca, REG_CHAVES_PERIODOPS* pResultado) = 0;
  // 7: desliga o componente da empresa.
  virtual HRESULT Finaliza() = 0;
  // 8: liga o componente à empresa.
  virtual HRESULT Inicializa(BSTR bstrEmpresa, unsigned short nUsuario, long lSessao) = 0;

 protected:
  ~IQZDF_Periodo() = default;
};

DECLARE_INTERFACE_IID(IQZDF_Periodo, "9e4f3a27-6c18-4d7b-8a95-2f0b7d6e1c03")

// O componente é criado pela tabela de classes (CLSID_QZDF_Periodo), onde a
// biblioteca da suíte o registra ao carregar.
