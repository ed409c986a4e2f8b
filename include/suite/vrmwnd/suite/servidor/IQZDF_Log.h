// Componente de log de transações da suíte (IQZDF_Log): as entradas de log de cada
// documento no banco da empresa, o filtro da busca, a leitura das chaves e a geração
// do relatório em texto. O componente está na tabela de classes do processo com a
// classe CLSID_QZDF_Log desde que a biblioteca da suíte carrega.
#pragma once

#include <string>
#include <string_view>

#include "vrmwnd/base/REG_QZDMC.h"
#include "vrmwnd/platform/objbase.h"
#include "vrmwnd/platform/oleauto.h"
#include "vrmwnd/suite/exporta.h"
#include "vrmwnd/suite/leiautes/layout_fixo.h"

// Uma entrada do log (256 bytes): a chave, o documento (REG_QZDMC, palavra baixa
// primeiro), o tipo de documento do filtro, o usuário, o momento
// "AAAA-MM-DD HH:MM:SS", a operação e a descrição.
#define QZ_CAMPOS_REG_LOGPS(N, D, H, T, B) \
  N(DWORD, lChave, 0)                      \
  N(DWORD, dwDocBaixo, 4)                  \
  N(DWORD, dwDocAlto, 8)                   \
  N(BYTE, byTipoDocumento, 12)             \
  N(WORD, nUsuario, 14)                    \
  T(szMomento, 16, 20)                     \
  T(szOperacao, 36, 40)                    \
  T(szDescricao, 76, 180)

struct REG_LOGPS : vrmsuite::TBlocoFixo<REG_LOGPS, 256> {
  static constexpr const char* kNome = "REG_LOGPS";
  QZ_LAYOUT_CAMPOS(QZ_CAMPOS_REG_LOGPS)
};
QZ_LAYOUT_VERIFICA(REG_LOGPS, 256);

// Filtro da busca (64 bytes, zerado pelo chamador). Os três campos de 32 bits depois
// dos oito primeiros bytes valem −1 para "qualquer": o usuário e as datas inicial e
// final (AAAAMMDD). szDocumento é a chave do documento em texto (QZLogTextoDocumento;
// vazio: qualquer) e byTipoDocumento o tipo do documento (0: qualquer).
#define QZ_CAMPOS_REG_FILTRO_LOGPS(N, D, H, T, B) \
  N(LONG, lUsuario, 8)                            \
  N(LONG, lDataInicial, 12)                       \
  N(LONG, lDataFinal, 16)                         \
  T(szDocumento, 20, 14)                          \
  N(BYTE, byTipoDocumento, 34)

struct REG_FILTRO_LOGPS : vrmsuite::TBlocoFixo<REG_FILTRO_LOGPS, 64> {
  static constexpr const char* kNome = "REG_FILTRO_LOGPS";
  QZ_LAYOUT_CAMPOS(QZ_CAMPOS_REG_FILTRO_LOGPS)
};
QZ_LAYOUT_VERIFICA(REG_FILTRO_LOGPS, 64);

// {b2f706fe-7e3d-11d2-9ff1-00a0c9b6fb26}: a classe do componente.
inline constexpr GUID CLSID_QZDF_Log = {0xb2f706fe, 0x7e3d, 0x11d2, {0x9f, 0xf1, 0x00, 0xa0, 0xc9, 0xb6, 0xfb, 0x26}};
// {5c0e7a31-2b8d-4f6a-9d14-7e3b1a6c2f58}
inline constexpr IID IID_IQZDF_Log = {0x5c0e7a31, 0x2b8d, 0x4f6a, {0x9d, 0x14, 0x7e, 0x3b, 0x1a, 0x6c, 0x2f, 0x58}};

// Resultado de GeraRelatorio quando não há entradas para mostrar.
inline constexpr HRESULT QZ_S_LOG_SEM_ENTRADAS = 1;

