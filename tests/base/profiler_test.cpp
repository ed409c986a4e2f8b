// O profiler como os chamadores o usam: log.ini relido no intervalo, filtro de
// processos, ENTROU/SAIU com o GUID, arquivos mensais de erros e a convenção dos
// pontos de falha.
#include <gtest/gtest.h>

#include "profiler_teste.h"
#include "vrmwnd/base/ganchos_teste.h"

namespace {

class CTelaTeste : public CQZProfilerEmpresa {
 public:
  CTelaTeste() : CQZProfilerEmpresa("", 3, 44) {}
  HRESULT Verifica(eQZRegraFalha eRegra, HRESULT hrDevolvido) {
    return QZ_VERIFICA_HR(this, eRegra, Devolve(hrDevolvido));
  }
  static HRESULT Devolve(HRESULT hr) { return hr; }
};

std::string ArquivoErros(const CInstalacaoTeste& inst, const char* szMes) {
  return LeArquivo(inst.Arquivo(std::string("QZProfilerErros_Pgms_") + szMes + ".dat"));
}

}  // namespace

TEST(QZProfilerTest, ConfiguracaoRelidaSoDepoisDoTimeoutConfig) {
  CInstalacaoTeste inst;
  CRelogioFixo relogio(2024, 5, 10, 8, 0, 0, 0, 1'000'000);
  inst.EscreveLogIni("Entrada=1\nTimeoutConfig=10\n");
  EXPECT_TRUE(QZProfilerAtivo());
  inst.EscreveLogIni("Entrada=0\nTimeoutConfig=10\n");
  relogio.Avanca(10'000);
  EXPECT_TRUE(QZProfilerAtivo()) << "exatamente o intervalo ainda não relê";
  relogio.Avanca(1);
  EXPECT_FALSE(QZProfilerAtivo()) << "passado o intervalo, relê";
}

TEST(QZProfilerTest, QuaisChavesAtivamORastreamento) {
  constexpr struct {
    const char* chaves;
    bool ativo;
    bool cocreate;
  } kCasos[] = {
      {"", false, false},
      {"Entrada=1", true, false},
      {"Saida=1", true, false},
      {"Entrada=2", false, false},  // só 1 liga
      {"CoCreateInstance=1", true, true},
      {"CoCreateInstance=1\nPerformance=1", false, false},
      {"CoCreateInstance=1\nMemory=1", false, false},
      {"Performance=1\nSaida=1", true, false},
  };
  for (const auto& c : kCasos) {
    SCOPED_TRACE(c.chaves);
    CInstalacaoTeste inst;
    inst.EscreveLogIni(std::string(c.chaves) + "\n");
    EXPECT_EQ(QZProfilerAtivo(), c.ativo);
    EXPECT_EQ(QZProfilerCoCreateAtivo(), c.cocreate);
  }
}

TEST(QZProfilerTest, EntrouESaiuCompartilhamOGuidSoComAsDuasChaves) {
  constexpr struct {
    const char* chaves;
    std::size_t linhas;  // com o cabeçalho
    bool guid;
  } kCasos[] = {
      {"Entrada=1\nSaida=1\n", 3, true},
      {"Entrada=1\n", 2, false},
      {"Saida=1\n", 2, false},
  };
  for (const auto& c : kCasos) {
    SCOPED_TRACE(c.chaves);
    CInstalacaoTeste inst;
    inst.EscreveLogIni(c.chaves);
    const CQZProfilerEmpresa empresa("EMP", 1, 2);
    {
      CQZProfiler escopo(&empresa);
      escopo.Entra("CDlgChave::OnOK", {{"Chave", "0718000123"}});
    }
    const std::vector<std::string> linhas = Linhas(LeArquivo(inst.Arquivo("QZProfiler.dat")));
    ASSERT_EQ(linhas.size(), c.linhas);
    EXPECT_EQ(linhas[0] + "\n", QZ_CABECALHO_RASTRO);
    const std::string guid = Campo(linhas[1], 5);
    if (c.guid) {
      EXPECT_EQ(guid.size(), 36u);
      EXPECT_EQ(Campo(linhas[2], 5), guid);
      EXPECT_EQ(Campo(linhas[1], 10), "ENTROU");
      EXPECT_EQ(Campo(linhas[2], 10), "SAIU");
    } else {
      EXPECT_EQ(guid, " ");
    }
    EXPECT_NE(linhas.back().find("\tChave = 0718000123\t"), std::string::npos);
  }
}

TEST(QZProfilerTest, FiltroDeProcessosPorPartesDoNome) {
  constexpr struct {
    const char* processos;
    bool rastreia;
  } kCasos[] = {
      {"todos", true},
      {"outro.exe; test_base", true},
      {"OUTRO,TEST_B", true},
      {"outro.exe; compras", false},
  };
  for (const auto& c : kCasos) {
    SCOPED_TRACE(c.processos);
    CInstalacaoTeste inst;
    inst.EscreveLogIni(std::string("Entrada=1\nCoCreateInstance=1\nProcessos=") + c.processos + "\n");
    { CQZProfiler(nullptr).Entra("CFoo::Bar"); }
    QZProfilerCoCreate("QZCoCreateInstance", "QZ.Servidor", "CM");
    EXPECT_EQ(Linhas(LeArquivo(inst.Arquivo("QZProfiler.dat"))).size(), c.rastreia ? 3u : 0u);
  }
}

TEST(QZProfilerTest, ErroSempreGravadoEMesNovoComecaArquivoNovo) {
  CInstalacaoTeste inst(CInstalacaoTeste::VAZIA);  // sem log.ini: tudo desligado, mas ERRO grava
  CRelogioFixo relogio(2024, 1, 31, 23, 59, 59, 999, 5'000'000);
  QZProfilerErro(nullptr, "CFoo::Bar", "Foo.cpp", 10, "falhou %d vez", 1);
  relogio.Avanca(1);
  QZProfilerErro(nullptr, "CFoo::Bar", "Foo.cpp", 11, "falhou %s", "de novo");
  for (const char* mes : {"202401", "202402"}) {
    SCOPED_TRACE(mes);
    const std::vector<std::string> linhas = Linhas(ArquivoErros(inst, mes));
    ASSERT_EQ(linhas.size(), 2u);
    EXPECT_EQ(linhas[0] + "\n", QZ_CABECALHO_ERROS);
    EXPECT_EQ(Campo(linhas[1], 6), "E") << linhas[1];
  }
  const std::string fevereiro = Linhas(ArquivoErros(inst, "202402"))[1];
  EXPECT_EQ(fevereiro.substr(0, 24), "01/02/2024\t00:00:00.000\t");
  EXPECT_NE(fevereiro.find("\tERRO\t"), std::string::npos);
  EXPECT_NE(fevereiro.find("\tFoo.cpp\t11\tfalhou de novo\t"), std::string::npos) << fevereiro;
}

TEST(QZProfilerTest, ErroDaEmpresaVaiParaAPastaDaEmpresa) {
  CInstalacaoTeste inst;
  const std::string pasta = inst.Home().CriaSubpasta("dados-emp");
  QZGravaRegistroTexto(HKEY_LOCAL_MACHINE, QZChaveEmpresarial() + "\\Empresas\\EMP", "Path", pasta.c_str());
  CRelogioFixo relogio(2024, 7, 1, 0, 0, 0, 0, 1);
  const CQZProfilerEmpresa empresa("EMP", 1, 2);
  const CQZProfilerEmpresa semPasta("OUTRA", 1, 2);
  QZProfilerErro(&empresa, "CFoo::Bar", "Foo.cpp", 1, "x");
  QZProfilerErro(&semPasta, "CFoo::Bar", "Foo.cpp", 1, "y");
  EXPECT_EQ(Linhas(LeArquivo(pasta + "/QZProfilerErros_Base_202407.dat")).size(), 2u);
  EXPECT_EQ(Linhas(LeArquivo(inst.Arquivo("QZProfilerErros_Base_202407.dat"))).size(), 2u)
      << "empresa sem pasta registrada grava na instalação";
}

TEST(QZProfilerTest, PastaSemGravacaoPerdeALinhaEmSilencio) {
  CInstalacaoTeste inst;
  EscreveArquivo(inst.Home().Caminho("arquivo-comum"), "x");
  for (std::string pasta : {inst.Home().Caminho("arquivo-comum"), std::string("/proc/vrmwnd")}) {
    SCOPED_TRACE(pasta);
    QZGravaRegistroTexto(HKEY_LOCAL_MACHINE, QZChaveEmpresarial(), "Path", pasta.c_str());
    QZProfilerReinicia();
    EXPECT_NO_THROW(QZProfilerErro(nullptr, "CFoo::Bar", "Foo.cpp", 1, "perdida"));
    EXPECT_FALSE(QZAnexaLinha((pasta + "/QZProfilerErros_Pgms_202401.dat").c_str(), QZ_CABECALHO_ERROS, "x\n"));
  }
  EXPECT_EQ(LeArquivo(inst.Home().Caminho("arquivo-comum")), "x");
}

TEST(QZVerificaHRTest, RegraDoPontoDecideERegistraUmaVez) {
  constexpr struct {
    eQZRegraFalha regra;
    HRESULT hr;
    bool registra;
  } kCasos[] = {
      {eQZFalhaSeNegativo, S_OK, false},  {eQZFalhaSeNegativo, S_FALSE, false},
      {eQZFalhaSeNegativo, E_FAIL, true}, {eQZFalhaSeNaoZero, S_OK, false},
      {eQZFalhaSeNaoZero, S_FALSE, true}, {eQZFalhaSeNaoZero, QZ_E_REGISTRO_NAO_ENCONTRADO, true},
  };
  for (const auto& c : kCasos) {
    SCOPED_TRACE(c.hr);
    CInstalacaoTeste inst;
    CRelogioFixo relogio(2024, 6, 1, 12, 0, 0, 0, 1);
    CTelaTeste tela;
    EXPECT_EQ(tela.Verifica(c.regra, c.hr), c.hr);
    const std::vector<std::string> linhas = Linhas(ArquivoErros(inst, "202406"));
    ASSERT_EQ(linhas.size(), c.registra ? 2u : 0u);
    if (!c.registra) continue;
    const std::string& l = linhas[1];
    EXPECT_NE(l.find("\tCTelaTeste::Verifica\t"), std::string::npos) << l;
    EXPECT_NE(l.find("\tE\tU003\tS00000044\t"), std::string::npos) << l;
    EXPECT_NE(l.find("\tprofiler_test.cpp\t"), std::string::npos) << l;
    EXPECT_NE(l.find("\thr = Devolve(hrDevolvido)\thr = "), std::string::npos) << l;
  }
  CInstalacaoTeste inst;
  CRelogioFixo relogio(2024, 6, 1, 12, 0, 0, 0, 1);
  const HRESULT aToleradas[] = {S_FALSE, static_cast<HRESULT>(0xFFFFFFFFu)};
  EXPECT_EQ(QZVerificaHR(S_FALSE, eQZFalhaSeNaoZero, nullptr, "C::F", "x.cpp", 1, "F()", aToleradas), S_FALSE);
  EXPECT_EQ(ArquivoErros(inst, "202406"), "") << "código tolerado não registra";
}
