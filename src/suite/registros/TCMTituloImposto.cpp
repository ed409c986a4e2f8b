// Somas e remoção de linhas dos títulos das retenções e do composto gerencial.
#include "vrmwnd/suite/registros/TCMTituloImposto.h"

#include "vrmwnd/base/cy_operacoes.h"

CY TQZGerencialComposto::GetSomaGerencial() const {
  CY cySoma = g_cyZero;
  for (const TQZGerencial& g : m_listaGerencial) cySoma = cySoma + g.GetValor();
  return cySoma;
}

void TCMTituloImposto::DeletarRateio(int i) {
  if (i < 0 || i >= GetQuantidadeRateio()) AfxThrowInvalidArgException();
  m_listaRateio.RemoveAt(i);
}

CY TCMTituloImposto::GetSomaRateio() const {
  CY cySoma = g_cyZero;
  for (const TCMRateioTitulo& r : m_listaRateio) cySoma = cySoma + r.GetValor();
  return cySoma;
}