// Métodos na ordem dos slots (0 a 2 são de IUnknown). Toda operação passa antes
// pelo gancho de teste com o nome "IQZDF_Log::Metodo"; a criação, "IQZDF_Log::Cria".
// Antes de Abre (e depois de Fecha) as leituras devolvem QZ_E_SEM_CONEXAO.
class VRMWND_SUITE_API IQZDF_Log : public IUnknown {
 public:
  // 3: quantas entradas a empresa tem.
  virtual HRESULT Quantidade(DWORD* pnQtd) = 0;
  // 4: a entrada da chave; inexistente: QZ_E_REGISTRO_NAO_ENCONTRADO.
  virtual HRESULT Le(DWORD lChave, REG_LOGPS* pReg) = 0;
  // 5: liga o componente à empresa, em nome do usuário.
  virtual HRESULT Abre(BSTR bstrEmpresa, unsigned short nUsuario) = 0;
  // 6: desliga o componente da empresa.
  virtual HRESULT Fecha() = 0;
  // 7: grava uma entrada nova com o usuário do componente e devolve a chave em lChave.
  virtual HRESULT Inclui(REG_LOGPS* pReg) = 0;
  // 8: apaga a entrada; inexistente: QZ_E_REGISTRO_NAO_ENCONTRADO.
  virtual HRESULT Exclui(DWORD lChave) = 0;
  // 9: quantas entradas o filtro aceita.
  virtual HRESULT Busca(const REG_FILTRO_LOGPS* pFiltro, DWORD* pnQtd) = 0;
  // 10: as chaves das nQtd primeiras entradas aceitas, na ordem do momento e da chave.
  virtual HRESULT LeChaves(const REG_FILTRO_LOGPS* pFiltro, DWORD nQtd, DWORD* aChaves) = 0;
  // 11: as entradas das chaves, na ordem das chaves.
  virtual HRESULT LeVarios(DWORD nQtd, const DWORD* aChaves, REG_LOGPS* aEntradas) = 0;
  // 12: apaga as entradas de antes da data (AAAAMMDD) e diz quantas foram.
  virtual HRESULT ExcluiAnteriores(LONG lData, DWORD* pnExcluidas) = 0;
  // 13: a empresa ligada (o chamador libera o BSTR).
  virtual HRESULT GetEmpresa(BSTR* pbstrEmpresa) = 0;
  // 14: o usuário dado em Abre.
  virtual HRESULT GetUsuario(unsigned short* pnUsuario) = 0;
  // 15 e 16: a primeira e a última entrada que o filtro aceita; nenhuma:
  // QZ_E_REGISTRO_NAO_ENCONTRADO.
  virtual HRESULT Primeira(const REG_FILTRO_LOGPS* pFiltro, REG_LOGPS* pReg) = 0;
  virtual HRESULT Ultima(const REG_FILTRO_LOGPS* pFiltro, REG_LOGPS* pReg) = 0;
  // 17: a linha do relatório da entrada (o chamador libera o BSTR).
  virtual HRESULT Descreve(DWORD lChave, BSTR* pbstrLinha) = 0;
  // 18: grava em bstrArquivo o relatório das entradas das chaves: título, empresa,
  // documento do filtro, a saída escolhida (bstrConfiguracao), o texto do chamador
  // e uma linha por entrada. Sem chaves não grava nada e devolve
  // QZ_S_LOG_SEM_ENTRADAS; arquivo que não abre: 0x80070003.
  virtual HRESULT GeraRelatorio(BSTR bstrArquivo, BSTR bstrConfiguracao, BSTR bstrTexto2,
                                const REG_FILTRO_LOGPS* pFiltro, DWORD nQtd, const DWORD* aChaves) = 0;

 protected:
  ~IQZDF_Log() = default;
};
DECLARE_INTERFACE_IID(IQZDF_Log, "5c0e7a31-2b8d-4f6a-9d14-7e3b1a6c2f58")

// A chave do documento no filtro: os 64 bits em base 32 ("0"-"9", "A"-"V"), 13
// caracteres com zeros à esquerda.
VRMWND_SUITE_API std::string QZLogTextoDocumento(REG_QZDMC rDocumento);
// O inverso; false para texto que não tem 13 caracteres da base 32.
VRMWND_SUITE_API bool QZLogDocumentoDoTexto(std::string_view sTexto, REG_QZDMC* pDocumento);
// O tipo de documento do filtro pela origem da chave: solicitação de compra 5,
// solicitação de cotação 6, cotação de preços 7, ordem de compra 8, contrato de
// compras 9, conhecimento de transporte 13, registro de entradas 15; outra 0.
VRMWND_SUITE_API BYTE QZLogTipoDocumento(REG_QZDMC rDocumento);
