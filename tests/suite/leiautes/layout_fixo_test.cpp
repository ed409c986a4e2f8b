// Os acessores dos registros de layout fixo diante de blocos estragados: texto sem
// terminador, identificador inválido ou velho, quantidade maior que o bloco; e a
// rotina de liberação da nota, que libera o que pode sem ler além de nenhum bloco.
#include <gtest/gtest.h>

#include "vrmwnd/suite/leiautes/tagREG_NOTA_FISCALPS.h"

namespace {

template <class T>
T* AlocaZerado(std::size_t n = 1) {
  auto* p = static_cast<T*>(CoTaskMemAlloc(n * sizeof(T)));
  std::memset(static_cast<void*>(p), 0, n * sizeof(T));
  return p;
}

}  // namespace

TEST(LayoutFixoTest, TextoSemTerminadorDentroDoCampoEhErro) {
  tagREG_NOTA_FISCALPS nf{};
  ASSERT_TRUE(nf.Set_szSerie("1234567"));  // 7 bytes + terminador = 8, a largura
  EXPECT_EQ(nf.szSerie(), "1234567");
  // Sem terminador nos 8 bytes da série; o byte seguinte não pode ser lido como texto.
  std::memset(nf.Bytes() + tagREG_NOTA_FISCALPS::kOff_szSerie, 'X', 8);
  try {
    (void)nf.szSerie();
    FAIL() << "esperava CQZErroLayout";
  } catch (const vrmsuite::CQZErroLayout& e) {
    EXPECT_STREQ(e.what(),
                 "Registro tagREG_NOTA_FISCALPS, campo szSerie (deslocamento 4230): texto sem "
                 "terminador nos 8 bytes do campo.");
  }
}

TEST(LayoutFixoTest, GravaTextoCortaEmFronteiraDeCaractere) {
  const struct {
    const char* szTexto;
    bool bCabe;
    const char* szGravado;
  } kCasos[] = {
      {"SP", true, "SP"},   {"SPX", true, "SPX"}, {"SPXY", false, "SPX"},  // 4 bytes não cabem em 4 com o terminador
      {"ãé", false, "ã"},  // "ã" tem 2 bytes; o "é" cortado sairia pela metade
      {"aãé", false, "aã"},
  };
  for (const auto& c : kCasos) {
    SCOPED_TRACE(c.szTexto);
    tagREG_NOTA_FISCALPS nf{};
    EXPECT_EQ(nf.Set_szUF1(c.szTexto), c.bCabe);
    EXPECT_EQ(nf.szUF1(), c.szGravado);
    EXPECT_EQ(nf.szUF2(), "") << "o campo vizinho não pode ser tocado";
  }
}

TEST(LayoutFixoTest, VetorDetectaIdentificadorEQuantidadeRuins) {
  auto* pParcelas = AlocaZerado<tagREG_PARCELA_NFPS>(2);
  const DWORD hVivo = CoTaskMemHandle(pParcelas);
  auto* pVelho = AlocaZerado<tagREG_PARCELA_NFPS>(2);
  const DWORD hVelho = CoTaskMemHandle(pVelho);
  CoTaskMemFree(pVelho);

  const struct {
    DWORD hBloco;
    BYTE byQtd;
    const char* szMotivo;  // vazio: esperado sem erro
  } kCasos[] = {
      {hVivo, 2, ""},
      {0, 0, ""},
      {hVivo, 3, "3 elementos de 144 bytes não cabem no bloco de 288 bytes"},
      {0, 1, "identificador de bloco inválido 0 para 1 elementos"},
      {hVelho, 1, "identificador de bloco inválido"},
      {0x00000042, 1, "identificador de bloco inválido 0X42"},
  };
  for (const auto& c : kCasos) {
    SCOPED_TRACE(c.szMotivo);
    tagREG_NOTA_FISCALPS nf{};
    nf.Set_hParcelas(c.hBloco);
    nf.Set_byQtdParcelas(c.byQtd);
    if (*c.szMotivo == 0) {
      EXPECT_EQ(nf.Parcelas().size(), c.byQtd);
      continue;
    }
    try {
      (void)nf.Parcelas();
      ADD_FAILURE() << "esperava CQZErroLayout";
    } catch (const vrmsuite::CQZErroLayout& e) {
      EXPECT_NE(std::string(e.what()).find(c.szMotivo), std::string::npos) << e.what();
      EXPECT_NE(std::string(e.what()).find("hParcelas (deslocamento 4896)"), std::string::npos);
    }
  }
  tagREG_NOTA_FISCALPS nf{};
  nf.Set_hParcelas(hVivo);
  nf.Set_byQtdParcelas(2);
  EXPECT_THROW((void)nf.Parcelas()[2], vrmsuite::CQZErroLayout);
  CoTaskMemFree(pParcelas);
}

TEST(LayoutFixoTest, LiberaNotaEstragadaLiberaOQueCabeENadaMais) {
  const SIZE_T nVivos = CoTaskMemLiveBlocks();
  auto* pNF = AlocaZerado<tagREG_NOTA_FISCALPS>();
  // Um item de produto num bloco para um só, mas a nota diz três itens.
  auto* pItem = AlocaZerado<tagREG_ITENS_PRODUTO_NFPS>();
  pNF->Set_hItensProduto(CoTaskMemHandle(pItem));
  pNF->Set_iQtdItensProduto(3);
  // O item tem um rateio com linhas gerenciais e um identificador de detalhes inventado.
  auto* pRateio = AlocaZerado<tagREG_RATEIO_NFPS>();
  auto* pGerencial = AlocaZerado<tagREG_RATEIO_GERENCIAL_NFPS>(2);
  pRateio->Set_hGerencial(CoTaskMemHandle(pGerencial));
  pRateio->Set_iQtdGerencial(2);
  pItem->Set_hRateio(CoTaskMemHandle(pRateio));
  pItem->Set_iQtdRateio(1);
  pItem->Set_hDetalhes(0x7777);
  pItem->Set_iQtdDetalhes(4);
  // Chave de acesso na NF-e da nota.
  auto* szChave = static_cast<char*>(CoTaskMemAlloc(45));
  std::memset(szChave, '3', 44);
  szChave[44] = 0;
  _QZ_NFE_ps nfe = pNF->regNFe();
  nfe.Set_hChaveAcesso(CoTaskMemHandle(szChave));
  pNF->Set_regNFe(nfe);
  EXPECT_EQ(pNF->regNFe().ChaveAcesso().size(), 44u);
  // Mensagens com identificador de um bloco já liberado.
  auto* pVelho = AlocaZerado<tagREG_MENSAGEM_INFORMADA_NFPS>();
  pNF->Set_hMensagens(CoTaskMemHandle(pVelho));
  pNF->Set_iQtdMensagens(1);
  CoTaskMemFree(pVelho);

  const SIZE_T nMausAntes = CoTaskMemBadFrees();
  pNF->Libera();
  pNF->Libera();  // a segunda vez não acha nada a liberar
  CoTaskMemFree(pNF);
  EXPECT_EQ(CoTaskMemLiveBlocks(), nVivos);
  EXPECT_EQ(CoTaskMemBadFrees(), nMausAntes) << "identificador inválido nunca chega ao free";
}
