// Servidor de autorizações de compra do módulo (IQZCM_AutorizacaoCompra) e os
// registros que ele troca: o filtro da busca, o vetor de chaves que a busca devolve
// (alocado pelo servidor com CoTaskMemAlloc) e o registro leve de uma autorização.
#pragma once

#include "vrmwnd/platform/oleauto.h"
#include "vrmwnd/platform/unknwn.h"
#include "vrmwnd/suite/exporta.h"
#include "vrmwnd/suite/leiautes/layout_fixo.h"

// Filtro da busca (128 bytes): o código procurado e a marca da lista (1 = todas as
// autorizações que a lista de consulta mostra).
#define QZ_CAMPOS_REG_FILTRO_AUTORIZACAO_COMPRAPS(N, D, H, T, B) \
  T(szCodigo, 40, 23)                                            \
  N(BYTE, byLista, 114)

struct REG_FILTRO_AUTORIZACAO_COMPRAPS : vrmsuite::TBlocoFixo<REG_FILTRO_AUTORIZACAO_COMPRAPS, 128> {
  static constexpr const char* kNome = "REG_FILTRO_AUTORIZACAO_COMPRAPS";
  static constexpr std::size_t kMaxBytesCodigo = 22;
  QZ_LAYOUT_CAMPOS(QZ_CAMPOS_REG_FILTRO_AUTORIZACAO_COMPRAPS)
};
QZ_LAYOUT_VERIFICA(REG_FILTRO_AUTORIZACAO_COMPRAPS, 128);

// Vetor de chaves de 32 bits (16 bytes): a quantidade e, no deslocamento 8, o
// ponteiro para as chaves, alocadas com CoTaskMemAlloc. Libera() as devolve ao
// alocador e zera quantidade e ponteiro.
#define QZ_CAMPOS_REG_ARRAY_CHAVEPS(N, D, H, T, B) N(DWORD, nQtd, 0)

struct VRMWND_SUITE_API REG_ARRAY_CHAVEPS : vrmsuite::TBlocoFixo<REG_ARRAY_CHAVEPS, 16> {
  static constexpr const char* kNome = "REG_ARRAY_CHAVEPS";
  QZ_LAYOUT_CAMPOS(QZ_CAMPOS_REG_ARRAY_CHAVEPS)
  static constexpr std::size_t kOff_pChave = 8;
  DWORD* pChave() const { return Le<DWORD*, kOff_pChave>(); }
  void Set_pChave(DWORD* p) { Grava<DWORD*, kOff_pChave>(p); }
  void Libera() {
    CoTaskMemFree(pChave());
    Set_pChave(nullptr);
    Set_nQtd(0);
  }
};
QZ_LAYOUT_VERIFICA(REG_ARRAY_CHAVEPS, 16);

// Autorização de compra, registro leve (152 bytes).
#define QZ_CAMPOS_REG_AUTORIZACAO_COMPRA_LIGHTPS(N, D, H, T, B) \
  N(DWORD, lPonteiro, 32)                                       \
  T(szCodigo, 56, 22)                                           \
  T(szNome, 78, 74)

struct REG_AUTORIZACAO_COMPRA_LIGHTPS : vrmsuite::TBlocoFixo<REG_AUTORIZACAO_COMPRA_LIGHTPS, 152> {
  static constexpr const char* kNome = "REG_AUTORIZACAO_COMPRA_LIGHTPS";
  QZ_LAYOUT_CAMPOS(QZ_CAMPOS_REG_AUTORIZACAO_COMPRA_LIGHTPS)
};
QZ_LAYOUT_VERIFICA(REG_AUTORIZACAO_COMPRA_LIGHTPS, 152);

// {5b1e0c31-7a44-4f0e-9d3a-0c6b2f1a7c01}
inline constexpr IID IID_IQZCM_AutorizacaoCompra = {
    0x5b1e0c31, 0x7a44, 0x4f0e, {0x9d, 0x3a, 0x0c, 0x6b, 0x2f, 0x1a, 0x7c, 0x01}};

// Métodos na ordem dos slots (os três de IUnknown antes). Resultado 0 = sucesso.
class VRMWND_SUITE_API IQZCM_AutorizacaoCompra : public IUnknown {
 public:
  // 3: liga o servidor à empresa (o usuário e a sessão vão para o rastreio).
  virtual HRESULT Inicializa(BSTR bstrEmpresa, unsigned short nUsuario, long lSessao) = 0;
  // 4: desliga; leituras depois falham com QZ_E_SEM_CONEXAO.
  virtual HRESULT Finaliza() = 0;
  // 5: quantas autorizações a empresa tem.
  virtual HRESULT Quantidade(long* plQtd) = 0;
  // 6: a chave da autorização de código exato (a primeira, se houver mais de uma);
  // QZ_E_REGISTRO_NAO_ENCONTRADO quando não há.
  virtual HRESULT BuscaChave(BSTR bstrCodigo, DWORD* plChave) = 0;
  // 7: se a chave existe (S_OK com *pbExiste 0 ou 1).
  virtual HRESULT Existe(DWORD lChave, BYTE* pbExiste) = 0;
  // 8: as chaves das autorizações do filtro: com byLista 1, todas, pela ordem do
  // código; senão as de código igual ao do filtro (nenhuma com o código vazio).
  virtual HRESULT BuscaPonteiros(REG_FILTRO_AUTORIZACAO_COMPRAPS rFiltro, REG_ARRAY_CHAVEPS* pArray) = 0;
  // 9: o registro leve de uma chave; chave inexistente: QZ_E_REGISTRO_NAO_ENCONTRADO.
  virtual HRESULT LeLight(DWORD lChave, REG_AUTORIZACAO_COMPRA_LIGHTPS* pReg) = 0;

 protected:
  ~IQZCM_AutorizacaoCompra() = default;
};

// Cria o servidor com uma referência (o chamador chama Release). As leituras de
// BuscaPonteiros e LeLight atendem ao gancho de teste pelos nomes
// "IQZCM_AutorizacaoCompra::BuscaPonteiros" e "IQZCM_AutorizacaoCompra::LeLight".
VRMWND_SUITE_API HRESULT QZCriaAutorizacaoCompra(IQZCM_AutorizacaoCompra** ppServidor);
