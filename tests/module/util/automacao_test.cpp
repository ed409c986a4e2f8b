// Os oito pontos de automação: exportados sem decoração por libvrmwnd.so, cada um
// abre o configurador de alertas da instalação com o seu tipo e os três argumentos
// sem mudança; o configurador de exemplo anota o que lhe pediram.
#include <dlfcn.h>
#include <gtest/gtest.h>

#include <filesystem>

#include "instalacao_teste.h"

TEST(AutomacaoTest, PontosExportadosAbremOConfiguradorComOTipo) {
  CInstalacaoTeste instalacao;  // com o configurador de exemplo
  CApresentadorTeste apresentador;

  void* pBiblioteca = ::dlopen(VRMWND_BIBLIOTECA, RTLD_NOW | RTLD_NOLOAD);
  if (pBiblioteca == nullptr) pBiblioteca = ::dlopen(VRMWND_BIBLIOTECA, RTLD_NOW);
  ASSERT_NE(pBiblioteca, nullptr) << ::dlerror();
  constexpr struct {
    const char* szFuncao;
    const char* szAnotado;
  } kCasos[] = {
      {"ParaAUTO_EXCEDENTE_CFG", "2 (Liberação de OC com Orçamento Excedente)"},
      {"ParaAUTO_REINCLUIDO_CFG", "3 (Inclusão de Registro de Entrada)"},
      {"ParaAUTO_AUTORIZACAO_CFG", "4 (Situação da OC aos Autorizadores)"},
      {"ParaAUTO_STATUSOC_CFG", "5 (Situação da OC ao Comprador)"},
      {"ParaAUTO_STATUSOCFORNECEDOR_CFG", "6 (Situação da OC ao Fornecedor)"},
      {"ParaAUTO_ACOMPANHAMENTO_CFG", "7 (Entrega Atrasada)"},
      {"ParaAUTO_INCLUSAOSC_CFG", "8 (Inclusão de Solicitação de Compra)"},
      {"ParaAUTO_VENCIMENTO_CC_CFG", "9 (Vencimento de Contratos de Compra)"},
  };
  const std::string strLog = instalacao.Arquivo("ALRTCONF.log");
  for (const auto& c : kCasos) {
    SCOPED_TRACE(c.szFuncao);
    using TPonto = void (*)(const char*, unsigned short, long);
    auto pFuncao = reinterpret_cast<TPonto>(::dlsym(pBiblioteca, c.szFuncao));
    ASSERT_NE(pFuncao, nullptr) << "sem decoração na tabela de exportação";
    std::filesystem::remove(strLog);
    pFuncao("EMPRESA X", 65535, -2);
    const std::string strTexto =
        EsperaArquivo(strLog, [](const std::string& s) { return !s.empty() && s.back() == '\n'; });
    EXPECT_EQ(strTexto, std::string("Configurar alerta ") + c.szAnotado +
                            ": módulo CM, empresa EMPRESA X, usuário 65535, sessão -2\n");
  }
  EXPECT_EQ(::dlsym(pBiblioteca, "ParaAUTO_COTACAO_CFG"), nullptr) << "o tipo 1 não tem ponto";
  EXPECT_TRUE(apresentador.Caixas().empty());
  ::dlclose(pBiblioteca);
}

TEST(AutomacaoTest, SemConfiguradorNaInstalacaoOUsuarioVeOMotivo) {
  CInstalacaoTeste instalacao;
  std::filesystem::remove(instalacao.Arquivo("ALRTCONF.EXE"));
  CApresentadorTeste apresentador;
  void* pBiblioteca = ::dlopen(VRMWND_BIBLIOTECA, RTLD_NOW);
  ASSERT_NE(pBiblioteca, nullptr) << ::dlerror();
  auto pFuncao =
      reinterpret_cast<void (*)(const char*, unsigned short, long)>(::dlsym(pBiblioteca, "ParaAUTO_STATUSOC_CFG"));
  ASSERT_NE(pFuncao, nullptr);
  pFuncao("E", 1, 1);
  ASSERT_EQ(apresentador.Caixas().size(), 1u);
  EXPECT_EQ(apresentador.Caixas()[0].strTitulo, "Tarvo Compras");
  EXPECT_NE(apresentador.Caixas()[0].strTexto.find("ALRTCONF.EXE"), std::string::npos);
  ::dlclose(pBiblioteca);
}
