// Criação e adoção de empresas em arquivo: um processo morto em cada passo da criação
// deixa nenhuma empresa ou uma completa, e o uso seguinte funciona; um banco sem
// registro é adotado por toda porta de entrada e nunca recriado nem apagado.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <vector>

#include "ambiente_teste.h"
#include "vrmwnd/suite.h"
#include "vrmwnd/suite/ganchos_teste.h"

namespace {

std::string LeNomeFilial(const char* szEmpresa, std::string& strErro) {
  CServidoresCompartilhados servidores;
  if (servidores.OnInicializa(szEmpresa) != S_OK) {
    strErro = servidores.GetUsaServidor()->GetUltimoErro();
    return {};
  }
  return std::string(servidores.LeDFFilial(2).szNome());
}

// Marca a empresa para reconhecer depois que o banco é o mesmo, não um recriado.
void MarcaFilial(const char* szEmpresa) {
  std::string strErro;
  auto pBanco = vrmsuite::AbreEmpresa(szEmpresa, strErro);
  ASSERT_NE(pBanco, nullptr) << strErro;
  ASSERT_EQ(pBanco->ExecutaRoteiro("UPDATE filial SET szNome = 'Filial Marcada' WHERE iNumero = 2", strErro), S_OK)
      << strErro;
}

std::vector<std::string> ArquivosDaPasta(const std::string& strPasta) {
  std::vector<std::string> arquivos;
  std::error_code ec;
  for (const auto& e : std::filesystem::directory_iterator(strPasta, ec))
    arquivos.push_back(e.path().filename().string());
  return arquivos;
}

vrmsuite::EPassoCriacaoEmpresa g_ePassoFatal;

void MorreNoPasso(vrmsuite::EPassoCriacaoEmpresa ePasso) {
  if (ePasso == g_ePassoFatal) ::raise(SIGKILL);
}

}  // namespace

TEST(CriacaoEmpresaTest, MortaEmCadaPassoDeixaNenhumaOuCompletaEOUsoSeguinteFunciona) {
  for (int nPasso = 1; nPasso <= vrmsuite::kPassosCriacaoEmpresa; ++nPasso) {
    SCOPED_TRACE(testing::Message() << "passo " << nPasso);
    CHomeTemporaria home;
    g_ePassoFatal = static_cast<vrmsuite::EPassoCriacaoEmpresa>(nPasso);
    const pid_t pid = ::fork();
    ASSERT_GE(pid, 0);
    if (pid == 0) {
      vrmsuite::ProgramaPassoCriacaoEmpresa(MorreNoPasso);
      std::string strErro;
      vrmsuite::GaranteEmpresaDeAmostra("AMOSTRA", strErro);
      ::_exit(3);  // não chegou ao passo
    }
    int nEstado = 0;
    ASSERT_EQ(::waitpid(pid, &nEstado, 0), pid);
    ASSERT_TRUE(WIFSIGNALED(nEstado) && WTERMSIG(nEstado) == SIGKILL) << "estado " << nEstado;

    const std::string strBanco = home.Pasta() + "/empresas/AMOSTRA/empresa.db";
    const bool bNoLugar = std::filesystem::exists(strBanco);
    EXPECT_EQ(bNoLugar, nPasso >= static_cast<int>(vrmsuite::EPassoCriacaoEmpresa::NoLugar));
    EXPECT_EQ(vrmsuite::ArquivoEmpresa("AMOSTRA").empty(),
              nPasso < static_cast<int>(vrmsuite::EPassoCriacaoEmpresa::Registrada))
        << "o registro vem por último";

    std::string strErro;
    ASSERT_EQ(vrmsuite::GaranteEmpresaDeAmostra("AMOSTRA", strErro), S_OK) << strErro;
    EXPECT_EQ(LeNomeFilial("AMOSTRA", strErro), "Filial Curitiba") << strErro;
    EXPECT_EQ(ArquivosDaPasta(home.Pasta() + "/empresas/AMOSTRA"), std::vector<std::string>{"empresa.db"})
        << "nenhum temporário da criação morta sobra";
  }
}

