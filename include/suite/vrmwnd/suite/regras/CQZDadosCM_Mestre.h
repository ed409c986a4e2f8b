// Configuração mestre do módulo de Compras (CQZDadosCM_Mestre): o bloqueio de
// pedidos acima do orçado, os meses e o mês base do orçamento e se a entrada pode
// ter produtos iguais em linhas separadas. Lida do banco da empresa.
#pragma once

#include "vrmwnd/base/datas.h"
#include "vrmwnd/platform/wintypes.h"
#include "vrmwnd/suite/exporta.h"

class CUsaServidor;
class IQZServidor;

class VRMWND_SUITE_API CQZDadosCM_Mestre {
 public:
  // Lê a configuração pela interface mestre; sem linha de configuração valem os
  // padrões (nada bloqueado, 12 meses, sem mês base, produtos iguais somados).
  HRESULT Le(CUsaServidor& usa, IQZServidor** ppICMMestre);

  unsigned char GetBloquearOCSuperiorOrcadoValorParcela() const { return m_byBloqueiaParcela; }
  unsigned char GetBloquearOCSuperiorOrcadoValorTotal() const { return m_byBloqueiaTotal; }
  int GetQtdMesesOrc() const { return m_nQtdMesesOrc; }
  REG_QZMA GetMABaseOrc() const { return m_maBaseOrc; }
  // 1 deixa produtos iguais em linhas separadas.
  unsigned char GetPoderIncluirProdutosIguais() const { return m_byProdutosIguais; }

 private:
  unsigned char m_byBloqueiaParcela = 0;
  unsigned char m_byBloqueiaTotal = 0;
  int m_nQtdMesesOrc = 12;
  REG_QZMA m_maBaseOrc = 0;
  unsigned char m_byProdutosIguais = 0;
};
