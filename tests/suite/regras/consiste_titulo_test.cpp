// A consistência dos títulos das retenções sobre a empresa de amostra: cada tipo de
// consistência alcançado por um dado real (cadastro, data, soma, relação gerencial),
// com a sua mensagem e a linha apontada; a da linha antes de entrar no título; o
// título já gravado na condição; e os títulos gerados de um registro, um por imposto
// e parcela, somando o retido ao centavo.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "empresa_teste.h"
#include "instalacao_teste.h"
#include "titulos_retencao_teste.h"
#include "vrmwnd/base/QZException.h"
#include "vrmwnd/base/QZProfiler.h"
#include "vrmwnd/base/cy_operacoes.h"
#include "vrmwnd/suite/ganchos_teste.h"
#include "vrmwnd/suite/registros/TCMRERegistroEntrada.h"
#include "vrmwnd/suite/registros/TQZCMConsisteRetorno.h"
#include "vrmwnd/suite/regras/CTrataDadosRE.h"

namespace {

const REG_QZDMA kEntrada = QZDMA(25, 8, 2018);

REG_QZDMC Chave(std::uint64_t v) {
  REG_QZDMC c{};
  c.SetValor(v);
  return c;
}

TQZGerencial Gerencial(long lGerencial, LONGLONG llValor) {
  TQZGerencial g;
  g.SetPonteiroPlanoEmpresarial(5001);
  g.SetPonteiroPlanoGerencial(lGerencial);
  g.SetValor(CyDeBruto(llValor));
  return g;
}



class ConsisteTituloTest : public testing::Test {
 protected:
  void SetUp() override { ASSERT_EQ(m_regras.OnInicializa(m_empresa.Nome()), S_OK); }
  void TearDown() override { vrmsuite::LimpaFalhasLeitura(); }

  CInstalacaoTeste m_instalacao;
  CEmpresaTeste m_empresa;
  CQZProfilerEmpresa m_contexto{"EMPRESA1", 4, 99};
  CTrataDadosRE m_regras{nullptr, &m_contexto};
};

// O primeiro item: o texto livre, ou "#número" para uma mensagem do catálogo.
std::string Mensagem(const TQZCMConsisteRetorno& r) {
  if (r.GetQuantidadeItens() == 0) return "";
  const TQZCMConsisteItem& item = r.GetItem(0);
  return item.GetCodigoQZMensagem() ? "#" + std::to_string(item.GetCodigoQZMensagem()) : item.GetErro().GetString();
}

}  // namespace

