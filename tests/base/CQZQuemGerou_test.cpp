// Origens de registro: campos de bits independentes, posição de 32 bits, os textos
// para o usuário e para gravação, a leitura de volta e os rótulos por tipo.
#include <cstring>
#include <string>

#include <gtest/gtest.h>

#include "vrmwnd/base/CQZQuemGerou.h"

namespace {

std::string Rotulo(void (*pLe)(int, char*, int), int nOrigem, int nTamanho = 128) {
  char sz[128];
  std::memset(sz, 'x', sizeof sz);
  pLe(nOrigem, sz, nTamanho);
  return sz;
}

}  // namespace

TEST(CQZQuemGerouTest, PosicaoEOrigem) {
  const CQZQuemGerou zero(ULONG{0}, 5);
  EXPECT_EQ(zero.GetRegQuemGerou(), REG_QZDMC{}) << "posição 0 zera todos os campos";
  EXPECT_STREQ(zero.GetDescricao(), "Módulo  - Chave: 0");

  const CQZQuemGerou nota(ULONG{0x2A005}, 5);
  EXPECT_EQ(nota.GetNumero(), 42u);
  EXPECT_EQ(nota.GetData(), 5u);
  EXPECT_EQ(nota.GetTipoChave(), QZDMC_TIPO_MA);
  EXPECT_EQ(nota.GetOrigem(), 5);
  EXPECT_EQ(nota.GetPosicao(), 0x2A005u);
  EXPECT_STREQ(nota.GetDescricaoCompleta(), "MA - 05/1848 - 42 - 5 (Comercial - Nota Fiscal)");
  EXPECT_STREQ(nota.GetDescricao(), "Módulo Comercial - Nota Fiscal - Mês/Ano: 05/1848 - Chave: 42");
  EXPECT_STREQ(nota.GetChaveTexto(), "351843721576470");  // 5<<46 | 42<<14 | 5<<2 | 2
}

