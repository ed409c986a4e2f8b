// O lado do chamador do diálogo dos títulos, sobre a empresa de amostra: falta dado
// em cada título gerado até ele ser completado, o título gravado na condição que
// deixa valer um vencimento antigo, a falha de leitura mostrada (e a resposta "não
// falta") e a ligação que falha numa empresa que não existe, registrada no log.
#include <gtest/gtest.h>

#include "excecoes_teste.h"
#include "instalacao_teste.h"
#include "titulos_teste.h"
#include "vrmwnd/base/cy_operacoes.h"
#include "vrmwnd/dialogs/CDlgTitulos.h"
#include "vrmwnd/suite/ganchos_teste.h"
#include "vrmwnd/suite/registros/TCMImposto.h"

namespace {

TCMTituloImposto Titulo(REG_QZDMA dmaVencimento) {
  TCMTituloImposto t;
  t.SetTipoImposto(CM_IMPOSTO_INSS);
  t.SetParcela(1);
  t.SetFilial(1);
  t.SetRegDataVencimento(dmaVencimento);
  t.SetCedente(2203);
  t.SetPonteiroTipoDocumento(5);
  t.SetValor(CyDeBruto(500'0000));
  t.SetCodigoReceita(2631);
  TCMRateioTitulo linha;
  linha.SetFilial(1);
  linha.SetPonteiroClassificacao(2254);
  linha.SetValor(CyDeBruto(500'0000));
  t.AdicionaRateio(linha);
  return t;
}

class CDlgTitulosTest : public CTitulosTeste {};

}  // namespace

TEST_F(CDlgTitulosTest, FaltaDadosPelaConsistenciaComOTituloGravado) {
  T_Lista<TCMTituloImposto> lista;
  lista.Add(Titulo(QZDMA(10, 9, 2018)));
  lista.Add(Titulo(QZDMA(20, 8, 2018)));  // antes da entrada
  lista[1].SetParcela(2);
  TCMTituloImposto semCedente = Titulo(QZDMA(10, 9, 2018));
  semCedente.SetParcela(3);
  semCedente.SetCedente(0);
  lista.Add(semCedente);
  m_titulos.SetListaTitulo(lista);
  EXPECT_FALSE(m_titulos.FaltaDados(0));
  EXPECT_TRUE(m_titulos.FaltaDados(1)) << "vencimento anterior à entrada";
  EXPECT_TRUE(m_titulos.FaltaDados(2)) << "sem cedente";
  EXPECT_EQ(m_titulos.GetTituloAnterior(1), nullptr);

  TCMCondicaoPagamento condicao;
  condicao.AdicionaTitulo(lista[1]);  // gravado completo com esse vencimento
  m_titulos.SetCondicaoPagamento(&condicao);
  ASSERT_NE(m_titulos.GetTituloAnterior(1), nullptr);
  EXPECT_FALSE(m_titulos.FaltaDados(1));
  m_titulos.SetAnteriorIncompleta(1);
  EXPECT_TRUE(m_titulos.FaltaDados(1)) << "o gravado estava incompleto";
  EXPECT_TRUE(LancaArgumentoInvalido([&] { m_titulos.FaltaDados(3); })) << "índice fora da lista";
}

TEST_F(CDlgTitulosTest, FalhaDeLeituraMostradaENaoFalta) {
  T_Lista<TCMTituloImposto> lista;
  lista.Add(Titulo(QZDMA(10, 9, 2018)));
  m_titulos.SetListaTitulo(lista);
  vrmsuite::ProgramaFalhaLeitura("LeDFCodigoRecolhimento", E_FAIL, 0);
  EXPECT_FALSE(m_titulos.FaltaDados(0));
  ASSERT_EQ(m_caixas.Caixas().size(), 1u);
  EXPECT_EQ(m_caixas.Caixas()[0].strTitulo, "Erro");
  EXPECT_EQ(m_instalacao.LinhasDeErro().size(), 1u);
}

TEST(CDlgTitulosLigacaoTest, EmpresaQueNaoExisteFalhaERegistra) {
  CInstalacaoTeste instalacao;
  CDlgTitulos titulos(nullptr, nullptr);
  titulos.SetProfiler("NAO_EXISTE", 4, 99);
  EXPECT_NE(titulos.OnInicializa(), S_OK);
  const std::vector<std::string> erros = instalacao.LinhasDeErro();
  ASSERT_EQ(erros.size(), 1u);
  EXPECT_NE(erros[0].find("CDlgTitulos::OnInicializa"), std::string::npos) << erros[0];
  EXPECT_NE(erros[0].find("__super::OnInicializa()"), std::string::npos) << erros[0];
}
