// O leiaute das linhas do profiler, byte a byte, e o texto de uma falha decodificada.
#include <gtest/gtest.h>

#include "profiler_teste.h"

namespace {

TQZRegistroProfiler RegistroBase(const IQZDF_Profiler* pContexto) {
  TQZRegistroProfiler r;
  r.stDataHora = {2024, 3, 2, 5, 9, 7, 3, 45};
  r.strProcesso = "compras";
  r.strUsuarioLocal = "ana";
  r.strClasseFuncao = "CDlgTitulos::OnOK";
  r.pContexto = pContexto;
  r.nTickInicial = 100;
  r.nMemoriaInicial = 500;
  return r;
}

}  // namespace

TEST(QZFormataLinhaTest, CadaTipoByteAByte) {
  const CQZProfilerEmpresa empresa("EMPRESA1", 7, 123);
  const TQZAmbienteLinha ambiente{1000, 2000, 42};

  TQZRegistroProfiler entrou = RegistroBase(&empresa);
  entrou.aParametros[0] = {"Chave", "12"};
  entrou.aParametros[1] = {"Vazio", ""};
  entrou.aParametros[2] = {"", "sem nome"};
  entrou.aParametros[8] = {"Texto", "a\r\nb"};

  TQZRegistroProfiler saiu = RegistroBase(&empresa);
  saiu.strGuid = "0F1E2D3C-4B5A-4978-8695-A4B3C2D1E0F9";
  saiu.nTickFinal = 50;  // antes do início: duração 0
  saiu.nMemoriaFinal = 800;

  TQZRegistroProfiler saiuNormal = saiu;
  saiuNormal.nTickFinal = 350;
  saiuNormal.nMemoriaFinal = 400;  // abaixo do início: delta 0

  TQZRegistroProfiler cocreate = RegistroBase(nullptr);
  cocreate.strUsuarioLocal = "";
  cocreate.aParametros[0] = {"ProgID", "QZ.Servidor"};
  cocreate.aParametros[1] = {"Modulo", "CM"};

  TQZRegistroProfiler erro = RegistroBase(nullptr);
  erro.strProcesso = "";
  erro.aParametros[0] = {"VersaoTarvo", "0.1.0.0"};
  erro.aParametros[1] = {"VersaoSO", "0.1.0.0"};
  erro.aParametros[2] = {"Arquivo", "DlgTitulos.cpp"};
  erro.aParametros[3] = {"Linha", "77"};
  erro.aParametros[4] = {"Log", "linha1\r\nlinha2"};

  const struct {
    const TQZRegistroProfiler* registro;
    eQZTipoRegistro tipo;
    const char* esperado;
  } kCasos[] = {
      {&entrou, eQZEntrou,
       "05/03/2024\t09:07:03.045\tcompras\tana\tCDlgTitulos::OnOK\t \tEEMPRESA1\tU007\tS00000123\t"
       "T00000042\tENTROU\t1000\t2000\t500\t0\t0\tChave = 12\tTexto = ab\t\n"},
      {&saiu, eQZSaiu,
       "05/03/2024\t09:07:03.045\tcompras\tana\tCDlgTitulos::OnOK\t0F1E2D3C-4B5A-4978-8695-A4B3C2D1E0F9\t"
       "EEMPRESA1\tU007\tS00000123\tT00000042\tSAIU\t1000\t2000\t800\t0\t300\t\n"},
      {&saiuNormal, eQZSaiu,
       "05/03/2024\t09:07:03.045\tcompras\tana\tCDlgTitulos::OnOK\t0F1E2D3C-4B5A-4978-8695-A4B3C2D1E0F9\t"
       "EEMPRESA1\tU007\tS00000123\tT00000042\tSAIU\t1000\t2000\t400\t250\t0\t\n"},
      {&cocreate, eQZCoCreate,
       "05/03/2024\t09:07:03.045\tcompras\tCDlgTitulos::OnOK\t \tE\tU000\tS00000000\tT00000042\t"
       "COCREATE\t1000\t2000\t500\t0\t0\tProgID = QZ.Servidor\tModulo = CM\t\n"},
      {&erro, eQZErro,
       "05/03/2024\t09:07:03.045\tana\tCDlgTitulos::OnOK\t \tE\tU000\tS00000000\tT00000042\tERRO\t"
       "1000\t2000\t500\t0.1.0.0\t0.1.0.0\tDlgTitulos.cpp\t77\tlinha1linha2\t\n"},
  };
  for (const auto& c : kCasos) {
    SCOPED_TRACE(QZNomeTipoRegistro(c.tipo));
    EXPECT_EQ(std::string(QZFormataLinha(*c.registro, c.tipo, ambiente)), c.esperado);
  }
}

