// O tratador ligado à empresa pelo tempo de um escopo: ligado dentro, desligado ao
// sair, também quando uma exceção passa; uma empresa desconhecida não liga nada.
#include <gtest/gtest.h>

#include <stdexcept>

#include "empresa_teste.h"
#include "instalacao_teste.h"
#include "vrmwnd/business/CTrataDadosREWnd.h"
#include "vrmwnd/business/TLigacaoTratador.h"

namespace {

class TLigacaoTratadorTest : public testing::Test {
 protected:
  CInstalacaoTeste m_instalacao;
  CEmpresaTeste m_empresa;
  CTrataDadosREWnd m_tratador{nullptr};
};

TEST_F(TLigacaoTratadorTest, LigaNoEscopoEDesligaAoSair) {
  const struct {
    const char* szCaso;
    bool bEmpresaDoTeste;
    bool bLanca;
    bool bLigadoDentro;
  } kCasos[] = {
      {"saída normal", true, false, true},
      {"uma exceção passa", true, true, true},
      {"empresa desconhecida", false, false, false},
  };
  for (const auto& c : kCasos) {
    SCOPED_TRACE(c.szCaso);
    const std::string strEmpresa = c.bEmpresaDoTeste ? m_empresa.Nome() : "NAOEXISTE";
    bool bLigadoDentro = false;
    HRESULT hr = S_OK;
    try {
      TLigacaoTratador ligacao(m_tratador, strEmpresa.c_str(), 4, 99);
      hr = ligacao.Resultado();
      bLigadoDentro = m_tratador.EstaInicializado();
      EXPECT_EQ(m_tratador.GetEmpresaProfiler(), CString(strEmpresa.c_str()));
      EXPECT_EQ(m_tratador.GetUsuarioProfiler(), 4);
      EXPECT_EQ(m_tratador.GetSessaoProfiler(), 99);
      if (c.bLanca) throw std::runtime_error("falha no meio da tela");
    } catch (const std::runtime_error&) {
    }
    EXPECT_EQ(bLigadoDentro, c.bLigadoDentro);
    EXPECT_EQ(hr == S_OK, c.bLigadoDentro);
    EXPECT_FALSE(m_tratador.EstaInicializado()) << "desligado ao sair do escopo";
  }
}

}  // namespace
