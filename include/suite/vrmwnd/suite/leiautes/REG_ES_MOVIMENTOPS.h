// Movimento de estoque (REG_ES_MOVIMENTOPS, 744 bytes): produto, quantidade, a origem
// empacotada (REG_QZDMC), o mês do movimento (REG_QZMA em 512), a sequência (576), o
// complemento da origem (640) e a observação, texto alocado que
// TESMovimento::ZerarGlobalAlloc libera.
#pragma once

#include "vrmwnd/suite/exporta.h"
#include "vrmwnd/suite/leiautes/layout_fixo.h"

// Escolhas nossas: produto em 0, quantidade em 8, origem em 600, observação em 700.
#define QZ_CAMPOS_REG_ES_MOVIMENTOPS(N, D, H, T, B) \
  N(LONG, lPonteiroProduto, 0)                      \
  N(CY, cyQuantidade, 8)                            \
  N(WORD, maMovimento, 512)                         \
  N(LONG, lSequencia, 576)                          \
  N(LONGLONG, llQuemGerou, 600)                     \
  N(DWORD, lComplementoQuemGerou, 640)              \
  H(hObservacao, 700)

struct REG_ES_MOVIMENTOPS : vrmsuite::TBlocoFixo<REG_ES_MOVIMENTOPS, 744> {
  static constexpr const char* kNome = "REG_ES_MOVIMENTOPS";
  QZ_LAYOUT_CAMPOS(QZ_CAMPOS_REG_ES_MOVIMENTOPS)
  std::string_view Observacao() const { return LeTextoAlocado<kOff_hObservacao>("hObservacao"); }
};
QZ_LAYOUT_VERIFICA(REG_ES_MOVIMENTOPS, 744);

// Registros de movimento devolvidos pelo servidor.
class VRMWND_SUITE_API TESMovimento {
 public:
  // Libera o que o servidor alocou dentro do movimento (a observação) e zera o
  // identificador; identificador inválido não libera nada.
  static void ZerarGlobalAlloc(REG_ES_MOVIMENTOPS& reg) { reg.LiberaBloco<REG_ES_MOVIMENTOPS::kOff_hObservacao>(); }
};
