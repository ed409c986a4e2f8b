// Rotina de liberação da nota fiscal comercial: devolve ao alocador de tarefas, item a
// item, cada vetor e cada texto que o servidor alocou dentro da nota. Identificadores
// inválidos são deixados; quantidades maiores que o bloco são cortadas ao que cabe.
#include "vrmwnd/suite/leiautes/tagREG_NOTA_FISCALPS.h"

namespace {

// A chave de acesso vive dentro do bloco NF-e, que vive dentro do bloco de origem.
void LiberaChaveAcesso(_QZ_NFE_ps& nfe) { nfe.LiberaBloco<_QZ_NFE_ps::kOff_hChaveAcesso>(); }

void LiberaChaveDaOrigem(tagREG_NOTA_FISCAL_ORIGEM_NFPS& origem) {
  _QZ_NFE_ps nfe = origem.regNFe();
  LiberaChaveAcesso(nfe);
  origem.Set_regNFe(nfe);
}

template <class TRegistro>
void LiberaOrigem(TRegistro& reg) {
  tagREG_NOTA_FISCAL_ORIGEM_NFPS origem = reg.regNFOrigem();
  LiberaChaveDaOrigem(origem);
  reg.Set_regNFOrigem(origem);
}

template <class TRegistro, std::size_t nOffset>
void LiberaRateio(TRegistro& reg, std::size_t nQtd) {
  for (tagREG_RATEIO_NFPS& linha : reg.template VetorQueCabe<tagREG_RATEIO_NFPS, nOffset>(nQtd)) linha.Libera();
  reg.template LiberaBloco<nOffset>();
}

}  // namespace

void tagREG_ITENS_PRODUTO_NFPS::Libera() {
  LiberaOrigem(*this);
  LiberaBloco<kOff_hDetalhes>();
  LiberaRateio<tagREG_ITENS_PRODUTO_NFPS, kOff_hRateio>(*this, iQtdRateio());
}

void tagREG_ITENS_SERVICO_NFPS::Libera() {
  LiberaBloco<kOff_hDeducoes1>();
  LiberaBloco<kOff_hDeducoes5>();
  LiberaBloco<kOff_hDeducoes6>();
  LiberaRateio<tagREG_ITENS_SERVICO_NFPS, kOff_hRateio>(*this, iQtdRateio());
}

void tagREG_NOTA_FISCALPS::Libera() {
  LiberaOrigem(*this);
  _QZ_NFE_ps nfe = regNFe();
  LiberaChaveAcesso(nfe);
  Set_regNFe(nfe);
  for (auto& item : VetorQueCabe<tagREG_ITENS_PRODUTO_NFPS, kOff_hItensProduto>(iQtdItensProduto())) item.Libera();
  LiberaBloco<kOff_hItensProduto>();
  for (auto& item : VetorQueCabe<tagREG_ITENS_SERVICO_NFPS, kOff_hItensServico>(iQtdItensServico())) item.Libera();
  LiberaBloco<kOff_hItensServico>();
  LiberaRateio<tagREG_NOTA_FISCALPS, kOff_hRateioTotal>(*this, iQtdRateioTotal());
  LiberaBloco<kOff_hMensagens>();
  LiberaBloco<kOff_hParcelas>();
}
