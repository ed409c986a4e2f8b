// Os registros de valor da entrada de mercadorias: cópias independentes até o fundo
// das listas, comparação campo a campo (também a da base nas classes derivadas), as
// listas que entram e saem como T_Lista e a chave de acesso da NF-e que sobrevive à
// liberação da nota de onde veio.
#include <gtest/gtest.h>

#include <functional>

#include "empresa_teste.h"
#include "excecoes_teste.h"
#include "vrmwnd/base/cy_operacoes.h"
#include "vrmwnd/suite/leiautes/tagREG_NOTA_FISCALPS.h"
#include "vrmwnd/suite/servidor/CServidoresCompartilhados.h"
#include "vrmwnd/suite/regras/CTrataDadosRE.h"
#include "vrmwnd/suite/registros/TCMRERegistroEntrada.h"

namespace {

TCMRENFReferidas Referida() {
  TCMRENFReferidas r;
  r.SetNumeroNotaFiscalOrigem("1001");
  r.SetSerieNotaFiscalOrigem("1");
  r.SetModeloNotaFiscalOrigem("55");
  r.SetRegDataEmissaoNotaFiscalOrigem(QZDMA(13, 8, 2018));
  r.SetValorTotalNotaFiscalOrigem(CyDeBruto(128100000));
  r.SetPonteiroNF(6144);
  r.SetTipoNota(0);
  return r;
}

}  // namespace

TEST(RegistrosEntradaTest, ReferidasDiferemPorQualquerCampo) {
  const std::function<void(TCMRENFReferidas&)> kMudancas[] = {
      [](TCMRENFReferidas& r) { r.SetNumeroNotaFiscalOrigem("1002"); },
      [](TCMRENFReferidas& r) { r.SetSerieNotaFiscalOrigem("2"); },
      [](TCMRENFReferidas& r) { r.SetModeloNotaFiscalOrigem("65"); },
      [](TCMRENFReferidas& r) { r.SetRegDataEmissaoNotaFiscalOrigem(QZDMA(14, 8, 2018)); },
      [](TCMRENFReferidas& r) { r.SetValorTotalNotaFiscalOrigem(CyDeBruto(128100001)); },
      [](TCMRENFReferidas& r) { r.SetPonteiroNF(10240); },
      [](TCMRENFReferidas& r) { r.SetTipoNota(2); },
      [](TCMRENFReferidas& r) { r.SetChaveAcessoNFe("3518"); },
  };
  const TCMRENFReferidas original = Referida();
  EXPECT_EQ(Referida(), original);
  int i = 0;
  for (const auto& fMuda : kMudancas) {
    SCOPED_TRACE(i++);
    TCMRENFReferidas outra = original;
    fMuda(outra);
    EXPECT_NE(outra, original);
  }
}

TEST(RegistrosEntradaTest, CopiaDoRegistroEhIndependenteAteAsLinhasGerenciais) {
  TQZGerencial gerencial;
  gerencial.SetValor(CyDeBruto(1500000));
  gerencial.SetPonteiroPlanoGerencial(6001);
  TCMRERateioProduto rateio;
  rateio.SetNEWValor(CyDeBruto(2500000));
  rateio.SetPonteiroClassificacaoDestino(5001);
  rateio.AdicionaGerencial(gerencial);
  TCMREItemProduto item;
  item.AdicionaRateio(rateio);
  TCMRERegistroEntrada registro;
  registro.AdicionaProduto(item);
  TCMParcela parcela;
  parcela.SetValorParcelaDigitado(CyDeBruto(4000000));
  registro.GetCondicaoPagamentoRef().AdicionaParcela(parcela);

  TCMRERegistroEntrada copia = registro;
  ASSERT_EQ(copia, registro);
  TCMREItemProduto itemCopia = copia.GetProduto(0);
  TCMRERateioProduto rateioCopia = itemCopia.GetRateio(0);
  TQZGerencial gerencialMudado = gerencial;
  gerencialMudado.SetValor(CyDeBruto(1500001));
  T_Lista<TQZGerencial> lista;
  lista.Add(gerencialMudado);
  rateioCopia.SetListaGerencial(lista);
  T_Lista<TCMRERateioProduto> rateios;
  rateios.Add(rateioCopia);
  itemCopia.SetListaRateio(rateios);
  copia.SetProduto(0, itemCopia);

  EXPECT_NE(copia, registro) << "a mudança no fundo da cópia aparece na comparação";
  EXPECT_EQ(registro.GetProduto(0).GetRateio(0).GetGerencial(0).GetValor().int64, 1500000) << "o original não mudou";

  TCMRERateioProduto soBase = rateio;
  soBase.SetNEWQuantidade(CyDeBruto(1));  // campo da base
  EXPECT_NE(soBase, rateio) << "a derivada compara também os campos da base";
}

