// Os títulos a pagar das retenções de um registro de entrada: um por imposto e
// parcela, com o retido de cada imposto repartido pelas parcelas ao centavo.
#include "vrmwnd/base/cy_operacoes.h"
#include "vrmwnd/suite/registros/TCMRERegistroEntrada.h"
#include "vrmwnd/suite/registros/TCMTituloImposto.h"
#include "vrmwnd/suite/regras/CManipulaListaValores.h"
#include "vrmwnd/suite/regras/CTrataDadosRE.h"

namespace {

constexpr int kCasasCentavos = 2;

// O retido do imposto byTipo nos itens de serviço, e o primeiro código de receita dele.
CY RetidoDoImposto(const TCMRERegistroEntrada& registro, unsigned char byTipo, long& lCodigoReceita) {
  CY cyRetido = g_cyZero;
  lCodigoReceita = 0;
  for (const TCMREItemServico& item : registro.GetListaServico()) {
    for (const TCMREImposto& imposto : item.GetListaImposto()) {
      if (imposto.GetTipoImposto() != byTipo) continue;
      cyRetido = cyRetido + imposto.GetValor();
      if (lCodigoReceita == 0) lCodigoReceita = imposto.GetCodigoReceita();
    }
  }
  return cyRetido;
}

// As parcelas da condição, ou uma de valor 1 que vence na entrada.
T_Lista<TCMParcela> ParcelasDoRegistro(const TCMRERegistroEntrada& registro) {
  T_Lista<TCMParcela> parcelas = registro.GetCondicaoPagamento().GetListaParcela();
  if (parcelas.GetSize() > 0) return parcelas;
  TCMParcela unica;
  unica.SetNumeroDaParcela(1);
  unica.SetRegDataVencimento(registro.GetRegDataEntrada());
  unica.SetValorParcelaDigitado(CyDeBruto(1));
  unica.SetNumeroDocumento(registro.GetNumeroNotaFiscal());
  parcelas.Add(unica);
  return parcelas;
}

}  // namespace

T_Lista<TCMTituloImposto> CTrataDadosRE::GeraTitulosRetencao(const TCMRERegistroEntrada& registro) {
  T_Lista<TCMTituloImposto> titulos;
  const T_Lista<TCMParcela> parcelas = ParcelasDoRegistro(registro);
  for (unsigned char byTipo = CM_IMPOSTO_IRRF; byTipo <= CM_IMPOSTO_INSS; ++byTipo) {
    long lCodigoReceita = 0;
    const CY cyRetido = RetidoDoImposto(registro, byTipo, lCodigoReceita);
    if (cyRetido.int64 <= 0) continue;
    CManipulaListaValores partes(true);
    for (const TCMParcela& parcela : parcelas) partes.Adiciona(parcela.GetValorParcelaDigitado());
    if (!partes.SetNovoTotal(cyRetido, kCasasCentavos)) continue;
    for (int i = 0; i < partes.GetQuantidade(); ++i) {
      if (partes.GetValor(i).int64 == 0) continue;  // parcela sem valor não tem retenção a pagar
      const TCMParcela& parcela = parcelas[i];
      TCMTituloImposto titulo;
      titulo.SetTipoImposto(byTipo);
      titulo.SetParcela(parcela.GetNumeroDaParcela());
      titulo.SetFilial(registro.GetPonteiroFilial());
      titulo.SetRegDataVencimento(parcela.GetRegDataVencimento());
      titulo.SetNumeroDocumento(parcela.GetNumeroDocumento());
      titulo.SetValor(partes.GetValor(i));
      titulo.SetPonteiroHistorico(registro.GetPonteiroHistorico());
      titulo.SetComplementoHistorico(registro.GetComplementoHistorico());
      titulo.SetCodigoReceita(lCodigoReceita);
      TCMRateioTitulo linha;
      linha.SetFilial(registro.GetPonteiroFilial());
      linha.SetValor(partes.GetValor(i));
      titulo.AdicionaRateio(linha);
      titulos.Add(titulo);
    }
  }
  return titulos;
}
