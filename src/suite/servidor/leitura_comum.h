// O caminho comum das leituras de um registro: gancho de teste, interface ligada e
// do tipo certo, registro zerado, o guardado da leitura consistente aberta ou um
// comando preparado pela chave e o preenchimento.
#pragma once

#include "banco_impl.h"
#include "falhas_leitura.h"
#include "vrmwnd/suite/servidor/CServidoresCompartilhados.h"
#include "vrmwnd/suite/servidor/resultados.h"

namespace vrmsuite {

// O dia dma como o banco guarda as datas: 1º/12/2018 -> "2018-12-01".
std::string DataDoBanco(REG_QZDMA dma);

// 0 quando a leitura pode seguir; senão o código, com o motivo guardado em usa.
HRESULT EntradaLeitura(CUsaServidor& usa, const char* szLeitura, IQZServidor** ppI, IQZServidor::ETipo eTipo);

// Lê a linha única de szSql com a chave llChave em *pReg (zerado antes). Chave 0 dá
// 0 com o registro zerado; chave sem linha dá QZ_E_REGISTRO_NAO_ENCONTRADO.
template <class TRegistro>
HRESULT LeRegistro(CUsaServidor& usa, const char* szLeitura, IQZServidor** ppI, IQZServidor::ETipo eTipo,
                   const char* szSql, long long llChave, TRegistro* pReg, const char* szDescricao) {
  if (pReg == nullptr) return usa.Falha(E_POINTER, std::string(szLeitura) + ": registro nulo");
  pReg->Zera();
  HRESULT hr = EntradaLeitura(usa, szLeitura, ppI, eTipo);
  if (hr != S_OK || llChave == 0) return hr;
  CComando comando((*ppI)->GetBanco(), szSql);
  if (!comando.Preparado()) return usa.Falha(QZ_E_BANCO_DE_DADOS, comando.Erro());
  if (comando.LeGuardado(TRegistro::kCampos, llChave, pReg->Bytes(), TRegistro::kTamanho)) return S_OK;
  comando.Liga(1, llChave);
  if (!comando.Proxima()) {
    if (!comando.Erro().empty()) return usa.Falha(QZ_E_BANCO_DE_DADOS, comando.Erro());
    return usa.Falha(QZ_E_REGISTRO_NAO_ENCONTRADO,
                     std::string(szDescricao) + " " + std::to_string(llChave) + " não existe");
  }
  std::string strErro;
  hr = PreencheDaLinha(comando, *pReg, strErro);
  if (hr != S_OK) {
    pReg->Zera();
    return usa.Falha(hr, std::string(szDescricao) + " " + std::to_string(llChave) + ": " + strErro);
  }
  comando.Guarda(TRegistro::kCampos, std::size(TRegistro::kCampos), llChave, pReg->Bytes(), TRegistro::kTamanho);
  return S_OK;
}

}  // namespace vrmsuite