TEST(CQZQuemGerouTest, CadaCampoTrocaSoOsSeusBits) {
  CQZQuemGerou q;
  q.SetData(0x3FFFF);
  q.SetNumero(0xFFFFFFFF);
  q.SetOrigem(0xFFF);
  q.SetTipoChave(3);
  EXPECT_STREQ(q.GetChaveTexto(), "18446744073709551615");
  q.SetNumero(0);
  EXPECT_EQ(q.GetData(), 0x3FFFFu);
  EXPECT_EQ(q.GetOrigem(), 0xFFF);
  EXPECT_EQ(q.GetTipoChave(), 3);
  q.SetOrigem(4096 + 5);
  EXPECT_EQ(q.GetOrigem(), 5) << "só os 12 bits baixos";
  q.SetData(0x40000 + 7);
  EXPECT_EQ(q.GetData(), 7u);
  EXPECT_EQ(q.GetNumero(), 0u);

  // Datas tipadas acertam a forma; inválidas a zeram.
  const struct {
    void (*pSet)(CQZQuemGerou&);
    int nTipo;
  } kDatas[] = {
      {[](CQZQuemGerou& g) { g.SetDataDMA(QZDMA(13, 8, 2018)); }, QZDMC_TIPO_DMA},
      {[](CQZQuemGerou& g) { g.SetDataDMA(0); }, QZDMC_TIPO_NENHUM},
      {[](CQZQuemGerou& g) { g.SetDataMA(QZMA(8, 2018)); }, QZDMC_TIPO_MA},
      {[](CQZQuemGerou& g) { g.SetDataMA(REG_QZMA{40'000}); }, QZDMC_TIPO_NENHUM},
      {[](CQZQuemGerou& g) { g.SetDataAno(2018); }, QZDMC_TIPO_ANO},
      {[](CQZQuemGerou& g) { g.SetDataAno(0); }, QZDMC_TIPO_NENHUM},
  };
  for (const auto& c : kDatas) {
    CQZQuemGerou g(ULONG{77}, 19, ULONG{0}, 1);
    c.pSet(g);
    EXPECT_EQ(g.GetTipoChave(), c.nTipo);
    EXPECT_EQ(g.GetNumero(), 77u);
    EXPECT_EQ(g.GetOrigem(), 19);
  }
}

TEST(CQZQuemGerouTest, DescricaoPorFormaETipo) {
  const struct {
    CQZQuemGerou q;
    const char* completa;
    const char* descricao;
  } kCasos[] = {
      {CQZQuemGerou(ULONG{7}, QZDMA(13, 8, 2018)), "DMA - 13/08/2018 - 7 - 0", "Módulo  - Data: 13/08/2018 - Chave: 7"},
      {CQZQuemGerou(ULONG{9}, 18, ULONG{2018}, QZDMC_TIPO_ANO), "Ano - 2018 - 9 - 18 (Compras - Registro de Entradas)",
       "Módulo Compras - Registro de Entradas - Ano: 2018 - Chave: 9"},
      {CQZQuemGerou(ULONG{3}, 21, ULONG{0}, QZDMC_TIPO_NENHUM), "Nenhum - 0 - 3 - 21 (Origem: Importação)",
       "Origem: Importação - Chave: 3"},
      {CQZQuemGerou(ULONG{4}, 24, ULONG{QZMA(1, 2020)}, QZDMC_TIPO_MA), "MA - 01/2020 - 4 - 24 (Conciliação)",
       "Módulo Conciliação - Chave: 4"},
      {CQZQuemGerou(ULONG{5}, 62, ULONG{QZMA(1, 2020)}, QZDMC_TIPO_MA), "MA - 01/2020 - 5 - 62",
       "Módulo  - Mês/Ano: 01/2020 - Chave: 5"},
      {CQZQuemGerou(ULONG{6}, 7, ULONG{40'000}, QZDMC_TIPO_MA), "MA - 40000 - 6 - 7 (Estoque)",
       "Módulo Estoque - Mês/Ano: 40000 - Chave: 6"},
  };
  for (const auto& c : kCasos) {
    SCOPED_TRACE(c.completa);
    EXPECT_STREQ(c.q.GetDescricaoCompleta(), c.completa);
    EXPECT_STREQ(c.q.GetDescricao(), c.descricao);
  }
}

TEST(CQZQuemGerouTest, LeituraDoTextoDeGravacao) {
  // A própria saída volta igual, em toda forma e em tipos com e sem rótulo.
  for (int nTipo = 0; nTipo <= 3; ++nTipo) {
    for (int nOrigem : {0, 5, 21, 54, 62, 84, 117, 4095}) {
      const ULONG nData = nTipo == QZDMC_TIPO_DMA  ? QZDMA(29, 2, 2000)
                          : nTipo == QZDMC_TIPO_MA ? ULONG{QZMA(12, 4717)}
                                                   : ULONG{1999};
      const CQZQuemGerou original(ULONG{123'456}, nOrigem, nData, nTipo);
      const CQZQuemGerou lida(original.GetDescricaoCompleta());
      EXPECT_EQ(lida, original) << original.GetDescricaoCompleta();
    }
  }
  const struct {
    const char* texto;
    int tipo;
    ULONG data, numero;
    int origem;
  } kTextos[] = {
      {"2 - 05/2018 - 42 - 5", QZDMC_TIPO_MA, QZMA(5, 2018), 42, 5},
      {"MA-05/2018-42-5(Comercial - Nota Fiscal)", QZDMC_TIPO_MA, QZMA(5, 2018), 42, 5},
      {"MA - 2048 - 1 - 5", QZDMC_TIPO_MA, 2048, 1, 5},
      {"DMA - 62318 - 1 - 5", QZDMC_TIPO_DMA, 62'318, 1, 5},
      {"DMA - 31/04/2018 - 1 - 5", QZDMC_TIPO_DMA, QZDMA(30, 4, 2018), 1, 5},
      {"Mês - 5 - 1 - 5", QZDMC_TIPO_NENHUM, 5, 1, 5},
      {"Ano - 2018", QZDMC_TIPO_ANO, 2018, 0, 0},
      {"", 0, 0, 0, 0},
      {"lixo", 0, 0, 0, 0},
  };
  for (const auto& c : kTextos) {
    SCOPED_TRACE(c.texto);
    const CQZQuemGerou q{CString(c.texto)};
    EXPECT_EQ(q.GetTipoChave(), c.tipo);
    EXPECT_EQ(q.GetData(), c.data);
    EXPECT_EQ(q.GetNumero(), c.numero);
    EXPECT_EQ(q.GetOrigem(), c.origem);
  }
}

TEST(CQZQuemGerouTest, Rotulos) {
  const struct {
    int origem;
    const char* completo;
    const char* curto;
    const char* artigo;
  } kCasos[] = {
      {0, "", "", ""},
      {118, "", "", ""},
      {109, "", "", ""},
      {-1, "", "", ""},
      {5, "Comercial - Nota Fiscal", "Nota Fiscal", "a"},
      {2, "Orvan Fiscal - Entradas", "Entradas", ""},
      {84, "Gerenciador - Manutenção Preventiva", "", ""},
      {117, "Estoque - Solicitação de Compra para Requisição Interna", "Solicitação de Compra para Requisição Interna",
       "a"},
  };
  for (const auto& c : kCasos) {
    SCOPED_TRACE(c.origem);
    EXPECT_EQ(Rotulo(CQZQuemGerou::GetNomeOrigem, c.origem), c.completo);
    EXPECT_EQ(Rotulo(CQZQuemGerou::GetNomeDocumento, c.origem), c.curto);
    EXPECT_EQ(Rotulo(CQZQuemGerou::GetArtigo, c.origem), c.artigo);
  }
  const std::string arquivo = Rotulo(CQZQuemGerou::GetNomeOrigem, 54);
  EXPECT_TRUE(arquivo.ends_with(" - Arquivo Eletrônico")) << arquivo;
  EXPECT_EQ(Rotulo(CQZQuemGerou::GetNomeDocumento, 54), "Arquivo Eletrônico");
  // Buffer curto: tamanho - 1 bytes, sem partir o "í" de "Saídas".
  EXPECT_EQ(Rotulo(CQZQuemGerou::GetNomeOrigem, 5, 10), "Comercial");
  EXPECT_EQ(Rotulo(CQZQuemGerou::GetNomeOrigem, 9, 18), "Orvan Fiscal - Sa");
  EXPECT_EQ(Rotulo(CQZQuemGerou::GetNomeOrigem, 9, 19), "Orvan Fiscal - Sa");
  EXPECT_EQ(Rotulo(CQZQuemGerou::GetNomeOrigem, 9, 20), "Orvan Fiscal - Saí");
}

TEST(CQZQuemGerouTest, NumeroAcimaDe31BitsVoltaPeloTextoDeGravacao) {
  // "%d" escreve o número de 32 bits sem sinal como negativo; a leitura o restaura.
  for (ULONG nNumero : {ULONG{2'147'483'647}, ULONG{2'147'483'648}, ULONG{3'000'000'000}, ULONG{4'294'967'295}}) {
    for (int nTipo = 0; nTipo <= 3; ++nTipo) {
      const ULONG nData = nTipo == QZDMC_TIPO_DMA  ? QZDMA(1, 1, 1848)
                          : nTipo == QZDMC_TIPO_MA ? QZMA(5, 1848)
                                                   : 0x3FFFF;
      const CQZQuemGerou original(nNumero, 5, nData, nTipo);
      const CString texto = original.GetDescricaoCompleta();
      SCOPED_TRACE(static_cast<const char*>(texto));
      EXPECT_EQ(CQZQuemGerou(texto), original);
      CQZQuemGerou estrita;
      EXPECT_TRUE(estrita.LeDescricaoCompleta(texto));
      EXPECT_EQ(estrita, original);
    }
  }
  EXPECT_EQ(CQZQuemGerou(CString("MA - 05/1848 - -2147483648 - 5")).GetNumero(), 2'147'483'648u);
}

TEST(CQZQuemGerouTest, LeituraEstritaRecusaOQueNaoEhTextoDeGravacao) {
  const char* kRecusados[] = {
      "X - Y - Z - W",
      "-",
      "",
      "MA",
      "MA - 05/1848 - 42",
      "Mês - 05/1848 - 42 - 5",
      "MA - 13/1848 - 42 - 5",          // mês que não existe
      "MA - 05/1848/1 - 42 - 5",        // forma 2 com três partes
      "DMA - 05/1848 - 42 - 5",         // forma 3 com duas
      "MA - 05/1848 - 4294967296 - 5",  // número além de 32 bits
      "MA - 05/1848 - 42 - 4096",       // origem além de 12 bits
      "MA - 05/1848 - 42 - 5 - 6",      // campo a mais sem rótulo
      "MA - 05/1848 - 42x - 5",
      "MA - 05/1848 - 42 - 5 (sem fim",
  };
  const CQZQuemGerou original(ULONG{7}, 9, QZMA(1, 2000), QZDMC_TIPO_MA);
  for (const char* szTexto : kRecusados) {
    SCOPED_TRACE(szTexto);
    CQZQuemGerou q = original;
    EXPECT_FALSE(q.LeDescricaoCompleta(CString(szTexto)));
    EXPECT_EQ(q, original) << "os campos ficam intocados";
  }
  CQZQuemGerou q;
  EXPECT_TRUE(q.LeDescricaoCompleta(CString("MA - 05/2018 - 42 - 5 (Comercial - Nota Fiscal)")));
  EXPECT_EQ(q.GetNumero(), 42u);
}
