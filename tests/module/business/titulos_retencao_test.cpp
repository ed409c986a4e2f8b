// Os títulos das retenções de um registro importado das notas de amostra: um por
// imposto retido e parcela, incompletos até o usuário dar cedente, tipo de documento,
// código de receita e classificação; completos, passam na consistência e somam, por
// imposto e no total, o retido do registro ao centavo.
#include <gtest/gtest.h>

#include <map>

#include "importa_teste.h"
#include "titulos_retencao_teste.h"
#include "vrmwnd/base/cy_operacoes.h"
#include "vrmwnd/suite/registros/TCMTituloImposto.h"
#include "vrmwnd/suite/registros/TQZCMConsisteRetorno.h"

namespace {

class TitulosRetencaoTest : public CImportaTeste {};

// O que o usuário completa, por imposto: cedente, tipo de documento, código de
// receita e a classificação da linha.
struct TComplemento {
  long lCedente;
  unsigned short iDocumento;
  long lCodigo;
  long lClassificacao;
};
const std::map<unsigned char, TComplemento> kComplementos = {
    {CM_IMPOSTO_IRRF, {2201, 4, 1708, 2251}},   {CM_IMPOSTO_PIS, {2201, 4, 5952, 2252}},
    {CM_IMPOSTO_COFINS, {2201, 4, 5952, 2252}}, {CM_IMPOSTO_CSLL, {2201, 4, 5952, 2252}},
    {CM_IMPOSTO_ISS, {2202, 4, 0, 2253}},       {CM_IMPOSTO_INSS, {2203, 5, 2631, 2254}},
};


}  // namespace

TEST_F(TitulosRetencaoTest, UmPorImpostoEParcelaQueCompletosSomamORetido) {
  struct TCaso {
    const char* szCaso;
    std::initializer_list<long> notas;
    int nParcelas;
  } const kCasos[] = {
      {"o serviço sozinho, uma parcela", {18432}, 1},
      {"com a compra de três parcelas na frente", {6144, 18432}, 3},
  };
  for (const TCaso& c : kCasos) {
    SCOPED_TRACE(c.szCaso);
    const TCMRERegistroEntrada registro = Importa(c.notas);
    T_Lista<TCMTituloImposto> titulos = CTrataDadosRE::GeraTitulosRetencao(registro);
    ASSERT_EQ(titulos.GetSize(), 6 * c.nParcelas) << "as seis retenções da nota de serviço";
    REG_QZDMC chave{};
    chave.SetValor(registro.GetRegQuemGerou().Valor());

    std::map<unsigned char, LONGLONG> somas;
    LONGLONG llTotal = 0;
    for (int i = 0; i < titulos.GetSize(); ++i) {
      TCMTituloImposto t = titulos[i];
      const int nAntes =
          m_tratador.ConsisteDadosTitulo_oitc(chave, registro.GetRegDataEntrada(), 0, i, t, nullptr).GetTipo();
      EXPECT_NE(nAntes, 0) << "gerado sem cedente nem tipo de documento";
      const TComplemento& k = kComplementos.at(t.GetTipoImposto());
      t.SetCedente(k.lCedente);
      t.SetPonteiroTipoDocumento(k.iDocumento);
      if (t.GetCodigoReceita() == 0) t.SetCodigoReceita(k.lCodigo);
      TCMRateioTitulo linha = t.GetRateio(0);
      linha.SetPonteiroClassificacao(k.lClassificacao);
      t.SetRateio(0, linha);
      const TQZCMConsisteRetorno r =
          m_tratador.ConsisteDadosTitulo_oitc(chave, registro.GetRegDataEntrada(), 0, i, t, nullptr);
      EXPECT_EQ(r.GetTipo(), 0) << "título " << i << ": "
                                << (r.GetQuantidadeItens() ? r.GetItem(0).GetErro().GetString() : "");
      EXPECT_EQ(t.GetSomaRateio().int64, t.GetValor().int64);
      somas[t.GetTipoImposto()] += t.GetValor().int64;
      llTotal += t.GetValor().int64;
    }
    for (const auto& [byTipo, llSoma] : somas) EXPECT_EQ(llSoma, Retido(registro, byTipo)) << int{byTipo};
    EXPECT_EQ(llTotal, registro.GetValorTotalRetencoes().int64);
  }
}
