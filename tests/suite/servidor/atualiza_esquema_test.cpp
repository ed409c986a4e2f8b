// Uma empresa criada antes de as consultas de cadastro existirem: ao abrir, o banco
// ganha as colunas que faltam, no lugar, sem perder linha nenhuma, e os edits leem
// dele com os valores padrão; abrir de novo não muda nada.
#include <gtest/gtest.h>

#include "instalacao_teste.h"
#include "vrmwnd/suite.h"
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

}  // namespace