TEST_F(ConsisteTituloTest, CadaTipoVemDeUmDadoReal) {
  struct TCaso {
    const char* szCaso;
    std::function<void(TCMTituloImposto&)> muda;
    int nTipo;
    const char* szMensagem;
    long lLinha;  // "RateioTitulo", -1 quando não aponta
  };
  const TCaso kCasos[] = {
      {"completo", [](TCMTituloImposto&) {}, 0, "", -1},
      {"imposto desconhecido", [](TCMTituloImposto& t) { t.SetTipoImposto(9); }, 5,
       "O tipo de imposto 9 não é uma retenção conhecida.", -1},
      {"sem valor", [](TCMTituloImposto& t) { t.SetValor(g_cyZero); }, 13,
       "O título de IRRF da parcela 1 não tem valor a pagar.", -1},
      {"sem código de receita", [](TCMTituloImposto& t) { t.SetCodigoReceita(0); }, 6,
       "Informe o código de receita do título de IRRF da parcela 1.", -1},
      {"código não cadastrado", [](TCMTituloImposto& t) { t.SetCodigoReceita(999); }, 6,
       "O código de receita 0999 não está cadastrado.", -1},
      {"ISS dispensa o código",
       [](TCMTituloImposto& t) {
         t.SetTipoImposto(CM_IMPOSTO_ISS);
         t.SetCodigoReceita(0);
         t.SetCedente(2202);
       },
       0, "", -1},
      {"sem cedente", [](TCMTituloImposto& t) { t.SetCedente(0); }, 7,
       "Informe o cedente do título de IRRF da parcela 1.", -1},
      {"cedente que é o caixa", [](TCMTituloImposto& t) { t.SetCedente(1101); }, 8,
       "O cedente 1.1.01.001 não é uma conta analítica de fornecedor.", -1},
      {"cedente que não existe", [](TCMTituloImposto& t) { t.SetCedente(777); }, 8,
       "O cedente 777 não é uma conta analítica de fornecedor.", -1},
      {"sem tipo de documento", [](TCMTituloImposto& t) { t.SetPonteiroTipoDocumento(0); }, 9,
       "Informe o tipo de documento do título de IRRF da parcela 1.", -1},
      {"recibo não entra", [](TCMTituloImposto& t) { t.SetPonteiroTipoDocumento(3); }, 10,
       "O tipo de documento Recibo não é usado na entrada de mercadorias.", -1},
      {"sem vencimento", [](TCMTituloImposto& t) { t.SetRegDataVencimento(0); }, 14,
       "Informe a data de vencimento do título de IRRF da parcela 1.", -1},
      {"vencimento antes da entrada", [](TCMTituloImposto& t) { t.SetRegDataVencimento(QZDMA(24, 8, 2018)); }, 14,
       "O vencimento 24/08/2018 é anterior à entrada, 25/08/2018.", -1},
      {"vence no dia da entrada", [](TCMTituloImposto& t) { t.SetRegDataVencimento(kEntrada); }, 0, "", -1},
      {"sem linhas", [](TCMTituloImposto& t) { t.SetListaRateio(T_Lista<TCMRateioTitulo>()); }, 15,
       "Classifique o valor do título de IRRF da parcela 1.", -1},
      {"filial encerrada na segunda linha",
       [](TCMTituloImposto& t) {
         t.SetRateio(0, LinhaTitulo(1, 2251, 100'0000));
         t.AdicionaRateio(LinhaTitulo(4, 2251, 50'0000));
       },
       12, "A filial da linha 2 não é uma filial ativa.", 1},
      {"linha sem valor", [](TCMTituloImposto& t) { t.AdicionaRateio(LinhaTitulo(1, 2251, 0)); }, 2,
       "Informe o valor da linha 2.", 1},
      {"linha sem classificação", [](TCMTituloImposto& t) { t.SetRateio(0, LinhaTitulo(1, 0, 150'0000)); }, 3, "#1356", 0},
      {"classificação sintética", [](TCMTituloImposto& t) { t.SetRateio(0, LinhaTitulo(1, 2250, 150'0000)); }, 3,
       "A classificação 2.1.07 não é uma conta analítica do plano de contas.", 0},
      {"conta gerencial como classificação", [](TCMTituloImposto& t) { t.SetRateio(0, LinhaTitulo(1, 6001, 150'0000)); }, 3,
       "A classificação G.01 não é uma conta analítica do plano de contas.", 0},
      {"material de consumo pede as gerenciais", [](TCMTituloImposto& t) { t.SetRateio(0, LinhaTitulo(1, 5001, 150'0000)); },
       3, "#1358", 0},
      {"gerenciais que não somam a linha",
       [](TCMTituloImposto& t) {
         TCMRateioTitulo r = LinhaTitulo(1, 5001, 150'0000);
         r.AdicionaGerencial(Gerencial(6001, 90'0000));
         r.AdicionaGerencial(Gerencial(6002, 59'9900));
         t.SetRateio(0, r);
       },
       3, "As contas gerenciais da linha 1 somam 149,99 e a linha vale 150,00.", 0},
      {"gerenciais que somam a linha",
       [](TCMTituloImposto& t) {
         TCMRateioTitulo r = LinhaTitulo(1, 5001, 150'0000);
         r.AdicionaGerencial(Gerencial(6001, 90'0000));
         r.AdicionaGerencial(Gerencial(6002, 60'0000));
         t.SetRateio(0, r);
       },
       0, "", -1},
      {"gerenciais numa conta sem relação",
       [](TCMTituloImposto& t) {
         TCMRateioTitulo r = LinhaTitulo(1, 2251, 150'0000);
         r.AdicionaGerencial(Gerencial(6001, 150'0000));
         t.SetRateio(0, r);
       },
       3, "A classificação 2.1.07.001 não se rateia em contas gerenciais.", 0},
      {"linhas que não somam o título", [](TCMTituloImposto& t) { t.SetRateio(0, LinhaTitulo(1, 2251, 100'0000)); }, 11,
       "As classificações somam 100,00 e o título vale 150,00.", -1},
  };
  for (const TCaso& c : kCasos) {
    SCOPED_TRACE(c.szCaso);
    TCMTituloImposto titulo = TituloCompleto();
    c.muda(titulo);
    const TQZCMConsisteRetorno r = m_regras.ConsisteDadosTitulo_oitc(Chave(42), kEntrada, 0, 0, titulo, nullptr);
    EXPECT_EQ(r.GetTipo(), c.nTipo);
    EXPECT_EQ(Mensagem(r), c.szMensagem);
    EXPECT_EQ(r.GetValorItem("RateioTitulo"), c.lLinha);
    if (c.nTipo != 0) {
      EXPECT_EQ(r.GetItem(0).GeteModuloCodigoQZMensagem(), 7);
    }
  }
  const TQZCMConsisteRetorno semChave =
      m_regras.ConsisteDadosTitulo_oitc(Chave(0), kEntrada, 0, 0, TituloCompleto(), nullptr);
  EXPECT_EQ(semChave.GetTipo(), 4) << "documento sem chave de movimento";
}

TEST_F(ConsisteTituloTest, VencimentoJaGravadoCompletoValeAntesDaEntrada) {
  TCMTituloImposto titulo = TituloCompleto();
  titulo.SetRegDataVencimento(QZDMA(20, 8, 2018));
  TCMTituloImposto gravado = titulo;
  struct TCaso {
    const char* szCaso;
    const TCMTituloImposto* pAnterior;
    unsigned char byAnteriorIncompleta;
    int nTipo;
  } const kCasos[] = {
      {"sem título gravado", nullptr, 0, 14},
      {"gravado completo com o mesmo vencimento", &gravado, 0, 0},
      {"gravado incompleto", &gravado, 1, 14},
  };
  for (const TCaso& c : kCasos) {
    SCOPED_TRACE(c.szCaso);
    EXPECT_EQ(m_regras.ConsisteDadosTitulo_oitc(Chave(42), kEntrada, c.byAnteriorIncompleta, 0, titulo, c.pAnterior)
                  .GetTipo(),
              c.nTipo);
  }
  TCMTituloImposto outroVencimento = gravado;
  outroVencimento.SetRegDataVencimento(QZDMA(21, 8, 2018));
  EXPECT_EQ(m_regras.ConsisteDadosTitulo_oitc(Chave(42), kEntrada, 0, 0, titulo, &outroVencimento).GetTipo(), 14);
}

TEST_F(ConsisteTituloTest, LinhaAntesDeEntrarNoTitulo) {
  TCMTituloImposto titulo = TituloCompleto();
  titulo.AdicionaRateio(LinhaTitulo(1, 2251, 0));  // as linhas: 150,00 e uma vazia
  TCMRateioTitulo gerenciada = LinhaTitulo(0, 5001, 50'0000);
  gerenciada.AdicionaGerencial(Gerencial(6001, 50'0000));
  struct TCaso {
    const char* szCaso;
    int nLinha;
    TCMRateioTitulo linha;
    int nTipo;
    const char* szMensagem;
  } const kCasos[] = {
      {"sem valor", -1, LinhaTitulo(1, 2251, 0), 4, "Informe o valor da linha."},
      {"nova passa do título", -1, LinhaTitulo(1, 2251, 100), 4,
       "Com esta linha as classificações somam 150,01, acima do valor do título (150,00)."},
      {"alterada não conta o valor antigo", 0, LinhaTitulo(1, 2251, 150'0000), 0, ""},
      {"filial encerrada", 0, LinhaTitulo(4, 2251, 10'0000), 12, "A filial da linha não é uma filial ativa."},
      {"sem filial vale a do título", 0, LinhaTitulo(0, 2251, 10'0000), 0, ""},
      {"sem classificação", 0, LinhaTitulo(1, 0, 10'0000), 3, "#1356"},
      {"gerencial da filial do título", 0, gerenciada, 0, ""},
  };
  for (const TCaso& c : kCasos) {
    SCOPED_TRACE(c.szCaso);
    const TQZCMConsisteRetorno r = m_regras.ConsisteDadosRateioTitulo_oitc(kEntrada, titulo, c.nLinha, 1, c.linha);
    EXPECT_EQ(r.GetTipo(), c.nTipo);
    EXPECT_EQ(Mensagem(r), c.szMensagem);
  }
}

TEST_F(ConsisteTituloTest, LeituraQueFalhaERegistradaELancada) {
  vrmsuite::ProgramaFalhaLeitura("LeDFContaTitulo", E_FAIL, 0);
  EXPECT_THROW(m_regras.ConsisteDadosTitulo_oitc(Chave(42), kEntrada, 0, 0, TituloCompleto(), nullptr), CQZExceptionEx);
  const std::vector<std::string> erros = m_instalacao.LinhasDeErro();
  ASSERT_EQ(erros.size(), 1u);
  EXPECT_NE(erros[0].find("LeContaTitulo"), std::string::npos) << erros[0];
}

TEST_F(ConsisteTituloTest, TituloGravadoNaCondicaoPorImpostoEParcela) {
  TCMCondicaoPagamento condicao;
  for (int nParcela : {1, 2}) {
    TCMTituloImposto t = TituloCompleto();
    t.SetParcela(nParcela);
    t.SetValor(CyDeBruto(nParcela * 10'0000));
    condicao.AdicionaTitulo(t);
  }
  const TCMTituloImposto* p = CTrataDadosBase::GetPtrTituloAtual(&condicao, CM_IMPOSTO_IRRF, 2);
  ASSERT_NE(p, nullptr);
  EXPECT_EQ(p->GetValor().int64, 20'0000);
  EXPECT_EQ(CTrataDadosBase::GetPtrTituloAtual(&condicao, CM_IMPOSTO_PIS, 1), nullptr);
  EXPECT_EQ(CTrataDadosBase::GetPtrTituloAtual(&condicao, CM_IMPOSTO_IRRF, 3), nullptr);
  EXPECT_EQ(CTrataDadosBase::GetPtrTituloAtual(nullptr, CM_IMPOSTO_IRRF, 1), nullptr);
}

TEST_F(ConsisteTituloTest, TitulosGeradosUmPorImpostoEParcelaSomamORetido) {
  TCMRERegistroEntrada registro;
  registro.SetPonteiroFilial(1);
  registro.SetPonteiroHistorico(3);
  registro.SetRegDataEntrada(kEntrada);
  // Dois serviços: IRRF 15,00 + 0,01 e ISS 110,00; nenhum PIS.
  const LONGLONG retidos[2][2] = {{15'0000, 110'0000}, {100, 0}};
  for (const auto& r : retidos) {
    TCMREItemServico item;
    for (unsigned char byTipo : {CM_IMPOSTO_IRRF, CM_IMPOSTO_ISS}) {
      TCMREImposto imposto;
      imposto.SetTipoImposto(byTipo);
      imposto.SetValor(CyDeBruto(r[byTipo == CM_IMPOSTO_ISS]));
      imposto.SetCodigoReceita(byTipo == CM_IMPOSTO_IRRF ? 1708 : 0);
      item.AdicionaImposto(imposto);
    }
    registro.AdicionaServico(item);
  }
  TCMCondicaoPagamento condicao;
  const LONGLONG parcelas[] = {479'3300, 479'3300, 479'3400};
  for (int i = 0; i < 3; ++i) {
    TCMParcela p;
    p.SetNumeroDaParcela(i + 1);
    p.SetValorParcelaDigitado(CyDeBruto(parcelas[i]));
    p.SetRegDataVencimento(QZDMA(13, 9 + i, 2018));
    p.SetNumeroDocumento(("1001/" + std::to_string(i + 1)).c_str());
    condicao.AdicionaParcela(p);
  }
  registro.SetCondicaoPagamento(condicao);

  const T_Lista<TCMTituloImposto> titulos = CTrataDadosRE::GeraTitulosRetencao(registro);
  ASSERT_EQ(titulos.GetSize(), 6) << "IRRF e ISS em três parcelas";
  LONGLONG somas[7] = {};
  for (const TCMTituloImposto& t : titulos) {
    somas[t.GetTipoImposto()] += t.GetValor().int64;
    EXPECT_EQ(t.GetSomaRateio().int64, t.GetValor().int64) << "uma linha com todo o valor";
    EXPECT_EQ(t.GetValor().int64 % 100, 0) << "em centavos";
    EXPECT_EQ(t.GetFilial(), 1);
    EXPECT_EQ(t.GetNumeroDocumento(), CString(("1001/" + std::to_string(t.GetParcela())).c_str()));
    EXPECT_EQ(t.GetRegDataVencimento(), QZDMA(13, 8 + t.GetParcela(), 2018));
    EXPECT_EQ(t.GetCodigoReceita(), t.GetTipoImposto() == CM_IMPOSTO_IRRF ? 1708 : 0);
  }
  EXPECT_EQ(somas[CM_IMPOSTO_IRRF], 15'0100);
  EXPECT_EQ(somas[CM_IMPOSTO_ISS], 110'0000);
  // 15,01 em três: 5,00 + 5,00 + 5,01; a sobra vai à maior parcela, a terceira.
  EXPECT_EQ(titulos[0].GetValor().int64, 5'0000);
  EXPECT_EQ(titulos[2].GetValor().int64, 5'0100);
}
