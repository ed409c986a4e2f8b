// Rateio de valores por contas: a linha gerencial (TQZGerencial), a base comum dos
// rateios (TCMRateioBase: valor, quantidade, conta, histórico e linhas gerenciais) e os rateios
// de item de produto e de serviço da entrada de mercadorias.
#pragma once

#include "vrmwnd/suite/exporta.h"
#include "vrmwnd/suite/registros/registro_valor.h"

#define QZ_PROPS_TQZGerencial(P)                         \
  P(CY, Valor, m_cyValor)                                \
  P(long, PonteiroPlanoEmpresarial, m_lPlanoEmpresarial) \
  P(long, PonteiroPlanoGerencial, m_lPlanoGerencial)

class TQZGerencial {
  QZ_REGISTRO_VALOR(TQZGerencial, QZ_PROPS_TQZGerencial)
};

#define QZ_PROPS_TCMRateioBase(P)                            \
  P(CY, NEWValor, m_cyValor)                                 \
  P(CY, NEWQuantidade, m_cyQuantidade)                       \
  P(unsigned short, PonteiroFilial, m_iPonteiroFilial)       \
  P(long, PonteiroClassificacao, m_lPonteiroClassificacao)   \
  P(unsigned short, PonteiroHistorico, m_iPonteiroHistorico) \
  P(CString, ComplementoHistorico, m_strComplementoHistorico)

#define QZ_LISTAS_TCMRateioBase(L) L(TQZGerencial, Gerencial, m_listaGerencial)

class VRMWND_SUITE_API TCMRateioBase {
  QZ_REGISTRO_VALOR_COM_LISTAS(TCMRateioBase, QZ_PROPS_TCMRateioBase, QZ_LISTAS_TCMRateioBase)

 public:
  virtual ~TCMRateioBase() = default;
};

#define QZ_PROPS_TCMRERateioProduto(P) P(long, PonteiroClassificacaoDestino, m_lPonteiroClassificacaoDestino)

class VRMWND_SUITE_API TCMRERateioProduto : public TCMRateioBase {
  QZ_REGISTRO_VALOR_DERIVADO(TCMRERateioProduto, TCMRateioBase, QZ_PROPS_TCMRERateioProduto)
};

#define QZ_PROPS_TCMRERateioServico(P)                               \
  P(unsigned short, PonteiroSitServicoRateio, m_iPonteiroSitServico) \
  P(unsigned char, Destino_deprecated, m_byDestino)

class VRMWND_SUITE_API TCMRERateioServico : public TCMRateioBase {
  QZ_REGISTRO_VALOR_DERIVADO(TCMRERateioServico, TCMRateioBase, QZ_PROPS_TCMRERateioServico)
};