TEST(RegistrosEntradaTest, ListasEntramESaemComoTLista) {
  T_Lista<TCMREImposto> impostos;
  for (BYTE byTipo : {BYTE{2}, BYTE{3}, BYTE{4}}) {
    TCMREImposto imposto;
    imposto.SetTipoImposto(byTipo);
    imposto.SetValor(CyDeBruto(1000 * byTipo));
    impostos.Add(imposto);
  }
  TCMREItemProduto item;
  item.SetListaImposto(impostos);
  item.SetListaRateio(CTrataDadosRE::MontaClassificaoPeloCadastroProduto(item, TCMRERegistroEntrada{}));
  const T_Lista<TCMREImposto> devolvida = item.GetListaImposto();
  ASSERT_EQ(devolvida.GetSize(), 3);
  for (int i = 0; i < 3; ++i) EXPECT_EQ(devolvida[i], impostos[i]);
  EXPECT_EQ(devolvida.GetAllocSize(), T_Lista<int>::PASSO_CRESCIMENTO) << "a lista que sai cresce de 100 em 100";
  item.AdicionaImposto(impostos[0]);
  EXPECT_EQ(item.GetQuantidadeImposto(), 4);
  EXPECT_EQ(impostos.GetSize(), 3) << "a lista dada não muda com o item";
  EXPECT_EQ(item.GetQuantidadeRateio(), 1) << "uma lista temporária também entra";
}

TEST(RegistrosEntradaTest, ElementoDaListaPorIndice) {
  TCMImpostoDeducao dependente, material;
  dependente.SetDescricao("Dependente");
  material.SetDescricao("Material aplicado");
  TCMREImposto imposto;
  imposto.AdicionaDeducao(dependente);
  imposto.AdicionaDeducao(dependente);
  imposto.SetDeducao(1, material);
  ASSERT_EQ(imposto.GetQuantidadeDeducao(), 2);
  EXPECT_EQ(imposto.GetDeducao(0), dependente);
  EXPECT_EQ(imposto.GetDeducao(1), material);
  EXPECT_EQ(imposto.GetListaDeducao()[1], material) << "a lista inteira vê o elemento trocado";
  EXPECT_TRUE(LancaArgumentoInvalido([&] { imposto.GetDeducao(2); }));
  EXPECT_TRUE(LancaArgumentoInvalido([&] { imposto.SetDeducao(-1, material); }));
  EXPECT_EQ(imposto.GetQuantidadeDeducao(), 2) << "o índice recusado não muda a lista";
}

TEST(RegistrosEntradaTest, ChaveDaNFeSobreviveALiberacaoDaNota) {
  CEmpresaTeste empresa;
  CServidoresCompartilhados servidores;
  ASSERT_EQ(servidores.OnInicializa(empresa.Nome()), S_OK);
  tagREG_NOTA_FISCALPS* pNF = nullptr;
  ASSERT_EQ(servidores.GetUsaServidor()->LeDFNotasFiscais(servidores.m_ppINotasFiscais, 22528, &pNF), S_OK);
  TCMRENFReferidas referida;
  referida.SetRegNFe(pNF->regNFOrigem().regNFe());
  TCMRERegistroEntrada registro;
  registro.SetRegNFe(pNF->regNFe());  // a nota de devolução não tem chave própria
  pNF->Libera();
  CoTaskMemFree(pNF);

  EXPECT_EQ(referida.GetChaveAcessoNFe(), CString("35180861234567000155550010000010011000010015"));
  EXPECT_EQ(referida.GetRegNFe().hChaveAcesso(), 0u) << "o identificador do servidor não é guardado";
  EXPECT_EQ(registro.GetChaveAcessoNFe(), CString(""));
}