TEST(QZTextoFalhaTest, DecodificaNomesFacilidadesEDescricoes) {
  const struct {
    HRESULT hr;
    const char* esperado;
  } kCasos[] = {
      {E_FAIL,
       "hr = Le()\thr = 0X80004005 E_FAIL\tSEVERITY = 1 SEVERITY_ERROR\tFACILITY = 0 FACILITY_NULL\t"
       "CODE = 16389 Desconhecido ou novo código de CODE\tDescrição = Falha não especificada"},
      {S_FALSE,
       "hr = Le()\thr = 0X1 S_FALSE\tSEVERITY = 0 SEVERITY_SUCCESS\tFACILITY = 0 FACILITY_NULL\t"
       "CODE = 1 ERROR_INVALID_FUNCTION\tDescrição = Operação concluída com resultado falso"},
      {HRESULT_FROM_WIN32(ERROR_FILE_NOT_FOUND),
       "hr = Le()\thr = 0X80070002 Desconhecido ou novo código de HRESULT\tSEVERITY = 1 SEVERITY_ERROR\t"
       "FACILITY = 7 FACILITY_WIN32\tCODE = 2 ERROR_FILE_NOT_FOUND\tDescrição = O arquivo não foi encontrado"},
      {QZ_E_REGISTRO_NAO_ENCONTRADO,
       "hr = Le()\thr = 0X8004A201 QZ_E_REGISTRO_NAO_ENCONTRADO\tSEVERITY = 1 SEVERITY_ERROR\t"
       "FACILITY = 4 FACILITY_ITF\tCODE = 41473 Desconhecido ou novo código de CODE\t"
       "Descrição = DFSREG: Registro não foi encontrado"},
      {MAKE_HRESULT(1, 247, 5),
       "hr = Le()\thr = 0X80F70005 Desconhecido ou novo código de HRESULT\tSEVERITY = 1 SEVERITY_ERROR\t"
       "FACILITY = 247 QZ_FACILITY_CM_COMPRAS\tCODE = 5 ERROR_ACCESS_DENIED\t"
       "Descrição = Desconhecido ou novo código de Descrição"},
      {MAKE_HRESULT(1, 270, 0x4444),
       "hr = Le()\thr = 0X810E4444 Desconhecido ou novo código de HRESULT\tSEVERITY = 1 SEVERITY_ERROR\t"
       "FACILITY = 270 Desconhecido ou novo código de FACILITY\tCODE = 17476 Desconhecido ou novo código de CODE\t"
       "Descrição = Desconhecido ou novo código de Descrição"},
  };
  for (const auto& c : kCasos) {
    SCOPED_TRACE(c.hr);
    EXPECT_EQ(std::string(QZTextoFalha("Le()", c.hr)), c.esperado);
  }
  EXPECT_STREQ(QZNomeFacilidade(236), "QZ_FACILITY_NE_NFEARQUIVO");
  EXPECT_STREQ(QZNomeFacilidade(269), "QZ_FACILITY_CF_QZECF");
  EXPECT_STREQ(QZNomeFacilidade(267), QZ_TEXTO_DESCONHECIDO_FACILITY);
}

// Todo resultado da própria suíte tem nome e descrição no texto de falha do log.
TEST(QZDecodificaResultadoTest, ResultadosDaSuiteTemNomeEDescricao) {
  const struct {
    HRESULT hr;
    const char* szNome;
  } kCasos[] = {
      {QZ_E_REGISTRO_NAO_ENCONTRADO, "QZ_E_REGISTRO_NAO_ENCONTRADO"},
      {QZ_E_REGISTRO_JA_EXISTE, "QZ_E_REGISTRO_JA_EXISTE"},
      {QZ_E_EMPRESA_NAO_ENCONTRADA, "QZ_E_EMPRESA_NAO_ENCONTRADA"},
      {QZ_E_SEM_CONEXAO, "QZ_E_SEM_CONEXAO"},
      {QZ_E_BANCO_DE_DADOS, "QZ_E_BANCO_DE_DADOS"},
      {QZ_E_REGISTRO_CORROMPIDO, "QZ_E_REGISTRO_CORROMPIDO"},
      {QZ_E_MODELO_RELATORIO, "QZ_E_MODELO_RELATORIO"},
      {QZ_E_FALTA_CLASSIFICACAO, "QZ_E_FALTA_CLASSIFICACAO"},
      {QZ_E_FALHA_PROVOCADA, "QZ_E_FALHA_PROVOCADA"},
  };
  for (const auto& c : kCasos) {
    const TQZResultadoDecodificado r = QZDecodificaResultado(c.hr);
    EXPECT_STREQ(r.szNome, c.szNome);
    EXPECT_STRNE(r.szDescricao, QZ_TEXTO_SEM_DESCRICAO) << c.szNome;
    EXPECT_STREQ(r.szFacilidade, "FACILITY_ITF") << c.szNome;
  }
}

TEST(QZClasseFuncaoTest, TiraClasseEFuncaoDaAssinatura) {
  EXPECT_EQ(std::string(QZClasseFuncao("virtual HRESULT CDlgTitulos::OnInicializa(const CString&)")),
            "CDlgTitulos::OnInicializa");
  EXPECT_EQ(std::string(QZClasseFuncao("long ns::CFoo::Bar() const")), "ns::CFoo::Bar");
  EXPECT_EQ(std::string(QZClasseFuncao("HRESULT {anonymous}::CFoo::Bar(int)")), "CFoo::Bar");
  EXPECT_EQ(std::string(QZClasseFuncao("CDlgTitulosGridLancamentos::OnLoadCellStyle")),
            "CDlgTitulosGridLancamentos::OnLoadCellStyle");
}
