// Condições de pagamento no servidor de materiais da suíte (IQZDF_Materiais): o
// registro da condição, o filtro da lista de consulta e o conjunto de chaves que a
// busca devolve; e CConexaoCondicaoPagamento, a conexão que cria o servidor e o liga
// à empresa.
#pragma once

#include "vrmwnd/base/datas.h"
#include "vrmwnd/platform/CString.h"
#include "vrmwnd/platform/oleauto.h"
#include "vrmwnd/platform/unknwn.h"
#include "vrmwnd/suite/exporta.h"
#include "vrmwnd/suite/leiautes/layout_fixo.h"

// Condição de pagamento (168 bytes): validade, código, nome, periodicidade, número
// de parcelas e as marcas de uso pelos módulos 13/19 e 14 (1 = pode usar).
#define QZ_CAMPOS_REG_CONDICAO_PAGAMENTOPS(N, D, H, T, B) \
  D(dmaValidade, 0)                                       \
  N(WORD, iPonteiro, 4)                                   \
  T(szCodigo, 18, 22)                                     \
  T(szNome, 112, 32)                                      \
  N(BYTE, byPeriodicidade, 144)                           \
  N(BYTE, byParcelas, 145)                                \
  N(BYTE, byModulo13, 152)                                \
  N(BYTE, byModulo14, 153)

struct REG_CONDICAO_PAGAMENTOPS : vrmsuite::TBlocoFixo<REG_CONDICAO_PAGAMENTOPS, 168> {
  static constexpr const char* kNome = "REG_CONDICAO_PAGAMENTOPS";
  QZ_LAYOUT_CAMPOS(QZ_CAMPOS_REG_CONDICAO_PAGAMENTOPS)
};
QZ_LAYOUT_VERIFICA(REG_CONDICAO_PAGAMENTOPS, 168);

// Filtro da lista (64 bytes): data de referência (0 = sem data) e os módulos.
#define QZ_CAMPOS_REG_FILTRO_CONDICAO_PAGAMENTOPS(N, D, H, T, B) \
  D(dmaReferencia, 44)                                           \
  N(BYTE, byModulo14, 53)                                        \
  N(BYTE, byModulo13, 54)

struct REG_FILTRO_CONDICAO_PAGAMENTOPS : vrmsuite::TBlocoFixo<REG_FILTRO_CONDICAO_PAGAMENTOPS, 64> {
  static constexpr const char* kNome = "REG_FILTRO_CONDICAO_PAGAMENTOPS";
  QZ_LAYOUT_CAMPOS(QZ_CAMPOS_REG_FILTRO_CONDICAO_PAGAMENTOPS)
};
QZ_LAYOUT_VERIFICA(REG_FILTRO_CONDICAO_PAGAMENTOPS, 64);

// Conjunto de chaves de 16 bits (16 bytes, alocado pelo servidor com CoTaskMemAlloc,
// como o vetor de chaves em pChave): quem recebe libera os dois com CoTaskMemFree.
#define QZ_CAMPOS_REG_CHAVES_CONDICAOPS(N, D, H, T, B) N(WORD, nQtd, 0)

struct REG_CHAVES_CONDICAOPS : vrmsuite::TBlocoFixo<REG_CHAVES_CONDICAOPS, 16> {
  static constexpr const char* kNome = "REG_CHAVES_CONDICAOPS";
  QZ_LAYOUT_CAMPOS(QZ_CAMPOS_REG_CHAVES_CONDICAOPS)
  static constexpr std::size_t kOff_pChave = 8;
  WORD* pChave() const { return Le<WORD*, kOff_pChave>(); }
  void Set_pChave(WORD* p) { Grava<WORD*, kOff_pChave>(p); }
};
QZ_LAYOUT_VERIFICA(REG_CHAVES_CONDICAOPS, 16);

// {7c2d9e14-3b85-4a61-b0f2-5e8d1c4a9b02}
inline constexpr IID IID_IQZDF_Materiais = {
    0x7c2d9e14, 0x3b85, 0x4a61, {0xb0, 0xf2, 0x5e, 0x8d, 0x1c, 0x4a, 0x9b, 0x02}};

// Os métodos de condição de pagamento do servidor de materiais, na ordem dos slots.
// Os slots 3 a 5 e 8 a 11 são de outros cadastros de materiais que este servidor não
// atende: devolvem E_NOTIMPL.
class VRMWND_SUITE_API IQZDF_Materiais : public IUnknown {
 public:
  virtual HRESULT LeProduto(long lChave, void* pReg) = 0;  // 3
  virtual HRESULT LeUnidade(WORD iChave, void* pReg) = 0;  // 4
  virtual HRESULT LeGrupo(WORD iChave, void* pReg) = 0;    // 5
  // 6: uma condição pela chave; chave inexistente: QZ_E_REGISTRO_NAO_ENCONTRADO.
  virtual HRESULT LeCondicaoPagamento(WORD iChave, REG_CONDICAO_PAGAMENTOPS* pReg) = 0;
  // 7: uma condição pelo código exato; não achar devolve S_OK com a chave 0.
  virtual HRESULT LeCondicaoPagamentoCodigo(BSTR bstrCodigo, WORD* piChave, REG_CONDICAO_PAGAMENTOPS* pReg) = 0;
  virtual HRESULT GravaProduto(void* pReg) = 0;    // 8
  virtual HRESULT GravaUnidade(void* pReg) = 0;    // 9
  virtual HRESULT GravaGrupo(void* pReg) = 0;      // 10
  virtual HRESULT ExcluiProduto(long lChave) = 0;  // 11
  // 12: as chaves das condições que a lista mostra, pela ordem do código: válidas na
  // data de referência (sem data ou não anterior a ela) e, com o módulo marcado no
  // filtro, só as que o módulo pode usar.
  virtual HRESULT BuscaCondicoesPagamento(REG_FILTRO_CONDICAO_PAGAMENTOPS rFiltro,
                                          REG_CHAVES_CONDICAOPS** ppChaves) = 0;

 protected:
  ~IQZDF_Materiais() = default;
};

// A conexão ao servidor de condições. Ordem das operações virtuais: destrutor,
// CriaServidor, Conecta (2), Desconecta (3). Os nomes do gancho de teste são
// "CConexaoCondicaoPagamento::Conecta" e os dos métodos, com o prefixo
// "IQZDF_Materiais::".
class VRMWND_SUITE_API CConexaoCondicaoPagamento {
 public:
  CConexaoCondicaoPagamento() = default;
  virtual ~CConexaoCondicaoPagamento();
  CConexaoCondicaoPagamento(const CConexaoCondicaoPagamento&) = delete;
  CConexaoCondicaoPagamento& operator=(const CConexaoCondicaoPagamento&) = delete;

  // Cria o servidor (uma vez); a conexão guarda uma referência.
  virtual HRESULT CriaServidor();
  // Cria quando falta e liga o servidor à empresa; QZ_E_EMPRESA_NAO_ENCONTRADA
  // quando a empresa não tem banco.
  virtual HRESULT Conecta(const CString& strEmpresa, unsigned short nUsuario, long lSessao);
  virtual HRESULT Desconecta();
  // O servidor (nulo antes de CriaServidor); a referência continua da conexão.
  IQZDF_Materiais* GetInterface() const { return m_pServidor; }

 private:
  IQZDF_Materiais* m_pServidor = nullptr;
};
