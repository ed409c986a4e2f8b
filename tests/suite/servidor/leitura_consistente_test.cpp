// A leitura consistente dos servidores: dentro dela um cadastro lido de novo vem do
// que foi guardado, mas uma escrita pela mesma conexão descarta o guardado; outra
// conexão não muda o que ela vê, e ao fim dela a mudança aparece; fora dela nada é
// guardado. E o mapa das colunas de um comando acompanha uma mudança de esquema.
#include <gtest/gtest.h>

#include <functional>

#include "ambiente_teste.h"
#include "empresa_teste.h"
#include "vrmwnd/suite/leiautes/REG_FILIALPS.h"
#include "vrmwnd/suite/leiautes/_REG_NATUREZAPS.h"
#include "vrmwnd/suite/leiautes/_REG_PRODUTOPS.h"
#include "vrmwnd/suite/leiautes/_REG_UNIDADES_MEDIDAPS.h"
#include "vrmwnd/suite/servidor/CServidoresCompartilhados.h"

namespace {

class LeituraConsistenteTest : public testing::Test {
 protected:
  void SetUp() override { ASSERT_EQ(m_servidores.OnInicializa(m_empresa.Nome()), S_OK); }

  CEmpresaTeste m_empresa;
  CServidoresCompartilhados m_servidores;
};

TEST_F(LeituraConsistenteTest, EscritaPelaConexaoDescartaOGuardado) {
  CUsaServidor& usa = *m_servidores.GetUsaServidor();
  const struct {
    const char* szCadastro;
    const char* szMuda;
    std::function<long long()> fLe;
    long long llAntes, llDepois;
  } kCasos[] = {
      {"produto", "UPDATE produto SET byControlaLote = 1 WHERE lPonteiro = 11",
       [&] {
         _REG_PRODUTOPS r;
         EXPECT_EQ(usa.LeDFProduto(m_servidores.m_ppIProduto, 11, &r), S_OK);
         return static_cast<long long>(r.byControlaLote());
       },
       0, 1},
      {"natureza", "UPDATE natureza SET byTipoOperacao = 5 WHERE iPonteiro = 1",
       [&] {
         _REG_NATUREZAPS r;
         EXPECT_EQ(usa.LeDFNaturezas(m_servidores.m_ppICFOP, 1, &r), S_OK);
         return static_cast<long long>(r.byTipoOperacao());
       },
       1, 5},
      {"unidade", "UPDATE unidade_medida SET byTipoDecimais = 1 WHERE iPonteiro = 2",
       [&] {
         _REG_UNIDADES_MEDIDAPS r;
         EXPECT_EQ(usa.LeDFUnidadeMedida(m_servidores.m_ppIProduto, 2, &r), S_OK);
         return static_cast<long long>(r.byTipoDecimais());
       },
       2, 1},
      {"filial", "UPDATE filial SET byTributadaIPI = 0 WHERE iPonteiro = 1",
       [&] {
         REG_DF_FILIALPS r;
         EXPECT_EQ(usa.LeDFFilial(m_servidores.m_ppIFilial, 1, &r), S_OK);
         return static_cast<long long>(r.byTributadaIPI());
       },
       1, 0},
  };
  const vrmsuite::CLeituraConsistente leitura = m_servidores.LeituraConsistente();
  for (const auto& c : kCasos) {
    SCOPED_TRACE(c.szCadastro);
    EXPECT_EQ(c.fLe(), c.llAntes);
    EXPECT_EQ(c.fLe(), c.llAntes) << "lido de novo, do guardado";
    m_empresa.Executa(c.szMuda);
    EXPECT_EQ(c.fLe(), c.llDepois) << "a escrita pela conexão descarta o guardado";
  }
}

TEST_F(LeituraConsistenteTest, OutraConexaoSoApareceDepoisDaLeitura) {
  // Um banco em arquivo (WAL, para que a outra conexão grave durante a leitura) ligado
  // aos servidores, e uma segunda conexão ao mesmo arquivo.
  CHomeTemporaria home;
  const std::string strArquivo = home.Caminho("empresa.db");
  std::string strErro;
  auto pBanco = vrmsuite::CQZBancoEmpresa::AbreArquivo(strArquivo, true, strErro);
  ASSERT_TRUE(pBanco) << strErro;
  ASSERT_EQ(pBanco->ExecutaRoteiro(vrmsuite::EsquemaEmpresa(), strErro), S_OK) << strErro;
  ASSERT_EQ(pBanco->ExecutaRoteiro(vrmsuite::AmostraEmpresa(), strErro), S_OK) << strErro;
  ASSERT_EQ(pBanco->ExecutaRoteiro("PRAGMA journal_mode = WAL;", strErro), S_OK) << strErro;
  vrmsuite::RegistraEmpresaNaMemoria("CONSISTENTEARQUIVO", pBanco);
  CServidoresCompartilhados servidores;
  ASSERT_EQ(servidores.OnInicializa("CONSISTENTEARQUIVO"), S_OK);
  auto pOutra = vrmsuite::CQZBancoEmpresa::AbreArquivo(strArquivo, false, strErro);
  ASSERT_TRUE(pOutra) << strErro;
  const auto fLote = [&] {
    _REG_PRODUTOPS r;
    EXPECT_EQ(servidores.GetUsaServidor()->LeDFProduto(servidores.m_ppIProduto, 11, &r), S_OK);
    return static_cast<int>(r.byControlaLote());
  };
  const auto fMuda = [&](int nLote) {
    EXPECT_EQ(pOutra->ExecutaRoteiro(
                  ("UPDATE produto SET byControlaLote = " + std::to_string(nLote) + " WHERE lPonteiro = 11;").c_str(),
                  strErro),
              S_OK)
        << strErro;
  };

  EXPECT_EQ(fLote(), 0);
  fMuda(1);
  EXPECT_EQ(fLote(), 1) << "fora da leitura consistente nada fica guardado";
  {
    const vrmsuite::CLeituraConsistente leitura = servidores.LeituraConsistente();
    EXPECT_EQ(fLote(), 1);
    fMuda(2);
    EXPECT_EQ(fLote(), 1) << "a outra conexão não muda o que a leitura vê";
    { const vrmsuite::CLeituraConsistente dentro = servidores.LeituraConsistente(); }
    EXPECT_EQ(fLote(), 1) << "o fim de uma leitura aninhada não encerra a de fora";
  }
  EXPECT_EQ(fLote(), 2) << "ao fim da leitura a mudança aparece";
  servidores.OnFinaliza();
  vrmsuite::RemoveEmpresaDaMemoria("CONSISTENTEARQUIVO");
}

TEST_F(LeituraConsistenteTest, EsquemaMudadoRefazOMapaDasColunas) {
  CUsaServidor& usa = *m_servidores.GetUsaServidor();
  _REG_PRODUTOPS r;
  ASSERT_EQ(usa.LeDFProduto(m_servidores.m_ppIProduto, 11, &r), S_OK);
  ASSERT_EQ(r.byControlaLote(), 0);
  // A coluna de antes muda de nome e outra, de valor 1, toma o nome do campo no fim.
  m_empresa.Executa(
      "ALTER TABLE produto RENAME COLUMN byControlaLote TO byLoteAntigo;"
      "ALTER TABLE produto ADD COLUMN byControlaLote INTEGER NOT NULL DEFAULT 1;");
  ASSERT_EQ(usa.LeDFProduto(m_servidores.m_ppIProduto, 11, &r), S_OK) << usa.GetUltimoErro();
  EXPECT_EQ(r.byControlaLote(), 1);
  EXPECT_EQ(r.lPonteiroClassificacao(), 4001);
  EXPECT_EQ(r.byTipoEntradaEstoque(), 1);
}

}  // namespace
