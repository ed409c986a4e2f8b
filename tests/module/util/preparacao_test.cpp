// A preparação numa casa nova: instalação e empresa criadas uma vez, nada regravado
// na segunda chamada, e um nome de empresa inválido recusado com o motivo.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "ambiente_teste.h"
#include "vrmwnd/suite/mensagens/QZMens.h"
#include "vrmwnd/base/QZInstalacao.h"
#include "vrmwnd/base/ganchos_teste.h"
#include "vrmwnd/platform/registry.h"
#include "vrmwnd/suite/servidor/banco_empresa.h"
#include "vrmwnd/util/preparacao.h"

namespace {

std::string Conteudo(const std::string& strArquivo) {
  std::ifstream arquivo(strArquivo, std::ios::binary);
  std::ostringstream s;
  s << arquivo.rdbuf();
  return s.str();
}

class VRMPreparaAmbienteTest : public testing::Test {
 protected:
  void SetUp() override { QZProfilerReinicia(); }
  void TearDown() override { QZProfilerReinicia(); }
  CHomeTemporaria m_home;
};

TEST_F(VRMPreparaAmbienteTest, CasaNovaGanhaInstalacaoEEmpresaUmaVez) {
  ASSERT_TRUE(vrmsuite::ArquivoEmpresa("LOJA1").empty());
  CString strFalha;
  ASSERT_EQ(VRMPreparaAmbiente("LOJA1", &strFalha), S_OK) << strFalha.GetString();
  const std::string strInstalacao = QZLeRegistroTexto(HKEY_LOCAL_MACHINE, QZChaveEmpresarial(), "Path").GetString();
  EXPECT_EQ(strInstalacao.rfind(m_home.Pasta(), 0), 0u) << "a instalação fica sob a casa: " << strInstalacao;
  const std::string strBanco = vrmsuite::ArquivoEmpresa("LOJA1");
  ASSERT_TRUE(std::filesystem::exists(strBanco));
  EXPECT_FALSE(QZGetMensagem(5508, "DF").IsEmpty()) << "os arquivos de mensagens foram gravados";

  // Uma empresa já criada e uma instalação mexida pela pessoa ficam como estão.
  const std::string strLogIni = (std::filesystem::path(strInstalacao) / "log.ini").string();
  std::ofstream(strLogIni) << "[Log]\nTrace=1\n";
  const auto tBanco = std::filesystem::last_write_time(strBanco);
  ASSERT_EQ(VRMPreparaAmbiente("LOJA1", &strFalha), S_OK) << strFalha.GetString();
  EXPECT_EQ(Conteudo(strLogIni), "[Log]\nTrace=1\n");
  EXPECT_EQ(std::filesystem::last_write_time(strBanco), tBanco);
}

TEST_F(VRMPreparaAmbienteTest, NomeInvalidoERecusadoComOMotivo) {
  for (const char* szNome : {"", "com espaço", "../fora", static_cast<const char*>(nullptr)}) {
    SCOPED_TRACE(szNome ? szNome : "(nulo)");
    CString strFalha;
    EXPECT_EQ(VRMPreparaAmbiente(szNome, &strFalha), E_INVALIDARG);
    EXPECT_NE(std::string(strFalha.GetString()).find("nome de empresa inválido"), std::string::npos);
  }
}

}  // namespace