TEST(CriacaoEmpresaTest, BancoSemRegistroEhAdotadoPorTodaPortaSemSerRecriado) {
  const struct {
    const char* szPorta;
    HRESULT (*pPorta)(const std::string&, std::string&);
    HRESULT hrEsperado;
  } kCasos[] = {
      {"GaranteEmpresaDeAmostra", vrmsuite::GaranteEmpresaDeAmostra, S_OK},
      {"CriaEmpresaDeAmostra", vrmsuite::CriaEmpresaDeAmostra, S_FALSE},
      {"AdotaEmpresa", vrmsuite::AdotaEmpresa, S_OK},
      {"AbreEmpresa", nullptr, S_OK},
  };
  for (const auto& c : kCasos) {
    SCOPED_TRACE(c.szPorta);
    CHomeTemporaria home;
    std::string strErro;
    ASSERT_EQ(vrmsuite::CriaEmpresaDeAmostra("AMOSTRA", strErro), S_OK) << strErro;
    MarcaFilial("AMOSTRA");
    EscreveArquivo(home.Caminho("registry.ini"), "");  // o registro esvaziado

    if (c.pPorta) {
      EXPECT_EQ(c.pPorta("AMOSTRA", strErro), c.hrEsperado) << strErro;
    } else {
      EXPECT_NE(vrmsuite::AbreEmpresa("AMOSTRA", strErro), nullptr) << strErro;
    }
    EXPECT_EQ(vrmsuite::ArquivoEmpresa("AMOSTRA"), home.Pasta() + "/empresas/AMOSTRA/empresa.db");
    EXPECT_EQ(LeNomeFilial("AMOSTRA", strErro), "Filial Marcada") << "o mesmo banco, não um novo";
    EXPECT_EQ(vrmsuite::CriaEmpresaDeAmostra("AMOSTRA", strErro), E_FAIL) << "registrada de novo";
    EXPECT_NE(strErro.find("já existe"), std::string::npos) << strErro;
  }
}

TEST(CriacaoEmpresaTest, ArquivoQueNaoEhBancoDeEmpresaNaoEhAdotadoNemApagado) {
  const struct {
    const char* szCaso;
    std::string strConteudo;
  } kCasos[] = {
      {"texto qualquer", std::string(5000, 'x')},
      {"SQLite truncado", std::string("SQLite format 3\0", 16) + std::string(100, '\0')},
  };
  for (const auto& c : kCasos) {
    SCOPED_TRACE(c.szCaso);
    CHomeTemporaria home;
    const std::string strBanco = home.CriaSubpasta("empresas/AMOSTRA") + "/empresa.db";
    EscreveArquivo(strBanco, c.strConteudo);
    std::string strErro;
    EXPECT_EQ(vrmsuite::GaranteEmpresaDeAmostra("AMOSTRA", strErro), QZ_E_BANCO_DE_DADOS);
    EXPECT_NE(strErro.find("não é um banco de empresa íntegro"), std::string::npos) << strErro;
    EXPECT_EQ(vrmsuite::AbreEmpresa("AMOSTRA", strErro), nullptr);
    EXPECT_TRUE(vrmsuite::ArquivoEmpresa("AMOSTRA").empty());
    EXPECT_EQ(LeArquivo(strBanco), c.strConteudo) << "o arquivo fica como estava";
  }
}

TEST(CriacaoEmpresaTest, EmpresaRegistradaSemBancoNaoEhRecriadaEmSilencio) {
  CHomeTemporaria home;
  const std::string strOutra = home.CriaSubpasta("outra");
  std::string strErro;
  ASSERT_TRUE(QZGravaRegistroTexto(HKEY_LOCAL_MACHINE, "SOFTWARE\\Telvaro\\Tarvo Empresarial\\Empresas\\AMOSTRA",
                                   "Path", strOutra.c_str()));
  EXPECT_EQ(vrmsuite::GaranteEmpresaDeAmostra("AMOSTRA", strErro), E_FAIL);
  EXPECT_NE(strErro.find("está registrada, mas não tem banco em " + strOutra + "/empresa.db"), std::string::npos)
      << strErro;
  EXPECT_FALSE(std::filesystem::exists(strOutra + "/empresa.db"));
}
