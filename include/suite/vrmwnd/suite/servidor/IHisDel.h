// O servidor dos históricos desativados nos lançamentos (IHisDel): a lista de códigos
// de histórico de cada número, guardada no banco da empresa da conexão. O servidor
// está na tabela de classes do processo com a classe CLSID_HisDel desde que a
// biblioteca da suíte carrega.
#pragma once

#include "vrmwnd/platform/objbase.h"
#include "vrmwnd/platform/oleauto.h"
#include "vrmwnd/suite/exporta.h"
#include "vrmwnd/suite/leiautes/layout_fixo.h"

// Um elemento da troca (8 bytes): o código do histórico e zeros; o código 0 termina a
// lista.
#define QZ_CAMPOS_REG_HISDELPS(N, D, H, T, B) N(WORD, iHistorico, 0)

struct REG_HISDELPS : vrmsuite::TBlocoFixo<REG_HISDELPS, 8> {
  static constexpr const char* kNome = "REG_HISDELPS";
  QZ_LAYOUT_CAMPOS(QZ_CAMPOS_REG_HISDELPS)
};
QZ_LAYOUT_VERIFICA(REG_HISDELPS, 8);

// {A997FF30-B363-11D1-990D-00504D00DC4A}: a classe do servidor.
inline constexpr GUID CLSID_HisDel = {0xa997ff30, 0xb363, 0x11d1, {0x99, 0x0d, 0x00, 0x50, 0x4d, 0x00, 0xdc, 0x4a}};
// {3f61c2d8-9a47-4e0b-b6d5-1c8e72a9f043}
inline constexpr IID IID_IHisDel = {0x3f61c2d8, 0x9a47, 0x4e0b, {0xb6, 0xd5, 0x1c, 0x8e, 0x72, 0xa9, 0xf0, 0x43}};

// Métodos na ordem dos slots (0 a 2 são de IUnknown). Toda operação passa antes pelo
// gancho de teste com o nome "IHisDel::Metodo"; a criação, "IHisDel::Cria". Antes de
// SetConexao as operações devolvem QZ_E_SEM_CONEXAO.
class VRMWND_SUITE_API IHisDel : public IUnknown {
 public:
  // 3: quantos códigos a lista do número tem.
  virtual HRESULT QuantidadeDesativados(unsigned short numero, long* plQuantidade) = 0;
  // 4: troca a lista do número pelos quantidade primeiros elementos (os de código 0
  // não entram); quantidade negativa: E_INVALIDARG. Tudo ou nada.
  virtual HRESULT GravaDesativados(unsigned short numero, long quantidade, REG_HISDELPS* aElementos) = 0;
  // 5: zera os maximo elementos e preenche com a lista, na ordem, até maximo; o que
  // sobra fica zerado (o código 0 depois do último).
  virtual HRESULT LeDesativados(unsigned short numero, long maximo, REG_HISDELPS* aElementos) = 0;
  // 6: liga o servidor à empresa de nome conexao; desconhecida:
  // QZ_E_EMPRESA_NAO_ENCONTRADA.
  virtual HRESULT SetConexao(BSTR conexao) = 0;

 protected:
  ~IHisDel() = default;
};
DECLARE_INTERFACE_IID(IHisDel, "3f61c2d8-9a47-4e0b-b6d5-1c8e72a9f043")
