// Uma empresa criada antes de as consultas de cadastro existirem: ao abrir, o banco
// ganha as colunas que faltam, no lugar, sem perder linha nenhuma, e os edits leem
// dele com os valores padrão; abrir de novo não muda nada.
#include <gtest/gtest.h>

#include "instalacao_teste.h"
#include "vrmwnd/suite.h"
#include "vrmwnd/suite/regras/CControleOrcamentario.h"
#include "vrmwnd/suite/servidor/banco_empresa.h"

namespace {

// O esquema da versão anterior: sem filial.byAtiva, conta.cTipo, conta.byCaracteristica
// e sem as tabelas de usuários, compradores, departamentos, requerentes e municípios,
// nem as de ordens de compra e orçamento.
constexpr const char* kVoltaAoEsquemaAntigo =
    "ALTER TABLE filial DROP COLUMN byAtiva;"
    "ALTER TABLE conta DROP COLUMN cTipo;"
    "ALTER TABLE conta DROP COLUMN byCaracteristica;"
    "DROP TABLE usuario; DROP TABLE comprador; DROP TABLE departamento; DROP TABLE requerente;"
    "DROP TABLE municipio; DROP TABLE oc_parcela; DROP TABLE ordem_compra; DROP TABLE orcamento;"
    "INSERT INTO conta (lPonteiro, szCodigo, szDescricao) VALUES (7001, '9.9.99', 'Conta da versão antiga');";

TEST(AtualizaEsquemaTest, EmpresaAntigaGanhaAsColunasSemPerderDados) {
  CInstalacaoTeste instalacao;
  std::string strErro;
  ASSERT_EQ(vrmsuite::CriaEmpresaDeAmostra("Antiga", strErro), S_OK) << strErro;
  {
    auto pBanco = vrmsuite::CQZBancoEmpresa::AbreArquivo(vrmsuite::ArquivoEmpresa("Antiga"), false, strErro);
    ASSERT_TRUE(pBanco) << strErro;
    ASSERT_EQ(pBanco->ExecutaRoteiro(kVoltaAoEsquemaAntigo, strErro), S_OK) << strErro;
  }
  for (int nVez = 1; nVez <= 2; ++nVez) {
    SCOPED_TRACE(testing::Message() << "abertura " << nVez);
    ASSERT_TRUE(vrmsuite::AbreEmpresa("Antiga", strErro)) << strErro;
    CPedeContaEx conta;
    ASSERT_EQ(conta.Inicializa("Antiga", 1, 1), S_OK);
    EXPECT_TRUE(conta.SetPosicao(7001ul)) << "a linha da versão antiga continua lá";
    EXPECT_EQ(conta.GetStaticText(), "Conta da versão antiga");
    conta.SetTiposConta("A");
    EXPECT_TRUE(conta.SetPosicao(2100ul)) << "sem tipo gravado, toda conta antiga é analítica";
    conta.SetCaracteristica(4);
    EXPECT_FALSE(conta.SetPosicao(2001ul)) << "e não tem característica";
    conta.OnFinaliza();

    CFilialEdit filial;
    ASSERT_EQ(filial.Inicializa("Antiga", 1, 1), S_OK);
    EXPECT_EQ(filial.LeFiliaisAtivas(), S_OK);
    EXPECT_EQ(filial.GetQuantidadeFiliaisAtivas(), 4) << "as filiais antigas nascem ativas";
    filial.OnFinaliza();

    auto pBanco = vrmsuite::AbreEmpresa("Antiga", strErro);
    ASSERT_TRUE(pBanco) << strErro;
    if (nVez == 1) {
      ASSERT_EQ(pBanco->ExecutaRoteiro("INSERT INTO municipio VALUES (9, 3106200, 'Belo Horizonte', 'MG');", strErro),
                S_OK)
          << "a tabela nova nasce vazia, com as colunas do esquema: " << strErro;
    }
    CMunicipioEdit municipio;
    ASSERT_EQ(municipio.Inicializa("Antiga", 1, 1), S_OK);
    EXPECT_TRUE(municipio.SetPosicao(9)) << "e a segunda abertura não a recria";
    EXPECT_EQ(municipio.GetStaticText(), "Belo Horizonte");
    municipio.OnFinaliza();

    CConsisteDadosOC ordens;
    ASSERT_EQ(ordens.OnInicializa("Antiga"), S_OK);
    T_Lista<T_Lista<CString>> excessos;
    EXPECT_EQ(ordens.ExcessosOrcamento(1, excessos), QZ_E_REGISTRO_NAO_ENCONTRADO)
        << "as tabelas de ordens nascem vazias: " << ordens.GetUsaServidor()->GetUltimoErro();
    ordens.OnFinaliza();
  }
}

// Os cadastros dos edits de compras, fiscal e estoque e as listas dos combos vieram
// depois: uma empresa sem eles ganha as tabelas vazias, e os edits leem delas.
TEST(AtualizaEsquemaTest, EmpresaSemOsCadastrosNovosGanhaAsTabelas) {
  constexpr const char* kTabelas[] = {"contrato_compra",
                                      "controle_qualidade",
                                      "codigo_barras",
                                      "complemento_historico",
                                      "contato_cfrt",
                                      "ajuste_efd",
                                      "cst_ipi",
                                      "local_estoque",
                                      "mensagem_fiscal",
                                      "tipo_movimento",
                                      "codigo_recolhimento",
                                      "tabela_preco",
                                      "taxa_conversao",
                                      "base_calculo_credito",
                                      "indice_economico",
                                      "origem_mercadoria",
                                      "incidencia_pis_cofins",
                                      "tipo_periodo",
                                      "vencimento",
                                      "estado"};
  CInstalacaoTeste instalacao;
  std::string strErro;
  ASSERT_EQ(vrmsuite::CriaEmpresaDeAmostra("Antiga", strErro), S_OK) << strErro;
  {
    auto pBanco = vrmsuite::CQZBancoEmpresa::AbreArquivo(vrmsuite::ArquivoEmpresa("Antiga"), false, strErro);
    ASSERT_TRUE(pBanco) << strErro;
    for (const char* szTabela : kTabelas) {
      SCOPED_TRACE(szTabela);
      ASSERT_EQ(pBanco->ExecutaRoteiro((std::string("SELECT 1 FROM ") + szTabela + ";").c_str(), strErro), S_OK)
          << "a empresa nova nasce com a tabela: " << strErro;
      ASSERT_EQ(pBanco->ExecutaRoteiro((std::string("DROP TABLE ") + szTabela + ";").c_str(), strErro), S_OK);
    }
  }
  auto pBanco = vrmsuite::AbreEmpresa("Antiga", strErro);
  ASSERT_TRUE(pBanco) << strErro;
  for (const char* szTabela : kTabelas) {
    SCOPED_TRACE(szTabela);
    EXPECT_EQ(pBanco->ExecutaRoteiro((std::string("SELECT 1 FROM ") + szTabela + ";").c_str(), strErro), S_OK)
        << strErro;
  }
  ASSERT_EQ(pBanco->ExecutaRoteiro("INSERT INTO cst_ipi VALUES (1, '00', 'Entrada com crédito', 'E');", strErro), S_OK)
      << strErro;
  CEditCSTIPI cst;
  ASSERT_EQ(cst.Inicializa("Antiga", 1, 1), S_OK);
  EXPECT_TRUE(cst.SetPosicao(static_cast<unsigned short>(0)));
  EXPECT_EQ(cst.GetStaticText(), "Entrada com crédito");
  EXPECT_FALSE(cst.SetPosicao(static_cast<unsigned short>(2))) << "as linhas da amostra não voltam";
  cst.OnFinaliza();
  CProdutoEdit produto;
  ASSERT_EQ(produto.Inicializa("Antiga", 1, 1), S_OK);
  EXPECT_TRUE(produto.SetPosicao(11l)) << "e o resto da empresa continua lá";
  produto.OnFinaliza();
}

// O orçamento e as ordens de antes das filiais e do rateio: as linhas ficam, com a
// filial 0, e a ordem continua conferida com o orçamento dela; o rateio nasce vazio.
TEST(AtualizaEsquemaTest, OrcamentoAntigoGanhaAFilialSemPerderLinhas) {
  constexpr const char* kOrcamentoSemFilial =
      "DROP INDEX oc_parcela_conta; DROP TABLE oc_rateio;"
      "ALTER TABLE ordem_compra DROP COLUMN iFilial;"
      "CREATE TABLE orcamento_antigo (lContaContabil INTEGER NOT NULL, lContaGerencial INTEGER NOT NULL,"
      " dmaInicio TEXT NOT NULL, dmaFim TEXT NOT NULL, cyValor INTEGER NOT NULL,"
      " PRIMARY KEY (lContaContabil, lContaGerencial, dmaInicio));"
      "INSERT INTO orcamento_antigo SELECT lContaContabil, lContaGerencial, dmaInicio, dmaFim, cyValor"
      " FROM orcamento WHERE dmaInicio >= '2026-01-01';"
      "DROP TABLE orcamento; ALTER TABLE orcamento_antigo RENAME TO orcamento;";
  CInstalacaoTeste instalacao;
  std::string strErro;
  ASSERT_EQ(vrmsuite::CriaEmpresaDeAmostra("Antiga", strErro), S_OK) << strErro;
  {
    auto pBanco = vrmsuite::CQZBancoEmpresa::AbreArquivo(vrmsuite::ArquivoEmpresa("Antiga"), false, strErro);
    ASSERT_TRUE(pBanco) << strErro;
    ASSERT_EQ(pBanco->ExecutaRoteiro(kOrcamentoSemFilial, strErro), S_OK) << strErro;
  }
  ASSERT_TRUE(vrmsuite::AbreEmpresa("Antiga", strErro)) << strErro;
  CConsisteDadosOC ordens;
  ASSERT_EQ(ordens.OnInicializa("Antiga"), S_OK);
  T_Lista<T_Lista<CString>> excessos;
  ASSERT_EQ(ordens.ExcessosOrcamento(2, excessos), S_OK) << ordens.GetUsaServidor()->GetUltimoErro();
  ASSERT_EQ(excessos.GetSize(), 2) << "as linhas antigas, na filial 0 com as ordens antigas";
  EXPECT_EQ(excessos[1][2], "2.000,00");
  ordens.OnFinaliza();
  CControleOrcamentario controle;
  ASSERT_EQ(controle.Inicializa("Antiga", 1, 1), S_OK);
  TQZGerencial gerencial;
  gerencial.SetPonteiroPlanoEmpresarial(5001);
  gerencial.SetPonteiroPlanoGerencial(6001);
  ASSERT_EQ(controle.VerificaOrcamentoPorDados(0, QZDMA(1, 12, 2026), QZDMA(31, 12, 2026), gerencial), S_OK);
  EXPECT_EQ(controle.GetSomaOrcamento(0).int64, 150'000'000) << "todas as filiais vêem a filial 0";
  EXPECT_EQ(controle.GetTotalUsadoOC(0).int64, 70'000'000);
  ASSERT_EQ(controle.VerificaOrcamentoPorDados(1, QZDMA(1, 12, 2026), QZDMA(31, 12, 2026), gerencial), S_OK);
  EXPECT_FALSE(controle.GetOrcamentoExiste(0)) << "a matriz não herda o orçamento sem filial";
  controle.OnFinaliza();
}

}  // namespace
