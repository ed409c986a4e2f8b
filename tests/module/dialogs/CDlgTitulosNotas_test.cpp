// O registro de entrada das notas de amostra no diálogo dos títulos: um título por
// imposto retido e parcela, todos faltando dado; a pessoa completa cada um (cedente,
// tipo de documento, código de receita e a classificação da linha) e, com o OK, os
// títulos e as suas linhas somam o retido do registro ao centavo.
#include <map>

#include "titulos_teste.h"
#include "vrmwnd/business/CTrataDadosREWnd.h"

namespace {

// O que a pessoa digita por imposto: cedente, tipo de documento, código, classificação.
struct TDigitado {
  const char *szCedente, *szDocumento, *szCodigo, *szClassificacao;
};
const std::map<unsigned char, TDigitado> kDigitado = {
    {CM_IMPOSTO_IRRF, {"2.1.06.001", "RTF", "1708", "2.1.07.001"}},
    {CM_IMPOSTO_PIS, {"2.1.06.001", "RTF", "5952", "2.1.07.002"}},
    {CM_IMPOSTO_COFINS, {"2.1.06.001", "RTF", "5952", "2.1.07.002"}},
    {CM_IMPOSTO_CSLL, {"2.1.06.001", "RTF", "5952", "2.1.07.002"}},
    {CM_IMPOSTO_ISS, {"2.1.06.002", "RTF", "", "2.1.07.003"}},
    {CM_IMPOSTO_INSS, {"2.1.06.003", "RTP", "2631", "2.1.07.004"}},
};

class CDlgTitulosNotasTest : public CTitulosTeste {
 protected:
  TCMRERegistroEntrada Importa(std::initializer_list<long> posicoes) {
    CTrataDadosREWnd tratador(nullptr);
    tratador.SetProfiler(m_empresa.Nome(), 4, 99);
    EXPECT_EQ(tratador.OnInicializa(m_empresa.Nome()), S_OK);
    T_Lista<long> lista;
    for (long l : posicoes) lista.Add(l);
    const TCMRERegistroEntrada registro = tratador.ImportaNotaComercial(lista);
    tratador.OnFinaliza();
    return registro;
  }
};


}  // namespace

TEST_F(CDlgTitulosNotasTest, PessoaCompletaOsTitulosQueSomamORetidoAoCentavo) {
  const TCMRERegistroEntrada registro = Importa({6144, 18432});
  REG_QZDMC chave{};
  chave.SetValor(registro.GetRegQuemGerou().Valor());
  m_titulos.SetChaveMovimento(chave);
  m_titulos.SetDataEntrada(registro.GetRegDataEntrada());
  m_titulos.SetListaTitulo(CTrataDadosRE::GeraTitulosRetencao(registro));
  const int nTitulos = m_titulos.GetQuantidadeTitulo();
  ASSERT_EQ(nTitulos, 18) << "seis retenções em três parcelas";

  std::vector<bool> vermelhos;
  CRoteiro& r = AoAbrir().Confere([&](HWND h) { vermelhos = LeTela(h).vermelhos; });
  for (int i = 0; i < nTitulos; ++i) {
    const TDigitado& d = kDigitado.at(m_titulos.GetTitulo(i).GetTipoImposto());
    EscolheLinha(r, D::IDC_GRADE_TITULOS, i + 1);
    Preenche(r, D::IDC_CEDENTE, d.szCedente);
    Preenche(r, D::IDC_TIPO_DOCUMENTO, d.szDocumento);
    if (*d.szCodigo) Preenche(r, D::IDC_CODIGO_RECEITA, d.szCodigo);
    EscolheLinha(r, D::IDC_GRADE_RATEIO, 1);
    Preenche(r, D::IDC_CLASSIFICACAO, d.szClassificacao).Clica(D::IDC_ALTERAR).Clica(D::IDC_ALTERAR_TITULO);
  }
  r.Clica(IDOK);
  ASSERT_EQ(m_titulos.DoModal(), IDOK) << (m_caixas.Textos().empty() ? "" : m_caixas.Textos().front());
  EXPECT_EQ(vermelhos, std::vector<bool>(18, true)) << "gerados sem cedente nem tipo de documento";
  EXPECT_TRUE(m_caixas.Textos().empty());

  std::map<unsigned char, LONGLONG> somas;
  LONGLONG llTotal = 0;
  for (int i = 0; i < nTitulos; ++i) {
    SCOPED_TRACE(i);
    const TCMTituloImposto t = m_titulos.GetTitulo(i);
    EXPECT_FALSE(m_titulos.FaltaDados(i));
    EXPECT_EQ(t.GetSomaRateio().int64, t.GetValor().int64);
    somas[t.GetTipoImposto()] += t.GetValor().int64;
    llTotal += t.GetValor().int64;
  }
  for (const auto& [byTipo, llSoma] : somas) EXPECT_EQ(llSoma, Retido(registro, byTipo)) << int{byTipo};
  EXPECT_EQ(llTotal, registro.GetValorTotalRetencoes().int64);
}
