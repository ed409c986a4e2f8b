// Nota referida por uma entrada de mercadorias (TCMRENFReferidas): número, série,
// modelo, emissão, valor, chave da nota comercial, tipo e os dados da NF-e. O bloco
// NF-e é guardado com a cópia do texto da chave de acesso, que sobrevive à nota.
#pragma once

#include "vrmwnd/suite/exporta.h"
#include "vrmwnd/suite/leiautes/_QZ_NFE_ps.h"
#include "vrmwnd/suite/registros/registro_valor.h"

#define QZ_PROPS_TCMRENFReferidas(P)                         \
  P(CString, NumeroNotaFiscalOrigem, m_strNumero)            \
  P(CString, SerieNotaFiscalOrigem, m_strSerie)              \
  P(CString, ModeloNotaFiscalOrigem, m_strModelo)            \
  P(REG_QZDMA, RegDataEmissaoNotaFiscalOrigem, m_dmaEmissao) \
  P(CY, ValorTotalNotaFiscalOrigem, m_cyValorTotal)          \
  P(long, PonteiroNF, m_lPonteiroNF)                         \
  P(unsigned char, TipoNota, m_byTipoNota)                   \
  P(CString, ChaveAcessoNFe, m_strChaveAcessoNFe)

class VRMWND_SUITE_API TCMRENFReferidas {
  QZ_REGISTRO_VALOR(TCMRENFReferidas, QZ_PROPS_TCMRENFReferidas)

 public:
  // Copia o bloco sem o identificador e o texto da chave que ele nomeia (vazio quando
  // o identificador não é de um bloco vivo).
  void SetRegNFe(const _QZ_NFE_ps& nfe);
  _QZ_NFE_ps GetRegNFe() const { return m_regNFe; }

 private:
  _QZ_NFE_ps m_regNFe{};
};
