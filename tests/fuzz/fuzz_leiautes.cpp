// Os registros de layout fixo: preenchidos pelo servidor a partir de linhas do banco
// com valores hostis, e lidos de blocos com bytes quaisquer. Propriedades: a leitura
// de uma filial dá S_OK exatamente quando cada valor cabe no seu campo (texto sem nulo
// abaixo da largura, número na faixa do tipo), e então o campo tem o texto inteiro;
// senão QZ_E_REGISTRO_CORROMPIDO; um bloco de nota com identificadores e quantidades
// quaisquer só é lido dentro dos blocos alocados (ou lança CQZErroLayout).
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>

#include "fuzz_apoio.h"
#include "vrmwnd/suite.h"

namespace {

std::string Hex(const std::string& s) {
  std::string r;
  char sz[3];
  for (unsigned char c : s) {
    std::snprintf(sz, sizeof sz, "%02X", c);
    r += sz;
  }
  return r;
}

bool Cabe(const std::string& s, std::size_t nLargura) {
  return s.size() < nLargura && s.find('\0') == std::string::npos;
}

struct TEmpresa {
  std::shared_ptr<vrmsuite::CQZBancoEmpresa> pBanco = vrmsuite::CQZBancoEmpresa::NaMemoria();
  CServidoresCompartilhados servidores;
  TEmpresa() {
    std::string strErro;
    if (pBanco->ExecutaRoteiro(vrmsuite::EsquemaEmpresa(), strErro) != S_OK ||
        pBanco->ExecutaRoteiro(vrmsuite::AmostraEmpresa(), strErro) != S_OK)
      std::abort();
    vrmsuite::RegistraEmpresaNaMemoria("FUZZ", pBanco);
    if (servidores.OnInicializa("FUZZ") != S_OK) std::abort();
  }
};

void FilialDoBanco(const std::string& strNome, const std::string& strUF, long long llIPI) {
  static TEmpresa empresa;
  std::string strErro;
  const std::string strSql = "UPDATE filial SET szNome = CAST(X'" + Hex(strNome) + "' AS TEXT), szUF = CAST(X'" +
                             Hex(strUF) + "' AS TEXT), byTributadaIPI = " + std::to_string(llIPI) +
                             " WHERE iPonteiro = 2";
  if (empresa.pBanco->ExecutaRoteiro(strSql.c_str(), strErro) != S_OK) std::abort();
  REG_DF_FILIALPS reg{};
  const HRESULT hr = empresa.servidores.GetUsaServidor()->LeDFFilial(empresa.servidores.m_ppIFilial, 2, &reg);
  const bool bCabe = Cabe(strNome, 62) && Cabe(strUF, 4) && llIPI >= 0 && llIPI <= 255;
  EXIGE(hr == (bCabe ? S_OK : QZ_E_REGISTRO_CORROMPIDO), "nome de %zu bytes, UF de %zu, IPI %lld: 0x%08X",
        strNome.size(), strUF.size(), llIPI, static_cast<unsigned>(hr));
  if (!bCabe) return;
  EXIGE(reg.szNome() == strNome && reg.szUF() == strUF && reg.byTributadaIPI() == llIPI, "campos da filial");
}

void NotaDeBytes(const std::uint8_t* pDados, std::size_t nTamanho) {
  tagREG_NOTA_FISCALPS nota{};
  std::memcpy(nota.Bytes(), pDados, std::min(nTamanho, sizeof nota));
  // Um bloco de verdade no lugar de um dos identificadores, para os vetores acharem algo.
  void* pBloco = CoTaskMemAlloc(3 * sizeof(tagREG_ITENS_PRODUTO_NFPS));
  std::memset(pBloco, 0xA5, 3 * sizeof(tagREG_ITENS_PRODUTO_NFPS));
  if (nTamanho > 0 && pDados[0] % 2 == 0) nota.Set_hItensProduto(CoTaskMemHandle(pBloco));
  try {
    std::size_t nLidos = 0;
    for (const tagREG_ITENS_PRODUTO_NFPS& item : nota.ItensProduto()) nLidos += item.lPosicaoProduto() != 0;
    for (const tagREG_ITENS_SERVICO_NFPS& item : nota.ItensServico()) nLidos += item.lPonteiroServico() != 0;
    EXIGE(nota.iQtdItensProduto() == 0 || nota.hItensProduto() != 0, "itens sem bloco foram lidos (%zu)", nLidos);
    (void)nota.szSerie();
  } catch (const vrmsuite::CQZErroLayout&) {
  }
  CoTaskMemFree(pBloco);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* pDados, std::size_t nTamanho) {
  if (nTamanho < 2 || nTamanho > 8192) return 0;
  if (pDados[0] % 2 == 1) {
    NotaDeBytes(pDados + 1, nTamanho - 1);
    return 0;
  }
  const std::string texto = Texto(pDados + 1, nTamanho - 1);
  const std::size_t nSeparador = texto.find('|');
  const std::string strNome = texto.substr(0, nSeparador);
  const std::string strResto = nSeparador == std::string::npos ? "" : texto.substr(nSeparador + 1);
  const std::string strUF = strResto.substr(0, 5);
  long long llIPI = 0;
  if (strResto.size() > 5) std::memcpy(&llIPI, strResto.data() + 5, std::min<std::size_t>(8, strResto.size() - 5));
  FilialDoBanco(strNome, strUF, llIPI % 1000);
  return 0;
}
