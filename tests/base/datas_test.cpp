// Datas da suíte: números de dia e códigos de mês contra datas conhecidas, o ajuste
// do dia ao fim do mês, a ida e volta em todo o intervalo e os textos por estilo.
#include <cstring>
#include <string>

#include <gtest/gtest.h>

#include "vrmwnd/base/datas.h"

namespace {

std::string Texto(int dia, int mes, int ano, int estilo, char sep, bool ano4, int tamanho = 40) {
  char buf[64];
  std::memset(buf, 'x', sizeof buf);
  QZDataTexto(buf, tamanho, dia, mes, ano, estilo, sep, ano4);
  return buf;
}

}  // namespace

TEST(QZDatasTest, NumeroDoDiaDeDatasConhecidas) {
  constexpr struct {
    int dia, mes, ano;
    REG_QZDMA esperado;
  } kCasos[] = {
      {1, 1, 1848, 2},       {1, 1, 1900, 18'995},      {1, 1, 2000, 55'519},  {29, 2, 2000, 55'578},
      {13, 8, 2018, 62'318}, {31, 12, 4717, 1'048'247}, {31, 4, 2018, 62'213},  // 30/04/2018: dia além do mês vira o
                                                                                // último
      {29, 2, 2019, 62'517},                                                    // 28/02/2019
      {1, 1, 83, 85'835},    {1, 1, 84, 49'675},        {0, 1, 2000, 0},       {1, 0, 2000, 0},
      {1, 13, 2000, 0},      {31, 12, 1847, 0},         {1, 1, 4718, 0},
  };
  for (const auto& c : kCasos) {
    SCOPED_TRACE(testing::Message() << c.dia << "/" << c.mes << "/" << c.ano);
    EXPECT_EQ(QZDMA(c.dia, c.mes, c.ano), c.esperado);
  }
  EXPECT_NE(QZDMA(31, 4, 2018), QZDMA(1, 5, 2018));
}

TEST(QZDatasTest, IdaEVoltaEDiaDaSemanaEmTodoOIntervalo) {
  int diaAnt = 31, mesAnt = 12, anoAnt = 1847, semanaAnt = 6;  // 31/12/1847, sexta
  for (REG_QZDMA n = QZDMA_MINIMA; n <= QZDMA_MAXIMA; ++n) {
    int d, m, a;
    QZDMAParaData(n, &d, &m, &a);
    ASSERT_EQ(QZDMA(d, m, a), n) << d << "/" << m << "/" << a;
    const bool bProximo = (d == diaAnt + 1 && m == mesAnt && a == anoAnt) ||
                          (d == 1 && ((m == mesAnt + 1 && a == anoAnt) || (m == 1 && a == anoAnt + 1)));
    ASSERT_TRUE(bProximo) << "dia " << n << " não segue " << diaAnt << "/" << mesAnt << "/" << anoAnt;
    ASSERT_EQ(QZDiaDaSemana(n), semanaAnt % 7 + 1);
    diaAnt = d, mesAnt = m, anoAnt = a, semanaAnt = QZDiaDaSemana(n);
  }
  EXPECT_EQ(QZDiaDaSemana(2), 7) << "1º de janeiro de 1848 é sábado";
  EXPECT_STREQ(QZNomeDiaDaSemana(QZDiaDaSemana(QZDMA(13, 8, 2018))), "Segunda-feira");
  for (REG_QZDMA n : {REG_QZDMA{0}, REG_QZDMA{1}, QZDMA_MAXIMA + 1}) {
    int d = -1, m = -1, a = -1;
    QZDMAParaData(n, &d, &m, &a);
    EXPECT_EQ(d + m + a, 0) << n;
  }
}

TEST(QZDatasTest, CodigoDoMes) {
  constexpr struct {
    int mes, ano;
    REG_QZMA codigo;
  } kCasos[] = {
      {1, 1848, 1},   {12, 1848, 12}, {1, 1849, 13}, {12, 4717, 34'440}, {5, 83, 2'825},
      {5, 84, 1'637}, {0, 2000, 0},   {13, 2000, 0}, {1, 1847, 0},
  };
  for (const auto& c : kCasos) {
    SCOPED_TRACE(testing::Message() << c.mes << "/" << c.ano);
    EXPECT_EQ(QZMA(c.mes, c.ano), c.codigo);
  }
  for (REG_QZMA ma = 1; ma <= QZMA_MAXIMO; ++ma) {
    int m, a;
    QZMAParaData(ma, &m, &a);
    ASSERT_EQ(QZMA(m, a), ma);
  }
  int m = -1, a = -1;
  QZMAParaData(QZMA_MAXIMO + 1, &m, &a);
  EXPECT_EQ(m + a, 0);
}

TEST(QZDatasTest, TextoPorEstilo) {
  constexpr struct {
    int dia, mes, ano, estilo;
    char sep;
    bool ano4;
    int tamanho;
    const char* texto;
  } kCasos[] = {
      {13, 8, 2018, 1, '/', false, 40, "13/08/2018"},
      {13, 8, 2018, 0, '/', false, 40, "13/08/18"},
      {13, 8, 2018, 0, 0, false, 40, "130818"},
      {13, 8, 2018, 2, '-', false, 40, "08-13-18"},
      {13, 8, 2018, 3, '-', false, 40, "08-13-2018"},
      {13, 8, 2018, 4, '.', false, 40, "18.08.13"},
      {13, 8, 2018, 5, 0, false, 40, "20180813"},
      {13, 8, 2018, 6, '/', false, 40, "13 de Agosto de 2018"},
      {1, 3, 1983, 0, '/', true, 40, "01/03/1983"},  // fora de 1984..2083: quatro dígitos
      {1, 3, 2084, 0, '/', true, 40, "01/03/2084"},
      {1, 3, 1984, 0, '/', true, 40, "01/03/84"},
      {1, 3, 2083, 0, '/', true, 40, "01/03/83"},
      {1, 3, 1983, 0, '/', false, 40, "01/03/83"},
      {1, 3, 5, 1, '/', false, 40, "01/03/2005"},  // ano completado antes
      {32, 1, 2018, 1, '/', false, 40, ""},
      {1, 13, 2018, 1, '/', false, 40, ""},
      {1, 1, 1847, 1, '/', false, 40, ""},
      {1, 1, 101, 1, '/', false, 40, ""},
      {1, 1, 4718, 1, '/', false, 40, ""},
      {1, 1, 2018, 7, '/', false, 40, ""},
      {13, 8, 2018, 1, '/', false, 10, ""},  // 11 com separador
      {13, 8, 2018, 1, 0, false, 9, "13082018"},
      {13, 8, 2018, 0, '/', false, 8, ""},  // 9 com separador
      {13, 8, 2018, 6, '/', false, 23, ""},
      {28, 2, 2018, 6, 0, false, 24, "28 de Fevereiro de 2018"},
  };
  for (const auto& c : kCasos) {
    SCOPED_TRACE(testing::Message() << c.dia << "/" << c.mes << "/" << c.ano << " estilo " << c.estilo << " tamanho "
                                    << c.tamanho);
    EXPECT_EQ(Texto(c.dia, c.mes, c.ano, c.estilo, c.sep, c.ano4, c.tamanho), c.texto);
  }
}

TEST(QZDatasTest, TextoDoNumeroDoDia) {
  char buf[32] = "lixo";
  EXPECT_STREQ(QZDataTexto(buf, sizeof buf, QZDMA(29, 2, 2000), QZ_DATA_DMAAAA, '/', false), "29/02/2000");
  EXPECT_STREQ(QZDataTexto(buf, sizeof buf, REG_QZDMA{0}, QZ_DATA_DMAAAA, '/', false), "");
}
