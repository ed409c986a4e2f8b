// Títulos de retenção para os testes: uma linha de rateio, um título de IRRF completo
// sobre a empresa de amostra (que cada teste estraga de um jeito) e o retido de um
// imposto num registro de entrada, somado dos itens de serviço.
#pragma once

#include "vrmwnd/base/cy_operacoes.h"
#include "vrmwnd/suite/registros/TCMRERegistroEntrada.h"
#include "vrmwnd/suite/registros/TCMTituloImposto.h"

inline TCMRateioTitulo LinhaTitulo(unsigned short iFilial, long lClassificacao, LONGLONG llValor) {
  TCMRateioTitulo r;
  r.SetFilial(iFilial);
  r.SetPonteiroClassificacao(lClassificacao);
  r.SetValor(CyDeBruto(llValor));
  return r;
}

// IRRF da parcela nParcela: Receita Federal, DARF, código 1708, vencimento 10/09/2018
// (depois da entrada de 25/08/2018), 150,00 numa linha do IRRF a recolher.
inline TCMTituloImposto TituloCompleto(int nParcela = 1) {
  TCMTituloImposto t;
  t.SetTipoImposto(CM_IMPOSTO_IRRF);
  t.SetParcela(nParcela);
  t.SetFilial(1);
  t.SetRegDataVencimento(QZDMA(10, 9, 2018));
  t.SetNumeroDocumento("3310/1");
  t.SetCedente(2201);
  t.SetPonteiroTipoDocumento(4);
  t.SetValor(CyDeBruto(150'0000));
  t.SetPonteiroHistorico(1);
  t.SetCodigoReceita(1708);
  t.AdicionaRateio(LinhaTitulo(1, 2251, 150'0000));
  return t;
}

inline LONGLONG Retido(const TCMRERegistroEntrada& r, unsigned char byTipo) {
  LONGLONG ll = 0;
  for (const TCMREItemServico& s : r.GetListaServico())
    for (const TCMREImposto& i : s.GetListaImposto())
      if (i.GetTipoImposto() == byTipo) ll += i.GetValor().int64;
  return ll;
}
