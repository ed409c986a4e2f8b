// Apoio dos testes da importação de notas comerciais: a empresa de amostra na memória
// com as notas que o teste acrescenta, o tratador ligado a ela, a importação e as
// linhas que ela deixou no log de erros.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "empresa_teste.h"
#include "instalacao_teste.h"
#include "vrmwnd/base/cy_operacoes.h"
#include "vrmwnd/business/CTrataDadosREWnd.h"
#include "vrmwnd/suite/ganchos_teste.h"

// A posição de dados de uma nota de teste: sequência n no mês de agosto de 2018.
constexpr long PosicaoTeste(long n) { return n * 4096 + 2048; }

class CImportaTeste : public testing::Test {
 protected:
  void SetUp() override {
    m_tratador.SetProfiler("EMPRESA1", 4, 99);
    Liga();
  }
  void TearDown() override {
    vrmsuite::LimpaFalhasLeitura();
    vrmsuite::ProgramaAlteracaoNota(nullptr);
  }
  // Liga (de novo) o tratador, que lê as configurações do módulo.
  void Liga() { ASSERT_EQ(m_tratador.OnInicializa(m_empresa.Nome()), S_OK); }
  TCMRERegistroEntrada Importa(std::initializer_list<long> posicoes) {
    T_Lista<long> lista;
    for (long l : posicoes) lista.Add(l);
    return m_tratador.ImportaNotaComercial(lista);
  }
  // As linhas ERRO do log de erros do teste.
  std::vector<std::string> LinhasDeErro() const { return m_instalacao.LinhasDeErro(); }

  CInstalacaoTeste m_instalacao;
  CEmpresaTeste m_empresa;
  CTrataDadosREWnd m_tratador{nullptr};
};

// Uma nota de compra mínima (tipo 1, matriz, fornecedor 2001, CFOP 1) e as colunas a mais.
inline std::string NotaTeste(long lPosicao, const std::string& strColunas = "", const std::string& strValores = "") {
  return "INSERT INTO nota_fiscal (lPosicao, lNumero, lPonteiroCliente, iPonteiroFilial, dmaEmissao, "
         "iPonteiroDocumento, iPonteiroCFOP, szSerie, byTipoNota" +
         (strColunas.empty() ? "" : ", " + strColunas) + ") VALUES (" + std::to_string(lPosicao) + ", " +
         std::to_string(lPosicao % 100000) + ", 2001, 1, '2018-08-13', 1, 1, '1', 1" +
         (strValores.empty() ? "" : ", " + strValores) + ");";
}

// Um item de produto da nota: produto, complemento, quantidade e unitário (brutos de
// 4 e 8 casas), total bruto de 4 casas, e as colunas a mais.
inline std::string ItemTeste(long lPosicao, int nItem, long lProduto, const std::string& strComplemento,
                             long long llQuantidade, long long llUnitarioV8, long long llTotal,
                             const std::string& strColunas = "", const std::string& strValores = "") {
  return "INSERT INTO nf_item_produto (lPosicaoNota, nItem, lPosicaoProduto, szComplemento, cyQuantidade, "
         "llValorUnitarioV8, cyValorTotal, iPonteiroUnidadeMedida, iPonteiroCFOP" +
         (strColunas.empty() ? "" : ", " + strColunas) + ") VALUES (" + std::to_string(lPosicao) + ", " +
         std::to_string(nItem) + ", " + std::to_string(lProduto) + ", '" + strComplemento + "', " +
         std::to_string(llQuantidade) + ", " + std::to_string(llUnitarioV8) + ", " + std::to_string(llTotal) +
         ", 1, 1" + (strValores.empty() ? "" : ", " + strValores) + ");";
}

// Somas de um rateio, para comparar com o item.
template <class TRateio>
void EsperaRateioFecha(const T_Lista<TRateio>& rateio, CY cyQuantidade, CY cyValor) {
  LONGLONG llQuantidade = 0, llValor = 0;
  for (const TRateio& r : rateio) {
    llQuantidade += r.GetNEWQuantidade().int64;
    llValor += r.GetNEWValor().int64;
    if (r.GetQuantidadeGerencial() == 0) continue;
    LONGLONG llGerencial = 0;
    for (const TQZGerencial& g : r.GetListaGerencial()) llGerencial += g.GetValor().int64;
    EXPECT_EQ(llGerencial, r.GetNEWValor().int64) << "linhas gerenciais de um rateio";
  }
  EXPECT_EQ(llQuantidade, cyQuantidade.int64) << "quantidade rateada";
  EXPECT_EQ(llValor, cyValor.int64) << "valor rateado";
}
